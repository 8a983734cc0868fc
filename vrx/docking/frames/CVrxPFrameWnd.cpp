#include "docking/frames/CVrxPFrameWnd.h"

#include "foundation/VrxPMessages.h"
#include "frames/FrameIds.h"
#include "toolbars/CVrxPToolBar.h"

IMPLEMENT_DYNCREATE(CVrxPFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CVrxPFrameWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CVrxPFrameWnd::CVrxPFrameWnd() : previewingFrame(nullptr), m_helper(this) {}

BOOL CVrxPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_helper.resourceId = nIDResource;
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_helper.RestoreStateAfterLoad();
    return TRUE;
}

BOOL CVrxPFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_helper.frameWindow = this;
    m_helper.barManager = &m_barManager;
    m_barManager.Create(this);
    m_helper.ApplyStoredPlacement(cs);
    return CFrameWnd::PreCreateWindow(cs);
}

int CVrxPFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CVrxPFrameHelper::RegisterFrame(this);
    return 0;
}

void CVrxPFrameWnd::OnClose()
{
    if (previewingFrame != nullptr)
    {
        CFrameWnd* pPreviewing = previewingFrame;
        previewingFrame = nullptr;
        pPreviewing->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
        return;
    }
    m_helper.OnFrameClosing();
    CFrameWnd::OnClose();
}

void CVrxPFrameWnd::OnDestroy()
{
    CVrxPFrameHelper::UnregisterFrame(this);
    CFrameWnd::OnDestroy();
}

void CVrxPFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    m_barManager.ShowFloatingFrames(nType != SIZE_MINIMIZED);
    CFrameWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        ArrangeDockedBars(NULL);
}

// The bars follow the border on every step of a drag, even one that does
// not change the size.
void CVrxPFrameWnd::OnSizing(UINT nSide, LPRECT lpRect)
{
    CFrameWnd::OnSizing(nSide, lpRect);
    ArrangeDockedBars(NULL);
}

void CVrxPFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (!m_helper.fullScreen.FullScreenLimits(lpMMI))
        CFrameWnd::OnGetMinMaxInfo(lpMMI);
}

void CVrxPFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    if (!IsIconic())
        ArrangeDockedBars(NULL);
    m_bInRecalcLayout = FALSE;
}

void CVrxPFrameWnd::ArrangeDockedBars(HDWP hdwp)
{
    m_barManager.AdjustDockingLayout(hdwp);
    AdjustClientArea();
}

void CVrxPFrameWnd::AdjustClientArea()
{
    CWnd* pView = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pView == nullptr || pView->GetSafeHwnd() == NULL)
        return;
    CRect rect = m_barManager.GetOuterRect();
    rect.DeflateRect(m_rectBorder.left, m_rectBorder.top, m_rectBorder.right, m_rectBorder.bottom);
    pView->CalcWindowRect(&rect, CWnd::adjustBorder);
    pView->ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    pView->SetWindowPos(&CWnd::wndBottom, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
}

void CVrxPFrameWnd::AllowDockingSides(DWORD dwAlignment)
{
    m_barManager.EnableDocking(dwAlignment & CBRS_ALIGN_ANY);
}

BOOL CVrxPFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
           m_barManager.OnBarMenuCommand(nID, nCode, pExtra, pHandlerInfo);
}

// The library's messages are registered at start, so they are compared at
// run time.
LRESULT CVrxPFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != 0 && message == VrxTOOLBAR_POPUPMENU)
        return 1;
    if (message != 0 && message == VrxM_CHANGEVISUALMANAGER)
    {
        m_barManager.RefreshBarFrames();
        RecalcLayout();
        return 0;
    }
    if (message != 0 && message == VrxTOOLBAR_CREATE)
        return reinterpret_cast<LRESULT>(m_helper.CreateUserToolbar(reinterpret_cast<LPCTSTR>(lParam)));
    if (message != 0 && message == VrxTOOLBAR_DELETE)
        return m_helper.DeleteUserToolbar(reinterpret_cast<CVrxPToolBar*>(lParam));
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
