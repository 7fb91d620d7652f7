// The class-wide legal-format lists (the main list and its working copy):
// stepping through the formats of one class, adding, deleting, clearing and
// copying. Entries are canonical format texts, unique (compared exactly),
// in the order they were added, at most kMaxLegalFmts of them.

#include <vector>

#include "CmTimeCls.h"
#include "time/format/format_state.h"
#include "time/report_sites.h"

namespace {

std::vector<CmString>& mSelectList(bool workingCopy) {
  return workingCopy ? CmTimeCls::m_vsTmpLegalFmts : CmTimeCls::m_vsLegalFmts;
}

// The counts are public and could be written by a caller; the vectors are
// the truth, and every change writes the count back from them.
void mSyncCounts() {
  CmTimeCls::iNumLegalFmts = static_cast<int>(CmTimeCls::m_vsLegalFmts.size());
  CmTimeCls::iNumTmpLegalFmts = static_cast<int>(CmTimeCls::m_vsTmpLegalFmts.size());
}

// The loop cursor of a format class, or null for a value outside the enum.
int* mCursorOf(eFormatType type) {
  switch (type) {
    case eDateFormat: return &CmTimeCls::iDateLoop;
    case eTimeFormat: return &CmTimeCls::iTimeLoop;
    case eDateTimeFormat: return &CmTimeCls::iDateTimeLoop;
    default: return nullptr;
  }
}

int mFindEntry(const std::vector<CmString>& list, const CmString& text) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] == text) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

void CmTimeCls::mInitLoop(eFormatType type) {
  int* pCursor = mCursorOf(type);
  if (pCursor != nullptr) *pCursor = 0;
}

bool CmTimeCls::mNextFormat(eFormatType type, CmString& format, bool workingCopy) {
  format.clear();
  int* pCursor = mCursorOf(type);
  if (pCursor == nullptr) {
    // Reported once where the cursor is taken and once where it would be
    // stored back; no cursor moves and the current format is untouched.
    cvn::detail::mReport(cvn::detail::kReportLoopCursorTake);
    cvn::detail::mReport(cvn::detail::kReportLoopCursorStore);
    return false;
  }

  const cvn::detail::xFormatState xSaved = CmTimeFormatImpl::mCapture(*this);

  const std::vector<CmString>& vsList = mSelectList(workingCopy);
  const int iSize = static_cast<int>(vsList.size());
  int iCursor = *pCursor < 0 ? 0 : *pCursor;
  bool bFound = false;
  while (!bFound && iCursor < iSize) {
    const CmString sEntry = vsList[static_cast<size_t>(iCursor)];
    ++iCursor;  // past every entry examined, the found one included
    // A refused entry keeps the previous class and must not count as found.
    if (mSetFormat(sEntry.c_str()) && m_eFormat == type) {
      format = sEntry;
      bFound = true;
    }
  }
  *pCursor = iCursor;
  CmTimeFormatImpl::mApply(*this, xSaved);
  return bFound;
}

bool CmTimeCls::mAddFormat(const wchar_t* format, bool workingCopy) {
  const cvn::detail::xFormatState xSaved = CmTimeFormatImpl::mCapture(*this);
  bool bResult = false;
  if (mSetFormat(format)) {
    CmString sCanonical;
    mGenerateFormat(m_iNumParts, m_xParts, m_sDateSep.c_str(), m_sTimeSep.c_str(), m_b24Hour,
                    m_eAMPMFormat, sCanonical);
    std::vector<CmString>& vsList = mSelectList(workingCopy);
    // Only a canonical text that can itself be made current is taken: not
    // the empty text of a format without parts (such as "@"), nor the text
    // of an odd accepted spelling that does not parse back ("@DMS" is
    // written "dm ss"), nor one that parses as another format (with the
    // input decimal "." and the output decimal ",", ".ms" is written
    // "m ,s", which reads as a month and a second). So every entry stays
    // a legal format whose canonical text is itself.
    bool bUsable = !sCanonical.empty() && mSetFormat(sCanonical.c_str());
    if (bUsable) {
      CmString sAgain;
      mGenerateFormat(m_iNumParts, m_xParts, m_sDateSep.c_str(), m_sTimeSep.c_str(), m_b24Hour,
                      m_eAMPMFormat, sAgain);
      bUsable = sAgain == sCanonical;
    }
    if (bUsable && static_cast<int>(vsList.size()) < kMaxLegalFmts) {
      if (mFindEntry(vsList, sCanonical) < 0) vsList.push_back(sCanonical);
      bResult = true;
    }
    mSyncCounts();
  }
  CmTimeFormatImpl::mApply(*this, xSaved);
  return bResult;
}

bool CmTimeCls::mDeleteFormat(const wchar_t* format, bool workingCopy) {
  const cvn::detail::xFormatState xSaved = CmTimeFormatImpl::mCapture(*this);
  bool bResult = false;
  if (mSetFormat(format)) {
    CmString sCanonical;
    mGenerateFormat(m_iNumParts, m_xParts, m_sDateSep.c_str(), m_sTimeSep.c_str(), m_b24Hour,
                    m_eAMPMFormat, sCanonical);
    std::vector<CmString>& vsList = mSelectList(workingCopy);
    const int iIndex = mFindEntry(vsList, sCanonical);
    if (iIndex >= 0) {
      vsList.erase(vsList.begin() + iIndex);
      bResult = true;
    }
    mSyncCounts();
  }
  CmTimeFormatImpl::mApply(*this, xSaved);
  return bResult;
}

void CmTimeCls::mDeleteAllFormats() {
  m_vsLegalFmts.clear();
  m_vsTmpLegalFmts.clear();
  mSyncCounts();
}

void CmTimeCls::mCopyFromFormat(bool toMain) {
  // A copy of the source: mAddFormat must not see it change under it.
  const std::vector<CmString> vsSource = toMain ? m_vsTmpLegalFmts : m_vsLegalFmts;
  std::vector<CmString>& vsTarget = toMain ? m_vsLegalFmts : m_vsTmpLegalFmts;
  vsTarget.clear();
  mSyncCounts();
  for (const CmString& sEntry : vsSource) {
    if (!sEntry.empty()) mAddFormat(sEntry.c_str(), !toMain);
  }
}
