// A rebar's stored layout as the registry could hold it, restored onto a
// rebar. Bytes 0-1: the length of the "RBI" value, byte 2: the length of the
// "IDs" value, byte 3: the rebar's band count; then the two values, then the
// child id of each of the rebar's bands (32 bits each, 0 where the input ends).
#include "foundation/CVrxPStoredRebarLayout.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const size_t nBandBytes = static_cast<size_t>(data[0] | data[1] << 8);
    const size_t nIdBytes = data[2];
    const size_t nBands = data[3];
    data += 4;
    size -= 4;
    if (nBandBytes + nIdBytes > size)
        return 0;
    // Each value in a buffer of its own, as the registry hands them out.
    const std::vector<uint8_t> bands(data, data + nBandBytes);
    const std::vector<uint8_t> ids(data + nBandBytes, data + nBandBytes + nIdBytes);
    const uint8_t* rebar = data + nBandBytes + nIdBytes;
    const size_t nRebarBytes = size - nBandBytes - nIdBytes;

    CVrxPStoredRebarLayout layout;
    if (!layout.Read(bands.data(), bands.size(), ids.data(), ids.size()))
        return 0;
    std::vector<uint32_t> current(nBands, 0);
    if (nBands != 0)
        std::memcpy(current.data(), rebar, std::min(nRebarBytes, nBands * sizeof(uint32_t)));
    // The rebar's own moves: every step must stay inside it, keep to the
    // stored mask and never widen a band's stored minimum.
    std::vector<uint32_t> order = current;
    for (const CVrxPStoredRebarLayout::Step& step : layout.PlanRestore(current))
    {
        if (step.nFrom >= order.size() || step.nTo > step.nFrom)
            std::abort();
        const uint32_t moved = order[step.nFrom];
        order.erase(order.begin() + static_cast<std::ptrdiff_t>(step.nFrom));
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(step.nTo), moved);
        const VrxPStoredBand restored = layout.RestoredBand(step.nTo);
        uint32_t storedMinWidth = 0;
        std::memcpy(&storedMinWidth, &bands[step.nTo * sizeof(VrxPStoredBand) + offsetof(VrxPStoredBand, cxMinChild)],
                    sizeof storedMinWidth);
        if ((restored.fMask & ~CVrxPStoredRebarLayout::storedMask) != 0 || restored.cxMinChild > storedMinWidth)
            std::abort();
    }
    return 0;
}
