// CmTimeCls: clock times <-> milliseconds of the day, Corvane times <-> day
// number and time of day, validity and differences of Corvane times, the
// present local time from the platform clock, and the ODBC timestamp record
// in both directions.

#include <climits>
#include <cmath>
#include <cstring>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "platform/platform.h"
#include "time/calendar/calendar_impl.h"
#include "time/calendar/calendar_math.h"

namespace detail = cvn::detail;

// The members below call these rather than each other: exported members
// are reached through the symbol table even from inside the library, and
// the conversions of a column of values are worth keeping inline.
namespace {

double mClockToMs(int hour, int minute, int second, int thousandths) {
  // Every product stays below 2^53, so the sum of ints is exact.
  return hour * static_cast<double>(detail::kMsPerHour) +
         minute * static_cast<double>(detail::kMsPerMinute) +
         second * static_cast<double>(detail::kMsPerSecond) + thousandths;
}

void mMsToClock(int iMs, int* hour, int* minute, int* second, int* thousandths) {
  const detail::xClockParts xParts = detail::mSplitMilliseconds(iMs);
  *hour = xParts.iHour;
  *minute = xParts.iMinute;
  *second = xParts.iSecond;
  *thousandths = xParts.iThousandths;
}

}  // namespace

void CmTimeCls::mToTimeOfDay(int hour, int minute, int second, int thousandths,
                             double* timeOfDay) const {
  *timeOfDay = mClockToMs(hour, minute, second, thousandths);
}

void CmTimeCls::mFromTimeOfDay(double timeOfDay, int* hour, int* minute, int* second,
                               int* thousandths) const {
  // Truncated toward zero (saturating); an hour of 24 or more is not wrapped.
  mMsToClock(mToINTG(timeOfDay), hour, minute, second, thousandths);
}

void CmTimeCls::mToDayThousandths(double t, int* dayNumber, double* timeOfDay) const {
  const detail::xDaySplit xSplit = detail::mSplitCorvaneTime(t);
  *dayNumber = xSplit.iDayNumber;
  *timeOfDay = xSplit.dTimeOfDay;
}

void CmTimeCls::mTimeOfDay(double t, int* hour, int* minute, int* second, int* thousandths) const {
  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(t, &iDayNumber, &dTimeOfDay);
  mFromTimeOfDay(dTimeOfDay, hour, minute, second, thousandths);
}

void CmTimeCls::mAddThousandths(double thousandths, xNumtimStruct* p) const {
  const double dSum = thousandths + p->dTimeOfDay;
  if (std::isnan(dSum)) {  // nothing to add: the day stays, at time 0
    p->dTimeOfDay = 0.0;
    return;
  }
  const double dDays = std::floor(dSum / detail::kMsPerDayD);
  const double dDayNumber = static_cast<double>(p->iDayNumber) + dDays;
  if (!(dDayNumber >= static_cast<double>(INT_MIN) && dDayNumber <= static_cast<double>(INT_MAX))) {
    // Beyond the day-number range (or infinite): saturate, time 0.
    p->iDayNumber = dDayNumber > 0.0 ? INT_MAX : INT_MIN;
    p->dTimeOfDay = 0.0;
    return;
  }
  p->iDayNumber = mToINTG(dDayNumber);
  double dTimeOfDay = dSum - dDays * detail::kMsPerDayD;  // [0, 86400000] up to rounding
  if (dTimeOfDay >= detail::kMsPerDayD) {
    // A sum a hair below a whole day rounds up to it: take the next day.
    if (p->iDayNumber < INT_MAX) p->iDayNumber += 1;
    dTimeOfDay = 0.0;
  }
  if (!(dTimeOfDay > 0.0)) dTimeOfDay = 0.0;
  p->dTimeOfDay = dTimeOfDay;
}

void CmTimeCls::mToDaysFraction(xNumtimStruct* p, double* t) const {
  *t = p->dTimeOfDay / detail::kMsPerDayD + p->iDayNumber;
}

bool CmTimeCls::mGenerateCorvaneTime(int year, int month, int day, int hour, int minute, int second,
                                     int thousandths, double* t) const {
  // mToJulianDay and mToTimeOfDay, inline.
  const int iDayNumber = detail::mSaturateToInt(detail::mDayNumberFromCivil(year, month, day));
  if (t == nullptr) return true;
  // A date without a clock (the usual date column) is its day number: the
  // time of day would add exactly +0.
  if ((hour | minute | second | thousandths) == 0) {
    *t = iDayNumber;
    return true;
  }
  const double dTimeOfDay = mClockToMs(hour, minute, second, thousandths);
  *t = iDayNumber + dTimeOfDay / detail::kMsPerDayD;
  return true;
}

