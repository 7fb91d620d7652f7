// What the commands of the cvntime tool share: error reports, format
// options and the class-wide format flags.

#include <cstdio>

#include "CmTimeCls.h"
#include "tools/cvntime/commands.h"
#include "tools/cvntime/utf8.h"

namespace cvn::tool {

int mUsageError(const std::string& message) {
  std::fprintf(stderr, "cvntime: %s (see 'cvntime --help')\n", message.c_str());
  return kExitUsage;
}

int mReportUnread(long long failed, long long total, const char* what) {
  if (failed <= 0) return kExitOk;
  std::fprintf(stderr, "cvntime: %lld of %lld %s could not be read\n", failed, total, what);
  return kExitUnread;
}

int mOutputError() {
  std::fprintf(stderr, "cvntime: the output could not be written\n");
  return kExitUnread;
}

bool mSetFormatOption(CmTimeCls& time, const std::string& format, const char* option,
                      std::string* error) {
  const std::wstring sFormat = mUtf8ToWide(format);
  if (!time.mSetFormat(sFormat.c_str())) {
    *error = "'" + format + "' given to " + option + " is not a legal format";
    return false;
  }
  return true;
}

xClassFlags xClassFlags::mCapture() {
  return xClassFlags{CmTimeCls::m_bElapsedTimeFlag, CmTimeCls::m_bFmtHasComma};
}

void xClassFlags::mApply() const {
  CmTimeCls::m_bElapsedTimeFlag = bElapsed;
  CmTimeCls::m_bFmtHasComma = bComma;
}

}  // namespace cvn::tool
