// The reader's pure helpers (digit scanning against the C library's "%d",
// fraction scaling, the two-digit-year window, the tokenizer) and the cache
// of generated format texts.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "CmString.h"
#include "support/access.h"
#include "time/reader/digits.h"
#include "time/reader/reader_impl.h"

namespace cvn::test {
namespace {

using cvn::detail::mScanInt;

TEST(ReaderDigits, ScanIntAgreesWithSwscanfWhereItIsDefined) {
  // clang-format off
  std::vector<std::wstring> vTexts = {
      L"0", L"007", L"-0", L"+0", L"-5", L"+5", L"  42", L"\t\n 42", L"42abc", L"4 2", L"1.5",
      L"1,5", L"000000000000000000042", L"", L" ", L"-", L"+", L"- 5", L"+-5", L"abc", L".5",
      L"x1", L"2147483647", L"-2147483648",
      L"\x0661\x0662", L"\xFF11", L"9\x0660"};  // other scripts' digits are not read
  // clang-format on
  // Every width 1..10, both signs, around each power of ten.
  for (long long p = 1; p <= 10000000000LL; p *= 10) {
    for (long long v : {p - 1, p, p + 1, -p + 1, -p, -p - 1}) {
      if (v >= INT_MIN && v <= INT_MAX) vTexts.push_back(std::to_wstring(v));
    }
  }
  for (const std::wstring& s : vTexts) {
    int iLib = -99, iOurs = -99;
    const bool bLib = std::swscanf(s.c_str(), L"%d", &iLib) == 1;
    const wchar_t* pEnd = mScanInt(s.c_str(), &iOurs);
    EXPECT_EQ(bLib, pEnd != nullptr) << mNarrow(s);
    EXPECT_EQ(iOurs, bLib ? iLib : -99) << mNarrow(s);  // untouched on failure
  }
  // Where "%d" is undefined the text is no number, never a wrapped value.
  int iOut = 5;
  for (const wchar_t* text : {L"2147483648", L"-2147483649", L"123456789012345678901234567890"})
    EXPECT_EQ(mScanInt(text, &iOut), nullptr) << mNarrow(text);
  EXPECT_EQ(iOut, 5);
  const wchar_t* text = L" -12:30";
  EXPECT_EQ(mScanInt(text, &iOut), text + 4);  // stops after the digits
}

TEST(ReaderDigits, FractionScaling) {
  // value, digits, thousandths: padded, kept, rounded half up; past 13 digits
  // always 0; odd input clamped.
  // clang-format off
  const int kRows[][3] = {
      {5, 1, 500}, {9, 1, 900}, {5, 2, 50}, {99, 2, 990}, {1, 3, 1}, {999, 3, 999},
      {12349, 5, 123}, {12350, 5, 124}, {99950, 5, 1000}, {2147483647, 10, 215},
      {1500000000, 12, 2}, {1499999999, 12, 1}, {2147483647, 13, 0}, {2147483647, 14, 0},
      {1, 40, 0}, {-1, 3, 0}, {5, 0, 0}, {5, -2, 0}, {2000, 3, 1000}};
  // clang-format on
  for (const auto& row : kRows) {
    EXPECT_EQ(cvn::detail::mFractionToThousandths(row[0], row[1]), row[2])
        << row[0] << "/" << row[1];
  }
  // Every four-digit fraction: the nearest thousandth, halves up.
  for (int v = 0; v < 10000; ++v) {
    ASSERT_EQ(cvn::detail::mFractionToThousandths(v, 4), int(std::floor(v / 10.0 + 0.5))) << v;
  }
}

TEST(ReaderDigits, TwoDigitYearWindowIsTheHundredYearsEndingAtItsEnd) {
  for (int iEnd : {2000, 2001, 2029, 2050, 2098, 2099}) {
    for (int yy = 0; yy < 100; ++yy) {
      const int iYear = cvn::detail::mWindowTwoDigitYear(yy, iEnd % 100, (iEnd - 99) / 100 * 100);
      EXPECT_TRUE(iYear >= iEnd - 99 && iYear <= iEnd && iYear % 100 == yy) << iEnd << " " << yy;
    }
  }
}

TEST(ReaderDigits, Tokens) {
  // Text and delimiters, then the tokens joined by '|'.
  // clang-format off
  const wchar_t* const kRows[][3] = {
      {L"3/15/2020", L"/", L"3|15|2020|"},
      {L"/3", L"/", L"|3|"},                 // one at the start
      {L"3//15", L"/", L"3||15|"},           // and between two delimiters
      {L"March 15 , 2020", L", ", L"March|15|2020|"},
      {L"12Wk2020", L"Wk", L"12|2020|"},     // the label is one delimiter
      {L" 3 / 15 ", L"/", L"3|15|"},         // blanks trimmed
      {L"'3/15'/2020", L"/", L"'3/15'|2020|"},  // quotes protect
      {L"\"3/15", L"/", L"\"3/15|"},          // an open quote runs to the end
      {L"10:30", L"", L"10:30|"},            // no delimiter: one token
      {L"   ", L"/", L""}};
  // clang-format on
  for (const auto& row : kRows) {
    cvn::detail::xTokenCursor xCursor(row[0], int(std::wcslen(row[0])), row[1],
                                      int(std::wcslen(row[1])), L"'\"");
    cvn::detail::xFixedText<32> tok;
    std::wstring s;
    while (xCursor.mNext(tok)) s += std::wstring(tok.s) + L"|";
    EXPECT_EQ(s, row[2]) << mNarrow(row[0]);
  }
}

}  // namespace
}  // namespace cvn::test
