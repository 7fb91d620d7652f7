// The scan of a format text: runs of equal characters and their handlers for
// the date and time parts, elapsed-time brackets, separators, the comma,
// "@", and the AM/PM tokens ("A/P", "AM/PM" in any case, with or without a
// blank before them, and the locale's designator pair).

#include <string>

#include "CmTimeCls.h"
#include "time/format/parser_scan.h"

namespace cvn::detail {
namespace {

bool mIsSeparatorChar(wchar_t c) {
  return c == L'/' || c == L':' || c == L'.' || c == L',' || c == L'-';
}

// True when c is the first character of text (never for an empty text).
bool mIsFirstOf(wchar_t c, const std::wstring& text) { return !text.empty() && text[0] == c; }

}  // namespace

wchar_t CmFormatScanner::mUpperAt(int i) const {
  return (i >= 0 && i < m_iLength) ? m_sUpper[static_cast<size_t>(i)] : L'\0';
}

wchar_t CmFormatScanner::mGivenAt(int i) const {
  return (i >= 0 && i < m_iLength) ? m_sGiven[static_cast<size_t>(i)] : L'\0';
}

void CmFormatScanner::mScan() {
  int i = 0;
  while (i < m_iLength) {
    const wchar_t c = m_sUpper[static_cast<size_t>(i)];
    if (c == L' ') {
      mPassBlank();
      ++i;
      continue;
    }
    int iLen = 1;
    while (i + iLen < m_iLength && mUpperAt(i + iLen) == c) ++iLen;
    mSetNextCount(iLen);
    const int iNext = mHandleRun(c, i, iLen);
    // Handlers never move backwards; the guard keeps the loop finite anyway.
    i = iNext > i ? iNext : i + iLen;
  }
}

void CmFormatScanner::mPassBlank() {
  // A blank after a first part of year, month or day is the date separator
  // unless one has been set already.
  if (m_xOut.iNumParts >= 1 && m_xOut.sDateSep.empty() &&
      mIsCalendarPartKind(m_xOut.xParts[0].ePart)) {
    m_xOut.sDateSep = L" ";
  }
}

int CmFormatScanner::mHandleRun(wchar_t c, int start, int len) {
  const int iAfter = start + len;
  switch (c) {
    case L'Y': mHandleYear(len); return iAfter;
    case L'M': mHandleMonthOrMinute(start, len); return iAfter;
    case L'D': mHandleDay(len); return iAfter;
    case L'H': mHandleHour(start, len); return iAfter;
    case L'S': mHandleSecond(start, len); return iAfter;
    case L'Q': mHandleQuarter(start, len); return iAfter;
    case L'W': return mHandleWeek(start, len);
    case L'[': mHandleOpenBracket(); return iAfter;
    case L']': mHandleCloseBracket(); return iAfter;
    case L'A':
    case L'P': return mHandleDesignatorToken(start, len);
    case L'-':
    case L'.':
    case L'/':
    case L':': mHandleSeparator(c, len, iAfter); return iAfter;
    case L',': return mHandleComma(start, len);
    case L'@': return iAfter;
    default: return mHandleLocaleDesignator(c, start, len);
  }
}

void CmFormatScanner::mSetNextCount(int count) {
  if (m_xOut.iNumParts < CmTimeCls::kMaxParts) m_xOut.xParts[m_xOut.iNumParts].iCount = count;
}

void CmFormatScanner::mStore(xTimePartsEnum part) {
  const int n = m_xOut.iNumParts;
  if (n >= CmTimeCls::kMaxParts || mHasPart(part)) {
    mReject();
    return;
  }
  m_xOut.xParts[n].ePart = part;
  m_xOut.iNumParts = n + 1;
}

bool CmFormatScanner::mHasPart(xTimePartsEnum part) const {
  for (int i = 0; i < m_xOut.iNumParts && i < CmTimeCls::kMaxParts; ++i) {
    if (m_xOut.xParts[i].ePart == part) return true;
  }
  return false;
}

bool CmFormatScanner::mHasMonthPart() const {
  return mHasPart(xMonthNumber) || mHasPart(xMonthAbbrev) || mHasPart(xMonthName);
}

xTimePartsEnum CmFormatScanner::mPreviousPart() const {
  const int n = m_xOut.iNumParts;
  return (n >= 1 && n <= CmTimeCls::kMaxParts) ? m_xOut.xParts[n - 1].ePart : xNoPart;
}

void CmFormatScanner::mMarkTimePart(int start) {
  m_bTimePart = true;
  if (m_iFirstTimePos < 0) m_iFirstTimePos = start;
}

void CmFormatScanner::mHandleYear(int len) {
  if (len != 2 && len != 4) mReject();
  mStore(xYear);
  m_bDatePart = true;
  if (m_bResult) {
    // A label-first quarter or week token must follow the year ("yyyyQq"),
    // never precede it, or the label would run into the year's digits.
    const int n = m_xOut.iNumParts;
    const xTimePartsEnum eBefore = n >= 2 ? m_xOut.xParts[n - 2].ePart : xNoPart;
    if (m_bQuarterAccepted && eBefore == xQuarterLabelFirst) mReject();
    if (m_bWeekAccepted && eBefore == xWeekLabelFirst) mReject();
  }
}

void CmFormatScanner::mHandleMonthOrMinute(int start, int len) {
  const bool bMinute = mPreviousPart() == xHour || mUpperAt(start + len) == L':' || m_bInBracket;
  if (bMinute) {
    // "mm", or "[m]" inside an elapsed bracket.
    if (len != (m_bInBracket ? 1 : 2)) mReject();
    mStore(xMinute);
    mMarkTimePart(start);
    return;
  }
  if (mHasMonthPart() || m_bWeekAccepted || m_bQuarterAccepted) mReject();
  if (len <= 2) {
    mStore(xMonthNumber);
  } else if (len == 3) {
    mStore(xMonthAbbrev);
  } else if (len == 4) {
    mStore(xMonthName);
  } else {
    mReject();
  }
  m_bDatePart = true;
  if (m_bResult) m_bMonthAccepted = true;
}

void CmFormatScanner::mHandleDay(int len) {
  if (len > 2) mReject();
  if (m_bWeekAccepted || m_bQuarterAccepted) mReject();
  mStore(xDay);
  m_bDatePart = true;
  m_bDayAccepted = true;
}

void CmFormatScanner::mHandleHour(int start, int len) {
  if (len > 2) mReject();
  mStore(xHour);
  mMarkTimePart(start);
}

void CmFormatScanner::mHandleSecond(int start, int len) {
  const wchar_t cDecimal = m_xIn.cInputDecimal;
  const bool bAfterDecimal = m_cLastSep != 0 && m_cLastSep == cDecimal;
  if (m_cLastSep == L':' && len != 2) mReject();
  if (bAfterDecimal && len > 3) mReject();  // at most three decimals
  if (mPreviousPart() != xSecond) {
    if (m_xOut.iNumParts >= 1 && bAfterDecimal) {
      mStore(xThousandth);
    } else {
      // A second is stored with the width its canonical text gives back,
      // "ss" or "[s]", so a lone "s" or "sss" survives packed words and
      // the legal list unchanged (a longer run is no wider field).
      mSetNextCount(m_bInBracket ? 1 : 2);
      mStore(xSecond);
    }
  } else {
    if (!bAfterDecimal) mReject();
    mStore(xThousandth);
  }
  mMarkTimePart(start);
}

void CmFormatScanner::mHandleQuarter(int start, int len) {
  // The label is the separator of a quarter format, even when refused.
  m_xOut.sDateSep = L"Q";
  if (len != 2) mReject();
  if (mHasPart(xQuarterLabelFirst) || mHasPart(xQuarterNumberFirst) || m_bMonthAccepted ||
      m_bDayAccepted) {
    mReject();
  }
  mSetNextCount(1);
  // The case of the first letter as given tells the order: "Qq" label
  // first, "qQ" number first.
  const wchar_t cFirst = mGivenAt(start);
  if (cFirst == L'Q') {
    mStore(xQuarterLabelFirst);
  } else if (cFirst == L'q') {
    if (m_xOut.iNumParts > 0) mReject();  // "qQ" only leads a format
    mStore(xQuarterNumberFirst);
  } else {
    // Some other character that upper-cases to "Q": neither spelling.
    mReject();
  }
  m_bDatePart = true;
  m_bQuarterAccepted = true;
}

int CmFormatScanner::mHandleWeek(int start, int len) {
  int iNext = start + len;
  xTimePartsEnum ePart = xWeekLabelFirst;
  // Past the end of the text mUpperAt gives 0, so a run that ends the text
  // matches neither spelling.
  const bool bNumberFirst = mUpperAt(iNext) == L'K' && (len == 2 || len == 3);
  const bool bLabelFirst = len == 1 && mUpperAt(iNext) == L'K' && mUpperAt(iNext + 1) == L'W';
  if (bNumberFirst) {
    // "wWk" / "wwWk": the number (one or two w), then the label.
    mSetNextCount(len - 1);
    ++iNext;
    m_xOut.sDateSep = m_xIn.sWeekLabel;
    ePart = xWeekNumberFirst;
  } else if (bLabelFirst) {
    // "Wkw" / "Wkww": the label, then the number.
    if (mUpperAt(iNext + 2) == L'W') {
      mSetNextCount(2);
      iNext += 3;
    } else {
      mSetNextCount(1);
      iNext += 2;
    }
    m_xOut.sDateSep = m_xIn.sWeekLabel;
  } else {
    mReject();
  }

  if (mHasPart(xWeekLabelFirst) || mHasPart(xWeekNumberFirst) || m_bMonthAccepted ||
      m_bDayAccepted || m_xOut.iNumParts >= CmTimeCls::kMaxParts) {
    mReject();
  } else {
    if (ePart == xWeekNumberFirst && m_xOut.iNumParts > 0) mReject();
    mStore(ePart);
    m_bDatePart = true;
    m_bWeekAccepted = true;
  }
  return iNext;
}

void CmFormatScanner::mHandleOpenBracket() {
  if (m_xOut.iNumParts == 0 && !m_bInBracket) {
    m_bInBracket = true;
  } else {
    mReject();
  }
}

void CmFormatScanner::mHandleCloseBracket() {
  if (m_xOut.iNumParts != 1 || !m_bInBracket) {
    mReject();
    return;
  }
  m_bInBracket = false;
  m_xOut.bElapsedTimeFlag = true;
  const xTimePartsEnum ePart = m_xOut.xParts[0].ePart;
  if (ePart != xHour && ePart != xMinute && ePart != xSecond) mReject();
}

int CmFormatScanner::mHandleComma(int start, int len) {
  const int iAfter = start + len;
  const bool bMonthNameDay =
      m_xOut.iNumParts >= 2 &&
      (m_xOut.xParts[0].ePart == xMonthAbbrev || m_xOut.xParts[0].ePart == xMonthName) &&
      m_xOut.xParts[1].ePart == xDay;
  const size_t iYears = m_sUpper.find(L"YY");
  if (bMonthNameDay && iYears != std::wstring::npos && iYears > 0) {
    // "mmmm d, yyyy": the comma joins the separator, so a blank one
    // becomes ", ".
    m_xOut.sDateSep = L"," + m_xOut.sDateSep;
    const int iNext = mUpperAt(iAfter) == L' ' ? iAfter + 1 : iAfter;
    mHandleSeparator(L',', len, iNext);
    return iNext;
  }
  // Elsewhere the comma is passed over when the decimal symbol is ".", and
  // is a separator otherwise.
  if (m_xIn.cInputDecimal != L'.') mHandleSeparator(L',', len, iAfter);
  return iAfter;
}

void CmFormatScanner::mHandleSeparator(wchar_t c, int len, int next) {
  m_cLastSep = c;
  if (len != 1) mReject();
  const wchar_t cNext = mUpperAt(next);
  if (mIsSeparatorChar(cNext)) mReject();  // no two separators in a row

  if (m_xOut.iNumParts == 0) {
    // Only the decimal symbol may lead a format (".sss").
    if (c != m_xIn.cInputDecimal) mReject();
    return;
  }
  const xTimePartsEnum ePrev = mPreviousPart();
  if (ePrev == xHour || ePrev == xMinute) {
    if (c != L':') mReject();
    if (m_xOut.sTimeSep.empty()) m_xOut.sTimeSep = L":";
  } else if (mIsCalendarPartKind(ePrev)) {
    if (c == L':') mReject();
    if (next < m_iLength && cNext != L'M' && cNext != L'D' && cNext != L'Y') mReject();
    // The first date separator wins: "m/d-yy" keeps "/".
    if (m_xOut.sDateSep.empty()) m_xOut.sDateSep = std::wstring(1, c);
  }
  // After a second, a fraction, a quarter or a week part a separator is
  // accepted and nothing is recorded.
}

CmTimeCls::EAMPMFormat CmFormatScanner::mStyle(int family, bool bUpper, bool bBlankBefore) {
  return mComposeStyle(family, !bUpper, bBlankBefore);
}

int CmFormatScanner::mHandleDesignatorToken(int start, int len) {
  const xFormatDesignators& xD = m_xIn.xDesignators;
  // A run of several letters counts from its last letter.
  const int iPos = start + len - 1;
  if (m_xOut.bElapsedTimeFlag) mReject();  // no designator with an elapsed time
  const bool bBlankBefore = mUpperAt(iPos - 1) == L' ';
  const wchar_t cFirst = mGivenAt(iPos);
  const bool bUpper =
      !(mIsFirstOf(cFirst, xD.sAMDefaultLower) || mIsFirstOf(cFirst, xD.sPMDefaultLower));

  // "A/P": one letter, a slash and the first letter of "PM".
  if (mUpperAt(iPos + 1) == L'/' && mIsFirstOf(mUpperAt(iPos + 2), xD.sPMDefault)) {
    m_xOut.eAMPMFormat = mStyle(kFamilyFirstLetters, bUpper, bBlankBefore);
    m_xOut.b24Hour = false;
    return iPos + 3;
  }

  // "AM/PM": the second letter of "AM", a slash and the two letters of "PM".
  if (m_iLength - (iPos + 1) >= 4 && xD.sAMDefault.size() >= 2 && xD.sPMDefault.size() >= 2 &&
      mUpperAt(iPos + 1) == xD.sAMDefault[1] && mUpperAt(iPos + 2) == L'/' &&
      mUpperAt(iPos + 3) == xD.sPMDefault[0] && mUpperAt(iPos + 4) == xD.sPMDefault[1]) {
    m_xOut.b24Hour = false;
    if (m_bResult) m_xOut.eAMPMFormat = mStyle(kFamilyFullDefault, bUpper, bBlankBefore);
    return iPos + 5;
  }

  // The locale pair, when it starts with "A" or "P" too ("A.M./P.M.").
  const std::wstring sPair = xD.sAM + L"/" + xD.sPM;
  const size_t iFrom = static_cast<size_t>(iPos);
  if (iFrom + sPair.size() <= m_sUpper.size() &&
      m_sUpper.compare(iFrom, sPair.size(), sPair) == 0) {
    m_xOut.b24Hour = false;
    if (m_bResult) m_xOut.eAMPMFormat = mStyle(kFamilyLocale, bUpper, bBlankBefore);
    return iPos + static_cast<int>(sPair.size());
  }

  // Decision: a lone designator ("h:mm AM", "h:mm a") is refused. Only the
  // pairs above are accepted, the forms the generator writes back.
  mReject();
  return start + len;
}

int CmFormatScanner::mHandleLocaleDesignator(wchar_t c, int start, int len) {
  const xFormatDesignators& xD = m_xIn.xDesignators;
  if (xD.sAM.empty() || xD.sPM.empty() || (c != xD.sAM[0] && c != xD.sPM[0])) {
    mReject();
    return start + len;
  }
  const int iPos = start + len - 1;
  const bool bBlankBefore = mUpperAt(iPos - 1) == L' ';
  const wchar_t cFirst = mGivenAt(start);
  const bool bUpper = !mIsFirstOf(cFirst, xD.sAMLower) && !mIsFirstOf(cFirst, xD.sPMLower);

  // The pair must close the format.
  const std::wstring sPair = xD.sAM + L"/" + xD.sPM;
  if (m_sUpper.compare(static_cast<size_t>(iPos), std::wstring::npos, sPair) != 0) {
    mReject();
    return start + len;
  }
  m_xOut.b24Hour = false;
  m_xOut.eAMPMFormat = mStyle(kFamilyLocale, bUpper, bBlankBefore);
  return m_iLength;
}

}  // namespace cvn::detail
