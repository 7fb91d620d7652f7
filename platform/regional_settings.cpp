// The regional settings in force and the locale-information reads that
// serve them to the library.

#include "platform/regional_settings.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "CmRegionalSettings.h"
#include "platform/locale_conversion.h"
#include "platform/platform.h"

namespace cvn::detail {

CmRegionalSettings mSettingsFromEnvironment(EnvironmentFn getenvFn) {
  CmRegionalSettings xSettings = mBuiltInRegionalSettings();
  if (getenvFn == nullptr) return xSettings;
  const char* pszLocale = nullptr;
  for (const char* pszVariable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* pszValue = getenvFn(pszVariable);
    if (pszValue != nullptr && *pszValue != '\0') {
      pszLocale = pszValue;
      break;
    }
  }
  if (pszLocale != nullptr && !mIsCLocaleName(pszLocale)) {
    CmRegionalSettings xFromLocale;
    if (mRegionalSettingsFromLocale(pszLocale, &xFromLocale)) xSettings = std::move(xFromLocale);
  }
  const char* pszWindow = getenvFn("CVN_TWO_DIGIT_YEAR_MAX");
  if (pszWindow != nullptr && *pszWindow != '\0') {
    std::wstring sWindow;
    for (const char* p = pszWindow; *p != '\0'; ++p) {
      sWindow += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    }
    xSettings.sTwoDigitYearMax = sWindow;
  }
  return xSettings;
}

}  // namespace cvn::detail

namespace {

namespace cp = cvn::platform;

const char* mGetEnvironment(const char* name) { return std::getenv(name); }

// Built from the environment on first use, which is while the library is
// loaded (the global time object reads it), and never destroyed, so that
// nothing depends on the order of static destruction.
CmRegionalSettings& mSettingsInForce() {
  static CmRegionalSettings* const spSettings =
      new CmRegionalSettings(cvn::detail::mSettingsFromEnvironment(&mGetEnvironment));
  return *spSettings;
}

// The value of one locale-information type code; null for an unknown code.
const std::optional<std::wstring>* mValueOfType(const CmRegionalSettings& xSettings,
                                                unsigned lcType) {
  switch (lcType) {
    case cp::kLocaleIFirstDayOfWeek: return &xSettings.sFirstDayOfWeek;
    case cp::kLocaleSShortDate: return &xSettings.sShortDate;
    case cp::kLocaleSTimeFormat: return &xSettings.sTimeFormat;
    case cp::kLocaleS1159: return &xSettings.sAM;
    case cp::kLocaleS2359: return &xSettings.sPM;
    case cp::kLocaleSDate: return &xSettings.sDateSep;
    default: break;
  }
  if (lcType >= cp::kLocaleSDayName1 && lcType < cp::kLocaleSDayName1 + 7) {
    return &xSettings.sDayNames[lcType - cp::kLocaleSDayName1];
  }
  if (lcType >= cp::kLocaleSAbbrevDayName1 && lcType < cp::kLocaleSAbbrevDayName1 + 7) {
    return &xSettings.sDayAbbrevs[lcType - cp::kLocaleSAbbrevDayName1];
  }
  if (lcType >= cp::kLocaleSMonthName1 && lcType < cp::kLocaleSMonthName1 + 12) {
    return &xSettings.sMonthNames[lcType - cp::kLocaleSMonthName1];
  }
  if (lcType >= cp::kLocaleSAbbrevMonthName1 && lcType < cp::kLocaleSAbbrevMonthName1 + 12) {
    return &xSettings.sMonthAbbrevs[lcType - cp::kLocaleSAbbrevMonthName1];
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
