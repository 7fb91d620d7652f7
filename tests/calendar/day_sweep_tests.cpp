// Every day of the valid range against an independent reference, with the
// time of day, the split, validity and the ODBC record. Slow: its own
// program, labelled so.

#include <gtest/gtest.h>

#include "support/access.h"

using A = CmTimeClsTestAccess;
using cvn::test::mReferenceDayNumber;
using Record = cvn::test::OdbcRecord;

// Every day from 1 January 1000 to 31 December 4000 by a date loop that
// knows nothing of day numbers, at a time of day that walks through the
// day: the number goes up by one each day and matches the reference, both
// directions and the day-of-year form agree, both weekday forms advance by
// one, the month lengths agree; the time made from the parts (by the
// inline path) splits back into them, is valid, and becomes the matching
// ODBC record (by the inline path) and back.
TEST(DayNumbers, EveryDay1000To4000) {
  const CmTimeCls o;
  int n = -328716, iWeekday = 2;  // 1 January 1000 was a Wednesday
  for (int y = 1000; y <= 4000; ++y) {
    int iDayOfYear = 0;
    for (int m = 1; m <= 12; ++m) {
      const int iLength =
          mReferenceDayNumber(y + m / 12, m % 12 + 1, 1) - mReferenceDayNumber(y, m, 1);
      ASSERT_EQ(o.mGetMaxDaysInMonthYear(m, y), iLength) << y << "-" << m;
      for (int d = 1; d <= iLength; ++d, ++n, ++iDayOfYear, iWeekday = (iWeekday + 1) % 7) {
        const int iMs = static_cast<int>((n * 7919LL % 86400000 + 86400000) % 86400000);
        const int h = iMs / 3600000, mi = iMs / 60000 % 60, s = iMs / 1000 % 60, ms = iMs % 1000;
        const Record xRecord{y, m, d, h, mi, s, ms * 1000000LL};
        double t = 0.0;
        o.mGenerateCorvaneTime(y, m, d, h, mi, s, ms, &t);
        const bool bOk =
            mReferenceDayNumber(y, m, d) == n && A::mDayNumber(o, y, m, d) == n &&
            A::mDate(o, n) == A::Ymd{y, m, d} && A::mYearDayNumber(o, y, iDayOfYear + 1) == n &&
            A::mWeekday(o, n) == iWeekday && A::mWeekday(o, y, m, d) == iWeekday &&
            t == n + iMs / 86400000.0 && A::mSplit(o, t) == A::Split(n, iMs) &&
            A::mClock(o, iMs) == A::Clock{h, mi, s, ms} && A::mMs(o, h, mi, s, ms) == iMs &&
            o.mValidCorvaneTime(t) && cvn::test::mToOdbc(o, t) == xRecord &&
            cvn::test::mFromOdbc(o, xRecord) == t;
        ASSERT_TRUE(bOk) << y << "-" << m << "-" << d << " (day " << n << ", " << iMs << " ms)";
      }
    }
    ASSERT_EQ(iDayOfYear, A::mIsLeapYear(o, y) ? 366 : 365) << y;
  }
  EXPECT_EQ(n - 1, 767376);
}
