// The settings in force, the locale-information reads with their buffer
// limits, the two-digit-year window text and the environment's choice.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "CmRegionalSettings.h"
#include "platform/platform.h"
#include "platform/regional_settings.h"
#include "platform/settings_guard.h"

namespace {

namespace cp = cvn::platform;

TEST(RegionalSettings, BuiltInIsUnitedStatesEnglish) {
  const CmRegionalSettings x = mBuiltInRegionalSettings();
  EXPECT_EQ(x.sFirstDayOfWeek, L"6");
  EXPECT_EQ(x.sShortDate, L"M/d/yyyy");
  EXPECT_EQ(x.sTimeFormat, L"h:mm:ss tt");
  EXPECT_EQ(x.sAM, L"AM");
  EXPECT_EQ(x.sPM, L"PM");
  EXPECT_EQ(x.sDateSep, L"/");
  EXPECT_EQ(x.sMonthNames[0], L"January");
  EXPECT_EQ(x.sMonthNames[8], L"September");
  EXPECT_EQ(x.sMonthNames[11], L"December");
  EXPECT_EQ(x.sMonthAbbrevs[0], L"Jan");
  EXPECT_EQ(x.sMonthAbbrevs[11], L"Dec");
  EXPECT_EQ(x.sDayNames[0], L"Monday");
  EXPECT_EQ(x.sDayNames[6], L"Sunday");
  EXPECT_EQ(x.sDayAbbrevs[0], L"Mon");
  EXPECT_EQ(x.sDayAbbrevs[6], L"Sun");
  EXPECT_FALSE(x.sTwoDigitYearMax.has_value());
  for (const auto& s : x.sMonthAbbrevs) EXPECT_EQ(s->size(), 3u);
  for (const auto& s : x.sDayAbbrevs) EXPECT_EQ(s->size(), 3u);
}

TEST(RegionalSettings, SetAndGetAndRestore) {
  const CmRegionalSettings xBefore = mGetRegionalSettings();
  {
    CmRegionalSettings x = mBuiltInRegionalSettings();
    x.sShortDate = L"dd.MM.yyyy";
    const cvn::test::RegionalSettingsGuard xGuard(x);
    EXPECT_EQ(mGetRegionalSettings().sShortDate, L"dd.MM.yyyy");
  }
  EXPECT_EQ(mGetRegionalSettings().sShortDate, xBefore.sShortDate);
}

// Fills every value with text of the given length, so that the buffer
// limit alone decides.
CmRegionalSettings mSettingsOfLength(size_t n) {
  CmRegionalSettings x;
  const std::wstring s(n, L'x');
  x.sFirstDayOfWeek = x.sShortDate = x.sTimeFormat = x.sAM = x.sPM = x.sDateSep = s;
  for (auto& v : x.sMonthNames) v = s;
  for (auto& v : x.sMonthAbbrevs) v = s;
  for (auto& v : x.sDayNames) v = s;
  for (auto& v : x.sDayAbbrevs) v = s;
  x.sTwoDigitYearMax = s;
  return x;
}

TEST(GetLocaleInfo, BufferLimits) {
  // The sizes the library's readers use: a value fits with its terminator.
  const struct {
    unsigned iType;
    int iChars;
  } kRows[] = {
      {cp::kLocaleIFirstDayOfWeek, 31},
      {cp::kLocaleSShortDate, 20},
      {cp::kLocaleSTimeFormat, 20},
      {cp::kLocaleS1159, 9},
      {cp::kLocaleS2359, 9},
      {cp::kLocaleSDate, 4},
      {cp::kLocaleSMonthName1, 31},
      {cp::kLocaleSMonthName1 + 11, 31},
      {cp::kLocaleSAbbrevMonthName1, 7},
      {cp::kLocaleSAbbrevMonthName1 + 11, 7},
      {cp::kLocaleSDayName1, 31},
      {cp::kLocaleSDayName1 + 6, 31},
      {cp::kLocaleSAbbrevDayName1, 7},
      {cp::kLocaleSAbbrevDayName1 + 6, 7},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << std::hex << row.iType);
    const auto n = static_cast<size_t>(row.iChars);
    {
      const cvn::test::RegionalSettingsGuard xGuard(mSettingsOfLength(n - 1));
      wchar_t szBuffer[40];
      std::wmemset(szBuffer, L'#', 40);
      EXPECT_EQ(cp::mGetLocaleInfo(row.iType, szBuffer, row.iChars), row.iChars);
      EXPECT_EQ(std::wstring(szBuffer), std::wstring(n - 1, L'x'));
    }
    {
      const cvn::test::RegionalSettingsGuard xGuard(mSettingsOfLength(n));
      wchar_t szBuffer[40];
      std::wmemset(szBuffer, L'#', 40);
      EXPECT_EQ(cp::mGetLocaleInfo(row.iType, szBuffer, row.iChars), 0);
      EXPECT_EQ(szBuffer[0], L'#');  // untouched
    }
  }
}

