#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/frames/CVrxPFrameWnd.h"
#include "foundation/VrxPMessages.h"
#include "frames/FrameIds.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testRoot[] = "Software\\korvo vrx sdi frame tests";
const char profile[] = "Software\\korvo vrx sdi frame tests\\";
const UINT fullScreenBarId = 0xE8F0;
const UINT leaveCommand = 0x8301;

// Notes the commands it is sent.
class CommandFrame : public CVrxPFrameWnd
{
public:
    std::vector<UINT> commands;

protected:
    void PostNcDestroy() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) >= AFX_ID_PREVIEW_CLOSE && LOWORD(wParam) < 0xE400)
        {
            commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CVrxPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class SdiFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
        ASSERT_TRUE(frame.Create(nullptr, "sdi", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 530, 430)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(view.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, CVrxPFrameHelper::userToolbarStyle, 0xE820));
        bar.InsertButtonCopy(CVrxPToolbarButton(100, -1, "Open"));
        bar.AllowDocking(CBRS_ALIGN_ANY);
        frame.GetBarManager().AddBar(&bar);
        frame.GetBarManager().DockControlBar(&bar, 0, nullptr);
        frame.RecalcLayout();
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
    }

    CRect ViewRect()
    {
        CRect rect;
        view.GetWindowRect(&rect);
        frame.ScreenToClient(&rect);
        return rect;
    }

    CommandFrame frame;
    CWnd view;
    CVrxPToolBar bar;
};

TEST_F(SdiFrameTest, TheViewTakesWhatTheBarsLeave)
{
    CRect rectBar;
    bar.GetWindowRect(&rectBar);
    frame.ScreenToClient(&rectBar);
    ASSERT_GT(rectBar.Height(), 0);
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    EXPECT_EQ(frame.GetBarManager().GetOuterRect(), ViewRect());
    EXPECT_EQ(rectBar.bottom, ViewRect().top) << "the toolbar docked at the top";
    EXPECT_EQ(rectClient.bottom, ViewRect().bottom);

    frame.SetWindowPos(nullptr, 0, 0, 640, 300, SWP_NOMOVE | SWP_NOZORDER);
    frame.GetClientRect(&rectClient);
    EXPECT_EQ(rectClient.right, ViewRect().right);
    EXPECT_EQ(rectClient.bottom, ViewRect().bottom);
}

TEST_F(SdiFrameTest, MakesUserToolbarsLikeTheMDIFrame)
{
    frame.GetFrameHelper().PrepareUserToolbars(profile, 0xE828, 0xE831);
    CVrxPToolBar* pBar = reinterpret_cast<CVrxPToolBar*>(
        frame.SendMessage(VrxTOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>("Mine")));
    ASSERT_NE(nullptr, pBar);
    EXPECT_EQ(0xE828, pBar->GetDlgCtrlID());
    EXPECT_TRUE(frame.SendMessage(VrxTOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(pBar)));
    EXPECT_TRUE(frame.GetFrameHelper().userToolbars.IsEmpty());
}

TEST_F(SdiFrameTest, ClosingWhileAnotherFramePreviewsClosesThePreviewInstead)
{
    CommandFrame previewing;
    ASSERT_TRUE(previewing.Create(nullptr, "previewing", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200)));
    frame.previewingFrame = &previewing;
    frame.SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(frame.GetSafeHwnd())) << "the frame stays";
    EXPECT_EQ((std::vector<UINT>{AFX_ID_PREVIEW_CLOSE}), previewing.commands);
    EXPECT_EQ(nullptr, frame.previewingFrame);
    previewing.DestroyWindow();
}

TEST_F(SdiFrameTest, FullScreenIsLeftWithTheFrameWhereItWas)
{
    CVrxPFullScreenState& state = frame.GetFrameHelper().fullScreen;
    EXPECT_FALSE(state.IsActive());
    MINMAXINFO limits = {};
    EXPECT_FALSE(state.FullScreenLimits(&limits));
    CRect rectBefore;
    frame.GetWindowRect(&rectBefore);

    ASSERT_TRUE(state.EnterFullScreen(&frame, profile, fullScreenBarId, leaveCommand));
    EXPECT_FALSE(state.EnterFullScreen(&frame, profile, fullScreenBarId, leaveCommand)) << "once only";
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    frame.ClientToScreen(&rectClient);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfo(::MonitorFromWindow(frame.GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_EQ(CRect(monitor.rcMonitor), rectClient) << "the client area covers the monitor";
    ASSERT_NE(nullptr, state.toolbar);
    EXPECT_NE(nullptr, state.toolbar->FindMiniFrameParent()) << "the leave toolbar floats";
    EXPECT_EQ(leaveCommand, state.toolbar->GetButton(0)->commandId);
    ASSERT_TRUE(state.FullScreenLimits(&limits));
    EXPECT_EQ(CRect(state.fullScreenRect).Width(), limits.ptMaxSize.x);
    EXPECT_EQ(CRect(state.fullScreenRect).Height(), limits.ptMaxTrackSize.y);

    const HWND hToolbar = state.toolbar->GetSafeHwnd();
    state.LeaveFullScreen(&frame);
    EXPECT_FALSE(state.IsActive());
    EXPECT_EQ(nullptr, state.toolbar);
    EXPECT_FALSE(::IsWindow(hToolbar));
    EXPECT_EQ(-1, state.toolbarResourceId);
    CRect rectAfter;
    frame.GetWindowRect(&rectAfter);
    EXPECT_EQ(rectBefore, rectAfter);

    state.LeaveFullScreen(&frame);
    frame.GetWindowRect(&rectAfter);
    EXPECT_EQ(rectBefore, rectAfter) << "leaving twice does nothing";
}
} // namespace
