// Pure helpers of the C-library locale conversion, reachable by tests.
#pragma once

#include <optional>
#include <string>

namespace cvn::detail {

// An strftime format rewritten into regional pattern letters: %d -> dd,
// %e -> d, %m -> MM, %b/%h -> MMM, %B -> MMMM, %y -> yy, %Y -> yyyy,
// %H -> HH, %k -> H, %I -> hh, %l -> h, %M -> mm, %S -> ss, %p/%P -> tt,
// %a -> ddd, %A -> dddd, and the composites %D, %F, %T, %R, %r. The flag
// '-' (no padding) or '_' (blank padding) gives the one-letter form
// ("%-d" -> d), '0' the two-letter form; the modifiers E and O are ignored.
// Conversions with no pattern letter (%Z, %j, %C, ...) are dropped; %n and
// %t become a blank, %% a per cent sign. ASCII letters of the literal text
// are quoted ("%d de %B" -> "dd 'de' MMMM"), an apostrophe is doubled.
std::wstring mStrftimeToPattern(const std::wstring& format);

// The date separator of a short-date pattern: the literal text between its
// first and its second field ("dd.MM.yyyy" -> "."); nothing when the
// pattern has fewer than two fields or nothing between them.
std::optional<std::wstring> mDateSeparatorOfPattern(const std::wstring& pattern);

// The first day of the week, "0" Monday .. "6" Sunday, from the C library's
// week description: the date (yyyymmdd) that starts its week-day numbering
// and the 1-based number of the first weekday in that numbering. Nothing
// when the values are out of range.
std::optional<std::wstring> mFirstDayOfWeek(long weekStartDate, int firstWeekday);

// True for the locale names that stand for the C locale: "C", "POSIX" and
// "C.<codeset>".
bool mIsCLocaleName(const char* localeName);

}  // namespace cvn::detail
