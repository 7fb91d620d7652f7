// The unit in which a column of times varies, bounded by a packed format.

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <vector>

#include "scale/scale_access.h"

namespace {

using cvn::test::Missing;
using cvn::test::RefTime;
using Access = CmTimeClsTestAccess;
using Part = CmTimeCls::xTimePartsStruct;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Packed words of a 24-hour format: the parts' kinds and counts follow each
// other in 4-bit fields from bit 4 of word 0 on into word 1; word 2 holds
// the separators.
std::vector<unsigned> Packed(std::initializer_list<Part> parts, wchar_t dateSep = L'/',
                             wchar_t timeSep = L':') {
  std::vector<unsigned> words(4, 0u);
  auto put = [&words](int bit, unsigned value) {
    words[static_cast<size_t>(bit / 32)] |= (value & 0xFu) << (bit % 32);
  };
  words[0] = static_cast<unsigned>(parts.size()) | 0x8u;  // count, 24-hour
  int i = 0;
  for (const Part& p : parts) {
    put(4 + 8 * i, static_cast<unsigned>(p.ePart));
    put(8 + 8 * i, static_cast<unsigned>(p.iCount));
    ++i;
  }
  words[2] = static_cast<unsigned>(dateSep) | (static_cast<unsigned>(timeSep) << 16);
  return words;
}

const std::vector<unsigned> kDayMonthYear = Packed({{xDay, 1}, {xMonthNumber, 1}, {xYear, 4}});
const std::vector<unsigned> kMonthYear = Packed({{xMonthNumber, 1}, {xYear, 4}});
const std::vector<unsigned> kDateHourMinute =
    Packed({{xDay, 1}, {xMonthNumber, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}});
const std::vector<unsigned> kDateTimeMs = Packed({{xDay, 1},
                                                  {xMonthNumber, 1},
                                                  {xYear, 4},
                                                  {xHour, 1},
                                                  {xMinute, 2},
                                                  {xSecond, 2},
                                                  {xThousandth, 3}});

struct ColumnRow {
  std::vector<double> times;
  const std::vector<unsigned>* pFormat;
  xTimePartsEnum eUnit;
  double dMinimum;
  double dSpan;
  const char* pNote;
};

class UnitOfTime : public testing::Test {
 protected:
  void Check(const ColumnRow& row) {
    SCOPED_TRACE(row.pNote);
    double dMinimum = -1.0, dSpan = -1.0;
    cvn::test::ScaleAssertRecorder recorder;
    EXPECT_EQ(m_time.mFindUnitOfTime(row.times.data(), static_cast<int>(row.times.size()),
                                     *row.pFormat, &dMinimum, &dSpan),
              row.eUnit);
    EXPECT_DOUBLE_EQ(dMinimum, row.dMinimum);
    EXPECT_DOUBLE_EQ(dSpan, row.dSpan);
    EXPECT_TRUE(recorder.mGet().empty());
  }
  CmTimeCls m_time;
};

TEST_F(UnitOfTime, LoadsTheFormat) {
  double dMinimum = 0, dSpan = 0;
  const double times[] = {RefTime(2001, 1, 1), RefTime(2001, 1, 2)};
  m_time.mFindUnitOfTime(times, 2, kDateHourMinute, &dMinimum, &dSpan);
  EXPECT_EQ(Access::mPartKinds(m_time),
            (std::vector<xTimePartsEnum>{xDay, xMonthNumber, xYear, xHour, xMinute}));
}

TEST_F(UnitOfTime, MonthEndColumnsStepByMonths) {
  const ColumnRow kRows[] = {
      {{RefTime(2001, 1, 31), RefTime(2001, 2, 28), RefTime(2001, 3, 31)},
       &kDayMonthYear,
       xMonthNumber,
       RefTime(2001, 1, 31),
       2,
       "month ends"},
      {{RefTime(2001, 1, 30), RefTime(2001, 2, 27), RefTime(2001, 3, 30)},
       &kDayMonthYear,
       xMonthNumber,
       RefTime(2001, 1, 30),
       2,
       "a day before the ends"},
      {{RefTime(2001, 1, 29), RefTime(2001, 2, 26), RefTime(2001, 3, 29)},
       &kDayMonthYear,
       xMonthNumber,
       RefTime(2001, 1, 29),
       2,
       "two days before: still month-end mode"},
      {{RefTime(2001, 1, 28), RefTime(2001, 2, 25), RefTime(2001, 3, 28)},
       &kDayMonthYear,
       xDay,
       RefTime(2001, 1, 28),
       RefTime(2001, 3, 28) - RefTime(2001, 1, 28),
       "three days: days"},
      {{RefTime(2001, 1, 31), RefTime(2001, 2, 28), RefTime(2001, 3, 30)},
       &kDayMonthYear,
       xDay,
       RefTime(2001, 1, 31),
       58,
       "one value off the end"},
  };
  for (const ColumnRow& row : kRows) Check(row);
}

TEST_F(UnitOfTime, FinestVaryingFieldBoundedByTheFormat) {
  const ColumnRow kRows[] = {
      {{RefTime(2001, 1, 1), RefTime(2001, 1, 2), RefTime(2001, 1, 3)},
       &kDayMonthYear,
       xDay,
       RefTime(2001, 1, 1),
       2,
       "days"},
      {{RefTime(2001, 1, 1), RefTime(2001, 1, 2), RefTime(2001, 5, 3)},
       &kMonthYear,
       xMonthNumber,
       RefTime(2001, 1, 1),
       4,
       "days vary, format shows months"},
      {{RefTime(2001, 3, 1), RefTime(2003, 3, 1), RefTime(2008, 3, 1)},
       &kDayMonthYear,
       xYear,
       RefTime(2001, 3, 1),
       7,
       "years"},
      {{RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 14)},
       &kDateHourMinute,
       xHour,
       RefTime(2001, 3, 1, 10),
       4,
       "hours"},
      {{RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 30)},
       &kDateHourMinute,
       xMinute,
       RefTime(2001, 3, 1, 10),
       30,
       "minutes"},
      {{RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 0, 5)},
       &kDateHourMinute,
       xMinute,
       RefTime(2001, 3, 1, 10),
       0,
       "seconds vary, format ends at minutes"},
      {{RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 0, 5)},
       &kDateTimeMs,
       xSecond,
       RefTime(2001, 3, 1, 10),
       5,
       "seconds"},
      {{RefTime(2001, 3, 1, 10), RefTime(2001, 3, 1, 10, 0, 0, 7)},
       &kDateTimeMs,
       xThousandth,
       RefTime(2001, 3, 1, 10),
       7,
       "thousandths"},
      {{RefTime(2001, 3, 1), RefTime(2001, 3, 1)},
       &kDayMonthYear,
       xDay,
       RefTime(2001, 3, 1),
       0,
       "no difference: the format's finest part"},
  };
  for (const ColumnRow& row : kRows) Check(row);
}

