// UTF-8 <-> wide text for the cvntime tool. Hand-written so that it does not
// depend on the C library's locale. Invalid input never fails: each bad
// sequence becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace cvn::tool {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes UTF-8 into wide text. A byte that does not start a well-formed
// sequence, a truncated or overlong sequence, an encoded surrogate and a
// code point above U+10FFFF each give one U+FFFD (a truncated sequence is
// replaced as a whole, the byte that broke it is decoded afresh). NUL
// characters also become U+FFFD: the library takes zero-terminated text, and
// a NUL would silently cut the text short.
std::wstring mUtf8ToWide(std::string_view text);

// The same decoding into out, which has room for text.size() code units (a
// sequence never gives more code units than it has bytes). Returns the
// number of code units written. No allocation.
size_t mDecodeUtf8Into(std::string_view text, wchar_t* out);

// Appends the UTF-8 form of wide text to out. A surrogate pair is joined into
// one code point; a lone surrogate and a value outside the Unicode range
// become U+FFFD.
void mAppendWideAsUtf8(const wchar_t* text, size_t length, std::string& out);
std::string mWideToUtf8(std::wstring_view text);

}  // namespace cvn::tool
