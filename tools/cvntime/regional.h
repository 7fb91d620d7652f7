// The regional settings the cvntime tool works under.
#pragma once

#include <optional>
#include <string>

namespace cvn::tool {

// True for the names of the plain C locale ("", "C", "POSIX", and those
// with a codeset or modifier such as "C.UTF-8"): they stand for the
// library's built-in settings.
bool mIsBuiltInLocaleName(const std::string& name);

// Chooses the regional settings and initialises the library under them.
// With localeName: the settings of that locale (the built-in ones for a C
// locale name), keeping the two-digit-year window in force; false with a
// message in *error when the locale is not installed. Without: the settings
// the library took from the environment when it was loaded (the locale of
// LC_ALL, LC_TIME or LANG, or the built-in settings for C, POSIX, none or a
// locale that is not installed). Afterwards the name tables are reloaded,
// the legal-format list is rebuilt for these settings alone and the global
// object is re-initialised; objects made later start from these settings.
bool mApplyRegionalSettings(const std::optional<std::string>& localeName, std::string* error);

}  // namespace cvn::tool
