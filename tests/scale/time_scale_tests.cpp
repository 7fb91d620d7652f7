// mFindTimeScale: both tick modes on ranges users often meet, the tick-count
// window over random ranges, labels that tell the ticks apart, elapsed axes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "CmTimeScale.h"
#include "platform/settings_guard.h"
#include "scale/scale_access.h"

namespace {

using cvn::test::T;
using Ticks = std::vector<double>;
constexpr double kPadded = -1;  // expected ends: the data widened by 6%

class TimeScale : public testing::Test {
 protected:
  void SetUp() override { CmTimeClsTestAccess::mSetStartDayOfWeek(m_time, 0); }  // Monday
  bool Scale(const wchar_t* format, double dMin, double dMax, int lo, int hi, eTimeTickMode mode,
             eTimeScaleEnds ends = eScaleEndsNice) {
    EXPECT_TRUE(m_time.mSetFormat(format)) << format;
    return mFindTimeScale(m_time, dMin, dMax, {mode, ends, lo, hi}, &m_r);
  }
  std::wstring Label(double t) {  // a tick written under the label format
    CmTimeCls time(m_time);
    EXPECT_TRUE(time.mSetFormat(m_r.sLabelFormat.c_str()));
    CmString s;
    time.mCorvaneTimeToStr(t, false, s, 0);
    return s.str();
  }
  cvn::test::RegionalSettingsGuard m_guard{mBuiltInRegionalSettings()};
  CmTimeCls m_time;
  xTimeScaleResult m_r;
};

Ticks Years(int n, int first, int step) {
  Ticks v;
  for (int i = 0; i < n; ++i) v.push_back(T(first + i * step, 1, 1));
  return v;
}
Ticks Steps(int n, double first, double step) {
  Ticks v;
  for (int i = 0; i < n; ++i) v.push_back(first + i * step);
  return v;
}

TEST_F(TimeScale, RangesUsersMeet) {
  const double kHour = 1 / 24.0, kSec = kHour / 3600, k10 = T(2011, 3, 5, 10);
  const eTimeTickMode N = eTickModeNice, D = eTickModeDefault;
  const struct {
    const wchar_t* sFormat;
    double dMin, dMax;
    int iLo, iHi;
    eTimeTickMode eMode;
    eTimeScaleEnds eEnds;
    xTimePartsEnum eUnit;
    int iStep;
    Ticks vTicks;
    double dScaleMin, dScaleMax;  // kPadded: the data widened by 6%
  } kRows[] = {
      // 20 seconds: steps of 5 s (1 and 2 s give 21 and 11 ticks, 10 s 3).
      {L"m/d/yyyy h:mm:ss", k10, k10 + 20 * kSec, 4, 8, N, eScaleEndsNice, xSecond, 5,
       Steps(5, k10, 5 * kSec), k10, k10 + 20 * kSec},
      // 45 days from a Monday: Monday weeks (2 days give 23 ticks, months 3).
      // The default steps by 10 days from the 1st of each month.
      {L"m/d/yyyy", T(2001, 1, 1), T(2001, 2, 15), 4, 8, N, eScaleEndsNice, xWeekLabelFirst, 1,
       Steps(8, T(2001, 1, 1), 7), T(2001, 1, 1), T(2001, 2, 19)},
      {L"m/d/yyyy",
       T(2001, 1, 1),
       T(2001, 2, 15),
       4,
       8,
       D,
       eScaleEndsPadded,
       xDay,
       10,
       {T(2001, 1, 1), T(2001, 1, 11), T(2001, 1, 21), T(2001, 2, 1), T(2001, 2, 11)},
       kPadded,
       kPadded},
      // Ten years: every second year within the padded ends (2000 lies
      // before them); the default keeps 2000 as its first tick.
      {L"m/d/yyyy", T(2001, 1, 1), T(2010, 12, 31), 4, 8, N, eScaleEndsPadded, xYear, 2,
       Years(5, 2002, 2), kPadded, kPadded},
      {L"m/d/yyyy", T(2001, 1, 1), T(2010, 12, 31), 4, 8, D, eScaleEndsPadded, xYear, 2,
       Years(6, 2000, 2), T(2000, 1, 1), kPadded},
      // The data's own ends: the ticks inside them.
      {L"m/d/yyyy", T(2001, 1, 1), T(2010, 12, 31), 4, 8, N, eScaleEndsData, xYear, 2,
       Years(5, 2002, 2), T(2001, 1, 1), T(2010, 12, 31)},
      // A day: six-hourly in both modes; 8 to 10 ticks: three-hourly,
      // reported as hour x 3.
      {L"m/d/yyyy h:mm", T(2001, 3, 1), T(2001, 3, 2), 4, 8, N, eScaleEndsNice, xHour, 6,
       Steps(5, T(2001, 3, 1), 0.25), T(2001, 3, 1), T(2001, 3, 2)},
      {L"m/d/yyyy h:mm", T(2001, 3, 1), T(2001, 3, 2), 4, 8, D, eScaleEndsPadded, xHour, 6,
       Steps(5, T(2001, 3, 1), 0.25), kPadded, kPadded},
      {L"m/d/yyyy h:mm", T(2001, 3, 1), T(2001, 3, 2), 8, 10, N, eScaleEndsNice, xHour, 3,
       Steps(9, T(2001, 3, 1), 0.125), T(2001, 3, 1), T(2001, 3, 2)},
      // One value: a day around it, six-hourly.
      {L"m/d/yyyy h:mm", T(2001, 3, 15, 12), T(2001, 3, 15, 12), 4, 8, N, eScaleEndsPadded, xHour,
       6, Steps(5, T(2001, 3, 15), 0.25), T(2001, 3, 15) - 0.06, T(2001, 3, 16) + 0.06},
      // Ten months: quarters from 1 January (months by one give 12 ticks).
      {L"m/d/yyyy",
       T(2001, 1, 15),
       T(2001, 11, 20),
       4,
       8,
       N,
       eScaleEndsNice,
       xMonthNumber,
       3,
       {T(2001, 1, 1), T(2001, 4, 1), T(2001, 7, 1), T(2001, 10, 1), T(2002, 1, 1)},
       T(2001, 1, 1),
       T(2002, 1, 1)},
      // Three millennia: 500 years (200 give 16 ticks, 1000 are further
      // from the middle of the window with 4).
      {L"yyyy",
       T(1000, 1, 1),
       T(4000, 1, 1),
       4,
       8,
       N,
       eScaleEndsPadded,
       xYear,
       500,
       {T(1000, 1, 1), T(1500, 1, 1), T(2000, 1, 1), T(2500, 1, 1), T(3000, 1, 1), T(3500, 1, 1),
        T(4000, 1, 1)},
       kPadded,
       kPadded},
      // Thousandths by 200.
      {L"h:mm:ss.sss", k10, k10 + 0.95 * kSec, 4, 8, N, eScaleEndsNice, xThousandth, 200,
       Steps(6, k10, 0.2 * kSec), k10, k10 + kSec},
      // Elapsed hours: 0, 12, 24, 36, 48, and the padded scale starts at 0.
      {L"[h]:mm", 0, 2, 4, 8, N, eScaleEndsPadded, xHour, 12, Steps(5, 0, 0.5), 0, 2.12},
      {L"[h]:mm", 0, 10, 4, 8, N, eScaleEndsNice, xDay, 2, Steps(6, 0, 2), 0, 10},
      {L"[h]:mm", 0, 0, 4, 8, N, eScaleEndsNice, xHour, 6, Steps(5, 0, 0.25), 0, 1},
      // 4 to 4 ticks over 20 seconds: 5 s gives 5, 10 s 3; the coarser.
      {L"h:mm:ss", k10, k10 + 20 * kSec, 4, 4, N, eScaleEndsNice, xSecond, 10,
       Steps(3, k10, 10 * kSec), k10, k10 + 20 * kSec},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.dMin << " .. " << row.dMax << " mode " << row.eMode);
    ASSERT_TRUE(Scale(row.sFormat, row.dMin, row.dMax, row.iLo, row.iHi, row.eMode, row.eEnds));
    EXPECT_EQ(m_r.eUnit, row.eUnit);
    EXPECT_EQ(m_r.iStep, row.iStep);
    ASSERT_EQ(m_r.vTicks.size(), row.vTicks.size());
    for (size_t i = 0; i < row.vTicks.size(); ++i) EXPECT_NEAR(m_r.vTicks[i], row.vTicks[i], 1e-9);
    const double dWidth = 0.06 * (row.dMax - row.dMin);
    EXPECT_NEAR(m_r.dMin, row.dScaleMin == kPadded ? row.dMin - dWidth : row.dScaleMin, 1e-9);
    EXPECT_NEAR(m_r.dMax, row.dScaleMax == kPadded ? row.dMax + dWidth : row.dScaleMax, 1e-9);
    const int n = static_cast<int>(row.vTicks.size());
    EXPECT_EQ(m_r.bWindowMet, n >= row.iLo && n <= row.iHi);
  }
}

