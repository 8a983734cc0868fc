// How a control bar enters and leaves a dock bar.

#include "docking/CVrxPControlBar.h"

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "frames/CFrameWnd.h"

void CVrxPControlBar::LeaveCurrentSite(CWnd*, BOOL)
{
    if (dockSite != nullptr)
        dockSite->RemoveBar(this);
}

void CVrxPControlBar::DetachFromSite(BOOL bNoLayout)
{
    if (dockSite != nullptr)
        dockSite->RemoveBar(this);
    if (!bNoLayout)
        RequestHostLayout(NULL);
}

BOOL CVrxPControlBar::OnAfterReparent(CWnd*)
{
    RecomputeLayoutRect();
    const BOOL bInDockBar = dynamic_cast<CVrxPDockBar*>(GetParent()) != nullptr;
    if (!bInDockBar)
    {
        dockSite = nullptr;
        dockRow = nullptr;
    }
    return bInDockBar;
}

// A floating frame that loses its bar goes.
void CVrxPControlBar::MoveIntoParent(CWnd* pNewParent, int)
{
    CWnd* pOldParent = GetParent();
    LeaveCurrentSite(pNewParent, FALSE);
    CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent();
    if (pNewParent != nullptr && pNewParent != pOldParent)
        SetParent(pNewParent);
    if (pMiniFrame != nullptr && pMiniFrame->HostedControlBar() == this)
        pMiniFrame->ReleaseHostedBar();
    barStyle &= ~styleFloating;
    OnAfterReparent(pOldParent);
}

BOOL CVrxPControlBar::AttachToDockSite(CVrxPBaseControlBar* pSite, int nMethod)
{
    CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(pSite);
    if (pDockBar == nullptr)
        return FALSE;
    MoveIntoParent(pDockBar, nMethod);
    dockSite = pDockBar;
    barStyle = (barStyle & ~(alignmentMask | styleFloating)) | borderAny;
    SetAlignment(pDockBar->GetAlignment());
    return TRUE;
}

BOOL CVrxPControlBar::OnBeforeDock(CVrxPBaseControlBar*, const CRect*, int)
{
    return TRUE;
}

BOOL CVrxPControlBar::DockByMethod(CVrxPBaseControlBar* pTarget, const CRect* pRect, int nMethod)
{
    if (nMethod == dockToRecentPlace)
    {
        pTarget = history.recentDockBar;
        if (pTarget == nullptr)
        {
            CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(GetHostFrame());
            if (pManager != nullptr)
                pManager->DockControlBar(this, 0, nullptr);
            return TRUE;
        }
    }
    CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(pTarget);
    if (pDockBar == nullptr || !CanDockToSite(pDockBar) || !pDockBar->CanAcceptBar(this))
        return FALSE;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (!AttachToDockSite(pDockBar, nMethod))
        return FALSE;
    if (nMethod == dockByMouse)
        pDockBar->DockBar(this, dockByMouse, &rectWindow);
    else if (nMethod == dockToRecentPlace || nMethod == dockAtRect)
        pDockBar->DockBar(this, nMethod, pRect);
    else
        pDockBar->DockBar(this, nMethod, nullptr);
    return TRUE;
}

BOOL CVrxPControlBar::DockToTarget(CVrxPBaseControlBar* pTarget, const CRect* pRect, int nMethod)
{
    if (!OnBeforeDock(pTarget, pRect, nMethod) || !DockByMethod(pTarget, pRect, nMethod))
        return FALSE;
    OnAfterDock(pTarget, pRect, nMethod);
    return TRUE;
}

void CVrxPControlBar::RememberRecentDockPlace()
{
    history.recentDockBar = dockSite;
    history.recentRow = dockRow;
    if (dockSite != nullptr)
        history.recentRowIndex = dockSite->RowIndexOf(dockRow);
    RememberDockedRect();
}

BOOL CVrxPControlBar::HitTestDropTarget(int nThreshold, CVrxPDockBar*& pDockBar)
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CRect rectSaved = GetSavedRectScreen();
    pDockBar = nullptr;
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(GetHostFrame()))
        pDockBar = dynamic_cast<CVrxPDockBar*>(
            pManager->BarFromPoint(cursor, nThreshold, FALSE, RUNTIME_CLASS(CVrxPDockBar), FALSE, nullptr));

    if (dockSite != nullptr)
    {
        CRect rectSite;
        dockSite->GetWindowRect(&rectSite);
        CRect rectCommon;
        if (!rectCommon.IntersectRect(&rectSaved, &rectSite))
            return TRUE;
        const BOOL bOut = dockSite->IsAlignedHorizontally()
                              ? rectSite.left - rectSaved.left > 2 * nThreshold ||
                                    rectSaved.right - rectSite.right > 2 * nThreshold
                              : rectSite.top - rectSaved.top > 2 * nThreshold ||
                                    rectSaved.bottom - rectSite.bottom > 2 * nThreshold;
        return bOut && !rectSite.PtInRect(cursor);
    }

    if (pDockBar == nullptr || !CanDockToSite(pDockBar))
        return FALSE;
    CRect rectSite;
    pDockBar->GetWindowRect(&rectSite);
    if (rectSite.PtInRect(cursor))
        return TRUE;
    // The allowance is the threshold scaled by the share of the bar that
    // lies beyond the cursor; a bar without extent allows nothing.
    auto allowance = [nThreshold](int nBeyond, int nExtent) {
        return nExtent <= 0 ? 0.0 : nThreshold * (100.0 * nBeyond / nExtent) / 100.0;
    };
    if (cursor.x < rectSite.left)
        return rectSite.left - cursor.x <= allowance(rectWindow.right - cursor.x, rectWindow.Width());
    if (cursor.x >= rectSite.right)
        return cursor.x - rectSite.right <= allowance(cursor.x - rectWindow.left, rectWindow.Width());
    if (cursor.y < rectSite.top)
        return rectSite.top - cursor.y <= allowance(rectWindow.bottom - cursor.y, rectWindow.Height());
    return cursor.y - rectSite.bottom <= allowance(cursor.y - rectWindow.top, rectWindow.Height());
}
