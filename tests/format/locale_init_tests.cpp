// Locale initialisation: the regional values read (with their buffer
// limits), the designators and their case, the rewritten time format, the
// default formats for several regional settings, the legal-format list they
// seed, the current format after initialisation and running it again.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmTimeCls.h"
#include "format/select_access.h"
#include "platform/platform.h"
#include "platform/settings_guard.h"
#include "time/format/locale_defaults.h"

namespace {

using Access = CmTimeClsTestAccess;
using Strings = std::vector<std::wstring>;

Strings mMainList() {
  Strings v;
  for (const CmString& s : CmTimeCls::m_vsLegalFmts) v.push_back(s.str());
  return v;
}
Strings mWorkingList() {
  Strings v;
  for (const CmString& s : CmTimeCls::m_vsTmpLegalFmts) v.push_back(s.str());
  return v;
}

CmRegionalSettings mSettings(const wchar_t* shortDate, const wchar_t* dateSep,
                             const wchar_t* timeFormat, const wchar_t* am, const wchar_t* pm) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sShortDate = shortDate;
  x.sDateSep = dateSep;
  x.sTimeFormat = timeFormat;
  x.sAM = am;
  x.sPM = pm;
  return x;
}

// The lists are emptied before and after each test, and the settings put
// back, so no test depends on another's order.
class LocaleInit : public ::testing::Test {
 protected:
  void SetUp() override { CmTimeCls::m_vsLegalFmts.clear(), CmTimeCls::m_vsTmpLegalFmts.clear(); }
  void TearDown() override {
    CmTimeCls::m_vsLegalFmts.clear();
    CmTimeCls::m_vsTmpLegalFmts.clear();
    CmTimeCls::iNumLegalFmts = 0;
    CmTimeCls::iNumTmpLegalFmts = 0;
  }
};

struct xDefaultsRow {
  const wchar_t* pszShortDate;  // regional, as the platform gives it
  const wchar_t* pszDateSep;
  const wchar_t* pszTimeFormat;
  const wchar_t* pszShortDateFmt;  // m_sShortDateFmt
  const wchar_t* pszTimeFmt;       // m_sTimeFmt
  int iNumPre15;
  Strings vDefaults;
};

