#include "toolbars/CVrxPPopupMenuBar.h"

#include "app/ResourceChain.h"
#include "files/CArchive.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "gdi/CClientDC.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPCommandUsage.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

IMPLEMENT_SERIAL(CVrxPPopupMenuBar, CVrxPToolBar, 1)

BEGIN_MESSAGE_MAP(CVrxPPopupMenuBar, CVrxPToolBar)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

int CVrxPPopupMenuBar::lastChosenIndex = -1;

namespace
{
// Appends the menu's items to the list as new buttons (the list owns them).
void ButtonsFromMenu(HMENU hMenu, CObList& buttons)
{
    const int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; i++)
    {
        char text[CVrxPPopupMenuBar::maxItemText] = "";
        ::GetMenuString(hMenu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        const UINT nID = ::GetMenuItemID(hMenu, i);
        const UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
        CVrxPToolbarButton* pButton = nullptr;
        if (nID == static_cast<UINT>(-1))
        {
            pButton = new CVrxPToolbarMenuButton(0, ::GetSubMenu(hMenu, i), -1, text);
        }
        else if (nID == 0 || (nState & MF_SEPARATOR) != 0)
        {
            // No separator leads, ends or doubles another.
            const BOOL bAfterSeparator =
                !buttons.IsEmpty() && static_cast<CVrxPToolbarButton*>(buttons.GetTail())->IsSeparator();
            if (buttons.IsEmpty() || bAfterSeparator || i == nItems - 1)
                continue;
            pButton = new CVrxPToolbarButton;
            pButton->style = CVrxPToolbarButton::styleSeparator;
        }
        else
        {
            pButton = new CVrxPToolbarButton(nID, -1, text);
            if ((nState & MF_CHECKED) != 0)
                pButton->style |= CVrxPToolbarButton::styleChecked;
            if ((nState & (MF_GRAYED | MF_DISABLED)) != 0)
                pButton->style |= CVrxPToolbarButton::styleDisabled;
        }
        if ((nState & MF_MENUBREAK) != 0)
            pButton->style |= CVrxPPopupMenuBar::styleColumnBreak;
        pButton->textShown = TRUE;
        buttons.AddTail(pButton);
    }
}

// A copy of a menu tree; NULL stays NULL.
HMENU CopyMenu(HMENU hSource)
{
    if (hSource == NULL)
        return NULL;
    HMENU hCopy = ::CreatePopupMenu();
    const int nItems = ::GetMenuItemCount(hSource);
    for (int i = 0; i < nItems; i++)
    {
        char text[CVrxPPopupMenuBar::maxItemText] = "";
        ::GetMenuString(hSource, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        const UINT nID = ::GetMenuItemID(hSource, i);
        const UINT nState = ::GetMenuState(hSource, static_cast<UINT>(i), MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED);
        if (nID == static_cast<UINT>(-1))
            ::AppendMenu(hCopy, MF_POPUP | nState, reinterpret_cast<UINT_PTR>(CopyMenu(::GetSubMenu(hSource, i))),
                         text);
        else if (nID == 0)
            ::AppendMenu(hCopy, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenu(hCopy, MF_STRING | nState, nID, text);
    }
    return hCopy;
}
} // namespace

CVrxPPopupMenuBar::CVrxPPopupMenuBar() : noImageColumn(FALSE)
{
}

BOOL CVrxPPopupMenuBar::FillFromMenu(HMENU hMenu, BOOL)
{
    if (hMenu == NULL || !::IsMenu(hMenu))
        return FALSE;
    DeleteAllButtons();
    CObList buttons;
    ButtonsFromMenu(hMenu, buttons);
    while (!buttons.IsEmpty())
    {
        CVrxPToolbarButton* pButton = static_cast<CVrxPToolbarButton*>(buttons.RemoveHead());
        pButton->parent = this;
        m_buttons.AddTail(pButton);
    }
    if (m_hWnd != NULL)
        LayoutButtons();
    return TRUE;
}

void CVrxPPopupMenuBar::BuildFromMenuResource(UINT nMenuId)
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (pWorkspace == nullptr || !pWorkspace->resourceUpdate)
        return;
    HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCE(nMenuId), RT_MENU);
    HMENU hMenu = ::LoadMenu(hInstance, MAKEINTRESOURCE(nMenuId));
    if (hMenu == NULL)
        return;
    CObList reset;
    ButtonsFromMenu(::GetSubMenu(hMenu, 0), reset);
    // The reset items outlive the menu: their submenus are not kept.
    for (POSITION pos = reset.GetHeadPosition(); pos != NULL;)
        if (CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(reset.GetNext(pos)))
            pMenuButton->popupMenu = NULL;
    ReplaceResetButtons(reset);
    ::DestroyMenu(hMenu);
}

