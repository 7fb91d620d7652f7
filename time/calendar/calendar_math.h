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

#include <cstdint>
#include <string>

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
int mSaturateToInt(std::int64_t v);

// Moves an out-of-range month into 1..12, carrying whole years: month 13 is
// January of the next year, month 0 December of the previous one.
void mNormaliseMonth(std::int64_t* year, std::int64_t* month);

// Days in month (any int; normalised as above) of year.
int mMonthLength(std::int64_t year, std::int64_t month);

// Day number of year-month-day. The month is normalised; the day is not
// checked (day 0 is the last day of the previous month, day 32 runs into
// the next). Exact for every int input.
std::int64_t mDayNumberFromCivil(std::int64_t year, std::int64_t month, std::int64_t day);

// Day number of 1 January of year.
std::int64_t mDayNumberOfNewYear(std::int64_t year);

// The date of a day number; dayOfYear is 1-based. Exact for every day
// number representable in 64 bits whose year fits (any int day number).
struct xCivilDate {
  std::int64_t iYear;
  int iMonth;      // [1, 12]
  int iDay;        // [1, 31]
  int iDayOfYear;  // [1, 366]
};
xCivilDate mCivilFromDayNumber(std::int64_t dayNumber);

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
xDaySplit mSplitCorvaneTime(double t);

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
