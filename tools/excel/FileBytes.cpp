#include "FileBytes.h"
#include <windows.h>

namespace {

std::wstring system_reason()
{
  DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text ? text : L"error " + std::to_wstring(code);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
    reason.pop_back();
  return reason;
}

class FileHandle {
public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle()
  {
    if (handle_ != INVALID_HANDLE_VALUE)
      CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closes the handle; false when closing failed.
  bool close()
  {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0;
  }

private:
  HANDLE handle_;
};

}

std::wstring full_path(const std::wstring& path)
{
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0)
    return path;
  std::wstring full(size, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
  if (length == 0 || length >= size)
    return path;
  full.resize(length);
  return full;
}

bool read_file_bytes(const std::wstring& path, std::vector<uint8_t>& bytes, std::wstring& reason)
{
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) {
    reason = system_reason();
    return false;
  }
  if (size.QuadPart > LONGLONG(0x7FFFFFFF)) {
    reason = L"the file is too large";
    return false;
  }
  bytes.assign(std::size_t(size.QuadPart), 0);
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), DWORD(bytes.size()), &read, nullptr)) {
    reason = system_reason();
    return false;
  }
  if (read != bytes.size()) {
    reason = L"the file could not be read whole";
    return false;
  }
  return true;
}

bool write_file_bytes(const std::wstring& path, const std::vector<uint8_t>& bytes, std::wstring& reason)
{
  // OPEN_ALWAYS, not CREATE_ALWAYS: the latter refuses a hidden file.
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  bool done = file.valid() && WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
              written == bytes.size() && SetEndOfFile(file.get());
  if (!done || !file.close()) {
    reason = system_reason();
    return false;
  }
  return true;
}
