// The base look's tasks pane, bar backgrounds by bar class and button text
// colours, drawn into a 32-bit DIB: pixels whose colour and place the
// look's own rules give.

#include "themes/CVrxPVisualManager.h"

#include "docking/frames/CVrxPCaptionBar.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/tests/TestCanvas.h"
#include "gdi/CImageList.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "panes/navigation/CVrxPOutlookButton.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPTasksGroup.h"
#include "panes/navigation/CVrxPTasksPane.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kBack = RGB(1, 2, 3);
const COLORREF kRed = RGB(200, 0, 0);

class PanesLookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPGlobals().RefreshSysColors();
        ASSERT_TRUE(CVrxPMenuGlyphs::EnsureLoaded());
        group.pane = &pane;
        group.captionRect = CRect(0, 0, 200, 25);
        group.name = "Group";
    }
    CVrxPGlobals& g = VrxPGlobals();
    CVrxPVisualManager look{TRUE};
    CVrxPTasksPane pane;
    CVrxPTasksGroup group;
};

// An opaque square of one colour.
class SolidIcon
{
public:
    SolidIcon(int nSize, COLORREF color)
    {
        TestCanvas colour(nSize, nSize, color);
        TestCanvas mask(nSize, nSize, RGB(0, 0, 0));
        ICONINFO info = {};
        info.fIcon = TRUE;
        info.hbmColor = static_cast<HBITMAP>(::GetCurrentObject(colour.DC().GetSafeHdc(), OBJ_BITMAP));
        info.hbmMask = static_cast<HBITMAP>(::GetCurrentObject(mask.DC().GetSafeHdc(), OBJ_BITMAP));
        m_hIcon = ::CreateIconIndirect(&info);
    }
    ~SolidIcon() { ::DestroyIcon(m_hIcon); }
    HICON Handle() const { return m_hIcon; }

private:
    HICON m_hIcon;
};

TEST_F(PanesLookTest, GroupCaptionFillAndTextColourByKindOfGroup)
{
    struct Case
    {
        const char* kind;
        BOOL special;
        BOOL toolBox;
        COLORREF fill;
        COLORREF text;
    };
    const Case cases[] = {{"plain", FALSE, FALSE, g.colorBarFace, g.colorWindowText},
                          {"special", TRUE, FALSE, g.colorSelection, g.colorWindow},
                          {"toolbox page", FALSE, TRUE, g.colorBarShade, g.colorWindow}};
    for (const Case& c : cases)
    {
        CVrxPToolBoxEx toolBox;
        group.pane = c.toolBox ? &toolBox : &pane;
        group.special = c.special;
        TestCanvas canvas(200, 25, kBack);
        look.PaintTaskGroupCaption(&canvas.DC(), &group, FALSE, FALSE, FALSE);
        EXPECT_EQ(c.fill, canvas.Pixel(150, 3)) << c.kind;
        EXPECT_GT(canvas.Count(CRect(0, 0, 100, 25), c.text), 10) << c.kind << ": the name in its colour";
        if (c.toolBox)
        {
            EXPECT_EQ(kBack, canvas.Pixel(0, 12)) << "the shade leaves the left column";
            EXPECT_EQ(kBack, canvas.Pixel(150, 24)) << "and the bottom row";
        }
    }
}

