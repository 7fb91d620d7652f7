// Locale initialisation: reads the regional settings into the object,
// selects the regional default format, builds the object's default formats
// and adds them to the class-wide legal-format list.
//
// Runs inside the constructor of gcmTime during static initialisation, so
// nothing here may rely on a namespace-scope object of another file.

#include "CmTimeCls.h"
#include "platform/platform.h"
#include "time/format/locale_defaults.h"

namespace {

// The upper-case designator (blanks trimmed) and its lower-case copy; an
// unreadable designator is empty. Returns the designator as read.
CmString mReadDesignator(unsigned lcType, CmString& upper, CmString& lower) {
  CmString sRead;
  if (!cvn::detail::mReadLocaleText(lcType, cvn::detail::kDesignatorChars, &sRead)) {
    sRead.clear();
  }
  upper = sRead;
  mStringToUpper(upper);
  upper.mTrimLeadingAndTrailingBlanks();
  lower = upper;
  mStrLowerInternal(lower, "time", __LINE__);
  return sRead;
}

}  // namespace

void CmTimeCls::mInitialize() {
  namespace pf = cvn::platform;
  namespace dt = cvn::detail;

  m_bAbbrevMonthNames = gbAbbrevMonthNames;
  const double dNow = mNow();

  // The regional value is 0 (Monday) to 6 (Sunday). Anything else, even a
  // number, keeps 6: the week arithmetic indexes by this value.
  m_iStartDayOfWeek = 6;
  CmString sValue;
  if (dt::mReadLocaleText(pf::kLocaleIFirstDayOfWeek, dt::kFirstDayOfWeekChars, &sValue)) {
    int iDay = 0;
    if (sValue.mStringToNum(&iDay) && iDay >= 0 && iDay <= 6) m_iStartDayOfWeek = iDay;
  }

  mToDayThousandths(dNow, &m_iInitDay, &m_dInitTimeOfDay);

  // The regional formats of the previous run (none on a new object).
  mSetDefFormat();
  iDateLoop = 0;
  iTimeLoop = 0;
  iDateTimeLoop = 0;

  if (dt::mReadLocaleText(pf::kLocaleSShortDate, dt::kShortDateChars, &sValue)) {
    mStrLowerInternal(sValue, "time", __LINE__);
    m_sShortDateFmt = sValue;
  }

  CmString sTime;
  if (dt::mReadLocaleText(pf::kLocaleSTimeFormat, dt::kTimeFormatChars, &sTime)) {
    m_sAMDefault = L"AM";
    m_sPMDefault = L"PM";
    m_sAMDefaultLower = L"am";
    m_sPMDefaultLower = L"pm";
    const CmString sAMRead = mReadDesignator(pf::kLocaleS1159, m_sAM, m_sAMLower);
    mReadDesignator(pf::kLocaleS2359, m_sPM, m_sPMLower);
    // The locale's designator case is that of the AM designator's first
    // character as read.
    const bool bUpperCase = !sAMRead.empty() && dt::mIsUpperLetter(sAMRead[0]);

    mTrim(sTime);
    mLeftJustify(sTime);
    mStrLowerInternal(sTime, "time", __LINE__);
    m_sTimeFmt =
        dt::mRewriteDesignatorToken(sTime, m_sAM, m_sPM, m_sAMLower, m_sPMLower, bUpperCase);
  }

  dt::mCleanShortDate(m_sShortDateFmt);
  dt::mCleanTimeFormat(m_sTimeFmt);

  mSetDefFormat();

  // Default formats. The short date is classified by parsing it into
  // locals; the parse also writes the format class and may touch the
  // elapsed flag, which are put back at once so the current format set
  // above stays whole.
  CmString sDateSep;
  if (!dt::mReadLocaleText(pf::kLocaleSDate, dt::kDateSepChars, &sDateSep)) sDateSep.clear();
  const CmString sMonthDay = dt::mMonthDayFormat(m_sShortDateFmt, sDateSep);
  dt::eShortDateCase eCase = dt::eNoCase;
  {
    const eFormatType eSavedFormat = m_eFormat;
    const bool bSavedElapsed = m_bElapsedTimeFlag;
    CmString sParsedDateSep;
    CmString sParsedTimeSep;
    int iNumParts = 0;
    xTimePartsStruct xParts[kMaxParts] = {};
    bool b24Hour = true;
    EAMPMFormat eAMPMFormat = eAmPmUpperSpaced;
    // Classified by the parts the scan stored, whether or not it accepted.
    mParseFormat(m_sShortDateFmt.c_str(), sParsedDateSep, sParsedTimeSep, &iNumParts, xParts,
                 &b24Hour, &eAMPMFormat);
    eCase = dt::mClassifyShortDate(iNumParts, xParts);
    m_eFormat = eSavedFormat;
    m_bElapsedTimeFlag = bSavedElapsed;
  }
  int iNumPre15 = 0;
  m_iNumDefFmts = dt::mBuildDefaultFormats(m_sShortDateFmt, sMonthDay, eCase, m_bAbbrevMonthNames,
                                           m_sDefFmts, &iNumPre15);
  m_iNumPre15Fmts = iNumPre15;

  // Illegal and duplicate ones add nothing; each call leaves the current
  // format as it was.
  for (int i = 0; i < m_iNumDefFmts; ++i) mAddFormat(m_sDefFmts[i].c_str(), false);

  // The current format after initialisation is the regional default
  // (short date, a blank, time format) made current above: m_sDateTimeFmt
  // keeps the text that was parsed, so text and parts always agree. The
  // text of the first default format (month and day only) is not stored in
  // its place. Only an object that has no format at all (no regional format
  // was ever legal) takes the first default format that is accepted.
  if (m_sDateTimeFmt.empty()) {
    for (int i = 0; i < m_iNumDefFmts; ++i) {
      if (mSetFormat(m_sDefFmts[i].c_str())) break;
    }
  }

  mCopyFromFormat(false);
}
