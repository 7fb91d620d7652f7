// Test access for the steady-read tests: everything a read may write on the
// object, so that a read the short way can be compared with the full one.
#pragma once

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"

struct CmTimeClsTestAccess {
  // The object's format state, the per-read flags and the class-wide flags,
  // the unused part entries and what a refused format left included.
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
    s += L"|" + std::to_wstring(t.m_bReadWithDefaultFmt) + std::to_wstring(t.m_bReadElapsed) +
         std::to_wstring(CmTimeCls::m_bElapsedTimeFlag) +
         std::to_wstring(CmTimeCls::m_bFmtHasComma);
    return s;
  }
  static void mSetTwoDigitWindow(CmTimeCls& t, int max, int base) {
    t.m_iTwoDigitYearMax = max;
    t.m_iTwoDigitYearBase = base;
  }
  // Regional designators, upper and lower.
  static void mSetDesignators(CmTimeCls& t, const wchar_t* am, const wchar_t* pm) {
    t.m_sAM = t.m_sAMLower = am;
    t.m_sPM = t.m_sPMLower = pm;
    t.m_sAMLower.mMakeLower();
    t.m_sPMLower.mMakeLower();
  }
  static int mIsMonthName(const CmTimeCls& t, const wchar_t* upperText, bool* abbreviation) {
    return t.mIsMonthName(upperText, abbreviation);
  }
  static void mSetFields(CmTimeCls& t, bool b24Hour, CmTimeCls::EAMPMFormat style) {
    t.m_b24Hour = b24Hour;
    t.m_eAMPMFormat = style;
  }
};
