#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPLibrary.h"
#include "gdi/CClientDC.h"
#include "panes/navigation/CVrxPTasksPane.h"
#include "tests/RealInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A frame that notes the commands it is sent.
class CommandFrame : public CVrxPMDIFrameWnd
{
public:
    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam == 0 && LOWORD(wParam) >= 33000)
        {
            commands.push_back(LOWORD(wParam));
            return TRUE;
        }
        return CVrxPMDIFrameWnd::OnCommand(wParam, lParam);
    }
    void PostNcDestroy() override {}
};

class TasksPaneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPStartLibrary();
        ASSERT_TRUE(frame.Create(nullptr, "tasks", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 560)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        pane.verticalMargin = 10;
        pane.horizontalMargin = 8;
        pane.groupSpacing = 15;
        pane.captionHeight = 25;
        pane.captionIndentV = 7;
        pane.taskIndent = 12;
        pane.iconTextGap = 5;
        pane.taskSpacing = 4;
        ASSERT_TRUE(pane.Create("Tasks", &frame, CSize(200, 200), TRUE, 200, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_RIGHT,
                                32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&pane));
        files = pane.AddGroup("File tasks");
        pane.AddTask(files, "Rename", 33001);
        pane.AddTask(files, "Move", 33002);
        pane.AddSeparator(files);
        pane.AddTask(files, "Delete", 33003)->enabled = FALSE;
        other = pane.AddGroup("Other places");
        pane.AddTask(other, "Desktop", 33010);
        pane.AddGroup("On page one", pane.AppendPage("Second"));
        pane.RelayoutTasks(TRUE);
        frame.SetForegroundWindow();
        PumpMessages(100);
    }
    void TearDown() override { frame.DestroyWindow(); }
    CPoint OnScreen(CPoint point)
    {
        pane.ClientToScreen(&point);
        return point;
    }

    CommandFrame frame;
    CVrxPTasksPane pane;
    CVrxPTasksGroup* files = nullptr;
    CVrxPTasksGroup* other = nullptr;
};

TEST_F(TasksPaneTest, GroupsAndTasksStackWithTheMetrics)
{
    CRect client;
    pane.GetClientRect(&client);
    CClientDC dc(&pane);
    CFont* pOld = dc.SelectObject(&VrxPGlobals().fontBold);
    const int nCaption = std::max(7 + static_cast<int>(dc.GetTextExtent(CString("File tasks")).cy), 25);
    dc.SelectObject(&VrxPGlobals().fontUnderline);
    const int nLine = std::max(static_cast<int>(dc.GetTextExtent(CString("Wg")).cy), 16);
    dc.SelectObject(pOld);
    const int left = client.left + 8;
    const int right = client.right - 8;
    int y = client.top + 10;
    EXPECT_EQ(CRect(left, y, right, y + nCaption), files->captionRect);
    y += nCaption;
    const int nTasksTop = y;
    y += 4;
    EXPECT_EQ(CRect(left + 12, y, right - 12, y + nLine), files->tasks[0]->rect);
    y += nLine + 4;
    EXPECT_EQ(CRect(left + 12, y, right - 12, y + nLine), files->tasks[1]->rect) << "no spacing before the second";
    y += nLine + 4;
    EXPECT_EQ(std::max(nLine, 10), files->tasks[2]->rect.Height()) << "a separator is at least 10 high";
    y += files->tasks[2]->rect.Height() + 4 + nLine + 4;
    EXPECT_EQ(CRect(left, nTasksTop, right, y), files->tasksRect);
    y += 15;
    EXPECT_EQ(y, other->captionRect.top);
    EXPECT_TRUE(pane.GroupAt(2)->captionRect.IsRectEmpty()) << "a group of another page is not laid out";
}

TEST_F(TasksPaneTest, ACaptionClickCollapsesAndATaskClickPostsItsCommand)
{
    const int nOtherTop = other->captionRect.top;
    const CPoint caption = OnScreen(files->captionRect.CenterPoint());
    PlayInput({MoveTo(caption), PressAt(caption), ReleaseAt(caption)});
    EXPECT_TRUE(files->collapsed);
    EXPECT_TRUE(files->tasks[0]->rect.IsRectEmpty());
    EXPECT_EQ(files->captionRect.bottom - 1, files->tasksRect.top);
    EXPECT_EQ(files->captionRect.bottom + 15, other->captionRect.top);
    EXPECT_LT(other->captionRect.top, nOtherTop);

    // Expanded again, then a task and a disabled task clicked.
    PlayInput({MoveTo(caption), PressAt(caption), ReleaseAt(caption)});
    EXPECT_FALSE(files->collapsed);
    EXPECT_EQ(nOtherTop, other->captionRect.top);
    const CPoint move = OnScreen(files->tasks[1]->rect.CenterPoint());
    const CPoint disabled = OnScreen(files->tasks[3]->rect.CenterPoint());
    const CPoint desktop = OnScreen(other->tasks[0]->rect.CenterPoint());
    PlayInput({MoveTo(move), PressAt(move), ReleaseAt(move), MoveTo(disabled), PressAt(disabled),
               ReleaseAt(disabled), MoveTo(desktop), PressAt(desktop), MoveTo(caption), ReleaseAt(caption)});
    PumpMessages(100);
    EXPECT_EQ(std::vector<UINT>{33002}, frame.commands)
        << "a disabled task does nothing, nor a press released elsewhere";
}

TEST_F(TasksPaneTest, PagesShowTheirOwnGroupsAndABadPageIsIgnored)
{
    pane.ShowPage(1);
    EXPECT_EQ(1, pane.CurrentPage());
    EXPECT_FALSE(pane.GroupAt(2)->captionRect.IsRectEmpty());
    EXPECT_EQ(nullptr, pane.TaskAtPoint(files->tasks[0]->rect.CenterPoint()));
    pane.ShowPage(7);
    pane.ShowPage(-1);
    EXPECT_EQ(1, pane.CurrentPage());
}
} // namespace
