#include "app/CCriticalSection.h"
#include "app/CEvent.h"
#include "app/CSingleLock.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
bool HeldByAnotherThread(CCriticalSection& section)
{
    bool bHeld = false;
    std::thread other([&] {
        bHeld = !TryEnterCriticalSection(section);
        if (!bHeld)
            LeaveCriticalSection(section);
    });
    other.join();
    return bHeld;
}

TEST(CSingleLock, HoldsACriticalSectionForItsScope)
{
    CCriticalSection section;
    {
        CSingleLock lock(&section, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_TRUE(HeldByAnotherThread(section));
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_FALSE(HeldByAnotherThread(section));
        EXPECT_TRUE(lock.Lock());
    }
    EXPECT_FALSE(HeldByAnotherThread(section));
}

TEST(CEvent, AutoResetEventsLetOneWaitThrough)
{
    CEvent event;
    CSingleLock lock(&event);
    EXPECT_FALSE(lock.Lock(0));
    EXPECT_FALSE(lock.IsLocked());

    event.SetEvent();
    EXPECT_TRUE(lock.Lock(0));
    EXPECT_TRUE(lock.Unlock());
    EXPECT_FALSE(lock.Lock(0));
}

TEST(CEvent, ManualResetEventsStaySignalled)
{
    CEvent event(TRUE, TRUE);
    EXPECT_TRUE(event.Lock(0));
    EXPECT_TRUE(event.Lock(0));
    event.ResetEvent();
    EXPECT_FALSE(event.Lock(0));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(event, 0));
}
} // namespace
