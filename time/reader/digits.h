// Small pure helpers of the text-to-time reader: blanks, digit scanning with
// overflow checks, fraction scaling, the two-digit-year window, fixed-size
// text buffers and a tokenizer that works on them. Nothing here allocates.
#pragma once

#include <cstdint>
#include <cwchar>

namespace cvn::detail {

// The reader's blank: a space or a tab, as the string library trims them.
constexpr bool mIsReaderBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// White space that "%d" of the C library passes over before a number.
constexpr bool mIsScanSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

constexpr bool mIsAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Reads an int the way swscanf(p, L"%d", &v) == 1 does: white space is passed
// over, an optional '+' or '-' follows, then at least one ASCII digit; the
// scan stops at the first non-digit. Returns the position after the last
// digit and stores the value, or returns null (out untouched) when there is
// no digit. Where the C library's behaviour is undefined, a number that does
// not fit an int, the text is refused (null) rather than wrapped or clamped,
// so "99999999999" is not a number here.
inline const wchar_t* mScanInt(const wchar_t* p, int* out) {
  if (p == nullptr) return nullptr;
  while (mIsScanSpace(*p)) ++p;
  bool bNegative = false;
  if (*p == L'+' || *p == L'-') {
    bNegative = (*p == L'-');
    ++p;
  }
  if (!mIsAsciiDigit(*p)) return nullptr;
  // The magnitude may reach 2^31 for INT_MIN; beyond that the text is refused.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t lValue = 0;  // [0, 2^31]
  bool bOverflow = false;
  for (; mIsAsciiDigit(*p); ++p) {
    if (!bOverflow) {
      lValue = lValue * 10 + (*p - L'0');
      if (lValue > kLimit) bOverflow = true;
    }
  }
  if (bOverflow || (!bNegative && lValue == kLimit)) return nullptr;
  *out = static_cast<int>(bNegative ? -lValue : lValue);
  return p;
}

// Thousandths of a second for a decimal fraction of `digits` digits whose
// value is `value` (0 <= value < 10^digits): fewer than 3 digits are padded
// (".5" is 500), 3 are kept, more are rounded half up in integer arithmetic,
// (value + 5*10^(digits-4)) / 10^(digits-3). The result lies in [0, 1000];
// 1000 comes only from rounding (".9996") and the caller decides the carry.
// A negative value or digit count gives 0; a value with more digits than
// `digits` says gives 1000 at most.
constexpr int mFractionToThousandths(int value, int digits) {
  if (value < 0 || digits <= 0) return 0;
  // Past 13 digits the divisor exceeds twice the largest int, so every int
  // rounds to 0; stop before the power of ten overflows.
  if (digits > 13) return 0;
  std::int64_t lResult = value;
  if (digits < 3) {
    lResult *= (digits == 1 ? 100 : 10);
  } else if (digits > 3) {
    std::int64_t lDivisor = 1;  // 10^(digits-3), at most 10^10
    for (int i = 3; i < digits; ++i) lDivisor *= 10;
    lResult = (lResult + lDivisor / 2) / lDivisor;
  }
  return static_cast<int>(lResult > 1000 ? 1000 : lResult);  // [0, 1000]
}

// The year of a two-character year text yy (0..99) in the window that ends
// with windowMax (last two digits, 0..99) in the century after windowBase:
// yy <= windowMax moves to the next century unless the window ends in 99.
// With the default window (29, 1900): 29 -> 2029, 30 -> 1930.
constexpr int mWindowTwoDigitYear(int yy, int windowMax, int windowBase) {
  if (windowMax != 99 && yy <= windowMax) yy += 100;
  return yy + windowBase;
}

// A zero-terminated text of at most N characters kept in place.
template <int N>
struct xFixedText {
  wchar_t s[N + 1] = {};
  int n = 0;

