// The helpers of the cvntime tool: the UTF-8 codec, argument parsing,
// numbers, locale names and the scale plan.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "CvnBasicTypes.h"
#include "tools/cvntime/args.h"
#include "tools/cvntime/column_input.h"
#include "tools/cvntime/regional.h"
#include "tools/cvntime/scale_plan.h"
#include "tools/cvntime/shortest_double.h"
#include "tools/cvntime/utf8.h"
#include "tools/cvntime/values.h"

namespace {

using namespace cvn::tool;
constexpr wchar_t kBad = 0xFFFD;
constexpr double kMissing = CmCVNConst::kMissingValueCode;

TEST(CvntimeUtf8, DecodesAndEncodes) {
  // UTF-8, wide text, and whether the wide text encodes back to the same
  // bytes (well-formed input) or each bad sequence became one U+FFFD.
  // clang-format off
  const std::tuple<std::string, std::wstring, bool> kRows[] = {
      {"", L"", true}, {"3/15/2020", L"3/15/2020", true},
      // Two, three and four bytes; the lowest two-byte, highest three-byte, highest code point.
      {"M\xC3\xA4rz", L"M\u00e4rz", true}, {"\xE2\x82\xAC", L"\u20ac", true},
      {"\xF0\x9F\x98\x80", std::wstring(1, 0x1F600), true}, {"\xC2\x80", std::wstring(1, 0x80), true},
      {"\xEF\xBF\xBF", std::wstring(1, 0xFFFF), true}, {"\xF4\x8F\xBF\xBF", std::wstring(1, 0x10FFFF), true},
      // A lone continuation byte, overlong forms, an encoded surrogate, above U+10FFFF, never a lead byte.
      {"\x80", {kBad}, false}, {"\xC0\xAF", {kBad, kBad}, false}, {"\xC1\xBF", {kBad, kBad}, false},
      {"\xE0\x80\xAF", {kBad, kBad, kBad}, false}, {"\xED\xA0\x80", {kBad, kBad, kBad}, false},
      {"\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}, false}, {"\xF5\x80", {kBad, kBad}, false},
      // Truncated: one replacement, alone, before ASCII, before a new sequence.
      {"\xE2\x82", {kBad}, false}, {"\xE2\x82" "A", {kBad, L'A'}, false},
      {"\xF0\x9F\x98" "\xC3\xA4", {kBad, 0xE4}, false},
      {std::string("a\0b", 3), {L'a', kBad, L'b'}, false},    // NUL would cut the text short
      // Eight ASCII bytes at a time, until a NUL or a byte above 0x7F.
      {std::string("2020-03-\0" "15T10:30", 17), L"2020-03-" + std::wstring(1, kBad) + L"15T10:30", false},
      {"15. M\xC3\xA4rz 2020 10:30", L"15. M\u00e4rz 2020 10:30", true},
  };
  // clang-format on
  for (const auto& [sUtf8, sWide, bWellFormed] : kRows) {
    EXPECT_EQ(mUtf8ToWide(sUtf8), sWide) << sUtf8;
    if (bWellFormed) {
      EXPECT_EQ(mWideToUtf8(sWide), sUtf8);
    }
  }
  // Lone surrogates and values beyond Unicode encode as U+FFFD; a pair joins.
  using W = std::wstring;
  EXPECT_EQ(mWideToUtf8(W{wchar_t(0xD800)}), "\xEF\xBF\xBD");
  EXPECT_EQ(mWideToUtf8(W{wchar_t(0xDC00), L'x'}), "\xEF\xBF\xBDx");
  EXPECT_EQ(mWideToUtf8(W{wchar_t(0xD83D), wchar_t(0xDE00)}), "\xF0\x9F\x98\x80");
  EXPECT_EQ(mWideToUtf8(W{wchar_t(0x110000), wchar_t(-1)}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(CvntimeUtf8, EveryOneAndTwoByteTextDecodesWithoutLoss) {
  for (int a = 1; a < 256; ++a) {
    const std::wstring w = mUtf8ToWide(std::string(1, char(a)));
    EXPECT_EQ(w, std::wstring(1, a < 0x80 ? wchar_t(a) : kBad)) << a;
    for (int b = 0; b < 256; ++b) {
      // One or two characters, and the re-encoded text decodes to the same.
      const std::wstring w2 = mUtf8ToWide(std::string{char(a), char(b)});
      ASSERT_TRUE(w2.size() == 1 || w2.size() == 2) << a << " " << b;
      ASSERT_EQ(mUtf8ToWide(mWideToUtf8(w2)), w2) << a << " " << b;
    }
  }
}

TEST(CvntimeArgs, GlobalOptionsStandAnywhereBeforeTheEnd) {
  xGlobalArgs x;
  std::string sError;
  ASSERT_TRUE(mParseGlobalArgs({"read", "--locale", "de_DE.UTF-8", "--format", "m/d/yy", "x"}, &x,
                               &sError));
  EXPECT_EQ(std::make_tuple(x.sCommand, x.sLocale.value_or("?"), x.bHelp),
            std::make_tuple(std::string("read"), std::string("de_DE.UTF-8"), false));
  EXPECT_EQ(x.vsRest, (std::vector<std::string>{"--format", "m/d/yy", "x"}));
  ASSERT_TRUE(mParseGlobalArgs({"--locale=C", "formats", "--help"}, &x, &sError));
  EXPECT_EQ(std::make_tuple(x.sCommand, x.sLocale.value_or("?"), x.bHelp),
            std::make_tuple(std::string("formats"), std::string("C"), true));
  ASSERT_TRUE(mParseGlobalArgs({"read", "--", "--help", "--locale"}, &x, &sError));
  EXPECT_FALSE(x.bHelp || x.sLocale.has_value());  // after -- everything is a value
  EXPECT_EQ(x.vsRest, (std::vector<std::string>{"--", "--help", "--locale"}));
  ASSERT_TRUE(mParseGlobalArgs({}, &x, &sError));
  EXPECT_TRUE(x.sCommand.empty());
  EXPECT_FALSE(mParseGlobalArgs({"read", "--locale"}, &x, &sError));
  EXPECT_NE(sError.find("--locale"), std::string::npos);
  EXPECT_FALSE(mParseGlobalArgs({"--format", "x", "read"}, &x, &sError));
  EXPECT_NE(sError.find("--format"), std::string::npos);
}

TEST(CvntimeArgs, CommandOptions) {
  const std::vector<xOptionSpec> kSpecs = {{"--format", 1}, {"--flag", 0}, {"--ticks", 2}};
  xCommandArgs x;
  std::string sError;
  ASSERT_TRUE(mParseCommandArgs("scale",
                                {"1", "--format=m/d", "--ticks", "4", "8", "-0.25", "--flag",
                                 "--format", "yyyy", "--", "--flag"},
                                kSpecs, &x, &sError));
  EXPECT_EQ(x.vsPositional, (std::vector<std::string>{"1", "-0.25", "--flag"}));
  EXPECT_EQ(x.mValue("--format").value_or("?"), "yyyy");  // the last occurrence wins
  EXPECT_TRUE(x.mHas("--flag") && !x.mValue("--missing").has_value());
  EXPECT_EQ(x.mapOptions.at("--ticks"), (std::vector<std::string>{"4", "8"}));
  const std::pair<std::vector<std::string>, const char*> kErrors[] = {
      {{"--nope"}, "unknown option '--nope' for 'cmd'"},
      {{"--format"}, "needs 1 value"},
      {{"--ticks", "4"}, "needs 2 values"},
      {{"--flag=1"}, "takes no value"}};
  for (const auto& [vsArgs, pszMessage] : kErrors) {
    EXPECT_FALSE(mParseCommandArgs("cmd", vsArgs, kSpecs, &x, &sError));
    EXPECT_NE(sError.find(pszMessage), std::string::npos) << sError;
  }
}

TEST(CvntimeValues, NumbersInAndOut) {
  // The shortest text that reads back as the same double.
  // clang-format off
  const std::pair<double, const char*> kOut[] = {
      {36526.5, "36526.5"}, {-0.25, "-0.25"}, {0.1, "0.1"}, {0.5315972222222223, "0.5315972222222223"},
      {43905.520833333336, "43905.520833333336"}, {1e300, "1e+300"}, {-1e-300, "-1e-300"}};
  // clang-format on
  for (const auto& [d, pszText] : kOut) {
    double dBack = 0;
    EXPECT_EQ(mFormatValue(d), pszText);
    EXPECT_TRUE(mParseValue(mFormatValue(d), &dBack) && dBack == d) << d;
  }
  EXPECT_EQ(mFormatValue(kMissing), "*");
  // Text and value read; 7: refused, the value untouched.
  // clang-format off
  const std::pair<const char*, double> kRows[] = {
      {"36526.5", 36526.5}, {" 12 ", 12.0}, {"-0.25", -0.25}, {"1e3", 1000.0},
      {"", kMissing}, {"  ", kMissing},
      {" * ", kMissing}, {"abc", 7}, {"nan", 7}, {"inf", 7}, {"0x10", 7}, {"1e999", 7},
      {"1.2.3", 7}, {"12abc", 7}, {"3/15/2020", 7}, {"-", 7}};
  // clang-format on
  for (const auto& [pszText, dExpected] : kRows) {
    double dValue = 7.0;
    EXPECT_EQ(mParseValue(pszText, &dValue), dExpected != 7) << pszText;
    EXPECT_EQ(dValue, dExpected) << pszText;
  }
  int iValue = -1;
  for (const char* pszText : {"0", "1001", "-3", "4.5", "", "99999999999999999999"}) {
    EXPECT_FALSE(mParseInt(pszText, 1, 1000, &iValue)) << pszText;
  }
  EXPECT_TRUE(mParseInt("1", 1, 1000, &iValue) && iValue == 1);
  EXPECT_TRUE(mParseInt("1000", 1, 1000, &iValue) && iValue == 1000);
}

// The fast shortest writer against std::to_chars: random dates with a time
// (negative ones too), random doubles and bit patterns over the fast range
// and either side of it, values with few fraction bits, and the edges.
// Every text must be the same.
TEST(CvntimeValues, ShortestTextIsToCharsText) {
  std::mt19937_64 xRandom(20261206);
  const auto mCheck = [](double d) {
    char szFast[kShortestDoubleMax], szPeer[kShortestDoubleMax];
    const std::size_t n = mShortestDoubleTo(d, szFast);
    const char* pEnd = std::to_chars(szPeer, szPeer + kShortestDoubleMax, d).ptr;
    const std::string_view sFast(szFast, n), sPeer(szPeer, static_cast<std::size_t>(pEnd - szPeer));
    if (sFast != sPeer) ADD_FAILURE() << sFast << " for " << sPeer;
    return sFast == sPeer;
  };
  const double k2to21 = 2097152.0;
  for (const double d : {0.1, 1.0, 0.5, k2to21, 1e-300, 1e22, 0.0, -0.0, 45000.0, 99999.99999999999,
                         std::numeric_limits<double>::infinity(), std::nan(""), kMissing}) {
    for (const double e : {d, -d, std::nextafter(d, 0.0), std::nextafter(d, 1e300)}) mCheck(e);
  }
  std::uniform_int_distribution<std::int64_t> xDay(-2100000, 2100000), xMs(0, 86399999);
  std::uniform_real_distribution<double> xAny(0.05, 2.2e6);
  std::uniform_int_distribution<std::uint64_t> xBits(std::uint64_t{1015} << 52,
                                                     (std::uint64_t{1048} << 52) - 1);
  for (int i = 0; i < 1000000; ++i) {
    const double dDate =
        static_cast<double>(xDay(xRandom)) + static_cast<double>(xMs(xRandom)) / 86400000.0;
    double dBits = 0;
    const std::uint64_t iBits = xBits(xRandom) | (xRandom() & (std::uint64_t{1} << 63));
    std::memcpy(&dBits, &iBits, sizeof dBits);
    // Few fraction bits: the nearest digits can be a tie, broken to even.
    const double dDyadic = std::ldexp(static_cast<double>(xRandom() >> (11 + xRandom() % 53)),
                                      -static_cast<int>(xRandom() % 21));
    if (!mCheck(dDate) || !mCheck(xAny(xRandom)) || !mCheck(dBits) || !mCheck(dDyadic)) break;
  }
}

// A mapped file shrunk by another program while it is read: the lost pages
// read as NUL characters and the load reports the change, instead of the
// bus error that kills the process.
TEST(CvntimeColumnInput, MappedFileShrunkWhileReadIsReportedChanged) {
  char szPath[] = "/tmp/cvntime_units_XXXXXX";
  const int fd = mkstemp(szPath);
  ASSERT_GE(fd, 0);
  std::string sLines;
  for (int i = 0; i < 2000; ++i) sLines += "2020-03-15\n";
  ASSERT_EQ(write(fd, sLines.data(), sLines.size()), static_cast<ssize_t>(sLines.size()));
  close(fd);
  struct sigaction xBefore {
  }, xAfter{};
  sigaction(SIGBUS, nullptr, &xBefore);
  std::FILE* pFile = std::fopen(szPath, "rb");
  ASSERT_NE(pFile, nullptr);
  CmColumnBytes xBytes;
  ASSERT_TRUE(xBytes.mLoad(pFile));
  std::fclose(pFile);
  EXPECT_EQ(xBytes.mText(), sLines);
  EXPECT_FALSE(xBytes.mChanged());
  ASSERT_EQ(truncate(szPath, 4096), 0);
  const std::string_view sText = xBytes.mText();
  EXPECT_EQ(static_cast<std::size_t>(std::count(sText.begin(), sText.end(), '\0')),
            sLines.size() - 4096);
  EXPECT_TRUE(xBytes.mChanged());
  xBytes.mRelease();
  sigaction(SIGBUS, nullptr, &xAfter);
  EXPECT_EQ(xAfter.sa_sigaction, xBefore.sa_sigaction);
  unlink(szPath);
}

TEST(CvntimeRegional, CLocaleNames) {
  // clang-format off
  const std::pair<const char*, bool> kNames[] = {
      {"", true}, {"C", true}, {"POSIX", true}, {"C.UTF-8", true}, {"C.utf8", true}, {"POSIX@x", true},
      {"de_DE.UTF-8", false}, {"en_US", false}, {"Cx", false}, {"c", false}};
  // clang-format on
  for (const auto& [pszName, bBuiltIn] : kNames)
    EXPECT_EQ(mIsBuiltInLocaleName(pszName), bBuiltIn) << pszName;
}

TEST(CvntimeScalePlan, UnitNames) {
  const std::pair<xTimePartsEnum, std::string> kNames[] = {
      {xYear, "year"},           {xQuarterNumberFirst, "quarter"}, {xMonthAbbrev, "month"},
      {xWeekLabelFirst, "week"}, {xThousandth, "thousandth"},      {xNoPart, "none"}};
  for (const auto& [eUnit, sName] : kNames) EXPECT_EQ(mUnitName(eUnit), sName);
}

}  // namespace
