// Test access to the reader's private members of CmTimeCls, and the fixture
// of the reader tests: a time object built under fixed United States
// regional settings and a fixed clock (15 March 2020), with every piece of
// shared state a test may change restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "platform/platform.h"

// The three pieces of a split and its outcome.
struct xSplit {
  bool bOk = false;
  std::wstring sDate;
  std::wstring sTime;
  std::wstring sAmPm;
  int iStyle = -1;
  bool bHasDateOrDesignator = false;
};

// Everything an accepted format writes, the stale part entries included.
struct xFormatState {
  std::wstring sText;
  int iNumParts = 0;
  std::vector<std::pair<int, int>> vParts;  // all 7 entries
  std::wstring sDateSep;
  std::wstring sTimeSep;
  bool b24Hour = true;
  int iStyle = 0;
  int iFormat = 0;
  bool bElapsed = false;
  bool bComma = false;
  bool operator==(const xFormatState& o) const {
    return sText == o.sText && iNumParts == o.iNumParts && vParts == o.vParts &&
           sDateSep == o.sDateSep && sTimeSep == o.sTimeSep && b24Hour == o.b24Hour &&
           iStyle == o.iStyle && iFormat == o.iFormat && bElapsed == o.bElapsed &&
           bComma == o.bComma;
  }
};

// The fields and flags of one recognition.
struct xRecognised {
  bool bOk = false;
  int iYear = 0, iMonth = 0, iDay = 0, iHour = 0, iMinute = 0, iSecond = 0, iThousandth = 0;
  bool bDecisive = false;
  bool bYearWidthMatches = false;
};

struct CmTimeClsTestAccess {
  static xSplit mSplit(const CmTimeCls& t, const wchar_t* text) {
    xSplit x;
    CmString sDate(L"stale"), sTime(L"stale"), sAmPm(L"stale");
    CmTimeCls::EAMPMFormat eStyle = CmTimeCls::eLocaleLower;
    x.bOk = t.mSeparateDateTimeAMPM(text, sDate, sTime, sAmPm, &eStyle, &x.bHasDateOrDesignator);
    x.sDate = sDate.str();
    x.sTime = sTime.str();
    x.sAmPm = sAmPm.str();
    x.iStyle = static_cast<int>(eStyle);
    return x;
  }

  static xRecognised mRecognise(CmTimeCls& t, const wchar_t* text) {
    xRecognised x;
    x.bOk = t.mIsValidAbsTime(text, &x.iYear, &x.iMonth, &x.iDay, &x.iHour, &x.iMinute, &x.iSecond,
                              &x.iThousandth, &x.bDecisive, &x.bYearWidthMatches);
    return x;
  }

  // The driver's per-read flags, as mStrToCorvaneTime would set them.
  static void mSetReadFlags(CmTimeCls& t, bool withDefault, bool elapsed) {
    t.m_bReadWithDefaultFmt = withDefault;
    t.m_bReadElapsed = elapsed;
  }
  static bool mReadWithDefaultFmt(const CmTimeCls& t) { return t.m_bReadWithDefaultFmt; }
  static bool mReadElapsed(const CmTimeCls& t) { return t.m_bReadElapsed; }

  static bool mParseAbsTime(CmTimeCls& t, const wchar_t* text, int* fields) {
    return t.mParseAbsTime(text, &fields[0], &fields[1], &fields[2], &fields[3], &fields[4],
                           &fields[5], &fields[6]);
  }
  static bool mValidateTime(CmTimeCls& t, const wchar_t* text, int* dayNumber, double* timeOfDay) {
    CmTimeCls::xNumtimStruct x{-7, -7.0};
    const bool bOk = t.mValidateTime(text, &x);
    *dayNumber = x.iDayNumber;
    *timeOfDay = x.dTimeOfDay;
    return bOk;
  }

