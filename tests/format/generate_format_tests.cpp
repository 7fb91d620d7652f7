// Format generation: canonical text from parts, the designator styles, the
// widest month name, the date/time split and the older-format recognition.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "CvnMessaging.h"
#include "format/parser_access.h"
#include "time/format/generate_format.h"

namespace {

using PartList = std::vector<CmTimeCls::xTimePartsStruct>;

CmTimeCls::xTimePartsStruct P(int part, int count) {
  return {static_cast<xTimePartsEnum>(part), count};
}

// Captured mAssert reports.
struct Report {
  std::string sExpression;
  std::string sFile;
};
std::vector<Report> gvReports;
void mCapture(const char* expression, const char* file, unsigned /*line*/) {
  gvReports.push_back({expression, file});
}

class FormatGenerator : public ::testing::Test {
 protected:
  void SetUp() override {
    CmTimeClsTestAccess::mSetEnglishDesignators(m_t);
    gvReports.clear();
    m_pPrevious = mSetAssertHandler(mCapture);
  }
  void TearDown() override { mSetAssertHandler(m_pPrevious); }

  std::wstring mGen(const PartList& parts, const wchar_t* dateSep, bool b24Hour = true,
                    int style = 0, bool bElapsed = false) {
    return CmTimeClsTestAccess::mGenerateParts(m_t, parts, dateSep, L":", b24Hour, style, bElapsed);
  }

  xSharedStateGuard m_xGuard;
  CmTimeCls m_t;
  CmAssertHandler m_pPrevious = nullptr;
};

TEST_F(FormatGenerator, TokensAndSeparators) {
  const struct {
    PartList vParts;
    const wchar_t* sDateSep;
    bool b24Hour;
    int iStyle;
    const wchar_t* sExpected;
  } kRows[] = {
      {{P(4, 1), P(9, 1), P(1, 2)}, L"/", true, 0, L"m/d/yy"},
      {{P(4, 2), P(9, 2), P(1, 4)}, L"-", true, 0, L"mm-dd-yyyy"},
      {{P(10, 1), P(11, 2), P(12, 2)}, L"", false, 1, L"h:mm:ss am/pm"},
      {{P(9, 1), P(6, 4), P(1, 4), P(10, 2), P(11, 2)}, L" ", true, 0, L"d mmmm yyyy hh:mm"},
      {{P(8, 2), P(1, 4)}, L"Wk", true, 0, L"wwWkyyyy"},
      {{P(8, 1), P(1, 2)}, L"wk", true, 0, L"wWkyy"},
      {{P(1, 4), P(7, 2)}, L"WK", true, 0, L"yyyyWkww"},
      {{P(1, 4), P(7, 1)}, L"Wk", true, 0, L"yyyyWkw"},
      {{P(1, 4), P(2, 1)}, L"Q", true, 0, L"yyyyQq"},
      {{P(3, 1), P(1, 4)}, L"Q", true, 0, L"qQyyyy"},
      {{P(6, 4), P(9, 1), P(1, 4)}, L", ", true, 0, L"mmmm d, yyyy"},
      {{P(5, 3), P(9, 2), P(1, 4)}, L", ", true, 0, L"mmm dd, yyyy"},
      {{P(5, 3), P(1, 2)}, L", ", true, 0, L"mmm yy"},  // no day written yet: a blank
      {{P(6, 4), P(9, 1)}, L",", true, 0, L"mmmm,d"},   // a lone comma is used as it is
      {{P(1, 4), P(4, 2), P(9, 2)}, L"", true, 0, L"yyyymmdd"},
      {{P(1, 3)}, L"", true, 0, L"yy"},  // below 4: two letters
      {{P(1, 5)}, L"", true, 0, L"yyyy"},
      {{P(4, 3)}, L"", true, 0, L"m"},
      {{P(5, 3)}, L"", true, 0, L"mmm"},
      {{P(10, 1), P(11, 2), P(12, 2), P(15, 3)}, L"", true, 0, L"h:mm:ss.sss"},
      {{P(12, 2), P(14, 1)}, L"", true, 0, L"ss.s"},
      {{P(12, 2), P(13, 2)}, L"", true, 0, L"ss.ss"},
      {{P(10, 1), P(11, 2)}, L"", false, 4, L"h:mm A/P"},
      {{P(4, 1)}, L"", false, 0, L"m"},    // no time part: no designator
      {{P(10, 1)}, L"", false, 12, L"h"},  // style outside 0..11
      {{P(10, 1)}, L"", false, -1, L"h"},
      {{}, L"/", true, 0, L""},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sExpected));
    EXPECT_EQ(mGen(row.vParts, row.sDateSep, row.b24Hour, row.iStyle), row.sExpected);
  }
  EXPECT_TRUE(gvReports.empty());
}

