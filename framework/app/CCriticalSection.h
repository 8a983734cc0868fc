#pragma once

// A Win32 critical section: recursive for its owning thread.

#include "app/CSyncObject.h"

class FRAMEWORK_API CCriticalSection : public CSyncObject
{
public:
    CCriticalSection();
    ~CCriticalSection() override;

    BOOL Lock();
    // A critical section cannot time out: waits until it is free.
    BOOL Lock(DWORD dwTimeout) override;
    BOOL Unlock() override;

    operator CRITICAL_SECTION*() { return &m_sect; }

    CRITICAL_SECTION m_sect;
};
