// The tests' one window on the private members of CmTimeCls (a friend of
// the class): out-parameters turned into results, the current format set
// part by part from a short layout (independent of the format parser), and
// the fixed settings a test object starts from. Also the values and the
// writer fixture shared by several test folders.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "support/assert_capture.h"
#include "support/guards.h"

struct CmTimeClsTestAccess {
  // Members for the format, reader and scale tests: at the end of the file.
  struct Format;
  struct Reader;
  struct Scale;
  using C = const CmTimeCls&;
  using Ymd = std::array<int, 3>;        // year, month, day
  using Clock = std::array<int, 4>;      // hour, minute, second, thousandths
  using Split = std::pair<int, double>;  // day number, time of day (ms)
  using Parts = std::vector<CmTimeCls::xTimePartsStruct>;

  // ---- Calendar members, laid out like a table.
  // clang-format off
  static bool mIsLeapYear(C o, int y) { return o.mIsLeapYear(y); }
  static int mDayNumber(C o, int y, int m, int d) {
    int n{}; o.mToJulianDay(y, m, d, &n); return n;
  }
  static int mYearDayNumber(C o, int y, int yd) { int n{}; o.mToJulianDay(y, yd, &n); return n; }
  static Ymd mDate(C o, int n) {
    Ymd x{}; o.mFromJulianDay(n, &x[0], &x[1], &x[2], nullptr, xExtractWeekFromJanuary); return x;
  }
  static int mWeek(C o, int n, xTimeExtractEnum how) {
    int w{}; o.mFromJulianDay(n, nullptr, nullptr, nullptr, &w, how); return w;
  }
  static std::pair<int, bool> mNumJulianDays(C o, int y) {
    std::pair<int, bool> x{}; o.mNumJulianDays(y, &x.first, &x.second); return x;
  }
  static int mWeekday(C o, int n) { return o.mGetDayOfWeek(n); }
  static int mWeekday(C o, int y, int m, int d) { return o.mGetDayOfWeek(y, m, d); }
  static double mMs(C o, int h, int mi, int s, int ms) {
    double t{}; o.mToTimeOfDay(h, mi, s, ms, &t); return t;
  }
  static Clock mClock(C o, double ms) {
    Clock x{}; o.mFromTimeOfDay(ms, &x[0], &x[1], &x[2], &x[3]); return x;
  }
  static Split mSplit(C o, double t) {
    Split x{}; o.mToDayThousandths(t, &x.first, &x.second); return x;
  }
  static Split mAdd(C o, Split x, double ms) {
    CmTimeCls::xNumtimStruct n{x.first, x.second}; o.mAddThousandths(ms, &n);
    return {n.iDayNumber, n.dTimeOfDay};
  }
  static int mFindWeek(C o, int yd, int y, xTimeExtractEnum how) { return o.mFindWeek(yd, y, how); }
  static int mWeeksInYear(C o, int y) { return o.mGetWeeksInYear(y); }
  // The month and day on which week w of year y begins, as 100 * month + day.
  static int mWeekStart(C o, int y, int w) {
    int m{}, d{}; o.mGetMonthAndDay(y, w, &m, &d); return 100 * m + d;
  }
  static int miDayOfWeek(C o, double t, CmString& name) { return o.miDayOfWeek(t, name); }
  static int mIsMonthName(C o, const wchar_t* text, bool* abbrev) {
    return o.mIsMonthName(text, abbrev);
  }
  static void mSetStartDay(CmTimeCls& o, int startDay) { o.m_iStartDayOfWeek = startDay; }
  // clang-format on

