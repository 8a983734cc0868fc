// Docking panes joined as tabs by dropping one on another's caption, and
// torn out of the group again by dragging their tab, with real mouse input.

#include "docking/CVrxPDockStateRecord.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingTestBars.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "foundation/VrxPLibrary.h"
#include "panes/CVrxPTabWnd.h"
#include "panes/CVrxPTabbedControlBar.h"
#include "tests/RealInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const int kThickness = CVrxPSlider::defaultThickness;

class PaneTabbingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPStartLibrary();
        ASSERT_TRUE(frame.CreateWithClient(600, 400));
        frame.SetForegroundWindow();
        ASSERT_TRUE(alpha.Create("Alpha", &frame, CSize(120, 120), TRUE, 201, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                                 0x20, 0xF));
        ASSERT_TRUE(beta.Create("Beta", &frame, CSize(150, 150), TRUE, 202, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT,
                                0x20, 0xF));
        for (CVrxPDockingControlBar* pPane : {&alpha, &beta})
        {
            pPane->EnableDocking(CBRS_ALIGN_ANY);
            ASSERT_TRUE(frame.PlaceBarDocked(pPane));
        }
    }
    void TearDown() override { frame.DestroyWindow(); }

    CPoint ClientPoint(int x, int y) const
    {
        CPoint point(x, y);
        frame.ClientToScreen(&point);
        return point;
    }
    static CPoint OnCaption(const CWnd& pane)
    {
        CRect rect;
        pane.GetWindowRect(&rect);
        return CPoint(rect.left + 30, rect.top + 6);
    }
    static void Drag(CPoint from, CPoint to)
    {
        const CPoint middle((from.x + to.x) / 2, (from.y + to.y) / 2);
        PlayInput({MoveTo(from), PressAt(from), MoveTo(from + CSize(10, 10)), MoveTo(middle), MoveTo(to), Wait(),
                   ReleaseAt(to), Wait()});
        PumpMessages(200);
    }

    DockingTestFrame frame;
    CVrxPDockingControlBar alpha;
    CVrxPDockingControlBar beta;
};

// Beta dropped on Alpha's caption: a tabbed pane takes Alpha's place at the
// bottom with both as tabs, Beta's side is free, the tabs hide their
// captions. Beta's tab dragged up out of the strip floats Beta with its
// caption again; Alpha stays the group's only tab.
TEST_F(PaneTabbingTest, ACaptionDropJoinsTabsAndATabDraggedOutLeaves)
{
    Drag(OnCaption(beta), OnCaption(alpha));

    CVrxPBaseTabbedBar* pGroup = alpha.GetTabbedBar();
    ASSERT_NE(nullptr, pGroup);
    EXPECT_EQ(pGroup, beta.GetTabbedBar());
    EXPECT_EQ(2, pGroup->GetTabCount());
    EXPECT_EQ(&alpha, pGroup->GetTabBar(0));
    EXPECT_EQ(&beta, pGroup->GetTabBar(1));
    EXPECT_FALSE(alpha.IsCaptionShown());
    EXPECT_FALSE(beta.IsCaptionShown());
    EXPECT_EQ(nullptr, beta.GetDefaultSlider());
    EXPECT_EQ(RectInClient(pGroup->GetSafeHwnd(), frame), CRect(0, 280, 600, 400));
    ASSERT_NE(nullptr, pGroup->GetDefaultSlider());
    EXPECT_EQ(CRect(0, 280 - kThickness, 600, 280), RectInClient(pGroup->GetDefaultSlider()->GetSafeHwnd(), frame));
    EXPECT_EQ(CRect(0, 0, 600, 280 - kThickness), RectInClient(frame.m_hWndMDIClient, frame));
    CVrxPTabWnd* pTabs = dynamic_cast<CVrxPTabWnd*>(pGroup->GetTabWindow());
    ASSERT_NE(nullptr, pTabs);
    EXPECT_EQ(1, pTabs->ActiveTabIndex()) << "the joined pane shows";
    CString label;
    pTabs->TabLabelAt(1, label);
    EXPECT_EQ(CString("Beta"), label);
    CString caption;
    pGroup->GetWindowText(caption);
    EXPECT_EQ(CString("Beta"), caption) << "the group's caption names the tab it shows";

    CRect rectTab;
    ASSERT_TRUE(pTabs->TabRectAt(1, rectTab));
    pTabs->ClientToScreen(&rectTab);
    Drag(rectTab.CenterPoint(), ClientPoint(300, 100));

    EXPECT_TRUE(beta.IsFloating());
    EXPECT_TRUE(beta.IsCaptionShown());
    EXPECT_EQ(nullptr, beta.GetTabbedBar());
    EXPECT_EQ(1, pGroup->GetTabCount());
    EXPECT_EQ(pGroup, alpha.GetTabbedBar());
    pGroup->GetWindowText(caption);
    EXPECT_EQ(CString("Alpha"), caption) << "the caption follows the tab left showing";
}

// The frame's docking stream names a group made at run time by -1 and its
// first tab's pane, in the dock list and in its slider's pane list; the
// stream is one the reader takes whole.
TEST_F(PaneTabbingTest, TheDockingStreamNamesAGroupByItsFirstTab)
{
    Drag(OnCaption(beta), OnCaption(alpha));
    ASSERT_NE(nullptr, alpha.GetTabbedBar());
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        frame.GetBarManager().Serialize(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    CVrxPDockStateRecord record;
    ASSERT_TRUE(record.Read(bytes.data(), bytes.size(), TRUE));
    int nGroupEntries = 0;
    int nSlidersNamingTheGroup = 0;
    for (const CVrxPDockStateRecord::DockEntry& entry : record.dockList)
    {
        if (entry.kind == CVrxPDockStateRecord::kindPane && entry.pane.id == CVrxPDockStateRecord::tabbedPaneId)
        {
            nGroupEntries++;
            EXPECT_EQ(201, entry.pane.firstTabId) << "Alpha is the group's first tab";
        }
        if (entry.kind != CVrxPDockStateRecord::kindSlider || !entry.slider.manager)
            continue;
        for (const CVrxPDockStateRecord::PaneEntry& pane : entry.slider.manager->panes)
            if (pane.id == CVrxPDockStateRecord::tabbedPaneId && pane.firstTabId == 201)
                nSlidersNamingTheGroup++;
    }
    EXPECT_EQ(1, nGroupEntries);
    EXPECT_EQ(1, nSlidersNamingTheGroup);
    EXPECT_EQ(bytes, record.Write());
}

// A pane dropped on its own group's caption changes nothing.
TEST_F(PaneTabbingTest, ATabGroupDroppedOnItsOwnTabStaysWhole)
{
    Drag(OnCaption(beta), OnCaption(alpha));
    CVrxPBaseTabbedBar* pGroup = alpha.GetTabbedBar();
    ASSERT_NE(nullptr, pGroup);
    EXPECT_EQ(nullptr, beta.JoinIntoTabs(&alpha, TRUE)) << "already a tab of that group";
    EXPECT_EQ(2, pGroup->GetTabCount());
}
} // namespace
