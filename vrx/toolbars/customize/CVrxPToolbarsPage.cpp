#include "toolbars/customize/CVrxPToolbarsPage.h"

#include "docking/frames/CVrxPFrameWnd.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMessages.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/customize/CVrxPToolbarTitleDialog.h"
#include "toolbars/customize/VrxPCustomizeResources.h"

IMPLEMENT_DYNAMIC(CVrxPToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CVrxPToolbarsPage, CPropertyPage)
    ON_LBN_SELCHANGE(VrxPIdcToolbarList, OnSelectionChange)
    ON_LBN_DBLCLK(VrxPIdcToolbarList, OnDoubleClick)
    ON_BN_CLICKED(VrxPIdcResetToolbar, OnReset)
    ON_BN_CLICKED(VrxPIdcResetAll, OnResetAll)
    ON_BN_CLICKED(VrxPIdcNewToolbar, OnNew)
    ON_BN_CLICKED(VrxPIdcRenameToolbar, OnRename)
    ON_BN_CLICKED(VrxPIdcDeleteToolbar, OnDelete)
END_MESSAGE_MAP()

namespace
{
CVrxPFrameHelper* HelperOf(CFrameWnd* pFrame)
{
    if (CVrxPMDIFrameWnd* pMdi = dynamic_cast<CVrxPMDIFrameWnd*>(pFrame))
        return &pMdi->GetFrameHelper();
    if (CVrxPFrameWnd* pSdi = dynamic_cast<CVrxPFrameWnd*>(pFrame))
        return &pSdi->GetFrameHelper();
    return nullptr;
}

CString NameOf(CVrxPToolBar* pBar)
{
    CString name;
    pBar->GetWindowText(name);
    return name.IsEmpty() ? CString(CVrxPToolbarsPage::untitledName) : name;
}

BOOL Confirm(CWnd* pParent, LPCTSTR lpszFormat, LPCTSTR lpszName)
{
    CString question;
    question.Format(lpszFormat, lpszName);
    return pParent->MessageBox(question, NULL, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
} // namespace

CVrxPToolbarsPage::CVrxPToolbarsPage(CFrameWnd* pFrame)
    : CPropertyPage(VrxPIddToolbarsPage), m_pSelected(nullptr), m_pFrame(pFrame), m_bUserDefined(FALSE),
      m_bTextLabelsOption(FALSE)
{
}

BOOL CVrxPToolbarsPage::IsUserDefinedToolbar(CVrxPToolBar* pBar)
{
    CFrameWnd* pFrame = pBar != nullptr && pBar->GetSafeHwnd() != NULL ? pBar->GetTopLevelFrame() : nullptr;
    CVrxPFrameHelper* pHelper = HelperOf(pFrame);
    return pHelper != nullptr && pHelper->IsUserToolbar(pBar);
}

BOOL CVrxPToolbarsPage::IsListed(CVrxPToolBar* pBar) const
{
    if (pBar->GetSafeHwnd() == NULL || CWnd::FromHandlePermanent(pBar->GetSafeHwnd()) != pBar ||
        !pBar->IsListedOnToolbarsPage())
        return FALSE;
    CFrameWnd* pOwn = m_pFrame != nullptr ? m_pFrame->GetTopLevelFrame() : nullptr;
    if (pOwn == nullptr)
        pOwn = m_pFrame;
    return pBar->GetTopLevelFrame() == pOwn;
}

BOOL CVrxPToolbarsPage::OnInitDialog()
{
    if (!CPropertyPage::OnInitDialog())
        return FALSE;
    m_list.SubclassDlgItem(VrxPIdcToolbarList, this);
    m_list.SetItemHeight(0, CVrxPBarCheckList::rowHeight);
    if (!m_bUserDefined)
    {
        EnableButton(VrxPIdcNewToolbar, FALSE);
        for (UINT nID : {VrxPIdcNewToolbar, VrxPIdcRenameToolbar, VrxPIdcDeleteToolbar})
            ::ShowWindow(::GetDlgItem(m_hWnd, nID), SW_HIDE);
    }
    CObList& all = VrxPAllToolBars();
    for (POSITION pos = all.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(all.GetNext(pos));
        if (IsListed(pBar))
            AddRow(pBar, FALSE);
    }
    // No toolbar shows text labels yet, so the option is never offered.
    ::ShowWindow(::GetDlgItem(m_hWnd, VrxPIdcTextLabels), m_bTextLabelsOption ? SW_SHOW : SW_HIDE);
    if (m_list.GetCount() > 0)
    {
        m_list.SetCurSel(0);
        OnSelectionChange();
    }
    return TRUE;
}

int CVrxPToolbarsPage::AddRow(CVrxPToolBar* pBar, BOOL bSelect)
{
    const int nRow = m_list.AddString(NameOf(pBar));
    if (nRow < 0)
        return nRow;
    m_list.SetItemDataPtr(nRow, pBar);
    m_list.SetCheck(nRow, (pBar->GetStyle() & WS_VISIBLE) != 0);
    m_list.SetItemCheckable(nRow, pBar->CanBeClosed());
    if (bSelect)
    {
        m_list.SetCurSel(nRow);
        m_list.SetTopIndex(nRow);
        OnSelectionChange();
    }
    return nRow;
}

int CVrxPToolbarsPage::RowOf(CVrxPToolBar* pBar) const
{
    for (int i = 0; i < m_list.GetCount(); i++)
        if (m_list.GetItemDataPtr(i) == pBar)
            return i;
    return -1;
}

void CVrxPToolbarsPage::EnableButton(UINT nID, BOOL bEnable)
{
    ::EnableWindow(::GetDlgItem(m_hWnd, nID), bEnable);
}

void CVrxPToolbarsPage::OnSelectionChange()
{
    const int nRow = m_list.GetCurSel();
    m_pSelected = nRow >= 0 ? static_cast<CVrxPToolBar*>(m_list.GetItemDataPtr(nRow)) : nullptr;
    const BOOL bUser = m_pSelected != nullptr && IsUserDefinedToolbar(m_pSelected);
    EnableButton(VrxPIdcResetToolbar, m_pSelected != nullptr && m_pSelected->CanRestoreOriginal());
    EnableButton(VrxPIdcDeleteToolbar, bUser);
    EnableButton(VrxPIdcRenameToolbar, bUser);
    EnableButton(VrxPIdcTextLabels, FALSE);
}

void CVrxPToolbarsPage::OnDoubleClick()
{
    const int nRow = m_list.GetCurSel();
    if (nRow < 0)
        return;
    m_pSelected = static_cast<CVrxPToolBar*>(m_list.GetItemDataPtr(nRow));
    if (m_pSelected->CanBeClosed())
    {
        m_list.SetCheck(nRow, !m_list.GetCheck(nRow));
        OnCheckChange();
    }
    else
    {
        ::MessageBeep(static_cast<UINT>(-1));
    }
    OnSelectionChange();
}

BOOL CVrxPToolbarsPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == VrxPIdcToolbarList && HIWORD(wParam) == CVrxPBarCheckList::checkChange)
    {
        OnCheckChange();
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CVrxPToolbarsPage::OnCheckChange()
{
    const int nRow = m_list.GetCurSel();
    if (nRow < 0)
        return;
    CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(m_list.GetItemDataPtr(nRow));
    if (pBar->CanBeClosed())
    {
        pBar->SetBarShown(m_list.GetCheck(nRow), FALSE, TRUE);
    }
    else if (!m_list.GetCheck(nRow))
    {
        m_list.SetCheck(nRow, 1);
        ::MessageBeep(static_cast<UINT>(-1));
    }
}

void CVrxPToolbarsPage::SetToolbarCheck(CVrxPToolBar* pBar, BOOL bShown)
{
    if (m_list.GetSafeHwnd() == NULL)
        return;
    const int nRow = RowOf(pBar);
    if (nRow >= 0)
        m_list.SetCheck(nRow, bShown);
}

void CVrxPToolbarsPage::OnReset()
{
    if (m_pSelected == nullptr)
        return;
    CString name;
    m_pSelected->GetWindowText(name);
    if (Confirm(this, resetQuestion, name))
        m_pSelected->RestoreOriginalState();
}

void CVrxPToolbarsPage::OnResetAll()
{
    if (!Confirm(this, resetAllQuestion, ""))
        return;
    for (int i = 0; i < m_list.GetCount(); i++)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(m_list.GetItemDataPtr(i));
        if (pBar->CanRestoreOriginal())
            pBar->RestoreOriginalState();
    }
}

void CVrxPToolbarsPage::OnNew()
{
    CVrxPToolbarTitleDialog dialog(this);
    if (dialog.DoModal() != IDOK || dialog.name.IsEmpty())
        return;
    if (m_pFrame == nullptr || m_pFrame->GetSafeHwnd() == NULL)
    {
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    CVrxPToolBar* pBar = reinterpret_cast<CVrxPToolBar*>(
        m_pFrame->SendMessage(VrxTOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>(dialog.name.GetString())));
    if (pBar != nullptr)
        AddRow(pBar, TRUE);
}

void CVrxPToolbarsPage::OnRename()
{
    if (m_pSelected == nullptr)
        return;
    CVrxPToolbarTitleDialog dialog(this);
    m_pSelected->GetWindowText(dialog.name);
    if (dialog.DoModal() != IDOK)
        return;
    m_pSelected->SetWindowText(dialog.name);
    if (m_pSelected->IsFloatingInMiniFrame())
        if (CVrxPMiniFrameWnd* pMiniFrame = m_pSelected->FindMiniFrameParent())
        {
            pMiniFrame->SetWindowText(dialog.name);
            pMiniFrame->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
        }
    const int nRow = RowOf(m_pSelected);
    if (nRow >= 0)
        m_list.DeleteString(nRow);
    AddRow(m_pSelected, TRUE);
}

void CVrxPToolbarsPage::OnDelete()
{
    if (m_pSelected == nullptr)
        return;
    CString name;
    m_pSelected->GetWindowText(name);
    if (m_pFrame == nullptr || m_pFrame->GetSafeHwnd() == NULL)
    {
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    if (!Confirm(this, deleteQuestion, name))
        return;
    CVrxPToolBar* pBar = m_pSelected;
    const int nRow = RowOf(pBar);
    if (m_pFrame->SendMessage(VrxTOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(pBar)) == 0)
    {
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    if (nRow >= 0)
        m_list.DeleteString(nRow);
    m_list.SetCurSel(0);
    OnSelectionChange();
}
