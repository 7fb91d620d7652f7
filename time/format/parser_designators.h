// The AM/PM designator texts of one time object, copied into plain values so
// that the format parser and the format generator can work without the
// object (and tests can drive them directly). CmTimeFormatImpl::mDesignators
// (format_state.h) makes the copy.
#pragma once

#include <string>

#include "CmString.h"

namespace cvn::detail {

struct xFormatDesignators {
  std::wstring sAM;              // locale AM designator, upper case ("VORM.")
  std::wstring sPM;              // locale PM designator, upper case ("NACHM.")
  std::wstring sAMLower;         // locale AM designator, lower case
  std::wstring sPMLower;         // locale PM designator, lower case
  std::wstring sAMDefault;       // "AM"
  std::wstring sPMDefault;       // "PM"
  std::wstring sAMDefaultLower;  // "am"
  std::wstring sPMDefaultLower;  // "pm"
};

// The first character of text as a string of length 0 or 1.
inline std::wstring mFirstLetter(const std::wstring& text) { return text.substr(0, 1); }

}  // namespace cvn::detail
