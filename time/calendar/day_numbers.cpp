// CmTimeCls: leap years, month lengths, dates <-> day numbers, weekdays and
// week numbers.
//
// Months outside 1..12 are taken arithmetically (month 13 is January of the
// next year, month 0 December of the previous one) instead of reading past
// the month tables; days are never checked (day 0 is the last day of the
// previous month). Day numbers that would leave the int range saturate.

#include "CmTimeCls.h"
#include "time/calendar/calendar_impl.h"
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

// ---- Week numbers, counted from the object's first day of the week and
// from a year start of 1 January, 1 April, 1 July or 1 October. Week 1 is
// the (possibly partial) run of days from the year start up to the day
// before the first start-of-week day; every start-of-week day then begins a
// new week. A year that starts on the start-of-week day begins with a full
// week 1.

namespace {

// First month of the year that how counts weeks in.
int mStartMonth(xTimeExtractEnum how) {
  switch (how) {
    case xExtractWeekFromApril: return 4;
    case xExtractWeekFromJuly: return 7;
    case xExtractWeekFromOctober: return 10;
    default: return 1;
  }
}

// Days from dayNumber up to the first startDay on or after it, [0, 6].
std::int64_t mDaysBeforeStartDay(std::int64_t dayNumber, int startDay) {
  return detail::mFloorMod(startDay - detail::mWeekdayOfDayNumber(dayNumber), 7);
}

}  // namespace

int CmTimeCls::mFindWeek(int dayOfYear, int year, xTimeExtractEnum how) const {
  const int iStartMonth = mStartMonth(how);
  const std::int64_t iDate = detail::mDayNumberOfNewYear(year) + dayOfYear - 1;
  std::int64_t iStart = detail::mDayNumberFromCivil(year, iStartMonth, 1);
  if (iDate < iStart) {
    // A date before this calendar year's start (January to March for a year
    // starting in April, and so on) belongs to the year that began in the
    // previous calendar year, so it is counted from that start and with that
    // start's weekday: the weeks run on across 31 December without a break.
    iStart = detail::mDayNumberFromCivil(static_cast<std::int64_t>(year) - 1, iStartMonth, 1);
  }
  const std::int64_t iIndex = iDate - iStart + 1;  // the start itself is 1
  const std::int64_t iBefore = mDaysBeforeStartDay(iStart, CmTimeCalendarImpl::mStartDay(*this));
  // Floor division keeps the count linear for indexes below 1, which only a
  // day of the year outside the year can give.
  const std::int64_t iWeek = iBefore > 0 ? detail::mFloorDiv(iIndex - iBefore + 6, 7) + 1
                                         : detail::mFloorDiv(iIndex - 1, 7) + 1;
  return detail::mSaturateToInt(iWeek);
}

int CmTimeCls::mGetDaysInFirstWeek(int year, int month) const {
  const std::int64_t iFirst = detail::mDayNumberFromCivil(year, month, 1);
  const std::int64_t iBefore = mDaysBeforeStartDay(iFirst, CmTimeCalendarImpl::mStartDay(*this));
  return iBefore == 0 ? 7 : static_cast<int>(iBefore);
}

int CmTimeCls::mGetWeeksInYear(int year) const {
  // 365 days always touch 53 weeks; 366 touch 54 when the first week is a
  // single day.
  if (!mIsLeapYear(year)) return 53;
  return mGetDaysInFirstWeek(year, 1) == 1 ? 54 : 53;
}
