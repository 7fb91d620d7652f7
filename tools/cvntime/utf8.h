// UTF-8 <-> wide text for the cvntime tool. Hand-written so that it does not
// depend on the C library's locale. Invalid input never fails: each bad
// sequence becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "siblings/string/utf8_decode.h"

namespace cvn::tool {

using cvn::detail::kReplacementChar;
using cvn::detail::mDecodeUtf8Into;

// Decodes UTF-8 into wide text as mDecodeUtf8Into does (each bad sequence
// and each NUL becomes U+FFFD).
std::wstring mUtf8ToWide(std::string_view text);

// Appends the UTF-8 form of wide text to out. A surrogate pair is joined into
// one code point; a lone surrogate and a value outside the Unicode range
// become U+FFFD.
void mAppendWideAsUtf8(const wchar_t* text, size_t length, std::string& out);
std::string mWideToUtf8(std::wstring_view text);

}  // namespace cvn::tool
