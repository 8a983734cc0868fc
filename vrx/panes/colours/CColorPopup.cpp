#include "panes/colours/CColorPopup.h"

#include "panes/colours/CVrxPColorMenuButton.h"

IMPLEMENT_DYNAMIC(CColorPopup, CVrxPPopupMenu)

BEGIN_MESSAGE_MAP(CColorPopup, CVrxPPopupMenu)
    ON_WM_CREATE()
    ON_WM_ACTIVATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP with tooltips and fly-by: the
// popup's bar has no border of its own.
const DWORD barStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | 0x30;
const UINT barId = 1;
} // namespace

CColorPopup::CColorPopup(const std::vector<COLORREF>& colorList, COLORREF colorSelected, LPCTSTR lpszAutomatic,
                         LPCTSTR lpszOther, LPCTSTR lpszDocument, const std::vector<COLORREF>& documentList,
                         int nColumns, int nRowsWhenHorizontal, int nColumnsWhenVertical, COLORREF colorAutomatic,
                         UINT nCommand, BOOL bUseSystemDialog)
    : menuButton(nullptr), receiver(nullptr),
      m_colorBar(colorList, colorSelected, lpszAutomatic, lpszOther, lpszDocument, documentList, nColumns,
                 nRowsWhenHorizontal, nColumnsWhenVertical, colorAutomatic, nCommand)
{
    m_colorBar.useSystemDialog = bUseSystemDialog;
}

BOOL CColorPopup::Open(CWnd* pOwner, CPoint pointScreen)
{
    if (receiver == nullptr && pOwner != nullptr && pOwner->GetSafeHwnd() != NULL)
        receiver = pOwner->GetTopLevelFrame() != nullptr ? static_cast<CWnd*>(pOwner->GetTopLevelFrame())
                                                         : pOwner->GetTopLevelParent();
    CWnd* pTop = pOwner != nullptr && pOwner->GetSafeHwnd() != NULL ? pOwner->GetTopLevelParent() : nullptr;
    // On failure the object has deleted itself.
    if (!Create(nullptr, "", WS_POPUP | WS_BORDER, CRect(pointScreen, CSize(0, 0)), pTop))
        return FALSE;
    const CSize size = m_colorBar.CalcBarSize(FALSE, TRUE);
    CRect rectWindow(pointScreen, size);
    ::AdjustWindowRectEx(&rectWindow, WS_POPUP | WS_BORDER, FALSE, static_cast<DWORD>(GetExStyle()));
    rectWindow.OffsetRect(pointScreen.x - rectWindow.left, pointScreen.y - rectWindow.top);
    // Kept on the work area's screen.
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    if (rectWindow.right > cxScreen)
        rectWindow.OffsetRect(cxScreen - rectWindow.right, 0);
    if (rectWindow.bottom > cyScreen)
        rectWindow.OffsetRect(0, cyScreen - rectWindow.bottom);
    SetWindowPos(&CWnd::wndTopMost, rectWindow.left, rectWindow.top, rectWindow.Width(), rectWindow.Height(),
                 SWP_SHOWWINDOW);
    m_colorBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_colorBar.LayoutButtons();
    m_colorBar.HighlightSelection();
    m_colorBar.SetFocus();
    return TRUE;
}

int CColorPopup::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPToolBar::customizeMode)
        return -1;
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_colorBar.CreateBar(this, barStyle, barId))
        return -1;
    m_colorBar.SetOwner(GetOwner());
    return 0;
}

void CColorPopup::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CVrxPPopupMenu::OnActivate(nState, pWndOther, bMinimized);
    // A dialog opened from the popup takes the activation while the popup
    // hides: that does not close it.
    if (nState == WA_INACTIVE && IsWindowVisible())
        PostMessage(WM_CLOSE);
}

void CColorPopup::Close(UINT nCommand)
{
    CWnd* pReceiver = receiver;
    HWND hReceiver = pReceiver != nullptr ? pReceiver->GetSafeHwnd() : NULL;
    DestroyWindow();
    if (nCommand != 0 && hReceiver != NULL && ::IsWindow(hReceiver))
        ::PostMessage(hReceiver, WM_COMMAND, nCommand, 0);
}

void CColorPopup::OnDestroy()
{
    if (menuButton != nullptr)
        menuButton->OnPopupClosed(this);
    // Hidden first: this popup opened outside the menu chain's count and
    // hooks, and must not take itself off them.
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CVrxPPopupMenu::OnDestroy();
}
