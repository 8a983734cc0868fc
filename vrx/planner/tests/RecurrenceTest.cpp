#include "CVrxPAppointment.h"
#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPRecurrence.h"
#include "PlannerTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Occurrences
{
    std::vector<CVrxPAppointment*> items;
    ~Occurrences()
    {
        for (CVrxPAppointment* p : items)
            delete p;
    }
};

void Generate(const CVrxPAppointment& master, Occurrences& result, const COleDateTime& from, const COleDateTime& to)
{
    master.GetRecurrence()->GenerateOccurrences(result.items, from, to);
}

// An application's appointment with a place of its own, which it carries
// as one more property.
class CPlacedAppointment : public CVrxPAppointment
{
    DECLARE_DYNCREATE(CPlacedAppointment)
public:
    static const int idPlace = 50;

    void GetProperties(CVrxPAppointmentPropertyList& list) const override
    {
        CVrxPAppointment::GetProperties(list);
        list.Add(idPlace, new CVrxPAppointmentProperty(m_strPlace));
    }
    int SetProperties(const CVrxPAppointmentPropertyList& list) override
    {
        if (const auto* pPlace = dynamic_cast<const CVrxPAppointmentProperty*>(list.Get(idPlace)))
            m_strPlace = pPlace->AsText();
        return CVrxPAppointment::SetProperties(list);
    }

    CString m_strPlace;
};

IMPLEMENT_DYNCREATE(CPlacedAppointment, CVrxPAppointment)

// A recurrence that marks every occurrence it makes.
class CMarkingRecurrence : public CVrxPRecurrence
{
public:
    static constexpr COLORREF mark = RGB(1, 2, 3);

    CVrxPAppointment* OccurrenceAt(const COleDateTime& date) const override
    {
        CVrxPAppointment* pOccurrence = CVrxPRecurrence::OccurrenceAt(date);
        if (pOccurrence != nullptr)
            pOccurrence->SetForegroundColor(mark);
        return pOccurrence;
    }
};

} // namespace

TEST(Recurrence, MasterTakesTheDatesOfItsFirstOccurrence)
{
    auto pMaster = DailyMaster(10, 11);
    EXPECT_EQ(pMaster->GetStart(), DateOf(2025, 5, 1, 10));
    EXPECT_EQ(pMaster->GetFinish(), DateOf(2025, 5, 1, 11));
    EXPECT_FALSE(pMaster->IsAllDay());
}

