// Shared pieces of the fuzz targets: failing loudly on a broken invariant,
// watching assertion reports, turning fuzz bytes into hostile wide text and
// doubles, and the regional settings the targets rotate through.
//
// Each target is one translation unit that includes this header once, so
// header-only definitions are enough.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnMessaging.h"

namespace cvn::fuzz {

// A printable form of wide text for failure messages: ASCII as is, other
// code units as \x{...}.
inline std::string mShow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char buf[24];
      std::snprintf(buf, sizeof buf, "\\x{%lx}", static_cast<unsigned long>(c));
      out += buf;
    }
  }
  return out;
}

// Stops the run: libFuzzer keeps the input that got here.
[[noreturn]] inline void mFail(const char* invariant, const std::string& detail = "") {
  std::fprintf(stderr, "\n*** broken invariant: %s\n%s\n", invariant, detail.c_str());
  std::fflush(stderr);
  std::abort();
}

#define CVN_FUZZ_CHECK(cond, detail)                  \
  do {                                                \
    if (!(cond)) ::cvn::fuzz::mFail(#cond, (detail)); \
  } while (false)

// ---- Assertion reports -----------------------------------------------------

struct xReports {
  int iCount = 0;
  std::vector<std::string> vExpressions;  // the first few, in order
  std::string sLast;
  unsigned uLastLine = 0;
};

inline xReports& mReports() {
  static xReports s_xReports;
  return s_xReports;
}

inline void mRecordReport(const char* expression, const char* file, unsigned line) {
  xReports& r = mReports();
  ++r.iCount;
  if (r.vExpressions.size() < 16)
    r.vExpressions.emplace_back(expression != nullptr ? expression : "");
  r.sLast = std::string(expression != nullptr ? expression : "") + " (" +
            (file != nullptr ? file : "") + ":" + std::to_string(line) + ")";
  r.uLastLine = line;
}

// Installs the recording handler (once) and forgets earlier reports.
inline void mResetReports() {
  static const bool s_bInstalled = (mSetAssertHandler(&mRecordReport), true);
  (void)s_bInstalled;
  mReports() = xReports{};
}

// A report where none is expected is a failure of its own.
inline void mExpectNoReport(const std::string& context) {
  if (mReports().iCount != 0) mFail("unexpected mAssert report", mReports().sLast + "\n" + context);
}

// ---- Hostile text ------------------------------------------------------------

// Code units that have broken text handling elsewhere: Latin-1, blanks that
// are not ' ', digits of other scripts, case pairs that change length,
// surrogates, non-characters, values beyond the BMP and beyond Unicode.
constexpr wchar_t kOddUnits[] = {
    0x00A0, 0x00AD,  0x00B5,   0x00DF,   0x00E9, 0x00FF, 0x0130, 0x0131, 0x017F, 0x0149,
    0x0660, 0x0669,  0x06F5,   0x0966,   0x096F, 0x0E50, 0x1E9E, 0x2007, 0x200B, 0x2028,
    0x202F, 0x2215,  0x2236,   0x3000,   0x3002, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xFB00,
    0xFEFF, 0xFF0C,  0xFF0E,   0xFF0F,   0xFF10, 0xFF19, 0xFF1A, 0xFF21, 0xFFFD, 0xFFFE,
    0xFFFF, 0x1F600, 0x10FFFF, 0x110000, 0x0085, 0x0009, 0x000A, 0x000D, 0x0080, 0x009F};
constexpr size_t kNumOddUnits = sizeof kOddUnits / sizeof kOddUnits[0];

// Wide text from fuzz bytes: bytes below 0xF0 are code units 0x01..0xEF (a
// zero byte ends the text, as a C string would); a byte of 0xF0 or more
// takes the next byte as an index into the odd code units.
inline std::wstring mDecodeText(const std::string& bytes) {
  std::wstring out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b == 0) break;
    if (b >= 0xF0 && i + 1 < bytes.size()) {
      ++i;
      out += kOddUnits[static_cast<unsigned char>(bytes[i]) % kNumOddUnits];
    } else {
      out += static_cast<wchar_t>(b);
    }
  }
  return out;
}

