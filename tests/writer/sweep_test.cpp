// Sweeps over every showable day and every second of a day, checked
// against the calendar's own conversion and the clock arithmetic, and a
// write-then-read round trip through the reader.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/writer/writer_fixture.h"

TEST_F(WriterTest, EveryShowableDay) {
  mFormat({{xYear, 4}, {xMonthNumber, 2}, {xDay, 2}}, L"-");
  int iPrevious = 0;  // the previous date as yyyymmdd
  for (int iDay = kJan1st1000; iDay <= kDec31st4000; ++iDay) {
    const std::wstring sText = mWrite(iDay + 0.25).sText;
    int y = 0, m = 0, d = 0;
    ASSERT_EQ(std::swscanf(sText.c_str(), L"%4d-%2d-%2d", &y, &m, &d), 3) << iDay;
    ASSERT_EQ(sText.size(), 10u) << iDay;
    double dGenerated = 0.0;
    m_time.mGenerateCorvaneTime(y, m, d, 0, 0, 0, 0, &dGenerated);
    ASSERT_EQ(dGenerated, static_cast<double>(iDay)) << testing::PrintToString(sText);
    const int iDate = y * 10000 + m * 100 + d;
    ASSERT_GT(iDate, iPrevious) << iDay;
    iPrevious = iDate;
  }
  // One day outside either end is refused.
  EXPECT_EQ(mWrite(kJan1st1000 - 1 + 0.25).sText, L"*");
  EXPECT_EQ(mWrite(kDec31st4000 + 1 + 0.25).sText, L"*");
}

TEST_F(WriterTest, EverySecondOfADay) {
  for (const bool b24Hour : {true, false}) {
    mFormat({{xHour, 2}, {xMinute, 2}, {xSecond, 2}}, L"/", L":", b24Hour, CmTimeCls::eAmPmUpper);
    for (int iSecond = 0; iSecond < 86400; ++iSecond) {
      // A quarter second in: the rounding must not reach the next second.
      const std::wstring sText = mWrite(kJan1st2000 + (iSecond + 0.25) / 86400.0).sText;
      int h = 0, m = 0, s = 0;
      wchar_t szDesignator[3] = {};
      const int iFields = std::swscanf(sText.c_str(), L"%2d:%2d:%2d%2ls", &h, &m, &s, szDesignator);
      if (b24Hour) {
        ASSERT_EQ(iFields, 3) << iSecond;
        ASSERT_EQ(h * 3600 + m * 60 + s, iSecond) << testing::PrintToString(sText);
      } else {
        ASSERT_EQ(iFields, 4) << iSecond;
        ASSERT_TRUE(h >= 1 && h <= 12) << testing::PrintToString(sText);
        const bool bPM = std::wstring(szDesignator) == L"PM";
        ASSERT_EQ(bPM, iSecond >= 43200) << testing::PrintToString(sText);
        ASSERT_EQ((h % 12 + (bPM ? 12 : 0)) * 3600 + m * 60 + s, iSecond)
            << testing::PrintToString(sText);
      }
    }
  }
}

TEST_F(WriterTest, ElapsedSecondsOfManyDays) {
  mElapsedFormat({{xSecond, 1}});
  for (int iDay = 0; iDay <= 1096092; iDay += 997) {
    const double v = iDay + 0.3;
    const long long iExpected = iDay * 86400LL + 25920;  // 0.3 day is 25920 s
    EXPECT_EQ(mWrite(v).sText, std::to_wstring(iExpected)) << iDay;
    EXPECT_EQ(mWrite(-v).sText, L"-" + std::to_wstring(iExpected)) << iDay;
  }
}

// What the writer writes, the reader reads back as the value rounded to the
// second (formats down to the second).
TEST_F(WriterTest, WriteThenReadRoundTrip) {
  const wchar_t* const kFormats[] = {
      L"m/d/yyyy h:mm:ss",          L"mm/dd/yyyy hh:mm:ss", L"d-mmm-yyyy h:mm:ss",
      L"mmmm d, yyyy h:mm:ss",      L"yyyy-mm-dd hh:mm:ss", L"m/d/yyyy h:mm:ss AM/PM",
      L"d mmmm yyyy h:mm:ss am/pm", L"dd.mm.yyyy hh:mm:ss",
  };
  std::mt19937_64 xRandom(7);
  std::uniform_real_distribution<double> xValue(kJan1st1000, kDec31st4000 + 0.99);
  mFormat({});  // fixed designators
  for (const wchar_t* sFormat : kFormats) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(sFormat)));
    for (int i = 0; i < 2000; ++i) {
      ASSERT_TRUE(m_time.mSetFormat(sFormat));
      const double t = xValue(xRandom);
      // The writer adds half a second, moves the time of day 5e-10 day
      // (0.0432 ms) up, takes the nearest millisecond and cuts to the
      // second. Draws too close to a millisecond's midpoint to tell in
      // double arithmetic are left out.
      const double dDay = std::floor(t);
      const double dMs = (t - dDay) * 86400000.0 + 500.0 + 0.0432;
      if (std::fabs(dMs - std::floor(dMs) - 0.5) < 0.05) continue;
      const double dSeconds = dDay * 86400.0 + std::floor(std::nearbyint(dMs) / 1000.0);
      CmString sText;
      m_time.mCorvaneTimeToStr(t, false, sText, 0);
      ASSERT_NE(sText, L"*") << t;
      double dRead = 0.0;
      ASSERT_TRUE(m_time.mStrToCorvaneTime(sText.c_str(), &dRead))
          << testing::PrintToString(sText.str());
      ASSERT_NEAR(dRead * 86400.0, dSeconds, 1e-3)
          << testing::PrintToString(sText.str()) << " " << t;
    }
  }
}
