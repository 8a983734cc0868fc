#pragma once
#include "dialogs/CDialog.h"
#include <cstdint>

// Asks the user for a port's high rate; OK closes it only with a rate in
// the range the adapters take.
class CBaudrateSetDlg : public CDialog {
public:
  explicit CBaudrateSetDlg(CWnd* pParent = NULL);

  uint32_t m_nValue;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
