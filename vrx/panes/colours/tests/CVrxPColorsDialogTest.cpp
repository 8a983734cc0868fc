#include "app/AfxRegisterWndClass.h"
#include "app/CWinApp.h"
#include "colours/tests/WindowPicture.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPLibrary.h"
#include "panes/colours/CVrxPColorsDialog.h"
#include "panes/colours/VrxPColoursResources.h"
#include "tests/RealInput.h"
#include "WindowDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
const COLORREF swatchColor = RGB(200, 30, 60);

CPoint ScreenCentre(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect.CenterPoint();
}

CString ItemText(CWnd& parent, int nId)
{
    CString text;
    parent.GetDlgItem(nId)->GetWindowText(text);
    return text;
}

// A plain window of one colour for the picker to read.
class Swatch : public CWnd
{
public:
    ~Swatch() override
    {
        if (GetSafeHwnd() != NULL)
            DestroyWindow();
        ::DeleteObject(m_hBrush);
    }
    BOOL Open(const CRect& rect)
    {
        m_hBrush = ::CreateSolidBrush(swatchColor);
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), m_hBrush), "swatch",
                        WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
    }

private:
    HBRUSH m_hBrush = NULL;
};

// Picking runs the thread's pre-translation and idle work: it needs the
// thread's object.
class PickingApp : public CWinApp
{
public:
    PickingApp() : CWinApp("colours test") {}
};

class ColorsDialogTest : public ::testing::Test
{
protected:
    static constexpr COLORREF initial = RGB(51, 102, 204);

    void SetUp() override { VrxPStartLibrary(); }
    void Open()
    {
        ASSERT_TRUE(dialog.Create(VrxPIddColorsDialog, nullptr));
        dialog.SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dialog.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(dialog.GetSafeHwnd());
        PumpMessages(200);
    }
    CPoint TabCentre(int nIndex)
    {
        CRect rectItem;
        ::SendMessage(dialog.sheet.GetTabControl(), TCM_GETITEMRECT, nIndex,
                      reinterpret_cast<LPARAM>(static_cast<RECT*>(&rectItem)));
        ::MapWindowPoints(dialog.sheet.GetTabControl(), NULL, reinterpret_cast<POINT*>(&rectItem), 2);
        return rectItem.CenterPoint();
    }

    PickingApp app;
    CVrxPColorsDialog dialog{initial};
};

TEST_F(ColorsDialogTest, TwoPagesHoldTheSelectorsAndTheInitialColour)
{
    Open();
    ASSERT_EQ(dialog.sheet.GetPageCount(), 2);
    EXPECT_EQ(dialog.sheet.GetActiveIndex(), 0);
    EXPECT_TRUE(dialog.standardPage.IsWindowVisible());
    EXPECT_FALSE(dialog.customPage.IsWindowVisible());
    EXPECT_EQ(dialog.preview.GetMode(), CVrxPColorSelectorCtrl::modePreview);
    EXPECT_EQ(dialog.preview.GetColor(), initial);
    EXPECT_EQ(dialog.standardPage.hexagons.GetMode(), CVrxPColorSelectorCtrl::modeHoneycomb);
    EXPECT_EQ(dialog.standardPage.greys.GetMode(), CVrxPColorSelectorCtrl::modeGreys);
    EXPECT_EQ(dialog.standardPage.hexagons.Cells().size(), 127u);
    EXPECT_EQ(dialog.customPage.spectrum.GetMode(), CVrxPColorSelectorCtrl::modeSpectrum);
    EXPECT_EQ(dialog.customPage.luminanceBar.GetMode(), CVrxPColorSelectorCtrl::modeLuminanceBar);
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorRed), "51");
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorGreen), "102");
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorBlue), "204");
    // 51, 102, 204: hue 220 degrees (0.611), saturation 0.6, luminance 0.5.
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorHue), "156");
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorSat), "153");
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorLum), "128");
    // The page lies inside the sheet, the sheet where the placeholder was.
    CRect rectPage;
    CRect rectSheet;
    dialog.standardPage.GetWindowRect(&rectPage);
    dialog.sheet.GetWindowRect(&rectSheet);
    EXPECT_TRUE(rectSheet.PtInRect(rectPage.TopLeft()));
    EXPECT_TRUE(rectSheet.PtInRect(CPoint(rectPage.right - 1, rectPage.bottom - 1)));
    EXPECT_TRUE(SaveWindowPicture(dialog.GetSafeHwnd(), "colors_dialog_standard"));

    const CPoint tab = TabCentre(1);
    PlayInput({MoveTo(tab), PressAt(tab), ReleaseAt(tab)});
    EXPECT_EQ(dialog.sheet.GetActiveIndex(), 1);
    EXPECT_TRUE(dialog.customPage.IsWindowVisible());
    EXPECT_FALSE(dialog.standardPage.IsWindowVisible());
    EXPECT_TRUE(SaveWindowPicture(dialog.GetSafeHwnd(), "colors_dialog_custom"));
}

