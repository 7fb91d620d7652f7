// Format-string parser and format generator: tables of accepted formats
// with every output and their canonical texts, refused formats, the length
// limit, what a refusal leaves in the outputs, the decimal comma, the week
// label, designators of any script; tokens and separators the parser never
// produces, the designator styles, the widest month name, the date/time
// split and the recognition of older formats. (The fuzz target
// fuzz_format_strings drives the parser with hostile texts.)

#include "support/access.h"

namespace {

using A = CmTimeClsTestAccess::Format;
using namespace cvn::test;  // NOLINT(google-build-using-namespace)

using FormatParser = FormatTest;
using FormatGenerator = FormatTest;

// Outcomes as A::mParse writes them ("parts|date separator|class and
// style"), and the canonical text (null: the format itself).
const wchar_t* const kAccepted[][3] = {
    {L"m/d/yy", L"41 91 12|/|D", nullptr},
    {L"m/d-yy", L"41 91 12|/|D", L"m/d/yy"},  // the first date separator wins
    {L"mmmm d, yyyy", L"64 91 14|, |D", nullptr},
    {L"mmmm d,yyyy", L"64 91 14|, |D", L"mmmm d, yyyy"},
    {L"d mmmm yyyy", L"91 64 14| |D", nullptr},
    {L"yyyymmdd", L"14 42 92||D", nullptr},  // no separators: widths 2, a year 2 or 4
    {L"yyyyQq", L"14 21|Q|D", nullptr},
    {L"qQ yyyy", L"31 14|Q|D", L"qQyyyy"},
    {L"wwWk yyyy", L"82 14|Wk|D", L"wwWkyyyy"},
    {L"yyyyWkww", L"14 72|Wk|D", nullptr},
    {L"h:mm:ss AM/PM", L"a1 b2 c2||T0", nullptr},
    {L"h:mm:ss am/pm", L"a1 b2 c2||T1", nullptr},
    {L"h:mm:ssAM/PM", L"a1 b2 c2||T2", nullptr},
    {L"h:mm:ssam/pm", L"a1 b2 c2||T3", nullptr},
    {L"h:mm A/P", L"a1 b2||T4", nullptr},
    {L"h:mm a/p", L"a1 b2||T5", nullptr},
    {L"h:mmA/P", L"a1 b2||T6", nullptr},
    {L"h:mma/p", L"a1 b2||T7", nullptr},
    {L"h:mm VORM./NACHM.", L"a1 b2||T8", nullptr},
    {L"h:mm vorm./nachm.", L"a1 b2||T9", nullptr},
    {L"h:mmVORM./NACHM.", L"a1 b2||T10", nullptr},
    {L"h:mmvorm./nachm.", L"a1 b2||T11", nullptr},
    {L"HH:MM:SS.sss", L"a2 b2 c2 f3||T", L"hh:mm:ss.sss"},
    {L"sss", L"c2||T", L"ss"},  // regression: stored as 3, its packed words restored another format
    {L"[h]:mm:ss", L"a1 b2 c2||T|[", nullptr},
    {L"[ss]", L"c1||T|[", L"[s]"},
    {L"mmm d h", L"53 91 a1| |X", nullptr},  // date portion "mmm d": 5 > 3 + 1
    {L"yyyy h", L"14 a1| |X", nullptr},      // one date part: the date portion is not checked
    {L"d-mmm-yy h:mm:ss", L"91 53 12 a1 b2 c2|-|X", nullptr},
    {L"m/d/yyyy h:mm:ss.sss AM/PM", L"41 91 14 a1 b2 c2 f3|/|X0", nullptr},  // seven parts
};

// clang-format off
const wchar_t* const kRefused[] = {
    // Nothing; brackets; "mm" after ":" and no gaps in the clock, in order;
    // decimals (the symbol is "."); quarters; weeks.
    L"", L" ", L"h:[mm]", L"[mm]:ss", L"[d]", L"[h]:mm am/pm", L"h:m", L"hh.mm", L"h:ss", L"h:mm.s",
    L"mm:ss:hh", L"ss.s:mm", L"ss.ssss", L"h:mm:ss,sss", L"Qq yyyy", L"yyyy qQ", L"mm Qq", L"Qqq",
    L"Qq h", L"Wk", L"ww", L"wWk hh", L"wWk d", L"yyyy wWk",
    // No separators: widths 2; date portions 8 and 7 wide; a month name and
    // an hour alone; a part twice; widths; separators.
    L"yymmmdd", L"yyyymdd", L"dmyy", L"yyyymmdd hh:mm", L"yyyymmddhh:mm", L"mmmyyyy h", L"mmm h",
    L"mmmm h", L"yy/yy", L"m/mm", L"yyy", L"mmmmm", L"ddd", L"m//d", L"/m/d", L"m/d:yy",
    // Lone designator letters (decision: "AM" alone is no token), also with
    // four letters or more after them, in the one-letter pair too; no hour;
    // not the whole locale pair last; other characters; an eighth part; odd
    // code units, a byte-order mark, a zero-width space, a fullwidth "m".
    L"h:mm AM", L"h:mm a", L"h:mm AXYZW", L"h:mm A/PXYZW", L"m/d/yyyy am/pm", L"h:mm VORM./NACHM. x", L"h:mm VORM.",
    L"h:mm NACHM./VORM.", L"x", L"m/d/yy 1", L"m/d/yyyy h:mm:ss.sss Qq", L"\x80", L"\xFF",
    L"\xD800", L"\xDFFF", L"\xFFFF", L"\xFEFFm/d/yy", L"m/d/yy\x200B", L"\xFF4D/d/yy"};
// clang-format on

// Under the locale pair "VORM."/"NACHM.".
TEST_F(FormatParser, AcceptedAndRefusedTables) {
  A::mDesignators(m_t, L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  // Parse, generate, parse again: the same outcome, and the canonical text
  // is written back unchanged.
  for (const auto& row : kAccepted) {
    std::wstring s, sAgain;
    EXPECT_EQ(A::mParse(m_t, row[0], false, &s), row[1]) << row[0];
    EXPECT_EQ(s, row[2] != nullptr ? row[2] : row[0]);
    EXPECT_EQ(A::mParse(m_t, s.c_str(), false, &sAgain), row[1]) << s;
    EXPECT_EQ(sAgain, s);
  }
  for (const wchar_t* psz : kRefused) EXPECT_EQ(A::mParse(m_t, psz)[0], L'!') << psz;
  // Without case, upper and lower designators are equal and the token reads
  // as the lower-case style (both write the same text).
  A::mDesignators(m_t, L"\u4E0A\u5348", L"\u4E0B\u5348", L"\u4E0A\u5348", L"\u4E0B\u5348");
  EXPECT_EQ(A::mParse(m_t, L"h:mm \u4E0A\u5348/\u4E0B\u5348"), L"a1 b2||T9");
}

// The length limit of 80 counts the normalised text, and what a refusal
// leaves in the outputs.
TEST_F(FormatParser, LengthLimitAndWhatARefusalLeaves) {
  const std::wstring s79 = L"m/d/yy" + std::wstring(73, L'@');       // "@" pads a legal format
  const std::wstring s78 = L"mmmm d,yyyy" + std::wstring(67, L'@');  // 79 with ", "
  const std::wstring sBlanks = L"m/d/yy" + std::wstring(500, L' ') + L"h:mm";  // collapsed
  for (const std::wstring& s : {s79, s78, sBlanks}) EXPECT_NE(A::mParse(m_t, s.c_str())[0], L'!');
  for (const std::wstring& s : {s79 + L"@", s78 + L"@", std::wstring(100000, L'y')}) {
    EXPECT_EQ(A::mParse(m_t, s.c_str())[0], L'!');
  }
  // Refused before the scan: outputs emptied, the format class as it was.
  const std::wstring s80(80, L'h');
  for (const wchar_t* psz : {s80.c_str(), L"  ", static_cast<const wchar_t*>(nullptr)}) {
    ASSERT_TRUE(m_t.mSetFormat(L"m/d/yy h:mm"));
    EXPECT_EQ(A::mParse(m_t, psz), L"!||X|");
  }
  // Refused by the scan: what it stored and wrote (a week its label, a
  // closing bracket the elapsed flag), seven parts at most; the elapsed flag
  // as it stood before the parse refuses a designator.
  EXPECT_EQ(A::mParse(m_t, L"h:m"), L"!a1 b1||T");
  EXPECT_EQ(A::mParse(m_t, L"[d]"), L"!91||D|[");
  EXPECT_EQ(A::mParse(m_t, L"m/d/yyyy h:mm:ss.sss wWk"), L"!41 91 14 a1 b2 c2 f3|Wk|X");
  const std::wstring s = A::mParse(m_t, L"h:mm am/pm", true);
  EXPECT_TRUE(s[0] == L'!' && s.back() == L'[') << s;
}

TEST_F(FormatParser, DecimalComma) {
  mSetInputDecimal(L','), mSetOutputDecimal(L',');
  std::wstring s;
  EXPECT_EQ(A::mParse(m_t, L"h:mm:ss,sss", false, &s), L"a1 b2 c2 f3||T");
  EXPECT_EQ(s, L"h:mm:ss,sss");
  EXPECT_EQ(A::mParse(m_t, L"mmmm d,yyyy"), L"64 91 14|, |D");  // still the date comma
  EXPECT_EQ(A::mParse(m_t, L"hh:mm:ss.sss")[0], L'!');          // the point is a plain separator
  EXPECT_EQ(A::mParse(m_t, L",ss"), L"c2||T");  // the decimal symbol may lead the format
}

TEST_F(FormatGenerator, TokensAndSeparators) {
  // Parts, date separator, style ("": 24-hour, "[": 24-hour with the
  // elapsed flag set), the text written. The week label in any case; after
  // ", " a blank until a "d" is written; a lone ","; counts other than 2 and
  // 4; every fraction kind; no time part; a style above 11; no part;
  // brackets only on a first part and a count from 1.
  // clang-format off
  const wchar_t* const kRows[][4] = {
      {L"81 12", L"wk", L"", L"wWkyy"}, {L"14 72", L"WK", L"", L"yyyyWkww"},
      {L"53 12", L", ", L"", L"mmm yy"}, {L"64 91", L",", L"", L"mmmm,d"},
      {L"13 43 92", L"", L"", L"yymdd"},
      {L"15", L"", L"", L"yyyy"}, {L"c2 d2 e1 f3", L"", L"", L"ss.ss.s.sss"}, {L"", L"/", L"", L""},
      {L"41", L"", L"0", L"m"}, {L"a1", L"", L"12", L"h"}, {L"a2 b2 c2", L"", L"[", L"[hh]:mm:ss"},
      {L"c2", L"", L"[", L"[s]"}, {L"91 a1", L"", L"[", L"d h"}, {L"c0", L"", L"[", L"ss"}};
  // clang-format on
  AssertCapture xCapture;
  for (const auto& row : kRows) {
    const int iStyle = row[2][0] == L'[' || row[2][0] == 0 ? -1 : std::stoi(row[2]);
    EXPECT_EQ(A::mGenerate(m_t, row[0], row[1], iStyle, row[2][0] == L'['), row[3]);
  }
  // A kind outside 1..15 is reported (the only report) and writes nothing;
  // the blank before it stays.
  EXPECT_EQ(A::mGenerate(m_t, L"14 01", L"/", -1, false), L"yyyy ");
  EXPECT_EQ(AssertCapture::mJoined(), "false time 89");
}

TEST_F(FormatGenerator, DesignatorStyles) {
  // Per style -1 to 12 under the locale pair "VORM."/"NACHM." (the styles
  // 8 to 11), the designators of hours 0, 11, 12 and 23; nothing outside 0..11.
  // clang-format off
  const wchar_t* const kRows[] = {
      L" AM| AM| PM| PM", L" am| am| pm| pm", L"AM|AM|PM|PM", L"am|am|pm|pm", L" A| A| P| P",
      L" a| a| p| p", L"A|A|P|P", L"a|a|p|p", L" VORM.| VORM.| NACHM.| NACHM.",
      L" vorm.| vorm.| nachm.| nachm.", L"VORM.|VORM.|NACHM.|NACHM.", L"vorm.|vorm.|nachm.|nachm."};
  // clang-format on
  A::mDesignators(m_t, L"VORM.", L"NACHM.", L"vorm.", L"nachm.");
  for (int iStyle = -1; iStyle <= 12; ++iStyle) {
    std::wstring s;
    for (int iHour : {0, 11, 12, 23}) s += (iHour ? L"|" : L"") + A::mMakeAMPM(m_t, iStyle, iHour);
    EXPECT_EQ(s, iStyle >= 0 && iStyle < 12 ? kRows[iStyle] : L"|||") << iStyle;
  }
}

TEST_F(FormatGenerator, WidestMonthName) {
  EXPECT_EQ(A::mWidest(m_t, xMonthAbbrev), 3);
  std::wcsncpy(CmTimeCls::gszMonthNameUpper[11], L"DECEMBERMONTH", 32);
  EXPECT_EQ(A::mWidest(m_t, xMonthName), 13);  // the widest, not the last or "SEPTEMBER"
  mInitTimeClassMonthNames();                  // the built-in names again
  AssertCapture xCapture;
  EXPECT_EQ(A::mWidest(m_t, xDay), 0);
  EXPECT_EQ(AssertCapture::mJoined(), "false time 202");
}

TEST_F(FormatGenerator, DateAndTimeHalves) {
  // At the blank before the first ":", else "h", else "s" (lower case only).
  // clang-format off
  const wchar_t* const kRows[][2] = {
      {L"m/d/yy h:mm:ss", L"m/d/yy|h:mm:ss"}, {L"[h]:mm:ss", L"|[h]:mm:ss"}, {L" :", L"|:"},
      {L"mmmm d, yyyy", L"mmmm d, yyyy|"}, {L"mmmm d, yyyy h:mm", L"mmmm d, yyyy|h:mm"},
      {L"mmm d h", L"mmm d|h"}, {L"yyyy s", L"yyyy|s"}, {L"HH MM", L"HH MM|"}, {L"", L"|"}};
  // clang-format on
  for (const auto& row : kRows) {
    CmString sFormat(row[0]), sDate(L"stale"), sTime(L"stale");
    m_t.mGetDateTimeFmtParts(sFormat, sDate, sTime);
    EXPECT_EQ(sDate.str() + L"|" + sTime.str() + L"|" + sFormat.str(),
              row[1] + (L"|" + std::wstring(row[0])));
  }
}

TEST_F(FormatGenerator, OlderFormatRecognition) {
  // The first seven default formats of a "M/d/yyyy" locale, six of them
  // older; "mm/yyyy" is found inside "mm/yyyy h:mm:ss"; the defaults keep
  // their "-"; "mm" stays when "mmm" is present; the count is clipped.
  const Strings kDefaults = {L"m/d h:mm:ss",     L"mm/yyyy h:mm:ss",   L"m/d/yyyy h:mm:ss",
                             L"m/d/yy  h:mm:ss", L"d-mmm-yy  h:mm:ss", L"mmm-yy  h:mm:ss",
                             L"mmm d h:mm:ss"};
  // clang-format off
  const struct { const wchar_t *pszFormat, *pszRewritten; int iPre15; bool bFound; } kRows[] = {
      {L"mm-dd-yyyy", L"m/d/yy", 6, true}, {L"mm.dd.yyyy", L"m/d/yy", 6, true},
      {L"mm/yyyy", L"m/yy", 6, true}, {L"mmm-yy", L"mmm/yy", 6, false},
      {L"d mmmm yyyy", L"d mmm yy", 6, false}, {L"mmmm mm", L"mmm mm", 6, false},
      {L"mmm d", L"mmm d", 7, true}, {L"mmm d", L"mmm d", 6, false}, {L"m/d", L"m/d", 0, false},
      {L"mmmm d", L"mmm d", 1000, true}};
  // clang-format on
  for (const auto& row : kRows) {
    A::mSetDefFmts(m_t, kDefaults, row.iPre15);
    CmString s(row.pszFormat);
    EXPECT_EQ(m_t.mIsPre15Format(s), row.bFound) << row.pszFormat << " " << row.iPre15;
    EXPECT_EQ(s.str(), row.pszRewritten);
  }
}

}  // namespace
