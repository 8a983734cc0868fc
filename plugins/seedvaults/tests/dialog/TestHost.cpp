// A stand-in for korvo that opens one plug-in as korvo does: an MDI frame, a
// child frame titled with the plug-in's title, and dll_init with the child
// and the component system.
#include "HostSystem.h"
#include "PluginInterface.h"
#include "TestHostIds.h"
#include "app/AfxMessageBox.h"
#include "app/CWinApp.h"
#include "app/ResourceChain.h"
#include "frames/CMDIChildWnd.h"
#include "frames/CMDIFrameWnd.h"

namespace {

template <typename Function>
Function entry_point(HMODULE module, const char* name)
{
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

class TestHostFrame : public CMDIFrameWnd {
public:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override
  {
    if (!CMDIFrameWnd::PreCreateWindow(cs))
      return FALSE;
    WNDCLASS window_class;
    if (!::GetClassInfo(AfxGetInstanceHandle(), cs.lpszClass, &window_class))
      return FALSE;
    window_class.lpszClassName = TEST_HOST_FRAME_CLASS;
    ::RegisterClass(&window_class);
    cs.lpszClass = TEST_HOST_FRAME_CLASS;
    return TRUE;
  }
};

class TestHostApp : public CWinApp {
public:
  BOOL InitInstance() override
  {
    plugin_ = ::LoadLibrary(TEST_HOST_PLUGIN);
    auto init = entry_point<DllInitFunction>(plugin_, kDllInitName);
    auto title = entry_point<DllGetTitleFunction>(plugin_, kDllGetTitleName);
    auto is_gui = entry_point<DllIsGuiFunction>(plugin_, kDllIsGuiName);
    if (plugin_ == nullptr || init == nullptr || title == nullptr || is_gui == nullptr || is_gui() != 1) {
      AfxMessageBox("The plug-in is missing or has not its entry points.");
      return FALSE;
    }
    auto* frame = new TestHostFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_TEST_HOST, WS_OVERLAPPEDWINDOW)) {
      m_pMainWnd = nullptr;
      return FALSE;
    }
    CMDIChildWnd* child = frame->CreateNewChild(RUNTIME_CLASS(CMDIChildWnd), IDR_TEST_HOST);
    if (child == nullptr)
      return FALSE;
    child->SetWindowText(title());
    child->SetTitle(title());
    if (init(child, HostSystem::instance()) != 1) {
      AfxMessageBox("failed to load " TEST_HOST_PLUGIN);
      return FALSE;
    }
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    child->MDIMaximize();
    frame->UpdateWindow();
    return TRUE;
  }

  int ExitInstance() override
  {
    int result = CWinApp::ExitInstance();
    if (plugin_ != nullptr)
      ::FreeLibrary(plugin_);
    return result;
  }

private:
  HMODULE plugin_ = nullptr;
};

TestHostApp the_app;

}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show)
{
  return AfxWinMain(instance, previous, command_line, show);
}
