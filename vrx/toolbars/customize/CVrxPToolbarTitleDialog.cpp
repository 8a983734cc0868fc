#include "toolbars/customize/CVrxPToolbarTitleDialog.h"

#include "app/CWinThread.h"
#include "toolbars/customize/VrxPCustomizeResources.h"

IMPLEMENT_DYNAMIC(CVrxPToolbarTitleDialog, CDialog)

BEGIN_MESSAGE_MAP(CVrxPToolbarTitleDialog, CDialog)
    ON_EN_UPDATE(VrxPIdcToolbarName, OnNameUpdate)
END_MESSAGE_MAP()

CVrxPToolbarTitleDialog::CVrxPToolbarTitleDialog(CWnd* pParent) : CDialog(VrxPIddToolbarName, pParent)
{
}

BOOL CVrxPToolbarTitleDialog::OnInitDialog()
{
    if (!CDialog::OnInitDialog())
        return FALSE;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != nullptr && pMain->GetSafeHwnd() != NULL && (pMain->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    SetDlgItemText(VrxPIdcToolbarName, name);
    OnNameUpdate();
    return TRUE;
}

void CVrxPToolbarTitleDialog::OnNameUpdate()
{
    GetDlgItemText(VrxPIdcToolbarName, name);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDOK), !name.IsEmpty());
}

void CVrxPToolbarTitleDialog::OnOK()
{
    GetDlgItemText(VrxPIdcToolbarName, name);
    if (!name.IsEmpty())
        EndDialog(IDOK);
}
