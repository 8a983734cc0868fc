// Buttons dragged with real input in customise mode and with Alt held:
// within a bar, between bars, copied with Ctrl, dragged off to remove them,
// regrouped by a short drag; and the drop side's insertion points and its
// refusal of data that is not a button.

#include "ole/COleDataObject.h"
#include "ole/COleDataSource.h"
#include "toolbars/CVrxPButtonDragTarget.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "MouseInput.h"
#include "WindowDriver.h"
#include "TestMdiFrame.h"
#include "docking/tests/RealInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using realinput::InputStep;

namespace
{
const DWORD barStyle = 0x50402808;

class ToolBarDragDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ASSERT_TRUE(frame.Create(nullptr, "drag", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 400)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        for (CVrxPToolBar* pBar : {&first, &second})
        {
            ASSERT_TRUE(pBar->CreateWithDefaultStyle(&frame, barStyle, pBar == &first ? 0xE820 : 0xE821));
            pBar->AllowDocking(CBRS_ALIGN_ANY);
        }
        for (const char* text : {"Alpha", "Bravo", "Charlie"})
            first.InsertButtonCopy(CVrxPToolbarButton(commandOf(text), -1, text));
        second.InsertButtonCopy(CVrxPToolbarButton(commandOf("Delta"), -1, "Delta"));
        ASSERT_TRUE(frame.PlaceBarDocked(&first));
        ASSERT_TRUE(frame.PlaceBarDocked(&second));
        frame.ShowWindow(SW_SHOW);
        frame.RecalcLayout();
        frame.SetForegroundWindow();
        windriver::send_mouse(0, Away());
        LetTheInputArrive();
        frame.commands.clear();
    }
    void TearDown() override
    {
        CVrxPToolBar::SetCustomizeMode(FALSE);
        CVrxPToolBar::AltDragEnabled = FALSE;
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
        ::OleUninitialize();
    }

    static UINT commandOf(const std::string& text) { return 400 + static_cast<UINT>(text[0]); }
    static std::string Texts(const CVrxPToolBar& bar)
    {
        std::string texts;
        for (int i = 0; i < bar.GetCount(); i++)
        {
            const CVrxPToolbarButton* pButton = bar.GetButton(i);
            texts += std::string(texts.empty() ? "" : " ") + (pButton->IsSeparator() ? "|" : pButton->text.GetString());
        }
        return texts;
    }
    static CPoint OnButton(CVrxPToolBar& bar, int nIndex, int dx = 0)
    {
        CPoint point = bar.GetButton(nIndex)->rect.CenterPoint();
        point.x += dx;
        bar.ClientToScreen(&point);
        return point;
    }
    static CPoint RightOfButton(CVrxPToolBar& bar, int nIndex)
    {
        const CRect& rect = bar.GetButton(nIndex)->rect;
        CPoint point(rect.right - 2, rect.CenterPoint().y);
        bar.ClientToScreen(&point);
        return point;
    }
    // The frame's client area well below the bars.
    CPoint Away()
    {
        CRect rect;
        frame.GetClientRect(&rect);
        frame.ClientToScreen(&rect);
        return CPoint(rect.CenterPoint().x, rect.bottom - 20);
    }
    // A press, a few moves towards the target, a rest over it and the release.
    static std::vector<InputStep> Drag(CPoint from, CPoint to)
    {
        std::vector<InputStep> steps = {{InputStep::move, from}, {InputStep::press, from}};
        for (int i = 1; i <= 4; i++)
            steps.push_back({InputStep::move, CPoint(from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4)});
        steps.push_back({InputStep::rest, to});
        steps.push_back({InputStep::move, to});
        steps.push_back({InputStep::release, to});
        return steps;
    }
    // The key goes down just before the step at nBefore and up after the
    // release: Wine forgets a key sent as input once the pointer moves.
    static std::vector<InputStep> Held(InputStep::Kind down, InputStep::Kind up, std::vector<InputStep> steps,
                                       size_t nBefore)
    {
        steps.insert(steps.begin() + static_cast<std::ptrdiff_t>(nBefore), {{down, CPoint()}, {InputStep::rest, CPoint()}});
        steps.push_back({up, CPoint()});
        return steps;
    }
    // Ctrl held as the button is released.
    static std::vector<InputStep> WithCtrl(std::vector<InputStep> steps)
    {
        const size_t nRelease = steps.size() - 1;
        return Held(InputStep::ctrlDown, InputStep::ctrlUp, std::move(steps), nRelease);
    }
    // Alt held from the press on; Escape then ends the menu mode that a
    // lone Alt press and release may start.
    static std::vector<InputStep> WithAlt(std::vector<InputStep> steps)
    {
        steps = Held(InputStep::altDown, InputStep::altUp, std::move(steps), 1);
        steps.push_back({InputStep::escape, CPoint()});
        return steps;
    }

    TestMdiFrame frame;
    CVrxPToolBar first;
    CVrxPToolBar second;
};
} // namespace

