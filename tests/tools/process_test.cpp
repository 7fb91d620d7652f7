// The cvntime tool run as a process: outputs, exit codes and error messages.
// Every run has the built-in regional settings (LC_ALL=C) and no two-digit
// year window from the environment.

#include <gtest/gtest.h>
#include <locale.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct xRun {
  int iExit = -1;
  std::string sOut;
  std::string sErr;
};

std::string mQuote(const std::string& s) {
  std::string sQuoted = "'";
  for (const char c : s) {
    if (c == '\'') {
      sQuoted += "'\\''";
    } else {
      sQuoted += c;
    }
  }
  return sQuoted + "'";
}

std::string mSlurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Runs cvntime with args and input on standard input, in the environment
// with the given locale variable.
xRun mRun(const std::vector<std::string>& args, const std::string& input = "",
          const std::string& localeVariable = "LC_ALL=C") {
  const std::string sBase = "/tmp/cvntime_test_" + std::to_string(getpid());
  const std::string sIn = sBase + ".in";
  const std::string sOut = sBase + ".out";
  const std::string sErr = sBase + ".err";
  {
    std::ofstream in(sIn, std::ios::binary);
    in << input;
  }
  std::string sCommand = "env -u CVN_TWO_DIGIT_YEAR_MAX -u LC_ALL -u LC_TIME -u LANG " +
                         mQuote(localeVariable) + " " + mQuote(CVNTIME_PATH);
  for (const std::string& sArg : args) sCommand += " " + mQuote(sArg);
  sCommand += " <" + mQuote(sIn) + " >" + mQuote(sOut) + " 2>" + mQuote(sErr);
  const int iStatus = std::system(sCommand.c_str());
  xRun run;
  run.iExit = WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : 128 + WTERMSIG(iStatus);
  run.sOut = mSlurp(sOut);
  run.sErr = mSlurp(sErr);
  std::remove(sIn.c_str());
  std::remove(sOut.c_str());
  std::remove(sErr.c_str());
  return run;
}

std::vector<std::string> mLines(const std::string& text) {
  std::vector<std::string> vsLines;
  std::istringstream in(text);
  std::string sLine;
  while (std::getline(in, sLine)) vsLines.push_back(sLine);
  return vsLines;
}

bool mIsOneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

// ---- General --------------------------------------------------------------------

TEST(CvntimeProcess, VersionAndHelp) {
  const xRun version = mRun({"--version"});
  EXPECT_EQ(version.iExit, 0);
  EXPECT_EQ(version.sOut.rfind("cvntime 0.1.0", 0), 0u) << version.sOut;
  const xRun help = mRun({"--help"});
  EXPECT_EQ(help.iExit, 0);
  EXPECT_NE(help.sOut.find("Usage: cvntime"), std::string::npos);
  for (const char* pszCommand : {"read", "write", "convert", "formats", "scale", "now"}) {
    EXPECT_NE(help.sOut.find(std::string("  ") + pszCommand), std::string::npos) << pszCommand;
  }
  EXPECT_EQ(mRun({"read", "-h"}).sOut, help.sOut);
  EXPECT_TRUE(help.sErr.empty());
}

TEST(CvntimeProcess, BadArgumentsExit2WithOneLine) {
  struct Row {
    std::vector<std::string> vsArgs;
    const char* pszMessage;
  };
  const Row kRows[] = {
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
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszMessage);
    const xRun run = mRun(row.vsArgs);
    EXPECT_EQ(run.iExit, 2);
    EXPECT_TRUE(run.sOut.empty()) << run.sOut;
    EXPECT_TRUE(mIsOneLine(run.sErr)) << run.sErr;
    EXPECT_EQ(run.sErr.rfind("cvntime: ", 0), 0u) << run.sErr;
    EXPECT_NE(run.sErr.find(row.pszMessage), std::string::npos) << run.sErr;
  }
}

// ---- read -------------------------------------------------------------------------

TEST(CvntimeProcess, ReadArguments) {
  const xRun run = mRun({"read", "3/15/2020", "", "*", "junk", "3/15/2020 6:00 PM"});
  EXPECT_EQ(run.sOut, "43905\n*\n*\n*\n43905.75\n");
  EXPECT_EQ(run.iExit, 1);
  EXPECT_EQ(run.sErr, "cvntime: 1 of 5 texts could not be read\n");
}

