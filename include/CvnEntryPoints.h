// Flat entry points on the global time object, for callers that pass every
// argument by reference. Exported with C linkage under these names. A null
// pointer read counts as empty text or 0; a null pointer written is skipped.
// None of them fails loudly: each does what its member does on gcmTime.
#pragma once

#include "CmString.h"
#include "CvnDateTimeExport.h"

extern "C" {
// gcmTime.mSetDefFormat(), mSetDateFormat(), mSetTimeFormat() and
// mInitialize(): the regional formats (a refused one leaves the current
// format), or the regional settings read again.
CVN_API void DEFFMT(void);
CVN_API void DEFDAT(void);
CVN_API void DEFTIM(void);
CVN_API void INIT_TIMECLS(void);
// The present date and time, the date, and the time of day (a fraction of
// a day plus 5e-10), as gcmTime.mNow(), mToday() and mTime() give them.
CVN_API void MNOW(double* now);
CVN_API void MTODAY(double* today);
CVN_API void MCTIME(double* time);
// The current format of gcmTime packed into words[0..2] (nothing else is
// written), and made current again from such words.
CVN_API void PDTFMT(unsigned* words);
CVN_API void UDTFMT(const unsigned* words);
// Reads *text under gcmTime's formats into *value (the missing-value code
// when it cannot be read; the format that read it may become current):
// 1 when read (empty text and "*" count as read), else 0. The caller's text
// is not changed; the int argument is not used.
// Example: "3/15/2020" under "m/d/yyyy" gives 1 and 43905.
CVN_API int DTTOMT(CmString** text, int unused, double* value);
// Writes *value under gcmTime's current format ("*" when it cannot be
// shown; flag 1 writes the day number in place of the date) into **text,
// and its length in characters into *length.
CVN_API void MTTODT(double* value, int* flag, CmString** text, int* length);
// *result = *time moved by *count units (gcmTime.mNormToCorvaneTime: the
// missing-value code outside the scale).
CVN_API void NTTODT(double* count, int* unit, double* time, double* result);
// gcmTime.mNumTimesInRange(*start, *end, *increment, *unit).
CVN_API int NGETOB(double* start, double* end, double* increment, int* unit);
// Mode 0: *result = *value when gcmTime's current format can show it, with
// *ok 1; else the missing-value code and *ok 0. Mode 1: *text read under
// the regional date-time format (which becomes current), *ok 1 when read.
// Other modes pass *value through. MMDATE keeps the date part (the whole
// day below the value) and MTIME the time of day (a fraction of a day in
// whole milliseconds; for a negative value its distance to the next whole
// day toward zero) of what MWHEN gives. passThrough is not used.
// Example: MTIME in mode 0 of -0.25 gives 0.25.
CVN_API void MWHEN(int* mode, CmString** text, int passThrough, double* value, double* result,
                   int* ok);
CVN_API void MMDATE(int* mode, CmString** text, int passThrough, double* value, double* result,
                    int* ok);
CVN_API void MTIME(int* mode, CmString** text, int passThrough, double* value, double* result,
                   int* ok);
}
