// cvntime formats and cvntime now.

#include <string>

#include "CmTimeCls.h"
#include "tools/cvntime/commands.h"
#include "tools/cvntime/text_io.h"

namespace cvn::tool {

int mRunFormats(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs("formats", args, {{"--class", 1}}, &parsed, &sError)) {
    return mUsageError(sError);
  }
  if (!parsed.vsPositional.empty()) {
    return mUsageError("'formats' takes no values ('" + parsed.vsPositional.front() + "')");
  }
  CmTimeCls time;
  CmOutput out(stdout);
  if (const auto sClass = parsed.mValue("--class")) {
    eFormatType eType = eDateFormat;
    if (*sClass == "date") {
      eType = eDateFormat;
    } else if (*sClass == "time") {
      eType = eTimeFormat;
    } else if (*sClass == "datetime") {
      eType = eDateTimeFormat;
    } else {
      return mUsageError("--class must be date, time or datetime, not '" + *sClass + "'");
    }
    CmString sFormat;
    time.mInitLoop(eType);
    while (time.mNextFormat(eType, sFormat, false)) {
      out.mPutWide(sFormat);
      out.mEndLine();
    }
  } else {
    const int iCount = CmTimeCls::iNumLegalFmts;
    for (int i = 0; i < iCount && static_cast<size_t>(i) < CmTimeCls::m_vsLegalFmts.size(); ++i) {
      out.mPutWide(CmTimeCls::m_vsLegalFmts[static_cast<size_t>(i)]);
      out.mEndLine();
    }
  }
  if (!out.mFlush()) return mOutputError();
  return kExitOk;
}

int mRunNow(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs("now", args, {{"--format", 1}}, &parsed, &sError)) {
    return mUsageError(sError);
  }
  if (!parsed.vsPositional.empty()) {
    return mUsageError("'now' takes no values ('" + parsed.vsPositional.front() + "')");
  }
  CmTimeCls time;
  if (const auto sFormat = parsed.mValue("--format")) {
    if (!mSetFormatOption(time, *sFormat, "--format", &sError)) return mUsageError(sError);
  }
  const double dNow = time.mNow();
  CmString sText;
  time.mCorvaneTimeToStr(dNow, false, sText, 0);
  CmOutput out(stdout);
  out.mPutValue(dNow);
  out.mPut('\t');
  out.mPutWide(sText);
  out.mEndLine();
  if (!out.mFlush()) return mOutputError();
  return kExitOk;
}

}  // namespace cvn::tool