HMENU CVrxPPopupMenuBar::BuildMenuHandle() const
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < GetCount(); i++)
    {
        const CVrxPToolbarButton* pButton = GetButton(i);
        if (!pButton->visible)
            continue;
        if (pButton->IsSeparator())
        {
            ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT nFlags = MF_STRING;
        if ((pButton->style & styleColumnBreak) != 0)
            nFlags |= MF_MENUBREAK;
        if ((pButton->style & CVrxPToolbarButton::styleChecked) != 0)
            nFlags |= MF_CHECKED;
        if ((pButton->style & CVrxPToolbarButton::styleDisabled) != 0)
            nFlags |= MF_GRAYED;
        const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<const CVrxPToolbarMenuButton*>(pButton);
        if (pMenuButton != nullptr && pMenuButton->popupMenu != NULL)
            ::AppendMenu(hMenu, nFlags | MF_POPUP, reinterpret_cast<UINT_PTR>(CopyMenu(pMenuButton->popupMenu)),
                         pButton->text);
        else
            ::AppendMenu(hMenu, nFlags, pButton->commandId, pButton->text);
    }
    return hMenu;
}

int CVrxPPopupMenuBar::SubmenuDelay()
{
    static int s_nDelay = -1;
    if (s_nDelay != -1)
        return s_nDelay;
    s_nDelay = defaultSubmenuDelay;
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    CString value;
    if (registry.OpenKey("Control Panel\\Desktop") && registry.ReadString("MenuShowDelay", value) && !value.IsEmpty())
    {
        // Compared unsigned: a negative delay is as long as the longest.
        const unsigned long nDelay = static_cast<unsigned long>(std::atol(value));
        s_nDelay = nDelay > static_cast<unsigned long>(maxSubmenuDelay) ? maxSubmenuDelay : static_cast<int>(nDelay);
    }
    return s_nDelay;
}

CVrxPPopupMenu* CVrxPPopupMenuBar::Popup() const
{
    return dynamic_cast<CVrxPPopupMenu*>(GetParent());
}

namespace
{
// The text left of the first tab is the label, the rest the accelerator.
void SplitItemText(const CString& text, CString& label, CString& accelerator)
{
    const int nTab = text.Find('\t');
    label = nTab < 0 ? text : text.Left(nTab);
    accelerator = nTab < 0 ? CString() : text.Mid(nTab + 1);
}

int TextWidth(CDC& dc, const CString& text)
{
    if (text.IsEmpty())
        return 0;
    CRect rect(0, 0, 0, 0);
    dc.DrawText(text, &rect, DT_SINGLELINE | DT_CALCRECT);
    return rect.Width();
}

BOOL OpensSubmenu(const CVrxPToolbarButton* pButton)
{
    const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<const CVrxPToolbarMenuButton*>(pButton);
    return pMenuButton != nullptr && pMenuButton->popupMenu != NULL;
}
} // namespace

int CVrxPPopupMenuBar::TextLeft(const CRect& rectItem) const
{
    const int nMargin = CVrxPVisualManager::Instance()->QueryMenuTextMargin();
    return rectItem.left + 2 * nMargin + menuImageSize + 1 + nMargin + 2 + 3;
}

std::vector<VrxPMenuItemMetrics> CVrxPPopupMenuBar::MeasureItems()
{
    CClientDC dc(this);
    CVrxPGlobals& globals = VrxPGlobals();
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), globals.fontRegular.GetSafeHandle());
    m_nRowHeight = std::max(menuImageSize + 2, globals.textHeight) + 4;
    std::vector<VrxPMenuItemMetrics> items;
    for (int i = 0; i < GetCount(); i++)
    {
        const CVrxPToolbarButton* pButton = GetButton(i);
        VrxPMenuItemMetrics item;
        item.separator = pButton->IsSeparator() != FALSE;
        item.columnBreak = (pButton->style & styleColumnBreak) != 0;
        item.selectable = !item.separator && pButton->visible;
        if (!item.separator)
        {
            CString label, accelerator;
            SplitItemText(pButton->text, label, accelerator);
            item.accelerator = !accelerator.IsEmpty();
            item.cx = TextLeft(CRect(0, 0, 0, 0)) + TextWidth(dc, label) +
                      (item.accelerator ? TextWidth(dc, accelerator) : 0) + CVrxPMenuGlyphs::glyphSize + 3 + 6;
            item.cy = m_nRowHeight;
        }
        items.push_back(item);
    }
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    return items;
}

