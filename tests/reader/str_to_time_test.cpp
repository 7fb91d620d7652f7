// Reading text into a Corvane time: no-value texts, signs, the trial of the
// current and the default formats, and the format current afterwards.

#include <string>
#include <vector>

#include "tests/reader/reader_access.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess;

struct xRow {
  const wchar_t* sFormat;
  const wchar_t* sText;
  bool bOk;
  double dValue;
  const wchar_t* sFormatAfter;  // null: the starting format
};

void mCheck(CmTimeCls& t, const std::vector<xRow>& rows) {
  for (const xRow& row : rows) {
    SCOPED_TRACE(mNarrow(row.sFormat) + " | " + mNarrow(row.sText));
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    double dValue = 12345.0;
    const bool bOk = t.mStrToCorvaneTime(row.sText, &dValue);
    EXPECT_EQ(bOk, row.bOk);
    if (row.bOk) {
      EXPECT_NEAR(dValue, row.dValue, 1e-9);
    } else {
      EXPECT_EQ(dValue, kMissing);
    }
    EXPECT_EQ(A::mFormatText(t), row.sFormatAfter ? row.sFormatAfter : row.sFormat);
  }
}

TEST_F(ReaderTest, ReadsTextUnderTheCurrentFormat) {
  const double k0315 = mCorvane(2020, 3, 15);
  mCheck(T(), {
                  {L"m/d/yyyy", L"3/15/2020", true, k0315, nullptr},
                  {L"m/d/yyyy", L"  3/15/2020  ", true, k0315, nullptr},
                  {L"m/d/yyyy", L"\t3/15/2020\t", true, k0315, nullptr},
                  {L"m/d/yyyy h:mm:ss", L"3/15/2020 10:30:45", true,
                   mCorvane(2020, 3, 15, 10, 30, 45), nullptr},
                  {L"m/d/yyyy h:mm:ss AM/PM", L"3/15/2020 10:30:45 PM", true,
                   mCorvane(2020, 3, 15, 22, 30, 45), nullptr},
                  {L"mm/dd/yyyy hh:mm:ss", L"03/15/2020 22:30:45", true,
                   mCorvane(2020, 3, 15, 22, 30, 45), nullptr},
                  {L"d mmmm yyyy", L"15 March 2020", true, k0315, nullptr},
                  {L"h:mm", L"10:30", true, mClock(10, 30), nullptr},
                  {L"h:mm:ss.sss", L"23:59:59.999", true, mClock(23, 59, 59, 999), nullptr},
                  {L"yyyymmdd", L"20200315", true, k0315, nullptr},
                  {L"yyyyQq", L"2020Q3", true, mCorvane(2020, 7, 1), nullptr},
                  {L"qQyyyy", L"4Q1999", true, mCorvane(1999, 10, 1), nullptr},
                  {L"wwWkyyyy", L"12Wk2020", true, mCorvane(2020, 3, 18), nullptr},
                  {L"m/d/yyyy", L"1/1/1000", true, mCorvane(1000, 1, 1), nullptr},
                  {L"m/d/yyyy", L"12/31/4000", true, mCorvane(4000, 12, 31), nullptr},
                  // The format follows what was typed.
                  {L"m/d/yyyy", L"3-15-2020", true, k0315, L"m-d-yyyy"},
                  {L"m/d/yyyy", L"3/15", true, k0315, L"m/d"},
                  {L"h:mm:ss", L"10:30", true, mClock(10, 30), L"h:mm"},
                  // Rounding to a whole second carries through the clock into the day.
                  {L"m/d/yyyy h:mm:ss.sss", L"3/15/2020 23:59:59.9996", true, mCorvane(2020, 3, 16),
                   nullptr},
              });
}

TEST_F(ReaderTest, ReadsDesignatorsInEveryStyle) {
  const double k2230 = mClock(22, 30);
  mCheck(T(), {
                  {L"h:mm AM/PM", L"10:30 PM", true, k2230, L"h:mm AM/PM"},
                  {L"h:mm AM/PM", L"10:30 pm", true, k2230, L"h:mm am/pm"},
                  {L"h:mm AM/PM", L"10:30PM", true, k2230, L"h:mmAM/PM"},
                  {L"h:mm AM/PM", L"10:30pm", true, k2230, L"h:mmam/pm"},
                  {L"h:mm AM/PM", L"10:30 P", true, k2230, L"h:mm A/P"},
                  {L"h:mm AM/PM", L"10:30 p", true, k2230, L"h:mm a/p"},
                  {L"h:mm AM/PM", L"10:30P", true, k2230, L"h:mmA/P"},
                  {L"h:mm AM/PM", L"10:30p", true, k2230, L"h:mma/p"},
                  {L"h:mm AM/PM", L"10:30 AM", true, mClock(10, 30), L"h:mm AM/PM"},
                  {L"h:mm AM/PM", L"12:00 AM", true, mClock(0), L"h:mm AM/PM"},
                  {L"h:mm AM/PM", L"12:00 PM", true, mClock(12), L"h:mm AM/PM"},
                  {L"h:mm AM/PM", L"13:00 PM", false, 0, nullptr},
                  {L"h:mm AM/PM", L"10:30 PM PM", false, 0, nullptr},
              });
}

