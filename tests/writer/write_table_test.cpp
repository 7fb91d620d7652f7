// The writer over tables of format, value and expected text: every part
// kind and width, separators, rounding at the edges of a second, minute and
// day, the showable years, 12-hour clocks, elapsed values, show flags, the
// day number and the date and time portions, and values that are no time.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <limits>
#include <string>

#include "CvnBasicTypes.h"
#include "support/access.h"
#include "support/assert_capture.h"

namespace {

using namespace cvn::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kDenorm = std::numeric_limits<double>::denorm_min();
const double kMissing = CmCVNConst::mInstance()->mGetMissingValueCode();
const int d = kJan1st2000;
const double kNoon = 36526.5;
const double kOct = mAt(36805, 14, 5, 9, 123);  // Friday 6 October 2000 14:05:09.123
const double kMar = mAt(36590, 16, 7);          // Sunday 5 March 2000 16:07
const char* const kDT = "N1 D1 Y4 h1 m2 s2";    // m/d/yyyy h:mm:ss
const char* const kP = "P N1 D1 Y4 h1 m2 s2";   // the same, 12-hour
const char* const kE = "E h1 m2 s2";            // [h]:mm:ss

TEST_F(WriterTest, Texts) {
  const char* const kW = "iW <= 3 && iW >= 1 time 3399";
  // clang-format off
  const struct {
    const char* sSpec;
    double t;
    const wchar_t* sText;
    const wchar_t* sDateSep = L"/";
    const wchar_t* sTimeSep = L":";
    const char* sReports = "";  // mAssert reports, joined by ';'
  } kRows[] = {
      // Parts and widths; odd counts follow printf (a negative width pads on
      // the right), year counts but 2 give four digits, fractions are cut to
      // their count.
      {"N2 D2 Y2", kNoon, L"01/01/00"}, {"Y1 Y3 Y2", kOct, L"2000/2000/00"},
      {"A3 F4 D1 D2 D3 N0", kOct, L"Oct/October/6/06/006/10"}, {"D-3 N1", kOct, L"6  /10"},
      {"h2 m1 s1", mAt(1, 7, 5, 9), L"07:5:9"}, {"s2 f1 f2 f3 f9 f0", kOct, L"09.1.12.123.123."},
      {kDT, kOct, L"10/6/2000 14:05:09"}, {"", kNoon, L""},
      // Quarters and weeks (weeks from Sunday: 1 January 2000 is in week 1)
      // carry their labels: no separator after "Q" or "WK" in any case. The
      // quarter comes from the value before rounding.
      {"Y4 Q1", kNoon, L"2000Q1", L"Q"}, {"w2 Y4", d + 14, L"03Wk2000", L"Wk"},
      {"D2 N2 Q1 Y4", mAt(36616, 23, 59, 59, 700), L"01/04/Q1/2000"},
      // Date separators " " and ", ": ", " before the year of month name,
      // day, year; " " otherwise. Any other separator as it is.
      {"F4 D1 Y4", kMar, L"March 5, 2000", L", "},
      {"A3 D1 Y4 h1 m2", kMar, L"Mar 5, 2000 16:07", L" "},
      {"F4 D1 Y4", kMar, L"March  5  2000", L"  "}, {kDT, kOct, L"10.6.2000 14h05h09", L".", L"h"},
      // Days of the scale; negative zero and denormals are day 0.
      {kDT, -0.25, L"12/29/1899 18:00:00"}, {kDT, -kDenorm, L"12/30/1899 0:00:00"},
      // Half a second is added before the parts are cut (0.432 s before
      // midnight is the next day, 0.864 s not; minutes are not rounded);
      // 50 ms for a one-digit fraction, 5 ms for two, nothing for three.
      {kDT, mAt(d, 12, 59, 59, 500), L"1/1/2000 13:00:00"},
      {kDT, mAt(d, 23, 59, 59, 500), L"1/2/2000 0:00:00"}, {kDT, 36526.999995, L"1/2/2000 0:00:00"},
      {kDT, 36526.99999, L"1/1/2000 23:59:59"}, {"h1 m2", mAt(d, 12, 0, 59, 400), L"12:00"},
      {"h1 m2 s2 f1", mAt(d, 12, 0, 0, 949), L"12:00:00.9"},
      {"h1 m2 s2 f1", mAt(d, 12, 0, 0, 950), L"12:00:01.0"},
      {"h1 m2 s2 f2", mAt(d, 12, 0, 0, 995), L"12:00:01.00"},
      {"h1 m2 s2 f1", mAt(d, 23, 59, 59, 950), L"0:00:00.0"},
      // The showable years are 1000 to 4000, after rounding (0.4 s before
      // 1000 rounds into it, 0.6 s not); nothing beyond mGetMaxInteger().
      {kDT, kJan1st1000, L"1/1/1000 0:00:00"}, {kDT, -328716.0000046296, L"1/1/1000 0:00:00"},
      {kDT, -328716.0000069444, L"*"}, {kDT, kDec31st4000, L"12/31/4000 0:00:00"},
      {kDT, kDec31st4000 + 0.99999, L"12/31/4000 23:59:59"}, {kDT, kDec31st4000 + 0.999995, L"*"},
      {kDT, 2147483648.0, L"*"},
      // 12 o'clock for hours 0 and 12, the designator after the last part:
      // the locale's designators for styles 8 on; none for an unknown
      // style, nor without an hour.
      {kP, mAt(d, 11, 59, 59, 500), L"1/1/2000 12:00:00 PM"},
      {kP, mAt(d, 13, 5, 9), L"1/1/2000 1:05:09 PM"},
      {kP, mAt(d, 23, 59, 59, 500), L"1/2/2000 12:00:00 AM"},
      {"P3 h2 m2", mAt(d, 1, 5), L"01:05am"}, {"P8 h1 m2", mAt(d, 21, 5), L"9:05 NACHM."},
      {"P12 h1 m2", mAt(d, 21, 5), L"9:05"}, {"P N1 D1 Y4", mAt(d, 15), L"1/1/2000"},
      // Elapsed values: total hours, or total minutes or seconds when that
      // part comes first; the sign in front, taken before rounding.
      {kE, 1.5, L"36:00:00"}, {"E m1 s2", 0.5, L"720:00"}, {"E s1", 2 + mAt(0, 3, 4, 5), L"183845"},
      {kE, -kDenorm, L"-0:00:00"}, {kE, -mAt(0, 0, 0, 0, 600), L"-0:00:01"},
      // Elapsed rounding by the last part: half a second after a clock part,
      // half a unit of the last digit after a fraction.
      {kE, mAt(0, 1, 2, 3, 499.9), L"1:02:03"}, {kE, mAt(0, 1, 2, 3, 500.1), L"1:02:04"},
      {kE, mAt(0, 23, 59, 59, 500.1), L"24:00:00"}, {"E h1 m2", mAt(0, 1, 2, 59, 400), L"1:02"},
      {"E m1 s2", mAt(0, 1, 59, 59, 500.1), L"120:00"},
      {"E h1 m2 s2 f1", mAt(0, 0, 0, 1, 950.1), L"0:00:02.0"},
      {"E h1 m2 s2 f3", mAt(0, 0, 59, 59, 999.6), L"1:00:00.000"},
      // A fraction width outside 1..3 adds nothing and is reported.
      {"E h1 m2 s2 f4", mAt(0, 0, 0, 0, 999.6), L"0:00:00.999", L"/", L":", kW},
      {"E h1 m2 s2 f0", 0.25, L"6:00:00.", L"/", L":", kW},
      // The longest elapsed value is 1096092 days; total seconds pass the
      // int range and are written whole.
      {kE, 1096092.0, L"26306208:00:00"}, {"E s1", 1096092.0, L"94702348800"},
      {"E s1", 24856.0, L"2147558400"}, {kE, 1096092.0001, L"*"},
      // An elapsed value needs a 24-hour list that begins with a clock part;
      // a later date part shows the date of the days.
      {"E P h1 m2 s2", 0.25, L"*"}, {"E D1 h1", 0.25, L"*"}, {"E", 0.25, L"*"},
      {"E h1 m2 D1", 1.5, L"36:00/31"},
      // Kinds the writer cannot write (hundredths, tenths, none, unknown)
      // add nothing, not even a separator, and are reported.
      {"h1 u2 m2", mAt(d, 12, 34, 56), L"12:34", L"/", L":", "false time 3584"},
      {"t1 m2 ?1", mAt(d, 12, 34, 56), L"34", L"/", L":", "false time 3584;false time 3584"},
  };
  // clang-format on
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.sSpec << " " << row.t);
    mFormat(row.sSpec, row.sDateSep, row.sTimeSep);
    const cvn::test::AssertCapture xReports;
    EXPECT_EQ(mText(row.t), row.sText);
    EXPECT_EQ(cvn::test::AssertCapture::mJoined(), row.sReports);
  }
}

