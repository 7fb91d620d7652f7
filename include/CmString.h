// CmString: the wide-string value type that crosses the library's interface,
// with the free string services the library relies on (case, blanks,
// numbers, decimal symbols, tokens and string resources).
#pragma once

#include <string>

#include "CvnDateTimeExport.h"

class CVN_API CmString {
 public:
  CmString() = default;
  CmString(const wchar_t* text);  // NOLINT(google-explicit-constructor): by design
  CmString(const std::wstring& text) : m_s(text) {}  // NOLINT(google-explicit-constructor)
  // count copies of c (empty for count < 1).
  CmString(wchar_t c, int count);
  // The text of string resource id (empty when there is no such resource).
  explicit CmString(int id);
  CmString(const CmString&) = default;
  CmString(CmString&&) noexcept = default;
  CmString& operator=(const CmString&) = default;
  CmString& operator=(CmString&&) noexcept = default;
  CmString& operator=(const wchar_t* text);
  virtual ~CmString() = default;

  // Replaces the contents with resource id's text; false (contents emptied)
  // when there is no such resource.
  bool mLoadString(unsigned id);

  // The text, its length in code units, and access to one of them (an index
  // must lie in [0, length()); it is not checked).
  const wchar_t* c_str() const { return m_s.c_str(); }
  int length() const { return static_cast<int>(m_s.size()); }
  bool empty() const { return m_s.empty(); }
  void clear() { m_s.clear(); }
  wchar_t operator[](int i) const { return m_s[static_cast<size_t>(i)]; }
  wchar_t& operator[](int i) { return m_s[static_cast<size_t>(i)]; }
  const std::wstring& str() const { return m_s; }
  std::wstring& str() { return m_s; }

  CmString& operator+=(const CmString& other) {
    m_s += other.m_s;
    return *this;
  }
  CmString& operator+=(const wchar_t* text);
  CmString& operator+=(wchar_t c) {
    m_s += c;
    return *this;
  }

  // Index of the first c / text at or after start, or -1.
  int mFind(wchar_t c, int start = 0) const;
  int mFind(const wchar_t* text, int start = 0) const;
  // Index of the first character that is one of chars, or -1.
  int mFindOneOf(const wchar_t* chars) const;
  // The first / last count characters, or count characters from start
  // (count < 0: to the end); counts and indexes are clipped to the text.
  // Example: CmString(L"abcdef").mMid(2, 3) is "cde".
  CmString mLeft(int count) const;
  CmString mMid(int start, int count = -1) const;
  CmString mRight(int count) const;
  // Inserts text before index (clipped to the text; null inserts nothing).
  void mInsert(int index, const wchar_t* text);
  // Removes count characters from index; nothing for an index outside the
  // text or a count below 1.
  void mDelete(int index, int count = 1);
  // Replaces every occurrence of from by to; returns the number replaced.
  int mReplace(const wchar_t* from, const wchar_t* to);
  // Case conversion in place, character by character.
  void mMakeUpper();
  void mMakeLower();

  // Blanks removed in place from both ends, the front or the back.
  void mTrimLeadingAndTrailingBlanks();
  void mTrimLeadingBlanks();
  void mTrimTrailingBlanks();
  // Runs of blanks become one blank.
  void mCollapseBlanks();
  // Appends count copies of c (nothing for count < 1).
  void mConcatenateChar(wchar_t c, int count);
  // Removes the first (all == false) or every occurrence of c.
  void mRemoveChars(wchar_t c, bool all);
  // Replaces from by to at or after start: the first occurrence, or all.
  void mReplaceChars(wchar_t from, wchar_t to, int start, bool all);
  // Keeps the first length characters.
  void mTruncate(int length);
  // True when the whole text (blanks around it allowed) is an integer that
  // fits an int; *out receives it. *out is untouched on false.
  bool mStringToNum(int* out) const;

