// The texts of a column as the reader walks them: rows asked for in
// increasing order through a cursor, from the first row or from the row
// where the second half of the column starts. Either wide views given by the
// caller, or one UTF-8 text of lines decoded a line at a time into the
// cursor's own buffer (so a column of lines is never copied whole).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "siblings/string/utf8_decode.h"

namespace cvn::column {

// Rows given as wide views, one per row.
class xWideRows {
 public:
  xWideRows(const std::wstring_view* texts, std::size_t count) : m_pTexts(texts), m_iCount(count) {}

  class xCursor {
   public:
    explicit xCursor(const std::wstring_view* texts) : m_pTexts(texts) {}
    std::wstring_view mText(std::size_t row) { return m_pTexts[row]; }

   private:
    const std::wstring_view* m_pTexts;
  };

  std::size_t mCount() const { return m_iCount; }
  std::size_t mMiddle() const { return m_iCount / 2; }
  xCursor mFirst() const { return xCursor(m_pTexts); }
  xCursor mAtMiddle() const { return xCursor(m_pTexts); }

 private:
  const std::wstring_view* m_pTexts;
  std::size_t m_iCount;
};

// Rows given as UTF-8 text, one per line: a line ends at '\n' (a '\r'
// before it is dropped), text after the last '\n' is a last line, and an
// empty text has no lines.
class xUtf8Lines {
 public:
  explicit xUtf8Lines(std::string_view text) : m_sText(text) {
    // The middle: the first line that starts at or after the middle byte
    // (none: the whole text is the second half).
    const std::size_t iHalf = text.size() / 2;
    const void* pNewline =
        iHalf < text.size() ? std::memchr(text.data() + iHalf, '\n', text.size() - iHalf) : nullptr;
    m_iMiddlePos =
        pNewline == nullptr
            ? 0
            : static_cast<std::size_t>(static_cast<const char*>(pNewline) - text.data()) + 1;
    m_iMiddle = mNewlines(text.substr(0, m_iMiddlePos));
    m_iCount = m_iMiddle + mNewlines(text.substr(m_iMiddlePos));
    if (!text.empty() && text.back() != '\n') ++m_iCount;
  }

  class xCursor {
   public:
    xCursor(std::string_view text, std::size_t row, std::size_t pos)
        : m_sText(text), m_iRow(row), m_iPos(pos), m_vBuffer(kUsualLine) {}

    // The text of row (at or after the cursor's row), decoded; valid until
    // the next call.
    std::wstring_view mText(std::size_t row) {
      for (; m_iRow < row; ++m_iRow) m_iPos = mLineEnd(m_iPos) + 1;
      ++m_iRow;
      std::size_t n = 0;
      if (mWidenAscii(&n)) {
        m_iPos += n + 1;
        if (n > 0 && m_vBuffer[n - 1] == L'\r') --n;
        return {m_vBuffer.data(), n};
      }
      const std::size_t iEnd = mLineEnd(m_iPos);
      std::string_view sLine = m_sText.substr(m_iPos, iEnd - m_iPos);
      if (!sLine.empty() && sLine.back() == '\r') sLine.remove_suffix(1);
      m_iPos = iEnd + 1;
      if (m_vBuffer.size() < sLine.size()) m_vBuffer.resize(sLine.size());
      return {m_vBuffer.data(), cvn::detail::mDecodeUtf8Into(sLine, m_vBuffer.data())};
    }

   private:
    // The usual line: ASCII without NUL, short enough for the buffer. It is
    // widened into the buffer while its end is looked for, eight bytes at a
    // time, and *length set to its bytes (its '\n' not counted). False for
    // any other line (the buffer then holds nothing of use).
    bool mWidenAscii(std::size_t* length) {
      constexpr std::uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;
      constexpr std::uint64_t kNewlines = kOnes * '\n';
      const char* const p = m_sText.data() + m_iPos;
      const std::size_t iLeft = m_sText.size() - m_iPos;
      const std::size_t iRoom = m_vBuffer.size();
      wchar_t* const pOut = m_vBuffer.data();
      std::size_t n = 0;
      while (n + 8 <= iLeft && n + 8 <= iRoom) {
        std::uint64_t w = 0;
        std::memcpy(&w, p + n, 8);
        const std::uint64_t x = w ^ kNewlines;  // a zero byte where w has '\n'
        if (((w | ((w - kOnes) & ~w) | ((x - kOnes) & ~x)) & kHigh) != 0) break;
        for (std::size_t k = 0; k < 8; ++k) pOut[n + k] = static_cast<wchar_t>(p[n + k]);
        n += 8;
      }
      for (; n < iLeft; ++n) {
        const auto c = static_cast<unsigned char>(p[n]);
        if (c == '\n') break;
        if (c == 0 || c >= 0x80 || n == iRoom) return false;
        pOut[n] = static_cast<wchar_t>(c);
      }
      *length = n;
      return true;
    }

    // Where the line from pos ends: its '\n', or the end of the text.
    std::size_t mLineEnd(std::size_t pos) const {
      if (pos >= m_sText.size()) return m_sText.size();
      const void* p = std::memchr(m_sText.data() + pos, '\n', m_sText.size() - pos);
      return p == nullptr ? m_sText.size()
                          : static_cast<std::size_t>(static_cast<const char*>(p) - m_sText.data());
    }

    std::string_view m_sText;
    std::size_t m_iRow;
    std::size_t m_iPos;  // where row m_iRow starts
    static constexpr std::size_t kUsualLine = 128;
    std::vector<wchar_t> m_vBuffer;
  };

  std::size_t mCount() const { return m_iCount; }
  std::size_t mMiddle() const { return m_iMiddle; }
  xCursor mFirst() const { return xCursor(m_sText, 0, 0); }
  xCursor mAtMiddle() const { return xCursor(m_sText, m_iMiddle, m_iMiddlePos); }

 private:
  // The '\n' in text. Byte counters, 32 at a time and emptied before they
  // can overflow: the compiler turns the inner loop into vector compares
  // (about 20 GB/s here, several times a plain count).
  static std::size_t mNewlines(std::string_view text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t iLength = text.size();
    std::size_t n = 0, i = 0;
    while (iLength - i >= 32) {
      const std::size_t iBlocks = std::min<std::size_t>((iLength - i) / 32, 255);
      const std::size_t iStop = i + iBlocks * 32;
      unsigned char acCount[32] = {};
      for (; i < iStop; i += 32) {
        for (int k = 0; k < 32; ++k) acCount[k] += p[i + k] == '\n' ? 1 : 0;
      }
      for (const unsigned char c : acCount) n += c;
    }
    for (; i < iLength; ++i) n += p[i] == '\n' ? 1 : 0;
    return n;
  }

  std::string_view m_sText;
  std::size_t m_iCount = 0;
  std::size_t m_iMiddle = 0;     // the first row of the second half
  std::size_t m_iMiddlePos = 0;  // where it starts
};

}  // namespace cvn::column
