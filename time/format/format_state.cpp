// The current format as one value (see format_state.h): capture, the one
// write of a whole format, the reader's and the scales' partial writes, and
// the designator fields in one place.

#include "time/format/format_state.h"

#include "CmString.h"
#include "CmTimeCls.h"

using cvn::detail::xFormatState;

namespace {

int mClipPartCount(int n) {
  return n < 0 ? 0 : (n > CmTimeCls::kMaxParts ? CmTimeCls::kMaxParts : n);
}

}  // namespace

xFormatState CmTimeFormatImpl::mCapture(const CmTimeCls& t) {
  xFormatState s;
  s.sText = t.m_sDateTimeFmt;
  s.iNumParts = t.m_iNumParts;
  for (int i = 0; i < CmTimeCls::kMaxParts; ++i) s.axParts[i] = t.m_xParts[i];
  s.b24Hour = t.m_b24Hour;
  s.eAMPMFormat = t.m_eAMPMFormat;
  s.eFormat = t.m_eFormat;
  s.sDateSep = t.m_sDateSep;
  s.sTimeSep = t.m_sTimeSep;
  return s;
}

void CmTimeFormatImpl::mApply(CmTimeCls& t, const xFormatState& s) {
  t.m_iNumParts = mClipPartCount(s.iNumParts);
  for (int i = 0; i < CmTimeCls::kMaxParts; ++i) t.m_xParts[i] = s.axParts[i];
  t.m_b24Hour = s.b24Hour;
  t.m_eAMPMFormat = s.eAMPMFormat;
  t.m_eFormat = s.eFormat;
  t.m_sDateSep = s.sDateSep;
  t.m_sTimeSep = s.sTimeSep;
  t.m_sDateTimeFmt = s.sText;
  mSetClassFlagsFromText(t.m_sDateTimeFmt);
}

bool CmTimeFormatImpl::mIsCurrent(const CmTimeCls& t, const xFormatState& s) {
  if (t.m_iNumParts != s.iNumParts || t.m_b24Hour != s.b24Hour ||
      t.m_eAMPMFormat != s.eAMPMFormat || t.m_eFormat != s.eFormat ||
      !(t.m_sDateTimeFmt == s.sText) || !(t.m_sDateSep == s.sDateSep) ||
      !(t.m_sTimeSep == s.sTimeSep)) {
    return false;
  }
  for (int i = 0; i < CmTimeCls::kMaxParts; ++i) {
    if (t.m_xParts[i].ePart != s.axParts[i].ePart || t.m_xParts[i].iCount != s.axParts[i].iCount) {
      return false;
    }
  }
  return true;
}

void CmTimeFormatImpl::mSetClassFlagsFromText(const CmString& text) {
  CmTimeCls::m_bElapsedTimeFlag = text.mFind(L'[') >= 0;
  CmTimeCls::m_bFmtHasComma = text.mFind(L',') >= 0;
}

void CmTimeFormatImpl::mSetClassFlags(bool elapsed, bool comma) {
  CmTimeCls::m_bElapsedTimeFlag = elapsed;
  CmTimeCls::m_bFmtHasComma = comma;
}

void CmTimeFormatImpl::mSetStyle(CmTimeCls& t, CmTimeCls::EAMPMFormat style) {
  t.m_eAMPMFormat = style;
}

void CmTimeFormatImpl::mGenerate(const CmTimeCls& t, int numParts,
                                 const CmTimeCls::xTimePartsStruct* parts, const wchar_t* dateSep,
                                 const wchar_t* timeSep, bool b24Hour,
                                 CmTimeCls::EAMPMFormat ampmFormat, CmString& out) {
  t.mGenerateFormat(numParts, parts, dateSep, timeSep, b24Hour, ampmFormat, out);
}

void CmTimeFormatImpl::mKeepParts(CmTimeCls& t, int numParts) {
  t.m_iNumParts = mClipPartCount(numParts);
}

cvn::detail::xDesignatorFields CmTimeFormatImpl::mDesignatorFields(const CmTimeCls& t) {
  return {&t.m_sAM,        &t.m_sPM,        &t.m_sAMLower,        &t.m_sPMLower,
          &t.m_sAMDefault, &t.m_sPMDefault, &t.m_sAMDefaultLower, &t.m_sPMDefaultLower};
}

cvn::detail::xFormatDesignators CmTimeFormatImpl::mDesignators(const CmTimeCls& t) {
  cvn::detail::xFormatDesignators x;
  x.sAM = t.m_sAM.str();
  x.sPM = t.m_sPM.str();
  x.sAMLower = t.m_sAMLower.str();
  x.sPMLower = t.m_sPMLower.str();
  x.sAMDefault = t.m_sAMDefault.str();
  x.sPMDefault = t.m_sPMDefault.str();
  x.sAMDefaultLower = t.m_sAMDefaultLower.str();
  x.sPMDefaultLower = t.m_sPMDefaultLower.str();
  return x;
}
