// Drives framework_demo.exe from outside, as another program would: finds
// its main window by class, activates each child, sends menu commands, reads
// the controls back, runs the modal dialog, and saves a picture of the
// screen (--shot=<file.bmp>).

#include <windows.h>

#include "DemoIds.h"
#include "frames/FrameIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>

namespace
{
const DWORD kWaitLimit = 20000;
const DWORD kPollInterval = 50;

std::string g_strShotPath = "framework_demo.bmp";

HWND WaitFor(const std::function<HWND()>& find)
{
    for (DWORD dwWaited = 0; dwWaited < kWaitLimit; dwWaited += kPollInterval)
    {
        if (HWND hWnd = find())
            return hWnd;
        ::Sleep(kPollInterval);
    }
    return NULL;
}

std::string TextOf(HWND hWnd)
{
    char szText[256] = "";
    ::SendMessage(hWnd, WM_GETTEXT, sizeof(szText), reinterpret_cast<LPARAM>(szText));
    return szText;
}

// Saves the screen as a 24-bit bottom-up BMP.
bool SaveScreen(const std::string& strPath)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN);
    int cy = ::GetSystemMetrics(SM_CYSCREEN);
    HDC hScreen = ::GetDC(NULL);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    ::BitBlt(hMemory, 0, 0, cx, cy, hScreen, 0, 0, SRCCOPY);
    ::GdiFlush();

    DWORD dwRowBytes = ((cx * 3) + 3) & ~3u;
    DWORD dwImageBytes = dwRowBytes * static_cast<DWORD>(cy);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + dwImageBytes;
    std::ofstream out(strPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(pBits), dwImageBytes);
    bool bWritten = out.good();

    ::SelectObject(hMemory, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
    ::ReleaseDC(NULL, hScreen);
    return bWritten;
}

class DemoTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        STARTUPINFO startup = {};
        startup.cb = sizeof(startup);
        char szCommand[] = "framework_demo.exe";
        if (!::CreateProcess(NULL, szCommand, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &s_process))
            return;
        s_hWndMain = WaitFor([] { return ::FindWindow(DEMO_MAINFRAME_CLASS, NULL); });
    }

    static void TearDownTestSuite()
    {
        if (s_process.hProcess == NULL)
            return;
        if (::IsWindow(s_hWndMain))
            ::PostMessage(s_hWndMain, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(s_process.hProcess, kWaitLimit) != WAIT_OBJECT_0)
            ::TerminateProcess(s_process.hProcess, 1);
        ::CloseHandle(s_process.hThread);
        ::CloseHandle(s_process.hProcess);
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, s_process.hProcess) << "framework_demo.exe did not start";
        ASSERT_NE(nullptr, s_hWndMain) << "no window of class " DEMO_MAINFRAME_CLASS;
        m_hWndClient = ::FindWindowEx(s_hWndMain, NULL, "MDICLIENT", NULL);
        ASSERT_NE(nullptr, m_hWndClient);
    }

    HWND ChildTitled(const char* pszTitle) const
    {
        for (HWND hWnd = ::GetWindow(m_hWndClient, GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            if (TextOf(hWnd) == pszTitle)
                return hWnd;
        }
        return NULL;
    }

    void Activate(HWND hWndChild) const
    {
        ::SendMessage(m_hWndClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWndChild), 0);
    }

    HWND ActiveChild() const
    {
        return reinterpret_cast<HWND>(::SendMessage(m_hWndClient, WM_MDIGETACTIVE, 0, 0));
    }

    HWND FormControl(int nID) const
    {
        HWND hWndForm = ::GetDlgItem(ChildTitled("Form"), AFX_IDW_PANE_FIRST);
        return ::GetDlgItem(hWndForm, nID);
    }

    static PROCESS_INFORMATION s_process;
    static HWND s_hWndMain;
    HWND m_hWndClient = NULL;
};

PROCESS_INFORMATION DemoTest::s_process = {};
HWND DemoTest::s_hWndMain = NULL;

TEST_F(DemoTest, TheMainWindowCarriesTheTitleAndTwoChildren)
{
    EXPECT_EQ(0u, TextOf(s_hWndMain).find("Framework Demo"));
    EXPECT_NE(nullptr, ChildTitled("Form"));
    EXPECT_NE(nullptr, ChildTitled("Drawing"));
}

