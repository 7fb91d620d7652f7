// The cvntime tool run as a process: outputs, exit codes, error messages,
// streaming from standard input, the import report and the scale refusals.
// Every run has the built-in regional settings (LC_ALL=C) and no two-digit
// year window from the environment.

#include <gtest/gtest.h>
#include <locale.h>
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

std::string mQuote(const std::string& s) {
  std::string sQuoted = "'";
  for (const char c : s) sQuoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return sQuoted + "'";
}

std::string mSlurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Runs cvntime with args and input on standard input, in an environment with
// the given locale variable.
// pipe: standard input a pipe (read as it comes) instead of the file
// (which the tool may map).
xRun mRun(const std::vector<std::string>& args, const std::string& input = "",
          const std::string& localeVariable = "LC_ALL=C", bool pipe = false) {
  const std::string sBase = "/tmp/cvntime_test_" + std::to_string(getpid());
  std::ofstream(sBase + ".in", std::ios::binary) << input;
  std::string sCommand = (pipe ? "cat " + mQuote(sBase + ".in") + " | " : std::string()) +
                         "env -u CVN_TWO_DIGIT_YEAR_MAX -u LC_ALL -u LC_TIME -u LANG " +
                         mQuote(localeVariable) + " " + mQuote(CVNTIME_PATH);
  for (const std::string& sArg : args) sCommand += " " + mQuote(sArg);
  if (!pipe) sCommand += " <" + mQuote(sBase + ".in");
  sCommand += " >" + mQuote(sBase + ".out") + " 2>" + mQuote(sBase + ".err");
  const int iStatus = std::system(sCommand.c_str());
  xRun run{WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : 128 + WTERMSIG(iStatus),
           mSlurp(sBase + ".out"), mSlurp(sBase + ".err")};
  for (const char* pszEnd : {".in", ".out", ".err"}) std::remove((sBase + pszEnd).c_str());
  return run;
}

std::vector<std::string> mLines(const std::string& text) {
  std::vector<std::string> vsLines;
  std::istringstream in(text);
  for (std::string s; std::getline(in, s);) vsLines.push_back(s);
  return vsLines;
}

// Each line of expected appears in text, in the order given.
void mExpectLinesIn(const std::string& expected, const std::string& text) {
  size_t iAt = 0;
  for (const std::string& s : mLines(expected)) {
    iAt = text.find(s, iAt);
    ASSERT_NE(iAt, std::string::npos) << "'" << s << "' in\n" << text;
  }
}

TEST(CvntimeProcess, VersionAndHelp) {
  const xRun version = mRun({"--version"});
  EXPECT_TRUE(version.iExit == 0 && version.sOut.rfind("cvntime 0.1.0", 0) == 0) << version.sOut;
  const xRun help = mRun({"--help"});
  EXPECT_TRUE(help.iExit == 0 && help.sErr.empty());
  EXPECT_NE(help.sOut.find("Usage: cvntime"), std::string::npos);
  for (const char* pszCommand : {"read", "write", "convert", "formats", "scale", "now", "import"}) {
    EXPECT_NE(help.sOut.find(std::string("  ") + pszCommand), std::string::npos) << pszCommand;
  }
  EXPECT_EQ(mRun({"read", "-h"}).sOut, help.sOut);
}

