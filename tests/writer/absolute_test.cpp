// Absolute values: parts and widths, rounding, the showable range, values
// that are no time at all, separators, the date and time portions and the
// day number.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CvnBasicTypes.h"
#include "tests/writer/writer_fixture.h"

namespace {

struct xCase {
  const char* sName;
  std::vector<Part> vParts;
  double dValue;
  const wchar_t* sText;
};

}  // namespace

TEST_F(WriterTest, PartsAndWidths) {
  const double kNoon = mAt(kJan1st2000, 12);
  const double kAfternoon = mAt(kJan1st2000 + 279, 14, 5, 9);  // 6 October 2000 14:05:09
  const xCase kCases[] = {
      {"m/d/yyyy", mMdy(), kNoon, L"1/1/2000"},
      {"mm/dd/yy", {{xMonthNumber, 2}, {xDay, 2}, {xYear, 2}}, kNoon, L"01/01/00"},
      {"yyyy/m/d", {{xYear, 4}, {xMonthNumber, 1}, {xDay, 1}}, kAfternoon, L"2000/10/6"},
      {"yy/mm/dd", {{xYear, 2}, {xMonthNumber, 2}, {xDay, 2}}, kAfternoon, L"00/10/06"},
      {"year count 1 writes four digits", {{xYear, 1}}, kNoon, L"2000"},
      {"year count 3 writes four digits", {{xYear, 3}}, kNoon, L"2000"},
      {"two-digit year of 2005", {{xYear, 2}}, mAt(38353, 0), L"05"},  // 1 January 2005
      {"two-digit year of 1999", {{xYear, 2}}, mAt(36525, 0), L"99"},
      {"mmm", {{xMonthAbbrev, 3}}, kAfternoon, L"Oct"},
      {"mmmm", {{xMonthName, 4}}, kAfternoon, L"October"},
      {"day count 1", {{xDay, 1}}, kAfternoon, L"6"},
      {"day count 2", {{xDay, 2}}, kAfternoon, L"06"},
      {"h:mm:ss", mHms(), kAfternoon, L"14:05:09"},
      {"hh:mm:ss", {{xHour, 2}, {xMinute, 2}, {xSecond, 2}}, mAt(1, 7, 5, 9), L"07:05:09"},
      {"h:mm", {{xHour, 1}, {xMinute, 2}}, kAfternoon, L"14:05"},
      {"minute count 1", {{xHour, 1}, {xMinute, 1}}, kAfternoon, L"14:5"},
      {"second count 1", {{xMinute, 1}, {xSecond, 1}}, kAfternoon, L"5:9"},
      {"h:mm:ss.s",
       {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 1}},
       mAt(1, 7, 5, 9, 123),
       L"7:05:09.1"},
      {"h:mm:ss.ss",
       {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 2}},
       mAt(1, 7, 5, 9, 123),
       L"7:05:09.12"},
      {"h:mm:ss.sss",
       {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}},
       mAt(1, 7, 5, 9, 123),
       L"7:05:09.123"},
      {"fraction of 7 ms", {{xSecond, 2}, {xThousandth, 3}}, mAt(1, 7, 5, 9, 7), L"09.007"},
      {"fraction of 70 ms", {{xSecond, 2}, {xThousandth, 3}}, mAt(1, 7, 5, 9, 70), L"09.070"},
      {"fraction count 4 writes three digits",
       {{xSecond, 2}, {xThousandth, 4}},
       mAt(1, 7, 5, 9, 7),
       L"09.007"},
      {"m/d/yyyy h:mm:ss", mMdyHms(), kAfternoon, L"10/6/2000 14:05:09"},
      {"d-mmm-yy h:mm:ss",
       {{xDay, 1}, {xMonthAbbrev, 3}, {xYear, 2}, {xHour, 1}, {xMinute, 2}, {xSecond, 2}},
       kAfternoon,
       L"6/Oct/00 14:05:09"},
      {"a format without parts writes nothing", {}, kNoon, L""},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts);
    EXPECT_EQ(mWrite(row.dValue).sText, row.sText);
  }
}

