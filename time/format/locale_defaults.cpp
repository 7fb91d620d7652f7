// Locale initialisation helpers: one regional value through the platform
// layer, the designator tokens of the regional time format, cleaning of the
// regional formats and the object's default formats.

#include "time/format/locale_defaults.h"

#include <string>

#include "platform/platform.h"

namespace cvn::detail {

bool mReadLocaleText(unsigned lcType, int bufferChars, CmString* out) {
  constexpr int kMaxChars = 64;
  if (out == nullptr || bufferChars < 1 || bufferChars > kMaxChars) return false;
  wchar_t szBuffer[kMaxChars] = {};
  const int iWritten = cvn::platform::mGetLocaleInfo(lcType, szBuffer, bufferChars);
  if (iWritten <= 0) return false;
  // Whatever the platform did, the text ends inside the buffer.
  szBuffer[bufferChars - 1] = L'\0';
  *out = szBuffer;
  return true;
}

bool mIsUpperLetter(wchar_t c) { return mToLower(c) != c; }

CmString mRewriteDesignatorToken(const CmString& timeFormat, const CmString& am, const CmString& pm,
                                 const CmString& amLower, const CmString& pmLower, bool upperCase) {
  CmString sOut(timeFormat);
  const int n = sOut.length();
  if (n < 2 || sOut[n - 1] != L't') return sOut;

  const bool bLocale = !am.empty() && !pm.empty();
  const CmString sAM = bLocale ? (upperCase ? am : amLower) : CmString(L"AM");
  const CmString sPM = bLocale ? (upperCase ? pm : pmLower) : CmString(L"PM");
  if (sOut[n - 2] == L't') {
    sOut.mTruncate(n - 2);
    sOut += sAM;
    sOut += L'/';
    sOut += sPM;
  } else {
    sOut.mTruncate(n - 1);
    if (!sAM.empty()) sOut += sAM[0];
    sOut += L'/';
    if (!sPM.empty()) sOut += sPM[0];
  }
  return sOut;
}

void mCleanShortDate(CmString& shortDate) {
  shortDate.mRemoveChars(L' ', true);
  const int n = shortDate.length();
  if (n > 0 && !mIsCharAlpha(shortDate[n - 1])) shortDate.mTruncate(n - 1);
}

void mCleanTimeFormat(CmString& timeFormat) {
  const int n = timeFormat.length();
  if (n > 0 && !mIsCharAlpha(timeFormat[n - 1]) && timeFormat[n - 1] != L'.') {
    timeFormat.mTruncate(n - 1);
  }
}

CmString mMonthDayFormat(const CmString& shortDate, const CmString& dateSep) {
  CmString sOut(shortDate);
  sOut.mRemoveChars(L'y', true);
  if (sOut.empty() || dateSep.empty()) return sOut;

  const wchar_t cSep = dateSep[0];
  const int n = sOut.length();
  if (sOut[0] == cSep) {
    sOut.mDelete(0, 1);
  } else if (sOut[n - 1] == cSep) {
    sOut.mTruncate(n - 1);
  } else if (n > 2) {
    // The year stood between two separators: "dd.yy.mm" left "dd..mm".
    std::wstring& s = sOut.str();
    const std::wstring sDouble(2, cSep);
    size_t pos = 1;
    while ((pos = s.find(sDouble, pos)) != std::wstring::npos) {
      s.replace(pos, 2, 1, cSep);
      ++pos;
    }
  }
  return sOut;
}

CmString mMonthYearFormat(const CmString& shortDate) {
  const int iYear = shortDate.mFind(L"yy");  // -1 when missing
  const int iMonth = shortDate.mFind(L'm');  // -1 when missing
  return CmString(iYear > iMonth ? L"mm/yyyy" : L"yyyy/mm");
}

eShortDateCase mClassifyShortDate(int numParts, const CmTimeCls::xTimePartsStruct* parts) {
  if (parts == nullptr) return eNoCase;
  if (numParts == 3) {
    if (parts[1].ePart == xMonthAbbrev) return eCaseA;
    for (int i = 0; i < 3; ++i) {
      const xTimePartsEnum ePart = parts[i].ePart;
      if (ePart != xMonthNumber && ePart != xDay && ePart != xYear) return eNoCase;
      if (parts[i].iCount > 2) return eNoCase;
    }
    return eCaseB;
  }
  if (numParts == 2 && parts[0].ePart == xMonthAbbrev && parts[0].iCount == 3 &&
      (parts[1].iCount == 1 || parts[1].iCount == 2)) {
    return eCaseC;
  }
  return eNoCase;
}

int mBuildDefaultFormats(const CmString& shortDate, const CmString& monthDay,
                         eShortDateCase shortDateCase, bool abbrev,
                         CmString (&out)[CmTimeCls::kMaxDefFmts], int* numPre15) {
  for (CmString& s : out) s.clear();
  int n = 0;
  auto store = [&out, &n](const CmString& format, bool withTime) {
    if (n >= CmTimeCls::kMaxDefFmts) return;
    out[n] = format;
    if (withTime) out[n] += L" h:mm:ss";
    ++n;
  };
  const CmString sMonth(abbrev ? L"mmm" : L"mmmm");

  if (!monthDay.empty()) store(monthDay, true);
  store(mMonthYearFormat(shortDate), true);
  store(shortDate, true);
  // The trailing blank of the next three doubles with the appended time;
  // the parser collapses it and the list holds the canonical text.
  if (shortDateCase != eCaseB) store(CmString(L"m/d/yy "), true);
  if (shortDateCase != eCaseA) store(CmString(L"d-") + sMonth + CmString(L"-yy "), true);
  if (shortDateCase != eCaseC) store(sMonth + CmString(L"-yy "), true);
  // Older format texts are recognised among the formats stored so far.
  if (numPre15 != nullptr) *numPre15 = n;
  store(sMonth + CmString(L" d"), true);
  store(sMonth + CmString(L" yyyy"), true);
  store(CmString(L"mmmm d, yyyy"), true);
  store(CmString(L"d mmmm yyyy"), true);
  store(CmString(L"d ") + sMonth, true);
  store(CmString(L"[h]:mm:ss"), false);
  store(CmString(L"h:mm:ss am/pm"), false);
  return n;
}

}  // namespace cvn::detail
