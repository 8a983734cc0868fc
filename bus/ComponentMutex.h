#pragma once
#ifdef _WIN32
#include <windows.h>
#else
#include <mutex>
#endif

// A component's lock. On Windows it is the critical section itself, so the
// component's layout that plug-ins rely on stays as it was; elsewhere (the
// native test and fuzzing build) a standard mutex.
class ComponentMutex {
public:
#ifdef _WIN32
  ComponentMutex() { InitializeCriticalSection(&section_); }
  ~ComponentMutex() { DeleteCriticalSection(&section_); }
  void lock() { EnterCriticalSection(&section_); }
  void unlock() { LeaveCriticalSection(&section_); }
#else
  ComponentMutex() = default;
  void lock() { mutex_.lock(); }
  void unlock() { mutex_.unlock(); }
#endif

  ComponentMutex(const ComponentMutex&) = delete;
  ComponentMutex& operator=(const ComponentMutex&) = delete;

private:
#ifdef _WIN32
  CRITICAL_SECTION section_;
#else
  std::recursive_mutex mutex_;
#endif
};
