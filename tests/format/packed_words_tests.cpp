// Packed format words: every bit position, the fraction encoding, the
// separators, short and long vectors, the reserved word, the version-14
// form and arbitrary words, which must never break the object.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmTimeCls.h"
#include "format/select_access.h"
#include "platform/settings_guard.h"
#include "time/format/packed_words.h"

namespace {

using Access = CmTimeClsTestAccess;
using Words = std::vector<unsigned>;
using cvn::detail::xPackedFormat;

class PackedWords : public ::testing::Test {
 protected:
  PackedWords() : m_xGuard(mBuiltInRegionalSettings()) {}
  cvn::test::RegionalSettingsGuard m_xGuard;
};

unsigned mBits(unsigned w, int first, int count) {
  return (w >> first) & ((count >= 32) ? 0xFFFFFFFFu : ((1u << count) - 1u));
}

TEST_F(PackedWords, DayMonthYearLayout) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"d/m/yyyy"));
  Words w{7, 7, 7, 7, 7, 7};
  t.mPackFormat(w);
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(mBits(w[0], 0, 3), 3u);
  EXPECT_EQ(mBits(w[0], 3, 1), 1u);  // 24-hour flag: no designator
  EXPECT_EQ(mBits(w[0], 4, 4), 9u);  // day
  EXPECT_EQ(mBits(w[0], 8, 4), 1u);
  EXPECT_EQ(mBits(w[0], 12, 4), 4u);  // month number
  EXPECT_EQ(mBits(w[0], 16, 4), 1u);
  EXPECT_EQ(mBits(w[0], 20, 4), 1u);  // year
  EXPECT_EQ(mBits(w[0], 24, 4), 4u);
  EXPECT_EQ(mBits(w[0], 28, 4), 0u);
  EXPECT_EQ(w[0], 0x0411419Bu);
  EXPECT_EQ(w[1], 0u);
  // Only the "/": a date format stores no time separator, and style 0.
  EXPECT_EQ(w[2], static_cast<unsigned>(L'/'));
  EXPECT_EQ(w[3], 0u);
}

TEST_F(PackedWords, SevenPartsFillEveryField) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"dd/mm/yy hh:mm:ss.sss AM/PM"));
  ASSERT_EQ(Access::mNumParts(t), 7);
  Words w;
  t.mPackFormat(w);
  const unsigned kKinds[7] = {9, 4, 1, 10, 11, 12, 13};
  const unsigned kCounts[7] = {2, 2, 2, 2, 2, 2, 2};
  const int kKindWord[7] = {0, 0, 0, 0, 1, 1, 1};
  const int kKindBit[7] = {4, 12, 20, 28, 4, 12, 20};
  const int kCountWord[7] = {0, 0, 0, 1, 1, 1, 1};
  const int kCountBit[7] = {8, 16, 24, 0, 8, 16, 24};
  EXPECT_EQ(mBits(w[0], 0, 3), 7u);
  EXPECT_EQ(mBits(w[0], 3, 1), 0u);  // 12-hour
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(mBits(w[static_cast<size_t>(kKindWord[i])], kKindBit[i], 4), kKinds[i]);
    EXPECT_EQ(mBits(w[static_cast<size_t>(kCountWord[i])], kCountBit[i], 4), kCounts[i]);
  }
  EXPECT_EQ(mBits(w[1], 28, 2), 3u);  // three decimals
  EXPECT_EQ(mBits(w[1], 30, 1), 0u);
  EXPECT_EQ(mBits(w[1], 31, 1), 0u);
  EXPECT_EQ(mBits(w[2], 0, 8), static_cast<unsigned>(L'/'));
  EXPECT_EQ(mBits(w[2], 8, 8), 0u);
  EXPECT_EQ(mBits(w[2], 16, 8), static_cast<unsigned>(L':'));
  EXPECT_EQ(mBits(w[2], 24, 8), 0u);  // eAmPmUpperSpaced
  EXPECT_EQ(w[3], 0u);

  CmTimeCls u;
  ASSERT_TRUE(u.mSetFormat(L"m/d/yy"));
  u.mUnpackFormat(w);
  EXPECT_EQ(Access::mNumParts(u), 7);
  EXPECT_EQ(Access::mPart(u, 6).ePart, xThousandth);
  EXPECT_EQ(Access::mPart(u, 6).iCount, 3);
  EXPECT_EQ(u.mGetDateTimeFmt().str(), L"dd/mm/yy hh:mm:ss.sss AM/PM");
}

