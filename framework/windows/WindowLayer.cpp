// The window layer's part of the application layer's work (app/CWindowLayer.h):
// pre-translation, idle updates, temporary objects and the CCmdUI of menu
// items and controls. Installed while the framework DLL starts.

#include "app/CCmdUI.h"
#include "app/CWinThread.h"
#include "app/CWindowLayer.h"
#include "gdi/CGdiObject.h"
#include "windows/CMenu.h"
#include "windows/CWnd.h"
#include "windows/ExceptionReport.h"

#include <exception>

namespace
{
void SendIdleUpdate(HWND hWnd)
{
    ::SendMessage(hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    CWnd::SendMessageToDescendants(hWnd, WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

struct IdleUpdateWalk
{
    HWND hWndMain;
};

// The thread's other visible frames (floating frames and the like).
BOOL CALLBACK UpdateTopLevelFrame(HWND hWnd, LPARAM lParam)
{
    const IdleUpdateWalk* pWalk = reinterpret_cast<const IdleUpdateWalk*>(lParam);
    if (hWnd == pWalk->hWndMain || !::IsWindowVisible(hWnd))
        return TRUE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->IsFrameWnd())
        SendIdleUpdate(hWnd);
    return TRUE;
}

class WindowLayer : public CWindowLayer
{
public:
    // Pre-translation runs outside any window procedure, so it needs the same
    // boundary: a failing override is reported and the message goes on as usual.
    BOOL WalkPreTranslateTree(CWnd* pMainWnd, MSG* pMsg) override
    {
        try
        {
            return AfxWalkPreTranslateTree(AfxGetSafeHwnd(pMainWnd), pMsg);
        }
        catch (CException* e)
        {
            AfxReportException(e);
        }
        catch (const std::exception& e)
        {
            AfxReportForeignException(e.what());
        }
        catch (...)
        {
            AfxReportForeignException(NULL);
        }
        return FALSE;
    }

    void UpdateIdleCommandUI(CWinThread* pThread) override
    {
        IdleUpdateWalk walk = {AfxGetSafeHwnd(pThread->GetMainWnd())};
        if (walk.hWndMain != NULL && ::IsWindowVisible(walk.hWndMain))
            SendIdleUpdate(walk.hWndMain);
        ::EnumThreadWindows(::GetCurrentThreadId(), UpdateTopLevelFrame, reinterpret_cast<LPARAM>(&walk));
    }

    void DeleteTempObjects() override
    {
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
        AfxDeleteTempGdiObjects();
    }

    HWND GetSafeHwnd(CWnd* pWnd) override
    {
        return AfxGetSafeHwnd(pWnd);
    }

    void EnableItem(CCmdUI* pCmdUI, BOOL bOn) override
    {
        if (CMenu* pMenu = pCmdUI->m_pMenu)
        {
            // A popup's own state is left alone: its items speak for themselves.
            if (pCmdUI->m_pSubMenu == nullptr)
                pMenu->EnableMenuItem(pCmdUI->m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
            return;
        }
        HWND hWnd = pCmdUI->m_pOther->m_hWnd;
        // A disabled control must not keep the focus: it would trap the keyboard.
        if (!bOn && ::GetFocus() == hWnd)
        {
            if (HWND hWndParent = ::GetParent(hWnd))
                ::SendMessage(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        ::EnableWindow(hWnd, bOn);
    }

    void CheckItem(CCmdUI* pCmdUI, int nCheck) override
    {
        if (CMenu* pMenu = pCmdUI->m_pMenu)
        {
            if (pCmdUI->m_pSubMenu == nullptr)
                pMenu->CheckMenuItem(pCmdUI->m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
            return;
        }
        HWND hWnd = pCmdUI->m_pOther->m_hWnd;
        if (::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessage(hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    }

    void SetItemRadio(CCmdUI* pCmdUI, BOOL bOn) override
    {
        CMenu* pMenu = pCmdUI->m_pMenu;
        if (pMenu == nullptr)
        {
            CheckItem(pCmdUI, bOn ? 1 : 0);
            return;
        }
        if (pCmdUI->m_pSubMenu != nullptr)
            return;
        MENUITEMINFO info = {};
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (!pMenu->GetMenuItemInfo(pCmdUI->m_nIndex, &info, TRUE))
            return;
        info.fType |= MFT_RADIOCHECK;
        info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
        pMenu->SetMenuItemInfo(pCmdUI->m_nIndex, &info, TRUE);
    }

    void SetItemText(CCmdUI* pCmdUI, LPCTSTR lpszText) override
    {
        if (CMenu* pMenu = pCmdUI->m_pMenu)
        {
            MENUITEMINFO info = {};
            info.fMask = MIIM_STRING;
            info.dwTypeData = const_cast<LPTSTR>(lpszText);
            pMenu->SetMenuItemInfo(pCmdUI->m_nIndex, &info, TRUE);
            return;
        }
        // Unchanged text is not set again: the control would flicker.
        CString strCurrent;
        pCmdUI->m_pOther->GetWindowText(strCurrent);
        if (strCurrent != lpszText)
            pCmdUI->m_pOther->SetWindowText(lpszText);
    }
};

WindowLayer& TheWindowLayer()
{
    static WindowLayer layer;
    return layer;
}

struct WindowLayerInstaller
{
    WindowLayerInstaller() { AfxSetWindowLayer(&TheWindowLayer()); }
};

const WindowLayerInstaller installer;
} // namespace
