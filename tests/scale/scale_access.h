// Shared by the scale tests: access to the part list and the private unit
// arithmetic of CmTimeCls, an independent reference for expected Corvane
// times, and a recorder of mAssert reports.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"

struct CmTimeClsTestAccess {
  using Part = CmTimeCls::xTimePartsStruct;
  static void mSetParts(CmTimeCls& o, std::initializer_list<Part> parts, int numParts = -1) {
    o.m_iNumParts = 0;
    for (const Part& p : parts) o.m_xParts[o.m_iNumParts++] = p;
    if (numParts >= 0) o.m_iNumParts = numParts;
  }
  // The kinds of the part list, one letter each (see kKindLetters).
  static std::string mPartKinds(const CmTimeCls& o) {
    std::string s;
    for (int i = 0; i < o.m_iNumParts; ++i) s += kKindLetters[o.m_xParts[i].ePart & 15];
    return s;
  }
  // Year, quarter (label first, number first), month (number, abbreviation,
  // name), week (label first, number first), day, hour, minute, second,
  // hundredth, tenth, thousandth.
  static constexpr const char* kKindLetters = "?YQqNAFWwDhmsutf";
  static void mSetStartDayOfWeek(CmTimeCls& o, int day) { o.m_iStartDayOfWeek = day; }
  static double mGetTimeDiff(const CmTimeCls& o, double a, double b, xTimePartsEnum unit) {
    double d = -1.0;
    o.mGetTimeDiff(a, b, unit, &d);
    return d;
  }
  static bool mChanged(const CmTimeCls& o, xTimePartsEnum unit, double a, double b) {
    return o.mDidBiggerTimeUnitChange(unit, a, b);
  }
  static void mAddTimeIncrement(const CmTimeCls& o, const std::vector<int>& in,
                                std::vector<int>& steps) {
    o.mAddTimeIncrement(in, steps);
  }
};

namespace cvn::test {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant,
// "chrono-Compatible Low-Level Date Algorithms", days_from_civil).
inline std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  return era * 146097 + static_cast<std::int64_t>(yoe * 365 + yoe / 4 - yoe / 100 + doy) - 719468;
}

// The Corvane time of a date and clock time (day 0 is 30 December 1899).
inline double T(int y, int m, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  const double dDay =
      static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) -
                          DaysFromCivil(1899, 12, 30));
  return (h * 3600000.0 + mi * 60000.0 + s * 1000.0 + ms) / 86400000.0 + dDay;
}

inline double Missing() { return CmCVNConst::mInstance()->mGetMissingValueCode(); }

// Expected ticks: n first days of months, step months apart from y-m; first
// plus each offset in days; n times from first, step days apart.
using Ticks = std::vector<double>;
inline Ticks Months(int n, int y, int m, int step) {
  Ticks v;
  for (int i = 0, k = m - 1; i < n; ++i, k += step) v.push_back(T(y + k / 12, k % 12 + 1, 1));
  return v;
}
inline Ticks Days(double first, std::initializer_list<double> offsets) {
  Ticks v;
  for (double d : offsets) v.push_back(first + d);
  return v;
}
inline Ticks Steps(int n, double first, double step) {
  Ticks v;
  for (int i = 0; i < n; ++i) v.push_back(first + i * step);
  return v;
}

// Records mAssert reports as "expression file line" while it lives.
class AssertLog {
 public:
  AssertLog() : m_pPrevious(mSetAssertHandler(&Record)) { Reports().clear(); }
  ~AssertLog() { mSetAssertHandler(m_pPrevious); }
  static std::vector<std::string>& Reports() {
    static std::vector<std::string> v;
    return v;
  }

 private:
  static void Record(const char* e, const char* f, unsigned l) {
    Reports().push_back(std::string(e) + " " + f + " " + std::to_string(l));
  }
  CmAssertHandler m_pPrevious;
};

}  // namespace cvn::test
