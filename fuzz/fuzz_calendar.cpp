// Fuzz target: the calendar arithmetic. A differential check of the two
// forms of each civil-day conversion: the inline one, which runs in unsigned
// 32 bits where it can, against the 64-bit form with floor division that
// handles every input.
//
// Invariants:
// - mCivilFromDayNumber and mCivilFromDayNumberWide give the same date and
//   day of the year for any day number that fits 46 bits and any int;
// - mDayNumberFromCivil and mDayNumberFromCivilWide give the same day
//   number for any int year, month and day;
// - the date of a day number converts back to it;
// - the split of any double gives a time of day in [0, 86400000).
//
// Input: 8 bytes of day number, 12 bytes of year, month and day, 8 bytes of
// a Corvane time.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/fuzz_common.h"
#include "time/calendar/calendar_math.h"

namespace {

namespace cd = cvn::detail;
using cvn::fuzz::mFail;

bool mSameDate(const cd::xCivilDate& a, const cd::xCivilDate& b) {
  return a.iYear == b.iYear && a.iMonth == b.iMonth && a.iDay == b.iDay &&
         a.iDayOfYear == b.iDayOfYear;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider fdp(data, size);
  // Mostly within the 32-bit range of the inline form and around its ends.
  const std::int64_t kLast32 = 0xFFFFFFFFLL - 719468 + cd::kDayNumberOf1970;
  const auto uPick = fdp.ConsumeIntegral<uint8_t>();
  std::int64_t n =
      fdp.ConsumeIntegralInRange<std::int64_t>(-(std::int64_t{1} << 45), std::int64_t{1} << 45);
  if (uPick % 3 == 1) n = kLast32 + n % 200000;
  if (uPick % 3 == 2) n = static_cast<int>(n);
  const cd::xCivilDate xDate = cd::mCivilFromDayNumber(n);
  if (!mSameDate(xDate, cd::mCivilFromDayNumberWide(n))) {
    mFail("32-bit and 64-bit dates differ", "day number " + std::to_string(n));
  }
  if (cd::mDayNumberFromCivil(xDate.iYear, xDate.iMonth, xDate.iDay) != n) {
    mFail("date does not convert back", "day number " + std::to_string(n));
  }
  const auto y = fdp.ConsumeIntegral<int>();
  const auto m = fdp.ConsumeIntegral<int>() % ((uPick & 8) != 0 ? 100000 : 14);
  const auto d = fdp.ConsumeIntegral<int>();
  if (cd::mDayNumberFromCivil(y, m, d) != cd::mDayNumberFromCivilWide(y, m, d)) {
    mFail("32-bit and 64-bit day numbers differ",
          std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d));
  }
  const double t = fdp.ConsumeFloatingPoint<double>();
  const cd::xDaySplit xSplit = cd::mSplitCorvaneTime(t);
  if (!(xSplit.dTimeOfDay >= 0.0 && xSplit.dTimeOfDay < cd::kMsPerDayD) ||
      std::signbit(xSplit.dTimeOfDay)) {
    char sz[64];
    std::snprintf(sz, sizeof sz, "%.17g", t);
    mFail("time of day out of range", sz);
  }
  return 0;
}
