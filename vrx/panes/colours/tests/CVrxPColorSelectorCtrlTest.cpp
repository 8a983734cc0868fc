#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "tests/RealInput.h"
#include "colours/tests/SelectorHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace
{
using Mode = CVrxPColorSelectorCtrl::Mode;

void Settle()
{
    PumpMessages(150);
}

int CountNotices(const SelectorHost& host, int nCode)
{
    int nCount = 0;
    for (const auto& notice : host.notices)
        nCount += notice.code == nCode;
    return nCount;
}
} // namespace

TEST(ColorSelectorCtrl, CreationMakesAnOwnerDrawnButton)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(200, 160)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modePreview, CRect(10, 10, 60, 70));
    ASSERT_NE(pSelector, nullptr);
    const DWORD dwStyle = static_cast<DWORD>(pSelector->GetStyle());
    EXPECT_EQ(dwStyle & 0x0F, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(pSelector->SendMessage(WM_GETDLGCODE), static_cast<LRESULT>(DLGC_WANTARROWS));
}

TEST(ColorSelectorCtrl, PreviewShowsNewAboveInitialInsideADarkFrame)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(200, 160)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modePreview, CRect(10, 10, 60, 70));
    pSelector->SetOriginalColor(RGB(0, 0, 255));
    pSelector->SetRGB(255, 0, 0);
    Settle();
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(25, 10)), RGB(255, 0, 0));
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(25, 50)), RGB(0, 0, 255));
    const COLORREF frame = VrxPGlobals().colorDarkShade;
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(0, 0)), frame);
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(49, 59)), frame);
}

TEST(ColorSelectorCtrl, ClickOnAHoneycombCellPicksItsColour)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(200, 160)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modeHoneycomb, CRect(10, 10, 140, 140));
    pSelector->SetColor(RGB(1, 2, 3));
    Settle();
    ASSERT_EQ(pSelector->Cells().size(), 127u);
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(65, 65)), RGB(255, 255, 255));

    // The centre cell: white.
    PlayInput({MoveTo(host.ToScreen(*pSelector, CPoint(65, 65))), PressAt(host.ToScreen(*pSelector, CPoint(65, 65))),
               ReleaseAt(host.ToScreen(*pSelector, CPoint(65, 65)))});
    Settle();
    EXPECT_EQ(pSelector->GetColor(), RGB(255, 255, 255));
    ASSERT_EQ(CountNotices(host, BN_CLICKED), 1);
    EXPECT_EQ(host.notices[0].id, 100);

    // A ring cell: its own snapped colour, drawn on the screen.
    const CVrxPColorHexCell& cell = pSelector->Cells()[20];
    const CPoint centre(cell.x, cell.y);
    PlayInput({MoveTo(host.ToScreen(*pSelector, centre)), PressAt(host.ToScreen(*pSelector, centre)),
               ReleaseAt(host.ToScreen(*pSelector, centre))});
    Settle();
    EXPECT_EQ(pSelector->GetColor(), cell.color);
    EXPECT_EQ(CountNotices(host, BN_CLICKED), 2);
    // The selected cell wears a black outline inside its edge, and its
    // middle keeps its colour.
    EXPECT_EQ(host.ScreenPixel(*pSelector, centre), cell.color);
    host.SavePicture("colour_selector_honeycomb");
}

TEST(ColorSelectorCtrl, ClickBetweenCellsSendsNothing)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(200, 160)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modeHoneycomb, CRect(10, 10, 140, 140));
    pSelector->SetColor(RGB(1, 2, 3));
    Settle();
    // The top-left corner lies outside the honeycomb.
    const CPoint corner(2, 2);
    for (const CVrxPColorHexCell& cell : pSelector->Cells())
        ASSERT_FALSE(cell.Contains(corner));
    PlayInput({MoveTo(host.ToScreen(*pSelector, corner)), PressAt(host.ToScreen(*pSelector, corner)),
               ReleaseAt(host.ToScreen(*pSelector, corner))});
    Settle();
    EXPECT_TRUE(host.notices.empty());
    EXPECT_EQ(pSelector->GetColor(), RGB(1, 2, 3));
}

