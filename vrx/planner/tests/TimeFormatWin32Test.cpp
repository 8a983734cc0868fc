#include "CVrxPAppointment.h"

#include <gtest/gtest.h>

// The planner formats its time pictures itself; the system's formatting of
// the same pictures must give the same texts for every minute of a day.
TEST(AppointmentTimeTextWin32, PicturesFormatAsTheSystemFormatsThem)
{
    CVrxPTimeLocale twelve;
    twelve.strTime = "0";
    twelve.strLeadingZero = "0";
    twelve.strSeparator = ":";
    twelve.strAm = "AM";
    twelve.strPm = "PM";
    twelve.strMarkPosition = "0";
    CVrxPTimeLocale twentyFour = twelve;
    twentyFour.strTime = "1";
    twentyFour.strLeadingZero = "1";
    twentyFour.strSeparator = ".";
    for (int nMinute = 0; nMinute < 24 * 60; ++nMinute)
    {
        const COleDateTime date(2025, 5, 3, nMinute / 60, nMinute % 60, 7);
        SYSTEMTIME time = {};
        ASSERT_TRUE(date.GetAsSystemTime(time));
        char text[64];
        const char* marker = nMinute >= 12 * 60 ? "'PM'" : "'AM'";
        const std::string twelvePicture = std::string("h':'mm':'ss") + marker;
        ASSERT_NE(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, twelvePicture.c_str(), text, sizeof text), 0);
        EXPECT_STREQ(CVrxPAppointment::FormatTime(date, 0, twelve), text) << nMinute;
        ASSERT_NE(GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, "HH'.'mm", text, sizeof text), 0);
        EXPECT_STREQ(CVrxPAppointment::FormatTime(date, CVrxPAppointment::timeNoSeconds, twentyFour), text) << nMinute;
    }
}
