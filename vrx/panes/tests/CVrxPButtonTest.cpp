#include "app/CWinApp.h"
#include "foundation/CVrxPContextMenuManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/tests/TestCanvas.h"
#include "panes/CVrxPButton.h"
#include "panes/CVrxPDialogHelper.h"
#include "tests/ButtonTestDialog.h"
#include "tests/RealInput.h"
#include "toolbars/CVrxPPopupMenu.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF untouched = RGB(255, 0, 255);

// Opens the parts of the button that draw its frame and hold its images.
class ProbedButton : public CVrxPButton
{
public:
    using CVrxPButton::DrawBorder;
    COLORREF TransparentColorOfNormalImage() const { return m_images[0].GetTransparentColor(); }
    int NormalImageCount() const { return m_images[0].GetCount(); }
};

HBITMAP MakeBitmap(int nWidth, int nHeight, WORD nBits, COLORREF color)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = nBits;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    HBRUSH hBrush = ::CreateSolidBrush(color);
    RECT rect = {0, 0, nWidth, nHeight};
    ::FillRect(hDC, &rect, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hBitmap;
}

struct BorderCase
{
    const char* name;
    int borderStyle;
    BOOL hot;
    BOOL pushed;
    BOOL checked;
    // Expected colours at (0, 0), (1, 1) and the outer bottom-right corner,
    // as indexes into the frame colours below; -1 untouched.
    int outer;
    int inner;
    int outerBottomRight;
    // The content rectangle the border leaves of (0, 0, 40, 20).
    RECT content;
};

enum FrameColor
{
    lightEdge,
    light,
    shade,
    darkShade
};

COLORREF FrameColorOf(int nIndex)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    switch (nIndex)
    {
    case lightEdge:
        return globals.colorLightEdge;
    case light:
        return globals.colorLight;
    case shade:
        return globals.colorShade;
    case darkShade:
        return globals.colorDarkShade;
    default:
        return untouched;
    }
}

class ButtonBorderTest : public ::testing::TestWithParam<BorderCase>
{
};

// The classic frames, as an unthemed button draws them.
TEST_P(ButtonBorderTest, DrawsItsFrameAndInsetsItsContent)
{
    VrxPStartLibrary();
    const BorderCase& c = GetParam();
    ProbedButton button;
    button.borderStyle = c.borderStyle;
    button.highlighted = c.hot;
    button.pushed = c.pushed;
    if (c.checked)
    {
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        ASSERT_TRUE(button.Create("", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 0, 40, 20), &parent, 1));
        button.SetCheck(BST_CHECKED);
        button.DestroyWindow();
        parent.DestroyWindow();
        ASSERT_TRUE(button.IsChecked());
    }
    TestCanvas canvas(40, 20, untouched);
    CRect rect(0, 0, 40, 20);
    button.DrawBorder(&canvas.DC(), rect, 0);
    EXPECT_EQ(FrameColorOf(c.outer), canvas.Pixel(0, 0)) << c.name;
    EXPECT_EQ(FrameColorOf(c.inner), canvas.Pixel(1, 1)) << c.name;
    EXPECT_EQ(FrameColorOf(c.outerBottomRight), canvas.Pixel(39, 19)) << c.name;
    EXPECT_EQ(CRect(c.content), rect) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, ButtonBorderTest,
    ::testing::Values(BorderCase{"none", CVrxPButton::borderNone, TRUE, FALSE, FALSE, -1, -1, -1, {2, 2, 38, 18}},
                      BorderCase{"flat idle", CVrxPButton::borderFlat, FALSE, FALSE, FALSE, -1, -1, -1, {2, 2, 38, 18}},
                      BorderCase{"flat hot", CVrxPButton::borderFlat, TRUE, FALSE, FALSE, lightEdge, -1, darkShade,
                                 {2, 2, 38, 18}},
                      BorderCase{"semi-flat idle", CVrxPButton::borderSemiFlat, FALSE, FALSE, FALSE, lightEdge, -1,
                                 darkShade, {2, 2, 38, 18}},
                      BorderCase{"semi-flat hot", CVrxPButton::borderSemiFlat, TRUE, FALSE, FALSE, lightEdge, light,
                                 darkShade, {2, 2, 38, 18}},
                      BorderCase{"3D idle", CVrxPButton::border3D, FALSE, FALSE, FALSE, lightEdge, light, darkShade,
                                 {2, 2, 38, 18}},
                      BorderCase{"3D pushed", CVrxPButton::border3D, TRUE, TRUE, FALSE, darkShade, shade, lightEdge,
                                 {4, 4, 38, 18}},
                      BorderCase{"3D pushed, pointer out", CVrxPButton::border3D, FALSE, TRUE, FALSE, lightEdge,
                                 light, darkShade, {2, 2, 38, 18}},
                      BorderCase{"flat pushed", CVrxPButton::borderFlat, TRUE, TRUE, FALSE, darkShade, -1, lightEdge,
                                 {4, 4, 38, 18}},
                      BorderCase{"flat checked", CVrxPButton::borderFlat, FALSE, FALSE, TRUE, darkShade, -1,
                                 lightEdge, {4, 4, 38, 18}}),
    [](const ::testing::TestParamInfo<BorderCase>& info) { return std::to_string(info.index); });

