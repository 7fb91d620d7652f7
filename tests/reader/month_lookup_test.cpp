// The month-name lookup compares in full only the table entries that begin
// like the text; it must find what comparing every entry finds, over random
// tables (duplicates and empty entries included) and random texts.

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <random>
#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "tests/reader/steady_access.h"

namespace {

// The lookup as first written: every entry compared in full.
int mReferenceMonth(const wchar_t* upperText, bool* abbreviation) {
  *abbreviation = false;
  if (upperText == nullptr) return 0;
  for (int i = 0; i < 12; ++i) {
    if (mStrCompare(upperText, CmTimeCls::gszMonthAbbrevUpper[i]) == 0 ||
        mStrCompare(upperText, CmTimeCls::gszMonthAbbrevUpperNoStop[i]) == 0) {
      *abbreviation = true;
      return i + 1;
    }
  }
  for (int i = 0; i < 12; ++i) {
    if (mStrCompare(upperText, CmTimeCls::gszMonthNameUpper[i]) == 0) return i + 1;
  }
  return 0;
}

// Puts the three upper-case tables back at scope end.
class xTablesGuard {
 public:
  xTablesGuard() {
    std::memcpy(m_abbrev, CmTimeCls::gszMonthAbbrevUpper, sizeof m_abbrev);
    std::memcpy(m_noStop, CmTimeCls::gszMonthAbbrevUpperNoStop, sizeof m_noStop);
    std::memcpy(m_names, CmTimeCls::gszMonthNameUpper, sizeof m_names);
  }
  ~xTablesGuard() {
    std::memcpy(CmTimeCls::gszMonthAbbrevUpper, m_abbrev, sizeof m_abbrev);
    std::memcpy(CmTimeCls::gszMonthAbbrevUpperNoStop, m_noStop, sizeof m_noStop);
    std::memcpy(CmTimeCls::gszMonthNameUpper, m_names, sizeof m_names);
  }

 private:
  wchar_t m_abbrev[12][8];
  wchar_t m_noStop[12][8];
  wchar_t m_names[12][32];
};

TEST(MonthNameLookup, SameAsComparingEveryEntry) {
  const xTablesGuard xGuard;
  const CmTimeCls xTime;
  std::mt19937 xRandom(31u);
  // Few letters, short words: entries and texts collide often.
  auto fWord = [&xRandom](size_t maxLen) {
    std::wstring s;
    for (size_t n = xRandom() % (maxLen + 1); n > 0; --n) s += L"ABM."[xRandom() % 4];
    return s;
  };
  auto fStore = [](wchar_t* entry, size_t width, const std::wstring& s) {
    const size_t n = s.size() < width - 1 ? s.size() : width - 1;
    std::wmemcpy(entry, s.c_str(), n);
    entry[n] = L'\0';
  };
  for (int iTables = 0; iTables < 300; ++iTables) {
    // Now and then the real tables, else random ones.
    if (iTables > 0) {
      for (int i = 0; i < 12; ++i) {
        fStore(CmTimeCls::gszMonthAbbrevUpper[i], 8, fWord(4));
        fStore(CmTimeCls::gszMonthAbbrevUpperNoStop[i], 8, fWord(4));
        fStore(CmTimeCls::gszMonthNameUpper[i], 32, fWord(6));
      }
    }
    for (int iText = 0; iText < 3000; ++iText) {
      std::wstring sText = fWord(6);
      if (iText % 3 == 0) sText = CmTimeCls::gszMonthNameUpper[xRandom() % 12];
      if (iText % 3 == 1) sText = CmTimeCls::gszMonthAbbrevUpperNoStop[xRandom() % 12];
      bool bAbbrev = true;
      bool bReferenceAbbrev = false;
      const int iMonth = CmTimeClsTestAccess::mIsMonthName(xTime, sText.c_str(), &bAbbrev);
      ASSERT_EQ(iMonth, mReferenceMonth(sText.c_str(), &bReferenceAbbrev))
          << testing::PrintToString(sText);
      ASSERT_EQ(bAbbrev, bReferenceAbbrev) << testing::PrintToString(sText);
    }
  }
  bool bAbbrev = true;
  EXPECT_EQ(CmTimeClsTestAccess::mIsMonthName(xTime, nullptr, &bAbbrev), 0);
  EXPECT_FALSE(bAbbrev);
}

}  // namespace
