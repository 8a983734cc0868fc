#include "frames/CMDIFrameWnd.h"

#include "app/CCmdUI.h"
#include "app/CWinApp.h"
#include "app/ResourceChain.h"
#include "frames/CDocTemplate.h"
#include "frames/CDocument.h"
#include "frames/CMDIChildWnd.h"

#include <vector>

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_CLOSE()
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
    ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, OnUpdateWindowNew)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(NULL)
{
}

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // The client area has the sunken edge, not the frame.
    cs.dwExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    return CreateClient(lpcs, GetWindowMenuPopup(m_hMenuDefault));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, HMENU hWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = hWindowMenu;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    // Scroll bars asked for the frame belong to the client area.
    DWORD dwScroll = static_cast<DWORD>(lpCreateStruct->style) & (WS_HSCROLL | WS_VSCROLL);
    if (dwScroll != 0)
        ModifyStyle(dwScroll, 0, SWP_FRAMECHANGED);
    m_hWndMDIClient = ::CreateWindowEx(WS_EX_CLIENTEDGE, "MDICLIENT", NULL,
                                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS |
                                           MDIS_ALLCHILDSTYLES | dwScroll,
                                       0, 0, 0, 0, m_hWnd,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                       AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != NULL;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == NULL)
        return NULL;
    // The Window menu is usually the last but one.
    for (int nItem = ::GetMenuItemCount(hMenuBar) - 1; nItem >= 0; --nItem)
    {
        HMENU hPopup = ::GetSubMenu(hMenuBar, nItem);
        if (hPopup == NULL)
            continue;
        int nCount = ::GetMenuItemCount(hPopup);
        for (int nSubItem = 0; nSubItem < nCount; ++nSubItem)
        {
            UINT nID = ::GetMenuItemID(hPopup, nSubItem);
            if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST)
                return hPopup;
        }
    }
    return NULL;
}

CMDIChildWnd* CMDIFrameWnd::CreateNewChild(CRuntimeClass* pClass, UINT nResource, HMENU hMenu, HACCEL hAccel)
{
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(CMDIChildWnd)))
        return nullptr;
    CMDIChildWnd* pFrame = static_cast<CMDIChildWnd*>(pClass->CreateObject());
    if (pFrame == nullptr)
        return nullptr;
    // Before the window exists: its first activation shows the shared menu.
    pFrame->SetHandles(hMenu, hAccel);
    CCreateContext context;
    context.m_pCurrentFrame = this;
    // A failed load deletes the frame.
    if (!pFrame->LoadFrame(nResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, this, &context))
        return nullptr;
    pFrame->InitialUpdateFrame(NULL, TRUE);
    return pFrame;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWndActive = NULL;
    if (m_hWndMDIClient != NULL)
        hWndActive = reinterpret_cast<HWND>(
            ::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndActive);
    CMDIChildWnd* pChild =
        pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(pWnd) : nullptr;
    if (pbMaximized != nullptr)
        *pbMaximized = hWndActive != NULL && bMaximized;
    return pChild;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIPrev()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMDIFrameWnd::MDICascade(int nType)
{
    ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, static_cast<WPARAM>(nType), 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessage(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

HMENU CMDIFrameWnd::MDISetMenu(HMENU hFrameMenu, HMENU hWindowMenu)
{
    return reinterpret_cast<HMENU>(::SendMessage(m_hWndMDIClient, WM_MDISETMENU,
                                                 reinterpret_cast<WPARAM>(hFrameMenu),
                                                 reinterpret_cast<LPARAM>(hWindowMenu)));
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    return pActiveChild != nullptr ? static_cast<CFrameWnd*>(pActiveChild) : this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr && pActiveChild->RouteCmdToViewAndFrame(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // Translated for the frame, which owns the menu: the command then
    // routes through the active child.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr)
    {
        HACCEL hAccelChild = pActiveChild->GetDefaultAccelerator();
        if (hAccelChild != NULL && ::TranslateAccelerator(m_hWnd, hAccelChild, pMsg))
            return TRUE;
    }
    HACCEL hAccel = GetDefaultAccelerator();
    if (hAccel != NULL && ::TranslateAccelerator(m_hWnd, hAccel, pMsg))
        return TRUE;
    return pActiveChild != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (CMDIChildWnd* pActiveChild = MDIGetActive())
    {
        pActiveChild->OnUpdateFrameMenu(TRUE, pActiveChild, hMenuAlt);
    }
    else
    {
        HMENU hMenu = hMenuAlt != NULL ? hMenuAlt : m_hMenuDefault;
        MDISetMenu(hMenu, GetWindowMenuPopup(hMenu));
    }
    DrawMenuBar();
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument =
        bAddToTitle && pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    UpdateFrameTitleForDocument(pDocument != nullptr ? static_cast<LPCTSTR>(pDocument->GetTitle()) : NULL);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnClose()
{
    // Collected first: each destruction changes the list of children.
    std::vector<HWND> children;
    if (m_hWndMDIClient != NULL)
    {
        for (HWND hWnd = ::GetWindow(m_hWndMDIClient, GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            // Icon titles of minimised children are owned windows.
            if (::GetWindow(hWnd, GW_OWNER) == NULL)
                children.push_back(hWnd);
        }
    }
    for (HWND hWnd : children)
    {
        if (!::IsWindow(hWnd))
            continue;
        if (CWnd* pChild = CWnd::FromHandlePermanent(hWnd))
            pChild->DestroyWindow();
        else
            ::SendMessage(m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hWnd), 0);
    }
    CFrameWnd::OnClose();
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    CDocTemplate* pTemplate = pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
    if (pTemplate == nullptr)
        return;
    if (CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActiveChild))
        pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

void CMDIFrameWnd::OnUpdateWindowNew(CCmdUI* pCmdUI)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    pCmdUI->Enable(pDocument != nullptr && pDocument->GetDocTemplate() != nullptr);
}
