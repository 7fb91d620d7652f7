// The steady read: which formats it serves and which texts it reads. That a
// read gives and leaves what the full reader gives and leaves is checked by
// the reader fuzz target.

#include "time/reader/steady_read.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"

namespace {

using cvn::detail::mReadSteadyText;
using cvn::detail::mSteadyLayout;
using cvn::detail::xSteadyFields;
using cvn::detail::xSteadyLayout;
using Part = CmTimeCls::xTimePartsStruct;

xSteadyLayout mLayout(std::vector<Part> parts, const wchar_t* dateSep = L"/", bool b24Hour = true,
                      int style = 0, const wchar_t* timeSep = L":") {
  return mSteadyLayout(static_cast<int>(parts.size()), parts.data(), dateSep,
                       static_cast<int>(std::wcslen(dateSep)), timeSep,
                       static_cast<int>(std::wcslen(timeSep)), b24Hour, style);
}

const std::vector<Part> kMdy = {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}};
const std::vector<Part> kMdyHms = {{xMonthNumber, 1}, {xDay, 1},    {xYear, 4},
                                   {xHour, 1},        {xMinute, 2}, {xSecond, 2}};

TEST(SteadyRead, ServesTheUsualFormatsOnly) {
  struct {
    std::vector<Part> vParts;
    const wchar_t* sDateSep;
    bool b24Hour;
    int iStyle;
    bool bServed;
  } const kRows[] = {
      {kMdy, L"/", true, 0, true},
      {kMdyHms, L"-", true, 0, true},
      {kMdyHms, L".", false, 0, true},   // " AM/PM"
      {kMdyHms, L"/", false, 1, false},  // " am/pm"
      {kMdyHms, L"/", false, 2, false},  // "AM/PM"
      {kMdy, L" ", true, 0, true},       // blanks in a date alone
      {kMdy, L", ", true, 0, false},
      {kMdy, L"//", true, 0, false},
      {{{xYear, 2}, {xMonthNumber, 2}, {xDay, 2}}, L"-", true, 0, true},
      {{{xYear, 3}, {xMonthNumber, 2}, {xDay, 2}}, L"-", true, 0, false},  // year of 3
      {{{xMonthAbbrev, 3}, {xDay, 1}, {xYear, 4}}, L"-", true, 0, true},   // a name
      {{{xMonthName, 4}, {xDay, 1}, {xYear, 4}}, L" ", true, 0, true},
      {{{xMonthName, 3}, {xDay, 1}, {xYear, 4}}, L" ", true, 0, false},
      {{{xMonthName, 4}, {xMonthNumber, 1}, {xYear, 4}}, L" ", true, 0, false},  // two months
      {{{xMonthName, 4}, {xDay, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}}, L"/", true, 0, false},
      {{{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}}, L" ", true, 0, false},
      {{{xMonthNumber, 1}, {xDay, 1}}, L"/", true, 0, false},  // two date parts
      {{{xMonthNumber, 1}, {xMonthNumber, 1}, {xYear, 4}}, L"/", true, 0, false},
      {{{xHour, 1}, {xMinute, 2}}, L"", true, 0, true},
      {{{xHour, 2}, {xMinute, 2}, {xSecond, 2}}, L"", false, 0, true},
      {{{xHour, 1}}, L"", true, 0, false},  // a bare hour
      {{{xHour, 3}, {xMinute, 2}}, L"", true, 0, false},
      {{{xHour, 1}, {xMinute, 1}}, L"", true, 0, false},  // "[m]"
      {{{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}}, L"", true, 0, false},
      {{{xMinute, 2}, {xSecond, 2}}, L"", true, 0, false},
      {{{xHour, 1}, {xSecond, 2}}, L"", true, 0, false},
      {{{xDay, 1}, {xMonthNumber, 1}, {xYear, 2}, {xHour, 1}, {xMinute, 2}}, L".", true, 0, true},
      {{{xHour, 1}, {xMinute, 2}, {xDay, 1}, {xMonthNumber, 1}, {xYear, 2}}, L".", true, 0, false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << "row " << (&row - kRows));
    EXPECT_EQ(mLayout(row.vParts, row.sDateSep, row.b24Hour, row.iStyle).bServed, row.bServed);
  }
  EXPECT_FALSE(mLayout(kMdyHms, L"/", true, 0, L".").bServed);  // the clock needs ':'
}

