// The customise dialog over a frame with its menu bar and a pane, and a
// link in a small window beside it, in a virtual desktop; the screen is
// kept with all of them shown.

#include "docking/CVrxPDockingControlBar.h"
#include "panes/CVrxPURLLinkButton.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarCustomize.h"
#include "toolbars/customize/CVrxPCustomizePage.h"
#include "toolbars/customize/CVrxPToolbarsPage.h"

#include "ScreenPicture.h"
#include "TestMdiFrame.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string g_shot = "vrx_customize.bmp";
const UINT kLinkId = 1041;

HMENU MakeMenu()
{
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenu(hFile, MF_STRING, 100, "&New\tCtrl+N");
    ::AppendMenu(hFile, MF_STRING, 101, "&Open...");
    ::AppendMenu(hFile, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hFile, MF_STRING, 102, "E&xit");
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenu(hEdit, MF_STRING, 200, "Cu&t\tCtrl+X");
    ::AppendMenu(hEdit, MF_STRING, 201, "&Copy\tCtrl+C");
    HMENU hHelp = ::CreatePopupMenu();
    ::AppendMenu(hHelp, MF_STRING, 300, "&About...");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hEdit), "&Edit");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hHelp), "&Help");
    return hMenu;
}

TEST(CustomizeView, ShowsTheCommandsByCategoryAndALink)
{
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Customise", WS_OVERLAPPEDWINDOW, CRect(20, 20, 820, 620)));
    HMENU hMenu = MakeMenu();
    ::SetMenu(frame.GetSafeHwnd(), hMenu);
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPMenuBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
    ASSERT_TRUE(frame.PlaceBarDocked(&bar));
    CVrxPToolBar standard;
    ASSERT_TRUE(standard.CreateWithDefaultStyle(&frame, 0x50402808, 0xE820));
    standard.SetWindowText("Standard");
    standard.InsertButtonCopy(CVrxPToolbarButton(101, -1, "Open..."));
    ASSERT_TRUE(frame.PlaceBarDocked(&standard));
    CVrxPDockingControlBar output;
    ASSERT_TRUE(output.Create("Output", &frame, CSize(150, 150), TRUE, 32804,
                              WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, 32, 15));
    ASSERT_TRUE(frame.PlaceBarDocked(&output));
    frame.ShowWindow(SW_SHOW);
    frame.UpdateWindow();

    CVrxPToolbarCustomize* pSheet = new CVrxPToolbarCustomize(&frame, TRUE, 0x2F);
    pSheet->AllowUserDefinedToolbars(TRUE);
    ASSERT_TRUE(pSheet->Create());
    HWND hSheet = pSheet->GetSafeHwnd();
    CVrxPCustomizePage* pCommands = pSheet->GetCommandsPage();
    // File, Edit, Help from the menus, New Menu, then All Commands.
    ASSERT_EQ(5, pCommands->GetCategoryList().GetCount());
    pCommands->GetCategoryList().SetCurSel(0);
    pCommands->SelectCategory();
    EXPECT_EQ(3, pCommands->GetCommandList().GetCount()) << "New, Open... and Exit";
    pCommands->GetCommandList().SetCurSel(1);
    EXPECT_FALSE(output.IsWindowEnabled()) << "the frame's windows wait while customising";
    EXPECT_TRUE(bar.IsWindowEnabled()) << "bars stay usable";

    CWnd about;
    ASSERT_TRUE(about.CreateEx(WS_EX_DLGMODALFRAME, "#32770", "About", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                               CRect(660, 560, 960, 680), &frame, 0));
    ::CreateWindowEx(0, "BUTTON", "www.example.org", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 30, 240, 40,
                     about.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kLinkId)), NULL, NULL);
    CVrxPURLLinkButton link;
    ASSERT_TRUE(link.SubclassDlgItem(kLinkId, &about));
    link.FitToText(TRUE, TRUE);
    about.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pSheet->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    windriver::save_screen(g_shot);
    pSheet->SetActivePage(1);
    EXPECT_EQ(2, pSheet->GetToolbarsPage()->GetToolbarList().GetCount()) << "Menu Bar and Standard";
    pSheet->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    windriver::save_screen(g_shot.substr(0, g_shot.size() - 4) + "_toolbars.bmp");

    ::SendMessage(hSheet, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindow(hSheet));
    EXPECT_TRUE(output.IsWindowEnabled());
    about.DestroyWindow();
    frame.DestroyWindow();
    ::DestroyMenu(hMenu);
}
} // namespace

int main(int argc, char** argv)
{
    g_shot = windriver::shot_path(argc, argv, g_shot);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
