// Day numbers, leap years, month lengths and weekdays.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "calendar/calendar_access.h"

using A = CmTimeClsTestAccess;
using calendar_test::mReferenceDate;
using calendar_test::mReferenceDayNumber;

namespace {

const CmTimeCls& mTime() {
  static const CmTimeCls* pTime = new CmTimeCls();
  return *pTime;
}

// ---- A literal transcription of the year-by-year walk that the closed-form
// conversions replace (64-bit, so that it can run far out).

bool mWalkLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
std::int64_t mWalkLength(std::int64_t y) { return mWalkLeap(y) ? 366 : 365; }

const int kWalkBefore[2][13] = {{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
                                {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335}};

// Sums of the year lengths from 1900: kSums[k] = days of 1900 .. 1899 + k.
std::int64_t mWalkDaysFrom1900(std::int64_t k) {
  static std::int64_t* pSums = [] {
    auto* p = new std::int64_t[6001];
    p[0] = 0;
    for (int i = 1; i <= 6000; ++i) p[i] = p[i - 1] + mWalkLength(1899 + i);
    return p;
  }();
  return pSums[k];
}

void mWalkFromDayNumber(std::int64_t n, std::int64_t* year, int* month, int* day, int* doy) {
  std::int64_t y = 0;
  std::int64_t r = 0;
  const bool bForward = n >= 2;
  if (bForward) {
    std::int64_t k = (n - 368) / 366;
    if (k < 0) k = 0;
    y = 1900 + k;
    r = n - 1 - mWalkDaysFrom1900(k);
  } else {
    y = 1899;
    r = 2 - n;
  }
  while (r > 366) {
    r -= mWalkLength(y);
    y += bForward ? 1 : -1;
  }
  if (r == 366 && !mWalkLeap(y)) {
    r = 1;
    y += bForward ? 1 : -1;
  }
  if (!bForward) r = (mWalkLeap(y) ? 367 : 366) - r;
  const int* pBefore = kWalkBefore[mWalkLeap(y) ? 1 : 0];
  int m = 12;
  for (int i = 1; i <= 11; ++i) {
    if (r <= pBefore[i + 1]) {
      m = i;
      break;
    }
  }
  *year = y;
  *month = m;
  *day = static_cast<int>(r - pBefore[m]);
  *doy = static_cast<int>(r);
}

// Whole years as the library once summed them one by one.
void mWalkNumJulianDays(int year, std::int64_t* days, bool* before1900) {
  *days = 0;
  if (year > 1899) {
    *before1900 = false;
    for (int y = 1900; y < year; ++y) *days += mWalkLength(y);
  } else {
    *before1900 = true;
    for (int y = year + 1; y <= 1899; ++y) *days += mWalkLength(y);
  }
}

std::int64_t mWalkToJulianDay(int year, int month, int day) {
  std::int64_t iDays = 0;
  bool bBefore1900 = false;
  mWalkNumJulianDays(year, &iDays, &bBefore1900);
  const int iB = kWalkBefore[0][month];
  const bool bLeap = mWalkLeap(year);
  if (!bBefore1900) return iDays + iB + day + (month > 2 && bLeap ? 1 : 0) + 1;
  const std::int64_t r = iDays + (365 - iB - day) + (month <= 2 && bLeap ? 1 : 0);
  return -(r - 1);
}

}  // namespace

TEST(DayNumbers, Anchors) {
  struct {
    int iYear, iMonth, iDay, iDayNumber;
  } const kRows[] = {
      {1899, 12, 30, 0},     {1899, 12, 31, 1},      {1900, 1, 1, 2},      {1900, 2, 28, 60},
      {1900, 3, 1, 61},      {1970, 1, 1, 25569},    {2000, 1, 1, 36526},  {1899, 1, 1, -363},
      {1000, 1, 1, -328716}, {4000, 12, 31, 767376}, {2000, 2, 29, 36585}, {2024, 2, 29, 45351},
      {2024, 1, 1, 45292},   {1600, 3, 1, -109511},  {1, 1, 1, -693593},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iYear << "-" << row.iMonth << "-" << row.iDay);
    EXPECT_EQ(A::mToJulianDay(mTime(), row.iYear, row.iMonth, row.iDay), row.iDayNumber);
    int y = 0, m = 0, d = 0, w = 0;
    A::mFromJulianDay(mTime(), row.iDayNumber, &y, &m, &d, &w, xExtractWeekFromJanuary);
    EXPECT_EQ(y, row.iYear);
    EXPECT_EQ(m, row.iMonth);
    EXPECT_EQ(d, row.iDay);
  }
}

