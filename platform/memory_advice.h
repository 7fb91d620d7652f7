// Advice to the system about large blocks of memory about to be filled:
// header-only, so that the library and the cvntime tool give it alike.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace cvn::platform {

// Asks for transparent huge pages over the whole 2 MiB pages of a block of
// bytes not touched yet: filling a block of tens of megabytes then takes a
// few page faults instead of thousands. Only advice: nothing changes where
// the system has no such pages or says no, and a block smaller than 2 MiB
// is left alone.
inline void mAdviseHugePages(const void* block, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHuge = std::uintptr_t{1} << 21;
  // Offsets from block, so the advised address stays a pointer into it.
  const std::uintptr_t iAddress = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t iStart = (iAddress + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t iEnd = (iAddress + bytes) & ~(kHuge - 1);
  if (iEnd > iStart) {
    madvise(const_cast<char*>(static_cast<const char*>(block)) + (iStart - iAddress), iEnd - iStart,
            MADV_HUGEPAGE);
  }
#else
  (void)block;
  (void)bytes;
#endif
}

}  // namespace cvn::platform
