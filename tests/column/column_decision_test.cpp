// The decisions a whole column takes: the day/month order (decided by a
// text or assumed, and the texts that contradict it), two-digit years at
// the window's edge, weekdays, offsets, compact digits against numbers,
// elapsed and time-of-day columns; and that none of it depends on the order
// of the rows.

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "tests/column/column_support.h"

namespace cvn::test {
namespace {

using Texts = std::vector<std::wstring>;

// A column, how it reads, and per row the value's date (0: refused with the
// reason given) or its time.
struct xRowExpect {
  double dValue;         // the missing-value code when refused
  const char* psReason;  // "" when read
};
constexpr double kNo = CmCVNConst::kMissingValueCode;

struct xColumnRow {
  const char* psName;
  eSettings eSet;
  xColumnOptions xOptions;
  Texts vTexts;
  std::vector<xRowExpect> vRows;
  const wchar_t* psFormat;
  bool bAmbiguous;
  std::vector<std::wstring> vsAlternatives;
};

// Options: the assumed order, the window's end, offsets to UTC, day numbers.
xColumnOptions mOpt(eColumnOrder e, int iEnd = 0, bool bUtc = false, bool bSerial = false) {
  return {e, iEnd, bUtc, bSerial};
}
constexpr eColumnOrder kYmd = eColumnOrder::eYearMonthDay, kRegional = eColumnOrder::eRegional;

const char* const kOrder = "month/day order contradicts the column";
const char* const kNumber = "a number, not a date";

std::vector<xColumnRow> mColumns() {
  const double d0203 = mValue(2020, 2, 3), d0302 = mValue(2020, 3, 2);
  // clang-format off
  return {
    {"deciding text last", kUS, {}, {L"02/03/2020", L"25/04/2020"},
     {{d0302, ""}, {mValue(2020, 4, 25), ""}}, L"dd/mm/yyyy", false, {}},
    {"deciding text first", kUS, {}, {L"4/25/2020", L"02/03/2020"},
     {{mValue(2020, 4, 25), ""}, {d0203, ""}}, L"m/dd/yyyy", false, {}},
    {"nothing decides: regional", kUS, {}, {L"02/03/2020", L"01/01/2020"},
     {{d0203, ""}, {mValue(2020, 1, 1), ""}}, L"mm/dd/yyyy", true, {L"dd/mm/yyyy"}},
    {"nothing decides: British", kGB, {}, {L"02/03/2020"},
     {{d0302, ""}}, L"dd/mm/yyyy", true, {L"mm/dd/yyyy"}},
    {"nothing decides: option", kUS, mOpt(eColumnOrder::eDayMonthYear), {L"02/03/2020"},
     {{d0302, ""}}, L"dd/mm/yyyy", true, {L"mm/dd/yyyy"}},
    {"year first assumed", kUS, mOpt(kYmd), {L"12/03/02"},
     {{mValue(2012, 3, 2), ""}}, L"yy/mm/dd", true, {L"mm/dd/yy", L"dd/mm/yy"}},
    {"year first assumed, year last written", kUS, mOpt(kYmd),
     {L"02/03/2020"}, {{d0203, ""}}, L"mm/dd/yyyy", true, {L"dd/mm/yyyy"}},
    {"year first reads every text", kUS, mOpt(kYmd),
     {L"14-8-07", L"14-8-07", L"32-9-11"},
     {{mValue(2014, 8, 7), ""}, {mValue(2014, 8, 7), ""}, {mValue(1932, 9, 11), ""}},
     L"yy-m-dd", false, {}},
    {"year first reads every time", kUS, mOpt(kYmd),
     {L"13/5/31 02:24", L"04/12/19 03:36", L"01/3/03 00:00", L"00/2/06 00:00"},
     {{mValue(2013, 5, 31, 2, 24), ""}, {mValue(2004, 12, 19, 3, 36), ""},
      {mValue(2001, 3, 3), ""}, {mValue(2000, 2, 6), ""}}, L"yy/m/dd hh:mm", false, {}},
    {"year first with dots", kUS, mOpt(kYmd),
     {L"00.04.10 00:00", L"27.08.27 00:00"}, {{mValue(2000, 4, 10), ""}, {mValue(2027, 8, 27), ""}},
     L"yy.mm.dd hh:mm", false, {}},
    {"format of the texts read", kUS, mOpt(kYmd),
     {L"1900-10-17T15:00:00", L"20-Mar-1917", L"10/0/1917 00:00"},
     {{mValue(1900, 10, 17, 15), ""}, {mValue(1917, 3, 20), ""}, {kNo, "day 0"}},
     L"yyyy-mm-dd hh:mm:ss", false, {}},
    {"day numbers and a refused date", kUS, mOpt(kYmd, 0, false, true), {L"4900.1", L"38.0", L"1/0/1917 00:00"},
     {{4900.1, ""}, {38.0, ""}, {kNo, "day 0"}}, L"yyyy-mm-dd hh:mm:ss", false, {}},
    {"no month or day 0", kUS, mOpt(kYmd), {L"1/0/1900", L"0/5/1917"},
     {{kNo, "day 0"}, {kNo, "no month 0"}}, L"", false, {}},
    {"contradicting text", kDE, {}, {L"02.03.2020", L"25.04.2020", L"26.04.2020", L"04.13.2020"},
     {{d0302, ""}, {mValue(2020, 4, 25), ""}, {mValue(2020, 4, 26), ""}, {kNo, kOrder}},
     L"dd.mm.yyyy", false, {}},
    {"day beyond the month", kUS, {}, {L"02/30/2020", L"03/15/2020", L"13/14/2020"},
     {{kNo, "day 30 in a 29-day month"}, {mValue(2020, 3, 15), ""}, {kNo, "no such month"}},
     L"mm/dd/yyyy", false, {}},
    {"day 31", kGB, {}, {L"31/04/2021", L"29/02/2021", L"29/02/2024"},
     {{kNo, "day 31 in a 30-day month"}, {kNo, "day 29 in a 28-day month"},
      {mValue(2024, 2, 29), ""}}, L"dd/mm/yyyy", false, {}},
    {"window edge", kUS, {}, {L"1/1/29", L"1/1/30", L"12/31/00", L"1-Jan-99"},
     {{mValue(2029, 1, 1), ""}, {mValue(1930, 1, 1), ""}, {mValue(2000, 12, 31), ""},
      {mValue(1999, 1, 1), ""}}, L"m/d/yy", false, {}},
    {"window option", kUS, mOpt(kRegional, 49), {L"1/1/49", L"1/13/50"},
     {{mValue(2049, 1, 1), ""}, {mValue(1950, 1, 13), ""}}, L"m/d/yy", false, {}},
    {"regional window", kUS2039, {}, {L"1/1/39", L"1/13/40"},
     {{mValue(2039, 1, 1), ""}, {mValue(1940, 1, 13), ""}}, L"m/d/yy", false, {}},
    {"years 1000 to 4000", kUS, {}, {L"0999-12-31", L"1000-01-01", L"4000-12-31", L"4001-01-01"},
     {{kNo, "year outside 1000 to 4000"}, {mValue(1000, 1, 1), ""}, {mValue(4000, 12, 31), ""},
      {kNo, "year outside 1000 to 4000"}}, L"yyyy-mm-dd", false, {}},
    {"weekdays", kUS, {}, {L"Sun, 15 Mar 2020", L"Mon, 15 Mar 2020", L"Sunday 15 March 2020"},
     {{mValue(2020, 3, 15), ""}, {kNo, "weekday does not match the date"},
      {mValue(2020, 3, 15), ""}}, L"dd mmm yyyy", false, {}},
    {"weekdays German", kDE, {}, {L"So., 15.03.2020", L"Di 15.03.2020", L"Sun 15.03.2020"},
     {{mValue(2020, 3, 15), ""}, {kNo, "weekday does not match the date"},
      {mValue(2020, 3, 15), ""}}, L"dd.mm.yyyy", false, {}},
    {"week 53", kUS, {}, {L"2020-W53-7", L"2021-W53-1", L"2017-366", L"2016-366"},
     {{mValue(2021, 1, 3), ""}, {kNo, "not a date or time"}, {kNo, "not a date or time"},
      {mValue(2016, 12, 31), ""}}, L"yyyy-mm-dd", false, {}},
    {"offsets kept", kUS, {}, {L"2020-03-15T23:30:00-05:00", L"Sun, 15 Mar 2020 23:30:00 EST"},
     {{mValue(2020, 3, 15, 23, 30), ""}, {mValue(2020, 3, 15, 23, 30), ""}},
     L"yyyy-mm-dd hh:mm:ss", true, {}},
    {"offsets to UTC", kUS, mOpt(kRegional, 0, true),
     {L"2020-03-15T23:30:00-05:00", L"Sun, 15 Mar 2020 23:30:00 PDT", L"2020-03-16 00:30+0100",
      L"2020-03-15T12:00Z"},
     {{mValue(2020, 3, 16, 4, 30), ""}, {mValue(2020, 3, 16, 6, 30), ""},
      {mValue(2020, 3, 15, 23, 30), ""}, {mValue(2020, 3, 15, 12, 0), ""}},
     L"yyyy-mm-dd hh:mm:ss", true, {}},
    {"compact digits", kUS, {}, {L"20030925", L"20200229", L""},
     {{mValue(2003, 9, 25), ""}, {mValue(2020, 2, 29), ""}, {kNo, ""}}, L"yyyymmdd", false, {}},
    {"numbers, not dates", kUS, {}, {L"12345678", L"20030925", L"42"},
     {{kNo, kNumber}, {kNo, kNumber}, {kNo, kNumber}}, L"", false, {}},
    {"numbers beside dates", kUS, {}, {L"2020-03-15", L"43905", L"2020"},
     {{mValue(2020, 3, 15), ""}, {kNo, kNumber}, {kNo, kNumber}}, L"yyyy-mm-dd", false, {}},
    {"day numbers", kUS, mOpt(kRegional, 0, false, true), {L"43905", L"43905.5", L"-1e3", L"9999999"},
     {{43905.0, ""}, {43905.5, ""}, {kNo, "not a date or time"}, {kNo, "year outside 1000 to 4000"}},
     L"yyyy-mm-dd hh:mm:ss", false, {}},
    {"elapsed", kUS, {},
     {L"1 02:03:04", L"1 days 02:03:04", L"-1.02:03:04", L"-0:30:00", L"26:00", L"+2:00:00.5"},
     {{mValue(0, 0, 0, 26, 3, 4), ""}, {mValue(0, 0, 0, 26, 3, 4), ""},
      {-mValue(0, 0, 0, 26, 3, 4), ""}, {-mValue(0, 0, 0, 0, 30), ""}, {mValue(0, 0, 0, 26, 0), ""},
      {mValue(0, 0, 0, 2, 0, 0, 500), ""}},
     L"[h]:mm:ss.s", false, {}},
    {"times of day", kUS, {}, {L"10:30", L"23:15:00", L"7:05 PM", L"24:00", L"25:00"},
     {{mValue(0, 0, 0, 10, 30), ""}, {mValue(0, 0, 0, 23, 15), ""}, {mValue(0, 0, 0, 19, 5), ""},
      {1.0, ""}, {kNo, "no such time of day"}}, L"h:mm:ss", false, {}},
    {"times among dates", kUS, {}, {L"2020-03-15", L"10:30", L"yesterday", L"*"},
     {{mValue(2020, 3, 15), ""}, {kNo, "a time, not a date"}, {kNo, "not a date or time"},
      {kNo, ""}}, L"yyyy-mm-dd", false, {}},
  };
  // clang-format on
}

void mCheckColumn(const xColumnRow& c, const xColumnResult& r) {
  SCOPED_TRACE(c.psName);
  ASSERT_EQ(r.vdValues.size(), c.vRows.size());
  for (std::size_t i = 0; i < c.vRows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(r.vdValues[i], c.vRows[i].dValue, 1e-9);
    EXPECT_EQ(mReason(r, i), c.vRows[i].psReason);
  }
  EXPECT_EQ(r.xReport.sFormat.str(), c.psFormat);
  EXPECT_EQ(r.xReport.bAmbiguous, c.bAmbiguous && c.vsAlternatives.size() > 0);
  std::vector<std::wstring> vAlternatives;
  for (const CmString& s : r.xReport.vsAlternatives) vAlternatives.push_back(s.str());
  EXPECT_EQ(vAlternatives, c.vsAlternatives);
}

TEST(ColumnDecision, DecidesEachColumn) {
  for (const xColumnRow& c : mColumns()) mCheckColumn(c, mImport(c.eSet, c.vTexts, c.xOptions));
}

// The same values, outcomes and report whatever the order of the rows.
TEST(ColumnDecision, ShuffledRowsReadTheSame) {
  std::mt19937 xRandom(13);
  for (const xColumnRow& c : mColumns()) {
    std::vector<std::size_t> vOrder(c.vTexts.size());
    for (std::size_t i = 0; i < vOrder.size(); ++i) vOrder[i] = i;
    for (int iRound = 0; iRound < 4; ++iRound) {
      std::shuffle(vOrder.begin(), vOrder.end(), xRandom);
      xColumnRow xShuffled = c;
      for (std::size_t i = 0; i < vOrder.size(); ++i) {
        xShuffled.vTexts[i] = c.vTexts[vOrder[i]];
        xShuffled.vRows[i] = c.vRows[vOrder[i]];
      }
      mCheckColumn(xShuffled, mImport(c.eSet, xShuffled.vTexts, c.xOptions));
    }
  }
}

void mExpectSame(const xColumnResult& a, const xColumnResult& b) {
  EXPECT_EQ(a.vdValues, b.vdValues);
  EXPECT_EQ(a.veStatus, b.veStatus);
  ASSERT_EQ(a.vxRefusals.size(), b.vxRefusals.size());
  for (std::size_t i = 0; i < a.vxRefusals.size(); ++i) {
    EXPECT_EQ(a.vxRefusals[i].iRow, b.vxRefusals[i].iRow);
    EXPECT_EQ(a.vxRefusals[i].sReason, b.vxRefusals[i].sReason);
  }
  const xColumnReport &x = a.xReport, &y = b.xReport;
  EXPECT_EQ(x.sFormat.str(), y.sFormat.str());
  EXPECT_TRUE(x.eKind == y.eKind && x.eOrder == y.eOrder && x.bAmbiguous == y.bAmbiguous &&
              x.bMixed == y.bMixed);
  EXPECT_TRUE(x.iRead == y.iRead && x.iMissing == y.iMissing && x.iRefused == y.iRefused);
  ASSERT_EQ(x.vsAlternatives.size(), y.vsAlternatives.size());
  for (std::size_t i = 0; i < x.vsAlternatives.size(); ++i) {
    EXPECT_EQ(x.vsAlternatives[i].str(), y.vsAlternatives[i].str());
  }
}

// A column surveyed in two halves on two threads reads as when surveyed on
// one: each half leans another way (order, elapsed times, compact lengths,
// shapes) and holds a refused row.
TEST(ColumnDecision, TwoThreadsReadAsOne) {
  std::vector<xColumnRow> vColumns = mColumns();
  // clang-format off
  const Texts vSplit[] = {
      {L"02/03/2020", L"02/30/2020", L"1/2/2020", L"25/04/2020", L"31/02/2020", L"5/6/2020"},
      {L"10:30", L"12:00", L"x", L"25:00:00", L"1 02:03:04", L"10:61"},
      {L"10:30", L"25:00", L"*", L"10:30 PM", L"11:00", L"13:00 AM"},
      {L"20200315", L"x", L"20200316", L"202003151030", L"202003161030", L"x"},
      {L"03/15/2020", L"12/15/2020", L"13/13/2020", L"3/5/2020", L"04/05/2020", L"x"},
      {L"2020-03-15", L"Mar 15, 2020", L"Mar 32, 2020", L"2020-03-16 10:30", L"15/03/2020",
       L"Tue, 15 Mar 2020"},
  };
  // clang-format on
  for (const Texts& v : vSplit) vColumns.push_back({"split", kUS, {}, v, {}, L"", false, {}});
  for (const xColumnRow& c : vColumns) {
    SCOPED_TRACE(c.psName);
    const xColumnResult xOne = mImport(c.eSet, c.vTexts, c.xOptions, SIZE_MAX);
    mExpectSame(mImport(c.eSet, c.vTexts, c.xOptions, 2), xOne);
  }
}

// Texts no shape has: refused (or missing), never read, never a crash.
TEST(ColumnDecision, RefusesWhatNoShapeHas) {
  // clang-format off
  const Texts vTexts = {L"", L"   ", L" * ", L"-0", L"2020-03-15x", std::wstring(L"2020-03-15\0", 11),
                        L"\u00e9\u00ff", std::wstring(1, wchar_t(0xD800)), L"\uFFFF",
                        std::wstring(5000, L'1'), L"1" + std::wstring(300, L'/') + L"2",
                        L"12:00 PM PM", L"Mar Apr 2020", L"2020-13", L"2020-W54", L"T10:00",
                        L"10:60", L"1:2:3", L"99999999999999999999", L"2020-03-15 23:59:60"};
  // clang-format on
  const xColumnResult r = mImport(kUS, vTexts);
  EXPECT_EQ(r.xReport.iMissing, 3u);
  EXPECT_EQ(r.xReport.iRead, 0u);
  EXPECT_EQ(r.xReport.iRefused, vTexts.size() - 3);
  EXPECT_TRUE(r.xReport.sFormat.empty());
  EXPECT_EQ(r.xReport.eKind, eColumnKind::eEmpty);
  for (double d : r.vdValues) EXPECT_EQ(d, CmCVNConst::kMissingValueCode);
  // The vector overload reads the same; no texts at all give an empty result.
  std::vector<CmString> vStrings(vTexts.begin(), vTexts.end());
  xColumnResult r2;
  CmColumnReader().mRead(vStrings, r2);
  EXPECT_EQ(r2.veStatus, r.veStatus);
  CmColumnReader().mRead(nullptr, 4, r2);
  EXPECT_TRUE(r2.vdValues.empty() && r2.veStatus.empty() && r2.xReport.iRead == 0);
}

// A column as the lines of a file: line ends "\n" and "\r\n", a last line
// without one, bytes that are not UTF-8, a line longer than the usual, and
// the two halves of the survey meeting anywhere in a line.
TEST(ColumnDecision, ReadsLinesOfText) {
  const RegionalSettingsGuard xGuard(mColumnSettings(kUS));
  const FixedClockGuard xClock(kFixedNow);
  const std::string sLong = "2020-03-15" + std::string(300, ' ');
  const std::string sText =
      "2020-03-15\r\n\n2020-03-16 10:30\n\xff\xfe\n\xEF\xBB\xBF"
      "2020-03-17\n" +
      sLong + "\n2020-03-\xC3\xA9\n2020-03-18";
  const std::vector<eRowStatus> vStatus = {
      eRowStatus::eRead, eRowStatus::eMissing, eRowStatus::eRead,    eRowStatus::eRefused,
      eRowStatus::eRead, eRowStatus::eRead,    eRowStatus::eRefused, eRowStatus::eRead};
  // Blank lines before the text move the middle byte towards its start,
  // blank lines after it towards its end.
  for (std::size_t iPad = 0; iPad <= 2 * sText.size(); ++iPad) {
    SCOPED_TRACE(iPad);
    const std::size_t iBefore = iPad <= sText.size() ? iPad : 0;
    const std::string sColumn = std::string(iBefore, '\n') + sText + "\n" +
                                std::string(iPad > sText.size() ? iPad - sText.size() : 0, '\n');
    xColumnResult r;
    cvn::column::mReadLinesInto(sColumn, {}, r, 2);
    ASSERT_GE(r.veStatus.size(), iBefore + vStatus.size());
    const auto it = r.veStatus.begin() + static_cast<std::ptrdiff_t>(iBefore);
    EXPECT_EQ(std::vector<eRowStatus>(it, it + 8), vStatus);
    EXPECT_EQ(r.vdValues[iBefore + 2], mValue(2020, 3, 16, 10, 30));
    EXPECT_EQ(r.vdValues[iBefore + 7], mValue(2020, 3, 18));
  }
  xColumnResult r;
  CmColumnReader().mReadLines("", r);
  EXPECT_TRUE(r.veStatus.empty());
  CmColumnReader().mReadLines("\n", r);
  EXPECT_EQ(r.veStatus, std::vector<eRowStatus>{eRowStatus::eMissing});
}

}  // namespace
}  // namespace cvn::test