  // Exact comparison, code unit by code unit; + joins two texts.
  friend bool operator==(const CmString& a, const CmString& b) { return a.m_s == b.m_s; }
  friend bool operator!=(const CmString& a, const CmString& b) { return a.m_s != b.m_s; }
  friend bool operator==(const CmString& a, const wchar_t* b);
  friend bool operator!=(const CmString& a, const wchar_t* b) { return !(a == b); }
  friend CmString operator+(const CmString& a, const CmString& b) {
    return CmString(a.m_s + b.m_s);
  }

 private:
  std::wstring m_s;
};

// Hands out the tokens of one text, one call at a time.
class CVN_API CmStringTokenizer {
 public:
  explicit CmStringTokenizer(const CmString& text);
  // Writes into token the text up to the next character of delimiters (the
  // delimiter is passed over) and returns true; false with token empty when
  // the text is used up. Characters of quotes enclose text in which
  // delimiters do not count (the quote marks themselves are kept).
  // bSkipEmpty: adjacent delimiters give no empty token.
  // bTrimTokens: blanks around the token are removed.
  // bUnusedA/bUnusedB: accepted for the callers' sake; they change nothing.
  bool mGetToken(const wchar_t* delimiters, CmString& token, const wchar_t* quotes, bool bUnusedA,
                 bool bSkipEmpty, bool bTrimTokens, bool bUnusedB);

 private:
  std::wstring m_s;
  size_t m_iPos = 0;
};

// Package-wide strings; the reader takes from it the set of characters that
// make a text worth reading when it holds no ASCII letter.
class CVN_API CmGlobalStrings {
 public:
  static CmGlobalStrings* mInstance();
  // The characters of which a readable text holds at least one.
  const CmString& mGetTimeCharSet() const { return m_sTimeCharSet; }

 private:
  CmGlobalStrings();
  CmString m_sTimeCharSet;
};

// --- Free string services -------------------------------------------------

// 0 when equal; negative / positive as wcscmp. Null counts as "".
CVN_API int mStrCompare(const wchar_t* a, const wchar_t* b);
// The same, ignoring case.
CVN_API int mStrCompareIgnore(const wchar_t* a, const wchar_t* b);
// Upper case in place; the lower / upper case of one character (itself when
// it has none).
CVN_API void mStringToUpper(CmString& text);
CVN_API wchar_t mToLower(wchar_t c);
CVN_API wchar_t mToUpper(wchar_t c);
// In-place case conversion; file and line name the caller for diagnostics.
CVN_API void mStrUpperInternal(CmString& text, const char* sourceFile, int line);
CVN_API void mStrLowerInternal(CmString& text, const char* sourceFile, int line);
// A letter of any script.
CVN_API bool mIsCharAlpha(wchar_t c);
// A decimal digit of any script.
CVN_API bool mIsCharDigit(wchar_t c);
// The Latin digit '0'..'9' of a digit of any script; c itself otherwise.
CVN_API wchar_t mGetLatinDigit(wchar_t c);
// True for an optionally signed decimal number: digits with at most one
// input decimal symbol, blanks allowed around it. Null and "" are not.
CVN_API bool mIsNumeric(const wchar_t* text);
// Remove trailing (mTrim) / leading (mLeftJustify) blanks in place; both
// return the new length.
CVN_API int mTrim(wchar_t* text);
CVN_API int mLeftJustify(wchar_t* text);
CVN_API int mTrim(CmString& text);
CVN_API int mLeftJustify(CmString& text);

// Decimal symbols for reading and writing numbers; '.' until a host sets them.
CVN_API wchar_t mGetInputDecimal();
CVN_API wchar_t mGetOutputDecimal();
CVN_API void mSetInputDecimal(wchar_t c);
CVN_API void mSetOutputDecimal(wchar_t c);

// Moves the text of buffer up to the next character of delimiters into
// token and shifts buffer past that delimiter. Returns the token's length,
// or 0 (token empty) when nothing is left. bSkipLeading: delimiters at the
// front are passed over first. bUnused: accepted, changes nothing.
// bTrimToken: blanks around the token are removed.
CVN_API int mGetToken(const wchar_t* delimiters, bool bSkipLeading, bool bUnused, bool bTrimToken,
                      wchar_t* buffer, CmString& token);
