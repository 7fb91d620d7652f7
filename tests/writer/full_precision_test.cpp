// mShowFullPrecision and mExampleTime.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CvnBasicTypes.h"
#include "platform/platform.h"
#include "tests/writer/writer_fixture.h"

namespace {

class WriterFullPrecisionTest : public WriterTest {
 protected:
  void SetUp() override {
    WriterTest::SetUp();
    CmTimeClsTestAccess::mSetRegionalFormats(m_time, L"m/d/yyyy", L"h:mm:ss");
  }
  std::wstring mFull(double t) {
    CmString sText(L"stale");
    m_time.mShowFullPrecision(t, sText);
    return sText.str();
  }
};

const std::vector<Part> kMdyHms = {{xMonthNumber, 1}, {xDay, 1},    {xYear, 4},
                                   {xHour, 1},        {xMinute, 2}, {xSecond, 2}};

}  // namespace

TEST_F(WriterFullPrecisionTest, DateFormatSwitchesToTheRegionalDateTime) {
  // Noon of 1 January 2000 plus 1.5 seconds, under a date-only format.
  mFormat(mMdy());
  EXPECT_EQ(mFull(mAt(kJan1st2000, 12, 0, 1, 500)), L"1/1/2000 12:00:01.5");
  std::vector<Part> vExpected = kMdyHms;
  vExpected.push_back({xThousandth, 1});
  EXPECT_EQ(CmTimeClsTestAccess::mParts(m_time), vExpected);
  // The format text is not rewritten to the widened parts.
  EXPECT_EQ(CmTimeClsTestAccess::mDateTimeFmt(m_time), L"m/d/yyyy h:mm:ss");
}

TEST_F(WriterFullPrecisionTest, TimeBelowOneDaySwitchesToTheRegionalTime) {
  // 6:00 plus 0.12 seconds: the regional time format and two decimals.
  mFormat(mMdy());
  EXPECT_EQ(mFull(0.25 + 120.0 / 86400000.0), L"6:00:00.12");
  EXPECT_EQ(CmTimeClsTestAccess::mParts(m_time),
            (std::vector<Part>{{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 2}}));
}

TEST_F(WriterFullPrecisionTest, Cases) {
  struct {
    const char* sName;
    std::vector<Part> vParts;
    double dValue;
    const wchar_t* sText;
  } const kCases[] = {
      {"a whole day under a date format", mMdy(), kJan1st2000, L"1/1/2000"},
      {"a whole day under a date-time format",
       {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}},
       kJan1st2000,
       L"1/1/2000 0:00:00"},
      {"minutes only", mMdy(), mAt(kJan1st2000, 12, 30), L"1/1/2000 12:30:00"},
      {"three decimals", mMdy(), mAt(kJan1st2000, 12, 0, 0, 7), L"1/1/2000 12:00:00.007"},
      {"midnight of day 0 under a time format", mHms(), 0.0, L"0:00:00"},
      {"a negative value", mMdy(), -0.25, L"12/29/1899 18:00:00"},
      {"a whole day under no parts", {}, kJan1st2000, L"1/1/2000"},
      {"a time under no parts", {}, mAt(kJan1st2000, 8), L"1/1/2000 8:00:00"},
      {"a year format", {{xYear, 4}}, mAt(kJan1st2000 + 1, 0), L"1/2/2000"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mFormat(row.vParts);
    EXPECT_EQ(mFull(row.dValue), row.sText);
  }
}

TEST_F(WriterFullPrecisionTest, KeepsTheTwentyFourHourFlag) {
  // A 12-hour regional time format, entered from a 24-hour format: the
  // 24-hour flag of the format before is kept.
  CmTimeClsTestAccess::mSetRegionalFormats(m_time, L"m/d/yyyy", L"h:mm:ss AM/PM");
  mFormat(mMdy());
  EXPECT_EQ(mFull(mAt(kJan1st2000, 13)), L"1/1/2000 13:00:00");
  EXPECT_TRUE(CmTimeClsTestAccess::m24Hour(m_time));
}