const xDefaultsRow kDefaultRows[] = {
    // Month-day-year: every built-in format, six of them older spellings.
    {L"M/d/yyyy",
     L"/",
     L"h:mm:ss tt",
     L"m/d/yyyy",
     L"h:mm:ss AM/PM",
     6,
     {L"m/d h:mm:ss", L"mm/yyyy h:mm:ss", L"m/d/yyyy h:mm:ss", L"m/d/yy  h:mm:ss",
      L"d-mmm-yy  h:mm:ss", L"mmm-yy  h:mm:ss", L"mmm d h:mm:ss", L"mmm yyyy h:mm:ss",
      L"mmmm d, yyyy h:mm:ss", L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss", L"[h]:mm:ss",
      L"h:mm:ss am/pm"}},
    // Case B (two-digit numbers only): no "m/d/yy"; 24-hour clock.
    {L"dd.MM.yy",
     L".",
     L"HH:mm:ss",
     L"dd.mm.yy",
     L"hh:mm:ss",
     5,
     {L"dd.mm h:mm:ss", L"mm/yyyy h:mm:ss", L"dd.mm.yy h:mm:ss", L"d-mmm-yy  h:mm:ss",
      L"mmm-yy  h:mm:ss", L"mmm d h:mm:ss", L"mmm yyyy h:mm:ss", L"mmmm d, yyyy h:mm:ss",
      L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss", L"[h]:mm:ss", L"h:mm:ss am/pm"}},
    // Case A (abbreviated month in the middle): no "d-mmm-yy".
    {L"dd-MMM-yy",
     L"-",
     L"H:mm:ss",
     L"dd-mmm-yy",
     L"h:mm:ss",
     5,
     {L"dd-mmm h:mm:ss", L"mm/yyyy h:mm:ss", L"dd-mmm-yy h:mm:ss", L"m/d/yy  h:mm:ss",
      L"mmm-yy  h:mm:ss", L"mmm d h:mm:ss", L"mmm yyyy h:mm:ss", L"mmmm d, yyyy h:mm:ss",
      L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss", L"[h]:mm:ss", L"h:mm:ss am/pm"}},
    // Case C (abbreviated month and year): no "mmm-yy".
    {L"MMM-yy",
     L"-",
     L"H:mm:ss",
     L"mmm-yy",
     L"h:mm:ss",
     5,
     {L"mmm h:mm:ss", L"mm/yyyy h:mm:ss", L"mmm-yy h:mm:ss", L"m/d/yy  h:mm:ss",
      L"d-mmm-yy  h:mm:ss", L"mmm d h:mm:ss", L"mmm yyyy h:mm:ss", L"mmmm d, yyyy h:mm:ss",
      L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss", L"[h]:mm:ss", L"h:mm:ss am/pm"}},
    // Year-month-day: the year comes first, so "yyyy/mm".
    {L"yyyy-MM-dd",
     L"-",
     L"HH:mm:ss",
     L"yyyy-mm-dd",
     L"hh:mm:ss",
     6,
     {L"mm-dd h:mm:ss", L"yyyy/mm h:mm:ss", L"yyyy-mm-dd h:mm:ss", L"m/d/yy  h:mm:ss",
      L"d-mmm-yy  h:mm:ss", L"mmm-yy  h:mm:ss", L"mmm d h:mm:ss", L"mmm yyyy h:mm:ss",
      L"mmmm d, yyyy h:mm:ss", L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss", L"[h]:mm:ss",
      L"h:mm:ss am/pm"}},
    // Blanks and a final full stop are cleaned away.
    {L"d. M. yyyy.",
     L".",
     L"H:mm:ss",
     L"d.m.yyyy",
     L"h:mm:ss",
     6,
     {L"d.m h:mm:ss", L"mm/yyyy h:mm:ss", L"d.m.yyyy h:mm:ss", L"m/d/yy  h:mm:ss",
      L"d-mmm-yy  h:mm:ss", L"mmm-yy  h:mm:ss", L"mmm d h:mm:ss", L"mmm yyyy h:mm:ss",
      L"mmmm d, yyyy h:mm:ss", L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss", L"[h]:mm:ss",
      L"h:mm:ss am/pm"}},
};

TEST_F(LocaleInit, DefaultFormatsForRegionalSettings) {
  for (const xDefaultsRow& row : kDefaultRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszShortDate));
    cvn::test::RegionalSettingsGuard xGuard(
        mSettings(row.pszShortDate, row.pszDateSep, row.pszTimeFormat, L"AM", L"PM"));
    CmTimeCls::m_vsLegalFmts.clear();
    CmTimeCls t;
    EXPECT_EQ(Access::mShortDate(t), row.pszShortDateFmt);
    EXPECT_EQ(Access::mTimeFmt(t), row.pszTimeFmt);
    EXPECT_EQ(Access::mDefFmts(t), row.vDefaults);
    EXPECT_TRUE(Access::mUnusedDefFmtsEmpty(t));
    EXPECT_EQ(Access::mNumPre15(t), row.iNumPre15);

    // The list holds the canonical text of each, in order; the working
    // copy equals it.
    Strings vExpected;
    for (const std::wstring& s : row.vDefaults) {
      const std::wstring sCanonical = cvn::test::mCanonical(s.c_str());
      EXPECT_FALSE(sCanonical.empty()) << cvn::test::mNarrow(s);
      vExpected.push_back(sCanonical);
    }
    // mCanonical constructs objects, which add the same formats again:
    // duplicates, so the list is unchanged by it.
    EXPECT_EQ(mMainList(), vExpected);
    EXPECT_EQ(mWorkingList(), mMainList());
    EXPECT_EQ(CmTimeCls::iNumLegalFmts, static_cast<int>(vExpected.size()));
    EXPECT_EQ(CmTimeCls::iNumTmpLegalFmts, static_cast<int>(vExpected.size()));
  }
}

TEST_F(LocaleInit, CurrentFormatIsTheRegionalDefault) {
  // The text kept after initialisation is the one that was parsed: short
  // date, a blank and time format; not the first default format.
  for (const xDefaultsRow& row : kDefaultRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszShortDate));
    cvn::test::RegionalSettingsGuard xGuard(
        mSettings(row.pszShortDate, row.pszDateSep, row.pszTimeFormat, L"AM", L"PM"));
    CmTimeCls t;
    const std::wstring sRegional = std::wstring(row.pszShortDateFmt) + L" " + row.pszTimeFmt;
    EXPECT_EQ(t.mGetDateTimeFmt().str(), sRegional);
    EXPECT_EQ(t.mGetEFormat(), eDateTimeFormat);
    // The parsed form is that of the text: setting the text on another
    // object gives the same state.
    CmTimeCls u;
    ASSERT_TRUE(u.mSetFormat(sRegional.c_str()));
    const xFormatState xT = Access::mState(t);
    EXPECT_EQ(xT, Access::mState(u));
    // Trying formats keeps it, as does a refusal.
    EXPECT_FALSE(t.mSetFormat(L"h:m"));
    t.mAddFormat(L"d/m/yy", false);
    EXPECT_EQ(Access::mState(t), xT);
    // The constructor clears the class-wide flags after initialising.
    CmTimeCls v;
    EXPECT_FALSE(v.mGetElapsedTimeFlag());
    EXPECT_FALSE(CmTimeCls::m_bFmtHasComma);
  }
}

TEST_F(LocaleInit, FullMonthNamesWhenAbbreviationsAreNumbers) {
  cvn::test::RegionalSettingsGuard xGuard(mBuiltInRegionalSettings());
  struct xRestore {
    ~xRestore() { CmTimeCls::gbAbbrevMonthNames = true; }
  } xRestoreFlag;
  CmTimeCls::gbAbbrevMonthNames = false;
  CmTimeCls t;
  EXPECT_FALSE(Access::mAbbrevMonths(t));
  EXPECT_EQ(Access::mDefFmts(t),
            (Strings{L"m/d h:mm:ss", L"mm/yyyy h:mm:ss", L"m/d/yyyy h:mm:ss", L"m/d/yy  h:mm:ss",
                     L"d-mmmm-yy  h:mm:ss", L"mmmm-yy  h:mm:ss", L"mmmm d h:mm:ss",
                     L"mmmm yyyy h:mm:ss", L"mmmm d, yyyy h:mm:ss", L"d mmmm yyyy h:mm:ss",
                     L"d mmmm h:mm:ss", L"[h]:mm:ss", L"h:mm:ss am/pm"}));
  CmTimeCls::gbAbbrevMonthNames = true;
  CmTimeCls u;
  EXPECT_TRUE(Access::mAbbrevMonths(u));
}

struct xDesignatorRow {
  const wchar_t* pszTimeFormat;
  const wchar_t* pszAM;  // null: not readable
  const wchar_t* pszPM;
  const wchar_t* pszTimeFmt;  // m_sTimeFmt
  const wchar_t* pszUpperAM;  // m_sAM
  const wchar_t* pszLowerAM;  // m_sAMLower
};

const xDesignatorRow kDesignatorRows[] = {
    {L"h:mm:ss tt", L"AM", L"PM", L"h:mm:ss AM/PM", L"AM", L"am"},
    {L"h:mm:ss tt", L"am", L"pm", L"h:mm:ss am/pm", L"AM", L"am"},  // lower case as read
    {L"h:mm:ss TT", L"AM", L"PM", L"h:mm:ss AM/PM", L"AM", L"am"},
    {L"  h:mm:ss tt  ", L"AM", L"PM", L"h:mm:ss AM/PM", L"AM", L"am"},
    {L"H:mm:ss", L"AM", L"PM", L"h:mm:ss", L"AM", L"am"},
    {L"HH:mm", L"AM", L"PM", L"hh:mm", L"AM", L"am"},
    {L"h:mm t", L"AM", L"PM", L"h:mm A/P", L"AM", L"am"},
    {L"h:mm t", L"am", L"pm", L"h:mm a/p", L"AM", L"am"},
    {L"t", L"AM", L"PM", L"t", L"AM", L"am"},  // one "t" is no token
    {L"h:mm:ss tt", L"vorm.", L"nachm.", L"h:mm:ss vorm./nachm.", L"VORM.", L"vorm."},
    {L"h:mm:ss tt", L"VORM.", L"NACHM.", L"h:mm:ss VORM./NACHM.", L"VORM.", L"vorm."},
    {L"HH:mm:ss", L"vorm.", L"nachm.", L"hh:mm:ss", L"VORM.", L"vorm."},
    {L"h:mm t", L"vorm.", L"nachm.", L"h:mm v/n", L"VORM.", L"vorm."},
    // Blanks around a designator are trimmed; its case is that of the first
    // character as read, a blank here, so the lower-case pair is used.
    {L"h:mm tt", L" AM ", L" PM ", L"h:mm am/pm", L"AM", L"am"},
    // An empty or unreadable designator: the pair "AM"/"PM".
    {L"h:mm tt", L"", L"PM", L"h:mm AM/PM", L"", L""},
    {L"h:mm tt", nullptr, L"PM", L"h:mm AM/PM", L"", L""},
    {L"h:mm tt", L"ABCDEFGHI", L"PM", L"h:mm AM/PM", L"", L""},  // 9 characters: too long
    {L"h:mm tt", L"ABCDEFGH", L"P", L"h:mm ABCDEFGH/P", L"ABCDEFGH", L"abcdefgh"},  // 8 fit
};

TEST_F(LocaleInit, DesignatorsAndTimeFormat) {
  for (const xDesignatorRow& row : kDesignatorRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszTimeFormat) + " " +
                 (row.pszAM ? cvn::test::mNarrow(row.pszAM) : "(none)"));
    CmRegionalSettings x = mBuiltInRegionalSettings();
    x.sTimeFormat = row.pszTimeFormat;
    if (row.pszAM != nullptr) {
      x.sAM = row.pszAM;
    } else {
      x.sAM.reset();
    }
    x.sPM = row.pszPM;
    cvn::test::RegionalSettingsGuard xGuard(x);
    CmTimeCls t;
    EXPECT_EQ(Access::mTimeFmt(t), row.pszTimeFmt);
    EXPECT_EQ(Access::mAM(t), row.pszUpperAM);
    EXPECT_EQ(Access::mAMLower(t), row.pszLowerAM);
    EXPECT_EQ(Access::mAMDefault(t), L"AM");
    EXPECT_EQ(Access::mPMDefaultLower(t), L"pm");
  }
}

