#include "colours/tests/WindowPicture.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPWorkspace.h"
#include "panes/colours/CColorPopup.h"
#include "panes/colours/CVrxPColorMenuButton.h"
#include "panes/colours/CVrxPColorsDialog.h"
#include "tests/RealInput.h"
#include "toolbars/tests/TestMdiFrame.h"
#include "WindowDriver.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF none = static_cast<COLORREF>(-1);

std::vector<COLORREF> MakeColors(int nCount)
{
    std::vector<COLORREF> colors;
    for (int i = 0; i < nCount; i++)
        colors.push_back(RGB(i * 5, 255 - i * 5, (i * 37) % 256));
    return colors;
}

CRect ScreenRect(CWnd& wnd, const CRect& rect)
{
    CRect screen = rect;
    wnd.ClientToScreen(&screen);
    return screen;
}

void ClickAt(CPoint point)
{
    PlayInput({MoveTo(point), PressAt(point), ReleaseAt(point)});
    PumpMessages(200);
}
} // namespace

TEST(ColorBar, GridTakesTheSquareRootPlusOneColumns)
{
    struct Case
    {
        int colors;
        int columns;
        int rowsWhenHorizontal;
        int columnsWhenVertical;
        BOOL vertical;
        BOOL toolbar;
        int expectedColumns;
        int expectedRows;
    };
    const Case cases[] = {
        {48, 0, 0, 0, FALSE, FALSE, 7, 7}, {20, 0, 0, 0, FALSE, FALSE, 5, 4}, {48, 8, 0, 0, FALSE, FALSE, 8, 6},
        {1, 0, 0, 0, FALSE, FALSE, 2, 1},  {0, 0, 0, 0, FALSE, FALSE, 1, 0},
        // A torn-off bar docked horizontally keeps its row count, vertically its columns.
        {20, 0, 2, 3, FALSE, TRUE, 10, 2}, {20, 0, 2, 3, TRUE, TRUE, 3, 7},
        // A popup's bar ignores the docked counts.
        {20, 0, 2, 3, FALSE, FALSE, 5, 4}};
    for (const Case& c : cases)
    {
        CVrxPColorBar bar(MakeColors(c.colors), none, nullptr, nullptr, nullptr, {}, c.columns, c.rowsWhenHorizontal,
                          c.columnsWhenVertical, none, 1);
        bar.isToolbar = c.toolbar;
        const CSize grid = bar.GridSize(c.vertical);
        EXPECT_EQ(grid.cx, c.expectedColumns) << c.colors << " colours, " << c.columns << " columns";
        EXPECT_EQ(grid.cy, c.expectedRows) << c.colors << " colours, " << c.columns << " columns";
    }
}

TEST(ColorBar, ExtentAddsTextRowsAndTheDocumentSection)
{
    // Cells 17 x 17, text rows 25, margins 4.
    CVrxPColorBar plain(MakeColors(48), none, nullptr, nullptr, nullptr, {}, 0, 0, 0, none, 1);
    EXPECT_EQ(plain.MeasureButtonsExtent(FALSE), CSize(7 * 17 + 8, 7 * 17 + 8));
    CVrxPColorBar both(MakeColors(48), none, "Automatic", "More", nullptr, {}, 0, 0, 0, 0, 1);
    EXPECT_EQ(both.MeasureButtonsExtent(FALSE), CSize(127, 25 + 25 + 119 + 8));
    CVrxPColorBar otherOnly(MakeColors(48), none, nullptr, "More", nullptr, {}, 0, 0, 0, none, 1);
    EXPECT_EQ(otherOnly.MeasureButtonsExtent(FALSE).cy, 4 + 25 + 119 + 8);
    // Nine document colours: two rows of seven columns.
    CVrxPColorBar document(MakeColors(48), none, nullptr, nullptr, "Document", MakeColors(9), 0, 0, 0, none, 1);
    EXPECT_EQ(document.MeasureButtonsExtent(FALSE).cy, 119 + 8 + 4 + 2 * 17 + 25 + 4);
    // Docked off a popup the document section is hidden.
    document.showDocumentColors = FALSE;
    EXPECT_EQ(document.MeasureButtonsExtent(FALSE).cy, 119 + 8);
}

