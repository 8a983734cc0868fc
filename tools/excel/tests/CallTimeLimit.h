#pragma once
#include <windows.h>

// Ends the test program with a message naming what it waited for when a call
// into the server does not return within the limit: a server that stops
// answering must fail the test, never leave it waiting. One watcher thread
// serves every limit; limits do not nest.
class CallTimeLimit {
public:
  CallTimeLimit(const wchar_t* what, DWORD milliseconds);
  ~CallTimeLimit();
  CallTimeLimit(const CallTimeLimit&) = delete;
  CallTimeLimit& operator=(const CallTimeLimit&) = delete;
};

// Far above any answer the server gives; only a server that hangs reaches them.
constexpr DWORD kActivationLimitMilliseconds = 60000;
constexpr DWORD kCallLimitMilliseconds = 60000;
