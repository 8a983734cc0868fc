#include "panes/CVrxPBaseTabWnd.h"

#include "controls/CEdit.h"
#include "docking/CVrxPControlBar.h"
#include "docking/panes/CVrxPBaseTabbedBar.h"
#include "files/CArchive.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPMessages.h"
#include "frames/CFrameWnd.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CVrxPBaseTabWnd, CWnd)

BEGIN_MESSAGE_MAP(CVrxPBaseTabWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

int CVrxPBaseTabWnd::tabTextMargin = 4;
int CVrxPBaseTabWnd::tabImageMargin = 4;

namespace
{
const COLORREF lowColorPalette[] = {RGB(0, 255, 0), RGB(0, 255, 255), RGB(255, 0, 255), RGB(192, 192, 192),
                                    RGB(255, 255, 0)};
const COLORREF highColorPalette[] = {RGB(148, 175, 230), RGB(255, 219, 117), RGB(189, 205, 159),
                                     RGB(240, 158, 159), RGB(186, 166, 225), RGB(154, 191, 180),
                                     RGB(247, 182, 131), RGB(213, 164, 187)};
const int defaultBorderSize = 2;

void DestroyTabIcon(CVrxPTabRecord& tab)
{
    if (tab.icon != NULL)
        ::DestroyIcon(tab.icon);
    tab.icon = NULL;
}
} // namespace

CVrxPBaseTabWnd::CVrxPBaseTabWnd()
    : m_nBorderSize(defaultBorderSize), m_bHideSingleTab(FALSE), m_nNextTabId(1), m_nActiveBeforeInsertion(-1),
      m_bAutoColors(FALSE), m_bDefaultPalette(TRUE)
{
    BuildDefaultAutoColors();
}

CVrxPBaseTabWnd::~CVrxPBaseTabWnd()
{
    delete m_pRenameEdit;
    for (Tab& tab : tabs)
        DestroyTabIcon(tab);
}

int CVrxPBaseTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    RecalcTabHeight();
    return 0;
}

void CVrxPBaseTabWnd::OnDestroy()
{
    CloseRenameEdit();
    ReleaseTabs();
    CWnd::OnDestroy();
}

void CVrxPBaseTabWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    BuildDefaultAutoColors();
}

// Each record leaves the list before its window goes, so a window that
// removes its own tab while it is destroyed finds none, and every record
// is freed exactly once.
void CVrxPBaseTabWnd::ReleaseTabs()
{
    std::vector<Tab> released;
    released.swap(tabs);
    activeTab = -1;
    for (Tab& tab : released)
    {
        DestroyTabIcon(tab);
        if (destroyWindowsOnRemove && tab.window != nullptr && tab.window->GetSafeHwnd() != NULL)
            tab.window->DestroyWindow();
    }
}

int CVrxPBaseTabWnd::CountVisibleTabs() const
{
    return static_cast<int>(std::count_if(tabs.begin(), tabs.end(), [](const Tab& tab) { return tab.visible; }));
}

void CVrxPBaseTabWnd::AppendTab(CWnd* pWnd, LPCTSTR lpszLabel, int nImage, BOOL bDetachable)
{
    InsertTabAt(pWnd, lpszLabel, -1, nImage, bDetachable);
}