TEST_F(TimeScale, RefusedInputs) {
  const double kJan = T(2001, 1, 1);
  EXPECT_FALSE(Scale(L"m/d/yyyy", kJan + 1, kJan, 4, 8, eTickModeNice));  // reversed
  EXPECT_FALSE(Scale(L"m/d/yyyy", kJan + 1, kJan, 4, 8, eTickModeDefault));
  EXPECT_FALSE(Scale(L"m/d/yyyy", cvn::test::Missing(), kJan, 4, 8, eTickModeNice));
  EXPECT_FALSE(Scale(L"m/d/yyyy", kJan, kJan + 9, 8, 4, eTickModeNice));
  CmTimeClsTestAccess::mSetParts(m_time, {});
  EXPECT_FALSE(mFindTimeScale(m_time, kJan, kJan + 9, {}, &m_r));
}

TEST_F(TimeScale, LabelsTellTheTicksApart) {
  const struct {
    const wchar_t* sFormat;
    double dMin, dMax;
    const wchar_t* sLabels;  // the label format the nice mode offers
  } kRows[] = {
      {L"h:mm", T(2001, 1, 1), T(2001, 1, 11), L"m/d h:mm"},  // hours over ten days
      {L"h:mm", T(2001, 1, 1), T(2004, 1, 1), L"m/d/yyyy h:mm"},
      {L"m/d/yy", T(1950, 1, 1), T(2080, 1, 1), L"m/d/yyyy"},
      {L"m/d", T(2001, 1, 1), T(2003, 1, 1), L"m/d/yyyy"},
      {L"h:mm", T(2001, 1, 1, 8), T(2001, 1, 1, 17), L"h:mm"},  // already apart
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.dMin << " .. " << row.dMax);
    ASSERT_TRUE(Scale(row.sFormat, row.dMin, row.dMax, 4, 8, eTickModeNice));
    EXPECT_EQ(m_r.sLabelFormat.str(), row.sLabels);
    EXPECT_TRUE(m_r.bLabelsDistinct);
  }
}

