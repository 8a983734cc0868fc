#include "CVrxPCalendarBar.h"

int CVrxPCalendarBar::CountDaysInMonth(int nMonth, int nYear)
{
    static const int daysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    if (nMonth == 2 && nYear % 4 == 0 && (nYear % 100 != 0 || nYear % 400 == 0))
        return 29;
    return daysInMonth[nMonth - 1];
}
