// mFindTimeScale: a time axis as a whole in either tick mode (see
// CmTimeScale.h). The nice mode walks a fixed ladder of steps, counts the
// ticks each step gives inside the scale ends and keeps the step nearest the
// middle of the wanted window; then it checks that the labels tell the
// ticks apart and, when they do not, looks for a format that does.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "CmTimeScale.h"
#include "CvnBasicTypes.h"
#include "time/scale/scale_detail.h"

using Impl = CmTimeScaleImpl;
using Part = CmTimeCls::xTimePartsStruct;

namespace {

constexpr std::int64_t kMsDay = cvn::detail::kMsPerDay;
constexpr double kMargin = 0.06;

std::int64_t mFloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// How a step of the ladder places its ticks: a fixed number of
// milliseconds from an origin, odd days of each month, or the first day of
// every k-th month or year.
enum class eStepKind { eUniform, eTwoDays, eMonths, eYears };

struct xStep {
  xTimePartsEnum eUnit;  // as reported
  int iStep;             // as reported
  eStepKind eKind;
  std::int64_t iMs;      // uniform: the step; months/years: k
  std::int64_t iOrigin;  // uniform: a tick, in ms
  double dDays;          // about how long the step is
};

constexpr int kMaxSteps = 64;
struct xLadder {
  xStep a[kMaxSteps];  // the first n are set
  int n = 0;
  void mAdd(xTimePartsEnum unit, int step, eStepKind kind, std::int64_t ms, double days,
            std::int64_t origin = 0) {
    if (n < kMaxSteps) a[n++] = {unit, step, kind, ms, origin, days};
  }
};

// The least step in thousandths that the format's fraction of a second
// shows: 1 for three decimals, 10 for two, 100 for one (and for hundredths
// and tenths, 10 and 100).
int mLeastMs(const CmTimeCls& time) {
  int iLeast = 1000;
  const Part* pParts = Impl::mConstParts(time);
  for (int i = 0; i < Impl::mNumParts(time); ++i) {
    const Part& p = pParts[i];
    if (p.ePart == xHundredth) iLeast = std::min(iLeast, 10);
    if (p.ePart == xTenth) iLeast = std::min(iLeast, 100);
    if (p.ePart == xThousandth) {
      iLeast = std::min(iLeast, p.iCount >= 3 ? 1 : (p.iCount == 2 ? 10 : 100));
    }
  }
  return iLeast;
}

// The steps allowed under a format whose finest part is finest (1..15) and
// whose fraction shows steps of leastMs.
void mBuildLadder(int finest, int leastMs, bool elapsed, int startDayOfWeek, xLadder* l) {
  const auto mUniform = [l](xTimePartsEnum unit, int step, std::int64_t ms) {
    l->mAdd(unit, step, eStepKind::eUniform, ms, static_cast<double>(ms) / kMsDay);
  };
  for (int ms : {1, 2, 5, 10, 20, 50, 100, 200, 500}) {
    if (ms >= leastMs) mUniform(xThousandth, ms, ms);
  }
  for (int i = 0; i < 2; ++i) {  // seconds, then minutes
    const xTimePartsEnum eUnit = i == 0 ? xSecond : xMinute;
    if (finest < eUnit) continue;
    for (int k : {1, 2, 5, 10, 15, 30}) {
      mUniform(eUnit, k, std::int64_t{k} * (i == 0 ? 1000 : 60000));
    }
  }
  if (finest >= xHour) {
    for (int k : {1, 2, 3, 6, 12, 24}) {
      if (elapsed || (k != 2 && k != 24)) mUniform(xHour, k, k * 3600000LL);
    }
  }
  if (elapsed) {
    // Days from zero: 1 (24 hours above), 2, 7, then 7 times 2, 5, 10, 20 ...
    mUniform(xDay, 2, 2 * kMsDay);
    mUniform(xDay, 7, 7 * kMsDay);
    for (int k = 1; k <= 10000; k *= 10) {
      for (int m : {2, 5, 10}) mUniform(xDay, 7 * k * m, 7LL * k * m * kMsDay);
    }
    return;
  }
  if (finest >= xDay) {
    mUniform(xDay, 1, kMsDay);
    l->mAdd(xDay, 2, eStepKind::eTwoDays, 2, 2.0);
  }
  if (finest >= xWeekLabelFirst) {
    // Day 2 (1 January 1900) is a Monday, weekday 0.
    l->mAdd(xWeekLabelFirst, 1, eStepKind::eUniform, 7 * kMsDay, 7.0,
            (2 + startDayOfWeek) * kMsDay);
  }
  if (finest >= xMonthNumber) {
    for (int k : {1, 3, 6}) l->mAdd(xMonthNumber, k, eStepKind::eMonths, k, 30.44 * k);
  } else if (finest >= xQuarterLabelFirst) {
    for (int k : {1, 2}) {
      l->mAdd(xQuarterLabelFirst, k, eStepKind::eMonths, std::int64_t{3} * k, 91.3 * k);
    }
  }
  for (int k = 1; k <= 5000; k *= 10) {
    for (int m : {1, 2, 5}) {
      l->mAdd(xYear, k * m, eStepKind::eYears, std::int64_t{k} * m, 365.25 * k * m);
    }
  }
}

// Tick arithmetic of one step in whole milliseconds from day 0.
class CmStepper {
 public:
  CmStepper(const CmTimeCls& time, const xStep& step) : m_time(time), m_step(step) {}