TEST(DayNumbers, NonexistentDaysRunOn) {
  // 29 February 1900 is 1 March; day 0 is the last day of the month before.
  EXPECT_EQ(A::mToJulianDay(mTime(), 1900, 2, 29), 61);
  EXPECT_EQ(A::mToJulianDay(mTime(), 2000, 3, 0), A::mToJulianDay(mTime(), 2000, 2, 29));
  EXPECT_EQ(A::mToJulianDay(mTime(), 1899, 1, 0), -364);
  EXPECT_EQ(A::mToJulianDay(mTime(), 2023, 1, 32), A::mToJulianDay(mTime(), 2023, 2, 1));
  EXPECT_EQ(A::mToJulianDay(mTime(), 2023, 1, -30), A::mToJulianDay(mTime(), 2022, 12, 1));
  EXPECT_EQ(A::mToJulianDayOfYear(mTime(), 2023, 366), A::mToJulianDay(mTime(), 2024, 1, 1));
  EXPECT_EQ(A::mToJulianDayOfYear(mTime(), 1899, 0), A::mToJulianDay(mTime(), 1898, 12, 31));
}

TEST(DayNumbers, OutOfRangeMonthsCarryYears) {
  // Months outside 1..12 count on into the neighbouring years.
  struct {
    int iYear, iMonth, iDay, iSameYear, iSameMonth;
  } const kRows[] = {
      {2023, 13, 1, 2024, 1}, {2023, 0, 15, 2022, 12}, {2023, 14, 29, 2024, 2},
      {1899, 25, 3, 1901, 1}, {2000, -11, 1, 1999, 1}, {2000, -12, 1, 1998, 12},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iYear << "/" << row.iMonth);
    EXPECT_EQ(A::mToJulianDay(mTime(), row.iYear, row.iMonth, row.iDay),
              A::mToJulianDay(mTime(), row.iSameYear, row.iSameMonth, row.iDay));
    EXPECT_EQ(A::mGetDayOfWeek(mTime(), row.iYear, row.iMonth, row.iDay),
              A::mGetDayOfWeek(mTime(), row.iSameYear, row.iSameMonth, row.iDay));
    EXPECT_EQ(mTime().mGetMaxDaysInMonthYear(row.iMonth, row.iYear),
              mTime().mGetMaxDaysInMonthYear(row.iSameMonth, row.iSameYear));
  }
  EXPECT_EQ(mTime().mGetMaxDaysInMonth(13), 31);
  EXPECT_EQ(mTime().mGetMaxDaysInMonth(14), 29);
  EXPECT_EQ(mTime().mGetMaxDaysInMonth(0), 31);
  EXPECT_EQ(mTime().mGetMaxDaysInMonthYear(14, 2023), 29);  // February 2024
}

TEST(DayNumbers, LeapYearsAndMonthLengths) {
  struct {
    int iYear;
    bool bLeap;
  } const kRows[] = {{1900, false}, {2000, true},  {2024, true},  {2023, false}, {1600, true},
                     {1700, false}, {4000, true},  {1000, false}, {1004, true},  {0, true},
                     {-4, true},    {-100, false}, {-400, true},  {-1, false}};
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.iYear);
    EXPECT_EQ(A::mIsLeapYear(mTime(), row.iYear), row.bLeap);
    EXPECT_EQ(mTime().mGetMaxDaysInMonthYear(2, row.iYear), row.bLeap ? 29 : 28);
  }
  const int kLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(mTime().mGetMaxDaysInMonth(m), kLengths[m - 1]);
    if (m != 2) {
      EXPECT_EQ(mTime().mGetMaxDaysInMonthYear(m, 1900), kLengths[m - 1]);
    }
  }
  EXPECT_EQ(mTime().mGetMaxDaysInMonthYear(2, 1900), 28);
}

