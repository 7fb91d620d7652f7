// UTF-8 to wide text, header-only so that the library's column reader and
// the cvntime tool decode with the same code (RFC 3629 well-formedness, with
// the "maximal subpart" replacement of the Unicode standard, chapter 3).
// Hand-written so that it does not depend on the C library's locale. Invalid
// input never fails: each bad sequence becomes U+FFFD.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace cvn::detail {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes one sequence at text[i] (i < text.size()); returns the code point
// (U+FFFD when ill-formed) and sets *used to the bytes consumed (at least 1).
inline char32_t mDecodeUtf8One(std::string_view text, std::size_t i, std::size_t* used) {
  const unsigned char c0 = static_cast<unsigned char>(text[i]);
  *used = 1;
  if (c0 < 0x80) return c0;
  int iTrail = 0;
  char32_t cp = 0;
  unsigned char lo = 0x80;  // allowed range of the first trail byte
  unsigned char hi = 0xBF;
  if (c0 >= 0xC2 && c0 <= 0xDF) {
    iTrail = 1;
    cp = c0 & 0x1Fu;
  } else if (c0 >= 0xE0 && c0 <= 0xEF) {
    iTrail = 2;
    cp = c0 & 0x0Fu;
    if (c0 == 0xE0) lo = 0xA0;  // no overlong forms
    if (c0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (c0 >= 0xF0 && c0 <= 0xF4) {
    iTrail = 3;
    cp = c0 & 0x07u;
    if (c0 == 0xF0) lo = 0x90;  // no overlong forms
    if (c0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return kReplacementChar;  // 0x80..0xC1, 0xF5..0xFF never start a sequence
  }
  for (int k = 0; k < iTrail; ++k) {
    const std::size_t j = i + 1 + static_cast<std::size_t>(k);
    if (j >= text.size()) return kReplacementChar;
    const unsigned char c = static_cast<unsigned char>(text[j]);
    const bool bOk = k == 0 ? (c >= lo && c <= hi) : (c & 0xC0u) == 0x80u;
    if (!bOk) return kReplacementChar;
    cp = (cp << 6) | (c & 0x3Fu);
    *used = j - i + 1;
  }
  return cp;
}

// Decodes text into out, which has room for text.size() code units (a
// sequence never gives more code units than it has bytes); returns the
// number written. A byte that does not start a well-formed sequence, a
// truncated or overlong sequence, an encoded surrogate and a code point
// above U+10FFFF each give one U+FFFD (a truncated sequence is replaced as a
// whole, the byte that broke it is decoded afresh). NUL characters also
// become U+FFFD: the library takes zero-terminated text, and a NUL would
// silently cut the text short. No allocation.
inline std::size_t mDecodeUtf8Into(std::string_view text, wchar_t* out) {
  wchar_t* const pStart = out;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    // Eight ASCII characters (none NUL) at a time, the usual case.
    while (i + 8 <= n) {
      std::uint64_t w = 0;
      std::memcpy(&w, text.data() + i, 8);
      constexpr std::uint64_t kLow = 0x0101010101010101u, kHigh = 0x8080808080808080u;
      if (((w | ((w - kLow) & ~w)) & kHigh) != 0) break;  // a byte >= 0x80, or a NUL
      for (int k = 0; k < 8; ++k) out[k] = static_cast<wchar_t>(text[i + k]);
      out += 8;
      i += 8;
    }
    if (i >= n) break;
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c != 0 && c < 0x80) {  // ASCII, the usual case
      *out++ = static_cast<wchar_t>(c);
      ++i;
      continue;
    }
    std::size_t iUsed = 1;
    char32_t cp = mDecodeUtf8One(text, i, &iUsed);
    if (cp == 0) cp = kReplacementChar;
    if constexpr (sizeof(wchar_t) == 2) {
      if (cp > 0xFFFF) {  // a four-byte sequence: two code units
        const char32_t v = cp - 0x10000;
        *out++ = static_cast<wchar_t>(0xD800 + (v >> 10));
        *out++ = static_cast<wchar_t>(0xDC00 + (v & 0x3FF));
        i += iUsed;
        continue;
      }
    }
    *out++ = static_cast<wchar_t>(cp);
    i += iUsed;
  }
  return static_cast<std::size_t>(out - pStart);
}

}  // namespace cvn::detail
