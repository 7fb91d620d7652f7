// The unit catalogue: singleton, positions, codes, combination tests and
// factor lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "timeunit/timeunit_access.h"

namespace {

using Factors = std::vector<int>;

const Factors kMinuteList = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};
const Factors kHourList = {1, 2, 3, 4, 6, 8, 12, 24};
const Factors kDayList = {1, 2, 3, 5, 6, 10, 15, 30};
const Factors kMonthList = {1, 2, 3, 4, 6, 12};
const Factors kQuarterList = {1, 2, 4};
const Factors kYearList = {1};

const std::vector<int> kCatalogue = {1,  2,  3,  4,  6,  7,  8,  12, 14, 16,
                                     24, 32, 48, 64, 80, 88, 96, 112, 128};

Factors Times(const Factors& list, int m) {
  Factors out;
  for (int v : list) out.push_back(v * m);
  return out;
}

Factors Concat(std::initializer_list<Factors> lists) {
  Factors out;
  for (const Factors& l : lists) out.insert(out.end(), l.begin(), l.end());
  return out;
}

CmTimeUnit& Units() { return *CmTimeUnit::mInstance(); }

TEST(TimeUnitCatalogue, InstanceIsOneObject) {
  CmTimeUnit* p = CmTimeUnit::mInstance();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p, CmTimeUnit::mInstance());
}

TEST(TimeUnitCatalogue, PositionsAreZeroToSeven) {
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(CmTimeUnitTestAccess::mPosition(Units(), i), i) << i;
  }
}

TEST(TimeUnitCatalogue, AccessorsGiveTheirCodes) {
  const CmTimeUnit& u = Units();
  const struct {
    int iCode;
    int iExpected;
    const char* pName;
  } kRows[] = {
      {u.mSecond(), 1, "second"},
      {u.mMinute(), 2, "minute"},
      {u.mMinuteSecond(), 3, "minute+second"},
      {u.mHour(), 4, "hour"},
      {u.mHourMinute(), 6, "hour+minute"},
      {u.mHourMinuteSecond(), 7, "hour+minute+second"},
      {u.mDay(), 8, "day"},
      {u.mDayHour(), 12, "day+hour"},
      {u.mDayHourMinute(), 14, "day+hour+minute"},
      {u.mMonth(), 16, "month"},
      {u.mDayMonth(), 24, "day+month"},
      {u.mQuarter(), 32, "quarter"},
      {u.mMonthQuarter(), 48, "month+quarter"},
      {u.mYear(), 64, "year"},
      {u.mMonthYear(), 80, "month+year"},
      {u.mDayMonthYear(), 88, "day+month+year"},
      {u.mQuarterYear(), 96, "quarter+year"},
      {u.mMonthQuarterYear(), 112, "month+quarter+year"},
      {u.mGetIndex(), 128, "index"},
      // The Get twins.
      {u.mGetSecond(), 1, "get second"},
      {u.mGetMinute(), 2, "get minute"},
      {u.mGetHour(), 4, "get hour"},
      {u.mGetDay(), 8, "get day"},
      {u.mGetMonth(), 16, "get month"},
      {u.mGetQuarter(), 32, "get quarter"},
      {u.mGetYear(), 64, "get year"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pName);
    EXPECT_EQ(row.iCode, row.iExpected);
  }
}

TEST(TimeUnitCatalogue, HoldsTheNineteenCodesAscending) {
  EXPECT_EQ(CmTimeUnitTestAccess::mCodes(Units()), kCatalogue);
}

TEST(TimeUnitCatalogue, FindIsTrueExactlyForCataloguedCodes) {
  const std::set<int> catalogue(kCatalogue.begin(), kCatalogue.end());
  for (int code = -300; code <= 600; ++code) {
    EXPECT_EQ(Units().mFind(code), catalogue.count(code) == 1) << code;
  }
  EXPECT_TRUE(Units().mFind(128));
  EXPECT_FALSE(Units().mFind(5));  // second + hour
  EXPECT_FALSE(Units().mFind(INT_MIN));
  EXPECT_FALSE(Units().mFind(INT_MAX));
}

TEST(TimeUnitCatalogue, CalendarClockCombinationsAreAllButTheIndex) {
  const std::set<int> valid = {1, 2, 3, 4, 6, 7, 8, 12, 14, 16, 24, 32, 48, 64, 80, 88, 96, 112};
  for (int code = -10; code <= 300; ++code) {
    EXPECT_EQ(Units().mValidCalenderClockCombination(code), valid.count(code) == 1) << code;
  }
  EXPECT_FALSE(Units().mValidCalenderClockCombination(128));
}

TEST(TimeUnitCatalogue, ClockCombinationsAreTheEightWithClockUnits) {
  const std::set<int> clock = {1, 2, 3, 4, 6, 7, 12, 14};
  for (int code = -10; code <= 300; ++code) {
    EXPECT_EQ(Units().mValidClockCombination(code), clock.count(code) == 1) << code;
  }
  EXPECT_TRUE(Units().mValidClockCombination(12));   // day + hour
  EXPECT_FALSE(Units().mValidClockCombination(24));  // day + month
  EXPECT_FALSE(Units().mValidClockCombination(5));   // clock bits, but not catalogued
}

