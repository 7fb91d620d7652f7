// The steady read: which formats it serves, which texts it reads, and that
// a read gives and leaves exactly what the full reader gives and leaves,
// over millions of texts near and far from the formats, under several
// settings.

#include "time/reader/steady_read.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"
#include "tests/reader/steady_access.h"

namespace {

using cvn::detail::mReadSteadyText;
using cvn::detail::mSteadyLayout;
using cvn::detail::xSteadyFields;
using cvn::detail::xSteadyLayout;
using Part = CmTimeCls::xTimePartsStruct;

xSteadyLayout mLayout(std::vector<Part> parts, const wchar_t* dateSep = L"/", bool b24Hour = true,
                      int style = 0, const wchar_t* timeSep = L":") {
  return mSteadyLayout(static_cast<int>(parts.size()), parts.data(), dateSep,
                       static_cast<int>(std::wcslen(dateSep)), timeSep,
                       static_cast<int>(std::wcslen(timeSep)), b24Hour, style);
}

const std::vector<Part> kMdy = {{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}};
const std::vector<Part> kMdyHms = {{xMonthNumber, 1}, {xDay, 1},    {xYear, 4},
                                   {xHour, 1},        {xMinute, 2}, {xSecond, 2}};

TEST(SteadyRead, ServesTheUsualFormatsOnly) {
  struct {
    std::vector<Part> vParts;
    const wchar_t* sDateSep;
    bool b24Hour;
    int iStyle;
    bool bServed;
  } const kRows[] = {
      {kMdy, L"/", true, 0, true},
      {kMdyHms, L"-", true, 0, true},
      {kMdyHms, L".", false, 0, true},   // " AM/PM"
      {kMdyHms, L"/", false, 1, false},  // " am/pm"
      {kMdyHms, L"/", false, 2, false},  // "AM/PM"
      {kMdy, L" ", true, 0, true},       // blanks in a date alone
      {kMdy, L", ", true, 0, false},
      {kMdy, L"//", true, 0, false},
      {{{xYear, 2}, {xMonthNumber, 2}, {xDay, 2}}, L"-", true, 0, true},
      {{{xYear, 3}, {xMonthNumber, 2}, {xDay, 2}}, L"-", true, 0, false},  // year of 3
      {{{xMonthAbbrev, 3}, {xDay, 1}, {xYear, 4}}, L"-", true, 0, true},   // a name
      {{{xMonthName, 4}, {xDay, 1}, {xYear, 4}}, L" ", true, 0, true},
      {{{xMonthName, 3}, {xDay, 1}, {xYear, 4}}, L" ", true, 0, false},
      {{{xMonthName, 4}, {xMonthNumber, 1}, {xYear, 4}}, L" ", true, 0, false},  // two months
      {{{xMonthName, 4}, {xDay, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}}, L"/", true, 0, false},
      {{{xMonthNumber, 1}, {xDay, 1}, {xYear, 4}, {xHour, 1}, {xMinute, 2}}, L" ", true, 0, false},
      {{{xMonthNumber, 1}, {xDay, 1}}, L"/", true, 0, false},  // two date parts
      {{{xMonthNumber, 1}, {xMonthNumber, 1}, {xYear, 4}}, L"/", true, 0, false},
      {{{xHour, 1}, {xMinute, 2}}, L"", true, 0, true},
      {{{xHour, 2}, {xMinute, 2}, {xSecond, 2}}, L"", false, 0, true},
      {{{xHour, 1}}, L"", true, 0, false},  // a bare hour
      {{{xHour, 3}, {xMinute, 2}}, L"", true, 0, false},
      {{{xHour, 1}, {xMinute, 1}}, L"", true, 0, false},  // "[m]"
      {{{xHour, 1}, {xMinute, 2}, {xSecond, 2}, {xThousandth, 3}}, L"", true, 0, false},
      {{{xMinute, 2}, {xSecond, 2}}, L"", true, 0, false},
      {{{xHour, 1}, {xSecond, 2}}, L"", true, 0, false},
      {{{xDay, 1}, {xMonthNumber, 1}, {xYear, 2}, {xHour, 1}, {xMinute, 2}}, L".", true, 0, true},
      {{{xHour, 1}, {xMinute, 2}, {xDay, 1}, {xMonthNumber, 1}, {xYear, 2}}, L".", true, 0, false},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << "row " << (&row - kRows));
    EXPECT_EQ(mLayout(row.vParts, row.sDateSep, row.b24Hour, row.iStyle).bServed, row.bServed);
  }
  EXPECT_FALSE(mLayout(kMdyHms, L"/", true, 0, L".").bServed);  // the clock needs ':'
}

