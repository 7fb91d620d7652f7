// The nice-scale search: the unit, increment, round first tick, tick
// positions and scale ends of a time axis, after which the object's part
// list keeps only what a tick label needs.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "CmTimeUnit.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "time/scale/scale_detail.h"

namespace {

constexpr double kScaleMargin = 0.06;

// Writes the requested scale ends: the data range widened by the margin,
// and further to the outer ticks when they lie beyond it.
void mSetScaleEnds(double dataMin, double dataMax, const std::vector<double>& ticks,
                   bool setScaleMin, bool setScaleMax, double* scaleMin, double* scaleMax) {
  const double dMargin = kScaleMargin * (dataMax - dataMin);
  if (setScaleMin && scaleMin != nullptr) {
    *scaleMin = dataMin - dMargin;
    if (!ticks.empty()) *scaleMin = std::min(*scaleMin, ticks.front());
  }
  if (setScaleMax && scaleMax != nullptr) {
    *scaleMax = dataMax + dMargin;
    if (!ticks.empty()) *scaleMax = std::max(*scaleMax, ticks.back());
  }
}

// The field a unit rounds, the value it starts counting from, and the unit
// code its ticks are stepped in (weeks have their own stepping).
struct xRoundRule {
  int iValue;
  int iBase;
  int iCode;
  bool bWeekMode;
};

xRoundRule mRoundRule(xTimePartsEnum unit, const CmTimeScaleImpl::xFields& f) {
  const CmTimeUnit* pUnits = CmTimeUnit::mInstance();
  switch (unit) {
    case xYear: return {f.iYear, 0, pUnits->mYear(), false};
    case xQuarterLabelFirst:
    case xQuarterNumberFirst: return {(f.iMonth + 2) / 3, 1, pUnits->mQuarter(), false};
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName: return {f.iMonth, 1, pUnits->mMonth(), false};
    case xWeekLabelFirst:
    case xWeekNumberFirst: return {f.iWeek, 1, 0, true};
    case xDay: return {f.iDay, 1, pUnits->mDay(), false};
    case xHour: return {f.iHour, 0, pUnits->mHour(), false};
    case xMinute: return {f.iMinute, 0, pUnits->mMinute(), false};
    case xSecond: return {f.iSecond, 0, pUnits->mSecond(), false};
    default:  // xThousandth; hundredths and tenths are mapped to it first
      return {f.iThousandth, 0, 0, false};
  }
}

}  // namespace