  // The last tick at or before ms.
  std::int64_t mAtOrBelow(std::int64_t ms) const {
    if (m_step.eKind == eStepKind::eUniform) {
      return mFloorDiv(ms - m_step.iOrigin, m_step.iMs) * m_step.iMs + m_step.iOrigin;
    }
    const std::int64_t iDay = mFloorDiv(ms, kMsDay);
    int y = 0, m = 0, d = 0;
    Impl::mDate(m_time, static_cast<int>(iDay), &y, &m, &d);
    if (m_step.eKind == eStepKind::eTwoDays) {
      // Odd days up to the day before the month's last: no one-day stub.
      const int iLength = Impl::mMonthLength(y, m);
      int iTick = d % 2 == 1 ? d : d - 1;
      if (iTick > iLength - 1) iTick -= 2;
      return (iDay - (d - iTick)) * kMsDay;
    }
    std::int64_t iMonth = static_cast<std::int64_t>(y) * 12 + m - 1;
    if (m_step.eKind == eStepKind::eYears) iMonth = mFloorDiv(y, m_step.iMs) * m_step.iMs * 12;
    if (m_step.eKind == eStepKind::eMonths) {
      iMonth -= iMonth - mFloorDiv(iMonth, m_step.iMs) * m_step.iMs;
    }
    return mMonthStart(iMonth);
  }

  // The tick after the tick ms.
  std::int64_t mNext(std::int64_t ms) const {
    if (m_step.eKind == eStepKind::eUniform) return ms + m_step.iMs;
    const std::int64_t iDay = mFloorDiv(ms, kMsDay);
    int y = 0, m = 0, d = 0;
    Impl::mDate(m_time, static_cast<int>(iDay), &y, &m, &d);
    if (m_step.eKind == eStepKind::eTwoDays) {
      if (d + 2 <= Impl::mMonthLength(y, m) - 1) return ms + 2 * kMsDay;
      return mMonthStart(static_cast<std::int64_t>(y) * 12 + m);
    }
    const std::int64_t k = m_step.eKind == eStepKind::eYears ? m_step.iMs * 12 : m_step.iMs;
    return mMonthStart(static_cast<std::int64_t>(y) * 12 + m - 1 + k);
  }

  std::int64_t mAtOrAbove(std::int64_t ms) const {
    const std::int64_t iBelow = mAtOrBelow(ms);
    return iBelow == ms ? ms : mNext(iBelow);
  }

