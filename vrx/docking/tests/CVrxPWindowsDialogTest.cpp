#include "docking/mdi/CVrxPWindowsDialog.h"

#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/VrxPDockingResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

// What the dialog showed, and what the test did in it.
struct DialogVisit
{
    std::vector<std::string> titles;
    int selected = 0;
    BOOL activateEnabled = FALSE;
    BOOL closeEnabled = FALSE;
    BOOL cascadeShown = FALSE;
};

DialogVisit g_visit;

std::string ListText(HWND hList, int nIndex)
{
    HWND hWnd = reinterpret_cast<HWND>(::SendMessage(hList, LB_GETITEMDATA, nIndex, 0));
    char title[64] = "";
    ::GetWindowText(hWnd, title, sizeof(title));
    return title;
}

// Notes the dialog, then selects the first two windows and closes them.
void CALLBACK VisitDialog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDialog = ::FindWindow("#32770", "Windows");
    if (hDialog == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    HWND hList = ::GetDlgItem(hDialog, VrxPIdcWindowsList);
    const int nCount = static_cast<int>(::SendMessage(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; i++)
        g_visit.titles.push_back(ListText(hList, i));
    g_visit.selected = static_cast<int>(::SendMessage(hList, LB_GETSELCOUNT, 0, 0));
    g_visit.activateEnabled = ::IsWindowEnabled(::GetDlgItem(hDialog, VrxPIdcActivate));
    g_visit.closeEnabled = ::IsWindowEnabled(::GetDlgItem(hDialog, VrxPIdcCloseWindows));
    g_visit.cascadeShown = ::IsWindowVisible(::GetDlgItem(hDialog, VrxPIdcCascade));
    ::SendMessage(hList, LB_SELITEMRANGEEX, 0, 1);
    ::SendMessage(hDialog, WM_COMMAND, MAKEWPARAM(VrxPIdcWindowsList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
    ::SendMessage(hDialog, WM_COMMAND, VrxPIdcCloseWindows, 0);
    ::PostMessage(hDialog, WM_COMMAND, IDOK, 0);
}

TEST(WindowsDialogTest, ListsTheChildrenByTitleAndClosesASelection)
{
    OwnedFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "windows", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 540)));
    for (const char* title : {"ZIM", "COM connection", "Seedvaults"})
    {
        CMDIChildWnd* pChild = frame.CreateNewChild(RUNTIME_CLASS(CVrxPMDIChildWnd), 0);
        ASSERT_NE(nullptr, pChild);
        pChild->SetWindowText(title);
    }
    g_visit = DialogVisit();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 200, VisitDialog);
    frame.OnWindowsManager();
    ::KillTimer(NULL, nTimer);

    EXPECT_EQ((std::vector<std::string>{"COM connection", "Seedvaults", "ZIM"}), g_visit.titles);
    EXPECT_EQ(1, g_visit.selected) << "the active child";
    EXPECT_TRUE(g_visit.activateEnabled);
    EXPECT_TRUE(g_visit.closeEnabled);
    EXPECT_TRUE(g_visit.cascadeShown) << "every child has a system menu";
    HWND hLeft = ::GetWindow(frame.m_hWndMDIClient, GW_CHILD);
    ASSERT_NE(static_cast<HWND>(NULL), hLeft);
    char title[64] = "";
    ::GetWindowText(hLeft, title, sizeof(title));
    EXPECT_STREQ("ZIM", title);
    EXPECT_EQ(NULL, ::GetWindow(hLeft, GW_HWNDNEXT)) << "the two selected windows are closed";
    frame.DestroyWindow();
}
} // namespace
