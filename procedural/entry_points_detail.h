// Pure helpers of the flat entry points, on plain values, so that tests
// reach them without the global object.
#pragma once

#include "CvnTimeTypes.h"

class CmString;

namespace cvn::detail {

// The text behind a caller's CmString pointer variable: null at either level
// reads as empty text.
const wchar_t* mEntryText(CmString* const* text);

// The date part of a value: floor(value). NaN and infinities come back as
// they are.
double mEntryDatePart(double value);

// The time of day of a value as a fraction of a day, rounded to whole
// thousandths of a second: 0 for a whole number, otherwise
// mRound(|value - k| * 86400000, 0) / 86400000 with k the value truncated
// toward zero (through the saturating conversion, so huge values and NaN are
// safe). A negative value yields the fraction of its distance from the next
// whole day toward zero: -0.25 gives 0.25.
double mEntryTimeOfDayPart(double value);

// An int that came across the interface as a unit code; values outside the
// enumeration are passed on unchanged (the class reports them).
xTimePartsEnum mEntryUnit(int unit);

}  // namespace cvn::detail
