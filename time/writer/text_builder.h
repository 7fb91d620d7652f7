// The text of one write, laid out in a local buffer and handed to the
// caller's string once at the end: a write appends a dozen short pieces,
// and each append to a std::wstring checks its capacity and moves memory.
// Text that outgrows the buffer (long separators or labels) continues in
// the caller's string, so any length is written the same way.
#pragma once

#include <cstddef>
#include <cwchar>
#include <string>

namespace cvn::detail {

class xTextBuilder {
 public:
  explicit xTextBuilder(std::wstring& out) : m_out(out) {}
  xTextBuilder(const xTextBuilder&) = delete;
  xTextBuilder& operator=(const xTextBuilder&) = delete;

  void append(const wchar_t* p, size_t n) {
    if (!m_bSpilled && n <= kCapacity - m_iSize) {
      wchar_t* q = m_szBuffer + m_iSize;
      m_iSize += n;
      // Most pieces are one or two characters: copied in place rather than
      // by a library call.
      switch (n) {
        case 2: q[1] = p[1]; [[fallthrough]];
        case 1: q[0] = p[0]; [[fallthrough]];
        case 0: return;
        default: std::wmemcpy(q, p, n); return;
      }
    }
    mSpill();
    m_out.append(p, n);
  }
  void append(const std::wstring& s) { append(s.data(), s.size()); }
  xTextBuilder& operator+=(wchar_t c) {
    append(&c, 1);
    return *this;
  }
  xTextBuilder& operator+=(const wchar_t* s) {
    append(s, std::wcslen(s));
    return *this;
  }
  xTextBuilder& operator+=(const std::wstring& s) {
    append(s);
    return *this;
  }

  void clear() {
    m_iSize = 0;
    m_bSpilled = false;
    m_out.clear();
  }
  size_t size() const { return m_bSpilled ? m_out.size() : m_iSize; }
  bool empty() const { return size() == 0; }
  const wchar_t* data() const { return m_bSpilled ? m_out.data() : m_szBuffer; }

  // Leaves the whole text in the caller's string.
  void mFinish() {
    if (!m_bSpilled) m_out.assign(m_szBuffer, m_iSize);
  }

 private:
  static constexpr size_t kCapacity = 160;

  void mSpill() {
    if (m_bSpilled) return;
    m_out.assign(m_szBuffer, m_iSize);
    m_bSpilled = true;
  }

  std::wstring& m_out;
  wchar_t m_szBuffer[kCapacity];
  size_t m_iSize = 0;
  bool m_bSpilled = false;
};

}  // namespace cvn::detail
