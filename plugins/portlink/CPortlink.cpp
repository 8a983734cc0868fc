#include "CPortlink.h"
#include "CBaudrateSetDlg.h"
#include "ComConnector.h"
#include "ComponentNames.h"
#include "PortlinkResources.h"
#include "app/AfxMessageBox.h"
#include "dialogs/CDataExchange.h"
#include "frames/CFrameWnd.h"
#include <cstdlib>
#include <string>

namespace {
// Opening a port chosen in a list waits until the list has closed: opened
// while the dropped list still holds the mouse, the port's button lost the
// user's next click to the list.
constexpr UINT kOpenChosenPortMessage = WM_APP + 1;
} // namespace

BEGIN_MESSAGE_MAP(CPortlink, CFormView)
  ON_WM_CREATE()
  ON_BN_CLICKED(IDC_OPEN_CLOSE, OnOpenClose)
  ON_CBN_SELCHANGE(IDC_PORTS, OnSelchangePort)
  ON_CBN_SELCHANGE(IDC_BAUDS, OnSelchangeBaud)
  ON_BN_CLICKED(IDC_USER_BAUD, OnUserBaud)
  ON_CBN_SELCHANGE(IDC_HIGH_BAUDS, OnSelchangeHighBaud)
  ON_BN_CLICKED(IDC_HIGH_SPEED_CHECK, OnHighSpeedCheck)
  ON_MESSAGE(kOpenChosenPortMessage, OnOpenChosenPort)
END_MESSAGE_MAP()

CPortlink::CPortlink(ComponentSystem* system)
    : CFormView(IDD_PORTLINK),
      m_pSystem(system),
      m_nCurrentPort(0),
      m_nBaudIndex(kDefaultBaudIndex),
      m_pConnector(nullptr),
      m_pPorts(nullptr),
      m_nHighSpeedCheck(0)
{
}

void CPortlink::DoDataExchange(CDataExchange* pDX)
{
  CFormView::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_HIGH_BAUD_LABEL, m_labelHighBaud);
  DDX_Control(pDX, IDC_USER_BAUD, m_buttonUserBaud);
  DDX_Control(pDX, IDC_HIGH_BAUDS, m_comboHighBauds);
  DDX_Control(pDX, IDC_HIGH_SPEED_CHECK, m_checkHighSpeed);
  DDX_Check(pDX, IDC_HIGH_SPEED_CHECK, m_nHighSpeedCheck);
}

int CPortlink::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CFormView::OnCreate(lpCreateStruct) == -1) {
    return -1;
  }
  // The component system owns it from here on.
  m_pConnector = new ComConnector(kConnectorName, m_pSystem);
  return 0;
}

void CPortlink::OnInitialUpdate()
{
  ModifyStyleEx(WS_EX_CLIENTEDGE, WS_EX_STATICEDGE);
  ::SetWindowLong(m_hWnd, GWL_STYLE, WS_CHILD | WS_VISIBLE);
  CFormView::OnInitialUpdate();
  GetParentFrame()->RecalcLayout();
  ResizeParentToFit(FALSE);

  load_high_speed_setting();
  m_pConnector->port().enumerate();
  m_pPorts = &m_pConnector->port().ports();
  CComboBox* pPorts = static_cast<CComboBox*>(GetDlgItem(IDC_PORTS));
  for (const PortInfo& port : *m_pPorts) {
    pPorts->AddString(port.friendly_name.empty() ? port.name.c_str() : port.friendly_name.c_str());
  }
  if (!has_ports()) {
    return;
  }
  pPorts->SetCurSel(m_nCurrentPort);
  fill_baud_combo();
  show_high_speed_controls(current_port_info().usb_or_pci != 0);
  SetDlgItemText(IDC_OPEN_CLOSE, kOpenText);
}

PortInfo& CPortlink::current_port_info()
{
  return (*m_pPorts)[m_nCurrentPort];
}

void CPortlink::OnOpenClose()
{
  if (m_pConnector->is_open()) {
    close_port();
  } else {
    open_port();
  }
}

void CPortlink::open_port()
{
  if (!m_pConnector->open(m_nCurrentPort)) {
    AfxMessageBox(kOpenPortFailedText);
    return;
  }
  GetDlgItem(IDC_PORTS)->EnableWindow(FALSE);
  GetDlgItem(IDC_BAUDS)->EnableWindow(FALSE);
  SetDlgItemText(IDC_OPEN_CLOSE, kCloseText);
}

