// The caption-button records: their glyphs, places, standard size, drawing
// by state and the menu button's menu.

#include "app/AfxRegisterWndClass.h"
#include "docking/CVrxPFrameTitleButton.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameTitleMenuButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"
#include "windows/CWnd.h"

#include <gtest/gtest.h>

// A look whose caption buttons are one pixel larger on every side.
class WideButtonLook : public CVrxPVisualManager
{
    DECLARE_DYNCREATE(WideButtonLook)
public:
    CSize QueryCaptionButtonExtraSize() override { return CSize(2, 2); }
};
IMPLEMENT_DYNCREATE(WideButtonLook, CVrxPVisualManager)

namespace
{
using Button = CVrxPMiniFrameTitleButton;

struct GlyphCase
{
    int hit;
    BOOL horizontal;
    int state;
    int glyph;
};

TEST(CaptionButtonRecord, GlyphByHitCodeOrientationAndState)
{
    const GlyphCase cases[] = {
        {Button::hitMenu, TRUE, 0, 1},          {Button::hitMenu, TRUE, 1, 9},
        {Button::hitMenu, FALSE, 0, 7},         {Button::hitMenu, FALSE, 1, 13},
        {Button::hitPin, TRUE, 0, 16},          {Button::hitPin, FALSE, 2, 15},
        {Button::hitPaneClose, FALSE, 1, 5},    {Button::hitFrameClose, TRUE, 0, 5},
        {Button::hitBack, TRUE, 0, 27},         {Button::hitForward, TRUE, 0, 28},
        {Button::hitMenuButton, TRUE, 0, 13},   {26, TRUE, 0, -1},
        {27, FALSE, 1, -1},                     {0, TRUE, 0, -1},
    };
    for (const GlyphCase& c : cases)
        EXPECT_EQ(c.glyph, Button(c.hit, FALSE).GetImageIndex(c.horizontal, c.state))
            << "hit " << c.hit << ", horizontal " << c.horizontal << ", state " << c.state;
}

TEST(CaptionButtonRecord, StartsUntouchedAndKeepsItsIdentity)
{
    const Button button(Button::hitPin, TRUE);
    EXPECT_EQ(Button::hitPin, button.HitCode());
    EXPECT_TRUE(button.leftSide);
    EXPECT_TRUE(button.enabled);
    EXPECT_FALSE(button.pushed || button.highlighted || button.hidden || button.dropped || button.addedByFrame);
    EXPECT_EQ(static_cast<COLORREF>(-1), button.glyphColor);
    EXPECT_EQ(0, Button().HitCode());
    EXPECT_FALSE(Button().leftSide);
}

TEST(CaptionButtonRecord, StandardSizeFollowsTheLook)
{
    CVrxPVisualManager::SelectClass(nullptr);
    EXPECT_EQ(CSize(15, 17), Button::GetStandardSize()) << "9 x 9 glyph, borders 3 and 4";
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(WideButtonLook));
    EXPECT_EQ(CSize(17, 19), Button::GetStandardSize());
    Button button(Button::hitPaneClose, FALSE);
    button.x = 10;
    button.y = 4;
    EXPECT_EQ(CRect(10, 4, 27, 23), button.GetRect());
    CVrxPVisualManager::SelectClass(nullptr);
}

TEST(CaptionButtonRecord, AHiddenButtonIsEmptyAtItsPlace)
{
    Button button(Button::hitPin, FALSE);
    button.x = 30;
    button.y = 2;
    EXPECT_EQ(CRect(30, 2, 45, 19), button.GetRect());
    button.hidden = TRUE;
    EXPECT_EQ(CRect(30, 2, 30, 2), button.GetRect());

    CVrxPFrameTitleButton frameButton(27);
    frameButton.rect = CRect(100, 3, 126, 21);
    frameButton.hidden = TRUE;
    EXPECT_EQ(CRect(100, 3, 126, 21), frameButton.GetRect()) << "a frame button answers its own rectangle";
    EXPECT_EQ(-1, frameButton.GetImageIndex(TRUE, 0));
}

// A 32-bit picture the buttons draw into, filled with a colour no look uses.
class ButtonCanvas
{
public:
    static constexpr COLORREF background = RGB(10, 200, 30);

