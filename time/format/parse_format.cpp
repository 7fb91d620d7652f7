// The format-string parser: normalisation of the text and the member
// mParseFormat, which runs the scan (parse_runs.cpp, parse_designators.cpp)
// and the final checks (parse_checks.cpp) on a copy of the object's
// designators and writes the results to the caller's outputs.

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/parser_scan.h"

namespace cvn::detail {

xFormatDesignators mMakeDesignators(const CmString& sAM, const CmString& sPM,
                                    const CmString& sAMLower, const CmString& sPMLower,
                                    const CmString& sAMDefault, const CmString& sPMDefault,
                                    const CmString& sAMDefaultLower,
                                    const CmString& sPMDefaultLower) {
  xFormatDesignators x;
  x.sAM = sAM.str();
  x.sPM = sPM.str();
  x.sAMLower = sAMLower.str();
  x.sPMLower = sPMLower.str();
  x.sAMDefault = sAMDefault.str();
  x.sPMDefault = sPMDefault.str();
  x.sAMDefaultLower = sAMDefaultLower.str();
  x.sPMDefaultLower = sPMDefaultLower.str();
  return x;
}

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
  xIn.xDesignators =
      cvn::detail::mMakeDesignators(m_sAM, m_sPM, m_sAMLower, m_sPMLower, m_sAMDefault,
                                    m_sPMDefault, m_sAMDefaultLower, m_sPMDefaultLower);
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
