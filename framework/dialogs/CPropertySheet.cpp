#include "dialogs/CPropertySheet.h"

#include "app/AfxRegisterWndClass.h"

#include <algorithm>

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace
{
const DWORD kDefaultStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;

HWND MakeChild(HWND hParent, LPCTSTR lpszClass, LPCTSTR lpszText, DWORD dwStyle, UINT nID)
{
    HWND hWnd = ::CreateWindowEx(0, lpszClass, lpszText, WS_CHILD | dwStyle, 0, 0, 0, 0, hParent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), ::GetModuleHandle(NULL), NULL);
    ::SendMessage(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hWnd;
}
} // namespace

CPropertySheet::CPropertySheet(LPCTSTR lpszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(lpszCaption != NULL ? lpszCaption : ""), m_pParentWnd(pParentWnd),
      m_nActive(static_cast<int>(iSelectPage)), m_hTabs(NULL)
{
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); i++)
        if (GetPage(i) == pPage)
            return i;
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return m_nActive >= 0 && m_nActive < GetPageCount() ? GetPage(m_nActive) : nullptr;
}

void CPropertySheet::SetTitle(LPCTSTR lpszTitle)
{
    m_strCaption = lpszTitle;
    if (m_hWnd != NULL)
        SetWindowText(lpszTitle);
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    if (dwStyle == static_cast<DWORD>(-1))
        dwStyle = kDefaultStyle;
    LPCTSTR lpszClass =
        AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(dwExStyle | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, lpszClass, m_strCaption,
                  dwStyle & ~WS_VISIBLE, CRect(0, 0, 100, 100), m_pParentWnd, 0))
        return FALSE;
    if (!CreatePages())
    {
        DestroyWindow();
        return FALSE;
    }
    LayOut();
    if (m_nActive < 0 || m_nActive >= GetPageCount())
        m_nActive = 0;
    const int nFirst = m_nActive;
    m_nActive = -1;
    SetActivePage(nFirst);
    const HWND hWnd = m_hWnd;
    OnInitDialog();
    // A sheet may close itself while it initialises.
    if (!::IsWindow(hWnd))
        return FALSE;
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CPropertySheet::CreatePages()
{
    m_hTabs = MakeChild(m_hWnd, WC_TABCONTROL, "", WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, tabControlId);
    MakeChild(m_hWnd, WC_BUTTON, "OK", WS_TABSTOP, IDOK);
    MakeChild(m_hWnd, WC_BUTTON, "Cancel", WS_VISIBLE | WS_TABSTOP, IDCANCEL);
    MakeChild(m_hWnd, WC_BUTTON, "Help", WS_VISIBLE | WS_TABSTOP, helpButtonId);
    if (m_hTabs == NULL)
        return FALSE;
    for (int i = 0; i < GetPageCount(); i++)
    {
        CPropertyPage* pPage = GetPage(i);
        if (!pPage->Create(pPage->GetTemplateName(), this))
            return FALSE;
        pPage->ShowWindow(SW_HIDE);
        CString caption;
        pPage->GetWindowText(caption);
        TCITEM item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPTSTR>(caption.GetString());
        ::SendMessage(m_hTabs, TCM_INSERTITEM, i, reinterpret_cast<LPARAM>(&item));
    }
    return TRUE;
}

// The tab strip fits the largest page; the buttons go below it, right-aligned.
void CPropertySheet::LayOut()
{
    CSize page(0, 0);
    for (int i = 0; i < GetPageCount(); i++)
    {
        CRect rect;
        GetPage(i)->GetWindowRect(&rect);
        page.cx = std::max(page.cx, static_cast<LONG>(rect.Width()));
        page.cy = std::max(page.cy, static_cast<LONG>(rect.Height()));
    }
    CRect tabs(0, 0, page.cx, page.cy);
    ::SendMessage(m_hTabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&tabs));
    tabs.OffsetRect(margin - tabs.left, margin - tabs.top);
    ::MoveWindow(m_hTabs, tabs.left, tabs.top, tabs.Width(), tabs.Height(), FALSE);
    CRect display = tabs;
    ::SendMessage(m_hTabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (int i = 0; i < GetPageCount(); i++)
        GetPage(i)->SetWindowPos(&wndTop, display.left, display.top, display.Width(), display.Height(),
                                 SWP_NOACTIVATE);

    const int y = tabs.bottom + margin;
    const int cxClient = tabs.right + margin;
    int x = cxClient - margin - buttonWidth;
    for (UINT nID : {static_cast<UINT>(IDCANCEL), static_cast<UINT>(IDOK)})
    {
        ::MoveWindow(::GetDlgItem(m_hWnd, nID), x, y, buttonWidth, buttonHeight, FALSE);
        x -= buttonWidth + margin;
    }
    ::MoveWindow(::GetDlgItem(m_hWnd, helpButtonId), margin, y, buttonWidth, buttonHeight, FALSE);

    CRect window(0, 0, cxClient, y + buttonHeight + margin);
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    CRect parent;
    if (m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != NULL)
        m_pParentWnd->GetWindowRect(&parent);
    else
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &parent, 0);
    const CPoint topLeft(parent.left + (parent.Width() - window.Width()) / 2,
                         parent.top + (parent.Height() - window.Height()) / 2);
    SetWindowPos(nullptr, std::max(0, static_cast<int>(topLeft.x)), std::max(0, static_cast<int>(topLeft.y)),
                 window.Width(), window.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == NULL)
    {
        m_nActive = nPage;
        return TRUE;
    }
    CPropertyPage* pOld = GetActivePage();
    if (pOld == GetPage(nPage))
        return TRUE;
    if (pOld != nullptr && !pOld->OnKillActive())
        return FALSE;
    CPropertyPage* pNew = GetPage(nPage);
    if (!pNew->OnSetActive())
        return FALSE;
    if (pOld != nullptr)
        pOld->ShowWindow(SW_HIDE);
    m_nActive = nPage;
    ::SendMessage(m_hTabs, TCM_SETCURSEL, nPage, 0);
    pNew->ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader->hwndFrom == m_hTabs && pHeader->code == TCN_SELCHANGING)
    {
        CPropertyPage* pActive = GetActivePage();
        *pResult = pActive != nullptr && !pActive->OnKillActive();
        return TRUE;
    }
    if (pHeader->hwndFrom == m_hTabs && pHeader->code == TCN_SELCHANGE)
    {
        const int nPage = static_cast<int>(::SendMessage(m_hTabs, TCM_GETCURSEL, 0, 0));
        // The page was asked at TCN_SELCHANGING; it is shown without asking again.
        if (CPropertyPage* pOld = GetActivePage())
            pOld->ShowWindow(SW_HIDE);
        m_nActive = -1;
        SetActivePage(nPage);
        *pResult = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
    {
        DestroyWindow();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages; the rest is the dialog
// keyboard interface across the sheet and its pages.
BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && ::GetKeyState(VK_CONTROL) < 0 &&
        GetPageCount() > 0)
    {
        const int nStep = ::GetKeyState(VK_SHIFT) < 0 ? GetPageCount() - 1 : 1;
        SetActivePage((m_nActive + nStep) % GetPageCount());
        return TRUE;
    }
    return ::IsDialogMessage(m_hWnd, pMsg);
}