TEST_F(WriterTest, PortionsFlagsAndDayNumber) {
  const double t = mAt(d, 13, 5, 9), t7 = mAt(d, 13, 5, 9, 700);
  const std::wstring kAll = L"01/Jan/Q1/2000 13:05:09|01/Jan/Q1/2000|13:05:09";
  // clang-format off
  const struct {
    const char* sSpec;
    double t;
    int iFlags;
    bool bDayNumber;
    std::wstring sAll;  // text|date text|time text
  } kRows[] = {
      // Date and time portions; a date part last moves the split.
      {kP, kNoon, 0, false, L"1/1/2000 12:00:00 PM|1/1/2000|12:00:00 PM"},
      {"N1 D1 Y4", t, 0, false, L"1/1/2000|1/1/2000|"},
      {"h1 m2 s2", t, 0, false, L"13:05:09||13:05:09"},
      {"h1 m2 D1", t, 0, false, L"13:05/1|13:05/1|"},
      // Flags take parts from the top, 128 and more as every part, and
      // write a 24-hour clock, rounded by the object's format; 0 and below:
      // the current format. A date part first in an elapsed format: none.
      {kP, t, 7, false, L"13:05:09||13:05:09"}, {kP, t, 4, false, L"13||13"}, {kP, t, 64, false, L"2000|2000|"}, {kP, t, 128, false, kAll},
      {kP, t, INT_MAX, false, kAll},
      {kP, t, INT_MIN, false, L"1/1/2000 1:05:09 PM|1/1/2000|1:05:09 PM"},
      {"h1 m2 s2 f3", t7, 7, false, L"13:05:09||13:05:09"},
      {"h1 m2 s2", t7, 7, false, L"13:05:10||13:05:10"},
      {"E h1 m2", 1.5, 7, false, L"36:00:00||36:00:00"},
      {"E h1 m2", -0.25, 3, false, L"-360:00||360:00"}, {"E h1 m2", 1.5, 12, false, L"*||"},
      // The day number stands for the date portion, of the rounded day.
      {kDT, kNoon, 0, true, L"36526 12:00:00|36526|12:00:00"},
      {"N1 D1 Y4", kNoon, 0, true, L"36526|36526|"},
      {kDT, 36526.999995, 0, true, L"36527 0:00:00|36527|0:00:00"},
      {"N1 D1 Y4", -363.0, 0, true, L"-363|-363|"},
      {"N1 D1 Y4", kDec31st4000 + 1.0, 0, true, L"*||"},
      {"h1 m2", t, 127, true, L"36526 13:05:09|36526|13:05:09"},
      {"E h1 m2 D1", 1.5, 0, true, L"1|1|"},
  };
  // clang-format on
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.sSpec << " " << row.t << " flags " << row.iFlags);
    mFormat(row.sSpec);
    EXPECT_EQ(mWrite(row.t, row.bDayNumber, row.iFlags), row.sAll);
  }
  // Flags use the format's separators.
  mFormat("h1 m2", L" ", L".");
  EXPECT_EQ(mText(t, false, 127), L"01 Jan Q1 2000 13.05.09");
}

