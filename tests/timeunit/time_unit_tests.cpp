// The unit catalogue: codes and combination tests, factor lists, and the
// validators of an axis definition with the message number of each failure.

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "CmTimeUnit.h"
#include "CvnMessaging.h"
#include "support/assert_capture.h"

using Ints = std::vector<int>;

namespace {

CmTimeUnit& U() { return *CmTimeUnit::mInstance(); }

const Ints kMin = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60}, kHour = {1, 2, 3, 4, 6, 8, 12, 24},
           kDay = {1, 2, 3, 5, 6, 10, 15, 30}, kMonth = {1, 2, 3, 4, 6, 12}, kQuarter = {1, 2, 4};

// The lists one after another, each factor times m.
Ints Join(std::initializer_list<Ints> lists, int m = 1) {
  Ints out;
  for (const Ints& l : lists) {
    for (int v : l) out.push_back(v * m);
  }
  return out;
}

// Message numbers by unit; kNo: no message, or the message left as it was.
enum { kNo = 0, kD = 50225, kMo, kY, kS, kMi, kH, kQ, kIdx };
std::wstring Msg(int id, const wchar_t* none) { return id ? CmString(id).str() : none; }

TEST(TimeUnitCatalogue, CodesAndCombinations) {
  EXPECT_EQ(&U(), CmTimeUnit::mInstance());
  const Ints kCodes = {1, 2, 3, 4, 6, 7, 8, 12, 14, 16, 24, 32, 48, 64, 80, 88, 96, 112, 128};
  const CmTimeUnit& u = U();
  // clang-format off
  EXPECT_EQ((Ints{u.mSecond(), u.mMinute(), u.mMinuteSecond(), u.mHour(), u.mHourMinute(),
                  u.mHourMinuteSecond(), u.mDay(), u.mDayHour(), u.mDayHourMinute(), u.mMonth(),
                  u.mDayMonth(), u.mQuarter(), u.mMonthQuarter(), u.mYear(), u.mMonthYear(),
                  u.mDayMonthYear(), u.mQuarterYear(), u.mMonthQuarterYear(), u.mGetIndex()}),
            kCodes);
  // clang-format on
  // mFind: 128 yes, 5 (second + hour) no; the index is no calendar-clock
  // combination; 12 (day + hour) is a clock combination, 24 is not.
  const std::set<int> kAll(kCodes.begin(), kCodes.end()), kClock = {1, 2, 3, 4, 6, 7, 12, 14};
  for (int code = -300; code <= 600; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(u.mFind(code), kAll.count(code) == 1);
    EXPECT_EQ(u.mValidCalenderClockCombination(code), kAll.count(code) == 1 && code != 128);
    EXPECT_EQ(u.mValidClockCombination(code), kClock.count(code) == 1);
  }
  EXPECT_FALSE(u.mFind(INT_MIN) || u.mFind(INT_MAX) || u.mValidClockCombination(INT_MAX));
}

TEST(TimeUnitFactors, ByPartAndByCode) {
  // By part kind -1..16; kinds without a list (tenths, values outside the
  // enumeration) append nothing, report line 795 and still give true.
  const Ints kYearPart = {1, 2, 5, 10, 25, 50, 100}, kWeek = {1, 2, 4, 13, 26},
             kHundredth = {1, 2, 4, 5, 10, 20, 25, 50},
             kThousandth = {1, 2, 4, 5, 8, 10, 20, 25, 40, 50, 100, 125, 200, 250, 500};
  const Ints kByPart[] = {{},     {},     kYearPart,  kQuarter, kQuarter,    kMonth,
                          kMonth, kMonth, kWeek,      kWeek,    kDay,        kHour,
                          kMin,   kMin,   kHundredth, {},       kThousandth, {}};
  for (int part = -1; part <= 16; ++part) {
    const cvn::test::AssertCapture xReports;
    Ints out = {7};
    EXPECT_TRUE(U().mGetTimeUnitFactors(static_cast<xTimePartsEnum>(part), out, 5));
    EXPECT_EQ(out, Join({{7}, Join({kByPart[part + 1]}, 5)})) << part;
    EXPECT_EQ(cvn::test::AssertCapture::mReports(),
              std::vector<std::string>(kByPart[part + 1].empty(), "false time 795"));
  }
  Ints out;  // a second call appends
  U().mGetTimeUnitFactors(xDay, out, 2);
  U().mGetTimeUnitFactors(xDay, out, 2);
  EXPECT_EQ(out, Join({{2, 4, 6, 10, 12, 20, 30, 60, 2, 4, 6, 10, 12, 20, 30, 60}}));
  // By code, in the order second to year: code 3 gives the minute list
  // twice; the index and unknown bits add nothing.
  const struct {
    int iCode;
    Ints vList;
  } kByCode[] = {{3, Join({kMin, kMin})},
                 {88, Join({kDay, kMonth, {1}})},
                 {128, {}},
                 {255, Join({kMin, kMin, kHour, kDay, kMonth, kQuarter, {1}})},
                 {256, {}}};
  for (const auto& row : kByCode) {
    out = {-5};
    U().mGetTimeUnitFactors(row.iCode, out, 3);
    EXPECT_EQ(out, Join({{-5}, Join({row.vList}, 3)})) << row.iCode;
  }
  // Products beyond the int range saturate.
  out.clear();
  U().mGetTimeUnitFactors(xHour, out, 100000000);
  EXPECT_EQ(out[6], 1200000000);
  EXPECT_EQ(out[7], INT_MAX);
}

