#pragma once

// The day of the month a monthly or yearly rule falls on: the day number in
// mode 0; in mode 1 the ordinal (0 first .. 3 fourth, 4 last) day of a kind
// (0 day, 1 weekday, 2 weekend day, 3 Monday .. 9 Sunday). The result may
// exceed the month's length (or lie below 1 for impossible values); callers
// take the smaller of it and the month's days.
int VrxPDayOfMonth(int nMode, int nDayNumber, int nOrdinal, int nDayKind, int nMonth, int nYear);
