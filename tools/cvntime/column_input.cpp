// A whole column of UTF-8 lines as wide text: read in large blocks, decoded
// straight into one growing buffer (realloc, which moves large blocks
// without copying them), then cut into views.

#include "tools/cvntime/column_input.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "tools/cvntime/utf8.h"

namespace cvn::tool {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;
constexpr std::size_t kProgressEvery = std::size_t{1} << 18;

// The size of a regular file, 0 for anything else (a pipe, a terminal).
std::size_t mRegularFileSize(std::FILE* file) {
  struct stat xStat;
  if (fstat(fileno(file), &xStat) != 0 || !S_ISREG(xStat.st_mode) || xStat.st_size <= 0) return 0;
  return static_cast<std::size_t>(xStat.st_size);
}

// Asks for transparent huge pages over the whole 2 MiB pages of a large
// block not touched yet: a column of a million lines then takes a few dozen
// page faults instead of tens of thousands. Only advice; nothing changes if
// the system says no.
void mAdviseHugePages(const void* block, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
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

}  // namespace

CmWideColumn::~CmWideColumn() { mRelease(); }

void CmWideColumn::mRelease() {
  std::free(m_pText);
  m_pText = nullptr;
  m_iUsed = m_iCapacity = m_iLines = 0;
  std::vector<std::size_t>().swap(m_viEnds);
  std::vector<std::wstring_view>().swap(m_vViews);
}

void CmWideColumn::mReserve(std::size_t units) {
  if (units <= m_iCapacity) return;
  std::size_t iCapacity = m_iCapacity + m_iCapacity / 2;
  if (iCapacity < units) iCapacity = units;
  if (iCapacity < 4096) iCapacity = 4096;
  void* p = std::realloc(m_pText, iCapacity * sizeof(wchar_t));
  if (p == nullptr) throw std::bad_alloc();
  m_pText = static_cast<wchar_t*>(p);
  mAdviseHugePages(m_pText + m_iUsed, (iCapacity - m_iUsed) * sizeof(wchar_t));
  m_iCapacity = iCapacity;
}

void CmWideColumn::mAppendLine(const char* bytes, std::size_t length) {
  if (m_bFirst) {
    m_bFirst = false;
    if (length >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
      bytes += 3;
      length -= 3;
    }
  }
  if (length > 0 && bytes[length - 1] == '\r') --length;
  // A sequence never gives more code units than it has bytes; one more for
  // the separator.
  mReserve(m_iUsed + length + 1);
  m_iUsed += mDecodeUtf8Into(std::string_view(bytes, length), m_pText + m_iUsed);
  m_pText[m_iUsed++] = L'\n';
  m_viEnds.push_back(m_iUsed - 1);
  ++m_iLines;
}

bool CmWideColumn::mLoad(std::FILE* file, const std::function<void(std::size_t)>& progress) {
  mRelease();
  m_bFirst = true;
  // A regular file's size bounds the wide text: no growth while loading.
  // The list of line ends is reserved for lines of 4 bytes or more: pages
  // never touched cost nothing, and the list is then not copied as it grows.
  if (const std::size_t iSize = mRegularFileSize(file)) {
    mReserve(iSize + 1);
    m_viEnds.reserve(iSize / 4 + 1);
  }
  std::string sBlock(kBlock, '\0');
  std::size_t iHeld = 0;  // bytes of an unfinished line at the start of sBlock
  bool bOk = true;
  for (;;) {
    if (iHeld == sBlock.size()) sBlock.resize(sBlock.size() * 2);  // a very long line
    const std::size_t iRead = std::fread(&sBlock[iHeld], 1, sBlock.size() - iHeld, file);
    if (iRead == 0) {
      bOk = std::ferror(file) == 0;
      break;
    }
    const char* p = sBlock.data();
    const char* const pEnd = p + iHeld + iRead;
    const char* pScan = p + iHeld;
    while (const void* pFound = std::memchr(pScan, '\n', static_cast<std::size_t>(pEnd - pScan))) {
      const char* pNewline = static_cast<const char*>(pFound);
      mAppendLine(p, static_cast<std::size_t>(pNewline - p));
      if (progress && m_iLines % kProgressEvery == 0) progress(m_iLines);
      p = pScan = pNewline + 1;
    }
    iHeld = static_cast<std::size_t>(pEnd - p);
    std::memmove(&sBlock[0], p, iHeld);
  }
  if (iHeld > 0) mAppendLine(sBlock.data(), iHeld);
  // The text has stopped moving: the views can point into it.
  m_vViews.reserve(m_iLines);
  mAdviseHugePages(m_vViews.data(), m_iLines * sizeof(std::wstring_view));
  std::size_t iStart = 0;
  for (const std::size_t iEnd : m_viEnds) {
    m_vViews.emplace_back(m_pText + iStart, iEnd - iStart);
    iStart = iEnd + 1;
  }
  std::vector<std::size_t>().swap(m_viEnds);
  return bOk;
}

}  // namespace cvn::tool
