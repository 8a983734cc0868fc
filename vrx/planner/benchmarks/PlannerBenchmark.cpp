// Prints how long the planner's core takes to expand a daily series over
// ten years (alone, and with the display text of every occurrence, which
// formats its time texts) and to query a month of a storage holding
// 100,000 appointments (median, fastest and slowest of several runs).
// Not a test.
#include "CVrxPAppointment.h"
#include "CVrxPAppointmentStorage.h"
#include "CVrxPRecurrence.h"
#include "CVrxPRecurrenceRuleDaily.h"

#include <algorithm>
#include <memory>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

const int runs = 15;

struct Figures
{
    double median;
    double fastest;
    double slowest;
};

Figures Measure(const std::function<void()>& step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
    {
        const auto begin = std::chrono::steady_clock::now();
        step();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    }
    std::sort(times.begin(), times.end());
    return Figures{times[times.size() / 2], times.front(), times.back()};
}

void Print(const char* what, const Figures& figures, size_t nItems)
{
    std::printf("%-52s median %8.3f ms  (fastest %8.3f, slowest %8.3f)  %zu appointments\n", what, figures.median,
                figures.fastest, figures.slowest, nItems);
}

CVrxPAppointment* DailyMaster(const COleDateTime& start)
{
    auto* pMaster = new CVrxPAppointment;
    auto* pRule = new CVrxPRecurrenceRuleDaily;
    pRule->SetStart(start);
    pRule->SetOffsets(COleDateTimeSpan(9.0 / 24), COleDateTimeSpan(10.0 / 24));
    auto* pRecurrence = new CVrxPRecurrence;
    pRecurrence->SetRule(pRule);
    pMaster->SetRecurrence(pRecurrence);
    pMaster->SetRecurrenceId(1);
    return pMaster;
}

void ExpandTenYears(bool bShowEach)
{
    const COleDateTime start(2020, 1, 1, 0, 0, 0);
    const COleDateTime end(2029, 12, 31, 23, 59, 59);
    std::unique_ptr<CVrxPAppointment> pMaster(DailyMaster(start));
    pMaster->SetDescription("stand-up");
    std::vector<CVrxPAppointment*> occurrences;
    size_t nTextLength = 0;
    const Figures figures = Measure([&]() {
        for (CVrxPAppointment* p : occurrences)
            delete p;
        pMaster->GetRecurrence()->GenerateOccurrences(occurrences, start, end);
        if (bShowEach)
        {
            for (const CVrxPAppointment* p : occurrences)
                nTextLength += static_cast<size_t>(p->GetDisplayText().GetLength());
        }
    });
    Print(bShowEach ? "expand it and build every occurrence's display text" : "expand a daily series over ten years",
          figures, occurrences.size());
    for (CVrxPAppointment* p : occurrences)
        delete p;
    if (bShowEach && nTextLength == 0)
        std::printf("  (no display texts were built)\n");
}

void QueryAMonth()
{
    CVrxPAppointmentStorage storage;
    std::mt19937 random(7);
    const COleDateTime first(2020, 1, 1, 0, 0, 0);
    for (int i = 0; i < 100000; ++i)
    {
        auto* p = new CVrxPAppointment;
        const COleDateTime start = first + COleDateTimeSpan(static_cast<double>(random() % 3653) +
                                                            static_cast<double>(random() % 96) / 96);
        // One in twenty runs over midnight, one in a hundred for days.
        const double length = i % 100 == 0 ? 1 + random() % 5 : i % 20 == 0 ? 0.5 : (1 + random() % 8) / 24.0;
        p->SetInterval(start, start + COleDateTimeSpan(length));
        storage.Add(p);
    }
    std::vector<CVrxPAppointment*> result;
    const Figures figures = Measure([&]() {
        storage.Query(result, COleDateTime(2025, 5, 1, 0, 0, 0), COleDateTime(2025, 5, 31, 23, 59, 59));
    });
    Print("query May 2025 of 100,000 stored appointments", figures, result.size());
}

} // namespace

int main()
{
    ExpandTenYears(false);
    ExpandTenYears(true);
    QueryAMonth();
    return 0;
}