void CPortlink::close_port()
{
  m_pConnector->close();
  GetDlgItem(IDC_PORTS)->EnableWindow(TRUE);
  GetDlgItem(IDC_BAUDS)->EnableWindow(TRUE);
  SetDlgItemText(IDC_OPEN_CLOSE, kOpenText);
}

void CPortlink::OnSelchangePort()
{
  int nSelection = static_cast<CComboBox*>(GetDlgItem(IDC_PORTS))->GetCurSel();
  if (nSelection < 0 || !has_ports()) {
    return;
  }
  m_nCurrentPort = static_cast<uint8_t>(nSelection);
  show_high_speed_controls(current_port_info().usb_or_pci != 0);
  open_port_after_choice();
}

void CPortlink::OnSelchangeBaud()
{
  int nSelection = static_cast<CComboBox*>(GetDlgItem(IDC_BAUDS))->GetCurSel();
  if (nSelection < 0 || !has_ports()) {
    return;
  }
  ConnectionSettings::choose_baud(current_port_info(), nSelection);
  m_nBaudIndex = static_cast<uint8_t>(nSelection);
  open_port_after_choice();
}

void CPortlink::open_port_after_choice()
{
  PostMessage(kOpenChosenPortMessage);
}

LRESULT CPortlink::OnOpenChosenPort(WPARAM, LPARAM)
{
  open_port();
  return 0;
}

void CPortlink::fill_baud_combo()
{
  CComboBox* pBauds = static_cast<CComboBox*>(GetDlgItem(IDC_BAUDS));
  pBauds->ResetContent();
  for (const std::string& text : ConnectionSettings::baud_texts()) {
    pBauds->AddString(text.c_str());
  }
  pBauds->SetCurSel(current_port_info().baud_index);
}

void CPortlink::show_high_speed_controls(bool usb_or_pci)
{
  PortInfo port = current_port_info();
  port.usb_or_pci = usb_or_pci ? 1 : 0;
  ConnectionSettings::HighSpeedControls controls = m_settings.high_speed_controls(port);
  if (controls.visibility == ConnectionSettings::HighSpeedControls::kUnchanged) {
    return;
  }
  int nShow = controls.visibility == ConnectionSettings::HighSpeedControls::kShown ? SW_SHOW : SW_HIDE;
  if (nShow == SW_SHOW) {
    m_comboHighBauds.ResetContent();
    for (const std::string& rate : controls.rates) {
      m_comboHighBauds.AddString(rate.c_str());
    }
    m_comboHighBauds.SetCurSel(0);
  }
  m_labelHighBaud.ShowWindow(nShow);
  m_comboHighBauds.ShowWindow(nShow);
  m_buttonUserBaud.ShowWindow(nShow);
  m_checkHighSpeed.ShowWindow(nShow);
  if (nShow == SW_SHOW) {
    m_nHighSpeedCheck = controls.check;
    m_checkHighSpeed.SetCheck(m_nHighSpeedCheck);
  }
}

void CPortlink::OnUserBaud()
{
  if (!has_ports()) {
    return;
  }
  CBaudrateSetDlg dialog(this);
  dialog.m_nValue = static_cast<uint32_t>(current_port_info().high_baud);
  if (dialog.DoModal() != IDOK) {
    return;
  }
  current_port_info().high_baud = static_cast<int32_t>(dialog.m_nValue);
  std::vector<std::string> rates;
  for (int i = 0; i < m_comboHighBauds.GetCount(); ++i) {
    CString text;
    m_comboHighBauds.GetLBText(i, text);
    rates.emplace_back(static_cast<LPCTSTR>(text));
  }
  std::size_t index = ConnectionSettings::select_or_add_rate(rates, dialog.m_nValue);
  if (index == static_cast<std::size_t>(m_comboHighBauds.GetCount())) {
    m_comboHighBauds.AddString(rates[index].c_str());
  }
  m_comboHighBauds.SetCurSel(static_cast<int>(index));
}

void CPortlink::OnSelchangeHighBaud()
{
  int nSelection = m_comboHighBauds.GetCurSel();
  if (nSelection < 0 || !has_ports()) {
    return;
  }
  CString text;
  m_comboHighBauds.GetLBText(nSelection, text);
  current_port_info().high_baud = std::atoi(static_cast<LPCTSTR>(text));
}

void CPortlink::OnHighSpeedCheck()
{
  m_nHighSpeedCheck = m_checkHighSpeed.GetCheck();
  if (has_ports()) {
    current_port_info().high_speed = m_nHighSpeedCheck;
  }
}

bool CPortlink::load_high_speed_setting()
{
  return m_settings.load_high_speed_setting();
}
