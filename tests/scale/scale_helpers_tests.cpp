// Pure helpers of the scale arithmetic: the usable span, month carrying,
// span formulas, counts, increments, trimming and label parts.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "scale/scale_access.h"
#include "time/scale/scale_detail.h"

namespace {

using namespace cvn::detail;
using cvn::test::RefDay;
using cvn::test::RefTime;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ScaleSpan, BoundsAreTheFirstAndLastDaysOfYears1To9999) {
  EXPECT_EQ(kScaleFirstDay, RefDay(1, 1, 1));
  EXPECT_EQ(kScaleLastDay, RefDay(9999, 12, 31));
}

TEST(ScaleSpan, UsableTimes) {
  const struct {
    double t;
    bool bUsable;
  } kRows[] = {
      {0.0, true},
      {RefTime(2001, 1, 1), true},
      {kScaleFirstDay, true},
      {kScaleFirstDay - 1e-6, false},  // belongs to the day before
      {kScaleLastDay + 0.9, true},
      {kScaleLastDay + 1.0, false},
      {kNaN, false},
      {kInf, false},
      {-kInf, false},
      {cvn::test::Missing(), false},
      {1e300, false},
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(mIsScaleTime(row.t), row.bUsable) << row.t;
  }
  EXPECT_TRUE(mIsScaleDay(kScaleFirstDay));
  EXPECT_FALSE(mIsScaleDay(kScaleFirstDay - 1));
  EXPECT_TRUE(mIsScaleDay(kScaleLastDay));
  EXPECT_FALSE(mIsScaleDay(kScaleLastDay + 1));
}

TEST(ScaleMonths, CarryingRule) {
  const struct {
    int iYear, iMonth;
    double dMonths;
    int iNewYear, iNewMonth;
  } kRows[] = {
      {2001, 1, 1, 2001, 2},    {2001, 12, 1, 2002, 1},  {2001, 1, 12, 2002, 1},
      {2001, 1, 11, 2001, 12},  {2001, 1, -1, 2000, 12}, {2001, 1, -12, 2000, 1},
      {2001, 1, -13, 1999, 12},  // k = -12
      {2001, 3, -3, 2000, 12},   // k = 0
      {2001, 3, -2, 2001, 1},    // k = 1
      {2001, 1, -11, 2000, 2},   // k = -10
      {2001, 6, 0, 2001, 6},    {2001, 6, 120, 2011, 6}, {2001, 6, -120, 1991, 6},
      {1, 1, 0, 1, 1},          {9999, 12, 0, 9999, 12},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iYear << "-" << row.iMonth << " + " << row.dMonths);
    int y = 0, m = 0;
    ASSERT_TRUE(mAddScaleMonths(row.iYear, row.iMonth, row.dMonths, &y, &m));
    EXPECT_EQ(y, row.iNewYear);
    EXPECT_EQ(m, row.iNewMonth);
  }
}

TEST(ScaleMonths, LeavingTheSpanIsRefused) {
  int y = 7, m = 7;
  EXPECT_FALSE(mAddScaleMonths(9999, 12, 1, &y, &m));
  EXPECT_FALSE(mAddScaleMonths(1, 1, -1, &y, &m));
  EXPECT_FALSE(mAddScaleMonths(2000, 1, 1e9, &y, &m));
  EXPECT_FALSE(mAddScaleMonths(2000, 1, -1e18, &y, &m));
  EXPECT_FALSE(mAddScaleMonths(2000, 1, kNaN, &y, &m));
  EXPECT_FALSE(mAddScaleMonths(2000, 1, kInf, &y, &m));
  EXPECT_EQ(y, 7);
  EXPECT_EQ(m, 7);
}

TEST(ScaleMonths, Lengths) {
  const int kCommon[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(mScaleMonthLength(false, m), kCommon[m - 1]) << m;
    EXPECT_EQ(mScaleMonthLength(true, m), m == 2 ? 29 : kCommon[m - 1]) << m;
  }
}

TEST(ScaleDiff, CalendarBoundaryCounts) {
  // 31 December 2000 to 1 January 2001 crosses one of each.
  EXPECT_EQ(mYearsBetween(2000, 2001), 1);
  EXPECT_EQ(mQuartersBetween(2000, 4, 2001, 1), 1);
  EXPECT_EQ(mMonthsBetween(2000, 12, 2001, 1), 1);
  EXPECT_EQ(mMonthsBetween(2001, 1, 2001, 12), 11);
  EXPECT_EQ(mQuartersBetween(2001, 1, 2001, 4), 3);
  EXPECT_EQ(mQuartersBetween(1999, 2, 2001, 3), 9);
  EXPECT_EQ(mMonthsBetween(1999, 2, 2001, 3), 25);
  EXPECT_EQ(mWeeksBetween(2001, 3, 2001, 10), 7);
  EXPECT_EQ(mWeeksBetween(2000, 52, 2001, 1), 2);  // every year counts 53 weeks
  EXPECT_EQ(mWeeksBetween(1000, 1, 4000, 1), 3000LL * 53);
}

