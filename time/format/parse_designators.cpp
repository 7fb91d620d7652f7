// The AM/PM tokens of a format text: "A/P", "AM/PM" (in any case, with or
// without a blank before them) and the locale's designator pair.

#include <string>

#include "CmTimeCls.h"
#include "time/format/parser_scan.h"

namespace cvn::detail {
namespace {

// True when c is the first character of text (never for an empty text).
bool mIsFirstOf(wchar_t c, const std::wstring& text) { return !text.empty() && text[0] == c; }

}  // namespace

CmTimeCls::EAMPMFormat CmFormatScanner::mStyle(int base, bool bUpper, bool bBlankBefore) {
  // Within each family of four: upper spaced, lower spaced, upper, lower.
  const int iOffset = (bBlankBefore ? 0 : 2) + (bUpper ? 0 : 1);  // [0, 3]
  return static_cast<CmTimeCls::EAMPMFormat>(base + iOffset);
}

int CmFormatScanner::mHandleDesignatorToken(int start, int len) {
  const xFormatDesignators& xD = m_xIn.xDesignators;
  // A run of several letters counts from its last letter.
  const int iPos = start + len - 1;
  if (m_xOut.bElapsedTimeFlag) mReject();  // no designator with an elapsed time
  const bool bBlankBefore = mUpperAt(iPos - 1) == L' ';
  const wchar_t cFirst = mGivenAt(iPos);
  const bool bUpper =
      !(mIsFirstOf(cFirst, xD.sAMDefaultLower) || mIsFirstOf(cFirst, xD.sPMDefaultLower));

  // "A/P": one letter, a slash and the first letter of "PM".
  if (mUpperAt(iPos + 1) == L'/' && mIsFirstOf(mUpperAt(iPos + 2), xD.sPMDefault)) {
    m_xOut.eAMPMFormat = mStyle(CmTimeCls::eApUpperSpaced, bUpper, bBlankBefore);
    m_xOut.b24Hour = false;
    return iPos + 3;
  }

  // "AM/PM": the second letter of "AM", a slash and the two letters of "PM".
  if (m_iLength - (iPos + 1) >= 4 && xD.sAMDefault.size() >= 2 && xD.sPMDefault.size() >= 2 &&
      mUpperAt(iPos + 1) == xD.sAMDefault[1] && mUpperAt(iPos + 2) == L'/' &&
      mUpperAt(iPos + 3) == xD.sPMDefault[0] && mUpperAt(iPos + 4) == xD.sPMDefault[1]) {
    m_xOut.b24Hour = false;
    if (m_bResult) m_xOut.eAMPMFormat = mStyle(CmTimeCls::eAmPmUpperSpaced, bUpper, bBlankBefore);
    return iPos + 5;
  }

  // The locale pair, when it starts with "A" or "P" too ("A.M./P.M.").
  const std::wstring sPair = xD.sAM + L"/" + xD.sPM;
  const size_t iFrom = static_cast<size_t>(iPos);
  if (iFrom + sPair.size() <= m_sUpper.size() &&
      m_sUpper.compare(iFrom, sPair.size(), sPair) == 0) {
    m_xOut.b24Hour = false;
    if (m_bResult) m_xOut.eAMPMFormat = mStyle(CmTimeCls::eLocaleSpaced, bUpper, bBlankBefore);
    return iPos + static_cast<int>(sPair.size());
  }

  // Decision: a lone designator ("h:mm AM", "h:mm a") is refused. Only the
  // pairs above are accepted, the forms the generator writes back.
  mReject();
  return start + len;
}

int CmFormatScanner::mHandleLocaleDesignator(wchar_t c, int start, int len) {
  const xFormatDesignators& xD = m_xIn.xDesignators;
  if (xD.sAM.empty() || xD.sPM.empty() || (c != xD.sAM[0] && c != xD.sPM[0])) {
    mReject();
    return start + len;
  }
  const int iPos = start + len - 1;
  const bool bBlankBefore = mUpperAt(iPos - 1) == L' ';
  const wchar_t cFirst = mGivenAt(start);
  const bool bUpper = !mIsFirstOf(cFirst, xD.sAMLower) && !mIsFirstOf(cFirst, xD.sPMLower);

  // The pair must close the format.
  const std::wstring sPair = xD.sAM + L"/" + xD.sPM;
  if (m_sUpper.compare(static_cast<size_t>(iPos), std::wstring::npos, sPair) != 0) {
    mReject();
    return start + len;
  }
  m_xOut.b24Hour = false;
  m_xOut.eAMPMFormat = mStyle(CmTimeCls::eLocaleSpaced, bUpper, bBlankBefore);
  return m_iLength;
}

}  // namespace cvn::detail