TEST(CvntimeProcess, OutputsAndExitCodes) {
  // Arguments, standard input; then standard output (bHas: the lines it must
  // hold, in order), exit code, the lines standard error must hold (none:
  // empty). Exit 2: nothing out, one line "cvntime: ..." on standard error.
  // clang-format off
  const struct {
    std::vector<std::string> vsArgs;
    std::string sIn, sOut;
    int iExit;
    std::string sErr = "";
    bool bHas = false;
  } kRows[] = {
      {{"read", "3/15/2020", "", "*", "junk", "3/15/2020 6:00 PM"}, "",
       "43905\n*\n*\n*\n43905.75\n", 1, "cvntime: 1 of 5 texts could not be read\n"},
      // A byte-order mark, CRLF line ends and a last line without a line end.
      {{"read"}, "\xEF\xBB\xBF" "3/15/2020\r\n3/16/2020\n\n3/17/2020", "43905\n43906\n*\n43907\n", 0},
      {{"read"}, "", "", 0},
      // Invalid UTF-8 is unreadable, not fatal.
      {{"read"}, "\xFF\xFE\n3/15/2020\n\xC3\n", "*\n43905\n*\n", 1, "cvntime: 2 of 3 texts could not be read\n"},
      // After a time alone the format is a time format, under which a date-time
      // no longer reads; --reset reads every text from the first format.
      {{"read", "12:45:30", "12/31/1999 23:59:59"}, "", "0.5315972222222223\n*\n", 1, "cvntime: 1 of 2"},
      {{"read", "--reset", "12:45:30", "12/31/1999 23:59:59"}, "", "0.5315972222222223\n36525.99998842592\n", 0},
      // Under an elapsed format "-" starts a value, not an option.
      {{"read", "--format", "[h]:mm", "1:30", "-1:30", "36:00"}, "", "0.0625\n-0.0625\n1.5\n", 0},
      {{"write", "--format", "m/d/yyyy", "36526", "36526.5", "*", "abc"}, "", "1/1/2000\n1/1/2000\n*\n*\n", 1,
       "cvntime: 1 of 4 values could not be read\n"},
      {{"write", "--format", "m/d/yyyy hh:mm", "--day-number", "36526.5"}, "", "36526 12:00\n", 0},
      {{"write", "--format", "[h]:mm:ss", "1.5", "-0.25"}, "", "36:00:00\n-6:00:00\n", 0},
      // A value the writer cannot show is "*", but a readable number is no failure.
      {{"write", "--format", "mmmm d, yyyy"}, "36526\n1e7\n", "January 1, 2000\n*\n", 0},
      {{"convert", "--from", "m/d/yyyy", "--to", "yyyy-mm-dd"}, "3/15/2020\n\njunk\n12/31/1999\n",
       "2020-03-15\n*\n*\n1999-12-31\n", 1, "cvntime: 1 of 4 texts could not be read\n"},
      // The reader meets an elapsed format; the writer's absolute format holds.
      {{"convert", "--from", "[h]:mm", "--to", "hh:mm:ss"}, "1:30\n2:45\n", "01:30:00\n02:45:00\n", 0},
      // import: when nothing decides the day/month order, the one given.
      {{"import"}, "2011-12-30\n2020-02-01T11:53:00Z\n", "40907\n43862.49513888889\n", 0},
      {{"import", "--order", "dmy"}, "02/03/2020\n", "43892\n", 0},
      {{"import"}, "3/15/2020 10:30:45 PM\n\n*\nyesterday\n", "43905.93802083333\n*\n*\n*\n", 1,
       "cvntime: 1 of 4 texts could not be read\n"},
      {{"import"}, "\xEF\xBB\xBF" "2020-03-15\r\n2020-03-16", "43905\n43906\n", 0},
      {{"import", "--utc", "--to", "yyyy-mm-dd hh:mm"}, "2020-03-15T10:30:00+02:00\n", "2020-03-15 08:30\n", 0},
      // Plain numbers are not dates, unless asked for.
      {{"import"}, "43905\n43906\n", "*\n*\n", 1, "cvntime: 2 of 2 texts could not be read\n"},
      {{"import", "--serial"}, "43905\n43906.5\n", "43905\n43906.5\n", 0},
      {{"import", "--summary"}, "02/03/2020\n\n04/05/2021\n", "43864\n*\n44291\n", 0,
       "format\tmm/dd/yyyy\nread\t2\nmissing\t1\nrefused\t0\nambiguous\tyes\nmixed\tno\nalternative\tdd/mm/yyyy\n"},
      {{"import", "--summary", "--order", "ymd"}, "14-8-07\n32-9-11\n1/0/1917\n", "41858\n11943\n*\n", 1,
       "format\tyy-m-dd\nambiguous\tno\nrefused-line\t3\t1/0/1917\tday 0\n"},
      // scale: 1 January 2001 to 31 December 2010, 4 to 8 ticks: every second
      // year (from 2000 when the first tick is kept); the ends may be texts.
      {{"scale", "36892", "40543", "--ticks", "4", "8", "--format", "m/d/yyyy"}, "",
       "unit\tyear\nincrement\t2\nformat\tm/d/yyyy\nminimum\t\nmaximum\t\ntick\t37257\t1/1/2002\n"
       "tick\t37987\t1/1/2004\ntick\t38718\t1/1/2006\ntick\t39448\t1/1/2008\ntick\t40179\t1/1/2010\n", 0, "", true},
      {{"scale", "1/1/2001", "12/31/2010"}, "", "unit\tyear\ntick\t40179\t1/1/2010\n", 0, "", true},
      // scale: the modes and ends.
      {{"scale", "36892", "36902", "--format", "h:mm", "--mode", "nice"}, "",
       "unit\tday\nincrement\t2\nformat\tm/d h:mm\nwindow\tmet\ntick\t36892\t1/1 0:00\ntick\t36902\t1/11 0:00\n",
       0, "", true},
      {{"scale", "0", "2", "--format", "[h]:mm", "--mode", "nice", "--ends", "padded"}, "",
       "unit\thour\nincrement\t12\nminimum\t0\t0:00\ntick\t2\t48:00\n", 0, "", true},
      {{"scale", "36892", "36937", "--format", "m/d/yyyy", "--mode", "nice", "--ends", "nice", "--ticks", "4", "4"},
       "", "window\tmissed\n", 0, "", true},
      {{"scale", "36892", "36892", "--format", "m/d/yyyy"}, "", "minimum\t36891.44\t12/31/2000\ntick\t36892\t1/1/2001\n",
       0, "", true},
      // Bad arguments.
      {{}, "", "", 2, "no command given"},
      {{"frobnicate"}, "", "", 2, "unknown command 'frobnicate'"},
      {{"write", "--format", "h:m", "1"}, "", "", 2, "'h:m' given to --format is not a legal format"},
      {{"--locale", "xx_NOWHERE.UTF-8", "read", "1"}, "", "", 2, "locale 'xx_NOWHERE.UTF-8' is not installed"},
      {{"convert"}, "", "", 2, "'convert' needs --to FORMAT"},
      {{"convert", "--to", "m/d/yyyy", "extra"}, "", "", 2, "takes no texts"},
      {{"formats", "--class", "weekly"}, "", "", 2, "--class must be date, time or datetime"},
      {{"now", "extra"}, "", "", 2, "'now' takes no values"},
      {{"import", "--order", "xyz"}, "1\n", "", 2, "--order must be mdy, dmy or ymd"},
      {{"import", "--to", "h:m"}, "1\n", "", 2, "'h:m' given to --to is not a legal format"},
      {{"import", "a", "b"}, "", "", 2, "'import' reads one FILE or standard input"},
      {{"import", "/nonexistent/column.txt"}, "", "", 2, "cannot open '/nonexistent/column.txt'"},
      {{"scale", "36526"}, "", "", 2, "needs exactly two values"},
      {{"scale", "36526", "36900", "--ticks", "8", "4"}, "", "", 2, "--ticks needs two whole numbers"},
      {{"scale", "junk", "36900"}, "", "", 2, "MIN 'junk' is neither a number nor a readable time"},
      {{"scale", "36526", "1e7"}, "", "", 2, "MAX '1e7' is not a time in the years 1000 to 4000"},
      {{"scale", "40543", "36892"}, "", "", 2, "MAX '36892' is before MIN '40543'"},
      {{"scale", "36892", "40543", "--mode", "fine"}, "", "", 2, "--mode must be nice or default"},
      {{"scale", "36892", "40543", "--ends", "nice"}, "", "", 2, "--ends nice and data need --mode nice"},
      {{"scale", "36892", "40543", "--mode", "nice", "--ends", "wide"}, "", "", 2, "--ends must be padded, nice or data"},
  };
  // clang-format on
  for (const auto& row : kRows) {
    const xRun run = mRun(row.vsArgs, row.sIn);
    SCOPED_TRACE(testing::PrintToString(row.vsArgs) + " | " + row.sIn);
    EXPECT_EQ(run.iExit, row.iExit) << run.sErr;
    if (row.bHas) {
      mExpectLinesIn(row.sOut, run.sOut);
    } else {
      EXPECT_EQ(run.sOut, row.sOut);
    }
    EXPECT_TRUE(!row.sErr.empty() || run.sErr.empty()) << run.sErr;
    mExpectLinesIn(row.sErr, run.sErr);
    if (row.iExit == 2) {
      EXPECT_EQ(run.sErr.find('\n'), run.sErr.size() - 1) << run.sErr;
      EXPECT_EQ(run.sErr.rfind("cvntime: ", 0), 0u) << run.sErr;
    }
  }
}

