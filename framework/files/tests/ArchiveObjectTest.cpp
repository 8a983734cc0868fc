#include "ArchiveBytes.h"
#include "SampleObjects.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The bytes of a CSampleNode's Serialize with no link and no numbers.
ByteWriter& NodeData(ByteWriter& writer, int nValue, const std::string& text)
{
    return writer.i32(nValue).u8(static_cast<BYTE>(text.size())).chars(text).u16(0).u16(0);
}

class ArchiveObjectTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_FALSE(CSampleNode::AnyHalfLoaded());
        CSampleNode::DeleteAll();
    }
};

} // namespace

TEST_F(ArchiveObjectTest, ClassRecordOnFirstUseThenClassAndObjectTags)
{
    CSampleNode a(7, "ab");
    CSampleNode b(8, "c");
    const ByteVector bytes = StoreBytes([&](CArchive& ar) {
        ar << &a << &b << &a << static_cast<CObject*>(NULL);
    });

    ByteWriter expected;
    expected.newClass(1, "CSampleNode");  // class index 1
    NodeData(expected, 7, "ab");          // object index 2
    expected.u16(0x8001);                 // the class again
    NodeData(expected, 8, "c");           // object index 3
    expected.u16(2);                      // a again
    expected.u16(0);                      // null
    EXPECT_EQ(expected.bytes(), bytes);

    LoadBytes(bytes, [](CArchive& ar) {
        CObject* objects[4];
        for (CObject*& pOb : objects)
            ar >> pOb;
        auto* pFirst = dynamic_cast<CSampleNode*>(objects[0]);
        auto* pSecond = dynamic_cast<CSampleNode*>(objects[1]);
        ASSERT_NE(nullptr, pFirst);
        ASSERT_NE(nullptr, pSecond);
        EXPECT_EQ(7, pFirst->m_nValue);
        EXPECT_STREQ("ab", pFirst->m_strText);
        EXPECT_EQ(8, pSecond->m_nValue);
        EXPECT_EQ(pFirst, objects[2]);
        EXPECT_EQ(nullptr, objects[3]);
    });
    EXPECT_EQ(4, CSampleNode::AliveCount());
}

TEST_F(ArchiveObjectTest, ObjectsReferToThemselvesAndEachOther)
{
    CSampleNode a(1, "a");
    CSampleNode b(2, "b");
    a.m_pLink = &a;
    b.m_pLink = &a;
    b.m_values = {10, 20};
    const ByteVector bytes = StoreBytes([&](CArchive& ar) { ar << &b; });

    ByteWriter expected;
    expected.newClass(1, "CSampleNode").i32(2).u8(1).chars("b");  // b is object 2
    expected.u16(0x8001).i32(1).u8(1).chars("a").u16(3).u16(0);   // a is object 3 and links to itself
    expected.u16(2).i32(10).i32(20);
    EXPECT_EQ(expected.bytes(), bytes);

    LoadBytes(bytes, [](CArchive& ar) {
        auto* pB = static_cast<CSampleNode*>(ar.ReadObject(RUNTIME_CLASS(CSampleNode)));
        auto* pA = static_cast<CSampleNode*>(pB->m_pLink);
        ASSERT_NE(nullptr, pA);
        EXPECT_EQ(pA, pA->m_pLink);
        EXPECT_EQ(1, pA->m_nValue);
        EXPECT_EQ((std::vector<int>{10, 20}), pB->m_values);
    });
}

TEST_F(ArchiveObjectTest, VersionableClassTakesAnyStoredSchema)
{
    CVersionedNode node;
    node.m_nValue = 4;
    node.m_strText = "v2";
    const ByteVector bytes = StoreBytes([&](CArchive& ar) { ar << &node; });
    // The versionable bit is not stored.
    EXPECT_EQ(ByteWriter().newClass(2, "CVersionedNode").i32(4).u8(2).chars("v2").bytes(), bytes);

    struct Case
    {
        ByteVector bytes;
        UINT schema;
        const char* text;
    };
    const Case cases[] = {
        {bytes, 2, "v2"},
        {ByteWriter().newClass(1, "CVersionedNode").i32(4).bytes(), 1, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.schema);
        LoadBytes(c.bytes, [&](CArchive& ar) {
            std::unique_ptr<CObject> pOb(ar.ReadObject(RUNTIME_CLASS(CVersionedNode)));
            auto* pNode = static_cast<CVersionedNode*>(pOb.get());
            EXPECT_EQ(c.schema, pNode->m_nLoadedSchema);
            EXPECT_EQ(static_cast<UINT>(-1), pNode->m_nSchemaAskedAgain);
            EXPECT_EQ(4, pNode->m_nValue);
            EXPECT_STREQ(c.text, pNode->m_strText);
        });
    }
}

