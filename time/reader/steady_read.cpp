// The steady read (see steady_read.h): a text typed exactly as the current
// numeric format shows it is read without the split, the tokenizers and the
// format rewrite of the full reader, which would end where it began.

#include "time/reader/steady_read.h"

#include <cwchar>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/calendar/calendar_math.h"
#include "time/format/format_cache.h"
#include "time/format/format_state.h"
#include "time/reader/digits.h"
#include "time/reader/reader_impl.h"

namespace cvn::detail {

namespace {

bool mIsSteadyDatePart(xTimePartsEnum part, int count) {
  switch (part) {
    case xYear: return count == 2 || count == 4;
    case xMonthNumber:
    case xDay: return count == 1 || count == 2;
    case xMonthAbbrev: return count == 3;
    case xMonthName: return count == 4;
    default: return false;
  }
}

bool mIsMonthPart(xTimePartsEnum part) {
  return part == xMonthNumber || part == xMonthAbbrev || part == xMonthName;
}

// Reads the run of letters at *p into upper (room for kMaxMonthLetters + 1),
// upper-cased as the reader upper-cases a month token. Returns the count,
// 0 for a run that is too short or too long to be taken here.
constexpr int kMaxMonthLetters = 15;
int mLetterRun(const wchar_t** p, wchar_t* upper) {
  int n = 0;
  const wchar_t* q = *p;
  while (mReaderIsAlpha(*q)) {
    if (n == kMaxMonthLetters) return 0;
    upper[n++] = mToUpper(*q);
    ++q;
  }
  upper[n] = L'\0';
  *p = q;
  return n >= 3 ? n : 0;
}

// Reads the run of ASCII digits at *p, at most maxDigits of them (one more
// digit makes the text no steady text). Returns the count, 0 for none.
int mDigitRun(const wchar_t** p, int maxDigits, int* value) {
  int n = 0;
  int v = 0;
  const wchar_t* q = *p;
  while (*q >= L'0' && *q <= L'9') {
    if (++n > maxDigits) return 0;
    v = v * 10 + (*q - L'0');  // [0, 9999]
    ++q;
  }
  *p = q;
  *value = v;
  return n;
}

// The width the reader gives a typed month, day or hour: 2 for two digits
// with a leading zero, else 1.
int mTypedWidth(const wchar_t* start, int digits) { return digits == 2 && *start == L'0' ? 2 : 1; }

}  // namespace

xSteadyLayout mSteadyLayout(int numParts, const CmTimeCls::xTimePartsStruct* parts,
                            const wchar_t* dateSep, int dateSepLen, const wchar_t* timeSep,
                            int timeSepLen, bool b24Hour, int ampmStyle) {
  xSteadyLayout x;
  if (numParts < 2 || numParts > 6 || parts == nullptr) return x;
  int i = 0;
  // Date parts first, each kind once.
  while (i < numParts && parts[i].ePart >= xYear && parts[i].ePart <= xDay) {
    if (x.iNumDate == 3 || !mIsSteadyDatePart(parts[i].ePart, parts[i].iCount)) return x;
    for (int j = 0; j < x.iNumDate; ++j) {
      if (x.aeDate[j] == parts[i].ePart ||
          (mIsMonthPart(x.aeDate[j]) && mIsMonthPart(parts[i].ePart))) {
        return x;
      }
    }
    if (parts[i].ePart == xMonthAbbrev || parts[i].ePart == xMonthName) x.bMonthName = true;
    x.aeDate[x.iNumDate] = parts[i].ePart;
    x.aiDateCount[x.iNumDate] = parts[i].iCount;
    ++x.iNumDate;
    ++i;
  }
  if (x.iNumDate != 0 && x.iNumDate != 3) return x;
  const int iClock = numParts - i;
  if (x.iNumDate == 3) {
    if (dateSep == nullptr || dateSepLen != 1) return x;
    const wchar_t c = dateSep[0];
    // Blanks and month names only in a date alone: a clock after them is
    // found by counting blanks, which the steady read does not follow.
    if (c != L'/' && c != L'-' && c != L'.' && !(c == L' ' && iClock == 0)) return x;
    if (x.bMonthName && iClock != 0) return x;
    x.cDateSep = c;
  }
  // Then the clock: hour, minutes and optionally seconds.
  if (iClock != 0) {
    if (iClock != 2 && iClock != 3) return x;
    if (parts[i].ePart != xHour || (parts[i].iCount != 1 && parts[i].iCount != 2)) return x;
    if (parts[i + 1].ePart != xMinute || parts[i + 1].iCount != 2) return x;
    if (iClock == 3 && (parts[i + 2].ePart != xSecond || parts[i + 2].iCount != 2)) return x;
    if (timeSep == nullptr || timeSepLen != 1 || timeSep[0] != L':') return x;
    x.iNumClock = iClock;
    x.iHourCount = parts[i].iCount;
  }
  if (x.iNumDate + x.iNumClock < 2) return x;
  x.b24Hour = b24Hour;
  if (!b24Hour && (x.iNumClock == 0 || ampmStyle != CmTimeCls::eAmPmUpperSpaced)) return x;
  x.bServed = true;
  return x;
}

bool mReadSteadyText(const xSteadyLayout& layout, const wchar_t* text, int windowMax,
                     int windowBase, const xMonthNames& names, xSteadyFields* out) {
  if (!layout.bServed || text == nullptr) return false;
  const wchar_t* p = text;
  xSteadyFields f{1899, 12, 30, 0, 0, 0};  // a time alone lies on day 0
  if (layout.iNumDate == 3) {
    for (int k = 0; k < 3; ++k) {
      if (k > 0 && *p++ != layout.cDateSep) return false;
      if (layout.aeDate[k] == xMonthAbbrev || layout.aeDate[k] == xMonthName) {
        wchar_t szUpper[kMaxMonthLetters + 1];
        if (mLetterRun(&p, szUpper) == 0 || names.pLookup == nullptr) return false;
        bool bAbbreviation = false;
        const int iMonth = names.pLookup(names.pContext, szUpper, &bAbbreviation);
        if (iMonth < 1 || iMonth > 12) return false;
        // A full name under "mmm" would widen the format to "mmmm".
        if (!bAbbreviation && layout.aeDate[k] == xMonthAbbrev) return false;
        f.iMonth = iMonth;
        continue;
      }
      const wchar_t* pStart = p;
      int v = 0;
      const int n = mDigitRun(&p, layout.aeDate[k] == xYear ? 4 : 2, &v);
      if (n == 0) return false;
      switch (layout.aeDate[k]) {
        case xYear:
          // As wide as the format's year, which the reader insists on.
          if (n != layout.aiDateCount[k] || v > 4000) return false;
          f.iYear = n == 2 ? mWindowTwoDigitYear(v, windowMax, windowBase) : v;
          break;
        case xMonthNumber:
          if (v < 1 || v > 12 || mTypedWidth(pStart, n) > layout.aiDateCount[k]) return false;
          f.iMonth = v;
          break;
        default:  // xDay
          if (v < 1 || v > 31 || mTypedWidth(pStart, n) > layout.aiDateCount[k]) return false;
          f.iDay = v;
          break;
      }
    }
    const int iLength = f.iMonth == 2 && mIsLeap(f.iYear) ? 29 : kDaysInMonth[f.iMonth - 1];
    if (f.iDay > iLength) return false;
    if (layout.iNumClock != 0 && *p++ != L' ') return false;
  }
  if (layout.iNumClock != 0) {
    const wchar_t* pStart = p;
    int v = 0;
    const int n = mDigitRun(&p, 2, &v);
    if (n == 0 || v > 23 || mTypedWidth(pStart, n) > layout.iHourCount) return false;
    f.iHour = v;
    for (int k = 1; k < layout.iNumClock; ++k) {
      if (*p++ != L':') return false;
      if (mDigitRun(&p, 2, &v) != 2 || v > 59) return false;
      (k == 1 ? f.iMinute : f.iSecond) = v;
    }
    if (!layout.b24Hour) {
      // " AM" or " PM", as the designator pair of the format writes it.
      if (p[0] != L' ' || (p[1] != L'A' && p[1] != L'P') || p[2] != L'M') return false;
      if (f.iHour < 1 || f.iHour > 12) return false;
      if (p[1] == L'A' && f.iHour == 12) f.iHour = 0;
      if (p[1] == L'P' && f.iHour < 12) f.iHour += 12;
      p += 3;
    }
  }
  if (*p != L'\0') return false;
  // A date alone is all date text, which holds so many characters at most.
  if (layout.iNumClock == 0 && p - text > CmTimeReaderImpl::kMaxDateText) return false;
  *out = f;
  return true;
}

}  // namespace cvn::detail

