// mFindTimeScale: both tick modes on ranges users often meet, the tick-count
// window, labels that tell the ticks apart, elapsed axes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <string>

#include "CmTimeScale.h"
#include "support/access.h"

namespace {

using namespace cvn::test;   // T, Missing, Months, Steps, Ticks
constexpr double kPad = -1;  // expected end: the data widened by 6%

class TimeScale : public testing::Test {
 protected:
  void SetUp() override { CmTimeClsTestAccess::mSetStartDay(m_time, 0); }  // Monday
  // Modes: 'D' default; nice with padded 'p', nice 'n' or data 'd' ends.
  bool Scale(const wchar_t* format, double dMin, double dMax, int lo, int hi, char mode) {
    EXPECT_TRUE(m_time.mSetFormat(format)) << format;
    const auto eEnds = static_cast<eTimeScaleEnds>(std::string("pnd").find(mode) % 3);
    const xTimeScaleOptions o{mode == 'D' ? eTickModeDefault : eTickModeNice, eEnds, lo, hi};
    return mFindTimeScale(m_time, dMin, dMax, o, &m_r);
  }
  RegionalSettingsGuard m_guard{mBuiltInRegionalSettings()};
  CmTimeCls m_time;
  xTimeScaleResult m_r;
};

TEST_F(TimeScale, RangesUsersMeet) {
  const double kSec = 1 / 86400.0, k10 = T(2011, 3, 5, 10), kMar = T(2001, 3, 1);
  const struct {
    const wchar_t* sFormat;
    double dMin, dMax;
    int iLo, iHi;
    char cMode;
    xTimePartsEnum eUnit;
    int iStep;
    Ticks vTicks;
    double dScaleMin, dScaleMax;
  } kRows[] = {
      // 20 seconds: by 5 s (1 and 2 s give 21 and 11 ticks, 10 s 3).
      {L"m/d/yyyy h:mm:ss", k10, k10 + 20 * kSec, 4, 8, 'n', xSecond, 5, Steps(5, k10, 5 * kSec),
       k10, k10 + 20 * kSec},
      // 4 to 4 ticks: none gives 4; of 5 s (5 ticks) and 10 s (3), the coarser.
      {L"h:mm:ss", k10, k10 + 20 * kSec, 4, 4, 'n', xSecond, 10, Steps(3, k10, 10 * kSec), k10,
       k10 + 20 * kSec},
      // A day: six-hourly in both modes; 8 to 10 ticks: hour x 3.
      {L"m/d/yyyy h:mm", kMar, kMar + 1, 4, 8, 'n', xHour, 6, Steps(5, kMar, 0.25), kMar, kMar + 1},
      {L"m/d/yyyy h:mm", kMar, kMar + 1, 8, 10, 'n', xHour, 3, Steps(9, kMar, 0.125), kMar,
       kMar + 1},
      // One value: a day around it, six-hourly, padded.
      {L"m/d/yyyy h:mm", kMar + 0.5, kMar + 0.5, 4, 8, 'p', xHour, 6, Steps(5, kMar, 0.25),
       kMar - 0.06, kMar + 1.06},
      // 45 days from a Monday: Monday weeks (2 days give 23 ticks, months
      // 3); the default steps by 10 days from the 1st of each month and
      // drops 31 January.
      {L"m/d/yyyy", T(2001, 1, 1), T(2001, 2, 15), 4, 8, 'n', xWeekLabelFirst, 1,
       Steps(8, T(2001, 1, 1), 7), T(2001, 1, 1), T(2001, 2, 19)},
      {L"m/d/yyyy", T(2001, 1, 1), T(2001, 2, 15), 4, 8, 'D', xDay, 10,
       Days(T(2001, 1, 1), {0, 10, 20, 31, 41}), kPad, kPad},
      // Ten months: quarters from 1 January (months by one give 12 ticks).
      {L"m/d/yyyy", T(2001, 1, 15), T(2001, 11, 20), 4, 8, 'n', xMonthNumber, 3,
       Months(5, 2001, 1, 3), T(2001, 1, 1), T(2002, 1, 1)},
      // Ten years by two: 2000 lies before the padded ends, and before the
      // data's own; the default keeps it as its first tick.
      {L"m/d/yyyy", T(2001, 1, 1), T(2010, 12, 31), 4, 8, 'p', xYear, 2, Months(5, 2002, 1, 24),
       kPad, kPad},
      {L"m/d/yyyy", T(2001, 1, 1), T(2010, 12, 31), 4, 8, 'd', xYear, 2, Months(5, 2002, 1, 24),
       T(2001, 1, 1), T(2010, 12, 31)},
      {L"m/d/yyyy", T(2001, 1, 1), T(2010, 12, 31), 4, 8, 'D', xYear, 2, Months(6, 2000, 1, 24),
       T(2000, 1, 1), kPad},
      // Three millennia by 500 years (200 give 16 ticks; 1000 give 4, further
      // from the middle of the window).
      {L"yyyy", T(1000, 1, 1), T(4000, 1, 1), 4, 8, 'p', xYear, 500, Months(7, 1000, 1, 6000), kPad,
       kPad},
      // Elapsed: 0 to 48 hours by 12, the padded scale not below 0; ten days
      // by two; the single value 0 a day from 0.
      {L"[h]:mm", 0, 2, 4, 8, 'p', xHour, 12, Steps(5, 0, 0.5), 0, 2.12},
      {L"[h]:mm", 0, 10, 4, 8, 'n', xDay, 2, Steps(6, 0, 2), 0, 10},
      {L"[h]:mm", 0, 0, 4, 8, 'n', xHour, 6, Steps(5, 0, 0.25), 0, 1},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.dMin << " .. " << row.dMax << " " << row.cMode);
    ASSERT_TRUE(Scale(row.sFormat, row.dMin, row.dMax, row.iLo, row.iHi, row.cMode));
    EXPECT_EQ(m_r.eUnit, row.eUnit);
    EXPECT_EQ(m_r.iStep, row.iStep);
    ASSERT_EQ(m_r.vTicks.size(), row.vTicks.size());
    for (size_t i = 0; i < row.vTicks.size(); ++i) EXPECT_NEAR(m_r.vTicks[i], row.vTicks[i], 1e-9);
    const double dPad = 0.06 * (row.dMax - row.dMin);
    EXPECT_NEAR(m_r.dMin, row.dScaleMin == kPad ? row.dMin - dPad : row.dScaleMin, 1e-9);
    EXPECT_NEAR(m_r.dMax, row.dScaleMax == kPad ? row.dMax + dPad : row.dScaleMax, 1e-9);
    const auto n = static_cast<int>(row.vTicks.size());
    EXPECT_EQ(m_r.bWindowMet, n >= row.iLo && n <= row.iHi);
  }
}

