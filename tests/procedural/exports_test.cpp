// The sixteen entry points are exported from the shared library under their
// plain names, and calls through the loaded library work.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The library stays mapped after dlclose (RTLD_NODELETE): it keeps objects
// that are made once and never destroyed, which an unmapped library would
// leave unreachable.
struct xClose {
  void operator()(void* p) const { dlclose(p); }
};
using SharedLibrary = std::unique_ptr<void, xClose>;

TEST(EntryPointExports, EveryNameIsExportedUndecoratedAndCallable) {
  const SharedLibrary library(
      dlopen(CVN_SHARED_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
  ASSERT_NE(library, nullptr) << dlerror();
  for (const char* pszName :
       {"DEFFMT", "DEFDAT", "DEFTIM", "INIT_TIMECLS", "MNOW", "MTODAY", "MCTIME", "PDTFMT",
        "UDTFMT", "DTTOMT", "MTTODT", "NTTODT", "NGETOB", "MWHEN", "MMDATE", "MTIME"}) {
    EXPECT_NE(dlsym(library.get(), pszName), nullptr) << pszName;
  }
  EXPECT_EQ(dlsym(library.get(), "_DTTOMT@12"), nullptr);  // no decorated form

  using NgetobFn = int (*)(double*, double*, double*, int*);
  auto pNgetob = reinterpret_cast<NgetobFn>(dlsym(library.get(), "NGETOB"));
  ASSERT_NE(pNgetob, nullptr);
  int iUnit = 9;  // day
  double dStart = 36526.0, dEnd = 36536.0, dIncrement = 2.0;
  EXPECT_EQ(pNgetob(&dStart, &dEnd, &dIncrement, &iUnit), 6);
}

}  // namespace
