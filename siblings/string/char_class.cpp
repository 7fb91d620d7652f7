// Character classes: blanks, digits of every script, letters and case.

#include "siblings/string/char_class.h"

#include <locale.h>
#include <wctype.h>

#include <cstdint>

namespace cvn::detail {
namespace {

// First code point of each block of ten decimal digits, ascending.
constexpr std::uint32_t kDigitZeros[] = {
    0x0030,   // ASCII
    0x0660,   // Arabic-Indic
    0x06F0,   // Extended Arabic-Indic (Persian, Urdu)
    0x07C0,   // NKo
    0x0966,   // Devanagari
    0x09E6,   // Bengali
    0x0A66,   // Gurmukhi
    0x0AE6,   // Gujarati
    0x0B66,   // Oriya
    0x0BE6,   // Tamil
    0x0C66,   // Telugu
    0x0CE6,   // Kannada
    0x0D66,   // Malayalam
    0x0DE6,   // Sinhala Lith
    0x0E50,   // Thai
    0x0ED0,   // Lao
    0x0F20,   // Tibetan
    0x1040,   // Myanmar
    0x1090,   // Myanmar Shan
    0x17E0,   // Khmer
    0x1810,   // Mongolian
    0x1946,   // Limbu
    0x19D0,   // New Tai Lue
    0x1A80,   // Tai Tham Hora
    0x1A90,   // Tai Tham Tham
    0x1B50,   // Balinese
    0x1BB0,   // Sundanese
    0x1C40,   // Lepcha
    0x1C50,   // Ol Chiki
    0xA620,   // Vai
    0xA8D0,   // Saurashtra
    0xA900,   // Kayah Li
    0xA9D0,   // Javanese
    0xA9F0,   // Myanmar Tai Laing
    0xAA50,   // Cham
    0xABF0,   // Meetei Mayek
    0xFF10,   // Fullwidth
    0x104A0,  // Osmanya
    0x11066,  // Brahmi
    0x110F0,  // Sora Sompeng
    0x11136,  // Chakma
    0x111D0,  // Sharada
    0x112F0,  // Khudawadi
    0x11450,  // Newa
    0x114D0,  // Tirhuta
    0x11650,  // Modi
    0x116C0,  // Takri
    0x11730,  // Ahom
    0x118E0,  // Warang Citi
    0x11C50,  // Bhaiksuki
    0x11D50,  // Masaram Gondi
    0x16A60,  // Mro
    0x16B50,  // Pahawh Hmong
    0x1D7CE,  // Mathematical bold
    0x1D7D8,  // Mathematical double-struck
    0x1D7E2,  // Mathematical sans-serif
    0x1D7EC,  // Mathematical sans-serif bold
    0x1D7F6,  // Mathematical monospace
    0x1E950,  // Adlam
    0x1FBF0,  // Segmented
};

// The Unicode character classes, opened once and kept for the life of the
// process (never freed, so no destructor order can touch it). Null when the
// C library has no "C.UTF-8" classes; the ASCII rules apply then.
locale_t mUnicodeClasses() {
  static const locale_t sLocale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return sLocale;
}

// Code points the C library tables are asked about: [0, 0x10FFFF]. wchar_t
// is signed here, so negative values are excluded as well.
bool mIsCodePoint(wchar_t c) {
  return static_cast<std::int64_t>(c) >= 0 && static_cast<std::int64_t>(c) <= 0x10FFFF;
}

}  // namespace

bool mIsBlankChar(wchar_t c) { return c == L' ' || c == L'\t'; }

int mDigitValue(wchar_t c) {
  if (!mIsCodePoint(c)) return -1;
  const auto u = static_cast<std::uint32_t>(static_cast<std::int32_t>(c));  // c >= 0 here
  for (std::uint32_t zero : kDigitZeros) {
    if (u < zero) return -1;  // the table ascends
    if (u <= zero + 9) return static_cast<int>(u - zero);
  }
  return -1;
}

bool mIsLetter(wchar_t c) {
  if (mDigitValue(c) >= 0) return false;
  if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z')) return true;
  if (!mIsCodePoint(c) || c < 0x80) return false;
  const locale_t loc = mUnicodeClasses();
  if (loc == static_cast<locale_t>(0)) return false;
  return iswalpha_l(static_cast<wint_t>(c), loc) != 0;
}

wchar_t mUpperChar(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
  if (!mIsCodePoint(c) || c < 0x80) return c;
  const locale_t loc = mUnicodeClasses();
  if (loc == static_cast<locale_t>(0)) return c;
  return static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), loc));
}

wchar_t mLowerChar(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c - L'A' + L'a');
  if (!mIsCodePoint(c) || c < 0x80) return c;
  const locale_t loc = mUnicodeClasses();
  if (loc == static_cast<locale_t>(0)) return c;
  return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), loc));
}

bool mCharInSet(wchar_t c, const wchar_t* set) {
  if (set == nullptr || c == L'\0') return false;
  for (; *set != L'\0'; ++set) {
    if (*set == c) return true;
  }
  return false;
}

}  // namespace cvn::detail
