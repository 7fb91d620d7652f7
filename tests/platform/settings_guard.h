// A test fixture of the platform layer: puts fixed regional settings in
// force for one scope and restores the previous ones after it.
#pragma once

#include "CmRegionalSettings.h"

namespace cvn::test {

class RegionalSettingsGuard {
 public:
  explicit RegionalSettingsGuard(const CmRegionalSettings& settings)
      : m_xPrevious(mGetRegionalSettings()) {
    mSetRegionalSettings(settings);
  }
  ~RegionalSettingsGuard() { mSetRegionalSettings(m_xPrevious); }
  RegionalSettingsGuard(const RegionalSettingsGuard&) = delete;
  RegionalSettingsGuard& operator=(const RegionalSettingsGuard&) = delete;

 private:
  CmRegionalSettings m_xPrevious;
};

}  // namespace cvn::test
