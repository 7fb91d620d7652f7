// Week numbers under every first day of the week and year start, the week
// to date conversion, and floors to every unit.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "calendar/calendar_access.h"

using A = CmTimeClsTestAccess;
using calendar_test::mReferenceDayNumber;

namespace {

constexpr double kMsPerDay = 86400000.0;

// Week number of a date, counted as how says.
int mWeekOf(const CmTimeCls& o, int y, int m, int d, xTimeExtractEnum how) {
  int ry = 0, rm = 0, rd = 0, w = 0;
  A::mFromJulianDay(o, mReferenceDayNumber(y, m, d), &ry, &rm, &rd, &w, how);
  return w;
}

const xTimeExtractEnum kStarts[] = {xExtractWeekFromJanuary, xExtractWeekFromApril,
                                    xExtractWeekFromJuly, xExtractWeekFromOctober};
int mStartMonth(xTimeExtractEnum how) {
  return how == xExtractWeekFromApril     ? 4
         : how == xExtractWeekFromJuly    ? 7
         : how == xExtractWeekFromOctober ? 10
                                          : 1;
}

}  // namespace

TEST(Weeks, KnownWeekNumbers) {
  struct {
    int iStartDay;
    xTimeExtractEnum eHow;
    int iYear, iMonth, iDay, iWeek;
    const char* pszWhy;
  } const kRows[] = {
      {6, xExtractWeekFromJanuary, 2023, 1, 1, 1, "2023 begins on a Sunday"},
      {6, xExtractWeekFromJanuary, 2023, 1, 7, 1, ""},
      {6, xExtractWeekFromJanuary, 2023, 1, 8, 2, ""},
      {6, xExtractWeekFromJanuary, 2023, 12, 31, 53, ""},
      {6, xExtractWeekFromJanuary, 2022, 1, 1, 1, "a one-day first week"},
      {6, xExtractWeekFromJanuary, 2022, 1, 2, 2, ""},
      {6, xExtractWeekFromJanuary, 2022, 1, 9, 3, ""},
      {6, xExtractWeekFromJanuary, 2000, 12, 31, 54, "a leap year with 54 weeks"},
      {0, xExtractWeekFromJanuary, 2000, 12, 31, 53, ""},
      {0, xExtractWeekFromJanuary, 2024, 1, 7, 1, "2024 begins on a Monday"},
      {0, xExtractWeekFromJanuary, 2024, 1, 8, 2, ""},
      {0, xExtractWeekFromJanuary, 2024, 12, 31, 53, ""},
      {0, xExtractWeekFromJanuary, 2023, 1, 1, 1, ""},
      {0, xExtractWeekFromJanuary, 2023, 1, 2, 2, ""},
      {6, xExtractWeekLabelFirst, 2024, 8, 15, 33, "weeks of the calendar year"},
      {6, xExtractWeekNumberFirst, 2024, 8, 15, 33, ""},
      {6, xExtractYear4, 2024, 8, 15, 33, ""},
      {6, xExtractWeekFromApril, 2024, 8, 15, 20, ""},
      {6, xExtractWeekFromJuly, 2024, 8, 15, 7, ""},
      {6, xExtractWeekFromOctober, 2024, 8, 15, 46, "counted from 1 October 2023"},
      {0, xExtractWeekFromApril, 2024, 4, 1, 1, ""},
      {0, xExtractWeekFromApril, 2024, 4, 8, 2, ""},
      {0, xExtractWeekFromApril, 2024, 12, 31, 40, ""},
      {0, xExtractWeekFromApril, 2025, 1, 1, 40, "no break at the new calendar year"},
      {0, xExtractWeekFromApril, 2025, 1, 6, 41, ""},
      {0, xExtractWeekFromApril, 2025, 3, 31, 53, ""},
      {0, xExtractWeekFromApril, 2025, 4, 1, 1, "the next fiscal year"},
      {0, xExtractWeekFromApril, 2025, 4, 7, 2, ""},
      {0, xExtractWeekFromApril, 2023, 12, 31, 40, ""},
      // A calendar year beginning on the first day of the week begins a new
      // week inside the fiscal year (counting from the same calendar year's
      // start instead would give 40).
      {0, xExtractWeekFromApril, 2024, 1, 1, 41, "from the previous year's start"},
  };
  CmTimeCls o;
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message()
                 << row.iYear << "-" << row.iMonth << "-" << row.iDay << " " << row.pszWhy);
    A::mSetStartDay(o, row.iStartDay);
    EXPECT_EQ(mWeekOf(o, row.iYear, row.iMonth, row.iDay, row.eHow), row.iWeek);
  }
}

