#include "toolbars/customize/CVrxPCustomizeCommandList.h"

#include "gdi/CDC.h"
#include "ole/COleDataSource.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPButtonDragSource.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

IMPLEMENT_DYNAMIC(CVrxPCustomizeCommandList, CListBox)

BEGIN_MESSAGE_MAP(CVrxPCustomizeCommandList, CListBox)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CVrxPCustomizeCommandList::CVrxPCustomizeCommandList() : m_nItemWidth(0), m_nItemHeight(0)
{
}

void CVrxPCustomizeCommandList::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    m_nItemWidth = menuImageSize + rowPadding;
    m_nItemHeight = menuImageSize + rowPadding;
}

CVrxPToolbarButton* CVrxPCustomizeCommandList::GetButton(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? static_cast<CVrxPToolbarButton*>(GetItemDataPtr(nIndex)) : nullptr;
}

void CVrxPCustomizeCommandList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    const int nMinimum = m_nItemHeight > 0 ? m_nItemHeight : menuImageSize + rowPadding;
    if (static_cast<int>(lpMeasureItemStruct->itemHeight) < nMinimum)
        lpMeasureItemStruct->itemHeight = nMinimum;
}

// The button's image, then the row's text (a customise name in place of a
// shared one) after the image column.
void CVrxPCustomizeCommandList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect row = lpDrawItemStruct->rcItem;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    pLook->PaintCustomizeSelection(pDC, row, FALSE);
    const COLORREF text = pLook->PaintCustomizeSelection(pDC, row, bSelected);

    CRect inner = row;
    inner.DeflateRect(2, 0);
    if (pButton->GetEffectiveImage() >= 0)
    {
        CVrxPToolbarImageList* pImages =
            pButton->userImage ? CVrxPToolBar::UserImageList() : CVrxPToolBar::SharedImages();
        const CString own = pButton->text;
        pButton->text.Empty();
        pButton->Draw(pDC, CRect(inner.left, inner.top, inner.left + menuImageSize, inner.bottom), pImages);
        pButton->text = own;
    }
    inner.left += menuImageSize + CVrxPToolbarButton::imageTextGap;
    CString label;
    GetText(nIndex, label);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(text);
    pDC->DrawText(label, &inner, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

BOOL CVrxPCustomizeCommandList::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    CVrxPVisualManager::Instance()->PaintCustomizeSelection(pDC, client, FALSE);
    return TRUE;
}

void CVrxPCustomizeCommandList::OnLButtonDown(UINT nFlags, CPoint point)
{
    Default();
    const int nSelected = GetCurSel();
    CRect row;
    if (nSelected < 0 || GetItemRect(nSelected, &row) == LB_ERR || !row.PtInRect(point))
        return;
    DragRow(nSelected, nFlags, point);
}

// The list's own tracking ends first: the drag loop takes the mouse.
void CVrxPCustomizeCommandList::DragRow(int nIndex, UINT nFlags, CPoint point)
{
    SendMessage(WM_LBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    COleDataSource source;
    pButton->reserved = 1;
    const BOOL bPut = pButton->PutOnDataSource(source);
    pButton->reserved = 0;
    if (!bPut)
        return;
    CRect rectStart;
    GetItemRect(nIndex, &rectStart);
    ClientToScreen(&rectStart);
    CVrxPButtonDragSource& dragSource = CVrxPButtonDragSource::Shared();
    dragSource.dragStarted = FALSE;
    source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &rectStart, &dragSource);
}
