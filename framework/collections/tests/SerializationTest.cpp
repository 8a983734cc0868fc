#include "collections/CByteArray.h"
#include "collections/CDWordArray.h"
#include "collections/CMap.h"
#include "collections/CMapStringToOb.h"
#include "collections/CMapStringToString.h"
#include "collections/CObArray.h"
#include "collections/CObList.h"
#include "collections/CStringArray.h"
#include "collections/CStringList.h"
#include "collections/CWordArray.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Outside the anonymous namespace: IMPLEMENT_SERIAL defines an extraction
// operator that these tests do not call.
class CTestPoint : public CObject
{
    DECLARE_SERIAL(CTestPoint)
public:
    CTestPoint() = default;
    CTestPoint(int x, int y) : m_x(x), m_y(y) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_x << m_y;
        else
            ar >> m_x >> m_y;
    }
    int m_x = 0;
    int m_y = 0;
};
IMPLEMENT_SERIAL(CTestPoint, CObject, 1)

namespace {

typedef std::vector<BYTE> Bytes;

Bytes Store(CObject& collection)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        collection.Serialize(ar);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.Seek(0, CFile::begin);
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(CObject& collection, Bytes bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    collection.Serialize(ar);
}

// The cause of the CArchiveException that loading throws, or -1.
int LoadFailure(CObject& collection, const Bytes& bytes)
{
    try
    {
        Load(collection, bytes);
    }
    catch (CArchiveException* e)
    {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST(SerializationTest, WordAndDWordArraysAreCountThenRawValues)
{
    CDWordArray point;
    point.Add(0x12345678);
    point.Add(0xFFFFFFFE);
    point.SetSize(5);
    const Bytes pointBytes = Store(point);
    EXPECT_EQ((Bytes{5, 0, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), pointBytes);
    CDWordArray loaded;
    loaded.Add(99);
    Load(loaded, pointBytes);
    ASSERT_EQ(5, loaded.GetSize());
    EXPECT_EQ(0xFFFFFFFEu, loaded[1]);

    CWordArray words;
    words.Add(0xBEEF);
    EXPECT_EQ((Bytes{1, 0, 0xEF, 0xBE}), Store(words));
}

TEST(SerializationTest, LongArraysUseTheLongCount)
{
    CByteArray bytes;
    bytes.SetSize(0x10001);
    bytes[0x10000] = 0xAB;
    Bytes stored = Store(bytes);
    ASSERT_EQ(6u + 0x10001u, stored.size());
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0x01, 0x00, 0x01, 0x00}), Bytes(stored.begin(), stored.begin() + 6));
    CByteArray loaded;
    Load(loaded, stored);
    EXPECT_EQ(0x10001, loaded.GetSize());
    EXPECT_EQ(0xAB, loaded[0x10000]);
}

TEST(SerializationTest, StringCollectionsAreCountThenStrings)
{
    CStringList list;
    list.AddTail("ab");
    list.AddTail("");
    const Bytes listBytes = Store(list);
    EXPECT_EQ((Bytes{2, 0, 2, 'a', 'b', 0}), listBytes);

    CStringArray array;
    Load(array, listBytes);
    ASSERT_EQ(2, array.GetSize());
    EXPECT_EQ("ab", array[0]);
    EXPECT_EQ(listBytes, Store(array));

    CStringList loaded;
    Load(loaded, listBytes);
    EXPECT_EQ(2, loaded.GetCount());
    EXPECT_EQ("ab", loaded.GetHead());
}

TEST(SerializationTest, MapIsCountThenKeyValuePairs)
{
    CMap<UINT, UINT, int, int> counts;
    counts[32771] = 5;
    EXPECT_EQ((Bytes{1, 0, 0x03, 0x80, 0, 0, 5, 0, 0, 0}), Store(counts));

    for (UINT id = 100; id < 140; ++id)
        counts[id] = static_cast<int>(id) * 2;
    CMap<UINT, UINT, int, int> loaded;
    Load(loaded, Store(counts));
    EXPECT_EQ(41, loaded.GetCount());
    int value = 0;
    EXPECT_TRUE(loaded.Lookup(139, value));
    EXPECT_EQ(278, value);

    CMapStringToString strings;
    strings["key"] = "value";
    EXPECT_EQ((Bytes{1, 0, 3, 'k', 'e', 'y', 5, 'v', 'a', 'l', 'u', 'e'}), Store(strings));
    CMapStringToString loadedStrings;
    Load(loadedStrings, Store(strings));
    EXPECT_EQ("value", loadedStrings["key"]);
}

TEST(SerializationTest, ObjectCollectionsRoundTripTheirObjects)
{
    CTestPoint a(1, 2), b(3, 4);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    list.AddTail(static_cast<CObject*>(nullptr));
    const Bytes stored = Store(list);
    EXPECT_EQ((Bytes{4, 0, 0xFF, 0xFF, 1, 0, 10, 0}), Bytes(stored.begin(), stored.begin() + 8));

    CObList loaded;
    Load(loaded, stored);
    ASSERT_EQ(4, loaded.GetCount());
    POSITION pos = loaded.GetHeadPosition();
    auto* pFirst = static_cast<CTestPoint*>(loaded.GetNext(pos));
    auto* pSecond = static_cast<CTestPoint*>(loaded.GetNext(pos));
    CObject* pThird = loaded.GetNext(pos);
    EXPECT_EQ(nullptr, loaded.GetNext(pos));
    ASSERT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CTestPoint)));
    EXPECT_EQ(2, pFirst->m_y);
    EXPECT_EQ(3, pSecond->m_x);
    EXPECT_EQ(pFirst, pThird);
    std::unique_ptr<CObject> owner1(pFirst), owner2(pSecond);

    CObArray array;
    array.Add(&b);
    CObArray loadedArray;
    Load(loadedArray, Store(array));
    ASSERT_EQ(1, loadedArray.GetSize());
    std::unique_ptr<CObject> owner3(loadedArray[0]);
    EXPECT_EQ(4, static_cast<CTestPoint*>(loadedArray[0])->m_y);

    CMapStringToOb map;
    map["p"] = &a;
    CMapStringToOb loadedMap;
    Load(loadedMap, Store(map));
    CObject* pLoaded = nullptr;
    ASSERT_TRUE(loadedMap.Lookup("p", pLoaded));
    std::unique_ptr<CObject> owner4(pLoaded);
    EXPECT_EQ(1, static_cast<CTestPoint*>(pLoaded)->m_x);
}

TEST(SerializationTest, DamagedDataThrowsEndOfFile)
{
    CDWordArray dwords;
    // A count of 0xFFFFFFFF with four bytes behind it: the end of the data
    // comes long before the memory for the claimed count would be taken.
    const Bytes hugeCount{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4};
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(dwords, hugeCount));

    CStringList strings;
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(strings, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 1, 'x'}));
    CMap<UINT, UINT, int, int> map;
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(map, Bytes{2, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3}));
    EXPECT_EQ(1, map.GetCount());
    CWordArray words;
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(words, Bytes{2, 0, 1, 0, 2}));
    CObList objects;
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(objects, Bytes{1}));
    EXPECT_EQ(CArchiveException::badClass,
              LoadFailure(objects, Concat({Bytes{1, 0, 0xFF, 0xFF, 1, 0, 7, 0}, Bytes{'C', 'N', 'o', 'S', 'u', 'c', 'h'}})));
}