TEST(ColorSelectorCtrl, GreyRowPicksItsLevels)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(300, 100)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modeGreys, CRect(10, 10, 270, 50));
    Settle();
    ASSERT_EQ(pSelector->Cells().size(), 17u);
    const CVrxPColorHexCell& black = pSelector->Cells()[16];
    const CPoint point(black.x, black.y);
    PlayInput({MoveTo(host.ToScreen(*pSelector, point)), PressAt(host.ToScreen(*pSelector, point)),
               ReleaseAt(host.ToScreen(*pSelector, point))});
    Settle();
    EXPECT_EQ(pSelector->GetColor(), RGB(0, 0, 0));
    EXPECT_EQ(CountNotices(host, BN_CLICKED), 1);
}

TEST(ColorSelectorCtrl, LuminanceKeysStopAtTheEnds)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(200, 160)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modeLuminanceBar, CRect(10, 10, 40, 150));
    pSelector->SetHLS(0.0, 1.0, 1.0, TRUE);
    pSelector->SetFocus();
    Settle();

    PlayInput({KeyDown(VK_UP), KeyUp(VK_UP)});
    Settle();
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    pSelector->GetHLS(&dHue, &dLuminance, &dSaturation);
    EXPECT_EQ(dLuminance, 1.0);
    EXPECT_TRUE(host.notices.empty());

    PlayInput({KeyDown(VK_DOWN), KeyUp(VK_DOWN), KeyDown(VK_DOWN), KeyUp(VK_DOWN)});
    Settle();
    pSelector->GetHLS(&dHue, &dLuminance, &dSaturation);
    EXPECT_NEAR(dLuminance, 0.9, 1e-9);
    EXPECT_EQ(CountNotices(host, BN_CLICKED), 2);
    EXPECT_EQ(pSelector->GetColor(), CVrxPPainter::ColorFromHLS(0.0, dLuminance, 1.0));
}

TEST(ColorSelectorCtrl, LuminanceBarFollowsTheMouse)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(200, 160)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modeLuminanceBar, CRect(10, 10, 40, 150));
    pSelector->SetHLS(0.5, 0.5, 1.0, TRUE);
    Settle();
    // Rows run from 5 to 135: y 70 is luminance 65 / 130.
    const CPoint point = host.ToScreen(*pSelector, CPoint(10, 70));
    PlayInput({MoveTo(point), PressAt(point), ReleaseAt(point)});
    Settle();
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    pSelector->GetHLS(&dHue, &dLuminance, &dSaturation);
    EXPECT_NEAR(dLuminance, 65.0 / 130.0, 1e-9);
    EXPECT_EQ(dHue, 0.5);
    // The bar's row at y shows the luminance of that row.
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(5, 5)), CVrxPPainter::ColorFromHLS(0.5, 1.0, 1.0));
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(5, 134)), CVrxPPainter::ColorFromHLS(0.5, 1.0 / 130, 1.0));
}

TEST(ColorSelectorCtrl, ShiftDragInTheSpectrumChangesOnlyTheHue)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(260, 160)));
    CVrxPColorSelectorCtrl* pSelector = host.Add(Mode::modeSpectrum, CRect(10, 10, 210, 110));
    pSelector->SetHLS(0.0, 0.5, 0.0, TRUE);
    Settle();
    // Saturation falls from the top row to none at the bottom row (99);
    // the hue runs along x.
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(100, 1)), CVrxPPainter::ColorFromHLS(0.5, 0.5, 1.0 - 1.0 / 99));
    EXPECT_EQ(host.ScreenPixel(*pSelector, CPoint(50, 50)), CVrxPPainter::ColorFromHLS(0.25, 0.5, 1.0 - 50.0 / 99));

    const CPoint start = host.ToScreen(*pSelector, CPoint(50, 25));
    const CPoint end = host.ToScreen(*pSelector, CPoint(150, 80));
    PlayInput({MoveTo(start), PressAt(start), KeyDown(VK_SHIFT), MoveTo(end), ReleaseAt(end), KeyUp(VK_SHIFT)});
    Settle();
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    pSelector->GetHLS(&dHue, &dLuminance, &dSaturation);
    EXPECT_NEAR(dHue, 150.0 / 200.0, 1e-9);
    EXPECT_NEAR(dSaturation, 1.0 - 25.0 / 100.0, 1e-9);

    // Ctrl keeps the hue while the saturation follows.
    PlayInput({MoveTo(start), PressAt(start), KeyDown(VK_CONTROL), MoveTo(end), ReleaseAt(end), KeyUp(VK_CONTROL)});
    Settle();
    pSelector->GetHLS(&dHue, &dLuminance, &dSaturation);
    EXPECT_NEAR(dHue, 50.0 / 200.0, 1e-9);
    EXPECT_NEAR(dSaturation, 1.0 - 80.0 / 100.0, 1e-9);
    EXPECT_EQ(pSelector->GetColor(), CVrxPPainter::ColorFromHLS(dHue, 0.5, dSaturation));
}

