// Nice scales of a time axis in the default mode (unit, increment, first
// tick, ticks, trimming, ends and the parts kept for tick labels), the two
// tick generators. Random ranges of both modes: time_scale_tests.cpp;
// hostile inputs: fuzz/fuzz_scales.cpp.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "support/access.h"
#include "time/scale/scale_detail.h"

namespace {

using namespace cvn::test;  // T, Missing, AssertLog, Days, Months, Steps, Ticks
using Access = CmTimeClsTestAccess::Scale;
using Part = CmTimeCls::xTimePartsStruct;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kUnset = -777.0;
constexpr int kMaxTicks = 100000;  // the most ticks any call gives
const double kSecond = 1 / 86400.0, kMs = kSecond / 1000, kTen = T(2001, 3, 1, 10);

double Y(int y, int m = 1) { return T(y, m, 1); }  // the first day of a month

void ExpectTicks(const Ticks& actual, const Ticks& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9) << i;
}

class NiceScale : public testing::Test {
 protected:
  void SetUp() override { CmTimeClsTestAccess::mSetStartDay(m_time, 0); }  // weeks begin on Monday
  Ticks Scale(std::initializer_list<Part> parts, double dMin, double dMax, int minTicks,
              int maxTicks, bool bEnds = true) {
    CmTimeClsTestAccess::mSetParts(m_time, parts);
    Ticks ticks = {1.0, 2.0};  // replaced
    m_dScaleMin = m_dScaleMax = kUnset;
    m_time.mFindNiceScale(dMin, dMax, minTicks, maxTicks, bEnds, bEnds, &m_dScaleMin, &m_dScaleMax,
                          ticks);
    return ticks;
  }
  CmTimeCls m_time;
  double m_dScaleMin = kUnset, m_dScaleMax = kUnset;
};

// Formats: date, date and time to the minute, second or thousandth, the
// time to the thousandth, quarter and year, month and year, week and year.
using Parts = std::initializer_list<Part>;
const Parts kD = {{xDay, 1}, {xMonthNumber, 1}, {xYear, 4}},
            kDTs = {{xDay, 1},  {xMonthNumber, 1}, {xYear, 4},
                    {xHour, 2}, {xMinute, 2},      {xSecond, 2}},
            kDTf = {{xDay, 1},    {xMonthNumber, 1}, {xYear, 4},      {xHour, 2},
                    {xMinute, 2}, {xSecond, 2},      {xThousandth, 3}},
            kTf = {{xHour, 2}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}},
            kQ = {{xQuarterLabelFirst, 1}, {xYear, 4}}, kM = {{xMonthNumber, 2}, {xYear, 4}},
            kW = {{xWeekLabelFirst, 2}, {xYear, 4}};

