// The Windows XP theme look without a theme (as under Wine: it draws as the
// XP look, save for the operations that fall back to the base look) and
// with a test double of the visual-styles entry points, whose calls are
// recorded as (class, part, state).

#include "themes/winxp/CVrxPWinXPVisualManager.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/tests/TestCanvas.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
const COLORREF kBack = RGB(1, 2, 3);

struct Drawn
{
    std::wstring themeClass;
    int part;
    int state;
    bool operator==(const Drawn& other) const
    {
        return themeClass == other.themeClass && part == other.part && state == other.state;
    }
};

std::ostream& operator<<(std::ostream& os, const Drawn& d)
{
    return os << std::string(d.themeClass.begin(), d.themeClass.end()) << " " << d.part << "/" << d.state;
}

std::vector<std::wstring> g_opened;
std::vector<Drawn> g_drawn;
// Colours the double's theme supplies: TOOLBAR and BUTTON properties answer
// RGB(property - 3800, class, 7); other classes have none.
HTHEME WINAPI OpenThemeDouble(HWND, LPCWSTR lpszClass)
{
    g_opened.push_back(lpszClass);
    return reinterpret_cast<HTHEME>(static_cast<INT_PTR>(g_opened.size()));
}
HRESULT WINAPI CloseThemeDouble(HTHEME)
{
    return S_OK;
}
const std::wstring& ClassOf(HTHEME hTheme)
{
    return g_opened[static_cast<size_t>(reinterpret_cast<INT_PTR>(hTheme)) - 1];
}
HRESULT WINAPI DrawThemeBackgroundDouble(HTHEME hTheme, HDC, int nPart, int nState, const RECT*, const RECT*)
{
    g_drawn.push_back(Drawn{ClassOf(hTheme), nPart, nState});
    return S_OK;
}
HRESULT WINAPI GetThemeColorDouble(HTHEME hTheme, int, int, int nProperty, COLORREF* pColor)
{
    const std::wstring& name = ClassOf(hTheme);
    if (name == L"TOOLBAR")
        *pColor = RGB(nProperty - 3800, 1, 7);
    else if (name == L"BUTTON")
        *pColor = RGB(nProperty - 3800, 2, 7);
    else
        return E_FAIL;
    return S_OK;
}

CVrxPThemeWrapper::EntryPoints ThemeDouble()
{
    CVrxPThemeWrapper::EntryPoints entries;
    entries.openThemeData = OpenThemeDouble;
    entries.closeThemeData = CloseThemeDouble;
    entries.drawThemeBackground = DrawThemeBackgroundDouble;
    entries.getThemeColor = GetThemeColorDouble;
    return entries;
}

// Two canvases alike pixel for pixel.
int DifferentPixels(const TestCanvas& a, const TestCanvas& b)
{
    int nDifferent = 0;
    for (int y = 0; y < a.Height(); y++)
        for (int x = 0; x < a.Width(); x++)
            nDifferent += a.Pixel(x, y) != b.Pixel(x, y);
    return nDifferent;
}

class WinXPLookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CVrxPMenuGlyphs::EnsureLoaded());
        g.RefreshSysColors();
        g.bitsPerPixel = 32;
        g.highContrastBlack = g.highContrastWhite = FALSE;
        look.BindEntryPoints(CVrxPThemeWrapper::EntryPoints());
        look.ReloadPalette();
        xp.ReloadPalette();
        g_opened.clear();
        g_drawn.clear();
    }
    void TearDown() override
    {
        CVrxPWinXPVisualManager::themed3DTabs = FALSE;
        g.RefreshSysColors();
    }
    void UseThemeDouble()
    {
        look.BindEntryPoints(ThemeDouble());
        g_drawn.clear();
    }

    CVrxPGlobals& g = VrxPGlobals();
    CVrxPWinXPVisualManager look{TRUE};
    CVrxPVisualManagerXP xp{TRUE};
    CVrxPVisualManager base{TRUE};
};

