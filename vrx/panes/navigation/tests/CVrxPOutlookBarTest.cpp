#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPRegistry.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPLibrary.h"
#include "panes/navigation/CVrxPOutlookBar.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "panes/navigation/CVrxPOutlookCustomPages.h"
#include "panes/navigation/CVrxPOutlookWnd.h"
#include "tests/RealInput.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "foundation/CVrxPToolbarImageList.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

// A plain window holding a page window of a known size, with no outlook
// bar around it: the classic look.
class ClassicHost : public CWnd
{
public:
    BOOL Open(CSize client)
    {
        CRect rect(0, 0, client.cx, client.cy);
        ::AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
        rect.OffsetRect(40 - rect.left, 40 - rect.top);
        if (!CreateEx(0, "#32770", "classic", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                      rect, nullptr, 0) ||
            !pages.Create(CRect(0, 0, client.cx, client.cy), this, CVrxPOutlookBar::pageWindowId))
            return FALSE;
        SetForegroundWindow();
        PumpMessages(100);
        return TRUE;
    }
    void AddPages(std::initializer_list<const char*> labels)
    {
        for (const char* label : labels)
        {
            windows.push_back(std::make_unique<CWnd>());
            windows.back()->CreateEx(0, "STATIC", label, WS_CHILD, CRect(0, 0, 10, 10), &pages,
                                     200 + static_cast<UINT>(windows.size()));
            pages.AppendTab(windows.back().get(), label);
        }
        pages.ArrangeTabs();
    }

    CVrxPOutlookWnd pages;
    std::vector<std::unique_ptr<CWnd>> windows;
};