TEST(GetLocaleInfo, ServesEachValueByItsCode) {
  const cvn::test::RegionalSettingsGuard xGuard(mBuiltInRegionalSettings());
  const struct {
    unsigned iType;
    const wchar_t* pszExpected;
  } kRows[] = {
      {cp::kLocaleIFirstDayOfWeek, L"6"},
      {cp::kLocaleSShortDate, L"M/d/yyyy"},
      {cp::kLocaleSTimeFormat, L"h:mm:ss tt"},
      {cp::kLocaleS1159, L"AM"},
      {cp::kLocaleS2359, L"PM"},
      {cp::kLocaleSDate, L"/"},
      {0x2A, L"Monday"},
      {0x30, L"Sunday"},
      {0x31, L"Mon"},
      {0x37, L"Sun"},
      {0x38, L"January"},
      {0x43, L"December"},
      {0x44, L"Jan"},
      {0x4F, L"Dec"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << std::hex << row.iType);
    wchar_t szBuffer[64] = {};
    EXPECT_EQ(cp::mGetLocaleInfo(row.iType, szBuffer, 64),
              static_cast<int>(std::wcslen(row.pszExpected)) + 1);
    EXPECT_STREQ(szBuffer, row.pszExpected);
  }
}

TEST(GetLocaleInfo, ErrorCases) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sAM.reset();  // cannot be read
  x.sPM = L"";    // read, empty
  const cvn::test::RegionalSettingsGuard xGuard(x);
  wchar_t szBuffer[16];
  std::wmemset(szBuffer, L'#', 16);
  EXPECT_EQ(cp::mGetLocaleInfo(cp::kLocaleS1159, szBuffer, 16), 0);
  EXPECT_EQ(szBuffer[0], L'#');
  EXPECT_EQ(cp::mGetLocaleInfo(cp::kLocaleS2359, szBuffer, 16), 1);
  EXPECT_EQ(szBuffer[0], L'\0');
  for (unsigned iType : {0u, 0x29u + 0x1000u, 0x50u, 0x1Eu, 0xFFFFFFFFu, 0x27u}) {
    SCOPED_TRACE(iType);
    EXPECT_EQ(cp::mGetLocaleInfo(iType, szBuffer, 16), 0);
  }
  EXPECT_EQ(cp::mGetLocaleInfo(cp::kLocaleSDate, nullptr, 16), 0);
  EXPECT_EQ(cp::mGetLocaleInfo(cp::kLocaleSDate, szBuffer, 0), 0);
  EXPECT_EQ(cp::mGetLocaleInfo(cp::kLocaleSDate, szBuffer, -1), 0);
}

