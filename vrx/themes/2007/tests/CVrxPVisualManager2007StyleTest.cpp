// The 2007 look loading the blue test style (StyleMarkup2007.txt and the
// generated strips): every value the markup gives lands in its member, and
// loading again gives the same state.

#include "themes/2007/CVrxPVisualManager2007.h"

#include "foundation/CVrxPGlobals.h"
#include "windows/CWnd.h"

#include <cstring>

#include <gtest/gtest.h>

#include "Style2007Fixture.h"

namespace
{

class LoadedLook : public CVrxPVisualManager2007
{
public:
    // Members as the markup gives them, in one comparable record.
    struct Dump
    {
        BOOL loaded;
        int type;
        COLORREF caption[8];
        BOOL textCenter;
        COLORREF clientArea;
        RECT frameCorners, captionCorners;
        int frameBitmap, captionBitmap;
        BOOL frameImages, captionImages;
        CVrxPToolTipOptions tips;
        BOOL tipsLoaded;
        LONG fontWeight;
        char fontFace[LF_FACESIZE];
        int menuBorder;

        bool operator==(const Dump& other) const { return std::memcmp(this, &other, sizeof(Dump)) == 0; }
    };

    Dump Take()
    {
        Dump dump = {};
        dump.loaded = m_bStyleLoaded;
        dump.type = m_nStyleType;
        const COLORREF caption[8] = {m_clrCaptionActiveStart,     m_clrCaptionActiveFinish,
                                     m_clrCaptionInactiveStart,   m_clrCaptionInactiveFinish,
                                     m_clrCaptionActiveText,      m_clrCaptionInactiveText,
                                     m_clrCaptionActiveTitleText, m_clrCaptionInactiveTitleText};
        std::memcpy(dump.caption, caption, sizeof(caption));
        dump.textCenter = m_bCaptionTextCenter;
        dump.clientArea = m_clrMainClientArea;
        dump.frameCorners = m_rndFrameBorder.GetInfo().corners;
        dump.captionCorners = m_rndCaptionBorder.GetInfo().corners;
        dump.frameBitmap = m_rndFrameBorder.GetInfo().bitmapId;
        dump.captionBitmap = m_rndCaptionBorder.GetInfo().bitmapId;
        dump.frameImages = m_rndFrameBorder.HasImages();
        dump.captionImages = m_rndCaptionBorder.HasImages();
        dump.tips = m_toolTipOptions;
        dump.tipsLoaded = m_bToolTipOptionsLoaded;
        LOGFONT font = {};
        if (m_fntCaption.GetSafeHandle() != NULL)
            ::GetObject(m_fntCaption.GetSafeHandle(), sizeof(font), &font);
        dump.fontWeight = font.lfWeight;
        std::memcpy(dump.fontFace, font.lfFaceName, sizeof(font.lfFaceName));
        dump.menuBorder = menuBorderSize;
        return dump;
    }

