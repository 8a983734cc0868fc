#include "foundation/CVrxPRebarStateStore.h"

#include "docking/CVrxPReBar.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPSectionNames.h"

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
const UINT queriedMask = 0xB71;

// A band as stored: REBARBANDINFO as a 32-bit process lays it out, so both
// builds read and write the same bytes. Handles, texts and the band's
// parameter are not stored and stay zero.
struct StoredBand
{
    uint32_t cbSize, fMask, fStyle, clrFore, clrBack, lpText, cch;
    int32_t iImage;
    uint32_t hwndChild, cxMinChild, cyMinChild, cx, hbmBack, wID, cyChild, cyMaxChild, cyIntegral, cxIdeal,
        lParam, cxHeader;
};
static_assert(sizeof(StoredBand) == 80, "stored band records are 80 bytes");

StoredBand ToStored(const REBARBANDINFOA& band)
{
    StoredBand stored = {};
    stored.cbSize = sizeof(StoredBand);
    stored.fMask = band.fMask;
    stored.fStyle = band.fStyle;
    stored.clrFore = band.clrFore;
    stored.clrBack = band.clrBack;
    stored.cch = band.cch;
    stored.iImage = band.iImage;
    stored.cxMinChild = band.cxMinChild;
    stored.cyMinChild = band.cyMinChild;
    stored.cx = band.cx;
    stored.wID = band.wID;
    stored.cyChild = band.cyChild;
    stored.cyMaxChild = band.cyMaxChild;
    stored.cyIntegral = band.cyIntegral;
    stored.cxIdeal = band.cxIdeal;
    stored.cxHeader = band.cxHeader;
    return stored;
}

REBARBANDINFOA FromStored(const StoredBand& stored)
{
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = stored.fMask;
    band.fStyle = stored.fStyle;
    band.clrFore = stored.clrFore;
    band.clrBack = stored.clrBack;
    band.cch = stored.cch;
    band.iImage = stored.iImage;
    band.cxMinChild = stored.cxMinChild;
    band.cyMinChild = stored.cyMinChild;
    band.cx = stored.cx;
    band.wID = stored.wID;
    band.cyChild = stored.cyChild;
    band.cyMaxChild = stored.cyMaxChild;
    band.cyIntegral = stored.cyIntegral;
    band.cxIdeal = stored.cxIdeal;
    band.cxHeader = stored.cxHeader;
    return band;
}

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
    std::vector<StoredBand> bands(nBands);
    std::vector<DWORD> ids(nBands);
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFOA band = {};
        band.cbSize = sizeof(band);
        band.fMask = queriedMask;
        SendMessage(hRebar, RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
        if (band.fStyle & RBBS_FIXEDSIZE)
            band.cxMinChild += CVrxPRebarStateStore::fixedSizeAllowance;
        ids[i] = band.hwndChild != NULL ? static_cast<DWORD>(GetWindowLongPtr(band.hwndChild, GWL_ID)) : 0;
        band.fMask = CVrxPRebarStateStore::storedMask;
        bands[i] = ToStored(band);
    }
    registry.WriteBinary(VrxPValueRebarBands, reinterpret_cast<const BYTE*>(bands.data()),
                         nBands * sizeof(StoredBand));
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
    if (nBands == 0 || nBandBytes != nBands * sizeof(StoredBand) ||
        static_cast<UINT>(SendMessage(hRebar, RB_GETBANDCOUNT, 0, 0)) != nBands)
        return TRUE;
    std::vector<StoredBand> stored(nBands);
    std::memcpy(stored.data(), pBands, nBandBytes);
    const DWORD* pStoredIds = reinterpret_cast<const DWORD*>(pIds);
    for (UINT j = 0; j < nBands; j++)
    {
        for (UINT i = j; i < nBands; i++)
        {
            if (static_cast<DWORD>(ChildId(hRebar, i)) != pStoredIds[j])
                continue;
            if (i != j)
                SendMessage(hRebar, RB_MOVEBAND, i, j);
            REBARBANDINFOA band = FromStored(stored[j]);
            band.fMask &= CVrxPRebarStateStore::storedMask;
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
