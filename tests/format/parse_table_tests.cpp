// Tables of format strings the parser accepts, with every output, and of
// strings it refuses.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CmTimeCls.h"
#include "format/parser_access.h"

namespace {

using Parts = std::vector<std::pair<int, int>>;  // (part kind, count)

enum Designators { kEnglish, kGerman, kDotted };

void mApplyDesignators(CmTimeCls& t, Designators e) {
  switch (e) {
    case kEnglish: CmTimeClsTestAccess::mSetEnglishDesignators(t); break;
    case kGerman: CmTimeClsTestAccess::mSetGermanDesignators(t); break;
    case kDotted:
      CmTimeClsTestAccess::mSetDesignators(t, L"A.M.", L"P.M.", L"a.m.", L"p.m.");
      break;
  }
}

Parts mPartsOf(const xParsed& r) {
  Parts v;
  for (int i = 0; i < r.iNumParts && i < CmTimeCls::kMaxParts; ++i) {
    v.emplace_back(static_cast<int>(r.xParts[i].ePart), r.xParts[i].iCount);
  }
  return v;
}

struct AcceptedRow {
  const wchar_t* sFormat;
  Parts vParts;
  const wchar_t* sDateSep;
  bool b24Hour;
  int iStyle;
  eFormatType eFormat;
  bool bElapsed;
  Designators eDesignators;
};

const std::vector<AcceptedRow>& mAcceptedRows() {
  static const std::vector<AcceptedRow> kRows = {
      // Dates.
      {L"m/d/yy", {{4, 1}, {9, 1}, {1, 2}}, L"/", true, 0, eDateFormat, false, kEnglish},
      {L"M/D/YY", {{4, 1}, {9, 1}, {1, 2}}, L"/", true, 0, eDateFormat, false, kEnglish},
      {L"m/d-yy", {{4, 1}, {9, 1}, {1, 2}}, L"/", true, 0, eDateFormat, false, kEnglish},
      {L"mmmm d, yyyy", {{6, 4}, {9, 1}, {1, 4}}, L", ", true, 0, eDateFormat, false, kEnglish},
      {L"mmmm d,yyyy", {{6, 4}, {9, 1}, {1, 4}}, L", ", true, 0, eDateFormat, false, kEnglish},
      {L"mmmm d , yyyy", {{6, 4}, {9, 1}, {1, 4}}, L", ", true, 0, eDateFormat, false, kEnglish},
      {L"  mmmm   d,yyyy  ",
       {{6, 4}, {9, 1}, {1, 4}},
       L", ",
       true,
       0,
       eDateFormat,
       false,
       kEnglish},
      {L"d mmmm yyyy", {{9, 1}, {6, 4}, {1, 4}}, L" ", true, 0, eDateFormat, false, kEnglish},
      {L"d, mmmm yyyy", {{9, 1}, {6, 4}, {1, 4}}, L" ", true, 0, eDateFormat, false, kEnglish},
      {L"mmm", {{5, 3}}, L"", true, 0, eDateFormat, false, kEnglish},
      {L"mmmm", {{6, 4}}, L"", true, 0, eDateFormat, false, kEnglish},
      {L"yyyymmdd", {{1, 4}, {4, 2}, {9, 2}}, L"", true, 0, eDateFormat, false, kEnglish},
      {L"yymmdd", {{1, 2}, {4, 2}, {9, 2}}, L"", true, 0, eDateFormat, false, kEnglish},
      {L"yyyy-mm-dd", {{1, 4}, {4, 2}, {9, 2}}, L"-", true, 0, eDateFormat, false, kEnglish},
      {L"dd.mm.yy", {{9, 2}, {4, 2}, {1, 2}}, L".", true, 0, eDateFormat, false, kEnglish},
      {L"dd.mm", {{9, 2}, {4, 2}}, L".", true, 0, eDateFormat, false, kEnglish},
      {L"mm/yyyy", {{4, 2}, {1, 4}}, L"/", true, 0, eDateFormat, false, kEnglish},
      {L"yyyy/mm", {{1, 4}, {4, 2}}, L"/", true, 0, eDateFormat, false, kEnglish},
      {L"d-mmm-yy", {{9, 1}, {5, 3}, {1, 2}}, L"-", true, 0, eDateFormat, false, kEnglish},
      {L"mmm-yy", {{5, 3}, {1, 2}}, L"-", true, 0, eDateFormat, false, kEnglish},
      {L"@m/d/yy@", {{4, 1}, {9, 1}, {1, 2}}, L"/", true, 0, eDateFormat, false, kEnglish},
      // Quarters and weeks.
      {L"yyyyQq", {{1, 4}, {2, 1}}, L"Q", true, 0, eDateFormat, false, kEnglish},
      {L"yyyy Qq", {{1, 4}, {2, 1}}, L"Q", true, 0, eDateFormat, false, kEnglish},
      {L"qQ yyyy", {{3, 1}, {1, 4}}, L"Q", true, 0, eDateFormat, false, kEnglish},
      {L"qQyyyy", {{3, 1}, {1, 4}}, L"Q", true, 0, eDateFormat, false, kEnglish},
      {L"wwWk yyyy", {{8, 2}, {1, 4}}, L"Wk", true, 0, eDateFormat, false, kEnglish},
      {L"wWkyy", {{8, 1}, {1, 2}}, L"Wk", true, 0, eDateFormat, false, kEnglish},
      {L"yyyyWkww", {{1, 4}, {7, 2}}, L"Wk", true, 0, eDateFormat, false, kEnglish},
      {L"yyyyWkw", {{1, 4}, {7, 1}}, L"Wk", true, 0, eDateFormat, false, kEnglish},
      {L"Wkw", {{7, 1}}, L"Wk", true, 0, eDateFormat, false, kEnglish},
      // Times.
      {L"h:mm:ss am/pm", {{10, 1}, {11, 2}, {12, 2}}, L"", false, 1, eTimeFormat, false, kEnglish},
      {L"h:mm:ss AM/PM", {{10, 1}, {11, 2}, {12, 2}}, L"", false, 0, eTimeFormat, false, kEnglish},
      {L"h:mm:ssAM/PM", {{10, 1}, {11, 2}, {12, 2}}, L"", false, 2, eTimeFormat, false, kEnglish},
      {L"h:mm:ssam/pm", {{10, 1}, {11, 2}, {12, 2}}, L"", false, 3, eTimeFormat, false, kEnglish},
      {L"h:mm A/P", {{10, 1}, {11, 2}}, L"", false, 4, eTimeFormat, false, kEnglish},
      {L"h:mm a/p", {{10, 1}, {11, 2}}, L"", false, 5, eTimeFormat, false, kEnglish},
      {L"h:mmA/P", {{10, 1}, {11, 2}}, L"", false, 6, eTimeFormat, false, kEnglish},
      {L"h:mma/p", {{10, 1}, {11, 2}}, L"", false, 7, eTimeFormat, false, kEnglish},
      {L"h:mm VORM./NACHM.", {{10, 1}, {11, 2}}, L"", false, 8, eTimeFormat, false, kGerman},
      {L"h:mm vorm./nachm.", {{10, 1}, {11, 2}}, L"", false, 9, eTimeFormat, false, kGerman},
      {L"h:mmVORM./NACHM.", {{10, 1}, {11, 2}}, L"", false, 10, eTimeFormat, false, kGerman},
      {L"h:mmvorm./nachm.", {{10, 1}, {11, 2}}, L"", false, 11, eTimeFormat, false, kGerman},
      {L"h:mm A.M./P.M.", {{10, 1}, {11, 2}}, L"", false, 8, eTimeFormat, false, kDotted},
      {L"h:mm a.m./p.m.", {{10, 1}, {11, 2}}, L"", false, 9, eTimeFormat, false, kDotted},
      {L"h:mm AM/PM", {{10, 1}, {11, 2}}, L"", false, 0, eTimeFormat, false, kGerman},
      {L"hh:mm:ss.sss",
       {{10, 2}, {11, 2}, {12, 2}, {15, 3}},
       L"",
       true,
       0,
       eTimeFormat,
       false,
       kEnglish},
      {L"ss.s", {{12, 2}, {15, 1}}, L"", true, 0, eTimeFormat, false, kEnglish},
      {L"mm:ss", {{11, 2}, {12, 2}}, L"", true, 0, eTimeFormat, false, kEnglish},
      {L"hh", {{10, 2}}, L"", true, 0, eTimeFormat, false, kEnglish},
      {L"[h]:mm:ss", {{10, 1}, {11, 2}, {12, 2}}, L"", true, 0, eTimeFormat, true, kEnglish},
      {L"[hh]:mm", {{10, 2}, {11, 2}}, L"", true, 0, eTimeFormat, true, kEnglish},
      {L"[m]:ss", {{11, 1}, {12, 2}}, L"", true, 0, eTimeFormat, true, kEnglish},
      {L"[ss]", {{12, 1}}, L"", true, 0, eTimeFormat, true, kEnglish},  // the width of "[s]"
      {L"[s].ss", {{12, 1}, {15, 2}}, L"", true, 0, eTimeFormat, true, kEnglish},
      // Date-times; the date portion holds separators.
      {L"mmm d h", {{5, 3}, {9, 1}, {10, 1}}, L" ", true, 0, eDateTimeFormat, false, kEnglish},
      {L"m/d h", {{4, 1}, {9, 1}, {10, 1}}, L"/", true, 0, eDateTimeFormat, false, kEnglish},
      {L"mmmm d, yyyy h:mm:ss",
       {{6, 4}, {9, 1}, {1, 4}, {10, 1}, {11, 2}, {12, 2}},
       L", ",
       true,
       0,
       eDateTimeFormat,
       false,
       kEnglish},
      {L"d mmmm yyyy h:mm:ss",
       {{9, 1}, {6, 4}, {1, 4}, {10, 1}, {11, 2}, {12, 2}},
       L" ",
       true,
       0,
       eDateTimeFormat,
       false,
       kEnglish},
      {L"d-mmm-yy h:mm:ss",
       {{9, 1}, {5, 3}, {1, 2}, {10, 1}, {11, 2}, {12, 2}},
       L"-",
       true,
       0,
       eDateTimeFormat,
       false,
       kEnglish},
      {L"m/d/yy, h:mm",
       {{4, 1}, {9, 1}, {1, 2}, {10, 1}, {11, 2}},
       L"/",
       true,
       0,
       eDateTimeFormat,
       false,
       kEnglish},
      {L"m/d/yyyy h:mm:ss.sss AM/PM",
       {{4, 1}, {9, 1}, {1, 4}, {10, 1}, {11, 2}, {12, 2}, {15, 3}},
       L"/",
       false,
       0,
       eDateTimeFormat,
       false,
       kEnglish},
      {L"yyyy mm:ss", {{1, 4}, {11, 2}, {12, 2}}, L" ", true, 0, eDateTimeFormat, false, kEnglish},
  };
  return kRows;
}

class FormatParser : public ::testing::Test {
 protected:
  void SetUp() override { CmTimeClsTestAccess::mSetEnglishDesignators(m_t); }