TEST(Weeks, WeeksInYear) {
  CmTimeCls o;
  A::mSetStartDay(o, 0);
  EXPECT_EQ(A::mGetWeeksInYear(o, 2024), 53);
  EXPECT_EQ(A::mGetDaysInFirstWeek(o, 2024, 1), 7);
  A::mSetStartDay(o, 6);
  EXPECT_EQ(A::mGetWeeksInYear(o, 2000), 54);
  EXPECT_EQ(A::mGetDaysInFirstWeek(o, 2000, 1), 1);
  EXPECT_EQ(A::mGetWeeksInYear(o, 2022), 53);        // common: 53 even with a 1-day week
  EXPECT_EQ(A::mGetDaysInFirstWeek(o, 2024, 8), 3);  // 1 August 2024 is a Thursday
  EXPECT_EQ(A::mGetDaysInFirstWeek(o, 2023, 10), 7);
}

// For every first day of the week and year start, over many years: the
// year start is in week 1, the week goes up by one exactly on each
// start-of-week day, and a calendar year's last week is its week count.
TEST(Weeks, SequenceInvariants) {
  CmTimeCls o;
  for (int iStartDay = 0; iStartDay < 7; ++iStartDay) {
    A::mSetStartDay(o, iStartDay);
    for (xTimeExtractEnum eHow : kStarts) {
      SCOPED_TRACE(testing::Message() << "start day " << iStartDay << " how " << eHow);
      const int iFirst = mReferenceDayNumber(1996, 1, 1);
      const int iLast = mReferenceDayNumber(2031, 12, 31);
      int y = 0, m = 0, d = 0, iPrevWeek = 0;
      A::mFromJulianDay(o, iFirst - 1, &y, &m, &d, &iPrevWeek, eHow);
      for (int n = iFirst; n <= iLast; ++n) {
        int w = 0;
        A::mFromJulianDay(o, n, &y, &m, &d, &w, eHow);
        int iExpected = iPrevWeek + (A::mGetDayOfWeek(o, n) == iStartDay ? 1 : 0);
        if (d == 1 && m == mStartMonth(eHow)) iExpected = 1;
        ASSERT_EQ(w, iExpected) << y << "-" << m << "-" << d;
        if (eHow == xExtractWeekFromJanuary && m == 12 && d == 31) {
          ASSERT_EQ(w, A::mGetWeeksInYear(o, y)) << y;
        }
        iPrevWeek = w;
      }
    }
  }
}

TEST(Weeks, MonthAndDayOfWeekStart) {
  CmTimeCls o;
  for (int iStartDay = 0; iStartDay < 7; ++iStartDay) {
    A::mSetStartDay(o, iStartDay);
    for (int y = 1999; y <= 2030; ++y) {
      SCOPED_TRACE(testing::Message() << y << " start day " << iStartDay);
      const int iWeeks = A::mGetWeeksInYear(o, y);
      for (int w = 1; w <= iWeeks; ++w) {
        int m = 0, d = 0;
        A::mGetMonthAndDay(o, y, w, &m, &d);
        ASSERT_EQ(mWeekOf(o, y, m, d, xExtractWeekFromJanuary), w) << w;
        if (w == 1) {
          ASSERT_TRUE(m == 1 && d == 1);
        } else {
          ASSERT_EQ(A::mGetDayOfWeek(o, y, m, d), iStartDay) << w;
        }
      }
    }
  }
  int m = 0, d = 0;
  A::mSetStartDay(o, 6);
  A::mGetMonthAndDay(o, 2022, 2, &m, &d);  // 2 January 2022, the first Sunday
  EXPECT_EQ(m * 100 + d, 102);
  A::mGetMonthAndDay(o, 2022, -5, &m, &d);
  EXPECT_EQ(m * 100 + d, 101);
  A::mGetMonthAndDay(o, 2022, INT_MAX, &m, &d);  // defined, no overflow
  EXPECT_TRUE(m >= 1 && m <= 12 && d >= 1 && d <= 31);
}