namespace {

// The format that setting the last steady format left on the object, the
// cache generation and decimal symbols it was parsed and generated under,
// and what the steady read makes of it. An object found with exactly this
// format, under the same inputs, is where setting that format again would
// leave it, so the read need not set it again.
struct xSteadyMemo {
  bool bValid = false;
  cvn::detail::xFormatState xState;
  bool bComma = false;
  unsigned uGeneration = 0;
  wchar_t cInputDecimal = L'\0';
  wchar_t cOutputDecimal = L'\0';
  cvn::detail::xSteadyLayout xLayout;
  bool bCanonical = false;
};

bool mMemoHolds(const xSteadyMemo& m, const CmTimeCls& t, wchar_t inputDecimal,
                wchar_t outputDecimal) {
  return m.bValid && m.cInputDecimal == inputDecimal && m.cOutputDecimal == outputDecimal &&
         m.bComma == CmTimeCls::m_bFmtHasComma &&
         m.uGeneration == cvn::detail::mFormatCacheGeneration(t) &&
         CmTimeFormatImpl::mIsCurrent(t, m.xState);
}

// The object's month-name lookup, for the text reader above.
int mLookUpMonth(const void* context, const wchar_t* upperText, bool* abbreviation) {
  return CmTimeReaderImpl::mMonthOfName(*static_cast<const CmTimeCls*>(context), upperText,
                                        abbreviation);
}

}  // namespace

