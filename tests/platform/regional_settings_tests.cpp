// The settings in force: the built-in values, the locale-information reads
// with their buffer limits, the two-digit-year window text, the choice the
// environment makes, and the system clock.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "CmRegionalSettings.h"
#include "platform/platform.h"
#include "platform/regional_settings.h"
#include "support/guards.h"

namespace {

namespace cp = cvn::platform;

// Every value of the settings in force read through its type code into a
// buffer of the given size ("#" when it is not returned).
std::wstring mRead(unsigned type, int chars) {
  wchar_t szBuffer[64];
  std::wmemset(szBuffer, L'#', 64);
  const int iWritten = cp::mGetLocaleInfo(type, szBuffer, chars);
  const std::wstring sValue = iWritten > 0 ? szBuffer : L"#";
  return iWritten == (iWritten > 0 ? static_cast<int>(sValue.size()) + 1 : 0) ? sValue
                                                                              : L"bad count";
}

TEST(RegionalSettings, BuiltInValuesByTypeCode) {
  const cvn::test::RegionalSettingsGuard xGuard(mBuiltInRegionalSettings());
  // United States English, weekdays Monday first, no window end.
  // clang-format off
  const std::pair<unsigned, const wchar_t*> kRows[] = {
      {cp::kLocaleIFirstDayOfWeek, L"6"}, {cp::kLocaleSShortDate, L"M/d/yyyy"},
      {cp::kLocaleSTimeFormat, L"h:mm:ss tt"}, {cp::kLocaleS1159, L"AM"}, {cp::kLocaleS2359, L"PM"},
      {cp::kLocaleSDate, L"/"}, {0x2A, L"Monday"}, {0x30, L"Sunday"}, {0x31, L"Mon"},
      {0x37, L"Sun"}, {0x38, L"January"}, {0x40, L"September"}, {0x43, L"December"}, {0x44, L"Jan"},
      {0x4F, L"Dec"}};
  // clang-format on
  for (const auto& [iType, pszValue] : kRows)
    EXPECT_EQ(mRead(iType, 64), pszValue) << std::hex << iType;
  wchar_t szBuffer[8];
  EXPECT_FALSE(cp::mReadTwoDigitYearMax(szBuffer, 8));
}

// A value fits its buffer with the terminator, or is not returned and the
// buffer is left alone: the sizes the library's readers use, one character
// short and exact.
TEST(RegionalSettings, BufferLimits) {
  // clang-format off
  const std::pair<unsigned, int> kRows[] = {
      {cp::kLocaleIFirstDayOfWeek, 31}, {cp::kLocaleSShortDate, 20}, {cp::kLocaleSTimeFormat, 20},
      {cp::kLocaleS1159, 9}, {cp::kLocaleS2359, 9}, {cp::kLocaleSDate, 4},
      {cp::kLocaleSMonthName1, 31}, {cp::kLocaleSMonthName1 + 11, 31},
      {cp::kLocaleSAbbrevMonthName1, 7}, {cp::kLocaleSAbbrevMonthName1 + 11, 7},
      {cp::kLocaleSDayName1, 31}, {cp::kLocaleSDayName1 + 6, 31}, {cp::kLocaleSAbbrevDayName1, 7},
      {cp::kLocaleSAbbrevDayName1 + 6, 7}};
  // clang-format on
  for (const auto& [iType, iChars] : kRows) {
    for (const size_t n : {static_cast<size_t>(iChars) - 1, static_cast<size_t>(iChars)}) {
      CmRegionalSettings x;
      const std::wstring s(n, L'x');
      x.sFirstDayOfWeek = x.sShortDate = x.sTimeFormat = x.sAM = x.sPM = x.sDateSep = s;
      for (int i = 0; i < 12; ++i) x.sMonthNames[i] = x.sMonthAbbrevs[i] = s;
      for (int i = 0; i < 7; ++i) x.sDayNames[i] = x.sDayAbbrevs[i] = s;
      const cvn::test::RegionalSettingsGuard xGuard(x);
      EXPECT_EQ(mRead(iType, iChars), n < static_cast<size_t>(iChars) ? s : L"#")
          << std::hex << iType << " " << n;
    }
  }
  // A value that cannot be read, an empty one, unknown codes, no buffer.
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sAM.reset();
  x.sPM = L"";
  const cvn::test::RegionalSettingsGuard xGuard(x);
  EXPECT_TRUE(mRead(cp::kLocaleS1159, 16) == L"#" && mRead(cp::kLocaleS2359, 16) == L"");
  for (unsigned iType : {0u, 0x1029u, 0x50u, 0x1Eu, 0xFFFFFFFFu, 0x27u})
    EXPECT_EQ(mRead(iType, 16), L"#") << iType;
  wchar_t szBuffer[4];
  EXPECT_EQ(cp::mGetLocaleInfo(cp::kLocaleSDate, nullptr, 16) +
                cp::mGetLocaleInfo(cp::kLocaleSDate, szBuffer, 0) +
                cp::mGetLocaleInfo(cp::kLocaleSDate, szBuffer, -1),
            0);
}

TEST(RegionalSettings, TwoDigitYearWindowText) {
  // Window end (null: not set), buffer size, read.
  // clang-format off
  const std::tuple<const wchar_t*, int, bool> kRows[] = {
      {nullptr, 5, false}, {L"2029", 5, true}, {L"20500", 5, false}, {L"2050", 4, false},
      {L"", 5, true}, {L"2050", 0, false}};
  // clang-format on
  for (const auto& [pszValue, iChars, bOk] : kRows) {
    CmRegionalSettings x = mBuiltInRegionalSettings();
    if (pszValue != nullptr) x.sTwoDigitYearMax = pszValue;
    const cvn::test::RegionalSettingsGuard xGuard(x);
    wchar_t szBuffer[8];
    std::wmemset(szBuffer, L'#', 8);
    EXPECT_EQ(cp::mReadTwoDigitYearMax(szBuffer, iChars), bOk) << iChars;
    EXPECT_EQ(std::wstring(szBuffer, bOk ? std::wcslen(szBuffer) : 1), bOk ? pszValue : L"#")
        << iChars;
  }
  EXPECT_FALSE(cp::mReadTwoDigitYearMax(nullptr, 5));
}

std::map<std::string, std::string> gxEnvironment;
const char* mFakeGetenv(const char* name) {
  const auto it = gxEnvironment.find(name);
  return it == gxEnvironment.end() ? nullptr : it->second.c_str();
}

// The C locales, empty variables, locales that are not installed and odd
// names give the built-in settings; the first variable that is set and
// not empty names the locale; the window end comes from its own variable.
TEST(RegionalSettings, EnvironmentChoice) {
  const CmRegionalSettings xBuiltIn = mBuiltInRegionalSettings();
  // clang-format off
  const std::map<std::string, std::string> kBuiltIn[] = {
      {}, {{"LANG", "C"}}, {{"LC_ALL", "POSIX"}, {"LANG", "xx_YY.UTF-8"}}, {{"LC_TIME", "C.UTF-8"}},
      {{"LC_ALL", ""}, {"LC_TIME", ""}, {"LANG", "C.utf8"}}, {{"LC_ALL", "xx_YY.UTF-8"}},
      {{"LC_ALL", "../../etc/passwd"}}, {{"CVN_TWO_DIGIT_YEAR_MAX", ""}}};
  // clang-format on
  for (const auto& xEnvironment : kBuiltIn) {
    gxEnvironment = xEnvironment;
    const CmRegionalSettings x = cvn::detail::mSettingsFromEnvironment(&mFakeGetenv);
    EXPECT_TRUE(x.sShortDate == xBuiltIn.sShortDate && x.sTimeFormat == xBuiltIn.sTimeFormat &&
                x.sFirstDayOfWeek == xBuiltIn.sFirstDayOfWeek && !x.sTwoDigitYearMax)
        << xEnvironment.size();
  }
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(nullptr).sShortDate, xBuiltIn.sShortDate);
  gxEnvironment = {{"LC_ALL", "C"}, {"CVN_TWO_DIGIT_YEAR_MAX", "2050"}};
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(&mFakeGetenv).sTwoDigitYearMax, L"2050");
  CmRegionalSettings xGerman;
  if (!mRegionalSettingsFromLocale("de_DE.UTF-8", &xGerman)) GTEST_SKIP() << "de_DE.UTF-8 missing";
  gxEnvironment = {{"LC_ALL", ""}, {"LC_TIME", "de_DE.UTF-8"}, {"LANG", "C"}};
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(&mFakeGetenv).sMonthNames[2],
            xGerman.sMonthNames[2]);
}

// An injected clock is read while it is in force; the system clock's fields
// lie in their ranges.
TEST(Clock, InjectedAndSystemClock) {
  cp::xLocalClock x{-1, -1, -1, -1, -1, -1};
  {
    const cvn::test::FixedClockGuard xFixed({124, 365, 23, 59, 59, 999});
    cp::mLocalNow(&x);
    EXPECT_TRUE(x.iYearsSince1900 == 124 && x.iDayOfYear == 365 && x.iMillisecond == 999);
  }
  cp::mLocalNow(&x);
  EXPECT_TRUE(x.iYearsSince1900 >= 120 && x.iDayOfYear >= 0 && x.iDayOfYear <= 365 &&
              x.iHour >= 0 && x.iHour <= 23 && x.iMinute >= 0 && x.iMinute <= 59 &&
              x.iSecond >= 0 && x.iSecond <= 60 && x.iMillisecond >= 0 && x.iMillisecond <= 999);
  cp::mLocalNow(nullptr);  // no crash
}

}  // namespace
