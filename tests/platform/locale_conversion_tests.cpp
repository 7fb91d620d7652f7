// Conversion of C-library locales: strftime formats into regional
// patterns, the date separator, the first weekday, and whole locales.

#include <gtest/gtest.h>

#include <string>

#include "CmRegionalSettings.h"
#include "platform/locale_conversion.h"

namespace {

using cvn::detail::mStrftimeToPattern;

TEST(LocaleConversion, StrftimeToPattern) {
  const struct {
    const wchar_t* pszFormat;
    const wchar_t* pszPattern;
  } kRows[] = {
      {L"%m/%d/%Y", L"MM/dd/yyyy"},  // en_US date
      {L"%d.%m.%Y", L"dd.MM.yyyy"},  // de_DE date
      {L"%d/%m/%Y", L"dd/MM/yyyy"},  // fr_FR date
      {L"%Y-%m-%d", L"yyyy-MM-dd"},
      {L"%-d.%-m.%Y", L"d.M.yyyy"},  // unpadded
      {L"%e.%m.%y", L"d.MM.yy"},
      {L"%0e", L"dd"},
      {L"%d %b %Y", L"dd MMM yyyy"},
      {L"%h", L"MMM"},
      {L"%A, %B %e, %Y", L"dddd, MMMM d, yyyy"},
      {L"%D", L"MM/dd/yy"},
      {L"%F", L"yyyy-MM-dd"},
      {L"%H:%M:%S", L"HH:mm:ss"},  // de_DE time
      {L"%T", L"HH:mm:ss"},
      {L"%R", L"HH:mm"},
      {L"%r", L"hh:mm:ss tt"},  // en_US time
      {L"%I:%M:%S %p", L"hh:mm:ss tt"},
      {L"%l:%M %P", L"h:mm tt"},
      {L"%k:%M", L"H:mm"},
      {L"%-H:%-M:%-S", L"H:m:s"},
      {L"%OH:%EM", L"HH:mm"},                                        // modifiers ignored
      {L"%Y\u5E74%m\u6708%d\u65E5", L"yyyy\u5E74MM\u6708dd\u65E5"},  // CJK literals stay
      {L"%d de %B de %Y", L"dd 'de' MMMM 'de' yyyy"},                // literal letters quoted
      {L"%H h %M", L"HH 'h' mm"},
      {L"%Hh%M", L"HH'h'mm"},
      {L"%d'%m", L"dd''MM"},  // apostrophe doubled
      {L"l'%d", L"'l'''dd"},
      {L"%Z %z %j %C %G %s %u", L"      "},  // no pattern letter: dropped
      {L"100%%", L"100%"},
      {L"%H%n%M%t", L"HH mm "},
      {L"%", L""},  // lone per cent sign at the end
      {L"%-", L""},
      {L"%10d", L"dd"},  // field width ignored
      {L"", L""},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << '"' << row.pszFormat << '"');
    EXPECT_EQ(mStrftimeToPattern(row.pszFormat), row.pszPattern);
  }
}

TEST(LocaleConversion, DateSeparatorOfPattern) {
  const struct {
    const wchar_t* pszPattern;
    const wchar_t* pszSeparator;  // null: none
  } kRows[] = {
      {L"M/d/yyyy", L"/"},
      {L"dd.MM.yyyy", L"."},
      {L"yyyy-MM-dd", L"-"},
      {L"d. M. yyyy", L". "},
      {L"yyyy\u5E74MM\u6708dd\u65E5", L"\u5E74"},
      {L"dd 'de' MMMM", L" de "},
      {L"dd''MM", L"'"},
      {L"yyyyMMdd", nullptr},
      {L"yyyy", nullptr},
      {L"", nullptr},
      {L"/", nullptr},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << '"' << row.pszPattern << '"');
    const auto sSeparator = cvn::detail::mDateSeparatorOfPattern(row.pszPattern);
    if (row.pszSeparator == nullptr) {
      EXPECT_FALSE(sSeparator.has_value());
    } else {
      EXPECT_EQ(sSeparator, row.pszSeparator);
    }
  }
}

TEST(LocaleConversion, FirstDayOfWeek) {
  const struct {
    long lWeekStart;
    int iFirstWeekday;
    const wchar_t* pszExpected;  // null: none
  } kRows[] = {
      {19971130, 1, L"6"},  // a Sunday-based week starting on Sunday (en_US)
      {19971130, 2, L"0"},  // starting on Monday (de_DE)
      {19971130, 7, L"5"},  // Saturday
      {19971201, 1, L"0"},  // a Monday-based week starting on Monday
      {19971201, 7, L"6"},    {20000101, 1, L"5"},  // 1 January 2000 was a Saturday
      {19971130, 0, nullptr}, {19971130, 8, nullptr},  {19971300, 1, nullptr},
      {0, 1, nullptr},        {-19971130, 1, nullptr},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.lWeekStart << "/" << row.iFirstWeekday);
    const auto sDay = cvn::detail::mFirstDayOfWeek(row.lWeekStart, row.iFirstWeekday);
    if (row.pszExpected == nullptr) {
      EXPECT_FALSE(sDay.has_value());
    } else {
      EXPECT_EQ(sDay, row.pszExpected);
    }
  }
}

