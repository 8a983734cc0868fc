#include "frames/FrameIds.h"
#include "docking/tests/KorvoLikeMdi.h"
#include "docking/tests/RealInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class MDITabsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 470)));
        frame.SetMDITabsOptions(TRUE, TRUE, 1, TRUE, 5, FALSE);
    }
    void TearDown() override { frame.DestroyWindow(); }

    CMDIChildWnd* AddChild(const char* title, CRuntimeClass* pClass = RUNTIME_CLASS(KorvoLikeChild))
    {
        CMDIChildWnd* pChild = frame.CreateNewChild(pClass, 0);
        if (pChild == nullptr)
            return nullptr;
        pChild->SetWindowText(title);
        pChild->ActivateFrame(SW_SHOWMAXIMIZED);
        Pump();
        return pChild;
    }
    static void Pump()
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    CVrxPTabWnd& Tabs() { return frame.GetClientArea().MainTabs(); }
    std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (int i = 0; i < Tabs().CountTabs(); i++)
        {
            CString label;
            Tabs().TabLabelAt(i, label);
            labels.emplace_back(static_cast<LPCTSTR>(label));
        }
        return labels;
    }
    HWND Active() const { return reinterpret_cast<HWND>(::SendMessage(frame.m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0)); }
    static CRect ScreenClientRect(HWND hWnd)
    {
        CRect rect;
        ::GetClientRect(hWnd, &rect);
        ::MapWindowPoints(hWnd, NULL, reinterpret_cast<LPPOINT>(&rect), 2);
        return rect;
    }

    KorvoLikeFrame frame;
};

