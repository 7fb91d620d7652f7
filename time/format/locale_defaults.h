// Locale initialisation internals: reading one regional value, rewriting
// the regional time format's designator tokens, cleaning the two regional
// formats, and building the object's default formats. Pure functions on
// plain values, so they can be tested without an object.
#pragma once

#include "CmString.h"
#include "CmTimeCls.h"

namespace cvn::detail {

// Buffer sizes (characters, terminator included) of the regional values.
constexpr int kFirstDayOfWeekChars = 31;
constexpr int kShortDateChars = 20;
constexpr int kTimeFormatChars = 20;
constexpr int kDesignatorChars = 9;
constexpr int kDateSepChars = 4;

// Reads the regional value of lcType through a buffer of bufferChars
// characters (1 to 64). True with *out set when it was read; false with *out
// untouched when it cannot be read or does not fit.
bool mReadLocaleText(unsigned lcType, int bufferChars, CmString* out);

// True when c is an upper-case letter (it has a distinct lower-case form).
bool mIsUpperLetter(wchar_t c);

// Rewrites the designator token at the end of a trimmed, lower-cased time
// format: "tt" becomes the designator pair, "t" the pair of first letters.
// The locale's pair (am/pm, upper case, or amLower/pmLower when the locale
// writes its designators in lower case) is used when both are non-empty,
// else "AM"/"PM". A text shorter than 2 characters or without a final "t"
// comes back unchanged. Example: "h:mm:ss tt" with "AM", "PM" and upper
// case gives "h:mm:ss AM/PM"; "h:mm t" gives "h:mm A/P".
CmString mRewriteDesignatorToken(const CmString& timeFormat, const CmString& am, const CmString& pm,
                                 const CmString& amLower, const CmString& pmLower, bool upperCase);

// Removes every blank and then a last character that is not a letter:
// "d. m. yyyy." gives "d.m.yyyy".
void mCleanShortDate(CmString& shortDate);
// Drops a last character that is neither a letter nor ".".
void mCleanTimeFormat(CmString& timeFormat);

// Month and day of the short date: the short date without its "y" letters
// and without the separator that stood next to the year. dateSep may be
// empty (not readable); then only the "y" letters are removed.
// "m/d/yyyy" gives "m/d", "dd.mm.yyyy" "dd.mm", "yyyy-mm-dd" "mm-dd".
CmString mMonthDayFormat(const CmString& shortDate, const CmString& dateSep);

// "mm/yyyy" when the first "yy" of the short date stands after its first
// "m" (a missing one counts as position -1), else "yyyy/mm".
CmString mMonthYearFormat(const CmString& shortDate);

// How the short date decides which built-in formats it replaces.
enum eShortDateCase : int {
  eNoCase = 0,
  eCaseA = 1,  // three parts, the second an abbreviated month ("dd-mmm-yy")
  eCaseB = 2,  // three numeric parts of at most two digits ("dd.mm.yy")
  eCaseC = 3   // abbreviated month and a one- or two-digit part ("mmm-yy")
};
// numParts outside [0, 7] counts as no case.
eShortDateCase mClassifyShortDate(int numParts, const CmTimeCls::xTimePartsStruct* parts);

// Fills out[0..] with the default formats in order and returns how many
// were stored (at most 13, never more than CmTimeCls::kMaxDefFmts);
// *numPre15 receives the number stored before the month-name formats.
// monthDay may be empty (then it is left out); all but the last two get
// " h:mm:ss" appended; abbrev chooses "mmm" over "mmmm".
int mBuildDefaultFormats(const CmString& shortDate, const CmString& monthDay,
                         eShortDateCase shortDateCase, bool abbrev,
                         CmString (&out)[CmTimeCls::kMaxDefFmts], int* numPre15);

}  // namespace cvn::detail
