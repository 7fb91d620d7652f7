// Names of the units a time scale reports, for the output of `cvntime scale`.
#pragma once

#include "CvnTimeTypes.h"

namespace cvn::tool {

// "year", "quarter", "month", "week", "day", "hour", "minute", "second",
// "hundredth", "tenth", "thousandth"; "none" otherwise.
const char* mUnitName(xTimePartsEnum unit);

}  // namespace cvn::tool
