// Unit arithmetic on Corvane times: stepping a time by a count of units,
// the length of one unit, unit boundaries between two times, how many steps
// fit into a range, whether the next larger unit changed, and the hand-out
// of per-unit increments.
//
// The two quarter kinds, the three month kinds and the two week kinds are
// one unit each. Times outside the years 1..9999, NaN, infinities and the
// missing-value code are not stepped (see scale_detail.h).

#include <cmath>
#include <cstdint>

#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "time/scale/scale_detail.h"

using cvn::detail::kMsPerDayD;

namespace {

double mMissing() { return CmCVNConst::mInstance()->mGetMissingValueCode(); }

// Milliseconds of one clock unit, 0 for the calendar units.
double mClockUnitMs(xTimePartsEnum unit) {
  switch (unit) {
    case xHour: return 3600000.0;
    case xMinute: return 60000.0;
    case xSecond: return 1000.0;
    case xHundredth: return 10.0;
    case xTenth: return 100.0;
    case xThousandth: return 1.0;
    default: return 0.0;
  }
}

}  // namespace

void CmTimeCls::mNormToCorvaneTime(double count, xTimePartsEnum unit, double time,
                                   double* result) const {
  if (result == nullptr) return;
  // A time or count that cannot be stepped gives the missing-value code.
  if (!cvn::detail::mIsScaleTime(time) || !std::isfinite(count)) {
    *result = mMissing();
    return;
  }
  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(time, &iDayNumber, &dTimeOfDay);
  const double dWhole = std::trunc(count);

  switch (unit) {
    case xYear:
    case xQuarterLabelFirst:
    case xQuarterNumberFirst:
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName: {
      int iYear = 0;
      int iMonth = 0;
      int iDay = 0;
      mFromJulianDay(iDayNumber, &iYear, &iMonth, &iDay, nullptr, xExtractWeekFromJanuary);
      if (unit == xYear) {
        const double dYear = iYear + dWhole;
        if (!(dYear >= cvn::detail::kScaleFirstYear && dYear <= cvn::detail::kScaleLastYear)) {
          *result = mMissing();
          return;
        }
        // The day of month is kept: 29 February of a common year runs on to
        // 1 March.
        iYear = mToINTG(dYear);
      } else {
        const double dMonths =
            (unit == xQuarterLabelFirst || unit == xQuarterNumberFirst) ? 3.0 * dWhole : dWhole;
        if (!cvn::detail::mAddScaleMonths(iYear, iMonth, dMonths, &iYear, &iMonth)) {
          *result = mMissing();
          return;
        }
        // 31 January + 1 month is the last day of February.
        const int iLength = cvn::detail::mScaleMonthLength(iYear, iMonth);
        if (iDay > iLength) iDay = iLength;
      }
      mToJulianDay(iYear, iMonth, iDay, &iDayNumber);
      break;
    }
    case xWeekLabelFirst:
    case xWeekNumberFirst:
    case xDay: {
      const double dDays = unit == xDay ? dWhole : std::trunc(count * 7.0);
      const double dNewDay = iDayNumber + dDays;
      if (!(dNewDay >= cvn::detail::kScaleFirstDay && dNewDay <= cvn::detail::kScaleLastDay)) {
        *result = mMissing();
        return;
      }
      iDayNumber = mToINTG(dNewDay);
      break;
    }
    case xHour:
    case xMinute:
    case xSecond:
    case xHundredth:
    case xTenth:
    case xThousandth: {
      const double dAdd = count * mClockUnitMs(unit);
      if (!(std::fabs(dAdd) <= cvn::detail::kScaleMaxAddMs)) {
        *result = mMissing();
        return;
      }
      xNumtimStruct xTime{iDayNumber, dTimeOfDay};
      mAddThousandths(dAdd, &xTime);
      if (!cvn::detail::mIsScaleDay(xTime.iDayNumber)) {
        *result = mMissing();
        return;
      }
      iDayNumber = xTime.iDayNumber;
      dTimeOfDay = xTime.dTimeOfDay;
      break;
    }
    default:
      cvn::detail::mReport(cvn::detail::kReportNormUnit);
      break;  // the time is put back unchanged
  }
  *result = dTimeOfDay / kMsPerDayD + iDayNumber;
}

double CmTimeCls::mGetOneCvnUnitOfTime(xTimePartsEnum unit) const {
  const double dNow = mNow();
  double dTwo = 0.0;
  double dOne = 0.0;
  mNormToCorvaneTime(2.0, unit, dNow, &dTwo);
  mNormToCorvaneTime(1.0, unit, dNow, &dOne);
  // Near the end of the span one of the steps has no result: no length.
  if (mIsNumericMissing(dTwo) || mIsNumericMissing(dOne)) return 0.0;
  return dTwo - dOne;
}

