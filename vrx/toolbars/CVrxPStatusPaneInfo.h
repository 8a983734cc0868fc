#pragma once

#include "core/Platform.h"

// What the looks read of one status-bar pane.
struct CVrxPStatusPaneInfo
{
    static constexpr UINT styleNoBorders = 0x100;
    static constexpr UINT stylePopOut = 0x200;
    static constexpr UINT styleDisabled = 0x4000000;

    UINT style = 0;
    // -1: the button text colour.
    COLORREF textColor = static_cast<COLORREF>(-1);
};
