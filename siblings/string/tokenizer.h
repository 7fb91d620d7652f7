// Token scanning shared by CmStringTokenizer and mGetToken.
#pragma once

#include <cstddef>
#include <string>

namespace cvn::detail {

// The end of the token of text that starts at start: the index of the first
// character of delimiters outside quotes (text.size() when there is none).
// A character of quotes opens a quotation that the same character closes;
// delimiters inside it do not count. An unclosed quotation runs to the end.
size_t mFindTokenEnd(const std::wstring& text, size_t start, const wchar_t* delimiters,
                     const wchar_t* quotes);

// text without the blanks at either end.
std::wstring mTrimBlanks(const std::wstring& text);

}  // namespace cvn::detail