TEST_F(ArchiveObjectTest, DamagedOrForeignObjectDataIsRefused)
{
    ByteWriter node;
    node.newClass(1, "CSampleNode");
    NodeData(node, 1, "x");
    const ByteVector oneNode = node.bytes();
    const auto after = [&](const ByteVector& tail) {
        ByteVector bytes = oneNode;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };

    struct Case
    {
        const char* name;
        ByteVector bytes;
        CRuntimeClass* requested;
        int objects;
        int cause;
    };
    const Case cases[] = {
        {"class no module defines", ByteWriter().newClass(1, "CNotInThisModule").i32(1).bytes(), NULL, 1,
            CArchiveException::badClass},
        {"class that is not serializable", ByteWriter().newClass(0xFFFF, "CDynamicOnly").bytes(), NULL, 1,
            CArchiveException::badClass},
        {"name with a zero inside", ByteWriter().newClass(1, std::string("CSampleNode\0x", 13)).bytes(), NULL, 1,
            CArchiveException::badClass},
        {"other schema", ByteWriter().newClass(2, "CSampleNode").i32(1).u8(0).u16(0).u16(0).bytes(), NULL, 1,
            CArchiveException::badSchema},
        {"other class than asked", ByteWriter().newClass(2, "CVersionedNode").i32(1).u8(0).bytes(),
            RUNTIME_CLASS(CSampleNode), 1, CArchiveException::badClass},
        {"reference to an object of another class", after(ByteWriter().u16(2).bytes()),
            RUNTIME_CLASS(CVersionedNode), 2, CArchiveException::badClass},
        {"class index never given", ByteWriter().u16(0x8005).bytes(), NULL, 1, CArchiveException::badIndex},
        {"object index never given", after(ByteWriter().u16(9).bytes()), NULL, 2, CArchiveException::badIndex},
        {"class tag naming an object", after(ByteWriter().u16(0x8002).bytes()), NULL, 2,
            CArchiveException::badIndex},
        {"object tag naming a class", after(ByteWriter().u16(1).bytes()), NULL, 2, CArchiveException::badIndex},
        {"big class index never given", ByteWriter().u16(0x7FFF).u32(0x80001234).bytes(), NULL, 1,
            CArchiveException::badIndex},
        {"big object index never given", ByteWriter().u16(0x7FFF).u32(0x1234).bytes(), NULL, 1,
            CArchiveException::badIndex},
        {"cut class name", ByteWriter().u16(0xFFFF).u16(1).u16(11).chars("CSample").bytes(), NULL, 1,
            CArchiveException::endOfFile},
        {"cut object", ByteWriter().newClass(1, "CSampleNode").i32(1).u8(4).chars("ab").bytes(), NULL, 1,
            CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<CObject>> loaded;
        EXPECT_EQ(c.cause, ArchiveFailure([&] {
            LoadBytes(c.bytes, [&](CArchive& ar) {
                for (int i = 0; i < c.objects; ++i)
                    loaded.emplace_back(ar.ReadObject(i + 1 == c.objects ? c.requested : NULL));
            });
        }));
        // Only objects read before the damaged one were made.
        EXPECT_EQ(static_cast<size_t>(c.objects - 1), loaded.size());
    }
}

TEST_F(ArchiveObjectTest, ClassOfAModuleThatLeftIsRefused)
{
    CSampleNode node(3, "gone");
    const ByteVector bytes = StoreBytes([&](CArchive& ar) { ar << &node; });

    AfxUnregisterClass(RUNTIME_CLASS(CSampleNode));
    const int cause = ArchiveFailure([&] {
        LoadBytes(bytes, [](CArchive& ar) { ar.ReadObject(NULL); });
    });
    AfxRegisterClass(RUNTIME_CLASS(CSampleNode), AfxGetThisModule());

    EXPECT_EQ(CArchiveException::badClass, cause);
    EXPECT_EQ(1, CSampleNode::AliveCount());
}

TEST_F(ArchiveObjectTest, ObjectsThatCannotBeStoredAreRefused)
{
    CDynamicOnly dynamicOnly;
    EXPECT_EQ(CArchiveException::badClass, ArchiveFailure([&] {
        StoreBytes([&](CArchive& ar) { ar << &dynamicOnly; });
    }));
    EXPECT_EQ(CArchiveException::badClass, ArchiveFailure([&] {
        StoreBytes([&](CArchive& ar) { ar.WriteClass(NULL); });
    }));
}

TEST_F(ArchiveObjectTest, ClassesAloneUseTheSameTags)
{
    const ByteVector bytes = StoreBytes([](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(CVersionedNode));
        ar.SerializeClass(RUNTIME_CLASS(CVersionedNode));
        ar.WriteClass(RUNTIME_CLASS(CSampleNode));
    });
    EXPECT_EQ(ByteWriter().newClass(2, "CVersionedNode").u16(0x8001).newClass(1, "CSampleNode").bytes(), bytes);

    LoadBytes(bytes, [](CArchive& ar) {
        UINT nSchema = 0;
        EXPECT_EQ(RUNTIME_CLASS(CVersionedNode), ar.ReadClass(NULL, &nSchema));
        EXPECT_EQ(2u, nSchema);
        ar.SerializeClass(RUNTIME_CLASS(CVersionedNode));
        EXPECT_EQ(2u, ar.GetObjectSchema());
        EXPECT_EQ(RUNTIME_CLASS(CSampleNode), ar.ReadClass(RUNTIME_CLASS(CSampleNode)));
    });

    // Where a class is expected, an object reference is refused and null is no class.
    const ByteVector nullThenObject = ByteWriter().u16(0).u16(2).bytes();
    EXPECT_EQ(CArchiveException::badClass, ArchiveFailure([&] {
        LoadBytes(nullThenObject, [](CArchive& ar) {
            EXPECT_EQ(nullptr, ar.ReadClass());
            ar.ReadClass();
        });
    }));
}