TEST(TimeUnitValidators, EachUnitAlone) {
  // The checks tell message numbers apart by their texts.
  std::set<std::wstring> texts;
  for (int id = kD; id <= kIdx; ++id) texts.insert(Msg(id, L""));
  EXPECT_EQ(texts.size(), 8u);
  EXPECT_EQ(texts.count(L""), 0u);
  // Tick values and tick starts: both sides of both ends (negative clock
  // values fail as unsigned); increment -1 and tick increment 7 (by 1) fail
  // for every unit but the year.
  const struct {
    int iCode, iLow, iHigh, iMsg;
  } kRanges[] = {{1, 0, 59, kS},   {2, 0, 59, kMi}, {4, 0, 23, kH},      {8, 1, 31, kD},
                 {16, 1, 12, kMo}, {32, 1, 4, kQ},  {64, 1000, 4000, kY}};
  for (const auto& r : kRanges) {
    const bool bYear = r.iCode == 64;
    CmString sInc(L"stale"), sTick(L"stale");
    EXPECT_EQ(U().mValidateIncrement(-1, r.iCode, sInc), bYear);
    EXPECT_EQ(U().mValidateTickIncrement(7, 1, r.iCode, sTick), bYear);
    EXPECT_EQ(sInc.str(), Msg(bYear ? kNo : r.iMsg, L"stale")) << r.iCode;
    EXPECT_EQ(sTick.str(), Msg(bYear ? kNo : r.iMsg, L"stale")) << r.iCode;
    for (int v : {r.iLow - 1, r.iLow, r.iHigh, r.iHigh + 1, INT_MIN, INT_MAX}) {
      SCOPED_TRACE(testing::Message() << v << " in " << r.iCode);
      const bool bValid = v >= r.iLow && v <= r.iHigh;
      const Ints vValues = {v};
      CmString sUnits(L"stale"), sStart(L"stale");
      bool bMismatch = true;
      EXPECT_EQ(U().mValidateUnits(r.iCode, &vValues, &bMismatch, sUnits), bValid);
      EXPECT_EQ(U().mValidateTickStart(v, r.iCode, sStart), bValid);
      EXPECT_EQ(sUnits.str(), Msg(bValid ? kNo : r.iMsg, L""));
      EXPECT_EQ(sStart.str(), Msg(bValid ? kNo : r.iMsg, L"stale"));
      EXPECT_FALSE(bMismatch);
    }
  }
}

