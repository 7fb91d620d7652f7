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
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"
#include "support/guards.h"

struct CmTimeClsTestAccess {
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
  // Replaces the current format's parts (at most seven).
  static void mSetParts(CmTimeCls& o, const Parts& parts) {
    o.m_iNumParts = 0;
    for (const auto& x : parts) {
      if (o.m_iNumParts < CmTimeCls::kMaxParts) o.m_xParts[o.m_iNumParts++] = x;
    }
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