void CVrxPBaseTabWnd::InsertTabAt(CWnd* pWnd, LPCTSTR lpszLabel, int nIndex, int nImage, BOOL bDetachable)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL || pWnd->GetDlgCtrlID() == -1)
        return;
    if (GetSafeHwnd() != NULL && !IsWindowVisible())
        ShowWindow(SW_SHOWNOACTIVATE);
    if (nIndex < 0 || nIndex > CountTabs())
        nIndex = CountTabs();
    CWnd* pActiveWnd = ActiveTabWindow();
    Tab tab;
    tab.label = lpszLabel != nullptr ? lpszLabel : "";
    tab.image = nImage;
    tab.window = pWnd;
    tab.id = m_nNextTabId++;
    tab.detachable = bDetachable && dynamic_cast<CVrxPControlBar*>(pWnd) != nullptr;
    tabs.insert(tabs.begin() + nIndex, tab);
    if (activeTab >= nIndex)
        activeTab++;
    OnTabListChanged();
    ArrangeTabs();
    // The first tab, or the first one shown while every other is hidden,
    // becomes active at once.
    if (CountTabs() == 1 || activeTab == -1)
    {
        activeTab = -1;
        ActivateTab(nIndex);
        return;
    }
    // The tab inserted at the active place takes it; the tab that was active
    // moves one to the right.
    const int nOldActive = activeTab - (activeTab >= nIndex && activeTab > 0 ? 1 : 0);
    m_nActiveBeforeInsertion = activeTab;
    if (nIndex == nOldActive)
    {
        activeTab = nIndex;
        if (hideInactiveWindows && pActiveWnd != nullptr)
            pActiveWnd->ShowWindow(SW_HIDE);
        pWnd->ShowWindow(SW_SHOWNOACTIVATE);
    }
    else if (hideInactiveWindows)
    {
        pWnd->ShowWindow(SW_HIDE);
    }
    if (!hideInactiveWindows && pActiveWnd != nullptr && pActiveWnd->GetSafeHwnd() != NULL)
        pActiveWnd->BringWindowToTop();
}

BOOL CVrxPBaseTabWnd::RemoveTabAt(int nIndex, BOOL bReactivate)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    if (CountTabs() == 1)
    {
        ClearTabs();
        return TRUE;
    }
    Tab removed = tabs[static_cast<size_t>(nIndex)];
    tabs.erase(tabs.begin() + nIndex);
    DestroyTabIcon(removed);
    if (destroyWindowsOnRemove && removed.window != nullptr && removed.window->GetSafeHwnd() != NULL)
        removed.window->DestroyWindow();

    int nCandidate = activeTab;
    if (activeTab >= nIndex)
    {
        // The active tab that stays may lose its place to another.
        if (activeTab != nIndex && hideInactiveWindows)
            if (CWnd* pOld = TabWindowAt(activeTab - 1))
                if (pOld->GetSafeHwnd() != NULL)
                    pOld->ShowWindow(SW_HIDE);
        if (activateLastOnRemove)
        {
            nCandidate = LastVisibleTab();
        }
        else
        {
            for (int i = CountTabs() - 1; i >= 0; i--)
            {
                if (i < nIndex && nCandidate >= 0 && nCandidate < CountTabs())
                    break;
                if (tabs[static_cast<size_t>(i)].visible)
                    nCandidate = i;
            }
        }
        activeTab = -1;
    }
    OnTabListChanged();
    if (!bReactivate)
        return TRUE;
    ArrangeTabs();
    if (nCandidate == -1)
        return TRUE;
    if (reactivatePreviousOnRemove && m_nActiveBeforeInsertion >= 0)
        nCandidate = m_nActiveBeforeInsertion - (nIndex < m_nActiveBeforeInsertion ? 1 : 0);
    ActivateTab(NextVisibleTabFrom(nCandidate));
    NotifyActiveTabChanged(activeTab);
    return TRUE;
}

void CVrxPBaseTabWnd::ClearTabs()
{
    m_nNextTabId = 1;
    ReleaseTabs();
    OnTabListChanged();
    ArrangeTabs();
    NotifyActiveTabChanged(-1);
}