SIZE CVrxPPopupMenuBar::MeasureMenu()
{
    CVrxPPopupMenuLayout layout(MeasureItems(), customizeMode != FALSE);
    return layout.Measure(-1);
}

void CVrxPPopupMenuBar::LayoutButtons()
{
    if (m_hWnd == NULL)
        return;
    CVrxPPopupMenuLayout layout(MeasureItems(), customizeMode != FALSE);
    layout.Measure(-1);
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nSeparatorLeft = menuImageSize / 2 + 3;
    const std::vector<RECT> rects =
        layout.Place(rectClient.Width(), m_nRowHeight, firstVisibleRow, nSeparatorLeft, CVrxPMenuGlyphs::glyphSize);
    for (int i = 0; i < GetCount(); i++)
        GetButton(i)->rect = rects[static_cast<size_t>(i)];
    Invalidate();
}

void CVrxPPopupMenuBar::OnPaint()
{
    CPaintDC dc(this);
    CVrxPGlobals& globals = VrxPGlobals();
    CRect rectClient;
    GetClientRect(&rectClient);
    dc.FillSolidRect(&rectClient, whiteBackground ? globals.colorWindow : globals.colorBarFace);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), globals.fontRegular.GetSafeHandle());
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < GetCount(); i++)
        DrawButton(dc, i, i == m_nHot || i == m_nClosingSubmenu, FALSE);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

// Image column, check mark, label, accelerator at the right, submenu arrow.
void CVrxPPopupMenuBar::DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (!pButton->visible || pButton->rect.IsRectEmpty())
        return;
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    CRect rect = pButton->rect;
    if (pButton->IsSeparator())
    {
        pLook->PaintSeparator(&dc, nullptr, rect, FALSE);
        return;
    }
    const BOOL bDisabled = (pButton->style & CVrxPToolbarButton::styleDisabled) != 0;
    const int nMargin = pLook->QueryMenuTextMargin();
    CRect rectImage(rect.left + nMargin, rect.top, rect.left + 2 * nMargin + menuImageSize, rect.bottom);
    CRect rectCheck(rectImage.left - 1, rectImage.top + 1, rectImage.right + 1, rectImage.bottom - 1);
    const BOOL bChecked = (pButton->style & CVrxPToolbarButton::styleChecked) != 0;
    COLORREF colorText = pLook->QueryHighlightedMenuTextColor(this, bHot ? pButton : nullptr, bDisabled);
    if (bHot)
    {
        CRect rectHighlight(bChecked ? rectCheck.right + nMargin + 1 : rectCheck.left, rectCheck.top, rect.right - 1,
                            rectCheck.bottom);
        if (pLook->UsesFullWidthMenuHighlight())
            rectHighlight = rect;
        pLook->PaintMenuItemHighlight(&dc, pButton, rectHighlight, &colorText);
    }
    if (bChecked)
        pLook->PaintMenuCheckMark(&dc, pButton, rectCheck, bHot, FALSE);

    CString label, accelerator;
    SplitItemText(pButton->text, label, accelerator);
    CRect rectText(TextLeft(rect), rect.top, rect.right - CVrxPMenuGlyphs::glyphSize - 3, rect.bottom);
    dc.SetTextColor(colorText);
    dc.DrawText(label, &rectText, DT_SINGLELINE | DT_VCENTER);
    if (!accelerator.IsEmpty())
        dc.DrawText(accelerator, &rectText, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    if (OpensSubmenu(pButton))
    {
        CRect rectArrow(rect.right - CVrxPMenuGlyphs::glyphSize - 4, rect.top, rect.right - 2, rect.bottom);
        CVrxPMenuGlyphs::DrawGlyphCentered(&dc, CVrxPMenuGlyphs::arrowRight, rectArrow,
                                           bHot && !bDisabled ? CVrxPMenuGlyphs::white
                                           : bDisabled       ? CVrxPMenuGlyphs::grey
                                                             : CVrxPMenuGlyphs::black);
    }
}

