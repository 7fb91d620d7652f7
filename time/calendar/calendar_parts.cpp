// CmTimeCls: single calendar and clock parts of a Corvane time, as a number
// and as the text the current format writes for it; the weekday; and the
// floor of a time to a unit.

#include <climits>
#include <cmath>
#include <string>

#include "CmTimeCls.h"
#include "time/calendar/calendar_impl.h"
#include "time/calendar/calendar_math.h"

namespace detail = cvn::detail;

namespace {

// Resource numbers of the labels written with quarters and weeks.
constexpr unsigned kQuarterLabelId = 55673;
constexpr unsigned kWeekLabelId = 55676;

std::wstring mLoadLabel(unsigned id) {
  CmString sLabel;
  sLabel.mLoadString(id);  // an unknown resource leaves the label empty
  return sLabel.str();
}

}  // namespace

int CmTimeCls::mGet(double t, xTimeExtractEnum what, CmString& text) const {
  text.clear();
  if (what < xExtractYear2 || what > xExtractWeekFromOctober) return -1;

  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(t, &iDayNumber, &dTimeOfDay);
  int iYear = 0;
  int iMonth = 0;
  int iDay = 0;
  int iWeek = 0;
  mFromJulianDay(iDayNumber, &iYear, &iMonth, &iDay, &iWeek, what);
  int iHour = 0;
  int iMinute = 0;
  int iSecond = 0;
  int iThousandths = 0;
  mFromTimeOfDay(dTimeOfDay, &iHour, &iMinute, &iSecond, &iThousandths);

  std::wstring& sOut = text.str();
  // "%0*d" with the width of the format's part, else fallbackDigits
  // minimum digits ("%d" is 1, "%2.2d" is 2). widthOffset shortens the
  // width for tenths and hundredths.
  auto mAppendWidth = [&](int value, xTimePartsEnum part, int widthOffset, int fallbackDigits) {
    int iWidth = 0;
    if (CmTimeCalendarImpl::mPartWidth(*this, part, &iWidth)) {
      detail::mAppendZeroPadded(
          sOut, value, detail::mSaturateToInt(static_cast<std::int64_t>(iWidth) - widthOffset));
    } else {
      detail::mAppendInt(sOut, value, fallbackDigits);
    }
  };
  const int iQuarter = (iMonth - 1) / 3 + 1;  // [1, 4]

  switch (what) {
    case xExtractYear2: detail::mAppendInt(sOut, iYear % 100, 2); return iYear % 100;
    case xExtractYear4: detail::mAppendInt(sOut, iYear, 4); return iYear;
    case xExtractQuarterLabelFirst:
      sOut = mLoadLabel(kQuarterLabelId);
      detail::mAppendInt(sOut, iQuarter, 1);
      return iQuarter;
    case xExtractQuarterNumberFirst:
      detail::mAppendInt(sOut, iQuarter, 1);
      sOut += mLoadLabel(kQuarterLabelId);
      return iQuarter;
    case xExtractMonthNumber: mAppendWidth(iMonth, xMonthNumber, 0, 1); return iMonth;
    case xExtractMonthName: sOut = gszMonthName[iMonth - 1]; return iMonth;
    case xExtractMonthAbbrev: sOut = gszMonthAbbrev[iMonth - 1]; return iMonth;
    case xExtractWeekNumberFirst:
      mAppendWidth(iWeek, xWeekNumberFirst, 0, 2);
      sOut += mLoadLabel(kWeekLabelId);
      return iWeek;
    case xExtractWeekLabelFirst:
    case xExtractWeekFromJanuary:
    case xExtractWeekFromApril:
    case xExtractWeekFromJuly:
    case xExtractWeekFromOctober:
      sOut = mLoadLabel(kWeekLabelId);
      mAppendWidth(iWeek, xWeekLabelFirst, 0, 2);
      return iWeek;
    case xExtractDay: mAppendWidth(iDay, xDay, 0, 1); return iDay;
    case xExtractDayOfWeek: {
      const int iWeekday = mGetDayOfWeek(iDayNumber);
      sOut = gszDayAbbrevNoStop[iWeekday];
      return iWeekday;
    }
    case xExtractHour: mAppendWidth(iHour, xHour, 0, 1); return iHour;
    case xExtractMinute: mAppendWidth(iMinute, xMinute, 0, 1); return iMinute;
    case xExtractSecond: mAppendWidth(iSecond, xSecond, 0, 1); return iSecond;
    case xExtractTenths:
      mAppendWidth(iThousandths / 100, xThousandth, 2, 1);
      return iThousandths / 100;
    case xExtractHundredths:
      mAppendWidth(iThousandths / 10, xThousandth, 1, 1);
      return iThousandths / 10;
    case xExtractThousandths: mAppendWidth(iThousandths, xThousandth, 0, 1); return iThousandths;
  }
  return -1;
}

int CmTimeCls::miDayOfWeek(double t, CmString& name) const {
  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(t, &iDayNumber, &dTimeOfDay);
  const int iWeekday = mGetDayOfWeek(iDayNumber);
  name = gszDayAbbrevNoStop[iWeekday];
  return iWeekday;
}

double CmTimeCls::mGetFloor(double t, xTimePartsEnum unit) const {
  // A value that names no day number (NaN, infinities, beyond the int range
  // of days) has nothing to floor and comes back as it is.
  if (!(t > static_cast<double>(INT_MIN) && t < static_cast<double>(INT_MAX))) return t;

  // The date and the clock parts come from one split. A value less than
  // 5e-10 day below midnight thus floors within the next day, at whose
  // midnight the writer shows it, rather than to the start of the day of
  // floor(t), almost a whole day earlier.
  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(t, &iDayNumber, &dTimeOfDay);
  int iYear = 0;
  int iMonth = 0;
  int iDay = 0;
  mFromJulianDay(iDayNumber, &iYear, &iMonth, &iDay, nullptr, xExtractWeekFromJanuary);
  int iHour = 0;
  int iMinute = 0;
  int iSecond = 0;
  int iThousandths = 0;
  mFromTimeOfDay(dTimeOfDay, &iHour, &iMinute, &iSecond, &iThousandths);

  // Units run from the year (1) down to the thousandth (15): every field
  // finer than the unit is cleared. Hundredths and tenths (13, 14) keep the
  // thousandths whole.
  if (unit < xHundredth) iThousandths = 0;
  if (unit < xSecond) iSecond = 0;
  if (unit < xMinute) iMinute = 0;
  if (unit < xHour) iHour = 0;
  if (unit < xDay) iDay = 1;            // weeks (7, 8) floor to the first of the month
  if (unit < xMonthNumber) iMonth = 1;  // quarters (2, 3) and years to 1 January

  double dResult = t;
  mGenerateCorvaneTime(iYear, iMonth, iDay, iHour, iMinute, iSecond, iThousandths, &dResult);
  return dResult;
}
