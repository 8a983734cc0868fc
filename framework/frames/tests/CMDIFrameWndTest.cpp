#include "frames/CMDIFrameWnd.h"

#include "MdiTestFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string WindowText(HWND hWnd)
{
    char szText[256];
    ::GetWindowText(hWnd, szText, 256);
    return szText;
}

BOOL MenuHasItem(HMENU hMenu, UINT nID)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        if (::GetMenuItemID(hMenu, i) == nID)
            return TRUE;
    }
    return FALSE;
}

using MDIFrameTest = MdiTestFixture;

TEST_F(MDIFrameTest, TheClientAreaIsThePaneAndListsChildrenInTheWindowMenu)
{
    ASSERT_NE(nullptr, m_pFrame->m_hWndMDIClient);
    EXPECT_EQ(m_pFrame->m_hWndMDIClient, ::GetDlgItem(m_pFrame->m_hWnd, AFX_IDW_PANE_FIRST));
    HMENU hWindowMenu = m_pFrame->GetWindowMenuPopup(m_pFrame->m_hMenuDefault);
    ASSERT_NE(nullptr, hWindowMenu);
    EXPECT_TRUE(MenuHasItem(hWindowMenu, ID_WINDOW_CASCADE));
    EXPECT_EQ(nullptr, m_pFrame->GetWindowMenuPopup(::GetSubMenu(m_pFrame->m_hMenuDefault, 0)));

    ASSERT_NE(nullptr, NewChildA());
    EXPECT_TRUE(MenuHasItem(m_pFrame->GetWindowMenuPopup(m_hMenuA), AFX_IDM_FIRST_MDICHILD));
}

TEST_F(MDIFrameTest, ANewChildTakesItsTitleFromTheResourceAndBecomesActive)
{
    TestChild* pChild = NewChildA();
    ASSERT_NE(nullptr, pChild);
    EXPECT_EQ("Child A", WindowText(pChild->m_hWnd));
    EXPECT_EQ("Child A", std::string(pChild->GetTitle()));
    EXPECT_NE(0u, pChild->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(pChild, m_pFrame->MDIGetActive());
    EXPECT_EQ(m_pFrame, pChild->GetMDIFrame());
    EXPECT_EQ(m_hMenuA, pChild->m_hMenuShared);
    EXPECT_EQ(m_hAccelA, pChild->GetDefaultAccelerator());
}

TEST_F(MDIFrameTest, ActivationSwitchesTheSharedMenu)
{
    HMENU hMenuDefault = m_pFrame->m_hMenuDefault;
    ASSERT_EQ(hMenuDefault, ::GetMenu(m_pFrame->m_hWnd));

    TestChild* pChildA = NewChildA();
    ASSERT_NE(nullptr, pChildA);
    EXPECT_EQ(m_hMenuA, ::GetMenu(m_pFrame->m_hWnd));

    TestChild* pChildB = NewChildB();
    ASSERT_NE(nullptr, pChildB);
    EXPECT_EQ(m_hMenuB, ::GetMenu(m_pFrame->m_hWnd));

    m_pFrame->MDIActivate(pChildA);
    EXPECT_EQ(pChildA, m_pFrame->MDIGetActive());
    EXPECT_EQ(m_hMenuA, ::GetMenu(m_pFrame->m_hWnd));

    m_pFrame->MDINext();
    EXPECT_EQ(pChildB, m_pFrame->MDIGetActive());
    EXPECT_EQ(m_hMenuB, ::GetMenu(m_pFrame->m_hWnd));

    pChildB->SendMessage(WM_CLOSE);
    EXPECT_EQ(pChildA, m_pFrame->MDIGetActive());
    EXPECT_EQ(m_hMenuA, ::GetMenu(m_pFrame->m_hWnd));

    pChildA->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
    EXPECT_EQ(hMenuDefault, ::GetMenu(m_pFrame->m_hWnd));
    // The shared menus outlive the children that showed them.
    EXPECT_TRUE(::IsMenu(m_hMenuA));
    EXPECT_TRUE(::IsMenu(m_hMenuB));
}

TEST_F(MDIFrameTest, AChildWithoutASharedMenuShowsTheFramesMenu)
{
    TestChild* pChild =
        static_cast<TestChild*>(m_pFrame->CreateNewChild(RUNTIME_CLASS(TestChild), IDR_CHILD_B));
    ASSERT_NE(nullptr, pChild);
    EXPECT_EQ(m_pFrame->m_hMenuDefault, ::GetMenu(m_pFrame->m_hWnd));
}

TEST_F(MDIFrameTest, OnlyChildFrameClassesAreMade)
{
    EXPECT_EQ(nullptr, m_pFrame->CreateNewChild(RUNTIME_CLASS(TestFrame), IDR_CHILD_A));
    EXPECT_EQ(nullptr, m_pFrame->CreateNewChild(nullptr, IDR_CHILD_A));
}

TEST_F(MDIFrameTest, ClosingAChildGoesThroughTheClientArea)
{
    TestChild* pChild = NewChildA();
    ASSERT_NE(nullptr, pChild);
    HWND hWndChild = pChild->m_hWnd;
    TestLog().clear();
    pChild->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hWndChild));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndChild));
    ASSERT_EQ(1u, TestLog().size());
    EXPECT_EQ("destroy Child A", TestLog()[0]);
}

