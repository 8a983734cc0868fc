#include "foundation/CVrxPStoredWorkspace.h"

#include "foundation/CVrxPArchivedValue.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

Bytes Number(DWORD dwValue)
{
    return Bytes{static_cast<BYTE>(dwValue), static_cast<BYTE>(dwValue >> 8), static_cast<BYTE>(dwValue >> 16),
                 static_cast<BYTE>(dwValue >> 24)};
}

Bytes Rect(const RECT& rect)
{
    Bytes bytes;
    EXPECT_TRUE(CVrxPArchivedValue::StoreRect(bytes, rect));
    return bytes;
}

TEST(CVrxPStoredWorkspace, VersionPacking)
{
    EXPECT_EQ(0x90400, CVrxPStoredWorkspace::PackVersion(9, 40));
    EXPECT_EQ(0x90500, CVrxPStoredWorkspace::PackVersion(9, 5));
    EXPECT_EQ(0x90210, CVrxPStoredWorkspace::PackVersion(9, 21));
    EXPECT_EQ(-1, CVrxPStoredWorkspace::PackVersion(-1, 40));
    EXPECT_EQ(-1, CVrxPStoredWorkspace::PackVersion(9, -1));
    EXPECT_EQ(0x7FFF0990, CVrxPStoredWorkspace::PackVersion(CVrxPStoredWorkspace::maxMajor, CVrxPStoredWorkspace::maxMinor));
}

// Numbers the packed version has no room for are not a version.
TEST(CVrxPStoredWorkspace, VersionNumbersOutOfRangeAreNotRead)
{
    const struct
    {
        Bytes value;
        int nMax;
        int nExpected;
    } cases[] = {
        {Number(9), CVrxPStoredWorkspace::maxMajor, 9},
        {Number(0x7FFF), CVrxPStoredWorkspace::maxMajor, 0x7FFF},
        {Number(0x8000), CVrxPStoredWorkspace::maxMajor, -1},
        {Number(0xFFFFFFFE), CVrxPStoredWorkspace::maxMajor, -1},
        {Number(40), CVrxPStoredWorkspace::maxMinor, 40},
        {Number(100), CVrxPStoredWorkspace::maxMinor, -1},
        {Bytes{9, 0, 0}, CVrxPStoredWorkspace::maxMajor, -1},
        {Bytes{9, 0, 0, 0, 0}, CVrxPStoredWorkspace::maxMajor, -1},
    };
    for (const auto& c : cases)
    {
        int nNumber = -1;
        EXPECT_EQ(c.nExpected != -1,
                  CVrxPStoredWorkspace::ReadVersionNumber(c.value.data(), static_cast<UINT>(c.value.size()), c.nMax,
                                                          nNumber));
        EXPECT_EQ(c.nExpected, nNumber);
    }
}

TEST(CVrxPStoredWorkspace, OnlyAPlacementTheWorkspaceWritesIsRead)
{
    const Bytes normal = Rect(RECT{-30, 12, 600, 400});
    const struct
    {
        const char* what;
        Bytes rect, flags, showCmd;
        bool bRead;
    } cases[] = {
        {"maximised", normal, Number(2), Number(3), true},
        {"normal", normal, Number(0), Number(1), true},
        {"hidden", normal, Number(0), Number(0), false},
        {"minimised", normal, Number(0), Number(2), false},
        {"unknown flags", normal, Number(8), Number(1), false},
        {"inside-out rectangle", Rect(RECT{600, 12, -30, 400}), Number(0), Number(1), false},
        {"short rectangle", Bytes(normal.begin(), normal.end() - 1), Number(0), Number(1), false},
        {"long rectangle", Bytes(20, 0), Number(0), Number(1), false},
        {"short flags", normal, Bytes{0, 0}, Number(1), false},
    };
    for (const auto& c : cases)
    {
        CVrxPStoredWorkspace::Placement placement{{1, 1, 1, 1}, 7, 7};
        EXPECT_EQ(c.bRead, CVrxPStoredWorkspace::ReadPlacement(
                               c.rect.data(), static_cast<UINT>(c.rect.size()), c.flags.data(),
                               static_cast<UINT>(c.flags.size()), c.showCmd.data(),
                               static_cast<UINT>(c.showCmd.size()), placement) == TRUE)
            << c.what;
        if (!c.bRead)
        {
            EXPECT_EQ(7u, placement.showCmd) << c.what;
        }
    }
    CVrxPStoredWorkspace::Placement placement{};
    const Bytes showMaximized = Number(3);
    const Bytes flags = Number(2);
    ASSERT_TRUE(CVrxPStoredWorkspace::ReadPlacement(normal.data(), 16, flags.data(), 4, showMaximized.data(), 4, placement));
    EXPECT_EQ(-30, placement.rect.left);
    EXPECT_EQ(400, placement.rect.bottom);
    EXPECT_EQ(2u, placement.flags);
    EXPECT_EQ(3u, placement.showCmd);
}
} // namespace
