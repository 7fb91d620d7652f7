// The flat entry points against the class members they forward to, on the
// global object, with null pointers in every position.

#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <vector>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnEntryPoints.h"
#include "platform/platform.h"

namespace {

const double kMissing = CmCVNConst::kMissingValueCode;
constexpr double kMarch15of2020 = 43905.0;

// 15 March 2020 (day 74 of a leap year, 0-based), 12:00:00.000.
void mFixedNoon(cvn::platform::xLocalClock* out) {
  out->iYearsSince1900 = 120;
  out->iDayOfYear = 74;
  out->iHour = 12;
  out->iMinute = 0;
  out->iSecond = 0;
  out->iMillisecond = 0;
}

// Keeps the global object's format and the clock as each test found them.
class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override { m_sSaved = gcmTime.mGetDateTimeFmt(); }
  void TearDown() override {
    gcmTime.mSetFormat(m_sSaved.c_str());
    cvn::platform::mSetClockForTesting(nullptr);
  }

  static CmString mFormat() { return gcmTime.mGetDateTimeFmt(); }
  static CmString mCanonical() {
    CmString s;
    int iWidth = 0;
    bool bDate = false;
    bool bTime = false;
    gcmTime.mGetFormat(s, &iWidth, &bDate, &bTime);
    return s;
  }
  // The regional default date-time format, as a fresh object selects it.
  static CmString mDefaultFormat() {
    CmTimeCls other;
    other.mSetDefFormat();
    return other.mGetDateTimeFmt();
  }

  CmString m_sSaved;
};

// ---- Format selection --------------------------------------------------------

TEST_F(EntryPoints, FormatSelectorsMatchTheirMembers) {
  struct Row {
    void (*pEntry)();
    void (CmTimeCls::*pMember)();
    const char* pszName;
  };
  const Row kRows[] = {
      {DEFFMT, &CmTimeCls::mSetDefFormat, "DEFFMT"},
      {DEFDAT, &CmTimeCls::mSetDateFormat, "DEFDAT"},
      {DEFTIM, &CmTimeCls::mSetTimeFormat, "DEFTIM"},
      {INIT_TIMECLS, &CmTimeCls::mInitialize, "INIT_TIMECLS"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszName);
    ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
    row.pEntry();
    const CmString sByEntry = mFormat();
    ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
    (gcmTime.*row.pMember)();
    EXPECT_EQ(sByEntry.str(), mFormat().str());
    EXPECT_NE(sByEntry.str(), std::wstring(L"yyyyQq"));
  }
}

TEST_F(EntryPoints, DefaultFormatIsRegionalDateAndTime) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"hh:mm"));
  DEFFMT();
  EXPECT_EQ(mFormat().str(), mDefaultFormat().str());
}

// ---- Clock ---------------------------------------------------------------------

TEST_F(EntryPoints, ClockEntriesReadTheClock) {
  cvn::platform::mSetClockForTesting(&mFixedNoon);
  double dNow = 0.0;
  double dToday = 0.0;
  double dTime = 0.0;
  MNOW(&dNow);
  MTODAY(&dToday);
  MCTIME(&dTime);
  EXPECT_EQ(dNow, gcmTime.mNow());
  EXPECT_EQ(dToday, gcmTime.mToday());
  EXPECT_EQ(dTime, gcmTime.mTime());
  EXPECT_DOUBLE_EQ(dNow, kMarch15of2020 + 0.5);
  EXPECT_EQ(dToday, kMarch15of2020);
  EXPECT_NEAR(dTime, 0.5 + 5e-10, 1e-15);
  MNOW(nullptr);
  MTODAY(nullptr);
  MCTIME(nullptr);
}

// ---- Packed words ----------------------------------------------------------------

TEST_F(EntryPoints, PackedWordsAreTheFirstThreeOfTheMember) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"d/m/yyyy hh:mm:ss.sss"));
  unsigned auWords[4] = {0xDEADBEEFu, 0xDEADBEEFu, 0xDEADBEEFu, 0x12345678u};
  PDTFMT(auWords);
  std::vector<unsigned> vuWords;
  gcmTime.mPackFormat(vuWords);
  ASSERT_GE(vuWords.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(auWords[i], vuWords[i]) << "word " << i;
  EXPECT_EQ(auWords[3], 0x12345678u) << "only three words are written";
}

TEST_F(EntryPoints, PackThenUnpackRestoresTheFormat) {
  const wchar_t* const kFormats[] = {L"m/d/yy",        L"mmmm d, yyyy",
                                     L"h:mm:ss am/pm", L"d.m.yyyy hh:mm:ss.ss",
                                     L"[h]:mm:ss",     L"yyyyQq"};
  for (const wchar_t* pszFormat : kFormats) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(pszFormat)));
    ASSERT_TRUE(gcmTime.mSetFormat(pszFormat));
    const CmString sBefore = mCanonical();
    unsigned auWords[3] = {};
    PDTFMT(auWords);
    ASSERT_TRUE(gcmTime.mSetFormat(L"hh:mm"));
    UDTFMT(auWords);
    EXPECT_EQ(mCanonical().str(), sBefore.str());
  }
}

