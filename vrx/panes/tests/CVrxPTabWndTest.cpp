#include "app/CWinApp.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "foundation/CVrxPContextMenuManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/tests/TestCanvas.h"
#include "tests/RealInput.h"
#include "tests/TabTestHost.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "toolbars/CVrxPPopupMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

namespace
{
std::vector<CString> Texts(std::initializer_list<const char*> texts)
{
    return std::vector<CString>(texts.begin(), texts.end());
}

class TabListTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangular, CVrxPBaseTabWnd::locationTop)); }

    TabTestHost host;
};

TEST_F(TabListTest, TheFirstTabBecomesActiveAndLaterOnesStayHidden)
{
    host.AddTabs({"P", "Q", "R"});
    EXPECT_EQ(0, host.strip.ActiveTabIndex());
    EXPECT_EQ(1, host.VisiblePageCount());
    EXPECT_TRUE(host.strip.TabWindowAt(0)->IsWindowVisible());
    EXPECT_EQ((std::vector<int>{1, 2, 3}),
              (std::vector<int>{host.strip.TabIdAt(0), host.strip.TabIdAt(1), host.strip.TabIdAt(2)}));
}

TEST_F(TabListTest, ATabInsertedAtTheActivePlaceTakesItAndOneBeforeLeavesTheActiveTabAlone)
{
    host.AddTabs({"P", "Q", "R"});
    ASSERT_TRUE(host.strip.ActivateTab(1));
    host.strip.InsertTabAt(host.MakePage(), "X", 1);
    EXPECT_EQ(Texts({"P", "X", "Q", "R"}), host.Labels());
    EXPECT_EQ(1, host.strip.ActiveTabIndex()) << "the new tab in the active place";
    EXPECT_TRUE(host.strip.TabWindowAt(1)->IsWindowVisible());
    EXPECT_FALSE(host.strip.TabWindowAt(2)->IsWindowVisible());
    EXPECT_EQ(1, host.VisiblePageCount());

    host.strip.InsertTabAt(host.MakePage(), "Y", 0);
    EXPECT_EQ(2, host.strip.ActiveTabIndex()) << "the active tab is still X, one place on";
    EXPECT_EQ(1, host.VisiblePageCount());
}

struct RemovalCase
{
    const char* name;
    std::vector<const char*> labels;
    int active;
    int hidden;
    int removed;
    std::vector<const char*> expectedLabels;
    const char* expectedActive;
};

class TabRemovalTest : public ::testing::TestWithParam<RemovalCase>
{
};

TEST_P(TabRemovalTest, TheRightTabBecomesActiveAndTheParentHearsOfIt)
{
    const RemovalCase& c = GetParam();
    TabTestHost host;
    ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangular, CVrxPBaseTabWnd::locationTop));
    host.AddTabs(c.labels);
    ASSERT_TRUE(host.strip.ActivateTab(c.active));
    if (c.hidden >= 0)
    {
        ASSERT_TRUE(host.strip.ShowTabAt(c.hidden, FALSE));
    }
    host.activeChanges.clear();
    ASSERT_TRUE(host.strip.RemoveTabAt(c.removed));
    std::vector<CString> expected(c.expectedLabels.begin(), c.expectedLabels.end());
    EXPECT_EQ(expected, host.Labels()) << c.name;
    CString active;
    host.strip.TabLabelAt(host.strip.ActiveTabIndex(), active);
    EXPECT_STREQ(c.expectedActive, active) << c.name;
    ASSERT_FALSE(host.activeChanges.empty()) << c.name;
    EXPECT_EQ(host.strip.ActiveTabIndex(), host.activeChanges.back()) << c.name;
    EXPECT_EQ(1, host.VisiblePageCount()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TabRemovalTest,
    ::testing::Values(RemovalCase{"the first visible at the removed place", {"P", "Q", "R", "S"}, 3, -1, 1,
                                  {"P", "R", "S"}, "R"},
                      RemovalCase{"active removed, the next visible wins", {"P", "Q", "R", "S"}, 1, -1, 1,
                                  {"P", "R", "S"}, "R"},
                      RemovalCase{"a later tab leaves the active one", {"P", "Q", "R", "S"}, 1, -1, 3,
                                  {"P", "Q", "R"}, "Q"},
                      RemovalCase{"the last active goes to its left", {"P", "Q", "R"}, 2, -1, 2, {"P", "Q"}, "Q"},
                      RemovalCase{"only hidden tabs after it: from the first", {"P", "Q", "R", "S"}, 2, 3, 2,
                                  {"P", "Q", "S"}, "P"}),
    [](const ::testing::TestParamInfo<RemovalCase>& info) { return std::to_string(info.index); });

