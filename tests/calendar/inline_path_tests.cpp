// The public conversions of a column of values (mGenerateCorvaneTime,
// mCorvaneTimeToODBC) run the calendar arithmetic inline instead of going
// through the private members; these tests hold them to the composition of
// those members, and the split of a Corvane time to the checked reference
// it was first written as.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "CvnBasicTypes.h"
#include "CvnMath.h"
#include "tests/calendar/calendar_access.h"
#include "time/calendar/calendar_math.h"

namespace {

using Access = CmTimeClsTestAccess;

constexpr int kFirstValidDay = -328716;  // 1 January 1000
constexpr int kLastValidDay = 767376;    // 31 December 4000

// mCorvaneTimeToODBC as the composition of the private members.
tagTIMESTAMP_STRUCT mOdbcByMembers(const CmTimeCls& o, double t) {
  tagTIMESTAMP_STRUCT ts{};
  if (mIsNumericMissing(t) || !std::isfinite(t)) return ts;
  int iDay = 0;
  double dTimeOfDay = 0.0;
  Access::mToDayThousandths(o, t, &iDay, &dTimeOfDay);
  int iYear = 0, iMonth = 0, iDayOfMonth = 0, iHour = 0, iMinute = 0, iSecond = 0, iMs = 0;
  Access::mFromJulianDay(o, iDay, &iYear, &iMonth, &iDayOfMonth, nullptr, xExtractWeekFromJanuary);
  Access::mFromTimeOfDay(o, dTimeOfDay, &iHour, &iMinute, &iSecond, &iMs);
  ts.year = static_cast<decltype(ts.year)>(iYear);
  ts.month = static_cast<decltype(ts.month)>(iMonth);
  ts.day = static_cast<decltype(ts.day)>(iDayOfMonth);
  ts.hour = static_cast<decltype(ts.hour)>(iHour);
  ts.minute = static_cast<decltype(ts.minute)>(iMinute);
  ts.second = static_cast<decltype(ts.second)>(iSecond);
  ts.fraction = static_cast<decltype(ts.fraction)>(iMs) * 1000000u;
  return ts;
}

void mExpectSameRecord(const tagTIMESTAMP_STRUCT& a, const tagTIMESTAMP_STRUCT& b, double t) {
  SCOPED_TRACE(testing::Message() << "t = " << t);
  EXPECT_EQ(a.year, b.year);
  EXPECT_EQ(a.month, b.month);
  EXPECT_EQ(a.day, b.day);
  EXPECT_EQ(a.hour, b.hour);
  EXPECT_EQ(a.minute, b.minute);
  EXPECT_EQ(a.second, b.second);
  EXPECT_EQ(a.fraction, b.fraction);
}

// The split of a Corvane time as it was first written: the day number
// through the checked double-to-int conversion.
cvn::detail::xDaySplit mReferenceSplit(double t) {
  if (std::isnan(t)) return {0, 0.0};
  const bool bNonNegative = t >= 0.0;
  const double dShifted = bNonNegative ? t + cvn::detail::kNudge : t - cvn::detail::kNudge;
  if (!(dShifted > -2147483649.0 && dShifted < 2147483648.0)) {
    return {dShifted > 0.0 ? INT_MAX : INT_MIN, 0.0};
  }
  std::int64_t iDay = mToINTG(dShifted);
  if (t == static_cast<double>(iDay)) return {static_cast<int>(iDay), 0.0};
  const double dDistance = std::fabs(t - static_cast<double>(iDay));
  double dFraction =
      bNonNegative ? dDistance + cvn::detail::kNudge : dDistance - cvn::detail::kNudge;
  if (!bNonNegative && dFraction > 0.0) {
    iDay -= 1;
    dFraction = 1.0 - dFraction;
  }
  double dTimeOfDay = mNearestInteger(dFraction * 86400000.0);
  if (dTimeOfDay >= 86400000.0) {
    iDay += 1;
    dTimeOfDay = 0.0;
  }
  if (dTimeOfDay <= 0.0) dTimeOfDay = 0.0;
  if (iDay > INT_MAX || iDay < INT_MIN) return {cvn::detail::mSaturateToInt(iDay), 0.0};
  return {static_cast<int>(iDay), dTimeOfDay};
}

TEST(CalendarInlinePath, OdbcEqualsMembersEveryValidDay) {
  const CmTimeCls o;
  // Every day at midnight and at a time that walks through the day.
  for (int iDay = kFirstValidDay - 400; iDay <= kLastValidDay + 400; ++iDay) {
    const double dTime =
        ((static_cast<std::int64_t>(iDay) * 7919) % 86400000 + 86400000) % 86400000 / 86400000.0;
    for (double t : {static_cast<double>(iDay), iDay + dTime}) {
      tagTIMESTAMP_STRUCT ts{};
      o.mCorvaneTimeToODBC(t, &ts);
      const tagTIMESTAMP_STRUCT xExpected = mOdbcByMembers(o, t);
      if (std::memcmp(&ts, &xExpected, sizeof ts) != 0) mExpectSameRecord(ts, xExpected, t);
    }
  }
}

TEST(CalendarInlinePath, OdbcEqualsMembersOnOddValues) {
  const CmTimeCls o;
  const double kOdd[] = {0.0,
                         -0.0,
                         -0.25,
                         1.5,
                         2.0 - 1e-10,
                         -1e-10,
                         1e-10,
                         36526.999999999,
                         -36526.9999999999,
                         2147483647.5,
                         -2147483648.5,
                         2147483648.0,
                         -2147483649.0,
                         1e300,
                         -1e300,
                         DBL_MAX,
                         DBL_MIN,
                         CmCVNConst::kMissingValueCode,
                         INFINITY,
                         -INFINITY,
                         NAN};
  for (double t : kOdd) {
    tagTIMESTAMP_STRUCT ts{};
    o.mCorvaneTimeToODBC(t, &ts);
    mExpectSameRecord(ts, mOdbcByMembers(o, t), t);
  }
}

TEST(CalendarInlinePath, GenerateEqualsMembers) {
  const CmTimeCls o;
  std::mt19937 xRandom(1234u);
  std::uniform_int_distribution<int> xAny(INT_MIN, INT_MAX);
  std::uniform_int_distribution<int> xYear(900, 4100), xMonth(-30, 30), xDay(-40, 70);
  std::uniform_int_distribution<int> xClock(-100, 100000);
  for (int i = 0; i < 2000000; ++i) {
    // Mostly ordinary dates and clock parts, some anything at all.
    const bool bWild = i % 16 == 0;
    const int iYear = bWild ? xAny(xRandom) : xYear(xRandom);
    const int iMonth = bWild ? xAny(xRandom) : (i % 4 == 0 ? xMonth(xRandom) : 1 + i % 12);
    const int iDay = bWild ? xAny(xRandom) : xDay(xRandom);
    const int iHour = xClock(xRandom) % 30, iMinute = xClock(xRandom) % 70;
    const int iSecond = xClock(xRandom) % 70, iMs = xClock(xRandom);
    double t = 0.0;
    ASSERT_TRUE(o.mGenerateCorvaneTime(iYear, iMonth, iDay, iHour, iMinute, iSecond, iMs, &t));
    const double dExpected = Access::mToJulianDay(o, iYear, iMonth, iDay) +
                             Access::mToTimeOfDay(o, iHour, iMinute, iSecond, iMs) / 86400000.0;
    ASSERT_EQ(t, dExpected) << iYear << "-" << iMonth << "-" << iDay;
  }
}

TEST(CalendarInlinePath, SplitEqualsCheckedReference) {
  std::mt19937_64 xRandom(99u);
  std::uniform_real_distribution<double> xValid(kFirstValidDay - 10.0, kLastValidDay + 10.0);
  std::uniform_real_distribution<double> xWide(-3e9, 3e9);
  for (int i = 0; i < 4000000; ++i) {
    double t = 0.0;
    switch (i % 4) {
      case 0: t = xValid(xRandom); break;
      case 1: t = xWide(xRandom); break;
      case 2: {  // any bit pattern: NaNs, infinities, subnormals, huge values
        const std::uint64_t uBits = xRandom();
        std::memcpy(&t, &uBits, sizeof t);
        break;
      }
      default:  // a hair from midnight, where the nudge and the rounding meet
        t = std::floor(xValid(xRandom)) + (i % 8 == 3 ? 1e-9 : -3e-9) * (i % 5);
        break;
    }
    const cvn::detail::xDaySplit a = cvn::detail::mSplitCorvaneTime(t);
    const cvn::detail::xDaySplit b = mReferenceSplit(t);
    ASSERT_EQ(a.iDayNumber, b.iDayNumber) << t;
    ASSERT_EQ(a.dTimeOfDay, b.dTimeOfDay) << t;
    ASSERT_EQ(std::signbit(a.dTimeOfDay), std::signbit(b.dTimeOfDay)) << t;
  }
}

}  // namespace
