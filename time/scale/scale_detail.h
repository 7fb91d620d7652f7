// Private helpers of the time-scale arithmetic: the span of times it works
// on, its bounds on tick counts and generator steps, and the pure pieces of
// the unit arithmetic, the nice-scale search and the tick generators.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "time/calendar/calendar_math.h"
#include "time/report_sites.h"

namespace cvn::detail {

// The scale arithmetic works on the days of the years 1 to 9999:
// 1 January 0001 is day -693593, 31 December 9999 is day 2958465. Times
// outside (and NaN, infinities, the missing-value code) are not usable; a
// step that would leave the span gives the missing-value code.
constexpr int kScaleFirstDay = -693593;
constexpr int kScaleLastDay = 2958465;
constexpr int kScaleFirstYear = 1;
constexpr int kScaleLastYear = 9999;
// More milliseconds than the whole span holds: larger additions leave it.
constexpr double kScaleMaxAddMs = (kScaleLastDay - kScaleFirstDay + 2.0) * kMsPerDayD;

// The most ticks a generator produces, however large the count asked for: a
// count such as 2147483647 must neither allocate nor loop without end.
constexpr int kMaxScaleTicks = 100000;
// Besides the ticks it keeps, a generator looks at no more than this many
// further candidate times (those before the lowest allowed time, or skipped).
constexpr std::int64_t kMaxSkippedSteps = 100000;

// True for a time the scale arithmetic can split and step: finite, not the
// missing-value code, within the days above.
bool mIsScaleTime(double t);

// True for a day number inside the span.
bool mIsScaleDay(std::int64_t dayNumber);

// Adds months (a whole number, any sign) to year/month by the carrying rule
// of the unit arithmetic: k = month + months; k > 0 carries (k - 1) / 12
// years; otherwise k / 12 - 1 years and k becomes k % 12 + 12; the month is
// k % 12 with 0 read as 12. False (outputs untouched) when the result year
// leaves 1..9999 or months is not finite.
bool mAddScaleMonths(int year, int month, double months, int* newYear, int* newMonth);

// Days in month [1, 12] of year; 31 for a month outside 1..12.
int mScaleMonthLength(int year, int month);

// Units between two calendar positions, as the boundary count of
// mGetTimeDiff: year, quarter (q 1..4), month or week (every year counted as
// 53 weeks). 64-bit so no span overflows.
std::int64_t mYearsBetween(int y1, int y2);
std::int64_t mQuartersBetween(int y1, int q1, int y2, int q2);
std::int64_t mMonthsBetween(int y1, int m1, int y2, int m2);
std::int64_t mWeeksBetween(int y1, int w1, int y2, int w2);

// Clock units in a split difference of whole days dd and h:mi:s.ms, in
// 64 bits (a span of decades in thousandths exceeds 32 bits).
std::int64_t mHoursIn(std::int64_t dd, int h);
std::int64_t mMinutesIn(std::int64_t dd, int h, int mi);
std::int64_t mSecondsIn(std::int64_t dd, int h, int mi, int s);
std::int64_t mThousandthsIn(std::int64_t dd, int h, int mi, int s, int ms);

// Quarter and month spans of mNumTimesInRange (integer division toward
// zero, as there).
int mQuarterSpanInRange(int y0, int m0, int y1, int m1);
int mMonthSpanInRange(int y0, int m0, int y1, int m1);

// The count of mNumTimesInRange from c = span / increment + 1: 2147483647
// when c exceeds it or is NaN, else its integer part.
int mCountFromSpan(double c);

// The increment chosen from a factor list for a wanted step: the first
// factor >= wanted; past the last factor, the smallest multiple of it that
// is >= wanted, or the largest multiple that fits an int when that does not.
// An empty list gives 1.
int mNiceIncrement(const std::vector<int>& factors, int wanted);

// A tick count clamped to [0, kMaxScaleTicks].
int mClampTickCount(std::int64_t count);

// Removes the ticks that lie beyond the data: the last one when dataMax is
// at or before the second-last; then the first when the midpoint of the
// first two is before dataMin; then the last when the midpoint of the last
// two is after dataMax (the last two only while more than two remain).
// The midpoint of two neighbouring ticks is given by midpoint(a, b); the
// first form takes their mean in days.
template <class Midpoint>
void mTrimScaleTicks(std::vector<double>& ticks, double dataMin, double dataMax,
                     Midpoint midpoint) {
  // Each test sees the ticks as the tests before it left them.
  if (ticks.size() >= 2 && dataMax <= ticks[ticks.size() - 2]) ticks.pop_back();
  if (ticks.size() > 2 && midpoint(ticks[0], ticks[1]) < dataMin) ticks.erase(ticks.begin());
  if (ticks.size() > 2 && midpoint(ticks[ticks.size() - 2], ticks.back()) > dataMax) {
    ticks.pop_back();
  }
}
void mTrimScaleTicks(std::vector<double>& ticks, double dataMin, double dataMax);

// Keeps the parts a tick label of the unit needs: month numbers and days
// always, the next finer clock part of hour, minute and second units, and
// every part no finer than the unit; the kept parts close up in order.
// Returns the new part count.
int mKeepLabelParts(int numParts, CmTimeCls::xTimePartsStruct* parts, xTimePartsEnum unit);

// How the day-month generator steps: months walked per tick, whether it
// counts days within a month (fine mode) and the day step it compares with.
struct xDayMonthPlan {
  std::int64_t iMonths;     // months walked per tick, >= 1
  bool bFine;               // steps of fewer than 30 days within each month
  std::int64_t iStep;       // days per step in fine mode; 0 or a multiple of 30 otherwise
  bool bRemainderNegative;  // a day step with a negative remainder (reported)
};
// False for a code the generator has no rule for, or a step below 1.
bool mPlanDayMonth(bool dayCode, bool monthCode, bool yearCode, std::int64_t step,
                   xDayMonthPlan* plan);

// Length counted for the first month of the first walk outside fine mode:
// len + 1 - min(len, dayOfMonth).
int mFirstWalkLength(int len, int dayOfMonth);

}  // namespace cvn::detail

