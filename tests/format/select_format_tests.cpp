// Format selection: mSetFormat accepting and refusing, the restore of the
// previous format on refusal, the rejected-value fields, the class-wide
// flags, the regional selectors and mGetFormat's canonical text and width.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "CmRegionalSettings.h"
#include "CmTimeCls.h"
#include "format/select_access.h"
#include "platform/settings_guard.h"
#include "time/format/select_state.h"

namespace {

using Access = CmTimeClsTestAccess;
using Part = CmTimeCls::xTimePartsStruct;

// Every test runs under the built-in United States settings.
class Selection : public ::testing::Test {
 protected:
  Selection() : m_xGuard(mBuiltInRegionalSettings()) {}
  cvn::test::RegionalSettingsGuard m_xGuard;
};

struct xWidthRow {
  const wchar_t* pszFormat;
  const wchar_t* pszCanonical;
  int iWidth;
  bool bDate;
  bool bTime;
  eFormatType eFormat;
};

// Widths: a separator per part (the first one's is the -1 start), the count
// (+1 for a one-letter count), the longest name for month names
// ("SEPTEMBER", 9) and the designator for hour 12 under a 12-hour format.
const xWidthRow kWidthRows[] = {
    {L"m/d/yy", L"m/d/yy", 8, true, false, eDateFormat},
    {L"M/D/YY", L"m/d/yy", 8, true, false, eDateFormat},
    {L"mm/dd/yyyy", L"mm/dd/yyyy", 10, true, false, eDateFormat},
    {L"yyyy-mm-dd", L"yyyy-mm-dd", 10, true, false, eDateFormat},
    {L"h:mm:ss am/pm", L"h:mm:ss am/pm", 11, false, true, eTimeFormat},  // 8 + " pm"
    {L"h:mm:ss AM/PM", L"h:mm:ss AM/PM", 11, false, true, eTimeFormat},
    {L"h:mm:ssAM/PM", L"h:mm:ssAM/PM", 10, false, true, eTimeFormat},  // "PM" only
    {L"h:mm a/p", L"h:mm a/p", 7, false, true, eTimeFormat},           // 5 + " p"
    {L"hh:mm", L"hh:mm", 5, false, true, eTimeFormat},
    {L"h:mm:ss.sss", L"h:mm:ss.sss", 12, false, true, eTimeFormat},
    {L"[h]:mm:ss", L"[h]:mm:ss", 8, false, true, eTimeFormat},
    {L"mmmm d, yyyy", L"mmmm d, yyyy", 9 + 8, true, false, eDateFormat},
    {L"mmmm d,yyyy", L"mmmm d, yyyy", 9 + 8, true, false, eDateFormat},
    {L"mmm yyyy", L"mmm yyyy", 3 + 5, true, false, eDateFormat},
    {L"m/d/yy h:mm", L"m/d/yy h:mm", 14, true, true, eDateTimeFormat},
    {L"wwWk yyyy", L"wwWkyyyy", 8, true, false, eDateFormat},  // "52Wk2024"
    {L"yyyyQq", L"yyyyQq", 7, true, false, eDateFormat},       // 5 + 1 + 2 for "Q1"
};

TEST_F(Selection, GetFormatGivesCanonicalTextAndWidth) {
  for (const xWidthRow& row : kWidthRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszFormat));
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(row.pszFormat));
    CmString sFormat(L"junk");
    int iWidth = -99;
    bool bDate = !row.bDate;
    bool bTime = !row.bTime;
    t.mGetFormat(sFormat, &iWidth, &bDate, &bTime);
    EXPECT_EQ(sFormat.str(), row.pszCanonical);
    EXPECT_EQ(iWidth, row.iWidth);
    EXPECT_EQ(bDate, row.bDate);
    EXPECT_EQ(bTime, row.bTime);
    EXPECT_EQ(t.mGetEFormat(), row.eFormat);
    // The text is stored as given, not in canonical form.
    EXPECT_EQ(t.mGetDateTimeFmt().str(), row.pszFormat);
  }
}

