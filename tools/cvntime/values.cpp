// Numbers on the cvntime command line and in its output. The C library's
// numeric locale is never changed by the tool, so '.' is the decimal point
// both ways.

#include "tools/cvntime/values.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "CvnBasicTypes.h"
#include "tools/cvntime/shortest_double.h"

namespace cvn::tool {

namespace {

std::string_view mTrimBlanks(std::string_view text) {
  const char* const kBlanks = " \t";
  const size_t iFirst = text.find_first_not_of(kBlanks);
  if (iFirst == std::string_view::npos) return {};
  const size_t iLast = text.find_last_not_of(kBlanks);
  return text.substr(iFirst, iLast - iFirst + 1);
}

// Only digits, signs, '.', and exponent letters can make a decimal number;
// checking first keeps strtod from taking "nan", "inf" or hexadecimal text.
bool mHasOnlyDecimalChars(std::string_view text) {
  for (const char c : text) {
    const bool bOk =
        (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
    if (!bOk) return false;
  }
  return true;
}

}  // namespace

std::string mFormatValue(double value) {
  char szBuffer[kValueTextMax];
  return std::string(szBuffer, mFormatValueTo(value, szBuffer));
}

size_t mFormatValueTo(double value, char* buffer) {
  if (mIsNumericMissing(value)) {
    buffer[0] = '*';
    return 1;
  }
  // The shortest decimal text that strtod reads back as the same double;
  // plain notation while it is no longer than scientific.
  static_assert(kShortestDoubleMax <= kValueTextMax);
  return mShortestDoubleTo(value, buffer);
}

bool mParseValue(std::string_view text, double* value) {
  const std::string_view sTrimmed = mTrimBlanks(text);
  if (sTrimmed.empty() || sTrimmed == "*") {
    *value = CmCVNConst::mInstance()->mGetMissingValueCode();
    return true;
  }
  if (sTrimmed.size() > 64 || !mHasOnlyDecimalChars(sTrimmed)) return false;
  const std::string sCopy(sTrimmed);
  char* pEnd = nullptr;
  errno = 0;
  const double d = std::strtod(sCopy.c_str(), &pEnd);
  if (pEnd != sCopy.c_str() + sCopy.size() || errno == ERANGE || !std::isfinite(d)) return false;
  *value = d;
  return true;
}

bool mParseInt(std::string_view text, int minimum, int maximum, int* value) {
  const std::string_view sTrimmed = mTrimBlanks(text);
  if (sTrimmed.empty() || sTrimmed.size() > 18) return false;
  long long iValue = 0;
  size_t i = 0;
  bool bNegative = false;
  if (sTrimmed[0] == '+' || sTrimmed[0] == '-') {
    bNegative = sTrimmed[0] == '-';
    i = 1;
  }
  if (i == sTrimmed.size()) return false;
  for (; i < sTrimmed.size(); ++i) {
    const char c = sTrimmed[i];
    if (c < '0' || c > '9') return false;
    iValue = iValue * 10 + (c - '0');  // at most 18 digits: no overflow
  }
  if (bNegative) iValue = -iValue;
  if (iValue < minimum || iValue > maximum) return false;
  *value = static_cast<int>(iValue);
  return true;
}

}  // namespace cvn::tool
