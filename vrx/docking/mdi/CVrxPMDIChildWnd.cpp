#include "docking/mdi/CVrxPMDIChildWnd.h"

#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "frames/CDocument.h"

IMPLEMENT_DYNCREATE(CVrxPMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CVrxPMDIChildWnd, CMDIChildWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CVrxPMDIChildWnd::CVrxPMDIChildWnd()
    : m_pTabWnd(nullptr), m_pMDIFrame(nullptr), m_bClosing(FALSE), m_rectNormal(0, 0, 0, 0), m_bActive(FALSE)
{
}

int CVrxPMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_pMDIFrame = dynamic_cast<CVrxPMDIFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(::GetParent(m_hWnd))));
    if ((GetStyle() & WS_SYSMENU) == 0)
    {
        m_rectNormal.SetRect(lpCreateStruct->x, lpCreateStruct->y, lpCreateStruct->x + lpCreateStruct->cx,
                             lpCreateStruct->y + lpCreateStruct->cy);
        CoverMDIClient();
    }
    if (CMDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    return 0;
}

void CVrxPMDIChildWnd::CoverMDIClient()
{
    if (m_pMDIFrame == nullptr)
        return;
    CWnd* pClient = GetParent();
    CRect rectClient;
    pClient->GetClientRect(&rectClient);
    if (rectClient.IsRectEmpty())
        return;
    pClient->SendMessage(WM_SETREDRAW, FALSE);
    CVrxPMainClientAreaWnd::CoverClientArea(this, rectClient, SWP_NOZORDER | SWP_NOACTIVATE);
    pClient->SendMessage(WM_SETREDRAW, TRUE);
}

void CVrxPMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if ((GetStyle() & WS_SYSMENU) == 0)
        nCmdShow = SW_MAXIMIZE;
    CMDIChildWnd::ActivateFrame(nCmdShow);
}

void CVrxPMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    UpdateClientTabs(FALSE);
}

void CVrxPMDIChildWnd::TabLabel(CString& label) const
{
    GetWindowText(label);
}

HICON CVrxPMDIChildWnd::TabIcon() const
{
    HICON hIcon = reinterpret_cast<HICON>(::SendMessage(m_hWnd, WM_GETICON, ICON_SMALL, 0));
    if (hIcon == NULL)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(m_hWnd, GCLP_HICONSM));
    return hIcon;
}

void CVrxPMDIChildWnd::UpdateClientTabs(BOOL bEnsureVisible)
{
    if (m_pMDIFrame != nullptr && !m_bClosing)
        m_pMDIFrame->GetClientArea().UpdateTabs(bEnsureVisible);
}

void CVrxPMDIChildWnd::OnSystemMenuChanged(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (m_pMDIFrame == nullptr)
        return;
    CWnd* pClient = GetParent();
    if (dwNewStyle & WS_SYSMENU)
    {
        pClient->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        if (!m_rectNormal.IsRectEmpty())
            SetWindowPos(nullptr, m_rectNormal.left, m_rectNormal.top, m_rectNormal.Width(), m_rectNormal.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if ((dwOldStyle & (WS_MINIMIZE | WS_MAXIMIZE)) == 0)
    {
        GetWindowRect(&m_rectNormal);
        pClient->ScreenToClient(&m_rectNormal);
    }
    pClient->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    CoverMDIClient();
}

LRESULT CVrxPMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        // The client area's destruction of the child resizes nothing.
        if (m_bClosing)
            return 0;
        {
            // Maximised, restored or minimised: the menu bar follows.
            const LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
            if (m_pMDIFrame != nullptr)
                m_pMDIFrame->UpdateMenuBarChildButtons();
            return lResult;
        }
    case WM_MDIACTIVATE:
    {
        m_bActive = reinterpret_cast<HWND>(lParam) == m_hWnd;
        const LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
        if (m_bActive && m_pMDIFrame != nullptr)
        {
            m_pMDIFrame->GetClientArea().ActivateChild(m_hWnd);
            m_pMDIFrame->UpdateMenuBarChildButtons();
        }
        return lResult;
    }
    case WM_SETTEXT:
    {
        const LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
        UpdateClientTabs(TRUE);
        return lResult;
    }
    case WM_SETICON:
    {
        const LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
        UpdateClientTabs(FALSE);
        return lResult;
    }
    case WM_SHOWWINDOW:
        // Shown again: the tab comes back once the window is visible.
        if (m_pMDIFrame != nullptr && !m_bClosing)
            GetParent()->PostMessage(CVrxPMainClientAreaWnd::updateTabsMessage);
        break;
    case WM_STYLECHANGED:
    {
        const LRESULT lResult = CMDIChildWnd::WindowProc(message, wParam, lParam);
        const STYLESTRUCT* pStyles = reinterpret_cast<const STYLESTRUCT*>(lParam);
        if (wParam == static_cast<WPARAM>(GWL_STYLE) && ((pStyles->styleOld ^ pStyles->styleNew) & WS_SYSMENU) != 0)
            OnSystemMenuChanged(pStyles->styleOld, pStyles->styleNew);
        return lResult;
    }
    case WM_DESTROY:
        m_pTabWnd = nullptr;
        break;
    default:
        break;
    }
    return CMDIChildWnd::WindowProc(message, wParam, lParam);
}

CString CVrxPMDIChildWnd::DocumentName(CObject**)
{
    CDocument* pDocument = GetActiveDocument();
    return pDocument != nullptr ? pDocument->GetPathName() : CString();
}
