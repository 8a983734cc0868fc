#include "dialogs/CDataExchange.h"
#include "dialogs/CDialog.h"

#include "DialogsTestResources.h"
#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
// A hidden modeless dialog whose data exchange the test chooses.
class ExchangeDialog : public CDialog
{
public:
    std::function<void(CDataExchange*)> m_exchange;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (m_exchange)
            m_exchange(pDX);
    }
};

class DataExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(IDD_EXCHANGE)); }
    void TearDown() override { m_dialog.DestroyWindow(); }

    CString Text(int nID)
    {
        CString strText;
        m_dialog.GetDlgItemText(nID, strText);
        return strText;
    }

    // Saves with a refused value: returns the message shown.
    CString RefusedMessage()
    {
        CString strShown;
        ModalDriver driver({[&] {
            HWND hWndBox = FindMessageBox();
            if (hWndBox == NULL)
                return false;
            strShown = MessageBoxText(hWndBox);
            PressButton(hWndBox, IDOK);
            return true;
        }});
        EXPECT_FALSE(m_dialog.UpdateData(TRUE));
        EXPECT_TRUE(driver.Finished());
        return strShown;
    }

    ExchangeDialog m_dialog;
};

TEST_F(DataExchangeTest, NumbersAndTextGoBothWays)
{
    CString strText = "hello";
    int nInt = -42;
    UINT nUInt = 4000000000u;
    short nShort = -7;
    BYTE nByte = 200;
    double dValue = 0.1;
    m_dialog.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_TEXT, strText);
        DDX_Text(pDX, IDC_NUMBER, nInt);
        DDX_Text(pDX, IDC_MULTILINE, nUInt);
    };
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_STREQ("hello", Text(IDC_TEXT));
    EXPECT_STREQ("-42", Text(IDC_NUMBER));
    EXPECT_STREQ("4000000000", Text(IDC_MULTILINE));

    m_dialog.SetDlgItemText(IDC_TEXT, "changed");
    m_dialog.SetDlgItemText(IDC_NUMBER, " 17 ");
    m_dialog.SetDlgItemText(IDC_MULTILINE, "0");
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_STREQ("changed", strText);
    EXPECT_EQ(17, nInt);
    EXPECT_EQ(0u, nUInt);

    m_dialog.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_TEXT, nShort);
        DDX_Text(pDX, IDC_NUMBER, nByte);
        DDX_Text(pDX, IDC_MULTILINE, dValue);
    };
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_STREQ("-7", Text(IDC_TEXT));
    EXPECT_STREQ("200", Text(IDC_NUMBER));
    EXPECT_STREQ("0.1", Text(IDC_MULTILINE));
    m_dialog.SetDlgItemText(IDC_MULTILINE, "2.5e3");
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(2500.0, dValue);
}

TEST_F(DataExchangeTest, ARefusedValueIsExplainedAndKeepsItsControlFocused)
{
    int nInt = 0;
    UINT nUInt = 0;
    BYTE nByte = 0;
    short nShort = 0;
    double dValue = 0;
    struct Case
    {
        const char* pszName;
        std::function<void(CDataExchange*)> exchange;
        const char* pszText;
        const char* pszMessage;
    } cases[] = {
        {"int", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_NUMBER, nInt); }, "12x",
         "Please enter a whole number."},
        {"unsigned", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_NUMBER, nUInt); }, "-1",
         "Please enter a whole number of 0 or more."},
        {"byte", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_NUMBER, nByte); }, "256",
         "Please enter a whole number from 0 to 255."},
        {"short", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_NUMBER, nShort); }, "40000",
         "Please enter a whole number from -32768 to 32767."},
        {"real", [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_NUMBER, dValue); }, "1.5.2",
         "Please enter a number."},
        {"real range",
         [&](CDataExchange* pDX) {
             DDX_Text(pDX, IDC_NUMBER, dValue);
             DDV_MinMaxDouble(pDX, dValue, 0.5, 2.5);
         },
         "3", "Please enter a number from 0.5 to 2.5."},
        {"unsigned range",
         [&](CDataExchange* pDX) {
             DDX_Text(pDX, IDC_NUMBER, nUInt);
             DDV_MinMaxUInt(pDX, nUInt, 9600, 2048000);
         },
         "9599", "Please enter a whole number from 9600 to 2048000."},
        {"length",
         [&](CDataExchange* pDX) {
             CString strValue;
             DDX_Text(pDX, IDC_NUMBER, strValue);
             DDV_MaxChars(pDX, strValue, 3);
         },
         "abcd", "Please enter no more than 3 characters."},
    };
    for (const Case& c : cases)
    {
        m_dialog.m_exchange = c.exchange;
        m_dialog.SetDlgItemText(IDC_NUMBER, c.pszText);
        m_dialog.GetDlgItem(IDC_TEXT)->SetFocus();
        EXPECT_STREQ(c.pszMessage, RefusedMessage()) << c.pszName;
        EXPECT_EQ(m_dialog.GetDlgItem(IDC_NUMBER)->m_hWnd, ::GetFocus()) << c.pszName;
        DWORD dwSelection = static_cast<DWORD>(m_dialog.SendDlgItemMessage(IDC_NUMBER, EM_GETSEL));
        EXPECT_EQ(0, LOWORD(dwSelection)) << c.pszName;
        EXPECT_EQ(lstrlen(c.pszText), HIWORD(dwSelection)) << c.pszName;
    }
}

