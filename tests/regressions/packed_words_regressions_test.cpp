// Regressions of packed format words found by fuzzing.

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"
#include "regressions/regressions_access.h"

namespace {

// Restores t's packed words on a copy and packs the copy again.
std::vector<unsigned> mRepack(const CmTimeCls& t) {
  std::vector<unsigned> vWords;
  t.mPackFormat(vWords);
  CmTimeCls u = t;
  u.mUnpackFormat(vWords);
  std::vector<unsigned> vAgain;
  u.mPackFormat(vAgain);
  return vAgain;
}

// Fault: a run of "s" that is neither after ":" nor after the decimal
// symbol was stored with its own length ("s" as a one-digit second), while
// its canonical text is always "ss"; so saving the format as packed words
// and restoring it gave another format (two-digit seconds), and packing
// what was unpacked was no fixed point.
TEST(Regressions, LoneSecondsSurvivePackedWords) {
  const struct {
    const wchar_t* sFormat;
    int iCount;  // the width the second is stored with
  } kRows[] = {
      {L"s", 2},                      // a lone one-letter second
      {L"sss", 2},                    // three letters, no separator
      {L"yyyy s", 2},                 // after a blank, behind a date part
      {L"[ss]", 1},                   // elapsed, written back as "[s]"
      {L"[s]", 1},    {L"mm:ss", 2},  // the ordinary spelling, unchanged
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.sFormat, row.sFormat + std::wcslen(row.sFormat)));
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    const int iLast = CmTimeClsTestAccess::mNumParts(t) - 1;
    ASSERT_GE(iLast, 0);
    EXPECT_EQ(CmTimeClsTestAccess::mPart(t, iLast).ePart, xSecond);
    EXPECT_EQ(CmTimeClsTestAccess::mPart(t, iLast).iCount, row.iCount);

    std::vector<unsigned> vWords;
    t.mPackFormat(vWords);
    EXPECT_EQ(mRepack(t), vWords);

    // The restored format writes a value as the original does.
    CmTimeCls u = t;
    u.mUnpackFormat(vWords);
    CmString sBefore;
    CmString sAfter;
    t.mSetFormat(row.sFormat);
    t.mCorvaneTimeToStr(0.25 + 5.0 / 86400.0, false, sBefore, 0);
    u.mCorvaneTimeToStr(0.25 + 5.0 / 86400.0, false, sAfter, 0);
    EXPECT_EQ(sBefore.str(), sAfter.str());
  }
}

// Faults, both with words that no parsed format packs, under a decimal comma.
// Seven parts with kinds 0 beside a one-digit fraction gave the text
// ",s   ,   ," (a one-digit second to the parser), whose packed form restored
// as a two-digit one. A month number between parts of kind 0 gave ",  m ,   ",
// read as a month with the date separator " ", which its canonical text "m"
// has not. The canonical text of what was read is now made current, so the
// restored words are a fixed point but for the comma bit, which follows the
// text. Only the generator's reports of parts of kind 0 are made.
TEST(Regressions, OddWordsRestoreToAFixedPoint) {
  const wchar_t cIn = mGetInputDecimal();
  const wchar_t cOut = mGetOutputDecimal();
  mSetInputDecimal(L',');
  mSetOutputDecimal(L',');
  const struct {
    std::vector<unsigned> vWords;
    const wchar_t* sText;  // the format made current
  } kRows[] = {{{0xff0001ffu, 0x00ff0000u, 0u}, L"ss"}, {{0xfe4000ffu, 0x6d000000u, 0u}, L"m"}};
  for (const auto& row : kRows) {
    cvn::test::ReportCapture xReports;
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(L"yyyymmdd"));
    t.mUnpackFormat(row.vWords);
    EXPECT_EQ(t.mGetDateTimeFmt().str(), row.sText);
    std::vector<unsigned> vWords;
    t.mPackFormat(vWords);
    std::vector<unsigned> vAgain = mRepack(t);
    vWords[1] &= ~(1u << 30);
    vAgain[1] &= ~(1u << 30);
    EXPECT_EQ(vAgain, vWords);
    for (const std::string& e : xReports.mGet()) EXPECT_EQ(e, "false");
  }
  mSetInputDecimal(cIn);
  mSetOutputDecimal(cOut);
}

// The words of a parsed format restore its canonical text as generated.
TEST(Regressions, WordsOfAParsedFormatRestoreItsCanonicalText) {
  const wchar_t* const kFormats[] = {L"m/d/yy", L"mmmm d,yyyy",  L"h:mm:ss AM/PM", L"[h]:mm:ss",
                                     L"yyyy/",  L"m/d/yy, h:mm", L"wwWk yyyy"};
  for (const wchar_t* f : kFormats) {
    SCOPED_TRACE(std::string(f, f + std::wcslen(f)));
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(f));
    CmString sCanonical;
    int iWidth = 0;
    bool bDate = false;
    bool bTime = false;
    t.mGetFormat(sCanonical, &iWidth, &bDate, &bTime);
    std::vector<unsigned> vWords;
    t.mPackFormat(vWords);
    CmTimeCls u;
    u.mUnpackFormat(vWords);
    EXPECT_EQ(u.mGetDateTimeFmt().str(), sCanonical.str());
  }
}

}  // namespace
