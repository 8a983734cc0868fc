#include "foundation/CVrxPStoredCommandImages.h"

#include "foundation/CVrxPArchivedValue.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<BYTE>;

template <class Container>
Bytes Archived(Container& container)
{
    Bytes bytes;
    EXPECT_TRUE(CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes,
                                          [&container](CArchive& ar) { container.Serialize(ar); }));
    return bytes;
}

BOOL Read(CVrxPStoredCommandImages& stored, const Bytes& withoutImages, const Bytes& menuImages)
{
    return stored.Read(withoutImages.data(), static_cast<UINT>(withoutImages.size()), menuImages.data(),
                       static_cast<UINT>(menuImages.size()));
}

TEST(CVrxPStoredCommandImages, TwoCommandsWithoutImagesAreTenBytesAndComeBack)
{
    CList<UINT, UINT> withoutImages;
    withoutImages.AddTail(32772);
    withoutImages.AddTail(32771);
    CMap<UINT, UINT, int, int> menuImages;
    menuImages[300] = 12;
    const Bytes list = Archived(withoutImages);
    EXPECT_EQ((Bytes{2, 0, 4, 0x80, 0, 0, 3, 0x80, 0, 0}), list);
    CVrxPStoredCommandImages stored;
    ASSERT_TRUE(Read(stored, list, Archived(menuImages)));
    EXPECT_EQ((std::vector<UINT>{32772, 32771}), stored.GetCommandsWithoutImages());
    EXPECT_EQ((std::vector<std::pair<UINT, int>>{{300, 12}}), stored.GetMenuUserImages());
}

TEST(CVrxPStoredCommandImages, ValuesTheManagerNeverWritesAreRefusedWhole)
{
    const Bytes goodList = {1, 0, 5, 0, 0, 0};
    const Bytes goodMap = {1, 0, 9, 0, 0, 0, 3, 0, 0, 0};
    const struct
    {
        const char* what;
        Bytes list;
        Bytes map;
    } cases[] = {
        {"list cut short", {2, 0, 5, 0, 0, 0, 6}, goodMap},
        {"map cut short", goodList, {1, 0, 9, 0, 0, 0, 3}},
        {"empty map value", goodList, {}},
        {"command listed twice", {2, 0, 5, 0, 0, 0, 5, 0, 0, 0}, goodMap},
        {"negative image", goodList, {1, 0, 9, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"image for a command without images", goodList, {1, 0, 5, 0, 0, 0, 3, 0, 0, 0}},
        {"bytes after the list", {1, 0, 5, 0, 0, 0, 0}, goodMap},
    };
    for (const auto& c : cases)
    {
        CVrxPStoredCommandImages stored;
        EXPECT_FALSE(Read(stored, c.list, c.map)) << c.what;
        EXPECT_TRUE(stored.GetCommandsWithoutImages().empty()) << c.what;
        EXPECT_TRUE(stored.GetMenuUserImages().empty()) << c.what;
    }
    CVrxPStoredCommandImages stored;
    EXPECT_TRUE(Read(stored, goodList, goodMap));
}
} // namespace
