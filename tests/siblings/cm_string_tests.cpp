// CmString members: clipping of indexes, blanks, numbers and resources.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "CmString.h"

namespace {

TEST(CmString, ConstructionAndNullText) {
  EXPECT_TRUE(CmString(static_cast<const wchar_t*>(nullptr)).empty());
  EXPECT_EQ(CmString(L'x', 3), L"xxx");
  EXPECT_TRUE(CmString(L'x', 0).empty());
  EXPECT_TRUE(CmString(L'x', -5).empty());
  CmString s(L"abc");
  s = static_cast<const wchar_t*>(nullptr);
  EXPECT_TRUE(s.empty());
  s += static_cast<const wchar_t*>(nullptr);
  EXPECT_TRUE(s.empty());
  EXPECT_TRUE(CmString() == static_cast<const wchar_t*>(nullptr));
  EXPECT_TRUE(CmString(L"a") != static_cast<const wchar_t*>(nullptr));
}

TEST(CmString, StringResources) {
  const struct {
    int iId;
    const wchar_t* pszExpected;  // null: any non-empty sentence
  } kRows[] = {
      {55673, L"Q"},    {55676, L"Wk"},   {50225, nullptr}, {50226, nullptr}, {50227, nullptr},
      {50228, nullptr}, {50229, nullptr}, {50230, nullptr}, {50231, nullptr}, {50232, nullptr},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.iId);
    CmString s(row.iId);
    if (row.pszExpected != nullptr) {
      EXPECT_EQ(s, row.pszExpected);
    } else {
      EXPECT_GT(s.length(), 20);
      EXPECT_EQ(s[s.length() - 1], L'.');
    }
    CmString t(L"old");
    EXPECT_TRUE(t.mLoadString(static_cast<unsigned>(row.iId)));
    EXPECT_EQ(t, s);
  }
  // Each unit message names its unit.
  EXPECT_NE(CmString(50225).mFind(L"day"), -1);
  EXPECT_NE(CmString(50226).mFind(L"month"), -1);
  EXPECT_NE(CmString(50227).mFind(L"year"), -1);
  EXPECT_NE(CmString(50228).mFind(L"second"), -1);
  EXPECT_NE(CmString(50229).mFind(L"minute"), -1);
  EXPECT_NE(CmString(50230).mFind(L"hour"), -1);
  EXPECT_NE(CmString(50231).mFind(L"quarter"), -1);
  EXPECT_NE(CmString(50232).mFind(L"multiple"), -1);
}

TEST(CmString, UnknownResourcesAreEmpty) {
  for (int iId : {-1, 0, 50224, 50233, 55674, INT_MAX, INT_MIN}) {
    SCOPED_TRACE(iId);
    EXPECT_TRUE(CmString(iId).empty());
  }
  CmString s(L"kept?");
  EXPECT_FALSE(s.mLoadString(4000000000u));
  EXPECT_TRUE(s.empty());
}

TEST(CmString, FindAndSubstringsClipTheirArguments) {
  const CmString s(L"a/b/c");
  EXPECT_EQ(s.mFind(L'/'), 1);
  EXPECT_EQ(s.mFind(L'/', 2), 3);
  EXPECT_EQ(s.mFind(L'/', 4), -1);
  EXPECT_EQ(s.mFind(L'/', -7), 1);
  EXPECT_EQ(s.mFind(L'/', INT_MAX), -1);
  EXPECT_EQ(s.mFind(L"b/"), 2);
  EXPECT_EQ(s.mFind(L"b/", 3), -1);
  EXPECT_EQ(s.mFind(static_cast<const wchar_t*>(nullptr)), -1);
  EXPECT_EQ(s.mFindOneOf(L"cb"), 2);
  EXPECT_EQ(s.mFindOneOf(L"xyz"), -1);
  EXPECT_EQ(s.mFindOneOf(nullptr), -1);
  EXPECT_EQ(s.mLeft(2), L"a/");
  EXPECT_EQ(s.mLeft(-1), L"");
  EXPECT_EQ(s.mLeft(99), L"a/b/c");
  EXPECT_EQ(s.mRight(2), L"/c");
  EXPECT_EQ(s.mRight(99), L"a/b/c");
  EXPECT_EQ(s.mRight(-3), L"");
  EXPECT_EQ(s.mMid(2), L"b/c");
  EXPECT_EQ(s.mMid(2, 1), L"b");
  EXPECT_EQ(s.mMid(-4, 2), L"a/");
  EXPECT_EQ(s.mMid(9, 2), L"");
  EXPECT_EQ(s.mMid(1, INT_MAX), L"/b/c");
}