TEST(ButtonKindTest, EveryKindOfButtonBecomesOwnerDrawnAndKeepsItsKind)
{
    VrxPStartLibrary();
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    struct
    {
        DWORD style;
        BOOL check;
        BOOL radio;
        int alignment;
    } kinds[] = {{BS_PUSHBUTTON, FALSE, FALSE, CVrxPButton::alignCentre},
                 {BS_CHECKBOX | BS_LEFT, TRUE, FALSE, CVrxPButton::alignLeft},
                 {BS_AUTOCHECKBOX | BS_RIGHT, TRUE, FALSE, CVrxPButton::alignRight},
                 {BS_RADIOBUTTON, FALSE, TRUE, CVrxPButton::alignCentre},
                 {BS_AUTORADIOBUTTON | BS_LEFT, FALSE, TRUE, CVrxPButton::alignLeft}};
    for (const auto& kind : kinds)
    {
        for (BOOL bSubclass : {FALSE, TRUE})
        {
            CVrxPButton button;
            const DWORD dwStyle = WS_CHILD | kind.style;
            if (bSubclass)
            {
                HWND hWnd = ::CreateWindowEx(0, "BUTTON", "b", dwStyle, 0, 0, 50, 20, parent.GetSafeHwnd(), NULL,
                                             NULL, NULL);
                ASSERT_TRUE(button.SubclassWindow(hWnd));
            }
            else
            {
                ASSERT_TRUE(button.Create("b", dwStyle, CRect(0, 0, 50, 20), &parent, 1));
            }
            EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK) << std::hex << kind.style;
            EXPECT_EQ(kind.check, button.IsCheckBox()) << std::hex << kind.style;
            EXPECT_EQ(kind.radio, button.IsRadio()) << std::hex << kind.style;
            EXPECT_EQ(kind.alignment, button.labelAlignment) << std::hex << kind.style;
            button.SetCheck(BST_CHECKED);
            EXPECT_EQ(kind.check || kind.radio ? BST_CHECKED : BST_UNCHECKED, button.GetCheck());
            button.DestroyWindow();
        }
    }
    parent.DestroyWindow();
}

TEST(ButtonImageTest, TheIconForImageGetIsMadeOnceAndGoesWithItsImages)
{
    VrxPStartLibrary();
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    ProbedButton button;
    ASSERT_TRUE(button.Create("b", WS_CHILD, CRect(0, 0, 50, 20), &parent, 1));
    EXPECT_EQ(nullptr, button.GetIcon()) << "no image, no icon";

    HBITMAP hFirst = MakeBitmap(16, 15, 32, RGB(0, 0, 255));
    button.SetBitmap(hFirst);
    // A deep bitmap given through the button message is keyed on light grey
    // all the same.
    EXPECT_EQ(CVrxPButton::greyKeyColor, button.TransparentColorOfNormalImage());
    EXPECT_EQ(CSize(16, 15), button.GetImageSize());
    const HICON hIcon = button.GetIcon();
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(hIcon, button.GetIcon());
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hIcon, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    HBITMAP hSecond = MakeBitmap(16, 15, 32, RGB(0, 255, 0));
    button.AssignBitmaps(hSecond);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), button.TransparentColorOfNormalImage());
    EXPECT_FALSE(::GetIconInfo(hIcon, &info)) << "the icon of the old images is destroyed with them";
    EXPECT_NE(nullptr, button.GetIcon());
    EXPECT_EQ(1, button.NormalImageCount());

    button.ClearImages();
    EXPECT_EQ(nullptr, button.GetIcon());
    button.DestroyWindow();
    parent.DestroyWindow();
    ::DeleteObject(hFirst);
    ::DeleteObject(hSecond);
}

class ButtonInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPStartLibrary();
        ASSERT_TRUE(dialog.Open());
        PumpMessages(100);
    }
    void TearDown() override
    {
        PlayInput({MoveTo(CPoint(5, 5))});
        dialog.DestroyWindow();
    }
    static void PauseBeyondDoubleClick() { PumpMessages(::GetDoubleClickTime() + 100); }
    CPoint Outside() const
    {
        CRect rect;
        dialog.GetWindowRect(&rect);
        return CPoint(rect.right + 40, rect.bottom + 40);
    }

    // Library popups run their loops on the application's thread.
    CWinApp app{"korvo panes test"};
    ButtonTestDialog dialog;
};

TEST_F(ButtonInputTest, FlatButtonsTrackThePointerAndAnUnthemed3DButtonOnlyWhenPressed)
{
    ASSERT_FALSE(dialog.plain.IsThemed());
    PlayInput({MoveTo(dialog.CentreOf(dialog.flat)), MoveTo(dialog.CentreOf(dialog.flat) + CSize(2, 0))});
    EXPECT_TRUE(dialog.flat.highlighted);
    PlayInput({MoveTo(dialog.CentreOf(dialog.plain)), MoveTo(dialog.CentreOf(dialog.plain) + CSize(2, 0))});
    EXPECT_FALSE(dialog.flat.highlighted) << "leaving the flat button clears its hot look";
    EXPECT_FALSE(dialog.plain.highlighted);
    PlayInput({MoveTo(dialog.CentreOf(dialog.semiFlat)), MoveTo(dialog.CentreOf(dialog.semiFlat) + CSize(2, 0))});
    EXPECT_TRUE(dialog.semiFlat.highlighted);

    PlayInput({MoveTo(dialog.CentreOf(dialog.plain)), PressAt(dialog.CentreOf(dialog.plain))});
    EXPECT_TRUE(dialog.plain.highlighted);
    EXPECT_TRUE(dialog.plain.pushed);
    PlayInput({MoveTo(Outside())});
    EXPECT_FALSE(dialog.plain.pushed) << "dragging out clears pushed";
    PlayInput({MoveTo(dialog.CentreOf(dialog.plain))});
    EXPECT_TRUE(dialog.plain.pushed) << "coming back with the button held pushes it again";
    PlayInput({ReleaseAt(dialog.CentreOf(dialog.plain))});
    EXPECT_FALSE(dialog.plain.pushed);
    EXPECT_EQ(1, dialog.ClicksFrom(IDC_TEST_PLAIN));
}

TEST_F(ButtonInputTest, ACheckBoxTogglesOnAClickInsideOnly)
{
    const CPoint centre = dialog.CentreOf(dialog.check);
    PlayInput({MoveTo(centre), PressAt(centre), ReleaseAt(centre)});
    EXPECT_TRUE(dialog.check.IsChecked());
    EXPECT_EQ(BST_CHECKED, dialog.check.GetCheck());
    EXPECT_EQ(1, dialog.ClicksFrom(IDC_TEST_CHECK));

    PauseBeyondDoubleClick();
    PlayInput({MoveTo(centre), PressAt(centre), MoveTo(Outside()), ReleaseAt(Outside())});
    EXPECT_TRUE(dialog.check.IsChecked()) << "released outside, the state stays";
    EXPECT_EQ(1, dialog.ClicksFrom(IDC_TEST_CHECK));

    PauseBeyondDoubleClick();
    PlayInput({MoveTo(centre), PressAt(centre), ReleaseAt(centre)});
    EXPECT_FALSE(dialog.check.IsChecked());
    EXPECT_EQ(2, dialog.ClicksFrom(IDC_TEST_CHECK));
}

TEST_F(ButtonInputTest, TheReleaseAfterADoubleClickIsOneMoreClick)
{
    const CPoint centre = dialog.CentreOf(dialog.plain);
    PlayInput({MoveTo(centre), PressAt(centre), ReleaseAt(centre), PressAt(centre), ReleaseAt(centre)});
    EXPECT_EQ(2, dialog.ClicksFrom(IDC_TEST_PLAIN));
    int nDoubleClicks = 0;
    for (const auto& command : dialog.commands)
        nDoubleClicks += command.first == IDC_TEST_PLAIN && command.second == BN_DOUBLECLICKED;
    EXPECT_EQ(1, nDoubleClicks) << "what the control itself reports";
    EXPECT_FALSE(dialog.plain.pushed);
}