TEST_F(WinXPLookTest, WithoutAThemeItDrawsAsTheXPLook)
{
    const std::vector<std::pair<const char*, std::function<void(CVrxPVisualManager*, CDC*)>>> draws = {
        {"hot button",
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             CVrxPToolbarButton button;
             pLook->PaintButtonFace(pDC, &button, CRect(2, 2, 30, 22), CVrxPVisualManager::stateHighlighted);
             pLook->PaintButtonFrame(pDC, &button, CRect(2, 2, 30, 22), CVrxPVisualManager::stateHighlighted);
         }},
        {"gripper",
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             CVrxPBaseControlBar bar;
             pLook->PaintBarGripper(pDC, CRect(0, 0, 10, 24), TRUE, &bar);
         }},
        {"menu item",
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             COLORREF text = 0;
             pLook->PaintMenuItemHighlight(pDC, nullptr, CRect(0, 4, 40, 20), &text);
         }},
        {"tab",
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             CVrxPBaseTabWnd tabs;
             tabs.tabs.resize(2);
             tabs.styleCode = 0;
             tabs.location = CVrxPBaseTabWnd::locationTop;
             tabs.tabArea = CRect(0, 2, 60, 22);
             tabs.activeTab = 0;
             pLook->PaintTabAreaBackground(pDC, tabs.tabArea, &tabs);
             pLook->PaintTab(pDC, CRect(0, 2, 30, 22), 0, TRUE, &tabs);
         }},
        {"caption", [](CVrxPVisualManager* pLook, CDC* pDC) {
             pLook->PaintBarCaption(pDC, nullptr, TRUE, CRect(2, 2, 58, 20), CRect());
         }}};
    for (const auto& draw : draws)
    {
        TestCanvas byLook(60, 24, kBack);
        TestCanvas byXP(60, 24, kBack);
        draw.second(&look, &byLook.DC());
        draw.second(&xp, &byXP.DC());
        EXPECT_EQ(0, DifferentPixels(byLook, byXP)) << draw.first;
        EXPECT_LT(byXP.Count(CRect(0, 0, 60, 24), kBack), 60 * 24) << draw.first << " drew nothing";
    }
}

TEST_F(WinXPLookTest, WithoutAThemeFiveOperationsDrawAsTheBaseLook)
{
    struct Draw
    {
        const char* name;
        // The XP look has its own body for it (the others differ from the
        // base look only for windows korvo does not have).
        bool xpDiffers;
        std::function<void(CVrxPVisualManager*, CDC*)> draw;
    };
    const std::vector<Draw> draws = {
        {"bar border", true,
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             CVrxPBaseControlBar bar;
             bar.barStyle = CVrxPBaseControlBar::borderAny;
             CRect rect(0, 0, 60, 24);
             pLook->PaintBarBorder(pDC, &bar, rect);
         }},
        {"mini-frame caption", false,
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             pLook->PaintMiniFrameCaption(pDC, CRect(0, 0, 60, 20), nullptr, FALSE);
         }},
        {"mini-frame border", false,
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             pLook->PaintMiniFrameBorder(pDC, nullptr, CRect(0, 0, 60, 24), CRect(4, 4, 4, 4));
         }},
        {"floating toolbar border", true,
         [](CVrxPVisualManager* pLook, CDC* pDC) {
             pLook->PaintFloatingToolbarBorder(pDC, nullptr, CRect(0, 0, 60, 24), CRect(4, 4, 4, 4));
         }},
        {"tasks pane scroll button", true, [](CVrxPVisualManager* pLook, CDC* pDC) {
             CRect rect(4, 8, 56, 22);
             pLook->PaintTasksPaneScrollButton(pDC, &rect, 4, CVrxPMenuGlyphs::arrowDown, TRUE);
         }}};
    for (const Draw& d : draws)
    {
        TestCanvas byLook(60, 24, kBack);
        TestCanvas byBase(60, 24, kBack);
        TestCanvas byXP(60, 24, kBack);
        d.draw(&look, &byLook.DC());
        d.draw(&base, &byBase.DC());
        d.draw(&xp, &byXP.DC());
        EXPECT_EQ(0, DifferentPixels(byLook, byBase)) << d.name;
        EXPECT_LT(byBase.Count(CRect(0, 0, 60, 24), kBack), 60 * 24) << d.name << " drew nothing";
        if (d.xpDiffers)
        {
            EXPECT_GT(DifferentPixels(byXP, byBase), 0) << d.name << ": the XP look draws it otherwise";
        }
    }
    TestCanvas canvas(60, 20, kBack);
    EXPECT_EQ(base.PaintMiniFrameCaption(&canvas.DC(), CRect(0, 0, 60, 20), nullptr, FALSE),
              look.PaintMiniFrameCaption(&canvas.DC(), CRect(0, 0, 60, 20), nullptr, FALSE));
}

