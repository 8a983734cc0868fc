#pragma once

// A Win32 event. Lock waits for it to be signalled (an auto-reset event is
// reset by that wait); Unlock has nothing to give back.

#include "app/CSyncObject.h"

class FRAMEWORK_API CEvent : public CSyncObject
{
public:
    // bInitiallyOwn: created signalled.
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCTSTR lpszName = NULL,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    ~CEvent() override;

    BOOL SetEvent();
    BOOL ResetEvent();
    BOOL PulseEvent();

    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override;

    operator HANDLE() const { return m_hObject; }

    HANDLE m_hObject;
};
