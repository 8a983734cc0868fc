#include "frames/CFormView.h"

#include "app/ResourceChain.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFormView::CFormView(UINT nIDTemplate)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pCreateContext(nullptr), m_hWndFocus(NULL)
{
}

CFormView::CFormView(LPCTSTR lpszTemplateName)
    : m_lpszTemplateName(lpszTemplateName), m_pCreateContext(nullptr), m_hWndFocus(NULL)
{
}

BOOL CFormView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    CREATESTRUCT cs = {};
    cs.style = static_cast<LONG>(dwStyle | WS_CHILD);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->GetSafeHwnd();
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    LPCDLGTEMPLATE lpTemplate = hTemplate != NULL ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : NULL;
    if (lpTemplate == NULL)
    {
        PostNcDestroy();
        return FALSE;
    }

    m_pCreateContext = pContext;
    // A failed creation has deleted the view.
    if (!CreateDlgIndirect(lpTemplate, pParentWnd, hInst))
        return FALSE;
    m_pCreateContext = nullptr;

    ExecuteDlgInit(m_lpszTemplateName);
    // The template's size is what there is to scroll over.
    CRect rectTemplate;
    GetClientRect(&rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());

    ModifyStyle(0, static_cast<DWORD>(cs.style) & ~static_cast<DWORD>(WS_VISIBLE));
    ModifyStyleEx(0, cs.dwExStyle);
    SetDlgCtrlID(static_cast<int>(nID));
    // The requested place and size, whatever the template's.
    SetWindowPos(nullptr, cs.x, cs.y, cs.cx, cs.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (cs.style & WS_VISIBLE)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CREATESTRUCT cs = *lpCreateStruct;
    cs.lpCreateParams = m_pCreateContext;
    return CScrollView::OnCreate(&cs);
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*)
{
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // The dialog keys would take every key stroke, accelerators included.
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame())
    {
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return PreTranslateInput(pMsg);
}

void CFormView::SaveFocusControl()
{
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus != NULL && ::IsChild(m_hWnd, hWndFocus))
        m_hWndFocus = hWndFocus;
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (!bActivate)
        SaveFocusControl();
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    CScrollView::OnSetFocus(pOldWnd);
    // The form passes the focus on to a control.
    HWND hWndControl = m_hWndFocus;
    if (hWndControl == NULL || !::IsWindow(hWndControl) || !::IsChild(m_hWnd, hWndControl))
        hWndControl = ::GetNextDlgTabItem(m_hWnd, NULL, FALSE);
    if (hWndControl != NULL && ::GetFocus() == m_hWnd)
        ::SetFocus(hWndControl);
}
