// The step limit of the unit arithmetic: a step of clock units may cross
// the whole scale (1 January 0001 to 31 December 9999) but no further.

#include <gtest/gtest.h>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"

namespace {

constexpr double kJan1st0001 = -693593.0;
constexpr double kDec31st9999 = 2958465.0;

TEST(UnitStepLimit, ClockStepsAcrossTheScale) {
  const CmTimeCls o;
  const double kMissing = CmCVNConst::kMissingValueCode;
  // count, unit, start, result: 72,000,000 hours (3,000,000 days) after
  // 1 January 0001 is still a time; so is the whole scale in hours,
  // minutes and milliseconds, backwards too; one day more is not.
  const struct {
    double dCount;
    xTimePartsEnum eUnit;
    double dStart;
    double dResult;
  } kRows[] = {
      {72000000.0, xHour, kJan1st0001, kJan1st0001 + 3000000.0},
      {-72000000.0, xHour, kJan1st0001 + 3000000.0, kJan1st0001},
      {87649392.0, xHour, kJan1st0001, kDec31st9999},
      {87649392.0 * 60.0, xMinute, kJan1st0001, kDec31st9999},
      {-87649392.0 * 3600000.0, xThousandth, kDec31st9999, kJan1st0001},
      {87649392.0 + 24.0, xHour, kJan1st0001, kMissing},
      {-24.0, xHour, kJan1st0001, kMissing},
      {1e12, xHour, 0.0, kMissing},
  };
  for (const auto& row : kRows) {
    double dResult = 0.0;
    o.mNormToCorvaneTime(row.dCount, row.eUnit, row.dStart, &dResult);
    EXPECT_EQ(dResult, row.dResult) << row.dCount << " of unit " << row.eUnit;
  }
}

}  // namespace