  xSharedStateGuard m_xGuard;
  CmTimeCls m_t;
};

TEST_F(FormatParser, AcceptsTableWithEveryOutput) {
  for (const AcceptedRow& row : mAcceptedRows()) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    mApplyDesignators(m_t, row.eDesignators);
    const xParsed r = CmTimeClsTestAccess::mParse(m_t, row.sFormat);
    EXPECT_TRUE(r.bOk);
    EXPECT_EQ(mPartsOf(r), row.vParts);
    EXPECT_EQ(mNarrow(r.sDateSep), mNarrow(row.sDateSep));
    EXPECT_EQ(mNarrow(r.sTimeSep), ":");
    EXPECT_EQ(r.b24Hour, row.b24Hour);
    EXPECT_EQ(static_cast<int>(r.eStyle), row.iStyle);
    EXPECT_EQ(r.eFormat, row.eFormat);
    EXPECT_EQ(r.bElapsed, row.bElapsed);
  }
}

TEST_F(FormatParser, AcceptsTheDefaultFormatsOfLocaleInitialisation) {
  // The formats built for a "M/d/yyyy" locale, blanks as built.
  const wchar_t* kFormats[] = {
      L"m/d h:mm:ss",          L"mm/yyyy h:mm:ss",     L"m/d/yyyy h:mm:ss",  L"m/d/yy  h:mm:ss",
      L"d-mmm-yy  h:mm:ss",    L"mmm-yy  h:mm:ss",     L"mmm d h:mm:ss",     L"mmm yyyy h:mm:ss",
      L"mmmm d, yyyy h:mm:ss", L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss",     L"[h]:mm:ss",
      L"h:mm:ss am/pm",        L"mmmm d h:mm:ss",      L"mmmm yyyy h:mm:ss", L"d mmmm h:mm:ss",
      L"dd.mm h:mm:ss",        L"mm-dd h:mm:ss",
  };
  for (const wchar_t* sFormat : kFormats) {
    SCOPED_TRACE(mNarrow(sFormat));
    EXPECT_TRUE(CmTimeClsTestAccess::mParse(m_t, sFormat).bOk);
  }
}

