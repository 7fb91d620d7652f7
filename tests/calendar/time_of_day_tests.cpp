// Time of day, the day/time split of Corvane times, validity, differences,
// ODBC records and the clock, at their edges (every day of the valid range
// is swept in day_number_tests.cpp); and the inline conversions of a
// column of values held to the members they stand for on any input.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "CvnBasicTypes.h"
#include "CvnMath.h"
#include "calendar/calendar_access.h"
#include "platform/platform.h"
#include "time/calendar/calendar_math.h"

using A = CmTimeClsTestAccess;
using calendar_test::mFromOdbc;
using calendar_test::mToOdbc;
using calendar_test::Record;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMs = 86400000.0;  // per day
constexpr double kMissing = CmCVNConst::kMissingValueCode;

cvn::platform::xLocalClock gxClock{};
void mFixedClock(cvn::platform::xLocalClock* out) { *out = gxClock; }

}  // namespace

TEST(TimeOfDay, ClockPartsAndSplit) {
  const CmTimeCls o;
  // Milliseconds and their clock parts: the hour is not wrapped, negative
  // values split toward zero, fractions are truncated, NaN is 0 and huge
  // values saturate.
  // clang-format off
  const std::pair<double, A::Clock> kClock[] = {
      {90000000, {25, 0, 0, 0}}, {-3723004, {-1, -2, -3, -4}}, {2147483647, {596, 31, 23, 647}},
      {3723004.9, {1, 2, 3, 4}}, {kNaN, {0, 0, 0, 0}}, {1e300, {596, 31, 23, 647}},
      {-kInf, {-596, -31, -23, -648}}};
  // clang-format on
  for (const auto& [dMs, x] : kClock) EXPECT_EQ(A::mClock(o, dMs), x) << dMs;
  EXPECT_EQ(A::mMs(o, -1, -2, -3, -4), -3723004);
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
      {1.5, 1, 43200000}, {2 - 1e-10, 2, 0}, {-0.25, -1, 64800000}, {-1.5, -2, 43200000},
      {-1 + 1e-10, -1, 0}, {2 - 1e-8, 1, 86399999}, {10 + 0.457 / kMs, 10, 1},
      {10 + 0.456 / kMs, 10, 0}, {2 - 1e-9, 2, 0}, {2 - 6e-9, 2, 0}, {-1e-9, 0, 0},
      {-5 - 2e-9, -5, 0}, {2147483647.5, INT_MAX, 43200000}, {2147483648.0, INT_MAX, 0},
      {-2147483648.5, INT_MIN, 0}, {kInf, INT_MAX, 0}, {-kInf, INT_MIN, 0}, {kNaN, 0, 0},
      {4.9e-324, 0, 0}};
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
      {{10, 0}, kInf, {INT_MAX, 0}}, {{10, 0}, -kInf, {INT_MIN, 0}},
      {{INT_MAX, 86399999}, 1, {INT_MAX, 0}}, {{INT_MIN, 0}, -1, {INT_MIN, 0}}};
  // clang-format on
  for (const auto& [x, dAdd, xAfter] : kRows) EXPECT_EQ(A::mAdd(o, x, dAdd), xAfter) << dAdd;
  EXPECT_EQ(o.mTimeDiff(7.25, 7.25), 5e-10);
  EXPECT_EQ(o.mTimeDiff(2, 1), -1 - 5e-10);
  EXPECT_EQ(o.mTimeDiff(-0.5, -0.25), 0.25 + 5e-10);
}

TEST(Validity, BoundsOnBothSides) {
  const CmTimeCls o;
  // 1 January 1000 and 31 December 4000 on either side; within the nudge
  // of 1 January 4001; beyond the quick bound; missing and non-finite.
  // clang-format off
  const std::pair<double, bool> kRows[] = {
      {-328716.0, true}, {-328716.5, false}, {767376.99, true}, {767377.0, false},
      {767377.0 - 1e-10, false}, {1100000.0, false}, {-1e15, false}, {1e15, false},
      {kMissing, false}, {kNaN, false}, {kInf, false}, {-kInf, false}};
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
  // fields out of range run on (month 65535 of 2023 is March 7484).
  EXPECT_EQ(mFromOdbc(o, {2024, 2, 29, 23, 59, 59, 999999999}), 45351 + 86399999 / kMs);
  EXPECT_EQ(mFromOdbc(o, {2023, 13, 1, 24, 0, 0, 0}), 45293.0);
  EXPECT_EQ(mFromOdbc(o, {2023, 65535, 1, 0, 0, 0, 4294967295}),
            calendar_test::mReferenceDayNumber(7484, 3, 1) + 4294 / kMs);
  // Far out of range the record is still the members' composition (the
  // year wraps to 16 bits).
  for (double t :
       {2147483647.5, -2147483648.5, 1e300, -1e299, std::numeric_limits<double>::max()}) {
    const auto [iDay, dMs] = A::mSplit(o, t);
    const auto [y, m, d] = A::mDate(o, iDay);
    const auto [h, mi, s, ms] = A::mClock(o, dMs);
    EXPECT_EQ(mToOdbc(o, t), (Record{static_cast<short>(y), m, d, h, mi, s, ms * 1000000LL})) << t;
  }
}

