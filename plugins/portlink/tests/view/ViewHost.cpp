#include "ViewHost.h"
#include "BusMessage.h"
#include "ComponentNames.h"
#include "HostSystem.h"
#include "ViewHostResources.h"
#include "app/CWinApp.h"
#include "frames/CMDIChildWnd.h"
#include "frames/CMDIFrameWnd.h"
#include "frames/FrameIds.h"
#include <fstream>
#include <sstream>

namespace {

constexpr char kPluginFile[] = "portlink.dll";
constexpr char kChildTitle[] = "COM connection";
constexpr char kRecorderName[] = "portlink view test";
constexpr DWORD kWaitLimit = 20000;
constexpr DWORD kPollInterval = 10;

// The program's application object, started as the framework's entry does.
CWinApp theApp;
const BOOL appInitialised = AfxWinInit(::GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL);

std::string fresh_directory()
{
  char base[MAX_PATH] = "";
  GetTempPathA(sizeof base, base);
  std::ostringstream name;
  name << base << "portlink-view-" << GetCurrentProcessId() << "-" << GetTickCount();
  CreateDirectoryA(name.str().c_str(), nullptr);
  return name.str();
}

}  // namespace

ViewHost::ViewHost(const std::string& settings_text)
    : directory_(fresh_directory()),
      frame_(nullptr),
      child_(nullptr),
      child_menu_(NULL),
      plugin_(NULL),
      dll_init_(nullptr),
      init_result_(0),
      recorder_(nullptr),
      connector_(nullptr)
{
  SetCurrentDirectoryA(directory_.c_str());
  if (!settings_text.empty()) {
    std::ofstream(directory_ + "\\korvo.ini") << settings_text;
  }
}

ViewHost::~ViewHost()
{
  if (frame_ != nullptr && IsWindow(frame_->m_hWnd)) {
    frame_->DestroyWindow();
  }
  if (child_menu_ != NULL) {
    DestroyMenu(child_menu_);
  }
  // Components go while the library that made them is still loaded.
  HostSystem::instance()->deinit();
  if (plugin_ != NULL) {
    FreeLibrary(plugin_);
  }
}

bool ViewHost::start()
{
  if (!appInitialised || !HostSystem::instance()->init()) {
    return false;
  }
  recorder_ = new BusEventRecorder(kRecorderName, HostSystem::instance());
  frame_ = new CMDIFrameWnd;
  if (!frame_->LoadFrame(IDR_VIEW_HOST_FRAME)) {
    return false;
  }
  AfxGetApp()->m_pMainWnd = frame_;
  frame_->ShowWindow(SW_SHOWNORMAL);
  child_menu_ = LoadMenu(GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_VIEW_HOST_CHILD));
  child_ = frame_->CreateNewChild(RUNTIME_CLASS(CMDIChildWnd), IDR_VIEW_HOST_CHILD, child_menu_);
  if (child_ == nullptr) {
    return false;
  }
  child_->SetWindowText(kChildTitle);
  plugin_ = LoadLibraryA(kPluginFile);
  if (plugin_ == NULL) {
    return false;
  }
  dll_init_ = reinterpret_cast<DllInitFunction>(reinterpret_cast<void (*)()>(GetProcAddress(plugin_, kDllInitName)));
  if (dll_init_ == nullptr) {
    return false;
  }
  init_result_ = dll_init_(child_, HostSystem::instance());
  connector_ = HostSystem::instance()->acquire(kConnectorName);
  return init_result_ == 1;
}

int32_t ViewHost::call_init_again()
{
  return dll_init_(child_, HostSystem::instance());
}

HWND ViewHost::view() const
{
  return GetDlgItem(child_->m_hWnd, AFX_IDW_PANE_FIRST);
}

HWND ViewHost::control(int id) const
{
  return GetDlgItem(view(), id);
}

int32_t ViewHost::ask_connector(int32_t type, int32_t len, void* data)
{
  BusMessage message{type, len, data};
  return connector_->request(&message);
}

bool ViewHost::type_byte(char byte)
{
  if (!pump_until([this] { return ask_connector(BUS_QUERY_BUSY) == 0; })) {
    return false;
  }
  return ask_connector(BUS_SEND_RAW, 1, &byte) == 1;
}

std::string ViewHost::settings_text() const
{
  std::ifstream in(directory_ + "\\korvo.ini");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool ViewHost::pump_until(const std::function<bool()>& condition)
{
  for (DWORD waited = 0; waited < kWaitLimit; waited += kPollInterval) {
    MSG message;
    while (PeekMessage(&message, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessage(&message);
    }
    if (condition()) {
      return true;
    }
    Sleep(kPollInterval);
  }
  return false;
}

std::string ViewHost::text_of(HWND window)
{
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<std::string> ViewHost::combo_items(HWND combo)
{
  std::vector<std::string> items;
  int count = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

std::string ViewHost::combo_selection(HWND combo)
{
  int selection = static_cast<int>(SendMessage(combo, CB_GETCURSEL, 0, 0));
  if (selection < 0) {
    return "";
  }
  return combo_items(combo)[static_cast<std::size_t>(selection)];
}

void ViewHost::choose(int combo_id, int index)
{
  SendMessage(control(combo_id), CB_SETCURSEL, index, 0);
  SendMessage(view(), WM_COMMAND, MAKEWPARAM(combo_id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control(combo_id)));
  // The view acts on a choice from its queue, once the list has closed.
  pump_until([] { return true; });
}

void ViewHost::click(int button_id)
{
  SendMessage(view(), WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED), reinterpret_cast<LPARAM>(control(button_id)));
}
