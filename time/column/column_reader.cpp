// CmColumnReader::mRead: the survey of every text, the column's decision,
// then the read of each text under it.
//
// One pass surveys the column: each text is cut into its fields (through a
// layout template of the column when one matches, else through the general
// reader), its shape and evidence are added to the survey (counts, minima,
// maxima and unions only, so the decision cannot depend on the order of the
// rows), and it is read ahead under the decision its shape most likely
// gets. The decision follows from the survey alone. A second pass keeps
// each value read ahead under what the decision turned out to be and reads
// the other texts again; every value is the one the decision gives. Nothing
// is allocated per text except the reason of a refused one (and, for lines
// of UTF-8, a cursor's buffer growing to a line longer than any before).

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <exception>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "CmColumnReader.h"
#include "CmRegionalSettings.h"
#include "CvnBasicTypes.h"
#include "platform/memory_advice.h"
#include "platform/platform.h"
#include "time/column/column_impl.h"
#include "time/column/column_rows.h"

namespace {

namespace cc = cvn::column;
namespace cp = cvn::platform;

bool mIsBlankChar(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0xA0 || c == 0x202F ||
         c == 0xFEFF;
}

// The text without blanks around it; empty for a missing value ("*").
std::wstring_view mTrimmed(std::wstring_view s) {
  // The usual text: a printable ASCII character at both ends, not "*".
  if (s.size() > 1 && s.front() > L' ' && s.front() < 0x7F && s.back() > L' ' && s.back() < 0x7F) {
    return s;
  }
  std::size_t b = 0, e = s.size();
  while (b < e && mIsBlankChar(s[b])) ++b;
  while (e > b && mIsBlankChar(s[e - 1])) --e;
  s = s.substr(b, e - b);
  if (s.size() == 1 && s[0] == L'*') return {};
  return s;
}

// The two-digit-year window: the option, else the regional setting, else
// the library's default end 2029.
cc::xWindow mWindow(int optionMax) {
  long lEnd = optionMax;
  if (lEnd > 0 && lEnd < 100) lEnd += 2000;  // "29": the window ending 2029
  if (lEnd <= 0) {
    wchar_t szBuffer[5] = {};
    if (cp::mReadTwoDigitYearMax(szBuffer, 5)) lEnd = std::wcstol(szBuffer, nullptr, 10);
  }
  if (lEnd <= 0 || lEnd > 9999) lEnd = 2029;
  cc::xWindow x;
  x.iMax = static_cast<int>(lEnd % 100);
  x.iBase = static_cast<int>((lEnd - 99) / 100 * 100);
  return x;
}

unsigned mRegionalOrder() {
  wchar_t szBuffer[64] = {};
  if (cp::mGetLocaleInfo(cp::kLocaleSShortDate, szBuffer, 64) <= 0) return cc::kMdy;
  return cc::mOrderOfShortDate(szBuffer);
}

int mThisYear() {
  cp::xLocalClock x{};
  cp::mLocalNow(&x);
  return x.iYearsSince1900 + 1900;
}

// The fields of one text: from a template of the column when one matches,
// else from the general reader (whose result may become a new template).
class xFieldReader {
 public:
  explicit xFieldReader(const cc::xNames& names) : m_xNames(names) { m_vTemplates.reserve(kMax); }

  // The fields of text into f and their shape key into *key; false when the
  // text has no shape.
  bool mRead(std::wstring_view text, cc::xFields& f, std::uint64_t* key) {
    const std::size_t n = m_vTemplates.size();
    // The template of the text before first: a column mostly keeps its layout.
    if (n > 0 && cc::mMatchTemplate(m_vTemplates[m_iLast], text, m_bBaseLoaded, f)) {
      m_bBaseLoaded = true;
      *key = m_vTemplates[m_iLast].iKey;
      return true;
    }
    m_bBaseLoaded = false;
    for (std::size_t i = 0; i < n; ++i) {
      if (i != m_iLast && cc::mMatchTemplate(m_vTemplates[i], text, false, f)) {
        m_iLast = i;
        m_bBaseLoaded = true;
        *key = m_vTemplates[i].iKey;
        return true;
      }
    }
    if (!cc::mTokenise(text, m_xNames, m_xTokens) || !cc::mParseFields(m_xTokens, f)) return false;
    *key = cc::mShapeKey(f);
    if (n < kMax && cc::mMakeTemplate(text, f, m_xNew)) {
      m_vTemplates.push_back(m_xNew);
      m_iLast = n;
    }
    return true;
  }

