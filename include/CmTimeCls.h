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
  CmTimeCls();
  CmTimeCls(const CmTimeCls& other);
  CmTimeCls& operator=(const CmTimeCls& other);
  ~CmTimeCls();

  static CmTimeCls& mGetGlobalTime();

  CmString mGetDateTimeFmt() const { return m_sDateTimeFmt; }
  eFormatType mGetEFormat() const { return m_eFormat; }
  CmString mGetDateSep() const { return m_sDateSep; }
  CmString mGetTimeSep() const { return m_sTimeSep; }
  // The class-wide elapsed flag: speaks of the format last set on any object.
  bool mGetElapsedTimeFlag() const { return m_bElapsedTimeFlag; }
  int mGetStartDayOfWeek() const { return m_iStartDayOfWeek; }
  // True exactly for three parts, each a year, a month or a day part.
  bool mIsFullySpecifiedDate() const;

  // ---- Part lookups ------------------------------------------------------
  // True when one of the first count parts is part (false when count < 1).
  bool mIsDuplicatePart(int count, const xTimePartsStruct* parts, xTimePartsEnum part) const;
  // Index of the first of count parts that is part, or -1.
  int mFindMatchingFmtPart(xTimePartsEnum part, int count, const xTimePartsStruct* parts) const;

  // ---- Calendar core (calendar/) -----------------------------------------
  int mGetMaxDaysInMonth(int month) const;
  int mGetMaxDaysInMonthYear(int month, int year) const;
  // Present local time of day as a fraction of a day, plus 5e-10.
  double mTime() const;
  double mNow() const;
  double mToday() const;
  // t = day number of the date + time of day / 86400000; always true.
  bool mGenerateCorvaneTime(int year, int month, int day, int hour, int minute, int second,
                            int thousandths, double* t) const;
  // False for the missing-value code, NaN, infinities and years outside 1000..4000.
  bool mValidCorvaneTime(double t) const;
  // t2 - t1 moved 5e-10 away from zero.
  double mTimeDiff(double t1, double t2) const;
  void mODBCToCorvaneTime(tagTIMESTAMP_STRUCT* ts, double* t) const;
  void mCorvaneTimeToODBC(double t, tagTIMESTAMP_STRUCT* ts) const;

  // Returns the extracted number (-1 for an unknown what) and its text.
  int mGet(double t, xTimeExtractEnum what, CmString& text) const;
  double mGetFloor(double t, xTimePartsEnum unit) const;

  // ---- Name tables (calendar/name_tables.cpp) ----------------------------
  void mGetMonthAbbreviations(std::vector<CmString>& out) const;
  void mGetDayAbbreviations(std::vector<CmString>& out) const;

  // ---- Format model (format/) --------------------------------------------
  // Splits a format text into its date and time halves.
  void mGetDateTimeFmtParts(CmString& format, CmString& date, CmString& time) const;
  // Rewrites format to the older short spelling; true when one of the first
  // m_iNumPre15Fmts default formats contains it.
  bool mIsPre15Format(CmString& format) const;

  bool mSetFormat(const wchar_t* format);
  void mSetDefFormat();
  void mSetDateFormat();
  void mSetTimeFormat();
  void mGetFormat(CmString& format, int* width, bool* hasDate, bool* hasTime) const;
  void mInitLoop(eFormatType type);
  bool mNextFormat(eFormatType type, CmString& format, bool workingCopy);
  bool mAddFormat(const wchar_t* format, bool workingCopy);
  bool mDeleteFormat(const wchar_t* format, bool workingCopy);
  void mDeleteAllFormats();
  void mCopyFromFormat(bool toMain);

  void mInitialize();

  void mPackFormat(std::vector<unsigned>& words) const;
  void mUnpackFormat(const std::vector<unsigned>& words);
  void mGetFormat14(std::vector<unsigned>& words) const;
  void mSetFormat14(const std::vector<unsigned>& words);

  // ---- Reader (reader/) ----------------------------------------------------
  // Always stores a value: the time, or the missing-value code. True for a
  // valid time and for text holding no value ("", blanks, "*").
  bool mStrToCorvaneTime(const wchar_t* text, double* value);
  bool mValidateDTRange(const wchar_t* rangeText, const wchar_t* lowText, const wchar_t* highText,
                        const wchar_t* endWord, double* first, double* second);
  bool mParseDeltaTime(const wchar_t* text, int* sign, int* days, int* hours, int* minutes,
                       int* seconds, int* hundredths) const;

  // ---- Writer (writer/) ----------------------------------------------------
  // showFlags <= 0: the current format. "*" for values that cannot be shown.
  void mCorvaneTimeToStr(double t, bool bDayNumber, CmString& text, CmString& dateText,
                         CmString& timeText, int showFlags) const;
  void mCorvaneTimeToStr(double t, bool bDayNumber, CmString& text, int showFlags) const;
  void mExampleTime(CmString& text) const;
  void mShowFullPrecision(double t, CmString& text);

  // ---- Scales (scale/) -----------------------------------------------------
  void mNormToCorvaneTime(double count, xTimePartsEnum unit, double time, double* result) const;
  double mGetOneCvnUnitOfTime(xTimePartsEnum unit) const;
  int mNumTimesInRange(double start, double end, double increment, xTimePartsEnum unit) const;
  xTimePartsEnum mFindUnitOfTime(const double* times, int count,
                                 const std::vector<unsigned int>& packedFormat, double* minimum,
                                 double* span);
  void mFindNiceScale(double dataMin, double dataMax, int minTicks, int maxTicks, bool setScaleMin,
                      bool setScaleMax, double* scaleMin, double* scaleMax,
                      std::vector<double>& ticks);
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
