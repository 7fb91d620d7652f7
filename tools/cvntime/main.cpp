// cvntime: converts columns of dates and times with the CvnDateTime library.
// See help.cpp for the commands.

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "tools/cvntime/args.h"
#include "tools/cvntime/commands.h"
#include "tools/cvntime/regional.h"

namespace {

using CommandFn = int (*)(const std::vector<std::string>&);

struct xCommand {
  const char* pszName;
  CommandFn pRun;
};

constexpr xCommand kCommands[] = {
    {"read", cvn::tool::mRunRead},       {"write", cvn::tool::mRunWrite},
    {"convert", cvn::tool::mRunConvert}, {"formats", cvn::tool::mRunFormats},
    {"scale", cvn::tool::mRunScale},     {"now", cvn::tool::mRunNow},
    {"import", cvn::tool::mRunImport},
};

int mRun(const std::vector<std::string>& args) {
  using namespace cvn::tool;
  xGlobalArgs global;
  std::string sError;
  if (!mParseGlobalArgs(args, &global, &sError)) return mUsageError(sError);
  if (global.bHelp || global.sCommand == "help") {
    mPrintHelp(stdout);
    return kExitOk;
  }
  if (global.bVersion) {
    mPrintVersion(stdout);
    return kExitOk;
  }
  if (global.sCommand.empty()) return mUsageError("no command given");
  CommandFn pRun = nullptr;
  for (const xCommand& command : kCommands) {
    if (global.sCommand == command.pszName) pRun = command.pRun;
  }
  if (pRun == nullptr) return mUsageError("unknown command '" + global.sCommand + "'");
  if (!mApplyRegionalSettings(global.sLocale, &sError)) return mUsageError(sError);
  return pRun(global.vsRest);
}

}  // namespace

int main(int argc, char** argv) {
  // The C library's locale is left as "C": the tool codes UTF-8 itself and
  // '.' stays the decimal point of values.
  try {
    std::vector<std::string> vsArgs;
    for (int i = 1; i < argc; ++i) vsArgs.emplace_back(argv[i]);
    return mRun(vsArgs);
  } catch (const std::bad_alloc&) {
    std::fputs("cvntime: out of memory\n", stderr);
  } catch (...) {
    std::fputs("cvntime: internal error\n", stderr);
  }
  return cvn::tool::kExitUnread;
}
