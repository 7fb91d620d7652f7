// The default nice-scale search: the unit, increment, round first tick,
// tick positions and scale ends of a time axis, after which the object's
// part list keeps only what a tick label needs. Each step is one function.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "CmTimeUnit.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "time/scale/scale_detail.h"

using Impl = CmTimeScaleImpl;

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

xRoundRule mRoundRule(xTimePartsEnum unit, const Impl::xFields& f) {
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

// A reversed range, and a range with an end that is missing, NaN, infinite
// or outside the years 1..9999, becomes 0 .. 0; a range of (nearly) no
// width is widened by half a day on each side.
void mUsableRange(double* dataMin, double* dataMax) {
  if (!cvn::detail::mIsScaleTime(*dataMin) || !cvn::detail::mIsScaleTime(*dataMax) ||
      *dataMax < *dataMin) {
    *dataMin = 0.0;
    *dataMax = 0.0;
  }
  if (*dataMax - *dataMin <=
      mGetNearlyZero() + mGetEps() * std::max(std::fabs(*dataMin), std::fabs(*dataMax))) {
    *dataMin -= 0.5;
    *dataMax += 0.5;
  }
}

// Sets the unit's own field of the fields of dataMin to its rounded value
// and clears every finer field.
void mRoundFields(const CmTimeCls& time, xTimePartsEnum unit, int k, int increment, int rounded,
                  Impl::xFields* f) {
  f->iThousandth = 0;
  if (unit <= xSecond) f->iSecond = 0;
  if (unit <= xMinute) f->iMinute = 0;
  if (unit <= xHour) f->iHour = 0;
  if (unit <= xDay) f->iDay = 1;
  if (unit <= xMonthName) f->iMonth = 1;
  switch (unit) {
    case xYear: f->iYear = rounded; break;
    case xQuarterLabelFirst:
    case xQuarterNumberFirst:
      f->iMonth = (k * increment + 1) * 3 - 2;  // first month of the quarter
      f->iDay = 1;
      break;
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName: f->iMonth = rounded; break;
    case xWeekLabelFirst:
    case xWeekNumberFirst:
      f->iWeek = rounded;
      Impl::mMonthAndDay(time, f->iYear, f->iWeek, &f->iMonth, &f->iDay);
      break;
    case xDay: f->iDay = rounded; break;
    case xHour: f->iHour = rounded; break;
    case xMinute: f->iMinute = rounded; break;
    case xSecond: f->iSecond = rounded; break;
    case xThousandth: f->iThousandth = rounded; break;
    default:  // unreachable: every other unit was handled before
      cvn::detail::mReport(cvn::detail::kReportNiceRound);
      break;
  }
}

}  // namespace

int CmTimeScaleImpl::mChooseUnit(const CmTimeCls& time, double dataMin, double dataMax,
                                 int minTicks) {
  int iUnit = mFinestPart(time);
  const int iNumParts = mNumParts(time);
  for (int i = 0; i < iNumParts; ++i) {
    const int iKind = time.m_xParts[i].ePart;
    if (iKind < xYear || iKind >= iUnit) continue;
    if (time.mNumTimesInRange(dataMin, dataMax, 1.0, static_cast<xTimePartsEnum>(iKind)) >=
        minTicks) {
      iUnit = iKind;
    }
  }
  if (iUnit == xHundredth || iUnit == xTenth || iUnit == xNoPart) {
    // Hundredths and tenths have no round-value rule: after the report the
    // axis is laid out in thousandths, which they are multiples of. A format
    // without parts gives no unit.
    cvn::detail::mReport(cvn::detail::kReportNiceUnit);
    if (iUnit != xNoPart) iUnit = xThousandth;
  }
  return iUnit;
}

int CmTimeScaleImpl::mChooseIncrement(const CmTimeCls& time, double dataMin, double dataMax,
                                      xTimePartsEnum unit, int minTicks, int maxTicks) {
  // The wanted tick count; below 1 it is taken as 1 so that it can divide.
  const std::int64_t iTarget = (static_cast<std::int64_t>(minTicks) + maxTicks) / 2;
  const double dTarget = iTarget < 1 ? 1.0 : static_cast<double>(iTarget);
  const int iSpan = time.mNumTimesInRange(dataMin, dataMax, 1.0, unit);
  const int iWanted = mToINTG(std::ceil(iSpan / dTarget));
  std::vector<int> vFactors;
  CmTimeUnit::mInstance()->mGetTimeUnitFactors(unit, vFactors, 1);
  return cvn::detail::mNiceIncrement(vFactors, iWanted);  // >= 1
}

