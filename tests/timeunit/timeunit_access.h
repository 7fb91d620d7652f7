// Test access to the private members of CmTimeUnit, and a recorder of
// mAssert reports for the catalogue tests.
#pragma once

#include <string>
#include <vector>

#include "CmTimeUnit.h"
#include "CvnMessaging.h"

struct CmTimeUnitTestAccess {
  static int mPosition(const CmTimeUnit& u, int index) {
    const int iPositions[] = {u.m_iSecondPos, u.m_iMinutePos,  u.m_iHourPos, u.m_iDayPos,
                              u.m_iMonthPos,  u.m_iQuarterPos, u.m_iYearPos, u.m_iIndexPos};
    return iPositions[index];
  }
  static std::vector<int> mCodes(const CmTimeUnit& u) {
    return std::vector<int>(u.m_setUnitCodes.begin(), u.m_setUnitCodes.end());
  }
  static bool mFindTickIncrement(CmTimeUnit& u, int tick, const std::vector<int>& candidates) {
    return u.mFindTickIncrement(tick, candidates);
  }
  // The private factor-list operations, by name.
  static std::vector<int> mFactors(const CmTimeUnit& u, const std::string& name, int multiplier,
                                   std::vector<int> out = {}) {
    if (name == "second") u.mGetSecondFactors(out, multiplier);
    if (name == "minute") u.mGetMinuteFactors(out, multiplier);
    if (name == "hour") u.mGetHourFactors(out, multiplier);
    if (name == "day") u.mGetDayFactors(out, multiplier);
    if (name == "ymonth") u.mGetYMonthFactors(out, multiplier);
    if (name == "quarter") u.mGetQuarterFactors(out, multiplier);
    if (name == "qmonth") u.mGetQMonthFactors(out, multiplier);
    if (name == "year") u.mGetYearFactors(out, multiplier);
    return out;
  }
};

namespace cvn::test {

struct AssertReport {
  std::string sExpression;
  std::string sFile;
  unsigned uLine;
};

// Collects the mAssert reports made while it lives.
class UnitAssertRecorder {
 public:
  UnitAssertRecorder() : m_pPrevious(mSetAssertHandler(&mRecord)) { mReports().clear(); }
  ~UnitAssertRecorder() { mSetAssertHandler(m_pPrevious); }
  UnitAssertRecorder(const UnitAssertRecorder&) = delete;
  UnitAssertRecorder& operator=(const UnitAssertRecorder&) = delete;

  const std::vector<AssertReport>& mGet() const { return mReports(); }

 private:
  static std::vector<AssertReport>& mReports() {
    static std::vector<AssertReport> vReports;
    return vReports;
  }
  static void mRecord(const char* expression, const char* file, unsigned line) {
    mReports().push_back({expression, file, line});
  }
  CmAssertHandler m_pPrevious;
};

}  // namespace cvn::test
