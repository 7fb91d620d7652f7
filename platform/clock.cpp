// The local clock: the C library's local time with milliseconds, or a
// clock that a test installs.

#include <time.h>

#include "platform/platform.h"

namespace cvn::platform {
namespace {

// Constant-initialised: the clock may be read while the library loads.
ClockFn gpTestClock = nullptr;

}  // namespace

void mLocalNow(xLocalClock* out) {
  if (out == nullptr) return;
  if (gpTestClock != nullptr) {
    gpTestClock(out);
    return;
  }
  timespec xNow{};
  struct tm xLocal {};
  if (clock_gettime(CLOCK_REALTIME, &xNow) != 0 || localtime_r(&xNow.tv_sec, &xLocal) == nullptr) {
    // No usable clock: 1 January 1970, midnight.
    *out = xLocalClock{70, 0, 0, 0, 0, 0};
    return;
  }
  out->iYearsSince1900 = xLocal.tm_year;
  out->iDayOfYear = xLocal.tm_yday;
  out->iHour = xLocal.tm_hour;
  out->iMinute = xLocal.tm_min;
  out->iSecond = xLocal.tm_sec;
  out->iMillisecond = static_cast<int>(xNow.tv_nsec / 1000000);  // [0, 999]
}

void mSetClockForTesting(ClockFn fn) { gpTestClock = fn; }

}  // namespace cvn::platform
