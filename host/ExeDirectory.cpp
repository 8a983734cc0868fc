#include "ExeDirectory.h"
#include <windows.h>
#include <cstring>

void get_exe_directory(char* buffer)
{
  DWORD length = GetModuleFileNameA(nullptr, buffer, kExeDirectoryCapacity);
  if (length >= kExeDirectoryCapacity) {
    length = kExeDirectoryCapacity - 1;
  }
  buffer[length] = '\0';
  char* last_backslash = std::strrchr(buffer, '\\');
  if (last_backslash != nullptr) {
    last_backslash[1] = '\0';
  } else {
    buffer[0] = '\0';
  }
}

std::string get_exe_directory()
{
  char directory[kExeDirectoryCapacity];
  get_exe_directory(directory);
  return directory;
}
