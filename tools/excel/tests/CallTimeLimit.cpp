#include "CallTimeLimit.h"
#include <cstdio>
#include <string>

namespace {

// The exit code of a test program that gave up waiting.
constexpr UINT kGaveUpExitCode = 3;

struct Watch {
  CRITICAL_SECTION lock;
  HANDLE changed;
  std::wstring what;
  DWORD milliseconds = 0;
  DWORD start = 0;
  bool armed = false;
};

DWORD WINAPI watch_calls(void* state)
{
  Watch& watch = *static_cast<Watch*>(state);
  while (true) {
    EnterCriticalSection(&watch.lock);
    bool armed = watch.armed;
    // Differences of tick counts hold across their wrap.
    DWORD elapsed = GetTickCount() - watch.start;
    bool late = armed && elapsed >= watch.milliseconds;
    DWORD wait = armed ? (late ? 0 : watch.milliseconds - elapsed) : INFINITE;
    if (late) {
      std::fwprintf(stderr, L"FAILED: %ls did not return within %lu s; the server does not answer\n",
                    watch.what.c_str(), static_cast<unsigned long>(watch.milliseconds / 1000));
      std::fflush(stderr);
      std::fflush(stdout);
      TerminateProcess(GetCurrentProcess(), kGaveUpExitCode);
    }
    LeaveCriticalSection(&watch.lock);
    WaitForSingleObject(watch.changed, wait);
  }
}

Watch& the_watch()
{
  static Watch* watch = [] {
    Watch* made = new Watch;
    InitializeCriticalSection(&made->lock);
    made->changed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(CreateThread(nullptr, 0, watch_calls, made, 0, nullptr));
    return made;
  }();
  return *watch;
}

}

CallTimeLimit::CallTimeLimit(const wchar_t* what, DWORD milliseconds)
{
  Watch& watch = the_watch();
  EnterCriticalSection(&watch.lock);
  watch.what = what;
  watch.milliseconds = milliseconds;
  watch.start = GetTickCount();
  watch.armed = true;
  LeaveCriticalSection(&watch.lock);
  SetEvent(watch.changed);
}

CallTimeLimit::~CallTimeLimit()
{
  Watch& watch = the_watch();
  EnterCriticalSection(&watch.lock);
  watch.armed = false;
  LeaveCriticalSection(&watch.lock);
}
