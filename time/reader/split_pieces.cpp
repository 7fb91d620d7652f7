// Splitting a typed text into its date, time and AM/PM designator pieces in
// one left-to-right pass, in named steps (xSplitter), and reporting the
// designator style the text used.

#include <cwchar>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/ampm_style.h"
#include "time/reader/reader_impl.h"

using cvn::detail::mIsReaderBlank;

namespace {

bool mSameLetter(wchar_t a, wchar_t b) { return mToLower(a) == mToLower(b); }

// True when c equals, ignoring case, the first letter of the nonempty s.
bool mIsFirstLetterOf(wchar_t c, const CmString& s) { return !s.empty() && mSameLetter(c, s[0]); }

// True when the len characters at p are, ignoring case, a prefix of s.
bool mIsPrefixOf(const wchar_t* p, int len, const CmString& s) {
  if (len > s.length()) return false;
  for (int i = 0; i < len; ++i) {
    if (!mSameLetter(p[i], s[i])) return false;
  }
  return true;
}

// The whole text equals s ignoring case (s may be empty: then never).
bool mEqualsIgnoringCase(const wchar_t* text, const CmString& s) {
  return !s.empty() && mStrCompareIgnore(text, s.c_str()) == 0;
}

// The one-letter text equal to the first letter of s, ignoring case.
bool mEqualsFirstLetter(const wchar_t* text, const CmString& s) {
  return !s.empty() && text[0] != L'\0' && text[1] == L'\0' && mSameLetter(text[0], s[0]);
}

bool mIsUpperCase(const wchar_t* text) {
  for (; *text != L'\0'; ++text) {
    if (mToUpper(*text) != *text) return false;
  }
  return true;
}

}  // namespace

bool CmTimeReaderImpl::mIsAMDesignator(const CmTimeCls& t, const wchar_t* text) {
  return mEqualsIgnoringCase(text, t.m_sAM) || mEqualsIgnoringCase(text, t.m_sAMDefault) ||
         mEqualsFirstLetter(text, t.m_sAMDefault);
}

bool CmTimeReaderImpl::mIsPMDesignator(const CmTimeCls& t, const wchar_t* text) {
  return mEqualsIgnoringCase(text, t.m_sPM) || mEqualsIgnoringCase(text, t.m_sPMDefault) ||
         mEqualsFirstLetter(text, t.m_sPMDefault);
}

// One left-to-right pass over a text, each character routed to the date,
// the time or the designator piece. The steps, in the order of mSplit:
// the piece a text starts in, the route of each character, what it says
// about the next one, then the checks and the style of the designator.
class CmTimeReaderImpl::xSplitter {
 public:
  xSplitter(const CmTimeCls& t, const wchar_t* text, xPieces* out)
      : m_t(t), m_pText(text), m_uLen(std::wcslen(text)), m_pOut(out) {}

  // Routes every character; false when a piece overflows or a number
  // follows the time.
  bool mScan() {
    mChooseFirstPiece();
    mReadSettings();
    for (size_t i = 0; i < m_uLen; ++i) {
      const wchar_t c = m_pText[i];
      const bool bDigit = cvn::detail::mReaderIsDigit(c);
      const bool bAlpha = !bDigit && cvn::detail::mReaderIsAlpha(c);
      if (m_bInToken && !mRoute(c, i, bDigit, bAlpha)) return mFinishPieces(false);
      if (!mAppend(c)) return mFinishPieces(false);
      mClassify(c, i, bDigit, bAlpha);
    }
    return mFinishPieces(true);
  }

  // The designator, when there is one, is one of the accepted texts; sets
  // whether it is the regional one.
  bool mDesignatorIsKnown();
  // A lone clock time such as 10:30 was collected as date text.
  bool mMoveLoneClockTime();
  // The style of the designator typed: its family, a blank before it, its case.
  CmTimeCls::EAMPMFormat mStyle() const;

 private:
  enum eTarget { kToDate = 0, kToTime = 1, kToAmPm = 2 };

  // A numeric text under an elapsed format that starts with a clock part is
  // all time; counts the date parts before the first clock part.
  void mChooseFirstPiece();
  void mReadSettings() {
    m_cDecimal = mGetInputDecimal();
    m_bTextHasDateSepChar = std::wcspbrk(m_pText, L"/-.") != nullptr;
    m_bBlankDateSep = m_t.m_sDateSep == L" " || m_t.m_sDateSep == L", ";
  }
  // Where a character inside a token goes when it starts a new piece.
  bool mRoute(wchar_t c, size_t i, bool bDigit, bool bAlpha);
  // A word glued to a number starts a designator only when it is the start
  // of one.
  bool mStartsGluedDesignator(wchar_t c, size_t i) const;
  bool mStartsDesignator(wchar_t c) const;
  // The date text collected so far becomes the time text, and what follows
  // is the designator.
  bool mMoveDateToTime(size_t at);
  void mStartDesignator(size_t at) {
    if (m_iTarget != kToAmPm) m_uAmPmStart = at;
    m_iTarget = kToAmPm;
  }
  bool mAppend(wchar_t c) {
    if (m_iTarget == kToDate) return m_pOut->sDate.push(c);
    if (m_iTarget == kToTime) return m_pOut->sTime.push(c);
    return true;
  }
  // What the character says about the next one: inside a token, after a
  // blank that ends a piece.
  void mClassify(wchar_t c, size_t i, bool bDigit, bool bAlpha);
  void mClassifyBlank(size_t i);
  bool mFinishPieces(bool ok) {
    m_pOut->sDate.trim();
    m_pOut->sTime.trim();
    if (ok && m_iTarget == kToAmPm) {
      m_pOut->pAmPm = m_pText + m_uAmPmStart;
      m_pOut->iAmPmLen = static_cast<int>(m_uLen - m_uAmPmStart);
    }
    return ok;
  }

