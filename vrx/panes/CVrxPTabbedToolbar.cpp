#include "panes/CVrxPTabbedToolbar.h"

#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/VrxPFindOwnerFrame.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "foundation/VrxPMessages.h"
#include "frames/CFrameWnd.h"
#include "panes/CVrxPTabWnd.h"

IMPLEMENT_SERIAL(CVrxPTabbedToolbar, CVrxPToolBar, 2)

BEGIN_MESSAGE_MAP(CVrxPTabbedToolbar, CVrxPToolBar)
    ON_WM_CREATE()
    ON_WM_NCDESTROY()
    ON_REGISTERED_MESSAGE(VrxM_ONCHANGE_ACTIVE_TAB, OnChangeActiveTab)
END_MESSAGE_MAP()

namespace
{
// Style bits a tabbed toolbar's window never keeps.
constexpr DWORD droppedStyleBits = 0x5500;
} // namespace

CVrxPTabbedToolbar::CVrxPTabbedToolbar() : m_pTabWnd(nullptr)
{
    SetBorderInsets(0, 0, 0, 0);
}

BOOL CVrxPTabbedToolbar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, DWORD dwBarFlags)
{
    if (dwBarFlags & flagFloat)
        dwStyle |= styleGripper;
    dwStyle &= ~droppedStyleBits;
    return CVrxPControlBar::Create(VrxPMakeWindowClass("VrxPTabbedToolBar"), dwStyle, CRect(0, 0, 0, 0),
                                   pParentWnd, nID, dwBarFlags);
}

int CVrxPTabbedToolbar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pTabWnd = new CVrxPTabWnd;
    const CRect rect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy);
    if (!m_pTabWnd->Create(CVrxPTabWnd::TabStyleRectangular, rect, this, tabWindowId, CVrxPBaseTabWnd::locationTop))
    {
        delete m_pTabWnd;
        m_pTabWnd = nullptr;
        return -1;
    }
    // The bars belong to whoever added them, keep their order, and show a
    // strip even alone.
    m_pTabWnd->destroyWindowsOnRemove = FALSE;
    m_pTabWnd->HideSingleTab(FALSE);
    m_pTabWnd->allowDragReorder = FALSE;
    return 0;
}

void CVrxPTabbedToolbar::OnNcDestroy()
{
    CVrxPToolBar::OnNcDestroy();
    delete m_pTabWnd;
    m_pTabWnd = nullptr;
}

LRESULT CVrxPTabbedToolbar::OnChangeActiveTab(WPARAM, LPARAM)
{
    return 0;
}

BOOL CVrxPTabbedToolbar::AddBar(CVrxPBaseControlBar* pBar, BOOL bVisible, BOOL bActivate, BOOL bDetachable)
{
    if (m_pTabWnd == nullptr || m_pTabWnd->m_hWnd == NULL)
        return FALSE;
    pBar->SetParent(m_pTabWnd);
    pBar->SetOwner(VrxPFindOwnerFrame(this));
    pBar->SetBarStyle(pBar->GetBarStyle() & ~styleGripper);
    CString label;
    pBar->GetWindowText(label);
    m_pTabWnd->AppendTab(pBar, label, -1, bDetachable);
    const int nLast = m_pTabWnd->CountTabs() - 1;
    if (bActivate)
        m_pTabWnd->ActivateTab(nLast);
    m_pTabWnd->ShowTabAt(nLast, bVisible, TRUE, FALSE);
    SyncLayoutRect();
    return TRUE;
}

void CVrxPTabbedToolbar::SyncLayoutRect()
{
    if (m_pTabWnd != nullptr && m_pTabWnd->m_hWnd != NULL)
    {
        const CSize largest = m_pTabWnd->LargestTabWindowSize();
        const int nBorder = m_pTabWnd->TabBorderSize();
        const int nStrip = m_pTabWnd->TabAreaHeight();
        const int cx = largest.cx + 2 * nBorder;
        m_pTabWnd->SetWindowPos(nullptr, 0, 0, cx, largest.cy + nStrip + 2 * nBorder + 2,
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pTabWnd->ArrangeTabs();

        // The toolbar takes its new size in its row, or its floating frame
        // follows it.
        UpdateBarSize(TRUE);
        if (CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent())
            pMiniFrame->FitToHostedBar();
        else if (CFrameWnd* pFrame = VrxPFindOwnerFrame(this))
            pFrame->RecalcLayout();
    }
    CVrxPToolBar::SyncLayoutRect();
}

CSize CVrxPTabbedToolbar::CalcBarSize(BOOL bStretch, BOOL bHorizontal)
{
    if (m_pTabWnd == nullptr || m_pTabWnd->m_hWnd == NULL)
        return CVrxPToolBar::CalcBarSize(bStretch, bHorizontal);
    CRect rectTabs;
    m_pTabWnd->GetWindowRect(&rectTabs);
    // The insets as the client area loses them, added around the strip.
    const CRect rectProbe(0, 0, 1000, 1000);
    CRect rectInner = rectProbe;
    ApplyBorderInsets(rectInner, TRUE);
    return CSize(rectTabs.Width() + rectProbe.Width() - rectInner.Width(),
                 rectTabs.Height() + rectProbe.Height() - rectInner.Height());
}
