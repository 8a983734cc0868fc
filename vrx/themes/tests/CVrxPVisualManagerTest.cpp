#include "themes/CVrxPVisualManager.h"

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/VrxPMessages.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/2007/CVrxPVisualManager2007.h"
#include "themes/vs2005/CVrxPVisualManagerVS2005.h"
#include "themes/xp/CVrxPVisualManagerXP.h"
#include "themes/winxp/CVrxPWinXPVisualManager.h"

#include <gtest/gtest.h>

#include <cstring>

// A look class without dynamic creation: CreateObject answers null.
class CUncreatableLook : public CVrxPVisualManager
{
    DECLARE_DYNAMIC(CUncreatableLook)
};
IMPLEMENT_DYNAMIC(CUncreatableLook, CVrxPVisualManager)

namespace
{
// A library frame that counts the look changes it hears of.
class CountingFrame : public CVrxPMDIFrameWnd
{
public:
    int changes = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == VrxM_CHANGEVISUALMANAGER)
            changes++;
        return CVrxPMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {}
};

class LookSelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CVrxPVisualManager::SelectClass(nullptr);
        ASSERT_TRUE(frame.Create(nullptr, "looks", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        CVrxPVisualManager::SelectClass(nullptr);
        CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::defaultDockStyle);
    }

    CountingFrame frame;
};

struct LookCase
{
    CRuntimeClass* lookClass;
    const char* className;
    int dockStyle;
    int paneMenuButton;
};

class LookClassTest : public LookSelectionTest, public ::testing::WithParamInterface<LookCase>
{
};

TEST_P(LookClassTest, TheNextUseCreatesTheSelectedLook)
{
    CVrxPVisualManager::Instance();
    CVrxPVisualManager::SelectClass(GetParam().lookClass);
    EXPECT_EQ(1, frame.changes);
    EXPECT_EQ(CVrxPFrameBarManager::defaultDockStyle, CVrxPFrameBarManager::GetGlobalDockStyle());
    CVrxPVisualManager* pNew = CVrxPVisualManager::Instance();
    EXPECT_STREQ(GetParam().className, pNew->GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(pNew->autoDelete);
    EXPECT_EQ(GetParam().dockStyle, CVrxPFrameBarManager::GetGlobalDockStyle());
    EXPECT_EQ(GetParam().paneMenuButton, CVrxPDockingControlBar::paneCaptionMenuButton);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, LookClassTest,
    ::testing::Values(LookCase{RUNTIME_CLASS(CVrxPVisualManager), "CVrxPVisualManager", 2, 0},
                      LookCase{RUNTIME_CLASS(CVrxPVisualManagerXP), "CVrxPVisualManagerXP", 2, 0},
                      LookCase{RUNTIME_CLASS(CVrxPVisualManager2003), "CVrxPVisualManager2003", 2, 0},
                      LookCase{RUNTIME_CLASS(CVrxPWinXPVisualManager), "CVrxPWinXPVisualManager", 2, 0},
                      LookCase{RUNTIME_CLASS(CVrxPVisualManagerVS2005), "CVrxPVisualManagerVS2005", 129, 1},
                      LookCase{RUNTIME_CLASS(CVrxPVisualManager2007), "CVrxPVisualManager2007", 2, 0},
                      LookCase{nullptr, "CVrxPVisualManager", 2, 0}),
    [](const ::testing::TestParamInfo<LookCase>& info) {
        return std::string(info.param.className) + std::to_string(info.index);
    });

TEST_F(LookSelectionTest, AClassThatIsNoLookChangesNothing)
{
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManagerXP));
    CVrxPVisualManager* pCurrent = CVrxPVisualManager::Instance();
    const int nChanges = frame.changes;
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CObject));
    EXPECT_EQ(nChanges, frame.changes);
    EXPECT_EQ(pCurrent, CVrxPVisualManager::Instance());
    EXPECT_EQ(RUNTIME_CLASS(CVrxPVisualManagerXP), CVrxPVisualManager::SelectedClass());
}

TEST_F(LookSelectionTest, TheSameLookTwiceIsMadeAnewBothTimes)
{
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager2003));
    CVrxPVisualManager::Instance()->menuShadeDepth = 42;
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager2003));
    EXPECT_EQ(2, frame.changes);
    EXPECT_EQ(3, CVrxPVisualManager::Instance()->menuShadeDepth) << "a fresh 2003 look";
}

TEST_F(LookSelectionTest, ShutDownLeavesAManagerTheApplicationMade)
{
    CVrxPVisualManager::DestroyInstance();
    CVrxPVisualManagerXP* pOwn = new CVrxPVisualManagerXP;
    EXPECT_EQ(pOwn, CVrxPVisualManager::Instance());
    CVrxPVisualManager::DestroyInstance(TRUE);
    EXPECT_EQ(pOwn, CVrxPVisualManager::Instance());
    delete pOwn;
    CVrxPVisualManager* pMade = CVrxPVisualManager::Instance();
    EXPECT_NE(nullptr, pMade);
    EXPECT_TRUE(pMade->autoDelete);
}

