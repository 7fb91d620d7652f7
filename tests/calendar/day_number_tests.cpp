// Day numbers, leap years, month lengths and weekdays: anchors, every day
// of the valid range against an independent reference (with the time of
// day, the split, validity and the ODBC record), and the closed-form
// conversion against the year-by-year walk it replaced.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "calendar/calendar_access.h"

using A = CmTimeClsTestAccess;
using calendar_test::mReferenceDayNumber;
using calendar_test::Record;

namespace {

// ---- The year-by-year walk from 1900 that the closed form replaced,
// transcribed literally (64-bit, so that it can run far out).
bool mWalkLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
std::int64_t mWalkLength(std::int64_t y) { return mWalkLeap(y) ? 366 : 365; }
const int kWalkBefore[2][13] = {{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
                                {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335}};

// Year, month, day and day of the year of day number n. From 1900 on, k
// whole years are skipped at once (their days from the reference) and the
// walk goes forward; before, it counts back from 31 December 1899 (r = 1).
std::array<int, 4> mWalkFromDayNumber(int n) {
  const int iStep = n >= 2 ? 1 : -1;
  std::int64_t y = n >= 2 ? 1900 + std::max(0, (n - 368) / 366) : 1899;
  std::int64_t r = n >= 2 ? n - 1 - (mReferenceDayNumber(y, 1, 1) - 2) : 2 - n;
  for (; r > 366; y += iStep) r -= mWalkLength(y);
  if (r == 366 && !mWalkLeap(y)) {
    r = 1;
    y += iStep;
  }
  if (n < 2) r = (mWalkLeap(y) ? 367 : 366) - r;
  const int* pBefore = kWalkBefore[mWalkLeap(y) ? 1 : 0];
  int m = 1;
  while (m < 12 && r > pBefore[m + 1]) ++m;
  return {static_cast<int>(y), m, static_cast<int>(r - pBefore[m]), static_cast<int>(r)};
}

}  // namespace

TEST(DayNumbers, Anchors) {
  const CmTimeCls o;
  // Year, month, day, day number, weekday (0 = Monday). Day 0 is Saturday
  // 30 December 1899, 1900 has no 29 February, valid times run from
  // 1 January 1000 to 31 December 4000.
  // clang-format off
  const std::array<int, 5> kRows[] = {
      {1899, 12, 30, 0, 5}, {1899, 12, 31, 1, 6}, {1900, 1, 1, 2, 0}, {1900, 2, 28, 60, 2},
      {1900, 3, 1, 61, 3}, {1970, 1, 1, 25569, 3}, {2000, 1, 1, 36526, 5}, {1899, 1, 1, -363, 6},
      {2000, 2, 29, 36585, 1}, {2024, 2, 29, 45351, 3}, {2024, 8, 15, 45519, 3},
      {1000, 1, 1, -328716, 2}, {4000, 12, 31, 767376, 6}, {1, 1, 1, -693593, 0}};
  // clang-format on
  for (const auto& [y, m, d, n, iWeekday] : kRows) {
    EXPECT_EQ(A::mDayNumber(o, y, m, d), n);
    EXPECT_EQ(A::mDate(o, n), (A::Ymd{y, m, d}));
    EXPECT_EQ(A::mWeekday(o, n), iWeekday) << n;
    EXPECT_EQ(A::mWeekday(o, y, m, d), iWeekday) << n;
  }
  // Days and months outside their range run on into the neighbouring ones:
  // 29 February 1900 is 1 March, day 0 the last day of the month before,
  // month 13 January of the next year, month 0 December of the one before.
  // clang-format off
  const std::array<int, 6> kRunOn[] = {
      {1900, 2, 29, 1900, 3, 1}, {2000, 3, 0, 2000, 2, 29}, {2023, 1, 32, 2023, 2, 1},
      {2023, 13, 1, 2024, 1, 1}, {2023, 0, 15, 2022, 12, 15}, {2023, 14, 29, 2024, 2, 29},
      {2000, -12, 1, 1998, 12, 1}};
  // clang-format on
  for (const auto& [y, m, d, y2, m2, d2] : kRunOn) {
    EXPECT_EQ(A::mDayNumber(o, y, m, d), A::mDayNumber(o, y2, m2, d2)) << y << "/" << m << "/" << d;
    EXPECT_EQ(A::mWeekday(o, y, m, d), A::mWeekday(o, y2, m2, d2)) << y << "/" << m << "/" << d;
  }
  EXPECT_EQ(o.mGetMaxDaysInMonthYear(14, 2023), 29);  // February 2024
  EXPECT_EQ(A::mYearDayNumber(o, 2023, 366), A::mDayNumber(o, 2024, 1, 1));
  EXPECT_EQ(A::mYearDayNumber(o, 1899, 0), A::mDayNumber(o, 1898, 12, 31));
  // Leap years and February before the swept range, by the reference; the
  // longest a month can be is its length in a leap year, also for months
  // that run on.
  for (int y = -1000; y < 1000; ++y) {
    const bool bLeap = mReferenceDayNumber(y, 3, 1) - mReferenceDayNumber(y, 2, 28) == 2;
    ASSERT_TRUE(A::mIsLeapYear(o, y) == bLeap && o.mGetMaxDaysInMonthYear(2, y) == 28 + bLeap) << y;
  }
  const int kLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = -13; m <= 26; ++m) EXPECT_EQ(o.mGetMaxDaysInMonth(m), kLengths[(m + 35) % 12]) << m;
}

