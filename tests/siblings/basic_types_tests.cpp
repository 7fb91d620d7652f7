// Basic types (the missing-value code, the saturating conversion, bit
// fields), math rounding, the assertion handler and the floating-point
// reset.

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

#include "CvnBasicTypes.h"
#include "CvnExceptions.h"
#include "CvnMath.h"
#include "CvnMessaging.h"

namespace {

constexpr double kInf = HUGE_VAL;

TEST(BasicTypes, MissingValueAndTolerances) {
  const double dMissing = CmCVNConst::mInstance()->mGetMissingValueCode();
  EXPECT_TRUE(std::isfinite(dMissing) && mIsNumericMissing(dMissing));
  // Far outside every valid time; nothing else is missing.
  for (double d : {0.0, -328716.0, 767377.0, -1.0e299, -1.0e301, std::nan(""), -kInf}) {
    EXPECT_FALSE(mIsNumericMissing(d)) << d;
  }
  EXPECT_TRUE(mGetEps() == DBL_EPSILON && mGetNearlyZero() > 0.0 && mGetNearlyZero() < 1.0e-100 &&
              mGetMaxInteger() == 2147483647.0);
}

TEST(BasicTypes, ToIntgTruncatesAndSaturates) {
  // Toward zero inside the range, saturated at and beyond both ends, NaN 0.
  // clang-format off
  const std::pair<double, int> kRows[] = {
      {0.0, 0}, {-0.0, 0}, {0.9999, 0}, {-0.9999, 0}, {1.5, 1}, {-1.5, -1}, {DBL_MIN, 0},
      {2147483646.9, 2147483646}, {2147483647.0, INT_MAX}, {2147483647.5, INT_MAX},
      {2147483648.0, INT_MAX}, {1.0e300, INT_MAX}, {kInf, INT_MAX}, {-2147483647.9, -2147483647},
      {-2147483648.0, INT_MIN}, {-2147483648.5, INT_MIN}, {-2147483649.0, INT_MIN},
      {CmCVNConst::kMissingValueCode, INT_MIN}, {-kInf, INT_MIN}, {std::nan(""), 0},
      {-std::nan(""), 0}};
  // clang-format on
  for (const auto& [dValue, iExpected] : kRows) EXPECT_EQ(mToINTG(dValue), iExpected) << dValue;
  for (unsigned u : {0u, 2147483647u, 2147483648u, UINT_MAX}) {
    EXPECT_EQ(mToINTG(u), u > 2147483647u ? INT_MAX : static_cast<int>(u)) << u;
  }
}

TEST(BasicTypes, BitFields) {
  // Word, first bit, bit count, value, word after mSetBits: only the low
  // bits of the value count; fields are clipped to bits 0..31; no bits or
  // a field wholly outside leave the word.
  // clang-format off
  const std::tuple<unsigned, int, int, unsigned, unsigned> kSet[] = {
      {0, 0, 4, 0xF, 0xF}, {0, 4, 4, 0xAB, 0xB0}, {0xFFFFFFFF, 8, 8, 0, 0xFFFF00FF},
      {0, 28, 4, 0x9, 0x90000000}, {0, 0, 32, 0x12345678, 0x12345678}, {0, 30, 4, 0xF, 0xC0000000},
      {0, -2, 4, 0xF, 0x3}, {0, 31, 1, 1, 0x80000000}, {0, 32, 4, 0xF, 0}, {0, -40, 4, 0xF, 0},
      {0x55, 0, 0, 0xFF, 0x55}, {0x55, 0, -3, 0xFF, 0x55}, {0, INT_MAX, 5, 0xFF, 0},
      {0, INT_MIN, 5, 0xFF, 0}, {0, 0, INT_MAX, 0xFFFFFFFF, 0xFFFFFFFF}};
  // Word, last bit, bit count, mGetBits: bits outside the word read as 0.
  const std::tuple<unsigned, int, int, unsigned> kGet[] = {
      {0xB0, 7, 4, 0xB}, {0x12345678, 31, 32, 0x12345678}, {0x80000000, 31, 1, 1}, {0xF, 1, 4, 0xC},
      {0xF0000000, 33, 4, 0x3}, {0xFFFFFFFF, 40, 4, 0}, {0xFFFFFFFF, 5, 0, 0},
      {0xFFFFFFFF, 5, -1, 0}, {0xFFFFFFFF, INT_MAX, INT_MAX, 0x7FFFFFFF},
      {0xFFFFFFFF, INT_MIN, 3, 0}, {0xFFFFFFFF, 31, INT_MAX, 0}};
  // clang-format on
  for (const auto& [uWord, iFirst, iCount, uValue, uExpected] : kSet) {
    unsigned uBits = uWord;
    mSetBits(&uBits, iFirst, iCount, uValue);
    EXPECT_EQ(uBits, uExpected) << iFirst << "," << iCount;
  }
  for (const auto& [uWord, iLast, iCount, uExpected] : kGet) {
    EXPECT_EQ(mGetBits(uWord, iLast, iCount), uExpected) << iLast << "," << iCount;
  }
  mSetBits(nullptr, 0, 4, 1u);  // no crash
  // Every field written by its lowest bit reads back by its highest bit and
  // leaves the bits below it.
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

TEST(Math, RoundingHalfAwayFromZero) {
  // Value, places, rounded: halves away from zero, negative places round to
  // tens, values too large to have finer places stay, and so do the places
  // beyond a double's range.
  // clang-format off
  const std::tuple<double, int, double> kRows[] = {
      {0.5, 0, 1.0}, {1.5, 0, 2.0}, {2.5, 0, 3.0}, {-0.5, 0, -1.0}, {-2.5, 0, -3.0},
      {0.49999, 0, 0.0}, {-0.49999, 0, -0.0}, {1.25, 1, 1.3}, {-1.25, 1, -1.3}, {1.2345, 2, 1.23},
      {123.0, -1, 120.0}, {125.0, -1, 130.0}, {-125.0, -1, -130.0}, {1.0e300, 2, 1.0e300},
      {1.0e300, 400, 1.0e300}, {12345.0, -400, 0.0}, {4503599627370497.0, 1, 4503599627370497.0}};
  // clang-format on
  for (const auto& [dValue, iPlaces, dExpected] : kRows) {
    EXPECT_DOUBLE_EQ(mRound(dValue, iPlaces), dExpected) << dValue << " to " << iPlaces;
  }
  for (int iPlaces : {0, 3, -3, 1000, -1000}) {
    EXPECT_TRUE(std::isnan(mRound(std::nan(""), iPlaces))) << iPlaces;
    EXPECT_TRUE(mRound(kInf, iPlaces) == kInf && mRound(-kInf, iPlaces) == -kInf) << iPlaces;
  }
  // clang-format off
  const std::pair<double, double> kNearest[] = {
      {0.4999999, 0.0}, {0.5, 1.0}, {-0.5, -1.0}, {86399999.5, 86400000.0},
      {86399999.49, 86399999.0}, {kInf, kInf}};
  // clang-format on
  for (const auto& [dValue, dExpected] : kNearest)
    EXPECT_EQ(mNearestInteger(dValue), dExpected) << dValue;
  EXPECT_TRUE(std::isnan(mNearestInteger(std::nan(""))));
}

std::string gsReports;
void mRecordReport(const char* expression, const char* sourceFile, unsigned line) {
  gsReports += std::string(expression) + "|" + sourceFile + "|" + std::to_string(line) + ";";
}

// An installed handler receives every report and mAssert returns false to
// its caller; without one, a line goes to stderr (null texts as empty).
TEST(Messaging, AssertReportsToTheHandler) {
  gsReports.clear();
  const CmAssertHandler pPrevious = mSetAssertHandler(&mRecordReport);
  EXPECT_FALSE(mAssert("iMatchPos >= 0", "time", 8793, false, false));
  EXPECT_FALSE(mAssert("false", "time", 1));
  EXPECT_EQ(mSetAssertHandler(nullptr), &mRecordReport);
  EXPECT_EQ(gsReports, "iMatchPos >= 0|time|8793;false|time|1;");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(mAssert("a == b", "time", 42));
  EXPECT_FALSE(mAssert(nullptr, nullptr, 0));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "assertion failed: a == b (time:42)\nassertion failed:  (:0)\n");
  mSetAssertHandler(pPrevious);
}

TEST(Exceptions, ResetRestoresRoundToNearest) {
  ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
  mResetFPU();
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

}  // namespace