TEST_F(LookSelectionTest, ALookThatCannotBeMadeFallsBackToTheBaseLook)
{
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CUncreatableLook));
    EXPECT_EQ(1, frame.changes);
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    ASSERT_NE(nullptr, pLook);
    EXPECT_STREQ("CVrxPVisualManager", pLook->GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(pLook->autoDelete);
    EXPECT_EQ(pLook, CVrxPVisualManager::Instance()) << "made once, then kept";
}

TEST_F(LookSelectionTest, NoManagerLivesBetweenTheSelectionAndItsFirstUse)
{
    CVrxPVisualManager::Instance();
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManagerXP));
    CVrxPVisualManager::DestroyInstance(TRUE);
    EXPECT_STREQ("CVrxPVisualManagerXP", CVrxPVisualManager::Instance()->GetRuntimeClass()->m_lpszClassName);
}

TEST_F(LookSelectionTest, ApplyingTheLook2000OptionKeepsTheManager)
{
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    const int nChanges = frame.changes;
    pLook->ApplyLook2000Option(TRUE);
    EXPECT_EQ(pLook, CVrxPVisualManager::Instance());
    EXPECT_TRUE(pLook->look2000);
    EXPECT_EQ(nChanges, frame.changes);
}

TEST(BaseLookAnswersTest, DefaultsLeaveTheCallerToDecide)
{
    CVrxPVisualManager look(TRUE);
    const COLORREF none = static_cast<COLORREF>(-1);
    EXPECT_EQ(none, look.QueryImageHighlightColor());
    EXPECT_EQ(none, look.QueryTabTextColor(nullptr, 0, TRUE));
    EXPECT_EQ(-1, look.QueryMdiTabsStyle());
    EXPECT_EQ(-1, look.QueryDockingTabsStyle());
    EXPECT_EQ(none, look.PaintRibbonButtonGroupFrame(nullptr, nullptr, CRect()));
    EXPECT_EQ(none, look.PaintRibbonHighlightFrame(nullptr, nullptr, nullptr));
    EXPECT_EQ(2, look.QueryMenuBorderSize());
    EXPECT_EQ(CVrxPMenuGlyphs::glyphSize + 6, look.QueryShowAllButtonHeight(0, 0));
    EXPECT_FALSE(look.UpdateFrameRegion(nullptr, 100, 100));
}

TEST(BaseLookAnswersTest, TooltipOptionsAreTheBaseLooksDefaults)
{
    CVrxPVisualManager look(TRUE);
    CVrxPToolTipOptions options;
    options.balloon = TRUE;
    options.maxDescriptionWidth = 5;
    options.takeFromVisualManager = TRUE;
    ASSERT_TRUE(look.QueryToolTipOptions(&options, -1));
    const int expected[13] = {0, 1, 1, 200, 0, 1, -1, -1, -1, -1, -1, 1, 0};
    EXPECT_EQ(0, std::memcmp(expected, &options, sizeof(expected)));
}

TEST_F(LookSelectionTest, ATemporaryLookStaysOutOfTheWay)
{
    CVrxPVisualManager* pCurrent = CVrxPVisualManager::Instance();
    CVrxPFrameBarManager::SetGlobalDockStyle(7);
    {
        CVrxPVisualManagerVS2005 temporary(TRUE);
        EXPECT_EQ(pCurrent, CVrxPVisualManager::Instance());
    }
    EXPECT_EQ(pCurrent, CVrxPVisualManager::Instance());
    EXPECT_EQ(7, CVrxPFrameBarManager::GetGlobalDockStyle());
}

struct LookFlags
{
    CRuntimeClass* lookClass;
    BOOL look2000;
    int menuShadeDepth;
    BOOL flatButtons;
    BOOL embossDisabled;
    int menuBorderSize;
};

class LookFlagsTest : public ::testing::TestWithParam<LookFlags>
{
};

TEST_P(LookFlagsTest, EachLookSetsItsOwnOptions)
{
    CVrxPVisualManager* pLook = static_cast<CVrxPVisualManager*>(GetParam().lookClass->CreateObject());
    pLook->ReloadPalette();
    EXPECT_EQ(GetParam().look2000, pLook->look2000);
    EXPECT_EQ(GetParam().menuShadeDepth, pLook->menuShadeDepth);
    EXPECT_EQ(GetParam().flatButtons, pLook->flatButtons);
    EXPECT_EQ(GetParam().embossDisabled, pLook->embossDisabled);
    EXPECT_EQ(GetParam().menuBorderSize, pLook->menuBorderSize);
    delete pLook;
}

INSTANTIATE_TEST_SUITE_P(Looks, LookFlagsTest,
                         ::testing::Values(LookFlags{RUNTIME_CLASS(CVrxPVisualManager), FALSE, 6, FALSE, TRUE, 2},
                                           LookFlags{RUNTIME_CLASS(CVrxPVisualManagerXP), TRUE, 4, TRUE, FALSE, 1},
                                           LookFlags{RUNTIME_CLASS(CVrxPVisualManager2003), TRUE, 3, TRUE, FALSE, 1},
                                           LookFlags{RUNTIME_CLASS(CVrxPVisualManager2007), TRUE, 3, TRUE, FALSE, 1}));
} // namespace
