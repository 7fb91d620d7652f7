// cvntime import: a whole column read under one reading decided for the
// column (CmColumnReader), one output line per input line, and on request
// the column's report on standard error.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "CmColumnReader.h"
#include "CmTimeCls.h"
#include "tools/cvntime/column_input.h"
#include "tools/cvntime/commands.h"
#include "tools/cvntime/text_io.h"
#include "tools/cvntime/utf8.h"
#include "tools/cvntime/values.h"

namespace cvn::tool {

namespace {

constexpr std::size_t kMaxRefusedLines = 20;
constexpr std::size_t kWriteProgressEvery = std::size_t{1} << 20;

// A progress line on standard error, shown only on a terminal and rewritten
// in place; cleared when the work is done.
class CmProgress {
 public:
  CmProgress() : m_bShown(isatty(STDERR_FILENO) != 0) {}
  ~CmProgress() { mClear(); }
  CmProgress(const CmProgress&) = delete;
  CmProgress& operator=(const CmProgress&) = delete;

  void mShow(const char* what, std::size_t done, std::size_t total = 0,
             const char* unit = "lines") {
    if (!m_bShown) return;
    if (total > 0) {
      std::fprintf(stderr, "\rcvntime: %s %zu of %zu %s\033[K", what, done, total, unit);
    } else {
      std::fprintf(stderr, "\rcvntime: %s %zu %s\033[K", what, done, unit);
    }
    std::fflush(stderr);
    m_bDirty = true;
  }
  void mClear() {
    if (!m_bDirty) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_bDirty = false;
  }

 private:
  bool m_bShown;
  bool m_bDirty = false;
};

bool mParseOrder(const std::string& text, eColumnOrder* order) {
  if (text == "mdy") {
    *order = eColumnOrder::eMonthDayYear;
  } else if (text == "dmy") {
    *order = eColumnOrder::eDayMonthYear;
  } else if (text == "ymd") {
    *order = eColumnOrder::eYearMonthDay;
  } else {
    return false;
  }
  return true;
}

const char* mKindName(eColumnKind kind) {
  switch (kind) {
    case eColumnKind::eDate: return "date";
    case eColumnKind::eDateTime: return "datetime";
    case eColumnKind::eTimeOfDay: return "time";
    case eColumnKind::eElapsed: return "elapsed";
    case eColumnKind::eDayNumber: return "daynumber";
    case eColumnKind::eEmpty: break;
  }
  return "empty";
}

const char* mOrderName(eColumnOrder order) {
  switch (order) {
    case eColumnOrder::eDayMonthYear: return "dmy";
    case eColumnOrder::eYearMonthDay: return "ymd";
    case eColumnOrder::eMonthDayYear:
    case eColumnOrder::eRegional: break;
  }
  return "mdy";
}

// The text of a refused line for the report: UTF-8, a tab or other control
// character shown as a blank so that the line keeps its fields.
std::string mReportText(std::wstring_view text) {
  std::string s = mWideToUtf8(text);
  for (char& c : s) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return s;
}

struct xRefusedLine {
  std::size_t iLine;  // 1-based
  std::string sText;
  std::string sReason;
};

void mWriteSummary(const xColumnReport& report, const std::vector<xRefusedLine>& refused) {
  CmOutput err(stderr, 1 << 14);
  const auto mLine = [&](const char* key, const std::string& value) {
    err.mPut(key);
    err.mPut('\t');
    err.mPut(value);
    err.mEndLine();
  };
  mLine("format", mWideToUtf8(report.sFormat.str()));
  mLine("kind", mKindName(report.eKind));
  mLine("order", mOrderName(report.eOrder));
  mLine("read", std::to_string(report.iRead));
  mLine("missing", std::to_string(report.iMissing));
  mLine("refused", std::to_string(report.iRefused));
  mLine("ambiguous", report.bAmbiguous ? "yes" : "no");
  mLine("mixed", report.bMixed ? "yes" : "no");
  for (const CmString& sAlternative : report.vsAlternatives) {
    mLine("alternative", mWideToUtf8(sAlternative.str()));
  }
  for (const xRefusedLine& x : refused) {
    mLine("refused-line", std::to_string(x.iLine) + "\t" + x.sText + "\t" + x.sReason);
  }
  err.mFlush();
}

// The lines of rows [begin, end): the value, or "*" unless read. buffer has
// room for kLineMax chars a row; returns the length written.
constexpr std::size_t kLineMax = kValueTextMax + 1;
std::size_t mFormatLines(const xColumnResult& r, std::size_t begin, std::size_t end, char* buffer) {
  char* p = buffer;
  for (std::size_t i = begin; i < end; ++i) {
    if (r.veStatus[i] == eRowStatus::eRead) {
      p += mFormatValueTo(r.vdValues[i], p);
    } else {
      *p++ = '*';
    }
    *p++ = '\n';
  }
  return static_cast<std::size_t>(p - buffer);
}

// Writes every row's line to standard output, in blocks of rows formatted
// on two threads: each formats every other block and writes it when the
// block before has been written, so that one thread's writing overlaps the
// other's formatting. False when a write failed.
bool mWriteValues(const xColumnResult& r, CmProgress& progress) {
  constexpr std::size_t kRows = std::size_t{1} << 15;
  const std::size_t iCount = r.veStatus.size();
  const std::size_t iBlocks = (iCount + kRows - 1) / kRows;
  std::vector<char> vFirst(std::min(iCount, kRows) * kLineMax);
  std::vector<char> vSecond(iBlocks > 1 ? vFirst.size() : 0);
  std::mutex xLock;
  std::condition_variable xTurnChanged;
  std::size_t iTurn = 0;  // the block to be written next
  bool bOk = true;
  const auto mRun = [&](std::size_t first, std::size_t step, std::vector<char>& buffer) {
    for (std::size_t b = first; b < iBlocks; b += step) {
      const std::size_t iEnd = std::min(iCount, (b + 1) * kRows);
      const std::size_t iLength = mFormatLines(r, b * kRows, iEnd, buffer.data());
      std::unique_lock<std::mutex> xHold(xLock);
      xTurnChanged.wait(xHold, [&] { return iTurn == b; });
      bOk = bOk && std::fwrite(buffer.data(), 1, iLength, stdout) == iLength;
      if ((b + 1) % 32 == 0) progress.mShow("writing", iEnd, iCount);
      ++iTurn;
      xTurnChanged.notify_all();
    }
  };
  std::thread xWorker;
  if (iBlocks > 1) {
    try {
      xWorker = std::thread(mRun, 1, 2, std::ref(vSecond));
    } catch (const std::system_error&) {
      // No thread to be had: every block here.
    }
  }
  mRun(0, xWorker.joinable() ? 2 : 1, vFirst);
  if (xWorker.joinable()) xWorker.join();
  return std::fflush(stdout) == 0 && bOk;
}

}  // namespace

int mRunImport(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs(
          "import", args,
          {{"--order", 1}, {"--utc", 0}, {"--serial", 0}, {"--to", 1}, {"--summary", 0}}, &parsed,
          &sError)) {
    return mUsageError(sError);
  }
  if (parsed.vsPositional.size() > 1) {
    return mUsageError("'import' reads one FILE or standard input ('" + parsed.vsPositional[1] +
                       "' is one too many)");
  }
  xColumnOptions xOptions;
  if (const auto sOrder = parsed.mValue("--order")) {
    if (!mParseOrder(*sOrder, &xOptions.eAssumedOrder)) {
      return mUsageError("--order must be mdy, dmy or ymd");
    }
  }
  xOptions.bOffsetToUtc = parsed.mHas("--utc");
  xOptions.bNumbersAsDayNumbers = parsed.mHas("--serial");
  // The writer's format is checked before any work; the class-wide flags it
  // sets are put back around the read and taken up again for the writing.
  const xClassFlags readerFlags = xClassFlags::mCapture();
  CmTimeCls writer;
  const auto sTo = parsed.mValue("--to");
  if (sTo && !mSetFormatOption(writer, *sTo, "--to", &sError)) return mUsageError(sError);
  const xClassFlags writerFlags = xClassFlags::mCapture();
  readerFlags.mApply();
  const bool bSummary = parsed.mHas("--summary");

