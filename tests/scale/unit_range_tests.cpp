// Counting steps in a range, larger-unit changes, and increment hand-out.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "scale/scale_access.h"

namespace {

using cvn::test::Missing;
using cvn::test::RefTime;
using Access = CmTimeClsTestAccess;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RangeRow {
  double dStart;
  double dEnd;
  double dIncrement;
  xTimePartsEnum eUnit;
  int iExpected;
  const char* pNote;
};

class UnitRange : public testing::Test {
 protected:
  void Check(const RangeRow& row) const {
    SCOPED_TRACE(row.pNote);
    EXPECT_EQ(m_time.mNumTimesInRange(row.dStart, row.dEnd, row.dIncrement, row.eUnit),
              row.iExpected);
  }
  CmTimeCls m_time;
};

TEST_F(UnitRange, Examples) {
  const double t = RefTime(2001, 3, 4, 5, 6, 7);
  const RangeRow kRows[] = {
      {t, t, 1, xDay, 1, "a time to itself"},
      {t, t + 10, 2, xDay, 6, "ten days by two"},
      {t, t + 9.5, 2, xDay, 5, "nine and a half days by two"},
  };
  for (const RangeRow& row : kRows) Check(row);
}

TEST_F(UnitRange, CalendarUnitsOnBothSidesOfTheEnd) {
  const RangeRow kRows[] = {
      {RefTime(2000, 1, 1), RefTime(2010, 1, 1), 1, xYear, 11, "years, end on a step"},
      {RefTime(2000, 1, 1), RefTime(2009, 12, 31), 1, xYear, 10, "years, end before"},
      {RefTime(2000, 6, 15), RefTime(2010, 1, 1), 1, xYear, 10, "years, mid-year start"},
      {RefTime(2000, 6, 15), RefTime(2010, 6, 15), 1, xYear, 11, "years, same day"},
      {RefTime(2000, 6, 15), RefTime(2010, 6, 14), 1, xYear, 10, "years, a day short"},
      {RefTime(2000, 1, 1), RefTime(2010, 1, 1), 2, xYear, 6, "years by two"},
      {RefTime(2001, 1, 1), RefTime(2001, 10, 1), 1, xQuarterLabelFirst, 4, "quarters"},
      {RefTime(2001, 1, 1), RefTime(2001, 9, 30), 1, xQuarterNumberFirst, 3, "quarters short"},
      {RefTime(2000, 11, 1), RefTime(2001, 2, 1), 1, xQuarterLabelFirst, 2, "across a year"},
      {RefTime(2000, 11, 1), RefTime(2001, 1, 31), 1, xQuarterLabelFirst, 1, "one day short"},
      {RefTime(2001, 1, 31), RefTime(2001, 2, 28), 1, xMonthNumber, 2, "month end"},
      {RefTime(2001, 1, 31), RefTime(2001, 2, 27), 1, xMonthNumber, 1, "before month end"},
      {RefTime(2000, 12, 15), RefTime(2001, 1, 15), 1, xMonthAbbrev, 2, "across a year"},
      {RefTime(2000, 12, 15), RefTime(2001, 1, 14, 23), 1, xMonthName, 1, "an hour short"},
      {RefTime(2001, 1, 1), RefTime(2002, 1, 1), 3, xMonthNumber, 5, "months by three"},
      {RefTime(2001, 1, 1), RefTime(2001, 1, 15), 1, xWeekLabelFirst, 3, "two weeks"},
      {RefTime(2001, 1, 1), RefTime(2001, 1, 14, 23), 1, xWeekNumberFirst, 2, "short"},
      {RefTime(2001, 1, 1), RefTime(2001, 1, 2), 1, xDay, 2, "one day"},
      {RefTime(2001, 1, 1), RefTime(2001, 1, 1, 23, 59, 59, 999), 1, xDay, 1, "a ms short"},
  };
  for (const RangeRow& row : kRows) Check(row);
}

TEST_F(UnitRange, ClockUnitsOnBothSidesOfTheEnd) {
  const double d = RefTime(2001, 1, 1);
  const RangeRow kRows[] = {
      {d, RefTime(2001, 1, 1, 3), 1, xHour, 4, "hours"},
      {d, RefTime(2001, 1, 1, 2, 59, 59, 999), 1, xHour, 3, "hours, a ms short"},
      {d, RefTime(2001, 1, 3, 3), 1, xHour, 52, "hours over days"},
      {d, RefTime(2001, 1, 1, 0, 10), 1, xMinute, 11, "minutes"},
      {d, RefTime(2001, 1, 1, 0, 9, 59, 999), 1, xMinute, 10, "minutes short"},
      {d, RefTime(2001, 1, 2, 0, 10), 5, xMinute, 291, "minutes by five"},
      {d, RefTime(2001, 1, 1, 0, 0, 10), 1, xSecond, 11, "seconds"},
      {d, RefTime(2001, 1, 1, 0, 0, 9, 999), 1, xSecond, 10, "seconds short"},
      {d, RefTime(2001, 1, 1, 0, 0, 0, 100), 1, xHundredth, 11, "hundredths"},
      {d, RefTime(2001, 1, 1, 0, 0, 0, 99), 1, xHundredth, 10, "hundredths short"},
      {d, RefTime(2001, 1, 1, 0, 0, 1), 1, xTenth, 11, "tenths"},
      {d, RefTime(2001, 1, 1, 0, 0, 0, 999), 1, xTenth, 10, "tenths short"},
      {d, RefTime(2001, 1, 1, 0, 0, 0, 10), 1, xThousandth, 11, "thousandths"},
      {d, RefTime(2001, 1, 1, 0, 0, 0, 10), 2, xThousandth, 6, "thousandths by two"},
      {d, RefTime(2001, 1, 2), 3600000, xThousandth, 25, "hours in thousandths"},
  };
  for (const RangeRow& row : kRows) Check(row);
}

TEST_F(UnitRange, HugeCountsAreClamped) {
  const RangeRow kRows[] = {
      {RefTime(1000, 1, 1), RefTime(4000, 1, 1), 1, xThousandth, INT_MAX, "ms of millennia"},
      {RefTime(1900, 1, 1), RefTime(2000, 1, 1), 1, xSecond, INT_MAX, "seconds of a century"},
      {RefTime(2001, 1, 1), RefTime(2001, 1, 2), 1e-300, xDay, INT_MAX, "tiny increment"},
      {RefTime(1900, 1, 1), RefTime(1968, 1, 1), 1, xSecond, 2145830401, "just below"},
  };
  for (const RangeRow& row : kRows) Check(row);
}

TEST_F(UnitRange, UndefinedInputsGiveNoTimes) {
  const double a = RefTime(2001, 1, 1);
  const double b = RefTime(2001, 2, 1);
  const RangeRow kRows[] = {
      {a, b, 0, xDay, 0, "zero increment"},
      {a, b, -1, xDay, 0, "negative increment"},
      {a, b, kNaN, xDay, 0, "NaN increment"},
      {a, b, -kInf, xDay, 0, "negative infinite increment"},
      {a, b, kInf, xDay, 1, "infinite increment: the start alone"},
      {b, a, 1, xDay, 0, "end before start, not a negative count"},
      {b, a, 1, xYear, 0, "end before start, years"},
      {a + 0.5, a, 1, xDay, 0, "half a day back"},
      {kNaN, b, 1, xDay, 0, "NaN start"},
      {a, kNaN, 1, xDay, 0, "NaN end"},
      {a, kInf, 1, xDay, 0, "infinite end"},
      {-kInf, b, 1, xDay, 0, "infinite start"},
      {Missing(), b, 1, xDay, 0, "missing start"},
      {a, 1e300, 1, xDay, 0, "end far beyond year 9999"},
  };
  for (const RangeRow& row : kRows) Check(row);
}

TEST_F(UnitRange, UnknownUnitReports) {
  cvn::test::ScaleAssertRecorder recorder;
  // The span is 0, so one time (the start) would count; putting the start
  // back unchanged reports again.
  EXPECT_EQ(m_time.mNumTimesInRange(RefTime(2001, 1, 1), RefTime(2001, 1, 5), 1, xNoPart), 1);
  ASSERT_FALSE(recorder.mGet().empty());
  EXPECT_EQ(recorder.mGet()[0].sExpression, "false");
  EXPECT_EQ(recorder.mGet()[0].sFile, "time");
  EXPECT_EQ(recorder.mGet()[0].uLine, 5545u);
}

TEST_F(UnitRange, CountsAgreeWithSteppingForEveryUnit) {
  // The count is the number of steps from the start at or before the end.
  const xTimePartsEnum kUnits[] = {
      xYear,  xQuarterLabelFirst, xMonthNumber, xWeekLabelFirst, xDay, xHour, xMinute, xSecond,
      xTenth, xHundredth,         xThousandth};
  const double kStart = RefTime(2000, 1, 31, 13, 14, 15, 160);
  const double kSpans[] = {0.0, 0.0001, 0.02, 0.4, 1.0, 6.5, 45.0, 400.0, 3000.0};
  for (xTimePartsEnum unit : kUnits) {
    for (double span : kSpans) {
      for (double increment : {1.0, 3.0}) {
        SCOPED_TRACE(testing::Message() << unit << " span " << span << " by " << increment);
        const int n = m_time.mNumTimesInRange(kStart, kStart + span, increment, unit);
        if (n == INT_MAX) continue;  // clamped: no longer the exact count
        ASSERT_GE(n, 1);
        double last = 0.0, next = 0.0;
        m_time.mNormToCorvaneTime((n - 1) * increment, unit, kStart, &last);
        m_time.mNormToCorvaneTime(n * increment, unit, kStart, &next);
        EXPECT_LE(last, kStart + span);
        EXPECT_GT(next, kStart + span);
      }
    }
  }
}

TEST(UnitChange, LargerUnitTexts) {
  CmTimeCls time;
  const struct {
    xTimePartsEnum eUnit;
    double a, b;
    bool bChanged;
    const char* pNote;
  } kRows[] = {
      {xMonthNumber, RefTime(2000, 12, 31), RefTime(2001, 1, 1), true, "new year"},
      {xMonthNumber, RefTime(2001, 1, 1), RefTime(2001, 12, 31), false, "same year"},
      {xDay, RefTime(2001, 1, 31), RefTime(2001, 2, 1), true, "new month"},
      {xDay, RefTime(2001, 1, 1), RefTime(2002, 1, 31), false, "same month number"},
      {xHour, RefTime(2001, 1, 1, 23), RefTime(2001, 1, 2, 1), true, "new day"},
      {xHour, RefTime(2001, 1, 1, 1), RefTime(2001, 2, 1, 23), false, "same day of month"},
      {xMinute, RefTime(2001, 1, 1, 10, 59), RefTime(2001, 1, 1, 11, 0), true, "new hour"},
      {xMinute, RefTime(2001, 1, 1, 10, 0), RefTime(2001, 1, 1, 10, 59), false, "same hour"},
      {xSecond, RefTime(2001, 1, 1, 10, 0, 59), RefTime(2001, 1, 1, 10, 1), true, "new min"},
      {xSecond, RefTime(2001, 1, 1, 10, 1), RefTime(2001, 1, 1, 10, 1, 59), false, "same min"},
      {xYear, RefTime(1000, 1, 1), RefTime(4000, 1, 1), false, "never for years"},
      {xDay, kNaN, RefTime(2001, 2, 1), false, "NaN"},
      {xDay, RefTime(2001, 2, 1), Missing(), false, "missing"},
  };
  cvn::test::ScaleAssertRecorder recorder;
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pNote);
    EXPECT_EQ(Access::mDidBiggerTimeUnitChange(time, row.eUnit, row.a, row.b), row.bChanged);
  }
  EXPECT_TRUE(recorder.mGet().empty());
}