  // ---- The current format.
  // Replaces the current format's parts (at most seven); then the part
  // count numParts when one is given (it may lie outside the array).
  static void mSetParts(CmTimeCls& o, const Parts& parts, int numParts = -1) {
    o.m_iNumParts = 0;
    for (const auto& x : parts) {
      if (o.m_iNumParts < CmTimeCls::kMaxParts) o.m_xParts[o.m_iNumParts++] = x;
    }
    if (numParts >= 0) o.m_iNumParts = numParts;
  }
  // A layout is blank-separated tokens: a kind letter and a count ("N1 D1 Y4
  // h1 m2 s2" is m/d/yyyy h:mm:ss), "E" for an elapsed format, "P<style>"
  // for a 12-hour clock with that AM/PM style (P alone: " AM").
  static constexpr const char* kKinds = "0YQqNAFWwDhmsutf?";  // kinds 0 to 16
  static void mSet(CmTimeCls& t, const std::string& layout, const wchar_t* dateSep,
                   const wchar_t* timeSep) {
    std::istringstream in(layout);
    std::string sToken;
    t.m_iNumParts = 0;
    t.m_b24Hour = true;
    t.m_eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
    CmTimeCls::m_bElapsedTimeFlag = false;
    while (in >> sToken) {
      const int n = sToken.size() > 1 ? std::stoi(sToken.substr(1)) : 0;
      if (sToken[0] == 'E') {
        CmTimeCls::m_bElapsedTimeFlag = true;
      } else if (sToken[0] == 'P') {
        t.m_b24Hour = false;
        t.m_eAMPMFormat = static_cast<CmTimeCls::EAMPMFormat>(n);
      } else {
        const auto eKind = static_cast<xTimePartsEnum>(std::string(kKinds).find(sToken[0]));
        t.m_xParts[t.m_iNumParts++] = {eKind, n};
      }
    }
    t.m_sDateSep = dateSep;
    t.m_sTimeSep = timeSep;
  }
  // The part list back as a layout (kinds and counts only).
  static std::string mSpec(const CmTimeCls& t) {
    std::string s;
    for (int i = 0; i < t.m_iNumParts; ++i) {
      s += (i ? " " : "") + std::string(1, kKinds[t.m_xParts[i].ePart]) +
           std::to_string(t.m_xParts[i].iCount);
    }
    return s;
  }
  static void mSetNumParts(CmTimeCls& t, int n) { t.m_iNumParts = n; }
  static bool m24Hour(const CmTimeCls& t) { return t.m_b24Hour; }
  // Sunday first; English and German designators; the regional formats.
  static void mSetFixed(CmTimeCls& t) {
    t.m_iStartDayOfWeek = 6;
    t.m_sAMDefault = L"AM", t.m_sPMDefault = L"PM", t.m_sAMDefaultLower = L"am";
    t.m_sPMDefaultLower = L"pm", t.m_sAM = L"VORM.", t.m_sPM = L"NACHM.";
    t.m_sAMLower = L"vorm.", t.m_sPMLower = L"nachm.";
    t.m_sShortDateFmt = L"m/d/yyyy", t.m_sTimeFmt = L"h:mm:ss";
  }
  static void mSetRegionalTime(CmTimeCls& t, const wchar_t* f) { t.m_sTimeFmt = f; }
  static const CmString& mDateTimeFmt(const CmTimeCls& t) { return t.m_sDateTimeFmt; }
};

