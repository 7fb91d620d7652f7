// Format generation on plain values: the token of each part, the separator
// written before it, the designator texts, and the rewriting of format texts
// into the short spelling of the older generation.
#pragma once

#include <string>

#include "CmTimeCls.h"
#include "time/format/ampm_style.h"
#include "time/format/parser_designators.h"

namespace cvn::detail {

// The most "s" letters written for a fraction part. No legal format comes
// near it (a format has fewer than 80 characters); it only keeps a wild
// count from producing a huge text.
constexpr int kMaxFractionLetters = 80;

// The token of one part ("yyyy", "mmm", "[h]", ".sss", ...). bElapsedFirst:
// the elapsed flag is set and this is the first part. Returns false, token
// empty, for a kind outside 1..15.
bool mFormatPartToken(const CmTimeCls::xTimePartsStruct& part, bool bElapsedFirst,
                      wchar_t cOutputDecimal, std::wstring& token);

// What is written between the part ePrev and the part eCurrent, given the
// text written so far: a blank between a date and a time part, the date or
// time separator otherwise (none inside quarter and week formats or before
// a fraction; ", " after the day of "mmmm d, yyyy").
std::wstring mPartSeparator(int ePrev, int eCurrent, const std::wstring& sDateSep,
                            const std::wstring& sTimeSep, const std::wstring& sWritten);

// Appends a designator as the style shows it (whole, or its first letter).
void mAppendDesignator(std::wstring& out, const xStyleParts& x, const std::wstring& designator);
// The designator a style writes for the morning (bAM) or the afternoon.
const std::wstring& mStyleDesignator(const xStyleParts& x, bool bAM, const xFormatDesignators& xD);

// The designator pair that closes a 12-hour format of the given style
// (" AM/PM", "a/p", " VORM./NACHM.", ...); empty outside 0..11.
std::wstring mDesignatorPairText(int style, const xFormatDesignators& xD);

// The designator written after a 12-hour time of the given hour (AM for
// hours up to 11, PM above) in the given style; empty outside 0..11.
std::wstring mDesignatorForHour(int style, int hour, const xFormatDesignators& xD);

// The older generation's short spelling of a format text: "mmmm" -> "mmm"
// (or "mm" -> "m" when there is no "mmm"), "yyyy" -> "yy", "dd" -> "d", and
// "-" and "." -> "/". "mm-dd-yyyy" -> "m/d/yy".
std::wstring mShortenPre15Spelling(const std::wstring& format);

// Every occurrence of from (non-empty) replaced by to, left to right, the
// search resuming after each replacement.
void mReplaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to);

// Splits a format text at the blank before its time half; see
// CmTimeCls::mGetDateTimeFmtParts.
void mSplitDateTimeFormat(const std::wstring& format, std::wstring& date, std::wstring& time);

}  // namespace cvn::detail
