#include "app/CWinApp.h"
#include "windows/CMenu.h"
#include "windows/CWnd.h"

#include <gtest/gtest.h>

#include <malloc.h>
#include <thread>

namespace
{
HWND MakeEdit(LPCTSTR lpszText = "edit")
{
    return ::CreateWindow("EDIT", lpszText, WS_POPUP, 0, 0, 50, 20, NULL, NULL, NULL, NULL);
}

// Blocks of the C runtime's heap in use: every module shares that heap.
size_t HeapBlocksInUse()
{
    size_t nBlocks = 0;
    _HEAPINFO info = {};
    while (_heapwalk(&info) == _HEAPOK)
    {
        if (info._useflag == _USEDENTRY)
            ++nBlocks;
    }
    return nBlocks;
}

class IdleTestApp : public CWinApp
{
public:
    IdleTestApp() : CWinApp("handle map test") {}
};

TEST(HandleMap, WindowsWithoutAnObjectGetATemporaryOneUntilIdle)
{
    const int kWindows = 64;
    HWND hWnds[kWindows];
    for (HWND& hWnd : hWnds)
        hWnd = MakeEdit();
    IdleTestApp app;
    // The second idle pass frees temporary objects.
    app.OnIdle(1);

    size_t nBefore = HeapBlocksInUse();
    for (HWND hWnd : hWnds)
    {
        CWnd* pWnd = CWnd::FromHandle(hWnd);
        ASSERT_NE(nullptr, pWnd);
        EXPECT_EQ(hWnd, pWnd->m_hWnd);
        EXPECT_EQ(pWnd, CWnd::FromHandle(hWnd));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    }
    size_t nWithTemporaries = HeapBlocksInUse();
    EXPECT_GE(nWithTemporaries, nBefore + kWindows);

    app.OnIdle(1);
    EXPECT_LT(HeapBlocksInUse(), nWithTemporaries - kWindows);
    // The windows themselves live on.
    for (HWND hWnd : hWnds)
    {
        EXPECT_TRUE(::IsWindow(hWnd));
        ::DestroyWindow(hWnd);
    }
}

TEST(HandleMap, EachThreadHasItsOwnTemporaryObjects)
{
    HWND hWnd = MakeEdit();
    CWnd* pMine = CWnd::FromHandle(hWnd);
    CWnd* pWorkers = nullptr;
    HWND hWndSeen = NULL;
    std::thread worker([&] {
        pWorkers = CWnd::FromHandle(hWnd);
        hWndSeen = pWorkers->m_hWnd;
    });
    worker.join();
    EXPECT_NE(pMine, pWorkers);
    EXPECT_EQ(hWnd, hWndSeen);
    EXPECT_EQ(pMine, CWnd::FromHandle(hWnd));
    CWnd::DeleteTempMap();
    ::DestroyWindow(hWnd);
}

TEST(HandleMap, APermanentObjectIsFoundFromEveryThread)
{
    HWND hWnd = MakeEdit();
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    CWnd* pFromWorker = nullptr;
    std::thread worker([&] { pFromWorker = CWnd::FromHandle(hWnd); });
    worker.join();
    EXPECT_EQ(&wnd, pFromWorker);
    EXPECT_EQ(hWnd, wnd.Detach());
    ::DestroyWindow(hWnd);
}

TEST(HandleMap, AttachRefusesAWindowThatHasAnObject)
{
    HWND hWnd = MakeEdit();
    CWnd first;
    CWnd second;
    EXPECT_FALSE(first.Attach(NULL));
    ASSERT_TRUE(first.Attach(hWnd));
    EXPECT_FALSE(second.Attach(hWnd));
    HWND hWndOther = MakeEdit();
    EXPECT_FALSE(first.Attach(hWndOther));
    ::DestroyWindow(hWndOther);
    // The object can be swapped under the live window.
    EXPECT_EQ(hWnd, first.Detach());
    EXPECT_TRUE(second.Attach(hWnd));
    EXPECT_EQ(&second, CWnd::FromHandlePermanent(hWnd));
    second.DestroyWindow();
    EXPECT_EQ(NULL, second.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

// Counts the characters it sees and checks when PreSubclassWindow runs.
class CountingEdit : public CWnd
{
public:
    int m_nChars = 0;
    bool m_bProcedureWasOwnInPreSubclass = false;
    bool m_bAttachedInPreSubclass = false;

protected:
    void PreSubclassWindow() override
    {
        m_bAttachedInPreSubclass = FromHandlePermanent(m_hWnd) == this;
        m_bProcedureWasOwnInPreSubclass = ::SendMessage(m_hWnd, WM_QUERYAFXWNDPROC, 0, 0) == 0;
    }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nChars;
        CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(HandleMap, SubclassingPutsTheMapInFrontOfTheWindowsOwnProcedure)
{
    HWND hWnd = MakeEdit("");
    WNDPROC pfnEdit = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    CountingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hWnd));
    EXPECT_TRUE(edit.m_bAttachedInPreSubclass);
    EXPECT_TRUE(edit.m_bProcedureWasOwnInPreSubclass);

    ::SendMessage(hWnd, WM_CHAR, 'a', 0);
    ::SendMessage(hWnd, WM_CHAR, 'b', 0);
    EXPECT_EQ(2, edit.m_nChars);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ("ab", strText);

    EXPECT_EQ(hWnd, edit.UnsubclassWindow());
    EXPECT_EQ(pfnEdit, reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC)));
    ::SendMessage(hWnd, WM_CHAR, 'c', 0);
    EXPECT_EQ(2, edit.m_nChars);
    ::DestroyWindow(hWnd);
}

TEST(HandleMap, ADetachedWindowKeepsWorkingAndTheNextObjectTakesItsMessages)
{
    HWND hWnd = MakeEdit("");
    CountingEdit first;
    ASSERT_TRUE(first.SubclassWindow(hWnd));
    first.Detach();
    ::SendMessage(hWnd, WM_CHAR, 'a', 0);
    EXPECT_EQ(0, first.m_nChars);

    CountingEdit second;
    ASSERT_TRUE(second.SubclassWindow(hWnd));
    ::SendMessage(hWnd, WM_CHAR, 'b', 0);
    EXPECT_EQ(1, second.m_nChars);
    CString strText;
    second.GetWindowText(strText);
    EXPECT_STREQ("ab", strText);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(NULL, second.m_hWnd);
}

TEST(HandleMap, MenusHaveTemporaryAndPermanentObjectsToo)
{
    HMENU hMenu = ::CreatePopupMenu();
    CMenu* pTemporary = CMenu::FromHandle(hMenu);
    ASSERT_NE(nullptr, pTemporary);
    EXPECT_EQ(hMenu, pTemporary->m_hMenu);
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hMenu));
    CMenu::DeleteTempMap();
    // A temporary object never destroys its menu.
    EXPECT_TRUE(::IsMenu(hMenu));
    {
        CMenu owner;
        ASSERT_TRUE(owner.Attach(hMenu));
        EXPECT_EQ(&owner, CMenu::FromHandle(hMenu));
    }
    EXPECT_FALSE(::IsMenu(hMenu));
}
} // namespace
