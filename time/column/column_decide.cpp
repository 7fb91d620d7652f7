// The survey of a column and its decision: shapes and their counts, the
// evidence for the day/month order, compact digits against plain numbers,
// dates against times of day against elapsed times. Every aggregate is a
// count, a minimum, a maximum or a union, so the decision does not depend
// on the order of the rows.

#include <algorithm>
#include <cstdint>

#include "time/calendar/calendar_math.h"
#include "time/column/column_impl.h"

namespace cvn::column {
namespace {

namespace cd = cvn::detail;

unsigned mSepCode(wchar_t c) {
  switch (c) {
    case L'/': return 1;
    case L'-': return 2;
    case L'.': return 3;
    case L' ': return 4;
    case L',': return 5;
    default: return 0;
  }
}

bool mValidDate(int year, int month, int day) {
  if (year < 1000 || year > 4000 || month < 1 || month > 12 || day < 1) return false;
  return day <= (month == 2 ? (cd::mIsLeap(year) ? 29 : 28) : cd::kDaysInMonth[month - 1]);
}

// A compact number yyyymmdd[hhmm[ss]] that is a valid date-time.
bool mCompactValid(const xFields& f) {
  std::int64_t v = f.iCompact;
  int iSecond = 0, iMinute = 0, iHour = 0;
  if (f.nCompact == 14) {
    iSecond = static_cast<int>(v % 100);
    v /= 100;
  }
  if (f.nCompact >= 12) {
    iMinute = static_cast<int>(v % 100);
    iHour = static_cast<int>(v / 100 % 100);
    v /= 10000;
  }
  const int iDay = static_cast<int>(v % 100);
  const int iMonth = static_cast<int>(v / 100 % 100);
  const int iYear = static_cast<int>(v / 10000);
  return mValidDate(iYear, iMonth, iDay) && iHour <= 23 && iMinute <= 59 && iSecond <= 59;
}

}  // namespace

std::uint64_t mShapeKey(const xFields& f) {
  std::uint64_t k = static_cast<std::uint64_t>(f.eDate);
  k |= static_cast<std::uint64_t>(f.eNamed) << 4;
  k |= static_cast<std::uint64_t>(mSepCode(f.cDateSep)) << 7;
  k |= static_cast<std::uint64_t>(f.bCommaAfterDay) << 10;
  k |= static_cast<std::uint64_t>(f.bDotAfterDay) << 11;
  k |= static_cast<std::uint64_t>(f.bMonthFull) << 12;
  const bool bTwoDigitYear = f.eDate == eDateForm::eNumeric ? f.nc == 2 : f.nYear == 2;
  k |= static_cast<std::uint64_t>(bTwoDigitYear) << 13;
  const bool bNoYear = (f.nYear == 0 && f.eDate == eDateForm::eNamed) ||
                       (f.nc == 0 && f.eDate == eDateForm::eNumeric);
  k |= static_cast<std::uint64_t>(bNoYear) << 14;
  k |= static_cast<std::uint64_t>(f.nCompact / 2 % 8) << 15;
  k |= static_cast<std::uint64_t>(f.bTime) << 18;
  k |= static_cast<std::uint64_t>(f.bTimeT) << 19;
  k |= static_cast<std::uint64_t>(f.bTimeBasic) << 20;
  k |= static_cast<std::uint64_t>(f.bSeconds) << 21;
  k |= static_cast<std::uint64_t>(f.eDesignator != 0) << 22;
  k |= static_cast<std::uint64_t>(f.iDesignatorKind) << 23;
  k |= static_cast<std::uint64_t>(f.bDesignatorBlank) << 25;
  k |= static_cast<std::uint64_t>(f.bDesignatorLower) << 26;
  k |= static_cast<std::uint64_t>(f.bOffset) << 27;
  k |= static_cast<std::uint64_t>(f.iWeekdayName >= 0) << 28;
  k |= static_cast<std::uint64_t>(f.bElapsedMark) << 29;
  k |= static_cast<std::uint64_t>(f.nFraction > 0) << 30;
  return k;
}

unsigned mOrdersThatRead(const xFields& f, const xWindow& window) {
  unsigned u = 0;
  // Without a year: any day of a leap year.
  const int iYearC = f.nc == 0 ? 2000 : f.nc == 2 ? window.mYear(f.c) : f.c;
  if (iYearC >= 1000 && iYearC <= 4000 && f.a >= 1 && f.b >= 1) {
    const bool bLeap = cd::mIsLeap(iYearC);
    auto mLength = [bLeap](int month) {
      return month == 2 ? (bLeap ? 29 : 28) : cd::kDaysInMonth[month - 1];
    };
    if (f.a <= 12 && f.b <= mLength(f.a)) u |= kMdy;
    if (f.b <= 12 && f.a <= mLength(f.b)) u |= kDmy;
  }
  if (f.na == 2 && f.nc == 2 && mValidDate(window.mYear(f.a), f.b, f.c)) u |= kYmd;
  return u;
}

void mSurveyAdd(xSurvey& s, const xFields& f, std::uint64_t iKey, const xWindow& window) {
  switch (f.eDate) {
    case eDateForm::eNone:
      ++s.iTimes;
      if (f.bElapsedMark || f.nHour > 2 || f.iHour > 24 ||
          (f.iHour == 24 && (f.iMinute != 0 || f.iSecond != 0 || f.iMs != 0))) {
        s.bElapsedMark = true;
      }
      if (f.eDesignator != 0) s.bDesignator = true;
      break;
    case eDateForm::eNumber: ++s.iNumbers; return;
    case eDateForm::eCompact:
      ++s.iCompactCandidates;
      if (s.nCompactLength != 0 && s.nCompactLength != f.nCompact) s.bCompactLengthsDiffer = true;
      s.nCompactLength = std::max(s.nCompactLength, f.nCompact);
      if (mCompactValid(f)) ++s.iCompactValid;
      break;
    case eDateForm::eNumeric: {
      ++s.iDates;
      ++s.iNumeric;
      const unsigned u = mOrdersThatRead(f, window);
      s.uAllOrders &= u;
      s.iReads[0] += (u & kMdy) != 0;
      s.iReads[1] += (u & kDmy) != 0;
      s.iReads[2] += (u & kYmd) != 0;
      break;
    }
    default: ++s.iDates; break;
  }
  if (f.bTime && f.eDate != eDateForm::eNone) s.bAnyTimeWithDate = true;
  xShapeStats* p = nullptr;
  if (s.iLastShape < s.vShapes.size() && s.vShapes[s.iLastShape].iKey == iKey) {
    p = &s.vShapes[s.iLastShape];
  } else if (const auto it = s.mIndex.find(iKey); it != s.mIndex.end()) {
    s.iLastShape = it->second;
    p = &s.vShapes[s.iLastShape];
  } else {
    s.iLastShape = s.vShapes.size();
    s.mIndex.emplace(iKey, s.iLastShape);
    s.vShapes.emplace_back();
    p = &s.vShapes.back();
    p->iKey = iKey;
    p->xSample = f;
  }
  ++p->iCount;
}

void mSurveyMerge(xSurvey& s, const xSurvey& from) {
  for (const xShapeStats& x : from.vShapes) {
    if (const auto it = s.mIndex.find(x.iKey); it != s.mIndex.end()) {
      xShapeStats& y = s.vShapes[it->second];
      y.iCount += x.iCount;
      for (int k = 0; k < kReadSlots; ++k) {
        y.axRead[k].iCount += x.axRead[k].iCount;
        y.axRead[k].uShort |= x.axRead[k].uShort;
        y.axRead[k].nFraction = std::max(y.axRead[k].nFraction, x.axRead[k].nFraction);
      }
      continue;
    }
    s.mIndex.emplace(x.iKey, s.vShapes.size());
    s.vShapes.push_back(x);
  }
  s.iDates += from.iDates;
  s.iTimes += from.iTimes;
  s.iNumbers += from.iNumbers;
  s.iUnreadable += from.iUnreadable;
  s.iMissing += from.iMissing;
  for (int k = 0; k < 3; ++k) s.iReads[k] += from.iReads[k];
  s.uAllOrders &= from.uAllOrders;
  s.iNumeric += from.iNumeric;
  s.iCompactCandidates += from.iCompactCandidates;
  s.iCompactValid += from.iCompactValid;
  // Each side alone holds one length unless it says they differ.
  if (from.bCompactLengthsDiffer || (s.nCompactLength != 0 && from.nCompactLength != 0 &&
                                     s.nCompactLength != from.nCompactLength)) {
    s.bCompactLengthsDiffer = true;
  }
  s.nCompactLength = std::max(s.nCompactLength, from.nCompactLength);
  s.bElapsedMark = s.bElapsedMark || from.bElapsedMark;
  s.bDesignator = s.bDesignator || from.bDesignator;
  s.bAnyTimeWithDate = s.bAnyTimeWithDate || from.bAnyTimeWithDate;
}

void mAddMarks(xMarks& m, const xFields& f) {
  ++m.iCount;
  if (f.eDate == eDateForm::eNumeric || f.eDate == eDateForm::eMonthYear) {
    if (f.na == 1) m.uShort |= kShortFirst;
    if (f.nb == 1) m.uShort |= kShortSecond;
    if (f.nc == 1) m.uShort |= kShortThird;
  } else if (f.eDate == eDateForm::eNamed || f.eDate == eDateForm::eYearFirst ||
             f.eDate == eDateForm::eYearMonth) {
    if (f.nb == 1) m.uShort |= kShortSecond;
    if (f.nc == 1) m.uShort |= kShortThird;
  }
  if (f.nHour == 1) m.uShort |= kShortHour;
  m.nFraction = std::max(m.nFraction, f.nFraction);
}

unsigned mOrderOfShortDate(std::wstring_view shortDate) {
  for (wchar_t c : shortDate) {
    if (c == L'd' || c == L'D') return kDmy;
    if (c == L'M') return kMdy;
    if (c == L'y' || c == L'Y') return kYmd;
  }
  return kMdy;
}

unsigned mAssumedOrder(const xColumnOptions& options, unsigned regionalOrder) {
  switch (options.eAssumedOrder) {
    case eColumnOrder::eMonthDayYear: return kMdy;
    case eColumnOrder::eDayMonthYear: return kDmy;
    case eColumnOrder::eYearMonthDay: return kYmd;
    default: return regionalOrder;
  }
}

unsigned mLeadingOrder(const xSurvey& s, unsigned assumed) {
  std::size_t iBest = 0;
  for (std::size_t n : s.iReads) iBest = std::max(iBest, n);
  const unsigned kOrders[3] = {kMdy, kDmy, kYmd};
  unsigned uBest = 0;
  for (int i = 0; i < 3; ++i) {
    if (s.iReads[i] == iBest) uBest |= kOrders[i];
  }
  if ((uBest & assumed) != 0) return assumed;
  for (unsigned u : kOrders) {
    if ((uBest & u) != 0) return u;
  }
  return assumed;
}

xDecision mDecide(const xSurvey& s, const xColumnOptions& options, unsigned regionalOrder) {
  xDecision d;
  // The order that reads the most numeric dates: a number above 12 in
  // first or second place decides it; texts that contradict it are refused
  // when read. Ambiguous when another order reads every text as well.
  d.uOrder = mLeadingOrder(s, mAssumedOrder(options, regionalOrder));
  d.bAmbiguous =
      s.iNumeric > 0 && (s.uAllOrders & d.uOrder) != 0 && (s.uAllOrders & ~d.uOrder) != 0;
  d.bCompact = s.iCompactCandidates > 0 && !s.bCompactLengthsDiffer && s.iNumbers == 0 &&
               s.iCompactValid * 20 >= s.iCompactCandidates * 19;
  d.bDayNumbers = options.bNumbersAsDayNumbers;
  const std::size_t iDates = s.iDates + (d.bCompact ? s.iCompactCandidates : 0);
  const std::size_t iNumbers = s.iNumbers + (d.bCompact ? 0 : s.iCompactCandidates);
  if (iDates > 0 && iDates >= s.iTimes) {
    d.eKind = s.bAnyTimeWithDate || (d.bCompact && s.nCompactLength > 8) ? eColumnKind::eDateTime
                                                                         : eColumnKind::eDate;
  } else if (s.iTimes > 0) {
    d.bElapsed = s.bElapsedMark && !s.bDesignator;
    d.eKind = d.bElapsed ? eColumnKind::eElapsed : eColumnKind::eTimeOfDay;
  } else if (iNumbers > 0 && d.bDayNumbers) {
    d.eKind = eColumnKind::eDayNumber;
  }
  d.bToUtc = options.bOffsetToUtc;
  return d;
}

}  // namespace cvn::column
