// Time of day, the day/time split of Corvane times, validity, differences,
// ODBC records and the clock.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "CvnBasicTypes.h"
#include "calendar/calendar_access.h"
#include "platform/platform.h"

using A = CmTimeClsTestAccess;

namespace {

const CmTimeCls& mTime() {
  static const CmTimeCls* pTime = new CmTimeCls();
  return *pTime;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMsPerDay = 86400000.0;

double mMissing() { return CmCVNConst::mInstance()->mGetMissingValueCode(); }

}  // namespace

TEST(TimeOfDay, ToAndFromClockParts) {
  struct {
    int iHour, iMinute, iSecond, iMs;
    double dMs;
  } const kRows[] = {
      {0, 0, 0, 0, 0.0},
      {23, 59, 59, 999, 86399999.0},
      {12, 0, 0, 0, 43200000.0},
      {1, 2, 3, 4, 3723004.0},
      {25, 0, 0, 0, 90000000.0},
      {-1, -2, -3, -4, -3723004.0},
      {596, 31, 23, 647, 2147483647.0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.dMs);
    EXPECT_EQ(A::mToTimeOfDay(mTime(), row.iHour, row.iMinute, row.iSecond, row.iMs), row.dMs);
    int h = 0, m = 0, s = 0, ms = 0;
    A::mFromTimeOfDay(mTime(), row.dMs, &h, &m, &s, &ms);
    EXPECT_EQ(h, row.iHour);
    EXPECT_EQ(m, row.iMinute);
    EXPECT_EQ(s, row.iSecond);
    EXPECT_EQ(ms, row.iMs);
  }
  // Fractions are truncated toward zero; out-of-range values saturate.
  int h = 0, m = 0, s = 0, ms = 0;
  A::mFromTimeOfDay(mTime(), 3723004.9, &h, &m, &s, &ms);
  EXPECT_EQ(ms, 4);
  A::mFromTimeOfDay(mTime(), kNaN, &h, &m, &s, &ms);
  EXPECT_EQ(h + m + s + ms, 0);
  A::mFromTimeOfDay(mTime(), 1e300, &h, &m, &s, &ms);
  EXPECT_EQ(h, 596);
  A::mFromTimeOfDay(mTime(), -kInf, &h, &m, &s, &ms);
  EXPECT_EQ(h, -596);
  // Extreme parts stay exact in double.
  EXPECT_EQ(A::mToTimeOfDay(mTime(), INT_MAX, INT_MAX, INT_MAX, INT_MAX),
            2147483647.0 * (3600000.0 + 60000.0 + 1000.0 + 1.0));
}

TEST(TimeOfDay, SplitsCorvaneTimes) {
  struct {
    double dTime;
    int iDay;
    double dMs;
    const char* pszWhy;
  } const kRows[] = {
      {1.5, 1, 43200000.0, "noon"},
      {0.0, 0, 0.0, "day 0"},
      {36526.5, 36526, 43200000.0, "noon, 1 January 2000"},
      {2 - 1e-10, 2, 0.0, "within the nudge below midnight: next day"},
      {-0.25, -1, 64800000.0, "negative values belong to the day below"},
      {-1.5, -2, 43200000.0, "negative noon"},
      {-1 + 1e-10, -1, 0.0, "within the nudge above a negative midnight"},
      {2 - 1e-8, 1, 86399999.0, "just under a millisecond before midnight"},
      {10 + 0.457 / kMsPerDay, 10, 1.0, "0.457 ms plus the nudge rounds up"},
      {10 + 0.456 / kMsPerDay, 10, 0.0, "0.456 ms plus the nudge rounds down"},
      {2147483647.5, INT_MAX, 43200000.0, "the last day number"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pszWhy);
    int iDay = 12345;
    double dMs = -1.0;
    A::mToDayThousandths(mTime(), row.dTime, &iDay, &dMs);
    EXPECT_EQ(iDay, row.iDay);
    EXPECT_EQ(dMs, row.dMs);
    EXPECT_FALSE(std::signbit(dMs));
  }
}

// The nudge and the rounding together reach a whole day for values between
// about 5e-10 and 6e-9 day below midnight: that day is carried, so the time
// of day never reads 86400000 (an hour of 24).
TEST(TimeOfDay, WholeDayCarriesIntoNextDay) {
  struct {
    double dTime;
    int iDay;
  } const kRows[] = {
      {2 - 1e-9, 2}, {2 - 6e-9, 2}, {-1e-9, 0}, {-3e-9, 0}, {36527 - 2e-9, 36527}, {-5 - 2e-9, -5},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.dTime);
    int iDay = 0;
    double dMs = -1.0;
    A::mToDayThousandths(mTime(), row.dTime, &iDay, &dMs);
    EXPECT_EQ(iDay, row.iDay);
    EXPECT_EQ(dMs, 0.0);
    int h = -1, m = -1, s = -1, ms = -1;
    A::mTimeOfDay(mTime(), row.dTime, &h, &m, &s, &ms);
    EXPECT_EQ(h, 0);
  }
  // Every value in a fine sweep around midnight has a time of day in range
  // and a day that never steps back as the value grows.
  int iLastDay = INT_MIN;
  for (int i = -20000; i <= 20000; ++i) {
    const double t = 100.0 + i * 1e-12 * 37;
    int iDay = 0;
    double dMs = 0.0;
    A::mToDayThousandths(mTime(), t, &iDay, &dMs);
    ASSERT_TRUE(dMs >= 0.0 && dMs < kMsPerDay) << t;
    ASSERT_GE(iDay, iLastDay) << t;
    iLastDay = iDay;
  }
}