BOOL CVrxPBaseTabWnd::ShowTabAt(int nIndex, BOOL bShow, BOOL bRearrange, BOOL bActivate)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    Tab& tab = tabs[static_cast<size_t>(nIndex)];
    if (tab.visible == bShow)
        return TRUE;
    const int nVisibleBefore = CountVisibleTabs();
    tab.visible = bShow;
    int nCandidate = -1;
    BOOL bLeftNoActive = FALSE;
    if (bShow)
    {
        nCandidate = nVisibleBefore == 0 ? nIndex : activeTab;
    }
    else
    {
        if (hideInactiveWindows && tab.window != nullptr && tab.window->GetSafeHwnd() != NULL)
            tab.window->ShowWindow(SW_HIDE);
        if (nIndex == activeTab)
        {
            for (int i = nIndex + 1; i < CountTabs() && nCandidate == -1; i++)
                if (tabs[static_cast<size_t>(i)].visible)
                    nCandidate = i;
            for (int i = nIndex - 1; i >= 0 && nCandidate == -1; i--)
                if (tabs[static_cast<size_t>(i)].visible)
                    nCandidate = i;
            activeTab = -1;
            bLeftNoActive = TRUE;
        }
    }
    if (bRearrange)
        ArrangeTabs();
    if ((bLeftNoActive && nCandidate != -1) || bActivate || nVisibleBefore == 0)
    {
        ActivateTab(bActivate && bShow ? nIndex : nCandidate);
        NotifyActiveTabChanged(activeTab);
    }
    return TRUE;
}

BOOL CVrxPBaseTabWnd::MoveTabTo(int nIndex, int nNewIndex)
{
    if (nIndex == nNewIndex)
        return TRUE;
    if (!IsValidIndex(nIndex) || activeTab < 0)
        return FALSE;
    if (nNewIndex == -1 || nNewIndex >= CountTabs())
        nNewIndex = CountTabs() - 1;
    if (nNewIndex < 0)
        return FALSE;
    const int nActiveId = tabs[static_cast<size_t>(activeTab)].id;
    Tab moved = tabs[static_cast<size_t>(nIndex)];
    tabs.erase(tabs.begin() + nIndex);
    tabs.insert(tabs.begin() + nNewIndex, moved);
    const int nNewActive = TabIndexFromId(nActiveId);
    if (nNewActive != activeTab)
    {
        activeTab = nNewActive;
        NotifyActiveTabChanged(activeTab);
    }
    ArrangeTabs();
    return TRUE;
}

void CVrxPBaseTabWnd::SwapTabRecords(int nFirst, int nSecond)
{
    if (!IsValidIndex(nFirst) || !IsValidIndex(nSecond))
        return;
    std::swap(tabs[static_cast<size_t>(nFirst)], tabs[static_cast<size_t>(nSecond)]);
}

BOOL CVrxPBaseTabWnd::ReorderTabs(const std::vector<int>& order)
{
    if (static_cast<int>(order.size()) != CountTabs())
        return FALSE;
    std::vector<BOOL> seen(order.size(), FALSE);
    for (int nOld : order)
    {
        if (!IsValidIndex(nOld) || seen[static_cast<size_t>(nOld)])
            return FALSE;
        seen[static_cast<size_t>(nOld)] = TRUE;
    }
    std::vector<Tab> reordered;
    reordered.reserve(order.size());
    int nNewActive = -1;
    for (size_t j = 0; j < order.size(); j++)
    {
        reordered.push_back(tabs[static_cast<size_t>(order[j])]);
        if (order[j] == activeTab)
            nNewActive = static_cast<int>(j);
    }
    tabs.swap(reordered);
    activeTab = nNewActive;
    ArrangeTabs();
    return TRUE;
}

// The base has no strip: it only changes which window shows. A hidden tab
// is never made active: its window would show without its tab.
BOOL CVrxPBaseTabWnd::ActivateTab(int nIndex)
{
    if (!IsValidIndex(nIndex) || !TabAt(nIndex)->visible)
        return FALSE;
    if (nIndex == activeTab)
        return TRUE;
    if (AskActiveTabChanging(nIndex))
        return FALSE;
    CWnd* pOld = ActiveTabWindow();
    activeTab = nIndex;
    CWnd* pNew = ActiveTabWindow();
    if (hideInactiveWindows && pOld != nullptr && pOld != pNew && pOld->GetSafeHwnd() != NULL)
        pOld->ShowWindow(SW_HIDE);
    if (pNew != nullptr && pNew->GetSafeHwnd() != NULL)
    {
        pNew->ShowWindow(SW_SHOWNOACTIVATE);
        if (!hideInactiveWindows)
            pNew->BringWindowToTop();
    }
    NotifyActiveTabChanged(activeTab);
    return TRUE;
}