TEST_F(ToolBarDragDropTest, InCustomiseModeAButtonMovesWithinItsBarAndToAnotherBar)
{
    ASSERT_TRUE(CVrxPToolBar::SetCustomizeMode(TRUE));
    realinput::Play(Drag(OnButton(first, 0), RightOfButton(first, 2)));
    EXPECT_EQ("Bravo Charlie Alpha", Texts(first));
    realinput::Play(Drag(OnButton(first, 1), RightOfButton(second, 0)));
    EXPECT_EQ("Bravo Alpha", Texts(first));
    EXPECT_EQ("Delta Charlie", Texts(second));
    EXPECT_TRUE(frame.commands.empty()) << "customise mode sends no command";
    EXPECT_TRUE(CVrxPToolBar::customizeMode);
}

TEST_F(ToolBarDragDropTest, CtrlCopiesAndADragOffEveryBarRemoves)
{
    ASSERT_TRUE(CVrxPToolBar::SetCustomizeMode(TRUE));
    realinput::Play(WithCtrl(Drag(OnButton(first, 1), RightOfButton(second, 0))));
    EXPECT_EQ("Alpha Bravo Charlie", Texts(first));
    EXPECT_EQ("Delta Bravo", Texts(second));
    realinput::Play(Drag(OnButton(first, 0), Away()));
    EXPECT_EQ("Bravo Charlie", Texts(first));
    realinput::Play(WithCtrl(Drag(OnButton(first, 0), Away())));
    EXPECT_EQ("Bravo Charlie", Texts(first)) << "a key held at the end keeps the button";
}

TEST_F(ToolBarDragDropTest, AClickSelectsWithoutRemovingAndEscapeCancelsADrag)
{
    ASSERT_TRUE(CVrxPToolBar::SetCustomizeMode(TRUE));
    // A drag off the bar first, so the last drag ended with no key held.
    realinput::Play(Drag(OnButton(second, 0), Away()));
    ASSERT_EQ("", Texts(second));
    const CPoint point = OnButton(first, 1);
    realinput::Play({{InputStep::move, point}, {InputStep::press, point}, {InputStep::release, point}});
    EXPECT_EQ("Alpha Bravo Charlie", Texts(first));
    EXPECT_EQ(1, first.GetSelectedIndex());
    EXPECT_EQ(&first, CVrxPToolBar::SelectedBar());
    std::vector<InputStep> cancelled = Drag(OnButton(first, 0), Away());
    cancelled.insert(cancelled.end() - 1, {InputStep::escape, CPoint()});
    realinput::Play(cancelled);
    EXPECT_EQ("Alpha Bravo Charlie", Texts(first));
}

TEST_F(ToolBarDragDropTest, AShortDragForwardsStartsAGroupAndBackwardsEndsIt)
{
    ASSERT_TRUE(CVrxPToolBar::SetCustomizeMode(TRUE));
    const CPoint start = OnButton(first, 1);
    std::vector<InputStep> steps = Drag(start, CPoint(start.x, start.y + 60));
    steps.insert(steps.end() - 1, {InputStep::move, CPoint(start.x + 10, start.y)});
    steps.back().point = CPoint(start.x + 10, start.y);
    realinput::Play(steps);
    ASSERT_EQ("Alpha | Bravo Charlie", Texts(first));
    const CPoint again = OnButton(first, 2);
    steps = Drag(again, CPoint(again.x, again.y + 60));
    steps.insert(steps.end() - 1, {InputStep::move, CPoint(again.x - 10, again.y)});
    steps.back().point = CPoint(again.x - 10, again.y);
    realinput::Play(steps);
    EXPECT_EQ("Alpha Bravo Charlie", Texts(first));
}

TEST_F(ToolBarDragDropTest, AltDragMovesAButtonOnlyWhenTheApplicationAllowsIt)
{
    realinput::Play(WithAlt(Drag(OnButton(first, 0), RightOfButton(second, 0))));
    EXPECT_EQ("Alpha Bravo Charlie", Texts(first)) << "Alt-drag not enabled";
    CVrxPToolBar::AltDragEnabled = TRUE;
    realinput::Play(WithAlt(Drag(OnButton(first, 0), RightOfButton(second, 0))));
    EXPECT_EQ("Bravo Charlie", Texts(first));
    EXPECT_EQ("Delta Alpha", Texts(second));
    EXPECT_FALSE(CVrxPToolBar::customizeMode) << "the Alt-drag's customise mode ends with it";
    EXPECT_FALSE(CVrxPToolBar::altCustomizing);
    realinput::Play(Drag(OnButton(first, 0), RightOfButton(second, 1)));
    EXPECT_EQ("Bravo Charlie", Texts(first)) << "without Alt a drag moves nothing";
}

