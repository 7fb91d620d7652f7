// The cache of parsed formats. A column of values is read and written under
// a handful of format texts that are set over and over (the current format,
// the one the reader derives from what was typed, the default formats), and
// the reader generates the same texts from the same parts. What an accepted
// mSetFormat makes current depends only on the text, the eight designator
// fields, the input decimal symbol and, for a text with a week letter, the
// week label; so a text accepted before is made current from its cached
// state instead of being parsed again. Refused texts are never cached.
//
// One rule empties the cache: an input a parse reads (a designator field,
// the input decimal symbol, the week label) differs from the one its
// entries were parsed under. Each emptying starts a new generation, so a
// memo built on cached formats can tell that they may have changed.
// The cache is per thread.
#pragma once

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/format_state.h"

namespace cvn::detail {

// Empties the cache when t's designators or the input decimal symbol are
// not those of its entries, and returns the present generation.
unsigned mFormatCacheGeneration(const CmTimeCls& t);

// The state an accepted mSetFormat(text) gave under the present inputs, or
// null when the cache does not hold text (text may be null).
const xFormatState* mFindCachedFormat(const CmTimeCls& t, const wchar_t* text);

// Caches the state an accepted mSetFormat of s.sText has just made current on t.
void mCacheFormat(const CmTimeCls& t, const xFormatState& s);

// t.mGenerateFormat(...) with the same text, taken from the cache when the
// same parts were generated before under the same separators, clock, style,
// elapsed flag, output decimal symbol and designators.
void mGenerateFormatCached(const CmTimeCls& t, int numParts,
                           const CmTimeCls::xTimePartsStruct* parts, const wchar_t* dateSep,
                           const wchar_t* timeSep, bool b24Hour, CmTimeCls::EAMPMFormat ampmFormat,
                           CmString& out);

}  // namespace cvn::detail