  // Ticks in [lo, hi], counting no further than cap.
  std::int64_t mCount(std::int64_t lo, std::int64_t hi, std::int64_t cap) const {
    if (hi < lo) return 0;
    if (m_step.eKind == eStepKind::eUniform) {
      return mFloorDiv(hi - m_step.iOrigin, m_step.iMs) -
             mFloorDiv(lo - m_step.iOrigin - 1, m_step.iMs);
    }
    if (m_step.eKind != eStepKind::eTwoDays) {
      // Month starts whose index (year x 12 + month - 1) is a multiple of k.
      const std::int64_t k = m_step.eKind == eStepKind::eYears ? m_step.iMs * 12 : m_step.iMs;
      bool bStart = false;
      const std::int64_t iFirst = mMonthIndex(lo, &bStart) + (bStart ? 0 : 1);
      const std::int64_t iLast = mMonthIndex(hi, &bStart);
      return iLast < iFirst ? 0 : mFloorDiv(iLast, k) - mFloorDiv(iFirst - 1, k);
    }
    std::int64_t n = 0;
    for (std::int64_t t = mAtOrAbove(lo); t <= hi && n <= cap; t = mNext(t)) ++n;
    return n;
  }

 private:
  // The index (year x 12 + month - 1) of the month of ms; whether ms is the
  // month's start.
  std::int64_t mMonthIndex(std::int64_t ms, bool* start) const {
    const std::int64_t iDay = mFloorDiv(ms, kMsDay);
    int y = 0, m = 0, d = 0;
    Impl::mDate(m_time, static_cast<int>(iDay), &y, &m, &d);
    *start = d == 1 && ms == iDay * kMsDay;
    return static_cast<std::int64_t>(y) * 12 + m - 1;
  }
  // The first day of month index (year x 12 + month - 1), in ms.
  std::int64_t mMonthStart(std::int64_t monthIndex) const {
    double t = 0.0;
    m_time.mGenerateCorvaneTime(static_cast<int>(mFloorDiv(monthIndex, 12)),
                                static_cast<int>(monthIndex - mFloorDiv(monthIndex, 12) * 12) + 1,
                                1, 0, 0, 0, 0, &t);
    return static_cast<std::int64_t>(t) * kMsDay;
  }
  const CmTimeCls& m_time;
  const xStep& m_step;
};

std::int64_t mToMs(const CmTimeCls& time, double t) {
  int iDay = 0;
  double dTimeOfDay = 0.0;
  Impl::mDayAndMs(time, t, &iDay, &dTimeOfDay);
  return static_cast<std::int64_t>(iDay) * kMsDay + static_cast<std::int64_t>(dTimeOfDay);
}

double mFromMs(std::int64_t ms) {
  const std::int64_t iDay = mFloorDiv(ms, kMsDay);
  return static_cast<double>(iDay) + static_cast<double>(ms - iDay * kMsDay) / kMsDay;
}

// Scale ends in ms for a step under an ends policy.
struct xEnds {
  std::int64_t iLo;
  std::int64_t iHi;
};

// A number that differs between two ticks exactly when their labels under
// parts differ (the fields the parts show, each at its width).
std::int64_t mLabelKey(const CmTimeCls& time, int numParts, const Part* parts, bool elapsed,
                       bool hour12, double t) {
  Impl::xFields f{};
  Impl::mSplit(time, t, &f);
  std::int64_t iKey = 0;
  for (int i = 0; i < numParts; ++i) {
    std::int64_t v = 0, radix = 1;
    switch (parts[i].ePart) {
      case xYear: v = parts[i].iCount == 2 ? f.iYear % 100 : f.iYear, radix = 10000; break;
      case xQuarterLabelFirst:
      case xQuarterNumberFirst: v = (f.iMonth + 2) / 3, radix = 5; break;
      case xMonthNumber:
      case xMonthAbbrev:
      case xMonthName: v = f.iMonth, radix = 13; break;
      case xWeekLabelFirst:
      case xWeekNumberFirst: v = f.iWeek, radix = 54; break;
      case xDay: v = f.iDay, radix = 32; break;
      case xHour: v = hour12 ? f.iHour % 12 : f.iHour, radix = 24; break;
      case xMinute: v = f.iMinute, radix = 60; break;
      case xSecond: v = f.iSecond, radix = 60; break;
      case xThousandth: {
        int iDrop = 1;
        for (int k = parts[i].iCount; k < 3; ++k) iDrop *= 10;
        v = f.iThousandth / iDrop, radix = 1000;
        break;
      }
      default: break;
    }
    if (elapsed && i == 0) {
      // The first part of an elapsed format counts on over the days.
      const std::int64_t iHours = static_cast<std::int64_t>(f.iDayNumber) * 24 + f.iHour;
      v = parts[i].ePart == xHour
              ? iHours
              : (parts[i].ePart == xMinute ? iHours * 60 + f.iMinute
                                           : (iHours * 60 + f.iMinute) * 60 + f.iSecond);
      radix = 1;
    }
    iKey = iKey * radix + v;
  }
  return iKey;
}

// True when the format shows every field from the four-digit year down to
// the step's unit, so that no two ticks of the step can share a label.
bool mShowsEveryField(const CmTimeCls& time, const xStep& step) {
  if (Impl::mHour12WithoutDesignator(time)) return false;
  unsigned uShown = 0;  // bit per part kind
  int iDecimals = 0;
  const Part* pParts = Impl::mConstParts(time);
  for (int i = 0; i < Impl::mNumParts(time); ++i) {
    const Part& p = pParts[i];
    if (p.ePart == xYear && p.iCount != 4) continue;
    uShown |= 1u << (p.ePart == xMonthAbbrev || p.ePart == xMonthName ? xMonthNumber : p.ePart);
    if (p.ePart == xThousandth) iDecimals = p.iCount;
  }
  const auto mHas = [uShown](int kind) { return (uShown & (1u << kind)) != 0; };
  const int u = step.eUnit;
  const bool bMs = u < xThousandth || iDecimals >= (step.iStep % 10 != 0    ? 3
                                                    : step.iStep % 100 != 0 ? 2
                                                                            : 1);
  return mHas(xYear) && (u <= xYear || mHas(xMonthNumber)) && (u <= xMonthNumber || mHas(xDay)) &&
         (u <= xDay || mHas(xHour)) && (u <= xHour || mHas(xMinute)) &&
         (u <= xMinute || mHas(xSecond)) && bMs;
}

bool mLabelsDistinct(const CmTimeCls& time, const std::vector<double>& ticks, bool elapsed) {
  const int iNumParts = Impl::mNumParts(time);
  const Part* pParts = Impl::mConstParts(time);
  const bool bHour12 = Impl::mHour12WithoutDesignator(time);
  std::vector<std::int64_t> vKeys;
  vKeys.reserve(ticks.size());
  for (double t : ticks) vKeys.push_back(mLabelKey(time, iNumParts, pParts, elapsed, bHour12, t));
  std::sort(vKeys.begin(), vKeys.end());
  return std::adjacent_find(vKeys.begin(), vKeys.end()) == vKeys.end();
}

std::wstring mFormatText(const CmTimeCls& time) {
  CmString s;
  int iWidth = 0;
  bool bDate = false, bTime = false;
  time.mGetFormat(s, &iWidth, &bDate, &bTime);
  return s.str();
}

// Candidate label formats of the same style as format, shortest first:
// month and day (then the full regional date) before a time; the year in
// its regional place after a date without one; four year digits for two.
std::vector<std::wstring> mLabelCandidates(const CmTimeCls& time, const std::wstring& format,
                                           bool hasDate) {
  CmString sFormat(format), sDate, sTime;
  time.mGetDateTimeFmtParts(sFormat, sDate, sTime);
  const std::wstring sShort = Impl::mShortDate(time), sMonthDay = Impl::mMonthDay(time);
  std::vector<std::wstring> v;
  if (!hasDate) {
    v.push_back(sMonthDay + L" " + format);
    v.push_back(sShort + L" " + format);
    return v;
  }
  const std::wstring sTimeTail = sTime.empty() ? L"" : L" " + sTime.str();
  std::wstring sDateText = sDate.str();
  const std::size_t iYY = sDateText.find(L"yy");
  if (iYY == std::wstring::npos) {
    const std::wstring sSep = time.mGetDateSep().empty() ? L" " : time.mGetDateSep().str();
    const bool bYearFirst = sShort.find(L'y') < std::min(sShort.find(L'm'), sShort.find(L'd'));
    sDateText = bYearFirst ? L"yyyy" + sSep + sDateText : sDateText + sSep + L"yyyy";
  } else if (sDateText.find(L"yyyy") == std::wstring::npos) {
    sDateText.replace(iYY, 2, L"yyyy");
  } else {
    return v;
  }
  v.push_back(sDateText + sTimeTail);
  return v;
}

// The first candidate whose labels tell the ticks apart, as its canonical
// text; empty when none does. The class-wide flags of the current format
// are kept.
std::wstring mFindLabelFormat(const CmTimeCls& time, const std::vector<double>& ticks,
                              bool hasDate) {
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag, bComma = CmTimeCls::m_bFmtHasComma;
  CmTimeCls copy(time);
  std::wstring sFound;
  for (const std::wstring& s : mLabelCandidates(time, mFormatText(time), hasDate)) {
    if (copy.mSetFormat(s.c_str()) && mLabelsDistinct(copy, ticks, false)) {
      sFound = mFormatText(copy);
      break;
    }
  }
  CmTimeCls::m_bElapsedTimeFlag = bElapsed;
  CmTimeCls::m_bFmtHasComma = bComma;
  return sFound;
}

// The data range of a nice scale in ms, with its padded ends.
struct xRangeMs {
  double dMin, dMax, dPadLo, dPadHi;
  std::int64_t iDataLo, iDataHi, iPadLo, iPadHi;
};

xRangeMs mNiceRange(const CmTimeCls& time, double dataMin, double dataMax, bool elapsed) {
  if (dataMax - dataMin <=
      mGetNearlyZero() + mGetEps() * std::max(std::fabs(dataMin), std::fabs(dataMax))) {
    // A day around a single value; under an elapsed format not below 0.
    dataMin -= 0.5;
    if (elapsed && dataMin < 0.0 && dataMin + 0.5 >= 0.0) dataMin = 0.0;
    dataMax = dataMin + 1.0;
  }
  xRangeMs x{dataMin,
             dataMax,
             dataMin - kMargin * (dataMax - dataMin),
             dataMax + kMargin * (dataMax - dataMin),
             0,
             0,
             0,
             0};
  if (elapsed && dataMin >= 0.0) x.dPadLo = std::max(x.dPadLo, 0.0);
  // Whole milliseconds inside each end, as the ticks are written back.
  const auto mInside = [&time](double t, int side) {
    const std::int64_t ms = mToMs(time, t);
    return ms + (side * (mFromMs(ms) - t) < 0.0 ? side : 0);
  };
  x.iDataLo = mInside(x.dMin, 1);
  x.iDataHi = mInside(x.dMax, -1);
  x.iPadLo = mInside(x.dPadLo, 1);
  x.iPadHi = mInside(x.dPadHi, -1);
  return x;
}

xEnds mEndsFor(const CmStepper& s, eTimeScaleEnds ends, const xRangeMs& x) {
  if (ends == eScaleEndsNice) return {s.mAtOrBelow(x.iDataLo), s.mAtOrAbove(x.iDataHi)};
  if (ends == eScaleEndsData) return {x.iDataLo, x.iDataHi};
  return {x.iPadLo, x.iPadHi};
}

// The ladder step whose tick count is nearest the middle of the window, or
// nearest the window when none lies in it; -1 when no step can be used.
int mChooseStep(const CmTimeCls& time, const xLadder& ladder, const xRangeMs& x,
                eTimeScaleEnds ends, int minTicks, int maxTicks) {
  const double dTarget = (static_cast<double>(minTicks) + maxTicks) / 2.0;
  const double dSpan = x.dMax - x.dMin;
  const std::int64_t iCap = 4LL * maxTicks + 8;
  // Ticks must stay in the years 1..9999; only year steps, or data within a
  // year of those ends, can leave them.
  const bool bNearEdge = x.dPadLo < cvn::detail::kScaleFirstDay + 400.0 ||
                         x.dPadHi > cvn::detail::kScaleLastDay - 400.0;
  const double dYearLo = 1900.0 + x.dPadLo / 365.2425, dYearHi = 1900.0 + x.dPadHi / 365.2425;
  int iBest = -1;
  double dBestScore = 0.0;
  std::int64_t iBestCount = 0;
  for (int i = 0; i < ladder.n; ++i) {
    const xStep& step = ladder.a[i];
    if (dSpan / step.dDays > static_cast<double>(iCap)) continue;  // far too many
    const CmStepper s(time, step);
    const xEnds e = mEndsFor(s, ends, x);
    // A year step reaches beyond the data by less than its years (and the
    // estimate of the data's years is off by less than two).
    const bool bYearsMayLeave =
        step.eKind == eStepKind::eYears &&
        (dYearLo - static_cast<double>(step.iMs) - 2.0 < cvn::detail::kScaleFirstYear ||
         dYearHi + static_cast<double>(step.iMs) + 2.0 > cvn::detail::kScaleLastYear);
    if ((bNearEdge || bYearsMayLeave) &&
        (!cvn::detail::mIsScaleTime(mFromMs(s.mAtOrAbove(e.iLo))) ||
         !cvn::detail::mIsScaleTime(mFromMs(s.mAtOrBelow(e.iHi))))) {
      continue;
    }
    // Two-day ticks far above the window are counted roughly: each is a walk.
    const double dEstimate = static_cast<double>(e.iHi - e.iLo) / kMsDay / step.dDays;
    const std::int64_t n = step.eKind == eStepKind::eTwoDays && dEstimate > 2.0 * maxTicks + 4
                               ? static_cast<std::int64_t>(dEstimate)
                               : s.mCount(e.iLo, e.iHi, iCap);
    const bool bIn = n >= minTicks && n <= maxTicks;
    const double dScore =
        bIn ? std::fabs(static_cast<double>(n) - dTarget)
            : 1e6 + static_cast<double>(n < minTicks ? minTicks - n : n - maxTicks);
    // On a tie the step with fewer ticks wins, and of equal counts the finer.
    if (iBest < 0 || dScore < dBestScore || (dScore == dBestScore && n < iBestCount)) {
      iBest = i;
      dBestScore = dScore;
      iBestCount = n;
    }
    if (n < minTicks) break;  // coarser steps give no more ticks
  }
  return iBest;
}

// Whether the labels tell the ticks apart, and the format to write them in.
void mSetLabels(const CmTimeCls& time, const xStep* step, bool elapsed, xTimeScaleResult* r) {
  r->bLabelsDistinct = elapsed || (step != nullptr && mShowsEveryField(time, *step)) ||
                       mLabelsDistinct(time, r->vTicks, false);
  r->bFormatDistinct = r->bLabelsDistinct;
  Impl::mFormatInto(time, r->sLabelFormat);
  if (!r->bLabelsDistinct) {
    const std::wstring sFound = mFindLabelFormat(time, r->vTicks, Impl::mHasDate(time));
    if (!sFound.empty()) {
      r->sLabelFormat = CmString(sFound);
      r->bLabelsDistinct = true;
    }
  }
}

// Sets the class-wide elapsed flag for the life of the guard, then puts the
// previous one back.
class CmElapsedFlagAs {
 public:
  explicit CmElapsedFlagAs(bool elapsed) : m_bSaved(CmTimeCls::m_bElapsedTimeFlag) {
    CmTimeCls::m_bElapsedTimeFlag = elapsed;
  }
  ~CmElapsedFlagAs() { CmTimeCls::m_bElapsedTimeFlag = m_bSaved; }
  CmElapsedFlagAs(const CmElapsedFlagAs&) = delete;
  CmElapsedFlagAs& operator=(const CmElapsedFlagAs&) = delete;

