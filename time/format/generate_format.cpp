// Format generation: the canonical text of a parsed format, part by part, with its
// separators and designator pair; the designator texts of the AM/PM styles; the widest name.

#include "time/format/generate_format.h"

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/format_state.h"
#include "time/format/parser_scan.h"
#include "time/report_sites.h"

namespace cvn::detail {

bool mFormatPartToken(const CmTimeCls::xTimePartsStruct& part, bool bElapsedFirst,
                      wchar_t cOutputDecimal, std::wstring& token) {
  const int iCount = part.iCount;
  switch (part.ePart) {
    case xYear: token = iCount < 4 ? L"yy" : L"yyyy"; return true;
    case xQuarterLabelFirst: token = L"Qq"; return true;
    case xQuarterNumberFirst: token = L"qQ"; return true;
    case xMonthNumber: token = iCount == 2 ? L"mm" : L"m"; return true;
    case xMonthAbbrev: token = L"mmm"; return true;
    case xMonthName: token = L"mmmm"; return true;
    case xWeekLabelFirst: token = iCount == 2 ? L"Wkww" : L"Wkw"; return true;
    case xWeekNumberFirst: token = iCount == 2 ? L"wwWk" : L"wWk"; return true;
    case xDay: token = iCount == 2 ? L"dd" : L"d"; return true;
    case xHour:
      if (bElapsedFirst) {
        token = iCount == 2 ? L"[hh]" : L"[h]";
      } else {
        token = iCount == 2 ? L"hh" : L"h";
      }
      return true;
    case xMinute: token = (bElapsedFirst && iCount >= 1) ? L"[m]" : L"mm"; return true;
    case xSecond: token = (bElapsedFirst && iCount >= 1) ? L"[s]" : L"ss"; return true;
    case xHundredth:
    case xTenth:
    case xThousandth: {
      int iLetters = iCount < 0 ? 0 : iCount;
      if (iLetters > kMaxFractionLetters) iLetters = kMaxFractionLetters;
      token.assign(1, cOutputDecimal);
      token.append(static_cast<size_t>(iLetters), L's');
      return true;
    }
    default: token.clear(); return false;
  }
}

std::wstring mPartSeparator(int ePrev, int eCurrent, const std::wstring& sDateSep,
                            const std::wstring& sTimeSep, const std::wstring& sWritten) {
  if (mIsDatePartKind(ePrev) && mIsDatePartKind(eCurrent)) {
    // Quarter and week tokens carry their label: nothing between the parts.
    if (!sDateSep.empty() && sDateSep[0] == L'Q') return L"";
    if (mStrCompareIgnore(sDateSep.c_str(), L"WK") == 0) return L"";
    // "mmmm d, yyyy": the comma goes after the day, a blank elsewhere.
    if (sDateSep.size() > 1 && sDateSep[0] == L',') {
      return sWritten.find(L'd') != std::wstring::npos ? L", " : L" ";
    }
    return sDateSep;
  }
  if (mIsTimePartKind(ePrev) && mIsTimePartKind(eCurrent)) {
    // A fraction's token starts with the decimal symbol.
    return mIsFractionPartKind(eCurrent) ? L"" : sTimeSep;
  }
  return L" ";
}

}  // namespace cvn::detail

void CmTimeCls::mGenerateFormat(int numParts, const xTimePartsStruct* parts, const wchar_t* dateSep,
                                const wchar_t* timeSep, bool b24Hour, EAMPMFormat ampmFormat,
                                CmString& out) const {
  // Inputs are copied first: the separators may point into out.
  const std::wstring sDateSep(dateSep != nullptr ? dateSep : L"");
  const std::wstring sTimeSep(timeSep != nullptr ? timeSep : L"");
  int n = parts != nullptr ? numParts : 0;
  if (n < 0) n = 0;
  if (n > kMaxParts) n = kMaxParts;

  const wchar_t cDecimal = mGetOutputDecimal();
  std::wstring sOut;
  std::wstring sToken;
  bool bTimeWritten = false;
  for (int i = 0; i < n; ++i) {
    const int ePart = parts[i].ePart;
    if (!cvn::detail::mFormatPartToken(parts[i], m_bElapsedTimeFlag && i == 0, cDecimal, sToken)) {
      cvn::detail::mReport(cvn::detail::kReportGenerateToken);
    }
    if (i > 0) {
      sOut += cvn::detail::mPartSeparator(parts[i - 1].ePart, ePart, sDateSep, sTimeSep, sOut);
    }
    sOut += sToken;
    if (cvn::detail::mIsTimePartKind(ePart)) bTimeWritten = true;
  }

  if (!b24Hour && bTimeWritten) {
    // The pair is written from a copy of the designator fields: the style
    // says which of them (the locale pair or "AM"/"PM", whole or first letters).
    const cvn::detail::xFormatDesignators xD = CmTimeFormatImpl::mDesignators(*this);
    sOut += cvn::detail::mDesignatorPairText(ampmFormat, xD);
  }
  out = CmString(sOut);
}

