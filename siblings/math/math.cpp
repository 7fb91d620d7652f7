// Math services: rounding half away from zero.

#include <cmath>

#include "CvnMath.h"

double mNearestInteger(double value) { return std::round(value); }  // NaN, inf pass through

double mRound(double value, int places) {
  if (!std::isfinite(value)) return value;
  // Beyond 2^52 every double is already a whole number, so no finer place
  // can be rounded away.
  constexpr double kWholeFrom = 4503599627370496.0;  // 2^52
  if (places >= 0) {
    const double dScale = std::pow(10.0, places);  // inf for places > 308
    const double dScaled = value * dScale;
    if (!std::isfinite(dScaled) || std::fabs(dScaled) >= kWholeFrom) return value;
    return std::round(dScaled) / dScale;
  }
  const double dScale = std::pow(10.0, -static_cast<double>(places));
  if (!std::isfinite(dScale)) return 0.0 * value;  // every finite value rounds to zero
  const double dResult = std::round(value / dScale) * dScale;
  return std::isfinite(dResult) ? dResult : value;
}
