#include "toolbars/CVrxPPopupMenu.h"

#include "files/CArchive.h"
#include "panes/CVrxPDialog.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPToolbarButton.h"

IMPLEMENT_DYNCREATE(CVrxPPopupMenu, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CVrxPPopupMenu, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
CVrxPPopupMenu* s_pActivePopup = nullptr;
UINT s_nTrackedCommand = 0;

// WS_CHILD | WS_VISIBLE with the bar style bits, and tooltips and fly-by.
const DWORD kBarStyle = 0x50402808 | 0x30;
const UINT kBarId = 1;
const int kDefaultOffset = 5;
} // namespace

CVrxPPopupMenu::CVrxPPopupMenu()
    : destroyMenuHandle(TRUE), trackMode(FALSE), placementFlag(FALSE), menuMode(0), m_hMenu(NULL),
      m_pReceiver(nullptr)
{
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
    CPoint position(x, y);
    if (x == -1 && y == -1)
    {
        position = CPoint(0, 0);
        if (pParent != nullptr && pParent->GetSafeHwnd() != NULL)
        {
            pParent->ClientToScreen(&position);
            position.Offset(kDefaultOffset, kDefaultOffset);
        }
    }
    m_pReceiver = pParent;
    if (!bOwnReceiver && pParent != nullptr && pParent->GetSafeHwnd() != NULL)
        if (CWnd* pFrame = pParent->GetTopLevelFrame())
            m_pReceiver = pFrame;
    if (trackMode)
        s_nTrackedCommand = 0;

    CWnd* pOwner = pParent;
    if (pParent != nullptr && pParent->GetSafeHwnd() != NULL && ::GetWindow(pParent->GetSafeHwnd(), GW_OWNER) != NULL)
        pOwner = CWnd::FromHandle(::GetWindow(pParent->GetSafeHwnd(), GW_OWNER));
    // On failure the object has deleted itself.
    if (!Create(nullptr, "", WS_POPUP, CRect(position, CSize(0, 0)), pOwner))
        return FALSE;
    for (int i = 0; i < m_menuBar.GetCount(); i++)
        m_menuBar.GetButton(i)->locked = bLocked;

    // The window is gone once the menu closes; nothing of it is used after.
    HWND hPopup = m_hWnd;
    HMENU hShown = m_menuBar.BuildMenuHandle();
    const UINT nAlign = placementFlag ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const UINT nCommand = static_cast<UINT>(::TrackPopupMenuEx(
        hShown, nAlign | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, position.x, position.y, hPopup, NULL));
    ::DestroyMenu(hShown);
    if (nCommand != 0)
    {
        if (trackMode)
            s_nTrackedCommand = nCommand;
        else if (m_pReceiver != nullptr && m_pReceiver->GetSafeHwnd() != NULL)
            m_pReceiver->PostMessage(WM_COMMAND, nCommand, 0);
    }
    ::PostMessage(hPopup, WM_CLOSE, 0, 0);
    return TRUE;
}

int CVrxPPopupMenu::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_menuBar.CreateWithDefaultStyle(this, kBarStyle, kBarId))
        return -1;
    // Customised items of this menu come first.
    if (!CVrxPMenuStore::Global().Restore(m_hMenu, &m_menuBar) && !m_menuBar.FillFromMenu(m_hMenu))
        return -1;
    s_pActivePopup = this;
    if (CVrxPDialog* pDialog = dynamic_cast<CVrxPDialog*>(m_pReceiver))
        pDialog->SetCurrentPopupMenu(this);
    return 0;
}

void CVrxPPopupMenu::OnDestroy()
{
    if (s_pActivePopup == this)
        s_pActivePopup = nullptr;
    CVrxPDialog* pDialog = dynamic_cast<CVrxPDialog*>(m_pReceiver);
    if (pDialog != nullptr && pDialog->GetSafeHwnd() != NULL && pDialog->GetCurrentPopupMenu() == this)
        pDialog->SetCurrentPopupMenu(nullptr);
    CMiniFrameWnd::OnDestroy();
}

// The receiver enables the items and shows their prompts.
LRESULT CVrxPPopupMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_INITMENUPOPUP || message == WM_MENUSELECT) && m_pReceiver != nullptr &&
        m_pReceiver->GetSafeHwnd() != NULL)
        return m_pReceiver->SendMessage(message, wParam, lParam);
    return CMiniFrameWnd::WindowProc(message, wParam, lParam);
}
