// CVrxPToolBar in customise mode: selecting buttons, dragging them within
// and between bars, off a bar to remove them, and the drop side that places
// what is dragged over the bar.

#include "toolbars/CVrxPToolBar.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPFindOwnerFrame.h"
#include "foundation/VrxPLibrary.h"
#include "frames/CFrameWnd.h"
#include "gdi/CBrush.h"
#include "gdi/CDC.h"
#include "gdi/CPen.h"
#include "ole/COleDataSource.h"
#include "toolbars/CVrxPButtonDragSource.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

BOOL CVrxPToolBar::altCustomizing = FALSE;
CVrxPToolBar* CVrxPToolBar::selectedBar = nullptr;

namespace
{
// The insert mark is this thick along the bar; a drag of this many pixels
// or less does not change a button's group.
constexpr int kInsertMarkThickness = 6;
constexpr int kGroupDragThreshold = 5;

int IndexOf(const CObList& buttons, const CObject* pButton)
{
    int nIndex = 0;
    for (POSITION pos = buttons.GetHeadPosition(); pos != NULL; nIndex++)
        if (buttons.GetNext(pos) == pButton)
            return nIndex;
    return -1;
}

const UINT kFullRedraw = RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN;
} // namespace

// A bar that goes or comes during the walk restarts it; bars already told
// are not told twice.
BOOL CVrxPToolBar::SetCustomizeMode(BOOL bOn)
{
    bOn = bOn != FALSE;
    if ((customizeMode != FALSE) == bOn)
        return FALSE;
    CObList& all = VrxPAllToolBars();
    std::vector<CVrxPToolBar*> told;
    for (POSITION pos = all.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(all.GetNext(pos));
        if (std::find(told.begin(), told.end(), pBar) != told.end())
            continue;
        told.push_back(pBar);
        const INT_PTR nBefore = all.GetCount();
        pBar->OnCustomizeModeChanged(bOn);
        if (all.GetCount() != nBefore)
            pos = all.GetHeadPosition();
    }
    customizeMode = bOn;
    BOOL bFrameDone = FALSE;
    for (POSITION pos = all.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(all.GetNext(pos));
        if (!pBar->m_bLocked)
            pBar->RecalcBarLayout();
        if (pBar->GetSafeHwnd() == NULL || !pBar->IsWindowVisible())
            continue;
        if (!bFrameDone)
            if (CFrameWnd* pFrame = VrxPFindOwnerFrame(pBar))
            {
                pFrame->RecalcLayout();
                bFrameDone = TRUE;
            }
        pBar->RedrawWindow(nullptr, nullptr, kFullRedraw);
    }
    if (!bOn)
        selectedBar = nullptr;
    return TRUE;
}

void CVrxPToolBar::OnCustomizeModeChanged(BOOL)
{
    m_nPressed = -1;
    m_nHot = -1;
    m_nSelected = -1;
}

void CVrxPToolBar::SelectButton(int nIndex)
{
    if (nIndex == m_nSelected)
        return;
    CVrxPToolbarButton* pOld = GetButton(m_nSelected);
    m_nSelected = nIndex;
    if (m_hWnd == NULL)
        return;
    if (pOld != nullptr)
        InvalidateRect(&pOld->rect);
    if (CVrxPToolbarButton* pNew = GetButton(nIndex))
        InvalidateRect(&pNew->rect);
}

BOOL CVrxPToolBar::HandleCustomizePress(UINT nFlags, CPoint point)
{
    if (m_bLocked)
        return FALSE;
    if (customizeMode && selectedBar != this)
    {
        CVrxPToolBar* pOld = selectedBar;
        selectedBar = this;
        if (pOld != nullptr)
            pOld->SelectButton(-1);
    }
    altCustomizing = AltDragEnabled && AllowsAltDrag() && !customizeMode && ::GetKeyState(VK_MENU) < 0;
    if (!customizeMode && !altCustomizing)
        return FALSE;
    const int nHit = ButtonIndexAtPoint(point);
    CVrxPToolbarButton* pButton = GetButton(nHit);
    if (pButton == nullptr)
    {
        altCustomizing = FALSE;
        SelectButton(-1);
        m_nKeyboard = -1;
        CVrxPControlBar::OnLButtonDown(nFlags, point);
        return TRUE;
    }
    SelectButton(nHit);
    m_bDragCopy = (nFlags & MK_CONTROL) != 0;
    m_pDragged = pButton;
    if (!pButton->AllowsEditing())
        SelectButton(-1);
    if (pButton->IsDraggable() && pButton->PrepareForDrag())
        DragButton(nHit, point);
    else
    {
        m_pDragged = nullptr;
        altCustomizing = FALSE;
    }
    return TRUE;
}

