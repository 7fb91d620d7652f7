// The cache of parsed formats and of generated format texts (see
// format_cache.h).

#include "time/format/format_cache.h"

#include <cwchar>
#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/parser_scan.h"

namespace cvn::detail {
namespace {

using xTimePartsStruct = CmTimeCls::xTimePartsStruct;

// The most parts a generated text is cached for: what the reader can read
// (three date parts, four clock parts, a fraction) and one more for the
// part being typed.
constexpr int kMaxGeneratedParts = 9;

// The inputs and the output of one mGenerateFormat call.
struct xGeneratedFormat {
  int iNumParts = 0;
  xTimePartsStruct axParts[kMaxGeneratedParts] = {};
  CmString sDateSep;
  CmString sTimeSep;
  bool b24Hour = true;
  CmTimeCls::EAMPMFormat eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
  bool bElapsed = false;
  wchar_t cOutputDecimal = L'\0';
  CmString sText;
};

struct xParsedFormat {
  xFormatState xState;
  bool bWeekLetter = false;  // the parse read the week label
};

// Room for the current format, what reading makes of it and every default.
constexpr int kEntries = 24;
constexpr int kGenerated = 8;

struct xFormatCache {
  // The inputs every entry was parsed under.
  CmString asDesignators[8];
  wchar_t cInputDecimal = L'\0';
  CmString sWeekLabel;
  bool bWeekLabelKnown = false;
  unsigned uGeneration = 0;