TEST_F(FormatGenerator, ElapsedSpellingsOnlyForTheFirstPart) {
  EXPECT_EQ(mGen({P(10, 1), P(11, 2), P(12, 2)}, L"", true, 0, true), L"[h]:mm:ss");
  EXPECT_EQ(mGen({P(10, 2), P(11, 2)}, L"", true, 0, true), L"[hh]:mm");
  EXPECT_EQ(mGen({P(11, 1), P(12, 2)}, L"", true, 0, true), L"[m]:ss");
  EXPECT_EQ(mGen({P(11, 2)}, L"", true, 0, true), L"[m]");
  EXPECT_EQ(mGen({P(12, 2)}, L"", true, 0, true), L"[s]");
  EXPECT_EQ(mGen({P(12, 0)}, L"", true, 0, true), L"ss");  // count below 1
  EXPECT_EQ(mGen({P(9, 1), P(10, 1)}, L"", true, 0, true), L"d h");
  EXPECT_EQ(mGen({P(10, 1), P(11, 2), P(12, 2)}, L"", true, 0, false), L"h:mm:ss");
}

TEST_F(FormatGenerator, OutputDecimalStartsTheFraction) {
  mSetOutputDecimal(L',');
  EXPECT_EQ(mGen({P(10, 1), P(11, 2), P(12, 2), P(15, 3)}, L""), L"h:mm:ss,sss");
}

TEST_F(FormatGenerator, DesignatorPairOfEveryStyle) {
  const wchar_t* kEnglish[] = {L" AM/PM", L" am/pm", L"AM/PM",  L"am/pm",  L" A/P",  L" a/p",
                               L"A/P",    L"a/p",    L" AM/PM", L" am/pm", L"AM/PM", L"am/pm"};
  const wchar_t* kGerman[] = {L" AM/PM",        L" am/pm",        L"AM/PM",        L"am/pm",
                              L" A/P",          L" a/p",          L"A/P",          L"a/p",
                              L" VORM./NACHM.", L" vorm./nachm.", L"VORM./NACHM.", L"vorm./nachm."};
  for (int iStyle = 0; iStyle < 12; ++iStyle) {
    SCOPED_TRACE(iStyle);
    CmTimeClsTestAccess::mSetEnglishDesignators(m_t);
    EXPECT_EQ(mGen({P(10, 1)}, L"", false, iStyle), std::wstring(L"h") + kEnglish[iStyle]);
    CmTimeClsTestAccess::mSetGermanDesignators(m_t);
    EXPECT_EQ(mGen({P(10, 1)}, L"", false, iStyle), std::wstring(L"h") + kGerman[iStyle]);
  }
}

TEST_F(FormatGenerator, MakeAMPMFormatForEveryStyleAndHour) {
  const wchar_t* kAM[] = {L" AM", L" am", L"AM",     L"am",     L" A",    L" a",
                          L"A",   L"a",   L" VORM.", L" vorm.", L"VORM.", L"vorm."};
  const wchar_t* kPM[] = {L" PM", L" pm", L"PM",      L"pm",      L" P",     L" p",
                          L"P",   L"p",   L" NACHM.", L" nachm.", L"NACHM.", L"nachm."};
  CmTimeClsTestAccess::mSetGermanDesignators(m_t);
  for (int iStyle = 0; iStyle < 12; ++iStyle) {
    SCOPED_TRACE(iStyle);
    EXPECT_EQ(CmTimeClsTestAccess::mMakeAMPM(m_t, iStyle, 0), kAM[iStyle]);
    EXPECT_EQ(CmTimeClsTestAccess::mMakeAMPM(m_t, iStyle, 11), kAM[iStyle]);
    EXPECT_EQ(CmTimeClsTestAccess::mMakeAMPM(m_t, iStyle, 12), kPM[iStyle]);
    EXPECT_EQ(CmTimeClsTestAccess::mMakeAMPM(m_t, iStyle, 23), kPM[iStyle]);
  }
  EXPECT_EQ(CmTimeClsTestAccess::mMakeAMPM(m_t, 12, 12), L"");
  EXPECT_EQ(CmTimeClsTestAccess::mMakeAMPM(m_t, -1, 12), L"");
}

