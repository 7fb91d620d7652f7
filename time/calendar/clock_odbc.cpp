// CmTimeCls: the present local time from the platform clock, and the ODBC
// timestamp record in both directions.

#include <cmath>
#include <cstring>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "platform/platform.h"
#include "time/calendar/calendar_impl.h"
#include "time/calendar/calendar_math.h"

namespace detail = cvn::detail;

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
  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(t, &iDayNumber, &dTimeOfDay);
  int iYear = 0;
  int iMonth = 0;
  int iDay = 0;
  mFromJulianDay(iDayNumber, &iYear, &iMonth, &iDay, nullptr, xExtractWeekFromJanuary);
  int iHour = 0;
  int iMinute = 0;
  int iSecond = 0;
  int iThousandths = 0;
  mFromTimeOfDay(dTimeOfDay, &iHour, &iMinute, &iSecond, &iThousandths);
  // Years outside the 16-bit range (far from any valid time) wrap.
  ts->year = static_cast<decltype(ts->year)>(iYear);
  ts->month = static_cast<decltype(ts->month)>(iMonth);
  ts->day = static_cast<decltype(ts->day)>(iDay);
  ts->hour = static_cast<decltype(ts->hour)>(iHour);
  ts->minute = static_cast<decltype(ts->minute)>(iMinute);
  ts->second = static_cast<decltype(ts->second)>(iSecond);
  ts->fraction = static_cast<decltype(ts->fraction)>(iThousandths) * 1000000u;
}
