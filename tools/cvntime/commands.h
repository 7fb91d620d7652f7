// The commands of the cvntime tool and what they share.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "tools/cvntime/args.h"

class CmTimeCls;

namespace cvn::tool {

// Each command takes its own arguments (after the command name) and returns
// the exit code.
int mRunRead(const std::vector<std::string>& args);
int mRunWrite(const std::vector<std::string>& args);
int mRunConvert(const std::vector<std::string>& args);
int mRunFormats(const std::vector<std::string>& args);
int mRunScale(const std::vector<std::string>& args);
int mRunNow(const std::vector<std::string>& args);
int mRunImport(const std::vector<std::string>& args);

void mPrintHelp(std::FILE* file);
void mPrintVersion(std::FILE* file);

// Writes "cvntime: message" as one line to standard error and returns
// kExitUsage.
int mUsageError(const std::string& message);

// Writes "cvntime: N of M <what> could not be read" to standard error and
// returns kExitUnread; returns kExitOk when failed is 0.
int mReportUnread(long long failed, long long total, const char* what);

// Writes that the output could not be written and returns kExitUnread.
int mOutputError();

// Makes a UTF-8 format text the object's current format. False with a
// message naming the option when the library refuses the format.
bool mSetFormatOption(CmTimeCls& time, const std::string& format, const char* option,
                      std::string* error);

// The class-wide format flags of the library (elapsed format, comma in the
// format). They belong to whichever object set a format last, so a command
// that reads with one object and writes with another saves and puts them
// back around each use.
struct xClassFlags {
  bool bElapsed = false;
  bool bComma = false;

  static xClassFlags mCapture();
  void mApply() const;
};

}  // namespace cvn::tool
