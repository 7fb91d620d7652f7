// Parser boundaries and error cases: the length limit, what a refusal
// leaves in the outputs, the decimal comma, the week label, odd Unicode and
// exhaustive sweeps over short texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmTimeCls.h"
#include "format/parser_access.h"
#include "time/format/parser_scan.h"

namespace {

class FormatParserEdges : public ::testing::Test {
 protected:
  void SetUp() override { CmTimeClsTestAccess::mSetEnglishDesignators(m_t); }

  xSharedStateGuard m_xGuard;
  CmTimeCls m_t;
};

TEST_F(FormatParserEdges, LengthLimitCountsTheNormalisedText) {
  // "@" is passed over by the scan, so it pads a legal format.
  const std::wstring sBase = L"m/d/yy";
  const std::wstring s79 = sBase + std::wstring(79 - sBase.size(), L'@');
  const std::wstring s80 = s79 + L"@";
  EXPECT_TRUE(CmTimeClsTestAccess::mParse(m_t, s79.c_str()).bOk);
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, s80.c_str()).bOk);
  // Runs of blanks are collapsed before the length is measured.
  const std::wstring sBlanks = L"m/d/yy" + std::wstring(500, L' ') + L"h:mm";
  EXPECT_TRUE(CmTimeClsTestAccess::mParse(m_t, sBlanks.c_str()).bOk);
  // The blank put after the first comma counts.
  const std::wstring sComma78 = L"mmmm d,yyyy" + std::wstring(78 - 11, L'@');
  EXPECT_EQ(sComma78.size(), 78u);
  EXPECT_TRUE(CmTimeClsTestAccess::mParse(m_t, sComma78.c_str()).bOk);
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, (sComma78 + L"@").c_str()).bOk);
}

TEST_F(FormatParserEdges, EarlyRefusalClearsOutputsAndKeepsTheClass) {
  CmTimeClsTestAccess::mSetFormatClass(m_t, eDateTimeFormat);
  const std::wstring sLong(80, L'h');
  xParsed r = CmTimeClsTestAccess::mParse(m_t, sLong.c_str());
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.sDateSep, L"");
  EXPECT_EQ(r.sTimeSep, L"");
  EXPECT_EQ(r.iNumParts, 0);
  EXPECT_TRUE(r.b24Hour);
  EXPECT_EQ(r.eStyle, CmTimeCls::eAmPmUpperSpaced);
  EXPECT_EQ(r.eFormat, eDateTimeFormat);

  r = CmTimeClsTestAccess::mParse(m_t, L"  ");
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.eFormat, eDateTimeFormat);
  r = CmTimeClsTestAccess::mParse(m_t, nullptr);
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.eFormat, eDateTimeFormat);

  // A refusal found by the scan sets the class from what was seen.
  r = CmTimeClsTestAccess::mParse(m_t, L"h:m");
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.eFormat, eTimeFormat);
}

TEST_F(FormatParserEdges, ElapsedFlagIsSetWhenABracketClosesEvenIfRefused) {
  xParsed r = CmTimeClsTestAccess::mParse(m_t, L"[d]");
  EXPECT_FALSE(r.bOk);
  EXPECT_TRUE(r.bElapsed);
  r = CmTimeClsTestAccess::mParse(m_t, L"h:mm:ss");
  EXPECT_FALSE(r.bElapsed);
  // The flag as it stood before the parse refuses a designator.
  CmTimeCls::m_bElapsedTimeFlag = true;
  r = CmTimeClsTestAccess::mParseKeepingFlag(m_t, L"h:mm am/pm");
  EXPECT_FALSE(r.bOk);
  EXPECT_TRUE(r.bElapsed);
}

