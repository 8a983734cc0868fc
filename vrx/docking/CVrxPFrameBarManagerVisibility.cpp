// The frame bar manager's floating frames and the frame events that hide
// and show bars and floating frames together.

#include "docking/CVrxPFrameBarManager.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "frames/CFrameWnd.h"

namespace
{
void AddOnce(CList<HWND, HWND>& list, HWND hWnd)
{
    if (list.Find(hWnd) == NULL)
        list.AddTail(hWnd);
}
} // namespace

BOOL CVrxPFrameBarManager::AddMiniFrame(CWnd* pMiniFrame)
{
    if (pMiniFrame == nullptr || m_miniFrames.Find(pMiniFrame) != NULL)
        return FALSE;
    m_miniFrames.AddTail(pMiniFrame);
    return TRUE;
}

BOOL CVrxPFrameBarManager::RemoveMiniFrame(CWnd* pMiniFrame)
{
    POSITION pos = m_miniFrames.Find(pMiniFrame);
    if (pos == NULL)
        return FALSE;
    m_miniFrames.RemoveAt(pos);
    if (POSITION hidden = m_hiddenMiniFrames.Find(pMiniFrame->GetSafeHwnd()))
        m_hiddenMiniFrames.RemoveAt(hidden);
    return TRUE;
}

void CVrxPFrameBarManager::ShowFloatingFrames(BOOL bShow)
{
    if (m_pOwnerFrame == nullptr)
        return;
    if (bShow)
    {
        while (!m_hiddenMiniFrames.IsEmpty())
        {
            const HWND hWnd = m_hiddenMiniFrames.RemoveHead();
            CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(CWnd::FromHandlePermanent(hWnd));
            if (::IsWindow(hWnd) && pMiniFrame != nullptr && pMiniFrame->HasHostedBar())
                ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
        }
        return;
    }
    const BOOL bChildFrame = dynamic_cast<CVrxPMDIChildWnd*>(m_pOwnerFrame) != nullptr;
    for (POSITION pos = m_miniFrames.GetHeadPosition(); pos != NULL;)
    {
        CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(m_miniFrames.GetNext(pos));
        if (pMiniFrame == nullptr || !pMiniFrame->IsWindowVisible())
            continue;
        // A main frame keeps its floating panes in view.
        if (!bChildFrame && pMiniFrame->HostedControlBar() == nullptr)
            continue;
        pMiniFrame->ShowWindow(SW_HIDE);
        AddOnce(m_hiddenMiniFrames, pMiniFrame->GetSafeHwnd());
    }
}

int CVrxPFrameBarManager::HideBars(BOOL bRestore)
{
    if (bRestore != m_bBarsHidden)
        return 0;
    CObList bars;
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pItem = m_bars.GetNext(pos);
        if (CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(pItem))
            for (POSITION docked = pDockBar->GetDockedBars().GetHeadPosition(); docked != NULL;)
                bars.AddTail(pDockBar->GetDockedBars().GetNext(docked));
        bars.AddTail(pItem);
    }
    // The bars change together; the layout runs once at the end.
    const BOOL bWasBusy = m_bLayoutBusy;
    m_bLayoutBusy = TRUE;
    if (!bRestore)
    {
        m_hiddenBars.RemoveAll();
        for (POSITION pos = bars.GetHeadPosition(); pos != NULL;)
        {
            CVrxPBaseControlBar* pBar = dynamic_cast<CVrxPBaseControlBar*>(bars.GetNext(pos));
            if (pBar == nullptr || pBar->GetSafeHwnd() == NULL || (pBar->GetBarStyle() & CBRS_HIDE_INPLACE) == 0)
                continue;
            if (!pBar->IsBarVisible() && !pBar->IsAutoHidden())
                continue;
            pBar->SetBarShown(FALSE, TRUE, FALSE);
            AddOnce(m_hiddenBars, pBar->GetSafeHwnd());
        }
        m_bBarsHidden = TRUE;
    }
    else
    {
        for (POSITION pos = m_hiddenBars.GetHeadPosition(); pos != NULL;)
        {
            CVrxPBaseControlBar* pBar =
                dynamic_cast<CVrxPBaseControlBar*>(CWnd::FromHandlePermanent(m_hiddenBars.GetNext(pos)));
            if (pBar != nullptr)
                pBar->SetBarShown(TRUE, TRUE, FALSE);
        }
        m_bBarsHidden = FALSE;
    }
    m_bLayoutBusy = bWasBusy;
    AdjustDockingLayout();
    return 0;
}

void CVrxPFrameBarManager::SetPrintPreviewMode(BOOL bPreview)
{
    if (bPreview == m_bPrintPreview)
        return;
    if (!bPreview)
    {
        for (POSITION pos = m_previewHidden.GetHeadPosition(); pos != NULL;)
        {
            const HWND hWnd = m_previewHidden.GetNext(pos);
            if (!::IsWindow(hWnd))
                continue;
            if (CVrxPBaseControlBar* pBar = dynamic_cast<CVrxPBaseControlBar*>(CWnd::FromHandlePermanent(hWnd)))
                pBar->SetBarShown(TRUE, TRUE, FALSE);
            else
                ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
        }
        m_bPrintPreview = FALSE;
        AdjustDockingLayout();
        return;
    }
    m_previewHidden.RemoveAll();
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPBaseControlBar* pBar = dynamic_cast<CVrxPBaseControlBar*>(m_bars.GetNext(pos));
        if (pBar != nullptr && pBar->GetSafeHwnd() != NULL && pBar->IsBarVisible())
        {
            pBar->SetBarShown(FALSE, TRUE, FALSE);
            AddOnce(m_previewHidden, pBar->GetSafeHwnd());
        }
        for (POSITION frame = m_miniFrames.GetHeadPosition(); frame != NULL;)
        {
            CWnd* pMiniFrame = static_cast<CWnd*>(m_miniFrames.GetNext(frame));
            if (pMiniFrame->IsWindowVisible())
            {
                pMiniFrame->ShowWindow(SW_HIDE);
                AddOnce(m_previewHidden, pMiniFrame->GetSafeHwnd());
            }
        }
    }
    m_bPrintPreview = TRUE;
    AdjustDockingLayout();
}

// Only one window of the system can be locked at a time: the frame is, and
// its bars and floating frames are drawn up to date before.
void CVrxPFrameBarManager::LockUpdate(BOOL bLock)
{
    m_bUpdateLocked = bLock;
    for (POSITION pos = m_miniFrames.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pMiniFrame = static_cast<CWnd*>(m_miniFrames.GetNext(pos));
        pMiniFrame->ValidateRect(nullptr);
        pMiniFrame->UpdateWindow();
    }
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pBar = static_cast<CWnd*>(m_bars.GetNext(pos));
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        pBar->ValidateRect(nullptr);
        pBar->UpdateWindow();
    }
    if (m_pOwnerFrame != nullptr && m_pOwnerFrame->GetSafeHwnd() != NULL)
        ::LockWindowUpdate(bLock ? m_pOwnerFrame->GetSafeHwnd() : NULL);
}
