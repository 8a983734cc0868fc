#include "docking/mdi/CVrxPMDIFrameWnd.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/mdi/CVrxPWindowsDialog.h"
#include "foundation/VrxPMessages.h"
#include "frames/CMDIChildWnd.h"
#include "frames/FrameIds.h"
#include "toolbars/CVrxPMenuBar.h"

IMPLEMENT_DYNAMIC(CVrxPMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CVrxPMDIFrameWnd, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CVrxPMDIFrameWnd::CVrxPMDIFrameWnd()
    : m_helper(this), m_nViewMenuBarItem(0), m_bViewMenuToolbarsOnly(FALSE), m_nWindowsManagerCommand(0),
      m_bWindowsManagerShowAlways(FALSE), m_bWindowsManagerHelp(FALSE), m_hWindowMenu(NULL), m_bAltAlone(FALSE)
{
}

BOOL CVrxPMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_helper.resourceId = nIDResource;
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_helper.RestoreStateAfterLoad();
    if (m_helper.menuBar != nullptr)
        m_helper.defaultMenu = m_hMenuDefault;
    return TRUE;
}

BOOL CVrxPMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_helper.frameWindow = this;
    m_helper.barManager = &m_barManager;
    m_barManager.Create(this);
    m_helper.ApplyStoredPlacement(cs);
    return CMDIFrameWnd::PreCreateWindow(cs);
}

int CVrxPMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CVrxPFrameHelper::RegisterFrame(this);
    return 0;
}

void CVrxPMDIFrameWnd::OnClose()
{
    m_helper.OnFrameClosing();
    CMDIFrameWnd::OnClose();
}

void CVrxPMDIFrameWnd::OnDestroy()
{
    CVrxPFrameHelper::UnregisterFrame(this);
    CMDIFrameWnd::OnDestroy();
}

void CVrxPMDIFrameWnd::AllowDockingSides(DWORD dwAlignment)
{
    m_barManager.EnableDocking(dwAlignment & CBRS_ALIGN_ANY);
}

BOOL CVrxPMDIFrameWnd::CreateAutoHideSites(DWORD dwAlignment)
{
    return m_barManager.EnableAutoHideBars(dwAlignment & CBRS_ALIGN_ANY);
}

BOOL CVrxPMDIFrameWnd::PlaceBarDocked(CWnd* pBar)
{
    const DWORD dwSides = m_barManager.GetDockSides();
    if (CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar))
    {
        if ((pPane->GetBarStyle() & dwSides & CBRS_ALIGN_ANY) == 0)
            return FALSE;
        m_barManager.DockControlBar(pPane, 0, nullptr);
        return pPane->IsDocked();
    }
    CVrxPControlBar* pControlBar = dynamic_cast<CVrxPControlBar*>(pBar);
    if (pControlBar == nullptr)
        return FALSE;
    const DWORD dwSide = pControlBar->GetBarStyle() & dwSides & CBRS_ALIGN_ANY;
    if (dwSide == 0)
        return FALSE;
    // A bar may always lie at the side its own style names.
    pControlBar->AllowDocking(pControlBar->GetAllowedDocking() | dwSide);
    m_barManager.DockControlBar(pControlBar, 0, nullptr);
    RecalcLayout();
    return pControlBar->GetDockSite() != nullptr;
}

void CVrxPMDIFrameWnd::EnableBarListMenu(BOOL bEnable, UINT nCustomizeCommand, LPCTSTR lpszCustomizeLabel,
                                         UINT nBarListItem, BOOL bToolbarsOnlyInContextMenu,
                                         BOOL bToolbarsOnlyInItem)
{
    m_barManager.SetBarContextMenu(bEnable, nCustomizeCommand, lpszCustomizeLabel, bToolbarsOnlyInContextMenu);
    m_helper.barListItem = nBarListItem;
    m_helper.barListToolbarsOnly = bToolbarsOnlyInItem;
}

