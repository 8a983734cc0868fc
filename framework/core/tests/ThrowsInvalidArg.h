#pragma once

#include "core/CException.h"

#include <functional>

// True when fn throws CInvalidArgException (the exception is deleted).
inline bool ThrowsInvalidArg(const std::function<void()>& fn)
{
    try
    {
        fn();
    }
    catch (CException* e)
    {
        bool bInvalidArg = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
        e->Delete();
        return bInvalidArg;
    }
    return false;
}