TEST_F(TabListTest, RemovingTheOnlyTabClearsAndTabIdsStartAgain)
{
    host.AddTabs({"P"});
    host.activeChanges.clear();
    ASSERT_TRUE(host.strip.RemoveTabAt(0));
    EXPECT_EQ(0, host.strip.CountTabs());
    EXPECT_EQ(std::vector<int>{-1}, host.activeChanges);
    host.AddTabs({"Q"});
    EXPECT_EQ(1, host.strip.TabIdAt(0));
    EXPECT_FALSE(host.strip.RemoveTabAt(5));
}

TEST_F(TabListTest, HidingTheActiveTabActivatesTheNextVisibleElseTheOneBefore)
{
    host.AddTabs({"P", "Q", "R"});
    host.strip.ActivateTab(1);
    host.strip.ShowTabAt(1, FALSE);
    EXPECT_EQ(2, host.strip.ActiveTabIndex());
    host.strip.ShowTabAt(2, FALSE);
    EXPECT_EQ(0, host.strip.ActiveTabIndex());
    host.strip.ShowTabAt(0, FALSE);
    EXPECT_EQ(-1, host.strip.ActiveTabIndex());
    EXPECT_EQ(0, host.VisiblePageCount());
    host.strip.ShowTabAt(2, TRUE);
    EXPECT_EQ(2, host.strip.ActiveTabIndex()) << "the first shown again becomes active";
}

TEST_F(TabListTest, BadMovesAndReordersAreRefusedAndTheActiveTabFollowsAGoodOne)
{
    host.AddTabs({"P", "Q", "R"});
    host.strip.ActivateTab(2);
    EXPECT_FALSE(host.strip.MoveTabTo(7, 0));
    EXPECT_FALSE(host.strip.ReorderTabs({0, 1}));
    EXPECT_FALSE(host.strip.ReorderTabs({0, 0, 1}));
    EXPECT_FALSE(host.strip.ReorderTabs({0, 1, 3}));
    EXPECT_EQ(Texts({"P", "Q", "R"}), host.Labels());

    EXPECT_TRUE(host.strip.ReorderTabs({2, 0, 1}));
    EXPECT_EQ(Texts({"R", "P", "Q"}), host.Labels());
    EXPECT_EQ(0, host.strip.ActiveTabIndex());
    EXPECT_TRUE(host.strip.MoveTabTo(0, -1));
    EXPECT_EQ(Texts({"P", "Q", "R"}), host.Labels());
    EXPECT_EQ(2, host.strip.ActiveTabIndex());
}

TEST(TabMoveTest, WithoutAnActiveTabAMoveIsRefused)
{
    CVrxPBaseTabWnd tabs;
    EXPECT_FALSE(tabs.MoveTabTo(0, 1));
}

TEST_F(TabListTest, AutomaticColoursComeFromThePaletteAndStayWithAMovedTab)
{
    host.AddTabs({"P", "Q", "R"});
    host.strip.UseAutoTabColors(TRUE);
    const std::vector<COLORREF> palette = host.strip.AutoColorPalette();
    ASSERT_EQ(VrxPGlobals().bitsPerPixel > 8 ? 8u : 5u, palette.size());
    EXPECT_EQ(palette[1], host.strip.TabColorAt(1));
    host.strip.SetTabColorAt(2, RGB(1, 2, 3));
    host.strip.ActivateTab(0);
    host.strip.MoveTabTo(1, 0);
    EXPECT_EQ(palette[1], host.strip.TabColorAt(0)) << "Q keeps its colour at its new place";
    EXPECT_EQ(RGB(1, 2, 3), host.strip.TabColorAt(2));

    host.strip.AssignAutoColorPalette({RGB(9, 9, 9)});
    EXPECT_EQ(RGB(9, 9, 9), host.strip.TabColorAt(1));
    host.strip.AssignAutoColorPalette({});
    EXPECT_EQ(palette, host.strip.AutoColorPalette());
}

TEST_F(TabListTest, ARefusedActivationLeavesTheActiveTab)
{
    host.AddTabs({"P", "Q"});
    host.refuseIndex = 1;
    EXPECT_FALSE(host.strip.ActivateTab(1));
    EXPECT_EQ(0, host.strip.ActiveTabIndex());
    EXPECT_TRUE(host.strip.TabWindowAt(0)->IsWindowVisible());
}

