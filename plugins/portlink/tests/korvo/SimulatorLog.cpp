#include "SimulatorLog.h"
#include "WindowDriver.h"
#include <cstdlib>
#include <sstream>

namespace SimulatorLog {

namespace {

std::string text()
{
  const char* path = std::getenv("KORVO_TEST_SIM_LOG");
  return path != nullptr ? windriver::read_file(path) : "";
}

}  // namespace

bool contains(const std::string& wanted)
{
  return text().find(wanted) != std::string::npos;
}

std::string received()
{
  std::string bytes;
  std::istringstream lines(text());
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string time;
    std::string direction;
    words >> time >> direction;
    if (direction != "rx") {
      continue;
    }
    std::string hex;
    while (words >> hex && hex.size() == 2) {
      bytes += static_cast<char>(std::strtol(hex.c_str(), nullptr, 16));
    }
  }
  return bytes;
}

}  // namespace SimulatorLog
