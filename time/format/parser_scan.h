// The format-string parser on plain values: normalisation of the text, the
// scan that cuts it into runs of equal characters and hands each run to its
// handler, the format class and the final checks. CmTimeCls::mParseFormat
// copies the object's designators in, runs the scan and copies the result
// out; tests drive the same functions directly.
#pragma once

#include <string>

#include "CmTimeCls.h"
#include "time/format/ampm_style.h"
#include "time/format/parser_designators.h"

namespace cvn::detail {

// A normalised format text of this many characters or more is refused.
constexpr int kMaxFormatChars = 80;

// String resource holding the label of a week format ("Wk").
constexpr unsigned kWeekLabelResource = 55676;

// Steps taken before the scan: runs of blanks become one blank, and the
// first comma gets exactly one blank after it and none before it, unless it
// is a decimal comma (input decimal ',' right after a lower-case "s").
// Null reads as "". The result is not trimmed.
std::wstring mNormaliseFormatText(const wchar_t* format, wchar_t cInputDecimal);

// What the scan reads besides the text.
struct xFormatScanInput {
  xFormatDesignators xDesignators;
  wchar_t cInputDecimal = L'.';
  bool bElapsedTimeFlag = false;  // the class-wide flag as it stands before the scan
  std::wstring sWeekLabel;        // the text of the week-label resource
};

// Everything the scan writes. Before a scan: no separators, no parts,
// 24-hour clock, style 0.
struct xFormatScan {
  std::wstring sDateSep;
  std::wstring sTimeSep;
  int iNumParts = 0;  // [0, 7]
  CmTimeCls::xTimePartsStruct xParts[CmTimeCls::kMaxParts] = {};
  bool b24Hour = true;
  CmTimeCls::EAMPMFormat eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
  eFormatType eFormat = eDateFormat;
  bool bElapsedTimeFlag = false;  // in: from the input; set when a bracket closes
};

// Scans a normalised, trimmed, non-empty text of fewer than kMaxFormatChars
// characters (sGiven in the case as given) and applies the final checks.
// Returns true when the text is a legal format; out holds whatever the scan
// left in it either way. Any text is safe: nothing is read or written
// outside the text or past seven parts.
bool mScanFormat(const std::wstring& sGiven, const xFormatScanInput& in, xFormatScan& out);

// One scan. Positions index the upper-case copy and the as-given copy, which
// have the same length.
class CmFormatScanner {
 public:
  CmFormatScanner(const std::wstring& sGiven, const xFormatScanInput& in, xFormatScan& out);

  // Cuts the text into runs and handles each one.
  void mScan();
  // Sets the format class from the date and time parts seen.
  void mSetFormatClass();
  // The final checks, in order; each failing one rejects.
  void mFinalChecks();
  bool mResult() const { return m_bResult; }

 private:
  // Handles the run of c from start, length len; returns where the scan
  // resumes (at least start + len).
  int mHandleRun(wchar_t c, int start, int len);
  void mHandleYear(int len);
  void mHandleMonthOrMinute(int start, int len);
  void mHandleDay(int len);
  void mHandleHour(int start, int len);
  void mHandleSecond(int start, int len);
  void mHandleQuarter(int start, int len);
  int mHandleWeek(int start, int len);
  void mHandleOpenBracket();
  void mHandleCloseBracket();
  int mHandleComma(int start, int len);
  // A separator character; next is the position of the character after it.
  void mHandleSeparator(wchar_t c, int len, int next);
  int mHandleDesignatorToken(int start, int len);
  int mHandleLocaleDesignator(wchar_t c, int start, int len);
  // A blank between runs.
  void mPassBlank();

  void mReject() { m_bResult = false; }
  // Stores part with the width already in the next record; refused when the
  // part is present or seven parts are stored.
  void mStore(xTimePartsEnum part);
  // Width of the next record, when there is one.
  void mSetNextCount(int count);
  bool mHasPart(xTimePartsEnum part) const;
  bool mHasMonthPart() const;
  xTimePartsEnum mPreviousPart() const;
  void mMarkTimePart(int start);
  // Upper-case / as-given character at i; 0 outside the text.
  wchar_t mUpperAt(int i) const;
  wchar_t mGivenAt(int i) const;
  // Designator style of a family (ampm_style.h) from the case of its first
  // letter and a blank before it.
  static CmTimeCls::EAMPMFormat mStyle(int family, bool bUpper, bool bBlankBefore);
  // Length of the date portion of a date-time format.
  int mDatePortionLength() const;

  std::wstring m_sUpper;
  const std::wstring& m_sGiven;
  const xFormatScanInput& m_xIn;
  xFormatScan& m_xOut;
  int m_iLength = 0;

  wchar_t m_cLastSep = 0;  // last separator character seen; 0: none yet
  bool m_bInBracket = false;
  bool m_bDatePart = false;
  bool m_bTimePart = false;
  bool m_bMonthAccepted = false;
  bool m_bDayAccepted = false;
  bool m_bQuarterAccepted = false;
  bool m_bWeekAccepted = false;
  bool m_bResult = true;
  int m_iFirstTimePos = -1;  // position of the first time part's run
};

// Part kinds by what they show.
inline bool mIsDatePartKind(int part) { return part >= xYear && part <= xDay; }
inline bool mIsTimePartKind(int part) { return part >= xHour && part <= xThousandth; }
inline bool mIsFractionPartKind(int part) { return part >= xHundredth && part <= xThousandth; }
// Year, month (any form) or day.
inline bool mIsCalendarPartKind(int part) {
  return part == xYear || part == xMonthNumber || part == xMonthAbbrev || part == xMonthName ||
         part == xDay;
}

}  // namespace cvn::detail
