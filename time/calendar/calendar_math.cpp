// Pure calendar arithmetic: civil dates <-> day numbers, weekdays, the
// day/time-of-day split and printf-equal integer formatting.

#include "time/calendar/calendar_math.h"

#include <climits>
#include <cmath>

#include "CvnBasicTypes.h"
#include "CvnMath.h"

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

namespace {

// Decimal digits of magnitude, most significant first, into buffer (at
// least 10 characters); returns their count.
int mDigits(std::uint32_t magnitude, wchar_t* buffer) {
  wchar_t szReversed[10];
  int iCount = 0;
  do {
    szReversed[iCount++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  for (int i = 0; i < iCount; ++i) buffer[i] = szReversed[iCount - 1 - i];
  return iCount;
}

std::uint32_t mMagnitude(int value) {
  // Negating in unsigned arithmetic keeps INT_MIN defined.
  return value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
}

}  // namespace

void mAppendInt(std::wstring& out, int value, int minDigits) {
  if (minDigits < 0) minDigits = 1;  // a negative precision counts as none given
  if (minDigits > kMaxFieldWidth) minDigits = kMaxFieldWidth;
  if (value < 0) out += L'-';
  if (value == 0 && minDigits == 0) return;  // "%.0d" writes nothing for 0
  wchar_t szDigits[10];
  const int iCount = mDigits(mMagnitude(value), szDigits);
  if (iCount < minDigits) out.append(static_cast<size_t>(minDigits - iCount), L'0');
  out.append(szDigits, static_cast<size_t>(iCount));
}

void mAppendZeroPadded(std::wstring& out, int value, int width) {
  const bool bLeftJustify = width < 0;  // the '-' flag: blanks on the right
  std::int64_t iWidth = width < 0 ? -static_cast<std::int64_t>(width) : width;
  if (iWidth > kMaxFieldWidth) iWidth = kMaxFieldWidth;
  wchar_t szDigits[10];
  const int iCount = mDigits(mMagnitude(value), szDigits);
  const std::int64_t iUsed = iCount + (value < 0 ? 1 : 0);
  const size_t iPad = iWidth > iUsed ? static_cast<size_t>(iWidth - iUsed) : 0;
  if (value < 0) out += L'-';
  if (!bLeftJustify) out.append(iPad, L'0');
  out.append(szDigits, static_cast<size_t>(iCount));
  if (bLeftJustify) out.append(iPad, L' ');
}

}  // namespace cvn::detail
