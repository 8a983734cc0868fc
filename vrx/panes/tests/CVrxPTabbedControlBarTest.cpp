#include "panes/CVrxPTabbedControlBar.h"

#include <gtest/gtest.h>

namespace
{
TEST(TabbedControlBarTest, EveryLivePaneTakesTheSharedSettings)
{
    CVrxPTabbedControlBar first;
    {
        CVrxPTabbedControlBar second;
        EXPECT_EQ(2, CVrxPTabbedControlBar::LivePanes().GetCount());
        CVrxPTabbedControlBar::SharedTabStyle = 5;
        CVrxPTabbedControlBar::SharedAutoColors = TRUE;
        CVrxPTabbedControlBar::ApplyTabSettingsToAll();
        EXPECT_EQ(5, second.GetTabStyle());
        EXPECT_TRUE(second.HasAutoColors());
    }
    EXPECT_EQ(1, CVrxPTabbedControlBar::LivePanes().GetCount());
    EXPECT_EQ(5, first.GetTabStyle());
    CVrxPTabbedControlBar::SharedTabStyle = 0;
    CVrxPTabbedControlBar::SharedAutoColors = FALSE;
    CVrxPTabbedControlBar::ApplyTabSettingsToAll();
    EXPECT_EQ(0, first.GetTabStyle());
}
} // namespace
