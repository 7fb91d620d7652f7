// The settings in force and where they come from: conversion of C-library
// locales (strftime formats into regional patterns, the date separator,
// the first weekday, whole locales), the built-in values, the
// locale-information reads with their buffer limits, the two-digit-year
// window text, the choice the environment makes, and the clock.

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <string>

#include "CmRegionalSettings.h"
#include "platform/locale_conversion.h"
#include "platform/platform.h"
#include "platform/regional_settings.h"
#include "support/guards.h"

namespace {

namespace cd = cvn::detail;
namespace cp = cvn::platform;

// Dates and times of en_US, de_DE and fr_FR; unpadded ('-'), padded ('0')
// and composite conversions; modifiers and field widths ignored; CJK
// literals kept, ASCII letters quoted, an apostrophe doubled; conversions
// without a pattern letter dropped; %% and %n; a lone '%' at the end.
// Then patterns and their date separators (null: none): the literal text
// between the first two fields; the week's start date and first weekday,
// and the first day of the week (null: none): en_US counts from a Sunday,
// de_DE from the Monday after it.
TEST(LocaleConversion, PatternsSeparatorsFirstDaysAndLocales) {
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> kRows[] = {
      {L"%m/%d/%Y", L"MM/dd/yyyy"}, {L"%-d.%-m.%y", L"d.M.yy"}, {L"%0e", L"dd"},
      {L"%A, %B %e, %Y", L"dddd, MMMM d, yyyy"}, {L"%F", L"yyyy-MM-dd"}, {L"%l:%M %P", L"h:mm tt"},
      {L"%OH:%EM", L"HH:mm"}, {L"%10d", L"dd"}, {L"%Z %j", L" "}, {L"%r", L"hh:mm:ss tt"},
      {L"%Y\u5E74%m\u6708", L"yyyy\u5E74MM\u6708"}, {L"%d de %B", L"dd 'de' MMMM"},
      {L"l'%d", L"'l'''dd"}, {L"100%%", L"100%"}, {L"%H%n%M", L"HH mm"}, {L"%", L""}, {L"%-", L""}};
  const std::pair<const wchar_t*, const wchar_t*> kSeparators[] = {
      {L"M/d/yyyy", L"/"}, {L"d. M. yyyy", L". "}, {L"yyyy\u5E74MM\u6708dd\u65E5", L"\u5E74"},
      {L"dd 'de' MMMM", L" de "}, {L"dd''MM", L"'"}, {L"yyyyMMdd", nullptr}, {L"/", nullptr}};
  const std::tuple<long, int, const wchar_t*> kFirstDays[] = {
      {19971130, 1, L"6"}, {19971130, 7, L"5"}, {19971201, 1, L"0"}, {20000101, 1, L"5"},
      {19971130, 0, nullptr}, {19971130, 8, nullptr}, {19971300, 1, nullptr}, {0, 1, nullptr}};
  // clang-format on
  for (const auto& [pszFormat, pszPattern] : kRows)
    EXPECT_EQ(cd::mStrftimeToPattern(pszFormat), pszPattern) << pszFormat;
  for (const auto& [pszPattern, pszSeparator] : kSeparators)
    EXPECT_EQ(cd::mDateSeparatorOfPattern(pszPattern).value_or(L"-"),
              pszSeparator ? pszSeparator : L"-");
  for (const auto& [lWeekStart, iFirstWeekday, pszDay] : kFirstDays)
    EXPECT_EQ(cd::mFirstDayOfWeek(lWeekStart, iFirstWeekday).value_or(L"-"),
              pszDay ? pszDay : L"-");
  EXPECT_TRUE(cd::mIsCLocaleName("POSIX") && cd::mIsCLocaleName("C.utf8") &&
              !cd::mIsCLocaleName("c") && !cd::mIsCLocaleName("POSIX.UTF-8") &&
              !cd::mIsCLocaleName(nullptr));
  // Whole locales: C.UTF-8 is always there (de_DE below, where the system
  // has it). A locale that is missing leaves the output untouched.
  CmRegionalSettings x;
  ASSERT_TRUE(mRegionalSettingsFromLocale("C.UTF-8", &x));
  EXPECT_TRUE(x.sShortDate == L"MM/dd/yy" && x.sDateSep == L"/" && x.sAM == L"AM" &&
              x.sMonthNames[0] == L"January" && x.sDayAbbrevs[6] == L"Sun" && !x.sTwoDigitYearMax);
  EXPECT_TRUE(!mRegionalSettingsFromLocale("xx_YY.UTF-8", &x) &&
              !mRegionalSettingsFromLocale("de_DE.NOSUCHCODESET", &x) &&
              !mRegionalSettingsFromLocale(nullptr, &x) && x.sShortDate == L"MM/dd/yy");
}

// Every value of the settings in force read through its type code into a
// buffer of the given size ("#" when it is not returned).
std::wstring mRead(unsigned type, int chars) {
  wchar_t sz[64] = L"#";
  const int n = cp::mGetLocaleInfo(type, sz, chars);
  return n == (n > 0 ? static_cast<int>(std::wcslen(sz)) + 1 : 0) ? sz : L"bad count";
}

// The built-in values are United States English, weekdays Monday first, no
// window end; unknown codes and no buffer give nothing. A value fits its
// buffer with the terminator, or is not returned and the buffer is left
// alone: the sizes the library's readers use, one character short and
// exact.
TEST(RegionalSettings, BuiltInValuesAndBufferLimits) {
  // clang-format off
  const std::pair<unsigned, const wchar_t*> kRows[] = {
      {cp::kLocaleIFirstDayOfWeek, L"6"}, {cp::kLocaleSShortDate, L"M/d/yyyy"},
      {cp::kLocaleSTimeFormat, L"h:mm:ss tt"}, {cp::kLocaleS2359, L"PM"}, {0x2A, L"Monday"},
      {0x37, L"Sun"}, {0x40, L"September"}, {0x27, L"#"}, {0x50, L"#"}, {0xFFFFFFFF, L"#"}};
  const std::pair<unsigned, int> kLimits[] = {
      {cp::kLocaleSShortDate, 20}, {cp::kLocaleS1159, 9}, {cp::kLocaleSDate, 4},
      {cp::kLocaleSMonthName1 + 11, 31}, {cp::kLocaleSAbbrevMonthName1, 7}};
  // clang-format on
  const cvn::test::RegionalSettingsGuard xGuard(mBuiltInRegionalSettings());
  for (const auto& [iType, pszValue] : kRows) EXPECT_EQ(mRead(iType, 64), pszValue) << iType;
  wchar_t szBuffer[8];
  EXPECT_TRUE(!cp::mReadTwoDigitYearMax(szBuffer, 8) &&
              cp::mGetLocaleInfo(cp::kLocaleSDate, nullptr, 16) == 0);
  for (const auto& [iType, iChars] : kLimits) {
    for (const int n : {iChars - 1, iChars}) {
      CmRegionalSettings x;
      const std::wstring s(static_cast<size_t>(n), L'x');
      x.sShortDate = x.sAM = x.sDateSep = x.sMonthNames[11] = x.sMonthAbbrevs[0] = s;
      const cvn::test::RegionalSettingsGuard xLimited(x);
      EXPECT_EQ(mRead(iType, iChars), n < iChars ? s : L"#") << iType << " " << n;
    }
  }
}

std::map<std::string, std::string> gxEnvironment;
const char* mFakeGetenv(const char* name) {
  const auto it = gxEnvironment.find(name);
  return it == gxEnvironment.end() ? nullptr : it->second.c_str();
}

// The C locales, empty variables, locales that are not installed and odd
// names give the built-in settings; the first variable that is set and
// not empty names the locale (de_DE, where the system has it); the window end comes from its own
// variable, and is read when it fits the buffer with its terminator.
TEST(RegionalSettings, EnvironmentChoiceAndWindowText) {
  const CmRegionalSettings xBuiltIn = mBuiltInRegionalSettings();
  // clang-format off
  const std::map<std::string, std::string> kBuiltIn[] = {
      {}, {{"LC_ALL", "POSIX"}, {"LANG", "xx_YY.UTF-8"}}, {{"LC_ALL", "../../etc/passwd"}},
      {{"LC_ALL", ""}, {"LC_TIME", ""}, {"LANG", "C.utf8"}}, {{"CVN_TWO_DIGIT_YEAR_MAX", ""}}};
  // The window end (null: not set), buffer size, read.
  const std::tuple<const wchar_t*, int, bool> kWindows[] = {
      {nullptr, 5, false}, {L"2029", 5, true}, {L"20500", 5, false}, {L"2050", 4, false},
      {L"", 5, true}};
  // clang-format on
  for (const auto& xEnvironment : kBuiltIn) {
    gxEnvironment = xEnvironment;
    const CmRegionalSettings x = cvn::detail::mSettingsFromEnvironment(&mFakeGetenv);
    EXPECT_TRUE(x.sShortDate == xBuiltIn.sShortDate && !x.sTwoDigitYearMax) << xEnvironment.size();
  }
  gxEnvironment = {{"LC_ALL", "C"}, {"CVN_TWO_DIGIT_YEAR_MAX", "2050"}};
  EXPECT_EQ(cvn::detail::mSettingsFromEnvironment(&mFakeGetenv).sTwoDigitYearMax, L"2050");
  for (const auto& [pszValue, iChars, bOk] : kWindows) {
    CmRegionalSettings x = xBuiltIn;
    if (pszValue != nullptr) x.sTwoDigitYearMax = pszValue;
    const cvn::test::RegionalSettingsGuard xGuard(x);
    wchar_t szBuffer[8] = L"#";
    EXPECT_TRUE(cp::mReadTwoDigitYearMax(szBuffer, iChars) == bOk &&
                std::wstring(szBuffer) == (bOk ? pszValue : L"#"))
        << iChars;
  }
  gxEnvironment = {{"LC_ALL", ""}, {"LC_TIME", "de_DE.UTF-8"}, {"LANG", "C"}};
  const CmRegionalSettings x = cvn::detail::mSettingsFromEnvironment(&mFakeGetenv);
  if (x.sShortDate == xBuiltIn.sShortDate) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  EXPECT_TRUE(x.sShortDate == L"dd.MM.yyyy" && x.sTimeFormat == L"HH:mm:ss" &&
              x.sFirstDayOfWeek == L"0" && x.sMonthNames[2] == L"M\u00E4rz");
}

// The system clock's fields lie in their ranges; an injected clock is read
// while it is in force.
TEST(Clock, SystemAndInjectedClock) {
  cp::xLocalClock x{-1, -1, -1, -1, -1, -1};
  cp::mLocalNow(&x);
  EXPECT_TRUE(x.iYearsSince1900 >= 120 && x.iDayOfYear >= 0 && x.iDayOfYear <= 365 &&
              x.iHour >= 0 && x.iHour <= 23 && x.iMinute <= 59 && x.iSecond <= 60 &&
              x.iMillisecond <= 999);
  const cvn::test::FixedClockGuard xFixed({124, 365, 23, 59, 59, 999});
  cp::mLocalNow(&x);
  EXPECT_TRUE(x.iYearsSince1900 == 124 && x.iDayOfYear == 365 && x.iMillisecond == 999);
}

}  // namespace
