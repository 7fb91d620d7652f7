// Reads a few texts as dates and times and writes values back as text,
// using the library's built-in (United States English) settings.

#include <cstdio>
#include <string>

#include "CvnDateTime.h"

namespace {

// UTF-8 for the console, without touching the process's locale.
std::string mToUtf8(const std::wstring& text) {
  std::string sOut;
  for (wchar_t wc : text) {
    auto u = static_cast<unsigned long>(static_cast<unsigned int>(wc));
    if (u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) u = 0xFFFD;
    if (u < 0x80) {
      sOut += static_cast<char>(u);
    } else if (u < 0x800) {
      sOut += static_cast<char>(0xC0 | (u >> 6));
      sOut += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
      sOut += static_cast<char>(0xE0 | (u >> 12));
      sOut += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      sOut += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      sOut += static_cast<char>(0xF0 | (u >> 18));
      sOut += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
      sOut += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      sOut += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return sOut;
}

void mShowValue(const char* label, double value) {
  if (mIsNumericMissing(value)) {
    std::printf("  %-28s missing\n", label);
  } else {
    std::printf("  %-28s %.6f\n", label, value);
  }
}

}  // namespace

int main() {
  // Fixed settings, so the output does not depend on the host.
  mSetRegionalSettings(mBuiltInRegionalSettings());
  mInitTimeClassMonthNames();
  CmTimeCls xTime;

  std::printf("CvnDateTime %s\n", CVN_DATETIME_VERSION);
  std::printf("Current format: \"%s\"\n\n", mToUtf8(xTime.mGetDateTimeFmt().str()).c_str());

  std::printf("Reading text:\n");
  for (const wchar_t* pszText :
       {L"3/15/2020", L"3/15/2020 10:30:00 PM", L"March 15, 2020", L"2/29/2019", L"*"}) {
    double dValue = 0.0;
    const bool bOk = xTime.mStrToCorvaneTime(pszText, &dValue);
    CmString sBack;
    xTime.mCorvaneTimeToStr(dValue, false, sBack, 0);
    char szValue[32] = "missing";
    if (!mIsNumericMissing(dValue)) std::snprintf(szValue, sizeof(szValue), "%.6f", dValue);
    std::printf("  %-24s %-6s value %-16s written back \"%s\"\n", mToUtf8(pszText).c_str(),
                bOk ? "read" : "failed", szValue, mToUtf8(sBack.str()).c_str());
  }

  std::printf("\nWriting 1 January 2000, 12:00 under several formats:\n");
  const double dNoon = 36526.5;
  for (const wchar_t* pszFormat :
       {L"m/d/yyyy h:mm:ss", L"mmmm d, yyyy", L"d-mmm-yy", L"yyyy-mm-dd hh:mm", L"[h]:mm:ss"}) {
    CmString sText;
    if (xTime.mSetFormat(pszFormat)) {
      xTime.mCorvaneTimeToStr(dNoon, false, sText, 0);
    } else {
      sText = L"(format not accepted)";
    }
    std::printf("  %-24s \"%s\"\n", mToUtf8(pszFormat).c_str(), mToUtf8(sText.str()).c_str());
  }

  std::printf("\nCalendar values:\n");
  double dValue = 0.0;
  xTime.mGenerateCorvaneTime(2000, 1, 1, 12, 0, 0, 0, &dValue);
  mShowValue("2000-01-01 12:00:00", dValue);
  mShowValue("missing-value code", CmCVNConst::mInstance()->mGetMissingValueCode());
  std::printf("  %-28s %s\n", "36526.5 is a valid time",
              xTime.mValidCorvaneTime(dNoon) ? "yes" : "no");
  return 0;
}
