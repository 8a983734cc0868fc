#include "toolbars/CVrxPPopupMenu.h"

#include "files/CArchive.h"
#include "gdi/CPaintDC.h"
#include "panes/CVrxPDialog.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPPopupMenuPlacement.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CVrxPPopupMenu, CMiniFrameWnd)

namespace
{
// Carries out a chosen command after the handler that chose it returned.
const UINT WM_VRX_EXECUTE = WM_APP + 0x2F1;
}

BEGIN_MESSAGE_MAP(CVrxPPopupMenu, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEACTIVATE()
    ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

namespace
{
CVrxPPopupMenu* s_pActivePopup = nullptr;
UINT s_nTrackedCommand = 0;
int s_nOpenPopups = 0;
HHOOK s_hKeyboardHook = NULL;
HHOOK s_hMouseHook = NULL;

// WS_CHILD | WS_VISIBLE with the bar style bits, and tooltips and fly-by.
const DWORD kBarStyle = 0x50402808 | 0x30;
const UINT kBarId = 1;
const int kDefaultOffset = 5;
const UINT kFirstSystemCommand = 0xF000, kLastSystemCommand = 0xF1EF;

CRect WorkAreaAt(CPoint point)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR hMonitor = ::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
    if (hMonitor != NULL && ::GetMonitorInfo(hMonitor, &info))
        return CRect(info.rcWork);
    CRect rect;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

// The popup whose chain holds the active popup, at its top.
CVrxPPopupMenu* TopPopup()
{
    CVrxPPopupMenu* pTop = s_pActivePopup;
    while (pTop != nullptr && pTop->OwnerPopup() != nullptr)
        pTop = pTop->OwnerPopup();
    return pTop;
}
} // namespace

CVrxPPopupMenu::CVrxPPopupMenu()
    : destroyMenuHandle(TRUE), trackMode(FALSE), placementFlag(FALSE), menuMode(0),
      dropDirection(CVrxPPopupMenuPlacement::directionFree), closedByEscape(FALSE), m_hMenu(NULL),
      m_hReceiver(NULL), m_pOwnerPopup(nullptr), m_pSubmenu(nullptr), m_nSubmenuItem(-1),
      m_bCloseOwnerOnDestroy(TRUE)
{
    // The popup handles no commands itself: its items are never disabled
    // for that when it ends up as their update target.
    m_bAutoMenuEnable = FALSE;
}

CVrxPPopupMenu::~CVrxPPopupMenu()
{
    if (destroyMenuHandle && m_hMenu != NULL)
        ::DestroyMenu(m_hMenu);
}

CVrxPPopupMenu* CVrxPPopupMenu::ActivePopup()
{
    return s_pActivePopup;
}

UINT CVrxPPopupMenu::TrackedCommand()
{
    return s_nTrackedCommand;
}

BOOL CVrxPPopupMenu::CreatePopup(CWnd* pParent, int x, int y, HMENU hMenu, BOOL bLocked, BOOL bOwnReceiver)
{
    m_hMenu = hMenu;
    m_position = CPoint(x, y);
    if (x == -1 && y == -1)
    {
        m_position = CPoint(0, 0);
        if (pParent != nullptr && pParent->GetSafeHwnd() != NULL)
        {
            pParent->ClientToScreen(&m_position);
            m_position.Offset(kDefaultOffset, kDefaultOffset);
        }
    }
    HWND hOwner = NULL;
    if (m_pOwnerPopup != nullptr)
    {
        m_hReceiver = m_pOwnerPopup->m_hReceiver;
        hOwner = ::GetWindow(m_pOwnerPopup->m_hWnd, GW_OWNER);
    }
    else
    {
        CWnd* pReceiver = pParent;
        if (!bOwnReceiver && pParent != nullptr && pParent->GetSafeHwnd() != NULL)
            if (CWnd* pFrame = pParent->GetTopLevelFrame())
                pReceiver = pFrame;
        m_hReceiver = pReceiver != nullptr ? pReceiver->GetSafeHwnd() : NULL;
        if (trackMode)
            s_nTrackedCommand = 0;
        if (pParent != nullptr && pParent->GetSafeHwnd() != NULL)
        {
            hOwner = ::GetWindow(pParent->GetSafeHwnd(), GW_OWNER);
            if (hOwner == NULL)
                hOwner = pParent->GetSafeHwnd();
        }
    }
    // On failure the object has deleted itself.
    if (!Create(nullptr, "", WS_POPUP, CRect(m_position, CSize(0, 0)), CWnd::FromHandle(hOwner)))
        return FALSE;
    // The items take their commands' states from the window that opened
    // the menu; a handler-less item stays enabled until idle time decides.
    m_menuBar.SetOwner(pParent);
    if (CWnd* pTarget = m_menuBar.GetOwnerForCommands())
        m_menuBar.OnUpdateCmdUI(pTarget, FALSE);
    for (int i = 0; i < m_menuBar.GetCount(); i++)
        m_menuBar.GetButton(i)->locked = bLocked;

    if (s_nOpenPopups++ == 0)
    {
        s_hKeyboardHook = ::SetWindowsHookEx(WH_GETMESSAGE, KeyboardHook, NULL, ::GetCurrentThreadId());
        s_hMouseHook = ::SetWindowsHookEx(WH_MOUSE, MouseHook, NULL, ::GetCurrentThreadId());
    }
    s_pActivePopup = this;
    if (CVrxPDialog* pDialog = dynamic_cast<CVrxPDialog*>(Receiver()))
        pDialog->SetCurrentPopupMenu(this);
    PlaceWindow();
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

int CVrxPPopupMenu::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // A popup without its item bar would have nothing to show or choose.
    if (!m_menuBar.CreateWithDefaultStyle(this, kBarStyle, kBarId))
        return -1;
    // Customised items of a top-level menu come first.
    const BOOL bRestored = m_pOwnerPopup == nullptr && CVrxPMenuStore::Global().Restore(m_hMenu, &m_menuBar);
    if (!bRestored && !m_menuBar.FillFromMenu(m_hMenu))
        return -1;
    return 0;
}

void CVrxPPopupMenu::PlaceWindow()
{
    const int nBorder = CVrxPVisualManager::Instance()->QueryMenuBorderSize();
    const SIZE content = m_menuBar.MeasureMenu();
    CVrxPPopupMenuPlacement placement;
    placement.workArea = WorkAreaAt(m_position);
    placement.size = SIZE{content.cx + 2 * nBorder, content.cy + 2 * nBorder};
    placement.position = m_position;
    if (placementFlag)
        placement.position.x -= placement.size.cx - 1;
    placement.direction = dropDirection;
    placement.rowHeight = m_menuBar.RowHeight();
    placement.border = nBorder;
    if (m_pOwnerPopup != nullptr)
    {
        placement.isSubmenu = TRUE;
        CRect rectOwner;
        m_pOwnerPopup->GetWindowRect(&rectOwner);
        placement.ownerRect = rectOwner;
        placement.buttonRect = m_rectOpeningItem;
    }
    placement.Place();
    dropDirection = placement.direction;
    SetWindowPos(NULL, placement.position.x, placement.position.y, placement.size.cx, placement.size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_menuBar.SetWindowPos(NULL, nBorder, nBorder, placement.size.cx - 2 * nBorder, placement.size.cy - 2 * nBorder,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    m_menuBar.LayoutButtons();
}

void CVrxPPopupMenu::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CVrxPVisualManager::Instance()->PaintMenuFrame(&dc, this, rect);
}

BOOL CVrxPPopupMenu::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

int CVrxPPopupMenu::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

void CVrxPPopupMenu::OnActivateApp(BOOL bActive, DWORD)
{
    if (!bActive && !CVrxPToolBar::customizeMode && m_pOwnerPopup == nullptr)
        PostMessage(WM_CLOSE);
}

LRESULT CVrxPPopupMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_VRX_EXECUTE)
        return CMiniFrameWnd::WindowProc(message, wParam, lParam);
    DeliverCommand(static_cast<UINT>(wParam));
    DestroyWindow();
    return 0;
}

