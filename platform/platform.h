// The platform layer: what the library reads from its host. Regional values
// go through one call shaped like a locale-information query (type code,
// buffer, buffer size), so a value that does not fit its buffer counts as
// unreadable; the clock (platform/clock.h) gives broken-down local time.
#pragma once

#include "platform/clock.h"

namespace cvn::platform {

// Type codes of the regional values.
constexpr unsigned kLocaleIFirstDayOfWeek = 0x100C;
constexpr unsigned kLocaleSShortDate = 0x1F;
constexpr unsigned kLocaleSTimeFormat = 0x1003;
constexpr unsigned kLocaleS1159 = 0x28;              // AM designator
constexpr unsigned kLocaleS2359 = 0x29;              // PM designator
constexpr unsigned kLocaleSDate = 0x1D;              // date separator
constexpr unsigned kLocaleSDayName1 = 0x2A;          // .. 0x30, Monday first
constexpr unsigned kLocaleSAbbrevDayName1 = 0x31;    // .. 0x37
constexpr unsigned kLocaleSMonthName1 = 0x38;        // .. 0x43, January first
constexpr unsigned kLocaleSAbbrevMonthName1 = 0x44;  // .. 0x4F

// Copies the regional value of lcType, zero-terminated, into buffer, which
// holds bufferChars characters including the terminator. Returns the number
// of characters written including the terminator; 0 (buffer untouched) when
// the value cannot be read, does not fit, or the arguments are unusable.
int mGetLocaleInfo(unsigned lcType, wchar_t* buffer, int bufferChars);

// The text of the two-digit-year window end (e.g. "2029"), zero-terminated,
// into a buffer of bufferChars characters; false when it is not set or does
// not fit.
bool mReadTwoDigitYearMax(wchar_t* buffer, int bufferChars);

}  // namespace cvn::platform
