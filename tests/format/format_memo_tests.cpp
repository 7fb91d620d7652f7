// The memo of accepted formats: mSetFormat with the memo must give and
// leave exactly what parsing every text gives and leaves, over random
// sequences of legal, near-legal and random texts, with the designators,
// the input decimal symbol and the object changing between them.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "tests/format/format_memo_access.h"
#include "time/format/format_memo.h"

namespace {

using Access = CmTimeClsTestAccess;

const wchar_t* const kFormats[] = {
    L"m/d/yyyy",
    L"mm/dd/yyyy hh:mm:ss",
    L"mmmm d, yyyy h:mm:ss AM/PM",
    L"mmmm d,yyyy",
    L"d mmmm yyyy",
    L"dd-mmm-yy hh:mm:ss.sss",
    L"yyyy-mm-dd",
    L"h:mm am/pm",
    L"h:mm:ss a/p",
    L"[h]:mm:ss",
    L"[m]:ss",
    L"yyyyQq",
    L"qQ yyyy",
    L"wwWk yyyy",
    L"yyyyWkww",
    L"yyyymmdd",
    L"hh:mm:ss,sss",
    L"h:mm:ss vorm./nachm.",
    L"h:mmAM/PM",
    L"M/D/YY",
    L"m/d/yyyy h:mm:ss.ss",
    L"  m/d/yy  ",
    L"mmm h",
    L"h:m",
    L"yy/yy",
    L"Wk",
};

// Designator values the fields take in turn.
const wchar_t* const kDesignators[] = {L"AM", L"PM", L"am", L"pm",   L"vorm.", L"nachm.",
                                       L"",   L"A",  L"P",  L"a.m.", L"p.m."};

class xFormatMaker {
 public:
  explicit xFormatMaker(unsigned seed) : m_xRandom(seed) {}
  std::wstring mText() {
    const unsigned uKind = mBelow(10);
    std::wstring s = kFormats[mBelow(sizeof kFormats / sizeof kFormats[0])];
    if (uKind < 6) return s;
    if (uKind < 9) {  // edited
      for (unsigned i = mBelow(3) + 1; i > 0; --i) {
        const size_t uAt = s.empty() ? 0 : mBelow(static_cast<unsigned>(s.size()));
        switch (mBelow(3)) {
          case 0: s.insert(uAt, 1, mPick()); break;
          case 1:
            if (!s.empty()) s.erase(uAt, 1);
            break;
          default:
            if (!s.empty()) s[uAt] = mPick();
            break;
        }
      }
      return s;
    }
    s.clear();
    for (unsigned i = mBelow(30); i > 0; --i) s += mPick();
    return s;
  }
  unsigned mBelow(unsigned n) { return static_cast<unsigned>(m_xRandom() % n); }

 private:
  wchar_t mPick() {
    static const wchar_t kChars[] = L"mdyhsMDYHSqQwWk[]/-.:, AMPampvorn@";
    return kChars[mBelow(sizeof kChars / sizeof kChars[0] - 1)];
  }
  std::mt19937 m_xRandom;
};

class FormatMemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_cInput = mGetInputDecimal();
    m_bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    m_bComma = CmTimeCls::m_bFmtHasComma;
    mSetRegionalSettings(mBuiltInRegionalSettings());
  }
  void TearDown() override {
    cvn::detail::mSetFormatMemoEnabled(true);
    mSetInputDecimal(m_cInput);
    CmTimeCls::m_bElapsedTimeFlag = m_bElapsed;
    CmTimeCls::m_bFmtHasComma = m_bComma;
  }

  // The text set on each object, with the memo on the first only.
  static void mCompareSet(CmTimeCls& memo, CmTimeCls& parsed, const std::wstring& text) {
    cvn::detail::mSetFormatMemoEnabled(true);
    const bool bMemo = memo.mSetFormat(text.c_str());
    const std::wstring sMemo = Access::mState(memo);
    cvn::detail::mSetFormatMemoEnabled(false);
    const bool bParsed = parsed.mSetFormat(text.c_str());
    const std::wstring sParsed = Access::mState(parsed);
    ASSERT_EQ(bMemo, bParsed) << testing::PrintToString(text);
    ASSERT_EQ(sMemo, sParsed) << testing::PrintToString(text);
  }

 private:
  wchar_t m_cInput = L'.';
  bool m_bElapsed = false;
  bool m_bComma = false;
};

TEST_F(FormatMemoTest, SameAsParsingEveryText) {
  xFormatMaker xMaker(4242u);
  CmTimeCls xMemo;
  CmTimeCls xParsed;
  for (int i = 0; i < 1000000; ++i) {
    const unsigned uOp = xMaker.mBelow(200);
    if (uOp == 0) {  // another designator in one field of both objects
      const int iField = static_cast<int>(xMaker.mBelow(8));
      const wchar_t* sText =
          kDesignators[xMaker.mBelow(sizeof kDesignators / sizeof kDesignators[0])];
      Access::mSetDesignator(xMemo, iField, sText);
      Access::mSetDesignator(xParsed, iField, sText);
    } else if (uOp == 1) {
      mSetInputDecimal(xMaker.mBelow(2) == 0 ? L'.' : L',');
    }
    ASSERT_NO_FATAL_FAILURE(mCompareSet(xMemo, xParsed, xMaker.mText()));
  }
}

// The memo is kept per thread, not per object: an object that has other
// designators than the one that filled it must not be given its entries.
TEST_F(FormatMemoTest, ObjectsWithOtherDesignatorsParseAgain) {
  CmTimeCls xUs;
  CmTimeCls xUsParsed;
  CmTimeCls xOther;
  CmTimeCls xOtherParsed;
  for (CmTimeCls* p : {&xOther, &xOtherParsed}) {
    Access::mSetDesignator(*p, 0, L"VORM.");
    Access::mSetDesignator(*p, 1, L"NACHM.");
  }
  for (const wchar_t* sText : {L"h:mm:ss VORM./NACHM.", L"h:mm AM/PM", L"m/d/yyyy h:mm:ss"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(sText)));
    // Each object in turn fills the memo under its designators.
    ASSERT_NO_FATAL_FAILURE(mCompareSet(xUs, xUsParsed, sText));
    ASSERT_NO_FATAL_FAILURE(mCompareSet(xOther, xOtherParsed, sText));
    ASSERT_NO_FATAL_FAILURE(mCompareSet(xUs, xUsParsed, sText));
    ASSERT_NO_FATAL_FAILURE(mCompareSet(xOther, xOtherParsed, sText));
  }
}

// The text may be the object's own current text.
TEST_F(FormatMemoTest, OwnTextSetsAgain) {
  CmTimeCls xMemo;
  CmTimeCls xParsed;
  for (const wchar_t* sText : {L"mmmm d, yyyy h:mm:ss AM/PM", L"dd-mmm-yy"}) {
    ASSERT_NO_FATAL_FAILURE(mCompareSet(xMemo, xParsed, sText));
    const std::wstring sOwn = xMemo.mGetDateTimeFmt().str();
    cvn::detail::mSetFormatMemoEnabled(true);
    EXPECT_TRUE(xMemo.mSetFormat(sOwn.c_str()));
    EXPECT_EQ(xMemo.mGetDateTimeFmt().str(), sOwn);
    EXPECT_EQ(Access::mState(xMemo), Access::mState(xParsed));
  }
}

}  // namespace