// English month names, as the built-in tables hold them.
int mEnglishMonth(const void*, const wchar_t* upperText, bool* abbreviation) {
  static const wchar_t* const kNames[12] = {L"JANUARY",   L"FEBRUARY", L"MARCH",    L"APRIL",
                                            L"MAY",       L"JUNE",     L"JULY",     L"AUGUST",
                                            L"SEPTEMBER", L"OCTOBER",  L"NOVEMBER", L"DECEMBER"};
  for (int i = 0; i < 12; ++i) {
    if (std::wcsncmp(upperText, kNames[i], 3) == 0 && std::wcslen(upperText) == 3) {
      *abbreviation = true;
      return i + 1;
    }
  }
  for (int i = 0; i < 12; ++i) {
    if (std::wcscmp(upperText, kNames[i]) == 0) {
      *abbreviation = false;
      return i + 1;
    }
  }
  return 0;
}
const cvn::detail::xMonthNames kEnglish{&mEnglishMonth, nullptr};

TEST(SteadyRead, ReadsTextsAsTheFormatShowsThem) {
  const xSteadyLayout xMdyHms = mLayout(kMdyHms);
  const xSteadyLayout xMdyHmsAmPm = mLayout(kMdyHms, L"/", false, 0);
  const xSteadyLayout xPadded =
      mLayout({{xMonthNumber, 2}, {xDay, 2}, {xYear, 2}, {xHour, 2}, {xMinute, 2}});
  const xSteadyLayout xClock = mLayout({{xHour, 1}, {xMinute, 2}}, L"", false, 0);
  const xSteadyLayout xDayName = mLayout({{xDay, 1}, {xMonthName, 4}, {xYear, 4}}, L" ");
  const xSteadyLayout xAbbrev = mLayout({{xDay, 2}, {xMonthAbbrev, 3}, {xYear, 2}}, L"-");
  struct {
    const xSteadyLayout* pLayout;
    const wchar_t* sText;
    bool bRead;
    xSteadyFields xFields;
  } const kRows[] = {
      {&xMdyHms, L"3/15/2020 22:30:45", true, {2020, 3, 15, 22, 30, 45}},
      {&xMdyHms, L"12/31/4000 23:59:59", true, {4000, 12, 31, 23, 59, 59}},
      {&xMdyHms, L"1/1/0000 0:00:00", true, {0, 1, 1, 0, 0, 0}},
      {&xMdyHms, L"1/1/4001 0:00:00", false, {}},     // past 4000
      {&xMdyHms, L"03/15/2020 22:30:45", false, {}},  // wider than "m"
      {&xMdyHms, L"3/05/2020 22:30:45", false, {}},
      {&xMdyHms, L"3/15/2020 09:30:45", false, {}},  // wider than "h"
      {&xMdyHms, L"3/15/20 22:30:45", false, {}},    // a year narrower than the format's
      {&xMdyHms, L"3/15/02020 22:30:45", false, {}},
      {&xMdyHms, L"3/15/2020 22:30", false, {}},  // a part missing
      {&xMdyHms, L"3/15/2020 22:30:45:10", false, {}},
      {&xMdyHms, L"3/15/2020 22:30:45 PM", false, {}},
      {&xMdyHms, L"3/15/2020  22:30:45", false, {}},  // two blanks
      {&xMdyHms, L"3-15-2020 22:30:45", false, {}},   // another separator
      {&xMdyHms, L"3/15/2020 22:3:45", false, {}},    // one-digit minutes
      {&xMdyHms, L"3/15/2020 24:00:00", false, {}},
      {&xMdyHms, L"3/15/2020 23:60:00", false, {}},
      {&xMdyHms, L"3/15/2020 23:00:60", false, {}},
      {&xMdyHms, L"0/15/2020 0:00:00", false, {}},
      {&xMdyHms, L"13/15/2020 0:00:00", false, {}},
      {&xMdyHms, L"2/29/2020 0:00:00", true, {2020, 2, 29, 0, 0, 0}},
      {&xMdyHms, L"2/29/2019 0:00:00", false, {}},
      {&xMdyHms, L"2/29/1900 0:00:00", false, {}},
      {&xMdyHms, L"2/29/2000 0:00:00", true, {2000, 2, 29, 0, 0, 0}},
      {&xMdyHms, L"4/31/2020 0:00:00", false, {}},
      {&xMdyHms, L"4/30/2020 0:00:00", true, {2020, 4, 30, 0, 0, 0}},
      {&xMdyHms, L"4/0/2020 0:00:00", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 PM", true, {2020, 3, 15, 22, 30, 45}},
      {&xMdyHmsAmPm, L"3/15/2020 12:30:45 AM", true, {2020, 3, 15, 0, 30, 45}},
      {&xMdyHmsAmPm, L"3/15/2020 12:30:45 PM", true, {2020, 3, 15, 12, 30, 45}},
      {&xMdyHmsAmPm, L"3/15/2020 1:00:00 AM", true, {2020, 3, 15, 1, 0, 0}},
      {&xMdyHmsAmPm, L"3/15/2020 0:30:45 AM", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 13:30:45 PM", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 pm", false, {}},  // another style
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45PM", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 P", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45", false, {}},
      {&xMdyHmsAmPm, L"3/15/2020 10:30:45 PMX", false, {}},
      {&xPadded, L"03/05/20 09:05", true, {2020, 3, 5, 9, 5, 0}},
      {&xPadded, L"3/5/29 9:05", true, {2029, 3, 5, 9, 5, 0}},  // narrower is fine
      {&xPadded, L"3/5/30 9:05", true, {1930, 3, 5, 9, 5, 0}},  // the window ends in 2029
      {&xPadded, L"3/5/2020 9:05", false, {}},
      {&xClock, L"10:30 PM", true, {1899, 12, 30, 22, 30, 0}},  // a time alone: day 0
      {&xClock, L"10:30", false, {}},
      {&xClock, L"", false, {}},
      {&xDayName, L"15 March 2020", true, {2020, 3, 15, 0, 0, 0}},
      {&xDayName, L"15 Mar 2020", true, {2020, 3, 15, 0, 0, 0}},  // narrower is fine
      {&xDayName, L"15 march 2020", true, {2020, 3, 15, 0, 0, 0}},
      {&xDayName, L"31 April 2020", false, {}},
      {&xDayName, L"15 Marc 2020", false, {}},  // no name
      {&xDayName, L"15 Ma 2020", false, {}},    // too short to be taken here
      {&xDayName, L"15 3 2020", false, {}},
      {&xDayName, L"15  March 2020", false, {}},
      {&xDayName, L"15 March, 2020", false, {}},
      {&xDayName, L"30 September 2020", true, {2020, 9, 30, 0, 0, 0}},
      {&xDayName, L"30 Septemberxxxxx 2020", false, {}},  // past the letters taken
      {&xAbbrev, L"15-Mar-20", true, {2020, 3, 15, 0, 0, 0}},
      {&xAbbrev, L"15-March-20", false, {}},  // would widen "mmm"
      {&xAbbrev, L"15-Mar-2020", false, {}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.sText)));
    xSteadyFields f{-1, -1, -1, -1, -1, -1};
    ASSERT_EQ(mReadSteadyText(*row.pLayout, row.sText, 29, 1900, kEnglish, &f), row.bRead);
    if (!row.bRead) continue;
    EXPECT_EQ(f.iYear, row.xFields.iYear);
    EXPECT_EQ(f.iMonth, row.xFields.iMonth);
    EXPECT_EQ(f.iDay, row.xFields.iDay);
    EXPECT_EQ(f.iHour, row.xFields.iHour);
    EXPECT_EQ(f.iMinute, row.xFields.iMinute);
    EXPECT_EQ(f.iSecond, row.xFields.iSecond);
  }
}

