// CmString: the members of the wide-string value type. Every index and
// count is clipped to the text, so no argument can reach outside it.

#include <climits>
#include <cwchar>
#include <string>

#include "CmString.h"
#include "siblings/string/char_class.h"

namespace {

// [0, size] for a caller's index.
size_t mClipIndex(int index, size_t size) {
  if (index <= 0) return 0;
  const auto u = static_cast<size_t>(index);
  return u < size ? u : size;
}

// std::wstring positions as the int results of the interface; -1 for npos.
int mToResult(size_t pos) {
  if (pos == std::wstring::npos) return -1;
  return pos > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(pos);
}

}  // namespace

CmString::CmString(const wchar_t* text) {
  if (text != nullptr) m_s = text;
}

CmString::CmString(wchar_t c, int count) {
  if (count > 0) m_s.assign(static_cast<size_t>(count), c);
}

CmString::CmString(int id) {
  if (id >= 0) mLoadString(static_cast<unsigned>(id));
}

CmString& CmString::operator=(const wchar_t* text) {
  if (text == nullptr) {
    m_s.clear();
  } else {
    m_s = text;
  }
  return *this;
}

CmString& CmString::operator+=(const wchar_t* text) {
  if (text != nullptr) m_s += text;
  return *this;
}

// Declared a friend inside the class; exported here, since the friend
// declaration carries no export attribute of its own.
CVN_API bool operator==(const CmString& a, const wchar_t* b) {
  return a.m_s.compare(b != nullptr ? b : L"") == 0;
}

int CmString::mFind(wchar_t c, int start) const {
  if (start < 0) start = 0;
  if (static_cast<size_t>(start) >= m_s.size()) return -1;
  return mToResult(m_s.find(c, static_cast<size_t>(start)));
}

int CmString::mFind(const wchar_t* text, int start) const {
  if (text == nullptr) return -1;
  if (start < 0) start = 0;
  if (static_cast<size_t>(start) > m_s.size()) return -1;
  return mToResult(m_s.find(text, static_cast<size_t>(start)));
}

int CmString::mFindOneOf(const wchar_t* chars) const {
  if (chars == nullptr || *chars == L'\0') return -1;
  return mToResult(m_s.find_first_of(chars));
}

CmString CmString::mLeft(int count) const {
  return CmString(m_s.substr(0, mClipIndex(count, m_s.size())));
}

CmString CmString::mMid(int start, int count) const {
  const size_t iStart = mClipIndex(start, m_s.size());
  if (count < 0) return CmString(m_s.substr(iStart));
  return CmString(m_s.substr(iStart, static_cast<size_t>(count)));
}

CmString CmString::mRight(int count) const {
  const size_t n = mClipIndex(count, m_s.size());
  return CmString(m_s.substr(m_s.size() - n));
}

void CmString::mInsert(int index, const wchar_t* text) {
  if (text == nullptr) return;
  m_s.insert(mClipIndex(index, m_s.size()), text);
}

void CmString::mDelete(int index, int count) {
  if (index < 0 || count <= 0 || static_cast<size_t>(index) >= m_s.size()) return;
  m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
}

int CmString::mReplace(const wchar_t* from, const wchar_t* to) {
  if (from == nullptr || *from == L'\0') return 0;
  const std::wstring sFrom(from);
  const std::wstring sTo(to != nullptr ? to : L"");
  int iCount = 0;
  size_t pos = 0;
  while ((pos = m_s.find(sFrom, pos)) != std::wstring::npos) {
    m_s.replace(pos, sFrom.size(), sTo);
    pos += sTo.size();
    if (iCount < INT_MAX) ++iCount;
  }
  return iCount;
}

void CmString::mMakeUpper() {
  for (wchar_t& c : m_s) c = cvn::detail::mUpperChar(c);
}

void CmString::mMakeLower() {
  for (wchar_t& c : m_s) c = cvn::detail::mLowerChar(c);
}

void CmString::mTrimLeadingAndTrailingBlanks() {
  mTrimTrailingBlanks();
  mTrimLeadingBlanks();
}

void CmString::mTrimLeadingBlanks() {
  size_t i = 0;
  while (i < m_s.size() && cvn::detail::mIsBlankChar(m_s[i])) ++i;
  m_s.erase(0, i);
}

void CmString::mTrimTrailingBlanks() {
  size_t n = m_s.size();
  while (n > 0 && cvn::detail::mIsBlankChar(m_s[n - 1])) --n;
  m_s.resize(n);
}

void CmString::mCollapseBlanks() {
  std::wstring sOut;
  sOut.reserve(m_s.size());
  bool bInBlanks = false;
  for (wchar_t c : m_s) {
    if (cvn::detail::mIsBlankChar(c)) {
      if (!bInBlanks) sOut += L' ';
      bInBlanks = true;
    } else {
      sOut += c;
      bInBlanks = false;
    }
  }
  m_s.swap(sOut);
}

void CmString::mConcatenateChar(wchar_t c, int count) {
  if (count > 0) m_s.append(static_cast<size_t>(count), c);
}

void CmString::mRemoveChars(wchar_t c, bool all) {
  if (all) {
    std::wstring sOut;
    sOut.reserve(m_s.size());
    for (wchar_t ch : m_s) {
      if (ch != c) sOut += ch;
    }
    m_s.swap(sOut);
    return;
  }
  const size_t pos = m_s.find(c);
  if (pos != std::wstring::npos) m_s.erase(pos, 1);
}

void CmString::mReplaceChars(wchar_t from, wchar_t to, int start, bool all) {
  for (size_t i = mClipIndex(start, m_s.size()); i < m_s.size(); ++i) {
    if (m_s[i] != from) continue;
    m_s[i] = to;
    if (!all) return;
  }
}

void CmString::mTruncate(int length) {
  if (length < 0) length = 0;
  if (static_cast<size_t>(length) < m_s.size()) m_s.resize(static_cast<size_t>(length));
}

bool CmString::mStringToNum(int* out) const {
  size_t i = 0;
  const size_t n = m_s.size();
  while (i < n && cvn::detail::mIsBlankChar(m_s[i])) ++i;
  bool bNegative = false;
  if (i < n && (m_s[i] == L'+' || m_s[i] == L'-')) {
    bNegative = m_s[i] == L'-';
    ++i;
  }
  // Accumulated as a negative number so that INT_MIN itself is reachable.
  long long llValue = 0;
  int iDigits = 0;
  for (; i < n; ++i, ++iDigits) {
    const int iDigit = cvn::detail::mDigitValue(m_s[i]);
    if (iDigit < 0) break;
    llValue = llValue * 10 - iDigit;
    if (llValue < static_cast<long long>(INT_MIN)) return false;
  }
  while (i < n && cvn::detail::mIsBlankChar(m_s[i])) ++i;
  if (iDigits == 0 || i != n) return false;
  if (!bNegative && llValue < -static_cast<long long>(INT_MAX)) return false;
  if (out != nullptr) *out = static_cast<int>(bNegative ? llValue : -llValue);
  return true;
}
