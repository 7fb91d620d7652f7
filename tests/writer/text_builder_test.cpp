// The writer lays out its text in a local buffer that continues in the
// caller's string when it fills up; it must leave exactly what appending to
// the string piece by piece leaves.

#include "time/writer/text_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CvnOdbcTypes.h"
#include "tests/writer/writer_fixture.h"
#include "time/writer/digits.h"
#include "time/writer/writer_impl.h"

namespace {

using cvn::detail::xTextBuilder;

// Random pieces of 0 to 40 characters (now and then 200), clears now and
// then: the builder and a plain string must agree after every step.
TEST(TextBuilder, AgreesWithPlainAppends) {
  std::mt19937 xRandom(7u);
  for (int iRun = 0; iRun < 3000; ++iRun) {
    std::wstring sOut = L"stale";
    std::wstring sReference;
    xTextBuilder xText(sOut);
    xText.clear();
    const int iSteps = static_cast<int>(xRandom() % 40);
    for (int i = 0; i < iSteps; ++i) {
      const unsigned uKind = xRandom() % 20;
      if (uKind == 0) {
        xText.clear();
        sReference.clear();
      } else if (uKind < 8) {
        const wchar_t c = static_cast<wchar_t>(L'a' + xRandom() % 26);
        xText += c;
        sReference += c;
      } else {
        const size_t iLen = uKind == 19 ? 200 : xRandom() % 41;
        const std::wstring sPiece(iLen, static_cast<wchar_t>(L'A' + xRandom() % 26));
        if (uKind % 2 == 0) {
          xText += sPiece;
        } else {
          xText.append(sPiece.data(), sPiece.size());
        }
        sReference += sPiece;
      }
      ASSERT_EQ(xText.size(), sReference.size());
      ASSERT_EQ(xText.empty(), sReference.empty());
      ASSERT_EQ(std::wstring(xText.data(), xText.size()), sReference);
    }
    xText.mFinish();
    ASSERT_EQ(sOut, sReference);
  }
}

TEST(TextBuilder, FillsExactlyToItsEdge) {
  // One character short of, exactly at and one past the local room.
  for (size_t iLen : {159u, 160u, 161u}) {
    std::wstring sOut;
    xTextBuilder xText(sOut);
    xText.append(std::wstring(iLen - 1, L'x').data(), iLen - 1);
    xText += L'y';
    xText += L"z";
    xText.mFinish();
    EXPECT_EQ(sOut, std::wstring(iLen - 1, L'x') + L"yz") << iLen;
  }
}

// A date separator longer than the local room: the text continues in the
// caller's string.
TEST_F(WriterTest, LongSeparatorsWriteWhole) {
  const std::wstring sSep(200, L'~');
  mFormat("N1 D1 Y4 h1 m2 s2", sSep.c_str(), L"::");
  const std::wstring sDate = L"3" + sSep + L"15" + sSep + L"2000";
  EXPECT_EQ(mWrite(mAt(kJan1st2000 + 74, 22, 30, 45)),  // 15 March 2000
            sDate + L" 22::30::45|" + sDate + L"|22::30::45");
}

// One string passed as text and as the date or time text ends as the whole
// text, as it did when the write appended to it directly.
TEST_F(WriterTest, SharedOutputStringsHoldTheWholeText) {
  mFormat("N1 D1 Y4 h1 m2 s2");
  const double t = mAt(kJan1st2000 + 74, 22, 30, 45);
  CmString sShared;
  CmString sOther;
  m_time.mCorvaneTimeToStr(t, false, sShared, sShared, sOther, 0);
  EXPECT_EQ(sShared.str(), L"3/15/2000 22:30:45");
  EXPECT_EQ(sOther.str(), L"22:30:45");
  m_time.mCorvaneTimeToStr(t, false, sShared, sOther, sShared, 0);
  EXPECT_EQ(sOther.str(), L"3/15/2000");
  EXPECT_EQ(sShared.str(), L"22:30:45");
}

// Four-digit years are laid out directly; printf's "%04.4i" is the
// reference for every value near and far from them.
TEST(WriterDigits, FourDigitYearsAsPrintfWritesThem) {
  std::vector<std::int64_t> vValues;
  for (std::int64_t v = -20000; v <= 20000; ++v) vValues.push_back(v);
  for (std::int64_t v : {INT64_MIN, INT64_MIN + 1, std::int64_t{-2147483648LL},
                         std::int64_t{2147483647}, INT64_MAX}) {
    vValues.push_back(v);
  }
  for (std::int64_t v : vValues) {
    std::wstring s = L"<";
    cvn::detail::mAppendFourDigits(s, v);
    wchar_t szReference[64];
    const int n = std::swprintf(szReference, 64, L"%04.4lli", static_cast<long long>(v));
    ASSERT_EQ(s, L"<" + std::wstring(szReference, static_cast<size_t>(n))) << v;
  }
}

// The separator rule as first written: the full case-blind comparison for
// every separator of the right length.
cvn::detail::xDateSeparatorRule mReferenceRule(const wchar_t* dateSep,
                                               const cvn::detail::xWriterParts& parts) {
  cvn::detail::xDateSeparatorRule xRule{};
  const size_t iLength = std::wcslen(dateSep);
  xRule.bNone = (iLength == 2 && mStrCompareIgnore(dateSep, L"WK") == 0) ||
                (iLength == 1 && mStrCompareIgnore(dateSep, L"Q") == 0);
  xRule.bBlankStyle = (iLength == 1 && dateSep[0] == L' ') ||
                      (iLength == 2 && dateSep[0] == L',' && dateSep[1] == L' ');
  xRule.bMonthDayYear =
      parts.iNumParts >= 3 &&
      (parts.xParts[0].ePart == xMonthAbbrev || parts.xParts[0].ePart == xMonthName) &&
      parts.xParts[1].ePart == xDay && parts.xParts[2].ePart == xYear;
  return xRule;
}

// Separators of one character, every code unit, and of two, every first
// code unit before the letters that may or may not fold to "k".
TEST(WriterRules, SeparatorRuleSameAsFullComparison) {
  cvn::detail::xWriterParts xParts{};
  xParts.iNumParts = 3;
  xParts.xParts[0] = {xMonthName, 4};
  xParts.xParts[1] = {xDay, 1};
  xParts.xParts[2] = {xYear, 4};
  auto fSame = [&](const wchar_t* sep) {
    const cvn::detail::xDateSeparatorRule a = cvn::detail::mDateSeparatorRule(sep, xParts);
    const cvn::detail::xDateSeparatorRule b = mReferenceRule(sep, xParts);
    return a.bNone == b.bNone && a.bBlankStyle == b.bBlankStyle &&
           a.bMonthDayYear == b.bMonthDayYear;
  };
  for (wchar_t c = 1; c < 0x11000; ++c) {
    const wchar_t szOne[2] = {c, L'\0'};
    ASSERT_TRUE(fSame(szOne)) << static_cast<long>(c);
    for (wchar_t cSecond : {L'k', L'K', static_cast<wchar_t>(0x212A), L'x', L' '}) {
      const wchar_t szTwo[3] = {c, cSecond, L'\0'};
      ASSERT_TRUE(fSame(szTwo)) << static_cast<long>(c) << " " << static_cast<long>(cSecond);
    }
  }
  EXPECT_TRUE(cvn::detail::mDateSeparatorRule(L"wK", xParts).bNone);
  EXPECT_TRUE(cvn::detail::mDateSeparatorRule(L"q", xParts).bNone);
  EXPECT_FALSE(cvn::detail::mDateSeparatorRule(L"/", xParts).bNone);
}

// The split of an absolute value runs the calendar arithmetic inline; the
// ODBC conversion of the rounded value (held to the calendar members by the
// calendar tests) gives the same fields.
TEST_F(WriterTest, AbsoluteSplitSameAsCalendarConversion) {
  std::mt19937_64 xRandom(5u);
  std::uniform_real_distribution<double> xValue(-330000.0, 770000.0);
  for (const char* sSpec : {"N1 D1 Y4 h1 m2 s2", "N1 D1 Y4 h1 m2 s2 f3", "N1 D1 Y4 h1 m2 s2 f1"}) {
    mFormat(sSpec);
    const CmTimeCls::xTimePartsStruct* pLast = nullptr;
    CmTimeCls::xTimePartsStruct xLast{};
    {
      std::istringstream in(sSpec);
      std::string sToken;
      while (in >> sToken) {
        xLast.ePart =
            static_cast<xTimePartsEnum>(std::string(CmTimeClsTestAccess::kKinds).find(sToken[0]));
        xLast.iCount = sToken[1] - '0';
      }
      pLast = &xLast;
    }
    for (int i = 0; i < 300000; ++i) {
      const double t = i % 5 == 0 ? std::floor(xValue(xRandom)) : xValue(xRandom);
      CmTimeWriterImpl::xShownValue x{};
      const bool bShown = CmTimeWriterImpl::mSplitAbsolute(m_time, t, &x);
      const double v = t + cvn::detail::mAbsoluteRounding(pLast);
      tagTIMESTAMP_STRUCT ts{};
      m_time.mCorvaneTimeToODBC(v, &ts);
      const bool bInRange = ts.year >= 1000 && ts.year <= 4000;
      ASSERT_EQ(bShown, bInRange) << t;
      if (!bShown) continue;
      ASSERT_EQ(x.iYear, ts.year) << t;
      ASSERT_EQ(x.iMonth, ts.month) << t;
      ASSERT_EQ(x.iDay, ts.day) << t;
      ASSERT_EQ(x.iHour, ts.hour) << t;
      ASSERT_EQ(x.iMinute, ts.minute) << t;
      ASSERT_EQ(x.iSecond, ts.second) << t;
      ASSERT_EQ(static_cast<unsigned>(x.iThousandths) * 1000000u, ts.fraction) << t;
    }
  }
}

}  // namespace
