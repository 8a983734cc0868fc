#include "docking/mdi/CVrxPWindowsDialog.h"

#include "app/CWinThread.h"
#include "dialogs/CDataExchange.h"
#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/VrxPDockingResources.h"
#include "foundation/VrxPMessages.h"
#include "frames/CMDIFrameWnd.h"

IMPLEMENT_DYNAMIC(CVrxPWindowsDialog, CDialog)

namespace
{
// The framework's Save command: the child's document saves itself.
const UINT kFileSave = 0xE103;
const int kIconGap = 4;
const int kIconLeft = 2;
} // namespace

CVrxPWindowsDialog::CVrxPWindowsDialog(CMDIFrameWnd* pFrame, BOOL bShowHelp)
    : CDialog(VrxPIdsWindowsDialog, pFrame), m_list(*this), m_pFrame(pFrame), m_bShowHelp(bShowHelp),
      m_bCanArrange(TRUE)
{
}

void CVrxPWindowsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, VrxPIdcWindowsList, m_list);
}

BOOL CVrxPWindowsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    if (pMain != nullptr && pMain->GetSafeHwnd() != NULL && (pMain->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    FillList();
    if (!m_bCanArrange)
        for (int nID : {VrxPIdcTileHorizontally, VrxPIdcTileVertically, VrxPIdcCascade, VrxPIdcMinimize})
            ::ShowWindow(::GetDlgItem(m_hWnd, nID), SW_HIDE);
    SelectActive();
    UpdateButtons();
    ::ShowWindow(::GetDlgItem(m_hWnd, VrxPIdcWindowsHelp), m_bShowHelp ? SW_SHOW : SW_HIDE);
    return TRUE;
}

int CVrxPWindowsDialog::GetWindowCount() const
{
    return m_list.GetCount();
}

HWND CVrxPWindowsDialog::GetWindowAt(int nIndex) const
{
    return reinterpret_cast<HWND>(m_list.GetItemData(nIndex));
}

BOOL CVrxPWindowsDialog::IsSelected(int nIndex) const
{
    return m_list.GetSel(nIndex) > 0;
}

BOOL CVrxPWindowsDialog::Contains(const CList<HWND, HWND>& list, HWND hWnd)
{
    return list.Find(hWnd) != NULL;
}

void CVrxPWindowsDialog::FillList()
{
    m_list.SetRedraw(FALSE);
    m_list.ResetContent();
    HDC hDC = ::GetDC(m_list.GetSafeHwnd());
    HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    m_bCanArrange = TRUE;
    m_cannotClose.RemoveAll();
    m_cannotSave.RemoveAll();
    int nWidest = 0;
    for (HWND hChild = ::GetWindow(m_pFrame->m_hWndMDIClient, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CVrxPMDIChildWnd* pChild = dynamic_cast<CVrxPMDIChildWnd*>(CWnd::FromHandlePermanent(hChild));
        if (pChild == nullptr || !pChild->ListedInWindowsDialog())
            continue;
        char title[titleLength + 1] = "";
        ::GetWindowText(hChild, title, titleLength);
        const int nIndex = m_list.AddString(title);
        m_list.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(hChild));
        SIZE extent = {};
        ::GetTextExtentPoint32(hDC, title, static_cast<int>(strlen(title)), &extent);
        if (extent.cx > nWidest)
            nWidest = extent.cx;
        if (pChild->UnsavableInWindowsDialog())
            m_cannotSave.AddTail(hChild);
        HMENU hSystemMenu = (pChild->GetStyle() & WS_SYSMENU) != 0 ? ::GetSystemMenu(hChild, FALSE) : NULL;
        if (hSystemMenu == NULL)
        {
            m_bCanArrange = FALSE;
            continue;
        }
        const UINT nState = ::GetMenuState(hSystemMenu, SC_CLOSE, MF_BYCOMMAND);
        if (nState == static_cast<UINT>(-1) || (nState & (MF_GRAYED | MF_DISABLED)) != 0)
            m_cannotClose.AddTail(hChild);
    }
    m_list.SetHorizontalExtent(nWidest + ::GetSystemMetrics(SM_CXHSCROLL) + extentMargin);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_list.GetSafeHwnd(), hDC);
    m_list.SetRedraw(TRUE);
}

void CVrxPWindowsDialog::SelectActive()
{
    m_list.SetRedraw(FALSE);
    if (m_list.GetCount() > 0)
        m_list.SelItemRange(FALSE, 0, m_list.GetCount() - 1);
    HWND hActive = reinterpret_cast<HWND>(::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    for (int i = 0; i < m_list.GetCount(); i++)
        if (GetWindowAt(i) == hActive)
            m_list.SetSel(i, TRUE);
    m_list.SetRedraw(TRUE);
}

void CVrxPWindowsDialog::UpdateButtons()
{
    const int nSelected = m_list.GetSelCount();
    BOOL bClose = nSelected > 0;
    BOOL bSave = FALSE;
    for (int i = 0; i < m_list.GetCount(); i++)
    {
        if (!IsSelected(i))
            continue;
        // The first window that cannot close still counts for Save.
        if (!Contains(m_cannotSave, GetWindowAt(i)))
            bSave = TRUE;
        if (Contains(m_cannotClose, GetWindowAt(i)))
        {
            bClose = FALSE;
            break;
        }
    }
    ::EnableWindow(::GetDlgItem(m_hWnd, VrxPIdcCloseWindows), bClose);
    ::EnableWindow(::GetDlgItem(m_hWnd, VrxPIdcSave), bSave);
    for (int nID : {VrxPIdcTileHorizontally, VrxPIdcTileVertically, VrxPIdcCascade})
        ::EnableWindow(::GetDlgItem(m_hWnd, nID), m_bCanArrange && nSelected > 1);
    ::EnableWindow(::GetDlgItem(m_hWnd, VrxPIdcMinimize), m_bCanArrange && nSelected > 0);
    ::EnableWindow(::GetDlgItem(m_hWnd, VrxPIdcActivate), nSelected == 1);
}

void CVrxPWindowsDialog::RefreshList()
{
    FillList();
    SelectActive();
    UpdateButtons();
}

void CVrxPWindowsDialog::OnActivate()
{
    if (m_list.GetSelCount() != 1)
        return;
    int nIndex = -1;
    m_list.GetSelItems(1, &nIndex);
    HWND hWnd = GetWindowAt(nIndex);
    if (hWnd == reinterpret_cast<HWND>(-1))
        return;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (::GetWindowPlacement(hWnd, &placement) && placement.showCmd == SW_SHOWMINIMIZED)
        ::ShowWindow(hWnd, SW_RESTORE);
    ::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWnd), 0);
    EndDialog(IDOK);
}

