// mShowFullPrecision: widens the current format until no non-zero clock
// part of the value is lost, then writes the value under it.

#include <cmath>

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "time/writer/writer_impl.h"

namespace cvn::detail {

int mGreatestPart(int numParts, const xWriterPart* parts) {
  const int iNumParts = mClampPartCount(numParts);
  int iGreatest = -1;
  for (int i = 0; i < iNumParts; ++i) {
    if (iGreatest < 0 || parts[i].ePart > parts[iGreatest].ePart) iGreatest = i;
  }
  return iGreatest;
}

int mFractionDigits(int thousandths) {
  if (thousandths % 10 != 0) return 3;
  if (thousandths % 100 != 0) return 2;
  return 1;
}

void mWidenClockParts(int* numParts, xWriterPart* parts, int greatest, int hour, int minute,
                      int second, int thousandths) {
  const int iFraction = mFractionDigits(thousandths);
  const xWriterPart kClock[4] = {{xHour, 2}, {xMinute, 2}, {xSecond, 2}, {xThousandth, iFraction}};
  // The finest non-zero clock field; -1 when all are 0.
  int iNeeded = -1;
  if (thousandths != 0) {
    iNeeded = 3;
  } else if (second != 0) {
    iNeeded = 2;
  } else if (minute != 0) {
    iNeeded = 1;
  } else if (hour != 0) {
    iNeeded = 0;
  }
  // Without parts there is no greatest kind: every clock kind is finer.
  const xTimePartsEnum eGreatest = greatest >= 0 ? parts[greatest].ePart : xNoPart;

  // When the needed kind is not finer than the greatest part nothing is
  // appended here: only kinds finer than the greatest one are.
  int iNumParts = mClampPartCount(*numParts);
  for (int j = 0; j <= iNeeded; ++j) {
    if (kClock[j].ePart <= eGreatest) continue;
    if (iNumParts == 0 || parts[iNumParts - 1].ePart <= xSecond) {
      // Seven parts is the most a format holds; a kind that finds no place
      // is dropped rather than written past the array.
      if (iNumParts < CmTimeCls::kMaxParts) parts[iNumParts++] = kClock[j];
    } else {
      xWriterPart& xLast = parts[iNumParts - 1];
      xLast.ePart = kClock[j].ePart;
      if (kClock[j].iCount > xLast.iCount) xLast.iCount = kClock[j].iCount;
    }
  }
  *numParts = iNumParts;

  if (eGreatest == xThousandth && parts[greatest].iCount < iFraction) {
    parts[greatest].iCount = iFraction;
  }
}

}  // namespace cvn::detail

void CmTimeCls::mShowFullPrecision(double t, CmString& text) {
  text.clear();
  // Beyond mGetMaxInteger() days no value can be shown (absolute values
  // that far are refused, elapsed ones end at 1096092 days): "*", and the
  // format is left as it was. NaN and the infinities likewise.
  if (mIsNumericMissing(t) || !(std::fabs(t) <= mGetMaxInteger())) {
    text = L"*";
    return;
  }

  int iDayNumber = 0;
  double dTimeOfDay = 0.0;
  mToDayThousandths(t, &iDayNumber, &dTimeOfDay);
  int iHour = 0;
  int iMinute = 0;
  int iSecond = 0;
  int iThousandths = 0;
  mFromTimeOfDay(dTimeOfDay, &iHour, &iMinute, &iSecond, &iThousandths);

  int iGreatest = cvn::detail::mGreatestPart(m_iNumParts, m_xParts);
  if (!m_bElapsedTimeFlag) {
    // A format without parts has no greatest kind and counts as a date
    // format here: a whole day gets the regional date format.
    const xTimePartsEnum eGreatest = iGreatest >= 0 ? m_xParts[iGreatest].ePart : xNoPart;
    if (dTimeOfDay == 0.0 && eGreatest <= xDay) {
      mSetDateFormat();
    } else {
      const bool b24Hour = m_b24Hour;
      if (t >= 0.0 && t < 1.0) {
        mSetTimeFormat();
      } else {
        mSetDefFormat();
      }
      m_b24Hour = b24Hour;
    }
    iGreatest = cvn::detail::mGreatestPart(m_iNumParts, m_xParts);
  }

  cvn::detail::mWidenClockParts(&m_iNumParts, m_xParts, iGreatest, iHour, iMinute, iSecond,
                                iThousandths);
  mCorvaneTimeToStr(t, false, text, 0);
}
