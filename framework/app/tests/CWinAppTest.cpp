#include <winsock2.h>

#include "app/AfxOleInit.h"
#include "app/AfxSocketInit.h"
#include "app/CWinApp.h"
#include "app/ResourceChain.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>

namespace
{
std::string ProgramPathWithout(LPCTSTR lpszExtension)
{
    char szPath[MAX_PATH];
    GetModuleFileName(NULL, szPath, MAX_PATH);
    std::string path = szPath;
    return path.substr(0, path.rfind('.')) + lpszExtension;
}

void InitCurrentApp()
{
    ASSERT_TRUE(AfxWinInit(GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWMINIMIZED));
}

TEST(CWinApp, NamesComeFromTheTitleStringAndTheProgramFile)
{
    CWinApp app;
    InitCurrentApp();

    EXPECT_STREQ("korvo app tests", app.m_pszAppName);
    EXPECT_STREQ("framework_app_tests", app.m_pszExeName);
    EXPECT_STREQ("framework_app_tests.INI", app.m_pszProfileName);
    EXPECT_EQ(ProgramPathWithout(".HLP"), app.m_pszHelpFilePath);
    EXPECT_EQ(GetModuleHandle(NULL), app.m_hInstance);
    EXPECT_EQ(SW_SHOWMINIMIZED, app.m_nCmdShow);
    EXPECT_EQ(GetModuleHandle(NULL), AfxGetInstanceHandle());

    app.SetRegistryKey("Some Company");
    EXPECT_STREQ("Some Company", app.m_pszRegistryKey);
    EXPECT_STREQ("korvo app tests", app.m_pszProfileName);
}

TEST(CWinApp, WithoutATitleStringTheNameIsTheModuleFile)
{
    // No module of the chain then holds the title string: the framework DLL
    // is the first link and the program is none.
    HMODULE hFramework = GetModuleHandle("framework.dll");
    {
        CWinApp app;
        ASSERT_TRUE(AfxWinInit(hFramework, NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL));
        EXPECT_EQ(hFramework, AfxGetResourceHandle());
        EXPECT_STREQ("framework", app.m_pszAppName);
        EXPECT_STREQ("framework", app.m_pszExeName);
    }
    CWinApp restore("restore");
    InitCurrentApp();
    EXPECT_EQ(GetModuleHandle(NULL), AfxGetResourceHandle());
}

TEST(CWinApp, AGivenNameIsKept)
{
    CWinApp app("given name");
    InitCurrentApp();
    EXPECT_STREQ("given name", app.m_pszAppName);
}

TEST(CWinApp, WaitCursorIsCounted)
{
    CWinApp app("wait cursor");
    HCURSOR hArrow = LoadCursor(NULL, IDC_ARROW);
    HCURSOR hWait = LoadCursor(NULL, IDC_WAIT);
    SetCursor(hArrow);

    app.BeginWaitCursor();
    EXPECT_EQ(hWait, GetCursor());
    app.BeginWaitCursor();
    app.EndWaitCursor();
    EXPECT_EQ(hWait, GetCursor());
    SetCursor(hArrow);
    app.RestoreWaitCursor();
    EXPECT_EQ(hWait, GetCursor());
    app.EndWaitCursor();
    EXPECT_EQ(hArrow, GetCursor());

    // An End too many changes nothing.
    app.EndWaitCursor();
    EXPECT_EQ(hArrow, GetCursor());
    app.RestoreWaitCursor();
    EXPECT_EQ(hArrow, GetCursor());
}

TEST(CWinApp, ExitCommandWithoutMainWindowQuits)
{
    CWinApp app("exit command");
    MSG msg;
    while (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
    }

    EXPECT_TRUE(app.OnCmdMsg(ID_APP_EXIT, CN_COMMAND, nullptr, nullptr));
    ASSERT_TRUE(PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
}

class OleApp : public CWinApp
{
public:
    OleApp() : CWinApp("ole") {}
    BOOL m_bOle = FALSE;
    BOOL m_bSockets = FALSE;

    BOOL InitInstance() override
    {
        m_bOle = AfxOleInit();
        m_bSockets = AfxSocketInit();
        return FALSE;
    }
};

TEST(AfxWinMain, OleAndSocketsEndWithTheApplication)
{
    OleApp app;
    AfxWinMain(GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL);
    ASSERT_TRUE(app.m_bOle);
    ASSERT_TRUE(app.m_bSockets);

    // Still initialised for a single-threaded apartment, the thread could
    // not join the multi-threaded one.
    HRESULT hr = CoInitializeEx(NULL, COINIT_MULTITHREADED);
    EXPECT_EQ(S_OK, hr);
    if (SUCCEEDED(hr))
        CoUninitialize();

    EXPECT_EQ(INVALID_SOCKET, socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    EXPECT_EQ(WSANOTINITIALISED, WSAGetLastError());
}
} // namespace
