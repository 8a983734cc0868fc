// A docked toolbar under real mouse input: check boxes, disabled buttons,
// a press dragged off its button, leave tracking, hot tracking across bars
// while a menu is open, mnemonics and the status prompts; and its buttons
// painted by the current look.

#include "themes/CVrxPVisualManager.h"
#include "themes/xp/CVrxPVisualManagerXP.h"
#include "toolbars/CVrxPCommandUsage.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/VrxPTrackMouseLeave.h"
#include "windows/FrameworkMessages.h"

#include "MouseInput.h"
#include "WindowDriver.h"
#include "TestMdiFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const DWORD barStyle = 0x50402808;

enum : UINT
{
    checkCommand = 301,
    disabledCommand = 302,
    saveCommand = 303,
    otherCommand = 304,
};

// Notes the prompts the bars ask the frame to show.
class PromptFrame : public TestMdiFrame
{
public:
    std::vector<UINT> prompts;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETMESSAGESTRING)
        {
            prompts.push_back(static_cast<UINT>(wParam));
            return 0;
        }
        return TestMdiFrame::WindowProc(message, wParam, lParam);
    }
};

class ToolBarInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "input", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 360)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        for (CVrxPToolBar* pBar : {&first, &second})
        {
            ASSERT_TRUE(pBar->CreateWithDefaultStyle(&frame, barStyle, pBar == &first ? 0xE820 : 0xE821));
            pBar->AllowDocking(CBRS_ALIGN_ANY);
        }
        CVrxPToolbarButton check(checkCommand, -1, "Check");
        check.style = CVrxPToolbarButton::styleCheckBox | CVrxPToolbarButton::styleIndeterminate;
        first.InsertButtonCopy(check);
        CVrxPToolbarButton disabled(disabledCommand, -1, "Off");
        disabled.style = CVrxPToolbarButton::styleDisabled;
        first.InsertButtonCopy(disabled);
        first.InsertButtonCopy(CVrxPToolbarButton(saveCommand, 0, "&Save"));
        second.InsertButtonCopy(CVrxPToolbarButton(otherCommand, -1, "Other"));
        ASSERT_TRUE(frame.PlaceBarDocked(&first));
        ASSERT_TRUE(frame.PlaceBarDocked(&second));
        frame.ShowWindow(SW_SHOW);
        frame.RecalcLayout();
        frame.SetForegroundWindow();
        // The mouse starts away from every bar.
        windriver::send_mouse(0, Below(first));
        LetTheInputArrive();
        frame.commands.clear();
        frame.prompts.clear();
    }
    void TearDown() override
    {
        CVrxPToolBar::SetHotTrackHook(FALSE);
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
    }

    static CPoint Centre(CVrxPToolBar& bar, int nIndex)
    {
        CPoint point = bar.GetButton(nIndex)->rect.CenterPoint();
        bar.ClientToScreen(&point);
        return point;
    }
    // A point of the frame's client area well below the bars.
    CPoint Below(CVrxPToolBar&)
    {
        CRect rect;
        frame.GetClientRect(&rect);
        frame.ClientToScreen(&rect);
        return CPoint(rect.CenterPoint().x, rect.bottom - 20);
    }
    void Click(CVrxPToolBar& bar, int nIndex)
    {
        windriver::send_mouse(0, Centre(bar, nIndex));
        windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, Centre(bar, nIndex));
        windriver::send_mouse(MOUSEEVENTF_LEFTUP, Centre(bar, nIndex));
        LetTheInputArrive();
    }

    PromptFrame frame;
    CVrxPToolBar first;
    CVrxPToolBar second;
};
} // namespace

TEST_F(ToolBarInputTest, AClickTurnsAnIndeterminateCheckBoxCheckedAndTheNextUnchecked)
{
    const UINT checked = CVrxPToolbarButton::styleChecked;
    Click(first, 0);
    EXPECT_EQ(checked, first.GetButton(0)->style & (checked | CVrxPToolbarButton::styleIndeterminate));
    Click(first, 0);
    EXPECT_EQ(0u, first.GetButton(0)->style & (checked | CVrxPToolbarButton::styleIndeterminate | CVrxPToolbarButton::stylePressed));
    EXPECT_EQ((std::vector<UINT>{checkCommand, checkCommand}), frame.commands);
}

