// Internals of the column reader: the token list of one text, the fields a
// text holds before the column's decision, the names it recognises, the
// survey's aggregates and the decision itself. Pure helpers on plain values,
// so tests reach them without a column.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "CmColumnReader.h"

namespace cvn::column {

// ---- Tokens (column_tokens.cpp) ---------------------------------------------

enum class eTok : std::uint8_t { eNum, eWord, eSep };

// What a word is, found when the text is cut into tokens.
enum class eWordKind : std::uint8_t {
  eUnknown,
  eMonth,    // iValue 1..12; bFull: a full name
  eWeekday,  // iValue 0 (Monday) .. 6
  eAm,       // designator; iValue: 0 two letters, 1 one letter, 2 dotted, 3 regional
  ePm,
  eT,         // the date/time separator "T" of ISO 8601
  eZone,      // "Z", "UT", "GMT", "EST", ...: iValue offset in minutes
  eWeekMark,  // "W" of an ISO week date
  eFiller,    // "of", "de", "at": read as a blank
  eDays       // "day", "days" of an elapsed time ("1 days 02:03:04")
};

struct xToken {
  eTok e = eTok::eSep;
  eWordKind eWord = eWordKind::eUnknown;
  bool bFull = false;          // words: a full month or weekday name
  bool bLower = false;         // words: the first letter is lower case
  bool bBlank = false;         // separators: holds a blank
  bool bLeadingBlank = false;  // separators: a blank before the first other character
  std::uint8_t n = 0;          // numbers: digit count; words: letters
  wchar_t c1 = 0;              // separators: first character that is not a blank (0: blanks only)
  wchar_t c2 = 0;              // separators: the second one
  std::int64_t iValue = 0;
};

constexpr int kMaxTokens = 40;

struct xTokens {
  int n = 0;
  bool bOverflow = false;  // more tokens than kMaxTokens, or a part too long
  std::array<xToken, kMaxTokens> a;
};

// The names a column is read with: English and regional month and weekday
// names (full and abbreviated), the designators; upper case, without a
// trailing full stop.
struct xNames {
  std::vector<std::wstring> vsMonths[12];
  std::vector<bool> vbMonthFull[12];
  std::vector<std::wstring> vsWeekdays[7];
  std::vector<bool> vbWeekdayFull[7];
  std::wstring sAm;  // regional designators, upper case (may be empty)
  std::wstring sPm;
  std::wstring sDesignatorPair;  // the regional pair as a format writes it: "vorm./nachm."
};

// The names in force (regional settings) plus the English ones.
xNames mNamesInForce();

// Cuts text into numbers, words and separators. False when the text holds
// a character no shape uses or is too long.
bool mTokenise(std::wstring_view text, const xNames& names, xTokens& out);

// ---- Fields of one text (column_parse.cpp) --------------------------------

enum class eDateForm : std::uint8_t {
  eNone,       // no date: a time of day or an elapsed time
  eNumeric,    // a b c (or a b without a year) in an order the column decides
  eYearFirst,  // yyyy-mm-dd and the like
  eYearMonth,  // yyyy-mm
  eMonthYear,  // mm/yyyy
  eWeekDate,   // yyyy-Www[-d]
  eOrdinal,    // yyyy-ddd
  eNamed,      // a month name
  eCompact,    // yyyymmdd[hhmm[ss]]
  eNumber      // a plain number
};

// Where the numbers stand around a month name.
enum class eNamedOrder : std::uint8_t { eMDY, eDMY, eYMD, eMY, eMD, eDM, eYM };

struct xFields {
  eDateForm eDate = eDateForm::eNone;
  eNamedOrder eNamed = eNamedOrder::eMDY;
  wchar_t cDateSep = 0;         // the date separator ('/', '-', '.', ' ')
  bool bCommaAfterDay = false;  // "mmm d, yyyy"
  bool bDotAfterDay = false;    // "21. Dezember 2013"
  bool bMonthFull = false;
  int a = 0, b = 0, c = 0;  // numeric dates in written order
  std::uint8_t na = 0, nb = 0, nc = 0;
  int iYear = 0, iMonth = 0, iDay = 0;  // resolved ones, or the written ones
  std::uint8_t nYear = 0;               // digits of the year written (0: none)
  int iWeek = 0, iWeekday = 0;          // week dates: ISO weekday 1..7
  int iWeekdayName = -1;                // 0 Monday .. 6, -1 none
  std::int64_t iCompact = 0;
  std::uint8_t nCompact = 0;
  double dNumber = 0.0;
  bool bNumberIsInteger = false;
  // Time.
  bool bTime = false;
  bool bTimeT = false;      // "T" before the time
  bool bTimeBasic = false;  // hhmmss without colons
  bool bSeconds = false;
  int iHour = 0, iMinute = 0, iSecond = 0, iMs = 0;
  std::uint8_t nHour = 0;
  std::uint8_t nFraction = 0;        // fraction digits written (0: none)
  std::uint8_t eDesignator = 0;      // 0 none, 1 AM, 2 PM
  std::uint8_t iDesignatorKind = 0;  // as eWordKind eAm's iValue
  bool bDesignatorBlank = false;
  bool bDesignatorLower = false;
  bool bOffset = false;
  int iOffsetMinutes = 0;
  // Elapsed.
  bool bElapsedMark = false;  // a sign or a day count in front
  int iSign = 1;
  std::int64_t iElapsedDays = 0;
};

// A form that holds a date (not a time alone, not a plain number).
constexpr bool mIsDateForm(eDateForm e) {
  return e != eDateForm::eNone && e != eDateForm::eNumber && e != eDateForm::eCompact;
}

// Reads the fields of a token list. False when the tokens make no shape.
bool mParseFields(const xTokens& t, xFields& f);

// Milliseconds of a fraction of n digits, rounded: [0, 1000].
inline int mFractionMs(std::int64_t value, int n) {
  if (n <= 3) {
    for (int k = n; k < 3; ++k) value *= 10;
    return static_cast<int>(value);
  }
  std::int64_t iDivisor = 1;
  for (int k = 3; k < n && k < 21; ++k) iDivisor *= 10;
  return static_cast<int>((value + iDivisor / 2) / iDivisor);
}

// ---- Layout templates (column_template.cpp) -------------------------------

// What a digit run of a template is.
enum class eRole : std::uint8_t {
  eA,
  eB,
  eC,  // the date's numbers in written order
  eDays,
  eHour,
  eMinute,
  eSecond,
  eFraction,
  eOffsetHours,
  eOffsetMinutes,
  eCount
};
enum class eItem : std::uint8_t {
  eNumber,     // a run of nMin..nMax digits stored at pValue (and its length at
               // pDigits), then the character c unless c is 0
  eDigits,     // a run of nMin..nMax digits of a role that needs arithmetic
  eLiteral,    // the character c
  eLetter,     // the letter c ("T", "Z") in either case, alone
  eSign,       // "+" or "-" of an offset
  eDesignator  // "AM"/"PM" (nMin 2) or "A"/"P" (nMin 1) in the sample's case
};
struct xTemplateItem {
  eItem eKind = eItem::eLiteral;
  eRole eRoleOf = eRole::eA;
  std::uint8_t nMin = 0, nMax = 0;
  bool bLower = false;
  wchar_t c = 0;
  int xFields::*pValue = nullptr;
  std::uint8_t xFields::*pDigits = nullptr;
};
constexpr int kMaxTemplateItems = 40;
struct xTemplate {
  int n = 0;
  std::array<xTemplateItem, kMaxTemplateItems> a;
  xFields xBase;           // the sample's fields; the matched ones replace its numbers
  std::uint64_t iKey = 0;  // the shape key of every text it matches
};

// The template of sample, whose fields f the general reader found. False
// when the shape has no template (names, words, basic ISO forms).
bool mMakeTemplate(std::wstring_view sample, const xFields& f, xTemplate& t);

// The fields of text when it matches t (exactly those the general reader
// would find); false otherwise, f then undefined. bBaseLoaded: f already
// holds t's sample fields from a match before (only the numbers change).
bool mMatchTemplate(const xTemplate& t, std::wstring_view text, bool bBaseLoaded, xFields& f);

// ---- Shape key, survey, decision (column_decide.cpp) ----------------------

// The shape of a text: every field that changes how the column is written.
std::uint64_t mShapeKey(const xFields& f);

enum eOrderBits : unsigned { kMdy = 1, kDmy = 2, kYmd = 4 };

// The orders (eOrderBits) under which a numeric date a b c is a date;
// window gives two-digit years.
struct xWindow {
  int iMax = 29;     // last two digits of the window end
  int iBase = 1900;  // century the window starts in
  int mYear(int yy) const { return (iMax != 99 && yy <= iMax ? yy + 100 : yy) + iBase; }
};
unsigned mOrdersThatRead(const xFields& f, const xWindow& window);

// What the texts of a shape that were read wrote: how many, which numbers
// had one digit (kShort... bits), the most fraction digits.
enum eShortBits : std::uint8_t {
  kShortFirst = 1,
  kShortSecond = 2,
  kShortThird = 4,
  kShortHour = 8
};
struct xMarks {
  std::size_t iCount = 0;
  std::uint8_t uShort = 0;
  std::uint8_t nFraction = 0;
};

// Adds text f (read) to marks m. Numbers written with one digit: numeric
// dates by position (first, second, third); month names: the day is the
// second; yyyy-mm-dd: the month second, the day third.
void mAddMarks(xMarks& m, const xFields& f);

// Slots of xShapeStats::axRead: what the reader read ahead under each of its
// likely decisions, and what it read once the column was decided.
constexpr int kReadSlots = 10;

struct xShapeStats {
  std::uint64_t iKey = 0;
  std::size_t iCount = 0;  // texts of the shape read (the survey counts all)
  xFields xSample;         // one text of the shape: only what the key fixes is read from it
  // Of the texts read: numbers written with one digit, most fraction digits.
  bool bShortFirst = false;
  bool bShortSecond = false;
  bool bShortThird = false;
  bool bShortHour = false;
  std::uint8_t nFraction = 0;
  std::array<xMarks, kReadSlots> axRead{};
};

struct xSurvey {
  std::vector<xShapeStats> vShapes;
  std::unordered_map<std::uint64_t, std::size_t> mIndex;  // shape key -> index in vShapes
  std::size_t iDates = 0, iTimes = 0, iNumbers = 0, iUnreadable = 0, iMissing = 0;
  std::size_t iReads[3] = {0, 0, 0};         // numeric dates that read as MDY, DMY, YMD
  unsigned uAllOrders = kMdy | kDmy | kYmd;  // orders every numeric date reads in
  std::size_t iNumeric = 0;
  std::size_t iCompactCandidates = 0, iCompactValid = 0;
  std::uint8_t nCompactLength = 0;
  bool bCompactLengthsDiffer = false;
  bool bElapsedMark = false;  // a sign, a day count or hours beyond 23
  bool bDesignator = false;
  bool bAnyTimeWithDate = false;
  std::size_t iLastShape = 0;  // where the last text's shape was found
};

// Adds one text of shape key (mShapeKey(f)) to the survey.
void mSurveyAdd(xSurvey& s, const xFields& f, std::uint64_t key, const xWindow& window);

// Adds survey from, of the rows after those of s, to s: s becomes the
// survey of both (shapes in the order of their first text).
void mSurveyMerge(xSurvey& s, const xSurvey& from);

struct xDecision {
  eColumnKind eKind = eColumnKind::eEmpty;
  unsigned uOrder = kMdy;  // one of eOrderBits
  bool bAmbiguous = false;
  bool bCompact = false;  // bare 8, 12 or 14 digit numbers are dates
  bool bDayNumbers = false;
  bool bElapsed = false;    // time-only texts are elapsed times
  int iDefaultYear = 2000;  // named dates without a year
  xWindow xWin;
  bool bToUtc = false;
  std::wstring sDesignatorPair;  // as xNames
};

// The order assumed when no text decides (kMdy, kDmy or kYmd).
unsigned mAssumedOrder(const xColumnOptions& options, unsigned regionalOrder);

// The order that reads the most numeric dates surveyed so far; among
// orders that read as many, the assumed one, else month-day-year, then
// day-month-year, then year-month-day.
unsigned mLeadingOrder(const xSurvey& s, unsigned assumed);

// Decides the column from its survey; order-independent.
xDecision mDecide(const xSurvey& s, const xColumnOptions& options, unsigned regionalOrder);

// The order of a regional short date format ("M/d/yyyy" -> kMdy).
unsigned mOrderOfShortDate(std::wstring_view shortDate);

// ---- Values (column_resolve.cpp) ------------------------------------------

// The reasons a text is refused.
enum class eReason : std::uint8_t {
  eNone,
  eNotDate,
  eNumber,
  eOrder,
  eWeekday,
  eDayInMonth,
  eYearRange,
  eMonthRange,
  eTimeRange,
  eTimeInDates,  // a time of day or elapsed time in a column of dates
  eDateInTimes,
  eMonthZero,
  eDayZero
};

// Reads the value of fields f under decision d; on false *reason says why
// (and *dayInMonth, *monthLength fill "day 31 in a 30-day month").
bool mResolve(const xFields& f, const xDecision& d, double* value, eReason* reason, int* dayInMonth,
              int* monthLength);

std::string mReasonText(eReason reason, int dayInMonth, int monthLength);

// ---- The column (column_reader.cpp) --------------------------------------

// Rows from which CmColumnReader::mRead surveys a column on two threads.
constexpr std::size_t kTwoThreadsFrom = 65536;

// CmColumnReader::mRead with the number of rows from which the survey runs
// on two threads (the result is the same for every value).
void mReadInto(const std::wstring_view* texts, std::size_t count, const xColumnOptions& options,
               xColumnResult& result, std::size_t twoThreadsFrom);
// CmColumnReader::mReadLines likewise.
void mReadLinesInto(std::string_view lines, const xColumnOptions& options, xColumnResult& result,
                    std::size_t twoThreadsFrom);

// ---- Report (column_report.cpp) -------------------------------------------

// The display format of one shape in the column's decision.
std::wstring mFormatOfShape(const xShapeStats& x, const xDecision& d, unsigned order);

// Fills the report from survey and decision (counts are filled by the caller).
void mFillReport(const xSurvey& s, const xDecision& d, xColumnReport& report);

}  // namespace cvn::column