// ---- The short way against the full way -----------------------------------

// Formats served, formats near them, and some far from them.
const wchar_t* const kFormats[] = {
    L"m/d/yyyy",
    L"mm/dd/yyyy",
    L"m/d/yy",
    L"yyyy-mm-dd",
    L"dd.mm.yyyy",
    L"d-m-yyyy h:mm",
    L"m/d/yyyy h:mm:ss",
    L"m/d/yyyy h:mm:ss AM/PM",
    L"mm/dd/yyyy hh:mm:ss",
    L"h:mm",
    L"hh:mm:ss",
    L"h:mm AM/PM",
    L"h:mm:ss am/pm",
    L"m/d/yyyy hh:mm AM/PM",
    L"[h]:mm:ss",
    L"d mmmm yyyy",
    L"yyyymmdd",
    L"m/d/yyyy h:mm:ss.sss",
    L"M/D/YYYY H:MM:SS",
    L"m/d/yyyy  h:mm",
    L"mmmm d, yyyy",
    L"dd/mm/yy hh:mm",
    L"yy.m.d h:mm:ssAM/PM",
    L"m/d/yyyy h:mm A/P",
};

// Settings a column may be read under.
struct xSettings {
  wchar_t cInput, cOutput;
  int iWindowMax, iWindowBase;
  const wchar_t* sAM;  // null: the built-in ones
  const wchar_t* sPM;
  bool bStaleElapsedFlag;  // another object left an elapsed format
  bool bGermanNames = false;
  bool bLongNames = false;  // names that make the longest dates the reader takes
};
const xSettings kSettings[] = {
    {L'.', L'.', 29, 1900, nullptr, nullptr, false},
    {L',', L',', 29, 1900, nullptr, nullptr, false},
    {L',', L'.', 99, 1900, nullptr, nullptr, false},
    {L'.', L',', 50, 1950, nullptr, nullptr, true},
    {L'.', L'.', 29, 1900, L"vorm.", L"nachm.", false},
    {L'.', L'.', 29, 1900, L"A", L"P", false},
    {L'.', L'.', 29, 1900, L"PM", L"AM", false},
    {L',', L',', 29, 1900, nullptr, nullptr, false, true},
    {L'.', L'.', 29, 1900, L"MA", L"NA", false, true},
    {L'.', L'.', 29, 1900, L"MARCH", L"APRIL", false},  // designators that begin like names
    {L'.', L'.', 29, 1900, nullptr, nullptr, false, false, true},
};

