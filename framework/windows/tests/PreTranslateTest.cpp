#include "app/CWinApp.h"
#include "app/CWindowLayer.h"
#include "windows/CWnd.h"

#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Logs the messages offered to it and takes those it is told to.
class TranslatingWnd : public CWnd
{
public:
    TranslatingWnd(const char* pszName, Log* pLog) : m_pszName(pszName), m_pLog(pLog) {}

    UINT m_nMessageTaken = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        m_pLog->push_back(m_pszName);
        return pMsg->wParam == m_nMessageTaken;
    }

private:
    const char* m_pszName;
    Log* m_pLog;
};

class PreTranslateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_top.CreateEx(0, NULL, "top", WS_POPUP, 0, 0, 200, 200, NULL, NULL));
        ASSERT_TRUE(m_middle.Create(NULL, "middle", WS_VISIBLE, CRect(0, 0, 100, 100), &m_top, 1));
        ASSERT_TRUE(m_leaf.Create("EDIT", "leaf", WS_VISIBLE, CRect(0, 0, 50, 20), &m_middle, 2));
    }

    void TearDown() override { m_top.DestroyWindow(); }

    MSG KeyDown(WPARAM nKey)
    {
        MSG msg = {};
        msg.hwnd = m_leaf.m_hWnd;
        msg.message = WM_KEYDOWN;
        msg.wParam = nKey;
        return msg;
    }

    Log m_log;
    TranslatingWnd m_top{"top", &m_log};
    TranslatingWnd m_middle{"middle", &m_log};
    TranslatingWnd m_leaf{"leaf", &m_log};
};

TEST_F(PreTranslateTest, TheWalkGoesUpFromTheMessagesWindowUntilOneTakesIt)
{
    struct Case
    {
        WPARAM nKey;
        HWND hWndStop;
        Log expected;
        BOOL bTaken;
    } cases[] = {
        {'A', NULL, {"leaf", "middle", "top"}, FALSE},
        {'A', m_top.m_hWnd, {"leaf", "middle", "top"}, FALSE},
        {'A', m_middle.m_hWnd, {"leaf", "middle"}, FALSE},
        {'M', NULL, {"leaf", "middle"}, TRUE},
        {'L', NULL, {"leaf"}, TRUE},
    };
    m_leaf.m_nMessageTaken = 'L';
    m_middle.m_nMessageTaken = 'M';
    for (const Case& c : cases)
    {
        m_log.clear();
        MSG msg = KeyDown(c.nKey);
        EXPECT_EQ(c.bTaken, AfxWalkPreTranslateTree(c.hWndStop, &msg)) << static_cast<char>(c.nKey);
        EXPECT_EQ(c.expected, m_log) << static_cast<char>(c.nKey);
    }
}

TEST_F(PreTranslateTest, TheThreadsLoopWalksUpToItsMainWindow)
{
    CWindowLayer* pLayer = AfxGetWindowLayer();
    ASSERT_NE(nullptr, pLayer);
    MSG msg = KeyDown('A');
    EXPECT_FALSE(pLayer->WalkPreTranslateTree(&m_middle, &msg));
    EXPECT_EQ((Log{"leaf", "middle"}), m_log);
}

// Throws from its pre-translation, which runs outside any window procedure.
class ThrowingTranslatorWnd : public CWnd
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            throw std::runtime_error("translator broke");
        return FALSE;
    }
};

TEST(PreTranslateBoundary, AFailingTranslatorIsReportedAndTheMessageGoesOn)
{
    ThrowingTranslatorWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "throwing", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    CString strShown;
    ModalDriver driver({[&] {
        HWND hWndBox = FindMessageBox();
        if (hWndBox == NULL)
            return false;
        strShown = MessageBoxText(hWndBox);
        PressButton(hWndBox, IDOK);
        return true;
    }});
    MSG msg = {};
    msg.hwnd = wnd.m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = 'K';
    EXPECT_FALSE(AfxGetWindowLayer()->WalkPreTranslateTree(&wnd, &msg));
    EXPECT_NE(-1, strShown.Find("translator broke")) << static_cast<LPCTSTR>(strShown);
    wnd.DestroyWindow();
}

