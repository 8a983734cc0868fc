#include "foundation/CVrxPContextMenuManager.h"

#include "app/CWinApp.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "panes/CVrxPDialog.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "TestFrame.h"
#include "VrxFoundationTestResources.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace
{
TEST(CVrxPContextMenuManager, RegistersEachMenuOnce)
{
    CVrxPContextMenuManager manager;
    EXPECT_EQ(&manager, CVrxPContextMenuManager::Instance());
    ASSERT_TRUE(manager.RegisterMenu("My menu", IDR_TEST_CONTEXT_MENU));
    EXPECT_FALSE(manager.RegisterMenu("Again", IDR_TEST_CONTEXT_MENU));
    EXPECT_FALSE(manager.RegisterMenu("Missing", 4711));
    UINT nMenuId = 1;
    HMENU hMenu = manager.FindMenu("My menu", &nMenuId);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(static_cast<UINT>(IDR_TEST_CONTEXT_MENU), nMenuId);
    HMENU hPopup = GetSubMenu(hMenu, 0);
    ASSERT_NE(nullptr, hPopup);
    EXPECT_EQ(3, GetMenuItemCount(hPopup));
    EXPECT_EQ(nullptr, manager.FindMenu("Again", &nMenuId));
    EXPECT_EQ(0u, nMenuId);
    ASSERT_TRUE(manager.RegisterMenu("Other", IDR_TEST_OTHER_MENU));
    CStringList names;
    names.AddTail("stale");
    manager.ListMenuNames(names);
    EXPECT_EQ(2, names.GetCount());
    EXPECT_NE(nullptr, names.Find("Other"));
}
} // namespace

namespace
{
void GiveResetButtons(CVrxPToolBar& bar, std::initializer_list<UINT> commands)
{
    CObList buttons;
    for (UINT nCommand : commands)
        buttons.AddTail(new CVrxPToolbarButton(nCommand, 0, "item"));
    bar.ReplaceResetButtons(buttons);
}

std::vector<UINT> Commands(const CObList& buttons)
{
    std::vector<UINT> commands;
    for (POSITION pos = buttons.GetHeadPosition(); pos != NULL;)
        commands.push_back(static_cast<const CVrxPToolbarButton*>(buttons.GetNext(pos))->commandId);
    return commands;
}

TEST(CVrxPContextMenuManager, ResetItemsAreKeptAsCopiesAndHandedOutAsNewCopies)
{
    CVrxPContextMenuManager manager;
    CVrxPToolBar customised;
    GiveResetButtons(customised, {ID_TEST_CUT, ID_TEST_COPY});
    manager.CaptureResetItems(IDR_TEST_CONTEXT_MENU, &customised);
    GiveResetButtons(customised, {ID_TEST_PASTE});

    const CObList* pKept = manager.ResetItems(IDR_TEST_CONTEXT_MENU);
    ASSERT_NE(nullptr, pKept);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_CUT, ID_TEST_COPY}), Commands(*pKept));

    CVrxPToolBar shown;
    manager.ApplyResetItems(IDR_TEST_CONTEXT_MENU, &shown);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_CUT, ID_TEST_COPY}), Commands(shown.ResetButtons()));
    EXPECT_NE(pKept->GetHead(), shown.ResetButtons().GetHead());
}

TEST(CVrxPContextMenuManager, ABarWithoutResetItemsMakesTheMenuForgetItsOwn)
{
    CVrxPContextMenuManager manager;
    CVrxPToolBar bar;
    GiveResetButtons(bar, {ID_TEST_CUT});
    manager.CaptureResetItems(IDR_TEST_CONTEXT_MENU, &bar);
    ASSERT_NE(nullptr, manager.ResetItems(IDR_TEST_CONTEXT_MENU));

    CVrxPToolBar empty;
    manager.CaptureResetItems(IDR_TEST_CONTEXT_MENU, &empty);
    EXPECT_EQ(nullptr, manager.ResetItems(IDR_TEST_CONTEXT_MENU));
    GiveResetButtons(bar, {ID_TEST_PASTE});
    manager.ApplyResetItems(IDR_TEST_CONTEXT_MENU, &bar);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_PASTE}), Commands(bar.ResetButtons()));
}
} // namespace

