// The format-string parser: normalisation of the text, the format class and
// the final checks that look at the whole list of parts, and the member
// mParseFormat, which runs the scan (parse_runs.cpp) on a copy of the
// object's designators and writes the results to the caller's outputs.

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/format_state.h"
#include "time/format/parser_scan.h"

namespace cvn::detail {

std::wstring mNormaliseFormatText(const wchar_t* format, wchar_t cInputDecimal) {
  CmString sText(format != nullptr ? format : L"");
  sText.mCollapseBlanks();
  std::wstring& s = sText.str();

  // Only the first comma is treated. A comma in the first position has no
  // character before it, so it is never taken for a decimal comma.
  const size_t iComma = s.find(L',');
  if (iComma != std::wstring::npos) {
    const bool bDecimalComma = cInputDecimal == L',' && iComma > 0 && s[iComma - 1] == L's';
    if (!bDecimalComma) {
      if (iComma + 1 < s.size() && s[iComma + 1] != L' ') s.insert(iComma + 1, 1, L' ');
      if (iComma > 0 && s[iComma - 1] == L' ') s.erase(iComma - 1, 1);
    }
  }
  return s;
}

CmFormatScanner::CmFormatScanner(const std::wstring& sGiven, const xFormatScanInput& in,
                                 xFormatScan& out)
    : m_sGiven(sGiven), m_xIn(in), m_xOut(out) {
  // Upper-cased character by character, so both copies keep the same
  // length and positions whatever the text holds.
  m_sUpper.reserve(sGiven.size());
  for (wchar_t c : sGiven) m_sUpper += mToUpper(c);
  m_iLength = static_cast<int>(m_sUpper.size());
  m_xOut.bElapsedTimeFlag = in.bElapsedTimeFlag;
}

bool mScanFormat(const std::wstring& sGiven, const xFormatScanInput& in, xFormatScan& out) {
  CmFormatScanner xScanner(sGiven, in, out);
  xScanner.mScan();
  xScanner.mSetFormatClass();
  xScanner.mFinalChecks();
  return xScanner.mResult();
}

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

bool CmTimeCls::mParseFormat(const wchar_t* format, CmString& dateSep, CmString& timeSep,
                             int* numParts, xTimePartsStruct* parts, bool* b24Hour,
                             EAMPMFormat* ampmFormat) {
  // Missing out-parameters get local stand-ins so that every step can write.
  int iNumPartsLocal = 0;
  xTimePartsStruct xPartsLocal[kMaxParts] = {};
  bool b24HourLocal = true;
  EAMPMFormat eAMPMLocal = eAmPmUpperSpaced;
  if (numParts == nullptr) numParts = &iNumPartsLocal;
  if (parts == nullptr) parts = xPartsLocal;
  if (b24Hour == nullptr) b24Hour = &b24HourLocal;
  if (ampmFormat == nullptr) ampmFormat = &eAMPMLocal;

  // The text is copied before any output is touched: it may point into one.
  const wchar_t cInputDecimal = mGetInputDecimal();
  const std::wstring sNormalised = cvn::detail::mNormaliseFormatText(format, cInputDecimal);

  dateSep.clear();
  timeSep.clear();
  *numParts = 0;
  *b24Hour = true;
  *ampmFormat = eAmPmUpperSpaced;

  // Refused at once: nothing else is written, the format class stays.
  if (static_cast<long long>(sNormalised.size()) >= cvn::detail::kMaxFormatChars) return false;
  CmString sTrimmed(sNormalised);
  sTrimmed.mTrimLeadingAndTrailingBlanks();
  if (sTrimmed.empty()) return false;

  cvn::detail::xFormatScanInput xIn;
  xIn.xDesignators = CmTimeFormatImpl::mDesignators(*this);
  xIn.cInputDecimal = cInputDecimal;
  xIn.bElapsedTimeFlag = m_bElapsedTimeFlag;
  // Only a week token reads the label; a failed load leaves it empty, and an
  // empty or other label makes every week format fail the final checks.
  if (sTrimmed.mFindOneOf(L"wW") >= 0) {
    CmString sLabel;
    if (sLabel.mLoadString(cvn::detail::kWeekLabelResource)) xIn.sWeekLabel = sLabel.str();
  }

  cvn::detail::xFormatScan xOut;
  const bool bResult = cvn::detail::mScanFormat(sTrimmed.str(), xIn, xOut);

  dateSep = CmString(xOut.sDateSep);
  timeSep = CmString(xOut.sTimeSep);
  *numParts = xOut.iNumParts;
  for (int i = 0; i < kMaxParts; ++i) parts[i] = xOut.xParts[i];
  *b24Hour = xOut.b24Hour;
  *ampmFormat = xOut.eAMPMFormat;
  m_eFormat = xOut.eFormat;
  m_bElapsedTimeFlag = xOut.bElapsedTimeFlag;
  return bResult;
}