TEST(LocaleConversion, CLocaleNames) {
  for (const char* pszName : {"C", "POSIX", "C.UTF-8", "C.utf8"}) {
    EXPECT_TRUE(cvn::detail::mIsCLocaleName(pszName)) << pszName;
  }
  for (const char* pszName : {"", "c", "CA", "en_US.UTF-8", "POSIX.UTF-8", "de_CH"}) {
    EXPECT_FALSE(cvn::detail::mIsCLocaleName(pszName)) << pszName;
  }
  EXPECT_FALSE(cvn::detail::mIsCLocaleName(nullptr));
}

TEST(LocaleConversion, CUtf8Locale) {
  CmRegionalSettings x;
  ASSERT_TRUE(mRegionalSettingsFromLocale("C.UTF-8", &x));
  EXPECT_EQ(x.sShortDate, L"MM/dd/yy");
  EXPECT_EQ(x.sDateSep, L"/");
  EXPECT_EQ(x.sTimeFormat, L"HH:mm:ss");
  EXPECT_EQ(x.sAM, L"AM");
  EXPECT_EQ(x.sPM, L"PM");
  EXPECT_EQ(x.sMonthNames[0], L"January");
  EXPECT_EQ(x.sMonthAbbrevs[11], L"Dec");
  EXPECT_EQ(x.sDayNames[0], L"Monday");  // reordered Monday first
  EXPECT_EQ(x.sDayAbbrevs[6], L"Sun");
  ASSERT_TRUE(x.sFirstDayOfWeek.has_value());
  ASSERT_EQ(x.sFirstDayOfWeek->size(), 1u);
  EXPECT_GE((*x.sFirstDayOfWeek)[0], L'0');
  EXPECT_LE((*x.sFirstDayOfWeek)[0], L'6');
  EXPECT_FALSE(x.sTwoDigitYearMax.has_value());
}

TEST(LocaleConversion, MissingLocalesLeaveTheOutputUntouched) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sShortDate = L"sentinel";
  for (const char* pszName : {"xx_YY.UTF-8", "", "de_DE.NOSUCHCODESET"}) {
    SCOPED_TRACE(pszName);
    EXPECT_FALSE(mRegionalSettingsFromLocale(pszName, &x));
    EXPECT_EQ(x.sShortDate, L"sentinel");
  }
  EXPECT_FALSE(mRegionalSettingsFromLocale(nullptr, &x));
  EXPECT_FALSE(mRegionalSettingsFromLocale("C.UTF-8", nullptr));
}

// Installed only where the system has the locales (e.g. Debian locales-all).
TEST(LocaleConversion, GermanLocale) {
  CmRegionalSettings x;
  if (!mRegionalSettingsFromLocale("de_DE.UTF-8", &x)) GTEST_SKIP() << "de_DE.UTF-8 missing";
  EXPECT_EQ(x.sShortDate, L"dd.MM.yyyy");
  EXPECT_EQ(x.sDateSep, L".");
  EXPECT_EQ(x.sTimeFormat, L"HH:mm:ss");
  EXPECT_EQ(x.sFirstDayOfWeek, L"0");
  EXPECT_EQ(x.sMonthNames[2], L"M\u00E4rz");
  EXPECT_EQ(x.sDayNames[0], L"Montag");
  EXPECT_EQ(x.sDayNames[6], L"Sonntag");
}

TEST(LocaleConversion, FrenchLocale) {
  CmRegionalSettings x;
  if (!mRegionalSettingsFromLocale("fr_FR.UTF-8", &x)) GTEST_SKIP() << "fr_FR.UTF-8 missing";
  EXPECT_EQ(x.sShortDate, L"dd/MM/yyyy");
  EXPECT_EQ(x.sDateSep, L"/");
  EXPECT_EQ(x.sFirstDayOfWeek, L"0");
  EXPECT_EQ(x.sMonthNames[1], L"f\u00E9vrier");
  EXPECT_EQ(x.sMonthAbbrevs[1], L"f\u00E9vr.");
  EXPECT_EQ(x.sDayNames[0], L"lundi");
}

TEST(LocaleConversion, UnitedStatesLocale) {
  CmRegionalSettings x;
  if (!mRegionalSettingsFromLocale("en_US.UTF-8", &x)) GTEST_SKIP() << "en_US.UTF-8 missing";
  EXPECT_EQ(x.sShortDate, L"MM/dd/yyyy");
  EXPECT_EQ(x.sTimeFormat, L"hh:mm:ss tt");
  EXPECT_EQ(x.sFirstDayOfWeek, L"6");
  EXPECT_EQ(x.sAM, L"AM");
}

}  // namespace
