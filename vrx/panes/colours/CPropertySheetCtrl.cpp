#include "panes/colours/CPropertySheetCtrl.h"

#include "app/AfxRegisterWndClass.h"
#include "dialogs/CDialog.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CPropertySheetCtrl, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheetCtrl, CWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CPropertySheetCtrl::CPropertySheetCtrl() : m_hTab(NULL), m_nActive(-1) {}

CPropertySheetCtrl::~CPropertySheetCtrl()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

void CPropertySheetCtrl::AddPage(CDialog* pPage, UINT nTemplateId, LPCTSTR lpszTitle)
{
    m_pages.push_back({pPage, nTemplateId, lpszTitle});
}

BOOL CPropertySheetCtrl::Create(CWnd* pParent, const CRect& rect, UINT nID)
{
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&init);
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateEx(WS_EX_CONTROLPARENT, lpszClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, rect,
                  pParent, nID))
        return FALSE;
    m_hTab = ::CreateWindowEx(0, WC_TABCONTROL, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                              rect.Width(), rect.Height(), m_hWnd, reinterpret_cast<HMENU>(tabControlId),
                              ::GetModuleHandle(NULL), nullptr);
    if (m_hTab == NULL)
        return FALSE;
    ::SendMessage(m_hTab, WM_SETFONT, pParent->SendMessage(WM_GETFONT), FALSE);
    for (size_t i = 0; i < m_pages.size(); i++)
    {
        TCITEM item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(m_pages[i].title));
        ::SendMessage(m_hTab, TCM_INSERTITEM, i, reinterpret_cast<LPARAM>(&item));
        if (!m_pages[i].page->Create(m_pages[i].templateId, this))
            return FALSE;
    }
    return SetActivePage(0);
}

BOOL CPropertySheetCtrl::SetActivePage(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetPageCount())
        return FALSE;
    m_nActive = nIndex;
    ::SendMessage(m_hTab, TCM_SETCURSEL, nIndex, 0);
    Layout();
    for (int i = 0; i < GetPageCount(); i++)
        GetPage(i)->ShowWindow(i == nIndex ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CPropertySheetCtrl::Layout()
{
    if (m_hTab == NULL)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    ::SetWindowPos(m_hTab, NULL, 0, 0, rectClient.Width(), rectClient.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectPage = rectClient;
    ::SendMessage(m_hTab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(static_cast<RECT*>(&rectPage)));
    for (const Page& page : m_pages)
        if (page.page->GetSafeHwnd() != NULL)
            page.page->SetWindowPos(&CWnd::wndTop, rectPage.left, rectPage.top, rectPage.Width(), rectPage.Height(),
                                    SWP_NOACTIVATE);
}

BOOL CPropertySheetCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader->hwndFrom == m_hTab && pHeader->code == TCN_SELCHANGE)
    {
        SetActivePage(static_cast<int>(::SendMessage(m_hTab, TCM_GETCURSEL, 0, 0)));
        *pResult = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

void CPropertySheetCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Layout();
}

void CPropertySheetCtrl::OnDestroy()
{
    m_hTab = NULL;
    m_nActive = -1;
    CWnd::OnDestroy();
}
