// The clock: broken-down local time, read through an interface so that a
// test can put a fixed clock in place of the system clock.
#pragma once

namespace cvn::platform {

// Broken-down local time, as the C library gives it.
struct xLocalClock {
  int iYearsSince1900;
  int iDayOfYear;  // 0-based
  int iHour;
  int iMinute;
  int iSecond;
  int iMillisecond;
};

// A source of the present local time.
class xClock {
 public:
  virtual ~xClock() = default;
  // Fills out with the present local time (out is never null).
  virtual void mNow(xLocalClock* out) const = 0;
};

// The C library's local time with milliseconds; 1 January 1970, midnight,
// when the system clock cannot be read. The default clock.
const xClock& mSystemClock();

// Puts clock in force (null: the system clock) and returns the clock it
// replaces, so that a scope can restore it. The clock must outlive its use.
const xClock* mInjectClock(const xClock* clock);

// The present local time from the clock in force; nothing for a null out.
void mLocalNow(xLocalClock* out);

}  // namespace cvn::platform
