#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "app/CCmdUI.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPRegistry.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPLibrary.h"
#include "gdi/CClientDC.h"
#include "panes/navigation/CVrxPTasksPane.h"
#include "tests/RealInput.h"
#include "toolbars/CVrxPPopupMenuBar.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace
{
// A command item that notes the state its update handler gave it.
class NotedCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        enabled = bOn;
    }
    BOOL enabled = -1;
};

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

CString WindowText(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

TEST_F(TasksPaneTest, NavigationCommandsMoveThroughTheHistory)
{
    EXPECT_EQ(CString("Tasks"), pane.GetCaption());
    EXPECT_EQ(CString("Tasks"), WindowText(pane)) << "several pages show the pane's caption";
    pane.AppendPage("Third");
    const auto Command = [this](UINT nId, int nChosen) {
        SCOPED_TRACE(testing::Message() << nId << " " << nChosen);
        CVrxPPopupMenuBar::lastChosenIndex = nChosen;
        pane.SendMessage(WM_COMMAND, nId, 0);
        // A disabled command does not run and leaves the index.
        CVrxPPopupMenuBar::lastChosenIndex = -1;
    };
    // The page menu's chosen item names the page; one beyond the pages,
    // or none, is ignored.
    Command(CVrxPTasksPane::idOtherPanes, 2);
    CVrxPPopupMenuBar::lastChosenIndex = 1;
    pane.SendMessage(WM_COMMAND, CVrxPTasksPane::idOtherPanes, 0);
    EXPECT_EQ(-1, CVrxPPopupMenuBar::lastChosenIndex) << "a chosen index is used once";
    Command(CVrxPTasksPane::idOtherPanes, 3);
    Command(CVrxPTasksPane::idOtherPanes, -1);
    Command(CVrxPTasksPane::idOtherPanes, 0x7FFFFFFF);
    EXPECT_EQ((std::vector<int>{0, 2, 1}), pane.GetHistory().Entries());
    EXPECT_FALSE(pane.GroupAt(2)->captionRect.IsRectEmpty()) << "page 1's group is laid out";
    EXPECT_EQ((std::vector<CString>{"Third", "Tasks"}), pane.BackPageNames());

    // The back menu's second entry is two steps back; its entries beyond
    // the history are ignored.
    Command(CVrxPTasksPane::idBack, 1);
    EXPECT_EQ(0, pane.GetHistory().Position());
    Command(CVrxPTasksPane::idBack, 0);
    Command(CVrxPTasksPane::idBack, -1);
    EXPECT_EQ(0, pane.GetHistory().Position());
    EXPECT_EQ((std::vector<CString>{"Third", "Second"}), pane.ForwardPageNames());
    Command(CVrxPTasksPane::idForward, 5);
    EXPECT_EQ(0, pane.GetHistory().Position());
    Command(CVrxPTasksPane::idForward, -1);
    EXPECT_EQ(2, pane.CurrentPage());
    Command(CVrxPTasksPane::idForward, 0);
    EXPECT_EQ(1, pane.CurrentPage());
    Command(CVrxPTasksPane::idHome, -1);
    EXPECT_EQ((std::vector<int>{0, 2, 1, 0}), pane.GetHistory().Entries());
    EXPECT_EQ(0, pane.CurrentPage());
    EXPECT_FALSE(files->captionRect.IsRectEmpty());
}

TEST_F(TasksPaneTest, CommandUpdatesFollowTheHistory)
{
    const auto Enabled = [this](UINT nId) {
        NotedCmdUI state;
        state.m_nID = nId;
        EXPECT_TRUE(state.DoUpdate(&pane, TRUE));
        return state.enabled;
    };
    EXPECT_FALSE(Enabled(CVrxPTasksPane::idBack));
    EXPECT_FALSE(Enabled(CVrxPTasksPane::idForward));
    pane.ShowPage(1);
    EXPECT_TRUE(Enabled(CVrxPTasksPane::idBack));
    EXPECT_FALSE(Enabled(CVrxPTasksPane::idForward));
    pane.GoBack();
    EXPECT_FALSE(Enabled(CVrxPTasksPane::idBack));
    EXPECT_TRUE(Enabled(CVrxPTasksPane::idForward));
}

class TasksPaneRegistryTest : public TasksPaneTest
{
protected:
    static constexpr const char profile[] = "TasksPaneTest";
    void SetUp() override
    {
        TasksPaneTest::SetUp();
        workspace = std::make_unique<CVrxPWorkspace>();
        workspace->storedMajor = CVrxPWorkspace::storedMajorVersion;
        workspace->storedMinor = CVrxPWorkspace::storedMinorVersion;
        CVrxPRegistryHolder holder;
        holder.Open(FALSE, FALSE).RemoveKey(VrxPBuildRegistryPath(CVrxPTasksPane::registrySection, profile), FALSE);
    }
    CString Key(int nBarId) const
    {
        return CVrxPTasksPaneState::KeyName(VrxPBuildRegistryPath(CVrxPTasksPane::registrySection, profile), nBarId);
    }
    std::vector<BYTE> StoredValue(int nBarId)
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        BYTE* pData = nullptr;
        UINT nSize = 0;
        if (!registry.OpenKey(Key(nBarId)) || !registry.ReadBinary(CVrxPTasksPaneState::valueName, pData, nSize))
            return {};
        std::unique_ptr<BYTE[]> data(pData);
        return std::vector<BYTE>(pData, pData + nSize);
    }
    void TearDown() override
    {
        TasksPaneTest::TearDown();
        workspace.reset();
    }
    std::unique_ptr<CVrxPWorkspace> workspace;
};

