// The time-to-text writer: mCorvaneTimeToStr in both forms and mExampleTime.
//
// A write lays out its text with hand-written digit code in a local buffer
// and hands it to the caller's string once, so a caller that reuses its
// strings allocates nothing in steady state.

#include <cmath>
#include <cstdint>
#include <cwchar>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "time/calendar/calendar_math.h"
#include "time/report_sites.h"
#include "time/writer/digits.h"
#include "time/writer/text_builder.h"
#include "time/writer/writer_impl.h"

namespace {

using cvn::detail::xTextBuilder;
using cvn::detail::xWriterPart;
using cvn::detail::xWriterParts;
using xShownValue = CmTimeWriterImpl::xShownValue;
using xWriteState = CmTimeWriterImpl::xWriteState;

// Scratch strings for the designator and for quarter and week labels, which
// arrive through CmString out-parameters. Kept per thread so that a write
// needs no allocation once they have grown.
CmString& mDesignatorScratch() {
  static thread_local CmString sScratch;
  return sScratch;
}
CmString& mLabelScratch() {
  static thread_local CmString sScratch;
  return sScratch;
}

// Appends the entry of a month-name table (fixed-width, zero-terminated).
template <size_t kWidth>
void mAppendMonthName(xTextBuilder& out, const wchar_t (&table)[12][kWidth], int month) {
  if (month < 1 || month > 12) return;
  const wchar_t* pName = table[month - 1];
  out.append(pName, wcsnlen(pName, kWidth));
}

// "%03i" of thousandths, cut to its first count digits (none for a count
// below 1).
void mAppendFraction(xTextBuilder& out, int thousandths, int count) {
  wchar_t szField[cvn::detail::kMaxPrintfField];
  const int iWritten = cvn::detail::mPrintfIntField(szField, thousandths, 3, -1, true);
  const int iKeep = count < 1 ? 0 : count;
  out.append(szField, static_cast<size_t>(iKeep < iWritten ? iKeep : iWritten));
}

// The parts of the object's current format and its 24-hour flag.
void mCurrentParts(int numParts, const xWriterPart* parts, bool b24Hour, xWriterParts* out) {
  out->iNumParts = cvn::detail::mClampPartCount(numParts);
  for (int i = 0; i < out->iNumParts; ++i) out->xParts[i] = parts[i];
  out->b24Hour = b24Hour;
}

}  // namespace

bool CmTimeWriterImpl::mSplitAbsolute(const CmTimeCls& time, double t, xShownValue* out) {
  // The rounding follows the object's own format even when show flags chose
  // the parts.
  const int iNumParts = cvn::detail::mClampPartCount(time.m_iNumParts);
  const xWriterPart* pLast = iNumParts > 0 ? &time.m_xParts[iNumParts - 1] : nullptr;
  const double v = t + cvn::detail::mAbsoluteRounding(pLast);
  if (v > mGetMaxInteger()) return false;
  // The split saturates far-off values and carries a time of day of one
  // whole day into the next day, so the hour comes out as 0 to 23.
  // mToDayThousandths, mFromJulianDay and mFromTimeOfDay, inline: every
  // value of a column goes through them.
  const cvn::detail::xDaySplit xSplit = cvn::detail::mSplitCorvaneTime(v);
  out->iDayNumber = xSplit.iDayNumber;
  // The quick bound, in 64 bits: the day number may be saturated at INT_MIN.
  if ((static_cast<std::int64_t>(out->iDayNumber) - 367) / 366 > 3000) return false;
  const cvn::detail::xCivilDate xDate = cvn::detail::mCivilFromDayNumber(out->iDayNumber);
  out->iYear = cvn::detail::mSaturateToInt(xDate.iYear);
  out->iMonth = xDate.iMonth;
  out->iDay = xDate.iDay;
  if (out->iYear < 1000 || out->iYear > 4000) return false;
  // The split gives a whole number of milliseconds in [0, 86400000).
  const cvn::detail::xClockParts xClock =
      cvn::detail::mSplitMilliseconds(static_cast<int>(xSplit.dTimeOfDay));
  out->iHour = xClock.iHour;
  out->iMinute = xClock.iMinute;
  out->iSecond = xClock.iSecond;
  out->iThousandths = xClock.iThousandths;
  return true;
}

