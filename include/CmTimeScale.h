// Time axes asked for as a whole: the scale ends, the ticks, the unit and
// step they were laid out in, whether the wanted tick count was met and a
// format whose labels tell the ticks apart.
//
// Two tick modes. The default mode is CmTimeCls::mFindNiceScale, unchanged:
// the same ticks, ends and shortened part list. The nice mode steps along
// the values people read easily:
//   1, 2, 5, 10, 15, 30 seconds and minutes; 1, 3, 6, 12 hours; 1 and 2
//   days (2-day ticks on the odd days of each month, the 31st and 29th left
//   out when the 1st follows a day later); weeks from the regional first day
//   of the week; 1, 3, 6 months (quarter formats: 1 and 2 quarters); 1, 2,
//   5, 10, 20, 50, 100 ... 5000 years; 1, 2, 5, 10 ... 500 thousandths, no
//   finer than the decimals shown. Under an elapsed format ("[h]:mm", no
//   date part) 1, 2, 3, 6, 12, 24 hours and 2, 7, 14, 35, 70 ... days, all
//   counted from zero.
// No step is finer than the finest part of the object's format, and no tick
// leaves the years 1..9999. Among the steps whose tick count lies within
// [max(minTicks, 1), maxTicks] it takes the one nearest the middle of that
// window; when none does, the one nearest the window (bWindowMet false). On
// a tie the step with fewer ticks wins, and of equal counts the finer. The
// count is that of the ticks within the scale ends of the chosen policy. The
// nice mode does not change the object.
#pragma once

#include <vector>

#include "CmString.h"
#include "CvnDateTimeExport.h"
#include "CvnTimeTypes.h"

class CmTimeCls;

// How the ticks are chosen.
enum eTimeTickMode : int {
  eTickModeDefault = 0,  // mFindNiceScale
  eTickModeNice = 1      // the ladder above
};

// Where a nice-mode scale ends; the default mode always pads.
enum eTimeScaleEnds : int {
  eScaleEndsPadded = 0,  // the data widened by 6% on each side; under an
                         // elapsed format not below 0 when the data is not
  eScaleEndsNice = 1,    // the ticks at or around the data's ends
  eScaleEndsData = 2     // the data's own ends
};

struct xTimeScaleOptions {
  eTimeTickMode eMode = eTickModeDefault;
  eTimeScaleEnds eEnds = eScaleEndsPadded;
  int iMinTicks = 4;
  int iMaxTicks = 8;
};

struct xTimeScaleResult {
  double dMin = 0.0;  // scale ends
  double dMax = 0.0;
  // Ascending, at most 100000; in the nice mode within [dMin, dMax] (with
  // nice ends the first and last tick are the ends).
  std::vector<double> vTicks;
  // The unit and step of the ticks: xHour with 3 for three-hourly ticks;
  // the default mode reports the unit and increment mFindNiceScale used.
  // Week ticks report xWeekLabelFirst, quarter steps xQuarterLabelFirst,
  // month steps xMonthNumber; xNoPart and 0 (and no ticks) when no step of
  // the ladder can be used.
  xTimePartsEnum eUnit = xNoPart;
  int iStep = 0;
  bool bWindowMet = false;       // minTicks <= ticks <= maxTicks
  bool bFormatDistinct = false;  // the object's format writes no two ticks alike
  bool bLabelsDistinct = false;  // sLabelFormat writes no two ticks alike
  // The format to label the ticks with. Default mode: the object's format
  // as mFindNiceScale left it. Nice mode: the object's format when its
  // labels tell the ticks apart (bFormatDistinct); otherwise the shortest
  // format of the same style that does (for "h:mm" over several days, the
  // regional month and day before it: "m/d h:mm"; a year added to a date
  // without one; four year digits for two), or the object's format when
  // none does (bLabelsDistinct false).
  CmString sLabelFormat;
};

// The scale of data from dataMin to dataMax under the object's current
// format. False, with the result untouched, for a reversed range (dataMax <
// dataMin), an end that is missing, NaN, infinite or outside the years
// 1..9999, a window with maxTicks < 1 or minTicks > maxTicks, or a format
// without parts. Equal ends are widened to a day around the value (under an
// elapsed format not below 0 when the value is not). The default mode
// shortens the object's part list as mFindNiceScale does.
CVN_API bool mFindTimeScale(CmTimeCls& time, double dataMin, double dataMax,
                            const xTimeScaleOptions& options, xTimeScaleResult* result);