  static constexpr int kCapacity = N;
  void clear() {
    n = 0;
    s[0] = L'\0';
  }
  bool empty() const { return n == 0; }
  // False (text unchanged) when the text is full.
  bool push(wchar_t c) {
    if (n >= N) return false;
    s[n++] = c;
    s[n] = L'\0';
    return true;
  }
  // Copies len characters; false (text emptied) when they do not fit.
  bool assign(const wchar_t* p, int len) {
    if (len < 0 || len > N) {
      clear();
      return false;
    }
    for (int i = 0; i < len; ++i) s[i] = p[i];
    n = len;
    s[n] = L'\0';
    return true;
  }
  void trim() {
    int iStart = 0;
    while (iStart < n && mIsReaderBlank(s[iStart])) ++iStart;
    int iEnd = n;
    while (iEnd > iStart && mIsReaderBlank(s[iEnd - 1])) --iEnd;
    const int iLen = iEnd - iStart;
    for (int i = 0; i < iLen; ++i) s[i] = s[iStart + i];
    n = iLen;
    s[n] = L'\0';
  }
  bool contains(wchar_t c) const {
    for (int i = 0; i < n; ++i) {
      if (s[i] == c) return true;
    }
    return false;
  }
  // True when the text holds the nonempty text sub.
  bool contains(const wchar_t* sub, int subLen) const {
    if (subLen <= 0 || subLen > n) return false;
    for (int i = 0; i + subLen <= n; ++i) {
      int j = 0;
      while (j < subLen && s[i + j] == sub[j]) ++j;
      if (j == subLen) return true;
    }
    return false;
  }
};

// Hands out the tokens of a text: the pieces between characters of a
// delimiter set, cut the way the string library's tokenizer cuts them with
// trimmed tokens. Blanks around a token are removed and are insignificant
// next to a delimiter, so "March 15, 2020" at ", " gives "March", "15",
// "2020"; two other delimiters in a row give an empty token ("3//15" gives
// "3", "", "15"), and a delimiter at the very end gives none after it. Text
// inside quote marks does not split (the marks stay in the token). Where
// the whole delimiter text stands in the text it is one delimiter, so
// "12Wk2020" at the week label "Wk" gives "12", "2020". An empty delimiter
// set gives the whole text as one token.
class xTokenCursor {
 public:
  xTokenCursor(const wchar_t* text, int len, const wchar_t* delims, int delimLen,
               const wchar_t* quotes)
      : m_p(text), m_end(text + len), m_pDelims(delims), m_iDelimLen(delimLen), m_pQuotes(quotes) {}

  // Copies the next token into out; false (out emptied) when the text is
  // used up. A token longer than out holds is cut (callers' texts fit).
  template <int N>
  bool mNext(xFixedText<N>& out) {
    out.clear();
    const wchar_t* pRest = m_p;
    while (pRest < m_end && mIsReaderBlank(*pRest)) ++pRest;
    if (pRest >= m_end) {
      m_p = m_end;
      return false;
    }
    const wchar_t* pStart = m_p;
    wchar_t cQuote = L'\0';
    for (; m_p < m_end; ++m_p) {
      const wchar_t c = *m_p;
      if (cQuote != L'\0') {
        if (c == cQuote) cQuote = L'\0';
      } else if (mIsQuote(c)) {
        cQuote = c;
      } else if (mIsDelim(c)) {
        break;
      }
    }
    const wchar_t* pEnd = m_p;
    if (m_p < m_end) mPassDelimiter();
    while (pStart < pEnd && mIsReaderBlank(*pStart)) ++pStart;
    while (pEnd > pStart && mIsReaderBlank(pEnd[-1])) --pEnd;
    const int iLen = static_cast<int>(pEnd - pStart);
    out.assign(pStart, iLen < N ? iLen : N);
    return true;
  }

 private:
  // Passes over the delimiter at m_p, the blank delimiters after it and, after
  // a blank one, at most one more delimiter with its blanks.
  void mPassDelimiter() {
    const bool bBlank = mIsReaderBlank(*m_p);
    if (m_iDelimLen > 1 && m_end - m_p >= m_iDelimLen &&
        std::wmemcmp(m_p, m_pDelims, static_cast<size_t>(m_iDelimLen)) == 0) {
      m_p += m_iDelimLen;
    } else {
      ++m_p;
    }
    mPassBlankDelimiters();
    if (bBlank && m_p < m_end && mIsDelim(*m_p)) {
      ++m_p;
      mPassBlankDelimiters();
    }
  }
  void mPassBlankDelimiters() {
    while (m_p < m_end && mIsReaderBlank(*m_p) && mIsDelim(*m_p)) ++m_p;
  }
  bool mIsDelim(wchar_t c) const {
    for (int i = 0; i < m_iDelimLen; ++i) {
      if (m_pDelims[i] == c) return true;
    }
    return false;
  }
  bool mIsQuote(wchar_t c) const {
    for (const wchar_t* q = m_pQuotes; q != nullptr && *q != L'\0'; ++q) {
      if (*q == c) return true;
    }
    return false;
  }

  const wchar_t* m_p;
  const wchar_t* m_end;
  const wchar_t* m_pDelims;
  int m_iDelimLen;
  const wchar_t* m_pQuotes;
};

}  // namespace cvn::detail
