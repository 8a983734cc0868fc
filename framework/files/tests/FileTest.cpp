#include "TempFolder.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The cause and system error of the CFileException the call raised.
struct FileFailure
{
    int cause = CFileException::none;
    LONG osError = 0;
};

FileFailure FailureOf(const std::function<void()>& call)
{
    FileFailure failure;
    try
    {
        call();
    }
    catch (CFileException* e)
    {
        failure.cause = e->m_cause;
        failure.osError = e->m_lOsError;
        e->Delete();
    }
    return failure;
}

} // namespace

TEST(FileTest, WritesAndReadsBack)
{
    TempFolder folder;
    const CString path = folder / "data.bin";
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("0123456789", 10);
        EXPECT_EQ(10u, file.GetLength());
        file.Close();
    }
    EXPECT_STREQ("0123456789", folder.ReadBytes("data.bin"));

    CFile file(path, CFile::modeRead);
    char buffer[16] = {};
    EXPECT_EQ(4u, file.Read(buffer, 4));
    EXPECT_STREQ("0123", buffer);
    EXPECT_EQ(4u, file.GetPosition());
    EXPECT_EQ(7u, file.Seek(3, CFile::current));
    EXPECT_EQ(3u, file.Read(buffer, sizeof buffer));
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
    EXPECT_EQ(10u, file.SeekToEnd());
    file.SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());
}

TEST(FileTest, OpenModesDecideCreationAndTruncation)
{
    struct Case
    {
        const char* name;
        UINT flags;
        bool existing;
        BOOL opens;
        const char* contentAfterWritingX;
    };
    const Case cases[] = {
        {"create truncates", CFile::modeCreate | CFile::modeWrite, true, TRUE, "X"},
        {"create makes a new file", CFile::modeCreate | CFile::modeWrite, false, TRUE, "X"},
        {"no truncate keeps", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite, true, TRUE, "Xld"},
        {"no truncate creates", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite, false, TRUE, "X"},
        {"plain open keeps", CFile::modeReadWrite, true, TRUE, "Xld"},
        {"plain open needs the file", CFile::modeWrite, false, FALSE, NULL},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (c.existing)
            folder.WriteBytes("f.txt", "old");
        CFile file;
        CFileException error;
        ASSERT_EQ(c.opens, file.Open(folder / "f.txt", c.flags, &error));
        if (!c.opens)
        {
            EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
            EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
            EXPECT_STREQ(folder / "f.txt", error.m_strFileName);
            continue;
        }
        file.Write("X", 1);
        file.Close();
        EXPECT_STREQ(c.contentAfterWritingX, folder.ReadBytes("f.txt"));
    }
}

TEST(FileTest, ConstructorThrowsWithTheSystemsReason)
{
    TempFolder folder;
    const FileFailure missing = FailureOf([&] { CFile file(folder / "missing.txt", CFile::modeRead); });
    EXPECT_EQ(CFileException::fileNotFound, missing.cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, missing.osError);

    const FileFailure badFolder = FailureOf([&] { CFile file(folder / "no\\such\\x.txt", CFile::modeRead); });
    EXPECT_EQ(CFileException::badPath, badFolder.cause);
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, badFolder.osError);
}

TEST(FileTest, ShareFlagsDecideWhetherASecondOpenSucceeds)
{
    struct Case
    {
        UINT firstShare;
        UINT secondFlags;
        BOOL secondOpens;
    };
    const Case cases[] = {
        {CFile::shareExclusive, CFile::modeRead | CFile::shareDenyNone, FALSE},
        {CFile::shareDenyWrite, CFile::modeRead | CFile::shareDenyNone, TRUE},
        // The first file writes, which the second would deny.
        {CFile::shareDenyWrite, CFile::modeRead | CFile::shareDenyWrite, FALSE},
        {CFile::shareDenyWrite, CFile::modeWrite | CFile::shareDenyNone, FALSE},
        {CFile::shareDenyNone, CFile::modeReadWrite | CFile::shareDenyNone, TRUE},
        {CFile::shareDenyRead, CFile::modeRead | CFile::shareDenyNone, FALSE},
    };
    TempFolder folder;
    folder.WriteBytes("shared.txt", "text");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.firstShare << " then " << c.secondFlags);
        CFile first(folder / "shared.txt", CFile::modeReadWrite | c.firstShare);
        CFile second;
        CFileException error;
        EXPECT_EQ(c.secondOpens, second.Open(folder / "shared.txt", c.secondFlags, &error));
        if (!c.secondOpens)
        {
            EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
        }
    }
}

