#include "frames/CFrameWnd.h"

#include "app/ResourceChain.h"
#include "windows/CMenu.h"

#include "FramesTestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
const UINT kBarId = AFX_IDW_CONTROLBAR_FIRST + 1;
const int kBarHeight = 20;

// A control bar: takes a strip at the top of what the frame has left, and
// can ask the frame for a layout again while it is laid out.
class TopBar : public CWnd
{
public:
    int m_nLayouts = 0;
    BOOL m_bSawGuard = FALSE;
    BOOL m_bReenter = FALSE;
    // The settings changes it was told of: flags and section.
    std::vector<std::pair<UINT, std::string>> m_settings;
    int m_nColorChanges = 0;

protected:
    afx_msg void OnSysColorChange() { ++m_nColorChanges; }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    {
        m_settings.emplace_back(uFlags, lpszSection != nullptr ? lpszSection : "");
    }
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        ++m_nLayouts;
        CFrameWnd* pFrame = GetParentFrame();
        if (m_bReenter)
        {
            m_bSawGuard = pFrame->m_bInRecalcLayout;
            pFrame->RecalcLayout();
        }
        AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        CRect rect = pLayout->rect;
        if (pLayout->hDWP != NULL)
            pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                             kBarHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        pLayout->rect.top += kBarHeight;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TopBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CRect ChildRectInParent(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(NULL, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

std::string WindowText(HWND hWnd)
{
    char szText[256];
    ::GetWindowText(hWnd, szText, 256);
    return szText;
}

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestLog().clear();
        TestFrame::s_nDestroyed = 0;
        TestFrame::s_bFailCreate = FALSE;
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWndFrame))
            ::DestroyWindow(m_hWndFrame);
        TestFrame::s_bFailCreate = FALSE;
    }

    TestFrame* LoadTestFrame(UINT nIDResource = IDR_TEST_FRAME, DWORD dwStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)
    {
        TestFrame* pFrame = new TestFrame;
        if (!pFrame->LoadFrame(nIDResource, dwStyle))
            return nullptr;
        m_hWndFrame = pFrame->m_hWnd;
        return pFrame;
    }

    // A pane and a bar in the frame; the frame owns neither object.
    void AddPaneAndBar(CFrameWnd* pFrame)
    {
        m_pane = std::make_unique<CWnd>();
        ASSERT_TRUE(m_pane->Create(NULL, "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), pFrame, AFX_IDW_PANE_FIRST));
        m_bar = std::make_unique<TopBar>();
        ASSERT_TRUE(m_bar->Create(NULL, "bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), pFrame, kBarId));
    }

    HWND m_hWndFrame = NULL;
    std::unique_ptr<CWnd> m_pane;
    std::unique_ptr<TopBar> m_bar;
};

TEST_F(FrameTest, LoadFrameTakesMenuAcceleratorsIconAndTitleFromTheResources)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);

    EXPECT_NE(nullptr, pFrame->m_hMenuDefault);
    EXPECT_EQ(pFrame->m_hMenuDefault, ::GetMenu(pFrame->m_hWnd));
    EXPECT_EQ(2, ::GetMenuItemCount(pFrame->m_hMenuDefault));
    EXPECT_NE(nullptr, pFrame->m_hAccelTable);
    EXPECT_EQ(pFrame->m_hAccelTable, pFrame->GetDefaultAccelerator());
    EXPECT_EQ("Test Frame", std::string(pFrame->GetTitle()));

    // The class is the application's, so a caller can copy it.
    char szClass[256];
    ::GetClassName(pFrame->m_hWnd, szClass, 256);
    WNDCLASS wndcls;
    ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), szClass, &wndcls));
    EXPECT_NE(nullptr, wndcls.hIcon);
}

TEST_F(FrameTest, AFrameWithoutMenuOrIconResourcesStillLoads)
{
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(nullptr, pFrame->m_hMenuDefault);
    EXPECT_EQ(nullptr, pFrame->m_hAccelTable);
    EXPECT_EQ("Plain Frame", std::string(pFrame->GetTitle()));
    EXPECT_EQ("Plain Frame", WindowText(pFrame->m_hWnd));
}

