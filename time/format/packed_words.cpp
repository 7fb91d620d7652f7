// Packing the current format into words and restoring a format from them.

#include "time/format/packed_words.h"

#include <cstdint>

#include "CvnBasicTypes.h"
#include "time/format/format_state.h"
#include "time/format/select_state.h"
#include "time/report_sites.h"

namespace cvn::detail {
namespace {

// Where the kind and the count of each part live: word and lowest bit.
struct xFieldPos {
  int iWord;
  int iBit;
};
constexpr xFieldPos kKindPos[CmTimeCls::kMaxParts] = {{0, 4}, {0, 12}, {0, 20}, {0, 28},
                                                      {1, 4}, {1, 12}, {1, 20}};
constexpr xFieldPos kCountPos[CmTimeCls::kMaxParts] = {{0, 8}, {0, 16}, {0, 24}, {1, 0},
                                                       {1, 8}, {1, 16}, {1, 24}};
constexpr int kFieldBits = 4;
constexpr int kFractionBit = 28;  // word 1, two bits
constexpr int kCommaBit = 30;     // word 1
constexpr int kElapsedBit = 31;   // word 1

unsigned mField(const std::vector<unsigned>& w, xFieldPos pos) {
  return mGetBits(w[static_cast<size_t>(pos.iWord)], pos.iBit + kFieldBits - 1, kFieldBits);
}

// Conversion of a signed value to the bits stored: modular, so a damaged
// negative value cannot reach undefined behaviour; mSetBits keeps the low bits.
unsigned mBitsOf(int v) { return static_cast<unsigned>(v); }

}  // namespace

unsigned mSepCharCode(const CmString& text, int i) {
  if (i < 0 || i >= text.length()) return 0;
  return static_cast<unsigned>(static_cast<std::uint32_t>(text[i])) & 0xFFu;
}

std::vector<unsigned> mPackWords(const xPackedFormat& format) {
  std::vector<unsigned> w(kPackedWords, 0u);
  int iNumParts = format.iNumParts;
  if (iNumParts < 0) iNumParts = 0;
  if (iNumParts > CmTimeCls::kMaxParts) iNumParts = CmTimeCls::kMaxParts;

  mSetBits(&w[0], 0, 3, mBitsOf(iNumParts));
  mSetBits(&w[0], 3, 1, format.b24Hour ? 1u : 0u);
  for (int i = 0; i < iNumParts; ++i) {
    int iKind = format.xParts[i].ePart;
    int iCount = format.xParts[i].iCount;
    if (iKind == xTenth || iKind == xThousandth) {
      mSetBits(&w[1], kFractionBit, 2, mBitsOf(iCount));
      iKind = xHundredth;
      iCount = 2;
    }
    mSetBits(&w[static_cast<size_t>(kKindPos[i].iWord)], kKindPos[i].iBit, kFieldBits,
             mBitsOf(iKind));
    mSetBits(&w[static_cast<size_t>(kCountPos[i].iWord)], kCountPos[i].iBit, kFieldBits,
             mBitsOf(iCount));
  }
  mSetBits(&w[1], kCommaBit, 1, format.bHasComma ? 1u : 0u);
  mSetBits(&w[1], kElapsedBit, 1, format.bElapsed ? 1u : 0u);
  mSetBits(&w[2], 0, 8, format.uDateSep1);
  mSetBits(&w[2], 8, 8, format.uDateSep2);
  mSetBits(&w[2], 16, 8, format.uTimeSep);
  mSetBits(&w[2], 24, 8, format.uAMPMFormat);
  return w;
}

xPackedFormat mUnpackWords(const std::vector<unsigned>& words) {
  std::vector<unsigned> w(words.begin(),
                          words.size() > kPackedWords ? words.begin() + kPackedWords : words.end());
  w.resize(kPackedWords, 0u);

  xPackedFormat x;
  x.iNumParts = static_cast<int>(mGetBits(w[0], 2, 3));  // [0, 7]
  x.b24Hour = mGetBits(w[0], 3, 1) != 0;
  const unsigned uFraction = mGetBits(w[1], kFractionBit + 1, 2);
  for (int i = 0; i < x.iNumParts; ++i) {
    // Every value of four bits names an enumerator (0 to 15).
    auto eKind = static_cast<xTimePartsEnum>(mField(w, kKindPos[i]));
    auto iCount = static_cast<int>(mField(w, kCountPos[i]));  // [0, 15]
    if (eKind == xHundredth) {
      if (uFraction == 1) {
        eKind = xTenth;
        iCount = 1;
      } else if (uFraction == 3) {
        eKind = xThousandth;
        iCount = 3;
      }
    }
    x.xParts[i].ePart = eKind;
    x.xParts[i].iCount = iCount;
  }
  x.bHasComma = mGetBits(w[1], kCommaBit, 1) != 0;
  x.bElapsed = mGetBits(w[1], kElapsedBit, 1) != 0;
  x.uDateSep1 = mGetBits(w[2], 7, 8);
  x.uDateSep2 = mGetBits(w[2], 15, 8);
  x.uTimeSep = mGetBits(w[2], 23, 8);
  x.uAMPMFormat = mGetBits(w[2], 31, 8);
  return x;
}

CmString mDateSepText(const xPackedFormat& format) {
  CmString s;
  if (format.uDateSep1 == 0) return s;
  s += static_cast<wchar_t>(format.uDateSep1);
  if (format.uDateSep2 != 0) s += static_cast<wchar_t>(format.uDateSep2);
  return s;
}

CmString mTimeSepText(const xPackedFormat& format) {
  CmString s;
  if (format.uTimeSep != 0) s += static_cast<wchar_t>(format.uTimeSep);
  return s;
}

}  // namespace cvn::detail