TEST(Recurrence, OneDayQueryGivesThatDaysOccurrence)
{
    auto pMaster = DailyMaster(10, 11);
    Occurrences result;
    Generate(*pMaster, result, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
    ASSERT_EQ(result.items.size(), 1u);
    EXPECT_EQ(result.items[0]->GetStart(), DateOf(2025, 5, 3, 10));
    EXPECT_EQ(result.items[0]->GetFinish(), DateOf(2025, 5, 3, 11));
    EXPECT_EQ(result.items[0]->GetOccurrenceDate(), DateOf(2025, 5, 3));
    EXPECT_TRUE(result.items[0]->IsOccurrence());
    EXPECT_EQ(result.items[0]->GetRecurrenceId(), 1);
}

// Occurrences that began the evening before reach into the day whatever
// their length: the look-back covers every day the duration touches.
TEST(Recurrence, OccurrencesCrossingMidnightAreListedForTheNextDay)
{
    const double cases[][2] = {{20, 32}, {22, 25}, {23.5, 24.5}, {10, 58}};
    for (const auto& times : cases)
    {
        auto pMaster = DailyMaster(times[0], times[1]);
        Occurrences result;
        Generate(*pMaster, result, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
        bool bFromEveningBefore = false;
        for (const CVrxPAppointment* p : result.items)
            bFromEveningBefore |= p->GetOccurrenceDate() == DateOf(2025, 5, 2);
        EXPECT_TRUE(bFromEveningBefore) << times[0] << "-" << times[1];
        for (const CVrxPAppointment* p : result.items)
            EXPECT_GT(p->GetFinish(), DateOf(2025, 5, 3)) << times[0] << "-" << times[1];
    }
}

TEST(Recurrence, AnOccurrenceEndingWhenTheRangeBeginsIsNotListed)
{
    auto pMaster = DailyMaster(22, 24);
    Occurrences result;
    Generate(*pMaster, result, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
    ASSERT_EQ(result.items.size(), 1u);
    EXPECT_EQ(result.items[0]->GetOccurrenceDate(), DateOf(2025, 5, 3));
}

TEST(Recurrence, RemovedAndMovedOccurrences)
{
    auto pMaster = DailyMaster(10, 11);
    CVrxPRecurrence& recurrence = *pMaster->GetRecurrence();
    {
        std::unique_ptr<CVrxPAppointment> pRemoved(recurrence.OccurrenceAt(DateOf(2025, 5, 4)));
        CVrxPAppointmentPropertyList properties;
        pRemoved->GetProperties(properties);
        recurrence.SetException(DateOf(2025, 5, 4), properties, 1);
    }
    {
        std::unique_ptr<CVrxPAppointment> pMoved(recurrence.OccurrenceAt(DateOf(2025, 5, 5)));
        pMoved->SetInterval(DateOf(2025, 5, 8, 15), DateOf(2025, 5, 8, 16));
        CVrxPAppointmentPropertyList properties;
        pMoved->GetProperties(properties);
        recurrence.SetException(DateOf(2025, 5, 5), properties, 0);
    }
    EXPECT_EQ(recurrence.OccurrenceAt(DateOf(2025, 5, 4)), nullptr);

    Occurrences may4;
    Generate(*pMaster, may4, DateOf(2025, 5, 4), DateOf(2025, 5, 4, 23, 59, 59));
    EXPECT_TRUE(may4.items.empty());
    Occurrences may5;
    Generate(*pMaster, may5, DateOf(2025, 5, 5), DateOf(2025, 5, 5, 23, 59, 59));
    EXPECT_TRUE(may5.items.empty());
    Occurrences may8;
    Generate(*pMaster, may8, DateOf(2025, 5, 8), DateOf(2025, 5, 8, 23, 59, 59));
    ASSERT_EQ(may8.items.size(), 2u);
    EXPECT_EQ(may8.items[0]->GetStart(), DateOf(2025, 5, 8, 15));
    EXPECT_TRUE(may8.items[0]->IsChanged());
    EXPECT_EQ(may8.items[1]->GetStart(), DateOf(2025, 5, 8, 10));
}

TEST(Recurrence, ExceptionsRecordOnlyWhatDiffers)
{
    auto pMaster = DailyMaster(10, 11);
    CVrxPRecurrence& recurrence = *pMaster->GetRecurrence();
    const COleDateTime date = DateOf(2025, 5, 6);
    std::unique_ptr<CVrxPAppointment> pOccurrence(recurrence.OccurrenceAt(date));
    CVrxPAppointmentPropertyList unchanged;
    pOccurrence->GetProperties(unchanged);
    recurrence.SetException(date, unchanged, 0);
    EXPECT_TRUE(recurrence.GetExceptions().empty());

    pOccurrence->SetDescription("moved later");
    CVrxPAppointmentPropertyList described;
    pOccurrence->GetProperties(described);
    recurrence.SetException(date, described, 0);
    ASSERT_EQ(recurrence.GetExceptions().size(), 1u);
    const CVrxPAppointmentPropertyList& changes = recurrence.GetExceptions().begin()->second->changes;
    EXPECT_EQ(changes.GetCount(), 1);
    EXPECT_TRUE(changes.Has(2));

    pOccurrence->SetInterval(DateOf(2025, 5, 6, 12), DateOf(2025, 5, 6, 13));
    CVrxPAppointmentPropertyList moved;
    pOccurrence->GetProperties(moved);
    recurrence.SetException(date, moved, 0);
    EXPECT_TRUE(changes.Has(0));
    EXPECT_TRUE(changes.Has(1));
    EXPECT_TRUE(changes.Has(2));
}

TEST(Recurrence, WithoutOwnerOrRuleNothingIsMadeOrRecorded)
{
    CVrxPRecurrence recurrence;
    EXPECT_EQ(recurrence.OccurrenceAt(DateOf(2025, 5, 1)), nullptr);
    CVrxPAppointmentPropertyList properties;
    properties.Add(2, new CVrxPAppointmentProperty(CString("x")));
    recurrence.SetException(DateOf(2025, 5, 1), properties, 0);
    EXPECT_TRUE(recurrence.GetExceptions().empty());
    std::vector<CVrxPAppointment*> result;
    recurrence.GenerateOccurrences(result, DateOf(2025, 1, 1), DateOf(2026, 1, 1));
    EXPECT_TRUE(result.empty());
}

// Occurrences are made through the classes' own operations: the master's
// class and its properties, the recurrence's OccurrenceAt; each expansion
// reads the master as it is then.
TEST(Recurrence, DerivedClassesMakeTheOccurrences)
{
    CPlacedAppointment master;
    master.m_strPlace = "room 4";
    AttachDailyRule(master, new CMarkingRecurrence, 9.5, 10, 1);
    master.SetDescription("stand-up");

    Occurrences first;
    Generate(master, first, DateOf(2025, 5, 3), DateOf(2025, 5, 5, 23, 59, 59));
    ASSERT_EQ(first.items.size(), 3u);
    for (size_t i = 0; i < first.items.size(); ++i)
    {
        const CVrxPAppointment* p = first.items[i];
        const COleDateTime start = DateOf(2025, 5, 3 + static_cast<int>(i), 9, 30);
        ASSERT_TRUE(p->IsKindOf(RUNTIME_CLASS(CPlacedAppointment)));
        EXPECT_STREQ(static_cast<const CPlacedAppointment*>(p)->m_strPlace, "room 4");
        EXPECT_EQ(p->GetForegroundColor(), CMarkingRecurrence::mark);
        EXPECT_EQ(p->GetStart(), start);
        EXPECT_EQ(p->GetStartTimeText(), TimeTextOf(start));
        EXPECT_EQ(p->GetDisplayText(), p->GetStartTimeText() + "-" + p->GetFinishTimeText() + "\r\nstand-up");
    }

    master.m_strPlace = "hall";
    Occurrences second;
    Generate(master, second, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
    ASSERT_EQ(second.items.size(), 1u);
    EXPECT_STREQ(static_cast<const CPlacedAppointment*>(second.items[0])->m_strPlace, "hall");
    std::unique_ptr<CVrxPAppointment> pAlone(master.GetRecurrence()->OccurrenceAt(DateOf(2025, 5, 9)));
    ASSERT_NE(pAlone, nullptr);
    EXPECT_STREQ(static_cast<const CPlacedAppointment*>(pAlone.get())->m_strPlace, "hall");
}
