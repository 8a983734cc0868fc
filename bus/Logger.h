#pragma once
#include "Component.h"
#include <cstdint>
#include <fstream>
#include <string>

constexpr char kSystemLogFile[] = "korvo_sys.log";

// The system log: the bus's life-cycle lines, as they are, no time stamps,
// each line ended by CR LF.
// A log file that cannot be created leaves the logger silent.
class Logger : public Component {
public:
  // Truncates the file; a relative name lies in the working directory.
  Logger(const std::string& file_name, const std::string& component_name, ComponentSystem* system);
  ~Logger() override;

  bool shareable() const override;
  std::string type_name() const override;

  virtual void write(const std::string& text);
  virtual Logger& operator<<(int32_t number);
  virtual Logger& operator<<(const std::string& text);

private:
  std::ofstream stream_;
};
