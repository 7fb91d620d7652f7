// 12-hour clocks and designators, show flags, and part lists the parser
// never makes (unknown kinds, odd counts, odd part counts).

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "CvnBasicTypes.h"
#include "tests/writer/writer_fixture.h"
#include "time/writer/digits.h"

TEST_F(WriterTest, TwelveHourClock) {
  const int d = kJan1st2000;
  struct {
    double dValue;
    const wchar_t* sText;
  } const kCases[] = {
      {mAt(d, 0), L"1/1/2000 12:00:00 AM"},
      {mAt(d, 0, 30), L"1/1/2000 12:30:00 AM"},
      {mAt(d, 1, 5, 9), L"1/1/2000 1:05:09 AM"},
      {mAt(d, 11, 59, 59), L"1/1/2000 11:59:59 AM"},
      {mAt(d, 11, 59, 59, 500), L"1/1/2000 12:00:00 PM"},  // rounded into the afternoon
      {mAt(d, 12), L"1/1/2000 12:00:00 PM"},
      {mAt(d, 13, 5, 9), L"1/1/2000 1:05:09 PM"},
      {mAt(d, 23, 59, 59), L"1/1/2000 11:59:59 PM"},
      {mAt(d, 23, 59, 59, 500), L"1/2/2000 12:00:00 AM"},
  };
  mFormat(mMdyHms(), L"/", L":", false, CmTimeCls::eAmPmUpperSpaced);
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.sText)));
    EXPECT_EQ(mWrite(row.dValue).sText, row.sText);
  }
}

TEST_F(WriterTest, NoonUnderTwelveHourClockSplitsAfterTheYear) {
  mFormat(mMdyHms(), L"/", L":", false, CmTimeCls::eAmPmUpperSpaced);
  const xWritten xResult = mWrite(36526.5);
  EXPECT_EQ(xResult.sText, L"1/1/2000 12:00:00 PM");
  EXPECT_EQ(xResult.sDate, L"1/1/2000");
  EXPECT_EQ(xResult.sTime, L"12:00:00 PM");
}

TEST_F(WriterTest, DesignatorStyles) {
  CmTimeClsTestAccess::mSetLocaleDesignators(m_time, L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  struct {
    CmTimeCls::EAMPMFormat eStyle;
    const wchar_t* sMorning;
    const wchar_t* sEvening;
  } const kCases[] = {
      {CmTimeCls::eAmPmUpperSpaced, L"9:05 AM", L"9:05 PM"},
      {CmTimeCls::eAmPmLowerSpaced, L"9:05 am", L"9:05 pm"},
      {CmTimeCls::eAmPmUpper, L"9:05AM", L"9:05PM"},
      {CmTimeCls::eAmPmLower, L"9:05am", L"9:05pm"},
      {CmTimeCls::eApUpperSpaced, L"9:05 A", L"9:05 P"},
      {CmTimeCls::eApLowerSpaced, L"9:05 a", L"9:05 p"},
      {CmTimeCls::eApUpper, L"9:05A", L"9:05P"},
      {CmTimeCls::eApLower, L"9:05a", L"9:05p"},
      {CmTimeCls::eLocaleSpaced, L"9:05 VORM.", L"9:05 NACHM."},
      {CmTimeCls::eLocaleLowerSpaced, L"9:05 vorm.", L"9:05 nachm."},
      {CmTimeCls::eLocale, L"9:05VORM.", L"9:05NACHM."},
      {CmTimeCls::eLocaleLower, L"9:05vorm.", L"9:05nachm."},
      {static_cast<CmTimeCls::EAMPMFormat>(12), L"9:05", L"9:05"},  // no designator
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(static_cast<int>(row.eStyle));
    mFormat({{xHour, 1}, {xMinute, 2}}, L"/", L":", false, row.eStyle);
    EXPECT_EQ(mWrite(mAt(kJan1st2000, 9, 5)).sText, row.sMorning);
    EXPECT_EQ(mWrite(mAt(kJan1st2000, 21, 5)).sText, row.sEvening);
  }
}

TEST_F(WriterTest, TwelveHourWidths) {
  mFormat({{xHour, 2}, {xMinute, 2}}, L"/", L":", false, CmTimeCls::eAmPmLower);
  EXPECT_EQ(mWrite(mAt(1, 1, 5)).sText, L"01:05am");
  EXPECT_EQ(mWrite(mAt(1, 13, 5)).sText, L"01:05pm");
  EXPECT_EQ(mWrite(mAt(1, 0, 5)).sText, L"12:05am");
  EXPECT_EQ(mWrite(mAt(1, 22, 5)).sText, L"10:05pm");
  // A date-only 12-hour format has no hour part and so no designator.
  mFormat(mMdy(), L"/", L":", false, CmTimeCls::eAmPmUpperSpaced);
  EXPECT_EQ(mWrite(mAt(kJan1st2000, 15)).sText, L"1/1/2000");
}

TEST_F(WriterTest, ShowFlags) {
  const double kValue = mAt(kJan1st2000, 13, 5, 9);
  struct {
    int iFlags;
    xWritten xExpected;
  } const kCases[] = {
      {7, {L"13:05:09", L"", L"13:05:09"}},
      {1, {L"09", L"", L"09"}},
      {2, {L"05", L"", L"05"}},
      {4, {L"13", L"", L"13"}},
      {6, {L"13:05", L"", L"13:05"}},
      {8, {L"01", L"01", L""}},
      {16, {L"Jan", L"Jan", L""}},
      {32, {L"Q1", L"Q1", L""}},
      {64, {L"2000", L"2000", L""}},
      {72, {L"01/2000", L"01/2000", L""}},
      {88, {L"01/Jan/2000", L"01/Jan/2000", L""}},
      {92, {L"01/Jan/2000 13", L"01/Jan/2000", L"13"}},
      {127, {L"01/Jan/Q1/2000 13:05:09", L"01/Jan/Q1/2000", L"13:05:09"}},
      {128, {L"01/Jan/Q1/2000 13:05:09", L"01/Jan/Q1/2000", L"13:05:09"}},
      {255, {L"01/Jan/Q1/2000 13:05:09", L"01/Jan/Q1/2000", L"13:05:09"}},
      {INT_MAX, {L"01/Jan/Q1/2000 13:05:09", L"01/Jan/Q1/2000", L"13:05:09"}},
      // 0 and below: the current format.
      {0, {L"1/1/2000 1:05:09 PM", L"1/1/2000", L"1:05:09 PM"}},
      {-1, {L"1/1/2000 1:05:09 PM", L"1/1/2000", L"1:05:09 PM"}},
      {INT_MIN, {L"1/1/2000 1:05:09 PM", L"1/1/2000", L"1:05:09 PM"}},
  };
  // A 12-hour current format: the flags write a 24-hour clock, no designator.
  mFormat(mMdyHms(), L"/", L":", false, CmTimeCls::eAmPmUpperSpaced);
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.iFlags);
    const xWritten xResult = mWrite(kValue, false, row.iFlags);
    EXPECT_EQ(xResult.sText, row.xExpected.sText);
    EXPECT_EQ(xResult.sDate, row.xExpected.sDate);
    EXPECT_EQ(xResult.sTime, row.xExpected.sTime);
  }
}

