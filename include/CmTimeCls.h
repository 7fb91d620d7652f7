// CmTimeCls: one object holds a current date/time display format and
// converts both ways between Corvane times and text under it.
//
// A Corvane time is a double counting days from 30 December 1899 (day 0);
// its fraction is the time of day. Valid times lie in the years 1000 to 4000
// of the Gregorian calendar. A missing time is the missing-value code of
// CmCVNConst.
//
// The library is used from one thread at a time: the global instance, the
// class-wide lists and flags and the name tables are shared unguarded.
#pragma once

#include <vector>

#include "CmString.h"
#include "CvnDateTimeExport.h"
#include "CvnOdbcTypes.h"
#include "CvnTimeTypes.h"

// Number of words of the version-14 packed format.
constexpr int PACKED_WORDS_14 = 3;

class CVN_API CmTimeCls {
 public:
  // One part of a parsed format: its kind and its width (letters/digits).
  struct xTimePartsStruct {
    xTimePartsEnum ePart;
    int iCount;
  };

  // AM/PM designator style written after a 12-hour time.
  enum EAMPMFormat : int {
    eAmPmUpperSpaced = 0,    // " PM"
    eAmPmLowerSpaced = 1,    // " pm"
    eAmPmUpper = 2,          // "PM"
    eAmPmLower = 3,          // "pm"
    eApUpperSpaced = 4,      // " P"
    eApLowerSpaced = 5,      // " p"
    eApUpper = 6,            // "P"
    eApLower = 7,            // "p"
    eLocaleSpaced = 8,       // " " + locale PM, upper case
    eLocaleLowerSpaced = 9,  // " " + locale PM, lower case
    eLocale = 10,            // locale PM, upper case
    eLocaleLower = 11        // locale PM, lower case
  };

  // Day number and time of day (ms, negated for a negative elapsed read).
  struct xNumtimStruct {
    int iDayNumber;
    double dTimeOfDay;
  };

  static constexpr int kMaxParts = 7;
  static constexpr int kMaxDefFmts = 20;
  static constexpr int kMaxLegalFmts = 150;

  // ---- Construction (time.cpp) -------------------------------------------
  // Construction reads the regional settings in force (mSetRegionalSettings)
  // and the two-digit-year window, sets the regional date-time format and adds
  // the regional and built-in formats to the class-wide legal-format lists
  // (duplicates skipped); it never fails. Copies take every field.
  CmTimeCls();
  CmTimeCls(const CmTimeCls& other);
  CmTimeCls& operator=(const CmTimeCls& other);
  ~CmTimeCls();

  // The global instance gcmTime.
  static CmTimeCls& mGetGlobalTime();

  // The current format exactly as it was set (not its canonical text), its
  // format class, and its date and time separators.
  CmString mGetDateTimeFmt() const { return m_sDateTimeFmt; }
  eFormatType mGetEFormat() const { return m_eFormat; }
  CmString mGetDateSep() const { return m_sDateSep; }
  CmString mGetTimeSep() const { return m_sTimeSep; }
  // The class-wide elapsed flag: speaks of the format last set on any object.
  bool mGetElapsedTimeFlag() const { return m_bElapsedTimeFlag; }
  // First day of the week, 0 = Monday .. 6 = Sunday (weeks of mGet).
  int mGetStartDayOfWeek() const { return m_iStartDayOfWeek; }
  // True exactly for three parts, each a year, a month or a day part.
  bool mIsFullySpecifiedDate() const;

  // ---- Part lookups ------------------------------------------------------
  // True when one of the first count parts is part (false when count < 1).
  bool mIsDuplicatePart(int count, const xTimePartsStruct* parts, xTimePartsEnum part) const;
  // Index of the first of count parts that is part, or -1.
  int mFindMatchingFmtPart(xTimePartsEnum part, int count, const xTimePartsStruct* parts) const;

