#pragma once

// Something a thread waits for and holds: the base of the framework's
// synchronisation objects, which CSingleLock locks and unlocks.

#include "core/Platform.h"

class FRAMEWORK_API CSyncObject
{
public:
    CSyncObject() = default;
    virtual ~CSyncObject();
    CSyncObject(const CSyncObject&) = delete;
    CSyncObject& operator=(const CSyncObject&) = delete;

    // TRUE once the object is held; FALSE when dwTimeout (milliseconds)
    // passed first.
    virtual BOOL Lock(DWORD dwTimeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;
};
