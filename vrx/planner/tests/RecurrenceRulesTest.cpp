#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPRecurrenceRuleDaily.h"
#include "CVrxPRecurrenceRuleMonthly.h"
#include "CVrxPRecurrenceRuleWeekly.h"
#include "CVrxPRecurrenceRuleYearly.h"
#include "PlannerTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

namespace {

// A day of the brute-force calendar.
struct Day
{
    long nCount;
    int nYear;
    int nMonth;
    int nDay;
    int nMondayWeekday; // 1 Monday .. 7 Sunday
};

std::vector<Day> DaysFrom(int nFirstYear, int nLastYear)
{
    std::vector<Day> days;
    long nCount = DayCountOf(nFirstYear, 1, 1);
    for (int y = nFirstYear; y <= nLastYear; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysInMonthOf(y, m); ++d, ++nCount)
                days.push_back(Day{nCount, y, m, d, (WeekdayOf(nCount) + 5) % 7 + 1});
    return days;
}

const std::vector<Day>& AllDays()
{
    static const std::vector<Day> days = DaysFrom(1899, 2100);
    return days;
}

// The day of a month that "the n-th (or last) day of a kind" names, found
// by looking at every day of the month.
int NthDayOfKind(int nYear, int nMonth, int nOrdinal, int nKind)
{
    std::vector<int> matches;
    const long nFirst = DayCountOf(nYear, nMonth, 1);
    for (int d = 1; d <= DaysInMonthOf(nYear, nMonth); ++d)
    {
        const int w = (WeekdayOf(nFirst + d - 1) + 5) % 7 + 1;
        const bool bMatch = nKind == 0 || (nKind == 1 && w <= 5) || (nKind == 2 && w >= 6) || (nKind >= 3 && w == nKind - 2);
        if (bMatch)
            matches.push_back(d);
    }
    return nOrdinal == 4 ? matches.back() : matches[nOrdinal];
}

// The same, looked up once per month.
class MonthlyDayCache
{
public:
    int At(int nYear, int nMonth, int nOrdinal, int nKind)
    {
        const long nIndex = nYear * 12L + nMonth;
        if (nIndex != m_nIndex)
        {
            m_nIndex = nIndex;
            m_nDay = NthDayOfKind(nYear, nMonth, nOrdinal, nKind);
        }
        return m_nDay;
    }

private:
    long m_nIndex = -1;
    int m_nDay = 0;
};

std::vector<long> Walk(CVrxPRecurrenceBaseRule& rule, int nLastYear)
{
    std::vector<long> dates;
    const COleDateTime end(nLastYear, 12, 31, 0, 0, 0);
    for (COleDateTime day = rule.FirstOccurrenceFrom(rule.GetStart()); day.GetStatus() == COleDateTime::valid &&
                                                                      day != COleDateTime() && day <= end;
         day = rule.NextOccurrence(day))
    {
        dates.push_back(static_cast<long>(day.m_dt));
        if (dates.size() > 80000)
            break;
    }
    return dates;
}

long MondayOf(long nCount)
{
    return nCount - ((WeekdayOf(nCount) + 5) % 7);
}

long MonthIndex(const Day& day)
{
    return day.nYear * 12L + day.nMonth - 1;
}

struct Limit
{
    int nType;
    int nCount;
    int nLimitYear;
};

const Limit limits[] = {{0, 0, 0}, {1, 1, 0}, {1, 7, 0}, {1, 40, 0}, {2, 0, 1904}, {2, 0, 2099}};

void ApplyLimit(CVrxPRecurrenceBaseRule& rule, const Limit& limit)
{
    rule.SetLimitType(limit.nType);
    if (limit.nType == 1)
        rule.SetLimitCount(limit.nCount);
    if (limit.nType == 2)
        rule.SetLimitDate(COleDateTime(limit.nLimitYear, 6, 15, 0, 0, 0));
}

// The brute-force series: the days from the start on that match, up to
// the limit.
std::vector<long> Expected(long nStart, const std::function<bool(const Day&)>& matches, const Limit& limit)
{
    const long nLimitDay = limit.nType == 2 ? DayCountOf(limit.nLimitYear, 6, 15) : 0;
    std::vector<long> dates;
    for (const Day& day : AllDays())
    {
        if (day.nCount < nStart || !matches(day))
            continue;
        if (limit.nType == 2 && day.nCount > nLimitDay)
            break;
        dates.push_back(day.nCount);
        if (limit.nType == 1 && static_cast<int>(dates.size()) == limit.nCount)
            break;
    }
    return dates;
}

// Corrects the rule's start and applies the limit, then walks the rule to
// 2100 and compares with the brute-force series from its corrected start
// (matches is given the day and that start).
void ExpectWalkMatches(CVrxPRecurrenceBaseRule& rule, const Limit& limit,
                       const std::function<bool(const Day&, long nStart)>& matches, const std::string& what)
{
    rule.CorrectStart();
    ApplyLimit(rule, limit);
    const long nStart = static_cast<long>(rule.GetStart().m_dt);
    const std::vector<long> walked = Walk(rule, 2100);
    const std::vector<long> expected = Expected(nStart, [&](const Day& day) { return matches(day, nStart); }, limit);
    ASSERT_EQ(walked.size(), expected.size()) << what;
    for (size_t i = 0; i < walked.size(); ++i)
        ASSERT_EQ(walked[i], expected[i]) << what << " at " << i << " day " << COleDateTime(static_cast<double>(expected[i])).GetYear();
}

// The day of the month a monthly or yearly rule names: the day number
// (clamped to the month) or the ordinal day of a kind.
int WantedDay(const Day& day, int nMode, int nDayNumber, int nOrdinal, int nKind, MonthlyDayCache& cache)
{
    return nMode == 0 ? std::min(nDayNumber, DaysInMonthOf(day.nYear, day.nMonth))
                      : cache.At(day.nYear, day.nMonth, nOrdinal, nKind);
}

std::string Describe(const char* kind, int a, int b, int c, const Limit& limit)
{
    std::ostringstream text;
    text << kind << " " << a << "/" << b << "/" << c << " limit " << limit.nType << ":" << limit.nCount << ":"
         << limit.nLimitYear;
    return text.str();
}

} // namespace

