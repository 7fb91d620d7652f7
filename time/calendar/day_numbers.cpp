// CmTimeCls: leap years, month lengths, dates <-> day numbers and weekdays.
//
// Months outside 1..12 are taken arithmetically (month 13 is January of the
// next year, month 0 December of the previous one) instead of reading past
// the month tables; days are never checked (day 0 is the last day of the
// previous month). Day numbers that would leave the int range saturate.

#include "CmTimeCls.h"
#include "time/calendar/calendar_math.h"

namespace detail = cvn::detail;

bool CmTimeCls::mIsLeapYear(int year) const { return detail::mIsLeap(year); }

int CmTimeCls::mGetMaxDaysInMonth(int month) const {
  // The longest the month can be: February counts 29 days. The month is
  // taken into 1..12 first, so that 2000, a leap year, is the year it falls in.
  return detail::mMonthLength(2000,
                              detail::mFloorMod(static_cast<std::int64_t>(month) - 1, 12) + 1);
}

int CmTimeCls::mGetMaxDaysInMonthYear(int month, int year) const {
  return detail::mMonthLength(year, month);
}

void CmTimeCls::mNumJulianDays(int year, int* days, bool* before1900) const {
  // From 1900 on: the days of the years 1900 .. year - 1. Before: the days
  // of the years year + 1 .. 1899 (none for 1899).
  const std::int64_t i1900 = detail::mDayNumberOfNewYear(1900);
  if (year > 1899) {
    *before1900 = false;
    *days = detail::mSaturateToInt(detail::mDayNumberOfNewYear(year) - i1900);
  } else {
    *before1900 = true;
    *days = detail::mSaturateToInt(
        i1900 - detail::mDayNumberOfNewYear(static_cast<std::int64_t>(year) + 1));
  }
}

void CmTimeCls::mToJulianDay(int year, int month, int day, int* dayNumber) const {
  *dayNumber = detail::mSaturateToInt(detail::mDayNumberFromCivil(year, month, day));
}

void CmTimeCls::mToJulianDay(int year, int dayOfYear, int* dayNumber) const {
  *dayNumber = detail::mSaturateToInt(detail::mDayNumberOfNewYear(year) + dayOfYear - 1);
}

void CmTimeCls::mFromJulianDay(int dayNumber, int* year, int* month, int* day, int* week,
                               xTimeExtractEnum how) const {
  // Every int day number has a year within +-5.9 million: no saturation.
  const detail::xCivilDate xDate = detail::mCivilFromDayNumber(dayNumber);
  const int iYear = detail::mSaturateToInt(xDate.iYear);
  if (year != nullptr) *year = iYear;
  if (month != nullptr) *month = xDate.iMonth;
  if (day != nullptr) *day = xDate.iDay;
  if (week != nullptr) *week = mFindWeek(xDate.iDayOfYear, iYear, how);
}

void CmTimeCls::mGetMonthAndDay(int year, int week, int* month, int* day) const {
  // The first day of week w is the day after the first (partial) week plus
  // 7 * (w - 2) days.
  std::int64_t iDayOfYear = 1;
  if (week > 1) {
    iDayOfYear = static_cast<std::int64_t>(mGetDaysInFirstWeek(year, 1)) +
                 7 * static_cast<std::int64_t>(week) - 13;
  }
  int iDayNumber = 0;
  mToJulianDay(year, detail::mSaturateToInt(iDayOfYear), &iDayNumber);
  mFromJulianDay(iDayNumber, nullptr, month, day, nullptr, xExtractWeekFromJanuary);
}

int CmTimeCls::mGetDayOfWeek(int dayNumber) const { return detail::mWeekdayOfDayNumber(dayNumber); }

int CmTimeCls::mGetDayOfWeek(int year, int month, int day) const {
  return detail::mWeekdayOfDate(year, month, day);
}
