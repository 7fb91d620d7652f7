// Reading: mStrToCorvaneTime on columns of texts that match the current
// format, on texts that only a default format reads, and on texts that
// fail; beside glibc strptime with the equivalent conversion plus the
// day-number computation, and beside ICU SimpleDateFormat::parse with the
// equivalent pattern.
//
// Recorded run: 5 December 2026, 2 cores (nproc), Intel(R) Xeon(R) Processor
// 2.6 GHz, g++ 12.2.0 -O3, ICU 72.1, medians of 3, CPU ns per value:
//   Read/MdyHmsAmPm    Cvn 127.4   Strptime 60.8   ICU 3638.1
//   Read/MdyHms24      Cvn 103.8   Strptime 37.1   ICU 3484.1
//   Read/DayMonthName  Cvn 148.4   Strptime 458.2  ICU 2049.4
//   Guess/DMonYyHms    Cvn 2716.8  Strptime 453.6  ICU 3469.2
//   Fail/Unreadable    Cvn 1442.8  Strptime 5.4    ICU 636.7
// The whole table of that run: bench/README.md.

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "bench/bench_common.h"
#include "bench/peer_icu.h"

namespace cb = cvn::bench;

namespace {

const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};
const char* const kMonthAbbrevs[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// One value to write as text: a date and a time of day to the second.
struct xValue {
  cb::xDate xDay;
  int iHour, iMinute, iSecond;
  double mCorvane() const {
    const double dMs = iHour * 3600000.0 + iMinute * 60000.0 + iSecond * 1000.0;
    return cb::mClosedFormDayNumber(xDay.iYear, xDay.iMonth, xDay.iDay) + dMs / 86400000.0;
  }
};

xValue mDrawValue(int firstYear, int lastYear) {
  const int iFirst = cb::mClosedFormDayNumber(firstYear, 1, 1);
  const int iLast = cb::mClosedFormDayNumber(lastYear, 12, 31);
  return {cb::mClosedFormDate(cb::mDraw(iFirst, iLast)), cb::mDraw(0, 23), cb::mDraw(0, 59),
          cb::mDraw(0, 59)};
}

// What one case reads: the library's format, the peers' formats, and the
// text of a value (empty expected value: the text must fail).
struct xReadCase {
  const char* sName;
  const wchar_t* sCvnFormat;
  const char* sStrptime;
  const char* sIcu;
  std::function<std::string(const xValue&, int)> fText;
  int iFirstYear, iLastYear;
  bool bFails;
  bool bResetFormat;  // each read starts from the format (a guessing read changes it)
  bool bDateOnly = false;
};

// A column of texts in each encoding, with the value each must give.
struct xColumn {
  std::vector<std::wstring> vsWide;
  std::vector<std::string> vsNarrow;
  std::vector<icu::UnicodeString> vsIcu;
  std::vector<double> vdExpected;
};

std::string mPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string mPrintf(const char* format, ...) {
  char szBuffer[128];
  va_list args;
  va_start(args, format);
  std::vsnprintf(szBuffer, sizeof szBuffer, format, args);
  va_end(args);
  return szBuffer;
}

int mHour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

const std::vector<xReadCase>& mCases() {
  static const std::vector<xReadCase> svCases = {
      {"Read/MdyHmsAmPm", L"m/d/yyyy h:mm:ss AM/PM", "%m/%d/%Y %I:%M:%S %p", "M/d/yyyy h:mm:ss a",
       [](const xValue& v, int) {
         return mPrintf("%d/%d/%04d %d:%02d:%02d %s", v.xDay.iMonth, v.xDay.iDay, v.xDay.iYear,
                        mHour12(v.iHour), v.iMinute, v.iSecond, v.iHour < 12 ? "AM" : "PM");
       },
       1950, 2049, false, false},
      {"Read/MdyHms24", L"mm/dd/yyyy hh:mm:ss", "%m/%d/%Y %H:%M:%S", "MM/dd/yyyy HH:mm:ss",
       [](const xValue& v, int) {
         return mPrintf("%02d/%02d/%04d %02d:%02d:%02d", v.xDay.iMonth, v.xDay.iDay, v.xDay.iYear,
                        v.iHour, v.iMinute, v.iSecond);
       },
       1950, 2049, false, false},
      {"Read/DayMonthName", L"d mmmm yyyy", "%d %B %Y", "d MMMM yyyy",
       [](const xValue& v, int) {
         return mPrintf("%d %s %04d", v.xDay.iDay, kMonthNames[v.xDay.iMonth - 1], v.xDay.iYear);
       },
       1950, 2049, false, false, true},
      // Read by a default format only; the current one is set again
      // before each read, as a successful read leaves the format typed.
      {"Guess/DMonYyHms", L"m/d/yyyy h:mm:ss", "%d-%b-%y %H:%M:%S", "dd-MMM-yy HH:mm:ss",
       [](const xValue& v, int) {
         return mPrintf("%02d-%s-%02d %02d:%02d:%02d", v.xDay.iDay,
                        kMonthAbbrevs[v.xDay.iMonth - 1], v.xDay.iYear % 100, v.iHour, v.iMinute,
                        v.iSecond);
       },
       2000, 2025, false, true},
      // Read by no format: a month beyond 12, or a word.
      {"Fail/Unreadable", L"m/d/yyyy h:mm:ss", "%m/%d/%Y %H:%M:%S", "M/d/yyyy H:mm:ss",
       [](const xValue& v, int i) {
         if (i % 4 == 3) return std::string(i % 8 == 3 ? "n/a" : "unknown");
         return mPrintf("%d/%d/%04d %d:%02d:%02d", 13 + v.xDay.iMonth * 7, v.xDay.iDay,
                        v.xDay.iYear, v.iHour, v.iMinute, v.iSecond);
       },
       1950, 2049, true, false},
  };
  return svCases;
}

double mDays(const std::tm& tm) {
  const double dMs = tm.tm_hour * 3600000.0 + tm.tm_min * 60000.0 + tm.tm_sec * 1000.0;
  return cb::mClosedFormDayNumber(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) + dMs / 86400000.0;
}

// strptime with the conversion a caller needs: the Corvane time of the
// text, or the missing-value code.
double mStrptimeRead(const char* text, const char* format) {
  std::tm tm;
  std::memset(&tm, 0, sizeof tm);
  const char* pEnd = strptime(text, format, &tm);
  if (pEnd == nullptr || *pEnd != '\0') return CmCVNConst::kMissingValueCode;
  return mDays(tm);
}

double mIcuRead(const icu::SimpleDateFormat& format, const icu::UnicodeString& text) {
  icu::ParsePosition xPos(0);
  const UDate d = format.parse(text, xPos);
  if (xPos.getIndex() == 0 || xPos.getErrorIndex() >= 0) return CmCVNConst::kMissingValueCode;
  return cb::mCorvaneFromUDate(d);
}

xColumn mMakeColumn(const xReadCase& c) {
  xColumn col;
  for (int i = 0; i < cb::kBatch; ++i) {
    const xValue v = mDrawValue(c.iFirstYear, c.iLastYear);
    const std::string s = c.fText(v, i);
    col.vsNarrow.push_back(s);
    col.vsWide.emplace_back(s.begin(), s.end());
    col.vsIcu.push_back(cb::mIcuText(col.vsWide.back()));
    double dExpected = c.bDateOnly ? std::floor(v.mCorvane()) : v.mCorvane();
    if (c.bFails) dExpected = CmCVNConst::kMissingValueCode;
    col.vdExpected.push_back(dExpected);
  }
  return col;
}

// Every reader must give every expected value before it is timed.
void mCheckColumn(const xReadCase& c, const xColumn& col, CmTimeCls& time,
                  const icu::SimpleDateFormat& icuFormat) {
  for (int i = 0; i < cb::kBatch; ++i) {
    const std::string& s = col.vsNarrow[static_cast<size_t>(i)];
    const double dExpected = col.vdExpected[static_cast<size_t>(i)];
    if (c.bResetFormat) time.mSetFormat(c.sCvnFormat);
    double dCvn = 0.0;
    const bool bRead = time.mStrToCorvaneTime(col.vsWide[static_cast<size_t>(i)].c_str(), &dCvn);
    if (bRead == c.bFails || dCvn != dExpected) {
      cb::mFail(c.sName, "library on " + s + ": " + std::to_string(dCvn) + " for " +
                             std::to_string(dExpected));
    }
    if (mStrptimeRead(s.c_str(), c.sStrptime) != dExpected) cb::mFail(c.sName, "strptime on " + s);
    const double dIcu = mIcuRead(icuFormat, col.vsIcu[static_cast<size_t>(i)]);
    const bool bIcuAgrees = c.bFails ? dIcu == dExpected : std::fabs(dIcu - dExpected) < 1e-9;
    if (!bIcuAgrees) cb::mFail(c.sName, "ICU on " + s);
  }
}

struct xCaseState {
  xColumn xCol;
  CmTimeCls* pTime = nullptr;
  std::unique_ptr<icu::SimpleDateFormat> pIcu;
};

xCaseState& mState(size_t index) {
  static std::vector<std::unique_ptr<xCaseState>> svStates(mCases().size());
  std::unique_ptr<xCaseState>& p = svStates[index];
  if (!p) {
    const xReadCase& c = mCases()[index];
    p = std::make_unique<xCaseState>();
    p->xCol = mMakeColumn(c);
    p->pTime = &cb::mTimeObject(c.sCvnFormat);
    p->pIcu = cb::mIcuFormat(c.sIcu);
    mCheckColumn(c, p->xCol, *p->pTime, *p->pIcu);
    if (!p->pTime->mSetFormat(c.sCvnFormat)) cb::mFail(c.sName, "format");
  }
  return *p;
}

void mReadColumn(const xReadCase& c, xCaseState& s) {
  for (const std::wstring& sText : s.xCol.vsWide) {
    if (c.bResetFormat) s.pTime->mSetFormat(c.sCvnFormat);
    double d = 0.0;
    benchmark::DoNotOptimize(s.pTime->mStrToCorvaneTime(sText.c_str(), &d));
    benchmark::DoNotOptimize(d);
  }
}

void mBenchCvn(benchmark::State& state, size_t index) {
  const xReadCase& c = mCases()[index];
  xCaseState& s = mState(index);
  mReadColumn(c, s);  // steady state: scratch texts and memos are warm
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) mReadColumn(c, s);
  counters.mFinish();
}

