#include "CVrxPPlannerView.h"

#include "CVrxPTimeLocale.h"

#include <cmath>

int CVrxPPlannerView::MinutesPerScaleStep(int nScale)
{
    switch (nScale)
    {
    case 1: return 30;
    case 2: return 20;
    case 3: return 15;
    case 4: return 10;
    case 5: return 6;
    case 6: return 5;
    default: return 60;
    }
}

bool CVrxPPlannerView::LocaleUses24HourClock()
{
    const CString strTime = CVrxPTimeLocale::User().strTime;
    return !strTime.IsEmpty() && strTime[0] == '1';
}

CString CVrxPPlannerView::LocaleAmPmDesignators(bool bAm)
{
    const CVrxPTimeLocale locale = CVrxPTimeLocale::User();
    return bAm ? locale.strAm : locale.strPm;
}

int CVrxPPlannerView::RoundToNearest(double dValue)
{
    // Values beyond the int range are clamped before truncation, which
    // would otherwise be undefined.
    if (!(dValue > -2147483647.0 && dValue < 2147483647.0))
        return dValue > 0 ? 2147483647 : -2147483647;
    const int n = static_cast<int>(dValue - 0.5);
    if (dValue - n >= 0.5)
        return static_cast<int>(dValue + 0.5);
    return static_cast<int>(dValue - 0.5);
}

bool CVrxPPlannerView::IsSameDay(const COleDateTime& a, const COleDateTime& b)
{
    return a.GetYear() == b.GetYear() && a.GetDayOfYear() == b.GetDayOfYear();
}

COleDateTime CVrxPPlannerView::WeekStartOf(const COleDateTime& date, int nFirstWeekday)
{
    const int nWeekday = date.GetDayOfWeek();
    return date - COleDateTimeSpan(((nWeekday - nFirstWeekday) % 7 + 7) % 7, 0, 0, 0);
}
