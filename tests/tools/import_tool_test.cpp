// cvntime import run as a process: values and texts out, the column report
// on standard error, exit codes. Every run has the built-in regional
// settings (LC_ALL=C) and no two-digit year window from the environment.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct xRun {
  int iExit = -1;
  std::string sOut, sErr;
};

std::string mSlurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Runs "cvntime import ARGS" with input on standard input; the arguments
// are split at '|' ("--to|yyyy-mm-dd hh:mm").
xRun mImport(const std::string& args, const std::string& input) {
  const std::string sBase = "/tmp/cvntime_import_test_" + std::to_string(getpid());
  std::ofstream(sBase + ".in", std::ios::binary) << input;
  std::string sCommand = "env -u CVN_TWO_DIGIT_YEAR_MAX -u LC_TIME -u LANG LC_ALL=C '" +
                         std::string(CVNTIME_PATH) + "' import";
  std::istringstream split(args);
  for (std::string s; std::getline(split, s, '|');) sCommand += s.empty() ? "" : " '" + s + "'";
  sCommand += " <" + sBase + ".in >" + sBase + ".out 2>" + sBase + ".err";
  const int iStatus = std::system(sCommand.c_str());
  xRun run{WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : 128 + WTERMSIG(iStatus),
           mSlurp(sBase + ".out"), mSlurp(sBase + ".err")};
  for (const char* pszEnd : {".in", ".out", ".err"}) std::remove((sBase + pszEnd).c_str());
  return run;
}

TEST(CvntimeImport, ValuesTextsAndExitCodes) {
  // Arguments, input; standard output, exit code, standard error (with
  // --summary: the lines it must hold, in order).
  // clang-format off
  const struct {
    const char* pszArgs;
    std::string sIn, sOut;
    int iExit;
    std::string sErr;
  } kRows[] = {
      {"", "2011-12-30\n2020-02-01T11:53:00Z\n", "40907\n43862.49513888889\n", 0, ""},
      {"", "", "", 0, ""},
      // The day/month order is the column's: 25 decides it, wherever it stands.
      {"", "02/03/2020\n25/04/2020\n", "43892\n43946\n", 0, ""},
      {"", "25/04/2020\n02/03/2020\n", "43946\n43892\n", 0, ""},
      // No text decides: the regional order (US), or the one given.
      {"", "02/03/2020\n", "43864\n", 0, ""},
      {"--order|dmy", "02/03/2020\n", "43892\n", 0, ""},
      {"--order|ymd", "2020/02/03\n", "43864\n", 0, ""},
      // Missing lines are no failure; refused ones are.
      {"", "3/15/2020 10:30:45 PM\n\n*\nyesterday\n", "43905.93802083333\n*\n*\n*\n", 1,
       "cvntime: 1 of 4 texts could not be read\n"},
      // A byte-order mark, CRLF line ends, a last line without a line end.
      {"", "\xEF\xBB\xBF" "2020-03-15\r\n2020-03-16", "43905\n43906\n", 0, ""},
      {"--to|yyyy-mm-dd hh:mm", "2020-03-15T10:30:00+02:00\n", "2020-03-15 10:30\n", 0, ""},
      {"--utc|--to|yyyy-mm-dd hh:mm", "2020-03-15T10:30:00+02:00\n", "2020-03-15 08:30\n", 0, ""},
      // Plain numbers are not dates, unless asked for.
      {"", "43905\n43906\n", "*\n*\n", 1, "cvntime: 2 of 2 texts could not be read\n"},
      {"--serial", "43905\n43906.5\n", "43905\n43906.5\n", 0, ""},
      {"--summary", "02/03/2020\n\n04/05/2021\n",  "43864\n*\n44291\n", 0,
       "format\tmm/dd/yyyy\nread\t2\nmissing\t1\nrefused\t0\nambiguous\tyes\nmixed\tno\n"
       "alternative\tdd/mm/yyyy\n"},
      {"--summary", "2020-02-30\n2020-03-01\n", "*\n43891\n", 1,
       "format\tyyyy-mm-dd\nread\t1\nrefused\t1\nambiguous\tno\nrefused-line\t1\t2020-02-30\t"},
      // Bad arguments.
      {"--order|xyz", "1\n", "", 2, "cvntime: --order must be mdy, dmy or ymd"},
      {"--to|h:m", "1\n", "", 2, "cvntime: 'h:m' given to --to is not a legal format"},
      {"a|b", "", "", 2, "cvntime: 'import' reads one FILE or standard input"},
      {"/nonexistent/column.txt", "", "", 2, "cvntime: cannot open '/nonexistent/column.txt'"},
  };
  // clang-format on
  for (const auto& row : kRows) {
    const xRun run = mImport(row.pszArgs, row.sIn);
    SCOPED_TRACE(std::string(row.pszArgs) + " | " + row.sIn);
    EXPECT_EQ(run.iExit, row.iExit) << run.sErr;
    EXPECT_EQ(run.sOut, row.sOut);
    if (row.iExit == 0 && std::string(row.pszArgs).find("--summary") == std::string::npos) {
      EXPECT_EQ(run.sErr, row.sErr);
      continue;
    }
    // Each expected line appears, in the order given.
    size_t iAt = 0;
    std::istringstream lines(row.sErr);
    for (std::string s; std::getline(lines, s);) {
      iAt = run.sErr.find(s, iAt);
      ASSERT_NE(iAt, std::string::npos) << "'" << s << "' in\n" << run.sErr;
    }
  }
}

