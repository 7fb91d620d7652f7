// Calendar: date -> day number and day number -> date through the
// library's public operations, beside the closed-form algorithms.
//
// Recorded run: 5 December 2026, 2 cores (nproc), Intel(R) Xeon(R) Processor
// 2.6 GHz, g++ 12.2.0 -O3, medians of 3, CPU ns per value:
//   DateToDayNumber  Cvn 3.7   ClosedForm 2.2
//   DayNumberToDate  Cvn 7.9   ClosedForm 6.3
// The whole table of that run: bench/README.md.

#include <vector>

#include "CmTimeCls.h"
#include "CvnOdbcTypes.h"
#include "bench/bench_common.h"

namespace cb = cvn::bench;

namespace {

// Valid day numbers: 1 January 1000 to 31 December 4000.
constexpr int kFirstDay = -328716;
constexpr int kLastDay = 767376;

const std::vector<int>& mDayNumbers() {
  static const std::vector<int> svDays = [] {
    std::vector<int> v(cb::kBatch);
    for (int& i : v) i = cb::mDraw(kFirstDay, kLastDay);
    return v;
  }();
  return svDays;
}

const std::vector<cb::xDate>& mDates() {
  static const std::vector<cb::xDate> svDates = [] {
    std::vector<cb::xDate> v;
    for (int i : mDayNumbers()) v.push_back(cb::mClosedFormDate(i));
    return v;
  }();
  return svDates;
}

// The peers are called once per value, as the library is: the figures
// compare the algorithms, not what inlining across a loop makes of them.
__attribute__((noinline)) int mPeerDayNumber(const cb::xDate& d) {
  return cb::mClosedFormDayNumber(d.iYear, d.iMonth, d.iDay);
}
__attribute__((noinline)) cb::xDate mPeerDate(int dayNumber) {
  return cb::mClosedFormDate(dayNumber);
}

void mCheckAgreement(const CmTimeCls& time) {
  for (const cb::xDate& d : mDates()) {
    double t = 0.0;
    time.mGenerateCorvaneTime(d.iYear, d.iMonth, d.iDay, 0, 0, 0, 0, &t);
    if (t != mPeerDayNumber(d)) cb::mFail("date to day number", std::to_string(d.iYear));
    tagTIMESTAMP_STRUCT ts{};
    time.mCorvaneTimeToODBC(t, &ts);
    if (ts.year != d.iYear || ts.month != d.iMonth || ts.day != d.iDay) {
      cb::mFail("day number to date", std::to_string(t));
    }
  }
}

const CmTimeCls& mCalendarTime() {
  static const CmTimeCls& sTime = []() -> const CmTimeCls& {
    const CmTimeCls& t = cb::mTimeObject(L"m/d/yyyy");
    mCheckAgreement(t);
    return t;
  }();
  return sTime;
}

void BM_DateToDayNumber_Cvn(benchmark::State& state) {
  const CmTimeCls& time = mCalendarTime();
  const std::vector<cb::xDate>& vDates = mDates();
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (const cb::xDate& d : vDates) {
      double t = 0.0;
      time.mGenerateCorvaneTime(d.iYear, d.iMonth, d.iDay, 0, 0, 0, 0, &t);
      benchmark::DoNotOptimize(t);
    }
  }
  counters.mFinish();
}

void BM_DateToDayNumber_ClosedForm(benchmark::State& state) {
  const std::vector<cb::xDate>& vDates = mDates();
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (const cb::xDate& d : vDates) {
      // The same double result as the library's.
      double t = mPeerDayNumber(d);
      benchmark::DoNotOptimize(t);
    }
  }
  counters.mFinish();
}

void BM_DayNumberToDate_Cvn(benchmark::State& state) {
  const CmTimeCls& time = mCalendarTime();
  const std::vector<int>& vDays = mDayNumbers();
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (int i : vDays) {
      tagTIMESTAMP_STRUCT ts;
      time.mCorvaneTimeToODBC(i, &ts);
      benchmark::DoNotOptimize(ts);
    }
  }
  counters.mFinish();
}

void BM_DayNumberToDate_ClosedForm(benchmark::State& state) {
  const std::vector<int>& vDays = mDayNumbers();
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (int i : vDays) {
      cb::xDate d = mPeerDate(i);
      benchmark::DoNotOptimize(d);
    }
  }
  counters.mFinish();
}

}  // namespace

BENCHMARK(BM_DateToDayNumber_Cvn)->Name("Calendar/DateToDayNumber/Cvn");
BENCHMARK(BM_DateToDayNumber_ClosedForm)->Name("Calendar/DateToDayNumber/ClosedForm");
BENCHMARK(BM_DayNumberToDate_Cvn)->Name("Calendar/DayNumberToDate/Cvn");
BENCHMARK(BM_DayNumberToDate_ClosedForm)->Name("Calendar/DayNumberToDate/ClosedForm");
