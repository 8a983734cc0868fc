#include "TempFolder.h"

#include "files/CFileFind.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The names FindFirstFile and FindNextFile give for the pattern, in their order.
std::vector<CString> SystemListing(const CString& pattern)
{
    std::vector<CString> names;
    WIN32_FIND_DATAA data;
    const HANDLE hFind = FindFirstFileA(pattern, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(data.cFileName);
    while (FindNextFileA(hFind, &data));
    FindClose(hFind);
    return names;
}

std::vector<CString> FinderListing(CFileFind& finder, LPCTSTR pattern)
{
    std::vector<CString> names;
    BOOL bWorking = finder.FindFile(pattern);
    while (bWorking)
    {
        bWorking = finder.FindNextFile();
        names.push_back(finder.GetFileName());
    }
    return names;
}

class FileFindTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.WriteBytes("zim.dll", "12345");
        m_folder.WriteBytes("portlink.dll", "1");
        m_folder.WriteBytes("notes.txt", "");
        CreateDirectoryA(m_folder / "plugins.dll", NULL);
    }

    TempFolder m_folder;
};

} // namespace

TEST_F(FileFindTest, ListsWhatMatchesInFileSystemOrder)
{
    struct Case
    {
        const char* pattern;
        size_t count;
    };
    const Case cases[] = {
        {"*.dll", 3},
        {"*.txt", 1},
        {"*", 6},
        {"zim.*", 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pattern);
        CFileFind finder;
        const std::vector<CString> names = FinderListing(finder, m_folder / c.pattern);
        EXPECT_EQ(c.count, names.size());
        EXPECT_EQ(SystemListing(m_folder / c.pattern), names);
    }
}

TEST_F(FileFindTest, NothingMatchingGivesFalse)
{
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile(m_folder / "*.exe"));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_TRUE(finder.GetFileName().IsEmpty());
}

TEST_F(FileFindTest, DescribesTheCurrentFile)
{
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(m_folder / "zim.dll"));
    EXPECT_TRUE(finder.GetFileName().IsEmpty());
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_STREQ("zim.dll", finder.GetFileName());
    EXPECT_STREQ("zim", finder.GetFileTitle());
    EXPECT_STREQ(m_folder / "zim.dll", finder.GetFilePath());
    EXPECT_STREQ(m_folder.Path(), finder.GetRoot());
    EXPECT_EQ(5u, finder.GetLength());
    EXPECT_FALSE(finder.IsDirectory());
    EXPECT_FALSE(finder.IsDots());
    finder.Close();
    EXPECT_TRUE(finder.GetFileName().IsEmpty());
}

TEST_F(FileFindTest, TellsFoldersAndDotsApart)
{
    CFileFind finder;
    BOOL bWorking = finder.FindFile(m_folder / "*");
    int nDots = 0;
    int nFolders = 0;
    while (bWorking)
    {
        bWorking = finder.FindNextFile();
        if (finder.IsDots())
        {
            ++nDots;
            EXPECT_TRUE(finder.IsDirectory());
        }
        else if (finder.IsDirectory())
        {
            ++nFolders;
            EXPECT_STREQ("plugins.dll", finder.GetFileName());
        }
    }
    EXPECT_EQ(2, nDots);
    EXPECT_EQ(1, nFolders);
}

TEST_F(FileFindTest, WithoutAPatternListsTheCurrentFolder)
{
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.Path()));
    CFileFind finder;
    const std::vector<CString> names = FinderListing(finder, NULL);
    const CString root = finder.GetRoot();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(6u, names.size());
    EXPECT_STREQ(m_folder.Path(), root);
}
