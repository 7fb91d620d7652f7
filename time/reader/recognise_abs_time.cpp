// Recognising one text as a date, a time or a date-time under the current
// format: the order of the steps, weeks and lone times turned into dates,
// and the current format rewritten to follow what was typed.

#include <cwchar>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/format_cache.h"
#include "time/format/format_state.h"
#include "time/reader/reader_impl.h"
#include "time/report_sites.h"

namespace {

using xRecognition = CmTimeReaderImpl::xRecognition;

// The unit a part kind stands for: quarters, months and weeks have several
// spellings of one unit.
int mUnitOf(xTimePartsEnum ePart) {
  switch (ePart) {
    case xQuarterNumberFirst: return xQuarterLabelFirst;
    case xMonthAbbrev:
    case xMonthName: return xMonthNumber;
    case xWeekNumberFirst: return xWeekLabelFirst;
    default: return ePart;
  }
}

bool mEndsWith(const wchar_t* text, int len, const wchar_t* tail, int tailLen) {
  if (tailLen <= 0 || tailLen > len) return false;
  return std::wmemcmp(text + len - tailLen, tail, static_cast<size_t>(tailLen)) == 0;
}

}  // namespace

void CmTimeReaderImpl::mSetDateOfWeekOrTime(const CmTimeCls& t, xRecognition* r) {
  int iWeek = 0;
  if (r->bWeekSeen) {
    // Week n begins 7 * (n - 1) days after the first of January.
    int iDayNumber = 0;
    t.mToJulianDay(r->iYear, 1, 1, &iDayNumber);
    iDayNumber += 7 * (r->iWeek - 1);  // weeks [1, 53]
    t.mFromJulianDay(iDayNumber, &r->iYear, &r->iMonth, &r->iDay, &iWeek, xExtractWeekFromJanuary);
  } else if (!r->bAnyDateToken) {
    // A time alone lies on day 0, so its value is below one day.
    t.mFromJulianDay(0, &r->iYear, &r->iMonth, &r->iDay, &iWeek, xExtractWeekFromJanuary);
  }
}

bool CmTimeReaderImpl::mFollowText(CmTimeCls& t, xRecognition* r) {
  // Each text part takes the larger of its width and that of the first
  // format part of its unit; a month name's width is its spelling.
  const int iNumFmt = t.m_iNumParts < CmTimeCls::kMaxParts ? t.m_iNumParts : CmTimeCls::kMaxParts;
  // A date that ends with its separator takes the format's next date part,
  // the one being typed, as in "3/15/" under "m/d/yyyy". Only a date part
  // is added, right after the date parts read, so a clock part never
  // lands inside a date.
  const auto& sDate = r->xText.sDate;
  const bool bAddNext = r->iNumParts < iNumFmt && r->iNumDateParts < r->iNumFmtDate &&
                        mEndsWith(sDate.s, sDate.n, r->pSep, r->iSepLen);
  xTimePartsStruct axNew[kMaxTextParts + 1] = {};
  int iNew = 0;
  for (int i = 0; i <= r->iNumParts; ++i) {
    if (bAddNext && i == r->iNumDateParts) axNew[iNew++] = t.m_xParts[r->aiFmtDate[i]];
    if (i == r->iNumParts) break;
    xTextPart xPart = r->axParts[i];
    int iMatchPos = -1;
    for (int j = 0; j < iNumFmt && iMatchPos < 0; ++j) {
      if (mUnitOf(t.m_xParts[j].ePart) == mUnitOf(xPart.ePart)) iMatchPos = j;
    }
    if (iMatchPos >= 0) {
      if (t.m_xParts[iMatchPos].iCount > xPart.iCount) xPart.iCount = t.m_xParts[iMatchPos].iCount;
      if (mUnitOf(xPart.ePart) == xMonthNumber && xPart.ePart != xMonthNumber) {
        xPart.ePart = xPart.iCount >= 4 ? xMonthName : xMonthAbbrev;
      }
    } else if (i < iNumFmt && xPart.ePart != xThousandth) {
      // A text part without a match among as many parts as the format has
      // is a broken invariant. The decimals typed after the seconds are the
      // one part a format need not have (the ".5" of "10:30:15.5" under
      // "h:mm:ss", and of "8 5:05:22.5" under "d/m h:mm:ss", where the
      // format has more parts than the text): they enter the new format as
      // read, unreported.
      cvn::detail::mReport(cvn::detail::kReportMatchPos);
    }
    axNew[iNew++] = {xPart.ePart, xPart.iCount};
  }

  const bool b24Hour = r->xText.iAmPmLen == 0;
  // One scratch text per thread keeps its capacity from read to read.
  thread_local CmString tlsFormat;
  cvn::detail::mGenerateFormatCached(t, iNew, axNew, r->pSep, t.m_sTimeSep.c_str(), b24Hour,
                                     t.m_eAMPMFormat, tlsFormat);
  return CmTimeFormatImpl::mSelectAsTyped(t, tlsFormat, b24Hour);
}