TEST_F(NiceScale, EachUnit) {
  const double kMar1 = T(2001, 3, 1), kHour = 1 / 24.0;
  const struct {
    std::initializer_list<Part> xParts;
    double dMin, dMax;
    int iMinTicks, iMaxTicks;
    Ticks vTicks;
    const char* sKept;  // kind letters of CmTimeClsTestAccess::mPartKinds
  } kRows[] = {
      // Years 2001..2010 by 4..8 ticks: target 6, wanted 2, increment 2,
      // start 2000, seven ticks to 2012. 2012 goes: the midpoint of 2010
      // and 2012 lies after the data. 2000 stays: the midpoint of 2000 and
      // 2002 is taken on the calendar, 1 January 2001, not before the data
      // (the mean in days lies half a day earlier, for the leap day).
      {kD, Y(2001), T(2010, 12, 31), 4, 8, Months(6, 2000, 1, 24), "DNY"},
      // Half a day later the first data day drops the 2000 tick.
      {kD, Y(2001) + 0.5, T(2010, 12, 31), 4, 8, Months(5, 2002, 1, 24), "DNY"},
      // The midpoint of 2010 and 2012 lies before the data's end: 2012 stays.
      {kD, Y(2002), T(2011, 12, 31), 4, 8, Months(6, 2002, 1, 24), "DNY"},
      // Four years reach minTicks 4: a coarser part becomes the unit when it
      // gives at least minTicks steps (months would keep a tick for 2005).
      {kD, Y(2001), Y(2004, 7), 4, 4, Months(4, 2001, 1, 12), "DNY"},
      // A quarter increment of 1 in May starts on 1 April.
      {kQ, T(2001, 5, 15), T(2002, 11, 20), 6, 8, Months(8, 2001, 4, 3), "QY"},
      // A month increment of 3 (31 steps, target 11) in May starts on 1 April.
      {kM, T(2001, 5, 15), T(2003, 11, 20), 10, 12, Months(12, 2001, 4, 3), "NY"},
      // Weeks by two from week 49 of 2003 (Monday 1 December): 15 and 29
      // December, then week 1 of 2004 (Thursday 1 January) replaces the tick
      // of 29 December, three days before it; then 12 and 26 January.
      {kW, Y(2003, 12), T(2004, 1, 31), 4, 8, Days(Y(2003, 12), {0, 14, 31, 42, 56}), "WY"},
      // Week 1 of 2007 (Monday 1 January) lies exactly half the increment
      // after the tick of 25 December 2006 (week 53), and replaces it too.
      {kW, T(2006, 11, 27), T(2007, 1, 31), 4, 8, Days(T(2006, 11, 27), {0, 14, 35, 49, 63}), "WY"},
      // Days by 6 from the 1st of each month (7, 13, 19, 25 January, 1 and
      // 7 February): 31 January is too close to 1 February.
      {kD, Y(2001), T(2001, 2, 5), 4, 8, Days(Y(2001), {0, 6, 12, 18, 24, 31, 37}), "DNY"},
      // From 6:00 the ticks stay at midnight (the hour is cleared); 1 January goes.
      {kD, Y(2001) + 0.25, T(2001, 2, 5), 4, 8, Days(Y(2001), {6, 12, 18, 24, 31, 37}), "DNY"},
      // Hours by 12 keep the minutes; the month and day always stay.
      {kDTs, T(2001, 3, 1, 5, 20), T(2001, 3, 3, 17, 45), 4, 8, Steps(6, kMar1, 0.5), "DNYhm"},
      // 420 minute steps over target 6 want 70: past the minute list's 60,
      // the next multiple of 60 is 120. Minutes keep the seconds.
      {kDTf, kMar1, T(2001, 3, 1, 6, 59), 8, 5, Steps(4, kMar1, 2 * kHour), "DNYhms"},
      // Thousandths by 200; from 120 ms the first tick goes (its midpoint
      // with the second lies before the data).
      {kTf, kTen, kTen + kSecond, 4, 8, Steps(6, kTen, 200 * kMs), "hmsf"},
      {kTf, kTen + 120 * kMs, kTen + 950 * kMs, 4, 8, Steps(5, kTen + 200 * kMs, 200 * kMs),
       "hmsf"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.dMin << " .. " << row.dMax);
    AssertCapture log;
    const Ticks ticks = Scale(row.xParts, row.dMin, row.dMax, row.iMinTicks, row.iMaxTicks);
    ExpectTicks(ticks, row.vTicks);
    EXPECT_EQ(Access::mPartKinds(m_time), row.sKept);
    EXPECT_TRUE(AssertCapture::mReports().empty());
    // The ends: the data range widened by 6%, and on to the outer ticks.
    double dMin = row.dMin, dMax = row.dMax;
    EXPECT_DOUBLE_EQ(m_dScaleMin, std::min(dMin - 0.06 * (dMax - dMin), ticks.front()));
    EXPECT_DOUBLE_EQ(m_dScaleMax, std::max(dMax + 0.06 * (dMax - dMin), ticks.back()));
  }
  // Ends not asked for keep their variables; with nowhere to write, no
  // crash; a part count beyond the array is read as the array.
  Scale(kD, Y(2001), T(2010, 12, 31), 4, 8, false);
  EXPECT_EQ(m_dScaleMin + m_dScaleMax, 2 * kUnset);
  CmTimeClsTestAccess::mSetParts(m_time, kD, 99);
  Ticks ticks;
  m_time.mFindNiceScale(Y(2001), Y(2010), 4, 8, true, true, nullptr, nullptr, ticks);
  EXPECT_EQ(ticks.size(), 6u);
}