// A page that takes its own tab away while it is destroyed.
class SelfRemovingPage : public CWnd
{
public:
    explicit SelfRemovingPage(CVrxPBaseTabWnd* pTabs) : m_pTabs(pTabs) {}
    int removals = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DESTROY)
            removals += m_pTabs->RemoveTabAt(m_pTabs->TabIndexFromHwnd(m_hWnd), FALSE);
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    CVrxPBaseTabWnd* m_pTabs;
};

TEST_F(TabListTest, ReleasedTabsLeaveTheListBeforeTheirWindowsGo)
{
    std::vector<std::unique_ptr<SelfRemovingPage>> pages;
    for (const char* label : {"P", "Q", "R"})
    {
        pages.push_back(std::make_unique<SelfRemovingPage>(&host.strip));
        ASSERT_TRUE(pages.back()->CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 5, 5), &host.strip,
                                           200 + static_cast<UINT>(pages.size())));
        host.strip.AppendTab(pages.back().get(), label);
    }
    host.strip.DestroyWindow();
    EXPECT_EQ(0, host.strip.CountTabs());
    for (const auto& page : pages)
    {
        EXPECT_EQ(nullptr, page->GetSafeHwnd());
        EXPECT_EQ(0, page->removals) << "no record was left to remove twice";
    }
}

TEST(TabLayoutTest, TabsThatDoNotFitShareTheStripAndNarrowOnesKeepTheirWidth)
{
    TabTestHost host;
    ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangular, CVrxPBaseTabWnd::locationBottom, CSize(240, 120)));
    host.AddTabs({"A", "A much longer label here", "Another long label there"});
    const CVrxPTabWnd& strip = host.strip;
    const int nShare = strip.StripRect().Width() / 3 - 1;
    const int nShort = strip.TabAt(0)->fullWidth;
    ASSERT_LT(nShort, nShare);
    ASSERT_GT(strip.TabAt(1)->fullWidth, nShare);
    ASSERT_GT(strip.TabAt(2)->fullWidth, nShare);
    EXPECT_EQ(nShort, strip.TabAt(0)->rect.Width()) << "the narrow tab keeps its width";
    const int nShared = nShare + (nShare - nShort) / 2;
    EXPECT_EQ(nShared, strip.TabAt(1)->rect.Width()) << "and gives its room to the others";
    EXPECT_EQ(nShared, strip.TabAt(2)->rect.Width());
    EXPECT_LE(strip.TabAt(2)->rect.right, strip.StripRect().right);
    EXPECT_EQ(strip.StripRect().left, strip.TabAt(0)->rect.left);
    EXPECT_GT(strip.TabAt(1)->rect.left, strip.TabAt(0)->rect.left);
}

struct FrameCase
{
    int style;
    CVrxPBaseTabWnd::Location location;
};

class TabFrameTest : public ::testing::TestWithParam<FrameCase>
{
};

TEST_P(TabFrameTest, TheContentLiesTwoPixelsFromTheStrip)
{
    const FrameCase& c = GetParam();
    TabTestHost host;
    ASSERT_TRUE(host.Open(c.style, c.location));
    host.AddTabs({"P", "Q"});
    const CRect strip = host.strip.StripRect();
    const CRect content = host.strip.ContentRect();
    CRect client;
    host.strip.GetClientRect(&client);
    ASSERT_EQ(host.strip.TabAreaHeight(), strip.Height());
    if (c.location == CVrxPBaseTabWnd::locationTop)
    {
        EXPECT_EQ(client.top, strip.top);
        EXPECT_EQ(strip.bottom + 2, content.top);
        EXPECT_EQ(client.bottom - 3, content.bottom);
    }
    else
    {
        EXPECT_EQ(client.bottom, strip.bottom);
        EXPECT_EQ(strip.top - 2, content.bottom);
        EXPECT_EQ(client.top + 3, content.top);
    }
    CRect page;
    host.strip.ActiveTabWindow()->GetWindowRect(&page);
    host.strip.ScreenToClient(&page);
    EXPECT_EQ(content, page) << "the active window lies on the content";
}

INSTANTIATE_TEST_SUITE_P(NotFlat, TabFrameTest,
                         ::testing::Values(FrameCase{0, CVrxPBaseTabWnd::locationTop},
                                           FrameCase{0, CVrxPBaseTabWnd::locationBottom},
                                           FrameCase{3, CVrxPBaseTabWnd::locationBottom},
                                           FrameCase{5, CVrxPBaseTabWnd::locationTop},
                                           FrameCase{7, CVrxPBaseTabWnd::locationBottom}));

