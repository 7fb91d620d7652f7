// Format selection internals: a view of the fields that make up an object's
// current format, a copy of them to put back after a format was tried, the
// class-wide flags derived from a format text, and the width rule of
// mGetFormat as a pure function.
#pragma once

#include "CmString.h"
#include "CmTimeCls.h"

namespace cvn::detail {

// The per-object fields of the current format, by reference. A member of
// CmTimeCls builds it over its own fields; the helpers below need no access
// to the class's private part.
struct xFormatFieldsRef {
  CmString& sText;  // m_sDateTimeFmt
  int& iNumParts;
  CmTimeCls::xTimePartsStruct* pParts;  // room for CmTimeCls::kMaxParts
  bool& b24Hour;
  CmTimeCls::EAMPMFormat& eAMPMFormat;
  eFormatType& eFormat;
  CmString& sDateSep;
  CmString& sTimeSep;
};

// A copy of the current format, taken before formats are tried on the
// object and put back afterwards, so the object ends exactly as it began
// whatever the tried formats did (and whether or not its own text would
// parse again under the present decimal symbol and designators).
class xFormatSnapshot {
 public:
  explicit xFormatSnapshot(const xFormatFieldsRef& fields);
  // Writes the copy back and sets the class-wide flags from its text, as
  // setting that text again would.
  void mRestore(const xFormatFieldsRef& fields) const;
  const CmString& mText() const { return m_sText; }

 private:
  CmString m_sText;
  int m_iNumParts;
  CmTimeCls::xTimePartsStruct m_xParts[CmTimeCls::kMaxParts];
  bool m_b24Hour;
  CmTimeCls::EAMPMFormat m_eAMPMFormat;
  eFormatType m_eFormat;
  CmString m_sDateSep;
  CmString m_sTimeSep;
};

// The class-wide flags of a current format text: m_bElapsedTimeFlag when it
// contains "[", m_bFmtHasComma when it contains ",".
void mSetClassFlagsFromText(const CmString& text);

// The widest text a format can produce, and whether it has date and time
// parts. Starts at -1; a date part adds 1 for its separator (a week part 3
// when it is alone, else 2, for its label), a time part 1; then a month
// name adds the widest name of its table (widestAbbrev / widestName), any
// other part its count, plus 1 for a count of 1 (one letter may show two
// digits). designatorChars is added when the format has a time part and is
// a 12-hour format. numParts is clipped to [0, 7]. Example: "m/d/yy" gives 8.
int mFormatWidth(int numParts, const CmTimeCls::xTimePartsStruct* parts, bool b24Hour,
                 int widestAbbrev, int widestName, int designatorChars, bool* hasDate,
                 bool* hasTime);

// True for the parts counted as time by the width rule: hour, minute,
// second and the three fractions.
bool mIsClockPart(xTimePartsEnum part);

}  // namespace cvn::detail