  // ---- Calendar core (calendar/) -----------------------------------------
  // Days of month in a leap year (February 29); a month outside 1..12 runs
  // on into the neighbouring years (13 is January). Example: 2 gives 29.
  int mGetMaxDaysInMonth(int month) const;
  // Days of month in year, months outside 1..12 carried into the year.
  // Example: (2, 1900) gives 28, (14, 2023) gives 29 (February 2024).
  int mGetMaxDaysInMonthYear(int month, int year) const;
  // Present local time of day as a fraction of a day, plus 5e-10.
  double mTime() const;
  // The present local date and time as a Corvane time, from the clock in
  // force (the system clock unless a test injected one).
  double mNow() const;
  // The present local date as a Corvane time (a whole number).
  double mToday() const;
  // t = day number of the date + time of day / 86400000; always true.
  bool mGenerateCorvaneTime(int year, int month, int day, int hour, int minute, int second,
                            int thousandths, double* t) const;
  // False for the missing-value code, NaN, infinities and years outside 1000..4000.
  bool mValidCorvaneTime(double t) const;
  // t2 - t1 moved 5e-10 away from zero.
  double mTimeDiff(double t1, double t2) const;
  // The Corvane time of an ODBC record; the fraction is taken in whole
  // milliseconds and fields out of range run on (month 13 is January of the
  // next year). Nothing happens for a null argument.
  void mODBCToCorvaneTime(tagTIMESTAMP_STRUCT* ts, double* t) const;
  // The ODBC record of t (fraction in whole milliseconds, as nanoseconds).
  // The missing-value code, NaN and infinities give an all-zero record.
  void mCorvaneTimeToODBC(double t, tagTIMESTAMP_STRUCT* ts) const;

  // One calendar or clock part of t (an xTimeExtractEnum, 0 to 20) as a
  // number, and in text as the current format writes it (its part width,
  // else "%d"; quarter and week labels from the string resources). An
  // unknown what gives -1 and empty text. Example: the month of 15 August
  // 2024 gives 8 and "8" ("08" under a format with "mm").
  int mGet(double t, xTimeExtractEnum what, CmString& text) const;
  // t cut down to the start of its unit: every finer field cleared (weeks
  // to the first of the month, quarters to 1 January, xNoPart like a
  // year); hundredths, tenths and thousandths keep the time of day rounded
  // to the millisecond. Values that name no day (NaN, infinities, beyond
  // the int range of days) and unknown units come back as they are.
  // Example: 10:45:30 of 15 August 2024 floored to the hour is 10:00.
  double mGetFloor(double t, xTimePartsEnum unit) const;

  // ---- Name tables (calendar/name_tables.cpp) ----------------------------
  // Replace out with the 12 month abbreviations (January first, without a
  // full stop), or the 7 weekday abbreviations (Monday first, as loaded).
  void mGetMonthAbbreviations(std::vector<CmString>& out) const;
  void mGetDayAbbreviations(std::vector<CmString>& out) const;

  // ---- Format model (format/) --------------------------------------------
  //
  // Splits format into its date half and its time half (either may be empty;
  // format itself may be rewritten to its usual spelling).
  void mGetDateTimeFmtParts(CmString& format, CmString& date, CmString& time) const;
  // Rewrites format to the older short spelling; true when one of the first
  // m_iNumPre15Fmts default formats contains it.
  bool mIsPre15Format(CmString& format) const;

  // Makes format current: true when it is legal; the text is kept as given
  // and the class-wide elapsed and comma flags follow it. False for null,
  // empty or illegal text: the previous format stays current in every
  // respect. Example: "mmmm d,yyyy" is accepted; "h:m" is refused.
  bool mSetFormat(const wchar_t* format);
  // Set the regional date-time format (short date, a blank, time), the
  // regional date format or the regional time format; a refused one leaves
  // the previous format current (nothing is reported).
  void mSetDefFormat();
  void mSetDateFormat();
  void mSetTimeFormat();
  // The canonical text of the current format, the most characters a text
  // under it can take, and whether it has date and clock parts. Example:
  // "m/d/yy" gives width 8; "mmmm d,yyyy" comes back as "mmmm d, yyyy".
  void mGetFormat(CmString& format, int* width, bool* hasDate, bool* hasTime) const;
  // mInitLoop resets the class-wide cursor of a format class; mNextFormat
  // then gives the next legal format of that class from the main list (or
  // the working copy) and true, or false at the end; an unknown class is
  // reported (mAssert) and gives false. The current format is kept.
  void mInitLoop(eFormatType type);
  bool mNextFormat(eFormatType type, CmString& format, bool workingCopy);
  // Add the canonical text of a legal format to the main list (or the working
  // copy), or delete it from there. False for an illegal format, a full list
  // (150 entries) or, on deletion, an entry that is not there; adding one
  // already there is no failure. The current format is kept.
  bool mAddFormat(const wchar_t* format, bool workingCopy);
  bool mDeleteFormat(const wchar_t* format, bool workingCopy);
  // Empties both class-wide lists.
  void mDeleteAllFormats();
  // Replaces the main list with the working copy (toMain) or the working copy
  // with the main list.
  void mCopyFromFormat(bool toMain);