 private:
  bool m_bSaved;
};

void mNiceScale(CmTimeCls& time, double dataMin, double dataMax, const xTimeScaleOptions& o,
                xTimeScaleResult* r) {
  // The class-wide elapsed flag speaks of the format set last on any object;
  // the nice mode goes by this object's own format ("[h]", "[m]" or "[s]"),
  // so that its steps and labels never follow another object's format.
  const CmElapsedFlagAs xFlag(time.mGetDateTimeFmt().mFind(L'[') >= 0);
  const bool bElapsed = time.mGetElapsedTimeFlag() && !Impl::mHasDate(time);
  const xRangeMs x = mNiceRange(time, dataMin, dataMax, bElapsed);
  xLadder ladder;
  mBuildLadder(Impl::mFinestPart(time), mLeastMs(time), bElapsed, time.mGetStartDayOfWeek(),
               &ladder);
  const int iMin = std::max(o.iMinTicks, 1);
  const int iBest = mChooseStep(time, ladder, x, o.eEnds, iMin, o.iMaxTicks);
  r->vTicks.clear();
  r->eUnit = xNoPart;
  r->iStep = 0;
  r->dMin = o.eEnds == eScaleEndsData ? x.dMin : x.dPadLo;
  r->dMax = o.eEnds == eScaleEndsData ? x.dMax : x.dPadHi;
  const xStep* pStep = iBest < 0 ? nullptr : &ladder.a[iBest];
  if (pStep != nullptr) {
    const CmStepper s(time, *pStep);
    const xEnds e = mEndsFor(s, o.eEnds, x);
    for (std::int64_t t = s.mAtOrAbove(e.iLo);
         t <= e.iHi && r->vTicks.size() < static_cast<std::size_t>(cvn::detail::kMaxScaleTicks);
         t = s.mNext(t)) {
      r->vTicks.push_back(mFromMs(t));
    }
    if (o.eEnds == eScaleEndsNice && !r->vTicks.empty()) {
      // The outer ticks (the last one of those kept, past the most ticks).
      r->dMin = r->vTicks.front();
      r->dMax = r->vTicks.back();
    }
    r->eUnit = pStep->eUnit;
    r->iStep = pStep->iStep;
  }
  const auto n = static_cast<std::int64_t>(r->vTicks.size());
  r->bWindowMet = n >= iMin && n <= o.iMaxTicks;
  mSetLabels(time, pStep, bElapsed, r);
}

}  // namespace