TEST(ScaleDiff, ClockCountsDoNotOverflow32Bits) {
  EXPECT_EQ(mHoursIn(1, 5), 29);
  EXPECT_EQ(mMinutesIn(1, 1, 1), 1501);
  EXPECT_EQ(mSecondsIn(0, 1, 1, 1), 3661);
  EXPECT_EQ(mThousandthsIn(0, 0, 0, 1, 5), 1005);
  // Regression: 25 days in thousandths and 100 years in seconds exceed 2^31.
  EXPECT_EQ(mThousandthsIn(25, 0, 0, 0, 0), 2160000000LL);
  EXPECT_EQ(mThousandthsIn(30, 23, 59, 59, 999), 30LL * 86400000 + 86399999);
  EXPECT_EQ(mSecondsIn(36525, 0, 0, 0), 3155760000LL);
  EXPECT_EQ(mThousandthsIn(kScaleLastDay - kScaleFirstDay, 0, 0, 0, 0),
            (static_cast<long long>(kScaleLastDay) - kScaleFirstDay) * 86400000LL);
}

TEST(ScaleRange, QuarterAndMonthSpans) {
  EXPECT_EQ(mQuarterSpanInRange(2001, 1, 2001, 10), 3);
  EXPECT_EQ(mQuarterSpanInRange(2001, 1, 2001, 9), 2);
  EXPECT_EQ(mQuarterSpanInRange(2000, 11, 2001, 2), 1);
  EXPECT_EQ(mQuarterSpanInRange(2000, 2, 2001, 1), 3);
  EXPECT_EQ(mMonthSpanInRange(2001, 1, 2001, 2), 1);
  EXPECT_EQ(mMonthSpanInRange(2000, 12, 2001, 1), 1);
  EXPECT_EQ(mMonthSpanInRange(2001, 5, 2003, 11), 30);
}

TEST(ScaleRange, CountFromSpan) {
  EXPECT_EQ(mCountFromSpan(1.0000000005), 1);
  EXPECT_EQ(mCountFromSpan(5.75), 5);
  EXPECT_EQ(mCountFromSpan(2147483647.0), INT_MAX);
  EXPECT_EQ(mCountFromSpan(2147483647.5), INT_MAX);
  EXPECT_EQ(mCountFromSpan(1e300), INT_MAX);
  EXPECT_EQ(mCountFromSpan(kInf), INT_MAX);
  EXPECT_EQ(mCountFromSpan(kNaN), INT_MAX);
  EXPECT_EQ(mCountFromSpan(-0.5), 0);
  EXPECT_EQ(mCountFromSpan(-4.2), -4);
  EXPECT_EQ(mCountFromSpan(-kInf), INT_MIN);
}

TEST(ScaleIncrement, FirstFactorReachingTheWantedStep) {
  const std::vector<int> kMinutes = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};
  const struct {
    int iWanted;
    int iIncrement;
  } kRows[] = {
      {INT_MIN, 1}, {-1, 1},    {0, 1},
      {1, 1},       {7, 10},    {10, 10},
      {60, 60},     {61, 120},  {70, 120},
      {120, 120},   {121, 180}, {INT_MAX, 2147483640},  // the largest multiple of 60 that fits
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(mNiceIncrement(kMinutes, row.iWanted), row.iIncrement) << row.iWanted;
  }
  const std::vector<int> kThousandths = {1,  2,  4,   5,   8,   10,  20, 25,
                                         40, 50, 100, 125, 200, 250, 500};
  EXPECT_EQ(mNiceIncrement(kThousandths, 142), 200);
  EXPECT_EQ(mNiceIncrement(kThousandths, INT_MAX), 2147483500);
  EXPECT_EQ(mNiceIncrement({}, 5), 1);
}

TEST(ScaleTicks, CountClamp) {
  EXPECT_EQ(mClampTickCount(-5), 0);
  EXPECT_EQ(mClampTickCount(0), 0);
  EXPECT_EQ(mClampTickCount(1), 1);
  EXPECT_EQ(mClampTickCount(kMaxScaleTicks), kMaxScaleTicks);
  EXPECT_EQ(mClampTickCount(kMaxScaleTicks + 1LL), kMaxScaleTicks);
  EXPECT_EQ(mClampTickCount(2147483648LL), kMaxScaleTicks);
}