TEST_F(LocaleInit, NonEnglishDesignatorsMakeALegalFormat) {
  cvn::test::RegionalSettingsGuard xGuard(
      mSettings(L"dd.MM.yyyy", L".", L"h:mm:ss tt", L"vorm.", L"nachm."));
  CmTimeCls t;
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"dd.mm.yyyy h:mm:ss vorm./nachm.");
  EXPECT_EQ(Access::mAMPM(t), CmTimeCls::eLocaleLowerSpaced);
  EXPECT_FALSE(Access::m24Hour(t));
  CmString s;
  int iWidth = 0;
  bool bDate = false;
  bool bTime = false;
  t.mGetFormat(s, &iWidth, &bDate, &bTime);
  EXPECT_EQ(s.str(), L"dd.mm.yyyy h:mm:ss vorm./nachm.");
}

TEST_F(LocaleInit, RefusedRegionalFormatFallsBackToAFirstLegalDefault) {
  // "h:mm v/n" is not a format: nothing regional can be made current, so a
  // new object takes the first default format that is legal.
  cvn::test::RegionalSettingsGuard xGuard(
      mSettings(L"dd.MM.yyyy", L".", L"h:mm t", L"vorm.", L"nachm."));
  CmTimeCls t;
  EXPECT_EQ(Access::mTimeFmt(t), L"h:mm v/n");
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"dd.mm h:mm:ss");
  CmTimeCls u;
  ASSERT_TRUE(u.mSetFormat(L"dd.mm h:mm:ss"));
  EXPECT_EQ(Access::mState(t), Access::mState(u));

  // On an object that has a format, a refused regional format keeps it.
  t.mSetFormat(L"yyyy-mm-dd");
  const xFormatState xBefore = Access::mState(t);
  t.mInitialize();
  EXPECT_EQ(Access::mState(t), xBefore);
}

