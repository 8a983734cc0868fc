// A tabbed toolbar holds bars as tabs, sizes its strip to the widest and the
// tallest of them, and keeps its floating frame fitted.

#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/VrxPLibrary.h"
#include "panes/CVrxPTabWnd.h"
#include "panes/CVrxPTabbedToolbar.h"

#include "RealInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
// A bar that always asks for the same size.
class FixedSizeBar : public CVrxPControlBar
{
public:
    explicit FixedSizeBar(CSize size) : m_size(size) {}
    CSize CalcBarSize(BOOL, BOOL) override { return m_size; }

private:
    CSize m_size;
};

class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

CSize WindowSize(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect.Size();
}

CSize ClientSize(const CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    return rect.Size();
}

class TabbedToolbarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPStartLibrary();
        ASSERT_TRUE(frame.Create(nullptr, "tabbed toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 720, 520)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(tabbed.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE830,
                                  CVrxPBaseControlBar::flagFloat | CVrxPBaseControlBar::flagDockable));
        tabbed.AllowDocking(CBRS_ALIGN_ANY);
        ASSERT_NE(nullptr, tabbed.TabWindow());
        tabbed.TabWindow()->SetTabBorderSize(2);
    }
    void TearDown() override { frame.DestroyWindow(); }

    FixedSizeBar* AddBar(const char* label, CSize size, BOOL bActivate = TRUE)
    {
        bars.push_back(std::make_unique<FixedSizeBar>(size));
        FixedSizeBar* pBar = bars.back().get();
        EXPECT_TRUE(pBar->Create(nullptr, WS_CHILD | WS_VISIBLE | CBRS_GRIPPER, CRect(0, 0, size.cx, size.cy), &frame,
                                 0xE900 + static_cast<UINT>(bars.size()), 0));
        pBar->SetWindowText(label);
        EXPECT_TRUE(tabbed.AddBar(pBar, TRUE, bActivate, FALSE));
        return pBar;
    }
    // The strip's size for the widest and tallest tab, by its own border and
    // strip height.
    CSize StripSizeFor(CSize largest) const
    {
        const CVrxPTabWnd* pTabs = tabbed.TabWindow();
        return CSize(largest.cx + 2 * pTabs->TabBorderSize(),
                     largest.cy + pTabs->TabAreaHeight() + 2 * pTabs->TabBorderSize() + 2);
    }

    OwnedFrame frame;
    CVrxPTabbedToolbar tabbed;
    std::vector<std::unique_ptr<FixedSizeBar>> bars;
};

TEST_F(TabbedToolbarTest, TheStripTakesTheWidestAndTheTallestBarApart)
{
    ASSERT_TRUE(frame.PlaceBarDocked(&tabbed));
    AddBar("Narrow and tall", CSize(120, 30));
    AddBar("Wide and low", CSize(200, 26));
    const CVrxPTabWnd* pTabs = tabbed.TabWindow();
    ASSERT_EQ(2, pTabs->TabBorderSize());
    ASSERT_GT(pTabs->TabAreaHeight(), 0);
    EXPECT_EQ(StripSizeFor(CSize(200, 30)), WindowSize(*pTabs));
    EXPECT_EQ(CSize(204, 36 + pTabs->TabAreaHeight()), WindowSize(*pTabs));

    frame.RecalcLayout();
    EXPECT_EQ(tabbed.CalcBarSize(FALSE, TRUE), WindowSize(tabbed)) << "docked, the toolbar is as large as it asks";
    CRect rectInner(CPoint(0, 0), WindowSize(tabbed));
    tabbed.ApplyBorderInsets(rectInner, TRUE);
    EXPECT_EQ(WindowSize(*pTabs), rectInner.Size()) << "no margins: the strip fills the toolbar inside its borders and gripper";
}

TEST_F(TabbedToolbarTest, AnAddedBarLivesInTheStripWithoutItsGripper)
{
    ASSERT_TRUE(frame.PlaceBarDocked(&tabbed));
    FixedSizeBar* pFirst = AddBar("Build", CSize(150, 24));
    CVrxPTabWnd* pTabs = tabbed.TabWindow();
    EXPECT_EQ(pTabs, pFirst->GetParent());
    EXPECT_EQ(0u, pFirst->GetBarStyle() & CVrxPBaseControlBar::styleGripper);
    EXPECT_EQ(&frame, pFirst->GetOwner());
    EXPECT_FALSE(pTabs->IsStripHidden()) << "one tab still shows its strip";
    CString label;
    ASSERT_TRUE(pTabs->TabLabelAt(0, label));
    EXPECT_STREQ("Build", label);

    FixedSizeBar* pSecond = AddBar("Debug", CSize(150, 24), FALSE);
    EXPECT_EQ(0, pTabs->ActiveTabIndex()) << "added without activation";
    EXPECT_FALSE(pSecond->IsWindowVisible());
    pTabs->RemoveTabAt(1);
    EXPECT_TRUE(::IsWindow(pSecond->m_hWnd)) << "a removed tab's bar is its owner's";
}

TEST_F(TabbedToolbarTest, ItsTabsCannotBeDraggedToOtherPlaces)
{
    ASSERT_TRUE(frame.PlaceBarDocked(&tabbed));
    AddBar("First", CSize(180, 24));
    AddBar("Second", CSize(180, 24));
    frame.RecalcLayout();
    frame.SetForegroundWindow();
    PumpMessages(100);
    CVrxPTabWnd* pTabs = tabbed.TabWindow();
    CPoint start = pTabs->TabAt(0)->rect.CenterPoint();
    CPoint end = pTabs->TabAt(1)->rect.CenterPoint();
    pTabs->ClientToScreen(&start);
    pTabs->ClientToScreen(&end);
    PlayInput({MoveTo(start), PressAt(start), MoveTo(start + CSize(6, 0)), MoveTo(end), MoveTo(end + CSize(2, 0)),
               ReleaseAt(end + CSize(2, 0)), MoveTo(CPoint(5, 5))});
    CString label;
    ASSERT_TRUE(pTabs->TabLabelAt(0, label));
    EXPECT_STREQ("First", label);
    ASSERT_TRUE(pTabs->TabLabelAt(1, label));
    EXPECT_STREQ("Second", label);
}

TEST_F(TabbedToolbarTest, FloatingItsFrameFollowsTheStrip)
{
    ASSERT_TRUE(frame.PlaceBarDocked(&tabbed));
    AddBar("Small", CSize(100, 24));
    ASSERT_TRUE(tabbed.FloatBar(CRect(200, 200, 300, 260), CVrxPControlBar::dockToRecentPlace, TRUE));
    CVrxPMiniFrameWnd* pMiniFrame = tabbed.FindMiniFrameParent();
    ASSERT_NE(nullptr, pMiniFrame);
    pMiniFrame->FitToHostedBar();
    EXPECT_EQ(tabbed.CalcBarSize(FALSE, TRUE), ClientSize(*pMiniFrame));

    AddBar("Large", CSize(260, 40));
    EXPECT_EQ(StripSizeFor(CSize(260, 40)), WindowSize(*tabbed.TabWindow()));
    EXPECT_EQ(tabbed.CalcBarSize(FALSE, TRUE), ClientSize(*pMiniFrame)) << "the frame grew with the strip";
}
} // namespace
