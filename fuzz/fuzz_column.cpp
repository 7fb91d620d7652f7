// Fuzz target: the column reader. Builds a column of texts shaped like real
// exports (ISO 8601 dates and date-times, week and ordinal dates, numeric
// dates in every order with '/', '-', '.' or blanks, month and weekday
// names, RFC 5322 and asctime dates, 12- and 24-hour clocks, offsets and
// zone names, compact digits, plain numbers, elapsed times), some of them
// mutated and some raw fuzz text, and reads it under one of the regional
// settings of fuzz_common.h with fuzzed options.
//
// Invariants:
// - one value and one status per text; the report's counts are the
//   statuses'; the refusals are exactly the refused rows, by increasing row,
//   each with a reason; the value is the missing-value code unless read, and
//   empty text, blanks and "*" are missing;
// - shuffling the rows gives the same value, status and reason for every
//   text and the same report;
// - a value read lies in the years 1000 to 4000, unless the column is an
//   elapsed-time column (then it is finite);
// - the values read, written under the reported format and imported
//   again, are read, and give the same values wherever the format shows
//   every field the value has (a date format for a whole day, a clock to
//   the minute for a whole minute, and so on); written and imported again
//   once more, they give the same texts.
// - a text that matches the layout template made from another text of the
//   column reads to the same fields as through the general reader;
// - no mAssert report.
//
// Input: a setup byte (settings), an options byte, a window byte, a shuffle
// seed, then rows: a row byte (shape, mutation) with its field bytes, or a
// raw text up to a newline.

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "CmColumnReader.h"
#include "fuzz/fuzz_common.h"
#include "siblings/string/utf8_decode.h"
#include "time/column/column_impl.h"

namespace {

namespace cc = cvn::column;
using cvn::fuzz::mFail;
using cvn::fuzz::mShow;

constexpr double kYear1000 = -328716.0;  // 1 January 1000
constexpr double kYear4001 = 767377.0;   // 1 January 4001
constexpr size_t kMaxRows = 48;

const wchar_t* const kMonths[12] = {L"January",   L"February", L"March",    L"April",
                                    L"May",       L"June",     L"July",     L"August",
                                    L"September", L"October",  L"November", L"December"};
const wchar_t* const kWeekdays[7] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                     L"Thursday", L"Friday", L"Saturday"};
const wchar_t* const kZones[] = {L"Z",   L"+0000", L"-0500", L"+05:30", L"+01", L"UT",
                                 L"GMT", L"EST",   L"EDT",   L"CST",    L"PDT", L"+1400"};
const wchar_t* const kDesignators[] = {L" AM",   L" PM", L"AM", L"pm",     L" a.m.",
                                       L" p.m.", L"a",   L" p", L" vorm.", L" nachm."};

std::wstring mNum(int value, int width) {
  std::wstring s = std::to_wstring(value < 0 ? -value : value);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), L'0');
  return value < 0 ? L"-" + s : s;
}

// Fields drawn mostly in range, sometimes just outside it.
struct xFields {
  int y, mo, d, h, mi, s, ms, wd;
};

xFields mTakeFields(FuzzedDataProvider& fdp) {
  xFields f;
  const uint8_t b = fdp.ConsumeIntegral<uint8_t>();
  f.y = (b & 3) == 0 ? fdp.ConsumeIntegralInRange(0, 9999) : fdp.ConsumeIntegralInRange(1900, 2100);
  f.mo = (b & 4) == 0 ? fdp.ConsumeIntegralInRange(1, 12) : fdp.ConsumeIntegralInRange(0, 13);
  f.d = (b & 8) == 0 ? fdp.ConsumeIntegralInRange(1, 28) : fdp.ConsumeIntegralInRange(0, 32);
  f.h = (b & 16) == 0 ? fdp.ConsumeIntegralInRange(0, 23) : fdp.ConsumeIntegralInRange(0, 99);
  f.mi = fdp.ConsumeIntegralInRange(0, (b & 32) == 0 ? 59 : 61);
  f.s = fdp.ConsumeIntegralInRange(0, (b & 32) == 0 ? 59 : 61);
  f.ms = fdp.ConsumeIntegralInRange(0, 999);
  f.wd = fdp.ConsumeIntegralInRange(0, 6);
  return f;
}