TEST_F(WriterTest, DaysOfTheScale) {
  struct {
    double dValue;
    const wchar_t* sText;
  } const kCases[] = {
      {0.0, L"12/30/1899 0:00:00"},
      {-0.0, L"12/30/1899 0:00:00"},  // negative zero is day 0
      {1.0, L"12/31/1899 0:00:00"},
      {2.0, L"1/1/1900 0:00:00"},
      {61.0, L"3/1/1900 0:00:00"},
      {25569.0, L"1/1/1970 0:00:00"},
      {36526.0, L"1/1/2000 0:00:00"},
      {36585.0, L"2/29/2000 0:00:00"},
      {45351.0, L"2/29/2024 0:00:00"},
      {-363.0, L"1/1/1899 0:00:00"},
      {-0.25, L"12/29/1899 18:00:00"},  // a negative value belongs to the day below it
      {1.5, L"12/31/1899 12:00:00"},
      // Denormals are 0 to the writer.
      {std::numeric_limits<double>::denorm_min(), L"12/30/1899 0:00:00"},
      {-std::numeric_limits<double>::denorm_min(), L"12/30/1899 0:00:00"},
      {DBL_MIN, L"12/30/1899 0:00:00"},
  };
  mFormat(mMdyHms());
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.dValue);
    EXPECT_EQ(mWrite(row.dValue).sText, row.sText);
  }
}

TEST_F(WriterTest, RoundsToTheLastPartShown) {
  const std::vector<Part> kTenths = {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 1}};
  const std::vector<Part> kHundredths = {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 2}};
  const std::vector<Part> kMillis = {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}};
  const int d = kJan1st2000;
  const xCase kCases[] = {
      // Half a second is added before the parts are cut.
      {"second edge below", mMdyHms(), mAt(d, 12, 0, 0, 499), L"1/1/2000 12:00:00"},
      {"second edge", mMdyHms(), mAt(d, 12, 0, 0, 500), L"1/1/2000 12:00:01"},
      {"minute edge below", mMdyHms(), mAt(d, 12, 59, 59, 499), L"1/1/2000 12:59:59"},
      {"minute and hour edge", mMdyHms(), mAt(d, 12, 59, 59, 500), L"1/1/2000 13:00:00"},
      {"day edge below", mMdyHms(), mAt(d, 23, 59, 59, 499), L"1/1/2000 23:59:59"},
      {"day edge", mMdyHms(), mAt(d, 23, 59, 59, 500), L"1/2/2000 0:00:00"},
      {"0.432 s before midnight", mMdyHms(), 36526.999995, L"1/2/2000 0:00:00"},
      {"0.864 s before midnight", mMdyHms(), 36526.99999, L"1/1/2000 23:59:59"},
      {"year edge", mMdyHms(), mAt(36891, 23, 59, 59, 600), L"1/1/2001 0:00:00"},
      // A date-only format rounds by half a second too.
      {"date at the day edge", mMdy(), mAt(d, 23, 59, 59, 500), L"1/2/2000"},
      {"date below the day edge", mMdy(), mAt(d, 23, 59, 59, 499), L"1/1/2000"},
      // Minutes are not rounded: only half a second is added.
      {"h:mm keeps 59 seconds", {{xHour, 1}, {xMinute, 2}}, mAt(d, 12, 0, 59, 400), L"12:00"},
      // Fractions: 50 ms for one digit, 5 ms for two, nothing for three.
      {"tenths below", kTenths, mAt(d, 12, 0, 0, 949), L"12:00:00.9"},
      {"tenths edge", kTenths, mAt(d, 12, 0, 0, 950), L"12:00:01.0"},
      {"hundredths below", kHundredths, mAt(d, 12, 0, 0, 994), L"12:00:00.99"},
      {"hundredths edge", kHundredths, mAt(d, 12, 0, 0, 995), L"12:00:01.00"},
      {"thousandths are not rounded", kMillis, mAt(d, 12, 0, 0, 999), L"12:00:00.999"},
      {"thousandths at the day edge", kMillis, mAt(d, 23, 59, 59, 999), L"23:59:59.999"},
      {"tenths carry over midnight", kTenths, mAt(d, 23, 59, 59, 950), L"0:00:00.0"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts);
    EXPECT_EQ(mWrite(row.dValue).sText, row.sText);
  }
}

