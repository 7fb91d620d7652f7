// Numbers on the cvntime command line and in its output: Corvane times as
// decimal text, the shortest that reads back as the same double.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cvn::tool {

// The shortest decimal text that reads back (strtod, mParseValue) as the
// same double: "36526.5", "0.1", "43906.604166666664", "1e+300"; "*" for the
// missing-value code.
std::string mFormatValue(double value);

// Room enough for any text of mFormatValueTo.
inline constexpr size_t kValueTextMax = 32;

// The same text written to buffer (kValueTextMax chars, not terminated);
// returns its length. No allocation.
size_t mFormatValueTo(double value, char* buffer);

// Reads a value: blanks around it are allowed; "" and "*" give the
// missing-value code. Anything else must be one finite decimal number
// ("36526.5", "-0.25", "1e3"). False (value untouched) otherwise.
bool mParseValue(std::string_view text, double* value);

// Reads a whole int in [minimum, maximum]; false otherwise.
bool mParseInt(std::string_view text, int minimum, int maximum, int* value);

}  // namespace cvn::tool
