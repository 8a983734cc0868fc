#include "HostSystem.h"
#include "MemoryCounterpart.h"
#include "SymbolManager.h"

HostSystem* HostSystem::instance()
{
  static HostSystem* system = new HostSystem();
  return system;
}

HostSystem::~HostSystem() = default;

bool HostSystem::init()
{
  if (!ComponentSystem::init()) {
    return false;
  }
  new MemoryCounterpart(this);
  new SymbolManager(this);
  return true;
}

void HostSystem::deinit()
{
  ComponentSystem::deinit();
}
