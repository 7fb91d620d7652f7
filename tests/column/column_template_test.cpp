// The fast path: a text that matches the template of another text reads to
// the same fields as through the general reader, under every decision.

#include <string>
#include <vector>

#include "tests/column/column_support.h"
#include "time/column/column_impl.h"

namespace cvn::test {
namespace {

namespace cc = cvn::column;

// What a text reads to under a few decisions, as one comparable text.
std::string mOutcomes(const cc::xFields& f) {
  std::string s = std::to_string(cc::mShapeKey(f)) + "|" + std::to_string(f.a) + "," +
                  std::to_string(f.b) + "," + std::to_string(f.c) + "," + std::to_string(f.na) +
                  std::to_string(f.nb) + std::to_string(f.nc) + std::to_string(f.nHour) +
                  std::to_string(f.nFraction);
  for (int i = 0; i < 6; ++i) {
    cc::xDecision d;
    d.eKind = i < 3    ? eColumnKind::eDateTime
              : i == 3 ? eColumnKind::eElapsed
                       : eColumnKind::eTimeOfDay;
    d.bElapsed = i == 3;
    d.uOrder = i == 1 ? cc::kDmy : i == 2 ? cc::kYmd : cc::kMdy;
    d.bToUtc = i == 2 || i == 5;
    double dValue = 0.0;
    cc::eReason eWhy = cc::eReason::eNone;
    int iDay = 0, iLength = 0;
    const bool bRead = cc::mResolve(f, d, &dValue, &eWhy, &iDay, &iLength);
    s += "|" + (bRead ? std::to_string(dValue) : cc::mReasonText(eWhy, iDay, iLength));
  }
  return s;
}

TEST(ColumnTemplate, MatchesReadAsTheGeneralReader) {
  const std::vector<std::wstring> vTexts = {L"3/15/2020 10:30:45 PM",
                                            L"3/15/2020 10:30:45 pm",
                                            L"12/1/2020 1:30:45 am",
                                            L"3/15/2020 10:30:45 P",
                                            L"3/15/2020 10:30:45 p.m.",
                                            L"3/15/2020 10:30:45 PM.",
                                            L"12/31/20 1:02",
                                            L"31/12/20 13:02",
                                            L"2020-03-15T10:30:45Z",
                                            L"2020-03-15t10:30:45z",
                                            L"2020-03-15T10:30:45.5+01:00",
                                            L"2020-03-15T10:30:45.123456-01:00",
                                            L"2020-03-15 10:30:45 -0800",
                                            L"2020-03-15T10:30:45+1:00",
                                            L"2020-03-15T10:30:45+25:00",
                                            L"2020-03-15T10:30:45ZZ",
                                            L"2020-3-5",
                                            L"2020-03-15",
                                            L"15.03.2020",
                                            L"1.02:03:04",
                                            L"12.02:03:04",
                                            L"-1:30:00",
                                            L"+1:30:00",
                                            L"26:00:00",
                                            L"100:00",
                                            L"3/15",
                                            L"15.03.",
                                            L"10:30:45.123456789",
                                            L"1 02:03:04",
                                            L"2020-03-15T10:30:45 PM",
                                            L"12/31/2020 12:00AM",
                                            L"12/31/2020 12:00am",
                                            L"2020-03-15T10:30:45+0530",
                                            L"2020-03-15T10:30:45+05",
                                            L"20200315T103045",
                                            L"3/15/2020 10:30:45 PMX",
                                            L"3/15/2020  10:30:45 PM"};
  const cc::xNames xNames = cc::mNamesInForce();
  cc::xTokens xTokens;
  int iMatches = 0;
  for (const std::wstring& sSample : vTexts) {
    cc::xFields xSample;
    if (!cc::mTokenise(sSample, xNames, xTokens) || !cc::mParseFields(xTokens, xSample)) continue;
    cc::xTemplate xTemplate;
    if (!cc::mMakeTemplate(sSample, xSample, xTemplate)) continue;
    for (const std::wstring& sText : vTexts) {
      cc::xFields xFast;
      if (!cc::mMatchTemplate(xTemplate, sText, false, xFast)) continue;
      SCOPED_TRACE(std::string(sSample.begin(), sSample.end()) + " / " +
                   std::string(sText.begin(), sText.end()));
      ++iMatches;
      cc::xFields xGeneral;
      ASSERT_TRUE(cc::mTokenise(sText, xNames, xTokens) && cc::mParseFields(xTokens, xGeneral));
      EXPECT_EQ(mOutcomes(xFast), mOutcomes(xGeneral));
      // Matched again with the sample's fields already in place.
      cc::xFields xAgain = xTemplate.xBase;
      ASSERT_TRUE(cc::mMatchTemplate(xTemplate, sText, true, xAgain));
      EXPECT_EQ(mOutcomes(xAgain), mOutcomes(xGeneral));
    }
  }
  EXPECT_GE(iMatches, 40);  // every sample with a template matches itself, and more
}

}  // namespace
}  // namespace cvn::test
