// Cutting one text into numbers, words and separators, and the names the
// words are matched against: English month and weekday names, the regional
// ones, designators and the zone names of e-mail dates.

#include <cstdint>
#include <string>
#include <string_view>

#include "CmString.h"
#include "platform/platform.h"
#include "time/column/column_impl.h"

namespace cvn::column {
namespace {

namespace cp = cvn::platform;

constexpr const wchar_t* kEnglishMonths[12] = {L"JANUARY",   L"FEBRUARY", L"MARCH",    L"APRIL",
                                               L"MAY",       L"JUNE",     L"JULY",     L"AUGUST",
                                               L"SEPTEMBER", L"OCTOBER",  L"NOVEMBER", L"DECEMBER"};
constexpr const wchar_t* kEnglishWeekdays[7] = {L"MONDAY", L"TUESDAY",  L"WEDNESDAY", L"THURSDAY",
                                                L"FRIDAY", L"SATURDAY", L"SUNDAY"};
// Abbreviations beyond the first three letters that exports write.
struct xExtraName {
  int iIndex;
  const wchar_t* psName;
};
constexpr xExtraName kExtraMonths[] = {{8, L"SEPT"}};
constexpr xExtraName kExtraWeekdays[] = {{1, L"TUES"}, {2, L"WEDS"}, {3, L"THUR"}, {3, L"THURS"}};

// Zones of e-mail dates and their offsets in minutes.
struct xZone {
  const wchar_t* psName;
  int iMinutes;
};
constexpr xZone kZones[] = {{L"Z", 0},      {L"UT", 0},     {L"UTC", 0},    {L"GMT", 0},
                            {L"EST", -300}, {L"EDT", -240}, {L"CST", -360}, {L"CDT", -300},
                            {L"MST", -420}, {L"MDT", -360}, {L"PST", -480}, {L"PDT", -420}};

// Words between the parts of a date or between date and time that carry
// nothing: "of", "de", "del", "at", "um", "à".
constexpr const wchar_t* kFillers[] = {L"OF", L"DE", L"DEL", L"AT", L"UM", L"\u00C0"};

constexpr int kMaxWordChars = 32;

wchar_t mUpperChar(wchar_t c) {
  if (c < 0x80) return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
  return mToUpper(c);
}

std::wstring mUpperName(std::wstring_view name) {
  std::wstring s;
  for (wchar_t c : name) s += mUpperChar(c);
  while (!s.empty() && (s.back() == L'.' || s.back() == L' ')) s.pop_back();
  return s;
}

void mAddName(std::vector<std::wstring>& names, std::vector<bool>& full, std::wstring_view name,
              bool bFull) {
  std::wstring s = mUpperName(name);
  if (s.empty() || s.size() >= kMaxWordChars) return;
  for (const std::wstring& sHave : names) {
    if (sHave == s) return;
  }
  names.push_back(std::move(s));
  full.push_back(bFull);
}

bool mReadRegional(unsigned type, std::wstring& out) {
  wchar_t szBuffer[64] = {};
  if (cp::mGetLocaleInfo(type, szBuffer, 64) <= 0) return false;
  out = szBuffer;
  return true;
}

// Blanks; the day mark of Chinese, Japanese and Korean dates (日, 일) ends
// the date like one.
bool mIsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == 0xA0 || c == 0x202F || c == 0x2009 || c == 0x65E5 ||
         c == 0xC77C;
}
bool mIsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
// Separator characters; dashes of other widths count as "-".
wchar_t mSeparator(wchar_t c) {
  switch (c) {
    case L'/':
    case L'-':
    case L'.':
    case L',':
    case L':':
    case L'+':
    case L'(':
    case L')': return c;
    default: break;
  }
  if ((c >= 0x2010 && c <= 0x2015) || c == 0x2212) return L'-';
  // The year and month marks of Chinese, Japanese and Korean dates
  // ("2020年3月15日", "2020년 3월 15일") separate like "-".
  if (c == 0x5E74 || c == 0x6708 || c == 0xB144 || c == 0xC6D4) return L'-';
  return 0;
}

bool mIsLetter(wchar_t c) {
  if (c < 0x80) return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
  if (mIsBlank(c) || mSeparator(c) != 0) return false;
  return c != 0xD7 && c != 0xF7 && !(c >= 0x2000 && c <= 0x206F) && c != 0x2212 && c != 0xFEFF &&
         !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE && c != 0xFFFF;
}
bool mIsOrdinalSuffix(wchar_t a, wchar_t b) {
  const wchar_t u = mUpperChar(a), v = mUpperChar(b);
  return (u == L'S' && v == L'T') || (u == L'N' && v == L'D') || (u == L'R' && v == L'D') ||
         (u == L'T' && v == L'H') || (u == L'E' && v == L'R');  // "1er"
}

bool mEquals(const wchar_t* upper, int n, const std::wstring& name) {
  if (static_cast<int>(name.size()) != n) return false;
  for (int i = 0; i < n; ++i) {
    if (upper[i] != name[static_cast<std::size_t>(i)]) return false;
  }
  return true;
}
bool mEquals(const wchar_t* upper, int n, const wchar_t* name) {
  int i = 0;
  for (; i < n && name[i] != 0; ++i) {
    if (upper[i] != name[i]) return false;
  }
  return i == n && name[i] == 0;
}

// Classifies the word of n upper-case letters.
void mClassifyWord(const wchar_t* upper, int n, const xNames& names, xToken& tok) {
  if (n == 1) {
    switch (upper[0]) {
      case L'T': tok.eWord = eWordKind::eT; return;
      case L'W': tok.eWord = eWordKind::eWeekMark; return;
      case L'A':
        tok.eWord = eWordKind::eAm;
        tok.iValue = 1;
        return;
      case L'P':
        tok.eWord = eWordKind::ePm;
        tok.iValue = 1;
        return;
      default: break;
    }
  }
  if (n == 2 && upper[1] == L'M' && (upper[0] == L'A' || upper[0] == L'P')) {
    tok.eWord = upper[0] == L'A' ? eWordKind::eAm : eWordKind::ePm;
    tok.iValue = 0;
    return;
  }
  if (n <= 3) {
    for (const wchar_t* psFiller : kFillers) {
      if (mEquals(upper, n, psFiller)) {
        tok.eWord = eWordKind::eFiller;
        return;
      }
    }
    for (const xZone& z : kZones) {
      if (mEquals(upper, n, z.psName)) {
        tok.eWord = eWordKind::eZone;
        tok.iValue = z.iMinutes;
        return;
      }
    }
  }
  if (mEquals(upper, n, L"DAY") || mEquals(upper, n, L"DAYS")) {
    tok.eWord = eWordKind::eDays;
    return;
  }
  for (int i = 0; i < 12; ++i) {
    const auto& v = names.vsMonths[i];
    for (std::size_t k = 0; k < v.size(); ++k) {
      if (v[k][0] == upper[0] && mEquals(upper, n, v[k])) {
        tok.eWord = eWordKind::eMonth;
        tok.iValue = i + 1;
        tok.bFull = names.vbMonthFull[i][k];
        return;
      }
    }
  }
  for (int i = 0; i < 7; ++i) {
    const auto& v = names.vsWeekdays[i];
    for (std::size_t k = 0; k < v.size(); ++k) {
      if (v[k][0] == upper[0] && mEquals(upper, n, v[k])) {
        tok.eWord = eWordKind::eWeekday;
        tok.iValue = i;
        tok.bFull = names.vbWeekdayFull[i][k];
        return;
      }
    }
  }
  if (!names.sAm.empty() && mEquals(upper, n, names.sAm)) {
    tok.eWord = eWordKind::eAm;
    tok.iValue = 3;
  } else if (!names.sPm.empty() && mEquals(upper, n, names.sPm)) {
    tok.eWord = eWordKind::ePm;
    tok.iValue = 3;
  }
}

// Adds, for each of count names, the regional full and abbreviated names
// (from the keys fullKey + i and abbrevKey + i), the English name and its
// first three letters, then the extra spellings.
template <std::size_t N, std::size_t E>
void mAddNameTable(unsigned fullKey, unsigned abbrevKey, const wchar_t* const (&english)[N],
                   const xExtraName (&extras)[E], std::vector<std::wstring> (&names)[N],
                   std::vector<bool> (&full)[N]) {
  std::wstring s;
  for (std::size_t i = 0; i < N; ++i) {
    const auto u = static_cast<unsigned>(i);
    if (mReadRegional(fullKey + u, s)) mAddName(names[i], full[i], s, true);
    if (mReadRegional(abbrevKey + u, s)) mAddName(names[i], full[i], s, false);
    mAddName(names[i], full[i], english[i], true);
    mAddName(names[i], full[i], std::wstring_view(english[i], 3), false);
  }
  for (const xExtraName& e : extras) mAddName(names[e.iIndex], full[e.iIndex], e.psName, false);
}

}  // namespace

