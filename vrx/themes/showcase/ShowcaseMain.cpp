// The showcase in a virtual desktop, in the base look: pixels the look's
// rules place are probed on the screen, and the screen is kept.

#include "Showcase.h"

#include "LookBenchmark.h"
#include "ScreenPicture.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/VrxPLibrary.h"
#include "themes/CVrxPVisualManager.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string g_shot = "showcase-base.bmp";

void LetTheDesktopCatchUp()
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 600;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::Sleep(20);
    }
}

CRect Moved(CRect rect, CPoint offset)
{
    rect.OffsetRect(offset);
    return rect;
}

// The screen as it is, read pixel by pixel.
class Screen
{
public:
    Screen() : m_hDC(::GetDC(NULL)) {}
    ~Screen() { ::ReleaseDC(NULL, m_hDC); }
    COLORREF At(CPoint point) const { return ::GetPixel(m_hDC, point.x, point.y); }
    int Count(const CRect& area, COLORREF color) const
    {
        int nCount = 0;
        for (int y = area.top; y < area.bottom; y++)
            for (int x = area.left; x < area.right; x++)
                nCount += At(CPoint(x, y)) == color;
        return nCount;
    }

private:
    HDC m_hDC;
};

TEST(Showcase, BaseLookDrawsWhatItsRulesSay)
{
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager));
    Showcase showcase;
    ASSERT_TRUE(showcase.Open());
    LetTheDesktopCatchUp();
    showcase.Repaint();
    LetTheDesktopCatchUp();
    CVrxPGlobals& g = VrxPGlobals();
    Screen screen;

    CPoint origin(0, 0);
    showcase.Sampler().ClientToScreen(&origin);
    const CRect gripper = Moved(LookSampler::GripperRect(), origin);
    // A classic gripper of a 10-pixel rectangle: lines at 3 and 7 from its left.
    const int y = gripper.CenterPoint().y;
    EXPECT_EQ(g.colorBarLightEdge, screen.At(CPoint(gripper.left + 3, y)));
    EXPECT_EQ(g.colorBarShade, screen.At(CPoint(gripper.left + 5, y)));
    EXPECT_EQ(g.colorBarLightEdge, screen.At(CPoint(gripper.left + 7, y)));
    EXPECT_EQ(g.colorBarShade, screen.At(CPoint(gripper.left + 9, y)));

    const CRect box = Moved(LookSampler::CheckBoxRect(0), origin);
    EXPECT_EQ(g.colorBarDarkShade, screen.At(CPoint(box.left + 1, box.top + 7)));
    EXPECT_EQ(g.colorBarLightEdge, screen.At(CPoint(box.right - 2, box.top + 7)));
    EXPECT_EQ(g.colorWindow, screen.At(CPoint(box.left + 7, box.top + 7)));

    const CRect progress = Moved(LookSampler::ProgressRect(), origin);
    EXPECT_EQ(g.colorSelection, screen.At(CPoint(progress.left + 10, progress.top + 2)));
    EXPECT_EQ(g.colorBarFace, screen.At(CPoint(progress.right - 10, progress.top + 2))) << "60 percent filled";

    // A special task group's caption, beside the window-coloured pane.
    const CRect tasks = Moved(LookSampler::TasksPaneRect(), origin);
    EXPECT_EQ(g.colorSelection, screen.At(CPoint(tasks.right - 40, tasks.top + 8)));
    EXPECT_EQ(g.colorWindow, screen.At(CPoint(tasks.left + 3, tasks.top + 180)));
    // The outlook pane's own background (its default colour) between its
    // page buttons.
    const CRect outlook = Moved(LookSampler::OutlookPaneRect(), origin);
    EXPECT_EQ(RGB(128, 128, 128), screen.At(CPoint(outlook.left + 5, outlook.top + 40)));

    // The Output pane's pin button shows its glyph, in a raised frame.
    CRect rectPane;
    showcase.Output().GetWindowRect(&rectPane);
    const CVrxPMiniFrameTitleButton* pPin = showcase.Output().FindCaptionButton(CVrxPMiniFrameTitleButton::hitPin);
    ASSERT_NE(nullptr, pPin);
    ASSERT_FALSE(pPin->hidden);
    const CRect pin = Moved(pPin->GetRect(), rectPane.TopLeft());
    ASSERT_FALSE(pin.IsRectEmpty());
    EXPECT_EQ(g.colorBarLight, screen.At(pin.TopLeft()));
    EXPECT_EQ(g.colorBarDarkShade, screen.At(CPoint(pin.right - 1, pin.bottom - 1)));
    CRect inside = pin;
    inside.DeflateRect(2, 2);
    // The glyph takes the caption's text colour: white on a dark caption.
    const COLORREF text = g.colorInactiveCaptionText;
    const BOOL bLight = GetRValue(text) > 192 && GetGValue(text) > 192 && GetBValue(text) > 192;
    EXPECT_GT(screen.Count(inside, bLight ? RGB(255, 255, 255) : RGB(0, 0, 0)), 4) << "the pin glyph";

    windriver::save_screen(g_shot);
}
// Not a check: prints figures when asked for with
// --gtest_also_run_disabled_tests --gtest_filter=*Benchmark*.
TEST(Showcase, DISABLED_Benchmark)
{
    EXPECT_EQ(0, RunLookBenchmark());
}
} // namespace

int main(int argc, char** argv)
{
    g_shot = windriver::shot_path(argc, argv, g_shot);
    ::testing::InitGoogleTest(&argc, argv);
    VrxPStartLibrary();
    return RUN_ALL_TESTS();
}