void CVrxPPopupMenu::ExecuteCommand(UINT nID)
{
    PostMessage(WM_VRX_EXECUTE, nID, 0);
}

void CVrxPPopupMenu::DeliverCommand(UINT nID)
{
    if (nID == 0)
        return;
    if (trackMode)
    {
        s_nTrackedCommand = nID;
        return;
    }
    if (!::IsWindow(m_hReceiver))
        return;
    const UINT nMessage = nID >= kFirstSystemCommand && nID <= kLastSystemCommand ? WM_SYSCOMMAND : WM_COMMAND;
    ::PostMessage(m_hReceiver, nMessage, nID, 0);
}

// Looked up by handle each time: a receiver whose window went (a closed
// dialog) is never reached through a stale pointer.
CWnd* CVrxPPopupMenu::Receiver() const
{
    return ::IsWindow(m_hReceiver) ? CWnd::FromHandlePermanent(m_hReceiver) : nullptr;
}

void CVrxPPopupMenu::OpenSubmenu(int nIndex, BOOL bSelectFirst)
{
    CloseSubmenu();
    const CVrxPToolbarMenuButton* pItem = dynamic_cast<const CVrxPToolbarMenuButton*>(m_menuBar.GetButton(nIndex));
    if (pItem == nullptr || pItem->popupMenu == NULL)
        return;
    CRect rectItem = pItem->rect;
    m_menuBar.ClientToScreen(&rectItem);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CVrxPPopupMenu* pSubmenu = new CVrxPPopupMenu;
    pSubmenu->m_pOwnerPopup = this;
    pSubmenu->trackMode = trackMode;
    // The handle belongs to the menu this popup was made from.
    pSubmenu->destroyMenuHandle = FALSE;
    pSubmenu->m_rectOpeningItem = rectItem;
    pSubmenu->dropDirection = CVrxPPopupMenuPlacement::directionRight;
    m_pSubmenu = pSubmenu;
    m_nSubmenuItem = nIndex;
    const int nOffset = CVrxPVisualManager::Instance()->QueryMenuOffset();
    if (!pSubmenu->CreatePopup(Receiver(), rectWindow.right + nOffset, rectItem.top - 2, pItem->popupMenu))
    {
        m_pSubmenu = nullptr;
        m_nSubmenuItem = -1;
        return;
    }
    m_menuBar.SetHotItem(nIndex);
    m_menuBar.Invalidate();
    if (bSelectFirst)
        pSubmenu->OnMenuKey(VK_HOME);
}

