// Floating-point environment services.
#pragma once

#include "CvnDateTimeExport.h"

// Restores the default floating-point environment (round to nearest, no traps).
CVN_API void mResetFPU();
