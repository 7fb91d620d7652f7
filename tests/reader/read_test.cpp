// Reading text into a Corvane time: every kind of part, separators, names,
// designators, elapsed times, the trial of the default formats and the
// format current afterwards; no-value texts and the error table; signed
// spans of fixed syntax and ranges joined by "..".

#include <string>
#include <tuple>
#include <vector>

#include "support/access.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess::Reader;
using F = CmTimeClsTestAccess::Format;
constexpr double kNo = kMissing;  // the text is refused

// clang-format off
TEST_F(ReaderTest, ReadsDates) {
  mCheckReads({
      {L"m/d/yyyy", L" \t3/15/2020  ", mTime(2020'03'15)},
      // Each part takes the larger of its typed and its format width.
      {L"m/d/yyyy", L"3/05/2020", mTime(2020'03'05), L"m/dd/yyyy"},
      {L"m/d/yyyy", L"2/29/2020", mTime(2020'02'29)},
      {L"m/d/yyyy", L"1/1/1000", mTime(1000'01'01)},
      {L"m/d/yyyy", L"12/31/4000", mTime(4000'12'31)},
      {L"m/d/yyyy", L"1/1/4001", kNo},
      {L"m/d/yyyy", L"2/29/2019", kNo},
      {L"m/d/yyyy", L"4/30/2020", mTime(2020'04'30)},
      {L"m/d/yyyy", L"4/31/2020", kNo},
      {L"d mmmm yyyy", L"30 September 2020", mTime(2020'09'30)},
      {L"d mmmm yyyy", L"31 April 2020", kNo},
      // The separator in force is the one typed.
      {L"m/d/yyyy", L"3-15-2020", mTime(2020'03'15), L"m-d-yyyy"},
      {L"d-m-yyyy", L"15/3/2020", mTime(2020'03'15), L"d/m/yyyy"},
      // A partial date; one that ends with its separator keeps the next part.
      {L"m/d/yyyy", L"3/15", mTime(2020'03'15), L"m/d"},
      {L"m/d/yyyy", L"3/", mTime(2020'03'01), L"m/d"},
      // Two-digit years at the edges of the window ending in 2029.
      {L"m/d/yy", L"1/1/29", mTime(2029'01'01)},
      {L"m/d/yy", L"1/1/30", mTime(1930'01'01)},
      // Compact dates read fixed-width fields.
      {L"YYYYMMDD", L"20200315", mTime(2020'03'15), L"yyyymmdd"},
      {L"yymmdd", L"200315", mTime(2020'03'15)},
      {L"yyyymmdd", L"2020031", mTime(2020'03'01)},
      {L"yyyymmdd", L"202003", mTime(2020'03'01), L"yyyymm"},
      // Quarters begin their first month; weeks count 7 days from 1 January.
      {L"yyyyQq", L"2020Q4", mTime(2020'10'01)},
      {L"qQyyyy", L"3Q2020", mTime(2020'07'01)},
      {L"wwWkyyyy", L"1Wk2020", mTime(2020'01'01)},
      {L"wwWkyyyy", L"53Wk2020", mTime(2020'12'30)},
      {L"wwWkyyyy", L"53Wk2019", mTime(2019'12'31)},
  });
}

TEST_F(ReaderTest, ReadsMonthNames) {
  mCheckReads({
      {L"d mmm yyyy", L"15 mar 2020", mTime(2020'03'15)},
      // A full name widens the format to full names, and it stays full.
      {L"d mmm yyyy", L"15 March 2020", mTime(2020'03'15), L"d mmmm yyyy"},
      {L"mmmm d, yyyy", L"Mar 15,2020", mTime(2020'03'15)},
  });
  // Other names, abbreviations with a full stop, loaded into the shared tables;
  // the built-in names, those the tables start with, come back at scope end.
  {
    struct xBuiltInNames {
      ~xBuiltInNames() {
        mSetRegionalSettings(mBuiltInRegionalSettings());
        mInitTimeClassMonthNames();
      }
    } xRestore;
    CmRegionalSettings x = mBuiltInRegionalSettings();
    const std::tuple<int, const wchar_t*, const wchar_t*> kFrench[] = {
        {0, L"janvier", L"janv."},
        {1, L"f\u00E9vrier", L"f\u00E9vr."}};
    for (auto [i, pszFull, pszAbbrev] : kFrench) {
      x.sMonthNames[i] = pszFull;
      x.sMonthAbbrevs[i] = pszAbbrev;
    }
    mSetRegionalSettings(x);
    mInitTimeClassMonthNames();
    mCheckReads({
        {L"d mmm yyyy", L"15 janv. 2020", mTime(2020'01'15)},
        {L"d mmm yyyy", L"29 F\u00C9VR. 2020", mTime(2020'02'29)},
        {L"d mmm yyyy", L"28 f\u00E9vrier 1999", mTime(1999'02'28), L"d mmmm yyyy"},
        {L"d mmm yyyy", L"15 Jan 2020", kNo},
    });
  }
  mCheckReads({{L"d mmm yyyy", L"15 Jan 2020", mTime(2020'01'15)},
               {L"d mmm yyyy", L"15 janv. 2020", kNo}});
}