xNames mNamesInForce() {
  xNames x;
  mAddNameTable(cp::kLocaleSMonthName1, cp::kLocaleSAbbrevMonthName1, kEnglishMonths, kExtraMonths,
                x.vsMonths, x.vbMonthFull);
  mAddNameTable(cp::kLocaleSDayName1, cp::kLocaleSAbbrevDayName1, kEnglishWeekdays, kExtraWeekdays,
                x.vsWeekdays, x.vbWeekdayFull);
  // Regional designators that are not the English ones.
  std::wstring sAmText, sPmText;
  if (mReadRegional(cp::kLocaleS1159, sAmText)) x.sAm = mUpperName(sAmText);
  if (mReadRegional(cp::kLocaleS2359, sPmText)) x.sPm = mUpperName(sPmText);
  x.sDesignatorPair = sAmText + L"/" + sPmText;
  if (x.sAm == L"AM" || x.sPm == L"PM" || x.sAm.size() >= kMaxWordChars ||
      x.sPm.size() >= kMaxWordChars) {
    x.sAm.clear();
    x.sPm.clear();
    x.sDesignatorPair.clear();
  }
  return x;
}

bool mTokenise(std::wstring_view text, const xNames& names, xTokens& out) {
  out.n = 0;
  out.bOverflow = false;
  const std::size_t iEnd = text.size();
  std::size_t i = 0;
  while (i < iEnd) {
    if (out.n == kMaxTokens) {
      out.bOverflow = true;
      return false;
    }
    xToken& tok = out.a[static_cast<std::size_t>(out.n)];
    tok = xToken{};
    const wchar_t c = text[i];
    if (mIsDigit(c)) {
      tok.e = eTok::eNum;
      std::int64_t v = 0;
      int n = 0;
      while (i < iEnd && mIsDigit(text[i])) {
        if (++n > 18) return false;
        v = v * 10 + (text[i] - L'0');
        ++i;
      }
      tok.n = static_cast<std::uint8_t>(n);
      tok.iValue = v;
      // An ordinal suffix of a day ("1st", "22nd", "3rd", "4th") belongs to it.
      if (n <= 2 && i + 1 < iEnd && mIsOrdinalSuffix(text[i], text[i + 1]) &&
          (i + 2 == iEnd || !mIsLetter(text[i + 2]))) {
        i += 2;
      }
    } else if (mIsLetter(c)) {
      tok.e = eTok::eWord;
      wchar_t szUpper[kMaxWordChars];
      int n = 0;
      tok.bLower = c >= L'a' && c <= L'z';
      while (i < iEnd && mIsLetter(text[i])) {
        if (n == kMaxWordChars - 1) return false;
        szUpper[n++] = mUpperChar(text[i]);
        ++i;
      }
      // "a.m." and "p.m.": one designator.
      if (n == 1 && (szUpper[0] == L'A' || szUpper[0] == L'P') && i + 1 < iEnd && text[i] == L'.' &&
          (text[i + 1] == L'm' || text[i + 1] == L'M')) {
        i += 2;
        if (i < iEnd && text[i] == L'.') ++i;
        tok.eWord = szUpper[0] == L'A' ? eWordKind::eAm : eWordKind::ePm;
        tok.iValue = 2;
        tok.n = 4;
      } else {
        tok.n = static_cast<std::uint8_t>(n);
        mClassifyWord(szUpper, n, names, tok);
      }
      // "1 de enero de 2000", "June 13, 1990 at 5:50": the word and the
      // blanks around it are one blank.
      if (tok.eWord == eWordKind::eFiller) {
        const xToken* pPrevious = out.n > 0 ? &out.a[static_cast<std::size_t>(out.n - 1)] : nullptr;
        if (pPrevious == nullptr || pPrevious->e != eTok::eSep || pPrevious->c1 != 0 || i == iEnd ||
            !mIsBlank(text[i])) {
          return false;
        }
        while (i < iEnd && mIsBlank(text[i])) ++i;
        continue;
      }
    } else {
      tok.e = eTok::eSep;
      while (i < iEnd) {
        const wchar_t d = text[i];
        if (mIsBlank(d)) {
          tok.bBlank = true;
          if (tok.c1 == 0) tok.bLeadingBlank = true;
        } else if (const wchar_t s = mSeparator(d); s != 0) {
          if (tok.c1 == 0) {
            tok.c1 = s;
          } else if (tok.c2 == 0) {
            tok.c2 = s;
          } else {
            return false;
          }
        } else if (mIsDigit(d) || mIsLetter(d)) {
          break;
        } else {
          return false;  // a character no shape has
        }
        ++i;
      }
    }
    ++out.n;
  }
  // A day mark or a full stop at the end ("15日", "2020. 3. 15.") ends the
  // text.
  if (out.n > 4) {
    const xToken& x = out.a[static_cast<std::size_t>(out.n - 1)];
    if (x.e == eTok::eSep && x.c2 == 0 && (x.c1 == 0 || x.c1 == L'.')) --out.n;
  }
  return true;
}

}  // namespace cvn::column
