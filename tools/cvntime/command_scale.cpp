// cvntime scale: the nice time scale of a data range, with its unit,
// increment, ends and ticks, as values and as text under the format that
// the scale leaves for tick labels.

#include <string>
#include <vector>

#include "CmTimeCls.h"
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

}  // namespace

int mRunScale(const std::vector<std::string>& args) {
  xCommandArgs parsed;
  std::string sError;
  if (!mParseCommandArgs("scale", args, {{"--ticks", 2}, {"--format", 1}}, &parsed, &sError)) {
    return mUsageError(sError);
  }
  if (parsed.vsPositional.size() != 2) {
    return mUsageError("'scale' needs exactly two values, MIN and MAX");
  }
  int iMinTicks = kDefaultMinTicks;
  int iMaxTicks = kDefaultMaxTicks;
  if (parsed.mHas("--ticks")) {
    const std::vector<std::string>& vsTicks = parsed.mapOptions.at("--ticks");
    if (!mParseInt(vsTicks[0], 1, kMaxTicks, &iMinTicks) ||
        !mParseInt(vsTicks[1], iMinTicks, kMaxTicks, &iMaxTicks)) {
      return mUsageError("--ticks needs two whole numbers LO <= HI from 1 to " +
                         std::to_string(kMaxTicks));
    }
  }
  CmTimeCls time;
  double dMin = 0.0;
  double dMax = 0.0;
  if (!mReadEnd(time, parsed.vsPositional[0], "MIN", &dMin, &sError) ||
      !mReadEnd(time, parsed.vsPositional[1], "MAX", &dMax, &sError)) {
    return mUsageError(sError);
  }
  if (const auto sFormat = parsed.mValue("--format")) {
    if (!mSetFormatOption(time, *sFormat, "--format", &sError)) return mUsageError(sError);
  }

  const xScalePlan plan = mPlanScale(time, dMin, dMax, iMinTicks, iMaxTicks);
  if (plan.eUnit == xNoPart) return mUsageError("the format has no parts to scale by");
  double dScaleMin = dMin;
  double dScaleMax = dMax;
  std::vector<double> vdTicks;
  time.mFindNiceScale(dMin, dMax, iMinTicks, iMaxTicks, true, true, &dScaleMin, &dScaleMax,
                      vdTicks);

  CmOutput out(stdout);
  CmString sFormat;
  int iWidth = 0;
  bool bHasDate = false;
  bool bHasTime = false;
  time.mGetFormat(sFormat, &iWidth, &bHasDate, &bHasTime);
  out.mPut("unit\t");
  out.mPut(mUnitName(plan.eUnit));
  out.mPut("\nincrement\t");
  out.mPut(std::to_string(plan.iIncrement));
  out.mPut("\nformat\t");
  out.mPutWide(sFormat);
  out.mEndLine();
  mPutValueAndText(out, time, "minimum", dScaleMin);
  mPutValueAndText(out, time, "maximum", dScaleMax);
  for (const double dTick : vdTicks) mPutValueAndText(out, time, "tick", dTick);
  if (!out.mFlush()) return mOutputError();
  return kExitOk;
}

}  // namespace cvn::tool
