// A whole column file's bytes: a regular file mapped, anything else read in
// as few calls as it allows.
//
// A mapped file that another program shrinks raises a bus error when the
// pages past its new end are read. While a file is mapped, a handler of
// that signal puts a page of zeros in place of each lost page and notes it,
// so the import goes on and then reports the file as changed; any other bus
// error goes to the handler there was before.

#include "tools/cvntime/column_input.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/memory_advice.h"

namespace cvn::tool {

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 24;

// The size of a regular file, 0 for anything else (a pipe, a terminal).
std::size_t mRegularFileSize(int fd) {
  struct stat xStat;
  if (fstat(fd, &xStat) != 0 || !S_ISREG(xStat.st_mode) || xStat.st_size <= 0) return 0;
  return static_cast<std::size_t>(xStat.st_size);
}

// Whether a CmColumnBytes holds the handler; the one mapping the handler
// repairs (set once mapped), its size and the page size.
std::atomic<bool> gbClaimed{false};
std::atomic<char*> gpMapped{nullptr};
std::size_t giMapped = 0;
std::size_t giPage = 4096;
std::atomic<bool> gbShrunk{false};
struct sigaction gxPreviousHandler;

void mOnBusError(int, siginfo_t* info, void*) {
  char* const pStart = gpMapped.load();
  char* const p = static_cast<char*>(info->si_addr);
  if (pStart != nullptr && p >= pStart && p < pStart + giMapped) {
    char* const pPage = pStart + static_cast<std::size_t>(p - pStart) / giPage * giPage;
    if (mmap(pPage, giPage, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
        MAP_FAILED) {
      gbShrunk.store(true);
      return;
    }
  }
  // Not ours: the handler before takes the same fault again.
  sigaction(SIGBUS, &gxPreviousHandler, nullptr);
}

}  // namespace

CmColumnBytes::~CmColumnBytes() { mRelease(); }

void CmColumnBytes::mRelease() {
  if (m_bMapped) {
    gpMapped.store(nullptr);
    sigaction(SIGBUS, &gxPreviousHandler, nullptr);
    munmap(m_pBytes, m_iUsed);
    m_bMapped = false;
    gbClaimed.store(false);
  } else {
    std::free(m_pBytes);
  }
  m_pBytes = nullptr;
  m_iUsed = m_iCapacity = 0;
}

bool CmColumnBytes::mChanged() const { return m_bMapped && gbShrunk.load(); }

bool CmColumnBytes::mMap(int fd, std::size_t size) {
  // One mapping at a time has the handler; another one is read instead.
  if (gbClaimed.exchange(true)) return false;
  // Every page read in now: no page fault later while the column is read.
  void* p = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  struct sigaction xHandler {};
  xHandler.sa_sigaction = mOnBusError;
  xHandler.sa_flags = SA_SIGINFO;
  sigemptyset(&xHandler.sa_mask);
  if (p == MAP_FAILED || sigaction(SIGBUS, &xHandler, &gxPreviousHandler) != 0) {
    if (p != MAP_FAILED) munmap(p, size);
    gbClaimed.store(false);
    return false;
  }
  const long iPage = sysconf(_SC_PAGESIZE);
  giPage = iPage > 0 ? static_cast<std::size_t>(iPage) : 4096;
  giMapped = size;
  gbShrunk.store(false);
  m_pBytes = static_cast<char*>(p);
  m_iUsed = size;
  m_bMapped = true;
  gpMapped.store(m_pBytes);
  return true;
}

std::string_view CmColumnBytes::mText() const {
  std::string_view s(m_pBytes, m_iUsed);
  if (s.size() >= 3 && s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
  return s;
}

bool CmColumnBytes::mLoad(std::FILE* file, const std::function<void(std::size_t)>& progress) {
  mRelease();
  // Nothing has been read through the stream: its descriptor is read
  // directly, without the stream's copy.
  const int fd = fileno(file);
  const std::size_t iSize = mRegularFileSize(fd);
  // Mapped only when read from its start (a stream handed on part-read is
  // read on from where it is).
  if (iSize > 0 && lseek(fd, 0, SEEK_CUR) == 0 && mMap(fd, iSize)) return true;
  // A regular file's size (plus one byte to see the end) is read in one go.
  std::size_t iWant = iSize + 1;
  if (iWant < kChunk) iWant = kChunk;
  std::size_t iReported = 0;
  for (;;) {
    if (m_iUsed == m_iCapacity) {
      std::size_t iCapacity = m_iCapacity + m_iCapacity / 2;
      if (iCapacity < m_iUsed + iWant) iCapacity = m_iUsed + iWant;
      void* p = std::realloc(m_pBytes, iCapacity);
      if (p == nullptr) throw std::bad_alloc();
      m_pBytes = static_cast<char*>(p);
      cvn::platform::mAdviseHugePages(m_pBytes + m_iUsed, iCapacity - m_iUsed);
      m_iCapacity = iCapacity;
    }
    const ssize_t iRead = read(fd, m_pBytes + m_iUsed, m_iCapacity - m_iUsed);
    if (iRead < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (iRead == 0) return true;
    m_iUsed += static_cast<std::size_t>(iRead);
    iWant = kChunk;
    if (progress && m_iUsed - iReported >= kChunk) {
      iReported = m_iUsed;
      progress(m_iUsed);
    }
  }
}

std::string_view CmLineWalker::mLine(std::size_t row) {
  const auto mEnd = [this](std::size_t pos) {
    const std::size_t i = pos < m_sText.size() ? m_sText.find('\n', pos) : std::string_view::npos;
    return i == std::string_view::npos ? m_sText.size() : i;
  };
  for (; m_iRow < row; ++m_iRow) m_iPos = mEnd(m_iPos) + 1;
  if (m_iPos > m_sText.size()) return {};
  const std::size_t iEnd = mEnd(m_iPos);
  std::string_view s = m_sText.substr(m_iPos, iEnd - m_iPos);
  if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
  return s;
}

}  // namespace cvn::tool