BOOL CVrxPBaseTabWnd::TabRectAt(int nIndex, CRect& rect) const
{
    rect.SetRectEmpty();
    if (!IsValidIndex(nIndex) || !TabAt(nIndex)->visible)
        return FALSE;
    rect = TabAt(nIndex)->rect;
    return TRUE;
}

BOOL CVrxPBaseTabWnd::TabLabelAt(int nIndex, CString& label) const
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    label = TabAt(nIndex)->labelHidden ? CString() : TabAt(nIndex)->label;
    return TRUE;
}

BOOL CVrxPBaseTabWnd::SetTabLabelAt(int nIndex, LPCTSTR lpszLabel)
{
    if (!IsValidIndex(nIndex) || lpszLabel == nullptr || *lpszLabel == '\0')
        return FALSE;
    Tab& tab = tabs[static_cast<size_t>(nIndex)];
    tab.label = lpszLabel;
    if (tab.window != nullptr && tab.window->GetSafeHwnd() != NULL)
        tab.window->SetWindowText(lpszLabel);
    ArrangeTabs();
    return TRUE;
}

BOOL CVrxPBaseTabWnd::SetTabImageAt(int nIndex, int nImage)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    DestroyTabIcon(tabs[static_cast<size_t>(nIndex)]);
    tabs[static_cast<size_t>(nIndex)].image = nImage;
    return TRUE;
}

BOOL CVrxPBaseTabWnd::SetTabIconAt(int nIndex, HICON hIcon)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    Tab& tab = tabs[static_cast<size_t>(nIndex)];
    DestroyTabIcon(tab);
    tab.icon = hIcon != NULL ? ::CopyIcon(hIcon) : NULL;
    tab.image = -1;
    const CVrxPGlobals& globals = VrxPGlobals();
    imageSize.cx = std::max(imageSize.cx, static_cast<LONG>(globals.smallIconWidth));
    imageSize.cy = std::max(imageSize.cy, static_cast<LONG>(globals.smallIconHeight));
    RecalcTabHeight();
    return TRUE;
}

BOOL CVrxPBaseTabWnd::HideTabLabel(int nIndex, BOOL bHide)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    tabs[static_cast<size_t>(nIndex)].labelHidden = bHide;
    ArrangeTabs();
    return TRUE;
}

COLORREF CVrxPBaseTabWnd::TabColorAt(int nIndex)
{
    Tab* pTab = TabAt(nIndex);
    if (pTab == nullptr)
        return static_cast<COLORREF>(-1);
    if (pTab->color != static_cast<COLORREF>(-1) || !m_bAutoColors || m_palette.empty())
        return pTab->color;
    pTab->color = m_palette[static_cast<size_t>(nIndex) % m_palette.size()];
    return pTab->color;
}

BOOL CVrxPBaseTabWnd::SetTabColorAt(int nIndex, COLORREF color)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    tabs[static_cast<size_t>(nIndex)].color = color;
    return TRUE;
}

BOOL CVrxPBaseTabWnd::SetTabTextColorAt(int nIndex, COLORREF color)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    tabs[static_cast<size_t>(nIndex)].textColor = color;
    return TRUE;
}

BOOL CVrxPBaseTabWnd::TabHasIcon(int nIndex) const
{
    const Tab* pTab = TabAt(nIndex);
    return pTab != nullptr && (pTab->icon != NULL || (images != nullptr && pTab->image != -1));
}

int CVrxPBaseTabWnd::TabIndexFromPoint(CPoint point) const
{
    for (int i = 0; i < CountTabs(); i++)
        if (TabAt(i)->visible && TabAt(i)->rect.PtInRect(point))
            return i;
    return -1;
}

int CVrxPBaseTabWnd::TabIndexFromHwnd(HWND hWnd) const
{
    for (int i = 0; i < CountTabs(); i++)
        if (TabAt(i)->window != nullptr && TabAt(i)->window->GetSafeHwnd() == hWnd)
            return i;
    return -1;
}

