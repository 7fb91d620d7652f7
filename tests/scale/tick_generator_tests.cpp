// Tick generators: ticks stepped by unit arithmetic, and day ticks that
// restart at a fixed day of each month.

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

#include "scale/scale_access.h"
#include "time/scale/scale_detail.h"

namespace {

using cvn::test::Missing;
using cvn::test::RefTime;
using Ticks = std::vector<double>;
using Steps = std::vector<int>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void ExpectTicks(const Ticks& actual, const Ticks& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_DOUBLE_EQ(actual[i], expected[i]) << "tick " << i;
  }
}

struct NewTimesRow {
  int iCode;
  Steps increments;
  double dStart;
  double dLowest;
  int iCount;
  Ticks expected;
  const char* pNote;
};

class TickGenerators : public testing::Test {
 protected:
  Ticks NewTimes(int code, const Steps& inc, double start, double lowest, int count) const {
    Ticks ticks = {-1.0, -2.0};  // cleared first
    m_time.mGenerateNewTimes(code, inc, start, lowest, count, ticks);
    return ticks;
  }
  Ticks DayMonth(int code, const Steps& inc, double start, double lowest, int day,
                 int count) const {
    Ticks ticks = {-1.0, -2.0};  // cleared first
    m_time.mGenerateSpecialDayMonthTimes(code, inc, start, lowest, day, count, ticks);
    return ticks;
  }
  CmTimeCls m_time;
};

TEST_F(TickGenerators, NewTimesByUnit) {
  const double kJan31 = RefTime(2001, 1, 31);
  const double kNoon = RefTime(2001, 1, 1, 12);
  const NewTimesRow kRows[] = {
      {16,
       {1},
       kJan31,
       kJan31,
       4,
       {kJan31, RefTime(2001, 2, 28), RefTime(2001, 3, 31), RefTime(2001, 4, 30)},
       "months from the start, each clamped to its month"},
      {32,
       {1},
       RefTime(2001, 1, 15),
       0,
       3,
       {RefTime(2001, 1, 15), RefTime(2001, 4, 15), RefTime(2001, 7, 15)},
       "quarters"},
      {32,
       {2},
       RefTime(2001, 1, 15),
       0,
       3,
       {RefTime(2001, 1, 15), RefTime(2001, 7, 15), RefTime(2002, 1, 15)},
       "half years"},
      {96,
       {1, 5},
       RefTime(2001, 1, 15),
       0,
       2,
       {RefTime(2001, 1, 15), RefTime(2001, 4, 15)},
       "quarter + year: the quarter steps"},
      {80,
       {2, 7},
       RefTime(2001, 1, 15),
       0,
       2,
       {RefTime(2001, 1, 15), RefTime(2001, 3, 15)},
       "month + year: the month steps"},
      {64,
       {2},
       RefTime(2000, 2, 29),
       0,
       3,
       {RefTime(2000, 2, 29), RefTime(2002, 3, 1), RefTime(2004, 2, 29)},
       "years"},
      {8, {3}, kNoon, 0, 3, {kNoon, RefTime(2001, 1, 4, 12), RefTime(2001, 1, 7, 12)}, "days"},
      {88, {3}, kNoon, 0, 2, {kNoon, RefTime(2001, 1, 4, 12)}, "day + month + year"},
      {4, {6}, kNoon, 0, 3, {kNoon, RefTime(2001, 1, 1, 18), RefTime(2001, 1, 2)}, "hours"},
      {2,
       {20},
       kNoon,
       0,
       3,
       {kNoon, RefTime(2001, 1, 1, 12, 20), RefTime(2001, 1, 1, 12, 40)},
       "minutes"},
      {7,
       {15, 5, 1},
       kNoon,
       0,
       3,
       {kNoon, RefTime(2001, 1, 1, 12, 0, 15), RefTime(2001, 1, 1, 12, 0, 30)},
       "hour + minute + second: the second steps"},
      {0,
       {250},
       kNoon,
       0,
       3,
       {kNoon, RefTime(2001, 1, 1, 12, 0, 0, 250), RefTime(2001, 1, 1, 12, 0, 0, 500)},
       "code 0: thousandths"},
      {8, {}, kNoon, 0, 2, {kNoon, RefTime(2001, 1, 2, 12)}, "no increments: step 1"},
      {8,
       {1},
       RefTime(2001, 1, 1),
       RefTime(2001, 1, 3, 12),
       3,
       {RefTime(2001, 1, 4), RefTime(2001, 1, 5), RefTime(2001, 1, 6)},
       "before lowest skipped"},
      {64,
       {1},
       RefTime(9990, 6, 1),
       0,
       100,
       {RefTime(9990, 6, 1), RefTime(9991, 6, 1), RefTime(9992, 6, 1), RefTime(9993, 6, 1),
        RefTime(9994, 6, 1), RefTime(9995, 6, 1), RefTime(9996, 6, 1), RefTime(9997, 6, 1),
        RefTime(9998, 6, 1), RefTime(9999, 6, 1)},
       "stops at the year 9999"},
      {32,
       {INT_MAX},
       RefTime(2001, 1, 1),
       0,
       5,
       {RefTime(2001, 1, 1)},
       "a saturated quarter step leaves the span"},
  };
  for (const NewTimesRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    ExpectTicks(NewTimes(row.iCode, row.increments, row.dStart, row.dLowest, row.iCount),
                row.expected);
  }
}

