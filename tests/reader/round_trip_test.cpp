// What the writer shows, the reader reads back: every legal format and
// more, over many values, to the precision the format shows.

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "tests/reader/reader_access.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess;

// Formats beyond the regional defaults: every part kind, every designator
// style, fractions, compact, quarter and week dates.
const wchar_t* const kMoreFormats[] = {
    L"m/d/yyyy",
    L"mm/dd/yyyy",
    L"d/m/yy",
    L"dd.mm.yyyy",
    L"yyyy-mm-dd",
    L"yyyy-mm-dd hh:mm:ss",
    L"yyyymmdd",
    L"yymmdd",
    L"d mmm yyyy",
    L"mmmm d, yyyy h:mm:ss AM/PM",
    L"mmm yyyy",
    L"yyyyQq",
    L"qQyyyy",
    L"wwWkyyyy",
    L"h:mm",
    L"hh:mm:ss",
    L"h:mm:ss.s",
    L"h:mm:ss.ss",
    L"h:mm:ss.sss",
    L"h:mm AM/PM",
    L"h:mm am/pm",
    L"h:mmAM/PM",
    L"h:mmam/pm",
    L"h:mm A/P",
    L"h:mm a/p",
    L"h:mmA/P",
    L"h:mma/p",
    L"[h]:mm:ss",
    L"[h]:mm",
    L"[m]:ss",
    L"[s]",
    L"[h]:mm:ss.sss",
    L"m/d/yyyy h:mm:ss.sss",
};

bool mHasTwoDigitYear(const std::wstring& fmt) {
  const size_t p = fmt.find(L"yy");
  return p != std::wstring::npos && fmt.find(L"yyyy") == std::wstring::npos;
}

// Values spread over the valid years with varied times of day; formats
// with two-digit years get the years of the window, 1930 to 2029.
std::vector<double> mValues(bool twoDigitYear) {
  std::vector<double> v;
  const int iFirst = twoDigitYear ? mDayNumber(1930, 1, 1) : mDayNumber(1000, 1, 1);
  const int iLast = twoDigitYear ? mDayNumber(2029, 12, 31) : mDayNumber(4000, 12, 31);
  const int iStep = (iLast - iFirst) / 397;
  unsigned uMs = 12345u;
  for (int iDay = iFirst; iDay <= iLast; iDay += iStep) {
    uMs = uMs * 1103515245u + 12345u;  // a simple generator keeps the run repeatable
    v.push_back(iDay + (uMs % 86400000u) / 86400000.0);
  }
  v.push_back(iFirst);
  v.push_back(iLast + 86399999 / 86400000.0);
  v.push_back(mCorvane(2000, 2, 29, 12, 0, 0));
  v.push_back(mCorvane(2020, 12, 31, 23, 59, 59, 999));
  return v;
}

std::wstring mWrite(const CmTimeCls& t, double value) {
  CmString s;
  t.mCorvaneTimeToStr(value, false, s, 0);
  return s.str();
}

void mRoundTrip(CmTimeCls& t, const std::wstring& sFormat, int* checked) {
  SCOPED_TRACE(mNarrow(sFormat));
  ASSERT_TRUE(t.mSetFormat(sFormat.c_str()));
  const bool bElapsed = sFormat.find(L'[') != std::wstring::npos;
  std::vector<double> vValues = mValues(mHasTwoDigitYear(sFormat));
  if (bElapsed) {
    // Elapsed formats: spans of either sign up to about a year.
    for (double& d : vValues) d = std::fmod(d, 400.0) - 100.0;
  }
  for (double dValue : vValues) {
    ASSERT_TRUE(t.mSetFormat(sFormat.c_str()));
    const std::wstring sText = mWrite(t, dValue);
    SCOPED_TRACE(mNarrow(sText));
    double dRead = 0;
    EXPECT_TRUE(t.mStrToCorvaneTime(sText.c_str(), &dRead));
    // The text is stable: read back under the same format it is written
    // the same, and the format does not move.
    EXPECT_EQ(A::mFormatText(t), sFormat);
    ASSERT_TRUE(t.mSetFormat(sFormat.c_str()));
    EXPECT_EQ(mWrite(t, dRead), sText);
    ++*checked;
  }
}

