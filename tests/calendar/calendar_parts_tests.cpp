// Week numbers under every first day of the week and year start, floors to
// every unit, extraction of single parts (mGet) with the widths of the
// current format, and the month and weekday name tables.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "CmRegionalSettings.h"
#include "support/access.h"

using A = CmTimeClsTestAccess;
using cvn::test::mReferenceDayNumber;

namespace {

constexpr xTimeExtractEnum kJan = xExtractWeekFromJanuary, kApr = xExtractWeekFromApril,
                           kJul = xExtractWeekFromJuly, kOct = xExtractWeekFromOctober;
constexpr double kMs = 86400000.0;                 // per day
constexpr double kAug15 = 45519 + 38730250 / kMs;  // 15 August 2024, a Thursday, 10:45:30.250

// The text mGet writes for part what of t, with the number it returns.
std::pair<int, std::wstring> mGet(const CmTimeCls& o, double t, int what) {
  CmString sText(L"stale");
  const int iNumber = o.mGet(t, static_cast<xTimeExtractEnum>(what), sText);
  return {iNumber, sText.str()};
}

}  // namespace

TEST(Weeks, KnownWeekNumbers) {
  CmTimeCls o;
  // First day of the week (0 = Monday), year start, date, week number. With
  // Sunday first, 2023 begins on one and 2022 has a one-day first week; 2000
  // is a leap year with 54 week numbers. Other extraction values count the
  // weeks of the calendar year. Before the year start the weeks run on
  // from the previous calendar year's start across the new calendar year,
  // so a Monday 1 January begins a new week there (counting from the same
  // calendar year's start would give 40). A start day outside 0..6 is taken
  // modulo 7: INT_MAX is a Tuesday, and 2024 then has 54 week numbers.
  // clang-format off
  const std::tuple<int, xTimeExtractEnum, A::Ymd, int> kRows[] = {
      {6, kJan, {2023, 1, 1}, 1}, {6, kJan, {2022, 1, 1}, 1}, {6, kJan, {2022, 1, 2}, 2},
      {6, kJan, {2000, 12, 31}, 54}, {0, kJan, {2024, 12, 31}, 53}, {6, kOct, {2024, 8, 15}, 46},
      {6, xExtractYear4, {2024, 8, 15}, 33}, {0, kApr, {2025, 1, 1}, 40},
      {0, kApr, {2025, 3, 31}, 53}, {0, kApr, {2024, 1, 1}, 41},
      {INT_MAX, kJan, {2024, 12, 31}, 54}};
  // clang-format on
  for (const auto& [iStartDay, eHow, x, iWeek] : kRows) {
    A::mSetStartDay(o, iStartDay);
    EXPECT_EQ(A::mWeek(o, mReferenceDayNumber(x[0], x[1], x[2]), eHow), iWeek) << x[0];
  }
}

// For every first day of the week and year start, over many years: the
// year start is in week 1, the week goes up by one exactly on each
// start-of-week day, a calendar year's last week is its week count, and
// each week begins on the day mGetMonthAndDay gives. Weeks and days
// outside the year stay defined.
TEST(Weeks, SequenceInvariants) {
  CmTimeCls o;
  for (int iStartDay = 0; iStartDay < 7; ++iStartDay) {
    A::mSetStartDay(o, iStartDay);
    for (xTimeExtractEnum eHow : {kJan, kApr, kJul, kOct}) {
      const int iStartMonth = eHow == kJan ? 1 : eHow == kApr ? 4 : eHow == kJul ? 7 : 10;
      int iPrevious = A::mWeek(o, mReferenceDayNumber(1996, 1, 1) - 1, eHow);
      for (int n = mReferenceDayNumber(1996, 1, 1); n <= mReferenceDayNumber(2031, 12, 31); ++n) {
        const auto [y, m, d] = A::mDate(o, n);
        const int w = A::mWeek(o, n, eHow);
        const bool bNewWeek = A::mWeekday(o, n) == iStartDay;
        ASSERT_EQ(w, d == 1 && m == iStartMonth ? 1 : iPrevious + bNewWeek)
            << n << " " << eHow << " " << iStartDay;
        ASSERT_TRUE(eHow != kJan || m != 12 || d != 31 || w == A::mWeeksInYear(o, y)) << y;
        ASSERT_TRUE(eHow != kJan || !bNewWeek ||
                    A::mWeekStart(o, y, w) == (w == 1 ? 101 : 100 * m + d))
            << n;
        iPrevious = w;
      }
    }
  }
  EXPECT_EQ(A::mFindWeek(o, 0, 2024, kJan), A::mWeek(o, mReferenceDayNumber(2023, 12, 31), kJan));
  A::mFindWeek(o, INT_MIN, INT_MIN, kOct);  // no overflow: the sanitizer build watches
}

