// Placeholder bodies until the format parser and generator are written.
#include "CmTimeCls.h"

void CmTimeCls::mGetDateTimeFmtParts(CmString& format, CmString& date, CmString& time) const { date = format; time.clear(); }
bool CmTimeCls::mIsPre15Format(CmString&) const { return false; }
bool CmTimeCls::mParseFormat(const wchar_t*, CmString&, CmString&, int* numParts, xTimePartsStruct*, bool* b24Hour, EAMPMFormat* ampm) { *numParts = 0; *b24Hour = true; *ampm = eAmPmUpperSpaced; return false; }
void CmTimeCls::mGenerateFormat(int, const xTimePartsStruct*, const wchar_t*, const wchar_t*, bool, EAMPMFormat, CmString& out) const { out.clear(); }
void CmTimeCls::mMakeAMPMFormat(int, CmString&) const {}
int CmTimeCls::mGetWidestFormattedWidth(xTimePartsEnum) const { return 0; }
