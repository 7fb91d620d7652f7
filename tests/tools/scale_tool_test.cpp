// `cvntime scale` run as a process: the tick modes, the end policies and the
// refused ranges. Every run has the built-in regional settings (LC_ALL=C).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct xRun {
  int iExit = -1;
  std::string sOut;
};

// Runs cvntime scale with args (no quoting needed), standard error joined to
// standard output.
xRun mRunScale(const std::string& args) {
  const std::string sCommand =
      "env LC_ALL=C '" + std::string(CVNTIME_PATH) + "' scale " + args + " 2>&1";
  FILE* pipe = popen(sCommand.c_str(), "r");
  xRun run;
  if (pipe == nullptr) return run;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) run.sOut += buffer;
  const int iStatus = pclose(pipe);
  run.iExit = WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : -1;
  return run;
}

TEST(CvntimeScale, ModesEndsAndRefusals) {
  const struct {
    const char* sArgs;
    int iExit;
    std::vector<std::string> vsLines;  // each must appear in the output
  } kRows[] = {
      {"36892 36902 --format h:mm --mode nice",  // ten days of hours
       0,
       {"unit\tday\nincrement\t2\nformat\tm/d h:mm\nwindow\tmet\n", "tick\t36892\t1/1 0:00\n",
        "tick\t36902\t1/11 0:00\n"}},
      {"0 2 --format [h]:mm --mode nice --ends padded",
       0,
       {"unit\thour\nincrement\t12\n", "minimum\t0\t0:00\n", "tick\t2\t48:00\n"}},
      {"36892 36937 --format m/d/yyyy --mode nice --ends nice --ticks 4 4",
       0,
       {"window\tmissed\n"}},
      {"36892 36892 --format m/d/yyyy",
       0,
       {"minimum\t36891.44\t12/31/2000\n", "tick\t36892\t1/1/2001\n"}},
      {"40543 36892", 2, {"MAX '36892' is before MIN '40543'"}},
      {"36892 40543 --mode fine", 2, {"--mode must be nice or default"}},
      {"36892 40543 --ends nice", 2, {"--ends nice and data need --mode nice"}},
      {"36892 40543 --mode nice --ends wide", 2, {"--ends must be padded, nice or data"}},
  };
  for (const auto& row : kRows) {
    const xRun run = mRunScale(row.sArgs);
    EXPECT_EQ(run.iExit, row.iExit) << row.sArgs << "\n" << run.sOut;
    for (const std::string& s : row.vsLines) {
      EXPECT_NE(run.sOut.find(s), std::string::npos) << row.sArgs << "\n" << run.sOut;
    }
  }
}

}  // namespace