void mBenchStrptime(benchmark::State& state, size_t index) {
  const xReadCase& c = mCases()[index];
  xCaseState& s = mState(index);
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (const std::string& sText : s.xCol.vsNarrow) {
      benchmark::DoNotOptimize(mStrptimeRead(sText.c_str(), c.sStrptime));
    }
  }
  counters.mFinish();
}

void mBenchIcu(benchmark::State& state, size_t index) {
  xCaseState& s = mState(index);
  cb::xColumnCounters counters(state);
  counters.mStart();
  for (auto _ : state) {
    for (const icu::UnicodeString& sText : s.xCol.vsIcu) {
      benchmark::DoNotOptimize(mIcuRead(*s.pIcu, sText));
    }
  }
  counters.mFinish();
}

// Registered in the order of the table: each case, then its peers.
const bool gbRegistered = [] {
  for (size_t i = 0; i < mCases().size(); ++i) {
    const std::string sName = mCases()[i].sName;
    benchmark::RegisterBenchmark((sName + "/Cvn").c_str(), mBenchCvn, i);
    benchmark::RegisterBenchmark((sName + "/Strptime").c_str(), mBenchStrptime, i);
    benchmark::RegisterBenchmark((sName + "/ICU").c_str(), mBenchIcu, i);
  }
  return true;
}();

}  // namespace
