#include "docking/mdi/CVrxPMainClientAreaWnd.h"

#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"

#include <vector>

IMPLEMENT_DYNAMIC(CVrxPMainClientAreaWnd, CWnd)

namespace
{
const UINT moveActive = SWP_NOACTIVATE;
const UINT moveInactive = SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOZORDER;

CVrxPMDIChildWnd* LibraryChild(HWND hWnd)
{
    return dynamic_cast<CVrxPMDIChildWnd*>(CWnd::FromHandlePermanent(hWnd));
}

// The client rectangle's distance from the window rectangle on each side.
CRect FrameBorders(HWND hWnd)
{
    CRect rectWindow;
    CRect rectClient;
    ::GetWindowRect(hWnd, &rectWindow);
    ::GetClientRect(hWnd, &rectClient);
    ::MapWindowPoints(hWnd, NULL, reinterpret_cast<LPPOINT>(&rectClient), 2);
    return CRect(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top,
                 rectWindow.right - rectClient.right, rectWindow.bottom - rectClient.bottom);
}
} // namespace

CVrxPMainClientAreaWnd::CVrxPMainClientAreaWnd() : m_tabsShown(FALSE), m_mdiTabsOn(FALSE), m_restoring(FALSE) {}

CVrxPMDIFrameWnd* CVrxPMainClientAreaWnd::MDIFrame() const
{
    return GetSafeHwnd() != NULL ? dynamic_cast<CVrxPMDIFrameWnd*>(GetParent()) : nullptr;
}

void CVrxPMainClientAreaWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    CreateTabWindow(&m_mainTabs);
}

CVrxPTabWnd* CVrxPMainClientAreaWnd::CreateTabWindow(CVrxPTabWnd* pTabWnd)
{
    const BOOL bAllocated = pTabWnd == nullptr;
    if (bAllocated)
        pTabWnd = new CVrxPTabWnd;
    if (!pTabWnd->Create(m_options.style, CRect(0, 0, 0, 0), GetParent(), static_cast<UINT>(-1),
                         static_cast<CVrxPBaseTabWnd::Location>(m_options.location), m_options.closeButton))
    {
        if (bAllocated)
            delete pTabWnd;
        return nullptr;
    }
    ApplyTabOptions(pTabWnd);
    if (!m_tabsShown)
        pTabWnd->ShowWindow(SW_HIDE);
    if (m_singleImages.GetSafeHandle() == NULL)
        m_singleImages.Create(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK,
                              0, 1);
    return pTabWnd;
}

void CVrxPMainClientAreaWnd::ApplyTabOptions(CVrxPTabWnd* pTabWnd)
{
    pTabWnd->SwitchTabStyle(m_options.style);
    pTabWnd->SetTabLocation(static_cast<CVrxPBaseTabWnd::Location>(m_options.location));
    pTabWnd->hasCloseButton = m_options.closeButton;
    pTabWnd->UseTabListButton(m_options.tabListButton);
    pTabWnd->UseAutoTabColors(m_options.autoColors);
    pTabWnd->allowDragReorder = m_options.reorderByDrag;
    pTabWnd->SetTabBorderSize(m_options.borderSize);
    // The children stay shown and stay the MDI machinery's: the tab window
    // neither hides, moves nor destroys them.
    pTabWnd->hideInactiveWindows = FALSE;
    pTabWnd->hideWhenNoTabs = TRUE;
    pTabWnd->positionTabWindows = FALSE;
    pTabWnd->destroyWindowsOnRemove = FALSE;
    if (pTabWnd->hasContentFrame != m_options.contentFrame)
    {
        pTabWnd->hasContentFrame = m_options.contentFrame;
        if (pTabWnd->GetSafeHwnd() != NULL)
        {
            pTabWnd->Invalidate();
            pTabWnd->UpdateWindow();
        }
    }
    pTabWnd->activateLastOnRemove = TRUE;
    pTabWnd->ArrangeTabs();
}

BOOL CVrxPMainClientAreaWnd::NeedsClientEdge() const
{
    if (GetSafeHwnd() == NULL)
        return FALSE;
    const HWND hActive = reinterpret_cast<HWND>(::SendMessage(m_hWnd, WM_MDIGETACTIVE, 0, 0));
    return hActive != NULL && ::IsWindow(hActive) && (::GetWindowLong(hActive, GWL_STYLE) & WS_SYSMENU) != 0;
}

