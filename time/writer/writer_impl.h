// Private helpers of the time-to-text writer: the pure rules on plain values
// (which parts show flags select, how far a value is rounded, which
// separator goes before a date part, how an elapsed value splits, how the
// full-precision writer widens a format) and the write itself, which needs
// the object's fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "CmTimeCls.h"
#include "time/writer/text_builder.h"

namespace cvn::detail {

using xWriterPart = CmTimeCls::xTimePartsStruct;

// Half a second and half a millisecond, in days.
constexpr double kHalfSecondDays = 5.787037037037037e-06;
constexpr double kHalfMillisecondDays = 5.787037037037037e-09;

// The longest elapsed value that can be shown, in days: its total minutes
// still fit an int.
constexpr double kMaxElapsedDays = 1096092.0;

// The part list a write walks and the 24-hour flag that goes with it.
struct xWriterParts {
  int iNumParts;  // [0, 7]
  xWriterPart xParts[CmTimeCls::kMaxParts];
  bool b24Hour;
};

// A part count taken into [0, 7].
int mClampPartCount(int numParts);

// Date parts are the kinds 1 (year) to 9 (day).
constexpr bool mIsDateKind(xTimePartsEnum kind) { return kind >= xYear && kind <= xDay; }

// The kinds the writer can write: 1 to 12 and 15 (hundredths and tenths
// are units only).
constexpr bool mIsWritableKind(xTimePartsEnum kind) {
  return (kind >= xYear && kind <= xSecond) || kind == xThousandth;
}

// The parts selected by show flags (> 0). Bits are taken from the top by
// subtracting 64, 32, ... 1 in turn, so 128 and more select every part.
// The parts come in the order day (2), month abbreviation, quarter label
// first, year (count 1), hour (2), minute (2), second (2); 24-hour.
// Example: 7 gives hour, minute, second.
void mPartsFromShowFlags(int showFlags, xWriterParts* out);

// Days added to an absolute value before it is cut into parts, by the last
// part of the object's format (null: the format has none): 50 ms for a
// one-digit fraction, 5 ms for two digits, nothing for a fraction of any
// other width (three digits and more show whole milliseconds), half a
// second for every other last part.
double mAbsoluteRounding(const xWriterPart* lastPart);

// Days added to an elapsed value by the last part of the list: half a
// second after an hour, minute or second; half a unit of the last digit
// after a fraction of 1 to 3 digits; nothing otherwise. *widthOk is false
// (and nothing is added) for a fraction of any other width.
double mElapsedRounding(const xWriterPart& lastPart, bool* widthOk);

// What goes before a date part that is joined to text already written.
enum class eDateSeparator {
  kNone,        // quarter and week formats: their pieces carry the label
  kBlank,       // " "
  kCommaBlank,  // ", " before the year of month name, day, year
  kFormat       // the format's own date separator
};

// The separator rule of one write, worked out once from the format's date
// separator and the part list.
struct xDateSeparatorRule {
  bool bNone;          // the separator is "WK" or "Q", ignoring case
  bool bBlankStyle;    // the separator is " " or ", "
  bool bMonthDayYear;  // the list begins month name, day, year
};
xDateSeparatorRule mDateSeparatorRule(const wchar_t* dateSep, const xWriterParts& parts);
// The separator before the date part at index of the list.
eDateSeparator mDateSeparatorBefore(const xDateSeparatorRule& rule, int index);

// An elapsed value (0 to just over kMaxElapsedDays days) cut into whole
// days, total hours and the minute, second and millisecond of the last hour.
struct xElapsedClock {
  int iDays;         // [0, 1096093]
  int iTotalHours;   // days * 24 + hour of the day
  int iMinute;       // [0, 59]
  int iSecond;       // [0, 59]
  int iThousandths;  // [0, 999]
};
// v must lie in [0, kMaxElapsedDays + 1].
xElapsedClock mSplitElapsed(double v);

// ---- Full precision -------------------------------------------------------

// Index of the part with the greatest kind (the first of equal ones); -1
// when there is no part.
int mGreatestPart(int numParts, const xWriterPart* parts);

// Decimals needed to show thousandths exactly: 3 unless it ends in 0, 2
// unless it ends in 00, else 1.
int mFractionDigits(int thousandths);

// Appends to parts (at most 7) every clock kind, hour to thousandth, down
// to the finest non-zero one of hour, minute, second, thousandths, that is
// finer than the kind of the part at greatest (every kind when greatest is
// -1). A kind becomes a new part when the last part is a second or coarser,
// else it replaces the last part's kind keeping the larger count; a new
// part that finds all seven places taken is dropped. A greatest part that
// is a fraction then gets at least mFractionDigits(thousandths) decimals.
void mWidenClockParts(int* numParts, xWriterPart* parts, int greatest, int hour, int minute,
                      int second, int thousandths);

}  // namespace cvn::detail

struct CmTimeWriterImpl {
  // The value cut into the fields that the parts show.
  struct xShownValue {
    int iDayNumber;
    int iYear;
    int iMonth;  // [1, 12]
    int iDay;    // [1, 31]
    int iHour;   // [0, 23]; the total hours of an elapsed value
    int iMinute;
    int iSecond;
    int iThousandths;
  };

  // What the steps of one write share: the object, the value, the part
  // list, the value cut into fields, and the hour and minute still to be
  // shown (an elapsed format's first part takes the larger units in).
  struct xWriteState {
    const CmTimeCls& time;
    double t;
    const cvn::detail::xWriterParts& xList;
    xShownValue xValue;
    bool bElapsed;
    bool bSingleFraction;  // the object's format is one fraction part
    std::int64_t iHour;
    std::int64_t iMinute;
  };

  // The write of mCorvaneTimeToStr into plain strings; dateText and
  // timeText may be null when the caller discards them.
  static void mWrite(const CmTimeCls& time, double t, bool bDayNumber, int showFlags,
                     std::wstring& text, std::wstring* dateText, std::wstring* timeText);

  // Rounds an absolute value by the object's last format part and cuts it
  // into date and clock fields; false when it cannot be shown (beyond
  // mGetMaxInteger(), beyond the quick day-number bound, or a year outside
  // 1000 to 4000).
  static bool mSplitAbsolute(const CmTimeCls& time, double t, xShownValue* out);

  // Checks, rounds and cuts an elapsed value (sign removed) for the part
  // list; false when it cannot be shown (12-hour list, first part not a
  // clock part, longer than kMaxElapsedDays). *negative tells whether a
  // minus sign goes in front.
  static bool mSplitElapsed(const CmTimeCls& time, double t, const cvn::detail::xWriterParts& parts,
                            xShownValue* out, bool* negative);

  // The steps of mWrite. mSplitForWrite: false for a value that is no time
  // (NaN, infinities, the missing-value code) or cannot be shown; else the
  // fields in state->xValue. mAppendSeparator: what goes before the part at
  // index when text is not empty (*split moves to the start of the time
  // portion after a date part). mAppendPart: the part at index (not the
  // day number); mAppendHour: the hour, 24-hour or with the designator
  // left in the write's scratch string.
  static bool mSplitForWrite(xWriteState* state, bool* negative);
  static void mAppendSeparator(const xWriteState& state,
                               const cvn::detail::xDateSeparatorRule& rule, int index,
                               cvn::detail::xTextBuilder& text, size_t* split);
  static void mAppendPart(xWriteState* state, int index, cvn::detail::xTextBuilder& text);
  static void mAppendHour(const xWriteState* state, int count, cvn::detail::xTextBuilder& text);
};
