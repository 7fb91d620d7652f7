// The finest unit in which a column of times varies, bounded by the finest
// part of a given format, with the column's minimum and span in that unit.

#include "CvnBasicTypes.h"
#include "time/scale/scale_detail.h"

namespace {

// Values that are missing, NaN, infinite or outside the years 1..9999 are
// skipped like missing values.
bool mIsColumnValue(double t) { return cvn::detail::mIsScaleTime(t); }

// Days from the day of month to the end of the month.
int mDaysToMonthEnd(const CmTimeCls& time, const CmTimeScaleImpl::xFields& f) {
  return time.mGetMaxDaysInMonthYear(f.iMonth, f.iYear) - f.iDay;
}

// The unit in which b differs from a, the coarser fields deciding only when
// the finer ones agree; 0 when they agree throughout.
int mDifferingUnit(const CmTimeCls& time, const CmTimeScaleImpl::xFields& a,
                   const CmTimeScaleImpl::xFields& b, bool monthEnd) {
  if (a.iThousandth != b.iThousandth) return xThousandth;
  if (a.iSecond != b.iSecond) return xSecond;
  if (a.iMinute != b.iMinute) return xMinute;
  if (a.iHour != b.iHour) return xHour;
  // Month-end dates (31 January, 28 February, 31 March) step by months.
  const bool bSameFromEnd = monthEnd && mDaysToMonthEnd(time, a) == mDaysToMonthEnd(time, b);
  if (!bSameFromEnd && a.iDay != b.iDay) return xDay;
  if (a.iMonth != b.iMonth) return xMonthNumber;
  if (a.iYear != b.iYear) return xYear;
  return 0;
}

}  // namespace

xTimePartsEnum CmTimeCls::mFindUnitOfTime(const double* times, int count,
                                          const std::vector<unsigned int>& packedFormat,
                                          double* minimum, double* span) {
  // Both results start at 0; a null receiver is skipped.
  if (minimum != nullptr) *minimum = 0.0;
  if (span != nullptr) *span = 0.0;

  mUnpackFormat(packedFormat);
  const int iMaxKind = CmTimeScaleImpl::mFinestPart(*this);
  if (times == nullptr || count < 0) count = 0;

  // The first two usable values.
  int iFirst = -1;
  int iSecond = -1;
  for (int i = 0; i < count && iSecond < 0; ++i) {
    if (!mIsColumnValue(times[i])) continue;
    if (iFirst < 0) {
      iFirst = i;
    } else {
      iSecond = i;
    }
  }

  int iFound = 0;
  double dMinimum = 0.0;
  double dMaximum = 0.0;
  if (iSecond >= 0) {
    CmTimeScaleImpl::xFields xA{};
    CmTimeScaleImpl::xFields xB{};
    CmTimeScaleImpl::mSplit(*this, times[iFirst], &xA);
    CmTimeScaleImpl::mSplit(*this, times[iSecond], &xB);
    dMinimum = dMaximum = times[iFirst];
    const bool bMonthEnd = mDaysToMonthEnd(*this, xB) <= 2;
    // Index 0 is the first value itself or missing; every later value is
    // compared with the first usable one.
    for (int i = 1; i < count; ++i) {
      const double t = times[i];
      if (!mIsColumnValue(t)) continue;
      if (t > dMaximum) dMaximum = t;
      if (t < dMinimum) dMinimum = t;
      CmTimeScaleImpl::mSplit(*this, t, &xB);
      const int iUnit = mDifferingUnit(*this, xA, xB, bMonthEnd);
      if (iUnit > iFound) iFound = iUnit;
    }
  }
  if (minimum != nullptr) *minimum = dMinimum;

  const int iUnit = (iFound != 0 && iFound < iMaxKind) ? iFound : iMaxKind;
  // A format without parts has no unit: the span stays 0 (no unit to count
  // in, and nothing to report).
  if (iUnit != xNoPart) {
    double dSpan = 0.0;
    mGetTimeDiff(dMinimum, dMaximum, static_cast<xTimePartsEnum>(iUnit), &dSpan);
    if (span != nullptr) *span = dSpan;
  }
  return static_cast<xTimePartsEnum>(iUnit);
}
