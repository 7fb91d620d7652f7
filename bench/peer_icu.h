// ICU's SimpleDateFormat as a peer: parsing and formatting with a pattern
// equivalent to the library's format, in GMT so that no time-zone rule
// takes part, under the United States locale.
#pragma once

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cmath>
#include <memory>
#include <string>

#include "bench/bench_common.h"

namespace cvn::bench {

inline std::unique_ptr<icu::SimpleDateFormat> mIcuFormat(const char* pattern) {
  UErrorCode status = U_ZERO_ERROR;
  auto pFormat = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(pattern),
                                                         icu::Locale::getUS(), status);
  if (U_FAILURE(status)) mFail("ICU pattern refused", pattern);
  pFormat->setTimeZone(*icu::TimeZone::getGMT());
  // Strict, as the library and strptime are: no month 20 rolled into a year.
  pFormat->setLenient(false);
  return pFormat;
}

// ICU's milliseconds since 1970 as a Corvane time, and back.
constexpr double kMsPerDay = 86400000.0;
inline double mCorvaneFromUDate(UDate d) { return d / kMsPerDay + 25569.0; }
// Rounded to the millisecond, as the library rounds before it splits.
inline UDate mUDateFromCorvane(double t) { return std::round((t - 25569.0) * kMsPerDay); }

inline std::wstring mWide(const icu::UnicodeString& s) {
  std::wstring out;
  for (int32_t i = 0; i < s.length(); ++i) out += static_cast<wchar_t>(s.charAt(i));
  return out;
}

inline icu::UnicodeString mIcuText(const std::wstring& s) {
  icu::UnicodeString out;
  for (wchar_t c : s) out.append(static_cast<char16_t>(c));
  return out;
}

}  // namespace cvn::bench
