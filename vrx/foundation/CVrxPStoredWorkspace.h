#pragma once

// The workspace's own stored values, read without the registry: the version
// of the stored state ("Major", "Minor") and the main window's placement
// ("MainWindowRect", "Flags", "ShowCmd"). A number value is 4 bytes of any
// registry type. The workspace writes version 9.40, placement flags from
// the system (WPF_SETMINPOSITION, WPF_RESTORETOMAXIMIZED), show command
// SW_SHOWNORMAL or SW_SHOWMAXIMIZED and a rectangle of the frame's normal
// position; other values are refused, so a damaged one can neither hide the
// frame nor make the packed version overflow.

#include "core/Platform.h"

class CVrxPStoredWorkspace
{
public:
    // Stored version numbers in the range the packed form has room for.
    static constexpr int maxMajor = 0x7FFF;
    static constexpr int maxMinor = 99;
    static constexpr UINT placementFlags = 0x0003;
    static constexpr UINT showNormal = 1;
    static constexpr UINT showMaximized = 3;

    struct Placement
    {
        RECT rect;
        UINT flags;
        UINT showCmd;
    };

    // -1 when either number is -1; else the major number in the high word,
    // the minor's tens and units in the next two nibbles (one digit: the
    // upper nibble).
    static int PackVersion(int nMajor, int nMinor);
    // FALSE, leaving nNumber, unless the value is a number from 0 to nMax.
    static BOOL ReadVersionNumber(const BYTE* pData, UINT nSize, int nMax, int& nNumber);
    // FALSE, leaving the placement, unless all three values are as the
    // workspace writes them.
    static BOOL ReadPlacement(const BYTE* pRect, UINT nRectSize, const BYTE* pFlags, UINT nFlagsSize,
                              const BYTE* pShowCmd, UINT nShowCmdSize, Placement& placement);
    // A number value: exactly 4 bytes.
    static BOOL ReadNumber(const BYTE* pData, UINT nSize, DWORD& dwNumber);
};
