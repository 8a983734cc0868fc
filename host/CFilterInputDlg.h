#pragma once
#include "dialogs/CDialog.h"
#include "strings/CString.h"

// Asks for the console's line filter.
class CFilterInputDlg : public CDialog {
public:
  explicit CFilterInputDlg(CWnd* pParentWnd = nullptr);

  BOOL OnInitDialog() override;

  CString m_strFilter;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
