// The unit and increment that the library's nice-scale search settles on,
// worked out beforehand with the same public operations, so that the tool
// can report them beside the ticks.
#pragma once

#include <vector>

#include "CvnTimeTypes.h"

class CmTimeCls;

namespace cvn::tool {

struct xScalePlan {
  xTimePartsEnum eUnit = xNoPart;
  int iIncrement = 0;
};

// The part kinds of packed format words, in order (fraction parts turned
// back from their packed form).
std::vector<xTimePartsEnum> mPartKindsOfPacked(const std::vector<unsigned>& words);

// The unit and increment for data from dataMin to dataMax and minTicks to
// maxTicks ticks under the object's current format: the same range
// adjustments, the coarsest part with at least minTicks units in range, and
// the first allowed increment (or multiple of the last) giving about
// (minTicks + maxTicks) / 2 ticks. eUnit is xNoPart for a format without
// parts.
xScalePlan mPlanScale(const CmTimeCls& time, double dataMin, double dataMax, int minTicks,
                      int maxTicks);

// "year", "quarter", "month", "week", "day", "hour", "minute", "second",
// "hundredth", "tenth", "thousandth"; "none" otherwise.
const char* mUnitName(xTimePartsEnum unit);

}  // namespace cvn::tool
