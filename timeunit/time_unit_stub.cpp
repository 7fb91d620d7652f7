// Placeholder bodies until the unit catalogue is written.
#include "CmTimeUnit.h"

CmTimeUnit* CmTimeUnit::m_pInstance = nullptr;
CmTimeUnit* CmTimeUnit::mInstance() { if (!m_pInstance) m_pInstance = new CmTimeUnit(); return m_pInstance; }
CmTimeUnit::CmTimeUnit() : Singleton(1), m_iSecondPos(0), m_iMinutePos(1), m_iHourPos(2), m_iDayPos(3), m_iMonthPos(4), m_iQuarterPos(5), m_iYearPos(6), m_iIndexPos(7) {}
CmTimeUnit::~CmTimeUnit() = default;
bool CmTimeUnit::mFind(int) const { return false; }
bool CmTimeUnit::mValidCalenderClockCombination(int) const { return false; }
bool CmTimeUnit::mValidClockCombination(int) const { return false; }
bool CmTimeUnit::mGetTimeUnitFactors(xTimePartsEnum, std::vector<int>&, int) const { return true; }
void CmTimeUnit::mGetTimeUnitFactors(int, std::vector<int>&, int) const {}
bool CmTimeUnit::mValidateUnits(int, const std::vector<int>*, bool*, CmString&) { return false; }
bool CmTimeUnit::mValidateIncrement(int, int, CmString&) { return false; }
bool CmTimeUnit::mValidateTickIncrement(int, int, int, CmString&) { return false; }
bool CmTimeUnit::mValidateTickStart(int, int, CmString&) const { return false; }
