// Private side of the text-to-time reader: the working state of one split
// and one recognition, kept in fixed buffers so that reading a text that
// matches the current format does not allocate, and the steps that the
// CmTimeCls members of this folder are made of.
#pragma once

#include "CmString.h"
#include "CmTimeCls.h"
#include "time/reader/digits.h"

namespace cvn::detail {

// The string library's digit and letter tests, answered in line for ASCII,
// where they are fixed ('0' to '9'; 'a' to 'z' and 'A' to 'Z'), so the
// split does not call out for every character of common text.
inline bool mReaderIsDigit(wchar_t c) {
  return (c >= 0 && c < 0x80) ? (c >= L'0' && c <= L'9') : mIsCharDigit(c);
}
inline bool mReaderIsAlpha(wchar_t c) {
  return (c >= 0 && c < 0x80) ? ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'))
                              : mIsCharAlpha(c);
}

}  // namespace cvn::detail

struct CmTimeReaderImpl {
  using EAMPMFormat = CmTimeCls::EAMPMFormat;
  using xTimePartsStruct = CmTimeCls::xTimePartsStruct;

  static constexpr int kMaxDateText = 22;  // characters of the date piece
  static constexpr int kMaxTimeText = 20;  // characters of the time piece
  static constexpr int kMaxAbsText = 79;   // longest text a format can read
  // Three date tokens, four time tokens and the fraction of the seconds.
  static constexpr int kMaxTextParts = 8;

  // The three pieces of a text. The AM/PM piece is everything from the
  // start of the designator to the end of the text, so it is a view into
  // the split text and is zero-terminated with it.
  struct xPieces {
    cvn::detail::xFixedText<kMaxDateText> sDate;
    cvn::detail::xFixedText<kMaxTimeText> sTime;
    const wchar_t* pAmPm = L"";
    int iAmPmLen = 0;
  };

  // Cuts text into its date, time and AM/PM pieces under t's current
  // format. style is set to 0 first and then to the designator style found;
  // hasDateOrDesignator is only ever set to true. False when the text
  // cannot be split (a piece over its limit, a misplaced number, a
  // designator that is none).
  static bool mSplit(const CmTimeCls& t, const wchar_t* text, xPieces* out, EAMPMFormat* style,
                     bool* hasDateOrDesignator);
  // The steps of mSplit (split_pieces.cpp).
  class xSplitter;

  // One part of the text as read: the kind of the format part it matched
  // and the width typed.
  struct xTextPart {
    xTimePartsEnum ePart;
    int iCount;
  };

  // Working state of one recognition of a text under the current format.
  struct xRecognition {
    int iYear = 0, iMonth = 1, iDay = 1, iWeek = 1;
    int iHour = 0, iMinute = 0, iSecond = 0, iThousandth = 0;
    bool bDecisive = false;
    bool bYearWidthMatches = true;
    bool bValid = true;

    xPieces xText;
    // The date separator in force: a view of the current date separator,
    // or one character found in the date text (kept in szSepChar).
    const wchar_t* pSep = L"";
    int iSepLen = 0;
    wchar_t szSepChar[2] = {};

    // Date and time parts of the current format, as indexes into its parts.
    int aiFmtDate[CmTimeCls::kMaxParts] = {};
    int iNumFmtDate = 0;
    int aiFmtTime[CmTimeCls::kMaxParts] = {};
    int iNumFmtTime = 0;

    xTextPart axParts[kMaxTextParts] = {};
    int iNumParts = 0;
    int iNumDateParts = 0;  // leading entries of axParts that are date parts
    int iNumTimeTokens = 0;

    bool bQuarterSeen = false, bWeekSeen = false, bDaySeen = false;
    bool bAnyDateToken = false;
    bool bCompact = false;
    bool bRangeCheck = true;

    // Whether reading should go on: a valid text, or an invalid one whose
    // remaining tokens may still clear the decisive flag.
    bool mGoingOn() const { return bValid || bDecisive; }
    void mInvalid() { bValid = false; }
    void mInvalidNotDecisive() {
      bValid = false;
      bDecisive = false;
    }
    void mAddPart(xTimePartsEnum part, int count) {
      if (iNumParts < kMaxTextParts) axParts[iNumParts++] = {part, count};
    }
  };

  // Steps of the recognition (recognise_date.cpp, recognise_time.cpp,
  // recognise_abs_time.cpp); each reads t's current format.
  static void mFindSeparatorInForce(const CmTimeCls& t, xRecognition* r);
  static void mReadDateTokens(const CmTimeCls& t, xRecognition* r);
  static void mCheckDayOfMonth(xRecognition* r);
  static void mReadTimeTokens(const CmTimeCls& t, xRecognition* r);
  static void mSetDateOfWeekOrTime(const CmTimeCls& t, xRecognition* r);
  // Rewrites t's current format after the text; returns mSetFormat's result.
  static bool mFollowText(CmTimeCls& t, xRecognition* r);

  // True when the designator text names the morning / the afternoon.
  static bool mIsAMDesignator(const CmTimeCls& t, const wchar_t* text);
  static bool mIsPMDesignator(const CmTimeCls& t, const wchar_t* text);

  // mIsMonthName of t, for the helpers of the date reader.
  static int mMonthOfName(const CmTimeCls& t, const wchar_t* upperText, bool* abbreviation);

  // The steady read (steady_read.cpp): mParseAbsTime of a text typed as
  // the current numeric format shows it, with the same fields and the same
  // effect on t, without the split and the format rewrite; false (t as the
  // full trial's first step leaves it) for every other text.
  static bool mReadSteady(CmTimeCls& t, const wchar_t* text, int* year, int* month, int* day,
                          int* hour, int* minute, int* second, int* thousandth);
  // The full way of mParseAbsTime (str_to_time.cpp): the current format,
  // then each default format, tried in turn, and the format that stays
  // current afterwards. mParseAbsTime is the steady read, else this.
  static bool mReadByTrials(CmTimeCls& t, const wchar_t* text, int* year, int* month, int* day,
                            int* hour, int* minute, int* second, int* thousandth);

  // Reads text as a whole integer the way the recogniser's number tokens
  // are read: numeric (mIsNumeric), free of the input decimal symbol, and
  // read by "%d". False (out untouched) otherwise.
  static bool mReadIntegerToken(const wchar_t* text, int* out);
};
