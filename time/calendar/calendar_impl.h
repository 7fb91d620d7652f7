// Private helpers of the calendar members that need the object's fields.
#pragma once

#include <cstdint>

#include "CmTimeCls.h"
#include "platform/platform.h"
#include "time/calendar/calendar_math.h"

struct CmTimeCalendarImpl {
  // The first day of the week taken into 0..6, so that a stray setting can
  // never keep a search for it from ending.
  static int mStartDay(const CmTimeCls& time) {
    return static_cast<int>(cvn::detail::mFloorMod(time.m_iStartDayOfWeek, 7));
  }

  // Width (letter count) of the first part of kind part in the current
  // format; false when the format has none.
  static bool mPartWidth(const CmTimeCls& time, xTimePartsEnum part, int* width) {
    const int iIndex = time.mFindMatchingFmtPart(part, time.m_iNumParts, time.m_xParts);
    if (iIndex < 0) return false;
    *width = time.m_xParts[iIndex].iCount;
    return true;
  }

  // The day number of the clock's date. The clock counts years from
  // m_iBaseYear (1900); a count of 90 or less is taken as a year of the next
  // century, so a clock year of 80 is 2080.
  static int mClockDayNumber(const CmTimeCls& time, const cvn::platform::xLocalClock& clock) {
    std::int64_t iYear = static_cast<std::int64_t>(time.m_iBaseYear) + clock.iYearsSince1900;
    if (clock.iYearsSince1900 <= 90) iYear += 100;
    const std::int64_t iDayOfYear = static_cast<std::int64_t>(clock.iDayOfYear) + 1;
    int iDayNumber = 0;
    time.mToJulianDay(cvn::detail::mSaturateToInt(iYear), cvn::detail::mSaturateToInt(iDayOfYear),
                      &iDayNumber);
    return iDayNumber;
  }
};
