// Captures mAssert reports as "expression file line" while it lives,
// instead of letting them reach the host's handler.
#pragma once

#include <string>
#include <vector>

#include "CvnMessaging.h"

namespace cvn::test {

class AssertCapture {
 public:
  AssertCapture() : m_pPrevious(mSetAssertHandler(&mRecord)) { mReports().clear(); }
  ~AssertCapture() { mSetAssertHandler(m_pPrevious); }
  AssertCapture(const AssertCapture&) = delete;
  AssertCapture& operator=(const AssertCapture&) = delete;

  // The reports so far, in order, and all of them joined by ';'.
  static std::vector<std::string>& mReports() {
    static std::vector<std::string> v;
    return v;
  }
  static std::string mJoined() {
    std::string s;
    for (const std::string& x : mReports()) s += (s.empty() ? "" : ";") + x;
    return s;
  }

 private:
  static void mRecord(const char* e, const char* f, unsigned l) {
    mReports().push_back(std::string(e) + " " + f + " " + std::to_string(l));
  }
  CmAssertHandler m_pPrevious;
};

}  // namespace cvn::test
