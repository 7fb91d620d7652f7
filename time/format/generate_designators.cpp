// Designator texts of the twelve AM/PM styles, and the widest month name.

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnMessaging.h"
#include "time/format/generate_format.h"

namespace cvn::detail {
namespace {

// The two designators a style writes from, and whether it shortens them to
// their first letters and puts a blank before them.
struct xStyleTexts {
  const std::wstring* pAM = nullptr;
  const std::wstring* pPM = nullptr;
  bool bFirstLetter = false;
  bool bBlank = false;
};

// False for a style outside 0..11.
bool mStyleTexts(int style, const xFormatDesignators& xD, xStyleTexts& x) {
  if (style < CmTimeCls::eAmPmUpperSpaced || style > CmTimeCls::eLocaleLower) return false;
  // Within each family of four: upper spaced, lower spaced, upper, lower.
  const int iFamily = style / 4;  // 0 "AM/PM", 1 "A/P", 2 locale
  const bool bLower = style % 2 == 1;
  x.bBlank = style % 4 < 2;
  x.bFirstLetter = iFamily == 1;
  if (iFamily == 2) {
    x.pAM = bLower ? &xD.sAMLower : &xD.sAM;
    x.pPM = bLower ? &xD.sPMLower : &xD.sPM;
  } else {
    x.pAM = bLower ? &xD.sAMDefaultLower : &xD.sAMDefault;
    x.pPM = bLower ? &xD.sPMDefaultLower : &xD.sPMDefault;
  }
  return true;
}

std::wstring mShown(const std::wstring& text, bool bFirstLetter) {
  return bFirstLetter ? mFirstLetter(text) : text;
}

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

std::wstring mDesignatorPairText(int style, const xFormatDesignators& xD) {
  xStyleTexts x;
  if (!mStyleTexts(style, xD, x)) return L"";
  std::wstring s = x.bBlank ? L" " : L"";
  s += mShown(*x.pAM, x.bFirstLetter);
  s += L'/';
  s += mShown(*x.pPM, x.bFirstLetter);
  return s;
}

std::wstring mDesignatorForHour(int style, int hour, const xFormatDesignators& xD) {
  xStyleTexts x;
  if (!mStyleTexts(style, xD, x)) return L"";
  std::wstring s = x.bBlank ? L" " : L"";
  s += mShown(hour <= 11 ? *x.pAM : *x.pPM, x.bFirstLetter);
  return s;
}

}  // namespace cvn::detail

void CmTimeCls::mMakeAMPMFormat(int hour, CmString& out) const {
  const cvn::detail::xFormatDesignators xD =
      cvn::detail::mMakeDesignators(m_sAM, m_sPM, m_sAMLower, m_sPMLower, m_sAMDefault,
                                    m_sPMDefault, m_sAMDefaultLower, m_sPMDefaultLower);
  out = CmString(cvn::detail::mDesignatorForHour(m_eAMPMFormat, hour, xD));
}

int CmTimeCls::mGetWidestFormattedWidth(xTimePartsEnum part) const {
  switch (part) {
    case xMonthAbbrev:
      return cvn::detail::mLongestEntry(gszMonthAbbrevUpper);
    case xMonthName:
      return cvn::detail::mLongestEntry(gszMonthNameUpper);
    default:
      mAssert("false", "time", __LINE__);
      return 0;
  }
}
