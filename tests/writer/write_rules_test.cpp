// The writer's pure rules: show flags, rounding, date separators, the
// elapsed split and the full-precision widening of a part list.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/writer/writer_access.h"
#include "time/writer/writer_impl.h"

namespace {

using cvn::detail::xWriterPart;
using cvn::detail::xWriterParts;

std::vector<xWriterPart> mList(const xWriterParts& parts) {
  return std::vector<xWriterPart>(parts.xParts, parts.xParts + parts.iNumParts);
}

xWriterParts mPartsOf(const std::vector<xWriterPart>& parts) {
  xWriterParts xParts{};
  xParts.iNumParts = static_cast<int>(parts.size());
  for (size_t i = 0; i < parts.size(); ++i) xParts.xParts[i] = parts[i];
  xParts.b24Hour = true;
  return xParts;
}

}  // namespace

TEST(WriterRules, ShowFlagsSelectPartsInDisplayOrder) {
  const xWriterPart kDay{xDay, 2}, kMonth{xMonthAbbrev, 1}, kQuarter{xQuarterLabelFirst, 1},
      kYear{xYear, 1}, kHour{xHour, 2}, kMinute{xMinute, 2}, kSecond{xSecond, 2};
  const std::vector<xWriterPart> kAll = {kDay, kMonth, kQuarter, kYear, kHour, kMinute, kSecond};
  struct {
    int iFlags;
    std::vector<xWriterPart> vExpected;
  } const kCases[] = {
      {1, {kSecond}},
      {2, {kMinute}},
      {4, {kHour}},
      {7, {kHour, kMinute, kSecond}},
      {8, {kDay}},
      {16, {kMonth}},
      {32, {kQuarter}},
      {64, {kYear}},
      {72, {kDay, kYear}},
      {88, {kDay, kMonth, kYear}},
      {120, {kDay, kMonth, kQuarter, kYear}},
      {127, kAll},
      {128, kAll},  // 128 and more act as if every lower bit were set
      {129, kAll},
      {255, kAll},
      {1000, kAll},
      {2147483647, kAll},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.iFlags);
    xWriterParts xParts{};
    xParts.b24Hour = false;
    cvn::detail::mPartsFromShowFlags(row.iFlags, &xParts);
    EXPECT_TRUE(xParts.b24Hour);
    EXPECT_EQ(mList(xParts), row.vExpected);
  }
}

TEST(WriterRules, AbsoluteRoundingFollowsTheLastPart) {
  const double kHalfSecond = 5.787037037037037e-06;
  const xWriterPart kSecond{xSecond, 2}, kFraction1{xThousandth, 1}, kFraction2{xThousandth, 2},
      kFraction3{xThousandth, 3}, kFraction4{xThousandth, 4}, kYear{xYear, 4};
  EXPECT_DOUBLE_EQ(cvn::detail::mAbsoluteRounding(nullptr), kHalfSecond);
  EXPECT_DOUBLE_EQ(cvn::detail::mAbsoluteRounding(&kSecond), kHalfSecond);
  EXPECT_DOUBLE_EQ(cvn::detail::mAbsoluteRounding(&kYear), kHalfSecond);
  EXPECT_DOUBLE_EQ(cvn::detail::mAbsoluteRounding(&kFraction1) * 86400000.0, 50.0);
  EXPECT_DOUBLE_EQ(cvn::detail::mAbsoluteRounding(&kFraction2) * 86400000.0, 5.0);
  EXPECT_EQ(cvn::detail::mAbsoluteRounding(&kFraction3), 0.0);
  EXPECT_EQ(cvn::detail::mAbsoluteRounding(&kFraction4), 0.0);
}

TEST(WriterRules, ElapsedRoundingFollowsTheLastPart) {
  struct {
    xWriterPart xLast;
    double dExpectedMs;
    bool bWidthOk;
  } const kCases[] = {
      {{xHour, 1}, 500.0, true},       {{xMinute, 2}, 500.0, true},
      {{xSecond, 2}, 500.0, true},     {{xThousandth, 1}, 50.0, true},
      {{xThousandth, 2}, 5.0, true},   {{xThousandth, 3}, 0.5, true},
      {{xThousandth, 0}, 0.0, false},  {{xThousandth, 4}, 0.0, false},
      {{xThousandth, -1}, 0.0, false}, {{xDay, 2}, 0.0, true},
      {{xYear, 4}, 0.0, true},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::Message() << row.xLast.ePart << "/" << row.xLast.iCount);
    bool bOk = !row.bWidthOk;
    EXPECT_NEAR(cvn::detail::mElapsedRounding(row.xLast, &bOk) * 86400000.0, row.dExpectedMs, 1e-9);
    EXPECT_EQ(bOk, row.bWidthOk);
  }
}

