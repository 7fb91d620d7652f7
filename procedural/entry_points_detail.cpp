// Pure helpers of the flat entry points.

#include "procedural/entry_points_detail.h"

#include <cmath>

#include "CmString.h"
#include "CvnBasicTypes.h"
#include "CvnMath.h"
#include "time/calendar/calendar_math.h"

namespace cvn::detail {

const wchar_t* mEntryText(CmString* const* text) {
  if (text == nullptr || *text == nullptr) return L"";
  return (*text)->c_str();
}

double mEntryDatePart(double value) { return std::floor(value); }

double mEntryTimeOfDayPart(double value) {
  // k is a whole number in int range (saturated beyond it; 0 for NaN), so
  // the comparison below never meets an out-of-range conversion.
  const double dWhole = static_cast<double>(mToINTG(value));
  if (value == dWhole) return 0.0;
  return mRound(std::fabs(value - dWhole) * kMsPerDayD, 0) / kMsPerDayD;
}

xTimePartsEnum mEntryUnit(int unit) {
  // The enumeration has a fixed 32-bit underlying type, so every int is a
  // representable value of it.
  return static_cast<xTimePartsEnum>(unit);
}

}  // namespace cvn::detail