TEST_F(TimeScale, LabelFormatsAndRefusedInputs) {
  const struct {
    const wchar_t* sFormat;
    double dMin, dMax;
    const wchar_t* sLabels;  // the label format the nice mode offers
  } kRows[] = {
      {L"h:mm", T(2001, 1, 1), T(2001, 1, 11), L"m/d h:mm"},  // hours over ten days
      {L"h:mm", T(2001, 1, 1), T(2004, 1, 1), L"m/d/yyyy h:mm"},
      {L"m/d/yy", T(1950, 1, 1), T(2080, 1, 1), L"m/d/yyyy"},
      {L"h:mm", T(2001, 1, 1, 8), T(2001, 1, 1, 17), L"h:mm"},  // already apart
  };
  for (const auto& row : kRows) {
    ASSERT_TRUE(Scale(row.sFormat, row.dMin, row.dMax, 4, 8, 'n'));
    EXPECT_EQ(m_r.sLabelFormat.str(), row.sLabels);
    EXPECT_TRUE(m_r.bLabelsDistinct);
    EXPECT_EQ(m_r.bFormatDistinct, row.sLabels == std::wstring(row.sFormat));
  }
  // Regression: another object's elapsed format (the class-wide flag) made a
  // clock format's axis elapsed, labelled "[h]:mm" with every label alike.
  ASSERT_TRUE(m_time.mSetFormat(L"h:mm"));
  CmTimeCls xOther;
  ASSERT_TRUE(xOther.mSetFormat(L"[h]:mm"));
  ASSERT_TRUE(mFindTimeScale(m_time, T(2001, 1, 1), T(2001, 1, 11),
                             {eTickModeNice, eScaleEndsNice, 4, 8}, &m_r));
  EXPECT_EQ(m_r.sLabelFormat.str(), L"m/d h:mm");
  EXPECT_TRUE(CmTimeCls::m_bElapsedTimeFlag);  // the other object's flag is put back
  // Reversed ranges, a missing end, a reversed window, no parts.
  const double kJan = T(2001, 1, 1);
  EXPECT_FALSE(Scale(L"m/d/yyyy", kJan + 1, kJan, 4, 8, 'n'));
  EXPECT_FALSE(Scale(L"m/d/yyyy", kMissing, kJan, 4, 8, 'n'));
  EXPECT_FALSE(Scale(L"m/d/yyyy", kJan, kJan + 9, 8, 4, 'n'));
  CmTimeClsTestAccess::mSetParts(m_time, {});
  EXPECT_FALSE(mFindTimeScale(m_time, kJan, kJan + 9, {}, &m_r));
}