TEST_F(WriterTest, ShowableYearsEndAt1000And4000) {
  struct {
    const char* sName;
    double dValue;
    const wchar_t* sText;
  } const kCases[] = {
      {"1 January 1000", kJan1st1000, L"1/1/1000 0:00:00"},
      {"0.4 s before 1 January 1000 rounds into it", -328716.0000046296, L"1/1/1000 0:00:00"},
      {"0.6 s before 1 January 1000", -328716.0000069444, L"*"},
      {"31 December 999", kJan1st1000 - 1.0, L"*"},
      {"31 December 999 at noon", kJan1st1000 - 0.5, L"*"},
      {"31 December 4000", kDec31st4000, L"12/31/4000 0:00:00"},
      {"0.864 s before 4001", kDec31st4000 + 0.99999, L"12/31/4000 23:59:59"},
      {"0.432 s before 4001 rounds into it", kDec31st4000 + 0.999995, L"*"},
      {"1 January 4001", kDec31st4000 + 1.0, L"*"},
      // Beyond the quick day-number bound, (n - 367) / 366 > 3000.
      {"day 1098733", 1098733.0, L"*"},
      {"day 1098734", 1098734.0, L"*"},
      {"day 2147483646", 2147483646.0, L"*"},
      {"beyond mGetMaxInteger", 2147483648.0, L"*"},
      {"1e300", 1e300, L"*"},
      {"largest double", DBL_MAX, L"*"},
      {"-1e299", -1e299, L"*"},
      {"lowest double", -DBL_MAX, L"*"},
      {"day -2147483648", -2147483648.0, L"*"},
  };
  mFormat(mMdyHms());
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    const xWritten xResult = mWrite(row.dValue);
    EXPECT_EQ(xResult.sText, row.sText);
    if (xResult.sText == L"*") {
      EXPECT_EQ(xResult.sDate, L"");
      EXPECT_EQ(xResult.sTime, L"");
    }
  }
}

TEST_F(WriterTest, ValuesThatAreNoTimeGiveAStar) {
  const double kValues[] = {
      CmCVNConst::mInstance()->mGetMissingValueCode(), std::numeric_limits<double>::quiet_NaN(),
      -std::numeric_limits<double>::quiet_NaN(),       std::numeric_limits<double>::signaling_NaN(),
      std::numeric_limits<double>::infinity(),         -std::numeric_limits<double>::infinity()};
  const std::vector<Part> kFormats[] = {mMdyHms(), mMdy(), mHms(), {}};
  for (const auto& vFormat : kFormats) {
    mFormat(vFormat);
    for (const double v : kValues) {
      SCOPED_TRACE(testing::Message() << v << " parts " << vFormat.size());
      const xWritten xResult = mWrite(v);
      EXPECT_EQ(xResult.sText, L"*");
      EXPECT_EQ(xResult.sDate, L"");
      EXPECT_EQ(xResult.sTime, L"");
      EXPECT_EQ(mWrite(v, true).sText, L"*");
      EXPECT_EQ(mWrite(v, false, 127).sText, L"*");
    }
  }
}

TEST_F(WriterTest, MonthNameSeparators) {
  const int d = kJan1st2000;
  const std::vector<Part> kNameDayYear = {{xMonthName, 4}, {xDay, 1}, {xYear, 4}};
  const std::vector<Part> kAbbrevDayYear = {{xMonthAbbrev, 3}, {xDay, 1}, {xYear, 4}};
  const std::vector<Part> kDayNameYear = {{xDay, 1}, {xMonthName, 4}, {xYear, 4}};
  const std::vector<Part> kNameYear = {{xMonthName, 4}, {xYear, 4}};
  const std::vector<Part> kYearNameDay = {{xYear, 4}, {xMonthName, 4}, {xDay, 1}};
  const std::vector<Part> kNameDayYearTime = {
      {xMonthName, 4}, {xDay, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}};
  struct {
    const char* sName;
    std::vector<Part> vParts;
    const wchar_t* sDateSep;
    const wchar_t* sText;
  } const kCases[] = {
      {"mmmm d, yyyy with blank", kNameDayYear, L" ", L"March 5, 2000"},
      {"mmmm d, yyyy with comma", kNameDayYear, L", ", L"March 5, 2000"},
      {"mmm d, yyyy", kAbbrevDayYear, L" ", L"Mar 5, 2000"},
      {"d mmmm yyyy", kDayNameYear, L" ", L"5 March 2000"},
      {"d mmmm yyyy with comma separator", kDayNameYear, L", ", L"5 March 2000"},
      {"mmmm yyyy", kNameYear, L" ", L"March 2000"},
      {"yyyy mmmm d", kYearNameDay, L" ", L"2000 March 5"},
      {"mmmm-d-yyyy", kNameDayYear, L"-", L"March-5-2000"},
      {"mmmm d, yyyy h:mm", kNameDayYearTime, L" ", L"March 5, 2000 16:07"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts, row.sDateSep);
    EXPECT_EQ(mWrite(mAt(d + 64, 16, 7)).sText, row.sText);  // 5 March 2000
  }
}

