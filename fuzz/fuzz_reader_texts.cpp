// Fuzz target: reader texts. Runs mStrToCorvaneTime under a rotating set of
// current formats (date, time, date-time, elapsed, quarter, week, compact,
// 12-hour, comma decimal, the regional start state, or a fuzzed format),
// mValidateDTRange and mParseDeltaTime.
//
// Invariants:
// - the value is the missing-value code exactly when the read gave no time:
//   text that is empty, blanks or "*" gives the code and true; a refused
//   text gives the code and false; a read text gives a finite value that is
//   time in the years 0 to 4000 (a year token is bounded above only), or,
//   under an elapsed format, any finite value;
// - a failed read leaves the format text exactly as before (and the whole
//   format when it was consistent with its text);
// - after any read the current format is what setting its own text gives;
// - an absolute value read and written under the format the read left is
//   read back as the same value;
// - a range that validates lies within its bounds and does not run
//   backwards; a delta time that parses has every field in its range;
// - the steady read gives and leaves what the trial of the formats gives and
//   leaves, and the month-name lookup finds what comparing every entry finds;
// - no mAssert report.
//
// Input: a setup byte (settings, start format), a decimal byte, then
// operations: an operation byte followed by its texts, each up to a newline.

#include <cmath>
#include <string>

#include "fuzz/fuzz_access.h"
#include "fuzz/fuzz_common.h"

namespace {

using cvn::fuzz::mFail;
using cvn::fuzz::mShow;
using cvn::fuzz::xFormatState;
using Access = CmTimeClsTestAccess;

// The rotating current formats; null keeps the state construction left.
const wchar_t* const kFormats[] = {
    nullptr,
    L"m/d/yyyy",
    L"h:mm:ss",
    L"m/d/yyyy h:mm:ss",
    L"[h]:mm:ss",
    L"[m]:ss",
    L"[s]",
    L"yyyyQq",
    L"qQ yyyy",
    L"wwWk yyyy",
    L"yyyyWkww",
    L"yyyymmdd",
    L"yymmdd",
    L"h:mm:ss am/pm",
    L"h:mm A/P",
    L"m/d/yy h:mm AM/PM",
    L"hh:mm:ss,sss",
    L"[h]:mm:ss,ss",
    L"dd.mm.yyyy hh:mm:ss.sss",
    L"mmmm d, yyyy",
    L"d-mmm-yy",
    L"d mmmm yyyy",
    L"mmm yyyy",
    L"[h]:mm:ss.sss",
    L"yyyy-mm-dd hh:mm",
    L"d/m/yy h:mm:ss",
    L"hh:mm",
    L"[h]",
};
constexpr int kNumFormats = sizeof kFormats / sizeof kFormats[0];
constexpr int kFuzzedFormat = kNumFormats;  // the format comes from the input

bool mIsNoValue(const std::wstring& text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && (text[b] == L' ' || text[b] == L'\t')) ++b;
  while (e > b && (text[e - 1] == L' ' || text[e - 1] == L'\t')) --e;
  return b == e || (e - b == 1 && text[b] == L'*');
}

// The state setting the object's own text again gives, without disturbing
// the object or the class-wide flags.
bool mIsConsistent(const CmTimeCls& t) {
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const bool bComma = CmTimeCls::m_bFmtHasComma;
  CmTimeCls s = t;
  const std::wstring sText = s.mGetDateTimeFmt().str();
  const bool bSet = s.mSetFormat(sText.c_str());
  xFormatState a = Access::mState(t);
  xFormatState b = Access::mState(s);
  CmTimeCls::m_bElapsedTimeFlag = bElapsed;
  CmTimeCls::m_bFmtHasComma = bComma;
  // The designator style speaks only for a 12-hour format.
  if (a.b24Hour) a.iAMPMFormat = 0;
  if (b.b24Hour) b.iAMPMFormat = 0;
  return bSet && a == b;
}

bool mHasWeekPart(const CmTimeCls& t) {
  for (int i = 0; i < Access::mNumParts(t) && i < CmTimeCls::kMaxParts; ++i) {
    const xTimePartsEnum e = Access::mPart(t, i).ePart;
    if (e == xWeekLabelFirst || e == xWeekNumberFirst) return true;
  }
  return false;
}

