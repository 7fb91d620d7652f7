// A write into strings that already have room allocates nothing: the
// writer is the hot path of every column shown.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "support/access.h"

using cvn::test::WriterTest;

namespace {

bool gbCounting = false;  // heap allocations are counted while set
long gnAllocations = 0;

}  // namespace

// The replacements pair malloc with free; gcc cannot see that they match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
  if (gbCounting) ++gnAllocations;
  if (void* p = std::malloc(size != 0 ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST_F(WriterTest, SteadyStateWritesDoNotAllocate) {
  for (const wchar_t* sFormat :
       {L"m/d/yyyy h:mm:ss", L"mmmm d, yyyy h:mm:ss AM/PM", L"dd-mmm-yy hh:mm:ss.sss", L"yyyyQq",
        L"wwWkyyyy", L"[h]:mm:ss.ss"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(sFormat)));
    ASSERT_TRUE(m_time.mSetFormat(sFormat));
    CmString sText, sDate, sTime;
    // The first pass gives the strings their room; the second must not
    // allocate. Times from 1 January 2000 on, about 7 hours apart, under
    // the format, the day number and show flags.
    for (int iPass = 0; iPass < 2; ++iPass) {
      gnAllocations = 0;
      gbCounting = iPass == 1;
      for (int i = 0; i < 2000; ++i) {
        m_time.mCorvaneTimeToStr(36526.0 + i * 0.29712345, false, sText, sDate, sTime, 0);
        m_time.mCorvaneTimeToStr(36526.0 + i * 0.29712345, true, sText, sDate, sTime, 127);
      }
      gbCounting = false;
    }
    EXPECT_EQ(gnAllocations, 0) << testing::PrintToString(sText.str());
  }
}
