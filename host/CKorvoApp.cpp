#include "CKorvoApp.h"
#include "AboutDialog.h"
#include "CMainFrame.h"
#include "HostMessage.h"
#include "HostSystem.h"
#include "KorvoResources.h"
#include "PluginList.h"
#include "app/AfxOleInit.h"
#include "app/AfxSocketInit.h"
#include "app/AfxWinMain.h"
#include "app/CCmdUI.h"
#include "foundation/CVrxPContextMenuManager.h"
#include "foundation/CVrxPToolTipCtrl.h"
#include "foundation/CVrxPToolTipFactory.h"
#include "foundation/CVrxPToolTipOptions.h"
#include "foundation/VrxPShutdownLibrary.h"
#include "strings/CString.h"
#include <commctrl.h>

CKorvoApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

BEGIN_MESSAGE_MAP(CKorvoApp, CWinApp)
  ON_COMMAND(ID_APP_ABOUT_KORVO, OnAppAbout)
  // Closes the main window, as its close box does.
  ON_COMMAND(ID_APP_EXIT_KORVO, OnAppExit)
  ON_COMMAND(ID_TOGGLE_BYTE_ORDER, OnToggleByteOrder)
  ON_UPDATE_COMMAND_UI(ID_TOGGLE_BYTE_ORDER, OnUpdateToggleByteOrder)
END_MESSAGE_MAP()

namespace {

// The window style of the main frame: overlapped, with the active child's
// title in its own.
constexpr DWORD kMainFrameStyle = 0x00CF8000;

CString resource_string(UINT id)
{
  CString text;
  text.LoadString(id);
  return text;
}

CVrxPToolTipOptions korvo_tooltip_options()
{
  CVrxPToolTipOptions options;
  options.balloon = FALSE;
  options.drawIcon = TRUE;
  options.drawDescription = TRUE;
  options.maxDescriptionWidth = 200;
  options.roundedCorners = FALSE;
  options.boldLabel = TRUE;
  options.fillColor = static_cast<COLORREF>(-1);
  options.gradientColor = static_cast<COLORREF>(-1);
  options.gradientAngle = -1;
  options.textColor = static_cast<COLORREF>(-1);
  options.borderColor = static_cast<COLORREF>(-1);
  options.drawSeparator = TRUE;
  options.takeFromVisualManager = TRUE;
  return options;
}

}  // namespace

CKorvoApp::CKorvoApp() : CWinApp(nullptr), CVrxPWorkspace()
{
}

BOOL CKorvoApp::InitInstance()
{
  ::InitCommonControls();
  CWinApp::InitInstance();
  if (!AfxSocketInit()) {
    show_host_message(static_cast<LPCTSTR>(resource_string(IDS_SOCKETS_INIT_FAILED)));
    return FALSE;
  }
  if (!AfxOleInit()) {
    show_host_message(static_cast<LPCTSTR>(resource_string(IDS_OLE_INIT_FAILED)));
    return FALSE;
  }
  AfxEnableControlContainer();
  SetRegistryKey(kRegistryKey);
  ChooseRegistryBase(kRegistryBase);
  CreateContextMenuManager();
  CreateKeyboardManager();
  CreateToolTipFactory();
  CVrxPToolTipOptions options = korvo_tooltip_options();
  AcquireToolTipFactory()->ApplyToolTipParams(0xFFFF, RUNTIME_CLASS(CVrxPToolTipCtrl), &options);

  HostSystem* system = HostSystem::instance();
  if (!system->init()) {
    show_host_message(kInitializeFailedText);
    return FALSE;
  }
  system->set_little_endian(1);

  CMainFrame* frame = new CMainFrame;
  m_pMainWnd = frame;
  if (!frame->LoadFrame(IDR_MAINFRAME, kMainFrameStyle)) {
    m_pMainWnd = nullptr;
    return FALSE;
  }
  frame->ShowWindow(m_nCmdShow);
  frame->UpdateWindow();
  return TRUE;
}

void CKorvoApp::BeforeLoadState()
{
  AcquireContextMenuManager()->RegisterMenu(kContextMenuName, IDR_CONTEXT_MENU);
}

int CKorvoApp::ExitInstance()
{
  HostSystem::instance()->deinit();
  PluginList::instance().free_all();
  VrxPShutdownLibrary();
  return CWinApp::ExitInstance();
}

void CKorvoApp::OnAppAbout()
{
  AboutDialog dialog;
  dialog.DoModal();
}

void CKorvoApp::OnToggleByteOrder()
{
  HostSystem* system = HostSystem::instance();
  system->set_little_endian(system->little_endian() != 1 ? 1 : 0);
}

void CKorvoApp::OnUpdateToggleByteOrder(CCmdUI* pCmdUI)
{
  pCmdUI->SetCheck(HostSystem::instance()->little_endian() != 1 ? 1 : 0);
}
