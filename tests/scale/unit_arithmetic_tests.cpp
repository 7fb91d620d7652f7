// Unit arithmetic on Corvane times: stepping by units, boundary counts,
// counts in a range, larger-unit changes, increments, the length of one
// unit and the unit in which a column of times varies.

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

#include "support/access.h"

namespace {

using cvn::test::AssertCapture;
using cvn::test::kMissing;
using cvn::test::T;
using Access = CmTimeClsTestAccess::Scale;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class UnitArithmetic : public testing::Test {
 protected:
  void SetUp() override { CmTimeClsTestAccess::mSetStartDay(m_time, 0); }  // weeks begin on Monday
  // 'N' mNormToCorvaneTime(a, unit, b), 'D' mGetTimeDiff(a, b, unit),
  // 'R' mNumTimesInRange(a, b, increment, unit), 'C' mDidBiggerTimeUnitChange.
  double Run(char op, double a, double b, double increment, int unit) const {
    const auto eUnit = static_cast<xTimePartsEnum>(unit);
    double r = -12345.0;
    if (op == 'N') m_time.mNormToCorvaneTime(a, eUnit, b, &r);
    if (op == 'D') r = Access::mGetTimeDiff(m_time, a, b, eUnit);
    if (op == 'R') r = m_time.mNumTimesInRange(a, b, increment, eUnit);
    if (op == 'C') r = Access::mChanged(m_time, eUnit, a, b);
    return r;
  }
  CmTimeCls m_time;
};

TEST_F(UnitArithmetic, Operations) {
  const double kEve = T(2000, 12, 31), kNew = T(2001, 1, 1), t = T(2001, 3, 4, 5, 6, 7);
  const struct {
    char cOp;
    double a, b, dIncrement;
    int iUnit;
    double dExpected;
    unsigned uLine;  // the first mAssert line reported, 0 for none
  } kRows[] = {
      {'N', 1, T(2001, 1, 31), 0, xMonthNumber, T(2001, 2, 28), 0},  // to the end of February
      {'N', 1, T(2000, 1, 31), 0, xMonthNumber, T(2000, 2, 29), 0},  // of a leap February
      {'N', -13, T(2001, 1, 15), 0, xMonthNumber, T(1999, 12, 15), 0},
      {'N', -1.9, T(2001, 5, 31), 0, xMonthName, T(2001, 4, 30), 0},  // toward zero: one month
      {'N', 1, T(2000, 11, 30), 0, xQuarterLabelFirst, T(2001, 2, 28), 0},
      {'N', 1, T(2000, 2, 29), 0, xYear, T(2001, 3, 1), 0},  // 29 February 2001 is 1 March
      {'N', 1.5, T(2001, 1, 1), 0, xWeekLabelFirst, T(2001, 1, 11), 0},   // 10.5 days: 10
      {'N', 1.9, T(2001, 1, 1, 8), 0, xDay, T(2001, 1, 2, 8), 0},         // 1.9 days add one
      {'N', 1.5, T(2001, 1, 1, 10), 0, xHour, T(2001, 1, 1, 11, 30), 0},  // clock units: fractions
      {'N', 1, T(2001, 1, 1, 23, 59, 59, 999), 0, xThousandth, T(2001, 1, 2), 0},
      // Unit boundaries from a to b: 31 December 2000 to 1 January 2001 is
      // one of each; 1 January to 31 December 2001 no year and 11 months.
      {'D', kEve, kNew, 0, xYear, 1, 0},
      {'D', kNew, T(2001, 12, 31), 0, xYear, 0, 0},
      {'D', kNew, T(2001, 12, 31), 0, xMonthName, 11, 0},
      {'D', T(1999, 2, 10), T(2001, 8, 1), 0, xQuarterLabelFirst, 10, 0},
      {'D', T(2001, 12, 31), T(2002, 1, 1), 0, xWeekNumberFirst, 1, 0},  // week 53 to week 1
      // Regression: 25 days and more in thousandths, 68 years and more in
      // seconds used to wrap in 32 bits.
      {'D', kNew, T(2001, 1, 31), 0, xThousandth, 2592000000.0, 0},
      {'D', T(1900, 1, 1), T(2000, 1, 1), 0, xSecond, 36524.0 * 86400, 0},
      // Times start, start + increment, ... at or before the end.
      {'R', t, t, 1, xDay, 1, 0},
      {'R', t, t + 10, 2, xDay, 6, 0},
      {'R', kNew, T(2001, 10, 1), 1, xQuarterLabelFirst, 4, 0},
      {'R', T(2001, 1, 31), T(2001, 2, 28), 1, xMonthNumber, 2, 0},
      {'R', T(2001, 1, 31), T(2001, 2, 27), 1, xMonthNumber, 1, 0},
      {'R', T(1900, 1, 1), T(1968, 1, 1), 1, xSecond, 2145830401, 0},
      {'R', T(1000, 1, 1), T(4000, 1, 1), 1, xThousandth, INT_MAX, 0},  // clamped
      // Whether the next larger unit's text changed from a to b.
      {'C', kEve, kNew, 0, xMonthNumber, 1, 0},
      {'C', T(1000, 1, 1), T(4000, 1, 1), 0, xYear, 0, 0},  // never for years
      {'C', kNew, T(2002, 1, 31), 0, xDay, 0, 0},           // the same month number
      // Units without a rule: a report, and the time back, 0, or false.
      {'N', 5, t, 0, xNoPart, t, 5359},
      {'D', kNew, T(2001, 1, 2), 0, xHundredth, 0, 9341},
      {'R', kNew, T(2001, 1, 5), 1, xNoPart, 1, 5545},  // a span of 0: the start alone
      {'C', kEve, kNew, 0, xMonthAbbrev, 0, 4441},
      // Inputs without a defined result: the choices made. Times outside
      // the years 1 to 9999 (and NaN, infinities, the missing-value code)
      // are not stepped: the missing-value code; nothing is counted (0).
      {'N', 1, kNaN, 0, xDay, kMissing, 0},
      {'N', 1, T(9999, 12, 31), 0, xDay, kMissing, 0},         // past the last day
      {'N', -1, T(1, 1, 3), 0, xWeekLabelFirst, kMissing, 0},  // before the first day
      {'N', 0, T(9999, 12, 31, 12), 0, xDay, T(9999, 12, 31, 12), 0},
      {'D', kNew, kNew, 0, xDay, 0, 0},       // only a later second time counts
      {'D', kNew, kEve, 0, xTenth, 0, 0},     // nothing counted: no report either
      {'R', kNew, kEve + 32, 0, xDay, 0, 0},  // an increment of 0 or below never passes the end
      {'R', kNew, kEve + 2, 1e-300, xDay, INT_MAX, 0},
      {'R', kEve + 32, kNew, 1, xDay, 0, 0},  // an end before the start: no negative count
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.cOp << " " << row.a << " " << row.b << " by "
                                    << row.dIncrement << " in " << row.iUnit);
    AssertCapture log;
    EXPECT_DOUBLE_EQ(Run(row.cOp, row.a, row.b, row.dIncrement, row.iUnit), row.dExpected);
    const std::string sFirst =
        AssertCapture::mReports().empty() ? "" : AssertCapture::mReports()[0];
    EXPECT_EQ(sFirst, row.uLine ? "false time " + std::to_string(row.uLine) : "");
  }
  m_time.mNormToCorvaneTime(1, xDay, 0.0, nullptr);  // no result to write: no crash
}

