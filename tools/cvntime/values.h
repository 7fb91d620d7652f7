// Numbers on the cvntime command line and in its output: Corvane times as
// decimal text, written with full double precision.
#pragma once

#include <string>
#include <string_view>

namespace cvn::tool {

// "%.17g" of the value, or "*" for the missing-value code.
std::string mFormatValue(double value);

// Reads a value: blanks around it are allowed; "" and "*" give the
// missing-value code. Anything else must be one finite decimal number
// ("36526.5", "-0.25", "1e3"). False (value untouched) otherwise.
bool mParseValue(std::string_view text, double* value);

// Reads a whole int in [minimum, maximum]; false otherwise.
bool mParseInt(std::string_view text, int minimum, int maximum, int* value);

}  // namespace cvn::tool