std::wstring mClock(const xFields& f, int style) {
  switch (style % 5) {
    case 0: return mNum(f.h, 2) + L":" + mNum(f.mi, 2);
    case 1: return mNum(f.h, 2) + L":" + mNum(f.mi, 2) + L":" + mNum(f.s, 2);
    case 2: return mNum(f.h, 2) + L":" + mNum(f.mi, 2) + L":" + mNum(f.s, 2) + L"." + mNum(f.ms, 3);
    case 3:
      return mNum(f.h % 12 == 0 ? 12 : f.h % 12, 1) + L":" + mNum(f.mi, 2) +
             kDesignators[(f.h >= 12 ? 1 : 0) + 2 * (style / 5 % 5)];
    default:
      return mNum(f.h % 12 == 0 ? 12 : f.h % 12, 1) + L":" + mNum(f.mi, 2) + L":" + mNum(f.s, 2) +
             kDesignators[(f.h >= 12 ? 1 : 0) + 2 * (style / 5 % 5)];
  }
}

// One text of a shape, with its fields.
std::wstring mShaped(int shape, const xFields& f, int style) {
  const wchar_t* const kSeps[] = {L"/", L"-", L".", L" "};
  const wchar_t* sep = kSeps[style % 4];
  const std::wstring sMonth = kMonths[(f.mo + 11) % 12];
  const std::wstring sMon = sMonth.substr(0, 3);
  const std::wstring sDay = kWeekdays[f.wd];
  const std::wstring sYear = mNum(f.y, 4);
  switch (shape % 22) {
    case 0: return sYear + L"-" + mNum(f.mo, 2) + L"-" + mNum(f.d, 2);
    case 1: return sYear + L"-" + mNum(f.mo, 2) + L"-" + mNum(f.d, 2) + L"T" + mClock(f, style % 3);
    case 2:
      return sYear + L"-" + mNum(f.mo, 2) + L"-" + mNum(f.d, 2) + (style & 1 ? L"T" : L" ") +
             mClock(f, 1 + style % 2) + kZones[style % 12];
    case 3: return sYear + mNum(f.mo, 2) + mNum(f.d, 2);
    case 4:
      return sYear + mNum(f.mo, 2) + mNum(f.d, 2) + L"T" + mNum(f.h, 2) + mNum(f.mi, 2) +
             mNum(f.s, 2);
    case 5: return sYear + L"-W" + mNum(f.d % 54, 2) + (style & 1 ? L"-" + mNum(f.wd + 1, 1) : L"");
    case 6: return sYear + L"-" + mNum(f.d * 12 + f.mo, 3);
    case 7: return sYear + L"-" + mNum(f.mo, 2);
    case 8: return mNum(f.mo, style & 4 ? 2 : 1) + sep + mNum(f.d, 1) + sep + sYear;
    case 9: return mNum(f.d, 1) + sep + mNum(f.mo, 1) + sep + mNum(f.y % 100, 2);
    case 10: return mNum(f.mo, 1) + L"/" + mNum(f.d, 1) + L"/" + sYear + L" " + mClock(f, style);
    case 11:
      return mNum(f.d, 2) + L"." + mNum(f.mo, 2) + L"." + sYear + L" " + mClock(f, style % 3);
    case 12:
      return mNum(f.d, 1) + (style & 1 ? L" " : L"-") + sMon + (style & 1 ? L" " : L"-") + sYear;
    case 13:
      return sMonth + L" " + mNum(f.d, 1) + L", " + sYear +
             (style & 2 ? L" " + mClock(f, style) : L"");
    case 14: return sYear + L"-" + sMon + L"-" + mNum(f.d, 2);
    case 15: return mNum(f.d, 1) + L". " + sMonth + L" " + sYear;
    case 16:
      return sDay.substr(0, 3) + L", " + mNum(f.d, 2) + L" " + sMon + L" " + sYear + L" " +
             mClock(f, 1) + L" " + kZones[1 + style % 11];
    case 17:
      return sDay.substr(0, 3) + L" " + sMon + L" " + mNum(f.d, 2) + L" " + mClock(f, 1) + L" " +
             sYear;
    case 18:
      return (style & 1 ? sDay : sDay.substr(0, 3)) + L", " + sMonth + L" " + mNum(f.d, 1) + L", " +
             sYear;
    case 19: return mClock(f, style);
    case 20:
      return (style & 1 ? L"-" : L"") + mNum(f.d, 1) + (style & 2 ? L" " : L".") + mNum(f.h, 2) +
             L":" + mNum(f.mi, 2) + L":" + mNum(f.s, 2);
    default: return mNum(f.h * 100 + f.mi, 1) + (style & 1 ? L"" : L"." + mNum(f.s, 1));
  }
}