TEST_F(PanesLookTest, HotGroupWithButtonUsesItsHotColourAndFramesTheCollapseButton)
{
    group.hotTextColor = RGB(0, 150, 0);
    group.special = TRUE;
    TestCanvas canvas(200, 25, kBack);
    look.PaintTaskGroupCaption(&canvas.DC(), &group, TRUE, FALSE, TRUE);
    EXPECT_GT(canvas.Count(CRect(0, 0, 100, 25), RGB(0, 150, 0)), 10);
    // The button's corner: right - (glyph + 1) / 2 - (caption height + 1) / 2.
    const CSize glyph = CVrxPMenuGlyphs::GetImageSize();
    const CPoint corner(200 - (glyph.cx + 1) / 2 - 13, 25 - (glyph.cy + 1) / 2 - 13);
    EXPECT_EQ(g.colorWindow, canvas.Pixel(corner.x - 1, corner.y - 1)) << "raised frame: light top-left";
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(corner.x + glyph.cx, corner.y + glyph.cy)) << "dark bottom-right";
    EXPECT_GT(canvas.Count(CRect(corner, glyph), RGB(0, 0, 0)), 3) << "the up arrow of an expanded group";
    EXPECT_EQ(0, canvas.Count(CRect(100, 0, 200, 25), RGB(0, 150, 0))) << "the text stops before the button";

    TestCanvas cold(200, 25, kBack);
    look.PaintTaskGroupCaption(&cold.DC(), &group, FALSE, FALSE, TRUE);
    EXPECT_EQ(g.colorSelection, cold.Pixel(corner.x - 1, corner.y - 1)) << "no frame when not hot";
}

TEST_F(PanesLookTest, ToolBoxPageCaptionShowsAnExpandBoxAndNoCollapseButton)
{
    CVrxPToolBoxEx toolBox;
    group.pane = &toolBox;
    group.collapsed = TRUE;
    TestCanvas canvas(200, 25, kBack);
    look.PaintTaskGroupCaption(&canvas.DC(), &group, TRUE, FALSE, TRUE);
    // The box: 6 to 15 across, the vertical centre - 4 to + 5.
    EXPECT_EQ(g.colorBarText, canvas.Pixel(6, 8)) << "the box's frame";
    EXPECT_EQ(g.colorBarText, canvas.Pixel(10, 12)) << "the plus";
    EXPECT_EQ(g.colorBarFace, canvas.Pixel(8, 10)) << "the box's face";
    EXPECT_EQ(g.colorBarShade, canvas.Pixel(190, 12)) << "no collapse button in a toolbox";
}

TEST_F(PanesLookTest, GroupIconSitsByTheMarginAndTheVerticalIndent)
{
    SolidIcon icon(16, kRed);
    group.icon = icon.Handle();
    group.iconSize = CSize(16, 16);
    // y = bottom - 16 - (25 - 16 - 7) / 2 = 8; x = left + 5 / 2.
    TestCanvas canvas(200, 25, kBack);
    look.PaintTaskGroupIcon(&canvas.DC(), &group, 5, FALSE, FALSE, FALSE);
    EXPECT_EQ(kRed, canvas.Pixel(2, 8));
    EXPECT_EQ(kRed, canvas.Pixel(17, 23));
    EXPECT_EQ(kBack, canvas.Pixel(1, 8));
    EXPECT_EQ(kBack, canvas.Pixel(2, 7));
    pane.captionIndentV = 1;
    TestCanvas indented(200, 25, kBack);
    look.PaintTaskGroupIcon(&indented.DC(), &group, 5, FALSE, FALSE, FALSE);
    EXPECT_EQ(kBack, indented.Pixel(2, 4)) << "the pane's indent: (25 - 16 - 1) / 2 = 4 above the bottom";
    EXPECT_EQ(kRed, indented.Pixel(2, 5));
}

TEST_F(PanesLookTest, TaskTextColourByKindAndState)
{
    const COLORREF kPlain = RGB(0, 0, 170);
    const COLORREF kHot = RGB(0, 170, 0);
    struct Case
    {
        const char* kind;
        UINT command;
        BOOL enabled;
        BOOL hot;
        COLORREF expected;
    };
    const Case cases[] = {{"label", 0, TRUE, TRUE, kPlain},
                          {"command", 1, TRUE, FALSE, kPlain},
                          {"hot command", 1, TRUE, TRUE, kHot},
                          {"disabled command", 1, FALSE, TRUE, g.colorGrayText}};
    for (const Case& c : cases)
    {
        CVrxPTask task;
        task.group = &group;
        task.rect = CRect(0, 0, 120, 16);
        task.text = "Task text";
        task.commandId = c.command;
        task.enabled = c.enabled;
        task.textColor = kPlain;
        task.hotTextColor = kHot;
        TestCanvas canvas(120, 16, kBack);
        look.PaintTask(&canvas.DC(), &task, nullptr, c.hot, 0);
        EXPECT_GT(canvas.Count(CRect(0, 0, 120, 16), c.expected), 5) << c.kind;
        for (COLORREF other : {kPlain, kHot, g.colorGrayText})
        {
            if (other != c.expected)
            {
                EXPECT_EQ(0, canvas.Count(CRect(0, 0, 120, 16), other)) << c.kind;
            }
        }
    }
}