TEST_F(ArchiveObjectTest, LargeMapsUseTheBigIndexEscape)
{
    // Index 1 is the node class; node i gets index i + 2, so the last node
    // below 0x7FFF is node 0x7FFC.
    const int nNodes = 0x7FFE;
    std::vector<std::unique_ptr<CSampleNode>> nodes;
    for (int i = 0; i < nNodes; ++i)
        nodes.emplace_back(new CSampleNode(i, ""));
    CVersionedNode first;
    CVersionedNode second;

    const ByteVector bytes = StoreBytes([&](CArchive& ar) {
        for (const auto& pNode : nodes)
            ar << pNode.get();
        ar << nodes[0x7FFC].get() << nodes[0x7FFD].get();
        ar << &first << &second << &first;
    });

    ByteWriter expected;
    expected.newClass(1, "CSampleNode");
    NodeData(expected, 0, "");
    for (int i = 1; i < nNodes; ++i)
        NodeData(expected.u16(0x8001), i, "");
    expected.u16(0x7FFE);                      // node 0x7FFC
    expected.u16(0x7FFF).u32(0x7FFF);          // node 0x7FFD
    expected.newClass(2, "CVersionedNode");    // class index 0x8000
    expected.i32(0).u8(0);                     // first: object 0x8001
    expected.u16(0x7FFF).u32(0x80008000);      // the class again
    expected.i32(0).u8(0);                     // second: object 0x8002
    expected.u16(0x7FFF).u32(0x8001);          // first again
    ASSERT_EQ(expected.bytes().size(), bytes.size());
    EXPECT_EQ(expected.bytes(), bytes);

    nodes.clear();
    LoadBytes(bytes, [&](CArchive& ar) {
        std::vector<CObject*> loaded;
        for (int i = 0; i < nNodes + 2; ++i)
            loaded.push_back(ar.ReadObject(RUNTIME_CLASS(CSampleNode)));
        EXPECT_EQ(loaded[0x7FFC], loaded[nNodes]);
        EXPECT_EQ(loaded[0x7FFD], loaded[nNodes + 1]);
        EXPECT_EQ(0x7FFD, static_cast<CSampleNode*>(loaded[0x7FFD])->m_nValue);

        std::unique_ptr<CObject> pFirst(ar.ReadObject(RUNTIME_CLASS(CVersionedNode)));
        std::unique_ptr<CObject> pSecond(ar.ReadObject(RUNTIME_CLASS(CVersionedNode)));
        EXPECT_NE(pFirst.get(), pSecond.get());
        EXPECT_EQ(RUNTIME_CLASS(CVersionedNode), pSecond->GetRuntimeClass());
        EXPECT_EQ(pFirst.get(), ar.ReadObject(NULL));
    });
    EXPECT_EQ(nNodes, CSampleNode::AliveCount());
}