// A drag that never began, or ends back over the button, leaves it hot. A
// move that ends away from this bar with no key or button held removes the
// button; a drop on this bar has already placed it (and cleared the dragged
// button), so nothing here touches it again.
void CVrxPToolBar::DragButton(int nIndex, CPoint point)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    const BOOL bAltDrag = altCustomizing;
    COleDataSource source;
    if (!pButton->PutOnDataSource(source))
    {
        m_pDragged = nullptr;
        altCustomizing = FALSE;
        return;
    }
    ShowCommandPrompt(pButton->commandId);
    CVrxPButtonDragSource& dragSource = CVrxPButtonDragSource::Shared();
    dragSource.dragStarted = FALSE;
    m_dragStart = point;
    if (bAltDrag)
        customizeMode = TRUE;
    CRect rectStart = pButton->rect;
    ClientToScreen(&rectStart);
    const HWND hWnd = m_hWnd;
    const DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &rectStart, &dragSource);
    if (!::IsWindow(hWnd))
    {
        if (bAltDrag)
        {
            altCustomizing = FALSE;
            customizeMode = FALSE;
        }
        return;
    }
    // Alt is still down as an Alt-drag ends; it must not make the move a
    // copy.
    const DWORD nDragKeys = bAltDrag ? MK_ALT : 0;
    const BOOL bDroppedHere = m_pDragged == nullptr;
    const int nNow = bDroppedHere ? -1 : IndexOf(m_buttons, pButton);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    if (nNow >= 0)
    {
        if (!dragSource.dragStarted || pButton->rect.PtInRect(cursor))
            SetHighlightedIndex(nNow);
        else if (effect != DROPEFFECT_COPY && (dragSource.lastKeyState & ~nDragKeys) == 0 &&
                 ConfirmDragRemoval(pButton, effect))
        {
            RemoveButtonAt(nNow);
            RecalcBarLayout();
            RedrawWindow(nullptr, nullptr, kFullRedraw);
        }
        else
            InvalidateRect(&pButton->rect);
    }
    m_dragStart = CPoint(-1, -1);
    m_pDragged = nullptr;
    if (bAltDrag)
    {
        altCustomizing = FALSE;
        SetCustomizeMode(FALSE);
    }
}

DROPEFFECT CVrxPToolBar::HandleDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return HandleDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CVrxPToolBar::HandleDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (m_bLocked)
        return DROPEFFECT_NONE;
    std::unique_ptr<CVrxPToolbarButton> pButton(CVrxPToolbarButton::CreateFromDataObject(pDataObject));
    if (pButton == nullptr || !pButton->CanDropOnto(this))
        return DROPEFFECT_NONE;
    m_bDragCopy = (dwKeyState & MK_CONTROL) != 0;
    if (m_pDragged == nullptr)
        SelectButton(-1);
    CRect rectMark;
    const int nIndex = DropIndexAtPoint(point, &rectMark);
    m_nDropIndex = nIndex;
    if (rectMark != m_rectInsertMark)
    {
        CRect rectOld = m_rectInsertMark;
        rectOld.InflateRect(2, 2);
        InvalidateRect(&rectOld);
        m_rectInsertMark = rectMark;
        CRect rectNew = rectMark;
        rectNew.InflateRect(2, 2);
        InvalidateRect(&rectNew);
        UpdateWindow();
    }
    SetHotIndex(ButtonIndexAtPoint(point));
    if (nIndex == -1)
        return DROPEFFECT_NONE;
    return m_bDragCopy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CVrxPToolBar::HandleDragLeave()
{
    m_nDropIndex = -1;
    CRect rectOld = m_rectInsertMark;
    rectOld.InflateRect(2, 2);
    if (m_hWnd != NULL)
        InvalidateRect(&rectOld);
    m_rectInsertMark.SetRectEmpty();
}

