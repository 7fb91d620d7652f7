// Math services: rounding.
#pragma once

#include "CvnDateTimeExport.h"

// value rounded half away from zero to the given number of decimal places.
CVN_API double mRound(double value, int places);
// The nearest whole number (half away from zero), as a double.
CVN_API double mNearestInteger(double value);
