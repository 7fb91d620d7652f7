// Layout templates: the fast path of the survey and of the read. A text the
// general reader has read becomes a template of its characters (digit runs
// with their roles, separators, "T", "Z", a designator); a later text that
// matches the template character by character gets its fields straight from
// it, with no tokens and no name lookups. A template accepts only texts that
// the general reader reads to the same fields; anything else falls back to
// the general reader.

#include <cstdint>
#include <string_view>

#include "time/column/column_impl.h"

namespace cvn::column {
namespace {

bool mIsAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool mIsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
wchar_t mAsciiUpper(wchar_t c) {
  return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
}

// The roles of the digit runs of a sample, in written order; false when the
// sample's shape has no template.
int mRoles(const xFields& f, int nRuns, eRole* roles) {
  int n = 0;
  if (f.eDate == eDateForm::eNumeric || (f.eDate == eDateForm::eYearFirst && f.cDateSep != 0)) {
    roles[n++] = eRole::eA;
    roles[n++] = eRole::eB;
    if (f.eDate == eDateForm::eYearFirst || f.nc != 0) roles[n++] = eRole::eC;
  } else if (f.eDate != eDateForm::eNone) {
    return -1;
  }
  if (!f.bTime || f.bTimeBasic) return f.bTime ? -1 : n;
  const int iTimeRuns = 2 + (f.bSeconds ? 1 : 0) + (f.nFraction > 0 ? 1 : 0);
  const bool bDays =
      f.eDate == eDateForm::eNone && f.bElapsedMark && !f.bOffset && nRuns - n - iTimeRuns == 1;
  const int iOffsetRuns = nRuns - n - iTimeRuns - (bDays ? 1 : 0);
  if (bDays) roles[n++] = eRole::eDays;
  roles[n++] = eRole::eHour;
  roles[n++] = eRole::eMinute;
  if (f.bSeconds) roles[n++] = eRole::eSecond;
  if (f.nFraction > 0) roles[n++] = eRole::eFraction;
  if (f.bOffset && iOffsetRuns > 0) {
    roles[n++] = eRole::eOffsetHours;
    if (iOffsetRuns == 2) roles[n++] = eRole::eOffsetMinutes;
  }
  return n;
}

}  // namespace

bool mMakeTemplate(std::wstring_view sample, const xFields& f, xTemplate& t) {
  t = xTemplate{};
  int nRuns = 0;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    if (mIsAsciiDigit(sample[i]) && (i == 0 || !mIsAsciiDigit(sample[i - 1]))) ++nRuns;
  }
  eRole vRoles[kMaxTemplateItems] = {};
  if (nRuns > 10 || mRoles(f, nRuns, vRoles) != nRuns) return false;
  int iRun = 0;
  std::size_t i = 0;
  while (i < sample.size()) {
    if (t.n == kMaxTemplateItems) return false;
    xTemplateItem& x = t.a[static_cast<std::size_t>(t.n++)];
    const wchar_t c = sample[i];
    if (mIsAsciiDigit(c)) {
      std::size_t k = i;
      while (k < sample.size() && mIsAsciiDigit(sample[k])) ++k;
      const auto n = static_cast<std::uint8_t>(k - i);
      x.eKind = eItem::eDigits;
      x.eRoleOf = vRoles[iRun++];
      x.nMin = x.nMax = n;
      switch (x.eRoleOf) {
        case eRole::eA:
        case eRole::eB:
          if (f.eDate == eDateForm::eNumeric || x.eRoleOf == eRole::eB) x.nMin = 1, x.nMax = 2;
          break;
        case eRole::eC:
          if (f.eDate == eDateForm::eYearFirst) x.nMin = 1, x.nMax = 2;
          break;
        case eRole::eHour: x.nMin = 1, x.nMax = f.bElapsedMark || n > 2 ? 6 : 2; break;
        case eRole::eDays: x.nMin = 1, x.nMax = 6; break;
        case eRole::eFraction: x.nMin = 1, x.nMax = 18; break;
        default: break;
      }
      // The plain roles: a value (and a digit count) stored as read.
      switch (x.eRoleOf) {
        case eRole::eA: x.pValue = &xFields::a, x.pDigits = &xFields::na; break;
        case eRole::eB: x.pValue = &xFields::b, x.pDigits = &xFields::nb; break;
        case eRole::eC: x.pValue = &xFields::c, x.pDigits = &xFields::nc; break;
        case eRole::eHour: x.pValue = &xFields::iHour, x.pDigits = &xFields::nHour; break;
        case eRole::eMinute: x.pValue = &xFields::iMinute; break;
        case eRole::eSecond: x.pValue = &xFields::iSecond; break;
        default: break;
      }
      i = k;
      if (x.pValue != nullptr) {
        x.eKind = eItem::eNumber;
        // The separator after the number goes with it: one item fewer.
        const wchar_t d = i < sample.size() ? sample[i] : 0;
        const bool bSign =
            (d == L'+' || d == L'-') && iRun < nRuns && vRoles[iRun] == eRole::eOffsetHours;
        if (d > L' ' && d < 0x80 && !mIsAsciiLetter(d) && !bSign) {
          x.c = d;
          ++i;
        }
      }
      continue;
    }
    if (mIsAsciiLetter(c)) {
      std::size_t k = i;
      while (k < sample.size() && mIsAsciiLetter(sample[k])) ++k;
      const wchar_t u = mAsciiUpper(c);
      if (k - i == 1 && (u == L'T' || u == L'Z')) {
        x.eKind = eItem::eLetter;
        x.c = u;
      } else if (f.eDesignator != 0 && f.iDesignatorKind <= 1 &&
                 static_cast<int>(k - i) == (f.iDesignatorKind == 0 ? 2 : 1) &&
                 (k == sample.size() || sample[k] != L'.')) {
        x.eKind = eItem::eDesignator;
        x.nMin = static_cast<std::uint8_t>(k - i);
        x.bLower = c >= L'a';
      } else {
        return false;
      }
      i = k;
      continue;
    }
    if ((c == L'+' || c == L'-') && i + 1 < sample.size() && mIsAsciiDigit(sample[i + 1]) &&
        iRun < nRuns && vRoles[iRun] == eRole::eOffsetHours) {
      x.eKind = eItem::eSign;
    } else if (c < 0x80 && c >= L' ' && c != L'\t') {
      x.eKind = eItem::eLiteral;
      x.c = c;
    } else {
      return false;
    }
    ++i;
  }
  t.xBase = f;
  t.iKey = mShapeKey(f);
  return true;
}