TEST_F(PackedWords, ClassFlagsAndSeparatorsAndStyle) {
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"mmmm d, yyyy"));
  Words w;
  t.mPackFormat(w);
  EXPECT_EQ(mBits(w[1], 30, 1), 1u);  // comma
  EXPECT_EQ(mBits(w[1], 31, 1), 0u);
  EXPECT_EQ(mBits(w[2], 0, 8), static_cast<unsigned>(L','));
  EXPECT_EQ(mBits(w[2], 8, 8), static_cast<unsigned>(L' '));

  ASSERT_TRUE(t.mSetFormat(L"[h]:mm:ss"));
  t.mPackFormat(w);
  EXPECT_EQ(mBits(w[1], 30, 1), 0u);
  EXPECT_EQ(mBits(w[1], 31, 1), 1u);  // elapsed

  ASSERT_TRUE(t.mSetFormat(L"h:mm a/p"));
  t.mPackFormat(w);
  EXPECT_EQ(mBits(w[2], 24, 8), 5u);  // eApLowerSpaced
  EXPECT_EQ(mBits(w[2], 0, 8), 0u);   // no date separator

  ASSERT_TRUE(t.mSetFormat(L"wwWk yyyy"));
  t.mPackFormat(w);
  EXPECT_EQ(mBits(w[2], 0, 8), static_cast<unsigned>(L'W'));
  EXPECT_EQ(mBits(w[2], 8, 8), static_cast<unsigned>(L'k'));
}

// Formats that pack and unpack to the same canonical text and flags.
const wchar_t* const kRoundTrip[] = {
    L"m/d/yy",      L"mm/dd/yyyy", L"d-mmm-yy h:mm:ss", L"mmmm d, yyyy",
    L"d mmmm yyyy", L"yyyyQq",     L"qQyyyy",           L"wwWkyyyy",
    L"yyyyWkww",    L"yyyymmdd",   L"h:mm:ss AM/PM",    L"h:mm:ss am/pm",
    L"h:mm A/P",    L"h:mm:ssa/p", L"[h]:mm:ss",        L"[m]:ss",
    L"[s]",         L"h:mm:ss.s",  L"h:mm:ss.ss",       L"h:mm:ss.sss",
    L"mmm yyyy",    L"d mmm",      L"dd.mm.yyyy hh:mm", L"yyyy-mm-dd hh:mm:ss.ss",
};

TEST_F(PackedWords, RoundTripThroughAnotherObject) {
  for (const wchar_t* pszFormat : kRoundTrip) {
    SCOPED_TRACE(cvn::test::mNarrow(pszFormat));
    CmTimeCls a;
    ASSERT_TRUE(a.mSetFormat(pszFormat));
    CmString sA;
    int iWidthA = 0;
    bool bDateA = false;
    bool bTimeA = false;
    a.mGetFormat(sA, &iWidthA, &bDateA, &bTimeA);
    const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
    const bool bComma = CmTimeCls::m_bFmtHasComma;
    Words w;
    a.mPackFormat(w);

    CmTimeCls b;
    ASSERT_TRUE(b.mSetFormat(L"hh:mm"));
    cvn::test::AssertCapture xCapture;
    b.mUnpackFormat(w);
    EXPECT_TRUE(xCapture.mGet().empty());
    CmString sB;
    int iWidthB = 0;
    bool bDateB = false;
    bool bTimeB = false;
    b.mGetFormat(sB, &iWidthB, &bDateB, &bTimeB);
    EXPECT_EQ(sB.str(), sA.str());
    EXPECT_EQ(iWidthB, iWidthA);
    EXPECT_EQ(CmTimeCls::m_bElapsedTimeFlag, bElapsed);
    EXPECT_EQ(CmTimeCls::m_bFmtHasComma, bComma);
    // Packing again gives the same words.
    Words w2;
    b.mPackFormat(w2);
    EXPECT_EQ(w2, w);
  }
}

