// The writer under formats set from their text with mSetFormat, the way
// callers choose them, including the documented examples.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CvnBasicTypes.h"
#include "tests/writer/writer_fixture.h"

namespace {

class WriterFormatTextTest : public WriterTest {
 protected:
  void SetUp() override {
    WriterTest::SetUp();
    // Fixed designators; the locale's own are not used by these formats.
    mFormat({});
  }
  void mSet(const wchar_t* format) {
    ASSERT_TRUE(m_time.mSetFormat(format)) << testing::PrintToString(std::wstring(format));
  }
};

}  // namespace

TEST_F(WriterFormatTextTest, FormatsAndValues) {
  const double kNoon = 36526.5;                                  // 1 January 2000 12:00
  const double kEvening = mAt(kJan1st2000 + 279, 21, 5, 9, 87);  // 6 October 2000
  const double kMorning = mAt(kJan1st2000 + 45, 7, 8, 9, 456);   // 15 February 2000
  struct {
    const wchar_t* sFormat;
    double dValue;
    const wchar_t* sText;
  } const kCases[] = {
      {L"m/d/yy", kNoon, L"1/1/00"},
      {L"mm/dd/yyyy", kEvening, L"10/06/2000"},
      {L"d-mmm-yy", kMorning, L"15-Feb-00"},
      {L"dd-mmm-yyyy", kEvening, L"06-Oct-2000"},
      {L"mmmm d, yyyy", kEvening, L"October 6, 2000"},
      {L"mmmm d,yyyy", kMorning, L"February 15, 2000"},
      {L"mmmm d yyyy", kMorning, L"February 15, 2000"},
      {L"mmm d, yyyy", kMorning, L"Feb 15, 2000"},
      {L"d mmmm yyyy", kMorning, L"15 February 2000"},
      {L"mmm yyyy", kMorning, L"Feb 2000"},
      {L"yyyy-mm-dd", kMorning, L"2000-02-15"},
      {L"yyyymmdd", kEvening, L"20001006"},
      {L"dd.mm.yyyy hh:mm", kMorning, L"15.02.2000 07:08"},
      {L"yyyyQq", kEvening, L"2000Q4"},
      {L"qQyyyy", kMorning, L"1Q2000"},
      {L"wwWkyyyy", kMorning, L"08Wk2000"},  // weeks from Sunday: 13 to 19 February is week 8
      {L"yyyyWkww", kNoon, L"2000Wk01"},
      {L"h:mm:ss", kEvening, L"21:05:09"},
      {L"hh:mm:ss.sss", kMorning, L"07:08:09.456"},
      {L"h:mm:ss.ss", kMorning, L"7:08:09.46"},
      {L"h:mm:ss.s", kMorning, L"7:08:09.5"},
      {L"mm:ss", kEvening, L"05:09"},
      {L"h:mm:ss AM/PM", kEvening, L"9:05:09 PM"},
      {L"h:mm:ss am/pm", kMorning, L"7:08:09 am"},
      {L"h:mm A/P", kNoon, L"12:00 P"},
      {L"hh:mm AM/PM", kMorning, L"07:08 AM"},
      {L"m/d/yyyy h:mm:ss AM/PM", kEvening, L"10/6/2000 9:05:09 PM"},
      {L"mmmm d, yyyy h:mm:ss AM/PM", kNoon, L"January 1, 2000 12:00:00 PM"},
      {L"d-mmm-yy h:mm:ss", kEvening, L"6-Oct-00 21:05:09"},
      {L"[h]:mm:ss", 1.5, L"36:00:00"},
      {L"[m]:ss", 0.5, L"720:00"},
      {L"[s]", 0.5, L"43200"},
      {L"[h]:mm:ss.ss", 1.0 + 125.5 / 86400000.0, L"24:00:00.13"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.sFormat)));
    mSet(row.sFormat);
    CmString sText;
    m_time.mCorvaneTimeToStr(row.dValue, false, sText, 0);
    EXPECT_EQ(sText, row.sText);
  }
}

TEST_F(WriterFormatTextTest, NoonUnderTwelveHourMonthDayYear) {
  mSet(L"m/d/yyyy h:mm:ss AM/PM");
  const xWritten xResult = mWrite(36526.5);
  EXPECT_EQ(xResult.sText, L"1/1/2000 12:00:00 PM");
  EXPECT_EQ(xResult.sDate, L"1/1/2000");
  EXPECT_EQ(xResult.sTime, L"12:00:00 PM");
}

TEST_F(WriterFormatTextTest, HalfASecondBeforeMidnight) {
  mSet(L"m/d/yyyy h:mm:ss");
  EXPECT_EQ(mWrite(36526.999995).sText, L"1/2/2000 0:00:00");
  EXPECT_EQ(mWrite(36526.99999).sText, L"1/1/2000 23:59:59");
}

TEST_F(WriterFormatTextTest, ElapsedHoursAndMinutes) {
  mSet(L"[h]:mm:ss");
  EXPECT_EQ(mWrite(1.5).sText, L"36:00:00");
  const xWritten xNegative = mWrite(-0.25);
  EXPECT_EQ(xNegative.sText, L"-6:00:00");
  EXPECT_EQ(xNegative.sTime, L"6:00:00");
  EXPECT_EQ(xNegative.sDate, L"");
  mSet(L"[m]:ss");
  EXPECT_EQ(mWrite(0.5).sText, L"720:00");
}

TEST_F(WriterFormatTextTest, ShowFlagsSevenWhateverTheFormat) {
  const double kValue = mAt(kJan1st2000, 21, 5, 9);
  for (const wchar_t* sFormat :
       {L"m/d/yyyy h:mm:ss AM/PM", L"mmmm d, yyyy", L"yyyyQq", L"h:mm A/P", L"hh:mm:ss.sss"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(sFormat)));
    mSet(sFormat);
    EXPECT_EQ(mWrite(kValue, false, 7).sText, L"21:05:09");
  }
}

TEST_F(WriterFormatTextTest, DayNumberThenTime) {
  mSet(L"m/d/yyyy h:mm:ss");
  const xWritten xResult = mWrite(36526.5, true);
  EXPECT_EQ(xResult.sText, L"36526 12:00:00");
  EXPECT_EQ(xResult.sDate, L"36526");
  EXPECT_EQ(xResult.sTime, L"12:00:00");
}

TEST_F(WriterFormatTextTest, CommaBeforeTheYearOnlyAfterMonthNameAndDay) {
  mSet(L"mmmm d yyyy");
  EXPECT_EQ(mWrite(kJan1st2000).sText, L"January 1, 2000");
  mSet(L"d mmmm yyyy");
  EXPECT_EQ(mWrite(kJan1st2000).sText, L"1 January 2000");
}

TEST_F(WriterFormatTextTest, ValuesThatCannotBeShown) {
  mSet(L"m/d/yyyy h:mm:ss");
  EXPECT_EQ(mWrite(CmCVNConst::mInstance()->mGetMissingValueCode()).sText, L"*");
  EXPECT_EQ(mWrite(kDec31st4000 + 1.0).sText, L"*");  // 1 January 4001
  EXPECT_EQ(mWrite(kDec31st4000).sText, L"12/31/4000 0:00:00");
  // No format text makes a 12-hour elapsed format; its fields are set
  // directly.
  mElapsedFormat({{xHour, 1}, {xMinute, 2}, {xSecond, 2}}, false);
  EXPECT_EQ(mWrite(0.25).sText, L"*");
}
