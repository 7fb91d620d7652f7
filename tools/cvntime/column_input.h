// A whole column file's bytes, for CmColumnReader::mReadLines. A regular
// file is mapped into memory as it is (no copy); anything else (a pipe, a
// terminal) is read into one buffer that grows geometrically.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string_view>

namespace cvn::tool {

class CmColumnBytes {
 public:
  CmColumnBytes() = default;
  ~CmColumnBytes();
  CmColumnBytes(const CmColumnBytes&) = delete;
  CmColumnBytes& operator=(const CmColumnBytes&) = delete;

  // Reads the whole of file. progress, when set, is called with the bytes
  // read so far after every 16 MiB. False on a read error (the bytes read
  // stay).
  bool mLoad(std::FILE* file, const std::function<void(std::size_t)>& progress = nullptr);

  // True when the file was mapped and has since shrunk under it: the bytes
  // past its new end read as NUL characters (instead of the bus error such
  // a read raises), and what was read from them is not to be trusted.
  bool mChanged() const;

  // The bytes read, without a UTF-8 byte-order mark at the very start; valid
  // until mRelease or destruction.
  std::string_view mText() const;

  // Frees the bytes.
  void mRelease();

 private:
  bool mMap(int fd, std::size_t size);

  char* m_pBytes = nullptr;
  std::size_t m_iUsed = 0;
  std::size_t m_iCapacity = 0;
  bool m_bMapped = false;
};

// Walks the lines of a text as CmColumnReader::mReadLines counts them, in
// increasing order: the text of line row, without its line end ("\n" or
// "\r\n").
class CmLineWalker {
 public:
  explicit CmLineWalker(std::string_view text) : m_sText(text) {}
  std::string_view mLine(std::size_t row);

 private:
  std::string_view m_sText;
  std::size_t m_iRow = 0;
  std::size_t m_iPos = 0;  // where line m_iRow starts
};

}  // namespace cvn::tool
