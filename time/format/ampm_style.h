// The twelve AM/PM designator styles (CmTimeCls::EAMPMFormat) as one table:
// three families of four. A style is family * 4 + 2 when no blank goes
// before the designator + 1 when it is written in lower case; so 0 " AM/PM",
// 5 " a/p", 10 "VORM./NACHM.". The parser, the generator and the reader's
// split all compose and take apart styles here.
#pragma once

#include "CmTimeCls.h"

namespace cvn::detail {

constexpr int kFamilyFullDefault = 0;   // "AM"/"PM"
constexpr int kFamilyFirstLetters = 1;  // "A"/"P"
constexpr int kFamilyLocale = 2;        // the regional pair

// A designator style taken apart.
struct xStyleParts {
  int iFamily = kFamilyFullDefault;
  bool bLower = false;
  bool bBlank = false;
};

constexpr CmTimeCls::EAMPMFormat mComposeStyle(int family, bool lower, bool blank) {
  return static_cast<CmTimeCls::EAMPMFormat>(family * 4 + (blank ? 0 : 2) + (lower ? 1 : 0));
}

// False, x untouched, for a style outside 0..11.
constexpr bool mDecomposeStyle(int style, xStyleParts& x) {
  if (style < CmTimeCls::eAmPmUpperSpaced || style > CmTimeCls::eLocaleLower) return false;
  x.iFamily = style / 4;  // [0, 2]
  x.bLower = style % 2 == 1;
  x.bBlank = style % 4 < 2;
  return true;
}

static_assert(mComposeStyle(kFamilyFullDefault, false, true) == CmTimeCls::eAmPmUpperSpaced &&
                  mComposeStyle(kFamilyFirstLetters, true, true) == CmTimeCls::eApLowerSpaced &&
                  mComposeStyle(kFamilyLocale, false, false) == CmTimeCls::eLocale &&
                  mComposeStyle(kFamilyLocale, true, false) == CmTimeCls::eLocaleLower,
              "the style table follows EAMPMFormat");

}  // namespace cvn::detail
