#pragma once

// Framework-internal: what the window layer keeps per thread.

#include "core/Platform.h"

#include <commctrl.h>

class CWnd;

struct ThreadWindowState
{
    // The object the next window creation attaches, the class of the window
    // expected (0: any), and the hook doing it.
    CWnd* pWndInit = nullptr;
    ATOM atomClassInit = 0;
    HHOOK hHookCreate = NULL;
    // The message the window procedure is handling now (Default uses it).
    MSG msgCurrent = {};
    // Framework tooltips: the tip control, the window whose tool it shows
    // and that tool's id (-1: none).
    HWND hWndToolTip = NULL;
    HWND hWndLastHit = NULL;
    INT_PTR nLastHit = -1;
    TOOLINFO lastInfo = {};
};

ThreadWindowState& AfxGetThreadWindowState();