void mCheckRead(CmTimeCls& t, const std::wstring& text, const std::string& context) {
  const xFormatState xBefore = Access::mState(t);
  const bool bConsistentBefore = mIsConsistent(t);
  const bool bElapsedBefore = CmTimeCls::m_bElapsedTimeFlag;
  double v = 12345.0;
  const bool bOk = t.mStrToCorvaneTime(text.c_str(), &v);
  const bool bMissing = mIsNumericMissing(v);
  const std::string sDetail = context + "read \"" + mShow(text) + "\" ok " + std::to_string(bOk) +
                              " value " + std::to_string(v) + "\nbefore: " + xBefore.mDescribe() +
                              "\nafter:  " + Access::mState(t).mDescribe() + "\n";
  if (mIsNoValue(text)) {
    if (!bOk || !bMissing) mFail("text without a value not read as missing", sDetail);
  } else if (!bOk) {
    if (!bMissing) mFail("refused text did not give the missing-value code", sDetail);
    if (Access::mState(t).sText != xBefore.sText)
      mFail("failed read changed the format text", sDetail);
    if (bConsistentBefore && Access::mState(t) != xBefore) {
      mFail("failed read changed the format", sDetail);
    }
  } else {
    if (bMissing) mFail("read text gave the missing-value code", sDetail);
    if (!std::isfinite(v)) mFail("read value is not finite", sDetail);
    // Elapsed: under an elapsed current format, or read by the elapsed
    // default format (which then stays current).
    const bool bElapsedRead =
        Access::mReadElapsed(t) || bElapsedBefore || CmTimeCls::m_bElapsedTimeFlag;
    // A year token is checked against 4000 only, so a four-digit year below
    // 1000 ("0555") is read as it stands: the value lies between 1 January
    // of the year 0 and 31 December 4000.
    if (!bElapsedRead && (v < -693959.0 || v >= 767377.0)) {
      mFail("read value is outside the years 0 to 4000", sDetail);
    }
  }
  if (!mIsConsistent(t)) mFail("format after a read differs from its own text", sDetail);

  // Write what was read, read that back on a copy and write it again: the
  // same text. (The value itself need not come back: a read under a default
  // format may keep a current format that shows less than was typed.) Only
  // when the read kept the format text: a format derived from odd text, such
  // as "yymm" from "555" under "yymmdd", need not read its own output. And
  // only when text is written with the decimal symbol it is read with.
  // Nor under a date format without separators that is not a full compact
  // date ("yymm" writes "2605" and reads a four-digit year from it).
  // Nor under a format of two or more date parts written without a date
  // separator ("MMMD," writes "Dec9"), unless it is a full compact date.
  const cvn::fuzz::xFormatState xNow = Access::mState(t);
  const std::wstring& sNow = xNow.sText;
  const bool bCompactText = sNow.find_first_of(L"/-.,QW ") == std::wstring::npos;
  const bool bFullCompact = bCompactText && sNow.find(L'y') != std::wstring::npos &&
                            sNow.find(L'm') != std::wstring::npos &&
                            sNow.find(L'd') != std::wstring::npos;
  int iDateParts = 0;
  for (const auto& p : xNow.vParts) iDateParts += p.first >= xYear && p.first <= xDay ? 1 : 0;
  const bool bUnseparated = iDateParts >= 2 && xNow.sDateSep.empty() && !bFullCompact;
  // Nor under a 24-hour format of one clock part: a bare number is no time
  // ("H" writes "0", which it does not read).
  const bool bBareNumber = iDateParts == 0 && xNow.vParts.size() < 2 && xNow.b24Hour;
  if (bOk && !bMissing && mGetInputDecimal() == mGetOutputDecimal() && Access::mNumParts(t) > 0 &&
      !bUnseparated && !bBareNumber && Access::mState(t).sText == xBefore.sText &&
      !Access::mReadElapsed(t) && !bElapsedBefore && !CmTimeCls::m_bElapsedTimeFlag &&
      t.mValidCorvaneTime(v) && !mHasWeekPart(t)) {
    CmString sWritten;
    t.mCorvaneTimeToStr(v, false, sWritten, 0);
    CmTimeCls u = t;
    double w = 0.0;
    const bool bBack = u.mStrToCorvaneTime(sWritten.c_str(), &w);
    CmTimeCls::m_bElapsedTimeFlag = false;
    CmTimeCls::m_bFmtHasComma = Access::mState(t).sText.find(L',') != std::wstring::npos;
    CmString sAgain;
    t.mCorvaneTimeToStr(w, false, sAgain, 0);
    if (!bBack || sAgain.str() != sWritten.str()) {
      mFail("text written, read and written again differs",
            sDetail + "written \"" + mShow(sWritten.str()) + "\" read back " +
                std::to_string(bBack) + " " + std::to_string(w) + " written again \"" +
                mShow(sAgain.str()) + "\" under \"" + mShow(t.mGetDateTimeFmt().str()) + "\"");
    }
  }
  cvn::fuzz::mExpectNoReport(sDetail);
}