// The ODBC record of every day of the valid range (and 400 days either
// side) at midnight, where the clock fields are left as zeroed, and at a
// random time: the composition of the members.
TEST(CalendarInlinePath, OdbcEqualsMembersEveryDay) {
  const CmTimeCls o;
  std::mt19937_64 xRandom(3u);
  std::uniform_real_distribution<double> xFraction(0.0, 1.0);
  for (int n = -328716 - 400; n <= 767376 + 400; ++n) {
    for (double t : {static_cast<double>(n), n + xFraction(xRandom)}) {
      const auto [iDay, dMs] = A::mSplit(o, t);
      const auto [y, m, d] = A::mDate(o, iDay);
      const auto [h, mi, s, ms] = A::mClock(o, dMs);
      ASSERT_EQ(mToOdbc(o, t), (Record{static_cast<short>(y), m, d, h, mi, s, ms * 1000000LL}))
          << t;
    }
  }
}

// The split as first written, the day number through the checked
// double-to-int conversion; the library's now truncates in line after its
// own range test.
A::Split mReferenceSplit(double t) {
  if (std::isnan(t)) return {0, 0.0};
  const bool bNonNegative = t >= 0.0;
  const double dShifted = bNonNegative ? t + 5e-10 : t - 5e-10;
  if (!(dShifted > -2147483649.0 && dShifted < 2147483648.0)) {
    return {dShifted > 0.0 ? INT_MAX : INT_MIN, 0.0};
  }
  long long iDay = mToINTG(dShifted);
  if (t == static_cast<double>(iDay)) return {static_cast<int>(iDay), 0.0};
  double dFraction = std::fabs(t - static_cast<double>(iDay)) + (bNonNegative ? 5e-10 : -5e-10);
  if (!bNonNegative && dFraction > 0.0) {
    iDay -= 1;
    dFraction = 1.0 - dFraction;
  }
  double dMs = mNearestInteger(dFraction * kMs);
  if (dMs >= kMs) iDay += 1, dMs = 0.0;
  if (dMs <= 0.0) dMs = 0.0;
  if (iDay > INT_MAX || iDay < INT_MIN) return {iDay > 0 ? INT_MAX : INT_MIN, 0.0};
  return {static_cast<int>(iDay), dMs};
}

// Valid values, wide values, any bit pattern and values a hair from
// midnight: the split gives what its first version gave, bit for bit.
TEST(CalendarInlinePath, SplitEqualsCheckedReference) {
  const CmTimeCls o;
  std::mt19937_64 xRandom(99u);
  std::uniform_real_distribution<double> xValid(-328726.0, 767386.0), xWide(-3e9, 3e9);
  for (int i = 0; i < 4000000; ++i) {
    double t = i % 4 == 0 ? xValid(xRandom) : xWide(xRandom);
    if (i % 4 == 2) {
      const std::uint64_t uBits = xRandom();
      std::memcpy(&t, &uBits, sizeof t);
    } else if (i % 4 == 3) {
      t = std::floor(xValid(xRandom)) + (i % 8 == 3 ? 1e-9 : -3e-9) * (i % 5);
    }
    const A::Split a = A::mSplit(o, t);
    const A::Split b = mReferenceSplit(t);
    ASSERT_TRUE(a.first == b.first && std::memcmp(&a.second, &b.second, sizeof a.second) == 0) << t;
  }
}

