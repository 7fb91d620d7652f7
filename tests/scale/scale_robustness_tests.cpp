// Sweeps of the scale arithmetic over hostile inputs (NaN, infinities,
// huge values, unknown units) and over realistic ranges from a second to
// millennia: every call ends, and results keep their invariants.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
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

const double kHostile[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           DBL_MAX,
                           -DBL_MAX,
                           1e300,
                           Missing(),
                           0.0,
                           -0.0,
                           DBL_TRUE_MIN,
                           -0.25,
                           1e7,
                           -1e7,
                           cvn::detail::kScaleFirstDay,
                           cvn::detail::kScaleLastDay + 0.999,
                           RefTime(2001, 6, 15, 12)};

const int kUnits[] = {INT_MIN, -1, 0,  1,  2,  3,  4,  5,  6,  7,
                      8,       9,  10, 11, 12, 13, 14, 15, 16, INT_MAX};

class ScaleRobustness : public testing::Test {
 protected:
  void SetUp() override { m_pRecorder = new cvn::test::ScaleAssertRecorder(); }
  void TearDown() override { delete m_pRecorder; }
  CmTimeCls m_time;
  cvn::test::ScaleAssertRecorder* m_pRecorder = nullptr;  // silences the reports
};

TEST_F(ScaleRobustness, UnitArithmeticOnHostileInputs) {
  for (int unit : kUnits) {
    const auto eUnit = static_cast<xTimePartsEnum>(unit);
    for (double a : kHostile) {
      for (double b : kHostile) {
        double r = 0.0;
        m_time.mNormToCorvaneTime(b, eUnit, a, &r);
        EXPECT_FALSE(std::isnan(r));
        const double d = Access::mGetTimeDiff(m_time, a, b, eUnit);
        EXPECT_TRUE(std::isfinite(d));
        for (double increment : {1.0, 0.0, -1.0, 1e-300, 1e300}) {
          EXPECT_GE(m_time.mNumTimesInRange(a, b, increment, eUnit), 0);
        }
        Access::mDidBiggerTimeUnitChange(m_time, eUnit, a, b);
      }
    }
  }
}

TEST_F(ScaleRobustness, NiceScalesOnHostileRanges) {
  const std::initializer_list<Part> kFormats[] = {
      {{xDay, 1}, {xMonthNumber, 1}, {xYear, 4}},
      {{xYear, 4}},
      {{xWeekNumberFirst, 2}, {xYear, 4}},
      {{xHour, 2}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}},
      {{xTenth, 1}},
      {},
  };
  for (const auto& format : kFormats) {
    for (double a : kHostile) {
      for (double b : kHostile) {
        for (int iTicks : {6, 0, -3}) {
          Access::mSetParts(m_time, format);
          std::vector<double> ticks;
          double dMin = 0.0, dMax = 0.0;
          m_time.mFindNiceScale(a, b, iTicks, iTicks, true, true, &dMin, &dMax, ticks);
          ASSERT_LE(ticks.size(), static_cast<size_t>(cvn::detail::kMaxScaleTicks));
          EXPECT_TRUE(std::is_sorted(ticks.begin(), ticks.end()));
          EXPECT_TRUE(std::isfinite(dMin));
          EXPECT_TRUE(std::isfinite(dMax));
          if (!ticks.empty()) {
            EXPECT_LE(dMin, ticks.front());
            EXPECT_GE(dMax, ticks.back());
          }
        }
      }
    }
  }
}

TEST_F(ScaleRobustness, NiceScalesFromASecondToMillennia) {
  const std::initializer_list<Part> kFormats[] = {
      {{xDay, 2},
       {xMonthNumber, 2},
       {xYear, 4},
       {xHour, 2},
       {xMinute, 2},
       {xSecond, 2},
       {xThousandth, 3}},
      {{xQuarterNumberFirst, 1}, {xYear, 4}},
      {{xWeekLabelFirst, 2}, {xYear, 4}},
      {{xMonthAbbrev, 3}, {xYear, 4}},
  };
  const double kStarts[] = {RefTime(1000, 1, 1), RefTime(1999, 12, 31, 23, 59, 59, 500),
                            RefTime(2024, 2, 29, 6, 30)};
  int iScales = 0;
  for (const auto& format : kFormats) {
    for (double start : kStarts) {
      // Spans of 1 second to about 2700 years, each about 1.6 times the last.
      for (double span = 1.0 / 86400; span < 1e6; span *= 1.6) {
        SCOPED_TRACE(testing::Message() << start << " + " << span);
        Access::mSetParts(m_time, format);
        std::vector<double> ticks;
        double dMin = 0.0, dMax = 0.0;
        m_time.mFindNiceScale(start, start + span, 4, 8, true, true, &dMin, &dMax, ticks);
        EXPECT_TRUE(m_pRecorder->mGet().empty());
        ASSERT_GE(ticks.size(), 1u);
        EXPECT_LE(ticks.size(), 25u);
        EXPECT_TRUE(std::adjacent_find(ticks.begin(), ticks.end(), std::greater_equal<double>()) ==
                    ticks.end());  // strictly ascending
        EXPECT_LE(dMin, std::min(start, ticks.front()));
        EXPECT_GE(dMax, std::max(start + span, ticks.back()));
        ++iScales;
      }
    }
  }
  EXPECT_EQ(iScales, 4 * 3 * 54);
}

}  // namespace
