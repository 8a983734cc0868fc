// The showcase in a virtual desktop, in the look its picture is named for
// ("showcase-<look>"): pixels the look's rules place are probed on the
// screen, and the screen is kept.

#include "Showcase.h"

#include "LookBenchmark.h"
#include "ScreenPicture.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/VrxPLibrary.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/CVrxPVisualManager.h"
#include "themes/vs2005/CVrxPVisualManagerVS2005.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
std::string g_shot = "showcase-base.bmp";

// The look the picture's name asks for; the base look when it names none.
CRuntimeClass* LookOfShot()
{
    if (g_shot.find("showcase-vs2005") != std::string::npos)
        return RUNTIME_CLASS(CVrxPVisualManagerVS2005);
    if (g_shot.find("showcase-2003") != std::string::npos)
        return RUNTIME_CLASS(CVrxPVisualManager2003);
    return RUNTIME_CLASS(CVrxPVisualManager);
}

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
    if (LookOfShot() != RUNTIME_CLASS(CVrxPVisualManager))
        GTEST_SKIP() << "the picture is of another look";
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
// The 2003 look and korvo's default look, which derives from it: dot
// grippers and gradient caption bars in the colours of their palette.
TEST(Showcase, GradientLooksDrawWhatTheirRulesSay)
{
    CRuntimeClass* pLookClass = LookOfShot();
    if (!pLookClass->IsDerivedFrom(RUNTIME_CLASS(CVrxPVisualManager2003)))
        GTEST_SKIP() << "the picture is of another look";
    CVrxPVisualManager::SelectClass(pLookClass);
    Showcase showcase;
    ASSERT_TRUE(showcase.Open());
    LetTheDesktopCatchUp();
    showcase.Repaint();
    LetTheDesktopCatchUp();
    CVrxPVisualManager2003* pLook = dynamic_cast<CVrxPVisualManager2003*>(CVrxPVisualManager::Instance());
    ASSERT_NE(nullptr, pLook);
    ASSERT_TRUE(CVrxPVisualManager2003::IsRichColor()) << "the desktop shows more than 256 colours";
    Screen screen;
    CPoint origin(0, 0);
    showcase.Sampler().ClientToScreen(&origin);

    // A 40-pixel gripper: nine dots in its rightmost four pixels, from 2 down.
    const CRect gripper = Moved(LookSampler::GripperRect(), origin);
    for (int i = 0; i < 9; i++)
    {
        const int y = gripper.top + 2 + 4 * i;
        EXPECT_EQ(pLook->frameColor, screen.At(CPoint(gripper.right - 4, y))) << "dot " << i;
        EXPECT_EQ(VrxPGlobals().colorLightEdge, screen.At(CPoint(gripper.right - 2, y + 2))) << "dot " << i;
    }
    EXPECT_EQ(0, screen.Count(CRect(gripper.left, gripper.top, gripper.right - 4, gripper.bottom), pLook->frameColor))
        << "nothing left of the strip";

    // The caption bar's gradient ends in its dark colour at the bottom and
    // its light colour at the top, each within the few of its 64 bands that
    // share an end row.
    const CRect captionBar = Moved(LookSampler::CaptionBarRect(), origin);
    auto isNear = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= 3 && std::abs(GetGValue(a) - GetGValue(b)) <= 3 &&
               std::abs(GetBValue(a) - GetBValue(b)) <= 3;
    };
    const COLORREF bottom = screen.At(CPoint(captionBar.left + 3, captionBar.bottom - 1));
    const COLORREF top = screen.At(CPoint(captionBar.left + 3, captionBar.top));
    EXPECT_TRUE(isNear(pLook->captionGradientDark, bottom)) << std::hex << bottom;
    EXPECT_TRUE(isNear(pLook->captionGradientLight, top)) << std::hex << top;

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