struct RefusedRow {
  const wchar_t* sFormat;
  const char* sWhy;
};

TEST_F(FormatParser, RefusesTable) {
  const RefusedRow kRows[] = {
      {L"", "empty"},
      {L"   ", "blanks only"},
      {L"h:[mm]", "bracket after a part"},
      {L"[mm]:ss", "two minute letters in a bracket"},
      {L"[h]:mm am/pm", "designator with an elapsed time"},
      {L"[d]", "bracket around a date part"},
      {L"[h][m]", "second bracket"},
      {L"h:m", "one minute letter"},
      {L"hh.mm", "time separator not a colon"},
      {L"h-mm", "time separator not a colon"},
      {L"ss.ssss", "four decimals"},
      {L"h:mm:ss,sss", "comma while the decimal symbol is a point"},
      {L"Qq yyyy", "label-first quarter before the year"},
      {L"QQ yyyy", "label-first quarter before the year"},
      {L"yyyy qQ", "number-first quarter not first"},
      {L"mm Qq", "quarter with a month"},
      {L"Qqq", "three quarter letters"},
      {L"qQ yyyy Qq", "two quarters"},
      {L"Qq h", "quarter with a time part"},
      {L"Wk", "week label without a number"},
      {L"ww", "week letters at the end"},
      {L"wWk hh", "week with a time part"},
      {L"wWk d", "week with a day"},
      {L"Wkw yyyy", "label-first week before the year"},
      {L"yyyy wWk", "number-first week not first"},
      {L"yymmmdd", "no separators and a three-letter month"},
      {L"yyyymmdd hh:mm", "date portion without separators"},
      {L"yyyymmddhh:mm", "date portion without separators, no blank"},
      {L"md h", "date portion without separators"},
      {L"mdh", "date portion without separators, no blank"},
      {L"mmm h", "month name and hour alone"},
      {L"mmmm h", "month name and hour alone"},
      {L"yy/yy", "year twice"},
      {L"m/mm", "month twice"},
      {L"y", "one year letter"},
      {L"yyy", "three year letters"},
      {L"mmmmm", "five month letters"},
      {L"ddd", "three day letters"},
      {L"hhh", "three hour letters"},
      {L"m//d", "doubled separator"},
      {L"m/-d", "two separators in a row"},
      {L"/m/d", "separator first"},
      {L"m/d:yy", "colon between date parts"},
      {L"d/h", "date separator before an hour"},
      {L"h:mm AM", "lone two-letter designator"},
      {L"h:mm a", "lone one-letter designator"},
      {L"h:mm P", "lone one-letter designator"},
      {L"m/d/yyyy am/pm", "designator without an hour"},
      {L"h:mm VORM./NACHM.", "not the locale pair"},
      {L"x", "unknown character"},
      {L"m/d/yy 1", "digit"},
      {L"h:mm:ss ss", "second twice"},
      {L"ss:mm", "minute taken as a month after a second"},
      {L"h:ss", "second right after the hour"},
      {L"mm:ss:hh", "hour after minutes"},
  };
  for (const RefusedRow& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat) + " (" + row.sWhy + ")");
    EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, row.sFormat).bOk);
  }
}

