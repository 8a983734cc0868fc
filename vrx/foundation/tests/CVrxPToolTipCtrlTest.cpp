#include "foundation/CVrxPToolTipCtrl.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPMakeWindowClass.h"

#include "foundation/CVrxPToolbarImageList.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "TestBitmaps.h"
#include "TestCanvas.h"
#include "TestFrame.h"

#include <gtest/gtest.h>

namespace
{
class ToolTipCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_POPUP, CRect(0, 0, 20, 20), nullptr, 0));
        ASSERT_TRUE(m_tip.Create(&m_owner, TTS_ALWAYSTIP | TTS_NOPREFIX));
        SystemParametersInfo(SPI_GETWORKAREA, 0, &m_workArea, 0);
    }
    void TearDown() override
    {
        m_tip.DestroyWindow();
        m_owner.DestroyWindow();
    }

    // Shows the tip as a tracking tooltip at (x, y): the system then sends
    // its owner the notification the control answers by placing itself.
    void Track(LPCTSTR lpszText, int x, int y)
    {
        TOOLINFO info = {};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
        info.hwnd = m_owner.GetSafeHwnd();
        info.uId = reinterpret_cast<UINT_PTR>(m_owner.GetSafeHwnd());
        info.lpszText = const_cast<LPTSTR>(lpszText);
        m_tip.SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info));
        m_tip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
        m_tip.SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
    }

    // The tip with the label, put at (x, y) and told it is shown there, as
    // the system tells it; the system's own placement before that differs
    // between versions. The control's answer: 1 when it moved itself.
    LRESULT ShowAt(LPCTSTR lpszText, int x, int y)
    {
        Track(lpszText, x, y);
        m_tip.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        NMHDR notify = {};
        notify.hwndFrom = m_tip.GetSafeHwnd();
        notify.code = TTN_SHOW;
        return m_owner.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
    }

    CRect WindowRect()
    {
        CRect window;
        m_tip.GetWindowRect(&window);
        return window;
    }

    CWnd m_owner;
    CVrxPToolTipCtrl m_tip;
    CRect m_workArea;
};

TEST_F(ToolTipCtrlTest, TipNearTheRightEdgeEndsOnePixelInside)
{
    SetCursorPos(m_workArea.left + 10, m_workArea.top + 10);
    EXPECT_EQ(1, ShowAt("A rather long tooltip label", m_workArea.right - 20, m_workArea.top + 40));
    EXPECT_EQ(m_workArea.right - 1, WindowRect().right);
    EXPECT_EQ(m_workArea.top + 40, WindowRect().top);
}

TEST_F(ToolTipCtrlTest, TipNearTheBottomMovesAboveTheCursor)
{
    SetCursorPos(m_workArea.left + 100, m_workArea.bottom - 5);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(1, ShowAt("Label", m_workArea.left + 100, m_workArea.bottom - 10));
    EXPECT_EQ(cursor.y - 1, WindowRect().bottom);
}

TEST_F(ToolTipCtrlTest, TipThatFitsStaysWhereItWasShown)
{
    SetCursorPos(m_workArea.left + 10, m_workArea.top + 10);
    EXPECT_EQ(0, ShowAt("Label", m_workArea.left + 30, m_workArea.top + 30));
    EXPECT_EQ(m_workArea.left + 30, WindowRect().left);
    EXPECT_EQ(m_workArea.top + 30, WindowRect().top);
}

TEST_F(ToolTipCtrlTest, TabsInTheLabelShowAsFourSpaces)
{
    SetCursorPos(m_workArea.left + 10, m_workArea.top + 10);
    Track("a\tb", m_workArea.left + 30, m_workArea.top + 30);
    const int nWithTab = WindowRect().Width();
    m_tip.SendMessage(TTM_TRACKACTIVATE, FALSE, 0);
    TestCanvas canvas(300, 40);
    CFont* pOld = canvas.DC().SelectObject(&VrxPGlobals().fontRegular);
    const int nSpaces = canvas.DC().GetTextExtent("a    b").cx;
    canvas.DC().SelectObject(pOld);
    EXPECT_EQ(nSpaces + 2 * CVrxPToolTipCtrl::marginX, nWithTab);
}

TEST_F(ToolTipCtrlTest, DescriptionOnlyWhenEnabled)
{
    TestCanvas canvas(300, 100);
    m_tip.AssignDescription("Opens a file\tfrom disk");
    EXPECT_STREQ("Opens a file    from disk", m_tip.GetDescription());
    const CSize shown = m_tip.PaintDescription(&canvas.DC(), CRect(0, 0, 300, 100), TRUE);
    EXPECT_GT(shown.cy, 0);
    EXPECT_LE(shown.cx, 200);
    CVrxPToolTipOptions options;
    options.drawDescription = FALSE;
    m_tip.SetParams(&options);
    EXPECT_EQ(CSize(0, 0), m_tip.PaintDescription(&canvas.DC(), CRect(0, 0, 300, 100), TRUE));
}

