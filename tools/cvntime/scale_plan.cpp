// Names of the units a time scale reports.

#include "tools/cvntime/scale_plan.h"

namespace cvn::tool {

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