TEST(CvntimeProcess, ReadStandardInputLineByLine) {
  // A byte-order mark, CRLF line ends and a last line without a line end.
  const xRun run = mRun({"read"},
                        "\xEF\xBB\xBF"
                        "3/15/2020\r\n3/16/2020\n\n3/17/2020");
  EXPECT_EQ(run.sOut, "43905\n43906\n*\n43907\n");
  EXPECT_EQ(run.iExit, 0);
  EXPECT_TRUE(run.sErr.empty()) << run.sErr;
}

TEST(CvntimeProcess, ReadEmptyInputHasNoLines) {
  const xRun run = mRun({"read"}, "");
  EXPECT_EQ(run.sOut, "");
  EXPECT_EQ(run.iExit, 0);
}

TEST(CvntimeProcess, ReadFollowsTheFormatUnlessReset) {
  // After a time alone the format is a time format, under which a date-time
  // text no longer reads; --reset reads every text from the first format.
  const xRun follow = mRun({"read", "12:45:30", "12/31/1999 23:59:59"});
  EXPECT_EQ(follow.sOut, "0.53159722222222228\n*\n");
  EXPECT_EQ(follow.iExit, 1);
  const xRun reset = mRun({"read", "--reset", "12:45:30", "12/31/1999 23:59:59"});
  EXPECT_EQ(reset.sOut, "0.53159722222222228\n36525.999988425923\n");
  EXPECT_EQ(reset.iExit, 0) << reset.sErr;
  const xRun convert =
      mRun({"convert", "--reset", "--to", "m/d/yyyy hh:mm:ss"}, "12:45:30\n12/31/1999 23:59:59\n");
  EXPECT_EQ(convert.sOut, "12/30/1899 12:45:30\n12/31/1999 23:59:59\n");
  EXPECT_EQ(convert.iExit, 0) << convert.sErr;
}

TEST(CvntimeProcess, ReadShowFormat) {
  const xRun run = mRun({"read", "--show-format", "3/15/2020", "junk"});
  const std::vector<std::string> vsLines = mLines(run.sOut);
  ASSERT_EQ(vsLines.size(), 2u) << run.sOut;
  EXPECT_EQ(vsLines[0].rfind("43905\t", 0), 0u) << vsLines[0];
  EXPECT_GT(vsLines[0].size(), 6u) << "a format follows the tab";
  EXPECT_EQ(vsLines[1].rfind("*\t", 0), 0u) << vsLines[1];
}

TEST(CvntimeProcess, ReadWithFormatOption) {
  // An elapsed format: a signed text is read, and "-" starts a value, not an option.
  const xRun run = mRun({"read", "--format", "[h]:mm", "1:30", "-1:30", "36:00"});
  EXPECT_EQ(run.sOut, "0.0625\n-0.0625\n1.5\n");
  EXPECT_EQ(run.iExit, 0) << run.sErr;
}

TEST(CvntimeProcess, InvalidUtf8IsUnreadableNotFatal) {
  const xRun run = mRun({"read"}, "\xFF\xFE\n3/15/2020\n\xC3\n");
  EXPECT_EQ(run.sOut, "*\n43905\n*\n");
  EXPECT_EQ(run.iExit, 1);
  EXPECT_EQ(run.sErr, "cvntime: 2 of 3 texts could not be read\n");
}

TEST(CvntimeProcess, ReadStreamsLongColumns) {
  constexpr int kLines = 20000;
  std::string sInput;
  for (int i = 0; i < kLines; ++i) sInput += (i % 2 == 0) ? "3/15/2020\n" : "3/16/2020 12:00\n";
  const xRun run = mRun({"read"}, sInput);
  EXPECT_EQ(run.iExit, 0) << run.sErr;
  const std::vector<std::string> vsLines = mLines(run.sOut);
  ASSERT_EQ(vsLines.size(), static_cast<size_t>(kLines));
  EXPECT_EQ(vsLines.front(), "43905");
  EXPECT_EQ(vsLines.back(), "43906.5");
}

// ---- write / convert --------------------------------------------------------------