namespace cvn::test {

// Day number of a Gregorian date through the Julian Day Number of the
// Fliegel - Van Flandern formula (truncating division, years after -4800),
// written independently of the library's civil-day algorithms. JDN 2415019
// is 30 December 1899, day 0.
inline int mReferenceDayNumber(std::int64_t y, std::int64_t m, std::int64_t d) {
  const std::int64_t a = (m - 14) / 12;
  return static_cast<int>((1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
                          (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075 - 2415019);
}

// An ODBC timestamp record as year, month, day, hour, minute, second and
// fraction (ns), written from t over a record of stray bytes, and read.
using OdbcRecord = std::array<long long, 7>;
inline OdbcRecord mToOdbc(const CmTimeCls& o, double t) {
  tagTIMESTAMP_STRUCT ts;
  std::memset(&ts, 0x5A, sizeof ts);
  o.mCorvaneTimeToODBC(t, &ts);
  return {ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second, ts.fraction};
}
inline double mFromOdbc(const CmTimeCls& o, const OdbcRecord& x) {
  using U = decltype(tagTIMESTAMP_STRUCT::month);
  tagTIMESTAMP_STRUCT ts{
      static_cast<decltype(ts.year)>(x[0]),    U(x[1]), U(x[2]), U(x[3]), U(x[4]), U(x[5]),
      static_cast<decltype(ts.fraction)>(x[6])};
  double t = 0.0;
  o.mODBCToCorvaneTime(&ts, &t);
  return t;
}

// Corvane time of a day number and a clock time.
inline double mAt(int dayNumber, int hour, int minute = 0, int second = 0, double ms = 0) {
  return dayNumber + (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + ms) / 86400000.0;
}

constexpr int kJan1st2000 = 36526;  // a Saturday
constexpr int kJan1st1000 = -328716;
constexpr int kDec31st4000 = 767376;

// A time object with fixed settings, its format set from a layout
// (CmTimeClsTestAccess::mSet), the decimal symbols '.', and the elapsed
// flag restored afterwards.
class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override { CmTimeClsTestAccess::mSetFixed(m_time); }
  void TearDown() override { CmTimeCls::m_bElapsedTimeFlag = m_bSavedElapsed; }
  void mFormat(const std::string& layout, const wchar_t* dateSep = L"/",
               const wchar_t* timeSep = L":") {
    CmTimeClsTestAccess::mSet(m_time, layout, dateSep, timeSep);
  }
  // The text, date text and time text of a write, joined by '|'.
  std::wstring mWrite(double t, bool bDayNumber = false, int showFlags = 0) const {
    CmString sText(L"stale"), sDate(L"stale"), sTime(L"stale");
    m_time.mCorvaneTimeToStr(t, bDayNumber, sText, sDate, sTime, showFlags);
    return sText.str() + L"|" + sDate.str() + L"|" + sTime.str();
  }
  // The text alone, from the short form.
  std::wstring mText(double t, bool bDayNumber = false, int showFlags = 0) const {
    CmString sText(L"stale");
    m_time.mCorvaneTimeToStr(t, bDayNumber, sText, showFlags);
    return sText.str();
  }

  CmTimeCls m_time;

 private:
  const bool m_bSavedElapsed = CmTimeCls::m_bElapsedTimeFlag;
  DecimalSymbolGuard m_xDecimals;
};

}  // namespace cvn::test

// ==== Format model, reader and scales =======================================

namespace cvn::test {

using Part = CmTimeCls::xTimePartsStruct;
using Strings = std::vector<std::wstring>;

// Parts as codes: a hex digit for the kind (1 year, 2 "Qq", 3 "qQ", 4-6 month
// number/abbreviation/name, 7 "Wkw", 8 "wWk", 9 day, a hour, b minute, c
// second, d-f hundredth/tenth/thousandth) and the count: "m/d/yy" is
// "41 91 12".
inline std::wstring mPartCodes(int n, const Part* p) {
  std::wstring s;
  for (int i = 0; i < n && i < CmTimeCls::kMaxParts; ++i) {
    s += (i > 0 ? L" " : L"") + std::wstring(1, L"0123456789abcdef"[p[i].ePart & 15]) +
         std::to_wstring(p[i].iCount);
  }
  return s;
}
inline Strings mTexts(const std::vector<CmString>& v) {
  Strings vs;
  for (const CmString& s : v) vs.push_back(s.str());
  return vs;
}
inline CmRegionalSettings mSettings(const wchar_t* shortDate, const wchar_t* dateSep,
                                    const wchar_t* timeFormat, const wchar_t* am,
                                    const wchar_t* pm) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sShortDate = shortDate, x.sDateSep = dateSep, x.sTimeFormat = timeFormat;
  x.sAM = am, x.sPM = pm;
  return x;
}
inline std::string mNarrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s)
    out += c >= 0x20 && c < 0x7F ? std::string(1, char(c)) : "\\u" + std::to_string(c);
  return out;
}

}  // namespace cvn::test

