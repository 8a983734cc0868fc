#include "frames/CFormView.h"

#include "app/ResourceChain.h"
#include "dialogs/CDataExchange.h"

#include "MdiTestFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class TestForm : public CFormView
{
public:
    TestForm() : CFormView(IDD_TEST_FORM) {}

    CString m_strName = "initial name";
    UINT m_nCount = 42;
    int m_nInitialUpdates = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CFormView::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_FORM_NAME, m_strName);
        DDX_Text(pDX, IDC_FORM_COUNT, m_nCount);
        DDV_MinMaxUInt(pDX, m_nCount, 1, 100);
    }
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CFormView::OnInitialUpdate();
    }
};

// A form whose template no module has.
class MissingForm : public CFormView
{
public:
    MissingForm() : CFormView(IDD_TEST_FORM + 99) {}
    ~MissingForm() override { ++s_nDeleted; }
    static int s_nDeleted;
};

int MissingForm::s_nDeleted = 0;

const DWORD kPluginFormStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

std::string ControlText(CWnd* pParent, int nID)
{
    CString strText;
    pParent->GetDlgItemText(nID, strText);
    return std::string(strText);
}

CRect ChildRectInParent(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(NULL, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

class FormViewTest : public MdiTestFixture
{
protected:
    static void SetUpTestSuite() { s_hForms = ::LoadLibrary("frames_forms_probe.dll"); }
    static void TearDownTestSuite() { ::FreeLibrary(s_hForms); }

    void SetUp() override
    {
        ASSERT_NE(nullptr, s_hForms);
        MdiTestFixture::SetUp();
    }

    static HMODULE s_hForms;
};

HMODULE FormViewTest::s_hForms = NULL;

TEST_F(FormViewTest, TheTemplateComesFromTheFormsDll)
{
    LPCTSTR lpszTemplate = MAKEINTRESOURCE(IDD_TEST_FORM);
    EXPECT_EQ(nullptr, ::FindResource(::GetModuleHandle(NULL), lpszTemplate, RT_DIALOG));
    EXPECT_EQ(s_hForms, AfxFindResourceHandle(lpszTemplate, RT_DIALOG));
}

TEST_F(FormViewTest, AFormMadeInAReadyChildRunsItsInitialUpdateOnce)
{
    TestChild* pChild = NewChildA();
    ASSERT_NE(nullptr, pChild);
    TestForm* pForm = new TestForm;
    ASSERT_TRUE(pForm->Create(NULL, NULL, kPluginFormStyle, CRect(0, 0, 0, 0), pChild, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(pForm, pChild->GetActiveView());
    EXPECT_EQ(0, pForm->m_nInitialUpdates);

    PumpMessages();

    EXPECT_EQ(1, pForm->m_nInitialUpdates);
    EXPECT_EQ("initial name", ControlText(pForm, IDC_FORM_NAME));
    EXPECT_EQ("42", ControlText(pForm, IDC_FORM_COUNT));
    // Laid out in its frame before its initial update.
    CRect rectClient;
    pChild->GetClientRect(&rectClient);
    EXPECT_EQ(rectClient, ChildRectInParent(pForm->m_hWnd));

    pForm->SendMessage(WM_INITIALUPDATE, kInitialUpdateOnce);
    EXPECT_EQ(1, pForm->m_nInitialUpdates);
    pForm->SendMessage(WM_INITIALUPDATE, 0);
    EXPECT_EQ(2, pForm->m_nInitialUpdates);
}

TEST_F(FormViewTest, TheTemplatesInitialItemsAreApplied)
{
    TestChild* pChild = NewChildA();
    ASSERT_NE(nullptr, pChild);
    TestForm* pForm = new TestForm;
    ASSERT_TRUE(pForm->Create(NULL, NULL, kPluginFormStyle, CRect(0, 0, 0, 0), pChild, AFX_IDW_PANE_FIRST));
    ASSERT_EQ(2, pForm->SendDlgItemMessage(IDC_FORM_COMBO, CB_GETCOUNT));
    char szItem[32];
    pForm->SendDlgItemMessage(IDC_FORM_COMBO, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(szItem));
    EXPECT_STREQ("Second", szItem);
}

TEST_F(FormViewTest, TheRequestedStyleAndSizeWinOverTheTemplates)
{
    CFrameWnd* pHost = new CFrameWnd;
    ASSERT_TRUE(pHost->Create(NULL, "host"));
    HWND hWndHost = pHost->m_hWnd;
    TestForm* pForm = new TestForm;
    ASSERT_TRUE(pForm->Create(NULL, NULL, kPluginFormStyle, CRect(5, 6, 105, 56), pHost, AFX_IDW_PANE_FIRST));

    EXPECT_EQ(CRect(5, 6, 105, 56), ChildRectInParent(pForm->m_hWnd));
    EXPECT_EQ(0u, pForm->GetStyle() & WS_BORDER);
    EXPECT_NE(0u, pForm->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pForm->GetDlgCtrlID());
    // The scroll area is the template's size.
    CRect rectTemplate(0, 0, TEST_FORM_WIDTH, TEST_FORM_HEIGHT);
    ::MapDialogRect(pForm->m_hWnd, &rectTemplate);
    EXPECT_EQ(rectTemplate.Size(), pForm->GetTotalSize());
    EXPECT_NE(0u, pForm->GetStyle() & WS_VSCROLL);
    ::DestroyWindow(hWndHost);
}

TEST_F(FormViewTest, AMissingTemplateFailsTheCreation)
{
    TestChild* pChild = NewChildA();
    ASSERT_NE(nullptr, pChild);
    MissingForm::s_nDeleted = 0;
    EXPECT_FALSE((new MissingForm)->Create(NULL, NULL, kPluginFormStyle, CRect(), pChild, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(1, MissingForm::s_nDeleted);
}

TEST_F(FormViewTest, KeysReachTheFramesAcceleratorsBeforeTheDialogKeys)
{
    TestChild* pChild = NewChildA();
    ASSERT_NE(nullptr, pChild);
    TestForm* pForm = new TestForm;
    ASSERT_TRUE(pForm->Create(NULL, NULL, kPluginFormStyle, CRect(0, 0, 300, 200), pChild, AFX_IDW_PANE_FIRST));
    HWND hWndName = ::GetDlgItem(pForm->m_hWnd, IDC_FORM_NAME);
    TestLog().clear();

    MSG accelerator = {hWndName, WM_KEYDOWN, VK_F6, 0x00400001, 0, {0, 0}};
    EXPECT_TRUE(pForm->PreTranslateMessage(&accelerator));
    ASSERT_EQ(1u, TestLog().size());
    EXPECT_EQ("child accelerator Child A", TestLog()[0]);

    // Tab moves between the controls.
    ::SetFocus(hWndName);
    ASSERT_EQ(hWndName, ::GetFocus());
    MSG tab = {hWndName, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    EXPECT_TRUE(pForm->PreTranslateMessage(&tab));
    EXPECT_EQ(::GetDlgItem(pForm->m_hWnd, IDC_FORM_COUNT), ::GetFocus());
}
} // namespace
