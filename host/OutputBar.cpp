#include "OutputBar.h"
#include "gdi/CPaintDC.h"

BEGIN_MESSAGE_MAP(OutputBar, CVrxPDockingControlBar)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

constexpr DWORD kConsoleStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
constexpr UINT kConsoleId = 1;

}  // namespace

int OutputBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CVrxPDockingControlBar::OnCreate(lpCreateStruct) == -1) {
    return -1;
  }
  if (!edit_.Create(kConsoleStyle, CRect(0, 0, 0, 0), this, kConsoleId)) {
    return -1;
  }
  return 0;
}

void OutputBar::OnSize(UINT nType, int cx, int cy)
{
  CVrxPDockingControlBar::OnSize(nType, cx, cy);
  edit_.SetWindowPos(nullptr, 1, 1, cx - 2, cy - 2, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OutputBar::OnPaint()
{
  CPaintDC dc(this);
  CRect rect;
  edit_.GetWindowRect(&rect);
  ScreenToClient(&rect);
  rect.InflateRect(1, 1);
  dc.Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
}
