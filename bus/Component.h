#pragma once
#include "BusMessage.h"
#include "ComponentMutex.h"
#include <cstdint>
#include <string>

class ComponentSystem;

// A bus participant. korvo, portlink and zim each compile this class and all
// work on the host's objects, so the field order and the order of the virtual
// operations below are part of the plug-in interface: append, never reorder.
class Component {
public:
  // Registers with the manager (when there is one) before the subclass's
  // constructor body runs. The manager owns the component from then on, even
  // when it refuses the name: only its deinit deletes it.
  Component(const std::string& name, ComponentSystem* manager);
  virtual ~Component();

  virtual bool shareable() const = 0;
  virtual std::string type_name() const = 0;
  virtual int32_t request(BusMessage* message);
  virtual int32_t notify(BusMessage* message);
  virtual bool operator==(const Component& other) const;
  virtual bool operator!=(const Component& other) const;

  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  void add_use() { ++use_count_; }
  int32_t use_count() const { return use_count_; }
  const std::string& name() const { return name_; }
  bool active() const { return active_ != 0; }
  void set_active(bool active) { active_ = active ? 1 : 0; }

protected:
  ComponentSystem* manager() const { return manager_; }

private:
  friend class ComponentLock;

  ComponentSystem* manager_;
  ComponentMutex lock_;
  std::string name_;
  int32_t use_count_;
  uint8_t active_;
};
