#include "foundation/CVrxPGlobals.h"

#include "foundation/VrxPMessages.h"
#include "foundation/VrxPLibrary.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// Sets system colours for one test and puts them back.
class SystemColors
{
public:
    SystemColors(std::initializer_list<std::pair<int, COLORREF>> colors)
    {
        for (const auto& color : colors)
        {
            m_indexes.push_back(color.first);
            m_old.push_back(GetSysColor(color.first));
            m_new.push_back(color.second);
        }
        SetSysColors(static_cast<int>(m_indexes.size()), m_indexes.data(), m_new.data());
        VrxPGlobals().RefreshSysColors();
    }
    ~SystemColors()
    {
        SetSysColors(static_cast<int>(m_indexes.size()), m_indexes.data(), m_old.data());
        VrxPGlobals().RefreshSysColors();
    }

private:
    std::vector<int> m_indexes;
    std::vector<COLORREF> m_old;
    std::vector<COLORREF> m_new;
};

TEST(CVrxPGlobals, HalftoneIsHalfwayBetweenFaceAndLightEdge)
{
    SystemColors colors{{COLOR_BTNFACE, RGB(192, 192, 192)}, {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}};
    CVrxPGlobals& globals = VrxPGlobals();
    ASSERT_GT(globals.bitsPerPixel, 8);
    LOGBRUSH brush = {};
    ASSERT_NE(0, globals.brushHalftone.GetLogBrush(&brush));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), brush.lbStyle);
    EXPECT_EQ(RGB(223, 223, 223), brush.lbColor);
}

TEST(CVrxPGlobals, HalftoneTruncatesTowardsTheFace)
{
    SystemColors colors{{COLOR_BTNFACE, RGB(200, 100, 10)}, {COLOR_BTNHIGHLIGHT, RGB(101, 103, 13)}};
    LOGBRUSH brush = {};
    ASSERT_NE(0, VrxPGlobals().brushHalftone.GetLogBrush(&brush));
    EXPECT_EQ(RGB(151, 101, 11), brush.lbColor);
}

TEST(CVrxPGlobals, BarGroupFollowsTheSystemAgainAfterARefresh)
{
    CVrxPGlobals& globals = VrxPGlobals();
    globals.colorBarFace = RGB(1, 2, 3);
    globals.colorBarShade = RGB(4, 5, 6);
    globals.RefreshSysColors();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), globals.colorBarFace);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), globals.colorBarShade);
}

TEST(CVrxPGlobals, LinksTakeTheHotTrackingColourOnlyWhereItCanBeRead)
{
    struct Case
    {
        COLORREF face, hotLight, buttonText, link;
    } cases[] = {
        {RGB(240, 240, 240), RGB(0, 102, 204), RGB(0, 0, 0), RGB(0, 102, 204)},
        {RGB(240, 240, 240), RGB(224, 224, 224), RGB(0, 0, 0), RGB(0, 0, 255)},
        {RGB(20, 20, 60), RGB(30, 30, 90), RGB(250, 250, 250), RGB(250, 250, 250)},
    };
    for (const Case& c : cases)
    {
        SystemColors colors{{COLOR_3DLIGHT, RGB(255, 255, 255)}, {COLOR_BTNFACE, c.face},
                            {COLOR_HOTLIGHT, c.hotLight}, {COLOR_BTNTEXT, c.buttonText}};
        ASSERT_FALSE(VrxPGlobals().highContrastBlack);
        EXPECT_EQ(c.link, VrxPGlobals().colorLink) << std::hex << c.hotLight;
        EXPECT_EQ(RGB(0, 0, 255), VrxPGlobals().colorLinkHot);
    }
}

TEST(CVrxPGlobals, HighContrastBlackMakesLinksWindowText)
{
    SystemColors colors{{COLOR_3DLIGHT, RGB(255, 255, 255)}, {COLOR_BTNFACE, RGB(0, 0, 0)},
                        {COLOR_WINDOWTEXT, RGB(0, 255, 0)}};
    CVrxPGlobals& globals = VrxPGlobals();
    EXPECT_TRUE(globals.highContrastBlack);
    EXPECT_FALSE(globals.CanShowHighColorImages());
    EXPECT_EQ(RGB(0, 255, 0), globals.colorLink);
    EXPECT_EQ(RGB(0, 255, 0), globals.colorLinkHot);
}

TEST(CVrxPGlobals, CachedColoursAndLiveOnes)
{
    CVrxPGlobals& globals = VrxPGlobals();
    globals.colorFace = RGB(9, 9, 9);
    EXPECT_EQ(RGB(9, 9, 9), globals.CachedSysColor(COLOR_BTNFACE));
    globals.colorBarFace = RGB(7, 7, 7);
    EXPECT_EQ(RGB(9, 9, 9), globals.CachedSysColor(COLOR_3DFACE));
    EXPECT_EQ(GetSysColor(COLOR_HOTLIGHT), globals.CachedSysColor(COLOR_HOTLIGHT));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), globals.CachedSysColor(COLOR_INFOBK));
    globals.RefreshSysColors();
}