  // Reads the regional settings again: designators, first day of the week,
  // name tables, regional formats and legal-format lists, as construction
  // does; the regional date-time format becomes current.
  void mInitialize();

  // mPackFormat replaces words with the current format packed into three
  // words; mUnpackFormat makes the format of such words current (words too
  // short count as zero; a format they do not give leaves the current one).
  void mPackFormat(std::vector<unsigned>& words) const;
  void mUnpackFormat(const std::vector<unsigned>& words);
  // The same in the version-14 layout (PACKED_WORDS_14 words). mGetFormat14
  // first brings the global instance's format into what version 14 can show
  // (it changes gcmTime's current format).
  void mGetFormat14(std::vector<unsigned>& words) const;
  void mSetFormat14(const std::vector<unsigned>& words);

  // ---- Reader (reader/) ----------------------------------------------------
  // Always stores a value: the time, or the missing-value code. True for a
  // valid time and for text holding no value ("", blanks, "*"); false (and
  // the missing-value code) for text no legal format reads. The format that
  // read the text may become current. Example: "3/15/2020" under
  // "m/d/yyyy" gives 43905.
  bool mStrToCorvaneTime(const wchar_t* text, double* value);
  // Reads rangeText as one value or two joined by "..", each between the
  // values of lowText and highText (read like mStrToCorvaneTime, so the
  // current format may change; endWord in place of the second value
  // stands for the high bound). False for an unreadable bound or value, a
  // value outside the bounds, a backwards range or more than two values.
  // Example: "1/1/2000..end" with endWord "end".
  bool mValidateDTRange(const wchar_t* rangeText, const wchar_t* lowText, const wchar_t* highText,
                        const wchar_t* endWord, double* first, double* second);
  // Reads a signed span "+d h:m:s.hh" (pieces may be left off from the end):
  // the sign (+1 or -1), days, hours (0 to 23), minutes and seconds (0 to 59)
  // and hundredths (0 to 99). False for a text under 2 or over 79 characters,
  // no sign, no days or a piece out of range; the valid pieces are stored.
  // Example: "-2 3:04" gives -1, 2, 3, 4, 0, 0.
  bool mParseDeltaTime(const wchar_t* text, int* sign, int* days, int* hours, int* minutes,
                       int* seconds, int* hundredths) const;

  // ---- Writer (writer/) ----------------------------------------------------
  // showFlags <= 0: the current format. "*" for values that cannot be shown.
  void mCorvaneTimeToStr(double t, bool bDayNumber, CmString& text, CmString& dateText,
                         CmString& timeText, int showFlags) const;
  void mCorvaneTimeToStr(double t, bool bDayNumber, CmString& text, int showFlags) const;
  // The present time written under the current format (an elapsed format
  // shows 12:29:59.945 as it rounds), for showing a user what a format does.
  void mExampleTime(CmString& text) const;
  // Writes t under the current format widened with every clock part down to
  // the finest non-zero one (the object's format changes to the widened
  // one); "*" for values that cannot be shown.
  void mShowFullPrecision(double t, CmString& text);

