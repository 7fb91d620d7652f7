// Uses a few exported services of the installed library.

#include <cstdio>

#include "CvnDateTime.h"

int main() {
  CmTimeCls xTime;
  double dValue = 0.0;
  const bool bOk = xTime.mGenerateCorvaneTime(2000, 1, 1, 0, 0, 0, 0, &dValue);
  const CmString sQuarter(55673);
  if (!bOk || !(sQuarter == L"Q") || mToINTG(2.5) != 2 ||
      mIsNumericMissing(CmCVNConst::mInstance()->mGetMissingValueCode()) != true) {
    std::printf("consumer failed\n");
    return 1;
  }
  std::printf("consumer ok\n");
  return 0;
}