TEST(ColorBar, ItemsFollowTheLabelsAndTheSelection)
{
    CVrxPColorBar bar(MakeColors(4), MakeColors(4)[2], "Automatic", "More", "Document", {RGB(1, 2, 3)}, 0, 0, 0,
                      0, 1);
    bar.RebuildButtons();
    // Automatic, 4 swatches, separator, caption, 1 document swatch,
    // separator, other, custom slot.
    ASSERT_EQ(bar.GetCount(), 11);
    EXPECT_TRUE(bar.ColorButton(0)->isAutomatic);
    EXPECT_FALSE(bar.ColorButton(0)->highlighted);
    EXPECT_TRUE(bar.ColorButton(3)->highlighted);
    EXPECT_TRUE(bar.GetButton(5)->IsSeparator());
    EXPECT_TRUE(bar.ColorButton(6)->isLabel);
    EXPECT_TRUE(bar.ColorButton(7)->isDocument);
    EXPECT_TRUE(bar.ColorButton(9)->isOther);
    EXPECT_TRUE(bar.ColorButton(10)->isCustom);
    // Found among the swatches: the slot is not highlighted.
    EXPECT_FALSE(bar.ColorButton(10)->highlighted);

    CVrxPColorBar automatic(MakeColors(4), none, "Automatic", "More", nullptr, {}, 0, 0, 0, 0, 1);
    automatic.RebuildButtons();
    EXPECT_TRUE(automatic.ColorButton(0)->highlighted);
    EXPECT_FALSE(automatic.ColorButton(automatic.GetCount() - 1)->highlighted);
}

TEST(ColorBar, TooltipsGiveTheSwatchColourInHex)
{
    CColorButton swatch(RGB(0x12, 0xAB, 0xFF), FALSE, FALSE);
    EXPECT_STREQ(swatch.TooltipText(), "Hex={12,AB,FF}");
    CColorButton other(none, FALSE, TRUE, "More Colors...");
    EXPECT_STREQ(other.TooltipText(), "More Colors...");
    swatch.style |= CVrxPToolbarButton::styleDisabled;
    EXPECT_TRUE(swatch.TooltipText().IsEmpty());
}

TEST(ColorBar, TornOffBarArchiveKeepsNoSelectionNorDocumentColours)
{
    // Stored and read back as the workspace does: in the current version.
    CVrxPWorkspace workspace;
    workspace.storedMajor = CVrxPWorkspace::storedMajorVersion;
    workspace.storedMinor = CVrxPWorkspace::storedMinorVersion;
    CVrxPColorBar source(MakeColors(3), RGB(9, 9, 9), "Auto", "Other", "Doc", MakeColors(2), 4, 2, 3, RGB(0, 0, 0),
                         77);
    source.useSystemDialog = TRUE;
    CVrxPColorBar torn(source, 78);
    EXPECT_FALSE(torn.showDocumentColors);
    EXPECT_TRUE(torn.isToolbar);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        torn.Serialize(ar);
    }
    file.SeekToBegin();
    CVrxPColorBar loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(loaded.columns, 4);
    EXPECT_EQ(loaded.rowsWhenHorizontal, 2);
    EXPECT_EQ(loaded.columnsWhenVertical, 3);
    EXPECT_EQ(loaded.colors, MakeColors(3));
    EXPECT_EQ(loaded.automaticColor, RGB(0, 0, 0));
    EXPECT_STREQ(loaded.automaticLabel, "Auto");
    EXPECT_STREQ(loaded.otherLabel, "Other");
    EXPECT_STREQ(loaded.documentLabel, "Doc");
    EXPECT_EQ(loaded.commandId, 78u);
    EXPECT_TRUE(loaded.useSystemDialog);
    EXPECT_TRUE(loaded.isToolbar);
    EXPECT_TRUE(loaded.documentColors.empty());
    EXPECT_EQ(loaded.selectedColor, none);
    // Rebuilt: automatic (highlighted), 3 swatches, separator, other, slot.
    ASSERT_EQ(loaded.GetCount(), 7);
    EXPECT_TRUE(loaded.ColorButton(0)->highlighted);

    // A count that cannot be stops the load.
    CMemFile damaged;
    {
        CArchive ar(&damaged, CArchive::store);
        torn.colors.clear();
        torn.Serialize(ar);
    }
    const ULONGLONG nLength = damaged.GetLength();
    damaged.Seek(static_cast<LONGLONG>(nLength - 4), CFile::begin);
    const int nBadCount = -5;
    damaged.Write(&nBadCount, 4);
    damaged.SeekToBegin();
    CVrxPColorBar refused;
    CArchive ar(&damaged, CArchive::load);
    EXPECT_THROW(refused.Serialize(ar), CArchiveException*);
}

