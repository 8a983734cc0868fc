// What CWnd offers windows made from dialog templates: creation, the
// template's initial list items, and command-UI updates of the controls.

#include "windows/CWnd.h"

#include "app/CCmdUI.h"
#include "app/ResourceChain.h"
#include "windows/DlgInitData.h"

#include <vector>

namespace
{
// The dialog manager's procedure under the dialog's own class procedure.
// Everything, WM_INITDIALOG included, reaches the object's message map
// before the dialog class procedure sees it; a template window without a
// handler of its own gets the default focus.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

BOOL IsPushButton(HWND hWnd)
{
    return (::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Static controls carry the id -1, which Win32 hands back as 0xFFFF.
BOOL HasCommandId(UINT nID)
{
    return nID != 0 && nID != 0xFFFF && nID != static_cast<UINT>(-1);
}
} // namespace

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (m_hWnd != NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate, AfxGetSafeHwnd(pParentWnd), AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != NULL;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
    HRSRC hResource = ::FindResource(hInst, lpszResourceName, RT_DLGINIT);
    if (hResource == NULL)
        return TRUE;
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    LPVOID lpData = hData != NULL ? ::LockResource(hData) : NULL;
    if (lpData == NULL)
        return FALSE;
    return ExecuteDlgInit(lpData, ::SizeofResource(hInst, hResource));
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource, DWORD dwSize)
{
    std::vector<DlgInitItem> items;
    if (!AfxParseDlgInit(lpResource, dwSize, items))
        return FALSE;
    BOOL bSuccess = TRUE;
    for (const DlgInitItem& item : items)
    {
        LRESULT lResult = ::SendDlgItemMessage(m_hWnd, item.nIDC, item.nMessage, 0,
                                               reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(item.strText)));
        // LB_ERR and CB_ERR are -1, LB_ERRSPACE and CB_ERRSPACE -2.
        if (lResult == LB_ERR || lResult == LB_ERRSPACE)
            bSuccess = FALSE;
    }
    return bSuccess;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (!HasCommandId(nID))
            continue;
        state.m_nID = nID;
        state.m_pOther = FromHandle(hWndChild);
        // Check boxes and radio buttons change themselves: only push
        // buttons stand for commands that may be missing.
        state.DoUpdate(pTarget, bDisableIfNoHndler && IsPushButton(hWndChild));
    }
}