  const CmTimeCls& m_t;
  const wchar_t* m_pText;
  size_t m_uLen;
  xPieces* m_pOut;

  int m_iDatePartCount = 0;
  int m_iTarget = kToDate;
  wchar_t m_cDecimal = L'.';
  bool m_bTextHasDateSepChar = false;
  bool m_bBlankDateSep = false;

  bool m_bInToken = false;
  bool m_bPrevDigit = false;
  bool m_bAfterBlank = false;
  int m_iBlankCount = 0;
  bool m_bSpaced = false;  // a blank stood before the designator
  bool m_bRegional = false;
  size_t m_uAmPmStart = 0;
};

void CmTimeReaderImpl::xSplitter::mChooseFirstPiece() {
  const int iNumParts =
      m_t.m_iNumParts < CmTimeCls::kMaxParts ? m_t.m_iNumParts : CmTimeCls::kMaxParts;
  for (int i = 0; i < iNumParts; ++i) {
    const xTimePartsEnum ePart = m_t.m_xParts[i].ePart;
    if (ePart >= xYear && ePart <= xDay) {
      ++m_iDatePartCount;
    } else if (ePart >= xHour && ePart <= xSecond) {
      if (i == 0 && CmTimeCls::m_bElapsedTimeFlag && mIsNumeric(m_pText) &&
          (ePart == xSecond || std::wcschr(m_pText, L'.') == nullptr)) {
        m_iTarget = kToTime;
      }
      break;
    }
  }
  m_uAmPmStart = m_uLen;
}

bool CmTimeReaderImpl::xSplitter::mStartsDesignator(wchar_t c) const {
  return mIsFirstLetterOf(c, m_t.m_sAM) || mIsFirstLetterOf(c, m_t.m_sPM) ||
         mIsFirstLetterOf(c, m_t.m_sAMDefault) || mIsFirstLetterOf(c, m_t.m_sPMDefault);
}

bool CmTimeReaderImpl::xSplitter::mStartsGluedDesignator(wchar_t c, size_t i) const {
  // Regional, or the "AM"/"PM" that every 12-hour format may write:
  // "10:30PM" splits, "5Mar2020" does not, nor "16 April" beside five-letter
  // designators such as "vorm.", nor a glued "PM" under settings without
  // designators.
  size_t uEnd = i;
  while (uEnd < m_uLen && cvn::detail::mReaderIsAlpha(m_pText[uEnd])) ++uEnd;
  const int iWord = static_cast<int>(uEnd - i);
  const wchar_t* p = m_pText + i;
  const bool bCanStart = mIsPrefixOf(p, iWord, m_t.m_sAM) || mIsPrefixOf(p, iWord, m_t.m_sPM) ||
                         mIsPrefixOf(p, iWord, m_t.m_sAMDefault) ||
                         mIsPrefixOf(p, iWord, m_t.m_sPMDefault);
  return bCanStart && m_iTarget != kToAmPm && mStartsDesignator(c);
}

bool CmTimeReaderImpl::xSplitter::mMoveDateToTime(size_t at) {
  m_pOut->sDate.trim();
  if (m_pOut->sDate.n > CmTimeReaderImpl::kMaxTimeText || m_pOut->sDate.empty()) return false;
  m_pOut->sTime.assign(m_pOut->sDate.s, m_pOut->sDate.n);
  m_pOut->sDate.clear();
  m_iTarget = kToAmPm;
  m_uAmPmStart = at;
  return true;
}

bool CmTimeReaderImpl::xSplitter::mRoute(wchar_t c, size_t i, bool bDigit, bool bAlpha) {
  if (m_bAfterBlank) {
    if (bDigit) {
      if (!m_pOut->sTime.empty()) return false;  // a second number after the time
      m_iTarget = kToTime;
    } else if (bAlpha && m_iTarget != kToAmPm && mStartsDesignator(c)) {
      if (m_pOut->sTime.empty() && !mMoveDateToTime(i)) return false;
      m_bSpaced = true;
      mStartDesignator(i);
    }
  } else if (bAlpha && m_bPrevDigit && mStartsGluedDesignator(c, i)) {
    if (m_pOut->sTime.empty() && !mMoveDateToTime(i)) return false;
    mStartDesignator(i);
  }
  return true;
}