TEST(TimeOfDay, SplitDefinedForEveryDouble) {
  struct {
    double dTime;
    int iDay;
  } const kRows[] = {
      {kNaN, 0},
      {kInf, INT_MAX},
      {-kInf, INT_MIN},
      {1e300, INT_MAX},
      {-1e300, INT_MIN},
      {2147483648.0, INT_MAX},
      {-2147483648.5, INT_MIN},  // the day below INT_MIN does not exist
      {std::numeric_limits<double>::denorm_min(), 0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.dTime);
    int iDay = 0;
    double dMs = -1.0;
    A::mToDayThousandths(mTime(), row.dTime, &iDay, &dMs);
    EXPECT_EQ(iDay, row.iDay);
    EXPECT_EQ(dMs, 0.0);
  }
}

TEST(TimeOfDay, AddThousandthsNormalises) {
  using N = CmTimeCls::xNumtimStruct;
  struct {
    N xBefore;
    double dAdd;
    N xAfter;
  } const kRows[] = {
      {{10, 86399000.0}, 1000.0, {11, 0.0}},
      {{10, 0.0}, -1.0, {9, 86399999.0}},
      {{10, 500.0}, -3 * kMsPerDay, {7, 500.0}},
      {{10, 500.0}, 5 * kMsPerDay + 1.0, {15, 501.0}},
      {{-3, 0.0}, -0.5 * kMsPerDay, {-4, 43200000.0}},
      {{10, 0.0}, -1e-12, {10, 0.0}},  // a hair below a whole day rounds to it
      {{10, 123.0}, kNaN, {10, 0.0}},
      {{10, 0.0}, kInf, {INT_MAX, 0.0}},
      {{10, 0.0}, -kInf, {INT_MIN, 0.0}},
      {{INT_MAX, 86399999.0}, 1.0, {INT_MAX, 0.0}},
      {{INT_MIN, 0.0}, -1.0, {INT_MIN, 0.0}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.xBefore.iDayNumber << " + " << row.dAdd);
    N x = row.xBefore;
    A::mAddThousandths(mTime(), row.dAdd, &x);
    EXPECT_EQ(x.iDayNumber, row.xAfter.iDayNumber);
    EXPECT_EQ(x.dTimeOfDay, row.xAfter.dTimeOfDay);
  }
  CmTimeCls::xNumtimStruct x{36526, 43200000.0};
  EXPECT_EQ(A::mToDaysFraction(mTime(), &x), 36526.5);
  x = {-2, 43200000.0};
  EXPECT_EQ(A::mToDaysFraction(mTime(), &x), -1.5);
}

