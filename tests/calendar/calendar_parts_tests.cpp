// Extraction of single calendar and clock parts (mGet), weekday names, and
// the integer formatting that writes them.

#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <limits>
#include <string>

#include "CmRegionalSettings.h"
#include "calendar/calendar_access.h"
#include "time/calendar/calendar_math.h"

using A = CmTimeClsTestAccess;
using P = CmTimeCls::xTimePartsStruct;

namespace {

constexpr double kMsPerDay = 86400000.0;

// Runs with the built-in English settings and name tables; restores both.
class CalendarParts : public testing::Test {
 protected:
  void SetUp() override {
    m_xSaved = mGetRegionalSettings();
    mSetRegionalSettings(mBuiltInRegionalSettings());
    mInitTimeClassMonthNames();
    A::mSetStartDay(m_o, 6);
    A::mSetParts(m_o, {});
  }
  void TearDown() override {
    mSetRegionalSettings(m_xSaved);
    mInitTimeClassMonthNames();
  }

  std::wstring mText(double t, int what, int* number) {
    CmString sText(L"stale");
    *number = m_o.mGet(t, static_cast<xTimeExtractEnum>(what), sText);
    return sText.str();
  }

  CmTimeCls m_o;
  CmRegionalSettings m_xSaved;
};

std::wstring mLabel(int id) { return CmString(id).str(); }

}  // namespace

TEST_F(CalendarParts, ResourceLabels) {
  EXPECT_EQ(mLabel(55673), L"Q");
  EXPECT_EQ(mLabel(55676), L"Wk");
}

// 15 August 2024, a Thursday, at 10:45:30.250, with no parts in the format.
TEST_F(CalendarParts, EveryExtractionWithoutFormatParts) {
  const double t = 45519 + (10 * 3600000 + 45 * 60000 + 30250) / kMsPerDay;
  const std::wstring sQ = mLabel(55673);
  const std::wstring sWk = mLabel(55676);
  struct {
    int iWhat, iNumber;
    std::wstring sText;
  } const kRows[] = {
      {0, 24, L"24"},        {1, 2024, L"2024"},    {2, 3, sQ + L"3"},     {3, 3, L"3" + sQ},
      {4, 8, L"8"},          {5, 8, L"August"},     {6, 8, L"Aug"},        {7, 33, sWk + L"33"},
      {8, 33, L"33" + sWk},  {9, 15, L"15"},        {10, 3, L"Thu"},       {11, 10, L"10"},
      {12, 45, L"45"},       {13, 30, L"30"},       {14, 2, L"2"},         {15, 25, L"25"},
      {16, 250, L"250"},     {17, 33, sWk + L"33"}, {18, 20, sWk + L"20"}, {19, 7, sWk + L"07"},
      {20, 46, sWk + L"46"}, {21, -1, L""},         {-1, -1, L""},         {INT_MAX, -1, L""},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.iWhat);
    int iNumber = 0;
    EXPECT_EQ(mText(t, row.iWhat, &iNumber), row.sText);
    EXPECT_EQ(iNumber, row.iNumber);
  }
}

// 1 January 2024 (a Monday) at 01:02:03.004: small numbers show the widths.
TEST_F(CalendarParts, WidthsFromTheCurrentFormat) {
  const double t = 45292 + (1 * 3600000 + 2 * 60000 + 3004) / kMsPerDay;
  const std::wstring sWk = mLabel(55676);
  struct {
    std::initializer_list<P> xParts;
    int iWhat;
    std::wstring sText;
  } const kRows[] = {
      {{}, 0, L"24"},
      {{}, 4, L"1"},
      {{{xMonthNumber, 2}}, 4, L"01"},
      {{{xMonthNumber, 1}}, 4, L"1"},
      {{{xYear, 4}, {xMonthNumber, 2}}, 4, L"01"},
      {{}, 7, sWk + L"01"},
      {{{xWeekLabelFirst, 1}}, 7, sWk + L"1"},
      {{{xWeekLabelFirst, 2}}, 17, sWk + L"01"},
      {{}, 8, L"01" + sWk},
      {{{xWeekNumberFirst, 1}}, 8, L"1" + sWk},
      {{{xWeekLabelFirst, 1}}, 8, L"01" + sWk},  // the other week part has no say
      {{}, 9, L"1"},
      {{{xDay, 2}}, 9, L"01"},
      {{{xHour, 2}}, 11, L"01"},
      {{{xMinute, 2}}, 12, L"02"},
      {{{xSecond, 2}}, 13, L"03"},
      {{{xSecond, 1}}, 13, L"3"},
      {{}, 16, L"4"},
      {{{xThousandth, 3}}, 16, L"004"},
      {{{xThousandth, 3}}, 15, L"00"},
      {{{xThousandth, 3}}, 14, L"0"},
      {{{xThousandth, 1}}, 16, L"4"},
      {{{xThousandth, 2}}, 16, L"04"},
      {{{xThousandth, 1}}, 14, L"0"},  // width -1: left-justified in one place
      {{{xThousandth, -5}}, 16, L"4    "},
      {{{xDay, INT_MIN}}, 9, L"1" + std::wstring(63, L' ')},  // capped width
      {{{xDay, INT_MAX}}, 9, std::wstring(63, L'0') + L"1"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iWhat << " with " << row.xParts.size() << " parts");
    A::mSetParts(m_o, row.xParts);
    int iNumber = 0;
    EXPECT_EQ(mText(t, row.iWhat, &iNumber), row.sText);
  }
}

