#include "toolbars/CVrxPMenuSound.h"

#include <windows.h>

#include <mmsystem.h>
#include <process.h>

namespace
{
void PlaySystemSound(const char* lpszAlias)
{
    if (lpszAlias == nullptr)
        ::PlaySoundA(nullptr, nullptr, SND_PURGE);
    else
        ::PlaySoundA(lpszAlias, nullptr, SND_ALIAS | SND_NOWAIT | SND_NODEFAULT);
}

uintptr_t BeginThread(void (*pThreadMain)(void*), void* pArgument)
{
    return _beginthread(pThreadMain, 0, pArgument);
}
} // namespace

CVrxPMenuSound::CVrxPMenuSound()
    : soundsOn(TRUE), player(PlaySystemSound), threadStarter(BeginThread), m_state(noThread), m_thread(0)
{
}

// Never destroyed: the thread may still poll while the process ends.
CVrxPMenuSound& CVrxPMenuSound::Shared()
{
    static CVrxPMenuSound* pSounds = new CVrxPMenuSound;
    return *pSounds;
}

void CVrxPMenuSound::RequestSound(int nSound)
{
    if (!soundsOn)
        return;
    if (m_state != noThread)
    {
        m_state = nSound;
        if (nSound == stop)
            m_thread = 0;
        return;
    }
    if (nSound == stop)
        return;
    m_starting.Lock();
    if (m_state == noThread)
    {
        const uintptr_t thread = threadStarter(ThreadMain, this);
        if (thread != 0 && thread != static_cast<uintptr_t>(-1))
        {
            m_thread = thread;
            ::SetThreadPriority(reinterpret_cast<HANDLE>(thread), THREAD_PRIORITY_BELOW_NORMAL);
            m_state = nSound;
        }
        else
            m_thread = 0;
    }
    else
        m_state = nSound;
    m_starting.Unlock();
}

BOOL CVrxPMenuSound::PlayPending()
{
    const int nState = m_state;
    if (nState == stop)
    {
        player(nullptr);
        return FALSE;
    }
    if (nState == command || nState == popup)
    {
        player(nState == command ? commandAlias : popupAlias);
        m_state = idle;
    }
    return TRUE;
}

void CVrxPMenuSound::ThreadMain(void* pSounds)
{
    CVrxPMenuSound* pThis = static_cast<CVrxPMenuSound*>(pSounds);
    while (pThis->PlayPending())
        ::Sleep(5);
}