bool CmTimeWriterImpl::mSplitElapsed(const CmTimeCls& time, double t, const xWriterParts& parts,
                                     xShownValue* out, bool* negative) {
  double v = t;
  *negative = false;
  if (t < 0.0) {
    *negative = true;
    v = -t;
  }
  if (!parts.b24Hour || parts.iNumParts < 1) return false;
  const xTimePartsEnum eFirst = parts.xParts[0].ePart;
  if (eFirst != xHour && eFirst != xMinute && eFirst != xSecond) return false;
  if (!(v <= cvn::detail::kMaxElapsedDays)) return false;

  bool bWidthOk = true;
  v += cvn::detail::mElapsedRounding(parts.xParts[parts.iNumParts - 1], &bWidthOk);
  if (!bWidthOk) cvn::detail::mReport(cvn::detail::kReportFractionWidth);

  const cvn::detail::xElapsedClock xClock = cvn::detail::mSplitElapsed(v);
  out->iDayNumber = xClock.iDays;
  out->iHour = xClock.iTotalHours;
  out->iMinute = xClock.iMinute;
  out->iSecond = xClock.iSecond;
  out->iThousandths = xClock.iThousandths;
  // Date parts in an elapsed format (which the parser does not produce)
  // show the calendar date of the whole days, so that they are defined.
  time.mFromJulianDay(xClock.iDays, &out->iYear, &out->iMonth, &out->iDay, nullptr,
                      xExtractWeekFromJanuary);
  return true;
}

void CmTimeWriterImpl::mWrite(const CmTimeCls& time, double t, bool bDayNumber, int showFlags,
                              std::wstring& text, std::wstring* dateText, std::wstring* timeText) {
  text.clear();
  if (dateText != nullptr) dateText->clear();
  if (timeText != nullptr) timeText->clear();

  xWriterParts xList;
  if (showFlags > 0) {
    cvn::detail::mPartsFromShowFlags(showFlags, &xList);
  } else {
    mCurrentParts(time.m_iNumParts, time.m_xParts, time.m_b24Hour, &xList);
  }
  xWriteState xState{time, t, xList, {}, CmTimeCls::m_bElapsedTimeFlag, false, 0, 0};
  bool bNegative = false;
  if (!mSplitForWrite(&xState, &bNegative)) {
    text = L"*";
    return;
  }
  xState.iHour = xState.xValue.iHour;
  xState.iMinute = xState.xValue.iMinute;
  xState.bSingleFraction = time.m_iNumParts == 1 && time.m_xParts[0].ePart == xThousandth;

  xTextBuilder xText(text);
  const cvn::detail::xDateSeparatorRule xRule =
      cvn::detail::mDateSeparatorRule(time.m_sDateSep.c_str(), xList);
  std::wstring& sDesignator = mDesignatorScratch().str();
  sDesignator.clear();
  size_t iSplit = 0;  // where the time portion begins
  for (int i = 0; i < xList.iNumParts; ++i) {
    const xTimePartsEnum eKind = xList.xParts[i].ePart;
    if (!cvn::detail::mIsWritableKind(eKind)) {
      // An unknown kind contributes nothing, not even a separator.
      cvn::detail::mReport(cvn::detail::kReportUnknownPart);
      continue;
    }
    const bool bDate = cvn::detail::mIsDateKind(eKind);
    if (bDate && bDayNumber) {
      // The day number stands for the whole date portion.
      xText.clear();
      cvn::detail::mAppendPlain(xText, xState.xValue.iDayNumber);
    } else {
      if (!xText.empty()) mAppendSeparator(xState, xRule, i, xText, &iSplit);
      mAppendPart(&xState, i, xText);
    }
    if (bDate) {
      if (dateText != nullptr) dateText->assign(xText.data(), xText.size());
      iSplit = xText.size();
    }
  }

  if (!xList.b24Hour && !sDesignator.empty()) xText += sDesignator;
  xText.mFinish();
  if (timeText != nullptr) {
    if (iSplit > text.size()) iSplit = text.size();
    timeText->assign(text, iSplit, std::wstring::npos);
  }
  if (bNegative) text.insert(text.begin(), L'-');
}

inline bool CmTimeWriterImpl::mSplitForWrite(xWriteState* state, bool* negative) {
  // NaN and the infinities name no time; NaN would pass every comparison
  // below unnoticed. Negative zero and denormals are ordinary values at 0:
  // midnight of day 0, or an elapsed 0 (a negative one keeps its sign, as
  // every negative elapsed value does).
  const double t = state->t;
  if (mIsNumericMissing(t) || !std::isfinite(t)) return false;
  return state->bElapsed ? mSplitElapsed(state->time, t, state->xList, &state->xValue, negative)
                         : mSplitAbsolute(state->time, t, &state->xValue);
}

inline void CmTimeWriterImpl::mAppendSeparator(const xWriteState& state,
                                               const cvn::detail::xDateSeparatorRule& rule,
                                               int index, xTextBuilder& text, size_t* split) {
  const xTimePartsEnum eKind = state.xList.xParts[index].ePart;
  if (cvn::detail::mIsDateKind(eKind)) {
    switch (cvn::detail::mDateSeparatorBefore(rule, index)) {
      case cvn::detail::eDateSeparator::kNone: break;
      case cvn::detail::eDateSeparator::kBlank: text += L' '; break;
      case cvn::detail::eDateSeparator::kCommaBlank: text += L", "; break;
      case cvn::detail::eDateSeparator::kFormat: text += state.time.m_sDateSep.str(); break;
    }
  } else if (index > 0 && cvn::detail::mIsDateKind(state.xList.xParts[index - 1].ePart)) {
    text += L' ';
    *split = text.size();
  } else if (eKind == xThousandth) {
    text += mGetOutputDecimal();
  } else {
    text += state.time.m_sTimeSep.str();
  }
}