TEST_F(FormatGenerator, UnknownPartIsReportedAndWritesNothing) {
  EXPECT_EQ(mGen({P(0, 1)}, L""), L"");
  ASSERT_EQ(gvReports.size(), 1u);
  EXPECT_EQ(gvReports[0].sExpression, "false");
  EXPECT_EQ(gvReports[0].sFile, "time");
  gvReports.clear();
  const std::wstring s = mGen({P(1, 4), P(99, 1), P(-7, 1)}, L"/");
  EXPECT_EQ(s.substr(0, 4), L"yyyy");
  EXPECT_EQ(gvReports.size(), 2u);
}

TEST_F(FormatGenerator, WildInputsStayBounded) {
  const PartList v(CmTimeCls::kMaxParts, P(15, 1 << 30));
  const std::wstring s = mGen(v, L"/");
  EXPECT_EQ(s.size(),
            static_cast<size_t>(CmTimeCls::kMaxParts * (cvn::detail::kMaxFractionLetters + 1)));
  EXPECT_EQ(mGen({P(15, -5)}, L""), L".");
  // Null separators read as empty ones.
  EXPECT_EQ(CmTimeClsTestAccess::mGenerateParts(m_t, {P(4, 1), P(9, 1)}, nullptr, nullptr, true, 0,
                                                false),
            L"md");
  EXPECT_EQ(CmTimeClsTestAccess::mGenerateParts(m_t, {P(10, 1), P(11, 2)}, nullptr, nullptr, true,
                                                0, false),
            L"hmm");
}

TEST_F(FormatGenerator, WidestMonthNameReadsTheNameTables) {
  const wchar_t* kAbbrev[12] = {L"JAN", L"FEB", L"MAR", L"APR", L"MAY", L"JUN",
                                L"JUL", L"AUG", L"SEP", L"OCT", L"NOV", L"DEC"};
  const wchar_t* kNames[12] = {L"JANUARY",   L"FEBRUARY", L"MARCH",    L"APRIL",
                               L"MAY",       L"JUNE",     L"JULY",     L"AUGUST",
                               L"SEPTEMBER", L"OCTOBER",  L"NOVEMBER", L"DECEMBER"};
  for (int i = 0; i < 12; ++i) {
    std::wcsncpy(CmTimeCls::gszMonthAbbrevUpper[i], kAbbrev[i], 8);
    std::wcsncpy(CmTimeCls::gszMonthNameUpper[i], kNames[i], 32);
  }
  EXPECT_EQ(CmTimeClsTestAccess::mWidest(m_t, xMonthAbbrev), 3);
  EXPECT_EQ(CmTimeClsTestAccess::mWidest(m_t, xMonthName), 9);

  // A locale whose longest full name is December's.
  std::wcsncpy(CmTimeCls::gszMonthNameUpper[8], L"SEPT", 32);
  std::wcsncpy(CmTimeCls::gszMonthNameUpper[11], L"DECEMBERMONTH", 32);
  EXPECT_EQ(CmTimeClsTestAccess::mWidest(m_t, xMonthName), 13);
  // An entry that fills its whole width without a terminator counts as
  // that width and is not read past.
  for (int k = 0; k < 8; ++k) CmTimeCls::gszMonthAbbrevUpper[4][k] = L'X';
  EXPECT_EQ(CmTimeClsTestAccess::mWidest(m_t, xMonthAbbrev), 8);
  EXPECT_TRUE(gvReports.empty());

  EXPECT_EQ(CmTimeClsTestAccess::mWidest(m_t, xDay), 0);
  EXPECT_EQ(CmTimeClsTestAccess::mWidest(m_t, xMonthNumber), 0);
  EXPECT_EQ(gvReports.size(), 2u);
}

TEST(FormatSplit, DateAndTimeHalves) {
  const struct {
    const wchar_t* sFormat;
    const wchar_t* sDate;
    const wchar_t* sTime;
  } kRows[] = {
      {L"m/d/yy h:mm:ss", L"m/d/yy", L"h:mm:ss"},
      {L"[h]:mm:ss", L"", L"[h]:mm:ss"},
      {L"mmmm d, yyyy", L"mmmm d, yyyy", L""},
      {L"mmmm d, yyyy h:mm:ss", L"mmmm d, yyyy", L"h:mm:ss"},
      {L"mmm d h", L"mmm d", L"h"},
      {L"h:mm:ss am/pm", L"", L"h:mm:ss am/pm"},
      {L"d mmmm yyyy hh:mm", L"d mmmm yyyy", L"hh:mm"},
      {L"yyyy s", L"yyyy", L"s"},
      {L"ss.sss", L"", L"ss.sss"},
      {L"HH MM", L"HH MM", L""},  // upper-case letters are not looked for
      {L":", L"", L":"},
      {L" :", L"", L":"},
      {L"", L"", L""},
  };
  CmTimeCls t;
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    CmString sFormat(row.sFormat);
    CmString sDate(L"stale");
    CmString sTime(L"stale");
    t.mGetDateTimeFmtParts(sFormat, sDate, sTime);
    EXPECT_EQ(sDate.str(), row.sDate);
    EXPECT_EQ(sTime.str(), row.sTime);
    EXPECT_EQ(sFormat.str(), row.sFormat);
  }
  // The format may be one of the outputs.
  CmString s(L"m/d/yy h:mm");
  CmString sTime;
  t.mGetDateTimeFmtParts(s, s, sTime);
  EXPECT_EQ(s.str(), L"m/d/yy");
  EXPECT_EQ(sTime.str(), L"h:mm");
}

