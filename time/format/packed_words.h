// The packed form of a format as it is stored in saved files: four 32-bit
// words (three in the version-14 form). Every bit position here is part of
// the file format and must never change.
//
// Word 0: bits 0-2 part count, bit 3 24-hour clock, then kind (4 bits) and
//         count (4 bits) of parts 1 to 3 from bit 4, kind of part 4 at 28-31.
// Word 1: count of part 4 at 0-3, then kind and count of parts 5 to 7 from
//         bit 4; bits 28-29 digits of a fraction of a second, bit 30 the
//         format has a comma, bit 31 elapsed-time format.
// Word 2: low 8 bits of the two date-separator characters (0-7, 8-15), of
//         the time-separator character (16-23), AM/PM style (24-31).
// Word 3: reserved, 0.
#pragma once

#include <vector>

#include "CmTimeCls.h"

namespace cvn::detail {

constexpr int kPackedWords = 4;

// A format as the packed words hold it.
struct xPackedFormat {
  int iNumParts = 0;  // [0, 7]
  CmTimeCls::xTimePartsStruct xParts[CmTimeCls::kMaxParts] = {};
  bool b24Hour = true;
  bool bHasComma = false;
  bool bElapsed = false;
  unsigned uDateSep1 = 0;    // [0, 255]; 0: no character
  unsigned uDateSep2 = 0;    // [0, 255]
  unsigned uTimeSep = 0;     // [0, 255]
  unsigned uAMPMFormat = 0;  // [0, 255]
};

// Four words. A part of kind xTenth or xThousandth is stored as xHundredth
// with count 2, its own count going to bits 28-29 of word 1. Fields wider
// than their bits keep their low bits; iNumParts is clipped to [0, 7].
std::vector<unsigned> mPackWords(const xPackedFormat& format);

// The format held by words; missing words read as 0 and words after the
// fourth are ignored. A part stored as xHundredth comes back by bits 28-29:
// 1 gives (xTenth, 1), 3 gives (xThousandth, 3), 0 and 2 leave it. Parts
// beyond the count are zero. Kinds come back as stored (0 to 15), unchecked.
xPackedFormat mUnpackWords(const std::vector<unsigned>& words);

// The separator texts of an unpacked format: a 0 character ends the text.
CmString mDateSepText(const xPackedFormat& format);
CmString mTimeSepText(const xPackedFormat& format);

// The low 8 bits of character i of text, 0 when text is shorter.
unsigned mSepCharCode(const CmString& text, int i);

}  // namespace cvn::detail
