// The "Windows" dialog's buttons and list as the user works them: the
// dialog runs modally on the frame while a timer reaches into it.

#include "docking/mdi/CVrxPWindowsDialog.h"
#include "docking/tests/KorvoLikeMdi.h"
#include "docking/tests/RealInput.h"
#include "docking/VrxPDockingResources.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// A child that will not be closed.
class StubbornChild : public CVrxPMDIChildWnd
{
    DECLARE_DYNCREATE(StubbornChild)
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CLOSE)
            return 0;
        return CVrxPMDIChildWnd::WindowProc(message, wParam, lParam);
    }
};
IMPLEMENT_DYNCREATE(StubbornChild, CVrxPMDIChildWnd)

std::function<void(HWND)> g_inDialog;
UINT_PTR g_fallbackTimer = 0;

// A dialog the test's work left open is ended a few seconds later, so that
// a fault cannot hang the run.
void CALLBACK EndLeftDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hDialog = ::FindWindow("#32770", "Windows");
    if (hDialog != NULL)
        ::PostMessage(hDialog, WM_COMMAND, IDCANCEL, 0);
}

// Runs the test's work once the dialog is up.
void CALLBACK ReachDialog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDialog = ::FindWindow("#32770", "Windows");
    if (hDialog == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    g_fallbackTimer = ::SetTimer(NULL, 0, 4000, EndLeftDialog);
    g_inDialog(hDialog);
}

class WindowsDialogButtonsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "windows", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 670, 530)));
        frame.SetForegroundWindow();
    }
    void TearDown() override { frame.DestroyWindow(); }

    HWND AddChild(const char* title, CRuntimeClass* pClass = RUNTIME_CLASS(CVrxPMDIChildWnd))
    {
        CMDIChildWnd* pChild = frame.CreateNewChild(pClass, 0);
        if (pChild == nullptr)
            return NULL;
        pChild->SetWindowText(title);
        return pChild->GetSafeHwnd();
    }
    // Runs the dialog (with or without Help) with the work done inside it;
    // answers how it ended.
    INT_PTR Run(const std::function<void(HWND)>& work, BOOL bShowHelp = FALSE)
    {
        g_inDialog = work;
        const UINT_PTR nReach = ::SetTimer(NULL, 0, 100, ReachDialog);
        CVrxPWindowsDialog dialog(&frame, bShowHelp);
        const INT_PTR nResult = dialog.DoModal();
        ::KillTimer(NULL, nReach);
        ::KillTimer(NULL, g_fallbackTimer);
        g_fallbackTimer = 0;
        return nResult;
    }
    HWND Active() const { return reinterpret_cast<HWND>(::SendMessage(frame.m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0)); }

    KorvoLikeFrame frame;
};

HWND List(HWND hDialog)
{
    return ::GetDlgItem(hDialog, VrxPIdcWindowsList);
}