TEST(Floor, EveryUnit) {
  const CmTimeCls o;
  const double t = kAug15;
  // Value, unit, floor. No unit clears everything, like a year; quarters
  // floor to 1 January, weeks to the first of the month, sub-second units
  // keep the thousandths whole, the time of day is rounded first. The date
  // and the clock parts come from one split: a value a hair below midnight
  // floors within the next day, where it is shown (a carried whole day
  // too). Values that name no day come back as they are.
  // clang-format off
  const std::tuple<double, int, double> kRows[] = {
      {t, xNoPart, 45292}, {t, xYear, 45292}, {t, xQuarterLabelFirst, 45292},
      {t, xMonthNumber, 45505}, {t, xWeekLabelFirst, 45505}, {t, xDay, 45519},
      {t, xHour, 45519 + 36000000 / kMs}, {t, xMinute, 45519 + 38700000 / kMs},
      {t, xSecond, 45519 + 38730000 / kMs}, {t, xTenth, t}, {t, 99, t},
      {t + 0.4 / kMs, xThousandth, t}, {-0.25, xDay, -1}, {-0.25, xHour, -0.25},
      {-0.25, xYear, -363}, {45520 - 1e-10, xDay, 45520}, {45520 - 2e-9, xMinute, 45520},
      {45520 - 1e-8, xSecond, 45519 + 86399000 / kMs}, {-1e-10, xDay, 0},
      {HUGE_VAL, xDay, HUGE_VAL}, {-HUGE_VAL, xYear, -HUGE_VAL}, {2147483647.5, xYear, 2147483647.5}};
  // clang-format on
  for (const auto& [dValue, iUnit, dFloor] : kRows)
    EXPECT_EQ(o.mGetFloor(dValue, static_cast<xTimePartsEnum>(iUnit)), dFloor) << iUnit;
  EXPECT_TRUE(std::isnan(o.mGetFloor(std::nan(""), xDay)));
}

// Every extraction of 15 August 2024, 10:45:30.250, under the widths of the
// format's parts (none: "%d", and "%2.2d" for weeks). The thousandths
// widths count the letters of the thousandth part, less 2 for tenths and
// 1 for hundredths; a negative width left-justifies; widths are capped.
// Weekday names from Monday 1 January 2024; a
// value of any size gives some text.
TEST(CalendarParts, Extraction) {
  CmTimeCls o;
  A::mSetStartDay(o, 6);
  const std::wstring sQ = CmString(55673).str(), sWk = CmString(55676).str(), sNone;
  using P = A::Parts;
  // clang-format off
  const std::tuple<P, int, int, std::wstring> kRows[] = {
      {{}, 0, 24, L"24"}, {{}, 1, 2024, L"2024"}, {{}, 2, 3, sQ + L"3"}, {{}, 3, 3, L"3" + sQ},
      {{{xYear, 4}, {xMonthNumber, 3}}, 4, 8, L"008"}, {{}, 5, 8, L"August"}, {{}, 6, 8, L"Aug"},
      {{}, 7, 33, sWk + L"33"}, {{{xWeekNumberFirst, 3}}, 8, 33, L"033" + sWk},
      {{{xWeekLabelFirst, 3}}, 8, 33, L"33" + sWk}, {{{xDay, 3}}, 9, 15, L"015"},
      {{{xHour, 3}}, 11, 10, L"010"}, {{}, 12, 45, L"45"}, {{{xSecond, 3}}, 13, 30, L"030"},
      {{{xThousandth, 4}}, 14, 2, L"02"},
      {{{xThousandth, 4}}, 15, 25, L"025"}, {{{xThousandth, 4}}, 16, 250, L"0250"},
      {{{xThousandth, -5}}, 16, 250, L"250  "},
      {{{xDay, INT_MIN}}, 9, 15, L"15" + std::wstring(62, L' ')}, {{}, 18, 20, sWk + L"20"},
      {{}, 19, 7, sWk + L"07"}, {{{xWeekLabelFirst, 1}}, 20, 46, sWk + L"46"},
      {{}, 21, -1, sNone}, {{}, -1, -1, sNone}};
  // clang-format on
  for (const auto& [vParts, iWhat, iNumber, sText] : kRows) {
    A::mSetParts(o, vParts);
    EXPECT_EQ(mGet(o, kAug15, iWhat), std::make_pair(iNumber, sText)) << iWhat;
  }
  A::mSetParts(o, {});
  for (int i = -2; i < 14; ++i) {
    CmString sName;
    const int iWeekday = A::miDayOfWeek(o, 45292 + i + 0.75, sName);
    EXPECT_TRUE(iWeekday == (i + 7) % 7 &&
                mGet(o, 45292 + i + 0.75, xExtractDayOfWeek) == std::pair(iWeekday, sName.str()));
  }
  for (double t : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e308, -1e308, -1e-300, 2147483647.0})
    for (int iWhat = 0; iWhat <= 20; ++iWhat) EXPECT_NE(mGet(o, t, iWhat).second, L"") << t;
}