// Edits a text: deletes, doubles, swaps or replaces one character.
void mMutate(FuzzedDataProvider& fdp, std::wstring& text) {
  if (text.empty()) return;
  const size_t i = fdp.ConsumeIntegralInRange<size_t>(0, text.size() - 1);
  switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0: text.erase(i, 1); break;
    case 1: text.insert(i, 1, text[i]); break;
    case 2: std::swap(text[i], text[(i + 1) % text.size()]); break;
    default: {
      const std::wstring sOne = cvn::fuzz::mDecodeText(fdp.ConsumeBytesAsString(2));
      text.replace(i, 1, sOne.empty() ? L" " : sOne);
    }
  }
}

std::vector<std::wstring> mTakeColumn(FuzzedDataProvider& fdp) {
  std::vector<std::wstring> vs;
  const int iMainShape = fdp.ConsumeIntegral<uint8_t>();
  while (fdp.remaining_bytes() > 0 && vs.size() < kMaxRows) {
    const uint8_t b = fdp.ConsumeIntegral<uint8_t>();
    if (b >= 0xE0) {
      vs.push_back(cvn::fuzz::mTakeText(fdp, 60));
      continue;
    }
    if (b >= 0xD8) {
      vs.push_back(b & 1 ? L"" : (b & 2 ? L"*" : L"  "));
      continue;
    }
    const int iShape = b < 0x80 ? iMainShape : b;
    const xFields f = mTakeFields(fdp);
    std::wstring s = mShaped(iShape, f, fdp.ConsumeIntegral<uint8_t>());
    if ((b & 0x60) == 0x60) mMutate(fdp, s);
    vs.push_back(s);
  }
  return vs;
}

std::string mShowColumn(const std::vector<std::wstring>& texts) {
  std::string s;
  for (const std::wstring& t : texts) s += "  [" + mShow(t) + "]\n";
  return s;
}

void mCheckResult(const std::vector<std::wstring>& texts, const xColumnResult& r,
                  const std::string& context) {
  const size_t n = texts.size();
  CVN_FUZZ_CHECK(r.vdValues.size() == n && r.veStatus.size() == n, context);
  size_t iRead = 0, iMissing = 0, iRefused = 0, iNext = 0;
  for (size_t i = 0; i < n; ++i) {
    const double v = r.vdValues[i];
    switch (r.veStatus[i]) {
      case eRowStatus::eRead:
        ++iRead;
        CVN_FUZZ_CHECK(std::isfinite(v) && !mIsNumericMissing(v),
                       context + "row " + std::to_string(i));
        if (r.xReport.eKind != eColumnKind::eElapsed) {
          CVN_FUZZ_CHECK(v >= kYear1000 && v < kYear4001,
                         context + "row " + std::to_string(i) + " value " + std::to_string(v));
        }
        break;
      case eRowStatus::eMissing: ++iMissing; break;
      case eRowStatus::eRefused:
        ++iRefused;
        CVN_FUZZ_CHECK(iNext < r.vxRefusals.size() && r.vxRefusals[iNext].iRow == i &&
                           !r.vxRefusals[iNext].sReason.empty(),
                       context + "refusal of row " + std::to_string(i));
        ++iNext;
        break;
      default: mFail("status", context);
    }
    if (r.veStatus[i] != eRowStatus::eRead) CVN_FUZZ_CHECK(mIsNumericMissing(v), context);
    std::wstring t = texts[i];
    t.erase(0, t.find_first_not_of(L" \t"));
    if (t.empty() || t == L"*") {
      CVN_FUZZ_CHECK(r.veStatus[i] == eRowStatus::eMissing, context + "row " + std::to_string(i));
    }
  }
  CVN_FUZZ_CHECK(iNext == r.vxRefusals.size(), context);
  CVN_FUZZ_CHECK(
      r.xReport.iRead == iRead && r.xReport.iMissing == iMissing && r.xReport.iRefused == iRefused,
      context + "counts");
  CVN_FUZZ_CHECK(r.xReport.sFormat.str().empty() == (iRead == 0), context + "format");
}