bool CmTimeReaderImpl::mReadSteady(CmTimeCls& t, const wchar_t* text, int* year, int* month,
                                   int* day, int* hour, int* minute, int* second, int* thousandth) {
  namespace cd = cvn::detail;
  if (text == nullptr) return false;
  // The current format is tried as it stands only outside elapsed reads.
  if (CmTimeCls::m_bElapsedTimeFlag || t.m_bReadElapsed) return false;
  // Numbers, month names, their separators and a designator.
  if (!(text[0] >= L'0' && text[0] <= L'9') && !cvn::detail::mReaderIsAlpha(text[0])) return false;
  const wchar_t cIn = mGetInputDecimal();
  const wchar_t cOut = mGetOutputDecimal();
  if ((cIn != L'.' && cIn != L',') || (cOut != L'.' && cOut != L',')) return false;

  thread_local xSteadyMemo tlsMemo;
  xSteadyMemo& m = tlsMemo;
  if (!mMemoHolds(m, t, cIn, cOut)) {
    // The full reader's first step, taken here: the current format text set
    // again. Its effect is the same when the full reader then takes it again.
    const int iFmtLen = t.m_sDateTimeFmt.length();
    if (iFmtLen < 1 || iFmtLen >= kMaxAbsText) return false;
    wchar_t szFormat[kMaxAbsText + 1];
    std::wmemcpy(szFormat, t.m_sDateTimeFmt.c_str(), static_cast<size_t>(iFmtLen) + 1);
    if (!t.mSetFormat(szFormat)) return false;
    // An elapsed format text ("[h]:mm") reads by other rules.
    if (CmTimeCls::m_bElapsedTimeFlag) return false;

    m.bValid = true;
    m.xState = CmTimeFormatImpl::mCapture(t);
    m.bComma = CmTimeCls::m_bFmtHasComma;
    m.uGeneration = cd::mFormatCacheGeneration(t);
    m.cInputDecimal = cIn;
    m.cOutputDecimal = cOut;
    m.xLayout = cd::mSteadyLayout(t.m_iNumParts, t.m_xParts, t.m_sDateSep.c_str(),
                                  t.m_sDateSep.length(), t.m_sTimeSep.c_str(),
                                  t.m_sTimeSep.length(), t.m_b24Hour, t.m_eAMPMFormat);
    // A designator reads as the steady read takes it (" AM" morning, " PM"
    // afternoon, neither regional), and no word of a month name can start
    // one, only under the usual designators.
    const bool bUsualDesignators =
        t.m_sAM == L"AM" && t.m_sPM == L"PM" && t.m_sAMDefault == L"AM" && t.m_sPMDefault == L"PM";
    if ((!t.m_b24Hour || m.xLayout.bMonthName) && !bUsualDesignators) m.xLayout.bServed = false;
    // The full reader sets the text it generates from the fields: only a
    // canonical text stays current.
    m.bCanonical = false;
    if (m.xLayout.bServed) {
      CmString sGenerated;
      t.mGenerateFormat(t.m_iNumParts, t.m_xParts, t.m_sDateSep.c_str(), t.m_sTimeSep.c_str(),
                        t.m_b24Hour, t.m_eAMPMFormat, sGenerated);
      m.bCanonical = sGenerated == t.m_sDateTimeFmt;
    }
  }
  if (!m.xLayout.bServed || !m.bCanonical || m.xLayout.cDateSep == cIn) return false;

  const cd::xMonthNames xNames{&mLookUpMonth, &t};
  cd::xSteadyFields xFields{};
  if (!cd::mReadSteadyText(m.xLayout, text, t.m_iTwoDigitYearMax, t.m_iTwoDigitYearBase, xNames,
                           &xFields)) {
    return false;
  }
  if (year != nullptr) *year = xFields.iYear;
  if (month != nullptr) *month = xFields.iMonth;
  if (day != nullptr) *day = xFields.iDay;
  if (hour != nullptr) *hour = xFields.iHour;
  if (minute != nullptr) *minute = xFields.iMinute;
  if (second != nullptr) *second = xFields.iSecond;
  if (thousandth != nullptr) *thousandth = 0;
  return true;
}