TEST(CVrxPGlobals, SmallFontIsTwoThirdsOfTheMenuFont)
{
    NONCLIENTMETRICS metrics = {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    LOGFONT regular = {}, small = {};
    CVrxPGlobals& globals = VrxPGlobals();
    ASSERT_NE(0, globals.fontRegular.GetLogFont(&regular));
    ASSERT_NE(0, globals.fontSmall.GetLogFont(&small));
    EXPECT_EQ(metrics.lfMenuFont.lfHeight, regular.lfHeight);
    const int nExpected = (std::abs(static_cast<int>(metrics.lfMenuFont.lfHeight)) + 1) * 2 / 3;
    EXPECT_EQ(metrics.lfMenuFont.lfHeight < 0 ? -nExpected : nExpected, small.lfHeight);
}

TEST(CVrxPGlobals, AnsiMenuFontBecomesTahomaWhereInstalled)
{
    NONCLIENTMETRICS metrics = {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    const BYTE menuCharSet = metrics.lfMenuFont.lfCharSet;
    const bool bWestern = menuCharSet == ANSI_CHARSET || menuCharSet == DEFAULT_CHARSET ||
                          menuCharSet == SYMBOL_CHARSET;
    LOGFONT regular = {};
    ASSERT_NE(0, VrxPGlobals().fontRegular.GetLogFont(&regular));
    // The test prefix carries Wine's own Tahoma; a menu font of another
    // character set (code page 936 gives GB2312) keeps its own face.
    EXPECT_STREQ(bWestern ? "Tahoma" : metrics.lfMenuFont.lfFaceName, regular.lfFaceName);
    LOGFONT symbol = {};
    ASSERT_NE(0, VrxPGlobals().fontSymbol.GetLogFont(&symbol));
    EXPECT_STREQ("Marlett", symbol.lfFaceName);
    EXPECT_EQ(SYMBOL_CHARSET, symbol.lfCharSet);
}

TEST(CVrxPGlobals, VerticalFontsTurnBothWays)
{
    LOGFONT vertical = {}, up = {};
    ASSERT_NE(0, VrxPGlobals().fontVertical.GetLogFont(&vertical));
    ASSERT_NE(0, VrxPGlobals().fontVerticalUp.GetLogFont(&up));
    EXPECT_EQ(2700, vertical.lfEscapement);
    EXPECT_EQ(900, up.lfEscapement);
    EXPECT_STREQ("Arial", vertical.lfFaceName);
}

TEST(CVrxPGlobals, TextHeightAddsItsMargin)
{
    CVrxPGlobals& globals = VrxPGlobals();
    TestCanvas canvas(4, 4);
    CFont* pOld = canvas.DC().SelectObject(&globals.fontRegular);
    TEXTMETRIC metrics = {};
    canvas.DC().GetTextMetrics(&metrics);
    canvas.DC().SelectObject(pOld);
    const int nMargin = metrics.tmHeight >= 15 ? 5 : 2;
    EXPECT_EQ(metrics.tmHeight + nMargin, globals.textHeight);
    EXPECT_EQ(metrics.tmMaxCharWidth + nMargin, globals.textWidth);
}

TEST(CVrxPGlobals, WorkAreaCoversThePrimaryWorkArea)
{
    CRect primary;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &primary, 0);
    CRect united;
    united.UnionRect(&primary, &VrxPGlobals().workArea);
    EXPECT_EQ(VrxPGlobals().workArea, united);
}

TEST(CVrxPGlobals, ThemedTextFallsBackToPlainText)
{
    TestCanvas canvas(60, 20);
    canvas.DC().SetTextColor(RGB(0, 0, 0));
    canvas.DC().SetBkMode(TRANSPARENT);
    EXPECT_FALSE(VrxPGlobals().PaintThemedText(NULL, &canvas.DC(), 0, 0, "Wx", CRect(0, 0, 60, 20),
                                               DT_SINGLELINE, 0, static_cast<COLORREF>(-1)));
    EXPECT_GT(canvas.Count(CRect(0, 0, 60, 20), RGB(0, 0, 0)), 0);
}

TEST(CVrxPGlobals, LayeredAttributesNeedTheEntryPoint)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const auto pfnSaved = globals.pfnSetLayeredWindowAttributes;
    globals.pfnSetLayeredWindowAttributes = nullptr;
    EXPECT_FALSE(globals.SetLayeredAttributes(NULL, 0, 128, LWA_ALPHA));
    globals.pfnSetLayeredWindowAttributes = pfnSaved;
}

TEST(VrxPStartLibrary, StartsOnceAndRegistersTheMessages)
{
    VrxPStartLibrary();
    EXPECT_TRUE(VrxPLibraryStarted());
    CVrxPGlobals* pFirst = &VrxPGlobals();
    VrxPStartLibrary();
    EXPECT_EQ(pFirst, &VrxPGlobals());
    EXPECT_EQ(0, VrxPAllToolBars().GetCount());
    EXPECT_EQ(RegisterWindowMessageA("VrxM_UPDATETOOLTIPS"), VrxM_UPDATETOOLTIPS);
}
// A later change of the system's drag width does not move them.
TEST(VrxPStartLibrary, ReadsTheDragThresholdsOnce)
{
    VrxPStartLibrary();
    const int nWidth = GetSystemMetrics(SM_CXDRAG);
    EXPECT_EQ(nWidth, VrxPDragThresholdX);
    EXPECT_EQ(GetSystemMetrics(SM_CYDRAG), VrxPDragThresholdY);
    ASSERT_TRUE(SystemParametersInfo(SPI_SETDRAGWIDTH, static_cast<UINT>(nWidth + 7), nullptr, 0));
    const int nChanged = GetSystemMetrics(SM_CXDRAG);
    SystemParametersInfo(SPI_SETDRAGWIDTH, static_cast<UINT>(nWidth), nullptr, 0);
    ASSERT_EQ(nWidth + 7, nChanged);
    EXPECT_EQ(nWidth, VrxPDragThresholdX);
}
} // namespace