// The next piece of text: up to a newline byte, decoded as above. The
// newline keeps the corpus files readable, one text per line.
inline std::wstring mTakeText(FuzzedDataProvider& fdp, size_t maxBytes = 200) {
  std::string bytes;
  while (fdp.remaining_bytes() > 0 && bytes.size() < maxBytes) {
    const char c = fdp.ConsumeIntegral<char>();
    if (c == '\n') break;
    bytes += c;
  }
  return mDecodeText(bytes);
}

// A double: a special value or any bit pattern.
inline double mTakeDouble(FuzzedDataProvider& fdp) {
  static const double kSpecial[] = {
      0.0,
      -0.0,
      std::numeric_limits<double>::quiet_NaN(),
      -std::numeric_limits<double>::quiet_NaN(),
      std::numeric_limits<double>::infinity(),
      -std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::denorm_min(),
      -std::numeric_limits<double>::denorm_min(),
      std::numeric_limits<double>::min(),
      std::numeric_limits<double>::max(),
      -std::numeric_limits<double>::max(),
      std::numeric_limits<double>::epsilon(),
      CmCVNConst::kMissingValueCode,
      2147483647.0,
      2147483648.0,
      -2147483649.0,
      1e300,
      -1e300,
      36526.5,        // noon, 1 January 2000
      36526.999995,   // 0.432 s before midnight
      36526.99999,    // 0.864 s before midnight
      2.0 - 1e-10,    // just below a midnight
      -0.25,          // a negative value with a fraction
      -328716.0,      // 1 January 1000
      -328717.0,      // the day before
      767376.999999,  // the last moment of 4000
      767377.0,       // 1 January 4001
      1096092.0,      // the longest elapsed value written
      1096092.000001,
      0.5208326967592593,
      1.0 / 86400.0,
      0.5 / 86400.0,
      5e-10,
      -5e-10,
      4.0e9,
      1.0e15,
  };
  const uint8_t kind = fdp.ConsumeIntegral<uint8_t>();
  if (kind < 96) {
    return kSpecial[kind % (sizeof kSpecial / sizeof kSpecial[0])];
  }
  if (kind < 192) {
    // A time in (or near) the valid years, with any fraction.
    const int32_t day = fdp.ConsumeIntegralInRange<int32_t>(-330000, 770000);
    const uint32_t frac = fdp.ConsumeIntegral<uint32_t>();
    return day + static_cast<double>(frac) / 4294967296.0;
  }
  const uint64_t bits = fdp.ConsumeIntegral<uint64_t>();
  double d = 0.0;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

// ---- Regional settings ---------------------------------------------------------

constexpr int kNumSettings = 6;

// The regional settings the targets rotate through: United States, German
// (no designators), ISO dates, lower-case locale designators with a full
// stop, a blank-separated date with designators that are not ASCII and come
// first, and settings of which nothing can be read.
inline CmRegionalSettings mSettings(int which) {
  CmRegionalSettings s = mBuiltInRegionalSettings();
  switch (which) {
    case 1:
      s.sFirstDayOfWeek = L"0";
      s.sShortDate = L"dd.MM.yyyy";
      s.sTimeFormat = L"HH:mm:ss";
      s.sAM = L"";
      s.sPM = L"";
      s.sDateSep = L".";
      s.sTwoDigitYearMax = L"2049";
      break;
    case 2:
      s.sFirstDayOfWeek = L"0";
      s.sShortDate = L"yyyy-MM-dd";
      s.sTimeFormat = L"HH:mm:ss";
      s.sDateSep = L"-";
      s.sTwoDigitYearMax = L"2099";
      break;
    case 3:
      s.sShortDate = L"d/M/yyyy";
      s.sTimeFormat = L"h:mm:ss tt";
      s.sAM = L"vorm.";
      s.sPM = L"nachm.";
      s.sDateSep = L"/";
      s.sMonthAbbrevs[0] = L"janv.";
      s.sMonthAbbrevs[1] = L"f\u00e9vr.";
      s.sMonthNames[0] = L"janvier";
      s.sMonthNames[1] = L"f\u00e9vrier";
      break;
    case 4:
      s.sFirstDayOfWeek = L"2";
      s.sShortDate = L"d MMMM yyyy";
      s.sTimeFormat = L"tt hh:mm";
      s.sAM = L"\u5348\u524d";
      s.sPM = L"\u5348\u5f8c";
      s.sDateSep = L" ";
      s.sTwoDigitYearMax = L"2000";
      break;
    case 5: {
      CmRegionalSettings none;
      return none;
    }
    default: break;
  }
  return s;
}

// One object constructed under each of the settings, with the legal-format
// lists exactly as that construction alone leaves them. Built once.
struct xSettingsWorld {
  CmTimeCls* pTime = nullptr;
  std::vector<CmString> vsLegal;
  std::vector<CmString> vsTmpLegal;
};

inline int& mCurrentSettings() {
  static int s_iCurrent = -1;
  return s_iCurrent;
}

// Puts settings `which` in force, name tables included (they are class-wide).
inline void mUseSettings(int which) {
  if (mCurrentSettings() == which) return;
  mSetRegionalSettings(mSettings(which));
  mInitTimeClassMonthNames();
  mCurrentSettings() = which;
}

inline xSettingsWorld& mBuiltWorld(int which) {
  static xSettingsWorld s_xWorlds[kNumSettings];
  static const bool s_bBuilt = [] {
    for (int i = 0; i < kNumSettings; ++i) {
      mUseSettings(i);
      gcmTime.mDeleteAllFormats();
      s_xWorlds[i].pTime = new CmTimeCls();
      s_xWorlds[i].vsLegal = CmTimeCls::m_vsLegalFmts;
      s_xWorlds[i].vsTmpLegal = CmTimeCls::m_vsTmpLegalFmts;
    }
    return true;
  }();
  (void)s_bBuilt;
  return s_xWorlds[which];
}

// Starts one input under settings `which`: its settings and name tables in
// force, the class-wide lists, counts, cursors and flags as its construction
// left them, and the decimal symbols given. Returns the pristine object of
// those settings (callers work on a copy).
inline const CmTimeCls& mEnterWorld(int which, wchar_t inputDecimal, wchar_t outputDecimal) {
  which = (which % kNumSettings + kNumSettings) % kNumSettings;
  xSettingsWorld& w = mBuiltWorld(which);
  mUseSettings(which);
  mSetInputDecimal(inputDecimal);
  mSetOutputDecimal(outputDecimal);
  CmTimeCls::m_vsLegalFmts = w.vsLegal;
  CmTimeCls::m_vsTmpLegalFmts = w.vsTmpLegal;
  CmTimeCls::iNumLegalFmts = static_cast<int>(w.vsLegal.size());
  CmTimeCls::iNumTmpLegalFmts = static_cast<int>(w.vsTmpLegal.size());
  CmTimeCls::iDateLoop = 0;
  CmTimeCls::iTimeLoop = 0;
  CmTimeCls::iDateTimeLoop = 0;
  CmTimeCls::m_bElapsedTimeFlag = false;
  CmTimeCls::m_bFmtHasComma = false;
  return *w.pTime;
}

// The decimal symbols of one input: mostly equal, sometimes crossed.
inline void mTakeDecimals(FuzzedDataProvider& fdp, wchar_t* input, wchar_t* output) {
  const uint8_t b = fdp.ConsumeIntegral<uint8_t>();
  *input = (b & 1) != 0 ? L',' : L'.';
  *output = (b & 6) == 6 ? (*input == L',' ? L'.' : L',') : *input;
}

}  // namespace cvn::fuzz
