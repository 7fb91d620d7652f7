// CmStringTokenizer and mGetToken: cutting a text into tokens at a set of
// delimiter characters.
//
// When tokens are trimmed, blanks are insignificant around them, so a blank
// delimiter next to another delimiter does not make an empty token: with the
// delimiters ", " the text "March 15, 2020" gives "March", "15", "2020".
// Two non-blank delimiters in a row ("1//2") still give an empty token
// unless empty tokens are skipped. A delimiter at the very end of the text
// gives no empty token after it: the text is used up there.

#include "siblings/string/tokenizer.h"

#include <climits>
#include <cstring>
#include <cwchar>

#include "CmString.h"
#include "siblings/string/char_class.h"

namespace cvn::detail {

size_t mFindTokenEnd(const std::wstring& text, size_t start, const wchar_t* delimiters,
                     const wchar_t* quotes) {
  wchar_t cOpenQuote = L'\0';
  size_t i = start;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (cOpenQuote != L'\0') {
      if (c == cOpenQuote) cOpenQuote = L'\0';
    } else if (mCharInSet(c, quotes)) {
      cOpenQuote = c;
    } else if (mCharInSet(c, delimiters)) {
      break;
    }
  }
  return i;
}

std::wstring mTrimBlanks(const std::wstring& text) {
  size_t iFirst = 0;
  size_t iEnd = text.size();
  while (iFirst < iEnd && mIsBlankChar(text[iFirst])) ++iFirst;
  while (iEnd > iFirst && mIsBlankChar(text[iEnd - 1])) --iEnd;
  return text.substr(iFirst, iEnd - iFirst);
}

}  // namespace cvn::detail

namespace {

bool mIsBlankDelimiter(wchar_t c, const wchar_t* delimiters) {
  return cvn::detail::mIsBlankChar(c) && cvn::detail::mCharInSet(c, delimiters);
}

bool mOnlyBlanksFrom(const std::wstring& text, size_t pos) {
  for (; pos < text.size(); ++pos) {
    if (!cvn::detail::mIsBlankChar(text[pos])) return false;
  }
  return true;
}

}  // namespace

CmStringTokenizer::CmStringTokenizer(const CmString& text) : m_s(text.str()) {}

bool CmStringTokenizer::mGetToken(const wchar_t* delimiters, CmString& token, const wchar_t* quotes,
                                  bool /*bUnusedA*/, bool bSkipEmpty, bool bTrimTokens,
                                  bool /*bUnusedB*/) {
  token.clear();
  const size_t n = m_s.size();
  for (;;) {
    if (m_iPos >= n) return false;
    if (bTrimTokens && mOnlyBlanksFrom(m_s, m_iPos)) {
      m_iPos = n;
      return false;
    }
    const size_t iEnd = cvn::detail::mFindTokenEnd(m_s, m_iPos, delimiters, quotes);
    std::wstring sPiece = m_s.substr(m_iPos, iEnd - m_iPos);
    m_iPos = iEnd;
    if (m_iPos < n) {
      // Pass over the delimiter; when trimming, also over the blank
      // delimiters next to it and at most one non-blank delimiter they
      // lead to after a blank one.
      const bool bBlank = cvn::detail::mIsBlankChar(m_s[m_iPos]);
      ++m_iPos;
      if (bTrimTokens) {
        while (m_iPos < n && mIsBlankDelimiter(m_s[m_iPos], delimiters)) ++m_iPos;
        if (bBlank && m_iPos < n && cvn::detail::mCharInSet(m_s[m_iPos], delimiters)) {
          ++m_iPos;
          while (m_iPos < n && mIsBlankDelimiter(m_s[m_iPos], delimiters)) ++m_iPos;
        }
      }
    }
    if (bTrimTokens) sPiece = cvn::detail::mTrimBlanks(sPiece);
    if (sPiece.empty() && bSkipEmpty) continue;
    token.str() = sPiece;
    return true;
  }
}

int mGetToken(const wchar_t* delimiters, bool bSkipLeading, bool /*bUnused*/, bool bTrimToken,
              wchar_t* buffer, CmString& token) {
  token.clear();
  if (buffer == nullptr) return 0;
  const std::wstring sText(buffer);
  size_t iStart = 0;
  if (bSkipLeading) {
    while (iStart < sText.size() && cvn::detail::mCharInSet(sText[iStart], delimiters)) ++iStart;
  }
  // Quotation marks have no meaning here.
  const size_t iEnd = cvn::detail::mFindTokenEnd(sText, iStart, delimiters, nullptr);
  std::wstring sPiece = sText.substr(iStart, iEnd - iStart);
  // The buffer keeps what follows the delimiter.
  const size_t iNext = iEnd < sText.size() ? iEnd + 1 : sText.size();
  std::memmove(buffer, buffer + iNext, (sText.size() - iNext + 1) * sizeof(wchar_t));
  if (bTrimToken) sPiece = cvn::detail::mTrimBlanks(sPiece);
  token.str() = sPiece;
  return sPiece.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(sPiece.size());
}
