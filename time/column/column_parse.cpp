// The fields of one text, read from its tokens before the column decides
// anything: where the time starts, what the date part looks like (numeric,
// ISO 8601, a month name, compact digits, a plain number), the designator,
// the offset and a leading weekday.

#include <cmath>
#include <cstdint>

#include "time/column/column_impl.h"

namespace cvn::column {
namespace {

bool mIsNum(const xTokens& t, int i) { return i < t.n && t.a[i].e == eTok::eNum; }
bool mIsWord(const xTokens& t, int i, eWordKind k) {
  return i < t.n && t.a[i].e == eTok::eWord && t.a[i].eWord == k;
}
bool mIsSep(const xTokens& t, int i) { return i < t.n && t.a[i].e == eTok::eSep; }
// A separator of exactly one character c and no blank.
bool mIsSepChar(const xTokens& t, int i, wchar_t c) {
  return mIsSep(t, i) && t.a[i].c1 == c && t.a[i].c2 == 0 && !t.a[i].bBlank;
}
bool mIsBlankSep(const xTokens& t, int i) {
  return mIsSep(t, i) && t.a[i].c1 == 0 && t.a[i].bBlank;
}
int mNum(const xTokens& t, int i) { return static_cast<int>(t.a[i].iValue); }

// Reads an offset at i ("Z", a zone name, +hh, +hhmm, +hh:mm); returns the
// index after it, i itself when there is none, -1 when it is malformed.
int mParseOffset(const xTokens& t, int i, xFields& f) {
  int k = i;
  if (mIsBlankSep(t, k) && mIsWord(t, k + 1, eWordKind::eZone)) ++k;
  if (mIsWord(t, k, eWordKind::eZone)) {
    f.bOffset = true;
    f.iOffsetMinutes = static_cast<int>(t.a[k].iValue);
    ++k;
    // "GMT+0100": the offset from universal time written after its name.
    const bool bUniversal = f.iOffsetMinutes == 0 && t.a[k - 1].n > 1;
    if (!bUniversal || !mIsSep(t, k) || t.a[k].bBlank) return k;
  }
  if (!mIsSep(t, k) || t.a[k].c2 != 0 || (t.a[k].c1 != L'+' && t.a[k].c1 != L'-')) return k;
  if (!mIsNum(t, k + 1)) return -1;
  const int iSign = t.a[k].c1 == L'-' ? -1 : 1;
  int iHours = 0, iMinutes = 0;
  const xToken& n = t.a[k + 1];
  k += 2;
  if (n.n == 4) {
    iHours = static_cast<int>(n.iValue / 100);
    iMinutes = static_cast<int>(n.iValue % 100);
  } else if (n.n == 2) {
    iHours = static_cast<int>(n.iValue);
    if (mIsSepChar(t, k, L':') && mIsNum(t, k + 1) && t.a[k + 1].n == 2) {
      iMinutes = mNum(t, k + 1);
      k += 2;
    }
  } else {
    return -1;
  }
  if (iHours > 23 || iMinutes > 59) return -1;
  f.bOffset = true;
  f.iOffsetMinutes = iSign * (iHours * 60 + iMinutes);
  // "+0000 UTC": the name of universal time after the offset says nothing more.
  if (mIsBlankSep(t, k) && mIsWord(t, k + 1, eWordKind::eZone) && t.a[k + 1].iValue == 0 &&
      t.a[k + 1].n > 1) {
    k += 2;
  }
  return k;
}

// A comment in parentheses that ends the text ("(PST)", "(Central European
// Standard Time)"); returns the index after it, or i when there is none.
int mSkipComment(const xTokens& t, int i) {
  if (!mIsSep(t, i) || t.a[i].c1 != L'(' || t.a[i].c2 != 0 || t.n - i < 3) return i;
  const xToken& x = t.a[static_cast<std::size_t>(t.n - 1)];
  if (x.e != eTok::eSep || x.c1 != L')' || x.c2 != 0) return i;
  for (int k = i + 1; k < t.n - 1; ++k) {
    const xToken& y = t.a[static_cast<std::size_t>(k)];
    if (y.e == eTok::eSep && (y.c1 == L'(' || y.c1 == L')' || y.c2 == L'(' || y.c2 == L')')) {
      return i;
    }
  }
  return t.n;
}

// Reads the time at i (its first number) with designator and offset;
// returns the index after them or -1.
int mParseTime(const xTokens& t, int i, bool bBasic, xFields& f) {
  f.bTime = true;
  const xToken& h = t.a[i];
  int k = i + 1;
  if (bBasic) {
    f.bTimeBasic = true;
    f.nHour = 2;
    const int v = static_cast<int>(h.iValue);
    if (h.n == 2) {
      f.iHour = v;
    } else if (h.n == 4) {
      f.iHour = v / 100;
      f.iMinute = v % 100;
    } else if (h.n == 6) {
      f.iHour = v / 10000;
      f.iMinute = v / 100 % 100;
      f.iSecond = v % 100;
      f.bSeconds = true;
    } else {
      return -1;
    }
  } else {
    if (h.n > 6 || !mIsNum(t, k + 1) || t.a[k + 1].n != 2) return -1;
    f.nHour = h.n;
    f.iHour = static_cast<int>(h.iValue);
    f.iMinute = mNum(t, k + 1);
    k += 2;
    if (mIsSepChar(t, k, L':') && mIsNum(t, k + 1)) {
      if (t.a[k + 1].n != 2) return -1;
      f.iSecond = mNum(t, k + 1);
      f.bSeconds = true;
      k += 2;
    }
  }
  if (f.bSeconds && (mIsSepChar(t, k, L'.') || mIsSepChar(t, k, L',')) && mIsNum(t, k + 1)) {
    f.nFraction = t.a[k + 1].n;
    f.iMs = mFractionMs(t.a[k + 1].iValue, f.nFraction);
    k += 2;
  }
  // Designator, with or without a blank.
  int d = k;
  if (mIsBlankSep(t, d)) ++d;
  if (d < t.n && t.a[d].e == eTok::eWord &&
      (t.a[d].eWord == eWordKind::eAm || t.a[d].eWord == eWordKind::ePm)) {
    f.eDesignator = t.a[d].eWord == eWordKind::eAm ? 1 : 2;
    f.iDesignatorKind = static_cast<std::uint8_t>(t.a[d].iValue);
    f.bDesignatorBlank = d != k;
    f.bDesignatorLower = t.a[d].bLower;
    k = d + 1;
    if (mIsSepChar(t, k, L'.')) ++k;  // "vorm.", "PM."
  }
  k = mParseOffset(t, k, f);
  if (k < 0) return -1;
  // A comment after the zone: " (PST)".
  if (f.bOffset) k = mSkipComment(t, k);
  return k;
}

// The separator between date items: blanks, or one of , - / . with blanks.
bool mIsDateSep(const xToken& s) {
  if (s.e != eTok::eSep || s.c2 != 0) return false;
  if (s.c1 == L'-' || s.c1 == L'/') return !s.bBlank;         // "-5" is not " - 5"
  if (s.c1 == L',' || s.c1 == L'.') return !s.bLeadingBlank;  // ", " but not " ,"
  return s.c1 == 0;
}
wchar_t mSepChar(const xToken& s) { return s.c1 == 0 ? L' ' : s.c1; }

// A date with a month name on tokens [i, e).
bool mParseNamed(const xTokens& t, int i, int e, xFields& f) {
  int iMonthAt = -1;
  int iNums[3];
  int nNums = 0;
  int iBefore = 0;
  for (int k = i; k < e; ++k) {
    const xToken& x = t.a[k];
    if (((k - i) % 2) == 1) {
      if (!mIsDateSep(x)) return false;
      continue;
    }
    if (x.e == eTok::eNum) {
      if (nNums == 3) return false;
      iNums[nNums++] = k;
      if (iMonthAt < 0) ++iBefore;
    } else if (x.e == eTok::eWord && x.eWord == eWordKind::eMonth && iMonthAt < 0) {
      iMonthAt = k;
    } else {
      return false;
    }
  }
  if (iMonthAt < 0 || nNums == 0 || nNums > 2) return false;
  f.eDate = eDateForm::eNamed;
  f.iMonth = static_cast<int>(t.a[iMonthAt].iValue);
  f.bMonthFull = t.a[iMonthAt].bFull;
  f.cDateSep = mSepChar(t.a[i + 1]);
  const xToken& x = t.a[iNums[0]];
  const int iAfter = nNums - iBefore;
  auto mSetYear = [&f](const xToken& y) {
    if (y.n != 2 && y.n != 4) return false;
    f.iYear = static_cast<int>(y.iValue);
    f.nYear = y.n;
    return true;
  };
  auto mSetDay = [&f](const xToken& d) {
    if (d.n > 2) return false;
    f.iDay = static_cast<int>(d.iValue);
    f.nb = d.n;
    return true;
  };
  if (iBefore == 0 && iAfter == 1) {
    if (x.n == 4) {
      f.eNamed = eNamedOrder::eMY;
      f.iDay = 1;
      return mSetYear(x);
    }
    // "Mar-20" (month and two-digit year) against "Mar 20" (month and day).
    const wchar_t cSep = t.a[iMonthAt + 1].c1;
    if (x.n == 2 && (cSep == L'-' || cSep == L'/' || cSep == L'.') && !t.a[iMonthAt + 1].bBlank) {
      f.eNamed = eNamedOrder::eMY;
      f.iDay = 1;
      return mSetYear(x);
    }
    f.eNamed = eNamedOrder::eMD;
    return mSetDay(x);
  }
  if (iBefore == 0 && iAfter == 2) {
    f.eNamed = eNamedOrder::eMDY;
    f.bCommaAfterDay = t.a[iNums[0] + 1].c1 == L',';
    // "March 15, 2020" and "Mar. 15, 2020", not "March/15, 2020": no format
    // writes the last.
    if (f.bCommaAfterDay && t.a[iMonthAt + 1].c1 != 0 && t.a[iMonthAt + 1].c1 != L'.') {
      return false;
    }
    return mSetDay(x) && mSetYear(t.a[iNums[1]]);
  }
  if (iBefore == 1 && iAfter == 0) {
    if (x.n == 4) {
      f.eNamed = eNamedOrder::eYM;
      f.iDay = 1;
      return mSetYear(x);
    }
    f.eNamed = eNamedOrder::eDM;
    f.bDotAfterDay = t.a[iNums[0] + 1].c1 == L'.' && t.a[iNums[0] + 1].bBlank;
    return mSetDay(x);
  }
  if (iBefore == 1 && iAfter == 1) {
    if (x.n == 4) {
      f.eNamed = eNamedOrder::eYMD;
      return mSetYear(x) && mSetDay(t.a[iNums[1]]);
    }
    f.eNamed = eNamedOrder::eDMY;
    f.bDotAfterDay = t.a[iNums[0] + 1].c1 == L'.' && t.a[iNums[0] + 1].bBlank;
    return mSetDay(x) && mSetYear(t.a[iNums[1]]);
  }
  return false;
}

// The date part on tokens [i, e), which holds no time.
bool mParseDate(const xTokens& t, int i, int e, xFields& f) {
  const int n = e - i;
  if (n == 5 && mIsNum(t, i) && mIsNum(t, i + 2) && mIsNum(t, i + 4) && mIsDateSep(t.a[i + 1]) &&
      t.a[i + 1].c1 != L',' && t.a[i + 3].c1 == t.a[i + 1].c1 &&
      t.a[i + 3].bBlank == t.a[i + 1].bBlank && t.a[i + 3].c2 == 0) {
    f.a = mNum(t, i);
    f.b = mNum(t, i + 2);
    f.c = mNum(t, i + 4);
    f.na = t.a[i].n;
    f.nb = t.a[i + 2].n;
    f.nc = t.a[i + 4].n;
    f.cDateSep = mSepChar(t.a[i + 1]);
    if (f.nb > 2) return false;
    if (f.na == 4) {
      if (f.nc > 2) return false;
      f.eDate = eDateForm::eYearFirst;
      return true;
    }
    if (f.na > 2 || (f.nc != 2 && f.nc != 4)) return false;
    f.eDate = eDateForm::eNumeric;
    return true;
  }
  if (n == 3 && mIsNum(t, i) && t.a[i].n == 4 && mIsNum(t, i + 2) &&
      (mIsSepChar(t, i + 1, L'-') || mIsSepChar(t, i + 1, L'/'))) {
    f.iYear = mNum(t, i);
    f.nYear = 4;
    f.cDateSep = t.a[i + 1].c1;
    if (t.a[i + 2].n == 3 && f.cDateSep == L'-') {
      f.eDate = eDateForm::eOrdinal;
      f.iDay = mNum(t, i + 2);
      return true;
    }
    if (t.a[i + 2].n > 2) return false;
    f.eDate = eDateForm::eYearMonth;
    f.iMonth = mNum(t, i + 2);
    f.iDay = 1;
    f.nb = t.a[i + 2].n;
    return true;
  }
  // Month and year ("03/2020"), month and day ("3/15", "15.03.").
  const bool bStop = n == 4 && mIsSepChar(t, i + 3, L'.');
  if ((n == 3 || bStop) && mIsNum(t, i) && t.a[i].n <= 2 && mIsNum(t, i + 2) &&
      (mIsSepChar(t, i + 1, L'-') || mIsSepChar(t, i + 1, L'/') || mIsSepChar(t, i + 1, L'.'))) {
    f.cDateSep = t.a[i + 1].c1;
    f.a = mNum(t, i);
    f.na = t.a[i].n;
    if (t.a[i + 2].n == 4 && !bStop) {
      f.eDate = eDateForm::eMonthYear;
      f.iYear = mNum(t, i + 2);
      f.nYear = 4;
      f.iMonth = f.a;
      f.iDay = 1;
      return true;
    }
    if (t.a[i + 2].n > 2) return false;
    f.eDate = eDateForm::eNumeric;
    f.b = mNum(t, i + 2);
    f.nb = t.a[i + 2].n;
    f.bDotAfterDay = bStop;
    return true;
  }
  // Week dates: yyyy-Www[-d], yyyyWww[d].
  if (n >= 3 && mIsNum(t, i) && t.a[i].n == 4) {
    int k = i + 1;
    const bool bExtended = mIsSepChar(t, k, L'-');
    if (bExtended) ++k;
    if (mIsWord(t, k, eWordKind::eWeekMark) && mIsNum(t, k + 1)) {
      f.eDate = eDateForm::eWeekDate;
      f.iYear = mNum(t, i);
      f.nYear = 4;
      const xToken& w = t.a[k + 1];
      k += 2;
      f.iWeekday = 1;
      if (w.n == 2) {
        f.iWeek = static_cast<int>(w.iValue);
        if (bExtended && k + 2 == e && mIsSepChar(t, k, L'-') && mIsNum(t, k + 1) &&
            t.a[k + 1].n == 1) {
          f.iWeekday = mNum(t, k + 1);
          k += 2;
        }
      } else if (w.n == 3 && !bExtended) {
        f.iWeek = static_cast<int>(w.iValue / 10);
        f.iWeekday = static_cast<int>(w.iValue % 10);
      } else {
        return false;
      }
      return k == e;
    }
  }
  return mParseNamed(t, i, e, f);
}

// A plain number: [sign] digits [decimal digits]; the whole text.
bool mParseNumber(const xTokens& t, int i, int iSign, xFields& f) {
  if (!mIsNum(t, i)) return false;
  double d = static_cast<double>(t.a[i].iValue);
  bool bInteger = true;
  if (i + 1 < t.n) {
    if (i + 3 != t.n || !(mIsSepChar(t, i + 1, L'.') || mIsSepChar(t, i + 1, L',')) ||
        !mIsNum(t, i + 2)) {
      return false;
    }
    d += static_cast<double>(t.a[i + 2].iValue) / std::pow(10.0, t.a[i + 2].n);
    bInteger = false;
  }
  if (bInteger && iSign == 0 && (t.a[i].n == 8 || t.a[i].n == 12 || t.a[i].n == 14)) {
    f.eDate = eDateForm::eCompact;
    f.iCompact = t.a[i].iValue;
    f.nCompact = t.a[i].n;
  } else {
    f.eDate = eDateForm::eNumber;
  }
  f.dNumber = iSign < 0 ? -d : d;
  f.bNumberIsInteger = bInteger;
  return true;
}

}  // namespace

bool mParseFields(const xTokens& t, xFields& f) {
  f = xFields{};
  if (t.n == 0) return false;
  int i = 0;
  int iSign = 0;
  if (t.a[0].e == eTok::eSep) {
    if (t.a[0].c2 != 0 || (t.a[0].c1 != L'-' && t.a[0].c1 != L'+')) return false;
    iSign = t.a[0].c1 == L'-' ? -1 : 1;
    i = 1;
  }
  if (iSign == 0 && mIsWord(t, 0, eWordKind::eWeekday)) {
    f.iWeekdayName = static_cast<int>(t.a[0].iValue);
    i = 1;
    if (mIsSep(t, 1)) {
      const xToken& s = t.a[1];
      // ",", ".", "., " or blanks.
      const bool bStopComma = s.c1 == L'.' && s.c2 == L',';
      if ((s.c2 != 0 && !bStopComma) || (s.c1 != 0 && s.c1 != L',' && s.c1 != L'.')) return false;
      i = 2;
    }
  }
  // Where the time starts: a number followed by ":" and a number, or "T"
  // and a number.
  int iTime = -1;
  bool bBasic = false;
  int iDateEnd = t.n;
  for (int k = i; k < t.n; ++k) {
    // Web server logs: "25/Sep/2003:10:36:28 +0000", the year before the
    // time with a colon.
    if (k > i && mIsNum(t, k) && t.a[k].n == 4 && mIsSepChar(t, k + 1, L':') && mIsNum(t, k + 2) &&
        mIsSepChar(t, k + 3, L':') && mIsNum(t, k + 4) && mIsSepChar(t, k + 5, L':') &&
        mIsNum(t, k + 6)) {
      iTime = k + 2;
      iDateEnd = k + 1;
      break;
    }
    if (mIsNum(t, k) && mIsSepChar(t, k + 1, L':') && mIsNum(t, k + 2)) {
      iTime = k;
      iDateEnd = k;
      if (k > i && mIsSep(t, k - 1)) iDateEnd = k - 1;
      break;
    }
    if (mIsWord(t, k, eWordKind::eT) && k > i && mIsNum(t, k + 1)) {
      iTime = k + 1;
      iDateEnd = k;
      f.bTimeT = true;
      bBasic = !mIsSepChar(t, k + 2, L':');
      break;
    }
  }
  if (iTime < 0) {
    if (iSign != 0 || f.iWeekdayName >= 0 || i != 0) {
      if (f.iWeekdayName < 0) return mParseNumber(t, i, iSign, f);
      return mParseDate(t, i, t.n, f);
    }
    if (t.n <= 3 && mParseNumber(t, 0, 0, f)) return true;
    return mParseDate(t, 0, t.n, f);
  }
  // The separator between date and time.
  const bool bDateTimeSep = iDateEnd < iTime && !f.bTimeT;
  const xToken* pSep = bDateTimeSep ? &t.a[static_cast<std::size_t>(iDateEnd)] : nullptr;
  int k = mParseTime(t, iTime, bBasic, f);
  if (k < 0) return false;
  if (iDateEnd == i) {
    // Time only, or an elapsed time with a sign.
    if (k != t.n || f.iWeekdayName >= 0) return false;
    if (iSign != 0) {
      f.bElapsedMark = true;
      f.iSign = iSign;
    }
    return true;
  }
  // Elapsed with a day count: "1 02:03:04", "1.02:03:04", "-1.02:03:04",
  // "1 days 02:03:04".
  const bool bDaysWord = iDateEnd == i + 3 && mIsNum(t, i) && mIsBlankSep(t, i + 1) &&
                         mIsWord(t, i + 2, eWordKind::eDays);
  if ((iDateEnd == i + 1 || bDaysWord) && mIsNum(t, i) && pSep != nullptr && pSep->c2 == 0 &&
      ((pSep->c1 == 0 && pSep->bBlank) || (pSep->c1 == L'.' && !pSep->bBlank)) &&
      f.iWeekdayName < 0 && f.eDesignator == 0 && !f.bOffset && t.a[i].n <= 6 && k == t.n) {
    f.bElapsedMark = true;
    f.iSign = iSign < 0 ? -1 : 1;
    f.iElapsedDays = t.a[i].iValue;
    return true;
  }
  if (iSign != 0) return false;
  if (pSep != nullptr && !(pSep->c2 == 0 && (pSep->c1 == 0 || pSep->c1 == L',' ||
                                             (pSep->c1 == L':' && !pSep->bBlank)))) {
    return false;
  }
  if (f.bTimeT && iDateEnd == i + 1 && mIsNum(t, i) && t.a[i].n == 8) {
    // ISO basic: yyyymmddThhmmss.
    const int v = mNum(t, i);
    f.eDate = eDateForm::eYearFirst;
    f.a = v / 10000;
    f.b = v / 100 % 100;
    f.c = v % 100;
    f.na = 4;
    f.nb = f.nc = 2;
    f.cDateSep = 0;
  } else if (!mParseDate(t, i, iDateEnd, f)) {
    return false;
  }
  // asctime: the year after the time.
  if (k + 2 == t.n && f.eDate == eDateForm::eNamed && f.eNamed == eNamedOrder::eMD &&
      mIsBlankSep(t, k) && mIsNum(t, k + 1) && t.a[k + 1].n == 4) {
    f.eNamed = eNamedOrder::eMDY;
    f.iYear = mNum(t, k + 1);
    f.nYear = 4;
    k += 2;
  }
  return k == t.n && f.eDate != eDateForm::eNumber && f.eDate != eDateForm::eCompact;
}

}  // namespace cvn::column