CRect WindowRectIn(CWnd& window, CWnd& parent)
{
    CRect rect;
    window.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

TEST(CVrxPOutlookWnd, ClassicLookStacksButtonsAroundTheActivePage)
{
    VrxPStartLibrary();
    ClassicHost host;
    ASSERT_TRUE(host.Open(CSize(200, 300)));
    host.AddPages({"Mail", "Calendar", "Contacts", "Notes"});
    CVrxPOutlookWnd& pages = host.pages;
    const int H = pages.TabAreaHeight();
    ASSERT_GT(H, 0);
    ASSERT_EQ(0, pages.ActiveTabIndex());

    struct Case
    {
        int active;
        // The buttons' tops; the page's top and bottom.
        std::vector<int> tops;
        int pageTop;
        int pageBottom;
    };
    // The client area less the one-pixel frame: (1, 1)-(199, 299).
    const Case cases[] = {
        {0, {1, 299 - 3 * H + 1, 299 - 2 * H + 1, 299 - H + 1}, 1 + H, 299 - 3 * H},
        {2, {1, 1 + H, 1 + 2 * H, 299 - H + 1}, 1 + 3 * H, 299 - H},
        {3, {1, 1 + H, 1 + 2 * H, 1 + 3 * H}, 1 + 4 * H, 299},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(pages.ActivateTab(c.active));
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(CRect(1, c.tops[static_cast<size_t>(i)], 200, c.tops[static_cast<size_t>(i)] + H),
                      pages.TabAt(i)->rect)
                << "active " << c.active << ", button " << i;
        EXPECT_EQ(CRect(1, c.pageTop, 199, c.pageBottom), pages.pageRect) << "active " << c.active;
        EXPECT_EQ(pages.pageRect, WindowRectIn(*pages.ActiveTabWindow(), pages)) << "active " << c.active;
        EXPECT_TRUE(pages.captionRect.IsRectEmpty());
        EXPECT_TRUE(pages.splitterRect.IsRectEmpty());
    }

    // A hidden page takes no room; the one after it moves up.
    ASSERT_TRUE(pages.ActivateTab(0));
    pages.ShowTabAt(1, FALSE);
    pages.ArrangeTabs();
    EXPECT_TRUE(pages.TabAt(1)->rect.IsRectEmpty());
    EXPECT_EQ(299 - 2 * H + 1, pages.TabAt(2)->rect.top);
    EXPECT_EQ(TRUE, pages.ActivateTab(0)) << "the active page again changes nothing";
    EXPECT_FALSE(pages.ActivateTab(4));
    EXPECT_FALSE(pages.ActivateTab(-1));
    host.DestroyWindow();
}

TEST(CVrxPOutlookWnd, ASingleHiddenTabFillsTheClientAreaAndNoPagesHideTheWindow)
{
    VrxPStartLibrary();
    ClassicHost host;
    ASSERT_TRUE(host.Open(CSize(160, 200)));
    host.pages.HideSingleTab(TRUE);
    host.AddPages({"Only"});
    EXPECT_TRUE(host.pages.TabAt(0)->rect.IsRectEmpty());
    EXPECT_EQ(CRect(1, 1, 159, 199), host.pages.pageRect);
    host.pages.ShowTabAt(0, FALSE);
    host.pages.ArrangeTabs();
    EXPECT_FALSE(host.pages.IsWindowVisible()) << "the classic look hides a window without pages";
    host.DestroyWindow();
}

TEST(CVrxPOutlookWnd, ClickingAPageButtonSwitchesOnRelease)
{
    VrxPStartLibrary();
    ClassicHost host;
    ASSERT_TRUE(host.Open(CSize(200, 300)));
    host.AddPages({"Mail", "Calendar", "Contacts"});
    host.UpdateWindow();
    CVrxPOutlookWnd& pages = host.pages;
    CPoint second = pages.TabAt(2)->rect.CenterPoint();
    pages.ClientToScreen(&second);
    CPoint away = pages.pageRect.CenterPoint();
    pages.ClientToScreen(&away);
    // Pressed on one button and released off it: nothing changes.
    PlayInput({MoveTo(second), PressAt(second), MoveTo(away), ReleaseAt(away)});
    EXPECT_EQ(0, pages.ActiveTabIndex());
    PlayInput({MoveTo(second), PressAt(second), ReleaseAt(second)});
    EXPECT_EQ(2, pages.ActiveTabIndex());
    EXPECT_TRUE(host.windows[2]->IsWindowVisible());
    EXPECT_FALSE(host.windows[0]->IsWindowVisible());
    host.DestroyWindow();
}

class OutlookBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPStartLibrary();
        ASSERT_TRUE(frame.Create(nullptr, "outlook", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 620)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(OpenBar(bar));
    }
    void TearDown() override { frame.DestroyWindow(); }
    BOOL OpenBar(CVrxPOutlookBar& outlook)
    {
        return outlook.Create("Shortcuts", &frame, CSize(180, 180), 100,
                              WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 15) &&
               frame.PlaceBarDocked(&outlook) && outlook.PageWindow() != nullptr;
    }
    void AddPages(std::initializer_list<const char*> labels)
    {
        for (const char* label : labels)
        {
            windows.push_back(std::make_unique<CWnd>());
            ASSERT_TRUE(windows.back()->CreateEx(0, "STATIC", label, WS_CHILD, CRect(0, 0, 10, 10), &frame,
                                                 300 + static_cast<UINT>(windows.size())));
            bar.AddPage(windows.back().get(), label);
        }
    }
    CRect Inner() const
    {
        CRect rect;
        bar.PageWindow()->GetClientRect(&rect);
        rect.DeflateRect(1, 1);
        return rect;
    }

    OwnedFrame frame;
    CVrxPOutlookBar bar;
    std::vector<std::unique_ptr<CWnd>> windows;
};

