// Unit arithmetic on Corvane times: stepping by units, unit lengths,
// boundary counts, counts in a range, larger-unit changes and increments.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/platform.h"
#include "scale/scale_access.h"

namespace {

using cvn::test::Missing;
using cvn::test::RefTime;
using Access = CmTimeClsTestAccess;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class UnitArithmetic : public testing::Test {
 protected:
  double Norm(double count, xTimePartsEnum unit, double t) const {
    double r = -12345.0;
    m_time.mNormToCorvaneTime(count, unit, t, &r);
    return r;
  }
  double Diff(double a, double b, xTimePartsEnum unit) const {
    return Access::mGetTimeDiff(m_time, a, b, unit);
  }
  CmTimeCls m_time;
};

struct NormRow {
  double dCount;
  xTimePartsEnum eUnit;
  double dFrom;
  double dExpected;
  const char* pNote;
};

TEST_F(UnitArithmetic, NormCalendarUnits) {
  const NormRow kRows[] = {
      {1, xMonthNumber, RefTime(2001, 1, 31), RefTime(2001, 2, 28), "to the end of February"},
      {1, xMonthNumber, RefTime(2000, 1, 31), RefTime(2000, 2, 29), "leap February"},
      {-13, xMonthNumber, RefTime(2001, 1, 15), RefTime(1999, 12, 15), "negative count"},
      {2, xMonthAbbrev, RefTime(2001, 1, 31), RefTime(2001, 3, 31), "month from the start"},
      {-1, xMonthName, RefTime(2001, 3, 31), RefTime(2001, 2, 28), "back to February"},
      {12, xMonthNumber, RefTime(2000, 2, 29), RefTime(2001, 2, 28), "twelve months"},
      {1.9, xMonthNumber, RefTime(2001, 5, 10), RefTime(2001, 6, 10), "integer part"},
      {-1.9, xMonthNumber, RefTime(2001, 5, 10), RefTime(2001, 4, 10), "toward zero"},
      {0, xMonthNumber, RefTime(2001, 5, 10, 10, 30), RefTime(2001, 5, 10, 10, 30), "zero"},
      {1, xMonthNumber, RefTime(2001, 12, 31, 6, 0), RefTime(2002, 1, 31, 6, 0), "year end"},
      {1, xQuarterLabelFirst, RefTime(2000, 11, 30), RefTime(2001, 2, 28), "quarter"},
      {-1, xQuarterNumberFirst, RefTime(2001, 2, 15), RefTime(2000, 11, 15), "quarter back"},
      {4, xQuarterLabelFirst, RefTime(2000, 2, 29), RefTime(2001, 2, 28), "four quarters"},
      {1, xYear, RefTime(2000, 2, 29), RefTime(2001, 3, 1), "29 Feb runs on to 1 March"},
      {4, xYear, RefTime(2000, 2, 29), RefTime(2004, 2, 29), "leap to leap"},
      {-1, xYear, RefTime(2001, 6, 1, 12), RefTime(2000, 6, 1, 12), "year back"},
      {1.5, xWeekLabelFirst, RefTime(2001, 1, 1), RefTime(2001, 1, 11), "10.5 days"},
      {-1, xWeekNumberFirst, RefTime(2001, 1, 3), RefTime(2000, 12, 27), "week back"},
      {1.9, xDay, RefTime(2001, 1, 1, 8), RefTime(2001, 1, 2, 8), "1.9 days add one"},
      {-1.9, xDay, RefTime(2001, 1, 1), RefTime(2000, 12, 31), "-1.9 days"},
      {365, xDay, RefTime(2000, 1, 1), RefTime(2000, 12, 31), "leap year"},
  };
  for (const NormRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    EXPECT_DOUBLE_EQ(Norm(row.dCount, row.eUnit, row.dFrom), row.dExpected);
  }
}

TEST_F(UnitArithmetic, NormClockUnits) {
  const NormRow kRows[] = {
      {2, xHour, RefTime(2001, 1, 1, 23), RefTime(2001, 1, 2, 1), "across midnight"},
      {-2, xHour, RefTime(2001, 1, 1, 1), RefTime(2000, 12, 31, 23), "back across midnight"},
      {1.5, xHour, RefTime(2001, 1, 1, 10), RefTime(2001, 1, 1, 11, 30), "fractional hours"},
      {90, xMinute, RefTime(2001, 1, 1, 10), RefTime(2001, 1, 1, 11, 30), "minutes"},
      {61, xSecond, RefTime(2001, 1, 1, 10), RefTime(2001, 1, 1, 10, 1, 1), "seconds"},
      {3, xHundredth, RefTime(2001, 1, 1, 10), RefTime(2001, 1, 1, 10, 0, 0, 30), "10 ms"},
      {3, xTenth, RefTime(2001, 1, 1, 10), RefTime(2001, 1, 1, 10, 0, 0, 300), "100 ms"},
      {1, xThousandth, RefTime(2001, 1, 1, 23, 59, 59, 999), RefTime(2001, 1, 2), "one ms"},
      {48, xHour, RefTime(2000, 2, 28, 12), RefTime(2000, 3, 1, 12), "two days"},
      {24 * 365.0 * 100, xHour, RefTime(1900, 1, 1), RefTime(1999, 12, 8), "a century"},
  };
  for (const NormRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    EXPECT_DOUBLE_EQ(Norm(row.dCount, row.eUnit, row.dFrom), row.dExpected);
  }
}

TEST_F(UnitArithmetic, NormUnknownUnitReportsAndPutsTheTimeBack) {
  for (int unit : {0, 16, -3}) {
    SCOPED_TRACE(unit);
    cvn::test::ScaleAssertRecorder recorder;
    EXPECT_DOUBLE_EQ(Norm(5, static_cast<xTimePartsEnum>(unit), RefTime(2001, 3, 4, 5, 6, 7)),
                     RefTime(2001, 3, 4, 5, 6, 7));
    ASSERT_EQ(recorder.mGet().size(), 1u);
    EXPECT_EQ(recorder.mGet()[0].sExpression, "false");
    EXPECT_EQ(recorder.mGet()[0].sFile, "time");
    EXPECT_EQ(recorder.mGet()[0].uLine, 5359u);
  }
}

TEST_F(UnitArithmetic, NormUnusableInputsGiveTheMissingCode) {
  const NormRow kRows[] = {
      {1, xDay, kNaN, Missing(), "NaN time"},
      {1, xDay, kInf, Missing(), "infinite time"},
      {1, xDay, Missing(), Missing(), "missing time"},
      {1, xDay, 1e12, Missing(), "far beyond year 9999"},
      {kNaN, xDay, RefTime(2001, 1, 1), Missing(), "NaN count"},
      {kInf, xHour, RefTime(2001, 1, 1), Missing(), "infinite count"},
      {1, xDay, RefTime(9999, 12, 31), Missing(), "past the last day"},
      {1, xYear, RefTime(9999, 6, 1), Missing(), "past the last year"},
      {1, xMonthNumber, RefTime(9999, 12, 1), Missing(), "past the last month"},
      {-1, xWeekLabelFirst, RefTime(1, 1, 3), Missing(), "before the first day"},
      {1e300, xHour, RefTime(2001, 1, 1), Missing(), "huge hour count"},
      {-1e15, xThousandth, RefTime(2001, 1, 1), Missing(), "huge negative ms"},
      {2147483648.0, xYear, RefTime(2001, 1, 1), Missing(), "count beyond int"},
      {1e10, xMonthNumber, RefTime(2001, 1, 1), Missing(), "count beyond int months"},
      {0, xDay, RefTime(9999, 12, 31, 12), RefTime(9999, 12, 31, 12), "last day itself"},
      {0, xDay, RefTime(1, 1, 1), RefTime(1, 1, 1), "first day itself"},
  };
  cvn::test::ScaleAssertRecorder recorder;
  for (const NormRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    EXPECT_EQ(Norm(row.dCount, row.eUnit, row.dFrom), row.dExpected);
  }
  EXPECT_TRUE(recorder.mGet().empty());
  m_time.mNormToCorvaneTime(1, xDay, 0.0, nullptr);  // no result to write: no crash
}

TEST_F(UnitArithmetic, OneUnitNearTheFixedClock) {
  // 15 January 2001, 10:20:30.400 local time.
  cvn::platform::mSetClockForTesting([](cvn::platform::xLocalClock* out) {
    *out = cvn::platform::xLocalClock{101, 14, 10, 20, 30, 400};
  });
  EXPECT_DOUBLE_EQ(m_time.mGetOneCvnUnitOfTime(xDay), 1.0);
  EXPECT_NEAR(m_time.mGetOneCvnUnitOfTime(xHour), 1.0 / 24, 1e-9);
  EXPECT_NEAR(m_time.mGetOneCvnUnitOfTime(xMinute), 1.0 / 1440, 1e-9);
  EXPECT_NEAR(m_time.mGetOneCvnUnitOfTime(xThousandth), 1.0 / 86400000, 1e-9);
  EXPECT_DOUBLE_EQ(m_time.mGetOneCvnUnitOfTime(xWeekLabelFirst), 7.0);
  // 15 February to 15 March 2001; 15 January 2002 to 15 January 2003.
  EXPECT_DOUBLE_EQ(m_time.mGetOneCvnUnitOfTime(xMonthNumber), 28.0);
  EXPECT_DOUBLE_EQ(m_time.mGetOneCvnUnitOfTime(xQuarterLabelFirst), 91.0);  // Apr 15 - Jul 15
  EXPECT_DOUBLE_EQ(m_time.mGetOneCvnUnitOfTime(xYear), 365.0);
  {
    cvn::test::ScaleAssertRecorder recorder;
    EXPECT_DOUBLE_EQ(m_time.mGetOneCvnUnitOfTime(xNoPart), 0.0);
    EXPECT_FALSE(recorder.mGet().empty());
    EXPECT_EQ(recorder.mGet()[0].uLine, 5359u);
  }
  cvn::platform::mSetClockForTesting(nullptr);
}

struct DiffRow {
  double dFirst;
  double dSecond;
  xTimePartsEnum eUnit;
  double dExpected;
  const char* pNote;
};

TEST_F(UnitArithmetic, TimeDiffBoundaryCounts) {
  const double kNewYearsEve = RefTime(2000, 12, 31);
  const double kNewYear = RefTime(2001, 1, 1);
  const DiffRow kRows[] = {
      {kNewYearsEve, kNewYear, xYear, 1, "year"},
      {kNewYearsEve, kNewYear, xQuarterLabelFirst, 1, "quarter"},
      {kNewYearsEve, kNewYear, xQuarterNumberFirst, 1, "quarter"},
      {kNewYearsEve, kNewYear, xMonthNumber, 1, "month"},
      {kNewYearsEve, kNewYear, xMonthName, 1, "month"},
      {kNewYearsEve, kNewYear, xDay, 1, "day"},
      {kNewYear, RefTime(2001, 12, 31), xYear, 0, "same year"},
      {kNewYear, RefTime(2001, 12, 31), xMonthNumber, 11, "eleven months"},
      {kNewYear, RefTime(2001, 12, 31), xQuarterLabelFirst, 3, "three quarters"},
      {RefTime(1999, 2, 10), RefTime(2001, 3, 1), xMonthAbbrev, 25, "across two years"},
      {RefTime(1999, 2, 10), RefTime(2001, 8, 1), xQuarterLabelFirst, 10, "quarters"},
      {RefTime(2001, 1, 1, 10), RefTime(2001, 1, 3, 9), xHour, 47, "hours"},
      {RefTime(2001, 1, 1, 10), RefTime(2001, 1, 1, 11, 59, 59), xMinute, 119, "minutes"},
      {RefTime(2001, 1, 1, 10), RefTime(2001, 1, 2, 10, 0, 1), xSecond, 86401, "seconds"},
      {RefTime(2001, 1, 1), RefTime(2001, 1, 1, 0, 0, 1, 5), xThousandth, 1005, "ms"},
      // Spans beyond 32 bits (regression: the products used to wrap).
      {RefTime(2001, 1, 1), RefTime(2001, 1, 31), xThousandth, 2592000000.0, "30 days in ms"},
      {RefTime(1900, 1, 1), RefTime(2000, 1, 1), xSecond, 36524.0 * 86400, "century, seconds"},
      {RefTime(1000, 1, 1), RefTime(4000, 1, 1), xThousandth,
       (RefTime(4000, 1, 1) - RefTime(1000, 1, 1)) * 86400000.0, "three millennia, ms"},
      // Nothing counts unless the second time is later.
      {kNewYear, kNewYear, xDay, 0, "equal"},
      {kNewYear, kNewYearsEve, xYear, 0, "reversed"},
      {kNaN, kNewYear, xDay, 0, "NaN first"},
      {kNewYear, kNaN, xDay, 0, "NaN second"},
      {Missing(), kNewYear, xDay, 0, "missing first"},
      {kNewYear, kInf, xDay, 0, "infinite second"},
      {-kInf, kNewYear, xDay, 0, "infinite first"},
  };
  cvn::test::ScaleAssertRecorder recorder;
  for (const DiffRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    EXPECT_EQ(Diff(row.dFirst, row.dSecond, row.eUnit), row.dExpected);
  }
  EXPECT_TRUE(recorder.mGet().empty());
}

TEST_F(UnitArithmetic, TimeDiffInWeeks) {
  Access::mSetStartDayOfWeek(m_time, 0);  // Monday
  // 2001 began on a Monday: weeks 1 and 2 begin on 1 and 8 January.
  EXPECT_EQ(Diff(RefTime(2001, 1, 1), RefTime(2001, 1, 7), xWeekLabelFirst), 0);
  EXPECT_EQ(Diff(RefTime(2001, 1, 1), RefTime(2001, 1, 8), xWeekLabelFirst), 1);
  EXPECT_EQ(Diff(RefTime(2001, 1, 7), RefTime(2001, 1, 22), xWeekNumberFirst), 3);
  // Across a year every year counts 53 weeks: 31 Dec 2001 (week 53) to
  // 1 Jan 2002 (week 1) is one boundary.
  EXPECT_EQ(Diff(RefTime(2001, 12, 31), RefTime(2002, 1, 1), xWeekLabelFirst), 1);
}

TEST_F(UnitArithmetic, TimeDiffWithoutRuleReports) {
  for (int unit : {13, 14, 0, 99}) {
    SCOPED_TRACE(unit);
    cvn::test::ScaleAssertRecorder recorder;
    EXPECT_EQ(Diff(RefTime(2001, 1, 1), RefTime(2001, 1, 2), static_cast<xTimePartsEnum>(unit)),
              0);
    EXPECT_EQ(recorder.mLines(), std::vector<unsigned>{9341u});
  }
  // No report when nothing is counted at all.
  cvn::test::ScaleAssertRecorder recorder;
  EXPECT_EQ(Diff(RefTime(2001, 1, 2), RefTime(2001, 1, 1), xTenth), 0);
  EXPECT_TRUE(recorder.mGet().empty());
}

}  // namespace
