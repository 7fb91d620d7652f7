// Pure pieces of the time-scale arithmetic (see scale_detail.h) and the
// field split it shares.

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwctype>

#include "CvnBasicTypes.h"
#include "time/format/format_state.h"
#include "time/scale/scale_detail.h"

namespace cvn::detail {

bool mIsScaleTime(double t) {
  if (!std::isfinite(t) || mIsNumericMissing(t)) return false;
  // A value below a whole day belongs to the day below it.
  return t >= static_cast<double>(kScaleFirstDay) && t < static_cast<double>(kScaleLastDay) + 1.0;
}

bool mIsScaleDay(std::int64_t dayNumber) {
  return dayNumber >= kScaleFirstDay && dayNumber <= kScaleLastDay;
}

bool mAddScaleMonths(int year, int month, double months, int* newYear, int* newMonth) {
  // Beyond 12 x 10000 months no result stays in the span; this bound also
  // keeps the conversion below exact.
  constexpr double kMaxMonths = 12.0 * 10000.0;
  if (!(std::fabs(months) <= kMaxMonths)) return false;
  std::int64_t iYear = year;
  std::int64_t k = month + static_cast<std::int64_t>(months);
  if (k > 0) {
    iYear += (k - 1) / 12;
  } else {
    iYear += k / 12 - 1;  // toward zero: k = 0 is December of the year before
    k = k % 12 + 12;      // [1, 12]
  }
  std::int64_t iMonth = k % 12;  // [0, 11]
  if (iMonth == 0) iMonth = 12;
  if (iYear < kScaleFirstYear || iYear > kScaleLastYear) return false;
  *newYear = static_cast<int>(iYear);
  *newMonth = static_cast<int>(iMonth);
  return true;
}

int mScaleMonthLength(int year, int month) {
  if (month < 1 || month > 12) return 31;
  return mMonthLength(year, month);
}

std::int64_t mYearsBetween(int y1, int y2) { return static_cast<std::int64_t>(y2) - y1; }

std::int64_t mQuartersBetween(int y1, int q1, int y2, int q2) {
  if (y1 == y2) return static_cast<std::int64_t>(q2) - q1;
  return (static_cast<std::int64_t>(y2) - y1) * 4 - 4 + (4 - q1) + q2;
}

std::int64_t mMonthsBetween(int y1, int m1, int y2, int m2) {
  if (y1 == y2) return static_cast<std::int64_t>(m2) - m1;
  return (static_cast<std::int64_t>(y2) - y1 - 1) * 12 + (12 - m1) + m2;
}

std::int64_t mWeeksBetween(int y1, int w1, int y2, int w2) {
  if (y1 == y2) return static_cast<std::int64_t>(w2) - w1;
  return (static_cast<std::int64_t>(y2) - y1 - 1) * 53 + (53 - w1) + w2;
}

std::int64_t mHoursIn(std::int64_t dd, int h) { return dd * 24 + h; }

std::int64_t mMinutesIn(std::int64_t dd, int h, int mi) {
  return dd * 1440 + static_cast<std::int64_t>(h) * 60 + mi;
}

std::int64_t mSecondsIn(std::int64_t dd, int h, int mi, int s) {
  return dd * 86400 + static_cast<std::int64_t>(h) * 3600 + static_cast<std::int64_t>(mi) * 60 + s;
}

std::int64_t mThousandthsIn(std::int64_t dd, int h, int mi, int s, int ms) {
  return static_cast<std::int64_t>(h) * 3600000 + dd * kMsPerDay +
         static_cast<std::int64_t>(mi) * 60000 + static_cast<std::int64_t>(s) * 1000 + ms;
}

int mQuarterSpanInRange(int y0, int m0, int y1, int m1) {
  if (y0 == y1) return (m1 - m0) / 3;
  return (y1 - y0) * 4 - 4 + (m1 - m0 + 12) / 3;  // years within 1..9999: no overflow
}

int mMonthSpanInRange(int y0, int m0, int y1, int m1) {
  if (y0 == y1) return m1 - m0;
  return (y1 - y0 - 1) * 12 + (m1 - m0 + 12);
}

int mCountFromSpan(double c) {
  if (std::isnan(c) || c > 2147483647.0) return INT_MAX;
  return mToINTG(c);  // truncates toward zero, saturating below
}

int mNiceIncrement(const std::vector<int>& factors, int wanted) {
  if (factors.empty()) return 1;
  for (int iFactor : factors) {
    if (iFactor >= wanted) return iFactor;
  }
  const std::int64_t iLast = factors.back();
  if (iLast <= 0) return 1;
  const std::int64_t iMultiple = ((iLast + wanted - 1) / iLast) * iLast;  // wanted > iLast > 0
  if (iMultiple <= INT_MAX) return static_cast<int>(iMultiple);
  return static_cast<int>((INT_MAX / iLast) * iLast);
}

int mClampTickCount(std::int64_t count) {
  if (count <= 0) return 0;
  return count > kMaxScaleTicks ? kMaxScaleTicks : static_cast<int>(count);
}

void mTrimScaleTicks(std::vector<double>& ticks, double dataMin, double dataMax) {
  mTrimScaleTicks(ticks, dataMin, dataMax, [](double a, double b) { return (a + b) / 2.0; });
}

int mKeepLabelParts(int numParts, CmTimeCls::xTimePartsStruct* parts, xTimePartsEnum unit) {
  int iKept = 0;
  for (int i = 0; i < numParts; ++i) {
    const xTimePartsEnum eKind = parts[i].ePart;
    const bool bKeep = eKind == xMonthNumber || eKind == xDay ||
                       (unit == xHour && eKind == xMinute) ||
                       (unit == xMinute && eKind == xSecond) ||
                       (unit == xSecond && eKind == xThousandth) || eKind <= unit;
    if (bKeep) parts[iKept++] = parts[i];
  }
  return iKept;
}

bool mPlanDayMonth(bool dayCode, bool monthCode, bool yearCode, std::int64_t step,
                   xDayMonthPlan* plan) {
  if (step < 1) return false;
  plan->bRemainderNegative = false;
  plan->iStep = step;
  plan->bFine = false;
  if (dayCode) {
    const std::int64_t q = step / 30;
    const std::int64_t r = step % 30;
    plan->iMonths = std::max<std::int64_t>(q, 1);
    if (q >= 1) {
      // Whole months: a step with a remainder ticks every month walked
      // (step 0), rounding half a month or more up to one more month.
      plan->bRemainderNegative = r < 0;
      if (r > 0) {
        plan->iStep = 0;
        if (r >= 15) plan->iMonths += 1;
      }
    } else {
      plan->bFine = true;
    }
    return true;
  }
  if (monthCode) {
    plan->iMonths = step;
    return true;
  }
  if (yearCode) {
    plan->iMonths = step * 12;  // step <= 2^31 x 3: no overflow
    return true;
  }
  return false;
}

int mFirstWalkLength(int len, int dayOfMonth) { return len + 1 - std::min(len, dayOfMonth); }

}  // namespace cvn::detail

