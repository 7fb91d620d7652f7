// Pure calendar arithmetic: civil dates <-> day numbers, weekdays, the
// day/time-of-day split and printf-equal integer formatting.

#include "time/calendar/calendar_math.h"

#include <climits>
#include <cmath>

#include "CvnBasicTypes.h"
#include "CvnMath.h"
#include "time/writer/digits.h"

namespace cvn::detail {

const int kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
const int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The civil-day conversions in 64 bits, for the day numbers and years
// outside the 32-bit forms in the header.
std::int64_t mDayNumberFromCivilWide(std::int64_t year, std::int64_t month, std::int64_t day) {
  mNormaliseMonth(&year, &month);
  const std::int64_t iYear = year - (month <= 2 ? 1 : 0);  // year starting 1 March
  const std::int64_t iEra = mFloorDiv(iYear, 400);
  const std::int64_t iYearOfEra = iYear - iEra * 400;                      // [0, 399]
  const std::int64_t iMonthFromMarch = month > 2 ? month - 3 : month + 9;  // [0, 11]
  const std::int64_t iDayOfYear = (153 * iMonthFromMarch + 2) / 5;         // [0, 337], of the 1st
  const std::int64_t iDayOfEra =
      iYearOfEra * 365 + iYearOfEra / 4 - iYearOfEra / 100 + iDayOfYear;  // [0, 146096]
  // 719468 days lie between 1 March 0000 and 1 January 1970.
  return iEra * 146097 + iDayOfEra - 719468 + kDayNumberOf1970 + (day - 1);
}

xCivilDate mCivilFromDayNumberWide(std::int64_t dayNumber) {
  const std::int64_t iDays = dayNumber - kDayNumberOf1970 + 719468;  // from 1 March 0000
  const std::int64_t iEra = mFloorDiv(iDays, 146097);
  const std::int64_t iDayOfEra = iDays - iEra * 146097;  // [0, 146096]
  const std::int64_t iYearOfEra =
      (iDayOfEra - iDayOfEra / 1460 + iDayOfEra / 36524 - iDayOfEra / 146096) / 365;  // [0, 399]
  const std::int64_t iDayOfYear =
      iDayOfEra - (365 * iYearOfEra + iYearOfEra / 4 - iYearOfEra / 100);  // [0, 365]
  const std::int64_t iMonthFromMarch = (5 * iDayOfYear + 2) / 153;         // [0, 11]
  xCivilDate xDate{};
  xDate.iDay = static_cast<int>(iDayOfYear - (153 * iMonthFromMarch + 2) / 5 + 1);  // [1, 31]
  xDate.iMonth = static_cast<int>(iMonthFromMarch < 10 ? iMonthFromMarch + 3
                                                       : iMonthFromMarch - 9);  // [1, 12]
  xDate.iYear = iYearOfEra + iEra * 400 + (xDate.iMonth <= 2 ? 1 : 0);
  xDate.iDayOfYear = kDaysBeforeMonth[xDate.iMonth] +
                     (xDate.iMonth > 2 && mIsLeap(xDate.iYear) ? 1 : 0) + xDate.iDay;
  return xDate;
}

int mMonthLength(std::int64_t year, std::int64_t month) {
  mNormaliseMonth(&year, &month);
  if (month == 2 && mIsLeap(year)) return 29;
  return kDaysInMonth[month - 1];
}

int mWeekdayOfDayNumber(std::int64_t dayNumber) {
  return static_cast<int>(mFloorMod(dayNumber - 2, 7));  // day 2 (1 January 1900) is a Monday
}

int mWeekdayOfDate(std::int64_t year, std::int64_t month, std::int64_t day) {
  mNormaliseMonth(&year, &month);
  if (month < 3) {
    month += 12;
    year -= 1;
  }
  const std::int64_t iSum = day + 2 * month + (3 * (month + 1)) / 5 + year + mFloorDiv(year, 4) -
                            mFloorDiv(year, 100) + mFloorDiv(year, 400);
  return static_cast<int>(mFloorMod(iSum, 7));
}

void mAppendInt(std::wstring& out, int value, int minDigits) {
  // A negative precision counts as none given: at least one digit.
  mAppendPrintfInt(out, value, 0, minDigits < 0 ? 1 : minDigits, false);
}

void mAppendZeroPadded(std::wstring& out, int value, int width) {
  mAppendPrintfInt(out, value, width, -1, true);
}

}  // namespace cvn::detail
