// Fuzz target: packed format words. Restores formats from arbitrary words
// with mUnpackFormat, mSetFormat14 and UDTFMT, and packs them again with
// mPackFormat, mGetFormat14 and PDTFMT.
//
// Invariants:
// - packing what was unpacked, unpacking that and packing again gives the
//   same words (the packed form of a restored format is a fixed point),
//   but for the comma bit, which follows the format text;
// - the current form has four words with word 3 zero, the version-14 form
//   three;
// - the restored text, set again from the parsed-format cache, leaves what
//   parsing it leaves;
// - mAssert reports only what the words call for: "0 == vuFormat[3]" for a
//   non-zero reserved word, the version-14 length report for a vector of
//   another length than three, and "false" from the generator for a part
//   of kind 0; each of them when it is called for; nothing else.
//
// Input: a setup byte (settings, start format), a decimal byte, then
// operations: an operation byte, a word count and the words.

#include <string>
#include <vector>

#include "CvnEntryPoints.h"
#include "fuzz/fuzz_access.h"
#include "fuzz/fuzz_common.h"

namespace {

using cvn::fuzz::mFail;
using cvn::fuzz::mShow;
using Access = CmTimeClsTestAccess;

const wchar_t* const kStartFormats[] = {
    nullptr,      L"m/d/yy",    L"mmmm d, yyyy", L"h:mm:ss am/pm",       L"[h]:mm:ss",
    L"yyyyQq",    L"wwWk yyyy", L"yyyymmdd",     L"hh:mm:ss.sss",        L"d-mmm-yy h:mm",
    L"[m]:ss.ss", L"h:mm A/P",  L"hh:mm:ss,s",   L"dd.mm.yyyy hh:mm:ss", L"qQyyyy",
};

std::string mWords(const std::vector<unsigned>& w) {
  std::string s = "[";
  for (unsigned u : w) {
    char buf[16];
    std::snprintf(buf, sizeof buf, " %08x", u);
    s += buf;
  }
  return s + " ]";
}

// Whether the first n parts of the words hold a kind of 0, which the
// generator reports.
bool mHasKindZero(const std::vector<unsigned>& words) {
  std::vector<unsigned> w(words);
  w.resize(4, 0u);
  const int n = static_cast<int>(w[0] & 7u);
  // Kind fields: part 1..4 in word 0 bits 4, 12, 20, 28; parts 5..7 in
  // word 1 bits 4, 12, 20.
  const int kWord[7] = {0, 0, 0, 0, 1, 1, 1};
  const int kBit[7] = {4, 12, 20, 28, 4, 12, 20};
  for (int i = 0; i < n; ++i) {
    if (((w[static_cast<size_t>(kWord[i])] >> kBit[i]) & 15u) == 0) return true;
  }
  return false;
}

// Checks the reports made since the last reset against those called for.
void mCheckReports(bool wantWord3, bool wantLength14, bool allowKindZero,
                   const std::string& context) {
  const cvn::fuzz::xReports& r = cvn::fuzz::mReports();
  bool bWord3 = false;
  bool bLength14 = false;
  for (const std::string& e : r.vExpressions) {
    if (e == "0 == vuFormat[3]") {
      bWord3 = true;
    } else if (e == "rvuFormat14.size() == PACKED_WORDS_14") {
      bLength14 = true;
    } else if (!(e == "false" && allowKindZero)) {
      mFail("unexpected mAssert report", e + "\n" + context);
    }
  }
  if (wantWord3 != bWord3) mFail("reserved-word report missing or unexpected", context);
  if (wantLength14 != bLength14) mFail("version-14 length report missing or unexpected", context);
  cvn::fuzz::mResetReports();
}

// Packing t, unpacking on a copy and packing again gives the same words.
void mCheckFixedPoint(const CmTimeCls& t, const std::string& context) {
  std::vector<unsigned> p1;
  t.mPackFormat(p1);
  if (p1.size() != 4 || p1[3] != 0)
    mFail("packed form is not four words with word 3 zero", context + mWords(p1));
  CmTimeCls u = t;
  u.mUnpackFormat(p1);
  std::vector<unsigned> p2;
  u.mPackFormat(p2);
  // The comma bit (word 1, bit 30) is the class-wide flag "the format text
  // contains a comma"; it follows the text, and a canonical text drops a
  // comma that is no date separator ("m/d/yy, h:mm" is written back
  // "m/d/yy h:mm"), so it alone may differ.
  p1[1] &= ~(1u << 30);
  p2[1] &= ~(1u << 30);
  if (p1 != p2) {
    mFail("pack, unpack, pack is not a fixed point",
          context + "first  " + mWords(p1) + "\nsecond " + mWords(p2) + "\nstate  " +
              Access::mState(t).mDescribe() + "\nagain  " + Access::mState(u).mDescribe());
  }
  // The words of a format the parser gave need no report to restore.
  mCheckReports(false, false, false, context + "(restoring packed words of a parsed format)\n");
}

// The restored text set again (from the parsed-format cache, which the
// restore filled) leaves what parsing it leaves.
void mCheckCachedAgreesWithParsed(const CmTimeCls& t, const std::string& context) {
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const bool bComma = CmTimeCls::m_bFmtHasComma;
  const std::wstring sText = t.mGetDateTimeFmt().str();
  CmTimeCls xCached = t;
  CmTimeCls xParsed = t;
  const bool bCached = xCached.mSetFormat(sText.c_str());
  const cvn::fuzz::xFormatState xFromCache = Access::mState(xCached);
  CmTimeCls::m_bElapsedTimeFlag = bElapsed, CmTimeCls::m_bFmtHasComma = bComma;
  const bool bParsed = CmTimeFormatImpl::mSetParsed(xParsed, sText.c_str());
  if (bCached != bParsed || xFromCache != Access::mState(xParsed) ||
      Access::mLeftovers(xCached) != Access::mLeftovers(xParsed)) {
    mFail("cached restored format differs from the parsed one",
          context + "cached: " + xFromCache.mDescribe() +
              "\nparsed: " + Access::mState(xParsed).mDescribe());
  }
  CmTimeCls::m_bElapsedTimeFlag = bElapsed, CmTimeCls::m_bFmtHasComma = bComma;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider fdp(data, size);
  cvn::fuzz::mResetReports();
  const uint8_t uSetup = fdp.ConsumeIntegral<uint8_t>();
  wchar_t cIn = L'.';
  wchar_t cOut = L'.';
  cvn::fuzz::mTakeDecimals(fdp, &cIn, &cOut);
  const int iWorld = uSetup % cvn::fuzz::kNumSettings;
  const CmTimeCls& xPristine = cvn::fuzz::mEnterWorld(iWorld, cIn, cOut);
  CmTimeCls t = xPristine;
  gcmTime = xPristine;
  const wchar_t* pStart =
      kStartFormats[(uSetup >> 3) % (sizeof kStartFormats / sizeof kStartFormats[0])];
  std::string sContext = "settings " + std::to_string(iWorld) + " decimals '" +
                         static_cast<char>(cIn) + "' '" + static_cast<char>(cOut) + "'\n";
  if (pStart != nullptr) {
    gcmTime.mSetFormat(pStart);
    t.mSetFormat(pStart);
    sContext += "start \"" + mShow(pStart) + "\"\n";
  }
  mCheckReports(false, false, false, sContext);

  for (int iOp = 0; iOp < 4 && fdp.remaining_bytes() > 0; ++iOp) {
    const uint8_t uOp = fdp.ConsumeIntegral<uint8_t>();
    const size_t uCount = fdp.ConsumeIntegralInRange<size_t>(0, 6);
    std::vector<unsigned> vWords;
    for (size_t i = 0; i < uCount; ++i) vWords.push_back(fdp.ConsumeIntegral<unsigned>());
    const std::string sStep =
        sContext + "op " + std::to_string(uOp % 5) + " words " + mWords(vWords) + "\n";
    const bool bKindZero = mHasKindZero(vWords);
    switch (uOp % 5) {
      case 0: {
        t.mUnpackFormat(vWords);
        mCheckReports(vWords.size() > 3 && vWords[3] != 0, false, bKindZero, sStep);
        mCheckFixedPoint(t, sStep);
        mCheckCachedAgreesWithParsed(t, sStep);
        break;
      }
      case 1: {
        t.mSetFormat14(vWords);
        mCheckReports(vWords.size() > 3 && vWords[3] != 0, vWords.size() != 3, bKindZero, sStep);
        mCheckFixedPoint(t, sStep);
        break;
      }
      case 2: {
        unsigned uThree[3] = {0, 0, 0};
        for (size_t i = 0; i < 3 && i < vWords.size(); ++i) uThree[i] = vWords[i];
        std::vector<unsigned> vThree(uThree, uThree + 3);
        UDTFMT(uThree);
        mCheckReports(false, false, mHasKindZero(vThree), sStep + "(UDTFMT)\n");
        mCheckFixedPoint(gcmTime, sStep + "(UDTFMT)\n");
        unsigned uOut[3] = {1, 2, 3};
        PDTFMT(uOut);
        std::vector<unsigned> vPacked;
        gcmTime.mPackFormat(vPacked);
        if (uOut[0] != vPacked[0] || uOut[1] != vPacked[1] || uOut[2] != vPacked[2]) {
          mFail("PDTFMT differs from mPackFormat", sStep);
        }
        mCheckReports(false, false, false, sStep + "(PDTFMT)\n");
        break;
      }
      case 3: {
        // The version-14 form of the global instance's format, after first
        // restoring words on it.
        gcmTime.mUnpackFormat(vWords);
        mCheckReports(vWords.size() > 3 && vWords[3] != 0, false, bKindZero, sStep);
        std::vector<unsigned> v14 = {9, 9, 9, 9, 9};
        gcmTime.mGetFormat14(v14);
        if (v14.size() != 3) mFail("version-14 form is not three words", sStep + mWords(v14));
        mCheckReports(false, false, false, sStep + "(mGetFormat14)\n");
        CmTimeCls u = gcmTime;
        u.mSetFormat14(v14);
        mCheckReports(false, false, false, sStep + "(mSetFormat14 of mGetFormat14)\n");
        mCheckFixedPoint(u, sStep + "(version 14)\n");
        break;
      }
      default: {
        // Words taken from a format the input names as text.
        const std::wstring sFormat = cvn::fuzz::mTakeText(fdp, 40);
        t.mSetFormat(sFormat.c_str());
        // The class-wide flags are those of the object last set; an empty
        // text changes nothing, and they may still speak of gcmTime.
        CmTimeCls::m_bElapsedTimeFlag = t.mGetDateTimeFmt().mFind(L'[') >= 0;
        CmTimeCls::m_bFmtHasComma = t.mGetDateTimeFmt().mFind(L',') >= 0;
        mCheckReports(false, false, false, sStep + "set \"" + mShow(sFormat) + "\"\n");
        // A typed format may hold what its canonical text drops (the "." of
        // "M."), so the fixed point starts from its words once unpacked.
        std::vector<unsigned> vTyped;
        t.mPackFormat(vTyped);
        CmTimeCls u = t;
        u.mUnpackFormat(vTyped);
        mCheckFixedPoint(u, sStep + "set \"" + mShow(sFormat) + "\", unpacked\n");
        break;
      }
    }
  }
  return 0;
}