TEST(CvntimeProcess, StreamsLongColumnsAndShowsFormats) {
  std::string sInput;
  for (int i = 0; i < 20000; ++i) sInput += i % 2 == 0 ? "3/15/2020\n" : "3/16/2020 12:00\n";
  const xRun run = mRun({"read"}, sInput);
  EXPECT_EQ(run.iExit, 0) << run.sErr;
  const std::vector<std::string> vsLines = mLines(run.sOut);
  ASSERT_EQ(vsLines.size(), 20000u);
  EXPECT_EQ(vsLines.front() + " " + vsLines.back(), "43905 43906.5");
  // A format follows each value after a tab.
  EXPECT_EQ(mRun({"read", "--show-format", "3/15/2020", "junk"}).sOut,
            "43905\tm/d/yyyy\n*\tm/d/yyyy\n");
  // The example column reads whole, and converts.
  const std::string sColumn = mSlurp(CVN_EXAMPLES_DIR "/column.txt");
  ASSERT_FALSE(sColumn.empty());
  const xRun column = mRun({"read"}, sColumn);
  EXPECT_EQ(column.iExit, 0) << column.sErr << column.sOut;
  EXPECT_EQ(mLines(column.sOut).size(), mLines(sColumn).size());
  EXPECT_EQ(mRun({"convert", "--to", "yyyy-mm-dd hh:mm"}, sColumn).iExit, 0);
}