TEST_F(PanesLookTest, TaskTextFollowsItsImageAndTheIconGap)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    SolidIcon icon(16, kRed);
    ASSERT_EQ(0, images.Add(icon.Handle()));
    const COLORREF kText = RGB(0, 0, 170);
    for (int nGap : {-1, 20})
    {
        pane.iconTextGap = nGap;
        const int xText = 16 + (nGap == -1 ? look.taskIconTextGap : nGap);
        CVrxPTask task;
        task.group = &group;
        task.rect = CRect(0, 0, 140, 16);
        task.text = "Task";
        task.image = 0;
        task.textColor = kText;
        TestCanvas canvas(140, 16, kBack);
        look.PaintTask(&canvas.DC(), &task, &images, FALSE, 0);
        EXPECT_EQ(kRed, canvas.Pixel(0, 0)) << "the image at the top-left corner";
        EXPECT_EQ(0, canvas.Count(CRect(0, 0, xText, 16), kText)) << nGap;
        EXPECT_GT(canvas.Count(CRect(xText, 0, 140, 16), kText), 5) << nGap;
    }
}

TEST_F(PanesLookTest, SeparatorTaskIsALineAcrossTheMiddle)
{
    CVrxPTask task;
    task.separator = TRUE;
    task.text = "not drawn";
    task.rect = CRect(0, 0, 100, 16);
    TestCanvas canvas(100, 16, kBack);
    look.PaintTask(&canvas.DC(), &task, nullptr, FALSE, 0);
    EXPECT_EQ(100, canvas.Count(CRect(0, 8, 100, 9), g.colorBarFace));
    EXPECT_EQ(100 * 15, canvas.Count(CRect(0, 0, 100, 16), kBack));
}

TEST_F(PanesLookTest, BarBackgroundByBarClass)
{
    const CRect rect(0, 0, 20, 10);
    CVrxPCaptionBar captionBar;
    CVrxPOutlookBarPane outlook;
    outlook.backColor = RGB(30, 40, 50);
    CVrxPPopupMenuBar plainMenu;
    CVrxPPopupMenuBar whiteMenu;
    whiteMenu.whiteBackground = TRUE;
    struct Case
    {
        const char* kind;
        CWnd* bar;
        COLORREF fill;
    };
    const Case cases[] = {{"caption bar", &captionBar, g.colorBarShade},
                          {"outlook pane", &outlook, RGB(30, 40, 50)},
                          {"popup menu bar", &plainMenu, g.colorBarFace},
                          {"white popup menu bar", &whiteMenu, g.colorWindow}};
    for (const Case& c : cases)
    {
        TestCanvas canvas(20, 10, kBack);
        look.PaintBarBackground(&canvas.DC(), c.bar, rect, rect);
        EXPECT_EQ(200, canvas.Count(rect, c.fill)) << c.kind;
    }
    captionBar.m_backColor = RGB(9, 8, 7);
    TestCanvas clipped(20, 10, kBack);
    look.PaintBarBackground(&clipped.DC(), &captionBar, rect, CRect(0, 0, 5, 10));
    EXPECT_EQ(50, clipped.Count(rect, RGB(9, 8, 7))) << "a caption bar fills its clip rectangle only";
}

