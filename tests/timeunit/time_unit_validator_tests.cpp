// The unit catalogue's validators: tick values, increments, tick
// increments and tick starts, with the message number of each failure.

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "timeunit/timeunit_access.h"

namespace {

constexpr int kDay = 50225;
constexpr int kMonth = 50226;
constexpr int kYear = 50227;
constexpr int kSecond = 50228;
constexpr int kMinute = 50229;
constexpr int kHour = 50230;
constexpr int kQuarter = 50231;
constexpr int kIndex = 50232;
constexpr int kNone = 0;  // no message expected

CmTimeUnit& Units() { return *CmTimeUnit::mInstance(); }

CmString Message(int id) { return id == kNone ? CmString() : CmString(id); }

TEST(TimeUnitMessages, ResourceTextsExistAndDiffer) {
  // The message checks below tell the numbers apart by their texts.
  std::set<std::wstring> texts;
  for (int id = kDay; id <= kIndex; ++id) {
    const CmString text(id);
    EXPECT_FALSE(text.empty()) << id;
    texts.insert(text.str());
  }
  EXPECT_EQ(texts.size(), 8u);
}

struct UnitsRow {
  int iCode;
  std::vector<int> values;
  bool bValid;
  int iMessage;
  bool bMismatch;
  const char* pNote;
};

void CheckUnits(const UnitsRow& row) {
  SCOPED_TRACE(row.pNote);
  bool bMismatch = !row.bMismatch;  // must be overwritten
  CmString message(L"stale");
  EXPECT_EQ(Units().mValidateUnits(row.iCode, &row.values, &bMismatch, message), row.bValid);
  EXPECT_EQ(message, Message(row.iMessage));
  EXPECT_EQ(bMismatch, row.bMismatch);
}

TEST(TimeUnitValidateUnits, Examples) {
  const UnitsRow kRows[] = {
      {88, {29, 2, 2001}, false, kDay, false, "29 Feb of a common year"},
      {88, {29, 2, 2000}, true, kNone, false, "29 Feb 2000"},
      {88, {31, 4, 2000}, false, kDay, false, "31 Apr fails at the month"},
      {112, {5, 1, 2000}, false, kQuarter, true, "May is not in quarter 1"},
      {112, {5, 5, 2000}, false, kQuarter, false, "quarter 5"},
      {7, {1, 2, 3, 23, 59, 60}, false, kSecond, false, "60 read from the end as a second"},
  };
  for (const UnitsRow& row : kRows) CheckUnits(row);
}

TEST(TimeUnitValidateUnits, RangeBoundariesOfEachUnit) {
  const UnitsRow kRows[] = {
      {1, {0}, true, kNone, false, "second 0"},
      {1, {59}, true, kNone, false, "second 59"},
      {1, {60}, false, kSecond, false, "second 60"},
      {1, {-1}, false, kSecond, false, "second -1 as unsigned"},
      {2, {59}, true, kNone, false, "minute 59"},
      {2, {60}, false, kMinute, false, "minute 60"},
      {2, {INT_MIN}, false, kMinute, false, "minute INT_MIN"},
      {4, {23}, true, kNone, false, "hour 23"},
      {4, {24}, false, kHour, false, "hour 24"},
      {4, {-1}, false, kHour, false, "hour -1"},
      {8, {0}, false, kDay, false, "day 0"},
      {8, {1}, true, kNone, false, "day 1"},
      {8, {31}, true, kNone, false, "day 31"},
      {8, {32}, false, kDay, false, "day 32"},
      {16, {0}, false, kMonth, false, "month 0"},
      {16, {1}, true, kNone, false, "month 1"},
      {16, {12}, true, kNone, false, "month 12"},
      {16, {13}, false, kMonth, false, "month 13"},
      {32, {0}, false, kQuarter, false, "quarter 0"},
      {32, {1}, true, kNone, false, "quarter 1"},
      {32, {4}, true, kNone, false, "quarter 4"},
      {32, {5}, false, kQuarter, false, "quarter 5"},
      {64, {999}, false, kYear, false, "year 999"},
      {64, {1000}, true, kNone, false, "year 1000"},
      {64, {4000}, true, kNone, false, "year 4000"},
      {64, {4001}, false, kYear, false, "year 4001"},
  };
  for (const UnitsRow& row : kRows) CheckUnits(row);
}

TEST(TimeUnitValidateUnits, DayAgainstMonthAndYear) {
  const UnitsRow kRows[] = {
      {24, {29, 2}, true, kNone, false, "29 Feb without a year (leap table)"},
      {24, {30, 2}, false, kDay, false, "30 Feb"},
      {24, {31, 12}, true, kNone, false, "31 Dec"},
      {24, {31, 11}, false, kDay, false, "31 Nov"},
      {88, {29, 2, 1900}, false, kDay, false, "1900 is not a leap year"},
      {88, {29, 2, 2400}, true, kNone, false, "2400 is"},
      {88, {28, 2, 2001}, true, kNone, false, "28 Feb 2001"},
      {88, {32, 1, 2001}, false, kDay, false, "day checked before month"},
      {88, {1, 13, 2001}, false, kMonth, false, "month checked before year"},
      {88, {1, 1, 5000}, false, kYear, false, "year range"},
      {80, {13, 2000}, false, kMonth, false, "month + year"},
      {80, {2, 2001}, true, kNone, false, "month + year, no day"},
      {48, {4, 2}, true, kNone, false, "April in quarter 2"},
      {48, {4, 1}, false, kQuarter, true, "April not in quarter 1"},
      {96, {4, 2000}, true, kNone, false, "quarter + year"},
      {112, {12, 4, 4000}, true, kNone, false, "December, quarter 4"},
  };
  for (const UnitsRow& row : kRows) CheckUnits(row);
}

TEST(TimeUnitValidateUnits, ClockCodesReadLargestUnitFirstPerTick) {
  const UnitsRow kRows[] = {
      {7, {23, 59, 59}, true, kNone, false, "hour, minute, second"},
      {7, {59, 59, 23}, false, kHour, false, "the hour is read last"},
      {6, {24, 0}, false, kHour, false, "hour + minute"},
      {3, {59, 60}, false, kSecond, false, "minute + second"},
      {12, {31, 23}, true, kNone, false, "day + hour: day first, hour last"},
      {12, {23, 31}, false, kHour, false, "day + hour reversed"},
      {14, {31, 23, 59}, true, kNone, false, "day + hour + minute"},
      {7, {0, 0, 0, 24, 0, 0}, false, kHour, false, "second tick fails"},
      {7, {24, 0, 0, 0, 0, 0}, false, kHour, false, "first tick fails, read last"},
  };
  for (const UnitsRow& row : kRows) CheckUnits(row);
}

TEST(TimeUnitValidateUnits, CalendarCodesReadSmallestUnitFirst) {
  const UnitsRow kRows[] = {
      {88, {1, 1, 2000, 31, 12, 1999}, true, kNone, false, "two ticks"},
      {88, {1, 1, 2000, 31, 13, 1999}, false, kMonth, false, "second tick's month"},
      {88, {1, 1, 2000, 31}, true, kNone, false, "a partial tick is not read"},
      {88, {}, true, kNone, false, "no ticks"},
      {128, {-5, 99999}, true, kNone, false, "the index reads nothing"},
      // Day + index: two bits per tick, but only the day reads a value.
      {136, {5, 40}, true, kNone, false, "one tick, day 5"},
      {136, {5, 40, 7, 8}, false, kDay, false, "second tick reads the 40"},
  };
  for (const UnitsRow& row : kRows) CheckUnits(row);
}

TEST(TimeUnitValidateUnits, UnusableInputsAreRefused) {
  // A code without unit bits would divide the values among zero units.
  const std::vector<int> values = {1, 2, 3};
  bool bMismatch = true;
  CmString message(L"stale");
  EXPECT_FALSE(Units().mValidateUnits(0, &values, &bMismatch, message));
  EXPECT_TRUE(message.empty());
  EXPECT_FALSE(bMismatch);
  // No vector at all.
  message = L"stale";
  EXPECT_FALSE(Units().mValidateUnits(8, nullptr, &bMismatch, message));
  EXPECT_TRUE(message.empty());
  // A null mismatch flag is allowed.
  const std::vector<int> mismatch = {5, 1, 2000};
  EXPECT_FALSE(Units().mValidateUnits(112, &mismatch, nullptr, message));
  EXPECT_EQ(message, CmString(kQuarter));
  // A negative code has every bit: 32 bits, so three values make no tick.
  EXPECT_TRUE(Units().mValidateUnits(-1, &values, &bMismatch, message));
}

struct IncrementRow {
  int iIncrement;
  int iCode;
  bool bValid;
  int iMessage;  // kNone: the message is left as it was
  const char* pNote;
};

TEST(TimeUnitValidateIncrement, EachUnitAndTheLastFailure) {
  const IncrementRow kRows[] = {
      {1, 1, true, kNone, "second"},
      {0, 1, true, kNone, "0 passes"},
      {-1, 1, false, kSecond, "negative second"},
      {-1, 2, false, kMinute, "negative minute"},
      {-1, 4, false, kHour, "negative hour"},
      {-1, 8, false, kDay, "negative day"},
      {-1, 16, false, kMonth, "negative month"},
      {-1, 32, false, kQuarter, "negative quarter"},
      {-1, 64, true, kNone, "the year list is 1 alone"},
      {-7, 128, true, kNone, "the index is not checked"},
      {-1, 0, true, kNone, "no units"},
      {-1, 7, false, kHour, "hour fails last"},
      {-1, 88, false, kMonth, "year passes after month failed"},
      {-1, 112, false, kQuarter, "quarter fails last"},
      {INT_MAX, 7, true, kNone, "saturated products stay in order"},
      {INT_MIN, 1, false, kSecond, "INT_MIN"},
      {1000, 255, true, kNone, "every unit"},
  };
  for (const IncrementRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    CmString message(L"stale");
    EXPECT_EQ(Units().mValidateIncrement(row.iIncrement, row.iCode, message), row.bValid);
    EXPECT_EQ(message, row.iMessage == kNone ? CmString(L"stale") : CmString(row.iMessage));
  }
}

struct TickRow {
  int iTick;
  int iIncrement;
  int iCode;
  bool bValid;
  int iMessage;  // kNone: left as it was
  const char* pNote;
};

TEST(TimeUnitValidateTickIncrement, Examples) {
  const TickRow kRows[] = {
      {120, 1, 2, true, kNone, "120 is a multiple of 60"},
      {7, 1, 2, false, kMinute, "7 is neither a factor nor a multiple"},
      {10, 4, 128, false, kIndex, "10 is not a multiple of 4"},
      {8, 4, 128, true, kNone, "8 is"},
      {30, 1, 2, true, kNone, "a factor"},
      {60, 1, 2, true, kNone, "the last factor"},
      {180, 3, 2, true, kNone, "a multiple of 3 x 60"},
      {170, 3, 2, false, kMinute, "not a multiple of 180"},
      {48, 1, 4, true, kNone, "hour multiple of 24"},
      {7, 1, 8, false, kDay, "day"},
      {5, 1, 16, false, kMonth, "month"},
      {3, 1, 32, false, kQuarter, "quarter"},
      {3, 1, 64, true, kNone, "every year count is a multiple of 1"},
  };
  for (const TickRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    CmString message(L"stale");
    EXPECT_EQ(Units().mValidateTickIncrement(row.iTick, row.iIncrement, row.iCode, message),
              row.bValid);
    EXPECT_EQ(message, row.iMessage == kNone ? CmString(L"stale") : CmString(row.iMessage));
  }
}

TEST(TimeUnitValidateTickIncrement, ResultOfTheLastUnitMessageOfTheLastFailure) {
  const TickRow kRows[] = {
      // Day fails (4 is not a day factor nor a multiple of 30), then month
      // passes with 4: the result is true but the day message stays.
      {4, 1, 24, true, kDay, "day fails, month passes"},
      {7, 1, 24, false, kMonth, "both fail"},
      {7, 1, 88, true, kMonth, "year passes last"},
      // The index check comes after the units and overrides their result.
      {6, 4, 8 + 128, false, kIndex, "day passes, not a multiple of 4"},
      {8, 4, 8 + 128, true, kNone, "day and index pass"},
  };
  for (const TickRow& row : kRows) {
    SCOPED_TRACE(row.pNote);
    CmString message(L"stale");
    EXPECT_EQ(Units().mValidateTickIncrement(row.iTick, row.iIncrement, row.iCode, message),
              row.bValid);
    EXPECT_EQ(message, row.iMessage == kNone ? CmString(L"stale") : CmString(row.iMessage));
  }
}

TEST(TimeUnitValidateTickIncrement, ZeroAndExtremeIncrementsNeverDivideByZero) {
  CmString message;
  // With the index unit, an increment of 0 has no multiples: refused.
  EXPECT_FALSE(Units().mValidateTickIncrement(0, 0, 128, message));
  EXPECT_EQ(message, CmString(kIndex));
  EXPECT_FALSE(Units().mValidateTickIncrement(5, 0, 128, message));
  // Without it, every candidate is 0: only a tick increment of 0 matches.
  message.clear();
  EXPECT_TRUE(Units().mValidateTickIncrement(0, 0, 2, message));
  EXPECT_FALSE(Units().mValidateTickIncrement(5, 0, 2, message));
  EXPECT_EQ(message, CmString(kMinute));
  // Candidates are exact products: 2^30 x 2 is not INT_MAX, as a
  // saturated product would be.
  message.clear();
  EXPECT_FALSE(Units().mValidateTickIncrement(INT_MAX, 1073741824, 2, message));
  EXPECT_EQ(message, CmString(kMinute));
  EXPECT_TRUE(Units().mValidateTickIncrement(INT_MIN, -1073741824, 2, message));  // 2 x -2^30
  // INT_MIN % -1 must not trap.
  EXPECT_TRUE(Units().mValidateTickIncrement(INT_MIN, -1, 128, message));
}

TEST(TimeUnitFindTickIncrement, MemberOrMultipleOfTheLast) {
  CmTimeUnit& u = Units();
  const std::vector<int> candidates = {1, 2, 5, 10};
  EXPECT_TRUE(CmTimeUnitTestAccess::mFindTickIncrement(u, 5, candidates));
  EXPECT_TRUE(CmTimeUnitTestAccess::mFindTickIncrement(u, 30, candidates));
  EXPECT_TRUE(CmTimeUnitTestAccess::mFindTickIncrement(u, -20, candidates));
  EXPECT_TRUE(CmTimeUnitTestAccess::mFindTickIncrement(u, 0, candidates));
  EXPECT_FALSE(CmTimeUnitTestAccess::mFindTickIncrement(u, 3, candidates));
  EXPECT_FALSE(CmTimeUnitTestAccess::mFindTickIncrement(u, 11, candidates));
  // No candidates, or a last candidate of 0: only a listed value passes.
  EXPECT_FALSE(CmTimeUnitTestAccess::mFindTickIncrement(u, 0, {}));
  EXPECT_FALSE(CmTimeUnitTestAccess::mFindTickIncrement(u, 4, {1, 0}));
  EXPECT_TRUE(CmTimeUnitTestAccess::mFindTickIncrement(u, 0, {1, 0}));
  EXPECT_TRUE(CmTimeUnitTestAccess::mFindTickIncrement(u, 1, {1, 0}));
  EXPECT_TRUE(CmTimeUnitTestAccess::mFindTickIncrement(u, INT_MIN, {-1}));
}

TEST(TimeUnitValidateTickStart, RangeOfEachUnit) {
  const struct {
    int iStart;
    int iCode;
    bool bValid;
    int iMessage;
  } kRows[] = {
      {0, 1, true, kNone},      {59, 1, true, kNone},     {60, 1, false, kSecond},
      {-1, 1, false, kSecond},  {59, 2, true, kNone},     {60, 2, false, kMinute},
      {0, 4, true, kNone},      {23, 4, true, kNone},     {24, 4, false, kHour},
      {0, 8, false, kDay},      {1, 8, true, kNone},      {31, 8, true, kNone},
      {32, 8, false, kDay},     {0, 16, false, kMonth},   {12, 16, true, kNone},
      {13, 16, false, kMonth},  {0, 32, false, kQuarter}, {4, 32, true, kNone},
      {5, 32, false, kQuarter}, {999, 64, false, kYear},  {1000, 64, true, kNone},
      {4000, 64, true, kNone},  {4001, 64, false, kYear}, {-9, 128, true, kNone},
      {-9, 0, true, kNone},
      // Every unit is checked; the last failing one names the message.
      {0, 7, true, kNone},      {30, 7, false, kHour},    {0, 88, false, kYear},
      {5, 88, false, kYear},    {2000, 24, false, kMonth}, {12, 88, false, kYear},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.iStart << " in " << row.iCode);
    CmString message(L"stale");
    EXPECT_EQ(Units().mValidateTickStart(row.iStart, row.iCode, message), row.bValid);
    EXPECT_EQ(message, row.iMessage == kNone ? CmString(L"stale") : CmString(row.iMessage));
  }
}

}  // namespace
