#include "app/AfxWinMain.h"

#include "app/CModuleState.h"
#include "app/CWinApp.h"
#include "app/ModuleFileName.h"

#include <cstdlib>

namespace
{
void ReplaceText(LPCTSTR& pszMember, const CString& strText)
{
    free(const_cast<LPTSTR>(pszMember));
    pszMember = _tcsdup(strText);
}

// Names the application from the module that runs it: its exe name, help
// file and .ini profile, and its name when it was given none (the title
// string, else the exe name).
void InitNames(CWinApp* pApp)
{
    CString strPath = ModuleFilePath(pApp->m_hInstance);
    CString strExeName = FileTitle(strPath);
    ReplaceText(pApp->m_pszExeName, strExeName);
    ReplaceText(pApp->m_pszHelpFilePath, WithoutExtension(strPath) + ".HLP");
    if (pApp->m_pszAppName == NULL)
    {
        CString strTitle;
        ReplaceText(pApp->m_pszAppName, strTitle.LoadString(AFX_IDS_APP_TITLE) ? strTitle : strExeName);
    }
    if (pApp->m_pszProfileName == NULL)
        ReplaceText(pApp->m_pszProfileName, strExeName + ".INI");
}
} // namespace

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication())
        nReturnCode = pApp->InitInstance() ? pApp->Run() : pApp->ExitInstance();
    AfxWinTerm();
    return nReturnCode;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CModuleState& state = CModuleState::Get();
    state.SetInstanceHandle(hInstance);
    state.SetResourceHandle(hInstance);

    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    InitNames(pApp);
    return TRUE;
}

void AfxWinTerm()
{
    CModuleState::Get().RunTermFunctions();
}
