#pragma once

// A rebar's stored band layout as the registry holds it ("RBI": one 80-byte
// record per band, REBARBANDINFO as a 32-bit process lays it out; "IDs": the
// 32-bit control id of each band's child), and the steps that bring a
// rebar's bands back into it. No window is touched here.

#include <cstddef>
#include <cstdint>
#include <vector>

// Handles, texts and the band's parameter are never stored and stay zero.
struct VrxPStoredBand
{
    uint32_t cbSize, fMask, fStyle, clrFore, clrBack, lpText, cch;
    int32_t iImage;
    uint32_t hwndChild, cxMinChild, cyMinChild, cx, hbmBack, wID, cyChild, cyMaxChild, cyIntegral, cxIdeal,
        lParam, cxHeader;
};
static_assert(sizeof(VrxPStoredBand) == 80, "stored band records are 80 bytes");

class CVrxPStoredRebarLayout
{
public:
    // The stored band records hold this mask: the child window left out.
    static constexpr uint32_t storedMask = 0xB61;
    // Fixed-size bands are stored with their minimum child width this much
    // larger than the rebar reports.
    static constexpr uint32_t fixedSizeAllowance = 4;
    // The band style that marks a fixed-size band.
    static constexpr uint32_t fixedSizeStyle = 0x0002;

    // A band moved from index nFrom to nTo, after which band nTo takes stored
    // record nTo.
    struct Step
    {
        size_t nFrom;
        size_t nTo;
    };

    // False, leaving the layout empty, when there are no ids or the records
    // are not one per id.
    bool Read(const uint8_t* pBands, size_t nBandBytes, const uint8_t* pIds, size_t nIdBytes);

    size_t GetCount() const { return m_ids.size(); }

    // The steps for a rebar whose bands hold children with these ids, in band
    // order: for each stored id in turn, the first band at or after its place
    // with that child moves there. None when the rebar's band count is not
    // the stored one.
    std::vector<Step> PlanRestore(const std::vector<uint32_t>& currentIds) const;

    // Stored record nBand as the rebar takes it back: only the stored mask's
    // members, and a fixed-size band's allowance taken off again (never below
    // zero).
    VrxPStoredBand RestoredBand(size_t nBand) const;

private:
    std::vector<VrxPStoredBand> m_bands;
    std::vector<uint32_t> m_ids;
};
