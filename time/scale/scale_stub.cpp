// Placeholder bodies until the scale arithmetic is written.
#include "CmTimeCls.h"

void CmTimeCls::mNormToCorvaneTime(double, xTimePartsEnum, double time, double* result) const { *result = time; }
double CmTimeCls::mGetOneCvnUnitOfTime(xTimePartsEnum) const { return 0; }
int CmTimeCls::mNumTimesInRange(double, double, double, xTimePartsEnum) const { return 0; }
xTimePartsEnum CmTimeCls::mFindUnitOfTime(const double*, int, const std::vector<unsigned int>&, double* minimum, double* span) { *minimum = 0; *span = 0; return xNoPart; }
void CmTimeCls::mFindNiceScale(double, double, int, int, bool, bool, double*, double*, std::vector<double>& ticks) { ticks.clear(); }
void CmTimeCls::mGenerateNewTimes(int, const std::vector<int>&, double, double, int, std::vector<double>& ticks) const { ticks.clear(); }
void CmTimeCls::mGenerateSpecialDayMonthTimes(int, const std::vector<int>&, double, double, int, int, std::vector<double>& ticks) const { ticks.clear(); }
void CmTimeCls::mGetTimeDiff(double, double, xTimePartsEnum, double* result) const { *result = 0; }
bool CmTimeCls::mDidBiggerTimeUnitChange(xTimePartsEnum, double, double) const { return false; }
void CmTimeCls::mAddTimeIncrement(const std::vector<int>&, std::vector<int>& steps) const { steps.push_back(1); }
