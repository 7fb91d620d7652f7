// Importing a column: CmColumnReader::mRead (survey and read together) on a
// column of one million ISO 8601 date-times and one of one million United
// States 12-hour date-times, beside glibc strptime with the column's one
// pattern plus the closed-form day number, value by value into a vector.
// Every iteration imports the whole column; the figures are per value.
// allocs/value counts the heap allocations of the timed imports: a handful
// per import (the result's vectors), none per value.
//
// Recorded run: 6 December 2026, 2 cores (nproc), Intel(R) Xeon(R) Processor
// 2.6 GHz, g++ 12.2.0 -O3, medians of 3, CPU ns per value:
//   Column/IsoDateTime  Cvn 42.0  Strptime 44.5
//   Column/UsAmPm       Cvn 65.3  Strptime 81.9
// with about 136 allocations per import of a million texts. Since then
// (second thread, lines): Column/IsoDateTime Cvn 23.6 ms wall per million,
// CvnLines 29.9 ms, Strptime 42.6 ms; Column/UsAmPm 42.4, 47.4, 82.3 ms.
// CvnLines reads the same texts as the lines of one UTF-8 text (mReadLines). The end-to-end
// comparison with pandas and the figures: bench/README.md ("Importing a
// column").

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "CmColumnReader.h"
#include "CmRegionalSettings.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "bench/bench_common.h"

namespace cb = cvn::bench;

