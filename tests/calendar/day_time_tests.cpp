// Day numbers, leap years, month lengths and weekdays (anchors, days and
// months that run on, the extremes of int); the time of day, the day/time
// split of Corvane times, validity, differences, ODBC records and the
// clock, at their edges. Every day of the valid range is swept in
// day_sweep_tests.cpp; the 32-bit and 64-bit civil-day forms are compared
// by the fuzz_calendar target.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "CvnBasicTypes.h"
#include "support/access.h"

using A = CmTimeClsTestAccess;
using cvn::test::mFromOdbc;
using cvn::test::mReferenceDayNumber;
using cvn::test::mToOdbc;
using Record = cvn::test::OdbcRecord;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMs = 86400000.0;  // per day
constexpr double kMissing = CmCVNConst::kMissingValueCode;

}  // namespace

TEST(DayNumbers, Anchors) {
  const CmTimeCls o;
  // Year, month, day, day number, weekday (0 = Monday). Day 0 is Saturday
  // 30 December 1899, 1900 has no 29 February, valid times run from
  // 1 January 1000 to 31 December 4000.
  // clang-format off
  const std::array<int, 5> kRows[] = {
      {1899, 12, 30, 0, 5}, {1900, 2, 28, 60, 2}, {1900, 3, 1, 61, 3}, {2000, 1, 1, 36526, 5},
      {1899, 1, 1, -363, 6}, {2000, 2, 29, 36585, 1}, {2024, 2, 29, 45351, 3},
      {1000, 1, 1, -328716, 2}, {4000, 12, 31, 767376, 6}, {1, 1, 1, -693593, 0}};
  // Days and months outside their range run on into the neighbouring ones:
  // 29 February 1900 is 1 March, day 0 the last day of the month before,
  // month 13 January of the next year, month 0 December of the one before.
  const std::array<int, 6> kRunOn[] = {
      {1900, 2, 29, 1900, 3, 1}, {2000, 3, 0, 2000, 2, 29}, {2023, 13, 1, 2024, 1, 1},
      {2023, 0, 15, 2022, 12, 15}, {2023, 14, 29, 2024, 2, 29}, {2000, -12, 1, 1998, 12, 1}};
  // clang-format on
  for (const auto& [y, m, d, n, iWeekday] : kRows)
    EXPECT_TRUE(A::mDayNumber(o, y, m, d) == n && A::mDate(o, n) == (A::Ymd{y, m, d}) &&
                A::mWeekday(o, n) == iWeekday && A::mWeekday(o, y, m, d) == iWeekday)
        << n;
  for (const auto& [y, m, d, y2, m2, d2] : kRunOn)
    EXPECT_TRUE(A::mDayNumber(o, y, m, d) == A::mDayNumber(o, y2, m2, d2) &&
                A::mWeekday(o, y, m, d) == A::mWeekday(o, y2, m2, d2))
        << y << "/" << m << "/" << d;
  EXPECT_EQ(o.mGetMaxDaysInMonthYear(14, 2023), 29);  // February 2024
  EXPECT_EQ(A::mYearDayNumber(o, 2023, 366), A::mDayNumber(o, 2024, 1, 1));
  // Leap years and February before the swept range, by the reference; the
  // longest a month can be is its length in a leap year, also for months
  // that run on.
  for (int y = -1000; y < 1000; ++y) {
    const bool bLeap = mReferenceDayNumber(y, 3, 1) - mReferenceDayNumber(y, 2, 28) == 2;
    ASSERT_TRUE(A::mIsLeapYear(o, y) == bLeap && o.mGetMaxDaysInMonthYear(2, y) == 28 + bLeap) << y;
  }
  const int kLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = -13; m <= 26; ++m) EXPECT_EQ(o.mGetMaxDaysInMonth(m), kLengths[(m + 35) % 12]) << m;
  // Every int day number has a date that converts back to it; dates beyond
  // the day-number range saturate; any month and day give a weekday and a
  // month length in range.
  for (int n : {INT_MIN, INT_MIN + 1, 1000000000, INT_MAX}) {
    const auto [y, m, d] = A::mDate(o, n);
    EXPECT_TRUE(A::mDayNumber(o, y, m, d) == n && A::mWeekday(o, y, m, d) == A::mWeekday(o, n))
        << n;
  }
  EXPECT_TRUE(A::mDayNumber(o, INT_MAX, 12, 31) == INT_MAX &&
              A::mDayNumber(o, 2000, INT_MIN, INT_MIN) == INT_MIN &&
              A::mYearDayNumber(o, INT_MAX, INT_MAX) == INT_MAX &&
              A::mNumJulianDays(o, INT_MIN) == std::make_pair(INT_MAX, true));
  for (int a : {INT_MIN, -13, 0, 13, INT_MAX}) {
    for (int b : {INT_MIN, -13, 0, 13, INT_MAX}) {
      const int iWeekday = A::mWeekday(o, a, b, a), iLength = o.mGetMaxDaysInMonthYear(a, b);
      EXPECT_TRUE(iWeekday >= 0 && iWeekday <= 6 && iLength >= 28 && iLength <= 31) << a << b;
    }
  }
}