void CmTimeScaleImpl::mSplit(const CmTimeCls& time, double t, xFields* fields) {
  time.mToDayThousandths(t, &fields->iDayNumber, &fields->dTimeOfDay);
  time.mFromJulianDay(fields->iDayNumber, &fields->iYear, &fields->iMonth, &fields->iDay,
                      &fields->iWeek, xExtractWeekFromJanuary);
  time.mFromTimeOfDay(fields->dTimeOfDay, &fields->iHour, &fields->iMinute, &fields->iSecond,
                      &fields->iThousandth);
}

int CmTimeScaleImpl::mNumParts(const CmTimeCls& time) {
  return std::clamp(time.m_iNumParts, 0, CmTimeCls::kMaxParts);
}

int CmTimeScaleImpl::mFinestPart(const CmTimeCls& time) {
  int iFinest = 0;
  const int iNumParts = mNumParts(time);
  for (int i = 0; i < iNumParts; ++i) {
    const int iKind = time.m_xParts[i].ePart;
    if (iKind >= xYear && iKind <= xThousandth && iKind > iFinest) iFinest = iKind;
  }
  return iFinest;
}

CmTimeCls::xTimePartsStruct* CmTimeScaleImpl::mParts(CmTimeCls& time) { return time.m_xParts; }

void CmTimeScaleImpl::mSetNumParts(CmTimeCls& time, int numParts) {
  CmTimeFormatImpl::mKeepParts(time, numParts);
}

bool CmTimeScaleImpl::mHasDate(const CmTimeCls& time) {
  const int iNumParts = mNumParts(time);
  for (int i = 0; i < iNumParts; ++i) {
    const int iKind = time.m_xParts[i].ePart;
    if (iKind >= xYear && iKind <= xDay) return true;
  }
  return false;
}

std::wstring CmTimeScaleImpl::mShortDate(const CmTimeCls& time) {
  const std::wstring s = time.m_sShortDateFmt.str();
  return s.find(L'y') == std::wstring::npos ? L"m/d/yyyy" : s;
}

std::wstring CmTimeScaleImpl::mMonthDay(const CmTimeCls& time) {
  // The short date without its year and the separator beside it.
  std::wstring s = mShortDate(time);
  const std::size_t iFirst = s.find(L'y');
  std::size_t iEnd = s.find_first_not_of(L'y', iFirst);
  if (iEnd == std::wstring::npos) iEnd = s.size();
  std::size_t iBegin = iFirst;
  if (iEnd == s.size()) {
    while (iBegin > 0 && !std::iswalpha(s[iBegin - 1])) --iBegin;
  } else {
    while (iEnd < s.size() && !std::iswalpha(s[iEnd])) ++iEnd;
  }
  s.erase(iBegin, iEnd - iBegin);
  return s.empty() ? L"m/d" : s;
}