namespace
{
const char menuProfile[] = "Software\\korvo vrx context menu tests\\";
const char menuRoot[] = "Software\\korvo vrx context menu tests";

// Where the platform showed the last menu, and what the timer does with it.
CRect g_menuRect;
BOOL g_bChoose = FALSE;

// Acts on the open menu as a user would: notes where it is, then either
// takes its first item (Down, Enter) or closes it (Escape).
void CALLBACK ActOnMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    CVrxPPopupMenu* pPopup = CVrxPPopupMenu::ActivePopup();
    if (pPopup == nullptr || !pPopup->IsWindowVisible())
        return;
    const HWND hMenu = pPopup->GetSafeHwnd();
    ::KillTimer(NULL, nTimer);
    ::GetWindowRect(hMenu, &g_menuRect);
    if (g_bChoose)
    {
        ::PostMessage(hMenu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessage(hMenu, WM_KEYDOWN, VK_RETURN, 0);
    }
    else
        ::PostMessage(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
}

// A frame noting the commands it gets, with a child window inside.
class CommandFrame : public TestFrame
{
public:
    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

class ContextMenuPopupTest : public ::testing::Test
{
protected:
    // One shown frame for the suite: showing and hiding a window is slow.
    static void SetUpTestSuite()
    {
        s_pFrame = new CommandFrame;
        // The popup asks the frame to enable its items; these have no handlers.
        s_pFrame->m_bAutoMenuEnable = FALSE;
        s_pFrame->Create(nullptr, "context menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 400, 300));
        s_pChild = new CWnd;
        s_pChild->CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_CHILD | WS_VISIBLE, CRect(20, 30, 120, 90),
                           s_pFrame, 1);
    }
    static void TearDownTestSuite()
    {
        s_pChild->DestroyWindow();
        delete s_pChild;
        s_pFrame->DestroyWindow();
        delete s_pFrame;
    }
    void SetUp() override
    {
        ASSERT_TRUE(::IsWindow(s_pChild->GetSafeHwnd()));
        SHDeleteKey(HKEY_CURRENT_USER, menuRoot);
        s_pFrame->commands.clear();
        ::SetForegroundWindow(s_pFrame->GetSafeHwnd());
        ASSERT_TRUE(m_manager.RegisterMenu("My menu", IDR_TEST_CONTEXT_MENU));
        g_menuRect.SetRectEmpty();
    }
    void TearDown() override { SHDeleteKey(HKEY_CURRENT_USER, menuRoot); }

    // Runs the call with the timer acting on the menu it opens.
    template <class Call>
    auto WithMenu(BOOL bChoose, Call call)
    {
        g_bChoose = bChoose;
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, ActOnMenu);
        auto result = call();
        // A menu that stays open after the call returned runs in this loop.
        for (DWORD dwStart = ::GetTickCount();
             CVrxPPopupMenu::ActivePopup() != nullptr && ::GetTickCount() - dwStart < 2000;)
        {
            PumpMessages();
            ::Sleep(10);
        }
        ::KillTimer(NULL, nTimer);
        PumpMessages();
        return result;
    }

    static void PumpMessages()
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }

    static CommandFrame* s_pFrame;
    static CWnd* s_pChild;
    CWinApp m_app{"korvo vrx context menu test"};
    CVrxPContextMenuManager m_manager;
};

CommandFrame* ContextMenuPopupTest::s_pFrame = nullptr;
CWnd* ContextMenuPopupTest::s_pChild = nullptr;

TEST_F(ContextMenuPopupTest, WithoutAPointTheMenuOpensBesideTheOwnersCorner)
{
    EXPECT_TRUE(WithMenu(FALSE, [&] { return m_manager.PlacePopup(IDR_TEST_CONTEXT_MENU, -1, -1, s_pChild, FALSE, FALSE); }));
    CPoint corner(0, 0);
    s_pChild->ClientToScreen(&corner);
    EXPECT_EQ(corner.x + 5, g_menuRect.left);
    EXPECT_EQ(corner.y + 5, g_menuRect.top);
    EXPECT_TRUE(s_pFrame->commands.empty());
    EXPECT_FALSE(m_manager.PlacePopup(IDR_TEST_OTHER_MENU, 10, 10, s_pChild, FALSE, FALSE));
}

TEST_F(ContextMenuPopupTest, TheChosenCommandGoesToTheOwnersTopWindow)
{
    EXPECT_TRUE(WithMenu(TRUE, [&] { return m_manager.PlacePopup(IDR_TEST_CONTEXT_MENU, 150, 150, s_pChild, FALSE, FALSE); }));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_CUT}), s_pFrame->commands);
}

