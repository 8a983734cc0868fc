// A library dialog with each kind of button, a window with a tab strip in
// each of the eight styles, at the top and at the bottom, and a frame with a
// tabbed toolbar of two toolbars, in a virtual desktop; the screen is kept.

#include "app/CWinApp.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/VrxPLibrary.h"
#include "panes/CVrxPTabbedToolbar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "tests/ButtonTestDialog.h"
#include "tests/RealInput.h"
#include "tests/TabTestHost.h"

#include "ScreenPicture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

std::string g_shot = "vrx_panes.bmp";

const char* const styleNames[] = {"0 rectangular", "1 flat",    "2 flat, shared", "3 rectangular, scrolled",
                                  "4 slanted",     "5 narrow", "6 rounded",      "7 rounded, scrolled"};

TEST(PanesView, ButtonsInADialogAndTabsInEveryStyle)
{
    VrxPStartLibrary();
    CWinApp app("korvo panes view");
    CWnd board;
    ASSERT_TRUE(board.CreateEx(0, "#32770", "Tab strips: styles 0 to 7, top and bottom",
                               WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 1010, 470),
                               nullptr, 0));
    std::vector<std::unique_ptr<CVrxPTabWnd>> strips;
    std::vector<std::unique_ptr<CWnd>> pages;
    const CSize cell(245, 105);
    for (int nStyle = 0; nStyle < 8; nStyle++)
    {
        for (int nSide = 0; nSide < 2; nSide++)
        {
            const int nSlot = nStyle * 2 + nSide;
            const CPoint corner(5 + (nSlot % 4) * (cell.cx + 5), 5 + (nSlot / 4) * (cell.cy + 5));
            auto strip = std::make_unique<CVrxPTabWnd>();
            ASSERT_TRUE(strip->Create(nStyle, CRect(corner, cell), &board, 10 + static_cast<UINT>(nSlot),
                                      nSide == 0 ? CVrxPBaseTabWnd::locationTop : CVrxPBaseTabWnd::locationBottom,
                                      nStyle == 3 || nStyle == 7));
            for (const char* label : {"Output", "Find results", "Watch", "Locals"})
            {
                auto page = std::make_unique<CWnd>();
                CString text;
                text.Format("style %s, tabs at the %s", styleNames[nStyle], nSide == 0 ? "top" : "bottom");
                ASSERT_TRUE(page->CreateEx(WS_EX_CLIENTEDGE, "STATIC", text, WS_CHILD, CRect(0, 0, 10, 10), strip.get(),
                                           100 + static_cast<UINT>(pages.size())));
                strip->AppendTab(page.get(), label);
                pages.push_back(std::move(page));
            }
            strip->SetTabColorAt(2, RGB(148, 175, 230));
            strip->ActivateTab(1);
            EXPECT_EQ(1, strip->ActiveTabIndex());
            EXPECT_TRUE(strip->TabWindowAt(1)->IsWindowVisible());
            strips.push_back(std::move(strip));
        }
    }

    ButtonTestDialog dialog;
    ASSERT_TRUE(dialog.Open(CPoint(20, 490)));
    dialog.check.SetCheck(BST_CHECKED);
    dialog.radioB.SetCheck(BST_CHECKED);
    dialog.plain.UseMenuGlyph(5);
    dialog.plain.Invalidate();
    PlayInput({MoveTo(dialog.CentreOf(dialog.semiFlat)), MoveTo(dialog.CentreOf(dialog.semiFlat) + CSize(1, 0))});
    EXPECT_TRUE(dialog.semiFlat.highlighted) << "the semi-flat button shows hot in the picture";

    OwnedFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Tabbed toolbar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(520, 480, 1010, 700)));
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPTabbedToolbar tabbed;
    ASSERT_TRUE(tabbed.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE830,
                              CVrxPBaseControlBar::flagFloat | CVrxPBaseControlBar::flagDockable));
    ASSERT_TRUE(frame.PlaceBarDocked(&tabbed));
    CVrxPToolBar build;
    CVrxPToolBar debug;
    const struct
    {
        CVrxPToolBar* bar;
        const char* title;
        std::vector<const char*> buttons;
    } toolbars[] = {{&build, "Build", {"Compile", "Link", "Clean"}}, {&debug, "Debug", {"Run", "Step", "Stop", "Watch"}}};
    UINT nId = 0xE840;
    for (const auto& toolbar : toolbars)
    {
        ASSERT_TRUE(toolbar.bar->CreateWithDefaultStyle(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, nId++));
        toolbar.bar->SetWindowText(toolbar.title);
        for (const char* text : toolbar.buttons)
            toolbar.bar->InsertButtonCopy(CVrxPToolbarButton(nId++, -1, text));
        ASSERT_TRUE(tabbed.AddBar(toolbar.bar, TRUE, FALSE, FALSE));
    }
    tabbed.TabWindow()->ActivateTab(1);
    frame.RecalcLayout();
    EXPECT_TRUE(debug.IsWindowVisible());
    EXPECT_FALSE(build.IsWindowVisible());

    PumpMessages(500);
    windriver::save_screen(g_shot);
    frame.DestroyWindow();
    dialog.DestroyWindow();
    board.DestroyWindow();
}
} // namespace

int main(int argc, char** argv)
{
    g_shot = windriver::shot_path(argc, argv, g_shot);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
