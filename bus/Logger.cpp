#include "Logger.h"

Logger::Logger(const std::string& file_name, const std::string& component_name, ComponentSystem* system)
    : Component(component_name, system)
{
  // Binary, with the line ends written here: the file holds CRLF lines on
  // every platform, as the Windows C runtime's text mode wrote them.
  stream_.open(file_name, std::ios::out | std::ios::trunc | std::ios::binary);
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
  if (!stream_.is_open()) {
    return;
  }
  std::string::size_type start = 0;
  for (std::string::size_type end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    stream_.write(text.data() + start, static_cast<std::streamsize>(end - start));
    stream_.write("\r\n", 2);
  }
  stream_.write(text.data() + start, static_cast<std::streamsize>(text.size() - start));
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
