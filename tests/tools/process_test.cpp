// The cvntime tool run as a process: outputs, exit codes, error messages and
// streaming from standard input. Every run has the built-in regional
// settings (LC_ALL=C) and no two-digit year window from the environment.

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
xRun mRun(const std::vector<std::string>& args, const std::string& input = "",
          const std::string& localeVariable = "LC_ALL=C") {
  const std::string sBase = "/tmp/cvntime_test_" + std::to_string(getpid());
  std::ofstream(sBase + ".in", std::ios::binary) << input;
  std::string sCommand = "env -u CVN_TWO_DIGIT_YEAR_MAX -u LC_ALL -u LC_TIME -u LANG " +
                         mQuote(localeVariable) + " " + mQuote(CVNTIME_PATH);
  for (const std::string& sArg : args) sCommand += " " + mQuote(sArg);
  sCommand +=
      " <" + mQuote(sBase + ".in") + " >" + mQuote(sBase + ".out") + " 2>" + mQuote(sBase + ".err");
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

TEST(CvntimeProcess, VersionAndHelp) {
  const xRun version = mRun({"--version"});
  EXPECT_EQ(version.iExit, 0);
  EXPECT_EQ(version.sOut.rfind("cvntime 0.1.0", 0), 0u) << version.sOut;
  const xRun help = mRun({"--help"});
  EXPECT_EQ(help.iExit, 0);
  EXPECT_TRUE(help.sErr.empty());
  EXPECT_NE(help.sOut.find("Usage: cvntime"), std::string::npos);
  for (const char* pszCommand : {"read", "write", "convert", "formats", "scale", "now", "import"}) {
    EXPECT_NE(help.sOut.find(std::string("  ") + pszCommand), std::string::npos) << pszCommand;
  }
  EXPECT_EQ(mRun({"read", "-h"}).sOut, help.sOut);
}

TEST(CvntimeProcess, BadArgumentsExit2WithOneLine) {
  // clang-format off
  const std::pair<std::vector<std::string>, const char*> kRows[] = {
      {{}, "no command given"},
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"read", "--bogus"}, "unknown option '--bogus' for 'read'"},
      {{"read", "--format"}, "option '--format' needs 1 value"},
      {{"write", "--format", "h:m", "1"}, "'h:m' given to --format is not a legal format"},
      {{"--locale", "xx_NOWHERE.UTF-8", "read", "1"}, "locale 'xx_NOWHERE.UTF-8' is not installed"},
      {{"convert"}, "'convert' needs --to FORMAT"},
      {{"convert", "--to", "m/d/yyyy", "extra"}, "takes no texts"},
      {{"formats", "--class", "weekly"}, "--class must be date, time or datetime"},
      {{"scale", "36526"}, "needs exactly two values"},
      {{"scale", "36526", "36900", "--ticks", "8", "4"}, "--ticks needs two whole numbers"},
      {{"scale", "36526", "36900", "--ticks", "0", "4"}, "--ticks needs two whole numbers"},
      {{"scale", "junk", "36900"}, "MIN 'junk' is neither a number nor a readable time"},
      {{"scale", "36526", "1e7"}, "MAX '1e7' is not a time in the years 1000 to 4000"},
      {{"now", "extra"}, "'now' takes no values"},
  };
  // clang-format on
  for (const auto& [vsArgs, pszMessage] : kRows) {
    const xRun run = mRun(vsArgs);
    EXPECT_EQ(run.iExit, 2) << pszMessage;
    EXPECT_EQ(run.sOut, "") << pszMessage;
    // One line on standard error, the tool's name in front.
    EXPECT_EQ(run.sErr.find('\n'), run.sErr.size() - 1) << run.sErr;
    EXPECT_EQ(run.sErr.rfind("cvntime: ", 0), 0u) << run.sErr;
    EXPECT_NE(run.sErr.find(pszMessage), std::string::npos) << run.sErr;
  }
}

