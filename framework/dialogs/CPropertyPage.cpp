#include "dialogs/CPropertyPage.h"

#include "dialogs/CPropertySheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage()
{
}

CPropertyPage::CPropertyPage(UINT nIDTemplate) : CDialog(nIDTemplate)
{
}

BOOL CPropertyPage::OnSetActive()
{
    return UpdateData(FALSE);
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

CPropertySheet* CPropertyPage::GetSheet() const
{
    return m_hWnd != NULL ? dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))) : nullptr;
}

// A page never ends itself as a dialog would: hidden, it would leave an
// empty tab.
void CPropertyPage::OnOK()
{
    if (CPropertySheet* pSheet = GetSheet())
        pSheet->SendMessage(WM_COMMAND, IDOK, 0);
}

void CPropertyPage::OnCancel()
{
    if (CPropertySheet* pSheet = GetSheet())
        pSheet->SendMessage(WM_COMMAND, IDCANCEL, 0);
}