// Reaches the calendar members of CmTimeCls for the scale arithmetic.
struct CmTimeScaleImpl {
  // The calendar and clock fields of one time.
  struct xFields {
    int iDayNumber;
    double dTimeOfDay;
    int iYear;
    int iMonth;
    int iDay;
    int iWeek;  // counted from 1 January
    int iHour;
    int iMinute;
    int iSecond;
    int iThousandth;
  };

  // Splits t into every field.
  static void mSplit(const CmTimeCls& time, double t, xFields* fields);

  // The finest part kind (1..15) of the object's format, 0 when it has none.
  static int mFinestPart(const CmTimeCls& time);

  // The object's part list, its count clamped to 0..kMaxParts.
  static int mNumParts(const CmTimeCls& time);
  static CmTimeCls::xTimePartsStruct* mParts(CmTimeCls& time);
  static void mSetNumParts(CmTimeCls& time, int numParts);
  static void mMonthAndDay(const CmTimeCls& time, int year, int week, int* month, int* day) {
    time.mGetMonthAndDay(year, week, month, day);
  }
  static void mDate(const CmTimeCls& time, int dayNumber, int* year, int* month, int* day) {
    time.mFromJulianDay(dayNumber, year, month, day, nullptr, xExtractWeekFromJanuary);
  }
  static int mMonthLength(int year, int month) {
    return cvn::detail::mScaleMonthLength(year, month);
  }
  static void mDayAndMs(const CmTimeCls& time, double t, int* dayNumber, double* timeOfDay) {
    time.mToDayThousandths(t, dayNumber, timeOfDay);
  }
  static const CmTimeCls::xTimePartsStruct* mConstParts(const CmTimeCls& time) {
    return time.m_xParts;
  }
  // True when a part of the format is a date part (year to day).
  static bool mHasDate(const CmTimeCls& time);
  // A 12-hour clock written without a designator shows the hour modulo 12.
  static bool mHour12WithoutDesignator(const CmTimeCls& time) {
    return !time.m_b24Hour && (time.m_eAMPMFormat < 0 || time.m_eAMPMFormat > 11);
  }
  // The format text of the object's parts, written into out.
  static void mFormatInto(const CmTimeCls& time, CmString& out) {
    time.mGenerateFormat(mNumParts(time), time.m_xParts, time.m_sDateSep.c_str(),
                         time.m_sTimeSep.c_str(), time.m_b24Hour, time.m_eAMPMFormat, out);
  }
  // The regional short date ("m/d/yyyy") and its month and day ("m/d").
  static std::wstring mShortDate(const CmTimeCls& time);
  static std::wstring mMonthDay(const CmTimeCls& time);

  // ---- The default nice scale (nice_scale.cpp), step by step -------------
  struct xDefaultScale {
    xTimePartsEnum eUnit;  // xNoPart for a format without parts
    int iIncrement;
  };
  // mFindNiceScale, returning the unit and increment it laid the ticks in.
  static xDefaultScale mDefaultScale(CmTimeCls& time, double dataMin, double dataMax, int minTicks,
                                     int maxTicks, bool setScaleMin, bool setScaleMax,
                                     double* scaleMin, double* scaleMax,
                                     std::vector<double>& ticks);
  // The finest part shown, or a coarser part that still gives minTicks
  // steps of one unit; hundredths and tenths are reported and become
  // thousandths; 0 (reported) for a format without parts.
  static int mChooseUnit(const CmTimeCls& time, double dataMin, double dataMax, int minTicks);
  // About (minTicks + maxTicks) / 2 ticks, rounded up to the unit's factor list.
  static int mChooseIncrement(const CmTimeCls& time, double dataMin, double dataMax,
                              xTimePartsEnum unit, int minTicks, int maxTicks);
  // count week ticks from week of year, increment weeks apart.
  static void mWeekTicks(const CmTimeCls& time, int year, int week, int increment, int count,
                         std::vector<double>& ticks);
  // Removes the ticks beyond the data (mTrimScaleTicks with the midpoint of
  // the unit).
  static void mTrimTicks(const CmTimeCls& time, std::vector<double>& ticks, double dataMin,
                         double dataMax, xTimePartsEnum unit, int increment);
};