TEST(Weeks, StrayStartDayIsTakenModuloSeven) {
  CmTimeCls o;
  A::mSetStartDay(o, 6);
  const int iSunday = mWeekOf(o, 2022, 6, 15, xExtractWeekFromJanuary);
  for (int iStray : {13, -1, INT_MIN + 1}) {  // all Sundays modulo 7
    SCOPED_TRACE(iStray);
    A::mSetStartDay(o, iStray);
    EXPECT_EQ(mWeekOf(o, 2022, 6, 15, xExtractWeekFromJanuary), iSunday);
  }
  A::mSetStartDay(o, INT_MAX);  // 1 modulo 7: Tuesday, and no endless search
  EXPECT_EQ(A::mGetDaysInFirstWeek(o, 2024, 1), 1);
  // Days of the year outside the year stay defined.
  EXPECT_EQ(A::mFindWeek(o, 0, 2024, xExtractWeekFromJanuary),
            mWeekOf(o, 2023, 12, 31, xExtractWeekFromJanuary));
  A::mFindWeek(o, INT_MIN, INT_MIN, xExtractWeekFromOctober);
  A::mFindWeek(o, INT_MAX, INT_MAX, xExtractWeekFromApril);
}

TEST(Floor, EveryUnit) {
  CmTimeCls o;
  const double dDay = 45519;                                                // 15 August 2024
  const double t = dDay + (10 * 3600000 + 45 * 60000 + 30250) / kMsPerDay;  // 10:45:30.250
  struct {
    xTimePartsEnum eUnit;
    double dExpected;
  } const kRows[] = {
      {xNoPart, 45292},  // no unit: everything cleared, like a year
      {xYear, 45292},    // 1 January 2024
      {xQuarterLabelFirst, 45292},
      {xQuarterNumberFirst, 45292},
      {xMonthNumber, 45505},  // 1 August 2024
      {xMonthAbbrev, 45505},
      {xMonthName, 45505},
      {xWeekLabelFirst, 45505},
      {xWeekNumberFirst, 45505},
      {xDay, dDay},
      {xHour, dDay + 10 * 3600000 / kMsPerDay},
      {xMinute, dDay + (10 * 3600000 + 45 * 60000) / kMsPerDay},
      {xSecond, dDay + (10 * 3600000 + 45 * 60000 + 30000) / kMsPerDay},
      {xHundredth, t},
      {xTenth, t},
      {xThousandth, t},
      {static_cast<xTimePartsEnum>(99), t},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.eUnit);
    EXPECT_EQ(o.mGetFloor(t, row.eUnit), row.dExpected);
  }
  // The time of day is rounded to whole milliseconds first.
  EXPECT_EQ(o.mGetFloor(t + 0.4 / kMsPerDay, xThousandth), t);
}

TEST(Floor, NegativeAndNonFiniteValues) {
  CmTimeCls o;
  EXPECT_EQ(o.mGetFloor(-0.25, xDay), -1.0);
  EXPECT_EQ(o.mGetFloor(-0.25, xHour), -0.25);
  EXPECT_EQ(o.mGetFloor(-0.25, xYear), -363.0);  // 1 January 1899
  EXPECT_EQ(o.mGetFloor(-328716 + 0.7, xMonthName), -328716.0);
  constexpr double kInf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(std::isnan(o.mGetFloor(std::numeric_limits<double>::quiet_NaN(), xDay)));
  EXPECT_EQ(o.mGetFloor(kInf, xDay), kInf);
  EXPECT_EQ(o.mGetFloor(-kInf, xYear), -kInf);
  EXPECT_EQ(o.mGetFloor(1e300, xYear), 1e300);
  EXPECT_EQ(o.mGetFloor(2147483647.5, xYear), 2147483647.5);
}

// The date and the clock parts come from one split: a value a hair below
// midnight floors within the next day, where it is shown, instead of to the
// start of the day of floor(t).
TEST(Floor, OneSplitNearMidnight) {
  CmTimeCls o;
  const double t = 45520 - 1e-10;
  EXPECT_EQ(o.mGetFloor(t, xDay), 45520.0);
  EXPECT_EQ(o.mGetFloor(t, xHour), 45520.0);
  EXPECT_EQ(o.mGetFloor(t, xThousandth), 45520.0);
  EXPECT_EQ(o.mGetFloor(45520 - 2e-9, xMinute), 45520.0);  // carried whole day
  EXPECT_EQ(o.mGetFloor(45520 - 1e-8, xSecond),
            45519 + (23 * 3600000 + 59 * 60000 + 59000) / kMsPerDay);
  EXPECT_EQ(o.mGetFloor(-1e-10, xDay), 0.0);
}