TEST(TimeUnitFactors, PrivateListsTimesMultiplier) {
  const struct {
    const char* pName;
    Factors list;
  } kRows[] = {
      {"second", kMinuteList}, {"minute", kMinuteList}, {"hour", kHourList},
      {"day", kDayList},       {"ymonth", kMonthList},  {"quarter", kQuarterList},
      {"qmonth", kQuarterList}, {"year", kYearList},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pName);
    for (int m : {1, 3, 0, -2}) {
      EXPECT_EQ(CmTimeUnitTestAccess::mFactors(Units(), row.pName, m), Times(row.list, m)) << m;
    }
    // Appends after what the vector holds.
    EXPECT_EQ(CmTimeUnitTestAccess::mFactors(Units(), row.pName, 1, {99}),
              Concat({{99}, row.list}));
  }
}

TEST(TimeUnitFactors, ByPartForEveryPart) {
  const struct {
    xTimePartsEnum ePart;
    Factors list;
  } kRows[] = {
      {xYear, {1, 2, 5, 10, 25, 50, 100}},
      {xQuarterLabelFirst, kQuarterList},
      {xQuarterNumberFirst, kQuarterList},
      {xMonthNumber, kMonthList},
      {xMonthAbbrev, kMonthList},
      {xMonthName, kMonthList},
      {xWeekLabelFirst, {1, 2, 4, 13, 26}},
      {xWeekNumberFirst, {1, 2, 4, 13, 26}},
      {xDay, kDayList},
      {xHour, kHourList},
      {xMinute, kMinuteList},
      {xSecond, kMinuteList},
      {xHundredth, {1, 2, 4, 5, 10, 20, 25, 50}},
      {xThousandth, {1, 2, 4, 5, 8, 10, 20, 25, 40, 50, 100, 125, 200, 250, 500}},
  };
  cvn::test::UnitAssertRecorder recorder;
  for (const auto& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.ePart));
    Factors out;
    EXPECT_TRUE(Units().mGetTimeUnitFactors(row.ePart, out, 1));
    EXPECT_EQ(out, row.list);
    out.clear();
    EXPECT_TRUE(Units().mGetTimeUnitFactors(row.ePart, out, 5));
    EXPECT_EQ(out, Times(row.list, 5));
  }
  EXPECT_TRUE(recorder.mGet().empty());
}

TEST(TimeUnitFactors, ByPartAppendsOnRepeatedCalls) {
  Factors out;
  Units().mGetTimeUnitFactors(xDay, out, 2);
  EXPECT_EQ(out, (Factors{2, 4, 6, 10, 12, 20, 30, 60}));
  Units().mGetTimeUnitFactors(xDay, out, 2);
  EXPECT_EQ(out, (Factors{2, 4, 6, 10, 12, 20, 30, 60, 2, 4, 6, 10, 12, 20, 30, 60}));
}

TEST(TimeUnitFactors, PartsWithoutListReportAndAppendNothing) {
  const int kParts[] = {xTenth, xNoPart, 16, -1, INT_MAX};
  for (int part : kParts) {
    SCOPED_TRACE(part);
    cvn::test::UnitAssertRecorder recorder;
    Factors out = {7};
    EXPECT_TRUE(Units().mGetTimeUnitFactors(static_cast<xTimePartsEnum>(part), out, 1));
    EXPECT_EQ(out, Factors{7});
    ASSERT_EQ(recorder.mGet().size(), 1u);
    EXPECT_EQ(recorder.mGet()[0].sExpression, "false");
    EXPECT_EQ(recorder.mGet()[0].sFile, "time");
    EXPECT_EQ(recorder.mGet()[0].uLine, 795u);
  }
}

TEST(TimeUnitFactors, ByCodeConcatenatesUnitListsInOrder) {
  const struct {
    int iCode;
    Factors list;
  } kRows[] = {
      {1, kMinuteList},
      {3, Concat({kMinuteList, kMinuteList})},  // 24 values
      {7, Concat({kMinuteList, kMinuteList, kHourList})},
      {12, Concat({kHourList, kDayList})},
      {88, Concat({kDayList, kMonthList, kYearList})},
      {112, Concat({kMonthList, kQuarterList, kYearList})},
      {128, {}},  // the index unit has no list
      {0, {}},
      {255, Concat({kMinuteList, kMinuteList, kHourList, kDayList, kMonthList, kQuarterList,
                    kYearList})},
      {256, {}},  // bits beyond the index add nothing
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.iCode);
    Factors out;
    Units().mGetTimeUnitFactors(row.iCode, out, 1);
    EXPECT_EQ(out, row.list);
    out.assign(1, -5);
    Units().mGetTimeUnitFactors(row.iCode, out, 3);
    EXPECT_EQ(out, Concat({{-5}, Times(row.list, 3)}));
  }
  Factors threeCodes;
  Units().mGetTimeUnitFactors(3, threeCodes, 1);
  EXPECT_EQ(threeCodes.size(), 24u);
}

TEST(TimeUnitFactors, HugeMultipliersSaturateInsteadOfOverflowing) {
  Factors out;
  Units().mGetTimeUnitFactors(xThousandth, out, INT_MAX);
  ASSERT_EQ(out.size(), 15u);
  EXPECT_EQ(out.front(), INT_MAX);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int v) { return v == INT_MAX; }));
  out.clear();
  Units().mGetTimeUnitFactors(1, out, INT_MIN);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int v) { return v == INT_MIN; }));
  out.clear();
  Units().mGetTimeUnitFactors(xHour, out, 100000000);  // 24 x 1e8 > INT_MAX
  EXPECT_EQ(out[0], 100000000);
  EXPECT_EQ(out[4], 600000000);
  EXPECT_EQ(out.back(), INT_MAX);
}

}  // namespace
