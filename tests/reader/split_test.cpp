// Splitting text into date, time and AM/PM pieces, and the designator style
// the text used.

#include <iterator>
#include <string>

#include "tests/reader/reader_access.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess;

struct xSplitRow {  // NOLINT(clang-analyzer-optin.performance.Padding): a table row
  const wchar_t* sFormat;
  const wchar_t* sText;
  bool bOk;
  const wchar_t* sDate;
  const wchar_t* sTime;
  const wchar_t* sAmPm;
  int iStyle;
  bool bHasDateOrDesignator;
};

void mCheckRows(CmTimeCls& t, const xSplitRow* rows, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const xSplitRow& row = rows[i];
    SCOPED_TRACE(mNarrow(row.sFormat) + " | " + mNarrow(row.sText));
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    const xSplit x = A::mSplit(t, row.sText);
    EXPECT_EQ(x.bOk, row.bOk);
    EXPECT_EQ(x.bHasDateOrDesignator, row.bHasDateOrDesignator);
    if (!row.bOk) continue;
    EXPECT_EQ(x.sDate, row.sDate);
    EXPECT_EQ(x.sTime, row.sTime);
    EXPECT_EQ(x.sAmPm, row.sAmPm);
    EXPECT_EQ(x.iStyle, row.iStyle);
  }
}

