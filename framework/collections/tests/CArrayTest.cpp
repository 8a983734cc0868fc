#include "collections/CArray.h"
#include "collections/CByteArray.h"
#include "collections/CDWordArray.h"
#include "collections/CObArray.h"
#include "collections/CStringArray.h"
#include "collections/CTypedPtrArray.h"

#include "core/tests/ThrowsInvalidArg.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Values(const CArray<int, int>& array)
{
    return std::vector<int>(array.GetData(), array.GetData() + array.GetSize());
}

class CItem : public CObject
{
public:
    explicit CItem(int nValue) : m_nValue(nValue) {}
    int m_nValue;
};

} // namespace

TEST(CArrayTest, GrowsAndShrinks)
{
    CArray<int, int> array;
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(-1, array.GetUpperBound());
    array.SetSize(3);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), Values(array));
    array[1] = 5;
    array.SetAtGrow(5, 9);
    EXPECT_EQ((std::vector<int>{0, 5, 0, 0, 0, 9}), Values(array));
    EXPECT_EQ(6, array.Add(10));
    EXPECT_EQ(6, array.GetUpperBound());
    array.SetSize(2, 100);
    EXPECT_EQ((std::vector<int>{0, 5}), Values(array));
    array.FreeExtra();
    array.RemoveAll();
    EXPECT_EQ(0, array.GetCount());
}

TEST(CArrayTest, InsertsAndRemovesRanges)
{
    CArray<int, int> array;
    for (int i = 0; i < 5; ++i)
        array.Add(i);
    array.InsertAt(2, 7, 3);
    EXPECT_EQ((std::vector<int>{0, 1, 7, 7, 7, 2, 3, 4}), Values(array));
    array.RemoveAt(1, 4);
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4}), Values(array));
    array.InsertAt(6, 1);
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4, 0, 0, 1}), Values(array));

    CArray<int, int> other;
    other.Add(8);
    other.Add(9);
    array.InsertAt(0, &other);
    EXPECT_EQ((std::vector<int>{8, 9, 0, 2, 3, 4, 0, 0, 1}), Values(array));
    array.RemoveAt(2, 7);
    EXPECT_EQ(2, array.Append(array));
    EXPECT_EQ((std::vector<int>{8, 9, 8, 9}), Values(array));
    other.Copy(array);
    other.Copy(other);
    EXPECT_EQ(Values(array), Values(other));
    other.ElementAt(0) = 1;
    EXPECT_EQ(8, array[0]);
}

TEST(CArrayTest, RefusesIndexesOutsideIt)
{
    CArray<int, int> array;
    array.SetSize(3);
    const CArray<int, int>& constArray = array;
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(3); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { constArray.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAt(3, 1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.ElementAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array[3]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { constArray[100]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAtGrow(-1, 1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(-1, 1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(0, 1, -2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(0, static_cast<const CArray<int, int>*>(nullptr)); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(2, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetSize(-1); }));
    EXPECT_EQ(3, array.GetSize());
}

TEST(CArrayTest, AddsItsOwnElementWhileGrowing)
{
    CStringArray array;
    array.Add("first");
    for (int i = 0; i < 100; ++i)
        array.Add(array[0]);
    array.SetAtGrow(150, array[100]);
    array.InsertAt(0, array[150], 2);
    EXPECT_EQ(153, array.GetSize());
    EXPECT_EQ("first", array[0]);
    EXPECT_EQ("first", array[102]);
    EXPECT_EQ("", array[103]);
    EXPECT_EQ("first", array[152]);
}

TEST(CArrayTest, NamedArraysHoldTheirTypes)
{
    CByteArray bytes;
    bytes.Add(0xFF);
    bytes.SetAtGrow(3, 0x7F);
    EXPECT_EQ(4, bytes.GetSize());
    EXPECT_EQ(0x7F, bytes.GetData()[3]);

    CDWordArray dwords;
    dwords.SetSize(5);
    dwords[0] = 0xFFFFFFFF;
    EXPECT_EQ(0xFFFFFFFFu, dwords.GetAt(0));
    EXPECT_TRUE(dwords.IsSerializable());
}

TEST(CArrayTest, TypedArrayCastsItsElements)
{
    CItem a(1), b(2);
    CTypedPtrArray<CObArray, CItem*> array;
    array.Add(&a);
    array.InsertAt(0, &b);
    EXPECT_EQ(2, array[0]->m_nValue);
    EXPECT_EQ(1, array.GetAt(1)->m_nValue);
    array.ElementAt(1) = &b;
    EXPECT_EQ(&b, array.GetData()[1]);
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(2); }));
}
