// The writer lays out its text in a local buffer that continues in the
// caller's string when it fills up; it must leave exactly what appending to
// the string piece by piece leaves.

#include "time/writer/text_builder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/writer/writer_fixture.h"

namespace {

using cvn::detail::xTextBuilder;

// Random pieces of 0 to 40 characters (now and then 200), clears now and
// then: the builder and a plain string must agree after every step.
TEST(TextBuilder, AgreesWithPlainAppends) {
  std::mt19937 xRandom(7u);
  for (int iRun = 0; iRun < 3000; ++iRun) {
    std::wstring sOut = L"stale";
    std::wstring sReference;
    xTextBuilder xText(sOut);
    xText.clear();
    const int iSteps = static_cast<int>(xRandom() % 40);
    for (int i = 0; i < iSteps; ++i) {
      const unsigned uKind = xRandom() % 20;
      if (uKind == 0) {
        xText.clear();
        sReference.clear();
      } else if (uKind < 8) {
        const wchar_t c = static_cast<wchar_t>(L'a' + xRandom() % 26);
        xText += c;
        sReference += c;
      } else {
        const size_t iLen = uKind == 19 ? 200 : xRandom() % 41;
        const std::wstring sPiece(iLen, static_cast<wchar_t>(L'A' + xRandom() % 26));
        if (uKind % 2 == 0) {
          xText += sPiece;
        } else {
          xText.append(sPiece.data(), sPiece.size());
        }
        sReference += sPiece;
      }
      ASSERT_EQ(xText.size(), sReference.size());
      ASSERT_EQ(xText.empty(), sReference.empty());
      ASSERT_EQ(std::wstring(xText.data(), xText.size()), sReference);
    }
    xText.mFinish();
    ASSERT_EQ(sOut, sReference);
  }
}

TEST(TextBuilder, FillsExactlyToItsEdge) {
  // One character short of, exactly at and one past the local room.
  for (size_t iLen : {159u, 160u, 161u}) {
    std::wstring sOut;
    xTextBuilder xText(sOut);
    xText.append(std::wstring(iLen - 1, L'x').data(), iLen - 1);
    xText += L'y';
    xText += L"z";
    xText.mFinish();
    EXPECT_EQ(sOut, std::wstring(iLen - 1, L'x') + L"yz") << iLen;
  }
}

// A date separator longer than the local room: the text continues in the
// caller's string.
TEST_F(WriterTest, LongSeparatorsWriteWhole) {
  const std::wstring sSep(200, L'~');
  mFormat("N1 D1 Y4 h1 m2 s2", sSep.c_str(), L"::");
  const std::wstring sDate = L"3" + sSep + L"15" + sSep + L"2000";
  EXPECT_EQ(mWrite(mAt(kJan1st2000 + 74, 22, 30, 45)),  // 15 March 2000
            sDate + L" 22::30::45|" + sDate + L"|22::30::45");
}

// One string passed as text and as the date or time text ends as the whole
// text, as it did when the write appended to it directly.
TEST_F(WriterTest, SharedOutputStringsHoldTheWholeText) {
  mFormat("N1 D1 Y4 h1 m2 s2");
  const double t = mAt(kJan1st2000 + 74, 22, 30, 45);
  CmString sShared;
  CmString sOther;
  m_time.mCorvaneTimeToStr(t, false, sShared, sShared, sOther, 0);
  EXPECT_EQ(sShared.str(), L"3/15/2000 22:30:45");
  EXPECT_EQ(sOther.str(), L"22:30:45");
  m_time.mCorvaneTimeToStr(t, false, sShared, sOther, sShared, 0);
  EXPECT_EQ(sOther.str(), L"3/15/2000");
  EXPECT_EQ(sShared.str(), L"22:30:45");
}

}  // namespace
