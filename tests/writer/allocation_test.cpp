// A write into strings that already have room allocates nothing: the
// writer is the hot path of every column shown.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/writer/writer_fixture.h"

namespace {

// Heap allocations made while counting is on.
bool gbCounting = false;
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
  struct {
    const wchar_t* sFormat;
    int iShowFlags;
  } const kCases[] = {
      {L"m/d/yyyy h:mm:ss", 0},
      {L"mmmm d, yyyy h:mm:ss AM/PM", 0},
      {L"dd-mmm-yy hh:mm:ss.sss", 0},
      {L"yyyyQq", 0},
      {L"wwWkyyyy", 0},
      {L"m/d/yyyy h:mm:ss", 127},
      {L"[h]:mm:ss.ss", 0},
  };
  mFormat({});  // fixed designators
  CmString sText;
  CmString sDate;
  CmString sTime;
  for (const auto& row : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.sFormat)));
    ASSERT_TRUE(m_time.mSetFormat(row.sFormat));
    // The first pass over the column gives the strings their room; the
    // second must not allocate.
    for (int iPass = 0; iPass < 2; ++iPass) {
      gnAllocations = 0;
      gbCounting = iPass == 1;
      for (int i = 0; i < 2000; ++i) {
        // Varied times from 1 January 2000 on, about 7 hours apart.
        const double t = 36526.0 + i * 0.29712345;
        m_time.mCorvaneTimeToStr(t, false, sText, sDate, sTime, row.iShowFlags);
        m_time.mCorvaneTimeToStr(t, true, sText, row.iShowFlags);
      }
      gbCounting = false;
    }
    EXPECT_EQ(gnAllocations, 0) << testing::PrintToString(sText.str());
  }
}
