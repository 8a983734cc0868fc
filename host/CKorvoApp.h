#pragma once
#include "app/CWinApp.h"
#include "foundation/CVrxPWorkspace.h"

constexpr char kRegistryKey[] = "VrxP AppWizard-Generated Applications";
constexpr char kRegistryBase[] = "Settings";
constexpr char kInitializeFailedText[] = "Initialize system failed";
constexpr char kContextMenuName[] = "My menu";

// korvo's application: starts the platform services, the bus and the main
// frame (which opens the plug-ins); at exit deletes the components, then
// frees the plug-ins.
class CKorvoApp : public CWinApp, public CVrxPWorkspace {
public:
  CKorvoApp();

  BOOL InitInstance() override;
  int ExitInstance() override;
  // Before the saved user-interface state is read: the edit context menu.
  void BeforeLoadState() override;

protected:
  afx_msg void OnAppAbout();
  afx_msg void OnToggleByteOrder();
  afx_msg void OnUpdateToggleByteOrder(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()
};

extern CKorvoApp theApp;
