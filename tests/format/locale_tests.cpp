// Locale initialisation: the default formats for several regional settings
// and the lists they seed, the designators and the rewritten time format,
// values too long for their buffers, the current format after
// initialisation, and running it again.

#include "support/access.h"

namespace {

using A = CmTimeClsTestAccess::Format;
using namespace cvn::test;  // NOLINT(google-build-using-namespace)
using LocaleInit = FormatTest;

TEST_F(LocaleInit, DefaultFormatsForRegionalSettings) {
  // The formats after a locale's own three; case A, B or C leaves out one
  // of the first three.
  const Strings kBuiltIn = {L"m/d/yy  h:mm:ss",     L"d-mmm-yy  h:mm:ss", L"mmm-yy  h:mm:ss",
                            L"mmm d h:mm:ss",       L"mmm yyyy h:mm:ss",  L"mmmm d, yyyy h:mm:ss",
                            L"d mmmm yyyy h:mm:ss", L"d mmm h:mm:ss",     L"[h]:mm:ss",
                            L"h:mm:ss am/pm"};
  // Short date, separator and time format as read; the current format, the
  // month-day and month-year formats; the one left out.
  // clang-format off
  const wchar_t* const kRows[][7] = {
      {L"M/d/yyyy", L"/", L"h:mm:ss tt", L"m/d/yyyy h:mm:ss AM/PM", L"m/d", L"mm/yyyy", L""},
      {L"dd.MM.yy", L".", L"HH:mm:ss", L"dd.mm.yy hh:mm:ss", L"dd.mm", L"mm/yyyy", L"0"},   // B
      {L"dd-MMM-yy", L"-", L"H:mm:ss", L"dd-mmm-yy h:mm:ss", L"dd-mmm", L"mm/yyyy", L"1"},  // A
      {L"MMM-yy", L"-", L"H:mm:ss", L"mmm-yy h:mm:ss", L"mmm", L"mm/yyyy", L"2"},           // C
      {L"yyyy-MM-dd", L"-", L"HH:mm:ss", L"yyyy-mm-dd hh:mm:ss", L"mm-dd", L"yyyy/mm", L""},
      {L"d. M. yyyy.", L".", L"H:mm:ss", L"d.m.yyyy h:mm:ss", L"d.m", L"mm/yyyy", L""},  // cleaned
  };
  // clang-format on
  for (const auto& row : kRows) {
    RegionalSettingsGuard xGuard(mSettings(row[0], row[1], row[2], L"AM", L"PM"));
    CmTimeCls::m_vsLegalFmts.clear();
    CmTimeCls t;
    Strings vWant = {row[4] + std::wstring(L" h:mm:ss"), row[5] + std::wstring(L" h:mm:ss"),
                     std::wstring(row[3], std::wcscspn(row[3], L" ")) + L" h:mm:ss"};
    for (size_t i = 0; i < kBuiltIn.size(); ++i) {
      if (std::to_wstring(i) != row[6]) vWant.push_back(kBuiltIn[i]);
    }
    vWant.push_back(row[6][0] == 0 ? L"6" : L"5");  // the older formats among them
    EXPECT_EQ(A::mDefFmts(t), vWant) << row[0];
    // Decision: the current format after initialisation is the regional
    // default that was parsed, not the unparsed text of the first default
    // format, so text and parsed form agree.
    CmTimeCls u;
    ASSERT_TRUE(u.mSetFormat(row[3]));
    EXPECT_EQ(A::mState(t), A::mState(u));
    // Both lists hold the canonical text of each default format, in order.
    Strings vCanonical(vWant.begin(), vWant.end() - 1);
    for (std::wstring& sFormat : vCanonical) A::mParse(u, sFormat.c_str(), false, &sFormat);
    EXPECT_EQ(mTexts(CmTimeCls::m_vsLegalFmts), vCanonical);
    EXPECT_EQ(mTexts(CmTimeCls::m_vsTmpLegalFmts), vCanonical);
  }
  CmTimeCls::gbAbbrevMonthNames = false;  // full month names instead of "mmm"
  const Strings v = A::mDefFmts(CmTimeCls());
  EXPECT_EQ(v[4] + L"|" + v[6] + L"|" + v[10], L"d-mmmm-yy  h:mm:ss|mmmm d h:mm:ss|d mmmm h:mm:ss");
  CmTimeCls::gbAbbrevMonthNames = true;
}

TEST_F(LocaleInit, DesignatorsAndTimeFormat) {
  // Time format, AM and PM designators as read (null: not readable); the
  // time format, the locale AM and its lower case as stored. The case of the
  // AM designator as read decides (lower case, or a blank read first); one
  // "t" is no token; 9 characters do not fit the designator buffer, 8 do.
  // clang-format off
  const wchar_t* const kRows[][4] = {
      {L"h:mm:ss tt", L"AM", L"PM", L"h:mm:ss AM/PM|AM|am"}, {L"t", L"AM", L"PM", L"t|AM|am"},
      {L"h:mm:ss tt", L"am", L"pm", L"h:mm:ss am/pm|AM|am"}, {L"H:mm", L"AM", L"PM", L"h:mm|AM|am"},
      {L"h:mm tt", L" AM ", L" PM ", L"h:mm am/pm|AM|am"},
      {L"h:mm t", L"AM", L"PM", L"h:mm A/P|AM|am"}, {L"h:mm tt", nullptr, L"PM", L"h:mm AM/PM||"},
      {L"h:mm:ss tt", L"vorm.", L"nachm.", L"h:mm:ss vorm./nachm.|VORM.|vorm."},
      {L"h:mm t", L"vorm.", L"nachm.", L"h:mm v/n|VORM.|vorm."},
      {L"h:mm tt", L"ABCDEFGHI", L"PM", L"h:mm AM/PM||"},
      {L"h:mm tt", L"ABCDEFGH", L"P", L"h:mm ABCDEFGH/P|ABCDEFGH|abcdefgh"}};
  // clang-format on
  for (const auto& row : kRows) {
    CmRegionalSettings x = mSettings(L"M/d/yyyy", L"/", row[0], L"", row[2]);
    x.sAM = row[1] ? std::optional<std::wstring>(row[1]) : std::nullopt;
    RegionalSettingsGuard xGuard(x);
    EXPECT_EQ(A::mRegional(CmTimeCls()), L"m/d/yyyy|" + std::wstring(row[3]) + L"|AM") << row[0];
  }
}

TEST_F(LocaleInit, ValuesTooLongForTheirBuffersAreNotRead) {
  // Short date, time format, date separator as read; short date and time
  // format as stored, and the first default format. 19 characters fit the
  // short-date and time-format buffers of 20, 20 do not; three characters
  // fit the date-separator buffer of 4, four do not.
  // clang-format off
  const wchar_t* const kRows[][5] = {
      {L"dddd, MMMM dd, yyyy", L"H:mm", L"/", L"dddd,mmmmdd,yyyy|h:mm", L"dddd,mmmmdd, h:mm:ss"},
      {L"dddd, MMMM dd, yyyy.", L"H:mm", L"/", L"|h:mm", L"yyyy/mm h:mm:ss"},
      {L"M/d/yyyy", L"h:mm:ss          tt", L"/", L"m/d/yyyy|h:mm:ss          AM/PM",
       L"m/d h:mm:ss"},
      {L"M/d/yyyy", L"h:mm:ss           tt", L"/", L"m/d/yyyy|", L"m/d h:mm:ss"},
      {L"d/M/yyyy", L"H:mm", L"/ab", L"d/m/yyyy|h:mm", L"d/m h:mm:ss"},
      {L"d/M/yyyy", L"H:mm", L"/abc", L"d/m/yyyy|h:mm", L"d/m/ h:mm:ss"}};
  // clang-format on
  for (const auto& row : kRows) {
    RegionalSettingsGuard xGuard(mSettings(row[0], row[2], row[1], L"AM", L"PM"));
    CmTimeCls t;
    const std::wstring s = A::mRegional(t);
    EXPECT_EQ(s.substr(0, s.find(L'|', s.find(L'|') + 1)), row[3]) << row[0];
    EXPECT_EQ(A::mDefFmts(t).front(), row[4]);
  }
  // The first day of the week: 0 to 6, else 6; 30 characters fit its buffer of 31.
  // clang-format off
  const std::pair<const wchar_t*, int> kDays[] = {{L"0", 0}, {L" 2 ", 2}, {L"7", 6}, {L"x", 6},
      {nullptr, 6}, {L"                             5", 5},
      {L"                              5", 6}};
  // clang-format on
  for (const auto& day : kDays) {
    CmRegionalSettings x = mBuiltInRegionalSettings();
    x.sFirstDayOfWeek = day.first ? std::optional<std::wstring>(day.first) : std::nullopt;
    RegionalSettingsGuard xGuard(x);
    EXPECT_EQ(CmTimeCls().mGetStartDayOfWeek(), day.second) << (day.first ? day.first : L"-");
  }
}

TEST_F(LocaleInit, RefusedRegionalFormat) {
  // Decision: "h:mm v/n" is no format, so nothing regional can be made
  // current; an object with no format takes the first legal default one.
  RegionalSettingsGuard xGuard(mSettings(L"dd.MM.yyyy", L".", L"h:mm t", L"vorm.", L"nachm."));
  CmTimeCls t, u;
  ASSERT_TRUE(u.mSetFormat(L"dd.mm h:mm:ss"));
  EXPECT_EQ(A::mState(t), A::mState(u));
  ASSERT_TRUE(t.mSetFormat(L"yyyy-mm-dd"));  // an object that has a format keeps it
  const std::wstring sBefore = A::mState(t);
  t.mInitialize();
  EXPECT_EQ(A::mState(t), sBefore);
}

TEST_F(LocaleInit, RunningAgainAddsOnlyNewFormats) {
  const Strings vFirst = mTexts(CmTimeCls::m_vsLegalFmts);
  // New settings: the object follows them, the list gains only what is new.
  RegionalSettingsGuard xGerman(mSettings(L"dd.MM.yy", L".", L"h:mm:ss tt", L"vorm.", L"nachm."));
  m_t.mInitialize();
  EXPECT_EQ(A::mState(m_t), L"dd.mm.yy h:mm:ss vorm./nachm.|92 42 12 a1 b2 c2|092|.|:|00");
  Strings vWant = vFirst;
  vWant.insert(vWant.end(), {L"dd.mm h:mm:ss", L"dd.mm.yy h:mm:ss"});
  m_t.mInitialize();
  EXPECT_EQ(mTexts(CmTimeCls::m_vsLegalFmts), vWant);
  EXPECT_EQ(mTexts(CmTimeCls::m_vsTmpLegalFmts), vWant);
}

}  // namespace
