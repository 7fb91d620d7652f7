// Fixture of the writer tests: a time object whose format the test sets
// field by field, with the class-wide state it touches restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"
#include "tests/writer/writer_access.h"

using Part = CmTimeClsTestAccess::Part;

// The three results of one write.
struct xWritten {
  std::wstring sText;
  std::wstring sDate;
  std::wstring sTime;
};

class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_bSavedElapsed = CmTimeCls::m_bElapsedTimeFlag;
    m_cSavedInputDecimal = mGetInputDecimal();
    m_cSavedOutputDecimal = mGetOutputDecimal();
    CmTimeCls::m_bElapsedTimeFlag = false;
    mSetInputDecimal(L'.');
    mSetOutputDecimal(L'.');
    CmTimeClsTestAccess::mSetStartDayOfWeek(m_time, 6);
  }
  void TearDown() override {
    CmTimeCls::m_bElapsedTimeFlag = m_bSavedElapsed;
    mSetInputDecimal(m_cSavedInputDecimal);
    mSetOutputDecimal(m_cSavedOutputDecimal);
  }

  // Sets an absolute format (the elapsed flag cleared).
  void mFormat(const std::vector<Part>& parts, const wchar_t* dateSep = L"/",
               const wchar_t* timeSep = L":", bool b24Hour = true,
               CmTimeCls::EAMPMFormat style = CmTimeCls::eAmPmUpperSpaced) {
    CmTimeClsTestAccess::mSetFormatFields(m_time, parts, dateSep, timeSep, b24Hour, style);
    CmTimeCls::m_bElapsedTimeFlag = false;
  }
  // Sets an elapsed format (24-hour unless told otherwise).
  void mElapsedFormat(const std::vector<Part>& parts, bool b24Hour = true) {
    CmTimeClsTestAccess::mSetFormatFields(m_time, parts, L"/", L":", b24Hour);
    CmTimeCls::m_bElapsedTimeFlag = true;
  }

  xWritten mWrite(double t, bool bDayNumber = false, int showFlags = 0) const {
    CmString sText(L"stale");
    CmString sDate(L"stale");
    CmString sTime(L"stale");
    m_time.mCorvaneTimeToStr(t, bDayNumber, sText, sDate, sTime, showFlags);
    return {sText.str(), sDate.str(), sTime.str()};
  }

  CmTimeCls m_time;

 private:
  bool m_bSavedElapsed = false;
  wchar_t m_cSavedInputDecimal = L'.';
  wchar_t m_cSavedOutputDecimal = L'.';
};

// Corvane time of a day number and a clock time.
inline double mAt(int dayNumber, int hour, int minute = 0, int second = 0, int thousandths = 0) {
  return dayNumber +
         (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + thousandths) / 86400000.0;
}

// Common formats, as parts.
inline std::vector<Part> mMdyHms() {  // m/d/yyyy h:mm:ss
  return {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}, {xSecond, 2}};
}
inline std::vector<Part> mMdy() { return {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}}; }
inline std::vector<Part> mHms() { return {{xHour, 1}, {xMinute, 2}, {xSecond, 2}}; }

// Day numbers used below.
constexpr int kJan1st2000 = 36526;  // a Saturday
constexpr int kJan1st1000 = -328716;
constexpr int kDec31st4000 = 767376;