TEST_F(ColorsDialogTest, EditsLimitTheirValuesAndSetTheNewColour)
{
    Open();
    const COLORREF start = RGB(10, 20, 30);
    struct Case
    {
        int edit;
        const char* text;
        COLORREF expected;
        const char* shown;
    } cases[] = {
        {VrxPIdcColorRed, "300", RGB(255, 20, 30), "255"},
        {VrxPIdcColorBlue, "0", RGB(10, 20, 0), "0"},
        {VrxPIdcColorLum, "255", RGB(255, 255, 255), "255"},
        {VrxPIdcColorLum, "0", RGB(0, 0, 0), "0"},
        // Empty: nothing changes.
        {VrxPIdcColorGreen, "", start, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.edit) + " " + c.text);
        dialog.SetNewColor(start);
        dialog.SyncCustomPage(10, 20, 30);
        dialog.customPage.SetDlgItemText(c.edit, c.text);
        EXPECT_EQ(dialog.newColor, c.expected);
        EXPECT_EQ(ItemText(dialog.customPage, c.edit), c.shown);
        EXPECT_EQ(dialog.preview.GetColor(), c.expected);
    }
    // A new colour from the edits reaches the Standard page too.
    dialog.SyncCustomPage(10, 20, 30);
    dialog.customPage.SetDlgItemText(VrxPIdcColorRed, "128");
    EXPECT_EQ(dialog.standardPage.greys.GetColor(), RGB(128, 20, 30));
    EXPECT_EQ(dialog.standardPage.hexagons.GetColor(), RGB(128, 20, 30));
}

TEST_F(ColorsDialogTest, AHoneycombClickBecomesTheNewColourOnBothPages)
{
    Open();
    ASSERT_EQ(dialog.standardPage.hexagons.Cells().size(), 127u);
    const CVrxPColorHexCell cell = dialog.standardPage.hexagons.Cells()[40];
    CPoint point(cell.x, cell.y);
    dialog.standardPage.hexagons.ClientToScreen(&point);
    PlayInput({MoveTo(point), PressAt(point), ReleaseAt(point)});
    EXPECT_EQ(dialog.newColor, cell.color);
    EXPECT_EQ(dialog.preview.GetColor(), cell.color);
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorRed), std::to_string(GetRValue(cell.color)).c_str());
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorBlue), std::to_string(GetBValue(cell.color)).c_str());
    EXPECT_EQ(dialog.standardPage.greys.GetColor(), cell.color);
    // The preview's upper half shows the pick, the lower the initial colour.
    CRect rectPreview;
    dialog.preview.GetClientRect(&rectPreview);
    HDC hScreen = ::GetDC(NULL);
    CPoint upper(rectPreview.CenterPoint().x, rectPreview.Height() / 4);
    CPoint lower(rectPreview.CenterPoint().x, rectPreview.Height() * 3 / 4);
    dialog.preview.ClientToScreen(&upper);
    dialog.preview.ClientToScreen(&lower);
    EXPECT_EQ(::GetPixel(hScreen, upper.x, upper.y), cell.color);
    EXPECT_EQ(::GetPixel(hScreen, lower.x, lower.y), initial);
    ::ReleaseDC(NULL, hScreen);
    EXPECT_TRUE(SaveWindowPicture(dialog.GetSafeHwnd(), "colors_dialog_picked"));
}

