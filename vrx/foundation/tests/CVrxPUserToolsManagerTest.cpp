#include "foundation/CVrxPUserToolsManager.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMouseManager.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPUserTool.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "TestFrame.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testProfile[] = "Software\\korvo vrx tools tests\\";
const char testRoot[] = "Software\\korvo vrx tools tests";
const UINT firstId = 32900;

class UserToolsTest : public ::testing::Test
{
protected:
    void SetUp() override { SHDeleteKey(HKEY_CURRENT_USER, testRoot); }
    void TearDown() override { SHDeleteKey(HKEY_CURRENT_USER, testRoot); }

    CVrxPUserToolsManager m_manager{32899, firstId, firstId + 9};
};

TEST_F(UserToolsTest, NewToolTakesTheLowestFreeId)
{
    CVrxPUserTool* pFirst = m_manager.AppendTool();
    CVrxPUserTool* pSecond = m_manager.AppendTool();
    CVrxPUserTool* pThird = m_manager.AppendTool();
    ASSERT_NE(nullptr, pThird);
    EXPECT_EQ(firstId, pFirst->commandId);
    EXPECT_EQ(firstId + 2, pThird->commandId);
    EXPECT_TRUE(m_manager.DeleteTool(pSecond));
    CVrxPUserTool* pNew = m_manager.AppendTool();
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(firstId + 1, pNew->commandId);
    EXPECT_EQ(pNew, m_manager.LookupTool(firstId + 1));
    EXPECT_EQ(nullptr, m_manager.LookupTool(firstId + 20));
}

// Two bars of a frame, each with the tool's command between others: one of
// them twice.
TEST_F(UserToolsTest, DeletingAToolTakesItsButtonsOffEveryToolbar)
{
    CVrxPUserTool* pTool = m_manager.AppendTool();
    CVrxPUserTool* pKept = m_manager.AppendTool();
    ASSERT_NE(nullptr, pKept);
    const UINT nTool = pTool->commandId;
    TestFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "tools", WS_OVERLAPPEDWINDOW, CRect(10, 10, 410, 210)));
    CVrxPToolBar bars[2];
    for (UINT i = 0; i < 2; i++)
    {
        ASSERT_TRUE(bars[i].CreateWithDefaultStyle(&frame, WS_CHILD | WS_VISIBLE, 0xE820 + i));
        bars[i].InsertButtonCopy(CVrxPToolbarButton(100, -1, "Before"));
        bars[i].InsertButtonCopy(CVrxPToolbarButton(nTool, -1, "Tool"));
        bars[i].InsertButtonCopy(CVrxPToolbarButton(pKept->commandId, -1, "Kept"));
    }
    bars[1].InsertButtonCopy(CVrxPToolbarButton(nTool, -1, "Tool again"));
    for (CVrxPToolBar& bar : bars)
        bar.LayoutButtons();
    const CRect rectToolOnFirst = bars[0].GetButton(1)->rect;

    ASSERT_TRUE(m_manager.DeleteTool(pTool));

    for (CVrxPToolBar& bar : bars)
    {
        ASSERT_EQ(2, bar.GetCount());
        EXPECT_EQ(100u, bar.GetButton(0)->commandId);
        EXPECT_EQ(pKept->commandId, bar.GetButton(1)->commandId);
        EXPECT_EQ(-1, bar.CommandToIndex(nTool));
    }
    EXPECT_EQ(rectToolOnFirst.left, bars[0].GetButton(1)->rect.left) << "the bar is laid out again";
    frame.DestroyWindow();
}

TEST_F(UserToolsTest, FullRangeGivesNoTool)
{
    for (int i = 0; i < 10; i++)
        ASSERT_NE(nullptr, m_manager.AppendTool());
    EXPECT_EQ(nullptr, m_manager.AppendTool());
    EXPECT_TRUE(m_manager.IsToolCommandId(firstId + 9));
    EXPECT_FALSE(m_manager.IsToolCommandId(firstId + 10));
}

