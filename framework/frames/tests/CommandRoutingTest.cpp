#include "FramesTestWindows.h"
#include "MdiTestFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct RouteCase
{
    UINT nTakers;
    const char* pszExpected;
};

// A command that more than one target takes goes to the first of the route.
std::string RouteOf(CCmdTarget* pTarget, UINT nTakers)
{
    TestLog().clear();
    BOOL bHandled = pTarget->OnCmdMsg(ID_ROUTE_FIRST + nTakers, CN_COMMAND, nullptr, nullptr);
    if (!bHandled)
        return TestLog().empty() ? "nobody" : "handled with nobody answering";
    return TestLog().size() == 1 ? TestLog()[0] : "more than one";
}

class FrameRouteTest : public ::testing::TestWithParam<RouteCase>
{
protected:
    void SetUp() override
    {
        TestLog().clear();
        m_document.m_bAutoDelete = FALSE;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(TestView);
        context.m_pCurrentDoc = &m_document;
        m_pFrame = new TestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW, nullptr, &context));
        m_hWndFrame = m_pFrame->m_hWnd;
        // Not shown: a hidden frame routes the same.
        m_pFrame->InitialUpdateFrame(&m_document, FALSE);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWndFrame))
            ::DestroyWindow(m_hWndFrame);
    }

    TestDocument m_document;
    TestFrame* m_pFrame = nullptr;
    HWND m_hWndFrame = NULL;
};

TEST_P(FrameRouteTest, ViewThenDocumentThenFrameThenApplication)
{
    ASSERT_NE(nullptr, m_pFrame->GetActiveView());
    EXPECT_EQ(GetParam().pszExpected, RouteOf(m_pFrame, GetParam().nTakers));
}

INSTANTIATE_TEST_SUITE_P(Route, FrameRouteTest,
                         ::testing::Values(RouteCase{kRouteView | kRouteDocument | kRouteFrame | kRouteApp, "view"},
                                           RouteCase{kRouteDocument | kRouteFrame | kRouteApp, "document"},
                                           RouteCase{kRouteFrame | kRouteApp, "frame"},
                                           RouteCase{kRouteApp, "app"},
                                           RouteCase{kRouteChild, "nobody"}));

class MdiRouteTest : public MdiTestFixture, public ::testing::WithParamInterface<RouteCase>
{
protected:
    void SetUp() override
    {
        MdiTestFixture::SetUp();
        m_document.m_bAutoDelete = FALSE;
        m_pChildA = NewChildA();
        ASSERT_NE(nullptr, m_pChildA);
        // The view comes after the child's initial update, as a plug-in's
        // does.
        CCreateContext context;
        context.m_pCurrentDoc = &m_document;
        TestView* pView = new TestView;
        ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), m_pChildA,
                                  AFX_IDW_PANE_FIRST, &context));
        m_pChildB = NewChildB();
        ASSERT_NE(nullptr, m_pChildB);
        TestLog().clear();
    }

    TestDocument m_document;
    TestChild* m_pChildA = nullptr;
    TestChild* m_pChildB = nullptr;
};

TEST_P(MdiRouteTest, TheActiveChildComesFirstThenTheFrameThenTheApplication)
{
    m_pFrame->MDIActivate(m_pChildA);
    ASSERT_EQ(m_pChildA, m_pFrame->MDIGetActive());
    EXPECT_EQ(GetParam().pszExpected, RouteOf(m_pFrame, GetParam().nTakers));
}

INSTANTIATE_TEST_SUITE_P(
    Route, MdiRouteTest,
    ::testing::Values(RouteCase{kRouteView | kRouteDocument | kRouteChild | kRouteFrame | kRouteApp, "view"},
                      RouteCase{kRouteDocument | kRouteChild | kRouteFrame | kRouteApp, "document"},
                      RouteCase{kRouteChild | kRouteFrame | kRouteApp, "child"},
                      RouteCase{kRouteFrame | kRouteApp, "frame"},
                      RouteCase{kRouteApp, "app"}));

TEST_F(MdiRouteTest, OnlyTheActiveChildIsAsked)
{
    ASSERT_EQ(m_pChildB, m_pFrame->MDIGetActive());
    EXPECT_EQ("nobody", RouteOf(m_pFrame, kRouteView | kRouteDocument));
    EXPECT_EQ("child", RouteOf(m_pFrame, kRouteChild));
}

TEST_F(MdiRouteTest, AMenuCommandToTheFrameReachesTheActiveChild)
{
    m_pFrame->MDIActivate(m_pChildA);
    m_pFrame->SendMessage(WM_COMMAND, ID_ROUTE_FIRST + kRouteChild);
    ASSERT_EQ(1u, TestLog().size());
    EXPECT_EQ("child", TestLog()[0]);
}

TEST_F(MdiRouteTest, KeysTryTheActiveChildsAcceleratorsThenTheFramesOwn)
{
    m_pFrame->MDIActivate(m_pChildA);
    MSG childKey = {m_pChildA->m_hWnd, WM_KEYDOWN, VK_F6, 0x00400001, 0, {0, 0}};
    EXPECT_TRUE(m_pFrame->PreTranslateMessage(&childKey));
    MSG frameKey = {m_pChildA->m_hWnd, WM_KEYDOWN, VK_F5, 0x003F0001, 0, {0, 0}};
    EXPECT_TRUE(m_pFrame->PreTranslateMessage(&frameKey));

    // B shares no accelerators.
    m_pFrame->MDIActivate(m_pChildB);
    EXPECT_FALSE(m_pFrame->PreTranslateMessage(&childKey));

    ASSERT_EQ(2u, TestLog().size());
    EXPECT_EQ("child accelerator Child A", TestLog()[0]);
    EXPECT_EQ("frame accelerator", TestLog()[1]);
}
} // namespace
