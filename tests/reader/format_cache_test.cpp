// The reader's memos of accepted formats and generated format texts give
// the same result and leave the same state as the calls they stand for.

#include <string>
#include <vector>

#include "tests/reader/reader_access.h"
#include "time/reader/reader_impl.h"

namespace cvn::test {
namespace {

using A = CmTimeClsTestAccess;

std::vector<std::wstring> mFormats() {
  std::vector<std::wstring> v;
  v.reserve(CmTimeCls::m_vsLegalFmts.size() + 21);
  for (const CmString& s : CmTimeCls::m_vsLegalFmts) v.push_back(s.str());
  for (const wchar_t* s : {L"M/D/YYYY",
                           L"mmmm d,yyyy",
                           L"yyyymmdd",
                           L"yyyyQq",
                           L"qQ yyyy",
                           L"wwWkyyyy",
                           L"h:mm:ss.sss",
                           L"h:mm:ss,sss",
                           L"[h]:mm:ss",
                           L"[m]:ss",
                           L"[s]",
                           L"h:mm a/p",
                           L"h:mmAM/PM",
                           L"h:mm VORM./NACHM.",
                           L"d-mmm-yy h:mm:ss",
                           L"h:m",
                           L"hh.mm",
                           L"yy/yy",
                           L"[h]:mm am/pm",
                           L"",
                           L"x"}) {
    v.emplace_back(s);
  }
  return v;
}

// Sets every format twice through the memo (the second time from it) and
// once through mSetFormat, each starting from another format.
void mCompareAll(CmTimeCls& base) {
  for (const std::wstring& sFormat : mFormats()) {
    SCOPED_TRACE(mNarrow(sFormat));
    for (int iRound = 0; iRound < 2; ++iRound) {
      CmTimeCls xPlain(base);
      CmTimeCls xFast(base);
      ASSERT_TRUE(xPlain.mSetFormat(L"mmm d h:mm:ss AM/PM"));
      ASSERT_TRUE(xFast.mSetFormat(L"mmm d h:mm:ss AM/PM"));
      const bool bPlain = xPlain.mSetFormat(sFormat.c_str());
      const xFormatState xPlainState = A::mState(xPlain);
      const bool bFast = CmTimeReaderImpl::mSetFormatFast(xFast, sFormat.c_str());
      EXPECT_EQ(bFast, bPlain);
      EXPECT_TRUE(A::mState(xFast) == xPlainState) << "round " << iRound;
    }
  }
}

TEST_F(ReaderTest, FormatMemoMatchesSetFormat) {
  mCompareAll(T());
  // Other designators and another decimal symbol empty the memo: what was
  // legal before may be refused now, and the other way round.
  A::mSetDesignators(T(), L"VORM.", L"NACHM.");
  mCompareAll(T());
  mSetInputDecimal(L',');
  mCompareAll(T());
  mSetInputDecimal(L'.');
  A::mSetDesignators(T(), L"AM", L"PM");
  mCompareAll(T());
}

TEST_F(ReaderTest, GenerationMemoMatchesGenerateFormat) {
  for (wchar_t cOutput : {L'.', L','}) {
    mSetOutputDecimal(cOutput);
    for (const std::wstring& sFormat : mFormats()) {
      if (!T().mSetFormat(sFormat.c_str())) continue;
      SCOPED_TRACE(mNarrow(sFormat));
      for (bool bElapsed : {false, true, false}) {
        CmTimeCls::m_bElapsedTimeFlag = bElapsed;
        CmString sFast(L"stale");
        CmTimeReaderImpl::mGenerateFormatFast(T(), A::mNumParts(T()), A::mPartArray(T()),
                                              A::mDateSep(T()).c_str(), A::mTimeSep(T()).c_str(),
                                              A::m24HourFlag(T()), A::mStyleValue(T()), sFast);
        EXPECT_EQ(sFast.str(), A::mGenerate(T()));
      }
    }
  }
  // Designators enter the text of the regional styles.
  A::mSetDesignators(T(), L"VORM.", L"NACHM.");
  ASSERT_TRUE(T().mSetFormat(L"h:mm VORM./NACHM."));
  CmTimeCls::m_bElapsedTimeFlag = false;
  auto mFast = [&]() {
    CmString s;
    CmTimeReaderImpl::mGenerateFormatFast(T(), A::mNumParts(T()), A::mPartArray(T()),
                                          A::mDateSep(T()).c_str(), A::mTimeSep(T()).c_str(), false,
                                          CmTimeCls::eLocaleSpaced, s);
    return s.str();
  };
  EXPECT_EQ(mFast(), L"h:mm VORM./NACHM.");
  A::mSetDesignators(T(), L"AM.", L"PM.");
  EXPECT_EQ(mFast(), L"h:mm AM./PM.");
}

}  // namespace
}  // namespace cvn::test