TEST(TabLayoutTest, WithHideSingleTabOneTabFillsTheWindow)
{
    TabTestHost host;
    ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangular, CVrxPBaseTabWnd::locationBottom));
    host.strip.HideSingleTab(TRUE);
    host.AddTabs({"P"});
    EXPECT_EQ(0, host.strip.TabAreaHeight());
    CRect client;
    host.strip.GetClientRect(&client);
    EXPECT_EQ(client, host.strip.ContentRect());
    host.AddTabs({"Q"});
    EXPECT_GT(host.strip.TabAreaHeight(), 0);
}

class TabScrollTest : public ::testing::TestWithParam<int>
{
};

TEST_P(TabScrollTest, NextThenPreviousComesBackExactly)
{
    TabTestHost host;
    ASSERT_TRUE(host.Open(GetParam(), CVrxPBaseTabWnd::locationTop, CSize(220, 120)));
    host.AddTabs({"First tab", "Second tab", "Third tab", "Fourth tab", "Fifth tab", "Sixth tab"});
    ASSERT_GT(host.strip.LargestOffset(), 0) << "the tabs must not fit";
    EXPECT_FALSE(host.strip.PreviousButton().IsWindowEnabled());
    EXPECT_TRUE(host.strip.NextButton().IsWindowEnabled());
    std::vector<int> offsets{host.strip.ScrollOffset()};
    for (int i = 0; i < 3; i++)
    {
        host.strip.ScrollNext();
        offsets.push_back(host.strip.ScrollOffset());
    }
    EXPECT_GT(offsets.back(), 0);
    EXPECT_TRUE(host.strip.PreviousButton().IsWindowEnabled());
    for (int i = 2; i >= 0; i--)
    {
        host.strip.ScrollPrevious();
        EXPECT_EQ(offsets[static_cast<size_t>(i)], host.strip.ScrollOffset()) << "step " << i;
    }
    EXPECT_EQ(0, host.strip.firstShownTab);
}

INSTANTIATE_TEST_SUITE_P(ScrolledStyles, TabScrollTest, ::testing::Values(3, 4, 5, 7));

// Each style at the top and at the bottom, painted into a DIB: the tabs'
// own colours show in the strip on the side asked, and the page area is
// left to the page.
class TabStyleTest : public ::testing::TestWithParam<std::tuple<int, CVrxPBaseTabWnd::Location>>
{
};

TEST_P(TabStyleTest, TheTabsShowTheirColoursInTheStripOnTheirSide)
{
    const int nStyle = std::get<0>(GetParam());
    const CVrxPBaseTabWnd::Location location = std::get<1>(GetParam());
    TabTestHost host;
    ASSERT_TRUE(host.Open(nStyle, location, CSize(300, 120)));
    host.AddTabs({"One", "Two", "Three"});
    const COLORREF activeColor = RGB(10, 200, 30);
    const COLORREF otherColor = RGB(200, 40, 160);
    host.strip.SetTabColorAt(0, activeColor);
    host.strip.SetTabColorAt(1, otherColor);
    host.strip.ArrangeTabs();
    const COLORREF untouched = RGB(1, 2, 3);
    CRect client;
    host.strip.GetClientRect(&client);
    TestCanvas canvas(client.Width(), client.Height(), untouched);
    host.strip.PaintStrip(&canvas.DC());

    const CRect strip = host.strip.StripRect();
    const CRect content = host.strip.ContentRect();
    if (location == CVrxPBaseTabWnd::locationTop)
        EXPECT_LT(strip.bottom, content.top);
    else
        EXPECT_GE(strip.top, content.bottom);
    EXPECT_EQ(content.Width() * content.Height(), canvas.Count(content, untouched)) << "the page area is left alone";
    CRect band = strip;
    band.InflateRect(1, 2);
    const CRect firstTab = host.strip.TabAt(0)->rect;
    const CRect secondTab = host.strip.TabAt(1)->rect;
    // The flat styles draw the active tab in the active background.
    const BOOL bFlat = nStyle == CVrxPTabWnd::TabStyleFlat || nStyle == CVrxPTabWnd::TabStyleFlatSharedScroll;
    EXPECT_GT(canvas.Count(firstTab, bFlat ? VrxPGlobals().colorWindow : activeColor),
              firstTab.Width() * firstTab.Height() / 5)
        << "the active tab is filled";
    EXPECT_GT(canvas.Count(secondTab, otherColor), secondTab.Width() * secondTab.Height() / 5);
    CRect outside = client;
    if (location == CVrxPBaseTabWnd::locationTop)
        outside.top = band.bottom + 1;
    else
        outside.bottom = band.top - 1;
    EXPECT_EQ(0, canvas.Count(outside, otherColor)) << "nothing of an inactive tab beyond the strip";
}

