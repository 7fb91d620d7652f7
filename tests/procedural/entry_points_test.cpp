// The flat entry points against the class members they forward to, on the
// global object, with null pointers in every position.

#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnEntryPoints.h"
#include "platform/platform.h"
#include "procedural/entry_points_detail.h"

namespace {

constexpr double kMissing = CmCVNConst::kMissingValueCode;
constexpr double kMs = 1.0 / 86400000.0;
constexpr double k0315 = 43905.0;  // 15 March 2020
using WhenFn = void (*)(int*, CmString**, int, double*, double*, int*);
const WhenFn kWhenFns[] = {MWHEN, MMDATE, MTIME};

// Keeps the global object's format and the clock as each test found them.
class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override { m_sSaved = gcmTime.mGetDateTimeFmt(); }
  void TearDown() override {
    gcmTime.mSetFormat(m_sSaved.c_str());
    cvn::platform::mSetClockForTesting(nullptr);
  }
  static std::wstring mFormat() { return gcmTime.mGetDateTimeFmt().str(); }
  CmString m_sSaved;
};

// MWHEN, MMDATE or MTIME in a mode, with a text (null: none) and a value:
// the result and the flag.
std::pair<double, int> mWhen(WhenFn fn, int mode, const wchar_t* text, double value) {
  CmString sText(text ? text : L"");
  CmString* pText = text ? &sText : nullptr;
  std::pair<double, int> r{-7.0, -7};
  fn(&mode, &pText, 0, &value, &r.first, &r.second);
  return r;
}

TEST_F(EntryPoints, FormatSelectorsMatchTheirMembers) {
  const std::pair<void (*)(), void (CmTimeCls::*)()> kRows[] = {
      {DEFFMT, &CmTimeCls::mSetDefFormat},
      {DEFDAT, &CmTimeCls::mSetDateFormat},
      {DEFTIM, &CmTimeCls::mSetTimeFormat},
      {INIT_TIMECLS, &CmTimeCls::mInitialize}};
  for (const auto& [pEntry, pMember] : kRows) {
    ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
    pEntry();
    const std::wstring sByEntry = mFormat();
    ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
    (gcmTime.*pMember)();
    EXPECT_EQ(sByEntry, mFormat());
    EXPECT_NE(sByEntry, L"yyyyQq");
  }
}

TEST_F(EntryPoints, ClockEntriesReadTheClock) {
  cvn::platform::mSetClockForTesting(
      [](cvn::platform::xLocalClock* out) { *out = {120, 74, 12, 0, 0, 0}; });  // 2020-03-15 noon
  double a[3] = {};
  MNOW(&a[0]);
  MTODAY(&a[1]);
  MCTIME(&a[2]);
  EXPECT_EQ(std::vector<double>(a, a + 3),
            std::vector<double>({gcmTime.mNow(), gcmTime.mToday(), gcmTime.mTime()}));
  EXPECT_EQ(std::make_pair(a[0], a[1]), std::make_pair(k0315 + 0.5, k0315));
  MNOW(nullptr);
  MTODAY(nullptr);
  MCTIME(nullptr);
}

TEST_F(EntryPoints, PackedWordsRestoreTheFormat) {
  for (const wchar_t* pszFormat : {L"m/d/yy", L"mmmm d, yyyy", L"h:mm:ss am/pm",
                                   L"d.m.yyyy hh:mm:ss.ss", L"[h]:mm:ss", L"yyyyQq"}) {
    ASSERT_TRUE(gcmTime.mSetFormat(pszFormat));
    unsigned auWords[4] = {0xDEADBEEFu, 0xDEADBEEFu, 0xDEADBEEFu, 0x12345678u};
    PDTFMT(auWords);
    std::vector<unsigned> vuWords(3, 0u);
    gcmTime.mPackFormat(vuWords);
    EXPECT_EQ(std::vector<unsigned>(auWords, auWords + 3),
              std::vector<unsigned>(vuWords.begin(), vuWords.begin() + 3));
    EXPECT_EQ(auWords[3], 0x12345678u);  // only three words are written
    ASSERT_TRUE(gcmTime.mSetFormat(L"hh:mm"));
    UDTFMT(auWords);
    EXPECT_EQ(mFormat(), pszFormat);
  }
  PDTFMT(nullptr);
  UDTFMT(nullptr);
  EXPECT_EQ(mFormat(), L"yyyyQq");
}

