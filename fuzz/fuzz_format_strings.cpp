// Fuzz target: format strings. Runs mSetFormat, mAddFormat, mDeleteFormat,
// mNextFormat, mCopyFromFormat and the regional selectors with hostile
// texts under rotating regional settings and decimal symbols.
//
// Invariants:
// - a refused mSetFormat leaves the current format (text, parts,
//   separators, flags, class-wide flags) exactly as before; an accepted one
//   stores the text as given, sets the class-wide flags from it and holds
//   at most seven distinct parts of known kinds;
// - adding, deleting and stepping through formats leave the current format
//   exactly as before;
// - both legal-format lists never exceed 150 entries, their counts equal
//   their sizes, and they hold only distinct canonical texts (each entry,
//   made current, is written back as itself);
// - adding a legal format to a list with room succeeds and puts its
//   canonical text there; a refused add or delete changes no list;
// - the parsed-format cache and the cache of generated texts agree with
//   parsing and generating (state, rejected fields and flags alike);
// - no mAssert report, except the two that an unknown class given to
//   mNextFormat makes.
//
// Input: a setup byte (settings, start format, prefilled lists), a decimal
// byte, then operations: an operation byte followed by a text up to a
// newline.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fuzz/fuzz_access.h"
#include "fuzz/fuzz_common.h"