TEST_F(ReaderTest, ReadsRegionalDesignators) {
  A::mSetDesignators(T(), L"VORM.", L"NACHM.");
  mCheck(T(),
         {
             {L"h:mm VORM./NACHM.", L"10:30 NACHM.", true, mClock(22, 30), L"h:mm VORM./NACHM."},
             {L"h:mm VORM./NACHM.", L"10:30 nachm.", true, mClock(22, 30), L"h:mm vorm./nachm."},
             {L"h:mm VORM./NACHM.", L"10:30NACHM.", true, mClock(22, 30), L"h:mmVORM./NACHM."},
             {L"h:mm VORM./NACHM.", L"10:30vorm.", true, mClock(10, 30), L"h:mmvorm./nachm."},
             {L"h:mm VORM./NACHM.", L"12:15 VORM.", true, mClock(0, 15), L"h:mm VORM./NACHM."},
         });
}

TEST_F(ReaderTest, FallsBackToTheDefaultFormats) {
  const double k0315 = mCorvane(2020, 3, 15);
  mCheck(T(), {
                  // Read by "d-mmm-yy h:mm:ss", which then shapes the format.
                  {L"m/d/yyyy", L"15-Mar-20", true, k0315, L"d-mmm-yy"},
                  {L"m/d/yyyy", L"15-Mar-20 10:30:00", true, mCorvane(2020, 3, 15, 10, 30),
                   L"d-mmm-yy h:mm:ss"},
                  {L"m/d/yyyy", L"Mar 15", true, k0315, L"mmm d"},
                  {L"m/d/yyyy", L"March 2020", true, mCorvane(2020, 3, 1), L"mmmm yyyy"},
                  {L"m/d/yyyy", L"March 15, 2020", true, k0315, L"mmmm d, yyyy"},
                  {L"m/d/yyyy", L"15 March 2020", true, k0315, L"d mmmm yyyy"},
                  {L"m/d/yyyy", L"10:30 PM", true, mClock(22, 30), L"h:mm AM/PM"},
                  // A two-digit year under a four-digit format goes to the defaults,
                  // and the first that reads it is "m/d/yyyy h:mm:ss".
                  {L"m/d/yyyy", L"03/15/20", true, k0315, L"mm/d/yyyy"},
                  // ... unless the format itself holds "m/yy".
                  {L"mm/yyyy", L"03/20", true, mCorvane(2020, 3, 1), L"mm/yyyy"},
                  // A lone time under a date format is first read by the elapsed
                  // default "[h]:mm:ss", which comes before "h:mm:ss am/pm".
                  {L"m/d/yyyy", L"10:30", true, mClock(10, 30), L"[h]:mm"},
                  // A bare number is no time, but the first default reads it as a month.
                  {L"h:mm", L"10", true, mCorvane(2020, 10, 1), nullptr},
              });
}

TEST_F(ReaderTest, TheFirstDefaultFormatRestoresAnotherFormat) {
  // Read by "m/d h:mm:ss", the first default: the format typed under is put
  // back because it is not the regional date-time format.
  mCheck(T(), {
                  {L"d mmmm yyyy", L"3/15", true, mCorvane(2020, 3, 15), nullptr},
                  {L"mmm yyyy", L"12/25", true, mCorvane(2020, 12, 25), nullptr},
              });
}

