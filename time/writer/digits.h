// Hand-written integer formatting for the writer, equal to the printf
// conversions it stands for ("%0*i", "%02.2i", "%04.4i", "%03i", "%d") but
// without a formatted-output call or a temporary buffer on the heap: the
// digits go straight onto the end of the caller's string.
#pragma once

#include <cstdint>
#include <string>

namespace cvn::detail {

// Field widths and precisions are cut to this many characters, so that a
// stray letter count (a part restored from damaged packed words) cannot
// make a write grow without bound. The writer's own counts are 1 to 4.
constexpr int kMaxWriterFieldWidth = 64;

// Room for the longest field: padding and zeros up to the caps, a sign and
// 20 digits.
constexpr int kMaxPrintfField = 2 * kMaxWriterFieldWidth + 24;

// Writes value into field (kMaxPrintfField characters) as printf's
// "%<0 if zeroFlag><width>.<precision>i" writes it and returns the number
// of characters; precision < 0 means none given. As in printf: a negative
// width is the '-' flag (left-justified, padded with blanks on the right);
// a precision turns the '0' flag off and pads the digits, not the field;
// "%.0i" writes nothing for 0.
// Example: (-7, 4, -1, true) gives "-007"; (7, 4, 2, true) "  07".
int mPrintfIntField(wchar_t* field, std::int64_t value, int width, int precision, bool zeroFlag);

// The same field appended to out (a std::wstring or a text builder).
template <class Out>
void mAppendPrintfInt(Out& out, std::int64_t value, int width, int precision, bool zeroFlag) {
  wchar_t szField[kMaxPrintfField];
  const int n = mPrintfIntField(szField, value, width, precision, zeroFlag);
  out.append(szField, static_cast<size_t>(n));
}

// "%0*i" with width. One or two digits in a field of one or two, the
// common case of dates and clocks, take a short path.
template <class Out>
inline void mAppendWidth(Out& out, std::int64_t value, int width) {
  if (value >= 0 && value < 100 && (width == 1 || width == 2)) {
    const wchar_t szDigits[2] = {static_cast<wchar_t>(L'0' + value / 10),
                                 static_cast<wchar_t>(L'0' + value % 10)};
    const bool bTwo = width == 2 || value >= 10;
    out.append(bTwo ? szDigits : szDigits + 1, bTwo ? 2 : 1);
    return;
  }
  mAppendPrintfInt(out, value, width, -1, true);
}

// "%04.4i": four digits for the years a write shows (1000 to 4000, and
// every value 0 to 9999), printf's field for any other value.
template <class Out>
inline void mAppendFourDigits(Out& out, std::int64_t value) {
  if (value >= 0 && value <= 9999) {
    const int v = static_cast<int>(value);
    const wchar_t szDigits[4] = {
        static_cast<wchar_t>(L'0' + v / 1000), static_cast<wchar_t>(L'0' + v / 100 % 10),
        static_cast<wchar_t>(L'0' + v / 10 % 10), static_cast<wchar_t>(L'0' + v % 10)};
    // Two pieces of two, which a text builder copies in place.
    out.append(szDigits, 2);
    out.append(szDigits + 2, 2);
    return;
  }
  mAppendPrintfInt(out, value, 4, 4, true);
}

// "%d".
template <class Out>
void mAppendPlain(Out& out, std::int64_t value) {
  mAppendPrintfInt(out, value, 0, -1, false);
}

}  // namespace cvn::detail