TEST_F(ColorsDialogTest, CtrlCCopiesTheNewColourAsText)
{
    Open();
    dialog.SetNewColor(RGB(255, 0, 0));
    dialog.GetDlgItem(IDOK)->SetFocus();
    PlayInput({KeyDown(VK_CONTROL), KeyDown('C'), KeyUp('C'), KeyUp(VK_CONTROL)});
    ASSERT_TRUE(::OpenClipboard(NULL));
    HANDLE hText = ::GetClipboardData(CF_TEXT);
    const std::string text = hText != NULL ? static_cast<const char*>(::GlobalLock(hText)) : "";
    if (hText != NULL)
        ::GlobalUnlock(hText);
    ::CloseClipboard();
    EXPECT_EQ(text, "RGB (255, 0, 0)");
}

// Picking with real input: the pointer over the swatch shows its colour,
// then the way picking ends decides what stays.
TEST_F(ColorsDialogTest, PickingFromTheScreenEndsAsTheUserChooses)
{
    Open();
    Swatch swatch;
    ASSERT_TRUE(swatch.Open(CRect(560, 120, 660, 220)));
    PumpMessages(200);
    const CPoint select = ScreenCentre(dialog.selectButton);
    const CPoint over = ScreenCentre(swatch);
    struct Case
    {
        const char* name;
        std::vector<InputStep> end;
        COLORREF kept;
    } cases[] = {
        {"escape", {KeyDown(VK_ESCAPE), KeyUp(VK_ESCAPE)}, initial},
        {"enter", {KeyDown(VK_RETURN), KeyUp(VK_RETURN)}, swatchColor},
        {"right click",
         {Observe([&] { windriver::send_mouse(MOUSEEVENTF_RIGHTDOWN, over); }),
          Observe([&] { windriver::send_mouse(MOUSEEVENTF_RIGHTUP, over); })},
         swatchColor},
        {"left click", {PressAt(over), ReleaseAt(over)}, swatchColor},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        dialog.SetNewColor(initial);
        COLORREF hovered = CLR_INVALID;
        BOOL bPicking = FALSE;
        std::vector<InputStep> steps = {MoveTo(select), PressAt(select), ReleaseAt(select), Wait(), MoveTo(over),
                                        Wait(),         Wait(),          Observe([&] {
                                            hovered = dialog.newColor;
                                            bPicking = dialog.isPicking;
                                        })};
        steps.insert(steps.end(), c.end.begin(), c.end.end());
        PlayInput(steps);
        EXPECT_TRUE(bPicking);
        EXPECT_EQ(hovered, swatchColor);
        EXPECT_FALSE(dialog.isPicking);
        EXPECT_EQ(dialog.newColor, c.kept);
        EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
        EXPECT_TRUE(dialog.IsWindowVisible());
    }
    // A left click also hands the colour to both pages.
    EXPECT_EQ(ItemText(dialog.customPage, VrxPIdcColorRed), "200");
    EXPECT_EQ(dialog.standardPage.greys.GetColor(), swatchColor);
}

std::function<void()> g_whilePicking;
CVrxPColorsDialog* g_pPicking = nullptr;
bool g_rescued = false;

void CALLBACK RunWhilePicking(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(NULL, nId);
    g_whilePicking();
}

// Ends a picking loop the dialog failed to leave, so the test reports
// instead of hanging.
void CALLBACK Rescue(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(NULL, nId);
    if (g_pPicking->isPicking)
    {
        g_rescued = true;
        g_pPicking->isPicking = FALSE;
    }
}

