// CmColumnReader::mRead: the survey of every text, the column's decision,
// then the read of each text under it.

#include <cstdint>
#include <cwchar>
#include <exception>
#include <string_view>
#include <vector>

#include "CmColumnReader.h"
#include "CmRegionalSettings.h"
#include "CvnBasicTypes.h"
#include "platform/platform.h"
#include "time/column/column_impl.h"

namespace {

namespace cc = cvn::column;
namespace cp = cvn::platform;

bool mIsBlankChar(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0xA0 || c == 0x202F ||
         c == 0xFEFF;
}

// The text without blanks around it; empty for a missing value ("*").
std::wstring_view mTrimmed(std::wstring_view s) {
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
    for (std::size_t k = 0; k < n; ++k) {
      const std::size_t i = (m_iLast + k) % n;
      if (cc::mMatchTemplate(m_vTemplates[i], text, m_bBaseLoaded && i == m_iLast, f)) {
        m_iLast = i;
        m_bBaseLoaded = true;
        *key = m_vTemplates[i].iKey;
        return true;
      }
      m_bBaseLoaded = false;
    }
    m_bBaseLoaded = false;
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

// Rows the survey could not settle (read again under the decision).
constexpr auto kPending = static_cast<eRowStatus>(0x80);

bool mIsDateKind(eColumnKind e) { return e == eColumnKind::eDate || e == eColumnKind::eDateTime; }

void mReadColumn(const std::wstring_view* texts, std::size_t count, const xColumnOptions& options,
                 xColumnResult& r) {
  const double dMissing = CmCVNConst::kMissingValueCode;
  const cc::xNames xNames = cc::mNamesInForce();
  const unsigned uRegionalOrder = mRegionalOrder();
  cc::xSurvey xSurvey;
  cc::xFields xFields;
  xFieldReader xReader(xNames);
  // The survey reads every dated text ahead under the likely decision (a
  // column of dates in the assumed order); the read below keeps those
  // values when the decision turns out so, and reads the rest again.
  cc::xDecision xLikely;
  xLikely.eKind = eColumnKind::eDateTime;
  xLikely.uOrder = cc::mAssumedOrder(options, uRegionalOrder);
  xLikely.xWin = mWindow(options.iTwoDigitYearMax);
  xLikely.iDefaultYear = mThisYear();
  xLikely.bToUtc = options.bOffsetToUtc;
  for (std::size_t i = 0; i < count; ++i) {
    const std::wstring_view s = mTrimmed(texts[i]);
    if (s.empty()) {
      r.veStatus[i] = eRowStatus::eMissing;
      continue;
    }
    r.veStatus[i] = kPending;
    std::uint64_t iKey = 0;
    if (!xReader.mRead(s, xFields, &iKey)) continue;
    cc::mSurveyAdd(xSurvey, xFields, iKey, xLikely.xWin);
    if (!cc::mIsDateForm(xFields.eDate)) continue;
    cc::eReason eWhy = cc::eReason::eNone;
    int iDay = 0, iLength = 0;
    if (cc::mResolve(xFields, xLikely, &r.vdValues[i], &eWhy, &iDay, &iLength)) {
      r.veStatus[i] = eRowStatus::eRead;
    }
  }
  cc::xDecision d = cc::mDecide(xSurvey, options, uRegionalOrder);
  d.xWin = xLikely.xWin;
  d.iDefaultYear = xLikely.iDefaultYear;
  d.sDesignatorPair = xNames.sDesignatorPair;
  const bool bKeep = mIsDateKind(d.eKind) && d.uOrder == xLikely.uOrder;
  // Read: each text the survey did not settle, under the decision.
  xColumnReport& rep = r.xReport;
  for (std::size_t i = 0; i < count; ++i) {
    const eRowStatus e = r.veStatus[i];
    if (e == eRowStatus::eMissing) {
      ++rep.iMissing;
      continue;
    }
    if (e == eRowStatus::eRead && bKeep) {
      ++rep.iRead;
      continue;
    }
    const std::wstring_view s = mTrimmed(texts[i]);
    cc::eReason eWhy = cc::eReason::eNotDate;
    int iDay = 0, iLength = 0;
    double dValue = dMissing;
    std::uint64_t iKey = 0;
    if (xReader.mRead(s, xFields, &iKey) &&
        cc::mResolve(xFields, d, &dValue, &eWhy, &iDay, &iLength)) {
      r.vdValues[i] = dValue;
      r.veStatus[i] = eRowStatus::eRead;
      ++rep.iRead;
      continue;
    }
    r.vdValues[i] = dMissing;
    r.veStatus[i] = eRowStatus::eRefused;
    r.vxRefusals.push_back({i, cc::mReasonText(eWhy, iDay, iLength)});
    ++rep.iRefused;
  }
  cc::mFillReport(xSurvey, d, rep);
  if (rep.iRead == 0) {
    rep.sFormat.clear();
    rep.vsAlternatives.clear();
    rep.eKind = eColumnKind::eEmpty;
  }
}

}  // namespace

void CmColumnReader::mRead(const std::wstring_view* texts, std::size_t count,
                           xColumnResult& result) const {
  const double dMissing = CmCVNConst::kMissingValueCode;
  if (texts == nullptr) count = 0;
  try {
    result.vdValues.assign(count, dMissing);
    result.veStatus.assign(count, eRowStatus::eRefused);
    result.vxRefusals.clear();
    result.xReport = xColumnReport{};
    mReadColumn(texts, count, m_xOptions, result);
  } catch (...) {
    // Out of memory: every row refused, nothing reported.
    result.vxRefusals.clear();
    result.xReport = xColumnReport{};
    for (auto& e : result.veStatus) e = eRowStatus::eRefused;
    for (auto& v : result.vdValues) v = dMissing;
    result.xReport.iRefused = result.veStatus.size();
  }
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
