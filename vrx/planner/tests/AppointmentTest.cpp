#include "CVrxPAppointment.h"
#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyImages.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPRecurrence.h"
#include "CVrxPRecurrenceRuleDaily.h"
#include "PlannerTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

CVrxPTimeLocale Locale12Hour()
{
    CVrxPTimeLocale locale;
    locale.strTime = "0";
    locale.strLeadingZero = "0";
    locale.strSeparator = ":";
    locale.strAm = "AM";
    locale.strPm = "PM";
    locale.strMarkPosition = "0";
    return locale;
}

CVrxPTimeLocale Locale24Hour()
{
    CVrxPTimeLocale locale;
    locale.strTime = "1";
    locale.strLeadingZero = "1";
    locale.strSeparator = ".";
    locale.strAm = "";
    locale.strPm = "";
    locale.strMarkPosition = "0";
    return locale;
}

RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    return RECT{left, top, right, bottom};
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST(AppointmentTimeText, TwelveAndTwentyFourHourLocales)
{
    const struct
    {
        int nHour, nMinute, nSecond, nFlags;
        const char* twelve;
        const char* twentyFour;
    } cases[] = {
        {0, 5, 9, 0, "12:05:09AM", "00.05.09"},
        {9, 30, 0, CVrxPAppointment::timeNoSeconds, "9:30AM", "09.30"},
        {12, 0, 0, CVrxPAppointment::timeNoSeconds, "12:00PM", "12.00"},
        {23, 59, 0, CVrxPAppointment::timeHoursOnly, "11PM", "23"},
        {15, 7, 0, CVrxPAppointment::timeNoSeconds | CVrxPAppointment::timeForce24Hour, "15:07", "15.07"},
        {15, 7, 0, CVrxPAppointment::timeNoSeconds | CVrxPAppointment::timeMarkerAlways, "3:07PM", "15.07"},
    };
    for (const auto& c : cases)
    {
        const COleDateTime time(2025, 5, 3, c.nHour, c.nMinute, c.nSecond);
        EXPECT_STREQ(CVrxPAppointment::FormatTime(time, c.nFlags, Locale12Hour()), c.twelve) << c.nHour << ":" << c.nMinute;
        EXPECT_STREQ(CVrxPAppointment::FormatTime(time, c.nFlags, Locale24Hour()), c.twentyFour) << c.nHour << ":" << c.nMinute;
    }
    CVrxPTimeLocale before = Locale12Hour();
    before.strMarkPosition = "1";
    before.strPm = "o'clock";
    EXPECT_STREQ(CVrxPAppointment::FormatTime(DateOf(2025, 5, 3, 13, 5), CVrxPAppointment::timeNoSeconds, before),
                 "o'clock1:05");
}

TEST(Appointment, DisplayText)
{
    CVrxPAppointment same;
    same.SetInterval(DateOf(2025, 5, 3, 9), DateOf(2025, 5, 3, 9));
    EXPECT_EQ(same.GetDisplayText(), same.GetStartTimeText());
    EXPECT_FALSE(same.GetStartTimeText().IsEmpty());

    CVrxPAppointment timed;
    timed.SetInterval(DateOf(2025, 5, 3, 9), DateOf(2025, 5, 3, 10));
    const CString longText('x', 300);
    timed.SetDescription(longText);
    EXPECT_EQ(timed.GetDisplayText(),
              timed.GetStartTimeText() + "-" + timed.GetFinishTimeText() + "\r\n" + longText.Left(256));

    // The time texts follow every change of the dates.
    const struct
    {
        COleDateTime start, finish;
    } moves[] = {{DateOf(2025, 5, 3, 14, 5), DateOf(2025, 5, 3, 15, 45)},
                 {DateOf(2025, 5, 4, 0, 10), DateOf(2025, 5, 4, 23, 59)}};
    for (const auto& move : moves)
    {
        timed.SetInterval(move.start, move.finish);
        EXPECT_EQ(timed.GetStartTimeText(), TimeTextOf(move.start));
        EXPECT_EQ(timed.GetFinishTimeText(), TimeTextOf(move.finish));
    }
    CVrxPAppointmentPropertyList later;
    later.Add(0, new CVrxPAppointmentProperty(DateOf(2025, 5, 5, 7, 20)));
    timed.SetProperties(later);
    EXPECT_EQ(timed.GetStartTimeText(), TimeTextOf(DateOf(2025, 5, 5, 7, 20)));

    CVrxPAppointment allDay;
    allDay.SetInterval(DateOf(2025, 5, 3), DateOf(2025, 5, 3));
    allDay.SetAllDay(true);
    allDay.SetDescription("holiday");
    EXPECT_STREQ(allDay.GetDisplayText(), "holiday");
}

