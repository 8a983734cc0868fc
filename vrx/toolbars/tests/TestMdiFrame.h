#pragma once

#include "docking/mdi/CVrxPMDIFrameWnd.h"

#include <vector>

// A library MDI frame that a test owns (it does not delete itself when its
// window goes) and that notes the commands it is sent.
class TestMdiFrame : public CVrxPMDIFrameWnd
{
public:
    // Every command is handled here, so none is disabled for want of a
    // handler when a button is clicked.
    TestMdiFrame() { m_bAutoMenuEnable = FALSE; }

    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    void PostNcDestroy() override {}
};

// Runs the thread's messages that are waiting.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}
