// Placeholder bodies until the reader is written.
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"

bool CmTimeCls::mStrToCorvaneTime(const wchar_t*, double* value) { *value = CmCVNConst::kMissingValueCode; return false; }
bool CmTimeCls::mValidateDTRange(const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*, double*, double*) { return false; }
bool CmTimeCls::mParseDeltaTime(const wchar_t*, int*, int*, int*, int*, int*, int*) const { return false; }
bool CmTimeCls::mValidateTime(const wchar_t*, xNumtimStruct*) { return false; }
bool CmTimeCls::mParseAbsTime(const wchar_t*, int*, int*, int*, int*, int*, int*, int*) { return false; }
bool CmTimeCls::mSeparateDateTimeAMPM(const wchar_t*, CmString&, CmString&, CmString&, EAMPMFormat*, bool*) const { return false; }
bool CmTimeCls::mIsValidAbsTime(const wchar_t*, int*, int*, int*, int*, int*, int*, int*, bool*, bool*) { return false; }
