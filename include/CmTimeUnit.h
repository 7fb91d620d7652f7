// CmTimeUnit: the catalogue of units a time axis can be stepped in, their
// combinations (unit codes are bit masks: second 1, minute 2, hour 4, day 8,
// month 16, quarter 32, year 64, index 128, and sums of them), the factor
// lists of allowed increments, and validators for axis definitions.
#pragma once

#include <set>
#include <vector>

#include "CmString.h"
#include "CvnBasicTypes.h"
#include "CvnDateTimeExport.h"
#include "CvnTimeTypes.h"

class CVN_API CmTimeUnit : public Singleton {
 public:
  // The one catalogue, created on first use and never destroyed.
  static CmTimeUnit* mInstance();
  ~CmTimeUnit() override;

  // The code of each unit and of the usual combinations (sums of unit
  // codes); the mGet... forms are the same values.
  int mSecond() const { return 1 << m_iSecondPos; }
  int mMinute() const { return 1 << m_iMinutePos; }
  int mMinuteSecond() const { return mMinute() + mSecond(); }
  int mHour() const { return 1 << m_iHourPos; }
  int mHourMinute() const { return mHour() + mMinute(); }
  int mHourMinuteSecond() const { return mHour() + mMinute() + mSecond(); }
  int mDay() const { return 1 << m_iDayPos; }
  int mDayHour() const { return mDay() + mHour(); }
  int mDayHourMinute() const { return mDay() + mHour() + mMinute(); }
  int mMonth() const { return 1 << m_iMonthPos; }
  int mDayMonth() const { return mDay() + mMonth(); }
  int mQuarter() const { return 1 << m_iQuarterPos; }
  int mMonthQuarter() const { return mMonth() + mQuarter(); }
  int mYear() const { return 1 << m_iYearPos; }
  int mMonthYear() const { return mMonth() + mYear(); }
  int mDayMonthYear() const { return mDay() + mMonth() + mYear(); }
  int mQuarterYear() const { return mQuarter() + mYear(); }
  int mMonthQuarterYear() const { return mMonth() + mQuarter() + mYear(); }
  int mGetSecond() const { return mSecond(); }
  int mGetMinute() const { return mMinute(); }
  int mGetHour() const { return mHour(); }
  int mGetDay() const { return mDay(); }
  int mGetMonth() const { return mMonth(); }
  int mGetQuarter() const { return mQuarter(); }
  int mGetYear() const { return mYear(); }
  int mGetIndex() const { return 1 << m_iIndexPos; }

  // Whether code is one of the catalogue's unit codes; whether it joins
  // calendar units with clock units in an allowed way; whether it is an
  // allowed combination of clock units alone.
  bool mFind(int code) const;
  bool mValidCalenderClockCombination(int code) const;
  bool mValidClockCombination(int code) const;
  // Appends the factor list of a format part times multiplier; always true.
  bool mGetTimeUnitFactors(xTimePartsEnum part, std::vector<int>& out, int multiplier) const;
  // Appends the factor lists of every unit in code.
  void mGetTimeUnitFactors(int code, std::vector<int>& out, int multiplier) const;
  // Validators of an axis definition: true when valid; false with message
  // set to the text of the failure (mValidateUnits clears message first; the
  // others leave it as it was when valid). mValidateUnits checks values, one
  // per unit of code for each tick (false without a message for a code of
  // no unit or null values), and tells in *quarterMismatch (null: skipped)
  // when months do not fit the quarters; mValidateIncrement checks an increment against the factor
  // lists of code; mValidateTickIncrement a tick increment against the
  // increment; mValidateTickStart the first tick.
  bool mValidateUnits(int code, const std::vector<int>* values, bool* quarterMismatch,
                      CmString& message);
  bool mValidateIncrement(int increment, int code, CmString& message);
  bool mValidateTickIncrement(int tickIncrement, int increment, int code, CmString& message);
  bool mValidateTickStart(int start, int code, CmString& message) const;

 private:
  friend struct CmTimeUnitTestAccess;
  CmTimeUnit();

  void mGetSecondFactors(std::vector<int>& out, int multiplier) const;
  void mGetMinuteFactors(std::vector<int>& out, int multiplier) const;
  void mGetHourFactors(std::vector<int>& out, int multiplier) const;
  void mGetDayFactors(std::vector<int>& out, int multiplier) const;
  void mGetYMonthFactors(std::vector<int>& out, int multiplier) const;
  void mGetQuarterFactors(std::vector<int>& out, int multiplier) const;
  void mGetQMonthFactors(std::vector<int>& out, int multiplier) const;
  void mGetYearFactors(std::vector<int>& out, int multiplier) const;
  bool mFindTickIncrement(int tickIncrement, const std::vector<int>& candidates);

  int m_iSecondPos;
  int m_iMinutePos;
  int m_iHourPos;
  int m_iDayPos;
  int m_iMonthPos;
  int m_iQuarterPos;
  int m_iYearPos;
  int m_iIndexPos;
  std::set<int> m_setUnitCodes;

  static CmTimeUnit* m_pInstance;
};