// The class-wide month tables with German names: a full stop after some
// abbreviations, a letter outside ASCII in March.
void mUseGermanNames() {
  static const wchar_t* const kNames[12] = {L"Januar",    L"Februar", L"M\u00e4rz", L"April",
                                            L"Mai",       L"Juni",    L"Juli",      L"August",
                                            L"September", L"Oktober", L"November",  L"Dezember"};
  static const wchar_t* const kAbbrevs[12] = {L"Jan.", L"Feb.", L"M\u00e4rz", L"Apr.",
                                              L"Mai",  L"Juni", L"Juli",      L"Aug.",
                                              L"Sep.", L"Okt.", L"Nov.",      L"Dez."};
  for (int i = 0; i < 12; ++i) {
    std::wstring sName = kNames[i];
    std::wstring sAbbrev = kAbbrevs[i];
    std::wstring sNoStop = sAbbrev;
    if (!sNoStop.empty() && sNoStop.back() == L'.') sNoStop.pop_back();
    auto fUpper = [](std::wstring t) {
      for (wchar_t& c : t) c = mToUpper(c);
      return t;
    };
    std::wcscpy(CmTimeCls::gszMonthName[i], sName.c_str());
    std::wcscpy(CmTimeCls::gszMonthNameUpper[i], fUpper(sName).c_str());
    std::wcscpy(CmTimeCls::gszMonthAbbrev[i], sAbbrev.c_str());
    std::wcscpy(CmTimeCls::gszMonthAbbrevUpper[i], fUpper(sAbbrev).c_str());
    std::wcscpy(CmTimeCls::gszMonthAbbrevUpperNoStop[i], fUpper(sNoStop).c_str());
  }
}