TEST_F(FrameTest, TheFrameDeletesItselfWhenItsWindowIsDestroyed)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_EQ(0, TestFrame::s_nDestroyed);
    EXPECT_TRUE(pFrame->DestroyWindow());
    EXPECT_EQ(1, TestFrame::s_nDestroyed);
    EXPECT_FALSE(::IsWindow(m_hWndFrame));
}

TEST_F(FrameTest, AFailedCreationDeletesTheFrame)
{
    TestFrame::s_bFailCreate = TRUE;
    EXPECT_EQ(nullptr, LoadTestFrame());
    EXPECT_EQ(1, TestFrame::s_nDestroyed);
}

TEST_F(FrameTest, RecalcLayoutGivesThePaneWhatTheBarsLeave)
{
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, pFrame);
    AddPaneAndBar(pFrame);
    pFrame->RecalcLayout();

    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    EXPECT_EQ(CRect(0, 0, rectClient.right, kBarHeight), ChildRectInParent(m_bar->m_hWnd));
    EXPECT_EQ(CRect(0, kBarHeight, rectClient.right, rectClient.bottom), ChildRectInParent(m_pane->m_hWnd));
}

// The system tells only top-level windows; the frame passes the change to
// every window inside it that has an object, however deep.
TEST_F(FrameTest, ASettingChangeReachesTheWindowsInsideTheFrame)
{
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, pFrame);
    AddPaneAndBar(pFrame);
    TopBar inner;
    ASSERT_TRUE(inner.Create(NULL, "inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), m_bar.get(), 1));
    pFrame->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, reinterpret_cast<LPARAM>("WindowMetrics"));

    const std::vector<std::pair<UINT, std::string>> expected = {{SPI_SETNONCLIENTMETRICS, "WindowMetrics"}};
    EXPECT_EQ(expected, m_bar->m_settings);
    EXPECT_EQ(expected, inner.m_settings);

    inner.DestroyWindow();
}

// A system-colour change too, once to each window, and the frame's client
// area is left to repaint.
TEST_F(FrameTest, ASystemColourChangeReachesTheWindowsInsideTheFrame)
{
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, pFrame);
    AddPaneAndBar(pFrame);
    TopBar inner;
    ASSERT_TRUE(inner.Create(NULL, "inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), m_bar.get(), 1));
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->UpdateWindow();
    ASSERT_FALSE(::GetUpdateRect(m_bar->m_hWnd, nullptr, FALSE));
    pFrame->SendMessage(WM_SYSCOLORCHANGE, 0, 0);

    EXPECT_EQ(1, m_bar->m_nColorChanges);
    EXPECT_EQ(1, inner.m_nColorChanges);
    EXPECT_TRUE(::GetUpdateRect(m_bar->m_hWnd, nullptr, FALSE)) << "the bar repaints";

    inner.DestroyWindow();
}

TEST_F(FrameTest, ANestedRecalcLayoutReturnsAtOnce)
{
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, pFrame);
    AddPaneAndBar(pFrame);
    m_bar->m_bReenter = TRUE;
    m_bar->m_nLayouts = 0;

    pFrame->RecalcLayout();

    EXPECT_EQ(1, m_bar->m_nLayouts);
    EXPECT_TRUE(m_bar->m_bSawGuard);
    EXPECT_FALSE(pFrame->m_bInRecalcLayout);
    EXPECT_EQ(kBarHeight, ChildRectInParent(m_pane->m_hWnd).top);
}

