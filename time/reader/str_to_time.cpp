// The front of the reader: what counts as no value, the sign of an elapsed
// time, the trial of the current format and then of the default formats,
// which format is current after the read, and ranges of values joined by
// "..".

#include <cwchar>
#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "time/calendar/calendar_math.h"
#include "time/format/format_state.h"
#include "time/reader/reader_impl.h"

using cvn::detail::mIsReaderBlank;

namespace {

// Bounds of text without its leading and trailing blanks.
void mTrimView(const wchar_t* text, const wchar_t** begin, const wchar_t** end) {
  const wchar_t* pBegin = text == nullptr ? L"" : text;
  const wchar_t* pEnd = pBegin + std::wcslen(pBegin);
  while (pBegin < pEnd && mIsReaderBlank(*pBegin)) ++pBegin;
  while (pEnd > pBegin && mIsReaderBlank(pEnd[-1])) --pEnd;
  *begin = pBegin;
  *end = pEnd;
}

// A zero-terminated copy of a piece of text: in place for the lengths that
// can be read, on the heap only for over-long input.
class xTextCopy {
 public:
  xTextCopy(const wchar_t* begin, const wchar_t* end) {
    const size_t uLen = static_cast<size_t>(end - begin);
    if (uLen < kInline) {
      std::wmemcpy(m_szInline, begin, uLen);
      m_szInline[uLen] = L'\0';
      m_p = m_szInline;
    } else {
      m_sHeap.assign(begin, uLen);
      m_p = m_sHeap.c_str();
    }
  }
  const wchar_t* c_str() const { return m_p; }

 private:
  static constexpr size_t kInline = 128;
  wchar_t m_szInline[kInline] = {};
  std::wstring m_sHeap;
  const wchar_t* m_p = m_szInline;
};

bool mIsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// Whether fmt is the regional date-time format: short date, a blank, time.
bool mIsRegionalDateTime(const CmString& fmt, const CmString& shortDate, const CmString& time) {
  const int iShort = shortDate.length();
  if (fmt.length() != iShort + 1 + time.length()) return false;
  const std::wstring& s = fmt.str();
  return s.compare(0, static_cast<size_t>(iShort), shortDate.str()) == 0 && fmt[iShort] == L' ' &&
         s.compare(static_cast<size_t>(iShort) + 1, std::wstring::npos, time.str()) == 0;
}

}  // namespace

bool CmTimeCls::mStrToCorvaneTime(const wchar_t* text, double* value) {
  const double dMissing = CmCVNConst::mInstance()->mGetMissingValueCode();
  double dSink = 0.0;
  if (value == nullptr) value = &dSink;

  // The per-read flags, set before the text is looked at.
  m_bReadWithDefaultFmt = mIsRegionalDateTime(m_sDateTimeFmt, m_sShortDateFmt, m_sTimeFmt);
  m_bReadElapsed = m_bReadWithDefaultFmt ? false : m_bElapsedTimeFlag;

  const wchar_t* pBegin = nullptr;
  const wchar_t* pEnd = nullptr;
  mTrimView(text, &pBegin, &pEnd);
  if (pBegin == pEnd || (pEnd - pBegin == 1 && *pBegin == L'*')) {
    *value = dMissing;
    return true;
  }

  xNumtimStruct xRead = {0, 0.0};
  if (!mValidateTime(pBegin, &xRead)) {
    *value = dMissing;
    return false;
  }
  *value = xRead.iDayNumber + xRead.dTimeOfDay / cvn::detail::kMsPerDayD;
  return true;
}

bool CmTimeCls::mValidateTime(const wchar_t* text, xNumtimStruct* out) {
  const wchar_t* pBegin = nullptr;
  const wchar_t* pEnd = nullptr;
  mTrimView(text, &pBegin, &pEnd);
  if (pBegin == pEnd) return false;

  // Something worth reading: a letter or a character of the time set.
  const CmString& sCharSet = CmGlobalStrings::mInstance()->mGetTimeCharSet();
  bool bReadable = false;
  for (const wchar_t* p = pBegin; p < pEnd && !bReadable; ++p) {
    bReadable = mIsAsciiLetter(*p) || sCharSet.mFind(*p) >= 0;
  }
  if (!bReadable) return false;

  // A sign belongs to elapsed times only; "- 1:30" is 1:30 negated.
  bool bNegative = false;
  if (*pBegin == L'+' || *pBegin == L'-') {
    if (!m_bElapsedTimeFlag || pEnd - pBegin == 1) return false;
    bNegative = (*pBegin == L'-');
    ++pBegin;
    while (pBegin < pEnd && mIsReaderBlank(*pBegin)) ++pBegin;
  }

  const xTextCopy sText(pBegin, pEnd);
  int iYear = 0, iMonth = 0, iDay = 0, iHour = 0, iMinute = 0, iSecond = 0, iThousandth = 0;
  if (!mParseAbsTime(sText.c_str(), &iYear, &iMonth, &iDay, &iHour, &iMinute, &iSecond,
                     &iThousandth)) {
    return false;
  }
  if (out == nullptr) return true;
  mToTimeOfDay(iHour, iMinute, iSecond, iThousandth, &out->dTimeOfDay);
  if (bNegative) out->dTimeOfDay = -out->dTimeOfDay;
  mToJulianDay(iYear, iMonth, iDay, &out->iDayNumber);
  return true;
}