    COLORREF ClientAreaBrushColor()
    {
        LOGBRUSH brush = {};
        ::GetObject(m_brMainClientArea.GetSafeHandle(), sizeof(brush), &brush);
        return brush.lbColor;
    }
};

TEST_F(Style2007Test, EveryValueOfTheMarkupLandsInItsMember)
{
    LoadedLook look;
    look.ReloadPalette();
    const LoadedLook::Dump dump = look.Take();
    EXPECT_TRUE(dump.loaded);
    EXPECT_TRUE(look.IsStyleInForce());
    EXPECT_EQ(1, dump.type);
    const COLORREF caption[8] = {RGB(227, 239, 255), RGB(175, 210, 255), RGB(235, 241, 250), RGB(213, 226, 243),
                                 RGB(62, 106, 170),  RGB(106, 128, 160), RGB(21, 66, 139),   RGB(106, 128, 160)};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(caption[i], dump.caption[i]) << "caption colour " << i;
    EXPECT_TRUE(dump.textCenter);
    EXPECT_EQ(RGB(101, 147, 207), dump.clientArea);
    EXPECT_EQ(RGB(101, 147, 207), look.ClientAreaBrushColor());
    EXPECT_EQ(1, dump.menuBorder);

    // The caption's own BORDER and the frame's, apart though the frame's
    // comes first in the text.
    EXPECT_EQ(18004, dump.frameBitmap);
    EXPECT_EQ(4, dump.frameCorners.bottom);
    EXPECT_TRUE(dump.frameImages);
    EXPECT_EQ(18005, dump.captionBitmap);
    EXPECT_EQ(0, dump.captionCorners.bottom);
    EXPECT_TRUE(dump.captionImages);

    EXPECT_TRUE(dump.tipsLoaded);
    EXPECT_TRUE(dump.tips.roundedCorners);
    EXPECT_EQ(RGB(255, 255, 255), dump.tips.fillColor);
    EXPECT_EQ(RGB(228, 229, 240), dump.tips.gradientColor);
    EXPECT_EQ(RGB(76, 76, 76), dump.tips.textColor);
    EXPECT_EQ(RGB(118, 118, 118), dump.tips.borderColor);
    EXPECT_EQ(200, dump.tips.maxDescriptionWidth);

    EXPECT_EQ(700, dump.fontWeight);
    EXPECT_STREQ("Tahoma", dump.fontFace);

    const CVrxPGlobals& globals = VrxPGlobals();
    EXPECT_EQ(RGB(21, 66, 139), globals.colorBarText);
    EXPECT_EQ(RGB(191, 219, 255), globals.colorBarFace);
    EXPECT_EQ(RGB(227, 239, 255), globals.colorActiveCaption);
    EXPECT_EQ(RGB(235, 241, 250), globals.colorInactiveCaption);
    EXPECT_EQ(RGB(62, 106, 170), globals.colorCaptionText);
    EXPECT_EQ(RGB(62, 106, 170), globals.colorInactiveCaptionText);
    EXPECT_EQ(RGB(101, 147, 207), globals.colorBarShade);
    EXPECT_EQ(RGB(59, 97, 156), globals.colorBarDarkShade);
    EXPECT_EQ(RGB(255, 255, 255), globals.colorBarLight);
    EXPECT_EQ(RGB(255, 231, 162), globals.colorSelection);
    EXPECT_EQ(RGB(0, 0, 0), globals.colorSelectionText);
}

TEST_F(Style2007Test, ReloadingGivesTheSameState)
{
    LoadedLook look;
    look.ReloadPalette();
    const LoadedLook::Dump first = look.Take();
    look.ReloadPalette();
    EXPECT_TRUE(first == look.Take());
    look.ReloadPalette();
    EXPECT_TRUE(first == look.Take());
}

// The colour depth and high contrast are read again from the screen as the
// palette reloads; the system's own abilities are not.
TEST_F(Style2007Test, ASystemThatCannotShowTheStyleKeepsItUnloaded)
{
    struct Case
    {
        const char* name;
        void (*spoil)(CVrxPGlobals&);
    };
    const Case cases[] = {
        {"Windows 9x", [](CVrxPGlobals& g) { g.isWin9x = TRUE; }},
        {"no layered windows", [](CVrxPGlobals& g) { g.layeredWindowsAvailable = FALSE; }},
    };
    for (const Case& c : cases)
    {
        SetUp();
        c.spoil(VrxPGlobals());
        LoadedLook look;
        look.ReloadPalette();
        const LoadedLook::Dump dump = look.Take();
        EXPECT_FALSE(dump.loaded) << c.name;
        EXPECT_FALSE(dump.frameImages) << c.name;
        EXPECT_FALSE(look.IsStyleInForce()) << c.name;
        TearDown();
    }
}

TEST_F(Style2007Test, AStyleLosesForceWhenTheScreenDropsToEightBits)
{
    LoadedLook look;
    look.ReloadPalette();
    ASSERT_TRUE(look.IsStyleInForce());
    VrxPGlobals().bitsPerPixel = 8;
    EXPECT_FALSE(look.IsStyleInForce());
    EXPECT_TRUE(look.IsStyleLoaded());
    VrxPGlobals().bitsPerPixel = 32;
    VrxPGlobals().highContrastWhite = TRUE;
    EXPECT_FALSE(look.IsStyleInForce());
    look.ReleaseStyleResources();
    EXPECT_FALSE(look.Take().frameImages);
    EXPECT_FALSE(look.Take().tipsLoaded);
}

TEST_F(Style2007Test, AFrameThatNeverAnnouncedItselfCountsAsActive)
{
    LoadedLook look;
    look.ReloadPalette();
    EXPECT_FALSE(look.IsFrameActive(NULL));
    CWnd unattached;
    EXPECT_FALSE(look.IsFrameActive(&unattached));
    CWnd desktop;
    desktop.Attach(::GetDesktopWindow());
    EXPECT_TRUE(look.IsFrameActive(&desktop));
    desktop.Detach();
}

} // namespace
