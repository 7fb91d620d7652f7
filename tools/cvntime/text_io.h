// Streaming input and buffered output of the cvntime tool: standard input is
// read one line at a time (columns of millions of lines are never held),
// and output goes through one large buffer written in big blocks.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CmString;

namespace cvn::tool {

// Reads lines from a stream, without their line ends ("\n" or "\r\n"). A
// UTF-8 byte-order mark at the very start is dropped. The last line counts
// even without a final line end; an empty stream has no lines.
class CmLineReader {
 public:
  explicit CmLineReader(std::FILE* file);
  ~CmLineReader();
  CmLineReader(const CmLineReader&) = delete;
  CmLineReader& operator=(const CmLineReader&) = delete;

  // False at the end of the stream (or on a read error).
  bool mNext(std::string& line);

 private:
  std::FILE* m_pFile;
  char* m_pBuffer = nullptr;
  size_t m_iCapacity = 0;
  bool m_bFirst = true;
};

// Calls each(text) for every positional argument, or, when there are none,
// for every line of standard input.
void mForEachText(const std::vector<std::string>& args,
                  const std::function<void(std::string_view)>& each);

// Output through a large buffer. Write errors are remembered and reported by
// mFlush.
class CmOutput {
 public:
  explicit CmOutput(std::FILE* file, size_t capacity = size_t{1} << 20);
  ~CmOutput();
  CmOutput(const CmOutput&) = delete;
  CmOutput& operator=(const CmOutput&) = delete;

  void mPut(std::string_view text);
  void mPut(char c);
  // Wide text as UTF-8.
  void mPutWide(const CmString& text);
  // A value as the shortest text that reads back as the same double; "*"
  // for the missing-value code.
  void mPutValue(double value);
  void mEndLine() { mPut('\n'); }
  // Writes what is buffered; false when any write so far failed.
  bool mFlush();

 private:
  void mSpill();

  std::FILE* m_pFile;
  size_t m_iCapacity;
  std::string m_sBuffer;
  bool m_bFailed = false;
};

}  // namespace cvn::tool
