// Elapsed values: total hours, minutes or seconds, the sign, rounding by
// the last part, the longest value and the formats that cannot show one.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CvnBasicTypes.h"
#include "tests/writer/writer_fixture.h"

namespace {

// Elapsed days of hours, minutes, seconds and milliseconds (fractional
// milliseconds allowed, to stay clear of truncation edges).
double mSpan(double hours, double minutes = 0, double seconds = 0, double ms = 0) {
  return (hours * 3600000.0 + minutes * 60000.0 + seconds * 1000.0 + ms) / 86400000.0;
}

const std::vector<Part> kHms = {{xHour, 1}, {xMinute, 2}, {xSecond, 2}};
const std::vector<Part> kMs = {{xMinute, 1}, {xSecond, 2}};
const std::vector<Part> kS = {{xSecond, 1}};
const std::vector<Part> kHm = {{xHour, 1}, {xMinute, 2}};
const std::vector<Part> kHmsF1 = {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 1}};
const std::vector<Part> kHmsF2 = {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 2}};
const std::vector<Part> kHmsF3 = {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}};

struct xCase {
  const char* sName;
  std::vector<Part> vParts;
  double dValue;
  xWritten xExpected;
};

}  // namespace

TEST_F(WriterTest, ElapsedTotals) {
  const xCase kCases[] = {
      {"36 hours", kHms, 1.5, {L"36:00:00", L"", L"36:00:00"}},
      {"a quarter day", kHms, 0.25, {L"6:00:00", L"", L"6:00:00"}},
      {"zero", kHms, 0.0, {L"0:00:00", L"", L"0:00:00"}},
      {"negative zero has no sign", kHms, -0.0, {L"0:00:00", L"", L"0:00:00"}},
      {"hh", {{xHour, 2}, {xMinute, 2}, {xSecond, 2}}, 0.25, {L"06:00:00", L"", L"06:00:00"}},
      {"over a day", kHms, 1.0 + mSpan(2, 3, 4), {L"26:03:04", L"", L"26:03:04"}},
      {"720 minutes", kMs, 0.5, {L"720:00", L"", L"720:00"}},
      {"2160 minutes", kMs, 1.5, {L"2160:00", L"", L"2160:00"}},
      {"minutes below an hour", kMs, mSpan(0, 5, 7), {L"5:07", L"", L"5:07"}},
      {"86400 seconds", kS, 1.0, {L"86400", L"", L"86400"}},
      {"seconds of 2 days 3:04:05", kS, 2.0 + mSpan(3, 4, 5), {L"183845", L"", L"183845"}},
      {"h:mm", kHm, 1.5, {L"36:00", L"", L"36:00"}},
      {"minute and second as later parts",
       kHms,
       mSpan(100, 59, 58),
       {L"100:59:58", L"", L"100:59:58"}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mElapsedFormat(row.vParts);
    const xWritten xResult = mWrite(row.dValue);
    EXPECT_EQ(xResult.sText, row.xExpected.sText);
    EXPECT_EQ(xResult.sDate, row.xExpected.sDate);
    EXPECT_EQ(xResult.sTime, row.xExpected.sTime);
  }
}

TEST_F(WriterTest, ElapsedSign) {
  const xCase kCases[] = {
      {"minus a quarter day", kHms, -0.25, {L"-6:00:00", L"", L"6:00:00"}},
      {"minus 36 hours", kHms, -1.5, {L"-36:00:00", L"", L"36:00:00"}},
      {"minus 720 minutes", kMs, -0.5, {L"-720:00", L"", L"720:00"}},
      {"minus one second", kS, -mSpan(0, 0, 1), {L"-1", L"", L"1"}},
      // The sign is taken before rounding: a tiny negative value keeps it.
      {"a negative denormal",
       kHms,
       -std::numeric_limits<double>::denorm_min(),
       {L"-0:00:00", L"", L"0:00:00"}},
      {"minus 0.4 s", kHms, -mSpan(0, 0, 0, 400), {L"-0:00:00", L"", L"0:00:00"}},
      {"minus 0.6 s", kHms, -mSpan(0, 0, 0, 600), {L"-0:00:01", L"", L"0:00:01"}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mElapsedFormat(row.vParts);
    const xWritten xResult = mWrite(row.dValue);
    EXPECT_EQ(xResult.sText, row.xExpected.sText);
    EXPECT_EQ(xResult.sDate, row.xExpected.sDate);
    EXPECT_EQ(xResult.sTime, row.xExpected.sTime);
  }
}

TEST_F(WriterTest, ElapsedRounding) {
  const xCase kCases[] = {
      // Half a second after an hour, minute or second part.
      {"second below", kHms, mSpan(1, 2, 3, 499.9), {L"1:02:03", L"", L"1:02:03"}},
      {"second up", kHms, mSpan(1, 2, 3, 500.1), {L"1:02:04", L"", L"1:02:04"}},
      {"minute carry", kHms, mSpan(1, 59, 59, 500.1), {L"2:00:00", L"", L"2:00:00"}},
      {"day carry", kHms, mSpan(23, 59, 59, 500.1), {L"24:00:00", L"", L"24:00:00"}},
      {"just below a day", kHms, 0.99999999, {L"24:00:00", L"", L"24:00:00"}},
      {"12:29:59.945", kHms, 0.5208326967592593, {L"12:30:00", L"", L"12:30:00"}},
      {"minutes are not rounded", kHm, mSpan(1, 2, 59, 400), {L"1:02", L"", L"1:02"}},
      {"total minutes carry", kMs, mSpan(1, 59, 59, 500.1), {L"120:00", L"", L"120:00"}},
      // Half a unit of the last digit after a fraction.
      {"tenths below", kHmsF1, mSpan(0, 0, 1, 949.9), {L"0:00:01.9", L"", L"0:00:01.9"}},
      {"tenths up", kHmsF1, mSpan(0, 0, 1, 950.1), {L"0:00:02.0", L"", L"0:00:02.0"}},
      {"hundredths below", kHmsF2, mSpan(36, 0, 0, 124.9), {L"36:00:00.12", L"", L"36:00:00.12"}},
      {"hundredths up", kHmsF2, mSpan(36, 0, 0, 125.1), {L"36:00:00.13", L"", L"36:00:00.13"}},
      {"thousandths below", kHmsF3, mSpan(0, 0, 0, 123.4), {L"0:00:00.123", L"", L"0:00:00.123"}},
      {"thousandths up", kHmsF3, mSpan(0, 0, 0, 123.6), {L"0:00:00.124", L"", L"0:00:00.124"}},
      {"thousandths carry into the hour",
       kHmsF3,
       mSpan(0, 59, 59, 999.6),
       {L"1:00:00.000", L"", L"1:00:00.000"}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mElapsedFormat(row.vParts);
    EXPECT_EQ(mWrite(row.dValue).sText, row.xExpected.sText);
  }
}

TEST_F(WriterTest, ElapsedLongestValue) {
  const xCase kCases[] = {
      {"hours of 1096092 days", kHms, 1096092.0, {L"26306208:00:00", L"", L""}},
      {"minutes of 1096092 days", kMs, 1096092.0, {L"1578372480:00", L"", L""}},
      // Total seconds pass the int range; they are written whole.
      {"seconds of 1096092 days", kS, 1096092.0, {L"94702348800", L"", L""}},
      {"seconds of 24856 days", kS, 24856.0, {L"2147558400", L"", L""}},
      {"minus 1096092 days", kHms, -1096092.0, {L"-26306208:00:00", L"", L""}},
      {"just over 1096092 days", kHms, 1096092.0001, {L"*", L"", L""}},
      {"minus just over 1096092 days", kHms, -1096092.0001, {L"*", L"", L""}},
      {"1096093 days", kHms, 1096093.0, {L"*", L"", L""}},
      {"1e300", kHms, 1e300, {L"*", L"", L""}},
      {"-1e299", kHms, -1e299, {L"*", L"", L""}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mElapsedFormat(row.vParts);
    EXPECT_EQ(mWrite(row.dValue).sText, row.xExpected.sText);
  }
}

TEST_F(WriterTest, ElapsedFormatsThatCannotShowAValue) {
  struct {
    const char* sName;
    std::vector<Part> vParts;
    bool b24Hour;
  } const kCases[] = {
      {"12-hour", kHms, false},
      {"first part a day", {{xDay, 1}, {xHour, 1}, {xMinute, 2}}, true},
      {"first part a year", {{xYear, 4}}, true},
      {"first part a fraction", {{xThousandth, 3}}, true},
      {"first part unknown", {{xTenth, 1}, {xHour, 1}}, true},
      {"no parts", {}, true},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mElapsedFormat(row.vParts, row.b24Hour);
    for (const double v : {0.25, -0.25, 0.0}) {
      const xWritten xResult = mWrite(v);
      EXPECT_EQ(xResult.sText, L"*") << v;
      EXPECT_EQ(xResult.sDate, L"");
      EXPECT_EQ(xResult.sTime, L"");
    }
  }
  // Values that are no time.
  mElapsedFormat(kHms);
  for (const double v :
       {CmCVNConst::mInstance()->mGetMissingValueCode(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(mWrite(v).sText, L"*") << v;
  }
}

TEST_F(WriterTest, ElapsedShowFlags) {
  mElapsedFormat(kHm);
  EXPECT_EQ(mWrite(1.5, false, 7).sText, L"36:00:00");
  EXPECT_EQ(mWrite(-0.25, false, 3).sText, L"-360:00");  // first part the minute
  EXPECT_EQ(mWrite(1.0, false, 1).sText, L"86400");
  // Any date flag puts a date part first.
  EXPECT_EQ(mWrite(1.5, false, 127).sText, L"*");
  EXPECT_EQ(mWrite(1.5, false, 12).sText, L"*");
}

TEST_F(WriterTest, ElapsedFractionWidthOutsideOneToThree) {
  for (const int iCount : {0, 4, -1}) {
    SCOPED_TRACE(iCount);
    mElapsedFormat({{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, iCount}});
    CmAssertRecorder xRecorder;
    // Nothing is added: 0.9996 s stays 0.999 s.
    const std::wstring sText = mWrite(mSpan(0, 0, 0, 999.6)).sText;
    EXPECT_EQ(sText, iCount == 4 ? L"0:00:00.999" : L"0:00:00.");
    ASSERT_EQ(xRecorder.mGetReports().size(), 1u);
    EXPECT_EQ(xRecorder.mGetReports()[0].sExpression, "iW <= 3 && iW >= 1");
    EXPECT_EQ(xRecorder.mGetReports()[0].sFile, "time");
    EXPECT_EQ(xRecorder.mGetReports()[0].iLine, 3399u);
  }
  // No report for the widths 1 to 3.
  for (const int iCount : {1, 2, 3}) {
    mElapsedFormat({{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, iCount}});
    CmAssertRecorder xRecorder;
    mWrite(0.25);
    EXPECT_TRUE(xRecorder.mGetReports().empty()) << iCount;
  }
}

TEST_F(WriterTest, ElapsedDayNumberAndDateParts) {
  // An elapsed list never starts with a date part, but a later one shows
  // the calendar date of the whole days, and the day number those days.
  mElapsedFormat({{xHour, 1}, {xMinute, 2}, {xDay, 1}});
  EXPECT_EQ(mWrite(1.5).sText, L"36:00/31");  // day 1 is 31 December 1899
  EXPECT_EQ(mWrite(1.5, true).sText, L"1");
}