TEST_F(FormatParserEdges, DecimalComma) {
  mSetInputDecimal(L',');
  xParsed r = CmTimeClsTestAccess::mParse(m_t, L"h:mm:ss,sss");
  ASSERT_TRUE(r.bOk);
  ASSERT_EQ(r.iNumParts, 4);
  EXPECT_EQ(r.xParts[3].ePart, xThousandth);
  EXPECT_EQ(r.xParts[3].iCount, 3);
  mSetOutputDecimal(L',');
  EXPECT_EQ(CmTimeClsTestAccess::mGenerate(m_t, r, false), L"h:mm:ss,sss");
  // The comma of "mmmm d, yyyy" still joins the date separator.
  r = CmTimeClsTestAccess::mParse(m_t, L"mmmm d,yyyy");
  EXPECT_TRUE(r.bOk);
  EXPECT_EQ(r.sDateSep, L", ");
  // With a comma decimal the point is an ordinary separator and may not
  // lead a format; the comma may.
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L"hh:mm:ss.sss").bOk);
  EXPECT_TRUE(CmTimeClsTestAccess::mParse(m_t, L",ss").bOk);
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L".ss").bOk);

  mSetInputDecimal(L'.');
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, L"h:mm:ss,sss").bOk);
  EXPECT_TRUE(CmTimeClsTestAccess::mParse(m_t, L"hh:mm:ss.sss").bOk);
}

TEST_F(FormatParserEdges, NormalisationOfBlanksAndTheFirstComma) {
  using cvn::detail::mNormaliseFormatText;
  const struct {
    const wchar_t* sIn;
    wchar_t cDecimal;
    const wchar_t* sOut;
  } kRows[] = {
      {L"mmmm d,yyyy", L'.', L"mmmm d, yyyy"},
      {L"mmmm d , yyyy", L'.', L"mmmm d, yyyy"},
      {L"mmmm d  ,yyyy", L'.', L"mmmm d, yyyy"},
      {L"a\t\t b", L'.', L"a b"},
      {L"x,", L'.', L"x,"},
      {L"x ,", L'.', L"x,"},
      {L",x", L'.', L", x"},
      {L",x", L',', L", x"},          // first position: no decimal test
      {L"ss,sss", L',', L"ss,sss"},   // decimal comma left alone
      {L"SS,sss", L',', L"SS, sss"},  // only a lower-case "s" marks it
      {L"ss,sss", L'.', L"ss, sss"},
      {L"a,b,c", L'.', L"a, b,c"},  // only the first comma
      {L"", L'.', L""},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(mNarrow(row.sIn));
    EXPECT_EQ(mNormaliseFormatText(row.sIn, row.cDecimal), row.sOut);
  }
  EXPECT_EQ(mNormaliseFormatText(nullptr, L'.'), L"");
}

TEST_F(FormatParserEdges, WeekFormatsNeedTheWkLabel) {
  // Decision: only the label "Wk" makes a week format legal; another
  // resource text refuses every week format.
  cvn::detail::xFormatScanInput xIn;
  xIn.xDesignators.sAMDefault = L"AM";
  xIn.xDesignators.sPMDefault = L"PM";
  for (const wchar_t* sFormat : {L"WWWK YYYY", L"YYYYWKW"}) {
    SCOPED_TRACE(mNarrow(sFormat));
    cvn::detail::xFormatScan xOut;
    xIn.sWeekLabel = L"Wk";
    EXPECT_TRUE(cvn::detail::mScanFormat(sFormat, xIn, xOut));
    cvn::detail::xFormatScan xOther;
    xIn.sWeekLabel = L"Wo";
    EXPECT_FALSE(cvn::detail::mScanFormat(sFormat, xIn, xOther));
    EXPECT_EQ(xOther.sDateSep, L"Wo");
    cvn::detail::xFormatScan xNone;
    xIn.sWeekLabel.clear();
    EXPECT_FALSE(cvn::detail::mScanFormat(sFormat, xIn, xNone));
  }
}

TEST_F(FormatParserEdges, SeparatorsAreWrittenEvenWhenRefused) {
  xParsed r = CmTimeClsTestAccess::mParse(m_t, L"mm Qq");
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.sDateSep, L"Q");
  EXPECT_EQ(r.sTimeSep, L":");
  r = CmTimeClsTestAccess::mParse(m_t, L"m-d/yy x");
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.sDateSep, L"-");
}

TEST_F(FormatParserEdges, NeverMoreThanSevenParts) {
  // Eight distinct parts: the eighth is refused and nothing is written past
  // the seventh record.
  xParsed r = CmTimeClsTestAccess::mParse(m_t, L"m/d/yyyy h:mm:ss.sss Qq");
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.iNumParts, 7);
  r = CmTimeClsTestAccess::mParse(m_t, L"m/d/yyyy h:mm:ss.sss wWk");
  EXPECT_FALSE(r.bOk);
  EXPECT_EQ(r.iNumParts, 7);
}