TEST_F(EntryPoints, PackedNullPointersChangeNothing) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy"));
  PDTFMT(nullptr);
  UDTFMT(nullptr);
  EXPECT_EQ(mFormat().str(), std::wstring(L"m/d/yyyy"));
}

// ---- Text to time ----------------------------------------------------------------

TEST_F(EntryPoints, TextToTimeMatchesTheReader) {
  const wchar_t* const kTexts[] = {
      L"3/15/2020", L"3/15/2020 6:00 PM", L"10:30", L"", L"   ", L"*", L"junk", L"13/45/2020",
      L"-",         L"\u00e9t\u00e9"};
  for (const wchar_t* pszText : kTexts) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(pszText)));
    DEFFMT();
    CmString sText(pszText);
    CmString* pText = &sText;
    double dByEntry = 123.0;
    const int iByEntry = DTTOMT(&pText, 77, &dByEntry);
    const CmString sFormatByEntry = mFormat();

    DEFFMT();
    double dByMember = 456.0;
    const bool bByMember = gcmTime.mStrToCorvaneTime(pszText, &dByMember);
    EXPECT_EQ(iByEntry, bByMember ? 1 : 0);
    EXPECT_EQ(dByEntry, dByMember);
    EXPECT_EQ(sFormatByEntry.str(), mFormat().str());
    EXPECT_EQ(sText.str(), std::wstring(pszText)) << "the caller's text is not changed";
  }
}

TEST_F(EntryPoints, TextToTimeValues) {
  DEFFMT();
  CmString sText(L"3/15/2020");
  CmString* pText = &sText;
  double dValue = 0.0;
  EXPECT_EQ(DTTOMT(&pText, 0, &dValue), 1);
  EXPECT_EQ(dValue, kMarch15of2020);
  sText = L"junk";
  EXPECT_EQ(DTTOMT(&pText, 0, &dValue), 0);
  EXPECT_EQ(dValue, kMissing);
}

TEST_F(EntryPoints, TextToTimeNullPointers) {
  double dValue = 1.0;
  EXPECT_EQ(DTTOMT(nullptr, 0, &dValue), 1) << "null text reads as empty text";
  EXPECT_EQ(dValue, kMissing);
  CmString* pNull = nullptr;
  dValue = 1.0;
  EXPECT_EQ(DTTOMT(&pNull, 0, &dValue), 1);
  EXPECT_EQ(dValue, kMissing);
  CmString sText(L"3/15/2020");
  CmString* pText = &sText;
  DEFFMT();
  EXPECT_EQ(DTTOMT(&pText, 0, nullptr), 1) << "the result flag still comes back";
}

// ---- Time to text ----------------------------------------------------------------

TEST_F(EntryPoints, TimeToTextMatchesTheWriter) {
  const double kValues[] = {36526.5, 43905.75, 0.0, -0.25, kMissing, 2e6, 1e300};
  const int kFlags[] = {0, 1, 2, -1};
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy h:mm:ss am/pm"));
  for (double dValue : kValues) {
    for (int iFlag : kFlags) {
      SCOPED_TRACE(::testing::Message() << dValue << " flag " << iFlag);
      CmString sOut(L"old text");
      CmString* pOut = &sOut;
      int iLength = -5;
      MTTODT(&dValue, &iFlag, &pOut, &iLength);
      CmString sExpected;
      gcmTime.mCorvaneTimeToStr(dValue, iFlag == 1, sExpected, 0);
      EXPECT_EQ(sOut.str(), sExpected.str());
      EXPECT_EQ(iLength, sExpected.length());
    }
  }
}

TEST_F(EntryPoints, TimeToTextFlagTwoIsTheDate) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy"));
  double dValue = 36526.0;
  CmString sOut;
  CmString* pOut = &sOut;
  int iLength = 0;
  int iFlag = 2;
  MTTODT(&dValue, &iFlag, &pOut, &iLength);
  EXPECT_EQ(sOut.str(), std::wstring(L"1/1/2000"));
  EXPECT_EQ(iLength, 8);
  iFlag = 1;
  MTTODT(&dValue, &iFlag, &pOut, &iLength);
  EXPECT_EQ(sOut.str(), std::wstring(L"36526"));
  EXPECT_EQ(iLength, 5);
}

TEST_F(EntryPoints, TimeToTextLengthCountsCharacters) {
  // A month name with a character outside ASCII: length counts characters.
  ASSERT_TRUE(gcmTime.mSetFormat(L"mmmm"));
  wchar_t szSaved[32];
  std::wcscpy(szSaved, CmTimeCls::gszMonthName[2]);
  std::wcscpy(CmTimeCls::gszMonthName[2], L"M\u00e4rz");
  double dValue = kMarch15of2020;
  int iFlag = 0;
  CmString sOut;
  CmString* pOut = &sOut;
  int iLength = 0;
  MTTODT(&dValue, &iFlag, &pOut, &iLength);
  std::wcscpy(CmTimeCls::gszMonthName[2], szSaved);
  EXPECT_EQ(sOut.str(), std::wstring(L"M\u00e4rz"));
  EXPECT_EQ(iLength, 4);
}