// The tick window over random ranges: met whenever the ladder allows a
// window of 3 to 20; the labels written tell the ticks apart exactly when
// the result says so.
TEST_F(TimeScale, RandomRanges) {
  std::mt19937 g(7);
  std::uniform_real_distribution<double> start(T(1500, 1, 1), T(3500, 1, 1)), power(-5, 5.5);
  const wchar_t* kFormats[] = {L"m/d/yyyy h:mm:ss", L"m/d/yyyy", L"h:mm",
                               L"[h]:mm:ss",        L"yyyyQq",   L"wwWk yyyy"};
  const double kFinest[] = {1 / 86400.0, 1, 1 / 1440.0, 1 / 86400.0, 92, 7};
  int iMissed = 0;
  AssertCapture log;
  for (int i = 0; i < 1200; ++i) {
    const int f = i % 6, lo = i % 4 < 2 ? 3 : 4, hi = i % 4 < 2 ? 20 : 8;
    const double dMin = f == 3 ? 0 : start(g), dMax = dMin + std::pow(10.0, power(g));
    const char cMode = "pndD"[i % 8 / 2];
    SCOPED_TRACE(testing::Message() << dMin << " .. " << dMax << " " << cMode << " " << f);
    ASSERT_TRUE(Scale(kFormats[f], dMin, dMax, lo, hi, cMode));
    const Ticks& v = m_r.vTicks;
    EXPECT_TRUE(std::adjacent_find(v.begin(), v.end(), std::greater_equal<double>()) == v.end());
    for (double t : v) EXPECT_TRUE(t >= m_r.dMin - 1e-9 && t <= m_r.dMax + 1e-9);
    if (cMode == 'D') continue;
    const auto n = static_cast<int>(v.size());
    const bool bSteppable = dMax - dMin >= 4 * kFinest[f];
    EXPECT_EQ(m_r.bWindowMet, n >= lo && n <= hi);
    EXPECT_TRUE(m_r.bWindowMet || !bSteppable || lo == 4) << n;
    iMissed += !m_r.bWindowMet && bSteppable;
    EXPECT_TRUE(f != 3 || m_r.dMin >= 0.0);
    CmTimeCls labels(m_time);
    ASSERT_TRUE(labels.mSetFormat(m_r.sLabelFormat.c_str()));
    std::set<std::wstring> seen;
    for (double t : v) {
      CmString s;
      labels.mCorvaneTimeToStr(t, false, s, 0);
      seen.insert(s.str());
    }
    EXPECT_EQ(seen.size() == v.size(), m_r.bLabelsDistinct);
  }
  EXPECT_LT(iMissed, 25);  // of about 220 nice runs with 4 to 8 ticks
  EXPECT_TRUE(AssertCapture::mReports().empty());
}

}  // namespace
