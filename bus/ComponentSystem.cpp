#include "ComponentSystem.h"
#include "Component.h"
#include "ComponentNames.h"
#include "ErrorManager.h"
#include "Logger.h"
#include "NullComponent.h"
#include "TransportProtocol.h"
#include <chrono>
#include <thread>

namespace {
// How long deinit waits for broadcasts under way: a listener that waits on
// the thread calling deinit must not hold the shutdown for ever.
constexpr auto kBroadcastDrainLimit = std::chrono::seconds(5);

// Counts a broadcast from before it looks at the running flag until it has
// left the map, so that deinit can tell when none is left inside it.
class BroadcastUnderWay {
public:
  explicit BroadcastUnderWay(std::atomic<int32_t>& count) : count_(count) { ++count_; }
  ~BroadcastUnderWay() { --count_; }
  BroadcastUnderWay(const BroadcastUnderWay&) = delete;
  BroadcastUnderWay& operator=(const BroadcastUnderWay&) = delete;

private:
  std::atomic<int32_t>& count_;
};
}  // namespace

ComponentSystem::ComponentSystem()
    : logger_(nullptr), little_endian_(1), running_(1), broadcasts_under_way_(0)
{
}

ComponentSystem::~ComponentSystem() = default;

bool ComponentSystem::init()
{
  logger_ = new Logger(kSystemLogFile, kSystemLogName, this);
  *logger_ << "sys initializing\n";
  *logger_ << "component <" << kSystemLogName << "> registered\n";
  new ErrorManager(this);
  new TransportProtocol(this);
  return true;
}

void ComponentSystem::deinit()
{
  if (logger_ != nullptr) {
    *logger_ << "sys deiniting:\n";
  }
  // A worker thread may be walking the map in a broadcast: stopped, the bus
  // lets no new one in, and the map changes once the last has left it. The
  // emptied system then runs as it did before, for whoever registers anew.
  const uint8_t was_running = running_.exchange(0);
  auto limit = std::chrono::steady_clock::now() + kBroadcastDrainLimit;
  while (broadcasts_under_way_ > 0 && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  // The map is emptied before the first destructor runs, so a component that
  // acquires or broadcasts while being deleted finds no deleted neighbour.
  std::map<std::string, Component*> components;
  components.swap(components_);
  std::vector<Component*> refused;
  refused.swap(refused_);
  logger_ = nullptr;
  running_ = was_running;
  for (auto& entry : components) {
    delete entry.second;
  }
  for (Component* component : refused) {
    delete component;
  }
}

bool ComponentSystem::register_component(const std::string& name, Component* component)
{
  // A non-shareable component that is already taken looks missing to acquire
  // but still holds its name.
  if (NullComponent::instance() != *acquire(name) || !components_.emplace(name, component).second) {
    refused_.push_back(component);
    return false;
  }
  if (logger_ != nullptr) {
    *logger_ << "component <" << name << "> registered\n";
  }
  return true;
}

Component* ComponentSystem::acquire(const std::string& name)
{
  auto found = components_.find(name);
  if (found != components_.end() && found->second != nullptr) {
    Component* component = found->second;
    if (component->shareable() || component->use_count() == 0) {
      component->add_use();
      return component;
    }
  }
  return &NullComponent::instance();
}

Component* ComponentSystem::acquire_error_manager()
{
  return acquire(kErrorManagerName);
}

void ComponentSystem::broadcast(Component* sender, BusMessage* message)
{
  BroadcastUnderWay under_way(broadcasts_under_way_);
  if (running_ != 1) {
    return;
  }
  for (auto& entry : components_) {
    Component* component = entry.second;
    if (component != nullptr && component->active() && component != sender) {
      component->notify(message);
    }
  }
}

uint32_t ComponentSystem::swap32(uint32_t value) const
{
  if (little_endian_ != 0) {
    return value;
  }
  return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
}