TEST_F(NiceScale, UndefinedInputs) {
  // A reversed range, or one with an end that is missing, NaN, infinite or
  // outside the years 1..9999, is the range 0 .. 0 widened to -0.5 .. 0.5.
  const double kRanges[][2] = {{Y(2001, 2), Y(2001)}, {kMissing, kMissing}, {kMissing, Y(2001)},
                               {kNaN, Y(2001)},       {0.0, kInf},          {-1e12, 1e12}};
  for (const auto& range : kRanges) {
    SCOPED_TRACE(testing::Message() << range[0] << " .. " << range[1]);
    ExpectTicks(Scale(kD, range[0], range[1], 4, 8), {0.0, 1.0});
    EXPECT_DOUBLE_EQ(m_dScaleMin, -0.56);
    EXPECT_DOUBLE_EQ(m_dScaleMax, 1.0);
  }
  // No parts: no unit; a report, no ticks, the data range with its margin.
  AssertCapture log;
  EXPECT_TRUE(Scale({}, 10.0, 20.0, 4, 8).empty());
  EXPECT_DOUBLE_EQ(m_dScaleMin, 9.4);
  EXPECT_DOUBLE_EQ(m_dScaleMax, 20.6);
  // Hundredths and tenths have no rounding rule: a report, then thousandths.
  for (xTimePartsEnum eUnit : {xHundredth, xTenth}) {
    ExpectTicks(Scale({{xSecond, 2}, {eUnit, 2}}, kTen, kTen + kSecond, 4, 8),
                Steps(6, kTen, 200 * kMs));
    EXPECT_EQ(Access::mPartKinds(m_time), eUnit == xTenth ? "st" : "su");
  }
  EXPECT_EQ(AssertCapture::mReports(), std::vector<std::string>(3, "false time 4640"));
  // Every tick wanted: one per millisecond, capped. Targets below one count
  // as one: the coarsest part, an increment over the range (5 years).
  const Ticks vMany = Scale({{xSecond, 2}, {xThousandth, 3}}, Y(2001), Y(2002), INT_MAX, INT_MAX);
  ASSERT_EQ(vMany.size(), static_cast<size_t>(kMaxTicks));
  EXPECT_NEAR(vMany.back(), T(2001, 1, 1, 0, 1, 39, 999), 1e-12);
  for (int iTarget : {0, -5, INT_MIN})
    ExpectTicks(Scale(kD, Y(2001), Y(2004), iTarget, iTarget), {Y(2000), Y(2005)});
  // dataMax on the second-last of two ticks removes the last.
  Ticks vTwo = {0, 10};
  cvn::detail::mTrimScaleTicks(vTwo, -1, 0);
  EXPECT_EQ(vTwo, Ticks{0});
}

