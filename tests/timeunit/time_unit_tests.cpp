// The unit catalogue: codes and combination tests, factor lists, the
// validators of an axis definition with the message number of each
// failure, and the step limit of the unit arithmetic.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "CmTimeUnit.h"
#include "CvnBasicTypes.h"
#include "support/assert_capture.h"

using Ints = std::vector<int>;

namespace {

CmTimeUnit& U() { return *CmTimeUnit::mInstance(); }

const Ints kMin = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60}, kHour = {1, 2, 3, 4, 6, 8, 12, 24},
           kDay = {1, 2, 3, 5, 6, 10, 15, 30}, kMonth = {1, 2, 3, 4, 6, 12}, kQuarter = {1, 2, 4};

// The lists one after another, each factor times m.
Ints Join(std::initializer_list<Ints> lists, int m = 1) {
  Ints out;
  for (const Ints& l : lists)
    for (int v : l) out.push_back(v * m);
  return out;
}

// Message numbers by unit; kNo: no message, or the message left as it was.
enum { kNo = 0, kD = 50225, kMo, kY, kS, kMi, kH, kQ, kIdx };
std::wstring Msg(int id, const wchar_t* none) { return id ? CmString(id).str() : none; }

// mFind: 128 yes, 5 (second + hour) no; the index is no calendar-clock
// combination; 12 (day + hour) is a clock combination, 24 is not.
TEST(TimeUnitCatalogue, CodesAndCombinations) {
  const Ints kCodes = {1, 2, 3, 4, 6, 7, 8, 12, 14, 16, 24, 32, 48, 64, 80, 88, 96, 112, 128};
  const CmTimeUnit& u = U();
  // clang-format off
  EXPECT_EQ((Ints{u.mSecond(), u.mMinute(), u.mMinuteSecond(), u.mHour(), u.mHourMinute(),
                  u.mHourMinuteSecond(), u.mDay(), u.mDayHour(), u.mDayHourMinute(), u.mMonth(),
                  u.mDayMonth(), u.mQuarter(), u.mMonthQuarter(), u.mYear(), u.mMonthYear(),
                  u.mDayMonthYear(), u.mQuarterYear(), u.mMonthQuarterYear(), u.mGetIndex()}),
            kCodes);
  // clang-format on
  const std::set<int> kAll(kCodes.begin(), kCodes.end()), kClock = {1, 2, 3, 4, 6, 7, 12, 14};
  for (int code = -300; code <= 600; ++code) {
    EXPECT_TRUE(u.mFind(code) == (kAll.count(code) == 1) &&
                u.mValidCalenderClockCombination(code) == (kAll.count(code) == 1 && code != 128) &&
                u.mValidClockCombination(code) == (kClock.count(code) == 1))
        << code;
  }
  EXPECT_FALSE(u.mFind(INT_MIN) || u.mFind(INT_MAX) || u.mValidClockCombination(INT_MAX));
}

// By part kind -1..16; kinds without a list (tenths, values outside the
// enumeration) append nothing, report line 795 and still give true. By
// code, in the order second to year: code 3 gives the minute list twice;
// the index and unknown bits add nothing. Products beyond the int range
// saturate.
TEST(TimeUnitFactors, ByPartAndByCode) {
  const Ints kYearPart = {1, 2, 5, 10, 25, 50, 100}, kWeek = {1, 2, 4, 13, 26},
             kHundredth = {1, 2, 4, 5, 10, 20, 25, 50},
             kThousandth = {1, 2, 4, 5, 8, 10, 20, 25, 40, 50, 100, 125, 200, 250, 500};
  // clang-format off
  const Ints kByPart[] = {{}, {}, kYearPart, kQuarter, kQuarter, kMonth, kMonth, kMonth, kWeek,
                          kWeek, kDay, kHour, kMin, kMin, kHundredth, {}, kThousandth, {}};
  // clang-format on
  for (int part = -1; part <= 16; ++part) {
    const cvn::test::AssertCapture xReports;
    Ints out = {7};
    EXPECT_TRUE(U().mGetTimeUnitFactors(static_cast<xTimePartsEnum>(part), out, 5));
    EXPECT_EQ(out, Join({{7}, Join({kByPart[part + 1]}, 5)})) << part;
    EXPECT_EQ(cvn::test::AssertCapture::mReports(),
              std::vector<std::string>(kByPart[part + 1].empty(), "false time 795"));
  }
  // clang-format off
  const std::pair<int, Ints> kByCode[] = {
      {3, Join({kMin, kMin})}, {88, Join({kDay, kMonth, {1}})}, {128, {}}, {256, {}},
      {255, Join({kMin, kMin, kHour, kDay, kMonth, kQuarter, {1}})}};
  // clang-format on
  for (const auto& [iCode, vList] : kByCode) {
    Ints out = {-5};
    U().mGetTimeUnitFactors(iCode, out, 3);
    EXPECT_EQ(out, Join({{-5}, Join({vList}, 3)})) << iCode;
  }
  Ints out;
  U().mGetTimeUnitFactors(xHour, out, 100000000);
  EXPECT_TRUE(out[6] == 1200000000 && out[7] == INT_MAX);
}

