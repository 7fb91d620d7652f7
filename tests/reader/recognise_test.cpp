// Recognising one text under one format: the fields, the two outcome flags
// and the format that follows the text.

#include <iterator>
#include <string>

#include "tests/reader/reader_access.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess;

struct xRow {  // NOLINT(clang-analyzer-optin.performance.Padding): a readable table row
  const wchar_t* sFormat;
  const wchar_t* sText;
  bool bOk;
  int iYear, iMonth, iDay, iHour, iMinute, iSecond, iMs;
  bool bDecisive;
  bool bYearWidthMatches;
  const wchar_t* sFormatAfter;  // checked on success
};

// Rows read with the per-read flags of a plain (not elapsed) read.
void mCheck(CmTimeCls& t, const xRow* rows, size_t count, bool elapsedRead = false) {
  for (size_t i = 0; i < count; ++i) {
    const xRow& row = rows[i];
    SCOPED_TRACE(mNarrow(row.sFormat) + " | " + mNarrow(row.sText));
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    A::mSetReadFlags(t, false, elapsedRead);
    const xRecognised x = A::mRecognise(t, row.sText);
    EXPECT_EQ(x.bOk, row.bOk);
    EXPECT_EQ(x.bDecisive, row.bDecisive);
    EXPECT_EQ(x.bYearWidthMatches, row.bYearWidthMatches);
    if (!row.bOk || !x.bOk) continue;
    EXPECT_EQ(x.iYear, row.iYear);
    EXPECT_EQ(x.iMonth, row.iMonth);
    EXPECT_EQ(x.iDay, row.iDay);
    EXPECT_EQ(x.iHour, row.iHour);
    EXPECT_EQ(x.iMinute, row.iMinute);
    EXPECT_EQ(x.iSecond, row.iSecond);
    EXPECT_EQ(x.iThousandth, row.iMs);
    EXPECT_EQ(A::mFormatText(t), row.sFormatAfter);
  }
}

