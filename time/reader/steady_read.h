// The steady read: a short way through the reader for the texts that make up
// most columns, numbers typed exactly as the current numeric format shows
// them ("3/15/2020 10:30:45 PM" under "m/d/yyyy h:mm:ss AM/PM"). For such a
// text the full reader succeeds with the current format, reads the numbers
// in order, and sets the same format again; the short way reads the numbers
// itself and leaves the format as it is. Any text it is not sure of goes the
// full way, so what a read gives and leaves does not depend on which way it
// went.
#pragma once

#include "CmTimeCls.h"

namespace cvn::detail {

// The shape of a current format that the steady read serves: three date
// parts (year of 2 or 4 digits, month number and day of 1 or 2, in any
// order) joined by one of '/', '-', '.', and/or a clock of hour (1 or 2),
// minutes (2) and optionally seconds (2) joined by ':', with or without the
// designator pair " AM/PM" (style 0) after it. A date alone may also be
// joined by blanks, and may name its month ("mmm", "mmmm").
struct xSteadyLayout {
  bool bServed = false;
  bool bMonthName = false;  // a month part "mmm" or "mmmm"
  int iNumDate = 0;         // 0 or 3
  xTimePartsEnum aeDate[3] = {};
  int aiDateCount[3] = {};
  wchar_t cDateSep = L'\0';
  int iNumClock = 0;    // 0, 2 or 3
  int iHourCount = 0;   // 1 or 2
  bool b24Hour = true;  // false: the text ends in " AM" or " PM"
};

// The layout of a parsed format (its fields as the object holds them); its
// bServed is false for every other format.
xSteadyLayout mSteadyLayout(int numParts, const CmTimeCls::xTimePartsStruct* parts,
                            const wchar_t* dateSep, int dateSepLen, const wchar_t* timeSep,
                            int timeSepLen, bool b24Hour, int ampmStyle);

// The calendar fields of a steady text.
struct xSteadyFields {
  int iYear, iMonth, iDay, iHour, iMinute, iSecond;
};

// The month of an upper-case month name and whether it is an abbreviation
// (mIsMonthName of the object being read), 0 for none.
struct xMonthNames {
  int (*pLookup)(const void* context, const wchar_t* upperText, bool* abbreviation);
  const void* pContext;
};

// Reads text (zero-terminated, without blanks around it) under layout, as
// the full reader would read it and keep the format: every number where the
// layout puts it, no wider than the format shows it (a year exactly as
// wide), in range (the day within its month, a 12-hour clock 1 to 12), and
// nothing else; a month name of 3 to 15 letters that names (no longer
// than the format names it). A two-digit year goes through the window
// (windowMax, windowBase). A time alone lies on 30 December 1899. False for
// every text that is not such a text: the full reader decides those.
bool mReadSteadyText(const xSteadyLayout& layout, const wchar_t* text, int windowMax,
                     int windowBase, const xMonthNames& names, xSteadyFields* out);

}  // namespace cvn::detail
