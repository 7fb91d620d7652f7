// Test access to the reader's private members of CmTimeCls, and the fixture
// of the reader tests: a time object under the built-in United States
// settings ("M/d/yyyy", "h:mm:ss tt", window end 2029) and a fixed clock
// (15 March 2020), with the shared state a test may change put back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "platform/platform.h"
#include "time/format/format_cache.h"
#include "time/reader/reader_impl.h"

// Outcome of one recognition: dates as yyyymmdd, clocks as hhmmssmmm.
struct xRecognised {
  bool bOk, bDecisive, bYearWidthMatches;
  int iDate, iClock;
};

struct CmTimeClsTestAccess {
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
    return x;
  }
  static std::pair<bool, bool> mReadFlags(const CmTimeCls& t) {
    return {t.m_bReadWithDefaultFmt, t.m_bReadElapsed};
  }
  static bool mValidateTime(CmTimeCls& t, const wchar_t* text, CmTimeCls::xNumtimStruct* out) {
    return t.mValidateTime(text, out);
  }
  static std::wstring mFormatText(const CmTimeCls& t) { return t.m_sDateTimeFmt.str(); }
  static std::wstring mRegionalDateTime(const CmTimeCls& t) {
    return t.m_sShortDateFmt.str() + L" " + t.m_sTimeFmt.str();
  }
  static std::wstring mFirstDefault(const CmTimeCls& t) { return t.m_sDefFmts[0].str(); }
  // Everything setting a format writes, the unused part entries included.
  static std::wstring mState(const CmTimeCls& t) {
    std::wstring s = t.m_sDateTimeFmt.str() + L"|" + std::to_wstring(t.m_iNumParts);
    for (const auto& p : t.m_xParts) s += L"|" + std::to_wstring(p.ePart * 100 + p.iCount);
    for (const CmString* p :
         {&t.m_sDateSep, &t.m_sTimeSep, &t.m_sRejectedDateSep, &t.m_sRejectedTimeSep}) {
      s += L"|" + p->str();
    }
    for (int i :
         {int{t.m_b24Hour}, int{t.m_eAMPMFormat}, int{t.m_eFormat}, int{t.m_eRejectedFormat},
          int{CmTimeCls::m_bElapsedTimeFlag}, int{CmTimeCls::m_bFmtHasComma}}) {
      s += L"|" + std::to_wstring(i);
    }
    return s;
  }
  // The text generated for t's current parts in style e, through the cache.
  static std::wstring mGenerateCached(const CmTimeCls& t, CmTimeCls::EAMPMFormat e) {
    CmString s(L"stale");
    cvn::detail::mGenerateFormatCached(t, t.m_iNumParts, t.m_xParts, t.m_sDateSep.c_str(),
                                       t.m_sTimeSep.c_str(), t.m_b24Hour, e, s);
    return s.str();
  }
  static CmTimeCls::EAMPMFormat mStyle(const CmTimeCls& t) { return t.m_eAMPMFormat; }
  static void mSetTwoDigitWindow(CmTimeCls& t, int max, int base) {
    t.m_iTwoDigitYearMax = max;
    t.m_iTwoDigitYearBase = base;
  }
  static void mSetDesignators(CmTimeCls& t, const wchar_t* am, const wchar_t* pm) {
    t.m_sAM = t.m_sAMLower = am;
    t.m_sPM = t.m_sPMLower = pm;
    t.m_sAMLower.mMakeLower();
    t.m_sPMLower.mMakeLower();
  }
};

namespace cvn::test {

// Day number of a Gregorian date: days-from-civil (H. Hinnant,
// "chrono-Compatible Low-Level Date Algorithms") moved to 30 December 1899.
constexpr int mDayNumber(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;                                    // [0, 399]
  const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468 + 25569;
}
static_assert(mDayNumber(1899, 12, 30) == 0 && mDayNumber(1900, 1, 1) == 2, "epoch");
static_assert(mDayNumber(2000, 1, 1) == 36526 && mDayNumber(1970, 1, 1) == 25569, "epoch");

// A Corvane time from a date written yyyymmdd (0: day 0) and a clock written
// hhmmssmmm, so 10'30'15'250 is 10:30:15.250 (no leading zero: that would
// be octal); hours may pass 23.
constexpr double mTime(int ymd, int clock = 0) {
  return (ymd == 0 ? 0 : mDayNumber(ymd / 10000, ymd / 100 % 100, ymd % 100)) +
         (clock / 10000000 * 3600000.0 + clock / 100000 % 100 * 60000.0 + clock % 100000) /
             86400000.0;
}

constexpr double kMissing = CmCVNConst::kMissingValueCode;

inline std::string mNarrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s)
    out += c >= 0x20 && c < 0x7F ? std::string(1, char(c)) : "\\u" + std::to_string(c);
  return out;
}

// One read and what must come of it: the value (the missing-value code: the
// text is refused) and the format text afterwards (null: the starting one).
struct xReadRow {
  const wchar_t* sFormat;
  const wchar_t* sText;
  double dValue;
  const wchar_t* sFormatAfter = nullptr;
};

// Reading never raises a broken-invariant report: every test counts them.
class ReaderTest : public ::testing::Test {
 protected:
  static int& mReports() {
    static int i = 0;
    return i;
  }
  static void mCount(const char*, const char*, unsigned) { ++mReports(); }
  static void mFixedClock(cvn::platform::xLocalClock* out) { *out = {120, 74, 12, 0, 0, 0}; }

  void SetUp() override {
    mReports() = 0;
    m_pPrevious = mSetAssertHandler(&mCount);
    mSetInputDecimal(L'.');
    mSetOutputDecimal(L'.');
    mSetRegionalSettings(mBuiltInRegionalSettings());
    cvn::platform::mSetClockForTesting(&mFixedClock);
    m_pTime = std::make_unique<CmTimeCls>();
  }
  void TearDown() override {
    EXPECT_EQ(mReports(), 0);
    mSetAssertHandler(m_pPrevious);
    cvn::platform::mSetClockForTesting(nullptr);
    mSetRegionalSettings(m_xSettings);
    mSetInputDecimal(m_cInput);
    mSetOutputDecimal(m_cOutput);
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
      EXPECT_EQ(CmTimeClsTestAccess::mFormatText(T()),
                row.sFormatAfter ? row.sFormatAfter : row.sFormat);
    }
  }

  std::unique_ptr<CmTimeCls> m_pTime;

 private:
  CmRegionalSettings m_xSettings = mGetRegionalSettings();
  wchar_t m_cInput = mGetInputDecimal(), m_cOutput = mGetOutputDecimal();
  bool m_bElapsed = CmTimeCls::m_bElapsedTimeFlag, m_bComma = CmTimeCls::m_bFmtHasComma;
  CmAssertHandler m_pPrevious = nullptr;
};

}  // namespace cvn::test
