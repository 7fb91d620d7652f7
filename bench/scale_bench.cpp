// Time scales: one axis per call, in the default tick mode (mFindNiceScale)
// and in the nice mode (mFindTimeScale), over a column of varied data
// ranges from a second to two centuries.
//
// Recorded run: see bench/README.md, "Time scales".

#include <cmath>
#include <cwchar>
#include <random>
#include <vector>

#include "CmTimeCls.h"
#include "CmTimeScale.h"
#include "bench/bench_common.h"

namespace cb = cvn::bench;

namespace {

struct xRange {
  double dMin;
  double dMax;
};

// Ranges starting between 1950 and 2050, spanning 10^-5 to 10^4.8 days;
// minDays bounds the span from below.
std::vector<xRange> mRanges(double minDays) {
  std::vector<xRange> v;
  std::uniform_real_distribution<double> start(18264.0, 54789.0), power(-5.0, 4.8);
  while (static_cast<int>(v.size()) < cb::kBatch) {
    const double dStart = start(cb::mRandom()), dSpan = std::pow(10.0, power(cb::mRandom()));
    if (dSpan >= minDays) v.push_back({dStart, dStart + dSpan});
  }
  return v;
}

// A date format is never shortened by the default mode, so the object
// keeps it from call to call; a date-and-time format is set again before
// every call, in both modes alike.
void BM_Scale(benchmark::State& state, const wchar_t* format, bool nice) {
  CmTimeCls& time = cb::mTimeObject(format);
  const bool bDateOnly = format[std::wcslen(format) - 1] == L'y';
  static const std::vector<xRange> svDates = mRanges(7.0), svAll = mRanges(0.0);
  const std::vector<xRange>& vRanges = bDateOnly ? svDates : svAll;
  xTimeScaleResult result;
  const xTimeScaleOptions options{eTickModeNice, eScaleEndsPadded, 4, 8};
  std::vector<double> vTicks;
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (const xRange& r : vRanges) {
      if (!bDateOnly) time.mSetFormat(format);
      if (nice) {
        mFindTimeScale(time, r.dMin, r.dMax, options, &result);
        benchmark::DoNotOptimize(result.vTicks.data());
      } else {
        double dMin = 0.0, dMax = 0.0;
        time.mFindNiceScale(r.dMin, r.dMax, 4, 8, true, true, &dMin, &dMax, vTicks);
        benchmark::DoNotOptimize(vTicks.data());
      }
    }
  }
  counters.mFinish();
}

}  // namespace

BENCHMARK_CAPTURE(BM_Scale, DateDefault, L"m/d/yyyy", false)->Name("Scale/Date/Default");
BENCHMARK_CAPTURE(BM_Scale, DateNice, L"m/d/yyyy", true)->Name("Scale/Date/Nice");
BENCHMARK_CAPTURE(BM_Scale, DateTimeDefault, L"m/d/yyyy h:mm:ss", false)
    ->Name("Scale/DateTime/Default");
BENCHMARK_CAPTURE(BM_Scale, DateTimeNice, L"m/d/yyyy h:mm:ss", true)->Name("Scale/DateTime/Nice");