// Every day from 1 January 1000 to 31 December 4000 against the reference,
// by a date loop that knows nothing of day numbers: the number goes up by
// one each day, both directions agree, and the weekday advances by one.
TEST(DayNumbers, RoundTripEveryDay1000To4000) {
  int iExpected = -328716;
  int iWeekday = A::mGetDayOfWeek(mTime(), iExpected);
  EXPECT_EQ(iWeekday, 2);  // 1 January 1000 was a Wednesday
  int iFailures = 0;
  for (int y = 1000; y <= 4000 && iFailures < 10; ++y) {
    int iDayOfYear = 0;
    for (int m = 1; m <= 12; ++m) {
      const int iLength = mReferenceDayNumber(m == 12 ? y + 1 : y, m == 12 ? 1 : m + 1, 1) -
                          mReferenceDayNumber(y, m, 1);
      EXPECT_EQ(mTime().mGetMaxDaysInMonthYear(m, y), iLength);
      for (int d = 1; d <= iLength; ++d) {
        ++iDayOfYear;
        int ry = 0, rm = 0, rd = 0, rw = 0;
        A::mFromJulianDay(mTime(), iExpected, &ry, &rm, &rd, &rw, xExtractWeekFromJanuary);
        const int iForward = A::mToJulianDay(mTime(), y, m, d);
        const int iWeekdayOfDate = A::mGetDayOfWeek(mTime(), y, m, d);
        const int iWeekdayOfNumber = A::mGetDayOfWeek(mTime(), iExpected);
        if (iForward != iExpected || mReferenceDayNumber(y, m, d) != iExpected || ry != y ||
            rm != m || rd != d || A::mToJulianDayOfYear(mTime(), y, iDayOfYear) != iExpected ||
            iWeekdayOfDate != iWeekdayOfNumber || iWeekdayOfNumber != iWeekday) {
          ADD_FAILURE() << y << "-" << m << "-" << d << ": day " << iExpected << " forward "
                        << iForward << " back " << ry << "-" << rm << "-" << rd << " weekday "
                        << iWeekdayOfDate << "/" << iWeekdayOfNumber << " expected " << iWeekday;
          ++iFailures;
        }
        ++iExpected;
        iWeekday = (iWeekday + 1) % 7;
      }
    }
    EXPECT_EQ(iDayOfYear, A::mIsLeapYear(mTime(), y) ? 366 : 365);
  }
  EXPECT_EQ(iExpected - 1, 767376);
}

// The closed-form conversion gives exactly what the year-by-year walk gave,
// every day from before year 1000 to beyond the validity bound, and every
// 13th day further back.
TEST(DayNumbers, FromJulianDayEqualsYearWalk) {
  int iFailures = 0;
  auto mCheck = [&](int n) {
    std::int64_t wy = 0;
    int wm = 0, wd = 0, wdoy = 0;
    mWalkFromDayNumber(n, &wy, &wm, &wd, &wdoy);
    int y = 0, m = 0, d = 0, w = 0;
    A::mFromJulianDay(mTime(), n, &y, &m, &d, &w, xExtractWeekFromJanuary);
    if (y != wy || m != wm || d != wd ||
        w != A::mFindWeek(mTime(), wdoy, static_cast<int>(wy), xExtractWeekFromJanuary)) {
      ADD_FAILURE() << "day " << n << ": " << y << "-" << m << "-" << d << " walk " << wy << "-"
                    << wm << "-" << wd;
      ++iFailures;
    }
  };
  for (int n = -330000; n <= 1200000 && iFailures < 10; ++n) mCheck(n);
  for (int n = -1000000; n < -330000 && iFailures < 10; n += 13) mCheck(n);
}

TEST(DayNumbers, ToJulianDayEqualsYearSums) {
  for (int y = 1000; y <= 4000; ++y) {
    std::int64_t iWalkDays = 0;
    bool bWalkBefore = false;
    mWalkNumJulianDays(y, &iWalkDays, &bWalkBefore);
    int iDays = 0;
    bool bBefore = false;
    A::mNumJulianDays(mTime(), y, &iDays, &bBefore);
    ASSERT_EQ(iDays, iWalkDays) << y;
    ASSERT_EQ(bBefore, bWalkBefore) << y;
  }
  // Both branches of the date formula, including days 0 and 32.
  const int kYears[] = {1000, 1600, 1700, 1896, 1899, 1900, 1901, 2000, 2023, 2024, 4000};
  for (int y : kYears) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 0; d <= 32; ++d) {
        ASSERT_EQ(A::mToJulianDay(mTime(), y, m, d), mWalkToJulianDay(y, m, d))
            << y << "-" << m << "-" << d;
      }
    }
  }
}

