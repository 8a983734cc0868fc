// The control bar's places in the registry.

#include "docking/CVrxPControlBar.h"

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/CVrxPStoredBarRecord.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPBuildRegistryPath.h"

static_assert(CVrxPStoredBarRecord::noMruWidth == CVrxPControlBar::noMruWidth, "one width stands for none");
static_assert(CVrxPStoredBarRecord::alignLeft == CBRS_ALIGN_LEFT && CVrxPStoredBarRecord::alignTop == CBRS_ALIGN_TOP &&
                  CVrxPStoredBarRecord::alignRight == CBRS_ALIGN_RIGHT &&
                  CVrxPStoredBarRecord::alignBottom == CBRS_ALIGN_BOTTOM,
              "stored sides are the bar styles' sides");

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
            const CVrxPStoredBarRecord::Place place = {history.recentFloatRect,
                                                       history.recentDockedRect,
                                                       static_cast<int>(history.recentAlignment),
                                                       history.recentRowIndex,
                                                       bFloating ? 1 : 0,
                                                       mruWidth,
                                                       pinState};
            bWritten = TRUE;
            for (int i = 0; i < CVrxPStoredBarRecord::valueCount && bWritten; i++)
                bWritten = WriteStoredValue(registry, CVrxPStoredBarRecord::valueNames[i],
                                            CVrxPStoredBarRecord::ValueBytes(static_cast<CVrxPStoredBarRecord::Value>(i),
                                                                             controlId, place));
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
    CVrxPStoredBarRecord::Place place = {history.recentFloatRect,
                                         restoredDockedRect,
                                         static_cast<int>(history.recentAlignment),
                                         history.recentRowIndex,
                                         restoredFloating,
                                         mruWidth,
                                         pinState};
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        if (!registry.OpenKey(BuildKeyPath(lpszProfileName, nIndex, nSubIndex)))
            return FALSE;
        CVrxPStoredBarRecord::Stored values[CVrxPStoredBarRecord::valueCount];
        for (int i = 0; i < CVrxPStoredBarRecord::valueCount; i++)
            if (!ReadStoredValue(registry, CVrxPStoredBarRecord::valueNames[i], values[i]))
                return FALSE;
        if (!CVrxPStoredBarRecord::Read(values, nKeyId, place))
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
