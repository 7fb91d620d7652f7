// Regional settings from an installed C-library locale: its formats,
// designators, names and first weekday, the formats rewritten into
// regional pattern letters.

#include "platform/locale_conversion.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdint>
#include <cstring>
#include <cwchar>

#include "CmRegionalSettings.h"

namespace cvn::detail {
namespace {

bool mIsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// The letters that make fields of a regional pattern.
bool mIsPatternLetter(wchar_t c) {
  return c == L'd' || c == L'M' || c == L'y' || c == L'H' || c == L'h' || c == L'm' || c == L's' ||
         c == L't' || c == L'g' || c == L'f';
}

// Appends pattern text and literal text, quoting ASCII letters of the
// literal text so that they do not read as pattern letters.
class PatternWriter {
 public:
  void mField(const wchar_t* text) {
    mCloseQuote();
    m_sOut += text;
  }
  void mLiteral(wchar_t c) {
    if (c == L'\'') {
      m_sOut += L"''";  // a doubled apostrophe, inside or outside a quote
    } else if (mIsAsciiLetter(c)) {
      if (!m_bInQuote) m_sOut += L'\'';
      m_bInQuote = true;
      m_sOut += c;
    } else {
      mCloseQuote();
      m_sOut += c;
    }
  }
  std::wstring mFinish() {
    mCloseQuote();
    return m_sOut;
  }

 private:
  void mCloseQuote() {
    if (m_bInQuote) m_sOut += L'\'';
    m_bInQuote = false;
  }
  std::wstring m_sOut;
  bool m_bInQuote = false;
};

// The pattern of one conversion; null for one that has none. bShort: the
// one-letter form was asked for; bLong: the padded form.
const wchar_t* mConversionPattern(wchar_t cConversion, bool bShort, bool bLong) {
  switch (cConversion) {
    case L'd': return bShort ? L"d" : L"dd";
    case L'e': return bLong ? L"dd" : L"d";
    case L'm': return bShort ? L"M" : L"MM";
    case L'b':
    case L'h': return L"MMM";
    case L'B': return L"MMMM";
    case L'y': return L"yy";
    case L'Y': return L"yyyy";
    case L'H': return bShort ? L"H" : L"HH";
    case L'k': return bLong ? L"HH" : L"H";
    case L'I': return bShort ? L"h" : L"hh";
    case L'l': return bLong ? L"hh" : L"h";
    case L'M': return bShort ? L"m" : L"mm";
    case L'S': return bShort ? L"s" : L"ss";
    case L'p':
    case L'P': return L"tt";
    case L'a': return L"ddd";
    case L'A': return L"dddd";
    case L'D': return L"MM/dd/yy";
    case L'F': return L"yyyy-MM-dd";
    case L'T': return L"HH:mm:ss";
    case L'R': return L"HH:mm";
    case L'r': return L"hh:mm:ss tt";
    default: return nullptr;
  }
}

}  // namespace

std::wstring mStrftimeToPattern(const std::wstring& format) {
  PatternWriter xWriter;
  const size_t n = format.size();
  for (size_t i = 0; i < n; ++i) {
    if (format[i] != L'%') {
      xWriter.mLiteral(format[i]);
      continue;
    }
    bool bShort = false;
    bool bLong = false;
    ++i;
    // Flags, field width and the E/O modifiers, in the order strftime takes them.
    for (; i < n; ++i) {
      const wchar_t c = format[i];
      if (c == L'-' || c == L'_') {
        bShort = true;
      } else if (c == L'0') {
        bLong = true;
      } else if (c == L'^' || c == L'#' || (c >= L'1' && c <= L'9') || c == L'E' || c == L'O') {
        continue;
      } else {
        break;
      }
    }
    if (i >= n) break;  // a lone '%' at the end writes nothing
    const wchar_t cConversion = format[i];
    if (cConversion == L'%') {
      xWriter.mLiteral(L'%');
    } else if (cConversion == L'n' || cConversion == L't') {
      xWriter.mLiteral(L' ');
    } else if (const wchar_t* pszField = mConversionPattern(cConversion, bShort, bLong)) {
      xWriter.mField(pszField);
    }
  }
  return xWriter.mFinish();
}

std::optional<std::wstring> mDateSeparatorOfPattern(const std::wstring& pattern) {
  std::wstring sBetween;
  int iFieldsSeen = 0;
  bool bInQuote = false;
  const size_t n = pattern.size();
  for (size_t i = 0; i < n; ++i) {
    const wchar_t c = pattern[i];
    if (c == L'\'') {
      if (i + 1 < n && pattern[i + 1] == L'\'') {
        if (iFieldsSeen == 1) sBetween += L'\'';
        ++i;
      } else {
        bInQuote = !bInQuote;
      }
      continue;
    }
    if (!bInQuote && mIsPatternLetter(c)) {
      if (iFieldsSeen == 1 && (i == 0 || pattern[i - 1] != c || !sBetween.empty())) {
        return sBetween.empty() ? std::nullopt : std::optional<std::wstring>(sBetween);
      }
      iFieldsSeen = 1;
      continue;
    }
    if (iFieldsSeen == 1) sBetween += c;
  }
  return std::nullopt;
}

std::optional<std::wstring> mFirstDayOfWeek(long weekStartDate, int firstWeekday) {
  const long lYear = weekStartDate / 10000;
  const long lMonth = weekStartDate / 100 % 100;
  const long lDay = weekStartDate % 100;
  if (lYear < 1 || lYear > 9999 || lMonth < 1 || lMonth > 12 || lDay < 1 || lDay > 31 ||
      firstWeekday < 1 || firstWeekday > 7) {
    return std::nullopt;
  }
  // Day of the week, 0 = Sunday (Sakamoto's method).
  static constexpr int kMonthOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  const long y = lMonth < 3 ? lYear - 1 : lYear;
  const long lSunday0 = (y + y / 4 - y / 100 + y / 400 + kMonthOffsets[lMonth - 1] + lDay) % 7;
  const long lFirstSunday0 = (lSunday0 + firstWeekday - 1) % 7;
  const long lFirstMonday0 = (lFirstSunday0 + 6) % 7;  // [0, 6]
  return std::wstring(1, static_cast<wchar_t>(L'0' + lFirstMonday0));
}

bool mIsCLocaleName(const char* localeName) {
  if (localeName == nullptr) return false;
  return std::strcmp(localeName, "C") == 0 || std::strcmp(localeName, "POSIX") == 0 ||
         std::strncmp(localeName, "C.", 2) == 0;
}

}  // namespace cvn::detail

