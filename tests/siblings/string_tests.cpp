// The string stand-in: CmString members (indexes clipped to the text,
// blanks, numbers, resources), the free services (comparison, case of
// non-ASCII letters, digits of every script, numbers, decimal symbols) and
// the tokenizers with the flags the reader passes.

#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <string>

#include "CmString.h"
#include "siblings/string/char_class.h"
#include "support/guards.h"

namespace {

// All the tokens of text, each in brackets ("" when there is none), with
// ' and " as quotation marks; the token is emptied when none is left.
std::wstring mTokens(const std::wstring& text, const wchar_t* delimiters, bool bSkipEmpty,
                     bool bTrim) {
  CmStringTokenizer xTokenizer{CmString(text)};
  std::wstring sAll;
  CmString sToken(L"stale");
  while (sAll.size() < 200 &&
         xTokenizer.mGetToken(delimiters, sToken, L"'\"", true, bSkipEmpty, bTrim, false)) {
    sAll += L"[" + sToken.str() + L"]";
  }
  return sToken.empty() ? sAll : L"not emptied";
}

// Indexes and counts are clipped to the text; null texts count as empty;
// a NUL inside the value is an ordinary character.
TEST(CmString, MembersClipTheirArguments) {
  const CmString s(L"a/b/c");
  // clang-format off
  const std::pair<int, int> kFinds[] = {
      {s.mFind(L'/', 2), 3}, {s.mFind(L'/', -7), 1}, {s.mFind(L'/', INT_MAX), -1},
      {s.mFind(L"b/", 3), -1}, {s.mFind(static_cast<const wchar_t*>(nullptr)), -1},
      {s.mFindOneOf(L"cb"), 2}, {s.mFindOneOf(nullptr), -1}};
  const std::pair<CmString, const wchar_t*> kParts[] = {
      {s.mLeft(-1), L""}, {s.mLeft(99), L"a/b/c"}, {s.mRight(2), L"/c"}, {s.mMid(-4, 2), L"a/"},
      {s.mMid(9, 2), L""}, {s.mMid(1, INT_MAX), L"/b/c"}, {CmString(L'x', -5), L""},
      {CmString(static_cast<const wchar_t*>(nullptr)), L""}};
  // clang-format on
  for (const auto& [iFound, iExpected] : kFinds) EXPECT_EQ(iFound, iExpected);
  for (const auto& [sPart, pszExpected] : kParts) EXPECT_EQ(sPart, pszExpected);
  CmString e(L"a-b-c");
  e.mInsert(99, L"!");
  e.mInsert(-3, L"<");
  e.mDelete(1, 2);
  e.mDelete(-1, 2);
  e.mRemoveChars(L'-', true);
  e.mTruncate(3);
  EXPECT_EQ(e, L"<bc");
  const CmString n(std::wstring(L"a\0b", 3));
  EXPECT_TRUE(n.length() == 3 && n.mFind(L'b') == 2 && !(n == L"a"));
}

// Blanks (spaces and tabs) trimmed and collapsed; whole texts read as ints;
// the labels and unit messages among the resources.
TEST(CmString, BlanksNumbersAndResources) {
  // Text, trimmed both sides, leading, trailing, collapsed.
  // clang-format off
  const std::array<const wchar_t*, 5> kBlanks[] = {
      {L"   ", L"", L"", L"", L" "}, {L" a  b ", L"a  b", L"a  b ", L" a  b", L" a b "},
      {L"\ta\t\tb", L"a\t\tb", L"a\t\tb", L"\ta\t\tb", L" a b"}};
  // Text and its int (12345: none; the out value is then untouched).
  const std::pair<const wchar_t*, int> kNumbers[] = {
      {L" 42 ", 42}, {L"-17", -17}, {L"+5", 5}, {L"2147483647", INT_MAX}, {L"-2147483648", INT_MIN},
      {L"\x0663\x0664", 34}, {L"2147483648", 12345}, {L"-2147483649", 12345},
      {L"99999999999999999999", 12345}, {L"", 12345}, {L"-", 12345}, {L"1.5", 12345},
      {L"1 2", 12345}, {L"12a", 12345}, {L"--1", 12345}};
  // clang-format on
  for (const auto& [pszText, pszBoth, pszLeading, pszTrailing, pszCollapsed] : kBlanks) {
    CmString a(pszText), b(pszText), c(pszText), d(pszText);
    a.mTrimLeadingAndTrailingBlanks();
    d.mCollapseBlanks();
    wchar_t szLeading[16], szTrailing[16];
    const int iLeading = mLeftJustify(std::wcscpy(szLeading, pszText));
    const int iTrailing = mTrim(std::wcscpy(szTrailing, pszText));
    EXPECT_TRUE(a == pszBoth && mLeftJustify(b) == iLeading && b == szLeading &&
                mTrim(c) == iTrailing && c == szTrailing && d == pszCollapsed &&
                iLeading == static_cast<int>(std::wcslen(pszLeading)) &&
                std::wcscmp(szLeading, pszLeading) == 0 &&
                std::wcscmp(szTrailing, pszTrailing) == 0)
        << pszText;
  }
  for (const auto& [pszText, iValue] : kNumbers) {
    int iOut = 12345;
    EXPECT_EQ(CmString(pszText).mStringToNum(&iOut), iValue != 12345) << pszText;
    EXPECT_EQ(iOut, iValue) << pszText;
  }
  EXPECT_TRUE(CmString(55673) == L"Q" && CmString(55676) == L"Wk" && CmString(50224).empty());
  const wchar_t* const kUnits[] = {L"day",    L"month", L"year",    L"second",
                                   L"minute", L"hour",  L"quarter", L"multiple"};
  for (int i = 0; i < 8; ++i) EXPECT_NE(CmString(50225 + i).mFind(kUnits[i]), -1) << 50225 + i;
  CmString r(L"kept?");
  EXPECT_TRUE(!r.mLoadString(4000000000u) && r.empty() && CmString(-1).empty() &&
              CmString(50233).empty());
}

// Case of non-ASCII letters (accented Latin, Cyrillic, Greek; a text
// without case); odd code units have no case and are no letters; every
// digit of every script maps to the Latin digit of its place in its block
// of ten and is no letter; characters next to a block are no digits.
TEST(StringFunctions, CaseLettersAndDigits) {
  // clang-format off
  const std::array<const wchar_t*, 3> kCase[] = {
      {L"f\u00E9vr.", L"F\u00C9VR.", L"f\u00E9vr."}, {L"M\u00E4rz", L"M\u00C4RZ", L"m\u00E4rz"},
      {L"\u044F\u043D\u0432", L"\u042F\u041D\u0412", L"\u044F\u043D\u0432"},
      {L"\u03BC\u03AC\u03B9", L"\u039C\u0386\u0399", L"\u03BC\u03AC\u03B9"},
      {L"12:30 am", L"12:30 AM", L"12:30 am"}, {L"\u5E74\u6708", L"\u5E74\u6708", L"\u5E74\u6708"}};
  // clang-format on
  for (const auto& [pszText, pszUpper, pszLower] : kCase) {
    CmString a(pszText), b(pszText), c(pszUpper);
    mStringToUpper(a);
    mStrUpperInternal(b, "time", 1);
    mStrLowerInternal(c, "time", 1);
    EXPECT_TRUE(a == pszUpper && b == pszUpper && c == pszLower &&
                mStrCompareIgnore(pszText, pszUpper) == 0)
        << pszText;
  }
  EXPECT_TRUE(mToUpper(L'\u00FF') == L'\u0178' && mToLower(L'\u0178') == L'\u00FF');
  EXPECT_TRUE(mStrCompareIgnore(L"ab", L"ABC") < 0 && mStrCompare(L"ABC", L"abc") != 0 &&
              mStrCompare(nullptr, L"") == 0 && mIsCharAlpha(L'\u0436') && mIsCharAlpha(L'\u5E74'));
  for (long c :
       {0L, 0xD800L, 0xDFFFL, 0xFFFFL, 0x110000L, -1L, 0x7FFFFFFFL, long{L'0'}, long{L'/'}}) {
    const auto wc = static_cast<wchar_t>(c);
    EXPECT_TRUE(mToUpper(wc) == wc && mToLower(wc) == wc && !mIsCharAlpha(wc)) << c;
  }
  int iDigits = 0;
  for (long c = 0; c <= 0x10FFFF; ++c) {
    const auto wc = static_cast<wchar_t>(c);
    const int iValue = cvn::detail::mDigitValue(wc);
    iDigits += iValue >= 0;
    ASSERT_TRUE(iValue < 0 ||
                (mIsCharDigit(wc) && mGetLatinDigit(wc) == L'0' + iValue && !mIsCharAlpha(wc) &&
                 cvn::detail::mDigitValue(static_cast<wchar_t>(c - iValue)) == 0))
        << c;
  }
  EXPECT_TRUE(iDigits % 10 == 0 && iDigits >= 300) << iDigits;
  for (wchar_t c : {L'\u0660', L'\u06F5', L'\u0967', L'\uFF19', L'\u0E53'})
    EXPECT_TRUE(mIsCharDigit(c)) << c;
  for (wchar_t c : {L'\u066A', L'\u060C', L'\uFF1A'})
    EXPECT_TRUE(!mIsCharDigit(c) && mGetLatinDigit(c) == c);
}

// A signed decimal number of any script's digits with at most one input
// decimal symbol, blanks around it; the symbol can be changed; the reader's
// set of time characters holds the digits.
TEST(StringFunctions, IsNumericAndDecimalSymbols) {
  // clang-format off
  const std::pair<const wchar_t*, bool> kRows[] = {
      {L"0", true}, {L" 12 ", true}, {L"-5", true}, {L"+5", true}, {L"1.5", true}, {L".5", true},
      {L"5.", true}, {L"\u0661\u0662", true}, {L"", false}, {L"   ", false}, {L"-", false},
      {L".", false}, {L"1.2.3", false}, {L"1 2", false}, {L"- 1", false}, {L"1-", false},
      {L"12a", false}, {L"1,5", false}, {L"Jan", false}, {L"1e5", false}, {L"\uFFFF", false},
      {nullptr, false}};
  // clang-format on
  for (const auto& [pszText, bNumeric] : kRows) EXPECT_EQ(mIsNumeric(pszText), bNumeric) << pszText;
  ASSERT_TRUE(mGetInputDecimal() == L'.' && mGetOutputDecimal() == L'.');
  {
    const cvn::test::DecimalSymbolGuard xDecimals(L',', L';');
    EXPECT_TRUE(mIsNumeric(L"1,5") && !mIsNumeric(L"1.5") && !mIsNumeric(L"1,5,5") &&
                mGetOutputDecimal() == L';');
  }
  const CmString& sSet = CmGlobalStrings::mInstance()->mGetTimeCharSet();
  for (wchar_t c = L'0'; c <= L'9'; ++c) EXPECT_NE(sSet.mFind(c), -1) << c;
}

TEST(Tokenizer, Tokens) {
  // Text, delimiters, skip empty tokens, trim, tokens. The range reader
  // cuts at ".." skipping empty tokens; trimmed tokens let blank delimiters
  // next to others make no empty token; a delimiter at the very end gives
  // no empty token after it; delimiters inside ' or " quotes do not count,
  // and an unclosed quote runs to the end; NUL is an ordinary character.
  // clang-format off
  const std::tuple<std::wstring, const wchar_t*, bool, bool, std::wstring> kRows[] = {
      {L"1/1/2000..12/31/2000", L"..", true, true, L"[1/1/2000][12/31/2000]"},
      {L"1/1/2000 .. end", L"..", true, true, L"[1/1/2000][end]"},
      {L"..a..", L"..", true, true, L"[a]"}, {L"....", L"..", true, true, L""},
      {L"", L"..", true, true, L""}, {L"3/15/2020", L"/", false, true, L"[3][15][2020]"},
      {L"3/15/", L"/", false, true, L"[3][15]"}, {L"/15", L"/", false, true, L"[][15]"},
      {L"3//2020", L"/", false, true, L"[3][][2020]"}, {L" 3 / 15 ", L"/", false, true, L"[3][15]"},
      {L"15  March", L" ", false, true, L"[15][March]"},
      {L"March 15 , 2020", L", ", false, true, L"[March][15][2020]"},
      {L"1,,2", L", ", false, true, L"[1][][2]"}, {L"'20/3'/4", L"/", false, true, L"['20/3'][4]"},
      {L"\"a/b\"/c", L"/", false, true, L"[\"a/b\"][c]"},
      {L"'open/end", L"/", false, true, L"['open/end]"}, {L"   ", L"/", false, true, L""},
      {L"a/b", L"", false, true, L"[a/b]"}, {L" a / b ", L"/", false, false, L"[ a ][ b ]"},
      {L"a  b", L" ", false, false, L"[a][][b]"}, {L"a  b", L" ", true, false, L"[a][b]"},
      {L"a/b", nullptr, false, true, L"[a/b]"},
      {std::wstring(L"a\0b/c", 5), L"/", false, true, std::wstring(L"[a\0b][c]", 8)}};
  // clang-format on
  for (const auto& [sText, pszDelimiters, bSkip, bTrim, sTokens] : kRows) {
    EXPECT_EQ(mTokens(sText, pszDelimiters, bSkip, bTrim), sTokens) << sText;
  }
}

TEST(Tokenizer, GetTokenFromABuffer) {
  // Buffer, delimiters, skip leading delimiters, trim, token, rest: the
  // rest follows the delimiter; with none, the token is all that is left.
  // clang-format off
  using W = const wchar_t*;
  const std::tuple<W, W, bool, bool, W, W> kRows[] = {
      {L"3", L" ", true, true, L"3", L""}, {L"", L" ", true, true, L"", L""},
      {L"   ", L" ", true, true, L"", L""}, {L"  7 x", L" ", true, true, L"7", L"x"},
      {L"  7 x", L" ", false, true, L"", L" 7 x"}, {L" 12 :30", L":", true, true, L"12", L"30"},
      {L" 12 :30", L":", true, false, L" 12 ", L"30"}, {L"::5", L":", true, true, L"5", L""},
      {L"a;b:c", L":;", true, true, L"a", L"b:c"}, {L"a:b", nullptr, true, true, L"a:b", L""}};
  // clang-format on
  for (const auto& [pszBuffer, pszDelimiters, bSkip, bTrim, pszToken, pszRest] : kRows) {
    wchar_t szBuffer[32];
    std::wcscpy(szBuffer, pszBuffer);
    CmString sToken(L"stale");
    EXPECT_EQ(mGetToken(pszDelimiters, bSkip, false, bTrim, szBuffer, sToken),
              static_cast<int>(std::wcslen(pszToken)));
    EXPECT_TRUE(sToken == pszToken && std::wcscmp(szBuffer, pszRest) == 0)
        << pszBuffer << " -> " << szBuffer;
  }
  // The elapsed-time reader: days at " ", hours and minutes at ":",
  // seconds at the decimal symbol, then what is left; nothing then.
  wchar_t szBuffer[32] = L"1 12:30:15.50";
  std::wstring sAll;
  CmString sToken;
  for (const wchar_t* pszDelimiters : {L" ", L":", L":", L".", L"", L":"}) {
    sAll += std::to_wstring(mGetToken(pszDelimiters, true, false, true, szBuffer, sToken)) + L"[" +
            sToken.str() + L"]";
  }
  EXPECT_EQ(sAll, L"1[1]2[12]2[30]2[15]2[50]0[]");
  EXPECT_TRUE(mGetToken(L":", true, false, true, nullptr, sToken) == 0 && sToken.empty());
}

}  // namespace
