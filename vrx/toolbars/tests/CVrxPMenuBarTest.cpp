#include "toolbars/CVrxPMenuBar.h"

#include "toolbars/CVrxPToolbarMenuButton.h"

#include "foundation/VrxPLibrary.h"
#include "frames/CMDIChildWnd.h"

#include "TestMdiFrame.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
const UINT kNew = 100;
const UINT kExit = 101;
const UINT kCopy = 200;
const UINT kGo = 500;

// File (New, separator, Exit), Edit (Copy, and a submenu More with Go),
// then a top-level command "&Go".
HMENU MakeMenu()
{
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenu(hFile, MF_STRING, kNew, "&New\tCtrl+N");
    ::AppendMenu(hFile, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hFile, MF_STRING, kExit, "E&xit");
    HMENU hMore = ::CreatePopupMenu();
    ::AppendMenu(hMore, MF_STRING, kGo, "Go &there");
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenu(hEdit, MF_STRING, kCopy, "&Copy");
    ::AppendMenu(hEdit, MF_POPUP, reinterpret_cast<UINT_PTR>(hMore), "&More");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hEdit), "&Edit");
    ::AppendMenu(hMenu, MF_STRING, kGo, "&Go");
    return hMenu;
}

struct MnemonicCase
{
    const char* text;
    char mnemonic;
};

class MnemonicTest : public ::testing::TestWithParam<MnemonicCase>
{
};

TEST_P(MnemonicTest, TakesTheLetterAfterASingleAmpersand)
{
    EXPECT_EQ(GetParam().mnemonic, CVrxPMenuBar::MnemonicOf(GetParam().text)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, MnemonicTest,
                         ::testing::Values(MnemonicCase{"&File", 'F'}, MnemonicCase{"E&xit", 'X'},
                                           MnemonicCase{"a&&b", 0}, MnemonicCase{"Save && &Close", 'C'},
                                           MnemonicCase{"tail&", 0}, MnemonicCase{"", 0},
                                           MnemonicCase{"no mnemonic", 0}));

TEST(MenuBarTextTest, FindsItemTextsDepthFirst)
{
    HMENU hMenu = MakeMenu();
    CString text;
    EXPECT_TRUE(CVrxPMenuBar::FindMenuItemText(hMenu, kGo, text));
    EXPECT_STREQ("Go &there", (LPCTSTR)text) << "the submenu's item comes before the later top-level item";
    EXPECT_TRUE(CVrxPMenuBar::FindMenuItemText(hMenu, kNew, text));
    EXPECT_STREQ("&New\tCtrl+N", (LPCTSTR)text);
    EXPECT_FALSE(CVrxPMenuBar::FindMenuItemText(hMenu, 999, text));
    EXPECT_FALSE(CVrxPMenuBar::FindMenuItemText(hMenu, 0, text));
    EXPECT_FALSE(CVrxPMenuBar::FindMenuItemText(hMenu, static_cast<UINT>(-1), text));
    EXPECT_FALSE(CVrxPMenuBar::FindMenuItemText(NULL, kGo, text));
    ::DestroyMenu(hMenu);
}

class MenuBarFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hMenu = MakeMenu();
        ASSERT_TRUE(frame.Create(nullptr, "menu bar", WS_OVERLAPPEDWINDOW, CRect(20, 20, 620, 420)));
        ::SetMenu(frame.GetSafeHwnd(), m_hMenu);
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
        bar.AllowDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(frame.PlaceBarDocked(&bar));
        frame.ShowWindow(SW_SHOW);
        frame.UpdateWindow();
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
        ::DestroyMenu(m_hMenu);
    }

    CPoint CentreOf(int nIndex) { return bar.GetButton(nIndex)->rect.CenterPoint(); }

    TestMdiFrame frame;
    CVrxPMenuBar bar;
    HMENU m_hMenu = NULL;
};

TEST_F(MenuBarFrameTest, TakesTheFrameMenuOver)
{
    EXPECT_EQ(NULL, ::GetMenu(frame.GetSafeHwnd()));
    EXPECT_EQ(&bar, frame.GetFrameHelper().menuBar);
    EXPECT_EQ(m_hMenu, frame.GetFrameHelper().defaultMenu);
    EXPECT_EQ(m_hMenu, bar.GetDefaultMenu());
    CString text;
    bar.GetWindowText(text);
    EXPECT_STREQ("Menu Bar", (LPCTSTR)text);
    EXPECT_NE(0u, bar.GetBarStyle() & CBRS_HIDE_INPLACE);

    ASSERT_EQ(3, bar.GetCount());
    const CVrxPToolbarMenuButton* pFile = dynamic_cast<CVrxPToolbarMenuButton*>(bar.GetButton(0));
    ASSERT_NE(nullptr, pFile);
    EXPECT_STREQ("&File", (LPCTSTR)pFile->text);
    EXPECT_EQ(::GetSubMenu(m_hMenu, 0), pFile->popupMenu);
    EXPECT_EQ(nullptr, dynamic_cast<CVrxPToolbarMenuButton*>(bar.GetButton(2)));
    EXPECT_EQ(kGo, bar.GetButton(2)->commandId);
}

