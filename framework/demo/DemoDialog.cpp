#include "DemoDialog.h"

#include "dialogs/CDataExchange.h"
#include "DemoIds.h"

CDemoDialog::CDemoDialog(CWnd* pParentWnd) : CDialog(IDD_DEMO_DIALOG, pParentWnd)
{
}

void CDemoDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DIALOG_TEXT, m_strText);
    DDV_MaxChars(pDX, m_strText, 40);
}