TEST_F(Selection, GetFormatAcceptsNullOutputs) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"m/d/yy"));
  CmString s;
  t.mGetFormat(s, nullptr, nullptr, nullptr);
  EXPECT_EQ(s.str(), L"m/d/yy");
}

TEST_F(Selection, LocaleDesignatorWidthUsesThePmDesignator) {
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sAM = L"vorm.";
  x.sPM = L"nachm.";
  cvn::test::RegionalSettingsGuard xGuard(x);
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"h:mm VORM./NACHM."));
  EXPECT_EQ(Access::mAMPM(t), CmTimeCls::eLocaleSpaced);
  CmString s;
  int iWidth = 0;
  bool bDate = false;
  bool bTime = false;
  t.mGetFormat(s, &iWidth, &bDate, &bTime);
  EXPECT_EQ(s.str(), L"h:mm VORM./NACHM.");
  EXPECT_EQ(iWidth, 5 + 7);  // " NACHM."
}

// The width rule on its own, for branches no legal format text reaches.
TEST(SelectionWidth, Boundaries) {
  const Part kWeekAlone[] = {{xWeekLabelFirst, 2}};
  const Part kWeekYear[] = {{xWeekNumberFirst, 1}, {xYear, 4}};
  const Part kMonths[] = {{xMonthAbbrev, 3}, {xMonthName, 4}};
  const Part kTime[] = {{xHour, 1}, {xMinute, 2}};
  const Part kFractions[] = {{xSecond, 2}, {xHundredth, 2}, {xTenth, 1}, {xThousandth, 3}};
  bool bDate = false;
  bool bTime = false;
  using cvn::detail::mFormatWidth;
  EXPECT_EQ(mFormatWidth(1, kWeekAlone, true, 3, 9, 0, &bDate, &bTime), -1 + 3 + 2);
  EXPECT_TRUE(bDate);
  EXPECT_FALSE(bTime);
  EXPECT_EQ(mFormatWidth(2, kWeekYear, true, 3, 9, 0, &bDate, &bTime), -1 + 2 + 2 + 1 + 4);
  EXPECT_EQ(mFormatWidth(2, kMonths, true, 4, 11, 0, &bDate, &bTime), -1 + 1 + 4 + 1 + 11);
  // The designator counts only for a 12-hour format with a time part.
  EXPECT_EQ(mFormatWidth(2, kTime, false, 3, 9, 3, &bDate, &bTime), 5 + 3);
  EXPECT_EQ(mFormatWidth(2, kTime, true, 3, 9, 3, &bDate, &bTime), 5);
  EXPECT_EQ(mFormatWidth(2, kMonths, false, 3, 9, 3, &bDate, &bTime), -1 + 4 + 10);
  EXPECT_FALSE(bTime);
  EXPECT_EQ(mFormatWidth(4, kFractions, true, 3, 9, 0, &bDate, &bTime), -1 + 3 + 3 + 3 + 4);
  EXPECT_FALSE(bDate);
  EXPECT_TRUE(bTime);
  // No part: -1, neither date nor time.
  EXPECT_EQ(mFormatWidth(0, kTime, false, 3, 9, 3, &bDate, &bTime), -1);
  EXPECT_FALSE(bDate);
  EXPECT_FALSE(bTime);
  // A damaged count is clipped, never read past the array.
  EXPECT_EQ(mFormatWidth(-4, kTime, true, 3, 9, 0, &bDate, &bTime), -1);
  EXPECT_EQ(mFormatWidth(2, nullptr, true, 3, 9, 0, nullptr, nullptr), -1);
  const Part kHuge[] = {{xYear, 2147483647}, {xDay, -2147483647 - 1}};
  EXPECT_EQ(mFormatWidth(2, kHuge, true, 3, 9, 0, &bDate, &bTime), -1 + 1 + 32 + 1 + 0);
}

