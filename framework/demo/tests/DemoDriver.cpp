// Drives framework_demo.exe from outside, as another program would: finds
// its main window by class, activates each child, sends menu commands, reads
// the controls back, runs the modal dialog, and saves a picture of the
// screen (--shot=<file.bmp>).

#include <windows.h>

#include "DemoIds.h"
#include "ScreenPicture.h"
#include "WindowDriver.h"
#include "frames/FrameIds.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
using namespace windriver;

std::string g_strShotPath = "framework_demo.bmp";

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
        DWORD dwProcessId = s_process.dwProcessId;
        s_hWndMain = wait_for([dwProcessId] { return find_top_window(dwProcessId, DEMO_MAINFRAME_CLASS); });
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
            if (text_of(hWnd) == pszTitle)
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
    EXPECT_EQ(0u, text_of(s_hWndMain).find("Framework Demo"));
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
    EXPECT_EQ("typed", text_of(hWndName));

    Activate(ChildTitled("Form"));
    ::SendMessage(s_hWndMain, WM_COMMAND, ID_FORM_FILL, 0);
    EXPECT_EQ("Filled by command", text_of(hWndName));
}

TEST_F(DemoTest, ApplyReadsTheBoundControlsBack)
{
    ::SendMessage(FormControl(IDC_DEMO_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Wine"));
    ::SendMessage(FormControl(IDC_DEMO_COUNT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("7"));
    HWND hWndApply = FormControl(IDC_DEMO_APPLY);
    ::SendMessage(::GetParent(hWndApply), WM_COMMAND, MAKEWPARAM(IDC_DEMO_APPLY, BN_CLICKED),
                  reinterpret_cast<LPARAM>(hWndApply));
    EXPECT_EQ("Hello Wine x7", text_of(FormControl(IDC_DEMO_RESULT)));
    // The template's initial items.
    EXPECT_EQ(3, ::SendMessage(FormControl(IDC_DEMO_COLOUR), CB_GETCOUNT, 0, 0));
}

TEST_F(DemoTest, TheModalDialogDisablesTheFrameAndHandsItsTextBack)
{
    ::PostMessage(s_hWndMain, WM_COMMAND, ID_DEMO_DIALOG, 0);
    DWORD dwProcessId = s_process.dwProcessId;
    HWND hWndDialog = wait_for([dwProcessId] { return find_dialog(dwProcessId, "Demo Dialog"); });
    ASSERT_NE(nullptr, hWndDialog);
    EXPECT_FALSE(::IsWindowEnabled(s_hWndMain));
    EXPECT_EQ("hello", text_of(::GetDlgItem(hWndDialog, IDC_DIALOG_TEXT)));

    ::SendMessage(::GetDlgItem(hWndDialog, IDC_DIALOG_TEXT), WM_SETTEXT, 0,
                  reinterpret_cast<LPARAM>("from the test"));
    ::PostMessage(hWndDialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(wait_until([hWndDialog] { return !::IsWindow(hWndDialog); }));
    EXPECT_TRUE(::IsWindowEnabled(s_hWndMain));
    EXPECT_EQ("Dialog said: from the test", text_of(::GetDlgItem(s_hWndMain, AFX_IDW_STATUS_BAR)));
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
    EXPECT_TRUE(save_screen(g_strShotPath));
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
    g_strShotPath = shot_path(argc, argv, g_strShotPath);
    return RUN_ALL_TESTS();
}