TEST(PackedWordsLayout, EveryKindAndCountInEveryPosition) {
  for (int iPos = 0; iPos < 7; ++iPos) {
    for (int iKind = 0; iKind <= 15; ++iKind) {
      for (int iCount = 0; iCount <= 15; ++iCount) {
        xPackedFormat x;
        x.iNumParts = iPos + 1;
        for (int i = 0; i <= iPos; ++i) x.xParts[i] = {xDay, 2};
        x.xParts[iPos] = {static_cast<xTimePartsEnum>(iKind), iCount};
        const Words w = cvn::detail::mPackWords(x);
        ASSERT_EQ(w.size(), 4u);
        const xPackedFormat y = cvn::detail::mUnpackWords(w);
        ASSERT_EQ(y.iNumParts, iPos + 1);
        int iWantKind = iKind;
        int iWantCount = iCount;
        if (iKind == xTenth || iKind == xThousandth) {
          // Stored as a hundredth with count 2, the digits in bits 28-29.
          const int iDigits = iCount & 3;
          iWantKind = iDigits == 1 ? xTenth : (iDigits == 3 ? xThousandth : xHundredth);
          iWantCount = iDigits == 1 ? 1 : (iDigits == 3 ? 3 : 2);
        }
        ASSERT_EQ(static_cast<int>(y.xParts[iPos].ePart), iWantKind)
            << "position " << iPos << " kind " << iKind << " count " << iCount;
        ASSERT_EQ(y.xParts[iPos].iCount, iWantCount)
            << "position " << iPos << " kind " << iKind << " count " << iCount;
        for (int i = 0; i < iPos; ++i) {
          ASSERT_EQ(y.xParts[i].ePart, xDay);
          ASSERT_EQ(y.xParts[i].iCount, 2);
        }
        for (int i = iPos + 1; i < 7; ++i) {
          ASSERT_EQ(y.xParts[i].ePart, xNoPart);
          ASSERT_EQ(y.xParts[i].iCount, 0);
        }
      }
    }
  }
}

TEST(PackedWordsLayout, FractionEncodings) {
  const struct {
    int iKind;
    int iCount;
    unsigned uBits;  // bits 28-29 of word 1
    int iBackKind;
    int iBackCount;
  } kRows[] = {
      {xThousandth, 1, 1, xTenth, 1},      {xThousandth, 2, 2, xHundredth, 2},
      {xThousandth, 3, 3, xThousandth, 3}, {xTenth, 1, 1, xTenth, 1},
      {xTenth, 3, 3, xThousandth, 3},      {xHundredth, 2, 0, xHundredth, 2},
      {xHundredth, 5, 0, xHundredth, 5},   {xThousandth, 4, 0, xHundredth, 2},
      {xThousandth, 0, 0, xHundredth, 2},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(::testing::Message() << row.iKind << "/" << row.iCount);
    xPackedFormat x;
    x.iNumParts = 2;
    x.xParts[0] = {xSecond, 2};
    x.xParts[1] = {static_cast<xTimePartsEnum>(row.iKind), row.iCount};
    const Words w = cvn::detail::mPackWords(x);
    EXPECT_EQ(mBits(w[0], 12, 4), static_cast<unsigned>(xHundredth));
    EXPECT_EQ(mBits(w[1], 28, 2), row.uBits);
    const xPackedFormat y = cvn::detail::mUnpackWords(w);
    EXPECT_EQ(static_cast<int>(y.xParts[1].ePart), row.iBackKind);
    EXPECT_EQ(y.xParts[1].iCount, row.iBackCount);
  }
}

