// cvntime scale: the nice time scale of a data range, with its unit,
// increment, ends and ticks, as values and as text under the format that
// the scale leaves for tick labels.

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "CmTimeCls.h"
#include "CmTimeScale.h"
#include "tools/cvntime/commands.h"
#include "tools/cvntime/scale_plan.h"
#include "tools/cvntime/text_io.h"
#include "tools/cvntime/utf8.h"
#include "tools/cvntime/values.h"

namespace cvn::tool {

namespace {

// More ticks than this are no axis; the cap also bounds the work and memory.
constexpr int kMaxTicks = 1000;
constexpr int kDefaultMinTicks = 4;
constexpr int kDefaultMaxTicks = 8;

// A scale end: a plain number is a Corvane time, any other text is read as
// a date or time (the object's format then follows it). It must be a time in
// the years the library shows.
bool mReadEnd(CmTimeCls& time, const std::string& text, const char* name, double* value,
              std::string* error) {
  double dValue = 0.0;
  if (!mParseValue(text, &dValue)) {
    const std::wstring sText = mUtf8ToWide(text);
    if (!time.mStrToCorvaneTime(sText.c_str(), &dValue)) {
      *error = std::string(name) + " '" + text + "' is neither a number nor a readable time";
      return false;
    }
  }
  if (!time.mValidCorvaneTime(dValue)) {
    *error = std::string(name) + " '" + text + "' is not a time in the years 1000 to 4000";
    return false;
  }
  *value = dValue;
  return true;
}

void mPutValueAndText(CmOutput& out, const CmTimeCls& time, const char* key, double value) {
  CmString sText;
  time.mCorvaneTimeToStr(value, false, sText, 0);
  out.mPut(key);
  out.mPut('\t');
  out.mPutValue(value);
  out.mPut('\t');
  out.mPutWide(sText);
  out.mEndLine();
}

// Reads --mode and --ends into the options.
bool mReadModeAndEnds(const xCommandArgs& parsed, xTimeScaleOptions* options, std::string* error) {
  if (const auto sMode = parsed.mValue("--mode")) {
    if (*sMode != "nice" && *sMode != "default") {
      *error = "--mode must be nice or default";
      return false;
    }
    options->eMode = *sMode == "nice" ? eTickModeNice : eTickModeDefault;
  }
  if (const auto sEnds = parsed.mValue("--ends")) {
    const std::pair<const char*, eTimeScaleEnds> kEnds[] = {
        {"padded", eScaleEndsPadded}, {"nice", eScaleEndsNice}, {"data", eScaleEndsData}};
    const auto it = std::find_if(std::begin(kEnds), std::end(kEnds),
                                 [&](const auto& e) { return *sEnds == e.first; });
    if (it == std::end(kEnds)) {
      *error = "--ends must be padded, nice or data";
      return false;
    }
    if (options->eMode != eTickModeNice && it->second != eScaleEndsPadded) {
      *error = "--ends nice and data need --mode nice";
      return false;
    }
    options->eEnds = it->second;
  }
  return true;
}

}  // namespace

int mRunScale(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs("scale", args,
                         {{"--ticks", 2}, {"--format", 1}, {"--mode", 1}, {"--ends", 1}}, &parsed,
                         &sError)) {
    return mUsageError(sError);
  }
  if (parsed.vsPositional.size() != 2) {
    return mUsageError("'scale' needs exactly two values, MIN and MAX");
  }
  xTimeScaleOptions options;
  options.iMinTicks = kDefaultMinTicks;
  options.iMaxTicks = kDefaultMaxTicks;
  if (parsed.mHas("--ticks")) {
    const std::vector<std::string>& vsTicks = parsed.mapOptions.at("--ticks");
    if (!mParseInt(vsTicks[0], 1, kMaxTicks, &options.iMinTicks) ||
        !mParseInt(vsTicks[1], options.iMinTicks, kMaxTicks, &options.iMaxTicks)) {
      return mUsageError("--ticks needs two whole numbers LO <= HI from 1 to " +
                         std::to_string(kMaxTicks));
    }
  }
  if (!mReadModeAndEnds(parsed, &options, &sError)) return mUsageError(sError);
  CmTimeCls time;
  double dMin = 0.0;
  double dMax = 0.0;
  if (!mReadEnd(time, parsed.vsPositional[0], "MIN", &dMin, &sError) ||
      !mReadEnd(time, parsed.vsPositional[1], "MAX", &dMax, &sError)) {
    return mUsageError(sError);
  }
  if (dMax < dMin) {
    return mUsageError("MAX '" + parsed.vsPositional[1] + "' is before MIN '" +
                       parsed.vsPositional[0] + "'");
  }
  if (const auto sFormat = parsed.mValue("--format")) {
    if (!mSetFormatOption(time, *sFormat, "--format", &sError)) return mUsageError(sError);
  }

  xTimeScaleResult scale;
  if (!mFindTimeScale(time, dMin, dMax, options, &scale)) {
    return mUsageError("the format has no parts to scale by");
  }
  // The nice mode labels the ticks with the format it found for them.
  if (options.eMode == eTickModeNice) time.mSetFormat(scale.sLabelFormat.c_str());

  CmOutput out(stdout);
  out.mPut("unit\t");
  out.mPut(mUnitName(scale.eUnit));
  out.mPut("\nincrement\t");
  out.mPut(std::to_string(scale.iStep));
  out.mPut("\nformat\t");
  out.mPutWide(scale.sLabelFormat);
  out.mEndLine();
  if (options.eMode == eTickModeNice) {
    // Said only in the nice mode, whose output may carry it.
    out.mPut(scale.bWindowMet ? "window\tmet" : "window\tmissed");
    out.mEndLine();
    if (!scale.bLabelsDistinct) {
      out.mPut("labels\trepeat");
      out.mEndLine();
    }
  }
  mPutValueAndText(out, time, "minimum", scale.dMin);
  mPutValueAndText(out, time, "maximum", scale.dMax);
  for (const double dTick : scale.vTicks) mPutValueAndText(out, time, "tick", dTick);
  if (!out.mFlush()) return mOutputError();
  return kExitOk;
}

}  // namespace cvn::tool