TEST_F(ColorsDialogTest, PickingEndsOnQuitCaptureLossAndCancelMode)
{
    Open();
    g_pPicking = &dialog;
    struct Case
    {
        const char* name;
        std::function<void()> action;
        bool quitPosted;
    } cases[] = {
        {"quit", [] { ::PostQuitMessage(7); }, true},
        {"capture released", [] { ::ReleaseCapture(); }, false},
        {"cancel mode", [&] { dialog.SendMessage(WM_CANCELMODE); }, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_rescued = false;
        g_whilePicking = c.action;
        ::SetTimer(NULL, 0, 300, RunWhilePicking);
        const UINT_PTR nRescue = ::SetTimer(NULL, 0, 4000, Rescue);
        dialog.PickFromScreen();
        ::KillTimer(NULL, nRescue);
        EXPECT_FALSE(g_rescued);
        EXPECT_FALSE(dialog.isPicking);
        MSG msg;
        const BOOL bQuit = ::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(bQuit != FALSE, c.quitPosted);
        if (bQuit)
        {
            EXPECT_EQ(msg.wParam, 7u);
        }
    }
}

// Runs on a screen of 256 colours only (an X server of depth 8): the
// dialog's palette comes from the system's and every face draws with its
// entries. What the screen then shows is the display's business: under the
// test's emulator it keeps to the 20 static colours.
TEST_F(ColorsDialogTest, AtEightBitsThePreviewAndCellsUsePaletteEntries)
{
    if (VrxPGlobals().bitsPerPixel != 8)
        GTEST_SKIP() << "the screen has " << VrxPGlobals().bitsPerPixel << " bits per pixel";
    Open();
    ASSERT_NE(dialog.palette, static_cast<HPALETTE>(NULL));
    EXPECT_TRUE(dialog.ownsPalette);
    const COLORREF color = RGB(51, 102, 204);
    dialog.SetNewColor(color);
    const UINT nIndex = ::GetNearestPaletteIndex(dialog.palette, color);
    EXPECT_EQ(dialog.preview.GetColor(), PALETTEINDEX(nIndex));
    EXPECT_EQ(dialog.newColor, color);
    // The palette is the system's, 256 entries.
    EXPECT_EQ(::GetPaletteEntries(dialog.palette, 0, 0, nullptr), 256u);
    ASSERT_EQ(dialog.standardPage.hexagons.Cells().size(), 127u);
    for (const CVrxPColorHexCell& cell : dialog.standardPage.hexagons.Cells())
        EXPECT_EQ(cell.drawColor & 0xFF000000, 0x01000000u);
    // New and current the same colour: both halves of the preview show the
    // same entry (the index handed over is not looked up a second time).
    dialog.SetNewColor(initial);
    CRect rectPreview;
    dialog.preview.GetClientRect(&rectPreview);
    CPoint upper(rectPreview.CenterPoint().x, rectPreview.Height() / 4);
    CPoint lower(rectPreview.CenterPoint().x, rectPreview.Height() * 3 / 4);
    dialog.preview.ClientToScreen(&upper);
    dialog.preview.ClientToScreen(&lower);
    HDC hScreen = ::GetDC(NULL);
    EXPECT_EQ(::GetPixel(hScreen, upper.x, upper.y), ::GetPixel(hScreen, lower.x, lower.y));
    ::ReleaseDC(NULL, hScreen);
    EXPECT_TRUE(SaveWindowPicture(dialog.GetSafeHwnd(), "colors_dialog_8bpp"));
}

TEST_F(ColorsDialogTest, TheEmbeddedSheetOutlivesItsWindow)
{
    Open();
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.sheet.GetSafeHwnd(), static_cast<HWND>(NULL));
    EXPECT_EQ(dialog.sheet.GetPageCount(), 2);
    // The same dialog object opens again with its sheet whole.
    Open();
    ASSERT_NE(dialog.sheet.GetSafeHwnd(), static_cast<HWND>(NULL));
    EXPECT_EQ(dialog.sheet.GetPageCount(), 2);
    EXPECT_EQ(::SendMessage(dialog.sheet.GetTabControl(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(dialog.standardPage.IsWindowVisible());
}
} // namespace