    ButtonCanvas()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = 30;
        info.bmiHeader.biHeight = -30;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, nullptr, NULL, 0);
        m_hDC = ::CreateCompatibleDC(NULL);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        CRect rect(0, 0, 30, 30);
        HBRUSH hBrush = ::CreateSolidBrush(background);
        ::FillRect(m_hDC, &rect, hBrush);
        ::DeleteObject(hBrush);
    }
    ~ButtonCanvas()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteDC(m_hDC);
        ::DeleteObject(m_hBitmap);
    }
    CDC* DC() { return CDC::FromHandle(m_hDC); }
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    int Count(COLORREF color) const
    {
        int nCount = 0;
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 30; x++)
                nCount += At(x, y) == color;
        return nCount;
    }

private:
    HBITMAP m_hBitmap;
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// With the base look an enabled button has a raised frame whose top-left
// pixel is bar light; a disabled one has no frame and a grey glyph.
TEST(CaptionButtonDrawing, DisabledByTheRecordOrByTheCaller)
{
    CVrxPVisualManager::SelectClass(nullptr);
    const COLORREF light = VrxPGlobals().colorBarLight;
    struct DrawCase
    {
        BOOL menuButton;
        BOOL enabled;
        BOOL forceDisabled;
        BOOL drawnDisabled;
    };
    const DrawCase cases[] = {
        {FALSE, TRUE, FALSE, FALSE}, {FALSE, FALSE, FALSE, TRUE}, {FALSE, TRUE, TRUE, TRUE},
        {TRUE, FALSE, FALSE, FALSE}, {TRUE, TRUE, TRUE, TRUE},
    };
    for (const DrawCase& c : cases)
    {
        ButtonCanvas canvas;
        CVrxPMiniFrameTitleMenuButton menuButton(Button::hitPaneClose, FALSE);
        Button plainButton(Button::hitPaneClose, FALSE);
        Button& button = c.menuButton ? static_cast<Button&>(menuButton) : plainButton;
        button.x = 5;
        button.y = 5;
        button.enabled = c.enabled;
        button.Draw(canvas.DC(), TRUE, TRUE, 0, c.forceDisabled);
        const char* what = c.menuButton ? "menu button" : "button";
        EXPECT_EQ(c.drawnDisabled ? ButtonCanvas::background : light, canvas.At(5, 5)) << what;
        EXPECT_EQ(c.drawnDisabled, canvas.Count(CVrxPMenuGlyphs::greyColor) > 0) << what;
    }
}

TEST(CaptionButtonDrawing, AHiddenButtonDrawsNothing)
{
    ButtonCanvas canvas;
    Button pin(Button::hitPin, FALSE);
    CVrxPMiniFrameTitleMenuButton menu(Button::hitMenu, FALSE);
    for (Button* pButton : {&pin, static_cast<Button*>(&menu)})
    {
        pButton->hidden = TRUE;
        pButton->Draw(canvas.DC(), TRUE, TRUE, 1, FALSE);
    }
    EXPECT_EQ(30 * 30, canvas.Count(ButtonCanvas::background));
}

// The menu closes by itself a moment after it opened; what the button
// showed meanwhile is kept.
struct MenuWatch
{
    BOOL pushedWhileOpen = FALSE;
    BOOL openWhileOpen = FALSE;
    BOOL sawMenu = FALSE;
};
MenuWatch g_watch;
CVrxPMiniFrameTitleMenuButton* g_pWatched = nullptr;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(NULL, nId);
    g_watch.pushedWhileOpen = g_pWatched->pushed;
    g_watch.openWhileOpen = g_pWatched->menuOpen;
    g_watch.sawMenu = ::FindWindow("#32768", nullptr) != NULL;
    ::EndMenu();
}

TEST(CaptionMenuButton, ShowMenuPushesTheButtonWhileTheMenuIsOpen)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              CRect(50, 50, 350, 250), nullptr, 0));
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, 101, "First");
    ::AppendMenu(hMenu, MF_STRING, 102, "Second");
    CVrxPMiniFrameTitleMenuButton button(Button::hitMenuButton, FALSE);
    button.x = 40;
    button.y = 3;
    button.chosenCommand = 55;
    g_watch = MenuWatch();
    g_pWatched = &button;
    ::SetTimer(NULL, 0, 200, CloseMenu);
    button.ShowMenu(hMenu, &host);
    EXPECT_TRUE(g_watch.sawMenu);
    EXPECT_TRUE(g_watch.pushedWhileOpen);
    EXPECT_TRUE(g_watch.openWhileOpen);
    EXPECT_FALSE(button.pushed);
    EXPECT_FALSE(button.menuOpen);
    EXPECT_EQ(0u, button.chosenCommand) << "closed without a choice";
    ::DestroyMenu(hMenu);
    host.DestroyWindow();
}
} // namespace