TEST(PackedWordsLayout, SeparatorsKeepTheirLowEightBits) {
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"/"), 0), 0x2Fu);
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"\u2215"), 0), 0x15u);  // division slash
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"\uFF0F"), 0), 0x0Fu);
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"\u0100"), 0), 0u);  // low bits 0: none
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"ab"), 1), static_cast<unsigned>(L'b'));
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"ab"), 2), 0u);
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"ab"), -1), 0u);
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(), 0), 0u);

  xPackedFormat x;
  x.uDateSep1 = 0xC3;
  x.uDateSep2 = 0;
  x.uTimeSep = 0x3A;
  x.uAMPMFormat = 0xFF;
  const xPackedFormat y = cvn::detail::mUnpackWords(cvn::detail::mPackWords(x));
  EXPECT_EQ(cvn::detail::mDateSepText(y).str(), L"\u00C3");
  EXPECT_EQ(cvn::detail::mTimeSepText(y).str(), L":");
  EXPECT_EQ(y.uAMPMFormat, 0xFFu);
  // A 0 character ends the separator: the second one is not read.
  x.uDateSep1 = 0;
  x.uDateSep2 = 0x2F;
  EXPECT_EQ(cvn::detail::mDateSepText(cvn::detail::mUnpackWords(cvn::detail::mPackWords(x))).str(),
            L"");
}

TEST(PackedWordsLayout, WideFieldsKeepTheirLowBitsOnly) {
  xPackedFormat x;
  x.iNumParts = 9;  // clipped to 7
  for (auto& p : x.xParts) p = {static_cast<xTimePartsEnum>(0x7FFFFFF1), -1};
  x.uDateSep1 = 0x12345;
  const Words w = cvn::detail::mPackWords(x);
  EXPECT_EQ(mBits(w[0], 0, 3), 7u);
  EXPECT_EQ(mBits(w[0], 4, 4), 1u);
  EXPECT_EQ(mBits(w[0], 8, 4), 15u);
  EXPECT_EQ(mBits(w[2], 0, 8), 0x45u);
  EXPECT_EQ(mBits(w[2], 8, 8), 0u);  // nothing spilled into the next field
  x.iNumParts = -3;
  EXPECT_EQ(cvn::detail::mPackWords(x), (Words{8u, 0u, 0x45u, 0u}));  // 24-hour bit only
}

TEST_F(PackedWords, ShortVectorsReadMissingWordsAsZero) {
  cvn::test::AssertCapture xCapture;
  // Only word 0: day, month and year of two or four digits without
  // separators, a legal format.
  const unsigned w0 =
      3u | (9u << 4) | (2u << 8) | (4u << 12) | (2u << 16) | (1u << 20) | (4u << 24) | (1u << 3);
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"h:mm"));
  t.mUnpackFormat(Words{w0});
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"ddmmyyyy");
  EXPECT_EQ(t.mGetDateSep().str(), L"");

  // No word at all: no part, an empty text, refused; the format stays whole.
  const xFormatState xBefore = Access::mState(t);
  t.mUnpackFormat(Words{});
  EXPECT_EQ(Access::mState(t), xBefore);
  t.mUnpackFormat(Words{0u, 0xC0000000u});  // flags alone do not stick
  EXPECT_EQ(Access::mState(t), xBefore);
  EXPECT_TRUE(xCapture.mGet().empty());
}

TEST_F(PackedWords, ReservedWordIsReported) {
  CmTimeCls a;
  ASSERT_TRUE(a.mSetFormat(L"m/d/yy"));
  Words w;
  a.mPackFormat(w);
  w[3] = 0x80000000u;
  CmTimeCls b;
  ASSERT_TRUE(b.mSetFormat(L"hh:mm"));
  cvn::test::AssertCapture xCapture;
  b.mUnpackFormat(w);
  ASSERT_EQ(xCapture.mGet().size(), 1u);
  EXPECT_EQ(xCapture.mGet()[0].sExpression, "0 == vuFormat[3]");
  EXPECT_EQ(xCapture.mGet()[0].sFile, "time");
  EXPECT_EQ(xCapture.mGet()[0].uLine, 2809u);
  EXPECT_EQ(b.mGetDateTimeFmt().str(), L"m/d/yy");  // the format is set all the same

  // Words after the fourth are ignored.
  xCapture.mClear();
  a.mPackFormat(w);
  w.push_back(0xFFFFFFFFu);
  ASSERT_TRUE(b.mSetFormat(L"hh:mm"));
  b.mUnpackFormat(w);
  EXPECT_TRUE(xCapture.mGet().empty());
  EXPECT_EQ(b.mGetDateTimeFmt().str(), L"m/d/yy");
}

