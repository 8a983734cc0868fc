#include "CMainFrame.h"
#include "CChildFrame.h"
#include "CKorvoApp.h"
#include "HostMessage.h"
#include "HostSystem.h"
#include "KorvoResources.h"
#include "PluginList.h"
#include "OutputComponent.h"
#include "app/CCmdUI.h"
#include "app/ResourceChain.h"

BEGIN_MESSAGE_MAP(CMainFrame, CVrxPMDIFrameWnd)
  ON_WM_COPYDATA()
  ON_WM_CREATE()
  ON_COMMAND_RANGE(ID_LOOK_BASE, ID_LOOK_2007, OnLook)
  ON_UPDATE_COMMAND_UI_RANGE(ID_LOOK_BASE, ID_LOOK_2007, OnUpdateLook)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr DWORD kOutputStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr int kOutputSize = 150;
constexpr DWORD kOutputTabbedStyle = 32;
constexpr DWORD kOutputPaneFlags = 15;

}  // namespace

CMainFrame::CMainFrame()
    : look_(theApp.FetchInt(kApplicationLookName, ID_LOOK_VS2005)), child_menu_(nullptr), child_accelerators_(nullptr)
{
}

CMainFrame::~CMainFrame()
{
  if (child_menu_ != nullptr) {
    ::DestroyMenu(child_menu_);
  }
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
  if (!CVrxPMDIFrameWnd::PreCreateWindow(cs)) {
    return FALSE;
  }
  HINSTANCE instance = AfxGetInstanceHandle();
  WNDCLASS window_class;
  if (!::GetClassInfo(instance, cs.lpszClass, &window_class)) {
    return FALSE;
  }
  window_class.hInstance = instance;
  window_class.lpszClassName = kMainFrameClassName;
  // A second registration of the same name fails harmlessly.
  ::RegisterClass(&window_class);
  cs.lpszClass = kMainFrameClassName;
  cs.hInstance = instance;
  SetTitle(kMainFrameTitle);
  return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CVrxPMDIFrameWnd::OnCreate(lpCreateStruct) == -1) {
    return -1;
  }
  OnLook(static_cast<UINT>(look_));

  if (!output_.Create(kOutputCaption, this, CSize(kOutputSize, kOutputSize), TRUE, ID_OUTPUT_PANE, kOutputStyle,
                      kOutputTabbedStyle, kOutputPaneFlags)) {
    return -1;
  }
  output_.EnableDocking(CBRS_ALIGN_ANY);
  AllowDockingSides(CBRS_ALIGN_ANY);
  PlaceBarDocked(&output_);

  PluginList& plugins = PluginList::instance();
  if (!plugins.load()) {
    show_host_message(kNoPluginText);
    return -1;
  }
  HINSTANCE instance = AfxGetInstanceHandle();
  child_menu_ = ::LoadMenu(instance, MAKEINTRESOURCE(IDR_PLUGINFRAME));
  child_accelerators_ = ::LoadAccelerators(instance, MAKEINTRESOURCE(IDR_PLUGINFRAME));
  PluginOpener opener(plugins, *this);
  if (!opener.open_all()) {
    return -1;
  }

  for (int i = 0; i < kHotKeyCount; ++i) {
    ::RegisterHotKey(m_hWnd, kFirstHotKeyId + i, MOD_CONTROL, '1' + i);
  }
  if (CFrameWnd* connection = dynamic_cast<CFrameWnd*>(opener.connection_window())) {
    connection->ActivateFrame(SW_SHOW);
  }
  return 0;
}

CWnd* CMainFrame::create_plugin_frame(const char* title)
{
  CMDIChildWnd* child = CreateNewChild(RUNTIME_CLASS(CChildFrame), IDR_PLUGINFRAME, child_menu_, child_accelerators_);
  if (child == nullptr) {
    return nullptr;
  }
  child->SetWindowText(title);
  child->SetTitle(title);
  return child;
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
  if (pMsg->message == WM_HOTKEY && static_cast<int>(pMsg->wParam) >= kFirstHotKeyId &&
      static_cast<int>(pMsg->wParam) < kFirstHotKeyId + kHotKeyCount) {
    activate_plugin(static_cast<int>(pMsg->wParam) - kFirstHotKeyId);
  }
  return CVrxPMDIFrameWnd::PreTranslateMessage(pMsg);
}

void CMainFrame::activate_plugin(int index)
{
  PluginRecord& record = PluginList::instance().item(static_cast<std::size_t>(index));
  if (record.valid != 1 || record.dll_is_gui() != 1) {
    return;
  }
  if (CFrameWnd* child = dynamic_cast<CFrameWnd*>(record.child)) {
    child->ActivateFrame(SW_SHOWMAXIMIZED);
  }
}

BOOL CMainFrame::OnCopyData(CWnd*, COPYDATASTRUCT* pCopyDataStruct)
{
  output_.edit().SendMessage(WM_CONSOLE_APPEND, reinterpret_cast<WPARAM>(pCopyDataStruct->lpData),
                             static_cast<LPARAM>(pCopyDataStruct->cbData));
  return static_cast<BOOL>(Default());
}

void CMainFrame::OnLook(UINT nID)
{
  look_ = static_cast<int>(nID);
  RecalcLayout();
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  theApp.StoreInt(kApplicationLookName, look_);
}

void CMainFrame::OnUpdateLook(CCmdUI* pCmdUI)
{
  pCmdUI->SetRadio(static_cast<int>(pCmdUI->m_nID) == look_);
}

void CMainFrame::OnDestroy()
{
  for (int i = 0; i < kHotKeyCount; ++i) {
    ::UnregisterHotKey(m_hWnd, kFirstHotKeyId + i);
  }
  HostSystem::instance()->stop();
  CVrxPMDIFrameWnd::OnDestroy();
}