TEST_F(LocaleInit, NothingReadable) {
  cvn::test::RegionalSettingsGuard xGuard{CmRegionalSettings{}};
  CmTimeCls t;
  EXPECT_EQ(t.mGetStartDayOfWeek(), 6);
  EXPECT_EQ(Access::mShortDate(t), L"");
  EXPECT_EQ(Access::mTimeFmt(t), L"");
  EXPECT_EQ(Access::mAM(t), L"");
  EXPECT_EQ(Access::mAMDefault(t), L"");  // the time format was not read
  // No month-day format; the year/month format comes first.
  const Strings vDefaults = Access::mDefFmts(t);
  ASSERT_FALSE(vDefaults.empty());
  EXPECT_EQ(vDefaults.front(), L"yyyy/mm h:mm:ss");
  EXPECT_EQ(vDefaults.back(), L"h:mm:ss am/pm");
  // The current format is a legal one, and text and parts agree.
  ASSERT_FALSE(t.mGetDateTimeFmt().empty());
  CmTimeCls u;
  ASSERT_TRUE(u.mSetFormat(t.mGetDateTimeFmt().c_str()));
  EXPECT_EQ(Access::mState(t), Access::mState(u));
}

struct xBufferRow {
  const wchar_t* pszShortDate;
  const wchar_t* pszTimeFormat;
  const wchar_t* pszDateSep;
  const wchar_t* pszShortDateFmt;  // expected m_sShortDateFmt
  const wchar_t* pszTimeFmt;       // expected m_sTimeFmt
  const wchar_t* pszFirstDefault;  // expected m_sDefFmts[0]
};

