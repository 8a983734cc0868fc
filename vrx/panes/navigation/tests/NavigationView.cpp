// The navigation panes in a frame, in a virtual desktop: an outlook bar in
// the classic look docked at the left, one in the 2003 look at the right and
// a tasks pane (one group collapsed by a click) at the bottom,
// each page a pane of large buttons (icons kept with their alpha). A click on a page button switches the
// classic bar's page; the screen is kept once per look.

#include "app/CWinApp.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/VrxPLibrary.h"
#include "panes/navigation/CVrxPOutlookBar.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "panes/navigation/CVrxPOutlookWnd.h"
#include "panes/navigation/CVrxPTasksPane.h"
#include "tests/RealInput.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/vs2005/CVrxPVisualManagerVS2005.h"
#include "themes/winxp/CVrxPWinXPVisualManager.h"
#include "themes/xp/CVrxPVisualManagerXP.h"

#include "ScreenPicture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
std::string g_shot = "vrx_navigation.bmp";

class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

// "<shot without .bmp>_<look>.bmp"
std::string ShotOfLook(const char* pszLook)
{
    std::string shot = g_shot;
    const std::string::size_type nDot = shot.rfind(".bmp");
    if (nDot != std::string::npos)
        shot.erase(nDot);
    return shot + "_" + pszLook + ".bmp";
}

void FillBar(CVrxPOutlookBar& bar, std::vector<std::unique_ptr<CVrxPOutlookBarPane>>& panes, UINT nFirstId)
{
    const char* const pages[] = {"Mail", "Calendar", "Contacts", "Tasks"};
    const struct
    {
        LPCTSTR icon;
        const char* label;
    } buttons[] = {{IDI_APPLICATION, "Inbox"},
                   {IDI_INFORMATION, "Outbox"},
                   {IDI_WARNING, "Deleted items"},
                   {IDI_QUESTION, "Drafts"},
                   {IDI_APPLICATION, "A label too long for the column"},
                   {IDI_INFORMATION, "Sent items"}};
    for (int i = 0; i < 4; i++)
    {
        auto pane = std::make_unique<CVrxPOutlookBarPane>();
        ASSERT_TRUE(pane->Create(&bar, CVrxPOutlookBar::customPageStyle, nFirstId + static_cast<UINT>(i), 0));
        for (int j = 0; j < 6 - i; j++)
            ASSERT_TRUE(pane->AddButton(::LoadIcon(NULL, buttons[j].icon), buttons[j].label,
                                        40000 + static_cast<UINT>(10 * i + j), -1, TRUE));
        bar.AddPage(pane.get(), pages[i]);
        panes.push_back(std::move(pane));
    }
}

TEST(NavigationView, OutlookBarsInEveryLook)
{
    VrxPStartLibrary();
    CWinApp app("korvo navigation view");
    OwnedFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Navigation panes", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 740)));
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPOutlookBar classic;
    CVrxPOutlookBar modern;
    modern.Mode2003 = TRUE;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE;
    ASSERT_TRUE(classic.Create("Shortcuts", &frame, CSize(190, 190), 100, dwStyle | CBRS_ALIGN_LEFT, 15));
    ASSERT_TRUE(modern.Create("Navigation", &frame, CSize(210, 210), 101, dwStyle | CBRS_ALIGN_RIGHT, 15));
    ASSERT_TRUE(frame.PlaceBarDocked(&classic));
    ASSERT_TRUE(frame.PlaceBarDocked(&modern));
    CVrxPTasksPane tasks;
    ASSERT_TRUE(tasks.Create("Tasks", &frame, CSize(230, 230), TRUE, 102, dwStyle | CBRS_ALIGN_BOTTOM, 32, 15));
    ASSERT_TRUE(frame.PlaceBarDocked(&tasks));
    CVrxPTasksGroup* pFiles = tasks.AddGroup("File and folder tasks", 0, TRUE);
    tasks.AddTask(pFiles, "Rename this file", 41001);
    tasks.AddTask(pFiles, "Move this file", 41002);
    tasks.AddTask(pFiles, "Delete this file", 41003)->enabled = FALSE;
    CVrxPTasksGroup* pPlaces = tasks.AddGroup("Other places");
    tasks.AddTask(pPlaces, "Desktop", 41010);
    CVrxPTasksGroup* pDetails = tasks.AddGroup("Details");
    tasks.AddTask(pDetails, "A label without a command", 0);
    const int nSearch = tasks.AppendPage("Search");
    tasks.AddTask(tasks.AddGroup("Search for files", nSearch), "All files and folders", 41020);
    tasks.RelayoutTasks(TRUE);
    std::vector<std::unique_ptr<CVrxPOutlookBarPane>> panes;
    FillBar(classic, panes, 200);
    FillBar(modern, panes, 300);
    frame.ShowWindow(SW_SHOW);
    frame.SetForegroundWindow();
    modern.PageWindow()->SetShownButtons(3);
    modern.PageWindow()->ArrangeTabs();
    PumpMessages(300);

    // A click on the classic bar's "Contacts" button.
    CVrxPOutlookWnd& pages = *classic.PageWindow();
    CPoint contacts = pages.TabAt(2)->rect.CenterPoint();
    pages.ClientToScreen(&contacts);
    PlayInput({MoveTo(contacts), PressAt(contacts), ReleaseAt(contacts)});
    EXPECT_EQ(2, pages.ActiveTabIndex());
    EXPECT_TRUE(panes[2]->IsWindowVisible());
    EXPECT_FALSE(panes[0]->IsWindowVisible());
    // The 2003 bar's third button, then one scroll step in its page.
    CVrxPOutlookWnd& stack = *modern.PageWindow();
    CPoint third = stack.TabAt(1)->rect.CenterPoint();
    stack.ClientToScreen(&third);
    PlayInput({MoveTo(third), PressAt(third), ReleaseAt(third)});
    EXPECT_EQ(1, stack.ActiveTabIndex());
    CString caption;
    modern.GetWindowText(caption);
    EXPECT_EQ(CString("Calendar"), caption);
    CPoint places = pPlaces->captionRect.CenterPoint();
    tasks.ClientToScreen(&places);
    PlayInput({MoveTo(places), PressAt(places), ReleaseAt(places)});
    EXPECT_TRUE(pPlaces->collapsed);
    // To the second page and back: the first page keeps its collapsed group.
    tasks.ShowPage(nSearch);
    tasks.GoBack();
    EXPECT_EQ(0, tasks.CurrentPage());
    EXPECT_TRUE(pPlaces->collapsed);
    PlayInput({MoveTo(CPoint(500, 300))});

    const struct
    {
        const char* name;
        CRuntimeClass* lookClass;
    } looks[] = {{"base", RUNTIME_CLASS(CVrxPVisualManager)},
                 {"xp", RUNTIME_CLASS(CVrxPVisualManagerXP)},
                 {"winxp", RUNTIME_CLASS(CVrxPWinXPVisualManager)},
                 {"2003", RUNTIME_CLASS(CVrxPVisualManager2003)},
                 {"vs2005", RUNTIME_CLASS(CVrxPVisualManagerVS2005)}};
    for (const auto& look : looks)
    {
        CVrxPVisualManager::SelectClass(look.lookClass);
        frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages(300);
        EXPECT_TRUE(windriver::save_screen(ShotOfLook(look.name))) << look.name;
    }
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager));
    frame.DestroyWindow();
}
} // namespace

int main(int argc, char** argv)
{
    g_shot = windriver::shot_path(argc, argv, g_shot);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
