// Export macro of the CvnDateTime shared library. Symbols are hidden by
// default; CVN_API marks the public surface.
#pragma once

#if defined(CVN_DATETIME_STATIC)
#define CVN_API
#elif defined(__GNUC__) || defined(__clang__)
#define CVN_API __attribute__((visibility("default")))
#else
#define CVN_API
#endif