  static std::wstring mFormatText(const CmTimeCls& t) { return t.m_sDateTimeFmt.str(); }
  static xFormatState mState(const CmTimeCls& t) {
    xFormatState x;
    x.sText = t.m_sDateTimeFmt.str();
    x.iNumParts = t.m_iNumParts;
    for (const auto& p : t.m_xParts) x.vParts.emplace_back(static_cast<int>(p.ePart), p.iCount);
    x.sDateSep = t.m_sDateSep.str();
    x.sTimeSep = t.m_sTimeSep.str();
    x.b24Hour = t.m_b24Hour;
    x.iStyle = static_cast<int>(t.m_eAMPMFormat);
    x.iFormat = static_cast<int>(t.m_eFormat);
    x.bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    x.bComma = CmTimeCls::m_bFmtHasComma;
    return x;
  }
  // The generator's text for the current parts of t.
  static std::wstring mGenerate(const CmTimeCls& t) {
    CmString s;
    t.mGenerateFormat(t.m_iNumParts, t.m_xParts, t.m_sDateSep.c_str(), t.m_sTimeSep.c_str(),
                      t.m_b24Hour, t.m_eAMPMFormat, s);
    return s.str();
  }
  static int mNumParts(const CmTimeCls& t) { return t.m_iNumParts; }
  static const CmTimeCls::xTimePartsStruct* mPartArray(const CmTimeCls& t) { return t.m_xParts; }
  static const CmString& mTimeSep(const CmTimeCls& t) { return t.m_sTimeSep; }
  static bool m24HourFlag(const CmTimeCls& t) { return t.m_b24Hour; }
  static CmTimeCls::EAMPMFormat mStyleValue(const CmTimeCls& t) { return t.m_eAMPMFormat; }
  static std::wstring mDateSep(const CmTimeCls& t) { return t.m_sDateSep.str(); }
  static int mStyle(const CmTimeCls& t) { return static_cast<int>(t.m_eAMPMFormat); }
  static bool m24Hour(const CmTimeCls& t) { return t.m_b24Hour; }
  static std::vector<std::pair<int, int>> mParts(const CmTimeCls& t) {
    std::vector<std::pair<int, int>> v;
    for (int i = 0; i < t.m_iNumParts && i < CmTimeCls::kMaxParts; ++i) {
      v.emplace_back(static_cast<int>(t.m_xParts[i].ePart), t.m_xParts[i].iCount);
    }
    return v;
  }
  static std::vector<std::wstring> mDefFmts(const CmTimeCls& t) {
    std::vector<std::wstring> v;
    for (int i = 0; i < t.m_iNumDefFmts; ++i) v.push_back(t.m_sDefFmts[i].str());
    return v;
  }
  static std::wstring mRegionalDateTime(const CmTimeCls& t) {
    return t.m_sShortDateFmt.str() + L" " + t.m_sTimeFmt.str();
  }

  static void mSetTwoDigitWindow(CmTimeCls& t, int max, int base) {
    t.m_iTwoDigitYearMax = max;
    t.m_iTwoDigitYearBase = base;
  }
  static void mSetDesignators(CmTimeCls& t, const wchar_t* am, const wchar_t* pm) {
    t.m_sAM = am;
    t.m_sPM = pm;
    t.m_sAMLower = am;
    t.m_sAMLower.mMakeLower();
    t.m_sPMLower = pm;
    t.m_sPMLower.mMakeLower();
  }
  static void mSetAbbrevMonthNames(CmTimeCls& t, bool abbrev) { t.m_bAbbrevMonthNames = abbrev; }
  static int mInitDay(const CmTimeCls& t) { return t.m_iInitDay; }
};

namespace cvn::test {

// Day number of a Gregorian date, for expected values: the days-from-civil
// algorithm (H. Hinnant, "chrono-Compatible Low-Level Date Algorithms"),
// moved from 1 January 1970 to the Corvane day 0, 30 December 1899.
constexpr int mDayNumber(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;                                    // [0, 399]
  const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
  return era * 146097 + doe - 719468 + 25569;
}
static_assert(mDayNumber(1899, 12, 30) == 0 && mDayNumber(1900, 1, 1) == 2, "epoch");
static_assert(mDayNumber(2000, 1, 1) == 36526 && mDayNumber(1970, 1, 1) == 25569, "epoch");

// A Corvane time from its calendar and clock fields.
inline double mCorvane(int y, int m, int d, int hour = 0, int minute = 0, int second = 0,
                       int ms = 0) {
  return mDayNumber(y, m, d) +
         (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + ms) / 86400000.0;
}
// A time of day alone (day 0).
inline double mClock(int hour, int minute = 0, int second = 0, int ms = 0) {
  return mCorvane(1899, 12, 30, hour, minute, second, ms);
}

constexpr double kMissing = CmCVNConst::kMissingValueCode;

// 15 March 2020, 12:00:00.000 local time.
inline void mFixedClock(cvn::platform::xLocalClock* out) {
  *out = cvn::platform::xLocalClock{120, 74, 12, 0, 0, 0};
}

// The mAssert reports seen while a capture is alive.
struct xAssertCapture {
  static std::vector<std::string>& mReports() {
    static std::vector<std::string> v;
    return v;
  }
  static void mHandler(const char* expression, const char* sourceFile, unsigned line) {
    mReports().push_back(std::string(expression) + "|" + sourceFile + "|" + std::to_string(line));
  }
  xAssertCapture() : m_pPrevious(mSetAssertHandler(&mHandler)) { mReports().clear(); }
  ~xAssertCapture() { mSetAssertHandler(m_pPrevious); }
  xAssertCapture(const xAssertCapture&) = delete;
  xAssertCapture& operator=(const xAssertCapture&) = delete;