TEST_F(TasksPaneRegistryTest, SettingsComeBackWithMetricsPageNamesAndCaption)
{
    pane.AppendPage("Third");
    pane.ShowPage(2);
    pane.SetWindowText("Renamed");
    ASSERT_TRUE(pane.StoreToRegistry(profile, 200, -1));
    const std::vector<BYTE> stored = StoredValue(200);
    CVrxPTasksPaneState expected;
    ASSERT_TRUE(expected.Read(stored.data(), static_cast<UINT>(stored.size()), TRUE, TRUE));
    EXPECT_EQ((std::array<int, 9>{10, 8, 15, 25, -1, 7, 12, 5, 4}), expected.metrics);
    EXPECT_EQ(2, expected.page);
    EXPECT_EQ((std::vector<CString>{"Tasks", "Second", "Third"}), expected.pageNames);
    EXPECT_EQ(CString("Renamed"), expected.caption);

    CVrxPTasksPane restored;
    // The same pane (same id) after a restart.
    ASSERT_TRUE(restored.Create("Other", &frame, CSize(200, 200), TRUE, 200,
                                WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 32, 15));
    restored.AppendPage("b");
    restored.AppendPage("c");
    ASSERT_TRUE(restored.RestoreFromRegistry(profile, 200, -1));
    EXPECT_EQ(2, restored.CurrentPage());
    EXPECT_EQ(10, restored.verticalMargin);
    EXPECT_EQ(-1, restored.captionIndentH);
    EXPECT_EQ(pane.pageNames, restored.pageNames);
    EXPECT_EQ(CString("Renamed"), restored.GetCaption());
    EXPECT_EQ(CString("Renamed"), WindowText(restored));
    ASSERT_TRUE(restored.StoreToRegistry(profile, 301, -1));
    EXPECT_EQ(stored, StoredValue(301)) << "stored again, the same bytes";

    // Names of another number of pages leave the pane's own.
    CVrxPTasksPane fewer;
    ASSERT_TRUE(fewer.Create("Fewer", &frame, CSize(200, 200), TRUE, 200,
                             WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 32, 15));
    fewer.AppendPage("Own");
    ASSERT_TRUE(fewer.RestoreFromRegistry(profile, 200, -1));
    EXPECT_EQ((std::vector<CString>{"Fewer", "Own"}), fewer.pageNames);
    EXPECT_EQ(0, fewer.CurrentPage()) << "a stored page beyond the pages shows page 0";
    EXPECT_EQ(CString("Renamed"), fewer.GetCaption());

    // A workspace older than the pages' record restores the docking part only.
    workspace->storedMajor = 6;
    workspace->storedMinor = 2;
    CVrxPTasksPane older;
    ASSERT_TRUE(older.Create("Older", &frame, CSize(200, 200), TRUE, 200,
                             WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 32, 15));
    older.AppendPage("b");
    older.AppendPage("c");
    ASSERT_TRUE(older.RestoreFromRegistry(profile, 200, -1));
    EXPECT_EQ(0, older.CurrentPage());
    EXPECT_EQ(-1, older.verticalMargin);
    EXPECT_EQ(CString("Older"), older.GetCaption());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_RIGHT), older.GetAlignment());
    older.DestroyWindow();
    fewer.DestroyWindow();
    restored.DestroyWindow();
}

TEST_F(TasksPaneRegistryTest, ADamagedValueIsRefusedWithNothingChanged)
{
    pane.ShowPage(1);
    ASSERT_TRUE(pane.StoreToRegistry(profile, 300, -1));
    const std::vector<BYTE> good = StoredValue(300);
    std::vector<BYTE> badMetric = good;
    badMetric[8] = 0xF0;
    badMetric[9] = badMetric[10] = badMetric[11] = 0xFF;
    const std::vector<std::vector<BYTE>> damaged = {
        {}, std::vector<BYTE>(good.begin(), good.end() - 3), {0xFF, 0xFF, 0xFF, 0xFF}, badMetric};
    pane.GoBack();
    const CVrxPTasksPaneState before = pane.SavedState();
    for (const std::vector<BYTE>& bytes : damaged)
    {
        {
            CVrxPRegistryHolder holder;
            CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
            ASSERT_TRUE(registry.MakeKey(Key(300)));
            ASSERT_TRUE(registry.WriteBinary(CVrxPTasksPaneState::valueName, bytes.data(),
                                             static_cast<UINT>(bytes.size())));
        }
        EXPECT_FALSE(pane.RestoreFromRegistry(profile, 300, -1)) << bytes.size() << " bytes";
        EXPECT_TRUE(pane.SavedState() == before);
        EXPECT_EQ(0, pane.CurrentPage());
    }
    EXPECT_FALSE(pane.RestoreFromRegistry(profile, 399, -1)) << "no value";
}

TEST_F(TasksPaneRegistryTest, AFailedWriteIsReported)
{
    // A key name longer than the registry allows cannot be made.
    const CString longProfile(std::string(400, 'p').c_str());
    EXPECT_FALSE(pane.StoreToRegistry(longProfile, 300, -1));
}
} // namespace
