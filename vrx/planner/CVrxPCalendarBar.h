#pragma once

// The calendar bar's one window-free function, shared with the recurrence
// rules. The bar itself comes with the calendar.
class CVrxPCalendarBar
{
public:
    // 0 for a month outside 1 to 12, so a date formed with it is invalid and
    // a walk over months ends.
    static int CountDaysInMonth(int nMonth, int nYear);
};
