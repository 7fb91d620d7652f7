// Splitting a typed text into its date, time and AM/PM designator pieces in
// one left-to-right pass, driven by a few state flags, and reporting the
// designator style the text used.

#include <cwchar>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/reader/reader_impl.h"

using cvn::detail::mIsReaderBlank;

namespace {

enum eTarget { kToDate = 0, kToTime = 1, kToAmPm = 2 };

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

bool CmTimeReaderImpl::mSplit(const CmTimeCls& t, const wchar_t* text, xPieces* out,
                              EAMPMFormat* style, bool* hasDateOrDesignator) {
  out->sDate.clear();
  out->sTime.clear();
  out->pAmPm = L"";
  out->iAmPmLen = 0;
  *style = CmTimeCls::eAmPmUpperSpaced;
  if (text == nullptr) text = L"";
  const size_t uLen = std::wcslen(text);

  // Date parts before the first clock part, and whether a numeric text
  // under an elapsed format that starts with a clock part is all time.
  int iDatePartCount = 0;
  int iTarget = kToDate;
  const int iNumParts = t.m_iNumParts < CmTimeCls::kMaxParts ? t.m_iNumParts : CmTimeCls::kMaxParts;
  for (int i = 0; i < iNumParts; ++i) {
    const xTimePartsEnum ePart = t.m_xParts[i].ePart;
    if (ePart >= xYear && ePart <= xDay) {
      ++iDatePartCount;
    } else if (ePart >= xHour && ePart <= xSecond) {
      if (i == 0 && CmTimeCls::m_bElapsedTimeFlag && mIsNumeric(text) &&
          (ePart == xSecond || std::wcschr(text, L'.') == nullptr)) {
        iTarget = kToTime;
      }
      break;
    }
  }

  const wchar_t cDecimal = mGetInputDecimal();
  const bool bTextHasDateSepChar = std::wcspbrk(text, L"/-.") != nullptr;
  const bool bBlankDateSep = t.m_sDateSep == L" " || t.m_sDateSep == L", ";

  bool bInToken = false;
  bool bPrevDigit = false;
  bool bAfterBlank = false;
  int iBlankCount = 0;
  bool bSpaced = false;
  bool bDesignator = false;
  size_t uAmPmStart = uLen;
  bool bOk = true;

  // The date text collected so far becomes the time text, and what follows
  // is the designator.
  auto mMoveDateToTime = [&](size_t uAt) {
    out->sDate.trim();
    if (out->sDate.n > kMaxTimeText || out->sDate.empty()) return false;
    out->sTime.assign(out->sDate.s, out->sDate.n);
    out->sDate.clear();
    iTarget = kToAmPm;
    uAmPmStart = uAt;
    return true;
  };
  auto mStartsDesignator = [&](wchar_t c) {
    return mIsFirstLetterOf(c, t.m_sAM) || mIsFirstLetterOf(c, t.m_sPM) ||
           mIsFirstLetterOf(c, t.m_sAMDefault) || mIsFirstLetterOf(c, t.m_sPMDefault);
  };

  for (size_t i = 0; i < uLen && bOk; ++i) {
    const wchar_t c = text[i];
    const bool bDigit = cvn::detail::mReaderIsDigit(c);
    const bool bAlpha = !bDigit && cvn::detail::mReaderIsAlpha(c);
    const bool bAmPmEmpty = (iTarget != kToAmPm);

    // Decide where the character goes.
    if (bInToken) {
      if (bAfterBlank) {
        if (bDigit) {
          if (!out->sTime.empty()) {
            bOk = false;  // a second number after the time
            break;
          }
          iTarget = kToTime;
        } else if (bAlpha) {
          bDesignator = bAmPmEmpty && mStartsDesignator(c);
          if (bDesignator) {
            if (out->sTime.empty() && !mMoveDateToTime(i)) {
              bOk = false;
              break;
            }
            bSpaced = true;
            if (iTarget != kToAmPm) uAmPmStart = i;
            iTarget = kToAmPm;
          }
        }
      } else if (bAlpha && bPrevDigit) {
        // A word glued to a number starts a designator only when it is the
        // start of one, regional or the "AM"/"PM" that every 12-hour format
        // may write: "10:30PM" splits, "5Mar2020" does not, nor "16 April"
        // beside five-letter designators such as "vorm.", nor a glued "PM"
        // under settings without designators.
        size_t uEnd = i;
        while (uEnd < uLen && cvn::detail::mReaderIsAlpha(text[uEnd])) ++uEnd;
        const int iWord = static_cast<int>(uEnd - i);
        const bool bCanStart = mIsPrefixOf(text + i, iWord, t.m_sAM) ||
                               mIsPrefixOf(text + i, iWord, t.m_sPM) ||
                               mIsPrefixOf(text + i, iWord, t.m_sAMDefault) ||
                               mIsPrefixOf(text + i, iWord, t.m_sPMDefault);
        if (bCanStart && bAmPmEmpty && mStartsDesignator(c)) {
          if (out->sTime.empty() && !mMoveDateToTime(i)) {
            bOk = false;
            break;
          }
          if (iTarget != kToAmPm) uAmPmStart = i;
          iTarget = kToAmPm;
        }
      }
    }

    // Append it.
    if (iTarget == kToDate) {
      if (!out->sDate.push(c)) bOk = false;
    } else if (iTarget == kToTime) {
      if (!out->sTime.push(c)) bOk = false;
    }
    if (!bOk) break;

    // Classify it.
    if (!bInToken) {
      bInToken = bDigit || bAlpha || c == cDecimal;
      bPrevDigit = bInToken && bDigit;
    } else if (mIsReaderBlank(c)) {
      ++iBlankCount;
      bDesignator = false;
      size_t j = i + 1;
      while (j < uLen && mIsReaderBlank(text[j])) ++j;
      if (j < uLen) {
        const wchar_t cNext = text[j];
        if (cNext == L'a' || cNext == L'A' || cNext == L'p' || cNext == L'P') bDesignator = true;
      }
      if (bBlankDateSep) {
        if (iBlankCount >= iDatePartCount) bAfterBlank = true;
      } else if (bTextHasDateSepChar || iBlankCount > 1 || bDesignator) {
        bAfterBlank = true;
      }
    } else {
      bAfterBlank = false;
      if (bDigit || bAlpha) {
        bInToken = true;
        bPrevDigit = bDigit;
      } else if (c == cDecimal || c == L',') {
        bInToken = true;
        bPrevDigit = false;
      } else {
        bInToken = false;
        bPrevDigit = false;
      }
    }
  }

  out->sDate.trim();
  out->sTime.trim();
  if (bOk && iTarget == kToAmPm) {
    out->pAmPm = text + uAmPmStart;
    out->iAmPmLen = static_cast<int>(uLen - uAmPmStart);
  }
  if (!bOk) return false;

  // The designator must be one of the accepted texts.
  bool bRegional = false;
  if (out->iAmPmLen > 0) {
    *hasDateOrDesignator = true;
    if (mEqualsIgnoringCase(out->pAmPm, t.m_sAM) || mEqualsIgnoringCase(out->pAmPm, t.m_sPM)) {
      bRegional = !(t.m_sAM == L"AM");
    } else if (!mEqualsIgnoringCase(out->pAmPm, t.m_sAMDefault) &&
               !mEqualsIgnoringCase(out->pAmPm, t.m_sPMDefault) &&
               !mEqualsFirstLetter(out->pAmPm, t.m_sAMDefault) &&
               !mEqualsFirstLetter(out->pAmPm, t.m_sPMDefault)) {
      return false;
    }
  }

  // A lone clock time such as 10:30 was collected as date text.
  if (!out->sDate.empty() && out->sTime.empty() && !t.m_sTimeSep.empty() &&
      out->sDate.contains(t.m_sTimeSep.c_str(), t.m_sTimeSep.length())) {
    if (out->sDate.n > kMaxTimeText) return false;
    out->sTime.assign(out->sDate.s, out->sDate.n);
    out->sDate.clear();
  }

  if (out->iAmPmLen > 0) {
    const bool bUpper = mIsUpperCase(out->pAmPm);
    int iStyle = 0;
    if (bRegional) {
      iStyle = 8;
    } else if (out->iAmPmLen >= 2) {
      iStyle = 0;
    } else {
      iStyle = 4;
    }
    if (!bSpaced) iStyle += 2;
    if (!bUpper) iStyle += 1;
    *style = static_cast<EAMPMFormat>(iStyle);  // [0, 11]
  }

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