namespace cvn::detail {

void mAppendDesignator(std::wstring& out, const xStyleParts& x, const std::wstring& designator) {
  if (x.iFamily == kFamilyFirstLetters) {
    out.append(designator, 0, 1);
  } else {
    out += designator;
  }
}

const std::wstring& mStyleDesignator(const xStyleParts& x, bool bAM, const xFormatDesignators& xD) {
  if (x.iFamily == kFamilyLocale) {
    if (bAM) return x.bLower ? xD.sAMLower : xD.sAM;
    return x.bLower ? xD.sPMLower : xD.sPM;
  }
  if (bAM) return x.bLower ? xD.sAMDefaultLower : xD.sAMDefault;
  return x.bLower ? xD.sPMDefaultLower : xD.sPMDefault;
}

std::wstring mDesignatorPairText(int style, const xFormatDesignators& xD) {
  xStyleParts x;
  std::wstring s;
  if (!mDecomposeStyle(style, x)) return s;
  if (x.bBlank) s += L' ';
  mAppendDesignator(s, x, mStyleDesignator(x, true, xD));
  s += L'/';
  mAppendDesignator(s, x, mStyleDesignator(x, false, xD));
  return s;
}

std::wstring mDesignatorForHour(int style, int hour, const xFormatDesignators& xD) {
  xStyleParts x;
  std::wstring s;
  if (!mDecomposeStyle(style, x)) return s;
  if (x.bBlank) s += L' ';
  mAppendDesignator(s, x, mStyleDesignator(x, hour <= 11, xD));
  return s;
}

namespace {

// Length of a name table entry of width iWidth; an entry without a
// terminator counts as its full width.
template <size_t iWidth>
int mEntryLength(const wchar_t (&entry)[iWidth]) {
  int i = 0;
  while (i < static_cast<int>(iWidth) && entry[i] != L'\0') ++i;
  return i;
}

template <size_t iWidth>
int mLongestEntry(const wchar_t (&table)[12][iWidth]) {
  int iLongest = 0;
  for (const auto& entry : table) {
    const int iLength = mEntryLength(entry);
    if (iLength > iLongest) iLongest = iLength;
  }
  return iLongest;
}

}  // namespace
}  // namespace cvn::detail

void CmTimeCls::mMakeAMPMFormat(int hour, CmString& out) const {
  // Written straight from the fields into out's own buffer: the writer
  // calls this for every value it shows.
  std::wstring& s = out.str();
  s.clear();
  cvn::detail::xStyleParts x;
  if (!cvn::detail::mDecomposeStyle(m_eAMPMFormat, x)) return;
  const bool bAM = hour <= 11;
  const CmString* pSource = nullptr;
  if (x.iFamily == cvn::detail::kFamilyLocale) {
    pSource = bAM ? (x.bLower ? &m_sAMLower : &m_sAM) : (x.bLower ? &m_sPMLower : &m_sPM);
  } else {
    pSource = bAM ? (x.bLower ? &m_sAMDefaultLower : &m_sAMDefault)
                  : (x.bLower ? &m_sPMDefaultLower : &m_sPMDefault);
  }
  if (x.bBlank) s += L' ';
  cvn::detail::mAppendDesignator(s, x, pSource->str());
}

int CmTimeCls::mGetWidestFormattedWidth(xTimePartsEnum part) const {
  switch (part) {
    case xMonthAbbrev: return cvn::detail::mLongestEntry(gszMonthAbbrevUpper);
    case xMonthName: return cvn::detail::mLongestEntry(gszMonthNameUpper);
    default: cvn::detail::mReport(cvn::detail::kReportWidestWidth); return 0;
  }
}
