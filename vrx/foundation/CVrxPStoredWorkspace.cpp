#include "foundation/CVrxPStoredWorkspace.h"

#include "foundation/CVrxPArchivedValue.h"

#include <cstring>

int CVrxPStoredWorkspace::PackVersion(int nMajor, int nMinor)
{
    if (nMajor == -1 || nMinor == -1)
        return -1;
    const int nMinorPart = nMinor < 10 ? nMinor << 8 : ((nMinor / 10) << 8) + ((nMinor % 10) << 4);
    return (nMajor << 16) + nMinorPart;
}

BOOL CVrxPStoredWorkspace::ReadNumber(const BYTE* pData, UINT nSize, DWORD& dwNumber)
{
    if (nSize != sizeof(DWORD))
        return FALSE;
    std::memcpy(&dwNumber, pData, sizeof(DWORD));
    return TRUE;
}

BOOL CVrxPStoredWorkspace::ReadVersionNumber(const BYTE* pData, UINT nSize, int nMax, int& nNumber)
{
    DWORD dwNumber;
    if (!ReadNumber(pData, nSize, dwNumber) || dwNumber > static_cast<DWORD>(nMax))
        return FALSE;
    nNumber = static_cast<int>(dwNumber);
    return TRUE;
}

BOOL CVrxPStoredWorkspace::ReadPlacement(const BYTE* pRect, UINT nRectSize, const BYTE* pFlags, UINT nFlagsSize,
                                         const BYTE* pShowCmd, UINT nShowCmdSize, Placement& placement)
{
    RECT rect;
    DWORD dwFlags;
    DWORD dwShowCmd;
    if (!CVrxPArchivedValue::LoadRect(pRect, nRectSize, rect) || nRectSize != sizeof(RECT) ||
        !ReadNumber(pFlags, nFlagsSize, dwFlags) || !ReadNumber(pShowCmd, nShowCmdSize, dwShowCmd))
        return FALSE;
    if (rect.right < rect.left || rect.bottom < rect.top || (dwFlags & ~placementFlags) != 0 ||
        (dwShowCmd != showNormal && dwShowCmd != showMaximized))
        return FALSE;
    placement.rect = rect;
    placement.flags = dwFlags;
    placement.showCmd = dwShowCmd;
    return TRUE;
}
