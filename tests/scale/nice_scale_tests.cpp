// Nice scales of a time axis: unit, increment, first tick, tick positions,
// trimming, scale ends and the shortened part list, from a second to
// centuries and for every unit.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <limits>
#include <vector>

#include "scale/scale_access.h"
#include "time/scale/scale_detail.h"

namespace {

using cvn::test::Missing;
using cvn::test::RefTime;
using Access = CmTimeClsTestAccess;
using Part = CmTimeCls::xTimePartsStruct;
using Kinds = std::vector<xTimePartsEnum>;
using Ticks = std::vector<double>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUnset = -777.0;

struct ScaleCase {
  std::initializer_list<Part> parts;
  double dMin, dMax;
  int iMinTicks, iMaxTicks;
  Ticks expected;
  Kinds keptParts;
  const char* pNote;
};

class NiceScale : public testing::Test {
 protected:
  // Runs the search with both ends requested and checks ticks, ends (the
  // data range with a 6% margin, widened to the outer ticks) and parts.
  void Check(const ScaleCase& c) {
    SCOPED_TRACE(c.pNote);
    Access::mSetParts(m_time, c.parts);
    double dScaleMin = kUnset, dScaleMax = kUnset;
    Ticks ticks = {1.0, 2.0};  // replaced
    cvn::test::ScaleAssertRecorder recorder;
    m_time.mFindNiceScale(c.dMin, c.dMax, c.iMinTicks, c.iMaxTicks, true, true, &dScaleMin,
                          &dScaleMax, ticks);
    EXPECT_TRUE(recorder.mGet().empty());
    ASSERT_EQ(ticks.size(), c.expected.size());
    for (size_t i = 0; i < ticks.size(); ++i) {
      EXPECT_DOUBLE_EQ(ticks[i], c.expected[i]) << "tick " << i;
    }
    double dMin = c.dMin, dMax = c.dMax;
    if (dMax - dMin < 1e-9) dMin -= 0.5, dMax += 0.5;
    const double dMargin = 0.06 * (dMax - dMin);
    EXPECT_DOUBLE_EQ(dScaleMin, std::min(dMin - dMargin, ticks.front()));
    EXPECT_DOUBLE_EQ(dScaleMax, std::max(dMax + dMargin, ticks.back()));
    EXPECT_EQ(Access::mPartKinds(m_time), c.keptParts);
  }
  CmTimeCls m_time;
};

const std::initializer_list<Part> kDMY = {{xDay, 1}, {xMonthNumber, 1}, {xYear, 4}};

TEST_F(NiceScale, YearsOverADecade) {
  // Year unit, target 6, wanted 2, increment 2, start 1 January 2000, seven
  // ticks 2000..2012. The last goes (the calendar midpoint of 2010 and 2012,
  // 1 January 2011, is after the data). The first stays: the calendar
  // midpoint of 2000 and 2002 is 1 January 2001, not before dataMin, though
  // the leap day puts their mean in days half a day earlier.
  Check({kDMY, RefTime(2001, 1, 1), RefTime(2010, 12, 31), 4, 8,
         {RefTime(2000, 1, 1), RefTime(2002, 1, 1), RefTime(2004, 1, 1), RefTime(2006, 1, 1),
          RefTime(2008, 1, 1), RefTime(2010, 1, 1)},
         {xDay, xMonthNumber, xYear},
         "2001..2010"});
  // Starting a year later the first tick stays, and so does 2012 (the
  // midpoint of 2010 and 2012, 1 January 2011, is before the data's end).
  // Half a day later the first data day drops the 2000 tick.
  Check({kDMY, RefTime(2001, 1, 1) + 0.5, RefTime(2010, 12, 31), 4, 8,
         {RefTime(2002, 1, 1), RefTime(2004, 1, 1), RefTime(2006, 1, 1), RefTime(2008, 1, 1),
          RefTime(2010, 1, 1)},
         {xDay, xMonthNumber, xYear},
         "noon of 1 January 2001..2010"});
  Check({kDMY, RefTime(2002, 1, 1), RefTime(2011, 12, 31), 4, 8,
         {RefTime(2002, 1, 1), RefTime(2004, 1, 1), RefTime(2006, 1, 1), RefTime(2008, 1, 1),
          RefTime(2010, 1, 1), RefTime(2012, 1, 1)},
         {xDay, xMonthNumber, xYear},
         "2002..2011"});
}

TEST_F(NiceScale, Centuries) {
  // 2999 years: wanted 500, a multiple of the last year factor (100).
  Check({{{xYear, 4}}, RefTime(1000, 1, 1), RefTime(3999, 12, 31), 4, 8,
         {RefTime(1000, 1, 1), RefTime(1500, 1, 1), RefTime(2000, 1, 1), RefTime(2500, 1, 1),
          RefTime(3000, 1, 1), RefTime(3500, 1, 1), RefTime(4000, 1, 1)},
         {xYear},
         "1000..3999"});
}

TEST_F(NiceScale, QuartersStartOnTheirFirstMonth) {
  // Quarter increment 1 with dataMin in May: the first tick is 1 April.
  Check({{{xQuarterLabelFirst, 1}, {xYear, 4}}, RefTime(2001, 5, 15), RefTime(2002, 11, 20), 6,
         8,
         {RefTime(2001, 4, 1), RefTime(2001, 7, 1), RefTime(2001, 10, 1), RefTime(2002, 1, 1),
          RefTime(2002, 4, 1), RefTime(2002, 7, 1), RefTime(2002, 10, 1), RefTime(2003, 1, 1)},
         {xQuarterLabelFirst, xYear},
         "quarters"});
}

TEST_F(NiceScale, MonthsByThreeStartOnTheRoundMonth) {
  // 31 month steps, target 11: increment 3, and May rounds down to April.
  Check({{{xMonthNumber, 2}, {xYear, 4}}, RefTime(2001, 5, 15), RefTime(2003, 11, 20), 10, 12,
         {RefTime(2001, 4, 1), RefTime(2001, 7, 1), RefTime(2001, 10, 1), RefTime(2002, 1, 1),
          RefTime(2002, 4, 1), RefTime(2002, 7, 1), RefTime(2002, 10, 1), RefTime(2003, 1, 1),
          RefTime(2003, 4, 1), RefTime(2003, 7, 1), RefTime(2003, 10, 1), RefTime(2004, 1, 1)},
         {xMonthNumber, xYear},
         "months"});
}

TEST_F(NiceScale, WeekTicksAcrossAYearEnd) {
  Access::mSetStartDayOfWeek(m_time, 0);  // weeks begin on Monday
  // Week 49 of 2003 begins on Monday 1 December; by two weeks: 15 and
  // 29 December, then week 1 of 2004 (Thursday 1 January) replaces the
  // tick of 29 December, which lies only three days before it.
  Check({{{xWeekLabelFirst, 2}, {xYear, 4}}, RefTime(2003, 12, 1), RefTime(2004, 1, 31), 4, 8,
         {RefTime(2003, 12, 1), RefTime(2003, 12, 15), RefTime(2004, 1, 1), RefTime(2004, 1, 12),
          RefTime(2004, 1, 26)},
         {xWeekLabelFirst, xYear},
         "weeks"});
}

TEST_F(NiceScale, DayTicksRestartEachMonth) {
  // Increment 6 days from 1 January; 31 January is too close to 1 February.
  Check({kDMY, RefTime(2001, 1, 1), RefTime(2001, 2, 5), 4, 8,
         {RefTime(2001, 1, 1), RefTime(2001, 1, 7), RefTime(2001, 1, 13), RefTime(2001, 1, 19),
          RefTime(2001, 1, 25), RefTime(2001, 2, 1), RefTime(2001, 2, 7)},
         {xDay, xMonthNumber, xYear},
         "days"});
}

TEST_F(NiceScale, HoursKeepTheMinutes) {
  const std::initializer_list<Part> kParts = {{xDay, 1},    {xMonthNumber, 1}, {xYear, 4},
                                              {xHour, 2},   {xMinute, 2},      {xSecond, 2}};
  Check({kParts, RefTime(2001, 3, 1, 5, 20), RefTime(2001, 3, 3, 17, 45), 4, 8,
         {RefTime(2001, 3, 1), RefTime(2001, 3, 1, 12), RefTime(2001, 3, 2), RefTime(2001, 3, 2, 12),
          RefTime(2001, 3, 3), RefTime(2001, 3, 3, 12)},
         {xDay, xMonthNumber, xYear, xHour, xMinute},
         "hours by 12"});
}

TEST_F(NiceScale, MinutesWantedSeventyGiveOneHundredTwenty) {
  const std::initializer_list<Part> kParts = {{xDay, 1},  {xMonthNumber, 1}, {xYear, 4},
                                              {xHour, 2}, {xMinute, 2},      {xSecond, 2},
                                              {xThousandth, 3}};
  // 420 minute steps over target 6: wanted 70, past the minute list's 60.
  Check({kParts, RefTime(2001, 3, 1), RefTime(2001, 3, 1, 6, 59), 8, 5,
         {RefTime(2001, 3, 1), RefTime(2001, 3, 1, 2), RefTime(2001, 3, 1, 4),
          RefTime(2001, 3, 1, 6)},
         {xDay, xMonthNumber, xYear, xHour, xMinute, xSecond},
         "minutes by 120"});
}

TEST_F(NiceScale, SecondsKeepTheThousandths) {
  const std::initializer_list<Part> kParts = {
      {xHour, 2}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}};
  Check({kParts, RefTime(2001, 3, 1, 10, 0, 0, 250), RefTime(2001, 3, 1, 10, 0, 45, 700), 4, 8,
         {RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 0, 10), RefTime(2001, 3, 1, 10, 0, 20),
          RefTime(2001, 3, 1, 10, 0, 30), RefTime(2001, 3, 1, 10, 0, 40),
          RefTime(2001, 3, 1, 10, 0, 50)},
         {xHour, xMinute, xSecond, xThousandth},
         "seconds by 10"});
}