INSTANTIATE_TEST_SUITE_P(EightStyles, TabStyleTest,
                         ::testing::Combine(::testing::Range(0, 8),
                                            ::testing::Values(CVrxPBaseTabWnd::locationTop,
                                                              CVrxPBaseTabWnd::locationBottom)));

// Where the slanted and stepped tabs overlap, the active one is drawn on top
// and takes the point, except in its cut top-left corner.
TEST(TabHitTest, TheActiveOverlappingTabTakesItsRectangleButItsCutCorner)
{
    for (int nStyle : {4, 5, 6, 7})
    {
        SCOPED_TRACE(::testing::Message() << "style " << nStyle);
        TabTestHost host;
        ASSERT_TRUE(host.Open(nStyle, CVrxPBaseTabWnd::locationTop));
        host.AddTabs({"Alpha", "Beta", "Gamma"});
        CVrxPTabWnd& strip = host.strip;
        ASSERT_TRUE(strip.ActivateTab(1));
        const CRect first = strip.TabAt(0)->rect;
        const CRect active = strip.TabAt(1)->rect;
        const int h = active.Height();
        ASSERT_GT(first.right, active.left) << "neighbouring tabs overlap";
        const CPoint corner(active.left + 1, active.top + 1);
        const CPoint overlapBelow(active.left + 1, active.bottom - 1);
        ASSERT_TRUE(first.PtInRect(overlapBelow));
        EXPECT_EQ(0, strip.TabIndexFromPoint(corner)) << "the cut corner shows the tab before";
        EXPECT_EQ(1, strip.TabIndexFromPoint(overlapBelow)) << "the active tab lies over its neighbour";
        EXPECT_EQ(1, strip.TabIndexFromPoint(CPoint(active.left + h, active.top + 1)));
        EXPECT_EQ(0, strip.TabIndexFromPoint(CPoint(first.left + 2, first.bottom - 1)));
        EXPECT_EQ(-1, strip.TabIndexFromPoint(CPoint(strip.StripRect().left - 1, active.top + 1)));

        ASSERT_TRUE(strip.ActivateTab(0));
        EXPECT_EQ(0, strip.TabIndexFromPoint(CPoint(first.left + 1, first.top + 1))) << "the first tab has no tab before";
    }
}

