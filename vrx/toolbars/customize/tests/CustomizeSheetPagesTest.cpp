// The customise sheet's Commands and Toolbars pages under real input: the
// categories and their rows, a command dragged from the list onto a bar,
// toolbars hidden and shown by their check boxes, and user toolbars made,
// renamed and deleted through the page's buttons and dialogs.

#include "docking/mdi/CVrxPFrameHelper.h"
#include "foundation/VrxPMessages.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarCustomize.h"
#include "toolbars/customize/CVrxPCustomizePage.h"
#include "toolbars/customize/CVrxPToolbarsPage.h"
#include "toolbars/customize/VrxPCustomizeResources.h"

#include "toolbars/tests/TestMdiFrame.h"
#include "WindowDriver.h"
#include "docking/tests/RealInput.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using realinput::InputStep;

namespace
{
const DWORD barStyle = 0x50402808;
const UINT firstUserId = 0xE828;
const UINT lastUserId = 0xE82A;
const char profile[] = "korvo customise pages test";

// File (Open, Close), View (VS2005, Open, Recent (Open), Apply), top-level
// Help.
HMENU MakeMenu()
{
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenu(hFile, MF_STRING, 510, "&Open");
    ::AppendMenu(hFile, MF_STRING, 511, "&Close");
    HMENU hRecent = ::CreatePopupMenu();
    ::AppendMenu(hRecent, MF_STRING, 523, "Open");
    HMENU hView = ::CreatePopupMenu();
    ::AppendMenu(hView, MF_STRING, 520, "VS2005");
    ::AppendMenu(hView, MF_STRING, 521, "&Open");
    ::AppendMenu(hView, MF_POPUP, reinterpret_cast<UINT_PTR>(hRecent), "Recent");
    ::AppendMenu(hView, MF_STRING, 522, "Apply");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hView), "&View");
    ::AppendMenu(hMenu, MF_STRING, 530, "&Help");
    return hMenu;
}

std::vector<std::string> Rows(CListBox& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetCount(); i++)
    {
        CString text;
        list.GetText(i, text);
        rows.push_back(text.GetString());
    }
    return rows;
}

std::string Texts(const CVrxPToolBar& bar)
{
    std::string texts;
    for (int i = 0; i < bar.GetCount(); i++)
        texts += std::string(texts.empty() ? "" : " ") + bar.GetButton(i)->text.GetString();
    return texts;
}

CPoint ScreenCentre(HWND hWnd, CRect rect)
{
    ::MapWindowPoints(hWnd, NULL, reinterpret_cast<LPPOINT>(&rect), 2);
    return rect.CenterPoint();
}

void Click(CPoint point)
{
    realinput::Play({{InputStep::move, point}, {InputStep::press, point}, {InputStep::release, point}});
}

// Keys typed as characters, from a helper thread while a dialog runs.
void Type(const std::string& text)
{
    for (char ch : text)
    {
        INPUT input[2] = {};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wScan = static_cast<WORD>(ch);
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1] = input[0];
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
        ::Sleep(20);
    }
}