const xBufferRow kBufferRows[] = {
    // 19 characters fit the short-date buffer of 20, 20 do not.
    {L"dddd, MMMM dd, yyyy", L"H:mm", L"/", L"dddd,mmmmdd,yyyy", L"h:mm", L"dddd,mmmmdd, h:mm:ss"},
    {L"dddd, MMMM dd, yyyy.", L"H:mm", L"/", L"", L"h:mm", L"yyyy/mm h:mm:ss"},
    // The same for the time format.
    {L"M/d/yyyy", L"h:mm:ss          tt", L"/", L"m/d/yyyy", L"h:mm:ss          AM/PM",
     L"m/d h:mm:ss"},
    {L"M/d/yyyy", L"h:mm:ss           tt", L"/", L"m/d/yyyy", L"", L"m/d h:mm:ss"},
    // Three characters fit the date-separator buffer of 4, four do not.
    {L"d/M/yyyy", L"H:mm", L"/ab", L"d/m/yyyy", L"h:mm", L"d/m h:mm:ss"},
    {L"d/M/yyyy", L"H:mm", L"/abc", L"d/m/yyyy", L"h:mm", L"d/m/ h:mm:ss"},
};

TEST_F(LocaleInit, ValuesTooLongForTheirBuffer) {
  for (const xBufferRow& row : kBufferRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszShortDate) + " | " +
                 cvn::test::mNarrow(row.pszTimeFormat) + " | " +
                 cvn::test::mNarrow(row.pszDateSep));
    cvn::test::RegionalSettingsGuard xGuard(
        mSettings(row.pszShortDate, row.pszDateSep, row.pszTimeFormat, L"AM", L"PM"));
    CmTimeCls t;
    EXPECT_EQ(Access::mShortDate(t), row.pszShortDateFmt);
    EXPECT_EQ(Access::mTimeFmt(t), row.pszTimeFmt);
    const Strings vDefaults = Access::mDefFmts(t);
    ASSERT_FALSE(vDefaults.empty());
    EXPECT_EQ(vDefaults.front(), row.pszFirstDefault);
  }
}

TEST_F(LocaleInit, FirstDayOfWeek) {
  const struct {
    const wchar_t* pszValue;  // null: not readable
    int iExpected;
  } kRows[] = {
      {L"0", 0},
      {L"3", 3},
      {L"6", 6},
      {L" 2 ", 2},
      {L"7", 6},
      {L"-1", 6},
      {L"x", 6},
      {L"", 6},
      {L"1.5", 6},
      {L"99999999999", 6},
      {nullptr, 6},
      {L"                             0", 0},   // 30 characters fit the buffer of 31
      {L"                              0", 6},  // 31 do not
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.pszValue ? cvn::test::mNarrow(row.pszValue) : "(none)");
    CmRegionalSettings x = mBuiltInRegionalSettings();
    if (row.pszValue != nullptr) {
      x.sFirstDayOfWeek = row.pszValue;
    } else {
      x.sFirstDayOfWeek.reset();
    }
    cvn::test::RegionalSettingsGuard xGuard(x);
    CmTimeCls t;
    EXPECT_EQ(t.mGetStartDayOfWeek(), row.iExpected);
  }
}

