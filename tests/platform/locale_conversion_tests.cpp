// Conversion of C-library locales: strftime formats into regional
// patterns, the date separator, the first weekday, and whole locales.

#include <gtest/gtest.h>

#include <string>

#include "CmRegionalSettings.h"
#include "platform/locale_conversion.h"

namespace {

namespace cd = cvn::detail;

TEST(LocaleConversion, StrftimeToPattern) {
  // Dates and times of en_US, de_DE and fr_FR; unpadded ('-'), padded ('0')
  // and composite conversions; modifiers and field widths ignored; CJK
  // literals kept, ASCII letters quoted, an apostrophe doubled; conversions
  // without a pattern letter dropped; %% and %n, %t; a lone '%' at the end.
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> kRows[] = {
      {L"%m/%d/%Y", L"MM/dd/yyyy"}, {L"%d.%m.%Y", L"dd.MM.yyyy"}, {L"%d/%m/%Y", L"dd/MM/yyyy"},
      {L"%-d.%-m.%Y", L"d.M.yyyy"}, {L"%e.%m.%y", L"d.MM.yy"}, {L"%0e", L"dd"},
      {L"%d %b %Y", L"dd MMM yyyy"}, {L"%h", L"MMM"}, {L"%A, %B %e, %Y", L"dddd, MMMM d, yyyy"},
      {L"%D", L"MM/dd/yy"}, {L"%F", L"yyyy-MM-dd"}, {L"%H:%M:%S", L"HH:mm:ss"},
      {L"%T", L"HH:mm:ss"}, {L"%R", L"HH:mm"}, {L"%r", L"hh:mm:ss tt"},
      {L"%I:%M:%S %p", L"hh:mm:ss tt"}, {L"%l:%M %P", L"h:mm tt"}, {L"%k:%M", L"H:mm"},
      {L"%-H:%-M:%-S", L"H:m:s"}, {L"%OH:%EM", L"HH:mm"}, {L"%10d", L"dd"},
      {L"%Y\u5E74%m\u6708%d\u65E5", L"yyyy\u5E74MM\u6708dd\u65E5"},
      {L"%d de %B de %Y", L"dd 'de' MMMM 'de' yyyy"}, {L"%H h %M", L"HH 'h' mm"},
      {L"%Hh%M", L"HH'h'mm"}, {L"%d'%m", L"dd''MM"}, {L"l'%d", L"'l'''dd"},
      {L"%Z %z %j %C %G %s %u", L"      "}, {L"100%%", L"100%"}, {L"%H%n%M%t", L"HH mm "},
      {L"%", L""}, {L"%-", L""}, {L"", L""}};
  // clang-format on
  for (const auto& [pszFormat, pszPattern] : kRows) {
    EXPECT_EQ(cd::mStrftimeToPattern(pszFormat), pszPattern) << pszFormat;
  }
}

TEST(LocaleConversion, SeparatorFirstDayAndCLocaleNames) {
  // Pattern and its date separator (null: none): the literal text between
  // the first two fields.
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> kSeparators[] = {
      {L"M/d/yyyy", L"/"}, {L"dd.MM.yyyy", L"."}, {L"d. M. yyyy", L". "},
      {L"yyyy\u5E74MM\u6708dd\u65E5", L"\u5E74"}, {L"dd 'de' MMMM", L" de "}, {L"dd''MM", L"'"},
      {L"yyyyMMdd", nullptr}, {L"yyyy", nullptr}, {L"", nullptr}, {L"/", nullptr}};
  // The week's start date and first weekday, and the first day of the week
  // (null: none): en_US counts from a Sunday, de_DE from the Monday after
  // it; 1 January 2000 was a Saturday.
  const std::tuple<long, int, const wchar_t*> kFirstDays[] = {
      {19971130, 1, L"6"}, {19971130, 2, L"0"}, {19971130, 7, L"5"}, {19971201, 1, L"0"},
      {19971201, 7, L"6"}, {20000101, 1, L"5"}, {19971130, 0, nullptr}, {19971130, 8, nullptr},
      {19971300, 1, nullptr}, {0, 1, nullptr}, {-19971130, 1, nullptr}};
  // clang-format on
  for (const auto& [pszPattern, pszSeparator] : kSeparators) {
    const auto sSeparator = cd::mDateSeparatorOfPattern(pszPattern);
    EXPECT_EQ(sSeparator.value_or(L"(none)"), pszSeparator ? pszSeparator : L"(none)")
        << pszPattern;
  }
  for (const auto& [lWeekStart, iFirstWeekday, pszDay] : kFirstDays) {
    const auto sDay = cd::mFirstDayOfWeek(lWeekStart, iFirstWeekday);
    EXPECT_EQ(sDay.value_or(L"(none)"), pszDay ? pszDay : L"(none)")
        << lWeekStart << " " << iFirstWeekday;
  }
  for (const char* pszName : {"C", "POSIX", "C.UTF-8", "C.utf8"})
    EXPECT_TRUE(cd::mIsCLocaleName(pszName));
  for (const char* pszName :
       {"", "c", "CA", "en_US.UTF-8", "POSIX.UTF-8", static_cast<const char*>(nullptr)}) {
    EXPECT_FALSE(cd::mIsCLocaleName(pszName)) << (pszName ? pszName : "(null)");
  }
}

// Whole locales: C.UTF-8 is always there; the others where the system has
// them installed. A locale that is missing leaves the output untouched.
TEST(LocaleConversion, WholeLocales) {
  CmRegionalSettings x;
  ASSERT_TRUE(mRegionalSettingsFromLocale("C.UTF-8", &x));
  EXPECT_TRUE(x.sShortDate == L"MM/dd/yy" && x.sDateSep == L"/" && x.sTimeFormat == L"HH:mm:ss" &&
              x.sAM == L"AM" && x.sPM == L"PM" && !x.sTwoDigitYearMax);
  EXPECT_TRUE(x.sMonthNames[0] == L"January" && x.sMonthAbbrevs[11] == L"Dec" &&
              x.sDayNames[0] == L"Monday" && x.sDayAbbrevs[6] == L"Sun");
  EXPECT_TRUE(x.sFirstDayOfWeek && x.sFirstDayOfWeek->size() == 1 &&
              (*x.sFirstDayOfWeek)[0] >= L'0' && (*x.sFirstDayOfWeek)[0] <= L'6');
  x.sShortDate = L"sentinel";
  for (const char* pszName :
       {"xx_YY.UTF-8", "", "de_DE.NOSUCHCODESET", static_cast<const char*>(nullptr)}) {
    EXPECT_FALSE(mRegionalSettingsFromLocale(pszName, &x));
  }
  EXPECT_TRUE(x.sShortDate == L"sentinel" && !mRegionalSettingsFromLocale("C.UTF-8", nullptr));
  // Locale, short date, time format, first day of the week, a month name.
  const std::tuple<const char*, const wchar_t*, const wchar_t*, const wchar_t*, std::wstring>
      kRows[] = {{"de_DE.UTF-8", L"dd.MM.yyyy", L"HH:mm:ss", L"0", L"M\u00E4rz"},
                 {"fr_FR.UTF-8", L"dd/MM/yyyy", L"HH:mm:ss", L"0", L"mars"},
                 {"en_US.UTF-8", L"MM/dd/yyyy", L"hh:mm:ss tt", L"6", L"March"}};
  for (const auto& [pszLocale, pszDate, pszTime, pszFirstDay, sMarch] : kRows) {
    if (!mRegionalSettingsFromLocale(pszLocale, &x)) continue;  // not installed
    EXPECT_TRUE(x.sShortDate == pszDate && x.sTimeFormat == pszTime &&
                x.sFirstDayOfWeek == pszFirstDay && x.sMonthNames[2] == sMarch)
        << pszLocale;
  }
  EXPECT_TRUE(!mRegionalSettingsFromLocale("fr_FR.UTF-8", &x) ||
              x.sMonthAbbrevs[1] == L"f\u00E9vr.");
}

}  // namespace
