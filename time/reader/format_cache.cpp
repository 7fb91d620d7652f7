// Memos of accepted formats and of generated format texts for the reader,
// which sets the same few format texts over and over (the current format,
// the one derived from what was typed, the default formats) and generates
// the same text from the same parts. An accepted mSetFormat leaves the
// object in a state that depends only on the text, the eight designator
// fields and the input decimal symbol, so a text seen before is applied by
// copying that state instead of parsing it again; refused texts always go
// to mSetFormat. A generated text depends only on its parts, separators,
// clock style, the elapsed flag, the output decimal symbol and the
// designators.

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/reader/reader_impl.h"

namespace {

using xTimePartsStruct = CmTimeCls::xTimePartsStruct;

// What an accepted mSetFormat writes.
struct xParsedFormat {
  CmString sText;
  int iNumParts = 0;
  xTimePartsStruct axParts[CmTimeCls::kMaxParts] = {};
  CmString sDateSep;
  CmString sTimeSep;
  bool b24Hour = true;
  CmTimeCls::EAMPMFormat eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
  eFormatType eFormat = eDateFormat;
  bool bElapsed = false;
  bool bComma = false;
};

// The inputs and the output of one mGenerateFormat call.
struct xGeneratedFormat {
  int iNumParts = 0;
  xTimePartsStruct axParts[CmTimeReaderImpl::kMaxTextParts + 1] = {};
  CmString sDateSep;
  CmString sTimeSep;
  bool b24Hour = true;
  CmTimeCls::EAMPMFormat eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
  bool bElapsed = false;
  wchar_t cOutputDecimal = L'\0';
  CmString sText;
};

// Room for the current format, what reading makes of it and every default.
constexpr int kEntries = 24;
constexpr int kGenerated = 8;

struct xFormatCache {
  // The inputs besides the text shared by parser and generator, as they
  // stood for every entry.
  CmString asDesignators[8];
  wchar_t cInputDecimal = L'\0';
  xParsedFormat axEntries[kEntries];
  int iCount = 0;
  int iNext = 0;  // the entry to replace next, round robin
  xGeneratedFormat axGenerated[kGenerated];
  int iGenCount = 0;
  int iGenNext = 0;
};

xFormatCache& mCache() {
  thread_local xFormatCache tlsCache;
  return tlsCache;
}

// Empties the memos when a designator or the input decimal symbol changed.
void mCheckInputs(xFormatCache& c, const CmString* const* designators) {
  bool bSame = c.cInputDecimal == mGetInputDecimal();
  for (int i = 0; i < 8 && bSame; ++i) bSame = c.asDesignators[i] == *designators[i];
  if (bSame) return;
  c.iCount = c.iNext = 0;
  c.iGenCount = c.iGenNext = 0;
  c.cInputDecimal = mGetInputDecimal();
  for (int i = 0; i < 8; ++i) c.asDesignators[i] = *designators[i];
}

bool mSameParts(const xTimePartsStruct* a, const xTimePartsStruct* b, int n) {
  for (int i = 0; i < n; ++i) {
    if (a[i].ePart != b[i].ePart || a[i].iCount != b[i].iCount) return false;
  }
  return true;
}

}  // namespace

void CmTimeReaderImpl::mDesignatorFields(const CmTimeCls& t, const CmString** out) {
  const CmString* const apFields[8] = {
      &t.m_sAM,        &t.m_sPM,        &t.m_sAMLower,        &t.m_sPMLower,
      &t.m_sAMDefault, &t.m_sPMDefault, &t.m_sAMDefaultLower, &t.m_sPMDefaultLower};
  for (int i = 0; i < 8; ++i) out[i] = apFields[i];
}

bool CmTimeReaderImpl::mSetFormatFast(CmTimeCls& t, const wchar_t* text) {
  if (text == nullptr) return t.mSetFormat(text);
  xFormatCache& c = mCache();
  const CmString* apDesignators[8] = {};
  mDesignatorFields(t, apDesignators);
  mCheckInputs(c, apDesignators);

  for (int i = 0; i < c.iCount; ++i) {
    const xParsedFormat& e = c.axEntries[i];
    if (!(e.sText == text)) continue;
    t.m_iNumParts = e.iNumParts;
    for (int j = 0; j < CmTimeCls::kMaxParts; ++j) t.m_xParts[j] = e.axParts[j];
    t.m_sDateSep = e.sDateSep;
    t.m_sTimeSep = e.sTimeSep;
    t.m_b24Hour = e.b24Hour;
    t.m_eAMPMFormat = e.eAMPMFormat;
    t.m_eFormat = e.eFormat;
    t.m_sDateTimeFmt = e.sText;
    CmTimeCls::m_bElapsedTimeFlag = e.bElapsed;
    CmTimeCls::m_bFmtHasComma = e.bComma;
    return true;
  }

  if (!t.mSetFormat(text)) return false;
  xParsedFormat& e = c.axEntries[c.iNext];
  c.iNext = (c.iNext + 1) % kEntries;
  if (c.iCount < kEntries) ++c.iCount;
  e.sText = t.m_sDateTimeFmt;
  e.iNumParts = t.m_iNumParts;
  for (int j = 0; j < CmTimeCls::kMaxParts; ++j) e.axParts[j] = t.m_xParts[j];
  e.sDateSep = t.m_sDateSep;
  e.sTimeSep = t.m_sTimeSep;
  e.b24Hour = t.m_b24Hour;
  e.eAMPMFormat = t.m_eAMPMFormat;
  e.eFormat = t.m_eFormat;
  e.bElapsed = CmTimeCls::m_bElapsedTimeFlag;
  e.bComma = CmTimeCls::m_bFmtHasComma;
  return true;
}

void CmTimeReaderImpl::mGenerateFormatFast(const CmTimeCls& t, int numParts,
                                           const xTimePartsStruct* parts, const wchar_t* dateSep,
                                           const wchar_t* timeSep, bool b24Hour,
                                           EAMPMFormat ampmFormat, CmString& out) {
  if (numParts < 0 || numParts > kMaxTextParts + 1 || dateSep == nullptr || timeSep == nullptr) {
    t.mGenerateFormat(numParts, parts, dateSep, timeSep, b24Hour, ampmFormat, out);
    return;
  }
  xFormatCache& c = mCache();
  const CmString* apDesignators[8] = {};
  mDesignatorFields(t, apDesignators);
  mCheckInputs(c, apDesignators);
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
  t.mGenerateFormat(numParts, parts, dateSep, timeSep, b24Hour, ampmFormat, out);
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