// Formats tried against several current formats; each is refused and must
// leave the current format, its parsed form and the class-wide flags whole.
const wchar_t* const kRefused[] = {
    L"",   // empty
    L" ",  // blanks only
    L"   ",
    L"*",
    L"h:m",    // minutes need two letters
    L"hh.mm",  // the time separator must be ":"
    L"yy/yy",  // a part may occur once
    L"m/mm",
    L"ss.ssss",          // at most three decimals
    L"[h]:mm:ss am/pm",  // no designator with an elapsed time
    L"h:[mm]",
    L"[mm]:ss",
    L"Qq yyyy",
    L"yyyy qQ",
    L"mm Qq",
    L"Wk",
    L"yymmmdd",
    L"yyyymmdd hh:mm",
    L"mmm h",
    L"m/d/yy h:m",
    L"\u00e9\u00e8",  // letters outside the pattern alphabet
    L"\xFFFF",
    L"\xD800\xDC00",  // a surrogate pair
    L"\x80\x81\xFF",
};

TEST_F(Selection, RefusalKeepsEveryFieldAndFlag) {
  const wchar_t* const kCurrent[] = {L"m/d/yy", L"h:mm:ss am/pm", L"[h]:mm:ss", L"mmmm d,yyyy",
                                     L"d-mmm-yy h:mm:ss"};
  for (const wchar_t* pszCurrent : kCurrent) {
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(pszCurrent));
    const xFormatState xBefore = Access::mState(t);
    for (const wchar_t* pszTry : kRefused) {
      SCOPED_TRACE(cvn::test::mNarrow(pszCurrent) + " <- " + cvn::test::mNarrow(pszTry));
      EXPECT_FALSE(t.mSetFormat(pszTry));
      EXPECT_EQ(Access::mState(t), xBefore);
    }
  }
}

TEST_F(Selection, RefusalOfOverLongText) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"h:mm:ss am/pm"));
  const xFormatState xBefore = Access::mState(t);
  // 80 characters after normalisation is the first length refused.
  for (size_t n : {79u, 80u, 81u, 1000u, 100000u}) {
    SCOPED_TRACE(n);
    std::wstring s(L"m/d/yy");
    s.resize(n, L'@');
    const bool bAccepted = t.mSetFormat(s.c_str());
    if (n < 80) {
      EXPECT_TRUE(bAccepted);
      ASSERT_TRUE(t.mSetFormat(L"h:mm:ss am/pm"));
    } else {
      EXPECT_FALSE(bAccepted);
    }
    EXPECT_EQ(Access::mState(t), xBefore);
  }
}

TEST_F(Selection, NullIsRefusedWithoutEffect) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"hh:mm"));
  const xFormatState xBefore = Access::mState(t);
  EXPECT_FALSE(t.mSetFormat(nullptr));
  EXPECT_EQ(Access::mState(t), xBefore);
}

TEST_F(Selection, RejectedFieldsHoldWhatTheRefusedTextLeft) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"hh:mm"));
  EXPECT_FALSE(t.mSetFormat(L"m/d/yy h:m"));
  EXPECT_EQ(Access::mRejectedDateSep(t), L"/");
  EXPECT_EQ(Access::mRejectedFormat(t), eDateTimeFormat);
  EXPECT_EQ(t.mGetEFormat(), eTimeFormat);
  EXPECT_EQ(t.mGetDateSep().str(), L"");

  // A quarter run sets the date separator even when it is then refused.
  ASSERT_TRUE(t.mSetFormat(L"m/d/yy"));
  EXPECT_FALSE(t.mSetFormat(L"Qq yyyy"));
  EXPECT_EQ(Access::mRejectedDateSep(t), L"Q");
  EXPECT_EQ(Access::mRejectedFormat(t), eDateFormat);
  EXPECT_EQ(t.mGetDateSep().str(), L"/");

  // An empty text is refused before anything is written.
  ASSERT_TRUE(t.mSetFormat(L"h:mm"));
  EXPECT_FALSE(t.mSetFormat(L""));
  EXPECT_EQ(Access::mRejectedDateSep(t), L"Q");
}