bool mSameReport(const xColumnReport& a, const xColumnReport& b) {
  return a.sFormat.str() == b.sFormat.str() && a.eKind == b.eKind && a.eOrder == b.eOrder &&
         a.iRead == b.iRead && a.iMissing == b.iMissing && a.iRefused == b.iRefused &&
         a.bAmbiguous == b.bAmbiguous && a.bMixed == b.bMixed &&
         a.vsAlternatives.size() == b.vsAlternatives.size() &&
         std::equal(a.vsAlternatives.begin(), a.vsAlternatives.end(), b.vsAlternatives.begin(),
                    [](const CmString& x, const CmString& y) { return x.str() == y.str(); });
}

// The finest unit, in days, that a format shows, or 0 when it cannot show
// every field of a value of that unit (no day, a week or quarter, a
// two-digit year).
double mShownUnit(const std::wstring& format) {
  std::wstring f;
  for (wchar_t c : format) f += static_cast<wchar_t>(c >= L'A' && c <= L'Z' ? c + 32 : c);
  if (f.find_first_of(L"qw\"") != std::wstring::npos) return 0.0;
  const bool bDate = f.find(L'y') != std::wstring::npos;
  if (bDate && (f.find(L"yyyy") == std::wstring::npos || f.find(L'd') == std::wstring::npos))
    return 0.0;
  const size_t iS = f.find(L's');
  if (iS != std::wstring::npos) {
    const size_t iFraction = f.find_first_of(L".,", iS);
    if (iFraction == std::wstring::npos) return 1.0 / 86400.0;
    const size_t iDigits =
        std::min(f.find_first_not_of(L's', iFraction + 1), f.size()) - iFraction - 1;
    return iDigits >= 3 ? 0.001 / 86400.0 : 0.0;
  }
  if (f.find(L':') != std::wstring::npos) return 1.0 / 1440.0;
  if (f.find(L'h') != std::wstring::npos) return 1.0 / 24.0;
  return bDate ? 1.0 : 0.0;
}

std::vector<std::wstring> mWriteColumn(const CmTimeCls& pristine, const std::wstring& format,
                                       const xColumnResult& r, std::vector<size_t>* rows) {
  CmTimeCls writer = pristine;
  std::vector<std::wstring> vs;
  if (!writer.mSetFormat(format.c_str())) return vs;
  CmString sText;
  for (size_t i = 0; i < r.vdValues.size(); ++i) {
    if (r.veStatus[i] != eRowStatus::eRead) continue;
    writer.mCorvaneTimeToStr(r.vdValues[i], false, sText, 0);
    if (sText.str() == L"*" || sText.str().empty()) continue;
    vs.push_back(sText.str());
    rows->push_back(i);
  }
  return vs;
}

// The fast path: a text that matches the layout template of another text
// reads to the same fields as through the general reader, under a few
// decisions (compared as one text: shape key, numbers, values or reasons).
std::string mOutcomes(const cc::xFields& f) {
  std::string s = std::to_string(cc::mShapeKey(f)) + "|" + std::to_string(f.a) + "," +
                  std::to_string(f.b) + "," + std::to_string(f.c) + "," + std::to_string(f.na) +
                  std::to_string(f.nb) + std::to_string(f.nc) + std::to_string(f.nHour) +
                  std::to_string(f.nFraction);
  for (int i = 0; i < 6; ++i) {
    cc::xDecision d;
    d.eKind = i < 3    ? eColumnKind::eDateTime
              : i == 3 ? eColumnKind::eElapsed
                       : eColumnKind::eTimeOfDay;
    d.bElapsed = i == 3;
    d.uOrder = i == 1 ? cc::kDmy : i == 2 ? cc::kYmd : cc::kMdy;
    d.bToUtc = i == 2 || i == 5;
    double dValue = 0.0;
    cc::eReason eWhy = cc::eReason::eNone;
    int iDay = 0, iLength = 0;
    const bool bRead = cc::mResolve(f, d, &dValue, &eWhy, &iDay, &iLength);
    s += "|" + (bRead ? std::to_string(dValue) : cc::mReasonText(eWhy, iDay, iLength));
  }
  return s;
}

