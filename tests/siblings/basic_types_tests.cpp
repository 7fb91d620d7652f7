// Basic types: the missing-value code, the saturating conversion and the
// bit fields.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

#include "CvnBasicTypes.h"

namespace {

TEST(BasicTypes, MissingValueCode) {
  const double dMissing = CmCVNConst::mInstance()->mGetMissingValueCode();
  EXPECT_TRUE(std::isfinite(dMissing));
  EXPECT_TRUE(mIsNumericMissing(dMissing));
  EXPECT_EQ(CmCVNConst::mInstance(), CmCVNConst::mInstance());
  // Far outside every valid time, on both sides of the valid range.
  for (double d : {0.0, -328716.0, 767377.0, -1.0e299, -1.0e301, std::nan(""),
                   -std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(d);
    EXPECT_FALSE(mIsNumericMissing(d));
  }
}

TEST(BasicTypes, Tolerances) {
  EXPECT_EQ(mGetEps(), DBL_EPSILON);
  EXPECT_GT(mGetNearlyZero(), 0.0);
  EXPECT_LT(mGetNearlyZero(), 1.0e-100);
  EXPECT_EQ(mGetMaxInteger(), 2147483647.0);
}

TEST(BasicTypes, ToIntgBoundaries) {
  const double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double dValue;
    int iExpected;
  } kRows[] = {
      {0.0, 0},
      {-0.0, 0},
      {0.9999, 0},
      {-0.9999, 0},  // toward zero
      {1.5, 1},
      {-1.5, -1},
      {2147483646.9, 2147483646},
      {2147483647.0, INT_MAX},
      {2147483647.5, INT_MAX},
      {2147483648.0, INT_MAX},
      {1.0e300, INT_MAX},
      {kInf, INT_MAX},
      {-2147483647.9, -2147483647},
      {-2147483648.0, INT_MIN},
      {-2147483648.5, INT_MIN},
      {-2147483649.0, INT_MIN},
      {CmCVNConst::kMissingValueCode, INT_MIN},
      {-kInf, INT_MIN},
      {std::nan(""), 0},
      {-std::nan(""), 0},
      {DBL_MIN, 0},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.dValue);
    EXPECT_EQ(mToINTG(row.dValue), row.iExpected);
  }
  EXPECT_EQ(mToINTG(0u), 0);
  EXPECT_EQ(mToINTG(2147483647u), INT_MAX);
  EXPECT_EQ(mToINTG(2147483648u), INT_MAX);
  EXPECT_EQ(mToINTG(UINT_MAX), INT_MAX);
}

TEST(BasicTypes, SetBits) {
  const struct {
    unsigned uWord;
    int iFirst;
    int iCount;
    unsigned uValue;
    unsigned uExpected;
  } kRows[] = {
      {0u, 0, 4, 0xFu, 0xFu},
      {0u, 4, 4, 0xABu, 0xB0u},  // only the low numBits bits of the value
      {0xFFFFFFFFu, 8, 8, 0u, 0xFFFF00FFu},
      {0u, 28, 4, 0x9u, 0x90000000u},
      {0u, 0, 32, 0x12345678u, 0x12345678u},
      {0u, 30, 4, 0xFu, 0xC0000000u},  // clipped at bit 31
      {0u, -2, 4, 0xFu, 0x3u},         // clipped at bit 0
      {0u, 31, 1, 1u, 0x80000000u},
      {0u, 32, 4, 0xFu, 0u},  // wholly outside
      {0u, -40, 4, 0xFu, 0u},
      {0x55u, 0, 0, 0xFFu, 0x55u},  // no bits
      {0x55u, 0, -3, 0xFFu, 0x55u},
      {0u, INT_MAX, 5, 0xFFu, 0u},
      {0u, INT_MIN, 5, 0xFFu, 0u},
      {0u, 0, INT_MAX, 0xFFFFFFFFu, 0xFFFFFFFFu},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iFirst << "," << row.iCount);
    unsigned uWord = row.uWord;
    mSetBits(&uWord, row.iFirst, row.iCount, row.uValue);
    EXPECT_EQ(uWord, row.uExpected);
  }
  mSetBits(nullptr, 0, 4, 1u);  // no crash
}

TEST(BasicTypes, GetBits) {
  const struct {
    unsigned uWord;
    int iLast;
    int iCount;
    unsigned uExpected;
  } kRows[] = {
      {0xB0u, 7, 4, 0xBu},
      {0x12345678u, 31, 32, 0x12345678u},
      {0x80000000u, 31, 1, 1u},
      {0x0000000Fu, 3, 4, 0xFu},
      {0x0000000Fu, 1, 4, 0xCu},   // bits below 0 read as 0
      {0xF0000000u, 33, 4, 0x3u},  // bits above 31 read as 0
      {0xFFFFFFFFu, 40, 4, 0u},
      {0xFFFFFFFFu, 5, 0, 0u},
      {0xFFFFFFFFu, 5, -1, 0u},
      {0xFFFFFFFFu, INT_MAX, INT_MAX, 0x7FFFFFFFu},  // bits 1..31 of the word
      {0xFFFFFFFFu, INT_MIN, 3, 0u},
      {0xFFFFFFFFu, 31, INT_MAX, 0u},  // the field starts far below bit 0
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iLast << "," << row.iCount);
    EXPECT_EQ(mGetBits(row.uWord, row.iLast, row.iCount), row.uExpected);
  }
}

TEST(BasicTypes, BitFieldRoundTrip) {
  // A field written by its lowest bit reads back by its highest bit.
  for (int iCount = 1; iCount <= 32; ++iCount) {
    for (int iFirst = 0; iFirst + iCount <= 32; ++iFirst) {
      const unsigned uValue = 0xA5C3F00Fu & (iCount == 32 ? 0xFFFFFFFFu : (1u << iCount) - 1u);
      unsigned uWord = 0x5A5A5A5Au;
      mSetBits(&uWord, iFirst, iCount, uValue);
      ASSERT_EQ(mGetBits(uWord, iFirst + iCount - 1, iCount), uValue) << iFirst << "," << iCount;
      if (iFirst > 0) {
        ASSERT_EQ(mGetBits(uWord, iFirst - 1, iFirst), mGetBits(0x5A5A5A5Au, iFirst - 1, iFirst));
      }
    }
  }
}

// A Singleton kind for the base class test.
class TestSingleton : public Singleton {
 public:
  TestSingleton() : Singleton(7) {}
  int mKind() const { return m_iKind; }
};

TEST(BasicTypes, SingletonKeepsItsKind) {
  const TestSingleton xOne;
  EXPECT_EQ(xOne.mKind(), 7);
}

}  // namespace