TEST_F(ToolBarInputTest, ADisabledButtonIsNeitherHotNorPressed)
{
    windriver::send_mouse(0, Centre(first, 1));
    LetTheInputArrive();
    EXPECT_EQ(-1, first.GetHotIndex());
    Click(first, 1);
    EXPECT_EQ(-1, first.GetPressedIndex());
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(ToolBarInputTest, APressDraggedOffItsButtonSendsNothingAndLeavesTheStyle)
{
    const UINT styleBefore = first.GetButton(2)->style;
    windriver::send_mouse(0, Centre(first, 2));
    windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, Centre(first, 2));
    LetTheInputArrive();
    EXPECT_NE(0u, first.GetButton(2)->style & CVrxPToolbarButton::stylePressed) << "pressed while over it";
    windriver::send_mouse(0, Below(first));
    LetTheInputArrive();
    EXPECT_EQ(0u, first.GetButton(2)->style & CVrxPToolbarButton::stylePressed) << "not while off it";
    windriver::send_mouse(MOUSEEVENTF_LEFTUP, Below(first));
    LetTheInputArrive();
    EXPECT_EQ(styleBefore, first.GetButton(2)->style);
    EXPECT_TRUE(frame.commands.empty());
    EXPECT_EQ(-1, first.GetPressedIndex());
}

TEST_F(ToolBarInputTest, LeavingTheBarClearsItsHotButtonAndShowsTheIdlePrompt)
{
    windriver::send_mouse(0, Centre(first, 2));
    ASSERT_TRUE(RunMessagesUntil([&] { return first.GetHotIndex() == 2; }, 2000));
    EXPECT_EQ(std::vector<UINT>{saveCommand}, frame.prompts) << "the hot button's prompt";
    frame.prompts.clear();
    windriver::send_mouse(0, Below(first));
    EXPECT_TRUE(RunMessagesUntil([&] { return first.GetHotIndex() == -1; }, 2000));
    ASSERT_FALSE(frame.prompts.empty());
    EXPECT_EQ(CVrxPToolBar::idleMessageId, frame.prompts.back());
}

// While a menu is open the bars hear of no leave: the hook alone moves the
// highlight, and no prompt is sent.
TEST_F(ToolBarInputTest, TheHotTrackHookMovesTheHighlightAcrossBarsAndOffThem)
{
    CVrxPToolBar::SetHotTrackHook(TRUE);
    ASSERT_TRUE(CVrxPToolBar::IsHotTrackHookInstalled());
    windriver::send_mouse(0, Centre(first, 2));
    ASSERT_TRUE(RunMessagesUntil([&] { return first.GetHotIndex() == 2; }, 2000));
    windriver::send_mouse(0, Centre(second, 0));
    ASSERT_TRUE(RunMessagesUntil([&] { return second.GetHotIndex() == 0; }, 2000));
    EXPECT_EQ(-1, first.GetHotIndex());
    windriver::send_mouse(0, Below(first));
    EXPECT_TRUE(RunMessagesUntil([&] { return second.GetHotIndex() == -1; }, 2000));
    EXPECT_TRUE(frame.prompts.empty());
    windriver::send_mouse(0, Centre(second, 0));
    ASSERT_TRUE(RunMessagesUntil([&] { return second.GetHotIndex() == 0; }, 2000));
    CVrxPToolBar::SetHotTrackHook(FALSE);
    EXPECT_FALSE(CVrxPToolBar::IsHotTrackHookInstalled());
    EXPECT_EQ(-1, second.GetHotIndex()) << "removing the hook cancels every bar";
}

TEST_F(ToolBarInputTest, AMnemonicRunsItsButtonsCommand)
{
    EXPECT_FALSE(first.HandleMnemonicKey('Q'));
    EXPECT_FALSE(first.HandleMnemonicKey('S')) << "the text is not shown by a button with an image";
    first.GetButton(2)->textShown = TRUE;
    first.RebuildMnemonicMap();
    EXPECT_TRUE(first.HandleMnemonicKey('S'));
    EXPECT_TRUE(RunMessagesUntil([&] { return !frame.commands.empty(); }, 2000));
    EXPECT_EQ(std::vector<UINT>{saveCommand}, frame.commands);
}

TEST_F(ToolBarInputTest, TheHotButtonIsFramedByTheCurrentLook)
{
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManagerXP));
    auto* pLook = dynamic_cast<CVrxPVisualManagerXP*>(CVrxPVisualManager::Instance());
    ASSERT_NE(nullptr, pLook);
    windriver::send_mouse(0, Centre(second, 0));
    ASSERT_TRUE(RunMessagesUntil([&] { return second.GetHotIndex() == 0; }, 2000));
    second.RedrawWindow();
    HDC hDC = ::GetDC(second.m_hWnd);
    const CRect& rect = second.GetButton(0)->rect;
    const COLORREF corner = ::GetPixel(hDC, rect.left, rect.top);
    const COLORREF inside = ::GetPixel(hDC, rect.left + 2, rect.bottom - 3);
    ::ReleaseDC(second.m_hWnd, hDC);
    EXPECT_EQ(pLook->highlightFrameColor, corner);
    EXPECT_NE(pLook->highlightFrameColor, inside) << "the face inside is filled, not framed";
    CVrxPVisualManager::SelectClass(nullptr);
}

