#include "ServerRegistration.h"
#include <vector>

namespace {

std::wstring clsid_text()
{
  wchar_t text[64];
  StringFromGUID2(kServerClsid, text, 64);
  return text;
}

std::wstring clsid_key()
{
  return L"CLSID\\" + clsid_text();
}

std::wstring progid_clsid_key()
{
  return std::wstring(kServerProgId) + L"\\CLSID";
}

std::wstring system_reason(LONG code)
{
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text ? text : L"error " + std::to_wstring(code);
  LocalFree(text);
  return reason;
}

LONG write_default(const std::wstring& key, const std::wstring& value)
{
  HKEY handle;
  LONG code = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
  if (code != ERROR_SUCCESS)
    return code;
  code = RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        DWORD((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return code;
}

// The default value of key, or an empty text when there is none.
std::wstring read_default(const std::wstring& key)
{
  wchar_t value[260] = {};
  LONG size = sizeof value - sizeof(wchar_t);
  if (RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS)
    return std::wstring();
  return value;
}

LONG delete_key(const std::wstring& key)
{
  LONG code = RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
  return code == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : code;
}

// Whether the ProgID names a class other than ours.
bool progid_held_by_another(std::wstring& holder)
{
  holder = read_default(progid_clsid_key());
  return !holder.empty() && lstrcmpiW(holder.c_str(), clsid_text().c_str()) != 0;
}

}

bool register_server(const std::wstring& exe_path, std::wstring& reason)
{
  std::wstring holder;
  if (progid_held_by_another(holder)) {
    reason = std::wstring(kServerProgId) + L" already belongs to the class " + holder;
    return false;
  }
  const std::pair<std::wstring, std::wstring> values[] = {
    {clsid_key(), kServerDescription},
    {clsid_key() + L"\\LocalServer32", L"\"" + exe_path + L"\""},
    {clsid_key() + L"\\ProgID", kServerProgId},
    {kServerProgId, kServerDescription},
    {progid_clsid_key(), clsid_text()},
  };
  for (const auto& value : values) {
    LONG code = write_default(value.first, value.second);
    if (code != ERROR_SUCCESS) {
      reason = L"cannot write HKEY_CLASSES_ROOT\\" + value.first + L": " + system_reason(code);
      return false;
    }
  }
  return true;
}

bool unregister_server(std::wstring& reason)
{
  std::vector<std::wstring> keys = {clsid_key() + L"\\LocalServer32", clsid_key() + L"\\ProgID", clsid_key()};
  std::wstring holder;
  if (!progid_held_by_another(holder)) {
    keys.push_back(progid_clsid_key());
    keys.push_back(kServerProgId);
  }
  for (const std::wstring& key : keys) {
    LONG code = delete_key(key);
    if (code != ERROR_SUCCESS) {
      reason = L"cannot delete HKEY_CLASSES_ROOT\\" + key + L": " + system_reason(code);
      return false;
    }
  }
  return true;
}