TEST(ColorMenuButton, ArchiveWritesItsFieldsAfterTheButtonRecord)
{
    CVrxPColorMenuButton button(0x1234, "ab");
    button.colors = {RGB(255, 0, 0), RGB(0, 255, 0)};
    button.columns = 3;
    button.showAutomatic = TRUE;
    button.showOther = TRUE;
    button.automaticLabel = "A";
    button.otherLabel = "O";
    button.color = RGB(1, 2, 3);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        button.Serialize(ar);
    }
    // The button record (seven int32 and "ab"), then the colour fields.
    const BYTE tail[] = {2, 0, 0, 0,    0xFF, 0, 0, 0,    0, 0xFF, 0, 0,    3, 0, 0, 0,
                         0xFF, 0xFF, 0xFF, 0xFF,    0xFF, 0xFF, 0xFF, 0xFF,
                         1, 0, 0, 0,    1, 0, 0, 0,    0, 0, 0, 0,
                         1, 'A',    1, 'O',    0,
                         0, 0, 0, 0,    0, 0, 0, 0};
    ASSERT_EQ(file.GetLength(), static_cast<ULONGLONG>(31 + sizeof(tail)));
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    EXPECT_EQ(std::vector<BYTE>(bytes.begin() + 31, bytes.end()), std::vector<BYTE>(tail, tail + sizeof(tail)));

    file.SeekToBegin();
    CVrxPColorMenuButton loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(loaded.commandId, 0x1234u);
    EXPECT_EQ(loaded.colors, button.colors);
    EXPECT_EQ(loaded.columns, 3);
    EXPECT_TRUE(loaded.showAutomatic);
    EXPECT_STREQ(loaded.otherLabel, "O");
    // The colour is not stored.
    EXPECT_EQ(loaded.color, none);
}

TEST(ColorMenuButton, StripShowsAutomaticAndDisabledColours)
{
    CVrxPColorMenuButton button(10, "c");
    EXPECT_EQ(button.StripColor(), RGB(0, 0, 0));
    button.color = RGB(10, 20, 30);
    EXPECT_EQ(button.StripColor(), RGB(10, 20, 30));
    button.style |= CVrxPToolbarButton::styleDisabled;
    EXPECT_EQ(button.StripColor(), VrxPGlobals().colorShade);
    // Under a 16 x 16 image centred in a 24-pixel button: its bottom five
    // rows, one pixel lower.
    EXPECT_EQ(button.StripRect(CRect(0, 0, 23, 24), CSize(16, 16)), CRect(0, 16, 16, 21));
}

// A frame with two toolbars holding colour buttons of one command.
class ColorPopupTest : public ::testing::Test
{
protected:
    static constexpr UINT colorCommand = 0x8101;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "colours", WS_OVERLAPPEDWINDOW, CRect(20, 20, 520, 420)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        for (UINT i = 0; i < 2; i++)
        {
            ASSERT_TRUE(bars[i].CreateWithDefaultStyle(&frame, 0x50402808, 0xE820 + i));
            auto* pButton = new CVrxPColorMenuButton(colorCommand, i == 0 ? "Fill" : "Fill too");
            pButton->colors = MakeColors(48);
            pButton->showAutomatic = TRUE;
            pButton->automaticLabel = "Automatic";
            pButton->showOther = TRUE;
            pButton->otherLabel = "More Colors...";
            ASSERT_EQ(bars[i].InsertButtonAt(pButton), 0);
            buttons[i] = pButton;
            bars[i].AllowDocking(CBRS_ALIGN_ANY);
            ASSERT_TRUE(frame.PlaceBarDocked(&bars[i]));
            bars[i].RecalcBarLayout();
        }
        frame.RecalcLayout();
        frame.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(frame.GetSafeHwnd());
        PumpMessages(200);
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
    }
    CColorPopup* OpenFirst()
    {
        ClickAt(ScreenRect(bars[0], buttons[0]->rect).CenterPoint());
        return buttons[0]->OpenPopup();
    }

    TestMdiFrame frame;
    CVrxPToolBar bars[2];
    CVrxPColorMenuButton* buttons[2] = {};
};

