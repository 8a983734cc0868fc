#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Records the block sizes the file asks for, and can refuse them.
class CRecordingMemFile : public CMemFile
{
public:
    using CMemFile::CMemFile;

    std::vector<SIZE_T> m_requests;
    bool m_bRefuse = false;

protected:
    BYTE* Alloc(SIZE_T nBytes) override
    {
        m_requests.push_back(nBytes);
        return m_bRefuse ? NULL : CMemFile::Alloc(nBytes);
    }
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override
    {
        m_requests.push_back(nBytes);
        return m_bRefuse ? NULL : CMemFile::Realloc(lpMem, nBytes);
    }
};

bool ThrowsMemoryException(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

int FileFailure(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (CFileException* e)
    {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return CFileException::none;
}

} // namespace

TEST(MemFileTest, GrowsInStepsOfItsGrowSize)
{
    struct Case
    {
        UINT growBytes;
        std::vector<UINT> writes;
        std::vector<SIZE_T> requests;
    };
    const Case cases[] = {
        {CMemFile::defaultGrowBytes, {1}, {1024}},
        {CMemFile::defaultGrowBytes, {1024, 1}, {1024, 2048}},
        {CMemFile::defaultGrowBytes, {3000}, {3072}},
        {16, {20, 2}, {32}},
        {100, {1, 99, 1, 250}, {100, 200, 400}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.growBytes);
        CRecordingMemFile file(c.growBytes);
        UINT nTotal = 0;
        for (UINT nWrite : c.writes)
        {
            const std::vector<BYTE> data(nWrite, 0x11);
            file.Write(data.data(), nWrite);
            nTotal += nWrite;
        }
        EXPECT_EQ(c.requests, file.m_requests);
        EXPECT_EQ(nTotal, file.GetLength());
    }
}

TEST(MemFileTest, RefusedGrowthThrowsAndKeepsTheContents)
{
    CRecordingMemFile file;
    file.Write("abc", 3);
    file.m_bRefuse = true;
    const std::vector<BYTE> big(2000, 1);
    EXPECT_TRUE(ThrowsMemoryException([&] { file.Write(big.data(), 2000); }));
    EXPECT_EQ(3u, file.GetLength());
    char text[4] = {};
    file.SeekToBegin();
    EXPECT_EQ(3u, file.Read(text, 3));
    EXPECT_STREQ("abc", text);
}

TEST(MemFileTest, AFixedBlockRefusesToGrow)
{
    BYTE block[4] = {1, 2, 3, 4};
    CMemFile file(block, sizeof block);
    EXPECT_EQ(4u, file.GetLength());
    file.SeekToEnd();
    EXPECT_TRUE(ThrowsMemoryException([&] { file.Write("x", 1); }));
    EXPECT_TRUE(ThrowsMemoryException([&] { file.SetLength(5); }));
    file.SeekToBegin();
    file.Write("\x09", 1);
    EXPECT_EQ(9, block[0]);
    EXPECT_EQ(4u, file.GetLength());
}

TEST(MemFileTest, AnAttachedBlockThatMustGrowStaysTheCallers)
{
    BYTE block[20];
    std::memset(block, 0xEE, sizeof block);
    CRecordingMemFile file;
    file.Attach(block, sizeof block, 16);
    EXPECT_EQ(0u, file.GetLength());
    const std::vector<BYTE> data(22, 0x42);
    file.Write(data.data(), 20);
    EXPECT_TRUE(file.m_requests.empty());
    EXPECT_EQ(0x42, block[19]);

    file.Write(data.data(), 2);
    // One step of 16 beyond the 20-byte block.
    EXPECT_EQ(std::vector<SIZE_T>{36}, file.m_requests);
    EXPECT_EQ(22u, file.GetLength());
    BYTE* lpData = file.Detach();
    ASSERT_NE(static_cast<BYTE*>(block), lpData);
    EXPECT_EQ(data, std::vector<BYTE>(lpData, lpData + 22));
    std::free(lpData);
}

TEST(MemFileTest, DetachHandsTheBlockOverAndEmptiesTheFile)
{
    CMemFile file;
    file.Write("hello", 5);
    const ULONGLONG nLength = file.GetLength();
    BYTE* lpData = file.Detach();
    ASSERT_NE(nullptr, lpData);
    EXPECT_EQ(5u, nLength);
    EXPECT_EQ(0, std::memcmp(lpData, "hello", 5));
    std::free(lpData);

    EXPECT_EQ(0u, file.GetLength());
    EXPECT_EQ(0u, file.GetPosition());
    file.Write("again", 5);
    EXPECT_EQ(5u, file.GetLength());
}

TEST(MemFileTest, SeekReadAndLengthKeepToTheData)
{
    CMemFile file;
    file.Write("0123456789", 10);
    char buffer[16] = {};

    EXPECT_EQ(4u, file.Seek(4, CFile::begin));
    EXPECT_EQ(3u, file.Read(buffer, 3));
    EXPECT_STREQ("456", buffer);
    EXPECT_EQ(9u, file.Seek(2, CFile::current));
    EXPECT_EQ(1u, file.Read(buffer, 16));
    EXPECT_EQ(0u, file.Read(buffer, 16));
    EXPECT_EQ(8u, file.Seek(-2, CFile::end));

    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { file.Seek(-1, CFile::begin); }));
    EXPECT_EQ(8u, file.GetPosition());

    // Past the end: reads nothing, a write fills the gap with zeros.
    file.Seek(12, CFile::begin);
    EXPECT_EQ(0u, file.Read(buffer, 1));
    file.Write("!", 1);
    EXPECT_EQ(13u, file.GetLength());
    file.SeekToBegin();
    EXPECT_EQ(13u, file.Read(buffer, 16));
    EXPECT_EQ(0, std::memcmp(buffer, "0123456789\0\0!", 13));

    file.SetLength(3);
    EXPECT_EQ(3u, file.GetLength());
    EXPECT_EQ(3u, file.GetPosition());
    file.SetLength(6);
    file.SeekToBegin();
    EXPECT_EQ(6u, file.Read(buffer, 16));
    EXPECT_EQ(0, std::memcmp(buffer, "012\0\0\0", 6));
}

TEST(MemFileTest, CarriesAnArchiveBothWays)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << 42 << CString("state");
        ar.Close();
    }
    const UINT nLength = static_cast<UINT>(file.GetLength());
    BYTE* lpData = file.Detach();

    CMemFile reader(lpData, nLength);
    CArchive ar(&reader, CArchive::load);
    int value;
    CString text;
    ar >> value >> text;
    EXPECT_EQ(42, value);
    EXPECT_STREQ("state", text);
    ar.Close();
    std::free(lpData);
}