TEST(TimeUnitValidators, Combinations) {
  // 'U' mValidateUnits(code, v) ('M': and the quarter-mismatch flag is set;
  // 'N': with no vector), 'I' mValidateIncrement(a, code), 'T'
  // mValidateTickIncrement(a, b, code), 'S' mValidateTickStart(a, code).
  const struct {
    char cOp;
    int a, b, iCode;
    Ints v;
    bool bValid;
    int iMsg;
  } kRows[] = {
      {'U', 0, 0, 88, {29, 2, 2001}, false, kD},         // 29 February of a common year
      {'U', 0, 0, 88, {29, 2, 2000}, true, kNo},         // of a leap year
      {'U', 0, 0, 88, {31, 4, 2000}, false, kD},         // 31 April, at the month check
      {'M', 0, 0, 112, {5, 1, 2000}, false, kQ},         // May is not in quarter 1
      {'U', 0, 0, 112, {5, 5, 2000}, false, kQ},         // quarter 5
      {'U', 0, 0, 7, {1, 2, 3, 23, 59, 60}, false, kS},  // read from the end: 60 is a second
      {'U', 0, 0, 24, {29, 2}, true, kNo},               // no year: the leap-year table
      {'U', 0, 0, 24, {30, 2}, false, kD},
      {'U', 0, 0, 88, {29, 2, 1900}, false, kD},                // 1900 is no leap year
      {'U', 0, 0, 88, {32, 13, 5000}, false, kD},               // the day is checked first
      {'U', 0, 0, 12, {31, 23}, true, kNo},                     // day + hour lists the hour first
      {'U', 0, 0, 7, {24, 0, 0, 0, 0, 0}, false, kH},           // the first tick is read last
      {'U', 0, 0, 88, {1, 1, 2000, 31, 13, 1999}, false, kMo},  // the second tick's month
      {'U', 0, 0, 88, {1, 1, 2000, 31}, true, kNo},             // a partial tick is not read
      {'U', 0, 0, 136, {5, 40, 7, 8}, false, kD},  // day + index: the index reads nothing
      {'I', 1000, 0, 255, {}, true, kNo},
      {'I', -1, 0, 7, {}, false, kH},    // every unit is checked: the last failure's message
      {'I', -1, 0, 88, {}, false, kMo},  // the year passes after the month failed
      {'I', -7, 0, 128, {}, true, kNo},  // the index is not checked
      {'T', 120, 1, 2, {}, true, kNo},   // a multiple of the last factor, 60
      {'T', 180, 3, 2, {}, true, kNo},   // of 3 x 60
      {'T', 10, 4, 128, {}, false, kIdx},
      {'T', 8, 4, 128, {}, true, kNo},
      {'T', 4, 1, 24, {}, true, kD},       // the day fails, the month passes: the last result
      {'T', 6, 4, 136, {}, false, kIdx},   // the index check comes last and overrides
      {'S', 2000, 0, 24, {}, false, kMo},  // every unit is checked: the last failure's message
      // Inputs without a defined result: the choices made.
      {'U', 0, 0, 0, {1, 2, 3}, false, kNo},  // no unit bit: refused, no message
      {'N', 0, 0, 8, {}, false, kNo},         // no vector: likewise
      {'U', 0, 0, -1, {1, 2, 3}, true, kNo},  // 32 bits: three values make no tick
      {'T', 5, 0, 128, {}, false, kIdx},      // index, increment 0: no multiples
      {'T', 0, 0, 2, {}, true, kNo},          // increment 0: candidates 0, members only
      {'T', 5, 0, 2, {}, false, kMi},
      {'T', INT_MAX, 1 << 30, 2, {}, false, kMi},  // exact products: 2^31 is not INT_MAX
      {'T', INT_MIN, -1, 128, {}, true, kNo},      // INT_MIN % -1 does not trap
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.cOp << " " << row.a << " " << row.b << " " << row.iCode
                                    << " " << testing::PrintToString(row.v));
    CmString sMsg(L"stale");
    bool bMismatch = row.cOp == 'U';  // must be written
    const bool bUnits = row.cOp == 'U' || row.cOp == 'M' || row.cOp == 'N';
    const Ints* pValues = row.cOp == 'N' ? nullptr : &row.v;
    const bool bValid = bUnits           ? U().mValidateUnits(row.iCode, pValues, &bMismatch, sMsg)
                        : row.cOp == 'I' ? U().mValidateIncrement(row.a, row.iCode, sMsg)
                        : row.cOp == 'T' ? U().mValidateTickIncrement(row.a, row.b, row.iCode, sMsg)
                                         : U().mValidateTickStart(row.a, row.iCode, sMsg);
    EXPECT_EQ(bValid, row.bValid);
    EXPECT_EQ(sMsg.str(), Msg(row.iMsg, bUnits ? L"" : L"stale"));
    EXPECT_EQ(bMismatch, row.cOp == 'M');
  }
}

}  // namespace
