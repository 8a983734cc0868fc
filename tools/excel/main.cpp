// excel-standin.exe: an out-of-process automation server that answers as
// "Excel.Application" on machines without a spreadsheet program of that
// name, reading and writing .xls workbooks.
//   /RegServer    register this program as the server of the ProgID
//   /UnregServer  remove the registration
//   /Embedding    serve the client that the system started it for
#include "ClassFactory.h"
#include "ServerLifetime.h"
#include "ServerRegistration.h"
#include <windows.h>
#include <shellapi.h>
#include <cstdio>
#include <string>

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// "/Name" or "-Name", in any case.
bool is_switch(const wchar_t* argument, const wchar_t* name)
{
  return (argument[0] == L'/' || argument[0] == L'-') && lstrcmpiW(argument + 1, name) == 0;
}

std::wstring module_path()
{
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    DWORD length = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

int report(bool done, const std::wstring& reason)
{
  if (done)
    return kExitDone;
  std::fwprintf(stderr, L"excel-standin: %ls\n", reason.c_str());
  return kExitFailed;
}

int serve()
{
  if (FAILED(CoInitialize(nullptr)))
    return kExitFailed;
  static ClassFactory factory;
  HRESULT outcome = ServerLifetime::run(kServerClsid, &factory);
  CoUninitialize();
  return SUCCEEDED(outcome) ? kExitDone : kExitFailed;
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  int outcome = kExitUsage;
  std::wstring reason;
  for (int i = 1; i < count && outcome == kExitUsage; ++i) {
    if (is_switch(arguments[i], L"RegServer"))
      outcome = report(register_server(module_path(), reason), reason);
    else if (is_switch(arguments[i], L"UnregServer"))
      outcome = report(unregister_server(reason), reason);
    else if (is_switch(arguments[i], L"Embedding") || is_switch(arguments[i], L"Automation"))
      outcome = serve();
  }
  LocalFree(arguments);
  if (outcome == kExitUsage)
    std::fwprintf(stderr, L"usage: excel-standin /RegServer | /UnregServer | /Embedding\n");
  return outcome;
}