 private:
  CmAssertHandler m_pPrevious;
};

// Keeps the class-wide month and weekday name tables and puts them back
// when it goes out of scope, whatever a test loaded into them.
class xNameTablesGuard {
 public:
  xNameTablesGuard() {
    std::memcpy(m_a, CmTimeCls::gszMonthAbbrevUpper, sizeof m_a);
    std::memcpy(m_b, CmTimeCls::gszMonthAbbrevUpperNoStop, sizeof m_b);
    std::memcpy(m_c, CmTimeCls::gszMonthAbbrev, sizeof m_c);
    std::memcpy(m_d, CmTimeCls::gszMonthNameUpper, sizeof m_d);
    std::memcpy(m_e, CmTimeCls::gszMonthName, sizeof m_e);
    std::memcpy(m_f, CmTimeCls::gszDayAbbrev, sizeof m_f);
    std::memcpy(m_g, CmTimeCls::gszDayAbbrevNoStop, sizeof m_g);
    std::memcpy(m_h, CmTimeCls::gszDayName, sizeof m_h);
    m_bAbbrev = CmTimeCls::gbAbbrevMonthNames;
  }
  ~xNameTablesGuard() {
    std::memcpy(CmTimeCls::gszMonthAbbrevUpper, m_a, sizeof m_a);
    std::memcpy(CmTimeCls::gszMonthAbbrevUpperNoStop, m_b, sizeof m_b);
    std::memcpy(CmTimeCls::gszMonthAbbrev, m_c, sizeof m_c);
    std::memcpy(CmTimeCls::gszMonthNameUpper, m_d, sizeof m_d);
    std::memcpy(CmTimeCls::gszMonthName, m_e, sizeof m_e);
    std::memcpy(CmTimeCls::gszDayAbbrev, m_f, sizeof m_f);
    std::memcpy(CmTimeCls::gszDayAbbrevNoStop, m_g, sizeof m_g);
    std::memcpy(CmTimeCls::gszDayName, m_h, sizeof m_h);
    CmTimeCls::gbAbbrevMonthNames = m_bAbbrev;
  }
  xNameTablesGuard(const xNameTablesGuard&) = delete;
  xNameTablesGuard& operator=(const xNameTablesGuard&) = delete;

 private:
  wchar_t m_a[12][8], m_b[12][8], m_c[12][8], m_d[12][32], m_e[12][32];
  wchar_t m_f[7][8], m_g[7][8], m_h[7][32];
  bool m_bAbbrev;
};

// One read: the result, the value and the format text afterwards.
struct xRead {
  bool bOk;
  double dValue;
  std::wstring sFormat;
};

inline std::string mNarrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      out += "\\u{" + std::to_string(static_cast<long>(c)) + "}";
    }
  }
  return out;
}

// A time object under the built-in United States settings ("M/d/yyyy",
// "h:mm:ss tt", AM/PM, window end 2029) and the fixed clock. Shared state
// that tests change is put back afterwards.
class ReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_xSavedSettings = mGetRegionalSettings();
    m_cInput = mGetInputDecimal();
    m_cOutput = mGetOutputDecimal();
    m_bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    m_bComma = CmTimeCls::m_bFmtHasComma;
    mSetInputDecimal(L'.');
    mSetOutputDecimal(L'.');
    mSetRegionalSettings(mBuiltInRegionalSettings());
    cvn::platform::mSetClockForTesting(&mFixedClock);
    m_pTime = std::make_unique<CmTimeCls>();
  }
  void TearDown() override {
    m_pTime.reset();
    cvn::platform::mSetClockForTesting(nullptr);
    mSetRegionalSettings(m_xSavedSettings);
    mSetInputDecimal(m_cInput);
    mSetOutputDecimal(m_cOutput);
    CmTimeCls::m_bElapsedTimeFlag = m_bElapsed;
    CmTimeCls::m_bFmtHasComma = m_bComma;
  }

  CmTimeCls& T() { return *m_pTime; }

  // Sets a format that must be legal.
  void mUse(const wchar_t* format) { ASSERT_TRUE(T().mSetFormat(format)) << mNarrow(format); }
  xRead mRead(const wchar_t* text) {
    double d = 12345.0;
    const bool bOk = T().mStrToCorvaneTime(text, &d);
    return {bOk, d, CmTimeClsTestAccess::mFormatText(T())};
  }
  xRead mReadUnder(const wchar_t* format, const wchar_t* text) {
    if (!T().mSetFormat(format)) {
      ADD_FAILURE() << "illegal format " << mNarrow(format);
      return {false, 0.0, L""};
    }
    return mRead(text);
  }

  std::unique_ptr<CmTimeCls> m_pTime;

 private:
  CmRegionalSettings m_xSavedSettings;
  wchar_t m_cInput = L'.';
  wchar_t m_cOutput = L'.';
  bool m_bElapsed = false;
  bool m_bComma = false;
};

}  // namespace cvn::test
