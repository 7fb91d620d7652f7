// Format selection and the legal-format lists: mSetFormat accepting and
// refusing (the previous format and the class-wide flags kept whole),
// mGetFormat's canonical text and width, the regional selectors, and the
// lists' canonical entries, 150-entry limit, deleting, class loops and
// copying, none of which changes the current format.

#include "support/access.h"

namespace {

using A = CmTimeClsTestAccess::Format;
using namespace cvn::test;  // NOLINT(google-build-using-namespace)
using FormatSelection = FormatTest;

// The widest text: a separator per part (the first one's is the -1 start),
// the count (+1 for one letter), the longest month name ("SEPTEMBER", 9: so
// 17 for "mmmm d, yyyy"), a week label 2 (3 when alone), and the hour-12
// designator of a 12-hour format (" pm", "PM", " p", " NACHM."); then D and
// T for date and time parts.
TEST_F(FormatSelection, GetFormatGivesCanonicalTextAndWidth) {
  // clang-format off
  const wchar_t* const kRows[][2] = {
      {L"m/d/yy", L"m/d/yy|8D"}, {L"M/D/YY", L"m/d/yy|8D"}, {L"yyyy-mm-dd", L"yyyy-mm-dd|10D"},
      {L"mmm yyyy", L"mmm yyyy|8D"}, {L"mmmm d,yyyy", L"mmmm d, yyyy|17D"}, {L"Wkww", L"Wkww|4D"},
      {L"wwWk yyyy", L"wwWkyyyy|8D"}, {L"yyyyQq", L"yyyyQq|7D"}, {L"h:mm a/p", L"h:mm a/p|7T"},
      {L"h:mm:ss am/pm", L"h:mm:ss am/pm|11T"}, {L"h:mm:ssAM/PM", L"h:mm:ssAM/PM|10T"},
      {L"h:mm:ss.sss", L"h:mm:ss.sss|12T"}, {L"[h]:mm:ss", L"[h]:mm:ss|8T"},
      {L"m/d/yy h:mm", L"m/d/yy h:mm|14DT"}, {L"h:mm VORM./NACHM.", L"h:mm VORM./NACHM.|12T"}};
  // clang-format on
  A::mDesignators(m_t, L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  for (const auto& row : kRows) {
    ASSERT_TRUE(m_t.mSetFormat(row[0]));
    CmString s(L"junk");
    int iWidth = -99;
    bool bDate = false, bTime = false;
    m_t.mGetFormat(s, &iWidth, &bDate, &bTime);
    EXPECT_EQ(
        s.str() + L"|" + std::to_wstring(iWidth) + (bDate ? L"D" : L"") + (bTime ? L"T" : L""),
        row[1]);
    EXPECT_EQ(m_t.mGetDateTimeFmt().str(), row[0]);  // stored as given
  }
}

TEST_F(FormatSelection, RefusalKeepsEveryFieldAndFlag) {
  Strings vRefused = {L"",   L" ",    L"*",      L"h:m",     L"m/mm",
                      L"Wk", L"\xE9", L"\xD800", L"yymmmdd", L"[h]:mm:ss am/pm"};
  for (size_t n : {80u, 100000u}) vRefused.push_back(L"m/d/yy" + std::wstring(n - 6, L'@'));
  for (const wchar_t* psz : {L"m/d/yy", L"h:mm:ss am/pm", L"[h]:mm:ss", L"mmmm d,yyyy"}) {
    ASSERT_TRUE(m_t.mSetFormat(psz));
    const std::wstring sBefore = A::mState(m_t);
    for (const std::wstring& s : vRefused) {
      EXPECT_FALSE(m_t.mSetFormat(s.c_str()));
      EXPECT_EQ(A::mState(m_t), sBefore) << s.substr(0, 20);
    }
    EXPECT_FALSE(m_t.mSetFormat(nullptr));
    EXPECT_EQ(A::mState(m_t), sBefore);
  }
}

TEST_F(FormatSelection, RejectedFieldsAndClassWideFlags) {
  ASSERT_TRUE(m_t.mSetFormat(L"hh:mm"));
  EXPECT_FALSE(m_t.mSetFormat(L"m/d/yy h:m"));
  EXPECT_EQ(A::mRejected(m_t), L"/|:|2");
  EXPECT_FALSE(m_t.mSetFormat(L"Qq yyyy") || m_t.mSetFormat(L""));  // "" writes nothing
  EXPECT_EQ(A::mRejected(m_t), L"Q|:|0");
  // A refusal sets the class-wide flags from the refusing object's text
  // (another object may have set them); the text may be the object's own.
  CmTimeCls u;
  ASSERT_TRUE(u.mSetFormat(L"[h]:mm:ss") && m_t.mSetFormat(L"mmmm d, yyyy"));
  EXPECT_FALSE(u.mSetFormat(L"h:m"));
  EXPECT_EQ(A::mState(u), L"[h]:mm:ss|a1 b2 c2|101||:|10");
  EXPECT_TRUE(u.mSetFormat(u.mGetDateTimeFmt().c_str()));
  EXPECT_EQ(A::mState(u), L"[h]:mm:ss|a1 b2 c2|101||:|10");
}

// A format set again is taken from the parsed-format cache, which is kept
// per thread: an object with other designators, or a changed input decimal
// symbol, must parse the text again.
TEST_F(FormatSelection, CachedFormatsFollowDesignatorsAndDecimalSymbol) {
  A::mDesignators(m_t, L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  ASSERT_TRUE(m_t.mSetFormat(L"h:mm vorm./nachm."));
  ASSERT_TRUE(m_t.mSetFormat(L"h:mm:ss.s"));
  CmTimeCls u;  // the designators "AM"/"PM"
  EXPECT_FALSE(u.mSetFormat(L"h:mm vorm./nachm."));
  EXPECT_TRUE(m_t.mSetFormat(L"h:mm vorm./nachm."));
  mSetInputDecimal(L',');
  EXPECT_FALSE(m_t.mSetFormat(L"h:mm:ss.s"));
  mSetInputDecimal(L'.');
  EXPECT_TRUE(m_t.mSetFormat(L"h:mm:ss.s"));
}

TEST_F(FormatSelection, RegionalSelectors) {
  m_t.mSetTimeFormat();  // mSetDateFormat: see PackedWords.Version14FormatsBecomeWhatItCanShow
  EXPECT_EQ(m_t.mGetDateTimeFmt().str(), L"h:mm:ss AM/PM");
  // Decision: a refused regional format is not reported; the previous
  // format stays current.
  RegionalSettingsGuard xBad(mSettings(L"qqqq", L"/", L"h:m", L"AM", L"PM"));
  CmTimeCls u;
  const std::wstring sBefore = A::mState(u);
  u.mSetDateFormat(), u.mSetTimeFormat(), u.mSetDefFormat();
  EXPECT_EQ(A::mState(u), sBefore);
}

// ---- The legal-format lists, emptied before each test ---------------------

class LegalList : public FormatTest {
 protected:
  void SetUp() override { m_t.mDeleteAllFormats(); }
  // A list; its count must match it.
  static Strings mList(bool workingCopy) {
    const auto& v = workingCopy ? CmTimeCls::m_vsTmpLegalFmts : CmTimeCls::m_vsLegalFmts;
    EXPECT_EQ(workingCopy ? CmTimeCls::iNumTmpLegalFmts : CmTimeCls::iNumLegalFmts,
              static_cast<int>(v.size()));
    return mTexts(v);
  }
  void mAddAll(const Strings& v, bool workingCopy = false) {
    for (const std::wstring& s : v) EXPECT_TRUE(m_t.mAddFormat(s.c_str(), workingCopy)) << s;
  }
  // The formats of one class in list order, by mInitLoop and mNextFormat.
  Strings mLoop(eFormatType type, bool workingCopy) {
    Strings v;
    CmString s(L"junk");
    m_t.mInitLoop(type);
    while (m_t.mNextFormat(type, s, workingCopy) && v.size() < 200) v.push_back(s.str());
    return v;
  }
  const Strings kMixed = {L"m/d/yy",   L"h:mm",      L"m/d/yy h:mm",        L"hh:mm:ss",
                          L"mmm yyyy", L"[h]:mm:ss", L"d mmmm yyyy h:mm:ss"};
};

TEST_F(LegalList, AddStoresTheCanonicalTextOnceInOrder) {
  mAddAll({L"m/d/yy", L"m/d/yy", L"M/D/YY", L"mmmm d,yyyy", L"mmmm d , yyyy", L"h:mm", L"m/d-yy",
           L"h:mm:ss AM/PM", L"h:mm:ss am/pm"});  // case-sensitive: both designator spellings
  EXPECT_EQ(mList(false),
            (Strings{L"m/d/yy", L"mmmm d, yyyy", L"h:mm", L"h:mm:ss AM/PM", L"h:mm:ss am/pm"}));
  // Regression: "@DMS" is accepted as typed but its canonical text "dm ss"
  // is refused, and it was entered; "@" has no text at all.
  for (const wchar_t* psz : {L"", L"h:m", L"*", L"@", L"@DMS"}) {
    EXPECT_FALSE(m_t.mAddFormat(psz, false) || m_t.mAddFormat(psz, true)) << psz;
  }
  EXPECT_TRUE(mList(true).empty());
  // Deleting finds the canonical text; refused, absent or illegal: false.
  EXPECT_TRUE(m_t.mDeleteFormat(L"MMMM D,YYYY", false));
  EXPECT_FALSE(m_t.mDeleteFormat(L"mmmm d, yyyy", false) || m_t.mDeleteFormat(L"h:m", false) ||
               m_t.mDeleteFormat(L"h:mm", true));
  EXPECT_EQ(mList(false), (Strings{L"m/d/yy", L"h:mm", L"h:mm:ss AM/PM", L"h:mm:ss am/pm"}));
}

TEST_F(LegalList, LimitOf150AndDeleteMakesRoom) {
  Strings vs;  // 168 distinct canonical texts
  for (const wchar_t* pszTime :
       {L"", L" h", L" h:mm", L" hh:mm", L" h:mm:ss", L" hh:mm:ss", L" hAM/PM"})
    for (const std::wstring sSep : {L"/", L"-", L"."})
      for (const wchar_t* pszM : {L"m", L"mm"})
        for (const wchar_t* pszD : {L"d", L"dd"})
          for (const wchar_t* pszY : {L"yy", L"yyyy"})
            vs.push_back(pszM + sSep + pszD + sSep + pszY + pszTime);
  for (bool bWorking : {false, true}) {
    mAddAll(Strings(vs.begin(), vs.begin() + 150), bWorking);
    EXPECT_FALSE(m_t.mAddFormat(vs[150].c_str(), bWorking));  // the 151st
    EXPECT_FALSE(m_t.mAddFormat(vs[0].c_str(), bWorking));    // full: even one present
    EXPECT_TRUE(m_t.mDeleteFormat(vs[10].c_str(), bWorking));
    EXPECT_TRUE(m_t.mAddFormat(vs[150].c_str(), bWorking));  // room for exactly one
    EXPECT_FALSE(m_t.mAddFormat(vs[151].c_str(), bWorking));
    EXPECT_EQ(mList(bWorking).size(), 150u);
    EXPECT_EQ(mList(bWorking).back(), vs[150]);
  }
}

// None of them changes the current format, even one that no longer parses
// ("h:mm:ss.ss" once the input decimal symbol is ",").
TEST_F(LegalList, ClassLoopsAndCopies) {
  ASSERT_TRUE(m_t.mSetFormat(L"h:mm:ss.ss"));
  const std::wstring sCurrent = A::mState(m_t);
  mSetInputDecimal(L',');
  mAddAll(kMixed);
  m_t.mCopyFromFormat(false);
  EXPECT_EQ(mList(true), kMixed);
  for (bool bWorking : {false, true}) {
    EXPECT_EQ(mLoop(eDateFormat, bWorking), (Strings{L"m/d/yy", L"mmm yyyy"}));
    EXPECT_EQ(mLoop(eTimeFormat, bWorking), (Strings{L"h:mm", L"hh:mm:ss", L"[h]:mm:ss"}));
    EXPECT_EQ(mLoop(eDateTimeFormat, bWorking), (Strings{L"m/d/yy h:mm", L"d mmmm yyyy h:mm:ss"}));
  }
  // The cursors are independent and move past the entry found.
  CmString s;
  m_t.mInitLoop(eDateFormat), m_t.mInitLoop(eTimeFormat);
  EXPECT_TRUE(m_t.mNextFormat(eDateFormat, s, false) && m_t.mNextFormat(eTimeFormat, s, false));
  EXPECT_EQ(std::to_wstring(CmTimeCls::iDateLoop) + std::to_wstring(CmTimeCls::iTimeLoop), L"12");
  // A class other than 0, 1 or 2 is reported; no cursor moves.
  AssertCapture xCapture;
  EXPECT_FALSE(m_t.mNextFormat(static_cast<eFormatType>(3), s, false));
  m_t.mInitLoop(static_cast<eFormatType>(-1));
  EXPECT_TRUE(s.empty());
  EXPECT_EQ(AssertCapture::mJoined(), "false time 55;false time 56");
  EXPECT_EQ(std::to_wstring(CmTimeCls::iDateLoop) + std::to_wstring(CmTimeCls::iTimeLoop), L"12");
  // An edited working copy replaces the main list; an empty entry is
  // skipped, and a count damaged from outside is rebuilt.
  EXPECT_TRUE(m_t.mDeleteFormat(L"h:mm", true) && m_t.mAddFormat(L"yyyy-mm-dd", true));
  CmTimeCls::m_vsTmpLegalFmts.emplace_back(L"");
  CmTimeCls::iNumLegalFmts = 99;
  m_t.mCopyFromFormat(true);
  EXPECT_EQ(mList(false), (Strings{L"m/d/yy", L"m/d/yy h:mm", L"hh:mm:ss", L"mmm yyyy",
                                   L"[h]:mm:ss", L"d mmmm yyyy h:mm:ss", L"yyyy-mm-dd"}));
  EXPECT_FALSE(m_t.mAddFormat(L"h:m", false) || m_t.mSetFormat(L"h:m"));
  EXPECT_EQ(A::mState(m_t), sCurrent);
}

}  // namespace