TEST_F(ButtonInputTest, AClickedRadioButtonUnchecksTheOthersOfItsGroup)
{
    dialog.radioA.SetCheck(BST_CHECKED);
    const CPoint centre = dialog.CentreOf(dialog.radioB);
    PlayInput({MoveTo(centre), PressAt(centre), ReleaseAt(centre)});
    EXPECT_TRUE(dialog.radioB.IsChecked());
    EXPECT_FALSE(dialog.radioA.IsChecked());
    PlayInput({PressAt(centre), ReleaseAt(centre)});
    EXPECT_TRUE(dialog.radioB.IsChecked()) << "a checked radio button stays checked";
    EXPECT_FALSE(dialog.radioA.IsChecked());
    EXPECT_FALSE(dialog.check.IsChecked()) << "the check box is of another kind";

    // The arrow keys move the check within the group.
    dialog.radioB.SetFocus();
    PlayInput({KeyDown(VK_LEFT), KeyUp(VK_LEFT)});
    EXPECT_TRUE(dialog.radioA.IsChecked());
    EXPECT_FALSE(dialog.radioB.IsChecked());
    EXPECT_EQ(dialog.radioA.GetSafeHwnd(), ::GetFocus());
}

TEST_F(ButtonInputTest, AHeldRepeatButtonClicksOnlyWhileThePointerIsOverIt)
{
    const CPoint centre = dialog.CentreOf(dialog.repeat);
    std::vector<InputStep> hold = {MoveTo(centre), PressAt(centre)};
    hold.insert(hold.end(), 14, Wait());
    PlayInput(hold);
    const int nWhileHeld = dialog.ClicksFrom(IDC_TEST_REPEAT);
    EXPECT_GE(nWhileHeld, 3) << "about 700 ms held at 100 ms";

    PlayInput({MoveTo(Outside())});
    const int nWhenOut = dialog.ClicksFrom(IDC_TEST_REPEAT);
    PlayInput(std::vector<InputStep>(10, Wait()));
    EXPECT_EQ(nWhenOut, dialog.ClicksFrom(IDC_TEST_REPEAT)) << "no repetition while the pointer is outside";

    PlayInput({ReleaseAt(Outside())});
    EXPECT_EQ(nWhenOut, dialog.ClicksFrom(IDC_TEST_REPEAT)) << "a release outside is no click";
    PumpMessages(300);
    EXPECT_EQ(nWhenOut, dialog.ClicksFrom(IDC_TEST_REPEAT)) << "the repetition stopped with the release";
}

TEST_F(ButtonInputTest, AMenuButtonChoiceReachesTheParentByTheButtonsOwnId)
{
    CVrxPContextMenuManager manager;
    const CPoint centre = dialog.CentreOf(dialog.menuButton);
    PlayInput({MoveTo(centre), PressAt(centre), ReleaseAt(centre), Wait(), KeyDown(VK_DOWN), KeyUp(VK_DOWN),
               KeyDown(VK_DOWN), KeyUp(VK_DOWN), KeyDown(VK_RETURN), KeyUp(VK_RETURN), Wait(), Wait()});
    EXPECT_EQ(ID_TEST_SECOND, dialog.menuButton.chosenCommand);
    int nMenuCommands = 0;
    for (const auto& command : dialog.commands)
        nMenuCommands += command.first == IDC_TEST_MENU && command.second == 0;
    EXPECT_EQ(1, nMenuCommands) << "the choice, and no click for the press that opened the menu";
    EXPECT_FALSE(dialog.menuButton.IsMenuOpen());
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    EXPECT_FALSE(CVrxPDialogHelper::HookInstalled());
}

TEST_F(ButtonInputTest, AClickElsewhereClosesTheMenuAndReachesTheControlUnderIt)
{
    CVrxPContextMenuManager manager;
    const CPoint menuCentre = dialog.CentreOf(dialog.menuButton);
    const CPoint checkCentre = dialog.CentreOf(dialog.check);
    CVrxPPopupMenu* pOpen = nullptr;
    CVrxPPopupMenu* pGuarded = nullptr;
    BOOL bOpenDuringMenu = FALSE;
    const auto observe = [&] {
        pOpen = CVrxPPopupMenu::ActivePopup();
        pGuarded = dialog.GetCurrentPopupMenu();
        bOpenDuringMenu = dialog.menuButton.IsMenuOpen();
    };
    PlayInput({MoveTo(menuCentre), PressAt(menuCentre), ReleaseAt(menuCentre), Wait(), Observe(observe),
               MoveTo(checkCentre), PressAt(checkCentre), ReleaseAt(checkCentre), Wait(), Wait()});
    ASSERT_NE(nullptr, pOpen) << "the button dropped a library popup";
    EXPECT_EQ(pOpen, pGuarded) << "the dialog guards the popup it shows";
    EXPECT_TRUE(bOpenDuringMenu);
    EXPECT_EQ(0, dialog.menuButton.chosenCommand);
    for (const auto& command : dialog.commands)
        EXPECT_NE(static_cast<UINT>(IDC_TEST_MENU), command.first) << "a dismissed menu tells its parent nothing";
    EXPECT_FALSE(dialog.menuButton.IsMenuOpen());
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    EXPECT_TRUE(dialog.check.IsChecked()) << "the click went on to the check box";
}