void CVrxPWindowsDialog::Arrange(UINT message, WPARAM wParam)
{
    HCURSOR hOldCursor = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    const BOOL bLock = m_list.GetCount() > 0 && ::LockWindowUpdate(m_pFrame->m_hWndMDIClient);
    for (int i = m_list.GetCount() - 1; i >= 0; i--)
        ::ShowWindow(GetWindowAt(i), IsSelected(i) ? SW_RESTORE : SW_MINIMIZE);
    ::SendMessage(m_pFrame->m_hWndMDIClient, message, wParam, 0);
    if (bLock)
        ::LockWindowUpdate(NULL);
    ::SetCursor(hOldCursor);
}

void CVrxPWindowsDialog::OnSave()
{
    for (int i = 0; i < m_list.GetCount(); i++)
        if (IsSelected(i) && !Contains(m_cannotSave, GetWindowAt(i)))
            ::SendMessage(GetWindowAt(i), WM_COMMAND, kFileSave, 0);
    RefreshList();
}

// A close that the window refuses stops the rest.
void CVrxPWindowsDialog::OnCloseWindows()
{
    m_list.SetRedraw(FALSE);
    for (int i = m_list.GetCount() - 1; i >= 0; i--)
    {
        if (!IsSelected(i))
            continue;
        HWND hWnd = GetWindowAt(i);
        ::SendMessage(hWnd, WM_CLOSE, 0, 0);
        if (::IsWindow(hWnd) && ::GetParent(hWnd) == m_pFrame->m_hWndMDIClient)
            break;
    }
    m_list.SetRedraw(TRUE);
    RefreshList();
}

void CVrxPWindowsDialog::OnMinimize()
{
    m_list.SetRedraw(FALSE);
    for (int i = 0; i < m_list.GetCount(); i++)
        if (IsSelected(i))
            ::ShowWindow(GetWindowAt(i), SW_MINIMIZE);
    m_list.SetRedraw(TRUE);
    RefreshList();
}

BOOL CVrxPWindowsDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case VrxPIdcActivate:
        OnActivate();
        return TRUE;
    case VrxPIdcSave:
        OnSave();
        return TRUE;
    case VrxPIdcCloseWindows:
        OnCloseWindows();
        return TRUE;
    case VrxPIdcCascade:
        Arrange(WM_MDICASCADE, 0);
        return TRUE;
    case VrxPIdcTileHorizontally:
        Arrange(WM_MDITILE, MDITILE_HORIZONTAL);
        return TRUE;
    case VrxPIdcTileVertically:
        Arrange(WM_MDITILE, MDITILE_VERTICAL);
        return TRUE;
    case VrxPIdcMinimize:
        OnMinimize();
        return TRUE;
    case VrxPIdcWindowsHelp:
        OnHelpInfo(nullptr);
        return TRUE;
    case VrxPIdcWindowsList:
        if (HIWORD(wParam) == LBN_SELCHANGE)
            UpdateButtons();
        else if (HIWORD(wParam) == LBN_DBLCLK)
            OnActivate();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CVrxPWindowsDialog::OnHelpInfo(HELPINFO*)
{
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    if (pMain != nullptr && pMain->GetSafeHwnd() != NULL)
        pMain->SendMessage(VrxM_WINDOW_HELP, 0, reinterpret_cast<LPARAM>(this));
    return FALSE;
}

void CVrxPWindowsDialog::OnDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (static_cast<int>(lpDrawItemStruct->itemID) == -1)
        return;
    HDC hDC = lpDrawItemStruct->hDC;
    const RECT& rect = lpDrawItemStruct->rcItem;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    if ((lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0)
    {
        ::FillRect(hDC, &rect, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        const int nHeight = rect.bottom - rect.top;
        HWND hWnd = reinterpret_cast<HWND>(lpDrawItemStruct->itemData);
        char title[titleLength + 1] = "";
        ::GetWindowText(hWnd, title, titleLength);
        RECT rectText = rect;
        rectText.left += nHeight + kIconGap;
        ::SetBkMode(hDC, TRANSPARENT);
        ::SetTextColor(hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        ::DrawText(hDC, title, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        HICON hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hWnd, GCLP_HICONSM));
        if (hIcon != NULL)
            ::DrawIconEx(hDC, rect.left + kIconLeft, rect.top, hIcon, nHeight, nHeight, 0, NULL, DI_NORMAL);
    }
    if ((lpDrawItemStruct->itemAction & ODA_FOCUS) != 0)
        ::DrawFocusRect(hDC, &rect);
}


LRESULT CVrxPWindowsDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP)
        return OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam));
    return CDialog::WindowProc(message, wParam, lParam);
}
