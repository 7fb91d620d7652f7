// Fuzz target: scales and units. Runs mFindNiceScale, mNumTimesInRange,
// mNormToCorvaneTime, mFindUnitOfTime (and through both mGetTimeDiff), the
// two tick generators and every CmTimeUnit validator with arbitrary times,
// tick counts, unit codes, increments and value vectors.
//
// Invariants:
// - every call ends (libFuzzer's timeout) and no generator keeps more than
//   its bound of ticks;
// - ticks ascend strictly and none lies before the lowest time allowed;
//   scale ends that are asked for enclose the ticks, others stay unwritten;
// - counts are never negative; unit results are part kinds 0..15 and spans
//   are finite and not negative;
// - the catalogue's predicates agree with the list of unit codes, the
//   factor lists have their lengths, a validator that passes leaves its
//   message as it was (mValidateUnits: empty) and one that fails writes one;
// - mAssert reports only where a unit has no rule (a format without parts,
//   a unit outside 1..15, a generator code without a rule, packed words of
//   kind 0 or with a reserved word).
//
// Input: a setup byte (format), then operations: an operation byte followed
// by the values it takes.

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "CmTimeUnit.h"
#include "fuzz/fuzz_access.h"
#include "fuzz/fuzz_common.h"

namespace {

using cvn::fuzz::mFail;
using cvn::fuzz::mShow;
using Access = CmTimeClsTestAccess;

const wchar_t* const kFormats[] = {
    L"m/d/yy",       L"m/d/yyyy h:mm:ss", L"mmmm d, yyyy", L"yyyyQq",       L"wwWk yyyy",
    L"yyyy",         L"mmm yyyy",         L"h:mm",         L"hh:mm:ss.sss", L"[h]:mm:ss",
    L"d/m/yy hh:mm", L"yyyymmdd",         L"ss.ss",        L"dd.mm.yyyy hh:mm:ss.s",
    L"qQ yyyy",      L"mm",               L"d",            L"h:mm:ss am/pm",
};
constexpr int kNumFormats = sizeof kFormats / sizeof kFormats[0];
constexpr size_t kMaxTicks = 100000;  // the generators' documented bound

const std::set<int> kCodes = {1, 2, 3, 4, 6, 7, 8, 12, 14, 16, 24, 32, 48, 64, 80, 88, 96, 112, 128};
const std::set<int> kClockCodes = {1, 2, 3, 4, 6, 7, 12, 14};

std::string mNum(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

int mTakeCount(FuzzedDataProvider& fdp) {
  // Mostly axis-sized counts; rarely large ones, which the generators must
  // bound (they are slow, so rare).
  const uint8_t k = fdp.ConsumeIntegral<uint8_t>();
  if (k < 240) return fdp.ConsumeIntegralInRange<int>(-3, 60);
  if (k < 255) return fdp.ConsumeIntegralInRange<int>(-1000, 3000);
  return fdp.ConsumeIntegral<int>();
}

int mTakeCode(FuzzedDataProvider& fdp) {
  const uint8_t k = fdp.ConsumeIntegral<uint8_t>();
  if (k < 230) return fdp.ConsumeIntegralInRange<int>(0, 255);
  return fdp.ConsumeIntegral<int>();
}

// Not instrumented for coverage: it walks every tick and gives libFuzzer
// nothing to learn from, while costing a fifth of the run time.
__attribute__((no_sanitize("coverage"))) void mCheckAscending(const std::vector<double>& ticks,
                                                               double lowest,
                                                               const std::string& context) {
  if (ticks.size() > kMaxTicks) mFail("more ticks than the bound", context);
  for (size_t i = 0; i < ticks.size(); ++i) {
    if (!std::isfinite(ticks[i]) || mIsNumericMissing(ticks[i])) {
      mFail("tick is not a finite time", context + " tick " + mNum(ticks[i]));
    }
    if (ticks[i] < lowest) mFail("tick before the lowest time", context + " tick " + mNum(ticks[i]));
    if (i > 0 && !(ticks[i - 1] < ticks[i])) {
      mFail("ticks do not ascend", context + " ticks " + mNum(ticks[i - 1]) + " " + mNum(ticks[i]));
    }
  }
}

bool mHasRule(int unit) { return unit >= xYear && unit <= xThousandth; }

void mNiceScale(CmTimeCls& t, FuzzedDataProvider& fdp, const std::string& context) {
  const double dMin = cvn::fuzz::mTakeDouble(fdp);
  // Widths from a millisecond to about ten years, evenly on a log scale (a
  // wide range in a fine unit saturates the unit count and makes thousands
  // of ticks, which is slow, so it is not the common case).
  const double dMax =
      fdp.ConsumeBool()
          ? dMin + std::pow(10.0, fdp.ConsumeFloatingPointInRange<double>(-8.0, 3.6))
          : cvn::fuzz::mTakeDouble(fdp);
  const int iMinTicks = mTakeCount(fdp);
  const int iMaxTicks = mTakeCount(fdp);
  const bool bSetMin = fdp.ConsumeBool();
  const bool bSetMax = fdp.ConsumeBool();
  const int iPartsBefore = Access::mNumParts(t);
  double dScaleMin = 1234.5;
  double dScaleMax = -1234.5;
  std::vector<double> vTicks = {1.0, 2.0};
  t.mFindNiceScale(dMin, dMax, iMinTicks, iMaxTicks, bSetMin, bSetMax, &dScaleMin, &dScaleMax, vTicks);
  const std::string sDetail = context + "nice scale " + mNum(dMin) + " .. " + mNum(dMax) +
                              " ticks " + std::to_string(iMinTicks) + ".." +
                              std::to_string(iMaxTicks) + " gives " +
                              std::to_string(vTicks.size()) + " ticks\n";
  mCheckAscending(vTicks, -1e300, sDetail);
  if (!bSetMin && dScaleMin != 1234.5) mFail("scale minimum written unasked", sDetail);
  if (!bSetMax && dScaleMax != -1234.5) mFail("scale maximum written unasked", sDetail);
  if (bSetMin && (!std::isfinite(dScaleMin) || (!vTicks.empty() && dScaleMin > vTicks.front()))) {
    mFail("scale minimum after the first tick", sDetail + mNum(dScaleMin));
  }
  if (bSetMax && (!std::isfinite(dScaleMax) || (!vTicks.empty() && dScaleMax < vTicks.back()))) {
    mFail("scale maximum before the last tick", sDetail + mNum(dScaleMax));
  }
  if (bSetMin && bSetMax && dScaleMin > dScaleMax) mFail("scale ends reversed", sDetail);
  if (Access::mNumParts(t) > iPartsBefore || Access::mNumParts(t) < 0) {
    mFail("part list grew", sDetail);
  }
  // A format without parts has no unit, which is reported.
  if (cvn::fuzz::mReports().iCount != 0 && iPartsBefore != 0) {
    cvn::fuzz::mExpectNoReport(sDetail);
  }
  cvn::fuzz::mResetReports();
}

void mRangeAndNorm(const CmTimeCls& t, FuzzedDataProvider& fdp, const std::string& context) {
  const double dStart = cvn::fuzz::mTakeDouble(fdp);
  const double dEnd = fdp.ConsumeBool() ? dStart + fdp.ConsumeFloatingPointInRange<double>(-10.0, 5000.0)
                                        : cvn::fuzz::mTakeDouble(fdp);
  const double dIncrement = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-2, 40)
                                              : cvn::fuzz::mTakeDouble(fdp);
  const int iUnit = fdp.ConsumeIntegralInRange<int>(-1, 17);
  const int n = t.mNumTimesInRange(dStart, dEnd, dIncrement, static_cast<xTimePartsEnum>(iUnit));
  const std::string sDetail = context + "range " + mNum(dStart) + " .. " + mNum(dEnd) + " by " +
                              mNum(dIncrement) + " unit " + std::to_string(iUnit) + " count " +
                              std::to_string(n) + "\n";
  if (n < 0) mFail("negative count", sDetail);
  const double dCount = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-100, 100)
                                          : cvn::fuzz::mTakeDouble(fdp);
  double r = 42.0;
  t.mNormToCorvaneTime(dCount, static_cast<xTimePartsEnum>(iUnit), dStart, &r);
  if (!std::isfinite(r) && !mIsNumericMissing(r)) {
    mFail("stepped time is neither finite nor missing", sDetail + "norm " + mNum(dCount) + " -> " + mNum(r));
  }
  if (cvn::fuzz::mReports().iCount != 0 && mHasRule(iUnit)) cvn::fuzz::mExpectNoReport(sDetail);
  cvn::fuzz::mResetReports();
}