TEST_F(CalendarParts, WeekdaysAndNames) {
  const wchar_t* const kNames[] = {L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat", L"Sun"};
  for (int i = 0; i < 14; ++i) {
    const double t = 45292 + i + 0.99;  // from Monday 1 January 2024
    SCOPED_TRACE(i);
    int iNumber = 0;
    EXPECT_EQ(mText(t, xExtractDayOfWeek, &iNumber), kNames[i % 7]);
    EXPECT_EQ(iNumber, i % 7);
    CmString sName(L"stale");
    EXPECT_EQ(A::miDayOfWeek(m_o, t, sName), i % 7);
    EXPECT_EQ(sName, kNames[i % 7]);
  }
  CmString sName;
  EXPECT_EQ(A::miDayOfWeek(m_o, -0.25, sName), 4);  // 29 December 1899, a Friday
  EXPECT_EQ(A::miDayOfWeek(m_o, 0.0, sName), 5);
}

TEST_F(CalendarParts, YearsAcrossDigitCounts) {
  struct {
    int iYear;
    std::wstring sYear2, sYear4;
  } const kRows[] = {
      {1000, L"00", L"1000"}, {1909, L"09", L"1909"}, {4000, L"00", L"4000"},
      {1, L"01", L"0001"},    {99, L"99", L"0099"},   {10000, L"00", L"10000"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.iYear);
    double t = 0.0;
    m_o.mGenerateCorvaneTime(row.iYear, 6, 1, 0, 0, 0, 0, &t);
    int iNumber = 0;
    EXPECT_EQ(mText(t, xExtractYear2, &iNumber), row.sYear2);
    EXPECT_EQ(mText(t, xExtractYear4, &iNumber), row.sYear4);
    EXPECT_EQ(iNumber, row.iYear);
  }
}

// A value of any size gives some text and number, never a crash; the
// missing-value code and NaN are not checked here (the callers do that).
TEST_F(CalendarParts, AnyDoubleIsDefined) {
  const double kValues[] = {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::lowest(),
                            -0.0,
                            -1e-300,
                            2147483647.0,
                            -2147483648.0};
  for (double t : kValues) {
    SCOPED_TRACE(t);
    for (int iWhat = 0; iWhat <= 20; ++iWhat) {
      int iNumber = 0;
      const std::wstring sText = mText(t, iWhat, &iNumber);
      EXPECT_FALSE(sText.empty()) << iWhat;
    }
  }
  int iNumber = 0;
  EXPECT_EQ(mText(std::numeric_limits<double>::lowest(), xExtractYear2, &iNumber), L"-11");
  EXPECT_EQ(iNumber, -11);  // year -5877711: the remainder keeps its sign
  EXPECT_EQ(mText(std::numeric_limits<double>::max(), xExtractYear4, &iNumber), L"5881510");
}

// The digit writers agree with the C library's printf for the formats they
// stand for.
TEST(CalendarFormatting, MatchesPrintf) {
  const int kValues[] = {INT_MIN, -123456, -1000, -99, -10, -9,  -5,  -1,    0,
                         1,       5,       9,     10,  99,  100, 999, 12345, INT_MAX};
  for (int iValue : kValues) {
    for (int iWidth = -12; iWidth <= 12; ++iWidth) {
      wchar_t szExpected[64];
      std::swprintf(szExpected, 64, L"%0*d", iWidth, iValue);
      std::wstring sActual;
      cvn::detail::mAppendZeroPadded(sActual, iValue, iWidth);
      ASSERT_EQ(sActual, szExpected) << iValue << " width " << iWidth;
    }
    for (int iDigits = -1; iDigits <= 12; ++iDigits) {
      wchar_t szExpected[64];
      std::swprintf(szExpected, 64, L"%.*d", iDigits, iValue);
      std::wstring sActual;
      cvn::detail::mAppendInt(sActual, iValue, iDigits);
      ASSERT_EQ(sActual, szExpected) << iValue << " digits " << iDigits;
    }
    wchar_t szTwo[32];
    wchar_t szFour[32];
    std::swprintf(szTwo, 32, L"%2.2d", iValue);
    std::swprintf(szFour, 32, L"%4.4d", iValue);
    std::wstring sTwo;
    std::wstring sFour;
    cvn::detail::mAppendInt(sTwo, iValue, 2);
    cvn::detail::mAppendInt(sFour, iValue, 4);
    EXPECT_EQ(sTwo, szTwo);
    EXPECT_EQ(sFour, szFour);
  }
  std::wstring sAppended(L"ab");
  cvn::detail::mAppendZeroPadded(sAppended, 7, 3);
  EXPECT_EQ(sAppended, L"ab007");  // appends, keeps what was there
}
