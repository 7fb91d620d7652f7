// The reader's pure helpers: digit scanning against the C library's "%d",
// fraction scaling, the two-digit-year window and the tokenizer.

#include "time/reader/digits.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "CmString.h"
#include "time/reader/reader_impl.h"

namespace {

using cvn::detail::mFractionToThousandths;
using cvn::detail::mScanInt;
using cvn::detail::mWindowTwoDigitYear;
using cvn::detail::xFixedText;
using cvn::detail::xTokenCursor;

std::string mNarrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

TEST(ReaderDigits, ScanIntAgreesWithSwscanfWhereItIsDefined) {
  const wchar_t* const kTexts[] = {
      L"0",
      L"7",
      L"12",
      L"007",
      L"-0",
      L"+0",
      L"-5",
      L"+5",
      L"  42",
      L"\t\n 42",
      L"42abc",
      L"4 2",
      L"1.5",
      L"1,5",
      L"2147483647",
      L"-2147483648",
      L"2147483646",
      L"-2147483647",
      L"000000000000000000042",
      L"",
      L" ",
      L"-",
      L"+",
      L"- 5",
      L"+-5",
      L"abc",
      L".5",
      L"x1",
      L"\x0661\x0662",  // Arabic-Indic digits: not read by "%d"
      L"\xFF11",        // fullwidth one
      L"9\x0660",       // an ASCII digit and then another script's digit
  };
  for (const wchar_t* text : kTexts) {
    SCOPED_TRACE(mNarrow(text));
    int iLib = -99;
    const int iScanned = std::swscanf(text, L"%d", &iLib);
    int iOurs = -99;
    const wchar_t* pEnd = mScanInt(text, &iOurs);
    EXPECT_EQ(iScanned == 1, pEnd != nullptr);
    if (iScanned == 1 && pEnd != nullptr) {
      EXPECT_EQ(iLib, iOurs);
    }
    if (pEnd == nullptr) {
      EXPECT_EQ(iOurs, -99);  // untouched on failure
    }
  }
}

TEST(ReaderDigits, ScanIntSweepMatchesSwscanf) {
  // Every width 1..10, both signs, around each power of ten.
  long long lPower = 1;
  for (int iDigits = 1; iDigits <= 10; ++iDigits, lPower *= 10) {
    for (long long lDelta : {-1LL, 0LL, 1LL}) {
      for (long long lSign : {1LL, -1LL}) {
        const long long lValue = lSign * (lPower + lDelta);
        if (lValue > INT_MAX || lValue < INT_MIN) continue;
        const std::wstring s = std::to_wstring(lValue);
        int iLib = 0, iOurs = 0;
        ASSERT_EQ(std::swscanf(s.c_str(), L"%d", &iLib), 1);
        ASSERT_NE(mScanInt(s.c_str(), &iOurs), nullptr) << mNarrow(s);
        EXPECT_EQ(iLib, iOurs) << mNarrow(s);
      }
    }
  }
}

TEST(ReaderDigits, ScanIntRefusesNumbersBeyondInt) {
  // Where "%d" is undefined the text is no number, never a wrapped value.
  for (const wchar_t* text : {L"2147483648", L"-2147483649", L"99999999999", L"-99999999999",
                              L"123456789012345678901234567890"}) {
    int iOut = 5;
    EXPECT_EQ(mScanInt(text, &iOut), nullptr) << mNarrow(text);
    EXPECT_EQ(iOut, 5);
  }
  EXPECT_EQ(mScanInt(nullptr, nullptr), nullptr);
}

TEST(ReaderDigits, ScanIntStopsAfterTheDigits) {
  int iOut = 0;
  const wchar_t* text = L" -12:30";
  EXPECT_EQ(mScanInt(text, &iOut), text + 4);
  EXPECT_EQ(iOut, -12);
}

TEST(ReaderDigits, FractionScaling) {
  const struct {
    int iValue;
    int iDigits;
    int iExpected;
  } kRows[] = {
      {5, 1, 500},         {0, 1, 0},
      {9, 1, 900},         {5, 2, 50},
      {99, 2, 990},        {1, 3, 1},
      {999, 3, 999},       {1234, 4, 123},
      {1235, 4, 124},      {1245, 4, 125},
      {9994, 4, 999},      {9995, 4, 1000},  // rounds up
      {9996, 4, 1000},     {12345, 5, 123},
      {12350, 5, 124},     {99949, 5, 999},
      {99950, 5, 1000},    {5, 4, 1},
      {4, 4, 0},           {49, 5, 0},
      {50, 5, 1},          {2147483647, 10, 215},  // ten digits
      {1500000000, 12, 2}, {1499999999, 12, 1},
      {2147483647, 13, 0},  // 13 digits
      {2147483647, 14, 0},  // past 13: always 0
      {1, 40, 0},          {-1, 3, 0},
      {5, 0, 0},           {5, -2, 0},
      {2000, 3, 1000},  // more digits than claimed: clamped
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(mFractionToThousandths(row.iValue, row.iDigits), row.iExpected)
        << row.iValue << " with " << row.iDigits << " digits";
  }
}

TEST(ReaderDigits, FractionScalingAgreesWithDecimalRounding) {
  // Every four-digit fraction: the nearest thousandth, halves up.
  for (int v = 0; v < 10000; ++v) {
    const int iExpected = static_cast<int>(std::floor(v / 10.0 + 0.5));
    ASSERT_EQ(mFractionToThousandths(v, 4), iExpected) << v;
  }
}

TEST(ReaderDigits, TwoDigitYearWindow) {
  const struct {
    int iYY, iMax, iBase, iExpected;
  } kRows[] = {
      {29, 29, 1900, 2029}, {30, 29, 1900, 1930}, {0, 29, 1900, 2000},  {99, 29, 1900, 1999},
      {0, 99, 2000, 2000},  {99, 99, 2000, 2099}, {0, 0, 1900, 2000},   {1, 0, 1900, 1901},
      {50, 50, 1900, 2050}, {51, 50, 1900, 1951}, {98, 98, 1900, 2098}, {99, 98, 1900, 1999},
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(mWindowTwoDigitYear(row.iYY, row.iMax, row.iBase), row.iExpected)
        << row.iYY << " in window " << row.iMax << "/" << row.iBase;
  }
  // The window is always the 100 years that end with its end.
  for (int iEnd : {2000, 2029, 2049, 2050, 2098, 2099}) {
    const int iMax = iEnd % 100;
    const int iBase = ((iEnd - 99) / 100) * 100;
    for (int yy = 0; yy < 100; ++yy) {
      const int iYear = mWindowTwoDigitYear(yy, iMax, iBase);
      EXPECT_GE(iYear, iEnd - 99);
      EXPECT_LE(iYear, iEnd);
      EXPECT_EQ(iYear % 100, yy);
    }
  }
}

std::vector<std::wstring> mTokens(const wchar_t* text, const wchar_t* delims) {
  std::vector<std::wstring> v;
  xTokenCursor xCursor(text, static_cast<int>(std::wcslen(text)), delims,
                       static_cast<int>(std::wcslen(delims)), L"'\"");
  xFixedText<32> tok;
  while (xCursor.mNext(tok)) v.emplace_back(tok.s);
  return v;
}

TEST(ReaderDigits, Tokens) {
  using V = std::vector<std::wstring>;
  const struct {
    const wchar_t* sText;
    const wchar_t* sDelims;
    V vExpected;
  } kRows[] = {
      {L"3/15/2020", L"/", {L"3", L"15", L"2020"}},
      {L"3/15/", L"/", {L"3", L"15"}},       // no empty token at the end
      {L"/3", L"/", {L"", L"3"}},            // one at the start
      {L"3//15", L"/", {L"3", L"", L"15"}},  // and between two delimiters
      {L"March 15, 2020", L", ", {L"March", L"15", L"2020"}},
      {L"March 15 , 2020", L", ", {L"March", L"15", L"2020"}},
      {L"15  March 2020", L" ", {L"15", L"March", L"2020"}},
      {L"12Wk2020", L"Wk", {L"12", L"2020"}},  // the label is one delimiter
      {L"2020Q1", L"Q", {L"2020", L"1"}},
      {L" 3 / 15 ", L"/", {L"3", L"15"}},            // blanks trimmed
      {L"'3/15'/2020", L"/", {L"'3/15'", L"2020"}},  // quotes protect
      {L"\"3/15", L"/", {L"\"3/15"}},                // an open quote runs to the end
      {L"10:30", L"", {L"10:30"}},                   // no delimiter: one token
      {L"", L"/", {}},
      {L"   ", L"/", {}},
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(mTokens(row.sText, row.sDelims), row.vExpected) << mNarrow(row.sText);
  }
}

TEST(ReaderDigits, InlineCharacterClassesAgreeWithTheStringLibrary) {
  // The in-line answers for ASCII must be the string library's own.
  for (int c = 0; c < 0x80; ++c) {
    const auto w = static_cast<wchar_t>(c);
    EXPECT_EQ(cvn::detail::mReaderIsDigit(w), mIsCharDigit(w)) << c;
    EXPECT_EQ(cvn::detail::mReaderIsAlpha(w), mIsCharAlpha(w)) << c;
  }
  for (wchar_t w : {L'\x0660', L'\xFF11', L'\x00E9', L'\xFFFF', L'\xD800'}) {
    EXPECT_EQ(cvn::detail::mReaderIsDigit(w), mIsCharDigit(w)) << static_cast<long>(w);
    EXPECT_EQ(cvn::detail::mReaderIsAlpha(w), mIsCharAlpha(w)) << static_cast<long>(w);
  }
}

TEST(ReaderDigits, FixedTextLimits) {
  xFixedText<3> s;
  EXPECT_TRUE(s.push(L'a'));
  EXPECT_TRUE(s.push(L'b'));
  EXPECT_TRUE(s.push(L'c'));
  EXPECT_FALSE(s.push(L'd'));
  EXPECT_EQ(std::wstring(s.s), L"abc");
  EXPECT_FALSE(s.assign(L"abcd", 4));
  EXPECT_TRUE(s.empty());
  s.assign(L" a ", 3);
  s.trim();
  EXPECT_EQ(std::wstring(s.s), L"a");
  EXPECT_TRUE(s.contains(L'a'));
  EXPECT_FALSE(s.contains(L"", 0));
}

}  // namespace