TEST_F(FrameTest, BorderSpaceIsKeptFreeAroundThePane)
{
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, pFrame);
    AddPaneAndBar(pFrame);
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);

    CRect rectFree;
    ASSERT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderGet, &rectFree));
    EXPECT_EQ(CRect(0, kBarHeight, rectClient.right, rectClient.bottom), rectFree);

    CRect rectFits(4, 5, 6, 7);
    EXPECT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderRequest, &rectFits));
    CRect rectTooWide(rectClient.right, 0, 1, 0);
    EXPECT_FALSE(pFrame->NegotiateBorderSpace(CFrameWnd::borderRequest, &rectTooWide));

    EXPECT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderSet, &rectFits));
    EXPECT_EQ(rectFits, pFrame->m_rectBorder);
    EXPECT_EQ(CRect(4, kBarHeight + 5, rectClient.right - 6, rectClient.bottom - 7),
              ChildRectInParent(m_pane->m_hWnd));

    EXPECT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderSet, nullptr));
    EXPECT_TRUE(pFrame->m_rectBorder.IsRectNull());
    EXPECT_EQ(CRect(0, kBarHeight, rectClient.right, rectClient.bottom), ChildRectInParent(m_pane->m_hWnd));
}

struct TitleCase
{
    DWORD dwStyle;
    const char* pszTitle;
    const char* pszDocument;
    const char* pszExpected;
};

class FrameTitleTest : public FrameTest, public ::testing::WithParamInterface<TitleCase>
{
};

TEST_P(FrameTitleTest, TheDocumentNameJoinsTheTitleAsTheStyleSays)
{
    const TitleCase& c = GetParam();
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW | c.dwStyle);
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetTitle(c.pszTitle);
    pFrame->UpdateFrameTitleForDocument(c.pszDocument);
    EXPECT_EQ(c.pszExpected, WindowText(pFrame->m_hWnd));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FrameTitleTest,
    ::testing::Values(TitleCase{FWS_ADDTOTITLE, "App", "Doc", "App - Doc"},
                      TitleCase{FWS_ADDTOTITLE | FWS_PREFIXTITLE, "App", "Doc", "Doc - App"},
                      TitleCase{FWS_ADDTOTITLE, "App", NULL, "App"},
                      TitleCase{FWS_ADDTOTITLE | FWS_PREFIXTITLE, "App", "", "App"},
                      TitleCase{FWS_ADDTOTITLE, "", "Doc", "Doc"}));

TEST_F(FrameTest, TitleUpdatesLeaveAFrameWithoutAddToTitleAlone)
{
    TestFrame* pFrame = LoadTestFrame(IDR_PLAIN_FRAME, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetWindowText("set by hand");
    pFrame->SetTitle("Other");
    pFrame->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ("set by hand", WindowText(pFrame->m_hWnd));
}

TEST_F(FrameTest, TheTitleFollowsAtTheNextIdleUpdate)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetTitle("Renamed");
    pFrame->DelayUpdateFrameTitle();
    EXPECT_EQ("Test Frame", WindowText(pFrame->m_hWnd));
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ("Renamed", WindowText(pFrame->m_hWnd));
}

HMENU NewTestPopup()
{
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenu(hPopup, MF_STRING, ID_TEST_HANDLED, "handled");
    ::AppendMenu(hPopup, MF_STRING, ID_TEST_NOHANDLER, "no handler");
    ::AppendMenu(hPopup, MF_SEPARATOR, 0, NULL);
    ::AppendMenu(hPopup, MF_STRING, ID_TEST_CHECKED, "checked");
    ::AppendMenu(hPopup, MF_STRING, ID_TEST_DISABLED, "disabled");
    ::AppendMenu(hPopup, MF_STRING, SC_CLOSE, "system command");
    return hPopup;
}