void CVrxPPopupMenu::CloseSubmenu()
{
    if (m_pSubmenu != nullptr)
        m_pSubmenu->Dismiss();
}

void CVrxPPopupMenu::Dismiss()
{
    m_bCloseOwnerOnDestroy = FALSE;
    DestroyWindow();
}

void CVrxPPopupMenu::CloseChain()
{
    CVrxPPopupMenu* pTop = this;
    while (pTop->m_pOwnerPopup != nullptr)
        pTop = pTop->m_pOwnerPopup;
    pTop->DestroyWindow();
}

void CVrxPPopupMenu::OnPointerInside()
{
    if (m_pOwnerPopup != nullptr)
        m_pOwnerPopup->m_menuBar.CancelSubmenuClosing();
}

BOOL CVrxPPopupMenu::OwnsWindow(HWND hWnd) const
{
    for (const CVrxPPopupMenu* pPopup = this; pPopup != nullptr; pPopup = pPopup->m_pSubmenu)
        if (hWnd == pPopup->m_hWnd || hWnd == pPopup->m_menuBar.GetSafeHwnd())
            return TRUE;
    return FALSE;
}

BOOL CVrxPPopupMenu::OnMenuKey(UINT nKey)
{
    switch (nKey)
    {
    case VK_ESCAPE:
        closedByEscape = TRUE;
        Dismiss();
        return TRUE;
    case VK_LEFT:
        if (m_pOwnerPopup != nullptr)
            Dismiss();
        return TRUE;
    case VK_RIGHT:
    {
        const int nHot = m_menuBar.GetHotIndex();
        const CVrxPToolbarMenuButton* pItem = dynamic_cast<const CVrxPToolbarMenuButton*>(m_menuBar.GetButton(nHot));
        if (pItem != nullptr && pItem->popupMenu != NULL &&
            (pItem->style & CVrxPToolbarButton::styleDisabled) == 0)
            OpenSubmenu(nHot, TRUE);
        return TRUE;
    }
    default:
        return m_menuBar.HandleNavigationKey(nKey);
    }
}

