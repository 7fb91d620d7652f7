// Splitting text into date, time and AM/PM pieces, and recognising one text
// under one format: the fields, the two outcome flags the format trial
// decides on, and the format that follows the text.

#include <string>
#include <vector>

#include "support/access.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess::Reader;

struct xSplitRow {
  const wchar_t* sFormat;
  std::wstring sText;
  bool bOk;
  std::wstring sPieces;  // "date|time|ampm" when the split holds
  int iStyle;
  bool bHasDateOrDesignator;
};

void mCheckSplits(CmTimeCls& t, const std::vector<xSplitRow>& rows) {
  for (const xSplitRow& row : rows) {
    SCOPED_TRACE(mNarrow(row.sFormat) + " | " + mNarrow(row.sText));
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    bool bOk = false, bHasDate = false;
    int iStyle = -1;
    const std::wstring sPieces = A::mSplit(t, row.sText.c_str(), &bOk, &iStyle, &bHasDate);
    EXPECT_EQ(bOk, row.bOk);
    EXPECT_EQ(bHasDate, row.bHasDateOrDesignator);
    EXPECT_EQ(row.bOk ? sPieces : L"", row.sPieces);
    EXPECT_EQ(row.bOk ? iStyle : 0, row.iStyle);
  }
}

TEST_F(ReaderTest, Split) {
  const std::wstring s22(22, L'a'), s20 = L"10:30:00.00000000000";
  // clang-format off
  mCheckSplits(T(), {
      {L"m/d/yyyy h:mm AM/PM", L"3/15/2020 10:30 PM", true, L"3/15/2020|10:30|PM", 0, true},
      {L"h:mm AM/PM", L"10:30 A", true, L"|10:30|A", 4, true},
      {L"h:mm AM/PM", L"10:30 Pm", true, L"|10:30|Pm", 1, true},  // mixed case counts as lower
      {L"h:mm", L"10:30", true, L"|10:30|", 0, false},  // found by its separator; no date
      // The blanks of "mmmm d, yyyy" stay in the date until the third.
      {L"mmmm d, yyyy h:mm", L"March 15, 2020 10:30", true, L"March 15, 2020|10:30|", 0, true},
      // Under a blank-separated date the first blank of a lone time is no spacing.
      {L"d mmmm yyyy h:mm AM/PM", L"10:30 PM", true, L"|10:30|PM", 2, true},
      {L"d mmm yyyy", L"5Mar2020", true, L"5Mar2020||", 0, true},  // longer than a designator
      // Under an elapsed format a number can be all time.
      {L"[m]:ss", L"90", true, L"|90|", 0, false},
      {L"[h]:mm", L"1.5", true, L"1.5||", 0, true},
      {L"h:mm", L"90", true, L"90||", 0, true},
      // Everything after a designator is designator text; no number after the time.
      {L"h:mm AM/PM", L"10:30 PM xyz", false, L"", 0, true},
      {L"m/d/yyyy h:mm", L"3/15/2020 10:30 5", false, L"", 0, false},
      {L"h:mm AM/PM", L"PM", true, L"PM||", 0, true},  // no time before it: date text
      // 22 characters of date, 20 of time; a lone time moves only when it fits.
      {L"m/d/yyyy h:mm:ss", s22, true, s22 + L"||", 0, true},
      {L"m/d/yyyy h:mm:ss", s22 + L"a", false, L"", 0, false},
      {L"m/d/yyyy h:mm:ss", L"3/15/2020 " + s20, true, L"3/15/2020|" + s20 + L"|", 0, true},
      {L"m/d/yyyy h:mm:ss", L"3/15/2020 " + s20 + L"0", false, L"", 0, false},
      {L"h:mm:ss", s20, true, L"|" + s20 + L"|", 0, false},
      {L"h:mm:ss", s20 + L"0", false, L"", 0, false},
  });
  CmTimeClsTestAccess::Format::mDesignators(T(), L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  mCheckSplits(T(), {
      {L"h:mm VORM./NACHM.", L"10:30 NACHM.", true, L"|10:30|NACHM.", 8, true},
      {L"h:mm VORM./NACHM.", L"10:30 p", true, L"|10:30|p", 5, true},  // "AM"/"PM" still do
      // Glued, the word must be a prefix of the regional designator.
      {L"h:mm VORM./NACHM.", L"10:30vormittag", true, L"|10:30vormittag|", 0, false},
  });
  // clang-format on
}

// Columns: format, text, decisive, year width matches, then the date
// (yyyymmdd; 18991230 is day 0), the clock (hhmmssmmm) and the format after.
struct xRow {
  const wchar_t* sFormat;
  const wchar_t* sText;
  bool bDecisive, bYearWidthMatches;
  int iDate, iClock;
  const wchar_t* sFormatAfter;
};

// Texts that one format refuses, with the flags they leave.
struct xRefusals {
  const wchar_t* sFormat;
  bool bDecisive, bYearWidthMatches;
  std::vector<const wchar_t*> vTexts;
};

void mCheck(CmTimeCls& t, std::initializer_list<xRow> accepted,
            std::initializer_list<xRefusals> refused, bool elapsedRead = false) {
  for (const xRow& row : accepted) {
    SCOPED_TRACE(mNarrow(row.sFormat) + " | " + mNarrow(row.sText));
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    const xRecognised x = A::mRecognise(t, row.sText, elapsedRead);
    EXPECT_TRUE(x.bOk && x.bDecisive == row.bDecisive);
    EXPECT_EQ(x.bYearWidthMatches, row.bYearWidthMatches);
    EXPECT_EQ(std::make_pair(x.iDate, x.iClock), std::make_pair(row.iDate, row.iClock));
    EXPECT_LT(x.iThousandth, 1000);  // a rounding up to 1000 is carried into the seconds
    EXPECT_EQ(t.mGetDateTimeFmt().str(), row.sFormatAfter);
  }
  for (const xRefusals& group : refused) {
    for (const wchar_t* text : group.vTexts) {
      SCOPED_TRACE(mNarrow(group.sFormat) + " | " + mNarrow(text));
      ASSERT_TRUE(t.mSetFormat(group.sFormat));
      const xRecognised x = A::mRecognise(t, text, elapsedRead);
      EXPECT_TRUE(!x.bOk && x.bDecisive == group.bDecisive);
      EXPECT_EQ(x.bYearWidthMatches, group.bYearWidthMatches);
    }
  }
}

// clang-format off
TEST_F(ReaderTest, RecogniseFlagsAndRefusals) {
  mCheck(T(), {
      {L"m/d/yyyy", L"3/15/2020", 1, 1, 2020'03'15, 0, L"m/d/yyyy"},
      // Each part takes the larger of typed and format width; "15" counts 1.
      {L"m/d/yyyy", L"03/15/20", 1, 0, 2020'03'15, 0, L"mm/d/yyyy"},
      {L"m/d/yy", L"1/1/2029", 1, 0, 2029'01'01, 0, L"m/d/yyyy"},
      {L"mmm d yyyy", L"Mar 15, 2020", 1, 1, 2020'03'15, 0, L"mmm d yyyy"},
      // A time alone lies on day 0 and is no date; a designator is decisive.
      {L"h:mm", L"10:30", 0, 1, 1899'12'30, 10'30'00'000, L"h:mm"},
      {L"h:mm", L"10:30 a", 1, 1, 1899'12'30, 10'30'00'000, L"h:mm a/p"},
      {L"h:mm:ss.sss", L"10:30:15.9996", 0, 1, 1899'12'30, 10'30'16'000, L"h:mm:ss.sss"},
  }, {
      {L"m/d/yyyy", 1, 1, {L"2/30/2020", L"2/29/2019", L"2/29/1900", L"4/31/2020", L"1/0/2020",
                           L"1/32/2020", L"0/1/2020", L"13/1/2020", L"3/15/2020/1", L"3//2020"}},
      {L"m/d/yyyy", 1, 0, {L"1/1/4001", L"3/15/202"}},
      // Tokens unlike a date of this format clear decisive ("a" makes a time).
      {L"m/d/yyyy", 0, 1, {L"123/1/2020", L"3/15/20a", L"3/150/2020", L"3.5/15/2020",
                           L"3/15-2020", L"/"}},
      {L"m/d/yyyy h:mm", 0, 1, {L"3/15/ 10:30", L"10:30"}},  // must start like the format
      {L"m/d/yy", 1, 0, {L"1/1/1", L"1/1/123", L"1/1/-20"}},
      {L"d mmm yyyy", 1, 0, {L"15 Mar -202", L"15 Mar 20.0"}},
      // Unknown names; a full stop the English tables do not have.
      {L"d mmm yyyy", 1, 1, {L"15 Foo 2020"}},
      {L"d mmm yyyy", 0, 1, {L"15 Ma 2020", L"15 Mar. 2020", L"15 3 2020", L"15 M4r 2020"}},
      {L"yyyymmdd", 1, 1, {L"202003151", L"20200230", L"20201315"}},
      {L"yyyyQq", 1, 1, {L"2020Q0", L"2020Q5"}},
      {L"qQyyyy", 0, 1, {L"Q32020"}},
      {L"wwWkyyyy", 1, 1, {L"54Wk2020", L"0Wk2020"}},
      // Out of range, wrong widths, a bare number.
      {L"h:mm", 0, 1, {L"24:00", L"10:60", L"10:5", L"10:005", L"-1:30", L"10"}},
      {L"h:mm:ss.sss", 0, 1, {L"10:30:15.-5", L"10:30:15.5x", L"10:30:.5"}},
      {L"h:mm", 1, 1, {L"0 PM", L"13 PM", L"0:30 AM"}},
  });
  A::mSetTwoDigitWindow(T(), 99, 2000);  // a window ending in 2099
  mCheck(T(), {{L"m/d/yy", L"1/1/00", 1, 1, 2000'01'01, 0, L"m/d/yy"},
               {L"m/d/yy", L"1/1/99", 1, 1, 2099'01'01, 0, L"m/d/yy"}}, {});
}

TEST_F(ReaderTest, RecogniseUnderElapsedFormats) {
  mCheck(T(), {
      {L"[h]:mm", L"25:00", 0, 1, 1899'12'30, 25'00'00'000, L"[h]:mm"},
      {L"[m]:ss", L"90:5", 0, 1, 1899'12'30, 90'05'000, L"[m]:ss"},
  }, {{L"[h]:mm", 0, 1, {L"10:30 PM", L"1/2 3:00", L"1.5", L"99999999999:00"}}},
  /*elapsedRead=*/true);
}

// clang-format on

TEST_F(ReaderTest, RecogniseRefusesOverLongText) {
  // 80 characters and more are refused before the split, which rewrites the
  // object's designator style, so the style shows the side of the limit.
  const std::wstring s79 = L"10:30 pm" + std::wstring(71, L'x');
  for (const std::wstring& s : {s79, s79 + L"x"}) {
    mUse(L"h:mm am/pm");
    ASSERT_EQ(A::mStyle(T()), 1);
    EXPECT_FALSE(A::mRecognise(T(), s.c_str()).bOk);
    EXPECT_EQ(A::mStyle(T()), s.size() < 80 ? 0 : 1) << s.size();
  }
  EXPECT_FALSE(A::mRecognise(T(), nullptr).bOk);
}

}  // namespace
}  // namespace cvn::test
