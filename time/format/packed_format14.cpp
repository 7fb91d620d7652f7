// The version-14 packed form: three words, read and written for files of
// the older generation, which knew no elapsed formats, showed fractions of
// a second only with two digits and only its own short date spellings.

#include <vector>

#include "CmTimeCls.h"
#include "time/report_sites.h"

namespace {

// Rewrites the fraction of a time format text to two digits: the "s"
// letters after the first "." become "ss". True when the text changed.
// Only a "." right after the seconds starts the fraction; one inside a
// locale designator ("vorm./nachm.") is left alone.
bool mFractionToTwoDigits(CmString& time) {
  int iDot = time.mFind(L'.');
  while (iDot == 0 || (iDot > 0 && time[iDot - 1] != L's')) iDot = time.mFind(L'.', iDot + 1);
  if (iDot < 0) return false;
  int iDeleted = 0;
  while (iDot + 1 < time.length() && time[iDot + 1] == L's') {
    time.mDelete(iDot + 1, 1);
    ++iDeleted;
  }
  time.mInsert(iDot + 1, L"ss");
  return iDeleted != 2;
}

}  // namespace

// Brings the format of the global instance into what version 14 can show,
// then packs this object. Called on gcmTime, as the entry points do, the
// words show the adjusted format; called on another object they show that
// object's own format, which is left untouched.
void CmTimeCls::mGetFormat14(std::vector<unsigned>& words) const {
  CmTimeCls& xGlobal = gcmTime;
  if (m_bElapsedTimeFlag) {
    // No elapsed formats in version 14: the regional default instead.
    const CmString sDefault = m_sShortDateFmt + CmString(L" ") + m_sTimeFmt;
    xGlobal.mSetFormat(sDefault.c_str());
  } else {
    CmString sFormat = xGlobal.m_sDateTimeFmt;
    CmString sDate;
    CmString sTime;
    xGlobal.mGetDateTimeFmtParts(sFormat, sDate, sTime);
    // The fraction becomes ".ss" whatever its digit count was, also when it
    // already had two: deleting them without putting them back would leave a
    // bare "." and lose the fraction.
    const bool bFractionChanged = !sTime.empty() && mFractionToTwoDigits(sTime);
    CmString sDateCopy = sDate;  // mIsPre15Format rewrites its argument
    if (!sDate.empty() && !xGlobal.mIsPre15Format(sDateCopy)) {
      xGlobal.mSetDateFormat();
      // A date-only format needs no join (it would only add a final blank).
      if (!sTime.empty()) {
        const CmString sJoined = xGlobal.m_sDateTimeFmt + CmString(L" ") + sTime;
        xGlobal.mSetFormat(sJoined.c_str());
      }
    } else if (bFractionChanged) {
      // A time-only format or an older date spelling keeps its date, but
      // version 14 still shows only two decimals.
      const CmString sCandidate = sDate.empty() ? sTime : sDate + CmString(L" ") + sTime;
      xGlobal.mSetFormat(sCandidate.c_str());
    }
  }

  mPackFormat(words);
  if (words.size() < static_cast<size_t>(PACKED_WORDS_14)) {
    cvn::detail::mReport(cvn::detail::kReportPacked14Short);
  }
  words.resize(static_cast<size_t>(PACKED_WORDS_14), 0u);
}

void CmTimeCls::mSetFormat14(const std::vector<unsigned>& words) {
  if (words.size() != static_cast<size_t>(PACKED_WORDS_14)) {
    cvn::detail::mReport(cvn::detail::kReportPacked14Size);
  }
  std::vector<unsigned> vuFormat(words);
  vuFormat.resize(4, 0u);
  mUnpackFormat(vuFormat);
}
