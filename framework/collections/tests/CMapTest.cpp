#include "collections/CMap.h"
#include "collections/CMapStringToString.h"
#include "collections/CMapWordToOb.h"
#include "collections/CTypedPtrMap.h"

#include "core/tests/ThrowsInvalidArg.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class CItem : public CObject
{
public:
    explicit CItem(int nValue) : m_nValue(nValue) {}
    int m_nValue;
};

template <class MAP, class KEY, class VALUE>
std::map<KEY, VALUE> Contents(const MAP& map)
{
    std::map<KEY, VALUE> contents;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        KEY key;
        VALUE value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(contents.emplace(key, value).second) << "visited twice";
    }
    return contents;
}

} // namespace

TEST(CMapTest, LooksUpSetsAndRemoves)
{
    CMap<UINT, UINT, int, int> map;
    EXPECT_EQ(17u, map.GetHashTableSize());
    int value = -1;
    EXPECT_FALSE(map.Lookup(1, value));
    EXPECT_FALSE(map.RemoveKey(1));
    map.SetAt(1, 10);
    map.SetAt(18, 180);
    map[35] = 350;
    map.SetAt(1, 11);
    EXPECT_EQ(3, map.GetCount());
    EXPECT_TRUE(map.Lookup(1, value));
    EXPECT_EQ(11, value);
    EXPECT_EQ(180, map[18]);
    EXPECT_EQ(0, map[99]);
    EXPECT_EQ(4, map.GetCount());
    EXPECT_TRUE(map.RemoveKey(18));
    EXPECT_FALSE(map.Lookup(18, value));
    EXPECT_EQ((std::map<UINT, int>{{1, 11}, {35, 350}, {99, 0}}), (Contents<decltype(map), UINT, int>(map)));
}

TEST(CMapTest, GrowsToManyEntries)
{
    CMap<UINT, UINT, UINT, UINT> map;
    const UINT nEntries = 5000;
    for (UINT i = 0; i < nEntries; ++i)
        map[i * 7919u] = i;
    EXPECT_EQ(static_cast<INT_PTR>(nEntries), map.GetCount());
    for (UINT i = 0; i < nEntries; ++i)
    {
        UINT value = 0;
        ASSERT_TRUE(map.Lookup(i * 7919u, value)) << i;
        EXPECT_EQ(i, value);
    }
    map.InitHashTable(4099);
    EXPECT_EQ(4099u, map.GetHashTableSize());
    EXPECT_EQ(static_cast<INT_PTR>(nEntries), map.GetCount());
    for (UINT i = 0; i < nEntries; i += 97)
    {
        UINT value = 0;
        EXPECT_TRUE(map.Lookup(i * 7919u, value));
        EXPECT_EQ(i, value);
    }
    EXPECT_EQ(nEntries, (Contents<decltype(map), UINT, UINT>(map).size()));
    EXPECT_TRUE(ThrowsInvalidArg([&] { map.InitHashTable(0); }));
}

TEST(CMapTest, RemovesWhileIterating)
{
    CMap<int, int, int, int> map;
    for (int i = 0; i < 100; ++i)
        map[i] = i * i;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        int key, value;
        map.GetNextAssoc(pos, key, value);
        if (key % 2 == 1)
            map.RemoveKey(key);
    }
    EXPECT_EQ(50, map.GetCount());
    for (const auto& entry : Contents<decltype(map), int, int>(map))
    {
        EXPECT_EQ(0, entry.first % 2);
        EXPECT_EQ(entry.first * entry.first, entry.second);
    }
}

TEST(CMapTest, RefusesPositionsItDoesNotHold)
{
    CMap<int, int, int, int> map;
    CMap<int, int, int, int> other;
    map[1] = 1;
    map[2] = 2;
    other[1] = 1;
    int key, value;
    POSITION otherPos = other.GetStartPosition();
    other.GetNextAssoc(otherPos, key, value);
    other[2] = 2;
    otherPos = other.GetStartPosition();
    other.GetNextAssoc(otherPos, key, value);
    ASSERT_NE(nullptr, otherPos);

    for (POSITION bad : {static_cast<POSITION>(NULL), otherPos})
    {
        POSITION pos = bad;
        EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(pos, key, value); }));
    }
    POSITION stale = map.GetStartPosition();
    map.GetNextAssoc(stale, key, value);
    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());
    EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(stale, key, value); }));
    POSITION start = BEFORE_START_POSITION;
    EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(start, key, value); }));
}

TEST(CMapTest, StringKeysCompareByText)
{
    CMapStringToString map;
    char key[] = "alpha";
    map.SetAt(key, "first");
    key[0] = 'A';
    map[CString("beta")] = "second";
    CString value;
    EXPECT_TRUE(map.Lookup("alpha", value));
    EXPECT_EQ("first", value);
    EXPECT_FALSE(map.Lookup("Alpha", value));
    EXPECT_TRUE(map.Lookup(CString("beta"), value));
    EXPECT_EQ("second", value);
    EXPECT_EQ(HashKey<LPCTSTR>("some key"), HashKey<const CString&>(CString("some key")));
    EXPECT_TRUE(map.RemoveKey("alpha"));
    EXPECT_EQ(1, map.GetCount());
}

TEST(CMapTest, TypedMapCastsKeysAndValues)
{
    CItem one(1), two(2);
    CTypedPtrMap<CMapWordToOb, WORD, CItem*> map;
    map.SetAt(10, &one);
    map[20] = &two;
    CItem* pItem = nullptr;
    EXPECT_TRUE(map.Lookup(20, pItem));
    EXPECT_EQ(2, pItem->m_nValue);
    EXPECT_FALSE(map.Lookup(30, pItem));
    EXPECT_EQ(&two, pItem);
    int sum = 0;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        WORD key;
        map.GetNextAssoc(pos, key, pItem);
        sum += key * pItem->m_nValue;
    }
    EXPECT_EQ(50, sum);
    EXPECT_TRUE(map.RemoveKey(10));
    EXPECT_EQ(1, map.GetCount());

    CTypedPtrMap<CMapPtrToPtr, HWND, CItem*> windows;
    HWND hWnd = reinterpret_cast<HWND>(0x1234);
    windows.SetAt(hWnd, &one);
    EXPECT_TRUE(windows.Lookup(hWnd, pItem));
    EXPECT_EQ(&one, pItem);
}
