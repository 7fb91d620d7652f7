// Reading the date piece of a text against the date parts of the current
// format: the separator in force, compact dates, one token per date part
// (years through the two-digit-year window, quarters, months by number and
// by name, weeks, days) and the length of the month.

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/calendar/calendar_math.h"
#include "time/reader/reader_impl.h"

using cvn::detail::xFixedText;
using cvn::detail::xTokenCursor;

namespace {

using xRecognition = CmTimeReaderImpl::xRecognition;
using xToken = xFixedText<CmTimeReaderImpl::kMaxDateText>;

constexpr wchar_t kQuoteMarks[] = L"'\"";

bool mIsDateSepChar(wchar_t c) { return c == L'/' || c == L'.' || c == L'-'; }

bool mAllDigits(const xToken& tok) {
  for (int i = 0; i < tok.n; ++i) {
    if (!mIsCharDigit(tok.s[i])) return false;
  }
  return tok.n > 0;
}

// Width of a month, day or week number as the format should show it: 2 for a
// two-character number with a leading zero ("03"), else 1 ("3", "12").
int mNumberWidth(const xToken& tok) {
  return (tok.n == 2 && mGetLatinDigit(tok.s[0]) == L'0') ? 2 : 1;
}

// Whether the format text is one of the compact date formats ("yyyymmdd"):
// no separator, quarter or week letter, but a year, a month and a day.
bool mIsCompactFormat(const CmString& fmt) {
  bool bYear = false, bMonth = false, bDay = false;
  for (int i = 0; i < fmt.length(); ++i) {
    const wchar_t c = fmt[i];
    switch (c) {
      case L'/':
      case L'-':
      case L'.':
      case L',':
      case L'Q':
      case L'W':
      case L' ': return false;
      // Format letters are case-blind to the format parser, so "YYYYMMDD"
      // is as compact as "yyyymmdd".
      case L'y':
      case L'Y': bYear = true; break;
      case L'm':
      case L'M': bMonth = true; break;
      case L'd':
      case L'D': bDay = true; break;
      default: break;
    }
  }
  return bYear && bMonth && bDay;
}

void mReadYear(const CmTimeCls::xTimePartsStruct& part, const xToken& tok, int twoDigitMax,
               int twoDigitBase, xRecognition* r) {
  r->bYearWidthMatches = false;
  // Two or four digits and nothing else: a sign or a decimal symbol makes
  // no year ("-202" is four characters but three digits).
  const bool bNumeric = mIsNumeric(tok.s);
  if (!bNumeric || (tok.n != 2 && tok.n != 4) || !mAllDigits(tok)) {
    r->mInvalid();
    r->bDecisive = bNumeric;
    return;
  }
  int iValue = 0;
  if (!CmTimeReaderImpl::mReadIntegerToken(tok.s, &iValue) || iValue > 4000) {
    r->mInvalid();
    return;
  }
  if (tok.n == 2) iValue = cvn::detail::mWindowTwoDigitYear(iValue, twoDigitMax, twoDigitBase);
  r->iYear = iValue;  // [0, 4000], or the window's 100 years
  r->mAddPart(xYear, tok.n);
  if (tok.n == part.iCount) r->bYearWidthMatches = true;
}

void mReadQuarter(xTimePartsEnum ePart, const xToken& tok, xRecognition* r) {
  int iValue = 0;
  // A token that still carries its label ("Q1") is no number at all.
  if (!CmTimeReaderImpl::mReadIntegerToken(tok.s, &iValue)) {
    r->mInvalidNotDecisive();
    return;
  }
  if (iValue < 1 || iValue > 4) {
    r->mInvalid();
    return;
  }
  r->iMonth = 3 * (iValue - 1) + 1;  // 1, 4, 7 or 10
  r->iDay = 1;
  r->bQuarterSeen = true;
  r->mAddPart(ePart, 1);
}

void mReadMonthNumber(const xToken& tok, xRecognition* r) {
  if (tok.n > 2 || !mIsNumeric(tok.s)) r->bDecisive = false;
  int iValue = 0;
  if (!CmTimeReaderImpl::mReadIntegerToken(tok.s, &iValue) || r->bQuarterSeen || r->bWeekSeen) {
    r->mInvalidNotDecisive();
    return;
  }
  if (iValue < 1 || iValue > 12) {
    r->mInvalid();
    return;
  }
  r->iMonth = iValue;
  r->mAddPart(xMonthNumber, mNumberWidth(tok));
}

void mReadMonthName(const CmTimeCls& t, bool abbrevMonthNames, const xToken& tok, xRecognition* r) {
  const CmString& sCharSet = CmGlobalStrings::mInstance()->mGetTimeCharSet();
  const wchar_t cDecimal = mGetInputDecimal();
  bool bLooksLikeName = tok.n >= 3 && !r->bQuarterSeen && !r->bWeekSeen;
  xToken sUpper;
  for (int i = 0; i < tok.n; ++i) {
    const wchar_t c = tok.s[i];
    if (sCharSet.mFind(c) >= 0 || c == cDecimal || c == L'/') bLooksLikeName = false;
    sUpper.push(mToUpper(c));
  }
  if (!bLooksLikeName) r->bDecisive = false;
  if (!abbrevMonthNames && mIsNumeric(tok.s)) {
    r->mInvalid();
    return;
  }
  bool bAbbreviation = false;
  const int iMonth = CmTimeReaderImpl::mMonthOfName(t, sUpper.s, &bAbbreviation);
  if (iMonth < 1 || iMonth > 12 || r->bQuarterSeen || r->bWeekSeen) {
    r->mInvalid();
    return;
  }
  r->iMonth = iMonth;
  r->mAddPart(bAbbreviation ? xMonthAbbrev : xMonthName, bAbbreviation ? 3 : 4);
}

void mReadWeek(xTimePartsEnum ePart, const xToken& tok, xRecognition* r) {
  int iValue = 0;
  if (!CmTimeReaderImpl::mReadIntegerToken(tok.s, &iValue)) {
    r->mInvalidNotDecisive();  // "Wk5" still carries its label
    return;
  }
  if (iValue < 1 || iValue > 53) {
    r->mInvalid();
    return;
  }
  r->iWeek = iValue;
  r->bWeekSeen = true;
  r->mAddPart(ePart, mNumberWidth(tok));
}

void mReadDay(xToken tok, xRecognition* r) {
  if (tok.n > 0 && tok.s[tok.n - 1] == L',') {
    tok.s[--tok.n] = L'\0';  // "March 15, 2020" read at blanks
  }
  if (tok.n > 2) {
    r->mInvalidNotDecisive();
    return;
  }
  int iValue = 0;
  if (!CmTimeReaderImpl::mReadIntegerToken(tok.s, &iValue) || r->bQuarterSeen || r->bWeekSeen ||
      iValue < 1 || iValue > 31) {
    r->mInvalid();
    return;
  }
  r->iDay = iValue;
  r->bDaySeen = true;
  r->mAddPart(xDay, mNumberWidth(tok));
}

}  // namespace

