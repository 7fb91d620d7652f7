// The writer's pure rules on plain values (see writer_impl.h).

#include <cmath>
#include <cwchar>

#include "CmString.h"
#include "CvnBasicTypes.h"
#include "time/calendar/calendar_math.h"
#include "time/writer/writer_impl.h"

namespace cvn::detail {

int mClampPartCount(int numParts) {
  if (numParts < 0) return 0;
  return numParts > CmTimeCls::kMaxParts ? CmTimeCls::kMaxParts : numParts;
}

void mPartsFromShowFlags(int showFlags, xWriterParts* out) {
  // Taken from the top: a value of 128 or more leaves every lower bit set.
  int iRest = showFlags;
  bool bSelected[7] = {};  // year, quarter, month, day, hour, minute, second
  static constexpr int kBits[7] = {64, 32, 16, 8, 4, 2, 1};
  for (int i = 0; i < 7; ++i) {
    if (iRest >= kBits[i]) {
      bSelected[i] = true;
      iRest -= kBits[i];
    }
  }
  // Display order: day, month, quarter, year, hour, minute, second.
  struct xChoice {
    int iFlag;
    xWriterPart xPart;
  };
  static constexpr xChoice kOrder[7] = {
      {3, {xDay, 2}},   {2, {xMonthAbbrev, 1}}, {1, {xQuarterLabelFirst, 1}},
      {0, {xYear, 1}},  {4, {xHour, 2}},        {5, {xMinute, 2}},
      {6, {xSecond, 2}}};
  out->iNumParts = 0;
  out->b24Hour = true;
  for (const xChoice& xEntry : kOrder) {
    if (bSelected[xEntry.iFlag]) out->xParts[out->iNumParts++] = xEntry.xPart;
  }
}

double mAbsoluteRounding(const xWriterPart* lastPart) {
  if (lastPart == nullptr || lastPart->ePart != xThousandth) return kHalfSecondDays;
  if (lastPart->iCount == 1) return 100.0 * kHalfMillisecondDays;  // 50 ms
  if (lastPart->iCount == 2) return 10.0 * kHalfMillisecondDays;   // 5 ms
  return 0.0;
}

double mElapsedRounding(const xWriterPart& lastPart, bool* widthOk) {
  *widthOk = true;
  switch (lastPart.ePart) {
    case xHour:
    case xMinute:
    case xSecond: return kHalfSecondDays;
    case xThousandth: {
      const int iW = lastPart.iCount;
      if (iW > 3 || iW < 1) {
        *widthOk = false;
        return 0.0;
      }
      // Half a unit of the last digit shown: 50, 5 or 0.5 ms.
      static constexpr double kScale[4] = {0.0, 100.0, 10.0, 1.0};
      return kScale[iW] * kHalfMillisecondDays;
    }
    default: return 0.0;
  }
}

xDateSeparatorRule mDateSeparatorRule(const wchar_t* dateSep, const xWriterParts& parts) {
  xDateSeparatorRule xRule{};
  // Case-insensitive equality compares character by character, so only a
  // separator of the same length can equal "WK" or "Q".
  const size_t iLength = std::wcslen(dateSep);
  // An ASCII first character other than the letter's two cases cannot
  // compare equal; any other goes to the full comparison.
  auto fMayBe = [](wchar_t c, wchar_t upper) {
    return c >= 0x80 || c < 0 || c == upper || c == upper - L'A' + L'a';
  };
  xRule.bNone =
      (iLength == 2 && fMayBe(dateSep[0], L'W') && mStrCompareIgnore(dateSep, L"WK") == 0) ||
      (iLength == 1 && fMayBe(dateSep[0], L'Q') && mStrCompareIgnore(dateSep, L"Q") == 0);
  xRule.bBlankStyle = (iLength == 1 && dateSep[0] == L' ') ||
                      (iLength == 2 && dateSep[0] == L',' && dateSep[1] == L' ');
  xRule.bMonthDayYear =
      parts.iNumParts >= 3 &&
      (parts.xParts[0].ePart == xMonthAbbrev || parts.xParts[0].ePart == xMonthName) &&
      parts.xParts[1].ePart == xDay && parts.xParts[2].ePart == xYear;
  return xRule;
}

eDateSeparator mDateSeparatorBefore(const xDateSeparatorRule& rule, int index) {
  if (rule.bNone) return eDateSeparator::kNone;
  if (!rule.bBlankStyle) return eDateSeparator::kFormat;
  return rule.bMonthDayYear && index == 2 ? eDateSeparator::kCommaBlank : eDateSeparator::kBlank;
}

xElapsedClock mSplitElapsed(double v) {
  xElapsedClock xClock{};
  // Values outside the contract are taken into it, so no product overflows.
  if (!(v >= 0.0)) v = 0.0;
  if (v > kMaxElapsedDays + 1.0) v = kMaxElapsedDays + 1.0;
  const double dDays = std::floor(v);
  xClock.iDays = mToINTG(dDays);  // [0, 1096093] for the callers' values
  // Truncated, [0, 86400000): the fraction of a day below 1096094 is a
  // multiple of 2^-33, so it never rounds up to a whole day.
  const xClockParts xParts = mSplitMilliseconds(mToINTG((v - dDays) * kMsPerDayD));
  xClock.iTotalHours = xClock.iDays * 24 + xParts.iHour;
  xClock.iMinute = xParts.iMinute;
  xClock.iSecond = xParts.iSecond;
  xClock.iThousandths = xParts.iThousandths;
  return xClock;
}

}  // namespace cvn::detail
