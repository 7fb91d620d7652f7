// Messaging: reports of broken internal invariants go to the installed
// handler; by default one line on stderr.

#include <cstdio>

#include "CvnMessaging.h"

namespace {

// Constant-initialised: a report made while the library loads finds it set.
CmAssertHandler gpAssertHandler = nullptr;

void mDefaultAssertHandler(const char* expression, const char* sourceFile, unsigned line) {
  std::fprintf(stderr, "assertion failed: %s (%s:%u)\n", expression != nullptr ? expression : "",
               sourceFile != nullptr ? sourceFile : "", line);
}

}  // namespace

bool mAssert(const char* expression, const char* sourceFile, unsigned line, bool /*bUnusedA*/,
             bool /*bUnusedB*/) {
  const CmAssertHandler pHandler =
      gpAssertHandler != nullptr ? gpAssertHandler : &mDefaultAssertHandler;
  pHandler(expression, sourceFile, line);
  return false;
}

CmAssertHandler mSetAssertHandler(CmAssertHandler handler) {
  const CmAssertHandler pPrevious = gpAssertHandler;
  gpAssertHandler = handler;
  return pPrevious;
}
