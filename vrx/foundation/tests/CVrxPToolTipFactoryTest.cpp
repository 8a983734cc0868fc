#include "foundation/CVrxPToolTipFactory.h"

#include "foundation/CVrxPToolTipCtrl.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "foundation/VrxPMessages.h"

#include "TestFrame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace
{
// A window that counts the tooltip updates it is sent.
class Owner : public CWnd
{
public:
    std::vector<WPARAM> updates;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == VrxM_UPDATETOOLTIPS)
        {
            updates.push_back(wParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ToolTipFactoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPStartLibrary();
        for (Owner* pOwner : {&m_toolbar, &m_tab})
            ASSERT_TRUE(pOwner->CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_POPUP, CRect(0, 0, 20, 20),
                                         nullptr, 0));
    }
    void TearDown() override
    {
        CVrxPToolTipFactory::DestroyToolTip(m_pToolbarTip);
        CVrxPToolTipFactory::DestroyToolTip(m_pTabTip);
        m_toolbar.DestroyWindow();
        m_tab.DestroyWindow();
    }

    CVrxPToolTipFactory m_factory;
    Owner m_toolbar;
    Owner m_tab;
    CToolTipCtrl* m_pToolbarTip = nullptr;
    CToolTipCtrl* m_pTabTip = nullptr;
};

TEST_F(ToolTipFactoryTest, KindMustBeOneOfTheTenBits)
{
    EXPECT_FALSE(CVrxPToolTipFactory::MakeToolTip(m_pToolbarTip, &m_toolbar, 0));
    EXPECT_FALSE(CVrxPToolTipFactory::MakeToolTip(m_pToolbarTip, &m_toolbar, 0x6));
    EXPECT_FALSE(CVrxPToolTipFactory::MakeToolTip(m_pToolbarTip, &m_toolbar, 0x400));
    EXPECT_EQ(nullptr, m_pToolbarTip);
    EXPECT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pToolbarTip, &m_toolbar, CVrxPToolTipFactory::kindToolBar));
    ASSERT_NE(nullptr, m_pToolbarTip);
    EXPECT_NE(nullptr, m_pToolbarTip->GetSafeHwnd());
    EXPECT_EQ(1, m_factory.Owners().GetCount());
}

TEST_F(ToolTipFactoryTest, NewOptionsReachEveryOwner)
{
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pToolbarTip, &m_toolbar, CVrxPToolTipFactory::kindToolBar));
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pTabTip, &m_tab, CVrxPToolTipFactory::kindTab));
    CVrxPToolTipOptions options;
    options.roundedCorners = TRUE;
    m_factory.ApplyToolTipParams(CVrxPToolTipFactory::kindToolBar, RUNTIME_CLASS(CVrxPToolTipCtrl), &options);
    EXPECT_EQ((std::vector<WPARAM>{CVrxPToolTipFactory::kindToolBar}), m_toolbar.updates);
    EXPECT_EQ((std::vector<WPARAM>{CVrxPToolTipFactory::kindToolBar}), m_tab.updates);
    EXPECT_TRUE(m_factory.OptionsOf(1).roundedCorners);
    EXPECT_FALSE(m_factory.OptionsOf(2).roundedCorners);

    // The toolbar rebuilds its tip: now a library tooltip with the options.
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pToolbarTip, &m_toolbar, CVrxPToolTipFactory::kindToolBar));
    CVrxPToolTipCtrl* pLibraryTip = dynamic_cast<CVrxPToolTipCtrl*>(m_pToolbarTip);
    ASSERT_NE(nullptr, pLibraryTip);
    EXPECT_TRUE(pLibraryTip->GetParams().roundedCorners);
    EXPECT_EQ(2, m_factory.Owners().GetCount());

    m_factory.RefreshAllToolTips();
    EXPECT_EQ(CVrxPToolTipFactory::allKinds, m_tab.updates.back());
}

TEST_F(ToolTipFactoryTest, OtherClassesGetTheDefaults)
{
    CVrxPToolTipOptions options;
    options.roundedCorners = TRUE;
    m_factory.ApplyToolTipParams(CVrxPToolTipFactory::allKinds, RUNTIME_CLASS(CToolTipCtrl), &options);
    EXPECT_FALSE(m_factory.OptionsOf(0).roundedCorners);
}

TEST_F(ToolTipFactoryTest, DestroyedOwnersAreSkipped)
{
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pTabTip, &m_tab, CVrxPToolTipFactory::kindTab));
    m_pTabTip->DestroyWindow();
    m_tab.DestroyWindow();
    m_factory.RefreshAllToolTips();
    EXPECT_TRUE(m_tab.updates.empty());
}

TEST_F(ToolTipFactoryTest, DestroyingATipForgetsItsOwner)
{
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pTabTip, &m_tab, CVrxPToolTipFactory::kindTab));
    CVrxPToolTipFactory::DestroyToolTip(m_pTabTip);
    EXPECT_EQ(nullptr, m_pTabTip);
    EXPECT_EQ(0, m_factory.Owners().GetCount());
}

TEST_F(ToolTipFactoryTest, ToolTextAndDescriptionWithoutTabs)
{
    m_factory.ApplyToolTipParams(CVrxPToolTipFactory::kindToolBar, RUNTIME_CLASS(CVrxPToolTipCtrl), nullptr);
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pToolbarTip, &m_toolbar, CVrxPToolTipFactory::kindToolBar));
    TOOLINFO info = {};
    CVrxPToolTipFactory::SetToolText(&info, m_pToolbarTip, CVrxPToolTipFactory::kindToolBar, "Open", "a\tb");
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Open", info.lpszText);
    free(info.lpszText);
    EXPECT_STREQ("a    b", static_cast<CVrxPToolTipCtrl*>(m_pToolbarTip)->GetDescription());

    TOOLINFO untouched = {};
    CVrxPToolTipFactory::SetToolText(&untouched, m_pToolbarTip, 0x3, "Open", nullptr);
    EXPECT_EQ(nullptr, untouched.lpszText);
}

TEST_F(ToolTipFactoryTest, BalloonShowsTheDescriptionUnderTheLabel)
{
    CVrxPToolTipOptions options;
    options.balloon = TRUE;
    m_factory.ApplyToolTipParams(CVrxPToolTipFactory::kindButton, RUNTIME_CLASS(CVrxPToolTipCtrl), &options);
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(m_pTabTip, &m_tab, CVrxPToolTipFactory::kindButton));
    EXPECT_TRUE(m_pTabTip->GetStyle() & TTS_BALLOON);
    TOOLINFO info = {};
    CVrxPToolTipFactory::SetToolText(&info, m_pTabTip, CVrxPToolTipFactory::kindButton, "Label", "Body");
    EXPECT_STREQ("Body", info.lpszText);
    free(info.lpszText);
}

TEST(CVrxPToolTipFactory, WithoutAFactoryTipsArePlain)
{
    ASSERT_EQ(nullptr, CVrxPToolTipFactory::Instance());
    Owner owner;
    ASSERT_TRUE(owner.CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_POPUP, CRect(0, 0, 20, 20), nullptr, 0));
    CToolTipCtrl* pTip = nullptr;
    ASSERT_TRUE(CVrxPToolTipFactory::MakeToolTip(pTip, &owner, CVrxPToolTipFactory::kindTab));
    EXPECT_EQ(nullptr, dynamic_cast<CVrxPToolTipCtrl*>(pTip));
    CVrxPToolTipFactory::DestroyToolTip(pTip);
    owner.DestroyWindow();
}
} // namespace