void CVrxPMainClientAreaWnd::EnableMDITabs(BOOL bEnable, const CVrxPMDITabOptions& options)
{
    m_mdiTabsOn = m_tabsShown = bEnable;
    m_options = options;
    if (m_mainTabs.GetSafeHwnd() != NULL)
        ApplyTabOptions(&m_mainTabs);
    if (GetSafeHwnd() == NULL)
        return;
    if (bEnable)
    {
        UpdateTabs(FALSE);
        if (!NeedsClientEdge())
            ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    }
    else if (!NeedsClientEdge())
    {
        ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    }
    if (m_mainTabs.GetSafeHwnd() != NULL)
        m_mainTabs.ShowWindow(SW_SHOW);
    BringWindowToTop();
    if (CFrameWnd* pFrame = GetParentFrame())
    {
        pFrame->RecalcLayout(TRUE);
        const UINT redraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
        if (m_mainTabs.GetSafeHwnd() != NULL)
            m_mainTabs.RedrawWindow(nullptr, nullptr, redraw);
        RedrawWindow(nullptr, nullptr, redraw);
    }
}

int CVrxPMainClientAreaWnd::ImageOfIcon(HICON hIcon)
{
    const auto found = m_singleIconIndex.find(hIcon);
    if (found != m_singleIconIndex.end())
        return found->second;
    const int nImage = ::ImageList_ReplaceIcon(m_singleImages.GetSafeHandle(), -1, hIcon);
    if (nImage < 0)
        return -1;
    m_singleIconIndex[hIcon] = nImage;
    if (m_singleImages.GetImageCount() == 1)
        m_mainTabs.AssignImageList(&m_singleImages);
    return nImage;
}

void CVrxPMainClientAreaWnd::ForgetImages()
{
    m_mainTabs.AssignImageList(nullptr);
    m_singleIconIndex.clear();
    if (m_singleImages.GetSafeHandle() != NULL)
        ::ImageList_Remove(m_singleImages.GetSafeHandle(), -1);
}

void CVrxPMainClientAreaWnd::UpdateTabs(BOOL bEnsureVisible)
{
    if (m_restoring || m_mainTabs.GetSafeHwnd() == NULL || !m_tabsShown || GetSafeHwnd() == NULL)
        return;
    const BOOL bWasEmpty = m_mainTabs.CountTabs() == 0;
    BOOL bChanged = FALSE;
    if (!m_options.icons)
        ForgetImages();
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CVrxPMDIChildWnd* pChild = LibraryChild(hChild);
        if (pChild == nullptr && dynamic_cast<CVrxPTabWnd*>(CWnd::FromHandlePermanent(hChild)) != nullptr)
            continue;
        const BOOL bCanShow = pChild == nullptr || pChild->ShowsOnTab();
        int nImage = -1;
        if (m_options.icons)
        {
            HICON hIcon = NULL;
            if (pChild != nullptr)
                hIcon = pChild->TabIcon();
            else
            {
                hIcon = reinterpret_cast<HICON>(::SendMessage(hChild, WM_GETICON, ICON_SMALL, 0));
                if (hIcon == NULL)
                    hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hChild, GCLP_HICONSM));
            }
            if (hIcon != NULL)
                nImage = ImageOfIcon(hIcon);
        }
        CString label;
        if (pChild != nullptr)
            pChild->TabLabel(label);
        else
            CWnd::FromHandle(hChild)->GetWindowText(label);

        const int nTab = m_mainTabs.TabIndexFromHwnd(hChild);
        const BOOL bVisible = (::GetWindowLong(hChild, GWL_STYLE) & WS_VISIBLE) != 0;
        if (nTab >= 0)
        {
            if (!bVisible)
            {
                m_mainTabs.RemoveTabAt(nTab);
                bChanged = TRUE;
                continue;
            }
            CString current;
            m_mainTabs.TabLabelAt(nTab, current);
            if (current != label && m_mainTabs.SetTabLabelAt(nTab, label))
                bChanged = TRUE;
            if (m_mainTabs.TabImageAt(nTab) != nImage && m_mainTabs.SetTabImageAt(nTab, nImage))
                bChanged = TRUE;
        }
        // A hidden child gets its tab when it is shown again.
        else if (bVisible && bCanShow && (pChild == nullptr || !pChild->IsClosing()))
        {
            m_mainTabs.AppendTab(CWnd::FromHandle(hChild), label, nImage, TRUE);
            m_mainTabs.ActivateTab(m_mainTabs.CountTabs() - 1);
            bChanged = TRUE;
        }
    }
    CFrameWnd* pFrame = GetParentFrame();
    if (bChanged && pFrame != nullptr)
        pFrame->RecalcLayout(TRUE);
    if (bEnsureVisible)
        m_mainTabs.EnsureTabVisible(m_mainTabs.ActiveTabIndex());
    const BOOL bEmpty = m_mainTabs.CountTabs() == 0;
    if (bEmpty != bWasEmpty && pFrame != nullptr)
    {
        pFrame->RecalcLayout(TRUE);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    }
}