TEST(CvntimeImport, RefusedLinesAreCountedAndTheFirstTwentyListed) {
  std::string sIn;
  for (int i = 0; i < 60; ++i) sIn += i % 2 == 0 ? "2020-03-15 10:30\n" : "not a date\n";
  const xRun run = mImport("--summary", sIn);
  EXPECT_EQ(run.iExit, 1);
  EXPECT_NE(run.sErr.find("refused\t30\n"), std::string::npos) << run.sErr;
  EXPECT_NE(run.sErr.find("refused-line\t2\tnot a date\t"), std::string::npos) << run.sErr;
  EXPECT_NE(run.sErr.find("refused-line\t40\tnot a date\t"), std::string::npos) << run.sErr;
  EXPECT_EQ(run.sErr.find("refused-line\t42\t"), std::string::npos) << run.sErr;
  EXPECT_NE(run.sErr.find("cvntime: 30 of 60 texts could not be read\n"), std::string::npos);
}

TEST(CvntimeImport, ValuesWrittenUnderTheReportedFormatImportTheSame) {
  // A long column goes through whole; its values, written under the format
  // the report gives, import again as the same values.
  std::string sIn;
  for (int i = 0; i < 50000; ++i) {
    sIn += std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" +
           std::to_string(1950 + i % 90) + " " + std::to_string(1 + i % 12) + ":" +
           std::to_string(10 + i % 50) + ":0" + std::to_string(i % 10) +
           (i % 3 ? " PM\n" : " AM\n");
  }
  const xRun first = mImport("--summary", sIn);
  ASSERT_EQ(first.iExit, 0) << first.sErr;
  const size_t iFormat = first.sErr.find("format\t");
  ASSERT_NE(iFormat, std::string::npos);
  const std::string sFormat =
      first.sErr.substr(iFormat + 7, first.sErr.find('\n', iFormat) - iFormat - 7);
  const xRun texts = mImport("--to|" + sFormat, sIn);
  ASSERT_EQ(texts.iExit, 0) << texts.sErr;
  const xRun again = mImport("", texts.sOut);
  EXPECT_EQ(again.iExit, 0) << again.sErr;
  EXPECT_TRUE(again.sOut == first.sOut);  // no diff of 50 000 lines
}

}  // namespace