TEST_F(WinXPLookTest, QueriesFollowTheOpenWindowTheme)
{
    EXPECT_FALSE(look.HasWindowTheme());
    EXPECT_EQ(CSize(0, 0), look.QueryButtonExtraSize());
    EXPECT_EQ(3, look.QueryDockingCaptionExtraHeight());
    EXPECT_EQ(1, look.QueryMenuOffset());
    EXPECT_FALSE(look.ConnectsMenuToButton());
    EXPECT_TRUE(look.shadeHotImages) << "no theme: hot images keep their shade";
    UseThemeDouble();
    look.ReloadPalette();
    EXPECT_TRUE(look.HasWindowTheme());
    EXPECT_EQ(CSize(2, 2), look.QueryButtonExtraSize());
    EXPECT_EQ(CSize(1, 1), look.QueryCaptionButtonExtraSize());
    EXPECT_TRUE(look.TracksHotTabAlways());
    EXPECT_FALSE(look.shadeHotImages);
}

TEST_F(WinXPLookTest, ThemeColoursReplaceTheGlobalsAndMissingOnesStay)
{
    const COLORREF windowBefore = g.colorWindow;
    UseThemeDouble();
    look.ReloadPalette();
    EXPECT_EQ(RGB(3, 1, 7), g.colorBarText);
    EXPECT_EQ(RGB(2, 1, 7), g.colorBarFace);
    EXPECT_EQ(RGB(4, 1, 7), g.colorBarLight);
    EXPECT_EQ(RGB(5, 1, 7), g.colorBarLightEdge);
    EXPECT_EQ(RGB(6, 1, 7), g.colorBarShade);
    EXPECT_EQ(RGB(7, 1, 7), g.colorBarDarkShade);
    EXPECT_EQ(RGB(3, 2, 7), g.colorButtonText);
    EXPECT_EQ(RGB(2, 2, 7), g.colorFace);
    EXPECT_EQ(RGB(7, 2, 7), g.colorDarkShade);
    EXPECT_EQ(windowBefore, g.colorWindow);
    EXPECT_EQ(static_cast<COLORREF>(-1), look.taskGroupBackColor) << "the explorer bar supplies none";
    EXPECT_EQ(static_cast<COLORREF>(-1), look.taskGroupTextColor);
}

TEST_F(WinXPLookTest, ToolbarButtonsTakeTheirThemeStates)
{
    UseThemeDouble();
    struct Case
    {
        UINT style;
        int state;
        int themeState;
    };
    const Case cases[] = {
        {0, CVrxPVisualManager::stateHighlighted, 2},
        {CVrxPToolbarButton::stylePressed, CVrxPVisualManager::stateHighlighted, 3},
        {CVrxPToolbarButton::styleChecked, 0, 5},
        {CVrxPToolbarButton::styleChecked, CVrxPVisualManager::stateHighlighted, 6},
        {CVrxPToolbarButton::styleDisabled, CVrxPVisualManager::stateHighlighted, 4},
        {0, 0, 1},
    };
    TestCanvas canvas(30, 24, kBack);
    for (const Case& c : cases)
    {
        g_drawn.clear();
        CVrxPToolbarButton button;
        button.style = c.style;
        look.PaintButtonFace(&canvas.DC(), &button, CRect(0, 0, 30, 24), c.state);
        look.PaintButtonFrame(&canvas.DC(), &button, CRect(0, 0, 30, 24), c.state);
        EXPECT_EQ(std::vector<Drawn>({{L"TOOLBAR", 1, c.themeState}}), g_drawn) << std::hex << c.style << c.state;
    }
    // A popup menu's item draws nothing in state 0.
    CVrxPPopupMenuBar menuBar;
    CVrxPToolbarMenuButton item(1, NULL, -1, "Open");
    item.parent = &menuBar;
    g_drawn.clear();
    look.PaintButtonFace(&canvas.DC(), &item, CRect(0, 0, 30, 24), 0);
    EXPECT_TRUE(g_drawn.empty());
}

