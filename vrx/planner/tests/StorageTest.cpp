#include "CVrxPAppointment.h"
#include "CVrxPAppointmentStorage.h"
#include "CVrxPPlannerView.h"
#include "PlannerTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

CVrxPAppointment* Make(const COleDateTime& start, const COleDateTime& finish, const char* description = "")
{
    auto* p = new CVrxPAppointment;
    p->SetInterval(start, finish);
    p->SetDescription(description);
    return p;
}

// A query's result; occurrences in it are the caller's.
struct QueryResult
{
    std::vector<CVrxPAppointment*> items;
    ~QueryResult()
    {
        for (CVrxPAppointment* p : items)
        {
            if (p->IsOccurrence())
                delete p;
        }
    }
};

std::vector<std::string> DescriptionsOf(const std::vector<CVrxPAppointment*>& items)
{
    std::vector<std::string> descriptions;
    for (const CVrxPAppointment* p : items)
        descriptions.push_back(static_cast<const char*>(p->GetDescription()));
    return descriptions;
}

} // namespace

TEST(AppointmentStorage, DayListsKeepTimeOrderAndEqualTimesInArrival)
{
    CVrxPAppointmentStorage storage;
    storage.Add(Make(DateOf(2025, 5, 3, 10), DateOf(2025, 5, 3, 11), "a"));
    storage.Add(Make(DateOf(2025, 5, 3, 9), DateOf(2025, 5, 3, 10), "b"));
    storage.Add(Make(DateOf(2025, 5, 3, 10), DateOf(2025, 5, 3, 11), "c"));
    storage.Add(Make(DateOf(2025, 5, 3, 10), DateOf(2025, 5, 3, 10, 30), "d"));
    std::vector<CVrxPAppointment*> all;
    storage.GetAll(all);
    EXPECT_EQ(DescriptionsOf(all), (std::vector<std::string>{"b", "a", "c", "d"}));
}

TEST(AppointmentStorage, CarryInsFromThePreviousDay)
{
    CVrxPAppointmentStorage storage;
    storage.Add(Make(DateOf(2025, 5, 3, 22), DateOf(2025, 5, 4, 1), "overnight"));
    storage.Add(Make(DateOf(2025, 5, 3, 22), DateOf(2025, 5, 4), "until midnight"));
    CVrxPAppointment* pAllDay = Make(DateOf(2025, 5, 3), DateOf(2025, 5, 4), "all day");
    pAllDay->SetAllDay(true);
    storage.Add(pAllDay);
    QueryResult result;
    storage.Query(result.items, DateOf(2025, 5, 4), DateOf(2025, 5, 4, 23, 59, 59));
    EXPECT_EQ(DescriptionsOf(result.items), (std::vector<std::string>{"all day", "overnight"}));
}

