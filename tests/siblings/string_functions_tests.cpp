// Free string services: comparison, case, letters, digits of every script,
// numbers, blank trimming and the decimal symbols.

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "CmString.h"
#include "siblings/string/char_class.h"

namespace {

// Restores the decimal symbols a test changes.
class DecimalGuard {
 public:
  DecimalGuard() : m_cInput(mGetInputDecimal()), m_cOutput(mGetOutputDecimal()) {}
  ~DecimalGuard() {
    mSetInputDecimal(m_cInput);
    mSetOutputDecimal(m_cOutput);
  }

 private:
  wchar_t m_cInput;
  wchar_t m_cOutput;
};

TEST(StringFunctions, Compare) {
  EXPECT_EQ(mStrCompare(L"abc", L"abc"), 0);
  EXPECT_LT(mStrCompare(L"abc", L"abd"), 0);
  EXPECT_GT(mStrCompare(L"b", L"a"), 0);
  EXPECT_NE(mStrCompare(L"ABC", L"abc"), 0);
  EXPECT_EQ(mStrCompare(nullptr, L""), 0);
  EXPECT_LT(mStrCompare(nullptr, L"a"), 0);
  EXPECT_EQ(mStrCompareIgnore(L"ABC", L"abc"), 0);
  EXPECT_EQ(mStrCompareIgnore(L"F\u00C9VR.", L"f\u00E9vr."), 0);
  EXPECT_LT(mStrCompareIgnore(L"ab", L"ABC"), 0);
  EXPECT_GT(mStrCompareIgnore(L"abd", L"ABC"), 0);
  EXPECT_EQ(mStrCompareIgnore(nullptr, nullptr), 0);
}

TEST(StringFunctions, CaseOfNonAsciiLetters) {
  const struct {
    const wchar_t* pszText;
    const wchar_t* pszUpper;
    const wchar_t* pszLower;
  } kRows[] = {
      {L"f\u00E9vr.", L"F\u00C9VR.", L"f\u00E9vr."},
      {L"janv.", L"JANV.", L"janv."},
      {L"M\u00E4rz", L"M\u00C4RZ", L"m\u00E4rz"},
      {L"\u044F\u043D\u0432", L"\u042F\u041D\u0412", L"\u044F\u043D\u0432"},  // Cyrillic
      {L"\u03BC\u03AC\u03B9", L"\u039C\u0386\u0399", L"\u03BC\u03AC\u03B9"},  // Greek
      {L"12:30 am", L"12:30 AM", L"12:30 am"},
      {L"\u5E74\u6708", L"\u5E74\u6708", L"\u5E74\u6708"},  // no case
      {L"", L"", L""},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << "row " << (&row - kRows));
    CmString s(row.pszText);
    mStringToUpper(s);
    EXPECT_EQ(s, row.pszUpper);
    s = row.pszText;
    mStrUpperInternal(s, "time", 1);
    EXPECT_EQ(s, row.pszUpper);
    s = row.pszUpper;
    mStrLowerInternal(s, "time", 1);
    EXPECT_EQ(s, row.pszLower);
  }
  EXPECT_EQ(mToUpper(L'\u00FF'), L'\u0178');
  EXPECT_EQ(mToLower(L'\u0178'), L'\u00FF');
}

TEST(StringFunctions, CaseOfOddCodeUnitsIsIdentity) {
  for (wchar_t c :
       {static_cast<wchar_t>(0), static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0xDFFF),
        static_cast<wchar_t>(0xFFFF), static_cast<wchar_t>(0x110000), static_cast<wchar_t>(-1),
        static_cast<wchar_t>(0x7FFFFFFF), L'0', L'/'}) {
    SCOPED_TRACE(static_cast<long>(c));
    EXPECT_EQ(mToUpper(c), c);
    EXPECT_EQ(mToLower(c), c);
    EXPECT_FALSE(mIsCharAlpha(c));
  }
}

TEST(StringFunctions, LettersAndDigits) {
  const struct {
    wchar_t c;
    bool bAlpha;
    bool bDigit;
    wchar_t cLatin;
  } kRows[] = {
      {L'a', true, false, L'a'},
      {L'Z', true, false, L'Z'},
      {L'\u00E9', true, false, L'\u00E9'},
      {L'\u0436', true, false, L'\u0436'},
      {L'\u5E74', true, false, L'\u5E74'},
      {L'0', false, true, L'0'},
      {L'9', false, true, L'9'},
      {L'/', false, false, L'/'},
      {L' ', false, false, L' '},
      {L'.', false, false, L'.'},
      {L'\u0660', false, true, L'0'},
      {L'\u0669', false, true, L'9'},        // Arabic-Indic
      {L'\u066A', false, false, L'\u066A'},  // after the block
      {L'\u060C', false, false, L'\u060C'},  // Arabic comma
      {L'\u06F5', false, true, L'5'},        // Persian
      {L'\u0967', false, true, L'1'},        // Devanagari
      {L'\uFF10', false, true, L'0'},
      {L'\uFF19', false, true, L'9'},  // fullwidth
      {L'\uFF1A', false, false, L'\uFF1A'},
      {L'\u0E53', false, true, L'3'},                      // Thai
      {static_cast<wchar_t>(0x1D7CE), false, true, L'0'},  // mathematical bold
      {static_cast<wchar_t>(0x1D7FF), false, true, L'9'},  // mathematical monospace
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(static_cast<long>(row.c));
    EXPECT_EQ(mIsCharAlpha(row.c), row.bAlpha);
    EXPECT_EQ(mIsCharDigit(row.c), row.bDigit);
    EXPECT_EQ(mGetLatinDigit(row.c), row.cLatin);
  }
}

