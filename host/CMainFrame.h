#pragma once
#include "OutputBar.h"
#include "PluginOpener.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "toolbars/CVrxPMenuBar.h"

constexpr char kMainFrameClassName[] = "KORVO::Mainframe";
constexpr char kMainFrameTitle[] = "KORVO_Tarsel";
constexpr char kNoPluginText[] = "Default component(connect.dll) was not installed";
constexpr char kApplicationLookName[] = "ApplicationLook";
constexpr char kOutputCaption[] = "Output";
// Ctrl+1 to Ctrl+9 activate the plug-ins at list indexes 0 to 8.
constexpr int kFirstHotKeyId = 40961;
constexpr int kHotKeyCount = 9;

// korvo's main window: the menu bar, the console pane at the bottom, one child
// frame per plug-in, the hot keys, the looks, and console text from other
// programs (WM_COPYDATA).
class CMainFrame : public CVrxPMDIFrameWnd, public PluginFrameFactory {
public:
  CMainFrame();
  ~CMainFrame() override;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  CWnd* create_plugin_frame(const char* title) override;

  int look() const { return look_; }

protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
  afx_msg void OnLook(UINT nID);
  afx_msg void OnCustomize();
  afx_msg void OnUpdateLook(CCmdUI* pCmdUI);
  afx_msg void OnDestroy();

  DECLARE_MESSAGE_MAP()

private:
  void activate_plugin(int index);

  CVrxPMenuBar menu_bar_;
  OutputBar output_;
  int look_;
  // Shared by every plug-in's child frame; the frame owns them.
  HMENU child_menu_;
  HACCEL child_accelerators_;
};
