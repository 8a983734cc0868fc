#pragma once
#include <cstdint>
#include <string>

class Component;

// One error a component may raise, as the error manager keeps it.
struct ErrorRecord {
  Component* component;
  int32_t id;
  // The number of records before this one when it was added.
  int32_t index;
  std::string message;
};
