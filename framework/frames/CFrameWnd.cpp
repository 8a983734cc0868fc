#include "frames/CFrameWnd.h"

#include "app/AfxRegisterWndClass.h"
#include "app/CCmdUI.h"
#include "app/CWinApp.h"
#include "app/ResourceChain.h"
#include "frames/CDocument.h"
#include "frames/CView.h"
#include "windows/CMenu.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

namespace
{
// The frame's title and the document's name are joined by this.
const TCHAR kTitleSeparator[] = " - ";

// System commands SC_SIZE and up have their prompts from AFX_IDS_SCFIRST,
// one per 16 ids.
const UINT kFirstSystemCommand = SC_SIZE;
const UINT kSystemCommandPrompts = 0x20;

// The first line of a resource string: "title\ndocument name\n...".
CString FirstSubString(const CString& strFull)
{
    int nEnd = strFull.Find('\n');
    return nEnd < 0 ? strFull : strFull.Left(nEnd);
}

BOOL HasResource(UINT nID, LPCTSTR lpszType)
{
    LPCTSTR lpszName = MAKEINTRESOURCE(nID);
    return ::FindResource(AfxFindResourceHandle(lpszName, lpszType), lpszName, lpszType) != NULL;
}

// Frames redraw whole when sized: bars and panes move with the edges.
LPCTSTR FrameWndClass(HICON hIcon)
{
    return AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
}

// Setting the same text again would only make the caption flicker.
void SetWindowTextIfChanged(CWnd& wnd, LPCTSTR lpszNew)
{
    CString strOld;
    wnd.GetWindowText(strOld);
    if (strOld != lpszNew)
        wnd.SetWindowText(lpszNew);
}
} // namespace

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
    : m_hMenuDefault(NULL), m_hAccelTable(NULL), m_bAutoMenuEnable(TRUE), m_bInRecalcLayout(FALSE),
      m_nIdleFlags(0), m_pViewActive(nullptr), m_nIDLastMessage(0), m_bInitialUpdateDone(FALSE)
{
}