 private:
  static constexpr std::size_t kMax = 8;
  const cc::xNames& m_xNames;
  std::vector<cc::xTemplate> m_vTemplates;
  std::size_t m_iLast = 0;
  bool m_bBaseLoaded = false;  // the fields hold the sample of template m_iLast
  cc::xTokens m_xTokens;
  cc::xTemplate m_xNew;
};

// Rows in the making: read ahead by the survey under one of the likely
// decisions (the code says which), or pending.
enum eAhead : std::uint8_t {
  kPending = 0x80,
  kAheadDate = 0x81,  // a date whose value no decision but the kind changes
  kAheadMdy = 0x82,   // numeric dates, by order
  kAheadDmy = 0x83,
  kAheadYmd = 0x84,
  kAheadCompact = 0x85,
  kAheadDayNumber = 0x86,
  kAheadTimeOfDay = 0x87,
  kAheadElapsed = 0x88
};

eRowStatus mStatus(eAhead e) { return static_cast<eRowStatus>(e); }

bool mIsDateKind(eColumnKind e) { return e == eColumnKind::eDate || e == eColumnKind::eDateTime; }

eAhead mAheadOfOrder(unsigned order) {
  return order == cc::kDmy ? kAheadDmy : order == cc::kYmd ? kAheadYmd : kAheadMdy;
}

// True when a row read ahead under code e reads the same under d.
bool mKeeps(eRowStatus e, const cc::xDecision& d) {
  const bool bDates = mIsDateKind(d.eKind);
  switch (static_cast<std::uint8_t>(e)) {
    case kAheadDate: return bDates;
    case kAheadMdy:
    case kAheadDmy:
    case kAheadYmd: return bDates && mAheadOfOrder(d.uOrder) == static_cast<eAhead>(e);
    case kAheadCompact: return bDates && d.bCompact;
    case kAheadDayNumber: return d.bDayNumbers && (bDates || d.eKind == eColumnKind::eDayNumber);
    case kAheadTimeOfDay: return d.eKind == eColumnKind::eTimeOfDay;
    case kAheadElapsed: return d.eKind == eColumnKind::eElapsed;
    default: return false;
  }
}

// The survey of a range of rows: each text cut into its fields, added to
// the survey and read ahead under the decision the column most likely takes
// for its shape (dates in the order the texts so far favour, compact digits
// as dates, times as times of day or elapsed). The read after the decision
// keeps a value when the decision turns out so, and reads the rest again;
// either way the value is the one the decision gives, so two ranges
// surveyed apart and merged give the same column as one.
class xSurveyPass {
 public:
  xSurveyPass(const cc::xNames& names, const cc::xDecision& dates, unsigned assumed,
              bool numbersAsDayNumbers)
      : m_xReader(names), m_xDates(dates), m_uAssumed(assumed), m_bDayNumbers(numbersAsDayNumbers) {
    m_xTimes = dates;
    m_xTimes.eKind = eColumnKind::eTimeOfDay;
    m_xElapsed = dates;
    m_xElapsed.eKind = eColumnKind::eElapsed;
    m_xElapsed.bElapsed = true;
  }

  // Surveys rows [begin, end) into r's vectors (those rows only), their
  // texts taken from cursor.
  template <class Cursor>
  void mRun(Cursor& cursor, std::size_t begin, std::size_t end, xColumnResult& r);

  cc::xSurvey m_xSurvey;
  cc::xFields m_xFields;
  xFieldReader m_xReader;