// Ends its modal loop on the third idle call, and reports the keys its
// pre-translation saw.
class IdleCountingWnd : public CWnd
{
public:
    std::vector<LPARAM> m_idleCounts;
    std::vector<WPARAM> m_keysSeen;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            m_keysSeen.push_back(pMsg->wParam);
        return FALSE;
    }

protected:
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM lCount)
    {
        m_idleCounts.push_back(lCount);
        if (lCount == 2)
            EndModalLoop(42);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(IdleCountingWnd, CWnd)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST(ModalLoop, RunsPreTranslationAndIdleUntilEndModalLoop)
{
    IdleCountingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "modal", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    wnd.PostMessage(WM_KEYDOWN, 'Q', 0);
    EXPECT_EQ(42, wnd.RunModalLoop(MLF_SHOWONIDLE));
    EXPECT_EQ((std::vector<LPARAM>{0, 1, 2}), wnd.m_idleCounts);
    EXPECT_EQ((std::vector<WPARAM>{'Q'}), wnd.m_keysSeen);
    EXPECT_TRUE(wnd.IsWindowVisible());
    EXPECT_FALSE(wnd.m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL));
    wnd.DestroyWindow();
}

TEST(ModalLoop, AQuitMessageEndsTheLoopAndIsPostedAgain)
{
    IdleCountingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "modal", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    ::PostQuitMessage(3);
    EXPECT_EQ(-1, wnd.RunModalLoop(MLF_NOKICKIDLE));
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
    wnd.DestroyWindow();
}

// Records the idle updates it gets, and whether it is a frame.
class UpdatedWnd : public CWnd
{
public:
    UpdatedWnd(const char* pszName, Log* pLog, BOOL bFrame) : m_pszName(pszName), m_pLog(pLog), m_bFrame(bFrame) {}

    BOOL IsFrameWnd() const override { return m_bFrame; }

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        m_pLog->push_back(std::string(m_pszName) + (wParam ? " disable" : ""));
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    const char* m_pszName;
    Log* m_pLog;
    BOOL m_bFrame;
};

BEGIN_MESSAGE_MAP(UpdatedWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class IdleTestApp : public CWinApp
{
public:
    IdleTestApp() : CWinApp("idle test") {}
};

TEST(IdleUpdate, GoesToTheMainWindowItsDescendantsAndTheOtherFrames)
{
    Log log;
    UpdatedWnd main("main", &log, TRUE);
    UpdatedWnd child("child", &log, FALSE);
    UpdatedWnd grandchild("grandchild", &log, FALSE);
    UpdatedWnd floating("floating frame", &log, TRUE);
    UpdatedWnd tool("tool window", &log, FALSE);
    UpdatedWnd hidden("hidden frame", &log, TRUE);
    ASSERT_TRUE(main.CreateEx(0, NULL, "main", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL));
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 50, 50), &main, 1));
    ASSERT_TRUE(grandchild.Create(NULL, "grandchild", WS_VISIBLE, CRect(0, 0, 20, 20), &child, 2));
    ASSERT_TRUE(floating.CreateEx(0, NULL, "floating", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, main.m_hWnd, NULL));
    ASSERT_TRUE(tool.CreateEx(0, NULL, "tool", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, main.m_hWnd, NULL));
    ASSERT_TRUE(hidden.CreateEx(0, NULL, "hidden", WS_POPUP, 0, 0, 10, 10, NULL, NULL));

    IdleTestApp app;
    app.m_pMainWnd = &main;
    EXPECT_TRUE(app.OnIdle(0));
    std::sort(log.begin(), log.end());
    EXPECT_EQ((Log{"child disable", "floating frame disable", "grandchild disable", "main disable"}), log);

    app.m_pMainWnd = nullptr;
    for (CWnd* pWnd : {static_cast<CWnd*>(&hidden), static_cast<CWnd*>(&tool), static_cast<CWnd*>(&floating),
                       static_cast<CWnd*>(&main)})
        pWnd->DestroyWindow();
}
} // namespace
