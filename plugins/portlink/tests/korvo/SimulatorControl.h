#pragma once
#include <string>

// The simulated set-top box's line commands over its TCP control port on
// 127.0.0.1, one connection per command.
class SimulatorControl {
public:
  explicit SimulatorControl(int port);
  ~SimulatorControl();

  // The simulator's one-line answer ("ok ..." or "error: ..."); "" when it
  // could not be reached.
  std::string command(const std::string& line) const;

  SimulatorControl(const SimulatorControl&) = delete;
  SimulatorControl& operator=(const SimulatorControl&) = delete;

private:
  int port_;
};
