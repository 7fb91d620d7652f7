// The benchmark program: runs every benchmark, shows the usual console
// report, and ends with one table that sets the library beside its peers
// from the same run (medians when repetitions are asked for), with the
// ratios and whether each target is met.
//
// Recorded run: 5 December 2026, 2 cores (nproc), Intel(R) Xeon(R) Processor
// 2.6 GHz, g++ 12.2.0 -O3, Google Benchmark 1.7.1, ICU 72.1. The table of that
// run: bench/README.md.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "bench/bench_common.h"

namespace cb = cvn::bench;

namespace {

// How a row's target reads.
enum class eTarget {
  kAtMostTimesPeer,     // library time <= limit x peer time
  kAtLeastTimesFaster,  // peer time >= limit x library time
  kAtMostNs,            // library time <= limit ns
  kNone,                // shown for information
};

struct xRow {
  const char* sCase;  // benchmark name without "/Cvn"
  const char* sPeer;  // the peer's last name part, or null
  eTarget eKind;
  double dLimit;
};

const xRow kRows[] = {
    {"Calendar/DateToDayNumber", "ClosedForm", eTarget::kAtMostTimesPeer, 2.0},
    {"Calendar/DayNumberToDate", "ClosedForm", eTarget::kAtMostTimesPeer, 2.0},
    {"Read/MdyHmsAmPm", "Strptime", eTarget::kAtMostTimesPeer, 4.0},
    {"Read/MdyHmsAmPm", "ICU", eTarget::kAtLeastTimesFaster, 10.0},
    {"Read/MdyHms24", "Strptime", eTarget::kAtMostTimesPeer, 4.0},
    {"Read/MdyHms24", "ICU", eTarget::kAtLeastTimesFaster, 10.0},
    {"Read/DayMonthName", "Strptime", eTarget::kAtMostTimesPeer, 4.0},
    {"Read/DayMonthName", "ICU", eTarget::kAtLeastTimesFaster, 10.0},
    {"Guess/DMonYyHms", "Strptime", eTarget::kAtMostTimesPeer, 15.0},
    {"Guess/DMonYyHms", "ICU", eTarget::kNone, 0.0},
    {"Fail/Unreadable", "Strptime", eTarget::kNone, 0.0},
    {"Fail/Unreadable", "ICU", eTarget::kNone, 0.0},
    {"Write/MdyHms", "Strftime", eTarget::kAtMostTimesPeer, 1.5},
    {"Write/MdyHms", "ICU", eTarget::kAtLeastTimesFaster, 10.0},
    {"Write/MonthNameAmPm", "Strftime", eTarget::kAtMostTimesPeer, 1.5},
    {"Write/MonthNameAmPm", "ICU", eTarget::kAtLeastTimesFaster, 10.0},
    {"SetFormat/MonthNameAmPm", nullptr, eTarget::kAtMostNs, 300.0},
    {"SetFormat/Typical", nullptr, eTarget::kAtMostNs, 300.0},
    {"SetFormat/SameText", nullptr, eTarget::kNone, 0.0},
    {"Scale/FindNiceScale", nullptr, eTarget::kNone, 0.0},
    {"Column/IsoDateTime", "Strptime", eTarget::kAtMostTimesPeer, 1.0},
    {"Column/UsAmPm", "Strptime", eTarget::kAtMostTimesPeer, 1.0},
};

struct xFigure {
  double dNsPerValue = 0.0;
  double dAllocsPerValue = 0.0;
};

double mNsPerUnit(benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kSecond: return 1e9;
    case benchmark::kMillisecond: return 1e6;
    case benchmark::kMicrosecond: return 1e3;
    default: return 1.0;
  }
}

// The console report, plus the figures the table needs: CPU time per
// value (the machine is shared, so time spent waiting does not count).
class xTableReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so that a saved report stays plain text.
  xTableReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& reports) override {
    ConsoleReporter::ReportRuns(reports);
    for (const Run& r : reports) {
      const bool bMedian = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      const bool bSingle = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
      if (!(bMedian || bSingle) || r.error_occurred) continue;
      xFigure& f = m_mFigures[r.run_name.function_name];
      // A benchmark that works through more than one batch per iteration
      // says how many values it handles.
      const auto itValues = r.counters.find("values/iteration");
      const double dValues = itValues != r.counters.end() ? itValues->second.value : cb::kBatch;
      f.dNsPerValue = r.GetAdjustedCPUTime() * mNsPerUnit(r.time_unit) / dValues;
      const auto it = r.counters.find("allocs/value");
      if (it != r.counters.end()) f.dAllocsPerValue = it->second.value;
    }
  }

  void mPrintTable() {
    // On the reporter's own stream, after everything it has written.
    std::ostream& out = GetOutputStream();
    out << "\n| case | library ns/value | allocs/value | peer | peer ns/value | ratio | "
           "target | met |\n|---|---:|---:|---|---:|---:|---|---|\n";
    for (const xRow& row : kRows) mPrintRow(out, row);
    out.flush();
  }

 private:
  const xFigure* mFind(const std::string& name) const {
    const auto it = m_mFigures.find(name);
    return it == m_mFigures.end() ? nullptr : &it->second;
  }

  void mPrintRow(std::ostream& out, const xRow& row) const {
    const xFigure* pCvn = mFind(std::string(row.sCase) + "/Cvn");
    if (pCvn == nullptr) return;  // filtered out of this run
    const xFigure* pPeer = row.sPeer ? mFind(std::string(row.sCase) + "/" + row.sPeer) : nullptr;
    if (row.sPeer != nullptr && pPeer == nullptr) return;
    char szPeer[32] = "";
    char szRatio[32] = "";
    char szTarget[48] = "";
    bool bMet = true;
    if (pPeer != nullptr) {
      std::snprintf(szPeer, sizeof szPeer, "%.1f", pPeer->dNsPerValue);
      const double dRatio = pCvn->dNsPerValue / pPeer->dNsPerValue;
      if (row.eKind == eTarget::kAtLeastTimesFaster) {
        std::snprintf(szRatio, sizeof szRatio, "%.1fx faster", 1.0 / dRatio);
        bMet = 1.0 / dRatio >= row.dLimit;
      } else {
        std::snprintf(szRatio, sizeof szRatio, "%.2fx", dRatio);
        bMet = dRatio <= row.dLimit;
      }
    }
    switch (row.eKind) {
      case eTarget::kAtMostTimesPeer:
        std::snprintf(szTarget, sizeof szTarget, "<= %.1fx", row.dLimit);
        break;
      case eTarget::kAtLeastTimesFaster:
        std::snprintf(szTarget, sizeof szTarget, ">= %.0fx faster", row.dLimit);
        break;
      case eTarget::kAtMostNs:
        std::snprintf(szTarget, sizeof szTarget, "<= %.0f ns", row.dLimit);
        bMet = pCvn->dNsPerValue <= row.dLimit;
        break;
      case eTarget::kNone: break;
    }
    char szLine[256];
    std::snprintf(szLine, sizeof szLine, "| %s | %.1f | %.3g | %s | %s | %s | %s | %s |\n",
                  row.sCase, pCvn->dNsPerValue, pCvn->dAllocsPerValue, row.sPeer ? row.sPeer : "",
                  szPeer, szRatio, szTarget,
                  row.eKind == eTarget::kNone ? "" : (bMet ? "yes" : "NO"));
    out << szLine;
  }

  std::map<std::string, xFigure> m_mFigures;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  xTableReporter xReporter;
  benchmark::RunSpecifiedBenchmarks(&xReporter);
  xReporter.mPrintTable();
  benchmark::Shutdown();
  return 0;
}