 private:
  cc::xDecision m_xDates, m_xTimes, m_xElapsed;
  unsigned m_uAssumed;
  bool m_bDayNumbers;
};

template <class Cursor>
void xSurveyPass::mRun(Cursor& cursor, std::size_t begin, std::size_t end, xColumnResult& r) {
  cc::xSurvey& xSurvey = m_xSurvey;
  cc::xFields& xFields = m_xFields;
  for (std::size_t i = begin; i < end; ++i) {
    const std::wstring_view s = mTrimmed(cursor.mText(i));
    if (s.empty()) {
      r.veStatus[i] = eRowStatus::eMissing;
      continue;
    }
    r.veStatus[i] = mStatus(kPending);
    std::uint64_t iKey = 0;
    if (!m_xReader.mRead(s, xFields, &iKey)) continue;
    cc::mSurveyAdd(xSurvey, xFields, iKey, m_xDates.xWin);
    const cc::xDecision* pLikely = &m_xDates;
    eAhead eCode = kAheadDate;
    switch (xFields.eDate) {
      case cc::eDateForm::eNumeric:
        m_xDates.uOrder = cc::mLeadingOrder(xSurvey, m_uAssumed);
        eCode = mAheadOfOrder(m_xDates.uOrder);
        break;
      case cc::eDateForm::eCompact: eCode = kAheadCompact; break;
      case cc::eDateForm::eNumber:
        if (!m_bDayNumbers) continue;
        eCode = kAheadDayNumber;
        break;
      case cc::eDateForm::eNone:
        if (xSurvey.bElapsedMark && !xSurvey.bDesignator) {
          pLikely = &m_xElapsed;
          eCode = kAheadElapsed;
        } else {
          pLikely = &m_xTimes;
          eCode = kAheadTimeOfDay;
        }
        break;
      default: break;
    }
    cc::eReason eWhy = cc::eReason::eNone;
    int iDay = 0, iLength = 0;
    if (cc::mResolve(xFields, *pLikely, &r.vdValues[i], &eWhy, &iDay, &iLength)) {
      r.veStatus[i] = mStatus(eCode);
      // Plain numbers have no shape in the survey.
      if (eCode != kAheadDayNumber) {
        cc::mAddMarks(xSurvey.vShapes[xSurvey.iLastShape].axRead[eCode - kPending], xFields);
      }
    }
  }
}

// Surveys the column into first: on two threads, each over half the rows
// with a pass of its own, when the column has twoThreadsFrom rows or more
// and a thread starts; else on this one.
template <class Rows>
void mSurveyColumn(const Rows& rows, std::size_t twoThreadsFrom, xSurveyPass& first,
                   const xSurveyPass& blank, xColumnResult& r) {
  const std::size_t count = rows.mCount();
  auto xFirst = rows.mFirst();
  if (count < twoThreadsFrom || count < 2) {
    first.mRun(xFirst, 0, count, r);
    return;
  }
  const std::size_t iHalf = rows.mMiddle();
  // The second pass and its cursor are the second thread's own, apart from
  // what this thread writes (no cache line shared between them).
  const auto pSecond = std::make_unique<xSurveyPass>(blank);
  xSurveyPass& second = *pSecond;
  const auto mRunSecond = [&] {
    auto xSecond = rows.mAtMiddle();
    second.mRun(xSecond, iHalf, count, r);
  };
  std::exception_ptr pFailure;
  std::thread xThread;
  try {
    xThread = std::thread([&] {
      try {
        mRunSecond();
      } catch (...) {
        pFailure = std::current_exception();
      }
    });
  } catch (...) {
    // No thread: the second half here, after the first.
    first.mRun(xFirst, 0, iHalf, r);
    mRunSecond();
    cc::mSurveyMerge(first.m_xSurvey, second.m_xSurvey);
    return;
  }
  try {
    first.mRun(xFirst, 0, iHalf, r);
  } catch (...) {
    xThread.join();
    throw;
  }
  xThread.join();
  if (pFailure) std::rethrow_exception(pFailure);
  cc::mSurveyMerge(first.m_xSurvey, second.m_xSurvey);
}

template <class Rows>
void mReadColumn(const Rows& rows, const xColumnOptions& options, xColumnResult& r,
                 std::size_t twoThreadsFrom) {
  const std::size_t count = rows.mCount();
  const double dMissing = CmCVNConst::kMissingValueCode;
  const cc::xNames xNames = cc::mNamesInForce();
  const unsigned uRegionalOrder = mRegionalOrder();
  const unsigned uAssumed = cc::mAssumedOrder(options, uRegionalOrder);
  cc::xDecision xDates;
  xDates.eKind = eColumnKind::eDateTime;
  xDates.xWin = mWindow(options.iTwoDigitYearMax);
  xDates.iDefaultYear = mThisYear();
  xDates.bToUtc = options.bOffsetToUtc;
  xDates.bCompact = true;
  xDates.bDayNumbers = options.bNumbersAsDayNumbers;
  xDates.uOrder = uAssumed;
  const xSurveyPass xBlank(xNames, xDates, uAssumed, options.bNumbersAsDayNumbers);
  xSurveyPass xPass = xBlank;
  mSurveyColumn(rows, twoThreadsFrom, xPass, xBlank, r);
  cc::xSurvey& xSurvey = xPass.m_xSurvey;
  cc::xFields& xFields = xPass.m_xFields;
  xFieldReader& xReader = xPass.m_xReader;
  cc::xDecision d = cc::mDecide(xSurvey, options, uRegionalOrder);
  d.xWin = xDates.xWin;
  d.iDefaultYear = xDates.iDefaultYear;
  d.sDesignatorPair = xNames.sDesignatorPair;
  // Read: each text the survey did not settle, under the decision.
  xColumnReport& rep = r.xReport;
  auto xCursor = rows.mFirst();
  for (std::size_t i = 0; i < count; ++i) {
    const eRowStatus e = r.veStatus[i];
    if (e == eRowStatus::eMissing) {
      ++rep.iMissing;
      continue;
    }
    if (mKeeps(e, d)) {
      r.veStatus[i] = eRowStatus::eRead;
      ++rep.iRead;
      continue;
    }
    const std::wstring_view s = mTrimmed(xCursor.mText(i));
    cc::eReason eWhy = cc::eReason::eNotDate;
    int iDay = 0, iLength = 0;
    double dValue = dMissing;
    std::uint64_t iKey = 0;
    if (xReader.mRead(s, xFields, &iKey) &&
        cc::mResolve(xFields, d, &dValue, &eWhy, &iDay, &iLength)) {
      r.vdValues[i] = dValue;
      r.veStatus[i] = eRowStatus::eRead;
      ++rep.iRead;
      if (const auto it = xSurvey.mIndex.find(iKey); it != xSurvey.mIndex.end()) {
        cc::mAddMarks(xSurvey.vShapes[it->second].axRead[0], xFields);
      }
      continue;
    }
    r.vdValues[i] = dMissing;
    r.veStatus[i] = eRowStatus::eRefused;
    r.vxRefusals.push_back({i, cc::mReasonText(eWhy, iDay, iLength)});
    ++rep.iRefused;
  }
  // The report shows the texts read: per shape, those kept from the survey
  // and those read under the decision.
  for (cc::xShapeStats& x : xSurvey.vShapes) {
    cc::xMarks m = x.axRead[0];
    for (int k = 1; k < cc::kReadSlots; ++k) {
      const cc::xMarks& a = x.axRead[k];
      if (a.iCount == 0 || !mKeeps(mStatus(static_cast<eAhead>(kPending + k)), d)) continue;
      m.iCount += a.iCount;
      m.uShort |= a.uShort;
      m.nFraction = std::max(m.nFraction, a.nFraction);
    }
    x.iCount = m.iCount;
    x.bShortFirst = (m.uShort & cc::kShortFirst) != 0;
    x.bShortSecond = (m.uShort & cc::kShortSecond) != 0;
    x.bShortThird = (m.uShort & cc::kShortThird) != 0;
    x.bShortHour = (m.uShort & cc::kShortHour) != 0;
    x.nFraction = m.nFraction;
  }
  cc::mFillReport(xSurvey, d, rep);
  if (rep.iRead == 0) {
    rep.sFormat.clear();
    rep.vsAlternatives.clear();
    rep.eKind = eColumnKind::eEmpty;
  }
}

// Room for count elements in v, fresh storage advised to take huge pages
// (the old elements are not kept).
template <class T>
void mReserveFresh(std::vector<T>& v, std::size_t count) {
  if (v.capacity() >= count) return;
  std::vector<T>().swap(v);
  v.reserve(count);
  cp::mAdviseHugePages(v.data(), count * sizeof(T));
}

template <class Rows>
void mReadRows(const Rows& rows, const xColumnOptions& options, xColumnResult& result,
               std::size_t twoThreadsFrom) {
  const double dMissing = CmCVNConst::kMissingValueCode;
  try {
    mReserveFresh(result.vdValues, rows.mCount());
    mReserveFresh(result.veStatus, rows.mCount());
    result.vdValues.assign(rows.mCount(), dMissing);
    result.veStatus.assign(rows.mCount(), eRowStatus::eRefused);
    result.vxRefusals.clear();
    result.xReport = xColumnReport{};
    mReadColumn(rows, options, result, twoThreadsFrom);
  } catch (...) {
    // Out of memory: every row refused, nothing reported.
    result.vxRefusals.clear();
    result.xReport = xColumnReport{};
    for (auto& e : result.veStatus) e = eRowStatus::eRefused;
    for (auto& v : result.vdValues) v = dMissing;
    result.xReport.iRefused = result.veStatus.size();
  }
}

}  // namespace

