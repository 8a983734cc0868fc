#include "CBaudrateSetDlg.h"
#include "ConnectionSettings.h"
#include "PortlinkResources.h"
#include "dialogs/CDataExchange.h"

CBaudrateSetDlg::CBaudrateSetDlg(CWnd* pParent) : CDialog(IDD_BAUDRATE_SET, pParent), m_nValue(0)
{
}

void CBaudrateSetDlg::DoDataExchange(CDataExchange* pDX)
{
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_BAUDRATE_VALUE, m_nValue);
  DDV_MinMaxUInt(pDX, m_nValue, kMinUserBaud, kMaxUserBaud);
}
