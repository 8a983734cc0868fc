#include "toolbars/CVrxPMenuBar.h"

#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "files/CArchive.h"
#include "frames/CFrameWnd.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuPlacement.h"
#include "toolbars/CVrxPToolbarMenuButton.h"
#include "toolbars/CVrxPToolbarSystemMenuButton.h"

IMPLEMENT_SERIAL(CVrxPMenuBar, CVrxPToolBar, 1)

BEGIN_MESSAGE_MAP(CVrxPMenuBar, CVrxPToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

BOOL CVrxPMenuBar::showAllMenus = FALSE;
BOOL CVrxPMenuBar::recentlyUsedMenus = TRUE;

namespace
{
TCHAR UpperChar(TCHAR ch)
{
    TCHAR buffer[2] = {ch, '\0'};
    ::CharUpperBuff(buffer, 1);
    return buffer[0];
}
} // namespace

CVrxPMenuBar::CVrxPMenuBar()
    : m_pOwnerFrame(nullptr), m_hMenu(NULL), m_hDefaultMenu(NULL), m_nDefaultMenuId(0), m_bKeyboardMode(FALSE),
      m_nTracking(-1), m_bSwitching(FALSE), m_bMdiButtonsShown(FALSE), m_hMdiChild(NULL), m_hChildSystemMenu(NULL),
      m_hChildIcon(NULL), m_nMdiButtonCount(0), m_sizeMdiButton(0, 0)
{
}

BOOL CVrxPMenuBar::CreateWithDefaultStyle(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    m_pOwnerFrame = dynamic_cast<CFrameWnd*>(pParent);
    return CVrxPToolBar::CreateWithDefaultStyle(pParent, dwStyle, nID);
}

int CVrxPMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CVrxPMDIFrameWnd* pFrame = dynamic_cast<CVrxPMDIFrameWnd*>(m_pOwnerFrame))
        pFrame->GetFrameHelper().TakeOverFrameMenu(this);
    SetWindowText(windowText);
    SetBarStyle(GetBarStyle() | CBRS_HIDE_INPLACE);
    // The bar keeps a row of its dock bar to itself.
    SetExclusiveRow(1);
    UpdateMdiButtonSize();
    return 0;
}

void CVrxPMenuBar::BuildFromMenu(HMENU hMenu, BOOL bDefault, BOOL bForce)
{
    if (m_hWnd != NULL && ::GetFocus() == m_hWnd && m_pOwnerFrame != nullptr)
        m_pOwnerFrame->SetFocus();
    if (hMenu == m_hMenu && !customizeMode && !bForce && GetCount() > 0)
        return;
    m_hMenu = hMenu;
    if (bDefault)
        m_hDefaultMenu = hMenu;
    if (hMenu == NULL)
        return;
    // The open menu closes with its button.
    m_nTracking = -1;
    m_nPressed = -1;
    const HWND hMaximisedChild = m_hMdiChild;
    const BOOL bMdiButtonsShown = m_bMdiButtonsShown;
    if (bMdiButtonsShown)
        RemoveMdiChildButtons();
    DeleteAllButtons();
    const int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; i++)
    {
        MENUITEMINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        // The maximised MDI child's icon and buttons are pictures, not items.
        if (::GetMenuItemInfo(hMenu, static_cast<UINT>(i), TRUE, &info) && (info.fType & MFT_BITMAP) != 0)
            continue;
        char text[maxItemText] = "";
        ::GetMenuString(hMenu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        const UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID == 0)
        {
            InsertSeparatorAt(-1);
        }
        else if (nID == static_cast<UINT>(-1))
        {
            CVrxPToolbarMenuButton button(0, ::GetSubMenu(hMenu, i), -1, text);
            button.textShown = TRUE;
            button.imageShown = FALSE;
            InsertButtonCopy(button, -1);
        }
        else
        {
            CVrxPToolbarButton button(nID, -1, text);
            button.textShown = TRUE;
            button.imageShown = FALSE;
            InsertButtonCopy(button, -1);
        }
    }
    if (bMdiButtonsShown && ::IsWindow(hMaximisedChild))
        AddMdiChildButtons(CWnd::FromHandle(hMaximisedChild));
    RecalcBarLayout();
}

CSize CVrxPMenuBar::ComputeLayoutSize(int nMode, int nLength)
{
    const BOOL bHorizontal = (nMode & layoutHorizontal) != 0 && (nMode & layoutVerticalDock) == 0;
    if (IsFloatingInMiniFrame() || m_hWnd == NULL || !bHorizontal)
        return CVrxPToolBar::ComputeLayoutSize(nMode, nLength);
    // A top or bottom dock bar spans the frame; while the frame lays out it
    // may still have its old width, so the frame's width is the row's.
    CWnd* pSpan = GetParent();
    if (GetDockSite() != nullptr && GetHostFrame() != nullptr)
        pSpan = GetHostFrame();
    CRect rectRow;
    pSpan->GetClientRect(&rectRow);
    const CRect insets = BorderInsets(TRUE);
    const int nWrap = rectRow.Width() + insets.right - insets.left - firstPosition;
    CVrxPToolbarLayout layout(MeasureButtons(), EffectiveButtonHeight(), EffectiveButtonHeight(), true);
    layout.Wrap(nWrap);
    return CSize(rectRow.Width(), layout.MeasureExtent().cy + insets.top - insets.bottom);
}

