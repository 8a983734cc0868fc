#include "panes/CVrxPTabbedControlBar.h"

#include "foundation/VrxPFindOwnerFrame.h"
#include "foundation/VrxPMessages.h"
#include "frames/CFrameWnd.h"
#include "panes/CVrxPTabWnd.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPTabbedControlBar, CVrxPBaseTabbedBar)

BEGIN_MESSAGE_MAP(CVrxPTabbedControlBar, CVrxPBaseTabbedBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_REGISTERED_MESSAGE(VrxM_ONCHANGE_ACTIVE_TAB, OnChangeActiveTab)
END_MESSAGE_MAP()

int CVrxPTabbedControlBar::SharedTabStyle = CVrxPTabWnd::TabStyleRectangular;
BOOL CVrxPTabbedControlBar::SharedTabsAtTop = FALSE;

namespace
{
std::vector<HWND>& BarList()
{
    static std::vector<HWND> bars;
    return bars;
}


// Panes make their tab groups of this class unless told otherwise.
const CRuntimeClass* const tabbedBarClassSet =
    CVrxPDockingControlBar::defaultTabbedBarClass = RUNTIME_CLASS(CVrxPTabbedControlBar);
} // namespace

CVrxPTabbedControlBar::CVrxPTabbedControlBar() : m_pTabWnd(nullptr)
{
}

CVrxPTabbedControlBar::~CVrxPTabbedControlBar()
{
    delete m_pTabWnd;
}

const std::vector<HWND>& CVrxPTabbedControlBar::LiveBars()
{
    return BarList();
}

int CVrxPTabbedControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPBaseTabbedBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pTabWnd = static_cast<CVrxPTabWnd*>(RUNTIME_CLASS(CVrxPTabWnd)->CreateObject());
    if (m_pTabWnd == nullptr)
        return -1;
    const CRect rect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy);
    if (!m_pTabWnd->Create(SharedTabStyle, rect, this, tabWindowId,
                           SharedTabsAtTop ? CVrxPBaseTabWnd::locationTop : CVrxPBaseTabWnd::locationBottom))
    {
        delete m_pTabWnd;
        m_pTabWnd = nullptr;
        return -1;
    }
    m_pTabWnd->destroyWindowsOnRemove = FALSE;
    m_pTabWnd->HideSingleTab(TRUE);
    m_pTabWnd->SetTabBorderSize(CVrxPVisualManager::Instance()->QueryDockingTabsStyle());
    BarList().push_back(m_hWnd);
    return 0;
}

void CVrxPTabbedControlBar::OnDestroy()
{
    auto& bars = BarList();
    auto found = std::find(bars.begin(), bars.end(), m_hWnd);
    if (found != bars.end())
        bars.erase(found);
    CVrxPBaseTabbedBar::OnDestroy();
}

