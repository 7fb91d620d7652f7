// The stand-ins for the sibling libraries, in what the library relies on:
// basic types (the missing-value code, the saturating conversion, bit
// fields), math rounding, the assertion handler and the floating-point
// reset; CmString members (indexes clipped to the text, blanks, numbers,
// resources), case of non-ASCII letters, digits of every script, numbers
// with the decimal symbols, and the tokenizers with the flags the reader
// passes.

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <cmath>
#include <string>

#include "CmString.h"
#include "CvnBasicTypes.h"
#include "CvnExceptions.h"
#include "CvnMath.h"
#include "CvnMessaging.h"
#include "siblings/string/char_class.h"
#include "support/assert_capture.h"
#include "support/guards.h"

namespace {

constexpr double kInf = HUGE_VAL;

// The missing-value code is far outside every valid time; nothing else is
// missing. mToINTG truncates toward zero and saturates at and beyond both
// ends; NaN is 0. mRound rounds halves away from zero, negative places to
// tens, and leaves values too large to have finer places, NaN and the
// infinities.
TEST(BasicTypes, MissingValueToIntgAndRounding) {
  const double dMissing = CmCVNConst::mInstance()->mGetMissingValueCode();
  EXPECT_TRUE(std::isfinite(dMissing) && mIsNumericMissing(dMissing));
  for (double d : {0.0, -328716.0, 767377.0, -1.0e299, std::nan(""), -kInf})
    EXPECT_FALSE(mIsNumericMissing(d)) << d;
  // clang-format off
  const std::pair<double, int> kRows[] = {
      {-0.9999, 0}, {1.5, 1}, {-1.5, -1}, {2147483646.9, 2147483646}, {2147483647.5, INT_MAX},
      {kInf, INT_MAX}, {-2147483648.5, INT_MIN}, {dMissing, INT_MIN}, {std::nan(""), 0}};
  const std::tuple<double, int, double> kRound[] = {
      {0.5, 0, 1.0}, {2.5, 0, 3.0}, {-2.5, 0, -3.0}, {0.49999, 0, 0.0}, {-1.25, 1, -1.3},
      {125.0, -1, 130.0}, {1.0e300, 2, 1.0e300}, {4503599627370497.0, 1, 4503599627370497.0}};
  // clang-format on
  for (const auto& [dValue, iExpected] : kRows) EXPECT_EQ(mToINTG(dValue), iExpected) << dValue;
  for (const auto& [dValue, iPlaces, dExpected] : kRound)
    EXPECT_DOUBLE_EQ(mRound(dValue, iPlaces), dExpected) << dValue << " to " << iPlaces;
  EXPECT_TRUE(std::isnan(mRound(std::nan(""), 3)) && mRound(-kInf, 3) == -kInf);
  EXPECT_TRUE(mNearestInteger(86399999.5) == 86400000.0 && mNearestInteger(-0.5) == -1.0);
}

// Every field written by its lowest bit reads back by its highest bit and
// leaves the bits below it.
TEST(BasicTypes, BitFields) {
  for (int iCount = 1; iCount <= 32; ++iCount) {
    for (int iFirst = 0; iFirst + iCount <= 32; ++iFirst) {
      const unsigned uValue = 0xA5C3F00Fu & (iCount == 32 ? ~0u : (1u << iCount) - 1u);
      unsigned uWord = 0x5A5A5A5Au;
      mSetBits(&uWord, iFirst, iCount, uValue);
      ASSERT_EQ(mGetBits(uWord, iFirst + iCount - 1, iCount), uValue) << iFirst << "," << iCount;
      ASSERT_EQ(mGetBits(uWord, iFirst - 1, iFirst), mGetBits(0x5A5A5A5Au, iFirst - 1, iFirst));
    }
  }
}

// An installed handler receives every report and mAssert returns false to
// its caller; without one, a line goes to stderr. The floating-point reset
// restores rounding to nearest.
TEST(Messaging, AssertReportsAndTheFloatingPointReset) {
  const CmAssertHandler pPrevious = mSetAssertHandler(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(mAssert("a == b", "time", 42));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "assertion failed: a == b (time:42)\n");
  mSetAssertHandler(pPrevious);
  const cvn::test::AssertCapture xReports;
  EXPECT_FALSE(mAssert("iMatchPos >= 0", "time", 8793, false, false));
  EXPECT_EQ(cvn::test::AssertCapture::mJoined(), "iMatchPos >= 0 time 8793");
  ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
  mResetFPU();
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

// Indexes and counts are clipped to the text; blanks (spaces and tabs)
// collapsed; whole texts read as ints; the labels and unit messages among
// the resources. A signed decimal number of any script's digits with at
// most one input decimal symbol, blanks around it; the symbol can be
// changed.
TEST(CmString, MembersNumbersAndResources) {
  const CmString s(L"a/b/c");
  EXPECT_TRUE(s.mFind(L'/', 2) == 3 && s.mFind(L'/', -7) == 1 && s.mFind(L'/', INT_MAX) == -1 &&
              s.mFindOneOf(L"cb") == 2 && s.mMid(-4, 2) == L"a/" && s.mMid(9, 2) == L"" &&
              s.mLeft(99) == L"a/b/c" && s.mRight(2) == L"/c");
  CmString a(L" \ta  b ");
  a.mCollapseBlanks();
  EXPECT_EQ(a, L" a b ");
  // Text and its int (12345: none; the out value is then untouched); text
  // and whether it is a number.
  // clang-format off
  const std::pair<const wchar_t*, int> kNumbers[] = {
      {L" 42 ", 42}, {L"-17", -17}, {L"2147483647", INT_MAX}, {L"-2147483648", INT_MIN},
      {L"\x0663\x0664", 34}, {L"2147483648", 12345}, {L"", 12345}, {L"-", 12345}, {L"1.5", 12345},
      {L"12a", 12345}};
  const std::pair<const wchar_t*, bool> kNumeric[] = {
      {L" 12 ", true}, {L"-5", true}, {L"+5", true}, {L".5", true}, {L"5.", true},
      {L"\u0661\u0662", true}, {L"", false}, {L"   ", false}, {L"-", false}, {L".", false},
      {L"1.2.3", false}, {L"1 2", false}, {L"1-", false}, {L"1e5", false}, {nullptr, false}};
  // clang-format on
  for (const auto& [pszText, iValue] : kNumbers) {
    int iOut = 12345;
    EXPECT_TRUE(CmString(pszText).mStringToNum(&iOut) == (iValue != 12345) && iOut == iValue);
  }
  for (const auto& [pszText, bNumeric] : kNumeric) EXPECT_EQ(mIsNumeric(pszText), bNumeric);
  EXPECT_TRUE(CmString(55673) == L"Q" && CmString(55676) == L"Wk" && CmString(50233).empty());
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(CmString(50225 + i).empty()) << 50225 + i;
  const cvn::test::DecimalSymbolGuard xDecimals(L',', L';');
  EXPECT_TRUE(mIsNumeric(L"1,5") && !mIsNumeric(L"1.5") && mGetOutputDecimal() == L';');
}

// Case of non-ASCII letters (accented Latin, Cyrillic, Greek; a text
// without case); odd code units have no case and are no letters; every
// digit of every script maps to the Latin digit of its place in its block
// of ten and is no letter; characters next to a block are no digits.
TEST(StringFunctions, CaseLettersAndDigits) {
  // clang-format off
  const std::array<const wchar_t*, 2> kCase[] = {
      {L"f\u00E9vr.", L"F\u00C9VR."}, {L"\u044F\u043D\u0432", L"\u042F\u041D\u0412"},
      {L"\u03BC\u03AC\u03B9", L"\u039C\u0386\u0399"}, {L"\u5E74\u6708", L"\u5E74\u6708"}};
  // clang-format on
  for (const auto& [pszLower, pszUpper] : kCase) {
    CmString a(pszLower), b(pszUpper);
    mStringToUpper(a);
    mStrLowerInternal(b, "time", 1);
    EXPECT_TRUE(a == pszUpper && b == pszLower && mStrCompareIgnore(pszLower, pszUpper) == 0)
        << pszLower;
  }
  for (auto wc : {L'\0', L'0', L'\uFFFF', wchar_t{0xD800}, wchar_t{0x110000}, wchar_t{-1}})
    EXPECT_TRUE(mToUpper(wc) == wc && mToLower(wc) == wc && !mIsCharAlpha(wc)) << wc;
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
  EXPECT_TRUE(iDigits % 10 == 0 && iDigits >= 300 && !mIsCharDigit(L'\u066A') &&
              !mIsCharDigit(L'/') && mIsCharDigit(L'\uFF19'))
      << iDigits;
}

// The range reader cuts at ".." skipping empty tokens, with ' as quotation
// mark: delimiters inside quotes do not count, an unclosed quote runs to
// the end; the token is emptied when none is left. The elapsed-time reader
// cuts a buffer: days at " ", hours and minutes at ":", seconds at the
// decimal symbol, then what is left; nothing then.
TEST(Tokenizer, RangesAndBuffers) {
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> kRows[] = {
      {L"1/1/2000..12/31/2000", L"[1/1/2000][12/31/2000]"}, {L"1/1/2000 .. end", L"[1/1/2000][end]"},
      {L"..a..", L"[a]"}, {L"", L""}, {L"'a..b'..c", L"['a..b'][c]"}, {L"'a..b", L"['a..b]"}};
  // clang-format on
  CmString sToken(L"stale");
  for (const auto& [pszText, pszTokens] : kRows) {
    CmStringTokenizer xTokenizer{CmString(pszText)};
    std::wstring sAll;
    while (sAll.size() < 200 && xTokenizer.mGetToken(L"..", sToken, L"'", false, true, true, false))
      sAll += L"[" + sToken.str() + L"]";
    EXPECT_TRUE(sAll == pszTokens && sToken.empty()) << pszText;
  }
  wchar_t szBuffer[32] = L"1 12:30:15.50";
  std::wstring sAll;
  for (const wchar_t* pszDelimiters : {L" ", L":", L":", L".", L"", L":"})
    sAll += std::to_wstring(mGetToken(pszDelimiters, true, false, true, szBuffer, sToken)) + L"[" +
            sToken.str() + L"]";
  EXPECT_EQ(sAll, L"1[1]2[12]2[30]2[15]2[50]0[]");
  EXPECT_TRUE(mGetToken(L":", true, false, true, nullptr, sToken) == 0 && sToken.empty());
}

}  // namespace
