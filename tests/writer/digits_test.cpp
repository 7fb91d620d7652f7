// The writer's hand-written integer formatting against its printf formats.

#include "time/writer/digits.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cwchar>
#include <random>
#include <string>

namespace {

using cvn::detail::mAppendPrintfInt;

std::wstring mFormatted(std::int64_t value, int width, int precision, bool zeroFlag) {
  std::wstring s = L"<";
  mAppendPrintfInt(s, value, width, precision, zeroFlag);
  return s.substr(1);  // what was there stays in front
}

// The C library's output for the same conversions, as the reference.
std::wstring mText(const wchar_t* sz, int n) {
  return n < 0 ? std::wstring(L"<error>") : std::wstring(sz, static_cast<size_t>(n));
}
std::wstring mRefWidth(long long value, int width) {  // "%0*i"
  wchar_t sz[128];
  return mText(sz, std::swprintf(sz, 128, L"%0*lli", width, value));
}
std::wstring mRefTwo(long long value) {  // "%02.2i"
  wchar_t sz[128];
  return mText(sz, std::swprintf(sz, 128, L"%02.2lli", value));
}
std::wstring mRefFour(long long value) {  // "%04.4i"
  wchar_t sz[128];
  return mText(sz, std::swprintf(sz, 128, L"%04.4lli", value));
}
std::wstring mRefThree(long long value) {  // "%03i"
  wchar_t sz[128];
  return mText(sz, std::swprintf(sz, 128, L"%03lli", value));
}
std::wstring mRefPlain(long long value) {  // "%d"
  wchar_t sz[128];
  return mText(sz, std::swprintf(sz, 128, L"%lld", value));
}

}  // namespace

TEST(WriterDigits, Basics) {
  struct {
    std::int64_t iValue;
    int iWidth;
    int iPrecision;
    bool bZero;
    const wchar_t* sExpected;
  } const kCases[] = {
      {0, 0, -1, false, L"0"},  // "%d"
      {7, 0, -1, false, L"7"},
      {-7, 0, -1, false, L"-7"},
      {1234567, 0, -1, false, L"1234567"},
      {94702348800, 0, -1, false, L"94702348800"},  // beyond the int range
      {5, 2, 2, true, L"05"},                       // "%02.2i"
      {99, 2, 2, true, L"99"},
      {0, 2, 2, true, L"00"},
      {-5, 2, 2, true, L"-05"},
      {7, 4, 4, true, L"0007"},  // "%04.4i"
      {2000, 4, 4, true, L"2000"},
      {12345, 4, 4, true, L"12345"},
      {-7, 4, 4, true, L"-0007"},
      {7, 3, -1, true, L"007"},  // "%03i"
      {45, 3, -1, true, L"045"},
      {999, 3, -1, true, L"999"},
      {-7, 3, -1, true, L"-07"},
      {7, 1, -1, true, L"7"},  // "%0*i"
      {7, 2, -1, true, L"07"},
      {12, 1, -1, true, L"12"},
      {0, 0, -1, true, L"0"},
      {-3, 4, -1, true, L"-003"},
      {7, -3, -1, true, L"7  "},  // negative width: left-justified
      {-7, -4, -1, true, L"-7  "},
      {7, 4, 2, true, L"  07"},  // a precision switches off the '0' flag
      {0, 0, 0, false, L""},     // "%.0i" of 0
      {0, 3, 0, false, L"   "},
      {INT64_MIN, 0, -1, false, L"-9223372036854775808"},
      {INT64_MAX, 0, -1, false, L"9223372036854775807"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::Message() << row.iValue << " w" << row.iWidth << " p" << row.iPrecision);
    EXPECT_EQ(mFormatted(row.iValue, row.iWidth, row.iPrecision, row.bZero), row.sExpected);
  }
}

TEST(WriterDigits, AppendsAfterExistingText) {
  std::wstring s = L"12:";
  cvn::detail::mAppendWidth(s, 5, 2);
  EXPECT_EQ(s, L"12:05");
  cvn::detail::mAppendPlain(s, -36526);
  EXPECT_EQ(s, L"12:05-36526");
}

TEST(WriterDigits, WidthsAreCutToTheLimit) {
  const int kLimit = cvn::detail::kMaxWriterFieldWidth;
  EXPECT_EQ(mFormatted(1, kLimit, -1, true),
            std::wstring(static_cast<size_t>(kLimit - 1), L'0') + L"1");
  EXPECT_EQ(mFormatted(1, kLimit + 1, -1, true).size(), static_cast<size_t>(kLimit));
  EXPECT_EQ(mFormatted(1, INT_MAX, -1, true).size(), static_cast<size_t>(kLimit));
  EXPECT_EQ(mFormatted(1, INT_MIN, -1, true),
            L"1" + std::wstring(static_cast<size_t>(kLimit - 1), L' '));
  EXPECT_EQ(mFormatted(1, 0, INT_MAX, false).size(), static_cast<size_t>(kLimit));
}

// Every conversion the writer stands for, against the C library, over
// every value and width it can meet and beyond.
TEST(WriterDigits, EqualsPrintfOverSweeps) {
  for (int iValue = -1100; iValue <= 1100; ++iValue) {
    for (int iWidth = -6; iWidth <= 6; ++iWidth) {
      ASSERT_EQ(mFormatted(iValue, iWidth, -1, true), mRefWidth(iValue, iWidth))
          << iValue << " width " << iWidth;
    }
    ASSERT_EQ(mFormatted(iValue, 2, 2, true), mRefTwo(iValue)) << iValue;
    ASSERT_EQ(mFormatted(iValue, 4, 4, true), mRefFour(iValue)) << iValue;
    ASSERT_EQ(mFormatted(iValue, 3, -1, true), mRefThree(iValue)) << iValue;
    ASSERT_EQ(mFormatted(iValue, 0, -1, false), mRefPlain(iValue)) << iValue;
  }
}

TEST(WriterDigits, EqualsPrintfOnRandomValues) {
  std::mt19937_64 xRandom(20240531);
  std::uniform_int_distribution<int> xWidth(-12, 12);
  for (int i = 0; i < 200000; ++i) {
    // Magnitudes of every length: shift a random word right by 0..63 bits.
    const auto iValue =
        static_cast<long long>(xRandom() >> (xRandom() % 64)) * ((xRandom() & 1) != 0 ? 1 : -1);
    const int iWidth = xWidth(xRandom);
    ASSERT_EQ(mFormatted(iValue, iWidth, -1, true), mRefWidth(iValue, iWidth))
        << iValue << " width " << iWidth;
    ASSERT_EQ(mFormatted(iValue, 0, -1, false), mRefPlain(iValue)) << iValue;
    ASSERT_EQ(mFormatted(iValue, 2, 2, true), mRefTwo(iValue)) << iValue;
  }
}
