#pragma once

// What the window layer (framework/windows) contributes to the application
// layer: the pre-translation walk and the idle work of the message loop, the
// window handle behind a CWnd, and the menu-item and window parts of CCmdUI.
// The window layer installs its one instance while the framework DLL starts;
// until then threads pump messages without those steps, message boxes have
// no owner and a CCmdUI only records what it was told.

#include "core/Platform.h"

class CCmdUI;
class CWinThread;
class CWnd;

class FRAMEWORK_API CWindowLayer
{
public:
    // Offers the message to the PreTranslateMessage of its window and of each
    // parent up to pMainWnd (or to the top-level window when pMainWnd is
    // NULL); TRUE when one of them took it.
    virtual BOOL WalkPreTranslateTree(CWnd* pMainWnd, MSG* pMsg) = 0;
    // First idle pass: the thread's frames update their command UI.
    virtual void UpdateIdleCommandUI(CWinThread* pThread) = 0;
    // Second idle pass: frees the thread's temporary wrapper objects.
    virtual void DeleteTempObjects() = 0;
    // NULL for a NULL pointer or a CWnd without a window.
    virtual HWND GetSafeHwnd(CWnd* pWnd) = 0;
    // Applied to pCmdUI->m_pMenu (item m_nIndex) or to pCmdUI->m_pOther;
    // called only for an item that has one of them.
    virtual void EnableItem(CCmdUI* pCmdUI, BOOL bOn) = 0;
    virtual void CheckItem(CCmdUI* pCmdUI, int nCheck) = 0;
    virtual void SetItemRadio(CCmdUI* pCmdUI, BOOL bOn) = 0;
    virtual void SetItemText(CCmdUI* pCmdUI, LPCTSTR lpszText) = 0;

protected:
    ~CWindowLayer() = default;
};

FRAMEWORK_API void AfxSetWindowLayer(CWindowLayer* pLayer);
FRAMEWORK_API CWindowLayer* AfxGetWindowLayer();