int CmTimeReaderImpl::mMonthOfName(const CmTimeCls& t, const wchar_t* upperText,
                                   bool* abbreviation) {
  return t.mIsMonthName(upperText, abbreviation);
}

void CmTimeReaderImpl::mFindSeparatorInForce(const CmTimeCls& t, xRecognition* r) {
  r->pSep = t.m_sDateSep.c_str();
  r->iSepLen = t.m_sDateSep.length();
  const auto& sDate = r->xText.sDate;
  if (sDate.empty()) return;

  if (t.m_sDateSep == L"/" || t.m_sDateSep == L"." || t.m_sDateSep == L"-") {
    wchar_t cSep = L'\0';
    for (int i = 0; i < sDate.n; ++i) {
      const wchar_t c = sDate.s[i];
      if (!mIsDateSepChar(c) || c == cSep) continue;
      if (cSep == L'\0' || cSep == L'.') {
        cSep = c;  // the first one found; a first '.' gives way to '/' or '-'
      } else if (!(c == L'.' && i > 0 && !mIsCharDigit(sDate.s[i - 1]))) {
        r->mInvalid();  // mixed separators; "Mar." keeps its full stop
      }
    }
    if (cSep != L'\0') {
      r->szSepChar[0] = cSep;
      r->pSep = r->szSepChar;
      r->iSepLen = 1;
    }
  }

  // Where numbers are written with a decimal comma, a date typed under a
  // format without separators may still show its separator at an end.
  if (mGetInputDecimal() != L'.' && r->iSepLen == 0) {
    const wchar_t cFirst = sDate.s[0];
    const wchar_t cLast = sDate.s[sDate.n - 1];
    const wchar_t cSep = mIsDateSepChar(cFirst) ? cFirst : (mIsDateSepChar(cLast) ? cLast : L'\0');
    if (cSep != L'\0') {
      r->szSepChar[0] = cSep;
      r->pSep = r->szSepChar;
      r->iSepLen = 1;
    }
  }
}

