#include "AboutDialog.h"
#include "ExeDirectory.h"
#include "KorvoResources.h"
#include "dialogs/CDataExchange.h"
#include "strings/CString.h"

AboutDialog::AboutDialog() : CDialog(IDD_ABOUTBOX)
{
}

void AboutDialog::DoDataExchange(CDataExchange* pDX)
{
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ABOUT_LINK, link_);
}

BOOL AboutDialog::OnInitDialog()
{
  CDialog::OnInitDialog();
  CString text;
  text.Format("%s  V%s", kProductWord, kProductVersion);
  SetDlgItemText(IDC_ABOUT_TEXT, text);
  link_.SetURL(get_exe_directory().c_str());
  return TRUE;
}