void mUnitOfTime(CmTimeCls& t, FuzzedDataProvider& fdp, const std::string& context) {
  std::vector<double> vTimes;
  const size_t uCount = fdp.ConsumeIntegralInRange<size_t>(0, 8);
  for (size_t i = 0; i < uCount; ++i) {
    vTimes.push_back(fdp.ConsumeBool() ? 36526.0 + fdp.ConsumeIntegralInRange<int>(-400, 400) +
                                             fdp.ConsumeIntegralInRange<int>(0, 86399) / 86400.0
                                       : cvn::fuzz::mTakeDouble(fdp));
  }
  std::vector<unsigned> vWords;
  bool bFromFormat = fdp.ConsumeBool();
  if (bFromFormat) {
    CmTimeCls u = t;
    u.mSetFormat(kFormats[fdp.ConsumeIntegralInRange<int>(0, kNumFormats - 1)]);
    u.mPackFormat(vWords);
  } else {
    const size_t uWords = fdp.ConsumeIntegralInRange<size_t>(0, 5);
    for (size_t i = 0; i < uWords; ++i) vWords.push_back(fdp.ConsumeIntegral<unsigned>());
  }
  double dMinimum = 99.0;
  double dSpan = -99.0;
  const int iPassed = fdp.ConsumeBool() ? static_cast<int>(vTimes.size())
                                        : fdp.ConsumeIntegralInRange<int>(-2, static_cast<int>(vTimes.size()));
  const xTimePartsEnum e =
      t.mFindUnitOfTime(vTimes.empty() ? nullptr : vTimes.data(), iPassed, vWords, &dMinimum, &dSpan);
  std::string sDetail = context + "unit of time over";
  for (double v : vTimes) sDetail += " " + mNum(v);
  sDetail += " (" + std::to_string(iPassed) + " passed) gives " + std::to_string(e) +
             " minimum " + mNum(dMinimum) + " span " + mNum(dSpan) + "\n";
  if (e < xNoPart || e > xThousandth) mFail("unit of time out of range", sDetail);
  if (!std::isfinite(dSpan) || dSpan < 0) mFail("span negative or not finite", sDetail);
  bool bFound = dMinimum == 0.0;
  for (int i = 0; i < iPassed && i < static_cast<int>(vTimes.size()); ++i) bFound |= vTimes[static_cast<size_t>(i)] == dMinimum;
  if (!bFound) mFail("minimum is none of the times", sDetail);
  if (bFromFormat && cvn::fuzz::mReports().iCount != 0) cvn::fuzz::mExpectNoReport(sDetail);
  cvn::fuzz::mResetReports();
}

