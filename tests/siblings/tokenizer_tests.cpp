// CmStringTokenizer and mGetToken, with the flag combinations the reader
// passes: range texts ("..", skip empty, trim), date and time texts
// (separator, no skipping, trim) and elapsed-time buffers.

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "CmString.h"

namespace {

std::vector<std::wstring> mAllTokens(const wchar_t* text, const wchar_t* delimiters,
                                     const wchar_t* quotes, bool bSkipEmpty, bool bTrim) {
  CmStringTokenizer xTokenizer{CmString(text)};
  std::vector<std::wstring> vTokens;
  CmString sToken(L"stale");
  while (xTokenizer.mGetToken(delimiters, sToken, quotes, true, bSkipEmpty, bTrim, false)) {
    vTokens.push_back(sToken.str());
    if (vTokens.size() > 100) break;  // a tokenizer that never ends fails below
  }
  EXPECT_TRUE(sToken.empty());
  return vTokens;
}

TEST(Tokenizer, DateAndTimeTexts) {
  // Separator, no skipping of empty tokens, trimmed, quote marks ' and ".
  const struct {
    const wchar_t* pszText;
    const wchar_t* pszDelimiters;
    std::vector<std::wstring> vExpected;
  } kRows[] = {
      {L"3/15/2020", L"/", {L"3", L"15", L"2020"}},
      {L"3/15/", L"/", {L"3", L"15"}},  // used up after the last delimiter
      {L"/15/2020", L"/", {L"", L"15", L"2020"}},
      {L"3//2020", L"/", {L"3", L"", L"2020"}},
      {L" 3 / 15 ", L"/", {L"3", L"15"}},
      {L"12:30:15.50", L":", {L"12", L"30", L"15.50"}},
      {L"15 March 2020", L" ", {L"15", L"March", L"2020"}},
      {L"15  March", L" ", {L"15", L"March"}},  // blanks next to a blank delimiter
      {L"March 15, 2020", L", ", {L"March", L"15", L"2020"}},
      {L"March 15 , 2020", L", ", {L"March", L"15", L"2020"}},
      {L"1,,2", L", ", {L"1", L"", L"2"}},
      {L"'20/3'/4", L"/", {L"'20/3'", L"4"}},  // delimiters inside quotes do not count
      {L"\"a/b\"/c", L"/", {L"\"a/b\"", L"c"}},
      {L"'open/end", L"/", {L"'open/end"}},  // an unclosed quote runs to the end
      {L"abc", L"/", {L"abc"}},
      {L"", L"/", {}},
      {L"   ", L"/", {}},
      {L"a/b", L"", {L"a/b"}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message()
                 << '"' << row.pszText << "\" at \"" << row.pszDelimiters << '"');
    EXPECT_EQ(mAllTokens(row.pszText, row.pszDelimiters, L"'\"", false, true), row.vExpected);
  }
}

TEST(Tokenizer, RangeTexts) {
  // ".." with empty tokens skipped and trimming, as the range reader asks.
  const struct {
    const wchar_t* pszText;
    std::vector<std::wstring> vExpected;
  } kRows[] = {
      {L"1/1/2000..12/31/2000", {L"1/1/2000", L"12/31/2000"}},
      {L"1/1/2000 .. end", {L"1/1/2000", L"end"}},
      {L"1/1/2000", {L"1/1/2000"}},
      {L"a..b..c", {L"a", L"b", L"c"}},
      {L"..a..", {L"a"}},
      {L"....", {}},
      {L"", {}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << '"' << row.pszText << '"');
    CmStringTokenizer xTokenizer{CmString(row.pszText)};
    std::vector<std::wstring> vTokens;
    CmString sToken;
    while (xTokenizer.mGetToken(L"..", sToken, L"'", false, true, true, false)) {
      vTokens.push_back(sToken.str());
    }
    EXPECT_EQ(vTokens, row.vExpected);
  }
}

TEST(Tokenizer, UntrimmedTokensKeepTheirBlanks) {
  EXPECT_EQ(mAllTokens(L" a / b ", L"/", nullptr, false, false),
            (std::vector<std::wstring>{L" a ", L" b "}));
  EXPECT_EQ(mAllTokens(L"a  b", L" ", nullptr, false, false),
            (std::vector<std::wstring>{L"a", L"", L"b"}));
  EXPECT_EQ(mAllTokens(L"a  b", L" ", nullptr, true, false),
            (std::vector<std::wstring>{L"a", L"b"}));
}

TEST(Tokenizer, NullArgumentsAndEmbeddedNul) {
  EXPECT_EQ(mAllTokens(L"a/b", nullptr, nullptr, false, true), (std::vector<std::wstring>{L"a/b"}));
  // A NUL inside the text is an ordinary character, never a delimiter.
  CmStringTokenizer xTokenizer{CmString(std::wstring(L"a\0b/c", 5))};
  CmString sToken;
  ASSERT_TRUE(xTokenizer.mGetToken(L"/", sToken, L"'", true, false, true, false));
  EXPECT_EQ(sToken.str(), std::wstring(L"a\0b", 3));
  ASSERT_TRUE(xTokenizer.mGetToken(L"/", sToken, L"'", true, false, true, false));
  EXPECT_EQ(sToken, L"c");
  EXPECT_FALSE(xTokenizer.mGetToken(L"/", sToken, L"'", true, false, true, false));
}

TEST(GetToken, ElapsedTimeBuffer) {
  // The elapsed-time reader: days at " ", hours and minutes at ":", seconds
  // at the decimal symbol, then whatever is left.
  wchar_t szBuffer[80];
  std::wcscpy(szBuffer, L"1 12:30:15.50");
  CmString sToken;
  EXPECT_EQ(mGetToken(L" ", true, false, true, szBuffer, sToken), 1);
  EXPECT_EQ(sToken, L"1");
  EXPECT_STREQ(szBuffer, L"12:30:15.50");
  EXPECT_EQ(mGetToken(L":", true, false, true, szBuffer, sToken), 2);
  EXPECT_EQ(sToken, L"12");
  EXPECT_EQ(mGetToken(L":", true, false, true, szBuffer, sToken), 2);
  EXPECT_EQ(sToken, L"30");
  EXPECT_EQ(mGetToken(L".", true, false, true, szBuffer, sToken), 2);
  EXPECT_EQ(sToken, L"15");
  EXPECT_STREQ(szBuffer, L"50");
  EXPECT_EQ(mGetToken(L"", true, false, true, szBuffer, sToken), 2);
  EXPECT_EQ(sToken, L"50");
  EXPECT_STREQ(szBuffer, L"");
  EXPECT_EQ(mGetToken(L":", true, false, true, szBuffer, sToken), 0);
  EXPECT_TRUE(sToken.empty());
}

TEST(GetToken, Table) {
  const struct {
    const wchar_t* pszBuffer;
    const wchar_t* pszDelimiters;
    bool bSkipLeading;
    bool bTrim;
    const wchar_t* pszToken;
    const wchar_t* pszRest;
  } kRows[] = {
      {L"3", L" ", true, true, L"3", L""},           // no delimiter left: the rest
      {L"", L" ", true, true, L"", L""},             // nothing left
      {L"   ", L" ", true, true, L"", L""},          // only delimiters
      {L"  7 x", L" ", true, true, L"7", L"x"},      // leading delimiters passed over
      {L"  7 x", L" ", false, true, L"", L" 7 x"},   // not passed over
      {L" 12 :30", L":", true, true, L"12", L"30"},  // trimmed
      {L" 12 :30", L":", true, false, L" 12 ", L"30"},
      {L"::5", L":", true, true, L"5", L""},
      {L"a:b:c", L":", true, true, L"a", L"b:c"},
      {L"a;b:c", L":;", true, true, L"a", L"b:c"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message()
                 << '"' << row.pszBuffer << "\" at \"" << row.pszDelimiters << '"');
    wchar_t szBuffer[32];
    std::wcscpy(szBuffer, row.pszBuffer);
    CmString sToken(L"stale");
    const int iLength =
        mGetToken(row.pszDelimiters, row.bSkipLeading, false, row.bTrim, szBuffer, sToken);
    EXPECT_EQ(sToken, row.pszToken);
    EXPECT_EQ(iLength, static_cast<int>(std::wcslen(row.pszToken)));
    EXPECT_STREQ(szBuffer, row.pszRest);
  }
}

TEST(GetToken, NullBufferAndDelimiters) {
  CmString sToken(L"stale");
  EXPECT_EQ(mGetToken(L":", true, false, true, nullptr, sToken), 0);
  EXPECT_TRUE(sToken.empty());
  wchar_t szBuffer[8] = L"a:b";
  EXPECT_EQ(mGetToken(nullptr, true, false, true, szBuffer, sToken), 3);
  EXPECT_EQ(sToken, L"a:b");
  EXPECT_STREQ(szBuffer, L"");
}

}  // namespace
