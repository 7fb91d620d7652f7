// Flat entry points that convert between text and Corvane times, step and
// count in time units, and check a value, all on the global object.
//
// Null pointers: one that is read counts as empty text or 0, one that is
// written is skipped. Everything is caught at the boundary; a failure gives
// the failure value (0 and the missing-value code where there is one).

#include "CmTimeCls.h"
#include "CvnBasicTypes.h"
#include "CvnEntryPoints.h"
#include "procedural/entry_points_detail.h"

namespace {

double mMissing() { return CmCVNConst::mInstance()->mGetMissingValueCode(); }

template <typename T>
T mReadOr0(const T* p) {
  return p == nullptr ? T(0) : *p;
}

template <typename T>
void mWriteIf(T* p, T value) {
  if (p != nullptr) *p = value;
}

// DTTOMT without the boundary: reads text under the global format.
int mTextToTime(CmString* const* text, double* value) {
  // The text is copied first: the read may not alias the caller's string.
  const CmString sText(cvn::detail::mEntryText(text));
  double dValue = mMissing();
  const bool bOk = gcmTime.mStrToCorvaneTime(sText.c_str(), &dValue);
  mWriteIf(value, dValue);
  return bOk ? 1 : 0;
}

// MWHEN into locals: mode 1 reads the text under the default format; any
// other mode checks that the value can be written.
void mWhen(const int* mode, CmString* const* text, double value, double* result, int* ok) {
  if (mReadOr0(mode) == 1) {
    gcmTime.mSetDefFormat();
    *ok = mTextToTime(text, result);
    return;
  }
  CmString sText;
  gcmTime.mCorvaneTimeToStr(value, false, sText, 0);
  if (sText == L"*") {
    *ok = 0;
    *result = mMissing();
  } else {
    *ok = 1;
    *result = value;
  }
}

enum class eWhenPart { eWhole, eDate, eTimeOfDay };

void mWhenEntry(const int* mode, CmString* const* text, const double* value, double* result,
                int* ok, eWhenPart part) {
  double dResult = mMissing();
  int iOk = 0;
  try {
    mWhen(mode, text, mReadOr0(value), &dResult, &iOk);
    // A missing value has no date or time part: it stays the missing-value
    // code (cutting it to a fraction would make a number of it).
    if (iOk == 1 && !mIsNumericMissing(dResult)) {
      if (part == eWhenPart::eDate) dResult = cvn::detail::mEntryDatePart(dResult);
      if (part == eWhenPart::eTimeOfDay) dResult = cvn::detail::mEntryTimeOfDayPart(dResult);
    }
  } catch (...) {
    dResult = mMissing();
    iOk = 0;
  }
  mWriteIf(result, dResult);
  mWriteIf(ok, iOk);
}

}  // namespace

extern "C" {

int DTTOMT(CmString** text, int unused, double* value) {
  static_cast<void>(unused);
  try {
    return mTextToTime(text, value);
  } catch (...) {
    mWriteIf(value, mMissing());
    return 0;
  }
}

void MTTODT(double* value, int* flag, CmString** text, int* length) {
  try {
    CmString sText;
    // Only 1 asks for the day number; any other flag writes the date.
    gcmTime.mCorvaneTimeToStr(mReadOr0(value), mReadOr0(flag) == 1, sText, 0);
    mWriteIf(length, sText.length());
    if (text != nullptr && *text != nullptr) **text = sText;
  } catch (...) {
  }
}

void NTTODT(double* count, int* unit, double* time, double* result) {
  try {
    double dResult = 0.0;
    gcmTime.mNormToCorvaneTime(mReadOr0(count), cvn::detail::mEntryUnit(mReadOr0(unit)),
                               mReadOr0(time), &dResult);
    mWriteIf(result, dResult);
  } catch (...) {
  }
}

int NGETOB(double* start, double* end, double* increment, int* unit) {
  try {
    return gcmTime.mNumTimesInRange(mReadOr0(start), mReadOr0(end), mReadOr0(increment),
                                    cvn::detail::mEntryUnit(mReadOr0(unit)));
  } catch (...) {
    return 0;
  }
}

void MWHEN(int* mode, CmString** text, int passThrough, double* value, double* result, int* ok) {
  static_cast<void>(passThrough);  // handed to the text reader, which ignores it
  mWhenEntry(mode, text, value, result, ok, eWhenPart::eWhole);
}

void MMDATE(int* mode, CmString** text, int passThrough, double* value, double* result, int* ok) {
  static_cast<void>(passThrough);
  mWhenEntry(mode, text, value, result, ok, eWhenPart::eDate);
}

void MTIME(int* mode, CmString** text, int passThrough, double* value, double* result, int* ok) {
  static_cast<void>(passThrough);
  mWhenEntry(mode, text, value, result, ok, eWhenPart::eTimeOfDay);
}

}  // extern "C"
