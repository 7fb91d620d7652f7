// Scope guards for the class-wide settings that tests change: the decimal
// symbols, the regional settings and the clock. Each puts its value in
// force for one scope and restores the previous one after it.
#pragma once

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "platform/clock.h"

namespace cvn::test {

// The input and output decimal symbols ('.' unless given).
class DecimalSymbolGuard {
 public:
  explicit DecimalSymbolGuard(wchar_t input = L'.', wchar_t output = L'.') {
    mSetInputDecimal(input);
    mSetOutputDecimal(output);
  }
  ~DecimalSymbolGuard() {
    mSetInputDecimal(m_cInput);
    mSetOutputDecimal(m_cOutput);
  }
  DecimalSymbolGuard(const DecimalSymbolGuard&) = delete;
  DecimalSymbolGuard& operator=(const DecimalSymbolGuard&) = delete;

 private:
  const wchar_t m_cInput = mGetInputDecimal();
  const wchar_t m_cOutput = mGetOutputDecimal();
};

// The regional settings the library reads from its host.
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

// A fixed local clock in place of the system clock; set() moves it.
class FixedClockGuard : public cvn::platform::xClock {
 public:
  explicit FixedClockGuard(const cvn::platform::xLocalClock& now = {})
      : m_xNow(now), m_pPrevious(cvn::platform::mInjectClock(this)) {}
  ~FixedClockGuard() override { cvn::platform::mInjectClock(m_pPrevious); }
  FixedClockGuard(const FixedClockGuard&) = delete;
  FixedClockGuard& operator=(const FixedClockGuard&) = delete;
  void set(const cvn::platform::xLocalClock& now) { m_xNow = now; }
  void mNow(cvn::platform::xLocalClock* out) const override { *out = m_xNow; }

 private:
  cvn::platform::xLocalClock m_xNow;
  const cvn::platform::xClock* m_pPrevious;
};

}  // namespace cvn::test