TEST_F(ReaderTest, RoundTripsEveryLegalFormat) {
  std::vector<std::wstring> vFormats;
  vFormats.reserve(CmTimeCls::m_vsLegalFmts.size() + std::size(kMoreFormats));
  for (const CmString& s : CmTimeCls::m_vsLegalFmts) vFormats.push_back(s.str());
  ASSERT_GE(vFormats.size(), 13u);
  for (const wchar_t* s : kMoreFormats) vFormats.emplace_back(s);
  int iChecked = 0;
  for (const std::wstring& sFormat : vFormats) mRoundTrip(T(), sFormat, &iChecked);
  EXPECT_GT(iChecked, 10000);
}

TEST_F(ReaderTest, RoundTripsFullDatesExactly) {
  // A format that shows every field to the millisecond reads back the
  // value written, to the millisecond.
  mUse(L"m/d/yyyy h:mm:ss.sss");
  for (double dValue : mValues(false)) {
    const std::wstring sText = mWrite(T(), dValue);
    double dRead = 0;
    ASSERT_TRUE(T().mStrToCorvaneTime(sText.c_str(), &dRead)) << mNarrow(sText);
    EXPECT_NEAR(dRead, dValue, 0.5 / 86400000.0 + 1e-9) << mNarrow(sText);
  }
  // Dates alone read back the day.
  mUse(L"yyyy-mm-dd");
  for (int iDay = mDayNumber(1000, 1, 1); iDay <= mDayNumber(4000, 12, 31); iDay += 97) {
    const std::wstring sText = mWrite(T(), iDay + 0.25);
    double dRead = 0;
    ASSERT_TRUE(T().mStrToCorvaneTime(sText.c_str(), &dRead)) << mNarrow(sText);
    ASSERT_EQ(dRead, iDay) << mNarrow(sText);
  }
}

TEST_F(ReaderTest, ReadsEveryDayOfAYearInEveryDateOrder) {
  // Day by day through a leap year and a common one, in three orders.
  const struct {
    const wchar_t* sFormat;
    int iOrder;  // 0: m d y, 1: d m y, 2: y m d
  } kOrders[] = {{L"m/d/yyyy", 0}, {L"d.m.yyyy", 1}, {L"yyyy-m-d", 2}};
  for (const auto& order : kOrders) {
    mUse(order.sFormat);
    for (int iYear : {2019, 2020}) {
      for (int iMonth = 1; iMonth <= 12; ++iMonth) {
        for (int iDay = 1; iDay <= 32; ++iDay) {
          const int a[3][3] = {{iMonth, iDay, iYear}, {iDay, iMonth, iYear}, {iYear, iMonth, iDay}};
          const wchar_t cSep = order.sFormat[order.iOrder == 2 ? 4 : 1];
          const std::wstring sText = std::to_wstring(a[order.iOrder][0]) + cSep +
                                     std::to_wstring(a[order.iOrder][1]) + cSep +
                                     std::to_wstring(a[order.iOrder][2]);
          const int iFirstOfMonth = mDayNumber(iYear, iMonth, 1);
          const int iMonthLength =
              (iMonth == 12 ? mDayNumber(iYear + 1, 1, 1) : mDayNumber(iYear, iMonth + 1, 1)) -
              iFirstOfMonth;
          const int iNext = iFirstOfMonth + iDay - 1;
          const bool bExists = iDay <= iMonthLength;
          double d = 0;
          const bool bOk = T().mStrToCorvaneTime(sText.c_str(), &d);
          // A day past the end of its month is refused; no other format
          // of the list reads these texts either.
          EXPECT_EQ(bOk, bExists) << mNarrow(sText);
          if (bOk) {
            EXPECT_EQ(d, iNext) << mNarrow(sText);
          }
          ASSERT_TRUE(T().mSetFormat(order.sFormat));
        }
      }
    }
  }
}

}  // namespace
}  // namespace cvn::test
