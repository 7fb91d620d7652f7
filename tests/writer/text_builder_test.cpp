// The writer lays out its text in a local buffer that continues in the
// caller's string when it fills up; it must leave exactly what appending to
// the string piece by piece leaves (random pieces: the fuzz_writer target).

#include "time/writer/text_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "support/access.h"

namespace {

using cvn::detail::xTextBuilder;
using namespace cvn::test;

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
