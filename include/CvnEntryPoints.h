// Flat entry points on the global time object, for callers that pass every
// argument by reference. Exported with C linkage under these names. A null
// pointer read counts as empty text or 0; a null pointer written is skipped.
#pragma once

#include "CmString.h"
#include "CvnDateTimeExport.h"

extern "C" {
CVN_API void DEFFMT(void);
CVN_API void DEFDAT(void);
CVN_API void DEFTIM(void);
CVN_API void INIT_TIMECLS(void);
CVN_API void MNOW(double* now);
CVN_API void MTODAY(double* today);
CVN_API void MCTIME(double* time);
CVN_API void PDTFMT(unsigned* words);
CVN_API void UDTFMT(const unsigned* words);
CVN_API int DTTOMT(CmString** text, int unused, double* value);
CVN_API void MTTODT(double* value, int* flag, CmString** text, int* length);
CVN_API void NTTODT(double* count, int* unit, double* time, double* result);
CVN_API int NGETOB(double* start, double* end, double* increment, int* unit);
CVN_API void MWHEN(int* mode, CmString** text, int passThrough, double* value, double* result,
                   int* ok);
CVN_API void MMDATE(int* mode, CmString** text, int passThrough, double* value, double* result,
                    int* ok);
CVN_API void MTIME(int* mode, CmString** text, int passThrough, double* value, double* result,
                   int* ok);
}