TEST_F(ButtonInputTest, ALinkInCommandModeTellsItsParentOnceAndActsOnEnterAtItsRelease)
{
    dialog.link.commandMode = TRUE;
    const CPoint centre = dialog.CentreOf(dialog.link);
    PlayInput({MoveTo(centre), PressAt(centre), ReleaseAt(centre)});
    EXPECT_EQ(1, dialog.ClicksFrom(IDC_TEST_LINK));

    dialog.link.SetFocus();
    PlayInput({KeyDown(VK_RETURN)});
    EXPECT_EQ(1, dialog.ClicksFrom(IDC_TEST_LINK)) << "nothing at the key press";
    PlayInput({KeyUp(VK_RETURN)});
    EXPECT_EQ(2, dialog.ClicksFrom(IDC_TEST_LINK));
    EXPECT_TRUE(dialog.link.failures.empty());
}

TEST_F(ButtonInputTest, ALinkTheShellCannotOpenIsReportedAndTheParentHearsNothing)
{
    dialog.link.SetURL("C:\\korvo-no-such-folder\\no-such-file.korvo");
    const CPoint centre = dialog.CentreOf(dialog.link);
    PlayInput({MoveTo(centre), PressAt(centre), ReleaseAt(centre)});
    ASSERT_EQ(1u, dialog.link.failures.size());
    EXPECT_LE(dialog.link.failures[0], CVrxPURLLinkButton::shellFailureLimit);
    EXPECT_EQ(0, dialog.ClicksFrom(IDC_TEST_LINK));
}

TEST(DialogTest, PaintsItsBrushAndPlacesItsBitmapAtTheCornerAsked)
{
    VrxPStartLibrary();
    ButtonTestDialog dialog;
    dialog.backgroundBrush.CreateSolidBrush(RGB(0, 128, 0));
    dialog.backgroundBitmap = MakeBitmap(4, 4, 24, RGB(255, 0, 0));
    dialog.deleteBitmap = TRUE;
    dialog.bitmapPlacement = CVrxPDialog::placeBottomRight;
    ASSERT_TRUE(dialog.Create(IDD_TEST_BUTTONS, nullptr));
    CRect client;
    dialog.GetClientRect(&client);
    TestCanvas canvas(client.Width(), client.Height(), untouched);
    EXPECT_TRUE(dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.DC().GetSafeHdc())));
    EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(client.right - 1, client.bottom - 1));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(client.right - 4, client.bottom - 4));
    EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(client.right - 5, client.bottom - 5));

    dialog.bitmapPlacement = CVrxPDialog::placeTiled;
    canvas.Fill(untouched);
    dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.DC().GetSafeHdc()));
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, client.Width(), client.Height()), untouched)) << "tiles cover it all";
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, client.Width(), client.Height()), RGB(0, 128, 0)));

    // Static controls show the background through.
    HDC hDC = ::GetDC(dialog.GetSafeHwnd());
    const HBRUSH hBrush = reinterpret_cast<HBRUSH>(dialog.SendMessage(
        WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(dialog.check.GetSafeHwnd())));
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), hBrush);
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(hDC));
    ::ReleaseDC(dialog.GetSafeHwnd(), hDC);

    const HBITMAP hBitmap = dialog.backgroundBitmap;
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.backgroundBitmap);
    BITMAP info;
    EXPECT_EQ(0, ::GetObject(hBitmap, sizeof(info), &info)) << "the dialog deleted its bitmap";
}

TEST(DialogTest, ADialogGoingAwayWithItsPopupOpenTakesTheGuardAndTheHookWithIt)
{
    VrxPStartLibrary();
    ButtonTestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_BUTTONS, nullptr));
    CVrxPPopupMenu popup;
    dialog.SetCurrentPopupMenu(&popup);
    EXPECT_TRUE(CVrxPDialogHelper::HookInstalled());
    EXPECT_EQ(&dialog.PopupGuard(), CVrxPDialogHelper::CurrentGuard());
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, CVrxPDialogHelper::CurrentGuard());
    EXPECT_FALSE(CVrxPDialogHelper::HookInstalled());
    EXPECT_EQ(nullptr, dialog.GetCurrentPopupMenu());
}
} // namespace