TEST_F(EntryPoints, TimeToTextNullPointers) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy"));
  CmString sOut(L"old");
  CmString* pOut = &sOut;
  int iLength = -1;
  MTTODT(nullptr, nullptr, &pOut, &iLength);  // value 0, flag 0
  EXPECT_EQ(sOut.str(), std::wstring(L"12/30/1899"));
  EXPECT_EQ(iLength, 10);
  double dValue = 36526.0;
  iLength = -1;
  MTTODT(&dValue, nullptr, nullptr, &iLength);
  EXPECT_EQ(iLength, 8);
  CmString* pNull = nullptr;
  MTTODT(&dValue, nullptr, &pNull, nullptr);
  MTTODT(nullptr, nullptr, nullptr, nullptr);
}

// ---- Unit arithmetic --------------------------------------------------------------

TEST_F(EntryPoints, StepsMatchTheUnitArithmetic) {
  struct Row {
    double dCount;
    int iUnit;
    double dTime;
    double dExpected;  // NaN: only compared with the member
    const char* pszNote;
  };
  const double kNoAnchor = std::nan("");
  const Row kRows[] = {
      {1.0, xMonthNumber, 36922.0, 36950.0, "31 Jan 2001 + 1 month = 28 Feb 2001"},
      {1.0, xMonthNumber, 36556.0, 36585.0, "31 Jan 2000 + 1 month = 29 Feb 2000"},
      {1.9, xDay, 36526.0, 36527.0, "1.9 days add one day"},
      {6.0, xHour, 36526.0, 36526.25, "six hours"},
      {-13.0, xMonthNumber, 36906.0, kNoAnchor, "backwards over a year"},
      {2.0, xYear, 36585.0, kNoAnchor, "from 29 February"},
      {1.0, xWeekLabelFirst, 36526.0, 36533.0, "one week"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszNote);
    double dCount = row.dCount;
    int iUnit = row.iUnit;
    double dTime = row.dTime;
    double dResult = -1.0;
    NTTODT(&dCount, &iUnit, &dTime, &dResult);
    double dExpected = 0.0;
    gcmTime.mNormToCorvaneTime(row.dCount, static_cast<xTimePartsEnum>(row.iUnit), row.dTime,
                               &dExpected);
    EXPECT_EQ(dResult, dExpected);
    if (!std::isnan(row.dExpected)) {
      EXPECT_DOUBLE_EQ(dResult, row.dExpected);
    }
  }
}

TEST_F(EntryPoints, StepNullPointers) {
  double dTime = 36526.0;
  double dResult = -1.0;
  int iUnit = xDay;
  NTTODT(nullptr, &iUnit, &dTime, &dResult);
  EXPECT_EQ(dResult, 36526.0) << "no count is 0 units";
  double dCount = 3.0;
  NTTODT(&dCount, &iUnit, nullptr, &dResult);
  EXPECT_EQ(dResult, 3.0) << "no time is day 0";
  NTTODT(&dCount, &iUnit, &dTime, nullptr);
  NTTODT(nullptr, nullptr, nullptr, nullptr);
}

TEST_F(EntryPoints, CountsMatchTheUnitArithmetic) {
  struct Row {
    double dStart;
    double dEnd;
    double dIncrement;
    int iUnit;
    int iExpected;
    const char* pszNote;
  };
  const Row kRows[] = {
      {36526.0, 36526.0, 1.0, xDay, 1, "same time"},
      {36526.0, 36536.0, 2.0, xDay, 6, "ten days in steps of two"},
      {36526.0, 36535.5, 2.0, xDay, 5, "nine and a half days in steps of two"},
      {36526.0, 36526.0 + 1.0, 1.0, xHour, 25, "a day of hours"},
      {36526.0, 40179.0, 1.0, xYear, 11, "2000 to 2010"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszNote);
    double dStart = row.dStart;
    double dEnd = row.dEnd;
    double dIncrement = row.dIncrement;
    int iUnit = row.iUnit;
    const int iCount = NGETOB(&dStart, &dEnd, &dIncrement, &iUnit);
    EXPECT_EQ(iCount, gcmTime.mNumTimesInRange(row.dStart, row.dEnd, row.dIncrement,
                                               static_cast<xTimePartsEnum>(row.iUnit)));
    EXPECT_EQ(iCount, row.iExpected);
  }
}

TEST_F(EntryPoints, CountNullPointers) {
  double dEnd = 10.0;
  double dIncrement = 1.0;
  int iUnit = xDay;
  EXPECT_EQ(NGETOB(nullptr, &dEnd, &dIncrement, &iUnit),
            gcmTime.mNumTimesInRange(0.0, 10.0, 1.0, xDay));
  // A zero increment and unit 0 go to the member as they are; no trap.
  NGETOB(nullptr, nullptr, nullptr, nullptr);
}

}  // namespace