TEST(FileTest, SetLengthCutsAndExtendsAndKeepsThePosition)
{
    TempFolder folder;
    CFile file(folder / "len.bin", CFile::modeCreate | CFile::modeReadWrite);
    file.Write("abcdef", 6);
    file.Seek(2, CFile::begin);
    file.SetLength(4);
    EXPECT_EQ(4u, file.GetLength());
    EXPECT_EQ(2u, file.GetPosition());
    file.SetLength(8);
    EXPECT_EQ(8u, file.GetLength());
    file.Close();
    EXPECT_EQ(CString("abcd\0\0\0\0", 8), folder.ReadBytes("len.bin"));
}

TEST(FileTest, NamesComeFromTheFullPath)
{
    TempFolder folder;
    folder.WriteBytes("report.final.txt", "x");
    CFile file(folder / "report.final.txt", CFile::modeRead);
    EXPECT_STREQ(folder / "report.final.txt", file.GetFilePath());
    EXPECT_STREQ("report.final.txt", file.GetFileName());
    EXPECT_STREQ("report.final", file.GetFileTitle());
    file.Close();
    EXPECT_TRUE(file.GetFilePath().IsEmpty());
}

TEST(FileTest, GetStatusTellsWhetherAFileExists)
{
    TempFolder folder;
    folder.WriteBytes("present.ini", "12345");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(folder / "present.ini", status));
    EXPECT_EQ(5u, status.m_size);
    EXPECT_STREQ(folder / "present.ini", status.m_szFullName);
    EXPECT_EQ(0, status.m_attribute & CFile::directory);

    EXPECT_FALSE(CFile::GetStatus(folder / "absent.ini", status));
    EXPECT_FALSE(CFile::GetStatus("", status));
    ASSERT_TRUE(CFile::GetStatus(folder.Path(), status));
    EXPECT_NE(0, status.m_attribute & CFile::directory);
}

TEST(FileTest, RenameAndRemoveThrowWhenTheyFail)
{
    TempFolder folder;
    folder.WriteBytes("a.txt", "a");
    CFile::Rename(folder / "a.txt", folder / "b.txt");
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(folder / "a.txt", status));
    EXPECT_TRUE(CFile::GetStatus(folder / "b.txt", status));

    EXPECT_EQ(CFileException::fileNotFound, FailureOf([&] { CFile::Rename(folder / "a.txt", folder / "c.txt"); }).cause);
    CFile::Remove(folder / "b.txt");
    EXPECT_FALSE(CFile::GetStatus(folder / "b.txt", status));
    EXPECT_EQ(CFileException::fileNotFound, FailureOf([&] { CFile::Remove(folder / "b.txt"); }).cause);
}

TEST(FileTest, ReadingAClosedFileThrows)
{
    CFile file;
    char ch;
    EXPECT_EQ(CFileException::invalidFile, FailureOf([&] { file.Read(&ch, 1); }).cause);
}

TEST(FileTest, CarriesAnArchiveOnDisk)
{
    TempFolder folder;
    {
        CFile file(folder / "state.dat", CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 16);
        for (int i = 0; i < 100; ++i)
            ar << i << CString('z', i);
        ar.Close();
    }
    CFile file(folder / "state.dat", CFile::modeRead);
    CArchive ar(&file, CArchive::load, 16);
    for (int i = 0; i < 100; ++i)
    {
        int value;
        CString text;
        ar >> value >> text;
        ASSERT_EQ(i, value);
        ASSERT_EQ(CString('z', i), text);
    }
    char extra;
    EXPECT_EQ(0u, ar.Read(&extra, 1));
    ar.Close();
}
