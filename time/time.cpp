// CmTimeCls: construction, copying, the global instance, the class-wide
// members, the simple accessors and the two-digit-year window.

#include <cwchar>

#include "CmTimeCls.h"
#include "CvnExceptions.h"
#include "platform/platform.h"

// Class-wide members. They are defined here, before gcmTime, so that within
// this file they are constructed first and destroyed after it.
int CmTimeCls::iDateLoop = 0;
int CmTimeCls::iTimeLoop = 0;
int CmTimeCls::iDateTimeLoop = 0;
int CmTimeCls::iNumLegalFmts = 0;
int CmTimeCls::iNumTmpLegalFmts = 0;
bool CmTimeCls::m_bElapsedTimeFlag = false;
bool CmTimeCls::m_bFmtHasComma = false;
std::vector<CmString> CmTimeCls::m_vsLegalFmts;
std::vector<CmString> CmTimeCls::m_vsTmpLegalFmts;

CmTimeCls gcmTime;

CmTimeCls::CmTimeCls() {
  // The string fields and the default formats start empty; m_iBaseYear is
  // 1900 by its initialiser.
  mGetTwoDigitYearInfo();
  m_sDateTimeFmt.clear();
  mResetFPU();
  mInitialize();
  // Whatever format the initialisation set, a new object starts with both
  // class-wide format flags cleared.
  m_bElapsedTimeFlag = false;
  m_bFmtHasComma = false;
  m_vsLegalFmts.reserve(kMaxLegalFmts);
  m_vsTmpLegalFmts.reserve(kMaxLegalFmts);
}

CmTimeCls::CmTimeCls(const CmTimeCls& other) = default;
CmTimeCls& CmTimeCls::operator=(const CmTimeCls& other) = default;
CmTimeCls::~CmTimeCls() = default;

CmTimeCls& CmTimeCls::mGetGlobalTime() { return gcmTime; }

bool CmTimeCls::mIsFullySpecifiedDate() const {
  if (m_iNumParts != 3) return false;
  for (int i = 0; i < 3; ++i) {
    switch (m_xParts[i].ePart) {
      case xYear:
      case xMonthNumber:
      case xMonthAbbrev:
      case xMonthName:
      case xDay: break;
      default: return false;
    }
  }
  return true;
}

bool CmTimeCls::mIsDuplicatePart(int count, const xTimePartsStruct* parts,
                                 xTimePartsEnum part) const {
  return mFindMatchingFmtPart(part, count, parts) >= 0;
}

int CmTimeCls::mFindMatchingFmtPart(xTimePartsEnum part, int count,
                                    const xTimePartsStruct* parts) const {
  if (parts == nullptr) return -1;
  if (count > kMaxParts) count = kMaxParts;
  for (int i = 0; i < count; ++i) {
    if (parts[i].ePart == part) return i;
  }
  return -1;
}

void CmTimeCls::mGetTwoDigitYearInfo() {
  // The window end is a text of at most four digits; a longer or missing
  // text, or one that reads as 0, gives the default end 2029.
  constexpr int kBufferChars = 5;
  wchar_t szBuffer[kBufferChars] = {};
  long lEnd = 0;
  if (cvn::platform::mReadTwoDigitYearMax(szBuffer, kBufferChars)) {
    lEnd = std::wcstol(szBuffer, nullptr, 10);  // [0, 9999]: at most four digits
  }
  if (lEnd <= 0) lEnd = 2029;
  const int iEnd = static_cast<int>(lEnd);
  m_iTwoDigitYearMax = iEnd % 100;
  m_iTwoDigitYearBase = ((iEnd - 99) / 100) * 100;
}
