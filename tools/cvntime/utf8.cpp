// UTF-8 codec of the cvntime tool (RFC 3629 well-formedness, with the
// "maximal subpart" replacement of the Unicode standard, chapter 3).

#include "tools/cvntime/utf8.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace cvn::tool {

namespace {

bool mIsContinuation(unsigned char c) { return (c & 0xC0u) == 0x80u; }

// Decodes one sequence at text[i]; returns the code point (U+FFFD when
// ill-formed) and sets *used to the bytes consumed (at least 1).
char32_t mDecodeOne(std::string_view text, size_t i, size_t* used) {
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
    const size_t j = i + 1 + static_cast<size_t>(k);
    if (j >= text.size()) return kReplacementChar;
    const unsigned char c = static_cast<unsigned char>(text[j]);
    const bool bOk = k == 0 ? (c >= lo && c <= hi) : mIsContinuation(c);
    if (!bOk) return kReplacementChar;
    cp = (cp << 6) | (c & 0x3Fu);
    *used = j - i + 1;
  }
  return cp;
}

void mAppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The code of a wide character as a wide signed number: wchar_t may be a
// signed type, and its negative values are out of range like any other.
long long mCodeOf(wchar_t c) {
  if constexpr (std::is_signed_v<wchar_t>) {
    return static_cast<long long>(static_cast<std::make_signed_t<wchar_t>>(c));
  } else {
    return static_cast<long long>(static_cast<std::make_unsigned_t<wchar_t>>(c));
  }
}

bool mIsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool mIsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::wstring mUtf8ToWide(std::string_view text) {
  std::wstring out(text.size(), L'\0');
  out.resize(mDecodeUtf8Into(text, out.data()));
  return out;
}

size_t mDecodeUtf8Into(std::string_view text, wchar_t* out) {
  wchar_t* const pStart = out;
  size_t i = 0;
  const size_t n = text.size();
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
    size_t iUsed = 1;
    char32_t cp = mDecodeOne(text, i, &iUsed);
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
  return static_cast<size_t>(out - pStart);
}

void mAppendWideAsUtf8(const wchar_t* text, size_t length, std::string& out) {
  if (text == nullptr) return;
  for (size_t i = 0; i < length; ++i) {
    const long long v = mCodeOf(text[i]);
    if (v < 0 || v > 0x10FFFF) {
      mAppendUtf8(kReplacementChar, out);
      continue;
    }
    const char32_t c = static_cast<char32_t>(v);
    if (mIsHighSurrogate(c) && i + 1 < length) {
      const long long w = mCodeOf(text[i + 1]);
      if (w >= 0 && mIsLowSurrogate(static_cast<char32_t>(w))) {
        const char32_t cp = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(w) - 0xDC00);
        mAppendUtf8(cp, out);
        ++i;
        continue;
      }
    }
    if (mIsHighSurrogate(c) || mIsLowSurrogate(c)) {
      mAppendUtf8(kReplacementChar, out);
      continue;
    }
    mAppendUtf8(c, out);
  }
}

std::string mWideToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  mAppendWideAsUtf8(text.data(), text.size(), out);
  return out;
}

}  // namespace cvn::tool