TEST(TimeOfDay, GenerateCorvaneTime) {
  double t = 0.0;
  EXPECT_TRUE(mTime().mGenerateCorvaneTime(2000, 1, 1, 12, 0, 0, 0, &t));
  EXPECT_EQ(t, 36526.5);
  EXPECT_TRUE(mTime().mGenerateCorvaneTime(1899, 12, 29, 18, 0, 0, 0, &t));
  EXPECT_EQ(t, -1 + 0.75);
  // Every millisecond of a day splits back into the same parts.
  const CmTimeCls& o = mTime();
  for (int iMs = 0; iMs < 86400000; iMs += 997) {
    const int h = iMs / 3600000, m = iMs / 60000 % 60, s = iMs / 1000 % 60, ms = iMs % 1000;
    ASSERT_TRUE(o.mGenerateCorvaneTime(1000, 1, 1, h, m, s, ms, &t));
    int rh = 0, rm = 0, rs = 0, rms = 0, iDay = 0;
    double dMs = 0.0;
    A::mToDayThousandths(o, t, &iDay, &dMs);
    A::mTimeOfDay(o, t, &rh, &rm, &rs, &rms);
    ASSERT_EQ(iDay, -328716) << iMs;
    ASSERT_EQ(dMs, iMs);
    ASSERT_EQ(rh * 10000000 + rm * 100000 + rs * 1000 + rms,
              h * 10000000 + m * 100000 + s * 1000 + ms);
  }
}

TEST(TimeOfDay, TimeDiffMovesAwayFromZero) {
  EXPECT_EQ(mTime().mTimeDiff(7.25, 7.25), 5e-10);
  EXPECT_EQ(mTime().mTimeDiff(2, 1), -1 - 5e-10);
  EXPECT_EQ(mTime().mTimeDiff(1, 2), 1 + 5e-10);
  EXPECT_EQ(mTime().mTimeDiff(-0.5, -0.25), 0.25 + 5e-10);
  EXPECT_TRUE(std::isnan(mTime().mTimeDiff(kNaN, 1)));
  EXPECT_EQ(mTime().mTimeDiff(0, kInf), kInf);
}

TEST(Validity, BoundsOnBothSides) {
  struct {
    double dTime;
    bool bValid;
  } const kRows[] = {
      {-328716.0, true},          // 1 January 1000
      {-328716.0 + 0.999, true},  // late that day
      {-328716.5, false},         // 31 December 999, noon
      {-328717.0, false},
      {767376.0, true},  // 31 December 4000
      {767376.99, true},
      {767377.0, false},
      {767377.0 - 1e-10, false},  // within the nudge of 1 January 4001
      {0.0, true},
      {45519.25, true},
      {1100000.0, false},  // beyond the quick bound
      {-1e15, false},
      {1e15, false},
      {kNaN, false},
      {kInf, false},
      {-kInf, false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.dTime);
    EXPECT_EQ(mTime().mValidCorvaneTime(row.dTime), row.bValid);
  }
  EXPECT_FALSE(mTime().mValidCorvaneTime(mMissing()));
}

TEST(Odbc, CorvaneTimeToRecord) {
  tagTIMESTAMP_STRUCT ts;
  std::memset(&ts, 0x5A, sizeof(ts));
  mTime().mCorvaneTimeToODBC(mMissing(), &ts);
  EXPECT_EQ(ts.year, 0);
  EXPECT_EQ(ts.month + ts.day + ts.hour + ts.minute + ts.second, 0);
  EXPECT_EQ(ts.fraction, 0u);

  mTime().mCorvaneTimeToODBC(36526.5, &ts);
  EXPECT_EQ(ts.year, 2000);
  EXPECT_EQ(ts.month, 1);
  EXPECT_EQ(ts.day, 1);
  EXPECT_EQ(ts.hour, 12);
  EXPECT_EQ(ts.minute, 0);
  EXPECT_EQ(ts.second, 0);
  EXPECT_EQ(ts.fraction, 0u);

  mTime().mCorvaneTimeToODBC(-0.25 + 123.0 / kMsPerDay, &ts);  // 29 Dec 1899 18:00:00.123
  EXPECT_EQ(ts.year, 1899);
  EXPECT_EQ(ts.month, 12);
  EXPECT_EQ(ts.day, 29);
  EXPECT_EQ(ts.hour, 18);
  EXPECT_EQ(ts.fraction, 123000000u);

  // NaN and the infinities name no time: the record stays zero.
  for (double t : {kNaN, kInf, -kInf}) {
    std::memset(&ts, 0x5A, sizeof(ts));
    mTime().mCorvaneTimeToODBC(t, &ts);
    EXPECT_EQ(ts.year, 0);
    EXPECT_EQ(ts.fraction, 0u);
  }
  mTime().mCorvaneTimeToODBC(1e300, &ts);  // far out: defined, no crash
}