TEST_F(ColorPopupTest, ClickingASwatchColoursEveryButtonOfTheCommand)
{
    CColorPopup* pPopup = OpenFirst();
    ASSERT_NE(pPopup, nullptr);
    CVrxPColorBar& bar = pPopup->ColorBar();
    // Automatic (highlighted, the selection is automatic), 48 swatches,
    // separator, other, slot.
    ASSERT_EQ(bar.GetCount(), 52);
    // The popup opens under the button.
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    const CRect rectButton = ScreenRect(bars[0], buttons[0]->rect);
    EXPECT_EQ(rectPopup.TopLeft(), CPoint(rectButton.left, rectButton.bottom));
    // Rows of seven 17-pixel cells under the automatic button's row.
    EXPECT_EQ(bar.GetButton(0)->rect, CRect(4, 4, 123, 27));
    EXPECT_EQ(bar.GetButton(1)->rect, CRect(4, 27, 21, 44));
    EXPECT_EQ(bar.GetButton(48)->rect, CRect(89, 129, 106, 146));
    // Automatic selected: the slot hides and the other button spans.
    EXPECT_EQ(bar.GetButton(50)->rect, CRect(6, 156, 121, 175));
    EXPECT_TRUE(bar.GetButton(51)->rect.IsRectEmpty());
    SaveWindowPicture(pPopup->GetSafeHwnd(), "colour_popup");

    const COLORREF chosen = bar.ColorButton(10)->color;
    const CRect rectSwatch = ScreenRect(bar, bar.GetButton(10)->rect);
    // The swatch is drawn inside its frame in its own colour.
    HDC hScreen = ::GetDC(NULL);
    const COLORREF shown = ::GetPixel(hScreen, rectSwatch.left + 8, rectSwatch.top + 8);
    const COLORREF frameColor = ::GetPixel(hScreen, rectSwatch.left + 2, rectSwatch.top + 2);
    ::ReleaseDC(NULL, hScreen);
    EXPECT_EQ(shown, chosen);
    EXPECT_EQ(frameColor, VrxPGlobals().colorShade);
    // The separator above the other button is an etched line across the grid.
    const CRect rectSeparator = ScreenRect(bar, bar.GetButton(49)->rect);
    EXPECT_EQ(bar.GetButton(49)->rect, CRect(4, 150, 123, 152));
    hScreen = ::GetDC(NULL);
    EXPECT_EQ(::GetPixel(hScreen, rectSeparator.left + 60, rectSeparator.top), VrxPGlobals().colorShade);
    EXPECT_EQ(::GetPixel(hScreen, rectSeparator.left + 60, rectSeparator.top + 1), VrxPGlobals().colorLightEdge);
    ::ReleaseDC(NULL, hScreen);

    ClickAt(rectSwatch.CenterPoint());
    EXPECT_EQ(buttons[0]->OpenPopup(), nullptr);
    EXPECT_EQ(buttons[0]->GetColor(), chosen);
    EXPECT_EQ(buttons[1]->GetColor(), chosen);
    PumpMessages(100);
    ASSERT_FALSE(frame.commands.empty());
    EXPECT_EQ(frame.commands.back(), colorCommand);
}

TEST_F(ColorPopupTest, ACustomSelectionShowsTheSlotBesideTheOtherButton)
{
    buttons[0]->color = RGB(1, 2, 3);
    CColorPopup* pPopup = OpenFirst();
    ASSERT_NE(pPopup, nullptr);
    CVrxPColorBar& bar = pPopup->ColorBar();
    EXPECT_EQ(bar.GetButton(50)->rect, CRect(6, 156, 104, 175));
    EXPECT_EQ(bar.GetButton(51)->rect, CRect(106, 157, 123, 174));
    EXPECT_TRUE(bar.ColorButton(51)->highlighted);
    SaveWindowPicture(pPopup->GetSafeHwnd(), "colour_popup_custom");
    // Choosing a swatch hides the slot and widens the other button.
    bar.SelectColor(bar.ColorButton(5)->color);
    EXPECT_TRUE(bar.GetButton(51)->rect.IsRectEmpty());
    EXPECT_EQ(bar.GetButton(50)->rect, CRect(6, 156, 121, 175));
    EXPECT_TRUE(bar.ColorButton(5)->highlighted);
    pPopup->Close(0);
}

BOOL CALLBACK FindColorsDialog(HWND hWnd, LPARAM lParam)
{
    char title[16] = {};
    ::GetWindowTextA(hWnd, title, sizeof(title));
    if (::IsWindowVisible(hWnd) && std::string(title) == "Colors")
        *reinterpret_cast<HWND*>(lParam) = hWnd;
    return TRUE;
}

// The Colors dialog of this thread, once it shows.
CVrxPColorsDialog* OpenColorsDialog()
{
    HWND hDialog = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindColorsDialog, reinterpret_cast<LPARAM>(&hDialog));
    return dynamic_cast<CVrxPColorsDialog*>(CWnd::FromHandlePermanent(hDialog));
}

