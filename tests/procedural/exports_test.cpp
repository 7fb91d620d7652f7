// The sixteen entry points are exported from the shared library under their
// plain names, and calling them through the loaded library works.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "CmString.h"

namespace {

const char* const kEntryPoints[] = {
    "DEFFMT", "DEFDAT", "DEFTIM", "INIT_TIMECLS", "MNOW",   "MTODAY", "MCTIME", "PDTFMT",
    "UDTFMT", "DTTOMT", "MTTODT", "NTTODT",       "NGETOB", "MWHEN",  "MMDATE", "MTIME"};

// The library stays mapped after dlclose (RTLD_NODELETE): it keeps objects
// that are made once and never destroyed, which an unmapped library would
// leave unreachable.
class SharedLibrary {
 public:
  explicit SharedLibrary(const char* path)
      : m_pHandle(dlopen(path, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {}
  ~SharedLibrary() {
    if (m_pHandle != nullptr) dlclose(m_pHandle);
  }
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  void* mHandle() const { return m_pHandle; }

 private:
  void* m_pHandle;
};

TEST(EntryPointExports, EveryNameIsExportedUndecorated) {
  SharedLibrary library(CVN_SHARED_LIBRARY_PATH);
  ASSERT_NE(library.mHandle(), nullptr) << dlerror();
  for (const char* pszName : kEntryPoints) {
    EXPECT_NE(dlsym(library.mHandle(), pszName), nullptr) << pszName;
  }
  // Nothing of the decorated form exists.
  EXPECT_EQ(dlsym(library.mHandle(), "_DTTOMT@12"), nullptr);
}

TEST(EntryPointExports, CallsThroughTheLoadedLibrary) {
  SharedLibrary library(CVN_SHARED_LIBRARY_PATH);
  ASSERT_NE(library.mHandle(), nullptr) << dlerror();
  using MwhenFn = void (*)(int*, CmString**, int, double*, double*, int*);
  using NgetobFn = int (*)(double*, double*, double*, int*);
  auto pMtime = reinterpret_cast<MwhenFn>(dlsym(library.mHandle(), "MTIME"));
  auto pNgetob = reinterpret_cast<NgetobFn>(dlsym(library.mHandle(), "NGETOB"));
  ASSERT_NE(pMtime, nullptr);
  ASSERT_NE(pNgetob, nullptr);
  int iMode = 0;
  double dValue = 12345.75;
  double dResult = 0.0;
  int iOk = 0;
  pMtime(&iMode, nullptr, 0, &dValue, &dResult, &iOk);
  EXPECT_EQ(iOk, 1);
  EXPECT_DOUBLE_EQ(dResult, 0.75);
  double dStart = 36526.0;
  double dEnd = 36536.0;
  double dIncrement = 2.0;
  int iUnit = 9;  // day
  EXPECT_EQ(pNgetob(&dStart, &dEnd, &dIncrement, &iUnit), 6);
}

}  // namespace