class FormatPre15 : public ::testing::Test {
 protected:
  void SetUp() override {
    // The default formats of a "M/d/yyyy" locale; the first six are searched.
    CmTimeClsTestAccess::mSetDefFmts(
        m_t,
        {L"m/d h:mm:ss", L"mm/yyyy h:mm:ss", L"m/d/yyyy h:mm:ss", L"m/d/yy  h:mm:ss",
         L"d-mmm-yy  h:mm:ss", L"mmm-yy  h:mm:ss", L"mmm d h:mm:ss", L"mmm yyyy h:mm:ss",
         L"mmmm d, yyyy h:mm:ss", L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss", L"[h]:mm:ss",
         L"h:mm:ss am/pm"},
        6);
  }
  CmTimeCls m_t;
};

TEST_F(FormatPre15, RewritesAndLooksInTheFirstDefaultFormats) {
  const struct {
    const wchar_t* sFormat;
    const wchar_t* sRewritten;
    bool bFound;
  } kRows[] = {
      {L"mm-dd-yyyy", L"m/d/yy", true},
      {L"mm.dd.yy", L"m/d/yy", true},
      {L"m/d", L"m/d", true},
      {L"mm/yyyy", L"m/yy", true},           // inside "mm/yyyy h:mm:ss"
      {L"mmm-yy", L"mmm/yy", false},         // the defaults keep their "-"
      {L"d mmmm yyyy", L"d mmm yy", false},  // only in an entry past the first six
      {L"mmm d", L"mmm d", false},
      {L"mmmm.dd.yyyy", L"mmm/d/yy", false},
      {L"yyyy-mm-dd", L"yy/m/d", false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    CmString s(row.sFormat);
    EXPECT_EQ(m_t.mIsPre15Format(s), row.bFound);
    EXPECT_EQ(s.str(), row.sRewritten);
  }
}

TEST_F(FormatPre15, CountOfSearchedFormatsBounds) {
  CmString s(L"d mmmm yyyy");
  CmTimeClsTestAccess::mSetDefFmts(m_t, {L"m/d h:mm:ss", L"d mmm yy h:mm:ss"}, 1);
  EXPECT_FALSE(m_t.mIsPre15Format(s));
  s = L"d mmmm yyyy";
  CmTimeClsTestAccess::mSetDefFmts(m_t, {L"m/d h:mm:ss", L"d mmm yy h:mm:ss"}, 2);
  EXPECT_TRUE(m_t.mIsPre15Format(s));
  s = L"m/d";
  CmTimeClsTestAccess::mSetDefFmts(m_t, {L"m/d h:mm:ss"}, 0);
  EXPECT_FALSE(m_t.mIsPre15Format(s));
  CmTimeClsTestAccess::mSetDefFmts(m_t, {L"m/d h:mm:ss"}, -4);
  EXPECT_FALSE(m_t.mIsPre15Format(s));
  CmTimeClsTestAccess::mSetDefFmts(m_t, {L"x", L"m/d h:mm:ss"}, 1000);  // clipped to 20
  EXPECT_TRUE(m_t.mIsPre15Format(s));
}

TEST(FormatPre15Spelling, ShortSpelling) {
  using cvn::detail::mShortenPre15Spelling;
  EXPECT_EQ(mShortenPre15Spelling(L"mmmmmmmm"), L"mmmmmm");
  EXPECT_EQ(mShortenPre15Spelling(L"mmmm mm"), L"mmm mm");  // "mmm" present: "mm" kept
  EXPECT_EQ(mShortenPre15Spelling(L"mm mm"), L"m m");
  EXPECT_EQ(mShortenPre15Spelling(L"yyyyyyyy-dddd"), L"yyyy/dd");
  EXPECT_EQ(mShortenPre15Spelling(L"yyy.ddd"), L"yyy/dd");
  EXPECT_EQ(mShortenPre15Spelling(L""), L"");
}

}  // namespace
