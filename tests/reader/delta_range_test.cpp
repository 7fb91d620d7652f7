// Signed spans of fixed syntax, and ranges of values joined by "..".

#include <string>

#include "tests/reader/reader_access.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess;

struct xSpan {
  bool bOk;
  int iSign, iDays, iHours, iMinutes, iSeconds, iHundredths;
};

xSpan mSpan(const CmTimeCls& t, const wchar_t* text) {
  xSpan x{false, 99, -1, -1, -1, -1, -1};
  x.bOk = t.mParseDeltaTime(text, &x.iSign, &x.iDays, &x.iHours, &x.iMinutes, &x.iSeconds,
                            &x.iHundredths);
  return x;
}

TEST_F(ReaderTest, DeltaTimeSpans) {
  const struct {
    const wchar_t* sText;
    xSpan xExpected;
  } kRows[] = {
      {L"+3", {true, 1, 3, 0, 0, 0, 0}},
      {L"-1 12:30:15.50", {true, -1, 1, 12, 30, 15, 50}},
      {L"+1 12", {true, 1, 1, 12, 0, 0, 0}},
      {L"+1 12:30", {true, 1, 1, 12, 30, 0, 0}},
      {L"+1 12:30:15", {true, 1, 1, 12, 30, 15, 0}},
      {L"+ 7", {true, 1, 7, 0, 0, 0, 0}},
      {L"-0 0:0:0.0", {true, -1, 0, 0, 0, 0, 0}},
      {L"+1 23:59:59.99", {true, 1, 1, 23, 59, 59, 99}},
      {L"-2147483647", {true, -1, 2147483647, 0, 0, 0, 0}},
      {L"+-5", {true, 1, -5, 0, 0, 0, 0}},  // the day count may carry its own sign
      // The hundredths are the number typed: ".5" is 5 hundredths.
      {L"+1 0:0:0.5", {true, 1, 1, 0, 0, 0, 5}},
      // Out of range: the bad piece fails, the later ones are still stored.
      {L"+1 24:00", {false, 1, 1, 0, 0, 0, 0}},
      {L"+1 24:30", {false, 1, 1, 0, 30, 0, 0}},
      {L"+1 23:60", {false, 1, 1, 23, 0, 0, 0}},
      {L"+1 23:59:60", {false, 1, 1, 23, 59, 0, 0}},
      {L"+0 0:0:0.100", {false, 1, 0, 0, 0, 0, 0}},
      {L"+1 -1:30", {false, 1, 1, 0, 30, 0, 0}},
      {L"+x 1:30", {false, 1, 0, 1, 30, 0, 0}},
      {L"+1.5", {false, 1, 0, 0, 0, 0, 0}},
      {L"+99999999999", {false, 1, 0, 0, 0, 0, 0}},
      // No sign, no day count, nothing but a sign.
      {L"3 12:00", {false, 99, 0, 0, 0, 0, 0}},
      {L"+", {false, 99, 0, 0, 0, 0, 0}},
      {L"", {false, 99, 0, 0, 0, 0, 0}},
      {L"+ ", {false, 1, 0, 0, 0, 0, 0}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sText));
    const xSpan x = mSpan(T(), row.sText);
    EXPECT_EQ(x.bOk, row.xExpected.bOk);
    EXPECT_EQ(x.iSign, row.xExpected.iSign);
    EXPECT_EQ(x.iDays, row.xExpected.iDays);
    EXPECT_EQ(x.iHours, row.xExpected.iHours);
    EXPECT_EQ(x.iMinutes, row.xExpected.iMinutes);
    EXPECT_EQ(x.iSeconds, row.xExpected.iSeconds);
    EXPECT_EQ(x.iHundredths, row.xExpected.iHundredths);
  }
}

