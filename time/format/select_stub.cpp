// Placeholder bodies until format selection, initialisation and packing are written.
#include "CmTimeCls.h"

bool CmTimeCls::mSetFormat(const wchar_t*) { return false; }
void CmTimeCls::mSetDefFormat() {}
void CmTimeCls::mSetDateFormat() {}
void CmTimeCls::mSetTimeFormat() {}
void CmTimeCls::mGetFormat(CmString& format, int* width, bool* hasDate, bool* hasTime) const { format.clear(); *width = 0; *hasDate = *hasTime = false; }
void CmTimeCls::mInitLoop(eFormatType) {}
bool CmTimeCls::mNextFormat(eFormatType, CmString& format, bool) { format.clear(); return false; }
bool CmTimeCls::mAddFormat(const wchar_t*, bool) { return false; }
bool CmTimeCls::mDeleteFormat(const wchar_t*, bool) { return false; }
void CmTimeCls::mDeleteAllFormats() {}
void CmTimeCls::mCopyFromFormat(bool) {}
void CmTimeCls::mInitialize() {}
void CmTimeCls::mPackFormat(std::vector<unsigned>& words) const { words.assign(4, 0u); }
void CmTimeCls::mUnpackFormat(const std::vector<unsigned>&) {}
void CmTimeCls::mGetFormat14(std::vector<unsigned>& words) const { words.assign(3, 0u); }
void CmTimeCls::mSetFormat14(const std::vector<unsigned>&) {}