TEST(UnitChange, UnitsWithoutRuleReport) {
  CmTimeCls time;
  for (int unit : {5, 6, 2, 7, 15, 0, 42}) {  // month names, quarter, week, ms, none, other
    SCOPED_TRACE(unit);
    cvn::test::ScaleAssertRecorder recorder;
    EXPECT_FALSE(Access::mDidBiggerTimeUnitChange(time, static_cast<xTimePartsEnum>(unit),
                                                  RefTime(2000, 1, 1), RefTime(2001, 1, 1)));
    EXPECT_EQ(recorder.mLines(), std::vector<unsigned>{4441u});
  }
}

TEST(UnitIncrement, HandsOutGivenIncrementsThenOnes) {
  CmTimeCls time;
  std::vector<int> steps;
  const std::vector<int> increments = {5, 0, -2};
  for (int i = 0; i < 5; ++i) Access::mAddTimeIncrement(time, increments, steps);
  EXPECT_EQ(steps, (std::vector<int>{5, 0, -2, 1, 1}));
  std::vector<int> fromEmpty;
  Access::mAddTimeIncrement(time, {}, fromEmpty);
  Access::mAddTimeIncrement(time, {}, fromEmpty);
  EXPECT_EQ(fromEmpty, (std::vector<int>{1, 1}));
  std::vector<int> prefilled = {9, 9};
  Access::mAddTimeIncrement(time, {1, 2, 3}, prefilled);
  EXPECT_EQ(prefilled, (std::vector<int>{9, 9, 3}));
}

}  // namespace
