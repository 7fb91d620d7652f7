// Fuzz target: the writer. Writes arbitrary doubles (NaN, infinities,
// negative zero, denormals, huge values, the missing-value code, times near
// midnight and near the ends of the valid years) under legal formats, show
// flags and the day-number switch; runs mShowFullPrecision, mGet for every
// extraction value and mGetFloor for every unit.
//
// Invariants:
// - the missing-value code, NaN and infinities are written "*";
// - "*" comes with empty date and time portions; otherwise the date portion
//   begins the text and the time portion ends it, and both overloads agree;
// - a valid time under a format with parts is never "*";
// - under an absolute date-time format down to the second, reading back
//   what was written gives the value rounded to the second;
// - mGet returns -1 and empty text for values outside 0..20, and numbers in
//   range (with text) for a valid time;
// - mGetFloor of a valid time lies at most a year at or before it, and
//   flooring again changes nothing;
// - no mAssert report;
// - differential checks: the writer's inline split of an absolute value
//   gives the fields of the calendar's checked ODBC conversion of the
//   rounded value, and the hand-written integer fields equal printf's.
//
// Input: a setup byte (settings, format), a decimal byte, then values, each
// with a byte of show flags and switches.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>

#include "fuzz/fuzz_access.h"
#include "fuzz/fuzz_common.h"
#include "time/writer/digits.h"
#include "time/writer/writer_impl.h"

