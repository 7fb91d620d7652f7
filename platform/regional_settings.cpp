// The regional settings in force and the locale-information reads that
// serve them to the library.

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "CmRegionalSettings.h"
#include "platform/locale_conversion.h"
#include "platform/platform.h"

namespace {

// The locale that the environment names for dates: LC_ALL, LC_TIME, LANG,
// the first that is set and not empty.
const char* mEnvironmentLocaleName() {
  for (const char* pszVariable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* pszValue = std::getenv(pszVariable);
    if (pszValue != nullptr && *pszValue != '\0') return pszValue;
  }
  return nullptr;
}

CmRegionalSettings mSettingsFromEnvironment() {
  CmRegionalSettings xSettings = mBuiltInRegionalSettings();
  const char* pszLocale = mEnvironmentLocaleName();
  if (pszLocale != nullptr && !cvn::detail::mIsCLocaleName(pszLocale)) {
    CmRegionalSettings xFromLocale;
    if (mRegionalSettingsFromLocale(pszLocale, &xFromLocale)) xSettings = std::move(xFromLocale);
  }
  const char* pszWindow = std::getenv("CVN_TWO_DIGIT_YEAR_MAX");
  if (pszWindow != nullptr && *pszWindow != '\0') {
    std::wstring sWindow;
    for (const char* p = pszWindow; *p != '\0'; ++p) {
      sWindow += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    }
    xSettings.sTwoDigitYearMax = sWindow;
  }
  return xSettings;
}

// Built from the environment on first use, which is while the library is
// loaded (the global time object reads it), and never destroyed, so that
// nothing depends on the order of static destruction.
CmRegionalSettings& mSettingsInForce() {
  static CmRegionalSettings* const spSettings = new CmRegionalSettings(mSettingsFromEnvironment());
  return *spSettings;
}

// The value of one locale-information type code; null for an unknown code.
const std::optional<std::wstring>* mValueOfType(const CmRegionalSettings& xSettings,
                                                unsigned lcType) {
  using namespace cvn::platform;
  switch (lcType) {
    case kLocaleIFirstDayOfWeek: return &xSettings.sFirstDayOfWeek;
    case kLocaleSShortDate: return &xSettings.sShortDate;
    case kLocaleSTimeFormat: return &xSettings.sTimeFormat;
    case kLocaleS1159: return &xSettings.sAM;
    case kLocaleS2359: return &xSettings.sPM;
    case kLocaleSDate: return &xSettings.sDateSep;
    default: break;
  }
  if (lcType >= kLocaleSDayName1 && lcType < kLocaleSDayName1 + 7) {
    return &xSettings.sDayNames[lcType - kLocaleSDayName1];
  }
  if (lcType >= kLocaleSAbbrevDayName1 && lcType < kLocaleSAbbrevDayName1 + 7) {
    return &xSettings.sDayAbbrevs[lcType - kLocaleSAbbrevDayName1];
  }
  if (lcType >= kLocaleSMonthName1 && lcType < kLocaleSMonthName1 + 12) {
    return &xSettings.sMonthNames[lcType - kLocaleSMonthName1];
  }
  if (lcType >= kLocaleSAbbrevMonthName1 && lcType < kLocaleSAbbrevMonthName1 + 12) {
    return &xSettings.sMonthAbbrevs[lcType - kLocaleSAbbrevMonthName1];
  }
  return nullptr;
}

// Copies value with its terminator into buffer when it fits; returns the
// characters written including the terminator, or 0 (buffer untouched).
int mCopyValue(const std::optional<std::wstring>& value, wchar_t* buffer, int bufferChars) {
  if (!value || buffer == nullptr || bufferChars <= 0) return 0;
  const size_t iLength = value->size();
  if (iLength >= static_cast<size_t>(bufferChars)) return 0;
  std::memcpy(buffer, value->data(), iLength * sizeof(wchar_t));
  buffer[iLength] = L'\0';
  return static_cast<int>(iLength) + 1;  // iLength < bufferChars: no overflow
}

}  // namespace

void mSetRegionalSettings(const CmRegionalSettings& settings) { mSettingsInForce() = settings; }

CmRegionalSettings mGetRegionalSettings() { return mSettingsInForce(); }

namespace cvn::platform {

int mGetLocaleInfo(unsigned lcType, wchar_t* buffer, int bufferChars) {
  const std::optional<std::wstring>* pValue = mValueOfType(mSettingsInForce(), lcType);
  if (pValue == nullptr) return 0;
  return mCopyValue(*pValue, buffer, bufferChars);
}

bool mReadTwoDigitYearMax(wchar_t* buffer, int bufferChars) {
  return mCopyValue(mSettingsInForce().sTwoDigitYearMax, buffer, bufferChars) > 0;
}

}  // namespace cvn::platform
