// The class-wide legal-format lists: canonical entries without duplicates,
// the 150-entry limit, deleting, the class loops, copying between the main
// list and its working copy, and the current format left as it was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmTimeCls.h"
#include "format/select_access.h"
#include "platform/settings_guard.h"

namespace {

using Access = CmTimeClsTestAccess;

std::vector<std::wstring> mList(bool workingCopy) {
  std::vector<std::wstring> v;
  for (const CmString& s : workingCopy ? CmTimeCls::m_vsTmpLegalFmts : CmTimeCls::m_vsLegalFmts) {
    v.push_back(s.str());
  }
  return v;
}

void mExpectCountsMatch() {
  EXPECT_EQ(CmTimeCls::iNumLegalFmts, static_cast<int>(CmTimeCls::m_vsLegalFmts.size()));
  EXPECT_EQ(CmTimeCls::iNumTmpLegalFmts, static_cast<int>(CmTimeCls::m_vsTmpLegalFmts.size()));
}

// Distinct legal date and date-time formats: three orders of month, day and
// year, one or two letters, two- or four-digit years, three separators and
// three time endings: 216 canonical texts.
std::vector<std::wstring> mDistinctFormats() {
  std::vector<std::wstring> v;
  const wchar_t* const kTimes[] = {L"", L" h:mm", L" hh:mm"};
  const wchar_t* const kSeps[] = {L"/", L"-", L"."};
  for (const wchar_t* pszTime : kTimes) {
    for (const wchar_t* pszSep : kSeps) {
      for (int iOrder = 0; iOrder < 3; ++iOrder) {
        for (int iBits = 0; iBits < 8; ++iBits) {
          const std::wstring sM = (iBits & 1) ? L"mm" : L"m";
          const std::wstring sD = (iBits & 2) ? L"dd" : L"d";
          const std::wstring sY = (iBits & 4) ? L"yyyy" : L"yy";
          const std::wstring* kOrders[3][3] = {{&sM, &sD, &sY}, {&sD, &sM, &sY}, {&sY, &sM, &sD}};
          std::wstring s = *kOrders[iOrder][0];
          s += pszSep;
          s += *kOrders[iOrder][1];
          s += pszSep;
          s += *kOrders[iOrder][2];
          s += pszTime;
          v.push_back(s);
        }
      }
    }
  }
  return v;
}

// Every test starts from empty lists under the built-in settings and
// leaves the lists empty.
class LegalList : public ::testing::Test {
 protected:
  LegalList() : m_xGuard(mBuiltInRegionalSettings()) {}
  void SetUp() override { m_xTime.mDeleteAllFormats(); }
  void TearDown() override { m_xTime.mDeleteAllFormats(); }