// The steady read against the full way: the same text read on two copies of
// t, one by mParseAbsTime (which takes the steady read when it can), one by
// the trial of the formats alone, gives the same fields and result and
// leaves the same format, rejected fields, per-read and class-wide flags.
void mCheckSteadyAgreesWithTrials(const CmTimeCls& t, const std::wstring& text,
                                  const std::string& context) {
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const bool bComma = CmTimeCls::m_bFmtHasComma;
  CmTimeCls xSteady = t;
  CmTimeCls xTrials = t;
  double dSink = 0.0;
  // An empty read sets the per-read flags, as a read does before it starts.
  xSteady.mStrToCorvaneTime(L"", &dSink);
  xTrials.mStrToCorvaneTime(L"", &dSink);
  int aiSteady[7] = {-1, -1, -1, -1, -1, -1, -1};
  int aiTrials[7] = {-1, -1, -1, -1, -1, -1, -1};
  const bool bSteady = Access::mParseAbsTime(xSteady, text.c_str(), aiSteady);
  const xFormatState xAfterSteady = Access::mState(xSteady);
  CmTimeCls::m_bElapsedTimeFlag = bElapsed, CmTimeCls::m_bFmtHasComma = bComma;
  const bool bTrials = CmTimeReaderImpl::mReadByTrials(xTrials, text.c_str(), &aiTrials[0],
                                                       &aiTrials[1], &aiTrials[2], &aiTrials[3],
                                                       &aiTrials[4], &aiTrials[5], &aiTrials[6]);
  const xFormatState xAfterTrials = Access::mState(xTrials);
  bool bSame = bSteady == bTrials && xAfterSteady == xAfterTrials &&
               Access::mLeftovers(xSteady) == Access::mLeftovers(xTrials);
  for (int i = 0; i < 7 && bSame && bSteady; ++i) bSame = aiSteady[i] == aiTrials[i];
  if (!bSame) {
    mFail("steady read differs from the trial of the formats",
          context + "text \"" + mShow(text) + "\"\nsteady: " + xAfterSteady.mDescribe() +
              "\ntrials: " + xAfterTrials.mDescribe());
  }
  CmTimeCls::m_bElapsedTimeFlag = bElapsed, CmTimeCls::m_bFmtHasComma = bComma;
}

// The month-name lookup against comparing every table entry in full, and
// the reader's in-line character classes against the string library's.
void mCheckMonthLookup(const CmTimeCls& t, const std::wstring& text, const std::string& context) {
  std::wstring sUpper;
  for (wchar_t c : text) {
    sUpper += mToUpper(c);
    if (cvn::detail::mReaderIsDigit(c) != mIsCharDigit(c) ||
        cvn::detail::mReaderIsAlpha(c) != mIsCharAlpha(c)) {
      mFail("in-line character class differs", context + mShow(text));
    }
  }
  int iExpected = 0;
  bool bExpectedAbbrev = false;
  for (int i = 0; i < 12 && iExpected == 0; ++i) {
    if (mStrCompare(sUpper.c_str(), CmTimeCls::gszMonthAbbrevUpper[i]) == 0 ||
        mStrCompare(sUpper.c_str(), CmTimeCls::gszMonthAbbrevUpperNoStop[i]) == 0) {
      iExpected = i + 1;
      bExpectedAbbrev = true;
    }
  }
  for (int i = 0; i < 12 && iExpected == 0; ++i) {
    if (mStrCompare(sUpper.c_str(), CmTimeCls::gszMonthNameUpper[i]) == 0) iExpected = i + 1;
  }
  bool bAbbrev = !bExpectedAbbrev;
  if (Access::mIsMonthName(t, sUpper.c_str(), &bAbbrev) != iExpected ||
      bAbbrev != bExpectedAbbrev) {
    mFail("month-name lookup differs from comparing every entry", context + mShow(text));
  }
}