  // ---- Scales (scale/) -----------------------------------------------------
  // time moved by count units (whole calendar units; a month step keeps the
  // day within the month: 31 January + 1 month is 29 February 2000). The
  // missing-value code when time or the result leaves 1 January 0001 to
  // 31 December 9999, or count is not finite. Nothing for a null result.
  void mNormToCorvaneTime(double count, xTimePartsEnum unit, double time, double* result) const;
  // The length in days of one unit starting from the present (0 when it
  // cannot be stepped).
  double mGetOneCvnUnitOfTime(xTimePartsEnum unit) const;
  // How many times start, start + increment units, ... lie in [start, end];
  // 0 for an increment that is not positive and for times outside the scale.
  // Example: a day of hours (36526 to 36527) gives 25.
  int mNumTimesInRange(double start, double end, double increment, xTimePartsEnum unit) const;
  // The finest unit in which a column of times changes, under the format of
  // packedFormat (which becomes current), with the smallest value and the
  // span in *minimum and *span (0 when unknown; null receivers skipped).
  xTimePartsEnum mFindUnitOfTime(const double* times, int count,
                                 const std::vector<unsigned int>& packedFormat, double* minimum,
                                 double* span);
  // A scale covering [dataMin, dataMax] with about (minTicks + maxTicks) / 2
  // ticks on round times; the ends are moved out to ticks unless setScaleMin
  // or setScaleMax keeps them. May change the current format.
  void mFindNiceScale(double dataMin, double dataMax, int minTicks, int maxTicks, bool setScaleMin,
                      bool setScaleMax, double* scaleMin, double* scaleMax,
                      std::vector<double>& ticks);
  // Replace ticks with count times from start (those below lowest skipped),
  // stepping by the increments of the units of unitCode (a CmTimeUnit code);
  // mGenerateSpecialDayMonthTimes keeps dayOfMonth (1 to 31) in each month.
  // An unknown code is reported (mAssert) and gives no ticks.
  void mGenerateNewTimes(int unitCode, const std::vector<int>& increments, double start,
                         double lowest, int count, std::vector<double>& ticks) const;
  void mGenerateSpecialDayMonthTimes(int unitCode, const std::vector<int>& increments, double start,
                                     double lowest, int dayOfMonth, int count,
                                     std::vector<double>& ticks) const;

  // ---- Class-wide members --------------------------------------------------
  static int iDateLoop;
  static int iTimeLoop;
  static int iDateTimeLoop;
  static int iNumLegalFmts;
  static int iNumTmpLegalFmts;
  static bool m_bElapsedTimeFlag;
  static bool m_bFmtHasComma;
  static std::vector<CmString> m_vsLegalFmts;
  static std::vector<CmString> m_vsTmpLegalFmts;

  // Name tables (months January first, weekdays Monday first). Widths count
  // the terminator.
  static wchar_t gszMonthAbbrevUpper[12][8];
  static wchar_t gszMonthAbbrevUpperNoStop[12][8];
  static wchar_t gszMonthAbbrev[12][8];
  static wchar_t gszMonthNameUpper[12][32];
  static wchar_t gszMonthName[12][32];
  static wchar_t gszDayAbbrev[7][8];
  static wchar_t gszDayAbbrevNoStop[7][8];
  static wchar_t gszDayName[7][32];
  static bool gbAbbrevMonthNames;

 private:
  friend struct CmTimeClsTestAccess;  // tests reach private members through it
  friend struct CmTimeCalendarImpl;
  friend struct CmTimeFormatImpl;
  friend struct CmTimeReaderImpl;
  friend struct CmTimeWriterImpl;
  friend struct CmTimeScaleImpl;

  void mGetTwoDigitYearInfo();

  // Calendar core.
  bool mIsLeapYear(int year) const;
  void mNumJulianDays(int year, int* days, bool* before1900) const;
  void mToJulianDay(int year, int month, int day, int* dayNumber) const;
  void mToJulianDay(int year, int dayOfYear, int* dayNumber) const;
  void mFromJulianDay(int dayNumber, int* year, int* month, int* day, int* week,
                      xTimeExtractEnum how) const;
  void mGetMonthAndDay(int year, int week, int* month, int* day) const;
  int mGetDayOfWeek(int dayNumber) const;
  int mGetDayOfWeek(int year, int month, int day) const;
  void mToTimeOfDay(int hour, int minute, int second, int thousandths, double* timeOfDay) const;
  void mFromTimeOfDay(double timeOfDay, int* hour, int* minute, int* second,
                      int* thousandths) const;
  void mToDayThousandths(double t, int* dayNumber, double* timeOfDay) const;
  void mTimeOfDay(double t, int* hour, int* minute, int* second, int* thousandths) const;
  void mAddThousandths(double thousandths, xNumtimStruct* p) const;
  void mToDaysFraction(xNumtimStruct* p, double* t) const;