void CmTimeCls::mFindNiceScale(double dataMin, double dataMax, int minTicks, int maxTicks,
                               bool setScaleMin, bool setScaleMax, double* scaleMin,
                               double* scaleMax, std::vector<double>& ticks) {
  // The wanted tick count; below 1 it is taken as 1 so that it can divide.
  const std::int64_t iTarget = (static_cast<std::int64_t>(minTicks) + maxTicks) / 2;
  const double dTarget = iTarget < 1 ? 1.0 : static_cast<double>(iTarget);

  // A reversed range, and a range with an end that is missing, NaN,
  // infinite or outside the years 1..9999, becomes 0 .. 0.
  if (!cvn::detail::mIsScaleTime(dataMin) || !cvn::detail::mIsScaleTime(dataMax) ||
      dataMax < dataMin) {
    dataMin = 0.0;
    dataMax = 0.0;
  }
  if (dataMax - dataMin <=
      mGetNearlyZero() + mGetEps() * std::max(std::fabs(dataMin), std::fabs(dataMax))) {
    dataMin -= 0.5;
    dataMax += 0.5;
  }

  // The unit: the finest part shown, or a coarser part that still gives
  // minTicks steps of one unit.
  int iUnit = CmTimeScaleImpl::mFinestPart(*this);
  const int iNumParts = CmTimeScaleImpl::mNumParts(*this);
  const xTimePartsStruct* pParts = CmTimeScaleImpl::mParts(*this);
  for (int i = 0; i < iNumParts; ++i) {
    const int iKind = pParts[i].ePart;
    if (iKind < xYear || iKind >= iUnit) continue;
    if (mNumTimesInRange(dataMin, dataMax, 1.0, static_cast<xTimePartsEnum>(iKind)) >= minTicks) {
      iUnit = iKind;
    }
  }
  if (iUnit == xHundredth || iUnit == xTenth) {
    // Hundredths and tenths have no round-value rule: after the report the
    // axis is laid out in thousandths, which they are multiples of.
    cvn::detail::mReport(cvn::detail::kReportNiceUnit);
    iUnit = xThousandth;
  }
  if (iUnit == xNoPart) {
    // A format without parts gives no unit: after the report there are no
    // ticks, the requested ends are the data range with its margin and the
    // part list stays as it is.
    cvn::detail::mReport(cvn::detail::kReportNiceUnit);
    ticks.clear();
    mSetScaleEnds(dataMin, dataMax, ticks, setScaleMin, setScaleMax, scaleMin, scaleMax);
    return;
  }
  const xTimePartsEnum eUnit = static_cast<xTimePartsEnum>(iUnit);

  // The increment: about target ticks, rounded up to the unit's factor list.
  const int iSpan = mNumTimesInRange(dataMin, dataMax, 1.0, eUnit);
  const int iWanted = mToINTG(std::ceil(iSpan / dTarget));
  std::vector<int> vFactors;
  CmTimeUnit::mInstance()->mGetTimeUnitFactors(eUnit, vFactors, 1);
  const int iIncrement = cvn::detail::mNiceIncrement(vFactors, iWanted);  // >= 1

  // The first tick: dataMin rounded down to a multiple of the increment in
  // the unit, with every finer field cleared.
  CmTimeScaleImpl::xFields f{};
  CmTimeScaleImpl::mSplit(*this, dataMin, &f);
  const xRoundRule xRule = mRoundRule(eUnit, f);
  const int k = (xRule.iValue - xRule.iBase) / iIncrement;
  const int iRounded = k * iIncrement + xRule.iBase;  // in [base, value]: no overflow
  f.iThousandth = 0;
  if (eUnit <= xSecond) f.iSecond = 0;
  if (eUnit <= xMinute) f.iMinute = 0;
  if (eUnit <= xHour) f.iHour = 0;
  if (eUnit <= xDay) f.iDay = 1;
  if (eUnit <= xMonthName) f.iMonth = 1;
  switch (eUnit) {
    case xYear: f.iYear = iRounded; break;
    case xQuarterLabelFirst:
    case xQuarterNumberFirst:
      f.iMonth = (k * iIncrement + 1) * 3 - 2;  // first month of the quarter
      f.iDay = 1;
      break;
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName: f.iMonth = iRounded; break;
    case xWeekLabelFirst:
    case xWeekNumberFirst:
      f.iWeek = iRounded;
      mGetMonthAndDay(f.iYear, f.iWeek, &f.iMonth, &f.iDay);
      break;
    case xDay: f.iDay = iRounded; break;
    case xHour: f.iHour = iRounded; break;
    case xMinute: f.iMinute = iRounded; break;
    case xSecond: f.iSecond = iRounded; break;
    case xThousandth: f.iThousandth = iRounded; break;
    default:  // unreachable: every other unit was handled above
      cvn::detail::mReport(cvn::detail::kReportNiceRound);
      break;
  }
  double dStart = 0.0;
  mGenerateCorvaneTime(f.iYear, f.iMonth, f.iDay, f.iHour, f.iMinute, f.iSecond, f.iThousandth,
                       &dStart);

  const int iCount = cvn::detail::mClampTickCount(
      static_cast<std::int64_t>(mNumTimesInRange(dStart, dataMax, iIncrement, eUnit)) + 1);
  const std::vector<int> vIncrements{iIncrement};

  if (xRule.bWeekMode) {
    // Week ticks step through the week numbers of each year and restart at
    // week 1 of the next; a tick at most half an increment after the one
    // before (a short last week) replaces it.
    const std::int64_t iHalf = (static_cast<std::int64_t>(iIncrement) * 7) / 2;
    int iYear = f.iYear;
    int iWeeksInYear = mGetWeeksInYear(iYear);
    std::int64_t iWeek = f.iWeek;
    ticks.clear();
    ticks.reserve(static_cast<std::size_t>(iCount));
    // Each round keeps a tick or replaces the one before at a year end; the
    // year bound ends the rounds when increments of more than a year keep
    // replacing.
    std::int64_t iRounds = static_cast<std::int64_t>(iCount) + cvn::detail::kMaxSkippedSteps;
    while (static_cast<int>(ticks.size()) < iCount && iRounds-- > 0 &&
           iYear <= cvn::detail::kScaleLastYear) {
      int iMonth = 1;
      int iDay = 1;
      mGetMonthAndDay(iYear, static_cast<int>(iWeek), &iMonth, &iDay);
      double t = 0.0;
      mGenerateCorvaneTime(iYear, iMonth, iDay, 0, 0, 0, 0, &t);
      if (!ticks.empty() && t - ticks.back() <= static_cast<double>(iHalf)) ticks.pop_back();
      ticks.push_back(t);
      iWeek += iIncrement;
      if (iWeek > iWeeksInYear) {
        ++iYear;
        iWeek = 1;
        iWeeksInYear = mGetWeeksInYear(iYear);
      }
    }
  } else if (xRule.iCode == CmTimeUnit::mInstance()->mDay()) {
    mGenerateSpecialDayMonthTimes(xRule.iCode, vIncrements, dStart, dataMin, 1, iCount, ticks);
  } else {
    mGenerateNewTimes(xRule.iCode, vIncrements, dStart, dStart, iCount, ticks);
  }

  // Year, quarter and month ticks are trimmed by their midpoint on the
  // calendar: half the increment in the unit after the earlier tick (for an
  // odd increment, halfway in days between the two nearest whole units). So
  // the midpoint of 1 January 2000 and 1 January 2002 is 1 January 2001, and
  // data starting that day keeps the 2000 tick although a leap day puts the
  // plain mean of the two at noon of 31 December 2000. Finer units are
  // uniform, and their midpoint is the mean.
  const bool bCalendarUnit = eUnit <= xMonthName && !xRule.bWeekMode;
  const int iHalfLow = iIncrement / 2;
  const int iHalfHigh = iIncrement - iHalfLow;
  cvn::detail::mTrimScaleTicks(ticks, dataMin, dataMax, [&](double a, double b) {
    if (!bCalendarUnit) return (a + b) / 2.0;
    double dLow = 0.0;
    double dHigh = 0.0;
    mNormToCorvaneTime(iHalfLow, eUnit, a, &dLow);
    mNormToCorvaneTime(iHalfHigh, eUnit, a, &dHigh);
    return (dLow + dHigh) / 2.0;
  });
  mSetScaleEnds(dataMin, dataMax, ticks, setScaleMin, setScaleMax, scaleMin, scaleMax);
  CmTimeScaleImpl::mSetNumParts(
      *this, cvn::detail::mKeepLabelParts(iNumParts, CmTimeScaleImpl::mParts(*this), eUnit));
}
