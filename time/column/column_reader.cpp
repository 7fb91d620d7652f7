// CmColumnReader::mRead: the survey of every text, the column's decision,
// then the read of each text under it.

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

void mReadColumn(const std::wstring_view* texts, std::size_t count, const xColumnOptions& options,
                 xColumnResult& r) {
  const double dMissing = CmCVNConst::kMissingValueCode;
  const cc::xNames xNames = cc::mNamesInForce();
  const cc::xWindow xWin = mWindow(options.iTwoDigitYearMax);
  cc::xSurvey xSurvey;
  cc::xTokens xTokens;
  cc::xFields xFields;
  // Survey: every text's shape.
  for (std::size_t i = 0; i < count; ++i) {
    const std::wstring_view s = mTrimmed(texts[i]);
    if (s.empty()) {
      r.veStatus[i] = eRowStatus::eMissing;
      continue;
    }
    if (cc::mTokenise(s, xNames, xTokens) && cc::mParseFields(xTokens, xFields)) {
      cc::mSurveyAdd(xSurvey, xFields, xWin);
    }
  }
  cc::xDecision d = cc::mDecide(xSurvey, options, mRegionalOrder());
  d.xWin = xWin;
  d.iDefaultYear = mThisYear();
  // Read: each text under the decision.
  xColumnReport& rep = r.xReport;
  for (std::size_t i = 0; i < count; ++i) {
    if (r.veStatus[i] == eRowStatus::eMissing) {
      ++rep.iMissing;
      continue;
    }
    const std::wstring_view s = mTrimmed(texts[i]);
    cc::eReason eWhy = cc::eReason::eNotDate;
    int iDay = 0, iLength = 0;
    double dValue = dMissing;
    if (cc::mTokenise(s, xNames, xTokens) && cc::mParseFields(xTokens, xFields) &&
        cc::mResolve(xFields, d, &dValue, &eWhy, &iDay, &iLength)) {
      r.vdValues[i] = dValue;
      r.veStatus[i] = eRowStatus::eRead;
      ++rep.iRead;
      continue;
    }
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
