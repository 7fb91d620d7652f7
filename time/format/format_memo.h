// A memo of accepted formats for mSetFormat. What an accepted mSetFormat
// leaves on the object depends only on the text, the eight designator
// fields, the input decimal symbol and (for a text with a week letter) the
// week label, so a text accepted before under the same inputs is set again
// by copying what its parse gave instead of parsing it. Refused texts are
// not remembered: they always go to the parser.
#pragma once

#include "CmTimeCls.h"

struct CmTimeFormatImpl {
  // Sets text as mSetFormat would when it was accepted before under the
  // present inputs, and returns true; false, with nothing changed, when the
  // memo does not know it.
  static bool mSetRememberedFormat(CmTimeCls& t, const wchar_t* text);
  // Remembers the format that an accepted mSetFormat of text has just made
  // current on t.
  static void mRememberFormat(const CmTimeCls& t);
};

namespace cvn::detail {

// Switches the memo off (tests compare both ways); on by default.
void mSetFormatMemoEnabled(bool enabled);

}  // namespace cvn::detail
