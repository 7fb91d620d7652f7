// CmTimeUnit: the singleton, its unit codes and the validators of axis
// definitions (tick values, increments, tick increments, tick starts).
//
// Every validator visits the units of a code in the fixed order second,
// minute, hour, day, month, quarter, year (index last), testing the unit's
// bit in the code taken as a 32-bit set.

#include <cstddef>
#include <cstdint>

#include "CmTimeCls.h"
#include "CmTimeUnit.h"
#include "time/calendar/calendar_math.h"
#include "timeunit/time_unit_detail.h"

namespace {

using cvn::detail::xIntTable;

// One base unit as the validators see it.
struct xUnitRule {
  const xIntTable* pTable;  // its factor list
  int iBit;                 // the unit's bit in a code
  int iMessage;             // the message number naming it
  int iMinStart;            // allowed tick start, inclusive
  int iMaxStart;
};

constexpr int kNumRules = 7;

// The seven base units in validation order, bits taken from the catalogue.
void mUnitRules(const CmTimeUnit& unit, xUnitRule (&rules)[kNumRules]) {
  using namespace cvn::detail;
  rules[0] = {&kMinuteFactorTable, unit.mSecond(), kMsgSecond, 0, 59};
  rules[1] = {&kMinuteFactorTable, unit.mMinute(), kMsgMinute, 0, 59};
  rules[2] = {&kHourFactorTable, unit.mHour(), kMsgHour, 0, 23};
  rules[3] = {&kDayFactorTable, unit.mDay(), kMsgDay, 1, 31};
  rules[4] = {&kYMonthFactorTable, unit.mMonth(), kMsgMonth, 1, 12};
  rules[5] = {&kQuarterFactorTable, unit.mQuarter(), kMsgQuarter, 1, 4};
  rules[6] = {&kYearFactorTable, unit.mYear(), kMsgYear, 1000, 4000};
}

bool mHasUnit(int code, int bit) {
  return (static_cast<unsigned>(code) & static_cast<unsigned>(bit)) != 0;
}

// Hands out the values of one vector forwards or backwards. The validator
// never asks for more values than groups x bits, which the vector holds.
class CmValueCursor {
 public:
  CmValueCursor(const std::vector<int>& values, bool backward)
      : m_rValues(values), m_bBackward(backward), m_uNext(backward ? values.size() : 0) {}

  int mNext() {
    if (m_bBackward) return m_rValues[--m_uNext];
    return m_rValues[m_uNext++];
  }

 private:
  const std::vector<int>& m_rValues;
  bool m_bBackward;
  std::size_t m_uNext;
};

}  // namespace

CmTimeUnit* CmTimeUnit::m_pInstance = nullptr;

CmTimeUnit* CmTimeUnit::mInstance() {
  if (m_pInstance == nullptr) m_pInstance = new CmTimeUnit();
  return m_pInstance;
}

CmTimeUnit::CmTimeUnit()
    : Singleton(1),
      m_iSecondPos(0),
      m_iMinutePos(1),
      m_iHourPos(2),
      m_iDayPos(3),
      m_iMonthPos(4),
      m_iQuarterPos(5),
      m_iYearPos(6),
      m_iIndexPos(7) {
  const xIntTable& rCodes = cvn::detail::kUnitCodeInsertOrder;
  for (int i = 0; i < rCodes.iCount; ++i) m_setUnitCodes.insert(rCodes.piValues[i]);
}

CmTimeUnit::~CmTimeUnit() { m_setUnitCodes.clear(); }

bool CmTimeUnit::mFind(int code) const { return m_setUnitCodes.count(code) != 0; }

bool CmTimeUnit::mValidCalenderClockCombination(int code) const {
  return code != mGetIndex() && mFind(code);
}

bool CmTimeUnit::mValidClockCombination(int code) const {
  const int iClockBits = mSecond() | mMinute() | mHour();
  return mHasUnit(code, iClockBits) && mFind(code);
}

