// Pure calendar arithmetic on plain values: leap years, conversions between
// proleptic Gregorian dates and day numbers, weekdays, the split of a
// Corvane time into day number and time of day, and printf-equal integer
// formatting. CmTimeCls members are thin wrappers over these.
//
// Day numbers count from 30 December 1899 (day 0); 1 January 1900 is day 2
// and 1 January 1970 is day 25569. All date arithmetic runs in 64 bits, so
// every int argument gives a defined result; results that must fit an int
// saturate at its limits.
#pragma once

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

#include "CvnMath.h"

namespace cvn::detail {

constexpr int kMsPerDay = 86400000;
constexpr int kMsPerHour = 3600000;
constexpr int kMsPerMinute = 60000;
constexpr int kMsPerSecond = 1000;
constexpr double kMsPerDayD = 86400000.0;
// Several operations move a value this far (in days, 43.2 microseconds)
// away from zero before truncating it.
constexpr double kNudge = 5e-10;
// Day number of 1 January 1970, the epoch of the civil-day algorithms.
constexpr std::int64_t kDayNumberOf1970 = 25569;

// Milliseconds split into clock parts, truncating toward zero: the hour is
// not wrapped (90000000 is 25:00:00.000) and a negative count gives
// negative parts (-3723004 is -1, -2, -3, -4).
struct xClockParts {
  int iHour;
  int iMinute;       // (-60, 60)
  int iSecond;       // (-60, 60)
  int iThousandths;  // (-1000, 1000)
};
constexpr xClockParts mSplitMilliseconds(int ms) {
  return {ms / kMsPerHour, ms % kMsPerHour / kMsPerMinute, ms % kMsPerMinute / kMsPerSecond,
          ms % kMsPerSecond};
}

// Days before month m (1..12) in a common year, and month lengths.
extern const int kDaysBeforeMonth[13];
extern const int kDaysInMonth[12];

constexpr bool mIsLeap(std::int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int mYearLength(std::int64_t year) { return mIsLeap(year) ? 366 : 365; }

// Floor division and non-negative remainder for a positive divisor.
constexpr std::int64_t mFloorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
constexpr std::int64_t mFloorMod(std::int64_t a, std::int64_t b) { return a - mFloorDiv(a, b) * b; }

// v clamped to the int range.
inline int mSaturateToInt(std::int64_t v) {
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

// Moves an out-of-range month into 1..12, carrying whole years: month 13 is
// January of the next year, month 0 December of the previous one.
inline void mNormaliseMonth(std::int64_t* year, std::int64_t* month) {
  if (*month >= 1 && *month <= 12) return;  // the usual case: nothing to carry
  const std::int64_t iCarry = mFloorDiv(*month - 1, 12);
  *year += iCarry;
  *month -= iCarry * 12;  // [1, 12]
}

// Days in month (any int; normalised as above) of year.
int mMonthLength(std::int64_t year, std::int64_t month);

// The civil-day conversions below are Howard Hinnant's days_from_civil and
// civil_from_days ("chrono-Compatible Low-Level Date Algorithms",
// http://howardhinnant.github.io/date_algorithms.html), which count years
// from 1 March so that the leap day falls last, and split time into 400-year
// eras of 146097 days. They replace a year-by-year walk from 1900 and give
// the same dates for every day number. They are inline: every reading and
// writing of a value runs through them.

// The day number conversion in 64 bits with floor division: any year
// (out of line: the rare case).
std::int64_t mDayNumberFromCivilWide(std::int64_t year, std::int64_t month, std::int64_t day);

// Day number of year-month-day. The month is normalised; the day is not
// checked (day 0 is the last day of the previous month, day 32 runs into
// the next). Exact for every int input. The arithmetic runs in unsigned 32
// bits for the years (from 1 March) 0 to 2^32 - 1, where no floor division
// is needed, and in 64 bits for the rest; both give the same day number.
inline std::int64_t mDayNumberFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  mNormaliseMonth(&year, &month);
  const std::int64_t iYear = year - (month <= 2 ? 1 : 0);  // year starting 1 March
  if (iYear < 0 || iYear > 0xFFFFFFFFLL) return mDayNumberFromCivilWide(year, month, day);
  const auto uYear = static_cast<std::uint32_t>(iYear);
  const std::uint32_t uEra = uYear / 400;               // [0, 10737418]
  const std::uint32_t uYearOfEra = uYear - uEra * 400;  // [0, 399]
  const auto uMonthFromMarch = static_cast<std::uint32_t>(month > 2 ? month - 3 : month + 9);
  const std::uint32_t uDayOfYear = (153 * uMonthFromMarch + 2) / 5;  // [0, 337]
  const std::uint32_t uDayOfEra =
      uYearOfEra * 365 + uYearOfEra / 4 - uYearOfEra / 100 + uDayOfYear;  // [0, 146096]
  return static_cast<std::int64_t>(uEra) * 146097 + uDayOfEra - 719468 + kDayNumberOf1970 +
         (day - 1);
}

// Day number of 1 January of year.
inline std::int64_t mDayNumberOfNewYear(std::int64_t year) {
  return mDayNumberFromCivil(year, 1, 1);
}

// The date of a day number; dayOfYear is 1-based. Exact for every day
// number representable in 64 bits whose year fits (any int day number).
struct xCivilDate {
  std::int64_t iYear;
  int iMonth;      // [1, 12]
  int iDay;        // [1, 31]
  int iDayOfYear;  // [1, 366]
};
// The conversion in 64 bits with floor division: any day number (out of
// line: the rare case).
xCivilDate mCivilFromDayNumberWide(std::int64_t dayNumber);

// The same arithmetic in unsigned 32 bits for the day numbers from 1 March
// 0000 on (every valid time and some 11 million years beyond), where no
// floor division is needed and the products are cheaper; the 64-bit form for
// the rest. Both give the same date.
inline xCivilDate mCivilFromDayNumber(std::int64_t dayNumber) {
  const std::int64_t iDays = dayNumber - kDayNumberOf1970 + 719468;  // from 1 March 0000
  if (iDays < 0 || iDays > 0xFFFFFFFFLL) return mCivilFromDayNumberWide(dayNumber);
  const auto uDays = static_cast<std::uint32_t>(iDays);
  const std::uint32_t uEra = uDays / 146097;              // [0, 29398]
  const std::uint32_t uDayOfEra = uDays - uEra * 146097;  // [0, 146096]
  const std::uint32_t uYearOfEra =
      (uDayOfEra - uDayOfEra / 1460 + uDayOfEra / 36524 - uDayOfEra / 146096) / 365;  // [0, 399]
  const std::uint32_t uDayOfYear =
      uDayOfEra - (365 * uYearOfEra + uYearOfEra / 4 - uYearOfEra / 100);  // [0, 365]
  const std::uint32_t uMonthFromMarch = (5 * uDayOfYear + 2) / 153;        // [0, 11]
  xCivilDate xDate{};
  xDate.iDay = static_cast<int>(uDayOfYear - (153 * uMonthFromMarch + 2) / 5 + 1);  // [1, 31]
  xDate.iMonth = static_cast<int>(uMonthFromMarch < 10 ? uMonthFromMarch + 3
                                                       : uMonthFromMarch - 9);  // [1, 12]
  xDate.iYear = static_cast<std::int64_t>(uYearOfEra + uEra * 400) + (xDate.iMonth <= 2 ? 1 : 0);
  xDate.iDayOfYear = kDaysBeforeMonth[xDate.iMonth] +
                     (xDate.iMonth > 2 && mIsLeap(xDate.iYear) ? 1 : 0) + xDate.iDay;
  return xDate;
}

// Weekday of a day number, 0 = Monday .. 6 = Sunday (day 2 is a Monday).
int mWeekdayOfDayNumber(std::int64_t dayNumber);

// Weekday of a date by the congruence on the date itself (January and
// February count as months 13 and 14 of the previous year), 0 = Monday.
// The month is normalised first, so it agrees with the day-number form for
// every input.
int mWeekdayOfDate(std::int64_t year, std::int64_t month, std::int64_t day);

// A Corvane time split into its day number and time of day (ms).
struct xDaySplit {
  int iDayNumber;
  double dTimeOfDay;  // a whole number in [0, 86400000)
};

// Splits t: the day number is t moved 5e-10 away from zero and truncated;
// the time of day is the distance to that day's midnight, moved by the
// same nudge and rounded to a whole millisecond. A negative t with a
// fraction belongs to the day below it (-0.25 is day -1 at 18:00).
//
// A rounded time of day of a whole day (86400000, for t between about 5e-10
// and 6e-9 day below midnight) is carried into the next day as time 0, so
// that no caller sees an hour of 24.
//
// NaN gives day 0 at time 0. A t whose day number would leave the int range
// (infinities, huge values) gives the saturated day number at time 0.
inline xDaySplit mSplitCorvaneTime(double t) {
  if (std::isnan(t)) return {0, 0.0};
  const bool bNonNegative = t >= 0.0;
  const double dShifted = bNonNegative ? t + kNudge : t - kNudge;
  // Outside (INT_MIN - 1, INT_MAX + 1) the truncation would leave the int
  // range: saturate the day number, time 0.
  if (!(dShifted > -2147483649.0 && dShifted < 2147483648.0)) {
    return {dShifted > 0.0 ? INT_MAX : INT_MIN, 0.0};
  }
  // The bounds above make the truncation toward zero defined.
  std::int64_t iDay = static_cast<std::int64_t>(dShifted);
  if (t == static_cast<double>(iDay)) return {static_cast<int>(iDay), 0.0};

  const double dDistance = std::fabs(t - static_cast<double>(iDay));
  double dFraction = bNonNegative ? dDistance + kNudge : dDistance - kNudge;
  if (!bNonNegative && dFraction > 0.0) {
    iDay -= 1;  // a negative value with a fraction belongs to the day below it
    dFraction = 1.0 - dFraction;
  }
  double dTimeOfDay = mNearestInteger(dFraction * kMsPerDayD);  // [-0, 86400000]
  // The nudge and the rounding can add up to one whole day just below
  // midnight: carry it, so that the time of day stays below 86400000 and
  // the value reads as midnight of the next day (where the writer, which
  // rounds the same way, shows it).
  if (dTimeOfDay >= kMsPerDayD) {
    iDay += 1;
    dTimeOfDay = 0.0;
  }
  if (dTimeOfDay <= 0.0) dTimeOfDay = 0.0;  // no negative zero
  if (iDay > INT_MAX || iDay < INT_MIN) return {mSaturateToInt(iDay), 0.0};
  return {static_cast<int>(iDay), dTimeOfDay};
}

// Appends value as printf("%.*d", minDigits, value) would: at least
// minDigits digits, a minus sign in front of them. ("%d" is minDigits 1,
// "%2.2d" and "%4.4d" are 2 and 4.)
void mAppendInt(std::wstring& out, int value, int minDigits);

// Appends value as printf("%0*d", width, value) would: zero-padded to width
// characters, sign included; a negative width left-justifies the number in
// blanks. |width| is capped at kMaxFieldWidth.
void mAppendZeroPadded(std::wstring& out, int value, int width);
constexpr int kMaxFieldWidth = 64;

}  // namespace cvn::detail