namespace {

using cvn::fuzz::mFail;
using cvn::fuzz::mShow;
using cvn::fuzz::xFormatState;
using Access = CmTimeClsTestAccess;

// Formats an input may start from.
const wchar_t* const kStartFormats[] = {
    L"m/d/yy",           L"mmmm d, yyyy", L"h:mm:ss am/pm", L"[h]:mm:ss",   L"yyyyQq",
    L"wwWk yyyy",        L"yyyymmdd",     L"hh:mm:ss.sss",  L"hh:mm:ss,ss", L"d-mmm-yy h:mm",
    L"dd.mm.yyyy hh:mm", L"[m]:ss",       L"qQ yyyy",       L"h:mm A/P",    L"mmm d",
};

// Pieces combined into many distinct legal formats to fill the lists.
const wchar_t* const kDateParts[] = {
    L"m/d/yy",       L"mm/dd/yyyy", L"d/m/yy",     L"dd-mm-yyyy",  L"yyyy-mm-dd", L"d.m.yy",
    L"mmm d",        L"mmmm d",     L"d mmm yyyy", L"d mmmm yyyy", L"mmm yyyy",   L"mmmm yyyy",
    L"yy/m",         L"yyyy/mm",    L"m/yy",       L"dd/mm",       L"d-mmm-yy",   L"mmm-yy",
    L"mmmm d, yyyy", L"yyyymmdd",   L"yymmdd",     L"ddmmyy",      L"m.d",        L"yyyy.m.d"};
const wchar_t* const kTimeParts[] = {L"",          L" h:mm", L" hh:mm:ss", L" h:mm:ss am/pm",
                                     L" h:mm A/P", L" hh:mm"};

struct xOutcome {
  bool bAccepted = false;
  std::wstring sCanonical;
};

// What setting text on a copy of t does, without disturbing t or the
// class-wide flags.
xOutcome mTry(const CmTimeCls& t, const std::wstring& text) {
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const bool bComma = CmTimeCls::m_bFmtHasComma;
  CmTimeCls s = t;
  xOutcome o;
  o.bAccepted = s.mSetFormat(text.c_str());
  if (o.bAccepted) o.sCanonical = Access::mCanonical(s);
  CmTimeCls::m_bElapsedTimeFlag = bElapsed;
  CmTimeCls::m_bFmtHasComma = bComma;
  return o;
}

std::vector<std::wstring> mList(bool workingCopy) {
  std::vector<std::wstring> v;
  for (const CmString& s : workingCopy ? CmTimeCls::m_vsTmpLegalFmts : CmTimeCls::m_vsLegalFmts) {
    v.push_back(s.str());
  }
  return v;
}

std::string mDescribeList(const std::vector<std::wstring>& v) {
  std::string s;
  for (const auto& e : v) s += "  \"" + mShow(e) + "\"\n";
  return s;
}

// Sizes and counts of both lists, checked after every operation.
void mCheckListSizes(const std::string& context) {
  for (int w = 0; w < 2; ++w) {
    const bool bWorking = w == 1;
    const size_t uSize = (bWorking ? CmTimeCls::m_vsTmpLegalFmts : CmTimeCls::m_vsLegalFmts).size();
    const int iCount = bWorking ? CmTimeCls::iNumTmpLegalFmts : CmTimeCls::iNumLegalFmts;
    if (uSize > static_cast<size_t>(CmTimeCls::kMaxLegalFmts)) {
      mFail("legal list holds more than 150 entries", context);
    }
    if (iCount != static_cast<int>(uSize)) mFail("legal list count differs from its size", context);
  }
}

// Sizes, counts and distinctness of both lists, checked at the end of an
// input (building the sets after every operation would halve the speed).
void mCheckListShape(const std::string& context) {
  for (int w = 0; w < 2; ++w) {
    const bool bWorking = w == 1;
    const std::vector<std::wstring> v = mList(bWorking);
    const int iCount = bWorking ? CmTimeCls::iNumTmpLegalFmts : CmTimeCls::iNumLegalFmts;
    if (v.size() > static_cast<size_t>(CmTimeCls::kMaxLegalFmts)) {
      mFail("legal list holds more than 150 entries", context);
    }
    if (iCount != static_cast<int>(v.size()))
      mFail("legal list count differs from its size", context);
    const std::set<std::wstring> distinct(v.begin(), v.end());
    if (distinct.size() != v.size())
      mFail("legal list holds a duplicate", context + mDescribeList(v));
    if (distinct.count(L"") != 0) mFail("legal list holds an empty text", context);
  }
}

// Every entry is canonical under the object's settings: costly, checked once
// at the end of an input.
void mCheckListCanonical(const CmTimeCls& t, const std::string& context,
                         const std::set<std::wstring>* known = nullptr) {
  for (int w = 0; w < 2; ++w) {
    for (const std::wstring& e : mList(w == 1)) {
      if (known != nullptr && known->count(e) != 0) continue;
      const xOutcome o = mTry(t, e);
      if (!o.bAccepted)
        mFail("legal list entry is refused", context + " entry \"" + mShow(e) + "\"");
      if (o.sCanonical != e) {
        mFail("legal list entry is not canonical",
              context + " entry \"" + mShow(e) + "\" written \"" + mShow(o.sCanonical) + "\"");
      }
    }
  }
}

// The state an accepted mSetFormat must leave.
void mCheckAccepted(const CmTimeCls& t, const std::wstring& text, const std::string& context) {
  const xFormatState s = Access::mState(t);
  if (s.sText != text) mFail("accepted format text not stored as given", context + s.mDescribe());
  if (s.bElapsed != (text.find(L'[') != std::wstring::npos)) {
    mFail("elapsed flag differs from the text", context + s.mDescribe());
  }
  if (s.bComma != (text.find(L',') != std::wstring::npos)) {
    mFail("comma flag differs from the text", context + s.mDescribe());
  }
  if (s.iNumParts < 0 || s.iNumParts > CmTimeCls::kMaxParts) {
    mFail("part count out of range", context + s.mDescribe());
  }
  if (s.sTimeSep != L":")
    mFail("time separator of an accepted format is not \":\"", context + s.mDescribe());
  std::set<int> kinds;
  for (const auto& p : s.vParts) {
    if (p.first < xYear || p.first > xThousandth || p.first == xHundredth || p.first == xTenth) {
      mFail("accepted format holds an unknown part kind", context + s.mDescribe());
    }
    if (p.second < 1 || p.second > 4) mFail("part count outside 1..4", context + s.mDescribe());
    if (!kinds.insert(p.first).second) mFail("part occurs twice", context + s.mDescribe());
  }
  if (s.iFormat < eDateFormat || s.iFormat > eDateTimeFormat) {
    mFail("format class out of range", context + s.mDescribe());
  }
  if (!s.b24Hour && (s.iAMPMFormat < 0 || s.iAMPMFormat > 11)) {
    mFail("designator style out of range", context + s.mDescribe());
  }
  // Canonical texts settle: an odd accepted spelling may be written as a
  // text that reads as another format ("MMMDYY," is written "mmm,d,yy",
  // read as "mmm d, yy"; the legal list refuses such formats), but writing
  // that format again changes nothing more. (Not with crossed decimal
  // symbols: a fraction is written with one symbol and read with the
  // other.)
  const std::wstring sCanonical = Access::mCanonical(t);
  if (!sCanonical.empty() && mGetInputDecimal() == mGetOutputDecimal()) {
    const xOutcome o = mTry(t, sCanonical);
    if (o.bAccepted && !o.sCanonical.empty() && o.sCanonical != sCanonical) {
      const xOutcome o2 = mTry(t, o.sCanonical);
      if (o2.bAccepted && o2.sCanonical != o.sCanonical) {
        mFail("canonical text does not settle", context + "canonical \"" + mShow(sCanonical) +
                                                    "\" rewritten \"" + mShow(o.sCanonical) +
                                                    "\" then \"" + mShow(o2.sCanonical) + "\"");
      }
    }
  }
  // The width query works on every accepted format.
  CmString sFormat;
  int iWidth = -2;
  bool bDate = false;
  bool bTime = false;
  t.mGetFormat(sFormat, &iWidth, &bDate, &bTime);
  if (sFormat.str() != sCanonical) mFail("mGetFormat differs from the canonical text", context);
  if (iWidth < -1 || iWidth > 400)
    mFail("format width out of range", context + std::to_string(iWidth));
}

// Lists of the settings' own entries followed by distinct legal formats up
// to the limit, built once per settings through mAddFormat (and checked
// canonical then), so an input can start at or near the limit cheaply.
struct xFullLists {
  bool bBuilt = false;
  std::vector<CmString> vsMain;
  std::vector<CmString> vsWorking;
};

const xFullLists& mFullLists(const CmTimeCls& pristine, int world) {
  static xFullLists s_xLists[cvn::fuzz::kNumSettings];
  xFullLists& r = s_xLists[world];
  if (r.bBuilt) return r;
  CmTimeCls t = pristine;
  for (int w = 0; w < 2; ++w) {
    for (const wchar_t* d : kDateParts) {
      for (const wchar_t* h : kTimeParts) {
        t.mAddFormat((std::wstring(d) + h).c_str(), w == 1);
      }
    }
  }
  mCheckListCanonical(t, "prefilled lists\n");
  r.vsMain = CmTimeCls::m_vsLegalFmts;
  r.vsWorking = CmTimeCls::m_vsTmpLegalFmts;
  r.bBuilt = true;
  return r;
}

// The parsed-format cache against parsing: text set on a copy of t from the
// cache (a first set, before the inputs change, fills it) gives and leaves
// what parsing it on another copy gives and leaves, rejected fields and
// class-wide flags included. Checked as t stands, then after its regional
// designators change, then after the input decimal symbol changes: each
// must empty the cache. The cache of generated texts gives what generating
// gives, in every style.
void mCheckCacheAgreesWithParse(const CmTimeCls& t, const std::wstring& text,
                                const std::string& context) {
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const bool bComma = CmTimeCls::m_bFmtHasComma;
  const wchar_t cIn = mGetInputDecimal();
  auto mRestoreFlags = [&] {
    CmTimeCls::m_bElapsedTimeFlag = bElapsed, CmTimeCls::m_bFmtHasComma = bComma;
  };
  CmTimeCls xFill = t;
  xFill.mSetFormat(text.c_str());
  mRestoreFlags();
  for (int iRound = 0; iRound < 3; ++iRound) {
    CmTimeCls xCached = t;
    if (iRound == 1) Access::mSetRegionalDesignators(xCached, L"AM.", L"PM.");
    if (iRound == 2) mSetInputDecimal(cIn == L'.' ? L',' : L'.');
    CmTimeCls xParsed = xCached;
    const bool bCached = xCached.mSetFormat(text.c_str());
    const xFormatState xFromCache = Access::mState(xCached);
    mRestoreFlags();
    const bool bParsed = CmTimeFormatImpl::mSetParsed(xParsed, text.c_str());
    const xFormatState xFromParse = Access::mState(xParsed);
    const std::string sDetail = context + "text \"" + mShow(text) + "\" round " +
                                std::to_string(iRound) + "\ncached: " + xFromCache.mDescribe() +
                                "\nparsed: " + xFromParse.mDescribe() + "\n";
    if (bCached != bParsed || xFromCache != xFromParse ||
        Access::mLeftovers(xCached) != Access::mLeftovers(xParsed)) {
      mFail("cached format differs from the parsed one", sDetail);
    }
    for (int iStyle = CmTimeCls::eAmPmUpperSpaced; iStyle <= CmTimeCls::eLocaleLower; ++iStyle) {
      const auto eStyle = static_cast<CmTimeCls::EAMPMFormat>(iStyle);
      const std::wstring sPlain = Access::mGenerate(xParsed, eStyle, false);
      for (int iCall = 0; iCall < 2; ++iCall) {
        if (Access::mGenerate(xParsed, eStyle, true) != sPlain) {
          mFail("cached generated text differs", sDetail + "style " + std::to_string(iStyle));
        }
      }
    }
    mSetInputDecimal(cIn);
    mRestoreFlags();
    cvn::fuzz::mExpectNoReport(sDetail);
  }
}

void mPrefill(const CmTimeCls& pristine, int world, int target) {
  const xFullLists& r = mFullLists(pristine, world);
  CmTimeCls::m_vsLegalFmts = r.vsMain;
  CmTimeCls::m_vsTmpLegalFmts = r.vsWorking;
  if (static_cast<int>(CmTimeCls::m_vsLegalFmts.size()) > target)
    CmTimeCls::m_vsLegalFmts.resize(target);
  if (static_cast<int>(CmTimeCls::m_vsTmpLegalFmts.size()) > target)
    CmTimeCls::m_vsTmpLegalFmts.resize(target);
  CmTimeCls::iNumLegalFmts = static_cast<int>(CmTimeCls::m_vsLegalFmts.size());
  CmTimeCls::iNumTmpLegalFmts = static_cast<int>(CmTimeCls::m_vsTmpLegalFmts.size());
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
  // Entries the settings or the prefill bring were checked when built.
  static std::set<std::wstring> s_setKnown[cvn::fuzz::kNumSettings];
  std::set<std::wstring>& rKnown = s_setKnown[iWorld];
  if (rKnown.empty()) {
    const CmTimeCls& xFirst = cvn::fuzz::mEnterWorld(iWorld, L'.', L'.');
    for (const auto& e : CmTimeCls::m_vsLegalFmts) rKnown.insert(e.str());
    for (const auto& e : CmTimeCls::m_vsTmpLegalFmts) rKnown.insert(e.str());
    for (const auto& e : mFullLists(xFirst, iWorld).vsMain) rKnown.insert(e.str());
    for (const auto& e : mFullLists(xFirst, iWorld).vsWorking) rKnown.insert(e.str());
  }
  const CmTimeCls& xPristine = cvn::fuzz::mEnterWorld(iWorld, cIn, cOut);
  CmTimeCls t = xPristine;
  std::string sContext = "settings " + std::to_string(iWorld) + " decimals '" +
                         static_cast<char>(cIn) + "' '" + static_cast<char>(cOut) + "'\n";

  // Start from the state construction left, or from a format set on purpose.
  if ((uSetup & 0x08) != 0) {
    const wchar_t* pStart =
        kStartFormats[(uSetup >> 4) % (sizeof kStartFormats / sizeof kStartFormats[0])];
    t.mSetFormat(pStart);
    sContext += "start \"" + mShow(pStart) + "\"\n";
  }
  if ((uSetup & 0xC0) == 0xC0) {
    // Lists at or near the limit.
    const int iTarget = CmTimeCls::kMaxLegalFmts - (uSetup & 0x03);
    mPrefill(xPristine, iWorld, iTarget);
    sContext += "prefilled\n";
  }
  mCheckListShape(sContext);
  cvn::fuzz::mExpectNoReport(sContext);

  std::string sHistory;  // the operations so far, for the final check's message
  for (int iOp = 0; iOp < 8 && fdp.remaining_bytes() > 0; ++iOp) {
    const uint8_t uOp = fdp.ConsumeIntegral<uint8_t>();
    const std::wstring sText = cvn::fuzz::mTakeText(fdp);
    const bool bWorking = (uOp & 0x80) != 0;
    const std::string sStep = sContext + "op " + std::to_string(uOp % 12) + " text \"" +
                              mShow(sText) + "\" working " + std::to_string(bWorking) + "\n";
    const xFormatState xBefore = Access::mState(t);
    const std::vector<std::wstring> vBefore = mList(bWorking);
    const size_t uOtherBefore =
        (bWorking ? CmTimeCls::m_vsLegalFmts : CmTimeCls::m_vsTmpLegalFmts).size();
    auto mOtherChanged = [&] {
      return (bWorking ? CmTimeCls::m_vsLegalFmts : CmTimeCls::m_vsTmpLegalFmts).size() !=
             uOtherBefore;
    };
    const std::string sWithState = sStep + "before: " + xBefore.mDescribe() + "\n";
    mCheckCacheAgreesWithParse(t, sText, sWithState);

    switch (uOp % 12) {
      case 0:
      case 1:
      case 2:
      case 3: {
        const bool bOk = t.mSetFormat(sText.c_str());
        if (bOk) {
          if (sText.empty()) mFail("empty format accepted", sWithState);
          mCheckAccepted(t, sText, sWithState);
        } else if (Access::mState(t) != xBefore) {
          mFail("refused format changed the current format",
                sWithState + "after:  " + Access::mState(t).mDescribe());
        }
        break;
      }
      case 4:
      case 5:
      case 6: {
        const xOutcome o = mTry(t, sText);
        const bool bOk = t.mAddFormat(sText.c_str(), bWorking);
        const std::vector<std::wstring> vAfter = mList(bWorking);
        if (Access::mState(t) != xBefore) {
          mFail("mAddFormat changed the current format",
                sWithState + "after:  " + Access::mState(t).mDescribe());
        }
        if (mOtherChanged()) mFail("mAddFormat changed the other list", sStep);
        if (!bOk) {
          if (vAfter != vBefore) mFail("refused mAddFormat changed the list", sStep);
          // A list takes the canonical text only when it gives itself back.
          const xOutcome again = o.bAccepted ? mTry(t, o.sCanonical) : xOutcome{};
          const bool bUsable = o.bAccepted && !o.sCanonical.empty() && again.bAccepted &&
                               again.sCanonical == o.sCanonical;
          if (bUsable && vBefore.size() < static_cast<size_t>(CmTimeCls::kMaxLegalFmts)) {
            mFail("legal format refused by a list with room",
                  sStep + "canonical \"" + mShow(o.sCanonical) + "\"");
          }
        } else {
          if (!o.bAccepted) mFail("mAddFormat took a refused format", sStep);
          size_t uFound = 0;
          for (const auto& e : vAfter) uFound += e == o.sCanonical ? 1 : 0;
          if (uFound != 1)
            mFail("added format's canonical text not in the list once",
                  sStep + mDescribeList(vAfter));
          const bool bWasThere =
              std::find(vBefore.begin(), vBefore.end(), o.sCanonical) != vBefore.end();
          if (vAfter.size() != vBefore.size() + (bWasThere ? 0 : 1))
            mFail("mAddFormat size change wrong", sStep);
        }
        break;
      }
      case 7:
      case 8: {
        const xOutcome o = mTry(t, sText);
        const bool bOk = t.mDeleteFormat(sText.c_str(), bWorking);
        const std::vector<std::wstring> vAfter = mList(bWorking);
        if (Access::mState(t) != xBefore) {
          mFail("mDeleteFormat changed the current format",
                sWithState + "after:  " + Access::mState(t).mDescribe());
        }
        if (mOtherChanged()) mFail("mDeleteFormat changed the other list", sStep);
        if (!bOk) {
          if (vAfter != vBefore) mFail("refused mDeleteFormat changed the list", sStep);
        } else {
          if (!o.bAccepted) mFail("mDeleteFormat took a refused format", sStep);
          if (vAfter.size() + 1 != vBefore.size())
            mFail("mDeleteFormat did not remove one entry", sStep);
          if (std::find(vAfter.begin(), vAfter.end(), o.sCanonical) != vAfter.end()) {
            mFail("deleted canonical text still in the list", sStep);
          }
        }
        break;
      }
      case 9: {
        // Step through one class (3 is no class and is reported twice).
        const int iType = (uOp >> 4) & 3;
        t.mInitLoop(static_cast<eFormatType>(iType));
        CmString sFound;
        int iFound = 0;
        while (iFound <= CmTimeCls::kMaxLegalFmts &&
               t.mNextFormat(static_cast<eFormatType>(iType), sFound, bWorking)) {
          ++iFound;
          if (std::find(vBefore.begin(), vBefore.end(), sFound.str()) == vBefore.end()) {
            mFail("mNextFormat gave a text not in the list", sStep + mShow(sFound.str()));
          }
          CmTimeCls s = t;
          const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
          const bool bComma = CmTimeCls::m_bFmtHasComma;
          const bool bSet = s.mSetFormat(sFound.c_str());
          const eFormatType eClass = s.mGetEFormat();
          CmTimeCls::m_bElapsedTimeFlag = bElapsed;
          CmTimeCls::m_bFmtHasComma = bComma;
          if (!bSet || eClass != iType) mFail("mNextFormat gave a format of another class", sStep);
        }
        if (iFound > CmTimeCls::kMaxLegalFmts) mFail("mNextFormat does not end", sStep);
        if (Access::mState(t) != xBefore) {
          mFail("mNextFormat changed the current format",
                sWithState + "after:  " + Access::mState(t).mDescribe());
        }
        if (iType == 3) {
          if (cvn::fuzz::mReports().iCount == 0) mFail("unknown class not reported", sStep);
          cvn::fuzz::mResetReports();
        }
        break;
      }
      case 10: {
        t.mCopyFromFormat(bWorking);  // true: working copy into the main list
        if (Access::mState(t) != xBefore) {
          mFail("mCopyFromFormat changed the current format",
                sWithState + "after:  " + Access::mState(t).mDescribe());
        }
        // The destination holds the source's entries, in order.
        const std::vector<std::wstring> vFrom = bWorking ? mList(true) : mList(false);
        const std::vector<std::wstring> vTo = bWorking ? mList(false) : mList(true);
        if (vTo != vFrom)
          mFail("copied list differs from its source",
                sStep + mDescribeList(vFrom) + "--\n" + mDescribeList(vTo));
        break;
      }
      default: {
        const int iWhich = (uOp >> 4) & 3;
        if (iWhich == 3 && (uOp & 0x40) != 0) {
          t.mDeleteAllFormats();
          if (CmTimeCls::iNumLegalFmts != 0 || CmTimeCls::iNumTmpLegalFmts != 0 ||
              !CmTimeCls::m_vsLegalFmts.empty() || !CmTimeCls::m_vsTmpLegalFmts.empty()) {
            mFail("mDeleteAllFormats left entries", sStep);
          }
          break;
        }
        std::wstring sRegional;
        if (iWhich == 0) {
          t.mSetDefFormat();
          sRegional = Access::mDefaultDateTime(t);
        } else if (iWhich == 1) {
          t.mSetDateFormat();
        } else {
          t.mSetTimeFormat();
        }
        const xFormatState xAfter = Access::mState(t);
        if (xAfter != xBefore) {
          if (iWhich == 0 && xAfter.sText != sRegional)
            mFail("mSetDefFormat set another text", sWithState + xAfter.mDescribe());
          mCheckAccepted(t, xAfter.sText, sWithState);
        }
        break;
      }
    }
    mCheckListSizes(sStep);
    cvn::fuzz::mExpectNoReport(sStep);
    sHistory += sStep.substr(sContext.size());
  }
  mCheckListShape(sContext + sHistory);
  mCheckListCanonical(t, sContext + sHistory, &rKnown);
  cvn::fuzz::mExpectNoReport(sContext);
  return 0;
}
