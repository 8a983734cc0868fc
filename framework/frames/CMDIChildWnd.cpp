#include "frames/CMDIChildWnd.h"

#include "app/CWinApp.h"
#include "app/ResourceChain.h"
#include "frames/CDocument.h"
#include "frames/CMDIFrameWnd.h"
#include "frames/CMultiDocTemplate.h"
#include "frames/CView.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(NULL)
{
}

void CMDIChildWnd::SetHandles(HMENU hMenu, HACCEL hAccel)
{
    m_hMenuShared = hMenu;
    m_hAccelTable = hAccel;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    LoadTitleString(nIDResource);
    CMDIFrameWnd* pMDIFrame = nullptr;
    if (pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        pMDIFrame = static_cast<CMDIFrameWnd*>(pParentWnd);
    else if (pParentWnd != nullptr)
    {
        // Not an MDI frame: there is no client area to live in.
        PostNcDestroy();
        return FALSE;
    }
    CString strTitle = m_strTitle;
    return Create(GetIconWndClass(nIDResource), strTitle, dwDefaultStyle, rectDefault, pMDIFrame, pContext);
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr)
    {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            pParentWnd = static_cast<CMDIFrameWnd*>(pMainWnd);
    }
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == NULL)
    {
        PostNcDestroy();
        return FALSE;
    }

    CString strName = lpszWindowName;
    m_strTitle = strName;
    BOOL bDefaultPlace = rect.left == CW_USEDEFAULT;
    CREATESTRUCT cs = {};
    cs.style = static_cast<LONG>(dwStyle | WS_CHILD);
    cs.x = bDefaultPlace ? CW_USEDEFAULT : rect.left;
    cs.y = bDefaultPlace ? CW_USEDEFAULT : rect.top;
    cs.cx = bDefaultPlace ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = bDefaultPlace ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpszClass = lpszClassName;
    cs.lpszName = strName;
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    MDICREATESTRUCT mcs;
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    // Shown (and maximised) once created: a visible child would be activated
    // in the middle of its creation.
    mcs.style = static_cast<DWORD>(cs.style) & ~static_cast<DWORD>(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);

    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessage(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    // As CreateEx: without a window attached the object is finished with;
    // once attached, a failed creation has deleted it already.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == NULL)
        return FALSE;

    // WM_MDICREATE carries no extended style.
    if (cs.dwExStyle != 0)
        ModifyStyleEx(0, cs.dwExStyle, SWP_FRAMECHANGED);
    if (cs.style & WS_VISIBLE)
        ActivateFrame((cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return TRUE;
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // WM_MDICREATE hands the creation context on in its own structure.
    MDICREATESTRUCT* lpmcs = static_cast<MDICREATESTRUCT*>(lpCreateStruct->lpCreateParams);
    CCreateContext* pContext = lpmcs != nullptr ? reinterpret_cast<CCreateContext*>(lpmcs->lParam) : nullptr;
    return OnCreateHelper(lpCreateStruct, pContext);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetParent(hWndClient));
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return nullptr;
    CMDIFrameWnd* pFrame = static_cast<CMDIFrameWnd*>(pWnd);
    return pFrame->m_hWndMDIClient == hWndClient ? pFrame : nullptr;
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return CFrameWnd::DestroyWindow();
    HWND hWndFrame = pFrame->m_hWnd;
    // The MDI client picks the next active child; this object is gone after.
    MDIDestroy();
    if (CWnd::FromHandlePermanent(hWndFrame) == pFrame)
        pFrame->DelayUpdateFrameTitle();
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1 && pFrame != nullptr)
    {
        // Children keep the maximised state of the one active before.
        BOOL bMaximized = FALSE;
        CMDIChildWnd* pActive = pFrame->MDIGetActive(&bMaximized);
        DWORD dwStyle = GetStyle();
        if ((pActive != this && bMaximized) || (dwStyle & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (dwStyle & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
    if (pFrame == nullptr)
        return;
    if (pFrame->MDIGetActive() != this && nCmdShow != SW_HIDE)
        MDIActivate();
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    pFrame->DrawMenuBar();
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && (GetStyle() & FWS_ADDTOTITLE) && pDocument != nullptr)
    {
        CString strText;
        GetWindowText(strText);
        if (strText != pDocument->GetTitle())
            SetWindowText(pDocument->GetTitle());
    }
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}

HMENU CMDIChildWnd::MenuWhenActive(HMENU hMenuAlt)
{
    if (hMenuAlt != NULL)
        return hMenuAlt;
    if (m_hMenuShared != NULL)
        return m_hMenuShared;
    CDocument* pDocument = GetActiveDocument();
    CDocTemplate* pTemplate = pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
    if (pTemplate != nullptr && pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)) &&
        static_cast<CMultiDocTemplate*>(pTemplate)->m_hMenuShared != NULL)
        return static_cast<CMultiDocTemplate*>(pTemplate)->m_hMenuShared;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame != nullptr ? pFrame->m_hMenuDefault : NULL;
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    // Another child being activated shows its own menu.
    if (pFrame == nullptr || (!bActivate && pActivateWnd != nullptr))
        return;
    HMENU hMenu = bActivate ? MenuWhenActive(hMenuAlt) : (hMenuAlt != NULL ? hMenuAlt : pFrame->m_hMenuDefault);
    pFrame->MDISetMenu(hMenu, pFrame->GetWindowMenuPopup(hMenu));
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CFrameWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    CView* pActiveView = GetActiveView();
    if (!bActivate && pActiveView != nullptr)
        pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
    OnUpdateFrameMenu(bActivate, pActivateWnd, NULL);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
    {
        pFrame->DrawMenuBar();
        pFrame->DelayUpdateFrameTitle();
    }
    if (bActivate && pActiveView != nullptr)
        pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProc(m_hWnd, message, wParam, lParam);
}
