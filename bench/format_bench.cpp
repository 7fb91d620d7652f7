// Format setting and scales: mSetFormat on typical format texts, and
// mFindNiceScale over ranges from a minute to a century.
//
// Recorded run: 5 December 2026, 2 cores (nproc), Intel(R) Xeon(R) Processor
// 2.6 GHz, g++ 12.2.0 -O3, medians of 3, CPU ns per value (per call):
//   SetFormat/MonthNameAmPm 63.9, SetFormat/Typical 67.2, SetFormat/SameText 61.9,
//   Scale/FindNiceScale 657.7 (6.4 allocations per call)
// The whole table of that run: bench/README.md.

#include <cmath>
#include <vector>

#include "CmTimeCls.h"
#include "bench/bench_common.h"

namespace cb = cvn::bench;

namespace {

// Formats a user picks or a file brings, set one after the other, so every
// call changes the format.
const wchar_t* const kTypical[] = {
    L"m/d/yyyy h:mm:ss",
    L"mmmm d, yyyy h:mm:ss AM/PM",
    L"dd-mmm-yy hh:mm:ss.sss",
    L"yyyy-mm-dd",
    L"d mmmm yyyy",
    L"h:mm am/pm",
    L"mm/dd/yyyy hh:mm",
    L"[h]:mm:ss",
};
constexpr int kNumTypical = sizeof kTypical / sizeof kTypical[0];

// A column of format texts: round the list.
void mSetTypical(CmTimeCls& time) {
  for (int i = 0; i < cb::kBatch; ++i) {
    benchmark::DoNotOptimize(time.mSetFormat(kTypical[i % kNumTypical]));
  }
}

// The same text over and over, as a reader that follows a column does.
void mSetOne(CmTimeCls& time, const wchar_t* format) {
  for (int i = 0; i < cb::kBatch; ++i) benchmark::DoNotOptimize(time.mSetFormat(format));
}

void BM_SetFormat_Typical(benchmark::State& state) {
  CmTimeCls& time = cb::mTimeObject(kTypical[0]);
  for (const wchar_t* s : kTypical) {
    if (!time.mSetFormat(s)) cb::mFail("format refused", cb::mNarrow(s));
  }
  mSetTypical(time);
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) mSetTypical(time);
  counters.mFinish();
}

// The month-name format alternating with a numeric one: each call parses
// a text that differs from the current one.
void BM_SetFormat_MonthNameAmPm(benchmark::State& state) {
  CmTimeCls& time = cb::mTimeObject(kTypical[1]);
  auto fColumn = [&time] {
    for (int i = 0; i < cb::kBatch / 2; ++i) {
      benchmark::DoNotOptimize(time.mSetFormat(L"mmmm d, yyyy h:mm:ss AM/PM"));
      benchmark::DoNotOptimize(time.mSetFormat(L"m/d/yyyy h:mm:ss"));
    }
  };
  fColumn();
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) fColumn();
  counters.mFinish();
}

void BM_SetFormat_Same(benchmark::State& state) {
  CmTimeCls& time = cb::mTimeObject(kTypical[1]);
  mSetOne(time, kTypical[1]);
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) mSetOne(time, kTypical[1]);
  counters.mFinish();
}

// Data ranges whose spans are spread evenly on a log scale from one minute
// to a hundred years, starting anywhere from 1950 to 2049.
struct xRange {
  double dMin;
  double dMax;
};

const std::vector<xRange>& mRanges() {
  static const std::vector<xRange> svRanges = [] {
    std::vector<xRange> v;
    const double dMinute = 1.0 / 1440.0;
    const double dCentury = 36525.0;
    std::uniform_real_distribution<double> xLogSpan(std::log(dMinute), std::log(dCentury));
    std::uniform_real_distribution<double> xStart(cb::mClosedFormDayNumber(1950, 1, 1),
                                                  cb::mClosedFormDayNumber(2049, 12, 31));
    for (int i = 0; i < cb::kBatch; ++i) {
      const double dStart = xStart(cb::mRandom());
      v.push_back({dStart, dStart + std::exp(xLogSpan(cb::mRandom()))});
    }
    return v;
  }();
  return svRanges;
}

void mScaleColumn(CmTimeCls& time, std::vector<double>& ticks) {
  for (const xRange& r : mRanges()) {
    double dMin = 0.0;
    double dMax = 0.0;
    time.mFindNiceScale(r.dMin, r.dMax, 4, 10, false, false, &dMin, &dMax, ticks);
    benchmark::DoNotOptimize(dMin);
    benchmark::DoNotOptimize(dMax);
  }
}

void BM_FindNiceScale(benchmark::State& state) {
  CmTimeCls& time = cb::mTimeObject(L"m/d/yyyy h:mm:ss");
  std::vector<double> vTicks;
  mScaleColumn(time, vTicks);
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) mScaleColumn(time, vTicks);
  counters.mFinish();
}

}  // namespace

BENCHMARK(BM_SetFormat_Typical)->Name("SetFormat/Typical/Cvn");
BENCHMARK(BM_SetFormat_MonthNameAmPm)->Name("SetFormat/MonthNameAmPm/Cvn");
BENCHMARK(BM_SetFormat_Same)->Name("SetFormat/SameText/Cvn");
BENCHMARK(BM_FindNiceScale)->Name("Scale/FindNiceScale/Cvn");