void CVrxPMDIFrameWnd::AddWindowsManagerMenuItem(UINT nCommand, UINT nTextId, BOOL bShowAlways, BOOL bHelpButton)
{
    m_nWindowsManagerCommand = nCommand;
    m_strWindowsManagerText.LoadString(nTextId);
    m_bWindowsManagerShowAlways = bShowAlways;
    m_bWindowsManagerHelp = bHelpButton;
}

void CVrxPMDIFrameWnd::SetMDITabsOptions(BOOL bEnable, BOOL bIcons, int nLocation, BOOL bCloseButton, int nStyle,
                                         BOOL bOwnerTooltips)
{
    CVrxPMDITabOptions options;
    options.icons = bIcons;
    options.location = nLocation;
    options.closeButton = bCloseButton;
    options.style = nStyle;
    options.ownerTooltips = bOwnerTooltips;
    m_clientArea.EnableMDITabs(bEnable, options);
}

void CVrxPMDIFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    if (!IsIconic())
    {
        HDWP hdwp = ::BeginDeferWindowPos(8);
        m_barManager.AdjustDockingLayout(hdwp);
        if (hdwp != NULL)
            ::EndDeferWindowPos(hdwp);
        AdjustClientArea();
    }
    m_bInRecalcLayout = FALSE;
}

void CVrxPMDIFrameWnd::AdjustClientArea()
{
    if (m_clientArea.GetSafeHwnd() == NULL)
        return;
    CRect rectClient = m_barManager.GetOuterRect();
    rectClient.DeflateRect(m_rectBorder.left, m_rectBorder.top, m_rectBorder.right, m_rectBorder.bottom);
    m_clientArea.CalcWindowRect(&rectClient, CWnd::adjustBorder);
}

HMENU CVrxPMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    HMENU hPopup = CMDIFrameWnd::GetWindowMenuPopup(hMenuBar);
    if (hPopup != NULL)
        m_hWindowMenu = hPopup;
    return hPopup;
}

void CVrxPMDIFrameWnd::ExtendWindowMenu()
{
    if (m_nWindowsManagerCommand == 0 || m_hWindowMenu == NULL || !::IsMenu(m_hWindowMenu))
        return;
    // The system's entry for the tenth and later children.
    const UINT nOverflow = AFX_IDM_FIRST_MDICHILD + 9;
    const BOOL bOverflow = ::DeleteMenu(m_hWindowMenu, nOverflow, MF_BYCOMMAND);
    ::DeleteMenu(m_hWindowMenu, m_nWindowsManagerCommand, MF_BYCOMMAND);
    if (bOverflow || m_bWindowsManagerShowAlways)
        ::AppendMenu(m_hWindowMenu, MF_STRING, m_nWindowsManagerCommand, m_strWindowsManagerText);
}

BOOL CVrxPMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, HMENU hWindowMenu)
{
    if (hWindowMenu != NULL)
        m_hWindowMenu = hWindowMenu;
    return CMDIFrameWnd::CreateClient(lpCreateStruct, hWindowMenu) && m_clientArea.SubclassWindow(m_hWndMDIClient);
}

BOOL CVrxPMDIFrameWnd::ApplyMenuToMenuBar(HMENU hMenu)
{
    CVrxPMenuBar* pMenuBar = m_helper.menuBar;
    if (pMenuBar == nullptr || pMenuBar->GetSafeHwnd() == NULL)
        return FALSE;
    ::SetMenu(m_hWnd, NULL);
    pMenuBar->BuildFromMenu(hMenu != NULL ? hMenu : m_helper.defaultMenu, FALSE, FALSE);
    return TRUE;
}

void CVrxPMDIFrameWnd::UpdateMenuBarChildButtons()
{
    CVrxPMenuBar* pMenuBar = m_helper.menuBar;
    if (pMenuBar == nullptr || pMenuBar->GetSafeHwnd() == NULL || m_hWndMDIClient == NULL)
        return;
    BOOL bMaximised = FALSE;
    CMDIChildWnd* pActive = MDIGetActive(&bMaximised);
    pMenuBar->UpdateMdiChildButtons(pActive != nullptr && bMaximised, pActive, TRUE);
}