TEST(RecurrenceRules, DailyRulesMatchABruteForceCalendar)
{
    const int starts[][3] = {{1899, 12, 31}, {1901, 3, 2}, {1903, 8, 6}};
    for (const auto& start : starts)
        for (int nType = 0; nType <= 1; ++nType)
            for (int nInterval : {1, 2, 7, 30})
            {
                if (nType == 1 && nInterval != 1)
                    continue;
                for (const Limit& limit : limits)
                {
                    CVrxPRecurrenceRuleDaily rule;
                    rule.SetType(nType);
                    rule.SetInterval(nInterval);
                    rule.SetStart(DateOf(start[0], start[1], start[2]));
                    ExpectWalkMatches(
                        rule, limit,
                        [&](const Day& day, long nStart) {
                            return nType == 1 ? day.nMondayWeekday <= 5 : (day.nCount - nStart) % nInterval == 0;
                        },
                        Describe("daily", nType, nInterval, start[0], limit));
                }
            }
}

TEST(RecurrenceRules, WeeklyRulesMatchABruteForceCalendar)
{
    for (int nMask : {1, 0x05, 0x14, 0x60, 0x41, 0x7F})
        for (int nInterval : {1, 2, 3})
            for (const Limit& limit : limits)
            {
                CVrxPRecurrenceRuleWeekly rule;
                rule.SetInterval(nInterval);
                rule.SetDays(nMask);
                rule.SetStart(DateOf(1900, 5, 9));
                ExpectWalkMatches(
                    rule, limit,
                    [&](const Day& day, long nStart) {
                        return (nMask & (1 << (day.nMondayWeekday - 1))) != 0 &&
                               ((MondayOf(day.nCount) - MondayOf(nStart)) / 7) % nInterval == 0;
                    },
                    Describe("weekly", nMask, nInterval, 0, limit));
            }
}

TEST(RecurrenceRules, MonthlyRulesMatchABruteForceCalendar)
{
    struct Case
    {
        int nMode, nDayNumber, nOrdinal, nKind, nInterval;
    };
    std::vector<Case> cases = {{0, 1, 0, 0, 1}, {0, 31, 0, 0, 1}, {0, 29, 0, 0, 2}, {0, 15, 0, 0, 5}};
    for (int nKind = 0; nKind <= 9; ++nKind)
        for (int nOrdinal = 0; nOrdinal <= 4; ++nOrdinal)
            cases.push_back(Case{1, 1, nOrdinal, nKind, nKind % 3 + 1});
    for (const Case& c : cases)
        for (const Limit& limit : limits)
        {
            CVrxPRecurrenceRuleMonthly rule;
            rule.SetMode(c.nMode);
            rule.SetDayNumber(c.nDayNumber);
            rule.SetOrdinal(c.nOrdinal);
            rule.SetDayKind(c.nKind);
            rule.SetDayInterval(c.nInterval);
            rule.SetOrdinalInterval(c.nInterval);
            rule.SetStart(DateOf(1899, 12, 31));
            MonthlyDayCache cache;
            ExpectWalkMatches(
                rule, limit,
                [&](const Day& day, long nStart) {
                    const Day& startDay = AllDays()[static_cast<size_t>(nStart - AllDays().front().nCount)];
                    return (MonthIndex(day) - MonthIndex(startDay)) % c.nInterval == 0 &&
                           day.nDay == WantedDay(day, c.nMode, c.nDayNumber, c.nOrdinal, c.nKind, cache);
                },
                Describe("monthly", c.nMode, c.nOrdinal * 10 + c.nKind, c.nInterval, limit));
        }
}