bool CmTimeCls::mIsValidAbsTime(const wchar_t* text, int* year, int* month, int* day, int* hour,
                                int* minute, int* second, int* thousandth, bool* decisive,
                                bool* yearWidthMatches) {
  CmTimeReaderImpl::xRecognition r;
  int iWeek = 1;
  mFromJulianDay(m_iInitDay, &r.iYear, &r.iMonth, &r.iDay, &iWeek, xExtractWeekFromJanuary);
  r.iWeek = iWeek;

  auto mFinish = [&](bool result) {
    if (year != nullptr) *year = r.iYear;
    if (month != nullptr) *month = r.iMonth;
    if (day != nullptr) *day = r.iDay;
    if (hour != nullptr) *hour = r.iHour;
    if (minute != nullptr) *minute = r.iMinute;
    if (second != nullptr) *second = r.iSecond;
    if (thousandth != nullptr) *thousandth = r.iThousandth;
    if (decisive != nullptr) *decisive = r.bDecisive;
    if (yearWidthMatches != nullptr) *yearWidthMatches = r.bYearWidthMatches;
    return result;
  };

  const size_t uLen = text == nullptr ? 0 : std::wcslen(text);
  if (uLen < 1 || uLen > static_cast<size_t>(CmTimeReaderImpl::kMaxAbsText)) return mFinish(false);
  // The style of the designator typed becomes the current format's.
  EAMPMFormat eStyle = eAmPmUpperSpaced;
  const bool bSplit = CmTimeReaderImpl::mSplit(*this, text, &r.xText, &eStyle, &r.bDecisive);
  CmTimeFormatImpl::mSetStyle(*this, eStyle);
  if (!bSplit) return mFinish(false);

  const int iNumFmt = m_iNumParts < kMaxParts ? m_iNumParts : kMaxParts;
  for (int i = 0; i < iNumFmt; ++i) {
    const xTimePartsEnum ePart = m_xParts[i].ePart;
    if (ePart >= xYear && ePart <= xDay) {
      r.aiFmtDate[r.iNumFmtDate++] = i;
    } else if (ePart == xHour || ePart == xMinute || ePart == xSecond || ePart == xThousandth) {
      r.aiFmtTime[r.iNumFmtTime++] = i;
    }
  }

  // A lone separator is no date and no time.
  const auto& sDate = r.xText.sDate;
  const auto& sTime = r.xText.sTime;
  if ((!sDate.empty() && m_sDateSep == sDate.s) || (!sTime.empty() && m_sTimeSep == sTime.s)) {
    r.mInvalid();
  }
  CmTimeReaderImpl::mFindSeparatorInForce(*this, &r);
  if (m_bReadElapsed && !sDate.empty()) r.mInvalid();  // an elapsed time has no date

  if (r.mGoingOn()) CmTimeReaderImpl::mReadDateTokens(*this, &r);
  r.iNumDateParts = r.iNumParts;
  CmTimeReaderImpl::mCheckDayOfMonth(&r);

  // Clock fields are range-checked except under an elapsed-time format.
  r.bRangeCheck = !((m_bReadWithDefaultFmt && m_bElapsedTimeFlag) ||
                    (!m_bReadWithDefaultFmt && m_bReadElapsed));
  if (r.mGoingOn()) CmTimeReaderImpl::mReadTimeTokens(*this, &r);

  // A bare number is no time, except under an elapsed-time format.
  if (sDate.empty() && r.iNumTimeTokens < 2 && r.xText.iAmPmLen == 0 && !m_bElapsedTimeFlag) {
    r.mInvalid();
  }
  if (!r.bValid) return mFinish(false);

  CmTimeReaderImpl::mSetDateOfWeekOrTime(*this, &r);
  return mFinish(CmTimeReaderImpl::mFollowText(*this, &r));
}
