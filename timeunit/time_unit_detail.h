// Private helpers of the unit catalogue: the fixed factor lists, the unit
// codes in insertion order, the message numbers, and overflow-free integer
// helpers the validators share.
#pragma once

#include <cstdint>
#include <vector>

namespace cvn::detail {

// A fixed list of ints defined in time_unit_tables.cpp.
struct xIntTable {
  const int* piValues;
  int iCount;
};

// Factor lists of the base units (allowed increments for multiplier 1).
extern const xIntTable kMinuteFactorTable;   // seconds and minutes: 1..60
extern const xIntTable kHourFactorTable;     // 1..24
extern const xIntTable kDayFactorTable;      // 1..30
extern const xIntTable kYMonthFactorTable;   // months of a year: 1..12
extern const xIntTable kQuarterFactorTable;  // quarters (and months of a quarter): 1, 2, 4
extern const xIntTable kYearFactorTable;     // 1

// Factor lists that only the format-part lookup hands out.
extern const xIntTable kYearPartFactorTable;        // 1..100 years
extern const xIntTable kWeekPartFactorTable;        // 1..26 weeks
extern const xIntTable kHundredthPartFactorTable;   // 1..50 hundredths
extern const xIntTable kThousandthPartFactorTable;  // 1..500 thousandths

// The 19 unit codes in the order the catalogue inserts them.
extern const xIntTable kUnitCodeInsertOrder;

// String-resource numbers of the validators' messages, by offending unit.
constexpr int kMsgDay = 50225;
constexpr int kMsgMonth = 50226;
constexpr int kMsgYear = 50227;
constexpr int kMsgSecond = 50228;
constexpr int kMsgMinute = 50229;
constexpr int kMsgHour = 50230;
constexpr int kMsgQuarter = 50231;
constexpr int kMsgIndex = 50232;  // tick increment not a multiple of the increment

// a * b, saturated to the int range instead of overflowing.
int mSaturatedProduct(int a, int b);

// Appends every value of table times multiplier (saturated) to out.
void mAppendFactors(const xIntTable& table, int multiplier, std::vector<int>& out);

// Appends every value of table times multiplier to out, exactly (64 bits):
// the validators compare against the true products, which a saturated int
// could equal by accident.
void mAppendExactFactors(const xIntTable& table, int multiplier, std::vector<std::int64_t>& out);

// True when tick equals a candidate, or else is a whole multiple of the last
// candidate. No candidates, or a last candidate of 0, admit nothing more.
bool mIsTickIncrement(std::int64_t tick, const std::vector<std::int64_t>& candidates);

// Number of bits set in code, taken as a 32-bit set. [0, 32]
int mCountUnitBits(int code);

// True when value is a whole multiple of divisor. A divisor of 0 has no
// multiples here (false), so no caller ever divides by zero; computed in
// 64 bits so INT_MIN % -1 cannot trap.
bool mIsMultipleOf(int value, int divisor);

}  // namespace cvn::detail
