// Messaging: reports of broken internal invariants. mAssert always returns
// to its caller, which goes on with a neutral result.
#pragma once

#include "CvnDateTimeExport.h"

using CmAssertHandler = void (*)(const char* expression, const char* sourceFile, unsigned line);

// Reports that expression did not hold in sourceFile at line; returns false.
CVN_API bool mAssert(const char* expression, const char* sourceFile, unsigned line,
                     bool bUnusedA = false, bool bUnusedB = false);
// Installs handler (null: the default, one line on stderr) and returns the
// previous one, so a host or a test can capture the reports.
CVN_API CmAssertHandler mSetAssertHandler(CmAssertHandler handler);
