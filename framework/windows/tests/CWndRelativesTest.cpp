#include "windows/CWnd.h"

#include "WindowsTestResources.h"

#include <gtest/gtest.h>

namespace
{
class FrameProbe : public CWnd
{
public:
    BOOL IsFrameWnd() const override { return TRUE; }
};

CWnd* AsWnd(CFrameWnd* pFrame)
{
    return reinterpret_cast<CWnd*>(pFrame);
}

TEST(CWndRelatives, FindsTheFramesAboveAWindow)
{
    // A main frame with a client area holding a child frame with a view.
    FrameProbe mainFrame;
    CWnd client;
    FrameProbe childFrame;
    CWnd view;
    ASSERT_TRUE(mainFrame.CreateEx(0, NULL, "main", WS_POPUP, 0, 0, 300, 300, NULL, NULL));
    ASSERT_TRUE(client.Create(NULL, "client", WS_VISIBLE, CRect(0, 0, 200, 200), &mainFrame, 1));
    ASSERT_TRUE(childFrame.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 100, 100), &client, 2));
    ASSERT_TRUE(view.Create(NULL, "view", WS_VISIBLE, CRect(0, 0, 50, 50), &childFrame, 3));

    EXPECT_EQ(&childFrame, AsWnd(view.GetParentFrame()));
    EXPECT_EQ(&mainFrame, AsWnd(view.GetTopLevelFrame()));
    EXPECT_EQ(&mainFrame, AsWnd(childFrame.GetParentFrame()));
    EXPECT_EQ(&mainFrame, AsWnd(childFrame.GetTopLevelFrame()));
    EXPECT_EQ(nullptr, mainFrame.GetParentFrame());
    EXPECT_EQ(&mainFrame, AsWnd(mainFrame.GetTopLevelFrame()));
    EXPECT_EQ(&mainFrame, view.GetTopLevelParent());
    EXPECT_EQ(&view, mainFrame.GetDescendantWindow(3));
    EXPECT_EQ(nullptr, mainFrame.GetDescendantWindow(4));

    EXPECT_EQ(&childFrame, view.GetOwner());
    view.SetOwner(&mainFrame);
    EXPECT_EQ(&mainFrame, view.GetOwner());
    mainFrame.DestroyWindow();
}

TEST(CWndRelatives, ADialogsSafeOwnerIsTheTopLevelWindowAboveTheParent)
{
    CWnd top;
    CWnd child;
    ASSERT_TRUE(top.CreateEx(0, NULL, "top", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 50, 50), &top, 1));
    EXPECT_EQ(&top, CWnd::GetSafeOwner(&child));
    EXPECT_EQ(nullptr, CWnd::GetSafeOwner(nullptr));
    top.DestroyWindow();
}

TEST(CWndRelatives, CentresAChildInItsParent)
{
    CWnd parent;
    CWnd child;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 1));
    child.CenterWindow();
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(CRect(75, 40, 125, 60), rect);
    parent.DestroyWindow();
}

TEST(CWndRelatives, SetWindowPosTakesTheInsertAfterObjects)
{
    CWnd parent;
    CWnd first;
    CWnd second;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    ASSERT_TRUE(first.Create(NULL, "first", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1));
    ASSERT_TRUE(second.Create(NULL, "second", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 2));
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    ASSERT_TRUE(second.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, nFlags));
    EXPECT_EQ(second.m_hWnd, ::GetTopWindow(parent.m_hWnd));
    ASSERT_TRUE(second.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, nFlags));
    EXPECT_EQ(first.m_hWnd, ::GetTopWindow(parent.m_hWnd));
    EXPECT_EQ(second.m_hWnd, ::GetWindow(first.m_hWnd, GW_HWNDLAST));
    parent.DestroyWindow();
}

class ToolTipsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "tips", WS_POPUP, 0, 0, 200, 100, NULL, NULL));
        ASSERT_TRUE(m_edit.Create("EDIT", "", WS_VISIBLE, CRect(10, 10, 60, 30), &m_parent, IDC_PROBE_EDIT));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    MSG MouseMove(int x, int y)
    {
        CPoint point(x, y);
        m_parent.ClientToScreen(&point);
        MSG msg = {};
        msg.hwnd = m_parent.m_hWnd;
        msg.message = WM_MOUSEMOVE;
        msg.pt = point;
        msg.lParam = MAKELPARAM(x, y);
        return msg;
    }

    CWnd m_parent;
    CWnd m_edit;
};

TEST_F(ToolTipsTest, TheHitTestFindsTheControlUnderThePoint)
{
    TOOLINFO info = {};
    EXPECT_EQ(IDC_PROBE_EDIT, m_parent.OnToolHitTest(CPoint(20, 20), &info));
    EXPECT_EQ(m_parent.m_hWnd, info.hwnd);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(m_edit.m_hWnd), info.uId);
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(-1, m_parent.OnToolHitTest(CPoint(150, 50), nullptr));
}

TEST_F(ToolTipsTest, TheTipTextIsThePromptsSecondPart)
{
    HWND hWndTip = ::CreateWindowEx(0, TOOLTIPS_CLASS, NULL, WS_POPUP, 0, 0, 0, 0, m_parent.m_hWnd, NULL, NULL, NULL);
    TOOLTIPTEXTA ttt = {};
    ttt.hdr.hwndFrom = hWndTip;
    ttt.hdr.idFrom = reinterpret_cast<UINT_PTR>(m_edit.m_hWnd);
    ttt.hdr.code = TTN_NEEDTEXTA;
    ttt.uFlags = TTF_IDISHWND;
    m_parent.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
    EXPECT_STREQ("Probe text", ttt.szText);

    // A prompt without a second part is the tip as it is.
    ttt.hdr.idFrom = IDC_PROBE_BUTTON;
    ttt.uFlags = 0;
    m_parent.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
    EXPECT_STREQ("Presses the probe", ttt.szText);
    ::DestroyWindow(hWndTip);
}

struct ToolTipSearch
{
    HWND hWndOwner;
    HWND hWndFound;
};

BOOL CALLBACK MatchToolTip(HWND hWnd, LPARAM lParam)
{
    ToolTipSearch* pSearch = reinterpret_cast<ToolTipSearch*>(lParam);
    char szClass[32];
    if (::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0 &&
        ::GetWindow(hWnd, GW_OWNER) == pSearch->hWndOwner)
    {
        pSearch->hWndFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The thread's tip made for the window.
HWND FindToolTip(HWND hWndOwner)
{
    ToolTipSearch search = {hWndOwner, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchToolTip, reinterpret_cast<LPARAM>(&search));
    return search.hWndFound;
}

TEST_F(ToolTipsTest, TheFilterKeepsOneToolForTheControlUnderTheMouse)
{
    m_parent.EnableToolTips(TRUE);
    MSG overEdit = MouseMove(20, 20);
    EXPECT_FALSE(AfxWalkPreTranslateTree(NULL, &overEdit));
    HWND hWndTip = FindToolTip(m_parent.m_hWnd);
    ASSERT_NE(nullptr, hWndTip);
    EXPECT_EQ(1, ::SendMessage(hWndTip, TTM_GETTOOLCOUNT, 0, 0));

    MSG overNothing = MouseMove(150, 50);
    AfxWalkPreTranslateTree(NULL, &overNothing);
    EXPECT_EQ(0, ::SendMessage(hWndTip, TTM_GETTOOLCOUNT, 0, 0));

    AfxWalkPreTranslateTree(NULL, &overEdit);
    EXPECT_EQ(1, ::SendMessage(hWndTip, TTM_GETTOOLCOUNT, 0, 0));
    m_parent.EnableToolTips(FALSE);
    EXPECT_EQ(0, ::SendMessage(hWndTip, TTM_GETTOOLCOUNT, 0, 0));
}
} // namespace
