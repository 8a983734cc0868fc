#include "Component.h"
#include "ComponentSystem.h"

Component::Component(const std::string& name, ComponentSystem* manager)
    : manager_(manager), name_(name), use_count_(0), active_(0)
{
  if (manager_ != nullptr) {
    manager_->register_component(name_, this);
  }
}

Component::~Component()
{
  manager_ = nullptr;
}

int32_t Component::request(BusMessage*)
{
  return 0;
}

int32_t Component::notify(BusMessage*)
{
  return 0;
}

bool Component::operator==(const Component& other) const
{
  return name_ == other.name_;
}

bool Component::operator!=(const Component& other) const
{
  return name_ != other.name_;
}