TEST_F(WriterTest, ShowFlagsUseTheFormatsSeparators) {
  const double kValue = mAt(kJan1st2000, 13, 5, 9);
  mFormat({{xHour, 1}, {xMinute, 2}}, L" ", L".");
  EXPECT_EQ(mWrite(kValue, false, 7).sText, L"13.05.09");
  EXPECT_EQ(mWrite(kValue, false, 127).sText, L"01 Jan Q1 2000 13.05.09");
  mFormat({{xHour, 1}, {xMinute, 2}}, L"-", L":");
  EXPECT_EQ(mWrite(kValue, false, 88).sText, L"01-Jan-2000");
  // With the day number the date parts collapse into it.
  EXPECT_EQ(mWrite(kValue, true, 127).sText, L"36526 13:05:09");
}

TEST_F(WriterTest, ShowFlagsRoundByTheObjectsFormat) {
  // The rounding follows the object's own last part even when flags choose
  // the parts: under a format ending in milliseconds nothing is added, so
  // 13:05:09.700 shows as 13:05:09; under one ending in seconds it rounds up.
  const double kValue = mAt(kJan1st2000, 13, 5, 9, 700);
  mFormat({{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}});
  EXPECT_EQ(mWrite(kValue, false, 7).sText, L"13:05:09");
  mFormat(mHms());
  EXPECT_EQ(mWrite(kValue, false, 7).sText, L"13:05:10");
}