TEST_F(WriterTest, EveryMonthName) {
  const wchar_t* const kAbbrev[12] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                      L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  const wchar_t* const kName[12] = {L"January",   L"February", L"March",    L"April",
                                    L"May",       L"June",     L"July",     L"August",
                                    L"September", L"October",  L"November", L"December"};
  const int kFirstOfMonth2001[12] = {36892, 36923, 36951, 36982, 37012, 37043,
                                     37073, 37104, 37135, 37165, 37196, 37226};
  for (int m = 0; m < 12; ++m) {
    SCOPED_TRACE(m + 1);
    mFormat({{xDay, 2}, {xMonthAbbrev, 3}, {xYear, 2}}, L"-");
    EXPECT_EQ(mWrite(kFirstOfMonth2001[m]).sText, std::wstring(L"01-") + kAbbrev[m] + L"-01");
    mFormat({{xMonthName, 4}}, L" ");
    EXPECT_EQ(mWrite(kFirstOfMonth2001[m] - 0.5).sText, m == 0 ? L"December" : kName[m - 1]);
    EXPECT_EQ(mWrite(kFirstOfMonth2001[m] + 0.5).sText, kName[m]);
  }
}

TEST_F(WriterTest, QuarterAndWeekParts) {
  const int d = kJan1st2000;
  struct {
    const char* sName;
    std::vector<Part> vParts;
    const wchar_t* sDateSep;
    double dValue;
    const wchar_t* sText;
  } const kCases[] = {
      {"yyyyQq", {{xYear, 4}, {xQuarterLabelFirst, 1}}, L"Q", mAt(d, 0), L"2000Q1"},
      {"qQyyyy", {{xQuarterNumberFirst, 1}, {xYear, 4}}, L"Q", mAt(d + 200, 0), L"3Q2000"},
      {"qQ yyyy with lower-case separator",
       {{xQuarterNumberFirst, 1}, {xYear, 4}},
       L"q",
       mAt(d + 300, 0),
       L"4Q2000"},
      // With the week starting on Sunday: 1 January 2000 (a Saturday) is in
      // week 1, 2 to 8 January in week 2, 15 January in week 3.
      {"wwWkyyyy", {{xWeekNumberFirst, 2}, {xYear, 4}}, L"Wk", mAt(d + 14, 0), L"03Wk2000"},
      {"wWkyyyy", {{xWeekNumberFirst, 1}, {xYear, 4}}, L"Wk", mAt(d + 14, 0), L"3Wk2000"},
      {"yyyyWkww", {{xYear, 4}, {xWeekLabelFirst, 2}}, L"WK", mAt(d, 12), L"2000Wk01"},
      {"yyyyWkw", {{xYear, 4}, {xWeekLabelFirst, 1}}, L"wk", mAt(d + 1, 12), L"2000Wk2"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts, row.sDateSep);
    EXPECT_EQ(mWrite(row.dValue).sText, row.sText);
  }
}

TEST_F(WriterTest, TheQuarterComesFromTheUnroundedValue) {
  // 23:59:59.700 on 31 March 2000 is shown as 1 April after rounding, but
  // its quarter is taken from the value as given.
  mFormat({{xDay, 2}, {xMonthNumber, 2}, {xQuarterLabelFirst, 1}, {xYear, 4}}, L"/");
  EXPECT_EQ(mWrite(mAt(36616, 23, 59, 59, 700)).sText, L"01/04/Q1/2000");
}

