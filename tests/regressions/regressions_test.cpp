// Faults that fuzzing found in the format model, the packed format words and
// the reader, one table row each; the comment of a row names its fault.

#include <string>
#include <vector>

#include "support/access.h"

namespace {

using namespace cvn::test;  // NOLINT(google-build-using-namespace)
using Words = std::vector<unsigned>;

// The canonical text of format on a copy of t ("" when refused; a copy:
// constructing an object would add to the legal list).
std::wstring mCanonical(const CmTimeCls& t0, const wchar_t* format) {
  CmTimeCls t = t0;
  CmString s;
  int iWidth = 0;
  bool bDate = false, bTime = false;
  if (!t.mSetFormat(format)) return L"";
  t.mGetFormat(s, &iWidth, &bDate, &bTime);
  return s.str();
}

// t's packed words, and those of a copy that restored them.
std::pair<Words, Words> mPackTwice(const CmTimeCls& t) {
  Words v, vAgain;
  t.mPackFormat(v);
  CmTimeCls u = t;
  u.mUnpackFormat(v);
  u.mPackFormat(vAgain);
  return {v, vAgain};
}

// Fault: under the input decimal "." and the output one ",", ".ms" has the
// canonical text "m ,s", read as "m ss"; the legal list held it. A format
// whose canonical text does not give itself back is refused.
TEST(Regressions, LegalListTakesOnlyStableCanonicalTexts) {
  const DecimalSymbolGuard xDecimals(L'.', L',');
  CmTimeCls t;
  t.mDeleteAllFormats();
  EXPECT_FALSE(t.mAddFormat(L".ms", false) || t.mAddFormat(L".M\u017f", true));
  EXPECT_TRUE(t.mAddFormat(L"m/d/yy", false) && t.mAddFormat(L"[h]:mm", true));
  for (const auto* v : {&CmTimeCls::m_vsLegalFmts, &CmTimeCls::m_vsTmpLegalFmts}) {
    ASSERT_EQ(v->size(), 1u);
    EXPECT_EQ(mCanonical(t, v->front().c_str()), v->front().str());
  }
  t.mDeleteAllFormats();
}

// Format texts and the width of their last part, a second, after a set
// (then packing what was unpacked is a fixed point); the restored format
// has the canonical text and writes a value as the original does.
TEST(Regressions, PackedWordsOfParsedFormats) {
  const struct {
    const wchar_t* sFormat;
    int iSecondWidth;        // 0: the last part is no second
  } kRows[] = {{L"s", 2},    // fault: a lone "s" was stored with one digit, its text being "ss"
               {L"sss", 2},  // the same fault: three letters, no separator
               {L"yyyy s", 2},    {L"[ss]", 1},        {L"[s]", 1},
               {L"mm:ss", 2},  // after a blank; elapsed; plain
               {L"m/d/yy", 0},    {L"mmmm d,yyyy", 0}, {L"h:mm:ss AM/PM", 2},
               {L"[h]:mm:ss", 2}, {L"yyyy/", 0},       {L"m/d/yy, h:mm", 0},
               {L"wwWk yyyy", 0}};
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    if (row.iSecondWidth > 0) {
      const std::string sSpec = CmTimeClsTestAccess::mSpec(t);
      EXPECT_EQ(sSpec.substr(sSpec.size() - 2), "s" + std::to_string(row.iSecondWidth));
    }
    const auto [vWords, vAgain] = mPackTwice(t);
    if (row.iSecondWidth > 0) {
      EXPECT_EQ(vAgain, vWords);
    }
    CmTimeCls u;
    u.mUnpackFormat(vWords);
    EXPECT_EQ(u.mGetDateTimeFmt().str(), mCanonical(t, row.sFormat));
    CmString sBefore, sAfter;
    t.mCorvaneTimeToStr(0.25 + 5.0 / 86400.0, false, sBefore, 0);
    u.mCorvaneTimeToStr(0.25 + 5.0 / 86400.0, false, sAfter, 0);
    EXPECT_EQ(sBefore.str(), sAfter.str());
  }
}

// Words no parsed format packs, under a decimal comma: the canonical text
// of what was read becomes current, so the words are a fixed point but for
// the comma bit. Only the generator's reports of parts of kind 0 are made.
TEST(Regressions, OddWordsRestoreToAFixedPoint) {
  const DecimalSymbolGuard xDecimals(L',', L',');
  const struct {
    Words vWords;
    const wchar_t* sText;
  } kRows[] = {
      {{0xff0001ffu, 0x00ff0000u, 0u}, L"ss"},  // fault: ",s   ,   ," restored a two-digit second
      {{0xfe4000ffu, 0x6d000000u, 0u}, L"m"},   // fault: ",  m ,   " kept the separator " "
  };
  for (const auto& row : kRows) {
    const AssertCapture xReports;
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(L"yyyymmdd"));
    t.mUnpackFormat(row.vWords);
    EXPECT_EQ(t.mGetDateTimeFmt().str(), row.sText);
    auto [vWords, vAgain] = mPackTwice(t);
    vWords[1] &= ~(1u << 30), vAgain[1] &= ~(1u << 30);
    EXPECT_EQ(vAgain, vWords);
    for (const std::string& e : AssertCapture::mReports()) EXPECT_EQ(e, "false time 89");
  }
}