BOOL IsGrayed(HMENU hMenu, UINT nID)
{
    return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST_F(FrameTest, OpeningAPopupUpdatesItsItemsAndDisablesThoseWithoutHandlers)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    HMENU hPopup = NewTestPopup();

    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    EXPECT_FALSE(IsGrayed(hPopup, ID_TEST_HANDLED));
    EXPECT_TRUE(IsGrayed(hPopup, ID_TEST_NOHANDLER));
    EXPECT_NE(0u, ::GetMenuState(hPopup, ID_TEST_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(IsGrayed(hPopup, ID_TEST_DISABLED));
    EXPECT_FALSE(IsGrayed(hPopup, SC_CLOSE));
    ::DestroyMenu(hPopup);
}

TEST_F(FrameTest, WithoutAutoMenuEnableOnlyUpdateHandlersChangeItems)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->m_bAutoMenuEnable = FALSE;
    HMENU hPopup = NewTestPopup();

    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    EXPECT_FALSE(IsGrayed(hPopup, ID_TEST_NOHANDLER));
    EXPECT_TRUE(IsGrayed(hPopup, ID_TEST_DISABLED));

    pFrame->m_bEnableDisabled = TRUE;
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    EXPECT_FALSE(IsGrayed(hPopup, ID_TEST_DISABLED));
    ::DestroyMenu(hPopup);
}

TEST_F(FrameTest, TheFrameTranslatesItsAccelerators)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    MSG msg = {pFrame->m_hWnd, WM_KEYDOWN, VK_F5, 0x003F0001, 0, {0, 0}};
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    ASSERT_EQ(1u, TestLog().size());
    EXPECT_EQ("frame accelerator", TestLog()[0]);

    MSG other = {pFrame->m_hWnd, WM_KEYDOWN, VK_F7, 0x00410001, 0, {0, 0}};
    EXPECT_FALSE(pFrame->PreTranslateMessage(&other));
}

// The status bar the frame shows its prompts in.
class StatusLine : public CWnd
{
};

struct PromptCase
{
    WPARAM wParam;
    const char* pszText;
    const char* pszExpected;
};

class FramePromptTest : public FrameTest, public ::testing::WithParamInterface<PromptCase>
{
};

TEST_P(FramePromptTest, TheStatusBarShowsThePromptOfTheCommand)
{
    const PromptCase& c = GetParam();
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    StatusLine status;
    ASSERT_TRUE(status.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), pFrame,
                              AFX_IDW_STATUS_BAR));
    ASSERT_EQ(&status, pFrame->GetMessageBar());

    pFrame->SendMessage(WM_SETMESSAGESTRING, c.wParam, reinterpret_cast<LPARAM>(c.pszText));
    EXPECT_EQ(c.pszExpected, WindowText(status.m_hWnd));
}

INSTANTIATE_TEST_SUITE_P(
    Prompts, FramePromptTest,
    ::testing::Values(PromptCase{ID_TEST_HANDLED, NULL, "Runs the handled command"},
                      PromptCase{0, "given text", "given text"},
                      PromptCase{SC_CLOSE, NULL, "Closes the window"},
                      PromptCase{AFX_IDM_FIRST_MDICHILD + 3, NULL, "Brings this window to the front"},
                      PromptCase{AFX_IDS_IDLEMESSAGE, NULL, "Ready"},
                      PromptCase{ID_TEST_NOHANDLER, NULL, ""}));

TEST_F(FrameTest, TheMenuItemUnderTheMouseGivesThePrompt)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    StatusLine status;
    ASSERT_TRUE(status.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), pFrame,
                              AFX_IDW_STATUS_BAR));
    HMENU hPopup = ::GetSubMenu(pFrame->m_hMenuDefault, 0);

    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_HANDLED, MF_STRING), reinterpret_cast<LPARAM>(hPopup));
    EXPECT_EQ("Runs the handled command", WindowText(status.m_hWnd));
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), reinterpret_cast<LPARAM>(pFrame->m_hMenuDefault));
    EXPECT_EQ("", WindowText(status.m_hWnd));
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ("Ready", WindowText(status.m_hWnd));
}

TEST_F(FrameTest, DestroyingTheMainFrameEndsTheMessageLoop)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    AfxGetThread()->m_pMainWnd = pFrame;

    pFrame->SendMessage(WM_CLOSE);

    EXPECT_FALSE(::IsWindow(m_hWndFrame));
    EXPECT_EQ(nullptr, AfxGetThread()->m_pMainWnd);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
}

TEST_F(FrameTest, AnotherFramesEndLeavesTheMessageLoopRunning)
{
    TestFrame* pFrame = LoadTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(m_hWndFrame));
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
}
} // namespace
