// The control bar's places in the registry.

#include "docking/CVrxPControlBar.h"

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPBuildRegistryPath.h"

#include <memory>

namespace
{
const char kId[] = "ID";
const char kRectRecentFloat[] = "RectRecentFloat";
const char kRectRecentDocked[] = "RectRecentDocked";
const char kRecentFrameAlignment[] = "RecentFrameAlignment";
const char kRecentRowIndex[] = "RecentRowIndex";
const char kIsFloating[] = "IsFloating";
const char kMruWidth[] = "MRUWidth";
const char kPinState[] = "PinState";

// A dock bar never holds that many rows; a larger index would make the
// restore add rows without end.
const int kMaxRowIndex = 100;

// The values as read, applied together once all of them were accepted.
struct StoredPlace
{
    CRect floatRect;
    CRect dockedRect;
    int alignment = 0;
    int rowIndex = 0;
    int floating = 0;
    int mruWidth = 0;
    int pinState = 0;
};

enum class Read
{
    missing,
    accepted,
    damaged
};

Read ReadNumber(CVrxPRegistry& registry, LPCTSTR lpszName, int& nValue, int nLow, int nHigh)
{
    if (!registry.ValueExists(lpszName))
        return Read::missing;
    int nRead = 0;
    if (!registry.ReadInt(lpszName, nRead) || nRead < nLow || nRead > nHigh)
        return Read::damaged;
    nValue = nRead;
    return Read::accepted;
}

// Exactly the 16 bytes of a rectangle, its edges in order.
Read ReadRectangle(CVrxPRegistry& registry, LPCTSTR lpszName, CRect& rect)
{
    if (!registry.ValueExists(lpszName))
        return Read::missing;
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.ReadBinary(lpszName, pData, nSize))
        return Read::damaged;
    std::unique_ptr<BYTE[]> data(pData);
    LONG edges[4];
    if (nSize != sizeof(edges))
        return Read::damaged;
    for (int i = 0; i < 4; i++)
        edges[i] = static_cast<LONG>(static_cast<DWORD>(pData[4 * i]) | static_cast<DWORD>(pData[4 * i + 1]) << 8 |
                                     static_cast<DWORD>(pData[4 * i + 2]) << 16 |
                                     static_cast<DWORD>(pData[4 * i + 3]) << 24);
    if (edges[0] > edges[2] || edges[1] > edges[3])
        return Read::damaged;
    rect.SetRect(edges[0], edges[1], edges[2], edges[3]);
    return Read::accepted;
}

BOOL IsOneSide(int nAlignment)
{
    return nAlignment == CBRS_ALIGN_LEFT || nAlignment == CBRS_ALIGN_TOP || nAlignment == CBRS_ALIGN_RIGHT ||
           nAlignment == CBRS_ALIGN_BOTTOM;
}
} // namespace

CString CVrxPControlBar::BuildKeyPath(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const
{
    const CString path = VrxPBuildRegistryPath(barsSection, lpszProfileName);
    const int nId = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    CString key;
    if (nSubIndex == -1)
        key.Format(barKeyFormat, (LPCTSTR)path, nId);
    else
        key.Format(barSubKeyFormat, (LPCTSTR)path, nId, nSubIndex);
    return key;
}

BOOL CVrxPControlBar::StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    BOOL bWritten = FALSE;
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        if (registry.MakeKey(BuildKeyPath(lpszProfileName, nIndex, nSubIndex)))
        {
            const BOOL bFloating = IsFloatingInMiniFrame();
            if (bFloating)
            {
                FindMiniFrameParent()->GetWindowRect(&history.recentFloatRect);
            }
            else
            {
                RememberDockedRect();
                if (dockSite != nullptr)
                {
                    history.recentAlignment = dockSite->GetAlignment();
                    history.recentRowIndex = dockSite->RowIndexOf(dockRow);
                }
            }
            bWritten = registry.WriteInt(kId, controlId) &&
                       registry.WriteRect(kRectRecentFloat, history.recentFloatRect) &&
                       registry.WriteRect(kRectRecentDocked, history.recentDockedRect) &&
                       registry.WriteInt(kRecentFrameAlignment, static_cast<int>(history.recentAlignment)) &&
                       registry.WriteInt(kRecentRowIndex, history.recentRowIndex) &&
                       registry.WriteInt(kIsFloating, bFloating ? 1 : 0) && registry.WriteInt(kMruWidth, mruWidth) &&
                       registry.WriteInt(kPinState, pinState);
        }
    }
    const BOOL bBaseWritten = CVrxPBaseControlBar::StoreToRegistry(lpszProfileName, nIndex, nSubIndex);
    return bWritten && bBaseWritten;
}

// A missing value leaves its member as it was. A value that is present but
// damaged or foreign (wrong size, another bar's id, a side that is none,
// a row index no dock bar reaches) refuses the whole record: nothing of it
// is taken.
BOOL CVrxPControlBar::RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    const int nKeyId = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    StoredPlace place;
    place.floatRect = history.recentFloatRect;
    place.dockedRect = restoredDockedRect;
    place.alignment = static_cast<int>(history.recentAlignment);
    place.rowIndex = history.recentRowIndex;
    place.floating = restoredFloating;
    place.mruWidth = mruWidth;
    place.pinState = pinState;
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        if (!registry.OpenKey(BuildKeyPath(lpszProfileName, nIndex, nSubIndex)))
            return FALSE;
        int nStoredId = nKeyId;
        const Read reads[] = {
            ReadNumber(registry, kId, nStoredId, nKeyId, nKeyId),
            ReadRectangle(registry, kRectRecentFloat, place.floatRect),
            ReadRectangle(registry, kRectRecentDocked, place.dockedRect),
            ReadNumber(registry, kRecentFrameAlignment, place.alignment, CBRS_ALIGN_LEFT, CBRS_ALIGN_BOTTOM),
            ReadNumber(registry, kRecentRowIndex, place.rowIndex, 0, kMaxRowIndex),
            ReadNumber(registry, kIsFloating, place.floating, 0, 1),
            ReadNumber(registry, kMruWidth, place.mruWidth, 0, noMruWidth),
            ReadNumber(registry, kPinState, place.pinState, 0, 1),
        };
        for (Read read : reads)
            if (read == Read::damaged)
                return FALSE;
        if (!IsOneSide(place.alignment))
            return FALSE;
    }
    if (!CVrxPBaseControlBar::RestoreFromRegistry(lpszProfileName, nIndex, nSubIndex))
        return FALSE;
    history.recentFloatRect = place.floatRect;
    restoredDockedRect = place.dockedRect;
    history.recentDockedRect = place.dockedRect;
    history.recentAlignment = static_cast<DWORD>(place.alignment);
    history.recentRowIndex = place.rowIndex;
    restoredFloating = place.floating;
    mruWidth = place.mruWidth;
    pinState = place.pinState;
    return TRUE;
}
