// The menu bar's part for a maximised MDI child: its icon first, its
// caption buttons at the far end.

#include "toolbars/CVrxPMenuBar.h"

#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "frames/CMDIChildWnd.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPToolbarMenuButtonsButton.h"
#include "toolbars/CVrxPToolbarSystemMenuButton.h"

namespace
{
// Close is usable unless the system menu lacks it or greys it.
BOOL CloseIsEnabled(HMENU hSystemMenu)
{
    MENUITEMINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    return hSystemMenu != NULL && ::GetMenuItemInfo(hSystemMenu, SC_CLOSE, FALSE, &info) &&
           (info.fState & (MFS_DISABLED | MFS_GRAYED)) == 0;
}
} // namespace

void CVrxPMenuBar::UpdateMdiButtonSize()
{
    const int nSide = ::GetSystemMetrics(SM_CXMENUSIZE);
    CRect rect(0, 0, nSide, nSide);
    HDC hScreen = ::GetDC(NULL);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    ::DrawFrameControl(hMemory, &rect, DFC_CAPTION, DFCS_ADJUSTRECT);
    ::DeleteDC(hMemory);
    ::ReleaseDC(NULL, hScreen);
    m_sizeMdiButton = rect.Size();
}

void CVrxPMenuBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CVrxPToolBar::OnSettingChange(uFlags, lpszSection);
    UpdateMdiButtonSize();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

CWnd* CVrxPMenuBar::ActiveMdiChild() const
{
    const CMDIFrameWnd* pFrame = dynamic_cast<const CMDIFrameWnd*>(m_pOwnerFrame);
    return pFrame != nullptr && pFrame->GetSafeHwnd() != NULL ? pFrame->MDIGetActive() : nullptr;
}

BOOL CVrxPMenuBar::IsMdiCaptionButton(int nIndex) const
{
    return dynamic_cast<const CVrxPToolbarMenuButtonsButton*>(GetButton(nIndex)) != nullptr;
}

void CVrxPMenuBar::UpdateMdiChildButtons(BOOL bMaximised, CWnd* pChild, BOOL bRedraw)
{
    const HWND hChild = bMaximised && pChild != nullptr ? pChild->GetSafeHwnd() : NULL;
    if (hChild == m_hMdiChild && (hChild != NULL) == (m_bMdiButtonsShown != FALSE))
        return;
    if (m_bMdiButtonsShown)
        RemoveMdiChildButtons();
    if (hChild != NULL)
        AddMdiChildButtons(pChild);
    if (bRedraw && m_hWnd != NULL)
    {
        RecalcBarLayout();
        Invalidate();
    }
}

void CVrxPMenuBar::RemoveMdiChildButtons()
{
    if (m_hChildSystemMenu != NULL && dynamic_cast<CVrxPToolbarSystemMenuButton*>(GetButton(0)) != nullptr)
        RemoveButtonAt(0);
    for (; m_nMdiButtonCount > 0; m_nMdiButtonCount--)
        if (IsMdiCaptionButton(GetCount() - 1))
            RemoveButtonAt(GetCount() - 1);
    m_hChildSystemMenu = NULL;
    m_hChildIcon = NULL;
    m_hMdiChild = NULL;
    m_bMdiButtonsShown = FALSE;
}

void CVrxPMenuBar::AddMdiChildButtons(CWnd* pChild)
{
    const HWND hChild = pChild->GetSafeHwnd();
    m_hMdiChild = hChild;
    m_bMdiButtonsShown = TRUE;
    const LONG style = ::GetWindowLong(hChild, GWL_STYLE);
    HMENU hSystemMenu = ::GetSystemMenu(hChild, FALSE);
    // Only a child with a system menu shows its caption controls here.
    if (hSystemMenu == NULL || !::IsMenu(hSystemMenu) || (style & WS_SYSMENU) == 0)
        return;
    m_hChildSystemMenu = hSystemMenu;
    m_hChildIcon = reinterpret_cast<HICON>(::SendMessage(hChild, WM_GETICON, ICON_SMALL, 0));
    if (m_hChildIcon == NULL)
        m_hChildIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hChild, GCLP_HICONSM));
    InsertButtonCopy(CVrxPToolbarSystemMenuButton(hSystemMenu, m_hChildIcon), 0);
    m_nMdiButtonCount = 0;
    if ((style & WS_MINIMIZEBOX) != 0 && InsertButtonCopy(CVrxPToolbarMenuButtonsButton(SC_MINIMIZE), -1) >= 0)
        m_nMdiButtonCount++;
    if ((style & WS_MAXIMIZEBOX) != 0 && InsertButtonCopy(CVrxPToolbarMenuButtonsButton(SC_RESTORE), -1) >= 0)
        m_nMdiButtonCount++;
    CVrxPToolbarMenuButtonsButton close(SC_CLOSE);
    if (!CloseIsEnabled(hSystemMenu))
        close.style |= CVrxPToolbarButton::styleDisabled;
    if (InsertButtonCopy(close, -1) >= 0)
        m_nMdiButtonCount++;
}

