#include "AboutDialog.h"
#include "KorvoResources.h"
#include "strings/CString.h"

AboutDialog::AboutDialog() : CDialog(IDD_ABOUTBOX)
{
}

BOOL AboutDialog::OnInitDialog()
{
  CDialog::OnInitDialog();
  CString text;
  text.Format("%s  V%s", kProductWord, kProductVersion);
  SetDlgItemText(IDC_ABOUT_TEXT, text);
  return TRUE;
}