void mFixedClock(cvn::platform::xLocalClock* out) {
  out->iYearsSince1900 = 124;  // 2024
  out->iDayOfYear = 0;         // 1 January
  out->iHour = 12;
  out->iMinute = 30;
  out->iSecond = 15;
  out->iMillisecond = 250;
}

TEST_F(LocaleInit, InitialisationDateAndTime) {
  cvn::test::RegionalSettingsGuard xGuard(mBuiltInRegionalSettings());
  cvn::platform::mSetClockForTesting(&mFixedClock);
  CmTimeCls t;
  cvn::platform::mSetClockForTesting(nullptr);
  EXPECT_EQ(Access::mInitDay(t), 45292);  // 1 January 2024
  EXPECT_NEAR(Access::mInitTimeOfDay(t), 45015250.0, 1.0);
}

TEST_F(LocaleInit, RunningAgainAddsOnlyNewFormats) {
  cvn::test::RegionalSettingsGuard xGuard(mBuiltInRegionalSettings());
  CmTimeCls t;
  const Strings vFirst = mMainList();
  const Strings vDefaults = Access::mDefFmts(t);
  t.mInitialize();
  EXPECT_EQ(mMainList(), vFirst);
  EXPECT_EQ(Access::mDefFmts(t), vDefaults);
  EXPECT_TRUE(Access::mUnusedDefFmtsEmpty(t));
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"m/d/yyyy h:mm:ss AM/PM");

  // New settings: the object follows them, the list gains only what is new.
  cvn::test::RegionalSettingsGuard xGerman(
      mSettings(L"dd.MM.yy", L".", L"HH:mm:ss", L"vorm.", L"nachm."));
  t.mInitialize();
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"dd.mm.yy hh:mm:ss");
  EXPECT_EQ(Access::mNumPre15(t), 5);
  EXPECT_EQ(Access::mDefFmts(t).size(), 12u);
  EXPECT_TRUE(Access::mUnusedDefFmtsEmpty(t));
  const Strings vSecond = mMainList();
  ASSERT_EQ(vSecond.size(), vFirst.size() + 2);  // only "dd.mm" and "dd.mm.yy" are new
  EXPECT_TRUE(std::equal(vFirst.begin(), vFirst.end(), vSecond.begin()));
  EXPECT_EQ(vSecond[vFirst.size()], L"dd.mm h:mm:ss");
  EXPECT_EQ(vSecond[vFirst.size() + 1], L"dd.mm.yy h:mm:ss");
  EXPECT_EQ(mWorkingList(), vSecond);
}

// ---- The helpers on plain values --------------------------------------------

TEST(LocaleDefaults, RewriteDesignatorToken) {
  using cvn::detail::mRewriteDesignatorToken;
  const CmString sAM(L"VORM.");
  const CmString sPM(L"NACHM.");
  const CmString sAMl(L"vorm.");
  const CmString sPMl(L"nachm.");
  const CmString sNone;
  const struct {
    const wchar_t* pszIn;
    bool bLocale;
    bool bUpper;
    const wchar_t* pszOut;
  } kRows[] = {
      {L"h:mm:ss tt", true, true, L"h:mm:ss VORM./NACHM."},
      {L"h:mm:ss tt", true, false, L"h:mm:ss vorm./nachm."},
      {L"h:mm:ss tt", false, false, L"h:mm:ss AM/PM"},
      {L"h:mm t", true, true, L"h:mm V/N"},
      {L"h:mm t", true, false, L"h:mm v/n"},
      {L"h:mm t", false, true, L"h:mm A/P"},
      {L"tt", false, true, L"AM/PM"},  // two characters are enough
      {L"t", false, true, L"t"},       // one is not
      {L"", false, true, L""},
      {L"h:mm", true, true, L"h:mm"},
      {L"ttt", false, true, L"tAM/PM"},
      {L"h:mm tt ", false, true, L"h:mm tt "},  // only a final token
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszIn));
    const CmString s =
        row.bLocale ? mRewriteDesignatorToken(row.pszIn, sAM, sPM, sAMl, sPMl, row.bUpper)
                    : mRewriteDesignatorToken(row.pszIn, sNone, sNone, sNone, sNone, row.bUpper);
    EXPECT_EQ(s.str(), row.pszOut);
  }
  // Either designator empty: the fixed pair.
  EXPECT_EQ(mRewriteDesignatorToken(L"h tt", sAM, sNone, sAMl, sNone, true).str(), L"h AM/PM");
}