TEST_F(PackedWords, Version14Lengths) {
  CmTimeCls a;
  ASSERT_TRUE(a.mSetFormat(L"ddmmyyyy"));
  Words w;
  a.mPackFormat(w);
  for (size_t n : {0u, 1u, 2u, 3u, 4u, 5u}) {
    SCOPED_TRACE(n);
    Words v(w);
    v.resize(n, 0u);
    if (n == 5) v[4] = 0xDEADu;
    CmTimeCls b;
    ASSERT_TRUE(b.mSetFormat(L"hh:mm"));
    cvn::test::AssertCapture xCapture;
    b.mSetFormat14(v);
    if (n == 3) {
      EXPECT_TRUE(xCapture.mGet().empty());
    } else {
      ASSERT_EQ(xCapture.mGet().size(), 1u);
      EXPECT_EQ(xCapture.mGet()[0].sExpression, "rvuFormat14.size() == PACKED_WORDS_14");
      EXPECT_EQ(xCapture.mGet()[0].sFile, "time");
      EXPECT_EQ(xCapture.mGet()[0].uLine, 2883u);
    }
    // Word 0 alone carries this format: restored whenever it is there.
    EXPECT_EQ(b.mGetDateTimeFmt().str(), n >= 1 ? L"ddmmyyyy" : L"hh:mm");
  }
}

// Version 14 works on the global instance; these tests set its regional
// formats to the built-in ones first.
class PackedWords14 : public PackedWords {
 protected:
  void SetUp() override { gcmTime.mInitialize(); }
};

TEST_F(PackedWords14, ElapsedFormatBecomesTheRegionalDefault) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"[h]:mm:ss"));
  Words w{1, 2, 3, 4, 5};
  gcmTime.mGetFormat14(w);
  EXPECT_EQ(gcmTime.mGetDateTimeFmt().str(), L"m/d/yyyy h:mm:ss AM/PM");
  EXPECT_FALSE(gcmTime.mGetElapsedTimeFlag());
  CmTimeCls x;
  ASSERT_TRUE(x.mSetFormat(L"m/d/yyyy h:mm:ss AM/PM"));
  Words vExpected;
  x.mPackFormat(vExpected);
  vExpected.resize(3);
  EXPECT_EQ(w, vExpected);
}

TEST_F(PackedWords14, NewerDateSpellingsBecomeTheRegionalDate) {
  const struct {
    const wchar_t* pszBefore;
    const wchar_t* pszAfter;
  } kRows[] = {
      {L"d mmmm yyyy h:mm:ss", L"m/d/yyyy h:mm:ss"},  // "d mmm yy" is no older spelling
      {L"yyyy-mm-dd", L"m/d/yyyy"},
      {L"yyyy-mm-dd hh:mm:ss.sss", L"m/d/yyyy hh:mm:ss.ss"},
      // Older spellings keep their date; the fraction gets two digits.
      {L"mm-dd-yyyy h:mm", L"mm-dd-yyyy h:mm"},
      {L"m/d/yyyy h:mm:ss.s", L"m/d/yyyy h:mm:ss.ss"},
      {L"m/d/yyyy h:mm:ss.ss", L"m/d/yyyy h:mm:ss.ss"},
      // Time formats keep their date part (none); fractions become two digits.
      {L"h:mm:ss.sss", L"h:mm:ss.ss"},
      {L"h:mm:ss.ss", L"h:mm:ss.ss"},
      {L"h:mm:ss AM/PM", L"h:mm:ss AM/PM"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(cvn::test::mNarrow(row.pszBefore));
    ASSERT_TRUE(gcmTime.mSetFormat(row.pszBefore));
    Words w;
    gcmTime.mGetFormat14(w);
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(gcmTime.mGetDateTimeFmt().str(), row.pszAfter);
    Words vExpected;
    gcmTime.mPackFormat(vExpected);
    vExpected.resize(3);
    EXPECT_EQ(w, vExpected);
    // A fraction is always two digits afterwards.
    if (std::wstring(row.pszAfter).find(L'.') != std::wstring::npos) {
      EXPECT_EQ(mBits(w[1], 28, 2), 2u);
    }
  }
}

TEST_F(PackedWords14, OtherObjectPacksItsOwnFormat) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"yyyy-mm-dd"));
  CmTimeCls t;
  ASSERT_TRUE(t.mSetFormat(L"hh:mm"));
  Words w;
  t.mGetFormat14(w);
  EXPECT_EQ(gcmTime.mGetDateTimeFmt().str(), L"m/d/yyyy");
  Words vExpected;
  t.mPackFormat(vExpected);
  vExpected.resize(3);
  EXPECT_EQ(w, vExpected);
  EXPECT_EQ(t.mGetDateTimeFmt().str(), L"hh:mm");
}

