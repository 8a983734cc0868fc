#include "frames/CScrollView.h"

#include "gdi/CClientDC.h"

#include "FramesTestWindows.h"

#include <gtest/gtest.h>

namespace
{
class TestScrollView : public CScrollView
{
    DECLARE_DYNCREATE(TestScrollView)
protected:
    void OnDraw(CDC*) override {}
};

IMPLEMENT_DYNCREATE(TestScrollView, CScrollView)

const int kFrameWidth = 300;
const int kFrameHeight = 200;

class ScrollViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(TestScrollView);
        TestFrame* pFrame = new TestFrame;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW, nullptr, &context));
        m_pFrame = pFrame;
        m_pFrame->SetWindowPos(nullptr, 0, 0, kFrameWidth, kFrameHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->InitialUpdateFrame(nullptr, FALSE);
        m_pView = static_cast<TestScrollView*>(m_pFrame->GetActiveView());
        ASSERT_NE(nullptr, m_pView);
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }

    CSize ViewClientSize() const
    {
        CRect rect;
        m_pView->GetClientRect(&rect);
        return rect.Size();
    }
    BOOL HasBar(DWORD dwStyle) const { return (m_pView->GetStyle() & dwStyle) != 0; }

    CFrameWnd* m_pFrame = nullptr;
    TestScrollView* m_pView = nullptr;
};

TEST_F(ScrollViewTest, BarsAppearOnlyWhenTheTotalDoesNotFit)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    EXPECT_TRUE(HasBar(WS_HSCROLL));
    EXPECT_TRUE(HasBar(WS_VSCROLL));
    EXPECT_EQ(1000 - ViewClientSize().cx, m_pView->GetScrollLimit(SB_HORZ));
    EXPECT_EQ(800 - ViewClientSize().cy, m_pView->GetScrollLimit(SB_VERT));

    m_pView->SetScrollSizes(MM_TEXT, CSize(50, 50));
    EXPECT_FALSE(HasBar(WS_HSCROLL));
    EXPECT_FALSE(HasBar(WS_VSCROLL));

    // Wider only: the horizontal bar alone.
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 50));
    EXPECT_TRUE(HasBar(WS_HSCROLL));
    EXPECT_FALSE(HasBar(WS_VSCROLL));
}

TEST_F(ScrollViewTest, TheDrawingOriginFollowsTheScrollPosition)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    m_pView->ScrollToPosition(CPoint(100, 150));
    EXPECT_EQ(CPoint(100, 150), m_pView->GetScrollPosition());

    CClientDC dc(m_pView);
    m_pView->OnPrepareDC(&dc);
    EXPECT_EQ(CPoint(-100, -150), dc.GetViewportOrg());

    m_pView->ScrollToPosition(CPoint(5000, 5000));
    EXPECT_EQ(CPoint(1000 - ViewClientSize().cx, 800 - ViewClientSize().cy), m_pView->GetScrollPosition());
}

TEST_F(ScrollViewTest, ScrollBarClicksMoveByLinesAndPages)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800), CSize(90, 70), CSize(9, 7));
    m_pView->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(CPoint(0, 7), m_pView->GetScrollPosition());
    m_pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(CPoint(0, 77), m_pView->GetScrollPosition());
    m_pView->SendMessage(WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(CPoint(1000 - ViewClientSize().cx, 77), m_pView->GetScrollPosition());
    m_pView->SendMessage(WM_VSCROLL, SB_PAGEUP);
    m_pView->SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(0, m_pView->GetScrollPosition().y);
}

TEST_F(ScrollViewTest, OtherMappingModesScrollInDeviceUnits)
{
    m_pView->SetScrollSizes(MM_LOENGLISH, CSize(200, 100));
    int nMapMode = 0;
    SIZE sizeTotal, sizePage, sizeLine;
    m_pView->GetDeviceScrollSizes(nMapMode, sizeTotal, sizePage, sizeLine);
    CClientDC dc(m_pView);
    EXPECT_EQ(MM_LOENGLISH, nMapMode);
    EXPECT_EQ(2 * dc.GetDeviceCaps(LOGPIXELSX), sizeTotal.cx);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), sizeTotal.cy);
    EXPECT_EQ(CSize(200, 100), m_pView->GetTotalSize());
}

TEST_F(ScrollViewTest, TheParentFrameCanBeSizedToTheTotal)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(150, 120));
    m_pView->ResizeParentToFit(FALSE);
    EXPECT_EQ(CSize(150, 120), ViewClientSize());

    // Shrinking only: a larger total leaves the frame as it is.
    CRect rectBefore;
    m_pFrame->GetWindowRect(&rectBefore);
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    m_pView->ResizeParentToFit();
    CRect rectAfter;
    m_pFrame->GetWindowRect(&rectAfter);
    EXPECT_EQ(rectBefore, rectAfter);
}
} // namespace