// Random texts: mostly numbers laid out as a format shows them, with the
// widths, values, separators and designators varied, some of them edited,
// some drawn from the characters of dates at random.
class xTextMaker {
 public:
  explicit xTextMaker(unsigned seed) : m_xRandom(seed) {}

  std::wstring mText() {
    const unsigned uKind = mBelow(10);
    if (uKind < 6) return mLaidOut();
    if (uKind < 9) return mEdited(mLaidOut());
    std::wstring s;
    for (unsigned i = mBelow(20); i > 0; --i) s += mPick(L"0123456789/-.: ,APMapm\t");
    return s;
  }

 private:
  unsigned mBelow(unsigned n) { return static_cast<unsigned>(m_xRandom() % n); }
  wchar_t mPick(const wchar_t* chars) { return chars[mBelow(std::wcslen(chars))]; }

  // A month as a word: a name or an abbreviation from the tables in force,
  // in their case, upper or lower case, now and then cut short.
  std::wstring mMonthWord() {
    const unsigned m = mBelow(12);
    std::wstring s;
    switch (mBelow(4)) {
      case 0: s = CmTimeCls::gszMonthName[m]; break;
      case 1: s = CmTimeCls::gszMonthAbbrev[m]; break;
      case 2: s = CmTimeCls::gszMonthNameUpper[m]; break;
      default: s = CmTimeCls::gszMonthAbbrevUpperNoStop[m]; break;
    }
    if (mBelow(4) == 0) {
      for (wchar_t& c : s) c = mToLower(c);
    }
    if (mBelow(8) == 0 && s.size() > 1) s.resize(mBelow(static_cast<unsigned>(s.size())) + 1);
    return s;
  }

  // A number: mostly in the range of a date or clock field, with leading
  // zeros now and then, sometimes any width.
  std::wstring mNumber(int hi) {
    const int v = static_cast<int>(mBelow(mBelow(8) == 0 ? 10000 : static_cast<unsigned>(hi) + 2));
    std::wstring s = std::to_wstring(v);
    if (mBelow(4) == 0) s.insert(0, mBelow(3) + 1, L'0');
    if (mBelow(3) == 0 && s.size() > 1 && s[0] == L'0') s.erase(0, 1);
    return s;
  }
  std::wstring mLaidOut() {
    std::wstring s;
    const unsigned uDate = mBelow(5) == 0 ? mBelow(5) : (mBelow(4) == 0 ? 0 : 3);
    const wchar_t cSep = mBelow(4) == 0 ? mPick(L"/-.: ") : L"/-./"[mBelow(4)];
    for (unsigned i = 0; i < uDate; ++i) {
      if (i > 0) s += mBelow(20) == 0 ? mPick(L"/-.") : cSep;
      if (i < 2 && mBelow(5) == 0) {
        s += mMonthWord();
      } else {
        s += mNumber(i == 2 ? (mBelow(2) ? 2100 : 99) : (i == 0 ? 12 : 31));
      }
    }
    const unsigned uClock = mBelow(4) == 0 ? mBelow(5) : (mBelow(3) == 0 ? 0 : 2 + mBelow(2));
    for (unsigned i = 0; i < uClock; ++i) {
      if (i > 0) s += mBelow(25) == 0 ? L'.' : L':';
      if (i == 0 && !s.empty()) s += mBelow(15) == 0 ? L"  " : L" ";
      s += mNumber(i == 0 ? 24 : 60);
    }
    if (mBelow(3) == 0) {
      static const wchar_t* const kDesignators[] = {L" AM",  L" PM",  L" am", L" pm",    L"PM",
                                                    L"AM",   L" A",   L" P",  L" vorm.", L" nachm.",
                                                    L" PM ", L" PMX", L"  AM"};
      s += kDesignators[mBelow(sizeof kDesignators / sizeof kDesignators[0])];
    }
    return s;
  }
  std::wstring mEdited(std::wstring s) {
    for (unsigned i = mBelow(2) + 1; i > 0; --i) {
      const size_t uAt = s.empty() ? 0 : mBelow(static_cast<unsigned>(s.size()));
      switch (mBelow(3)) {
        case 0: s.insert(uAt, 1, mPick(L"0123456789/-.: ,AMPapm")); break;
        case 1:
          if (!s.empty()) s.erase(uAt, 1);
          break;
        default:
          if (!s.empty()) s[uAt] = mPick(L"0123456789/-.: ,AMPapm");
          break;
      }
    }
    return s;
  }