void CVrxPPopupMenuBar::OnMouseMove(UINT, CPoint point)
{
    if (m_bSkipFirstMove)
    {
        m_bSkipFirstMove = FALSE;
        return;
    }
    CVrxPPopupMenu* pPopup = Popup();
    if (pPopup != nullptr)
        pPopup->OnPointerInside();
    const int nIndex = ButtonIndexAtPoint(point);
    if (nIndex < 0 || nIndex == m_nHot)
        return;
    const CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (pButton->IsSeparator())
        return;
    SetHotIndex(nIndex);
    UpdateWindow();
    KillTimer(openSubmenuTimer);
    m_nPendingSubmenu = -1;
    // An open submenu stays for the delay: the pointer may be on its way.
    if (pPopup != nullptr && pPopup->OpenSubmenuIndex() >= 0 && pPopup->OpenSubmenuIndex() != nIndex)
    {
        m_nClosingSubmenu = pPopup->OpenSubmenuIndex();
        SetTimer(closeSubmenuTimer, static_cast<UINT>(std::max(SubmenuDelay() - 1, 1)), nullptr);
    }
    else if (pPopup != nullptr && pPopup->OpenSubmenuIndex() == nIndex)
    {
        CancelSubmenuClosing();
    }
    if (OpensSubmenu(pButton) && (pButton->style & CVrxPToolbarButton::styleDisabled) == 0 &&
        (pPopup == nullptr || pPopup->OpenSubmenuIndex() != nIndex))
    {
        m_nPendingSubmenu = nIndex;
        SetTimer(openSubmenuTimer, static_cast<UINT>(std::max(SubmenuDelay(), 1)), nullptr);
    }
}

void CVrxPPopupMenuBar::CancelSubmenuClosing()
{
    KillTimer(closeSubmenuTimer);
    if (m_nClosingSubmenu >= 0)
    {
        SetHotIndex(m_nClosingSubmenu);
        m_nClosingSubmenu = -1;
    }
}

void CVrxPPopupMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    CVrxPPopupMenu* pPopup = Popup();
    KillTimer(nIDEvent);
    if (pPopup == nullptr)
        return;
    if (nIDEvent == closeSubmenuTimer && m_nClosingSubmenu >= 0)
    {
        m_nClosingSubmenu = -1;
        pPopup->CloseSubmenu();
    }
    else if (nIDEvent == openSubmenuTimer && m_nPendingSubmenu >= 0)
    {
        const int nIndex = m_nPendingSubmenu;
        m_nPendingSubmenu = -1;
        if (nIndex == m_nHot)
        {
            m_nClosingSubmenu = -1;
            KillTimer(closeSubmenuTimer);
            pPopup->OpenSubmenu(nIndex, FALSE);
        }
    }
}

void CVrxPPopupMenuBar::OnLButtonDown(UINT, CPoint point)
{
    m_nPressed = ButtonIndexAtPoint(point);
}

void CVrxPPopupMenuBar::OnLButtonUp(UINT, CPoint point)
{
    const int nIndex = ButtonIndexAtPoint(point);
    m_nPressed = -1;
    if (nIndex >= 0 && !GetButton(nIndex)->IsSeparator())
        ChooseItem(nIndex, FALSE);
}

void CVrxPPopupMenuBar::OnDestroy()
{
    KillTimer(openSubmenuTimer);
    KillTimer(closeSubmenuTimer);
    m_nPendingSubmenu = m_nClosingSubmenu = -1;
    CVrxPToolBar::OnDestroy();
}

// Items of a menu are enabled as its receiving frame enables menus: a frame
// that enables only what it handles disables the rest, any other receiver
// leaves them as they are. A tracked menu hands its choice back and is
// not the receiver's to update.
LRESULT CVrxPPopupMenuBar::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    const CVrxPPopupMenu* pPopup = Popup();
    if ((pPopup != nullptr && pPopup->trackMode) || (GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CWnd* pTarget = GetOwnerForCommands();
    if (pTarget == nullptr)
        return 0;
    const CFrameWnd* pFrame = dynamic_cast<const CFrameWnd*>(pTarget);
    OnUpdateCmdUI(pTarget, pFrame != nullptr && pFrame->m_bAutoMenuEnable);
    return 0;
}

void CVrxPPopupMenuBar::ChooseItem(int nIndex, BOOL bSelectFirst)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    CVrxPPopupMenu* pPopup = Popup();
    if (pButton == nullptr || pPopup == nullptr || pButton->IsSeparator() || customizeMode)
        return;
    if (OpensSubmenu(pButton))
    {
        if ((pButton->style & CVrxPToolbarButton::styleDisabled) == 0 && pPopup->OpenSubmenuIndex() != nIndex)
            pPopup->OpenSubmenu(nIndex, bSelectFirst);
        return;
    }
    if ((pButton->style & CVrxPToolbarButton::styleDisabled) != 0)
        return;
    ExecuteItemCommand(pButton->commandId, nIndex);
}