// Tick values and tick starts: both sides of both ends (negative clock
// values fail as unsigned); increment -1 and tick increment 7 (by 1) fail
// for every unit but the year.
TEST(TimeUnitValidators, EachUnitAloneAndCombinations) {
  // clang-format off
  const std::array<int, 4> kRanges[] = {  // code, lowest, highest, message
      {1, 0, 59, kS}, {2, 0, 59, kMi}, {4, 0, 23, kH}, {8, 1, 31, kD}, {16, 1, 12, kMo},
      {32, 1, 4, kQ}, {64, 1000, 4000, kY}};
  // clang-format on
  for (const auto& [iCode, iLow, iHigh, iMsg] : kRanges) {
    const bool bYear = iCode == 64;
    CmString sInc(L"stale"), sTick(L"stale");
    EXPECT_TRUE(U().mValidateIncrement(-1, iCode, sInc) == bYear &&
                U().mValidateTickIncrement(7, 1, iCode, sTick) == bYear && sInc == sTick &&
                sInc.str() == Msg(bYear ? kNo : iMsg, L"stale"))
        << iCode;
    for (int v : {iLow - 1, iLow, iHigh, iHigh + 1, INT_MIN, INT_MAX}) {
      const bool bValid = v >= iLow && v <= iHigh;
      const Ints vValues = {v};
      CmString sUnits(L"stale"), sStart(L"stale");
      bool bMismatch = true;
      EXPECT_TRUE(U().mValidateUnits(iCode, &vValues, &bMismatch, sUnits) == bValid &&
                  U().mValidateTickStart(v, iCode, sStart) == bValid && !bMismatch &&
                  sUnits.str() == Msg(bValid ? kNo : iMsg, L"") &&
                  sStart.str() == Msg(bValid ? kNo : iMsg, L"stale"))
          << v << " in " << iCode;
    }
  }
  // Then combinations: 'U' mValidateUnits(code, v) ('M': and the
  // quarter-mismatch flag is set; 'N': with no vector), 'I'
  // mValidateIncrement(a, code), 'T' mValidateTickIncrement(a, b, code),
  // 'S' mValidateTickStart(a, code).
  // clang-format off
  const std::tuple<char, int, int, int, Ints, bool, int> kRows[] = {
      // 29 February of a common year and of a leap year; 31 April, at the
      // month check; May is not in quarter 1; quarter 5; read from the end:
      // 60 is a second; no year: the leap-year table; the day is checked
      // first; day + hour lists the hour first; the first tick is read
      // last; the second tick's month; a partial tick is not read; day +
      // index: the index reads nothing.
      {'U', 0, 0, 88, {29, 2, 2001}, false, kD}, {'U', 0, 0, 88, {29, 2, 2000}, true, kNo},
      {'U', 0, 0, 88, {29, 2, 1900}, false, kD}, {'U', 0, 0, 88, {31, 4, 2000}, false, kD},
      {'M', 0, 0, 112, {5, 1, 2000}, false, kQ}, {'U', 0, 0, 112, {5, 5, 2000}, false, kQ},
      {'U', 0, 0, 7, {1, 2, 3, 23, 59, 60}, false, kS}, {'U', 0, 0, 24, {29, 2}, true, kNo},
      {'U', 0, 0, 24, {30, 2}, false, kD}, {'U', 0, 0, 88, {32, 13, 5000}, false, kD},
      {'U', 0, 0, 12, {31, 23}, true, kNo}, {'U', 0, 0, 7, {24, 0, 0, 0, 0, 0}, false, kH},
      {'U', 0, 0, 88, {1, 1, 2000, 31, 13, 1999}, false, kMo},
      {'U', 0, 0, 88, {1, 1, 2000, 31}, true, kNo}, {'U', 0, 0, 136, {5, 40, 7, 8}, false, kD},
      // Every unit is checked, the last failure's message stays (the year
      // passes after the month failed); the index is not checked.
      {'I', 1000, 0, 255, {}, true, kNo}, {'I', -1, 0, 7, {}, false, kH},
      {'I', -1, 0, 88, {}, false, kMo}, {'I', -7, 0, 128, {}, true, kNo},
      {'S', 2000, 0, 24, {}, false, kMo},
      // A multiple of the last factor, 60, or of 3 x 60; the index; the day
      // fails, the month passes: the last result; the index check comes
      // last and overrides.
      {'T', 120, 1, 2, {}, true, kNo}, {'T', 180, 3, 2, {}, true, kNo},
      {'T', 10, 4, 128, {}, false, kIdx}, {'T', 8, 4, 128, {}, true, kNo},
      {'T', 4, 1, 24, {}, true, kD}, {'T', 6, 4, 136, {}, false, kIdx},
      // Inputs without a defined result, the choices made: no unit bit or
      // no vector is refused without a message; 32 bits: three values make
      // no tick; increment 0 has no multiples but the members; exact
      // products (2^31 is not INT_MAX); INT_MIN % -1 does not trap.
      {'U', 0, 0, 0, {1, 2, 3}, false, kNo}, {'N', 0, 0, 8, {}, false, kNo},
      {'U', 0, 0, -1, {1, 2, 3}, true, kNo}, {'T', 5, 0, 128, {}, false, kIdx},
      {'T', 0, 0, 2, {}, true, kNo}, {'T', 5, 0, 2, {}, false, kMi},
      {'T', INT_MAX, 1 << 30, 2, {}, false, kMi}, {'T', INT_MIN, -1, 128, {}, true, kNo}};
  // clang-format on
  for (const auto& [cOp, a, b, iCode, v, bValid, iMsg] : kRows) {
    CmString sMsg(L"stale");
    bool bMismatch = cOp == 'U';  // must be written
    const bool bUnits = cOp == 'U' || cOp == 'M' || cOp == 'N';
    const bool bResult =
        bUnits       ? U().mValidateUnits(iCode, cOp == 'N' ? nullptr : &v, &bMismatch, sMsg)
        : cOp == 'I' ? U().mValidateIncrement(a, iCode, sMsg)
        : cOp == 'T' ? U().mValidateTickIncrement(a, b, iCode, sMsg)
                     : U().mValidateTickStart(a, iCode, sMsg);
    EXPECT_TRUE(bResult == bValid && sMsg.str() == Msg(iMsg, bUnits ? L"" : L"stale") &&
                bMismatch == (cOp == 'M'))
        << cOp << " " << a << " " << b << " " << iCode << " " << testing::PrintToString(v);
  }
}

