#pragma once
#include "Component.h"

// Holds a component's critical section for the guard's scope, also while an
// exception passes.
class ComponentLock {
public:
  explicit ComponentLock(Component& component) : lock_(component.lock_) { EnterCriticalSection(&lock_); }
  ~ComponentLock() { LeaveCriticalSection(&lock_); }

  ComponentLock(const ComponentLock&) = delete;
  ComponentLock& operator=(const ComponentLock&) = delete;

private:
  CRITICAL_SECTION& lock_;
};