// Seeded random operations on a tab window (add, remove, move, rename,
// activate, show, scroll, list mode, store and restore); the invariants hold
// after every step.
TEST(TabRandomTest, ThousandsOfOperationsKeepTheTabWindowConsistent)
{
    for (int nStyle : {0, 4, 7})
    {
        const unsigned nSeed = 20261211u + static_cast<unsigned>(nStyle);
        SCOPED_TRACE(::testing::Message() << "seed " << nSeed << " style " << nStyle);
        std::mt19937 random(nSeed);
        TabTestHost host;
        ASSERT_TRUE(host.Open(nStyle, nStyle == 4 ? CVrxPBaseTabWnd::locationBottom : CVrxPBaseTabWnd::locationTop,
                              CSize(260, 120)));
        CVrxPTabWnd& strip = host.strip;
        int nLabel = 0;
        auto pick = [&](int nCount) { return nCount > 0 ? static_cast<int>(random() % static_cast<unsigned>(nCount)) : 0; };
        // Stored, shuffled and re-applied, the tabs come back as they were.
        auto roundTrip = [&] {
            const std::vector<BYTE> stored = StoreTabs(strip);
            const std::vector<CString> labels = host.Labels();
            const int nActive = strip.ActiveTabIndex();
            ASSERT_TRUE(LoadTabs(strip, stored));
            ASSERT_EQ(static_cast<size_t>(strip.CountTabs()), strip.SavedTabs().size());
            std::vector<int> order(static_cast<size_t>(strip.CountTabs()));
            for (size_t i = 0; i < order.size(); i++)
                order[i] = static_cast<int>(order.size() - 1 - i);
            if (strip.ActiveTabIndex() >= 0)
            {
                ASSERT_TRUE(strip.ReorderTabs(order));
            }
            strip.ReapplySavedTabs(TRUE);
            EXPECT_EQ(labels, host.Labels());
            EXPECT_EQ(nActive, strip.ActiveTabIndex());
            EXPECT_EQ(stored, StoreTabs(strip));
        };
        for (int nStep = 0; nStep < 1500; nStep++)
        {
            const int nCount = strip.CountTabs();
            switch (random() % 11)
            {
            case 0:
            case 1:
                if (nCount < 12)
                {
                    CString label;
                    label.Format("Tab %d", nLabel++);
                    strip.InsertTabAt(host.MakePage(), label, pick(nCount + 2) - 1);
                }
                break;
            case 2:
                strip.RemoveTabAt(pick(nCount + 1) - (random() % 4 == 0 ? 1 : 0));
                break;
            case 3:
                strip.MoveTabTo(pick(nCount + 1), pick(nCount + 1) - 1);
                break;
            case 4:
            {
                CString label;
                label.Format("Renamed %d", nStep);
                strip.SetTabLabelAt(pick(nCount), random() % 5 == 0 ? "" : static_cast<LPCTSTR>(label));
                break;
            }
            case 5:
                strip.ActivateTab(pick(nCount + 1));
                break;
            case 6:
                strip.ShowTabAt(pick(nCount), random() % 2 == 0);
                break;
            case 7:
                if (random() % 2 == 0)
                    strip.ScrollNext();
                else
                    strip.ScrollPrevious();
                break;
            case 8:
                strip.UseTabListButton(!strip.IsListMode());
                break;
            case 9:
                roundTrip();
                ASSERT_FALSE(HasFailure()) << "step " << nStep;
                break;
            default:
                strip.EnsureTabVisible(strip.ActiveTabIndex());
                break;
            }

            const int nActive = strip.ActiveTabIndex();
            const int nVisible = strip.CountVisibleTabs();
            ASSERT_TRUE(nActive >= -1 && nActive < strip.CountTabs()) << "step " << nStep;
            ASSERT_EQ(nVisible > 0, nActive >= 0) << "step " << nStep;
            if (nActive >= 0)
            {
                ASSERT_TRUE(strip.IsTabVisibleAt(nActive)) << "step " << nStep;
            }
            ASSERT_EQ(nActive >= 0 ? 1 : 0, host.VisiblePageCount()) << "step " << nStep;
            std::set<int> ids;
            for (const auto& tab : strip.tabs)
            {
                ASSERT_TRUE(ids.insert(tab.id).second) << "step " << nStep;
                ASSERT_FALSE(tab.label.IsEmpty()) << "step " << nStep;
                ASSERT_NE(nullptr, tab.window->GetSafeHwnd()) << "step " << nStep;
            }
            ASSERT_GE(strip.ScrollOffset(), 0) << "step " << nStep;
            if (strip.IsListMode())
            {
                for (const auto& tab : strip.tabs)
                    ASSERT_TRUE(tab.rect.IsRectEmpty() || tab.rect.right <= strip.StripRect().right)
                        << "step " << nStep << ": a listed tab passes the strip's edge";
            }
            if (nStyle <= CVrxPTabWnd::TabStyleRectangularScrolled)
            {
                ASSERT_LE(strip.ScrollOffset(), strip.LargestOffset()) << "step " << nStep;
            }
        }

        roundTrip();
    }
}

class TabInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangularScrolled, CVrxPBaseTabWnd::locationTop,
                              CSize(400, 200), TRUE));
        host.AddTabs({"Alpha", "Beta", "Gamma"});
        host.SetForegroundWindow();
        PumpMessages(100);
    }
    void TearDown() override { PlayInput({MoveTo(CPoint(5, 5))}); }
    CPoint OnTab(int nIndex)
    {
        CPoint point = host.strip.TabAt(nIndex)->rect.CenterPoint();
        host.strip.ClientToScreen(&point);
        return point;
    }

    TabTestHost host;
};

TEST_F(TabInputTest, AClickOnATabActivatesItAndCtrlPageKeysWalkTheTabsAround)
{
    PlayInput({MoveTo(OnTab(2)), PressAt(OnTab(2)), ReleaseAt(OnTab(2))});
    EXPECT_EQ(2, host.strip.ActiveTabIndex());
    EXPECT_TRUE(host.strip.TabWindowAt(2)->IsWindowVisible());
    EXPECT_FALSE(host.strip.TabWindowAt(0)->IsWindowVisible());

    host.strip.ActiveTabWindow()->SetFocus();
    PlayInput({KeyDown(VK_CONTROL), KeyDown(VK_NEXT), KeyUp(VK_NEXT), KeyUp(VK_CONTROL)});
    EXPECT_EQ(0, host.strip.ActiveTabIndex()) << "from the last to the first";
    PlayInput({KeyDown(VK_CONTROL), KeyDown(VK_PRIOR), KeyUp(VK_PRIOR), KeyUp(VK_CONTROL)});
    EXPECT_EQ(2, host.strip.ActiveTabIndex()) << "and back";
}