  std::mt19937 m_xRandom;
};

// Broken-invariant reports of the reads, counted: a report is something a
// read leaves too.
int giReports = 0;
void mCountReport(const char*, const char*, unsigned) { ++giReports; }

class SteadyReadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pHandler = mSetAssertHandler(&mCountReport);
    std::memcpy(m_aNames, CmTimeCls::gszMonthName, sizeof m_aNames);
    std::memcpy(m_aNamesUpper, CmTimeCls::gszMonthNameUpper, sizeof m_aNamesUpper);
    std::memcpy(m_aAbbrevs, CmTimeCls::gszMonthAbbrev, sizeof m_aAbbrevs);
    std::memcpy(m_aAbbrevsUpper, CmTimeCls::gszMonthAbbrevUpper, sizeof m_aAbbrevsUpper);
    std::memcpy(m_aNoStop, CmTimeCls::gszMonthAbbrevUpperNoStop, sizeof m_aNoStop);
    m_cInput = mGetInputDecimal();
    m_cOutput = mGetOutputDecimal();
    m_bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    m_bComma = CmTimeCls::m_bFmtHasComma;
    mSetRegionalSettings(mBuiltInRegionalSettings());
  }
  void TearDown() override {
    mRestoreNames();
    mSetAssertHandler(m_pHandler);
    cvn::detail::mSetSteadyReadEnabled(true);
    mSetInputDecimal(m_cInput);
    mSetOutputDecimal(m_cOutput);
    CmTimeCls::m_bElapsedTimeFlag = m_bElapsed;
    CmTimeCls::m_bFmtHasComma = m_bComma;
  }

  // One read on each object, the short way allowed on the first only, from
  // the same class-wide flags; both must give and leave the same.
  static void mCompareRead(CmTimeCls& fast, CmTimeCls& full, const std::wstring& text) {
    const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    const bool bComma = CmTimeCls::m_bFmtHasComma;
    cvn::detail::mSetSteadyReadEnabled(true);
    giReports = 0;
    double dFast = 1.5;
    const bool bFast = fast.mStrToCorvaneTime(text.c_str(), &dFast);
    const std::wstring sFast = CmTimeClsTestAccess::mState(fast);
    const int iFastReports = giReports;
    CmTimeCls::m_bElapsedTimeFlag = bElapsed;
    CmTimeCls::m_bFmtHasComma = bComma;
    cvn::detail::mSetSteadyReadEnabled(false);
    giReports = 0;
    double dFull = 2.5;
    const bool bFull = full.mStrToCorvaneTime(text.c_str(), &dFull);
    const std::wstring sFull = CmTimeClsTestAccess::mState(full);
    ASSERT_EQ(iFastReports, giReports) << testing::PrintToString(text);
    ASSERT_EQ(bFast, bFull) << testing::PrintToString(text);
    ASSERT_EQ(std::memcmp(&dFast, &dFull, sizeof dFast), 0) << testing::PrintToString(text);
    ASSERT_EQ(sFast, sFull) << testing::PrintToString(text);
  }

  void mRestoreNames() {
    std::memcpy(CmTimeCls::gszMonthName, m_aNames, sizeof m_aNames);
    std::memcpy(CmTimeCls::gszMonthNameUpper, m_aNamesUpper, sizeof m_aNamesUpper);
    std::memcpy(CmTimeCls::gszMonthAbbrev, m_aAbbrevs, sizeof m_aAbbrevs);
    std::memcpy(CmTimeCls::gszMonthAbbrevUpper, m_aAbbrevsUpper, sizeof m_aAbbrevsUpper);
    std::memcpy(CmTimeCls::gszMonthAbbrevUpperNoStop, m_aNoStop, sizeof m_aNoStop);
  }
  void mNamesFor(const xSettings& settings) {
    mRestoreNames();
    if (settings.bGermanNames) mUseGermanNames();
    if (settings.bLongNames) {
      // 13 to 16 letters: with a day and a year, 21 to 24 characters.
      const wchar_t* const kLong[4] = {L"Augustaugusta", L"Septemberseptem", L"Octoberoctobers",
                                       L"Novembernovember"};
      for (int i = 0; i < 4; ++i) {
        std::wstring sUpper = kLong[i];
        for (wchar_t& c : sUpper) c = mToUpper(c);
        std::wcscpy(CmTimeCls::gszMonthName[7 + i], kLong[i]);
        std::wcscpy(CmTimeCls::gszMonthNameUpper[7 + i], sUpper.c_str());
      }
    }
  }

 private:
  wchar_t m_aNames[12][32];
  wchar_t m_aNamesUpper[12][32];
  wchar_t m_aAbbrevs[12][8];
  wchar_t m_aAbbrevsUpper[12][8];
  wchar_t m_aNoStop[12][8];
  CmAssertHandler m_pHandler = nullptr;
  wchar_t m_cInput = L'.';
  wchar_t m_cOutput = L'.';
  bool m_bElapsed = false;
  bool m_bComma = false;
};