// Menus of another process cannot be read under Wine, only told apart.
TEST_F(DemoTest, EachChildShowsItsOwnMenuWhenActivated)
{
    HWND hWndForm = ChildTitled("Form");
    HWND hWndDrawing = ChildTitled("Drawing");
    ASSERT_NE(nullptr, hWndForm);
    ASSERT_NE(nullptr, hWndDrawing);

    Activate(hWndForm);
    EXPECT_EQ(hWndForm, ActiveChild());
    HMENU hMenuForm = ::GetMenu(s_hWndMain);
    Activate(hWndDrawing);
    EXPECT_EQ(hWndDrawing, ActiveChild());
    HMENU hMenuDrawing = ::GetMenu(s_hWndMain);
    Activate(hWndForm);

    EXPECT_NE(nullptr, hMenuForm);
    EXPECT_NE(nullptr, hMenuDrawing);
    EXPECT_NE(hMenuForm, hMenuDrawing);
    EXPECT_EQ(hMenuForm, ::GetMenu(s_hWndMain));
}

TEST_F(DemoTest, AMenuCommandReachesTheActiveChildsForm)
{
    HWND hWndName = FormControl(IDC_DEMO_NAME);
    ASSERT_NE(nullptr, hWndName);
    ::SendMessage(hWndName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));

    Activate(ChildTitled("Drawing"));
    ::SendMessage(s_hWndMain, WM_COMMAND, ID_FORM_FILL, 0);
    EXPECT_EQ("typed", TextOf(hWndName));

    Activate(ChildTitled("Form"));
    ::SendMessage(s_hWndMain, WM_COMMAND, ID_FORM_FILL, 0);
    EXPECT_EQ("Filled by command", TextOf(hWndName));
}

TEST_F(DemoTest, ApplyReadsTheBoundControlsBack)
{
    ::SendMessage(FormControl(IDC_DEMO_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Wine"));
    ::SendMessage(FormControl(IDC_DEMO_COUNT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("7"));
    HWND hWndApply = FormControl(IDC_DEMO_APPLY);
    ::SendMessage(::GetParent(hWndApply), WM_COMMAND, MAKEWPARAM(IDC_DEMO_APPLY, BN_CLICKED),
                  reinterpret_cast<LPARAM>(hWndApply));
    EXPECT_EQ("Hello Wine x7", TextOf(FormControl(IDC_DEMO_RESULT)));
    // The template's initial items.
    EXPECT_EQ(3, ::SendMessage(FormControl(IDC_DEMO_COLOUR), CB_GETCOUNT, 0, 0));
}

TEST_F(DemoTest, TheModalDialogDisablesTheFrameAndHandsItsTextBack)
{
    ::PostMessage(s_hWndMain, WM_COMMAND, ID_DEMO_DIALOG, 0);
    HWND hWndDialog = WaitFor([] { return ::FindWindow("#32770", "Demo Dialog"); });
    ASSERT_NE(nullptr, hWndDialog);
    EXPECT_FALSE(::IsWindowEnabled(s_hWndMain));
    EXPECT_EQ("hello", TextOf(::GetDlgItem(hWndDialog, IDC_DIALOG_TEXT)));

    ::SendMessage(::GetDlgItem(hWndDialog, IDC_DIALOG_TEXT), WM_SETTEXT, 0,
                  reinterpret_cast<LPARAM>("from the test"));
    ::PostMessage(hWndDialog, WM_COMMAND, IDOK, 0);
    EXPECT_NE(nullptr, WaitFor([hWndDialog] { return ::IsWindow(hWndDialog) ? NULL : hWndDialog; }));
    EXPECT_TRUE(::IsWindowEnabled(s_hWndMain));
    EXPECT_EQ("Dialog said: from the test", TextOf(::GetDlgItem(s_hWndMain, AFX_IDW_STATUS_BAR)));
}

TEST_F(DemoTest, APictureOfTheScreenWithTheViewMenuOpen)
{
    Activate(ChildTitled("Drawing"));
    ::SendMessage(s_hWndMain, WM_COMMAND, ID_WINDOW_TILE_VERT, 0);
    // Alt+V opens the View menu; its update handlers run as it opens: the
    // picture shows the option checked and the other two items disabled.
    ::SetForegroundWindow(s_hWndMain);
    ::PostMessage(s_hWndMain, WM_SYSCOMMAND, SC_KEYMENU, 'v');
    ::Sleep(1500);
    EXPECT_TRUE(SaveScreen(g_strShotPath));
    ::PostMessage(s_hWndMain, WM_CANCELMODE, 0, 0);
    ::PostMessage(s_hWndMain, WM_KEYDOWN, VK_ESCAPE, 0);
    ::Sleep(300);
}

TEST_F(DemoTest, ClosingTheMainWindowEndsTheProgram)
{
    ::PostMessage(s_hWndMain, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(s_process.hProcess, kWaitLimit));
    DWORD dwExitCode = 1;
    ::GetExitCodeProcess(s_process.hProcess, &dwExitCode);
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_FALSE(::IsWindow(s_hWndMain));
}
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
    {
        if (std::strncmp(argv[i], "--shot=", 7) == 0)
            g_strShotPath = argv[i] + 7;
    }
    return RUN_ALL_TESTS();
}