int CVrxPBaseTabWnd::TabIndexFromId(int nId) const
{
    for (int i = 0; i < CountTabs(); i++)
        if (TabAt(i)->id == nId)
            return i;
    return -1;
}

int CVrxPBaseTabWnd::NextVisibleTabFrom(int nStart) const
{
    for (int i = std::max(nStart, 0); i < CountTabs(); i++)
        if (TabAt(i)->visible)
            return i;
    if (nStart > 0)
        return NextVisibleTabFrom(0);
    return -1;
}

int CVrxPBaseTabWnd::LastVisibleTab() const
{
    for (int i = CountTabs() - 1; i >= 0; i--)
        if (TabAt(i)->visible)
            return i;
    return -1;
}

CSize CVrxPBaseTabWnd::LargestTabWindowSize() const
{
    CSize largest(0, 0);
    for (const Tab& tab : tabs)
    {
        if (tab.window == nullptr || tab.window->m_hWnd == NULL)
            continue;
        CSize size;
        if (CVrxPBaseControlBar* pBar = dynamic_cast<CVrxPBaseControlBar*>(tab.window))
        {
            size = pBar->CalcBarSize(FALSE, TRUE);
        }
        else
        {
            CRect rect;
            tab.window->GetWindowRect(&rect);
            size = rect.Size();
        }
        largest.cx = std::max(largest.cx, size.cx);
        largest.cy = std::max(largest.cy, size.cy);
    }
    return largest;
}