TEST(CvntimeProcess, FormatsByClass) {
  // Every format has one class; time and date-time formats show hours or seconds.
  const std::vector<std::string> vsAll = mLines(mRun({"formats"}).sOut);
  ASSERT_TRUE(!vsAll.empty() && vsAll.size() <= 150u);
  size_t iClassTotal = 0;
  for (const std::string sClass : {"date", "time", "datetime"}) {
    for (const std::string& s : mLines(mRun({"formats", "--class", sClass}).sOut)) {
      EXPECT_EQ(s.find_first_of("hs") != std::string::npos, sClass != "date") << s;
      ++iClassTotal;
    }
  }
  EXPECT_EQ(iClassTotal, vsAll.size());
}

TEST(CvntimeProcess, Now) {
  // One line: the value (after 2023), a tab, the text.
  const xRun run = mRun({"now", "--format", "yyyy"});
  ASSERT_TRUE(run.iExit == 0 && mLines(run.sOut).size() == 1u) << run.sOut;
  EXPECT_GT(std::strtod(run.sOut.c_str(), nullptr), 45000.0);
  EXPECT_NE(run.sOut.find("\t20"), std::string::npos);
}

TEST(CvntimeProcess, GermanSettingsByNameAndFromTheEnvironment) {
  const locale_t loc = newlocale(LC_ALL_MASK, "de_DE.UTF-8", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  freelocale(loc);
  const xRun named = mRun({"--locale", "de_DE.UTF-8", "read", "--show-format", "15.03.2020"});
  EXPECT_EQ(named.sOut, "43905\tdd.mm.yyyy\n");
  EXPECT_EQ(named.iExit, 0) << named.sErr;
  // Month names come out as UTF-8; without --locale the environment's locale
  // applies, and --locale C overrides it.
  EXPECT_EQ(mRun({"--locale", "de_DE.UTF-8", "write", "--format", "d mmmm yyyy", "43905"}).sOut,
            "15 M\xC3\xA4rz 2020\n");
  EXPECT_EQ(mRun({"read", "15.03.2020"}, "", "LANG=de_DE.UTF-8").sOut, "43905\n");
  EXPECT_EQ(mRun({"read", "--locale", "C", "3/15/2020"}, "", "LANG=de_DE.UTF-8").sOut, "43905\n");
  EXPECT_EQ(mRun({"write", "--format", "mmmm", "43905"}, "", "LC_TIME=de_DE.UTF-8").sOut,
            "M\xC3\xA4rz\n");
}

TEST(CvntimeProcess, ImportOfLongColumns) {
  // Refused lines are counted and the first twenty listed.
  std::string sIn;
  for (int i = 0; i < 60; ++i) sIn += i % 2 == 0 ? "2020-03-15 10:30\n" : "not a date\n";
  const xRun refused = mRun({"import", "--summary"}, sIn);
  EXPECT_EQ(refused.iExit, 1);
  mExpectLinesIn(
      "refused\t30\nrefused-line\t2\tnot a date\t\nrefused-line\t40\tnot a date\t\n"
      "cvntime: 30 of 60 texts could not be read\n",
      refused.sErr);
  EXPECT_EQ(refused.sErr.find("refused-line\t42\t"), std::string::npos) << refused.sErr;
  // A long column goes through whole (values written on two threads); its
  // values, written under the format the report gives, import again the same.
  sIn.clear();
  for (int i = 0; i < 300000; ++i) {
    sIn += std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" +
           std::to_string(1950 + i % 90) + " " + std::to_string(1 + i % 12) + ":" +
           std::to_string(10 + i % 50) + ":0" + std::to_string(i % 10) +
           (i % 3 ? " PM\n" : " AM\n");
  }
  const xRun first = mRun({"import", "--summary"}, sIn);
  ASSERT_EQ(first.iExit, 0) << first.sErr;
  // Through a pipe, read rather than mapped, the same.
  EXPECT_TRUE(mRun({"import"}, sIn, "LC_ALL=C", true).sOut == first.sOut);
  const size_t iFormat = first.sErr.find("format\t");
  ASSERT_NE(iFormat, std::string::npos);
  const std::string sFormat =
      first.sErr.substr(iFormat + 7, first.sErr.find('\n', iFormat) - iFormat - 7);
  const xRun texts = mRun({"import", "--to", sFormat}, sIn);
  ASSERT_EQ(texts.iExit, 0) << texts.sErr;
  const xRun again = mRun({"import"}, texts.sOut);
  EXPECT_EQ(again.iExit, 0) << again.sErr;
  EXPECT_EQ(mLines(again.sOut).size(), 300000u);
  EXPECT_TRUE(again.sOut == first.sOut);  // no diff of 300 000 lines
}

}  // namespace