struct CmTimeClsTestAccess::Format {
  using Part = cvn::test::Part;
  using Strings = cvn::test::Strings;
  // The locale pair: upper case and lower case.
  static void mDesignators(CmTimeCls& t, const wchar_t* am, const wchar_t* pm, const wchar_t* amL,
                           const wchar_t* pmL) {
    t.m_sAM = am, t.m_sPM = pm, t.m_sAMLower = amL, t.m_sPMLower = pmL;
  }
  // Parses with the elapsed flag set to bElapsed first. The outcome is
  // "parts|date separator|class and style": class D, T or X (date-time),
  // the style only for a 12-hour format ("?" for a 24-hour one whose style
  // is not 0); then "|time separator" unless ":", "|[" when the elapsed
  // flag is set after, and "!" first when refused. *pCanonical receives the
  // text generated from the outputs ("" when refused).
  static std::wstring mParse(CmTimeCls& t, const wchar_t* format, bool bElapsed = false,
                             std::wstring* pCanonical = nullptr) {
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmString sDateSep(L"?"), sTimeSep(L"?");
    int n = 0;
    Part xParts[CmTimeCls::kMaxParts] = {};
    bool b24Hour = false;
    CmTimeCls::EAMPMFormat eStyle = CmTimeCls::eLocaleLower;
    const bool bOk = t.mParseFormat(format, sDateSep, sTimeSep, &n, xParts, &b24Hour, &eStyle);
    const bool bElapsedAfter = CmTimeCls::m_bElapsedTimeFlag;
    const std::wstring sCodes = cvn::test::mPartCodes(n, xParts);
    if (pCanonical != nullptr) {
      *pCanonical = bOk ? mGenerate(t, sCodes, sDateSep.c_str(), b24Hour ? -1 : eStyle,
                                    std::wcschr(format, L'[') != nullptr)
                        : L"";
    }
    return (bOk ? L"" : L"!") + sCodes + L"|" + sDateSep.str() + L"|" + L"DTX?"[t.m_eFormat & 3] +
           (b24Hour ? L"" : std::to_wstring(eStyle)) + (b24Hour && eStyle != 0 ? L"?" : L"") +
           (sTimeSep.str() != L":" ? L"|" + sTimeSep.str() : L"") + (bElapsedAfter ? L"|[" : L"");
  }
  // Generates from parts given as codes; style -1: a 24-hour format. The
  // time separator is ":".
  static std::wstring mGenerate(const CmTimeCls& t, const std::wstring& codes,
                                const wchar_t* dateSep, int style, bool bElapsed) {
    std::vector<Part> parts;
    std::wistringstream in(codes);
    for (std::wstring c; in >> c;) {
      parts.push_back({static_cast<xTimePartsEnum>(std::stoi(c.substr(0, 1), nullptr, 16)),
                       std::stoi(c.substr(1))});
    }
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmString sOut(L"stale");
    t.mGenerateFormat(static_cast<int>(parts.size()), parts.data(), dateSep, L":", style < 0,
                      static_cast<CmTimeCls::EAMPMFormat>(style < 0 ? 0 : style), sOut);
    return sOut.str();
  }
  static std::wstring mMakeAMPM(CmTimeCls& t, int style, int hour) {
    CmString sOut;
    t.m_eAMPMFormat = static_cast<CmTimeCls::EAMPMFormat>(style);
    t.mMakeAMPMFormat(hour, sOut);
    return sOut.str();
  }
  static int mWidest(const CmTimeCls& t, xTimePartsEnum e) { return t.mGetWidestFormattedWidth(e); }
  // "text|parts|24-hour flag, style, class|date separator|time separator|
  // elapsed and comma flags" of the current format.
  static std::wstring mState(const CmTimeCls& t) {
    return t.m_sDateTimeFmt.str() + L"|" + cvn::test::mPartCodes(t.m_iNumParts, t.m_xParts) + L"|" +
           std::to_wstring(t.m_b24Hour) + std::to_wstring(t.m_eAMPMFormat) +
           std::to_wstring(t.m_eFormat) + L"|" + t.m_sDateSep.str() + L"|" + t.m_sTimeSep.str() +
           L"|" + std::to_wstring(t.m_bElapsedTimeFlag) + std::to_wstring(t.m_bFmtHasComma);
  }
  static std::wstring mRejected(const CmTimeCls& t) {
    return t.m_sRejectedDateSep.str() + L"|" + t.m_sRejectedTimeSep.str() + L"|" +
           std::to_wstring(t.m_eRejectedFormat);
  }
  // "short date|time format|locale AM|its lower case|fixed AM".
  static std::wstring mRegional(const CmTimeCls& t) {
    return t.m_sShortDateFmt.str() + L"|" + t.m_sTimeFmt.str() + L"|" + t.m_sAM.str() + L"|" +
           t.m_sAMLower.str() + L"|" + t.m_sAMDefault.str();
  }
  // The default formats, then the count of older ones; mSetDefFmts sets them.
  static Strings mDefFmts(const CmTimeCls& t) {
    Strings v =
        cvn::test::mTexts(std::vector<CmString>(t.m_sDefFmts, t.m_sDefFmts + t.m_iNumDefFmts));
    v.push_back(std::to_wstring(t.m_iNumPre15Fmts));
    return v;
  }
  static void mSetDefFmts(CmTimeCls& t, const Strings& v, int pre15) {
    for (size_t i = 0; i < CmTimeCls::kMaxDefFmts; ++i) t.m_sDefFmts[i] = i < v.size() ? v[i] : L"";
    t.m_iNumDefFmts = static_cast<int>(v.size()), t.m_iNumPre15Fmts = pre15;
  }
};

