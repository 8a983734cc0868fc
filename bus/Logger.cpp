#include "Logger.h"

Logger::Logger(const std::string& file_name, const std::string& component_name, ComponentSystem* system)
    : Component(component_name, system)
{
  stream_.open(file_name, std::ios::out | std::ios::trunc);
}

Logger::~Logger()
{
  if (stream_.is_open()) {
    stream_.close();
  }
}

bool Logger::shareable() const
{
  return true;
}

std::string Logger::type_name() const
{
  return "logger";
}

void Logger::write(const std::string& text)
{
  if (stream_.is_open()) {
    stream_.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
}

Logger& Logger::operator<<(int32_t number)
{
  write(std::to_string(number));
  return *this;
}

Logger& Logger::operator<<(const std::string& text)
{
  write(text);
  return *this;
}
