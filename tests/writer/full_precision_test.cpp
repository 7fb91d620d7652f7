// mShowFullPrecision, which widens the format until no non-zero clock part
// is lost, and mExampleTime.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CvnBasicTypes.h"
#include "support/access.h"

namespace {

using namespace cvn::test;

using Access = CmTimeClsTestAccess;

const char* const kDT = "N1 D1 Y4 h1 m2 s2";

TEST_F(WriterTest, FullPrecision) {
  const int d = kJan1st2000;
  const double kMs = 1 / 86400000.0;
  // clang-format off
  const struct {
    const char* sSpec;
    double t;
    const wchar_t* sText;
    const char* sAfter;  // the part list afterwards
  } kRows[] = {
      // A time under a date format: the regional date-time format, widened
      // to the seconds and a one-digit fraction; below one day the regional
      // time format, with two digits for 0.12 s. A whole day or no parts:
      // the regional date format. Widened, then beyond 4000: "*".
      {"N1 D1 Y4", mAt(d, 12, 0, 1, 500), L"1/1/2000 12:00:01.5", "N1 D1 Y4 h1 m2 s2 f1"},
      {"N1 D1 Y4", 0.25 + 120 * kMs, L"6:00:00.12", "h1 m2 s2 f2"},
      {"N1 D1 Y4", mAt(d, 12, 0, 0, 7), L"1/1/2000 12:00:00.007", "N1 D1 Y4 h1 m2 s2 f3"},
      {"N1 D1 Y4", d, L"1/1/2000", "N1 D1 Y4"}, {"N1 D1 Y4 h1 m2", d, L"1/1/2000 0:00:00", kDT},
      {"", d, L"1/1/2000", "N1 D1 Y4"}, {"N1 D1 Y4", kDec31st4000 + 1.5, L"*", kDT},
      // Elapsed formats are widened in place; a finer last part is replaced.
      {"E h1 m2", 1.5 + 30 / 86400.0, L"36:00:30", "h1 m2 s2"},
      {"E h1 m2 s2 f1", 0.25 + 125 * kMs, L"6:00:00.125", "h1 m2 s2 f3"}, {"E", 0.25, L"06", "h2"},
      {"E h1 m2 s2 t1", 0.25 + 5 * kMs, L"6:00:00.005", "h1 m2 s2 f3"},
      // A part that finds all seven places taken is dropped.
      {"E h1 s1 s1 s1 s1 s1 s1", 0.25 + kMs, L"6:0:0:0:0:0:0", "h1 s1 s1 s1 s1 s1 s1"},
      // Values that cannot be shown leave the format as it was.
      {"N1 D1 Y4", CmCVNConst::kMissingValueCode, L"*", "N1 D1 Y4"},
      {"N1 D1 Y4", std::nan(""), L"*", "N1 D1 Y4"}, {"N1 D1 Y4", -HUGE_VAL, L"*", "N1 D1 Y4"},
      {"N1 D1 Y4", 2147483648.0, L"*", "N1 D1 Y4"},
  };
  // clang-format on
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.sSpec << " " << row.t);
    mFormat(row.sSpec);
    CmString sText(L"stale");
    m_time.mShowFullPrecision(row.t, sText);
    EXPECT_TRUE(sText == row.sText && Access::mSpec(m_time) == row.sAfter)
        << testing::PrintToString(sText.str()) << " " << Access::mSpec(m_time);
  }
  EXPECT_EQ(Access::mDateTimeFmt(m_time), L"m/d/yyyy h:mm:ss");  // the text is not rewritten
  // The 24-hour flag of the format before is kept.
  Access::mSetRegionalTime(m_time, L"h:mm:ss AM/PM");
  mFormat("N1 D1 Y4");
  CmString sText;
  m_time.mShowFullPrecision(mAt(d, 13), sText);
  EXPECT_TRUE(sText == L"1/1/2000 13:00:00" && Access::m24Hour(m_time));
}

// Elapsed formats show 12 hours, 29 minutes and 59.945 seconds; absolute
// formats the present (here 15 March 2020, 10:30:45.250).
TEST_F(WriterTest, ExampleTime) {
  const FixedClockGuard xClock({120, 74, 10, 30, 45, 250});
  for (const auto& [sSpec, pszText] :
       {std::make_pair("E h1 m2 s2", L"12:30:00"), std::make_pair("E h1 m2 s2 f3", L"12:29:59.945"),
        std::make_pair("E s1", L"45000"), std::make_pair(kDT, L"3/15/2020 10:30:45")}) {
    mFormat(sSpec);
    CmString sText;
    m_time.mExampleTime(sText);
    EXPECT_EQ(sText, pszText) << sSpec;
  }
}

}  // namespace