// Abbreviations that end with a full stop, as the French ones do, keep it
// in the upper-case table only; names that do not fit their buffers (31
// characters for full names, 7 for abbreviations, terminator included) or
// are not available leave their entries; numbers for abbreviations select
// full names in the default formats. The built-in names are loaded again
// afterwards.
TEST(NameTables, LoadedFromTheRegionalSettings) {
  const auto mLoad = [](const CmRegionalSettings& x) {
    const cvn::test::RegionalSettingsGuard xGuard(x);
    mInitTimeClassMonthNames();
  };
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sMonthAbbrevs[0] = L"janv.", x.sMonthNames[0] = L"janvier", x.sDayAbbrevs[0] = L"lun.";
  x.sMonthAbbrevs[3] = L"abcdefg", x.sMonthAbbrevs[4] = L"abcdef";
  x.sMonthNames[5] = L"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", x.sMonthNames[6].reset();
  mLoad(x);
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> kEntries[] = {
      {CmTimeCls::gszMonthAbbrev[0], L"janv"}, {CmTimeCls::gszMonthAbbrevUpper[0], L"JANV."},
      {CmTimeCls::gszMonthAbbrevUpperNoStop[0], L"JANV"}, {CmTimeCls::gszMonthAbbrev[3], L"Apr"},
      {CmTimeCls::gszMonthAbbrevUpper[4], L"ABCDEF"}, {CmTimeCls::gszMonthName[5], L"June"},
      {CmTimeCls::gszMonthName[6], L"July"}, {CmTimeCls::gszDayAbbrevNoStop[0], L"lun"}};
  // Upper-case text, month, abbreviation flag.
  const std::tuple<const wchar_t*, int, bool> kRows[] = {
      {L"JANV.", 1, true}, {L"JANV", 1, true}, {L"JANVIER", 1, false}, {L"JUNE", 6, false},
      {L"janv", 0, false}, {L"JAN", 0, false}, {L"", 0, false}, {L"JANV..", 0, false},
      {nullptr, 0, false}};
  // clang-format on
  const CmTimeCls o;
  for (const auto& [pszEntry, pszText] : kEntries) EXPECT_STREQ(pszEntry, pszText);
  for (const auto& [pszText, iMonth, bAbbrev] : kRows) {
    bool bGot = !bAbbrev;
    EXPECT_TRUE(A::mIsMonthName(o, pszText, &bGot) == iMonth && bGot == bAbbrev) << iMonth;
  }
  EXPECT_TRUE(CmTimeCls::gbAbbrevMonthNames &&
              mGet(o, 45292.0, xExtractMonthAbbrev).second == L"janv");
  for (int i = 0; i < 12; ++i) x.sMonthAbbrevs[i] = std::to_wstring(i + 1);
  mLoad(x);
  bool bAbbrev = false;
  EXPECT_TRUE(!CmTimeCls::gbAbbrevMonthNames && A::mIsMonthName(o, L"10", &bAbbrev) == 10 &&
              bAbbrev);
  mLoad(mBuiltInRegionalSettings());
}
