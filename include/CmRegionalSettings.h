// The regional settings the library reads: formats, designators, names,
// first day of the week and the two-digit-year window. Every value is
// optional; an empty optional means "cannot be read".
#pragma once

#include <optional>
#include <string>

#include "CvnDateTimeExport.h"

struct CmRegionalSettings {
  std::optional<std::wstring> sFirstDayOfWeek;  // "0" Monday ... "6" Sunday
  std::optional<std::wstring> sShortDate;       // e.g. "M/d/yyyy"
  std::optional<std::wstring> sTimeFormat;      // e.g. "h:mm:ss tt"
  std::optional<std::wstring> sAM;
  std::optional<std::wstring> sPM;
  std::optional<std::wstring> sDateSep;
  std::optional<std::wstring> sMonthNames[12];    // January first
  std::optional<std::wstring> sMonthAbbrevs[12];  // January first
  std::optional<std::wstring> sDayNames[7];       // Monday first
  std::optional<std::wstring> sDayAbbrevs[7];     // Monday first
  std::optional<std::wstring> sTwoDigitYearMax;   // window end, e.g. "2029"
};

// United States English: first day "6" (Sunday), "M/d/yyyy", "h:mm:ss tt",
// "AM", "PM", "/", English names, no window end (so 2029 applies).
CVN_API CmRegionalSettings mBuiltInRegionalSettings();

// The settings of an installed C-library locale, its strftime formats
// rewritten into regional pattern letters (d, dd, M, MM, MMM, MMMM, yy,
// yyyy, H, HH, h, hh, mm, ss, tt). False (out untouched) when the locale is
// not installed or localeName is null.
CVN_API bool mRegionalSettingsFromLocale(const char* localeName, CmRegionalSettings* out);

// Puts settings in force for later constructions, mInitialize and
// mInitTimeClassMonthNames (objects that exist keep what they read); the
// built-in settings are in force until a host sets others. mGet... returns
// a copy of the settings in force.
CVN_API void mSetRegionalSettings(const CmRegionalSettings& settings);
CVN_API CmRegionalSettings mGetRegionalSettings();
