// What the column reader tests share: the regional settings they read under
// (the built-in United States ones, British and German), a column import
// under settings, and expected values from the calendar's day numbers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CmColumnReader.h"
#include "CmRegionalSettings.h"
#include "CvnBasicTypes.h"
#include "platform/platform.h"
#include "support/guards.h"
#include "time/calendar/calendar_math.h"
#include "time/column/column_impl.h"

namespace cvn::test {

// United States (also with the two-digit-year window ending 2039), British,
// German; Austrian: German with the designators "vorm." and "nachm.".
enum eSettings { kUS, kUS2039, kGB, kDE, kAT };

inline CmRegionalSettings mColumnSettings(eSettings e) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  if (e == kUS2039) x.sTwoDigitYearMax = L"2039";
  if (e == kGB) {
    x.sShortDate = L"dd/MM/yyyy";
    x.sTimeFormat = L"HH:mm:ss";
  } else if (e == kDE || e == kAT) {
    static const wchar_t* const kMonths[12] = {L"Januar",    L"Februar", L"M\u00e4rz", L"April",
                                               L"Mai",       L"Juni",    L"Juli",      L"August",
                                               L"September", L"Oktober", L"November",  L"Dezember"};
    static const wchar_t* const kAbbrevs[12] = {L"Jan", L"Feb", L"M\u00e4r", L"Apr",
                                                L"Mai", L"Jun", L"Jul",      L"Aug",
                                                L"Sep", L"Okt", L"Nov",      L"Dez"};
    static const wchar_t* const kDays[7] = {L"Montag",  L"Dienstag", L"Mittwoch", L"Donnerstag",
                                            L"Freitag", L"Samstag",  L"Sonntag"};
    static const wchar_t* const kDayAbbrevs[7] = {L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa", L"So"};
    x.sShortDate = L"dd.MM.yyyy";
    x.sDateSep = L".";
    x.sTimeFormat = L"HH:mm:ss";
    x.sAM = e == kAT ? L"vorm." : L"";
    x.sPM = e == kAT ? L"nachm." : L"";
    x.sFirstDayOfWeek = L"0";
    for (int i = 0; i < 12; ++i) x.sMonthNames[i] = kMonths[i], x.sMonthAbbrevs[i] = kAbbrevs[i];
    for (int i = 0; i < 7; ++i) x.sDayNames[i] = kDays[i], x.sDayAbbrevs[i] = kDayAbbrevs[i];
  }
  return x;
}

// Texts without a year read in the present year: 2024 here.
constexpr int kThisYear = 2024;
constexpr cvn::platform::xLocalClock kFixedNow{kThisYear - 1900, 100, 12, 0, 0, 0};

// twoThreadsFrom: the rows from which the survey runs on two threads.
inline xColumnResult mImport(eSettings e, const std::vector<std::wstring>& texts,
                             const xColumnOptions& options = {},
                             std::size_t twoThreadsFrom = cvn::column::kTwoThreadsFrom) {
  const RegionalSettingsGuard xGuard(mColumnSettings(e));
  const FixedClockGuard xClock(kFixedNow);
  std::vector<std::wstring_view> v(texts.begin(), texts.end());
  xColumnResult r;
  cvn::column::mReadInto(v.data(), v.size(), options, r, twoThreadsFrom);
  // The same texts as the lines of one UTF-8 text read the same, where
  // every character can be written as a line of UTF-8.
  std::string sLines;
  for (const std::wstring& s : texts) {
    for (const wchar_t c : s) {
      const auto u = static_cast<std::uint32_t>(c);
      if (u == 0 || u == '\n' || u == '\r' || (u >= 0xD800 && u < 0xE000) || u > 0x10FFFF) {
        return r;
      }
      const int n = u < 0x80 ? 1 : u < 0x800 ? 2 : u < 0x10000 ? 3 : 4;
      if (n == 1) sLines += static_cast<char>(u);
      if (n > 1) sLines += static_cast<char>((0xF00u >> n) | (u >> (6 * (n - 1))));
      for (int k = n - 2; k >= 0; --k)
        sLines += static_cast<char>(0x80u | ((u >> (6 * k)) & 0x3Fu));
    }
    sLines += '\n';
  }
  xColumnResult xLines;
  cvn::column::mReadLinesInto(sLines, options, xLines, twoThreadsFrom);
  EXPECT_EQ(xLines.vdValues, r.vdValues);
  EXPECT_EQ(xLines.veStatus, r.veStatus);
  EXPECT_EQ(xLines.vxRefusals.size(), r.vxRefusals.size());
  EXPECT_EQ(xLines.xReport.sFormat, r.xReport.sFormat);
  return r;
}

// The Corvane time of a date and time (year 0: a time of day).
inline double mValue(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  const double dTime = (((h * 60.0 + mi) * 60 + s) * 1000 + ms) / 86400000.0;
  if (y == 0) return dTime;
  return static_cast<double>(cvn::detail::mDayNumberFromCivil(y, mo, d)) + dTime;
}

// The reason of row i, or "" when it is not refused.
inline std::string mReason(const xColumnResult& r, std::size_t i) {
  for (const xRowRefusal& x : r.vxRefusals) {
    if (x.iRow == i) return x.sReason;
  }
  return "";
}

}  // namespace cvn::test
