#pragma once

#include "ole/COleDateTime.h"
#include "strings/CString.h"

// The planner view's static date and locale helpers, which the storage, the
// recurrence rules, the views and printing share. The view itself comes
// with the planner's windows.
class CVrxPPlannerView
{
public:
    // Scale codes 1..6 give 30, 20, 15, 10, 6 and 5 minutes; any other 60.
    static int MinutesPerScaleStep(int nScale);
    static bool LocaleUses24HourClock();
    // The user locale's AM designator when bAm is set, else its PM one.
    static CString LocaleAmPmDesignators(bool bAm);
    // Halves go up for positive values: 2.5 gives 3, 2.49 gives 2.
    static int RoundToNearest(double dValue);
    // Same year and day of the year; a date that is not valid has year -1.
    static bool IsSameDay(const COleDateTime& a, const COleDateTime& b);
    // Goes back to the weekday nFirstWeekday (1 Sunday .. 7 Saturday).
    static COleDateTime WeekStartOf(const COleDateTime& date, int nFirstWeekday);
};