TEST_F(WriterFullPrecisionTest, ElapsedFormatsAreWidenedInPlace) {
  struct {
    const char* sName;
    std::vector<Part> vParts;
    double dValue;
    const wchar_t* sText;
    std::vector<Part> vAfter;
  } const kCases[] = {
      {"seconds added",
       {{xHour, 1}, {xMinute, 2}},
       1.5 + 30.0 / 86400.0,
       L"36:00:30",
       {{xHour, 1}, {xMinute, 2}, {xSecond, 2}}},
      {"a fraction widened",
       {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 1}},
       0.25 + 125.0 / 86400000.0,
       L"6:00:00.125",
       {{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}}},
      {"nothing to add", {{xHour, 1}, {xMinute, 2}}, 1.5, L"36:00", {{xHour, 1}, {xMinute, 2}}},
      {"negative",
       {{xHour, 1}, {xMinute, 2}},
       -(0.25 + 1.0 / 86400.0),
       L"-6:00:01",
       {{xHour, 1}, {xMinute, 2}, {xSecond, 2}}},
      {"no parts", {}, 0.25, L"06", {{xHour, 2}}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    mElapsedFormat(row.vParts);
    EXPECT_EQ(mFull(row.dValue), row.sText);
    EXPECT_EQ(CmTimeClsTestAccess::mParts(m_time), row.vAfter);
    EXPECT_TRUE(CmTimeCls::m_bElapsedTimeFlag);
  }
}

TEST_F(WriterFullPrecisionTest, ValuesThatAreNoTimeLeaveTheFormat) {
  for (const double v :
       {CmCVNConst::mInstance()->mGetMissingValueCode(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 1e300,
        -1e299, 2147483648.0, -2147483648.0}) {
    SCOPED_TRACE(v);
    mFormat(mMdy());
    EXPECT_EQ(mFull(v), L"*");
    EXPECT_EQ(CmTimeClsTestAccess::mParts(m_time), mMdy());
  }
  // Within the range a value beyond the showable years still gives "*",
  // after the format was widened.
  mFormat(mMdy());
  EXPECT_EQ(mFull(kDec31st4000 + 1.5), L"*");
}

TEST_F(WriterTest, ExampleTimeOfElapsedFormats) {
  struct {
    std::vector<Part> vParts;
    const wchar_t* sText;
  } const kCases[] = {
      {{{xHour, 1}, {xMinute, 2}, {xSecond, 2}}, L"12:30:00"},
      {{{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}}, L"12:29:59.945"},
      {{{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 2}}, L"12:29:59.95"},
      {{{xMinute, 1}, {xSecond, 2}}, L"750:00"},
      {{{xSecond, 1}}, L"45000"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.sText)));
    mElapsedFormat(row.vParts);
    CmString sText;
    m_time.mExampleTime(sText);
    EXPECT_EQ(sText, row.sText);
  }
}

namespace {

// 15 March 2020, 10:30:45.250.
void mFixedClock(cvn::platform::xLocalClock* out) {
  out->iYearsSince1900 = 120;
  out->iDayOfYear = 74;
  out->iHour = 10;
  out->iMinute = 30;
  out->iSecond = 45;
  out->iMillisecond = 250;
}

}  // namespace

TEST_F(WriterTest, ExampleTimeOfAbsoluteFormatsIsNow) {
  cvn::platform::mSetClockForTesting(&mFixedClock);
  mFormat(mMdyHms());
  CmString sText;
  m_time.mExampleTime(sText);
  EXPECT_EQ(sText, L"3/15/2020 10:30:45");
  mFormat({{xDay, 1}, {xMonthName, 4}, {xYear, 4}}, L" ");
  m_time.mExampleTime(sText);
  EXPECT_EQ(sText, L"15 March 2020");
  cvn::platform::mSetClockForTesting(nullptr);
}