// Selects exactly the items with these titles, as a click would tell.
void Select(HWND hDialog, const std::vector<std::string>& titles)
{
    HWND hList = List(hDialog);
    ::SendMessage(hList, LB_SETSEL, FALSE, -1);
    for (const std::string& title : titles)
    {
        const LRESULT nIndex =
            ::SendMessage(hList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(title.c_str()));
        if (nIndex != LB_ERR)
            ::SendMessage(hList, LB_SETSEL, TRUE, nIndex);
    }
    ::SendMessage(hDialog, WM_COMMAND, MAKEWPARAM(VrxPIdcWindowsList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

BOOL Enabled(HWND hDialog, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(hDialog, nID));
}

BOOL Shown(HWND hDialog, int nID)
{
    return ::IsWindowVisible(::GetDlgItem(hDialog, nID));
}

void Press(HWND hDialog, int nID)
{
    ::SendMessage(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

// The middle of the list item with the title, on the screen.
CPoint ItemCentre(HWND hDialog, const char* title)
{
    HWND hList = List(hDialog);
    const LRESULT nIndex =
        ::SendMessage(hList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(title));
    RECT rect = {};
    ::SendMessage(hList, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(&rect));
    POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(hList, &point);
    return CPoint(point.x, point.y);
}

CRect WindowRect(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

TEST_F(WindowsDialogButtonsTest, TilingThreeOfFiveMinimisesTheOtherTwoAndTilesTheThree)
{
    std::vector<HWND> children;
    for (const char* title : {"one", "two", "three", "four", "five"})
        children.push_back(AddChild(title));
    BOOL bTileEnabled = FALSE;
    BOOL bStillOpen = FALSE;
    Run([&](HWND hDialog) {
        Select(hDialog, {"one", "three", "five"});
        bTileEnabled = Enabled(hDialog, VrxPIdcTileVertically);
        Press(hDialog, VrxPIdcTileVertically);
        bStillOpen = ::IsWindow(hDialog);
        Press(hDialog, IDOK);
    });
    EXPECT_TRUE(bTileEnabled);
    EXPECT_TRUE(bStillOpen) << "arranging leaves the dialog open";
    EXPECT_TRUE(::IsIconic(children[1]));
    EXPECT_TRUE(::IsIconic(children[3]));
    const std::vector<HWND> tiled = {children[0], children[2], children[4]};
    CRect client;
    ::GetClientRect(frame.m_hWndMDIClient, &client);
    int nWidths = 0;
    for (size_t i = 0; i < tiled.size(); i++)
    {
        EXPECT_FALSE(::IsIconic(tiled[i])) << i;
        const CRect rect = WindowRect(tiled[i]);
        nWidths += rect.Width();
        for (size_t j = i + 1; j < tiled.size(); j++)
        {
            const CRect other = WindowRect(tiled[j]);
            CRect overlap;
            EXPECT_FALSE(overlap.IntersectRect(&rect, &other)) << i << " and " << j << " overlap";
        }
    }
    EXPECT_GE(nWidths, client.Width() * 9 / 10) << "side by side across the client";
}

TEST_F(WindowsDialogButtonsTest, ADoubleClickOnAnItemActivatesItsWindowAndEndsTheDialog)
{
    HWND hFirst = AddChild("first");
    AddChild("second");
    ASSERT_NE(hFirst, Active());
    const INT_PTR nResult = Run([](HWND hDialog) {
        const CPoint point = ItemCentre(hDialog, "first");
        for (int i = 0; i < 2; i++)
        {
            realinput::SendStep({realinput::InputStep::press, point});
            realinput::SendStep({realinput::InputStep::release, point});
        }
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(hFirst, Active());
}

// The colour at the item's right end, past its icon and text, as painted.
COLORREF ItemFill(HWND hDialog, const char* title)
{
    HWND hList = List(hDialog);
    const LRESULT nIndex =
        ::SendMessage(hList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(title));
    RECT rect = {};
    ::SendMessage(hList, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(&rect));
    HDC hDC = ::GetDC(hList);
    const COLORREF color = ::GetPixel(hDC, rect.right - 3, (rect.top + rect.bottom) / 2);
    ::ReleaseDC(hList, hDC);
    return color;
}

TEST_F(WindowsDialogButtonsTest, TheListPaintsItsItemsWithTheSelectionHighlighted)
{
    AddChild("first");
    AddChild("second");
    COLORREF selected = CLR_INVALID;
    COLORREF other = CLR_INVALID;
    Run([&](HWND hDialog) {
        Select(hDialog, {"first"});
        ::RedrawWindow(List(hDialog), nullptr, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        selected = ItemFill(hDialog, "first");
        other = ItemFill(hDialog, "second");
        Press(hDialog, IDOK);
    });
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), selected);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), other);
}

TEST_F(WindowsDialogButtonsTest, ActivateRestoresAMinimisedWindow)
{
    HWND hFirst = AddChild("first");
    AddChild("second");
    ::ShowWindow(hFirst, SW_MINIMIZE);
    const INT_PTR nResult = Run([](HWND hDialog) {
        Select(hDialog, {"first"});
        Press(hDialog, VrxPIdcActivate);
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_FALSE(::IsIconic(hFirst));
    EXPECT_EQ(hFirst, Active());
}

TEST_F(WindowsDialogButtonsTest, AWindowWhoseCloseIsDisabledKeepsCloseDisabledWheneverSelected)
{
    HWND hLocked = AddChild("locked");
    AddChild("open");
    ::EnableMenuItem(::GetSystemMenu(hLocked, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    struct Case
    {
        std::vector<std::string> selection;
        BOOL closeEnabled;
        BOOL saveEnabled;
        BOOL activateEnabled;
        BOOL tileEnabled;
    };
    const std::vector<Case> cases = {
        {{"locked"}, FALSE, TRUE, TRUE, FALSE},
        {{"open"}, TRUE, TRUE, TRUE, FALSE},
        {{"locked", "open"}, FALSE, TRUE, FALSE, TRUE},
        {{}, FALSE, FALSE, FALSE, FALSE},
    };
    std::vector<Case> seen;
    Run([&](HWND hDialog) {
        for (const Case& one : cases)
        {
            Select(hDialog, one.selection);
            seen.push_back({one.selection, Enabled(hDialog, VrxPIdcCloseWindows), Enabled(hDialog, VrxPIdcSave),
                            Enabled(hDialog, VrxPIdcActivate), Enabled(hDialog, VrxPIdcTileHorizontally)});
        }
        Press(hDialog, IDOK);
    });
    ASSERT_EQ(cases.size(), seen.size());
    for (size_t i = 0; i < cases.size(); i++)
    {
        EXPECT_EQ(cases[i].closeEnabled, seen[i].closeEnabled) << i;
        EXPECT_EQ(cases[i].saveEnabled, seen[i].saveEnabled) << i;
        EXPECT_EQ(cases[i].activateEnabled, seen[i].activateEnabled) << i;
        EXPECT_EQ(cases[i].tileEnabled, seen[i].tileEnabled) << i;
    }
}

TEST_F(WindowsDialogButtonsTest, ARefusedCloseStopsTheRestOfTheSelection)
{
    HWND hKept = AddChild("a kept");
    HWND hRefusing = AddChild("b refusing", RUNTIME_CLASS(StubbornChild));
    HWND hClosed = AddChild("c closed");
    std::vector<std::string> listed;
    Run([&](HWND hDialog) {
        Select(hDialog, {"a kept", "b refusing", "c closed"});
        Press(hDialog, VrxPIdcCloseWindows);
        HWND hList = List(hDialog);
        for (int i = 0; i < ::SendMessage(hList, LB_GETCOUNT, 0, 0); i++)
        {
            char title[64] = "";
            ::GetWindowText(reinterpret_cast<HWND>(::SendMessage(hList, LB_GETITEMDATA, i, 0)), title, sizeof(title));
            listed.push_back(title);
        }
        Press(hDialog, IDOK);
    });
    EXPECT_FALSE(::IsWindow(hClosed)) << "the last item closes first";
    EXPECT_TRUE(::IsWindow(hRefusing));
    EXPECT_TRUE(::IsWindow(hKept)) << "not closed after the refusal";
    EXPECT_EQ((std::vector<std::string>{"a kept", "b refusing"}), listed) << "the list is filled again";
}

TEST_F(WindowsDialogButtonsTest, MinimiseMinimisesTheSelectedWindowsOnly)
{
    HWND hLeft = AddChild("left");
    HWND hRight = AddChild("right");
    Run([](HWND hDialog) {
        Select(hDialog, {"right"});
        Press(hDialog, VrxPIdcMinimize);
        Press(hDialog, IDOK);
    });
    EXPECT_TRUE(::IsIconic(hRight));
    EXPECT_FALSE(::IsIconic(hLeft));
}

TEST_F(WindowsDialogButtonsTest, ChildrenWithoutASystemMenuHideTheArrangingButtons)
{
    AddChild("bare", RUNTIME_CLASS(KorvoLikeChild));
    AddChild("framed");
    struct Seen
    {
        BOOL cascade = TRUE;
        BOOL tileHorizontally = TRUE;
        BOOL tileVertically = TRUE;
        BOOL minimize = TRUE;
        BOOL close = FALSE;
        BOOL help = TRUE;
    } seen;
    Run([&](HWND hDialog) {
        Select(hDialog, {"bare", "framed"});
        seen = {Shown(hDialog, VrxPIdcCascade), Shown(hDialog, VrxPIdcTileHorizontally),
                Shown(hDialog, VrxPIdcTileVertically), Shown(hDialog, VrxPIdcMinimize),
                Enabled(hDialog, VrxPIdcCloseWindows), Shown(hDialog, VrxPIdcWindowsHelp)};
        Press(hDialog, IDOK);
    });
    EXPECT_FALSE(seen.cascade);
    EXPECT_FALSE(seen.tileHorizontally);
    EXPECT_FALSE(seen.tileVertically);
    EXPECT_FALSE(seen.minimize);
    EXPECT_TRUE(seen.close) << "a window without a system menu counts as closable";
    EXPECT_FALSE(seen.help);
}

TEST_F(WindowsDialogButtonsTest, TheHelpButtonShowsWhenAskedFor)
{
    AddChild("only");
    BOOL bHelp = FALSE;
    BOOL bCascade = FALSE;
    Run(
        [&](HWND hDialog) {
            bHelp = Shown(hDialog, VrxPIdcWindowsHelp);
            bCascade = Shown(hDialog, VrxPIdcCascade);
            Press(hDialog, IDOK);
        },
        TRUE);
    EXPECT_TRUE(bHelp);
    EXPECT_TRUE(bCascade);
}
} // namespace