TEST(ToolBarPromptTest, CommandsMapToTheirStatusStrings)
{
    const struct
    {
        UINT command;
        UINT prompt;
    } cases[] = {
        {0xF000, 0xEF00},          // the first system command
        {0xF120, 0xEF12},          // restore
        {0xF1EF, 0xEF1E},          // the last system command
        {static_cast<UINT>(-1), CVrxPToolBar::idleMessageId},
        {static_cast<UINT>(-20), CVrxPToolBar::idleMessageId},
        {0xFF00, 0xEF1F},          // the framework's reserved ids
        {57603, 57603},
        {0xF1F0, 0xF1F0},          // past the system range, below the reserved ids
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.prompt, CVrxPToolBar::PromptStringId(c.command)) << std::hex << c.command;
}

TEST(TrackMouseLeaveTest, RefusesShortRecordsOtherFlagsAndDeadWindows)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "leave", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, wnd.m_hWnd, 0};
    TRACKMOUSEEVENT shortRecord = track;
    shortRecord.cbSize = 12;
    TRACKMOUSEEVENT hoverOnly = track;
    hoverOnly.dwFlags = TME_HOVER;
    EXPECT_EQ(0u, EmulateTrackMouseLeave(&shortRecord));
    EXPECT_EQ(0u, EmulateTrackMouseLeave(&hoverOnly));
    EXPECT_EQ(0u, EmulateTrackMouseLeave(nullptr));
    EXPECT_NE(0u, EmulateTrackMouseLeave(&track));
    wnd.DestroyWindow();
    EXPECT_EQ(0u, EmulateTrackMouseLeave(&track));
}

// A child window over the client area counts as outside.
TEST(TrackMouseLeaveTest, TheCursorOnAChildWindowPostsTheLeave)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "leave", WS_POPUP | WS_VISIBLE, CRect(100, 100, 300, 300), nullptr, 0));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(100, 0, 200, 200), &parent, 1));
    ::SetCursorPos(150, 200);
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, parent.m_hWnd, 0};
    ASSERT_NE(0u, EmulateTrackMouseLeave(&track));
    MSG msg;
    ::Sleep(250);
    RunMessagesUntil([] { return false; }, 0);
    EXPECT_FALSE(::PeekMessage(&msg, parent.m_hWnd, WM_MOUSELEAVE, WM_MOUSELEAVE, PM_NOREMOVE))
        << "no leave while the cursor rests on the window";
    ::SetCursorPos(250, 200);
    bool bLeft = false;
    for (DWORD dwStart = ::GetTickCount(); !bLeft && ::GetTickCount() - dwStart < 2000;)
    {
        while (::PeekMessage(&msg, parent.m_hWnd, 0, 0, PM_REMOVE))
        {
            bLeft = bLeft || msg.message == WM_MOUSELEAVE;
            ::DispatchMessage(&msg);
        }
        ::Sleep(10);
    }
    EXPECT_TRUE(bLeft);
    parent.DestroyWindow();
}

TEST_F(ToolBarInputTest, ClickedAndKeyedCommandsAreCountedForTheShortenedMenus)
{
    CVrxPCommandUsage& usage = CVrxPCommandUsage::Global();
    usage.Reset();
    Click(first, 2);
    Click(first, 1);
    EXPECT_EQ(1u, usage.GetCount(saveCommand));
    EXPECT_EQ(0u, usage.GetCount(disabledCommand)) << "a disabled button runs nothing";
    EXPECT_TRUE(first.ExecuteByKeyboard(first.GetButton(2)));
    EXPECT_EQ(2u, usage.GetCount(saveCommand));

    CList<UINT, UINT> basic;
    basic.AddTail(otherCommand);
    CVrxPToolBar::ReplaceBasicCommands(basic);
    EXPECT_FALSE(CVrxPToolBar::IsRarelyUsedCommand(saveCommand));
    EXPECT_TRUE(CVrxPToolBar::IsRarelyUsedCommand(checkCommand));
    EXPECT_FALSE(CVrxPToolBar::IsRarelyUsedCommand(otherCommand)) << "a basic command";
    CVrxPToolBar::RecordCommandUse(otherCommand);
    EXPECT_EQ(0u, usage.GetCount(otherCommand)) << "basic commands are not counted";
    CVrxPToolBar::customizeMode = TRUE;
    EXPECT_FALSE(CVrxPToolBar::IsRarelyUsedCommand(checkCommand)) << "customise mode hides nothing";
    CVrxPToolBar::customizeMode = FALSE;
    CVrxPToolBar::ReplaceBasicCommands(CList<UINT, UINT>());
    EXPECT_FALSE(CVrxPToolBar::IsRarelyUsedCommand(checkCommand)) << "no basic list hides nothing";
    usage.Reset();
}