TEST(LocaleDefaults, Cleaning) {
  const struct {
    const wchar_t* pszIn;
    const wchar_t* pszDate;
    const wchar_t* pszTime;
  } kRows[] = {
      {L"", L"", L""},
      {L"m/d/yyyy", L"m/d/yyyy", L"m/d/yyyy"},
      {L"d. m. yyyy.", L"d.m.yyyy", L"d. m. yyyy."},  // a final "." stays in a time format
      {L"yyyy/mm/dd/", L"yyyy/mm/dd", L"yyyy/mm/dd"},
      {L"h:mm:", L"h:mm", L"h:mm"},
      {L"h:mm ", L"h:mm", L"h:mm"},
      {L"/", L"", L""},
      {L"  ", L"", L" "},
      {L"x//", L"x/", L"x/"},  // only one character goes
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszIn));
    CmString sDate(row.pszIn);
    cvn::detail::mCleanShortDate(sDate);
    EXPECT_EQ(sDate.str(), row.pszDate);
    CmString sTime(row.pszIn);
    cvn::detail::mCleanTimeFormat(sTime);
    EXPECT_EQ(sTime.str(), row.pszTime);
  }
}

TEST(LocaleDefaults, MonthDayAndMonthYear) {
  const struct {
    const wchar_t* pszShortDate;
    const wchar_t* pszSep;
    const wchar_t* pszMonthDay;
    const wchar_t* pszMonthYear;
  } kRows[] = {
      {L"m/d/yyyy", L"/", L"m/d", L"mm/yyyy"},
      {L"dd.mm.yyyy", L".", L"dd.mm", L"mm/yyyy"},
      {L"yyyy-mm-dd", L"-", L"mm-dd", L"yyyy/mm"},
      {L"dd.yyyy.mm", L".", L"dd.mm", L"yyyy/mm"},   // the year between two separators
      {L"dd..yy..mm", L".", L"dd..mm", L"yyyy/mm"},  // pairs from position 1 on
      {L"m/d/yyyy", L"", L"m/d/", L"mm/yyyy"},       // separator not readable
      {L"m/d/yyyy", L"-", L"m/d/", L"mm/yyyy"},      // separator not in the text
      {L"dmy", L"/", L"dm", L"yyyy/mm"},             // one "y" is no year
      {L"yyyy", L"/", L"", L"mm/yyyy"},              // no "m": -1
      {L"", L"/", L"", L"yyyy/mm"},                  // no "yy" and no "m": -1 > -1 fails
      {L"mmm-yy", L"-", L"mmm", L"mm/yyyy"},
      {L"/", L"/", L"", L"yyyy/mm"},
      {L"d/", L"/", L"d", L"yyyy/mm"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszShortDate) + " sep " + cvn::test::mNarrow(row.pszSep));
    EXPECT_EQ(cvn::detail::mMonthDayFormat(row.pszShortDate, row.pszSep).str(), row.pszMonthDay);
    EXPECT_EQ(cvn::detail::mMonthYearFormat(row.pszShortDate).str(), row.pszMonthYear);
  }
}