void mGenerators(const CmTimeCls& t, FuzzedDataProvider& fdp, const std::string& context) {
  const bool bDayMonth = fdp.ConsumeBool();
  const int iCode = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(0, 130) : mTakeCode(fdp);
  std::vector<int> vIncrements;
  const size_t uIncrements = fdp.ConsumeIntegralInRange<size_t>(0, 4);
  for (size_t i = 0; i < uIncrements; ++i) {
    vIncrements.push_back(fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-2, 70)
                                            : fdp.ConsumeIntegral<int>());
  }
  const double dStart = fdp.ConsumeBool() ? 36526.0 + fdp.ConsumeIntegralInRange<int>(-40000, 40000)
                                          : cvn::fuzz::mTakeDouble(fdp);
  const double dLowest = fdp.ConsumeBool() ? dStart + fdp.ConsumeIntegralInRange<int>(-10, 100)
                                           : cvn::fuzz::mTakeDouble(fdp);
  const int iDay = fdp.ConsumeIntegralInRange<int>(-1, 33);
  // Mostly short tick lists; sometimes a count the generators must bound.
  const int iCount = fdp.ConsumeIntegralInRange<uint8_t>(0, 255) < 255
                         ? fdp.ConsumeIntegralInRange<int>(-2, 300)
                         : fdp.ConsumeIntegral<int>();
  std::vector<double> vTicks = {5.0};
  std::string sDetail = context + (bDayMonth ? "day-month" : "new times") + " code " +
                        std::to_string(iCode) + " increments";
  for (int i : vIncrements) sDetail += " " + std::to_string(i);
  sDetail += " start " + mNum(dStart) + " lowest " + mNum(dLowest) + " day " +
             std::to_string(iDay) + " count " + std::to_string(iCount) + "\n";
  if (bDayMonth) {
    t.mGenerateSpecialDayMonthTimes(iCode, vIncrements, dStart, dLowest, iDay, iCount, vTicks);
  } else {
    t.mGenerateNewTimes(iCode, vIncrements, dStart, dLowest, iCount, vTicks);
  }
  if (static_cast<long long>(vTicks.size()) > (iCount < 0 ? 0 : iCount)) mFail("more ticks than asked for", sDetail);
  mCheckAscending(vTicks, dLowest, sDetail);
  const bool bRuled = iCode == 8 || iCode == 16 || iCode == 64 || iCode == 24 || iCode == 88;
  if (cvn::fuzz::mReports().iCount != 0 && (!bDayMonth || bRuled)) cvn::fuzz::mExpectNoReport(sDetail);
  cvn::fuzz::mResetReports();
}