TEST_F(ToolBarDragDropTest, TheDropTargetTakesOnlyButtonDataAndOnlyInCustomiseMode)
{
    COleDataSource buttonData;
    ASSERT_TRUE(CVrxPToolbarButton(0x8123, -1, "Echo").PutOnDataSource(buttonData));
    COleDataSource foreignData;
    foreignData.CacheGlobalData(CF_TEXT, ::GlobalAlloc(GMEM_MOVEABLE, 8));
    COleDataSource truncated;
    HGLOBAL hWhole = CVrxPToolbarButton(0x8123, -1, "Echo").CreateDragData();
    ASSERT_NE(HGLOBAL(NULL), hWhole);
    HGLOBAL hPart = ::GlobalAlloc(GMEM_MOVEABLE, 12);
    memcpy(::GlobalLock(hPart), ::GlobalLock(hWhole), 12);
    ::GlobalUnlock(hPart);
    ::GlobalUnlock(hWhole);
    ::GlobalFree(hWhole);
    truncated.CacheGlobalData(static_cast<CLIPFORMAT>(CVrxPToolbarButton::ClipboardFormat()), hPart);

    CVrxPButtonDragTarget target;
    target.owner = &second;
    const CPoint point(second.GetButton(0)->rect.right - 2, second.GetButton(0)->rect.CenterPoint().y);
    struct Case
    {
        const char* name;
        COleDataSource* data;
        BOOL customize;
        DROPEFFECT expected;
    };
    const Case cases[] = {
        {"button data outside customise mode", &buttonData, FALSE, DROPEFFECT_NONE},
        {"other data in customise mode", &foreignData, TRUE, DROPEFFECT_NONE},
        {"truncated button data", &truncated, TRUE, DROPEFFECT_NONE},
        {"button data in customise mode", &buttonData, TRUE, DROPEFFECT_MOVE},
    };
    for (const Case& c : cases)
    {
        CVrxPToolBar::SetCustomizeMode(c.customize);
        COleDataObject data;
        data.Attach(c.data, FALSE);
        EXPECT_EQ(c.expected, target.OnDragOver(&second, &data, MK_LBUTTON, point)) << c.name;
        if (c.expected == DROPEFFECT_NONE)
        {
            EXPECT_EQ(DROPEFFECT_NONE, target.OnDrop(&second, &data, DROPEFFECT_MOVE, point)) << c.name;
        }
        target.OnDragLeave(&second);
    }
    COleDataObject data;
    data.Attach(&buttonData, FALSE);
    EXPECT_EQ(DROPEFFECT_COPY, target.OnDragOver(&second, &data, MK_LBUTTON | MK_CONTROL, point));
    EXPECT_EQ(DROPEFFECT_COPY, target.OnDrop(&second, &data, DROPEFFECT_COPY, point));
    EXPECT_EQ("Delta Echo", Texts(second)) << "refused data placed nothing";
    EXPECT_TRUE(second.GetInsertMark().IsRectEmpty()) << "the mark goes with the drop";
}

TEST_F(ToolBarDragDropTest, InsertionPointsAndMarksFollowTheRowsAndEnds)
{
    CRect rectClient;
    first.GetClientRect(&rectClient);
    const CRect a = first.GetButton(0)->rect;
    const CRect c = first.GetButton(2)->rect;
    struct Case
    {
        const char* name;
        CPoint point;
        int index;
        int markCentre;
    };
    const Case cases[] = {
        {"left half of the first", CPoint(a.left + 2, a.top + 2), 0, a.left},
        {"right half of the first", CPoint(a.right - 2, a.top + 2), 1, a.right},
        {"right of the last button", CPoint(c.right + 30, c.top + 2), 3, c.right},
        {"above the bar counts as its top", CPoint(a.left + 2, -20), 0, a.left},
    };
    for (const Case& k : cases)
    {
        CRect mark;
        EXPECT_EQ(k.index, first.DropIndexAtPoint(k.point, &mark)) << k.name;
        EXPECT_EQ(6, mark.Width()) << k.name;
        EXPECT_TRUE(mark.left >= rectClient.left && mark.right <= rectClient.right) << k.name;
        if (mark.left > rectClient.left && mark.right < rectClient.right)
        {
            EXPECT_EQ(k.markCentre, mark.CenterPoint().x) << k.name;
        }
    }
    CRect mark;
    EXPECT_EQ(-1, first.DropIndexAtPoint(CPoint(a.left, a.top + 3 * first.EffectiveButtonHeight()), &mark))
        << "a row beyond the last";
    EXPECT_TRUE(mark.IsRectEmpty());

    second.DeleteAllButtons();
    second.RecalcBarLayout();
    CRect rectEmpty;
    second.GetClientRect(&rectEmpty);
    EXPECT_EQ(0, second.DropIndexAtPoint(CPoint(20, 2), &mark)) << "an empty bar";
    EXPECT_EQ(CRect(rectEmpty.left, rectEmpty.top, rectEmpty.left + 6, rectEmpty.bottom), mark);
}