TEST_F(WriterTest, ValuesThatAreNoTime) {
  for (const char* sSpec : {kDT, "", kE}) {
    mFormat(sSpec);
    for (double v : {kMissing, kNaN, -kNaN, kInf, -kInf})
      EXPECT_TRUE(mWrite(v) == L"*||" && mWrite(v, true, 127) == L"*||") << sSpec << " " << v;
  }
}

TEST_F(WriterTest, MonthNamesFractionSymbolsAndOddLists) {
  // The first of each month of 2001 lies within the 31 (m - 1)-th day.
  std::wstring sNames;
  mFormat("A3 F4", L" ");
  for (int m = 0; m < 12; ++m) sNames += mText(36892 + 31 * m) + L" ";
  EXPECT_EQ(sNames,
            L"Jan January Feb February Mar March Apr April May May Jun June Jul July Aug August "
            L"Sep September Oct October Nov November Dec December ");
  // The output decimal symbol goes before a fraction; a format of the
  // fraction alone has the input decimal symbol in front.
  mSetOutputDecimal(L',');
  mSetInputDecimal(L'#');
  mFormat("h1 m2 s2 f3");
  EXPECT_EQ(mText(kOct), L"14:05:09,123");
  mFormat("f2");
  EXPECT_EQ(mText(kOct), L"#12");
  // Counts are cut to 64 characters; part counts to the seven places.
  mFormat("D-2147483648");
  EXPECT_EQ(mText(kOct), L"6" + std::wstring(63, L' '));
  mFormat("N1 D1 Y4 h1 m2 s2 f1");
  CmTimeClsTestAccess::mSetNumParts(m_time, 99);
  EXPECT_EQ(mText(kOct), L"10/6/2000 14:05:09,1");
  CmTimeClsTestAccess::mSetNumParts(m_time, -5);
  EXPECT_EQ(mText(kOct), L"");
}

// A date separator longer than the writer's local room: the text continues
// in the caller's string (random pieces: the fuzz_writer target). One
// string passed as text and as the date or time text ends as the whole
// text, as it did when the write appended to it directly.
TEST_F(WriterTest, LongSeparatorsAndSharedOutputStrings) {
  const std::wstring sSep(200, L'~');
  mFormat(kDT, sSep.c_str(), L"::");
  const double t = mAt(kJan1st2000 + 74, 22, 30, 45);  // 15 March 2000
  const std::wstring sDate = L"3" + sSep + L"15" + sSep + L"2000";
  EXPECT_EQ(mWrite(t), sDate + L" 22::30::45|" + sDate + L"|22::30::45");
  mFormat(kDT);
  CmString sShared, sOther;
  m_time.mCorvaneTimeToStr(t, false, sShared, sShared, sOther, 0);
  EXPECT_TRUE(sShared == L"3/15/2000 22:30:45" && sOther == L"22:30:45");
  m_time.mCorvaneTimeToStr(t, false, sShared, sOther, sShared, 0);
  EXPECT_TRUE(sOther == L"3/15/2000" && sShared == L"22:30:45");
}

}  // namespace
