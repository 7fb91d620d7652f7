// Test access to the private members of CmTimeCls for the regression tests
// of faults found by fuzzing, and a capture of mAssert reports.
#pragma once

#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "CvnMessaging.h"

struct CmTimeClsTestAccess {
  static int mNumParts(const CmTimeCls& t) { return t.m_iNumParts; }
  static CmTimeCls::xTimePartsStruct mPart(const CmTimeCls& t, int i) { return t.m_xParts[i]; }
};

namespace cvn::test {

// Collects the mAssert reports made while it lives.
class ReportCapture {
 public:
  ReportCapture() : m_pPrevious(mSetAssertHandler(&mRecord)) { mReports().clear(); }
  ~ReportCapture() { mSetAssertHandler(m_pPrevious); }
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;
  const std::vector<std::string>& mGet() const { return mReports(); }

 private:
  static std::vector<std::string>& mReports() {
    static std::vector<std::string> s_vReports;
    return s_vReports;
  }
  static void mRecord(const char* expression, const char*, unsigned) {
    mReports().emplace_back(expression != nullptr ? expression : "");
  }
  CmAssertHandler m_pPrevious;
};

}  // namespace cvn::test
