// Test access to the private scale members and the part list of CmTimeCls,
// an independent reference for expected Corvane times, and a recorder of
// mAssert reports, shared by the scale tests.
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

  static void mSetParts(CmTimeCls& o, std::initializer_list<Part> parts) {
    o.m_iNumParts = 0;
    for (const Part& p : parts) o.m_xParts[o.m_iNumParts++] = p;
  }
  static std::vector<xTimePartsEnum> mPartKinds(const CmTimeCls& o) {
    std::vector<xTimePartsEnum> v;
    for (int i = 0; i < o.m_iNumParts; ++i) v.push_back(o.m_xParts[i].ePart);
    return v;
  }
  static void mSetNumParts(CmTimeCls& o, int n) { o.m_iNumParts = n; }
  static void mSetStartDayOfWeek(CmTimeCls& o, int day) { o.m_iStartDayOfWeek = day; }

  static double mGetTimeDiff(const CmTimeCls& o, double a, double b, xTimePartsEnum unit) {
    double d = -1.0;
    o.mGetTimeDiff(a, b, unit, &d);
    return d;
  }
  static bool mDidBiggerTimeUnitChange(const CmTimeCls& o, xTimePartsEnum unit, double a,
                                       double b) {
    return o.mDidBiggerTimeUnitChange(unit, a, b);
  }
  static void mAddTimeIncrement(const CmTimeCls& o, const std::vector<int>& increments,
                                std::vector<int>& steps) {
    o.mAddTimeIncrement(increments, steps);
  }
};

namespace cvn::test {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant,
// "chrono-Compatible Low-Level Date Algorithms", days_from_civil).
inline std::int64_t RefDaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// The Corvane day number of a date (30 December 1899 is day 0).
inline int RefDay(int y, int m, int d) {
  return static_cast<int>(RefDaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) -
                          RefDaysFromCivil(1899, 12, 30));
}

// The Corvane time of a date and clock time.
inline double RefTime(int y, int m, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  const double dMs = h * 3600000.0 + mi * 60000.0 + s * 1000.0 + ms;
  return dMs / 86400000.0 + RefDay(y, m, d);
}

inline double Missing() { return CmCVNConst::mInstance()->mGetMissingValueCode(); }

struct ScaleAssertReport {
  std::string sExpression;
  std::string sFile;
  unsigned uLine;
};

// Collects the mAssert reports made while it lives.
class ScaleAssertRecorder {
 public:
  ScaleAssertRecorder() : m_pPrevious(mSetAssertHandler(&mRecord)) { mReports().clear(); }
  ~ScaleAssertRecorder() { mSetAssertHandler(m_pPrevious); }
  ScaleAssertRecorder(const ScaleAssertRecorder&) = delete;
  ScaleAssertRecorder& operator=(const ScaleAssertRecorder&) = delete;

  const std::vector<ScaleAssertReport>& mGet() const { return mReports(); }
  std::vector<unsigned> mLines() const {
    std::vector<unsigned> v;
    for (const ScaleAssertReport& r : mReports()) v.push_back(r.uLine);
    return v;
  }

 private:
  static std::vector<ScaleAssertReport>& mReports() {
    static std::vector<ScaleAssertReport> vReports;
    return vReports;
  }
  static void mRecord(const char* expression, const char* file, unsigned line) {
    mReports().push_back({expression, file, line});
  }
  CmAssertHandler m_pPrevious;
};

}  // namespace cvn::test
