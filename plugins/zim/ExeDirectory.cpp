#include "ExeDirectory.h"
#include <windows.h>

std::string get_exe_directory()
{
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    return std::string();
  }
  std::string directory(path, length);
  return directory.substr(0, directory.find_last_of('\\') + 1);
}
