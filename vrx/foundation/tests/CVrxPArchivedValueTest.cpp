#include "foundation/CVrxPArchivedValue.h"

#include "collections/CStringList.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

TEST(CVrxPArchivedValue, RectPointAndWordArrayForms)
{
    Bytes bytes;
    ASSERT_TRUE(CVrxPArchivedValue::StoreRect(bytes, RECT{1, -2, 0x01020304, 4}));
    EXPECT_EQ((Bytes{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 4, 0, 0, 0}), bytes);
    RECT rect{};
    ASSERT_TRUE(CVrxPArchivedValue::LoadRect(bytes.data(), static_cast<UINT>(bytes.size()), rect));
    EXPECT_EQ(-2, rect.top);
    EXPECT_EQ(0x01020304, rect.right);

    ASSERT_TRUE(CVrxPArchivedValue::StorePoint(bytes, POINT{-4, 300}));
    EXPECT_EQ((Bytes{5, 0, 0xFC, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), bytes);
    POINT point{};
    ASSERT_TRUE(CVrxPArchivedValue::LoadPoint(bytes.data(), static_cast<UINT>(bytes.size()), point));
    EXPECT_EQ(-4, point.x);
    EXPECT_EQ(300, point.y);

    CWordArray words;
    words.Add(7);
    words.Add(0xABCD);
    ASSERT_TRUE(CVrxPArchivedValue::StoreWordArray(bytes, words));
    EXPECT_EQ((Bytes{2, 0, 0, 0, 7, 0, 0xCD, 0xAB}), bytes);
    CWordArray read;
    ASSERT_TRUE(CVrxPArchivedValue::LoadWordArray(bytes.data(), static_cast<UINT>(bytes.size()), read));
    ASSERT_EQ(2, read.GetSize());
    EXPECT_EQ(0xABCD, read[1]);
}

TEST(CVrxPArchivedValue, ShortOrDamagedValuesAreRefused)
{
    const Bytes shortRect(15, 1);
    RECT rect{9, 9, 9, 9};
    EXPECT_FALSE(CVrxPArchivedValue::LoadRect(shortRect.data(), static_cast<UINT>(shortRect.size()), rect));
    EXPECT_EQ(9, rect.left);

    // One element: no y.
    const Bytes onePoint = {1, 0, 5, 0, 0, 0};
    POINT point{3, 3};
    EXPECT_FALSE(CVrxPArchivedValue::LoadPoint(onePoint.data(), static_cast<UINT>(onePoint.size()), point));
    EXPECT_EQ(3, point.x);

    // A count far beyond the value sizes nothing.
    const Bytes hugeCount = {0xFF, 0xFF, 0xFF, 0x7F, 1, 0};
    CWordArray words;
    EXPECT_FALSE(CVrxPArchivedValue::LoadWordArray(hugeCount.data(), static_cast<UINT>(hugeCount.size()), words));
    EXPECT_EQ(0, words.GetSize());
    const Bytes noCount = {1, 0};
    EXPECT_FALSE(CVrxPArchivedValue::LoadWordArray(noCount.data(), static_cast<UINT>(noCount.size()), words));
}

TEST(CVrxPArchivedValue, WholeLoadRefusesBytesAfterTheArchive)
{
    CStringList strings;
    strings.AddTail("Build");
    Bytes bytes;
    ASSERT_TRUE(CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes,
                                          [&strings](CArchive& ar) { strings.Serialize(ar); }));
    const auto load = [](const Bytes& value, BOOL bWhole) {
        CStringList read;
        return CVrxPArchivedValue::Load(
            value.data(), static_cast<UINT>(value.size()), [&read](CArchive& ar) { read.Serialize(ar); }, bWhole);
    };
    EXPECT_TRUE(load(bytes, TRUE));
    bytes.push_back(0);
    EXPECT_TRUE(load(bytes, FALSE));
    EXPECT_FALSE(load(bytes, TRUE));
}
} // namespace