TEST(CmString, EditingMembers) {
  CmString s(L"abc");
  s.mInsert(1, L"XY");
  EXPECT_EQ(s, L"aXYbc");
  s.mInsert(99, L"!");
  EXPECT_EQ(s, L"aXYbc!");
  s.mInsert(-3, L"<");
  EXPECT_EQ(s, L"<aXYbc!");
  s.mInsert(2, nullptr);
  s.mDelete(0);
  EXPECT_EQ(s, L"aXYbc!");
  s.mDelete(1, 2);
  EXPECT_EQ(s, L"abc!");
  s.mDelete(3, 99);
  EXPECT_EQ(s, L"abc");
  s.mDelete(-1, 2);
  s.mDelete(3, 1);
  s.mDelete(0, 0);
  EXPECT_EQ(s, L"abc");

  CmString r(L"aaa");
  EXPECT_EQ(r.mReplace(L"a", L"aa"), 3);  // no re-scan of inserted text
  EXPECT_EQ(r, L"aaaaaa");
  EXPECT_EQ(r.mReplace(L"aa", nullptr), 3);
  EXPECT_TRUE(r.empty());
  EXPECT_EQ(r.mReplace(L"", L"x"), 0);
  EXPECT_EQ(r.mReplace(nullptr, L"x"), 0);

  CmString c(L"a-b-c");
  c.mRemoveChars(L'-', false);
  EXPECT_EQ(c, L"ab-c");
  c.mRemoveChars(L'-', true);
  EXPECT_EQ(c, L"abc");
  CmString d(L"x.y.z");
  d.mReplaceChars(L'.', L'/', 0, false);
  EXPECT_EQ(d, L"x/y.z");
  d.mReplaceChars(L'.', L'/', 4, true);
  EXPECT_EQ(d, L"x/y.z");
  d.mReplaceChars(L'.', L'/', -2, true);
  EXPECT_EQ(d, L"x/y/z");
  d.mTruncate(3);
  EXPECT_EQ(d, L"x/y");
  d.mTruncate(10);
  EXPECT_EQ(d, L"x/y");
  d.mTruncate(-1);
  EXPECT_TRUE(d.empty());
  d.mConcatenateChar(L'0', 3);
  d.mConcatenateChar(L'1', -3);
  EXPECT_EQ(d, L"000");
}

TEST(CmString, Blanks) {
  const struct {
    const wchar_t* pszText;
    const wchar_t* pszBoth;
    const wchar_t* pszLeading;
    const wchar_t* pszTrailing;
    const wchar_t* pszCollapsed;
  } kRows[] = {
      {L"", L"", L"", L"", L""},
      {L"   ", L"", L"", L"", L" "},
      {L" a  b ", L"a  b", L"a  b ", L" a  b", L" a b "},
      {L"\ta\t\tb", L"a\t\tb", L"a\t\tb", L"\ta\t\tb", L" a b"},
      {L"ab", L"ab", L"ab", L"ab", L"ab"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << '"' << row.pszText << '"');
    CmString s(row.pszText);
    s.mTrimLeadingAndTrailingBlanks();
    EXPECT_EQ(s, row.pszBoth);
    s = row.pszText;
    s.mTrimLeadingBlanks();
    EXPECT_EQ(s, row.pszLeading);
    s = row.pszText;
    s.mTrimTrailingBlanks();
    EXPECT_EQ(s, row.pszTrailing);
    s = row.pszText;
    s.mCollapseBlanks();
    EXPECT_EQ(s, row.pszCollapsed);
  }
}

TEST(CmString, StringToNum) {
  const struct {
    const wchar_t* pszText;
    bool bOk;
    int iValue;
  } kRows[] = {
      {L"0", true, 0},
      {L" 42 ", true, 42},
      {L"-17", true, -17},
      {L"+5", true, 5},
      {L"2147483647", true, INT_MAX},
      {L"2147483648", false, 0},
      {L"-2147483648", true, INT_MIN},
      {L"-2147483649", false, 0},
      {L"99999999999999999999", false, 0},
      {L"\x0663\x0664", true, 34},  // Arabic-Indic digits
      {L"", false, 0},
      {L"  ", false, 0},
      {L"-", false, 0},
      {L"1.5", false, 0},
      {L"1 2", false, 0},
      {L"12a", false, 0},
      {L"--1", false, 0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << '"' << row.pszText << '"');
    int iOut = 12345;
    EXPECT_EQ(CmString(row.pszText).mStringToNum(&iOut), row.bOk);
    EXPECT_EQ(iOut, row.bOk ? row.iValue : 12345);  // untouched on failure
  }
  EXPECT_TRUE(CmString(L"7").mStringToNum(nullptr));
}

TEST(CmString, EmbeddedNulIsKeptInTheValue) {
  CmString s(std::wstring(L"a\0b", 3));
  EXPECT_EQ(s.length(), 3);
  EXPECT_EQ(s.mFind(L'b'), 2);
  EXPECT_FALSE(s == L"a");
  int iOut = 0;
  EXPECT_FALSE(CmString(std::wstring(L"1\0"
                                     L"2",
                                     3))
                   .mStringToNum(&iOut));
}

}  // namespace
