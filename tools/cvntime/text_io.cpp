// Streaming input and buffered output of the cvntime tool.

#include "tools/cvntime/text_io.h"

#include <stdio.h>  // getline (POSIX)
#include <stdlib.h>

#include "CmString.h"
#include "tools/cvntime/utf8.h"
#include "tools/cvntime/values.h"

namespace cvn::tool {

CmLineReader::CmLineReader(std::FILE* file) : m_pFile(file) {}

CmLineReader::~CmLineReader() { free(m_pBuffer); }

bool CmLineReader::mNext(std::string& line) {
  line.clear();
  if (m_pFile == nullptr) return false;
  // getline keeps one buffer for all lines and grows it as a line needs.
  const ssize_t iRead = getline(&m_pBuffer, &m_iCapacity, m_pFile);
  if (iRead < 0) return false;
  size_t iLength = static_cast<size_t>(iRead);
  if (iLength > 0 && m_pBuffer[iLength - 1] == '\n') --iLength;
  if (iLength > 0 && m_pBuffer[iLength - 1] == '\r') --iLength;
  size_t iStart = 0;
  if (m_bFirst) {
    m_bFirst = false;
    if (iLength >= 3 && static_cast<unsigned char>(m_pBuffer[0]) == 0xEF &&
        static_cast<unsigned char>(m_pBuffer[1]) == 0xBB &&
        static_cast<unsigned char>(m_pBuffer[2]) == 0xBF) {
      iStart = 3;
    }
  }
  line.assign(m_pBuffer + iStart, iLength - iStart);
  return true;
}

void mForEachText(const std::vector<std::string>& args,
                  const std::function<void(std::string_view)>& each) {
  if (!args.empty()) {
    for (const std::string& s : args) each(s);
    return;
  }
  CmLineReader reader(stdin);
  std::string sLine;
  while (reader.mNext(sLine)) each(sLine);
}

CmOutput::CmOutput(std::FILE* file, size_t capacity) : m_pFile(file), m_iCapacity(capacity) {
  m_sBuffer.reserve(capacity + 64);
}

CmOutput::~CmOutput() { mFlush(); }

void CmOutput::mSpill() {
  if (m_sBuffer.empty()) return;
  if (!m_bFailed &&
      std::fwrite(m_sBuffer.data(), 1, m_sBuffer.size(), m_pFile) != m_sBuffer.size()) {
    m_bFailed = true;
  }
  m_sBuffer.clear();
}

void CmOutput::mPut(std::string_view text) {
  m_sBuffer.append(text.data(), text.size());
  if (m_sBuffer.size() >= m_iCapacity) mSpill();
}

void CmOutput::mPut(char c) {
  m_sBuffer += c;
  if (m_sBuffer.size() >= m_iCapacity) mSpill();
}

void CmOutput::mPutWide(const CmString& text) {
  mAppendWideAsUtf8(text.c_str(), static_cast<size_t>(text.length()), m_sBuffer);
  if (m_sBuffer.size() >= m_iCapacity) mSpill();
}

void CmOutput::mPutValue(double value) {
  char szBuffer[kValueTextMax];
  mPut(std::string_view(szBuffer, mFormatValueTo(value, szBuffer)));
}

bool CmOutput::mFlush() {
  mSpill();
  if (!m_bFailed && std::fflush(m_pFile) != 0) m_bFailed = true;
  return !m_bFailed;
}

}  // namespace cvn::tool
