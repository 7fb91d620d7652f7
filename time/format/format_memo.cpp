// The memo of accepted formats (see format_memo.h). A column of values is
// read and written under a handful of formats that are set over and over;
// each set would otherwise normalise, copy and scan the text again.

#include "time/format/format_memo.h"

#include <cwchar>
#include <string>

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/format/parser_scan.h"
#include "time/format/select_state.h"

namespace {

bool gbMemoEnabled = true;

// What an accepted mSetFormat writes, besides the class-wide flags that
// follow from the text.
struct xRemembered {
  std::wstring sText;
  bool bWeekLetter = false;  // the parse read the week label
  int iNumParts = 0;
  CmTimeCls::xTimePartsStruct axParts[CmTimeCls::kMaxParts] = {};
  std::wstring sDateSep;
  std::wstring sTimeSep;
  bool b24Hour = true;
  CmTimeCls::EAMPMFormat eAMPMFormat = CmTimeCls::eAmPmUpperSpaced;
  eFormatType eFormat = eDateFormat;
};

constexpr int kEntries = 16;

struct xMemo {
  // The inputs every entry was parsed under.
  std::wstring asDesignators[8];
  wchar_t cInputDecimal = L'\0';
  std::wstring sWeekLabel;
  bool bWeekLabelKnown = false;
  xRemembered axEntries[kEntries];
  int iCount = 0;
  int iNext = 0;  // the entry to replace next, round robin
};

xMemo& mMemo() {
  thread_local xMemo tlsMemo;
  return tlsMemo;
}

// Whether the memo was filled under t's designators and the present input
// decimal symbol; when not, it is emptied and takes them on.
void mCheckInputs(xMemo& m, const CmString* const (&designators)[8]) {
  const wchar_t cDecimal = mGetInputDecimal();
  bool bSame = m.cInputDecimal == cDecimal;
  for (int i = 0; i < 8 && bSame; ++i) bSame = m.asDesignators[i] == designators[i]->str();
  if (bSame) return;
  m.iCount = 0;
  m.iNext = 0;
  m.cInputDecimal = cDecimal;
  for (int i = 0; i < 8; ++i) m.asDesignators[i] = designators[i]->str();
}

bool mHasWeekLetter(const wchar_t* text) { return std::wcspbrk(text, L"wW") != nullptr; }

// The week label as the parser loads it (empty when it cannot be loaded).
std::wstring mWeekLabel() {
  CmString sLabel;
  if (!sLabel.mLoadString(cvn::detail::kWeekLabelResource)) return std::wstring();
  return sLabel.str();
}

// Whether the week label still reads as it did when the week formats of
// the memo were parsed; when not, the memo is emptied.
bool mWeekLabelUnchanged(xMemo& m) {
  const std::wstring sLabel = mWeekLabel();
  if (m.bWeekLabelKnown && sLabel == m.sWeekLabel) return true;
  m.iCount = 0;
  m.iNext = 0;
  m.sWeekLabel = sLabel;
  m.bWeekLabelKnown = true;
  return false;
}

}  // namespace

namespace cvn::detail {

void mSetFormatMemoEnabled(bool enabled) { gbMemoEnabled = enabled; }

}  // namespace cvn::detail

#define CVN_FORMAT_DESIGNATORS(t)                                                \
  {                                                                              \
    &(t).m_sAM, &(t).m_sPM, &(t).m_sAMLower, &(t).m_sPMLower, &(t).m_sAMDefault, \
        &(t).m_sPMDefault, &(t).m_sAMDefaultLower, &(t).m_sPMDefaultLower        \
  }

bool CmTimeFormatImpl::mSetRememberedFormat(CmTimeCls& t, const wchar_t* text) {
  if (!gbMemoEnabled || text == nullptr) return false;
  xMemo& m = mMemo();
  const CmString* const apDesignators[8] = CVN_FORMAT_DESIGNATORS(t);
  mCheckInputs(m, apDesignators);
  const size_t uLen = std::wcslen(text);
  for (int i = 0; i < m.iCount; ++i) {
    const xRemembered& e = m.axEntries[i];
    if (e.sText.size() != uLen || std::wmemcmp(e.sText.data(), text, uLen) != 0) continue;
    if (e.bWeekLetter && !mWeekLabelUnchanged(m)) return false;
    // As the accepted branch of mSetFormat writes them; the text from the
    // entry, which cannot overlap the fields being written.
    t.m_iNumParts = e.iNumParts;
    for (int j = 0; j < CmTimeCls::kMaxParts; ++j) t.m_xParts[j] = e.axParts[j];
    t.m_sDateSep.str() = e.sDateSep;
    t.m_sTimeSep.str() = e.sTimeSep;
    t.m_b24Hour = e.b24Hour;
    t.m_eAMPMFormat = e.eAMPMFormat;
    t.m_eFormat = e.eFormat;
    t.m_sDateTimeFmt.str() = e.sText;
    cvn::detail::mSetClassFlagsFromText(t.m_sDateTimeFmt);
    return true;
  }
  return false;
}

void CmTimeFormatImpl::mRememberFormat(const CmTimeCls& t) {
  if (!gbMemoEnabled) return;
  xMemo& m = mMemo();
  const CmString* const apDesignators[8] = CVN_FORMAT_DESIGNATORS(t);
  mCheckInputs(m, apDesignators);
  const bool bWeekLetter = mHasWeekLetter(t.m_sDateTimeFmt.c_str());
  // The label the parse has just read is the one the entry goes with.
  if (bWeekLetter) mWeekLabelUnchanged(m);
  xRemembered& e = m.axEntries[m.iNext];
  m.iNext = (m.iNext + 1) % kEntries;
  if (m.iCount < kEntries) ++m.iCount;
  e.sText = t.m_sDateTimeFmt.str();
  e.bWeekLetter = bWeekLetter;
  e.iNumParts = t.m_iNumParts;
  for (int j = 0; j < CmTimeCls::kMaxParts; ++j) e.axParts[j] = t.m_xParts[j];
  e.sDateSep = t.m_sDateSep.str();
  e.sTimeSep = t.m_sTimeSep.str();
  e.b24Hour = t.m_b24Hour;
  e.eAMPMFormat = t.m_eAMPMFormat;
  e.eFormat = t.m_eFormat;
}
