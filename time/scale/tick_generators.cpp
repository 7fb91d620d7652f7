// Tick generators of a time axis: ticks stepped with unit arithmetic, and
// day ticks that restart at a fixed day of every month.
//
// Both clear the tick vector first, keep no more than kMaxScaleTicks ticks
// whatever count is asked for, look at no more than kMaxSkippedSteps
// candidate times beyond those they keep, and stop when a step would leave
// the years 1..9999. So every call ends, even for increments that never
// reach the lowest allowed time.

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "CmTimeUnit.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "time/scale/scale_detail.h"

namespace {

// Three times an increment, saturated to the int range.
int mTripled(int increment) {
  const std::int64_t iTripled = static_cast<std::int64_t>(increment) * 3;
  return static_cast<int>(std::clamp<std::int64_t>(iTripled, INT_MIN, INT_MAX));
}

}  // namespace

void CmTimeCls::mGenerateNewTimes(int unitCode, const std::vector<int>& increments, double start,
                                  double lowest, int count, std::vector<double>& ticks) const {
  ticks.clear();
  const int iCount = cvn::detail::mClampTickCount(count);
  if (iCount == 0) return;

  // The units of the code, finest first, and the step of each.
  const CmTimeUnit* pUnits = CmTimeUnit::mInstance();
  const unsigned uCode = static_cast<unsigned>(unitCode);
  std::vector<xTimePartsEnum> vUnits;
  std::vector<int> vSteps;
  if (unitCode == 0) {
    vUnits.push_back(xThousandth);
    mAddTimeIncrement(increments, vSteps);
  }
  const struct {
    int iBit;
    xTimePartsEnum eUnit;
  } kStepUnits[] = {
      {pUnits->mSecond(), xSecond},     {pUnits->mMinute(), xMinute},
      {pUnits->mHour(), xHour},         {pUnits->mDay(), xDay},
      {pUnits->mMonth(), xMonthNumber}, {pUnits->mQuarter(), xMonthNumber},
      {pUnits->mYear(), xYear},
  };
  for (const auto& rUnit : kStepUnits) {
    if ((uCode & static_cast<unsigned>(rUnit.iBit)) == 0) continue;
    vUnits.push_back(rUnit.eUnit);
    if (rUnit.iBit == pUnits->mQuarter()) {
      // A quarter steps as three months.
      const std::size_t uNext = vSteps.size();
      vSteps.push_back(uNext < increments.size() ? mTripled(increments[uNext]) : 3);
    } else {
      mAddTimeIncrement(increments, vSteps);
    }
  }
  // A code with no steppable unit (the index unit alone) has nothing to
  // step; a step below 1 would never move on. Both give no ticks, as does a
  // NaN lowest time, which no time reaches.
  if (vUnits.empty() || vSteps[0] < 1 || std::isnan(lowest)) return;

  // Only the finest unit steps. Whether its larger unit changed makes no
  // difference to the ticks: a time before lowest is passed over (u still
  // advances) and every other time is kept, so it is not asked.
  const xTimePartsEnum eUnit = vUnits[0];
  const std::int64_t iStep = vSteps[0];
  ticks.reserve(static_cast<std::size_t>(iCount));
  std::int64_t iSkipsLeft = cvn::detail::kMaxSkippedSteps;
  std::int64_t u = 0;  // at most (kMaxScaleTicks + kMaxSkippedSteps) x 2^33
  while (static_cast<int>(ticks.size()) < iCount) {
    double t = 0.0;
    mNormToCorvaneTime(static_cast<double>(u), eUnit, start, &t);
    if (mIsNumericMissing(t)) break;  // the step left the years 1..9999
    u += iStep;
    if (t >= lowest) {
      ticks.push_back(t);
    } else if (--iSkipsLeft < 0) {
      break;
    }
  }
}

