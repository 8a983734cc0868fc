#include "frames/CView.h"

#include "app/AfxRegisterWndClass.h"
#include "frames/CDocument.h"
#include "gdi/CPaintDC.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(nullptr), m_bInitialUpdated(FALSE)
{
}

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

CDocument* CView::GetDocument() const
{
    return m_pDocument;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // A view's border is the sunken edge.
    if (cs.style & WS_BORDER)
    {
        cs.style &= ~static_cast<LONG>(WS_BORDER);
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCreateContext* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);

    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->m_bInitialUpdateDone)
    {
        if (pFrame->GetActiveView() == nullptr)
            pFrame->SetActiveView(this, FALSE);
        // Posted: the creator finishes its own set-up first.
        PostMessage(WM_INITIALUPDATE, kInitialUpdateOnce);
    }
    return 0;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM wParam, LPARAM)
{
    CFrameWnd* pFrame = GetParentFrame();
    BOOL bFirst = !m_bInitialUpdated;
    if (wParam == kInitialUpdateOnce && !bFirst)
        return 0;
    // A view made after its frame was laid out has no place yet.
    if (wParam == kInitialUpdateOnce && pFrame != nullptr)
        pFrame->RecalcLayout();
    m_bInitialUpdated = TRUE;
    OnInitialUpdate();
    // The frame held the focus for want of a view.
    if (bFirst && pFrame != nullptr && pFrame->GetActiveView() == this && ::GetFocus() == pFrame->m_hWnd)
        SetFocus();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*)
{
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CView::IsFrameActive() const
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr || ::GetActiveWindow() != ::GetAncestor(m_hWnd, GA_ROOT))
        return FALSE;
    CFrameWnd* pTopFrame = GetTopLevelFrame();
    return pTopFrame == nullptr || pTopFrame->GetActiveFrame() == pFrame;
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this && IsFrameActive())
        SetFocus();
}

void CView::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    // The view with the focus is its frame's active view.
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return nResult;
    if (pFrame->GetActiveView() != this)
    {
        pFrame->SetActiveView(this);
    }
    else
    {
        // Already active but without the focus (it was elsewhere in the frame).
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != m_hWnd && !::IsChild(m_hWnd, hWndFocus))
            OnActivateView(TRUE, this, this);
    }
    return nResult;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}
