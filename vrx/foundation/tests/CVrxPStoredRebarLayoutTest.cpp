#include "foundation/CVrxPStoredRebarLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

Bytes BandBytes(const std::vector<VrxPStoredBand>& bands)
{
    Bytes bytes(bands.size() * sizeof(VrxPStoredBand));
    if (!bands.empty())
        std::memcpy(bytes.data(), bands.data(), bytes.size());
    return bytes;
}

Bytes IdBytes(const std::vector<uint32_t>& ids)
{
    Bytes bytes(ids.size() * sizeof(uint32_t));
    if (!ids.empty())
        std::memcpy(bytes.data(), ids.data(), bytes.size());
    return bytes;
}

CVrxPStoredRebarLayout LayoutOf(const std::vector<uint32_t>& ids)
{
    CVrxPStoredRebarLayout layout;
    const Bytes bands = BandBytes(std::vector<VrxPStoredBand>(ids.size(), VrxPStoredBand{}));
    const Bytes idBytes = IdBytes(ids);
    EXPECT_TRUE(layout.Read(bands.data(), bands.size(), idBytes.data(), idBytes.size()));
    return layout;
}

// The rebar's order after the steps, each a band moved from one place to another.
std::vector<uint32_t> Apply(std::vector<uint32_t> order, const std::vector<CVrxPStoredRebarLayout::Step>& steps)
{
    for (const CVrxPStoredRebarLayout::Step& step : steps)
    {
        const uint32_t moved = order.at(step.nFrom);
        order.erase(order.begin() + static_cast<std::ptrdiff_t>(step.nFrom));
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(step.nTo), moved);
    }
    return order;
}

TEST(CVrxPStoredRebarLayout, RecordsMustBeOnePerId)
{
    struct Case
    {
        size_t nBandBytes;
        size_t nIdBytes;
        size_t nCount;
    } cases[] = {
        {0, 0, 0},     {80, 0, 0},     {80, 3, 0},     {79, 4, 0},    {81, 4, 0},
        {160, 4, 0},   {80, 8, 0},     {80, 4, 1},     {80, 7, 1},    {240, 12, 3},
    };
    const Bytes bands(240, 0x5A);
    const Bytes ids(12, 0x01);
    for (const Case& c : cases)
    {
        CVrxPStoredRebarLayout layout;
        EXPECT_EQ(c.nCount != 0, layout.Read(bands.data(), c.nBandBytes, ids.data(), c.nIdBytes))
            << c.nBandBytes << " record bytes, " << c.nIdBytes << " id bytes";
        EXPECT_EQ(c.nCount, layout.GetCount());
    }
}

TEST(CVrxPStoredRebarLayout, AFailedReadForgetsTheLayoutBefore)
{
    CVrxPStoredRebarLayout layout = LayoutOf({1, 2});
    const Bytes bands(80, 0);
    const Bytes ids(8, 0);
    EXPECT_FALSE(layout.Read(bands.data(), bands.size(), ids.data(), ids.size()));
    EXPECT_EQ(0u, layout.GetCount());
    EXPECT_TRUE(layout.PlanRestore({1, 2}).empty());
}

TEST(CVrxPStoredRebarLayout, StepsBringTheBandsIntoTheStoredOrder)
{
    const std::vector<std::vector<uint32_t>> orders = {
        {10, 20, 30}, {30, 10, 20}, {20, 30, 10}, {30, 20, 10}, {10, 30, 20}, {20, 10, 30}};
    for (const std::vector<uint32_t>& stored : orders)
        for (const std::vector<uint32_t>& current : orders)
        {
            const std::vector<CVrxPStoredRebarLayout::Step> steps = LayoutOf(stored).PlanRestore(current);
            EXPECT_EQ(stored, Apply(current, steps));
            ASSERT_EQ(3u, steps.size());
            for (size_t j = 0; j < steps.size(); j++)
                EXPECT_EQ(j, steps[j].nTo);
        }
}

TEST(CVrxPStoredRebarLayout, AnIdNotFoundAtOrAfterItsPlaceIsPassedOver)
{
    const std::vector<CVrxPStoredRebarLayout::Step> steps = LayoutOf({10, 99, 20}).PlanRestore({20, 10, 30});
    ASSERT_EQ(1u, steps.size());
    EXPECT_EQ(1u, steps[0].nFrom);
    EXPECT_EQ(0u, steps[0].nTo);
}

TEST(CVrxPStoredRebarLayout, ADifferentBandCountLeavesTheRebarAsItIs)
{
    EXPECT_TRUE(LayoutOf({10, 20}).PlanRestore({10, 20, 30}).empty());
    EXPECT_TRUE(LayoutOf({10, 20}).PlanRestore({10}).empty());
}

TEST(CVrxPStoredRebarLayout, RestoredBandKeepsTheStoredMaskAndTakesTheAllowanceOff)
{
    struct Case
    {
        uint32_t fStyle;
        uint32_t cxStored;
        uint32_t cxRestored;
    } cases[] = {
        {CVrxPStoredRebarLayout::fixedSizeStyle, 24, 20},
        {CVrxPStoredRebarLayout::fixedSizeStyle | 0x40, 4, 0},
        // Fewer than the allowance was never stored by us: not below zero.
        {CVrxPStoredRebarLayout::fixedSizeStyle, 3, 0},
        {CVrxPStoredRebarLayout::fixedSizeStyle, 0, 0},
        {0, 24, 24},
        {0, 2, 2},
    };
    for (const Case& c : cases)
    {
        VrxPStoredBand stored = {};
        stored.fMask = 0xFFFFFFFF;
        stored.fStyle = c.fStyle;
        stored.cxMinChild = c.cxStored;
        stored.cx = 123;
        const Bytes bands = BandBytes({stored});
        const Bytes ids = IdBytes({7});
        CVrxPStoredRebarLayout layout;
        ASSERT_TRUE(layout.Read(bands.data(), bands.size(), ids.data(), ids.size()));
        const VrxPStoredBand band = layout.RestoredBand(0);
        EXPECT_EQ(CVrxPStoredRebarLayout::storedMask, band.fMask);
        EXPECT_EQ(c.fStyle, band.fStyle);
        EXPECT_EQ(c.cxRestored, band.cxMinChild) << "style " << c.fStyle << ", stored " << c.cxStored;
        EXPECT_EQ(123u, band.cx);
    }
}
} // namespace
