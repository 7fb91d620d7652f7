// MWHEN, MMDATE and MTIME in both modes, against the members they combine.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnEntryPoints.h"

namespace {

const double kMissing = CmCVNConst::kMissingValueCode;
constexpr double kMs = 1.0 / 86400000.0;

using WhenFn = void (*)(int*, CmString**, int, double*, double*, int*);

struct xWhenResult {
  double dResult;
  int iOk;
};

xWhenResult mCallMode0(WhenFn fn, double value) {
  int iMode = 0;
  xWhenResult r{-7.0, -7};
  fn(&iMode, nullptr, 0, &value, &r.dResult, &r.iOk);
  return r;
}

xWhenResult mCallMode1(WhenFn fn, const wchar_t* text) {
  int iMode = 1;
  CmString sText(text);
  CmString* pText = &sText;
  double dValue = 99.0;  // not used in mode 1
  xWhenResult r{-7.0, -7};
  fn(&iMode, &pText, 0, &dValue, &r.dResult, &r.iOk);
  return r;
}

class WhenEntryPoints : public ::testing::Test {
 protected:
  void SetUp() override { m_sSaved = gcmTime.mGetDateTimeFmt(); }
  void TearDown() override { gcmTime.mSetFormat(m_sSaved.c_str()); }

  static std::wstring mFormat() { return gcmTime.mGetDateTimeFmt().str(); }
  static std::wstring mDefaultFormat() {
    CmTimeCls other;
    other.mSetDefFormat();
    return other.mGetDateTimeFmt().str();
  }

  CmString m_sSaved;
};

TEST_F(WhenEntryPoints, Mode0ChecksThatTheValueCanBeWritten) {
  struct Row {
    double dValue;
    bool bShowable;
    const char* pszNote;
  };
  const Row kRows[] = {
      {36526.5, true, "noon, 1 January 2000"},
      {0.0, true, "day 0"},
      {-0.25, true, "29 December 1899, 18:00"},
      {-328716.0, true, "1 January 1000"},
      {767376.5, true, "31 December 4000"},
      {kMissing, false, "missing"},
      {-328717.0, false, "31 December 999"},
      {767377.5, false, "1 January 4001"},
      {1e300, false, "huge"},
  };
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy h:mm:ss"));
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.pszNote);
    const xWhenResult r = mCallMode0(MWHEN, row.dValue);
    CmString sText;
    gcmTime.mCorvaneTimeToStr(row.dValue, false, sText, 0);
    EXPECT_EQ(r.iOk, sText == L"*" ? 0 : 1);
    EXPECT_EQ(r.iOk, row.bShowable ? 1 : 0);
    EXPECT_EQ(r.dResult, row.bShowable ? row.dValue : kMissing);
    EXPECT_EQ(mFormat(), std::wstring(L"m/d/yyyy h:mm:ss")) << "mode 0 keeps the format";
  }
}

TEST_F(WhenEntryPoints, Mode0DateAndTimeParts) {
  struct Row {
    double dValue;
    double dDate;
    double dTime;
  };
  const Row kRows[] = {
      {12345.75, 12345.0, 0.75},
      {12345.0, 12345.0, 0.0},
      {36526.5 + 250 * kMs, 36526.0, 0.5 + 250 * kMs},
      {-0.25, -1.0, 0.25},  // the time part is the distance toward zero
      {-1.75, -2.0, 0.75},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.dValue);
    const xWhenResult rDate = mCallMode0(MMDATE, row.dValue);
    const xWhenResult rTime = mCallMode0(MTIME, row.dValue);
    EXPECT_EQ(rDate.iOk, 1);
    EXPECT_EQ(rTime.iOk, 1);
    EXPECT_EQ(rDate.dResult, row.dDate);
    EXPECT_NEAR(rTime.dResult, row.dTime, 1e-12);
  }
}

TEST_F(WhenEntryPoints, Mode0UnshowableValueIsMissingInEveryForm) {
  for (WhenFn fn : {MWHEN, MMDATE, MTIME}) {
    const xWhenResult r = mCallMode0(fn, 2e6);
    EXPECT_EQ(r.iOk, 0);
    EXPECT_EQ(r.dResult, kMissing) << "not floored or cut to a fraction";
  }
}

