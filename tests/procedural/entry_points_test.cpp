// The flat entry points against the class members they forward to, on the
// global object: one table of calls made both ways from the same state,
// the values of the MWHEN family, and null pointers in every position.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnEntryPoints.h"
#include "procedural/entry_points_detail.h"
#include "support/guards.h"

namespace {

constexpr double kMissing = CmCVNConst::kMissingValueCode;
constexpr double kMs = 1.0 / 86400000.0;
constexpr double k0315 = 43905.0;  // 15 March 2020
using WhenFn = void (*)(int*, CmString**, int, double*, double*, int*);
const WhenFn kWhenFns[] = {MWHEN, MMDATE, MTIME};

// What a call leaves: its results written as text, and the global format.
template <class... T>
std::wstring mShow(const T&... values) {
  std::wstringstream s;
  s.precision(17);
  ((s << values << L' '), ...);
  return s.str() + L" | " + gcmTime.mGetDateTimeFmt().str();
}

// A read and a write through the entry point and through the member: the
// caller's text is not changed, the output length is the text's.
std::wstring mEntryRead(const wchar_t* text) {
  CmString sText(text), *pText = &sText;
  double d = 123.0;
  const int i = DTTOMT(&pText, 77, &d);
  return mShow(i, d, sText.str());
}
std::wstring mMemberRead(const wchar_t* text) {
  double d = 456.0;
  const int i = gcmTime.mStrToCorvaneTime(text, &d) ? 1 : 0;
  return mShow(i, d, std::wstring(text));
}
std::wstring mEntryWrite(double value, int flag) {
  CmString sOut(L"old text"), *pOut = &sOut;
  int iLength = -5;
  MTTODT(&value, &flag, &pOut, &iLength);
  return mShow(sOut.str(), iLength);
}
std::wstring mMemberWrite(double value, int flag) {
  CmString sOut;
  gcmTime.mCorvaneTimeToStr(value, flag == 1, sOut, 0);  // only flag 1 asks for the day number
  return mShow(sOut.str(), sOut.length());
}

// MWHEN, MMDATE or MTIME in a mode, with a text (null: none) and a value:
// the result and the flag.
std::pair<double, int> mWhen(WhenFn fn, int mode, const wchar_t* text, double value) {
  CmString sText(text ? text : L"");
  CmString* pText = text ? &sText : nullptr;
  std::pair<double, int> r{-7.0, -7};
  fn(&mode, &pText, 0, &value, &r.first, &r.second);
  return r;
}

// Keeps the global object's format as each test found it; the clock fixed
// at noon of 15 March 2020.
class EntryPoints : public ::testing::Test {
 protected:
  void TearDown() override { gcmTime.mSetFormat(m_sSaved.c_str()); }
  static std::wstring mFormat() { return gcmTime.mGetDateTimeFmt().str(); }
  const CmString m_sSaved = gcmTime.mGetDateTimeFmt();
  const cvn::test::FixedClockGuard m_xClock{{120, 74, 12, 0, 0, 0}};
};

// Each entry point and the member it forwards to, from the same format; then
// UDTFMT restores what PDTFMT packed.
TEST_F(EntryPoints, ForwardToTheirMembers) {
  using F = std::function<std::wstring()>;
  // clang-format off
  const std::tuple<const char*, F, F> kRows[] = {
      {"DEFFMT", [] { DEFFMT(); return mShow(); }, [] { gcmTime.mSetDefFormat(); return mShow(); }},
      {"DEFDAT", [] { DEFDAT(); return mShow(); },
       [] { gcmTime.mSetDateFormat(); return mShow(); }},
      {"DEFTIM", [] { DEFTIM(); return mShow(); },
       [] { gcmTime.mSetTimeFormat(); return mShow(); }},
      {"INIT_TIMECLS", [] { INIT_TIMECLS(); return mShow(); },
       [] { gcmTime.mInitialize(); return mShow(); }},
      {"MNOW", [] { double d = 0; MNOW(&d); return mShow(d); }, [] { return mShow(k0315 + 0.5); }},
      {"MTODAY", [] { double d = 0; MTODAY(&d); return mShow(d); }, [] { return mShow(k0315); }},
      {"MCTIME", [] { double d = 0; MCTIME(&d); return mShow(d); },
       [] { return mShow(gcmTime.mTime()); }},
      // Only three words are written.
      {"PDTFMT", [] { unsigned a[4] = {1, 2, 3, 9}; PDTFMT(a);
                      return mShow(a[0], a[1], a[2], a[3]); },
       [] { std::vector<unsigned> v(3); gcmTime.mPackFormat(v);
            return mShow(v[0], v[1], v[2], 9); }},
      {"DTTOMT clock", [] { return mEntryRead(L"3/15/2020 6:00 PM"); },
       [] { return mMemberRead(L"3/15/2020 6:00 PM"); }},
      {"DTTOMT junk", [] { return mEntryRead(L"13/45/2020"); },
       [] { return mMemberRead(L"13/45/2020"); }},
      {"MTTODT 0", [] { return mEntryWrite(36526.5, 0); }, [] { return mMemberWrite(36526.5, 0); }},
      {"MTTODT 1", [] { return mEntryWrite(-0.25, 1); }, [] { return mMemberWrite(-0.25, 1); }},
      {"MTTODT 2", [] { return mEntryWrite(2e6, 2); }, [] { return mMemberWrite(2e6, 2); }},
      // 31 January 2000 + 1 month: 29 February; 25 hours from midnight to
      // midnight, both ends counted.
      {"NTTODT", [] { double c = 1, t = 36556, r = -1; int u = xMonthNumber; NTTODT(&c, &u, &t, &r);
                      return mShow(r); }, [] { return mShow(36585.0); }},
      {"NGETOB", [] { double s = 36526, e = 36527, i = 1; int u = xHour;
                      return mShow(NGETOB(&s, &e, &i, &u)); }, [] { return mShow(25); }}};
  // clang-format on
  for (const auto& [pszName, fEntry, fMember] : kRows) {
    ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy h:mm:ss am/pm"));
    const std::wstring sEntry = fEntry();
    ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy h:mm:ss am/pm"));
    EXPECT_EQ(sEntry, fMember()) << pszName;
  }
  for (const wchar_t* pszFormat : {L"mmmm d, yyyy", L"d.m.yyyy hh:mm:ss.ss", L"[h]:mm:ss"}) {
    ASSERT_TRUE(gcmTime.mSetFormat(pszFormat));
    unsigned auWords[3] = {};
    PDTFMT(auWords);
    ASSERT_TRUE(gcmTime.mSetFormat(L"hh:mm"));
    UDTFMT(auWords);
    EXPECT_EQ(mFormat(), pszFormat);
  }
}

// No text reads as empty text, no value as 0 and no flag as none; a call
// with nowhere to write its result changes nothing.
TEST_F(EntryPoints, NullPointersReadAsNothing) {
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy"));
  double dValue = 1.0, dTime = 36526.0, dCount = 3.0, dResult = -1.0;
  EXPECT_TRUE(DTTOMT(nullptr, 0, &dValue) == 1 && dValue == kMissing &&
              DTTOMT(nullptr, 0, nullptr) == 1);
  CmString sOut, *pOut = &sOut;
  int iLength = 0, iUnit = xDay, iMode = 1;
  MTTODT(nullptr, nullptr, &pOut, &iLength);
  EXPECT_TRUE(sOut == L"12/30/1899" && iLength == 10);
  NTTODT(nullptr, &iUnit, &dTime, &dResult);
  EXPECT_EQ(dResult, 36526.0);
  EXPECT_EQ(NGETOB(nullptr, &dTime, &dCount, &iUnit), gcmTime.mNumTimesInRange(0, 36526, 3, xDay));
  MNOW(nullptr), MTODAY(nullptr), MCTIME(nullptr), PDTFMT(nullptr), UDTFMT(nullptr);
  MTTODT(nullptr, nullptr, nullptr, nullptr), NTTODT(nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(mFormat(), L"m/d/yyyy");
  for (WhenFn fn : kWhenFns) {
    fn(&iMode, nullptr, 0, nullptr, nullptr, nullptr);
    fn(nullptr, nullptr, 0, nullptr, nullptr, nullptr);
  }
}

// Mode 0 checks that the value can be written and keeps the format: value;
// then MWHEN, MMDATE and MTIME (the time of day in whole milliseconds; for
// a negative value its distance to the next whole day toward zero);
// kMissing: not showable, flag 0. Other modes give the value back.
TEST_F(EntryPoints, WhenModes) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  // clang-format off
  const double kRows[][4] = {
      {12345.75, 12345.75, 12345.0, 0.75}, {-0.25, -0.25, -1.0, 0.25},
      {36526.5 + 0.4 * kMs, 36526.5 + 0.4 * kMs, 36526.0, 0.5},        // rounds down ...
      {36526.5 + 0.6 * kMs, 36526.5 + 0.6 * kMs, 36526.0, 0.5 + kMs},  // ... and up
      {-328716.0, -328716.0, -328716.0, 0.0}, {767376.5, 767376.5, 767376.0, 0.5},
      {-328717.0, kMissing, kMissing, kMissing}, {767377.5, kMissing, kMissing, kMissing},
      {kMissing, kMissing, kMissing, kMissing}, {kNaN, kMissing, kMissing, kMissing}};
  // clang-format on
  ASSERT_TRUE(gcmTime.mSetFormat(L"m/d/yyyy h:mm:ss"));
  for (const auto& row : kRows) {
    for (int i = 0; i < 3; ++i) {
      const auto [dResult, iOk] = mWhen(kWhenFns[i], 0, nullptr, row[0]);
      EXPECT_TRUE(iOk == (row[i + 1] != kMissing) && std::abs(dResult - row[i + 1]) < 1e-12)
          << row[0] << " in form " << i;
    }
  }
  EXPECT_EQ(mFormat(), L"m/d/yyyy h:mm:ss");
  for (int iMode : {2, -1}) EXPECT_EQ(mWhen(MWHEN, iMode, nullptr, 36526.5).first, 36526.5);
  EXPECT_TRUE(std::isnan(cvn::detail::mEntryTimeOfDayPart(kNaN)));  // no trap beyond int range
  // Mode 1 reads under the default format, as the members do, and leaves
  // the format the read leaves: text; then MWHEN, MMDATE and MTIME; a failed
  // read is not cut.
  const std::pair<const wchar_t*, std::vector<std::pair<double, int>>> kReads[] = {
      {L"3/15/2020 6:00 PM", {{k0315 + 0.75, 1}, {k0315, 1}, {0.75, 1}}},
      {L"no date here", {{kMissing, 0}, {kMissing, 0}, {kMissing, 0}}},
      {nullptr, {{kMissing, 1}, {kMissing, 1}, {kMissing, 1}}}};
  for (const auto& [pszText, vExpected] : kReads) {
    // The same steps on the members: the default format, then the read.
    ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
    gcmTime.mSetDefFormat();
    double dByMember = 0;
    gcmTime.mStrToCorvaneTime(pszText, &dByMember);
    const std::wstring sDefault = mFormat();
    EXPECT_EQ(dByMember, vExpected[0].first);
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(gcmTime.mSetFormat(L"yyyyQq"));
      const auto [dResult, iOk] = mWhen(kWhenFns[i], 1, pszText, 99.0);
      EXPECT_TRUE(iOk == vExpected[i].second && std::abs(dResult - vExpected[i].first) < 1e-9 &&
                  mFormat() == sDefault)
          << i;
    }
  }
}

}  // namespace
