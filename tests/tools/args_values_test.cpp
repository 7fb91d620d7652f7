// Argument parsing and number handling of the cvntime tool.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CvnBasicTypes.h"
#include "tools/cvntime/args.h"
#include "tools/cvntime/regional.h"
#include "tools/cvntime/scale_plan.h"
#include "tools/cvntime/values.h"

namespace {

using namespace cvn::tool;

TEST(CvntimeArgs, GlobalOptionsStandAnywhereBeforeTheEnd) {
  xGlobalArgs global;
  std::string sError;
  ASSERT_TRUE(mParseGlobalArgs({"read", "--locale", "de_DE.UTF-8", "--format", "m/d/yy", "x"},
                               &global, &sError));
  EXPECT_EQ(global.sCommand, "read");
  ASSERT_TRUE(global.sLocale.has_value());
  EXPECT_EQ(*global.sLocale, "de_DE.UTF-8");
  EXPECT_EQ(global.vsRest, (std::vector<std::string>{"--format", "m/d/yy", "x"}));

  ASSERT_TRUE(mParseGlobalArgs({"--locale=C", "formats", "--help"}, &global, &sError));
  EXPECT_EQ(*global.sLocale, "C");
  EXPECT_TRUE(global.bHelp);
  EXPECT_EQ(global.sCommand, "formats");

  ASSERT_TRUE(mParseGlobalArgs({"read", "--", "--help", "--locale"}, &global, &sError));
  EXPECT_FALSE(global.bHelp) << "after -- everything is a value";
  EXPECT_FALSE(global.sLocale.has_value());
  EXPECT_EQ(global.vsRest, (std::vector<std::string>{"--", "--help", "--locale"}));
}

TEST(CvntimeArgs, GlobalErrors) {
  xGlobalArgs global;
  std::string sError;
  EXPECT_FALSE(mParseGlobalArgs({"read", "--locale"}, &global, &sError));
  EXPECT_NE(sError.find("--locale"), std::string::npos);
  EXPECT_FALSE(mParseGlobalArgs({"--format", "x", "read"}, &global, &sError));
  EXPECT_NE(sError.find("--format"), std::string::npos);
  ASSERT_TRUE(mParseGlobalArgs({}, &global, &sError));
  EXPECT_TRUE(global.sCommand.empty());
}

TEST(CvntimeArgs, CommandOptions) {
  const std::vector<xOptionSpec> kSpecs = {{"--format", 1}, {"--flag", 0}, {"--ticks", 2}};
  xCommandArgs parsed;
  std::string sError;
  ASSERT_TRUE(mParseCommandArgs("scale",
                                {"1", "--format=m/d", "--ticks", "4", "8", "-0.25", "--flag",
                                 "--format", "yyyy", "--", "--flag"},
                                kSpecs, &parsed, &sError));
  EXPECT_EQ(parsed.vsPositional, (std::vector<std::string>{"1", "-0.25", "--flag"}));
  EXPECT_EQ(*parsed.mValue("--format"), "yyyy") << "the last occurrence wins";
  EXPECT_TRUE(parsed.mHas("--flag"));
  EXPECT_EQ(parsed.mapOptions.at("--ticks"), (std::vector<std::string>{"4", "8"}));
  EXPECT_FALSE(parsed.mValue("--missing").has_value());
}

TEST(CvntimeArgs, CommandErrors) {
  const std::vector<xOptionSpec> kSpecs = {{"--format", 1}, {"--flag", 0}, {"--ticks", 2}};
  struct Row {
    std::vector<std::string> vsArgs;
    const char* pszInMessage;
  };
  const Row kRows[] = {
      {{"--nope"}, "unknown option '--nope' for 'cmd'"},
      {{"--format"}, "needs 1 value"},
      {{"--ticks", "4"}, "needs 2 values"},
      {{"--flag=1"}, "takes no value"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszInMessage);
    xCommandArgs parsed;
    std::string sError;
    EXPECT_FALSE(mParseCommandArgs("cmd", row.vsArgs, kSpecs, &parsed, &sError));
    EXPECT_NE(sError.find(row.pszInMessage), std::string::npos) << sError;
  }
}

TEST(CvntimeValues, FormatsWithFullPrecision) {
  EXPECT_EQ(mFormatValue(36526.5), "36526.5");
  EXPECT_EQ(mFormatValue(0.0), "0");
  EXPECT_EQ(mFormatValue(-0.25), "-0.25");
  EXPECT_EQ(mFormatValue(0.1), "0.10000000000000001");
  EXPECT_EQ(mFormatValue(CmCVNConst::kMissingValueCode), "*");
  double dBack = 0.0;
  const double dValue = 43905.520833333336;
  ASSERT_TRUE(mParseValue(mFormatValue(dValue), &dBack));
  EXPECT_EQ(dBack, dValue) << "17 digits read back to the same double";
}

TEST(CvntimeValues, ParsesDecimalNumbersOnly) {
  struct Row {
    const char* pszText;
    bool bOk;
    double dValue;
  };
  const double kMissing = CmCVNConst::kMissingValueCode;
  const Row kRows[] = {
      {"36526.5", true, 36526.5}, {" 12 ", true, 12.0},    {"-0.25", true, -0.25},
      {"1e3", true, 1000.0},      {"", true, kMissing},    {"  ", true, kMissing},
      {"*", true, kMissing},      {" * ", true, kMissing}, {"abc", false, 0},
      {"nan", false, 0},          {"inf", false, 0},       {"0x10", false, 0},
      {"1e999", false, 0},        {"1.2.3", false, 0},     {"12abc", false, 0},
      {"3/15/2020", false, 0},    {"-", false, 0},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszText);
    double dValue = 7.0;
    EXPECT_EQ(mParseValue(row.pszText, &dValue), row.bOk);
    EXPECT_EQ(dValue, row.bOk ? row.dValue : 7.0);
  }
}