TEST_F(Selection, ClassWideFlagsFollowTheText) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"[h]:mm:ss"));
  EXPECT_TRUE(t.mGetElapsedTimeFlag());
  EXPECT_FALSE(CmTimeCls::m_bFmtHasComma);
  ASSERT_TRUE(t.mSetFormat(L"mmmm d, yyyy"));
  EXPECT_FALSE(t.mGetElapsedTimeFlag());
  EXPECT_TRUE(CmTimeCls::m_bFmtHasComma);
  ASSERT_TRUE(t.mSetFormat(L"m/d/yy"));
  EXPECT_FALSE(t.mGetElapsedTimeFlag());
  EXPECT_FALSE(CmTimeCls::m_bFmtHasComma);
  // "[h]:mm:ss am/pm" after an elapsed format: refused, the flag stays set.
  ASSERT_TRUE(t.mSetFormat(L"[h]:mm:ss"));
  EXPECT_FALSE(t.mSetFormat(L"[h]:mm:ss am/pm"));
  EXPECT_TRUE(t.mGetElapsedTimeFlag());
  // A 12-hour format may follow an elapsed one: the flag is cleared first.
  EXPECT_TRUE(t.mSetFormat(L"h:mm:ss am/pm"));
  EXPECT_FALSE(t.mGetElapsedTimeFlag());
}

TEST_F(Selection, RefusalSetsClassFlagsFromThisObjectsFormat) {
  // The flags speak of the format last set on any object; a refusal sets
  // this object's format again, so they then speak of it.
  CmTimeCls a;
  CmTimeCls b;
  ASSERT_TRUE(b.mSetFormat(L"m/d/yy"));
  ASSERT_TRUE(a.mSetFormat(L"[h]:mm:ss"));
  EXPECT_TRUE(CmTimeCls::m_bElapsedTimeFlag);
  EXPECT_FALSE(b.mSetFormat(L"h:m"));
  EXPECT_FALSE(CmTimeCls::m_bElapsedTimeFlag);
  EXPECT_EQ(Access::mText(a).str(), L"[h]:mm:ss");
}

TEST_F(Selection, OwnTextCanBeSetAgain) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"mmmm d,yyyy"));
  const xFormatState xBefore = Access::mState(t);
  // The argument points into the object's own text.
  EXPECT_TRUE(t.mSetFormat(Access::mText(t).c_str()));
  EXPECT_EQ(Access::mState(t), xBefore);
}

TEST_F(Selection, RegionalSelectors) {
  CmTimeCls t;
  ASSERT_EQ(Access::mShortDate(t), L"m/d/yyyy");
  ASSERT_EQ(Access::mTimeFmt(t), L"h:mm:ss AM/PM");
  ASSERT_TRUE(t.mSetFormat(L"hh:mm"));
  t.mSetDateFormat();
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"m/d/yyyy");
  EXPECT_EQ(t.mGetEFormat(), eDateFormat);
  t.mSetTimeFormat();
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"h:mm:ss AM/PM");
  EXPECT_EQ(t.mGetEFormat(), eTimeFormat);
  t.mSetDefFormat();
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"m/d/yyyy h:mm:ss AM/PM");
  EXPECT_EQ(t.mGetEFormat(), eDateTimeFormat);

  // A regional format that is refused leaves the previous format current.
  Access::mSetShortDate(t, L"qqqq");
  Access::mSetTimeFmt(t, L"h:m");
  const xFormatState xBefore = Access::mState(t);
  t.mSetDateFormat();
  EXPECT_EQ(Access::mState(t), xBefore);
  t.mSetTimeFormat();
  EXPECT_EQ(Access::mState(t), xBefore);
  t.mSetDefFormat();
  EXPECT_EQ(Access::mState(t), xBefore);
}