TEST(LocaleDefaults, ClassifyShortDate) {
  using P = CmTimeCls::xTimePartsStruct;
  using cvn::detail::mClassifyShortDate;
  const P kA[] = {{xDay, 2}, {xMonthAbbrev, 3}, {xYear, 2}};
  const P kA4[] = {{xDay, 1}, {xMonthAbbrev, 3}, {xYear, 4}};
  const P kB[] = {{xDay, 2}, {xMonthNumber, 2}, {xYear, 2}};
  const P kB1[] = {{xMonthNumber, 1}, {xDay, 1}, {xYear, 2}};
  const P kNotB[] = {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}};
  const P kNotBName[] = {{xDay, 2}, {xMonthName, 4}, {xYear, 2}};
  const P kNotBFirst[] = {{xMonthAbbrev, 3}, {xDay, 2}, {xYear, 2}};
  const P kC[] = {{xMonthAbbrev, 3}, {xYear, 2}};
  const P kC1[] = {{xMonthAbbrev, 3}, {xDay, 1}};
  const P kNotC[] = {{xMonthAbbrev, 3}, {xYear, 4}};
  const P kNotCName[] = {{xMonthName, 4}, {xYear, 2}};
  EXPECT_EQ(mClassifyShortDate(3, kA), cvn::detail::eCaseA);
  EXPECT_EQ(mClassifyShortDate(3, kA4), cvn::detail::eCaseA);
  EXPECT_EQ(mClassifyShortDate(3, kB), cvn::detail::eCaseB);
  EXPECT_EQ(mClassifyShortDate(3, kB1), cvn::detail::eCaseB);
  EXPECT_EQ(mClassifyShortDate(3, kNotB), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(3, kNotBName), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(3, kNotBFirst), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(2, kC), cvn::detail::eCaseC);
  EXPECT_EQ(mClassifyShortDate(2, kC1), cvn::detail::eCaseC);
  EXPECT_EQ(mClassifyShortDate(2, kNotC), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(2, kNotCName), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(0, kA), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(-3, kA), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(8, kA), cvn::detail::eNoCase);
  EXPECT_EQ(mClassifyShortDate(3, nullptr), cvn::detail::eNoCase);
}

TEST(LocaleDefaults, BuildDefaultFormatsCounts) {
  CmString vs[CmTimeCls::kMaxDefFmts];
  for (CmString& s : vs) s = L"stale";
  int iPre15 = -1;
  // Without a month-day format and in case B: 11 formats, 4 older ones.
  const int n =
      cvn::detail::mBuildDefaultFormats(L"dd.mm.yy", L"", cvn::detail::eCaseB, true, vs, &iPre15);
  EXPECT_EQ(n, 11);
  EXPECT_EQ(iPre15, 4);
  for (int i = n; i < CmTimeCls::kMaxDefFmts; ++i) EXPECT_TRUE(vs[i].empty()) << i;
  EXPECT_EQ(vs[0].str(), L"mm/yyyy h:mm:ss");
  EXPECT_EQ(vs[n - 2].str(), L"[h]:mm:ss");
  EXPECT_EQ(vs[n - 1].str(), L"h:mm:ss am/pm");
  // Every case letter leaves out exactly one format.
  for (auto eCase :
       {cvn::detail::eNoCase, cvn::detail::eCaseA, cvn::detail::eCaseB, cvn::detail::eCaseC}) {
    const int m = cvn::detail::mBuildDefaultFormats(L"m/d/yyyy", L"m/d", eCase, false, vs, nullptr);
    EXPECT_EQ(m, eCase == cvn::detail::eNoCase ? 13 : 12);
  }
}

TEST(LocaleDefaults, ReadLocaleTextBufferBounds) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sDateSep = L"abc";
  cvn::test::RegionalSettingsGuard xGuard(x);
  CmString s(L"untouched");
  EXPECT_FALSE(cvn::detail::mReadLocaleText(cvn::platform::kLocaleSDate, 3, &s));
  EXPECT_EQ(s.str(), L"untouched");
  EXPECT_TRUE(cvn::detail::mReadLocaleText(cvn::platform::kLocaleSDate, 4, &s));
  EXPECT_EQ(s.str(), L"abc");
  EXPECT_FALSE(cvn::detail::mReadLocaleText(cvn::platform::kLocaleSDate, 0, &s));
  EXPECT_FALSE(cvn::detail::mReadLocaleText(cvn::platform::kLocaleSDate, -1, &s));
  EXPECT_FALSE(cvn::detail::mReadLocaleText(cvn::platform::kLocaleSDate, 65, &s));
  EXPECT_FALSE(cvn::detail::mReadLocaleText(cvn::platform::kLocaleSDate, 4, nullptr));
  EXPECT_FALSE(cvn::detail::mReadLocaleText(0xFFFFu, 31, &s));  // unknown type code
}

}  // namespace
