#pragma once
#include "Component.h"

// What acquire hands out for a component that is not available: never
// registered, requests and notifications do nothing and return 0.
class NullComponent : public Component {
public:
  // One per module that carries the bus code.
  static NullComponent& instance();

  bool shareable() const override;
  std::string type_name() const override;

private:
  NullComponent();
};
