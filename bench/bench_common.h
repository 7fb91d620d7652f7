// Shared pieces of the benchmarks: the batch size, the allocation counter,
// the closed-form calendar algorithms the library is measured against, and
// the helpers that give every benchmark the same counters.
//
// Recorded run: 5 December 2026, 2 cores (nproc), Intel(R) Xeon(R) Processor
// 2.6 GHz, Debian 12, g++ 12.2.0, Release (-O3), Google Benchmark 1.7.1,
// ICU 72.1. Figures: bench/README.md.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

class CmTimeCls;

namespace cvn::bench {

// Every benchmark iteration works through one column of this many varied
// values, so each figure is a throughput per value over a column.
constexpr int kBatch = 1024;

// Heap allocations made by operator new since the program started.
long mAllocationCount();

// Day number (days from 30 December 1899) of a proleptic Gregorian date:
// Howard Hinnant's days_from_civil
// (http://howardhinnant.github.io/date_algorithms.html), moved from the
// 1970 epoch to the 1899 one.
constexpr int mClosedFormDayNumber(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);  // [0, 399]
  const unsigned doy = (153u * static_cast<unsigned>(m > 2 ? m - 3 : m + 9) + 2) / 5 +
                       static_cast<unsigned>(d) - 1;           // [0, 365]
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;  // [0, 146096]
  return era * 146097 + static_cast<int>(doe) - 719468 + 25569;
}

struct xDate {
  int iYear;
  int iMonth;
  int iDay;
};

// The date of a day number: civil_from_days from the same source.
constexpr xDate mClosedFormDate(int dayNumber) {
  const int z = dayNumber - 25569 + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);                // [0, 146096]
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
  const unsigned mp = (5 * doy + 2) / 153;                                     // [0, 11]
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);                // [1, 31]
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);                   // [1, 12]
  const int y = static_cast<int>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
  return {y, m, d};
}

// The fixed source of varied inputs: every run sees the same columns.
inline std::mt19937& mRandom() {
  static std::mt19937 sEngine(20200315u);
  return sEngine;
}

// A uniformly drawn integer in [lo, hi].
inline int mDraw(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(mRandom()); }

// Counts allocations over the timed loop and reports, per value, the
// allocations and the values handled.
class xColumnCounters {
 public:
  explicit xColumnCounters(benchmark::State& state) : m_state(state) {}
  void mStart() { m_iStart = mAllocationCount(); }
  void mFinish() {
    const long iAllocations = mAllocationCount() - m_iStart;
    const double dValues = static_cast<double>(m_state.iterations()) * kBatch;
    m_state.SetItemsProcessed(static_cast<int64_t>(dValues));
    m_state.counters["allocs/value"] =
        benchmark::Counter(dValues > 0 ? static_cast<double>(iAllocations) / dValues : 0.0);
  }

 private:
  benchmark::State& m_state;
  long m_iStart = 0;
};

// Stops the program when a benchmark's own check of its results fails: a
// figure for code that gives other answers than its peer means nothing.
[[noreturn]] inline void mFail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "bench: %s: %s\n", what, detail.c_str());
  std::exit(2);
}

// UTF-8 of an ASCII wide text, for messages and comparisons with peers.
inline std::string mNarrow(const std::wstring& s) {
  std::string out;
  out.reserve(s.size());
  for (wchar_t c : s) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

// A fresh time object under the built-in United States settings (so the
// figures do not depend on the machine's locale) with the given format.
CmTimeCls& mTimeObject(const wchar_t* format);

}  // namespace cvn::bench
