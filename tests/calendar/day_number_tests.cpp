// Day numbers, leap years, month lengths and weekdays: anchors, days and
// months that run on, and the extremes of int (every day of the valid range
// is swept in day_sweep_tests.cpp).

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "support/access.h"

using A = CmTimeClsTestAccess;
using cvn::test::mReferenceDayNumber;

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
  for (const auto& [y, m, d, n, iWeekday] : kRows) {
    EXPECT_TRUE(A::mDayNumber(o, y, m, d) == n && A::mDate(o, n) == (A::Ymd{y, m, d}) &&
                A::mWeekday(o, n) == iWeekday && A::mWeekday(o, y, m, d) == iWeekday)
        << n;
  }
  for (const auto& [y, m, d, y2, m2, d2] : kRunOn) {
    EXPECT_TRUE(A::mDayNumber(o, y, m, d) == A::mDayNumber(o, y2, m2, d2) &&
                A::mWeekday(o, y, m, d) == A::mWeekday(o, y2, m2, d2))
        << y << "/" << m << "/" << d;
  }
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
}

// Every int day number has a date that converts back to it; dates beyond
// the day-number range saturate; any month and day give a weekday and a
// month length in range.
TEST(DayNumbers, ExtremeIntsAreDefined) {
  const CmTimeCls o;
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
      EXPECT_TRUE(iWeekday >= 0 && iWeekday <= 6 && iLength >= 28 && iLength <= 31)
          << a << " " << b;
    }
  }
}