TEST_F(TabInputTest, TheCloseButtonClosesTheActiveTabsWindow)
{
    host.strip.ActivateTab(1);
    CRect rect;
    host.strip.CloseButton().GetWindowRect(&rect);
    ASSERT_FALSE(rect.IsRectEmpty());
    const HWND hClosed = host.strip.TabWindowAt(1)->GetSafeHwnd();
    PlayInput({MoveTo(rect.CenterPoint()), PressAt(rect.CenterPoint()), ReleaseAt(rect.CenterPoint())});
    EXPECT_FALSE(::IsWindow(hClosed)) << "a plain window closes by being destroyed";
}

// The tab under the mouse is highlighted where the look asks for it: the
// 2003 look for slanted tabs, no look for rectangular ones.
TEST(TabHighlightTest, TheMouseHighlightsSlantedTabsWhereTheLookTracksThem)
{
    struct Case
    {
        CRuntimeClass* look;
        int style;
        bool tracked;
    } cases[] = {{RUNTIME_CLASS(CVrxPVisualManager2003), CVrxPTabWnd::TabStyleSlanted, true},
                 {RUNTIME_CLASS(CVrxPVisualManager), CVrxPTabWnd::TabStyleSlanted, false},
                 {RUNTIME_CLASS(CVrxPVisualManager2003), CVrxPTabWnd::TabStyleRectangular, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.look->m_lpszClassName << " style " << c.style);
        CVrxPVisualManager::SelectClass(c.look);
        TabTestHost host;
        ASSERT_TRUE(host.Open(c.style, CVrxPBaseTabWnd::locationTop));
        host.AddTabs({"Alpha", "Beta", "Gamma"});
        host.SetForegroundWindow();
        PumpMessages(100);
        auto onTab = [&host](int nIndex) {
            CPoint point = host.strip.TabAt(nIndex)->rect.CenterPoint();
            host.strip.ClientToScreen(&point);
            return point;
        };
        int nOverBeta = -2;
        PlayInput({MoveTo(onTab(1)), MoveTo(onTab(1) + CPoint(1, 0)), Observe([&] { nOverBeta = host.strip.highlightedTab; })});
        EXPECT_EQ(c.tracked ? 1 : -1, nOverBeta);
        CRect rectHost;
        host.GetWindowRect(&rectHost);
        PlayInput({MoveTo(CPoint(rectHost.right + 40, rectHost.bottom + 40)), Wait(), Wait()});
        EXPECT_EQ(-1, host.strip.highlightedTab) << "the mouse left";
    }
    CVrxPVisualManager::SelectClass(nullptr);
}

// Eight tabs in a 400-pixel strip: the later ones leave the strip, and the
// list button offers them all, ordered by their labels.
class TabListButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangularScrolled, CVrxPBaseTabWnd::locationTop));
        host.AddTabs({"delta", "Bravo & Co", "alpha", "Charlie", "echo", "Foxtrot", "golf hotel", "India"});
        host.strip.UseTabListButton(TRUE);
        host.SetForegroundWindow();
        PumpMessages(100);
    }
    void TearDown() override { PlayInput({MoveTo(CPoint(5, 5))}); }
    static std::vector<std::pair<CString, int>> Items(HMENU hMenu)
    {
        std::vector<std::pair<CString, int>> items;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
        {
            char szText[64] = {};
            ::GetMenuStringA(hMenu, static_cast<UINT>(i), szText, sizeof(szText), MF_BYPOSITION);
            items.emplace_back(szText, static_cast<int>(::GetMenuItemID(hMenu, i)));
        }
        return items;
    }

    // Library popups run their loops on the application's thread.
    CWinApp app{"korvo tab list test"};
    CVrxPContextMenuManager manager;
    TabTestHost host;
};