TEST_F(ReaderTest, RecogniseDates) {
  static const xRow kRows[] = {
      {L"m/d/yyyy", L"3/15/2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"m/d/yyyy"},
      // Each part takes the larger of typed and format width; "15" counts 1.
      {L"m/d/yyyy", L"03/15/20", true, 2020, 3, 15, 0, 0, 0, 0, true, false, L"mm/d/yyyy"},
      {L"m/d/yyyy", L"3/05/2020", true, 2020, 3, 5, 0, 0, 0, 0, true, true, L"m/dd/yyyy"},
      {L"mm/dd/yyyy", L"3/5/2020", true, 2020, 3, 5, 0, 0, 0, 0, true, true, L"mm/dd/yyyy"},
      // Month lengths and leap years, both sides.
      {L"m/d/yyyy", L"2/29/2020", true, 2020, 2, 29, 0, 0, 0, 0, true, true, L"m/d/yyyy"},
      {L"m/d/yyyy", L"2/30/2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d/yyyy", L"2/29/2019", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d/yyyy", L"2/28/2019", true, 2019, 2, 28, 0, 0, 0, 0, true, true, L"m/d/yyyy"},
      {L"m/d/yyyy", L"2/29/1900", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d/yyyy", L"2/29/2000", true, 2000, 2, 29, 0, 0, 0, 0, true, true, L"m/d/yyyy"},
      {L"m/d/yyyy", L"4/30/2020", true, 2020, 4, 30, 0, 0, 0, 0, true, true, L"m/d/yyyy"},
      {L"m/d/yyyy", L"4/31/2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d/yyyy", L"12/31/4000", true, 4000, 12, 31, 0, 0, 0, 0, true, true, L"m/d/yyyy"},
      {L"m/d/yyyy", L"1/1/4001", false, 0, 0, 0, 0, 0, 0, 0, true, false, L""},
      {L"m/d/yyyy", L"1/0/2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d/yyyy", L"1/32/2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d/yyyy", L"0/1/2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d/yyyy", L"13/1/2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      // Tokens that do not look like a date of this format clear decisive.
      {L"m/d/yyyy", L"123/1/2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"m/d/yyyy", L"3/15/202", false, 0, 0, 0, 0, 0, 0, 0, true, false, L""},
      // "a" glued to a number is a designator: the date becomes a time.
      {L"m/d/yyyy", L"3/15/20a", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"m/d/yyyy", L"3/150/2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"m/d/yyyy", L"3/15/2020/1", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"m/d", L"3/15/2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"m/d/yyyy", L"3.5/15/2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      // The separator in force is the one typed.
      {L"m/d/yyyy", L"3-15-2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"m-d-yyyy"},
      {L"m/d/yyyy", L"3.15.2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"m.d.yyyy"},
      {L"d-m-yyyy", L"15/3/2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"d/m/yyyy"},
      {L"m/d/yyyy", L"3/15-2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      // A partial date; one that ends with its separator keeps the next part.
      {L"m/d/yyyy", L"3/15", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"m/d"},
      {L"m/d/yyyy", L"3/15/", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"m/d/yyyy"},
      {L"m/d/yyyy", L"3/", true, 2020, 3, 1, 0, 0, 0, 0, true, true, L"m/d"},
      {L"m/d/yyyy", L"/", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"m/d/yyyy", L"3//2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"mm/yyyy", L"3/2020", true, 2020, 3, 1, 0, 0, 0, 0, true, true, L"mm/yyyy"},
      // A blank after a separator does not end the date: the whole text is
      // taken for a time, which it is not.
      {L"m/d/yyyy h:mm", L"3/15/ 10:30", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      // A year is two or four digits and nothing else.
      {L"d mmm yyyy", L"15 Mar -202", false, 0, 0, 0, 0, 0, 0, 0, true, false, L""},
      {L"d mmm yyyy", L"15 Mar 20.0", false, 0, 0, 0, 0, 0, 0, 0, true, false, L""},
  };
  mCheck(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, RecogniseTwoDigitYearsAtTheWindowEdges) {
  static const xRow kRows[] = {
      {L"m/d/yy", L"1/1/29", true, 2029, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
      {L"m/d/yy", L"1/1/30", true, 1930, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
      {L"m/d/yy", L"1/1/00", true, 2000, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
      {L"m/d/yy", L"1/1/99", true, 1999, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
      // A four-digit year under "yy" is read as typed, with a wider format.
      {L"m/d/yy", L"1/1/2029", true, 2029, 1, 1, 0, 0, 0, 0, true, false, L"m/d/yyyy"},
      {L"m/d/yy", L"1/1/1", false, 0, 0, 0, 0, 0, 0, 0, true, false, L""},
      {L"m/d/yy", L"1/1/123", false, 0, 0, 0, 0, 0, 0, 0, true, false, L""},
      {L"m/d/yy", L"1/1/-20", false, 0, 0, 0, 0, 0, 0, 0, true, false, L""},
  };
  mCheck(T(), kRows, std::size(kRows));

  // A window ending in 2099 maps every two-digit year into 2000..2099.
  A::mSetTwoDigitWindow(T(), 99, 2000);
  static const xRow k2099[] = {
      {L"m/d/yy", L"1/1/00", true, 2000, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
      {L"m/d/yy", L"1/1/99", true, 2099, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
  };
  mCheck(T(), k2099, std::size(k2099));
  // A window ending in 2000: "00" is 2000, "01" is 1901.
  A::mSetTwoDigitWindow(T(), 0, 1900);
  static const xRow k2000[] = {
      {L"m/d/yy", L"1/1/00", true, 2000, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
      {L"m/d/yy", L"1/1/01", true, 1901, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
      {L"m/d/yy", L"1/1/99", true, 1999, 1, 1, 0, 0, 0, 0, true, true, L"m/d/yy"},
  };
  mCheck(T(), k2000, std::size(k2000));
}

TEST_F(ReaderTest, RecogniseMonthNames) {
  static const xRow kRows[] = {
      {L"d mmm yyyy", L"15 Mar 2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"d mmm yyyy"},
      {L"d mmm yyyy", L"15 MAR 2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"d mmm yyyy"},
      {L"d mmm yyyy", L"15 mar 2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"d mmm yyyy"},
      // A full name widens the format to full names, and stays full.
      {L"d mmm yyyy", L"15 March 2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"d mmmm yyyy"},
      {L"d mmmm yyyy", L"15 Mar 2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"d mmmm yyyy"},
      {L"d mmmm yyyy", L"1 September 2020", true, 2020, 9, 1, 0, 0, 0, 0, true, true,
       L"d mmmm yyyy"},
      {L"mmmm d, yyyy", L"March 15, 2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true,
       L"mmmm d, yyyy"},
      {L"mmmm d, yyyy", L"Mar 15,2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"mmmm d, yyyy"},
      {L"mmm d yyyy", L"Mar 15, 2020", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"mmm d yyyy"},
      {L"mmm-yy", L"Dec-99", true, 1999, 12, 1, 0, 0, 0, 0, true, true, L"mmm-yy"},
      {L"d-mmm-yy", L"1-Jan-00", true, 2000, 1, 1, 0, 0, 0, 0, true, true, L"d-mmm-yy"},
      // Unknown names; a full stop the English tables do not have.
      {L"d mmm yyyy", L"15 Foo 2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"d mmm yyyy", L"15 Ma 2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"d mmm yyyy", L"15 Mar. 2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"d mmm yyyy", L"15 3 2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"d mmm yyyy", L"15 M4r 2020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
  };
  mCheck(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, RecogniseCompactQuarterAndWeekDates) {
  static const xRow kRows[] = {
      {L"yyyymmdd", L"20200315", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"yyyymmdd"},
      {L"yymmdd", L"200315", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"yymmdd"},
      {L"YYYYMMDD", L"20200315", true, 2020, 3, 15, 0, 0, 0, 0, true, true, L"yyyymmdd"},
      {L"yyyymmdd", L"2020031", true, 2020, 3, 1, 0, 0, 0, 0, true, true, L"yyyymmdd"},
      {L"yyyymmdd", L"202003", true, 2020, 3, 1, 0, 0, 0, 0, true, true, L"yyyymm"},
      {L"yyyymmdd", L"202003151", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"yyyymmdd", L"20200230", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"yyyymmdd", L"20201315", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"yyyymmdd", L"2020-03-15", false, 0, 0, 0, 0, 0, 0, 0, false, false, L""},
      // Quarters begin their first month; weeks count 7 days from 1 January.
      {L"yyyyQq", L"2020Q1", true, 2020, 1, 1, 0, 0, 0, 0, true, true, L"yyyyQq"},
      {L"yyyyQq", L"2020Q3", true, 2020, 7, 1, 0, 0, 0, 0, true, true, L"yyyyQq"},
      {L"yyyyQq", L"2020Q4", true, 2020, 10, 1, 0, 0, 0, 0, true, true, L"yyyyQq"},
      {L"yyyyQq", L"2020Q0", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"yyyyQq", L"2020Q5", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"qQyyyy", L"3Q2020", true, 2020, 7, 1, 0, 0, 0, 0, true, true, L"qQyyyy"},
      {L"qQyyyy", L"Q32020", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"wwWkyyyy", L"12Wk2020", true, 2020, 3, 18, 0, 0, 0, 0, true, true, L"wwWkyyyy"},
      {L"wwWkyyyy", L"1Wk2020", true, 2020, 1, 1, 0, 0, 0, 0, true, true, L"wwWkyyyy"},
      {L"wwWkyyyy", L"53Wk2020", true, 2020, 12, 30, 0, 0, 0, 0, true, true, L"wwWkyyyy"},
      {L"wwWkyyyy", L"53Wk2019", true, 2019, 12, 31, 0, 0, 0, 0, true, true, L"wwWkyyyy"},
      {L"wwWkyyyy", L"54Wk2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"wwWkyyyy", L"0Wk2020", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"wWkyyyy", L"5Wk2020", true, 2020, 1, 29, 0, 0, 0, 0, true, true, L"wWkyyyy"},
  };
  mCheck(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, RecogniseTimes) {
  static const xRow kRows[] = {
      // A time alone lies on day 0, 30 December 1899.
      {L"h:mm", L"10:30", true, 1899, 12, 30, 10, 30, 0, 0, false, true, L"h:mm"},
      {L"h:mm", L"0:00", true, 1899, 12, 30, 0, 0, 0, 0, false, true, L"h:mm"},
      {L"h:mm", L"23:59", true, 1899, 12, 30, 23, 59, 0, 0, false, true, L"h:mm"},
      {L"h:mm", L"09:05", true, 1899, 12, 30, 9, 5, 0, 0, false, true, L"hh:mm"},
      {L"h:mm", L"24:00", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"h:mm", L"10:60", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"h:mm", L"10:5", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"h:mm", L"10:005", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"h:mm", L"-1:30", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"h:mm:ss", L"10:30:15", true, 1899, 12, 30, 10, 30, 15, 0, false, true, L"h:mm:ss"},
      {L"h:mm:ss", L"10:30", true, 1899, 12, 30, 10, 30, 0, 0, false, true, L"h:mm"},
      {L"h:mm:ss", L"10:30:15:5", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      // A bare number is no time; the format must start with the clock.
      {L"h:mm", L"10", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"m/d/yyyy h:mm", L"10:30", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"m/d/yyyy h:mm", L"3/15/2020 10:30", true, 2020, 3, 15, 10, 30, 0, 0, true, true,
       L"m/d/yyyy h:mm"},
      {L"m/d/yyyy h:mm:ss", L"3/15/2020 10:30", true, 2020, 3, 15, 10, 30, 0, 0, true, true,
       L"m/d/yyyy h:mm"},
      // Decimals of the second, scaled to thousandths.
      {L"h:mm:ss.sss", L"10:30:15.25", true, 1899, 12, 30, 10, 30, 15, 250, false, true,
       L"h:mm:ss.sss"},
      {L"h:mm:ss.sss", L"10:30:15.5", true, 1899, 12, 30, 10, 30, 15, 500, false, true,
       L"h:mm:ss.sss"},
      {L"h:mm:ss.s", L"10:30:15.125", true, 1899, 12, 30, 10, 30, 15, 125, false, true,
       L"h:mm:ss.sss"},
      {L"h:mm:ss.sss", L"10:30:15.9994", true, 1899, 12, 30, 10, 30, 15, 999, false, true,
       L"h:mm:ss.sss"},
      // Rounding up to a whole second carries into the seconds.
      {L"h:mm:ss.sss", L"10:30:15.9996", true, 1899, 12, 30, 10, 30, 16, 0, false, true,
       L"h:mm:ss.sss"},
      {L"h:mm:ss.sss", L"10:30:15.", true, 1899, 12, 30, 10, 30, 15, 0, false, true, L"h:mm:ss"},
      {L"h:mm:ss.sss", L"10:30:15:.5", true, 1899, 12, 30, 10, 30, 15, 500, false, true,
       L"h:mm:ss.sss"},
      {L"h:mm:ss.sss", L"10:30:15.-5", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"h:mm:ss.sss", L"10:30:15.5x", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"h:mm:ss.sss", L"10:30:.5", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
  };
  mCheck(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, RecogniseDesignators) {
  static const xRow kRows[] = {
      {L"h:mm", L"10 PM", true, 1899, 12, 30, 22, 0, 0, 0, true, true, L"h AM/PM"},
      {L"h:mm", L"10:30 PM", true, 1899, 12, 30, 22, 30, 0, 0, true, true, L"h:mm AM/PM"},
      {L"h:mm", L"10:30 a", true, 1899, 12, 30, 10, 30, 0, 0, true, true, L"h:mm a/p"},
      {L"h:mm", L"12:30 AM", true, 1899, 12, 30, 0, 30, 0, 0, true, true, L"h:mm AM/PM"},
      {L"h:mm", L"12:30 PM", true, 1899, 12, 30, 12, 30, 0, 0, true, true, L"h:mm AM/PM"},
      {L"h:mm", L"1:00 AM", true, 1899, 12, 30, 1, 0, 0, 0, true, true, L"h:mm AM/PM"},
      {L"h:mm", L"11:59 pm", true, 1899, 12, 30, 23, 59, 0, 0, true, true, L"h:mm am/pm"},
      {L"h:mm", L"0 PM", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"h:mm", L"13 PM", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      {L"h:mm", L"0:30 AM", false, 0, 0, 0, 0, 0, 0, 0, true, true, L""},
      // Without a designator the format becomes a 24-hour one.
      {L"h:mm AM/PM", L"10:30", true, 1899, 12, 30, 10, 30, 0, 0, false, true, L"h:mm"},
      {L"m/d/yyyy h:mm AM/PM", L"3/15/2020 10:30 PM", true, 2020, 3, 15, 22, 30, 0, 0, true, true,
       L"m/d/yyyy h:mm AM/PM"},
  };
  mCheck(T(), kRows, std::size(kRows));
}

TEST_F(ReaderTest, RecogniseUnderElapsedFormats) {
  static const xRow kRows[] = {
      // No range check; a designator or a date is no elapsed time.
      {L"[h]:mm", L"25:00", true, 1899, 12, 30, 25, 0, 0, 0, false, true, L"[h]:mm"},
      {L"[h]:mm", L"100:75", true, 1899, 12, 30, 100, 75, 0, 0, false, true, L"[h]:mm"},
      {L"[h]:mm", L"7", true, 1899, 12, 30, 7, 0, 0, 0, false, true, L"[h]"},
      {L"[m]:ss", L"90", true, 1899, 12, 30, 0, 90, 0, 0, false, true, L"[m]"},
      {L"[m]:ss", L"90:5", true, 1899, 12, 30, 0, 90, 5, 0, false, true, L"[m]:ss"},
      {L"[h]:mm", L"10:30 PM", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"[h]:mm", L"1/2 3:00", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"[h]:mm", L"1.5", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
      {L"[h]:mm", L"99999999999:00", false, 0, 0, 0, 0, 0, 0, 0, false, true, L""},
  };
  mCheck(T(), kRows, std::size(kRows), /*elapsedRead=*/true);
}

TEST_F(ReaderTest, RecogniseTakesDecimalsBeyondTheFormatUnreported) {
  // The format follows the text: decimals typed under "h:mm:ss" are a part
  // beyond the format's count, so they enter it as read with no report
  // (ordinary input never raises a broken-invariant report).
  xAssertCapture xCapture;
  mUse(L"h:mm:ss");
  A::mSetReadFlags(T(), false, false);
  const xRecognised x = A::mRecognise(T(), L"10:30:15.5");
  EXPECT_TRUE(x.bOk);
  EXPECT_EQ(x.iThousandth, 500);
  EXPECT_EQ(A::mFormatText(T()), L"h:mm:ss.s");
  EXPECT_TRUE(xAssertCapture::mReports().empty());

  // A matched part takes the larger width.
  mUse(L"h:mm:ss.sss");
  A::mSetReadFlags(T(), false, false);
  EXPECT_TRUE(A::mRecognise(T(), L"10:30:15.5").bOk);
  EXPECT_EQ(A::mFormatText(T()), L"h:mm:ss.sss");
  EXPECT_TRUE(xAssertCapture::mReports().empty());
}

TEST_F(ReaderTest, RecogniseRefusesOverLongText) {
  // Texts of 80 characters or more are refused before they are split; the
  // split rewrites the object's designator style, so it shows which side
  // of the limit a text fell on.
  const std::wstring s79 = L"10:30 pm" + std::wstring(71, L'x');
  for (const std::wstring& s : {s79, s79 + L"x"}) {
    SCOPED_TRACE(s.size());
    mUse(L"h:mm am/pm");
    ASSERT_EQ(A::mStyle(T()), 1);
    A::mSetReadFlags(T(), false, false);
    EXPECT_FALSE(A::mRecognise(T(), s.c_str()).bOk);
    EXPECT_EQ(A::mStyle(T()), s.size() < 80 ? 0 : 1);
  }
  EXPECT_FALSE(A::mRecognise(T(), L"").bOk);
  EXPECT_FALSE(A::mRecognise(T(), nullptr).bOk);
}

}  // namespace
}  // namespace cvn::test