  cvn::test::RegionalSettingsGuard m_xGuard;
  CmTimeCls m_xTime;
};

TEST_F(LegalList, ConstructionFillsBothLists) {
  CmTimeCls t;
  EXPECT_FALSE(mList(false).empty());
  EXPECT_EQ(mList(true), mList(false));
  mExpectCountsMatch();
}

TEST_F(LegalList, AddStoresCanonicalTextOnce) {
  EXPECT_TRUE(m_xTime.mAddFormat(L"m/d/yy", false));
  EXPECT_TRUE(m_xTime.mAddFormat(L"m/d/yy", false));
  EXPECT_TRUE(m_xTime.mAddFormat(L"M/D/YY", false));
  EXPECT_EQ(mList(false), std::vector<std::wstring>{L"m/d/yy"});
  EXPECT_TRUE(m_xTime.mAddFormat(L"mmmm d,yyyy", false));
  EXPECT_TRUE(m_xTime.mAddFormat(L"mmmm d , yyyy", false));
  EXPECT_TRUE(m_xTime.mAddFormat(L"h:mm", false));
  EXPECT_TRUE(m_xTime.mAddFormat(L"m/d-yy", false));  // canonical "m/d/yy": present
  // Insertion order, never sorted; the working copy is untouched.
  EXPECT_EQ(mList(false), (std::vector<std::wstring>{L"m/d/yy", L"mmmm d, yyyy", L"h:mm"}));
  EXPECT_TRUE(mList(true).empty());
  mExpectCountsMatch();
}

TEST_F(LegalList, DuplicatesAreExactCaseSensitiveText) {
  // "h:mm:ss AM/PM" and "h:mm:ss am/pm" are different canonical texts.
  EXPECT_TRUE(m_xTime.mAddFormat(L"h:mm:ss AM/PM", false));
  EXPECT_TRUE(m_xTime.mAddFormat(L"h:mm:ss am/pm", false));
  EXPECT_EQ(mList(false), (std::vector<std::wstring>{L"h:mm:ss AM/PM", L"h:mm:ss am/pm"}));
}

TEST_F(LegalList, IllegalFormatsAreNotAdded) {
  // "@" has no part and so no text; "@DMS" is accepted as typed but its
  // canonical text "dm ss" is not a legal format.
  for (const wchar_t* psz : {L"", L"h:m", L"yy/yy", L"*", L"@", L"@DMS"}) {
    SCOPED_TRACE(cvn::test::mNarrow(psz));
    EXPECT_FALSE(m_xTime.mAddFormat(psz, false));
    EXPECT_FALSE(m_xTime.mAddFormat(psz, true));
  }
  EXPECT_FALSE(m_xTime.mAddFormat(nullptr, false));
  EXPECT_TRUE(mList(false).empty());
  EXPECT_TRUE(mList(true).empty());
  mExpectCountsMatch();
}

TEST_F(LegalList, LimitOf150AndDeleteMakesRoom) {
  const std::vector<std::wstring> vs = mDistinctFormats();
  ASSERT_GT(vs.size(), 151u);
  for (bool bWorking : {false, true}) {
    SCOPED_TRACE(bWorking);
    for (size_t i = 0; i < 150; ++i) {
      ASSERT_TRUE(m_xTime.mAddFormat(vs[i].c_str(), bWorking)) << cvn::test::mNarrow(vs[i]);
    }
    EXPECT_EQ(mList(bWorking).size(), 150u);
    EXPECT_EQ(bWorking ? CmTimeCls::iNumTmpLegalFmts : CmTimeCls::iNumLegalFmts, 150);
    // The 151st distinct format is refused; a full list refuses even one
    // that is present.
    EXPECT_FALSE(m_xTime.mAddFormat(vs[150].c_str(), bWorking));
    EXPECT_FALSE(m_xTime.mAddFormat(vs[0].c_str(), bWorking));
    EXPECT_EQ(mList(bWorking).size(), 150u);
    // Deleting one makes room for exactly one more.
    EXPECT_TRUE(m_xTime.mDeleteFormat(vs[10].c_str(), bWorking));
    EXPECT_EQ(mList(bWorking).size(), 149u);
    EXPECT_TRUE(m_xTime.mAddFormat(vs[150].c_str(), bWorking));
    EXPECT_EQ(mList(bWorking).back(), vs[150]);
    EXPECT_FALSE(m_xTime.mAddFormat(vs[151].c_str(), bWorking));
    mExpectCountsMatch();
  }
}

TEST_F(LegalList, DeleteRemovesTheCanonicalEntry) {
  for (const wchar_t* psz : {L"m/d/yy", L"h:mm", L"mmmm d, yyyy", L"hh:mm:ss"}) {
    ASSERT_TRUE(m_xTime.mAddFormat(psz, false));
  }
  EXPECT_TRUE(m_xTime.mDeleteFormat(L"MMMM D,YYYY", false));  // found by its canonical text
  EXPECT_EQ(mList(false), (std::vector<std::wstring>{L"m/d/yy", L"h:mm", L"hh:mm:ss"}));
  EXPECT_FALSE(m_xTime.mDeleteFormat(L"mmmm d, yyyy", false));  // no longer present
  EXPECT_FALSE(m_xTime.mDeleteFormat(L"h:m", false));           // illegal
  EXPECT_FALSE(m_xTime.mDeleteFormat(L"", false));
  EXPECT_FALSE(m_xTime.mDeleteFormat(L"h:mm", true));  // not in the working copy
  EXPECT_TRUE(m_xTime.mDeleteFormat(L"m/d/yy", false));
  EXPECT_EQ(mList(false), (std::vector<std::wstring>{L"h:mm", L"hh:mm:ss"}));
  mExpectCountsMatch();
}

TEST_F(LegalList, TryingFormatsLeavesTheCurrentFormat) {
  ASSERT_TRUE(m_xTime.mSetFormat(L"mmmm d,yyyy"));
  const xFormatState xBefore = Access::mState(m_xTime);
  m_xTime.mAddFormat(L"[h]:mm:ss", false);
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
  m_xTime.mAddFormat(L"h:m", false);
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
  m_xTime.mDeleteFormat(L"[h]:mm:ss", false);
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
  m_xTime.mAddFormat(L"h:mm:ss am/pm", false);
  CmString s;
  m_xTime.mInitLoop(eTimeFormat);
  while (m_xTime.mNextFormat(eTimeFormat, s, false)) {
  }
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
  m_xTime.mCopyFromFormat(false);
  m_xTime.mCopyFromFormat(true);
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
}

TEST_F(LegalList, TryingFormatsKeepsAFormatThatNoLongerParses) {
  // "h:mm:ss.ss" is legal while the input decimal symbol is "." and not
  // once it is ",": the current format must come back whole all the same.
  ASSERT_EQ(mGetInputDecimal(), L'.');
  ASSERT_TRUE(m_xTime.mSetFormat(L"h:mm:ss.ss"));
  const xFormatState xBefore = Access::mState(m_xTime);
  struct xRestoreDecimal {
    ~xRestoreDecimal() { mSetInputDecimal(L'.'); }
  } xRestore;
  mSetInputDecimal(L',');
  EXPECT_TRUE(m_xTime.mAddFormat(L"m/d/yy", false));
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
  EXPECT_FALSE(m_xTime.mAddFormat(L"h:m", false));
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
  EXPECT_TRUE(m_xTime.mDeleteFormat(L"m/d/yy", false));
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
  EXPECT_FALSE(m_xTime.mSetFormat(L"h:m"));
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
}

const wchar_t* const kMixed[] = {L"m/d/yy",   L"h:mm",      L"m/d/yy h:mm",        L"hh:mm:ss",
                                 L"mmm yyyy", L"[h]:mm:ss", L"d mmmm yyyy h:mm:ss"};

std::vector<std::wstring> mLoop(CmTimeCls& t, eFormatType type, bool workingCopy) {
  std::vector<std::wstring> v;
  CmString s(L"junk");
  t.mInitLoop(type);
  while (t.mNextFormat(type, s, workingCopy)) {
    v.push_back(s.str());
    if (v.size() > 200) break;
  }
  EXPECT_TRUE(s.empty());
  return v;
}

TEST_F(LegalList, ClassLoopsYieldEntriesInListOrder) {
  for (const wchar_t* psz : kMixed) ASSERT_TRUE(m_xTime.mAddFormat(psz, false));
  m_xTime.mCopyFromFormat(false);
  for (bool bWorking : {false, true}) {
    SCOPED_TRACE(bWorking);
    EXPECT_EQ(mLoop(m_xTime, eDateFormat, bWorking),
              (std::vector<std::wstring>{L"m/d/yy", L"mmm yyyy"}));
    EXPECT_EQ(mLoop(m_xTime, eTimeFormat, bWorking),
              (std::vector<std::wstring>{L"h:mm", L"hh:mm:ss", L"[h]:mm:ss"}));
    EXPECT_EQ(mLoop(m_xTime, eDateTimeFormat, bWorking),
              (std::vector<std::wstring>{L"m/d/yy h:mm", L"d mmmm yyyy h:mm:ss"}));
  }
}

TEST_F(LegalList, CursorsAreIndependentAndStayAtTheEnd) {
  for (const wchar_t* psz : kMixed) ASSERT_TRUE(m_xTime.mAddFormat(psz, false));
  CmString s;
  m_xTime.mInitLoop(eDateFormat);
  m_xTime.mInitLoop(eTimeFormat);
  ASSERT_TRUE(m_xTime.mNextFormat(eDateFormat, s, false));
  EXPECT_EQ(s.str(), L"m/d/yy");
  EXPECT_EQ(CmTimeCls::iDateLoop, 1);  // past the found entry
  ASSERT_TRUE(m_xTime.mNextFormat(eTimeFormat, s, false));
  EXPECT_EQ(s.str(), L"h:mm");
  EXPECT_EQ(CmTimeCls::iTimeLoop, 2);
  ASSERT_TRUE(m_xTime.mNextFormat(eDateFormat, s, false));
  EXPECT_EQ(s.str(), L"mmm yyyy");
  EXPECT_FALSE(m_xTime.mNextFormat(eDateFormat, s, false));
  EXPECT_EQ(CmTimeCls::iDateLoop, 7);
  EXPECT_FALSE(m_xTime.mNextFormat(eDateFormat, s, false));  // stays at the end
  // A cursor set from outside beyond either end is harmless.
  CmTimeCls::iDateLoop = -5;
  ASSERT_TRUE(m_xTime.mNextFormat(eDateFormat, s, false));
  EXPECT_EQ(s.str(), L"m/d/yy");
  CmTimeCls::iDateLoop = 1000;
  EXPECT_FALSE(m_xTime.mNextFormat(eDateFormat, s, false));
  EXPECT_EQ(CmTimeCls::iDateLoop, 1000);
  m_xTime.mInitLoop(eDateFormat);
  EXPECT_EQ(CmTimeCls::iDateLoop, 0);
}

TEST_F(LegalList, BadClassIsReported) {
  for (const wchar_t* psz : kMixed) ASSERT_TRUE(m_xTime.mAddFormat(psz, false));
  const int iDate = CmTimeCls::iDateLoop;
  const int iTime = CmTimeCls::iTimeLoop;
  const int iDateTime = CmTimeCls::iDateTimeLoop;
  const xFormatState xBefore = Access::mState(m_xTime);
  cvn::test::AssertCapture xCapture;
  for (int iType : {-1, 3, 1000}) {
    SCOPED_TRACE(iType);
    xCapture.mClear();
    CmString s(L"junk");
    EXPECT_FALSE(m_xTime.mNextFormat(static_cast<eFormatType>(iType), s, false));
    EXPECT_TRUE(s.empty());
    ASSERT_FALSE(xCapture.mGet().empty());
    for (const auto& r : xCapture.mGet()) {
      EXPECT_EQ(r.sExpression, "false");
      EXPECT_EQ(r.sFile, "time");
    }
    m_xTime.mInitLoop(static_cast<eFormatType>(iType));  // changes nothing
  }
  EXPECT_EQ(CmTimeCls::iDateLoop, iDate);
  EXPECT_EQ(CmTimeCls::iTimeLoop, iTime);
  EXPECT_EQ(CmTimeCls::iDateTimeLoop, iDateTime);
  EXPECT_EQ(Access::mState(m_xTime), xBefore);
}

TEST_F(LegalList, CopyBetweenListsKeepsOrderAndSkipsEmptyEntries) {
  for (const wchar_t* psz : kMixed) ASSERT_TRUE(m_xTime.mAddFormat(psz, false));
  m_xTime.mCopyFromFormat(false);
  EXPECT_EQ(mList(true), mList(false));
  mExpectCountsMatch();

  // Edit the working copy, then accept it.
  EXPECT_TRUE(m_xTime.mDeleteFormat(L"h:mm", true));
  EXPECT_TRUE(m_xTime.mAddFormat(L"yyyy-mm-dd", true));
  CmTimeCls::m_vsTmpLegalFmts.emplace_back(L"");  // an empty entry is skipped
  m_xTime.mCopyFromFormat(true);
  std::vector<std::wstring> vExpected;
  for (const wchar_t* psz : kMixed) {
    if (std::wstring(psz) != L"h:mm") vExpected.push_back(psz);
  }
  vExpected.push_back(L"yyyy-mm-dd");
  EXPECT_EQ(mList(false), vExpected);
  mExpectCountsMatch();

  m_xTime.mDeleteAllFormats();
  EXPECT_TRUE(mList(false).empty());
  EXPECT_TRUE(mList(true).empty());
  mExpectCountsMatch();
}

TEST_F(LegalList, CountsAreRebuiltFromTheLists) {
  ASSERT_TRUE(m_xTime.mAddFormat(L"m/d/yy", false));
  CmTimeCls::iNumLegalFmts = 99;  // damaged from outside
  ASSERT_TRUE(m_xTime.mAddFormat(L"h:mm", false));
  mExpectCountsMatch();
  EXPECT_EQ(CmTimeCls::iNumLegalFmts, 2);
}

}  // namespace
