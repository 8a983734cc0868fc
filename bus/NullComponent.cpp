#include "NullComponent.h"

NullComponent& NullComponent::instance()
{
  static NullComponent component;
  return component;
}

NullComponent::NullComponent() : Component("null component", nullptr)
{
}

bool NullComponent::shareable() const
{
  return false;
}

std::string NullComponent::type_name() const
{
  return "null";
}
