// The class-wide month and weekday name tables: English names built in,
// regional names loaded by mInitTimeClassMonthNames, and the queries over
// them.
//
// The tables have constant initialisers, so they hold the English names
// before any dynamic initialisation runs (gcmTime is constructed during
// static initialisation of another file and may read them).

#include "CmTimeCls.h"
#include "platform/platform.h"

wchar_t CmTimeCls::gszMonthAbbrevUpper[12][8] = {L"JAN", L"FEB", L"MAR", L"APR", L"MAY", L"JUN",
                                                 L"JUL", L"AUG", L"SEP", L"OCT", L"NOV", L"DEC"};
wchar_t CmTimeCls::gszMonthAbbrevUpperNoStop[12][8] = {
    L"JAN", L"FEB", L"MAR", L"APR", L"MAY", L"JUN", L"JUL", L"AUG", L"SEP", L"OCT", L"NOV", L"DEC"};
wchar_t CmTimeCls::gszMonthAbbrev[12][8] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                            L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
wchar_t CmTimeCls::gszMonthNameUpper[12][32] = {
    L"JANUARY", L"FEBRUARY", L"MARCH",     L"APRIL",   L"MAY",      L"JUNE",
    L"JULY",    L"AUGUST",   L"SEPTEMBER", L"OCTOBER", L"NOVEMBER", L"DECEMBER"};
wchar_t CmTimeCls::gszMonthName[12][32] = {L"January",   L"February", L"March",    L"April",
                                           L"May",       L"June",     L"July",     L"August",
                                           L"September", L"October",  L"November", L"December"};
wchar_t CmTimeCls::gszDayAbbrev[7][8] = {L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat", L"Sun"};
wchar_t CmTimeCls::gszDayAbbrevNoStop[7][8] = {L"Mon", L"Tue", L"Wed", L"Thu",
                                               L"Fri", L"Sat", L"Sun"};
wchar_t CmTimeCls::gszDayName[7][32] = {L"Monday", L"Tuesday",  L"Wednesday", L"Thursday",
                                        L"Friday", L"Saturday", L"Sunday"};
bool CmTimeCls::gbAbbrevMonthNames = true;

namespace {

// Regional buffers, in characters with the terminator: full names and
// abbreviations. A longer name is not available.
constexpr int kFullNameChars = 31;
constexpr int kAbbrevChars = 7;

// Copies text into a table entry of N characters, cut to fit and always
// zero-terminated.
template <int N>
void mStoreEntry(wchar_t (&entry)[N], const wchar_t* text, int length) {
  int iCount = length < N - 1 ? length : N - 1;
  if (iCount < 0) iCount = 0;
  for (int i = 0; i < iCount; ++i) entry[i] = text[i];
  entry[iCount] = L'\0';
}

template <int N>
void mStoreEntry(wchar_t (&entry)[N], const CmString& text) {
  mStoreEntry(entry, text.c_str(), text.length());
}

// Reads a regional name into a CmString; false when it is not available.
bool mReadName(unsigned lcType, int bufferChars, CmString& name) {
  wchar_t szBuffer[kFullNameChars] = {};
  if (bufferChars > kFullNameChars) bufferChars = kFullNameChars;
  if (cvn::platform::mGetLocaleInfo(lcType, szBuffer, bufferChars) <= 0) return false;
  szBuffer[bufferChars - 1] = L'\0';
  name = szBuffer;
  return true;
}

bool mEndsWithStop(const CmString& text) {
  return text.length() > 0 && text[text.length() - 1] == L'.';
}

CmString mUpper(const CmString& text) {
  CmString sUpper(text);
  mStringToUpper(sUpper);
  return sUpper;
}

}  // namespace

void mInitTimeClassMonthNames() {
  CmTimeCls::gbAbbrevMonthNames = true;
  for (int iMonth = 0; iMonth < 12; ++iMonth) {
    const unsigned iOffset = static_cast<unsigned>(iMonth);
    CmString sFull;
    CmString sAbbrev;
    const bool bFull =
        mReadName(cvn::platform::kLocaleSMonthName1 + iOffset, kFullNameChars, sFull);
    const bool bAbbrev =
        mReadName(cvn::platform::kLocaleSAbbrevMonthName1 + iOffset, kAbbrevChars, sAbbrev);
    // Numbers for abbreviated month names make the default formats use full
    // names instead.
    if (iMonth == 0 && bAbbrev) CmTimeCls::gbAbbrevMonthNames = !mIsNumeric(sAbbrev.c_str());
    if (bFull) {
      mStoreEntry(CmTimeCls::gszMonthName[iMonth], sFull);
      mStoreEntry(CmTimeCls::gszMonthNameUpper[iMonth], mUpper(sFull));
    }
    if (bAbbrev) {
      mStoreEntry(CmTimeCls::gszMonthAbbrevUpper[iMonth], mUpper(sAbbrev));
      if (mEndsWithStop(sAbbrev)) sAbbrev = sAbbrev.mLeft(sAbbrev.length() - 1);
      mStoreEntry(CmTimeCls::gszMonthAbbrev[iMonth], sAbbrev);
      mStoreEntry(CmTimeCls::gszMonthAbbrevUpperNoStop[iMonth], mUpper(sAbbrev));
    }
  }
  for (int iDay = 0; iDay < 7; ++iDay) {
    const unsigned iOffset = static_cast<unsigned>(iDay);
    CmString sName;
    if (mReadName(cvn::platform::kLocaleSDayName1 + iOffset, kFullNameChars, sName)) {
      mStoreEntry(CmTimeCls::gszDayName[iDay], sName);
    }
    if (mReadName(cvn::platform::kLocaleSAbbrevDayName1 + iOffset, kAbbrevChars, sName)) {
      mStoreEntry(CmTimeCls::gszDayAbbrev[iDay], sName);
    }
  }
  for (int iDay = 0; iDay < 7; ++iDay) {
    const CmString sAbbrev(CmTimeCls::gszDayAbbrev[iDay]);
    const int iLength = sAbbrev.length() - (mEndsWithStop(sAbbrev) ? 1 : 0);
    mStoreEntry(CmTimeCls::gszDayAbbrevNoStop[iDay], sAbbrev.c_str(), iLength);
  }
}

int CmTimeCls::mIsMonthName(const wchar_t* upperText, bool* abbreviation) const {
  *abbreviation = false;
  if (upperText == nullptr) return 0;
  // Texts that differ in their first character are never equal, so only
  // the entries that begin like the text are compared in full.
  const wchar_t cFirst = upperText[0];
  for (int i = 0; i < 12; ++i) {
    if ((gszMonthAbbrevUpper[i][0] == cFirst &&
         mStrCompare(upperText, gszMonthAbbrevUpper[i]) == 0) ||
        (gszMonthAbbrevUpperNoStop[i][0] == cFirst &&
         mStrCompare(upperText, gszMonthAbbrevUpperNoStop[i]) == 0)) {
      *abbreviation = true;
      return i + 1;
    }
  }
  for (int i = 0; i < 12; ++i) {
    if (gszMonthNameUpper[i][0] == cFirst && mStrCompare(upperText, gszMonthNameUpper[i]) == 0) {
      return i + 1;
    }
  }
  return 0;
}

void CmTimeCls::mGetMonthAbbreviations(std::vector<CmString>& out) const {
  out.clear();
  for (const auto& szAbbrev : gszMonthAbbrev) out.emplace_back(szAbbrev);
}

void CmTimeCls::mGetDayAbbreviations(std::vector<CmString>& out) const {
  out.clear();
  for (const auto& szAbbrev : gszDayAbbrev) out.emplace_back(szAbbrev);
}