void mCatalogue(FuzzedDataProvider& fdp, const std::string& context) {
  CmTimeUnit* pUnits = CmTimeUnit::mInstance();
  const int iCode = mTakeCode(fdp);
  const std::string sDetail = context + "code " + std::to_string(iCode) + "\n";
  const bool bKnown = kCodes.count(iCode) != 0;
  if (pUnits->mFind(iCode) != bKnown) mFail("mFind disagrees with the unit codes", sDetail);
  if (pUnits->mValidCalenderClockCombination(iCode) != (bKnown && iCode != 128)) {
    mFail("calendar-clock combination disagrees", sDetail);
  }
  if (pUnits->mValidClockCombination(iCode) != (kClockCodes.count(iCode) != 0)) {
    mFail("clock combination disagrees", sDetail);
  }

  // Factor lists: lengths per part and per code.
  const int iMultiplier = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-5, 100)
                                            : fdp.ConsumeIntegral<int>();
  const int iPart = fdp.ConsumeIntegralInRange<int>(-1, 16);
  static const size_t kPartLengths[16] = {0, 7, 3, 3, 6, 6, 6, 5, 5, 8, 8, 12, 12, 8, 0, 15};
  std::vector<int> vOut = {7};
  if (!pUnits->mGetTimeUnitFactors(static_cast<xTimePartsEnum>(iPart), vOut, iMultiplier)) {
    mFail("factors by part returned false", sDetail);
  }
  const size_t uWant = iPart >= 0 && iPart <= 15 ? kPartLengths[iPart] : 0;
  if (vOut.size() != 1 + uWant) mFail("factor list of a part has a wrong length", sDetail + "part " + std::to_string(iPart));
  const bool bPartReport = iPart == xTenth || iPart < xYear || iPart > xThousandth;
  if ((cvn::fuzz::mReports().iCount != 0) != bPartReport) {
    mFail("factor-list report missing or unexpected", sDetail + "part " + std::to_string(iPart));
  }
  cvn::fuzz::mResetReports();
  std::vector<int> vCode;
  pUnits->mGetTimeUnitFactors(iCode, vCode, iMultiplier);
  static const size_t kBitLengths[8] = {12, 12, 8, 8, 6, 3, 1, 0};
  size_t uCodeWant = 0;
  for (int b = 0; b < 8; ++b) {
    if ((static_cast<unsigned>(iCode) >> b) & 1u) uCodeWant += kBitLengths[b];
  }
  if (vCode.size() != uCodeWant) mFail("factor list of a code has a wrong length", sDetail);

  // Validators.
  std::vector<int> vValues;
  const size_t uValues = fdp.ConsumeIntegralInRange<size_t>(0, 12);
  for (size_t i = 0; i < uValues; ++i) {
    vValues.push_back(fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-2, 4100) : fdp.ConsumeIntegral<int>());
  }
  bool bMismatch = true;
  CmString sMessage(L"before");
  const bool bNoVector = fdp.ConsumeBool();
  const bool bUnits =
      pUnits->mValidateUnits(iCode, bNoVector ? nullptr : &vValues, &bMismatch, sMessage);
  if (bUnits && (!sMessage.empty() || bMismatch)) mFail("passing mValidateUnits left a message or mismatch", sDetail);
  // No vector, or a code without unit bits, is refused without a message.
  if (!bUnits && sMessage.empty() && !bNoVector && (iCode & 0xFF) != 0) {
    mFail("failing mValidateUnits wrote no message", sDetail);
  }
  if (bMismatch && bUnits) mFail("quarter mismatch on success", sDetail);

  const int iIncrement = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-3, 200) : fdp.ConsumeIntegral<int>();
  const int iTick = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-3, 2000) : fdp.ConsumeIntegral<int>();
  const int iStart = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<int>(-3, 4100) : fdp.ConsumeIntegral<int>();
  CmString sIncrement(L"before");
  const bool bIncrement = pUnits->mValidateIncrement(iIncrement, iCode, sIncrement);
  if (bIncrement != (sIncrement.str() == L"before")) mFail("mValidateIncrement message disagrees with its result", sDetail);
  CmString sTick(L"before");
  pUnits->mValidateTickIncrement(iTick, iIncrement, iCode, sTick);
  CmString sStart(L"before");
  const bool bStart = pUnits->mValidateTickStart(iStart, iCode, sStart);
  if (bStart != (sStart.str() == L"before")) mFail("mValidateTickStart message disagrees with its result", sDetail);
  cvn::fuzz::mExpectNoReport(sDetail + "validators");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider fdp(data, size);
  cvn::fuzz::mResetReports();
  const uint8_t uSetup = fdp.ConsumeIntegral<uint8_t>();
  CmTimeCls t = cvn::fuzz::mEnterWorld(uSetup % 2, L'.', L'.');
  const int iFormat = fdp.ConsumeIntegralInRange<int>(0, kNumFormats + 1);
  if (iFormat < kNumFormats) {
    t.mSetFormat(kFormats[iFormat]);
  } else if (iFormat == kNumFormats) {
    std::vector<unsigned> vWords;
    for (int i = 0; i < 3; ++i) vWords.push_back(fdp.ConsumeIntegral<unsigned>());
    t.mUnpackFormat(vWords);  // any parts, hundredths and tenths included
    cvn::fuzz::mResetReports();
  }
  const std::string sContext = "format \"" + mShow(t.mGetDateTimeFmt().str()) + "\" " +
                               Access::mState(t).mDescribe() + "\n";
  for (int iOp = 0; iOp < 4 && fdp.remaining_bytes() > 0; ++iOp) {
    switch (fdp.ConsumeIntegral<uint8_t>() % 5) {
      case 0: {
        CmTimeCls u = t;
        mNiceScale(u, fdp, sContext);
        break;
      }
      case 1: mRangeAndNorm(t, fdp, sContext); break;
      case 2: {
        CmTimeCls u = t;
        mUnitOfTime(u, fdp, sContext);
        break;
      }
      case 3: mGenerators(t, fdp, sContext); break;
      default: mCatalogue(fdp, sContext); break;
    }
  }
  return 0;
}