TEST_F(WriterTest, UnknownPartsContributeNothing) {
  const double kValue = mAt(kJan1st2000, 12, 34, 56);
  struct {
    const char* sName;
    std::vector<Part> vParts;
    const wchar_t* sText;
    size_t iReports;
  } const kCases[] = {
      {"hundredth", {{xHour, 1}, {xHundredth, 2}, {xMinute, 2}}, L"12:34", 1},
      {"tenth", {{xHour, 1}, {xMinute, 2}, {xTenth, 1}}, L"12:34", 1},
      {"no part", {{xNoPart, 1}, {xHour, 1}}, L"12", 1},
      {"kind 16", {{xHour, 1}, {static_cast<xTimePartsEnum>(16), 1}}, L"12", 1},
      {"kind -1", {{static_cast<xTimePartsEnum>(-1), 1}, {xDay, 1}}, L"1", 1},
      {"two unknown kinds", {{xTenth, 1}, {xMinute, 2}, {xHundredth, 1}}, L"34", 2},
      {"only unknown kinds", {{xTenth, 1}}, L"", 1},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts);
    CmAssertRecorder xRecorder;
    EXPECT_EQ(mWrite(kValue).sText, row.sText);
    ASSERT_EQ(xRecorder.mGetReports().size(), row.iReports);
    for (const auto& xReport : xRecorder.mGetReports()) {
      EXPECT_EQ(xReport.sExpression, "false");
      EXPECT_EQ(xReport.sFile, "time");
      EXPECT_EQ(xReport.iLine, 3584u);
    }
  }
}

TEST_F(WriterTest, OddCountsFollowPrintf) {
  const double kValue = mAt(kJan1st2000 + 279, 14, 5, 9, 123);  // 6 October 2000
  struct {
    const char* sName;
    std::vector<Part> vParts;
    const wchar_t* sText;
  } const kCases[] = {
      {"day count 0", {{xDay, 0}}, L"6"},
      {"day count 3", {{xDay, 3}}, L"006"},
      {"day count -3: left-justified", {{xDay, -3}, {xMonthNumber, 1}}, L"6  /10"},
      {"hour count 5", {{xHour, 5}}, L"00014"},
      {"month count 0", {{xMonthNumber, 0}}, L"10"},
      {"fraction count 0 shows no digit", {{xSecond, 2}, {xThousandth, 0}}, L"09."},
      {"fraction count 9 shows three", {{xSecond, 2}, {xThousandth, 9}}, L"09.123"},
      {"fraction count -2", {{xSecond, 2}, {xThousandth, -2}}, L"09."},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts);
    EXPECT_EQ(mWrite(kValue).sText, row.sText);
  }
  // Huge counts are cut to the field limit.
  mFormat({{xDay, INT_MAX}});
  EXPECT_EQ(mWrite(kValue).sText, std::wstring(cvn::detail::kMaxWriterFieldWidth - 1, L'0') + L"6");
  mFormat({{xDay, INT_MIN}});
  EXPECT_EQ(mWrite(kValue).sText, L"6" + std::wstring(cvn::detail::kMaxWriterFieldWidth - 1, L' '));
}

TEST_F(WriterTest, PartCountsOutsideTheArray) {
  const double kValue = mAt(kJan1st2000, 12, 34, 56);
  mFormat({{xMonthNumber, 1},
           {xDay, 1},
           {xYear, 4},
           {xHour, 1},
           {xMinute, 2},
           {xSecond, 2},
           {xThousandth, 1}});
  EXPECT_EQ(mWrite(kValue).sText, L"1/1/2000 12:34:56.0");
  CmTimeClsTestAccess::mSetNumParts(m_time, 99);  // only seven exist
  EXPECT_EQ(mWrite(kValue).sText, L"1/1/2000 12:34:56.0");
  CmTimeClsTestAccess::mSetNumParts(m_time, -5);
  EXPECT_EQ(mWrite(kValue).sText, L"");
  // No parts: half a second is added.
  EXPECT_EQ(mWrite(mAt(kJan1st2000, 12, 34, 56, 600), false, 7).sText, L"12:34:57");
}

TEST_F(WriterTest, ResultsReplaceWhatTheStringsHeld) {
  mFormat(mMdyHms());
  CmString sText(L"old text");
  CmString sDate(L"old date");
  CmString sTime(L"old time");
  m_time.mCorvaneTimeToStr(mAt(kJan1st2000, 1), false, sText, sDate, sTime, 0);
  EXPECT_EQ(sText, L"1/1/2000 1:00:00");
  EXPECT_EQ(sDate, L"1/1/2000");
  EXPECT_EQ(sTime, L"1:00:00");
  m_time.mCorvaneTimeToStr(CmCVNConst::mInstance()->mGetMissingValueCode(), false, sText, sDate,
                           sTime, 0);
  EXPECT_EQ(sText, L"*");
  EXPECT_EQ(sDate, L"");
  EXPECT_EQ(sTime, L"");
  // The short form gives the same text.
  CmString sShort(L"old");
  m_time.mCorvaneTimeToStr(mAt(kJan1st2000, 1), false, sShort, 0);
  EXPECT_EQ(sShort, L"1/1/2000 1:00:00");
  m_time.mCorvaneTimeToStr(mAt(kJan1st2000, 1), true, sShort, 0);
  EXPECT_EQ(sShort, L"36526 1:00:00");
}