TEST(TimeOfDay, ClockPartsSplitAndSums) {
  const CmTimeCls o;
  // Milliseconds and their clock parts: the hour is not wrapped, negative
  // values split toward zero, fractions are truncated, NaN is 0 and huge
  // values saturate.
  // clang-format off
  const std::pair<double, A::Clock> kClock[] = {
      {90000000, {25, 0, 0, 0}}, {-3723004, {-1, -2, -3, -4}}, {3723004.9, {1, 2, 3, 4}},
      {kNaN, {0, 0, 0, 0}}, {1e300, {596, 31, 23, 647}}, {-kInf, {-596, -31, -23, -648}}};
  // clang-format on
  for (const auto& [dMs, x] : kClock) EXPECT_EQ(A::mClock(o, dMs), x) << dMs;
  EXPECT_EQ(A::mMs(o, INT_MAX, INT_MAX, INT_MAX, INT_MAX), 2147483647.0 * 3661001.0);
  // Corvane time, day number and time of day: noon; within the nudge
  // below midnight: the next day; a negative value belongs to the day
  // below it; within the nudge above a negative midnight; just under a
  // millisecond before midnight; 0.457 ms rounds up with the nudge, 0.456
  // down. The nudge and the rounding reach a whole day 5e-10 to 6e-9 day
  // below midnight: it is carried, so that no hour of 24 is ever seen.
  // Beyond the int range (and infinities) the day saturates at time 0; NaN
  // is day 0.
  // clang-format off
  const std::tuple<double, int, double> kSplit[] = {
      {1.5, 1, 43200000}, {2 - 1e-10, 2, 0}, {-0.25, -1, 64800000}, {-1 + 1e-10, -1, 0},
      {2 - 1e-8, 1, 86399999}, {10 + 0.457 / kMs, 10, 1}, {10 + 0.456 / kMs, 10, 0},
      {2 - 6e-9, 2, 0}, {-1e-9, 0, 0}, {-5 - 2e-9, -5, 0}, {2147483647.5, INT_MAX, 43200000},
      {2147483648.0, INT_MAX, 0}, {-2147483648.5, INT_MIN, 0}, {kInf, INT_MAX, 0},
      {-kInf, INT_MIN, 0}, {kNaN, 0, 0}, {4.9e-324, 0, 0}};
  // clang-format on
  for (const auto& [t, iDay, dMs] : kSplit) {
    const A::Split x = A::mSplit(o, t);
    EXPECT_TRUE(x == std::make_pair(iDay, dMs) && !std::signbit(x.second))
        << t << ": " << x.first << " " << x.second;
  }
  // Sums beyond a day carry either way; a hair below a whole day rounds to
  // it; NaN adds nothing; beyond the day-number range the day saturates.
  // clang-format off
  const std::tuple<A::Split, double, A::Split> kRows[] = {
      {{10, 86399000}, 1000, {11, 0}}, {{10, 0}, -1, {9, 86399999}},
      {{10, 500}, -3 * kMs, {7, 500}}, {{10, 500}, 5 * kMs + 1, {15, 501}},
      {{-3, 0}, -0.5 * kMs, {-4, 43200000}}, {{10, 0}, -1e-12, {10, 0}}, {{10, 123}, kNaN, {10, 0}},
      {{10, 0}, kInf, {INT_MAX, 0}}, {{INT_MAX, 86399999}, 1, {INT_MAX, 0}},
      {{INT_MIN, 0}, -1, {INT_MIN, 0}}};
  // clang-format on
  for (const auto& [x, dAdd, xAfter] : kRows) EXPECT_EQ(A::mAdd(o, x, dAdd), xAfter) << dAdd;
  EXPECT_TRUE(o.mTimeDiff(7.25, 7.25) == 5e-10 && o.mTimeDiff(2, 1) == -1 - 5e-10);
}

TEST(Validity, BoundsAndOdbcRecords) {
  const CmTimeCls o;
  // 1 January 1000 and 31 December 4000 on either side; within the nudge
  // of 1 January 4001; beyond the quick bound; missing and non-finite.
  // clang-format off
  const std::pair<double, bool> kRows[] = {
      {-328716.0, true}, {-328716.5, false}, {767376.99, true}, {767377.0 - 1e-10, false},
      {1100000.0, false}, {-1e15, false}, {kMissing, false}, {kNaN, false}, {-kInf, false}};
  // clang-format on
  for (const auto& [t, bValid] : kRows) EXPECT_EQ(o.mValidCorvaneTime(t), bValid) << t;
  // A missing value, NaN and the infinities name no time: an all-zero record.
  for (double t : {kMissing, kNaN, kInf, -kInf}) EXPECT_EQ(mToOdbc(o, t), Record{}) << t;
  // Nothing is checked: fractions below a millisecond are dropped, and
  // fields out of range run on.
  EXPECT_EQ(mFromOdbc(o, {2024, 2, 29, 23, 59, 59, 999999999}), 45351 + 86399999 / kMs);
  EXPECT_EQ(mFromOdbc(o, {2023, 13, 1, 24, 0, 0, 0}), 45293.0);
}

// The clock counts years from 1900; a count of 90 or less is a year of the
// next century, so a clock year of 80 is 2080. A clock gone wild still
// gives a defined day.
TEST(Clock, ReadsTheInjectedClock) {
  const CmTimeCls o;
  cvn::test::FixedClockGuard xClock;
  for (const auto& [iYears, iYear] : {std::pair{90, 2090}, {91, 1991}, {100, 2000}}) {
    xClock.set({iYears, 59, 12, 0, 0, 0});  // noon of the 60th day of the year
    EXPECT_TRUE(o.mToday() == mReferenceDayNumber(iYear, 1, 1) + 59 &&
                o.mNow() == o.mToday() + 0.5 && o.mTime() == 0.5 + 5e-10)
        << iYears;
  }
  xClock.set({INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX});
  EXPECT_TRUE(o.mToday() == INT_MAX && std::isfinite(o.mNow()));
}