BOOL CVrxPToolBar::HandleDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (m_nDropIndex < 0)
        return FALSE;
    int nDropIndex = m_nDropIndex;
    CVrxPToolbarButton* pDragged = m_pDragged;
    m_pDragged = nullptr;
    HandleDragLeave();
    std::unique_ptr<CVrxPToolbarButton> pNew(ButtonFromDropData(pDataObject));
    if (pNew == nullptr)
        return FALSE;
    if (!pNew->AcceptsDropOnto(this))
        return TRUE;
    pNew->reserved = 0;
    const int nDragged = pDragged != nullptr ? IndexOf(m_buttons, pDragged) : -1;
    if (nDragged >= 0 && dropEffect != DROPEFFECT_COPY)
    {
        if (nDropIndex == nDragged || nDropIndex == nDragged + 1)
        {
            AdjustGroupByDragOffset(pDragged, m_dragStart, point);
            return TRUE;
        }
        // The entry that was at the drop index keeps its place through the
        // removal, which may take a doubled separator with the button.
        const CObject* pAtDrop = GetButton(nDropIndex);
        RemoveButtonAt(nDragged);
        nDropIndex = pAtDrop != nullptr ? IndexOf(m_buttons, pAtDrop) : GetCount();
        if (nDropIndex < 0 || nDropIndex > GetCount())
            nDropIndex = GetCount();
    }
    if (InsertButtonAt(pNew.get(), nDropIndex) < 0)
        return FALSE;
    pNew.release();
    RecalcBarLayout();
    SelectButton(-1);
    RedrawWindow(nullptr, nullptr, kFullRedraw);
    return TRUE;
}

// A button from the commands list shows its image; one that has neither an
// image nor a text has nothing to show and is refused.
CVrxPToolbarButton* CVrxPToolBar::ButtonFromDropData(COleDataObject* pDataObject)
{
    std::unique_ptr<CVrxPToolbarButton> pButton(CVrxPToolbarButton::CreateFromDataObject(pDataObject));
    if (pButton == nullptr)
        return nullptr;
    const int nTab = pButton->text.Find('\t');
    if (nTab >= 0)
        pButton->text = pButton->text.Left(nTab);
    if (pButton->reserved != 0)
    {
        pButton->textShown = FALSE;
        pButton->imageShown = TRUE;
        if (pButton->GetEffectiveImage() < 0 && pButton->text.IsEmpty())
            return nullptr;
    }
    if (pButton->GetEffectiveImage() < 0)
    {
        pButton->textShown = TRUE;
        pButton->imageShown = FALSE;
    }
    return pButton.release();
}

int CVrxPToolBar::DropIndexAtPoint(CPoint point, CRect* pMark) const
{
    if (point.y < 0)
        point.y = 0;
    CRect rectClient;
    GetClientRect(&rectClient);
    const BOOL bHorizontal = IsAlignedHorizontally();
    int nIndex = -1;
    int nEdge = 0;
    CRect rectAcross;
    if (GetCount() == 0)
    {
        nIndex = 0;
        nEdge = bHorizontal ? rectClient.left : rectClient.top;
        rectAcross = rectClient;
    }
    else if (bHorizontal)
    {
        std::vector<std::pair<int, const CVrxPToolbarButton*>> shown;
        int i = 0;
        for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL; i++)
        {
            const CVrxPToolbarButton* pButton = static_cast<const CVrxPToolbarButton*>(m_buttons.GetNext(pos));
            if (pButton->visible && !pButton->rect.IsRectEmpty())
                shown.emplace_back(i, pButton);
        }
        int nGap = m_nButtonHeight;
        for (size_t k = 1; k < shown.size(); k++)
            if (shown[k].second->rect.top >= shown[k - 1].second->rect.bottom)
                nGap = shown[k].second->rect.top - shown[k - 1].second->rect.bottom;
        const int nPitch = m_nButtonHeight + nGap;
        const int nTargetRow = nPitch > 0 ? (point.y - rectClient.top) / nPitch : 0;
        int nRow = 0;
        const CVrxPToolbarButton* pLastInRow = nullptr;
        int nLastInRow = -1;
        for (size_t k = 0; k < shown.size() && nIndex < 0; k++)
        {
            const CRect& rect = shown[k].second->rect;
            if (k > 0 && rect.top >= shown[k - 1].second->rect.bottom)
                nRow++;
            if (nRow > nTargetRow)
                break;
            if (nRow < nTargetRow)
                continue;
            rectAcross = rect;
            if (point.x < rect.left)
            {
                nIndex = shown[k].first;
                nEdge = rect.left;
            }
            else if (point.x < rect.right)
            {
                const BOOL bAfter = rect.right - point.x < point.x - rect.left;
                nIndex = bAfter ? shown[k].first + 1 : shown[k].first;
                nEdge = bAfter ? rect.right : rect.left;
            }
            pLastInRow = shown[k].second;
            nLastInRow = shown[k].first;
        }
        if (nIndex < 0 && pLastInRow != nullptr)
        {
            nIndex = nLastInRow + 1;
            nEdge = pLastInRow->rect.right;
            rectAcross = pLastInRow->rect;
        }
    }
    else
    {
        int i = 0;
        for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL && nIndex < 0; i++)
        {
            const CRect& rect = static_cast<const CVrxPToolbarButton*>(m_buttons.GetNext(pos))->rect;
            if (point.y < rect.top)
            {
                nIndex = i;
                nEdge = rect.top;
            }
            else if (point.y < rect.bottom)
            {
                const BOOL bAfter = rect.bottom - point.y < point.y - rect.top;
                nIndex = bAfter ? i + 1 : i;
                nEdge = bAfter ? rect.bottom : rect.top;
            }
            rectAcross = rect;
        }
    }
    pMark->SetRectEmpty();
    if (nIndex < 0)
        return -1;
    const int nHalf = kInsertMarkThickness / 2;
    if (bHorizontal)
    {
        pMark->SetRect(nEdge - nHalf, rectAcross.top, nEdge + nHalf, rectAcross.bottom);
        if (pMark->left < rectClient.left)
            pMark->OffsetRect(rectClient.left - pMark->left, 0);
        if (pMark->right > rectClient.right)
            pMark->OffsetRect(rectClient.right - pMark->right, 0);
    }
    else
    {
        pMark->SetRect(rectAcross.left, nEdge - nHalf, rectAcross.right, nEdge + nHalf);
        if (pMark->top < rectClient.top)
            pMark->OffsetRect(0, rectClient.top - pMark->top);
        if (pMark->bottom > rectClient.bottom)
            pMark->OffsetRect(0, rectClient.bottom - pMark->bottom);
    }
    return nIndex;
}