TEST_F(FormatParser, LocalePairMustCloseTheFormat) {
  CmTimeClsTestAccess::mSetGermanDesignators(m_t);
  EXPECT_TRUE(CmTimeClsTestAccess::mParse(m_t, L"h:mm VORM./NACHM.").bOk);
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L"h:mm VORM./NACHM. x").bOk);
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L"h:mm VORM.").bOk);
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L"h:mm NACHM./VORM.").bOk);
  // Without locale designators a locale token cannot start.
  CmTimeClsTestAccess::mSetDesignators(m_t, L"", L"", L"", L"");
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L"h:mm VORM./NACHM.").bOk);
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L"h:mm /").bOk);
}

TEST_F(FormatParser, DatePortionOfDateTimeFormatsNeedsSeparators) {
  // Both sides of the date-portion check: the portion up to the blank
  // before the first time part must be longer than its parts' widths.
  const struct {
    const wchar_t* sFormat;
    bool bOk;
  } kRows[] = {
      {L"mmm d h", true},               // "mmm d": 5 > 4
      {L"mmmm d, yyyy h:mm:ss", true},  // 12 > 9
      {L"d mmmm yyyy h:mm:ss", true},   // 11 > 9
      {L"m/d h", true},                 // 3 > 2
      {L"yyyy-mm-dd hh:mm", true},      // 10 > 8
      {L"yyyymmdd hh:mm", false},       // 8 = 8
      {L"yymmdd h", false},             // 6 = 6
      {L"md h", false},                 // 2 = 2
      {L"mmmyyyy h", false},            // 7 = 7
      {L"mmm yyyy h", true},            // 8 > 7
      {L"yyyy h", true},                // one date part: not checked
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    EXPECT_EQ(CmTimeClsTestAccess::mParse(m_t, row.sFormat).bOk, row.bOk);
  }
}

TEST_F(FormatParser, DateWithoutSeparatorsNeedsFixedWidths) {
  const struct {
    const wchar_t* sFormat;
    bool bOk;
  } kRows[] = {
      {L"yyyymmdd", true}, {L"yymmdd", true},   {L"ddmmyyyy", true},
      {L"mmddyy", true},   {L"yyyymdd", false}, {L"yyyymmd", false},
      {L"dmyy", false},    {L"yymmmdd", false}, {L"yyyymmmmdd", false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    EXPECT_EQ(CmTimeClsTestAccess::mParse(m_t, row.sFormat).bOk, row.bOk);
  }
}

TEST_F(FormatParser, OrderOfTimeParts) {
  const struct {
    const wchar_t* sFormat;
    bool bOk;
  } kRows[] = {
      {L"h:mm:ss.s", true}, {L"mm:ss.ss", true}, {L"ss.sss", true},   {L"h:mm", true},
      {L"h:mm.s", false},   {L"mm:hh", false},   {L"ss.s:mm", false}, {L"h:mm:ss h", false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    EXPECT_EQ(CmTimeClsTestAccess::mParse(m_t, row.sFormat).bOk, row.bOk);
  }
}

}  // namespace
