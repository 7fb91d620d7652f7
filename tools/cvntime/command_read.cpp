// cvntime read / write / convert: columns of text and values, streamed.

#include <string>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "tools/cvntime/commands.h"
#include "tools/cvntime/text_io.h"
#include "tools/cvntime/utf8.h"
#include "tools/cvntime/values.h"

namespace cvn::tool {

int mRunRead(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs("read", args, {{"--format", 1}, {"--show-format", 0}, {"--reset", 0}},
                         &parsed, &sError)) {
    return mUsageError(sError);
  }
  CmTimeCls time;
  // The format is set once; a successful read then leaves the format that
  // matches what was typed, and the next text is tried under that first.
  // With --reset every text starts again from the first format instead, so
  // that each is read on its own, whatever came before it.
  if (const auto sFormat = parsed.mValue("--format")) {
    if (!mSetFormatOption(time, *sFormat, "--format", &sError)) return mUsageError(sError);
  }
  const bool bShowFormat = parsed.mHas("--show-format");
  const bool bReset = parsed.mHas("--reset");
  const CmString sStartFormat = time.mGetDateTimeFmt();

  CmOutput out(stdout);
  long long iTotal = 0;
  long long iFailed = 0;
  std::wstring sText;
  CmString sFormat;
  mForEachText(parsed.vsPositional, [&](std::string_view text) {
    sText = mUtf8ToWide(text);
    double dValue = 0.0;
    ++iTotal;
    if (bReset) time.mSetFormat(sStartFormat.c_str());
    if (!time.mStrToCorvaneTime(sText.c_str(), &dValue)) ++iFailed;
    out.mPutValue(dValue);
    if (bShowFormat) {
      int iWidth = 0;
      bool bHasDate = false;
      bool bHasTime = false;
      time.mGetFormat(sFormat, &iWidth, &bHasDate, &bHasTime);
      out.mPut('\t');
      out.mPutWide(sFormat);
    }
    out.mEndLine();
  });
  if (!out.mFlush()) return mOutputError();
  return mReportUnread(iFailed, iTotal, "texts");
}

int mRunWrite(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs("write", args, {{"--format", 1}, {"--day-number", 0}}, &parsed, &sError)) {
    return mUsageError(sError);
  }
  CmTimeCls time;
  if (const auto sFormat = parsed.mValue("--format")) {
    if (!mSetFormatOption(time, *sFormat, "--format", &sError)) return mUsageError(sError);
  }
  const bool bDayNumber = parsed.mHas("--day-number");
  const double dMissing = CmCVNConst::mInstance()->mGetMissingValueCode();

  CmOutput out(stdout);
  long long iTotal = 0;
  long long iFailed = 0;
  CmString sText;
  mForEachText(parsed.vsPositional, [&](std::string_view text) {
    double dValue = dMissing;
    ++iTotal;
    if (!mParseValue(text, &dValue)) {
      ++iFailed;
      dValue = dMissing;
    }
    time.mCorvaneTimeToStr(dValue, bDayNumber, sText, 0);
    out.mPutWide(sText);
    out.mEndLine();
  });
  if (!out.mFlush()) return mOutputError();
  return mReportUnread(iFailed, iTotal, "values");
}

int mRunConvert(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs("convert", args,
                         {{"--from", 1}, {"--to", 1}, {"--day-number", 0}, {"--reset", 0}}, &parsed,
                         &sError)) {
    return mUsageError(sError);
  }
  if (!parsed.vsPositional.empty()) {
    return mUsageError("'convert' reads standard input and takes no texts ('" +
                       parsed.vsPositional.front() + "')");
  }
  const auto sTo = parsed.mValue("--to");
  if (!sTo) return mUsageError("'convert' needs --to FORMAT");
  CmTimeCls reader;
  CmTimeCls writer;
  if (const auto sFrom = parsed.mValue("--from")) {
    if (!mSetFormatOption(reader, *sFrom, "--from", &sError)) return mUsageError(sError);
  }
  xClassFlags readerFlags = xClassFlags::mCapture();
  const CmString sStartFormat = reader.mGetDateTimeFmt();
  const bool bReset = parsed.mHas("--reset");
  if (!mSetFormatOption(writer, *sTo, "--to", &sError)) return mUsageError(sError);
  const xClassFlags writerFlags = xClassFlags::mCapture();
  const bool bDayNumber = parsed.mHas("--day-number");

  CmOutput out(stdout);
  long long iTotal = 0;
  long long iFailed = 0;
  std::wstring sText;
  CmString sOut;
  mForEachText({}, [&](std::string_view text) {
    sText = mUtf8ToWide(text);
    double dValue = 0.0;
    ++iTotal;
    readerFlags.mApply();
    if (bReset) reader.mSetFormat(sStartFormat.c_str());
    if (!reader.mStrToCorvaneTime(sText.c_str(), &dValue)) ++iFailed;
    readerFlags = xClassFlags::mCapture();
    writerFlags.mApply();
    writer.mCorvaneTimeToStr(dValue, bDayNumber, sOut, 0);
    out.mPutWide(sOut);
    out.mEndLine();
  });
  if (!out.mFlush()) return mOutputError();
  return mReportUnread(iFailed, iTotal, "texts");
}

}  // namespace cvn::tool
