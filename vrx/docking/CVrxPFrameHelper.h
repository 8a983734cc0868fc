#pragma once

// The helper embedded in every library frame window.

#include "core/Platform.h"

class CFrameWnd;

class CVrxPFrameHelper
{
public:
    explicit CVrxPFrameHelper(CFrameWnd* pFrame = nullptr) : frameWindow(pFrame) {}

    // Hands the frame's normal position (screen coordinates), its placement
    // flags and its show command (maximised, else normal) to the workspace.
    void StoreFramePlacement();

    CFrameWnd* frameWindow;
};
