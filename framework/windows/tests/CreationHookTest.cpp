#include "windows/CWnd.h"

#include "WindowsTestResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Records each creation message and whether the object was this window's
// permanent object when it arrived.
class CreationProbe : public CWnd
{
public:
    std::vector<std::string> m_events;
    int m_nCreateResult = 0;
    int m_nPostNcDestroyCalls = 0;

    // Made from a dialog template of the test program.
    BOOL CreateFromTemplate(UINT nIDTemplate)
    {
        HRSRC hResource = ::FindResource(NULL, MAKEINTRESOURCE(nIDTemplate), RT_DIALOG);
        HGLOBAL hTemplate = ::LoadResource(NULL, hResource);
        return CreateDlgIndirect(static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)), nullptr, NULL);
    }

protected:
    void Record(const char* pszEvent)
    {
        bool bAttached = m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this;
        m_events.push_back(std::string(pszEvent) + (bAttached ? " attached" : " detached"));
    }

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct)
    {
        Record("nccreate");
        return CWnd::OnNcCreate(lpCreateStruct);
    }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        Record("create");
        if (CWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        return m_nCreateResult;
    }

    afx_msg LRESULT OnInitDialog(WPARAM, LPARAM)
    {
        Record("initdialog");
        return Default();
    }

    void PostNcDestroy() override { ++m_nPostNcDestroyCalls; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CreationProbe, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
END_MESSAGE_MAP()

TEST(CreationHook, AttachesBeforeTheFirstMessagesOfEveryKindOfWindowClass)
{
    struct Case
    {
        LPCTSTR lpszClass;
        const char* pszName;
    } cases[] = {
        {NULL, "framework class"},
        {"EDIT", "system edit"},
        {"Button", "system button"},
    };
    for (const Case& c : cases)
    {
        CreationProbe probe;
        ASSERT_TRUE(probe.CreateEx(0, c.lpszClass, "text", WS_POPUP, 0, 0, 100, 20, NULL, NULL)) << c.pszName;
        std::vector<std::string> expected = {"nccreate attached", "create attached"};
        EXPECT_EQ(expected, probe.m_events) << c.pszName;
        // The class's own procedure still does its work.
        CString strText;
        probe.GetWindowText(strText);
        EXPECT_STREQ("text", strText) << c.pszName;
        HWND hWnd = probe.m_hWnd;
        EXPECT_TRUE(probe.DestroyWindow());
        EXPECT_EQ(NULL, probe.m_hWnd) << c.pszName;
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << c.pszName;
        EXPECT_EQ(1, probe.m_nPostNcDestroyCalls) << c.pszName;
    }
}

TEST(CreationHook, AttachesADialogTemplateWindowButNotItsControls)
{
    CreationProbe probe;
    ASSERT_TRUE(probe.CreateFromTemplate(IDD_PROBE));
    std::vector<std::string> expected = {"nccreate attached", "create attached", "initdialog attached"};
    EXPECT_EQ(expected, probe.m_events);
    HWND hWndEdit = ::GetDlgItem(probe.m_hWnd, IDC_PROBE_EDIT);
    ASSERT_NE(nullptr, hWndEdit);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndEdit));
    probe.DestroyWindow();
}

TEST(CreationHook, AFailedCreationFinishesTheObjectOnce)
{
    CreationProbe refused;
    refused.m_nCreateResult = -1;
    EXPECT_FALSE(refused.CreateEx(0, NULL, "refused", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(NULL, refused.m_hWnd);
    EXPECT_EQ(1, refused.m_nPostNcDestroyCalls);

    CreationProbe twice;
    ASSERT_TRUE(twice.CreateEx(0, NULL, "first", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    HWND hWndFirst = twice.m_hWnd;
    EXPECT_FALSE(twice.CreateEx(0, NULL, "second", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(hWndFirst, twice.m_hWnd);
    EXPECT_EQ(0, twice.m_nPostNcDestroyCalls);
    twice.DestroyWindow();

    CreationProbe unknownClass;
    EXPECT_FALSE(unknownClass.CreateEx(0, "no such class", "x", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(NULL, unknownClass.m_hWnd);
    EXPECT_TRUE(unknownClass.m_events.empty());
    EXPECT_EQ(1, unknownClass.m_nPostNcDestroyCalls);
}

// Deletes itself once its window is gone, as frames and popups do.
class SelfDeletingWnd : public CWnd
{
public:
    explicit SelfDeletingWnd(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
    ~SelfDeletingWnd() override { *m_pbDeleted = true; }

protected:
    void PostNcDestroy() override
    {
        // Detached already: deleting does not destroy the window a second time.
        EXPECT_EQ(NULL, m_hWnd);
        delete this;
    }

private:
    bool* m_pbDeleted;
};

TEST(CreationHook, AWindowMayDeleteItsObjectInPostNcDestroy)
{
    bool bDeleted = false;
    SelfDeletingWnd* pWnd = new SelfDeletingWnd(&bDeleted);
    ASSERT_TRUE(pWnd->CreateEx(0, NULL, "self", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_FALSE(bDeleted);
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

class ParentWithChild : public CWnd
{
public:
    CreationProbe m_child;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        return m_child.Create("EDIT", "child", WS_VISIBLE, CRect(0, 0, 50, 20), this, 7) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWithChild, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(CreationHook, NestedCreationsAttachEachObjectToItsOwnWindow)
{
    ParentWithChild parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    EXPECT_EQ(&parent, CWnd::FromHandlePermanent(parent.m_hWnd));
    EXPECT_EQ(&parent.m_child, CWnd::FromHandlePermanent(::GetDlgItem(parent.m_hWnd, 7)));
    std::vector<std::string> expected = {"nccreate attached", "create attached"};
    EXPECT_EQ(expected, parent.m_child.m_events);
    parent.DestroyWindow();
    EXPECT_EQ(NULL, parent.m_child.m_hWnd);
}
} // namespace
