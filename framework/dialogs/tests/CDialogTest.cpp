#include "dialogs/CDataExchange.h"
#include "dialogs/CDialog.h"

#include "DialogsTestResources.h"
#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// The baud-rate style dialog: one unsigned value with a range.
class ValueDialog : public CDialog
{
public:
    explicit ValueDialog(CWnd* pParent = NULL) : CDialog(IDD_VALUE, pParent) {}

    UINT m_nValue = 115200;
    std::vector<LPARAM> m_idleCounts;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_VALUE, m_nValue);
        DDV_MinMaxUInt(pDX, m_nValue, 9600, 2048000);
    }

    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM lCount)
    {
        m_idleCounts.push_back(lCount);
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ValueDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

// A step that waits for the dialog to run, types a value and posts OK.
ModalDriver::Step TypeAndPressOK(CDialog& dialog, const char* pszValue)
{
    return [&dialog, pszValue] {
        if (dialog.m_hWnd == NULL || !dialog.IsWindowVisible() || FindMessageBox() != NULL)
            return false;
        dialog.SetDlgItemText(IDC_VALUE, pszValue);
        dialog.PostMessage(WM_COMMAND, IDOK, 0);
        return true;
    };
}

// A step that waits for a message box, keeps its text and presses OK.
ModalDriver::Step AnswerMessageBox(std::vector<std::string>& shown)
{
    return [&shown] {
        HWND hWndBox = FindMessageBox();
        if (hWndBox == NULL)
            return false;
        shown.push_back(static_cast<LPCTSTR>(MessageBoxText(hWndBox)));
        PressButton(hWndBox, IDOK);
        return true;
    };
}

TEST(CDialogModal, ARefusedValueKeepsTheDialogOpenUntilItIsMended)
{
    ValueDialog dialog;
    std::vector<std::string> shown;
    bool bOpenAfterRefusal = false;
    ModalDriver driver({
        TypeAndPressOK(dialog, "5"),
        AnswerMessageBox(shown),
        [&] {
            if (FindMessageBox() != NULL)
                return false;
            bOpenAfterRefusal = dialog.m_hWnd != NULL && dialog.IsWindowVisible();
            return true;
        },
        TypeAndPressOK(dialog, "abc"),
        AnswerMessageBox(shown),
        TypeAndPressOK(dialog, "256000"),
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(bOpenAfterRefusal);
    EXPECT_EQ((std::vector<std::string>{"Please enter a whole number from 9600 to 2048000.",
                                        "Please enter a whole number of 0 or more."}),
              shown);
    EXPECT_EQ(256000u, dialog.m_nValue);
    EXPECT_EQ(NULL, dialog.m_hWnd);
    // The loop kept the dialog's idle work going.
    ASSERT_FALSE(dialog.m_idleCounts.empty());
    EXPECT_EQ(0, dialog.m_idleCounts.front());
}

TEST(CDialogModal, StartsWithTheMembersAndCancelKeepsThem)
{
    ValueDialog dialog;
    CString strShown;
    ModalDriver driver({[&] {
        if (dialog.m_hWnd == NULL || !dialog.IsWindowVisible())
            return false;
        dialog.GetDlgItemText(IDC_VALUE, strShown);
        dialog.SetDlgItemText(IDC_VALUE, "9600");
        PressButton(dialog.m_hWnd, IDCANCEL);
        return true;
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("115200", strShown);
    EXPECT_EQ(115200u, dialog.m_nValue);
}

TEST(CDialogModal, TheOwnerTakesNoInputWhileTheDialogRuns)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    ValueDialog dialog(&owner);
    bool bOwnerEnabled = true;
    HWND hWndDialogOwner = NULL;
    ModalDriver driver({[&] {
        if (dialog.m_hWnd == NULL || !dialog.IsWindowVisible())
            return false;
        bOwnerEnabled = owner.IsWindowEnabled() != FALSE;
        hWndDialogOwner = ::GetWindow(dialog.m_hWnd, GW_OWNER);
        dialog.EndDialog(7);
        return true;
    }});
    EXPECT_EQ(7, dialog.DoModal());
    EXPECT_FALSE(bOwnerEnabled);
    EXPECT_EQ(owner.m_hWnd, hWndDialogOwner);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

// Reads what DLGINIT put into its lists, after which the data exchange
// selected an item.
class ListsDialog : public CDialog
{
public:
    ListsDialog() : CDialog(IDD_EXCHANGE) {}

    std::vector<std::string> m_comboItems;
    int m_nComboSelection = -2;
    int m_nListCount = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        int nIndex = 1;
        DDX_CBIndex(pDX, IDC_COMBO, nIndex);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        int nCount = static_cast<int>(SendDlgItemMessage(IDC_COMBO, CB_GETCOUNT));
        for (int i = 0; i < nCount; ++i)
        {
            char szItem[32] = "";
            SendDlgItemMessage(IDC_COMBO, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szItem));
            m_comboItems.push_back(szItem);
        }
        m_nComboSelection = static_cast<int>(SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL));
        m_nListCount = static_cast<int>(SendDlgItemMessage(IDC_LIST, LB_GETCOUNT));
        EndDialog(IDOK);
        return TRUE;
    }
};

TEST(CDialogModal, DlgInitFillsTheListsBeforeTheDataExchange)
{
    ListsDialog dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Three"}), dialog.m_comboItems);
    EXPECT_EQ(1, dialog.m_nComboSelection);
    EXPECT_EQ(2, dialog.m_nListCount);
}

TEST(CDialogModal, AMissingTemplateGivesMinusOne)
{
    CDialog dialog(9999);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(NULL, dialog.m_hWnd);
}

// Logs its life as a modeless dialog.
class ModelessDialog : public CDialog
{
public:
    std::vector<std::string> m_events;
    int m_nDestroyedCalls = 0;

protected:
    BOOL OnInitDialog() override
    {
        m_events.push_back("init");
        return CDialog::OnInitDialog();
    }
    void OnCancel() override
    {
        m_events.push_back("cancel");
        CDialog::OnCancel();
    }
    void PostNcDestroy() override { m_events.push_back("gone"); }
};

TEST(CDialogModeless, LivesFromCreateUntilDestroyWindow)
{
    ModelessDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_VALUE));
    HWND hWnd = dialog.m_hWnd;
    EXPECT_EQ(&dialog, CWnd::FromHandlePermanent(hWnd));
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(dialog.IsWindowVisible());

    // Escape, through the dialog's keyboard interface.
    MSG msg = {hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    msg.hwnd = dialog.GetDlgItem(IDC_VALUE)->m_hWnd;
    EXPECT_TRUE(AfxWalkPreTranslateTree(NULL, &msg));
    EXPECT_EQ((std::vector<std::string>{"init", "cancel"}), dialog.m_events);
    // Ending a modeless dialog hides it; the window stays.
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(hWnd));

    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ((std::vector<std::string>{"init", "cancel", "gone"}), dialog.m_events);
    EXPECT_EQ(NULL, dialog.m_hWnd);
    EXPECT_FALSE(::IsWindow(hWnd));
}

// Puts itself at a place of its own while it initialises.
class PlacedDialog : public CDialog
{
protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetWindowPos(nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
};

CPoint CentreOf(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

TEST(CDialogModeless, OpensCentredOnItsOwnerUnlessItPlacesItself)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", WS_POPUP | WS_VISIBLE, 300, 200, 400, 300, NULL, NULL));
    CDialog centred;
    ASSERT_TRUE(centred.Create(IDD_VALUE, &owner));
    const CPoint expected = CentreOf(owner.m_hWnd);
    const CPoint centre = CentreOf(centred.m_hWnd);
    EXPECT_LE(std::abs(centre.x - expected.x), 1) << centre.x << " against " << expected.x;
    EXPECT_LE(std::abs(centre.y - expected.y), 1) << centre.y << " against " << expected.y;
    centred.DestroyWindow();

    PlacedDialog placed;
    ASSERT_TRUE(placed.Create(IDD_VALUE, &owner));
    CRect rect;
    placed.GetWindowRect(&rect);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(20, rect.top);
    placed.DestroyWindow();
    owner.DestroyWindow();
}

// Routes what it does not handle itself to its owner.
class CommandOwner : public CWnd
{
public:
    std::vector<UINT> m_commands;

protected:
    afx_msg void OnOwnerCommand(UINT nID) { m_commands.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandOwner, CWnd)
    ON_COMMAND_RANGE(1000, 0xFFFF, OnOwnerCommand)
END_MESSAGE_MAP()

TEST(CDialogModeless, CommandsWithoutAHandlerGoToTheOwner)
{
    CommandOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_VALUE, &owner));
    dialog.SendMessage(WM_COMMAND, 0x8001, 0);
    // A control's notification is the dialog's own business, and so are
    // the system's commands.
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_VALUE, EN_CHANGE),
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_VALUE)->m_hWnd));
    dialog.SendMessage(WM_COMMAND, 0xF060, 0);
    EXPECT_EQ(std::vector<UINT>{0x8001}, owner.m_commands);
    dialog.DestroyWindow();
    owner.DestroyWindow();
}
} // namespace
