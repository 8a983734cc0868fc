#pragma once
#include "ConnectionSettings.h"
#include "PortInfo.h"
#include "controls/CButton.h"
#include "controls/CComboBox.h"
#include "controls/CStatic.h"
#include "frames/CFormView.h"
#include <cstdint>
#include <vector>

class ComConnector;
class ComponentSystem;

constexpr char kOpenPortFailedText[] = "Open COM Port Failed!";
constexpr char kOpenText[] = "Open";
constexpr char kCloseText[] = "Close";

// portlink's window: the user picks the COM port and its rate, opens and
// closes it, and for USB and PCI adapters sets the high rate of bulk
// transfers. It creates the "com connector" with its window.
class CPortlink : public CFormView {
public:
  explicit CPortlink(ComponentSystem* system);

  void OnInitialUpdate() override;

protected:
  void DoDataExchange(CDataExchange* pDX) override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnOpenClose();
  afx_msg void OnSelchangePort();
  afx_msg void OnSelchangeBaud();
  afx_msg void OnUserBaud();
  afx_msg void OnSelchangeHighBaud();
  afx_msg void OnHighSpeedCheck();
  afx_msg LRESULT OnOpenChosenPort(WPARAM, LPARAM);

  DECLARE_MESSAGE_MAP()

private:
  void open_port();
  void open_port_after_choice();
  void close_port();
  void fill_baud_combo();
  void show_high_speed_controls(bool usb_or_pci);
  bool load_high_speed_setting();
  PortInfo& current_port_info();
  bool has_ports() const { return m_pPorts != nullptr && !m_pPorts->empty(); }

  ComponentSystem* m_pSystem;
  uint8_t m_nCurrentPort;
  uint8_t m_nBaudIndex;
  ComConnector* m_pConnector;
  std::vector<PortInfo>* m_pPorts;
  CStatic m_labelHighBaud;
  CButton m_buttonUserBaud;
  CComboBox m_comboHighBauds;
  CButton m_checkHighSpeed;
  int m_nHighSpeedCheck;
  ConnectionSettings m_settings;
};