TEST_F(ReaderTest, DeltaTimeLengthLimitAndDecimalSymbol) {
  // 79 characters are read, 80 are not.
  const std::wstring s79 = L"+" + std::wstring(73, L' ') + L"1 2:3";
  ASSERT_EQ(s79.size(), 79u);
  EXPECT_TRUE(mSpan(T(), s79.c_str()).bOk);
  EXPECT_FALSE(mSpan(T(), (L"+ " + s79.substr(1)).c_str()).bOk);
  EXPECT_FALSE(mSpan(T(), std::wstring(10000, L'+').c_str()).bOk);
  EXPECT_FALSE(mSpan(T(), nullptr).bOk);
  EXPECT_TRUE(
      T().mParseDeltaTime(L"+1 2:3:4.5", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));

  // The seconds end at the input decimal symbol.
  mSetInputDecimal(L',');
  const xSpan x = mSpan(T(), L"-1 12:30:15,50");
  EXPECT_TRUE(x.bOk);
  EXPECT_EQ(x.iSeconds, 15);
  EXPECT_EQ(x.iHundredths, 50);
  EXPECT_FALSE(mSpan(T(), L"-1 12:30:15.50").bOk);
}

TEST_F(ReaderTest, DateRanges) {
  const double kLow = mCorvane(2020, 1, 1);
  const double kHigh = mCorvane(2020, 12, 31);
  const struct {
    const wchar_t* sRange;
    bool bOk;
    double dFirst;   // expected, when bOk
    double dSecond;  // expected, when bOk
  } kRows[] = {
      {L"3/1/2020..4/1/2020", true, mCorvane(2020, 3, 1), mCorvane(2020, 4, 1)},
      {L"3/1/2020 .. 4/1/2020", true, mCorvane(2020, 3, 1), mCorvane(2020, 4, 1)},
      {L"1/1/2020..12/31/2020", true, kLow, kHigh},
      {L"3/1/2020..END", true, mCorvane(2020, 3, 1), kHigh},
      {L"3/1/2020..3/1/2020", true, mCorvane(2020, 3, 1), mCorvane(2020, 3, 1)},
      // Outside the bounds, backwards, unreadable, too many, nothing.
      {L"12/31/2019..4/1/2020", false, 0, 0},
      {L"3/1/2020..1/1/2021", false, 0, 0},
      {L"4/1/2020..3/1/2020", false, 0, 0},
      {L"3/1/2020..x", false, 0, 0},
      {L"3/1/2020..4/1/2020..5/1/2020", false, 0, 0},
      {L"", false, 0, 0},
      {L"END..3/1/2020", false, 0, 0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sRange));
    mUse(L"m/d/yyyy");
    double dFirst = -1, dSecond = kHigh;
    const bool bOk =
        T().mValidateDTRange(row.sRange, L"1/1/2020", L"12/31/2020", L"END", &dFirst, &dSecond);
    EXPECT_EQ(bOk, row.bOk);
    if (bOk) {
      EXPECT_EQ(dFirst, row.dFirst);
      EXPECT_EQ(dSecond, row.dSecond);
    }
  }
}

TEST_F(ReaderTest, DateRangeOfOneValueMeetsTheCallersSecond) {
  mUse(L"m/d/yyyy");
  double dFirst = 0, dSecond = mCorvane(2020, 5, 1);
  EXPECT_TRUE(
      T().mValidateDTRange(L"3/1/2020", L"1/1/2020", L"12/31/2020", L"END", &dFirst, &dSecond));
  EXPECT_EQ(dFirst, mCorvane(2020, 3, 1));
  EXPECT_EQ(dSecond, mCorvane(2020, 5, 1));
  dSecond = mCorvane(2020, 2, 1);
  EXPECT_FALSE(
      T().mValidateDTRange(L"3/1/2020", L"1/1/2020", L"12/31/2020", L"END", &dFirst, &dSecond));
}

TEST_F(ReaderTest, DateRangeNeedsReadableBounds) {
  mUse(L"m/d/yyyy");
  double dFirst = 0, dSecond = 0;
  EXPECT_FALSE(T().mValidateDTRange(L"3/1/2020", L"x", L"12/31/2020", L"END", &dFirst, &dSecond));
  EXPECT_FALSE(
      T().mValidateDTRange(L"3/1/2020", L"1/1/2020", L"2/30/2020", L"END", &dFirst, &dSecond));
  EXPECT_FALSE(
      T().mValidateDTRange(nullptr, L"1/1/2020", L"12/31/2020", nullptr, &dFirst, &dSecond));
}

}  // namespace
}  // namespace cvn::test