void CmTimeScaleImpl::mWeekTicks(const CmTimeCls& time, int year, int week, int increment,
                                 int count, std::vector<double>& ticks) {
  // Week ticks step through the week numbers of each year and restart at
  // week 1 of the next; a tick at most half an increment after the one
  // before (a short last week) replaces it.
  const std::int64_t iHalf = (static_cast<std::int64_t>(increment) * 7) / 2;
  int iWeeksInYear = time.mGetWeeksInYear(year);
  std::int64_t iWeek = week;
  ticks.clear();
  ticks.reserve(static_cast<std::size_t>(count));
  // Each round keeps a tick or replaces the one before at a year end; the
  // year bound ends the rounds when increments of more than a year keep
  // replacing.
  std::int64_t iRounds = static_cast<std::int64_t>(count) + cvn::detail::kMaxSkippedSteps;
  while (static_cast<int>(ticks.size()) < count && iRounds-- > 0 &&
         year <= cvn::detail::kScaleLastYear) {
    int iMonth = 1;
    int iDay = 1;
    time.mGetMonthAndDay(year, static_cast<int>(iWeek), &iMonth, &iDay);
    double t = 0.0;
    time.mGenerateCorvaneTime(year, iMonth, iDay, 0, 0, 0, 0, &t);
    if (!ticks.empty() && t - ticks.back() <= static_cast<double>(iHalf)) ticks.pop_back();
    ticks.push_back(t);
    iWeek += increment;
    if (iWeek > iWeeksInYear) {
      ++year;
      iWeek = 1;
      iWeeksInYear = time.mGetWeeksInYear(year);
    }
  }
}

void CmTimeScaleImpl::mTrimTicks(const CmTimeCls& time, std::vector<double>& ticks, double dataMin,
                                 double dataMax, xTimePartsEnum unit, int increment) {
  // Year, quarter and month ticks are trimmed by their midpoint on the
  // calendar: half the increment in the unit after the earlier tick (for an
  // odd increment, halfway in days between the two nearest whole units). So
  // the midpoint of 1 January 2000 and 1 January 2002 is 1 January 2001, and
  // data starting that day keeps the 2000 tick although a leap day puts the
  // plain mean of the two at noon of 31 December 2000. Finer units
  // (weeks included) are uniform, and their midpoint is the mean.
  const bool bCalendarUnit = unit <= xMonthName;
  const int iHalfLow = increment / 2;
  const int iHalfHigh = increment - iHalfLow;
  cvn::detail::mTrimScaleTicks(ticks, dataMin, dataMax, [&](double a, double b) {
    if (!bCalendarUnit) return (a + b) / 2.0;
    double dLow = 0.0;
    double dHigh = 0.0;
    time.mNormToCorvaneTime(iHalfLow, unit, a, &dLow);
    time.mNormToCorvaneTime(iHalfHigh, unit, a, &dHigh);
    return (dLow + dHigh) / 2.0;
  });
}

CmTimeScaleImpl::xDefaultScale CmTimeScaleImpl::mDefaultScale(
    CmTimeCls& time, double dataMin, double dataMax, int minTicks, int maxTicks, bool setScaleMin,
    bool setScaleMax, double* scaleMin, double* scaleMax, std::vector<double>& ticks) {
  mUsableRange(&dataMin, &dataMax);
  const int iUnit = mChooseUnit(time, dataMin, dataMax, minTicks);
  if (iUnit == xNoPart) {
    // After the report: no ticks, the requested ends are the data range with
    // its margin and the part list stays as it is.
    ticks.clear();
    mSetScaleEnds(dataMin, dataMax, ticks, setScaleMin, setScaleMax, scaleMin, scaleMax);
    return {xNoPart, 0};
  }
  const xTimePartsEnum eUnit = static_cast<xTimePartsEnum>(iUnit);
  const int iIncrement = mChooseIncrement(time, dataMin, dataMax, eUnit, minTicks, maxTicks);

  // The first tick: dataMin rounded down to a multiple of the increment in
  // the unit, with every finer field cleared.
  xFields f{};
  mSplit(time, dataMin, &f);
  const xRoundRule xRule = mRoundRule(eUnit, f);
  const int k = (xRule.iValue - xRule.iBase) / iIncrement;
  mRoundFields(time, eUnit, k, iIncrement, k * iIncrement + xRule.iBase, &f);  // no overflow
  double dStart = 0.0;
  time.mGenerateCorvaneTime(f.iYear, f.iMonth, f.iDay, f.iHour, f.iMinute, f.iSecond, f.iThousandth,
                            &dStart);

  const int iCount = cvn::detail::mClampTickCount(
      static_cast<std::int64_t>(time.mNumTimesInRange(dStart, dataMax, iIncrement, eUnit)) + 1);
  const std::vector<int> vIncrements{iIncrement};
  if (xRule.bWeekMode) {
    mWeekTicks(time, f.iYear, f.iWeek, iIncrement, iCount, ticks);
  } else if (xRule.iCode == CmTimeUnit::mInstance()->mDay()) {
    time.mGenerateSpecialDayMonthTimes(xRule.iCode, vIncrements, dStart, dataMin, 1, iCount, ticks);
  } else {
    time.mGenerateNewTimes(xRule.iCode, vIncrements, dStart, dStart, iCount, ticks);
  }
  mTrimTicks(time, ticks, dataMin, dataMax, eUnit, iIncrement);
  mSetScaleEnds(dataMin, dataMax, ticks, setScaleMin, setScaleMax, scaleMin, scaleMax);
  mSetNumParts(time, cvn::detail::mKeepLabelParts(mNumParts(time), time.m_xParts, eUnit));
  return {eUnit, iIncrement};
}

void CmTimeCls::mFindNiceScale(double dataMin, double dataMax, int minTicks, int maxTicks,
                               bool setScaleMin, bool setScaleMax, double* scaleMin,
                               double* scaleMax, std::vector<double>& ticks) {
  CmTimeScaleImpl::mDefaultScale(*this, dataMin, dataMax, minTicks, maxTicks, setScaleMin,
                                 setScaleMax, scaleMin, scaleMax, ticks);
}