bool CmTimeCls::mValidCorvaneTime(double t) const {
  if (mIsNumericMissing(t) || !std::isfinite(t)) return false;
  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(t, &iDayNumber, &dTimeOfDay);
  // A quick bound on the day number before the conversion (about year
  // 4903), then the real range: 1 January 1000 (day -328716) to
  // 31 December 4000 (day 767376).
  if ((static_cast<std::int64_t>(iDayNumber) - 367) / 366 > 3000) return false;
  int iYear = 0;
  int iMonth = 0;
  int iDay = 0;
  mFromJulianDay(iDayNumber, &iYear, &iMonth, &iDay, nullptr, xExtractWeekFromJanuary);
  return iYear >= 1000 && iYear <= 4000;
}

double CmTimeCls::mTimeDiff(double t1, double t2) const {
  const double dDiff = t2 - t1;
  return dDiff >= 0.0 ? dDiff + detail::kNudge : dDiff - detail::kNudge;
}

double CmTimeCls::mTime() const {
  cvn::platform::xLocalClock xClock{};
  cvn::platform::mLocalNow(&xClock);
  double dTimeOfDay = 0.0;
  mToTimeOfDay(xClock.iHour, xClock.iMinute, xClock.iSecond, xClock.iMillisecond, &dTimeOfDay);
  return dTimeOfDay / detail::kMsPerDayD + detail::kNudge;
}

double CmTimeCls::mNow() const {
  cvn::platform::xLocalClock xClock{};
  cvn::platform::mLocalNow(&xClock);
  const int iDayNumber = CmTimeCalendarImpl::mClockDayNumber(*this, xClock);
  double dTimeOfDay = 0.0;
  mToTimeOfDay(xClock.iHour, xClock.iMinute, xClock.iSecond, xClock.iMillisecond, &dTimeOfDay);
  return iDayNumber + dTimeOfDay / detail::kMsPerDayD;
}

double CmTimeCls::mToday() const {
  cvn::platform::xLocalClock xClock{};
  cvn::platform::mLocalNow(&xClock);
  return CmTimeCalendarImpl::mClockDayNumber(*this, xClock);
}

void CmTimeCls::mODBCToCorvaneTime(tagTIMESTAMP_STRUCT* ts, double* t) const {
  if (ts == nullptr || t == nullptr) return;
  // Nothing is checked: out-of-range fields run on arithmetically.
  double dTimeOfDay = 0.0;
  mToTimeOfDay(ts->hour, ts->minute, ts->second, static_cast<int>(ts->fraction / 1000000u),
               &dTimeOfDay);
  int iDayNumber = 0;
  mToJulianDay(ts->year, ts->month, ts->day, &iDayNumber);
  *t = iDayNumber + dTimeOfDay / detail::kMsPerDayD;
}

void CmTimeCls::mCorvaneTimeToODBC(double t, tagTIMESTAMP_STRUCT* ts) const {
  if (ts == nullptr) return;
  std::memset(ts, 0, sizeof(*ts));
  // A missing value, and NaN or an infinity, which name no time either,
  // leave the record all zero.
  if (mIsNumericMissing(t) || !std::isfinite(t)) return;
  // mToDayThousandths, mFromJulianDay and mFromTimeOfDay, inline.
  const detail::xDaySplit xSplit = detail::mSplitCorvaneTime(t);
  const detail::xCivilDate xDate = detail::mCivilFromDayNumber(xSplit.iDayNumber);
  // Years outside the 16-bit range (far from any valid time) wrap.
  ts->year = static_cast<decltype(ts->year)>(detail::mSaturateToInt(xDate.iYear));
  ts->month = static_cast<decltype(ts->month)>(xDate.iMonth);
  ts->day = static_cast<decltype(ts->day)>(xDate.iDay);
  // Midnight leaves the clock fields as zeroed above.
  if (xSplit.dTimeOfDay == 0.0) return;
  int iHour = 0;
  int iMinute = 0;
  int iSecond = 0;
  int iThousandths = 0;
  // The split gives a whole number in [0, 86400000): the conversion is exact.
  mMsToClock(static_cast<int>(xSplit.dTimeOfDay), &iHour, &iMinute, &iSecond, &iThousandths);
  ts->hour = static_cast<decltype(ts->hour)>(iHour);
  ts->minute = static_cast<decltype(ts->minute)>(iMinute);
  ts->second = static_cast<decltype(ts->second)>(iSecond);
  ts->fraction = static_cast<decltype(ts->fraction)>(iThousandths) * 1000000u;
}
