// The regional settings the cvntime tool works under.

#include "tools/cvntime/regional.h"

#include "CmRegionalSettings.h"
#include "CmTimeCls.h"

namespace cvn::tool {

bool mIsBuiltInLocaleName(const std::string& name) {
  const std::string sBase = name.substr(0, name.find_first_of(".@"));
  return sBase.empty() || sBase == "C" || sBase == "POSIX";
}

bool mApplyRegionalSettings(const std::optional<std::string>& localeName, std::string* error) {
  CmRegionalSettings settings = mGetRegionalSettings();
  if (localeName) {
    CmRegionalSettings named = mBuiltInRegionalSettings();
    if (!mIsBuiltInLocaleName(*localeName) &&
        !mRegionalSettingsFromLocale(localeName->c_str(), &named)) {
      *error = "locale '" + *localeName + "' is not installed";
      return false;
    }
    named.sTwoDigitYearMax = settings.sTwoDigitYearMax;
    settings = named;
  }
  mSetRegionalSettings(settings);
  mInitTimeClassMonthNames();
  // The list was filled when the library was loaded; rebuild it so that it
  // holds the formats of these settings and the built-in ones only.
  gcmTime.mDeleteAllFormats();
  gcmTime.mInitialize();
  return true;
}

}  // namespace cvn::tool
