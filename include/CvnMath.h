// Math services: rounding.
#pragma once

#include "CvnDateTimeExport.h"

// value rounded half away from zero to the given number of decimal places
// (negative places round to tens, hundreds, ...); non-finite values come
// back as they are. Example: (1.25, 1) gives 1.3, (-2.5, 0) gives -3.
CVN_API double mRound(double value, int places);
// The nearest whole number (half away from zero), as a double.
CVN_API double mNearestInteger(double value);