TEST(CvntimeValues, ParsesIntsInRange) {
  int iValue = -1;
  EXPECT_TRUE(mParseInt("4", 1, 1000, &iValue));
  EXPECT_EQ(iValue, 4);
  EXPECT_TRUE(mParseInt("1000", 1, 1000, &iValue));
  EXPECT_FALSE(mParseInt("1001", 1, 1000, &iValue));
  EXPECT_FALSE(mParseInt("0", 1, 1000, &iValue));
  EXPECT_FALSE(mParseInt("-3", 1, 1000, &iValue));
  EXPECT_FALSE(mParseInt("4.5", 1, 1000, &iValue));
  EXPECT_FALSE(mParseInt("", 1, 1000, &iValue));
  EXPECT_FALSE(mParseInt("99999999999999999999", 1, 1000, &iValue));
  EXPECT_EQ(iValue, 1000);
}

TEST(CvntimeRegional, CLocaleNames) {
  for (const char* pszName : {"", "C", "POSIX", "C.UTF-8", "C.utf8", "POSIX@x"}) {
    EXPECT_TRUE(mIsBuiltInLocaleName(pszName)) << pszName;
  }
  for (const char* pszName : {"de_DE.UTF-8", "en_US", "Cx", "c"}) {
    EXPECT_FALSE(mIsBuiltInLocaleName(pszName)) << pszName;
  }
}

TEST(CvntimeScalePlan, PartKindsOfPackedWords) {
  // d/m/yyyy hh:mm:ss.sss packed: seven parts, the fraction as kind 13 with
  // 3 in the fraction bits.
  std::vector<unsigned> vuWords(4, 0u);
  const unsigned kKinds[7] = {xDay, xMonthNumber, xYear, xHour, xMinute, xSecond, xHundredth};
  const int kKindBits[7] = {4, 12, 20, 28, 4, 12, 20};
  mSetBits(&vuWords[0], 0, 3, 7);
  for (int i = 0; i < 7; ++i) mSetBits(&vuWords[i < 4 ? 0 : 1], kKindBits[i], 4, kKinds[i]);
  mSetBits(&vuWords[1], 28, 2, 3);
  const std::vector<xTimePartsEnum> vKinds = mPartKindsOfPacked(vuWords);
  EXPECT_EQ(vKinds, (std::vector<xTimePartsEnum>{xDay, xMonthNumber, xYear, xHour, xMinute, xSecond,
                                                 xThousandth}));
  mSetBits(&vuWords[1], 28, 2, 1);
  EXPECT_EQ(mPartKindsOfPacked(vuWords).back(), xTenth);
  EXPECT_TRUE(mPartKindsOfPacked({}).empty());
}

TEST(CvntimeScalePlan, UnitNames) {
  EXPECT_STREQ(mUnitName(xYear), "year");
  EXPECT_STREQ(mUnitName(xQuarterNumberFirst), "quarter");
  EXPECT_STREQ(mUnitName(xMonthAbbrev), "month");
  EXPECT_STREQ(mUnitName(xWeekLabelFirst), "week");
  EXPECT_STREQ(mUnitName(xThousandth), "thousandth");
  EXPECT_STREQ(mUnitName(xNoPart), "none");
}

}  // namespace