TEST(DayNumbers, ExtremeIntsSaturateOrConvertExactly) {
  // Every int day number has a date, and converts back to itself.
  const int kDays[] = {INT_MIN, INT_MIN + 1, -1000000000, 1000000000, INT_MAX - 1, INT_MAX};
  for (int n : kDays) {
    SCOPED_TRACE(n);
    int y = 0, m = 0, d = 0, w = 0;
    A::mFromJulianDay(mTime(), n, &y, &m, &d, &w, xExtractWeekFromOctober);
    std::int64_t ry = 0;
    int rm = 0, rd = 0;
    mReferenceDate(static_cast<std::int64_t>(n) + calendar_test::kJdnOfDayZero, &ry, &rm, &rd);
    if (n > -1000000000) {  // the reference needs years after -4800
      EXPECT_EQ(y, ry);
      EXPECT_EQ(m, rm);
      EXPECT_EQ(d, rd);
    }
    EXPECT_EQ(A::mToJulianDay(mTime(), y, m, d), n);
    EXPECT_EQ(A::mGetDayOfWeek(mTime(), y, m, d), A::mGetDayOfWeek(mTime(), n));
  }
  // Dates beyond the day-number range saturate.
  EXPECT_EQ(A::mToJulianDay(mTime(), INT_MAX, 12, 31), INT_MAX);
  EXPECT_EQ(A::mToJulianDay(mTime(), INT_MIN, 1, 1), INT_MIN);
  EXPECT_EQ(A::mToJulianDay(mTime(), 2000, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(A::mToJulianDay(mTime(), 2000, INT_MIN, INT_MIN), INT_MIN);
  EXPECT_EQ(A::mToJulianDayOfYear(mTime(), INT_MAX, INT_MAX), INT_MAX);
  int iDays = 0;
  bool bBefore = false;
  A::mNumJulianDays(mTime(), INT_MAX, &iDays, &bBefore);
  EXPECT_EQ(iDays, INT_MAX);
  EXPECT_FALSE(bBefore);
  A::mNumJulianDays(mTime(), INT_MIN, &iDays, &bBefore);
  EXPECT_EQ(iDays, INT_MAX);
  EXPECT_TRUE(bBefore);
  A::mNumJulianDays(mTime(), 1899, &iDays, &bBefore);
  EXPECT_EQ(iDays, 0);
  EXPECT_TRUE(bBefore);
  // Any month or day gives a weekday in range.
  const int kInts[] = {INT_MIN, -13, -1, 0, 1, 13, INT_MAX};
  for (int a : kInts) {
    for (int b : kInts) {
      const int iWeekday = A::mGetDayOfWeek(mTime(), a, b, a);
      EXPECT_TRUE(iWeekday >= 0 && iWeekday <= 6) << a << " " << b;
      const int iLength = mTime().mGetMaxDaysInMonthYear(a, b);
      EXPECT_TRUE(iLength >= 28 && iLength <= 31) << a << " " << b;
    }
  }
}

TEST(DayNumbers, WeekdaysOfKnownDates) {
  struct {
    int iYear, iMonth, iDay, iWeekday;
  } const kRows[] = {
      {1899, 12, 30, 5},  // day 0 was a Saturday
      {1900, 1, 1, 0},   {2000, 1, 1, 5}, {2023, 1, 1, 6},   {2024, 8, 15, 3},
      {1970, 1, 1, 3},   {1000, 1, 1, 2}, {4000, 12, 31, 6}, {1, 1, 1, 0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iYear << "-" << row.iMonth << "-" << row.iDay);
    EXPECT_EQ(A::mGetDayOfWeek(mTime(), row.iYear, row.iMonth, row.iDay), row.iWeekday);
    EXPECT_EQ(A::mGetDayOfWeek(mTime(), mReferenceDayNumber(row.iYear, row.iMonth, row.iDay)),
              row.iWeekday);
  }
  EXPECT_EQ(A::mGetDayOfWeek(mTime(), -1), 4);  // non-negative below day 0
  EXPECT_EQ(A::mGetDayOfWeek(mTime(), INT_MIN), A::mGetDayOfWeek(mTime(), INT_MIN + 7));
}