TEST_F(FormatParserEdges, OddUnicodeIsRefusedWithoutHarm) {
  const std::vector<std::wstring> kTexts = {
      std::wstring(1, static_cast<wchar_t>(0x80)),
      std::wstring(1, static_cast<wchar_t>(0xFF)),
      std::wstring(1, static_cast<wchar_t>(0xD800)),  // lone high surrogate
      std::wstring(1, static_cast<wchar_t>(0xDFFF)),  // lone low surrogate
      std::wstring(1, static_cast<wchar_t>(0xFFFF)),
      std::wstring(1, static_cast<wchar_t>(0xFEFF)) + L"m/d/yy",  // byte-order mark
      L"m/d/yy" + std::wstring(1, static_cast<wchar_t>(0x200B)),  // zero-width space
      L"h:mm " + std::wstring(1, static_cast<wchar_t>(0x00C0)),
      std::wstring(1, static_cast<wchar_t>(0xFF4D)) + L"/d/yy",   // fullwidth m
      L"m/d/yy" + std::wstring(3, static_cast<wchar_t>(0x0301)),  // combining accents
  };
  for (const std::wstring& s : kTexts) {
    SCOPED_TRACE(mNarrow(s));
    const xParsed r = CmTimeClsTestAccess::mParse(m_t, s.c_str());
    EXPECT_FALSE(r.bOk);
    EXPECT_LE(r.iNumParts, CmTimeCls::kMaxParts);
  }
  // Non-ASCII locale designators are compared as they stand. A script
  // without case has equal upper and lower designators, so the token reads
  // as the lower-case style (both write the same text).
  CmTimeClsTestAccess::mSetDesignators(m_t, L"\u4E0A\u5348", L"\u4E0B\u5348", L"\u4E0A\u5348",
                                       L"\u4E0B\u5348");
  const xParsed r = CmTimeClsTestAccess::mParse(m_t, L"h:mm \u4E0A\u5348/\u4E0B\u5348");
  EXPECT_TRUE(r.bOk);
  EXPECT_FALSE(r.b24Hour);
  EXPECT_EQ(r.eStyle, CmTimeCls::eLocaleLowerSpaced);
}

TEST_F(FormatParserEdges, HugeTextIsRefused) {
  const std::wstring sHuge(1 << 20, L'y');
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, sHuge.c_str()).bOk);
  std::wstring sMixed;
  for (int i = 0; i < 100000; ++i) sMixed += L"m/d ";
  EXPECT_FALSE(CmTimeClsTestAccess::mParse(m_t, sMixed.c_str()).bOk);
}

// Every text of up to four characters from an alphabet of format letters
// and separators: no crash, at most seven parts, each accepted text has no
// duplicate part and counts in their ranges.
TEST_F(FormatParserEdges, ExhaustiveShortTexts) {
  const std::wstring kAlphabet = L"ymdhsqQwWkaApPM[]/:.,- @x";
  const size_t n = kAlphabet.size();
  std::wstring s;
  int iAccepted = 0;
  for (int iLen = 1; iLen <= 4; ++iLen) {
    size_t iTotal = 1;
    for (int k = 0; k < iLen; ++k) iTotal *= n;
    for (size_t code = 0; code < iTotal; ++code) {
      s.clear();
      size_t c = code;
      for (int k = 0; k < iLen; ++k) {
        s += kAlphabet[c % n];
        c /= n;
      }
      const xParsed r = CmTimeClsTestAccess::mParse(m_t, s.c_str());
      ASSERT_GE(r.iNumParts, 0) << mNarrow(s);
      ASSERT_LE(r.iNumParts, CmTimeCls::kMaxParts) << mNarrow(s);
      if (!r.bOk) continue;
      ++iAccepted;
      for (int i = 0; i < r.iNumParts; ++i) {
        ASSERT_GE(r.xParts[i].ePart, xYear) << mNarrow(s);
        ASSERT_LE(r.xParts[i].ePart, xThousandth) << mNarrow(s);
        ASSERT_GE(r.xParts[i].iCount, 1) << mNarrow(s);
        for (int j = 0; j < i; ++j) ASSERT_NE(r.xParts[i].ePart, r.xParts[j].ePart) << mNarrow(s);
      }
      ASSERT_EQ(r.sTimeSep, L":") << mNarrow(s);
    }
  }
  EXPECT_GT(iAccepted, 100);
}

}  // namespace