bool mMatchTemplate(const xTemplate& t, std::wstring_view text, bool bBaseLoaded, xFields& f) {
  if (!bBaseLoaded) f = t.xBase;
  const wchar_t* p = text.data();
  const wchar_t* const pEnd = p + text.size();
  int iSign = 1;
  for (int k = 0; k < t.n; ++k) {
    const xTemplateItem& x = t.a[static_cast<std::size_t>(k)];
    if (p == pEnd) return false;
    switch (x.eKind) {
      case eItem::eNumber: {
        // At most 6 digits: no overflow.
        auto d = static_cast<unsigned>(*p - L'0');
        if (d > 9) return false;
        int v = static_cast<int>(d);
        const wchar_t* q = p + 1;
        const wchar_t* const qMax = pEnd - p > x.nMax ? p + x.nMax : pEnd;
        while (q < qMax && (d = static_cast<unsigned>(*q - L'0')) <= 9) {
          v = v * 10 + static_cast<int>(d);
          ++q;
        }
        if (q - p < x.nMin) return false;
        f.*x.pValue = v;
        if (x.pDigits != nullptr) f.*x.pDigits = static_cast<std::uint8_t>(q - p);
        if (x.c != 0) {
          // The separator after it (not a digit, so the run has ended).
          if (q == pEnd || *q != x.c) return false;
          p = q + 1;
        } else {
          if (q != pEnd && static_cast<unsigned>(*q - L'0') <= 9) return false;
          p = q;
        }
        break;
      }
      case eItem::eDigits: {
        std::int64_t v = 0;
        int n = 0;
        while (p != pEnd && static_cast<unsigned>(*p - L'0') < 10u) {
          if (++n > x.nMax) return false;
          v = v * 10 + (*p - L'0');
          ++p;
        }
        if (n < x.nMin) return false;
        const auto iv = static_cast<int>(v);  // at most 18 digits only for a fraction
        const auto nv = static_cast<std::uint8_t>(n);
        switch (x.eRoleOf) {
          case eRole::eA: f.a = iv, f.na = nv; break;
          case eRole::eB: f.b = iv, f.nb = nv; break;
          case eRole::eC: f.c = iv, f.nc = nv; break;
          case eRole::eDays: f.iElapsedDays = v; break;
          case eRole::eHour: f.iHour = iv, f.nHour = nv; break;
          case eRole::eMinute: f.iMinute = iv; break;
          case eRole::eSecond: f.iSecond = iv; break;
          case eRole::eFraction: f.iMs = mFractionMs(v, n), f.nFraction = nv; break;
          case eRole::eOffsetHours:
            if (n == 4) {
              if (iv / 100 > 23 || iv % 100 > 59) return false;
              f.iOffsetMinutes = iSign * (iv / 100 * 60 + iv % 100);
            } else {
              if (iv > 23) return false;
              f.iOffsetMinutes = iSign * iv * 60;
            }
            break;
          case eRole::eOffsetMinutes:
            if (iv > 59) return false;
            f.iOffsetMinutes += iSign * iv;
            break;
          default: break;
        }
        break;
      }
      case eItem::eLiteral:
        if (*p != x.c) return false;
        ++p;
        break;
      case eItem::eLetter:
        if (mAsciiUpper(*p) != x.c) return false;
        ++p;
        if (p != pEnd && mIsAsciiLetter(*p)) return false;
        break;
      case eItem::eSign:
        if (*p != L'+' && *p != L'-') return false;
        iSign = *p == L'-' ? -1 : 1;
        ++p;
        break;
      case eItem::eDesignator: {
        const wchar_t c = *p;
        if ((c >= L'a') != x.bLower) return false;
        const wchar_t u = mAsciiUpper(c);
        if (u != L'A' && u != L'P') return false;
        ++p;
        if (x.nMin == 2) {
          if (p == pEnd || mAsciiUpper(*p) != L'M') return false;
          ++p;
        }
        if (p != pEnd && (mIsAsciiLetter(*p) || *p == L'.')) return false;
        f.eDesignator = u == L'A' ? 1 : 2;
        break;
      }
    }
  }
  return p == pEnd;
}

}  // namespace cvn::column
