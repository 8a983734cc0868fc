#include "foundation/CVrxPRebarStateStore.h"

#include "docking/CVrxPReBar.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPSectionNames.h"

#include <commctrl.h>

#include <memory>
#include <vector>

static_assert(sizeof(REBARBANDINFOA) == 80, "stored band records are 80 bytes");

namespace
{
const UINT queriedMask = 0xB71;

struct Enumeration
{
    CString profile;
    BOOL bStoring;
    BOOL bResult;
};

CString RebarKey(const CString& profile, HWND hRebar)
{
    CString key;
    key.Format(VrxPSectionRebarFormat, static_cast<long>(GetWindowLongPtr(hRebar, GWL_ID)));
    return profile + key;
}

int ChildId(HWND hRebar, UINT nBand)
{
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD;
    if (!SendMessage(hRebar, RB_GETBANDINFOA, nBand, reinterpret_cast<LPARAM>(&band)) || band.hwndChild == NULL)
        return 0;
    return static_cast<int>(GetWindowLongPtr(band.hwndChild, GWL_ID));
}

BOOL StoreRebar(const CString& profile, HWND hRebar)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(RebarKey(profile, hRebar)))
        return FALSE;
    const UINT nBands = static_cast<UINT>(SendMessage(hRebar, RB_GETBANDCOUNT, 0, 0));
    if (nBands == 0)
        return TRUE;
    std::vector<REBARBANDINFOA> bands(nBands);
    std::vector<DWORD> ids(nBands);
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFOA& band = bands[i];
        band.cbSize = sizeof(band);
        band.fMask = queriedMask;
        SendMessage(hRebar, RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
        if (band.fStyle & RBBS_FIXEDSIZE)
            band.cxMinChild += CVrxPRebarStateStore::fixedSizeAllowance;
        ids[i] = band.hwndChild != NULL ? static_cast<DWORD>(GetWindowLongPtr(band.hwndChild, GWL_ID)) : 0;
        band.hwndChild = NULL;
        band.fMask = CVrxPRebarStateStore::storedMask;
    }
    registry.WriteBinary(VrxPValueRebarBands, reinterpret_cast<const BYTE*>(bands.data()),
                         nBands * sizeof(REBARBANDINFOA));
    registry.WriteBinary(VrxPValueRebarIds, reinterpret_cast<const BYTE*>(ids.data()), nBands * sizeof(DWORD));
    return TRUE;
}

// A stored layout whose records do not match its ids, or whose band count is
// not the rebar's, leaves the rebar as it is. The allowance a fixed-size band
// was stored with is taken off again, so that it does not grow with every
// store.
BOOL RestoreRebar(const CString& profile, HWND hRebar)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(RebarKey(profile, hRebar)))
        return FALSE;
    BYTE* pBands = nullptr;
    BYTE* pIds = nullptr;
    UINT nBandBytes = 0;
    UINT nIdBytes = 0;
    if (!registry.ReadBinary(VrxPValueRebarBands, pBands, nBandBytes))
        return TRUE;
    std::unique_ptr<BYTE[]> bandData(pBands);
    if (!registry.ReadBinary(VrxPValueRebarIds, pIds, nIdBytes))
        return TRUE;
    std::unique_ptr<BYTE[]> idData(pIds);
    const UINT nBands = nIdBytes / sizeof(DWORD);
    if (nBands == 0 || nBandBytes != nBands * sizeof(REBARBANDINFOA) ||
        static_cast<UINT>(SendMessage(hRebar, RB_GETBANDCOUNT, 0, 0)) != nBands)
        return TRUE;
    const REBARBANDINFOA* pStored = reinterpret_cast<const REBARBANDINFOA*>(pBands);
    const DWORD* pStoredIds = reinterpret_cast<const DWORD*>(pIds);
    for (UINT j = 0; j < nBands; j++)
    {
        for (UINT i = j; i < nBands; i++)
        {
            if (static_cast<DWORD>(ChildId(hRebar, i)) != pStoredIds[j])
                continue;
            if (i != j)
                SendMessage(hRebar, RB_MOVEBAND, i, j);
            REBARBANDINFOA band = pStored[j];
            band.cbSize = sizeof(band);
            band.fMask &= CVrxPRebarStateStore::storedMask;
            band.hwndChild = NULL;
            if (band.fStyle & RBBS_FIXEDSIZE)
                band.cxMinChild -= CVrxPRebarStateStore::fixedSizeAllowance;
            SendMessage(hRebar, RB_SETBANDINFOA, j, reinterpret_cast<LPARAM>(&band));
            break;
        }
    }
    return TRUE;
}

BOOL CALLBACK VisitChild(HWND hWnd, LPARAM lParam)
{
    Enumeration& enumeration = *reinterpret_cast<Enumeration*>(lParam);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CVrxPReBar)))
        return TRUE;
    enumeration.bResult = enumeration.bStoring ? StoreRebar(enumeration.profile, hWnd)
                                               : RestoreRebar(enumeration.profile, hWnd);
    return enumeration.bResult;
}
} // namespace

BOOL CVrxPRebarStateStore::StoreRebars(LPCTSTR lpszProfile, CWnd* pFrame)
{
    Enumeration enumeration{lpszProfile, TRUE, TRUE};
    EnumChildWindows(pFrame->GetSafeHwnd(), &VisitChild, reinterpret_cast<LPARAM>(&enumeration));
    return enumeration.bResult;
}

void CVrxPRebarStateStore::RestoreRebars(LPCTSTR lpszProfile, CWnd* pFrame)
{
    Enumeration enumeration{lpszProfile, FALSE, TRUE};
    EnumChildWindows(pFrame->GetSafeHwnd(), &VisitChild, reinterpret_cast<LPARAM>(&enumeration));
}