TEST(WriterRules, DateSeparatorBeforeEachPart) {
  using cvn::detail::eDateSeparator;
  const std::vector<xWriterPart> kMonthDayYear = {{xMonthName, 4}, {xDay, 1}, {xYear, 4}};
  const std::vector<xWriterPart> kAbbrevDayYearTime = {
      {xMonthAbbrev, 3}, {xDay, 1}, {xYear, 4}, {xHour, 1}};
  const std::vector<xWriterPart> kDayMonthYear = {{xDay, 1}, {xMonthName, 4}, {xYear, 4}};
  const std::vector<xWriterPart> kMonthYear = {{xMonthName, 4}, {xYear, 4}};
  struct {
    const wchar_t* sSep;
    std::vector<xWriterPart> vParts;
    eDateSeparator eBeforeSecond;
    eDateSeparator eBeforeThird;
  } const kCases[] = {
      {L" ", kMonthDayYear, eDateSeparator::kBlank, eDateSeparator::kCommaBlank},
      {L", ", kMonthDayYear, eDateSeparator::kBlank, eDateSeparator::kCommaBlank},
      {L" ", kAbbrevDayYearTime, eDateSeparator::kBlank, eDateSeparator::kCommaBlank},
      {L" ", kDayMonthYear, eDateSeparator::kBlank, eDateSeparator::kBlank},
      {L" ", kMonthYear, eDateSeparator::kBlank, eDateSeparator::kBlank},
      {L"/", kMonthDayYear, eDateSeparator::kFormat, eDateSeparator::kFormat},
      {L"  ", kMonthDayYear, eDateSeparator::kFormat, eDateSeparator::kFormat},  // not " "
      {L",", kMonthDayYear, eDateSeparator::kFormat, eDateSeparator::kFormat},
      {L"WK", kMonthDayYear, eDateSeparator::kNone, eDateSeparator::kNone},
      {L"Wk", kMonthDayYear, eDateSeparator::kNone, eDateSeparator::kNone},
      {L"wk", kMonthDayYear, eDateSeparator::kNone, eDateSeparator::kNone},
      {L"Q", kMonthDayYear, eDateSeparator::kNone, eDateSeparator::kNone},
      {L"q", kMonthDayYear, eDateSeparator::kNone, eDateSeparator::kNone},
      {L"Qq", kMonthDayYear, eDateSeparator::kFormat, eDateSeparator::kFormat},
      {L"", kMonthDayYear, eDateSeparator::kFormat, eDateSeparator::kFormat},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::Message()
                 << "separator '" << testing::PrintToString(std::wstring(row.sSep)) << "' parts "
                 << row.vParts.size());
    const auto xRule = cvn::detail::mDateSeparatorRule(row.sSep, mPartsOf(row.vParts));
    EXPECT_EQ(cvn::detail::mDateSeparatorBefore(xRule, 1), row.eBeforeSecond);
    EXPECT_EQ(cvn::detail::mDateSeparatorBefore(xRule, 2), row.eBeforeThird);
  }
}

TEST(WriterRules, ElapsedSplitGivesTotalHours) {
  struct {
    double dValue;
    int iDays, iHours, iMinute, iSecond, iThousandths;
  } const kCases[] = {
      {0.0, 0, 0, 0, 0, 0},
      {0.25, 0, 6, 0, 0, 0},
      {1.5, 1, 36, 0, 0, 0},
      {0.5208333333333334, 0, 12, 30, 0, 0},
      {2.0 + 45296789.5 / 86400000.0, 2, 60, 34, 56, 789},  // 2 days 12:34:56.7895
      {1096092.0, 1096092, 26306208, 0, 0, 0},
      {1096093.0, 1096093, 26306232, 0, 0, 0},
      // Outside the contract: taken into it.
      {-1.0, 0, 0, 0, 0, 0},
      {NAN, 0, 0, 0, 0, 0},
      {1e300, 1096093, 26306232, 0, 0, 0},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.dValue);
    const auto xClock = cvn::detail::mSplitElapsed(row.dValue);
    EXPECT_EQ(xClock.iDays, row.iDays);
    EXPECT_EQ(xClock.iTotalHours, row.iHours);
    EXPECT_EQ(xClock.iMinute, row.iMinute);
    EXPECT_EQ(xClock.iSecond, row.iSecond);
    EXPECT_EQ(xClock.iThousandths, row.iThousandths);
  }
}

TEST(WriterRules, ElapsedSplitTruncatesToTheMillisecond) {
  // Every millisecond of one hour, 40 days in: the split gives back exactly
  // the millisecond that a value half a millisecond above it holds.
  for (int iMs = 0; iMs < 3600000; iMs += 7) {
    const double v = 40.0 + (iMs + 0.5) / 86400000.0;
    const auto xClock = cvn::detail::mSplitElapsed(v);
    ASSERT_EQ(xClock.iTotalHours, 960) << iMs;
    ASSERT_EQ(xClock.iMinute * 60000 + xClock.iSecond * 1000 + xClock.iThousandths, iMs);
  }
}

