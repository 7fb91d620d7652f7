// Shared enumerations of the date/time library. Their numbers are stored in
// objects, packed format words and saved files, so they are part of the
// interface and must never change.
#pragma once

#include <cstdint>

// A part of a date/time format and, with the same numbers, a unit of time.
// The numeric order runs from the coarsest unit (year) to the finest.
enum xTimePartsEnum : std::int32_t {
  xNoPart = 0,
  xYear = 1,
  xQuarterLabelFirst = 2,   // "Qq": label, then the quarter digit
  xQuarterNumberFirst = 3,  // "qQ": quarter digit, then the label
  xMonthNumber = 4,         // "m" / "mm"
  xMonthAbbrev = 5,         // "mmm"
  xMonthName = 6,           // "mmmm"
  xWeekLabelFirst = 7,      // "Wkw" / "Wkww"
  xWeekNumberFirst = 8,     // "wWk" / "wwWk"
  xDay = 9,                 // "d" / "dd"
  xHour = 10,               // "h" / "hh", "[h]" when elapsed
  xMinute = 11,             // "mm", "[m]" when elapsed
  xSecond = 12,             // "ss", "[s]" when elapsed
  xHundredth = 13,          // unit only: 10 ms
  xTenth = 14,              // unit only: 100 ms
  xThousandth = 15          // ".s" to ".sss": decimals of the second
};

// Class of a format: date parts only (or none), time parts only, or both.
enum eFormatType : std::int32_t { eDateFormat = 0, eTimeFormat = 1, eDateTimeFormat = 2 };

// What mGet extracts from a time; also how mFromJulianDay counts weeks.
enum xTimeExtractEnum : std::int32_t {
  xExtractYear2 = 0,
  xExtractYear4 = 1,
  xExtractQuarterLabelFirst = 2,
  xExtractQuarterNumberFirst = 3,
  xExtractMonthNumber = 4,
  xExtractMonthName = 5,
  xExtractMonthAbbrev = 6,
  xExtractWeekLabelFirst = 7,
  xExtractWeekNumberFirst = 8,
  xExtractDay = 9,
  xExtractDayOfWeek = 10,
  xExtractHour = 11,
  xExtractMinute = 12,
  xExtractSecond = 13,
  xExtractTenths = 14,
  xExtractHundredths = 15,
  xExtractThousandths = 16,
  xExtractWeekFromJanuary = 17,
  xExtractWeekFromApril = 18,
  xExtractWeekFromJuly = 19,
  xExtractWeekFromOctober = 20
};