TEST_F(DataExchangeTest, ButtonsListsAndCombosGoBothWays)
{
    int nCheck = 1;
    int nRadio = 2;
    int nComboIndex = 1;
    CString strList = "Beta";
    m_dialog.m_exchange = [&](CDataExchange* pDX) {
        DDX_Check(pDX, IDC_CHECK, nCheck);
        DDX_Radio(pDX, IDC_RADIO_FIRST, nRadio);
        DDX_CBIndex(pDX, IDC_COMBO, nComboIndex);
        DDX_LBString(pDX, IDC_LIST, strList);
    };
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(BST_CHECKED, static_cast<int>(m_dialog.IsDlgButtonChecked(IDC_CHECK)));
    EXPECT_EQ(BST_UNCHECKED, static_cast<int>(m_dialog.IsDlgButtonChecked(IDC_RADIO_FIRST)));
    EXPECT_EQ(BST_CHECKED, static_cast<int>(m_dialog.IsDlgButtonChecked(IDC_RADIO_THIRD)));
    EXPECT_EQ(1, m_dialog.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL));
    EXPECT_EQ(1, m_dialog.SendDlgItemMessage(IDC_LIST, LB_GETCURSEL));

    m_dialog.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    m_dialog.CheckRadioButton(IDC_RADIO_FIRST, IDC_RADIO_THIRD, IDC_RADIO_FIRST);
    m_dialog.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 2);
    m_dialog.SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, 0);
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(0, nCheck);
    EXPECT_EQ(0, nRadio);
    EXPECT_EQ(2, nComboIndex);
    EXPECT_STREQ("Alpha", strList);

    // Nothing chosen reads back as -1 and as empty text.
    m_dialog.CheckRadioButton(IDC_RADIO_FIRST, IDC_RADIO_THIRD, 0);
    m_dialog.SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1));
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(-1, nRadio);
    EXPECT_STREQ("", strList);

    CString strCombo = "Thr";
    m_dialog.m_exchange = [&](CDataExchange* pDX) { DDX_CBString(pDX, IDC_COMBO, strCombo); };
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(2, m_dialog.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL));
    m_dialog.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 0);
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_STREQ("One", strCombo);
}

// Counts the keys its control receives.
class CountingControl : public CWnd
{
public:
    int m_nChars = 0;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nChars;
        CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingControl, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST_F(DataExchangeTest, AControlObjectSubclassesItsControlOnce)
{
    CountingControl control;
    m_dialog.m_exchange = [&](CDataExchange* pDX) { DDX_Control(pDX, IDC_TEXT, control); };
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    HWND hWndText = m_dialog.GetDlgItem(IDC_TEXT)->m_hWnd;
    EXPECT_EQ(hWndText, control.m_hWnd);
    EXPECT_EQ(&control, CWnd::FromHandlePermanent(hWndText));
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    ::SendMessage(hWndText, WM_CHAR, 'x', 0);
    EXPECT_EQ(1, control.m_nChars);
    // Gone before the control object: the dialog's destruction detaches it.
    m_dialog.DestroyWindow();
    EXPECT_EQ(NULL, control.m_hWnd);
}

TEST_F(DataExchangeTest, MaxCharsLimitsTheEditWhenLoading)
{
    CString strValue = "ab";
    m_dialog.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_TEXT, strValue);
        DDV_MaxChars(pDX, strValue, 5);
    };
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(5, m_dialog.SendDlgItemMessage(IDC_TEXT, EM_GETLIMITTEXT));
}

TEST_F(DataExchangeTest, AMissingControlEndsTheExchangeWithAMessage)
{
    int nValue = 0;
    m_dialog.m_exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 4242, nValue); };
    CString strShown = RefusedMessage();
    EXPECT_FALSE(strShown.IsEmpty());
}
} // namespace