// Random ranges from a second to centuries under four formats: the window is
// always met when it is wide enough for the ladder's largest gap (a week to a
// month), and met is said exactly when it holds; the ticks are ascending,
// within the ends, and their labels differ whenever the result says so.
TEST_F(TimeScale, RandomRangesKeepTheWindow) {
  std::mt19937 g(7);
  std::uniform_real_distribution<double> start(T(1500, 1, 1), T(3500, 1, 1)), power(-5, 5.5);
  const wchar_t* kFormats[] = {L"m/d/yyyy h:mm:ss", L"m/d/yyyy", L"h:mm", L"[h]:mm:ss"};
  const double kFinest[] = {1 / 86400.0, 1, 1 / 1440.0, 1 / 86400.0};  // the finest part
  int iMissed = 0;
  for (int i = 0; i < 800; ++i) {
    const double dMin = i % 4 == 3 ? 0 : start(g), dMax = dMin + std::pow(10.0, power(g));
    const bool bWide = i % 2 == 0;
    const auto eEnds = static_cast<eTimeScaleEnds>(i % 3);
    SCOPED_TRACE(testing::Message() << dMin << " .. " << dMax << " ends " << eEnds);
    ASSERT_TRUE(
        Scale(kFormats[i % 4], dMin, dMax, bWide ? 3 : 4, bWide ? 20 : 8, eTickModeNice, eEnds));
    const auto n = static_cast<int>(m_r.vTicks.size());
    EXPECT_EQ(m_r.bWindowMet, n >= (bWide ? 3 : 4) && n <= (bWide ? 20 : 8));
    EXPECT_TRUE(m_r.bWindowMet || !bWide || dMax - dMin < 4 * kFinest[i % 4]) << n;
    iMissed += !m_r.bWindowMet && dMax - dMin >= 4 * kFinest[i % 4];
    EXPECT_TRUE(std::adjacent_find(m_r.vTicks.begin(), m_r.vTicks.end(),
                                   std::greater_equal<double>()) == m_r.vTicks.end());
    for (double t : m_r.vTicks) EXPECT_TRUE(t >= m_r.dMin - 1e-9 && t <= m_r.dMax + 1e-9);
    EXPECT_TRUE(i % 4 != 3 || m_r.dMin >= 0.0);  // elapsed from 0
    std::set<std::wstring> labels;
    for (double t : m_r.vTicks) labels.insert(Label(t));
    EXPECT_EQ(labels.size() == m_r.vTicks.size(), m_r.bLabelsDistinct);
  }
  EXPECT_LT(iMissed, 20);  // 4 to 8 ticks: met in nearly every range a format can step
}

}  // namespace
