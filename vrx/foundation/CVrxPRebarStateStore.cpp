#include "foundation/CVrxPRebarStateStore.h"

#include "docking/CVrxPReBar.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPStoredRebarLayout.h"
#include "foundation/VrxPSectionNames.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace
{
const UINT queriedMask = 0xB71;
static_assert(CVrxPStoredRebarLayout::fixedSizeStyle == RBBS_FIXEDSIZE, "the layout knows fixed-size bands");

VrxPStoredBand ToStored(const REBARBANDINFOA& band)
{
    VrxPStoredBand stored = {};
    stored.cbSize = sizeof(VrxPStoredBand);
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

REBARBANDINFOA FromStored(const VrxPStoredBand& stored)
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
    std::vector<VrxPStoredBand> bands(nBands);
    std::vector<DWORD> ids(nBands);
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFOA band = {};
        band.cbSize = sizeof(band);
        band.fMask = queriedMask;
        SendMessage(hRebar, RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
        if (band.fStyle & RBBS_FIXEDSIZE)
            band.cxMinChild += CVrxPStoredRebarLayout::fixedSizeAllowance;
        ids[i] = band.hwndChild != NULL ? static_cast<DWORD>(GetWindowLongPtr(band.hwndChild, GWL_ID)) : 0;
        band.fMask = CVrxPStoredRebarLayout::storedMask;
        bands[i] = ToStored(band);
    }
    registry.WriteBinary(VrxPValueRebarBands, reinterpret_cast<const BYTE*>(bands.data()),
                         nBands * sizeof(VrxPStoredBand));
    registry.WriteBinary(VrxPValueRebarIds, reinterpret_cast<const BYTE*>(ids.data()), nBands * sizeof(DWORD));
    return TRUE;
}

// A stored layout whose records do not match its ids, or whose band count is
// not the rebar's, leaves the rebar as it is.
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
    CVrxPStoredRebarLayout layout;
    if (!layout.Read(pBands, nBandBytes, pIds, nIdBytes))
        return TRUE;
    const UINT nBands = static_cast<UINT>(SendMessage(hRebar, RB_GETBANDCOUNT, 0, 0));
    std::vector<uint32_t> currentIds(nBands);
    for (UINT i = 0; i < nBands; i++)
        currentIds[i] = static_cast<uint32_t>(ChildId(hRebar, i));
    for (const CVrxPStoredRebarLayout::Step& step : layout.PlanRestore(currentIds))
    {
        if (step.nFrom != step.nTo)
            SendMessage(hRebar, RB_MOVEBAND, step.nFrom, step.nTo);
        REBARBANDINFOA band = FromStored(layout.RestoredBand(step.nTo));
        SendMessage(hRebar, RB_SETBANDINFOA, step.nTo, reinterpret_cast<LPARAM>(&band));
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