TEST_F(ReaderTest, SplitBasics) {
  static const xSplitRow kRows[] = {
      // A date, a time and a spaced designator.
      {L"m/d/yyyy h:mm AM/PM", L"3/15/2020 10:30 PM", true, L"3/15/2020", L"10:30", L"PM", 0, true},
      {L"m/d/yyyy h:mm", L"3/15/2020 10:30", true, L"3/15/2020", L"10:30", L"", 0, true},
      {L"m/d/yyyy", L"3/15/2020", true, L"3/15/2020", L"", L"", 0, true},
      // A lone time is found by its separator and is no date.
      {L"h:mm", L"10:30", true, L"", L"10:30", L"", 0, false},
      {L"h:mm", L"", true, L"", L"", L"", 0, false},
      // The blanks of "mmmm d, yyyy" stay in the date until the third.
      {L"mmmm d, yyyy h:mm", L"March 15, 2020 10:30", true, L"March 15, 2020", L"10:30", L"", 0,
       true},
      {L"d mmmm yyyy h:mm", L"15 March 2020 10:30", true, L"15 March 2020", L"10:30", L"", 0, true},
      {L"d mmmm yyyy", L"15 March 2020", true, L"15 March 2020", L"", L"", 0, true},
      // A word glued to a date is no designator when it is longer than one.
      {L"d mmm yyyy", L"5Mar2020", true, L"5Mar2020", L"", L"", 0, true},
      {L"yyyyQq", L"2020Q3", true, L"2020Q3", L"", L"", 0, true},
      {L"wwWkyyyy", L"12Wk2020", true, L"12Wk2020", L"", L"", 0, true},
      // Under an elapsed format a numeric text can be all time.
      {L"[m]:ss", L"90", true, L"", L"90", L"", 0, false},
      {L"[s]", L"7.5", true, L"", L"7.5", L"", 0, false},
      {L"[h]:mm", L"1.5", true, L"1.5", L"", L"", 0, true},
      {L"[h]:mm", L"90", true, L"", L"90", L"", 0, false},
      {L"h:mm", L"90", true, L"90", L"", L"", 0, true},
  };
  mCheckRows(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, SplitDesignatorStyles) {
  static const xSplitRow kRows[] = {
      {L"h:mm AM/PM", L"10:30 PM", true, L"", L"10:30", L"PM", 0, true},
      {L"h:mm AM/PM", L"10:30 pm", true, L"", L"10:30", L"pm", 1, true},
      {L"h:mm AM/PM", L"10:30PM", true, L"", L"10:30", L"PM", 2, true},
      {L"h:mm AM/PM", L"10:30pm", true, L"", L"10:30", L"pm", 3, true},
      {L"h:mm AM/PM", L"10:30 A", true, L"", L"10:30", L"A", 4, true},
      {L"h:mm AM/PM", L"10:30 a", true, L"", L"10:30", L"a", 5, true},
      {L"h:mm AM/PM", L"10:30P", true, L"", L"10:30", L"P", 6, true},
      {L"h:mm AM/PM", L"10:30p", true, L"", L"10:30", L"p", 7, true},
      {L"h:mm AM/PM", L"10:30 Pm", true, L"", L"10:30", L"Pm", 1, true},  // mixed case: lower
      {L"h AM/PM", L"10 PM", true, L"", L"10", L"PM", 0, true},
      {L"h AM/PM", L"10PM", true, L"", L"10", L"PM", 2, true},
      {L"m/d/yyyy h:mm AM/PM", L"3/15/2020 10:30pm", true, L"3/15/2020", L"10:30", L"pm", 3, true},
      // A blank before the designator counts as spacing only where it ends
      // the date: under a blank-separated date format the first blank of a
      // lone time does not.
      {L"d mmmm yyyy h:mm AM/PM", L"10:30 PM", true, L"", L"10:30", L"PM", 2, true},
      {L"d mmmm yyyy h:mm AM/PM", L"15 March 2020 10:30 PM", true, L"15 March 2020", L"10:30",
       L"PM", 0, true},
  };
  mCheckRows(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, SplitRegionalDesignators) {
  A::mSetDesignators(T(), L"VORM.", L"NACHM.");
  static const xSplitRow kRows[] = {
      {L"h:mm VORM./NACHM.", L"10:30 NACHM.", true, L"", L"10:30", L"NACHM.", 8, true},
      {L"h:mm VORM./NACHM.", L"10:30 nachm.", true, L"", L"10:30", L"nachm.", 9, true},
      {L"h:mm VORM./NACHM.", L"10:30NACHM.", true, L"", L"10:30", L"NACHM.", 10, true},
      {L"h:mm VORM./NACHM.", L"10:30vorm.", true, L"", L"10:30", L"vorm.", 11, true},
      // The fixed pair and its letters stay accepted beside the regional one.
      {L"h:mm VORM./NACHM.", L"10:30 PM", true, L"", L"10:30", L"PM", 0, true},
      {L"h:mm VORM./NACHM.", L"10:30 p", true, L"", L"10:30", L"p", 5, true},
      // Glued, the word must be a prefix of the regional designator it
      // starts like; "vormittag" is longer than both.
      {L"h:mm VORM./NACHM.", L"10:30vormittag", true, L"", L"10:30vormittag", L"", 0, false},
  };
  mCheckRows(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, SplitFailures) {
  static const xSplitRow kRows[] = {
      // Everything after a designator is designator text.
      {L"h:mm AM/PM", L"10:30 PM xyz", false, L"", L"", L"", 0, true},
      {L"h:mm AM/PM", L"10:30 PMX", false, L"", L"", L"", 0, true},
      {L"h:mm AM/PM", L"10:30 apple", false, L"", L"", L"", 0, true},
      // A second number after the time.
      {L"m/d/yyyy h:mm", L"3/15/2020 10:30 5", false, L"", L"", L"", 0, false},
      // A designator alone has no time before it: it stays date text.
      {L"h:mm AM/PM", L"PM", true, L"PM", L"", L"", 0, true},
  };
  mCheckRows(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, SplitLimits) {
  mUse(L"m/d/yyyy h:mm:ss");
  const std::wstring s22(22, L'a');
  EXPECT_TRUE(A::mSplit(T(), s22.c_str()).bOk);
  EXPECT_EQ(A::mSplit(T(), s22.c_str()).sDate, s22);
  EXPECT_FALSE(A::mSplit(T(), (s22 + L"a").c_str()).bOk);  // 23 characters of date

  // The time piece holds 20 characters.
  const std::wstring sTime20 = L"10:30:00.00000000000";
  ASSERT_EQ(sTime20.size(), 20u);
  const xSplit x = A::mSplit(T(), (L"3/15/2020 " + sTime20).c_str());
  EXPECT_TRUE(x.bOk);
  EXPECT_EQ(x.sTime, sTime20);
  EXPECT_FALSE(A::mSplit(T(), (L"3/15/2020 " + sTime20 + L"0").c_str()).bOk);

  // A lone time collected as date text moves only when it fits.
  mUse(L"h:mm:ss");
  EXPECT_TRUE(A::mSplit(T(), sTime20.c_str()).bOk);
  EXPECT_FALSE(A::mSplit(T(), (sTime20 + L"0").c_str()).bOk);
  // A designator that needs the date moved to the time fails when the date
  // is too long to be a time.
  mUse(L"h:mm AM/PM");
  EXPECT_TRUE(A::mSplit(T(), L"10:30:00.00000000000 PM").bOk);
  EXPECT_FALSE(A::mSplit(T(), L"10:30:00.000000000000 PM").bOk);
}

TEST_F(ReaderTest, SplitOutputsAreRewrittenEvenOnArbitraryText) {
  mUse(L"m/d/yyyy h:mm AM/PM");
  const std::wstring sLong(10000, L'7');
  const wchar_t* const kTexts[] = {L"",         L" ",         L"\t",      L"/",
                                   L":",        L"a",         L"p",       L" p ",
                                   L"-",        L"1 2 3 4 5", L"\xFFFF",  L"\xD800\xDC00",
                                   L"1\xD8003", L"PM PM",     L"10 PM 5", sLong.c_str()};
  for (const wchar_t* text : kTexts) {
    SCOPED_TRACE(mNarrow(std::wstring(text).substr(0, 40)));
    const xSplit x = A::mSplit(T(), text);
    EXPECT_LE(x.sDate.size(), 22u);
    EXPECT_LE(x.sTime.size(), 20u);
    EXPECT_GE(x.iStyle, 0);
    EXPECT_LE(x.iStyle, 11);
  }
  EXPECT_FALSE(A::mSplit(T(), sLong.c_str()).bOk);
}

}  // namespace
}  // namespace cvn::test
