// Validating a range of one or two date/time values written as one text,
// the values joined by "..", against a lower and an upper bound.

#include "CmString.h"
#include "CmTimeCls.h"

bool CmTimeCls::mValidateDTRange(const wchar_t* rangeText, const wchar_t* lowText,
                                 const wchar_t* highText, const wchar_t* endWord, double* first,
                                 double* second) {
  double dLow = 0.0;
  double dHigh = 0.0;
  if (!mStrToCorvaneTime(lowText, &dLow) || !mStrToCorvaneTime(highText, &dHigh)) return false;
  if (rangeText == nullptr || rangeText[0] == L'\0') return false;
  double dFirstSink = 0.0;
  double dSecondSink = 0.0;
  if (first == nullptr) first = &dFirstSink;
  if (second == nullptr) second = &dSecondSink;

  CmStringTokenizer xTokens{CmString(rangeText)};
  CmString sToken;
  bool bValid = true;
  int iToken = 0;
  while (bValid && xTokens.mGetToken(L"..", sToken, L"'", false, true, true, false)) {
    ++iToken;
    if (iToken > 2) {
      bValid = false;
      break;
    }
    double dValue = dHigh;
    // The end word stands for the upper bound and needs no check.
    if (mStrCompare(sToken.c_str(), endWord) != 0) {
      if (!mStrToCorvaneTime(sToken.c_str(), &dValue) || dValue < dLow || dValue > dHigh) {
        bValid = false;
      }
    }
    if (bValid) *(iToken == 1 ? first : second) = dValue;
  }
  // A single value still meets the second the caller passed in.
  if (bValid && *second < *first) bValid = false;
  return bValid;
}