TEST_F(ReaderTest, ReadsTimes) {
  mCheckReads({
      {L"h:mm", L"0:00", mTime(0)},
      {L"h:mm", L"23:59", mTime(0, 23'59'00'000)},
      {L"h:mm", L"09:05", mTime(0, 9'05'00'000), L"hh:mm"},
      {L"h:mm:ss", L"10:30", mTime(0, 10'30'00'000), L"h:mm"},
      {L"mm/dd/yyyy hh:mm:ss", L"03/15/2020 22:30:45", mTime(2020'03'15, 22'30'45'000)},
      {L"m/d/yyyy h:mm:ss", L"12/31/4000 23:59:59", mTime(4000'12'31, 23'59'59'000)},
      {L"m/d/yyyy h:mm:ss", L"3/15/2020 23:60:00", kNo},
      {L"m/d/yyyy h:mm:ss", L"3/15/2020 23:00:60", kNo},
      // Decimals of the second in thousandths, those beyond the format's parts
      // entering it as read; halves of a thousandth round up and carry into
      // the seconds, the minutes and the day.
      {L"h:mm:ss", L"10:30:15.5", mTime(0, 10'30'15'500), L"h:mm:ss.s"},
      {L"h:mm:ss.s", L"10:30:15.125", mTime(0, 10'30'15'125), L"h:mm:ss.sss"},
      {L"h:mm:ss.sss", L"10:30:59.9995", mTime(0, 10'31'00'000)},
      {L"m/d/yyyy h:mm:ss.sss", L"3/15/2020 23:59:59.9996", mTime(2020'03'16)},
      {L"h:mm:ss.sss", L"10:30:15.", mTime(0, 10'30'15'000), L"h:mm:ss"},
      {L"h:mm:ss.sss", L"10:30:15:.5", mTime(0, 10'30'15'500)},
  });
}

TEST_F(ReaderTest, ReadsDesignatorsInEveryStyle) {
  const double k2230 = mTime(0, 22'30'00'000);
  mCheckReads({
      {L"h:mm AM/PM", L"10:30 PM", k2230},
      {L"h:mm AM/PM", L"10:30 pm", k2230, L"h:mm am/pm"},
      {L"h:mm AM/PM", L"10:30PM", k2230, L"h:mmAM/PM"},
      {L"h:mm AM/PM", L"10:30 P", k2230, L"h:mm A/P"},
      {L"h:mm AM/PM", L"10:30p", k2230, L"h:mma/p"},
      {L"h:mm AM/PM", L"12:00 AM", mTime(0)},
      {L"h:mm:ss AM/PM", L"12:30:45 AM", mTime(0, 30'45'000)},
      {L"h:mm:ss AM/PM", L"12:30:45 PM", mTime(0, 12'30'45'000)},
      {L"h:mm AM/PM", L"12:59 PM", mTime(0, 12'59'00'000)},
      {L"h:mm AM/PM", L"11:59 PM", mTime(0, 23'59'00'000)},
      {L"h:mm", L"10 PM", mTime(0, 22'00'00'000), L"h AM/PM"},
      {L"h:mm AM/PM", L"10:30", mTime(0, 10'30'00'000), L"h:mm"},  // none: a 24-hour clock
      {L"h:mm AM/PM", L"10:30 PM PM", kNo},
  });
  F::mDesignators(T(), L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  mCheckReads({
      {L"h:mm VORM./NACHM.", L"10:30 nachm.", k2230, L"h:mm vorm./nachm."},
      {L"h:mm VORM./NACHM.", L"10:30NACHM.", k2230, L"h:mmVORM./NACHM."},
      {L"h:mm VORM./NACHM.", L"12:15 VORM.", mTime(0, 15'00'000)},
  });
}

TEST_F(ReaderTest, ReadsElapsedTimesWithAndWithoutSign) {
  const double k0130 = 1.5 / 24;
  mCheckReads({
      {L"[h]:mm:ss", L"1:30", k0130, L"[h]:mm"},
      {L"[h]:mm:ss", L"-   1:30", -k0130, L"[h]:mm"},
      {L"[h]:mm:ss", L"-0", 0.0, L"[h]"},
      {L"[h]:mm", L"100:75", mTime(0, 101'15'00'000)},  // no range check
      // More precision than the format shows is read.
      {L"[h]:mm:ss", L"1:30:15.5", mTime(0, 1'30'15'500), L"[h]:mm:ss.sss"},
      {L"[h]:mm", L"1:30:15", mTime(0, 1'30'15'000), L"[h]:mm:ss"},
      {L"[h]", L"36", 1.5},
      {L"[m]:ss", L"90", 90.0 / 1440, L"[m]"},
      {L"[m]:ss", L"-90:30", -mTime(0, 1'30'30'000)},
      {L"[s]", L"86400", 1.0},
      // No sign alone, no decimal hours, no date, no designator; no sign
      // outside an elapsed format.
      {L"[h]:mm:ss", L"- ", kNo},
      {L"[h]:mm:ss", L"1.5", kNo},
      {L"[h]:mm:ss", L"3/15/2020", kNo},
      {L"h:mm", L"+1:30", kNo},
      {L"m/d/yyyy", L"-3/15/2020", kNo},
  });
  mUse(L"[h]:mm:ss");
  CmTimeCls::xNumtimStruct x{-7, -7.0};
  ASSERT_TRUE(A::mValidateTime(T(), L" -1:30 ", &x));
  EXPECT_EQ(x.iDayNumber, 0);
  EXPECT_EQ(x.dTimeOfDay, -5400000.0);  // only the time of day carries the sign
  EXPECT_FALSE(A::mValidateTime(T(), L"x", &x));
  EXPECT_EQ(x.dTimeOfDay, -5400000.0);  // untouched on failure
}

TEST_F(ReaderTest, FallsBackToTheDefaultFormats) {
  const double k0315 = mTime(2020'03'15);
  mCheckReads({
      {L"m/d/yyyy", L"15-Mar-20 10:30:00", mTime(2020'03'15, 10'30'00'000), L"d-mmm-yy h:mm:ss"},
      {L"m/d/yyyy", L"March 15, 2020", k0315, L"mmmm d, yyyy"},
      {L"m/d/yyyy", L"10:30 PM", mTime(0, 22'30'00'000), L"h:mm AM/PM"},
      // A two-digit year under a four-digit format goes on to the defaults ...
      {L"m/d/yyyy", L"03/15/20", k0315, L"mm/d/yyyy"},
      // ... unless the format holds "m/yy".
      {L"mm/yyyy", L"03/20", mTime(2020'03'01)},
      // The elapsed default "[h]:mm:ss" comes before "h:mm:ss am/pm".
      {L"m/d/yyyy", L"10:30", mTime(0, 10'30'00'000), L"[h]:mm"},
      // A bare number is no time, but a default reads it as a month.
      {L"h:mm", L"10", mTime(2020'10'01)},
      // The first default "m/d h:mm:ss" puts back a format other than the
      // regional date-time format.
      {L"d mmmm yyyy", L"12/25", mTime(2020'12'25)},
  });
  // After the regional date-time format the derived format stays.
  CmRegionalSettings xSettings = mBuiltInRegionalSettings();
  xSettings.sShortDate = L"yyyy/MM/dd";
  mSetRegionalSettings(xSettings);
  m_pTime = std::make_unique<CmTimeCls>();  // first default "mm/dd h:mm:ss"
  mCheckReads({{L"yyyy/mm/dd h:mm:ss AM/PM", L"12/25", mTime(2020'12'25), L"mm/dd"},
               {L"yyyy/mm/dd", L"12/25", mTime(2020'12'25)}});
}

TEST_F(ReaderTest, ReadsCommaDecimals) {
  mSetInputDecimal(L',');
  mSetOutputDecimal(L',');
  mCheckReads({
      {L"h:mm:ss", L"10:30:15,5", mTime(0, 10'30'15'500), L"h:mm:ss,s"},
      // A comma before any colon is no decimal: only formats with one are tried.
      {L"m/d/yyyy", L"March 15, 2020", mTime(2020'03'15), L"mmmm d, yyyy"},
      {L"h:mm:ss", L"10,5", kNo},
  });
  mSetInputDecimal(L'.');
  mSetOutputDecimal(L'.');
  mCheckReads({{L"h:mm:ss", L"10:30:15,5", kNo}});
}
// clang-format on

TEST_F(ReaderTest, NoValueTextsAndLongBlankRuns) {
  const std::wstring sBlanks(10000, L' ');
  mCheckReads({
      {L"m/d/yyyy", (sBlanks + L"3/15/2020" + sBlanks).c_str(), mTime(2020'03'15)},
      {L"[h]:mm:ss", (L"-" + sBlanks + L"1:30").c_str(), -1.5 / 24, L"[h]:mm"},
      {L"m/d/yyyy", std::wstring(L"3/15/2020\0junk", 14).c_str(), mTime(2020'03'15)},
  });
  const wchar_t* const kTexts[] = {L"", L"   ", L"\t", L"*", L" * ", sBlanks.c_str(), nullptr};
  for (const wchar_t* text : kTexts) {
    double d = 5.0;
    EXPECT_TRUE(T().mStrToCorvaneTime(text, &d));  // no value is no error
    EXPECT_EQ(d, kMissing);
    EXPECT_EQ(T().mGetDateTimeFmt().str(), L"m/d/yyyy");
  }
  EXPECT_TRUE(T().mStrToCorvaneTime(L"3/15/2020", nullptr));  // no receiver: still read
}

TEST_F(ReaderTest, ErrorCasesLeaveTheFormatUnchanged) {
  // clang-format off
  std::vector<std::wstring> vTexts = {
      L"**", L"//", L"::", L"-", L"+", L"-0", L".", L"..", L"3/15/2020x", L"3/15/2020 10:30 5",
      L"2/30/2020", L"13/1/2020", L"PM", L"10:30 PM xyz", L"10:99", L"13:00 PM", L"99999999999",
      L"2147483648/1/2020", L"1/1/10000", L"Q1 2020", L"\xFFFF", L"\xD800", L"\xD800\xDC00",
      L"\x0661/\x0661\x0665/\x0662\x0660\x0662\x0660",  // Arabic-Indic digits
      std::wstring(10000, L'1'), L"3/15/2020" + std::wstring(10000, L'0'),
      std::wstring(9999, L'a') + L"3/15/2020"};
  // clang-format on
  for (wchar_t c = 0x80; c <= 0xFF; ++c) {
    vTexts.insert(vTexts.end(), {std::wstring(1, c), L"3/15/2020" + std::wstring(1, c),
                                 std::wstring(1, c) + L"10:30"});
  }
  for (const wchar_t* sFormat :
       {L"m/d/yyyy", L"h:mm:ss AM/PM", L"[h]:mm:ss", L"d mmmm yyyy", L"yyyymmdd"}) {
    for (const std::wstring& s : vTexts) {
      // Under an elapsed format "-0" is a zero span and 10:99 is in range.
      if ((s == L"-0" || s == L"10:99") && sFormat[0] == L'[') continue;
      SCOPED_TRACE(mNarrow(sFormat) + " | " + mNarrow(s.substr(0, 30)));
      mUse(sFormat);
      const std::wstring sState = F::mState(T()) + F::mRejected(T());
      double d = 5.0;
      EXPECT_FALSE(T().mStrToCorvaneTime(s.c_str(), &d));
      EXPECT_EQ(d, kMissing);
      EXPECT_EQ(F::mState(T()) + F::mRejected(T()), sState);
    }
  }
}

TEST_F(ReaderTest, DeltaTimeSpans) {
  // sign, days, hours, minutes, seconds, hundredths; a sign of 99 is not written.
  using V = std::vector<int>;
  const std::wstring s79 = L"+" + std::wstring(73, L' ') + L"1 2:3";
  // clang-format off
  const std::tuple<std::wstring, bool, V> kRows[] = {
      {L"+3", true, {1, 3, 0, 0, 0, 0}},
      {L"-1 12:30:15.50", true, {-1, 1, 12, 30, 15, 50}},
      {L"+-5", true, {1, -5, 0, 0, 0, 0}},        // the day count may carry its own sign
      {L"+1 0:0:0.5", true, {1, 1, 0, 0, 0, 5}},  // ".5" is 5 hundredths
      {s79, true, {1, 1, 2, 3, 0, 0}},
      {L"+" + s79, false, {99, 0, 0, 0, 0, 0}},   // 80 characters
      {std::wstring(10000, L'+'), false, {99, 0, 0, 0, 0, 0}},
      // A bad piece fails the text; the later ones are still stored.
      {L"+1 24:30", false, {1, 1, 0, 30, 0, 0}},
      {L"+1 23:60:59", false, {1, 1, 23, 0, 59, 0}},
      {L"+1 23:59:60.99", false, {1, 1, 23, 59, 0, 99}},
      {L"+0 0:0:0.100", false, {1, 0, 0, 0, 0, 0}},
      {L"+99999999999", false, {1, 0, 0, 0, 0, 0}},
      {L"3 12:00", false, {99, 0, 0, 0, 0, 0}},
      {L"+", false, {99, 0, 0, 0, 0, 0}},
      {L"+ ", false, {1, 0, 0, 0, 0, 0}},
  };
  // clang-format on
  for (const auto& [sText, bOk, vExpected] : kRows) {
    V v = {99, -1, -1, -1, -1, -1};
    EXPECT_EQ(T().mParseDeltaTime(sText.c_str(), &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), bOk)
        << mNarrow(sText);
    EXPECT_EQ(v, vExpected) << mNarrow(sText);
  }
  EXPECT_FALSE(T().mParseDeltaTime(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  mSetInputDecimal(L',');  // the seconds end at the input decimal symbol
  int a[6];
  EXPECT_TRUE(T().mParseDeltaTime(L"-1 12:30:15,50", &a[0], &a[1], &a[2], &a[3], &a[4], &a[5]));
  EXPECT_EQ(a[5], 50);
  EXPECT_FALSE(T().mParseDeltaTime(L"-1 12:30:15.50", &a[0], &a[1], &a[2], &a[3], &a[4], &a[5]));
}

TEST_F(ReaderTest, DateRanges) {
  const double kHigh = mTime(2020'12'31), kCaller = mTime(2020'05'01);
  // clang-format off
  const struct {
    const wchar_t *sRange, *sLow, *sHigh;
    double dFirst, dSecond;  // kNo: the range is refused
  } kRows[] = {
      {L"3/1/2020 .. 4/1/2020", L"1/1/2020", L"12/31/2020", mTime(2020'03'01), mTime(2020'04'01)},
      {L"1/1/2020..12/31/2020", L"1/1/2020", L"12/31/2020", mTime(2020'01'01), kHigh},
      {L"3/1/2020..END", L"1/1/2020", L"12/31/2020", mTime(2020'03'01), kHigh},
      {L"3/1/2020", L"1/1/2020", L"12/31/2020", mTime(2020'03'01), kCaller},  // the caller's second
      {L"6/1/2020", L"1/1/2020", L"12/31/2020", kNo, kNo},  // ... before the first
      // Outside the bounds, backwards, unreadable, too many, nothing; bad bounds.
      {L"12/31/2019..4/1/2020", L"1/1/2020", L"12/31/2020", kNo, kNo},
      {L"3/1/2020..1/1/2021", L"1/1/2020", L"12/31/2020", kNo, kNo},
      {L"4/1/2020..3/1/2020", L"1/1/2020", L"12/31/2020", kNo, kNo},
      {L"3/1/2020..4/1/2020..5/1/2020", L"1/1/2020", L"12/31/2020", kNo, kNo},
      {nullptr, L"1/1/2020", L"12/31/2020", kNo, kNo},
      {L"END..3/1/2020", L"1/1/2020", L"12/31/2020", kNo, kNo},
      {L"3/1/2020", L"x", L"12/31/2020", kNo, kNo},
      {L"3/1/2020", L"1/1/2020", L"2/30/2020", kNo, kNo},
  };
  // clang-format on
  for (const auto& row : kRows) {
    mUse(L"m/d/yyyy");
    double dFirst = -1, dSecond = kCaller;
    const bool bOk =
        T().mValidateDTRange(row.sRange, row.sLow, row.sHigh, L"END", &dFirst, &dSecond);
    EXPECT_EQ(bOk, row.dFirst != kNo) << mNarrow(row.sRange ? row.sRange : L"(null)");
    EXPECT_EQ(bOk ? std::vector<double>({dFirst, dSecond}) : std::vector<double>({kNo, kNo}),
              std::vector<double>({row.dFirst, row.dSecond}));
  }
}

}  // namespace
}  // namespace cvn::test