TEST_F(ReaderTest, TheFirstDefaultFormatStaysAfterTheRegionalFormat) {
  // Under a year-first regional short date the first default is "mm/dd":
  // text read by it under the regional format keeps the derived format,
  // under any other format the previous one comes back.
  CmRegionalSettings xSettings = mBuiltInRegionalSettings();
  xSettings.sShortDate = L"yyyy/MM/dd";
  mSetRegionalSettings(xSettings);
  CmTimeCls t;
  const std::vector<std::wstring> vDefs = A::mDefFmts(t);
  ASSERT_FALSE(vDefs.empty());
  EXPECT_EQ(vDefs[0], L"mm/dd h:mm:ss");
  const std::wstring sRegional = A::mRegionalDateTime(t);
  EXPECT_EQ(sRegional, L"yyyy/mm/dd h:mm:ss AM/PM");

  ASSERT_TRUE(t.mSetFormat(sRegional.c_str()));
  double d = 0;
  EXPECT_TRUE(t.mStrToCorvaneTime(L"12/25", &d));
  EXPECT_EQ(d, mCorvane(2020, 12, 25));
  EXPECT_EQ(A::mFormatText(t), L"mm/dd");
  EXPECT_TRUE(A::mReadWithDefaultFmt(t));

  ASSERT_TRUE(t.mSetFormat(L"yyyy/mm/dd"));
  EXPECT_TRUE(t.mStrToCorvaneTime(L"12/25", &d));
  EXPECT_EQ(d, mCorvane(2020, 12, 25));
  EXPECT_EQ(A::mFormatText(t), L"yyyy/mm/dd");
  EXPECT_FALSE(A::mReadWithDefaultFmt(t));
}

TEST_F(ReaderTest, ReadsElapsedTimesWithAndWithoutSign) {
  const double k0130 = 1.5 / 24;
  mCheck(T(), {
                  {L"[h]:mm:ss", L"1:30", true, k0130, L"[h]:mm"},
                  {L"[h]:mm:ss", L"+1:30", true, k0130, L"[h]:mm"},
                  {L"[h]:mm:ss", L"-1:30", true, -k0130, L"[h]:mm"},
                  {L"[h]:mm:ss", L"-   1:30", true, -k0130, L"[h]:mm"},
                  {L"[h]:mm:ss", L"25:00", true, 25.0 / 24, L"[h]:mm"},
                  {L"[h]:mm:ss", L"1:30:15", true, mClock(1, 30, 15), nullptr},
                  // More precision than the format shows is read.
                  {L"[h]:mm:ss", L"1:30:15.5", true, mClock(1, 30, 15, 500), L"[h]:mm:ss.sss"},
                  {L"[h]:mm", L"1:30:15", true, mClock(1, 30, 15), L"[h]:mm:ss"},
                  {L"[h]", L"36", true, 1.5, nullptr},
                  {L"[m]:ss", L"90", true, 90.0 / 1440, L"[m]"},
                  {L"[m]:ss", L"-90:30", true, -mClock(0, 90, 30), nullptr},
                  {L"[s]", L"86400", true, 1.0, nullptr},
                  {L"[h]:mm:ss", L"-0", true, 0.0, L"[h]"},
                  // No date, no designator, no sign alone.
                  {L"[h]:mm:ss", L"+", false, 0, nullptr},
                  {L"[h]:mm:ss", L"-", false, 0, nullptr},
                  {L"[h]:mm:ss", L"- ", false, 0, nullptr},
                  {L"[h]:mm:ss", L"1.5", false, 0, nullptr},
                  {L"[h]:mm:ss", L"3/15/2020", false, 0, nullptr},
                  {L"[h]:mm:ss", L"10:30 PM", false, 0, nullptr},
                  // A sign outside an elapsed format is refused.
                  {L"h:mm", L"-1:30", false, 0, nullptr},
                  {L"h:mm", L"+1:30", false, 0, nullptr},
                  {L"m/d/yyyy", L"-3/15/2020", false, 0, nullptr},
              });
}

TEST_F(ReaderTest, SetsThePerReadFlags) {
  mUse(A::mRegionalDateTime(T()).c_str());
  double d = 0;
  T().mStrToCorvaneTime(L"3/15/2020", &d);
  EXPECT_TRUE(A::mReadWithDefaultFmt(T()));
  EXPECT_FALSE(A::mReadElapsed(T()));

  mUse(L"[h]:mm:ss");
  T().mStrToCorvaneTime(L"", &d);  // set even for text that holds no value
  EXPECT_FALSE(A::mReadWithDefaultFmt(T()));
  EXPECT_TRUE(A::mReadElapsed(T()));

  mUse(L"m/d/yyyy");
  T().mStrToCorvaneTime(L"x", &d);
  EXPECT_FALSE(A::mReadWithDefaultFmt(T()));
  EXPECT_FALSE(A::mReadElapsed(T()));
}

