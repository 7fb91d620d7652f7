// Format selection: making a format text the object's current format,
// selecting the regional defaults, and reporting the current format in
// canonical form with the widest text it can produce.

#include "CmTimeCls.h"
#include "time/format/format_cache.h"
#include "time/format/format_state.h"
#include "time/format/select_state.h"

namespace cvn::detail {

bool mIsClockPart(xTimePartsEnum part) {
  switch (part) {
    case xHour:
    case xMinute:
    case xSecond:
    case xHundredth:
    case xTenth:
    case xThousandth: return true;
    default: return false;
  }
}

int mFormatWidth(int numParts, const CmTimeCls::xTimePartsStruct* parts, bool b24Hour,
                 int widestAbbrev, int widestName, int designatorChars, bool* hasDate,
                 bool* hasTime) {
  bool bDate = false;
  bool bTime = false;
  if (numParts < 0 || parts == nullptr) numParts = 0;
  if (numParts > CmTimeCls::kMaxParts) numParts = CmTimeCls::kMaxParts;
  // Counts come from the parser (1 to 4); the clip only keeps a damaged
  // part array from overflowing the sum: 7 * (2 + 32) stays far below INT_MAX.
  auto clip = [](int v) { return v < 0 ? 0 : (v > 32 ? 32 : v); };
  int iWidth = -1;
  for (int i = 0; i < numParts; ++i) {
    const xTimePartsEnum ePart = parts[i].ePart;
    if (mIsClockPart(ePart)) {
      bTime = true;
      iWidth += 1;  // the separator before it
    } else {
      bDate = true;
      if (ePart == xWeekLabelFirst || ePart == xWeekNumberFirst) {
        iWidth += numParts == 1 ? 3 : 2;  // the "Wk" label
      } else {
        iWidth += 1;
      }
    }
    if (ePart == xMonthAbbrev) {
      iWidth += clip(widestAbbrev);
    } else if (ePart == xMonthName) {
      iWidth += clip(widestName);
    } else {
      const int iCount = clip(parts[i].iCount);
      iWidth += iCount;
      if (iCount == 1) iWidth += 1;
    }
  }
  if (bTime && !b24Hour) iWidth += clip(designatorChars);
  if (hasDate != nullptr) *hasDate = bDate;
  if (hasTime != nullptr) *hasTime = bTime;
  return iWidth;
}

}  // namespace cvn::detail

bool CmTimeCls::mSetFormat(const wchar_t* format) {
  if (format == nullptr || format[0] == L'\0') return false;
  // A text accepted before under the same inputs is not parsed again.
  if (const cvn::detail::xFormatState* pCached = cvn::detail::mFindCachedFormat(*this, format)) {
    CmTimeFormatImpl::mApply(*this, *pCached);
    return true;
  }
  return CmTimeFormatImpl::mSetParsed(*this, format);
}

bool CmTimeFormatImpl::mSetParsed(CmTimeCls& t, const wchar_t* format) {
  if (format == nullptr || format[0] == L'\0') return false;
  // An own copy: the caller may pass this object's text or a list entry.
  cvn::detail::xFormatState xParsed;
  xParsed.sText = format;  // as given, not the canonical text
  const eFormatType eOldFormat = t.m_eFormat;

  // Parse into the new state and take it only when the text is accepted. A
  // refusal therefore keeps the previous format whole: it is not rebuilt by
  // parsing m_sDateTimeFmt again, which could come out differently once the
  // decimal symbol or the designators have changed since it was set.
  CmTimeCls::m_bElapsedTimeFlag = false;  // the parser refuses designators after a bracket
  const bool bAccepted =
      t.mParseFormat(xParsed.sText.c_str(), xParsed.sDateSep, xParsed.sTimeSep, &xParsed.iNumParts,
                     xParsed.axParts, &xParsed.b24Hour, &xParsed.eAMPMFormat);

  if (bAccepted) {
    xParsed.eFormat = t.m_eFormat;  // the class the parse found
    mApply(t, xParsed);
    cvn::detail::mCacheFormat(t, mCapture(t));
    return true;
  }

  // What the refused text left behind is kept for inspection only.
  t.m_sRejectedDateSep = xParsed.sDateSep;
  t.m_sRejectedTimeSep = xParsed.sTimeSep;
  t.m_eRejectedFormat = t.m_eFormat;
  t.m_eFormat = eOldFormat;
  mSetClassFlagsFromText(t.m_sDateTimeFmt);
  return false;
}

bool CmTimeFormatImpl::mSelectAsTyped(CmTimeCls& t, const CmString& text, bool b24Hour) {
  t.m_b24Hour = b24Hour;
  t.m_sDateTimeFmt = text;
  return t.mSetFormat(text.c_str());
}

// A refused regional format is not reported: the previous format stays.
void CmTimeCls::mSetDefFormat() {
  const CmString sFormat = m_sShortDateFmt + CmString(L" ") + m_sTimeFmt;
  mSetFormat(sFormat.c_str());
}

void CmTimeCls::mSetDateFormat() {
  const CmString sFormat(m_sShortDateFmt);
  mSetFormat(sFormat.c_str());
}

void CmTimeCls::mSetTimeFormat() {
  const CmString sFormat(m_sTimeFmt);
  mSetFormat(sFormat.c_str());
}

void CmTimeCls::mGetFormat(CmString& format, int* width, bool* hasDate, bool* hasTime) const {
  format.clear();
  const int iNumParts = m_iNumParts < 0 ? 0 : (m_iNumParts > kMaxParts ? kMaxParts : m_iNumParts);
  mGenerateFormat(iNumParts, m_xParts, m_sDateSep.c_str(), m_sTimeSep.c_str(), m_b24Hour,
                  m_eAMPMFormat, format);

  int iWidestAbbrev = 0;
  int iWidestName = 0;
  for (int i = 0; i < iNumParts; ++i) {
    if (m_xParts[i].ePart == xMonthAbbrev) iWidestAbbrev = mGetWidestFormattedWidth(xMonthAbbrev);
    if (m_xParts[i].ePart == xMonthName) iWidestName = mGetWidestFormattedWidth(xMonthName);
  }
  CmString sDesignator;
  if (!m_b24Hour) mMakeAMPMFormat(12, sDesignator);

  const int iWidth = cvn::detail::mFormatWidth(iNumParts, m_xParts, m_b24Hour, iWidestAbbrev,
                                               iWidestName, sDesignator.length(), hasDate, hasTime);
  if (width != nullptr) *width = iWidth;
}