TEST(Odbc, RecordToCorvaneTimeAndBack) {
  struct {
    short iYear;
    unsigned short iMonth, iDay, iHour, iMinute, iSecond;
    unsigned iFraction;
    double dTime;
  } const kRows[] = {
      {2000, 1, 1, 12, 0, 0, 0, 36526.5},
      {1899, 12, 30, 0, 0, 0, 0, 0.0},
      {2024, 2, 29, 23, 59, 59, 999999999, 45351 + 86399999 / kMsPerDay},
      {1000, 1, 1, 0, 0, 1, 500000, -328716 + 1000 / kMsPerDay},  // below a ms: dropped
      {4000, 12, 31, 6, 30, 0, 250000000, 767376 + 23400250 / kMsPerDay},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.dTime);
    tagTIMESTAMP_STRUCT ts{};
    ts.year = row.iYear;
    ts.month = row.iMonth;
    ts.day = row.iDay;
    ts.hour = row.iHour;
    ts.minute = row.iMinute;
    ts.second = row.iSecond;
    ts.fraction = row.iFraction;
    double t = 0.0;
    mTime().mODBCToCorvaneTime(&ts, &t);
    EXPECT_EQ(t, row.dTime);
    tagTIMESTAMP_STRUCT back{};
    mTime().mCorvaneTimeToODBC(t, &back);
    EXPECT_EQ(back.year, row.iYear);
    EXPECT_EQ(back.month, row.iMonth);
    EXPECT_EQ(back.day, row.iDay);
    EXPECT_EQ(back.hour, row.iHour);
    EXPECT_EQ(back.minute, row.iMinute);
    EXPECT_EQ(back.second, row.iSecond);
    EXPECT_EQ(back.fraction, row.iFraction / 1000000u * 1000000u);
  }
  // Unchecked fields run on: month 13 is January of the next year, hour 24
  // the next day.
  tagTIMESTAMP_STRUCT ts{};
  ts.year = 2023;
  ts.month = 13;
  ts.day = 1;
  ts.hour = 24;
  double t = 0.0;
  mTime().mODBCToCorvaneTime(&ts, &t);
  EXPECT_EQ(t, 45293.0);
  ts.month = 65535;
  ts.fraction = 4294967295u;
  mTime().mODBCToCorvaneTime(&ts, &t);
  EXPECT_TRUE(std::isfinite(t));
}

namespace {

cvn::platform::xLocalClock gxClock{};
void mFixedClock(cvn::platform::xLocalClock* out) { *out = gxClock; }

struct ClockGuard {
  ClockGuard() { cvn::platform::mSetClockForTesting(&mFixedClock); }
  ~ClockGuard() { cvn::platform::mSetClockForTesting(nullptr); }
};

}  // namespace

TEST(Clock, ReadsTheInjectedClock) {
  ClockGuard xGuard;
  gxClock = {124, 0, 12, 0, 0, 0};  // 1 January 2024, noon
  EXPECT_EQ(mTime().mToday(), 45292.0);
  EXPECT_EQ(mTime().mNow(), 45292.5);
  EXPECT_EQ(mTime().mTime(), 0.5 + 5e-10);
  gxClock = {124, 365, 23, 59, 59, 999};  // 31 December 2024
  EXPECT_EQ(mTime().mToday(), 45657.0);
  EXPECT_EQ(mTime().mNow(), 45657 + 86399999 / kMsPerDay);
  EXPECT_EQ(mTime().mTime(), 86399999 / kMsPerDay + 5e-10);
}

TEST(Clock, YearsUpTo90TakeTheNextCentury) {
  ClockGuard xGuard;
  struct {
    int iYearsSince1900, iYear;
  } const kRows[] = {
      {80, 2080}, {90, 2090}, {91, 1991}, {99, 1999}, {100, 2000}, {125, 2025}, {0, 2000},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.iYearsSince1900);
    gxClock = {row.iYearsSince1900, 59, 0, 0, 0, 0};  // the 60th day of the year
    EXPECT_EQ(mTime().mToday(), calendar_test::mReferenceDayNumber(row.iYear, 1, 1) + 59);
  }
  // A clock gone wild still gives a defined day.
  gxClock = {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX};
  EXPECT_EQ(mTime().mToday(), static_cast<double>(INT_MAX));
  EXPECT_TRUE(std::isfinite(mTime().mNow()));
  gxClock = {INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN};
  EXPECT_EQ(mTime().mToday(), static_cast<double>(INT_MIN));
}
