// Sweeps: every showable day and every second of a day, checked against
// the calendar's conversion and the clock.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/access.h"

using namespace cvn::test;

// Each day 1000..4000 is written as the date the calendar makes that day
// from, and dates increase with the days; one day beyond either end is "*".
TEST_F(WriterTest, EveryShowableDay) {
  mFormat("Y4 N2 D2", L"-");
  int iPrevious = 0;  // the previous date as yyyymmdd
  for (int iDay = kJan1st1000 - 1; iDay <= kDec31st4000 + 1; ++iDay) {
    const std::wstring sText = mText(iDay + 0.25);
    if (iDay < kJan1st1000 || iDay > kDec31st4000) {
      ASSERT_EQ(sText, L"*");
      continue;
    }
    int y = 0, m = 0, d = 0;
    ASSERT_EQ(std::swscanf(sText.c_str(), L"%4d-%2d-%2d", &y, &m, &d), 3) << iDay;
    ASSERT_EQ(sText.size(), 10u) << iDay;
    double dGenerated = 0.0;
    m_time.mGenerateCorvaneTime(y, m, d, 0, 0, 0, 0, &dGenerated);
    ASSERT_EQ(dGenerated, iDay) << testing::PrintToString(sText);
    ASSERT_GT(y * 10000 + m * 100 + d, iPrevious) << iDay;
    iPrevious = y * 10000 + m * 100 + d;
  }
}

// A quarter second into each second of a day: the rounding must not reach
// the next second; 12-hour clocks show 12 for hours 0 and 12.
TEST_F(WriterTest, EverySecondOfADay) {
  for (const char* sSpec : {"h2 m2 s2", "P2 h2 m2 s2"}) {
    mFormat(sSpec);
    for (int iSecond = 0; iSecond < 86400; ++iSecond) {
      const std::wstring sText = mText(kJan1st2000 + (iSecond + 0.25) / 86400.0);
      int h = 0, m = 0, s = 0;
      wchar_t szAmPm[3] = {};
      const int n = std::swscanf(sText.c_str(), L"%2d:%2d:%2d%2ls", &h, &m, &s, szAmPm);
      const bool bPM = std::wstring(szAmPm) == L"PM";
      if (n == 4) {
        ASSERT_TRUE(h >= 1 && h <= 12 && bPM == (iSecond >= 43200)) << iSecond;
        h = h % 12 + (bPM ? 12 : 0);
      }
      ASSERT_EQ(n, sSpec[0] == 'P' ? 4 : 3) << iSecond;
      ASSERT_EQ(h * 3600 + m * 60 + s, iSecond) << testing::PrintToString(sText);
    }
  }
}
