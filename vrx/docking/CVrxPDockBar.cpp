#include "docking/CVrxPDockBar.h"

#include "dialogs/CDialog.h"
#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPReBar.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "frames/CFrameWnd.h"
#include "gdi/CDC.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CVrxPDockBar, CVrxPBaseControlBar)

BEGIN_MESSAGE_MAP(CVrxPDockBar, CVrxPBaseControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CVrxPDockBar::~CVrxPDockBar()
{
    while (!m_lstRows.IsEmpty())
        delete m_lstRows.RemoveHead();
    m_lstDockedBars.RemoveAll();
}

BOOL CVrxPDockBar::Create(DWORD dwStyle, CWnd* pParentWnd, DWORD dwBarStyle)
{
    const DWORD dwAlignment = dwStyle & alignmentMask;
    AllowDocking(GetAllowedDocking() | dwAlignment);
    CRect rectWindow;
    pParentWnd->GetClientRect(&rectWindow);
    switch (dwAlignment)
    {
    case CBRS_ALIGN_LEFT:
        rectWindow.right = 0;
        m_nDockBarId = idLeft;
        break;
    case CBRS_ALIGN_TOP:
        rectWindow.bottom = rectWindow.top;
        m_nDockBarId = idTop;
        break;
    case CBRS_ALIGN_RIGHT:
        rectWindow.left = rectWindow.right;
        m_nDockBarId = idRight;
        break;
    case CBRS_ALIGN_BOTTOM:
        rectWindow.top = rectWindow.bottom;
        m_nDockBarId = idBottom;
        break;
    default:
        return FALSE;
    }
    barStyle = dwBarStyle | dwAlignment;
    hostFrame = dynamic_cast<CFrameWnd*>(pParentWnd);
    const CString className = VrxPMakeWindowClass("VrxPDockBar");
    const DWORD dwWindowStyle = (dwStyle & ~alignmentMask) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CWnd::CreateEx(0, className, nullptr, dwWindowStyle, rectWindow, pParentWnd, m_nDockBarId, nullptr);
}

void CVrxPDockBar::AdjustBarLayout()
{
    for (POSITION pos = m_lstDockedBars.GetHeadPosition(); pos != NULL;)
        m_lstDockedBars.GetNext(pos)->AdjustBarLayout();
}

CSize CVrxPDockBar::CalcBarSize(BOOL bStretch, BOOL)
{
    const BOOL bHorizontal = IsAlignedHorizontally();
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL;)
    {
        CVrxPDockBarRow* pRow = m_lstRows.GetNext(pos);
        if (!pRow->IsVisible())
            continue;
        const CSize content = pRow->CalcFixedLayout(bStretch, bHorizontal);
        const int nThickness = bHorizontal ? content.cy : content.cx;
        if (nThickness > 0 && nThickness != pRow->GetExtent())
            SetRowExtent(pRow, nThickness, FALSE);
    }
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    return rectWindow.Size();
}

BOOL CVrxPDockBar::HasBarInDragMode() const
{
    for (POSITION pos = m_lstDockedBars.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPControlBar* pBar = dynamic_cast<const CVrxPControlBar*>(m_lstDockedBars.GetNext(pos));
        if (pBar != nullptr && pBar->IsInDragMode())
            return TRUE;
    }
    return FALSE;
}

CVrxPDockBarRow* CVrxPDockBar::CreateRow(int nOffset, int nExtent)
{
    CVrxPDockBarRow* pRow = new CVrxPDockBarRow(this, nOffset, nExtent);
    if (!pRow->Create())
    {
        delete pRow;
        return nullptr;
    }
    return pRow;
}

int CVrxPDockBar::GetThickness() const
{
    int nThickness = 0;
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPDockBarRow* pRow = m_lstRows.GetNext(pos);
        if (pRow->IsVisible())
            nThickness += pRow->GetExtent();
    }
    return nThickness;
}

// The dock bar grows only once the row exists.
CVrxPDockBarRow* CVrxPDockBar::InsertRow(CVrxPDockBarRow* pBefore, int nExtent)
{
    POSITION posBefore = pBefore != nullptr ? m_lstRows.Find(pBefore) : NULL;
    int nOffset = 0;
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL && pos != posBefore;)
    {
        const CVrxPDockBarRow* pRow = m_lstRows.GetNext(pos);
        if (pRow->IsVisible())
            nOffset += pRow->GetExtent();
    }
    CVrxPDockBarRow* pRow = CreateRow(nOffset, nExtent);
    if (pRow == nullptr)
        return nullptr;
    ResizeDockBar(nExtent, TRUE);
    if (posBefore != NULL)
        ShiftRowsAfter(m_lstRows.InsertBefore(posBefore, pRow));
    else
        m_lstRows.AddTail(pRow);
    return pRow;
}

