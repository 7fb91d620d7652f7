// Reading the time piece of a text against the clock parts of the current
// format: hours (with the AM/PM designator), minutes, seconds with their
// decimals, and a separate fraction of the second.

#include <cwchar>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/reader/reader_impl.h"

using cvn::detail::xFixedText;
using cvn::detail::xTokenCursor;

namespace {

using xRecognition = CmTimeReaderImpl::xRecognition;
// A second token may get a '0' in front of its decimal symbol.
using xToken = xFixedText<CmTimeReaderImpl::kMaxTimeText + 1>;

constexpr wchar_t kQuoteMarks[] = L"'\"";

bool mAllDigits(const wchar_t* p, int n) {
  for (int i = 0; i < n; ++i) {
    if (!mIsCharDigit(p[i])) return false;
  }
  return n > 0;
}

// Thousandths of the decimals of a second: digits only (a fraction of a
// second has no sign), read as an integer, scaled by their number. A
// rounding up to 1000 thousandths (".9996") is carried into the seconds:
// the thousandths stay within 0..999 and the sum of the clock fields keeps
// the value nearest to what was typed, so 23:59:59.9996 becomes midnight of
// the next day. Seconds may then read 60; only the sum is used.
bool mReadFraction(const wchar_t* digits, int n, xRecognition* r) {
  int iValue = 0;
  if (!mAllDigits(digits, n) || !CmTimeReaderImpl::mReadIntegerToken(digits, &iValue)) {
    return false;
  }
  int iThousandths = cvn::detail::mFractionToThousandths(iValue, n);  // [0, 1000]
  if (iThousandths >= 1000) {
    iThousandths = 0;
    ++r->iSecond;
  }
  r->iThousandth = iThousandths;
  r->mAddPart(xThousandth, n < 3 ? n : 3);
  return true;
}

// Minutes and whole seconds: an integer of two digits (any number of them
// under an elapsed format), 0 to 59 when ranges are checked.
bool mReadSexagesimal(const wchar_t* text, int n, bool elapsed, bool rangeCheck, int* out) {
  int iValue = 0;
  if (!CmTimeReaderImpl::mReadIntegerToken(text, &iValue)) return false;
  if (!elapsed && !(n == 2 && mAllDigits(text, n))) return false;
  if (rangeCheck && (iValue < 0 || iValue > 59)) return false;
  *out = iValue;
  return true;
}

}  // namespace

bool CmTimeReaderImpl::mReadIntegerToken(const wchar_t* text, int* out) {
  if (!mIsNumeric(text) || std::wcschr(text, mGetInputDecimal()) != nullptr) return false;
  return cvn::detail::mScanInt(text, out) != nullptr;
}

void CmTimeReaderImpl::mReadTimeTokens(const CmTimeCls& t, xRecognition* r) {
  const auto& sTime = r->xText.sTime;
  if (sTime.empty()) return;
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const bool bDesignator = r->xText.iAmPmLen > 0;

  xTokenCursor xCursor(sTime.s, sTime.n, t.m_sTimeSep.c_str(), t.m_sTimeSep.length(), kQuoteMarks);
  xToken tok;
  while (r->mGoingOn() && xCursor.mNext(tok)) {
    const int iToken = ++r->iNumTimeTokens;
    if (iToken > 4 || r->bQuarterSeen || r->bWeekSeen) {
      r->mInvalid();
      break;
    }
    if (iToken > r->iNumFmtTime) {
      r->mInvalidNotDecisive();
      continue;
    }
    const CmTimeCls::xTimePartsStruct& xPart = t.m_xParts[r->aiFmtTime[iToken - 1]];
    switch (xPart.ePart) {
      case xHour: {
        int iHour = 0;
        if (!mReadIntegerToken(tok.s, &iHour) || (r->bRangeCheck && (iHour < 0 || iHour > 23))) {
          r->mInvalid();
          break;
        }
        // A text that starts with its clock needs a format that does too.
        if (r->xText.sDate.empty() && (t.m_iNumParts < 1 || t.m_xParts[0].ePart != xHour)) {
          r->mInvalidNotDecisive();
          break;
        }
        if (bDesignator && bElapsed) {
          r->mInvalidNotDecisive();
          break;
        }
        if (bDesignator) {
          const bool bAM = mIsAMDesignator(t, r->xText.pAmPm);
          if (bAM || mIsPMDesignator(t, r->xText.pAmPm)) {
            if (iHour < 1 || iHour > 12) {
              r->mInvalid();
              break;
            }
            if (bAM && iHour == 12) iHour = 0;
            if (!bAM && iHour < 12) iHour += 12;
          }
        }
        r->iHour = iHour;
        // Like months and days, an hour counts two digits only with a
        // leading zero, so "10:30" keeps "h:mm" and "09:30" makes "hh:mm".
        r->mAddPart(xHour, (tok.n == 2 && mGetLatinDigit(tok.s[0]) == L'0') ? 2 : 1);
        break;
      }
      case xMinute:
        if (!mReadSexagesimal(tok.s, tok.n, bElapsed, r->bRangeCheck, &r->iMinute)) {
          r->mInvalid();
          break;
        }
        r->mAddPart(xMinute, tok.n < 2 ? tok.n : 2);
        break;
      case xSecond: {
        // ".5" is "0.5"; the decimals after the output decimal symbol are a
        // fraction part of their own.
        const wchar_t cOut = mGetOutputDecimal();
        if (tok.s[0] == cOut) {
          xToken sPadded;
          sPadded.push(L'0');
          for (int i = 0; i < tok.n; ++i) sPadded.push(tok.s[i]);
          tok = sPadded;
        }
        int iCut = 0;
        while (iCut < tok.n && tok.s[iCut] != cOut) ++iCut;
        xToken sWhole;
        sWhole.assign(tok.s, iCut);
        if (!mReadSexagesimal(sWhole.s, sWhole.n, bElapsed, r->bRangeCheck, &r->iSecond)) {
          r->mInvalid();
          break;
        }
        r->mAddPart(xSecond, sWhole.n < 2 ? sWhole.n : 2);
        const int iDecimals = tok.n - iCut - 1;
        if (iDecimals > 0 && !mReadFraction(tok.s + iCut + 1, iDecimals, r)) r->mInvalid();
        break;
      }
      case xThousandth:
        if (tok.s[0] != mGetInputDecimal() || !mReadFraction(tok.s + 1, tok.n - 1, r)) {
          r->mInvalid();
        }
        break;
      default:  // the list holds clock parts only
        r->mInvalid();
        break;
    }
  }
}
