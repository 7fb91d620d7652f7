// Format selection internals: the width rule of mGetFormat as a pure
// function. The current format itself is held and changed through
// format_state.h.
#pragma once

#include "CmString.h"
#include "CmTimeCls.h"

namespace cvn::detail {

// The widest text a format can produce, and whether it has date and time
// parts. Starts at -1; a date part adds 1 for its separator (a week part 3
// when it is alone, else 2, for its label), a time part 1; then a month
// name adds the widest name of its table (widestAbbrev / widestName), any
// other part its count, plus 1 for a count of 1 (one letter may show two
// digits). designatorChars is added when the format has a time part and is
// a 12-hour format. numParts is clipped to [0, 7]. Example: "m/d/yy" gives 8.
int mFormatWidth(int numParts, const CmTimeCls::xTimePartsStruct* parts, bool b24Hour,
                 int widestAbbrev, int widestName, int designatorChars, bool* hasDate,
                 bool* hasTime);

// True for the parts counted as time by the width rule: hour, minute,
// second and the three fractions.
bool mIsClockPart(xTimePartsEnum part);

}  // namespace cvn::detail