// An I-beam: a line through the mark's middle with a bar across each end,
// two pixels thick.
void CVrxPToolBar::DrawInsertMark(CDC* pDC) const
{
    if (m_rectInsertMark.IsRectEmpty())
        return;
    CPen pen(PS_SOLID, 1, VrxPGlobals().colorBarText);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const CRect& mark = m_rectInsertMark;
    const CPoint centre = mark.CenterPoint();
    for (int i = 0; i < 2; i++)
    {
        if (IsAlignedHorizontally())
        {
            pDC->MoveTo(centre.x + i - 1, mark.top);
            pDC->LineTo(centre.x + i - 1, mark.bottom);
            pDC->MoveTo(mark.left + i, mark.top + i);
            pDC->LineTo(mark.right - i, mark.top + i);
            pDC->MoveTo(mark.left + i, mark.bottom - 1 - i);
            pDC->LineTo(mark.right - i, mark.bottom - 1 - i);
        }
        else
        {
            pDC->MoveTo(mark.left, centre.y + i - 1);
            pDC->LineTo(mark.right, centre.y + i - 1);
            pDC->MoveTo(mark.left + i, mark.top + i);
            pDC->LineTo(mark.left + i, mark.bottom - i);
            pDC->MoveTo(mark.right - 1 - i, mark.top + i);
            pDC->LineTo(mark.right - 1 - i, mark.bottom - i);
        }
    }
    pDC->SelectObject(pOldPen);
}

void CVrxPToolBar::AdjustGroupByDragOffset(CVrxPToolbarButton* pButton, CPoint pointStart, CPoint pointDrop)
{
    const int nIndex = IndexOf(m_buttons, pButton);
    if (nIndex <= 0)
        return;
    const int nDistance = IsAlignedHorizontally() ? pointDrop.x - pointStart.x : pointDrop.y - pointStart.y;
    if (std::abs(nDistance) <= kGroupDragThreshold)
        return;
    const CVrxPToolbarButton* pPrevious = GetButton(nIndex - 1);
    if (nDistance > 0 && !pPrevious->IsSeparator())
        InsertSeparatorAt(nIndex);
    else if (nDistance < 0 && pPrevious->IsSeparator() && pPrevious->visible)
        DeleteEntry(nIndex - 1);
    RecalcBarLayout();
    SelectButton(-1);
    RedrawWindow(nullptr, nullptr, kFullRedraw);
}

void CVrxPToolBar::PaintCustomizeMarks(CDC& dc)
{
    if (!customizeMode || m_bLocked)
        return;
    const CVrxPToolbarButton* pSelected = GetButton(m_nSelected);
    if (selectedBar == this && pSelected != nullptr && pSelected->IsDraggable())
    {
        CBrush brush(VrxPGlobals().colorBarText);
        CRect rect = pSelected->rect;
        dc.FrameRect(&rect, &brush);
        rect.DeflateRect(1, 1);
        dc.FrameRect(&rect, &brush);
    }
    if (m_nDropIndex >= 0)
        DrawInsertMark(&dc);
}