TEST(CvntimeProcess, OutputsAndExitCodes) {
  // Arguments, standard input; then standard output, exit code, standard error.
  // clang-format off
  const struct {
    std::vector<std::string> vsArgs;
    std::string sIn, sOut;
    int iExit;
    std::string sErr = "";
  } kRows[] = {
      {{"read", "3/15/2020", "", "*", "junk", "3/15/2020 6:00 PM"}, "",
       "43905\n*\n*\n*\n43905.75\n", 1, "cvntime: 1 of 5 texts could not be read\n"},
      // A byte-order mark, CRLF line ends and a last line without a line end.
      {{"read"}, "\xEF\xBB\xBF" "3/15/2020\r\n3/16/2020\n\n3/17/2020",
       "43905\n43906\n*\n43907\n", 0},
      {{"read"}, "", "", 0},
      // Invalid UTF-8 is unreadable, not fatal.
      {{"read"}, "\xFF\xFE\n3/15/2020\n\xC3\n", "*\n43905\n*\n", 1,
       "cvntime: 2 of 3 texts could not be read\n"},
      // After a time alone the format is a time format, under which a date-time
      // no longer reads; --reset reads every text from the first format.
      {{"read", "12:45:30", "12/31/1999 23:59:59"}, "", "0.5315972222222223\n*\n", 1,
       "cvntime: 1 of 2 texts could not be read\n"},
      {{"read", "--reset", "12:45:30", "12/31/1999 23:59:59"}, "",
       "0.5315972222222223\n36525.99998842592\n", 0},
      {{"convert", "--reset", "--to", "m/d/yyyy hh:mm:ss"}, "12:45:30\n12/31/1999 23:59:59\n",
       "12/30/1899 12:45:30\n12/31/1999 23:59:59\n", 0},
      // Under an elapsed format "-" starts a value, not an option.
      {{"read", "--format", "[h]:mm", "1:30", "-1:30", "36:00"}, "", "0.0625\n-0.0625\n1.5\n", 0},
      {{"write", "--format", "m/d/yyyy", "36526", "36526.5", "*", "abc"}, "",
       "1/1/2000\n1/1/2000\n*\n*\n", 1, "cvntime: 1 of 4 values could not be read\n"},
      {{"write", "--format", "m/d/yyyy hh:mm", "--day-number", "36526.5"}, "", "36526 12:00\n",
       0},
      {{"write", "--format", "[h]:mm:ss", "1.5", "-0.25"}, "", "36:00:00\n-6:00:00\n", 0},
      // A value the writer cannot show is "*", but a readable number is no failure.
      {{"write", "--format", "mmmm d, yyyy"}, "36526\n1e7\n", "January 1, 2000\n*\n", 0},
      {{"convert", "--from", "m/d/yyyy", "--to", "yyyy-mm-dd"}, "3/15/2020\n\njunk\n12/31/1999\n",
       "2020-03-15\n*\n*\n1999-12-31\n", 1, "cvntime: 1 of 4 texts could not be read\n"},
      // The reader meets an elapsed format; the writer's absolute format holds.
      {{"convert", "--from", "[h]:mm", "--to", "hh:mm:ss"}, "1:30\n2:45\n",
       "01:30:00\n02:45:00\n", 0},
      {{"--locale", "C", "read", "3/15/2020"}, "", "43905\n", 0},
      {{"read", "3/15/2020", "--locale", "POSIX"}, "", "43905\n", 0},
  };
  // clang-format on
  for (const auto& row : kRows) {
    const xRun run = mRun(row.vsArgs, row.sIn);
    SCOPED_TRACE(row.vsArgs[0] + " " + row.sOut);
    EXPECT_EQ(run.iExit, row.iExit);
    EXPECT_EQ(run.sErr, row.sErr);
    EXPECT_EQ(run.sOut, row.sOut);
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
  const std::vector<std::string> vsShown =
      mLines(mRun({"read", "--show-format", "3/15/2020", "junk"}).sOut);
  ASSERT_EQ(vsShown.size(), 2u);
  EXPECT_EQ(vsShown[0].rfind("43905\t", 0), 0u) << vsShown[0];
  EXPECT_GT(vsShown[0].size(), 6u);
  EXPECT_EQ(vsShown[1].rfind("*\t", 0), 0u) << vsShown[1];
  // The example column reads whole, and converts.
  const std::string sColumn = mSlurp(CVN_EXAMPLES_DIR "/column.txt");
  ASSERT_FALSE(sColumn.empty());
  const xRun column = mRun({"read"}, sColumn);
  EXPECT_EQ(column.iExit, 0) << column.sErr << column.sOut;
  EXPECT_EQ(mLines(column.sOut).size(), mLines(sColumn).size());
  EXPECT_EQ(mRun({"convert", "--to", "yyyy-mm-dd hh:mm"}, sColumn).iExit, 0);
}

TEST(CvntimeProcess, FormatsByClass) {
  const std::vector<std::string> vsAll = mLines(mRun({"formats"}).sOut);
  ASSERT_TRUE(!vsAll.empty() && vsAll.size() <= 150u);
  size_t iClassTotal = 0;
  for (const std::string sClass : {"date", "time", "datetime"}) {
    const xRun run = mRun({"formats", "--class", sClass});
    EXPECT_EQ(run.iExit, 0);
    for (const std::string& s : mLines(run.sOut)) {
      EXPECT_EQ(s.find_first_of("hs") != std::string::npos, sClass != "date") << s;
      ++iClassTotal;
    }
  }
  EXPECT_EQ(iClassTotal, vsAll.size());  // every format has one class
}

TEST(CvntimeProcess, ScaleOfTenYears) {
  // 1 January 2001 to 31 December 2010, 4 to 8 ticks: every second year
  // up to 2010 (2000 when the first tick is kept), ends with a margin of 6%.
  const xRun run = mRun({"scale", "36892", "40543", "--ticks", "4", "8", "--format", "m/d/yyyy"});
  EXPECT_EQ(run.iExit, 0) << run.sErr;
  const std::vector<std::string> vsLines = mLines(run.sOut);
  ASSERT_GE(vsLines.size(), 10u) << run.sOut;
  EXPECT_EQ(vsLines[0] + "|" + vsLines[1] + "|" + vsLines[2],
            "unit\tyear|increment\t2|format\tm/d/yyyy");
  ASSERT_EQ(vsLines[3].rfind("minimum\t", 0) + vsLines[4].rfind("maximum\t", 0), 0u) << run.sOut;
  EXPECT_LE(std::strtod(vsLines[3].c_str() + 8, nullptr), 36892.0 - 0.06 * 3651.0 + 1e-6);
  EXPECT_GE(std::strtod(vsLines[4].c_str() + 8, nullptr), 40543.0 + 0.06 * 3651.0 - 1e-6);
  std::string sTicks;
  for (const std::string& s : vsLines) sTicks += s.rfind("tick\t", 0) == 0 ? s + "\n" : "";
  const std::string kEvenYears =
      "tick\t37257\t1/1/2002\ntick\t37987\t1/1/2004\ntick\t38718\t1/1/2006\n"
      "tick\t39448\t1/1/2008\ntick\t40179\t1/1/2010\n";
  EXPECT_TRUE(sTicks == kEvenYears || sTicks == "tick\t36526\t1/1/2000\n" + kEvenYears) << sTicks;
  // The ends may be texts.
  const xRun texts = mRun({"scale", "1/1/2001", "12/31/2010"});
  EXPECT_EQ(texts.iExit, 0) << texts.sErr;
  EXPECT_NE(texts.sOut.find("unit\tyear\n"), std::string::npos) << texts.sOut;
  EXPECT_NE(texts.sOut.find("tick\t40179\t1/1/2010\n"), std::string::npos) << texts.sOut;
}

TEST(CvntimeProcess, Now) {
  const xRun run = mRun({"now", "--format", "yyyy"});
  EXPECT_EQ(run.iExit, 0);
  ASSERT_EQ(mLines(run.sOut).size(), 1u) << run.sOut;
  EXPECT_GT(std::strtod(run.sOut.c_str(), nullptr), 45000.0);  // after 2023
  EXPECT_NE(run.sOut.find('\t'), std::string::npos);
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

}  // namespace