// The civil-day conversions run in 32 bits where they can: the same
// results as the 64-bit forms (kept for the rest) on every day from 1000
// years before 1 March 0000 to 14 000 years after, around both ends of the
// 32-bit range, and on random 64-bit inputs.
TEST(CalendarInlinePath, ThirtyTwoBitFormsEqualWideForms) {
  namespace cd = cvn::detail;
  auto fSameDate = [](std::int64_t n) {
    const cd::xCivilDate a = cd::mCivilFromDayNumber(n);
    const cd::xCivilDate b = cd::mCivilFromDayNumberWide(n);
    return a.iYear == b.iYear && a.iMonth == b.iMonth && a.iDay == b.iDay &&
           a.iDayOfYear == b.iDayOfYear;
  };
  auto fSameDay = [](std::int64_t y, std::int64_t m, std::int64_t d) {
    return cd::mDayNumberFromCivil(y, m, d) == cd::mDayNumberFromCivilWide(y, m, d);
  };
  const std::int64_t kLast32 = 0xFFFFFFFFLL - 719468 + cd::kDayNumberOf1970;  // 2^32 - 1 days
  for (std::int64_t n = -1200000; n <= 5000000; ++n) ASSERT_TRUE(fSameDate(n)) << n;
  for (std::int64_t n = kLast32 - 100000; n <= kLast32 + 100000; ++n) {
    ASSERT_TRUE(fSameDate(n)) << n;
  }
  for (std::int64_t y = -1000; y <= 14000; ++y) {
    for (std::int64_t m = -25; m <= 38; ++m) {
      for (std::int64_t d : {-40, 0, 1, 28, 29, 31, 32, 70}) {
        ASSERT_TRUE(fSameDay(y, m, d)) << y << "-" << m << "-" << d;
      }
    }
  }
  for (std::int64_t y = 0xFFFFFFFFLL - 1000; y <= 0xFFFFFFFFLL + 1000; ++y) {
    for (std::int64_t m : {-1, 1, 2, 3, 12, 13}) ASSERT_TRUE(fSameDay(y, m, 1)) << y;
  }
  std::mt19937_64 xRandom(17u);
  std::uniform_int_distribution<std::int64_t> xWide(-(std::int64_t{1} << 45),
                                                    std::int64_t{1} << 45);
  std::uniform_int_distribution<int> xInt(INT_MIN, INT_MAX);
  for (int i = 0; i < 2000000; ++i) {
    ASSERT_TRUE(fSameDate(i % 2 == 0 ? xWide(xRandom) : xInt(xRandom)));
    const std::int64_t y = xInt(xRandom), m = xInt(xRandom) % (i % 3 == 0 ? 100000 : 14);
    ASSERT_TRUE(fSameDay(y, m, xInt(xRandom))) << y << "-" << m;
  }
}

// Any int arguments, mostly ordinary dates and clock parts (every valid
// day is swept in day_number_tests.cpp): the inline path gives the
// members' day number and time of day.
TEST(CalendarInlinePath, GenerateEqualsMembers) {
  const CmTimeCls o;
  std::mt19937 xRandom(1234u);
  std::uniform_int_distribution<int> xAny(INT_MIN, INT_MAX), xNear(-40, 5000);
  for (int i = 0; i < 1000000; ++i) {
    std::array<int, 7> x{};  // year, month, day, hour, minute, second, thousandths
    for (int& v : x) v = i % 8 == 0 ? xAny(xRandom) : xNear(xRandom);
    // A date without a clock takes a short way: no clock at all in a third
    // of the cases, a clock of one part in another.
    if (i % 3 != 2) {
      for (int k = 3; k < 7; ++k) {
        if (i % 3 == 0 || k != 3 + i % 4) x[static_cast<size_t>(k)] = 0;
      }
    }
    double t = 0.0;
    ASSERT_TRUE(o.mGenerateCorvaneTime(x[0], x[1], x[2], x[3], x[4], x[5], x[6], &t));
    const double dExpected =
        A::mDayNumber(o, x[0], x[1], x[2]) + A::mMs(o, x[3], x[4], x[5], x[6]) / kMs;
    ASSERT_EQ(std::memcmp(&t, &dExpected, sizeof t), 0) << i;  // bit for bit: no -0
  }
}

// The clock counts years from 1900; a count of 90 or less is a year of the
// next century, so a clock year of 80 is 2080. A clock gone wild still
// gives a defined day.
TEST(Clock, ReadsTheInjectedClock) {
  const CmTimeCls o;
  cvn::platform::mSetClockForTesting(&mFixedClock);
  const std::pair<int, int> kYears[] = {{80, 2080}, {90, 2090},  {91, 1991},
                                        {99, 1999}, {100, 2000}, {0, 2000}};
  for (const auto& [iYears, iYear] : kYears) {
    gxClock = {iYears, 59, 12, 0, 0, 0};  // noon of the 60th day of the year
    EXPECT_EQ(o.mToday(), calendar_test::mReferenceDayNumber(iYear, 1, 1) + 59) << iYears;
    EXPECT_EQ(o.mNow(), o.mToday() + 0.5);
    EXPECT_EQ(o.mTime(), 0.5 + 5e-10);
  }
  gxClock = {124, 365, 23, 59, 59, 999};  // 31 December 2024
  EXPECT_EQ(o.mNow(), 45657 + 86399999 / kMs);
  gxClock = {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX};
  EXPECT_TRUE(o.mToday() == INT_MAX && std::isfinite(o.mNow()));
  cvn::platform::mSetClockForTesting(nullptr);
}
