// Placeholder bodies until the writer is written.
#include "CmTimeCls.h"

void CmTimeCls::mCorvaneTimeToStr(double, bool, CmString& text, CmString& dateText, CmString& timeText, int) const { text = L"*"; dateText.clear(); timeText.clear(); }
void CmTimeCls::mCorvaneTimeToStr(double, bool, CmString& text, int) const { text = L"*"; }
void CmTimeCls::mExampleTime(CmString& text) const { text = L"*"; }
void CmTimeCls::mShowFullPrecision(double, CmString& text) { text = L"*"; }
