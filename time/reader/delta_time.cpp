// Reading a signed span of time of fixed syntax: a sign, days, then
// hours:minutes:seconds and hundredths, each of the later pieces optional.

#include <cwchar>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/reader/reader_impl.h"

namespace {

constexpr int kBufferChars = 80;

// One piece of the span: a whole number within [0, max] when max >= 0
// (any value when max < 0). The check treats the value as unsigned, so a
// negative hour, minute, second or hundredth fails.
bool mReadPiece(const CmString& piece, int max, int* out) {
  int iValue = 0;
  if (!CmTimeReaderImpl::mReadIntegerToken(piece.c_str(), &iValue)) return false;
  if (max >= 0 && static_cast<unsigned>(iValue) > static_cast<unsigned>(max)) return false;
  *out = iValue;
  return true;
}

}  // namespace

bool CmTimeCls::mParseDeltaTime(const wchar_t* text, int* sign, int* days, int* hours, int* minutes,
                                int* seconds, int* hundredths) const {
  int iSink = 0;
  int* apOut[5] = {days, hours, minutes, seconds, hundredths};
  for (int*& p : apOut) {
    if (p == nullptr) p = &iSink;
    *p = 0;
  }
  if (text == nullptr) return false;
  const size_t uLen = std::wcslen(text);
  if (uLen < 2 || uLen >= static_cast<size_t>(kBufferChars)) return false;
  if (text[0] != L'+' && text[0] != L'-') return false;
  if (sign != nullptr) *sign = text[0] == L'+' ? 1 : -1;

  wchar_t szBuffer[kBufferChars] = {};
  std::wmemcpy(szBuffer, text, uLen);
  szBuffer[0] = L' ';
  mLeftJustify(szBuffer);

  CmString sPiece;
  if (mGetToken(L" ", true, false, true, szBuffer, sPiece) == 0) return false;
  bool bValid = mReadPiece(sPiece, -1, apOut[0]);

  // Hours, minutes and seconds end at their delimiters; the hundredths are
  // what is left. A missing piece ends the span; a bad one fails it while
  // the later pieces are still read.
  const wchar_t szDecimal[2] = {mGetInputDecimal(), L'\0'};
  const wchar_t* apDelims[3] = {L":", L":", szDecimal};
  constexpr int kMax[4] = {23, 59, 59, 99};
  for (int i = 0; i < 3; ++i) {
    if (mGetToken(apDelims[i], true, false, true, szBuffer, sPiece) == 0) return bValid;
    if (!mReadPiece(sPiece, kMax[i], apOut[i + 1])) bValid = false;
  }
  sPiece = szBuffer;
  sPiece.mTrimLeadingAndTrailingBlanks();
  if (!sPiece.empty() && !mReadPiece(sPiece, kMax[3], apOut[4])) bValid = false;
  return bValid;
}
