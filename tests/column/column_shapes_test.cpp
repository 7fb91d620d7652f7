// Each shape a column may hold, read alone under each setting: the value,
// and the format the report gives for it (which mSetFormat must accept).

#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "tests/column/column_support.h"

namespace cvn::test {
namespace {

struct xShapeRow {
  eSettings eSet;
  const wchar_t* psText;
  int y, mo, d, h, mi, s, ms;  // y 0: a time of day
  const wchar_t* psFormat;
};

// clang-format off
const xShapeRow kShapes[] = {
    // Numeric dates, the order of the settings when nothing decides it.
    {kUS, L"02/03/2020", 2020, 2, 3, 0, 0, 0, 0, L"mm/dd/yyyy"},
    {kGB, L"02/03/2020", 2020, 3, 2, 0, 0, 0, 0, L"dd/mm/yyyy"},
    {kDE, L"02.03.2020", 2020, 3, 2, 0, 0, 0, 0, L"dd.mm.yyyy"},
    {kUS, L"3/15/2020 10:30:45 PM", 2020, 3, 15, 22, 30, 45, 0, L"m/dd/yyyy hh:mm:ss AM/PM"},
    {kUS, L"3/15/20 9:05 am", 2020, 3, 15, 9, 5, 0, 0, L"m/dd/yy h:mm am/pm"},
    {kUS, L"12/1/2020 12:00:00AM", 2020, 12, 1, 0, 0, 0, 0, L"mm/d/yyyy hh:mm:ssAM/PM"},
    {kGB, L"15-03-2020 23:59:59", 2020, 3, 15, 23, 59, 59, 0, L"dd-mm-yyyy hh:mm:ss"},
    {kDE, L"15 3 2020", 2020, 3, 15, 0, 0, 0, 0, L"dd m yyyy"},
    {kUS, L"15.03.20", 2020, 3, 15, 0, 0, 0, 0, L"dd.mm.yy"},
    {kUS, L"3/15", kThisYear, 3, 15, 0, 0, 0, 0, L"m/dd"},
    {kDE, L"15.03.", kThisYear, 3, 15, 0, 0, 0, 0, L"dd.mm"},
    {kUS, L"03/2020", 2020, 3, 1, 0, 0, 0, 0, L"mm/yyyy"},
    // ISO 8601.
    {kUS, L"2011-12-30", 2011, 12, 30, 0, 0, 0, 0, L"yyyy-mm-dd"},
    {kDE, L"2020-02-01T11:53:00Z", 2020, 2, 1, 11, 53, 0, 0, L"yyyy-mm-dd hh:mm:ss"},
    {kGB, L"2020-03-15 10:30:45.1236", 2020, 3, 15, 10, 30, 45, 124, L"yyyy-mm-dd hh:mm:ss.sss"},
    {kUS, L"2020-03-15T10:30:45,5+01:00", 2020, 3, 15, 10, 30, 45, 500, L"yyyy-mm-dd hh:mm:ss.s"},
    {kUS, L"2020-03-15T10:30-0800", 2020, 3, 15, 10, 30, 0, 0, L"yyyy-mm-dd hh:mm"},
    {kUS, L"20200315T103000+05", 2020, 3, 15, 10, 30, 0, 0, L"yyyy-mm-dd hh:mm:ss"},
    {kUS, L"2020-12-31T24:00", 2021, 1, 1, 0, 0, 0, 0, L"yyyy-mm-dd hh:mm"},
    {kUS, L"2020-03", 2020, 3, 1, 0, 0, 0, 0, L"yyyy-mm"},
    {kUS, L"2017-W10", 2017, 3, 6, 0, 0, 0, 0, L"yyyy-mm-dd"},
    {kDE, L"2017-W10-7", 2017, 3, 12, 0, 0, 0, 0, L"yyyy-mm-dd"},
    {kUS, L"2020W537", 2021, 1, 3, 0, 0, 0, 0, L"yyyy-mm-dd"},
    {kUS, L"2017-365", 2017, 12, 31, 0, 0, 0, 0, L"yyyy-mm-dd"},
    {kUS, L"2020/3/5", 2020, 3, 5, 0, 0, 0, 0, L"yyyy/m/d"},
    {kUS, L"2020\u5E743\u670815\u65E5 10:30", 2020, 3, 15, 10, 30, 0, 0, L"yyyy-m-dd hh:mm"},
    {kUS, L"2020. 3. 15.", 2020, 3, 15, 0, 0, 0, 0, L"yyyy.m.dd"},
    {kUS, L"2020-03-15\u00A010:30", 2020, 3, 15, 10, 30, 0, 0, L"yyyy-mm-dd hh:mm"},
    // Compact digits.
    {kUS, L"20030925", 2003, 9, 25, 0, 0, 0, 0, L"yyyymmdd"},
    {kDE, L"200309251036", 2003, 9, 25, 10, 36, 0, 0, L"yyyy-mm-dd hh:mm"},
    {kUS, L"20030925103628", 2003, 9, 25, 10, 36, 28, 0, L"yyyy-mm-dd hh:mm:ss"},
    // Month names, weekdays, e-mail and asctime layouts.
    {kUS, L"March 15, 2020", 2020, 3, 15, 0, 0, 0, 0, L"mmmm dd, yyyy"},
    {kGB, L"Sep 25 2003", 2003, 9, 25, 0, 0, 0, 0, L"mmm dd yyyy"},
    {kUS, L"Jan-15-2004", 2004, 1, 15, 0, 0, 0, 0, L"mmm-dd-yyyy"},
    {kUS, L"15-Mar-20", 2020, 3, 15, 0, 0, 0, 0, L"dd-mmm-yy"},
    {kGB, L"5 Sept. 2003 14:05", 2003, 9, 5, 14, 5, 0, 0, L"d mmm yyyy hh:mm"},
    {kUS, L"2020 Mar 15", 2020, 3, 15, 0, 0, 0, 0, L"yyyy mmm dd"},
    {kUS, L"2020-MAR-15", 2020, 3, 15, 0, 0, 0, 0, L"yyyy-mmm-dd"},
    {kUS, L"mar/15/2020", 2020, 3, 15, 0, 0, 0, 0, L"mmm/dd/yyyy"},
    {kUS, L"March 2020", 2020, 3, 1, 0, 0, 0, 0, L"mmmm yyyy"},
    {kGB, L"Sunday 1st March 2020", 2020, 3, 1, 0, 0, 0, 0, L"d mmmm yyyy"},
    {kUS, L"November 5, 1994, 8:15:30 am EST", 1994, 11, 5, 8, 15, 30, 0,
     L"mmmm d, yyyy h:mm:ss am/pm"},
    {kGB, L"13th of June 1990 at 17:50", 1990, 6, 13, 17, 50, 0, 0, L"dd mmmm yyyy hh:mm"},
    {kUS, L"March 22nd, 2020", 2020, 3, 22, 0, 0, 0, 0, L"mmmm dd, yyyy"},
    {kUS, L"Mar-20", 2020, 3, 1, 0, 0, 0, 0, L"mmm-yy"},
    {kGB, L"17 April", kThisYear, 4, 17, 0, 0, 0, 0, L"dd mmmm"},
    {kUS, L"Feb 29", kThisYear, 2, 29, 0, 0, 0, 0, L"mmm dd"},
    {kUS, L"25/Sep/2003:10:36:28 -0700", 2003, 9, 25, 10, 36, 28, 0, L"dd/mmm/yyyy hh:mm:ss"},
    {kUS, L"Thu Sep 25 10:36:28 UTC 2003", 2003, 9, 25, 10, 36, 28, 0, L"mmm dd yyyy hh:mm:ss"},
    {kUS, L"2020-03-15T10:30:00\u221205:00", 2020, 3, 15, 10, 30, 0, 0, L"yyyy-mm-dd hh:mm:ss"},
    {kDE, L"21. Dezember 2013", 2013, 12, 21, 0, 0, 0, 0, L"dd.mmmm.yyyy"},
    {kDE, L"3. M\u00e4r 2013", 2013, 3, 3, 0, 0, 0, 0, L"d.mmm.yyyy"},
    {kDE, L"Sonntag, 15. M\u00e4rz 2020", 2020, 3, 15, 0, 0, 0, 0, L"dd.mmmm.yyyy"},
    {kUS, L"Sunday, March 15, 2020 8:00 PM", 2020, 3, 15, 20, 0, 0, 0, L"mmmm dd, yyyy h:mm AM/PM"},
    {kUS, L"Tue, 01 Nov 2016 01:23:45 +0000", 2016, 11, 1, 1, 23, 45, 0, L"dd mmm yyyy hh:mm:ss"},
    {kGB, L"Tue, 1 Nov 2016 01:23 GMT", 2016, 11, 1, 1, 23, 0, 0, L"d mmm yyyy hh:mm"},
    {kUS, L"Sun Mar 15 2020 10:30:45 GMT+0100 (Central European Standard Time)", 2020, 3, 15,
     10, 30, 45, 0, L"mmm dd yyyy hh:mm:ss"},
    {kUS, L"2020-03-15 10:30:45.123 +0000 UTC", 2020, 3, 15, 10, 30, 45, 123,
     L"yyyy-mm-dd hh:mm:ss.sss"},
    {kUS, L"Mar. 5, 2020", 2020, 3, 5, 0, 0, 0, 0, L"mmm d, yyyy"},
    {kUS, L"Thu Sep 25 10:36:28 2003", 2003, 9, 25, 10, 36, 28, 0, L"mmm dd yyyy hh:mm:ss"},
    {kUS, L"Thu Sep  4 10:36:28 2003", 2003, 9, 4, 10, 36, 28, 0, L"mmm d yyyy hh:mm:ss"},
    // Times of day with every designator.
    {kUS, L"12:00:00 a.m.", 0, 0, 0, 0, 0, 0, 0, L"hh:mm:ss am/pm"},
    {kUS, L"12:30 p.m.", 0, 0, 0, 12, 30, 0, 0, L"hh:mm am/pm"},
    {kGB, L"1:30p", 0, 0, 0, 13, 30, 0, 0, L"h:mma/p"},
    {kUS, L"11:59 PM", 0, 0, 0, 23, 59, 0, 0, L"hh:mm AM/PM"},
    {kAT, L"10:30 nachm.", 0, 0, 0, 22, 30, 0, 0, L"hh:mm vorm./nachm."},
    {kAT, L"15.03.2020 12:05:00 vorm.", 2020, 3, 15, 0, 5, 0, 0, L"dd.mm.yyyy hh:mm:ss vorm./nachm."},
    {kAT, L"nachm. 3:30", 0, 0, 0, 15, 30, 0, 0, L"h:mm vorm./nachm."},
    {kUS, L"2020/03/15 PM 3:30:00", 2020, 3, 15, 15, 30, 0, 0, L"yyyy/mm/dd h:mm:ss AM/PM"},
    {kDE, L"23:59:59.999", 0, 0, 0, 23, 59, 59, 999, L"hh:mm:ss.sss"},
    {kUS, L"24:00", 1, 0, 0, 0, 0, 0, 0, L"hh:mm"},
};
// clang-format on

// Each shape read alone; a value written under the reported format reads
// back to itself (every shape above shows all the fields its text had, to
// the millisecond; 24:00 is written as the next day's 00:00, "15.03." as
// "15.03", a number).
TEST(ColumnShapes, ReadsEachShapeUnderEachSetting) {
  for (const xShapeRow& row : kShapes) {
    SCOPED_TRACE(testing::Message() << std::string(row.psText, row.psText + wcslen(row.psText)));
    std::wstring sWritten;
    double dValue = 0.0;
    {
      const RegionalSettingsGuard xGuard(mColumnSettings(row.eSet));
      mInitTimeClassMonthNames();
      const xColumnResult r = mImport(row.eSet, {row.psText});
      ASSERT_EQ(r.veStatus[0], eRowStatus::eRead) << mReason(r, 0);
      dValue = r.vdValues[0];
      EXPECT_NEAR(dValue,
                  row.y == 1 ? 1.0 : mValue(row.y, row.mo, row.d, row.h, row.mi, row.s, row.ms),
                  1e-9);
      EXPECT_EQ(r.xReport.sFormat.str(), row.psFormat);
      CmTimeCls t;
      ASSERT_TRUE(t.mSetFormat(r.xReport.sFormat.c_str()));
      CmString s;
      t.mCorvaneTimeToStr(dValue, false, s, 0);
      sWritten = s.str();
    }
    if (row.y == 1 || std::wstring(row.psText).back() == L'.') continue;
    mInitTimeClassMonthNames();
    EXPECT_EQ(mImport(row.eSet, {sWritten}).vdValues[0], dValue)
        << std::string(sWritten.begin(), sWritten.end());
  }
}

}  // namespace
}  // namespace cvn::test