void CVrxPDockBar::RemoveRow(CVrxPDockBarRow* pRow)
{
    if (pRow->IsVisible())
        ResizeDockBar(-pRow->GetExtent(), TRUE);
    POSITION pos = m_lstRows.Find(pRow);
    if (pos == NULL)
        return;
    ShiftRowsBack(pos, FALSE);
    m_lstRows.RemoveAt(pos);
    delete pRow;
}

int CVrxPDockBar::SetRowExtent(CVrxPDockBarRow* pRow, int nExtent, BOOL bLayout)
{
    const int nDelta = nExtent - pRow->GetExtent();
    if (nDelta < 0 && !pRow->IsEmpty())
    {
        const CSize content = pRow->CalcFixedLayout(TRUE, IsAlignedHorizontally());
        if (nExtent < (IsAlignedHorizontally() ? content.cy : content.cx))
            return 0;
    }
    const int nApplied = ResizeRow(pRow, nDelta);
    ResizeDockBar(nApplied, bLayout);
    return nApplied;
}

int CVrxPDockBar::ResizeRow(CVrxPDockBarRow* pRow, int nDelta)
{
    const int nApplied = pRow->Resize(nDelta);
    if (!pRow->IsVisible())
        return 0;
    POSITION pos = m_lstRows.Find(pRow);
    if (pos != NULL)
        m_lstRows.GetNext(pos);
    while (pos != NULL)
        m_lstRows.GetNext(pos)->Move(nApplied);
    return nApplied;
}

void CVrxPDockBar::ShiftRowsAfter(POSITION pos)
{
    const int nThickness = m_lstRows.GetNext(pos)->GetExtent();
    while (pos != NULL)
        m_lstRows.GetNext(pos)->Move(nThickness);
}

void CVrxPDockBar::ShiftRowsBack(POSITION pos, BOOL bForce)
{
    const CVrxPDockBarRow* pRow = m_lstRows.GetNext(pos);
    if (!pRow->IsVisible() && !bForce)
        return;
    while (pos != NULL)
        m_lstRows.GetNext(pos)->Move(-pRow->GetExtent());
}

void CVrxPDockBar::OnShowRow(POSITION pos, BOOL bShow)
{
    if (bShow)
        ShiftRowsAfter(pos);
    else
        ShiftRowsBack(pos, TRUE);
}

void CVrxPDockBar::ShowRow(CVrxPDockBarRow* pRow, BOOL bShow, BOOL bLayout)
{
    POSITION pos = m_lstRows.Find(pRow);
    if (pos == NULL)
        return;
    OnShowRow(pos, bShow);
    ResizeDockBar(bShow ? pRow->GetExtent() : -pRow->GetExtent(), bLayout);
}

void CVrxPDockBar::ResizeDockBar(int nDelta, BOOL bLayout)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rectWindow);
    switch (GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        rectWindow.right += nDelta;
        break;
    case CBRS_ALIGN_TOP:
        rectWindow.bottom += nDelta;
        break;
    case CBRS_ALIGN_RIGHT:
        rectWindow.left -= nDelta;
        break;
    default:
        rectWindow.top -= nDelta;
        break;
    }
    MoveBarWindow(rectWindow, TRUE, NULL);
    if (bLayout)
        AdjustDockingLayout();
}

CVrxPDockBarRow* CVrxPDockBar::RowFromPoint(CPoint pointScreen, BOOL& bBefore) const
{
    bBefore = FALSE;
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL;)
    {
        CVrxPDockBarRow* pRow = m_lstRows.GetNext(pos);
        if (pRow->IsVisible() && pRow->GetRowScreenRect().PtInRect(pointScreen))
            return pRow;
    }
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    bBefore = IsAlignedHorizontally() ? pointScreen.y < rectWindow.top : pointScreen.x < rectWindow.left;
    return nullptr;
}

CVrxPDockBarRow* CVrxPDockBar::RowFromRect(const CRect& rectClient) const
{
    CPoint corner = rectClient.TopLeft();
    ClientToScreen(&corner);
    BOOL bBefore = FALSE;
    return RowFromPoint(corner, bBefore);
}

