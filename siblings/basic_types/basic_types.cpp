// Basic types: the missing-value code, tolerances, the checked
// double-to-int conversion, bit fields and the Singleton base.

#include <cfloat>
#include <climits>
#include <cmath>

#include "CvnBasicTypes.h"

CmCVNConst* CmCVNConst::mInstance() {
  // Trivially constructed and destroyed: usable at any point of loading and
  // unloading.
  static CmCVNConst sInstance;
  return &sInstance;
}

bool mIsNumericMissing(double v) { return v == CmCVNConst::kMissingValueCode; }

double mGetEps() { return DBL_EPSILON; }

double mGetNearlyZero() { return 1.0e-300; }

double mGetMaxInteger() { return 2147483647.0; }

int mToINTG(double v) {
  if (std::isnan(v)) return 0;
  // Both bounds are exact doubles; the comparisons saturate infinities too.
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);  // (INT_MIN, INT_MAX): truncates toward zero
}

int mToINTG(unsigned v) {
  return v > static_cast<unsigned>(INT_MAX) ? INT_MAX : static_cast<int>(v);
}

// Fields are clipped to bits 0..31: bit positions outside the word are
// ignored, so no shift ever reaches the width of the word.
void mSetBits(unsigned* word, int firstBit, int numBits, unsigned value) {
  if (word == nullptr || numBits <= 0) return;
  for (int i = 0; i < numBits && i < 32; ++i) {
    const long long llPos = static_cast<long long>(firstBit) + i;
    if (llPos < 0) continue;
    if (llPos > 31) break;
    const unsigned uMask = 1u << static_cast<unsigned>(llPos);
    if ((value >> static_cast<unsigned>(i)) & 1u) {
      *word |= uMask;
    } else {
      *word &= ~uMask;
    }
  }
}

unsigned mGetBits(unsigned word, int lastBit, int numBits) {
  if (numBits <= 0) return 0;
  const long long llFirst = static_cast<long long>(lastBit) - numBits + 1;
  unsigned uResult = 0;
  for (int i = 0; i < numBits && i < 32; ++i) {
    const long long llPos = llFirst + i;
    if (llPos < 0) continue;
    if (llPos > 31) break;
    if ((word >> static_cast<unsigned>(llPos)) & 1u) uResult |= 1u << static_cast<unsigned>(i);
  }
  return uResult;
}

Singleton::Singleton(int kind) : m_iKind(kind) {}

Singleton::~Singleton() = default;
