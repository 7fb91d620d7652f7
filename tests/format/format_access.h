// Test access to the private members of CmTimeCls for the format tests, and
// what they share: parse results and an object's format state as
// comparable texts, captured assertion reports, and a fixture that runs each
// test under the built-in settings and puts back the shared state.
#pragma once

#include <gtest/gtest.h>

#include <cwchar>
#include <sstream>
#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmTimeCls.h"
#include "CvnMessaging.h"
#include "platform/settings_guard.h"

using Part = CmTimeCls::xTimePartsStruct;
using Strings = std::vector<std::wstring>;
using cvn::test::RegionalSettingsGuard;

// Parts as codes: a hex digit for the kind (1 year, 2 "Qq", 3 "qQ", 4-6 month
// number/abbreviation/name, 7 "Wkw", 8 "wWk", 9 day, a hour, b minute, c
// second, d-f hundredth/tenth/thousandth) and the count: "m/d/yy" is
// "41 91 12".
inline std::wstring mPartCodes(int n, const Part* p) {
  std::wstring s;
  for (int i = 0; i < n && i < CmTimeCls::kMaxParts; ++i) {
    s += (i > 0 ? L" " : L"") + std::wstring(1, L"0123456789abcdef"[p[i].ePart & 15]) +
         std::to_wstring(p[i].iCount);
  }
  return s;
}

inline Strings mTexts(const std::vector<CmString>& v) {
  Strings vs;
  for (const CmString& s : v) vs.push_back(s.str());
  return vs;
}

inline CmRegionalSettings mSettings(const wchar_t* shortDate, const wchar_t* dateSep,
                                    const wchar_t* timeFormat, const wchar_t* am,
                                    const wchar_t* pm) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sShortDate = shortDate, x.sDateSep = dateSep, x.sTimeFormat = timeFormat;
  x.sAM = am, x.sPM = pm;
  return x;
}

