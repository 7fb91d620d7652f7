// The built-in regional settings: United States English.

#include "CmRegionalSettings.h"

namespace {

constexpr const wchar_t* kMonthNames[12] = {L"January",   L"February", L"March",    L"April",
                                            L"May",       L"June",     L"July",     L"August",
                                            L"September", L"October",  L"November", L"December"};
constexpr const wchar_t* kMonthAbbrevs[12] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                              L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
constexpr const wchar_t* kDayNames[7] = {L"Monday", L"Tuesday",  L"Wednesday", L"Thursday",
                                         L"Friday", L"Saturday", L"Sunday"};
constexpr const wchar_t* kDayAbbrevs[7] = {L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat", L"Sun"};

}  // namespace

CmRegionalSettings mBuiltInRegionalSettings() {
  CmRegionalSettings xSettings;
  xSettings.sFirstDayOfWeek = L"6";  // Sunday
  xSettings.sShortDate = L"M/d/yyyy";
  xSettings.sTimeFormat = L"h:mm:ss tt";
  xSettings.sAM = L"AM";
  xSettings.sPM = L"PM";
  xSettings.sDateSep = L"/";
  for (int i = 0; i < 12; ++i) {
    xSettings.sMonthNames[i] = kMonthNames[i];
    xSettings.sMonthAbbrevs[i] = kMonthAbbrevs[i];
  }
  for (int i = 0; i < 7; ++i) {
    xSettings.sDayNames[i] = kDayNames[i];
    xSettings.sDayAbbrevs[i] = kDayAbbrevs[i];
  }
  // No window end: the two-digit years end at 2029.
  return xSettings;
}
