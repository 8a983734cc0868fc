#include "CFilterInputDlg.h"
#include "KorvoResources.h"
#include "app/CWinThread.h"
#include "dialogs/CDataExchange.h"

CFilterInputDlg::CFilterInputDlg(CWnd* pParentWnd) : CDialog(IDD_FILTER_INPUT, pParentWnd)
{
}

BOOL CFilterInputDlg::OnInitDialog()
{
  CDialog::OnInitDialog();
  CenterWindow(AfxGetMainWnd());
  return TRUE;
}

void CFilterInputDlg::DoDataExchange(CDataExchange* pDX)
{
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_FILTER_TEXT, m_strFilter);
}
