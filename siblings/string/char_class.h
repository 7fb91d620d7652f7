// Character classes of the string stand-in: blanks, decimal digits of every
// script, letters and case. Letters and case follow the C library's Unicode
// tables (the "C.UTF-8" character classes); when those are not installed
// the ASCII rules apply.
#pragma once

namespace cvn::detail {

// A blank is a space or a horizontal tab.
bool mIsBlankChar(wchar_t c);

// The value 0..9 of a decimal digit of any script that has a block of ten
// consecutive digits (ASCII, Arabic-Indic, Devanagari, fullwidth, ...);
// -1 for any other character.
int mDigitValue(wchar_t c);

// True when c is a letter; decimal digits of every script are not letters.
bool mIsLetter(wchar_t c);

// Simple one-to-one case mapping; characters without a mapping come back
// unchanged.
wchar_t mUpperChar(wchar_t c);
wchar_t mLowerChar(wchar_t c);

// True when c occurs in the zero-terminated set (null: the empty set). The
// terminator itself never counts as a member.
bool mCharInSet(wchar_t c, const wchar_t* set);

}  // namespace cvn::detail