TEST_F(TickGenerators, NewTimesUndefinedInputsGiveNoTicks) {
  const double t = RefTime(2001, 1, 1);
  const NewTimesRow kRows[] = {
      {8, {1}, t, t, 0, {}, "count 0"},
      {8, {1}, t, t, -5, {}, "negative count"},
      {128, {1}, t, t, 5, {}, "index unit alone"},
      {256, {1}, t, t, 5, {}, "no known unit bit"},
      {8, {0}, t, t, 5, {}, "step 0 never moves"},
      {16, {-3}, t, t, 5, {}, "negative step"},
      {32, {0}, t, t, 5, {}, "quarter step 0"},
      {8, {1}, t, kNaN, 5, {}, "NaN lowest"},
      {8, {1}, kNaN, t, 5, {}, "NaN start"},
      {8, {1}, Missing(), t, 5, {}, "missing start"},
      {0, {1}, t, t + 1.0, 5, {}, "lowest out of reach of the skipped-step budget"},
  };
  for (const NewTimesRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    EXPECT_TRUE(NewTimes(row.iCode, row.increments, row.dStart, row.dLowest, row.iCount).empty());
  }
}

TEST_F(TickGenerators, NewTimesAreBounded) {
  const double t = RefTime(2001, 1, 1);
  const Ticks ticks = NewTimes(0, {1}, t, t, INT_MAX);
  ASSERT_EQ(ticks.size(), static_cast<size_t>(cvn::detail::kMaxScaleTicks));
  EXPECT_DOUBLE_EQ(ticks.back(), RefTime(2001, 1, 1, 0, 1, 39, 999));
  // A lowest time within the skipped-step budget is reached.
  const Ticks late = NewTimes(0, {1}, t, RefTime(2001, 1, 1, 0, 0, 50), 2);
  ExpectTicks(late, {RefTime(2001, 1, 1, 0, 0, 50), RefTime(2001, 1, 1, 0, 0, 50, 1)});
}

struct DayMonthRow {
  int iCode;
  Steps increments;
  double dStart;
  double dLowest;
  int iCount;
  Ticks expected;
  const char* pNote;
};