namespace {

// A string of the locale, converted from the locale's own codeset to wide
// characters; nothing when it is not valid in that codeset.
std::optional<std::wstring> mWiden(const char* text, locale_t loc) {
  if (text == nullptr) return std::nullopt;
  // The conversion follows the calling thread's locale; the switch is
  // thread-local and undone before returning.
  const locale_t previous = uselocale(loc);
  std::wstring sOut;
  std::mbstate_t xState{};
  const char* p = text;
  size_t iLeft = std::strlen(text);
  bool bValid = true;
  while (iLeft > 0) {
    wchar_t wc = L'\0';
    const size_t iUsed = std::mbrtowc(&wc, p, iLeft, &xState);
    if (iUsed == static_cast<size_t>(-1) || iUsed == static_cast<size_t>(-2) || iUsed == 0) {
      bValid = false;
      break;
    }
    sOut += wc;
    p += iUsed;
    iLeft -= iUsed;
  }
  uselocale(previous);
  if (!bValid) return std::nullopt;
  return sOut;
}

std::optional<std::wstring> mItem(nl_item item, locale_t loc) {
  return mWiden(nl_langinfo_l(item, loc), loc);
}

// The locale's full and abbreviated month names in the form that stands
// alone (nominative), where the C library keeps one apart from the form
// used inside dates.
nl_item mMonthItem(int index) {
#ifdef ALTMON_1
  return static_cast<nl_item>(ALTMON_1 + index);
#else
  return static_cast<nl_item>(MON_1 + index);
#endif
}

nl_item mAbbrevMonthItem(int index) {
#ifdef ALTMON_1
  return static_cast<nl_item>(_NL_ABALTMON_1 + index);
#else
  return static_cast<nl_item>(ABMON_1 + index);
#endif
}

std::optional<std::wstring> mFirstDayOfLocale(locale_t loc) {
#ifdef __GLIBC__
  // _NL_TIME_WEEK_1STDAY is a yyyymmdd date that the C library keeps as a
  // 32-bit word sharing storage with the result pointer (a union): its
  // first four bytes hold the word, the rest are not defined.
  const char* pszWeek = nl_langinfo_l(_NL_TIME_WEEK_1STDAY, loc);
  std::uint32_t uWord = 0;
  static_assert(sizeof(pszWeek) >= sizeof(uWord), "pointer narrower than 32 bits");
  std::memcpy(&uWord, &pszWeek, sizeof(uWord));
  const auto lStart = static_cast<long>(uWord);
  const char* pszFirst = nl_langinfo_l(_NL_TIME_FIRST_WEEKDAY, loc);
  if (pszFirst == nullptr) return std::nullopt;
  return cvn::detail::mFirstDayOfWeek(lStart, static_cast<unsigned char>(pszFirst[0]));
#else
  (void)loc;
  return std::nullopt;
#endif
}

}  // namespace

bool mRegionalSettingsFromLocale(const char* localeName, CmRegionalSettings* out) {
  // An empty name would select the environment's locale; only named
  // locales are read here.
  if (localeName == nullptr || *localeName == '\0' || out == nullptr) return false;
  const locale_t loc =
      newlocale(LC_CTYPE_MASK | LC_TIME_MASK, localeName, static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return false;

  CmRegionalSettings xSettings;
  xSettings.sFirstDayOfWeek = mFirstDayOfLocale(loc);
  if (const auto sDate = mItem(D_FMT, loc); sDate && !sDate->empty()) {
    xSettings.sShortDate = cvn::detail::mStrftimeToPattern(*sDate);
    xSettings.sDateSep = cvn::detail::mDateSeparatorOfPattern(*xSettings.sShortDate);
  }
  auto sTime = mItem(T_FMT, loc);
  if (!sTime || sTime->empty()) sTime = mItem(T_FMT_AMPM, loc);
  if (sTime && !sTime->empty()) xSettings.sTimeFormat = cvn::detail::mStrftimeToPattern(*sTime);
  xSettings.sAM = mItem(AM_STR, loc);
  xSettings.sPM = mItem(PM_STR, loc);
  for (int i = 0; i < 12; ++i) {
    xSettings.sMonthNames[i] = mItem(mMonthItem(i), loc);
    xSettings.sMonthAbbrevs[i] = mItem(mAbbrevMonthItem(i), loc);
  }
  // The C library counts the days from Sunday; the settings from Monday.
  for (int i = 0; i < 7; ++i) {
    const int iLibraryDay = (i + 1) % 7;  // Monday is DAY_2
    xSettings.sDayNames[i] = mItem(static_cast<nl_item>(DAY_1 + iLibraryDay), loc);
    xSettings.sDayAbbrevs[i] = mItem(static_cast<nl_item>(ABDAY_1 + iLibraryDay), loc);
  }
  freelocale(loc);
  *out = std::move(xSettings);
  return true;
}
