// Free string services: comparison, case, character classes, numbers,
// blank trimming and the decimal symbols.

#include <cstdint>
#include <cstring>
#include <cwchar>

#include "CmString.h"
#include "siblings/string/char_class.h"

namespace {

// Constant-initialised, so they hold '.' before any dynamic initialisation
// (the global time object reads them while the library is being loaded).
wchar_t gcInputDecimal = L'.';
wchar_t gcOutputDecimal = L'.';

const wchar_t* mOrEmpty(const wchar_t* text) { return text != nullptr ? text : L""; }

}  // namespace

int mStrCompare(const wchar_t* a, const wchar_t* b) {
  return std::wcscmp(mOrEmpty(a), mOrEmpty(b));
}

int mStrCompareIgnore(const wchar_t* a, const wchar_t* b) {
  a = mOrEmpty(a);
  b = mOrEmpty(b);
  for (;; ++a, ++b) {
    const wchar_t ca = cvn::detail::mLowerChar(*a);
    const wchar_t cb = cvn::detail::mLowerChar(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == L'\0') return 0;
  }
}

void mStringToUpper(CmString& text) { text.mMakeUpper(); }

wchar_t mToLower(wchar_t c) { return cvn::detail::mLowerChar(c); }

wchar_t mToUpper(wchar_t c) { return cvn::detail::mUpperChar(c); }

// The file and line only name the caller; a case conversion cannot fail.
void mStrUpperInternal(CmString& text, const char* /*sourceFile*/, int /*line*/) {
  text.mMakeUpper();
}

void mStrLowerInternal(CmString& text, const char* /*sourceFile*/, int /*line*/) {
  text.mMakeLower();
}

bool mIsCharAlpha(wchar_t c) { return cvn::detail::mIsLetter(c); }

bool mIsCharDigit(wchar_t c) { return cvn::detail::mDigitValue(c) >= 0; }

wchar_t mGetLatinDigit(wchar_t c) {
  const int iValue = cvn::detail::mDigitValue(c);
  return iValue >= 0 ? static_cast<wchar_t>(L'0' + iValue) : c;
}

bool mIsNumeric(const wchar_t* text) {
  if (text == nullptr) return false;
  const wchar_t* p = text;
  while (cvn::detail::mIsBlankChar(*p)) ++p;
  if (*p == L'+' || *p == L'-') ++p;
  const wchar_t cDecimal = mGetInputDecimal();
  int iDigits = 0;
  bool bDecimalSeen = false;
  for (; *p != L'\0' && !cvn::detail::mIsBlankChar(*p); ++p) {
    if (cvn::detail::mDigitValue(*p) >= 0) {
      ++iDigits;
    } else if (*p == cDecimal && !bDecimalSeen) {
      bDecimalSeen = true;
    } else {
      return false;
    }
  }
  while (cvn::detail::mIsBlankChar(*p)) ++p;
  return *p == L'\0' && iDigits > 0;
}

int mTrim(wchar_t* text) {
  if (text == nullptr) return 0;
  size_t n = std::wcslen(text);
  while (n > 0 && cvn::detail::mIsBlankChar(text[n - 1])) --n;
  text[n] = L'\0';
  return n > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int>(n);
}

int mLeftJustify(wchar_t* text) {
  if (text == nullptr) return 0;
  const size_t n = std::wcslen(text);
  size_t iFirst = 0;
  while (iFirst < n && cvn::detail::mIsBlankChar(text[iFirst])) ++iFirst;
  if (iFirst > 0) std::memmove(text, text + iFirst, (n - iFirst + 1) * sizeof(wchar_t));
  const size_t iLength = n - iFirst;
  return iLength > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int>(iLength);
}

int mTrim(CmString& text) {
  text.mTrimTrailingBlanks();
  return text.length();
}

int mLeftJustify(CmString& text) {
  text.mTrimLeadingBlanks();
  return text.length();
}

wchar_t mGetInputDecimal() { return gcInputDecimal; }
wchar_t mGetOutputDecimal() { return gcOutputDecimal; }
void mSetInputDecimal(wchar_t c) { gcInputDecimal = c; }
void mSetOutputDecimal(wchar_t c) { gcOutputDecimal = c; }
