#include "collections/CList.h"
#include "collections/CObList.h"
#include "collections/CStringList.h"
#include "collections/CTypedPtrList.h"

#include "core/tests/ThrowsInvalidArg.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Forward(const CList<int, int>& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        values.push_back(list.GetNext(pos));
    return values;
}

std::vector<int> Backward(const CList<int, int>& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        values.push_back(list.GetPrev(pos));
    return values;
}

class CItem : public CObject
{
public:
    explicit CItem(int nValue) : m_nValue(nValue) {}
    int m_nValue;
};

} // namespace

TEST(CListTest, KeepsInsertionOrder)
{
    CList<int, int> list;
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(2);
    POSITION pos3 = list.AddTail(3);
    list.AddHead(1);
    list.InsertAfter(pos3, 5);
    list.InsertBefore(list.Find(5), 4);
    list.InsertBefore(NULL, 0);
    list.InsertAfter(NULL, 6);
    EXPECT_EQ(7, list.GetCount());
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6}), Forward(list));
    EXPECT_EQ((std::vector<int>{6, 5, 4, 3, 2, 1, 0}), Backward(list));
    EXPECT_EQ(0, list.GetHead());
    EXPECT_EQ(6, list.GetTail());
    EXPECT_EQ(3, list.GetAt(pos3));
    list.SetAt(pos3, 33);
    EXPECT_EQ(33, list.GetAt(list.FindIndex(3)));
}

TEST(CListTest, FindsByValueAndIndex)
{
    CList<int, int> list;
    for (int value : {7, 8, 7, 9})
        list.AddTail(value);
    POSITION first = list.Find(7);
    ASSERT_NE(nullptr, first);
    POSITION second = list.Find(7, first);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_EQ(second, list.FindIndex(2));
    EXPECT_EQ(nullptr, list.Find(7, second));
    EXPECT_EQ(nullptr, list.Find(42));
    EXPECT_EQ(nullptr, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
}

TEST(CListTest, RemovesWhileWalking)
{
    CList<int, int> list;
    for (int i = 0; i < 25; ++i)
        list.AddTail(i);
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        POSITION current = pos;
        if (list.GetNext(pos) % 3 != 0)
            list.RemoveAt(current);
    }
    EXPECT_EQ((std::vector<int>{0, 3, 6, 9, 12, 15, 18, 21, 24}), Forward(list));
    EXPECT_EQ(0, list.RemoveHead());
    EXPECT_EQ(24, list.RemoveTail());
    EXPECT_EQ((std::vector<int>{3, 6, 9, 12, 15, 18, 21}), Forward(list));
    EXPECT_EQ((std::vector<int>{21, 18, 15, 12, 9, 6, 3}), Backward(list));
}

TEST(CListTest, RefusesPositionsItDoesNotHold)
{
    CList<int, int> list(4);
    CList<int, int> other;
    for (int i = 0; i < 10; ++i)
    {
        list.AddTail(i);
        other.AddTail(i);
    }
    POSITION foreign = other.GetHeadPosition();
    POSITION removed = list.FindIndex(5);
    list.RemoveAt(removed);
    POSITION misaligned = reinterpret_cast<POSITION>(reinterpret_cast<char*>(list.GetHeadPosition()) + 1);
    int local = 0;
    POSITION wild = reinterpret_cast<POSITION>(&local);

    for (POSITION bad : {static_cast<POSITION>(NULL), foreign, removed, misaligned, wild})
    {
        POSITION pos = bad;
        EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetNext(pos); }));
        EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetPrev(pos); }));
        EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetAt(bad); }));
        EXPECT_TRUE(ThrowsInvalidArg([&] { list.SetAt(bad, 1); }));
        EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(bad); }));
        EXPECT_EQ(9, list.GetCount());
    }
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.InsertAfter(foreign, 1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.Find(1, foreign); }));

    POSITION old = list.GetHeadPosition();
    list.RemoveAll();
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetAt(old); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetTail(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.AddTail(static_cast<const CList<int, int>*>(nullptr)); }));
}

TEST(CListTest, AddsWholeListsIncludingItself)
{
    CList<int, int> list;
    CList<int, int> other;
    list.AddTail(1);
    list.AddTail(2);
    other.AddTail(8);
    other.AddTail(9);
    list.AddHead(&other);
    EXPECT_EQ((std::vector<int>{8, 9, 1, 2}), Forward(list));
    list.AddTail(&other);
    EXPECT_EQ((std::vector<int>{8, 9, 1, 2, 8, 9}), Forward(list));
    other.AddTail(&other);
    EXPECT_EQ((std::vector<int>{8, 9, 8, 9}), Forward(other));
    other.AddHead(&other);
    EXPECT_EQ((std::vector<int>{8, 9, 8, 9, 8, 9, 8, 9}), Forward(other));
}

TEST(CListTest, ReusesNodesAcrossManyChanges)
{
    CList<int, int> list(3);
    for (int round = 0; round < 50; ++round)
    {
        for (int i = 0; i < 40; ++i)
            list.AddTail(round * 100 + i);
        for (int i = 0; i < 39; ++i)
            list.RemoveTail();
    }
    EXPECT_EQ(50, list.GetCount());
    int expected = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL; expected += 100)
        EXPECT_EQ(expected, list.GetNext(pos));
}

TEST(CListTest, HoldsStringsAndFindsThemByText)
{
    CStringList list;
    list.AddTail("beta");
    list.AddHead(CString("alpha"));
    list.AddTail("gamma");
    EXPECT_EQ(list.FindIndex(1), list.Find("beta"));
    EXPECT_EQ(nullptr, list.Find("BETA"));
    EXPECT_EQ("alpha", list.RemoveHead());
    EXPECT_EQ("gamma", list.GetTail());
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CStringList)));
    EXPECT_TRUE(list.IsSerializable());
}

TEST(CListTest, TypedListCastsItsElements)
{
    CItem one(1), two(2), three(3);
    CTypedPtrList<CObList, CItem*> list;
    list.AddTail(&two);
    list.AddHead(&one);
    list.InsertAfter(list.Find(&two), &three);
    int sum = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        sum = sum * 10 + list.GetNext(pos)->m_nValue;
    EXPECT_EQ(123, sum);
    EXPECT_EQ(&one, list.GetHead());
    list.GetTail() = &one;
    EXPECT_EQ(&one, list.RemoveTail());
    EXPECT_EQ(2, list.GetCount());
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObList)));
}