TEST_F(ArchiveObjectTest, ObjectsNestDeepAsTheLimitAndNoDeeper)
{
    // Each node links to the next, so storing nests them all.
    const auto chain = [](UINT nDepth) {
        std::vector<std::unique_ptr<CSampleNode>> nodes;
        for (UINT i = 0; i < nDepth; ++i)
            nodes.push_back(std::make_unique<CSampleNode>(static_cast<int>(i), ""));
        for (UINT i = 0; i + 1 < nDepth; ++i)
            nodes[i]->m_pLink = nodes[i + 1].get();
        return StoreBytes([&](CArchive& ar) { ar << nodes[0].get(); });
    };
    const auto load = [](const ByteVector& bytes) {
        return ArchiveFailure([&] { LoadBytes(bytes, [](CArchive& ar) { (void)ar.ReadObject(NULL); }); });
    };

    const ByteVector deepest = chain(CArchive::maxLoadDepth);
    EXPECT_EQ(-1, load(deepest));
    EXPECT_EQ(static_cast<int>(CArchive::maxLoadDepth), CSampleNode::AliveCount());
    CSampleNode::DeleteAll();

    EXPECT_EQ(CArchiveException::genericException, load(chain(CArchive::maxLoadDepth + 1)));
    EXPECT_EQ(0, CSampleNode::AliveCount());

    // Far deeper than any stack holds: a class record, then node after node
    // whose link is a new node of that class.
    ByteWriter flood;
    flood.newClass(1, "CSampleNode");
    for (int i = 0; i < 200000; ++i)
        flood.i32(i).u8(0).u16(0x8001);
    EXPECT_EQ(CArchiveException::genericException, load(flood.bytes()));
}

// An owned object is new: null passes, a second reference to an object read
// before and an object of another class are refused.
TEST_F(ArchiveObjectTest, OwnedObjectsAreNewObjectsOfTheAskedClass)
{
    CSampleNode a(7, "ab");
    const ByteVector bytes = StoreBytes([&](CArchive& ar) {
        ar << &a << static_cast<CObject*>(NULL) << &a;
    });
    EXPECT_EQ(CArchiveException::badIndex, ArchiveFailure([&] {
        LoadBytes(bytes, [](CArchive& ar) {
            CObject* pFirst = ar.ReadOwnedObject(RUNTIME_CLASS(CSampleNode));
            ASSERT_NE(nullptr, dynamic_cast<CSampleNode*>(pFirst));
            EXPECT_EQ(nullptr, ar.ReadOwnedObject(RUNTIME_CLASS(CSampleNode)));
            ar.ReadOwnedObject(RUNTIME_CLASS(CSampleNode));
        });
    }));
    EXPECT_EQ(CArchiveException::badClass, ArchiveFailure([&] {
        LoadBytes(bytes, [](CArchive& ar) { ar.ReadOwnedObject(RUNTIME_CLASS(CVersionedNode)); });
    }));
    EXPECT_EQ(2, CSampleNode::AliveCount()) << "a and the one new object read";
}

// Owners copy what they read and delete it: a later reference to it must be
// refused without touching the freed object (the sanitizer build sees it).
TEST_F(ArchiveObjectTest, AReferenceToADeletedOwnedObjectIsRefusedUntouched)
{
    CSampleNode a(7, "ab");
    const ByteVector bytes = StoreBytes([&](CArchive& ar) { ar << &a << &a; });
    EXPECT_EQ(CArchiveException::badIndex, ArchiveFailure([&] {
        LoadBytes(bytes, [](CArchive& ar) {
            delete ar.ReadOwnedObject(RUNTIME_CLASS(CSampleNode));
            ar.ReadOwnedObject(RUNTIME_CLASS(CSampleNode));
        });
    }));
    EXPECT_EQ(1, CSampleNode::AliveCount());
}