void mCheckTemplates(const std::vector<std::wstring>& texts, const std::string& context) {
  const cc::xNames xNames = cc::mNamesInForce();
  cc::xTokens xTokens;
  for (size_t i = 0; i < texts.size() && i < 8; ++i) {
    cc::xFields xSample;
    if (!cc::mTokenise(texts[i], xNames, xTokens) || !cc::mParseFields(xTokens, xSample)) continue;
    cc::xTemplate xTemplate;
    if (!cc::mMakeTemplate(texts[i], xSample, xTemplate)) continue;
    for (const std::wstring& sText : texts) {
      cc::xFields xFast;
      if (!cc::mMatchTemplate(xTemplate, sText, false, xFast)) continue;
      const std::string sWhere =
          context + "template of [" + mShow(texts[i]) + "], text [" + mShow(sText) + "]";
      cc::xFields xGeneral;
      CVN_FUZZ_CHECK(cc::mTokenise(sText, xNames, xTokens) && cc::mParseFields(xTokens, xGeneral),
                     sWhere);
      CVN_FUZZ_CHECK(mOutcomes(xFast) == mOutcomes(xGeneral), sWhere);
      // Matched again with the sample's fields already in place.
      cc::xFields xAgain = xTemplate.xBase;
      CVN_FUZZ_CHECK(cc::mMatchTemplate(xTemplate, sText, true, xAgain) &&
                         mOutcomes(xAgain) == mOutcomes(xGeneral),
                     sWhere + " (fields in place)");
    }
  }
}

xColumnResult mImport(const CmColumnReader& reader, const std::vector<std::wstring>& texts) {
  std::vector<std::wstring_view> vViews(texts.begin(), texts.end());
  xColumnResult r;
  reader.mRead(vViews.data(), vViews.size(), r);
  return r;
}

