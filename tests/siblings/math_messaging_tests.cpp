// Math rounding, the assertion handler and the floating-point reset.

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CvnExceptions.h"
#include "CvnMath.h"
#include "CvnMessaging.h"

namespace {

TEST(Math, RoundHalfAwayFromZero) {
  const struct {
    double dValue;
    int iPlaces;
    double dExpected;
  } kRows[] = {
      {0.5, 0, 1.0},
      {1.5, 0, 2.0},
      {2.5, 0, 3.0},
      {-0.5, 0, -1.0},
      {-2.5, 0, -3.0},
      {0.49999, 0, 0.0},
      {-0.49999, 0, -0.0},
      {1.25, 1, 1.3},
      {-1.25, 1, -1.3},
      {1.2345, 2, 1.23},
      {123.0, -1, 120.0},
      {125.0, -1, 130.0},
      {-125.0, -1, -130.0},
      {1.0e300, 2, 1.0e300},
      {1.0e300, 400, 1.0e300},
      {12345.0, -400, 0.0},
      {4503599627370497.0, 1, 4503599627370497.0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.dValue << " to " << row.iPlaces);
    EXPECT_DOUBLE_EQ(mRound(row.dValue, row.iPlaces), row.dExpected);
  }
}

TEST(Math, RoundPassesNonFiniteValues) {
  const double kInf = std::numeric_limits<double>::infinity();
  for (int iPlaces : {0, 3, -3, 1000, -1000}) {
    SCOPED_TRACE(iPlaces);
    EXPECT_TRUE(std::isnan(mRound(std::nan(""), iPlaces)));
    EXPECT_EQ(mRound(kInf, iPlaces), kInf);
    EXPECT_EQ(mRound(-kInf, iPlaces), -kInf);
    EXPECT_EQ(mRound(0.0, iPlaces), 0.0);
  }
  EXPECT_TRUE(std::isnan(mNearestInteger(std::nan(""))));
  EXPECT_EQ(mNearestInteger(kInf), kInf);
}

TEST(Math, NearestInteger) {
  const struct {
    double dValue;
    double dExpected;
  } kRows[] = {
      {0.0, 0.0},   {0.4999999, 0.0},         {0.5, 1.0},
      {-0.5, -1.0}, {86399999.5, 86400000.0}, {86399999.49, 86399999.0},
      {-3.5, -4.0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.dValue);
    EXPECT_EQ(mNearestInteger(row.dValue), row.dExpected);
  }
}

struct xReport {
  std::string sExpression;
  std::string sFile;
  unsigned iLine;
};
std::vector<xReport> gvReports;

void mRecordReport(const char* expression, const char* sourceFile, unsigned line) {
  gvReports.push_back({expression, sourceFile, line});
}

TEST(Messaging, AssertCallsTheInstalledHandler) {
  gvReports.clear();
  const CmAssertHandler pPrevious = mSetAssertHandler(&mRecordReport);
  EXPECT_FALSE(mAssert("iMatchPos >= 0", "time", 8793, false, false));
  EXPECT_FALSE(mAssert("false", "time", 1));
  EXPECT_EQ(mSetAssertHandler(pPrevious), &mRecordReport);
  ASSERT_EQ(gvReports.size(), 2u);
  EXPECT_EQ(gvReports[0].sExpression, "iMatchPos >= 0");
  EXPECT_EQ(gvReports[0].sFile, "time");
  EXPECT_EQ(gvReports[0].iLine, 8793u);
  EXPECT_EQ(gvReports[1].sExpression, "false");
}

TEST(Messaging, DefaultHandlerWritesOneLine) {
  const CmAssertHandler pPrevious = mSetAssertHandler(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(mAssert("a == b", "time", 42));
  EXPECT_FALSE(mAssert(nullptr, nullptr, 0));  // null texts are reported as empty
  const std::string sOutput = testing::internal::GetCapturedStderr();
  mSetAssertHandler(pPrevious);
  EXPECT_EQ(sOutput, "assertion failed: a == b (time:42)\nassertion failed:  (:0)\n");
}

TEST(Exceptions, ResetRestoresRoundToNearest) {
  ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
  mResetFPU();
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

}  // namespace
