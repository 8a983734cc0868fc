#include "app/AfxRegisterWndClass.h"
#include "app/CWinApp.h"

#include "RecordingWindowLayer.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
MSG MakeMessage(UINT message, LONG x = 0, LONG y = 0)
{
    MSG msg = {};
    msg.message = message;
    msg.pt.x = x;
    msg.pt.y = y;
    return msg;
}

class IdleTestApp : public CWinApp
{
public:
    IdleTestApp() : CWinApp("idle test") {}
};

TEST(CWinThread, IsIdleMessageIgnoresRepeatsAndPaint)
{
    struct Step
    {
        MSG msg;
        BOOL bIdle;
    };
    const Step steps[] = {
        {MakeMessage(WM_MOUSEMOVE, 5, 5), TRUE},
        // The same point again: the mouse did not really move.
        {MakeMessage(WM_MOUSEMOVE, 5, 5), FALSE},
        {MakeMessage(WM_MOUSEMOVE, 6, 5), TRUE},
        // The same point, but a different kind of move.
        {MakeMessage(WM_NCMOUSEMOVE, 6, 5), TRUE},
        {MakeMessage(WM_NCMOUSEMOVE, 6, 5), FALSE},
        {MakeMessage(WM_PAINT), FALSE},
        {MakeMessage(0x0118), FALSE},
        {MakeMessage(WM_KEYDOWN), TRUE},
        {MakeMessage(WM_TIMER), TRUE},
    };
    IdleTestApp app;
    for (const Step& step : steps)
    {
        MSG msg = step.msg;
        EXPECT_EQ(step.bIdle, app.IsIdleMessage(&msg)) << "message " << msg.message << " at " << msg.pt.x;
    }
}

TEST(CWinThread, OnIdleUpdatesFirstThenFreesTemporaries)
{
    RecordingWindowLayer layer;
    IdleTestApp app;

    EXPECT_TRUE(app.OnIdle(0));
    EXPECT_FALSE(app.OnIdle(1));
    EXPECT_FALSE(app.OnIdle(2));
    std::vector<std::string> expected = {"idle-update", "delete-temporaries"};
    EXPECT_EQ(expected, layer.m_calls);
}

TEST(CWinThread, TheApplicationIsTheUserInterfaceThread)
{
    EXPECT_EQ(nullptr, AfxGetApp());
    {
        IdleTestApp app;
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_EQ(&app, AfxGetThread());
        EXPECT_EQ(GetCurrentThreadId(), app.m_nThreadID);

        CWinThread* pWorkerThread = &app;
        CWinApp* pWorkerApp = nullptr;
        std::thread worker([&] {
            pWorkerThread = AfxGetThread();
            pWorkerApp = AfxGetApp();
        });
        worker.join();
        EXPECT_EQ(nullptr, pWorkerThread);
        EXPECT_EQ(&app, pWorkerApp);
    }
    EXPECT_EQ(nullptr, AfxGetApp());
    EXPECT_EQ(nullptr, AfxGetThread());
}

// Messages that reach the test window's procedure.
std::vector<UINT> g_dispatched;

LRESULT CALLBACK RecordingWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP)
        g_dispatched.push_back(message);
    return DefWindowProc(hWnd, message, wParam, lParam);
}

// Posts two messages to a window and then ends the loop from its second
// idle pass with exit code 7.
class PumpTestApp : public CWinApp
{
public:
    PumpTestApp() : CWinApp("pump test") {}

    HWND m_hWnd = NULL;
    std::vector<std::string> m_calls;

    BOOL InitApplication() override
    {
        m_calls.push_back("InitApplication");
        return TRUE;
    }
    BOOL InitInstance() override
    {
        m_calls.push_back("InitInstance");
        PostMessage(m_hWnd, WM_APP + 1, 0, 0);
        PostMessage(m_hWnd, WM_APP + 2, 0, 0);
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        m_calls.push_back("OnIdle " + std::to_string(lCount));
        if (lCount == 1)
            PostQuitMessage(7);
        return CWinApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        m_calls.push_back("ExitInstance");
        return CWinApp::ExitInstance();
    }
};

TEST(CWinThread, RunPumpsPreTranslatesIdlesAndEndsWithTheQuitCode)
{
    WNDCLASS wndClass = {};
    wndClass.lpfnWndProc = RecordingWindowProc;
    wndClass.hInstance = GetModuleHandle(NULL);
    wndClass.lpszClassName = "RecordingWindow";
    ASSERT_TRUE(AfxRegisterClass(&wndClass));
    HWND hWnd = CreateWindow("RecordingWindow", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, GetModuleHandle(NULL), NULL);
    ASSERT_NE(HWND(NULL), hWnd);

    RecordingWindowLayer layer;
    layer.m_messagesTaken = {WM_APP + 1};
    g_dispatched.clear();
    int nExitCode;
    std::vector<std::string> calls;
    {
        PumpTestApp app;
        app.m_hWnd = hWnd;
        nExitCode = AfxWinMain(GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL);
        calls = app.m_calls;
    }
    DestroyWindow(hWnd);

    EXPECT_EQ(7, nExitCode);
    std::vector<std::string> expectedCalls = {"InitApplication", "InitInstance", "OnIdle 0", "OnIdle 1",
                                              "ExitInstance"};
    EXPECT_EQ(expectedCalls, calls);
    // The walk took the first message, so only the second was dispatched.
    EXPECT_EQ(std::vector<UINT>{WM_APP + 2}, g_dispatched);
    std::vector<std::string> expectedLayerCalls = {"walk " + std::to_string(WM_APP + 1),
                                                   "walk " + std::to_string(WM_APP + 2), "idle-update",
                                                   "delete-temporaries"};
    EXPECT_EQ(expectedLayerCalls, layer.m_calls);
}

class FailingApp : public CWinApp
{
public:
    FailingApp() : CWinApp("failing test") {}
    std::vector<std::string> m_calls;

    BOOL InitInstance() override
    {
        m_calls.push_back("InitInstance");
        return FALSE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        m_calls.push_back("OnIdle");
        return CWinApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        m_calls.push_back("ExitInstance");
        return CWinApp::ExitInstance();
    }
};

TEST(AfxWinMain, AFailedInitInstanceSkipsTheLoopButStillExits)
{
    FailingApp app;
    AfxWinMain(GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL);
    std::vector<std::string> expected = {"InitInstance", "ExitInstance"};
    EXPECT_EQ(expected, app.m_calls);
}

TEST(AfxWinMain, WithoutAnApplicationThereIsNothingToRun)
{
    EXPECT_EQ(-1, AfxWinMain(GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL));
}
} // namespace
