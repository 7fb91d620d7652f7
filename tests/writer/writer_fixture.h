// Shared by the writer tests: a time object whose format is set part by
// part from a short layout (independent of the format parser), with the
// class-wide state it touches restored, and a recorder of mAssert reports.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnMessaging.h"

struct CmTimeClsTestAccess {
  // A layout is blank-separated tokens: a kind letter and a count ("N1 D1 Y4
  // h1 m2 s2" is m/d/yyyy h:mm:ss), "E" for an elapsed format, "P<style>"
  // for a 12-hour clock with that AM/PM style (P alone: " AM").
  static constexpr const char* kKinds = "0YQqNAFWwDhmsutf?";  // kinds 0 to 16
  static void mSet(CmTimeCls& t, const std::string& layout, const wchar_t* dateSep,
                   const wchar_t* timeSep) {
    std::istringstream in(layout);
    std::string sToken;
    t.m_iNumParts = 0;
    t.m_b24Hour = true;
    t.m_eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
    CmTimeCls::m_bElapsedTimeFlag = false;
    while (in >> sToken) {
      const int n = sToken.size() > 1 ? std::stoi(sToken.substr(1)) : 0;
      if (sToken[0] == 'E') {
        CmTimeCls::m_bElapsedTimeFlag = true;
      } else if (sToken[0] == 'P') {
        t.m_b24Hour = false;
        t.m_eAMPMFormat = static_cast<CmTimeCls::EAMPMFormat>(n);
      } else {
        const auto eKind = static_cast<xTimePartsEnum>(std::string(kKinds).find(sToken[0]));
        t.m_xParts[t.m_iNumParts++] = {eKind, n};
      }
    }
    t.m_sDateSep = dateSep;
    t.m_sTimeSep = timeSep;
  }
  // The part list back as a layout (kinds and counts only).
  static std::string mSpec(const CmTimeCls& t) {
    std::string s;
    for (int i = 0; i < t.m_iNumParts; ++i) {
      s += (i ? " " : "") + std::string(1, kKinds[t.m_xParts[i].ePart]) +
           std::to_string(t.m_xParts[i].iCount);
    }
    return s;
  }
  static void mSetNumParts(CmTimeCls& t, int n) { t.m_iNumParts = n; }
  static bool m24Hour(const CmTimeCls& t) { return t.m_b24Hour; }
  static void mSetFixed(CmTimeCls& t) {
    t.m_iStartDayOfWeek = 6;  // weeks begin on Sunday
    t.m_sAMDefault = L"AM", t.m_sPMDefault = L"PM", t.m_sAMDefaultLower = L"am";
    t.m_sPMDefaultLower = L"pm", t.m_sAM = L"VORM.", t.m_sPM = L"NACHM.";
    t.m_sAMLower = L"vorm.", t.m_sPMLower = L"nachm.";
    t.m_sShortDateFmt = L"m/d/yyyy", t.m_sTimeFmt = L"h:mm:ss";  // the regional formats
  }
  static void mSetRegionalTime(CmTimeCls& t, const wchar_t* f) { t.m_sTimeFmt = f; }
  static const CmString& mDateTimeFmt(const CmTimeCls& t) { return t.m_sDateTimeFmt; }
};

// Records mAssert reports as "expression file line" while it lives.
struct AssertLog {
  AssertLog() : pPrevious(mSetAssertHandler(&Record)) { Reports().clear(); }
  ~AssertLog() { mSetAssertHandler(pPrevious); }
  static std::vector<std::string>& Reports() {
    static std::vector<std::string> v;
    return v;
  }
  static void Record(const char* e, const char* f, unsigned l) {
    Reports().push_back(std::string(e) + " " + f + " " + std::to_string(l));
  }
  CmAssertHandler pPrevious;
};

class WriterTest : public ::testing::Test {
 protected:
  // The decimal symbols are '.', the elapsed flag is restored afterwards.
  void SetUp() override {
    mSetInputDecimal(L'.');
    mSetOutputDecimal(L'.');
    CmTimeClsTestAccess::mSetFixed(m_time);
  }
  void TearDown() override {
    CmTimeCls::m_bElapsedTimeFlag = m_bSavedElapsed;
    mSetInputDecimal(m_cSavedInput);
    mSetOutputDecimal(m_cSavedOutput);
  }
  void mFormat(const std::string& layout, const wchar_t* dateSep = L"/",
               const wchar_t* timeSep = L":") {
    CmTimeClsTestAccess::mSet(m_time, layout, dateSep, timeSep);
  }
  // The text, date text and time text of a write, joined by '|'.
  std::wstring mWrite(double t, bool bDayNumber = false, int showFlags = 0) const {
    CmString sText(L"stale"), sDate(L"stale"), sTime(L"stale");
    m_time.mCorvaneTimeToStr(t, bDayNumber, sText, sDate, sTime, showFlags);
    return sText.str() + L"|" + sDate.str() + L"|" + sTime.str();
  }
  // The text alone, from the short form.
  std::wstring mText(double t, bool bDayNumber = false, int showFlags = 0) const {
    CmString sText(L"stale");
    m_time.mCorvaneTimeToStr(t, bDayNumber, sText, showFlags);
    return sText.str();
  }

  CmTimeCls m_time;

 private:
  const bool m_bSavedElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const wchar_t m_cSavedInput = mGetInputDecimal(), m_cSavedOutput = mGetOutputDecimal();
};

// Corvane time of a day number and a clock time.
inline double mAt(int dayNumber, int hour, int minute = 0, int second = 0, double ms = 0) {
  return dayNumber + (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + ms) / 86400000.0;
}

constexpr int kJan1st2000 = 36526;  // a Saturday
constexpr int kJan1st1000 = -328716;
constexpr int kDec31st4000 = 767376;
