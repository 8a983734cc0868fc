// Three panes docked at one side, split by sliders: one on the left, two
// stacked on the right, with the default slider along their inner edge, in
// a virtual desktop; the screen is kept.

#include "docking/containers/tests/ContainerTestSite.h"
#include "docking/tests/DockingViewHarness.h"

namespace
{
using Harness = DockingViewHarness;
const int t = ContainerTestSite::thickness;

COLORREF PixelAt(const CWnd& site, CPoint point)
{
    site.ClientToScreen(&point);
    const HDC hScreen = ::GetDC(NULL);
    const COLORREF colour = ::GetPixel(hScreen, point.x, point.y);
    ::ReleaseDC(NULL, hScreen);
    return colour;
}

TEST(ContainersView, ThreePanesSplitBySliders)
{
    ContainerTestSite site;
    ASSERT_TRUE(site.Create(640, 440));
    TestPane* output = site.NewPane(CSize(40, 40));
    ASSERT_NE(nullptr, output);
    output->SetWindowText("Output");
    ASSERT_TRUE(site.defaultSlider->AddPane(output));
    site.Layout(CRect(0, 0, 420 + t, 440));
    TestPane* properties = site.NewPane(CSize(40, 40), CRect(0, 0, 200, 200));
    ASSERT_NE(nullptr, properties);
    properties->SetWindowText("Properties");
    ASSERT_TRUE(site.defaultSlider->InsertPaneBeside(properties, output, CBRS_ALIGN_RIGHT));
    TestPane* log = site.NewPane(CSize(40, 40), CRect(0, 0, 200, 160));
    ASSERT_NE(nullptr, log);
    log->SetWindowText("Log");
    ASSERT_TRUE(site.defaultSlider->InsertPaneBeside(log, properties, CBRS_ALIGN_BOTTOM));
    site.site.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Harness::LetTheDesktopCatchUp();

    EXPECT_EQ(CRect(0, 0, 216, 440), site.InSite(output));
    EXPECT_EQ(CRect(220, 0, 420, 276), site.InSite(properties));
    EXPECT_EQ(CRect(220, 280, 420, 440), site.InSite(log));
    EXPECT_EQ(CRect(420, 0, 420 + t, 440), site.InSite(site.defaultSlider));
    // The sliders are painted in the bars' face colour, not left as the
    // site's background.
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, PixelAt(site.site, CPoint(218, 100)));
    EXPECT_EQ(face, PixelAt(site.site, CPoint(300, 278)));
    EXPECT_EQ(face, PixelAt(site.site, CPoint(422, 200)));
    EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), PixelAt(site.site, CPoint(600, 200)));
    windriver::save_screen(Harness::Shot());
}
} // namespace

int main(int argc, char** argv)
{
    return DockingViewHarness::Run(argc, argv, "vrx_docking_containers.bmp");
}
