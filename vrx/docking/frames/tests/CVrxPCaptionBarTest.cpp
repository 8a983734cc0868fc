#include "docking/frames/CVrxPCaptionBar.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"

#include "../../tests/RealInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using realinput::InputStep;
const UINT barId = 0xE900;
const UINT buttonCommand = 0x8123;

// Notes the commands it is sent.
class CommandFrame : public CVrxPMDIFrameWnd
{
public:
    std::vector<UINT> commands;

protected:
    void PostNcDestroy() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == buttonCommand)
        {
            commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CVrxPMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
};

int FontHeight(HFONT hFont)
{
    HDC hScreen = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hScreen, hFont);
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(hScreen, &metrics);
    ::SelectObject(hScreen, hOld);
    ::ReleaseDC(NULL, hScreen);
    return metrics.tmHeight;
}

CPoint ScreenPoint(CWnd& wnd, CPoint client)
{
    wnd.ClientToScreen(&client);
    return client;
}

class CaptionBarWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager));
        ASSERT_TRUE(frame.Create(nullptr, "caption bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 320)));
        ASSERT_TRUE(bar.CreateBar(&frame, barId));
        frame.GetBarManager().AddBar(&bar);
        frame.RecalcLayout();
        frame.SetForegroundWindow();
        frame.UpdateWindow();
    }
    void TearDown() override { frame.DestroyWindow(); }

    CommandFrame frame;
    CVrxPCaptionBar bar;
};

TEST_F(CaptionBarWindowTest, AnEmptyBarSpansTheFrameAtTheHeightOfItsFont)
{
    EXPECT_EQ(CString(CVrxPCaptionBar::windowText), [this] {
        CString text;
        bar.GetWindowText(text);
        return text;
    }());
    const int nFontHeight = FontHeight(static_cast<HFONT>(VrxPGlobals().fontRegular.GetSafeHandle()));
    CRect rectFrame;
    frame.GetClientRect(&rectFrame);
    CRect rectBar;
    bar.GetWindowRect(&rectBar);
    frame.ScreenToClient(&rectBar);
    EXPECT_EQ(bar.m_borderSize + 2 * bar.m_margin + nFontHeight + 2, rectBar.Height());
    EXPECT_EQ(rectFrame.Width(), rectBar.Width());
    EXPECT_EQ(0, rectBar.top);
    CRect rectClient;
    bar.GetClientRect(&rectClient);
    EXPECT_EQ(rectBar.Height() - 2 * bar.m_borderSize, rectClient.Height()) << "border bands above and below";
    EXPECT_FALSE(bar.IsFloatAllowed());

    bar.SetFixedHeight(50);
    bar.GetWindowRect(&rectBar);
    EXPECT_EQ(50, rectBar.Height());
}

TEST_F(CaptionBarWindowTest, TheButtonTurnsHotUnderTheMouseAndSendsItsCommand)
{
    bar.SetText("The connection was lost.");
    bar.SetButton("Reconnect", buttonCommand, CVrxPCaptionBarLayout::alignRight);
    bar.UpdateWindow();
    const CRect button(bar.m_buttonRect);
    ASSERT_FALSE(button.IsRectEmpty());
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_EQ(client.right, button.right) << "a last right button ends at the edge";
    const CPoint over = ScreenPoint(bar, button.CenterPoint());
    const CPoint away = ScreenPoint(bar, CPoint(client.left + 2, client.CenterPoint().y));

    realinput::Play({{InputStep::move, away}, {InputStep::move, over}});
    EXPECT_TRUE(bar.m_buttonHot);
    realinput::Play({{InputStep::press, over}, {InputStep::release, over}});
    EXPECT_EQ((std::vector<UINT>{buttonCommand}), frame.commands);
    EXPECT_FALSE(bar.m_buttonPressed) << "released with the mouse button";
    realinput::Play({{InputStep::move, away}, {InputStep::rest, away}, {InputStep::rest, away}});
    EXPECT_FALSE(bar.m_buttonHot);
}

TEST_F(CaptionBarWindowTest, AButtonWithoutACommandIsNeverHotAndSendsNothing)
{
    bar.SetButton("Details", 0, CVrxPCaptionBarLayout::alignLeft);
    bar.UpdateWindow();
    const CRect button(bar.m_buttonRect);
    ASSERT_FALSE(button.IsRectEmpty());
    EXPECT_EQ(0, button.left) << "a first left button starts at the edge";
    const CPoint over = ScreenPoint(bar, button.CenterPoint());
    realinput::Play({{InputStep::move, over}, {InputStep::press, over}, {InputStep::release, over}});
    EXPECT_FALSE(bar.m_buttonHot);
    EXPECT_FALSE(bar.m_buttonPressed);
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(CaptionBarWindowTest, TheBaseLookFillsTheBarWithItsBackColourAndTheBandsWithTheBorderColour)
{
    bar.m_backColor = RGB(10, 120, 200);
    bar.m_borderColor = RGB(200, 30, 40);
    bar.m_flatBorder = TRUE;
    bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASE);
    CRect rectWindow;
    bar.GetWindowRect(&rectWindow);
    HDC hScreen = ::GetDC(NULL);
    const COLORREF band = ::GetPixel(hScreen, rectWindow.left + 40, rectWindow.top + 1);
    const COLORREF lowerBand = ::GetPixel(hScreen, rectWindow.left + 40, rectWindow.bottom - 2);
    const COLORREF inside = ::GetPixel(hScreen, rectWindow.left + 40, rectWindow.CenterPoint().y);
    ::ReleaseDC(NULL, hScreen);
    EXPECT_EQ(RGB(200, 30, 40), band);
    EXPECT_EQ(RGB(200, 30, 40), lowerBand);
    EXPECT_EQ(RGB(10, 120, 200), inside);
}
} // namespace
