// The pure helpers of the flat entry points.

#include "procedural/entry_points_detail.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CmString.h"

namespace {

using cvn::detail::mEntryDatePart;
using cvn::detail::mEntryText;
using cvn::detail::mEntryTimeOfDayPart;
using cvn::detail::mEntryUnit;

constexpr double kMs = 1.0 / 86400000.0;

TEST(EntryPointsDetail, TimeOfDayPartTable) {
  struct Row {
    double dValue;
    double dExpected;
    const char* pszNote;
  };
  const Row kRows[] = {
      {0.0, 0.0, "zero"},
      {12345.0, 0.0, "whole day"},
      {-3.0, 0.0, "negative whole day"},
      {12345.75, 0.75, "18:00"},
      {0.5, 0.5, "noon of day 0"},
      {-0.25, 0.25, "negative: distance to the next whole day toward zero"},
      {-1.25, 0.25, "negative below -1"},
      {36526.5 + 123 * kMs, 0.5 + 123 * kMs, "whole milliseconds kept"},
      {36526.5 + 0.4 * kMs, 0.5, "below half a millisecond rounds down"},
      {36526.5 + 0.6 * kMs, 0.5 + kMs, "above half a millisecond rounds up"},
      {36526.0 + 1e-12, 0.0, "a trace above a whole day is 0 after rounding"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszNote);
    EXPECT_NEAR(mEntryTimeOfDayPart(row.dValue), row.dExpected, 1e-12);
  }
}

TEST(EntryPointsDetail, TimeOfDayPartIsWholeMilliseconds) {
  // Every result is a whole number of milliseconds as a fraction of a day.
  for (int i = 0; i < 2000; ++i) {
    const double dValue = 40000.0 + i * 0.000731 + i * 1e-9;
    const double dMs = mEntryTimeOfDayPart(dValue) * 86400000.0;
    SCOPED_TRACE(dValue);
    EXPECT_NEAR(dMs, std::round(dMs), 1e-5);
    EXPECT_GE(dMs, 0.0);
    EXPECT_LE(dMs, 86400000.0);
  }
}

TEST(EntryPointsDetail, TimeOfDayPartOddInputsDoNotTrap) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(std::isnan(mEntryTimeOfDayPart(kNaN)));
  EXPECT_FALSE(std::isfinite(mEntryTimeOfDayPart(kInf)) && mEntryTimeOfDayPart(kInf) < 1.0);
  // Beyond the int range the saturated k leaves a huge distance, not a crash.
  EXPECT_GT(mEntryTimeOfDayPart(1e12), 1.0);
  EXPECT_GT(mEntryTimeOfDayPart(-1e12), 1.0);
}

TEST(EntryPointsDetail, DatePartIsFloor) {
  EXPECT_EQ(mEntryDatePart(12345.75), 12345.0);
  EXPECT_EQ(mEntryDatePart(12345.0), 12345.0);
  EXPECT_EQ(mEntryDatePart(-0.25), -1.0);
  EXPECT_TRUE(std::isnan(mEntryDatePart(std::numeric_limits<double>::quiet_NaN())));
}

TEST(EntryPointsDetail, TextOfNullPointersIsEmpty) {
  EXPECT_STREQ(mEntryText(nullptr), L"");
  CmString* pNull = nullptr;
  EXPECT_STREQ(mEntryText(&pNull), L"");
  CmString sText(L"3/15/2020");
  CmString* pText = &sText;
  EXPECT_STREQ(mEntryText(&pText), L"3/15/2020");
}

TEST(EntryPointsDetail, UnitKeepsEveryInt) {
  EXPECT_EQ(mEntryUnit(4), xMonthNumber);
  EXPECT_EQ(mEntryUnit(15), xThousandth);
  EXPECT_EQ(static_cast<int>(mEntryUnit(-7)), -7);
  EXPECT_EQ(static_cast<int>(mEntryUnit(99)), 99);
}

}  // namespace
