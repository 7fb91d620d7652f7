// Time of day, the day/time split of Corvane times, validity, differences,
// ODBC records and the clock, at their edges (every day of the valid range
// is swept in day_sweep_tests.cpp; the 32-bit and 64-bit civil-day forms
// are compared by the fuzz_calendar target).

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "CvnBasicTypes.h"
#include "support/access.h"

using A = CmTimeClsTestAccess;
using cvn::test::mFromOdbc;
using cvn::test::mToOdbc;
using Record = cvn::test::OdbcRecord;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMs = 86400000.0;  // per day
constexpr double kMissing = CmCVNConst::kMissingValueCode;

}  // namespace

TEST(TimeOfDay, ClockPartsAndSplit) {
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
}

TEST(TimeOfDay, AddThousandthsAndDifferences) {
  const CmTimeCls o;
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

TEST(Validity, BoundsOnBothSides) {
  const CmTimeCls o;
  // 1 January 1000 and 31 December 4000 on either side; within the nudge
  // of 1 January 4001; beyond the quick bound; missing and non-finite.
  // clang-format off
  const std::pair<double, bool> kRows[] = {
      {-328716.0, true}, {-328716.5, false}, {767376.99, true}, {767377.0 - 1e-10, false},
      {1100000.0, false}, {-1e15, false}, {kMissing, false}, {kNaN, false}, {-kInf, false}};
  // clang-format on
  for (const auto& [t, bValid] : kRows) EXPECT_EQ(o.mValidCorvaneTime(t), bValid) << t;
}

TEST(Odbc, EdgesBothWays) {
  const CmTimeCls o;
  // A missing value, NaN and the infinities name no time: an all-zero record.
  for (double t : {kMissing, kNaN, kInf, -kInf}) EXPECT_EQ(mToOdbc(o, t), Record{}) << t;
  EXPECT_EQ(mToOdbc(o, 36526.5), (Record{2000, 1, 1, 12, 0, 0, 0}));
  EXPECT_EQ(mToOdbc(o, -0.25 + 123 / kMs), (Record{1899, 12, 29, 18, 0, 0, 123000000}));
  // Nothing is checked: fractions below a millisecond are dropped, and
  // fields out of range run on .
  EXPECT_EQ(mFromOdbc(o, {2024, 2, 29, 23, 59, 59, 999999999}), 45351 + 86399999 / kMs);
  EXPECT_EQ(mFromOdbc(o, {2023, 13, 1, 24, 0, 0, 0}), 45293.0);
}

// The clock counts years from 1900; a count of 90 or less is a year of the
// next century, so a clock year of 80 is 2080. A clock gone wild still
// gives a defined day.
TEST(Clock, ReadsTheInjectedClock) {
  const CmTimeCls o;
  cvn::test::FixedClockGuard xClock;
  const std::pair<int, int> kYears[] = {{90, 2090}, {91, 1991}, {100, 2000}};
  for (const auto& [iYears, iYear] : kYears) {
    xClock.set({iYears, 59, 12, 0, 0, 0});  // noon of the 60th day of the year
    EXPECT_TRUE(o.mToday() == cvn::test::mReferenceDayNumber(iYear, 1, 1) + 59 &&
                o.mNow() == o.mToday() + 0.5 && o.mTime() == 0.5 + 5e-10)
        << iYears;
  }
  xClock.set({INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX});
  EXPECT_TRUE(o.mToday() == INT_MAX && std::isfinite(o.mNow()));
}