CFrameWnd::~CFrameWnd()
{
    // Never shown in a window (creation failed): still ours to free.
    if (m_hMenuDefault != NULL)
        ::DestroyMenu(m_hMenuDefault);
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

LPCTSTR CFrameWnd::GetIconWndClass(UINT nIDResource)
{
    LPCTSTR lpszIcon = MAKEINTRESOURCE(nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(lpszIcon, RT_GROUP_ICON);
    HICON hIcon = ::FindResource(hInst, lpszIcon, RT_GROUP_ICON) != NULL ? ::LoadIcon(hInst, lpszIcon) : NULL;
    return hIcon != NULL ? FrameWndClass(hIcon) : NULL;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = FrameWndClass(NULL);
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    LoadTitleString(nIDResource);
    if (m_hAccelTable == NULL && HasResource(nIDResource, RT_ACCELERATOR))
    {
        LPCTSTR lpszName = MAKEINTRESOURCE(nIDResource);
        m_hAccelTable = ::LoadAccelerators(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
    }
    LPCTSTR lpszMenuName = HasResource(nIDResource, RT_MENU) ? MAKEINTRESOURCE(nIDResource) : NULL;
    CString strTitle = m_strTitle;
    if (!Create(GetIconWndClass(nIDResource), strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                lpszMenuName, 0L, pContext))
        return FALSE;
    // Views made while the frame was created have had no initial update.
    if (pContext == NULL)
        SendInitialUpdate(kInitialUpdateOnce);
    return TRUE;
}

void CFrameWnd::LoadTitleString(UINT nIDResource)
{
    CString strFullString;
    if (strFullString.LoadString(nIDResource))
        m_strTitle = FirstSubString(strFullString);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL)
    {
        hMenu = ::LoadMenu(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (hMenu == NULL)
        {
            PostNcDestroy();
            return FALSE;
        }
    }
    // PreCreateWindow may change the title while the window is made.
    CString strName = lpszWindowName;
    m_strTitle = strName;
    BOOL bDefaultPlace = rect.left == CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, strName, dwStyle, bDefaultPlace ? CW_USEDEFAULT : rect.left,
                  bDefaultPlace ? CW_USEDEFAULT : rect.top,
                  bDefaultPlace ? CW_USEDEFAULT : rect.right - rect.left,
                  bDefaultPlace ? CW_USEDEFAULT : rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu,
                  pContext))
    {
        // The object is gone; a menu no window took is still there.
        if (hMenu != NULL && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return OnCreateHelper(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    // A child window's "menu" is its id.
    if (m_hMenuDefault == NULL && (GetStyle() & WS_CHILD) == 0)
        m_hMenuDefault = ::GetMenu(m_hWnd);
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    DelayUpdateFrameTitle();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return pContext == NULL || pContext->m_pNewViewClass == NULL || CreateView(pContext) != NULL;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject == nullptr)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete pObject;
        return nullptr;
    }
    CWnd* pView = static_cast<CWnd*>(pObject);
    // A failed creation deletes the view.
    if (!pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::SendInitialUpdate(WPARAM wParam)
{
    SendMessageToDescendants(WM_INITIALUPDATE, wParam, 0, TRUE, TRUE);
    m_bInitialUpdateDone = TRUE;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = nullptr;
    if (GetActiveView() == nullptr)
    {
        CWnd* pPane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView)))
        {
            pView = static_cast<CView*>(pPane);
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible)
    {
        SendInitialUpdate(0);
        ActivateFrame();
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    OnUpdateFrameTitle(pDoc != nullptr || GetActiveDocument() != nullptr);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    switch (nCmdShow)
    {
    case SW_HIDE:
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        break;
    default:
        BringWindowToTop();
        break;
    }
}

CView* CFrameWnd::GetActiveView() const
{
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    // Neither view counts as active while the old one is told.
    m_pViewActive = nullptr;
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

BOOL CFrameWnd::RouteCmdToViewAndFrame(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (RouteCmdToViewAndFrame(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    HACCEL hAccel = GetDefaultAccelerator();
    return hAccel != NULL && ::TranslateAccelerator(m_hWnd, hAccel, pMsg);
}

CString CFrameWnd::GetTitle() const
{
    return m_strTitle;
}

void CFrameWnd::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
}

void CFrameWnd::DelayUpdateFrameTitle()
{
    m_nIdleFlags |= idleTitle;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = bAddToTitle ? GetActiveDocument() : nullptr;
    UpdateFrameTitleForDocument(pDocument != nullptr ? static_cast<LPCTSTR>(pDocument->GetTitle()) : NULL);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString strDocument = lpszDocName;
    CString strText;
    if (strDocument.IsEmpty())
        strText = m_strTitle;
    else if (m_strTitle.IsEmpty())
        strText = strDocument;
    else if (GetStyle() & FWS_PREFIXTITLE)
        strText = strDocument + kTitleSeparator + m_strTitle;
    else
        strText = m_strTitle + kTitleSeparator + strDocument;
    SetWindowTextIfChanged(*this, strText);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    ::SetMenu(m_hWnd, hMenuAlt != NULL ? hMenuAlt : m_hMenuDefault);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString strFull;
    rMessage = strFull.LoadString(nID) ? FirstSubString(strFull) : CString();
}

CWnd* CFrameWnd::GetMessageBar()
{
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR));
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    if (CWnd* pMessageBar = GetMessageBar())
    {
        CString strMessage;
        if (lParam != 0)
        {
            strMessage = reinterpret_cast<LPCTSTR>(lParam);
        }
        else if (wParam != 0)
        {
            UINT nID = static_cast<UINT>(wParam);
            if (nID >= AFX_IDM_FIRST_MDICHILD)
                nID = AFX_IDS_MDICHILD;
            else if (nID >= kFirstSystemCommand && nID < kFirstSystemCommand + (kSystemCommandPrompts << 4))
                nID = AFX_IDS_SCFIRST + ((nID - kFirstSystemCommand) >> 4);
            GetMessageString(nID, strMessage);
        }
        pMessageBar->SetWindowText(strMessage);
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    return nIDLast;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    // 0xFFFF with no menu: the menu closed.
    UINT nPrompt = nItemID;
    if (nFlags == 0xFFFF && hSysMenu == NULL)
        nPrompt = AFX_IDS_IDLEMESSAGE;
    else if (nFlags & (MF_SEPARATOR | MF_POPUP))
        nPrompt = 0;
    SendMessage(WM_SETMESSAGESTRING, nPrompt);
    CWnd::OnMenuSelect(nItemID, nFlags, hSysMenu);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu)
        pPopupMenu->UpdateCommandUI(this, m_bAutoMenuEnable);
}

// The system tells only top-level windows; the bars and views inside a frame
// cache fonts and metrics too.
void CFrameWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if ((GetStyle() & WS_CHILD) == 0)
        SendMessageToDescendants(WM_SETTINGCHANGE, uFlags, reinterpret_cast<LPARAM>(lpszSection), TRUE, TRUE);
}

// Bars and panes keep brushes made from the system colours: they remake
// them when told, and the whole frame is repainted in the new colours.
void CFrameWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    if ((GetStyle() & WS_CHILD) != 0)
        return;
    SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    UINT nFlags = m_nIdleFlags;
    m_nIdleFlags = 0;
    if (nFlags & (idleLayout | idleNotify))
        RecalcLayout((nFlags & idleNotify) != 0);
    if (nFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    return 0;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // A menu shown now may belong to someone else (a child's shared menu):
    // the window must not take it along. The default menu is ours.
    if ((GetStyle() & WS_CHILD) == 0)
        ::SetMenu(m_hWnd, NULL);
    if (m_hMenuDefault != NULL)
    {
        ::DestroyMenu(m_hMenuDefault);
        m_hMenuDefault = NULL;
    }
    CWnd::OnDestroy();
}

void CFrameWnd::OnNcDestroy()
{
    // The main window's end ends the thread's message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this)
    {
        pThread->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    CWnd::OnNcDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