int CVrxPMenuBar::WrapLength(const CRect& rectClient) const
{
    return IsFloatingInMiniFrame() ? CVrxPToolBar::WrapLength(rectClient) : rectClient.Width() - firstPosition;
}

BOOL CVrxPMenuBar::StoreToRegistry(LPCTSTR, int, int)
{
    return FALSE;
}

BOOL CVrxPMenuBar::RestoreFromRegistry(LPCTSTR, int, int)
{
    return FALSE;
}

TCHAR CVrxPMenuBar::MnemonicOf(LPCTSTR lpszText)
{
    for (LPCTSTR p = lpszText; p != nullptr && *p != '\0'; p++)
    {
        if (*p != '&')
            continue;
        if (p[1] == '&')
        {
            p++;
            continue;
        }
        return UpperChar(p[1]);
    }
    return 0;
}

BOOL CVrxPMenuBar::FindMenuItemText(HMENU hMenu, UINT nID, CString& text)
{
    if (hMenu == NULL || nID == 0 || nID == static_cast<UINT>(-1))
        return FALSE;
    const int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; i++)
    {
        const UINT nItemID = ::GetMenuItemID(hMenu, i);
        if (nItemID == nID)
        {
            char buffer[maxItemText] = "";
            ::GetMenuString(hMenu, static_cast<UINT>(i), buffer, sizeof(buffer), MF_BYPOSITION);
            text = buffer;
            return TRUE;
        }
        if (nItemID == static_cast<UINT>(-1) && FindMenuItemText(::GetSubMenu(hMenu, i), nID, text))
            return TRUE;
    }
    return FALSE;
}

int CVrxPMenuBar::NeighbourIndex(int nIndex, int nStep) const
{
    const int nCount = GetCount();
    for (int i = 1; i <= nCount; i++)
    {
        const int nCandidate = ((nIndex + i * nStep) % nCount + nCount) % nCount;
        const CVrxPToolbarButton* pButton = GetButton(nCandidate);
        if (pButton->visible && !pButton->IsSeparator() && !IsMdiCaptionButton(nCandidate))
            return nCandidate;
    }
    return -1;
}

BOOL CVrxPMenuBar::HandleMnemonicKey(UINT ch)
{
    const TCHAR key = UpperChar(static_cast<TCHAR>(ch));
    for (int i = 0; i < GetCount(); i++)
    {
        const CVrxPToolbarButton* pButton = GetButton(i);
        if (pButton->visible && !pButton->IsSeparator() && MnemonicOf(pButton->text) == key)
        {
            OpenItem(i, TRUE);
            return TRUE;
        }
    }
    return FALSE;
}

void CVrxPMenuBar::EnterKeyboardMode()
{
    // The child's icon is passed over: the first menu takes the keys.
    const BOOL bIconFirst = dynamic_cast<CVrxPToolbarSystemMenuButton*>(GetButton(0)) != nullptr;
    const int nFirst = NeighbourIndex(bIconFirst ? 0 : -1, 1);
    if (nFirst < 0)
        return;
    m_bKeyboardMode = TRUE;
    SetFocus();
    SetHotIndex(nFirst);
}

void CVrxPMenuBar::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (m_nTracking >= 0)
        return;
    m_bKeyboardMode = FALSE;
    SetHotIndex(-1);
}

void CVrxPMenuBar::OnDestroy()
{
    CloseOpenMenu();
    CVrxPToolBar::OnDestroy();
}

void CVrxPMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nIndex = ButtonIndexAtPoint(point);
    if (m_nTracking >= 0 && nIndex == m_nTracking)
    {
        CloseOpenMenu();
        return;
    }
    if (nIndex >= 0 && dynamic_cast<CVrxPToolbarMenuButton*>(GetButton(nIndex)) != nullptr)
    {
        OpenItem(nIndex, FALSE);
        return;
    }
    CloseOpenMenu();
    CVrxPToolBar::OnLButtonDown(nFlags, point);
}

// With a menu open, pointing at another title opens its menu instead.
void CVrxPMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nTracking < 0)
    {
        CVrxPToolBar::OnMouseMove(nFlags, point);
        return;
    }
    const int nIndex = ButtonIndexAtPoint(point);
    const CVrxPToolbarMenuButton* pButton = dynamic_cast<CVrxPToolbarMenuButton*>(GetButton(nIndex));
    if (nIndex != m_nTracking && pButton != nullptr && pButton->popupMenu != NULL)
        OpenItem(nIndex, FALSE);
}

void CVrxPMenuBar::OnClickButton(int nIndex)
{
    if ((GetButton(nIndex)->style & CVrxPToolbarButton::styleDisabled) != 0 ||
        HandleButtonCommand(GetButton(nIndex)))
        return;
    OpenItem(nIndex, FALSE);
}