bool mFindTimeScale(CmTimeCls& time, double dataMin, double dataMax,
                    const xTimeScaleOptions& options, xTimeScaleResult* result) {
  if (result == nullptr || !cvn::detail::mIsScaleTime(dataMin) ||
      !cvn::detail::mIsScaleTime(dataMax) || dataMax < dataMin || options.iMaxTicks < 1 ||
      options.iMinTicks > options.iMaxTicks || Impl::mFinestPart(time) == xNoPart) {
    return false;
  }
  if (options.eMode == eTickModeNice) {
    mNiceScale(time, dataMin, dataMax, options, result);
    return true;
  }
  const Impl::xDefaultScale x =
      Impl::mDefaultScale(time, dataMin, dataMax, options.iMinTicks, options.iMaxTicks, true, true,
                          &result->dMin, &result->dMax, result->vTicks);
  result->eUnit = x.eUnit;
  result->iStep = x.iIncrement;
  const auto n = static_cast<std::int64_t>(result->vTicks.size());
  result->bWindowMet = n >= options.iMinTicks && n <= options.iMaxTicks;
  result->bLabelsDistinct =
      mLabelsDistinct(time, result->vTicks, time.mGetElapsedTimeFlag() && !Impl::mHasDate(time));
  result->bFormatDistinct = result->bLabelsDistinct;
  Impl::mFormatInto(time, result->sLabelFormat);
  return true;
}
