#pragma once

// The menus' sounds: the system's "MenuCommand" when a command runs from
// the keyboard or a popup, "MenuPopup" when a popup opens. A thread of low
// priority plays them, so a menu never waits for the sound output; it
// starts at the first request and polls for the next every 5 ms. A request
// made before the thread picked up the previous one replaces it.

#include "app/CCriticalSection.h"

#include <atomic>
#include <cstdint>

class CVrxPMenuSound
{
public:
    enum Request
    {
        stop = -1,
        idle = 0,
        command = 1,
        popup = 2,
        // No thread yet.
        noThread = -2
    };
    static constexpr const char commandAlias[] = "MenuCommand";
    static constexpr const char popupAlias[] = "MenuPopup";

    // Plays the alias synchronously; null stops what plays.
    using Player = void (*)(const char* lpszAlias);
    // Starts the thread running ThreadMain(pArgument); 0 or -1 on failure.
    using ThreadStarter = uintptr_t (*)(void (*pThreadMain)(void*), void* pArgument);

    CVrxPMenuSound();

    // The process-wide sounds.
    static CVrxPMenuSound& Shared();

    // With a thread the request waits for it; without one, stop does
    // nothing and a sound starts the thread (a failed start is tried again
    // at the next request).
    void RequestSound(int nSound);
    // One poll of the thread: the pending sound is played and the state
    // idle again. FALSE, after the sound output was stopped, for stop.
    BOOL PlayPending();
    int GetState() const { return m_state; }
    uintptr_t GetThread() const { return m_thread; }

    BOOL soundsOn;
    Player player;
    ThreadStarter threadStarter;

private:
    static void ThreadMain(void* pSounds);

    std::atomic<int> m_state;
    uintptr_t m_thread;
    CCriticalSection m_starting;
};

// The process-wide sounds' request.
inline void RequestMenuSound(int nSound)
{
    CVrxPMenuSound::Shared().RequestSound(nSound);
}