TEST(StringFunctions, DigitBlocksHoldTenDigitsEach) {
  // Every digit maps to the Latin digit of its position in its block, and no
  // digit is also a letter.
  int iDigits = 0;
  for (long c = 0; c <= 0x10FFFF; ++c) {
    const auto wc = static_cast<wchar_t>(c);
    const int iValue = cvn::detail::mDigitValue(wc);
    if (iValue < 0) continue;
    ++iDigits;
    EXPECT_EQ(mGetLatinDigit(wc), L'0' + iValue);
    EXPECT_EQ(cvn::detail::mDigitValue(static_cast<wchar_t>(c - iValue)), 0);
    EXPECT_FALSE(mIsCharAlpha(wc));
  }
  EXPECT_EQ(iDigits % 10, 0);
  EXPECT_GE(iDigits, 300);
}

TEST(StringFunctions, IsNumeric) {
  const struct {
    const wchar_t* pszText;
    bool bNumeric;
  } kRows[] = {
      {L"0", true},       {L"123", true},   {L" 12 ", true},
      {L"-5", true},      {L"+5", true},    {L"1.5", true},
      {L".5", true},      {L"5.", true},    {L"\u0661\u0662", true},  // Arabic-Indic
      {L"", false},       {L"   ", false},  {L"-", false},
      {L"+", false},      {L".", false},    {L"1.2.3", false},
      {L"1 2", false},    {L"- 1", false},  {L"1-", false},
      {L"12a", false},    {L"1,5", false},  {L"*", false},
      {L"Jan", false},    {L"0x10", false}, {L"1e5", false},
      {L"\uFFFF", false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << '"' << row.pszText << '"');
    EXPECT_EQ(mIsNumeric(row.pszText), row.bNumeric);
  }
  EXPECT_FALSE(mIsNumeric(nullptr));
}

TEST(StringFunctions, IsNumericFollowsTheInputDecimal) {
  DecimalGuard xGuard;
  mSetInputDecimal(L',');
  EXPECT_TRUE(mIsNumeric(L"1,5"));
  EXPECT_FALSE(mIsNumeric(L"1.5"));
  EXPECT_FALSE(mIsNumeric(L"1,5,5"));
}

TEST(StringFunctions, DecimalSymbols) {
  EXPECT_EQ(mGetInputDecimal(), L'.');
  EXPECT_EQ(mGetOutputDecimal(), L'.');
  {
    DecimalGuard xGuard;
    mSetInputDecimal(L',');
    mSetOutputDecimal(L';');
    EXPECT_EQ(mGetInputDecimal(), L',');
    EXPECT_EQ(mGetOutputDecimal(), L';');
  }
  EXPECT_EQ(mGetInputDecimal(), L'.');
  EXPECT_EQ(mGetOutputDecimal(), L'.');
}

TEST(StringFunctions, TrimAndLeftJustifyBuffers) {
  const struct {
    const wchar_t* pszText;
    const wchar_t* pszTrimmed;
    const wchar_t* pszJustified;
  } kRows[] = {
      {L"", L"", L""},        {L"  ", L"", L""},  {L" a b ", L" a b", L"a b "},
      {L"\tx", L"\tx", L"x"}, {L"x", L"x", L"x"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << '"' << row.pszText << '"');
    wchar_t szBuffer[16];
    std::wcscpy(szBuffer, row.pszText);
    EXPECT_EQ(mTrim(szBuffer), static_cast<int>(std::wcslen(row.pszTrimmed)));
    EXPECT_STREQ(szBuffer, row.pszTrimmed);
    std::wcscpy(szBuffer, row.pszText);
    EXPECT_EQ(mLeftJustify(szBuffer), static_cast<int>(std::wcslen(row.pszJustified)));
    EXPECT_STREQ(szBuffer, row.pszJustified);
    CmString s(row.pszText);
    EXPECT_EQ(mTrim(s), static_cast<int>(std::wcslen(row.pszTrimmed)));
    EXPECT_EQ(s, row.pszTrimmed);
    s = row.pszText;
    EXPECT_EQ(mLeftJustify(s), static_cast<int>(std::wcslen(row.pszJustified)));
    EXPECT_EQ(s, row.pszJustified);
  }
  EXPECT_EQ(mTrim(static_cast<wchar_t*>(nullptr)), 0);
  EXPECT_EQ(mLeftJustify(static_cast<wchar_t*>(nullptr)), 0);
}

TEST(StringFunctions, GlobalTimeCharSetHoldsTheDigits) {
  const CmString& sSet = CmGlobalStrings::mInstance()->mGetTimeCharSet();
  for (wchar_t c = L'0'; c <= L'9'; ++c) EXPECT_NE(sSet.mFind(c), -1) << static_cast<char>(c);
  for (wchar_t c : {L'/', L':', L'a', L'A', L' '}) EXPECT_EQ(sSet.mFind(c), -1);
  EXPECT_EQ(CmGlobalStrings::mInstance(), CmGlobalStrings::mInstance());
}

}  // namespace