TEST(TwoDigitYearMax, ReadsTheWindowEndText) {
  const struct {
    const wchar_t* pszValue;  // null: not set
    int iChars;
    bool bOk;
  } kRows[] = {
      {nullptr, 5, false}, {L"2029", 5, true}, {L"2099", 5, true},  {L"20500", 5, false},
      {L"2050", 4, false}, {L"", 5, true},     {L"2050", 0, false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message()
                 << (row.pszValue ? row.pszValue : L"(unset)") << " in " << row.iChars);
    CmRegionalSettings x = mBuiltInRegionalSettings();
    if (row.pszValue != nullptr) x.sTwoDigitYearMax = row.pszValue;
    const cvn::test::RegionalSettingsGuard xGuard(x);
    wchar_t szBuffer[8];
    std::wmemset(szBuffer, L'#', 8);
    EXPECT_EQ(cp::mReadTwoDigitYearMax(szBuffer, row.iChars), row.bOk);
    if (row.bOk) {
      EXPECT_STREQ(szBuffer, row.pszValue);
    } else {
      EXPECT_EQ(szBuffer[0], L'#');
    }
  }
  EXPECT_FALSE(cp::mReadTwoDigitYearMax(nullptr, 5));
}

// A fake environment for the settings chosen at load.
std::map<std::string, std::string> gxEnvironment;
const char* mFakeGetenv(const char* name) {
  const auto it = gxEnvironment.find(name);
  return it == gxEnvironment.end() ? nullptr : it->second.c_str();
}

TEST(SettingsFromEnvironment, CLocalesAndMissingLocalesGiveTheBuiltIn) {
  const std::map<std::string, std::string> kRows[] = {
      {},
      {{"LANG", "C"}},
      {{"LC_ALL", "POSIX"}, {"LANG", "xx_YY.UTF-8"}},
      {{"LC_TIME", "C.UTF-8"}},
      {{"LC_ALL", ""}, {"LC_TIME", ""}, {"LANG", "C.utf8"}},
      {{"LC_ALL", "xx_YY.UTF-8"}},  // not installed
      {{"LC_ALL", "../../etc/passwd"}},
  };
  const CmRegionalSettings xBuiltIn = mBuiltInRegionalSettings();
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.size());
    gxEnvironment = row;
    const CmRegionalSettings x = cvn::detail::mSettingsFromEnvironment(&mFakeGetenv);
    EXPECT_EQ(x.sShortDate, xBuiltIn.sShortDate);
    EXPECT_EQ(x.sTimeFormat, xBuiltIn.sTimeFormat);
    EXPECT_EQ(x.sFirstDayOfWeek, xBuiltIn.sFirstDayOfWeek);
    EXPECT_FALSE(x.sTwoDigitYearMax.has_value());
  }
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(nullptr).sShortDate, xBuiltIn.sShortDate);
}

TEST(SettingsFromEnvironment, WindowEndVariable) {
  gxEnvironment = {{"LC_ALL", "C"}, {"CVN_TWO_DIGIT_YEAR_MAX", "2050"}};
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(&mFakeGetenv).sTwoDigitYearMax, L"2050");
  gxEnvironment = {{"CVN_TWO_DIGIT_YEAR_MAX", ""}};
  EXPECT_FALSE(cvn::detail::mSettingsFromEnvironment(&mFakeGetenv).sTwoDigitYearMax.has_value());
}

TEST(SettingsFromEnvironment, FirstNonEmptyVariableWins) {
  // LC_ALL is empty, so LC_TIME names the locale; LANG is not looked at.
  gxEnvironment = {{"LC_ALL", ""}, {"LC_TIME", "de_DE.UTF-8"}, {"LANG", "C"}};
  CmRegionalSettings xGerman;
  if (!mRegionalSettingsFromLocale("de_DE.UTF-8", &xGerman)) {
    GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  }
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(&mFakeGetenv).sShortDate, xGerman.sShortDate);
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(&mFakeGetenv).sMonthNames[2],
            xGerman.sMonthNames[2]);
}

}  // namespace
