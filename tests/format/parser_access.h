// Test access to the private members of CmTimeCls for the parser and
// generator tests: designators, the parser and generator themselves, the
// default formats, and a guard that puts the shared state back.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"

// One parse: the result and every output.
struct xParsed {
  bool bOk = false;
  std::wstring sDateSep;
  std::wstring sTimeSep;
  int iNumParts = 0;
  CmTimeCls::xTimePartsStruct xParts[CmTimeCls::kMaxParts] = {};
  bool b24Hour = true;
  CmTimeCls::EAMPMFormat eStyle = CmTimeCls::eAmPmUpperSpaced;
  eFormatType eFormat = eDateFormat;
  bool bElapsed = false;  // the class-wide flag after the parse
};

struct CmTimeClsTestAccess {
  // The locale pair (upper and lower case) and the fixed "AM"/"PM" pair.
  static void mSetDesignators(CmTimeCls& t, const wchar_t* am, const wchar_t* pm,
                              const wchar_t* amLower, const wchar_t* pmLower) {
    t.m_sAM = am;
    t.m_sPM = pm;
    t.m_sAMLower = amLower;
    t.m_sPMLower = pmLower;
    t.m_sAMDefault = L"AM";
    t.m_sPMDefault = L"PM";
    t.m_sAMDefaultLower = L"am";
    t.m_sPMDefaultLower = L"pm";
  }
  static void mSetEnglishDesignators(CmTimeCls& t) {
    mSetDesignators(t, L"AM", L"PM", L"am", L"pm");
  }
  static void mSetGermanDesignators(CmTimeCls& t) {
    mSetDesignators(t, L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  }

  // Parses as the format selector does: the class-wide elapsed flag is
  // cleared first.
  static xParsed mParse(CmTimeCls& t, const wchar_t* format) {
    CmTimeCls::m_bElapsedTimeFlag = false;
    return mParseKeepingFlag(t, format);
  }
  static xParsed mParseKeepingFlag(CmTimeCls& t, const wchar_t* format) {
    xParsed r;
    CmString sDateSep(L"stale");
    CmString sTimeSep(L"stale");
    r.bOk =
        t.mParseFormat(format, sDateSep, sTimeSep, &r.iNumParts, r.xParts, &r.b24Hour, &r.eStyle);
    r.sDateSep = sDateSep.str();
    r.sTimeSep = sTimeSep.str();
    r.eFormat = t.m_eFormat;
    r.bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    return r;
  }

  // The canonical text of a parse result; the elapsed flag is given.
  static std::wstring mGenerate(const CmTimeCls& t, const xParsed& r, bool bElapsed) {
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmString sOut(L"stale");
    t.mGenerateFormat(r.iNumParts, r.xParts, r.sDateSep.c_str(), r.sTimeSep.c_str(), r.b24Hour,
                      r.eStyle, sOut);
    return sOut.str();
  }
  static std::wstring mGenerateParts(const CmTimeCls& t,
                                     const std::vector<CmTimeCls::xTimePartsStruct>& parts,
                                     const wchar_t* dateSep, const wchar_t* timeSep, bool b24Hour,
                                     int style, bool bElapsed) {
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmString sOut(L"stale");
    t.mGenerateFormat(static_cast<int>(parts.size()), parts.data(), dateSep, timeSep, b24Hour,
                      static_cast<CmTimeCls::EAMPMFormat>(style), sOut);
    return sOut.str();
  }

  // Parse as the selector would, then the canonical text (elapsed flag set
  // when the text holds "["). Empty when refused.
  static std::wstring mCanonical(CmTimeCls& t, const std::wstring& format) {
    const xParsed r = mParse(t, format.c_str());
    if (!r.bOk) return L"";
    return mGenerate(t, r, format.find(L'[') != std::wstring::npos);
  }

  static std::wstring mMakeAMPM(CmTimeCls& t, int style, int hour) {
    t.m_eAMPMFormat = static_cast<CmTimeCls::EAMPMFormat>(style);
    CmString sOut;
    t.mMakeAMPMFormat(hour, sOut);
    return sOut.str();
  }
  static int mWidest(const CmTimeCls& t, xTimePartsEnum part) {
    return t.mGetWidestFormattedWidth(part);
  }

  static void mSetFormatClass(CmTimeCls& t, eFormatType e) { t.m_eFormat = e; }
  static eFormatType mFormatClass(const CmTimeCls& t) { return t.m_eFormat; }

  static void mSetDefFmts(CmTimeCls& t, const std::vector<std::wstring>& formats, int pre15) {
    for (auto& s : t.m_sDefFmts) s.clear();
    for (size_t i = 0; i < formats.size() && i < CmTimeCls::kMaxDefFmts; ++i) {
      t.m_sDefFmts[i] = CmString(formats[i]);
    }
    t.m_iNumDefFmts = static_cast<int>(formats.size());
    t.m_iNumPre15Fmts = pre15;
  }
};

// Puts back what the parser and generator tests change of the shared state:
// the class-wide format flags, the decimal symbols and the month name tables.
class xSharedStateGuard {
 public:
  xSharedStateGuard()
      : m_bElapsed(CmTimeCls::m_bElapsedTimeFlag),
        m_bComma(CmTimeCls::m_bFmtHasComma),
        m_cInput(mGetInputDecimal()),
        m_cOutput(mGetOutputDecimal()) {
    std::memcpy(m_szAbbrev, CmTimeCls::gszMonthAbbrevUpper, sizeof m_szAbbrev);
    std::memcpy(m_szName, CmTimeCls::gszMonthNameUpper, sizeof m_szName);
  }
  ~xSharedStateGuard() {
    CmTimeCls::m_bElapsedTimeFlag = m_bElapsed;
    CmTimeCls::m_bFmtHasComma = m_bComma;
    mSetInputDecimal(m_cInput);
    mSetOutputDecimal(m_cOutput);
    std::memcpy(CmTimeCls::gszMonthAbbrevUpper, m_szAbbrev, sizeof m_szAbbrev);
    std::memcpy(CmTimeCls::gszMonthNameUpper, m_szName, sizeof m_szName);
  }
  xSharedStateGuard(const xSharedStateGuard&) = delete;
  xSharedStateGuard& operator=(const xSharedStateGuard&) = delete;

 private:
  bool m_bElapsed;
  bool m_bComma;
  wchar_t m_cInput;
  wchar_t m_cOutput;
  wchar_t m_szAbbrev[12][8];
  wchar_t m_szName[12][32];
};

// Narrow text of a wide one for failure messages (non-ASCII as "?").
inline std::string mNarrow(const std::wstring& s) {
  std::string r;
  for (wchar_t c : s) r += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  return r;
}