namespace {

using cvn::fuzz::mFail;
using cvn::fuzz::mShow;
using Access = CmTimeClsTestAccess;

// Absolute date-time formats down to the second: what they write must read
// back as the value rounded to the second.
const wchar_t* const kRoundTripFormats[] = {
    L"m/d/yyyy h:mm:ss",
    L"mm/dd/yyyy hh:mm:ss",
    L"d-mmm-yyyy h:mm:ss",
    L"mmmm d, yyyy h:mm:ss",
    L"d mmmm yyyy hh:mm:ss",
    L"yyyy-mm-dd hh:mm:ss",
    L"dd.mm.yyyy hh:mm:ss",
    L"m/d/yyyy h:mm:ss AM/PM",
    L"m/d/yyyy h:mm:ss am/pm",
    L"yyyy/mm/dd h:mm:ssA/P",
    L"d/m/yyyy h:mm:ss vorm./nachm.",
    L"d mmm yyyy hh:mm:ss",
    L"mmm d, yyyy hh:mm:ss a/p",
    L"d/m/yyyy h:mm:ss \u5348\u524d/\u5348\u5f8c",
};
constexpr int kNumRoundTrip = sizeof kRoundTripFormats / sizeof kRoundTripFormats[0];

// Other legal formats: dates, times, fractions, elapsed, quarters, weeks.
const wchar_t* const kOtherFormats[] = {
    L"m/d/yy",    L"mmmm d, yyyy",  L"h:mm:ss am/pm", L"[h]:mm:ss",    L"[m]:ss",
    L"[s]",       L"[h]:mm:ss.sss", L"[m]:ss.s",      L"yyyyQq",       L"qQ yyyy",
    L"wwWk yyyy", L"yyyyWkww",      L"yyyymmdd",      L"hh:mm:ss.sss", L"hh:mm:ss,ss",
    L"h:mm A/P",  L"d-mmm-yy",      L"mmm yyyy",      L"dd/mm hh:mm",  L"hh:mm",
    L"s",         L"ss.s",          L"[hh]",          L"d mmmm",       L"h:mm:ss.ss AM/PM",
};
constexpr int kNumOther = sizeof kOtherFormats / sizeof kOtherFormats[0];

constexpr double kHalfSecond = 0.5 / 86400.0;

void mCheckPortions(const std::wstring& text, const std::wstring& date, const std::wstring& time,
                    const std::string& context) {
  if (text == L"*") {
    if (!date.empty() || !time.empty()) mFail("\"*\" with a date or time portion", context);
    return;
  }
  // A minus sign stands before an elapsed time only.
  const std::wstring sBody = !text.empty() && text[0] == L'-' ? text.substr(1) : text;
  if (text.compare(0, date.size(), date) != 0 && sBody.compare(0, date.size(), date) != 0) {
    mFail("date portion does not begin the text",
          context + "text \"" + mShow(text) + "\" date \"" + mShow(date) + "\"");
  }
  if (time.size() > text.size() ||
      text.compare(text.size() - time.size(), time.size(), time) != 0) {
    mFail("time portion does not end the text",
          context + "text \"" + mShow(text) + "\" time \"" + mShow(time) + "\"");
  }
}

void mCheckGet(const CmTimeCls& t, double v, const std::string& context) {
  static const struct {
    int iLow;
    int iHigh;
  } kRange[21] = {{0, 99}, {1000, 4000}, {1, 4},   {1, 4},  {1, 12}, {1, 12}, {1, 12},
                  {1, 54}, {1, 54},      {1, 31},  {0, 6},  {0, 24}, {0, 59}, {0, 59},
                  {0, 9},  {0, 99},      {0, 999}, {1, 54}, {1, 54}, {1, 54}, {1, 54}};
  const bool bValid = t.mValidCorvaneTime(v);
  for (int iWhat = -2; iWhat <= 22; ++iWhat) {
    CmString sText(L"junk");
    const int n = t.mGet(v, static_cast<xTimeExtractEnum>(iWhat), sText);
    const std::string sDetail = context + "mGet " + std::to_string(iWhat) + " gives " +
                                std::to_string(n) + " \"" + mShow(sText.str()) + "\"";
    if (iWhat < 0 || iWhat > 20) {
      if (n != -1 || !sText.empty()) mFail("mGet of an unknown extraction", sDetail);
      continue;
    }
    if (!bValid) continue;
    if (n < kRange[iWhat].iLow || n > kRange[iWhat].iHigh)
      mFail("mGet number out of range", sDetail);
    if (sText.empty()) mFail("mGet wrote no text", sDetail);
  }
}

void mCheckFloor(const CmTimeCls& t, double v, const std::string& context) {
  const bool bValid = t.mValidCorvaneTime(v) && t.mValidCorvaneTime(v - 367.0);
  for (int iUnit = -1; iUnit <= 17; ++iUnit) {
    const double f = t.mGetFloor(v, static_cast<xTimePartsEnum>(iUnit));
    if (!bValid) continue;
    const std::string sDetail =
        context + "mGetFloor unit " + std::to_string(iUnit) + " gives " + std::to_string(f);
    // The clock parts come from the time of day rounded to the millisecond,
    // so a floor may lie up to half a millisecond after the value.
    if (!std::isfinite(f) || f > v + 0.6 / 86400000.0 || v - f > 366.0 + 1e-6) {
      mFail("floor not within a year at or before the value", sDetail);
    }
    if (iUnit >= xYear && iUnit <= xThousandth) {
      const double g = t.mGetFloor(f, static_cast<xTimePartsEnum>(iUnit));
      if (std::fabs(g - f) > 1e-9)
        mFail("flooring a floor changes it", sDetail + " then " + std::to_string(g));
    }
  }
}

// Whether the object's format is an absolute date-time format whose last
// part is the second and that shows year (four digits), month, day, hour,
// minute and second.
bool mDownToSecond(const CmTimeCls& t) {
  const int n = Access::mNumParts(t);
  bool bYear = false, bMonth = false, bDay = false, bHour = false, bMinute = false;
  for (int i = 0; i < n && i < CmTimeCls::kMaxParts; ++i) {
    const CmTimeCls::xTimePartsStruct p = Access::mPart(t, i);
    switch (p.ePart) {
      case xYear: bYear = p.iCount == 4; break;
      case xMonthNumber:
      case xMonthAbbrev:
      case xMonthName: bMonth = true; break;
      case xDay: bDay = true; break;
      case xHour: bHour = true; break;
      case xMinute: bMinute = true; break;
      case xSecond: break;
      default: return false;
    }
  }
  return n > 0 && Access::mPart(t, n - 1).ePart == xSecond && bYear && bMonth && bDay && bHour &&
         bMinute && !CmTimeCls::m_bElapsedTimeFlag;
}

// The inline split of an absolute value against the ODBC record of the
// value rounded as the object's format rounds it.
void mCheckSplit(const CmTimeCls& t, double v, const std::string& context) {
  CmTimeWriterImpl::xShownValue x{};
  const bool bShown = CmTimeWriterImpl::mSplitAbsolute(t, v, &x);
  const int n = Access::mNumParts(t);
  const CmTimeCls::xTimePartsStruct xLast =
      n > 0 && n <= CmTimeCls::kMaxParts ? Access::mPart(t, n - 1) : CmTimeCls::xTimePartsStruct{};
  const double w = v + cvn::detail::mAbsoluteRounding(n > 0 ? &xLast : nullptr);
  if (!std::isfinite(w) || mIsNumericMissing(v) || !t.mValidCorvaneTime(w)) return;
  tagTIMESTAMP_STRUCT ts{};
  t.mCorvaneTimeToODBC(w, &ts);
  const bool bSame = bShown && x.iYear == ts.year && x.iMonth == ts.month && x.iDay == ts.day &&
                     x.iHour == ts.hour && x.iMinute == ts.minute && x.iSecond == ts.second &&
                     static_cast<unsigned>(x.iThousandths) * 1000000u == ts.fraction;
  if (!bSame) mFail("inline split differs from the ODBC conversion", context);
}

// The integer fields against printf, for a value taken from the bits of v.
void mCheckDigits(double v, int width, const std::string& context) {
  std::int64_t iValue = 0;
  std::memcpy(&iValue, &v, sizeof iValue);
  iValue >>= (static_cast<unsigned>(width) & 63u);
  auto fRef = [](const wchar_t* format, long long value, int w) {
    wchar_t sz[160];
    const int n = w == INT32_MIN ? std::swprintf(sz, 160, format, value)
                                 : std::swprintf(sz, 160, format, w, value);
    return std::wstring(sz, n < 0 ? 0 : static_cast<size_t>(n));
  };
  const int iWidth = width % 25;  // within the cap of 64 characters
  std::wstring sMine, sFour;
  cvn::detail::mAppendPrintfInt(sMine, iValue, iWidth, -1, true);
  cvn::detail::mAppendFourDigits(sFour, iValue);
  if (sMine != fRef(L"%0*lli", iValue, iWidth) || sFour != fRef(L"%04.4lli", iValue, INT32_MIN)) {
    mFail("integer field differs from printf", context + "value " + std::to_string(iValue));
  }
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
  std::string sContext = "settings " + std::to_string(iWorld) + " decimals '" +
                         static_cast<char>(cIn) + "' '" + static_cast<char>(cOut) + "'\n";
  const int iFormat = fdp.ConsumeIntegralInRange<int>(0, kNumRoundTrip + kNumOther + 1);
  if (iFormat < kNumRoundTrip) {
    t.mSetFormat(kRoundTripFormats[iFormat]);
  } else if (iFormat < kNumRoundTrip + kNumOther) {
    t.mSetFormat(kOtherFormats[iFormat - kNumRoundTrip]);
  } else if (iFormat == kNumRoundTrip + kNumOther) {
    const std::wstring sFormat = cvn::fuzz::mTakeText(fdp, 40);
    t.mSetFormat(sFormat.c_str());
  }  // else: the state construction left
  sContext +=
      "format \"" + mShow(t.mGetDateTimeFmt().str()) + "\" " + Access::mState(t).mDescribe() + "\n";
  cvn::fuzz::mExpectNoReport(sContext);

  for (int iValue = 0; iValue < 4 && fdp.remaining_bytes() > 0; ++iValue) {
    const double v = cvn::fuzz::mTakeDouble(fdp);
    const uint8_t uFlags = fdp.ConsumeIntegral<uint8_t>();
    // Mostly the current format; sometimes show flags, negative or huge.
    int iShow = 0;
    if ((uFlags & 0x60) == 0x60) {
      iShow = (uFlags & 0x80) != 0 ? fdp.ConsumeIntegral<int>()
                                   : fdp.ConsumeIntegralInRange<int>(-2, 200);
    }
    const bool bDayNumber = (uFlags & 0x01) != 0;
    char szValue[64];
    std::snprintf(szValue, sizeof szValue, "%.17g", v);
    const std::string sStep = sContext + "value " + szValue + " show " + std::to_string(iShow) +
                              " day number " + std::to_string(bDayNumber) + "\n";

    CmString sText, sDate, sTime, sText4;
    t.mCorvaneTimeToStr(v, bDayNumber, sText, sDate, sTime, iShow);
    t.mCorvaneTimeToStr(v, bDayNumber, sText4, iShow);
    const std::string sWritten = sStep + "written \"" + mShow(sText.str()) + "\"\n";
    if (sText4.str() != sText.str()) mFail("the two overloads write different texts", sWritten);
    if ((mIsNumericMissing(v) || !std::isfinite(v)) && sText.str() != L"*") {
      mFail("missing, NaN or infinite value not written \"*\"", sWritten);
    }
    mCheckPortions(sText.str(), sDate.str(), sTime.str(), sWritten);
    const bool bHasParts =
        iShow > 0 ? (iShow >= 128 || (iShow & 0x7F) != 0) : Access::mNumParts(t) > 0;
    const bool bShowable = t.mValidCorvaneTime(v) && t.mValidCorvaneTime(v + kHalfSecond) &&
                           t.mValidCorvaneTime(v - kHalfSecond) && !CmTimeCls::m_bElapsedTimeFlag;
    if (bShowable && bHasParts && (sText.str() == L"*" || sText.empty())) {
      mFail("valid time not written", sWritten);
    }

    // Read back under an absolute format down to the second.
    if (bShowable && iShow <= 0 && !bDayNumber && cIn == cOut && mDownToSecond(t)) {
      CmTimeCls u = t;
      double w = 0.0;
      const bool bRead = u.mStrToCorvaneTime(sText.c_str(), &w);
      CmTimeCls::m_bElapsedTimeFlag = false;
      CmTimeCls::m_bFmtHasComma = t.mGetDateTimeFmt().mFind(L',') >= 0;
      const double dSeconds = w * 86400.0;
      if (!bRead || std::fabs(dSeconds - std::nearbyint(dSeconds)) > 1e-4 ||
          std::fabs(w - v) > kHalfSecond + 1e-8) {
        char szRead[64];
        std::snprintf(szRead, sizeof szRead, "%.17g", w);
        mFail("written value does not read back rounded to the second",
              sWritten + "read " + std::to_string(bRead) + " " + szRead);
      }
    }

    // Full precision on a copy (it widens the copy's format).
    {
      CmTimeCls u = t;
      CmString sFull;
      u.mShowFullPrecision(v, sFull);
      if (mIsNumericMissing(v) && sFull.str() != L"*")
        mFail("full precision of missing not \"*\"", sWritten);
      // Empty only for a format without parts that no regional format
      // replaced (settings of which nothing could be read).
      if (sFull.empty() && bShowable && Access::mNumParts(u) > 0) {
        mFail("full precision wrote nothing", sWritten);
      }
      CmString sAgain;
      u.mCorvaneTimeToStr(v, false, sAgain, 0);
      CmTimeCls::m_bElapsedTimeFlag = t.mGetDateTimeFmt().mFind(L'[') >= 0;
      CmTimeCls::m_bFmtHasComma = t.mGetDateTimeFmt().mFind(L',') >= 0;
    }
    if (!CmTimeCls::m_bElapsedTimeFlag) mCheckSplit(t, v, sWritten);
    mCheckDigits(v, uFlags, sWritten);
    if ((uFlags & 0x1E) == 0x1E) {
      mCheckGet(t, v, sWritten);
      mCheckFloor(t, v, sWritten);
    }
    cvn::fuzz::mExpectNoReport(sWritten);
  }
  return 0;
}
