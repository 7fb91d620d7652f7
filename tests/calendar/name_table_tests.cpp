// The class-wide month and weekday name tables and their queries.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "calendar/calendar_access.h"

using A = CmTimeClsTestAccess;

namespace {

// Each test loads its own settings; the ones in force before are restored
// and the tables reloaded from them afterwards.
class NameTables : public testing::Test {
 protected:
  void SetUp() override {
    m_xSaved = mGetRegionalSettings();
    m_bSavedAbbrev = CmTimeCls::gbAbbrevMonthNames;
  }
  void TearDown() override {
    mSetRegionalSettings(m_xSaved);
    mInitTimeClassMonthNames();
    CmTimeCls::gbAbbrevMonthNames = m_bSavedAbbrev;
  }
  static void mLoad(const CmRegionalSettings& settings) {
    mSetRegionalSettings(settings);
    mInitTimeClassMonthNames();
  }

  CmTimeCls m_o;
  CmRegionalSettings m_xSaved;
  bool m_bSavedAbbrev = true;
};

CmRegionalSettings mFrenchLike() {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  const wchar_t* const kMonths[12] = {L"janvier",   L"février", L"mars",     L"avril",
                                      L"mai",       L"juin",    L"juillet",  L"août",
                                      L"septembre", L"octobre", L"novembre", L"décembre"};
  const wchar_t* const kAbbrevs[12] = {L"janv.", L"févr.", L"mars",  L"avr.", L"mai",  L"juin",
                                       L"juil.", L"août",  L"sept.", L"oct.", L"nov.", L"déc."};
  const wchar_t* const kDays[7] = {L"lundi",    L"mardi",  L"mercredi", L"jeudi",
                                   L"vendredi", L"samedi", L"dimanche"};
  const wchar_t* const kDayAbbrevs[7] = {L"lun.", L"mar.", L"mer.", L"jeu.",
                                         L"ven.", L"sam.", L"dim."};
  for (int i = 0; i < 12; ++i) {
    x.sMonthNames[i] = kMonths[i];
    x.sMonthAbbrevs[i] = kAbbrevs[i];
  }
  for (int i = 0; i < 7; ++i) {
    x.sDayNames[i] = kDays[i];
    x.sDayAbbrevs[i] = kDayAbbrevs[i];
  }
  return x;
}

}  // namespace

TEST_F(NameTables, BuiltInEnglish) {
  mLoad(mBuiltInRegionalSettings());
  EXPECT_TRUE(CmTimeCls::gbAbbrevMonthNames);
  EXPECT_STREQ(CmTimeCls::gszMonthName[0], L"January");
  EXPECT_STREQ(CmTimeCls::gszMonthNameUpper[8], L"SEPTEMBER");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[11], L"Dec");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpper[4], L"MAY");
  EXPECT_STREQ(CmTimeCls::gszDayName[6], L"Sunday");
  EXPECT_STREQ(CmTimeCls::gszDayAbbrevNoStop[0], L"Mon");
  std::vector<CmString> vMonths{L"stale"};
  std::vector<CmString> vDays{L"stale"};
  m_o.mGetMonthAbbreviations(vMonths);
  m_o.mGetDayAbbreviations(vDays);
  ASSERT_EQ(vMonths.size(), 12u);
  ASSERT_EQ(vDays.size(), 7u);
  EXPECT_EQ(vMonths[0], L"Jan");
  EXPECT_EQ(vMonths[11], L"Dec");
  EXPECT_EQ(vDays[0], L"Mon");
  EXPECT_EQ(vDays[6], L"Sun");
}

