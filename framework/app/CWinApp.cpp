#include "app/CWinApp.h"

#include "app/CCommandLineInfo.h"
#include "app/CModuleState.h"
#include "app/CWindowLayer.h"
#include "app/ResourceChain.h"
#include "frames/CDocManager.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName != NULL ? _tcsdup(lpszAppName) : NULL), m_pszExeName(NULL),
      m_pszHelpFilePath(NULL), m_pszProfileName(NULL), m_pszRegistryKey(NULL), m_hInstance(NULL),
      m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL), m_pDocManager(NULL), m_nWaitCursorCount(0), m_hcurWaitCursorRestore(NULL)
{
    CModuleState& state = CModuleState::Get();
    ASSERT(state.m_pCurrentWinApp == nullptr);
    state.m_pCurrentWinApp = this;
    AttachToCurrentThread();
}

CWinApp::~CWinApp()
{
    CModuleState& state = CModuleState::Get();
    if (state.m_pCurrentWinApp == this)
        state.m_pCurrentWinApp = nullptr;
    delete m_pDocManager;
    for (LPCTSTR pszText : {m_pszAppName, m_pszExeName, m_pszHelpFilePath, m_pszProfileName, m_pszRegistryKey})
        free(const_cast<LPTSTR>(pszText));
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == NULL)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != NULL ? m_pDocManager->GetFirstDocTemplatePosition() : NULL;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPos) const
{
    return m_pDocManager->GetNextDocTemplate(rPos);
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

void CWinApp::DoWaitCursor(int nCode)
{
    HCURSOR hcurWait = ::LoadCursor(NULL, IDC_WAIT);
    if (nCode > 0)
    {
        HCURSOR hcurPrevious = ::SetCursor(hcurWait);
        if (m_nWaitCursorCount++ == 0)
            m_hcurWaitCursorRestore = hcurPrevious;
    }
    else if (nCode < 0)
    {
        if (m_nWaitCursorCount > 0 && --m_nWaitCursorCount == 0)
            ::SetCursor(m_hcurWaitCursorRestore);
    }
    else if (m_nWaitCursorCount > 0)
    {
        ::SetCursor(hcurWait);
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i)
    {
        LPCTSTR pszParam = __argv[i];
        BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i + 1 == __argc);
    }
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursor(NULL, lpszCursorName);
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIcon(NULL, lpszIconName);
}

void CWinApp::OnAppExit()
{
    CWindowLayer* pLayer = AfxGetWindowLayer();
    HWND hWndMain = pLayer != nullptr ? pLayer->GetSafeHwnd(m_pMainWnd) : NULL;
    if (hWndMain != NULL)
        ::SendMessage(hWndMain, WM_CLOSE, 0, 0);
    else
        ::PostQuitMessage(0);
}

CWinApp* AfxGetApp()
{
    return CModuleState::Get().m_pCurrentWinApp;
}