TEST_F(WinXPLookTest, CaptionButtonsAndFrameParts)
{
    UseThemeDouble();
    TestCanvas canvas(40, 40, kBack);
    CVrxPMiniFrameTitleButton pin(CVrxPMiniFrameTitleButton::hitPin, FALSE);
    look.PaintCaptionButton(&canvas.DC(), &pin, TRUE, TRUE, FALSE, FALSE);
    look.PaintCaptionButton(&canvas.DC(), &pin, TRUE, TRUE, FALSE, TRUE);
    look.PaintCaptionButton(&canvas.DC(), &pin, TRUE, TRUE, TRUE, FALSE);
    CVrxPMiniFrameTitleButton close(CVrxPMiniFrameTitleButton::hitPaneClose, FALSE);
    close.highlighted = TRUE;
    look.PaintCaptionButton(&canvas.DC(), &close, TRUE, TRUE, TRUE, FALSE);
    close.addedByFrame = TRUE;
    close.pushed = TRUE;
    look.PaintCaptionButton(&canvas.DC(), &close, TRUE, TRUE, TRUE, FALSE);
    look.PaintMdiControlButton(&canvas.DC(), CRect(0, 0, 16, 14), SC_CLOSE, CVrxPToolbarButton::stylePressed, TRUE);
    look.PaintMdiControlButton(&canvas.DC(), CRect(0, 0, 16, 14), SC_MINIMIZE, 0, FALSE);
    look.PaintMdiControlButton(&canvas.DC(), CRect(0, 0, 16, 14), SC_MAXIMIZE, 0, FALSE);
    look.PaintComboDropButton(&canvas.DC(), CRect(0, 0, 14, 16), FALSE, TRUE, TRUE, nullptr);
    look.PaintSpinButton(&canvas.DC(), CRect(0, 0, 14, 20), 0x01 | 0x08, FALSE, nullptr);
    look.PaintSizeGrip(&canvas.DC(), nullptr, CRect(0, 0, 16, 16));
    const std::vector<Drawn> expected = {
        {L"EXPLORERBAR", 3, 4}, // a pin with state 0: the selected pin states
        {L"EXPLORERBAR", 3, 7}, // disabled
        {L"EXPLORERBAR", 3, 1},
        {L"EXPLORERBAR", 2, 2}, // a pane's close button, hot
        {L"WINDOW", 19, 3},     // the frame's own close button, pressed
        {L"WINDOW", 20, 3},
        {L"WINDOW", 16, 1},
        {L"COMBOBOX", 1, 3},
        {L"SPIN", 1, 3},
        {L"SPIN", 2, 2},
        {L"SCROLLBAR", 10, 1},
    };
    EXPECT_EQ(expected, g_drawn);
}

TEST_F(WinXPLookTest, MiniFrameCaptionDrawsNothingUnderATheme)
{
    UseThemeDouble();
    look.ReloadPalette();
    TestCanvas canvas(60, 20, kBack);
    EXPECT_EQ(g.colorCaptionText, look.PaintMiniFrameCaption(&canvas.DC(), CRect(0, 0, 60, 20), nullptr, FALSE));
    EXPECT_EQ(60 * 20, canvas.Count(CRect(0, 0, 60, 20), kBack));
    EXPECT_TRUE(g_drawn.empty());
}

TEST_F(WinXPLookTest, TabsUseTheTabThemeOnlyWithTheFlagAndA3DStyle)
{
    UseThemeDouble();
    TestCanvas canvas(100, 30, kBack);
    CVrxPBaseTabWnd tabs;
    tabs.tabs.resize(2);
    tabs.location = CVrxPBaseTabWnd::locationTop;
    tabs.tabArea = CRect(0, 4, 100, 24);
    tabs.activeTab = 0;
    struct Case
    {
        BOOL flag;
        int style;
        std::vector<Drawn> drawn;
    };
    const Case cases[] = {
        {FALSE, 0, {}},
        {TRUE, 0, {{L"TAB", 9, 0}, {L"TAB", 1, 3}, {L"TAB", 1, 1}}},
        {TRUE, 1, {}},
        {TRUE, 4, {}},
        {TRUE, 6, {{L"TAB", 9, 0}}}, // a stepped window: the theme's pane, the XP look's tabs
    };
    for (const Case& c : cases)
    {
        CVrxPWinXPVisualManager::themed3DTabs = c.flag;
        tabs.styleCode = c.style;
        g_drawn.clear();
        look.PaintTabAreaBackground(&canvas.DC(), tabs.tabArea, &tabs);
        look.PaintTab(&canvas.DC(), CRect(0, 4, 40, 24), 0, TRUE, &tabs);
        look.PaintTab(&canvas.DC(), CRect(40, 4, 80, 24), 1, FALSE, &tabs);
        EXPECT_EQ(c.drawn, g_drawn) << c.flag << " style " << c.style;
    }
}
} // namespace