TEST_F(UserToolsTest, ShiftingAtTheEndsFails)
{
    CVrxPUserTool* pFirst = m_manager.AppendTool();
    CVrxPUserTool* pSecond = m_manager.AppendTool();
    EXPECT_FALSE(m_manager.ShiftToolUp(pFirst));
    EXPECT_FALSE(m_manager.ShiftToolDown(pSecond));
    EXPECT_EQ(pFirst, m_manager.GetTools().GetHead());
    EXPECT_TRUE(m_manager.ShiftToolUp(pSecond));
    EXPECT_EQ(pSecond, m_manager.GetTools().GetHead());
    EXPECT_TRUE(m_manager.ShiftToolDown(pSecond));
    EXPECT_EQ(pFirst, m_manager.GetTools().GetHead());
    CVrxPUserTool stranger;
    EXPECT_FALSE(m_manager.DeleteTool(&stranger));
}

TEST_F(UserToolsTest, ProgramOnTheSearchPathShowsItsOwnIcon)
{
    CVrxPUserTool* pTool = m_manager.AppendTool();
    pTool->ChangeCommand("notepad.exe");
    EXPECT_NE(nullptr, pTool->GetIcon());
    EXPECT_NE(VrxPGlobals().iconUserTool, pTool->GetIcon());
    pTool->ChangeCommand("no-such-program-anywhere.exe");
    ASSERT_NE(nullptr, pTool->GetIcon());
    EXPECT_EQ(VrxPGlobals().iconUserTool, pTool->GetIcon());
}

TEST_F(UserToolsTest, EmptyCommandDoesNotLaunch)
{
    CVrxPUserTool* pTool = m_manager.AppendTool();
    EXPECT_FALSE(pTool->Launch());
    EXPECT_FALSE(m_manager.LaunchTool(firstId + 5));
}

TEST_F(UserToolsTest, ToolsRoundTripThroughTheRegistry)
{
    CVrxPUserTool* pTool = m_manager.AppendTool();
    pTool->name = "Editor";
    pTool->ChangeCommand("notepad.exe");
    pTool->arguments = "$(File)";
    pTool->initialDirectory = "C:\\";
    ASSERT_TRUE(m_manager.StoreState(testProfile));

    CVrxPUserToolsManager other(32899, firstId, firstId + 9);
    other.AppendTool();
    ASSERT_TRUE(other.RestoreState(testProfile));
    ASSERT_EQ(1, other.GetTools().GetCount());
    const CVrxPUserTool* pLoaded = static_cast<const CVrxPUserTool*>(other.GetTools().GetHead());
    EXPECT_STREQ("Editor", pLoaded->name);
    EXPECT_STREQ("notepad.exe", pLoaded->GetCommand());
    EXPECT_STREQ("$(File)", pLoaded->arguments);
    EXPECT_STREQ("C:\\", pLoaded->initialDirectory);
    EXPECT_EQ(firstId, pLoaded->commandId);
}

// A list of other objects is not a list of tools, and none of them is made:
// a mouse manager made and deleted by the read would unhook the real one.
TEST_F(UserToolsTest, ListOfOtherObjectsIsRefused)
{
    CVrxPMouseManager mouse;
    {
        CObList others;
        others.AddTail(&mouse);
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(testProfile));
        ASSERT_TRUE(registry.WriteArchived("Tools", others));
    }
    m_manager.AppendTool();
    EXPECT_FALSE(m_manager.RestoreState(testProfile));
    EXPECT_EQ(0, m_manager.GetTools().GetCount());
    EXPECT_EQ(&mouse, CVrxPMouseManager::Instance());
}

// One tool listed twice would be deleted twice; tools sharing an id or
// outside the range could never all be run.
TEST_F(UserToolsTest, ToolsThatAreNotDistinctOrOutsideTheRangeAreRefused)
{
    CVrxPUserTool first;
    first.commandId = firstId;
    CVrxPUserTool sameId;
    sameId.commandId = firstId;
    CVrxPUserTool outside;
    outside.commandId = firstId + 10;
    const std::vector<std::vector<CVrxPUserTool*>> lists = {{&first, &first}, {&first, &sameId}, {&outside}};
    for (const std::vector<CVrxPUserTool*>& tools : lists)
    {
        {
            CObList list;
            for (CVrxPUserTool* pTool : tools)
                list.AddTail(pTool);
            CVrxPRegistryHolder holder;
            CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
            ASSERT_TRUE(registry.MakeKey(testProfile));
            ASSERT_TRUE(registry.WriteArchived("Tools", list));
        }
        EXPECT_FALSE(m_manager.RestoreState(testProfile));
        EXPECT_EQ(0, m_manager.GetTools().GetCount());
    }
}
} // namespace