TEST_F(NiceScale, ThousandthsOverASecond) {
  const std::initializer_list<Part> kParts = {
      {xHour, 2}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}};
  Check({kParts, RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 0, 1), 4, 8,
         {RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 0, 0, 200),
          RefTime(2001, 3, 1, 10, 0, 0, 400), RefTime(2001, 3, 1, 10, 0, 0, 600),
          RefTime(2001, 3, 1, 10, 0, 0, 800), RefTime(2001, 3, 1, 10, 0, 1)},
         {xHour, xMinute, xSecond, xThousandth},
         "one second by 200 ms"});
  // The first tick goes when the midpoint of the first two is before the data.
  Check({kParts, RefTime(2001, 3, 1, 12, 0, 0, 120), RefTime(2001, 3, 1, 12, 0, 0, 950), 4, 8,
         {RefTime(2001, 3, 1, 12, 0, 0, 200), RefTime(2001, 3, 1, 12, 0, 0, 400),
          RefTime(2001, 3, 1, 12, 0, 0, 600), RefTime(2001, 3, 1, 12, 0, 0, 800),
          RefTime(2001, 3, 1, 12, 0, 1)},
         {xHour, xMinute, xSecond, xThousandth},
         "830 ms"});
}

TEST_F(NiceScale, EqualEndsSpanOneDayCentredOnTheValue) {
  const std::initializer_list<Part> kParts = {
      {xDay, 1}, {xMonthNumber, 1}, {xYear, 4}, {xHour, 2}, {xMinute, 2}};
  const double t = RefTime(2001, 3, 15, 12);
  Check({kParts, t, t, 4, 8,
         {RefTime(2001, 3, 15), RefTime(2001, 3, 15, 6), RefTime(2001, 3, 15, 12),
          RefTime(2001, 3, 15, 18), RefTime(2001, 3, 16)},
         {xDay, xMonthNumber, xYear, xHour, xMinute},
         "one value"});
}