TEST_F(Selection, AcceptedTextMatchesItsCanonicalForm) {
  // Setting the canonical text gives the same parsed form as the original.
  const wchar_t* const kFormats[] = {L"mmmm d,yyyy", L"M/D/YY",          L"m/d-yy",
                                     L"qQ yyyy",     L"[h]:mm:ss",       L"h:mm:ss.s",
                                     L"d mmmm yyyy", L"dd.mm.yyyy hh:mm"};
  for (const wchar_t* pszFormat : kFormats) {
    SCOPED_TRACE(cvn::test::mNarrow(pszFormat));
    CmTimeCls a;
    ASSERT_TRUE(a.mSetFormat(pszFormat));
    CmString sCanonical;
    int iWidthA = 0;
    bool bDate = false;
    bool bTime = false;
    a.mGetFormat(sCanonical, &iWidthA, &bDate, &bTime);
    CmTimeCls b;
    ASSERT_TRUE(b.mSetFormat(sCanonical.c_str()));
    xFormatState xA = Access::mState(a);
    xFormatState xB = Access::mState(b);
    xA.sText.clear();
    xB.sText.clear();
    EXPECT_EQ(xA, xB);
  }
}

}  // namespace

namespace {

std::uint32_t mNextRandom(std::uint32_t* state) {
  *state = *state * 1664525u + 1013904223u;
  return *state >> 8;
}

TEST_F(Selection, RandomTextIsAcceptedWholeOrRefusedWithoutTrace) {
  // Texts from the pattern alphabet and a few strangers, of any length up
  // to 100: either the text becomes current as given or the previous
  // format stays whole.
  const wchar_t kAlphabet[] = L"yYmMdDhHsSqQwWkKaApP[]/:.-, @t\u00e9\xFFFF\xD800";
  const std::uint32_t uAlphabet = sizeof(kAlphabet) / sizeof(kAlphabet[0]) - 1;
  CmTimeCls t;
  CmTimeCls u;
  ASSERT_TRUE(t.mSetFormat(L"m/d/yy h:mm AM/PM"));
  std::uint32_t uState = 2024u;
  int iAccepted = 0;
  for (int i = 0; i < 20000; ++i) {
    std::wstring s;
    const std::uint32_t uLength = mNextRandom(&uState) % (i % 10 == 0 ? 101 : 12);
    for (std::uint32_t k = 0; k < uLength; ++k) s += kAlphabet[mNextRandom(&uState) % uAlphabet];
    // A refused non-empty text sets t's format again, and with it the
    // class-wide flags (u may have set its own in between); an empty text
    // changes nothing at all.
    xFormatState xBefore = Access::mState(t);
    if (!s.empty()) {
      xBefore.bElapsed = xBefore.sText.find(L'[') != std::wstring::npos;
      xBefore.bComma = xBefore.sText.find(L',') != std::wstring::npos;
    }
    if (!t.mSetFormat(s.c_str())) {
      ASSERT_EQ(Access::mState(t), xBefore) << cvn::test::mNarrow(s);
      continue;
    }
    ++iAccepted;
    EXPECT_EQ(t.mGetDateTimeFmt().str(), s);
    // Whatever is accepted may be offered to the working list; every entry
    // taken must be a legal format itself.
    const size_t iSize = CmTimeCls::m_vsTmpLegalFmts.size();
    if (t.mAddFormat(s.c_str(), true) && CmTimeCls::m_vsTmpLegalFmts.size() > iSize) {
      ASSERT_TRUE(u.mSetFormat(CmTimeCls::m_vsTmpLegalFmts.back().c_str()))
          << cvn::test::mNarrow(s);
    }
    if (CmTimeCls::m_vsTmpLegalFmts.size() >= 150) CmTimeCls::m_vsTmpLegalFmts.clear();
  }
  EXPECT_GT(iAccepted, 50);
  CmTimeCls::m_vsTmpLegalFmts.clear();
  CmTimeCls::iNumTmpLegalFmts = 0;
}

}  // namespace