TEST(ScaleTicks, Trimming) {
  using V = std::vector<double>;
  const struct {
    V ticks;
    double dMin, dMax;
    V expected;
    const char* pNote;
  } kRows[] = {
      {{}, 0, 1, {}, "no ticks"},
      {{5}, 0, 1, {5}, "one tick stays"},
      {{0, 10}, 1, 10, {0, 10}, "max above the second-last"},
      {{0, 10}, 1, 0, {0}, "max at the second-last"},
      {{0, 10, 20}, 5, 20, {0, 10, 20}, "first midpoint at min stays"},
      {{0, 10, 20}, 5.5, 20, {10, 20}, "first midpoint below min"},
      {{0, 10, 20}, 0, 15, {0, 10, 20}, "last midpoint at max stays"},
      {{0, 10, 20}, 0, 14.5, {0, 10}, "last midpoint above max"},
      {{0, 10, 20, 30}, 5.5, 24.5, {10, 20}, "both ends"},
      {{0, 10, 20}, 5.5, 14.5, {10, 20}, "two remain: the last stays"},
      {{0, 10, 20, 30}, 0, 20, {0, 10, 20}, "max at the second-last of four"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pNote);
    V ticks = row.ticks;
    mTrimScaleTicks(ticks, row.dMin, row.dMax);
    EXPECT_EQ(ticks, row.expected);
  }
}

TEST(ScaleLabels, KeptParts) {
  using P = CmTimeCls::xTimePartsStruct;
  const P kAll[] = {{xDay, 2},    {xMonthAbbrev, 3}, {xYear, 4},      {xHour, 2},
                    {xMinute, 2}, {xSecond, 2},      {xThousandth, 3}};
  const struct {
    xTimePartsEnum eUnit;
    std::vector<xTimePartsEnum> kept;
  } kRows[] = {
      {xYear, {xDay, xYear}},
      {xMonthName, {xDay, xMonthAbbrev, xYear}},
      {xDay, {xDay, xMonthAbbrev, xYear}},
      {xHour, {xDay, xMonthAbbrev, xYear, xHour, xMinute}},
      {xMinute, {xDay, xMonthAbbrev, xYear, xHour, xMinute, xSecond}},
      {xSecond, {xDay, xMonthAbbrev, xYear, xHour, xMinute, xSecond, xThousandth}},
      {xThousandth, {xDay, xMonthAbbrev, xYear, xHour, xMinute, xSecond, xThousandth}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.eUnit));
    P parts[7];
    std::copy(std::begin(kAll), std::end(kAll), parts);
    const int n = mKeepLabelParts(7, parts, row.eUnit);
    std::vector<xTimePartsEnum> kinds;
    for (int i = 0; i < n; ++i) kinds.push_back(parts[i].ePart);
    EXPECT_EQ(kinds, row.kept);
  }
  P months[] = {{xMonthNumber, 2}, {xYear, 4}, {xHour, 2}};
  EXPECT_EQ(mKeepLabelParts(3, months, xYear), 2);  // the month number always stays
  EXPECT_EQ(months[0].ePart, xMonthNumber);
  EXPECT_EQ(months[1].ePart, xYear);
  EXPECT_EQ(mKeepLabelParts(0, months, xYear), 0);
}

TEST(ScaleDayMonthPlan, MonthsPerTickAndFineMode) {
  const struct {
    bool bDay, bMonth, bYear;
    long long iStep;
    long long iMonths;
    bool bFine;
    long long iPlanStep;
  } kRows[] = {
      {true, false, false, 1, 1, true, 1},
      {true, false, false, 7, 1, true, 7},
      {true, false, false, 29, 1, true, 29},
      {true, false, false, 30, 1, false, 30},
      {true, false, false, 40, 1, false, 0},
      {true, false, false, 44, 1, false, 0},
      {true, false, false, 45, 2, false, 0},
      {true, false, false, 60, 2, false, 60},
      {true, false, false, 75, 3, false, 0},
      {false, true, false, 1, 1, false, 1},
      {false, true, false, 3, 3, false, 3},
      {false, false, true, 2, 24, false, 2},
      {false, false, true, INT_MAX, INT_MAX * 12LL, false, INT_MAX},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.iStep);
    xDayMonthPlan plan{};
    ASSERT_TRUE(mPlanDayMonth(row.bDay, row.bMonth, row.bYear, row.iStep, &plan));
    EXPECT_EQ(plan.iMonths, row.iMonths);
    EXPECT_EQ(plan.bFine, row.bFine);
    EXPECT_EQ(plan.iStep, row.iPlanStep);
    EXPECT_FALSE(plan.bRemainderNegative);
  }
  xDayMonthPlan plan{};
  EXPECT_FALSE(mPlanDayMonth(true, false, false, 0, &plan));  // never moves
  EXPECT_FALSE(mPlanDayMonth(false, true, false, 0, &plan));  // never ends
  EXPECT_FALSE(mPlanDayMonth(false, false, true, -1, &plan));
  EXPECT_FALSE(mPlanDayMonth(false, false, false, 5, &plan));  // no rule
}

TEST(ScaleDayMonthPlan, FirstWalkLength) {
  EXPECT_EQ(mFirstWalkLength(31, 1), 31);
  EXPECT_EQ(mFirstWalkLength(31, 15), 17);
  EXPECT_EQ(mFirstWalkLength(28, 31), 1);
  EXPECT_EQ(mFirstWalkLength(30, 30), 1);
}

}  // namespace