// Outcome of one recognition: dates as yyyymmdd, clocks as hhmmssmmm, and
// the seconds and thousandths apart.
struct xRecognised {
  bool bOk, bDecisive, bYearWidthMatches;
  int iDate, iClock, iSecond, iThousandth;
};

struct CmTimeClsTestAccess::Reader {
  // The split as "date|time|ampm"; its result, style and date-or-designator flag.
  static std::wstring mSplit(const CmTimeCls& t, const wchar_t* text, bool* ok, int* style,
                             bool* hasDate) {
    CmString sDate(L"stale"), sTime(L"stale"), sAmPm(L"stale");
    CmTimeCls::EAMPMFormat e = CmTimeCls::eLocaleLower;
    *hasDate = false;
    *ok = t.mSeparateDateTimeAMPM(text, sDate, sTime, sAmPm, &e, hasDate);
    *style = e;
    return sDate.str() + L"|" + sTime.str() + L"|" + sAmPm.str();
  }
  // Recognises text under the current format with the per-read flags of a
  // plain read, or of an elapsed one.
  static xRecognised mRecognise(CmTimeCls& t, const wchar_t* text, bool elapsedRead = false) {
    t.m_bReadWithDefaultFmt = false;
    t.m_bReadElapsed = elapsedRead;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    xRecognised x{};
    x.bOk =
        t.mIsValidAbsTime(text, &y, &mo, &d, &h, &mi, &s, &ms, &x.bDecisive, &x.bYearWidthMatches);
    x.iDate = (y * 100 + mo) * 100 + d;
    x.iClock = ((h * 100 + mi) * 100 + s) * 1000 + ms;
    x.iSecond = s, x.iThousandth = ms;
    return x;
  }
  static bool mValidateTime(CmTimeCls& t, const wchar_t* text, CmTimeCls::xNumtimStruct* out) {
    return t.mValidateTime(text, out);
  }
  static CmTimeCls::EAMPMFormat mStyle(const CmTimeCls& t) { return t.m_eAMPMFormat; }
  static void mSetTwoDigitWindow(CmTimeCls& t, int max, int base) {
    t.m_iTwoDigitYearMax = max;
    t.m_iTwoDigitYearBase = base;
  }
};

struct CmTimeClsTestAccess::Scale {
  using Part = cvn::test::Part;
  // The kinds of the part list, one letter each: year, quarter (label
  // first, number first), month (number, abbreviation, name), week (label
  // first, number first), day, hour, minute, second, hundredth, tenth,
  // thousandth.
  static std::string mPartKinds(const CmTimeCls& o) {
    std::string s;
    for (int i = 0; i < o.m_iNumParts; ++i) s += "?YQqNAFWwDhmsutf"[o.m_xParts[i].ePart & 15];
    return s;
  }
  static double mGetTimeDiff(const CmTimeCls& o, double a, double b, xTimePartsEnum unit) {
    double d = -1.0;
    o.mGetTimeDiff(a, b, unit, &d);
    return d;
  }
  static bool mChanged(const CmTimeCls& o, xTimePartsEnum unit, double a, double b) {
    return o.mDidBiggerTimeUnitChange(unit, a, b);
  }
  static void mAddTimeIncrement(const CmTimeCls& o, const std::vector<int>& in,
                                std::vector<int>& steps) {
    o.mAddTimeIncrement(in, steps);
  }
};