void ClickNow(CPoint point)
{
    windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, point);
    windriver::send_mouse(MOUSEEVENTF_LEFTUP, point);
}

TEST_F(ColorPopupTest, MoreColorsOpensTheColorsDialogAndItsChoiceComesBack)
{
    CColorPopup* pPopup = OpenFirst();
    ASSERT_NE(pPopup, nullptr);
    CVrxPColorBar& bar = pPopup->ColorBar();
    ASSERT_TRUE(bar.ColorButton(50)->isOther);
    const CPoint other = ScreenRect(bar, bar.GetButton(50)->rect).CenterPoint();
    CVrxPColorsDialog* pDialog = nullptr;
    COLORREF picked = none;
    BOOL bPopupHidden = FALSE;
    auto pickCell = [&] {
        pDialog = OpenColorsDialog();
        if (pDialog == nullptr || pDialog->standardPage.hexagons.Cells().size() != 127)
            return;
        bPopupHidden = !pPopup->IsWindowVisible();
        const CVrxPColorHexCell& cell = pDialog->standardPage.hexagons.Cells()[30];
        CPoint point(cell.x, cell.y);
        pDialog->standardPage.hexagons.ClientToScreen(&point);
        ClickNow(point);
    };
    auto pressOk = [&] {
        if (pDialog == nullptr)
            return;
        picked = pDialog->newColor;
        CRect rectOk;
        pDialog->GetDlgItem(IDOK)->GetWindowRect(&rectOk);
        ClickNow(rectOk.CenterPoint());
    };
    PlayInput({MoveTo(other), PressAt(other), ReleaseAt(other), Wait(), Wait(), Wait(), Wait(), Observe(pickCell),
               Wait(), Wait(), Wait(), Observe(pressOk), Wait(), Wait(), Wait()});
    PumpMessages(200);
    ASSERT_NE(pDialog, nullptr);
    EXPECT_TRUE(bPopupHidden);
    // Cell 30 lies in the second ring from the outside: a colour, not the
    // initial automatic black.
    EXPECT_NE(picked, none);
    EXPECT_NE(picked, RGB(0, 0, 0));
    EXPECT_EQ(OpenColorsDialog(), nullptr);
    EXPECT_EQ(buttons[0]->OpenPopup(), nullptr);
    EXPECT_EQ(buttons[0]->GetColor(), picked);
    EXPECT_EQ(buttons[1]->GetColor(), picked);
}

TEST_F(ColorPopupTest, KeysPickAndEscapeCloses)
{
    CColorPopup* pPopup = OpenFirst();
    ASSERT_NE(pPopup, nullptr);
    PlayInput({KeyDown(VK_ESCAPE), KeyUp(VK_ESCAPE)});
    PumpMessages(200);
    EXPECT_EQ(buttons[0]->OpenPopup(), nullptr);
    EXPECT_EQ(buttons[0]->GetColor(), none);

    pPopup = OpenFirst();
    ASSERT_NE(pPopup, nullptr);
    // The automatic button is the keyboard highlight; two steps right reach
    // the second swatch.
    const COLORREF second = pPopup->ColorBar().ColorButton(2)->color;
    PlayInput({KeyDown(VK_RIGHT), KeyUp(VK_RIGHT), KeyDown(VK_RIGHT), KeyUp(VK_RIGHT), KeyDown(VK_RETURN),
               KeyUp(VK_RETURN)});
    PumpMessages(200);
    EXPECT_EQ(buttons[0]->OpenPopup(), nullptr);
    EXPECT_EQ(buttons[0]->GetColor(), second);
}

TEST_F(ColorPopupTest, NoPopupInCustomizeModeAndAClickOutsideCloses)
{
    CVrxPToolBar::customizeMode = TRUE;
    CColorPopup* pPopup = OpenFirst();
    CVrxPToolBar::customizeMode = FALSE;
    EXPECT_EQ(pPopup, nullptr);

    pPopup = OpenFirst();
    ASSERT_NE(pPopup, nullptr);
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    ClickAt(CPoint(rectFrame.right - 40, rectFrame.bottom - 40));
    EXPECT_EQ(buttons[0]->OpenPopup(), nullptr);
    EXPECT_EQ(buttons[0]->GetColor(), none);
}

TEST_F(ColorPopupTest, ALoadedButtonTakesTheColourOfItsCommand)
{
    buttons[1]->SetColor(RGB(40, 50, 60), FALSE);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        buttons[0]->Serialize(ar);
    }
    file.SeekToBegin();
    CVrxPColorMenuButton loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(loaded.GetColor(), RGB(40, 50, 60));
}