TEST_F(ContextMenuPopupTest, ATrackedMenuHandsTheCommandBackAndSendsNothing)
{
    HMENU hPopup = ::GetSubMenu(m_manager.FindMenu("My menu"), 0);
    EXPECT_EQ(static_cast<UINT>(ID_TEST_CUT),
              WithMenu(TRUE, [&] { return m_manager.TrackPopup(hPopup, 150, 150, s_pFrame, FALSE); }));
    EXPECT_TRUE(s_pFrame->commands.empty());
    EXPECT_EQ(0u, WithMenu(FALSE, [&] { return m_manager.TrackPopup(hPopup, 150, 150, s_pFrame, FALSE); }));
    // The manager still owns the menu it showed.
    EXPECT_TRUE(::IsMenu(hPopup));
}

TEST_F(ContextMenuPopupTest, ALibraryDialogGetsAMenuOnlyWhenItTakesTheCommand)
{
    CVrxPDialog dialog(1);
    HMENU hPopup = ::GetSubMenu(m_manager.FindMenu("My menu"), 0);
    EXPECT_EQ(nullptr, m_manager.ShowPopup(hPopup, 150, 150, &dialog, FALSE, TRUE, FALSE));
}

TEST_F(ContextMenuPopupTest, TheWorkspaceShowsRegisteredMenus)
{
    CVrxPWorkspace workspace;
    EXPECT_TRUE(WithMenu(TRUE, [&] { return workspace.ShowContextMenu(IDR_TEST_CONTEXT_MENU, CPoint(150, 150), s_pFrame); }));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_CUT}), s_pFrame->commands);
    EXPECT_FALSE(workspace.ShowContextMenu(IDR_TEST_OTHER_MENU, CPoint(150, 150), s_pFrame));
}

TEST_F(ContextMenuPopupTest, CustomisedItemsAreKeptInTheRegistryAndComeBack)
{
    HMENU hPopup = ::GetSubMenu(m_manager.FindMenu("My menu"), 0);
    CVrxPPopupMenuBar customised;
    customised.InsertButtonCopy(CVrxPToolbarButton(ID_TEST_PASTE, 0, "Paste"));
    ASSERT_TRUE(CVrxPMenuStore::Global().Store(hPopup, &customised));
    ASSERT_TRUE(m_manager.StoreToRegistry(menuProfile));
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, (std::string(menuProfile) + "VrxToolBar-082").c_str(), 0,
                                          KEY_READ, &hKey));
    RegCloseKey(hKey);

    EXPECT_TRUE(m_manager.ResetAll());
    EXPECT_FALSE(CVrxPMenuStore::Global().HasStored(hPopup));
    ASSERT_TRUE(m_manager.RestoreFromRegistry(menuProfile));
    ASSERT_TRUE(CVrxPMenuStore::Global().HasStored(hPopup));
    CVrxPPopupMenuBar shown;
    ASSERT_TRUE(CVrxPMenuStore::Global().Restore(hPopup, &shown));
    ASSERT_EQ(1, shown.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_TEST_PASTE), shown.GetButton(0)->commandId);
    CVrxPMenuStore::Global().Discard(hPopup);
}

TEST_F(ContextMenuPopupTest, AMenuNeverCustomisedLeavesNoState)
{
    ASSERT_TRUE(m_manager.StoreToRegistry(menuProfile));
    HKEY hKey;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, (std::string(menuProfile) + "VrxToolBar-082").c_str(), 0,
                                          KEY_READ, &hKey));
    ASSERT_TRUE(m_manager.RestoreFromRegistry(menuProfile));
    EXPECT_FALSE(CVrxPMenuStore::Global().HasStored(::GetSubMenu(m_manager.FindMenu("My menu"), 0)));
}
} // namespace
