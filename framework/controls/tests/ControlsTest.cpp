#include "controls/CButton.h"
#include "controls/CComboBox.h"
#include "controls/CEdit.h"
#include "controls/CListBox.h"
#include "controls/CProgressCtrl.h"
#include "controls/CScrollBar.h"
#include "controls/CSpinButtonCtrl.h"
#include "controls/CStatic.h"
#include "controls/CToolTipCtrl.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;

// One parent window for the suite: making windows under Wine takes seconds.
class ControlsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_pParent = new CWnd;
        s_pParent->CreateEx(0, "STATIC", "controls", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
    }

    static void TearDownTestSuite()
    {
        s_pParent->DestroyWindow();
        delete s_pParent;
        s_pParent = nullptr;
    }

    void SetUp() override { ASSERT_NE(nullptr, s_pParent->GetSafeHwnd()); }

    static CWnd& Parent() { return *s_pParent; }

    static CWnd* s_pParent;
};

CWnd* ControlsTest::s_pParent = nullptr;

TEST_F(ControlsTest, EditSelectionLinesAndLimits)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(kChild | ES_MULTILINE, CRect(0, 0, 200, 60), &Parent(), 101));
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(edit.m_hWnd));
    edit.SetWindowText("first\r\nsecond");
    EXPECT_EQ(2, edit.GetLineCount());
    EXPECT_EQ(7, edit.LineIndex(1));
    EXPECT_EQ(6, edit.LineLength(7));

    char line[16] = {};
    EXPECT_EQ(6, edit.GetLine(1, line, sizeof(line) - 1));
    EXPECT_STREQ("second", line);
    // A one-character buffer gets one character and nothing beyond it.
    char tiny[3] = {'x', '#', '#'};
    EXPECT_EQ(1, edit.GetLine(0, tiny, 1));
    EXPECT_EQ('f', tiny[0]);
    EXPECT_EQ('#', tiny[1]);

    edit.SetSel(2, 5);
    int nStart = 0, nEnd = 0;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);
    EXPECT_EQ(MAKELONG(2, 5), static_cast<LONG>(edit.GetSel()));
    edit.ReplaceSel("RST");
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("fiRST\r\nsecond", text);

    edit.SetSel(0, -1);
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(text.GetLength(), nEnd);

    edit.SetLimitText(40);
    EXPECT_EQ(40u, edit.GetLimitText());
    edit.SetReadOnly();
    EXPECT_NE(0u, edit.GetStyle() & ES_READONLY);
    edit.SetModify(TRUE);
    EXPECT_TRUE(edit.GetModify());
    edit.DestroyWindow();
}

TEST_F(ControlsTest, ListBoxItems)
{
    CListBox list;
    ASSERT_TRUE(list.Create(kChild | LBS_NOTIFY, CRect(0, 0, 100, 100), &Parent(), 102));
    EXPECT_EQ(0, list.AddString("zero"));
    EXPECT_EQ(1, list.AddString("two"));
    EXPECT_EQ(1, list.InsertString(1, "one"));
    EXPECT_EQ(3, list.GetCount());

    CString text;
    list.GetText(1, text);
    EXPECT_STREQ("one", text);
    list.GetText(7, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(2, list.FindStringExact(-1, "two"));
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "tw"));
    EXPECT_EQ(2, list.FindString(-1, "tw"));

    EXPECT_EQ(LB_ERR, list.GetCurSel());
    list.SetCurSel(2);
    EXPECT_EQ(2, list.GetCurSel());
    list.SetItemData(0, 0xBEEF);
    EXPECT_EQ(0xBEEFu, list.GetItemData(0));
    EXPECT_EQ(2, list.DeleteString(1));
    EXPECT_EQ(2, list.GetCount());
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
    list.DestroyWindow();
}

TEST_F(ControlsTest, ComboBoxItems)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(kChild | CBS_DROPDOWNLIST, CRect(0, 0, 100, 120), &Parent(), 103));
    const char* sizes[] = {"1M", "2M", "4M", "8M"};
    for (const char* size : sizes)
        combo.AddString(size);
    EXPECT_EQ(4, combo.GetCount());
    EXPECT_EQ(2, combo.FindStringExact(-1, "4M"));
    EXPECT_EQ(2, combo.SetCurSel(2));
    EXPECT_EQ(2, combo.GetCurSel());
    CString text;
    combo.GetLBText(3, text);
    EXPECT_STREQ("8M", text);
    combo.GetLBText(9, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(2, combo.GetLBTextLen(0));
    combo.SetItemDataPtr(1, &text);
    EXPECT_EQ(&text, combo.GetItemDataPtr(1));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
    combo.DestroyWindow();
}

TEST_F(ControlsTest, ButtonsAndStatics)
{
    CButton check;
    ASSERT_TRUE(check.Create("Use", kChild | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &Parent(), 104));
    EXPECT_EQ(static_cast<UINT>(BS_AUTOCHECKBOX), check.GetButtonStyle());
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    EXPECT_EQ(BST_CHECKED, static_cast<int>(Parent().IsDlgButtonChecked(104)));

    CStatic label;
    ASSERT_TRUE(label.Create("Port:", kChild | SS_LEFT, CRect(0, 30, 80, 50), &Parent()));
    CString text;
    label.GetWindowText(text);
    EXPECT_STREQ("Port:", text);
    EXPECT_EQ(0xffff, label.GetDlgCtrlID());
    check.DestroyWindow();
    label.DestroyWindow();
}

