// The end of a format scan: the format class and the final checks that look
// at the whole list of parts.

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/parser_scan.h"

namespace cvn::detail {

void CmFormatScanner::mSetFormatClass() {
  if (m_bDatePart && m_bTimePart) {
    m_xOut.eFormat = eDateTimeFormat;
  } else if (m_bTimePart) {
    m_xOut.eFormat = eTimeFormat;
  } else {
    m_xOut.eFormat = eDateFormat;
  }
}

int CmFormatScanner::mDatePortionLength() const {
  // The date portion of a date-time format ends at the blank that precedes
  // the first time part. Measuring only up to the first blank of the text
  // would refuse "mmm d h", "mmmm d, yyyy h:mm:ss" and "d mmmm yyyy h:mm:ss",
  // whose date portions hold blanks, and those must be legal. With no blank
  // before the first time part the portion is the text before that part, so
  // "yyyymmddhh:mm" is refused like its canonical text "yyyymmdd hh:mm".
  const int iTimeStart = m_iFirstTimePos >= 0 ? m_iFirstTimePos : m_iLength;
  for (int i = iTimeStart - 1; i >= 0; --i) {
    if (m_sUpper[static_cast<size_t>(i)] == L' ') return i;
  }
  return iTimeStart;
}

void CmFormatScanner::mFinalChecks() {
  const int n = m_xOut.iNumParts < CmTimeCls::kMaxParts ? m_xOut.iNumParts : CmTimeCls::kMaxParts;
  const CmTimeCls::xTimePartsStruct* pParts = m_xOut.xParts;

  // 1. Quarter and week formats: date only, with their label as separator.
  if (m_bQuarterAccepted || m_bWeekAccepted) {
    m_xOut.b24Hour = true;
    if (m_bTimePart) mReject();
    const wchar_t* pszSep = m_xOut.sDateSep.c_str();
    if (mStrCompare(pszSep, L"Q") != 0 && mStrCompare(pszSep, L"Wk") != 0) mReject();
  }

  // 2. Order of parts: calendar parts before clock parts, and the clock
  // parts from hour down to fraction without gaps. Quarter and week parts
  // take no part in the walk.
  int iDateCount = 0;
  int iClockCount = 0;
  bool bHour = false;
  bool bMinute = false;
  bool bSecond = false;
  bool bFraction = false;
  for (int i = 0; i < n; ++i) {
    const int ePart = pParts[i].ePart;
    if (mIsCalendarPartKind(ePart)) {
      if (bHour || bMinute || bSecond) mReject();
      ++iDateCount;
    } else if (ePart == xHour) {
      if (bMinute || bSecond || bFraction) mReject();
      bHour = true;
      ++iClockCount;
    } else if (ePart == xMinute) {
      if (bSecond || bFraction) mReject();
      bMinute = true;
      ++iClockCount;
    } else if (ePart == xSecond) {
      if (bFraction || (bHour && !bMinute)) mReject();
      bSecond = true;
      ++iClockCount;
    } else if (mIsFractionPartKind(ePart)) {
      if ((bHour && !bMinute) || (bMinute && !bSecond)) mReject();
      bFraction = true;
    }
  }

  // 3. A date without separators ("yyyymmdd") needs fixed widths.
  if (iDateCount == 3 && iClockCount == 0 &&
      m_sUpper.find_first_of(L"/-., ") == std::wstring::npos) {
    for (int i = 0; i < 3 && i < n; ++i) {
      const int iCount = pParts[i].iCount;
      const bool bWidthOk = pParts[i].ePart == xYear ? (iCount == 2 || iCount == 4) : iCount == 2;
      if (!bWidthOk) mReject();
    }
  }

  // 4. The date portion of a date-time format must hold separators: it must
  // be longer than the widths of its parts together.
  if (m_xOut.eFormat == eDateTimeFormat && iDateCount >= 2) {
    int iWidths = 0;  // [0, 7 * 80]: each width is a run length of the text
    for (int i = 0; i < iDateCount && i < n; ++i) iWidths += pParts[i].iCount;
    if (mDatePortionLength() <= iWidths) mReject();
  }

  // 5. A format always has a time separator.
  if (m_xOut.sTimeSep.empty()) m_xOut.sTimeSep = L":";

  // 6. A month name followed by an hour alone is refused ("mmm h"; "mmm d h" is legal).
  if (n == 2 && (pParts[0].ePart == xMonthAbbrev || pParts[0].ePart == xMonthName) &&
      pParts[1].ePart == xHour) {
    mReject();
  }

  // 7. A designator needs an hour.
  if (!m_xOut.b24Hour && !mHasPart(xHour)) mReject();
}

}  // namespace cvn::detail
