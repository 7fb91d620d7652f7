// The shortest decimal text of a double that reads back as the same double:
// exactly what std::to_chars(first, last, value) writes, faster for the
// values a column of dates and times holds.
#pragma once

#include <cstddef>

namespace cvn::tool {

// Room a text needs ("-2.2250738585072014e-308").
inline constexpr std::size_t kShortestDoubleMax = 24;

// Writes value's text to buffer (kShortestDoubleMax chars, not terminated)
// and returns its length: the fewest significant digits that read back as
// value, the nearest such digits to value, plain notation unless scientific
// is shorter ("45000.5", "1e+22", "inf", "-nan"), as std::to_chars without
// a format. Values from 0.1 to 2^21 with a fraction (times of day, dates
// with a time) take a fast path of exact integer arithmetic; the others go
// to std::to_chars.
std::size_t mShortestDoubleTo(double value, char* buffer);

}  // namespace cvn::tool