TEST_F(MenuBarFrameTest, LiesAlongTheTopAboveTheClientArea)
{
    CRect rectBar;
    bar.GetWindowRect(&rectBar);
    frame.ScreenToClient(&rectBar);
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    EXPECT_EQ(0, rectBar.top);
    EXPECT_EQ(rectClient.Width(), rectBar.Width());
    EXPECT_EQ(bar.CalcBarSize(FALSE, TRUE).cy, rectBar.Height());
    EXPECT_GT(rectBar.Height(), 0);
    CRect rectMdi;
    ::GetWindowRect(frame.m_hWndMDIClient, &rectMdi);
    frame.ScreenToClient(&rectMdi);
    EXPECT_EQ(rectBar.bottom, rectMdi.top);
}

TEST_F(MenuBarFrameTest, HitTestsItsItemsLeftToRight)
{
    for (int i = 0; i < bar.GetCount(); i++)
        EXPECT_EQ(i, bar.ButtonIndexAtPoint(CentreOf(i)));
    const CRect& last = bar.GetButton(2)->rect;
    EXPECT_LT(bar.GetButton(0)->rect.right, last.left + 1);
    EXPECT_EQ(-1, bar.ButtonIndexAtPoint(CPoint(last.right + 5, last.CenterPoint().y)));
    EXPECT_EQ(-1, bar.ButtonIndexAtPoint(CPoint(last.left, last.bottom + 5)));
}

TEST_F(MenuBarFrameTest, MovesBetweenItemsWithWrapping)
{
    EXPECT_EQ(1, bar.NeighbourIndex(0, 1));
    EXPECT_EQ(0, bar.NeighbourIndex(2, 1));
    EXPECT_EQ(2, bar.NeighbourIndex(0, -1));
    EXPECT_EQ(0, bar.NeighbourIndex(-1, 1));
}

TEST_F(MenuBarFrameTest, ACommandItemRunsItsCommandFromItsMnemonic)
{
    EXPECT_TRUE(bar.HandleMnemonicKey('g'));
    PumpMessages();
    ASSERT_EQ(1u, frame.commands.size());
    EXPECT_EQ(kGo, frame.commands[0]);
    EXPECT_FALSE(bar.HandleMnemonicKey('Q'));
}

TEST_F(MenuBarFrameTest, FollowsTheFrameMenuAndKeepsTheWindowMenuOff)
{
    HMENU hOther = ::CreateMenu();
    ::AppendMenu(hOther, MF_STRING, kCopy, "&Only");
    frame.OnUpdateFrameMenu(hOther);
    EXPECT_EQ(NULL, ::GetMenu(frame.GetSafeHwnd()));
    ASSERT_EQ(1, bar.GetCount());
    EXPECT_STREQ("&Only", (LPCTSTR)bar.GetButton(0)->text);
    EXPECT_EQ(m_hMenu, bar.GetDefaultMenu()) << "a document's menu is not the default menu";

    bar.BuildFromMenu(NULL, FALSE, FALSE);
    EXPECT_EQ(1, bar.GetCount()) << "a null menu leaves the items as they were";
    ::DestroyMenu(hOther);
}

TEST_F(MenuBarFrameTest, ShowsTheActiveChildsMenuAndTheDefaultAfterIt)
{
    HMENU hChildMenu = ::CreateMenu();
    HMENU hChildFile = ::CreatePopupMenu();
    ::AppendMenu(hChildFile, MF_STRING, kExit, "E&xit");
    ::AppendMenu(hChildMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hChildFile), "&File");
    ::AppendMenu(hChildMenu, MF_STRING, kGo, "&Run");
    CMDIChildWnd* pChild = frame.CreateNewChild(RUNTIME_CLASS(CMDIChildWnd), 0, hChildMenu);
    ASSERT_NE(nullptr, pChild);
    PumpMessages();
    EXPECT_EQ(NULL, ::GetMenu(frame.GetSafeHwnd()));
    EXPECT_EQ(hChildMenu, bar.GetCurrentMenu());
    ASSERT_EQ(2, bar.GetCount());
    EXPECT_STREQ("&Run", (LPCTSTR)bar.GetButton(1)->text);

    pChild->DestroyWindow();
    PumpMessages();
    EXPECT_EQ(NULL, ::GetMenu(frame.GetSafeHwnd()));
    EXPECT_EQ(m_hMenu, bar.GetCurrentMenu());
    EXPECT_EQ(3, bar.GetCount());
    ::DestroyMenu(hChildMenu);
}

TEST_F(MenuBarFrameTest, IsAToolbarOfTheLibrary)
{
    EXPECT_TRUE(VrxPAllToolBars().Find(&bar) != NULL);
    EXPECT_FALSE(bar.CanBeClosed());
    bar.DestroyWindow();
    EXPECT_TRUE(VrxPAllToolBars().Find(&bar) == NULL);
}
} // namespace