TEST_F(ReaderTest, ReadsCommaDecimals) {
  mSetInputDecimal(L',');
  mSetOutputDecimal(L',');
  xAssertCapture xCapture;  // "h:mm:ss" has no part for the decimals
  mCheck(T(), {
                  {L"h:mm:ss", L"10:30:15,5", true, mClock(10, 30, 15, 500), L"h:mm:ss,s"},
                  {L"h:mm:ss,sss", L"10:30:15,25", true, mClock(10, 30, 15, 250), L"h:mm:ss,sss"},
                  {L"m/d/yyyy h:mm:ss", L"3/15/2020 10:30:15,5", true,
                   mCorvane(2020, 3, 15, 10, 30, 15, 500), L"m/d/yyyy h:mm:ss,s"},
                  // A comma before any colon is no decimal comma: only formats with a
                  // comma are tried.
                  {L"m/d/yyyy", L"March 15, 2020", true, mCorvane(2020, 3, 15), L"mmmm d, yyyy"},
                  {L"h:mm:ss", L"10,5", false, 0, nullptr},
              });
  // With a point for decimals, a comma in a time is no decimal at all.
  mSetInputDecimal(L'.');
  mSetOutputDecimal(L'.');
  mCheck(T(), {
                  {L"h:mm:ss", L"10:30:15,5", false, 0, nullptr},
              });
}

TEST_F(ReaderTest, ReadsRegionalMonthNames) {
  // French names, abbreviations with a full stop, loaded into the shared
  // tables and put back afterwards.
  static const wchar_t* const kNames[12] = {
      L"janvier", L"f\u00E9vrier", L"mars",      L"avril",   L"mai",      L"juin",
      L"juillet", L"ao\u00FBt",    L"septembre", L"octobre", L"novembre", L"d\u00E9cembre"};
  static const wchar_t* const kAbbrevs[12] = {L"janv.", L"f\u00E9vr.", L"mars",  L"avr.",
                                              L"mai",   L"juin",       L"juil.", L"ao\u00FBt",
                                              L"sept.", L"oct.",       L"nov.",  L"d\u00E9c."};
  const xNameTablesGuard xTables;  // the English names come back afterwards
  CmRegionalSettings xSettings = mBuiltInRegionalSettings();
  for (int i = 0; i < 12; ++i) {
    xSettings.sMonthNames[i] = kNames[i];
    xSettings.sMonthAbbrevs[i] = kAbbrevs[i];
  }
  mSetRegionalSettings(xSettings);
  mInitTimeClassMonthNames();

  mCheck(T(), {
                  {L"d mmm yyyy", L"15 janv. 2020", true, mCorvane(2020, 1, 15), nullptr},
                  {L"d mmm yyyy", L"15 janv 2020", true, mCorvane(2020, 1, 15), nullptr},
                  {L"d mmm yyyy", L"15 JANV. 2020", true, mCorvane(2020, 1, 15), nullptr},
                  {L"d mmm yyyy", L"29 f\u00E9vr. 2020", true, mCorvane(2020, 2, 29), nullptr},
                  {L"d mmm yyyy", L"29 F\u00C9VR. 2020", true, mCorvane(2020, 2, 29), nullptr},
                  {L"d mmm yyyy", L"1 ao\u00FBt 2020", true, mCorvane(2020, 8, 1), nullptr},
                  {L"d mmm yyyy", L"15 janvier 2020", true, mCorvane(2020, 1, 15), L"d mmmm yyyy"},
                  {L"d mmm yyyy", L"31 d\u00E9cembre 1999", true, mCorvane(1999, 12, 31),
                   L"d mmmm yyyy"},
                  {L"d mmm yyyy", L"15 Jan 2020", false, 0, nullptr},
                  {L"d mmm yyyy", L"15 January 2020", false, 0, nullptr},
              });

  mSetRegionalSettings(mBuiltInRegionalSettings());
  mInitTimeClassMonthNames();
  mCheck(T(), {
                  {L"d mmm yyyy", L"15 Jan 2020", true, mCorvane(2020, 1, 15), nullptr},
                  {L"d mmm yyyy", L"15 janv. 2020", false, 0, nullptr},
              });
}

TEST_F(ReaderTest, NoValueTexts) {
  mUse(L"m/d/yyyy");
  const std::wstring sBlanks(10000, L' ');
  for (const wchar_t* text : {L"", L" ", L"   ", L"\t", L"*", L" * ", sBlanks.c_str()}) {
    SCOPED_TRACE(mNarrow(std::wstring(text).substr(0, 20)));
    double d = 5.0;
    EXPECT_TRUE(T().mStrToCorvaneTime(text, &d));
    EXPECT_EQ(d, kMissing);
    EXPECT_EQ(A::mFormatText(T()), L"m/d/yyyy");
  }
  double d = 5.0;
  EXPECT_TRUE(T().mStrToCorvaneTime(nullptr, &d));
  EXPECT_EQ(d, kMissing);
  EXPECT_TRUE(T().mStrToCorvaneTime(L"3/15/2020", nullptr));  // no receiver: still read
}