  std::FILE* pInput = stdin;
  std::string sPath = "standard input";
  if (!parsed.vsPositional.empty() && parsed.vsPositional[0] != "-") {
    sPath = parsed.vsPositional[0];
    pInput = std::fopen(sPath.c_str(), "rb");
    if (pInput == nullptr) {
      std::fprintf(stderr, "cvntime: cannot open '%s': %s\n", sPath.c_str(), std::strerror(errno));
      return kExitUsage;
    }
  }

  CmProgress xProgress;
  CmColumnBytes xColumn;
  const bool bLoaded = xColumn.mLoad(
      pInput, [&](std::size_t bytes) { xProgress.mShow("loading", bytes >> 20, 0, "MiB"); });
  if (pInput != stdin) std::fclose(pInput);
  if (!bLoaded) {
    xProgress.mClear();
    std::fprintf(stderr, "cvntime: %s could not be read\n", sPath.c_str());
    return kExitUnread;
  }
  xProgress.mShow("reading", xColumn.mText().size() >> 20, 0, "MiB");
  xColumnResult xResult;
  CmColumnReader(xOptions).mReadLines(xColumn.mText(), xResult);
  const std::size_t iCount = xResult.veStatus.size();

  // The texts of the first refused lines are kept for the report; the
  // column's text is not needed any more.
  std::vector<xRefusedLine> vxRefused;
  if (bSummary) {
    CmLineWalker xLines(xColumn.mText());
    for (const xRowRefusal& x : xResult.vxRefusals) {
      if (vxRefused.size() == kMaxRefusedLines || x.iRow >= iCount) break;
      vxRefused.push_back({x.iRow + 1, mReportText(mUtf8ToWide(xLines.mLine(x.iRow))), x.sReason});
    }
  }
  if (xColumn.mChanged()) {
    xProgress.mClear();
    std::fprintf(stderr, "cvntime: %s changed while it was read\n", sPath.c_str());
    return kExitUnread;
  }
  xColumn.mRelease();
  writerFlags.mApply();

  bool bWritten = true;
  if (sTo) {
    CmOutput out(stdout);
    CmString sText;
    for (std::size_t i = 0; i < iCount; ++i) {
      if (xResult.veStatus[i] != eRowStatus::eRead) {
        out.mPut('*');
      } else {
        writer.mCorvaneTimeToStr(xResult.vdValues[i], false, sText, 0);
        out.mPutWide(sText);
      }
      out.mEndLine();
      if ((i + 1) % kWriteProgressEvery == 0) xProgress.mShow("writing", i + 1, iCount);
    }
    bWritten = out.mFlush();
  } else {
    bWritten = mWriteValues(xResult, xProgress);
  }
  xProgress.mClear();
  if (!bWritten) return mOutputError();
  if (bSummary) mWriteSummary(xResult.xReport, vxRefused);
  long long iRefused = 0;
  for (std::size_t i = 0; i < iCount && i < xResult.veStatus.size(); ++i) {
    iRefused += xResult.veStatus[i] == eRowStatus::eRefused ? 1 : 0;
  }
  return mReportUnread(iRefused, static_cast<long long>(iCount), "texts");
}

}  // namespace cvn::tool
