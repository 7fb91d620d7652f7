// Writing: mCorvaneTimeToStr on columns of values under two formats, beside
// strftime (after the closed-form split of the value into its fields) and
// ICU SimpleDateFormat::format with the equivalent pattern.
//
// Recorded run: 5 December 2026, 2 cores (nproc), Intel(R) Xeon(R) Processor
// 2.6 GHz, g++ 12.2.0 -O3, ICU 72.1, medians of 3, CPU ns per value:
//   Write/MdyHms         Cvn 88.2   Strftime 86.5  ICU 1722.8
//   Write/MonthNameAmPm  Cvn 110.1  Strftime 96.6  ICU 1655.3
// The whole table of that run: bench/README.md.

#include <cmath>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"
#include "bench/bench_common.h"
#include "bench/peer_icu.h"

namespace cb = cvn::bench;

namespace {

struct xWriteCase {
  const char* sName;
  const wchar_t* sCvnFormat;
  const char* sStrftime;
  const char* sIcu;
};

const xWriteCase kCases[] = {
    {"Write/MdyHms", L"m/d/yyyy h:mm:ss", "%-m/%-d/%Y %-H:%M:%S", "M/d/yyyy H:mm:ss"},
    {"Write/MonthNameAmPm", L"mmmm d, yyyy h:mm:ss AM/PM", "%B %-d, %Y %-I:%M:%S %p",
     "MMMM d, yyyy h:mm:ss a"},
};

// Times from 1950 to 2049 to the whole second.
const std::vector<double>& mValues() {
  static const std::vector<double> svValues = [] {
    std::vector<double> v;
    const int iFirst = cb::mClosedFormDayNumber(1950, 1, 1);
    const int iLast = cb::mClosedFormDayNumber(2049, 12, 31);
    for (int i = 0; i < cb::kBatch; ++i) {
      v.push_back(cb::mDraw(iFirst, iLast) + cb::mDraw(0, 86399) * 1000.0 / 86400000.0);
    }
    return v;
  }();
  return svValues;
}

// strftime with the split a caller needs: day number and time of day from
// the value, the date by the closed form. Returns the length written.
size_t mStrftimeWrite(double t, const char* format, char* buffer, size_t size) {
  const double dDay = std::floor(t);
  const int iMs = static_cast<int>(std::lround((t - dDay) * 86400000.0));
  const cb::xDate d = cb::mClosedFormDate(static_cast<int>(dDay));
  std::tm tm;
  std::memset(&tm, 0, sizeof tm);
  tm.tm_year = d.iYear - 1900;
  tm.tm_mon = d.iMonth - 1;
  tm.tm_mday = d.iDay;
  tm.tm_hour = iMs / 3600000;
  tm.tm_min = iMs / 60000 % 60;
  tm.tm_sec = iMs / 1000 % 60;
// The formats come from the table above; each is a literal there.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  return std::strftime(buffer, size, format, &tm);
#pragma GCC diagnostic pop
}

struct xCaseState {
  CmTimeCls* pTime = nullptr;
  std::unique_ptr<icu::SimpleDateFormat> pIcu;
};

// Every writer must give the library's text before it is timed.
void mCheck(const xWriteCase& c, const xCaseState& s) {
  CmString sText;
  icu::UnicodeString sIcu;
  char szBuffer[128];
  for (double t : mValues()) {
    s.pTime->mCorvaneTimeToStr(t, false, sText, 0);
    mStrftimeWrite(t, c.sStrftime, szBuffer, sizeof szBuffer);
    if (cb::mNarrow(sText.str()) != szBuffer) {
      cb::mFail(c.sName, cb::mNarrow(sText.str()) + " / strftime " + szBuffer);
    }
    sIcu.remove();
    s.pIcu->format(cb::mUDateFromCorvane(t), sIcu);
    if (cb::mWide(sIcu) != sText.str()) {
      cb::mFail(c.sName, "ICU " + cb::mNarrow(cb::mWide(sIcu)) + " / " + cb::mNarrow(sText.str()));
    }
  }
}

xCaseState& mState(size_t index) {
  static xCaseState saStates[sizeof kCases / sizeof kCases[0]];
  xCaseState& s = saStates[index];
  if (s.pTime == nullptr) {
    s.pTime = &cb::mTimeObject(kCases[index].sCvnFormat);
    s.pIcu = cb::mIcuFormat(kCases[index].sIcu);
    mCheck(kCases[index], s);
  }
  return s;
}

void mBenchCvn(benchmark::State& state, size_t index) {
  const xCaseState& s = mState(index);
  CmString sText;
  // Steady state: one pass over the column gives the text its room.
  for (double t : mValues()) s.pTime->mCorvaneTimeToStr(t, false, sText, 0);
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (double t : mValues()) {
      s.pTime->mCorvaneTimeToStr(t, false, sText, 0);
      benchmark::DoNotOptimize(sText.c_str());
    }
  }
  counters.mFinish();
}

void mBenchStrftime(benchmark::State& state, size_t index) {
  mState(index);
  const char* sFormat = kCases[index].sStrftime;
  char szBuffer[128];
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (double t : mValues()) {
      benchmark::DoNotOptimize(mStrftimeWrite(t, sFormat, szBuffer, sizeof szBuffer));
      benchmark::DoNotOptimize(szBuffer);
    }
  }
  counters.mFinish();
}

void mBenchIcu(benchmark::State& state, size_t index) {
  const xCaseState& s = mState(index);
  icu::UnicodeString sText;
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (double t : mValues()) {
      sText.remove();
      s.pIcu->format(cb::mUDateFromCorvane(t), sText);
      benchmark::DoNotOptimize(sText.length());
    }
  }
  counters.mFinish();
}

const bool gbRegistered = [] {
  for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
    const std::string sName = kCases[i].sName;
    benchmark::RegisterBenchmark((sName + "/Cvn").c_str(), mBenchCvn, i);
    benchmark::RegisterBenchmark((sName + "/Strftime").c_str(), mBenchStrftime, i);
    benchmark::RegisterBenchmark((sName + "/ICU").c_str(), mBenchIcu, i);
  }
  return true;
}();

}  // namespace
