#pragma once
#include "docking/mdi/CVrxPMDIChildWnd.h"

// The frame of one plug-in: its view is the first pane. Always maximised;
// its end tells the plug-in (dll_deinit).
class CChildFrame : public CVrxPMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)
public:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void ActivateFrame(int nCmdShow = -1) override;

protected:
  afx_msg void OnCloseChild();
  afx_msg void OnDestroy();

  DECLARE_MESSAGE_MAP()
};
