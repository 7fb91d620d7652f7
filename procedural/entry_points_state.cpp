// Flat entry points that select, store and restore the global object's
// format and read the clock.
//
// Every entry point catches everything at the boundary: a caller across the
// C interface cannot handle a C++ exception, so a failure leaves the
// out-values as far as they were written and returns.

#include <vector>

#include "CmTimeCls.h"
#include "CvnEntryPoints.h"

namespace {

// Number of packed words exchanged with callers (the version-14 length).
constexpr int kEntryWords = PACKED_WORDS_14;

}  // namespace

extern "C" {

void DEFFMT(void) {
  try {
    gcmTime.mSetDefFormat();
  } catch (...) {
  }
}

void DEFDAT(void) {
  try {
    gcmTime.mSetDateFormat();
  } catch (...) {
  }
}

void DEFTIM(void) {
  try {
    gcmTime.mSetTimeFormat();
  } catch (...) {
  }
}

void INIT_TIMECLS(void) {
  try {
    gcmTime.mInitialize();
  } catch (...) {
  }
}

void MNOW(double* now) {
  if (now == nullptr) return;
  try {
    *now = gcmTime.mNow();
  } catch (...) {
  }
}

void MTODAY(double* today) {
  if (today == nullptr) return;
  try {
    *today = gcmTime.mToday();
  } catch (...) {
  }
}

void MCTIME(double* time) {
  if (time == nullptr) return;
  try {
    *time = gcmTime.mTime();
  } catch (...) {
  }
}

void PDTFMT(unsigned* words) {
  if (words == nullptr) return;
  try {
    std::vector<unsigned> vuWords(kEntryWords, 0u);
    gcmTime.mPackFormat(vuWords);
    for (int i = 0; i < kEntryWords; ++i) {
      const size_t iIndex = static_cast<size_t>(i);
      words[i] = iIndex < vuWords.size() ? vuWords[iIndex] : 0u;
    }
  } catch (...) {
  }
}

void UDTFMT(const unsigned* words) {
  // A null array is no stored format: the global format stays as it is.
  // Unpacking three zero words instead would leave the object without parts.
  if (words == nullptr) return;
  try {
    const std::vector<unsigned> vuWords(words, words + kEntryWords);
    gcmTime.mUnpackFormat(vuWords);
  } catch (...) {
  }
}

}  // extern "C"
