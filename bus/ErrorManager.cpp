#include "ErrorManager.h"
#include "ComponentLock.h"
#include "ComponentNames.h"
#include <stdexcept>

ErrorManager::ErrorManager(ComponentSystem* system) : Component(kErrorManagerName, system), current_(0)
{
}

ErrorManager::~ErrorManager()
{
  for (ErrorRecord* record : records_) {
    delete record;
  }
}

bool ErrorManager::shareable() const
{
  return true;
}

std::string ErrorManager::type_name() const
{
  return "error mgr";
}

bool ErrorManager::add(Component* component, int32_t id, const std::string& message)
{
  ComponentLock lock(*this);
  for (const ErrorRecord* record : records_) {
    if (record->component == component && record->id == id) {
      return false;
    }
  }
  records_.push_back(new ErrorRecord{component, id, static_cast<int32_t>(records_.size()), message});
  return true;
}

void ErrorManager::raise(Component* component, int32_t id)
{
  ComponentLock lock(*this);
  for (const ErrorRecord* record : records_) {
    if (record->component == component && record->id == id) {
      current_ = record->index;
      return;
    }
  }
  const std::string name = component != nullptr ? component->name() : std::string();
  throw std::runtime_error("can't find error in component <" + name + "> with id " + std::to_string(id) + "\n");
}
