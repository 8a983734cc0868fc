// Idle-time command updates of a docked toolbar: the owner frame's update
// handlers enable, check and rename the buttons, and a command nobody
// handles is disabled.

#include "app/CCmdUI.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "windows/FrameworkMessages.h"

#include "TestMdiFrame.h"

#include <gtest/gtest.h>

namespace
{
enum : UINT
{
    disabledCommand = 101,
    checkedCommand = 102,
    handledCommand = 103,
    unhandledCommand = 104,
    renamedCommand = 105,
};

class UpdatingFrame : public TestMdiFrame
{
public:
    int checkState = 0;
    const char* newText = "Renamed";

protected:
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(checkState); }
    void OnHandled() {}
    void OnUpdateRenamed(CCmdUI* pCmdUI) { pCmdUI->SetText(newText); }
    // Noted, then routed to the handlers above.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return CFrameWnd::OnCommand(wParam, lParam);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpdatingFrame, TestMdiFrame)
    ON_UPDATE_COMMAND_UI(disabledCommand, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(checkedCommand, OnUpdateChecked)
    ON_COMMAND(handledCommand, OnHandled)
    ON_UPDATE_COMMAND_UI(renamedCommand, OnUpdateRenamed)
END_MESSAGE_MAP()

class ToolBarCommandUpdateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "updates", WS_OVERLAPPEDWINDOW, CRect(20, 20, 620, 320)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE820));
        for (UINT nID : {disabledCommand, checkedCommand, handledCommand, unhandledCommand, renamedCommand})
            bar.InsertButtonCopy(CVrxPToolbarButton(nID, -1, "Button"));
        bar.InsertSeparatorAt(1);
        ASSERT_TRUE(frame.PlaceBarDocked(&bar));
        frame.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
    }

    UINT StyleOf(UINT nID) { return bar.GetButton(bar.CommandToIndex(nID))->style; }
    void Update(BOOL bDisableIfNoHandler) { bar.SendMessage(WM_IDLEUPDATECMDUI, bDisableIfNoHandler, 0); }

    UpdatingFrame frame;
    CVrxPToolBar bar;
};

TEST_F(ToolBarCommandUpdateTest, HandlersEnableAndAnUnhandledCommandIsDisabled)
{
    Update(FALSE);
    EXPECT_NE(0u, StyleOf(disabledCommand) & CVrxPToolbarButton::styleDisabled);
    EXPECT_EQ(0u, StyleOf(unhandledCommand) & CVrxPToolbarButton::styleDisabled)
        << "without the disable flag a command nobody handles keeps its state";

    Update(TRUE);
    EXPECT_NE(0u, StyleOf(disabledCommand) & CVrxPToolbarButton::styleDisabled);
    EXPECT_EQ(0u, StyleOf(handledCommand) & CVrxPToolbarButton::styleDisabled);
    EXPECT_NE(0u, StyleOf(unhandledCommand) & CVrxPToolbarButton::styleDisabled);
    EXPECT_EQ(0u, bar.GetButton(1)->style & CVrxPToolbarButton::styleDisabled) << "the separator is left alone";

    // A click on the disabled button sends nothing; on the enabled one its command.
    for (UINT nID : {disabledCommand, handledCommand})
    {
        const CPoint centre = bar.GetButton(bar.CommandToIndex(nID))->rect.CenterPoint();
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    }
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{handledCommand}, frame.commands);
}

TEST_F(ToolBarCommandUpdateTest, CheckStatesAndText)
{
    const UINT checkBits = CVrxPToolbarButton::styleChecked | CVrxPToolbarButton::styleIndeterminate;
    const struct
    {
        int state;
        UINT expected;
    } cases[] = {{1, CVrxPToolbarButton::styleChecked},
                 {2, CVrxPToolbarButton::styleIndeterminate},
                 {3, CVrxPToolbarButton::styleChecked},
                 {0, 0}};
    for (const auto& c : cases)
    {
        frame.checkState = c.state;
        Update(TRUE);
        EXPECT_EQ(c.expected, StyleOf(checkedCommand) & checkBits) << "SetCheck(" << c.state << ")";
        EXPECT_NE(0u, StyleOf(checkedCommand) & CVrxPToolbarButton::styleCheckBox);
    }

    const int nRenamed = bar.CommandToIndex(renamedCommand);
    const int nOldWidth = bar.GetButton(nRenamed)->rect.Width();
    frame.newText = "A much longer name";
    Update(TRUE);
    EXPECT_STREQ("A much longer name", (LPCTSTR)bar.GetButton(nRenamed)->text);
    EXPECT_GT(bar.GetButton(nRenamed)->rect.Width(), nOldWidth) << "the bar was laid out again";
    CRect rectWindow;
    bar.GetWindowRect(&rectWindow);
    EXPECT_EQ(bar.CalcBarSize(FALSE, TRUE), rectWindow.Size());
}
} // namespace

TEST_F(ToolBarCommandUpdateTest, APressAsksTheHandlersAgainSoADisabledCommandDoesNotRun)
{
    frame.m_bAutoMenuEnable = TRUE;
    for (UINT nID : {disabledCommand, unhandledCommand, handledCommand})
    {
        const CPoint point = bar.GetButton(bar.CommandToIndex(nID))->rect.CenterPoint();
        ASSERT_EQ(0u, StyleOf(nID) & CVrxPToolbarButton::styleDisabled) << nID << ": no idle update ran yet";
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    PumpMessages();
    EXPECT_NE(0u, StyleOf(disabledCommand) & CVrxPToolbarButton::styleDisabled);
    EXPECT_NE(0u, StyleOf(unhandledCommand) & CVrxPToolbarButton::styleDisabled) << "nobody handles it";
    EXPECT_EQ(std::vector<UINT>{handledCommand}, frame.commands);
}
