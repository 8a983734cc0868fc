// Bars in rows of the top and the left dock bar and one torn off into a
// floating frame, in a virtual desktop; the screen is kept.

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/tests/DockingViewHarness.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"

namespace
{
using Harness = DockingViewHarness;

// A bar that shows its name beside its gripper.
class LabelledBar : public ToolbarLikeBar
{
public:
    LabelledBar(int nLength, int nThickness) : ToolbarLikeBar(nLength, nThickness) {}

    void PaintBar(CDC* pDC) override
    {
        ToolbarLikeBar::PaintBar(pDC);
        CRect rect;
        GetClientRect(&rect);
        CVrxPVisualManager::Instance()->PaintBarBorder(pDC, this, rect);
        CRect rectGripper = rect;
        if (IsAlignedHorizontally())
            rectGripper.right = rectGripper.left + 8;
        else
            rectGripper.bottom = rectGripper.top + 8;
        CVrxPVisualManager::Instance()->PaintBarGripper(pDC, rectGripper, IsAlignedHorizontally(), this);
        CString text;
        GetWindowText(text);
        pDC->SetBkMode(TRANSPARENT);
        if (IsAlignedHorizontally())
        {
            CRect rectText = rect;
            rectText.DeflateRect(10, 0, 2, 0);
            pDC->DrawText(text, &rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
            return;
        }
        DrawDownwards(pDC, text, rect);
    }

private:
    // A vertical bar reads from top to bottom below its gripper, the tops
    // of the letters facing right, centred across the bar.
    static void DrawDownwards(CDC* pDC, const CString& text, const CRect& rect)
    {
        LOGFONT font = {};
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
        font.lfEscapement = 2700;
        font.lfOrientation = 2700;
        lstrcpy(font.lfFaceName, "Tahoma");
        HFONT hFont = ::CreateFontIndirect(&font);
        HDC hDC = pDC->GetSafeHdc();
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        TEXTMETRIC tm;
        ::GetTextMetrics(hDC, &tm);
        const UINT nAlign = ::SetTextAlign(hDC, TA_LEFT | TA_TOP);
        const int x = rect.left + (rect.Width() + tm.tmHeight) / 2;
        ::ExtTextOut(hDC, x, rect.top + 12, ETO_CLIPPED, &rect, text, static_cast<UINT>(text.GetLength()), nullptr);
        ::SetTextAlign(hDC, nAlign);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hFont);
    }
};

TEST(DockingBarsView, BarsInRowsOnTwoEdgesAndOneFloating)
{
    DockingTestFrame frame;
    ASSERT_TRUE(Harness::OpenFrame(frame, "Bars"));
    LabelledBar file(160, 26), edit(120, 26), view(200, 26), build(240, 30), left1(150, 28), left2(110, 28),
        floating(180, 26);
    struct Named
    {
        LabelledBar* bar;
        const char* name;
        UINT id;
    };
    const Named named[] = {{&file, "File", 301},  {&edit, "Edit", 302},     {&view, "View", 303},
                           {&build, "Build", 304}, {&left1, "Tools", 305}, {&left2, "Draw", 306},
                           {&floating, "Floating", 307}};
    for (const Named& n : named)
    {
        ASSERT_TRUE(n.bar->CreateIn(&frame, n.id));
        n.bar->SetWindowText(n.name);
    }
    frame.ShowWindow(SW_SHOW);
    Harness::LetTheDesktopCatchUp();
    CVrxPFrameBarManager& manager = frame.GetBarManager();
    CVrxPDockBar* pTop = manager.FindDockBar(CBRS_ALIGN_TOP, TRUE);
    auto dockInRow = [&](LabelledBar& bar, CVrxPDockBar* pSite, UINT nId, int nAlong) {
        const BOOL bHorizontal = pSite->IsAlignedHorizontally();
        bar.GetDockHistory().recentDockedRect =
            bHorizontal ? CRect(nAlong, 0, nAlong + bar.length, bar.thickness)
                        : CRect(0, nAlong, bar.thickness, nAlong + bar.length);
        CRect rectRow = bar.GetDockHistory().recentDockedRect;
        pSite->ClientToScreen(&rectRow);
        manager.DockControlBar(&bar, nId, pSite->GetRows().IsEmpty() ? nullptr : &rectRow);
    };
    dockInRow(file, pTop, CVrxPDockBar::idTop, 0);
    dockInRow(edit, pTop, CVrxPDockBar::idTop, 170);
    dockInRow(view, pTop, CVrxPDockBar::idTop, 300);
    manager.DockControlBar(&build, CVrxPDockBar::idTop, nullptr);
    CVrxPDockBar* pLeft = manager.FindDockBar(CBRS_ALIGN_LEFT, TRUE);
    dockInRow(left1, pLeft, CVrxPDockBar::idLeft, 0);
    dockInRow(left2, pLeft, CVrxPDockBar::idLeft, 160);
    manager.DockControlBar(&floating, CVrxPDockBar::idTop, nullptr);
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    ASSERT_TRUE(floating.FloatBar(CRect(rectFrame.left + 380, rectFrame.top + 250, 0, 0),
                                  CVrxPControlBar::dockByWindowMenu, TRUE));
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Harness::LetTheDesktopCatchUp();

    EXPECT_EQ(2, pTop->GetRows().GetCount());
    EXPECT_EQ(56, pTop->GetThickness());
    EXPECT_EQ(1, pLeft->GetRows().GetCount());
    EXPECT_EQ(28, pLeft->GetThickness());
    EXPECT_EQ(file.GetDockBarRow(), view.GetDockBarRow());
    ASSERT_NE(nullptr, floating.FindMiniFrameParent());
    EXPECT_EQ(frame.GetSafeHwnd(), ::GetWindow(floating.FindMiniFrameParent()->GetSafeHwnd(), GW_OWNER));
    EXPECT_TRUE(floating.FindMiniFrameParent()->IsWindowVisible());
    CRect rectFloating;
    floating.GetWindowRect(&rectFloating);
    EXPECT_EQ(CSize(180, 26), rectFloating.Size());
    EXPECT_EQ(floating.GetSafeHwnd(), ::WindowFromPoint(rectFloating.CenterPoint()))
        << "the floating bar is above its frame at " << rectFloating.left << "," << rectFloating.top;
    CRect rectMdi;
    ::GetWindowRect(frame.m_hWndMDIClient, &rectMdi);
    frame.ScreenToClient(&rectMdi);
    EXPECT_EQ(manager.GetOuterRect(), rectMdi);
    EXPECT_EQ(CPoint(28, 56), rectMdi.TopLeft());
    windriver::save_screen(Harness::Shot());

    CVrxPMiniFrameWnd* pMiniFrame = floating.FindMiniFrameParent();
    floating.SetParent(&frame);
    pMiniFrame->ReleaseHostedBar();
    frame.DestroyWindow();
}
} // namespace

int main(int argc, char** argv)
{
    return DockingViewHarness::Run(argc, argv, "vrx_docking_bars.bmp");
}