void CVrxPBaseTabWnd::UseAutoTabColors(BOOL bOn)
{
    if (!bOn)
        for (Tab& tab : tabs)
            tab.color = static_cast<COLORREF>(-1);
    m_bAutoColors = bOn;
    BuildDefaultAutoColors();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVrxPBaseTabWnd::AssignAutoColorPalette(const std::vector<COLORREF>& palette)
{
    for (Tab& tab : tabs)
        tab.color = static_cast<COLORREF>(-1);
    m_palette = palette;
    m_bDefaultPalette = palette.empty();
    BuildDefaultAutoColors();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVrxPBaseTabWnd::BuildDefaultAutoColors()
{
    if (!m_bDefaultPalette)
        return;
    if (VrxPGlobals().bitsPerPixel <= 8)
        m_palette.assign(std::begin(lowColorPalette), std::end(lowColorPalette));
    else
        m_palette.assign(std::begin(highColorPalette), std::end(highColorPalette));
}

COLORREF CVrxPBaseTabWnd::ActiveTabBackground() const
{
    return m_activeBackground != static_cast<COLORREF>(-1) ? m_activeBackground : VrxPGlobals().colorWindow;
}

COLORREF CVrxPBaseTabWnd::ActiveTabForeground() const
{
    return m_activeForeground != static_cast<COLORREF>(-1) ? m_activeForeground : VrxPGlobals().colorWindowText;
}

BOOL CVrxPBaseTabWnd::AssignImageList(CImageList* pImages)
{
    images = pImages;
    if (pImages == nullptr || pImages->GetSafeHandle() == NULL)
    {
        images = nullptr;
        return FALSE;
    }
    IMAGEINFO info = {};
    if (pImages->GetImageInfo(0, &info))
        imageSize = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    RecalcTabHeight();
    return TRUE;
}

void CVrxPBaseTabWnd::RecalcTabHeight()
{
    const int nImageHeight = imageSize.cy > 0 ? imageSize.cy + 7 : 0;
    tabAreaHeight = std::max(VrxPGlobals().textHeight + 5, nImageHeight);
}

void CVrxPBaseTabWnd::SetTabBorderSize(int nSize)
{
    if (nSize == -1)
        nSize = defaultBorderSize;
    if (nSize == m_nBorderSize)
        return;
    m_nBorderSize = nSize;
    ArrangeTabs();
}

void CVrxPBaseTabWnd::HideSingleTab(BOOL bHide)
{
    if (bHide == m_bHideSingleTab)
        return;
    m_bHideSingleTab = bHide;
    if (GetSafeHwnd() != NULL)
        ArrangeTabs();
}

void CVrxPBaseTabWnd::SetTabLocation(Location newLocation)
{
    location = newLocation;
    ArrangeTabs();
    if (GetSafeHwnd() != NULL && GetParent() != nullptr)
        GetParent()->RedrawWindow(nullptr, nullptr,
                                  RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT CVrxPBaseTabWnd::SendToParentAndFrame(UINT message, WPARAM wParam, BOOL bStopAtRefusal)
{
    if (GetSafeHwnd() == NULL)
        return 0;
    CWnd* pParent = GetParent();
    LRESULT lResult = 0;
    if (pParent != nullptr)
        lResult = pParent->SendMessage(message, wParam, reinterpret_cast<LPARAM>(this));
    if (bStopAtRefusal && lResult != 0)
        return lResult;
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame != nullptr && pFrame != pParent && pFrame->GetSafeHwnd() != NULL)
        lResult = pFrame->SendMessage(message, wParam, reinterpret_cast<LPARAM>(this));
    return lResult;
}

LRESULT CVrxPBaseTabWnd::NotifyActiveTabChanged(int nIndex)
{
    return SendToParentAndFrame(VrxM_ONCHANGE_ACTIVE_TAB, static_cast<WPARAM>(nIndex), FALSE);
}

BOOL CVrxPBaseTabWnd::AskActiveTabChanging(int nIndex)
{
    return SendToParentAndFrame(VrxM_ON_CHANGING_ACTIVE_TAB, static_cast<WPARAM>(nIndex), TRUE) != 0;
}

// A tab without a window is stored with control id 0.
void CVrxPBaseTabWnd::Serialize(CArchive& ar)
{
    if (!ar.IsStoring())
    {
        m_saved.Load(ar);
        return;
    }
    std::vector<CVrxPSavedTab> saved;
    for (const Tab& tab : tabs)
    {
        CVrxPSavedTab record;
        record.label = tab.label;
        record.visible = tab.visible;
        record.controlId =
            tab.window != nullptr && tab.window->GetSafeHwnd() != NULL ? tab.window->GetDlgCtrlID() : 0;
        record.detachable = tab.detachable;
        record.textColor = static_cast<int>(tab.textColor);
        record.backgroundColor = static_cast<int>(tab.color);
        saved.push_back(record);
    }
    CVrxPStoredTabs(std::move(saved), activeTab, location).Store(ar);
}

BOOL CVrxPBaseTabWnd::ReapplySavedTabs(BOOL bReorder)
{
    int nVisible = 0;
    const std::vector<CVrxPSavedTab>& savedTabs = m_saved.GetTabs();
    for (size_t j = 0; j < savedTabs.size(); j++)
    {
        const CVrxPSavedTab& saved = savedTabs[j];
        int nIndex = -1;
        for (int i = 0; i < CountTabs() && nIndex < 0 && saved.controlId != 0; i++)
        {
            CWnd* pWnd = tabs[static_cast<size_t>(i)].window;
            if (pWnd != nullptr && pWnd->GetSafeHwnd() != NULL && pWnd->GetDlgCtrlID() == saved.controlId)
                nIndex = i;
        }
        if (nIndex < 0)
            continue;
        Tab& tab = tabs[static_cast<size_t>(nIndex)];
        if (!saved.label.IsEmpty())
            tab.label = saved.label;
        tab.textColor = static_cast<COLORREF>(saved.textColor);
        tab.color = static_cast<COLORREF>(saved.backgroundColor);
        tab.detachable = saved.detachable && dynamic_cast<CVrxPControlBar*>(tab.window) != nullptr;
        ShowTabAt(nIndex, saved.visible != 0, FALSE, FALSE);
        nVisible += saved.visible != 0;
        const int nPlace = static_cast<int>(j);
        if (bReorder && nIndex != nPlace && nPlace < CountTabs())
        {
            const int nActiveId = activeTab >= 0 ? tabs[static_cast<size_t>(activeTab)].id : -1;
            SwapTabRecords(nIndex, nPlace);
            activeTab = TabIndexFromId(nActiveId);
        }
    }
    if (nVisible > 0)
    {
        if (!ActivateTab(m_saved.GetActive()))
            ActivateTab(0);
    }
    ArrangeTabs();
    return nVisible > 0;
}

BOOL CVrxPBaseTabWnd::BeginTabRename(int nIndex)
{
    if (!m_bRenameEnabled || !IsValidIndex(nIndex) || tabs[static_cast<size_t>(nIndex)].rect.IsRectEmpty() ||
        m_pRenameEdit != nullptr)
        return FALSE;
    CRect rect = tabs[static_cast<size_t>(nIndex)].rect;
    AdjustRenameEditRect(rect);
    m_pRenameEdit = new CEdit;
    if (!m_pRenameEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, this, 1))
    {
        delete m_pRenameEdit;
        m_pRenameEdit = nullptr;
        return FALSE;
    }
    m_pRenameEdit->SetWindowText(tabs[static_cast<size_t>(nIndex)].label);
    m_pRenameEdit->SetFont(CFont::FromHandle(static_cast<HFONT>(VrxPGlobals().fontRegular.GetSafeHandle())));
    m_pRenameEdit->SetSel(0, -1);
    m_pRenameEdit->SetFocus();
    m_nRenameIndex = nIndex;
    SetCapture();
    return TRUE;
}

BOOL CVrxPBaseTabWnd::EndTabRename()
{
    if (m_pRenameEdit == nullptr)
        return FALSE;
    CString text;
    m_pRenameEdit->GetWindowText(text);
    if (text.IsEmpty() || !AcceptNewTabLabel(m_nRenameIndex, text))
        return FALSE;
    if (GetParent() != nullptr &&
        GetParent()->SendMessage(VrxM_ON_RENAME_TAB, static_cast<WPARAM>(m_nRenameIndex),
                                 reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text))) != 0)
        return FALSE;
    return SetTabLabelAt(m_nRenameIndex, text);
}