TEST_F(SteadyReadTest, SameAsFullReaderOnRandomTexts) {
  xTextMaker xMaker(20200315u);
  for (const xSettings& xSet : kSettings) {
    mSetInputDecimal(xSet.cInput);
    mSetOutputDecimal(xSet.cOutput);
    mNamesFor(xSet);
    CmTimeCls xFast;
    CmTimeCls xFull;
    for (CmTimeCls* p : {&xFast, &xFull}) {
      CmTimeClsTestAccess::mSetTwoDigitWindow(*p, xSet.iWindowMax, xSet.iWindowBase);
      if (xSet.sAM != nullptr) CmTimeClsTestAccess::mSetDesignators(*p, xSet.sAM, xSet.sPM);
    }
    for (const wchar_t* sFormat : kFormats) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(sFormat)) + " decimal " +
                   testing::PrintToString(std::wstring(1, xSet.cInput)) + " AM " +
                   testing::PrintToString(std::wstring(xSet.sAM ? xSet.sAM : L"")));
      for (int i = 0; i < 3000; ++i) {
        // Now and then the column starts again from its format; between
        // times each read starts where the previous one left the object.
        if (i % 40 == 0) {
          xFast.mSetFormat(sFormat);
          xFull.mSetFormat(sFormat);
          ASSERT_EQ(CmTimeClsTestAccess::mState(xFast), CmTimeClsTestAccess::mState(xFull));
        }
        if (xSet.bStaleElapsedFlag && i % 7 == 0) CmTimeCls::m_bElapsedTimeFlag = true;
        ASSERT_NO_FATAL_FAILURE(mCompareRead(xFast, xFull, xMaker.mText()));
      }
    }
  }
}

