// The current format of a time object as one value, and the one way it is
// changed. An object's current format is spread over eight fields (text,
// parts, clock, designator style, class, separators) and the two class-wide
// flags that follow from its text; every change of it goes through
// CmTimeFormatImpl, which keeps the part count within the part array and the
// class-wide flags in step with the text.
//
// Who writes through it: mSetFormat and the selectors built on it (an
// accepted text, or the parsed-format cache), the packed-format readers
// (through mSetFormat and the class flags), the reader (the designator style
// found by the split, the format it follows after a read, the restore of the
// saved format), the legal-format list (capture and restore around its
// trials) and the scales (the parts kept for tick labels).
#pragma once

#include <array>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/parser_designators.h"

namespace cvn::detail {

// The fields of an object's current format, by value.
struct xFormatState {
  CmString sText;  // as the caller gave it
  int iNumParts = 0;
  CmTimeCls::xTimePartsStruct axParts[CmTimeCls::kMaxParts] = {};
  bool b24Hour = true;
  CmTimeCls::EAMPMFormat eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
  eFormatType eFormat = eDateFormat;
  CmString sDateSep;
  CmString sTimeSep;
};

// Pointers to the eight designator fields of an object, in field order:
// locale AM, PM, their lower case, then "AM", "PM", "am", "pm".
using xDesignatorFields = std::array<const CmString*, 8>;

}  // namespace cvn::detail

struct CmTimeFormatImpl {
  using xFormatState = cvn::detail::xFormatState;

  // A copy of t's current format.
  static xFormatState mCapture(const CmTimeCls& t);
  // Makes s t's current format: every field written, the part count clipped
  // to [0, kMaxParts], and the class-wide flags set from the text.
  static void mApply(CmTimeCls& t, const xFormatState& s);
  // True when t's current format is s, field by field (a part count of 0
  // compares the whole part array all the same).
  static bool mIsCurrent(const CmTimeCls& t, const xFormatState& s);

  // The class-wide flags of a current format text: m_bElapsedTimeFlag when it
  // contains "[", m_bFmtHasComma when it contains ",".
  static void mSetClassFlagsFromText(const CmString& text);
  // The flags as a packed format stores them, set before its text is made.
  static void mSetClassFlags(bool elapsed, bool comma);

  // mSetFormat without the cache (select_format.cpp): the text is parsed and
  // taken, and cached, or refused with the previous format kept whole. The
  // plain path that the cache must agree with.
  static bool mSetParsed(CmTimeCls& t, const wchar_t* format);

  // The reader's writes. The designator style of the text just split.
  static void mSetStyle(CmTimeCls& t, CmTimeCls::EAMPMFormat style);
  // text becomes the current format as mSetFormat takes it; before that its
  // text and clock are written, so that a refused text leaves them behind
  // (the reader then tries another format or restores the saved one).
  // Returns mSetFormat's result (defined with it, in select_format.cpp).
  static bool mSelectAsTyped(CmTimeCls& t, const CmString& text, bool b24Hour);

  // t.mGenerateFormat(...), for the format cache.
  static void mGenerate(const CmTimeCls& t, int numParts, const CmTimeCls::xTimePartsStruct* parts,
                        const wchar_t* dateSep, const wchar_t* timeSep, bool b24Hour,
                        CmTimeCls::EAMPMFormat ampmFormat, CmString& out);

  // The scales keep the first numParts parts of the current format for
  // their labels (clipped to [0, kMaxParts]); text and flags stay.
  static void mKeepParts(CmTimeCls& t, int numParts);

  // The designator fields of t, and a copy of them for the parser and the
  // generator, which work on plain values.
  static cvn::detail::xDesignatorFields mDesignatorFields(const CmTimeCls& t);
  static cvn::detail::xFormatDesignators mDesignators(const CmTimeCls& t);
};