TEST_F(TabListButtonTest, TabsThatDoNotFitLeaveTheStripAndTheListButtonTakesThePreviousButtonsPlace)
{
    CVrxPTabWnd& strip = host.strip;
    ASSERT_TRUE(strip.IsListMode());
    EXPECT_TRUE(strip.TabsHiddenInListMode());
    EXPECT_FALSE(strip.TabAt(0)->rect.IsRectEmpty());
    EXPECT_TRUE(strip.TabAt(7)->rect.IsRectEmpty());
    for (int i = 0; i < strip.CountTabs(); i++)
        EXPECT_TRUE(strip.TabAt(i)->rect.IsRectEmpty() || strip.TabAt(i)->rect.right <= strip.StripRect().right)
            << "tab " << i << " passes the strip's edge";
    CRect rectPrevious;
    strip.PreviousButton().GetWindowRect(&rectPrevious);
    EXPECT_TRUE(rectPrevious.IsRectEmpty()) << "no scrolling in list mode";
    EXPECT_TRUE(strip.NextButton().IsWindowEnabled());
    EXPECT_EQ(0, strip.ScrollOffset());

    const HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    host.pages[7]->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    strip.SetTabLabelAt(4, "R&&D");
    const HMENU hMenu = strip.MakeTabListMenu();
    EXPECT_EQ((std::vector<std::pair<CString, int>>{{"alpha", -102},
                                                    {"Bravo && Co", -101},
                                                    {"Charlie", -103},
                                                    {"delta", -100},
                                                    {"Foxtrot", -105},
                                                    {"golf hotel", -106},
                                                    {"India", -107},
                                                    {"R&&D", -104}}),
              Items(hMenu));
    EXPECT_EQ(hIcon, CVrxPTabWnd::LookupTabMenuIcon(static_cast<UINT>(-107)));
    EXPECT_EQ(nullptr, CVrxPTabWnd::LookupTabMenuIcon(static_cast<UINT>(-99)));
    ::DestroyMenu(hMenu);

    strip.ShowTabAt(1, FALSE);
    const HMENU hWithoutHidden = strip.MakeTabListMenu();
    EXPECT_EQ(7, ::GetMenuItemCount(hWithoutHidden)) << "a hidden tab is not listed";
    ::DestroyMenu(hWithoutHidden);
}

TEST_F(TabListButtonTest, AChoiceFromTheListActivatesItsTabAndBringsAnUnseenOneToTheFront)
{
    CVrxPTabWnd& strip = host.strip;
    CRect rectButton;
    strip.NextButton().GetWindowRect(&rectButton);
    ASSERT_FALSE(rectButton.IsRectEmpty());
    const CPoint button = rectButton.CenterPoint();

    // The list in label order: alpha, Bravo & Co, Charlie, delta, echo,
    // Foxtrot, golf hotel, India.
    const HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    host.pages[7]->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    CVrxPPopupMenu* pOpen = nullptr;
    HICON hIconWhileOpen = NULL;
    const auto observe = [&] {
        pOpen = CVrxPPopupMenu::ActivePopup();
        hIconWhileOpen = CVrxPTabWnd::LookupTabMenuIcon(static_cast<UINT>(-107));
    };
    std::vector<InputStep> pickLast = {MoveTo(button), PressAt(button), ReleaseAt(button), Wait(), Wait(),
                                       Observe(observe)};
    for (int i = 0; i < 8; i++)
    {
        pickLast.push_back(KeyDown(VK_DOWN));
        pickLast.push_back(KeyUp(VK_DOWN));
    }
    pickLast.insert(pickLast.end(), {KeyDown(VK_RETURN), KeyUp(VK_RETURN), Wait(), Wait()});
    PlayInput(pickLast);
    EXPECT_NE(nullptr, pOpen) << "the list is a library popup";
    EXPECT_EQ(hIcon, hIconWhileOpen);
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    EXPECT_EQ((std::vector<CString>{"India", "delta", "Bravo & Co", "alpha", "Charlie", "echo", "Foxtrot",
                                    "golf hotel"}),
              host.Labels());
    EXPECT_EQ(0, strip.ActiveTabIndex());
    EXPECT_EQ(host.pages[7].get(), strip.ActiveTabWindow());
    EXPECT_TRUE(host.pages[7]->IsWindowVisible());
    EXPECT_FALSE(strip.TabAt(0)->rect.IsRectEmpty()) << "the chosen tab shows in the strip";
    EXPECT_EQ(nullptr, CVrxPTabWnd::LookupTabMenuIcon(static_cast<UINT>(-107))) << "the icons go with the menu";

    // A tab already in the strip stays where it is; Escape changes nothing.
    PlayInput({PressAt(button), ReleaseAt(button), Wait(), Wait(), KeyDown(VK_DOWN), KeyUp(VK_DOWN), KeyDown(VK_DOWN),
               KeyUp(VK_DOWN), KeyDown(VK_RETURN), KeyUp(VK_RETURN), Wait(), Wait()});
    EXPECT_EQ(2, strip.ActiveTabIndex()) << "Bravo & Co, second in the list";
    EXPECT_EQ("Bravo & Co", host.Labels()[2]);
    PlayInput({PressAt(button), ReleaseAt(button), Wait(), Wait(), KeyDown(VK_DOWN), KeyUp(VK_DOWN),
               KeyDown(VK_ESCAPE), KeyUp(VK_ESCAPE), Wait(), Wait()});
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    EXPECT_EQ(2, strip.ActiveTabIndex());
}
} // namespace