void CmTimeCls::mGetTimeDiff(double first, double second, xTimePartsEnum unit,
                             double* result) const {
  if (result == nullptr) return;
  *result = 0.0;
  if (!(second > first)) return;  // also for NaN
  if (!cvn::detail::mIsScaleTime(first) || !cvn::detail::mIsScaleTime(second)) return;

  CmTimeScaleImpl::xFields xEarlier{};
  CmTimeScaleImpl::xFields xLater{};
  CmTimeScaleImpl::mSplit(*this, first, &xEarlier);
  CmTimeScaleImpl::mSplit(*this, second, &xLater);
  // The clock units count from the split of the difference itself.
  int iWholeDays = 0;
  double dDiffMs = 0.0;
  mToDayThousandths(mTimeDiff(first, second), &iWholeDays, &dDiffMs);
  int h = 0;
  int mi = 0;
  int s = 0;
  int ms = 0;
  mFromTimeOfDay(dDiffMs, &h, &mi, &s, &ms);

  // Products run in 64 bits: a span of 25 days or more in thousandths, or of
  // about 68 years in seconds, does not fit 32 bits.
  std::int64_t iUnits = 0;
  switch (unit) {
    case xYear: iUnits = cvn::detail::mYearsBetween(xEarlier.iYear, xLater.iYear); break;
    case xQuarterLabelFirst:
    case xQuarterNumberFirst:
      iUnits = cvn::detail::mQuartersBetween(xEarlier.iYear, (xEarlier.iMonth - 1) / 3 + 1,
                                             xLater.iYear, (xLater.iMonth - 1) / 3 + 1);
      break;
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName:
      iUnits =
          cvn::detail::mMonthsBetween(xEarlier.iYear, xEarlier.iMonth, xLater.iYear, xLater.iMonth);
      break;
    case xWeekLabelFirst:
    case xWeekNumberFirst:
      iUnits =
          cvn::detail::mWeeksBetween(xEarlier.iYear, xEarlier.iWeek, xLater.iYear, xLater.iWeek);
      break;
    case xDay: iUnits = static_cast<std::int64_t>(xLater.iDayNumber) - xEarlier.iDayNumber; break;
    case xHour: iUnits = cvn::detail::mHoursIn(iWholeDays, h); break;
    case xMinute: iUnits = cvn::detail::mMinutesIn(iWholeDays, h, mi); break;
    case xSecond: iUnits = cvn::detail::mSecondsIn(iWholeDays, h, mi, s); break;
    case xThousandth: iUnits = cvn::detail::mThousandthsIn(iWholeDays, h, mi, s, ms); break;
    default:
      // No rule for hundredths, tenths or other values: the result stays 0.
      cvn::detail::mReport(cvn::detail::kReportDiffUnit);
      return;
  }
  *result = static_cast<double>(iUnits);
}

int CmTimeCls::mNumTimesInRange(double start, double end, double increment,
                                xTimePartsEnum unit) const {
  // No times are counted for an increment that is not positive (it would
  // never pass the end, or never move) or is NaN, nor for times that cannot
  // be stepped.
  if (!(increment > 0.0)) return 0;
  if (!cvn::detail::mIsScaleTime(start) || !cvn::detail::mIsScaleTime(end)) return 0;

  CmTimeScaleImpl::xFields xStart{};
  CmTimeScaleImpl::xFields xEnd{};
  CmTimeScaleImpl::mSplit(*this, start, &xStart);
  CmTimeScaleImpl::mSplit(*this, end, &xEnd);
  const double d = mTimeDiff(start, end);
  int iWholeDays = 0;
  double dDiffMs = 0.0;
  mToDayThousandths(d, &iWholeDays, &dDiffMs);
  const double dd = iWholeDays;
  const double x = dDiffMs + 0.5;

  double n = 0.0;  // the span in units
  switch (unit) {
    case xYear: n = static_cast<double>(xEnd.iYear) - xStart.iYear; break;
    case xQuarterLabelFirst:
    case xQuarterNumberFirst:
      n = cvn::detail::mQuarterSpanInRange(xStart.iYear, xStart.iMonth, xEnd.iYear, xEnd.iMonth);
      break;
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName:
      n = cvn::detail::mMonthSpanInRange(xStart.iYear, xStart.iMonth, xEnd.iYear, xEnd.iMonth);
      break;
    case xWeekLabelFirst:
    case xWeekNumberFirst: n = d / 7.0; break;
    case xDay: n = d; break;
    case xHour: n = dd * 24.0 + x / 3600000.0; break;
    case xMinute: n = dd * 24.0 * 60.0 + x / 60000.0; break;
    case xSecond: n = dd * 24.0 * 60.0 * 60.0 + x / 1000.0; break;
    case xHundredth: n = dd * 8640000.0 + x / 10.0; break;
    case xTenth: n = dd * 24.0 * 60.0 * 60.0 * 10.0 + x / 100.0; break;
    case xThousandth: n = x + dd * kMsPerDayD; break;
    default:
      cvn::detail::mReport(cvn::detail::kReportRangeUnit);
      n = 0.0;
      break;
  }

  int iCount = cvn::detail::mCountFromSpan(n / increment + 1.0);
  // An end before the start holds no times: the count never goes below 0.
  if (iCount <= 0) return 0;
  double dLast = 0.0;
  mNormToCorvaneTime((static_cast<double>(iCount) - 1.0) * increment, unit, start, &dLast);
  // A last time beyond the span is the missing-value code, below every end.
  if (end < dLast) --iCount;
  return iCount;
}

bool CmTimeCls::mDidBiggerTimeUnitChange(xTimePartsEnum unit, double first, double second) const {
  xTimeExtractEnum eLarger = xExtractYear4;
  switch (unit) {
    case xMonthNumber: eLarger = xExtractYear4; break;
    case xDay: eLarger = xExtractMonthNumber; break;
    case xHour: eLarger = xExtractDay; break;
    case xMinute: eLarger = xExtractHour; break;
    case xSecond: eLarger = xExtractMinute; break;
    case xYear: return false;  // nothing is larger than a year
    default: cvn::detail::mReport(cvn::detail::kReportBiggerUnit); return false;
  }
  if (!cvn::detail::mIsScaleTime(first) || !cvn::detail::mIsScaleTime(second)) return false;
  CmString sFirst;
  CmString sSecond;
  mGet(first, eLarger, sFirst);
  mGet(second, eLarger, sSecond);
  return sFirst != sSecond;
}

void CmTimeCls::mAddTimeIncrement(const std::vector<int>& increments,
                                  std::vector<int>& steps) const {
  const std::size_t uNext = steps.size();
  steps.push_back(uNext < increments.size() ? increments[uNext] : 1);
}
