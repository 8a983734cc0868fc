#pragma once
#include "Component.h"
#include "ErrorRecord.h"
#include <cstdint>
#include <string>
#include <vector>

// The table of the errors each component may raise. Raising a pair that was
// never added throws std::runtime_error: the one exception of the system.
class ErrorManager : public Component {
public:
  explicit ErrorManager(ComponentSystem* system);
  ~ErrorManager() override;

  bool shareable() const override;
  std::string type_name() const override;

  // False, and nothing changes, when the pair is known already.
  bool add(Component* component, int32_t id, const std::string& message);
  // Makes the pair's record the current one.
  void raise(Component* component, int32_t id);

  int32_t current() const { return current_; }
  const std::vector<ErrorRecord*>& records() const { return records_; }

private:
  std::vector<ErrorRecord*> records_;
  int32_t current_;
};
