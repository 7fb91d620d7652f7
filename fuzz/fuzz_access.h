// The fuzz targets' window on the private fields of CmTimeCls: the whole
// current format as a comparable value, and the few fields an invariant
// needs. Each target is a single translation unit, so each executable holds
// exactly one definition of CmTimeClsTestAccess.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "CmTimeCls.h"
#include "fuzz/fuzz_common.h"
#include "time/format/format_cache.h"
#include "time/format/format_state.h"
#include "time/reader/reader_impl.h"

namespace cvn::fuzz {

// Everything that makes up an object's current format and the class-wide
// flags that go with it.
struct xFormatState {
  std::wstring sText;
  int iNumParts = 0;
  std::vector<std::pair<int, int>> vParts;
  bool b24Hour = true;
  int iAMPMFormat = 0;
  int iFormat = 0;
  std::wstring sDateSep;
  std::wstring sTimeSep;
  bool bElapsed = false;
  bool bComma = false;

  bool operator==(const xFormatState& o) const {
    return sText == o.sText && iNumParts == o.iNumParts && vParts == o.vParts &&
           b24Hour == o.b24Hour && iAMPMFormat == o.iAMPMFormat && iFormat == o.iFormat &&
           sDateSep == o.sDateSep && sTimeSep == o.sTimeSep && bElapsed == o.bElapsed &&
           bComma == o.bComma;
  }
  bool operator!=(const xFormatState& o) const { return !(*this == o); }

  std::string mDescribe() const {
    std::string s = "text \"" + mShow(sText) + "\" parts " + std::to_string(iNumParts) + " [";
    for (const auto& p : vParts) {
      s += "(" + std::to_string(p.first) + "," + std::to_string(p.second) + ")";
    }
    s += "] 24h " + std::to_string(b24Hour) + " ampm " + std::to_string(iAMPMFormat) + " class " +
         std::to_string(iFormat) + " datesep \"" + mShow(sDateSep) + "\" timesep \"" +
         mShow(sTimeSep) + "\" elapsed " + std::to_string(bElapsed) + " comma " +
         std::to_string(bComma);
    return s;
  }
};

}  // namespace cvn::fuzz

struct CmTimeClsTestAccess {
  static cvn::fuzz::xFormatState mState(const CmTimeCls& t) {
    cvn::fuzz::xFormatState s;
    s.sText = t.m_sDateTimeFmt.str();
    s.iNumParts = t.m_iNumParts;
    for (int i = 0; i < t.m_iNumParts && i < CmTimeCls::kMaxParts; ++i) {
      s.vParts.emplace_back(static_cast<int>(t.m_xParts[i].ePart), t.m_xParts[i].iCount);
    }
    s.b24Hour = t.m_b24Hour;
    s.iAMPMFormat = static_cast<int>(t.m_eAMPMFormat);
    s.iFormat = static_cast<int>(t.m_eFormat);
    s.sDateSep = t.m_sDateSep.str();
    s.sTimeSep = t.m_sTimeSep.str();
    s.bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    s.bComma = CmTimeCls::m_bFmtHasComma;
    return s;
  }
  // What a refused format leaves and the per-read flags, as one text.
  static std::string mLeftovers(const CmTimeCls& t) {
    return cvn::fuzz::mShow(t.m_sRejectedDateSep.str()) + "|" + mShowRejectedTime(t) + "|" +
           std::to_string(t.m_eRejectedFormat) + "|" + std::to_string(t.m_bReadWithDefaultFmt) +
           std::to_string(t.m_bReadElapsed);
  }
  static std::string mShowRejectedTime(const CmTimeCls& t) {
    return cvn::fuzz::mShow(t.m_sRejectedTimeSep.str());
  }
  static bool mParseAbsTime(CmTimeCls& t, const wchar_t* text, int* fields) {
    return t.mParseAbsTime(text, &fields[0], &fields[1], &fields[2], &fields[3], &fields[4],
                           &fields[5], &fields[6]);
  }
  static int mIsMonthName(const CmTimeCls& t, const wchar_t* upperText, bool* abbreviation) {
    return t.mIsMonthName(upperText, abbreviation);
  }
  // The text generated from t's current parts in the given style.
  static std::wstring mGenerate(const CmTimeCls& t, CmTimeCls::EAMPMFormat style, bool cached) {
    CmString s(L"stale");
    if (cached) {
      cvn::detail::mGenerateFormatCached(t, t.m_iNumParts, t.m_xParts, t.m_sDateSep.c_str(),
                                         t.m_sTimeSep.c_str(), t.m_b24Hour, style, s);
    } else {
      t.mGenerateFormat(t.m_iNumParts, t.m_xParts, t.m_sDateSep.c_str(), t.m_sTimeSep.c_str(),
                        t.m_b24Hour, style, s);
    }
    return s.str();
  }
  // The regional designator pair, upper and lower case.
  static void mSetRegionalDesignators(CmTimeCls& t, const wchar_t* am, const wchar_t* pm) {
    t.m_sAM = t.m_sAMLower = am;
    t.m_sPM = t.m_sPMLower = pm;
    t.m_sAMLower.mMakeLower();
    t.m_sPMLower.mMakeLower();
  }
  static int mNumParts(const CmTimeCls& t) { return t.m_iNumParts; }
  static CmTimeCls::xTimePartsStruct mPart(const CmTimeCls& t, int i) { return t.m_xParts[i]; }
  static bool m24Hour(const CmTimeCls& t) { return t.m_b24Hour; }
  static bool mReadElapsed(const CmTimeCls& t) { return t.m_bReadElapsed; }
  static std::wstring mDefaultDateTime(const CmTimeCls& t) {
    return t.m_sShortDateFmt.str() + L" " + t.m_sTimeFmt.str();
  }
  static int mNumDefFmts(const CmTimeCls& t) { return t.m_iNumDefFmts; }
  // The canonical text of the object's parsed format.
  static std::wstring mCanonical(const CmTimeCls& t) {
    CmString s;
    t.mGenerateFormat(t.m_iNumParts, t.m_xParts, t.m_sDateSep.c_str(), t.m_sTimeSep.c_str(),
                      t.m_b24Hour, t.m_eAMPMFormat, s);
    return s.str();
  }
};