TEST(CvntimeProcess, WriteValues) {
  const xRun run = mRun({"write", "--format", "m/d/yyyy", "36526", "36526.5", "*", "abc"});
  EXPECT_EQ(run.sOut, "1/1/2000\n1/1/2000\n*\n*\n");
  EXPECT_EQ(run.iExit, 1);
  EXPECT_EQ(run.sErr, "cvntime: 1 of 4 values could not be read\n");
}

TEST(CvntimeProcess, WriteDayNumberAndElapsed) {
  EXPECT_EQ(mRun({"write", "--format", "m/d/yyyy hh:mm", "--day-number", "36526.5"}).sOut,
            "36526 12:00\n");
  EXPECT_EQ(mRun({"write", "--format", "[h]:mm:ss", "1.5", "-0.25"}).sOut, "36:00:00\n-6:00:00\n");
  const xRun run = mRun({"write", "--format", "mmmm d, yyyy"}, "36526\n1e7\n");
  EXPECT_EQ(run.sOut, "January 1, 2000\n*\n") << "a value the writer cannot show is *";
  EXPECT_EQ(run.iExit, 0) << "a readable number is no failure";
}

TEST(CvntimeProcess, ConvertLines) {
  const xRun run = mRun({"convert", "--from", "m/d/yyyy", "--to", "yyyy-mm-dd"},
                        "3/15/2020\n\njunk\n12/31/1999\n");
  EXPECT_EQ(run.sOut, "2020-03-15\n*\n*\n1999-12-31\n");
  EXPECT_EQ(run.iExit, 1);
  EXPECT_EQ(run.sErr, "cvntime: 1 of 4 texts could not be read\n");
}

TEST(CvntimeProcess, ConvertKeepsTheWriterFormatAcrossReads) {
  // The reader meets an elapsed format; the writer's absolute format holds.
  const xRun run = mRun({"convert", "--from", "[h]:mm", "--to", "hh:mm:ss"}, "1:30\n2:45\n");
  EXPECT_EQ(run.sOut, "01:30:00\n02:45:00\n");
  EXPECT_EQ(run.iExit, 0) << run.sErr;
}

// ---- formats / scale / now -----------------------------------------------------------

TEST(CvntimeProcess, FormatsByClass) {
  const xRun all = mRun({"formats"});
  EXPECT_EQ(all.iExit, 0);
  const std::vector<std::string> vsAll = mLines(all.sOut);
  ASSERT_FALSE(vsAll.empty());
  EXPECT_LE(vsAll.size(), 150u);
  size_t iClassTotal = 0;
  for (const char* pszClass : {"date", "time", "datetime"}) {
    const xRun run = mRun({"formats", "--class", pszClass});
    EXPECT_EQ(run.iExit, 0);
    const std::vector<std::string> vsClass = mLines(run.sOut);
    iClassTotal += vsClass.size();
    for (const std::string& s : vsClass) {
      const bool bTime = s.find('h') != std::string::npos || s.find('s') != std::string::npos;
      EXPECT_EQ(bTime, std::string(pszClass) != "date") << s;
    }
  }
  EXPECT_EQ(iClassTotal, vsAll.size()) << "every format has one class";
}

TEST(CvntimeProcess, ScaleOfTenYears) {
  // 1 January 2001 to 31 December 2010 under a date format, 4 to 8 ticks:
  // ticks on 1 January of every second year up to 2010.
  const xRun run = mRun({"scale", "36892", "40543", "--ticks", "4", "8", "--format", "m/d/yyyy"});
  EXPECT_EQ(run.iExit, 0) << run.sErr;
  const std::vector<std::string> vsLines = mLines(run.sOut);
  ASSERT_GE(vsLines.size(), 5u) << run.sOut;
  EXPECT_EQ(vsLines[0], "unit\tyear");
  EXPECT_EQ(vsLines[1], "increment\t2");
  EXPECT_EQ(vsLines[2], "format\tm/d/yyyy");
  std::vector<std::string> vsTicks;
  for (const std::string& s : vsLines) {
    if (s.rfind("tick\t", 0) == 0) vsTicks.push_back(s);
  }
  const std::vector<std::string> kEvenYears = {"tick\t36526\t1/1/2000", "tick\t37257\t1/1/2002",
                                               "tick\t37987\t1/1/2004", "tick\t38718\t1/1/2006",
                                               "tick\t39448\t1/1/2008", "tick\t40179\t1/1/2010"};
  ASSERT_GE(vsTicks.size(), 5u) << run.sOut;
  ASSERT_LE(vsTicks.size(), 6u) << run.sOut;
  // The ticks are the last ones of that row: 2002 to 2010 always, and 2000
  // when the first tick is kept.
  EXPECT_TRUE(std::equal(vsTicks.rbegin(), vsTicks.rend(), kEvenYears.rbegin())) << run.sOut;
  // The scale ends take in the data with a margin of 6% of its range.
  ASSERT_EQ(vsLines[3].rfind("minimum\t", 0), 0u) << vsLines[3];
  ASSERT_EQ(vsLines[4].rfind("maximum\t", 0), 0u) << vsLines[4];
  const double dMin = std::strtod(vsLines[3].c_str() + 8, nullptr);
  const double dMax = std::strtod(vsLines[4].c_str() + 8, nullptr);
  EXPECT_LE(dMin, 36892.0 - 0.06 * 3651.0 + 1e-6);
  EXPECT_GE(dMax, 40543.0 + 0.06 * 3651.0 - 1e-6);
}

