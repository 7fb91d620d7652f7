// CmTimeCls: week numbers counted from the object's first day of the week
// and from a year start of 1 January, 1 April, 1 July or 1 October.
//
// Week 1 is the (possibly partial) run of days from the year start up to
// the day before the first start-of-week day; every start-of-week day then
// begins a new week. A year that starts on the start-of-week day begins
// with a full week 1.

#include "CmTimeCls.h"
#include "time/calendar/calendar_impl.h"
#include "time/calendar/calendar_math.h"

namespace detail = cvn::detail;

namespace {

// First month of the year that how counts weeks in.
int mStartMonth(xTimeExtractEnum how) {
  switch (how) {
    case xExtractWeekFromApril:
      return 4;
    case xExtractWeekFromJuly:
      return 7;
    case xExtractWeekFromOctober:
      return 10;
    default:
      return 1;
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