TEST_F(TickGenerators, DayTicksRestartEachMonth) {
  const double kJan1 = RefTime(2001, 1, 1);
  const DayMonthRow kRows[] = {
      // 29 January is dropped: 3 days to 1 February are within 2/3 of 7.
      {8,
       {7},
       kJan1,
       kJan1,
       6,
       {kJan1, RefTime(2001, 1, 8), RefTime(2001, 1, 15), RefTime(2001, 1, 22), RefTime(2001, 2, 1),
        RefTime(2001, 2, 8)},
       "weekly steps from the 1st"},
      {24,
       {7},
       kJan1,
       kJan1,
       5,
       {kJan1, RefTime(2001, 1, 8), RefTime(2001, 1, 15), RefTime(2001, 1, 22),
        RefTime(2001, 2, 1)},
       "day + month"},
      {8,
       {10},
       kJan1,
       kJan1,
       7,
       {kJan1, RefTime(2001, 1, 11), RefTime(2001, 1, 21), RefTime(2001, 2, 1),
        RefTime(2001, 2, 11), RefTime(2001, 2, 21), RefTime(2001, 3, 1)},
       "31 January is dropped, 21 February is kept"},
      {8,
       {1},
       RefTime(2001, 2, 27),
       0,
       4,
       {RefTime(2001, 2, 27), RefTime(2001, 2, 28), RefTime(2001, 3, 1), RefTime(2001, 3, 2)},
       "daily"},
      {8,
       {7},
       RefTime(2001, 1, 1, 12),
       0,
       3,
       {RefTime(2001, 1, 1, 12), RefTime(2001, 1, 8, 12), RefTime(2001, 1, 15, 12)},
       "the time of day is kept"},
      {8,
       {7},
       kJan1,
       RefTime(2001, 1, 10),
       4,
       {RefTime(2001, 1, 15), RefTime(2001, 1, 22), RefTime(2001, 2, 1), RefTime(2001, 2, 8)},
       "ticks before lowest are passed over"},
  };
  for (const DayMonthRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    cvn::test::ScaleAssertRecorder recorder;
    ExpectTicks(DayMonth(row.iCode, row.increments, row.dStart, row.dLowest, 1, row.iCount),
                row.expected);
    EXPECT_TRUE(recorder.mGet().empty());
  }
}

TEST_F(TickGenerators, MonthStepsOfDaysMonthsAndYears) {
  const double kJan1 = RefTime(2001, 1, 1);
  const DayMonthRow kRows[] = {
      {8,
       {30},
       kJan1,
       kJan1,
       4,
       {kJan1, RefTime(2001, 2, 1), RefTime(2001, 3, 1), RefTime(2001, 4, 1)},
       "30 days"},
      {8,
       {40},
       kJan1,
       kJan1,
       3,
       {kJan1, RefTime(2001, 2, 1), RefTime(2001, 3, 1)},
       "40 days: a month"},
      {8,
       {45},
       kJan1,
       kJan1,
       3,
       {kJan1, RefTime(2001, 3, 1), RefTime(2001, 5, 1)},
       "45 days round up to two months"},
      {8, {60}, kJan1, kJan1, 3, {kJan1, RefTime(2001, 3, 1), RefTime(2001, 5, 1)}, "60 days"},
      {88,
       {30},
       RefTime(2000, 1, 1),
       0,
       3,
       {RefTime(2000, 1, 1), RefTime(2000, 2, 1), RefTime(2000, 3, 1)},
       "leap February"},
      {16, {1}, kJan1, kJan1, 3, {kJan1, RefTime(2001, 2, 1), RefTime(2001, 3, 1)}, "months"},
      {16, {3}, kJan1, kJan1, 3, {kJan1, RefTime(2001, 4, 1), RefTime(2001, 7, 1)}, "quarters"},
      {64, {1}, kJan1, kJan1, 3, {kJan1, RefTime(2002, 1, 1), RefTime(2003, 1, 1)}, "years"},
      {64,
       {2},
       RefTime(2000, 1, 1),
       0,
       3,
       {RefTime(2000, 1, 1), RefTime(2002, 1, 1), RefTime(2004, 1, 1)},
       "two years"},
  };
  for (const DayMonthRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    ExpectTicks(DayMonth(row.iCode, row.increments, row.dStart, row.dLowest, 1, row.iCount),
                row.expected);
  }
}