// The input's bytes as the lines of a file read the same through
// mReadLines as each line decoded on its own through mRead.
void mCheckLines(const CmColumnReader& reader, std::string_view bytes) {
  std::vector<std::wstring> vsLines;
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t iEnd = bytes.find('\n', i);
    if (iEnd == std::string_view::npos) iEnd = bytes.size();
    std::string_view sLine = bytes.substr(i, iEnd - i);
    if (!sLine.empty() && sLine.back() == '\r') sLine.remove_suffix(1);
    std::wstring s(sLine.size(), L'\0');
    s.resize(cvn::detail::mDecodeUtf8Into(sLine, s.data()));
    vsLines.push_back(s);
    i = iEnd + 1;
  }
  const xColumnResult xViews = mImport(reader, vsLines);
  xColumnResult xLines;
  reader.mReadLines(bytes, xLines);
  const std::string sContext = "lines:\n" + mShowColumn(vsLines);
  CVN_FUZZ_CHECK(xLines.veStatus == xViews.veStatus, sContext + "status");
  for (std::size_t i = 0; i < vsLines.size(); ++i) {
    CVN_FUZZ_CHECK(xLines.vdValues[i] == xViews.vdValues[i], sContext + "row " + std::to_string(i));
  }
  CVN_FUZZ_CHECK(mSameReport(xLines.xReport, xViews.xReport), sContext + "report");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider fdp(data, size);
  const int iSettings = fdp.ConsumeIntegral<uint8_t>() % (cvn::fuzz::kNumSettings - 1);
  const uint8_t bOptions = fdp.ConsumeIntegral<uint8_t>();
  const uint8_t bWindow = fdp.ConsumeIntegral<uint8_t>();
  const uint32_t uSeed = fdp.ConsumeIntegral<uint32_t>();
  cvn::fuzz::mResetReports();
  const CmTimeCls& pristine = cvn::fuzz::mEnterWorld(iSettings, L'.', L'.');
  xColumnOptions options;
  options.eAssumedOrder = static_cast<eColumnOrder>(bOptions & 3);
  options.bOffsetToUtc = (bOptions & 4) != 0;
  options.bNumbersAsDayNumbers = (bOptions & 8) != 0;
  options.iTwoDigitYearMax = (bOptions & 16) != 0 ? 1950 + bWindow % 150 : 0;
  const CmColumnReader reader(options);
  mCheckLines(reader, std::string_view(reinterpret_cast<const char*>(data), size));

  const std::vector<std::wstring> vsTexts = mTakeColumn(fdp);
  const std::string sContext = "settings " + std::to_string(iSettings) + ", options " +
                               std::to_string(bOptions) + ", column:\n" + mShowColumn(vsTexts);
  const xColumnResult first = mImport(reader, vsTexts);
  mCheckResult(vsTexts, first, sContext);
  mCheckTemplates(vsTexts, sContext);

  // The same rows in another order.
  std::vector<size_t> viOrder(vsTexts.size());
  for (size_t i = 0; i < viOrder.size(); ++i) viOrder[i] = i;
  std::shuffle(viOrder.begin(), viOrder.end(), std::mt19937(uSeed));
  std::vector<std::wstring> vsShuffled;
  for (size_t i : viOrder) vsShuffled.push_back(vsTexts[i]);
  const xColumnResult shuffled = mImport(reader, vsShuffled);
  for (size_t k = 0; k < viOrder.size(); ++k) {
    const size_t i = viOrder[k];
    const bool bSame =
        first.veStatus[i] == shuffled.veStatus[k] &&
        (first.vdValues[i] == shuffled.vdValues[k] ||
         (mIsNumericMissing(first.vdValues[i]) && mIsNumericMissing(shuffled.vdValues[k])));
    CVN_FUZZ_CHECK(
        bSame, sContext + "shuffled: row " + std::to_string(i) + " [" + mShow(vsTexts[i]) + "]");
  }
  CVN_FUZZ_CHECK(mSameReport(first.xReport, shuffled.xReport), sContext + "shuffled report");
  std::vector<std::string> vsReasons1, vsReasons2;
  for (const xRowRefusal& x : first.vxRefusals) vsReasons1.push_back(x.sReason);
  for (size_t k = 0; k < shuffled.vxRefusals.size(); ++k) vsReasons2.push_back("");
  for (const xRowRefusal& x : shuffled.vxRefusals) {
    const size_t i = viOrder[x.iRow];
    const auto it = std::find_if(first.vxRefusals.begin(), first.vxRefusals.end(),
                                 [&](const xRowRefusal& y) { return y.iRow == i; });
    CVN_FUZZ_CHECK(it != first.vxRefusals.end() && it->sReason == x.sReason,
                   sContext + "shuffled reason of [" + mShow(vsTexts[i]) + "]: " + x.sReason);
  }

  // Written under the reported format and imported again.
  const std::wstring sFormat = first.xReport.sFormat.str();
  if (!sFormat.empty()) {
    std::vector<size_t> viRows;
    const std::vector<std::wstring> vsWritten = mWriteColumn(pristine, sFormat, first, &viRows);
    // Imported as a caller would who keeps the report: the order decided
    // for the first column is the one assumed for the second.
    xColumnOptions xAgain = options;
    xAgain.eAssumedOrder = first.xReport.eOrder;
    const CmColumnReader readerAgain(xAgain);
    const xColumnResult again = mImport(readerAgain, vsWritten);
    const double dUnit = mShownUnit(sFormat);
    const std::string sWritten =
        sContext + "format [" + mShow(sFormat) + "], written:\n" + mShowColumn(vsWritten);
    for (size_t k = 0; k < vsWritten.size(); ++k) {
      const double v = first.vdValues[viRows[k]];
      CVN_FUZZ_CHECK(again.veStatus[k] == eRowStatus::eRead,
                     sWritten + "refused: [" + mShow(vsWritten[k]) + "]");
      const bool bShown = dUnit > 0.0 && std::fabs(v - std::nearbyint(v / dUnit) * dUnit) < 1e-9;
      // "24:00" in a column of times of day is 1, the end of the day, which
      // a clock writes as 00:00.
      const bool bEndOfDay = first.xReport.eKind == eColumnKind::eTimeOfDay && v >= 1.0;
      if (bShown && !bEndOfDay && first.xReport.eKind != eColumnKind::eElapsed) {
        CVN_FUZZ_CHECK(std::fabs(again.vdValues[k] - v) < 1e-9,
                       sWritten + "[" + mShow(vsWritten[k]) + "] gives " +
                           std::to_string(again.vdValues[k]) + " for " + std::to_string(v));
      }
    }
    // Once more: the texts settle.
    if (!again.xReport.sFormat.str().empty()) {
      std::vector<size_t> viRows2;
      const std::vector<std::wstring> vsTwice =
          mWriteColumn(pristine, again.xReport.sFormat.str(), again, &viRows2);
      const xColumnResult thrice = mImport(readerAgain, vsTwice);
      std::vector<size_t> viRows3;
      const std::vector<std::wstring> vsThrice =
          mWriteColumn(pristine, thrice.xReport.sFormat.str(), thrice, &viRows3);
      CVN_FUZZ_CHECK(vsThrice == vsTwice, sWritten + "written again:\n" + mShowColumn(vsTwice) +
                                              "and again:\n" + mShowColumn(vsThrice));
    }
  }
  cvn::fuzz::mExpectNoReport(sContext);
  return 0;
}
