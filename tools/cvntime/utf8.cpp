// UTF-8 codec of the cvntime tool: decoding as the library decodes, and
// encoding of wide text for output.

#include "tools/cvntime/utf8.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace cvn::tool {

namespace {

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