void CVrxPMenuBar::OpenItem(int nIndex, BOOL bSelectFirst)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return;
    CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton);
    if (pMenuButton == nullptr || pMenuButton->popupMenu == NULL)
    {
        CloseOpenMenu();
        if (m_bKeyboardMode && m_pOwnerFrame != nullptr)
            m_pOwnerFrame->SetFocus();
        CVrxPToolBar::OnClickButton(nIndex);
        return;
    }
    m_bSwitching = TRUE;
    CloseOpenMenu();
    m_bSwitching = FALSE;

    CRect rect = pMenuButton->rect;
    ClientToScreen(&rect);
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    // The frame's menu outlives its popups.
    pPopup->destroyMenuHandle = FALSE;
    pPopup->dropDirection = CVrxPPopupMenuPlacement::directionBelow;
    pPopup->openingButton = pMenuButton;
    pMenuButton->popup = pPopup;
    pMenuButton->popupOpen = TRUE;
    m_nTracking = nIndex;
    m_nPressed = nIndex;
    SetHotIndex(nIndex);
    Invalidate();
    UpdateWindow();
    CWnd* pParent = m_pOwnerFrame != nullptr ? static_cast<CWnd*>(m_pOwnerFrame) : GetParent();
    // The child's system menu commands the child itself.
    CWnd* pChild = dynamic_cast<CVrxPToolbarSystemMenuButton*>(pMenuButton) != nullptr ? ActiveMdiChild() : nullptr;
    if (pChild != nullptr)
        pParent = pChild;
    // A popup that fails to open has deleted itself.
    if (!pPopup->CreatePopup(pParent, rect.left, rect.bottom, pMenuButton->popupMenu, FALSE, pChild != nullptr))
    {
        pMenuButton->popup = nullptr;
        pMenuButton->popupOpen = FALSE;
        m_nTracking = -1;
        m_nPressed = -1;
        Invalidate();
        return;
    }
    if (bSelectFirst)
        pPopup->OnMenuKey(VK_HOME);
}

void CVrxPMenuBar::CloseOpenMenu()
{
    const CVrxPToolbarMenuButton* pButton = dynamic_cast<CVrxPToolbarMenuButton*>(GetButton(m_nTracking));
    if (pButton != nullptr && pButton->popup != nullptr)
        pButton->popup->CloseChain();
}

void CVrxPMenuBar::OpenNeighbour(int nStep)
{
    if (m_nTracking < 0)
        return;
    const int nNext = NeighbourIndex(m_nTracking, nStep);
    if (nNext >= 0 && nNext != m_nTracking)
        OpenItem(nNext, TRUE);
}

void CVrxPMenuBar::OnPopupClosed(BOOL bByEscape)
{
    if (m_bSwitching)
        return;
    const int nClosed = m_nTracking;
    m_nTracking = -1;
    m_nPressed = -1;
    Invalidate();
    if (bByEscape)
    {
        m_bKeyboardMode = TRUE;
        if (::GetFocus() != m_hWnd)
            SetFocus();
        SetHotIndex(nClosed);
        return;
    }
    if (m_bKeyboardMode)
    {
        m_bKeyboardMode = FALSE;
        if (m_pOwnerFrame != nullptr && ::GetFocus() == m_hWnd)
            m_pOwnerFrame->SetFocus();
    }
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    SetHotIndex(ButtonIndexAtPoint(cursor));
}

BOOL CVrxPMenuBar::PreTranslateMessage(MSG* pMsg)
{
    if (!m_bKeyboardMode || (pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN))
        return CVrxPToolBar::PreTranslateMessage(pMsg);
    const int nHot = GetHotIndex();
    UINT nKey = static_cast<UINT>(pMsg->wParam);
    if (nKey == VK_TAB)
        nKey = ::GetKeyState(VK_SHIFT) < 0 ? VK_LEFT : VK_RIGHT;
    switch (nKey)
    {
    case VK_LEFT:
    case VK_RIGHT:
        SetHotIndex(NeighbourIndex(nHot, nKey == VK_LEFT ? -1 : 1));
        return TRUE;
    case VK_RETURN:
        OpenItem(nHot, TRUE);
        return TRUE;
    case VK_DOWN:
        if (dynamic_cast<CVrxPToolbarMenuButton*>(GetButton(nHot)) != nullptr)
            OpenItem(nHot, TRUE);
        return TRUE;
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
        if (m_pOwnerFrame != nullptr)
            m_pOwnerFrame->SetFocus();
        return TRUE;
    default:
        return HandleMnemonicKey(nKey) ? TRUE : CVrxPToolBar::PreTranslateMessage(pMsg);
    }
}

INT_PTR CVrxPMenuBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (dynamic_cast<const CVrxPToolbarMenuButton*>(GetButton(ButtonIndexAtPoint(point))) != nullptr)
        return -1;
    return CVrxPToolBar::OnToolHitTest(point, pTI);
}