TEST_F(NiceScale, ReversedMissingOrUnusableRangesBecomeZeroWidened) {
  const Ticks kAroundZero = {0.0, 1.0};  // 30 and 31 December 1899
  const struct {
    double dMin, dMax;
    const char* pNote;
  } kRows[] = {
      {RefTime(2001, 1, 2), RefTime(2001, 1, 1), "reversed"},
      {Missing(), Missing(), "both missing"},
      {Missing(), RefTime(2001, 1, 1), "one missing"},
      {kNaN, RefTime(2001, 1, 1), "NaN"},
      {0.0, std::numeric_limits<double>::infinity(), "infinite"},
      {-1e12, 1e12, "far outside the years 1..9999"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pNote);
    Access::mSetParts(m_time, kDMY);
    double dScaleMin = kUnset, dScaleMax = kUnset;
    Ticks ticks;
    m_time.mFindNiceScale(row.dMin, row.dMax, 4, 8, true, true, &dScaleMin, &dScaleMax, ticks);
    EXPECT_EQ(ticks, kAroundZero);
    EXPECT_DOUBLE_EQ(dScaleMin, -0.56);
    EXPECT_DOUBLE_EQ(dScaleMax, 1.0);
  }
}

TEST_F(NiceScale, EndsNotRequestedAreNotWritten) {
  Access::mSetParts(m_time, kDMY);
  double dScaleMin = kUnset, dScaleMax = kUnset;
  Ticks ticks;
  m_time.mFindNiceScale(RefTime(2001, 1, 1), RefTime(2010, 12, 31), 4, 8, false, false,
                        &dScaleMin, &dScaleMax, ticks);
  EXPECT_EQ(dScaleMin, kUnset);
  EXPECT_EQ(dScaleMax, kUnset);
  EXPECT_FALSE(ticks.empty());
  Access::mSetParts(m_time, kDMY);
  m_time.mFindNiceScale(RefTime(2001, 1, 1), RefTime(2010, 12, 31), 4, 8, true, false,
                        &dScaleMin, &dScaleMax, ticks);
  EXPECT_NE(dScaleMin, kUnset);
  EXPECT_EQ(dScaleMax, kUnset);
  Access::mSetParts(m_time, kDMY);
  m_time.mFindNiceScale(RefTime(2001, 1, 1), RefTime(2010, 12, 31), 4, 8, true, true, nullptr,
                        nullptr, ticks);  // nowhere to write: no crash
}

