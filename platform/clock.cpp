// The local clock: the C library's local time with milliseconds, or a
// clock put in its place.

#include "platform/clock.h"

#include <time.h>

namespace cvn::platform {
namespace {

class xSystemClock final : public xClock {
 public:
  void mNow(xLocalClock* out) const override {
    timespec xNow{};
    struct tm xLocal {};
    if (clock_gettime(CLOCK_REALTIME, &xNow) != 0 ||
        localtime_r(&xNow.tv_sec, &xLocal) == nullptr) {
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
};

// Constant-initialised: the clock may be read while the library loads.
const xClock* gpClock = nullptr;  // null: the system clock

}  // namespace

const xClock& mSystemClock() {
  static const xSystemClock xClockInstance;
  return xClockInstance;
}

const xClock* mInjectClock(const xClock* clock) {
  const xClock* pPrevious = gpClock;
  gpClock = clock;
  return pPrevious;
}

void mLocalNow(xLocalClock* out) {
  if (out == nullptr) return;
  (gpClock != nullptr ? *gpClock : mSystemClock()).mNow(out);
}

}  // namespace cvn::platform