TEST_F(OutlookBarTest, The2003LookHasACaptionASplitterAndABottomStack)
{
    bar.Mode2003 = TRUE;
    AddPages({"Mail", "Calendar", "Contacts", "Notes"});
    CVrxPOutlookWnd& pages = *bar.PageWindow();
    pages.ArrangeTabs();
    const int H = pages.TabAreaHeight();
    const int T = pages.IconRowHeight();
    const CRect R = Inner();
    ASSERT_GT(R.Height(), 4 * H + T + 2 * H) << "the bar is tall enough for every button";
    EXPECT_EQ(std::min((R.Height() - H - T) / (2 * H), 4), pages.MaxShownButtons());
    EXPECT_EQ(4, pages.ShownButtons()) << "-1 becomes every visible page";
    EXPECT_EQ(CRect(R.left, R.top + 3, R.right, R.top + 8 + VrxPGlobals().textHeight), pages.captionRect);
    const int nStackTop = R.bottom - 4 * H - T;
    EXPECT_EQ(CRect(R.left, nStackTop - 8, R.right, nStackTop), pages.splitterRect);
    EXPECT_EQ(CRect(R.left, pages.captionRect.bottom, R.right, nStackTop - 8), pages.pageRect);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(CRect(R.left, nStackTop + i * H, R.right + 1, nStackTop + (i + 1) * H), pages.TabAt(i)->rect);
    EXPECT_EQ(CRect(R.left, R.bottom - T, R.right, R.bottom), pages.iconRowRect);

    // Fewer buttons: the rest leave the stack, the splitter moves down.
    pages.ShrinkButtonStack();
    pages.ShrinkButtonStack();
    EXPECT_EQ(2, pages.ShownButtons());
    EXPECT_EQ(R.bottom - 2 * H - T, pages.splitterRect.bottom);
    EXPECT_TRUE(pages.TabAt(2)->rect.IsRectEmpty());
    EXPECT_TRUE(pages.TabAt(3)->rect.IsRectEmpty());
    EXPECT_TRUE(pages.CanGrowButtonStack());
    pages.SetShownButtons(0);
    pages.ArrangeTabs();
    EXPECT_FALSE(pages.CanShrinkButtonStack()) << "no fewer than none";
    pages.SetShownButtons(9);
    pages.ArrangeTabs();
    EXPECT_EQ(4, pages.ShownButtons()) << "more than the visible pages is clamped";
    EXPECT_FALSE(pages.CanGrowButtonStack());
    EXPECT_FALSE(pages.IsTabDetachable(0));
}

TEST_F(OutlookBarTest, DraggingTheSplitterShowsMoreAndFewerButtons)
{
    bar.Mode2003 = TRUE;
    AddPages({"Mail", "Calendar", "Contacts", "Notes", "Tasks"});
    CVrxPOutlookWnd& pages = *bar.PageWindow();
    pages.SetShownButtons(1);
    pages.ArrangeTabs();
    frame.UpdateWindow();
    const int H = pages.TabAreaHeight();
    ASSERT_GE(pages.MaxShownButtons(), 3);

    CPoint grip = pages.splitterRect.CenterPoint();
    pages.ClientToScreen(&grip);
    // Up by two and a half buttons: two more.
    const CPoint up(grip.x, grip.y - (5 * H) / 2);
    PlayInput({MoveTo(grip), PressAt(grip), MoveTo(CPoint(grip.x, grip.y - H / 2)), MoveTo(up), ReleaseAt(up)});
    EXPECT_EQ(3, pages.ShownButtons());
    EXPECT_EQ(Inner().bottom - 3 * H - pages.IconRowHeight(), pages.splitterRect.bottom);

    // Far below the bottom: never fewer than none.
    grip = pages.splitterRect.CenterPoint();
    pages.ClientToScreen(&grip);
    CRect rectScreen;
    pages.GetWindowRect(&rectScreen);
    const CPoint below(grip.x, rectScreen.bottom + 5 * H);
    PlayInput({MoveTo(grip), PressAt(grip), MoveTo(below), ReleaseAt(below)});
    EXPECT_EQ(0, pages.ShownButtons());
    EXPECT_EQ(nullptr, CWnd::GetCapture()) << "the release ends the drag";
}

TEST_F(OutlookBarTest, The2003CaptionFollowsTheActivePageAfterAClick)
{
    bar.Mode2003 = TRUE;
    AddPages({"Mail", "Calendar", "Contacts"});
    CVrxPOutlookWnd& pages = *bar.PageWindow();
    frame.UpdateWindow();
    CPoint third = pages.TabAt(2)->rect.CenterPoint();
    pages.ClientToScreen(&third);
    PlayInput({MoveTo(third), PressAt(third), ReleaseAt(third)});
    EXPECT_EQ(2, pages.ActiveTabIndex());
    CString caption;
    bar.GetWindowText(caption);
    EXPECT_EQ(CString("Contacts"), caption);
}

