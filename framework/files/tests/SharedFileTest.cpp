#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CSharedFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class CInspectableSharedFile : public CSharedFile
{
public:
    using CSharedFile::CSharedFile;
    SIZE_T BufferSize() const { return m_nBufferSize; }
};

std::string GlobalText(HGLOBAL hMemory)
{
    const char* lpData = static_cast<const char*>(GlobalLock(hMemory));
    std::string text(lpData, GlobalSize(hMemory));
    GlobalUnlock(hMemory);
    return text;
}

HGLOBAL GlobalBlock(const std::string& text, UINT nFlags)
{
    const HGLOBAL hMemory = GlobalAlloc(nFlags, text.size());
    std::memcpy(GlobalLock(hMemory), text.data(), text.size());
    GlobalUnlock(hMemory);
    return hMemory;
}

} // namespace

TEST(SharedFileTest, GrowsInGlobalMemoryAndDetachesItsBlock)
{
    struct Case
    {
        UINT flags;
        UINT growBytes;
        size_t length;
        SIZE_T blockWhileWriting;
    };
    const Case cases[] = {
        {GMEM_DDESHARE | GMEM_MOVEABLE, CSharedFile::defaultGrowBytes, 10, 4096},
        {GMEM_MOVEABLE, CSharedFile::defaultGrowBytes, 5000, 8192},
        {GMEM_FIXED, 100, 150, 200},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.length);
        CInspectableSharedFile file(c.flags, c.growBytes);
        std::string text(c.length, 'q');
        text[0] = 'A';
        file.Write(text.data(), static_cast<UINT>(text.size()));
        EXPECT_EQ(c.blockWhileWriting, file.BufferSize());

        const HGLOBAL hMemory = file.Detach();
        ASSERT_NE(nullptr, hMemory);
        // The block is cut to the data, so a reader sizing it with GlobalSize sees no tail.
        EXPECT_EQ(text, GlobalText(hMemory));
        EXPECT_EQ(0u, file.GetLength());
        GlobalFree(hMemory);
    }
}

TEST(SharedFileTest, DetachOfAnEmptyFileGivesNoBlock)
{
    CSharedFile file;
    EXPECT_EQ(nullptr, file.Detach());
}

TEST(SharedFileTest, SetHandleReadsABlockAndOwnsIt)
{
    CSharedFile file;
    file.SetHandle(GlobalBlock("clipboard", GMEM_MOVEABLE));
    EXPECT_EQ(9u, file.GetLength());
    char text[16] = {};
    EXPECT_EQ(9u, file.Read(text, sizeof text));
    EXPECT_STREQ("clipboard", text);

    file.SeekToEnd();
    file.Write(" data", 5);
    const HGLOBAL hMemory = file.Detach();
    EXPECT_EQ("clipboard data", GlobalText(hMemory));
    GlobalFree(hMemory);
}

TEST(SharedFileTest, SetHandleWithoutGrowthRefusesToGrow)
{
    CSharedFile file;
    file.SetHandle(GlobalBlock("fix", GMEM_MOVEABLE), FALSE);
    file.SeekToEnd();
    bool bRefused = false;
    try
    {
        file.Write("!", 1);
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        bRefused = true;
    }
    EXPECT_TRUE(bRefused);
    EXPECT_EQ(3u, file.GetLength());
}

TEST(SharedFileTest, AnArchiveTravelsThroughGlobalMemory)
{
    // As a clipboard copy and paste do it: store into a shared file, detach
    // the block, then read it through a memory file attached to the locked block.
    CSharedFile out(GMEM_DDESHARE | GMEM_MOVEABLE, CSharedFile::defaultGrowBytes);
    {
        CArchive ar(&out, CArchive::store);
        ar << 2 << CString("first") << CString("second");
        ar.Close();
    }
    const HGLOBAL hMemory = out.Detach();
    ASSERT_NE(nullptr, hMemory);

    BYTE* lpData = static_cast<BYTE*>(GlobalLock(hMemory));
    CSharedFile in;
    in.Attach(lpData, static_cast<UINT>(GlobalSize(hMemory)), 0);
    CArchive ar(&in, CArchive::load);
    int count;
    CString first, second;
    ar >> count >> first >> second;
    ar.Close();
    EXPECT_EQ(2, count);
    EXPECT_STREQ("first", first);
    EXPECT_STREQ("second", second);
    GlobalUnlock(hMemory);
    GlobalFree(hMemory);
}