CVrxPDockBarRow* CVrxPDockBar::RowOfBar(const CVrxPBaseControlBar* pBar) const
{
    const CVrxPControlBar* pControlBar = dynamic_cast<const CVrxPControlBar*>(pBar);
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL && pControlBar != nullptr;)
    {
        CVrxPDockBarRow* pRow = m_lstRows.GetNext(pos);
        if (pRow->ContainsBar(pControlBar))
            return pRow;
    }
    return nullptr;
}

int CVrxPDockBar::RowIndexOf(const CVrxPDockBarRow* pRow) const
{
    int nIndex = 0;
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL; nIndex++)
        if (m_lstRows.GetNext(pos) == pRow)
            return nIndex;
    return 0;
}

CVrxPBaseControlBar* CVrxPDockBar::FindDockedBarById(UINT nId) const
{
    for (POSITION pos = m_lstDockedBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPBaseControlBar* pBar = m_lstDockedBars.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        if (static_cast<UINT>(pBar->GetDlgCtrlID()) == nId)
            return pBar;
        if (dynamic_cast<CVrxPReBar*>(pBar) != nullptr)
            if (CVrxPControlBar* pBand = dynamic_cast<CVrxPControlBar*>(pBar->GetDlgItem(static_cast<int>(nId))))
                return pBand;
    }
    return nullptr;
}

CVrxPDockBarRow* CVrxPDockBar::NextVisibleRow(POSITION pos, BOOL bForward) const
{
    while (pos != NULL)
    {
        CVrxPDockBarRow* pRow = bForward ? m_lstRows.GetNext(pos) : m_lstRows.GetPrev(pos);
        if (pRow->IsVisible())
            return pRow;
    }
    return nullptr;
}

void CVrxPDockBar::SwapRows(CVrxPDockBarRow* pRowA, CVrxPDockBarRow* pRowB)
{
    POSITION posA = m_lstRows.Find(pRowA);
    POSITION posB = m_lstRows.Find(pRowB);
    if (posA == NULL || posB == NULL || pRowA == pRowB)
        return;
    POSITION posAfter = posA;
    m_lstRows.GetNext(posAfter);
    POSITION posBefore = posA;
    m_lstRows.GetPrev(posBefore);
    const BOOL bBAfter = NextVisibleRow(posAfter, TRUE) == pRowB;
    const BOOL bBBefore = !bBAfter && NextVisibleRow(posBefore, FALSE) == pRowB;
    if (!bBAfter && !bBBefore)
        return;
    m_lstRows.SetAt(posA, pRowB);
    m_lstRows.SetAt(posB, pRowA);
    const int nA = pRowA->GetExtent();
    const int nB = pRowB->GetExtent();
    pRowB->Move(bBAfter ? -nA : nA);
    pRowA->Move(bBAfter ? nB : -nB);
    RefreshBarRects();
}

BOOL CVrxPDockBar::DockBar(CVrxPControlBar* pBar, int nMethod, const CRect* pRect)
{
    CRect rectPlace = pRect != nullptr ? *pRect : CRect();
    const BOOL bHorizontal = IsAlignedHorizontally();
    CSize size = pBar->CalcBarSize(FALSE, bHorizontal);
    const int nThickness = bHorizontal ? size.cy : size.cx;
    if (m_lstDockedBars.Find(pBar) != NULL)
        return TRUE;

    CVrxPDockBarRow* pRow = nullptr;
    BOOL bBefore = FALSE;
    const CVrxPDockHistory& history = pBar->GetDockHistory();
    if (nMethod == CVrxPControlBar::dockByMouse)
    {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        pRow = RowFromPoint(cursor, bBefore);
    }
    else if (nMethod == CVrxPControlBar::dockToRecentPlace || nMethod == CVrxPControlBar::dockAtRect)
    {
        if (nMethod == CVrxPControlBar::dockToRecentPlace && history.recentRow != nullptr &&
            m_lstRows.Find(history.recentRow) != NULL)
        {
            pRow = history.recentRow;
        }
        else if (applyingState)
        {
            while (m_lstRows.GetCount() <= history.recentRowIndex)
                if (InsertRow(nullptr, nThickness) == nullptr)
                    break;
            POSITION pos = m_lstRows.FindIndex(history.recentRowIndex);
            pRow = pos != NULL ? m_lstRows.GetAt(pos) : nullptr;
        }
        else if (nMethod == CVrxPControlBar::dockToRecentPlace)
        {
            POSITION pos = m_lstRows.FindIndex(history.recentRowIndex);
            if (pos != NULL)
                pRow = m_lstRows.GetAt(pos);
            else if (!history.recentDockedRect.IsRectEmpty())
                pRow = RowFromRect(history.recentDockedRect);
        }
        else if (pRect != nullptr)
        {
            CRect rectClient = *pRect;
            ScreenToClient(&rectClient);
            pRow = RowFromRect(rectClient);
        }
        if (pRow == nullptr)
            pRow = InsertRow(nullptr, nThickness);
        rectPlace = history.recentDockedRect;
        ClientToScreen(&rectPlace);
    }
    else
    {
        pRow = InsertRow(nullptr, nThickness);
    }

    if (pRow != nullptr && (pRow->HasExclusiveBar() || (!pBar->CanShareRow() && !pRow->IsEmpty())))
    {
        POSITION pos = m_lstRows.Find(pRow);
        if (!bBefore)
        {
            m_lstRows.GetNext(pos);
            pRow = InsertRow(pos != NULL ? m_lstRows.GetAt(pos) : nullptr, nThickness);
        }
        else
        {
            pRow = InsertRow(pRow, nThickness);
        }
    }
    else if (pRow == nullptr)
    {
        pRow = InsertRow(bBefore && !m_lstRows.IsEmpty() ? m_lstRows.GetHead() : nullptr, nThickness);
    }
    if (pRow == nullptr)
        return FALSE;

    pRow->PlaceBar(pBar, nMethod, rectPlace, FALSE);
    size = pBar->CalcBarSize(FALSE, bHorizontal);
    if ((bHorizontal ? size.cy : size.cx) != nThickness)
        SetRowExtent(pRow, bHorizontal ? size.cy : size.cx, TRUE);
    m_lstDockedBars.AddTail(pBar);
    AdjustDockingLayout();
    ShowWindow(SW_SHOWNA);
    return FALSE;
}

