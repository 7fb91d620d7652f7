// Private helpers of the settings in force, reachable by tests.
#pragma once

#include "CmRegionalSettings.h"

namespace cvn::detail {

// Reads one environment variable; null when it is not set.
using EnvironmentFn = const char* (*)(const char* name);

// The settings that the environment selects: those of the locale named by
// LC_ALL, LC_TIME or LANG (the first that is set and not empty) when it is
// installed and is not the C locale, else the built-in ones; the variable
// CVN_TWO_DIGIT_YEAR_MAX, when set and not empty, gives the window end.
CmRegionalSettings mSettingsFromEnvironment(EnvironmentFn getenvFn);

}  // namespace cvn::detail
