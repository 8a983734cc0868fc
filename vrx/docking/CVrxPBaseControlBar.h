#pragma once

// The root of the library's bars, in its first form: what the looks read
// of a bar to draw its border, gripper and separators. The bars of today
// (toolbars, docking panes) do not derive from it yet; the bar classes
// that do come with the docking work.

#include "windows/CWnd.h"

class CVrxPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CVrxPBaseControlBar)
public:
    // Border bits beside the alignment bits of the bar style.
    static constexpr DWORD borderLeft = 0x100;
    static constexpr DWORD borderTop = 0x200;
    static constexpr DWORD borderRight = 0x400;
    static constexpr DWORD borderBottom = 0x800;
    static constexpr DWORD borderAny = 0xF00;

    CVrxPBaseControlBar() = default;

    virtual DWORD GetBarStyle() const { return barStyle; }
    virtual BOOL CanFloat() const { return TRUE; }
    virtual BOOL IsFloatingInMiniFrame() const { return FALSE; }
    // The alignment bits (0x1000 left, 0x2000 top, 0x4000 right, 0x8000
    // bottom) of the bar's place.
    virtual DWORD GetAlignment() const { return barStyle & 0xF000; }

    DWORD barStyle = 0;
    // The bar sits in a dialog: it draws in the button colours.
    BOOL dialogParent = FALSE;
};
