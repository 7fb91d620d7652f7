// The local clock and the clock that tests install.

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace {

namespace cp = cvn::platform;

void mFixedClock(cp::xLocalClock* out) { *out = cp::xLocalClock{80, 74, 13, 5, 9, 321}; }

TEST(Clock, InstalledClockIsUsedAndRemoved) {
  cp::mSetClockForTesting(&mFixedClock);
  cp::xLocalClock x{};
  cp::mLocalNow(&x);
  cp::mSetClockForTesting(nullptr);
  EXPECT_EQ(x.iYearsSince1900, 80);
  EXPECT_EQ(x.iDayOfYear, 74);
  EXPECT_EQ(x.iHour, 13);
  EXPECT_EQ(x.iMinute, 5);
  EXPECT_EQ(x.iSecond, 9);
  EXPECT_EQ(x.iMillisecond, 321);

  cp::xLocalClock y{-1, -1, -1, -1, -1, -1};
  cp::mLocalNow(&y);
  EXPECT_NE(y.iMillisecond, -1);  // the system clock wrote it
}

TEST(Clock, SystemClockFieldsLieInTheirRanges) {
  cp::xLocalClock x{-1, -1, -1, -1, -1, -1};
  cp::mLocalNow(&x);
  EXPECT_GE(x.iYearsSince1900, 70);
  EXPECT_GE(x.iDayOfYear, 0);
  EXPECT_LE(x.iDayOfYear, 365);
  EXPECT_GE(x.iHour, 0);
  EXPECT_LE(x.iHour, 23);
  EXPECT_GE(x.iMinute, 0);
  EXPECT_LE(x.iMinute, 59);
  EXPECT_GE(x.iSecond, 0);
  EXPECT_LE(x.iSecond, 60);  // a leap second
  EXPECT_GE(x.iMillisecond, 0);
  EXPECT_LE(x.iMillisecond, 999);
  cp::mLocalNow(nullptr);  // no crash
}

}  // namespace