bool CmTimeUnit::mValidateUnits(int code, const std::vector<int>* values, bool* quarterMismatch,
                                CmString& message) {
  if (quarterMismatch != nullptr) *quarterMismatch = false;
  message.clear();
  const int iBits = cvn::detail::mCountUnitBits(code);
  // A code without any unit bit would spread the values over zero units per
  // tick (a division by zero); with no unit to check against, and likewise
  // with no values vector at all, the input is refused: false, no message.
  if (iBits == 0 || values == nullptr) return false;

  const std::size_t uGroups = values->size() / static_cast<std::size_t>(iBits);
  // Clock combinations list each tick largest unit first, calendar ones
  // smallest first; reading from the matching end handles the smallest first.
  CmValueCursor cursor(*values, mValidClockCombination(code));
  auto mFail = [&message](int iMessage) {
    message = CmString(iMessage);
    return false;
  };

  for (std::size_t g = 0; g < uGroups; ++g) {
    int iDay = 0;    // 0: no day read in this group
    int iMonth = 0;  // 0: no month read in this group
    if (mHasUnit(code, mSecond()) && static_cast<unsigned>(cursor.mNext()) > 59u) {
      return mFail(cvn::detail::kMsgSecond);
    }
    if (mHasUnit(code, mMinute()) && static_cast<unsigned>(cursor.mNext()) > 59u) {
      return mFail(cvn::detail::kMsgMinute);
    }
    if (mHasUnit(code, mHour()) && static_cast<unsigned>(cursor.mNext()) > 23u) {
      return mFail(cvn::detail::kMsgHour);
    }
    if (mHasUnit(code, mDay())) {
      iDay = cursor.mNext();
      if (iDay < 1 || iDay > 31) return mFail(cvn::detail::kMsgDay);
    }
    if (mHasUnit(code, mMonth())) {
      iMonth = cursor.mNext();
      if (iMonth < 1 || iMonth > 12) return mFail(cvn::detail::kMsgMonth);
      const int iLongest = cvn::detail::mMonthLength(2000, iMonth);  // 2000: a leap year
      if (iDay > 0 && iDay > iLongest) return mFail(cvn::detail::kMsgDay);
    }
    if (mHasUnit(code, mQuarter())) {
      const int iQuarter = cursor.mNext();
      if (iQuarter < 1 || iQuarter > 4) return mFail(cvn::detail::kMsgQuarter);
      if (iMonth > 0 && iQuarter != (iMonth - 1) / 3 + 1) {
        if (quarterMismatch != nullptr) *quarterMismatch = true;
        return mFail(cvn::detail::kMsgQuarter);
      }
    }
    if (mHasUnit(code, mYear())) {
      const int iYear = cursor.mNext();
      if (iYear < 1000 || iYear > 4000) return mFail(cvn::detail::kMsgYear);
      if (iDay > 0 && iMonth > 0 && iDay > gcmTime.mGetMaxDaysInMonthYear(iMonth, iYear)) {
        return mFail(cvn::detail::kMsgDay);
      }
    }
    // The index unit reads no value.
  }
  return true;
}

bool CmTimeUnit::mValidateIncrement(int increment, int code, CmString& message) {
  xUnitRule rules[kNumRules];
  mUnitRules(*this, rules);
  // The candidates grow unit by unit and are never cleared; they are exact
  // products, so a huge increment is judged by its true multiples.
  std::vector<std::int64_t> vCandidates;
  bool bValid = true;
  for (const xUnitRule& rRule : rules) {
    if (!mHasUnit(code, rRule.iBit)) continue;
    cvn::detail::mAppendExactFactors(*rRule.pTable, increment, vCandidates);
    if (increment < vCandidates.front() || increment > vCandidates.back()) {
      message = CmString(rRule.iMessage);
      bValid = false;
    }
  }
  return bValid;
}

bool CmTimeUnit::mValidateTickIncrement(int tickIncrement, int increment, int code,
                                        CmString& message) {
  xUnitRule rules[kNumRules];
  mUnitRules(*this, rules);
  std::vector<std::int64_t> vCandidates;  // exact, growing unit by unit, never cleared
  bool bValid = true;
  for (const xUnitRule& rRule : rules) {
    if (!mHasUnit(code, rRule.iBit)) continue;
    cvn::detail::mAppendExactFactors(*rRule.pTable, increment, vCandidates);
    // Each unit overwrites the result; the message keeps the last failure.
    bValid = cvn::detail::mIsTickIncrement(tickIncrement, vCandidates);
    if (!bValid) message = CmString(rRule.iMessage);
  }
  // An increment of 0 has no multiples other than itself, and dividing by it
  // is not possible: the index check fails for it (message 50232).
  if (mHasUnit(code, mGetIndex()) && !cvn::detail::mIsMultipleOf(tickIncrement, increment)) {
    bValid = false;
    message = CmString(cvn::detail::kMsgIndex);
  }
  return bValid;
}

bool CmTimeUnit::mFindTickIncrement(int tickIncrement, const std::vector<int>& candidates) {
  // A member of the candidates, or else a multiple of the largest (last)
  // one. No candidates, or a last candidate of 0, admit nothing further.
  return cvn::detail::mIsTickIncrement(
      tickIncrement, std::vector<std::int64_t>(candidates.begin(), candidates.end()));
}

bool CmTimeUnit::mValidateTickStart(int start, int code, CmString& message) const {
  xUnitRule rules[kNumRules];
  mUnitRules(*this, rules);
  bool bValid = true;
  for (const xUnitRule& rRule : rules) {
    if (!mHasUnit(code, rRule.iBit)) continue;
    if (start < rRule.iMinStart || start > rRule.iMaxStart) {
      message = CmString(rRule.iMessage);
      bValid = false;
    }
  }
  return bValid;
}
