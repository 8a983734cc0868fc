#include "TempFolder.h"

#include <windows.h>

bool TempFolder::create()
{
  remove();
  char temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof temp, temp);
  if (length == 0 || length > MAX_PATH)
    return false;
  // GetTempFileName reserves a unique name; the folder takes it over.
  char reserved[MAX_PATH] = {};
  if (GetTempFileNameA(temp, "tlr", 0, reserved) == 0)
    return false;
  const std::string folder = std::string(reserved) + ".d";
  const bool made = CreateDirectoryA(folder.c_str(), nullptr) != 0;
  DeleteFileA(reserved);
  if (made)
    path_ = folder;
  return made;
}

void TempFolder::remove()
{
  if (path_.empty())
    return;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        continue;
      const std::string name = file(found.cFileName);
      SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(name.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path_.c_str());
  path_.clear();
}
