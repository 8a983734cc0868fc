#include "foundation/CVrxPStoredRebarLayout.h"

#include <cstring>

bool CVrxPStoredRebarLayout::Read(const uint8_t* pBands, size_t nBandBytes, const uint8_t* pIds, size_t nIdBytes)
{
    m_bands.clear();
    m_ids.clear();
    const size_t nCount = nIdBytes / sizeof(uint32_t);
    if (nCount == 0 || nBandBytes != nCount * sizeof(VrxPStoredBand))
        return false;
    m_bands.resize(nCount);
    m_ids.resize(nCount);
    std::memcpy(m_bands.data(), pBands, nBandBytes);
    std::memcpy(m_ids.data(), pIds, nCount * sizeof(uint32_t));
    return true;
}

std::vector<CVrxPStoredRebarLayout::Step> CVrxPStoredRebarLayout::PlanRestore(
    const std::vector<uint32_t>& currentIds) const
{
    std::vector<Step> steps;
    if (currentIds.size() != m_ids.size())
        return steps;
    std::vector<uint32_t> order = currentIds;
    for (size_t j = 0; j < m_ids.size(); j++)
    {
        for (size_t i = j; i < order.size(); i++)
        {
            if (order[i] != m_ids[j])
                continue;
            // The rebar's own move: the band leaves i, the ones between shift.
            const uint32_t moved = order[i];
            order.erase(order.begin() + static_cast<std::ptrdiff_t>(i));
            order.insert(order.begin() + static_cast<std::ptrdiff_t>(j), moved);
            steps.push_back(Step{i, j});
            break;
        }
    }
    return steps;
}

VrxPStoredBand CVrxPStoredRebarLayout::RestoredBand(size_t nBand) const
{
    VrxPStoredBand band = m_bands[nBand];
    band.fMask &= storedMask;
    if (band.fStyle & fixedSizeStyle)
        band.cxMinChild = band.cxMinChild > fixedSizeAllowance ? band.cxMinChild - fixedSizeAllowance : 0;
    return band;
}