TEST_F(MDITabsTest, ChildrenWithoutSystemMenuFillTheClientUnderTheirTabs)
{
    CMDIChildWnd* pFirst = AddChild("COM connection");
    CMDIChildWnd* pSecond = AddChild("ZIM");
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    frame.RecalcLayout();

    EXPECT_EQ((std::vector<std::string>{"COM connection", "ZIM"}), Labels());
    EXPECT_EQ(1, Tabs().ActiveTabIndex());
    EXPECT_EQ(pSecond->GetSafeHwnd(), Active());
    EXPECT_TRUE(pSecond->IsZoomed()) << "opened maximised";
    const CRect rectClient = ScreenClientRect(frame.m_hWndMDIClient);
    ASSERT_FALSE(rectClient.IsRectEmpty());
    for (CMDIChildWnd* pChild : {pFirst, pSecond})
        EXPECT_EQ(rectClient, ScreenClientRect(pChild->GetSafeHwnd())) << "the child's client covers the client";
    EXPECT_EQ(0u, static_cast<DWORD>(::GetWindowLong(frame.m_hWndMDIClient, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE);

    // The client lies exactly in the tab window's content area, which
    // starts under the strip along the top.
    CRect rectContent = Tabs().ContentRect();
    Tabs().ClientToScreen(&rectContent);
    CRect rectClientWindow;
    ::GetWindowRect(frame.m_hWndMDIClient, &rectClientWindow);
    EXPECT_EQ(rectContent, rectClientWindow);
    CRect rectTabs;
    Tabs().GetWindowRect(&rectTabs);
    EXPECT_EQ(rectTabs.top + Tabs().StripRect().bottom, rectClientWindow.top - Tabs().TabBorderSize());
}

TEST_F(MDITabsTest, SystemMenuAddedBackRestoresTheRectAndTheClientEdge)
{
    frame.SetMDITabsOptions(FALSE, TRUE, 1, TRUE, 5, FALSE);
    CMDIChildWnd* pChild = frame.CreateNewChild(RUNTIME_CLASS(CVrxPMDIChildWnd), 0);
    ASSERT_NE(nullptr, pChild);
    pChild->ShowWindow(SW_SHOWNORMAL);
    pChild->SetWindowPos(nullptr, 30, 20, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();

    pChild->ModifyStyle(WS_SYSMENU, 0, SWP_FRAMECHANGED);
    EXPECT_EQ(ScreenClientRect(frame.m_hWndMDIClient), ScreenClientRect(pChild->GetSafeHwnd()));
    EXPECT_EQ(0u, static_cast<DWORD>(::GetWindowLong(frame.m_hWndMDIClient, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE);

    pChild->ModifyStyle(0, WS_SYSMENU, SWP_FRAMECHANGED);
    CRect rect;
    pChild->GetWindowRect(&rect);
    ::MapWindowPoints(NULL, frame.m_hWndMDIClient, reinterpret_cast<LPPOINT>(&rect), 2);
    EXPECT_EQ(CRect(30, 20, 230, 170), rect);
    EXPECT_NE(0u, static_cast<DWORD>(::GetWindowLong(frame.m_hWndMDIClient, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE);
}

TEST_F(MDITabsTest, NextWindowGoesInTabOrderAndWraps)
{
    std::vector<HWND> children;
    for (const char* title : {"one", "two", "three"})
    {
        CMDIChildWnd* pChild = AddChild(title);
        ASSERT_NE(nullptr, pChild);
        children.push_back(pChild->GetSafeHwnd());
    }
    ASSERT_EQ(children[2], Active());
    ::SendMessage(frame.m_hWndMDIClient, WM_MDINEXT, reinterpret_cast<WPARAM>(children[2]), 0);
    EXPECT_EQ(children[0], Active()) << "past the last tab comes the first";
    EXPECT_EQ(0, Tabs().ActiveTabIndex());
    ::SendMessage(frame.m_hWndMDIClient, WM_MDINEXT, reinterpret_cast<WPARAM>(children[0]), 1);
    EXPECT_EQ(children[2], Active()) << "before the first tab comes the last";
    ::SendMessage(frame.m_hWndMDIClient, WM_MDINEXT, reinterpret_cast<WPARAM>(children[2]), 1);
    EXPECT_EQ(children[1], Active());
    EXPECT_EQ(1, Tabs().ActiveTabIndex());
}

TEST_F(MDITabsTest, HiddenChildLosesItsTabAndComesBackLast)
{
    CMDIChildWnd* pFirst = AddChild("one");
    CMDIChildWnd* pSecond = AddChild("two");
    ASSERT_NE(nullptr, AddChild("three"));
    ASSERT_NE(nullptr, pSecond);

    pFirst->ShowWindow(SW_HIDE);
    Pump();
    EXPECT_EQ((std::vector<std::string>{"two", "three"}), Labels());
    pFirst->ShowWindow(SW_SHOW);
    Pump();
    EXPECT_EQ((std::vector<std::string>{"two", "three", "one"}), Labels());
    EXPECT_EQ(2, Tabs().ActiveTabIndex()) << "the new last tab is made active";

    pSecond->SetWindowText("renamed");
    EXPECT_EQ((std::vector<std::string>{"renamed", "three", "one"}), Labels());
    pSecond->MDIDestroy();
    Pump();
    EXPECT_EQ((std::vector<std::string>{"three", "one"}), Labels());
}

TEST_F(MDITabsTest, TurnedOffKeepsTheTabsHiddenAndTheChildrenCovering)
{
    CMDIChildWnd* pChild = AddChild("one");
    ASSERT_NE(nullptr, AddChild("two"));
    frame.SetMDITabsOptions(FALSE, TRUE, 1, TRUE, 5, FALSE);
    Pump();
    EXPECT_FALSE(Tabs().IsWindowVisible());
    EXPECT_EQ(2, Tabs().CountTabs());
    EXPECT_EQ(ScreenClientRect(frame.m_hWndMDIClient), ScreenClientRect(pChild->GetSafeHwnd()));
    EXPECT_EQ(0u, static_cast<DWORD>(::GetWindowLong(frame.m_hWndMDIClient, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE)
        << "no active child with a system menu";
}

TEST_F(MDITabsTest, WindowMenuListsNineChildrenThenTheWindowsCommand)
{
    const UINT windowsCommand = 32825;
    HMENU hMenu = ::CreateMenu();
    HMENU hWindow = ::CreatePopupMenu();
    ::AppendMenu(hWindow, MF_STRING, AFX_IDM_WINDOW_FIRST, "&Cascade");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hWindow), "&Window");
    frame.AddWindowsManagerMenuItem(windowsCommand, 0, FALSE, FALSE);
    frame.MDISetMenu(hMenu, hWindow);

    for (int i = 0; i < 10; i++)
        ASSERT_NE(nullptr, AddChild(("child " + std::to_string(i)).c_str()));
    ::SendMessage(frame.m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);

    std::vector<UINT> childEntries;
    for (int i = 0; i < ::GetMenuItemCount(hWindow); i++)
    {
        const UINT nId = ::GetMenuItemID(hWindow, i);
        if (nId >= AFX_IDM_FIRST_MDICHILD && nId != static_cast<UINT>(-1))
            childEntries.push_back(nId);
    }
    ASSERT_EQ(9u, childEntries.size());
    EXPECT_EQ(AFX_IDM_FIRST_MDICHILD + 8, childEntries.back());
    EXPECT_EQ(windowsCommand, ::GetMenuItemID(hWindow, ::GetMenuItemCount(hWindow) - 1))
        << "the command takes the overflow entry's place";
    ::SetMenu(frame.m_hWnd, NULL);
    ::DestroyMenu(hMenu);
}

TEST_F(MDITabsTest, ClickedTabActivatesItsChild)
{
    CMDIChildWnd* pFirst = AddChild("first");
    ASSERT_NE(nullptr, AddChild("second"));
    frame.SetForegroundWindow();
    frame.RecalcLayout();
    Pump();
    CRect rectTab;
    ASSERT_TRUE(Tabs().TabRectAt(0, rectTab));
    Tabs().ClientToScreen(&rectTab);
    const CPoint point = rectTab.CenterPoint();
    using realinput::InputStep;
    realinput::Play({{InputStep::move, point}, {InputStep::press, point}, {InputStep::release, point}});
    EXPECT_EQ(pFirst->GetSafeHwnd(), Active());
    EXPECT_EQ(0, Tabs().ActiveTabIndex());
}
} // namespace