void CVrxPPopupMenu::OnDestroy()
{
    if (m_pSubmenu != nullptr)
    {
        CVrxPPopupMenu* pSubmenu = m_pSubmenu;
        m_pSubmenu = nullptr;
        pSubmenu->Dismiss();
    }
    if (s_pActivePopup == this)
        s_pActivePopup = m_pOwnerPopup;
    if (m_pOwnerPopup != nullptr && m_pOwnerPopup->m_pSubmenu == this)
    {
        CVrxPPopupMenu* pOwner = m_pOwnerPopup;
        pOwner->m_pSubmenu = nullptr;
        pOwner->m_nSubmenuItem = -1;
        pOwner->m_menuBar.Invalidate();
        if (m_bCloseOwnerOnDestroy && !CVrxPToolBar::customizeMode)
            pOwner->DestroyWindow();
    }
    if (m_pOwnerPopup == nullptr)
    {
        CVrxPDialog* pDialog = dynamic_cast<CVrxPDialog*>(Receiver());
        if (pDialog != nullptr && pDialog->GetCurrentPopupMenu() == this)
            pDialog->SetCurrentPopupMenu(nullptr);
    }
    // Only a popup that opened counted itself.
    if (::IsWindowVisible(m_hWnd) && --s_nOpenPopups == 0)
    {
        ::UnhookWindowsHookEx(s_hKeyboardHook);
        ::UnhookWindowsHookEx(s_hMouseHook);
        s_hKeyboardHook = s_hMouseHook = NULL;
    }
    CMiniFrameWnd::OnDestroy();
}

// While a menu is open its keys come from the thread's queue whatever
// window has the focus; nothing of them reaches that window.
LRESULT CALLBACK CVrxPPopupMenu::KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && s_pActivePopup != nullptr)
    {
        switch (pMsg->message)
        {
        case WM_KEYDOWN:
            pMsg->message = WM_NULL;
            s_pActivePopup->OnMenuKey(static_cast<UINT>(pMsg->wParam));
            break;
        case WM_SYSKEYDOWN:
            pMsg->message = WM_NULL;
            if (pMsg->wParam == VK_MENU || pMsg->wParam == VK_F10)
                s_pActivePopup->CloseChain();
            break;
        case WM_KEYUP:
        case WM_CHAR:
        case WM_DEADCHAR:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            pMsg->message = WM_NULL;
            break;
        default:
            break;
        }
    }
    return ::CallNextHookEx(s_hKeyboardHook, nCode, wParam, lParam);
}

// A press outside the chain closes it and goes on to the window under it.
LRESULT CALLBACK CVrxPPopupMenu::MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION)
    {
        switch (wParam)
        {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        {
            const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
            CVrxPPopupMenu* pTop = TopPopup();
            if (pTop != nullptr && !pTop->OwnsWindow(pInfo->hwnd))
                pTop->CloseChain();
            break;
        }
        default:
            break;
        }
    }
    return ::CallNextHookEx(s_hMouseHook, nCode, wParam, lParam);
}
