// Basic-type services of the package: the missing-value code, numeric
// tolerances, checked double-to-integer conversion, bit fields and the
// Singleton base.
#pragma once

#include <limits>

#include "CvnDateTimeExport.h"

static_assert(std::numeric_limits<double>::digits >= 53, "IEEE double required");
static_assert(sizeof(int) == 4 && sizeof(unsigned) == 4, "32-bit int required");

class CVN_API CmCVNConst {
 public:
  // The one instance, created on first use.
  static CmCVNConst* mInstance();
  // The double that stands for a missing value. It is finite and far outside
  // every valid time (a valid time lies between about -328716 and 767377).
  double mGetMissingValueCode() const { return kMissingValueCode; }

  static constexpr double kMissingValueCode = -1.0e300;

 private:
  CmCVNConst() = default;
};

// True when v is the missing-value code.
CVN_API bool mIsNumericMissing(double v);
// Relative machine epsilon of a double.
CVN_API double mGetEps();
// A tiny positive absolute tolerance.
CVN_API double mGetNearlyZero();
// The package's largest integer value, as a double (2^31 - 1).
CVN_API double mGetMaxInteger();
// Conversion to a 32-bit int, truncating toward zero. Defined for every
// input: NaN gives 0, values beyond the int range saturate.
// Example: 2.9 gives 2, -2.9 gives -2, 1e10 gives 2147483647. The unsigned
// form saturates at 2147483647 likewise.
CVN_API int mToINTG(double v);
CVN_API int mToINTG(unsigned v);

// Writes the low numBits bits of value into bits firstBit..firstBit+numBits-1
// of *word, leaving the other bits. Out-of-range fields are clipped to the word.
CVN_API void mSetBits(unsigned* word, int firstBit, int numBits, unsigned value);
// The numBits bits of word that end at bit lastBit, shifted down to bit 0.
CVN_API unsigned mGetBits(unsigned word, int lastBit, int numBits);

// Base of the package's singletons: not copyable; kind names the derived
// class.
class CVN_API Singleton {
 public:
  Singleton(const Singleton&) = delete;
  Singleton& operator=(const Singleton&) = delete;
  virtual ~Singleton();

 protected:
  explicit Singleton(int kind);
  int m_iKind;
};
