// The unit catalogue's tables: factor lists of allowed increments, the unit
// codes, and the factor-list operations of CmTimeUnit that read them.

#include <climits>
#include <cstdint>

#include "CmTimeUnit.h"
#include "CvnMessaging.h"
#include "time/report_sites.h"
#include "timeunit/time_unit_detail.h"

namespace cvn::detail {
namespace {

constexpr int kMinuteFactors[] = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};
constexpr int kHourFactors[] = {1, 2, 3, 4, 6, 8, 12, 24};
constexpr int kDayFactors[] = {1, 2, 3, 5, 6, 10, 15, 30};
constexpr int kYMonthFactors[] = {1, 2, 3, 4, 6, 12};
constexpr int kQuarterFactors[] = {1, 2, 4};
constexpr int kYearFactors[] = {1};

constexpr int kYearPartFactors[] = {1, 2, 5, 10, 25, 50, 100};
constexpr int kWeekPartFactors[] = {1, 2, 4, 13, 26};
constexpr int kHundredthPartFactors[] = {1, 2, 4, 5, 10, 20, 25, 50};
constexpr int kThousandthPartFactors[] = {1,  2,  4,   5,   8,   10,  20, 25,
                                          40, 50, 100, 125, 200, 250, 500};

// second, minute + second, hour + minute + second, minute, hour + minute,
// day + hour + minute, hour, day + hour, day, day + month, day + month + year,
// month, month + quarter, month + year, month + quarter + year, quarter,
// quarter + year, year, index.
constexpr int kUnitCodes[] = {1,  3,  7,  2,  6,   14, 4,  12, 8,  24,
                              88, 16, 48, 80, 112, 32, 96, 64, 128};

template <int N>
constexpr xIntTable mTable(const int (&values)[N]) {
  return xIntTable{values, N};
}

}  // namespace

const xIntTable kMinuteFactorTable = mTable(kMinuteFactors);
const xIntTable kHourFactorTable = mTable(kHourFactors);
const xIntTable kDayFactorTable = mTable(kDayFactors);
const xIntTable kYMonthFactorTable = mTable(kYMonthFactors);
const xIntTable kQuarterFactorTable = mTable(kQuarterFactors);
const xIntTable kYearFactorTable = mTable(kYearFactors);
const xIntTable kYearPartFactorTable = mTable(kYearPartFactors);
const xIntTable kWeekPartFactorTable = mTable(kWeekPartFactors);
const xIntTable kHundredthPartFactorTable = mTable(kHundredthPartFactors);
const xIntTable kThousandthPartFactorTable = mTable(kThousandthPartFactors);
const xIntTable kUnitCodeInsertOrder = mTable(kUnitCodes);

int mSaturatedProduct(int a, int b) {
  const std::int64_t llProduct = static_cast<std::int64_t>(a) * b;  // |.| < 2^62
  if (llProduct > INT_MAX) return INT_MAX;
  if (llProduct < INT_MIN) return INT_MIN;
  return static_cast<int>(llProduct);
}

void mAppendFactors(const xIntTable& table, int multiplier, std::vector<int>& out) {
  for (int i = 0; i < table.iCount; ++i) {
    out.push_back(mSaturatedProduct(table.piValues[i], multiplier));
  }
}

void mAppendExactFactors(const xIntTable& table, int multiplier, std::vector<std::int64_t>& out) {
  for (int i = 0; i < table.iCount; ++i) {
    out.push_back(static_cast<std::int64_t>(table.piValues[i]) * multiplier);  // |.| < 2^40
  }
}

bool mIsTickIncrement(std::int64_t tick, const std::vector<std::int64_t>& candidates) {
  for (std::int64_t iCandidate : candidates) {
    if (iCandidate == tick) return true;
  }
  if (candidates.empty() || candidates.back() == 0) return false;
  return tick % candidates.back() == 0;  // |operands| < 2^40: no overflow
}

int mCountUnitBits(int code) {
  unsigned uBits = static_cast<unsigned>(code);
  int iCount = 0;
  while (uBits != 0) {
    uBits &= uBits - 1;  // clears the lowest set bit
    ++iCount;
  }
  return iCount;
}

bool mIsMultipleOf(int value, int divisor) {
  if (divisor == 0) return false;
  return static_cast<std::int64_t>(value) % static_cast<std::int64_t>(divisor) == 0;
}

}  // namespace cvn::detail

using cvn::detail::mAppendFactors;

// The second and minute lists are one list under two names.
void CmTimeUnit::mGetSecondFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kMinuteFactorTable, multiplier, out);
}

void CmTimeUnit::mGetMinuteFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kMinuteFactorTable, multiplier, out);
}

void CmTimeUnit::mGetHourFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kHourFactorTable, multiplier, out);
}

void CmTimeUnit::mGetDayFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kDayFactorTable, multiplier, out);
}

void CmTimeUnit::mGetYMonthFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kYMonthFactorTable, multiplier, out);
}

// The quarter list doubles as the list of months within a quarter.
void CmTimeUnit::mGetQuarterFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kQuarterFactorTable, multiplier, out);
}

void CmTimeUnit::mGetQMonthFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kQuarterFactorTable, multiplier, out);
}

void CmTimeUnit::mGetYearFactors(std::vector<int>& out, int multiplier) const {
  mAppendFactors(cvn::detail::kYearFactorTable, multiplier, out);
}

bool CmTimeUnit::mGetTimeUnitFactors(xTimePartsEnum part, std::vector<int>& out,
                                     int multiplier) const {
  switch (part) {
    case xYear: mAppendFactors(cvn::detail::kYearPartFactorTable, multiplier, out); break;
    case xQuarterLabelFirst:
    case xQuarterNumberFirst: mGetQuarterFactors(out, multiplier); break;
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName: mGetYMonthFactors(out, multiplier); break;
    case xWeekLabelFirst:
    case xWeekNumberFirst:
      mAppendFactors(cvn::detail::kWeekPartFactorTable, multiplier, out);
      break;
    case xDay: mGetDayFactors(out, multiplier); break;
    case xHour: mGetHourFactors(out, multiplier); break;
    case xMinute:
    case xSecond: mGetMinuteFactors(out, multiplier); break;
    case xHundredth: mAppendFactors(cvn::detail::kHundredthPartFactorTable, multiplier, out); break;
    case xThousandth:
      mAppendFactors(cvn::detail::kThousandthPartFactorTable, multiplier, out);
      break;
    default:
      // xTenth and values outside the enumeration have no list.
      cvn::detail::mReport(cvn::detail::kReportNoFactors);
      break;
  }
  return true;
}

void CmTimeUnit::mGetTimeUnitFactors(int code, std::vector<int>& out, int multiplier) const {
  const unsigned uCode = static_cast<unsigned>(code);
  if (uCode & static_cast<unsigned>(mSecond())) mGetMinuteFactors(out, multiplier);
  if (uCode & static_cast<unsigned>(mMinute())) mGetMinuteFactors(out, multiplier);
  if (uCode & static_cast<unsigned>(mHour())) mGetHourFactors(out, multiplier);
  if (uCode & static_cast<unsigned>(mDay())) mGetDayFactors(out, multiplier);
  if (uCode & static_cast<unsigned>(mMonth())) mGetYMonthFactors(out, multiplier);
  if (uCode & static_cast<unsigned>(mQuarter())) mGetQuarterFactors(out, multiplier);
  if (uCode & static_cast<unsigned>(mYear())) mGetYearFactors(out, multiplier);
  // The index unit has no list.
}