TEST_F(UnitArithmetic, IncrementsAndOneUnitNearTheClock) {
  std::vector<int> steps = {9};
  for (int i = 0; i < 4; ++i) Access::mAddTimeIncrement(m_time, {5, 0, -2}, steps);
  EXPECT_EQ(steps, (std::vector<int>{9, 0, -2, 1, 1}));  // by the index steps.size(), then 1
  // 15 January 2001, 10:20:30.400: the unit that begins one unit from now.
  const cvn::test::FixedClockGuard xClock({101, 14, 10, 20, 30, 400});
  const struct {
    xTimePartsEnum eUnit;
    double dDays;
  } kRows[] = {
      {xDay, 1},    {xWeekLabelFirst, 7},     {xMonthNumber, 28},  // 15 February to 15 March
      {xYear, 365}, {xQuarterLabelFirst, 91}, {xHour, 1 / 24.0},  {xThousandth, 1 / 86400000.0}};
  for (const auto& row : kRows)
    EXPECT_NEAR(m_time.mGetOneCvnUnitOfTime(row.eUnit), row.dDays, 1e-9);
  AssertCapture log;
  EXPECT_EQ(m_time.mGetOneCvnUnitOfTime(xNoPart), 0.0);
  EXPECT_EQ(AssertCapture::mReports(), std::vector<std::string>(2, "false time 5359"));
}