TEST_F(NameTables, AbbreviationsEndingWithAFullStop) {
  mLoad(mFrenchLike());
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[0], L"janv");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpper[0], L"JANV.");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpperNoStop[0], L"JANV");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[1], L"févr");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpper[1], L"FÉVR.");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[2], L"mars");  // no stop: kept whole
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpper[2], L"MARS");
  EXPECT_STREQ(CmTimeCls::gszMonthName[11], L"décembre");
  EXPECT_STREQ(CmTimeCls::gszMonthNameUpper[11], L"DÉCEMBRE");
  EXPECT_STREQ(CmTimeCls::gszDayAbbrev[0], L"lun.");  // as given
  EXPECT_STREQ(CmTimeCls::gszDayAbbrevNoStop[0], L"lun");
  EXPECT_STREQ(CmTimeCls::gszDayName[2], L"mercredi");
  EXPECT_TRUE(CmTimeCls::gbAbbrevMonthNames);

  struct {
    const wchar_t* pszText;
    int iMonth;
    bool bAbbrev;
  } const kRows[] = {
      {L"JANV.", 1, true}, {L"JANV", 1, true},     {L"JANVIER", 1, false},   {L"FÉVR", 2, true},
      {L"MAI", 5, true},   {L"AOÛT", 8, true},     {L"DÉCEMBRE", 12, false}, {L"janv", 0, false},
      {L"JAN", 0, false},  {L"JANUARY", 0, false}, {L"", 0, false},          {L"JANV..", 0, false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iMonth);
    bool bAbbrev = !row.bAbbrev;
    EXPECT_EQ(A::mIsMonthName(m_o, row.pszText, &bAbbrev), row.iMonth);
    EXPECT_EQ(bAbbrev, row.bAbbrev);
  }
  bool bAbbrev = true;
  EXPECT_EQ(A::mIsMonthName(m_o, nullptr, &bAbbrev), 0);
  EXPECT_FALSE(bAbbrev);

  std::vector<CmString> vDays;
  m_o.mGetDayAbbreviations(vDays);
  ASSERT_EQ(vDays.size(), 7u);
  EXPECT_EQ(vDays[6], L"dim.");
  std::vector<CmString> vMonths;
  m_o.mGetMonthAbbreviations(vMonths);
  ASSERT_EQ(vMonths.size(), 12u);
  EXPECT_EQ(vMonths[6], L"juil");

  // The writer's weekday text drops the stop.
  CmString sText;
  EXPECT_EQ(m_o.mGet(45292.0, xExtractDayOfWeek, sText), 0);
  EXPECT_EQ(sText, L"lun");
  EXPECT_EQ(m_o.mGet(45292.0, xExtractMonthAbbrev, sText), 1);
  EXPECT_EQ(sText, L"janv");
  EXPECT_EQ(m_o.mGet(45292.0, xExtractMonthName, sText), 1);
  EXPECT_EQ(sText, L"janvier");
}

TEST_F(NameTables, NumericAbbreviationsSelectFullNames) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  for (int i = 0; i < 12; ++i) x.sMonthAbbrevs[i] = std::to_wstring(i + 1);
  mLoad(x);
  EXPECT_FALSE(CmTimeCls::gbAbbrevMonthNames);
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[9], L"10");
  bool bAbbrev = false;
  EXPECT_EQ(A::mIsMonthName(m_o, L"10", &bAbbrev), 10);
  EXPECT_TRUE(bAbbrev);
  // Loading again from names that are not numbers sets the flag back.
  mLoad(mBuiltInRegionalSettings());
  EXPECT_TRUE(CmTimeCls::gbAbbrevMonthNames);
}

TEST_F(NameTables, UnreadableNamesKeepTheirEntries) {
  mLoad(mFrenchLike());
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sMonthNames[0].reset();
  x.sMonthAbbrevs[0].reset();
  x.sMonthAbbrevs[1] = L"fe";
  x.sMonthNames[2] = std::wstring(31, L'x');  // does not fit its 31-character buffer
  x.sMonthNames[3] = std::wstring(30, L'y');  // fits exactly
  x.sMonthAbbrevs[3] = L"abcdefg";            // does not fit 7
  x.sMonthAbbrevs[4] = L"abcdef";             // fits
  x.sDayAbbrevs[0].reset();
  x.sDayNames[1] = std::wstring(40, L'z');
  x.sDayAbbrevs[2] = L"";
  mLoad(x);
  EXPECT_STREQ(CmTimeCls::gszMonthName[0], L"janvier");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[0], L"janv");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpper[0], L"JANV.");
  EXPECT_TRUE(CmTimeCls::gbAbbrevMonthNames);  // January's abbreviation was not read
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[1], L"fe");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpperNoStop[1], L"FE");
  EXPECT_STREQ(CmTimeCls::gszMonthName[2], L"mars");
  EXPECT_EQ(std::wstring(CmTimeCls::gszMonthName[3]), std::wstring(30, L'y'));
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[3], L"avr");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpper[4], L"ABCDEF");
  EXPECT_STREQ(CmTimeCls::gszDayAbbrev[0], L"lun.");
  EXPECT_STREQ(CmTimeCls::gszDayAbbrevNoStop[0], L"lun");
  EXPECT_STREQ(CmTimeCls::gszDayName[1], L"mardi");
  EXPECT_STREQ(CmTimeCls::gszDayAbbrev[2], L"");
  EXPECT_STREQ(CmTimeCls::gszDayAbbrevNoStop[2], L"");
}

TEST_F(NameTables, OddCharactersAreStoredWhole) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sMonthAbbrevs[0] = L".";                      // only a stop
  x.sMonthAbbrevs[1] = std::wstring(L"a\0b", 3);  // embedded terminator
  x.sMonthNames[2] = L"\xD83D\xDE00\xFFFF";       // a surrogate pair and a non-character
  x.sDayAbbrevs[3] = L"..";
  mLoad(x);
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrevUpper[0], L".");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[0], L"");
  EXPECT_STREQ(CmTimeCls::gszMonthAbbrev[1], L"a");
  EXPECT_EQ(std::wstring(CmTimeCls::gszMonthName[2]).size(), 3u);
  EXPECT_STREQ(CmTimeCls::gszDayAbbrevNoStop[3], L".");
}