// The window keeps no menu of its own while the menu bar shows it.
void CVrxPMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    CVrxPMenuBar* pMenuBar = m_helper.menuBar;
    if (pMenuBar != nullptr && pMenuBar->GetSafeHwnd() != NULL && pMenuBar->IsWindowVisible())
        ::SetMenu(m_hWnd, NULL);
}

BOOL CVrxPMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_SYSKEYDOWN:
        if (pMsg->wParam == VK_MENU)
        {
            if ((pMsg->lParam & 0x40000000) == 0)
                m_bAltAlone = TRUE;
            break;
        }
        m_bAltAlone = FALSE;
        if (pMsg->wParam != VK_F10 && m_helper.HandleMenuKey(static_cast<UINT>(pMsg->wParam)))
            return TRUE;
        break;
    case WM_KEYDOWN:
        m_bAltAlone = FALSE;
        break;
    case WM_SYSKEYUP:
    {
        const BOOL bF10 = pMsg->wParam == VK_F10 && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
        const BOOL bAlt = pMsg->wParam == VK_MENU && m_bAltAlone;
        m_bAltAlone = FALSE;
        CVrxPMenuBar* pMenuBar = m_helper.menuBar;
        if ((bF10 || bAlt) && pMenuBar != nullptr && pMenuBar->GetSafeHwnd() != NULL && pMenuBar->IsWindowVisible())
        {
            if (::GetFocus() == pMenuBar->GetSafeHwnd())
                SetFocus();
            else
                pMenuBar->EnterKeyboardMode();
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

void CVrxPMDIFrameWnd::OnWindowsManager()
{
    CVrxPWindowsDialog dialog(this, m_bWindowsManagerHelp);
    dialog.DoModal();
}

CVrxPMDIChildWnd* CVrxPMDIFrameWnd::OpenAnotherWindow(LPCTSTR, CObject*)
{
    SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    return dynamic_cast<CVrxPMDIChildWnd*>(MDIGetActive());
}

void CVrxPMDIFrameWnd::OnChangeVisualManager()
{
    m_barManager.RefreshBarFrames();
    RecalcLayout();
}

BOOL CVrxPMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
           m_barManager.OnBarMenuCommand(nID, nCode, pExtra, pHandlerInfo);
}

// The library's messages are registered at start, so they are compared at
// run time.
LRESULT CVrxPMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != 0 && message == VrxTOOLBAR_POPUPMENU)
        return 1;
    // A tab the user chose activates its child.
    if (message != 0 && message == VrxM_ONCHANGE_ACTIVE_TAB &&
        reinterpret_cast<CWnd*>(lParam) == &m_clientArea.MainTabs())
    {
        CWnd* pChild = m_clientArea.MainTabs().ActiveTabWindow();
        if (pChild != nullptr && pChild->GetSafeHwnd() != NULL &&
            reinterpret_cast<HWND>(m_clientArea.SendMessage(WM_MDIGETACTIVE)) != pChild->GetSafeHwnd())
            m_clientArea.SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pChild->GetSafeHwnd()));
        return 0;
    }
    if (message != 0 && message == VrxM_CHANGEVISUALMANAGER)
    {
        OnChangeVisualManager();
        return 0;
    }
    if (message != 0 && message == VrxTOOLBAR_CREATE)
        return reinterpret_cast<LRESULT>(m_helper.CreateUserToolbar(reinterpret_cast<LPCTSTR>(lParam)));
    if (message != 0 && message == VrxTOOLBAR_DELETE)
        return m_helper.DeleteUserToolbar(reinterpret_cast<CVrxPToolBar*>(lParam));
    return CMDIFrameWnd::WindowProc(message, wParam, lParam);
}