void CmTimeReaderImpl::mReadDateTokens(const CmTimeCls& t, xRecognition* r) {
  const auto& sDate = r->xText.sDate;
  if (sDate.empty()) return;

  r->bCompact = mIsCompactFormat(t.m_sDateTimeFmt) && r->xText.sTime.empty() &&
                !sDate.contains(L'/') && !sDate.contains(L'-') && !sDate.contains(L'.') &&
                !sDate.contains(L',') && !sDate.contains(L' ');
  if (r->bCompact && sDate.n > t.m_sDateTimeFmt.length()) {
    r->mInvalid();
    if (!r->mGoingOn()) return;
  }

  xTokenCursor xCursor(sDate.s, sDate.n, r->pSep, r->iSepLen, kQuoteMarks);
  int iCompactPos = 0;
  int iToken = 0;
  xToken tok;
  while (r->mGoingOn()) {
    // The next token: a run as wide as the format part in a compact date,
    // else the text up to the separator in force.
    if (r->bCompact) {
      if (iCompactPos >= sDate.n) break;
      int iWidth = sDate.n - iCompactPos;
      if (iToken < r->iNumFmtDate) {
        const int iCount = t.m_xParts[r->aiFmtDate[iToken]].iCount;
        if (iCount > 0 && iCount < iWidth) iWidth = iCount;
      }
      tok.assign(sDate.s + iCompactPos, iWidth);
      iCompactPos += iWidth;
    } else if (!xCursor.mNext(tok)) {
      break;
    }
    ++iToken;
    r->bAnyDateToken = true;
    if (iToken > 3) {
      r->mInvalid();
      break;
    }
    if (iToken > r->iNumFmtDate) {
      r->mInvalidNotDecisive();
      continue;
    }
    const CmTimeCls::xTimePartsStruct& xPart = t.m_xParts[r->aiFmtDate[iToken - 1]];
    switch (xPart.ePart) {
      case xYear: mReadYear(xPart, tok, t.m_iTwoDigitYearMax, t.m_iTwoDigitYearBase, r); break;
      case xQuarterLabelFirst:
      case xQuarterNumberFirst: mReadQuarter(xPart.ePart, tok, r); break;
      case xMonthNumber: mReadMonthNumber(tok, r); break;
      case xMonthAbbrev:
      case xMonthName: mReadMonthName(t, t.m_bAbbrevMonthNames, tok, r); break;
      case xWeekLabelFirst:
      case xWeekNumberFirst: mReadWeek(xPart.ePart, tok, r); break;
      default:  // xDay: the list holds date parts only
        mReadDay(tok, r);
        break;
    }
  }
}

void CmTimeReaderImpl::mCheckDayOfMonth(xRecognition* r) {
  if (r->bAnyDateToken && !r->bDaySeen) r->iDay = 1;
  if (r->iMonth < 1 || r->iMonth > 12) {
    r->mInvalid();
    return;
  }
  if (r->iDay > cvn::detail::mMonthLength(r->iYear, r->iMonth)) r->mInvalid();
}
