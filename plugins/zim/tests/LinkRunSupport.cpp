#include "LinkRunSupport.h"
#include <fstream>
#include <iterator>
#include <thread>

std::vector<uint8_t> read_file(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool write_file(const std::string& path, const std::vector<uint8_t>& content)
{
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
  return static_cast<bool>(file);
}

bool eventually(const std::function<bool()>& condition, std::chrono::seconds limit)
{
  auto give_up = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > give_up) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}