// A text as the current format writes a value, then edited by the input:
// up to three digits changed (the edges of the fields), characters put in
// or taken out.
std::wstring mTypedText(const CmTimeCls& t, FuzzedDataProvider& fdp) {
  CmString sText;
  t.mCorvaneTimeToStr(cvn::fuzz::mTakeDouble(fdp), false, sText, 0);
  std::wstring s = sText.str();
  const int iEdits = fdp.ConsumeIntegralInRange<int>(0, 3);
  for (int i = 0; i < iEdits && !s.empty(); ++i) {
    const uint8_t uEdit = fdp.ConsumeIntegral<uint8_t>();
    const size_t uAt = fdp.ConsumeIntegralInRange<size_t>(0, s.size() - 1);
    switch (uEdit % 4) {
      case 0:
      case 1: s[uAt] = static_cast<wchar_t>(L'0' + uEdit / 4 % 10); break;
      case 2: s.insert(uAt, 1, static_cast<wchar_t>(32 + uEdit / 4 % 95)); break;
      default: s.erase(uAt, 1); break;
    }
  }
  return s;
}

void mCheckRange(CmTimeCls& t, FuzzedDataProvider& fdp, const std::string& context) {
  const std::wstring sRange = cvn::fuzz::mTakeText(fdp);
  const std::wstring sLow = cvn::fuzz::mTakeText(fdp, 40);
  const std::wstring sHigh = cvn::fuzz::mTakeText(fdp, 40);
  const std::wstring sEnd = cvn::fuzz::mTakeText(fdp, 20);
  double dLow = 0.0;
  double dHigh = 0.0;
  {
    CmTimeCls s = t;
    const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    const bool bComma = CmTimeCls::m_bFmtHasComma;
    s.mStrToCorvaneTime(sLow.c_str(), &dLow);
    s.mStrToCorvaneTime(sHigh.c_str(), &dHigh);
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmTimeCls::m_bFmtHasComma = bComma;
  }
  double dFirst = -7.0;
  double dSecond = fdp.ConsumeBool() ? 1e9 : -1e9;
  const bool bOk = t.mValidateDTRange(sRange.c_str(), sLow.c_str(), sHigh.c_str(), sEnd.c_str(),
                                      &dFirst, &dSecond);
  const std::string sDetail = context + "range \"" + mShow(sRange) + "\" low \"" + mShow(sLow) +
                              "\" high \"" + mShow(sHigh) + "\" end \"" + mShow(sEnd) + "\" ok " +
                              std::to_string(bOk) + " first " + std::to_string(dFirst) +
                              " second " + std::to_string(dSecond) + "\n";
  if (bOk) {
    if (sRange.empty()) mFail("empty range text validated", sDetail);
    if (dSecond < dFirst) mFail("validated range runs backwards", sDetail);
    // The copy read the bounds in the same order from the same state, so it
    // got the bounds the range was checked against.
    // The end word stands for the high bound, unchecked; a range text of
    // blanks holds no token and writes nothing.
    if (dFirst != -7.0 && dFirst != dHigh && (dFirst < dLow || dFirst > dHigh))
      mFail("validated value outside its bounds", sDetail);
  }
  if (!mIsConsistent(t)) mFail("format after a range read differs from its own text", sDetail);
  cvn::fuzz::mExpectNoReport(sDetail);
}

