#include "dialogs/CDialog.h"

#include "app/CWinThread.h"
#include "app/ResourceChain.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace
{
// Command ids from menus, toolbars and accelerators; the ids below are the
// dialog's own controls, the ones above the system's commands.
const UINT kFirstCommandId = 0x8000;
const UINT kFirstSystemCommandId = 0xF000;

BOOL IsMultiLineEdit(HWND hWnd)
{
    TCHAR szClass[16];
    return (::GetWindowLong(hWnd, GWL_STYLE) & ES_MULTILINE) && ::GetClassName(hWnd, szClass, 16) > 0 &&
           ::lstrcmpi(szClass, "Edit") == 0;
}
} // namespace

CDialog::CDialog()
    : m_lpszTemplateName(NULL), m_lpDialogTemplate(NULL), m_lpDialogInit(NULL), m_pParentWnd(nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_lpDialogTemplate(NULL), m_lpDialogInit(NULL),
      m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_lpDialogTemplate(NULL), m_lpDialogInit(NULL),
      m_pParentWnd(pParentWnd)
{
}

LPCDLGTEMPLATE CDialog::FindTemplate(HINSTANCE& hInst) const
{
    if (m_lpszTemplateName == NULL)
    {
        hInst = AfxGetResourceHandle();
        return m_lpDialogTemplate;
    }
    hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    return hTemplate != NULL ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : NULL;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = FindTemplate(hInst);
    if (lpTemplate == NULL)
        return FALSE;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpszTemplateName = NULL;
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpszTemplateName = NULL;
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != NULL;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = FindTemplate(hInst);
    if (lpTemplate == NULL)
        return -1;

    // The owner, and the top-level window above it, take no input meanwhile.
    HWND hWndTop = NULL;
    HWND hWndOwner = AfxGetSafeHwnd(GetSafeOwner(m_pParentWnd, &hWndTop));
    BOOL bEnableOwner = hWndOwner != NULL && ::IsWindowEnabled(hWndOwner);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, FALSE);

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndOwner), hInst))
    {
        if (m_nFlags & WF_CONTINUEMODAL)
            RunModalLoop(MLF_SHOWONIDLE | ((GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG : 0));
        // Hidden before the owner comes back, so that activation returns to it.
        if (m_hWnd != NULL)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    if (hWndOwner != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    CRect rcBefore;
    GetWindowRect(&rcBefore);
    LRESULT result = OnInitDialog();
    // A dialog that its initialisation did not place opens centred on its
    // owner; a child dialog stays where its parent put it.
    CRect rcAfter;
    if (::IsWindow(m_hWnd) && (GetStyle() & WS_CHILD) == 0)
    {
        GetWindowRect(&rcAfter);
        if (rcAfter.TopLeft() == rcBefore.TopLeft())
            CenterWindow();
    }
    return result;
}

void CDialog::PreInitDialog()
{
}

BOOL CDialog::OnInitDialog()
{
    BOOL bDlgInit = m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit, static_cast<DWORD>(-1))
                                           : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit || !UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pWndCtrl)), TRUE);
}

void CDialog::NextDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(SendMessage(DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // A multi-line edit keeps Escape for itself, which would leave the
    // dialog impossible to cancel from it.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        ::IsChild(m_hWnd, pMsg->hwnd) && IsMultiLineEdit(pMsg->hwnd))
    {
        HWND hWndCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
        if (hWndCancel == NULL || ::IsWindowEnabled(hWndCancel))
        {
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
    }
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if ((nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI) || nID < kFirstCommandId ||
        nID >= kFirstSystemCommandId)
        return FALSE;
    CWnd* pOwner = GetParent();
    if (pOwner != nullptr && pOwner != this && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