TEST_F(PanesLookTest, OutlookPaneTilesItsImageFromTheTopLeftCorner)
{
    TestCanvas image(3, 2, RGB(10, 10, 10));
    image.DC().SetPixel(0, 0, RGB(250, 0, 0));
    CBitmap tile;
    ASSERT_TRUE(tile.CreateCompatibleBitmap(&image.DC(), 3, 2));
    CDC tileDC;
    tileDC.CreateCompatibleDC(&image.DC());
    CBitmap* pOld = tileDC.SelectObject(&tile);
    tileDC.BitBlt(0, 0, 3, 2, &image.DC(), 0, 0, SRCCOPY);
    tileDC.SelectObject(pOld);

    CVrxPOutlookBarPane outlook;
    outlook.backImage = static_cast<HBITMAP>(tile.GetSafeHandle());
    TestCanvas canvas(10, 6, kBack);
    look.PaintBarBackground(&canvas.DC(), &outlook, CRect(1, 1, 8, 6), CRect());
    EXPECT_EQ(kBack, canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(1, 1));
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(4, 3));
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(7, 5)) << "the last tile is cut at the rectangle";
    EXPECT_EQ(RGB(10, 10, 10), canvas.Pixel(2, 1));
    EXPECT_EQ(kBack, canvas.Pixel(8, 5));
}

TEST_F(PanesLookTest, ButtonTextColourByClassAndState)
{
    const COLORREF savedHot = CVrxPToolBar::hotTextColor;
    CVrxPToolbarButton button;
    EXPECT_EQ(g.colorBarText, look.QueryButtonTextColor(&button, 0));
    EXPECT_EQ(g.colorBarText, look.QueryButtonTextColor(&button, CVrxPVisualManager::stateHighlighted))
        << "the toolbar's control text colour defaults to the bar text";
    CVrxPToolBar::hotTextColor = RGB(0, 0, 200);
    EXPECT_EQ(RGB(0, 0, 200), look.QueryButtonTextColor(&button, CVrxPVisualManager::stateHighlighted));
    EXPECT_EQ(g.colorBarText, look.QueryButtonTextColor(&button, CVrxPVisualManager::statePressed));
    button.style = CVrxPToolbarButton::styleDisabled;
    EXPECT_EQ(g.colorGrayText, look.QueryButtonTextColor(&button, CVrxPVisualManager::stateHighlighted));
    CVrxPToolBar::hotTextColor = savedHot;

    CVrxPOutlookButton outlook;
    EXPECT_EQ(g.colorWindow, look.QueryButtonTextColor(&outlook, 0)) << "light text on the dark pane";
    EXPECT_EQ(g.colorWindow, look.QueryButtonTextColor(&outlook, CVrxPVisualManager::stateHighlighted));
    outlook.style = CVrxPToolbarButton::styleDisabled;
    EXPECT_EQ(g.colorFace, look.QueryButtonTextColor(&outlook, 0));
}

TEST_F(PanesLookTest, OutlookButtonsGetNoHalftoneAndADarkFrame)
{
    CVrxPOutlookButton outlook;
    outlook.style = CVrxPToolbarButton::styleChecked;
    TestCanvas face(20, 20, kBack);
    look.PaintButtonFace(&face.DC(), &outlook, CRect(0, 0, 20, 20), 0);
    EXPECT_EQ(400, face.Count(CRect(0, 0, 20, 20), kBack));
    CVrxPToolbarButton plain;
    plain.style = CVrxPToolbarButton::styleChecked;
    look.PaintButtonFace(&face.DC(), &plain, CRect(0, 0, 20, 20), 0);
    EXPECT_LT(face.Count(CRect(0, 0, 20, 20), kBack), 400) << "an ordinary checked button gets it";

    TestCanvas frames(20, 10, kBack);
    look.PaintButtonFrame(&frames.DC(), &outlook, CRect(0, 0, 10, 10), CVrxPVisualManager::statePressed);
    look.PaintButtonFrame(&frames.DC(), &plain, CRect(10, 0, 20, 10), CVrxPVisualManager::statePressed);
    EXPECT_EQ(g.colorBarDarkShade, frames.Pixel(0, 5));
    EXPECT_EQ(g.colorBarShade, frames.Pixel(10, 5));
    EXPECT_EQ(g.colorBarLightEdge, frames.Pixel(9, 5));
}
} // namespace