struct CmTimeClsTestAccess {
  // The locale pair: upper case and lower case.
  static void mDesignators(CmTimeCls& t, const wchar_t* am, const wchar_t* pm, const wchar_t* amL,
                           const wchar_t* pmL) {
    t.m_sAM = am, t.m_sPM = pm, t.m_sAMLower = amL, t.m_sPMLower = pmL;
  }
  // Parses with the elapsed flag set to bElapsed first. The outcome is
  // "parts|date separator|class and style": class D, T or X (date-time),
  // the style only for a 12-hour format ("?" for a 24-hour one whose style
  // is not 0); then "|time separator" unless ":", "|[" when the elapsed
  // flag is set after, and "!" first when refused. *pCanonical receives the
  // text generated from the outputs ("" when refused).
  static std::wstring mParse(CmTimeCls& t, const wchar_t* format, bool bElapsed = false,
                             std::wstring* pCanonical = nullptr) {
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmString sDateSep(L"?"), sTimeSep(L"?");
    int n = 0;
    Part xParts[CmTimeCls::kMaxParts] = {};
    bool b24Hour = false;
    CmTimeCls::EAMPMFormat eStyle = CmTimeCls::eLocaleLower;
    const bool bOk = t.mParseFormat(format, sDateSep, sTimeSep, &n, xParts, &b24Hour, &eStyle);
    const bool bElapsedAfter = CmTimeCls::m_bElapsedTimeFlag;
    if (pCanonical != nullptr) {
      *pCanonical = bOk ? mGenerate(t, mPartCodes(n, xParts), sDateSep.c_str(),
                                    b24Hour ? -1 : eStyle, std::wcschr(format, L'[') != nullptr)
                        : L"";
    }
    return (bOk ? L"" : L"!") + mPartCodes(n, xParts) + L"|" + sDateSep.str() + L"|" +
           L"DTX?"[t.m_eFormat & 3] + (b24Hour ? L"" : std::to_wstring(eStyle)) +
           (b24Hour && eStyle != 0 ? L"?" : L"") +
           (sTimeSep.str() != L":" ? L"|" + sTimeSep.str() : L"") + (bElapsedAfter ? L"|[" : L"");
  }
  // Generates from parts given as codes; style -1: a 24-hour format. The
  // time separator is ":".
  static std::wstring mGenerate(const CmTimeCls& t, const std::wstring& codes,
                                const wchar_t* dateSep, int style, bool bElapsed) {
    std::vector<Part> parts;
    std::wistringstream in(codes);
    for (std::wstring c; in >> c;) {
      parts.push_back({static_cast<xTimePartsEnum>(std::stoi(c.substr(0, 1), nullptr, 16)),
                       std::stoi(c.substr(1))});
    }
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmString sOut(L"stale");
    t.mGenerateFormat(static_cast<int>(parts.size()), parts.data(), dateSep, L":", style < 0,
                      static_cast<CmTimeCls::EAMPMFormat>(style < 0 ? 0 : style), sOut);
    return sOut.str();
  }
  static std::wstring mMakeAMPM(CmTimeCls& t, int style, int hour) {
    CmString sOut;
    t.m_eAMPMFormat = static_cast<CmTimeCls::EAMPMFormat>(style);
    t.mMakeAMPMFormat(hour, sOut);
    return sOut.str();
  }
  static int mWidest(const CmTimeCls& t, xTimePartsEnum e) { return t.mGetWidestFormattedWidth(e); }
  // "text|parts|24-hour flag, style, class|date separator|time separator|
  // elapsed and comma flags" of the current format.
  static std::wstring mState(const CmTimeCls& t) {
    return t.m_sDateTimeFmt.str() + L"|" + mPartCodes(t.m_iNumParts, t.m_xParts) + L"|" +
           std::to_wstring(t.m_b24Hour) + std::to_wstring(t.m_eAMPMFormat) +
           std::to_wstring(t.m_eFormat) + L"|" + t.m_sDateSep.str() + L"|" + t.m_sTimeSep.str() +
           L"|" + std::to_wstring(t.m_bElapsedTimeFlag) + std::to_wstring(t.m_bFmtHasComma);
  }
  static std::wstring mRejected(const CmTimeCls& t) {
    return t.m_sRejectedDateSep.str() + L"|" + t.m_sRejectedTimeSep.str() + L"|" +
           std::to_wstring(t.m_eRejectedFormat);
  }
  // "short date|time format|locale AM|its lower case|fixed AM".
  static std::wstring mRegional(const CmTimeCls& t) {
    return t.m_sShortDateFmt.str() + L"|" + t.m_sTimeFmt.str() + L"|" + t.m_sAM.str() + L"|" +
           t.m_sAMLower.str() + L"|" + t.m_sAMDefault.str();
  }
  // The default formats, then the count of older ones; mSetDefFmts sets them.
  static Strings mDefFmts(const CmTimeCls& t) {
    Strings v = mTexts(std::vector<CmString>(t.m_sDefFmts, t.m_sDefFmts + t.m_iNumDefFmts));
    v.push_back(std::to_wstring(t.m_iNumPre15Fmts));
    return v;
  }
  static void mSetDefFmts(CmTimeCls& t, const Strings& v, int pre15) {
    for (size_t i = 0; i < CmTimeCls::kMaxDefFmts; ++i) t.m_sDefFmts[i] = i < v.size() ? v[i] : L"";
    t.m_iNumDefFmts = static_cast<int>(v.size()), t.m_iNumPre15Fmts = pre15;
  }
};

// The assertion reports ("expression|file|line") made while one lives.
struct xAssertCapture {
  static inline std::vector<std::string> vReports;
  xAssertCapture() { vReports.clear(); }
  ~xAssertCapture() { mSetAssertHandler(pPrevious); }
  CmAssertHandler pPrevious = mSetAssertHandler([](const char* e, const char* f, unsigned l) {
    vReports.push_back(std::string(e) + "|" + f + "|" + std::to_string(l));
  });
};

// Runs each test under the built-in settings with one object made under
// them; afterwards the lists are empty and the decimal symbols as they were.
class FormatTest : public ::testing::Test {
 protected:
  ~FormatTest() override {
    m_t.mDeleteAllFormats();
    mSetInputDecimal(m_cInput), mSetOutputDecimal(m_cOutput);
  }
  RegionalSettingsGuard m_xSettings{mBuiltInRegionalSettings()};
  wchar_t m_cInput = mGetInputDecimal(), m_cOutput = mGetOutputDecimal();
  CmTimeCls m_t;
};