void CmTimeCls::mPackFormat(std::vector<unsigned>& words) const {
  cvn::detail::xPackedFormat x;
  x.iNumParts = m_iNumParts < 0 ? 0 : (m_iNumParts > kMaxParts ? kMaxParts : m_iNumParts);
  for (int i = 0; i < x.iNumParts; ++i) x.xParts[i] = m_xParts[i];
  x.b24Hour = m_b24Hour;
  x.bHasComma = m_bFmtHasComma;
  x.bElapsed = m_bElapsedTimeFlag;
  x.uDateSep1 = cvn::detail::mSepCharCode(m_sDateSep, 0);
  x.uDateSep2 = cvn::detail::mSepCharCode(m_sDateSep, 1);
  // The parser gives every format the time separator ":", but only a
  // format with a time part uses it: a date format stores 0 there, so that
  // day, month number and year with "/" pack to just the "/" in word 2.
  bool bHasTime = false;
  for (int i = 0; i < x.iNumParts; ++i) {
    if (cvn::detail::mIsClockPart(m_xParts[i].ePart)) bHasTime = true;
  }
  x.uTimeSep = bHasTime ? cvn::detail::mSepCharCode(m_sTimeSep, 0) : 0u;
  x.uAMPMFormat = static_cast<unsigned>(m_eAMPMFormat) & 0xFFu;
  words = cvn::detail::mPackWords(x);
}

void CmTimeCls::mUnpackFormat(const std::vector<unsigned>& words) {
  const cvn::detail::xPackedFormat x = cvn::detail::mUnpackWords(words);

  // The generator reads the elapsed flag for the bracketed spellings, so
  // the class-wide flags take the stored values first. The words are
  // turned into text and set like any typed format: the text is parsed
  // again and the parts, separators and flags come from it. When it is
  // refused (or empty) the previous format stays whole, flags included.
  CmTimeFormatImpl::mSetClassFlags(x.bElapsed, x.bHasComma);
  const CmString sDateSep = cvn::detail::mDateSepText(x);
  const CmString sTimeSep = cvn::detail::mTimeSepText(x);
  CmString sFormat;
  mGenerateFormat(x.iNumParts, x.xParts, sDateSep.c_str(), sTimeSep.c_str(), x.b24Hour,
                  static_cast<EAMPMFormat>(x.uAMPMFormat), sFormat);
  if (!mSetFormat(sFormat.c_str())) {
    CmTimeFormatImpl::mSetClassFlagsFromText(m_sDateTimeFmt);
  } else {
    // Words that no parsed format packs (parts of kind 0, stray separators)
    // can give a text that the parser reads as another format than the
    // text's own (",  m ,   " is a month with the separator " "). Then the
    // canonical text of what was read is made current, so restoring the
    // packed form of a restored format changes nothing. The words of a
    // parsed format generate their canonical text and are not touched.
    CmString sCanonical;
    mGenerateFormat(m_iNumParts, m_xParts, m_sDateSep.c_str(), m_sTimeSep.c_str(), m_b24Hour,
                    m_eAMPMFormat, sCanonical);
    if (!sCanonical.empty() && sCanonical != sFormat) mSetFormat(sCanonical.c_str());
  }

  if (words.size() > 3 && words[3] != 0) cvn::detail::mReport(cvn::detail::kReportPackedFourthWord);
}