void mCheckDelta(const CmTimeCls& t, const std::wstring& text, const std::string& context) {
  int iSign = 7;
  int iDays = -1;
  int iHours = -1;
  int iMinutes = -1;
  int iSeconds = -1;
  int iHundredths = -1;
  const bool bOk =
      t.mParseDeltaTime(text.c_str(), &iSign, &iDays, &iHours, &iMinutes, &iSeconds, &iHundredths);
  const std::string sDetail = context + "delta \"" + mShow(text) + "\" ok " + std::to_string(bOk) +
                              " sign " + std::to_string(iSign) + " " + std::to_string(iDays) + " " +
                              std::to_string(iHours) + ":" + std::to_string(iMinutes) + ":" +
                              std::to_string(iSeconds) + "." + std::to_string(iHundredths) + "\n";
  const bool bSigned = !text.empty() && (text[0] == L'+' || text[0] == L'-');
  if (bOk) {
    if (text.size() < 2 || text.size() > 79)
      mFail("delta time of a wrong length accepted", sDetail);
    if (!bSigned) mFail("delta time without a sign accepted", sDetail);
    if (iHours < 0 || iHours > 23 || iMinutes < 0 || iMinutes > 59 || iSeconds < 0 ||
        iSeconds > 59 || iHundredths < 0 || iHundredths > 99) {
      mFail("delta time field out of range", sDetail);
    }
  }
  if (bSigned && text.size() >= 2 && text.size() <= 79 && iSign != (text[0] == L'+' ? 1 : -1)) {
    mFail("delta time sign not stored", sDetail);
  }
  if (!bSigned && iSign != 7) mFail("delta time sign written without a sign", sDetail);
  cvn::fuzz::mExpectNoReport(sDetail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider fdp(data, size);
  cvn::fuzz::mResetReports();
  const uint8_t uSetup = fdp.ConsumeIntegral<uint8_t>();
  wchar_t cIn = L'.';
  wchar_t cOut = L'.';
  cvn::fuzz::mTakeDecimals(fdp, &cIn, &cOut);
  const int iWorld = uSetup % cvn::fuzz::kNumSettings;
  CmTimeCls t = cvn::fuzz::mEnterWorld(iWorld, cIn, cOut);
  const int iFormat = fdp.ConsumeIntegralInRange<int>(0, kFuzzedFormat);
  std::string sContext = "settings " + std::to_string(iWorld) + " decimals '" +
                         static_cast<char>(cIn) + "' '" + static_cast<char>(cOut) + "'\n";
  if (iFormat == kFuzzedFormat) {
    const std::wstring sFormat = cvn::fuzz::mTakeText(fdp, 40);
    t.mSetFormat(sFormat.c_str());
    sContext += "fuzzed format \"" + mShow(sFormat) + "\"\n";
  } else if (kFormats[iFormat] != nullptr) {
    t.mSetFormat(kFormats[iFormat]);
    sContext += "format \"" + mShow(kFormats[iFormat]) + "\"\n";
  }
  sContext += "current \"" + mShow(t.mGetDateTimeFmt().str()) + "\"\n";
  cvn::fuzz::mExpectNoReport(sContext);

  for (int iOp = 0; iOp < 4 && fdp.remaining_bytes() > 0; ++iOp) {
    const uint8_t uOp = fdp.ConsumeIntegral<uint8_t>();
    switch (uOp % 10) {
      case 7: mCheckRange(t, fdp, sContext); break;
      case 8: mCheckDelta(t, cvn::fuzz::mTakeText(fdp, 100), sContext); break;
      case 9: {
        const std::wstring sFormat = cvn::fuzz::mTakeText(fdp, 40);
        t.mSetFormat(sFormat.c_str());
        sContext += "then format \"" + mShow(sFormat) + "\" -> \"" +
                    mShow(t.mGetDateTimeFmt().str()) + "\"\n";
        cvn::fuzz::mExpectNoReport(sContext);
        break;
      }
      case 6: {
        // Texts typed as the current format shows them take the steady read.
        const std::wstring sText = mTypedText(t, fdp);
        mCheckSteadyAgreesWithTrials(t, sText, sContext);
        mCheckRead(t, sText, sContext);
        sContext += "after typed read \"" + mShow(t.mGetDateTimeFmt().str()) + "\"\n";
        break;
      }
      default: {
        const std::wstring sText = cvn::fuzz::mTakeText(fdp, 120);
        mCheckSteadyAgreesWithTrials(t, sText, sContext);
        mCheckMonthLookup(t, sText, sContext);
        mCheckRead(t, sText, sContext);
        sContext += "after read \"" + mShow(t.mGetDateTimeFmt().str()) + "\"\n";
        break;
      }
    }
  }
  return 0;
}
