// Format texts taken apart: the date and time halves of a format, and the
// recognition of a format text written by the older generation among the
// object's default formats.

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/generate_format.h"

namespace cvn::detail {

void mReplaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to) {
  if (from.empty()) return;
  size_t iPos = 0;
  while ((iPos = text.find(from, iPos)) != std::wstring::npos) {
    text.replace(iPos, from.size(), to);
    iPos += to.size();
  }
}

std::wstring mShortenPre15Spelling(const std::wstring& format) {
  std::wstring s = format;
  if (s.find(L"mmm") != std::wstring::npos) {
    mReplaceAll(s, L"mmmm", L"mmm");
  } else {
    mReplaceAll(s, L"mm", L"m");
  }
  mReplaceAll(s, L"yyyy", L"yy");
  mReplaceAll(s, L"dd", L"d");
  for (wchar_t& c : s) {
    if (c == L'-' || c == L'.') c = L'/';
  }
  return s;
}

void mSplitDateTimeFormat(const std::wstring& format, std::wstring& date, std::wstring& time) {
  // The time half starts at the first ":", else the first "h", else the
  // first "s" (lower case only).
  size_t iFound = format.find(L':');
  if (iFound == std::wstring::npos) iFound = format.find(L'h');
  if (iFound == std::wstring::npos) iFound = format.find(L's');
  if (iFound == std::wstring::npos) {
    date = format;
    time.clear();
    return;
  }
  const size_t iBlank = iFound == 0 ? std::wstring::npos : format.rfind(L' ', iFound - 1);
  if (iBlank == std::wstring::npos) {
    date.clear();
    time = format;
    return;
  }
  date = format.substr(0, iBlank);
  time = format.substr(iBlank + 1);
}

}  // namespace cvn::detail

void CmTimeCls::mGetDateTimeFmtParts(CmString& format, CmString& date, CmString& time) const {
  // Copied first: date or time may be the same string as format.
  const std::wstring sFormat = format.str();
  std::wstring sDate;
  std::wstring sTime;
  cvn::detail::mSplitDateTimeFormat(sFormat, sDate, sTime);
  date = CmString(sDate);
  time = CmString(sTime);
}

bool CmTimeCls::mIsPre15Format(CmString& format) const {
  const std::wstring sShort = cvn::detail::mShortenPre15Spelling(format.str());
  format = CmString(sShort);
  int iSearched = m_iNumPre15Fmts;
  if (iSearched > kMaxDefFmts) iSearched = kMaxDefFmts;
  for (int i = 0; i < iSearched; ++i) {
    if (m_sDefFmts[i].str().find(sShort) != std::wstring::npos) return true;
  }
  return false;
}