TEST(AppointmentStorage, RangeDaysIncludeTheLastDayWhateverItsTime)
{
    CVrxPAppointmentStorage storage;
    storage.Add(Make(DateOf(2025, 5, 4, 23), DateOf(2025, 5, 4, 23, 30), "late"));
    QueryResult oneDay;
    storage.Query(oneDay.items, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
    EXPECT_TRUE(oneDay.items.empty());
    QueryResult twoDays;
    storage.Query(twoDays.items, DateOf(2025, 5, 3), DateOf(2025, 5, 4));
    EXPECT_EQ(twoDays.items.size(), 1u);
}

TEST(AppointmentStorage, UpdateReindexesAndReAddsBehindEqualTimes)
{
    CVrxPAppointmentStorage storage;
    CVrxPAppointment* pFirst = Make(DateOf(2025, 5, 3, 10), DateOf(2025, 5, 3, 11), "first");
    storage.Add(pFirst);
    storage.Add(Make(DateOf(2025, 5, 3, 10), DateOf(2025, 5, 3, 11), "second"));
    pFirst->SetDescription("first, renamed");
    EXPECT_TRUE(storage.Update(pFirst, COleDateTime(), false));
    std::vector<CVrxPAppointment*> all;
    storage.GetAll(all);
    EXPECT_EQ(DescriptionsOf(all), (std::vector<std::string>{"second", "first, renamed"}));

    const COleDateTime oldStart = pFirst->GetStart();
    pFirst->SetInterval(DateOf(2025, 6, 1, 8), DateOf(2025, 6, 1, 9));
    EXPECT_TRUE(storage.Update(pFirst, oldStart, false));
    QueryResult june;
    storage.Query(june.items, DateOf(2025, 6, 1), DateOf(2025, 6, 1, 23, 59, 59));
    EXPECT_EQ(DescriptionsOf(june.items), (std::vector<std::string>{"first, renamed"}));
}

// A forced update of an appointment that its old start does not find must
// not leave it indexed twice.
TEST(AppointmentStorage, ForcedUpdateLeavesNoStalePointer)
{
    CVrxPAppointmentStorage storage;
    CVrxPAppointment* pMoved = Make(DateOf(2025, 5, 3, 10), DateOf(2025, 5, 3, 11), "moved");
    storage.Add(pMoved);
    pMoved->SetInterval(DateOf(2025, 5, 9, 10), DateOf(2025, 5, 9, 11));
    EXPECT_FALSE(storage.Update(pMoved, DateOf(2025, 5, 7, 10), false));
    EXPECT_TRUE(storage.Update(pMoved, DateOf(2025, 5, 7, 10), true));
    std::vector<CVrxPAppointment*> all;
    storage.GetAll(all);
    EXPECT_EQ(std::count(all.begin(), all.end(), pMoved), 1);
    QueryResult may3;
    storage.Query(may3.items, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
    EXPECT_TRUE(may3.items.empty());
    EXPECT_TRUE(storage.Remove(pMoved));
    EXPECT_TRUE(storage.IsEmpty());
}

TEST(AppointmentStorage, RecurrenceIdsAreUniqueAndGrow)
{
    CVrxPAppointmentStorage storage;
    CVrxPAppointment* pSeven = DailyMaster(10, 11, 7).release();
    storage.Add(pSeven);
    EXPECT_EQ(storage.GetLastRecurrenceId(), 7);
    CVrxPAppointment* pNew = DailyMaster(10, 11, 0).release();
    storage.Add(pNew);
    EXPECT_EQ(pNew->GetRecurrenceId(), 8);
    CVrxPAppointment* pClash = DailyMaster(10, 11, 7).release();
    storage.Add(pClash);
    EXPECT_EQ(pClash->GetRecurrenceId(), 9);
    EXPECT_EQ(storage.FindRecurrence(7), pSeven);
    EXPECT_EQ(storage.FindRecurrence(9), pClash);
    EXPECT_TRUE(storage.IsEmpty());
    QueryResult may2;
    storage.Query(may2.items, DateOf(2025, 5, 2), DateOf(2025, 5, 2, 23, 59, 59));
    EXPECT_EQ(may2.items.size(), 3u);
}

TEST(AppointmentStorage, RemovingAnOccurrenceSkipsItsDate)
{
    CVrxPAppointmentStorage storage;
    storage.Add(DailyMaster(10, 11, 1).release());
    {
        QueryResult may3;
        storage.Query(may3.items, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
        ASSERT_EQ(may3.items.size(), 1u);
        CVrxPAppointment* pOccurrence = may3.items[0];
        may3.items.clear();
        EXPECT_TRUE(storage.Remove(pOccurrence));
    }
    QueryResult again;
    storage.Query(again.items, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
    EXPECT_TRUE(again.items.empty());
    QueryResult may4;
    storage.Query(may4.items, DateOf(2025, 5, 4), DateOf(2025, 5, 4, 23, 59, 59));
    EXPECT_EQ(may4.items.size(), 1u);
}

// An occurrence whose series is not stored is indexed as a plain
// appointment, which the storage then owns alone.
TEST(AppointmentStorage, AnOccurrenceWithoutItsMasterBecomesPlain)
{
    std::unique_ptr<CVrxPAppointment> pMaster = DailyMaster(10, 11, 5);
    CVrxPAppointment* pOrphan = CVrxPAppointment::CreateOccurrence(pMaster.get(), DateOf(2025, 5, 3));
    CVrxPAppointmentStorage storage;
    EXPECT_TRUE(storage.Add(pOrphan));
    EXPECT_FALSE(pOrphan->IsRecurring());
    EXPECT_FALSE(pOrphan->IsOccurrence());
    QueryResult may3;
    storage.Query(may3.items, DateOf(2025, 5, 3), DateOf(2025, 5, 3, 23, 59, 59));
    ASSERT_EQ(may3.items.size(), 1u);
    EXPECT_EQ(may3.items[0], pOrphan);
}

TEST(AppointmentStorage, SortPutsLongFirstThenTimeDurationAndDescription)
{
    std::unique_ptr<CVrxPAppointment> shortOne(Make(DateOf(2025, 5, 3, 9), DateOf(2025, 5, 3, 10), "short"));
    std::unique_ptr<CVrxPAppointment> longOne(Make(DateOf(2025, 5, 3, 15), DateOf(2025, 5, 5, 10), "long"));
    std::unique_ptr<CVrxPAppointment> lower(Make(DateOf(2025, 5, 3, 12), DateOf(2025, 5, 3, 13), "beta"));
    std::unique_ptr<CVrxPAppointment> upper(Make(DateOf(2025, 5, 3, 12), DateOf(2025, 5, 3, 13), "Alpha"));
    std::unique_ptr<CVrxPAppointment> capital(Make(DateOf(2025, 5, 3, 12), DateOf(2025, 5, 3, 13), "Bz"));
    std::unique_ptr<CVrxPAppointment> longer(Make(DateOf(2025, 5, 3, 12), DateOf(2025, 5, 3, 14), "zz"));
    std::vector<CVrxPAppointment*> items = {lower.get(), shortOne.get(), capital.get(), upper.get(), longer.get(), longOne.get()};
    CVrxPAppointment::Sort(items.data(), static_cast<int>(items.size()));
    EXPECT_EQ(DescriptionsOf(items), (std::vector<std::string>{"long", "short", "zz", "Alpha", "Bz", "beta"}));
}

// Invalid dates make the order inconsistent; the sort must still end and
// stay inside the array (the sanitizers watch the second part).
TEST(AppointmentStorage, SortSurvivesInvalidDates)
{
    std::vector<std::unique_ptr<CVrxPAppointment>> owned;
    std::vector<CVrxPAppointment*> items;
    std::mt19937 random(11);
    for (int i = 0; i < 500; ++i)
    {
        COleDateTime start = DateOf(2025, 5, 1 + static_cast<int>(random() % 5), static_cast<int>(random() % 24));
        if (random() % 3 == 0)
            start.SetStatus(COleDateTime::invalid);
        owned.emplace_back(Make(start, DateOf(2025, 5, 6), ""));
        items.push_back(owned.back().get());
    }
    CVrxPAppointment::Sort(items.data(), static_cast<int>(items.size()));
    std::vector<CVrxPAppointment*> sortedSet(items);
    std::sort(sortedSet.begin(), sortedSet.end());
    EXPECT_EQ(std::adjacent_find(sortedSet.begin(), sortedSet.end()), sortedSet.end());
    EXPECT_EQ(items.size(), 500u);
}

// A seeded run of adds, updates, removes and queries against a plain list:
// the storage must answer the same appointments in the same order.
TEST(AppointmentStorage, RandomOperationsMatchAPlainListModel)
{
    const unsigned seed = 20250503;
    std::mt19937 random(seed);
    CVrxPAppointmentStorage storage;
    std::vector<CVrxPAppointment*> model;
    int nNext = 0;
    auto randomDate = [&random]() {
        return DateOf(2025, 5, 1 + static_cast<int>(random() % 20), static_cast<int>(random() % 24),
                      static_cast<int>(random() % 4) * 15);
    };
    auto randomInterval = [&](CVrxPAppointment& appointment) {
        const COleDateTime start = randomDate();
        const int nKind = static_cast<int>(random() % 4);
        const double length = nKind == 0 ? 0 : nKind == 1 ? (1 + random() % 8) / 24.0 : nKind == 2 ? (2 + random() % 30) / 24.0 : 1 + random() % 4;
        appointment.SetInterval(start, start + COleDateTimeSpan(length));
        appointment.SetAllDay(random() % 10 == 0);
    };
    for (int nStep = 0; nStep < 3000; ++nStep)
    {
        const int nOperation = static_cast<int>(random() % 10);
        if (nOperation < 4 || model.empty())
        {
            auto* p = new CVrxPAppointment;
            randomInterval(*p);
            CString description;
            description.Format("item %05d", nNext++);
            p->SetDescription(description);
            ASSERT_TRUE(storage.Add(p));
            model.push_back(p);
        }
        else if (nOperation < 6)
        {
            CVrxPAppointment* p = model[random() % model.size()];
            const COleDateTime oldStart = p->GetStart();
            randomInterval(*p);
            ASSERT_TRUE(storage.Update(p, oldStart, false)) << "seed " << seed << " step " << nStep;
        }
        else if (nOperation < 7)
        {
            const size_t nIndex = random() % model.size();
            ASSERT_TRUE(storage.Remove(model[nIndex])) << "seed " << seed << " step " << nStep;
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(nIndex));
        }
        else
        {
            const COleDateTime from = DateOf(2025, 5, 1 + static_cast<int>(random() % 20));
            const COleDateTime to = from + COleDateTimeSpan(static_cast<double>(random() % 7) + 86399.0 / 86400);
            QueryResult result;
            storage.Query(result.items, from, to);
            const COleDateTime lastDay = DateOf(to.GetYear(), to.GetMonth(), to.GetDay());
            const COleDateTime afterLast = lastDay + COleDateTimeSpan(1.0);
            std::vector<CVrxPAppointment*> expected;
            for (CVrxPAppointment* p : model)
            {
                const bool bStartsIn = p->GetStart() >= from && p->GetStart() < afterLast;
                const bool bCarriedIn = p->GetStart() < from && !CVrxPPlannerView::IsSameDay(p->GetStart(), p->GetFinish()) &&
                                        p->GetFinish() >= from && !(p->GetFinish() == from && !p->IsAllDay());
                if (bStartsIn || bCarriedIn)
                    expected.push_back(p);
            }
            std::sort(expected.begin(), expected.end(),
                      [](const CVrxPAppointment* a, const CVrxPAppointment* b) { return CVrxPAppointment::Compare(a, b) < 0; });
            ASSERT_EQ(result.items, expected) << "seed " << seed << " step " << nStep;
        }
    }
}