// Inlined into the loop of mWrite: a call per part costs a column write
// about a tenth of its time.
[[gnu::always_inline]] inline void CmTimeWriterImpl::mAppendPart(xWriteState* state, int index,
                                                                 xTextBuilder& text) {
  using cvn::detail::mAppendWidth;
  const xShownValue& x = state->xValue;
  const int iCount = state->xList.xParts[index].iCount;
  const xTimePartsEnum eKind = state->xList.xParts[index].ePart;
  switch (eKind) {
    case xYear:
      if (iCount == 2) {
        cvn::detail::mAppendPrintfInt(text, x.iYear % 100, 2, 2, true);  // "%02.2i"
      } else {
        cvn::detail::mAppendFourDigits(text, x.iYear);  // "%04.4i"
      }
      break;
    case xQuarterLabelFirst:
    case xQuarterNumberFirst:
    case xWeekLabelFirst:
    case xWeekNumberFirst: {
      // Labels and week numbers come from the unrounded value.
      CmString& sLabel = mLabelScratch();
      state->time.mGet(state->t, static_cast<xTimeExtractEnum>(eKind), sLabel);
      text += sLabel.str();
      break;
    }
    case xMonthNumber: mAppendWidth(text, x.iMonth, iCount); break;
    case xMonthAbbrev: mAppendMonthName(text, CmTimeCls::gszMonthAbbrev, x.iMonth); break;
    case xMonthName: mAppendMonthName(text, CmTimeCls::gszMonthName, x.iMonth); break;
    case xDay: mAppendWidth(text, x.iDay, iCount); break;
    case xHour: mAppendHour(state, iCount, text); break;
    case xMinute:
      // First part of an elapsed format: the total minutes.
      mAppendWidth(
          text, state->bElapsed && index == 0 ? state->iMinute + 60 * state->iHour : state->iMinute,
          iCount);
      state->iHour = 0;
      state->iMinute = 0;
      break;
    case xSecond:
      // First part of an elapsed format: the total seconds, which pass the
      // int range after 24855 days; written from 64 bits.
      mAppendWidth(text,
                   state->bElapsed && index == 0
                       ? x.iSecond + 60 * (60 * state->iHour + state->iMinute)
                       : static_cast<std::int64_t>(x.iSecond),
                   iCount);
      break;
    case xThousandth:
      // A format of the fraction alone reads like a number: the input
      // decimal symbol goes in front.
      if (state->bSingleFraction) text += mGetInputDecimal();
      mAppendFraction(text, x.iThousandths, iCount);
      break;
    default: break;
  }
}

inline void CmTimeWriterImpl::mAppendHour(const xWriteState* state, int count, xTextBuilder& text) {
  if (state->xList.b24Hour) {
    cvn::detail::mAppendWidth(text, state->iHour, count);
    return;
  }
  // 12-hour values are absolute: the hour is 0 to 23. The designator waits
  // in its scratch string for the end of the text.
  const int iClockHour = static_cast<int>(state->iHour);
  mDesignatorScratch().str().clear();
  state->time.mMakeAMPMFormat(iClockHour, mDesignatorScratch());
  if (iClockHour == 0 || iClockHour == 12) {
    text += L"12";
  } else {
    cvn::detail::mAppendWidth(text, iClockHour < 12 ? iClockHour : iClockHour - 12, count);
  }
}

void CmTimeCls::mCorvaneTimeToStr(double t, bool bDayNumber, CmString& text, CmString& dateText,
                                  CmString& timeText, int showFlags) const {
  CmTimeWriterImpl::mWrite(*this, t, bDayNumber, showFlags, text.str(), &dateText.str(),
                           &timeText.str());
}

void CmTimeCls::mCorvaneTimeToStr(double t, bool bDayNumber, CmString& text, int showFlags) const {
  CmTimeWriterImpl::mWrite(*this, t, bDayNumber, showFlags, text.str(), nullptr, nullptr);
}

void CmTimeCls::mExampleTime(CmString& text) const {
  // 12 hours, 29 minutes and 59.945 seconds: shows how an elapsed format
  // rounds and carries.
  constexpr double kElapsedExample = 0.5208326967592593;
  mCorvaneTimeToStr(m_bElapsedTimeFlag ? kElapsedExample : mNow(), false, text, 0);
}