TEST_F(MDIFrameTest, ClosingTheMainFrameDestroysTheChildrenFirst)
{
    AfxGetThread()->m_pMainWnd = m_pFrame;
    ASSERT_NE(nullptr, NewChildA());
    ASSERT_NE(nullptr, NewChildB());
    TestLog().clear();

    m_pFrame->SendMessage(WM_CLOSE);

    ASSERT_EQ(3u, TestLog().size());
    EXPECT_EQ("destroy frame", TestLog()[2]);
    EXPECT_FALSE(::IsWindow(m_hWndFrame));
    MSG msg;
    EXPECT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MDIFrameTest, ANewChildKeepsTheMaximisedStateOfTheActiveOne)
{
    TestChild* pChildA = NewChildA();
    ASSERT_NE(nullptr, pChildA);
    pChildA->ActivateFrame(SW_SHOWMAXIMIZED);
    BOOL bMaximized = FALSE;
    EXPECT_EQ(pChildA, m_pFrame->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
    EXPECT_TRUE(pChildA->IsZoomed());

    TestChild* pChildB = NewChildB();
    ASSERT_NE(nullptr, pChildB);
    EXPECT_EQ(pChildB, m_pFrame->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
    EXPECT_TRUE(pChildB->IsZoomed());

    m_pFrame->MDIRestore(pChildB);
    EXPECT_FALSE(pChildB->IsZoomed());
}

TEST_F(MDIFrameTest, WindowCommandsNeedAnActiveChild)
{
    HMENU hWindowMenu = m_pFrame->GetWindowMenuPopup(m_pFrame->m_hMenuDefault);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hWindowMenu), 1);
    EXPECT_NE(0u, ::GetMenuState(hWindowMenu, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);

    TestChild* pChild =
        static_cast<TestChild*>(m_pFrame->CreateNewChild(RUNTIME_CLASS(TestChild), IDR_CHILD_B));
    ASSERT_NE(nullptr, pChild);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hWindowMenu), 1);
    EXPECT_EQ(0u, ::GetMenuState(hWindowMenu, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MDIFrameTest, CascadeAndTileArrangeTheChildren)
{
    // Only visible children are arranged.
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    TestChild* pChildA = NewChildA();
    TestChild* pChildB = NewChildB();
    ASSERT_NE(nullptr, pChildA);
    ASSERT_NE(nullptr, pChildB);

    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
    CRect rectA, rectB, rectClient;
    pChildA->GetWindowRect(&rectA);
    pChildB->GetWindowRect(&rectB);
    ::GetClientRect(m_pFrame->m_hWndMDIClient, &rectClient);
    // Tiled: side by side without overlap, filling the client's width.
    CRect rectOverlap;
    EXPECT_FALSE(rectOverlap.IntersectRect(&rectA, &rectB));
    EXPECT_EQ(rectClient.Width(), rectA.Width());

    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE);
    pChildA->GetWindowRect(&rectA);
    pChildB->GetWindowRect(&rectB);
    EXPECT_TRUE(rectOverlap.IntersectRect(&rectA, &rectB));
    EXPECT_NE(rectA.TopLeft(), rectB.TopLeft());
}
} // namespace