TEST(Appointment, AllDayMovesToMidnightsAndLastsInclusive)
{
    CVrxPAppointment appointment;
    appointment.SetInterval(DateOf(2025, 5, 3, 10, 30), DateOf(2025, 5, 5, 14));
    appointment.SetAllDay(true);
    EXPECT_EQ(appointment.GetStart(), DateOf(2025, 5, 3));
    EXPECT_EQ(appointment.GetFinish(), DateOf(2025, 5, 5));
    EXPECT_DOUBLE_EQ(appointment.GetDuration().GetTotalDays(), 3.0);
    appointment.SetAllDay(false);
    EXPECT_EQ(appointment.GetStart(), DateOf(2025, 5, 3));
    EXPECT_DOUBLE_EQ(appointment.GetDuration().GetTotalDays(), 2.0);
    EXPECT_TRUE(appointment.IsLong());
}

TEST(Appointment, PropertiesRoundTrip)
{
    CVrxPAppointment source;
    source.SetInterval(DateOf(2025, 5, 3, 8), DateOf(2025, 5, 3, 9, 15));
    source.SetDescription("review");
    source.SetBackgroundColor(0x00112233);
    source.SetForegroundColor(0x00445566);
    source.SetImages({3, 1, 2});
    CVrxPAppointmentPropertyList list;
    source.GetProperties(list);
    EXPECT_EQ(list.GetCount(), 8);

    CVrxPAppointment copy;
    EXPECT_EQ(copy.SetProperties(list), 0);
    CVrxPAppointmentPropertyList copied;
    copy.GetProperties(copied);
    EXPECT_TRUE(copied.IsEqual(list));
    EXPECT_EQ(copy.GetImages(), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(copy.GetDurationColor(), CVrxPAppointment::defaultColor);

    CVrxPAppointmentPropertyList empty;
    EXPECT_EQ(copy.SetProperties(empty), 0);
}

TEST(Appointment, OccurrenceOfAMasterCrossingMidnight)
{
    auto pMaster = std::make_unique<CVrxPAppointment>();
    EXPECT_EQ(CVrxPAppointment::CreateOccurrence(pMaster.get(), DateOf(2025, 6, 7)), nullptr);
    auto* pRule = new CVrxPRecurrenceRuleDaily;
    pRule->SetStart(DateOf(2025, 6, 1));
    pRule->SetOffsets(COleDateTimeSpan(22.0 / 24), COleDateTimeSpan(25.0 / 24));
    auto* pRecurrence = new CVrxPRecurrence;
    pRecurrence->SetRule(pRule);
    pMaster->SetRecurrence(pRecurrence);
    EXPECT_EQ(CVrxPAppointment::CreateOccurrence(pMaster.get(), DateOf(2025, 6, 7)), nullptr);
    pMaster->SetRecurrenceId(3);
    std::unique_ptr<CVrxPAppointment> pOccurrence(CVrxPAppointment::CreateOccurrence(pMaster.get(), DateOf(2025, 6, 7)));
    ASSERT_NE(pOccurrence, nullptr);
    EXPECT_EQ(pOccurrence->GetStart(), DateOf(2025, 6, 7, 22));
    EXPECT_EQ(pOccurrence->GetFinish(), DateOf(2025, 6, 8, 1));
    EXPECT_TRUE(pOccurrence->IsOccurrence());
    EXPECT_FALSE(pOccurrence->IsChanged());
    EXPECT_EQ(pOccurrence->GetRecurrence(), nullptr);
    EXPECT_EQ(CVrxPAppointment::CreateOccurrence(pOccurrence.get(), DateOf(2025, 6, 8)), nullptr);
    CVrxPAppointmentPropertyList description;
    description.Add(2, new CVrxPAppointmentProperty(CString("changed")));
    EXPECT_EQ(pOccurrence->SetProperties(description), 1);
    EXPECT_TRUE(pOccurrence->IsChanged());
}

TEST(AppointmentPieces, DaysMergeWhileTheyShareARow)
{
    CVrxPAppointment appointment;
    appointment.SetInterval(DateOf(2025, 5, 2, 10), DateOf(2025, 5, 4, 15));
    appointment.SetDrawRect(Rect(0, 10, 100, 30), DateOf(2025, 5, 2));
    appointment.SetDrawRect(Rect(100, 10, 200, 30), DateOf(2025, 5, 3));
    appointment.SetDrawRect(Rect(200, 10, 300, 30), DateOf(2025, 5, 4));
    ASSERT_EQ(appointment.GetScreenPieces().GetCount(), 1);
    EXPECT_EQ(appointment.GetScreenPieces().GetEntry(0).pRecord->GetKind(), 3);
    EXPECT_TRUE(SameRect(appointment.GetDrawRect(DateOf(2025, 5, 3)), Rect(0, 10, 300, 30)));

    appointment.ClearDrawRects();
    appointment.SetDrawRect(Rect(0, 10, 100, 30), DateOf(2025, 5, 2));
    appointment.SetDrawRect(Rect(100, 10, 200, 30), DateOf(2025, 5, 3));
    appointment.SetDrawRect(Rect(0, 50, 100, 70), DateOf(2025, 5, 4));
    ASSERT_EQ(appointment.GetScreenPieces().GetCount(), 2);
    EXPECT_EQ(appointment.GetScreenPieces().GetEntry(0).pRecord->GetKind(), 1);
    EXPECT_EQ(appointment.GetScreenPieces().GetEntry(1).pRecord->GetKind(), 2);

    appointment.ClearDrawRects();
    appointment.SetDrawRect(Rect(100, 10, 200, 30), DateOf(2025, 5, 3));
    EXPECT_EQ(appointment.GetScreenPieces().GetEntry(0).pRecord->GetKind(), 0);
    appointment.SetDrawRect(Rect(200, 10, 300, 30), DateOf(2025, 5, 4));
    EXPECT_EQ(appointment.GetScreenPieces().GetEntry(0).pRecord->GetKind(), 2);

    appointment.ClearDrawRects();
    appointment.SetDrawRect(Rect(0, 10, 100, 30), DateOf(2025, 5, 2));
    appointment.SetDrawRect(Rect(200, 10, 300, 30), DateOf(2025, 5, 4));
    EXPECT_EQ(appointment.GetScreenPieces().GetCount(), 2);
    appointment.SetDrawRect(Rect(0, 90, 50, 99), DateOf(2025, 5, 2));
    EXPECT_TRUE(SameRect(appointment.GetDrawRect(DateOf(2025, 5, 2)), Rect(0, 90, 50, 99)));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_TRUE(SameRect(appointment.GetDrawRect(invalid), Rect(0, 0, 0, 0)));
}

TEST(AppointmentPieces, AMidnightFinishAddsNoAreaOfItsOwn)
{
    CVrxPAppointment appointment;
    appointment.SetInterval(DateOf(2025, 5, 2, 10), DateOf(2025, 5, 4));
    appointment.SetDrawRect(Rect(0, 10, 100, 30), DateOf(2025, 5, 2));
    appointment.SetDrawRect(Rect(100, 10, 200, 30), DateOf(2025, 5, 3));
    appointment.SetDrawRect(Rect(200, 10, 300, 30), DateOf(2025, 5, 4));
    ASSERT_EQ(appointment.GetScreenPieces().GetCount(), 1);
    const auto& entry = appointment.GetScreenPieces().GetEntry(0);
    EXPECT_EQ(entry.lastDay, DateOf(2025, 5, 4));
    EXPECT_EQ(entry.pRecord->GetKind(), 3);
    EXPECT_TRUE(SameRect(entry.pRecord->GetRect(), Rect(0, 10, 200, 30)));
}

TEST(AppointmentHitTest, EdgesGripAndBody)
{
    CVrxPAppointment timed;
    timed.SetInterval(DateOf(2025, 5, 3, 9), DateOf(2025, 5, 3, 10));
    timed.SetDrawRect(Rect(10, 100, 110, 102), COleDateTime());
    timed.SetEditRect(Rect(20, 100, 110, 102));
    timed.SetTextRect(Rect(20, 100, 110, 102));
    // A point in both bands of a thin piece: without pieces the start edge wins.
    EXPECT_EQ(timed.HitTest(POINT{50, 101}), CVrxPAppointment::hitTopEdge);

    CVrxPAppointment tall;
    tall.SetInterval(DateOf(2025, 5, 3, 9), DateOf(2025, 5, 3, 10));
    tall.SetDrawRect(Rect(10, 100, 110, 200), COleDateTime());
    tall.SetEditRect(Rect(20, 100, 110, 200));
    tall.SetTextRect(Rect(20, 100, 110, 200));
    const struct
    {
        LONG x, y;
        int nPart;
    } points[] = {{50, 150, CVrxPAppointment::hitBody}, {12, 150, CVrxPAppointment::hitMoveGrip},
                  {50, 100, CVrxPAppointment::hitTopEdge}, {50, 104, CVrxPAppointment::hitTopEdge},
                  {50, 196, CVrxPAppointment::hitBottomEdge}, {50, 105, CVrxPAppointment::hitBody},
                  {5, 150, CVrxPAppointment::hitNone}, {50, 200, CVrxPAppointment::hitNone}};
    for (const auto& point : points)
        EXPECT_EQ(tall.HitTest(POINT{point.x, point.y}), point.nPart) << point.x << "," << point.y;

    // With pieces, a piece without the start bit has no start edge, and a
    // point in both bands of a thin piece gives the finish edge.
    CVrxPAppointment overnight;
    overnight.SetInterval(DateOf(2025, 5, 2, 22), DateOf(2025, 5, 3, 6));
    overnight.SetDrawRect(Rect(0, 10, 100, 12), DateOf(2025, 5, 2));
    overnight.SetDrawRect(Rect(100, 10, 200, 12), DateOf(2025, 5, 3));
    const CVrxPAppointmentPiece* pPiece = overnight.GetScreenPieces().GetEntry(0).pRecord;
    EXPECT_EQ(pPiece->GetKind(), 3);
    const_cast<CVrxPAppointmentPiece*>(pPiece)->SetVisible(true);
    EXPECT_EQ(overnight.HitTest(POINT{50, 11}), CVrxPAppointment::hitBottomEdge);

    CVrxPAppointment finishOnly;
    finishOnly.SetInterval(DateOf(2025, 5, 2, 22), DateOf(2025, 5, 3, 6));
    finishOnly.SetDrawRect(Rect(0, 10, 100, 60), DateOf(2025, 5, 3));
    const CVrxPAppointmentPiece* pFinish = finishOnly.GetScreenPieces().GetEntry(0).pRecord;
    EXPECT_EQ(pFinish->GetKind(), 2);
    const_cast<CVrxPAppointmentPiece*>(pFinish)->SetVisible(true);
    EXPECT_EQ(finishOnly.HitTest(POINT{50, 11}), CVrxPAppointment::hitBody);
    EXPECT_EQ(finishOnly.HitTest(POINT{50, 58}), CVrxPAppointment::hitBottomEdge);
    EXPECT_EQ(finishOnly.HitTest(POINT{150, 58}), CVrxPAppointment::hitNone);
}