TEST_F(EntryPoints, TextToTimeMatchesTheReader) {
  for (const wchar_t* pszText : {L"3/15/2020", L"3/15/2020 6:00 PM", L"10:30", L"", L"   ", L"*",
                                 L"junk", L"13/45/2020", L"-", L"\u00e9t\u00e9"}) {
    DEFFMT();
    CmString sText(pszText);
    CmString* pText = &sText;
    double dByEntry = 123.0;
    const int iByEntry = DTTOMT(&pText, 77, &dByEntry);
    const std::wstring sFormatByEntry = mFormat();
    DEFFMT();
    double dByMember = 456.0;
    EXPECT_EQ(iByEntry, gcmTime.mStrToCorvaneTime(pszText, &dByMember) ? 1 : 0);
    EXPECT_EQ(dByEntry, dByMember);
    EXPECT_EQ(sFormatByEntry, mFormat());
    EXPECT_EQ(sText.str(), pszText);  // the caller's text is not changed
  }
  DEFFMT();
  CmString sText(L"3/15/2020"), *pText = &sText, *pNull = nullptr;
  double dValue = 1.0;
  EXPECT_EQ(DTTOMT(&pText, 0, &dValue), 1);
  EXPECT_EQ(dValue, k0315);
  EXPECT_EQ(DTTOMT(&pText, 0, nullptr), 1);  // the result still comes back
  for (CmString** ppText : {static_cast<CmString**>(nullptr), &pNull}) {
    dValue = 1.0;
    EXPECT_EQ(DTTOMT(ppText, 0, &dValue), 1);  // no text reads as empty text
    EXPECT_EQ(dValue, kMissing);
  }
}

TEST_F(EntryPoints, TimeToTextMatchesTheWriter) {
  // Only flag 1 asks for the day number; 2 writes the date like 0.
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy h:mm:ss am/pm"));
  for (double dValue : {36526.5, 0.0, -0.25, kMissing, 2e6, 1e300}) {
    for (int iFlag : {0, 1, 2, -1}) {
      CmString sOut(L"old text"), *pOut = &sOut, sExpected;
      int iLength = -5;
      MTTODT(&dValue, &iFlag, &pOut, &iLength);
      gcmTime.mCorvaneTimeToStr(dValue, iFlag == 1, sExpected, 0);
      EXPECT_EQ(std::make_pair(sOut.str(), iLength),
                std::make_pair(sExpected.str(), sExpected.length()));
    }
  }
  // format, value, flag (-1: none), text, length in characters.
  const std::tuple<const wchar_t*, double, int, const wchar_t*, int> kRows[] = {
      {L"m/d/yyyy", 36526.0, 2, L"1/1/2000", 8},
      {L"m/d/yyyy", 36526.0, 1, L"36526", 5},
      {L"m/d/yyyy", 0.0, -1, L"12/30/1899", 10},
      {L"mmmm", k0315, 0, L"M\u00e4rz", 4}};  // a regional name below
  wchar_t szSaved[32];
  std::wcscpy(szSaved, CmTimeCls::gszMonthName[2]);
  std::wcscpy(CmTimeCls::gszMonthName[2], L"M\u00e4rz");
  for (auto [pszFormat, dValue, iFlag, pszText, iChars] : kRows) {
    EXPECT_TRUE(gcmTime.mSetFormat(pszFormat));
    CmString sOut, *pOut = &sOut;
    int iLength = 0;
    MTTODT(dValue == 0.0 ? nullptr : &dValue, iFlag < 0 ? nullptr : &iFlag, &pOut, &iLength);
    EXPECT_EQ(std::make_pair(sOut.str(), iLength), std::make_pair(std::wstring(pszText), iChars));
  }
  std::wcscpy(CmTimeCls::gszMonthName[2], szSaved);
  CmString* pNull = nullptr;
  MTTODT(nullptr, nullptr, &pNull, nullptr);
  MTTODT(nullptr, nullptr, nullptr, nullptr);
}