bool CmTimeCls::mParseAbsTime(const wchar_t* text, int* year, int* month, int* day, int* hour,
                              int* minute, int* second, int* thousandth) {
  if (text == nullptr) text = L"";
  // Most texts of a column are typed as the current format shows them.
  return CmTimeReaderImpl::mReadSteady(*this, text, year, month, day, hour, minute, second,
                                       thousandth) ||
         CmTimeReaderImpl::mReadByTrials(*this, text, year, month, day, hour, minute, second,
                                         thousandth);
}

bool CmTimeReaderImpl::mReadByTrials(CmTimeCls& t, const wchar_t* text, int* year, int* month,
                                     int* day, int* hour, int* minute, int* second,
                                     int* thousandth) {
  if (text == nullptr) text = L"";
  // The saved format and candidate (a) live in per-thread scratch texts
  // that keep their capacity; a trial never runs inside another.
  thread_local CmString tlsSaved;
  thread_local CmString tlsFirst;
  tlsSaved = t.m_sDateTimeFmt;
  tlsFirst = t.m_sDateTimeFmt;

  // Under an elapsed format the text may carry more precision than the
  // format shows: "[h]" is tried as "[h]:mm:ss.sss".
  if (CmTimeCls::m_bElapsedTimeFlag && t.m_iNumParts >= 1 &&
      t.m_iNumParts <= CmTimeCls::kMaxParts) {
    const xTimePartsEnum eLast = t.m_xParts[t.m_iNumParts - 1].ePart;
    if (eLast < xMinute) {
      tlsFirst += L":mm:ss.sss";
    } else if (eLast == xMinute) {
      tlsFirst += L":ss.sss";
    } else if (eLast <= xTenth) {
      tlsFirst += L".sss";
    }
  }

  // A comma in the text rules out candidates without one, unless it is the
  // decimal comma of the seconds, as in 10:30:15,5.
  const wchar_t* pComma = std::wcschr(text, L',');
  const wchar_t* pColon = std::wcschr(text, L':');
  const bool bDecimalComma = mGetInputDecimal() == L',' && pColon != nullptr && pColon < pComma;

  const int iNumDef =
      t.m_iNumDefFmts < 0
          ? 0
          : (t.m_iNumDefFmts > CmTimeCls::kMaxDefFmts ? CmTimeCls::kMaxDefFmts : t.m_iNumDefFmts);
  int iWinner = -2;  // -1: candidate (a); 0..: that default format
  for (int k = -1; k < iNumDef; ++k) {
    const CmString& sCandidate = k < 0 ? tlsFirst : t.m_sDefFmts[k];
    if (pComma != nullptr && sCandidate.mFind(L',') < 0 && !bDecimalComma) continue;

    t.mSetFormat(sCandidate.c_str());
    bool bDecisive = false;
    bool bYearWidthMatches = true;
    const bool bOk = t.mIsValidAbsTime(text, year, month, day, hour, minute, second, thousandth,
                                       &bDecisive, &bYearWidthMatches);
    // A year typed with another width than the current format shows is
    // left to the default formats ("03/15/20" under "m/d/yyyy").
    if (bDecisive && k < 0 && !bYearWidthMatches && tlsSaved.mFind(L"m/yy") < 0) continue;
    if (bDecisive && !bOk) break;
    if (bOk) {
      iWinner = k;
      break;
    }
    if (t.m_bReadElapsed) break;
  }

  const bool bRestore =
      iWinner == -2 ||
      (iWinner == 0 && !mIsRegionalDateTime(tlsSaved, t.m_sShortDateFmt, t.m_sTimeFmt));
  if (bRestore) CmTimeFormatImpl::mSelectAsTyped(t, tlsSaved, t.m_b24Hour);
  return iWinner != -2;
}

bool CmTimeCls::mValidateDTRange(const wchar_t* rangeText, const wchar_t* lowText,
                                 const wchar_t* highText, const wchar_t* endWord, double* first,
                                 double* second) {
  double dLow = 0.0;
  double dHigh = 0.0;
  if (!mStrToCorvaneTime(lowText, &dLow) || !mStrToCorvaneTime(highText, &dHigh)) return false;
  if (rangeText == nullptr || rangeText[0] == L'\0') return false;
  double dFirstSink = 0.0;
  double dSecondSink = 0.0;
  if (first == nullptr) first = &dFirstSink;
  if (second == nullptr) second = &dSecondSink;

  CmStringTokenizer xTokens{CmString(rangeText)};
  CmString sToken;
  bool bValid = true;
  int iToken = 0;
  while (bValid && xTokens.mGetToken(L"..", sToken, L"'", false, true, true, false)) {
    ++iToken;
    if (iToken > 2) {
      bValid = false;
      break;
    }
    double dValue = dHigh;
    // The end word stands for the upper bound and needs no check.
    if (mStrCompare(sToken.c_str(), endWord) != 0) {
      if (!mStrToCorvaneTime(sToken.c_str(), &dValue) || dValue < dLow || dValue > dHigh) {
        bValid = false;
      }
    }
    if (bValid) *(iToken == 1 ? first : second) = dValue;
  }
  // A single value still meets the second the caller passed in.
  if (bValid && *second < *first) bValid = false;
  return bValid;
}