TEST(CvntimeProcess, ScaleReadsTextEnds) {
  const xRun run = mRun({"scale", "1/1/2001", "12/31/2010"});
  EXPECT_EQ(run.iExit, 0) << run.sErr;
  EXPECT_NE(run.sOut.find("unit\tyear\n"), std::string::npos) << run.sOut;
  EXPECT_NE(run.sOut.find("tick\t40179\t1/1/2010\n"), std::string::npos) << run.sOut;
}

TEST(CvntimeProcess, Now) {
  const xRun run = mRun({"now", "--format", "yyyy"});
  EXPECT_EQ(run.iExit, 0);
  ASSERT_TRUE(mIsOneLine(run.sOut)) << run.sOut;
  const double dNow = std::strtod(run.sOut.c_str(), nullptr);
  EXPECT_GT(dNow, 45000.0);  // after 2023
  EXPECT_NE(run.sOut.find('\t'), std::string::npos);
}

TEST(CvntimeProcess, BuiltInLocaleByName) {
  EXPECT_EQ(mRun({"--locale", "C", "read", "3/15/2020"}).sOut, "43905\n");
  EXPECT_EQ(mRun({"read", "3/15/2020", "--locale", "POSIX"}).sOut, "43905\n");
}

bool mLocaleInstalled(const char* name) {
  const locale_t loc = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return false;
  freelocale(loc);
  return true;
}

TEST(CvntimeProcess, GermanSettingsByNameAndFromTheEnvironment) {
  if (!mLocaleInstalled("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  const xRun named = mRun({"--locale", "de_DE.UTF-8", "read", "--show-format", "15.03.2020"});
  EXPECT_EQ(named.sOut, "43905\tdd.mm.yyyy\n");
  EXPECT_EQ(named.iExit, 0) << named.sErr;
  // Month names come out as UTF-8.
  EXPECT_EQ(mRun({"--locale", "de_DE.UTF-8", "write", "--format", "d mmmm yyyy", "43905"}).sOut,
            "15 M\xC3\xA4rz 2020\n");
  // Without --locale the environment's locale applies; --locale C overrides it.
  EXPECT_EQ(mRun({"read", "15.03.2020"}, "", "LANG=de_DE.UTF-8").sOut, "43905\n");
  EXPECT_EQ(mRun({"read", "--locale", "C", "3/15/2020"}, "", "LANG=de_DE.UTF-8").sOut, "43905\n");
  EXPECT_EQ(mRun({"write", "--format", "mmmm", "43905"}, "", "LC_TIME=de_DE.UTF-8").sOut,
            "M\xC3\xA4rz\n");
}

TEST(CvntimeProcess, ExampleColumnReads) {
  const std::string sColumn = mSlurp(CVN_EXAMPLES_DIR "/column.txt");
  ASSERT_FALSE(sColumn.empty());
  const xRun run = mRun({"read"}, sColumn);
  EXPECT_EQ(run.iExit, 0) << run.sErr << run.sOut;
  EXPECT_EQ(mLines(run.sOut).size(), mLines(sColumn).size());
  const xRun converted = mRun({"convert", "--to", "yyyy-mm-dd hh:mm"}, sColumn);
  EXPECT_EQ(converted.iExit, 0) << converted.sErr;
}

}  // namespace
