#pragma once
#include "CComEdit.h"
#include "docking/CVrxPDockingControlBar.h"

// The "Output" pane: it holds the console.
class OutputBar : public CVrxPDockingControlBar {
public:
  CComEdit& edit() { return edit_; }

protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnPaint();

  DECLARE_MESSAGE_MAP()

private:
  CComEdit edit_;
};
