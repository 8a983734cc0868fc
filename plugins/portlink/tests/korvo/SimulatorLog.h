#pragma once
#include <string>

// What the simulated set-top box wrote in its log (KORVO_TEST_SIM_LOG).
namespace SimulatorLog {

bool contains(const std::string& text);
// Every byte the target read from the line ("rx" lines), in order.
std::string received();

}  // namespace SimulatorLog