void CVrxPBaseTabWnd::CloseRenameEdit()
{
    if (m_pRenameEdit == nullptr)
        return;
    CEdit* pEdit = m_pRenameEdit;
    m_pRenameEdit = nullptr;
    m_nRenameIndex = -1;
    pEdit->DestroyWindow();
    delete pEdit;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

BOOL CVrxPBaseTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pRenameEdit == nullptr)
        return CWnd::PreTranslateMessage(pMsg);
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        if (pMsg->wParam == VK_RETURN)
        {
            if (pMsg->message == WM_KEYDOWN)
            {
                if (EndTabRename())
                    CloseRenameEdit();
                else
                    ::MessageBeep(static_cast<UINT>(-1));
            }
            return TRUE;
        }
        if (pMsg->wParam == VK_ESCAPE)
        {
            CloseRenameEdit();
            return TRUE;
        }
        return FALSE;
    }
    if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSEWHEEL)
    {
        CPoint point;
        ::GetCursorPos(&point);
        CRect rectEdit;
        m_pRenameEdit->GetWindowRect(&rectEdit);
        if (rectEdit.PtInRect(point))
        {
            m_pRenameEdit->ScreenToClient(&point);
            m_pRenameEdit->SendMessage(pMsg->message, pMsg->wParam, MAKELPARAM(point.x, point.y));
            return TRUE;
        }
        if (pMsg->message != WM_MOUSEMOVE)
            CloseRenameEdit();
        return TRUE;
    }
    return FALSE;
}

void CVrxPBaseTabWnd::OnLButtonDown(UINT, CPoint point)
{
    Default();
    const int nIndex = TabIndexFromPoint(point);
    if (nIndex < 0)
        return;
    if (nIndex != activeTab)
    {
        m_nActiveBeforeInsertion = activeTab;
        if (!ActivateTab(nIndex))
            return;
    }
    else if (CWnd* pWnd = ActiveTabWindow())
    {
        pWnd->SetFocus();
    }
    if (activeTab < 0 || TabIndexFromPoint(point) != nIndex)
        return;
    m_bReorderDrag = TRUE;
    SetCapture();
    m_nIndexAtPress = activeTab;
    CPoint screen = point;
    ClientToScreen(&screen);
    CRect rectTab = tabs[static_cast<size_t>(activeTab)].rect;
    ClientToScreen(&rectTab);
    m_nCursorOffset = screen.x - rectTab.left;
}