TEST_F(WriterTest, DateAndTimePortions) {
  const double kNoon = mAt(kJan1st2000, 12, 34, 56);
  struct {
    const char* sName;
    std::vector<Part> vParts;
    xWritten xExpected;
  } const kCases[] = {
      {"date-time", mMdyHms(), {L"1/1/2000 12:34:56", L"1/1/2000", L"12:34:56"}},
      {"date only", mMdy(), {L"1/1/2000", L"1/1/2000", L""}},
      {"time only", mHms(), {L"12:34:56", L"", L"12:34:56"}},
      {"month name date-time",
       {{xMonthName, 4}, {xDay, 1}, {xYear, 4}, {xHour, 2}, {xMinute, 2}},
       {L"January 1, 2000 12:34", L"January 1, 2000", L"12:34"}},
      // A date part after the time parts moves the split behind it.
      {"time then date", {{xHour, 1}, {xMinute, 2}, {xDay, 1}}, {L"12:34/1", L"12:34/1", L""}},
      {"no parts", {}, {L"", L"", L""}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts, row.vParts.size() > 3 && row.vParts[0].ePart == xMonthName ? L" " : L"/");
    const xWritten xResult = mWrite(kNoon);
    EXPECT_EQ(xResult.sText, row.xExpected.sText);
    EXPECT_EQ(xResult.sDate, row.xExpected.sDate);
    EXPECT_EQ(xResult.sTime, row.xExpected.sTime);
  }
}

TEST_F(WriterTest, DayNumberReplacesTheDate) {
  struct {
    const char* sName;
    std::vector<Part> vParts;
    double dValue;
    xWritten xExpected;
  } const kCases[] = {
      {"date-time", mMdyHms(), mAt(kJan1st2000, 12), {L"36526 12:00:00", L"36526", L"12:00:00"}},
      {"date only", mMdy(), mAt(kJan1st2000, 12), {L"36526", L"36526", L""}},
      {"month name date",
       {{xMonthName, 4}, {xDay, 1}, {xYear, 4}},
       mAt(kJan1st2000, 0),
       {L"36526", L"36526", L""}},
      {"time only is unchanged", mHms(), mAt(kJan1st2000, 12), {L"12:00:00", L"", L"12:00:00"}},
      {"the rounded day", mMdyHms(), 36526.999995, {L"36527 0:00:00", L"36527", L"0:00:00"}},
      {"a negative day", mMdy(), -363.0, {L"-363", L"-363", L""}},
      {"day 0", mMdyHms(), 0.0, {L"0 0:00:00", L"0", L"0:00:00"}},
      {"1 January 1000", mMdy(), kJan1st1000, {L"-328716", L"-328716", L""}},
      {"a year beyond 4000 is still a star", mMdy(), kDec31st4000 + 1.0, {L"*", L"", L""}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts);
    const xWritten xResult = mWrite(row.dValue, true);
    EXPECT_EQ(xResult.sText, row.xExpected.sText);
    EXPECT_EQ(xResult.sDate, row.xExpected.sDate);
    EXPECT_EQ(xResult.sTime, row.xExpected.sTime);
  }
}

TEST_F(WriterTest, FractionSymbols) {
  const double kValue = mAt(kJan1st2000, 12, 0, 0, 123);
  mFormat({{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}});
  mSetOutputDecimal(L',');
  mSetInputDecimal(L'#');
  EXPECT_EQ(mWrite(kValue).sText, L"12:00:00,123");
  // A format of the fraction alone puts the input decimal symbol in front.
  mFormat({{xThousandth, 3}});
  EXPECT_EQ(mWrite(kValue).sText, L"#123");
  mFormat({{xThousandth, 2}});
  EXPECT_EQ(mWrite(kValue).sText, L"#12");
  mSetInputDecimal(L'.');
  EXPECT_EQ(mWrite(kValue).sText, L".12");
}

TEST_F(WriterTest, UnusualSeparators) {
  const double kValue = mAt(kJan1st2000 + 279, 14, 5, 9);
  struct {
    const wchar_t* sDateSep;
    const wchar_t* sTimeSep;
    const wchar_t* sText;
  } const kCases[] = {
      {L"-", L".", L"10-6-2000 14.05.09"},
      {L".", L"h", L"10.6.2000 14h05h09"},
      {L"", L"", L"1062000 140509"},
      {L" / ", L" : ", L"10 / 6 / 2000 14 : 05 : 09"},
      {L"\u00e9", L"\u4e2d", L"10\u00e96\u00e92000 14\u4e2d05\u4e2d09"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.sText)));
    mFormat(mMdyHms(), row.sDateSep, row.sTimeSep);
    EXPECT_EQ(mWrite(kValue).sText, row.sText);
  }
}
