#include "ArchiveBytes.h"
#include "SampleObjects.h"

#include "core/CException.h"
#include "files/CArchive.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

// An archive shaped like the saved states: numbers, strings of every length
// form, objects referring to each other and to themselves, a versionable
// object, null, repeats, a count and its elements.
ByteVector RealisticArchive()
{
    CSampleNode first(1, "first");
    first.m_values = {1, 2, 3};
    CSampleNode second(2, CString('s', 300));
    second.m_pLink = &first;
    CSampleNode third(3, "");
    third.m_pLink = &third;
    CVersionedNode versioned;
    versioned.m_nValue = 5;
    versioned.m_strText = "versioned";

    return StoreBytes([&](CArchive& ar) {
        ar << 6;
        ar << &first << &second << &third << &versioned << static_cast<CObject*>(NULL) << &second;
        ar << CString('a', 254) << CString('b', 255);
        ar.WriteCount(2);
        ar << static_cast<DWORD>(0xDEADBEEF) << static_cast<DWORD>(7);
        ar << 2.5 << static_cast<BOOL>(TRUE);
    });
}

// Reads what RealisticArchive wrote, and whatever damage made of it.
void LoadRealistic(CArchive& ar, std::set<CObject*>& loaded)
{
    int nObjects;
    ar >> nObjects;
    for (int i = 0; i < nObjects; ++i)
    {
        CObject* pOb;
        ar >> pOb;
        if (pOb != NULL)
            loaded.insert(pOb);
    }
    CString text;
    ar >> text >> text;
    const DWORD_PTR nCount = ar.ReadCount();
    for (DWORD_PTR i = 0; i < nCount; ++i)
    {
        DWORD dw;
        ar >> dw;
    }
    double d;
    BOOL b;
    ar >> d >> b;
}

// Loads the bytes; returns the archive exception's cause, or -1 when they
// loaded. Whatever was loaded is deleted, and no half-read object may be
// left over.
int TryLoad(const ByteVector& bytes)
{
    std::set<CObject*> loaded;
    const int cause = ArchiveFailure([&] { LoadBytes(bytes, [&](CArchive& ar) { LoadRealistic(ar, loaded); }); });
    EXPECT_FALSE(CSampleNode::AnyHalfLoaded());
    for (CObject* pOb : loaded)
    {
        if (!pOb->IsKindOf(RUNTIME_CLASS(CSampleNode)))
            delete pOb;
    }
    CSampleNode::DeleteAll();
    return cause;
}

bool IsArchiveCause(int cause)
{
    return cause >= CArchiveException::none && cause <= CArchiveException::badSchema;
}

} // namespace

TEST(ArchiveDamageTest, TheRealisticArchiveLoads)
{
    const ByteVector bytes = RealisticArchive();
    std::set<CObject*> loaded;
    LoadBytes(bytes, [&](CArchive& ar) {
        LoadRealistic(ar, loaded);
        char extra;
        EXPECT_EQ(0u, ar.Read(&extra, 1));
    });
    EXPECT_EQ(4u, loaded.size());
    EXPECT_EQ(3, CSampleNode::AliveCount());
    for (CObject* pOb : loaded)
    {
        if (!pOb->IsKindOf(RUNTIME_CLASS(CSampleNode)))
            delete pOb;
    }
    CSampleNode::DeleteAll();
}

TEST(ArchiveDamageTest, EveryTruncationRaisesEndOfFile)
{
    const ByteVector bytes = RealisticArchive();
    for (size_t nCut = 0; nCut < bytes.size(); ++nCut)
    {
        SCOPED_TRACE(nCut);
        const ByteVector cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nCut));
        ASSERT_EQ(CArchiveException::endOfFile, TryLoad(cut));
    }
}

TEST(ArchiveDamageTest, ChangedBytesLoadOrRaiseAnArchiveException)
{
    const ByteVector bytes = RealisticArchive();
    for (size_t nOffset = 0; nOffset < bytes.size(); ++nOffset)
    {
        for (BYTE mask : {BYTE{0x01}, BYTE{0x80}, BYTE{0xFF}})
        {
            SCOPED_TRACE(testing::Message() << "offset " << nOffset << " mask " << int(mask));
            ByteVector damaged = bytes;
            damaged[nOffset] ^= mask;
            const int cause = TryLoad(damaged);
            ASSERT_TRUE(cause == -1 || IsArchiveCause(cause)) << cause;
        }
    }
}

TEST(ArchiveDamageTest, GarbageLoadsOrRaisesAnArchiveException)
{
    std::mt19937 random(20240501);
    const ByteVector classRecord = ByteWriter().u32(3).newClass(1, "CSampleNode").bytes();
    int nRefused = 0;
    for (int round = 0; round < 2000; ++round)
    {
        SCOPED_TRACE(round);
        // Half the streams start like an object, so the garbage reaches the tags.
        ByteVector garbage = round % 2 == 0 ? classRecord : ByteVector();
        const size_t nLength = random() % 400;
        for (size_t i = 0; i < nLength; ++i)
            garbage.push_back(static_cast<BYTE>(random()));
        const int cause = TryLoad(garbage);
        ASSERT_TRUE(cause == -1 || IsArchiveCause(cause)) << cause;
        if (cause != -1)
            ++nRefused;
    }
    EXPECT_GT(nRefused, 0);
}
