// Regressions of the reader found by fuzzing.

#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <string>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "platform/settings_guard.h"
#include "regressions/regressions_access.h"

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

// Fault: with regional designators of five letters or more ("vorm.",
// "nachm."), any word after a day number that fitted their length and began
// with "A" or "P" was taken for a designator, so "16 April 3230 07:09:59"
// written under "d mmmm yyyy hh:mm:ss" could not be read back. A glued
// word now starts a designator only as the start of one; words glued to a
// number that start none stay date text.
TEST(Regressions, WordsThatStartNoDesignatorAreNone) {
  const struct {
    const wchar_t *sAM, *sPM, *sFormat, *sText;
    bool bRead;
  } kRows[] = {
      {L"vorm.", L"nachm.", L"d mmmm yyyy hh:mm:ss", L"16 April 3230 07:09:59", true},  // found
      {L"vorm.", L"nachm.", L"d mmmm yyyy", L"3 August 2020", true},
      {L"vorm.", L"nachm.", L"d mmm yyyy", L"3 Aug 2020", true},
      {L"vorm.", L"nachm.", L"h:mm:ss vorm./nachm.", L"3:15:00nachm.", true},  // regional, glued
      {L"vorm.", L"nachm.", L"h:mm:ss vorm./nachm.", L"3:15:00 vorm.", true},
      {L"vorm.", L"nachm.", L"h:mm:ss AM/PM", L"3:15:00PM", true},
      {L"vorm.", L"nachm.", L"h:mm:ss AM/PM", L"3:15:00Pause", false},
      {L"", L"", L"h:mm", L"10:30Apr", false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.sText, row.sText + std::wcslen(row.sText)));
    CmRegionalSettings xSettings = mBuiltInRegionalSettings();
    xSettings.sAM = row.sAM;
    xSettings.sPM = row.sPM;
    const cvn::test::RegionalSettingsGuard xGuard(xSettings);
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    double dRead = 0.0;
    EXPECT_EQ(t.mStrToCorvaneTime(row.sText, &dRead), row.bRead);
    if (!row.bRead) continue;
    CmString sText;  // and written back as typed
    t.mCorvaneTimeToStr(dRead, false, sText, 0);
    EXPECT_EQ(sText.str(), row.sText);
  }
}

// Fault: decimals typed after the seconds ("8 5:05:22.55") under a format
// with a day but no fraction part, of as many parts as the text or more,
// were reported through mAssert ("iMatchPos >= 0") as a broken invariant,
// though the text is a valid read; the fraction enters the new format as
// read, as it does when the format has fewer parts than the text.
TEST(Regressions, TypedDecimalsNeedNoFractionPart) {
  const struct {
    const wchar_t* sFormat;
    const wchar_t* sText;
    const wchar_t* sFollowed;  // the current format after the read
  } kRows[] = {
      {L"d/m h:mm:ss", L"8 5:05:22.55", L"d h:mm:ss.ss"},  // the found case, shortened
      {L"d/m/yyyy h:mm:ss", L"8/3/2020 5:05:22.5", L"d/m/yyyy h:mm:ss.s"},
      {L"h:mm:ss", L"5:05:22.125", L"h:mm:ss.sss"},  // fewer format parts, as before
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.sText, row.sText + std::wcslen(row.sText)));
    cvn::test::ReportCapture xReports;
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    double dRead = 0.0;
    EXPECT_TRUE(t.mStrToCorvaneTime(row.sText, &dRead));
    EXPECT_EQ(t.mGetDateTimeFmt().str(), row.sFollowed);
    EXPECT_TRUE(xReports.mGet().empty());
  }
}

}  // namespace
