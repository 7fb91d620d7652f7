// Test access to the private calendar members of CmTimeCls, their
// out-parameters turned into results; an independent day-number reference
// and the ODBC record as an array, shared by the calendar tests.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "CmTimeCls.h"

struct CmTimeClsTestAccess {
  using C = const CmTimeCls&;
  using Ymd = std::array<int, 3>;        // year, month, day
  using Clock = std::array<int, 4>;      // hour, minute, second, thousandths
  using Split = std::pair<int, double>;  // day number, time of day (ms)
  using Parts = std::vector<CmTimeCls::xTimePartsStruct>;

  // Short forwarding members, laid out like a table.
  // clang-format off
  static bool mIsLeapYear(C o, int y) { return o.mIsLeapYear(y); }
  static int mDayNumber(C o, int y, int m, int d) {
    int n{}; o.mToJulianDay(y, m, d, &n); return n;
  }
  static int mYearDayNumber(C o, int y, int yd) { int n{}; o.mToJulianDay(y, yd, &n); return n; }
  static Ymd mDate(C o, int n) {
    Ymd x{}; o.mFromJulianDay(n, &x[0], &x[1], &x[2], nullptr, xExtractWeekFromJanuary); return x;
  }
  static int mWeek(C o, int n, xTimeExtractEnum how) {
    int w{}; o.mFromJulianDay(n, nullptr, nullptr, nullptr, &w, how); return w;
  }
  static std::pair<int, bool> mNumJulianDays(C o, int y) {
    std::pair<int, bool> x{}; o.mNumJulianDays(y, &x.first, &x.second); return x;
  }
  static int mWeekday(C o, int n) { return o.mGetDayOfWeek(n); }
  static int mWeekday(C o, int y, int m, int d) { return o.mGetDayOfWeek(y, m, d); }
  static double mMs(C o, int h, int mi, int s, int ms) {
    double t{}; o.mToTimeOfDay(h, mi, s, ms, &t); return t;
  }
  static Clock mClock(C o, double ms) {
    Clock x{}; o.mFromTimeOfDay(ms, &x[0], &x[1], &x[2], &x[3]); return x;
  }
  static Split mSplit(C o, double t) {
    Split x{}; o.mToDayThousandths(t, &x.first, &x.second); return x;
  }
  static Split mAdd(C o, Split x, double ms) {
    CmTimeCls::xNumtimStruct n{x.first, x.second}; o.mAddThousandths(ms, &n);
    return {n.iDayNumber, n.dTimeOfDay};
  }
  static int mFindWeek(C o, int yd, int y, xTimeExtractEnum how) { return o.mFindWeek(yd, y, how); }
  static int mDaysInFirstWeek(C o, int y, int m) { return o.mGetDaysInFirstWeek(y, m); }
  static int mWeeksInYear(C o, int y) { return o.mGetWeeksInYear(y); }
  // The month and day on which week w of year y begins, as 100 * month + day.
  static int mWeekStart(C o, int y, int w) {
    int m{}, d{}; o.mGetMonthAndDay(y, w, &m, &d); return 100 * m + d;
  }
  static int miDayOfWeek(C o, double t, CmString& name) { return o.miDayOfWeek(t, name); }
  static int mIsMonthName(C o, const wchar_t* text, bool* abbrev) {
    return o.mIsMonthName(text, abbrev);
  }
  static void mSetStartDay(CmTimeCls& o, int startDay) { o.m_iStartDayOfWeek = startDay; }
  // Replaces the current format's parts (at most seven).
  static void mSetParts(CmTimeCls& o, const Parts& parts) {
    o.m_iNumParts = 0;
    for (const auto& x : parts) {
      if (o.m_iNumParts < CmTimeCls::kMaxParts) o.m_xParts[o.m_iNumParts++] = x;
    }
  }
  // clang-format on
};

namespace calendar_test {

// Day number of a Gregorian date through the Julian Day Number of the
// Fliegel - Van Flandern formula (truncating division, years after -4800),
// written independently of the library's civil-day algorithms. JDN 2415019
// is 30 December 1899, day 0.
inline int mReferenceDayNumber(std::int64_t y, std::int64_t m, std::int64_t d) {
  const std::int64_t a = (m - 14) / 12;
  return static_cast<int>((1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
                          (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075 - 2415019);
}

// An ODBC timestamp record as year, month, day, hour, minute, second and
// fraction (ns), written from t over a record of stray bytes, and read.
using Record = std::array<long long, 7>;
inline Record mToOdbc(const CmTimeCls& o, double t) {
  tagTIMESTAMP_STRUCT ts;
  std::memset(&ts, 0x5A, sizeof ts);
  o.mCorvaneTimeToODBC(t, &ts);
  return {ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second, ts.fraction};
}
inline double mFromOdbc(const CmTimeCls& o, const Record& x) {
  using U = decltype(tagTIMESTAMP_STRUCT::month);
  tagTIMESTAMP_STRUCT ts{
      static_cast<decltype(ts.year)>(x[0]),    U(x[1]), U(x[2]), U(x[3]), U(x[4]), U(x[5]),
      static_cast<decltype(ts.fraction)>(x[6])};
  double t = 0.0;
  o.mODBCToCorvaneTime(&ts, &t);
  return t;
}

}  // namespace calendar_test
