// A whole column of UTF-8 lines held as wide text, for the column reader:
// the lines end to end in one buffer (each followed by '\n', which no line
// holds) and one view of each. Ten million lines of a date-time take about
// 1 GB with 4-byte wide characters; no allocation is made per line (the
// text and the list of line ends grow geometrically).
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

namespace cvn::tool {

class CmWideColumn {
 public:
  CmWideColumn() = default;
  ~CmWideColumn();
  CmWideColumn(const CmWideColumn&) = delete;
  CmWideColumn& operator=(const CmWideColumn&) = delete;

  // Reads every line of file, decoded as mUtf8ToWide does, without its line
  // end ("\n" or "\r\n"). A UTF-8 byte-order mark at the very start is
  // dropped; the last line counts even without a line end; an empty stream
  // has no lines. progress, when set, is called with the lines read so far
  // every 2^18 lines. False on a read error (the lines read stay).
  bool mLoad(std::FILE* file, const std::function<void(std::size_t)>& progress = nullptr);

  // One view per line, in order; valid until mRelease or destruction.
  const std::vector<std::wstring_view>& mViews() const { return m_vViews; }
  std::size_t mCount() const { return m_vViews.size(); }

  // Frees the text and the views.
  void mRelease();

 private:
  void mReserve(std::size_t units);
  void mAppendLine(const char* bytes, std::size_t length);

  wchar_t* m_pText = nullptr;
  std::size_t m_iUsed = 0;
  std::size_t m_iCapacity = 0;
  std::size_t m_iLines = 0;
  bool m_bFirst = true;
  std::vector<std::size_t> m_viEnds;  // where each line's separator is, while loading
  std::vector<std::wstring_view> m_vViews;
};

}  // namespace cvn::tool
