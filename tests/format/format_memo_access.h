// Test access for the format-memo tests: the whole format state an
// mSetFormat may write, and the designator fields it reads.
#pragma once

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"

struct CmTimeClsTestAccess {
  // The current format, its parsed fields (unused part entries included),
  // what a refused text left behind, and the class-wide flags.
  static std::wstring mState(const CmTimeCls& t) {
    std::wstring s = t.m_sDateTimeFmt.str() + L"|" + std::to_wstring(t.m_iNumParts);
    for (const auto& p : t.m_xParts) {
      s += L"|" + std::to_wstring(p.ePart) + L"," + std::to_wstring(p.iCount);
    }
    s += L"|" + t.m_sDateSep.str() + L"|" + t.m_sTimeSep.str() + L"|" +
         std::to_wstring(t.m_b24Hour) + L"," + std::to_wstring(t.m_eAMPMFormat) + L"," +
         std::to_wstring(t.m_eFormat);
    s += L"|" + t.m_sRejectedDateSep.str() + L"|" + t.m_sRejectedTimeSep.str() + L"|" +
         std::to_wstring(t.m_eRejectedFormat);
    s += L"|" + std::to_wstring(CmTimeCls::m_bElapsedTimeFlag) +
         std::to_wstring(CmTimeCls::m_bFmtHasComma);
    return s;
  }
  // One of the eight designator fields (0 AM, 1 PM, 2-3 lower, 4-7 defaults).
  static void mSetDesignator(CmTimeCls& t, int which, const wchar_t* text) {
    CmString* const apFields[8] = {
        &t.m_sAM,        &t.m_sPM,        &t.m_sAMLower,        &t.m_sPMLower,
        &t.m_sAMDefault, &t.m_sPMDefault, &t.m_sAMDefaultLower, &t.m_sPMDefaultLower};
    *apFields[which & 7] = text;
  }
};