// English month names, as the built-in tables hold them.
int mEnglishMonth(const void*, const wchar_t* upperText, bool* abbreviation) {
  static const wchar_t* const kNames[12] = {L"JANUARY",   L"FEBRUARY", L"MARCH",    L"APRIL",
                                            L"MAY",       L"JUNE",     L"JULY",     L"AUGUST",
                                            L"SEPTEMBER", L"OCTOBER",  L"NOVEMBER", L"DECEMBER"};
  for (int i = 0; i < 12; ++i) {
    if (std::wcsncmp(upperText, kNames[i], 3) == 0 && std::wcslen(upperText) == 3) {
      *abbreviation = true;
      return i + 1;
    }
  }
  for (int i = 0; i < 12; ++i) {
    if (std::wcscmp(upperText, kNames[i]) == 0) {
      *abbreviation = false;
      return i + 1;
    }
  }
  return 0;
}
const cvn::detail::xMonthNames kEnglish{&mEnglishMonth, nullptr};

TEST(SteadyRead, ReadsTextsAsTheFormatShowsThem) {
  const xSteadyLayout xMdyHms = mLayout(kMdyHms);
  const xSteadyLayout xMdyHmsAmPm = mLayout(kMdyHms, L"/", false, 0);
  const xSteadyLayout xPadded =
      mLayout({{xMonthNumber, 2}, {xDay, 2}, {xYear, 2}, {xHour, 2}, {xMinute, 2}});
  const xSteadyLayout xClock = mLayout({{xHour, 1}, {xMinute, 2}}, L"", false, 0);
  const xSteadyLayout xDayName = mLayout({{xDay, 1}, {xMonthName, 4}, {xYear, 4}}, L" ");
  const xSteadyLayout xAbbrev = mLayout({{xDay, 2}, {xMonthAbbrev, 3}, {xYear, 2}}, L"-");
  struct {
    const xSteadyLayout* pLayout;
    const wchar_t* sText;
    bool bRead;
    xSteadyFields xFields;
  } const kRows[] = {
      {&xMdyHms, L"3/15/2020 22:30:45", true, {2020, 3, 15, 22, 30, 45}},
      {&xMdyHms, L"12/31/4000 23:59:59", true, {4000, 12, 31, 23, 59, 59}},
      {&xMdyHms, L"1/1/0000 0:00:00", true, {0, 1, 1, 0, 0, 0}},
      {&xMdyHms, L"1/1/4001 0:00:00", false, {}},     // past 4000
      {&xMdyHms, L"03/15/2020 22:30:45", false, {}},  // wider than "m"
      {&xMdyHms, L"3/05/2020 22:30:45", false, {}},
      {&xMdyHms, L"3/15/2020 09:30:45", false, {}},  // wider than "h"
      {&xMdyHms, L"3/15/20 22:30:45", false, {}},    // a year narrower than the format's
      {&xMdyHms, L"3/15/02020 22:30:45", false, {}},
      {&xMdyHms, L"3/15/2020 22:30", false, {}},  // a part missing
      {&xMdyHms, L"3/15/2020 22:30:45:10", false, {}},
      {&xMdyHms, L"3/15/2020 22:30:45 PM", false, {}},
      {&xMdyHms, L"3/15/2020  22:30:45", false, {}},  // two blanks
      {&xMdyHms, L"3-15-2020 22:30:45", false, {}},   // another separator
      {&xMdyHms, L"3/15/2020 22:3:45", false, {}},    // one-digit minutes
      {&xMdyHms, L"3/15/2020 24:00:00", false, {}},
      {&xMdyHms, L"3/15/2020 23:60:00", false, {}},
      {&xMdyHms, L"3/15/2020 23:00:60", false, {}},
      {&xMdyHms, L"0/15/2020 0:00:00", false, {}},
      {&xMdyHms, L"13/15/2020 0:00:00", false, {}},
      {&xMdyHms, L"2/29/2020 0:00:00", true, {2020, 2, 29, 0, 0, 0}},
      {&xMdyHms, L"2/29/2019 0:00:00", false, {}},
      {&xMdyHms, L"2/29/1900 0:00:00", false, {}},
      {&xMdyHms, L"2/29/2000 0:00:00", true, {2000, 2, 29, 0, 0, 0}},
      {&xMdyHms, L"4/31/2020 0:00:00", false, {}},
      {&xMdyHms, L"4/30/2020 0:00:00", true, {2020, 4, 30, 0, 0, 0}},
      {&xMdyHms, L"4/0/2020 0:00:00", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 PM", true, {2020, 3, 15, 22, 30, 45}},
      {&xMdyHmsAmPm, L"3/15/2020 12:30:45 AM", true, {2020, 3, 15, 0, 30, 45}},
      {&xMdyHmsAmPm, L"3/15/2020 12:30:45 PM", true, {2020, 3, 15, 12, 30, 45}},
      {&xMdyHmsAmPm, L"3/15/2020 1:00:00 AM", true, {2020, 3, 15, 1, 0, 0}},
      {&xMdyHmsAmPm, L"3/15/2020 0:30:45 AM", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 13:30:45 PM", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 pm", false, {}},  // another style
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45PM", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 P", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 PMX", false, {}},
      {&xPadded, L"03/05/20 09:05", true, {2020, 3, 5, 9, 5, 0}},
      {&xPadded, L"3/5/29 9:05", true, {2029, 3, 5, 9, 5, 0}},  // narrower is fine
      {&xPadded, L"3/5/30 9:05", true, {1930, 3, 5, 9, 5, 0}},  // the window ends in 2029
      {&xPadded, L"3/5/2020 9:05", false, {}},
      {&xClock, L"10:30 PM", true, {1899, 12, 30, 22, 30, 0}},  // a time alone: day 0
      {&xClock, L"10:30", false, {}},
      {&xClock, L"", false, {}},
      {&xDayName, L"15 March 2020", true, {2020, 3, 15, 0, 0, 0}},
      {&xDayName, L"15 Mar 2020", true, {2020, 3, 15, 0, 0, 0}},  // narrower is fine
      {&xDayName, L"15 march 2020", true, {2020, 3, 15, 0, 0, 0}},
      {&xDayName, L"31 April 2020", false, {}},
      {&xDayName, L"15 Marc 2020", false, {}},  // no name
      {&xDayName, L"15 Ma 2020", false, {}},    // too short to be taken here
      {&xDayName, L"15 3 2020", false, {}},
      {&xDayName, L"15  March 2020", false, {}},
      {&xDayName, L"15 March, 2020", false, {}},
      {&xDayName, L"30 September 2020", true, {2020, 9, 30, 0, 0, 0}},
      {&xDayName, L"30 Septemberxxxxx 2020", false, {}},  // past the letters taken
      {&xAbbrev, L"15-Mar-20", true, {2020, 3, 15, 0, 0, 0}},
      {&xAbbrev, L"15-March-20", false, {}},  // would widen "mmm"
      {&xAbbrev, L"15-Mar-2020", false, {}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.sText)));
    xSteadyFields f{-1, -1, -1, -1, -1, -1};
    ASSERT_EQ(mReadSteadyText(*row.pLayout, row.sText, 29, 1900, kEnglish, &f), row.bRead);
    if (!row.bRead) continue;
    EXPECT_EQ(f.iYear, row.xFields.iYear);
    EXPECT_EQ(f.iMonth, row.xFields.iMonth);
    EXPECT_EQ(f.iDay, row.xFields.iDay);
    EXPECT_EQ(f.iHour, row.xFields.iHour);
    EXPECT_EQ(f.iMinute, row.xFields.iMinute);
    EXPECT_EQ(f.iSecond, row.xFields.iSecond);
  }
}

}  // namespace
