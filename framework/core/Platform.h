#pragma once

// The base every framework header starts from: the Win32 API (ANSI build)
// and the framework's diagnostic macros.

#ifdef _WIN32
#include <windows.h>
#include <tchar.h>
#else
#include "core/PortableWin32.h"
#endif

#include "core/FrameworkApi.h"

// Both write to the debugger's output; a failed assertion also breaks into
// the debugger when one is attached.
FRAMEWORK_API void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
FRAMEWORK_API void AfxTrace(LPCTSTR lpszFormat, ...);

// Diagnostics cost nothing unless the module is built with _DEBUG.
#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define TRACE(...) AfxTrace(__VA_ARGS__)
#define ASSERT_VALID(pOb) ((pOb)->AssertValid())
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#define ASSERT_VALID(pOb) ((void)0)
#endif

#define UNUSED_ALWAYS(x) ((void)(x))

#ifdef _WIN32
// The module (exe or DLL) whose code expands this: each module links its own
// __ImageBase, and the function has internal linkage, so the answer is the
// caller's module even when called from a header.
extern "C" IMAGE_DOS_HEADER __ImageBase;
static inline HMODULE AfxGetThisModule()
{
    return reinterpret_cast<HMODULE>(&__ImageBase);
}
#else
// The native build is one program: every class belongs to it.
static inline HMODULE AfxGetThisModule()
{
    return nullptr;
}
#endif
