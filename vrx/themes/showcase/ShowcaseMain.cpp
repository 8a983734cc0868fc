// The showcase in a virtual desktop, in the look its picture's name gives
// ("showcase-<look>"): pixels the look's rules place are probed on the
// screen, and the screen is kept.

#include "Showcase.h"

#include "LookBenchmark.h"
#include "ScreenPicture.h"
#include "ShowcaseLooks.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/VrxPLibrary.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/2007/CVrxPVisualManager2007.h"
#include "themes/CVrxPVisualManager.h"
#include "themes/xp/CVrxPVisualManagerXP.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

class ShowcaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SelectShowcaseLook(ShowcaseLookOfShot(g_shot));
        ASSERT_TRUE(showcase.Open());
        LetTheDesktopCatchUp();
        showcase.Repaint();
        LetTheDesktopCatchUp();
        showcase.Sampler().ClientToScreen(&origin);
    }
    void TearDown() override { windriver::save_screen(g_shot); }

    Showcase showcase;
    CPoint origin = CPoint(0, 0);
};

TEST_F(ShowcaseTest, BaseLookDrawsWhatItsRulesSay)
{
    if (ShowcaseLookOfShot(g_shot).lookClass != RUNTIME_CLASS(CVrxPVisualManager))
        GTEST_SKIP() << "the showcase is in another look";
    CVrxPGlobals& g = VrxPGlobals();
    Screen screen;
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
    // The outlook pane's own background (its default colour, the system's
    // shadow colour) between its page buttons.
    const CRect outlook = Moved(LookSampler::OutlookPaneRect(), origin);
    EXPECT_EQ(g.colorShade, screen.At(CPoint(outlook.left + 5, outlook.top + 40)));

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
}

// The XP look, and the theme look as far as it is the XP look.
TEST_F(ShowcaseTest, XPLooksDrawWhatTheirRulesSay)
{
    CVrxPVisualManagerXP* pLook = dynamic_cast<CVrxPVisualManagerXP*>(CVrxPVisualManager::Instance());
    const std::string name = ShowcaseLookOfShot(g_shot).name;
    if (pLook == nullptr || (name != "xp" && name != "winxp"))
        GTEST_SKIP() << "the showcase is in another look";
    Screen screen;

    // The gripper: a 3-pixel strip through the centre, 5 pixels short at both
    // ends, its rows alternately in the toolbar and the gripper colour.
    const CRect gripper = Moved(LookSampler::GripperRect(), origin);
    const int x = gripper.CenterPoint().x - 1;
    const CRect strip(x, gripper.top + 5, x + 3, gripper.bottom - 5);
    EXPECT_EQ(strip.Width() * strip.Height() / 2, screen.Count(strip, pLook->gripperColor));
    EXPECT_EQ(strip.Width() * strip.Height() / 2, screen.Count(strip, pLook->toolbarColor));

    // A bar without a window has no rebar to draw its gripper from, themed
    // or not; the rest of what the theme look draws follows the theme where
    // the desktop has one (Wine has its own).
    const CRect item = Moved(CRect(14, 224, 166, 242), origin);
    if (pLook->HasWindowTheme())
    {
        // Menus keep the base look's selection under a theme.
        CVrxPGlobals& g = VrxPGlobals();
        EXPECT_EQ(g.colorSelection, screen.At(CPoint(item.left, item.top + 3)));
        const CRect selection = Moved(LookSampler::CustomizeRowRect(), origin);
        EXPECT_EQ(g.colorMenuText, screen.At(CPoint(selection.left, selection.top + 9)));
        EXPECT_EQ(g.colorSelection, screen.At(CPoint(selection.left + 3, selection.top + 3)));
        return;
    }

    // The hot toolbar button: a tint inside a one-pixel frame.
    const CRect hot = Moved(CRect(566, 56, 600, 80), origin);
    EXPECT_EQ(pLook->highlightFrameColor, screen.At(CPoint(hot.left, hot.top + 12)));
    EXPECT_EQ(pLook->highlightColor, screen.At(CPoint(hot.left + 3, hot.top + 3)));

    // The highlighted menu item, one pixel in from the menu's item rectangle.
    EXPECT_EQ(pLook->highlightFrameColor, screen.At(CPoint(item.left + 1, item.top + 9)));
    EXPECT_EQ(pLook->highlightColor, screen.At(CPoint(item.left + 4, item.top + 3)));

    // The customise list's selection starts at the list's left edge, not
    // left of the list.
    const CRect row = Moved(LookSampler::CustomizeRowRect(), origin);
    EXPECT_EQ(pLook->highlightFrameColor, screen.At(CPoint(row.left, row.top + 9)));
    EXPECT_EQ(pLook->highlightColor, screen.At(CPoint(row.left + 3, row.top + 3)));
    EXPECT_EQ(0, screen.Count(CRect(row.left - 20, row.top, row.left, row.bottom), pLook->highlightColor));
}

// The 2003 look and korvo's default look, which derives from it: dot
// grippers and gradient caption bars in the colours of their palette.
TEST_F(ShowcaseTest, GradientLooksDrawWhatTheirRulesSay)
{
    CVrxPVisualManager2003* pLook = dynamic_cast<CVrxPVisualManager2003*>(CVrxPVisualManager::Instance());
    if (pLook == nullptr)
        GTEST_SKIP() << "the showcase is in another look";
    ASSERT_TRUE(CVrxPVisualManager2003::IsRichColor()) << "the desktop shows more than 256 colours";
    Screen screen;

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

    // The outlook splitter of 8 pixels: ten 2-pixel dots 5 apart, centred,
    // each with its light shadow one pixel down and right.
    const CRect splitter = Moved(LookSampler::OutlookSplitterRect(), origin);
    const int x0 = splitter.CenterPoint().x - 25;
    for (int i = 0; i < 10; i++)
    {
        EXPECT_EQ(pLook->frameColor, screen.At(CPoint(x0 + 5 * i, splitter.top + 2))) << "dot " << i;
        EXPECT_EQ(VrxPGlobals().colorLightEdge, screen.At(CPoint(x0 + 5 * i + 2, splitter.top + 4))) << "dot " << i;
    }
    EXPECT_EQ(40, screen.Count(splitter, pLook->frameColor)) << "no dot outside the row";
}

// The 2007 look with the showcase's blue style: the bars are painted in the
// style's bar face, not the 2003 scheme's.
TEST_F(ShowcaseTest, The2007LookPaintsWithItsStyle)
{
    CVrxPVisualManager2007* pLook = dynamic_cast<CVrxPVisualManager2007*>(CVrxPVisualManager::Instance());
    if (pLook == nullptr)
        GTEST_SKIP() << "the showcase is in another look";
    ASSERT_TRUE(pLook->IsStyleInForce());
    EXPECT_EQ(1, pLook->GetStyleType());
    const CVrxPGlobals& g = VrxPGlobals();
    EXPECT_EQ(RGB(191, 219, 255), g.colorBarFace);
    EXPECT_EQ(RGB(255, 231, 162), g.colorSelection);
    Screen screen;
    // The gripper's dots sit on the bar face left of their strip.
    const CRect gripper = Moved(LookSampler::GripperRect(), origin);
    EXPECT_EQ(g.colorBarLightEdge, screen.At(CPoint(gripper.right - 2, gripper.top + 4)));
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
