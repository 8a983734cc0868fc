#pragma once
#include "Component.h"

// Holds a component's lock for the guard's scope, also while an exception
// passes.
class ComponentLock {
public:
  explicit ComponentLock(Component& component) : lock_(component.lock_) { lock_.lock(); }
  ~ComponentLock() { lock_.unlock(); }

  ComponentLock(const ComponentLock&) = delete;
  ComponentLock& operator=(const ComponentLock&) = delete;

private:
  ComponentMutex& lock_;
};