// Reads under regional designators: the value, written back, reads again
// (dValue), or the text reads (bRead) and is written back as typed; the
// format afterwards (null: not checked). No read is reported.
TEST(Regressions, ReaderRows) {
  const struct {
    const wchar_t *sAM, *sPM, *sFormat, *sText;  // sText null: write dValue first
    double dValue;
    bool bRead;
    const wchar_t* sFollowed;
  } kRows[] = {
      // Fault: a glued designator was recognised only as a regional one.
      {L"", L"", L"yyyy/mm/dd h:mm:ssA/P", nullptr, 422784.59828929114, true, nullptr},
      {L"", L"", L"m/d/yyyy h:mm:ssAM/PM", nullptr, 36526.75, true, nullptr},
      {L"", L"", L"m/d/yyyy h:mm:ssam/pm", nullptr, 36526.25, true, nullptr},
      {L"a", L"p", L"m/d/yyyy h:mm:ssAM/PM", nullptr, 36526.75, true, nullptr},
      {L"AM", L"PM", L"m/d/yyyy h:mm:ssA/P", nullptr, 36526.75, true, nullptr},
      // Fault: under five-letter designators a word beginning with A or P
      // was taken for one.
      {L"vorm.", L"nachm.", L"d mmmm yyyy hh:mm:ss", L"16 April 3230 07:09:59", 0, true, nullptr},
      {L"vorm.", L"nachm.", L"d mmmm yyyy", L"3 August 2020", 0, true, nullptr},
      {L"vorm.", L"nachm.", L"d mmm yyyy", L"3 Aug 2020", 0, true, nullptr},
      {L"vorm.", L"nachm.", L"h:mm:ss vorm./nachm.", L"3:15:00nachm.", 0, true, nullptr},
      {L"vorm.", L"nachm.", L"h:mm:ss vorm./nachm.", L"3:15:00 vorm.", 0, true, nullptr},
      {L"vorm.", L"nachm.", L"h:mm:ss AM/PM", L"3:15:00PM", 0, true, nullptr},
      {L"vorm.", L"nachm.", L"h:mm:ss AM/PM", L"3:15:00Pause", 0, false, nullptr},
      {L"", L"", L"h:mm", L"10:30Apr", 0, false, nullptr},
      // Fault: decimals after the seconds under a format with a day and no
      // fraction part were reported as a broken invariant.
      {L"AM", L"PM", L"d/m h:mm:ss", L"8 5:05:22.55", 0, true, L"d h:mm:ss.ss"},
      {L"AM", L"PM", L"d/m/yyyy h:mm:ss", L"8/3/2020 5:05:22.5", 0, true, L"d/m/yyyy h:mm:ss.s"},
      {L"AM", L"PM", L"h:mm:ss", L"5:05:22.125", 0, true, L"h:mm:ss.sss"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sFormat));
    const AssertCapture xReports;
    CmRegionalSettings xSettings = mBuiltInRegionalSettings();
    xSettings.sAM = row.sAM, xSettings.sPM = row.sPM;
    const RegionalSettingsGuard xGuard(xSettings);
    CmTimeCls t;
    ASSERT_TRUE(t.mSetFormat(row.sFormat));
    CmString sText(row.sText != nullptr ? row.sText : L"");
    if (row.sText == nullptr) t.mCorvaneTimeToStr(row.dValue, false, sText, 0);
    double dRead = 0.0;
    ASSERT_EQ(t.mStrToCorvaneTime(sText.c_str(), &dRead), row.bRead) << mNarrow(sText.str());
    if (row.sText == nullptr) {
      EXPECT_NEAR(dRead, row.dValue, 0.5 / 86400.0 + 1e-9);
    }
    if (row.sFollowed != nullptr) {
      EXPECT_EQ(t.mGetDateTimeFmt().str(), row.sFollowed);
    }
    if (row.sText != nullptr && row.bRead && row.sFollowed == nullptr) {
      CmString sBack;
      t.mCorvaneTimeToStr(dRead, false, sBack, 0);
      EXPECT_EQ(sBack.str(), row.sText);
    }
    EXPECT_EQ(AssertCapture::mJoined(), "");
  }
}

}  // namespace
