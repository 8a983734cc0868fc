#include "app/AfxMessageBox.h"

#include "app/CWinApp.h"
#include "app/CWindowLayer.h"
#include "app/ModuleFileName.h"

namespace
{
HWND MessageBoxOwner()
{
    CWinThread* pThread = AfxGetThread();
    CWindowLayer* pLayer = AfxGetWindowLayer();
    if (pThread == nullptr || pLayer == nullptr)
        return NULL;
    HWND hWndOwner = pLayer->GetSafeHwnd(pThread->GetMainWnd());
    if (hWndOwner == NULL || !IsWindow(hWndOwner))
        return NULL;
    // A disabled main window is running a modal dialog: that dialog owns the box.
    return IsWindowEnabled(hWndOwner) ? hWndOwner : GetLastActivePopup(hWndOwner);
}

CString MessageBoxCaption()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pszAppName != NULL)
        return pApp->m_pszAppName;
    return FileTitle(ModuleFilePath(NULL));
}
} // namespace

int AfxMessageBox(LPCTSTR lpszText, UINT nType)
{
    return MessageBox(MessageBoxOwner(), lpszText, MessageBoxCaption(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    CString strText;
    strText.LoadString(nIDPrompt);
    return AfxMessageBox(strText, nType);
}