TEST_F(TickGenerators, DayMonthCodeWithoutRuleReportsTheCondition) {
  cvn::test::ScaleAssertRecorder recorder;
  EXPECT_TRUE(DayMonth(4, {1}, RefTime(2001, 1, 1), 0, 1, 5).empty());
  ASSERT_EQ(recorder.mGet().size(), 1u);
  EXPECT_EQ(recorder.mGet()[0].sExpression,
            "(iTimeUnits == CmTimeUnit::mInstance()->mDay()) || "
            "(iTimeUnits == CmTimeUnit::mInstance()->mMonth()) || "
            "(iTimeUnits == CmTimeUnit::mInstance()->mYear()) || "
            "(iTimeUnits == CmTimeUnit::mInstance()->mDayMonth()) || "
            "(iTimeUnits == CmTimeUnit::mInstance()->mDayMonthYear())");
  EXPECT_EQ(recorder.mGet()[0].sFile, "time");
  EXPECT_EQ(recorder.mGet()[0].uLine, 4162u);
}

TEST_F(TickGenerators, DayMonthUndefinedInputsGiveNoTicks) {
  const double t = RefTime(2001, 1, 1);
  const struct {
    int iCode;
    Steps increments;
    double dStart, dLowest;
    int iDay, iCount;
    const char* pNote;
  } kRows[] = {
      {8, {0}, t, t, 1, 5, "day step 0"},
      {8, {-7}, t, t, 1, 5, "negative day step"},
      {16, {0}, t, t, 1, 5, "month step 0 would never end"},
      {64, {0}, t, t, 1, 5, "year step 0 would never end"},
      {16, {-1}, t, t, 1, 5, "negative month step"},
      {8, {7}, t, t, 0, 5, "day of month 0"},
      {8, {7}, t, t, 32, 5, "day of month 32"},
      {8, {7}, t, t, -1, 5, "negative day of month"},
      {8, {7}, t, t, 1, 0, "count 0"},
      {8, {7}, t, t, 1, -3, "negative count"},
      {8, {7}, kNaN, t, 1, 5, "NaN start"},
      {8, {7}, Missing(), t, 1, 5, "missing start"},
      {8, {7}, t, kNaN, 1, 5, "NaN lowest"},
      {64, {INT_MAX}, t, t, 1, 5, "the first walk leaves the years 1..9999"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pNote);
    EXPECT_TRUE(
        DayMonth(row.iCode, row.increments, row.dStart, row.dLowest, row.iDay, row.iCount).empty());
  }
}

TEST_F(TickGenerators, DayMonthTicksAreBounded) {
  // Daily ticks stop at the last day of the year 9999.
  const Ticks toTheEnd = DayMonth(8, {1}, RefTime(9990, 1, 1), 0, 1, INT_MAX);
  ASSERT_EQ(toTheEnd.size(), 3652u);
  EXPECT_DOUBLE_EQ(toTheEnd.back(), RefTime(9999, 12, 31));
  // A huge count is capped.
  const Ticks capped = DayMonth(8, {1}, RefTime(2001, 1, 1), 0, 1, INT_MAX);
  EXPECT_EQ(capped.size(), static_cast<size_t>(cvn::detail::kMaxScaleTicks));
  // Any day of month 1..31 ends, however its months fall.
  for (int day = 1; day <= 31; ++day) {
    for (int step : {1, 5, 7, 29, 31, 46}) {
      const Ticks ticks = DayMonth(8, {step}, RefTime(2001, 1, 17), 0, day, 50);
      EXPECT_LE(ticks.size(), 50u) << day << " " << step;
    }
  }
}

}  // namespace