void CVrxPMainClientAreaWnd::ActivateChild(HWND hChild)
{
    if (m_restoring || !m_tabsShown || m_mainTabs.GetSafeHwnd() == NULL)
        return;
    const int nTab = m_mainTabs.TabIndexFromHwnd(hChild);
    if (nTab >= 0)
        m_mainTabs.ActivateTab(nTab);
}

void CVrxPMainClientAreaWnd::PlaceTabbedChildren(CVrxPTabWnd* pTabWnd)
{
    if (pTabWnd == nullptr || pTabWnd->GetSafeHwnd() == NULL || !pTabWnd->IsWindowVisible())
        return;
    CRect rectContent = pTabWnd->ContentRect();
    ::MapWindowPoints(pTabWnd->GetSafeHwnd(), m_hWnd, reinterpret_cast<LPPOINT>(&rectContent), 2);
    for (int i = 0; i < pTabWnd->CountTabs(); i++)
    {
        CWnd* pWnd = pTabWnd->TabWindowAt(i);
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
            continue;
        if (pWnd->GetStyle() & WS_MINIMIZE)
            pWnd->ShowWindow(SW_RESTORE);
        pWnd->SetWindowPos(&CWnd::wndTop, rectContent.left, rectContent.top, rectContent.Width(),
                           rectContent.Height(), i == pTabWnd->ActiveTabIndex() ? moveActive : moveInactive);
    }
}

void CVrxPMainClientAreaWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    if (m_restoring || GetSafeHwnd() == NULL)
        return;
    if (m_mainTabs.GetSafeHwnd() != NULL)
    {
        CRect rect(lpClientRect);
        if (m_mdiTabsOn)
        {
            m_mainTabs.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                    SWP_NOZORDER | SWP_NOACTIVATE);
            CRect rectTabsClient;
            m_mainTabs.GetClientRect(&rectTabsClient);
            const CRect& content = m_mainTabs.ContentRect();
            if (!content.IsRectEmpty())
            {
                rect.left += content.left - rectTabsClient.left;
                rect.top += content.top - rectTabsClient.top;
                rect.right -= rectTabsClient.right - content.right;
                rect.bottom -= rectTabsClient.bottom - content.bottom;
            }
            m_mainTabs.ShowWindow(SW_SHOWNA);
        }
        else
        {
            m_mainTabs.ShowWindow(SW_HIDE);
        }
        CRect rectOld;
        GetWindowRect(&rectOld);
        GetParent()->ScreenToClient(&rectOld);
        SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        if (CVrxPMDIFrameWnd* pFrame = MDIFrame())
            pFrame->OnClientAreaMoved(rectOld, rect);
        if (!m_mdiTabsOn)
            KeepMinimisedAtBottom(rect.Height() - rectOld.Height());
        *lpClientRect = rect;
    }
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
    StretchTabbedChildren();
}

void CVrxPMainClientAreaWnd::CoverClientArea(CWnd* pChild, const CRect& rect, UINT nFlags)
{
    const CRect borders = FrameBorders(pChild->GetSafeHwnd());
    pChild->SetWindowPos(&CWnd::wndTop, rect.left - borders.left, rect.top - borders.top,
                         rect.Width() + borders.left + borders.right, rect.Height() + borders.top + borders.bottom,
                         nFlags);
}

// Children without a system menu are the ones shown on tabs.
void CVrxPMainClientAreaWnd::StretchTabbedChildren()
{
    CRect rectClient;
    GetClientRect(&rectClient);
    for (int i = 0; i < m_mainTabs.CountTabs(); i++)
    {
        CWnd* pWnd = m_mainTabs.TabWindowAt(i);
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL || (pWnd->GetStyle() & WS_SYSMENU) != 0)
            continue;
        if (pWnd->GetStyle() & WS_MINIMIZE)
            pWnd->ShowWindow(SW_RESTORE);
        CoverClientArea(pWnd, rectClient, i == m_mainTabs.ActiveTabIndex() ? moveActive : moveInactive);
    }
}

void CVrxPMainClientAreaWnd::KeepMinimisedAtBottom(int nHeightChange)
{
    if (nHeightChange == 0)
        return;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        const LONG style = ::GetWindowLong(hChild, GWL_STYLE);
        if (style & WS_MAXIMIZE)
            break;
        if ((style & WS_MINIMIZE) == 0)
            continue;
        CRect rect;
        ::GetWindowRect(hChild, &rect);
        ScreenToClient(&rect);
        const int y = rect.top + nHeightChange > 0 ? rect.top + nHeightChange : 0;
        ::SetWindowPos(hChild, NULL, rect.left, y, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE);
    }
}