// Columns as they come: texts typed as the format shows them (with every
// date a month may or may not have, and the widths varied a little), under
// every setting, so that the short way is taken for most of them.
TEST_F(SteadyReadTest, SameAsFullReaderOnColumns) {
  std::mt19937 xRandom(7u);
  auto fBelow = [&xRandom](int n) {
    return static_cast<int>(xRandom() % static_cast<unsigned>(n));
  };
  auto fNumber = [&fBelow](int v, bool padded) {
    // Now and then padded where the format does not pad, or not padded.
    const bool bPad = fBelow(10) == 0 ? !padded : padded;
    return (bPad && v < 10 ? L"0" : L"") + std::to_wstring(v);
  };
  struct {
    const wchar_t* sFormat;
    const char* sDateOrder;  // "mdy", "dmy", "ymd" or "" (a clock alone)
    wchar_t cSep;
    bool bPadded, b12Hour;
    int iYearDigits, iClockParts;  // clock parts: 0, 2 or 3
  } const kColumns[] = {
      {L"m/d/yyyy h:mm:ss AM/PM", "mdy", L'/', false, true, 4, 3},
      {L"mm/dd/yyyy hh:mm:ss", "mdy", L'/', true, false, 4, 3},
      {L"m/d/yy h:mm", "mdy", L'/', false, false, 2, 2},
      {L"dd.mm.yyyy hh:mm", "dmy", L'.', true, false, 4, 2},
      {L"yyyy-mm-dd", "ymd", L'-', true, false, 4, 0},
      {L"h:mm AM/PM", "", L'\0', false, true, 0, 2},
      {L"hh:mm:ss", "", L'\0', true, false, 0, 3},
      {L"d mmmm yyyy", "dNy", L' ', false, false, 4, 0},  // N: the month's name
      {L"dd-mmm-yy", "dAy", L'-', true, false, 2, 0},     // A: its abbreviation
      {L"mmm d yyyy", "Ady", L' ', false, false, 4, 0},
  };
  for (const xSettings& xSet : kSettings) {
    mSetInputDecimal(xSet.cInput);
    mSetOutputDecimal(xSet.cOutput);
    mNamesFor(xSet);
    for (const auto& col : kColumns) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(col.sFormat)) + " decimal " +
                   testing::PrintToString(std::wstring(1, xSet.cInput)) + " AM " +
                   testing::PrintToString(std::wstring(xSet.sAM ? xSet.sAM : L"")));
      CmTimeCls xFast;
      CmTimeCls xFull;
      for (CmTimeCls* p : {&xFast, &xFull}) {
        CmTimeClsTestAccess::mSetTwoDigitWindow(*p, xSet.iWindowMax, xSet.iWindowBase);
        if (xSet.sAM != nullptr) CmTimeClsTestAccess::mSetDesignators(*p, xSet.sAM, xSet.sPM);
      }
      for (int i = 0; i < 8000; ++i) {
        if (i % 500 == 0) {
          xFast.mSetFormat(col.sFormat);
          xFull.mSetFormat(col.sFormat);
        }
        if (xSet.bStaleElapsedFlag && i % 7 == 0) CmTimeCls::m_bElapsedTimeFlag = true;
        std::wstring sText;
        for (const char* p = col.sDateOrder; *p != '\0'; ++p) {
          if (p != col.sDateOrder) sText += col.cSep;
          if (*p == 'm') sText += fNumber(fBelow(13), col.bPadded);  // 0 is no month
          if (*p == 'd') sText += fNumber(1 + fBelow(31), col.bPadded);
          if (*p == 'N' || *p == 'A') {
            // Mostly the form the format shows, now and then the other.
            const int iMonth = fBelow(12);
            const bool bName = fBelow(10) == 0 ? *p != 'N' : *p == 'N';
            sText += bName ? CmTimeCls::gszMonthName[iMonth] : CmTimeCls::gszMonthAbbrev[iMonth];
          }
          if (*p == 'y') {
            const int iYear = col.iYearDigits == 2 ? fBelow(100) : 990 + fBelow(3030);
            sText += (col.iYearDigits == 2 && iYear < 10 ? L"0" : L"") + std::to_wstring(iYear);
          }
        }
        if (col.iClockParts > 0) {
          if (!sText.empty()) sText += L' ';
          const int iHour = fBelow(24);
          sText += fNumber(col.b12Hour ? (iHour % 12 == 0 ? 12 : iHour % 12) : iHour, col.bPadded);
          for (int k = 1; k < col.iClockParts; ++k) sText += L":" + fNumber(fBelow(60), true);
          if (col.b12Hour) sText += iHour < 12 ? L" AM" : L" PM";
        }
        ASSERT_NO_FATAL_FAILURE(mCompareRead(xFast, xFull, sText));
      }
    }
  }
}

}  // namespace
