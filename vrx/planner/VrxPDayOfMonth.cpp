#include "VrxPDayOfMonth.h"

#include "CVrxPCalendarBar.h"
#include "CVrxPRecurrenceBaseRule.h"

namespace {

const int ordinalLast = 4;

int WeekdayDay(int nFirst, int nWeekday, int nOrdinal)
{
    if (nOrdinal == ordinalLast)
        return nWeekday > 5 ? nFirst - (nWeekday - 5) : nFirst;
    if (nWeekday > 5)
    {
        nFirst += 8 - nWeekday;
        nWeekday = 1;
    }
    return nOrdinal + nWeekday <= 5 ? nFirst + nOrdinal : nFirst + nOrdinal + 2;
}

int WeekendDay(int nFirst, int nWeekday, int nOrdinal)
{
    if (nOrdinal == ordinalLast)
        return nWeekday >= 6 ? nFirst : nFirst - nWeekday;
    if (nWeekday < 6)
    {
        nFirst += 6 - nWeekday;
        nWeekday = 6;
    }
    if (nOrdinal == 0)
        return nFirst;
    if (nWeekday == 6)
        return nOrdinal == 1 ? nFirst + 1 : nOrdinal == 2 ? nFirst + 7 : nFirst + 8;
    return nOrdinal == 1 ? nFirst + 6 : nOrdinal == 2 ? nFirst + 7 : nFirst + 13;
}

int NamedDay(int nFirst, int nWeekday, int nOrdinal, int nDayKind)
{
    const int nTarget = nDayKind >= 3 && nDayKind <= 9 ? nDayKind - 2 : 0;
    if (nOrdinal == ordinalLast)
        return nTarget > nWeekday ? nFirst + (nTarget - nWeekday) - 7 : nFirst + (nTarget - nWeekday);
    return nFirst + 7 * nOrdinal + (nTarget - nWeekday) + (nTarget < nWeekday ? 7 : 0);
}

} // namespace

int VrxPDayOfMonth(int nMode, int nDayNumber, int nOrdinal, int nDayKind, int nMonth, int nYear)
{
    if (nMode == 0)
        return nDayNumber;
    // Ordinals outside 0..4 name no day.
    if (nOrdinal < 0 || nOrdinal > ordinalLast)
        return 0;
    const int nFirst = nOrdinal == ordinalLast ? CVrxPCalendarBar::CountDaysInMonth(nMonth, nYear) : 1;
    const int nWeekday = VrxPRecurrenceDates::MondayBasedWeekday(VrxPRecurrenceDates::DateOf(nYear, nMonth, nFirst));
    if (nWeekday < 0)
        return 0;
    switch (nDayKind)
    {
    case 0: return nOrdinal == ordinalLast ? 32 : nOrdinal + 1;
    case 1: return WeekdayDay(nFirst, nWeekday, nOrdinal);
    case 2: return WeekendDay(nFirst, nWeekday, nOrdinal);
    default: return NamedDay(nFirst, nWeekday, nOrdinal, nDayKind);
    }
}
