// The built-in string resources and the package-wide strings.
//
// Everything here is constant data or built on first use: the global time
// object reads these services while the library is being loaded, before
// other files' dynamic initialisation may have run.

#include <cstddef>

#include "CmString.h"

namespace {

struct xStringResource {
  unsigned iId;
  const wchar_t* pszText;
};

constexpr xStringResource kStringResources[] = {
    {50225, L"The value or increment given for the day is not valid for days."},
    {50226, L"The value or increment given for the month is not valid for months."},
    {50227, L"The value or increment given for the year is not valid for years."},
    {50228, L"The value or increment given for the second is not valid for seconds."},
    {50229, L"The value or increment given for the minute is not valid for minutes."},
    {50230, L"The value or increment given for the hour is not valid for hours."},
    {50231, L"The value or increment given for the quarter is not valid for quarters."},
    {50232, L"The tick increment is not a multiple of the increment."},
    {55673, L"Q"},
    {55676, L"Wk"},
};

// Digits make a text worth reading even when it holds no letter.
constexpr const wchar_t* kTimeCharSet = L"0123456789";

}  // namespace

bool CmString::mLoadString(unsigned id) {
  for (const xStringResource& xEntry : kStringResources) {
    if (xEntry.iId == id) {
      m_s = xEntry.pszText;
      return true;
    }
  }
  m_s.clear();
  return false;
}

CmGlobalStrings::CmGlobalStrings() : m_sTimeCharSet(kTimeCharSet) {}

CmGlobalStrings* CmGlobalStrings::mInstance() {
  // Built on first use and never destroyed, so it outlives every static
  // object that may read it during unload.
  static CmGlobalStrings* const spInstance = new CmGlobalStrings();
  return spInstance;
}