TEST_F(PackedWords14, DesignatorFullStopIsNoFraction) {
  // Regression: the "." of "vorm." was taken for the decimal point and the
  // time text became "vorm.ss/nachm.", which no format accepts.
  CmRegionalSettings x = mBuiltInRegionalSettings();
  x.sShortDate = L"dd.MM.yyyy";
  x.sDateSep = L".";
  x.sAM = L"vorm.";
  x.sPM = L"nachm.";
  cvn::test::RegionalSettingsGuard xGuard(x);
  gcmTime.mInitialize();
  ASSERT_TRUE(gcmTime.mSetFormat(L"dd.mm.yyyy h:mm:ss vorm./nachm."));
  Words w;
  gcmTime.mGetFormat14(w);
  EXPECT_EQ(gcmTime.mGetDateTimeFmt().str(), L"dd.mm.yyyy h:mm:ss vorm./nachm.");
  ASSERT_TRUE(gcmTime.mSetFormat(L"h:mm:ss.sss vorm./nachm."));
  gcmTime.mGetFormat14(w);
  EXPECT_EQ(gcmTime.mGetDateTimeFmt().str(), L"h:mm:ss.ss vorm./nachm.");
}

// Deterministic pseudo-random words (a 32-bit linear congruential step).
unsigned mNext(std::uint32_t* state) {
  *state = *state * 1664525u + 1013904223u;
  return *state >> 1 ^ *state << 7;
}

TEST_F(PackedWords, ArbitraryWordsNeverBreakTheObject) {
  // Half the words are random; the other half are words of legal formats
  // with one to three bits flipped, which reach far more formats.
  std::vector<Words> vBases;
  for (const wchar_t* psz : kRoundTrip) {
    CmTimeCls a;
    EXPECT_TRUE(a.mSetFormat(psz));
    Words w;
    a.mPackFormat(w);
    vBases.push_back(w);
  }
  cvn::test::AssertCapture xCapture;
  CmTimeCls t;
  CmTimeCls u;
  ASSERT_TRUE(t.mSetFormat(L"m/d/yy"));
  std::uint32_t uState = 12345u;
  int iChanged = 0;
  for (int i = 0; i < 20000; ++i) {
    Words w(4);
    if (i % 2 == 0) {
      for (unsigned& v : w) v = mNext(&uState);
      if (i % 4 == 0) w[3] = 0;
    } else {
      w = vBases[mNext(&uState) % vBases.size()];
      const unsigned uFlips = 1 + mNext(&uState) % 3;
      for (unsigned k = 0; k < uFlips; ++k) {
        const unsigned uBit = mNext(&uState) % 96;  // words 0 to 2
        w[uBit / 32] ^= 1u << (uBit % 32);
      }
    }
    const xFormatState xBefore = Access::mState(t);
    t.mUnpackFormat(w);
    const xFormatState xAfter = Access::mState(t);
    // Same text: refused (or the same format again), the state is whole.
    if (xAfter.sText == xBefore.sText) {
      EXPECT_EQ(xAfter, xBefore);
    } else {
      ++iChanged;
    }
    // Whatever happened, the text and the parsed form agree.
    ASSERT_TRUE(u.mSetFormat(xAfter.sText.c_str())) << cvn::test::mNarrow(xAfter.sText);
    EXPECT_EQ(Access::mState(u), xAfter)
        << "words " << w[0] << " " << w[1] << " " << w[2] << " " << w[3];
  }
  EXPECT_GT(iChanged, 100);
  for (const auto& r : xCapture.mGet()) {
    EXPECT_EQ(r.sFile, "time");
  }
}

}  // namespace