// Every day from 1 January 1000 to 31 December 4000 by a date loop that
// knows nothing of day numbers, at a time of day that walks through the
// day: the number goes up by one each day and matches the reference, both
// directions and the day-of-year form agree, both weekday forms advance by
// one, the month lengths agree; the time made from the parts (by the
// inline path) splits back into them, is valid, and becomes the matching
// ODBC record (by the inline path) and back.
TEST(DayNumbers, EveryDay1000To4000) {
  const CmTimeCls o;
  int n = -328716, iWeekday = 2;  // 1 January 1000 was a Wednesday
  for (int y = 1000; y <= 4000; ++y) {
    int iDayOfYear = 0;
    for (int m = 1; m <= 12; ++m) {
      const int iLength =
          mReferenceDayNumber(y + m / 12, m % 12 + 1, 1) - mReferenceDayNumber(y, m, 1);
      ASSERT_EQ(o.mGetMaxDaysInMonthYear(m, y), iLength) << y << "-" << m;
      for (int d = 1; d <= iLength; ++d, ++n, ++iDayOfYear, iWeekday = (iWeekday + 1) % 7) {
        const int iMs = static_cast<int>((n * 7919LL % 86400000 + 86400000) % 86400000);
        const int h = iMs / 3600000, mi = iMs / 60000 % 60, s = iMs / 1000 % 60, ms = iMs % 1000;
        const Record xRecord{y, m, d, h, mi, s, ms * 1000000LL};
        double t = 0.0;
        o.mGenerateCorvaneTime(y, m, d, h, mi, s, ms, &t);
        const bool bOk =
            mReferenceDayNumber(y, m, d) == n && A::mDayNumber(o, y, m, d) == n &&
            A::mDate(o, n) == A::Ymd{y, m, d} && A::mYearDayNumber(o, y, iDayOfYear + 1) == n &&
            A::mWeekday(o, n) == iWeekday && A::mWeekday(o, y, m, d) == iWeekday &&
            t == n + iMs / 86400000.0 && A::mSplit(o, t) == A::Split(n, iMs) &&
            A::mClock(o, iMs) == A::Clock{h, mi, s, ms} && A::mMs(o, h, mi, s, ms) == iMs &&
            o.mValidCorvaneTime(t) && calendar_test::mToOdbc(o, t) == xRecord &&
            calendar_test::mFromOdbc(o, xRecord) == t;
        ASSERT_TRUE(bOk) << y << "-" << m << "-" << d << " (day " << n << ", " << iMs << " ms)";
      }
    }
    ASSERT_EQ(iDayOfYear, A::mIsLeapYear(o, y) ? 366 : 365) << y;
  }
  EXPECT_EQ(n - 1, 767376);
}

// The closed form gives what the year-by-year walk gave, every day from
// before year 1000 to beyond the validity bound and every 13th day further
// back, with the week counted from the walk's day of the year; the whole
// years are the sums of the year lengths (from 1900 on those of 1900 ..
// y - 1, before it those of y + 1 .. 1899).
TEST(DayNumbers, ClosedFormEqualsYearWalk) {
  const CmTimeCls o;
  for (int n = -1000000; n <= 1200000; n += n < -330000 ? 13 : 1) {
    const auto [y, m, d, iDayOfYear] = mWalkFromDayNumber(n);
    ASSERT_EQ(A::mDate(o, n), (A::Ymd{y, m, d})) << n;
    ASSERT_EQ(A::mWeek(o, n, xExtractWeekFromJanuary),
              A::mFindWeek(o, iDayOfYear, y, xExtractWeekFromJanuary))
        << n;
  }
  for (int y = 1000; y <= 4000; ++y) {
    std::int64_t iDays = 0;
    for (int k = y < 1900 ? y + 1 : 1900; k < std::max(y, 1900); ++k) iDays += mWalkLength(k);
    ASSERT_EQ(A::mNumJulianDays(o, y), std::make_pair(static_cast<int>(iDays), y < 1900)) << y;
  }
}

// Every int day number has a date that converts back to it; dates beyond
// the day-number range saturate; any month and day give a weekday and a
// month length in range.
TEST(DayNumbers, ExtremeIntsAreDefined) {
  const CmTimeCls o;
  for (int n : {INT_MIN, INT_MIN + 1, -1000000000, 1000000000, INT_MAX}) {
    const auto [y, m, d] = A::mDate(o, n);
    EXPECT_TRUE(A::mDayNumber(o, y, m, d) == n && A::mWeekday(o, y, m, d) == A::mWeekday(o, n))
        << n;
  }
  EXPECT_EQ(A::mDayNumber(o, INT_MAX, 12, 31), INT_MAX);
  EXPECT_EQ(A::mDayNumber(o, 2000, INT_MIN, INT_MIN), INT_MIN);
  EXPECT_EQ(A::mYearDayNumber(o, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(A::mNumJulianDays(o, INT_MIN), std::make_pair(INT_MAX, true));
  for (int a : {INT_MIN, -13, -1, 0, 13, INT_MAX}) {
    for (int b : {INT_MIN, -13, -1, 0, 13, INT_MAX}) {
      const int iWeekday = A::mWeekday(o, a, b, a), iLength = o.mGetMaxDaysInMonthYear(a, b);
      EXPECT_TRUE(iWeekday >= 0 && iWeekday <= 6 && iLength >= 28 && iLength <= 31)
          << a << " " << b;
    }
  }
}
