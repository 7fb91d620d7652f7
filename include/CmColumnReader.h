// CmColumnReader: imports a whole column of date/time texts (from a file, a
// database export, a spreadsheet or a log) under one reading decided for the
// column, and never reads a text silently in a way the column contradicts.
//
// It stands beside CmTimeCls::mStrToCorvaneTime, which reads one cell under
// the current format and whose behaviour it leaves untouched. The column
// reader surveys every text first, decides the shape of the column (date,
// date-time, time of day or elapsed time; the day/month order; compact
// digits or plain numbers), then reads each text under that decision. The
// outcome does not depend on the order of the rows.
//
// Example: the column {"02/03/2020", "25/04/2020"} under United States
// settings reads as day-first (25 decides it): 2 March and 25 April 2020,
// with the report's format "dd/mm/yyyy" and bAmbiguous false. The column
// {"02/03/2020"} alone reads as 3 February (the regional order), reported
// ambiguous with the alternative "dd/mm/yyyy".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CmString.h"
#include "CvnDateTimeExport.h"

// Order of day, month and year in numeric dates.
enum class eColumnOrder : std::int32_t {
  eRegional = 0,  // the order of the regional short date format
  eMonthDayYear = 1,
  eDayMonthYear = 2,
  eYearMonthDay = 3
};

// What the column holds once decided.
enum class eColumnKind : std::int32_t {
  eEmpty = 0,  // nothing was read (every text missing or refused)
  eDate = 1,
  eDateTime = 2,
  eTimeOfDay = 3,  // values are fractions of a day in [0, 1]
  eElapsed = 4,    // values are signed days, may exceed one day
  eDayNumber = 5   // plain numbers read as day numbers (option bNumbersAsDayNumbers)
};

// Outcome of one row.
enum class eRowStatus : std::uint8_t {
  eRead = 0,
  eMissing = 1,  // empty text, blanks only, or "*"
  eRefused = 2   // see xColumnResult::vxRefusals for the reason
};

struct xColumnOptions {
  // Order assumed when no text of the column decides the day/month order.
  eColumnOrder eAssumedOrder = eColumnOrder::eRegional;
  // Last year of the two-digit-year window (for example 2029: "30" is 1930,
  // "29" is 2029; 1 to 99 are read as 2001 to 2099). 0 takes the library's
  // window (CVN_TWO_DIGIT_YEAR_MAX or its default).
  int iTwoDigitYearMax = 0;
  // False: a text with a UTC offset keeps the clock time written. True: it is
  // converted to UTC.
  bool bOffsetToUtc = false;
  // True: a column of plain numbers reads as day numbers (Corvane times).
  bool bNumbersAsDayNumbers = false;
};

// A refused row and why, in short English: "day 31 in a 30-day month" (any
// day and month length), "weekday does not match the date", "month/day
// order contradicts the column", "a number, not a date", "year outside 1000
// to 4000", "no such month", "no month 0", "day 0", "no such time of day", "a time, not a date" (a
// time alone in a column of dates), "a date, not a time" (a date in a
// column of times), "not a date or time".
struct xRowRefusal {
  std::size_t iRow = 0;
  std::string sReason;
};

// What the survey decided and what the read found.
struct xColumnReport {
  // The reading chosen, as a display format of the library's own format
  // language that shows the values the way they were written ("yyyy-mm-dd
  // hh:mm:ss", "d/m/yyyy", "mmm d, yyyy"); the caller may mSetFormat it.
  // Empty when nothing was read.
  CmString sFormat;
  eColumnKind eKind = eColumnKind::eEmpty;
  // The order numeric dates were read in (decided, or the assumed one when
  // nothing decided it); importing texts written under sFormat again with
  // this order assumed gives the same values.
  eColumnOrder eOrder = eColumnOrder::eMonthDayYear;
  std::size_t iRead = 0;
  std::size_t iMissing = 0;
  std::size_t iRefused = 0;
  // True when no text decided the day/month order and the assumed order was
  // taken; vsAlternatives then names the other order's format.
  bool bAmbiguous = false;
  // Other readings (as formats) that would also have read every text read.
  std::vector<CmString> vsAlternatives;
  // True when the column mixes shapes (say ISO dates and month names).
  bool bMixed = false;
};

struct xColumnResult {
  std::vector<double> vdValues;         // one per text; the missing-value code unless read
  std::vector<eRowStatus> veStatus;     // one per text
  std::vector<xRowRefusal> vxRefusals;  // refused rows, by increasing row
  xColumnReport xReport;
};

class CVN_API CmColumnReader {
 public:
  // Reads under the regional settings in force when mRead is called.
  CmColumnReader() = default;
  explicit CmColumnReader(const xColumnOptions& options) : m_xOptions(options) {}

  const xColumnOptions& mGetOptions() const { return m_xOptions; }
  void mSetOptions(const xColumnOptions& options) { m_xOptions = options; }

  // Surveys and reads the count texts. result is overwritten: one value and
  // one status per text, the refusals, and the report. Never throws, never
  // fails as a whole: an unreadable column gives every row refused (or
  // missing) and an empty report format. Changes no CmTimeCls state (no
  // current format, no class-wide list or flag). A large column (65,536
  // texts or more) is surveyed on two threads internally, each over half
  // the texts; the call returns only when both are done, the result is the
  // same as on one thread, and the texts must not change meanwhile. An
  // object is still used from one thread at a time.
  void mRead(const std::wstring_view* texts, std::size_t count, xColumnResult& result) const;
  void mRead(const std::vector<CmString>& texts, xColumnResult& result) const;

  // The same for a column given as UTF-8 text, one text per line: a line
  // ends at '\n' (a '\r' before it is dropped), text after the last '\n'
  // is a last line, and an empty text has no lines, so "a\nb\n" and "a\nb"
  // are both two rows. Each line is decoded on its own (an ill-formed
  // sequence or a NUL reads as U+FFFD); row i of the result is line i. The
  // column is not copied: a file's bytes can be read as they are.
  void mReadLines(std::string_view lines, xColumnResult& result) const;

 private:
  xColumnOptions m_xOptions;
};
