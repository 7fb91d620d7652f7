// Regressions of the reader found by fuzzing.

#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <string>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "platform/settings_guard.h"

namespace {

constexpr double kHalfSecond = 0.5 / 86400.0;

// Fault: a designator glued to the time ("2:21:32P") was recognised only
// when it fitted the regional designators; with none (German settings) or
// one-letter ones, the "AM"/"PM" that a format such as "h:mm:ssA/P" writes
// could not be read back. Now a prefix of "AM" or "PM" may start one too.
TEST(Regressions, GluedDefaultDesignatorReadsWhateverTheRegionalOnes) {
  const struct {
    const wchar_t* sAM;
    const wchar_t* sPM;
    const wchar_t* sFormat;
    double dValue;
  } kRows[] = {
      {L"", L"", L"yyyy/mm/dd h:mm:ssA/P", 422784.59828929114},  // the found case: year 3057
      {L"", L"", L"m/d/yyyy h:mm:ssAM/PM", 36526.75},
      {L"", L"", L"m/d/yyyy h:mm:ssam/pm", 36526.25},
      {L"a", L"p", L"m/d/yyyy h:mm:ssAM/PM", 36526.75},  // one-letter regional ones
      {L"AM", L"PM", L"m/d/yyyy h:mm:ssA/P", 36526.75},  // as before
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.sFormat, row.sFormat + std::wcslen(row.sFormat)));
    CmRegionalSettings xSettings = mBuiltInRegionalSettings();
    xSettings.sAM = row.sAM;
    xSettings.sPM = row.sPM;
    const cvn::test::RegionalSettingsGuard xGuard(xSettings);
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    CmString sText;
    t.mCorvaneTimeToStr(row.dValue, false, sText, 0);
    double dRead = 0.0;
    EXPECT_TRUE(t.mStrToCorvaneTime(sText.c_str(), &dRead))
        << std::string(sText.str().begin(), sText.str().end());
    EXPECT_NEAR(dRead, row.dValue, kHalfSecond + 1e-9);
  }
}

// Words glued to a number that are no designator still stay date text.
TEST(Regressions, GluedMonthNameIsNoDesignator) {
  CmRegionalSettings xSettings = mBuiltInRegionalSettings();
  xSettings.sAM = L"";
  xSettings.sPM = L"";
  const cvn::test::RegionalSettingsGuard xGuard(xSettings);
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"h:mm"));
  double dRead = 0.0;
  EXPECT_FALSE(t.mStrToCorvaneTime(L"10:30Apr", &dRead));
}

}  // namespace
