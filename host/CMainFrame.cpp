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
#include "collections/CList.h"
#include "docking/CVrxPFrameBarManager.h"
#include "foundation/VrxPMessages.h"
#include "panes/CVrxPTabbedControlBar.h"
#include "themes/CVrxPVisualManager.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/2007/CVrxPVisualManager2007.h"
#include "themes/vs2005/CVrxPVisualManagerVS2005.h"
#include "themes/xp/CVrxPVisualManagerXP.h"
#include "themes/winxp/CVrxPWinXPVisualManager.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarCustomize.h"

BEGIN_MESSAGE_MAP(CMainFrame, CVrxPMDIFrameWnd)
  ON_WM_COPYDATA()
  ON_WM_CREATE()
  ON_COMMAND(ID_WINDOWS_MANAGER, OnWindowsManager)
  ON_COMMAND(ID_VIEW_CUSTOMIZE_KORVO, OnCustomize)
  ON_COMMAND_RANGE(ID_LOOK_BASE, ID_LOOK_2007, OnLook)
  ON_UPDATE_COMMAND_UI_RANGE(ID_LOOK_BASE, ID_LOOK_2007, OnUpdateLook)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr DWORD kMenuBarStyle = WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
                                CBRS_HIDE_INPLACE;
constexpr DWORD kOutputStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr int kOutputSize = 150;
constexpr DWORD kOutputTabbedStyle = 32;
constexpr DWORD kOutputPaneFlags = 15;
constexpr int kDockStyle = 128;
constexpr UINT kCustomizeOptions = 0x2F;
constexpr char kCustomizeLabel[] = "Customize...";
// What every toolbar offers, whatever its resource holds, in this order.
constexpr UINT kBasicCommands[] = {32771, 57600, 57665, 57635, 57637, 57643, 59650, 59649, 57664,
                                   59392, 32770, 57651, 32826, 32827, 32828, 32831, 32830, 32829};

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
  CVrxPToolBar::AltDragEnabled = TRUE;
  CList<UINT, UINT> basic_commands;
  for (UINT command : kBasicCommands) {
    basic_commands.AddTail(command);
  }
  CVrxPToolBar::ReplaceBasicCommands(basic_commands);

  if (!menu_bar_.CreateWithDefaultStyle(this, kMenuBarStyle, ID_MENU_BAR)) {
    return -1;
  }
  menu_bar_.SetBarStyle(menu_bar_.GetBarStyle() | CBRS_SIZE_DYNAMIC);
  if (!output_.Create(kOutputCaption, this, CSize(kOutputSize, kOutputSize), TRUE, ID_OUTPUT_PANE, kOutputStyle,
                      kOutputTabbedStyle, kOutputPaneFlags)) {
    return -1;
  }
  menu_bar_.AllowDocking(CBRS_ALIGN_ANY);
  output_.EnableDocking(CBRS_ALIGN_ANY);
  AllowDockingSides(CBRS_ALIGN_ANY);
  CreateAutoHideSites(CBRS_ALIGN_ANY);
  PlaceBarDocked(&menu_bar_);
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
  GetFrameHelper().PrepareUserToolbars(nullptr, ID_FIRST_USER_TOOLBAR, ID_LAST_USER_TOOLBAR);
  AddWindowsManagerMenuItem(ID_WINDOWS_MANAGER, IDS_WINDOWS_MANAGER, TRUE, FALSE);
  EnableBarListMenu(TRUE, ID_VIEW_CUSTOMIZE_KORVO, kCustomizeLabel, ID_VIEW_BAR_LIST, FALSE, FALSE);

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

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  // Registered at start, so not known when the message map is built.
  if (message == VrxTOOLBAR_RESETTOOLBAR || message == VrxTOOLBAR_CUSTOMIZEHELP) {
    return 0;
  }
  return CVrxPMDIFrameWnd::WindowProc(message, wParam, lParam);
}

void CMainFrame::OnCustomize()
{
  CVrxPToolbarCustomize* sheet = new CVrxPToolbarCustomize(this, TRUE, kCustomizeOptions, nullptr);
  sheet->AllowUserDefinedToolbars(TRUE);
  // A sheet that has no window does not delete itself.
  if (!sheet->Create()) {
    delete sheet;
  }
}

void CMainFrame::OnLook(UINT nID)
{
  CVrxPFrameBarManager::SetGlobalDockStyle(kDockStyle);
  look_ = static_cast<int>(nID);
  CVrxPTabbedControlBar::SharedTabStyle = 0;
  switch (nID) {
  case ID_LOOK_BASE:
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager));
    break;
  case ID_LOOK_XP:
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManagerXP));
    break;
  case ID_LOOK_2003:
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager2003));
    CVrxPFrameBarManager::SetGlobalDockStyle(kDockStyle);
    break;
  case ID_LOOK_WINXP:
    CVrxPWinXPVisualManager::themed3DTabs = TRUE;
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPWinXPVisualManager));
    break;
  case ID_LOOK_VS2005:
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManagerVS2005));
    SetMDITabsOptions(TRUE, TRUE, 1, TRUE, 5, FALSE);
    GetClientArea().MainTabs().UseAutoTabColors(FALSE);
    GetClientArea().MainTabs().UseTabListButton(TRUE);
    CVrxPFrameBarManager::SetGlobalDockStyle(kDockStyle);
    break;
  case ID_LOOK_2007:
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager2007));
    CVrxPFrameBarManager::SetGlobalDockStyle(kDockStyle);
    break;
  default:
    break;
  }
  GetBarManager().RefreshBarFrames();
  CVrxPTabbedControlBar::ApplyTabSettingsToAll();
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
