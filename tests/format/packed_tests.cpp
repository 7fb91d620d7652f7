// Packed format words: the bit layout, round trips for every part kind and
// fraction encoding, separators, short and long vectors, the reserved word
// and the version-14 form.

#include "support/access.h"
#include "time/format/packed_words.h"

namespace {

using A = CmTimeClsTestAccess::Format;
using namespace cvn::test;  // NOLINT(google-build-using-namespace)
using Words = std::vector<unsigned>;
using Reports = std::vector<std::string>;

class PackedWords : public FormatTest {
 protected:
  // The words of a format made current on m_t, cut to n.
  Words mPack(const wchar_t* format, size_t n = 4) {
    EXPECT_TRUE(m_t.mSetFormat(format)) << format;
    Words w{7, 7, 7, 7, 7, 7};
    m_t.mPackFormat(w);
    return Words(w.begin(), w.begin() + static_cast<long>(n < w.size() ? n : w.size()));
  }
};

TEST_F(PackedWords, LayoutAndRoundTrips) {
  // Day 1, month number 1, year 4, "/": 3 parts and the 24-hour bit 3, then
  // kind and count (9, 1), (4, 1), (1, 4) from bit 4; "/" alone in word 2.
  EXPECT_EQ(mPack(L"d/m/yyyy"), (Words{0x0411419Bu, 0u, 0x2Fu, 0u}));
  // Seven parts fill every field; the fraction is kind 13 (d) with count 2
  // and its 3 digits in bits 28-29 of word 1; "/" and ":"; 12-hour, style 0.
  EXPECT_EQ(mPack(L"dd/mm/yy hh:mm:ss.sss AM/PM"),
            (Words{0xA2124297u, 0x32D2C2B2u, 0x3A002Fu, 0u}));
  EXPECT_EQ(mPack(L"mmmm d, yyyy"), (Words{0x0411946Bu, 0x40000000u, 0x202Cu, 0u}));  // comma
  EXPECT_EQ(mPack(L"[h]:mm:ss")[1] >> 30, 2u);                          // bit 31: elapsed
  EXPECT_EQ(mPack(L"h:mm a/p")[2], 0x053A0000u);                        // style 5 in bits 24-31
  EXPECT_EQ(mPack(L"wwWk yyyy")[2], 0x6B57u);                           // "Wk"
  EXPECT_EQ(cvn::detail::mSepCharCode(CmString(L"\u2215"), 0), 0x15u);  // above 255: low bits
  // Canonical texts come back whole in another object and pack the same.
  AssertCapture xCapture;
  for (const wchar_t* psz :
       {L"m/d/yy", L"d-mmm-yy h:mm:ss", L"mmmm d, yyyy", L"yyyyQq", L"qQyyyy", L"wwWkyyyy",
        L"yyyyWkww", L"yyyymmdd", L"h:mm:ss AM/PM", L"h:mm A/P", L"h:mm:ssa/p", L"[h]:mm:ss",
        L"[m]:ss", L"[s]", L"h:mm:ss.s", L"h:mm:ss.ss", L"hh:mm:ss.sss", L"dd.mm.yyyy hh:mm"}) {
    const Words w = mPack(psz);
    CmTimeCls u;
    u.mUnpackFormat(w);
    EXPECT_EQ(A::mState(u), A::mState(m_t));
    Words w2;
    u.mPackFormat(w2);
    EXPECT_EQ(w2, w) << psz;
  }
  EXPECT_TRUE(AssertCapture::mReports().empty());
}

TEST_F(PackedWords, ShortAndLongVectorsAndTheirReports) {
  AssertCapture xCapture;
  m_t.mUnpackFormat(Words{0x0412429Bu});  // day 2, month 2, year 4: no separators
  EXPECT_EQ(m_t.mGetDateTimeFmt().str(), L"ddmmyyyy");
  const std::wstring sBefore = A::mState(m_t);
  m_t.mUnpackFormat(Words{0u, 0xC0000000u});  // no part, flags alone: the format stays whole
  EXPECT_EQ(A::mState(m_t), sBefore);
  EXPECT_TRUE(AssertCapture::mReports().empty());
  // A non-zero reserved word is reported and the format set all the same;
  // words after the fourth are ignored.
  Words w = mPack(L"m/d/yy");
  w[3] = 0x80000000u, w.push_back(0xFFFFFFFFu);
  CmTimeCls u;
  u.mUnpackFormat(w);
  EXPECT_EQ(AssertCapture::mReports(), Reports{"0 == vuFormat[3] time 2809"});
  EXPECT_EQ(u.mGetDateTimeFmt().str(), L"m/d/yy");
  // Version 14: any length but three is reported; word 0 alone carries this
  // format, so it is restored whenever it is there.
  const Words w14 = mPack(L"ddmmyyyy");
  for (size_t n : {0u, 1u, 2u, 3u, 4u, 5u}) {
    Words v(w14);
    v.resize(n, 0xDEADu);
    ASSERT_TRUE(u.mSetFormat(L"hh:mm"));
    AssertCapture::mReports().clear();
    u.mSetFormat14(v);
    EXPECT_EQ(AssertCapture::mReports(),
              n == 3 ? Reports{} : Reports{"rvuFormat14.size() == PACKED_WORDS_14 time 2883"});
    EXPECT_EQ(u.mGetDateTimeFmt().str(), n >= 1 ? L"ddmmyyyy" : L"hh:mm") << n;
  }
}

// Version 14 works on the global instance, given the regional formats first.
TEST_F(PackedWords, Version14FormatsBecomeWhatItCanShow) {
  // clang-format off
  const wchar_t* const kRows[][2] = {
      {L"[h]:mm:ss", L"m/d/yyyy h:mm:ss AM/PM"},              // elapsed: the regional default
      {L"d mmmm yyyy h:mm:ss", L"m/d/yyyy h:mm:ss"},          // "d mmm yy" is no older spelling
      {L"yyyy-mm-dd hh:mm:ss.sss", L"m/d/yyyy hh:mm:ss.ss"},  // and two decimals at most
      {L"mm-dd-yyyy h:mm", L"mm-dd-yyyy h:mm"},               // an older spelling stays
      {L"m/d/yyyy h:mm:ss.s", L"m/d/yyyy h:mm:ss.ss"},
      {L"h:mm:ss.sss", L"h:mm:ss.ss"},                        // no date to replace
  };
  // clang-format on
  gcmTime.mInitialize();
  for (const auto& row : kRows) {
    ASSERT_TRUE(gcmTime.mSetFormat(row[0]));
    Words w{1, 2, 3, 4, 5};
    gcmTime.mGetFormat14(w);
    EXPECT_EQ(gcmTime.mGetDateTimeFmt().str(), row[1]);
    EXPECT_EQ(w, mPack(row[1], 3)) << row[0];
  }
  // Decision: called on another object, gcmTime is adjusted and the words
  // show that object's own format, which is left untouched.
  ASSERT_TRUE(gcmTime.mSetFormat(L"yyyy-mm-dd"));
  const Words vWant = mPack(L"hh:mm", 3);
  Words w;
  m_t.mGetFormat14(w);
  EXPECT_EQ(gcmTime.mGetDateTimeFmt().str() + L"|" + m_t.mGetDateTimeFmt().str(),
            L"m/d/yyyy|hh:mm");
  EXPECT_EQ(w, vWant);
  // Regression: the "." of "vorm." was taken for the decimal point and the
  // time text became "vorm.ss/nachm.", which no format accepts.
  RegionalSettingsGuard xGuard(mSettings(L"dd.MM.yyyy", L".", L"h:mm:ss tt", L"vorm.", L"nachm."));
  gcmTime.mInitialize();
  for (const wchar_t* psz : {L"dd.mm.yyyy h:mm:ss vorm./nachm.", L"h:mm:ss.s vorm./nachm."}) {
    ASSERT_TRUE(gcmTime.mSetFormat(psz));
    gcmTime.mGetFormat14(w);
    EXPECT_EQ(gcmTime.mGetDateTimeFmt().str(), psz[1] == L'd' ? psz : L"h:mm:ss.ss vorm./nachm.");
  }
}

}  // namespace
