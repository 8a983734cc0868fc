#include "TempFolder.h"

#include "core/CException.h"
#include "files/CStdioFile.h"

#include <gtest/gtest.h>

#include <vector>

TEST(StdioFileTest, TextModeWritesCrLfAndBinaryModeWritesWhatItIsGiven)
{
    struct Case
    {
        UINT type;
        CString onDisk;
    };
    const Case cases[] = {
        {CFile::typeText, "one\r\ntwo\r\n"},
        {0, "one\r\ntwo\r\n"},
        {CFile::typeBinary, "one\ntwo\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.type);
        TempFolder folder;
        CStdioFile file(folder / "lines.txt", CFile::modeCreate | CFile::modeWrite | c.type);
        file.WriteString("one\n");
        file.WriteString("two\n");
        file.Close();
        EXPECT_EQ(c.onDisk, folder.ReadBytes("lines.txt"));
    }
}

TEST(StdioFileTest, ReadStringGivesLinesWithoutTheirEnds)
{
    struct Case
    {
        UINT type;
        CString onDisk;
        std::vector<CString> lines;
    };
    const CString longLine('L', 700);
    const Case cases[] = {
        {CFile::typeText, "a\r\nb\nlast", {"a", "b", "last"}},
        {CFile::typeBinary, "a\r\nb\nlast", {"a", "b", "last"}},
        {CFile::typeText, "\r\n\r\n", {"", ""}},
        {CFile::typeText, longLine + "\r\nend\r\n", {longLine, "end"}},
        {CFile::typeText, "", {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.onDisk.Left(20));
        TempFolder folder;
        folder.WriteBytes("in.txt", c.onDisk);
        CStdioFile file(folder / "in.txt", CFile::modeRead | c.type);
        std::vector<CString> lines;
        CString line;
        while (file.ReadString(line))
            lines.push_back(line);
        EXPECT_EQ(c.lines, lines);
        EXPECT_TRUE(line.IsEmpty());
    }
}

TEST(StdioFileTest, ReadStringIntoABufferKeepsTheLineEndAsTheStreamGivesIt)
{
    struct Case
    {
        UINT type;
        const char* firstLine;
    };
    const Case cases[] = {
        {CFile::typeText, "first\n"},
        {CFile::typeBinary, "first\r\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.type);
        TempFolder folder;
        folder.WriteBytes("in.txt", "first\r\nsecond line");
        CStdioFile file(folder / "in.txt", CFile::modeRead | c.type);
        char buffer[8];
        EXPECT_STREQ(c.firstLine, file.ReadString(buffer, sizeof buffer));
        EXPECT_STREQ("second ", file.ReadString(buffer, sizeof buffer));
        EXPECT_STREQ("line", file.ReadString(buffer, sizeof buffer));
        EXPECT_EQ(NULL, file.ReadString(buffer, sizeof buffer));
    }
}

TEST(StdioFileTest, BinaryReadWriteSeekAndLength)
{
    TempFolder folder;
    CStdioFile file(folder / "raw.bin", CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
    file.Write("ab\ncd", 5);
    EXPECT_EQ(5u, file.GetLength());
    EXPECT_EQ(5u, file.GetPosition());
    file.Seek(1, CFile::begin);
    char buffer[8] = {};
    EXPECT_EQ(4u, file.Read(buffer, sizeof buffer));
    EXPECT_STREQ("b\ncd", buffer);
    file.SetLength(2);
    EXPECT_EQ(2u, file.GetLength());
    file.Close();
    EXPECT_EQ(CString("ab"), folder.ReadBytes("raw.bin"));
}

TEST(StdioFileTest, OpenFailsWithTheReason)
{
    TempFolder folder;
    CStdioFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(folder / "missing.txt", CFile::modeRead | CFile::typeText, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(nullptr, file.m_pStream);
}

TEST(StdioFileTest, ShareFlagsHoldForTheStream)
{
    TempFolder folder;
    CStdioFile first(folder / "locked.txt", CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CStdioFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(folder / "locked.txt", CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
}