void CVrxPBaseTabWnd::SetHighlightedTab(int nIndex)
{
    if (nIndex == highlightedTab)
        return;
    for (const int nTab : {highlightedTab, nIndex})
        if (const Tab* pTab = TabAt(nTab))
            InvalidateRect(&pTab->rect);
    if (highlightedTab < 0)
    {
        TRACKMOUSEEVENT track = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
    }
    highlightedTab = nIndex;
}

void CVrxPBaseTabWnd::OnMouseMove(UINT, CPoint point)
{
    Default();
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    if (pLook->TracksHotTabAlways() || (IsSlantedStyle() && pLook->TracksHotTab()))
        SetHighlightedTab(m_bReorderDrag ? -1 : TabIndexFromPoint(point));
    if (m_bReorderDrag && TearOffActiveTab(point))
        return;
    if (!m_bReorderDrag || !IsPtInTabArea(point) || CountTabs() < 2 || !allowDragReorder || activeTab < 0)
        return;
    const int nUnder = TabIndexFromPoint(point);
    if (nUnder < 0 || nUnder == activeTab)
        return;
    SwapTabRecords(nUnder, activeTab);
    activeTab = nUnder;
    ArrangeTabs();
    // The cursor keeps its place on the dragged tab.
    CRect rectTab = tabs[static_cast<size_t>(activeTab)].rect;
    if (!rectTab.PtInRect(point))
    {
        CPoint cursor(rectTab.left + m_nCursorOffset, point.y);
        ClientToScreen(&cursor);
        ::SetCursorPos(cursor.x, cursor.y);
    }
}

void CVrxPBaseTabWnd::OnMouseLeave()
{
    SetHighlightedTab(-1);
}

// A detachable tab dragged clear of the tab area leaves its tabbed pane
// and floats under the cursor.
BOOL CVrxPBaseTabWnd::TearOffActiveTab(CPoint point)
{
    CVrxPBaseTabbedBar* pTabbed = dynamic_cast<CVrxPBaseTabbedBar*>(GetParent());
    CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(ActiveTabWindow());
    if (pTabbed == nullptr || pPane == nullptr || !TabAt(activeTab)->detachable)
        return FALSE;
    CRect rectArea = tabArea;
    rectArea.InflateRect(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    if (rectArea.PtInRect(point))
        return FALSE;
    EndReorderDrag();
    CPoint screen = point;
    ClientToScreen(&screen);
    CSize size = pPane->GetRecentFloatRect().Size();
    if (size.cx < tearOffMinimum.cx || size.cy < tearOffMinimum.cy)
        size = tearOffMinimum;
    return pTabbed->DetachTabBar(pPane, CRect(CPoint(screen.x - m_nCursorOffset, screen.y), size));
}

void CVrxPBaseTabWnd::OnLButtonUp(UINT, CPoint)
{
    if (m_bReorderDrag && m_nIndexAtPress != activeTab)
    {
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(VrxM_ON_MOVE_TAB, static_cast<WPARAM>(m_nIndexAtPress),
                                 static_cast<LPARAM>(activeTab));
    }
    EndReorderDrag();
    Default();
}

void CVrxPBaseTabWnd::OnLButtonDblClk(UINT, CPoint point)
{
    Default();
    if (m_bRenameEnabled && activeTab >= 0 && TabIndexFromPoint(point) == activeTab)
        BeginTabRename(activeTab);
}

void CVrxPBaseTabWnd::OnCancelMode()
{
    Default();
    CloseRenameEdit();
    EndReorderDrag();
}

void CVrxPBaseTabWnd::EndReorderDrag()
{
    if (!m_bReorderDrag)
        return;
    m_bReorderDrag = FALSE;
    m_nIndexAtPress = -1;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}
