// A library frame with a caption bar across its top (an icon, a message and
// a button with a command) and a user toolbar made as the customise dialog
// makes one, holding commands, in a virtual desktop; the screen is kept.

#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/frames/CVrxPCaptionBar.h"
#include "docking/tests/DockingViewHarness.h"
#include "foundation/VrxPMessages.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

namespace
{
using Harness = DockingViewHarness;
const UINT captionBarId = 0xE900;

TEST(FrameExtrasView, ACaptionBarAcrossTheFrameAndAFloatingUserToolbar)
{
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager));
    DockingTestFrame frame;
    ASSERT_TRUE(Harness::OpenFrame(frame, "Frame extras"));
    frame.GetFrameHelper().PrepareUserToolbars("Software\\korvo vrx frame extras view\\", 0xE828, 0xE831);
    CVrxPCaptionBar caption;
    ASSERT_TRUE(caption.CreateBar(&frame, captionBarId));
    frame.GetBarManager().AddBar(&caption);
    caption.SetIcon(::LoadIcon(NULL, IDI_INFORMATION));
    caption.SetText("The target stopped answering on COM1.", CVrxPCaptionBarLayout::alignLeft);
    caption.SetButton("Reconnect", 0x8123, CVrxPCaptionBarLayout::alignRight);
    frame.ShowWindow(SW_SHOW);
    Harness::LetTheDesktopCatchUp();

    CVrxPToolBar* pBar = reinterpret_cast<CVrxPToolBar*>(
        frame.SendMessage(VrxTOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>("My commands")));
    ASSERT_NE(nullptr, pBar);
    const char* const texts[] = {"Connect", "Upload", "Read flash", "Console"};
    for (UINT i = 0; i < 4; i++)
        pBar->InsertButtonCopy(CVrxPToolbarButton(0x8200 + i, -1, texts[i]));
    pBar->RecalcBarLayout();
    CVrxPMiniFrameWnd* pMiniFrame = pBar->FindMiniFrameParent();
    ASSERT_NE(nullptr, pMiniFrame);
    pMiniFrame->FitToHostedBar();
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    pMiniFrame->SetWindowPos(nullptr, rectFrame.left + 220, rectFrame.top + 260, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Harness::LetTheDesktopCatchUp();

    CRect rectClient;
    frame.GetClientRect(&rectClient);
    CRect rectCaption;
    caption.GetWindowRect(&rectCaption);
    frame.ScreenToClient(&rectCaption);
    EXPECT_EQ(rectClient.Width(), rectCaption.Width());
    EXPECT_EQ(0xE828, pBar->GetDlgCtrlID());
    EXPECT_EQ(4, pBar->GetCount());
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    CRect rectMdi;
    ::GetWindowRect(frame.m_hWndMDIClient, &rectMdi);
    frame.ScreenToClient(&rectMdi);
    EXPECT_EQ(rectCaption.bottom, rectMdi.top) << "the client area starts below the caption bar";
    windriver::save_screen(Harness::Shot());

    frame.GetFrameHelper().DeleteUserToolbar(pBar);
    frame.DestroyWindow();
}
} // namespace

int main(int argc, char** argv)
{
    return DockingViewHarness::Run(argc, argv, "vrx_frame_extras.bmp");
}
