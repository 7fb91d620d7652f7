// Placeholder bodies until the calendar core is written.
#include "CmTimeCls.h"

bool CmTimeCls::mIsLeapYear(int) const { return false; }
int CmTimeCls::mGetMaxDaysInMonth(int) const { return 31; }
int CmTimeCls::mGetMaxDaysInMonthYear(int, int) const { return 31; }
void CmTimeCls::mNumJulianDays(int, int* days, bool* before1900) const { *days = 0; *before1900 = false; }
void CmTimeCls::mToJulianDay(int, int, int, int* dayNumber) const { *dayNumber = 0; }
void CmTimeCls::mToJulianDay(int, int, int* dayNumber) const { *dayNumber = 0; }
void CmTimeCls::mFromJulianDay(int, int* year, int* month, int* day, int* week, xTimeExtractEnum) const { *year = 1900; *month = 1; *day = 1; *week = 1; }
void CmTimeCls::mGetMonthAndDay(int, int, int* month, int* day) const { *month = 1; *day = 1; }
int CmTimeCls::mGetDayOfWeek(int) const { return 0; }
int CmTimeCls::mGetDayOfWeek(int, int, int) const { return 0; }
void CmTimeCls::mToTimeOfDay(int, int, int, int, double* timeOfDay) const { *timeOfDay = 0; }
void CmTimeCls::mFromTimeOfDay(double, int* h, int* m, int* s, int* ms) const { *h = *m = *s = *ms = 0; }
void CmTimeCls::mToDayThousandths(double, int* dayNumber, double* timeOfDay) const { *dayNumber = 0; *timeOfDay = 0; }
void CmTimeCls::mTimeOfDay(double, int* h, int* m, int* s, int* ms) const { *h = *m = *s = *ms = 0; }
void CmTimeCls::mAddThousandths(double, xNumtimStruct*) const {}
void CmTimeCls::mToDaysFraction(xNumtimStruct*, double* t) const { *t = 0; }
double CmTimeCls::mTime() const { return 0; }
double CmTimeCls::mNow() const { return 0; }
double CmTimeCls::mToday() const { return 0; }
bool CmTimeCls::mGenerateCorvaneTime(int, int, int, int, int, int, int, double* t) const { *t = 0; return true; }
bool CmTimeCls::mValidCorvaneTime(double) const { return false; }
double CmTimeCls::mTimeDiff(double t1, double t2) const { return t2 - t1; }
void CmTimeCls::mODBCToCorvaneTime(tagTIMESTAMP_STRUCT*, double* t) const { *t = 0; }
void CmTimeCls::mCorvaneTimeToODBC(double, tagTIMESTAMP_STRUCT*) const {}
int CmTimeCls::mGet(double, xTimeExtractEnum, CmString& text) const { text.clear(); return -1; }
double CmTimeCls::mGetFloor(double t, xTimePartsEnum) const { return t; }
int CmTimeCls::miDayOfWeek(double, CmString& name) const { name.clear(); return 0; }
int CmTimeCls::mFindWeek(int, int, xTimeExtractEnum) const { return 1; }
int CmTimeCls::mGetDaysInFirstWeek(int, int) const { return 7; }
int CmTimeCls::mGetWeeksInYear(int) const { return 53; }
int CmTimeCls::mIsMonthName(const wchar_t*, bool* abbreviation) const { *abbreviation = false; return 0; }
void CmTimeCls::mGetMonthAbbreviations(std::vector<CmString>& out) const { out.clear(); }
void CmTimeCls::mGetDayAbbreviations(std::vector<CmString>& out) const { out.clear(); }
wchar_t CmTimeCls::gszMonthAbbrevUpper[12][8] = {};
wchar_t CmTimeCls::gszMonthAbbrevUpperNoStop[12][8] = {};
wchar_t CmTimeCls::gszMonthAbbrev[12][8] = {};
wchar_t CmTimeCls::gszMonthNameUpper[12][32] = {};
wchar_t CmTimeCls::gszMonthName[12][32] = {};
wchar_t CmTimeCls::gszDayAbbrev[7][8] = {};
wchar_t CmTimeCls::gszDayAbbrevNoStop[7][8] = {};
wchar_t CmTimeCls::gszDayName[7][32] = {};
bool CmTimeCls::gbAbbrevMonthNames = true;
void mInitTimeClassMonthNames() {}