class OutlookRegistryTest : public OutlookBarTest
{
protected:
    static constexpr const char profile[] = "OutlookBarTest";
    void SetUp() override
    {
        OutlookBarTest::SetUp();
        CVrxPRegistryHolder holder;
        holder.Open(FALSE, FALSE).RemoveKey(VrxPBuildRegistryPath(CVrxPOutlookBar::registrySection, profile), FALSE);
    }
    std::vector<BYTE> StoredValue(int nBarId)
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        BYTE* pData = nullptr;
        UINT nSize = 0;
        const CString key = CVrxPOutlookCustomPages::KeyName(
            VrxPBuildRegistryPath(CVrxPOutlookBar::registrySection, profile), nBarId);
        if (!registry.OpenKey(key) || !registry.ReadBinary(CVrxPOutlookCustomPages::valueName, pData, nSize))
            return {};
        std::unique_ptr<BYTE[]> data(pData);
        return std::vector<BYTE>(pData, pData + nSize);
    }
};

TEST_F(OutlookRegistryTest, CustomPagesComeBackWithTheirIdsAndCaptions)
{
    AddPages({"Mail"});
    CVrxPOutlookBarPane* pPage = bar.AddCustomPage(5, "Shortcuts");
    ASSERT_NE(nullptr, pPage);
    ASSERT_NE(nullptr, bar.AddCustomPage(6, "Other"));
    ASSERT_TRUE(bar.StoreToRegistry(profile, 100, -1));
    // Two pages, 5 "Shortcuts" and 6 "Other", then the shown-button count.
    const std::vector<BYTE> expected = {2, 0, 0, 0, 5, 0, 0, 0, 9, 'S', 'h', 'o', 'r', 't', 'c', 'u', 't', 's',
                                        6, 0, 0, 0, 5, 'O', 't', 'h', 'e', 'r', 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(expected, StoredValue(100));

    CVrxPOutlookBar restored;
    ASSERT_TRUE(OpenBar(restored));
    ASSERT_TRUE(restored.RestoreFromRegistry(profile, 100, -1));
    ASSERT_EQ(2u, restored.CustomPages().size());
    EXPECT_EQ(5, restored.CustomPages()[0]->GetDlgCtrlID());
    EXPECT_EQ(6, restored.CustomPages()[1]->GetDlgCtrlID());
    CString label;
    ASSERT_TRUE(restored.PageWindow()->TabLabelAt(1, label));
    EXPECT_EQ(CString("Other"), label);
    EXPECT_TRUE(restored.PageWindow()->TabAt(0)->detachable);
    // Stored again, the same bytes: the caption is kept as the page's text.
    ASSERT_TRUE(restored.StoreToRegistry(profile, 101, -1));
    EXPECT_EQ(expected, StoredValue(101));
    restored.DestroyWindow();
}

TEST_F(OutlookRegistryTest, ADamagedValueIsRefusedWithNothingChanged)
{
    AddPages({"Mail"});
    const std::vector<std::vector<BYTE>> damaged = {
        {},
        {2, 0, 0, 0, 5, 0, 0, 0, 9, 'S', 'h'},
        {0xFF, 0xFF, 0xFF, 0xFF},
        {1, 0, 0, 0, 5, 0},
    };
    const CString key =
        CVrxPOutlookCustomPages::KeyName(VrxPBuildRegistryPath(CVrxPOutlookBar::registrySection, profile), 100);
    for (const std::vector<BYTE>& bytes : damaged)
    {
        {
            CVrxPRegistryHolder holder;
            CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
            ASSERT_TRUE(registry.MakeKey(key));
            ASSERT_TRUE(registry.WriteBinary(CVrxPOutlookCustomPages::valueName, bytes.data(),
                                             static_cast<UINT>(bytes.size())));
        }
        EXPECT_FALSE(bar.RestoreFromRegistry(profile, 100, -1)) << bytes.size() << " bytes";
        EXPECT_TRUE(bar.CustomPages().empty());
        EXPECT_EQ(1, bar.PageWindow()->CountTabs());
    }
}

TEST(CVrxPOutlookBarPane, ButtonsStackCentredAndScrollByWholeButtons)
{
    VrxPStartLibrary();
    ClassicHost host;
    ASSERT_TRUE(host.Open(CSize(120, 150)));
    host.pages.HideSingleTab(TRUE);
    CVrxPOutlookBarPane pane;
    ASSERT_TRUE(pane.Create(&host.pages, CVrxPOutlookBar::customPageStyle, 5, 0));
    host.pages.AppendTab(&pane, "Shortcuts");
    host.pages.ArrangeTabs();
    pane.SetWindowPos(nullptr, 0, 0, 120, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    const char* labels[] = {"Inbox", "Calendar", "Contacts", "Tasks", "Notes", "Deleted items"};
    for (int i = 0; i < 6; i++)
        ASSERT_TRUE(pane.AddButton(hIcon, labels[i], 500 + static_cast<UINT>(i)));
    CRect client;
    pane.GetClientRect(&client);
    const CSize image = CVrxPOutlookBarPane::PaneImages()->GetImageSize();
    ASSERT_GT(image.cx, 0);
    for (int i = 0; i < pane.GetCount(); i++)
    {
        const CRect rect = pane.GetButton(i)->rect;
        EXPECT_EQ(client.left + (client.Width() - 1 - rect.Width()) / 2, rect.left) << i;
        EXPECT_GE(rect.Width(), image.cx + 4) << i;
        if (i > 0)
        {
            EXPECT_EQ(pane.GetButton(i - 1)->rect.bottom, rect.top) << i;
        }
    }
    EXPECT_EQ(0, pane.GetButton(0)->rect.top);
    ASSERT_TRUE(pane.CanScrollDown());
    EXPECT_TRUE(pane.LowerScrollButton().IsWindowVisible());
    EXPECT_FALSE(pane.UpperScrollButton().IsWindowVisible());

    // A click on the lower scroll button moves the column by one button.
    host.UpdateWindow();
    const int nFirstHeight = pane.GetButton(0)->rect.Height();
    CRect rectLower;
    pane.LowerScrollButton().GetWindowRect(&rectLower);
    PlayInput({MoveTo(rectLower.CenterPoint()), PressAt(rectLower.CenterPoint()), ReleaseAt(rectLower.CenterPoint())});
    EXPECT_EQ(1, pane.FirstVisibleButton());
    EXPECT_EQ(nFirstHeight, pane.ScrollOffset());
    EXPECT_EQ(0, pane.GetButton(1)->rect.top);
    EXPECT_TRUE(pane.UpperScrollButton().IsWindowVisible());
    pane.ScrollDown();
    pane.ScrollUp();
    pane.ScrollUp();
    EXPECT_EQ(0, pane.ScrollOffset()) << "back at the first button the offset is exactly 0";
    EXPECT_EQ(0, pane.FirstVisibleButton());

    // Too small for a scroll button: none shows.
    pane.SetWindowPos(nullptr, 0, 0, 120, 12, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(pane.LowerScrollButton().IsWindowVisible());
    // Large enough for every button after a scroll: it scrolls back.
    pane.SetWindowPos(nullptr, 0, 0, 120, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    pane.ScrollDown();
    pane.ScrollDown();
    pane.SetWindowPos(nullptr, 0, 0, 120, 2000, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(0, pane.ScrollOffset());
    EXPECT_FALSE(pane.LowerScrollButton().IsWindowVisible());
    EXPECT_FALSE(pane.UpperScrollButton().IsWindowVisible());
    host.DestroyWindow();
}

TEST(CVrxPOutlookBarPane, PagingAnEmptyOrFlatPaneDoesNothing)
{
    VrxPStartLibrary();
    ClassicHost host;
    ASSERT_TRUE(host.Open(CSize(100, 100)));
    CVrxPOutlookBarPane pane;
    ASSERT_TRUE(pane.Create(&host.pages, CVrxPOutlookBar::customPageStyle, 5, 0));
    pane.PageDown();
    pane.PageUp();
    EXPECT_EQ(0, pane.ScrollOffset());
    pane.SetWindowPos(nullptr, 0, 0, 100, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    pane.PageDown();
    EXPECT_EQ(0, pane.FirstVisibleButton());
    host.DestroyWindow();
}
} // namespace