// The name dialog, once it shows, gets the name typed and its OK clicked.
std::thread AnswerNameDialog(std::string name)
{
    const DWORD pid = ::GetCurrentProcessId();
    return std::thread([pid, name] {
        const HWND hDialog = windriver::wait_for([pid] { return windriver::find_dialog(pid, "Toolbar Name"); });
        if (hDialog == NULL)
            return;
        const HWND hEdit = ::GetDlgItem(hDialog, VrxPIdcToolbarName);
        windriver::wait_until([&] { return ::GetForegroundWindow() == hDialog; });
        ::SendMessage(hEdit, EM_SETSEL, 0, -1);
        Type(name);
        const HWND hOK = ::GetDlgItem(hDialog, IDOK);
        // A dialog left open would hold the test in its modal loop.
        if (!windriver::wait_until([&] { return windriver::text_of(hEdit) == name && ::IsWindowEnabled(hOK); }))
        {
            ::PostMessage(hDialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        RECT rect;
        ::GetWindowRect(hOK, &rect);
        windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        windriver::send_mouse(MOUSEEVENTF_LEFTUP, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    });
}

class CustomizeSheetPagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        m_hMenu = MakeMenu();
        ASSERT_TRUE(frame.Create(nullptr, "customise pages", WS_OVERLAPPEDWINDOW, CRect(20, 20, 820, 620)));
        frame.m_hMenuDefault = m_hMenu;
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        frame.GetFrameHelper().PrepareUserToolbars(profile, firstUserId, lastUserId);
        ASSERT_TRUE(standard.CreateWithDefaultStyle(&frame, barStyle, 0xE820));
        ASSERT_TRUE(untitled.CreateWithDefaultStyle(&frame, barStyle, 0xE821));
        standard.SetWindowText("Standard");
        standard.InsertButtonCopy(CVrxPToolbarButton(511, -1, "Close"));
        untitled.InsertButtonCopy(CVrxPToolbarButton(522, -1, "Apply"));
        for (CVrxPToolBar* pBar : {&standard, &untitled})
        {
            pBar->AllowDocking(CBRS_ALIGN_ANY);
            ASSERT_TRUE(frame.PlaceBarDocked(pBar));
        }
        frame.ShowWindow(SW_SHOW);
        frame.RecalcLayout();
        frame.SetForegroundWindow();

        pSheet = new CVrxPToolbarCustomize(&frame, TRUE, 0x2F);
        pSheet->AllowUserDefinedToolbars(TRUE);
        ASSERT_TRUE(pSheet->Create());
        // Clear of the bars, so that drops land on them.
        CRect rect;
        pSheet->GetWindowRect(&rect);
        pSheet->SetWindowPos(nullptr, 120, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpMessages();
    }
    void TearDown() override
    {
        if (CVrxPToolbarCustomize::ActiveSheet() != nullptr)
            CVrxPToolbarCustomize::ActiveSheet()->DestroyWindow();
        std::vector<CVrxPToolBar*> users;
        while (!frame.GetFrameHelper().userToolbars.IsEmpty())
            users.push_back(static_cast<CVrxPToolBar*>(frame.GetFrameHelper().userToolbars.RemoveHead()));
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
        for (CVrxPToolBar* pBar : users)
            delete pBar;
        frame.m_hMenuDefault = NULL;
        ::DestroyMenu(m_hMenu);
        ::OleUninitialize();
    }

    CVrxPCustomizePage& Commands() { return *pSheet->GetCommandsPage(); }
    CVrxPToolbarsPage& Toolbars() { return *pSheet->GetToolbarsPage(); }
    void ChooseCategory(const char* name)
    {
        CListBox& categories = Commands().GetCategoryList();
        const int nRow = categories.FindStringExact(-1, name);
        ASSERT_GE(nRow, 0) << name;
        categories.SetCurSel(nRow);
        Commands().SelectCategory();
    }
    CPoint OnRow(CListBox& list, int nRow)
    {
        CRect rect;
        list.GetItemRect(nRow, &rect);
        return ScreenCentre(list.GetSafeHwnd(), rect);
    }
    CPoint OnPageButton(UINT nID)
    {
        HWND hButton = ::GetDlgItem(Toolbars().GetSafeHwnd(), nID);
        CRect rect;
        ::GetClientRect(hButton, &rect);
        return ScreenCentre(hButton, rect);
    }
    CPoint OnCheckBox(int nRow)
    {
        CVrxPBarCheckList& list = Toolbars().GetToolbarList();
        return ScreenCentre(list.GetSafeHwnd(), list.CheckBoxRect(nRow));
    }
    int RowNamed(const char* name) { return Toolbars().GetToolbarList().FindStringExact(-1, name); }

    HMENU m_hMenu = NULL;
    TestMdiFrame frame;
    CVrxPToolBar standard;
    CVrxPToolBar untitled;
    CVrxPToolbarCustomize* pSheet = nullptr;
};
} // namespace

TEST_F(CustomizeSheetPagesTest, TheSheetHoldsTheCommandsAndToolbarsPagesUnderItsCloseButton)
{
    ASSERT_EQ(2, pSheet->GetPageCount());
    CString caption;
    pSheet->GetPage(0)->GetWindowText(caption);
    EXPECT_STREQ("Commands", caption.GetString());
    pSheet->GetPage(1)->GetWindowText(caption);
    EXPECT_STREQ("Toolbars", caption.GetString());
    CString close;
    pSheet->GetDlgItem(IDCANCEL)->GetWindowText(close);
    EXPECT_STREQ("Close", close.GetString());
    EXPECT_FALSE(pSheet->GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_TRUE(pSheet->GetDlgItem(CPropertySheet::helpButtonId)->IsWindowVisible()) << "flags 0x2F keep Help";

    const CPoint tab = [&] {
        CRect rect;
        ::SendMessage(pSheet->GetTabControl(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect));
        return ScreenCentre(pSheet->GetTabControl(), rect);
    }();
    Click(tab);
    EXPECT_EQ(1, pSheet->GetActiveIndex()) << "a click on the tab turns the page";
    EXPECT_TRUE(Toolbars().IsWindowVisible());
    EXPECT_FALSE(Commands().IsWindowVisible());
}

TEST_F(CustomizeSheetPagesTest, CategoriesFollowTheMenusAndAllCommandsIsSorted)
{
    EXPECT_EQ((std::vector<std::string>{"File", "View", "New Menu", "All Commands"}),
              Rows(Commands().GetCategoryList()))
        << "registration order, the empty New Menu included, all commands last";
    ChooseCategory("View");
    EXPECT_EQ((std::vector<std::string>{"VS2005", "ViewOpen", "ViewRecentOpen", "Apply"}),
              Rows(Commands().GetCommandList()))
        << "menu order; two Opens in one list show their path names";
    ChooseCategory("File");
    EXPECT_EQ((std::vector<std::string>{"Open", "Close"}), Rows(Commands().GetCommandList()))
        << "a single Open shows its plain text";
    ChooseCategory("All Commands");
    EXPECT_EQ((std::vector<std::string>{"FileClose", "FileOpen", "Help", "New Menu", "ViewApply", "ViewOpen",
                                        "ViewRecentOpen", "ViewVS2005"}),
              Rows(Commands().GetCommandList()))
        << "customise names where the button has one, in ascending order";
}

TEST_F(CustomizeSheetPagesTest, ACommandDraggedFromTheListLandsOnTheBarAndStaysListed)
{
    ASSERT_TRUE(standard.GetParent()->IsWindowEnabled()) << "a disabled dock bar would take no drop";
    ChooseCategory("View");
    CVrxPCustomizeCommandList& list = Commands().GetCommandList();
    const CPoint from = OnRow(list, 0);
    CPoint to = standard.GetButton(0)->rect.CenterPoint();
    to.x = standard.GetButton(0)->rect.right - 2;
    standard.ClientToScreen(&to);
    std::vector<InputStep> steps = {{InputStep::move, from}, {InputStep::press, from}};
    for (int i = 1; i <= 6; i++)
        steps.push_back({InputStep::move, CPoint(from.x + (to.x - from.x) * i / 6, from.y + (to.y - from.y) * i / 6)});
    steps.push_back({InputStep::rest, to});
    steps.push_back({InputStep::move, to});
    steps.push_back({InputStep::release, to});
    realinput::Play(steps);

    EXPECT_EQ("Close VS2005", Texts(standard));
    ASSERT_EQ(2, standard.GetCount());
    EXPECT_EQ(520u, standard.GetButton(1)->commandId);
    EXPECT_EQ((std::vector<std::string>{"VS2005", "ViewOpen", "ViewRecentOpen", "Apply"}), Rows(list))
        << "the list never changes";
    EXPECT_EQ(520u, Commands().GetSelectedButton() != nullptr ? Commands().GetSelectedButton()->commandId : 0u);
}

TEST_F(CustomizeSheetPagesTest, TheToolbarsPageShowsAndHidesBarsByTheirChecks)
{
    pSheet->SetActivePage(1);
    PumpMessages();
    EXPECT_EQ((std::vector<std::string>{"<Untitled>", "Standard"}), Rows(Toolbars().GetToolbarList()));
    const int nStandard = RowNamed("Standard");
    ASSERT_GE(nStandard, 0);
    EXPECT_EQ(1, Toolbars().GetToolbarList().GetCheck(nStandard));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(Toolbars().GetSafeHwnd(), VrxPIdcDeleteToolbar)))
        << "only user toolbars can be deleted";

    Click(OnCheckBox(nStandard));
    EXPECT_TRUE(windriver::wait_until([&] { return !standard.IsWindowVisible(); }, 5000));
    EXPECT_EQ(0, Toolbars().GetToolbarList().GetCheck(nStandard));
    EXPECT_EQ(&standard, Toolbars().GetSelectedToolbar()) << "the click selects the row";
    Click(OnCheckBox(nStandard));
    EXPECT_TRUE(windriver::wait_until([&] { return standard.IsWindowVisible() != FALSE; }, 5000));
    EXPECT_EQ(1, Toolbars().GetToolbarList().GetCheck(nStandard));
}