BOOL CVrxPDockBar::DockBarLeftOf(CVrxPControlBar* pBar, CVrxPControlBar* pOtherBar)
{
    CVrxPDockBarRow* pRow = RowOfBar(pOtherBar);
    if (pRow == nullptr)
        return FALSE;
    CRect rectOther;
    pOtherBar->GetWindowRect(&rectOther);
    ScreenToClient(&rectOther);
    const BOOL bHorizontal = IsAlignedHorizontally();
    const CSize size = pBar->CalcBarSize(FALSE, bHorizontal);
    const int nGap = 10;
    CRect rectBar = bHorizontal ? CRect(rectOther.left - size.cx - nGap, rectOther.top, rectOther.left - nGap,
                                        rectOther.bottom)
                                : CRect(rectOther.left, rectOther.top - size.cy - nGap, rectOther.right,
                                        rectOther.top - nGap);
    pBar->AttachToDockSite(this, CVrxPControlBar::dockAtRect);
    ClientToScreen(&rectBar);
    pRow->m_bCountHidden = TRUE;
    pRow->PlaceBar(pBar, CVrxPControlBar::dockAtRect, rectBar, FALSE);
    m_lstDockedBars.InsertBefore(m_lstDockedBars.Find(pOtherBar), pBar);
    AdjustDockingLayout();
    RefreshBarRects();
    pRow->m_bCountHidden = FALSE;
    return TRUE;
}

void CVrxPDockBar::RemoveBar(CVrxPControlBar* pBar)
{
    if (POSITION pos = m_lstDockedBars.Find(pBar))
        m_lstDockedBars.RemoveAt(pos);
    if (CVrxPDockBarRow* pRow = pBar->GetDockBarRow())
        pRow->RemoveBar(pBar);
}