void CVrxPTabbedControlBar::OnSize(UINT nType, int cx, int cy)
{
    CVrxPBaseTabbedBar::OnSize(nType, cx, cy);
    if (m_pTabWnd != nullptr && m_pTabWnd->GetSafeHwnd() != NULL)
        m_pTabWnd->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The look is asked only for a live bar: a look selection calls this before
// the new look is made, and asking for it would make it at once.
void CVrxPTabbedControlBar::ApplyTabSettingsToAll()
{
    for (HWND hWnd : std::vector<HWND>(BarList()))
    {
        auto* pBar = ::IsWindow(hWnd) ? dynamic_cast<CVrxPTabbedControlBar*>(CWnd::FromHandlePermanent(hWnd))
                                      : nullptr;
        if (pBar == nullptr || pBar->m_pTabWnd == nullptr || pBar->m_pTabWnd->GetSafeHwnd() == NULL)
            continue;
        CVrxPTabWnd* pTabs = pBar->m_pTabWnd;
        pTabs->SetTabBorderSize(CVrxPVisualManager::Instance()->QueryDockingTabsStyle());
        pTabs->SwitchTabStyle(SharedTabStyle);
        pTabs->ArrangeTabs();
        pTabs->UseAutoTabColors(FALSE);
        pTabs->AssignAutoColorPalette({});
    }
}

void CVrxPTabbedControlBar::AddTab(CWnd* pWnd, LPCTSTR lpszLabel)
{
    if (m_pTabWnd != nullptr && pWnd != nullptr && pWnd->GetSafeHwnd() != NULL)
    {
        pWnd->SetParent(m_pTabWnd);
        m_pTabWnd->AppendTab(pWnd, lpszLabel);
    }
}

BOOL CVrxPTabbedControlBar::HasTabsAtBottom() const
{
    return m_pTabWnd != nullptr && m_pTabWnd->location == CVrxPBaseTabWnd::locationBottom;
}

void CVrxPTabbedControlBar::HandleCloseButton()
{
    if (m_pTabWnd == nullptr)
        return;
    CFrameWnd* pFrame = VrxPFindOwnerFrame(this);
    if (pFrame != nullptr &&
        pFrame->SendMessage(VrxM_ON_PRESS_CLOSE_BUTTON, 0, reinterpret_cast<LPARAM>(m_pTabWnd->ActiveTabWindow())) != 0)
        return;
    if (m_pTabWnd->CountVisibleTabs() == 1)
    {
        if (pFrame != nullptr &&
            pFrame->SendMessage(VrxM_ON_PRESS_CLOSE_BUTTON, 0, reinterpret_cast<LPARAM>(this)) != 0)
            return;
        if (IsAutoHideMode())
            SwitchAutoHide(FALSE);
        ShowPane(FALSE);
    }
    m_pTabWnd->ShowTabAt(m_pTabWnd->ActiveTabIndex(), FALSE, TRUE, FALSE);
}

int CVrxPTabbedControlBar::GetTabCount() const
{
    return m_pTabWnd != nullptr ? m_pTabWnd->CountTabs() : 0;
}

CWnd* CVrxPTabbedControlBar::GetTabBar(int nIndex) const
{
    return m_pTabWnd != nullptr ? m_pTabWnd->TabWindowAt(nIndex) : nullptr;
}

CWnd* CVrxPTabbedControlBar::GetTabWindow() const
{
    return m_pTabWnd != nullptr && m_pTabWnd->GetSafeHwnd() != NULL ? m_pTabWnd : nullptr;
}

CVrxPDockingControlBar* CVrxPTabbedControlBar::TabBarAtPoint(CPoint point) const
{
    if (GetTabWindow() == nullptr)
        return nullptr;
    m_pTabWnd->ScreenToClient(&point);
    return dynamic_cast<CVrxPDockingControlBar*>(m_pTabWnd->TabWindowAt(m_pTabWnd->TabIndexFromPoint(point)));
}

LRESULT CVrxPTabbedControlBar::OnChangeActiveTab(WPARAM wParam, LPARAM)
{
    CString label;
    if (m_pTabWnd == nullptr || !m_pTabWnd->TabLabelAt(static_cast<int>(wParam), label))
        return 0;
    SetWindowText(label);
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return 0;
}

BOOL CVrxPTabbedControlBar::InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, BOOL bVisible, BOOL bActivate,
                                      BOOL bDetachable)
{
    if (GetTabWindow() == nullptr)
        return FALSE;
    m_pTabWnd->AppendTab(pWnd, lpszLabel, -1, bDetachable);
    const int nIndex = m_pTabWnd->CountTabs() - 1;
    if (!bVisible)
        m_pTabWnd->ShowTabAt(nIndex, FALSE);
    else if (bActivate)
        m_pTabWnd->ActivateTab(nIndex);
    return TRUE;
}

BOOL CVrxPTabbedControlBar::RemoveTab(CWnd* pWnd)
{
    if (GetTabWindow() == nullptr || pWnd == nullptr)
        return FALSE;
    const int nIndex = m_pTabWnd->TabIndexFromHwnd(pWnd->GetSafeHwnd());
    return nIndex >= 0 && m_pTabWnd->RemoveTabAt(nIndex);
}