TEST_F(ControlsTest, ScrollBarPositionsAndLimit)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(kChild | SBS_HORZ, CRect(0, 0, 200, 16), &Parent(), 105));
    bar.SetScrollRange(0, 100);
    bar.SetScrollPos(40);
    EXPECT_EQ(40, bar.GetScrollPos());
    int nMin = -1, nMax = -1;
    bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(0, nMin);
    EXPECT_EQ(100, nMax);

    SCROLLINFO info = {};
    info.fMask = SIF_PAGE;
    info.nPage = 10;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(91, bar.GetScrollLimit());
    bar.DestroyWindow();
}

TEST_F(ControlsTest, ProgressRangeAndSteps)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(kChild, CRect(0, 0, 200, 16), &Parent(), 106));
    progress.SetRange32(0, 200);
    int nLower = -1, nUpper = -1;
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(0, nLower);
    EXPECT_EQ(200, nUpper);
    EXPECT_EQ(0, progress.SetPos(50));
    EXPECT_EQ(50, progress.GetPos());
    EXPECT_EQ(50, progress.OffsetPos(25));
    EXPECT_EQ(75, progress.GetPos());
    progress.SetStep(5);
    progress.StepIt();
    EXPECT_EQ(80, progress.GetPos());
    progress.SetRange(10, 20);
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(10, nLower);
    EXPECT_EQ(20, nUpper);
    progress.DestroyWindow();
}

TEST_F(ControlsTest, SpinButtonRangeAndBuddy)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(kChild, CRect(0, 0, 60, 20), &Parent(), 107));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(kChild | UDS_SETBUDDYINT, CRect(60, 0, 76, 20), &Parent(), 108));
    spin.SetBuddy(&edit);
    EXPECT_EQ(&edit, spin.GetBuddy());

    spin.SetRange32(-5, 500);
    int nLower = 0, nUpper = 0;
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(-5, nLower);
    EXPECT_EQ(500, nUpper);
    spin.SetPos32(300);
    BOOL bError = TRUE;
    EXPECT_EQ(300, spin.GetPos32(&bError));
    EXPECT_FALSE(bError);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("300", text);

    spin.SetRange(1, 9);
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(1, nLower);
    EXPECT_EQ(9, nUpper);
    spin.SetPos(4);
    EXPECT_EQ(4, spin.GetPos());
    spin.DestroyWindow();
    edit.DestroyWindow();
}

TEST_F(ControlsTest, ToolTipTools)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(kChild, CRect(0, 0, 60, 20), &Parent(), 109));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&Parent()));
    EXPECT_EQ(Parent().m_hWnd, tips.GetOwner()->GetSafeHwnd());

    ASSERT_TRUE(tips.AddTool(&edit, "Type the baud rate"));
    ASSERT_TRUE(tips.AddTool(&Parent(), "Drop zone", CRect(100, 100, 150, 150), 7));
    EXPECT_EQ(2, tips.GetToolCount());

    CString text;
    tips.GetText(text, &edit);
    EXPECT_STREQ("Type the baud rate", text);
    tips.UpdateTipText("Bits per second", &edit);
    tips.GetText(text, &edit);
    EXPECT_STREQ("Bits per second", text);
    tips.GetText(text, &Parent(), 7);
    EXPECT_STREQ("Drop zone", text);

    TOOLINFO info = {};
    EXPECT_TRUE(tips.HitTest(&Parent(), CPoint(120, 120), &info));
    EXPECT_EQ(7u, info.uId);
    EXPECT_FALSE(tips.HitTest(&Parent(), CPoint(10, 200), &info));
    tips.SetToolRect(&Parent(), 7, CRect(0, 180, 40, 220));
    EXPECT_TRUE(tips.HitTest(&Parent(), CPoint(10, 200), nullptr));

    EXPECT_TRUE(tips.GetToolInfo(info, &edit));
    EXPECT_NE(0u, info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(edit.m_hWnd), info.uId);

    EXPECT_EQ(-1, tips.SetMaxTipWidth(200));
    EXPECT_EQ(200, tips.GetMaxTipWidth());
    tips.SetDelayTime(TTDT_INITIAL, 250);
    EXPECT_EQ(250, tips.GetDelayTime(TTDT_INITIAL));
    tips.SetTipBkColor(RGB(0xBB, 0xF7, 0xAC));
    EXPECT_EQ(RGB(0xBB, 0xF7, 0xAC), tips.GetTipBkColor());

    tips.DelTool(&edit);
    EXPECT_EQ(1, tips.GetToolCount());
    tips.DestroyWindow();
    edit.DestroyWindow();
}

// Records the owner-draw calls its parent hands back.
class DrawnListBox : public CListBox
{
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { drawnItems.push_back(lpDrawItemStruct->itemID); }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        measured++;
        lpMeasureItemStruct->itemHeight = 21;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override { deletedData.push_back(lpDeleteItemStruct->itemData); }

    std::vector<UINT> drawnItems;
    std::vector<ULONG_PTR> deletedData;
    int measured = 0;
};

TEST_F(ControlsTest, OwnerDrawnListBoxDrawsItsOwnItems)
{
    DrawnListBox list;
    ASSERT_TRUE(list.Create(kChild | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, CRect(0, 0, 120, 120), &Parent(), 110));
    list.AddString("a");
    list.AddString("b");
    list.SetItemData(1, 0x55);
    EXPECT_EQ(2, list.measured);
    EXPECT_EQ(21, list.GetItemHeight(0));

    list.Invalidate();
    list.UpdateWindow();
    ASSERT_EQ(2u, list.drawnItems.size());
    EXPECT_EQ(0u, list.drawnItems[0]);
    EXPECT_EQ(1u, list.drawnItems[1]);

    list.DeleteString(1);
    ASSERT_EQ(1u, list.deletedData.size());
    EXPECT_EQ(0x55u, list.deletedData[0]);
    list.DestroyWindow();
}

} // namespace
