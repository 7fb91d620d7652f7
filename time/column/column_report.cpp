// The column report: the display format that shows the values the way the
// column wrote them (in the library's own format language), the other
// readings that would also have read every text, and whether the column
// mixes shapes.

#include <algorithm>
#include <string>
#include <vector>

#include "CmString.h"
#include "time/column/column_impl.h"

namespace cvn::column {
namespace {

std::wstring mDay(bool bShort) { return bShort ? L"d" : L"dd"; }
std::wstring mMonth(bool bShort) { return bShort ? L"m" : L"mm"; }
std::wstring mYear(bool bTwoDigits) { return bTwoDigits ? L"yy" : L"yyyy"; }

// The date half of the format.
std::wstring mDateFormat(const xShapeStats& x, unsigned order) {
  const xFields& f = x.xSample;
  const std::wstring sSep(1, f.cDateSep == 0 ? L'-' : f.cDateSep);
  const std::wstring sMonthName = f.bMonthFull ? L"mmmm" : L"mmm";
  switch (f.eDate) {
    case eDateForm::eNumeric: {
      if (f.nc == 0) {
        // "15.03." is shown without its last full stop: no format ends in one.
        if (order == kDmy) return mDay(x.bShortFirst) + sSep + mMonth(x.bShortSecond);
        return mMonth(x.bShortFirst) + sSep + mDay(x.bShortSecond);
      }
      const bool bTwo = f.nc == 2 || order == kYmd;
      if (order == kMdy) {
        return mMonth(x.bShortFirst) + sSep + mDay(x.bShortSecond) + sSep + mYear(bTwo);
      }
      if (order == kDmy) {
        return mDay(x.bShortFirst) + sSep + mMonth(x.bShortSecond) + sSep + mYear(bTwo);
      }
      return L"yy" + sSep + mMonth(x.bShortSecond) + sSep + mDay(x.bShortThird);
    }
    case eDateForm::eYearFirst:
      return L"yyyy" + sSep + mMonth(x.bShortSecond) + sSep + mDay(x.bShortThird);
    case eDateForm::eYearMonth: return L"yyyy" + sSep + mMonth(x.bShortSecond);
    case eDateForm::eMonthYear: return mMonth(x.bShortFirst) + sSep + L"yyyy";
    case eDateForm::eWeekDate:
    case eDateForm::eOrdinal: return L"yyyy-mm-dd";
    case eDateForm::eCompact: return f.nCompact == 8 ? L"yyyymmdd" : L"yyyy-mm-dd";
    case eDateForm::eNumber: return L"yyyy-mm-dd";
    case eDateForm::eNamed: break;
    default: return L"";
  }
  const std::wstring sDay = mDay(x.bShortSecond);
  const std::wstring sYear = mYear(f.nYear == 2);
  // A comma between other parts than day and year is shown as a blank.
  const std::wstring sNamedSep = f.cDateSep == L',' ? L" " : sSep;
  switch (f.eNamed) {
    case eNamedOrder::eMDY:
      // "Mar. 5, 2020" is written "Mar 5, 2020": the comma layout has blanks only.
      if (f.bCommaAfterDay) return sMonthName + L" " + sDay + L", " + sYear;
      return sMonthName + sNamedSep + sDay + sNamedSep + sYear;
    case eNamedOrder::eDMY:
      // "21. Dezember 2013": the format language has no ". " between parts.
      if (f.bDotAfterDay) return sDay + L"." + sMonthName + L"." + sYear;
      return sDay + sNamedSep + sMonthName + sNamedSep + sYear;
    case eNamedOrder::eYMD: return sYear + sNamedSep + sMonthName + sNamedSep + sDay;
    case eNamedOrder::eMY: return sMonthName + sNamedSep + sYear;
    case eNamedOrder::eYM: return sYear + sNamedSep + sMonthName;
    case eNamedOrder::eMD: return sMonthName + sNamedSep + sDay;
    case eNamedOrder::eDM: return sDay + (f.bDotAfterDay ? L"." : sNamedSep) + sMonthName;
  }
  return L"";
}

// The time half: hours, minutes, seconds and fraction as written, the
// designator style, brackets for an elapsed time.
std::wstring mTimeFormat(const xShapeStats& x, bool bElapsed, const std::wstring& pair) {
  const xFields& f = x.xSample;
  std::wstring s;
  if (bElapsed) {
    s = x.bShortHour ? L"[h]" : L"[hh]";
  } else {
    s = x.bShortHour ? L"h" : L"hh";
  }
  s += L":mm";
  if (f.bSeconds) s += L":ss";
  if (f.bSeconds && x.nFraction > 0) s += L"." + std::wstring(std::min<int>(x.nFraction, 3), L's');
  if (f.eDesignator != 0) {
    if (f.bDesignatorBlank) s += L' ';
    const bool bOneLetter = f.iDesignatorKind == 1;
    if (f.iDesignatorKind == 3 && !pair.empty()) {
      // The regional pair, its case giving the case written.
      std::wstring sPair = pair;
      for (wchar_t& c : sPair) c = f.bDesignatorLower ? mToLower(c) : mToUpper(c);
      s += sPair;
    } else if (f.bDesignatorLower) {
      s += bOneLetter ? L"a/p" : L"am/pm";
    } else {
      s += bOneLetter ? L"A/P" : L"AM/PM";
    }
  }
  return s;
}

// Shapes that write their dates the same way: form, order of a month name,
// separator.
// (Form, order of a month name, separator, two-digit year, no year.)
std::uint64_t mLayout(std::uint64_t key) { return key & 0x63FFu; }

// How much of a date a shape writes: 3 a whole date with a four-digit year
// (or a time), 2 with a two-digit year, 1 a date without its year or day.
int mCompleteness(const xFields& f) {
  switch (f.eDate) {
    case eDateForm::eNumeric:
      if (f.nc == 0) return 1;
      return f.nc == 2 ? 2 : 3;
    case eDateForm::eYearMonth:
    case eDateForm::eMonthYear: return 1;
    case eDateForm::eNamed:
      if (f.eNamed != eNamedOrder::eMDY && f.eNamed != eNamedOrder::eDMY &&
          f.eNamed != eNamedOrder::eYMD) {
        return 1;
      }
      return f.nYear == 2 ? 2 : 3;
    default: return 3;
  }
}

bool mHasDate(const xShapeStats& x) { return x.xSample.eDate != eDateForm::eNone; }

}  // namespace

std::wstring mFormatOfShape(const xShapeStats& x, const xDecision& d, unsigned order) {
  const xFields& f = x.xSample;
  if (f.eDate == eDateForm::eNone) return mTimeFormat(x, d.bElapsed, d.sDesignatorPair);
  std::wstring s = mDateFormat(x, order);
  if (f.eDate == eDateForm::eCompact && f.nCompact > 8) {
    s += f.nCompact == 14 ? L" hh:mm:ss" : L" hh:mm";
  } else if (f.bTime) {
    s += L' ';
    s += mTimeFormat(x, false, d.sDesignatorPair);
  }
  return s;
}

void mFillReport(const xSurvey& s, const xDecision& d, xColumnReport& report) {
  report.eKind = d.eKind;
  report.eOrder = d.uOrder == kDmy   ? eColumnOrder::eDayMonthYear
                  : d.uOrder == kYmd ? eColumnOrder::eYearMonthDay
                                     : eColumnOrder::eMonthDayYear;
  report.bAmbiguous = d.bAmbiguous;
  report.vsAlternatives.clear();
  report.sFormat.clear();
  report.bMixed = false;
  if (d.eKind == eColumnKind::eEmpty) return;
  // The shapes the decision reads, merged by layout; the layout with the
  // most texts (ties: the smaller key) gives the format, its richest time.
  const bool bTimes = d.eKind == eColumnKind::eTimeOfDay || d.eKind == eColumnKind::eElapsed;
  std::vector<const xShapeStats*> v;
  for (const xShapeStats& x : s.vShapes) {
    if (d.eKind == eColumnKind::eDayNumber) break;
    if (x.iCount == 0 || mHasDate(x) == bTimes) continue;
    if (x.xSample.eDate == eDateForm::eCompact && !d.bCompact) continue;
    v.push_back(&x);
  }
  if (d.eKind == eColumnKind::eDayNumber) {
    report.sFormat = L"yyyy-mm-dd hh:mm:ss";
    return;
  }
  if (v.empty()) {
    // Only plain numbers were read, as day numbers.
    if (d.bDayNumbers) report.sFormat = L"yyyy-mm-dd hh:mm:ss";
    return;
  }
  // The layout: the most complete date (so that the format shows every
  // field a text had where the column allows), then the most texts, then
  // the smaller key.
  struct xLayout {
    std::uint64_t iLayout;
    int iCompleteness;
    std::size_t iCount;
  };
  std::vector<xLayout> vLayouts;
  for (const xShapeStats* p : v) {
    auto it = std::find_if(vLayouts.begin(), vLayouts.end(),
                           [p](const xLayout& x) { return x.iLayout == mLayout(p->iKey); });
    if (it == vLayouts.end()) {
      vLayouts.push_back({mLayout(p->iKey), mCompleteness(p->xSample), 0});
      it = vLayouts.end() - 1;
    }
    it->iCount += p->iCount;
  }
  report.bMixed = vLayouts.size() > 1;
  const xLayout xBest =
      *std::min_element(vLayouts.begin(), vLayouts.end(), [](const xLayout& a, const xLayout& b) {
        if (a.iCompleteness != b.iCompleteness) return a.iCompleteness > b.iCompleteness;
        return a.iCount != b.iCount ? a.iCount > b.iCount : a.iLayout < b.iLayout;
      });
  v.erase(
      std::remove_if(v.begin(), v.end(),
                     [&xBest](const xShapeStats* p) { return mLayout(p->iKey) != xBest.iLayout; }),
      v.end());
  std::sort(v.begin(), v.end(), [](const xShapeStats* a, const xShapeStats* b) {
    return a->iCount != b->iCount ? a->iCount > b->iCount : a->iKey < b->iKey;
  });
  // Within the layout: the most texts first; a shape with a time (more
  // parts shown) wins over one without when the layout has both.
  xShapeStats xMerged = *v[0];
  for (const xShapeStats* p : v) {
    if (p->xSample.bTime && !xMerged.xSample.bTime) {
      const auto bShortFirst = xMerged.bShortFirst, bShortSecond = xMerged.bShortSecond,
                 bShortThird = xMerged.bShortThird;
      xMerged = *p;
      xMerged.bShortFirst |= bShortFirst;
      xMerged.bShortSecond |= bShortSecond;
      xMerged.bShortThird |= bShortThird;
      continue;
    }
    xMerged.bShortFirst |= p->bShortFirst;
    xMerged.bShortSecond |= p->bShortSecond;
    xMerged.bShortThird |= p->bShortThird;
    if (p->xSample.bTime == xMerged.xSample.bTime) {
      xMerged.bShortHour |= p->bShortHour;
      xMerged.nFraction = std::max(xMerged.nFraction, p->nFraction);
      xMerged.xSample.bSeconds |= p->xSample.bSeconds;
    }
  }
  report.sFormat = mFormatOfShape(xMerged, d, d.uOrder);
  if (xMerged.xSample.eDate == eDateForm::eNumeric) {
    for (unsigned u : {kMdy, kDmy, kYmd}) {
      if (u != d.uOrder && (s.uAllOrders & u) != 0) {
        report.vsAlternatives.emplace_back(mFormatOfShape(xMerged, d, u));
      }
    }
  }
}

}  // namespace cvn::column