BOOL CVrxPDockBar::MoveBar(CVrxPControlBar* pBar, int dx, int dy)
{
    CVrxPDockBarRow* pRow = pBar->GetDockBarRow();
    if (pRow == nullptr)
        return FALSE;
    CRect rectNew = pBar->GetSavedRectScreen();
    rectNew.OffsetRect(dx, dy);
    const CRect rectRow = pRow->GetRowScreenRect();

    CVrxPDockBar* pUnderCursor = nullptr;
    if (pBar->HitTestDropTarget(tearOffThreshold, pUnderCursor))
    {
        pBar->OffsetSavedRect(dx, dy);
        pBar->FloatBar(rectNew, CVrxPControlBar::dockByMouse, TRUE);
        return TRUE;
    }

    BOOL bBefore = FALSE;
    CVrxPDockBarRow* pRowUnder = RowFromPoint(rectNew.CenterPoint(), bBefore);
    const BOOL bHorizontal = IsAlignedHorizontally();
    const int nDelta = bHorizontal ? std::min(rectRow.bottom - rectNew.bottom, rectRow.top - rectNew.top)
                                   : std::min(rectRow.right - rectNew.right, rectRow.left - rectNew.left);
    const int nThickness = bHorizontal ? rectNew.Height() : rectNew.Width();
    if (std::abs(nDelta) > (2 * nThickness) / 3)
    {
        if (pRow->GetBars().GetCount() > 1 && nDelta < pRow->GetExtent())
        {
            // A new row on the side the bar was dragged to.
            POSITION pos = m_lstRows.Find(pRow);
            CVrxPDockBarRow* pBefore = pRow;
            if (nDelta < 0)
            {
                m_lstRows.GetNext(pos);
                pBefore = NextVisibleRow(pos, TRUE);
            }
            pRow->RemoveBar(pBar);
            CVrxPDockBarRow* pNewRow = InsertRow(pBefore, nThickness);
            if (pNewRow != nullptr)
                pNewRow->AddBarByMethod(pBar, CVrxPControlBar::dockByMouse);
            AdjustDockingLayout();
            return FALSE;
        }
        if (pRowUnder != nullptr && pRowUnder != pRow)
        {
            if (pRow->HasExclusiveBar())
            {
                SwapRows(pRowUnder, pRow);
            }
            else if (pRowUnder->HasExclusiveBar())
            {
                SwapRows(pRow, pRowUnder);
            }
            else
            {
                pRow->RemoveBar(pBar);
                pRowUnder->AddBarByMethod(pBar, CVrxPControlBar::dockByMouse);
            }
            pBar->changedRowDuringDrag = TRUE;
            AdjustDockingLayout();
            return FALSE;
        }
    }
    if (std::abs(nDelta) < rectRow.Height())
        pRow->MoveBar(pBar, dx, dy, TRUE);
    return FALSE;
}

void CVrxPDockBar::AdjustLayout(const CRect& rectNewClient)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    const int dw = rectNewClient.Width() - rectClient.Width();
    const int dh = rectNewClient.Height() - rectClient.Height();
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL;)
    {
        CVrxPDockBarRow* pRow = m_lstRows.GetNext(pos);
        if (dw == 0 && dh == 0)
        {
            pRow->FitBars();
            continue;
        }
        if (dw != 0)
            pRow->OnDockBarResized(rectNewClient, WMSZ_RIGHT, dw > 0, std::abs(dw));
        if (dh != 0)
            pRow->OnDockBarResized(rectNewClient, WMSZ_BOTTOM, dh > 0, std::abs(dh));
    }
}

void CVrxPDockBar::RefreshBarRects()
{
    for (POSITION pos = m_lstRows.GetHeadPosition(); pos != NULL;)
        m_lstRows.GetNext(pos)->RestoreBarPositions(0, nullptr);
}

BOOL CVrxPDockBar::ShowBar(CVrxPBaseControlBar* pBar, BOOL bShow, BOOL bDelay, BOOL)
{
    CVrxPDockBarRow* pRow = RowOfBar(pBar);
    CVrxPControlBar* pControlBar = dynamic_cast<CVrxPControlBar*>(pBar);
    if (pRow == nullptr || pControlBar == nullptr)
        return FALSE;
    return pRow->ShowBar(pControlBar, bShow, bDelay);
}

CVrxPBaseControlBar* CVrxPDockBar::BarFromPoint(CPoint pointScreen) const
{
    for (POSITION pos = m_lstDockedBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPBaseControlBar* pBar = m_lstDockedBars.GetNext(pos);
        CRect rect;
        pBar->GetWindowRect(&rect);
        if (rect.PtInRect(pointScreen))
            return pBar;
    }
    return nullptr;
}

void CVrxPDockBar::AdjustDockingLayout()
{
    CWnd* pParent = GetParent();
    if (dynamic_cast<CDialog*>(pParent) != nullptr)
    {
        barsOutsideFrame = TRUE;
        return;
    }
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pParent))
        pFrame->RecalcLayout(FALSE);
}

void CVrxPDockBar::OnPaint()
{
    ValidateRect(nullptr);
}

BOOL CVrxPDockBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    CVrxPVisualManager::Instance()->PaintBarBackground(pDC, this, rectClient, rectClient, FALSE);
    return TRUE;
}

void CVrxPDockBar::OnDestroy()
{
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(GetParent()))
        pManager->RemoveBarFromList(this);
    CVrxPBaseControlBar::OnDestroy();
}

void CVrxPDockBar::PostNcDestroy()
{
    delete this;
}