namespace {

constexpr size_t kColumnSize = 1000000;

struct xColumnCase {
  const char* sName;
  const char* sStrptime;
  bool b12Hour;  // "3/15/2020 10:30:45 PM", else "2020-03-15T22:30:45"
};

const xColumnCase kCases[] = {
    {"Column/IsoDateTime", "%Y-%m-%dT%H:%M:%S", false},
    {"Column/UsAmPm", "%m/%d/%Y %I:%M:%S %p", true},
};
constexpr size_t kNumCases = sizeof kCases / sizeof kCases[0];

// A column in both encodings, each text in one buffer: the wide texts as
// views for the column reader, the narrow ones zero-terminated for strptime.
struct xColumn {
  std::wstring sWide;
  std::vector<std::wstring_view> vWide;
  std::string sNarrow;
  std::vector<size_t> viNarrow;  // start of each narrow text
  std::string sLines;            // the narrow texts one per line, as a file has them
  std::vector<double> vdExpected;
};

xColumn mMakeColumn(const xColumnCase& c) {
  xColumn col;
  std::vector<size_t> viWide;
  const int iFirst = cb::mClosedFormDayNumber(1950, 1, 1);
  const int iLast = cb::mClosedFormDayNumber(2049, 12, 31);
  char szText[64];
  for (size_t i = 0; i < kColumnSize; ++i) {
    const int iDay = cb::mDraw(iFirst, iLast);
    const cb::xDate d = cb::mClosedFormDate(iDay);
    const int h = cb::mDraw(0, 23), m = cb::mDraw(0, 59), s = cb::mDraw(0, 59);
    if (c.b12Hour) {
      std::snprintf(szText, sizeof szText, "%d/%d/%04d %d:%02d:%02d %s", d.iMonth, d.iDay, d.iYear,
                    h % 12 == 0 ? 12 : h % 12, m, s, h < 12 ? "AM" : "PM");
    } else {
      std::snprintf(szText, sizeof szText, "%04d-%02d-%02dT%02d:%02d:%02d", d.iYear, d.iMonth,
                    d.iDay, h, m, s);
    }
    viWide.push_back(col.sWide.size());
    col.viNarrow.push_back(col.sNarrow.size());
    for (const char* p = szText; *p != '\0'; ++p) col.sWide += static_cast<wchar_t>(*p);
    col.sNarrow.append(szText).push_back('\0');
    col.sLines.append(szText).push_back('\n');
    col.vdExpected.push_back(iDay + (h * 3600000.0 + m * 60000.0 + s * 1000.0) / 86400000.0);
  }
  viWide.push_back(col.sWide.size());
  for (size_t i = 0; i < kColumnSize; ++i) {
    col.vWide.emplace_back(col.sWide.data() + viWide[i], viWide[i + 1] - viWide[i]);
  }
  return col;
}

// The built-in United States settings, so that the figures do not depend on
// the machine's locale.
void mUseBuiltInSettings() {
  mSetRegionalSettings(mBuiltInRegionalSettings());
  mInitTimeClassMonthNames();
}

double mStrptimeRead(const char* text, const char* format) {
  std::tm tm;
  std::memset(&tm, 0, sizeof tm);
  const char* pEnd = strptime(text, format, &tm);
  if (pEnd == nullptr || *pEnd != '\0') return CmCVNConst::kMissingValueCode;
  const double dMs = tm.tm_hour * 3600000.0 + tm.tm_min * 60000.0 + tm.tm_sec * 1000.0;
  return cb::mClosedFormDayNumber(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) + dMs / 86400000.0;
}

void mStrptimeColumn(const xColumnCase& c, const xColumn& col, std::vector<double>& out) {
  out.resize(kColumnSize);
  for (size_t i = 0; i < kColumnSize; ++i) {
    out[i] = mStrptimeRead(col.sNarrow.data() + col.viNarrow[i], c.sStrptime);
  }
}

// Both readers must give every expected value before anything is timed.
const xColumn& mColumn(size_t index) {
  static std::vector<xColumn> svColumns(kNumCases);
  static std::vector<bool> svbMade(kNumCases, false);
  if (!svbMade[index]) {
    const xColumnCase& c = kCases[index];
    svColumns[index] = mMakeColumn(c);
    svbMade[index] = true;
    const xColumn& col = svColumns[index];
    mUseBuiltInSettings();
    xColumnResult result;
    CmColumnReader().mRead(col.vWide.data(), kColumnSize, result);
    std::vector<double> vdPeer;
    mStrptimeColumn(c, col, vdPeer);
    for (size_t i = 0; i < kColumnSize; ++i) {
      const double dExpected = col.vdExpected[i];
      if (result.veStatus[i] != eRowStatus::eRead ||
          std::fabs(result.vdValues[i] - dExpected) > 1e-9) {
        cb::mFail(c.sName, "column reader on " + cb::mNarrow(std::wstring(col.vWide[i])) + ": " +
                               std::to_string(result.vdValues[i]));
      }
      if (vdPeer[i] != dExpected)
        cb::mFail(c.sName, "strptime on " + cb::mNarrow(std::wstring(col.vWide[i])));
    }
    if (result.xReport.bAmbiguous || result.xReport.bMixed) cb::mFail(c.sName, "report");
    xColumnResult lines;
    CmColumnReader().mReadLines(col.sLines, lines);
    if (lines.vdValues != result.vdValues) cb::mFail(c.sName, "lines against views");
  }
  return svColumns[index];
}

void mSetCounters(benchmark::State& state, long allocations) {
  const double dValues = static_cast<double>(state.iterations()) * kColumnSize;
  state.SetItemsProcessed(static_cast<int64_t>(dValues));
  state.counters["values/iteration"] = benchmark::Counter(static_cast<double>(kColumnSize));
  state.counters["allocs/value"] =
      benchmark::Counter(dValues > 0 ? static_cast<double>(allocations) / dValues : 0.0);
}

void mBenchCvn(benchmark::State& state, size_t index) {
  const xColumn& col = mColumn(index);
  mUseBuiltInSettings();
  const CmColumnReader reader;
  xColumnResult result;
  reader.mRead(col.vWide.data(), kColumnSize, result);  // the result's vectors sized once
  const long iStart = cb::mAllocationCount();
  for (auto _ : state) {
    reader.mRead(col.vWide.data(), kColumnSize, result);
    benchmark::DoNotOptimize(result.vdValues.data());
  }
  mSetCounters(state, cb::mAllocationCount() - iStart);
}

// The same column as the lines of a file's text (what cvntime import reads).
void mBenchCvnLines(benchmark::State& state, size_t index) {
  const xColumn& col = mColumn(index);
  mUseBuiltInSettings();
  const CmColumnReader reader;
  xColumnResult result;
  reader.mReadLines(col.sLines, result);
  const long iStart = cb::mAllocationCount();
  for (auto _ : state) {
    reader.mReadLines(col.sLines, result);
    benchmark::DoNotOptimize(result.vdValues.data());
  }
  mSetCounters(state, cb::mAllocationCount() - iStart);
}

void mBenchStrptime(benchmark::State& state, size_t index) {
  const xColumn& col = mColumn(index);
  std::vector<double> vdValues;
  mStrptimeColumn(kCases[index], col, vdValues);
  const long iStart = cb::mAllocationCount();
  for (auto _ : state) {
    mStrptimeColumn(kCases[index], col, vdValues);
    benchmark::DoNotOptimize(vdValues.data());
  }
  mSetCounters(state, cb::mAllocationCount() - iStart);
}

const bool gbRegistered = [] {
  for (size_t i = 0; i < kNumCases; ++i) {
    const std::string sName = kCases[i].sName;
    benchmark::RegisterBenchmark((sName + "/Cvn").c_str(), mBenchCvn, i)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    benchmark::RegisterBenchmark((sName + "/CvnLines").c_str(), mBenchCvnLines, i)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    benchmark::RegisterBenchmark((sName + "/Strptime").c_str(), mBenchStrptime, i)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
  }
  return true;
}();

}  // namespace