TEST_F(ReaderTest, RejectsTextsThatAreNoTime) {
  std::vector<std::wstring> vTexts = {
      L"**",
      L"* *",
      L"//",
      L"::",
      L"-",
      L"+",
      L"-0",
      L".",
      L",",
      L"..",
      L"/ /",
      L"3/15/2020x",
      L"3/15/2020 xyz",
      L"3/15/2020 10:30 5",
      L"2/30/2020",
      L"13/1/2020",
      L"abc",
      L"PM",
      L"10:30 PM xyz",
      L"10:99",
      L"3/15/2020 25:00",
      L"99999999999",
      L"2147483648/1/2020",
      L"3/15/99999999999",
      L"1/1/10000",
      L"Q1 2020",
      L"Wk5 2020",
      L"3 / 15 / 2020 / 1",
      std::wstring(10000, L'1'),
      L"3/15/2020" + std::wstring(10000, L'0'),
      std::wstring(9999, L'a') + L"3/15/2020",
      L"\xFFFF",
      L"\xFFFE",
      L"\xD800",
      L"\xDFFF",
      L"\xD800\xDC00",
      L"3/15/2020\xD800",
      L"\x0661/\x0661\x0665/\x0662\x0660\x0662\x0660",  // Arabic-Indic digits
  };
  for (wchar_t c = 0x80; c <= 0xFF; ++c) {
    vTexts.push_back(std::wstring(1, c));
    vTexts.push_back(L"3/15/2020" + std::wstring(1, c));
    vTexts.push_back(std::wstring(1, c) + L"10:30");
  }
  for (const wchar_t* sFormat :
       {L"m/d/yyyy", L"h:mm:ss AM/PM", L"[h]:mm:ss", L"d mmmm yyyy", L"yyyymmdd"}) {
    for (const std::wstring& s : vTexts) {
      // Under an elapsed format "-0" is a zero span and "10:99" is not out
      // of range.
      if ((s == L"-0" || s == L"10:99") && sFormat[0] == L'[') continue;
      SCOPED_TRACE(mNarrow(sFormat) + " | " + mNarrow(s.substr(0, 30)));
      mUse(sFormat);
      const auto vParts = A::mParts(T());
      double d = 5.0;
      EXPECT_FALSE(T().mStrToCorvaneTime(s.c_str(), &d));
      EXPECT_EQ(d, kMissing);
      // A failed read leaves the format exactly as it was.
      EXPECT_EQ(A::mFormatText(T()), sFormat);
      EXPECT_EQ(A::mParts(T()), vParts);
    }
  }
}

TEST_F(ReaderTest, ReadsPastLongRunsOfBlanks) {
  mUse(L"m/d/yyyy");
  const std::wstring sBlanks(10000, L' ');
  double d = 0;
  EXPECT_TRUE(T().mStrToCorvaneTime((sBlanks + L"3/15/2020" + sBlanks).c_str(), &d));
  EXPECT_EQ(d, mCorvane(2020, 3, 15));
  mUse(L"[h]:mm:ss");
  EXPECT_TRUE(T().mStrToCorvaneTime((L"-" + sBlanks + L"1:30").c_str(), &d));
  EXPECT_NEAR(d, -1.5 / 24, 1e-12);
}

TEST_F(ReaderTest, EmbeddedNulEndsTheText) {
  mUse(L"m/d/yyyy");
  const std::wstring s(L"3/15/2020\0junk", 14);
  double d = 0;
  EXPECT_TRUE(T().mStrToCorvaneTime(s.c_str(), &d));
  EXPECT_EQ(d, mCorvane(2020, 3, 15));
}

TEST_F(ReaderTest, ValidateTimeKeepsTheSignOnTheTimeOfDay) {
  mUse(L"[h]:mm:ss");
  int iDay = 0;
  double dTime = 0;
  ASSERT_TRUE(A::mValidateTime(T(), L" -1:30 ", &iDay, &dTime));
  EXPECT_EQ(iDay, 0);
  EXPECT_EQ(dTime, -5400000.0);
  // A failure leaves the record untouched.
  EXPECT_FALSE(A::mValidateTime(T(), L"x", &iDay, &dTime));
  EXPECT_EQ(iDay, -7);
}

}  // namespace
}  // namespace cvn::test