  // Calendar parts and weeks.
  int miDayOfWeek(double t, CmString& name) const;
  int mFindWeek(int dayOfYear, int year, xTimeExtractEnum how) const;
  int mGetDaysInFirstWeek(int year, int month) const;
  int mGetWeeksInYear(int year) const;

  // Name tables.
  int mIsMonthName(const wchar_t* upperText, bool* abbreviation) const;

  // Format model.
  bool mParseFormat(const wchar_t* format, CmString& dateSep, CmString& timeSep, int* numParts,
                    xTimePartsStruct* parts, bool* b24Hour, EAMPMFormat* ampmFormat);
  void mGenerateFormat(int numParts, const xTimePartsStruct* parts, const wchar_t* dateSep,
                       const wchar_t* timeSep, bool b24Hour, EAMPMFormat ampmFormat,
                       CmString& out) const;
  void mMakeAMPMFormat(int hour, CmString& out) const;
  int mGetWidestFormattedWidth(xTimePartsEnum part) const;

  // Reader.
  bool mValidateTime(const wchar_t* text, xNumtimStruct* out);
  bool mParseAbsTime(const wchar_t* text, int* year, int* month, int* day, int* hour, int* minute,
                     int* second, int* thousandth);
  bool mSeparateDateTimeAMPM(const wchar_t* text, CmString& dateText, CmString& timeText,
                             CmString& ampmText, EAMPMFormat* ampmFormat,
                             bool* hasDateOrDesignator) const;
  bool mIsValidAbsTime(const wchar_t* text, int* year, int* month, int* day, int* hour, int* minute,
                       int* second, int* thousandth, bool* decisive, bool* yearWidthMatches);

  // Scales.
  void mGetTimeDiff(double first, double second, xTimePartsEnum unit, double* result) const;
  bool mDidBiggerTimeUnitChange(xTimePartsEnum unit, double first, double second) const;
  void mAddTimeIncrement(const std::vector<int>& increments, std::vector<int>& steps) const;

  // ---- Fields, in order ----------------------------------------------------
  int m_iNumParts = 0;
  xTimePartsStruct m_xParts[kMaxParts] = {};
  bool m_b24Hour = true;
  CmString m_sAM;
  CmString m_sPM;
  CmString m_sAMLower;
  CmString m_sPMLower;
  CmString m_sAMDefault;
  CmString m_sPMDefault;
  CmString m_sAMDefaultLower;
  CmString m_sPMDefaultLower;
  int m_iStartDayOfWeek = 6;
  bool m_bAbbrevMonthNames = true;
  EAMPMFormat m_eAMPMFormat = eAmPmUpperSpaced;
  int m_iInitDay = 0;
  double m_dInitTimeOfDay = 0.0;
  int m_iBaseYear = 1900;
  int m_iTwoDigitYearMax = 29;
  int m_iTwoDigitYearBase = 1900;
  CmString m_sDateTimeFmt;
  eFormatType m_eFormat = eDateFormat;
  CmString m_sTimeSep;
  CmString m_sDateSep;
  CmString m_sRejectedTimeSep;
  CmString m_sRejectedDateSep;
  eFormatType m_eRejectedFormat = eDateFormat;
  int m_iNumDefFmts = 0;
  int m_iNumPre15Fmts = 0;
  CmString m_sDefFmts[kMaxDefFmts];
  CmString m_sShortDateFmt;
  CmString m_sTimeFmt;
  bool m_bReadWithDefaultFmt = false;
  bool m_bReadElapsed = false;
};

// The global instance used by the flat entry points and most callers.
extern CVN_API CmTimeCls gcmTime;

// Loads the regional month and weekday names into the class-wide tables.
CVN_API void mInitTimeClassMonthNames();