TEST_F(ToolTipCtrlTest, PlainFrameAndGradientBackground)
{
    TestCanvas canvas(40, 20);
    CVrxPToolTipOptions options;
    options.fillColor = RGB(255, 255, 255);
    options.gradientColor = RGB(0, 0, 0);
    m_tip.SetParams(&options);
    COLORREF text = 0, frame = 0;
    m_tip.PaintBackground(&canvas.DC(), CRect(0, 0, 40, 20), text, frame);
    // 90 degrees: the first colour at the bottom.
    EXPECT_LT(GetRValue(canvas.Pixel(20, 19)), GetRValue(canvas.Pixel(20, 0)));
    m_tip.PaintFrame(&canvas.DC(), CRect(0, 0, 40, 20), RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(39, 19));
}
// A toolbar with its own images and one button, and a library tip on it.
class ToolbarTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HBITMAP hStrip = MakeStripBitmap(2);
        m_images.AppendImage(hStrip, TRUE);
        DeleteObject(hStrip);
        m_images.ChangeTransparentColor(testKey);
        ASSERT_TRUE(m_frame.Create(nullptr, "tips", WS_OVERLAPPEDWINDOW, CRect(100, 100, 400, 300)));
        ASSERT_TRUE(m_bar.CreateWithDefaultStyle(&m_frame, 0x50402808, 0xE840));
        m_bar.SetOwnImages(&m_images);
        m_bar.InsertButtonCopy(CVrxPToolbarButton(0x8100, 1));
        m_bar.LayoutButtons();
        ASSERT_TRUE(m_tip.Create(&m_bar, TTS_ALWAYSTIP | TTS_NOPREFIX));
        m_tip.SetWindowText("Label");
    }
    void TearDown() override
    {
        m_tip.DestroyWindow();
        m_bar.DestroyWindow();
        m_frame.DestroyWindow();
    }

    void PointAtTheButton(BOOL bOnIt)
    {
        CPoint point = bOnIt ? m_bar.GetButton(0)->rect.CenterPoint() : CPoint(-50, -50);
        m_bar.ClientToScreen(&point);
        SetCursorPos(point.x, point.y);
    }

    CVrxPToolbarImageList m_images;
    TestFrame m_frame;
    CVrxPToolBar m_bar;
    CVrxPToolTipCtrl m_tip;
};

TEST_F(ToolbarTipTest, TheButtonUnderTheCursorLendsItsImage)
{
    PointAtTheButton(TRUE);
    m_tip.AssignDescription("");
    ASSERT_EQ(m_bar.GetButton(0), m_tip.GetHotButton());
    EXPECT_EQ(CSize(16, 15), m_tip.QueryIconSize());
    TestCanvas canvas(40, 40);
    ASSERT_TRUE(m_tip.PaintIcon(&canvas.DC(), CRect(4, 4, 20, 19)));
    // Image 1's block, and nothing drawn past the icon's rectangle.
    EXPECT_EQ(BlockColor(1), canvas.Pixel(4 + 3, 4 + 4));
    EXPECT_EQ(0, canvas.Count(CRect(20, 0, 40, 40), BlockColor(1)));

    PointAtTheButton(FALSE);
    m_tip.AssignDescription("");
    EXPECT_EQ(nullptr, m_tip.GetHotButton());
    EXPECT_EQ(CSize(0, 0), m_tip.QueryIconSize());
    EXPECT_FALSE(m_tip.PaintIcon(&canvas.DC(), CRect(4, 4, 20, 19)));
}

TEST_F(ToolbarTipTest, TheIconWidensTheTipUnlessIconsAreOff)
{
    NMHDR notify = {};
    notify.hwndFrom = m_tip.GetSafeHwnd();
    notify.code = TTN_SHOW;
    auto shownWidth = [&](BOOL bOnButton) {
        PointAtTheButton(bOnButton);
        m_tip.SetWindowPos(nullptr, 150, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
        CRect window;
        m_tip.GetWindowRect(&window);
        return window.Width();
    };
    const int nPlain = shownWidth(FALSE);
    EXPECT_EQ(nPlain + 16 + CVrxPToolTipCtrl::marginX, shownWidth(TRUE));
    CVrxPToolTipOptions options;
    options.drawIcon = FALSE;
    m_tip.SetParams(&options);
    EXPECT_EQ(nPlain, shownWidth(TRUE));
}
} // namespace
