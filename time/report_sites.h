// The report sites of the library's invariant checks: the condition text,
// source file and line that each mAssert report carries.
//
// These texts and numbers are fixed. Host programs recognise a report by
// them (they filter, count or translate known reports), and they have stayed
// the same across releases, so they no longer name real lines of the
// sources: never renumber an entry or reword its text, and add a new site
// with a number no other entry uses.
#pragma once

#include "CvnMessaging.h"

namespace cvn::detail {

struct xReportSite {
  const char* pszCondition;
  const char* pszFile;
  unsigned uLine;
};

// clang-format off
// ---- Writer
constexpr xReportSite kReportFractionWidth{"iW <= 3 && iW >= 1", "time", 3399};  // elapsed fraction of 0 or > 3 digits
constexpr xReportSite kReportUnknownPart{"false", "time", 3584};  // a part kind the writer cannot write
// ---- Unit catalogue
constexpr xReportSite kReportNoFactors{"false", "time", 795};  // a part without factor list
// ---- Scales
constexpr xReportSite kReportNormUnit{"false", "time", 5359};   // mNormToCorvaneTime: unknown unit
constexpr xReportSite kReportRangeUnit{"false", "time", 5545};  // mNumTimesInRange: unknown unit
constexpr xReportSite kReportBiggerUnit{"false", "time", 4441}; // mDidBiggerTimeUnitChange: unknown unit
constexpr xReportSite kReportDiffUnit{"false", "time", 9341};   // mGetTimeDiff: unknown unit
constexpr xReportSite kReportNiceUnit{"false", "time", 4640};   // mFindNiceScale: no unit found
constexpr xReportSite kReportNiceRound{"false", "time", 4722};  // mFindNiceScale: no round start
constexpr xReportSite kReportDayMonthCode{
    "(iTimeUnits == CmTimeUnit::mInstance()->mDay()) || "
    "(iTimeUnits == CmTimeUnit::mInstance()->mMonth()) || "
    "(iTimeUnits == CmTimeUnit::mInstance()->mYear()) || "
    "(iTimeUnits == CmTimeUnit::mInstance()->mDayMonth()) || "
    "(iTimeUnits == CmTimeUnit::mInstance()->mDayMonthYear())",
    "time", 4162};  // mGenerateSpecialDayMonthTimes: unit code
constexpr xReportSite kReportDayMonthRemainder{"iRemainder >= 0", "time", 4206};
// ---- Format model and reader
constexpr xReportSite kReportGenerateToken{"false", "time", 89};     // mGenerateFormat: a part it cannot write
constexpr xReportSite kReportWidestWidth{"false", "time", 202};      // mGetWidestFormattedWidth: not a name part
constexpr xReportSite kReportLoopCursorTake{"false", "time", 55};    // mNextFormat: no cursor for the type
constexpr xReportSite kReportLoopCursorStore{"false", "time", 56};   // mNextFormat: the same, where it is stored back
constexpr xReportSite kReportPacked14Short{"rvuFormat14.size() >= PACKED_WORDS_14", "time", 2872};
constexpr xReportSite kReportPacked14Size{"rvuFormat14.size() == PACKED_WORDS_14", "time", 2883};
constexpr xReportSite kReportPackedFourthWord{"0 == vuFormat[3]", "time", 2809};
constexpr xReportSite kReportMatchPos{"iMatchPos >= 0", "time", 8793};
// clang-format on

// Reports the invariant of site as broken; returns false, as mAssert does.
inline bool mReport(const xReportSite& site) {
  return mAssert(site.pszCondition, site.pszFile, site.uLine, false, false);
}

}  // namespace cvn::detail
