// What the writer shows, the reader reads back: every legal format and more,
// over values spread across the valid years, to the precision shown.

#include <cmath>
#include <string>
#include <vector>

#include "support/access.h"

namespace cvn::test {
namespace {

// Values from first to last day with varied times of day (a fixed
// generator keeps the run repeatable), both ends and two odd days.
std::vector<double> mValues(int first, int last) {
  std::vector<double> v = {double(first), last + 86399999 / 86400000.0,
                           mTime(2000'02'29, 12'00'00'000), mTime(2020'12'31, 23'59'59'999)};
  unsigned uMs = 12345u;
  for (int iDay = first; iDay <= last; iDay += (last - first) / 397) {
    uMs = uMs * 1103515245u + 12345u;
    v.push_back(iDay + (uMs % 86400000u) / 86400000.0);
  }
  return v;
}

std::wstring mWrite(const CmTimeCls& t, double value) {
  CmString s;
  t.mCorvaneTimeToStr(value, false, s, 0);
  return s.str();
}

TEST_F(ReaderTest, RoundTripsEveryLegalFormat) {
  std::vector<std::wstring> vFormats;
  for (const CmString& s : CmTimeCls::m_vsLegalFmts) vFormats.push_back(s.str());
  ASSERT_GE(vFormats.size(), 13u);
  // Beyond the list: every part kind and designator style, fractions,
  // compact, quarter, week and elapsed formats.
  // clang-format off
  for (const wchar_t* s : {L"mm/dd/yyyy", L"d/m/yy", L"dd.mm.yyyy", L"yyyy-mm-dd hh:mm:ss",
           L"yyyymmdd", L"yymmdd", L"d mmm yyyy", L"mmmm d, yyyy h:mm:ss AM/PM", L"mmm yyyy",
           L"yyyyQq", L"qQyyyy", L"wwWkyyyy", L"h:mm:ss.s", L"h:mm:ss.ss", L"h:mm am/pm",
           L"h:mmAM/PM", L"h:mmam/pm", L"h:mm A/P", L"h:mm a/p", L"h:mmA/P", L"h:mma/p",
           L"[h]:mm:ss", L"[h]:mm", L"[m]:ss", L"[s]", L"[h]:mm:ss.sss", L"m/d/yyyy h:mm:ss.sss"}) {
    vFormats.emplace_back(s);
  }
  // clang-format on
  int iChecked = 0;
  for (const std::wstring& sFormat : vFormats) {
    SCOPED_TRACE(mNarrow(sFormat));
    // Two-digit years get the years of the window, 1930 to 2029; elapsed
    // formats spans of either sign up to about a year.
    const bool bTwoDigits =
        sFormat.find(L"yy") != std::wstring::npos && sFormat.find(L"yyyy") == std::wstring::npos;
    std::vector<double> vValues =
        bTwoDigits ? mValues(mReferenceDayNumber(1930, 1, 1), mReferenceDayNumber(2029, 12, 31))
                   : mValues(mReferenceDayNumber(1000, 1, 1), mReferenceDayNumber(4000, 12, 31));
    if (sFormat.find(L'[') != std::wstring::npos) {
      for (double& d : vValues) d = std::fmod(d, 400.0) - 100.0;
    }
    for (double dValue : vValues) {
      mUse(sFormat);
      const std::wstring sText = mWrite(T(), dValue);
      double dRead = 0;
      EXPECT_TRUE(T().mStrToCorvaneTime(sText.c_str(), &dRead)) << mNarrow(sText);
      // Read under the format it was written in, the text is stable: the
      // format does not move and the value read writes the same text.
      EXPECT_EQ(T().mGetDateTimeFmt().str(), sFormat) << mNarrow(sText);
      mUse(sFormat);
      EXPECT_EQ(mWrite(T(), dRead), sText);
      // A format that shows the millisecond reads back the value written.
      if (sFormat == L"m/d/yyyy h:mm:ss.sss") {
        EXPECT_NEAR(dRead, dValue, 0.5 / 86400000.0 + 1e-9);
      }
      ++iChecked;
    }
  }
  EXPECT_GT(iChecked, 10000);
}

}  // namespace
}  // namespace cvn::test
