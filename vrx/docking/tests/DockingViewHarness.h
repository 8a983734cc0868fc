#pragma once

// What the docking views share: their frame, a pause that lets the virtual
// desktop show and raise windows, and the program's start with the picture
// it keeps.

#include "docking/tests/DockingTestBars.h"

#include "ScreenPicture.h"

#include <gtest/gtest.h>

#include <string>

class DockingViewHarness
{
public:
    // The path the picture is saved to.
    static std::string& Shot()
    {
        static std::string shot;
        return shot;
    }

    // The desktop shows windows, and moves the active one up, a moment after
    // they are made or activated.
    static void LetTheDesktopCatchUp()
    {
        for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 500;)
        {
            MSG msg;
            while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
                ::DispatchMessage(&msg);
            ::Sleep(20);
        }
    }

    // An 800 x 600 frame, still hidden, that docks on every side.
    static BOOL OpenFrame(DockingTestFrame& frame, LPCTSTR lpszTitle)
    {
        if (!frame.Create(nullptr, lpszTitle, WS_OVERLAPPEDWINDOW, CRect(20, 20, 820, 620)))
            return FALSE;
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        return TRUE;
    }

    static int Run(int argc, char** argv, const char* lpszDefaultShot)
    {
        Shot() = windriver::shot_path(argc, argv, lpszDefaultShot);
        ::testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
};
