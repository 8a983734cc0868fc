#include "CChildFrame.h"
#include "KorvoResources.h"
#include "PluginList.h"
#include "app/AfxRegisterWndClass.h"
#include "strings/CString.h"

IMPLEMENT_DYNCREATE(CChildFrame, CVrxPMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CVrxPMDIChildWnd)
  ON_COMMAND(ID_CHILD_CLOSE, OnCloseChild)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs)
{
  if (!CVrxPMDIChildWnd::PreCreateWindow(cs)) {
    return FALSE;
  }
  cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
  cs.lpszClass = AfxRegisterWndClass(0);
  cs.style &= ~WS_SYSMENU;
  return TRUE;
}

void CChildFrame::ActivateFrame(int)
{
  CVrxPMDIChildWnd::ActivateFrame(SW_SHOWMAXIMIZED);
}

void CChildFrame::OnCloseChild()
{
  SendMessage(WM_CLOSE, 0, 0);
}

void CChildFrame::OnDestroy()
{
  CVrxPMDIChildWnd::OnDestroy();
  PluginList::instance().forget_child(this);
  CString title;
  GetWindowText(title);
  PluginRecord& record = PluginList::instance().find_by_title(title);
  if (record.valid == 1 && record.loaded == 1) {
    record.dll_deinit();
  }
}