void CmColumnReader::mRead(const std::wstring_view* texts, std::size_t count,
                           xColumnResult& result) const {
  cc::mReadInto(texts, count, m_xOptions, result, cc::kTwoThreadsFrom);
}

void CmColumnReader::mReadLines(std::string_view lines, xColumnResult& result) const {
  cc::mReadLinesInto(lines, m_xOptions, result, cc::kTwoThreadsFrom);
}

void cc::mReadInto(const std::wstring_view* texts, std::size_t count, const xColumnOptions& options,
                   xColumnResult& result, std::size_t twoThreadsFrom) {
  if (texts == nullptr) count = 0;
  mReadRows(cc::xWideRows(texts, count), options, result, twoThreadsFrom);
}

void cc::mReadLinesInto(std::string_view lines, const xColumnOptions& options,
                        xColumnResult& result, std::size_t twoThreadsFrom) {
  mReadRows(cc::xUtf8Lines(lines), options, result, twoThreadsFrom);
}

void CmColumnReader::mRead(const std::vector<CmString>& texts, xColumnResult& result) const {
  std::vector<std::wstring_view> vViews;
  try {
    vViews.reserve(texts.size());
    for (const CmString& s : texts) vViews.emplace_back(s.str());
  } catch (...) {
    result = xColumnResult{};
    return;
  }
  mRead(vViews.data(), vViews.size(), result);
}