void CmTimeReaderImpl::xSplitter::mClassifyBlank(size_t i) {
  ++m_iBlankCount;
  // A designator letter next, after the blanks, ends the piece before it.
  size_t j = i + 1;
  while (j < m_uLen && mIsReaderBlank(m_pText[j])) ++j;
  const wchar_t cNext = j < m_uLen ? m_pText[j] : L'\0';
  const bool bDesignatorNext = cNext == L'a' || cNext == L'A' || cNext == L'p' || cNext == L'P';
  if (m_bBlankDateSep) {
    if (m_iBlankCount >= m_iDatePartCount) m_bAfterBlank = true;
  } else if (m_bTextHasDateSepChar || m_iBlankCount > 1 || bDesignatorNext) {
    m_bAfterBlank = true;
  }
}

void CmTimeReaderImpl::xSplitter::mClassify(wchar_t c, size_t i, bool bDigit, bool bAlpha) {
  if (!m_bInToken) {
    m_bInToken = bDigit || bAlpha || c == m_cDecimal;
    m_bPrevDigit = m_bInToken && bDigit;
  } else if (mIsReaderBlank(c)) {
    mClassifyBlank(i);
  } else {
    m_bAfterBlank = false;
    m_bInToken = bDigit || bAlpha || c == m_cDecimal || c == L',';
    m_bPrevDigit = bDigit;
  }
}

bool CmTimeReaderImpl::xSplitter::mDesignatorIsKnown() {
  if (m_pOut->iAmPmLen == 0) return true;
  const wchar_t* pAmPm = m_pOut->pAmPm;
  if (mEqualsIgnoringCase(pAmPm, m_t.m_sAM) || mEqualsIgnoringCase(pAmPm, m_t.m_sPM)) {
    m_bRegional = !(m_t.m_sAM == L"AM");
    return true;
  }
  return mEqualsIgnoringCase(pAmPm, m_t.m_sAMDefault) ||
         mEqualsIgnoringCase(pAmPm, m_t.m_sPMDefault) ||
         mEqualsFirstLetter(pAmPm, m_t.m_sAMDefault) || mEqualsFirstLetter(pAmPm, m_t.m_sPMDefault);
}

bool CmTimeReaderImpl::xSplitter::mMoveLoneClockTime() {
  const CmString& sTimeSep = m_t.m_sTimeSep;
  if (m_pOut->sDate.empty() || !m_pOut->sTime.empty() || sTimeSep.empty() ||
      !m_pOut->sDate.contains(sTimeSep.c_str(), sTimeSep.length())) {
    return true;
  }
  if (m_pOut->sDate.n > CmTimeReaderImpl::kMaxTimeText) return false;
  m_pOut->sTime.assign(m_pOut->sDate.s, m_pOut->sDate.n);
  m_pOut->sDate.clear();
  return true;
}

CmTimeCls::EAMPMFormat CmTimeReaderImpl::xSplitter::mStyle() const {
  if (m_pOut->iAmPmLen == 0) return CmTimeCls::eAmPmUpperSpaced;
  const int iFamily = m_bRegional             ? cvn::detail::kFamilyLocale
                      : m_pOut->iAmPmLen >= 2 ? cvn::detail::kFamilyFullDefault
                                              : cvn::detail::kFamilyFirstLetters;
  return cvn::detail::mComposeStyle(iFamily, !mIsUpperCase(m_pOut->pAmPm), m_bSpaced);
}

bool CmTimeReaderImpl::mSplit(const CmTimeCls& t, const wchar_t* text, xPieces* out,
                              EAMPMFormat* style, bool* hasDateOrDesignator) {
  out->sDate.clear();
  out->sTime.clear();
  out->pAmPm = L"";
  out->iAmPmLen = 0;
  *style = CmTimeCls::eAmPmUpperSpaced;
  xSplitter xSplit(t, text == nullptr ? L"" : text, out);
  if (!xSplit.mScan()) return false;
  if (out->iAmPmLen > 0) *hasDateOrDesignator = true;
  if (!xSplit.mDesignatorIsKnown() || !xSplit.mMoveLoneClockTime()) return false;
  *style = xSplit.mStyle();
  if (!out->sDate.empty() || out->iAmPmLen > 0) *hasDateOrDesignator = true;
  return true;
}

bool CmTimeCls::mSeparateDateTimeAMPM(const wchar_t* text, CmString& dateText, CmString& timeText,
                                      CmString& ampmText, EAMPMFormat* ampmFormat,
                                      bool* hasDateOrDesignator) const {
  dateText.clear();
  timeText.clear();
  ampmText.clear();
  EAMPMFormat eStyle = eAmPmUpperSpaced;
  bool bHas = false;
  CmTimeReaderImpl::xPieces xPieces;
  const bool bOk = CmTimeReaderImpl::mSplit(*this, text, &xPieces, &eStyle, &bHas);
  dateText = xPieces.sDate.s;
  timeText = xPieces.sTime.s;
  ampmText.str().assign(xPieces.pAmPm, static_cast<size_t>(xPieces.iAmPmLen));
  if (ampmFormat != nullptr) *ampmFormat = eStyle;
  if (bHas && hasDateOrDesignator != nullptr) *hasDateOrDesignator = true;
  return bOk;
}