LRESULT CVrxPMainClientAreaWnd::OnMDINext(HWND hChild, BOOL bPrevious)
{
    const int nCount = m_mainTabs.CountTabs();
    if (nCount == 0)
        return 0;
    int nIndex = m_mainTabs.ActiveTabIndex() + (bPrevious ? -1 : 1);
    if (nIndex < 0)
        nIndex = nCount - 1;
    else if (nIndex >= nCount)
        nIndex = 0;
    CWnd* pWnd = m_mainTabs.TabWindowAt(nIndex);
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != hChild)
        ::SendMessage(m_hWnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
    return 0;
}

LRESULT CVrxPMainClientAreaWnd::OnMDIDestroy(HWND hChild)
{
    CVrxPMDIFrameWnd* pFrame = MDIFrame();
    CVrxPMDIChildWnd* pChild = LibraryChild(hChild);
    BOOL bLayoutChanged = FALSE;
    if (m_mainTabs.GetSafeHwnd() != NULL)
    {
        const int nHeightBefore = m_mainTabs.TabAreaHeight();
        const int nTab = m_mainTabs.TabIndexFromHwnd(hChild);
        if (nTab >= 0)
        {
            if (pChild != nullptr)
                pChild->SetClosing(TRUE);
            m_mainTabs.RemoveTabAt(nTab);
        }
        bLayoutChanged = m_mainTabs.TabAreaHeight() != nHeightBefore;
    }
    if (pChild != nullptr)
        pChild->SetTabWindow(nullptr);
    const LRESULT lResult = Default();
    if (bLayoutChanged && pFrame != nullptr)
        pFrame->RecalcLayout(TRUE);
    return lResult;
}

BOOL CVrxPMainClientAreaWnd::OnEraseBackground(HDC hDC)
{
    CDC* pDC = CDC::FromHandle(hDC);
    if (CVrxPMDIFrameWnd* pFrame = MDIFrame())
        if (pFrame->EraseClientArea(pDC))
            return TRUE;
    CRect rectClient;
    GetClientRect(&rectClient);
    return CVrxPVisualManager::Instance()->PaintClientAreaBackground(pDC, rectClient);
}

LRESULT CVrxPMainClientAreaWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MDISETMENU:
    {
        CVrxPMDIFrameWnd* pFrame = MDIFrame();
        if (pFrame != nullptr && lParam != 0)
            pFrame->RememberWindowMenu(reinterpret_cast<HMENU>(lParam));
        if (pFrame == nullptr || pFrame->GetSafeHwnd() == NULL ||
            pFrame->ApplyMenuToMenuBar(reinterpret_cast<HMENU>(wParam)))
            wParam = 0;
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        if (pFrame != nullptr)
            pFrame->ExtendWindowMenu();
        return lResult;
    }
    case WM_MDIREFRESHMENU:
    {
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        if (CVrxPMDIFrameWnd* pFrame = MDIFrame())
            pFrame->ExtendWindowMenu();
        return lResult;
    }
    case WM_MDINEXT:
        if (!m_mdiTabsOn)
            break;
        return OnMDINext(reinterpret_cast<HWND>(wParam), lParam != 0);
    case WM_MDICREATE:
    {
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        if (CVrxPMDIFrameWnd* pFrame = MDIFrame())
            pFrame->ExtendWindowMenu();
        return lResult;
    }
    case WM_MDIDESTROY:
    {
        const LRESULT lResult = OnMDIDestroy(reinterpret_cast<HWND>(wParam));
        if (CVrxPMDIFrameWnd* pFrame = MDIFrame())
        {
            pFrame->ExtendWindowMenu();
            pFrame->UpdateMenuBarChildButtons();
        }
        return lResult;
    }
    case WM_WINDOWPOSCHANGED:
    {
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        if (CVrxPMDIFrameWnd* pFrame = MDIFrame())
            pFrame->UpdateMenuBarChildButtons();
        return lResult;
    }
    case WM_ERASEBKGND:
        if (OnEraseBackground(reinterpret_cast<HDC>(wParam)))
            return 1;
        break;
    case WM_STYLECHANGING:
        if (wParam == static_cast<WPARAM>(GWL_EXSTYLE) && !NeedsClientEdge())
        {
            STYLESTRUCT* pStyles = reinterpret_cast<STYLESTRUCT*>(lParam);
            pStyles->styleNew = pStyles->styleOld & ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
        }
        break;
    case updateTabsMessage:
        UpdateTabs(FALSE);
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
