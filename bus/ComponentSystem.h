#pragma once
#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class Component;
class Logger;
struct BusMessage;

// The component manager: the name-to-component map that every module's copy of
// the bus works on. Its layout and the order of its virtual operations are
// part of the plug-in interface.
class ComponentSystem {
public:
  ComponentSystem();
  // Frees the map only: components are deleted by deinit.
  virtual ~ComponentSystem();
  // Creates the system log, the error manager and the transport protocol.
  virtual bool init();
  // Lets a broadcast already under way on another thread finish, then
  // deletes every registered component and every refused one.
  virtual void deinit();

  // Takes the component over whether it maps it or not: constructors ignore
  // the result, so a refused component would otherwise have no owner. A
  // refused one stays unreachable by name until deinit deletes it.
  bool register_component(const std::string& name, Component* component);
  // The named component, or the null component when it is missing or is
  // not shareable and already taken.
  Component* acquire(const std::string& name);
  Component* acquire_error_manager();
  void broadcast(Component* sender, BusMessage* message);

  // The target's byte order applied to every 32-bit field on the link.
  uint32_t swap32(uint32_t value) const;
  void set_little_endian(uint8_t little_endian) { little_endian_ = little_endian; }
  uint8_t little_endian() const { return little_endian_; }
  // From now on broadcasts deliver nothing.
  void stop() { running_ = 0; }
  bool running() const { return running_ == 1; }
  Logger* logger() const { return logger_; }

private:
  ComponentSystem(const ComponentSystem&) = delete;
  ComponentSystem& operator=(const ComponentSystem&) = delete;

  std::map<std::string, Component*> components_;
  Logger* logger_;
  uint8_t little_endian_;
  std::atomic<uint8_t> running_;
  // Appended behind the fields the plug-ins' copies rely on.
  std::vector<Component*> refused_;
  std::atomic<int32_t> broadcasts_under_way_;
};