TEST_F(UnitArithmetic, UnitOfAColumn) {
  const double kJan = T(2001, 1, 1), kMar = T(2001, 3, 1, 10), x = kMissing;
  const struct {
    const wchar_t* sFormat;
    std::vector<double> vTimes;
    int iUnit;
    double dMinimum, dSpan;
  } kRows[] = {
      // Month-end dates step by months (the second value lies at most 2 days
      // before its month's end); 3 days before, or one value off, by days.
      {L"d/m/yyyy", {kJan + 30, kJan + 58, kJan + 89}, xMonthNumber, kJan + 30, 2},
      {L"d/m/yyyy", {kJan + 28, kJan + 56, kJan + 87}, xMonthNumber, kJan + 28, 2},
      {L"d/m/yyyy", {kJan + 27, kJan + 55, kJan + 86}, xDay, kJan + 27, 59},
      {L"d/m/yyyy", {kJan + 30, kJan + 58, kJan + 88}, xDay, kJan + 30, 58},
      {L"m/yyyy", {kJan, kJan + 1, T(2001, 5, 3)}, xMonthNumber, kJan, 4},  // at most months
      {L"d/m/yyyy", {T(2001, 3, 1), T(2003, 3, 1), T(2008, 3, 1)}, xYear, T(2001, 3, 1), 7},
      {L"d/m/yyyy h:mm", {kMar, T(2001, 3, 1, 14)}, xHour, kMar, 4},
      {L"d/m/yyyy h:mm", {kMar, T(2001, 3, 1, 10, 0, 5)}, xMinute, kMar, 0},
      {L"d/m/yyyy", {kJan + 151, kJan, kJan + 334}, xMonthNumber, kJan, 11},  // unordered
      // Missing, NaN, infinite values and those outside the years 1..9999
      // are skipped; with one value left: the finest part, 0 and 0.
      {L"d/m/yyyy", {x, kJan, kNaN, kJan + 4, kInf, x}, xDay, kJan, 4},
      {L"d/m/yyyy", {x, kJan, 1e300, -1e300}, xDay, 0, 0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::PrintToString(row.vTimes));
    std::vector<unsigned> vWords;
    ASSERT_TRUE(m_time.mSetFormat(row.sFormat));
    m_time.mPackFormat(vWords);
    ASSERT_TRUE(m_time.mSetFormat(L"yyyy"));  // the words must be loaded
    double dMinimum = -1, dSpan = -1;
    AssertCapture log;
    EXPECT_EQ(m_time.mFindUnitOfTime(row.vTimes.data(), static_cast<int>(row.vTimes.size()), vWords,
                                     &dMinimum, &dSpan),
              row.iUnit);
    EXPECT_DOUBLE_EQ(dMinimum, row.dMinimum);
    EXPECT_DOUBLE_EQ(dSpan, row.dSpan);
    EXPECT_TRUE(AssertCapture::mReports().empty());
  }
  // Inputs without a defined result: no values, a negative count, nowhere
  // to write; a format without parts has no unit (and reports nothing).
  const double kTwo[] = {kJan, kJan + 2};
  std::vector<unsigned> vWords;
  ASSERT_TRUE(m_time.mSetFormat(L"d/m/yyyy"));
  m_time.mPackFormat(vWords);
  double dMinimum = 5, dSpan = 5;
  EXPECT_EQ(m_time.mFindUnitOfTime(nullptr, 10, vWords, &dMinimum, &dSpan), xDay);
  EXPECT_EQ(m_time.mFindUnitOfTime(kTwo, -4, vWords, nullptr, nullptr), xDay);
  EXPECT_EQ(dMinimum + dSpan, 0);
  CmTimeClsTestAccess::mSetParts(m_time, {});
  AssertCapture log;
  EXPECT_EQ(m_time.mFindUnitOfTime(kTwo, 2, std::vector<unsigned>(4, 0u), &dMinimum, &dSpan),
            xNoPart);
  EXPECT_EQ(dMinimum, kJan);
  EXPECT_EQ(dSpan, 0);
  EXPECT_TRUE(AssertCapture::mReports().empty());
}

}  // namespace
