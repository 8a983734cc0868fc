#include "panes/CVrxPDialog.h"

#include "foundation/CVrxPGlobals.h"

IMPLEMENT_DYNAMIC(CVrxPDialog, CDialog)

BEGIN_MESSAGE_MAP(CVrxPDialog, CDialog)
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CVrxPDialog::CVrxPDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd), m_pPopup(nullptr)
{
}

void CVrxPDialog::OnSysColorChange()
{
    CDialog::OnSysColorChange();
    VrxPGlobals().RefreshSysColors();
}

void CVrxPDialog::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CDialog::OnSettingChange(uFlags, lpszSection);
    VrxPGlobals().RefreshShellSettings();
}