void CmTimeCls::mGenerateSpecialDayMonthTimes(int unitCode, const std::vector<int>& increments,
                                              double start, double lowest, int dayOfMonth,
                                              int count, std::vector<double>& ticks) const {
  ticks.clear();
  const CmTimeUnit* pUnits = CmTimeUnit::mInstance();
  const bool bDayCode = unitCode == pUnits->mDay() || unitCode == pUnits->mDayMonth() ||
                        unitCode == pUnits->mDayMonthYear();
  const bool bMonthCode = unitCode == pUnits->mMonth();
  const bool bYearCode = unitCode == pUnits->mYear();
  if (!bDayCode && !bMonthCode && !bYearCode) {
    cvn::detail::mReport(cvn::detail::kReportDayMonthCode);
  }

  std::vector<int> vSteps;
  mAddTimeIncrement(increments, vSteps);
  cvn::detail::xDayMonthPlan xPlan{};
  // No ticks for: a code without a rule (after the report above), a step
  // below 1 (a step of 0 would never move on), a day of month outside
  // 1..31, a start that cannot be stepped, or a NaN lowest time.
  if (!cvn::detail::mPlanDayMonth(bDayCode, bMonthCode, bYearCode, vSteps[0], &xPlan)) return;
  if (xPlan.bRemainderNegative) {
    cvn::detail::mReport(cvn::detail::kReportDayMonthRemainder);
  }
  const int iCount = cvn::detail::mClampTickCount(count);
  if (iCount == 0 || dayOfMonth < 1 || dayOfMonth > 31) return;
  if (!cvn::detail::mIsScaleTime(start) || std::isnan(lowest)) return;

  int iStartDay = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(start, &iStartDay, &dTimeOfDay);
  std::int64_t iDayNumber = iStartDay;
  int iYear = 0;
  int iMonth = 0;
  int iDay = 0;
  mFromJulianDay(iStartDay, &iYear, &iMonth, &iDay, nullptr, xExtractWeekFromJanuary);
  int iPreviousMonth = iMonth;
  bool bFirstWalk = true;
  const double dMinGap = static_cast<double>(xPlan.iStep) * 0.6666666666666666;

  ticks.reserve(static_cast<std::size_t>(iCount));
  std::int64_t iRoundsLeft = static_cast<std::int64_t>(iCount) + cvn::detail::kMaxSkippedSteps;
  while (static_cast<int>(ticks.size()) < iCount && iRoundsLeft-- > 0) {
    if (!cvn::detail::mIsScaleDay(iDayNumber)) break;
    // Walk the months of one tick from the current day, adding up their
    // lengths; d is the day of month met in the last month walked.
    std::int64_t iWalk = iDayNumber;
    std::int64_t a = 0;
    int d = 0;
    int iWalkedMonth = 0;
    for (std::int64_t j = 0; j < xPlan.iMonths; ++j) {
      if (!cvn::detail::mIsScaleDay(iWalk)) return;  // the walk left the years 1..9999
      mFromJulianDay(static_cast<int>(iWalk), &iYear, &iMonth, &iDay, nullptr,
                     xExtractWeekFromJanuary);
      if (j == 0) iWalkedMonth = iMonth;
      int iLength = cvn::detail::mScaleMonthLength(iYear, iMonth);
      // Only the first month of the first walk counts from dayOfMonth.
      if (bFirstWalk && j == 0 && !xPlan.bFine) {
        iLength = cvn::detail::mFirstWalkLength(iLength, dayOfMonth);
      }
      iWalk += iLength;
      a += iLength;
      d = iDay;
    }
    bFirstWalk = false;

    std::int64_t iMove = a;
    if (xPlan.bFine) {
      iMove = xPlan.iStep;
      if (iWalkedMonth != iPreviousMonth) {
        // Entering a month anywhere but on dayOfMonth does not count the
        // month's length.
        if (d != dayOfMonth) a = 0;
        iPreviousMonth = iWalkedMonth;
      }
    }
    // Days from the current day to dayOfMonth after the months walked.
    const std::int64_t e = a - d + dayOfMonth;
    if (static_cast<double>(e) > dMinGap) {
      const double t = static_cast<double>(iDayNumber) + dTimeOfDay / cvn::detail::kMsPerDayD;
      if (t >= lowest) ticks.push_back(t);
      iDayNumber += e >= xPlan.iStep ? iMove : e;
    } else {
      // Too close to the next month's dayOfMonth: no tick, go there.
      iDayNumber += e;
    }
  }
}