TEST(RecurrenceRules, YearlyRulesMatchABruteForceCalendar)
{
    struct Case
    {
        int nMode, nMonth, nDayNumber, nOrdinal, nKind;
    };
    const Case cases[] = {{0, 2, 29, 0, 0}, {0, 12, 31, 0, 0}, {0, 4, 31, 0, 0}, {1, 5, 1, 4, 3},
                          {1, 11, 1, 3, 6}, {1, 2, 1, 4, 1}, {1, 9, 1, 1, 2}, {1, 1, 1, 0, 0}};
    for (const Case& c : cases)
        for (const Limit& limit : limits)
        {
            CVrxPRecurrenceRuleYearly rule;
            rule.SetMode(c.nMode);
            rule.SetDayMonth(c.nMonth);
            rule.SetOrdinalMonth(c.nMonth);
            rule.SetDayNumber(c.nDayNumber);
            rule.SetOrdinal(c.nOrdinal);
            rule.SetDayKind(c.nKind);
            rule.SetStart(DateOf(1900, 3, 1));
            MonthlyDayCache cache;
            ExpectWalkMatches(
                rule, limit,
                [&](const Day& day, long) {
                    return day.nMonth == c.nMonth &&
                           day.nDay == WantedDay(day, c.nMode, c.nDayNumber, c.nOrdinal, c.nKind, cache);
                },
                Describe("yearly", c.nMode, c.nMonth, c.nOrdinal * 10 + c.nKind, limit));
        }
}

TEST(RecurrenceRules, PartCasesGiveTheirDates)
{
    CVrxPRecurrenceRuleDaily weekdays;
    weekdays.SetType(CVrxPRecurrenceRuleDaily::everyWeekday);
    weekdays.SetStart(DateOf(2025, 5, 3));
    weekdays.CorrectStart();
    EXPECT_EQ(weekdays.GetStart(), DateOf(2025, 5, 5));
    weekdays.SetStart(DateOf(2025, 5, 2));
    EXPECT_EQ(weekdays.NextOccurrence(DateOf(2025, 5, 2)), DateOf(2025, 5, 5));

    CVrxPRecurrenceRuleWeekly weekly;
    weekly.SetInterval(2);
    weekly.SetDays(1 | 4);
    weekly.SetStart(DateOf(2025, 5, 5));
    EXPECT_EQ(weekly.NextOccurrence(DateOf(2025, 5, 5)), DateOf(2025, 5, 7));
    EXPECT_EQ(weekly.NextOccurrence(DateOf(2025, 5, 7)), DateOf(2025, 5, 19));
    EXPECT_EQ(weekly.NextOccurrence(DateOf(2025, 5, 21)), DateOf(2025, 6, 2));
    weekly.SetLimitType(CVrxPRecurrenceBaseRule::limitCount);
    weekly.SetLimitCount(3);
    EXPECT_EQ(weekly.NextOccurrence(DateOf(2025, 5, 19)), COleDateTime());

    CVrxPRecurrenceRuleWeekly tuesdayThursday;
    tuesdayThursday.SetDays(2 | 8);
    tuesdayThursday.SetStart(DateOf(2025, 5, 7));
    tuesdayThursday.CorrectStart();
    EXPECT_EQ(tuesdayThursday.GetStart(), DateOf(2025, 5, 13));

    CVrxPRecurrenceRuleMonthly third;
    third.SetMode(1);
    third.SetOrdinal(2);
    third.SetDayKind(3);
    EXPECT_EQ(third.DayOfMonth(1, 2025), 20); // 1 January 2025 is a Wednesday
    CVrxPRecurrenceRuleMonthly day31;
    day31.SetDayNumber(31);
    day31.SetStart(DateOf(2024, 1, 31));
    EXPECT_EQ(day31.NextOccurrence(DateOf(2024, 1, 31)), DateOf(2024, 2, 29));
    EXPECT_EQ(day31.NextOccurrence(DateOf(2024, 2, 29)), DateOf(2024, 3, 31));
    EXPECT_EQ(day31.NextOccurrence(DateOf(2024, 3, 31)), DateOf(2024, 4, 30));

    EXPECT_EQ(day31.FirstOccurrenceFrom(DateOf(2023, 1, 1)), COleDateTime());
}

