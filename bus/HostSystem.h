#pragma once
#include "ComponentSystem.h"

// korvo's one component system; every plug-in receives its pointer in
// dll_init and registers its components there. The plug-ins only use it as
// a ComponentSystem: its operations are korvo's and are defined in korvo.
class HostSystem : public ComponentSystem {
public:
  // Created on the first call, never deleted.
  static HostSystem* instance();

  ~HostSystem() override;
  // The base's components, then the memory reader and the symbol-map loader.
  bool init() override;
  void deinit() override;

private:
  HostSystem() = default;
};