TEST_F(CustomizeSheetPagesTest, AUserToolbarIsMadeRenamedAndDeletedFromThePage)
{
    pSheet->SetActivePage(1);
    PumpMessages();
    std::thread answer = AnswerNameDialog("Looks");
    Click(OnPageButton(VrxPIdcNewToolbar));
    windriver::wait_until([&] { return RowNamed("Looks") >= 0; }, 5000);
    answer.join();
    ASSERT_GE(RowNamed("Looks"), 0);
    CVrxPToolBar* pMade = Toolbars().GetSelectedToolbar();
    ASSERT_NE(nullptr, pMade);
    EXPECT_TRUE(frame.GetFrameHelper().IsUserToolbar(pMade));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(Toolbars().GetSafeHwnd(), VrxPIdcRenameToolbar)));

    answer = AnswerNameDialog("My looks");
    Click(OnPageButton(VrxPIdcRenameToolbar));
    windriver::wait_until([&] { return RowNamed("My looks") >= 0; }, 5000);
    answer.join();
    CString name;
    pMade->GetWindowText(name);
    EXPECT_STREQ("My looks", name.GetString());
    EXPECT_EQ((std::vector<std::string>{"<Untitled>", "My looks", "Standard"}), Rows(Toolbars().GetToolbarList()));

    const DWORD pid = ::GetCurrentProcessId();
    std::string question;
    std::thread confirm([&] { question = windriver::answer_message_box(pid, IDYES); });
    Click(OnPageButton(VrxPIdcDeleteToolbar));
    windriver::wait_until([&] { return RowNamed("My looks") < 0; }, 5000);
    confirm.join();
    EXPECT_EQ("Do you really want to delete the toolbar 'My looks'?", question);
    EXPECT_EQ((std::vector<std::string>{"<Untitled>", "Standard"}), Rows(Toolbars().GetToolbarList()));
    EXPECT_TRUE(frame.GetFrameHelper().userToolbars.IsEmpty());
}

TEST(CustomizeSheetCreationTest, ASheetWhosePageCannotBeMadeStaysWithItsCallerAndLeavesCustomiseModeOff)
{
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "failing sheet", WS_OVERLAPPEDWINDOW, CRect(20, 20, 420, 320)));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 1));
    CPropertyPage missing(0x7FF0);
    CVrxPToolbarCustomize* pSheet = new CVrxPToolbarCustomize(&frame, FALSE, 0);
    pSheet->AddPage(&missing);
    EXPECT_FALSE(pSheet->Create());
    EXPECT_EQ(NULL, pSheet->GetSafeHwnd());
    EXPECT_EQ(3, pSheet->GetPageCount()) << "the object is still there for its caller";
    EXPECT_EQ(nullptr, CVrxPToolbarCustomize::ActiveSheet());
    EXPECT_FALSE(CVrxPToolBar::customizeMode);
    EXPECT_TRUE(child.IsWindowEnabled());
    delete pSheet;
    frame.DestroyWindow();
}