TEST_F(EntryPoints, StepsAndCountsMatchTheUnitArithmetic) {
  // count, unit, time, expected: 31 January 2000 + 1 month, 1.9 days add one
  // day, backwards over a year.
  const std::tuple<double, int, double, double> kSteps[] = {
      {1.0, xMonthNumber, 36556.0, 36585.0},
      {1.9, xDay, 36526.0, 36527.0},
      {-13.0, xMonthNumber, 36906.0, 36509.0}};
  for (auto [dCount, iUnit, dTime, dExpected] : kSteps) {
    double dResult = -1.0, dByMember = -2.0;
    NTTODT(&dCount, &iUnit, &dTime, &dResult);
    gcmTime.mNormToCorvaneTime(dCount, cvn::detail::mEntryUnit(iUnit), dTime, &dByMember);
    EXPECT_EQ(std::make_pair(dResult, dResult), std::make_pair(dByMember, dExpected)) << dCount;
  }
  // start, end, increment, unit, expected: a day of hours, 2000 to 2010.
  const std::tuple<double, double, double, int, int> kCounts[] = {
      {36526.0, 36535.5, 2.0, xDay, 5},
      {36526.0, 36527.0, 1.0, xHour, 25},
      {36526.0, 40179.0, 1.0, xYear, 11}};
  for (auto [dStart, dEnd, dIncrement, iUnit, iExpected] : kCounts) {
    const int iCount = NGETOB(&dStart, &dEnd, &dIncrement, &iUnit);
    EXPECT_EQ(iCount,
              gcmTime.mNumTimesInRange(dStart, dEnd, dIncrement, cvn::detail::mEntryUnit(iUnit)));
    EXPECT_EQ(iCount, iExpected) << dStart << ".." << dEnd;
  }
  // A missing argument is 0; a missing result is skipped.
  double dTime = 36526.0, dCount = 3.0, dResult = -1.0;
  int iUnit = xDay;
  NTTODT(nullptr, &iUnit, &dTime, &dResult);
  EXPECT_EQ(dResult, 36526.0);
  NTTODT(&dCount, &iUnit, nullptr, &dResult);
  EXPECT_EQ(dResult, 3.0);
  NTTODT(nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(NGETOB(nullptr, &dTime, &dCount, &iUnit), gcmTime.mNumTimesInRange(0, 36526, 3, xDay));
  NGETOB(nullptr, nullptr, nullptr, nullptr);
}

TEST_F(EntryPoints, WhenMode0ChecksThatTheValueCanBeWritten) {
  // value; then MWHEN, MMDATE and MTIME (the time of day in whole
  // milliseconds; for a negative value its distance to the next whole day
  // toward zero); kMissing: not showable, ok 0.
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kRows[][4] = {
      {12345.75, 12345.75, 12345.0, 0.75},
      {12345.0, 12345.0, 12345.0, 0.0},
      {0.0, 0.0, 0.0, 0.0},
      {-0.25, -0.25, -1.0, 0.25},
      {-1.75, -1.75, -2.0, 0.75},
      {36526.5 + 0.4 * kMs, 36526.5 + 0.4 * kMs, 36526.0, 0.5},        // rounds down ...
      {36526.5 + 0.6 * kMs, 36526.5 + 0.6 * kMs, 36526.0, 0.5 + kMs},  // ... and up
      {-328716.0, -328716.0, -328716.0, 0.0},                          // 1 January 1000
      {767376.5, 767376.5, 767376.0, 0.5},                             // 31 December 4000
      {-328717.0, kMissing, kMissing, kMissing},                       // 31 December 999
      {767377.5, kMissing, kMissing, kMissing},                        // 1 January 4001
      {kMissing, kMissing, kMissing, kMissing},
      {1e300, kMissing, kMissing, kMissing},
      {kNaN, kMissing, kMissing, kMissing}};
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy h:mm:ss"));
  for (const auto& row : kRows) {
    for (int i = 0; i < 3; ++i) {
      const auto [dResult, iOk] = mWhen(kWhenFns[i], 0, nullptr, row[0]);
      EXPECT_EQ(iOk, row[i + 1] != kMissing) << row[0] << " in form " << i;
      EXPECT_NEAR(dResult, row[i + 1], 1e-12) << row[0] << " in form " << i;
    }
    EXPECT_EQ(mFormat(), L"m/d/yyyy h:mm:ss");  // mode 0 keeps the format
  }
  for (int i = 0; i < 3000; ++i) {  // the time of day is whole milliseconds
    const double dMs = mWhen(MTIME, 0, nullptr, 40000.0 + i * 0.000731 + i * 1e-9).first * 864e5;
    EXPECT_TRUE(std::fabs(dMs - std::round(dMs)) < 1e-5 && dMs >= 0 && dMs < 864e5) << i;
  }
  for (int iMode : {2, -1, 1000}) EXPECT_EQ(mWhen(MWHEN, iMode, nullptr, 36526.5).first, 36526.5);
  EXPECT_TRUE(std::isnan(cvn::detail::mEntryTimeOfDayPart(kNaN)));  // no trap beyond int range
  EXPECT_GT(cvn::detail::mEntryTimeOfDayPart(1e12), 1.0);
}

TEST_F(EntryPoints, WhenMode1ReadsUnderTheDefaultFormat) {
  // text; then MWHEN, MMDATE and MTIME; a failed read is not cut.
  const std::pair<const wchar_t*, std::vector<std::pair<double, int>>> kRows[] = {
      {L"3/15/2020 6:00 PM", {{k0315 + 0.75, 1}, {k0315, 1}, {0.75, 1}}},
      {L"3/15/2020", {{k0315, 1}, {k0315, 1}, {0.0, 1}}},
      {L"no date here", {{kMissing, 0}, {kMissing, 0}, {kMissing, 0}}},
      {L"  ", {{kMissing, 1}, {kMissing, 1}, {kMissing, 1}}},
      {nullptr, {{kMissing, 1}, {kMissing, 1}, {kMissing, 1}}}};
  for (const auto& [pszText, vExpected] : kRows) {
    // The same steps on the members: the default format, then the read.
    ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
    gcmTime.mSetDefFormat();
    double dByMember = 0;
    gcmTime.mStrToCorvaneTime(pszText, &dByMember);
    const std::wstring sFormat = mFormat();
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
      const auto [dResult, iOk] = mWhen(kWhenFns[i], 1, pszText, 99.0);
      EXPECT_EQ(iOk, vExpected[i].second) << i;
      EXPECT_NEAR(dResult, vExpected[i].first, 1e-9) << i;
      EXPECT_EQ(mFormat(), sFormat) << i;
    }
    EXPECT_EQ(dByMember, vExpected[0].first);
  }
  int iMode = 1;
  for (WhenFn fn : kWhenFns) {  // null out-values are skipped
    fn(&iMode, nullptr, 0, nullptr, nullptr, nullptr);
    fn(nullptr, nullptr, 0, nullptr, nullptr, nullptr);
  }
}

}  // namespace