int CVrxPPopupMenuBar::FindMnemonic(TCHAR ch) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        const CString& text = GetButton(i)->text;
        for (int n = 0; n + 1 < text.GetLength(); n++)
        {
            if (text[n] != '&')
                continue;
            if (text[n + 1] == '&')
            {
                n++;
                continue;
            }
            if (std::toupper(static_cast<unsigned char>(text[n + 1])) == std::toupper(static_cast<unsigned char>(ch)))
                return i;
            break;
        }
    }
    return -1;
}

BOOL CVrxPPopupMenuBar::HandleNavigationKey(UINT nKey)
{
    if (customizeMode)
        return FALSE;
    const BOOL bShift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (nKey == VK_TAB)
        nKey = bShift ? VK_UP : VK_DOWN;
    if (nKey == VK_RETURN)
    {
        if (m_nHot >= 0)
            ChooseItem(m_nHot, TRUE);
        return TRUE;
    }
    CVrxPPopupMenuLayout::Key key;
    switch (nKey)
    {
    case VK_UP:
        key = CVrxPPopupMenuLayout::keyUp;
        break;
    case VK_DOWN:
        key = CVrxPPopupMenuLayout::keyDown;
        break;
    case VK_HOME:
        key = CVrxPPopupMenuLayout::keyHome;
        break;
    case VK_END:
        key = CVrxPPopupMenuLayout::keyEnd;
        break;
    default:
    {
        if ((::GetKeyState(VK_CONTROL) & 0x8000) != 0)
            return FALSE;
        const UINT nChar = ::MapVirtualKey(nKey, MAPVK_VK_TO_CHAR) & 0x7FFF;
        if (nChar == 0)
            return FALSE;
        const int nIndex = FindMnemonic(static_cast<TCHAR>(nChar));
        if (nIndex < 0)
            return FALSE;
        SetHotIndex(nIndex);
        CVrxPToolbarButton* pButton = GetButton(nIndex);
        if (!OpensSubmenu(pButton) && (pButton->style & CVrxPToolbarButton::styleDisabled) != 0)
            ExecuteItemCommand(0, nIndex);
        else
            ChooseItem(nIndex, TRUE);
        return TRUE;
    }
    }
    CVrxPPopupMenuLayout layout(MeasureItems(), customizeMode != FALSE);
    const int nNext = layout.NextIndex(m_nHot, key, false);
    if (nNext != m_nHot)
    {
        SetHotIndex(nNext);
        BringIntoView(nNext);
        UpdateWindow();
    }
    return TRUE;
}

// A menu cut to the work area scrolls by whole rows to show the item.
void CVrxPPopupMenuBar::BringIntoView(int nIndex)
{
    const CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || m_nRowHeight <= 0)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    int nRows = 0;
    if (pButton->rect.bottom > rectClient.bottom)
        nRows = (pButton->rect.bottom - rectClient.bottom + m_nRowHeight - 1) / m_nRowHeight;
    else if (pButton->rect.top < rectClient.top)
        nRows = -((rectClient.top - pButton->rect.top + m_nRowHeight - 1) / m_nRowHeight);
    if (nRows == 0)
        return;
    firstVisibleRow = std::max(0, firstVisibleRow + nRows);
    LayoutButtons();
}

void CVrxPPopupMenuBar::ExecuteItemCommand(UINT nID, int nIndex)
{
    CVrxPPopupMenu* pPopup = Popup();
    if (pPopup == nullptr)
        return;
    if (nID != 0)
    {
        CVrxPCommandUsage::Context context;
        context.customizeMode = customizeMode;
        context.basicCommands = &BasicCommands();
        CVrxPCommandUsage::Global().AddCommandUsage(nID, context);
    }
    lastChosenIndex = nIndex;
    pPopup->ExecuteCommand(nID);
}
