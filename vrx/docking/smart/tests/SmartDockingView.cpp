// A pane dragged by real mouse input onto the diamond over another pane in
// marker style, in a virtual desktop: the screen is kept while the cursor
// rests on the marker, with the side markers, the diamond and the highlight
// up.

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/smart/CVrxPSmartDockingGuide.h"
#include "docking/tests/DockingViewHarness.h"
#include "docking/tests/RealInput.h"

namespace
{
using Harness = DockingViewHarness;
using Layout = CVrxPSmartDockingLayout;
using realinput::InputStep;

struct Probe
{
    CVrxPFrameBarManager* pManager = nullptr;
    BOOL bTaken = FALSE;
    int nMarker = Layout::none;
    COLORREF colorLitFrame = 0;
    COLORREF colorSideFace = 0;
    COLORREF colorSideArrow = 0;
    BOOL bHighlightShown = FALSE;
};
Probe g_probe;

COLORREF ScreenPixel(int x, int y)
{
    const HDC hDC = ::GetDC(NULL);
    const COLORREF color = ::GetPixel(hDC, x, y);
    ::ReleaseDC(NULL, hDC);
    return color;
}

// Once the cursor rests on a marker: its frame, an unlit side marker's face
// and arrow are read off the screen, and the picture is taken.
void CALLBACK TakePicture(HWND, UINT, UINT_PTR, DWORD)
{
    CVrxPSmartDockingGuide* pGuide = g_probe.pManager->GetSmartDockingGuide();
    if (g_probe.bTaken || pGuide == nullptr || !pGuide->IsShown() || pGuide->GetCurrentMarker() == Layout::none ||
        !pGuide->GetHighlight().IsShown())
        return;
    g_probe.bTaken = TRUE;
    g_probe.nMarker = pGuide->GetCurrentMarker();
    g_probe.bHighlightShown = pGuide->GetHighlight().IsWindowVisible();
    CRect rectGroup;
    pGuide->GetCentralGroup().GetWindowRect(&rectGroup);
    const RECT box = Layout::CentralMarkerBox(g_probe.nMarker);
    g_probe.colorLitFrame = ScreenPixel(rectGroup.left + box.left + 5, rectGroup.top + box.bottom - 1);
    CRect rectTop;
    pGuide->GetSideMarker(Layout::sideTop).GetWindowRect(&rectTop);
    g_probe.colorSideFace = ScreenPixel(rectTop.right - 3, rectTop.top + 2);
    g_probe.colorSideArrow = ScreenPixel(rectTop.CenterPoint().x, rectTop.bottom - 8);
    windriver::save_screen(Harness::Shot());
}

TEST(SmartDockingView, MarkersDuringADrag)
{
    CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::smartMarkersStyle);
    DockingTestFrame frame;
    ASSERT_TRUE(Harness::OpenFrame(frame, "Smart docking"));
    CVrxPDockingControlBar output, properties, tools;
    ASSERT_TRUE(output.Create("Output", &frame, CSize(150, 150), TRUE, 1, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                              32, 15));
    ASSERT_TRUE(properties.Create("Properties", &frame, CSize(200, 200), TRUE, 2,
                                  WS_CHILD | WS_VISIBLE | CBRS_ALIGN_RIGHT, 32, 15));
    ASSERT_TRUE(tools.Create("Tools", &frame, CSize(160, 160), TRUE, 3, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 32,
                             15));
    for (CVrxPDockingControlBar* pPane : {&output, &properties, &tools})
    {
        pPane->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(frame.PlaceBarDocked(pPane));
    }
    frame.ShowWindow(SW_SHOW);
    frame.SetForegroundWindow();
    Harness::LetTheDesktopCatchUp();

    CRect rectOutput, rectProperties;
    output.GetWindowRect(&rectOutput);
    properties.GetWindowRect(&rectProperties);
    const CPoint grab(rectOutput.left + 40, rectOutput.top + 6);
    const RECT group = Layout::PlaceCentralGroup(rectProperties);
    const RECT box = Layout::CentralMarkerBox(Layout::centralLeft);
    const CPoint target(group.left + (box.left + box.right) / 2, group.top + (box.top + box.bottom) / 2);
    g_probe.pManager = &frame.GetBarManager();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, TakePicture);
    realinput::Play({{InputStep::move, grab},
                     {InputStep::press, grab},
                     {InputStep::move, grab + CSize(12, -12)},
                     {InputStep::move, CPoint((grab.x + target.x) / 2, (grab.y + target.y) / 2)},
                     {InputStep::move, target},
                     {InputStep::rest, target},
                     {InputStep::rest, target},
                     {InputStep::rest, target},
                     {InputStep::release, target}});
    ::KillTimer(NULL, nTimer);

    ASSERT_TRUE(g_probe.bTaken) << "the guide never showed a marker under the cursor";
    EXPECT_EQ(Layout::centralLeft, g_probe.nMarker);
    EXPECT_TRUE(g_probe.bHighlightShown);
    EXPECT_EQ(CVrxPMarkerWnd::highlightColor, g_probe.colorLitFrame) << "the lit marker's frame";
    EXPECT_EQ(RGB(0xF8, 0xF8, 0xF8), g_probe.colorSideFace) << "an unlit side marker's face";
    EXPECT_EQ(RGB(47, 103, 190), g_probe.colorSideArrow) << "its arrow";
    EXPECT_EQ(properties.GetDefaultSlider(), output.GetDefaultSlider()) << "docked beside the properties";
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_RIGHT), output.GetDockSide());

    frame.DestroyWindow();
    CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::defaultDockStyle);
}
} // namespace

int main(int argc, char** argv)
{
    return DockingViewHarness::Run(argc, argv, "vrx_smart_docking.bmp");
}
