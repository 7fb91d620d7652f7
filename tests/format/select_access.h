// Test access to the private fields of CmTimeCls for the selection,
// legal-list, locale and packed-word tests, with helpers shared by them:
// a comparable copy of an object's format state, captured assertion
// reports and regional settings built from the built-in ones.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmTimeCls.h"
#include "CvnMessaging.h"

// Everything that makes up an object's current format, the rejected-value
// fields and the class-wide flags, as plain values.
struct xFormatState {
  std::wstring sText;
  int iNumParts = 0;
  std::vector<std::pair<int, int>> vParts;  // the first iNumParts parts
  bool b24Hour = true;
  int iAMPMFormat = 0;
  int iFormat = 0;
  std::wstring sDateSep;
  std::wstring sTimeSep;
  bool bElapsed = false;
  bool bComma = false;

  friend bool operator==(const xFormatState& a, const xFormatState& b) {
    return a.sText == b.sText && a.iNumParts == b.iNumParts && a.vParts == b.vParts &&
           a.b24Hour == b.b24Hour && a.iAMPMFormat == b.iAMPMFormat && a.iFormat == b.iFormat &&
           a.sDateSep == b.sDateSep && a.sTimeSep == b.sTimeSep && a.bElapsed == b.bElapsed &&
           a.bComma == b.bComma;
  }
  friend std::ostream& operator<<(std::ostream& os, const xFormatState& s) {
    os << "text \"" << std::string(s.sText.begin(), s.sText.end()) << "\" parts " << s.iNumParts
       << " [";
    for (const auto& p : s.vParts) os << "(" << p.first << "," << p.second << ")";
    os << "] 24h " << s.b24Hour << " ampm " << s.iAMPMFormat << " class " << s.iFormat
       << " datesep \"" << std::string(s.sDateSep.begin(), s.sDateSep.end()) << "\" timesep \""
       << std::string(s.sTimeSep.begin(), s.sTimeSep.end()) << "\" elapsed " << s.bElapsed
       << " comma " << s.bComma;
    return os;
  }
};

struct CmTimeClsTestAccess {
  static xFormatState mState(const CmTimeCls& t) {
    xFormatState s;
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
  static const CmString& mText(const CmTimeCls& t) { return t.m_sDateTimeFmt; }
  static int mNumParts(const CmTimeCls& t) { return t.m_iNumParts; }
  static CmTimeCls::xTimePartsStruct mPart(const CmTimeCls& t, int i) { return t.m_xParts[i]; }
  static bool m24Hour(const CmTimeCls& t) { return t.m_b24Hour; }
  static CmTimeCls::EAMPMFormat mAMPM(const CmTimeCls& t) { return t.m_eAMPMFormat; }
  static std::wstring mRejectedDateSep(const CmTimeCls& t) { return t.m_sRejectedDateSep.str(); }
  static std::wstring mRejectedTimeSep(const CmTimeCls& t) { return t.m_sRejectedTimeSep.str(); }
  static eFormatType mRejectedFormat(const CmTimeCls& t) { return t.m_eRejectedFormat; }

  static std::wstring mAM(const CmTimeCls& t) { return t.m_sAM.str(); }
  static std::wstring mPM(const CmTimeCls& t) { return t.m_sPM.str(); }
  static std::wstring mAMLower(const CmTimeCls& t) { return t.m_sAMLower.str(); }
  static std::wstring mPMLower(const CmTimeCls& t) { return t.m_sPMLower.str(); }
  static std::wstring mAMDefault(const CmTimeCls& t) { return t.m_sAMDefault.str(); }
  static std::wstring mPMDefaultLower(const CmTimeCls& t) { return t.m_sPMDefaultLower.str(); }
  static std::wstring mShortDate(const CmTimeCls& t) { return t.m_sShortDateFmt.str(); }
  static std::wstring mTimeFmt(const CmTimeCls& t) { return t.m_sTimeFmt.str(); }
  static void mSetShortDate(CmTimeCls& t, const wchar_t* s) { t.m_sShortDateFmt = s; }
  static void mSetTimeFmt(CmTimeCls& t, const wchar_t* s) { t.m_sTimeFmt = s; }
  static int mNumPre15(const CmTimeCls& t) { return t.m_iNumPre15Fmts; }
  static bool mAbbrevMonths(const CmTimeCls& t) { return t.m_bAbbrevMonthNames; }
  static int mInitDay(const CmTimeCls& t) { return t.m_iInitDay; }
  static double mInitTimeOfDay(const CmTimeCls& t) { return t.m_dInitTimeOfDay; }
  static std::vector<std::wstring> mDefFmts(const CmTimeCls& t) {
    std::vector<std::wstring> v;
    for (int i = 0; i < t.m_iNumDefFmts && i < CmTimeCls::kMaxDefFmts; ++i) {
      v.push_back(t.m_sDefFmts[i].str());
    }
    return v;
  }
  // Entries past m_iNumDefFmts, which must all be empty.
  static bool mUnusedDefFmtsEmpty(const CmTimeCls& t) {
    for (int i = t.m_iNumDefFmts; i < CmTimeCls::kMaxDefFmts; ++i) {
      if (i >= 0 && !t.m_sDefFmts[i].empty()) return false;
    }
    return true;
  }
};

namespace cvn::test {

// The assertion reports made while one object of this type lives.
class AssertCapture {
 public:
  struct xReport {
    std::string sExpression;
    std::string sFile;
    unsigned uLine;
  };
  AssertCapture() : m_pPrevious(mSetAssertHandler(&mRecord)) { mReports().clear(); }
  ~AssertCapture() { mSetAssertHandler(m_pPrevious); }
  AssertCapture(const AssertCapture&) = delete;
  AssertCapture& operator=(const AssertCapture&) = delete;

  const std::vector<xReport>& mGet() const { return mReports(); }
  void mClear() { mReports().clear(); }

 private:
  static std::vector<xReport>& mReports() {
    static std::vector<xReport> s_vReports;
    return s_vReports;
  }
  static void mRecord(const char* expression, const char* file, unsigned line) {
    mReports().push_back(
        {expression != nullptr ? expression : "", file != nullptr ? file : "", line});
  }
  CmAssertHandler m_pPrevious;
};

inline std::string mNarrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  return out;
}

// The canonical text of format as an object reports it, "" when refused.
inline std::wstring mCanonical(const wchar_t* format) {
  CmTimeCls t;
  if (!t.mSetFormat(format)) return L"";
  CmString s;
  int iWidth = 0;
  bool bDate = false;
  bool bTime = false;
  t.mGetFormat(s, &iWidth, &bDate, &bTime);
  return s.str();
}

}  // namespace cvn::test
