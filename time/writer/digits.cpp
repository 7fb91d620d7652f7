// Hand-written printf-equal integer formatting (see digits.h).

#include "time/writer/digits.h"

#include <climits>

namespace cvn::detail {

namespace {

// |value| as an unsigned number; defined for INT64_MIN too.
std::uint64_t mMagnitude(std::int64_t value) {
  return value < 0 ? 0u - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

int mClampField(int n) { return n > kMaxWriterFieldWidth ? kMaxWriterFieldWidth : n; }

}  // namespace

int mPrintfIntField(wchar_t* field, std::int64_t value, int width, int precision, bool zeroFlag) {
  bool bLeftJustify = false;
  if (width < 0) {
    bLeftJustify = true;
    // INT_MIN has no positive counterpart; it is over the cap anyway.
    width = width == INT_MIN ? kMaxWriterFieldWidth : -width;
  }
  width = mClampField(width);
  if (precision >= 0) {
    precision = mClampField(precision);
    zeroFlag = false;  // a precision switches the '0' flag off
  }
  if (bLeftJustify) zeroFlag = false;

  // Digits of the magnitude, least significant first: [0, 20] of them.
  wchar_t szReversed[20];
  int iDigits = 0;
  for (std::uint64_t u = mMagnitude(value); u != 0; u /= 10) {
    szReversed[iDigits++] = static_cast<wchar_t>(L'0' + static_cast<int>(u % 10));
  }
  const int iMinDigits = precision >= 0 ? precision : 1;  // "%.0i" of 0 writes no digit
  const int iLeadingZeros = iMinDigits > iDigits ? iMinDigits - iDigits : 0;
  const int iUsed = (value < 0 ? 1 : 0) + iLeadingZeros + iDigits;  // [0, 85]
  const int iPad = width > iUsed ? width - iUsed : 0;

  int n = 0;
  auto mFill = [&](wchar_t c, int count) {
    for (int i = 0; i < count; ++i) field[n++] = c;
  };
  if (!bLeftJustify && !zeroFlag) mFill(L' ', iPad);
  if (value < 0) field[n++] = L'-';
  if (zeroFlag) mFill(L'0', iPad);
  mFill(L'0', iLeadingZeros);
  while (iDigits > 0) field[n++] = szReversed[--iDigits];
  if (bLeftJustify) mFill(L' ', iPad);
  return n;  // [0, 65]: the larger of the width and sign + max(precision, digits)
}

}  // namespace cvn::detail