TEST(TickGenerators, Rows) {
  CmTimeCls time;
  // 'N' mGenerateNewTimes(code, increments, start, lowest, count); 'D'
  // mGenerateSpecialDayMonthTimes(code, increments, start, lowest, day of
  // month, count).
  const double kJan1 = Y(2001), kJan31 = T(2001, 1, 31), kNoon = T(2001, 1, 1, 12);
  const struct {
    char cOp;
    int iCode;
    std::vector<int> vIncrements;
    double dStart, dLowest;
    int iDay, iCount;
    Ticks vTicks;
  } kRows[] = {
      // Months from the start, each lowered to its month's length.
      {'N', 16, {1}, kJan31, kJan31, 0, 4, Days(kJan31, {0, 28, 59, 89})},
      {'N', 32, {2}, kJan1, 0, 0, 3, Months(3, 2001, 1, 6)},  // a quarter is 3 months
      {'N', 64, {2}, T(2000, 2, 29), 0, 0, 3, {T(2000, 2, 29), Y(2002, 3), T(2004, 2, 29)}},
      {'N', 7, {15, 5, 1}, kNoon, 0, 0, 3, Steps(3, kNoon, 15 * kSecond)},
      {'N', 0, {250}, kNoon, 0, 0, 2, Steps(2, kNoon, 250 * kMs)},  // code 0: thousandths
      // Day ticks from the 1st of each month: 1, 8, 15, 22 January, then
      // 1 February (29 January is dropped: 3 days are within 2/3 of 7).
      {'D', 8, {7}, kJan1, kJan1, 1, 6, Days(kJan1, {0, 7, 14, 21, 31, 38})},
      // 31 January is dropped, 21 February kept.
      {'D', 24, {10}, kJan1, kJan1, 1, 7, Days(kJan1, {0, 10, 20, 31, 41, 51, 59})},
      // 25 February lies 4 days before 1 March: 2/3 of 6, not more, dropped.
      {'D', 8, {6}, Y(2001, 2), 0, 1, 6, Days(Y(2001, 2), {0, 6, 12, 18, 28, 34})},
      // From the 10th of each month: 7 February, 3 days before the 10th, is
      // entered off the 10th (its month's length not counted) and dropped.
      {'D', 8, {7}, T(2001, 1, 3), 0, 10, 6, Days(T(2001, 1, 3), {0, 7, 14, 21, 28, 38})},
      // Whole months from the 15th: the first month counts from the 15th.
      {'D', 16, {1}, kJan1, 0, 15, 3, Days(kJan1, {0, 17, 48})},
      {'D', 8, {7}, kJan1, T(2001, 1, 10), 1, 3, Days(kJan1, {14, 21, 31})},  // none before lowest
      {'D', 8, {30}, kJan1, kJan1, 1, 3, Months(3, 2001, 1, 1)},
      {'D', 8, {40}, kJan1, kJan1, 1, 3, Months(3, 2001, 1, 1)},   // 10 days over: a month
      {'D', 88, {45}, kJan1, kJan1, 1, 3, Months(3, 2001, 1, 2)},  // 15 days over: two
      {'D', 64, {2}, Y(2000), 0, 1, 3, Months(3, 2000, 1, 24)},
      {'D', 8, {1}, T(9999, 12, 30), 0, 1, 5, Steps(2, T(9999, 12, 30), 1)},  // to the last day
      // Inputs without a defined result: the choices made. Times before
      // lowest are passed over (the step still advances); the year 9999 or
      // 100000 passed-over steps end the ticks; a step of 0 (which would
      // never move or never end), a negative step or count, a day of month
      // outside 1..31 and NaN or missing times give no ticks.
      {'N', 8, {1}, kJan1, kJan1 + 2.5, 0, 3, Days(kJan1, {3, 4, 5})},
      {'N', 64, {1}, T(9998, 6, 1), 0, 0, 5, {T(9998, 6, 1), T(9999, 6, 1)}},
      {'N', 0, {1}, kJan1, kJan1 + 1, 0, 5, {}},
      {'N', 128, {1}, kJan1, kJan1, 0, 5, {}},  // the index unit alone steps nothing
      {'N', 8, {0}, kJan1, kJan1, 0, 5, {}},
      {'D', 16, {0}, kJan1, kJan1, 1, 5, {}},
      {'D', 8, {7}, kJan1, kJan1, 32, 5, {}},
      {'D', 64, {INT_MAX}, kJan1, kJan1, 1, 5, {}},  // the first walk leaves the years
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.cOp << " " << row.iCode << " " << row.dStart);
    Ticks ticks = {-1.0};  // cleared first
    AssertCapture log;
    if (row.cOp == 'N') {
      time.mGenerateNewTimes(row.iCode, row.vIncrements, row.dStart, row.dLowest, row.iCount,
                             ticks);
    } else {
      time.mGenerateSpecialDayMonthTimes(row.iCode, row.vIncrements, row.dStart, row.dLowest,
                                         row.iDay, row.iCount, ticks);
    }
    ExpectTicks(ticks, row.vTicks);
    EXPECT_TRUE(AssertCapture::mReports().empty());
  }
  // A day-month code without a rule: the condition reported, no ticks.
  Ticks ticks;
  AssertCapture log;
  time.mGenerateSpecialDayMonthTimes(4, {1}, kJan1, 0, 1, 5, ticks);
  EXPECT_TRUE(ticks.empty());
  ASSERT_EQ(AssertCapture::mReports().size(), 1u);
  EXPECT_NE(AssertCapture::mReports()[0].find("mDayMonthYear()) time 4162"), std::string::npos);
  // However many ticks are asked for, a call ends and keeps at most 100000.
  time.mGenerateNewTimes(0, {1}, kJan1, kJan1, INT_MAX, ticks);
  EXPECT_EQ(ticks.size(), static_cast<size_t>(kMaxTicks));
  time.mGenerateSpecialDayMonthTimes(8, {1}, kJan1, 0, 1, INT_MAX, ticks);
  EXPECT_EQ(ticks.size(), static_cast<size_t>(kMaxTicks));
}

}  // namespace