TEST_F(NiceScale, FormatWithoutPartsReportsAndGivesNoTicks) {
  Access::mSetParts(m_time, {});
  double dScaleMin = kUnset, dScaleMax = kUnset;
  Ticks ticks = {1, 2, 3};
  cvn::test::ScaleAssertRecorder recorder;
  m_time.mFindNiceScale(10.0, 20.0, 4, 8, true, true, &dScaleMin, &dScaleMax, ticks);
  EXPECT_TRUE(ticks.empty());
  EXPECT_DOUBLE_EQ(dScaleMin, 10.0 - 0.6);
  EXPECT_DOUBLE_EQ(dScaleMax, 20.0 + 0.6);
  EXPECT_EQ(recorder.mLines(), std::vector<unsigned>{4640u});
  // A part count beyond the array is read as the array.
  Access::mSetParts(m_time, kDMY);
  Access::mSetNumParts(m_time, 99);
  m_time.mFindNiceScale(10.0, 20.0, 4, 8, true, true, &dScaleMin, &dScaleMax, ticks);
  EXPECT_FALSE(ticks.empty());
}

TEST_F(NiceScale, HundredthsAndTenthsAreLaidOutInThousandths) {
  for (xTimePartsEnum unit : {xHundredth, xTenth}) {
    SCOPED_TRACE(static_cast<int>(unit));
    Access::mSetParts(m_time, {{xSecond, 2}, {unit, 2}});
    Ticks ticks;
    double dScaleMin = 0, dScaleMax = 0;
    cvn::test::ScaleAssertRecorder recorder;
    m_time.mFindNiceScale(RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 0, 1), 4, 8, true,
                          true, &dScaleMin, &dScaleMax, ticks);
    EXPECT_EQ(recorder.mLines(), std::vector<unsigned>{4640u});
    ASSERT_EQ(ticks.size(), 6u);
    EXPECT_DOUBLE_EQ(ticks[1], RefTime(2001, 3, 1, 10, 0, 0, 200));
    EXPECT_EQ(Access::mPartKinds(m_time), (Kinds{xSecond, unit}));
  }
}

TEST_F(NiceScale, ExtremeTickCountsAreBounded) {
  // Every tick wanted: one per millisecond, capped.
  Access::mSetParts(m_time, {{xSecond, 2}, {xThousandth, 3}});
  Ticks ticks;
  double dScaleMin = 0, dScaleMax = 0;
  m_time.mFindNiceScale(RefTime(2001, 1, 1), RefTime(2002, 1, 1), INT_MAX, INT_MAX, true, true,
                        &dScaleMin, &dScaleMax, ticks);
  ASSERT_EQ(ticks.size(), static_cast<size_t>(cvn::detail::kMaxScaleTicks));
  EXPECT_DOUBLE_EQ(ticks[0], RefTime(2001, 1, 1));
  EXPECT_DOUBLE_EQ(ticks[1], RefTime(2001, 1, 1, 0, 0, 0, 1));
  EXPECT_DOUBLE_EQ(ticks.back(), RefTime(2001, 1, 1, 0, 1, 39, 999));
  // Tick targets below one count as one: the coarsest part wins and the
  // increment covers the range (4 years wanted: 5).
  for (int ticksWanted : {0, -5, INT_MIN}) {
    SCOPED_TRACE(ticksWanted);
    Access::mSetParts(m_time, kDMY);
    m_time.mFindNiceScale(RefTime(2001, 1, 1), RefTime(2004, 1, 1), ticksWanted, ticksWanted,
                          true, true, &dScaleMin, &dScaleMax, ticks);
    EXPECT_EQ(ticks, (Ticks{RefTime(2000, 1, 1), RefTime(2005, 1, 1)}));
  }
}

}  // namespace
