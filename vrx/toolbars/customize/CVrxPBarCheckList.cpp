#include "toolbars/customize/CVrxPBarCheckList.h"

#include "gdi/CDC.h"

IMPLEMENT_DYNAMIC(CVrxPBarCheckList, CListBox)

namespace
{
const int kBoxSize = 13;
const int kBoxMargin = 2;
} // namespace

void CVrxPBarCheckList::SetItemCheckable(int nIndex, BOOL bCheckable)
{
    if (nIndex >= 0 && nIndex < static_cast<int>(m_checkable.size()))
        m_checkable[nIndex] = bCheckable != FALSE;
}

BOOL CVrxPBarCheckList::IsItemCheckable(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_checkable.size()) && m_checkable[nIndex] != 0;
}

void CVrxPBarCheckList::SetCheck(int nIndex, int nCheck)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_checks.size()))
        return;
    m_checks[nIndex] = nCheck;
    CRect rect = CheckBoxRect(nIndex);
    InvalidateRect(&rect, FALSE);
}

int CVrxPBarCheckList::GetCheck(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_checks.size()) ? m_checks[nIndex] : 0;
}

CRect CVrxPBarCheckList::CheckBoxRect(int nIndex) const
{
    CRect row;
    GetItemRect(nIndex, &row);
    const int y = row.top + (row.Height() - kBoxSize) / 2;
    return CRect(row.left + kBoxMargin, y, row.left + kBoxMargin + kBoxSize, y + kBoxSize);
}

int CVrxPBarCheckList::RowOfCheckBox(CPoint point) const
{
    BOOL bOutside = TRUE;
    const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    return !bOutside && CheckBoxRect(nIndex).PtInRect(point) ? nIndex : -1;
}

void CVrxPBarCheckList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = rowHeight;
}

void CVrxPBarCheckList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (nIndex < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect row = lpDrawItemStruct->rcItem;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const CRect box(row.left + kBoxMargin, row.top + (row.Height() - kBoxSize) / 2, row.left + kBoxMargin + kBoxSize,
                    row.top + (row.Height() - kBoxSize) / 2 + kBoxSize);
    CRect text(box.right + kBoxMargin, row.top, row.right, row.bottom);
    pDC->FillSolidRect(&row, ::GetSysColor(COLOR_WINDOW));
    pDC->FillSolidRect(&text, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CRect boxDrawn = box;
    ::DrawFrameControl(pDC->GetSafeHdc(), &boxDrawn, DFC_BUTTON,
                       DFCS_BUTTONCHECK | DFCS_FLAT | (GetCheck(nIndex) ? DFCS_CHECKED : 0) |
                           (IsItemCheckable(nIndex) ? 0 : DFCS_INACTIVE));
    CString label;
    GetText(nIndex, label);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    text.left += kBoxMargin;
    pDC->DrawText(label, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (lpDrawItemStruct->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&text);
}

BOOL CVrxPBarCheckList::ToggleByUser(int nIndex)
{
    if (!IsItemCheckable(nIndex))
    {
        ::MessageBeep(static_cast<UINT>(-1));
        return FALSE;
    }
    SetCheck(nIndex, !GetCheck(nIndex));
    GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), checkChange), reinterpret_cast<LPARAM>(m_hWnd));
    return TRUE;
}

void CVrxPBarCheckList::KeepFlagsInStep(UINT message, WPARAM wParam, LRESULT result)
{
    if ((message == LB_ADDSTRING || message == LB_INSERTSTRING) && result >= 0)
    {
        const size_t nAt = std::min(static_cast<size_t>(result), m_checks.size());
        m_checks.insert(m_checks.begin() + static_cast<std::ptrdiff_t>(nAt), 0);
        m_checkable.insert(m_checkable.begin() + static_cast<std::ptrdiff_t>(nAt), 1);
    }
    else if (message == LB_DELETESTRING && result >= 0 && wParam < m_checks.size())
    {
        m_checks.erase(m_checks.begin() + static_cast<std::ptrdiff_t>(wParam));
        m_checkable.erase(m_checkable.begin() + static_cast<std::ptrdiff_t>(wParam));
    }
    else if (message == LB_RESETCONTENT)
    {
        m_checks.clear();
        m_checkable.clear();
    }
}

LRESULT CVrxPBarCheckList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    {
        SetFocus();
        const int nIndex = RowOfCheckBox(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        if (nIndex >= 0)
        {
            if (GetCurSel() != nIndex)
            {
                SetCurSel(nIndex);
                GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE),
                                         reinterpret_cast<LPARAM>(m_hWnd));
            }
            ToggleByUser(nIndex);
            return 0;
        }
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
        {
            const int nCaret = GetCaretIndex();
            if (nCaret >= 0 && nCaret < GetCount())
                ToggleByUser(nCaret);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == ' ')
            return 0;
        break;
    default:
        break;
    }
    const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
    KeepFlagsInStep(message, wParam, result);
    return result;
}
