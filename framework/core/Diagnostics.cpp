#include "core/Platform.h"

#include <cstdarg>
#include <cstdio>

void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char message[MAX_PATH + 64];
    std::snprintf(message, sizeof message, "Assertion failed: %s(%d)\n", lpszFileName, nLine);
    OutputDebugStringA(message);
    if (IsDebuggerPresent())
        DebugBreak();
}

void AfxTrace(LPCTSTR lpszFormat, ...)
{
    char message[1024];
    va_list args;
    va_start(args, lpszFormat);
    std::vsnprintf(message, sizeof message, lpszFormat, args);
    va_end(args);
    OutputDebugStringA(message);
}
