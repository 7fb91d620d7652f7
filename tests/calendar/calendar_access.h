// Test access to the private calendar members of CmTimeCls, and small
// independent reference computations shared by the calendar tests.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "CmTimeCls.h"

struct CmTimeClsTestAccess {
  static bool mIsLeapYear(const CmTimeCls& o, int year) { return o.mIsLeapYear(year); }
  static void mNumJulianDays(const CmTimeCls& o, int year, int* days, bool* before1900) {
    o.mNumJulianDays(year, days, before1900);
  }
  static int mToJulianDay(const CmTimeCls& o, int year, int month, int day) {
    int iDayNumber = 0;
    o.mToJulianDay(year, month, day, &iDayNumber);
    return iDayNumber;
  }
  static int mToJulianDayOfYear(const CmTimeCls& o, int year, int dayOfYear) {
    int iDayNumber = 0;
    o.mToJulianDay(year, dayOfYear, &iDayNumber);
    return iDayNumber;
  }
  static void mFromJulianDay(const CmTimeCls& o, int dayNumber, int* year, int* month, int* day,
                             int* week, xTimeExtractEnum how) {
    o.mFromJulianDay(dayNumber, year, month, day, week, how);
  }
  static void mGetMonthAndDay(const CmTimeCls& o, int year, int week, int* month, int* day) {
    o.mGetMonthAndDay(year, week, month, day);
  }
  static int mGetDayOfWeek(const CmTimeCls& o, int dayNumber) { return o.mGetDayOfWeek(dayNumber); }
  static int mGetDayOfWeek(const CmTimeCls& o, int year, int month, int day) {
    return o.mGetDayOfWeek(year, month, day);
  }
  static double mToTimeOfDay(const CmTimeCls& o, int hour, int minute, int second, int ms) {
    double dTimeOfDay = 0.0;
    o.mToTimeOfDay(hour, minute, second, ms, &dTimeOfDay);
    return dTimeOfDay;
  }
  static void mFromTimeOfDay(const CmTimeCls& o, double timeOfDay, int* hour, int* minute,
                             int* second, int* ms) {
    o.mFromTimeOfDay(timeOfDay, hour, minute, second, ms);
  }
  static void mToDayThousandths(const CmTimeCls& o, double t, int* dayNumber, double* timeOfDay) {
    o.mToDayThousandths(t, dayNumber, timeOfDay);
  }
  static void mTimeOfDay(const CmTimeCls& o, double t, int* hour, int* minute, int* second,
                         int* ms) {
    o.mTimeOfDay(t, hour, minute, second, ms);
  }
  static void mAddThousandths(const CmTimeCls& o, double ms, CmTimeCls::xNumtimStruct* p) {
    o.mAddThousandths(ms, p);
  }
  static double mToDaysFraction(const CmTimeCls& o, CmTimeCls::xNumtimStruct* p) {
    double t = 0.0;
    o.mToDaysFraction(p, &t);
    return t;
  }
  static int miDayOfWeek(const CmTimeCls& o, double t, CmString& name) {
    return o.miDayOfWeek(t, name);
  }
  static int mFindWeek(const CmTimeCls& o, int dayOfYear, int year, xTimeExtractEnum how) {
    return o.mFindWeek(dayOfYear, year, how);
  }
  static int mGetDaysInFirstWeek(const CmTimeCls& o, int year, int month) {
    return o.mGetDaysInFirstWeek(year, month);
  }
  static int mGetWeeksInYear(const CmTimeCls& o, int year) { return o.mGetWeeksInYear(year); }
  static int mIsMonthName(const CmTimeCls& o, const wchar_t* text, bool* abbreviation) {
    return o.mIsMonthName(text, abbreviation);
  }

  static void mSetStartDay(CmTimeCls& o, int startDay) { o.m_iStartDayOfWeek = startDay; }
  static void mSetBaseYear(CmTimeCls& o, int baseYear) { o.m_iBaseYear = baseYear; }
  // Replaces the current format's parts (at most seven).
  static void mSetParts(CmTimeCls& o, std::initializer_list<CmTimeCls::xTimePartsStruct> parts) {
    int iCount = 0;
    for (const auto& xPart : parts) {
      if (iCount == CmTimeCls::kMaxParts) break;
      o.m_xParts[iCount++] = xPart;
    }
    o.m_iNumParts = iCount;
  }
};

namespace calendar_test {

// Julian Day Number of a Gregorian date by the Fliegel - Van Flandern
// formula (truncating division, valid for years after -4800), and back.
// Written independently of the library's civil-day algorithms.
inline std::int64_t mReferenceJdn(std::int64_t y, std::int64_t m, std::int64_t d) {
  const std::int64_t a = (m - 14) / 12;
  return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
         (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

inline void mReferenceDate(std::int64_t jdn, std::int64_t* y, int* m, int* d) {
  std::int64_t l = jdn + 68569;
  const std::int64_t n = (4 * l) / 146097;
  l = l - (146097 * n + 3) / 4;
  const std::int64_t i = (4000 * (l + 1)) / 1461001;
  l = l - (1461 * i) / 4 + 31;
  const std::int64_t j = (80 * l) / 2447;
  *d = static_cast<int>(l - (2447 * j) / 80);
  l = j / 11;
  *m = static_cast<int>(j + 2 - 12 * l);
  *y = 100 * (n - 49) + i + l;
}

// Julian Day Number of 30 December 1899, day 0.
constexpr std::int64_t kJdnOfDayZero = 2415019;

inline int mReferenceDayNumber(int y, int m, int d) {
  return static_cast<int>(mReferenceJdn(y, m, d) - kJdnOfDayZero);
}

}  // namespace calendar_test