TEST(WriterRules, FractionDigits) {
  struct {
    int iThousandths, iDigits;
  } const kCases[] = {{0, 1},   {100, 1}, {500, 1}, {900, 1}, {120, 2}, {10, 2},
                      {990, 2}, {1, 3},   {125, 3}, {999, 3}, {101, 3}};
  for (const auto& row : kCases) {
    EXPECT_EQ(cvn::detail::mFractionDigits(row.iThousandths), row.iDigits) << row.iThousandths;
  }
}

TEST(WriterRules, GreatestPart) {
  const xWriterPart kParts[] = {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}, {xHour, 1}};
  EXPECT_EQ(cvn::detail::mGreatestPart(4, kParts), 3);
  EXPECT_EQ(cvn::detail::mGreatestPart(3, kParts), 1);
  EXPECT_EQ(cvn::detail::mGreatestPart(1, kParts), 0);
  EXPECT_EQ(cvn::detail::mGreatestPart(0, kParts), -1);
  EXPECT_EQ(cvn::detail::mGreatestPart(-3, kParts), -1);
  const xWriterPart kTie[] = {{xDay, 1}, {xDay, 2}};
  EXPECT_EQ(cvn::detail::mGreatestPart(2, kTie), 0);  // the first of equal kinds
}

TEST(WriterRules, WidenClockParts) {
  const xWriterPart kH{xHour, 1}, kM{xMinute, 2}, kS{xSecond, 2};
  struct {
    const char* sName;
    std::vector<xWriterPart> vParts;
    int iHour, iMinute, iSecond, iThousandths;
    std::vector<xWriterPart> vExpected;
  } const kCases[] = {
      {"hour and minute get seconds", {kH, kM}, 1, 0, 30, 0, {kH, kM, {xSecond, 2}}},
      {"seconds get a one-digit fraction",
       {kH, kM, kS},
       12,
       0,
       1,
       500,
       {kH, kM, kS, {xThousandth, 1}}},
      {"two digits", {kH, kM, kS}, 6, 0, 0, 120, {kH, kM, kS, {xThousandth, 2}}},
      {"three digits", {kH, kM, kS}, 6, 0, 0, 123, {kH, kM, kS, {xThousandth, 3}}},
      {"hour alone gets minute, second and fraction",
       {kH},
       0,
       0,
       0,
       5,
       {kH, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}}},
      {"nothing finer needed", {kH, kM, kS}, 6, 30, 0, 0, {kH, kM, kS}},
      {"all zero", {kH, kM}, 0, 0, 0, 0, {kH, kM}},
      {"a fraction widens to the digits needed",
       {kH, kM, kS, {xThousandth, 1}},
       0,
       0,
       0,
       125,
       {kH, kM, kS, {xThousandth, 3}}},
      {"a fraction keeps its larger count",
       {kH, kM, kS, {xThousandth, 3}},
       0,
       0,
       0,
       500,
       {kH, kM, kS, {xThousandth, 3}}},
      {"a finer last part is replaced, keeping the larger count",
       {kH, kM, kS, {xTenth, 1}},
       0,
       0,
       0,
       125,
       {kH, kM, kS, {xThousandth, 3}}},
      {"a date-only list gets the clock parts down to the need",
       {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}},
       12,
       30,
       0,
       0,
       {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}, {xHour, 2}, {xMinute, 2}}},
      {"no parts: every clock kind down to the need", {}, 6, 0, 0, 0, {{xHour, 2}}},
      {"a full list drops what finds no place",
       {{xMonthNumber, 1},
        {xDay, 1},
        {xYear, 4},
        {xWeekLabelFirst, 1},
        {xQuarterLabelFirst, 1},
        kH,
        kM},
       0,
       0,
       1,
       0,
       {{xMonthNumber, 1},
        {xDay, 1},
        {xYear, 4},
        {xWeekLabelFirst, 1},
        {xQuarterLabelFirst, 1},
        kH,
        kM}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.sName);
    xWriterPart xParts[7] = {};
    int iNumParts = static_cast<int>(row.vParts.size());
    for (size_t i = 0; i < row.vParts.size(); ++i) xParts[i] = row.vParts[i];
    const int iGreatest = cvn::detail::mGreatestPart(iNumParts, xParts);
    cvn::detail::mWidenClockParts(&iNumParts, xParts, iGreatest, row.iHour, row.iMinute,
                                  row.iSecond, row.iThousandths);
    EXPECT_EQ(std::vector<xWriterPart>(xParts, xParts + iNumParts), row.vExpected);
  }
}