  xParsedFormat axEntries[kEntries];
  size_t auTextLen[kEntries] = {};  // the length of each entry's text, scanned first
  int iCount = 0;
  int iNext = 0;       // the entry to replace next, round robin
  int iLastFound = 0;  // where the last lookup found its text
  xGeneratedFormat axGenerated[kGenerated];
  int iGenCount = 0;
  int iGenNext = 0;
};

// Whether two short texts are equal, compared in line: designators and
// format texts are a few characters, shorter than a call to the library's
// comparison is worth.
bool mSameText(const wchar_t* a, size_t aLen, const wchar_t* b, size_t bLen) {
  if (aLen != bLen) return false;
  for (size_t i = 0; i < aLen; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}
bool mSameText(const CmString& a, const CmString& b) {
  return mSameText(a.str().data(), a.str().size(), b.str().data(), b.str().size());
}

xFormatCache& mCache() {
  thread_local xFormatCache tlsCache;
  return tlsCache;
}

void mEmpty(xFormatCache& c) {
  c.iCount = c.iNext = 0;
  c.iGenCount = c.iGenNext = 0;
  ++c.uGeneration;
}

// Empties the cache when t's designators or the input decimal symbol changed.
void mCheckInputs(xFormatCache& c, const CmTimeCls& t) {
  const xDesignatorFields apDesignators = CmTimeFormatImpl::mDesignatorFields(t);
  const wchar_t cDecimal = mGetInputDecimal();
  bool bSame = c.cInputDecimal == cDecimal;
  for (int i = 0; i < 8 && bSame; ++i) bSame = mSameText(c.asDesignators[i], *apDesignators[i]);
  if (bSame) return;
  mEmpty(c);
  c.cInputDecimal = cDecimal;
  for (int i = 0; i < 8; ++i) c.asDesignators[i] = *apDesignators[i];
}

bool mHasWeekLetter(const wchar_t* text) { return std::wcspbrk(text, L"wW") != nullptr; }

// Whether the week label still reads as it did when the week formats of the
// cache were parsed; when not, the cache is emptied and takes the new label.
bool mWeekLabelUnchanged(xFormatCache& c) {
  CmString sLabel;
  if (!sLabel.mLoadString(kWeekLabelResource)) sLabel.clear();
  if (c.bWeekLabelKnown && sLabel == c.sWeekLabel) return true;
  mEmpty(c);
  c.sWeekLabel = sLabel;
  c.bWeekLabelKnown = true;
  return false;
}

bool mSameParts(const xTimePartsStruct* a, const xTimePartsStruct* b, int n) {
  for (int i = 0; i < n; ++i) {
    if (a[i].ePart != b[i].ePart || a[i].iCount != b[i].iCount) return false;
  }
  return true;
}

}  // namespace

unsigned mFormatCacheGeneration(const CmTimeCls& t) {
  xFormatCache& c = mCache();
  mCheckInputs(c, t);
  return c.uGeneration;
}

const xFormatState* mFindCachedFormat(const CmTimeCls& t, const wchar_t* text) {
  if (text == nullptr) return nullptr;
  xFormatCache& c = mCache();
  mCheckInputs(c, t);
  const size_t uLen = std::wcslen(text);
  auto mHolds = [&](int i) {
    return c.auTextLen[i] == uLen &&
           mSameText(c.axEntries[i].xState.sText.c_str(), uLen, text, uLen);
  };
  // The entry found last first: a column sets the same text over and over.
  int iFound = c.iLastFound < c.iCount && mHolds(c.iLastFound) ? c.iLastFound : -1;
  for (int i = 0; i < c.iCount && iFound < 0; ++i) {
    if (mHolds(i)) iFound = i;
  }
  if (iFound < 0) return nullptr;
  const xParsedFormat& e = c.axEntries[iFound];
  if (e.bWeekLetter && !mWeekLabelUnchanged(c)) return nullptr;
  c.iLastFound = iFound;
  return &e.xState;
}

void mCacheFormat(const CmTimeCls& t, const xFormatState& s) {
  xFormatCache& c = mCache();
  mCheckInputs(c, t);
  const bool bWeekLetter = mHasWeekLetter(s.sText.c_str());
  // The label the parse has just read is the one the entry goes with.
  if (bWeekLetter) mWeekLabelUnchanged(c);
  c.auTextLen[c.iNext] = static_cast<size_t>(s.sText.length());
  xParsedFormat& e = c.axEntries[c.iNext];
  c.iNext = (c.iNext + 1) % kEntries;
  if (c.iCount < kEntries) ++c.iCount;
  e.xState = s;
  e.bWeekLetter = bWeekLetter;
}

void mGenerateFormatCached(const CmTimeCls& t, int numParts, const xTimePartsStruct* parts,
                           const wchar_t* dateSep, const wchar_t* timeSep, bool b24Hour,
                           CmTimeCls::EAMPMFormat ampmFormat, CmString& out) {
  if (numParts < 0 || numParts > kMaxGeneratedParts || parts == nullptr || dateSep == nullptr ||
      timeSep == nullptr) {
    CmTimeFormatImpl::mGenerate(t, numParts, parts, dateSep, timeSep, b24Hour, ampmFormat, out);
    return;
  }
  xFormatCache& c = mCache();
  mCheckInputs(c, t);
  const bool bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  const wchar_t cOutput = mGetOutputDecimal();
  for (int i = 0; i < c.iGenCount; ++i) {
    const xGeneratedFormat& e = c.axGenerated[i];
    if (e.iNumParts == numParts && e.b24Hour == b24Hour && e.eAMPMFormat == ampmFormat &&
        e.bElapsed == bElapsed && e.cOutputDecimal == cOutput && e.sDateSep == dateSep &&
        e.sTimeSep == timeSep && mSameParts(e.axParts, parts, numParts)) {
      out = e.sText;
      return;
    }
  }
  CmTimeFormatImpl::mGenerate(t, numParts, parts, dateSep, timeSep, b24Hour, ampmFormat, out);
  xGeneratedFormat& e = c.axGenerated[c.iGenNext];
  c.iGenNext = (c.iGenNext + 1) % kGenerated;
  if (c.iGenCount < kGenerated) ++c.iGenCount;
  e.iNumParts = numParts;
  for (int i = 0; i < numParts; ++i) e.axParts[i] = parts[i];
  e.sDateSep = dateSep;
  e.sTimeSep = timeSep;
  e.b24Hour = b24Hour;
  e.eAMPMFormat = ampmFormat;
  e.bElapsed = bElapsed;
  e.cOutputDecimal = cOutput;
  e.sText = out;
}

}  // namespace cvn::detail
