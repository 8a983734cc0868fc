#include "CVrxPCalendarBar.h"
#include "CVrxPPlannerView.h"
#include "PlannerTestSupport.h"

#include <gtest/gtest.h>

// Every day from 1600 to 2400 against the independent day count: the date's
// value, its parts, weekday, day of the year, same-day tests and the start
// of its week for every first weekday.
TEST(PlannerDates, EveryDayFrom1600To2400MatchesAnIndependentDayCount)
{
    long nExpected = DayCountOf(1600, 1, 1);
    int nFailures = 0;
    for (int nYear = 1600; nYear <= 2400 && nFailures < 5; ++nYear)
    {
        int nDayOfYear = 0;
        for (int nMonth = 1; nMonth <= 12; ++nMonth)
        {
            ASSERT_EQ(CVrxPCalendarBar::CountDaysInMonth(nMonth, nYear), DaysInMonthOf(nYear, nMonth))
                << nYear << "-" << nMonth;
            for (int nDay = 1; nDay <= DaysInMonthOf(nYear, nMonth); ++nDay, ++nExpected)
            {
                ++nDayOfYear;
                const COleDateTime midnight(nYear, nMonth, nDay, 0, 0, 0);
                const COleDateTime evening(nYear, nMonth, nDay, 23, 59, 0);
                const int nWeekday = WeekdayOf(nExpected);
                bool bOk = midnight.m_dt == static_cast<double>(nExpected) && midnight.GetYear() == nYear &&
                           midnight.GetMonth() == nMonth && midnight.GetDay() == nDay &&
                           midnight.GetDayOfWeek() == nWeekday && midnight.GetDayOfYear() == nDayOfYear &&
                           evening.GetHour() == 23 && evening.GetMinute() == 59 && evening.GetDay() == nDay &&
                           CVrxPPlannerView::IsSameDay(midnight, evening) &&
                           !CVrxPPlannerView::IsSameDay(evening, midnight + COleDateTimeSpan(1, 0, 0, 0));
                // The first weekday turns with the days, so every weekday
                // meets every first weekday.
                const int nFirst = static_cast<int>(nExpected % 7 + 7) % 7 + 1;
                const long nBack = (nWeekday - nFirst + 7) % 7;
                bOk = bOk && CVrxPPlannerView::WeekStartOf(midnight, nFirst).m_dt == static_cast<double>(nExpected - nBack);
                if (!bOk)
                {
                    ADD_FAILURE() << nYear << "-" << nMonth << "-" << nDay;
                    ++nFailures;
                }
            }
        }
    }
}

TEST(PlannerDates, TimesBeforeTheBaseDayKeepAPositiveFractionAndMoveOnLinearly)
{
    const COleDateTime morning(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(morning.m_dt, -1.25);
    EXPECT_EQ(morning.GetHour(), 6);
    const COleDateTime later = morning + COleDateTimeSpan(0, 24, 0, 0);
    EXPECT_EQ(later.GetDay(), 30);
    EXPECT_EQ(later.GetHour(), 6);
    EXPECT_DOUBLE_EQ(later.m_dt, 0.25);
    EXPECT_DOUBLE_EQ((later - morning).GetTotalDays(), 1.0);
    EXPECT_TRUE(COleDateTime(1899, 12, 29, 18, 0, 0) > morning);
    EXPECT_EQ(COleDateTime(1650, 7, 4, 13, 45, 30).GetSecond(), 30);
    EXPECT_EQ(COleDateTime(1650, 7, 4, 13, 45, 30).GetMinute(), 45);
}

TEST(PlannerDates, InvalidDatesHaveNoPartsAndCompareWithNothing)
{
    const COleDateTime invalid(2025, 2, 29, 0, 0, 0);
    EXPECT_EQ(invalid.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(invalid.GetYear(), -1);
    EXPECT_EQ(invalid.GetDayOfYear(), -1);
    EXPECT_FALSE(invalid < COleDateTime());
    EXPECT_FALSE(COleDateTime() < invalid);
    EXPECT_EQ((invalid + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(9999, 12, 31, 0, 0, 0).GetStatus(), COleDateTime::valid);
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
}

TEST(PlannerDates, DaysInMonthIsZeroOutsideTheTwelveMonths)
{
    EXPECT_EQ(CVrxPCalendarBar::CountDaysInMonth(2, 1900), 28);
    EXPECT_EQ(CVrxPCalendarBar::CountDaysInMonth(2, 2000), 29);
    EXPECT_EQ(CVrxPCalendarBar::CountDaysInMonth(2, 2004), 29);
    EXPECT_EQ(CVrxPCalendarBar::CountDaysInMonth(2, -4), 29);
    for (int nMonth : {0, 13, -1, 1000})
        EXPECT_EQ(CVrxPCalendarBar::CountDaysInMonth(nMonth, 2024), 0) << nMonth;
}

TEST(PlannerDates, ScaleStepsAndRounding)
{
    const int steps[][2] = {{0, 60}, {1, 30}, {2, 20}, {3, 15}, {4, 10}, {5, 6}, {6, 5}, {7, 60}, {-1, 60}};
    for (const auto& step : steps)
        EXPECT_EQ(CVrxPPlannerView::MinutesPerScaleStep(step[0]), step[1]) << step[0];
    const struct
    {
        double dValue;
        int nRounded;
    } roundings[] = {{2.5, 3}, {2.49, 2}, {2.51, 3}, {0.0, 0}, {0.5, 1}, {0.49, 0}, {7.0, 7}, {1e12, 2147483647}};
    for (const auto& rounding : roundings)
        EXPECT_EQ(CVrxPPlannerView::RoundToNearest(rounding.dValue), rounding.nRounded) << rounding.dValue;
}

TEST(PlannerDates, SameDayNeedsTheSameYear)
{
    EXPECT_FALSE(CVrxPPlannerView::IsSameDay(DateOf(2024, 1, 1), DateOf(2025, 1, 1)));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_TRUE(CVrxPPlannerView::IsSameDay(invalid, invalid));
    EXPECT_FALSE(CVrxPPlannerView::IsSameDay(invalid, DateOf(2024, 1, 1)));
}