TEST_F(UnitOfTime, ComparesWithTheFirstValueAndTracksTheExtremes) {
  const ColumnRow kRows[] = {
      {{RefTime(2001, 6, 1), RefTime(2001, 1, 1), RefTime(2001, 12, 1)},
       &kDayMonthYear,
       xMonthNumber,
       RefTime(2001, 1, 1),
       11,
       "unordered"},
      {{RefTime(2001, 6, 1), RefTime(2001, 6, 1, 3), RefTime(2001, 6, 4, 3)},
       &kDateHourMinute,
       xHour,
       RefTime(2001, 6, 1),
       75,
       "hours against the first value"},
  };
  for (const ColumnRow& row : kRows) Check(row);
}

TEST_F(UnitOfTime, SkipsMissingAndUnusableValues) {
  const ColumnRow kRows[] = {
      {{Missing(), RefTime(2001, 1, 1), kNaN, RefTime(2001, 1, 5), kInf, Missing()},
       &kDayMonthYear,
       xDay,
       RefTime(2001, 1, 1),
       4,
       "holes in the column"},
      {{Missing(), RefTime(2001, 1, 1), Missing()},
       &kDayMonthYear,
       xDay,
       0,
       0,
       "one value: the format's finest part, minimum and span 0"},
      {{Missing(), Missing()}, &kDayMonthYear, xDay, 0, 0, "only missing values"},
      {{}, &kDayMonthYear, xDay, 0, 0, "empty column"},
      {{1e300, -1e300, RefTime(2001, 1, 1)}, &kDayMonthYear, xDay, 0, 0, "far out of range"},
  };
  for (const ColumnRow& row : kRows) Check(row);
}

TEST_F(UnitOfTime, FormatWithoutPartsHasNoUnit) {
  // Words without parts are refused by the format setter, which keeps the
  // previous format: here one without parts.
  Access::mSetParts(m_time, {});
  const std::vector<unsigned> kNoParts(4, 0u);
  const ColumnRow row = {{RefTime(2001, 1, 1), RefTime(2001, 3, 1)},
                         &kNoParts,
                         xNoPart,
                         RefTime(2001, 1, 1),
                         0,
                         "no parts, no report"};
  Check(row);
}

TEST_F(UnitOfTime, NullArgumentsAreSafe) {
  double dMinimum = 5, dSpan = 5;
  EXPECT_EQ(m_time.mFindUnitOfTime(nullptr, 10, kDayMonthYear, &dMinimum, &dSpan), xDay);
  EXPECT_EQ(dMinimum, 0);
  EXPECT_EQ(dSpan, 0);
  const double times[] = {RefTime(2001, 1, 1), RefTime(2001, 1, 3)};
  EXPECT_EQ(m_time.mFindUnitOfTime(times, -4, kDayMonthYear, &dMinimum, &dSpan), xDay);
  EXPECT_EQ(m_time.mFindUnitOfTime(times, 2, kDayMonthYear, nullptr, nullptr), xDay);
}

}  // namespace