TEST(ColorSelectorCtrl, AllFacesPicture)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(430, 200)));
    CVrxPColorSelectorCtrl* pPreview = host.Add(Mode::modePreview, CRect(10, 10, 50, 90));
    CVrxPColorSelectorCtrl* pBar = host.Add(Mode::modeLuminanceBar, CRect(60, 10, 90, 140));
    CVrxPColorSelectorCtrl* pSpectrum = host.Add(Mode::modeSpectrum, CRect(100, 10, 240, 140));
    CVrxPColorSelectorCtrl* pHoneycomb = host.Add(Mode::modeHoneycomb, CRect(250, 10, 380, 140));
    CVrxPColorSelectorCtrl* pGreys = host.Add(Mode::modeGreys, CRect(250, 145, 420, 190));
    ASSERT_TRUE(pPreview && pBar && pSpectrum && pHoneycomb && pGreys);
    pPreview->SetOriginalColor(RGB(0, 128, 0));
    pPreview->SetRGB(255, 128, 0);
    pBar->SetHLS(0.08, 0.5, 1.0, TRUE);
    pSpectrum->SetHLS(0.08, 0.5, 1.0, TRUE);
    pHoneycomb->SetColor(RGB(255, 255, 255));
    pGreys->SetColor(RGB(128, 128, 128));
    Settle();
    EXPECT_TRUE(host.SavePicture("colour_selector_faces"));
    // The preview's halves.
    EXPECT_EQ(host.ScreenPixel(*pPreview, CPoint(20, 20)), RGB(255, 128, 0));
    EXPECT_EQ(host.ScreenPixel(*pPreview, CPoint(20, 60)), RGB(0, 128, 0));
}

// Controls squeezed to nothing still paint and take clicks and keys, and
// keep their values in range: no size becomes a divisor.
TEST(ColorSelectorCtrl, TinyControlsKeepTheirValuesInRange)
{
    SelectorHost host;
    ASSERT_TRUE(host.Open(CSize(200, 160)));
    const Mode modes[] = {Mode::modePreview, Mode::modeLuminanceBar, Mode::modeSpectrum, Mode::modeHoneycomb,
                          Mode::modeGreys};
    const CSize sizes[] = {CSize(0, 0), CSize(1, 1), CSize(2, 10), CSize(10, 2), CSize(11, 11)};
    for (Mode mode : modes)
        for (const CSize& size : sizes)
        {
            SCOPED_TRACE(std::to_string(mode) + " at " + std::to_string(size.cx) + "x" + std::to_string(size.cy));
            CVrxPColorSelectorCtrl* pSelector = host.Add(mode, CRect(CPoint(20, 20), size));
            ASSERT_NE(pSelector, nullptr);
            pSelector->SetLuminanceBarWidth(14);
            pSelector->SetHLS(0.25, 0.5, 0.75, TRUE);
            pSelector->UpdateWindow();
            for (CPoint point : {CPoint(0, 0), CPoint(size.cx, size.cy)})
            {
                pSelector->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
                pSelector->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
                pSelector->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
            }
            for (WPARAM key : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT})
                pSelector->SendMessage(WM_KEYDOWN, key, 0);
            double values[3] = {};
            pSelector->GetHLS(&values[0], &values[1], &values[2]);
            for (double dValue : values)
            {
                EXPECT_TRUE(std::isfinite(dValue));
                EXPECT_GE(dValue, 0.0);
                EXPECT_LE(dValue, 1.0);
            }
            pSelector->DestroyWindow();
        }
}