TEST_F(WhenEntryPoints, Mode1ReadsUnderTheDefaultFormat) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
  const xWhenResult r = mCallMode1(MWHEN, L"3/15/2020");
  // The same steps on the members.
  ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
  gcmTime.mSetDefFormat();
  double dExpected = 0.0;
  const bool bExpected = gcmTime.mStrToCorvaneTime(L"3/15/2020", &dExpected);
  EXPECT_EQ(r.iOk, bExpected ? 1 : 0);
  EXPECT_EQ(r.dResult, dExpected);
  EXPECT_EQ(r.iOk, 1);
  EXPECT_EQ(r.dResult, 43905.0);
}

TEST_F(WhenEntryPoints, Mode1FailureLeavesTheDefaultFormat) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
  const xWhenResult r = mCallMode1(MWHEN, L"no date here");
  EXPECT_EQ(r.iOk, 0);
  EXPECT_EQ(r.dResult, kMissing);
  EXPECT_EQ(mFormat(), mDefaultFormat());
}

TEST_F(WhenEntryPoints, Mode1EmptyTextIsMissingAndOk) {
  for (const wchar_t* pszText : {L"", L"  ", L"*"}) {
    const xWhenResult r = mCallMode1(MWHEN, pszText);
    EXPECT_EQ(r.iOk, 1);
    EXPECT_EQ(r.dResult, kMissing);
  }
}

TEST_F(WhenEntryPoints, Mode1DateAndTimeParts) {
  const xWhenResult rWhen = mCallMode1(MWHEN, L"3/15/2020 6:00 PM");
  ASSERT_EQ(rWhen.iOk, 1);
  EXPECT_DOUBLE_EQ(rWhen.dResult, 43905.75);
  const xWhenResult rDate = mCallMode1(MMDATE, L"3/15/2020 6:00 PM");
  EXPECT_EQ(rDate.iOk, 1);
  EXPECT_EQ(rDate.dResult, 43905.0);
  const xWhenResult rTime = mCallMode1(MTIME, L"3/15/2020 6:00 PM");
  EXPECT_EQ(rTime.iOk, 1);
  EXPECT_DOUBLE_EQ(rTime.dResult, 0.75);
  // A failed read is not floored or cut: the missing-value code stays.
  EXPECT_EQ(mCallMode1(MMDATE, L"junk").dResult, kMissing);
  EXPECT_EQ(mCallMode1(MTIME, L"junk").dResult, kMissing);
}

TEST_F(WhenEntryPoints, ModeOtherThanOneIsMode0) {
  for (int iMode : {0, 2, -1, 1000}) {
    double dValue = 36526.5;
    double dResult = 0.0;
    int iOk = -1;
    MWHEN(&iMode, nullptr, 0, &dValue, &dResult, &iOk);
    EXPECT_EQ(iOk, 1) << iMode;
    EXPECT_EQ(dResult, 36526.5) << iMode;
  }
}

TEST_F(WhenEntryPoints, NullPointers) {
  // No mode reads as mode 0; no value as 0 (30 December 1899, showable).
  double dResult = -1.0;
  int iOk = -1;
  MWHEN(nullptr, nullptr, 0, nullptr, &dResult, &iOk);
  EXPECT_EQ(iOk, 1);
  EXPECT_EQ(dResult, 0.0);
  // Mode 1 without text reads empty text: missing and ok.
  int iMode = 1;
  dResult = -1.0;
  MTIME(&iMode, nullptr, 0, nullptr, &dResult, &iOk);
  EXPECT_EQ(iOk, 1);
  EXPECT_EQ(dResult, kMissing);
  CmString* pNull = nullptr;
  MMDATE(&iMode, &pNull, 0, nullptr, &dResult, &iOk);
  EXPECT_EQ(dResult, kMissing);
  // Out-values that are null are skipped.
  for (WhenFn fn : {MWHEN, MMDATE, MTIME}) {
    double dValue = 36526.5;
    fn(nullptr, nullptr, 0, &dValue, nullptr, nullptr);
    fn(&iMode, nullptr, 0, nullptr, nullptr, nullptr);
  }
}

TEST_F(WhenEntryPoints, NaNValueDoesNotTrap) {
  for (WhenFn fn : {MWHEN, MMDATE, MTIME}) {
    const xWhenResult r = mCallMode0(fn, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(r.iOk == 0 || r.iOk == 1);
    if (r.iOk == 0) {
      EXPECT_EQ(r.dResult, kMissing);
    }
  }
}

}  // namespace
