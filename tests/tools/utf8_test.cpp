// The UTF-8 codec of the cvntime tool.

#include "tools/cvntime/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using cvn::tool::mUtf8ToWide;
using cvn::tool::mWideToUtf8;

constexpr wchar_t kBad = 0xFFFD;

TEST(CvntimeUtf8, DecodesWellFormedText) {
  struct Row {
    const char* pszUtf8;
    std::wstring sWide;
  };
  const Row kRows[] = {
      {"", L""},
      {"3/15/2020", L"3/15/2020"},
      {"M\xC3\xA4rz", L"M\u00e4rz"},                    // two bytes
      {"\xE2\x82\xAC", L"\u20ac"},                      // three bytes
      {"\xF0\x9F\x98\x80", std::wstring(1, 0x1F600)},   // four bytes
      {"\xC2\x80", std::wstring(1, 0x80)},              // lowest two-byte
      {"\xEF\xBF\xBF", std::wstring(1, 0xFFFF)},        // highest three-byte
      {"\xF4\x8F\xBF\xBF", std::wstring(1, 0x10FFFF)},  // highest code point
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszUtf8);
    EXPECT_EQ(mUtf8ToWide(row.pszUtf8), row.sWide);
    EXPECT_EQ(mWideToUtf8(row.sWide), std::string(row.pszUtf8));
  }
}

TEST(CvntimeUtf8, ReplacesIllFormedSequences) {
  struct Row {
    std::string sUtf8;
    std::wstring sWide;
    const char* pszNote;
  };
  const Row kRows[] = {
      {"\x80", {kBad}, "lone continuation byte"},
      {"\xC0\xAF", {kBad, kBad}, "overlong two-byte form"},
      {"\xC1\xBF", {kBad, kBad}, "overlong two-byte form"},
      {"\xE0\x80\xAF", {kBad, kBad, kBad}, "overlong three-byte form"},
      {"\xED\xA0\x80", {kBad, kBad, kBad}, "encoded surrogate"},
      {"\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}, "above U+10FFFF"},
      {"\xF5\x80", {kBad, kBad}, "never a lead byte"},
      {"\xFF", {kBad}, "0xFF"},
      {"\xE2\x82", {kBad}, "truncated at the end: one replacement"},
      {"\xE2\x82"
       "A",
       {kBad, L'A'},
       "truncated before ASCII"},
      {"\xF0\x9F\x98"
       "\xC3\xA4",
       {kBad, 0xE4},
       "truncated before a new sequence"},
      {std::string("a\0b", 3), {L'a', kBad, L'b'}, "NUL would cut the text short"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszNote);
    EXPECT_EQ(mUtf8ToWide(row.sUtf8), row.sWide);
  }
}

TEST(CvntimeUtf8, EveryByteAloneDecodesToOneCharacter) {
  for (int i = 1; i < 256; ++i) {
    const std::string s(1, static_cast<char>(i));
    const std::wstring w = mUtf8ToWide(s);
    ASSERT_EQ(w.size(), 1u) << i;
    EXPECT_EQ(w[0], i < 0x80 ? static_cast<wchar_t>(i) : kBad) << i;
  }
}

TEST(CvntimeUtf8, EveryTwoByteSequenceDecodesWithoutLoss) {
  // Each byte pair decodes to one or two characters, and re-encoding the
  // result is well-formed (decodes to the same characters).
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string s{static_cast<char>(a), static_cast<char>(b)};
      const std::wstring w = mUtf8ToWide(s);
      ASSERT_GE(w.size(), 1u);
      ASSERT_LE(w.size(), 2u);
      ASSERT_EQ(mUtf8ToWide(mWideToUtf8(w)), w) << a << " " << b;
    }
  }
}

TEST(CvntimeUtf8, EncodesOddWideValuesAsReplacement) {
  std::wstring sLone{static_cast<wchar_t>(0xD800)};
  EXPECT_EQ(mWideToUtf8(sLone), "\xEF\xBF\xBD");
  std::wstring sLow{static_cast<wchar_t>(0xDC00), L'x'};
  EXPECT_EQ(mWideToUtf8(sLow), "\xEF\xBF\xBDx");
  // A surrogate pair held in two wide characters is joined.
  std::wstring sPair{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
  EXPECT_EQ(mWideToUtf8(sPair), "\xF0\x9F\x98\x80");
  std::wstring sHuge{static_cast<wchar_t>(0x110000)};
  EXPECT_EQ(mWideToUtf8(sHuge), "\xEF\xBF\xBD");
  std::wstring sNegative{static_cast<wchar_t>(-1)};
  EXPECT_EQ(mWideToUtf8(sNegative), "\xEF\xBF\xBD");
}

}  // namespace