namespace cvn::test {

// Runs each format test under the built-in settings with one object made
// under them; afterwards the lists are empty and the decimal symbols as
// they were.
class FormatTest : public ::testing::Test {
 protected:
  ~FormatTest() override { m_t.mDeleteAllFormats(); }
  RegionalSettingsGuard m_xSettings{mBuiltInRegionalSettings()};
  DecimalSymbolGuard m_xDecimals{mGetInputDecimal(), mGetOutputDecimal()};
  CmTimeCls m_t;
};

// A Corvane time from a date written yyyymmdd (0: day 0) and a clock written
// hhmmssmmm, so 10'30'15'250 is 10:30:15.250 (no leading zero: that would
// be octal); hours may pass 23.
inline double mTime(int ymd, int clock = 0) {
  return (ymd == 0 ? 0 : mReferenceDayNumber(ymd / 10000, ymd / 100 % 100, ymd % 100)) +
         (clock / 10000000 * 3600000.0 + clock / 100000 % 100 * 60000.0 + clock % 100000) /
             86400000.0;
}
// The Corvane time of a date and clock time.
inline double T(int y, int m, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return mAt(mReferenceDayNumber(y, m, d), h, mi, s, ms);
}
constexpr double kMissing = CmCVNConst::kMissingValueCode;

// Expected ticks: n first days of months, step months apart from y-m; first
// plus each offset in days; n times from first, step days apart.
using Ticks = std::vector<double>;
inline Ticks Months(int n, int y, int m, int step) {
  Ticks v;
  for (int i = 0, k = m - 1; i < n; ++i, k += step) v.push_back(T(y + k / 12, k % 12 + 1, 1));
  return v;
}
inline Ticks Days(double first, std::initializer_list<double> offsets) {
  Ticks v;
  for (double d : offsets) v.push_back(first + d);
  return v;
}
inline Ticks Steps(int n, double first, double step) {
  Ticks v;
  for (int i = 0; i < n; ++i) v.push_back(first + i * step);
  return v;
}

// One read and what must come of it: the value (the missing-value code: the
// text is refused) and the format text afterwards (null: the starting one).
struct xReadRow {
  const wchar_t* sFormat;
  const wchar_t* sText;
  double dValue;
  const wchar_t* sFormatAfter = nullptr;
};

// The reader tests: the built-in United States settings ("M/d/yyyy",
// "h:mm:ss tt", window end 2029), a fixed clock (15 March 2020), the shared
// state a test may change put back, and no broken-invariant report.
class ReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { m_pTime = std::make_unique<CmTimeCls>(); }
  void TearDown() override {
    EXPECT_EQ(AssertCapture::mJoined(), "");
    CmTimeCls::m_bElapsedTimeFlag = m_bElapsed;
    CmTimeCls::m_bFmtHasComma = m_bComma;
  }
  CmTimeCls& T() { return *m_pTime; }
  void mUse(const std::wstring& format) { ASSERT_TRUE(T().mSetFormat(format.c_str())); }
  void mCheckReads(std::initializer_list<xReadRow> rows) {
    for (const xReadRow& row : rows) {
      SCOPED_TRACE(mNarrow(row.sFormat) + " | " + mNarrow(row.sText));
      mUse(row.sFormat);
      double d = 12345.0;
      EXPECT_EQ(T().mStrToCorvaneTime(row.sText, &d), row.dValue != kMissing);
      EXPECT_NEAR(d, row.dValue, 1e-9);
      EXPECT_EQ(T().mGetDateTimeFmt().str(), row.sFormatAfter ? row.sFormatAfter : row.sFormat);
    }
  }

 private:
  DecimalSymbolGuard m_xDecimals;
  RegionalSettingsGuard m_xSettings{mBuiltInRegionalSettings()};
  FixedClockGuard m_xClock{{120, 74, 12, 0, 0, 0}};
  AssertCapture m_xReports;
  bool m_bElapsed = CmTimeCls::m_bElapsedTimeFlag, m_bComma = CmTimeCls::m_bFmtHasComma;

 protected:
  std::unique_ptr<CmTimeCls> m_pTime;
};

}  // namespace cvn::test
