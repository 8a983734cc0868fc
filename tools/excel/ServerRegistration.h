#pragma once
#include <windows.h>
#include <string>

// The automation server's names in the registry.
constexpr const wchar_t* kServerProgId = L"Excel.Application";
constexpr const wchar_t* kServerDescription = L"korvo workbook server";
// {1B9258A8-4050-4EE3-99A4-A246F4667FF3}
constexpr CLSID kServerClsid = {0x1b9258a8, 0x4050, 0x4ee3, {0x99, 0xa4, 0xa2, 0x46, 0xf4, 0x66, 0x7f, 0xf3}};

// Registers the program at exe_path as the local server of the ProgID. The
// ProgID is not taken from another server that holds it: false, with the
// reason, then and when the registry cannot be written.
bool register_server(const std::wstring& exe_path, std::wstring& reason);
// Removes this server's class and its ProgID, unless the ProgID now belongs
// to another server.
bool unregister_server(std::wstring& reason);