// Settings under which a walk could not advance end the series instead.
TEST(RecurrenceRules, DegenerateSettingsEndTheSeries)
{
    const COleDateTime start = DateOf(2025, 5, 5);
    CVrxPRecurrenceRuleDaily daily;
    daily.SetStart(start);
    CVrxPRecurrenceRuleWeekly weekly;
    weekly.SetStart(start);
    CVrxPRecurrenceRuleMonthly monthly;
    monthly.SetStart(start);
    monthly.SetDayNumber(5);
    for (int nInterval : {0, -1, -2147483647 - 1})
    {
        daily.SetInterval(nInterval);
        weekly.SetInterval(nInterval);
        monthly.SetDayInterval(nInterval);
        EXPECT_EQ(daily.NextOccurrence(start), COleDateTime()) << nInterval;
        EXPECT_EQ(weekly.NextOccurrence(start), COleDateTime()) << nInterval;
        EXPECT_EQ(monthly.NextOccurrence(start), COleDateTime()) << nInterval;
        EXPECT_EQ(daily.FirstOccurrenceFrom(DateOf(2030, 1, 1)), COleDateTime());
    }
    CVrxPRecurrenceRuleWeekly noDays;
    noDays.SetDays(0x80);
    noDays.SetStart(start);
    EXPECT_EQ(noDays.GetDaysPerWeek(), 0);
    noDays.SetLimitType(CVrxPRecurrenceBaseRule::limitCount);
    EXPECT_EQ(noDays.NextOccurrence(start), COleDateTime());

    // A month outside 1..12 forms no date.
    CVrxPRecurrenceRuleYearly yearly;
    yearly.SetDayMonth(13);
    yearly.SetStart(start);
    EXPECT_NE(yearly.NextOccurrence(start).GetStatus(), COleDateTime::valid);
    EXPECT_NE(yearly.FirstOccurrenceFrom(DateOf(2030, 1, 1)).GetStatus(), COleDateTime::valid);

    // Huge intervals leave the supported years rather than looping.
    monthly.SetDayInterval(2147483647);
    EXPECT_EQ(monthly.NextOccurrence(start), COleDateTime());
}

TEST(RecurrenceRules, CountLimitsApplyToOrdinalModes)
{
    CVrxPRecurrenceRuleMonthly monthly;
    monthly.SetMode(1);
    monthly.SetOrdinal(4);
    monthly.SetDayKind(7);
    monthly.SetOrdinalInterval(2);
    monthly.SetStart(DateOf(2025, 1, 1));
    monthly.CorrectStart();
    monthly.SetLimitType(CVrxPRecurrenceBaseRule::limitCount);
    monthly.SetLimitCount(3);
    EXPECT_EQ(Walk(monthly, 2100).size(), 3u);
    CVrxPRecurrenceRuleYearly yearly;
    yearly.SetMode(1);
    yearly.SetOrdinalMonth(11);
    yearly.SetOrdinal(3);
    yearly.SetDayKind(6);
    yearly.SetStart(DateOf(2025, 1, 1));
    yearly.CorrectStart();
    yearly.SetLimitType(CVrxPRecurrenceBaseRule::limitCount);
    yearly.SetLimitCount(4);
    EXPECT_EQ(Walk(yearly, 2100).size(), 4u);
}

TEST(RecurrenceRules, PropertiesCloneAndEquality)
{
    CVrxPRecurrenceRuleWeekly rule;
    rule.SetRuleId(CVrxPRecurrenceBaseRule::ruleWeekly);
    rule.SetDays(0x15);
    rule.SetInterval(3);
    rule.SetStart(DateOf(2025, 5, 5, 13, 0));
    rule.SetOffsets(COleDateTimeSpan(0, 9, 0, 0), COleDateTimeSpan(0, 10, 30, 0));
    rule.SetLimitType(2);
    rule.SetLimitDate(DateOf(2026, 1, 1));
    EXPECT_EQ(rule.GetStart(), DateOf(2025, 5, 5));
    std::unique_ptr<CVrxPRecurrenceBaseRule> pClone(rule.Clone());
    ASSERT_NE(pClone, nullptr);
    EXPECT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CVrxPRecurrenceRuleWeekly)));
    EXPECT_TRUE(pClone->IsEqual(&rule));
    EXPECT_EQ(static_cast<CVrxPRecurrenceRuleWeekly*>(pClone.get())->GetDaysPerWeek(), 3);
    static_cast<CVrxPRecurrenceRuleWeekly*>(pClone.get())->SetDays(0x16);
    EXPECT_TRUE(pClone->IsDifferent(&rule));
    CVrxPRecurrenceRuleDaily daily;
    EXPECT_TRUE(daily.IsDifferent(&rule));
}
