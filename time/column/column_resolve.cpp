// The value of one text under the column's decision: the date in the
// decided order, checked against the calendar and the weekday written, the
// time of day with its designator, the offset, and the reasons for a
// refusal.

#include <cstdint>
#include <string>

#include "time/calendar/calendar_math.h"
#include "time/column/column_impl.h"

namespace cvn::column {
namespace {

namespace cd = cvn::detail;

constexpr double kMsPerDay = 86400000.0;
// Day numbers of 1 January 1000 and of 1 January 4001.
constexpr std::int64_t kFirstDay = -328716;
constexpr std::int64_t kEndDay = 767377;

struct xOutcome {
  eReason eWhy = eReason::eNone;
  int iDay = 0;
  int iLength = 0;
};

// Day number of year-month-day after the calendar checks.
bool mDayNumber(int year, int month, int day, std::int64_t* dayNumber, xOutcome& o) {
  if (month < 1 || month > 12) {
    o.eWhy = eReason::eMonthRange;
    return false;
  }
  if (year < 1000 || year > 4000) {
    o.eWhy = eReason::eYearRange;
    return false;
  }
  const int iLength = month == 2 ? (cd::mIsLeap(year) ? 29 : 28) : cd::kDaysInMonth[month - 1];
  if (day < 1 || day > iLength) {
    o.eWhy = day >= 1 && day <= 31 ? eReason::eDayInMonth : eReason::eNotDate;
    o.iDay = day;
    o.iLength = iLength;
    return false;
  }
  *dayNumber = cd::mDayNumberFromCivil(year, month, day);
  return true;
}

// Day number of an ISO week date (weeks start on Monday; week 1 holds the
// year's first Thursday).
bool mWeekDayNumber(int year, int week, int weekday, std::int64_t* dayNumber, xOutcome& o) {
  if (year < 1000 || year > 4000 || week < 1 || week > 53 || weekday < 1 || weekday > 7) {
    o.eWhy = eReason::eNotDate;
    return false;
  }
  const std::int64_t iJan4 = cd::mDayNumberFromCivil(year, 1, 4);
  const std::int64_t iMonday = iJan4 - cd::mWeekdayOfDayNumber(iJan4) + std::int64_t{week - 1} * 7;
  // Week 53 exists when its Thursday still lies in the year.
  if (week == 53 && cd::mCivilFromDayNumber(iMonday + 3).iYear != year) {
    o.eWhy = eReason::eNotDate;
    return false;
  }
  *dayNumber = iMonday + weekday - 1;
  return true;
}

// Milliseconds of the time of day in f; the hour 24 only as 24:00:00.
bool mTimeMs(const xFields& f, bool bElapsed, std::int64_t* ms, xOutcome& o) {
  int iHour = f.iHour;
  if (f.iMinute > 59 || f.iSecond > 59) {
    o.eWhy = eReason::eTimeRange;
    return false;
  }
  if (f.eDesignator != 0) {
    if (iHour > 12) {
      o.eWhy = eReason::eTimeRange;
      return false;
    }
    iHour = iHour % 12 + (f.eDesignator == 2 ? 12 : 0);
  } else if (!bElapsed && (iHour > 24 || (iHour == 24 && (f.iMinute | f.iSecond | f.iMs) != 0))) {
    o.eWhy = eReason::eTimeRange;
    return false;
  }
  *ms = ((static_cast<std::int64_t>(iHour) * 60 + f.iMinute) * 60 + f.iSecond) * 1000 + f.iMs;
  return true;
}

// The date of f under decision d.
bool mDateOf(const xFields& f, const xDecision& d, std::int64_t* dayNumber, xOutcome& o) {
  int y = 0, m = 0, day = 0;
  switch (f.eDate) {
    case eDateForm::eNumeric: {
      // A month or day 0 is no date in any order.
      const bool bYearFirst = d.uOrder == kYmd && f.nc != 0 && f.na == 2 && f.nc <= 2;
      const int iMonth = bYearFirst ? f.b : d.uOrder == kDmy ? f.b : f.a;
      const int iDay = bYearFirst ? f.c : d.uOrder == kDmy ? f.a : f.b;
      if (iMonth == 0 || iDay == 0) {
        o.eWhy = iMonth == 0 ? eReason::eMonthZero : eReason::eDayZero;
        return false;
      }
      if (f.nc == 0) {
        // Month and day without a year: year-first columns put the month first.
        y = d.iDefaultYear;
        m = d.uOrder == kDmy ? f.b : f.a;
        day = d.uOrder == kDmy ? f.a : f.b;
        if ((m > 12 || m < 1) && day >= 1 && day <= 12 && m <= 31) {
          o.eWhy = eReason::eOrder;
          return false;
        }
      } else if (d.uOrder == kYmd) {
        if (f.na != 2 || f.nc > 2) {
          o.eWhy = eReason::eOrder;
          return false;
        }
        y = d.xWin.mYear(f.a);
        m = f.b;
        day = f.c;
      } else {
        y = f.nc == 2 ? d.xWin.mYear(f.c) : f.c;
        m = d.uOrder == kMdy ? f.a : f.b;
        day = d.uOrder == kMdy ? f.b : f.a;
        if ((m > 12 || m < 1) && day >= 1 && day <= 12 && m <= 31) {
          o.eWhy = eReason::eOrder;
          return false;
        }
      }
      break;
    }
    case eDateForm::eYearFirst:
      y = f.a;
      m = f.b;
      day = f.c;
      break;
    case eDateForm::eYearMonth:
    case eDateForm::eMonthYear:
      y = f.iYear;
      m = f.iMonth;
      day = 1;
      break;
    case eDateForm::eOrdinal:
      if (f.iYear < 1000 || f.iYear > 4000 || f.iDay < 1 || f.iDay > cd::mYearLength(f.iYear)) {
        o.eWhy = f.iYear < 1000 || f.iYear > 4000 ? eReason::eYearRange : eReason::eNotDate;
        return false;
      }
      *dayNumber = cd::mDayNumberOfNewYear(f.iYear) + f.iDay - 1;
      return true;
    case eDateForm::eWeekDate: return mWeekDayNumber(f.iYear, f.iWeek, f.iWeekday, dayNumber, o);
    case eDateForm::eNamed:
      y = f.nYear == 0 ? d.iDefaultYear : f.nYear == 2 ? d.xWin.mYear(f.iYear) : f.iYear;
      m = f.iMonth;
      day = f.iDay;
      break;
    case eDateForm::eCompact: {
      std::int64_t v = f.iCompact;
      if (f.nCompact >= 12) v /= f.nCompact == 14 ? 1000000 : 10000;
      y = static_cast<int>(v / 10000);
      m = static_cast<int>(v / 100 % 100);
      day = static_cast<int>(v % 100);
      break;
    }
    default: o.eWhy = eReason::eNotDate; return false;
  }
  return mDayNumber(y, m, day, dayNumber, o);
}

bool mResolveOutcome(const xFields& f, const xDecision& d, double* value, xOutcome& o) {
  const bool bTimeColumn = d.eKind == eColumnKind::eTimeOfDay || d.eKind == eColumnKind::eElapsed;
  if (f.eDate == eDateForm::eNumber || (f.eDate == eDateForm::eCompact && !d.bCompact)) {
    if (!d.bDayNumbers || bTimeColumn) {
      o.eWhy = eReason::eNumber;
      return false;
    }
    if (!(f.dNumber >= static_cast<double>(kFirstDay) &&
          f.dNumber < static_cast<double>(kEndDay))) {
      o.eWhy = eReason::eYearRange;
      return false;
    }
    *value = f.dNumber;
    return true;
  }
  if (f.eDate == eDateForm::eNone) {
    if (!bTimeColumn) {
      o.eWhy = eReason::eTimeInDates;
      return false;
    }
    std::int64_t iMs = 0;
    if (!mTimeMs(f, d.bElapsed, &iMs, o)) return false;
    if (d.bElapsed) {
      iMs += f.iElapsedDays * 86400000;
      *value = f.iSign * (static_cast<double>(iMs) / kMsPerDay);
      return true;
    }
    if (f.bOffset && d.bToUtc) {
      iMs = cd::mFloorMod(iMs - f.iOffsetMinutes * 60000LL, 86400000);
    }
    *value = static_cast<double>(iMs) / kMsPerDay;
    return true;
  }
  if (bTimeColumn) {
    o.eWhy = eReason::eDateInTimes;
    return false;
  }
  std::int64_t iDay = 0;
  if (!mDateOf(f, d, &iDay, o)) return false;
  if (f.iWeekdayName >= 0 && cd::mWeekdayOfDayNumber(iDay) != f.iWeekdayName) {
    o.eWhy = eReason::eWeekday;
    return false;
  }
  std::int64_t iMs = 0;
  if (f.eDate == eDateForm::eCompact && f.nCompact >= 12) {
    const std::int64_t v = f.nCompact == 14 ? f.iCompact % 1000000 : f.iCompact % 10000 * 100;
    xFields t;
    t.iHour = static_cast<int>(v / 10000);
    t.iMinute = static_cast<int>(v / 100 % 100);
    t.iSecond = static_cast<int>(v % 100);
    if (t.iHour > 23 || !mTimeMs(t, false, &iMs, o)) {
      o.eWhy = eReason::eTimeRange;
      return false;
    }
  } else if (f.bTime && !mTimeMs(f, false, &iMs, o)) {
    return false;
  }
  if (f.bOffset && d.bToUtc) iMs -= f.iOffsetMinutes * 60000LL;
  if (iMs < 0 || iMs >= 86400000) {  // 24:00, or an offset across midnight
    iDay += cd::mFloorDiv(iMs, 86400000);
    iMs = cd::mFloorMod(iMs, 86400000);
  }
  if (iDay < kFirstDay || iDay >= kEndDay) {
    o.eWhy = eReason::eYearRange;
    return false;
  }
  *value = static_cast<double>(iDay) + static_cast<double>(iMs) / kMsPerDay;
  return true;
}

}  // namespace

bool mResolve(const xFields& f, const xDecision& d, double* value, eReason* reason, int* dayInMonth,
              int* monthLength) {
  xOutcome o;
  const bool bRead = mResolveOutcome(f, d, value, o);
  *reason = o.eWhy;
  *dayInMonth = o.iDay;
  *monthLength = o.iLength;
  return bRead;
}

std::string mReasonText(eReason reason, int dayInMonth, int monthLength) {
  switch (reason) {
    case eReason::eNumber: return "a number, not a date";
    case eReason::eOrder: return "month/day order contradicts the column";
    case eReason::eWeekday: return "weekday does not match the date";
    case eReason::eDayInMonth:
      return "day " + std::to_string(dayInMonth) + " in a " + std::to_string(monthLength) +
             "-day month";
    case eReason::eYearRange: return "year outside 1000 to 4000";
    case eReason::eMonthRange: return "no such month";
    case eReason::eTimeRange: return "no such time of day";
    case eReason::eTimeInDates: return "a time, not a date";
    case eReason::eDateInTimes: return "a date, not a time";
    case eReason::eMonthZero: return "no month 0";
    case eReason::eDayZero: return "day 0";
    default: return "not a date or time";
  }
}

}  // namespace cvn::column