CSize CVrxPMenuBar::MeasureButton(CDC& dc, const CVrxPToolbarButton& button) const
{
    if (dynamic_cast<const CVrxPToolbarSystemMenuButton*>(&button) != nullptr)
        return CVrxPToolbarSystemMenuButton::MeasureSize(EffectiveButtonHeight());
    if (dynamic_cast<const CVrxPToolbarMenuButtonsButton*>(&button) != nullptr)
        return CVrxPToolbarMenuButtonsButton::MeasureSize();
    return CVrxPToolBar::MeasureButton(dc, button);
}

// The caption buttons sit at the far end, close last, one pixel apart.
void CVrxPMenuBar::LayoutButtons()
{
    CVrxPToolBar::LayoutButtons();
    if (!m_bMdiButtonsShown || m_nMdiButtonCount == 0 || m_hWnd == NULL)
        return;
    const BOOL bHorizontal = IsAlignedHorizontally();
    CRect rectClient;
    GetClientRect(&rectClient);
    ApplyBorderInsets(rectClient, bHorizontal);
    CRect rect(rectClient.right - m_sizeMdiButton.cx, rectClient.bottom - m_sizeMdiButton.cy, rectClient.right,
               rectClient.bottom);
    for (int i = GetCount() - 1; i >= 0 && IsMdiCaptionButton(i); i--)
    {
        GetButton(i)->rect = rect;
        if (bHorizontal)
            rect.OffsetRect(-(m_sizeMdiButton.cx + 1), 0);
        else
            rect.OffsetRect(0, -(m_sizeMdiButton.cy + 1));
    }
}

// The icon and the caption buttons are the look's glyphs, not button faces.
void CVrxPMenuBar::DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (CVrxPToolbarMenuButtonsButton* pCaption = dynamic_cast<CVrxPToolbarMenuButtonsButton*>(pButton))
        pCaption->DrawCaption(&dc, pCaption->rect, bHot, bPressed);
    else if (dynamic_cast<CVrxPToolbarSystemMenuButton*>(pButton) != nullptr)
        pButton->Draw(&dc, pButton->rect, nullptr);
    else
        CVrxPToolBar::DrawButton(dc, nIndex, bHot, bPressed);
}

BOOL CVrxPMenuBar::HandleButtonCommand(CVrxPToolbarButton* pButton)
{
    const CVrxPToolbarMenuButtonsButton* pCaption = dynamic_cast<CVrxPToolbarMenuButtonsButton*>(pButton);
    if (pCaption == nullptr)
        return FALSE;
    if (dynamic_cast<CMDIFrameWnd*>(m_pOwnerFrame) == nullptr)
    {
        ::MessageBeep(0xFFFFFFFF);
        return TRUE;
    }
    const UINT nCommand = pCaption->systemCommand;
    if (nCommand != SC_CLOSE && nCommand != SC_MINIMIZE && nCommand != SC_RESTORE)
        return TRUE;
    // The button goes with the child's state: nothing of it is used after.
    if (CWnd* pChild = ActiveMdiChild())
        pChild->SendMessage(WM_SYSCOMMAND, nCommand, 0);
    return TRUE;
}

void CVrxPMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (dynamic_cast<CVrxPToolbarSystemMenuButton*>(GetButton(ButtonIndexAtPoint(point))) != nullptr)
    {
        CloseChildFromIcon();
        return;
    }
    CVrxPToolBar::OnLButtonDblClk(nFlags, point);
}

void CVrxPMenuBar::CloseChildFromIcon()
{
    if (customizeMode)
        return;
    CloseOpenMenu();
    CWnd* pChild = ActiveMdiChild();
    if (pChild == nullptr)
        return;
    MENUITEMINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    HMENU hSystemMenu = ::GetSystemMenu(pChild->GetSafeHwnd(), FALSE);
    if (hSystemMenu != NULL && ::GetMenuItemInfo(hSystemMenu, SC_CLOSE, FALSE, &info) &&
        (info.fState & (MFS_DISABLED | MFS_GRAYED)) != 0)
        return;
    pChild->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}
