// Floating-point environment services.

#include <cfenv>

#include "CvnExceptions.h"

void mResetFPU() { std::fesetenv(FE_DFL_ENV); }
