// The unit and increment of a nice time scale, worked out as the library's
// search does, for the report of `cvntime scale`.

#include "tools/cvntime/scale_plan.h"

#include <algorithm>
#include <cmath>

#include "CmTimeCls.h"
#include "CmTimeUnit.h"
#include "CvnBasicTypes.h"

namespace cvn::tool {

namespace {

// Kind and count fields of the seven parts: (word, lowest bit) of the kind;
// the count follows in the next four bits (part 4's count opens word 1).
struct xPartField {
  int iWord;
  int iKindBit;
};
constexpr xPartField kPartFields[CmTimeCls::kMaxParts] = {{0, 4}, {0, 12}, {0, 20}, {0, 28},
                                                          {1, 4}, {1, 12}, {1, 20}};

}  // namespace

std::vector<xTimePartsEnum> mPartKindsOfPacked(const std::vector<unsigned>& words) {
  std::vector<unsigned> vuWords(words);
  if (vuWords.size() < 2) vuWords.resize(2, 0u);
  const int iNumParts = static_cast<int>(mGetBits(vuWords[0], 2, 3));  // [0, 7]
  const unsigned uFraction = mGetBits(vuWords[1], 29, 2);
  std::vector<xTimePartsEnum> vKinds;
  for (int i = 0; i < iNumParts; ++i) {
    const xPartField& field = kPartFields[i];
    const unsigned uWord = vuWords[static_cast<size_t>(field.iWord)];
    unsigned uKind = mGetBits(uWord, field.iKindBit + 3, 4);  // [0, 15]
    if (uKind == xHundredth && uFraction == 1) uKind = xTenth;
    if (uKind == xHundredth && uFraction == 3) uKind = xThousandth;
    vKinds.push_back(static_cast<xTimePartsEnum>(uKind));
  }
  return vKinds;
}

xScalePlan mPlanScale(const CmTimeCls& time, double dataMin, double dataMax, int minTicks,
                      int maxTicks) {
  xScalePlan plan;
  // The target count is the whole middle of the tick range (integer division).
  const int iTarget = (minTicks + maxTicks) / 2;
  const double dTarget = static_cast<double>(iTarget);
  if (dataMax < dataMin || (mIsNumericMissing(dataMin) && mIsNumericMissing(dataMax))) {
    dataMin = 0.0;
    dataMax = 0.0;
  }
  if (dataMax - dataMin <=
      mGetNearlyZero() + mGetEps() * std::max(std::fabs(dataMin), std::fabs(dataMax))) {
    dataMin -= 0.5;
    dataMax += 0.5;
  }

  std::vector<unsigned> vuWords;
  time.mPackFormat(vuWords);
  const std::vector<xTimePartsEnum> vKinds = mPartKindsOfPacked(vuWords);
  if (vKinds.empty()) return plan;
  xTimePartsEnum eUnit = *std::max_element(vKinds.begin(), vKinds.end());
  for (const xTimePartsEnum eKind : vKinds) {
    if (eKind < eUnit && time.mNumTimesInRange(dataMin, dataMax, 1.0, eKind) >= minTicks) {
      eUnit = eKind;
    }
  }
  const int iCount = time.mNumTimesInRange(dataMin, dataMax, 1.0, eUnit);
  const int iWanted = mToINTG(std::ceil(static_cast<double>(iCount) / dTarget));

  std::vector<int> viFactors;
  CmTimeUnit::mInstance()->mGetTimeUnitFactors(eUnit, viFactors, 1);
  plan.eUnit = eUnit;
  plan.iIncrement = iWanted;
  const auto it = std::find_if(viFactors.begin(), viFactors.end(),
                               [iWanted](int iFactor) { return iFactor >= iWanted; });
  if (it != viFactors.end()) {
    plan.iIncrement = *it;
  } else if (!viFactors.empty() && viFactors.back() > 0) {
    const long long iLast = viFactors.back();
    const long long iMultiple = ((iLast + iWanted - 1) / iLast) * iLast;
    plan.iIncrement = static_cast<int>(std::min<long long>(iMultiple, 2147483647LL));
  }
  return plan;
}

const char* mUnitName(xTimePartsEnum unit) {
  switch (unit) {
    case xYear: return "year";
    case xQuarterLabelFirst:
    case xQuarterNumberFirst: return "quarter";
    case xMonthNumber:
    case xMonthAbbrev:
    case xMonthName: return "month";
    case xWeekLabelFirst:
    case xWeekNumberFirst: return "week";
    case xDay: return "day";
    case xHour: return "hour";
    case xMinute: return "minute";
    case xSecond: return "second";
    case xHundredth: return "hundredth";
    case xTenth: return "tenth";
    case xThousandth: return "thousandth";
    default: return "none";
  }
}

}  // namespace cvn::tool
