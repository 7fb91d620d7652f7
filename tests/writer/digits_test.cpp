// The writer's hand-written integer formatting against the C library's
// printf conversions it stands for.

#include "time/writer/digits.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cwchar>
#include <string>

namespace {

// What the writer appends, after what the string held.
std::wstring Mine(std::int64_t value, int width, int precision, bool zeroFlag) {
  std::wstring s = L"<";
  cvn::detail::mAppendPrintfInt(s, value, width, precision, zeroFlag);
  return s.substr(1);
}

// The C library's output of a conversion of v with the width w.
std::wstring Ref(const wchar_t* conversion, long long v, int w) {
  wchar_t sz[128];
  const int n = std::swprintf(sz, 128, conversion, w, v);
  return n < 0 ? L"<error>" : std::wstring(sz, static_cast<size_t>(n));
}

// The conversions the writer uses ("%0*i" with width w, "%02.2i", "%04.4i",
// "%03i" and "%d") over every value and width a write can meet and beyond
// (random values of every length: the fuzz_writer target).
TEST(WriterDigits, EqualsPrintf) {
  auto mCheck = [](long long v, int w) {
    ASSERT_EQ(Mine(v, w, -1, true), Ref(L"%0*lli", v, w)) << v << " width " << w;
    ASSERT_EQ(Mine(v, 2, 2, true), Ref(L"%0*.2lli", v, 2)) << v;
    ASSERT_EQ(Mine(v, 4, 4, true), Ref(L"%0*.4lli", v, 4)) << v;
    ASSERT_EQ(Mine(v, 3, -1, true), Ref(L"%0*lli", v, 3)) << v;
    ASSERT_EQ(Mine(v, 0, -1, false), Ref(L"%*lld", v, 0)) << v;
  };
  for (int v = -1100; v <= 1100; ++v) {
    for (int w = -6; w <= 6; ++w) mCheck(v, w);
  }
  mCheck(INT64_MIN, 0);
  mCheck(INT64_MAX, 21);
}

TEST(WriterDigits, PrecisionsAndLimits) {
  EXPECT_EQ(Mine(7, 4, 2, true), L"  07");  // a precision switches the '0' flag off
  EXPECT_EQ(Mine(0, 3, 0, false), L"   ");  // "%.0i" of 0 writes no digit
  EXPECT_EQ(Mine(0, 3, 0, true), L"   ");   // "%03.0i": the precision turns the '0' flag off
  // Widths and precisions are cut to 64 characters.
  EXPECT_EQ(Mine(1, INT_MIN, -1, true), L"1" + std::wstring(63, L' '));
  EXPECT_EQ(Mine(1, 0, INT_MAX, false), std::wstring(63, L'0') + L"1");
}

}  // namespace
