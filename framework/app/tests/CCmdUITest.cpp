#include "LoggingTarget.h"
#include "RecordingWindowLayer.h"

#include <gtest/gtest.h>

namespace
{
// Records its state as a toolbar button would (-1: never set).
class RecordingCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1;
    int m_nChecked = -1;

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        m_nEnabled = bOn;
    }
    void SetCheck(int nCheck) override { m_nChecked = nCheck; }
};

struct UpdateCase
{
    UINT nID;
    BOOL bDisableIfNoHndler;
    BOOL bHandled;
    int nEnabled;
    int nChecked;
    std::vector<std::string> log;
};

class CCmdUIUpdate : public ::testing::TestWithParam<UpdateCase>
{
};

TEST_P(CCmdUIUpdate, AsksTheTargetAndFallsBackToTheHandlerProbe)
{
    const UpdateCase& c = GetParam();
    LoggingTarget target;
    RecordingCmdUI cmdUI;
    cmdUI.m_nID = c.nID;

    EXPECT_EQ(c.bHandled, cmdUI.DoUpdate(&target, c.bDisableIfNoHndler));
    EXPECT_EQ(c.nEnabled, cmdUI.m_nEnabled);
    EXPECT_EQ(c.nChecked, cmdUI.m_nChecked);
    // Only update handlers ran: the probe never runs a command handler.
    EXPECT_EQ(c.log, target.m_log);
}

INSTANTIATE_TEST_SUITE_P(
    DoUpdate, CCmdUIUpdate,
    ::testing::Values(
        // No handler of either kind.
        UpdateCase{600, TRUE, FALSE, FALSE, -1, {}},
        UpdateCase{600, FALSE, FALSE, -1, -1, {}},
        // Only a command handler: enabled for it.
        UpdateCase{100, TRUE, FALSE, TRUE, -1, {}},
        UpdateCase{209, TRUE, FALSE, TRUE, -1, {}},
        // An update handler that only checks: the probe still decides the
        // enabled state.
        UpdateCase{101, TRUE, TRUE, TRUE, 1, {"update 101"}},
        UpdateCase{101, FALSE, TRUE, -1, 1, {"update 101"}},
        // An update handler's own Enable wins over the existing command handler.
        UpdateCase{203, TRUE, TRUE, FALSE, -1, {"update-range 203"}},
        // Passed on: not handled here, and no command handler here either.
        UpdateCase{300, TRUE, FALSE, FALSE, -1, {"pass-on 300"}},
        // A separator is never asked about.
        UpdateCase{0, TRUE, FALSE, -1, -1, {}}));

TEST(CCmdUI, MenuAndWindowItemsGoThroughTheWindowLayer)
{
    RecordingWindowLayer layer;
    CCmdUI cmdUI;
    cmdUI.m_nID = 100;

    // An item with neither a menu nor a window only records.
    cmdUI.Enable(FALSE);
    cmdUI.SetCheck(1);
    EXPECT_TRUE(cmdUI.m_bEnableChanged);
    EXPECT_TRUE(layer.m_calls.empty());

    cmdUI.m_pOther = reinterpret_cast<CWnd*>(&layer);
    cmdUI.Enable(FALSE);
    cmdUI.SetCheck(2);
    cmdUI.SetRadio(TRUE);
    cmdUI.SetText("Text");
    std::vector<std::string> expected = {"enable 0", "check 2", "radio 1", "text Text"};
    EXPECT_EQ(expected, layer.m_calls);
}
} // namespace
