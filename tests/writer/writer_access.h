// Test access to the private format fields the writer reads, so that the
// writer's tests set a format directly, independent of the format parser.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnMessaging.h"

struct CmTimeClsTestAccess {
  using Part = CmTimeCls::xTimePartsStruct;

  // Loads parts, separators, clock style and the elapsed flag, and the
  // fixed and locale designators ("AM"/"PM", "am"/"pm").
  static void mSetFormatFields(CmTimeCls& time, const std::vector<Part>& parts,
                               const wchar_t* dateSep, const wchar_t* timeSep, bool b24Hour,
                               CmTimeCls::EAMPMFormat style = CmTimeCls::eAmPmUpperSpaced) {
    time.m_iNumParts = static_cast<int>(parts.size());
    for (size_t i = 0; i < parts.size() && i < CmTimeCls::kMaxParts; ++i) {
      time.m_xParts[i] = parts[i];
    }
    time.m_sDateSep = dateSep;
    time.m_sTimeSep = timeSep;
    time.m_b24Hour = b24Hour;
    time.m_eAMPMFormat = style;
    time.m_sAMDefault = L"AM";
    time.m_sPMDefault = L"PM";
    time.m_sAMDefaultLower = L"am";
    time.m_sPMDefaultLower = L"pm";
  }

  static void mSetLocaleDesignators(CmTimeCls& time, const wchar_t* am, const wchar_t* pm,
                                    const wchar_t* amLower, const wchar_t* pmLower) {
    time.m_sAM = am;
    time.m_sPM = pm;
    time.m_sAMLower = amLower;
    time.m_sPMLower = pmLower;
  }

  static void mSetNumParts(CmTimeCls& time, int numParts) { time.m_iNumParts = numParts; }
  static void mSetStartDayOfWeek(CmTimeCls& time, int day) { time.m_iStartDayOfWeek = day; }
  static void mSetRegionalFormats(CmTimeCls& time, const wchar_t* shortDate,
                                  const wchar_t* timeFormat) {
    time.m_sShortDateFmt = shortDate;
    time.m_sTimeFmt = timeFormat;
  }

  static int mNumParts(const CmTimeCls& time) { return time.m_iNumParts; }
  static std::vector<Part> mParts(const CmTimeCls& time) {
    std::vector<Part> vParts;
    for (int i = 0; i < time.m_iNumParts && i < CmTimeCls::kMaxParts; ++i) {
      vParts.push_back(time.m_xParts[i]);
    }
    return vParts;
  }
  static bool m24Hour(const CmTimeCls& time) { return time.m_b24Hour; }
  static CmString mDateTimeFmt(const CmTimeCls& time) { return time.m_sDateTimeFmt; }
};

// Records mAssert reports while it lives and restores the previous handler.
class CmAssertRecorder {
 public:
  struct xReport {
    std::string sExpression;
    std::string sFile;
    unsigned iLine;
  };
  CmAssertRecorder() : m_pPrevious(mSetAssertHandler(&mRecord)) { mReports().clear(); }
  ~CmAssertRecorder() { mSetAssertHandler(m_pPrevious); }
  CmAssertRecorder(const CmAssertRecorder&) = delete;
  CmAssertRecorder& operator=(const CmAssertRecorder&) = delete;
  const std::vector<xReport>& mGetReports() const { return mReports(); }

 private:
  static std::vector<xReport>& mReports() {
    static std::vector<xReport> vReports;
    return vReports;
  }
  static void mRecord(const char* expression, const char* sourceFile, unsigned line) {
    mReports().push_back({expression, sourceFile, line});
  }
  CmAssertHandler m_pPrevious;
};

// Parts compare and print field by field in test expectations.
inline bool operator==(const CmTimeCls::xTimePartsStruct& a, const CmTimeCls::xTimePartsStruct& b) {
  return a.ePart == b.ePart && a.iCount == b.iCount;
}
inline void PrintTo(const CmTimeCls::xTimePartsStruct& part, std::ostream* os) {
  *os << "{" << static_cast<int>(part.ePart) << ", " << part.iCount << "}";
}