// A step of clock units may cross the whole scale (1 January 0001 to
// 31 December 9999) but no further: 72,000,000 hours (3,000,000 days)
// after 1 January 0001 is still a time; so is the whole scale in hours,
// minutes and milliseconds, backwards too; one day more is not.
TEST(UnitStepLimit, ClockStepsAcrossTheScale) {
  const CmTimeCls o;
  constexpr double k0001 = -693593.0, k9999 = 2958465.0, kNo = CmCVNConst::kMissingValueCode;
  // clang-format off
  const std::tuple<double, xTimePartsEnum, double, double> kRows[] = {
      {72000000.0, xHour, k0001, k0001 + 3000000.0}, {-72000000.0, xHour, k0001 + 3000000.0, k0001},
      {87649392.0, xHour, k0001, k9999}, {87649392.0 * 60.0, xMinute, k0001, k9999},
      {-87649392.0 * 3600000.0, xThousandth, k9999, k0001}, {87649392.0 + 24.0, xHour, k0001, kNo},
      {-24.0, xHour, k0001, kNo}, {1e12, xHour, 0.0, kNo}};
  // clang-format on
  for (const auto& [dCount, eUnit, dStart, dExpected] : kRows) {
    double dResult = 0.0;
    o.mNormToCorvaneTime(dCount, eUnit, dStart, &dResult);
    EXPECT_EQ(dResult, dExpected) << dCount << " of unit " << eUnit;
  }
}

}  // namespace
