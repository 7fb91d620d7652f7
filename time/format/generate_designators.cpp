// Designator texts of the twelve AM/PM styles, and the widest month name.

#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnMessaging.h"
#include "time/format/generate_format.h"

namespace cvn::detail {

bool mDecomposeStyle(int style, xStyleParts& x) {
  if (style < CmTimeCls::eAmPmUpperSpaced || style > CmTimeCls::eLocaleLower) return false;
  // Within each family of four: upper spaced, lower spaced, upper, lower.
  x.iFamily = style / 4;  // [0, 2]
  x.bLower = style % 2 == 1;
  x.bBlank = style % 4 < 2;
  return true;
}

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
    default: mAssert("false", "time", __LINE__); return 0;
  }
}
